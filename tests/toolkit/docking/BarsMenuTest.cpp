// The bars menu: its items, groups and separators, the frame's own filling, and the dock bar's
// context menu and the menus that right clicks track.
#include <gtest/gtest.h>
#include <algorithm>
#include "DockingHost.h"
#include "platform/Dc.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"
#include "toolkit/docking/ExtBarNcAreaButtonMenu.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
class BarsMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CDockingHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost());
    }
    void TearDown() override
    {
        CExtPopupMenuWnd::CancelMenuTracking();
        delete m_pPopup;
        m_pFrame->DestroyWindow();
    }
    // The command ids of the built menu; 0 for separators.
    std::vector<int> Build()
    {
        delete m_pPopup;
        m_pPopup = new CExtPopupMenuWnd;
        EXPECT_TRUE(m_pPopup->CreatePopupMenu(m_pFrame->GetSafeHwnd()));
        // The source is a dock bar of the frame, as for the dock bar's own context menu.
        CWnd* pSrc = m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP);
        m_bBuilt = CExtDockBar::BuildBarsPopupMenu(m_pFrame, m_pPopup, 0, pSrc, WM_CONTEXTMENU, 0);
        std::vector<int> ids;
        for (int i = 0; i < m_pPopup->GetItemCount(); ++i)
            ids.push_back(m_pPopup->ItemGetCmdID(i));
        return ids;
    }
    static int Id(CWnd* pBar) { return pBar->GetDlgCtrlID(); }
    // The command ids of the tracked menu; 0 for separators.
    static std::vector<int> TrackedIds()
    {
        std::vector<int> ids;
        CExtPopupMenuWnd* pTracked = g_TrackingSite.GetInstance();
        for (int i = 0; pTracked != nullptr && i < pTracked->GetItemCount(); ++i)
            ids.push_back(pTracked->ItemGetCmdID(i));
        return ids;
    }
    CDockingHostFrame* m_pFrame = nullptr;
    CExtPopupMenuWnd* m_pPopup = nullptr;
    bool m_bBuilt = false;
};
} // namespace

TEST_F(BarsMenu, ListsEachBarOnceWithOneSeparatorBetweenToolBarsAndResizableBars)
{
    CHostFixedBar* pTools = m_pFrame->AddFixedBar(AFX_IDW_DOCKBAR_TOP, L"Tools");
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    CHostResizableBar* pB = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_BOTTOM, L"Messages");
    ASSERT_NE(pB, nullptr);
    EXPECT_EQ(Build(), (std::vector<int>{Id(pTools), 0, Id(pA), Id(pB)}));
    EXPECT_TRUE(m_bBuilt);
    EXPECT_EQ(m_pPopup->ItemGetText(2), CString(L"Folders"));
}

TEST_F(BarsMenu, LeavesOutContainersAndBarsWithoutTextAndEndsWithoutSeparator)
{
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"");
    auto* pTabs = new CExtDynTabControlBar; // deletes itself with its window
    ASSERT_TRUE(pTabs->Create(L"Group", m_pFrame, 0xA1E0));
    // A tool bar without text: its separator is dropped as trailing.
    m_pFrame->AddFixedBar(AFX_IDW_DOCKBAR_TOP, L"");
    EXPECT_EQ(Build(), (std::vector<int>{Id(pA)}));
    pTabs->DestroyWindow();
}

// A bar closed inside its tab group comes back through the menu.
TEST_F(BarsMenu, ListsTheBarsOfATabGroupInsteadOfTheGroupAlsoAClosedOne)
{
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    CHostResizableBar* pB = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"SMS List");
    ASSERT_TRUE(pA->DockAsTabWith(pB));
    m_pFrame->ShowControlBar(pB, FALSE, FALSE);
    std::vector<int> ids = Build();
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<int>{Id(pA), Id(pB)}));
}

TEST_F(BarsMenu, IsEmptyAndAnswersFalseWithoutBars)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    EXPECT_TRUE(Build().empty());
    EXPECT_FALSE(m_bBuilt);
}

TEST_F(BarsMenu, AFrameAnsweringTheBeforeAnnouncementFillsItAlone)
{
    m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    m_pFrame->m_bFillBarsMenu = true;
    const int nBefore = m_pFrame->m_nMenuAnnouncements;
    EXPECT_EQ(Build(), (std::vector<int>{0xB000}));
    EXPECT_EQ(m_pFrame->m_nMenuAnnouncements, nBefore + 2); // before and after
}

