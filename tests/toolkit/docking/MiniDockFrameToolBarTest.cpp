// The floating frame of a real tool bar: its caption buttons (Close, the options button and its kind-10 menu) driven
// through the frame's own hit test and button release, and the tool tips of the caption buttons.
#include "DockingStateFixture.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtBarNcAreaButtonClose.h"
#include "toolkit/docking/ExtBarNcAreaButtonMenu.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
const UINT kToolBarId = 0xA1F0; // in the host's bar-toggle range
const UINT kCmdFirst = 0xB230;

class MiniDockToolBar : public DockingStateFixture
{
protected:
    void SetUp() override
    {
        DockingStateFixture::SetUp();
        for (UINT n = 0; n < 3; n++)
        {
            CExtCmdItem cmd(kCmdFirst + n);
            cmd.m_sMenuText = cmd.m_sToolbarText = cmd.m_sTipTool = L"Command";
            g_CmdManagerHolder->SetupCommand(kHostProfile, cmd, true);
        }
        m_pTools = new CExtToolControlBar;
        m_pFrame->m_arrBars.push_back(m_pTools);
        ASSERT_TRUE(m_pTools->Create(L"Buttons", m_pFrame, kToolBarId,
                                     WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS));
        for (UINT n = 0; n < 3; n++)
            ASSERT_TRUE(m_pTools->InsertButton(-1, kCmdFirst + n, false));
        m_pTools->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(m_pTools, AFX_IDW_DOCKBAR_TOP);
        // In front and settled: a late activation change would close the menus tracked here.
        ASSERT_TRUE(ShowInFront(m_pFrame));
        ASSERT_TRUE(m_pTools->FloatAtPoint(CPoint(360, 260)));
        m_pMini = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, m_pTools->GetParentFrame());
        ASSERT_NE(m_pMini, nullptr);
        // Timer 1 lays the caption buttons out.
        m_pMini->SendMessage(WM_TIMER, CExtMiniDockFrameWnd::kTimerLayoutButtons);
        PumpMessages();
    }
    void TearDown() override
    {
        CExtPopupMenuWnd::CancelMenuTracking();
        PumpMessages();
        DockingStateFixture::TearDown();
    }
    // The visible caption button of the class; null without one.
    CExtBarNcAreaButton* VisibleButton(CRuntimeClass* pClass) const
    {
        for (int i = 0; i < m_pTools->NcButtonGetCount(); i++)
        {
            CExtBarNcAreaButton* pBtn = m_pTools->NcButtonGet(i);
            if (pBtn->IsKindOf(pClass) && pBtn->IsVisible())
                return pBtn;
        }
        return nullptr;
    }
    int VisibleButtonCount() const
    {
        int n = 0;
        for (int i = 0; i < m_pTools->NcButtonGetCount(); i++)
            n += m_pTools->NcButtonGet(i)->IsVisible() ? 1 : 0;
        return n;
    }
    CPoint ScreenCentre(const CExtBarNcAreaButton* pBtn) const
    {
        return WindowRectOf(m_pMini).TopLeft() + pBtn->m_rc.CenterPoint();
    }
    // A click on the button as the frame sees it: the hit test over it, then the release.
    void Click(const CExtBarNcAreaButton* pBtn)
    {
        const CPoint pt = ScreenCentre(pBtn);
        const UINT nHit = (UINT)m_pMini->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
        m_pMini->SendMessage(WM_NCLBUTTONUP, nHit, MAKELPARAM(pt.x, pt.y));
    }
    static std::vector<int> TrackedIds()
    {
        std::vector<int> ids;
        CExtPopupMenuWnd* pTracked = g_TrackingSite.GetInstance();
        for (int i = 0; pTracked != nullptr && i < pTracked->GetItemCount(); ++i)
            ids.push_back(pTracked->ItemGetCmdID(i));
        return ids;
    }

    CExtToolControlBar* m_pTools = nullptr;
    CExtMiniDockFrameWnd* m_pMini = nullptr;
};
} // namespace

