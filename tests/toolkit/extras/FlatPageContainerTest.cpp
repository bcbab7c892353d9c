// The flat tab page container in the host's resizable dialog: its strip's styles and docking
// thickness, the first page shown, and Ctrl+PageDown / Ctrl+PageUp stepping with real key input,
// in the outer container and in the nested plain one.
#include "ExtrasTestSupport.h"
#include "toolkit/extras/ExtTabFlatWnd.h"

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
