// The flat MDI tab window on the host's MDI frame: hidden without children, one flat tab per child,
// activation by a tab click, the Close button, its 16 pixels of the frame's layout, and the hover letting the
// mouse go once the frame is inactive.
#include "ExtrasTestSupport.h"

using extrastest::ClickAt;
using extrastest::MdiFrame;
using extrastest::PumpUntil;

namespace
{

// The host frame with no MDI children left.
extrashost::CExtrasMdiFrame* EmptyFrame()
{
    extrashost::CExtrasMdiFrame* pFrame = MdiFrame();
    for (int i = 0; i < 20 && pFrame->MDIGetActive() != nullptr; ++i)
    {
        pFrame->MDIGetActive()->MDIDestroy();
        PumpMessages();
    }
    CExtTabMdiFlatWnd& tabs = pFrame->m_wndMdiTabs;
    tabs.PostMessage(WM_TIMER, CExtTabWnd::kTimerMdiSync);
    EXPECT_TRUE(PumpUntil([&] { return tabs.ItemGetCount() == 0 && !tabs.IsWindowVisible(); }));
    return pFrame;
}

CRect ItemRectInClient(CExtTabWnd& wnd, int nIndex)
{
    CRect rc = wnd.ItemGet(nIndex)->m_rcItem;
    rc.OffsetRect(wnd.GetItemsArea().left - wnd.ScrollPosGet(), 0);
    return rc;
}

} // namespace

TEST(FlatMdiTabs, HiddenWithoutChildrenAndOneTabForTheFirstChild)
{
    extrashost::CExtrasMdiFrame* pFrame = EmptyFrame();
    CExtTabMdiFlatWnd& tabs = pFrame->m_wndMdiTabs;
    EXPECT_TRUE(tabs.IsKindOf(RUNTIME_CLASS(CExtTabMdiFlatWnd)));
    EXPECT_TRUE(tabs.IsKindOf(RUNTIME_CLASS(CExtTabFlatWnd)));
    EXPECT_EQ(tabs.ItemGetCount(), 0);
    EXPECT_FALSE(tabs.IsWindowVisible());
    CMDIChildWnd* pChild = pFrame->NewChild(L"Kotak masuk");
    ASSERT_NE(pChild, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return tabs.ItemGetCount() == 1 && tabs.IsWindowVisible(); }));
    EXPECT_EQ(tabs.ItemGet(0)->m_lParam, (LPARAM)pChild->m_hWnd);
    EXPECT_STREQ(tabs.ItemGet(0)->GetText(), L"Kotak masuk");
    pChild->MDIDestroy();
    EXPECT_EQ(tabs.ItemGetCount(), 0);
    // The next rescan hides the strip again.
    tabs.PostMessage(WM_TIMER, CExtTabWnd::kTimerMdiSync);
    ASSERT_TRUE(PumpUntil([&] { return !tabs.IsWindowVisible(); }));
}

TEST(FlatMdiTabs, StripTakesSixteenPixelsOfTheFrameLayoutWithNoFrameTowardsTheClient)
{
    extrashost::CExtrasMdiFrame* pFrame = EmptyFrame();
    CExtTabMdiFlatWnd& tabs = pFrame->m_wndMdiTabs;
    pFrame->NewChild(L"Terkirim");
    ASSERT_TRUE(PumpUntil([&] { return tabs.IsWindowVisible() != FALSE; }));
    pFrame->RecalcLayout();
    PumpMessages();
    CRect rcStrip, rcClient, rcStripClient;
    tabs.GetWindowRect(&rcStrip);
    ::GetWindowRect(pFrame->m_hWndMDIClient, &rcClient);
    EXPECT_EQ(rcStrip.Height(), 16);
    EXPECT_EQ(rcClient.top, rcStrip.bottom);
    // The 2-pixel frame on the three outer sides only.
    tabs.GetClientRect(&rcStripClient);
    tabs.ClientToScreen(&rcStripClient);
    EXPECT_EQ(rcStripClient.top - rcStrip.top, 2);
    EXPECT_EQ(rcStripClient.left - rcStrip.left, 2);
    EXPECT_EQ(rcStrip.bottom - rcStripClient.bottom, 0);
}

TEST(FlatMdiTabs, ScreenTabClickActivatesItsChildAndCloseClosesTheSelected)
{
    extrashost::CExtrasMdiFrame* pFrame = EmptyFrame();
    CExtTabMdiFlatWnd& tabs = pFrame->m_wndMdiTabs;
    CMDIChildWnd* pFirst = pFrame->NewChild(L"Satu");
    CMDIChildWnd* pSecond = pFrame->NewChild(L"Dua");
    ASSERT_NE(pFirst, nullptr);
    ASSERT_NE(pSecond, nullptr);
    const HWND hFirst = pFirst->m_hWnd, hSecond = pSecond->m_hWnd;
    ASSERT_TRUE(PumpUntil([&] { return tabs.ItemGetCount() == 2; }));
    pFrame->RecalcLayout();
    PumpMessages();
    ASSERT_EQ(pFrame->MDIGetActive()->m_hWnd, hSecond);
    const int nFirst = tabs.FindItemByChild(hFirst);
    ASSERT_GE(nFirst, 0);
    ClickAt(tabs.m_hWnd, ItemRectInClient(tabs, nFirst).CenterPoint());
    ASSERT_TRUE(
        PumpUntil([&] { return pFrame->MDIGetActive() != nullptr && pFrame->MDIGetActive()->m_hWnd == hFirst; }));
    EXPECT_EQ(tabs.SelectionGet(), nFirst);
    // Close (-7) closes the selected child only.
    ASSERT_TRUE(tabs.IsButtonShown(CExtTabWnd::kHitClose));
    ClickAt(tabs.m_hWnd, tabs.GetButtonRect(CExtTabWnd::kHitClose).CenterPoint());
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hFirst); }));
    EXPECT_TRUE(::IsWindow(hSecond));
    ASSERT_TRUE(PumpUntil([&] { return tabs.ItemGetCount() == 1; }));
    EXPECT_EQ(tabs.ItemGet(0)->m_lParam, (LPARAM)hSecond);
    pSecond->MDIDestroy();
    PumpMessages();
}

TEST(FlatMdiTabs, ScreenAHoveredTabLetsTheMouseGoOnceItsFrameIsNoLongerActive)
{
    extrashost::CExtrasMdiFrame* pFrame = EmptyFrame();
    CExtTabMdiFlatWnd& tabs = pFrame->m_wndMdiTabs;
    CMDIChildWnd* pChild = pFrame->NewChild(L"Satu");
    ASSERT_NE(pChild, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return tabs.ItemGetCount() == 1 && tabs.IsWindowVisible(); }));
    pFrame->RecalcLayout();
    PumpMessages();
    // Hovering the tab of the active frame holds the mouse for the strip.
    extrastest::MoveMouseTo(tabs.m_hWnd, ItemRectInClient(tabs, 0).CenterPoint());
    ASSERT_TRUE(PumpUntil([&] { return ::GetCapture() == tabs.m_hWnd; }));
    // Another window becomes active; the next move over it leaves the strip without the mouse.
    CFrameWnd* pOther = extrastest::PlainFrame();
    ASSERT_NE(::GetActiveWindow(), pFrame->m_hWnd);
    extrastest::MoveMouseTo(pOther->m_hWnd, CPoint(300, 300));
    EXPECT_TRUE(PumpUntil([&] { return ::GetCapture() != tabs.m_hWnd; }));
    pChild->MDIDestroy();
    PumpMessages();
}
