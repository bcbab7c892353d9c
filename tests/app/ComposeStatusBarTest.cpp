// The compose window's status bar: the toolkit's themed bar made on creation, at the bottom with
// one "Ready" pane as wide as the client less 100 pixels (also after a resize), painted with its
// text, and covering none of the window's controls.
#include "ComposeTestSupport.h"
#include "toolkit/bars_tabs/ExtStatusControlBar.h"

using namespace composetest;

namespace
{
// The visible children other than the status bar that overlap it, by id.
std::vector<int> ControlsUnderTheBar(CDlgComposeSms& dlg)
{
    std::vector<int> ids;
    CRect rcBar;
    dlg.m_wndStatusBar.GetWindowRect(&rcBar);
    for (HWND hChild = ::GetWindow(dlg.m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (hChild == dlg.m_wndStatusBar.m_hWnd || !::IsWindowVisible(hChild))
            continue;
        CRect rc, rcCommon;
        ::GetWindowRect(hChild, &rc);
        if (rcCommon.IntersectRect(&rc, &rcBar))
            ids.push_back(::GetDlgCtrlID(hChild));
    }
    return ids;
}

void ExpectBarAtTheBottom(CDlgComposeSms& dlg)
{
    CRect rcClient, rcBar;
    dlg.GetClientRect(&rcClient);
    dlg.m_wndStatusBar.GetWindowRect(&rcBar);
    dlg.ScreenToClient(&rcBar);
    EXPECT_EQ(rcBar.bottom, rcClient.bottom);
    EXPECT_EQ(rcBar.left, 0);
    EXPECT_EQ(rcBar.right, rcClient.right);
    EXPECT_GT(rcBar.Height(), 10);
    UINT nID = 0, nStyle = 0;
    int cx = 0;
    dlg.m_wndStatusBar.GetPaneInfo(0, nID, nStyle, cx);
    EXPECT_EQ(nID, (UINT)IDS_COMPOSE_READY);
    EXPECT_EQ(cx, rcClient.Width() - 100);
}
} // namespace

TEST_F(ComposeTest, TheStatusBarIsTheThemedBarAtTheBottomWithOneReadyPane)
{
    Open(L"Baru", nullptr, 0, 0, 0);
    CExtStatusControlBar& bar = dlg->m_wndStatusBar;
    ASSERT_NE(bar.GetSafeHwnd(), nullptr);
    EXPECT_TRUE(bar.IsKindOf(RUNTIME_CLASS(CExtStatusControlBar)));
    EXPECT_EQ(bar.GetDlgCtrlID(), 0xE801);
    EXPECT_EQ(bar.GetCount(), 1);
    EXPECT_EQ(bar.GetPaneText(0), L"Ready");
    ExpectBarAtTheBottom(*dlg);
    EXPECT_EQ(ControlsUnderTheBar(*dlg), std::vector<int>());

    // Painted: the pane's text shows as dark pixels on the bar.
    CRect rcBar, rcPane;
    bar.GetClientRect(&rcBar);
    bar.GetItemRect(0, &rcPane);
    ASSERT_FALSE(rcPane.IsRectEmpty());
    DibCanvas canvas(rcBar.Width(), rcBar.Height(), RGB(1, 2, 3));
    bar.SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.dc.GetSafeHdc(), PRF_CLIENT | PRF_ERASEBKGND);
    EXPECT_EQ(canvas.Count(rcBar, RGB(1, 2, 3)), 0);
    int nDark = 0;
    for (int y = rcPane.top; y < rcPane.bottom; ++y)
        for (int x = rcPane.left; x < std::min(rcPane.left + 60, (LONG)rcBar.right); ++x)
        {
            const COLORREF c = canvas.At(x, y);
            nDark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
        }
    EXPECT_GT(nDark, 10);

    // Larger and smaller: the bar stays at the bottom, its pane follows the width.
    CRect rcWindow;
    dlg->GetWindowRect(&rcWindow);
    dlg->SetWindowPos(nullptr, 0, 0, rcWindow.Width() + 120, rcWindow.Height() + 80, SWP_NOMOVE | SWP_NOZORDER);
    ExpectBarAtTheBottom(*dlg);
    EXPECT_EQ(ControlsUnderTheBar(*dlg), std::vector<int>());
    dlg->SetWindowPos(nullptr, 0, 0, rcWindow.Width() + 40, rcWindow.Height() + 20, SWP_NOMOVE | SWP_NOZORDER);
    ExpectBarAtTheBottom(*dlg);
    EXPECT_EQ(ControlsUnderTheBar(*dlg), std::vector<int>());

    // Minimised: nothing is laid out; restored: the bar is where it was.
    dlg->ShowWindow(SW_MINIMIZE);
    dlg->ShowWindow(SW_RESTORE);
    ExpectBarAtTheBottom(*dlg);
}
