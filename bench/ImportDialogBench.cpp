// Benchmark of the import dialog: "Import SMS" run on a backup file of 100,000 records (its label
// showing the progress, its window answering, the data file saved) against reading and parsing
// the same file into a document without the dialog and saving that document the same way.
#include "BenchRecords.h"
#include "BenchSupport.h"
#include "app/DlgExportSms.h"
#include "app/DlgImportSms.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/SmsRecord.h"
#include "platform/MessageBox.h"
#include "res/app_tools_ids.h"

namespace
{
const int kRecords = 100000;

// The backup of 100,000 distinct records, as export writes it.
bool WriteBackup(const CString& strPath)
{
    CCorvane_smsDoc doc;
    bench::FillRecords(doc, kRecords);
    int nCount = 0;
    return CDlgExportSms::WriteBackupFile(doc, strPath, nCount) && nCount == kRecords;
}
} // namespace

int wmain()
{
    SetMessageBoxHandler([](HWND, LPCWSTR, LPCWSTR, UINT) { return IDOK; });
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const CString backup = CString(temp) + L"import_dialog_bench.txt";
    const CString dataDialog = CString(temp) + L"import_dialog_bench_a.dat";
    const CString dataPlain = CString(temp) + L"import_dialog_bench_b.dat";
    bool ok = WriteBackup(backup);

    std::vector<double> ratios;
    for (int run = 0; run < bench::kRuns && ok; ++run)
    {
        // The dialog, shown, from the click on "OK" to its end.
        CCorvane_smsDoc docDialog;
        docDialog.SetDataFilePath(dataDialog);
        CDlgImportSms dlg;
        dlg.SetDocument(&docDialog);
        ok = dlg.Create(IDD_IMPORT_SMS, nullptr) != FALSE && ok;
        dlg.OnInitDialog();
        dlg.ShowWindow(SW_SHOW);
        dlg.UpdateWindow();
        dlg.m_wndPath.SetWindowText(backup);
        auto t0 = std::chrono::steady_clock::now();
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)dlg.m_wndOk.GetSafeHwnd());
        const double dDialog = bench::Seconds(t0);
        ok = docDialog.m_listSms.GetCount() == kRecords && ok;
        dlg.DestroyWindow();

        // The same without the dialog: read, parse and append (the lines freed, as the dialog
        // frees them), save.
        CCorvane_smsDoc docPlain;
        docPlain.SetDataFilePath(dataPlain);
        t0 = std::chrono::steady_clock::now();
        CDlgImportSms::SImportResult result;
        {
            CStringArray lines;
            ok = CDlgImportSms::ReadFileLines(backup, lines) && ok;
            CDlgImportSms::ImportLines(docPlain, lines, CDlgImportSms::kLayoutBackup, result);
        }
        const double dParse = bench::Seconds(t0);
        ok = docPlain.SaveData() && result.nAdded == kRecords && ok;
        const double dPlain = bench::Seconds(t0);
        ratios.push_back(dDialog / dPlain);
        std::printf("run %d: dialog %.3f s; read and parse %.3f s, with the save %.3f s\n", run + 1, dDialog, dParse,
                    dPlain);
    }
    ::DeleteFileW(backup);
    ::DeleteFileW(dataDialog);
    ::DeleteFileW(dataPlain);
    bench::PrintRatios("import dialog on 100000 records / reading and parsing them", ratios, 1.5);
    if (!ok)
        std::printf("FAILED: a result was not as expected\n");
    return ok ? 0 : 1;
}
