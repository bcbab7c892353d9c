// MDI tab windows on the platform's MDI frame: following the children, activation, texts, the
// Close button, the context menu through the frame, the frame layout and the non-client frames, and the
// Whidbey strip's pixels.
#include "TabTestSupport.h"
#include "support/DibCanvas.h"
#include "toolkit/bars_tabs/ExtTabMdiWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

using tabtest::PumpUntil;

namespace
{

// Answers the strip's popup-menu events: fills the menu and closes it again shortly after.
class CTabsMdiFrame : public CMDIFrameWnd
{
public:
    std::vector<std::pair<int, bool>> m_events; // kind, post notification
    bool m_bAnswer = true;

protected:
    static void CALLBACK CancelMenu(HWND hWnd, UINT, UINT_PTR nID, DWORD)
    {
        ::KillTimer(hWnd, nID);
        CExtPopupMenuWnd::CancelMenuTracking();
    }
    LRESULT OnConstructPopupMenu(WPARAM wParam, LPARAM)
    {
        auto* pData = (CExtControlBar::POPUP_MENU_EVENT_DATA*)wParam;
        m_events.emplace_back((int)pData->m_nMsgID, (bool)pData->m_bPostNotification);
        if (pData->m_bPostNotification)
        {
            pData->m_pPopupMenuWnd->InsertItemWithIcon(1234, -1, L"Tutup", nullptr, CExtCmdIcon());
            ::SetTimer(m_hWnd, 77, 150, CancelMenu);
        }
        return m_bAnswer ? 1 : 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTabsMdiFrame, CMDIFrameWnd)
ON_REGISTERED_MESSAGE(CExtControlBar::g_nMsgConstructPopupMenu, OnConstructPopupMenu)
END_MESSAGE_MAP()

// One MDI frame serves every test (destroying a foreground frame costs Wine two seconds).
CTabsMdiFrame* Frame()
{
    static CTabsMdiFrame* s_pFrame = nullptr;
    if (s_pFrame == nullptr)
    {
        s_pFrame = new CTabsMdiFrame;
        EXPECT_TRUE(s_pFrame->CreateEx(0, nullptr, L"Induk", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 660, 40, 600, 480,
                                       nullptr, nullptr));
        s_pFrame->ShowWindow(SW_SHOW);
    }
    ::SetForegroundWindow(s_pFrame->m_hWnd);
    s_pFrame->m_events.clear();
    s_pFrame->m_bAnswer = true;
    return s_pFrame;
}

CMDIChildWnd* MakeChild(LPCTSTR lpszTitle)
{
    CMDIChildWnd* pChild = new CMDIChildWnd;
    if (!pChild->Create(nullptr, lpszTitle, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                        Frame()))
        return nullptr;
    return pChild;
}

// Counts the rescans that reach the strip (its timer or the message posted for one).
class CRescanCountingTabs : public CExtTabMdiWnd
{
public:
    int m_nRescans = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TIMER && wParam == CExtTabWnd::kTimerMdiSync)
            ++m_nRescans;
        return CExtTabMdiWnd::WindowProc(message, wParam, lParam);
    }
};

// A strip on the shared frame; its children are destroyed with the fixture.
class MdiTabs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = Frame();
        ASSERT_TRUE(m_tabs.Create(m_pFrame, CRect(0, 0, 0, 0), 0xE800,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                  CExtTabWnd::kStyleShowClose | CExtTabWnd::kStyleEnabledClose));
        // The rescan the creation starts its timer for has run.
        ASSERT_TRUE(PumpUntil([&] { return m_tabs.m_nRescans > 0; }));
    }
    void TearDown() override
    {
        while (HWND h = ::GetWindow(m_pFrame->m_hWndMDIClient, GW_CHILD))
            ::SendMessageW(m_pFrame->m_hWndMDIClient, WM_MDIDESTROY, (WPARAM)h, 0);
        m_tabs.DestroyWindow();
        PumpMessages();
    }
    HWND Tab(int n) { return n < m_tabs.ItemGetCount() ? (HWND)m_tabs.ItemGet(n)->m_lParam : nullptr; }

    // Pumps until a rescan after the nBefore-th has run.
    bool PumpUntilRescanned(int nBefore)
    {
        return PumpUntil([&] { return m_tabs.m_nRescans > nBefore; });
    }

    CTabsMdiFrame* m_pFrame = nullptr;
    CRescanCountingTabs m_tabs;
};

} // namespace

