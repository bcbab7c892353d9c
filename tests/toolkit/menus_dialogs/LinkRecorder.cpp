// Test program started by the link tests' associations: writes the arguments it got, one a line,
// to the file named by its first argument, then signals the tests' event.
#include <windows.h>

#include <shellapi.h>
#include <cstdio>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr || argc < 2)
        return 1;
    FILE* f = _wfopen(argv[1], L"wb");
    if (f != nullptr)
    {
        for (int i = 2; i < argc; ++i)
        {
            fwrite(argv[i], sizeof(wchar_t), wcslen(argv[i]), f);
            fwrite(L"\n", sizeof(wchar_t), 1, f);
        }
        fclose(f);
    }
    HANDLE hEvent = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, L"CorvaneLinkRecorderDone");
    if (hEvent != nullptr)
    {
        ::SetEvent(hEvent);
        ::CloseHandle(hEvent);
    }
    ::LocalFree(argv);
    return 0;
}
