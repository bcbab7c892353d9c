// The main window's place and size through the window manager, in the running program on a screen with one
// (openbox): a trip to the tray by the manager's minimize, and the first restore after a minimized start.
#include "phone/PhoneLinkTestSupport.h"
#include "FrameAppFixture.h"
#include "res/mainframe_ids.h"

#include <string>

using namespace phonetest;

namespace
{
struct MainFramePlacementTest : FrameAppFixture
{
    MainFramePlacementTest() : FrameAppFixture(L"CorvaneMainFramePlacementTest") {}
    // Runs the X client command on the window's X window and reads what it prints through a file of the work folder
    // (Wine starts Unix programs without a handle to wait on); empty when nothing came.
    std::string XClient(const wchar_t* pszCommand)
    {
        const CString file = SimPhone::WorkFolder() + L"xdotool.txt";
        ::DeleteFileW(file);
        CString unixFile = file.Mid(2), cmd;
        unixFile.Replace(L'\\', L'/');
        cmd.Format(L"/bin/sh -c \"%s %Iu > '%s~'; mv '%s~' '%s'\"", pszCommand,
                   (ULONG_PTR)::GetPropW(frame->m_hWnd, L"__wine_x11_whole_window"), (LPCWSTR)unixFile,
                   (LPCWSTR)unixFile, (LPCWSTR)unixFile);
        STARTUPINFOW si = {sizeof si};
        PROCESS_INFORMATION pi = {};
        FILE* f = nullptr;
        std::string text;
        if (::CreateProcessW(L"Z:\\bin\\sh", cmd.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi) &&
            PumpUntil([&] { return (f = _wfopen(file, L"rb")) != nullptr; }, 10000))
        {
            for (char buf[256]; size_t n = fread(buf, 1, sizeof buf, f);)
                text.append(buf, n);
            fclose(f);
            ::CloseHandle(pi.hThread);
            ::CloseHandle(pi.hProcess);
        }
        return text;
    }
    // The window stands at rc, and the window manager shows its client area where Wine has it.
    bool ShownAt(const CRect& rc)
    {
        CRect rcWindow, rcClient;
        frame->GetWindowRect(&rcWindow);
        frame->GetClientRect(&rcClient);
        frame->ClientToScreen(&rcClient);
        const std::string info = XClient(L"xwininfo -id");
        const size_t nAt = info.find("Absolute"), nSize = info.find("Width:");
        int x = 0, y = 0, cx = 0, cy = 0;
        return rcWindow == rc && nAt != std::string::npos && nSize != std::string::npos &&
               sscanf(info.c_str() + nAt, "Absolute upper-left X: %d Absolute upper-left Y: %d", &x, &y) == 2 &&
               sscanf(info.c_str() + nSize, "Width: %d Height: %d", &cx, &cy) == 2 &&
               CRect(x, y, x + cx, y + cy) == rcClient;
    }
    // Starts the program with its window at the rectangle the user leaves.
    void StartAt(const CRect& rc)
    {
        ASSERT_NO_FATAL_FAILURE(StartFrame());
        frame->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER);
        ASSERT_TRUE(PumpUntil([&] { return ShownAt(rc); }, 10000)) << "the window is not shown where it was put";
    }
};
const CRect kLeftAt(150, 90, 750, 490);
} // namespace

// The manager's minimize hides the window to the tray; back from it, the window stands where and as large as it was.
TEST_F(MainFramePlacementTest, TheWindowComesBackFromTheTrayWhereAndAsLargeAsItWas)
{
    app->WriteProfileInt(L"Settings", L"IsHideToTray", 1);
    ASSERT_NO_FATAL_FAILURE(StartAt(kLeftAt));
    XClient(L"xdotool windowminimize");
    ASSERT_TRUE(PumpUntil([&] { return frame->IsHiddenToTray() != FALSE; }, 10000));
    frame->SendMessage(WM_COMMAND, ID_SHOW_HIDE_WINDOW);
    const bool bBack = PumpUntil([&] { return ShownAt(kLeftAt); }, 10000);
    CRect rc;
    frame->GetWindowRect(&rc);
    EXPECT_TRUE(bBack) << "back at " << rc.left << "," << rc.top << " " << rc.Width() << "x" << rc.Height();
}

// A window closed minimized starts minimized; restored by the manager, it stands where the user left it.
TEST_F(MainFramePlacementTest, AWindowClosedMinimizedIsRestoredWhereItWasLeft)
{
    ASSERT_NO_FATAL_FAILURE(StartAt(kLeftAt));
    frame->ShowWindow(SW_MINIMIZE);
    Stop();
    NewApp();
    ASSERT_NO_FATAL_FAILURE(StartFrame());
    ASSERT_TRUE(frame->IsIconic());
    XClient(L"xdotool windowactivate");
    const bool bBack = PumpUntil([&] { return !frame->IsIconic() && ShownAt(kLeftAt); }, 10000);
    CRect rc;
    frame->GetWindowRect(&rc);
    EXPECT_TRUE(bBack) << "restored at " << rc.left << "," << rc.top << " " << rc.Width() << "x" << rc.Height();
}
