// Benchmark of export and import: exporting 100,000 records against writing the same lines with
// the text writer alone, and importing the 100,000 lines of that backup into a document that
// already holds them all (every line a duplicate) against reading the file with the reader alone.
#include "app/DlgExportSms.h"
#include "app/DlgImportSms.h"
#include "bench/BenchRecords.h"
#include "bench/BenchSupport.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/SmsRecord.h"
#include "phone/UnicodeTextFile.h"

#include <vector>

namespace
{
const int kRecords = 100000;
} // namespace

int wmain()
{
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const CString backup = CString(temp) + L"import_export_bench.txt";
    const CString plain = CString(temp) + L"import_export_bench_plain.txt";
    CCorvane_smsDoc doc;
    bench::FillRecords(doc, kRecords);
    std::vector<CString> lines;
    for (POSITION pos = doc.m_listSms.GetHeadPosition(); pos;)
        lines.push_back(CDlgExportSms::FormatBackupLine(*(const CSMS*)doc.m_listSms.GetNext(pos)));

    std::vector<double> exportRatios, importRatios;
    bool ok = true;
    for (int run = 0; run < bench::kRuns; ++run)
    {
        auto t0 = std::chrono::steady_clock::now();
        int nCount = 0;
        ok = CDlgExportSms::WriteBackupFile(doc, backup, nCount) && nCount == kRecords && ok;
        const double dExport = bench::Seconds(t0);
        t0 = std::chrono::steady_clock::now();
        {
            CUnicodeTextWriter writer(plain, TEXTFILE_UNI16_LE);
            for (const CString& line : lines)
                writer.WriteLine(line);
        }
        const double dWrite = bench::Seconds(t0);
        exportRatios.push_back(dExport / dWrite);

        t0 = std::chrono::steady_clock::now();
        CStringArray fileLines;
        ok = CDlgImportSms::ReadFileLines(backup, fileLines) && ok;
        CDlgImportSms::SImportResult result;
        CDlgImportSms::ImportLines(doc, fileLines, CDlgImportSms::kLayoutBackup, result);
        const double dImport = bench::Seconds(t0);
        ok = result.nLines == kRecords && result.nAdded == 0 && ok;
        t0 = std::chrono::steady_clock::now();
        {
            CUnicodeTextReader reader(backup);
            CString line;
            int n = 0;
            while (reader.ReadLine(line))
                ++n;
            ok = n == kRecords && ok;
        }
        const double dRead = bench::Seconds(t0);
        importRatios.push_back(dImport / dRead);
        std::printf("run %d: export %.3f s, writer %.3f s; import %.3f s, reader %.3f s\n", run + 1, dExport, dWrite,
                    dImport, dRead);
    }
    ::DeleteFileW(backup);
    ::DeleteFileW(plain);
    bench::PrintRatios("export of 100000 records / writing the lines", exportRatios, 2.0);
    bench::PrintRatios("import of 100000 duplicate lines / reading the lines", importRatios, 3.0);
    if (!ok)
        std::printf("FAILED: a result was not as expected\n");
    return ok ? 0 : 1;
}