TEST_F(MiniDockToolBar, AFloatingToolBarShowsCloseAndTheOptionsButtonInTheFramesCaption)
{
    CExtBarNcAreaButton* pClose = VisibleButton(RUNTIME_CLASS(CExtBarNcAreaButtonClose));
    CExtBarNcAreaButton* pMenu = VisibleButton(RUNTIME_CLASS(CExtBarNcAreaButtonMenu));
    ASSERT_NE(pClose, nullptr);
    ASSERT_NE(pMenu, nullptr);
    EXPECT_EQ(VisibleButtonCount(), 2);
    // Both sit in the frame's caption, side by side, without overlapping.
    const CRect& rcCaption = m_pMini->GetCaptionRect();
    ASSERT_FALSE(rcCaption.IsRectEmpty());
    CRect rc;
    EXPECT_TRUE(rc.IntersectRect(&rcCaption, &pClose->m_rc) && rc == pClose->m_rc);
    EXPECT_TRUE(rc.IntersectRect(&rcCaption, &pMenu->m_rc) && rc == pMenu->m_rc);
    EXPECT_FALSE(rc.IntersectRect(&pClose->m_rc, &pMenu->m_rc));
    // The frame's hit test answers each button's own code and marks the hover.
    const CPoint pt = ScreenCentre(pMenu);
    EXPECT_EQ((UINT)m_pMini->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)), (UINT)HTMINBUTTON);
    EXPECT_NE(m_pTools->m_bfRuntimeState & CExtControlBar::kStateNcButtonHover, 0);
    const CPoint ptCaption(WindowRectOf(m_pMini).left + rcCaption.left + 4,
                           WindowRectOf(m_pMini).top + rcCaption.top + 4);
    m_pMini->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptCaption.x, ptCaption.y));
    EXPECT_EQ(m_pTools->m_bfRuntimeState & CExtControlBar::kStateNcButtonHover, 0);
}

TEST_F(MiniDockToolBar, TheCloseButtonHidesTheFloatingToolBarAndItsFrameAndTheToggleBringsThemBack)
{
    CExtBarNcAreaButton* pClose = VisibleButton(RUNTIME_CLASS(CExtBarNcAreaButtonClose));
    ASSERT_NE(pClose, nullptr);
    ASSERT_TRUE(m_pMini->IsWindowVisible());
    Click(pClose);
    PumpMessages();
    m_pFrame->RecalcLayout();
    EXPECT_FALSE(m_pTools->IsWindowVisible());
    EXPECT_FALSE(m_pMini->IsWindowVisible());
    EXPECT_TRUE(CExtControlBar::IsFloating(m_pTools));
    m_pFrame->SendMessage(WM_COMMAND, kToolBarId, 0);
    PumpMessages();
    EXPECT_TRUE(m_pTools->IsWindowVisible());
    EXPECT_TRUE(m_pMini->IsWindowVisible());
    EXPECT_EQ(m_pTools->GetParentFrame(), m_pMini);
}

TEST_F(MiniDockToolBar, TheOptionsButtonTracksTheKindTenMenuAndAFrameFillingItShowsOnlyItsItems)
{
    CExtBarNcAreaButton* pMenu = VisibleButton(RUNTIME_CLASS(CExtBarNcAreaButtonMenu));
    ASSERT_NE(pMenu, nullptr);
    // Filled by the toolkit: the bars sub-menu.
    m_pFrame->m_nLastPostKind = -1;
    Click(pMenu);
    PumpMessages();
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    EXPECT_EQ(m_pFrame->m_nLastPostKind, 10);
    CExtPopupMenuWnd* pTracked = g_TrackingSite.GetInstance();
    ASSERT_NE(pTracked, nullptr);
    ASSERT_EQ(pTracked->GetItemCount(), 1);
    EXPECT_NE(pTracked->ItemGetPopup(0), nullptr);
    CExtPopupMenuWnd::CancelMenuTracking();
    PumpMessages();

    // Filled by the frame: only the frame's item.
    m_pFrame->m_bFillBarsMenu = true;
    Click(pMenu);
    PumpMessages();
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    EXPECT_EQ(TrackedIds(), (std::vector<int>{0xB000}));
    CExtPopupMenuWnd::CancelMenuTracking();
    PumpMessages();
    EXPECT_TRUE(CExtControlBar::IsFloating(m_pTools));
    EXPECT_TRUE(m_pMini->IsWindowVisible());
}