TEST_F(BarsMenu, ARightClickOnAnEmptyDockBarShowsNothing)
{
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    ASSERT_NE(pA, nullptr);
    CControlBar* pEmpty = m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_RIGHT);
    ASSERT_NE(pEmpty, nullptr);
    const int nBefore = m_pFrame->m_nMenuAnnouncements;
    pEmpty->SendMessage(WM_CONTEXTMENU, (WPARAM)pEmpty->GetSafeHwnd(), MAKELPARAM(300, 300));
    EXPECT_EQ(m_pFrame->m_nMenuAnnouncements, nBefore);
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
}

TEST_F(BarsMenu, ARightClickOnABarTracksOneItemPerBarAndTheDockBarsCancelModeClosesIt)
{
    CHostFixedBar* pTools = m_pFrame->AddFixedBar(AFX_IDW_DOCKBAR_TOP, L"Tools");
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    CHostResizableBar* pB = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_BOTTOM, L"Messages");
    ASSERT_NE(pB, nullptr);
    pA->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    EXPECT_EQ(TrackedIds(), (std::vector<int>{Id(pTools), 0, Id(pA), Id(pB)}));
    m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT)->SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
}

// Checked = shown, for tool bars and resizable bars alike.
TEST_F(BarsMenu, ARightClickOnABarChecksEveryShownBar)
{
    CHostFixedBar* pTools = m_pFrame->AddFixedBar(AFX_IDW_DOCKBAR_TOP, L"Tools");
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    CHostResizableBar* pB = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_BOTTOM, L"Messages");
    CHostResizableBar* pC = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_RIGHT, L"Notes");
    ASSERT_NE(pC, nullptr);
    ShowAndPaint(m_pFrame);
    m_pFrame->ShowControlBar(pC, FALSE, FALSE);
    pA->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    CExtPopupMenuWnd* pTracked = g_TrackingSite.GetInstance();
    ASSERT_EQ(TrackedIds(), (std::vector<int>{Id(pTools), 0, Id(pA), Id(pB), Id(pC)}));
    EXPECT_TRUE(pTracked->GetItemAt(0).GetCheck());
    EXPECT_TRUE(pTracked->GetItemAt(2).GetCheck());
    EXPECT_TRUE(pTracked->GetItemAt(3).GetCheck());
    EXPECT_FALSE(pTracked->GetItemAt(4).GetCheck());
    CExtPopupMenuWnd::CancelMenuTracking();
}

TEST_F(BarsMenu, ADockBarsContextMenuLeavesOutContainersAndBarsWithoutTextAndATimerClosesIt)
{
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"");
    auto* pTabs = new CExtDynTabControlBar; // deletes itself with its window
    ASSERT_TRUE(pTabs->Create(L"Group", m_pFrame, 0xA1E1));
    m_pFrame->AddFixedBar(AFX_IDW_DOCKBAR_TOP, L"");
    CControlBar* pDockLeft = m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT);
    pDockLeft->SendMessage(WM_CONTEXTMENU, (WPARAM)pDockLeft->GetSafeHwnd(), MAKELPARAM(200, 200));
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    EXPECT_EQ(TrackedIds(), (std::vector<int>{Id(pA)}));
    // Closed from a timer while a message loop runs, as an application's own loop would.
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR nID, DWORD) {
        ::KillTimer(nullptr, nID);
        CExtPopupMenuWnd::CancelMenuTracking();
    });
    ASSERT_NE(nTimer, 0u);
    MSG msg;
    while (CExtPopupMenuWnd::IsMenuTracking() && ::GetMessageW(&msg, nullptr, 0, 0))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    pTabs->DestroyWindow();
}

TEST_F(BarsMenu, InHelpModeRightClicksShowNothingAndTheDockBarLeavesAnOpenMenuAlone)
{
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    m_pFrame->m_bHelpMode = TRUE;
    pA->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    CControlBar* pDockLeft = m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT);
    pDockLeft->SendMessage(WM_CONTEXTMENU, (WPARAM)pDockLeft->GetSafeHwnd(), MAKELPARAM(200, 200));
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());

    m_pFrame->m_bHelpMode = FALSE;
    pA->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    m_pFrame->m_bHelpMode = TRUE;
    pDockLeft->SendMessage(WM_CANCELMODE);
    EXPECT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    m_pFrame->m_bHelpMode = FALSE;
    // The bar's own cancel mode ends menu tracking in any case.
    pA->SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
}