TEST_F(MdiTabs, ACreatedChildGetsATabAtTheNextRescanAndADestroyedOneLosesItAtOnce)
{
    EXPECT_EQ(m_tabs.GetMdiClient(), m_pFrame->m_hWndMDIClient);
    EXPECT_TRUE(m_tabs.IsMdiTabWindow());
    EXPECT_FALSE(m_tabs.IsWindowVisible());
    CMDIChildWnd* pA = MakeChild(L"Alpha");
    ASSERT_NE(pA, nullptr);
    EXPECT_EQ(m_tabs.ItemGetCount(), 0); // the rescan is posted
    ASSERT_TRUE(PumpUntil([&] { return m_tabs.ItemGetCount() == 1; }));
    EXPECT_EQ(Tab(0), pA->m_hWnd);
    EXPECT_EQ(m_tabs.SelectionGet(), 0);
    EXPECT_TRUE(m_tabs.IsWindowVisible());
    EXPECT_STREQ(m_tabs.ItemGet(0)->GetText(), L"Alpha");
    CMDIChildWnd* pB = MakeChild(L"Beta");
    ASSERT_TRUE(PumpUntil([&] { return m_tabs.ItemGetCount() == 2; }));
    EXPECT_EQ(Tab(1), pB->m_hWnd);
    EXPECT_EQ(m_tabs.SelectionGet(), 1);
    pB->MDIDestroy();
    EXPECT_EQ(m_tabs.ItemGetCount(), 1);
    EXPECT_EQ(Tab(0), pA->m_hWnd);
    pA->MDIDestroy();
    EXPECT_EQ(m_tabs.ItemGetCount(), 0);
    const int nRescans = m_tabs.m_nRescans;
    m_tabs.PostMessage(WM_TIMER, CExtTabWnd::kTimerMdiSync);
    EXPECT_TRUE(PumpUntilRescanned(nRescans));
    EXPECT_FALSE(m_tabs.IsWindowVisible());
}

TEST_F(MdiTabs, DestroyOrActivateOfAChildWithoutATabChangesNothing)
{
    CMDIChildWnd* pA = MakeChild(L"Alpha");
    ASSERT_TRUE(PumpUntil([&] { return m_tabs.ItemGetCount() == 1; }));
    // Created and activated, then destroyed, before the posted rescan.
    const int nRescans = m_tabs.m_nRescans;
    CMDIChildWnd* pB = MakeChild(L"Beta");
    EXPECT_EQ(m_tabs.ItemGetCount(), 1);
    EXPECT_EQ(m_tabs.SelectionGet(), 0);
    pB->MDIDestroy();
    EXPECT_EQ(m_tabs.ItemGetCount(), 1);
    EXPECT_EQ(Tab(0), pA->m_hWnd);
    EXPECT_TRUE(PumpUntilRescanned(nRescans));
    EXPECT_EQ(m_tabs.ItemGetCount(), 1);
    EXPECT_EQ(m_tabs.SelectionGet(), 0);
}

TEST_F(MdiTabs, WithoutAnActiveChildTheRescanStillDropsStaleTabsAndHidesTheStrip)
{
    CMDIChildWnd* pA = MakeChild(L"Alpha");
    ASSERT_TRUE(PumpUntil([&] { return m_tabs.ItemGetCount() == 1; }));
    ASSERT_TRUE(m_tabs.IsWindowVisible());
    // Gone without the MDI client's destroy message: the tab is stale and no child is active.
    ::DestroyWindow(pA->m_hWnd);
    EXPECT_EQ(m_tabs.ItemGetCount(), 1);
    m_tabs.SyncMdiItems();
    EXPECT_EQ(m_tabs.ItemGetCount(), 0);
    EXPECT_FALSE(m_tabs.IsWindowVisible());
}

