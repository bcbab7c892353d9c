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
    void SetUp() override
    {
        FrameAppFixture::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(SimPhone::LoadJson("demo_fast", R"({"extends": "demo", "baud": 0})"));
    }
    // What an X client prints, through a file of the work folder on drive Z: (Wine starts Unix programs without a
    // handle to wait on).
    static std::string XClient(const CString& command)
    {
        const CString file = SimPhone::WorkFolder() + L"xclient.txt";
        ::DeleteFileW(file);
        CString unixFile = file.Mid(2), cmd;
        unixFile.Replace(L'\\', L'/');
        cmd.Format(L"/bin/sh -c \"%s > '%s~' 2>&1; mv '%s~' '%s'\"", (LPCWSTR)command, (LPCWSTR)unixFile,
                   (LPCWSTR)unixFile, (LPCWSTR)unixFile);
        STARTUPINFOW si = {sizeof si};
        PROCESS_INFORMATION pi = {};
        std::string text;
        FILE* f = nullptr;
        if (::CreateProcessW(L"Z:\\bin\\sh", cmd.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi) &&
            PumpUntil([&] { return (f = _wfopen(file, L"rb")) != nullptr; }, 10000))
        {
            for (char buf[512]; size_t n = fread(buf, 1, sizeof buf, f);)
                text.append(buf, n);
            fclose(f);
        }
        return text;
    }
    CString XWindow() const
    {
        CString s;
        s.Format(L"0x%Ix", (ULONG_PTR)::GetPropW(frame->m_hWnd, L"__wine_x11_whole_window"));
        return s;
    }
    // The window stands at rc, and the window manager shows its client area where Wine has it.
    bool ShownAt(const CRect& rc)
    {
        CRect rcWindow, rcClient;
        frame->GetWindowRect(&rcWindow);
        frame->GetClientRect(&rcClient);
        frame->ClientToScreen(&rcClient);
        const std::string info = XClient(L"xwininfo -id " + XWindow());
        int x = 0, y = 0, cx = 0, cy = 0;
        const size_t n = info.find("Absolute upper-left X:");
        const size_t m = info.find("Width:");
        return rcWindow == rc && n != std::string::npos && m != std::string::npos &&
               sscanf(info.c_str() + n, "Absolute upper-left X: %d Absolute upper-left Y: %d", &x, &y) == 2 &&
               sscanf(info.c_str() + m, "Width: %d Height: %d", &cx, &cy) == 2 &&
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
    XClient(L"xdotool windowminimize " + XWindow());
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
    XClient(L"xdotool windowactivate " + XWindow());
    const bool bBack = PumpUntil([&] { return !frame->IsIconic() && ShownAt(kLeftAt); }, 10000);
    CRect rc;
    frame->GetWindowRect(&rc);
    EXPECT_TRUE(bBack) << "restored at " << rc.left << "," << rc.top << " " << rc.Width() << "x" << rc.Height();
}
