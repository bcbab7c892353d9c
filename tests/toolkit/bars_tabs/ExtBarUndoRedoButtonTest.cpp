// The undo/redo button on a tool bar of the docking host: the list size from its steps, the popup with its steps
// and selection, the row colours and its chevron-menu entry.
#include "DynTabsFixture.h"
#include "toolkit/bars_tabs/ExtBarUndoRedoButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupInplaceListBox.h"
#include "toolkit/menus_dialogs/ExtPopupUndoRedoMenuWnd.h"

namespace
{
const UINT kUndoCmd = 0xB230;
const UINT kToolBarId = 0xA1F3;

class CUndoToolBar : public CExtToolControlBar
{
public:
    CExtBarButton* OnCreateBarCommandBtn(UINT nCmdID, UINT nStyle) override
    {
        if (nCmdID == kUndoCmd)
            return new CExtBarUndoRedoButton(this, nCmdID, nStyle);
        return CExtToolControlBar::OnCreateBarCommandBtn(nCmdID, nStyle);
    }
};

class UndoRedoButton : public DynTabsFixture
{
protected:
    void SetUp() override
    {
        DynTabsFixture::SetUp();
        CExtCmdItem cmd(kUndoCmd);
        cmd.m_sMenuText = cmd.m_sToolbarText = L"Undo";
        g_CmdManagerHolder->SetupCommand(kHostProfile, cmd, true);
        m_pToolBar = new CUndoToolBar;
        m_pFrame->m_arrBars.push_back(m_pToolBar);
        ASSERT_TRUE(m_pToolBar->Create(L"Edit", m_pFrame, kToolBarId, WS_CHILD | WS_VISIBLE | CBRS_TOP));
        ASSERT_TRUE(m_pToolBar->InsertButton(-1, kUndoCmd, true));
        m_pFrame->DockControlBar(m_pToolBar, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
        m_pButton = DYNAMIC_DOWNCAST(CExtBarUndoRedoButton, m_pToolBar->GetButton(0));
        ASSERT_NE(m_pButton, nullptr);
    }
    CSize Measured(LPCTSTR psz) const
    {
        CWindowDC dc(nullptr);
        const CRect rc =
            CExtPaintManager::MeasureText(dc, (HFONT)g_PaintManagerHolder.GetPM()->m_fontNormal.GetSafeHandle(), psz);
        return CSize(rc.Width() + 4, rc.Height() + 2);
    }
    CUndoToolBar* m_pToolBar = nullptr;
    CExtBarUndoRedoButton* m_pButton = nullptr;
};
} // namespace

TEST_F(UndoRedoButton, TheListSizeFollowsTheSteps)
{
    EXPECT_EQ(m_pButton->m_dwListBoxStyle, 0x50200068u);
    EXPECT_EQ(m_pButton->CalcListSize(), CSize(150, 250));
    m_pButton->m_nListMaxHeight = 0;
    EXPECT_EQ(m_pButton->CalcListSize(), CSize(150, 100));
    m_pButton->m_nListMaxHeight = 250;

    // A few steps: the widest item and the sum of the heights.
    m_pButton->m_arrSteps.Add(L"Typing \"halo\"");
    m_pButton->m_arrSteps.Add(L"Delete");
    const int nFrame = ::GetSystemMetrics(SM_CXFRAME);
    const CSize sizeTyping = Measured(L"Typing \"halo\"");
    EXPECT_EQ(m_pButton->CalcListSize(), CSize(sizeTyping.cx + 2 * nFrame, sizeTyping.cy + Measured(L"Delete").cy + 2));
    // An empty step measures like the sample text.
    m_pButton->m_arrSteps.RemoveAll();
    m_pButton->m_arrSteps.Add(L"");
    const CSize sizeEmpty = m_pButton->CalcListSize();
    m_pButton->m_arrSteps.SetAt(0, L"AaWwPpQqRrWwZz");
    EXPECT_EQ(m_pButton->CalcListSize(), sizeEmpty);

    // Many steps: cut at 250 with room for the scroll bar.
    m_pButton->m_arrSteps.RemoveAll();
    for (int i = 0; i < 60; ++i)
        m_pButton->m_arrSteps.Add(L"Typing");
    const CSize sizeMany = m_pButton->CalcListSize();
    EXPECT_EQ(sizeMany.cy, 250);
    EXPECT_EQ(sizeMany.cx, Measured(L"Typing").cx + 2 * nFrame + ::GetSystemMetrics(SM_CXHTHUMB) + nFrame);
    m_pButton->m_nListWidth = 333;
    EXPECT_EQ(m_pButton->CalcListSize().cx, 333);
}

TEST_F(UndoRedoButton, ThePopupOpensWithAllStepsTheFirstSelectedInTheRowColours)
{
    for (LPCTSTR psz : {L"Typing", L"", L"Delete", L"Paste"})
        m_pButton->m_arrSteps.Add(psz);
    CExtPopupUndoRedoMenuWnd* pPopup = m_pButton->CreateListPopup();
    ASSERT_NE(pPopup, nullptr);
    EXPECT_EQ(CSize(pPopup->m_nControlWidth, pPopup->m_nControlHeight), m_pButton->CalcListSize());
    CRect rcButton = m_pButton->GetRect();
    m_pToolBar->ClientToScreen(&rcButton);
    ASSERT_TRUE(pPopup->TrackPopupMenu(0x820, rcButton.left, rcButton.bottom, &rcButton));
    PumpMessages();
    CExtPopupInplaceListBox* pList = pPopup->GetListBox();
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->SendMessage(LB_GETCOUNT), 4);
    EXPECT_EQ(pList->SendMessage(LB_GETSEL, 0), 1);
    EXPECT_EQ(pList->SendMessage(LB_GETSEL, 1), 0);
    pList->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    CRect rc0, rc1;
    pList->SendMessage(LB_GETITEMRECT, 0, (LPARAM)&rc0);
    pList->SendMessage(LB_GETITEMRECT, 1, (LPARAM)&rc1);
    pList->ClientToScreen(&rc0);
    pList->ClientToScreen(&rc1);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    EXPECT_EQ(ScreenPixel(rc0.right - 3, rc0.top + 1), pPM->GetTranslatedColor(13, pList));
    EXPECT_EQ(ScreenPixel(rc1.right - 3, rc1.top + 1), pPM->GetTranslatedColor(5, pList));
    // The empty step is an empty row of the least height.
    EXPECT_EQ(rc1.Height(), 10);
    EXPECT_GT(rc0.Height(), 10);
    CExtPopupMenuWnd::CancelMenuTracking();
    PumpMessages();
}

TEST_F(UndoRedoButton, TheChevronMenuItemIsEnabledExactlyWhenTheButtonIs)
{
    for (bool bDisabled : {false, true})
    {
        m_pButton->ModifyStyle(bDisabled ? TBBS_DISABLED : 0, bDisabled ? 0 : TBBS_DISABLED);
        CExtPopupMenuWnd popup;
        ASSERT_TRUE(popup.CreatePopupMenu(m_pFrame->GetSafeHwnd()));
        ASSERT_TRUE(m_pButton->PutToPopupMenu(&popup));
        ASSERT_EQ(popup.GetItemCount(), 1);
        EXPECT_TRUE(popup.GetItemAt(0).IsPopup());
        EXPECT_EQ(popup.GetItemAt(0).IsEnabled(), !bDisabled);
        EXPECT_EQ(popup.ItemGetText(0), CString(L"Undo"));
    }
    EXPECT_EQ(m_pButton->TrackButtonMenu(CPoint(0, 0)), (UINT)-1);
    EXPECT_TRUE(m_pButton->IsMenuButton(0));
    EXPECT_EQ(m_pButton->OnHelpHitTest(CPoint(0, 0)), (int)kUndoCmd);
}
