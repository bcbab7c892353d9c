// The main frame's layout moved with the mouse: "Folders" dragged by its caption (real input)
// onto the right edge comes back there at the next start.
#include "phone/PhoneLinkTestSupport.h"
#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/MainFrm.h"
#include "toolkit/docking/ExtDockBar.h"

#include <functional>
#include <vector>

using namespace phonetest;

namespace
{
const wchar_t kAppName[] = L"CorvaneFrameDragTest";
const wchar_t kProfileKey[] = L"Software\\Corvane\\CorvaneFrameDragTest";

// Moves the mouse to the screen point, with the given buttons.
void SendMouse(CPoint pt, DWORD dwFlags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    in.mi.dx = (pt.x * 65535 + cx / 2) / (cx - 1);
    in.mi.dy = (pt.y * 65535 + cy / 2) / (cy - 1);
    in.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &in, sizeof(in));
}

DWORD WINAPI ScriptThread(LPVOID pParam)
{
    (*static_cast<const std::function<void()>*>(pParam))();
    return 0;
}

// Runs the input script on a thread of its own while this thread pumps its messages, so the drag
// loop started by the press reads the moves as they come.
void RunInputScript(const std::function<void()>& script)
{
    HANDLE hThread = ::CreateThread(nullptr, 0, ScriptThread, (LPVOID)&script, 0, nullptr);
    ASSERT_NE(hThread, nullptr);
    for (;;)
    {
        const DWORD dw = ::MsgWaitForMultipleObjects(1, &hThread, FALSE, 10000, QS_ALLINPUT);
        if (dw == WAIT_OBJECT_0 || dw == WAIT_TIMEOUT)
            break;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    ::CloseHandle(hThread);
    PumpUntil([] { return false; }, 50);
}

struct MainFrameDragTest : ::testing::Test
{
    void SetUp() override
    {
        REQUIRE_SIM();
        RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
        dataFile = GetAppFolder() + CORVANE_DATA_FILE_NAME;
        ::DeleteFileW(dataFile);
        NewApp();
    }
    void TearDown() override
    {
        if (app && app->m_pMainWnd)
            app->m_pMainWnd->DestroyWindow();
        delete app;
        RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
        ::DeleteFileW(dataFile);
    }
    void NewApp()
    {
        app = new CCorvane_smsApp;
        free((void*)app->m_pszAppName);
        app->m_pszAppName = _wcsdup(kAppName);
        app->SetRegistryKey(L"Corvane");
        app->WriteProfileString(L"Settings", L"Connection", SimPhone::PortName());
        app->WriteProfileInt(L"Settings", L"isSuaraOn", 0);
        app->WriteProfileInt(L"Settings", L"IsShowSplash", 0);
    }
    void Start()
    {
        ASSERT_TRUE(app->InitInstance()) << boxes.All();
        frame = dynamic_cast<CMainFrame*>(app->m_pMainWnd);
        ASSERT_NE(frame, nullptr);
        PumpUntil([] { return false; }, 50);
    }
    // Closes the main window as its close box does and ends the application object.
    void Stop()
    {
        HWND hFrame = frame->GetSafeHwnd();
        ::SendMessageW(hFrame, WM_CLOSE, 0, 0);
        EXPECT_FALSE(::IsWindow(hFrame));
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ;
        app->ExitInstance();
        delete app;
        app = nullptr;
        frame = nullptr;
    }
    static UINT CircleOf(CControlBar* pBar)
    {
        CExtDockBar* pDock = dynamic_cast<CExtDockBar*>(pBar->m_pDockBar);
        return pDock != nullptr ? pDock->GetCircleNo() : 0xFFFF;
    }
    // The inner edge of the frame's outer dock bar on a side, on the screen.
    CRect InnerEdge(UINT nSide) const
    {
        CExtDockBar* pOuter = CExtDockBar::FindCircleDockBar(frame, 0, nSide);
        return pOuter != nullptr ? pOuter->m_rcInnerEdge : CRect();
    }

    CCorvane_smsApp* app = nullptr;
    CMainFrame* frame = nullptr;
    CString dataFile;
    MessageBoxLog boxes;
};
} // namespace

