// Auto-hide areas and the slider: switching bars to auto-hide, sliding out and in, the close delay, resizing,
// caption buttons, groups in areas, the keyboard, the Z order, the hook's life and painting.
#include "DynTabsFixture.h"

namespace
{
class DynAutoHide : public DynTabsFixture
{};
} // namespace

TEST_F(DynAutoHide, SwitchAutoHideListsTheBarOnItsEdgesAreaAndHidesIt)
{
    EXPECT_FALSE(m_pLeft->IsWindowVisible());
    EXPECT_EQ(m_pLeft->GetTabWndStyle() & 0xFFFF, CExtTabWnd::kOrientLeft | 0xC080u);
    EXPECT_EQ(m_pRight->GetTabWndStyle() & 0xFFFF, CExtTabWnd::kOrientRight | 0xC080u);
    EXPECT_EQ(m_pTop->GetTabWndStyle() & 0xFFFF, CExtTabWnd::kOrientTop | 0xC080u);
    EXPECT_EQ(m_pBottom->GetTabWndStyle() & 0xFFFF, CExtTabWnd::kOrientBottom | 0xC080u);
    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
    Settle();
    EXPECT_TRUE(m_pA->IsAutoHideMode());
    EXPECT_FALSE(m_pA->IsWindowVisible());
    EXPECT_EQ(AreaBars(m_pLeft), (std::vector<CExtControlBar*>{m_pA}));
    EXPECT_TRUE(m_pLeft->ItemGet(0)->IsGroupStart());
    EXPECT_TRUE(m_pLeft->IsWindowVisible());
    int nIndex = -2;
    EXPECT_EQ(CExtDynAutoHideArea::FindAreaOfBar(m_pA, &nIndex), m_pLeft);
    EXPECT_EQ(nIndex, 0);
    EXPECT_EQ(CExtDynAutoHideArea::FindAreaOfBar(m_pC, &nIndex), nullptr);
    EXPECT_EQ(nIndex, -1);
    // The area takes its slice at the frame's left edge.
    const CRect rcArea = WindowRectOf(m_pLeft);
    EXPECT_EQ(rcArea.left, ClientScreenRectOf(m_pFrame).left);
    EXPECT_GT(rcArea.Width(), 10);
    // The last tab gone, the area hides.
    ASSERT_TRUE(m_pA->SwitchAutoHide(false, false, true, true));
    Settle();
    EXPECT_FALSE(m_pA->IsAutoHideMode());
    EXPECT_TRUE(m_pA->IsWindowVisible());
    EXPECT_EQ(m_pLeft->ItemGetCount(), 0);
    EXPECT_FALSE(m_pLeft->IsWindowVisible());
}

TEST_F(DynAutoHide, TheFourAreasKeepTheirSiblingOrderAfterTheRightDockBar)
{
    CExtDockBar* pRight = Outer(AFX_IDW_DOCKBAR_RIGHT);
    ASSERT_NE(pRight, nullptr);
    // Disturbed, then put back.
    m_pLeft->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_pTop->AdjustOrder();
    HWND h = pRight->GetSafeHwnd();
    for (CExtDynAutoHideArea* p : {m_pTop, m_pBottom, m_pLeft, m_pRight})
    {
        h = ::GetWindow(h, GW_HWNDNEXT);
        EXPECT_EQ(h, p->GetSafeHwnd());
    }
    // Every dock bar of an edge knows its area; a second set-up makes nothing new.
    EXPECT_EQ(Outer(AFX_IDW_DOCKBAR_LEFT)->GetAutoHideArea(), m_pLeft);
    EXPECT_EQ(Circle(1, AFX_IDW_DOCKBAR_LEFT)->GetAutoHideArea(), m_pLeft);
    EXPECT_TRUE(CExtDynAutoHideArea::CreateFrameAreas(m_pFrame));
    CExtDynAutoHideArea* pTop = nullptr;
    CExtDynAutoHideArea::FindFrameAreas(m_pA, &pTop, nullptr, nullptr, nullptr);
    EXPECT_EQ(pTop, m_pTop);
}