TEST_F(MdiTabs, SelectingATabActivatesItsChildAndAFrameChildShowsTitleAndWindowNumber)
{
    CMDIChildWnd* pA = MakeChild(L"Alpha");
    ASSERT_TRUE(PumpUntil([&] { return m_tabs.ItemGetCount() == 1; }));
    CMDIChildWnd* pB = MakeChild(L"Beta");
    ASSERT_TRUE(PumpUntil([&] { return m_tabs.ItemGetCount() == 2; }));
    m_tabs.SelectionSet(0, true, true);
    EXPECT_EQ(m_pFrame->MDIGetActive(), pA);
    m_tabs.SelectionSet(1, true, true);
    EXPECT_EQ(m_pFrame->MDIGetActive(), pB);
    pA->SetTitle(L"Doc");
    pA->m_nWindow = 2;
    EXPECT_STREQ(m_tabs.ItemGet(0)->GetText(), L"Doc:2");
    pA->m_nWindow = 0;
    EXPECT_STREQ(m_tabs.ItemGet(0)->GetText(), L"Doc");
}

TEST_F(MdiTabs, ClosePostsCloseToTheActiveChild)
{
    MakeChild(L"Alpha");
    CMDIChildWnd* pB = MakeChild(L"Beta");
    const HWND hB = pB->m_hWnd;
    ASSERT_TRUE(PumpUntil([&] { return m_tabs.ItemGetCount() == 2; }));
    m_pFrame->RecalcLayout();
    m_tabs.UpdateTabWnd(true);
    ASSERT_TRUE(m_tabs.IsButtonShown(CExtTabWnd::kHitClose));
    const CPoint pt = m_tabs.GetButtonRect(CExtTabWnd::kHitClose).CenterPoint();
    m_tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    m_tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_TRUE(::IsWindow(hB)); // posted, not sent
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hB); }));
    EXPECT_EQ(m_tabs.ItemGetCount(), 1);
}

