// Multiple-document frames with real MDI child windows, and tool-window mini frames.
#include <gtest/gtest.h>
#include "FramesTestApp.h"
#include "frames_test_ids.h"

static int g_childrenAlive = 0;

class CMdiTestChild : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CMdiTestChild)
public:
    CMdiTestChild() { ++g_childrenAlive; }
    ~CMdiTestChild() override { --g_childrenAlive; }
    int m_nCommands = 0;

protected:
    void OnTestView() { ++m_nCommands; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CMdiTestChild, CMDIChildWnd)
BEGIN_MESSAGE_MAP(CMdiTestChild, CMDIChildWnd)
ON_COMMAND(ID_TEST_VIEW, OnTestView)
END_MESSAGE_MAP()

class CMdiTestFrame : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CMdiTestFrame)
public:
    int m_nCommands = 0;

protected:
    void OnTestFrame() { ++m_nCommands; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CMdiTestFrame, CMDIFrameWnd)
BEGIN_MESSAGE_MAP(CMdiTestFrame, CMDIFrameWnd)
ON_COMMAND(ID_TEST_FRAME, OnTestFrame)
END_MESSAGE_MAP()

namespace
{
// "Berkas" and "Jendela" pop-ups; the second holds the window commands.
HMENU MakeFrameMenu()
{
    HMENU hMenu = ::CreateMenu();
    HMENU hFile = ::CreatePopupMenu();
    ::AppendMenuW(hFile, MF_STRING, ID_TEST_FRAME, L"Bingkai");
    ::AppendMenuW(hMenu, MF_POPUP, (UINT_PTR)hFile, L"Berkas");
    HMENU hWindow = ::CreatePopupMenu();
    ::AppendMenuW(hWindow, MF_STRING, ID_WINDOW_CASCADE, L"Bertumpuk");
    ::AppendMenuW(hWindow, MF_STRING, ID_WINDOW_TILE_HORZ, L"Berjajar");
    ::AppendMenuW(hMenu, MF_POPUP, (UINT_PTR)hWindow, L"Jendela");
    return hMenu;
}

CMdiTestFrame* MakeMdiFrame(HMENU hMenu)
{
    CMdiTestFrame* pFrame = new CMdiTestFrame;
    if (!pFrame->CreateEx(0, nullptr, L"Induk", WS_OVERLAPPEDWINDOW, 40, 40, 640, 480, nullptr, hMenu))
        return nullptr; // the object went with the failed creation
    pFrame->m_hMenuDefault = hMenu;
    return pFrame;
}

CMdiTestChild* MakeChild(CMDIFrameWnd* pFrame, LPCTSTR lpszTitle)
{
    CMdiTestChild* pChild = new CMdiTestChild;
    if (!pChild->Create(nullptr, lpszTitle, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                        pFrame))
        return nullptr;
    return pChild;
}
} // namespace

