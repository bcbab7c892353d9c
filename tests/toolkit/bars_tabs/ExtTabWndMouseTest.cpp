// Tab window mouse handling: clicks, smooth scrolling by Previous and Next, hover selection, the
// tab-list popup's items and result, tips, and drag reordering with real input.
#include "TabTestSupport.h"
#include "tests/support/ReferenceTimer.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

using tabtest::CreateStrip;
using tabtest::HostFrame;
using tabtest::PumpFor;
using tabtest::PumpUntil;
using TII = CExtTabWnd::TAB_ITEM_INFO;

namespace
{

// Records the click results and opens the protected popup steps.
class CProbeTabs : public CExtTabWnd
{
public:
    std::vector<bool> m_itemResults;
    bool OnTabWndClickedItem(int nItemIndex, bool bPressed, int nMouseButton, UINT nFlags) override
    {
        const bool b = CExtTabWnd::OnTabWndClickedItem(nItemIndex, bPressed, nMouseButton, nFlags);
        m_itemResults.push_back(b);
        return b;
    }
    using CExtTabWnd::BuildTabListPopup;
    using CExtTabWnd::OnTabListCommand;
};

// Counts the moves dragging makes.
class CMoveCountingTabs : public CExtTabWnd
{
public:
    int m_nMoves = 0;
    void OnTabWndItemMoved(int nFrom, int nTo) override { ++m_nMoves; }
};

LPARAM At(const CPoint& pt) { return MAKELPARAM(pt.x, pt.y); }

// Resting on an item selects it after 200 ms.
const DWORD kStatedHoverSelectMs = 200;

CPoint ItemCentre(CExtTabWnd& tabs, int nIndex)
{
    CRect rc = tabs.ItemGet(nIndex)->m_rcItem;
    rc.OffsetRect(tabs.GetItemsArea().left - tabs.ScrollPosGet(), 0);
    return rc.CenterPoint();
}

CString TipText(CExtTabWnd& tabs)
{
    CToolTipCtrl* pTip = tabs.GetToolTip();
    if (pTip == nullptr)
        return L"<no tip control>";
    wchar_t buf[128] = {};
    TOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    ti.hwnd = tabs.m_hWnd;
    ti.uId = CExtTabWnd::kTipToolId;
    ti.lpszText = buf;
    if (!::SendMessageW(pTip->m_hWnd, TTM_GETTOOLINFOW, 0, (LPARAM)&ti))
        return CString();
    ti.lpszText = buf;
    ::SendMessageW(pTip->m_hWnd, TTM_GETTEXTW, 128, (LPARAM)&ti);
    return CString(buf);
}

void Fill(CExtTabWnd& tabs, int n)
{
    for (int i = 0; i < n; ++i)
    {
        CString s;
        s.Format(L"Tab %d", i);
        tabs.ItemInsert(s);
    }
    tabs.UpdateTabWnd(true);
}

} // namespace

TEST(TabMouse, ALeftClickSelectsAndARightPressSelectsAndIsPassedOn)
{
    HostFrame frame;
    CProbeTabs tabs;
    ASSERT_TRUE(CreateStrip(tabs, frame.Get(), CRect(0, 0, 400, 40), 0));
    Fill(tabs, 3);
    tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(ItemCentre(tabs, 1)));
    tabs.SendMessage(WM_LBUTTONUP, 0, At(ItemCentre(tabs, 1)));
    EXPECT_EQ(tabs.SelectionGet(), 1);
    tabs.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, At(ItemCentre(tabs, 2)));
    EXPECT_EQ(tabs.SelectionGet(), 2);
    tabs.SendMessage(WM_RBUTTONUP, 0, At(ItemCentre(tabs, 2)));
    ASSERT_EQ(tabs.m_itemResults.size(), 4u);
    EXPECT_TRUE(tabs.m_itemResults[0]);
    EXPECT_FALSE(tabs.m_itemResults[2]);
    EXPECT_EQ(CExtMouseCaptureSink::GetCaptureHWND(), nullptr);
}