TEST_F(BarsMenu, TheOptionsButtonDropsItsSubMenuItemWhenNoBarIsListed)
{
    CHostFixedBar* pTools = m_pFrame->AddFixedBar(AFX_IDW_DOCKBAR_TOP, L"");
    ASSERT_NE(pTools, nullptr);
    CExtBarNcAreaButtonMenu button(pTools);
    button.m_rc = CRect(2, 2, 14, 14);
    EXPECT_FALSE(button.OnClick(CPoint(5, 5)));
    EXPECT_EQ(m_pFrame->m_nLastPostKind, 10);
    EXPECT_EQ(m_pFrame->m_nLastPostItemCount, 0);
}

TEST_F(BarsMenu, InHelpModeTheOptionsButtonDoesNothing)
{
    CHostFixedBar* pTools = m_pFrame->AddFixedBar(AFX_IDW_DOCKBAR_TOP, L"Tools");
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    ASSERT_NE(pTools, nullptr);
    ASSERT_NE(pA, nullptr);
    CExtBarNcAreaButtonMenu button(pTools);
    button.m_rc = CRect(2, 2, 14, 14);
    m_pFrame->m_nLastPostKind = -1;
    m_pFrame->m_bHelpMode = TRUE;
    EXPECT_FALSE(button.OnClick(CPoint(5, 5)));
    m_pFrame->m_bHelpMode = FALSE;
    EXPECT_EQ(m_pFrame->m_nLastPostKind, -1);
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
}

TEST_F(BarsMenu, CaptionButtonsShowNoHoverOrPressWhileAMenuTracks)
{
    CHostFixedBar* pTools = m_pFrame->AddFixedBar(AFX_IDW_DOCKBAR_TOP, L"Tools");
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    ASSERT_NE(pTools, nullptr);
    CExtBarNcAreaButtonMenu button(pTools);
    button.m_rc = CRect(0, 0, 16, 16);
    // The button's pixels in a 16 x 16 DIB for one state.
    auto paint = [&button](UINT nState) {
        CDC dc;
        dc.Attach(::CreateCompatibleDC(nullptr));
        COLORREF* pBits = nullptr;
        HBITMAP hDib = PlatformCreateTopDownDib32(dc.GetSafeHdc(), 16, 16, &pBits);
        HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hDib);
        ::PatBlt(dc.GetSafeHdc(), 0, 0, 16, 16, WHITENESS);
        button.m_bfState = nState;
        button.Draw(dc);
        ::GdiFlush();
        std::vector<COLORREF> pixels(pBits, pBits + 16 * 16);
        ::SelectObject(dc.GetSafeHdc(), hOld);
        ::DeleteObject(hDib);
        return pixels;
    };
    const auto plain = paint(0);
    const auto hover = paint(CExtBarNcAreaButton::kHover);
    const auto pressed = paint(CExtBarNcAreaButton::kHover | CExtBarNcAreaButton::kPressed);
    ASSERT_NE(hover, plain);
    ASSERT_NE(pressed, plain);
    pA->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    EXPECT_EQ(paint(CExtBarNcAreaButton::kHover), plain);
    EXPECT_EQ(paint(CExtBarNcAreaButton::kHover | CExtBarNcAreaButton::kPressed), plain);
    CExtPopupMenuWnd::CancelMenuTracking();
    EXPECT_EQ(paint(CExtBarNcAreaButton::kHover), hover);
}