TEST_F(MiniDockToolBar, TheFramesToolTipTakesTheCaptionButtonsTipOverTheButton)
{
    CExtBarNcAreaButton* pClose = VisibleButton(RUNTIME_CLASS(CExtBarNcAreaButtonClose));
    ASSERT_NE(pClose, nullptr);
    ASSERT_NE(m_pMini->m_wndToolTip.GetSafeHwnd(), nullptr);
    const int nBefore = m_pMini->m_wndToolTip.GetToolCount();
    CPoint pt = ScreenCentre(pClose);
    m_pMini->ScreenToClient(&pt);
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(m_pMini->OnToolHitTest(pt, &ti), -1);
    ASSERT_EQ(m_pMini->m_wndToolTip.GetToolCount(), nBefore + 1);

    wchar_t szText[128] = {};
    TOOLINFOW info = {};
    info.cbSize = sizeof(info);
    info.hwnd = m_pMini->GetSafeHwnd();
    info.uId = 1;
    info.lpszText = szText;
    ASSERT_TRUE(m_pMini->m_wndToolTip.SendMessage(TTM_GETTOOLINFOW, 0, (LPARAM)&info));
    EXPECT_STREQ(szText, L"Hide");
    // The tool covers the button, in the frame's client coordinates.
    CRect rcButton(pClose->m_rc);
    rcButton.OffsetRect(WindowRectOf(m_pMini).TopLeft() - ClientScreenRectOf(m_pMini).TopLeft());
    EXPECT_EQ(CRect(info.rect), rcButton);

    // Hit again, the frame keeps one tool.
    m_pMini->OnToolHitTest(pt, nullptr);
    m_pMini->OnToolHitTest(pt, nullptr);
    EXPECT_EQ(m_pMini->m_wndToolTip.GetToolCount(), nBefore + 1);
    // While a menu tracks the caption buttons give no tip.
    m_pMini->m_wndToolTip.DelTool(m_pMini, 1);
    m_pTools->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
    if (CExtPopupMenuWnd::IsMenuTracking())
    {
        m_pMini->OnToolHitTest(pt, nullptr);
        EXPECT_EQ(m_pMini->m_wndToolTip.GetToolCount(), nBefore);
        CExtPopupMenuWnd::CancelMenuTracking();
    }
}

TEST_F(MiniDockToolBar, OverAToolBarButtonTheFramesToolCoversThatButtonInTheFramesClientCoordinates)
{
    CRect rcButton;
    ASSERT_TRUE(m_pTools->GetButtonRect(1, rcButton));
    CPoint pt = rcButton.CenterPoint();
    m_pTools->ClientToScreen(&pt);
    m_pMini->ScreenToClient(&pt);
    m_pMini->OnToolHitTest(pt, nullptr);
    wchar_t szText[128] = {};
    TOOLINFOW info = {};
    info.cbSize = sizeof(info);
    info.hwnd = m_pMini->GetSafeHwnd();
    info.uId = 1;
    info.lpszText = szText;
    ASSERT_TRUE(m_pMini->m_wndToolTip.SendMessage(TTM_GETTOOLINFOW, 0, (LPARAM)&info));
    EXPECT_STREQ(szText, L"Command");
    ::MapWindowPoints(m_pTools->GetSafeHwnd(), m_pMini->GetSafeHwnd(), reinterpret_cast<POINT*>(&rcButton), 2);
    EXPECT_EQ(CRect(info.rect), rcButton);
    EXPECT_TRUE(CRect(info.rect).PtInRect(pt));
}

TEST_F(MiniDockToolBar, TheFloatingBarsOwnToolHitFindsTheCaptionButtonInItsFrame)
{
    CExtBarNcAreaButton* pClose = VisibleButton(RUNTIME_CLASS(CExtBarNcAreaButtonClose));
    ASSERT_NE(pClose, nullptr);
    // The button's centre in the bar's client coordinates (outside its client area, in the frame's caption).
    CPoint pt = ScreenCentre(pClose);
    m_pTools->ScreenToClient(&pt);
    EXPECT_EQ(m_pTools->CExtControlBar::OnToolHitTest(pt, nullptr), (INT_PTR)CExtBarNcAreaButtonClose::kTipTextID);
}
