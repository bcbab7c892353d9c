// Bar buttons on the tool-bar host: ids and separators, measuring, drop-down part, texts, the attached
// control and menu, tips and the command UI that reaches them at idle.
#include <gtest/gtest.h>
#include "ToolBarHost.h"
#include "platform/Controls.h"
#include "platform/Dc.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"

namespace
{
class BarButton : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CToolBarHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost());
        m_hFrame = m_pFrame->GetSafeHwnd();
    }
    void TearDown() override
    {
        CExtToolControlBar::g_bLargeIcons = false;
        CExtToolControlBar::g_bShowScreenTips = true;
        CExtToolControlBar::g_bShowShortcutKeysInScreenTips = false;
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
        PumpMessages();
    }
    CExtToolControlBar& Bar() { return m_pFrame->m_wndToolBar; }
    CExtBarButton* Button(UINT nCmdID) { return Bar().GetButton(m_pFrame->IndexOf(nCmdID)); }
    // Measures with the bar's font, as the bar does.
    CSize Measure(CExtBarButton* pButton, bool bHorizontal)
    {
        CClientDC dc(&Bar());
        CFont* pOld = dc.SelectObject(Bar().GetToolBarFont(!bHorizontal));
        const CSize size = pButton->MeasureButton(dc, Bar().GetDefaultButtonSize(), bHorizontal);
        dc.SelectObject(pOld);
        return size;
    }
    CSize TextExtent(LPCTSTR psz, bool bHorizontal)
    {
        CClientDC dc(&Bar());
        CFont* pOld = dc.SelectObject(Bar().GetToolBarFont(!bHorizontal));
        CRect rc(0, 0, 0, 0);
        dc.DrawText(psz, -1, &rc, DT_CALCRECT | DT_SINGLELINE);
        dc.SelectObject(pOld);
        return rc.Size();
    }
    HMENU LoadTestMenu(UINT nID) { return ::LoadMenuW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(nID)); }

    CToolBarHostFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
};
} // namespace

TEST_F(BarButton, IdZeroIsASeparatorAndANonZeroIdClearsIt)
{
    CExtBarButton button(&Bar(), 0);
    EXPECT_TRUE(button.IsSeparator());
    EXPECT_EQ(button.GetCmdID(false), 0u);
    button.SetCmdID(ID_TBT_FIRST);
    EXPECT_FALSE(button.IsSeparator());
    EXPECT_EQ(button.GetCmdID(true), (UINT)ID_TBT_FIRST);
    // Only the effective id changes: the button stays what it was.
    button.SetCmdID(ID_TBT_PICK_A, true);
    EXPECT_EQ(button.GetCmdID(false), (UINT)ID_TBT_FIRST);
    EXPECT_EQ(button.GetCmdID(true), (UINT)ID_TBT_PICK_A);
    // A separator style drops both ids.
    button.ModifyStyle(TBBS_SEPARATOR);
    EXPECT_EQ(button.GetCmdID(false), 0u);
    EXPECT_EQ(button.GetCmdID(true), 0u);
    EXPECT_TRUE(button.IsVisible());
}

TEST_F(BarButton, SeparatorsAndButtonsWithoutCommandKeepThePreSize)
{
    CExtBarButton* pSeparator = Bar().GetButton(3);
    ASSERT_TRUE(pSeparator->IsSeparator());
    EXPECT_EQ(Measure(pSeparator, true), CSize(6, 22));
    EXPECT_EQ(Measure(pSeparator, false), CSize(23, 6));
    // No command item: the pre-size, and no drop-down part even with a menu.
    CExtBarButton unknown(&Bar(), 0xC1F0);
    unknown.SetMenu(LoadTestMenu(IDR_TBT_MENU));
    ASSERT_TRUE(unknown.CanTrackMenu());
    EXPECT_EQ(Measure(&unknown, true), CSize(23, 22));
}