TEST_F(MdiTabs, ARightClickSelectsTheTabAndOffersTheFrameTheContextMenu)
{
    MakeChild(L"Alpha");
    ASSERT_TRUE(PumpUntil([&] { return m_tabs.ItemGetCount() == 1; }));
    MakeChild(L"Beta");
    ASSERT_TRUE(PumpUntil([&] { return m_tabs.ItemGetCount() == 2; }));
    m_pFrame->RecalcLayout();
    m_tabs.UpdateTabWnd(true);
    CRect rc0 = m_tabs.ItemGet(0)->m_rcItem;
    rc0.OffsetRect(m_tabs.GetItemsArea().left, 0);
    CPoint pt = rc0.CenterPoint();
    // The right press alone does not select through the click handling.
    m_tabs.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(m_tabs.SelectionGet(), 1);
    m_tabs.ClientToScreen(&pt);
    m_tabs.SendMessage(WM_CONTEXTMENU, (WPARAM)m_tabs.m_hWnd, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(m_tabs.SelectionGet(), 0);
    ASSERT_EQ(m_pFrame->m_events.size(), 2u);
    EXPECT_EQ(m_pFrame->m_events[0], std::make_pair(7, false));
    EXPECT_EQ(m_pFrame->m_events[1], std::make_pair(7, true));
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    // A frame that does not answer gets no second notification.
    m_pFrame->m_events.clear();
    m_pFrame->m_bAnswer = false;
    m_tabs.SendMessage(WM_CONTEXTMENU, (WPARAM)m_tabs.m_hWnd, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(m_pFrame->m_events.size(), 1u);
}

TEST_F(MdiTabs, TheStripIsLeftOutOfTheFramesRepositionQueryAndHasAFrameOnThreeSides)
{
    MakeChild(L"Alpha");
    ASSERT_TRUE(PumpUntil([&] { return m_tabs.ItemGetCount() == 1; }));
    CRect rcParam(0, 0, 0, 0);
    CExtControlBar::QUERY_REPOSITION_CALC_EFFECT_DATA data(1, m_pFrame, 0, 0xFFFF, AFX_IDW_PANE_FIRST, &rcParam,
                                                           nullptr, true);
    m_tabs.SendMessage(CExtControlBar::g_nMsgQueryRepositionCalcEffect, (WPARAM)&data);
    EXPECT_TRUE(data.IsExcludedFromCalc());
    CExtTabWnd plain;
    CExtControlBar::QUERY_REPOSITION_CALC_EFFECT_DATA data2(1, m_pFrame, 0, 0xFFFF, AFX_IDW_PANE_FIRST, &rcParam,
                                                            nullptr, true);
    ASSERT_TRUE(plain.Create(m_pFrame, CRect(0, 0, 10, 10), 0xE801, WS_CHILD));
    plain.SendMessage(CExtControlBar::g_nMsgQueryRepositionCalcEffect, (WPARAM)&data2);
    EXPECT_FALSE(data2.IsExcludedFromCalc());
    plain.DestroyWindow();

    m_pFrame->RecalcLayout();
    CRect rcWnd, rcClient;
    m_tabs.GetWindowRect(&rcWnd);
    m_tabs.GetClientRect(&rcClient);
    m_tabs.ClientToScreen(&rcClient);
    EXPECT_EQ(rcClient.left - rcWnd.left, 2);
    EXPECT_EQ(rcWnd.right - rcClient.right, 2);
    EXPECT_EQ(rcClient.top - rcWnd.top, 2);
    EXPECT_EQ(rcWnd.bottom - rcClient.bottom, 0);
    // The strip lies above the MDI client.
    CRect rcMdi;
    ::GetWindowRect(m_pFrame->m_hWndMDIClient, &rcMdi);
    EXPECT_GE(rcMdi.top, rcWnd.bottom);
}

TEST(MdiTabsOneNote, TheMdiClientMarginHasTheSelectedTabsDarkColour)
{
    CTabsMdiFrame* pFrame = Frame();
    const int nOld = CExtPaintManager::GetBitsPerPixelOverride();
    CExtPaintManager::SetBitsPerPixelOverride(32);
    {
        CExtTabMdiOneNoteWnd tabs;
        ASSERT_TRUE(tabs.Create(pFrame, CRect(0, 0, 0, 0), 0xE800));
        CMDIChildWnd* pA = MakeChild(L"Alpha");
        ASSERT_TRUE(PumpUntil([&] { return tabs.ItemGetCount() == 1; }));
        pFrame->RecalcLayout();
        tabs.UpdateMdiClientMargins();
        EXPECT_EQ(tabs.GetMdiClientMargins(), CRect(2, 0, 2, 2));
        // The client's area shrinks by the margin and the 2-pixel edge.
        CRect rcWnd, rcClient;
        ::GetWindowRect(pFrame->m_hWndMDIClient, &rcWnd);
        ::GetClientRect(pFrame->m_hWndMDIClient, &rcClient);
        EXPECT_GE(rcWnd.Width() - rcClient.Width(), 2 + 2 + 4);
        DibCanvas c(200, 100, RGB(1, 2, 3));
        tabs.PaintMdiClientFrame(c.dc, CRect(0, 0, 200, 100));
        EXPECT_EQ(c.At(0, 50), (COLORREF)0xE4A88A);
        EXPECT_EQ(c.At(100, 99), (COLORREF)0xE4A88A);
        EXPECT_NE(c.At(100, 0), (COLORREF)0xE4A88A);
        pA->MDIDestroy();
        tabs.DestroyWindow();
    }
    CExtPaintManager::SetBitsPerPixelOverride(nOld);
}

namespace
{
// The strip's client painted into a DIB; nSel and nOther the items whose interiors are counted.
struct WhidbeyPixels
{
    int nSelWindow = 0;   // COLOR_WINDOW pixels inside the selected tab
    int nOtherWindow = 0; // COLOR_WINDOW pixels inside the other tab
    COLORREF clrPast = 0; // the strip beside the last tab
    COLORREF clrEdge = 0; // the line along the items' edge, beside the last tab
};

WhidbeyPixels PaintWhidbey(CExtTabMdiWhidbeyWnd& tabs, int nSel, int nOther)
{
    tabs.UpdateTabWnd(true);
    CRect rcClient;
    tabs.GetClientRect(&rcClient);
    DibCanvas c(rcClient.Width(), rcClient.Height(), RGB(1, 2, 3));
    tabs.PrintClient(&c.dc, PRF_CLIENT);
    const COLORREF clrWindow = g_PaintManagerHolder->GetTranslatedColor(COLOR_WINDOW, &tabs);
    const CRect rcItems = tabs.GetItemsArea();
    auto itemRect = [&](int n) {
        CRect rc = tabs.ItemGet(n)->m_rcItem;
        rc.OffsetRect(rcItems.left, 0);
        return rc;
    };
    WhidbeyPixels px;
    px.nSelWindow = c.Count(itemRect(nSel), clrWindow);
    px.nOtherWindow = c.Count(itemRect(nOther), clrWindow);
    const int xPast = itemRect(tabs.ItemGetCount() - 1).right + 20;
    px.clrPast = c.At(xPast, rcItems.top + 5);
    px.clrEdge = c.At(xPast, rcItems.top - 1);
    return px;
}
} // namespace

TEST(MdiTabsWhidbey, TheStripPaintsItsChildrensTabsInTheWhidbeyColoursAndFollowsTheActiveChild)
{
    CTabsMdiFrame* pFrame = Frame();
    CExtTabMdiWhidbeyWnd tabs;
    ASSERT_TRUE(tabs.Create(pFrame, CRect(0, 0, 0, 0), 0xE800));
    EXPECT_TRUE(tabs.IsKindOf(RUNTIME_CLASS(CExtTabWhidbeyWnd)));
    CMDIChildWnd* pA = MakeChild(L"Alpha");
    CMDIChildWnd* pB = MakeChild(L"Beta");
    ASSERT_TRUE(PumpUntil([&] { return tabs.ItemGetCount() == 2; }));
    auto tabOf = [&](CWnd* pChild) {
        for (int i = 0; i < tabs.ItemGetCount(); ++i)
            if ((HWND)tabs.ItemGet(i)->m_lParam == pChild->GetSafeHwnd())
                return i;
        return -1;
    };
    const int nA = tabOf(pA), nB = tabOf(pB);
    ASSERT_TRUE(nA >= 0 && nB >= 0);
    pFrame->MDIActivate(pB);
    ASSERT_TRUE(PumpUntil([&] { return tabs.SelectionGet() == nB; }));
    pFrame->RecalcLayout();
    const COLORREF clrWindow = g_PaintManagerHolder->GetTranslatedColor(COLOR_WINDOW, &tabs);
    const COLORREF clrLight = g_PaintManagerHolder->GetTranslatedColor(COLOR_3DLIGHT, &tabs);
    ASSERT_NE(clrWindow, clrLight);
    // The selected (active) child's tab is filled with the window colour, the other with the strip's.
    WhidbeyPixels px = PaintWhidbey(tabs, nB, nA);
    const int nArea = tabs.ItemGet(nB)->m_rcItem.Width() * tabs.ItemGet(nB)->m_rcItem.Height();
    EXPECT_GT(px.nSelWindow, nArea / 3);
    EXPECT_EQ(px.nOtherWindow, 0);
    EXPECT_EQ(px.clrPast, clrLight);
    EXPECT_EQ(px.clrEdge, g_PaintManagerHolder->GetTranslatedColor(COLOR_3DSHADOW, &tabs));
    // Activating the other child moves the selection and the look with it.
    pFrame->MDIActivate(pA);
    ASSERT_TRUE(PumpUntil([&] { return tabs.SelectionGet() == nA; }));
    px = PaintWhidbey(tabs, nA, nB);
    EXPECT_GT(px.nSelWindow, nArea / 4);
    EXPECT_EQ(px.nOtherWindow, 0);
    pA->MDIDestroy();
    pB->MDIDestroy();
    tabs.DestroyWindow();
}