TEST_F(BarsMenu, CaptionButtonsAnswerNoHitAndNoTipWhileAMenuTracks)
{
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    ASSERT_NE(pA, nullptr);
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    m_pFrame->RecalcLayout();
    CExtBarNcAreaButton* pClose = pA->NcButtonGet(0);
    ASSERT_NE(pClose, nullptr);
    ASSERT_FALSE(pClose->m_rc.IsRectEmpty());
    CRect rcWnd, rcClient;
    pA->GetWindowRect(&rcWnd);
    pA->GetClientRect(&rcClient);
    pA->ClientToScreen(&rcClient);
    const CPoint ptScreen = pClose->m_rc.CenterPoint() + rcWnd.TopLeft();
    const CPoint ptClient = ptScreen - rcClient.TopLeft();
    TOOLINFO ti = {};
    ti.cbSize = sizeof ti;
    ASSERT_NE(pA->NcButtonsHitTest(ptScreen), (UINT)HTCLIENT);
    const INT_PTR nTool = pA->OnToolHitTest(ptClient, &ti);
    ASSERT_NE(nTool, -1);
    if (ti.lpszText != nullptr && ti.lpszText != LPSTR_TEXTCALLBACK)
        free(ti.lpszText);

    pA->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    EXPECT_EQ(pA->NcButtonsHitTest(ptScreen), (UINT)HTCLIENT);
    EXPECT_EQ(pA->OnToolHitTest(ptClient, nullptr), -1);
    CExtPopupMenuWnd::CancelMenuTracking();

    CExtMenuKindOf::SetToolBarMenuTracking(true);
    EXPECT_EQ(pA->OnToolHitTest(ptClient, nullptr), -1);
    CExtMenuKindOf::SetToolBarMenuTracking(false);
    EXPECT_NE(pA->OnToolHitTest(ptClient, nullptr), -1);
}

TEST_F(BarsMenu, CaptionButtonsArmTheFlyByPromptUnlessAMenuTracks)
{
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    ASSERT_NE(pA, nullptr);
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    m_pFrame->RecalcLayout();
    pA->SetBarStyle(pA->GetBarStyle() | CBRS_FLYBY);
    CExtBarNcAreaButton* pClose = pA->NcButtonGet(0);
    ASSERT_NE(pClose, nullptr);
    CRect rcWnd;
    pA->GetWindowRect(&rcWnd);
    MSG msg = {};
    msg.hwnd = pA->GetSafeHwnd();
    msg.message = WM_NCMOUSEMOVE;
    msg.wParam = HTMINBUTTON;
    msg.pt = pClose->m_rc.CenterPoint() + rcWnd.TopLeft();
    // Over a menu: nothing is armed.
    pA->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    pA->PreTranslateMessage(&msg);
    EXPECT_FALSE(::KillTimer(pA->GetSafeHwnd(), 0xE000));
    CExtPopupMenuWnd::CancelMenuTracking();
    // Resting on the button arms the prompt's wait.
    pA->PreTranslateMessage(&msg);
    EXPECT_TRUE(::KillTimer(pA->GetSafeHwnd(), 0xE000));
}

TEST_F(BarsMenu, InHelpModeTheCaptionKeepsTheCursor)
{
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    ASSERT_NE(pA, nullptr);
    m_pFrame->RecalcLayout();
    CRect rcWnd, rcClient;
    pA->GetWindowRect(&rcWnd);
    pA->GetClientRect(&rcClient);
    pA->ClientToScreen(&rcClient);
    // A caption point away from the buttons, in client coordinates.
    const CRect& rcCaption = pA->GetCaptionRect();
    const CPoint ptClient =
        CPoint(rcCaption.left + 3, rcCaption.CenterPoint().y) + rcWnd.TopLeft() - rcClient.TopLeft();
    HCURSOR hHelp = ::LoadCursorW(nullptr, IDC_HELP);
    ::SetCursor(hHelp);
    m_pFrame->m_bHelpMode = TRUE;
    pA->UpdateCursorAt(ptClient);
    m_pFrame->m_bHelpMode = FALSE;
    EXPECT_EQ(::GetCursor(), hHelp);
    pA->UpdateCursorAt(ptClient);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_SIZEALL));
}

TEST_F(BarsMenu, ARightClickOnABarsMenuLeavesALeftPressOnTheBarWithoutEffect)
{
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    ASSERT_NE(pA, nullptr);
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    m_pFrame->RecalcLayout();
    pA->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    m_pFrame->m_wndView.SetFocus();
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    const HWND hFocus = ::GetFocus();
    ASSERT_EQ(hFocus, m_pFrame->m_wndView.GetSafeHwnd());
    // A release already queued ends a drag that the press might start.
    pA->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    pA->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    EXPECT_EQ(::GetFocus(), hFocus);
    EXPECT_NE(::GetCapture(), pA->GetSafeHwnd());
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, pA->GetSafeHwnd(), WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE));
    CExtPopupMenuWnd::CancelMenuTracking();
}