TEST_F(BarButton, MeasuringAddsIconTextFrameAndDropDownPart)
{
    // Icon only: 16 + 6 is under the pre-width.
    EXPECT_EQ(Measure(Button(ID_TBT_FIRST + 2), true), CSize(23, 22));
    CToolBarHostFrame::SetToolbarText(ID_TBT_FIRST, L"&Text\tCtrl+T");
    CExtBarButton* pText = Button(ID_TBT_FIRST);
    EXPECT_EQ(pText->GetText(), CString(L"&Text")); // cut at the TAB
    const CSize sizeText = TextExtent(L"Text", true);
    EXPECT_EQ(Measure(pText, true),
              CSize(16 + sizeText.cx + 6 + 6, std::max<int>(22, std::max<int>(16, sizeText.cy) + 6)));
    // Vertically the text runs down the button.
    const CSize sizeVert = Measure(pText, false);
    EXPECT_EQ(sizeVert.cy, 16 + sizeText.cx + 3 + 6);
    // Keep horizontal measures as in a horizontal bar.
    pText->SetKeepHorizontal(true);
    EXPECT_EQ(Measure(pText, false), Measure(pText, true));
    pText->SetKeepHorizontal(false);
    // Large icons double the icon.
    CExtToolControlBar::g_bLargeIcons = true;
    EXPECT_EQ(Measure(Button(ID_TBT_FIRST + 2), true), CSize(38, 38));
    CExtToolControlBar::g_bLargeIcons = false;
    // A menu adds the drop-down part, which GetDropDownRect gives back.
    CExtBarButton* pMenu = Button(ID_TBT_FIRST + 3);
    pMenu->SetMenu(LoadTestMenu(IDR_TBT_MENU));
    const int nArrow = g_glyphExpandArrowH.GetWidth() + 6;
    EXPECT_EQ(Measure(pMenu, true), CSize(23 + nArrow, 22));
    pMenu->SetRect(CRect(100, 2, 100 + 23 + nArrow, 24));
    EXPECT_EQ(pMenu->GetDropDownRect(), CRect(100 + 23, 2, 100 + 23 + nArrow, 24));
    EXPECT_EQ(Measure(pMenu, false).cy, 22 + g_glyphDropDownArrowV.GetHeight() + 6);
}

TEST_F(BarButton, SetCtrlAndSetMenuReplaceAndReSetWithoutLosingTheObject)
{
    CExtBarButton* pButton = Button(ID_TBT_FIRST + 5);
    CButton* pCheck = new CButton;
    ASSERT_TRUE(pCheck->Create(L"c", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, CRect(0, 0, 40, 18), &Bar(), 0x777));
    pButton->SetCtrl(pCheck);
    // The same control again changes only the ownership: the object and window live on.
    pButton->SetCtrl(pCheck, false);
    ASSERT_EQ(pButton->GetCtrl(), pCheck);
    EXPECT_TRUE(::IsWindow(pCheck->GetSafeHwnd()));
    // A new control replaces it; the old window goes.
    const HWND hOld = pCheck->GetSafeHwnd();
    CButton* pOther = new CButton;
    ASSERT_TRUE(pOther->Create(L"d", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, CRect(0, 0, 40, 18), &Bar(), 0x778));
    pButton->SetCtrl(pOther);
    EXPECT_FALSE(::IsWindow(hOld));
    EXPECT_EQ(pButton->GetCtrl(), pOther);
    // The same for the menu: the held menu set again stays alive.
    HMENU hMenu = LoadTestMenu(IDR_TBT_MENU);
    pButton->SetMenu(hMenu, true, true);
    pButton->SetMenu(hMenu, false, true);
    EXPECT_TRUE(::IsMenu(hMenu));
    EXPECT_EQ(pButton->GetMenu(), hMenu);
    EXPECT_FALSE(pButton->IsMenuPopup());
    HMENU hMenu2 = LoadTestMenu(IDR_TBT_MENU2);
    pButton->SetMenu(hMenu2);
    EXPECT_FALSE(::IsMenu(hMenu)); // owned, destroyed on replacement
    // Removing the button releases the control: no window stays on the bar.
    const HWND hCtrl = pOther->GetSafeHwnd();
    ASSERT_TRUE(Bar().RemoveButton(m_pFrame->IndexOf(ID_TBT_FIRST + 5)));
    EXPECT_FALSE(::IsWindow(hCtrl));
}