// "Folders" dragged by its caption onto the right band of the area inside the frame's edge bars
// docks on the right; closed and started again, the frame brings it back there.
TEST_F(MainFrameDragTest, FoldersDraggedToTheRightEdgeComeBackThereAtTheNextStart)
{
    Start();
    frame->ShowWindow(SW_SHOWNORMAL);
    frame->SetForegroundWindow();
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpUntil([] { return false; }, 100);
    ASSERT_EQ(::GetForegroundWindow(), frame->GetSafeHwnd());
    CMainControlBar& folders = frame->m_wndFoldersBar;
    ASSERT_EQ(CExtControlBar::GetDockBarId(&folders), (UINT)AFX_IDW_DOCKBAR_LEFT);

    // A point on the caption, away from its buttons, and one on the right band.
    CRect rcBar;
    folders.GetWindowRect(&rcBar);
    CRect rcCaption(folders.GetCaptionRect());
    ASSERT_FALSE(rcCaption.IsRectEmpty());
    rcCaption.OffsetRect(rcBar.TopLeft());
    const CPoint ptFrom(rcCaption.left + 8, rcCaption.CenterPoint().y);
    const CRect rcEnclosed(InnerEdge(AFX_IDW_DOCKBAR_LEFT).left, InnerEdge(AFX_IDW_DOCKBAR_TOP).top,
                           InnerEdge(AFX_IDW_DOCKBAR_RIGHT).left, InnerEdge(AFX_IDW_DOCKBAR_BOTTOM).top);
    ASSERT_FALSE(rcEnclosed.IsRectEmpty());
    const CPoint ptTo(rcEnclosed.right - 2, rcEnclosed.CenterPoint().y);
    const std::vector<CPoint> path = {CPoint(ptFrom.x + 30, ptFrom.y + 20), rcEnclosed.CenterPoint(),
                                      CPoint(ptTo.x - 30, ptTo.y), ptTo};
    RunInputScript([&] {
        SendMouse(ptFrom, 0);
        ::Sleep(40);
        SendMouse(ptFrom, MOUSEEVENTF_LEFTDOWN);
        ::Sleep(60);
        for (const CPoint& pt : path)
        {
            SendMouse(pt, 0);
            ::Sleep(60);
        }
        ::Sleep(120);
        SendMouse(ptTo, MOUSEEVENTF_LEFTUP);
        ::Sleep(60);
    });
    EXPECT_EQ(CExtControlBar::GetDraggedBar(), nullptr);
    EXPECT_EQ(::GetCapture(), nullptr);
    ASSERT_EQ(CExtControlBar::GetDockBarId(&folders), (UINT)AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(CircleOf(&folders), 1u);
    EXPECT_EQ(frame->GetFolderTree()->GetParent(), &folders);
    frame->RecalcLayout();
    CRect rcView;
    app->GetView()->GetWindowRect(&rcView);
    folders.GetWindowRect(&rcBar);
    EXPECT_GE(rcBar.left, rcView.right);
    Stop();

    NewApp();
    Start();
    EXPECT_EQ(CExtControlBar::GetDockBarId(&frame->m_wndFoldersBar), (UINT)AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(CircleOf(&frame->m_wndFoldersBar), 1u);
    EXPECT_TRUE(frame->m_wndFoldersBar.IsWindowVisible());
    EXPECT_EQ(frame->GetFolderTree()->GetParent(), &frame->m_wndFoldersBar);
    // The other bars stay where the default layout put them.
    EXPECT_EQ(CExtControlBar::GetDockBarId(&frame->m_wndSmsListBar), (UINT)AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(CExtControlBar::GetDockBarId(&frame->m_wndToolBar), (UINT)AFX_IDW_DOCKBAR_TOP);
    Stop();
}