TEST_F(DynAutoHide, SelectingTheTabSlidesTheBarOutAgainstTheEdgeWithItsThicknessClamped)
{
    CExtDynAutoHideSlider::g_nAnimationSteps = 0;
    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
    Settle();
    const CRect rcFree = CExtDynAutoHideSlider::CalcFreeRect(m_pFrame);
    m_pA->m_sizeVertDocked.cx = 150;
    m_pLeft->SelectionSet(0, true, true);
    PumpMessages();
    ASSERT_TRUE(m_pSlider->IsShown());
    EXPECT_EQ(m_pSlider->GetBar(), m_pA);
    CRect rc = WindowRectOf(m_pSlider);
    m_pFrame->ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(rcFree.left, rcFree.top, rcFree.left + 150, rcFree.bottom));
    // The content window lives in the slider meanwhile.
    EXPECT_EQ(m_pA->m_wndChild.GetParent(), m_pSlider);
    EXPECT_TRUE(m_pA->m_wndChild.IsWindowVisible());
    m_pSlider->SlideRun(m_pA, false, false);
    EXPECT_FALSE(m_pSlider->IsShown());
    EXPECT_FALSE(m_pSlider->IsWindowVisible());
    EXPECT_EQ(m_pA->m_wndChild.GetParent(), m_pA);
    EXPECT_EQ(m_pLeft->SelectionGet(), -1);

    // Too thin a remembered thickness becomes 20; too thick one the free width.
    m_pA->m_sizeVertDocked.cx = 3;
    m_pSlider->SlideRun(m_pA, true, false);
    EXPECT_EQ(WindowRectOf(m_pSlider).Width(), 20);
    m_pSlider->SlideRun(m_pA, false, false);
    m_pA->m_sizeVertDocked.cx = 5000;
    m_pSlider->SlideRun(m_pA, true, false);
    EXPECT_EQ(WindowRectOf(m_pSlider).Width(), rcFree.Width());
    m_pSlider->SlideRun(m_pA, false, false);

    // A bar on the right slides against the right edge.
    ASSERT_TRUE(m_pC->SwitchAutoHide(true, false, true, true));
    Settle();
    const CRect rcFree2 = CExtDynAutoHideSlider::CalcFreeRect(m_pFrame);
    m_pC->m_sizeVertDocked.cx = 120;
    m_pSlider->SlideRun(m_pC, true, false);
    rc = WindowRectOf(m_pSlider);
    m_pFrame->ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(rcFree2.right - 120, rcFree2.top, rcFree2.right, rcFree2.bottom));
    m_pSlider->SlideRun(m_pC, false, false);
}

TEST_F(DynAutoHide, AFreeAreaUnderTwentyPixelsShowsNothing)
{
    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
    Settle();
    // The view pane squeezed to a sliver stands for the free area.
    m_pFrame->m_wndView.SetWindowPos(nullptr, 300, 100, 15, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pSlider->SlideRun(m_pA, true, false);
    EXPECT_FALSE(m_pSlider->IsShown());
    EXPECT_FALSE(m_pSlider->IsWindowVisible());
    EXPECT_EQ(m_pA->m_wndChild.GetParent(), m_pA);
}

namespace
{
// Records the sizes of one window's WM_WINDOWPOSCHANGED on this thread.
class CPosSpy
{
public:
    explicit CPosSpy(HWND hWnd)
    {
        s_hWnd = hWnd;
        s_sizes.clear();
        m_hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, Proc, nullptr, ::GetCurrentThreadId());
    }
    ~CPosSpy() { ::UnhookWindowsHookEx(m_hHook); }
    static inline std::vector<CSize> s_sizes;

private:
    static LRESULT CALLBACK Proc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* p = reinterpret_cast<CWPSTRUCT*>(lParam);
        if (nCode == HC_ACTION && p->hwnd == s_hWnd && p->message == WM_WINDOWPOSCHANGED)
        {
            const WINDOWPOS* pos = reinterpret_cast<WINDOWPOS*>(p->lParam);
            if ((pos->flags & SWP_NOSIZE) == 0)
                s_sizes.push_back(CSize(pos->cx, pos->cy));
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    HHOOK m_hHook;
    static inline HWND s_hWnd = nullptr;
};
} // namespace

TEST_F(DynAutoHide, TheAnimationsExtentsFollowMulDivOfTheFullExtentBySixths)
{
    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
    Settle();
    m_pA->m_sizeVertDocked.cx = 180;
    {
        CPosSpy spy(m_pSlider->GetSafeHwnd());
        m_pSlider->SlideRun(m_pA, true, true);
        std::vector<int> widths;
        for (const CSize& s : CPosSpy::s_sizes)
            widths.push_back(s.cx);
        EXPECT_EQ(widths, (std::vector<int>{0, 30, 60, 90, 120, 180}));
    }
    {
        CPosSpy spy(m_pSlider->GetSafeHwnd());
        m_pSlider->SlideRun(m_pA, false, true);
        std::vector<int> widths;
        for (const CSize& s : CPosSpy::s_sizes)
            widths.push_back(s.cx);
        EXPECT_EQ(widths, (std::vector<int>{120, 90, 60, 30, 0}));
    }
    EXPECT_FALSE(m_pSlider->IsShown());
}