TEST_F(BarButton, AControlFollowsTheButtonsStateAndTheDockingSide)
{
    CExtBarButton* pButton = Button(ID_TBT_FIRST + 6);
    CButton* pCheck = new CButton;
    ASSERT_TRUE(pCheck->Create(L"c", WS_CHILD | BS_3STATE, CRect(0, 0, 40, 14), &Bar(), 0x779));
    pButton->SetCtrl(pCheck);
    pButton->SetRect(CRect(10, 2, 60, 24));
    EXPECT_NE(pCheck->GetStyle() & WS_VISIBLE, 0u);
    CRect rc;
    pCheck->GetWindowRect(&rc);
    Bar().ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(10, 6, 50, 20)); // centred across a horizontal bar
    pButton->ModifyStyle(TBBS_DISABLED | TBBS_CHECKED);
    EXPECT_FALSE(pCheck->IsWindowEnabled());
    EXPECT_EQ(::SendMessageW(pCheck->GetSafeHwnd(), BM_GETCHECK, 0, 0), 1);
    pButton->ModifyStyle(TBBS_INDETERMINATE, TBBS_CHECKED | TBBS_DISABLED);
    EXPECT_TRUE(pCheck->IsWindowEnabled());
    EXPECT_EQ(::SendMessageW(pCheck->GetSafeHwnd(), BM_GETCHECK, 0, 0), 2);
    // Docked vertically the control hides unless kept shown; the button then paints itself.
    pButton->SetVertDocked(true);
    pButton->SetRect(CRect(2, 10, 24, 60));
    EXPECT_EQ(pCheck->GetStyle() & WS_VISIBLE, 0u);
    EXPECT_TRUE(pButton->IsPlainButton() == false);
    pButton->SetCtrlShownVert(true);
    pButton->SetRect(CRect(2, 10, 60, 60));
    EXPECT_NE(pCheck->GetStyle() & WS_VISIBLE, 0u);
    pCheck->GetWindowRect(&rc);
    Bar().ScreenToClient(&rc);
    EXPECT_EQ(rc.left, 2 + (58 - 40) / 2); // centred across a vertical bar
}

TEST_F(BarButton, TipsCarryTheAcceleratorOnlyWhenAskedAndNeverWhenOffOrEmpty)
{
    CExtBarButton* pButton = Button(ID_TBT_FIRST + 1);
    g_CmdManagerHolder->LookupCommand(kToolBarHostProfile, ID_TBT_FIRST + 1)->m_sAccelText = L"Ctrl+B";
    pButton->SetRect(CRect(5, 1, 28, 23));
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    ASSERT_EQ(pButton->BuildTipText(CPoint(10, 10), &ti), (INT_PTR)(ID_TBT_FIRST + 1));
    EXPECT_STREQ(ti.lpszText, L"Tip 2");
    EXPECT_EQ(ti.hwnd, Bar().GetSafeHwnd());
    EXPECT_EQ(CRect(ti.rect), CRect(5, 1, 28, 23));
    free(ti.lpszText);
    CExtToolControlBar::g_bShowShortcutKeysInScreenTips = true;
    ASSERT_EQ(pButton->BuildTipText(CPoint(10, 10), &ti), (INT_PTR)(ID_TBT_FIRST + 1));
    EXPECT_STREQ(ti.lpszText, L"Tip 2 (Ctrl+B)");
    free(ti.lpszText);
    CExtToolControlBar::g_bShowScreenTips = false;
    EXPECT_EQ(pButton->BuildTipText(CPoint(10, 10), &ti), -1);
    EXPECT_EQ(Bar().OnToolHitTest(Bar().GetButton(1)->GetRect().CenterPoint(), nullptr), -1);
    CExtToolControlBar::g_bShowScreenTips = true;
    // A command without a tooltip text has no tip.
    EXPECT_EQ(Button(ID_TBT_LAST)->BuildTipText(CPoint(0, 0), &ti), -1);
    // The bar answers for the button under the point.
    Bar().RecalcButtonPositions();
    const CPoint pt = Bar().GetButton(1)->GetRect().CenterPoint();
    TOOLINFO ti2 = {};
    ti2.cbSize = sizeof(ti2);
    EXPECT_EQ(Bar().OnToolHitTest(pt, &ti2), (INT_PTR)(ID_TBT_FIRST + 1));
    free(ti2.lpszText);
    // The chevron's tip does not depend on the tips setting, and has its text when the string is missing.
    CExtBarContentExpandButton* pChevron = Bar().GetRightButton();
    ASSERT_NE(pChevron, nullptr);
    CExtToolControlBar::g_bShowScreenTips = false;
    EXPECT_EQ(pChevron->BuildTipText(CPoint(0, 0), nullptr), -1);
    ASSERT_EQ(pChevron->BuildTipText(CPoint(0, 0), &ti), 0xE001);
    EXPECT_STREQ(ti.lpszText, L"Where are buttons?");
    free(ti.lpszText);
}