TEST(TabMouse, NextScrollsTenPixelsATickAndStopsAtReleaseUnlessScrollingByPage)
{
    HostFrame frame;
    for (bool bByPage : {false, true})
    {
        CExtTabWnd tabs;
        ASSERT_TRUE(CreateStrip(tabs, frame.Get(), CRect(0, 0, 300, 40), bByPage ? CExtTabWnd::kStyleScrollByPage : 0));
        Fill(tabs, 40);
        ASSERT_GT(tabs.ScrollMaxGet(), tabs.GetItemsArea().Width());
        const CPoint ptNext = tabs.GetButtonRect(CExtTabWnd::kHitNext).CenterPoint();
        tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(ptNext));
        if (!bByPage)
        {
            // While held the strip scrolls in steps of 10 pixels.
            ASSERT_TRUE(PumpUntil([&] { return tabs.ScrollPosGet() >= 30; }));
            EXPECT_EQ(tabs.ScrollPosGet() % 10, 0);
        }
        tabs.SendMessage(WM_LBUTTONUP, 0, At(ptNext));
        const int nAtRelease = tabs.ScrollPosGet();
        if (bByPage)
        {
            // A page goes on after the release, and no further.
            ASSERT_TRUE(PumpUntil([&] { return tabs.ScrollPosGet() == tabs.GetItemsArea().Width(); }));
            PumpFor(60);
            EXPECT_EQ(tabs.ScrollPosGet(), tabs.GetItemsArea().Width());
        }
        else
        {
            // The release (handled within SendMessage) stops the steps: none comes in the time of several.
            PumpFor(150);
            EXPECT_EQ(tabs.ScrollPosGet(), nAtRelease);
        }
        tabs.DestroyWindow();
    }
}

