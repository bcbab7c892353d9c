// The tray icon: its record, its life in the shell's tray (added, refused, re-added when the task bar
// comes, removed on destruction), the notifications and the menu, hiding a window to the tray and
// back, and the tray's rectangle.
#include "app/SystemTray.h"
#include "platform/WinThread.h"
#include "res/resource.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
const UINT kCallback = WM_APP + 0x104;

// A shown top-level window that records the commands it gets.
class HostWnd : public CWnd
{
public:
    HostWnd()
    {
        CreateEx(0, AfxRegisterWndClass(0), L"host", WS_OVERLAPPEDWINDOW, 40, 40, 240, 160, nullptr, nullptr);
        ShowWindow(SW_SHOW);
    }
    ~HostWnd() override { DestroyWindow(); }
    std::vector<UINT> commands;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND)
            commands.push_back(LOWORD(wParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// The tray with its record in reach.
class TestTray : public CSystemTray
{
public:
    const NOTIFYICONDATAW& Record() const { return m_tnd; }
};

// The shell's answer to a modification of the icon (hWnd, id): whether the tray holds it.
bool ShellHolds(HWND hWnd, UINT uID)
{
    NOTIFYICONDATAW nid = {};
    nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    nid.hWnd = hWnd;
    nid.uID = uID;
    nid.uFlags = NIF_TIP;
    ::lstrcpynW(nid.szTip, L"probe", 64);
    return ::Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

bool ShellAddOrDelete(DWORD dwMessage, HWND hWnd, UINT uID)
{
    NOTIFYICONDATAW nid = {};
    nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    nid.hWnd = hWnd;
    nid.uID = uID;
    nid.uFlags = NIF_ICON;
    nid.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    return ::Shell_NotifyIconW(dwMessage, &nid) != FALSE;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

HICON AppIcon() { return ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME)); }
} // namespace

TEST(SystemTrayTest, RecordHoldsTheFieldsOfThisArchitectureAndACutTip)
{
    HostWnd host;
    TestTray tray;
    const CString strLong(L'x', 80);
    ASSERT_TRUE(tray.Create(&host, kCallback, strLong, AppIcon(), IDR_TRAY_MENU));
    EXPECT_EQ(tray.Record().cbSize, (DWORD)NOTIFYICONDATAW_V1_SIZE);
#ifdef _WIN64
    EXPECT_EQ(tray.Record().cbSize, 168u);
#endif
    EXPECT_EQ(tray.Record().hWnd, host.GetSafeHwnd());
    EXPECT_EQ(tray.Record().uID, (UINT)IDR_TRAY_MENU);
    EXPECT_EQ(tray.Record().uCallbackMessage, kCallback);
    EXPECT_EQ(tray.Record().uFlags, (UINT)(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(wcslen(tray.Record().szTip), 63u);
    // An invisible pop-up of its own.
    ASSERT_NE(tray.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(::IsWindowVisible(tray.GetSafeHwnd()));
    EXPECT_TRUE(tray.GetStyle() & WS_POPUP);
}

TEST(SystemTrayTest, IconIsInTheTrayAfterCreateAndGoneAfterDestruction)
{
    HostWnd host;
    {
        CSystemTray tray;
        EXPECT_FALSE(ShellHolds(host.GetSafeHwnd(), IDR_TRAY_MENU));
        ASSERT_TRUE(tray.Create(&host, kCallback, L"Corvane SMS", AppIcon(), IDR_TRAY_MENU));
        EXPECT_TRUE(tray.IsIconInTray());
        EXPECT_TRUE(ShellHolds(host.GetSafeHwnd(), IDR_TRAY_MENU));
        // Removed and added again by the class.
        EXPECT_TRUE(tray.RemoveIcon());
        EXPECT_FALSE(tray.IsIconInTray());
        EXPECT_FALSE(ShellHolds(host.GetSafeHwnd(), IDR_TRAY_MENU));
        EXPECT_TRUE(tray.AddIcon());
        EXPECT_TRUE(ShellHolds(host.GetSafeHwnd(), IDR_TRAY_MENU));
    }
    EXPECT_FALSE(ShellHolds(host.GetSafeHwnd(), IDR_TRAY_MENU));

    // Created hidden: nothing in the tray until it is added.
    CSystemTray hidden;
    EXPECT_TRUE(hidden.Create(&host, kCallback, L"Corvane SMS", AppIcon(), IDR_TRAY_MENU, TRUE));
    EXPECT_FALSE(hidden.IsIconInTray());
    EXPECT_FALSE(ShellHolds(host.GetSafeHwnd(), IDR_TRAY_MENU));
}

TEST(SystemTrayTest, TaskbarCreatedAndTheTaskBarsSettingChangeBringTheIconBack)
{
    HostWnd host;
    CSystemTray tray;
    ASSERT_TRUE(tray.Create(&host, kCallback, L"Corvane SMS", AppIcon(), IDR_TRAY_MENU));
    // The task bar restarts: the icon is gone from the shell.
    ASSERT_TRUE(ShellAddOrDelete(NIM_DELETE, host.GetSafeHwnd(), IDR_TRAY_MENU));
    ::SendMessageW(tray.GetSafeHwnd(), CSystemTray::s_uTaskbarCreatedMsg, 0, 0);
    EXPECT_TRUE(ShellHolds(host.GetSafeHwnd(), IDR_TRAY_MENU));
    EXPECT_TRUE(tray.IsIconInTray());
    // A setting change of the task bar while the icon is there keeps it there.
    ::SendMessageW(tray.GetSafeHwnd(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_TRUE(ShellHolds(host.GetSafeHwnd(), IDR_TRAY_MENU));
    EXPECT_TRUE(tray.IsIconInTray());
    ASSERT_TRUE(ShellAddOrDelete(NIM_DELETE, host.GetSafeHwnd(), IDR_TRAY_MENU));
    ::SendMessageW(tray.GetSafeHwnd(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_TRUE(ShellHolds(host.GetSafeHwnd(), IDR_TRAY_MENU));
    // A removed icon stays removed.
    tray.RemoveIcon();
    ::SendMessageW(tray.GetSafeHwnd(), CSystemTray::s_uTaskbarCreatedMsg, 0, 0);
    EXPECT_FALSE(ShellHolds(host.GetSafeHwnd(), IDR_TRAY_MENU));
}

TEST(SystemTrayTest, RefusedIconIsReportedKeepsTheWindowAndComesWithTheTaskBar)
{
    HostWnd host;
    // Another icon with the same window and id makes the shell refuse the add.
    ASSERT_TRUE(ShellAddOrDelete(NIM_ADD, host.GetSafeHwnd(), IDR_TRAY_MENU));
    CSystemTray tray;
    EXPECT_FALSE(tray.Create(&host, kCallback, L"Corvane SMS", AppIcon(), IDR_TRAY_MENU));
    EXPECT_FALSE(tray.IsIconInTray());
    ASSERT_NE(tray.GetSafeHwnd(), nullptr);
    // Without the icon a window is not hidden to the tray.
    EXPECT_FALSE(tray.MinimiseToTray(&host));
    EXPECT_TRUE(host.IsWindowVisible());
    EXPECT_EQ(::GetAncestor(host.GetSafeHwnd(), GA_PARENT), ::GetDesktopWindow());
    // The task bar comes: the icon is added.
    ASSERT_TRUE(ShellAddOrDelete(NIM_DELETE, host.GetSafeHwnd(), IDR_TRAY_MENU));
    ::SendMessageW(tray.GetSafeHwnd(), CSystemTray::s_uTaskbarCreatedMsg, 0, 0);
    EXPECT_TRUE(tray.IsIconInTray());
    EXPECT_TRUE(ShellHolds(host.GetSafeHwnd(), IDR_TRAY_MENU));
    EXPECT_TRUE(tray.MinimiseToTray(&host));
    EXPECT_FALSE(host.IsWindowVisible());
    CSystemTray::MaximiseFromTray(&host);
    EXPECT_TRUE(host.IsWindowVisible());
}

TEST(SystemTrayTest, LeftButtonPostsTheMenusDefaultCommandToTheTarget)
{
    HostWnd host;
    CSystemTray tray;
    ASSERT_TRUE(tray.Create(&host, kCallback, L"Corvane SMS", AppIcon(), IDR_TRAY_MENU));
    tray.SetTargetWnd(&host);
    EXPECT_EQ(tray.GetTargetWnd(), &host);
    EXPECT_EQ(tray.OnTrayNotification(IDR_TRAY_MENU + 1, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(tray.OnTrayNotification(IDR_TRAY_MENU, WM_MOUSEMOVE), 1);
    EXPECT_EQ(tray.OnTrayNotification(IDR_TRAY_MENU, WM_LBUTTONUP), 1);
    Pump();
    EXPECT_TRUE(host.commands.empty());
    EXPECT_EQ(tray.OnTrayNotification(IDR_TRAY_MENU, WM_LBUTTONDOWN), 1);
    Pump();
    EXPECT_EQ(host.commands, std::vector<UINT>{ID_SHOW_HIDE_WINDOW});

    // Without a parent the notices come to the tray's own window and reach the handler there.
    CSystemTray own;
    ASSERT_TRUE(own.Create(nullptr, kCallback, L"own", AppIcon(), IDR_TRAY_MENU));
    own.SetTargetWnd(&host);
    EXPECT_TRUE(ShellHolds(own.GetSafeHwnd(), IDR_TRAY_MENU));
    host.commands.clear();
    EXPECT_EQ(::SendMessageW(own.GetSafeHwnd(), kCallback, IDR_TRAY_MENU, WM_LBUTTONDOWN), 1);
    Pump();
    EXPECT_EQ(host.commands, std::vector<UINT>{ID_SHOW_HIDE_WINDOW});
}

TEST(SystemTrayTest, RightButtonOpensTheTrayMenuWithShowHideAsDefault)
{
    HostWnd host;
    CSystemTray tray;
    ASSERT_TRUE(tray.Create(nullptr, kCallback, L"Corvane SMS", AppIcon(), IDR_TRAY_MENU));
    tray.SetTargetWnd(&host);
    static UINT s_uDefault, s_uCount, s_uFirst;
    s_uDefault = s_uCount = s_uFirst = 0;
    ::SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND hMenuWnd = ::FindWindowW(L"#32768", nullptr);
        if (hMenuWnd == nullptr || !::IsWindowVisible(hMenuWnd))
            return;
        ::KillTimer(nullptr, id);
        HMENU hMenu = (HMENU)::SendMessageW(hMenuWnd, MN_GETHMENU, 0, 0);
        s_uDefault = ::GetMenuDefaultItem(hMenu, FALSE, 0);
        s_uCount = ::GetMenuItemCount(hMenu);
        s_uFirst = ::GetMenuItemID(hMenu, 0);
        ::EndMenu();
    });
    EXPECT_EQ(::SendMessageW(tray.GetSafeHwnd(), kCallback, IDR_TRAY_MENU, WM_RBUTTONUP), 1);
    EXPECT_EQ(s_uDefault, (UINT)ID_SHOW_HIDE_WINDOW);
    EXPECT_EQ(s_uCount, 4u);
    EXPECT_EQ(s_uFirst, (UINT)ID_SHOW_HIDE_WINDOW);
    Pump();
    EXPECT_TRUE(host.commands.empty());
}

// The window stays a top-level window with its native (X) window through the trip: a re-parent would make Wine
// destroy it and the way back a new one.
TEST(SystemTrayTest, HidesAWindowAsATopLevelWindowKeepingItsNativeWindowAndBringsItBack)
{
    HostWnd host;
    CSystemTray tray;
    ASSERT_TRUE(tray.Create(&host, kCallback, L"Corvane SMS", AppIcon(), IDR_TRAY_MENU));
    const HANDLE hNative = ::GetPropW(host.GetSafeHwnd(), L"__wine_x11_whole_window");
    for (BOOL bAnimate : {FALSE, TRUE})
    {
        ASSERT_TRUE(tray.MinimiseToTray(&host, bAnimate));
        EXPECT_FALSE(host.IsWindowVisible());
        EXPECT_EQ(::GetAncestor(host.GetSafeHwnd(), GA_PARENT), ::GetDesktopWindow());
        CSystemTray::MaximiseFromTray(&host, bAnimate);
        EXPECT_TRUE(host.IsWindowVisible());
        EXPECT_EQ(::GetAncestor(host.GetSafeHwnd(), GA_PARENT), ::GetDesktopWindow());
        EXPECT_EQ(::GetPropW(host.GetSafeHwnd(), L"__wine_x11_whole_window"), hNative) << "a new native window";
    }
}

TEST(SystemTrayTest, TrayRectangleFollowsTheNotifyAreaTheTaskBarOrTheWorkArea)
{
    const CRect rcNotify(1000, 980, 1200, 1024);
    EXPECT_EQ(CSystemTray::TrayRectFromNotifyArea(rcNotify, nullptr), rcNotify);
    // A clock at the bottom (a horizontal bar) cuts the right part.
    const CRect rcClockRight(1150, 984, 1200, 1020);
    EXPECT_EQ(CSystemTray::TrayRectFromNotifyArea(rcNotify, &rcClockRight), CRect(1000, 980, 1150, 1024));
    // A clock on top (a vertical bar) cuts the top part.
    const CRect rcTall(0, 600, 60, 900), rcClockTop(0, 600, 60, 640);
    EXPECT_EQ(CSystemTray::TrayRectFromNotifyArea(rcTall, &rcClockTop), CRect(0, 640, 60, 900));

    const CRect rcBottomBar(0, 994, 1280, 1024), rcLeftBar(0, 0, 60, 1024);
    EXPECT_EQ(CSystemTray::TrayRectFromTaskBar(ABE_BOTTOM, rcBottomBar), CRect(1180, 994, 1264, 1024));
    EXPECT_EQ(CSystemTray::TrayRectFromTaskBar(ABE_TOP, CRect(0, 0, 1280, 30)), CRect(1180, 0, 1264, 30));
    EXPECT_EQ(CSystemTray::TrayRectFromTaskBar(ABE_LEFT, rcLeftBar), CRect(0, 924, 60, 1008));
    EXPECT_EQ(CSystemTray::TrayRectFromTaskBar(ABE_RIGHT, CRect(1220, 0, 1280, 1024)), CRect(1220, 924, 1280, 1008));
    EXPECT_EQ(CSystemTray::TrayRectFromWorkArea(CRect(0, 0, 1280, 1000)), CRect(1130, 970, 1280, 1000));

    // Here the task bar window exists without a notification child: its own rectangle.
    HWND hShellTray = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    ASSERT_NE(hShellTray, nullptr);
    if (::FindWindowExW(hShellTray, nullptr, L"TrayNotifyWnd", nullptr) == nullptr)
    {
        CRect rc;
        ::GetWindowRect(hShellTray, &rc);
        EXPECT_EQ(CSystemTray::GetTrayWndRect(), rc);
    }
}
