// The text field button on the host's tool bar: its measure, edit rectangle and arrow strip, list
// size, the chevron menu item, the I-beam cursor and the command-button behaviour in a vertical bar.
#include "TextFieldTestSupport.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupInplaceListBox.h"
#include "toolkit/menus_dialogs/ExtPopupMenuInplaceEdit.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <memory>

using extrastest::PumpUntil;
using extrastest::TextFields;

TEST_F(TextFields, MeasureIsTheSampleTextHeightPlusPadsAndTheFieldWidthPlusMargins)
{
    CClientDC dc(m_pBar);
    const HFONT hFont = (HFONT)g_PaintManagerHolder->m_fontNormal.GetSafeHandle();
    const int nTextHeight = CExtPaintManager::MeasureText(dc, hFont, CExtBarTextFieldButton::kSampleText).Height();
    ASSERT_GT(nTextHeight, 0);
    for (CExtBarTextFieldButton* pField : {Plain(), Combo(), ReadOnly()})
    {
        const CSize size = pField->MeasureButton(dc, CSize(23, 22), true);
        EXPECT_EQ(size.cy, nTextHeight + 4 + 2 + 2);
        EXPECT_EQ(size.cx, extrashost::CExtrasToolBar::kFieldWidth + 4); // no room added for the arrow
        EXPECT_EQ(pField->GetSize(), size);
    }
}

TEST_F(TextFields, EditRectangleAndArrowStripOfTheThumbWidth)
{
    const int nThumb = ::GetSystemMetrics(SM_CXHTHUMB);
    const CRect rc(10, 5, 134, 30);
    EXPECT_TRUE(Plain()->GetDropDownArrowRect(rc).IsRectEmpty());
    EXPECT_EQ(Plain()->GetEditRect(rc), CRect(12, 7, 132, 28));
    EXPECT_EQ(Plain()->GetFieldMargins(), CRect(2, 2, 2, 2));
    EXPECT_EQ(Combo()->GetDropDownArrowRect(rc), CRect(134 - nThumb, 5, 134, 30));
    EXPECT_EQ(Combo()->GetEditRect(rc), CRect(12, 7, 132 - nThumb, 28));
    EXPECT_EQ(Combo()->GetFieldMargins(), CRect(2, 2, 2 + nThumb, 2));
}

TEST_F(TextFields, ListIsTheFieldWidthPlusThumbByDefaultOrMeasuredOrFixed)
{
    const int nThumb = ::GetSystemMetrics(SM_CXHTHUMB);
    CExtBarTextFieldButton* pCombo = Combo();
    const CSize sizeDefault = pCombo->CalcListSize();
    EXPECT_EQ(sizeDefault.cx, extrashost::CExtrasToolBar::kFieldWidth + nThumb);
    EXPECT_GT(sizeDefault.cy, 5 * 10);
    EXPECT_LE(sizeDefault.cy, 250);
    pCombo->m_nListWidth = CExtBarTextFieldButton::kListWidthAuto;
    const CSize sizeMeasured = pCombo->CalcListSize();
    EXPECT_EQ(sizeMeasured.cy, sizeDefault.cy);
    EXPECT_GT(sizeMeasured.cx, 2 * ::GetSystemMetrics(SM_CXFRAME));
    EXPECT_NE(sizeMeasured.cx, sizeDefault.cx);
    pCombo->m_nListWidth = 77;
    EXPECT_EQ(pCombo->CalcListSize().cx, 77);
    pCombo->m_nListWidth = CExtBarTextFieldButton::kListWidthField;
    // Without items: the maximum height, and the field-wide default.
    EXPECT_EQ(Plain()->CalcListSize(), CSize(extrashost::CExtrasToolBar::kFieldWidth + nThumb, 250));
}