TEST(TabMouse, TheTabListPopupListsHiddenItemsAndSelectsTheChosenIndex)
{
    HostFrame frame;
    CProbeTabs tabs;
    ASSERT_TRUE(CreateStrip(tabs, frame.Get(), CRect(0, 0, 400, 40),
                            CExtTabWnd::kStyleShowTabList | CExtTabWnd::kStyleEnabledTabList));
    Fill(tabs, 4);
    tabs.ItemGet(2)->ModifyItemStyle(0, TII::kHidden);
    tabs.SelectionSet(1);
    CExtPopupMenuWnd* pPopup = new CExtPopupMenuWnd;
    ASSERT_TRUE(pPopup->CreatePopupMenu(tabs.m_hWnd));
    tabs.BuildTabListPopup(*pPopup);
    ASSERT_EQ(pPopup->GetItemCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(pPopup->ItemGetCmdID(i), 65535 + i);
    EXPECT_EQ(pPopup->ItemGetText(2), CString(L"Tab 2"));
    delete pPopup;
    EXPECT_TRUE(tabs.OnTabListCommand(65535 + 2));
    EXPECT_EQ(tabs.SelectionGet(), 2);
    EXPECT_FALSE(tabs.OnTabListCommand(65535 + 4));
    EXPECT_FALSE(tabs.OnTabListCommand(3));
    EXPECT_EQ(tabs.SelectionGet(), 2);
}

TEST(TabMouseScreen, RestingTwoHundredMillisecondsSelectsAndLeavingEarlierDoesNot)
{
    HostFrame frame;
    CExtTabWnd tabs;
    ASSERT_TRUE(CreateStrip(tabs, frame.Get(), CRect(0, 0, 400, 40), CExtTabWnd::kStyleHoverFocus));
    Fill(tabs, 3);
    tabs.SelectionSet(0);
    // Leaving before the timer: the pointer is no longer on the item when it fires (and ends the wait).
    tabtest::MoveMouseTo(&tabs, ItemCentre(tabs, 1));
    tabs.SendMessage(WM_MOUSEMOVE, 0, At(ItemCentre(tabs, 1)));
    EXPECT_EQ(tabs.GetDelayedSelectIndex(), 1);
    tabtest::MoveMouseTo(&tabs, CPoint(390, 35));
    EXPECT_TRUE(PumpUntil([&] { return tabs.GetDelayedSelectIndex() == -1; }));
    EXPECT_EQ(tabs.SelectionGet(), 0);
    // Resting: selected after the period, counted from before the pointer came onto the item, and no later
    // than two ticks after the fourth of a reference timer of a quarter of it, started with the rest.
    CReferenceTimer ref;
    const DWORD dwOnto = ::GetTickCount();
    tabtest::MoveMouseTo(&tabs, ItemCentre(tabs, 2));
    tabs.SendMessage(WM_MOUSEMOVE, 0, At(ItemCentre(tabs, 2)));
    ref.Start(kStatedHoverSelectMs / 4, [&] { return tabs.SelectionGet() == 2 ? 1L : 0L; });
    PumpFor(100);
    const int nSelSoon = tabs.SelectionGet();
    if (::GetTickCount() - dwOnto < kStatedHoverSelectMs)
    {
        EXPECT_EQ(nSelSoon, 0);
    }
    ASSERT_TRUE(PumpUntil([&] { return tabs.SelectionGet() == 2; }));
    EXPECT_GE(::GetTickCount() - dwOnto, kStatedHoverSelectMs);
    ASSERT_TRUE(PumpUntil([&] { return ref.FirstTickReaching(1) > 0; }));
    EXPECT_LE(ref.FirstTickReaching(1), kQuarterTicksToAct);
}

TEST(TabMouseScreen, NarrowedItemsShowTheirTextAsTipAndScrollButtonsTheBuiltInTexts)
{
    HostFrame frame;
    CExtTabWnd tabs;
    ASSERT_TRUE(CreateStrip(tabs, frame.Get(), CRect(0, 0, 300, 40), CExtTabWnd::kStyleFit));
    for (int i = 0; i < 10; ++i)
        tabs.ItemInsert(i == 3 ? L"A rather long tab text" : L"Tab");
    tabs.UpdateTabWnd(true);
    ASSERT_NE(tabs.GetToolTip(), nullptr);
    ASSERT_TRUE(tabs.ItemGet(3)->IsNarrowed());
    tabtest::MoveMouseTo(&tabs, ItemCentre(tabs, 3));
    tabs.SendMessage(WM_MOUSEMOVE, 0, At(ItemCentre(tabs, 3)));
    EXPECT_EQ(TipText(tabs), CString(L"A rather long tab text"));
    tabs.DestroyWindow();

    CExtTabWnd scroll;
    ASSERT_TRUE(CreateStrip(scroll, frame.Get(), CRect(0, 0, 300, 40), 0));
    Fill(scroll, 30);
    for (LONG nCode : {CExtTabWnd::kHitPrev, CExtTabWnd::kHitNext})
    {
        const CPoint pt = scroll.GetButtonRect(nCode).CenterPoint();
        tabtest::MoveMouseTo(&scroll, pt);
        scroll.SendMessage(WM_MOUSEMOVE, 0, At(pt));
        EXPECT_EQ(scroll.GetHoverCode(), nCode);
        EXPECT_EQ(TipText(scroll), CString(nCode == CExtTabWnd::kHitPrev ? L"Previous" : L"Next"));
    }
}

TEST(TabMouseScreen, DraggingBackAndForthInsideTheLastSwapRectangleDoesNotSwapAgain)
{
    HostFrame frame;
    CMoveCountingTabs tabs;
    ASSERT_TRUE(CreateStrip(tabs, frame.Get(), CRect(0, 0, 500, 40), CExtTabWnd::kStyleItemDragging));
    tabs.ItemInsert(L"A", nullptr, false, 0, -1, 1);
    tabs.ItemInsert(L"A much wider tab", nullptr, false, 0, -1, 2);
    tabs.ItemInsert(L"C", nullptr, false, 0, -1, 3);
    tabs.UpdateTabWnd(true);
    CRect rcWide = tabs.ItemGet(1)->m_rcItem;
    rcWide.OffsetRect(tabs.GetItemsArea().left, 0);
    const int y = rcWide.CenterPoint().y;
    // The drag loop runs on this thread: the input comes from a script, each step sent once the loop waits for it
    // and handled before the next.
    std::vector<CPoint> path = {ItemCentre(tabs, 0), CPoint(rcWide.left + rcWide.Width() / 2, y),
                                CPoint(rcWide.left + 3, y), CPoint(rcWide.right - 3, y), CPoint(rcWide.left + 3, y)};
    for (CPoint& pt : path)
        tabs.ClientToScreen(&pt);
    bool bDraggingBeforeRelease = false;
    RunInputScript([&] {
        SendMouse(path[0].x, path[0].y, 0);
        SendMouse(path[0].x, path[0].y, MOUSEEVENTF_LEFTDOWN);
        for (size_t i = 1; i < path.size(); ++i)
        {
            EXPECT_TRUE(WaitForScriptThreadIdle());
            SendMouse(path[i].x, path[i].y, 0);
        }
        EXPECT_TRUE(WaitForScriptThreadIdle());
        bDraggingBeforeRelease = tabs.IsDragging();
        SendMouse(path.back().x, path.back().y, MOUSEEVENTF_LEFTUP);
    });
    EXPECT_TRUE(bDraggingBeforeRelease);
    EXPECT_TRUE(PumpUntil([&] { return !tabs.IsDragging(); }));
    EXPECT_FALSE(tabs.IsDragging());
    EXPECT_EQ(tabs.m_nMoves, 1);
    EXPECT_EQ(tabs.ItemGet(0)->m_lParam, 2);
    EXPECT_EQ(tabs.ItemGet(1)->m_lParam, 1);
    EXPECT_EQ(tabs.SelectionGet(), 1);
}

namespace
{

// A strip whose tool tip is not made (as when its creation fails).
class CNoTipTabs : public CExtTabWnd
{
public:
    bool OnTabWndToolTipQueryEnabled() const override { return false; }
};

} // namespace

TEST(TabMouse, WithoutAToolTipTheStripWorksWithoutTips)
{
    HostFrame frame;
    CNoTipTabs tabs;
    ASSERT_TRUE(CreateStrip(tabs, frame.Get(), CRect(0, 0, 200, 40), CExtTabWnd::kStyleFit));
    for (int i = 0; i < 10; ++i)
        tabs.ItemInsert(L"A long text");
    tabs.UpdateTabWnd(true);
    EXPECT_EQ(tabs.GetToolTip(), nullptr);
    ASSERT_TRUE(tabs.ItemGet(2)->IsNarrowed());
    tabs.SendMessage(WM_MOUSEMOVE, 0, At(ItemCentre(tabs, 2)));
    tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(ItemCentre(tabs, 2)));
    tabs.SendMessage(WM_LBUTTONUP, 0, At(ItemCentre(tabs, 2)));
    EXPECT_EQ(tabs.SelectionGet(), 2);
}

