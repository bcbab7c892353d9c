// Times a whole fetch from the simulated phone (started by bench/phonelink_bench.py) and compares
// it with the time the exchanged bytes need on the line at 9600 baud, 8N1 (10 bits a byte).
// usage: phonelink_bench <paced scenario> <unpaced scenario> (Unix paths for the simulator)
#include "platform/Platform.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/PhoneHost.h"
#include "phone/PhoneSession.h"
#include "platform/MessageBox.h"

#include <cstdio>
#include <string>

namespace
{
CString Env(const wchar_t* name)
{
    wchar_t buf[1024];
    DWORD n = GetEnvironmentVariableW(name, buf, 1024);
    return (n > 0 && n < 1024) ? CString(buf) : CString();
}

std::string Request(const std::string& text)
{
    CString ctl = Env(L"CORVANE_SIM_CTL") + L"\\";
    DeleteFileW(ctl + L"response");
    HANDLE h = CreateFileW(ctl + L"request.tmp", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n = 0;
    WriteFile(h, text.data(), (DWORD)text.size(), &n, nullptr);
    CloseHandle(h);
    MoveFileExW(ctl + L"request.tmp", ctl + L"request", MOVEFILE_REPLACE_EXISTING);
    DWORD start = GetTickCount();
    while (GetFileAttributesW(ctl + L"response") == INVALID_FILE_ATTRIBUTES)
    {
        if (GetTickCount() - start > 10000)
            return "";
        Sleep(2);
    }
    std::string out;
    h = CreateFileW(ctl + L"response", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    char buf[65536];
    if (ReadFile(h, buf, sizeof buf, &n, nullptr))
        out.assign(buf, n);
    CloseHandle(h);
    return out;
}

long Field(const std::string& state, const char* key)
{
    size_t p = state.find(std::string(key) + " ");
    return p == std::string::npos ? -1 : atol(state.c_str() + p + strlen(key) + 1);
}

struct BenchHost : CPhoneHost
{
    CIrdaPort port;
    CCorvane_smsDoc doc;
    HWND hView = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    CIrdaPort& GetPort() override { return port; }
    CCorvane_smsDoc* GetDoc() override { return &doc; }
    HWND GetMainViewWnd() override { return hView; }
};

struct BenchApp : CWinApp
{
    BenchApp() : CWinApp(L"Corvane SMS") {}
};

// One fetch into an empty document; returns seconds and the number of new messages.
double Fetch(const std::string& scenario, int& nNew, long& nBytes)
{
    if (Request("load " + scenario + "\n") != "ok\n")
    {
        printf("simulator refused %s\n", scenario.c_str());
        return -1;
    }
    BenchHost host;
    SetPhoneHost(&host);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    host.doc.SetDataFilePath(CString(temp) + L"phonelink_bench.dat");
    host.doc.SetLogFilePath(CString(temp) + L"phonelink_bench_log.txt");
    LARGE_INTEGER f, a, b;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&a);
    CPhoneSession session;
    nNew = 0;
    BOOL ok = session.ReceiveAllSms(&nNew);
    QueryPerformanceCounter(&b);
    SetPhoneHost(nullptr);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg); // status lines
    std::string state = Request("state\n");
    nBytes = Field(state, "bytes_in") + Field(state, "bytes_out");
    if (!ok)
        printf("fetch failed\n");
    return double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3 || Env(L"CORVANE_SIM_CTL").IsEmpty())
    {
        printf("run through bench/phonelink_bench.py\n");
        return 2;
    }
    BenchApp app;
    app.SetRegistryKey(L"CorvanePhoneLinkBench");
    app.WriteProfileString(L"Settings", L"Connection", Env(L"CORVANE_SIM_PORT"));
    app.WriteProfileInt(L"Settings", L"isSuaraOn", 0);
    app.WriteProfileInt(L"Settings", L"isHapus", 0);
    SetMessageBoxHandler([](HWND, LPCWSTR text, LPCWSTR, UINT) {
        wprintf(L"message: %ls\n", text);
        return IDOK;
    });
    auto narrow = [](const wchar_t* w) {
        std::string s;
        for (; *w; ++w)
            s += (char)*w;
        return s;
    };

    int nNew = 0;
    long nBytes = 0;
    double paced = Fetch(narrow(argv[1]), nNew, nBytes);
    double line = nBytes * 10.0 / 9600.0;
    printf("paced fetch at 9600 baud: %d messages, %ld bytes exchanged, %.2f s (line needs %.2f s)\n", nNew, nBytes,
           paced, line);
    printf("ratio fetch time / line time: %.3f (target <= 1.15)\n", line > 0 ? paced / line : 0.0);

    double unpaced = Fetch(narrow(argv[2]), nNew, nBytes);
    printf("unpaced fetch: %d messages in %.3f s: %.0f messages/s\n", nNew, unpaced,
           unpaced > 0 ? nNew / unpaced : 0.0);
    return 0;
}