TEST_F(BarButton, CommandUiAtIdleReachesStylesAndCommandItemsButNotTheChevron)
{
    const UINT nCheck = ID_TBT_FIRST + 7, nRadio = ID_TBT_FIRST + 8, nOff = ID_TBT_FIRST + 9;
    m_pFrame->m_mapCheck[nCheck] = 1;
    m_pFrame->m_mapRadio[nRadio] = 1;
    m_pFrame->m_mapEnable[nOff] = 0;
    m_pFrame->ShowWindow(SW_SHOWNA);
    m_pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    CExtCmdItem* pCheckItem = g_CmdManagerHolder->LookupCommand(kToolBarHostProfile, nCheck);
    EXPECT_EQ(Button(nCheck)->GetStyle() & (TBBS_CHECKED | TBBS_CHECKBOX), (UINT)(TBBS_CHECKED | TBBS_CHECKBOX));
    EXPECT_TRUE(pCheckItem->IsChecked());
    EXPECT_NE(Button(nRadio)->GetStyle() & TBBS_CHECKED, 0u);
    EXPECT_TRUE(g_CmdManagerHolder->LookupCommand(kToolBarHostProfile, nRadio)->IsRadio());
    EXPECT_TRUE(Button(nOff)->IsDisabled());
    EXPECT_FALSE(g_CmdManagerHolder->LookupCommand(kToolBarHostProfile, nOff)->IsEnabled());
    // Indeterminate, then cleared again.
    m_pFrame->m_mapCheck[nCheck] = 2;
    m_pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    EXPECT_EQ(Button(nCheck)->GetStyle() & (TBBS_CHECKED | TBBS_INDETERMINATE), (UINT)TBBS_INDETERMINATE);
    m_pFrame->m_mapCheck[nCheck] = 0;
    m_pFrame->m_mapEnable[nOff] = 1;
    m_pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    EXPECT_EQ(Button(nCheck)->GetStyle() & (TBBS_CHECKED | TBBS_INDETERMINATE), 0u);
    EXPECT_FALSE(pCheckItem->IsChecked());
    EXPECT_FALSE(Button(nOff)->IsDisabled());
    // The chevron is left alone by the record.
    CExtToolControlBar::CExtToolControlBarCmdUI state;
    state.m_pOther = &Bar();
    state.m_nIndex = (UINT)(Bar().GetButtonsCount() - 1);
    state.m_nIndexMax = (UINT)Bar().GetButtonsCount();
    state.Enable(FALSE);
    state.SetCheck(1);
    EXPECT_EQ(Bar().GetRightButton()->GetStyle() & (TBBS_DISABLED | TBBS_CHECKED | TBBS_CHECKBOX), 0u);
}

TEST_F(BarButton, TheMnemonicFollowsTheFirstSingleAmpersand)
{
    CToolBarHostFrame::SetToolbarText(ID_TBT_FIRST, L"Save && &quit");
    CToolBarHostFrame::SetToolbarText(ID_TBT_FIRST + 1, L"&&Amp");
    CToolBarHostFrame::SetToolbarText(ID_TBT_FIRST + 2, L"Tail&");
    Bar().RecalcButtonPositions();
    EXPECT_EQ(Bar().FindButtonByAccelChar(L'Q'), m_pFrame->IndexOf(ID_TBT_FIRST));
    EXPECT_EQ(Bar().FindButtonByAccelChar(L'&'), -1);
    EXPECT_EQ(Bar().FindButtonByAccelChar(L'A'), -1);
}
