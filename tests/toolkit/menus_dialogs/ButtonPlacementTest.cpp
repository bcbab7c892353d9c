// Push button on bars: drop-down placement from the dock side of the bar, the menu's receiver, and
// tool-bar hover while the bars track menus.
#include "ControlsTestSupport.h"
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtControlHelpers.h"

namespace
{
// A docking tool bar of a fixed size that holds a button.
class CButtonBar : public CExtToolControlBar
{
public:
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override { return bHorz ? CSize(120, 40) : CSize(40, 120); }
    CSize CalcDynamicLayout(int, DWORD nMode) override { return CalcFixedLayout(FALSE, (nMode & LM_HORZ) != 0); }
    BOOL CreateBar(CWnd* pParent, UINT nID)
    {
        m_dwStyle = CBRS_TOP;
        if (!CWnd::CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW)), L"bar",
                            WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, pParent->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, nullptr))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
};

// Pretends its menu opened: the popup stands for the open menu.
class CMenuOpeningButton : public CExtButton
{
public:
    bool TrackDropDownMenu(bool) override
    {
        ++m_nTracks;
        m_hWndMenuOpen = m_hWndFakePopup;
        return true;
    }
    int m_nTracks = 0;
    HWND m_hWndFakePopup = nullptr;
};
} // namespace

class ButtonPlacementTest : public ControlsTest
{
protected:
    // One frame and bar for the suite: destroying a frame costs seconds under Wine.
    static void TearDownTestSuite()
    {
        if (s_pFrame != nullptr && s_pFrame->GetSafeHwnd() != nullptr)
            s_pFrame->DestroyWindow(); // deletes the frame
        s_pFrame = nullptr;
        delete s_pBar;
        s_pBar = nullptr;
    }
    void SetUp() override
    {
        ControlsTest::SetUp();
        if (s_pFrame == nullptr)
        {
            s_pFrame = new CFrameWnd;
            ASSERT_TRUE(s_pFrame->Create(nullptr, L"bars", WS_OVERLAPPEDWINDOW, CRect(100, 100, 600, 500)));
            s_pFrame->EnableDocking(CBRS_ALIGN_ANY);
            s_pBar = new CButtonBar;
            ASSERT_TRUE(s_pBar->CreateBar(s_pFrame, 0x5200));
        }
        m_pFrame = s_pFrame;
        m_pFrame->DockControlBar(s_pBar, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
        HWND hWnd = ::CreateWindowExW(0, L"button", L"Drop", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 2, 2, 30, 30,
                                      s_pBar->m_hWnd, (HMENU)0x300, nullptr, nullptr);
        ASSERT_TRUE(m_button.SubclassWindow(hWnd));
    }
    void TearDown() override
    {
        CExtControlHelpers::SetToolBarMenuTracking(false);
        if (m_button.GetSafeHwnd() != nullptr)
            m_button.DestroyWindow();
        ControlsTest::TearDown();
    }
    static CFrameWnd* s_pFrame;
    static CButtonBar* s_pBar;
    CFrameWnd* m_pFrame = nullptr;
    CMenuOpeningButton m_button;
};

CFrameWnd* ButtonPlacementTest::s_pFrame = nullptr;
CButtonBar* ButtonPlacementTest::s_pBar = nullptr;

TEST_F(ButtonPlacementTest, ButtonInADialogKeepsItsPlacementAndTellsTheDialog)
{
    CExtButton button;
    HWND hWnd = m_pDlg->AddControl(L"button", L"Dlg", BS_PUSHBUTTON, CRect(10, 10, 90, 40), 0x301);
    ASSERT_TRUE(button.SubclassWindow(hWnd));
    button.m_dwMenuOpt = 6;
    HWND hWndReceiver = nullptr;
    EXPECT_EQ(button.CalcMenuPlacement(&hWndReceiver), 6u);
    EXPECT_EQ(hWndReceiver, m_pDlg->m_hWnd);
    button.DestroyWindow();
}

TEST_F(ButtonPlacementTest, ToolBarHoverOpensTheMenuOnceWhileItIsOpen)
{
    HWND hWndPopup = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"Static", L"", WS_POPUP, 0, 0, 10, 10,
                                       nullptr, nullptr, nullptr, nullptr);
    ::ShowWindow(hWndPopup, SW_SHOWNOACTIVATE);
    m_button.m_hWndFakePopup = hWndPopup;
    // Without the bars' tracking a move is an ordinary hover.
    ::SendMessageW(m_button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(m_button.m_nTracks, 0);
    CExtControlHelpers::SetToolBarMenuTracking(true);
    ::SendMessageW(m_button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(m_button.m_nTracks, 1);
    EXPECT_TRUE(m_button.IsOwnMenuOpen());
    for (int i = 0; i < 5; ++i)
        ::SendMessageW(m_button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(6 + i, 5));
    EXPECT_EQ(m_button.m_nTracks, 1);
    // Once the menu has closed, the next move opens it again.
    ::ShowWindow(hWndPopup, SW_HIDE);
    ::SendMessageW(m_button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(m_button.m_nTracks, 2);
    ::DestroyWindow(hWndPopup);
}

// Last: it leaves the bar floating.
TEST_F(ButtonPlacementTest, PlacementFollowsTheDockSideAndTheReceiverIsTheFrame)
{
    struct Case
    {
        UINT nDockBar;
        UINT nPlacement;
    } cases[] = {
        {AFX_IDW_DOCKBAR_TOP, 4}, {AFX_IDW_DOCKBAR_LEFT, 1}, {AFX_IDW_DOCKBAR_RIGHT, 3}, {AFX_IDW_DOCKBAR_BOTTOM, 6}};
    m_button.m_dwMenuOpt = 0x102;
    for (const Case& c : cases)
    {
        m_pFrame->DockControlBar(s_pBar, c.nDockBar);
        m_pFrame->RecalcLayout();
        ASSERT_EQ(CExtControlBar::GetDockBarId(s_pBar), c.nDockBar);
        HWND hWndReceiver = nullptr;
        EXPECT_EQ(m_button.CalcMenuPlacement(&hWndReceiver), 0x100u | c.nPlacement) << std::hex << c.nDockBar;
        EXPECT_EQ(hWndReceiver, m_pFrame->m_hWnd);
    }
    m_pFrame->FloatControlBar(s_pBar, CPoint(200, 200));
    ASSERT_TRUE(CExtControlBar::IsFloating(s_pBar));
    HWND hWndReceiver = nullptr;
    EXPECT_EQ(m_button.CalcMenuPlacement(&hWndReceiver), 0x104u);
    EXPECT_EQ(hWndReceiver, m_pFrame->m_hWnd);
}
