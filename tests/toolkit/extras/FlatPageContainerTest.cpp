// The flat tab page container in the host's resizable dialog: its strip's styles and docking
// thickness, the first page shown, Ctrl+PageDown / Ctrl+PageUp stepping with real key input, in the
// outer container and in the nested plain one, and the nested container shown by a click on its page's tab.
#include "ExtrasTestSupport.h"
#include "toolkit/extras/ExtTabFlatWnd.h"
#include <memory>

using extrastest::PagesDialog;
using extrastest::PumpUntil;
using extrastest::SendKeys;

namespace
{

bool IsShown(HWND hWnd) { return (::GetWindowLongW(hWnd, GWL_STYLE) & WS_VISIBLE) != 0; }

// Focus into an edit of the dialog and wait until it has it.
void FocusEdit(HWND hEdit)
{
    ::SetFocus(hEdit);
    PumpUntil([hEdit] { return ::GetFocus() == hEdit; });
}

// Steps with real keys and answers the selection once they are handled.
int Step(CExtTabPageContainerWnd& box, bool bNext)
{
    SendKeys({VK_CONTROL, (WORD)(bNext ? VK_NEXT : VK_PRIOR)});
    return box.PageSelectionGet();
}

} // namespace

TEST(FlatPages, StripIsFlatWithItsStylesAndTakesSixteenPixelsAtTheBottom)
{
    extrashost::CExtrasPagesDialog* pDlg = PagesDialog();
    CExtTabWnd* pStrip = pDlg->m_wndPages.GetSafeTabWindow();
    ASSERT_NE(pStrip, nullptr);
    EXPECT_TRUE(pStrip->IsKindOf(RUNTIME_CLASS(CExtTabFlatWnd)));
    const DWORD dwStyle = pStrip->GetTabWndStyle();
    EXPECT_EQ(dwStyle & CExtTabWnd::kStyleFlat, (DWORD)CExtTabWnd::kStyleFlat);
    EXPECT_EQ(dwStyle & CExtTabWnd::kStyleAutoHideScroll, (DWORD)CExtTabWnd::kStyleAutoHideScroll);
    EXPECT_EQ(pStrip->OrientationGet(), (DWORD)CExtTabWnd::kOrientBottom);
    CRect rcBox, rcStrip, rcPage;
    pDlg->m_wndPages.GetClientRect(&rcBox);
    pStrip->GetWindowRect(&rcStrip);
    pDlg->m_wndPages.ScreenToClient(&rcStrip);
    EXPECT_EQ(rcStrip.Height(), 16);
    EXPECT_EQ(rcStrip.bottom, rcBox.bottom);
    ::GetWindowRect(pDlg->m_wndPages.PageGet(pDlg->m_wndPages.PageSelectionGet()), &rcPage);
    pDlg->m_wndPages.ScreenToClient(&rcPage);
    EXPECT_EQ(rcPage.bottom, rcStrip.top);
    // Resizing the dialog keeps the thickness.
    CRect rcDlg;
    pDlg->GetWindowRect(&rcDlg);
    pDlg->SetWindowPos(nullptr, 0, 0, rcDlg.Width() + 40, rcDlg.Height() + 30, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    pStrip->GetWindowRect(&rcStrip);
    EXPECT_EQ(rcStrip.Height(), 16);
    pDlg->SetWindowPos(nullptr, 0, 0, rcDlg.Width(), rcDlg.Height(), SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
}

TEST(FlatPages, FirstPageIsShownAndTheOthersHidden)
{
    extrashost::CExtrasPagesDialog* pDlg = PagesDialog();
    CExtTabPageContainerFlatWnd& box = pDlg->m_wndPages;
    ASSERT_EQ(box.PageGetCount(), 3);
    box.GetSafeTabWindow()->SelectionSet(0, true, true);
    EXPECT_EQ(box.PageSelectionGet(), 0);
    EXPECT_TRUE(IsShown(box.PageGet(0)));
    EXPECT_FALSE(IsShown(box.PageGet(1)));
    EXPECT_FALSE(IsShown(box.PageGet(2)));
    EXPECT_EQ(pDlg->m_wndNested.PageGetCount(), 2);
}

TEST(FlatPages, ScreenCtrlPageKeysStepAndWrap)
{
    extrashost::CExtrasPagesDialog* pDlg = PagesDialog();
    CExtTabPageContainerFlatWnd& box = pDlg->m_wndPages;
    box.GetSafeTabWindow()->SelectionSet(0, true, true);
    FocusEdit(pDlg->GetEdit(0));
    EXPECT_EQ(Step(box, true), 1);
    EXPECT_TRUE(IsShown(box.PageGet(1)));
    EXPECT_FALSE(IsShown(box.PageGet(0)));
    FocusEdit(pDlg->GetEdit(1));
    EXPECT_EQ(Step(box, true), 2);
    FocusEdit(pDlg->GetEdit(2));
    EXPECT_EQ(Step(box, true), 0); // wraps to the first
    FocusEdit(pDlg->GetEdit(0));
    EXPECT_EQ(Step(box, false), 2); // and back to the last
    FocusEdit(pDlg->GetEdit(2));
    EXPECT_EQ(Step(box, false), 1);
}

TEST(FlatPages, ScreenNestedContainerStepsItsOwnPages)
{
    extrashost::CExtrasPagesDialog* pDlg = PagesDialog();
    CExtTabPageContainerFlatWnd& box = pDlg->m_wndPages;
    CExtTabPageContainerWnd& nested = pDlg->m_wndNested;
    box.GetSafeTabWindow()->SelectionSet(2, true, true);
    nested.GetSafeTabWindow()->SelectionSet(0, true, true);
    PumpMessages();
    FocusEdit(pDlg->GetEdit(3));
    ASSERT_EQ(::GetFocus(), pDlg->GetEdit(3));
    EXPECT_EQ(Step(nested, true), 1);
    EXPECT_EQ(box.PageSelectionGet(), 2);
    FocusEdit(pDlg->GetEdit(4));
    EXPECT_EQ(Step(nested, true), 0); // wraps inside the nested container
    EXPECT_EQ(box.PageSelectionGet(), 2);
    // From the outer page's own edit the outer container steps.
    FocusEdit(pDlg->GetEdit(2));
    EXPECT_EQ(Step(box, true), 0);
    EXPECT_EQ(nested.PageSelectionGet(), 0);
}

namespace
{
// The client point at the middle of the strip's tab nIndex, found by its hit test; false when no point hits it.
bool TabPoint(CExtTabWnd& strip, int nIndex, CPoint& pt)
{
    CRect rc;
    strip.GetClientRect(&rc);
    for (int x = rc.left; x < rc.right; x++)
    {
        if (strip.ItemHitTest(CPoint(x, rc.CenterPoint().y)) != nIndex)
            continue;
        int xEnd = x;
        while (xEnd + 1 < rc.right && strip.ItemHitTest(CPoint(xEnd + 1, rc.CenterPoint().y)) == nIndex)
            xEnd++;
        pt = CPoint((x + xEnd) / 2, rc.CenterPoint().y);
        return true;
    }
    return false;
}

// The window's client pixels as its surface holds them now (pending paints done, nothing invalidated).
std::unique_ptr<DibCanvas> Surface(HWND hWnd)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return ReadClientSurface(hWnd);
}

// Pixels of the window's client area that differ between the screen now and a full repaint.
int StalePixels(HWND hWnd)
{
    PumpUntil([] { return HIWORD(::GetQueueStatus(QS_PAINT | QS_POSTMESSAGE | QS_TIMER)) == 0; });
    const std::unique_ptr<DibCanvas> now = Surface(hWnd);
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const std::unique_ptr<DibCanvas> fresh = Surface(hWnd);
    int n = 0;
    for (int y = 0; y < now->Height(); y++)
        for (int x = 0; x < now->Width(); x++)
            n += now->At(x, y) != fresh->At(x, y);
    return n;
}

} // namespace

TEST(FlatPages, ScreenANestedContainerShownByItsOuterTabShowsItsStripAndTakesAClickOnATab)
{
    // A dialog of its own: the nested container is built in the third page, hidden from the start.
    extrashost::CExtrasPagesDialog dlg;
    ASSERT_TRUE(dlg.CreateHost(nullptr, CRect(140, 140, 560, 460)));
    ::SetForegroundWindow(dlg.m_hWnd);
    ::SetActiveWindow(dlg.m_hWnd);
    SettleInput();
    CExtTabWnd* pOuter = dlg.m_wndPages.GetSafeTabWindow();
    CExtTabWnd* pNested = dlg.m_wndNested.GetSafeTabWindow();
    ASSERT_NE(pOuter, nullptr);
    ASSERT_NE(pNested, nullptr);
    ASSERT_EQ(dlg.m_wndPages.PageSelectionGet(), 0);
    CPoint pt;
    ASSERT_TRUE(TabPoint(*pOuter, 2, pt));
    extrastest::ClickAt(pOuter->m_hWnd, pt);
    ASSERT_TRUE(PumpUntil([&] { return dlg.m_wndPages.PageSelectionGet() == 2; }));
    ASSERT_TRUE(::IsWindowVisible(dlg.m_wndNested.m_hWnd));
    // The nested strip has its slice at the bottom of its container, and the first page fills the rest.
    EXPECT_TRUE(pNested->IsWindowVisible());
    CRect rcBox, rcStrip, rcPage;
    dlg.m_wndNested.GetClientRect(&rcBox);
    pNested->GetWindowRect(&rcStrip);
    dlg.m_wndNested.ScreenToClient(&rcStrip);
    EXPECT_GT(rcStrip.Height(), 0);
    EXPECT_EQ(rcStrip.bottom, rcBox.bottom);
    ::GetWindowRect(dlg.m_wndNested.PageGet(0), &rcPage);
    dlg.m_wndNested.ScreenToClient(&rcPage);
    EXPECT_EQ(rcPage.bottom, rcStrip.top);
    EXPECT_FALSE(pNested->GetItemsArea().IsRectEmpty());
    // What the screen shows is what a full repaint shows.
    EXPECT_EQ(StalePixels(dlg.m_hWnd), 0);
    // A click on "Port" selects it.
    ASSERT_TRUE(TabPoint(*pNested, 1, pt));
    extrastest::ClickAt(pNested->m_hWnd, pt);
    EXPECT_TRUE(PumpUntil([&] { return dlg.m_wndNested.PageSelectionGet() == 1; }));
    EXPECT_TRUE(::IsWindowVisible(dlg.m_wndNested.PageGet(1)));
    EXPECT_EQ(StalePixels(dlg.m_hWnd), 0);
    dlg.DestroyWindow();
}