TEST_F(TextFields, ChevronMenuItemIsATextFieldOverTheFieldText)
{
    auto* pPopup = new CExtPopupMenuWnd;
    ASSERT_TRUE(pPopup->CreatePopupMenu(m_pFrame->m_hWnd));
    for (CExtBarTextFieldButton* pField : {Plain(), ReadOnly()})
        ASSERT_TRUE(pField->PutToPopupMenu(pPopup));
    Combo()->ModifyStyle(TBBS_DISABLED);
    ASSERT_TRUE(Combo()->PutToPopupMenu(pPopup));
    Combo()->ModifyStyle(0, TBBS_DISABLED);
    ASSERT_EQ(pPopup->GetItemCount(), 3);
    const CExtPopupMenuWnd::MENUITEMDATA& plain = pPopup->GetItemAt(0);
    EXPECT_EQ(plain.GetCmdID(), (int)extrashost::CExtrasToolBar::kIdPlainField);
    EXPECT_EQ(plain.m_pEditTextTarget, &Plain()->m_sFieldText);
    EXPECT_EQ(plain.m_pInplaceEditCbCookie, (LPVOID)Plain());
    EXPECT_EQ(plain.m_nInplaceEditWidth, extrashost::CExtrasToolBar::kFieldWidth);
    EXPECT_TRUE(plain.IsEnabled());
    EXPECT_NE(plain.m_nEditFlags & CExtPopupMenuWnd::MENUITEMDATA::kEditAllowed, 0);
    const CExtPopupMenuWnd::MENUITEMDATA& ro = pPopup->GetItemAt(1);
    EXPECT_EQ(ro.m_pEditTextTarget, &ReadOnly()->m_sFieldText);
    EXPECT_TRUE(ro.IsEnabled());
    EXPECT_EQ(ro.m_nEditFlags & CExtPopupMenuWnd::MENUITEMDATA::kEditAllowed, 0); // read-only
    const CExtPopupMenuWnd::MENUITEMDATA& disabled = pPopup->GetItemAt(2);
    EXPECT_FALSE(disabled.IsEnabled());
    EXPECT_EQ(disabled.m_nEditFlags & CExtPopupMenuWnd::MENUITEMDATA::kEditAllowed, 0);
    // The item's callbacks reach the button: a committed text lands in the field.
    CString sText(L"dari menu"), sTarget;
    CExtPopupMenuWnd::CInPlaceEditWnd edit(&sTarget, nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(plain.m_pCbVerifyTextInput(edit, plain.m_pInplaceEditCbCookie, sText, CString()));
    plain.m_pCbPutTextInputResult(edit, plain.m_pInplaceEditCbCookie, sText);
    EXPECT_STREQ(Plain()->GetFieldText(), L"dari menu");
    delete pPopup;
}

TEST_F(TextFields, IBeamOnlyOverAnEnabledEditableEditRectangle)
{
    const HCURSOR hIBeam = ::LoadCursorW(nullptr, IDC_IBEAM);
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_TRUE(Plain()->OnSetCursor(TextPoint(Plain())));
    EXPECT_EQ(::GetCursor(), hIBeam);
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_TRUE(Combo()->OnSetCursor(TextPoint(Combo())));
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_FALSE(Combo()->OnSetCursor(ArrowPoint(Combo())));
    EXPECT_FALSE(ReadOnly()->OnSetCursor(TextPoint(ReadOnly())));
    EXPECT_FALSE(Plain()->OnSetCursor(Plain()->GetRect().TopLeft())); // on the margin
    Plain()->ModifyStyle(TBBS_DISABLED);
    EXPECT_FALSE(Plain()->OnSetCursor(TextPoint(Plain())));
    Plain()->ModifyStyle(0, TBBS_DISABLED);
    EXPECT_NE(::GetCursor(), hIBeam);
}

TEST_F(TextFields, ScreenInAVerticalBarThatHidesItTheFieldIsACommandButton)
{
    CExtBarTextFieldButton* pField = Plain();
    m_pFrame->DockControlBar(m_pBar, AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->RecalcLayout();
    EXPECT_TRUE(PumpUntil([&] { return CExtControlBar::IsDockedVertically(m_pBar) && pField->IsFieldHidden(); }));
    ASSERT_TRUE(CExtControlBar::IsDockedVertically(m_pBar));
    ASSERT_TRUE(pField->IsFieldHidden());
    // It measures and paints as the plain button of its command does.
    CExtBarButton plain(m_pBar, extrashost::CExtrasToolBar::kIdPlainField);
    plain.SetVertDocked(true);
    CClientDC dcBar(m_pBar);
    CFont* pOld = dcBar.SelectObject(m_pBar->GetToolBarFont(false));
    EXPECT_EQ(pField->MeasureButton(dcBar, CSize(23, 22), false), plain.MeasureButton(dcBar, CSize(23, 22), true));
    dcBar.SelectObject(pOld);
    const CRect rc = pField->GetRect();
    ASSERT_FALSE(rc.IsRectEmpty());
    plain.SetRect(rc);
    DibCanvas a(rc.right, rc.bottom), b(rc.right, rc.bottom);
    pField->PaintButton(a.dc, false);
    plain.PaintButton(b.dc, true);
    EXPECT_EQ(memcmp(a.Bits(), b.Bits(), rc.right * rc.bottom * 4), 0);
    // A real click on it in the bar sends the command and opens no edit.
    extrastest::ClickAt(m_pBar->m_hWnd, rc.CenterPoint());
    EXPECT_TRUE(PumpUntil([&] { return !m_pFrame->m_commands.empty(); }));
    EXPECT_EQ(pField->GetInplaceEdit(), nullptr);
    ASSERT_FALSE(m_pFrame->m_commands.empty());
    EXPECT_EQ(m_pFrame->m_commands.back(), (UINT)extrashost::CExtrasToolBar::kIdPlainField);
    // Kept shown in the vertical bar, it is a field again.
    pField->SetCtrlShownVert(true);
    EXPECT_FALSE(pField->IsFieldHidden());
    pField->SetCtrlShownVert(false);
    m_pFrame->DockControlBar(m_pBar, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
}

TEST_F(TextFields, PaintingShowsTheListTextWhileTheListIsOpenAndTheFieldTextOtherwise)
{
    CExtBarTextFieldButton* pCombo = Combo();
    pCombo->SetFieldText(L"Tiga", false);
    const CRect rc = pCombo->GetRect();
    auto paint = [&](DibCanvas& c) {
        c.dc.SetWindowOrg(rc.left, rc.top);
        pCombo->PaintButton(c.dc, true);
        c.dc.SetWindowOrg(0, 0);
    };
    DibCanvas shown(rc.Width(), rc.Height()), listing(rc.Width(), rc.Height()), expected(rc.Width(), rc.Height());
    paint(shown);
    // The open list's text, and the look the paint manager gives it.
    pCombo->m_sEditText = L"Lima";
    pCombo->m_dwFieldFlags |= CExtBarTextFieldButton::kFieldListOpen;
    paint(listing);
    pCombo->m_dwFieldFlags &= ~CExtBarTextFieldButton::kFieldListOpen;
    pCombo->m_sEditText.Empty();
    expected.dc.SetWindowOrg(rc.left, rc.top);
    CExtPaintManager::TextFieldPaintData data(pCombo, L"Lima", rc, pCombo->GetEditRect(rc), true, true, true, true);
    g_PaintManagerHolder->PaintTextField(expected.dc, data);
    EXPECT_EQ(memcmp(listing.Bits(), expected.Bits(), rc.Width() * rc.Height() * 4), 0);
    EXPECT_NE(memcmp(listing.Bits(), shown.Bits(), rc.Width() * rc.Height() * 4), 0);
}

TEST_F(TextFields, ListEventsWithoutASelectionKeepTheTexts)
{
    CExtBarTextFieldButton* pCombo = Combo();
    pCombo->SetFieldText(L"Dua", false);
    pCombo->m_sEditText = L"Dua";
    CExtPopupInplaceListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_HASSTRINGS, CRect(0, 0, 100, 100), m_pFrame, 0x300));
    for (LPCTSTR psz : extrashost::CExtrasToolBar::kComboItems)
        list.AddString(psz);
    list.SetCurSel(-1);
    ASSERT_EQ(list.GetCurSel(), LB_ERR);
    EXPECT_FALSE(pCombo->OnListSelChanging(list));
    EXPECT_FALSE(pCombo->OnListSelected(list));
    EXPECT_STREQ(pCombo->GetEditText(), L"Dua");
    EXPECT_STREQ(pCombo->GetFieldText(), L"Dua");
    list.SetCurSel(2);
    EXPECT_FALSE(pCombo->OnListSelChanging(list));
    EXPECT_STREQ(pCombo->GetEditText(), L"Tiga");
    EXPECT_STREQ(pCombo->GetFieldText(), L"Dua");
    EXPECT_FALSE(pCombo->OnListSelected(list));
    EXPECT_STREQ(pCombo->GetFieldText(), L"Tiga");
    // Filling the list selects the field text when asked to.
    CExtPopupInplaceListBox fresh;
    ASSERT_TRUE(fresh.Create(WS_CHILD | LBS_HASSTRINGS, CRect(0, 0, 100, 100), m_pFrame, 0x301));
    pCombo->m_dwFieldFlags |= CExtBarTextFieldButton::kFieldSelectInList;
    EXPECT_TRUE(pCombo->OnInitList(fresh));
    pCombo->m_dwFieldFlags &= ~CExtBarTextFieldButton::kFieldSelectInList;
    EXPECT_EQ(fresh.GetCount(), 5);
    EXPECT_EQ(fresh.GetCurSel(), 2);
    pCombo->m_sEditText.Empty();
    list.DestroyWindow();
    fresh.DestroyWindow();
}

TEST_F(TextFields, DynamicCreationMakesAPlainFieldAndSettersReportTheOldValues)
{
    std::unique_ptr<CObject> pObject(RUNTIME_CLASS(CExtBarTextFieldButton)->CreateObject());
    auto* pField = DYNAMIC_DOWNCAST(CExtBarTextFieldButton, pObject.get());
    ASSERT_NE(pField, nullptr);
    EXPECT_EQ(pField->GetFieldWidth(), 100);
    EXPECT_FALSE(pField->IsCombo());
    EXPECT_FALSE(pField->IsReadOnly());
    EXPECT_EQ(pField->m_nEditFlags, 0);
    EXPECT_EQ(pField->m_nListWidth, (int)CExtBarTextFieldButton::kListWidthField);
    EXPECT_EQ(pField->m_nMaxListHeight, 250);
    EXPECT_EQ(pField->m_dwListBoxStyle, 0x50200160u);
    EXPECT_EQ(pField->SetFieldWidth(140), 100);
    EXPECT_EQ(pField->GetFieldWidth(), 140);
    EXPECT_TRUE(pField->SetFieldText(L"teks"));
    EXPECT_STREQ(pField->GetFieldText(), L"teks");
    // Drop-down menus and split parts do not apply to a field.
    pField->SetSplitDropDown(true);
    pField->SetAdoptPickedCmd(true);
    const HMENU hMenu = ::CreatePopupMenu();
    pField->SetMenu(hMenu);
    EXPECT_FALSE(pField->IsSplitDropDown());
    EXPECT_FALSE(pField->IsAdoptPickedCmd());
    EXPECT_EQ(pField->GetMenu(), nullptr);
    EXPECT_FALSE(pField->IsMenuButton());
    EXPECT_FALSE(pField->CanTrackMenu());
    EXPECT_FALSE(pField->IsMenuPopup());
    ::DestroyMenu(hMenu);
}