TEST(TabMouseScreen, TheTabListButtonTracksThePopupAndTheChosenItemIsSelected)
{
    HostFrame frame;
    CExtTabWnd tabs;
    ASSERT_TRUE(CreateStrip(tabs, frame.Get(), CRect(0, 0, 400, 40),
                            CExtTabWnd::kStyleShowTabList | CExtTabWnd::kStyleEnabledTabList |
                                CExtTabWnd::kStyleShowClose | CExtTabWnd::kStyleEnabledClose));
    Fill(tabs, 4);
    tabs.ItemGet(2)->ModifyItemStyle(0, TII::kHidden);
    tabs.SelectionSet(0);
    // Close and tab list show no tip.
    for (LONG nCode : {CExtTabWnd::kHitClose, CExtTabWnd::kHitTabList})
    {
        const CPoint pt = tabs.GetButtonRect(nCode).CenterPoint();
        tabtest::MoveMouseTo(&tabs, pt);
        tabs.SendMessage(WM_MOUSEMOVE, 0, At(pt));
        EXPECT_EQ(tabs.GetHoverCode(), nCode);
        EXPECT_EQ(TipText(tabs), CString());
    }
    // The popup runs its own loop, from the release: the keys come from a script once it is shown and done
    // opening, each sent once the loop waits for it and handled before the next.
    const CPoint pt = tabs.GetButtonRect(CExtTabWnd::kHitTabList).CenterPoint();
    tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(pt));
    bool bShown = false, bDone = false;
    RunInputScript([&] {
        ::PostMessageW(tabs.m_hWnd, WM_LBUTTONUP, 0, At(pt));
        bShown = WaitFor([] {
            CExtPopupMenuWnd* pPopup = g_TrackingSite.GetInstance();
            return CExtPopupMenuWnd::IsMenuTracking() && pPopup != nullptr &&
                   ::IsWindowVisible(pPopup->GetSafeHwnd()) && g_TrackingSite.GetAnimatingPopup() == nullptr;
        });
        const std::vector<WORD> keys =
            bShown ? std::vector<WORD>{VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN} : std::vector<WORD>{VK_ESCAPE};
        for (WORD vk : keys)
        {
            EXPECT_TRUE(WaitForScriptThreadIdle());
            SendKeyInput(vk, true);
            SendKeyInput(vk, false);
        }
        // The release's handler has returned: the popup's loop is over (else Escape ends it, not to hang).
        bDone = WaitFor([] { return !IsScriptThreadInNestedLoop(); });
        if (!bDone)
        {
            SendKeyInput(VK_ESCAPE, true);
            SendKeyInput(VK_ESCAPE, false);
        }
    });
    EXPECT_TRUE(bShown);
    EXPECT_TRUE(bDone);
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    // The hidden third tab is listed, so three steps down land on it.
    EXPECT_EQ(tabs.SelectionGet(), 2);
}
