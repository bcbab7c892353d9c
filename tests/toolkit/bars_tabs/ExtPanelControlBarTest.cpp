// The panel bar on the shown docking host: sizes from the margins and the child, the child's place, no buttons,
// focus and the background colour.
#include "DynTabsFixture.h"
#include "toolkit/bars_tabs/ExtPanelControlBar.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

namespace
{
const UINT kPanelId = 0xA1F1;

class PanelBar : public DynTabsFixture
{
protected:
    CExtPanelControlBar* NewPanel(bool bWithChild)
    {
        auto* pPanel = new CExtPanelControlBar;
        m_pFrame->m_arrBars.push_back(pPanel);
        if (!pPanel->Create(L"Panel", m_pFrame, kPanelId, WS_CHILD | WS_VISIBLE | CBRS_TOP))
            return nullptr;
        if (bWithChild && !m_wndEdit.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"panel", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20,
                                              pPanel->GetSafeHwnd(), (HMENU)(UINT_PTR)1, nullptr))
            return nullptr;
        pPanel->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(pPanel, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
        PumpMessages();
        return pPanel;
    }
    CRect ChildInBar(CExtPanelControlBar* pPanel)
    {
        CRect rc = WindowRectOf(&m_wndEdit);
        pPanel->ScreenToClient(&rc);
        return rc;
    }
    CWnd m_wndEdit;
};
} // namespace

TEST_F(PanelBar, WithoutAChildItIsTenByTenPlusTheDockedExtra)
{
    CExtPanelControlBar* pPanel = NewPanel(false);
    ASSERT_NE(pPanel, nullptr);
    EXPECT_EQ(pPanel->GetChildSize(), CSize(0, 0));
    for (int nKind = 0; nKind < 3; ++nKind)
        EXPECT_EQ(pPanel->GetPanelSize(nKind), CSize(10, 10));
    EXPECT_EQ(pPanel->CalcMinWidth(), 10);
    EXPECT_EQ(pPanel->CalcMinHeight(), 10);
    // Docked without a gripper: 2 more on each axis.
    EXPECT_EQ(pPanel->CalcFixedLayout(TRUE, TRUE), CSize(12, 12));
    EXPECT_EQ(pPanel->HitTestItem(CPoint(3, 3)), -1);
}

TEST_F(PanelBar, TheChildStaysAtFiveFiveWithItsSizeAndTakesTheFocus)
{
    CExtPanelControlBar* pPanel = NewPanel(true);
    ASSERT_NE(pPanel, nullptr);
    EXPECT_EQ(pPanel->GetPanelSize(1), CSize(90, 30));
    EXPECT_EQ(ChildInBar(pPanel), CRect(5, 5, 85, 25));
    CRect rc = WindowRectOf(pPanel);
    m_pFrame->ScreenToClient(&rc);
    pPanel->SetWindowPos(nullptr, rc.left + 30, rc.top + 4, rc.Width() + 40, rc.Height() + 10,
                         SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(ChildInBar(pPanel), CRect(5, 5, 85, 25));
    m_wndEdit.SetWindowPos(nullptr, 20, 12, 80, 20, SWP_NOZORDER | SWP_NOACTIVATE);
    pPanel->SetWindowPos(nullptr, 0, 0, rc.Width() + 10, rc.Height() + 2, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    EXPECT_EQ(ChildInBar(pPanel), CRect(5, 5, 85, 25));
    EXPECT_EQ(pPanel->HitTestItem(CPoint(2, 2)), -1);
    m_pFrame->m_wndView.SetFocus();
    pPanel->SetFocus();
    EXPECT_EQ(::GetFocus(), m_wndEdit.GetSafeHwnd());
}

TEST_F(PanelBar, ItsBackgroundHasColour1000)
{
    CExtPanelControlBar* pPanel = NewPanel(true);
    ASSERT_NE(pPanel, nullptr);
    pPanel->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages();
    const CRect rcClient = ClientScreenRectOf(pPanel);
    EXPECT_EQ(ScreenPixel(rcClient.left + 2, rcClient.top + 2),
              g_PaintManagerHolder.GetPM()->GetTranslatedColor(1000, pPanel));
    EXPECT_EQ(ScreenPixel(rcClient.right - 3, rcClient.bottom - 3),
              g_PaintManagerHolder.GetPM()->GetTranslatedColor(1000, pPanel));
}