TEST(MdiFrame, ChildrenLiveInTheClientAndTakeCommandsWhileActive)
{
    HMENU hMenu = MakeFrameMenu();
    CMdiTestFrame* pFrame = MakeMdiFrame(hMenu);
    ASSERT_NE(pFrame, nullptr);
    ASSERT_NE(pFrame->m_hWndMDIClient, nullptr);
    EXPECT_EQ(::GetDlgCtrlID(pFrame->m_hWndMDIClient), AFX_IDW_PANE_FIRST);
    EXPECT_TRUE(pFrame->IsKindOf(RUNTIME_CLASS(CFrameWnd)));

    // The client fills what the (absent) bars leave: the whole client area.
    CRect rcFrame, rcClient;
    pFrame->GetClientRect(&rcFrame);
    ::GetWindowRect(pFrame->m_hWndMDIClient, &rcClient);
    EXPECT_EQ(rcClient.Width(), rcFrame.Width());
    EXPECT_EQ(rcClient.Height(), rcFrame.Height());

    EXPECT_EQ(pFrame->MDIGetActive(), nullptr);
    EXPECT_EQ(pFrame->GetActiveFrame(), pFrame);

    CMdiTestChild* pFirst = MakeChild(pFrame, L"Anak satu");
    CMdiTestChild* pSecond = MakeChild(pFrame, L"Anak dua");
    ASSERT_NE(pFirst, nullptr);
    ASSERT_NE(pSecond, nullptr);
    EXPECT_EQ(g_childrenAlive, 2);
    EXPECT_EQ(::GetParent(pFirst->m_hWnd), pFrame->m_hWndMDIClient);
    EXPECT_EQ(pFirst->GetMDIFrame(), pFrame);
    EXPECT_TRUE(pFirst->GetStyle() & WS_VISIBLE);

    BOOL bMaximized = TRUE;
    EXPECT_EQ(pFrame->MDIGetActive(&bMaximized), pSecond);
    EXPECT_FALSE(bMaximized);
    EXPECT_EQ(pFrame->GetActiveFrame(), pSecond);

    // The client lists its children in the window pop-up, from AFX_IDM_FIRST_MDICHILD on.
    HMENU hWindow = pFrame->GetWindowMenuPopup(::GetMenu(pFrame->m_hWnd));
    ASSERT_NE(hWindow, nullptr);
    EXPECT_EQ(hWindow, ::GetSubMenu(hMenu, 1));
    EXPECT_NE(::GetMenuState(hWindow, AFX_IDM_FIRST_MDICHILD, MF_BYCOMMAND), (UINT)-1);
    EXPECT_NE(::GetMenuState(hWindow, AFX_IDM_FIRST_MDICHILD + 1, MF_BYCOMMAND), (UINT)-1);

    // Commands go to the active child first, then to the frame.
    pFrame->SendMessage(WM_COMMAND, ID_TEST_VIEW);
    EXPECT_EQ(pSecond->m_nCommands, 1);
    EXPECT_EQ(pFirst->m_nCommands, 0);
    pFrame->SendMessage(WM_COMMAND, ID_TEST_FRAME);
    EXPECT_EQ(pFrame->m_nCommands, 1);

    // A window-list entry activates its child; so do MDIActivate and MDINext.
    pFrame->SendMessage(WM_COMMAND, AFX_IDM_FIRST_MDICHILD);
    EXPECT_EQ(pFrame->MDIGetActive(), pFirst);
    pFrame->SendMessage(WM_COMMAND, ID_TEST_VIEW);
    EXPECT_EQ(pFirst->m_nCommands, 1);
    pFrame->MDIActivate(pSecond);
    EXPECT_EQ(pFrame->MDIGetActive(), pSecond);
    pFrame->MDINext();
    EXPECT_EQ(pFrame->MDIGetActive(), pFirst);

    // Window commands are enabled only while a child exists.
    struct CEnableProbe : CCmdUI
    {
        BOOL m_bEnabled = -1;
        void Enable(BOOL bOn) override
        {
            m_bEnabled = bOn;
            m_bEnableChanged = TRUE;
        }
    } probe;
    probe.m_nID = ID_WINDOW_CASCADE;
    probe.DoUpdate(pFrame, TRUE);
    EXPECT_EQ(probe.m_bEnabled, TRUE);

    pFrame->MDIMaximize(pFirst);
    pFrame->MDIGetActive(&bMaximized);
    EXPECT_TRUE(bMaximized);
    EXPECT_TRUE(pFirst->IsZoomed());
    pFirst->MDIRestore();
    EXPECT_FALSE(pFirst->IsZoomed());

    // Destroying a child goes through the client, which activates the other one; the objects go
    // with their windows.
    pFirst->DestroyWindow();
    EXPECT_EQ(g_childrenAlive, 1);
    EXPECT_EQ(pFrame->MDIGetActive(), pSecond);
    pSecond->DestroyWindow();
    EXPECT_EQ(g_childrenAlive, 0);
    EXPECT_EQ(pFrame->MDIGetActive(), nullptr);
    probe.m_bEnabled = -1;
    probe.DoUpdate(pFrame, TRUE);
    EXPECT_EQ(probe.m_bEnabled, FALSE);

    pFrame->DestroyWindow();
}

