// Saving and loading a data file of 100,000 realistic records, against writing the same bytes raw
// and reading them into fresh memory (what a start-up pays).
#include "phone/Corvane_smsDoc.h"

#include <cstdio>
#include <type_traits>
#include <vector>

namespace
{
double Seconds()
{
    static LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (double)now.QuadPart / (double)freq.QuadPart;
}

const wchar_t* kWords[] = {L"halo",   L"apa",   L"kabar", L"besok",   L"rapat", L"jam",    L"sembilan",
                           L"jangan", L"lupa",  L"bawa",  L"laporan", L"ok",    L"terima", L"kasih",
                           L"sampai", L"jumpa", L"nanti", L"malam",   L"di",    L"kantor"};
const wchar_t* kNames[] = {L"Budi",         L"Ani Wijaya",     L"Kantor Pusat", L"Mama",
                           L"Rudi Hartono", L"+6281234567890", L"Dewi",         L"Pak Joko"};
const wchar_t* kFolders[] = {L"Inbox", L"Outbox", L"Sent", L"Drafts"};

void Fill(CCorvane_smsDoc& doc, int count)
{
    unsigned seed = 12345;
    auto next = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int i = 0; i < count; ++i)
    {
        CSMS* p = new CSMS;
        p->m_strDay.Format(L"%02u", 1 + next(28));
        p->m_strMonth.Format(L"%02u", 1 + next(12));
        p->m_strYear.Format(L"%02u", next(20));
        p->m_strHour.Format(L"%02u", next(24));
        p->m_strMinute.Format(L"%02u", next(60));
        p->m_strSecond.Format(L"%02u", next(60));
        const unsigned words = 4 + next(30); // about 20 to 200 characters
        for (unsigned w = 0; w < words; ++w)
        {
            if (w)
                p->m_strText += L' ';
            p->m_strText += kWords[next(20)];
        }
        p->m_strFolder = kFolders[next(4)];
        p->m_strSenderNumber.Format(L"62812%07u", next(10000000));
        p->m_strSenderName = kNames[next(8)];
        p->m_strRecipientNumber.Format(L"0813%08u", next(100000000));
        p->m_strRecipientName = kNames[next(8)];
        p->m_bRead = (int)next(2);
        p->m_nRef = (int)next(3) == 0 ? (int)next(255) : 0;
        p->m_bLinked = p->m_nRef != 0;
        p->m_nPart = p->m_nRef ? 1 + (int)next(3) : 0;
        doc.m_listSms.AddTail(p);
    }
}

bool RawWrite(const CString& path, const std::vector<unsigned char>& bytes)
{
    HANDLE h = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    FlushFileBuffers(h);
    CloseHandle(h);
    return ok && written == bytes.size();
}

bool RawRead(const CString& path, std::vector<unsigned char>& bytes)
{
    HANDLE h = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size;
    GetFileSizeEx(h, &size);
    bytes.resize((size_t)size.QuadPart);
    DWORD read = 0;
    const BOOL ok = ReadFile(h, bytes.data(), (DWORD)bytes.size(), &read, nullptr);
    CloseHandle(h);
    return ok && read == bytes.size();
}

// Best of several runs; f times itself when it returns its own duration.
template <class F> double Best(int runs, F f)
{
    double best = 1e30;
    for (int i = 0; i < runs; ++i)
    {
        const double t0 = Seconds();
        double t = 0;
        if constexpr (std::is_same<decltype(f()), double>::value)
            t = f();
        else
        {
            f();
            t = Seconds() - t0;
        }
        if (t < best)
            best = t;
    }
    return best;
}
} // namespace

int wmain()
{
    const int kRecords = 100000;
    const int kRuns = 9;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const CString dataPath = CString(temp) + L"store_bench_CorvaneSms.dat";
    const CString rawPath = CString(temp) + L"store_bench_raw.dat";

    CCorvane_smsDoc doc;
    doc.SetDataFilePath(dataPath);
    Fill(doc, kRecords);

    bool ok = true;
    const double save = Best(kRuns, [&] { ok = doc.SaveData() && ok; });
    std::vector<unsigned char> bytes;
    RawRead(dataPath, bytes);
    const double rawWrite = Best(kRuns, [&] { ok = RawWrite(rawPath, bytes) && ok; });

    // Loading into a fresh document each run; freeing the records is not part of the load.
    // The first load makes the records in memory the process has not used for records yet, as
    // at start-up; later ones reuse what the records before them left.
    double load = 1e30, firstLoad = 0;
    for (int i = 0; i < kRuns; ++i)
    {
        CCorvane_smsDoc back;
        back.SetDataFilePath(dataPath);
        const double t0 = Seconds();
        ok = back.LoadData() && ok;
        const double t = Seconds() - t0;
        ok = back.m_listSms.GetCount() == kRecords && ok;
        if (i == 0)
            firstLoad = t;
        if (t < load)
            load = t;
    }
    // The floor of any load: making the same records in memory (objects and strings on the heap).
    const double copy = Best(kRuns, [&] {
        std::vector<CSMS*> copies;
        copies.reserve(kRecords);
        const double t0 = Seconds();
        for (POSITION pos = doc.m_listSms.GetHeadPosition(); pos;)
            copies.push_back(new CSMS(*static_cast<CSMS*>(doc.m_listSms.GetNext(pos))));
        const double t = Seconds() - t0;
        for (CSMS* p : copies)
            delete p;
        return t;
    });
    // Reading the file into memory kept from the run before (no allocation, no fresh pages), and
    // into fresh memory as a start-up does.
    std::vector<unsigned char> again;
    const double rawRead = Best(kRuns, [&] { ok = RawRead(rawPath, again) && again == bytes && ok; });
    const double freshRead = Best(kRuns, [&] {
        double t;
        {
            std::vector<unsigned char> fresh;
            const double t0 = Seconds();
            ok = RawRead(rawPath, fresh) && ok;
            t = Seconds() - t0;
            ok = fresh.size() == bytes.size() && ok;
        }
        return t;
    });

    printf("store_bench: %d records, %.1f MB data file, best of %d runs\n", kRecords, bytes.size() / 1e6, kRuns);
    printf("  save: %8.3f s  %10.0f records/s   raw write %.3f s  ratio %.2f\n", save, kRecords / save, rawWrite,
           save / rawWrite);
    printf("  load: %8.3f s  %10.0f records/s   raw read into fresh memory %.3f s  ratio %.2f\n", load, kRecords / load,
           freshRead, load / freshRead);
    printf("                                        raw read into reused memory %.3f s  ratio %.2f\n", rawRead,
           load / rawRead);
    printf("  first load: %.3f s  ratio %.2f to the fresh read\n", firstLoad, firstLoad / freshRead);
    printf("  copying the records in memory (the floor of any load): %.3f s, load is %.2fx that\n", copy, load / copy);
    printf("  target: save within 3x of the raw write, load within 5x of the fresh read: %s\n",
           (save <= 3 * rawWrite && load <= 5 * freshRead) ? "met" : "NOT met");
    DeleteFileW(dataPath);
    DeleteFileW(rawPath);
    if (!ok)
    {
        printf("store_bench: a save or load failed\n");
        return 1;
    }
    return 0;
}
