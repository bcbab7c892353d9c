// The program as the run command starts it: answers the start's "Unable to instantiate Outlook."
// box, waits for the main window, checks its menu, status bar, folder tree and message list,
// fetches once from the simulated phone on COM4, closes the window with WM_CLOSE and checks the
// exit code and the data file. Prints what it finds; the exit code is the number of failures.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
int g_failures = 0;

void Check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    std::fflush(stdout);
    if (!ok)
        ++g_failures;
}

struct Found
{
    DWORD pid;
    HWND main = nullptr;
    HWND box = nullptr;
    std::wstring boxText;
};

BOOL CALLBACK FindText(HWND h, LPARAM lp)
{
    wchar_t buf[256] = {};
    ::GetWindowTextW(h, buf, 256);
    std::wstring* text = (std::wstring*)lp;
    if (buf[0] && text->empty())
        *text = buf;
    return TRUE;
}

BOOL CALLBACK Visit(HWND h, LPARAM lp)
{
    Found* f = (Found*)lp;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(h, &pid);
    if (pid != f->pid || !::IsWindowVisible(h))
        return TRUE;
    wchar_t cls[64] = {};
    ::GetClassNameW(h, cls, 64);
    if (wcscmp(cls, L"#32770") == 0)
    {
        f->box = h;
        // The box's text is its static child whose text is not the button's.
        f->boxText.clear();
        for (HWND c = ::GetWindow(h, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
        {
            wchar_t ccls[32] = {}, text[256] = {};
            ::GetClassNameW(c, ccls, 32);
            ::GetWindowTextW(c, text, 256);
            if (_wcsicmp(ccls, L"Static") == 0 && text[0])
                f->boxText = text;
        }
    }
    else if (::GetWindow(h, GW_CHILD) != nullptr && ::GetWindow(h, GW_OWNER) == nullptr)
        f->main = h; // the frame: the one unowned window with children

    return TRUE;
}

HWND FindChildById(HWND parent, int id)
{
    struct S
    {
        int id;
        HWND h;
    } s = {id, nullptr};
    ::EnumChildWindows(
        parent,
        [](HWND h, LPARAM lp) -> BOOL {
            S* p = (S*)lp;
            if (::GetDlgCtrlID(h) == p->id)
            {
                p->h = h;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&s);
    return s.h;
}

// A visible descendant with the id and window text.
HWND FindBar(HWND parent, int id, const wchar_t* text)
{
    struct S
    {
        int id;
        const wchar_t* text;
        HWND h;
    } s = {id, text, nullptr};
    ::EnumChildWindows(
        parent,
        [](HWND h, LPARAM lp) -> BOOL {
            S* p = (S*)lp;
            wchar_t buf[64] = {};
            ::GetWindowTextW(h, buf, 64);
            if (::GetDlgCtrlID(h) == p->id && wcscmp(buf, p->text) == 0 && ::IsWindowVisible(h))
            {
                p->h = h;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&s);
    return s.h;
}

std::vector<unsigned char> ReadAll(const std::wstring& path)
{
    std::vector<unsigned char> bytes;
    HANDLE h = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                             nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(::GetFileSize(h, nullptr));
    DWORD n = 0;
    if (!bytes.empty())
        ::ReadFile(h, bytes.data(), (DWORD)bytes.size(), &n, nullptr);
    ::CloseHandle(h);
    bytes.resize(n);
    return bytes;
}

bool Holds(const std::vector<unsigned char>& bytes, const wchar_t* text)
{
    std::string narrow, wide;
    for (const wchar_t* p = text; *p; ++p)
    {
        narrow += (char)*p;
        wide += (char)(*p & 0xFF);
        wide += (char)(*p >> 8);
    }
    const std::string all(bytes.begin(), bytes.end());
    return all.find(narrow) != std::string::npos || all.find(wide) != std::string::npos;
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
    {
        std::printf("usage: program_smoke_driver <CorvaneSms.exe>\n");
        return 99;
    }
    const std::wstring exe = argv[1];
    const std::wstring folder = exe.substr(0, exe.find_last_of(L"\\/") + 1);
    const std::wstring dataFile = folder + L"CorvaneSms.dat";
    ::DeleteFileW(dataFile.c_str());

    STARTUPINFOW si = {sizeof si};
    PROCESS_INFORMATION pi = {};
    std::wstring cmd = L"\"" + exe + L"\"";
    if (!::CreateProcessW(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi))
    {
        std::printf("FAILED: the program did not start (%lu)\n", ::GetLastError());
        return 98;
    }
    Found f;
    f.pid = pi.dwProcessId;
    bool outlookBox = false;
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 90000)
    {
        f.box = nullptr;
        f.main = nullptr;
        ::EnumWindows(Visit, (LPARAM)&f);
        if (f.box != nullptr)
        {
            outlookBox |= f.boxText == L"Unable to instantiate Outlook.";
            std::printf("box: %ls\n", f.boxText.c_str());
            ::PostMessageW(f.box, WM_COMMAND, IDOK, 0);
        }
        else if (f.main != nullptr && outlookBox)
            break;
        ::Sleep(200);
    }
    Check(outlookBox, "the start says \"Unable to instantiate Outlook.\"");
    Check(f.main != nullptr, "the main window shows");
    if (f.main != nullptr)
    {
        wchar_t title[128] = {};
        ::GetWindowTextW(f.main, title, 128);
        std::printf("main window: %ls\n", title);
        Check(::GetMenu(f.main) == nullptr && FindChildById(f.main, 104) != nullptr, "it has the menu bar");
        Check(FindBar(f.main, 0xE800, L"Standard Toolbar") != nullptr, "it has the \"Standard Toolbar\"");
        Check(FindBar(f.main, 136, L"Corvane Toolbar") != nullptr, "it has the \"Corvane Toolbar\"");
        Check(FindBar(f.main, 105, L"Folders") != nullptr, "it has the \"Folders\" bar");
        Check(FindBar(f.main, 101, L"SMS List") != nullptr, "it has the \"SMS List\" bar");
        Check(FindChildById(f.main, 0xE801) != nullptr, "it has a status bar");
        Check(FindChildById(f.main, 105) != nullptr, "it has the folder tree");
        Check(FindChildById(f.main, 101) != nullptr, "it has the message list");

        // One fetch (File > Terima); the job saves the data file when it has filed the messages.
        ::PostMessageW(f.main, WM_COMMAND, 32771, 0);
        const DWORD fetch = ::GetTickCount();
        bool fetched = false;
        while (!fetched && ::GetTickCount() - fetch < 60000)
        {
            ::Sleep(250);
            fetched = Holds(ReadAll(dataFile), L"Mas, nanti sore jadi ketemu");
        }
        Check(fetched, "the fetch files the demo messages in the data file");
        ::PostMessageW(f.main, WM_CLOSE, 0, 0);
    }
    // Boxes shown while closing are answered; the process must end by itself.
    DWORD wait = WAIT_TIMEOUT;
    for (int i = 0; i < 150 && wait == WAIT_TIMEOUT; ++i)
    {
        wait = ::WaitForSingleObject(pi.hProcess, 200);
        f.box = nullptr;
        f.main = nullptr;
        ::EnumWindows(Visit, (LPARAM)&f);
        if (f.box != nullptr)
        {
            std::printf("box at close: %ls\n", f.boxText.c_str());
            ::PostMessageW(f.box, WM_COMMAND, IDOK, 0);
        }
    }
    DWORD code = 1234;
    ::GetExitCodeProcess(pi.hProcess, &code);
    Check(wait == WAIT_OBJECT_0, "WM_CLOSE ends the program");
    if (wait != WAIT_OBJECT_0)
        ::TerminateProcess(pi.hProcess, 1);
    Check(code == 0, "its exit code is 0");
    Check(Holds(ReadAll(dataFile), L"Paket Anda sudah dikirim"), "the data file holds the fetched messages");
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return g_failures;
}