TEST(MdiFrame, ActiveChildShowsItsSharedMenuAndTheFrameMenuReturnsAfterIt)
{
    HMENU hMenu = MakeFrameMenu();
    CMdiTestFrame* pFrame = MakeMdiFrame(hMenu);
    ASSERT_NE(pFrame, nullptr);

    CMdiTestChild* pPlain = MakeChild(pFrame, L"Polos");
    ASSERT_NE(pPlain, nullptr);
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), hMenu); // a child without its own menu keeps the frame's

    HMENU hShared = MakeFrameMenu();
    CMdiTestChild* pDoc = new CMdiTestChild;
    pDoc->m_hMenuShared = hShared;
    ASSERT_TRUE(
        pDoc->Create(nullptr, L"Dokumen", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, pFrame));
    EXPECT_EQ(pFrame->MDIGetActive(), pDoc);
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), hShared);

    // Switching to the child without a menu brings the frame's menu back, and back again.
    pFrame->MDIActivate(pPlain);
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), hMenu);
    pFrame->MDIActivate(pDoc);
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), hShared);

    pDoc->DestroyWindow();
    EXPECT_EQ(pFrame->MDIGetActive(), pPlain);
    pPlain->DestroyWindow();
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), hMenu);
    EXPECT_EQ(g_childrenAlive, 0);

    pFrame->DestroyWindow();
    ::DestroyMenu(hShared);
}

TEST(MdiFrame, ChildWithoutMdiFrameFailsAndIsCleanedUp)
{
    // The test program's main window (if any) is no MDI frame: nothing to create the child in.
    CMdiTestChild* pChild = new CMdiTestChild;
    EXPECT_EQ(g_childrenAlive, 1);
    EXPECT_FALSE(pChild->Create(nullptr, L"Yatim", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                                nullptr));
    EXPECT_EQ(g_childrenAlive, 0);
}

TEST(MiniFrame, StylesBecomeAToolWindowKeepingTheLowWordFrameStyles)
{
    CMiniFrameWnd* pMini = new CMiniFrameWnd;
    const DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_THICKFRAME | MFS_BLOCKSYSMENU | MFS_SYNCACTIVE;
    ASSERT_TRUE(pMini->Create(nullptr, L"Alat", dwStyle, CRect(50, 50, 250, 200)));
    EXPECT_TRUE(pMini->IsKindOf(RUNTIME_CLASS(CFrameWnd)));
    EXPECT_EQ(pMini->GetMiniFrameStyle(), (DWORD)(MFS_THICKFRAME | MFS_BLOCKSYSMENU | MFS_SYNCACTIVE));
    const DWORD dwReal = pMini->GetStyle();
    EXPECT_TRUE(dwReal & WS_THICKFRAME);
    EXPECT_FALSE(dwReal & WS_SYSMENU);
    EXPECT_FALSE(dwReal & MFS_BLOCKSYSMENU); // 0x10000 would be a maximise box
    EXPECT_TRUE(dwReal & MFS_SYNCACTIVE);    // the low-word frame styles stay readable
    EXPECT_TRUE(pMini->GetExStyle() & WS_EX_TOOLWINDOW);
    CString strTitle;
    pMini->GetWindowText(strTitle);
    EXPECT_EQ(strTitle, L"Alat");

    // The small caption: the non-client top is thinner than a normal frame's caption.
    CRect rcWindow, rcClient;
    pMini->GetWindowRect(&rcWindow);
    pMini->GetClientRect(&rcClient);
    pMini->ClientToScreen(&rcClient);
    EXPECT_LT(rcClient.top - rcWindow.top, ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYSIZEFRAME) + 2);
    pMini->DestroyWindow();
}
