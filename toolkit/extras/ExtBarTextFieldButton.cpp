// CExtBarTextFieldButton: construction, the field's state and geometry, measuring, painting, clicks,
// the chevron menu item, the cursor, and the editing with its modal loop.
#include "toolkit/extras/ExtBarTextFieldButton.h"
#include "platform/Dc.h"
#include "platform/FrameWnd.h"
#include "platform/WinThread.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtBarTextFieldButton, CExtBarButton)

const wchar_t* const CExtBarTextFieldButton::kSampleText =
    L"AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz0123456789;[]{}\\/=+-_*&^%$#@!~";
const wchar_t* const CExtBarTextFieldButton::kEmptyItemSample = L"AaWwPpQqRrWwZz";

namespace
{

// The chevron menu's text-field item reaches the button through these (the cookie is the button).
bool MenuItemVerify(CExtPopupMenuWnd::CInPlaceEditWnd& edit, LPVOID pCookie, CString& sTextNew, CString sTextOld)
{
    (void)edit;
    auto* pButton = static_cast<CExtBarTextFieldButton*>(pCookie);
    return pButton->OnVerifyText(nullptr, sTextOld, sTextNew);
}

void MenuItemChanged(CExtPopupMenuWnd::CInPlaceEditWnd& edit, LPVOID pCookie, CString& sText)
{
    (void)edit;
    static_cast<CExtBarTextFieldButton*>(pCookie)->OnTextChanged(nullptr, sText);
}

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

bool IsMousePress(UINT message)
{
    switch (message)
    {
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: return true;
    default: return false;
    }
}

} // namespace

CExtBarTextFieldButton::CExtBarTextFieldButton(bool bCombo, int nFieldWidth, CExtToolControlBar* pBar, UINT nCmdID,
                                               UINT nStyle)
    : CExtBarButton(pBar, nCmdID, nStyle), m_nFieldWidth(nFieldWidth), m_dwFieldFlags(bCombo ? kFieldCombo : 0),
      m_dwListCookie(0), m_dwListBoxStyle(kDefaultListBoxStyle), m_nListWidth(kListWidthField),
      m_nMaxListHeight(kDefaultMaxListHeight), m_nEditFlags(0)
{}

CExtBarTextFieldButton::~CExtBarTextFieldButton()
{
    // The base destroys the attached edit: it must not call back into a button that is going.
    if (CInPlaceEditWnd* pEdit = GetInplaceEdit())
        pEdit->DetachButton();
}

bool CExtBarTextFieldButton::IsButtonInBar(const CExtBarButton* pButton, CRuntimeClass* pClass,
                                           CExtToolControlBar* pBar, HWND hWndBar)
{
    if (pButton == nullptr || pBar == nullptr || hWndBar == nullptr || !::IsWindow(hWndBar) ||
        CWnd::FromHandlePermanent(hWndBar) != static_cast<CWnd*>(pBar))
        return false;
    const int nIndex = pBar->GetButtonIndex(pButton);
    if (nIndex < 0)
        return false;
    // The entry is a live button of the bar: its class tells a new button at a reused address apart.
    return pBar->GetButton(nIndex)->GetRuntimeClass() == pClass;
}

CExtBarTextFieldButton::CInPlaceEditWnd* CExtBarTextFieldButton::GetInplaceEdit() const
{
    CInPlaceEditWnd* pEdit = CInPlaceEditWnd::GetAlive();
    return pEdit != nullptr && static_cast<CWnd*>(pEdit) == GetCtrl() ? pEdit : nullptr;
}

bool CExtBarTextFieldButton::IsFieldHidden() const { return (m_bf1 & kVertDocked) != 0 && !IsCtrlShownVert(); }

// ---- overrides of the bar button ----------------------------------------------------------------

void CExtBarTextFieldButton::SyncCtrlWindow()
{
    CInPlaceEditWnd* pEdit = GetInplaceEdit();
    if (pEdit == nullptr || pEdit->GetSafeHwnd() == nullptr)
    {
        CExtBarButton::SyncCtrlWindow();
        return;
    }
    const bool bShow = IsVisible() && (GetStyle() & TBBS_HIDDEN) == 0 && !IsFieldHidden();
    const CRect rcEdit = GetEditRectOfButton();
    pEdit->SetWindowPos(nullptr, rcEdit.left, rcEdit.top, rcEdit.Width(), rcEdit.Height(),
                        SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    const bool bEnable = !IsDisabled();
    if (bEnable != (pEdit->IsWindowEnabled() != FALSE))
        pEdit->EnableWindow(bEnable ? TRUE : FALSE);
}

void CExtBarTextFieldButton::SetRect(const RECT& rc)
{
    m_rc = rc;
    if (GetInplaceEdit() == nullptr)
    {
        CExtBarButton::SetRect(rc);
        return;
    }
    if (!IsFieldHidden())
        SyncCtrlWindow();
}

void CExtBarTextFieldButton::SetSplitDropDown(bool bOn) { (void)bOn; }

bool CExtBarTextFieldButton::IsSplitDropDown() const { return false; }

void CExtBarTextFieldButton::SetAdoptPickedCmd(bool bOn) { (void)bOn; }

bool CExtBarTextFieldButton::IsAdoptPickedCmd() const { return false; }

void CExtBarTextFieldButton::SetMenu(HMENU hMenu, bool bPopupMenu, bool bOwnMenu)
{
    (void)hMenu;
    (void)bPopupMenu;
    (void)bOwnMenu;
}

HMENU CExtBarTextFieldButton::GetMenu() const { return nullptr; }

bool CExtBarTextFieldButton::IsMenuButton(int nFlag) const
{
    (void)nFlag;
    return false;
}

bool CExtBarTextFieldButton::CanTrackMenu() const { return false; }

bool CExtBarTextFieldButton::IsMenuPopup() const { return false; }

CSize CExtBarTextFieldButton::MeasureButton(CDC& dc, CSize sizePreCalc, bool bHorizontal)
{
    if (IsFieldHidden())
        return CExtBarButton::MeasureButton(dc, sizePreCalc, true);
    (void)bHorizontal;
    const CRect rcMargins = GetFieldMargins();
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    const int nTextHeight =
        CExtPaintManager::MeasureText(dc, (HFONT)pPM->m_fontNormal.GetSafeHandle(), kSampleText).Height();
    m_size.cx = GetFieldWidth() + kFieldMargin + kFieldMargin;
    m_size.cy = nTextHeight + kTextHeightPad + rcMargins.top + rcMargins.bottom;
    return m_size;
}

void CExtBarTextFieldButton::PaintButton(CDC& dc, bool bHorizontal)
{
    if (IsFieldHidden())
    {
        CExtBarButton::PaintButton(dc, true);
        return;
    }
    (void)bHorizontal;
    const CRect rc = GetRect();
    if (rc.IsRectEmpty() || !IsVisible() || (GetStyle() & TBBS_HIDDEN) != 0 || !dc.RectVisible(&rc))
        return;
    const bool bEditing = GetInplaceEdit() != nullptr;
    const bool bEnabled = !IsDisabled();
    bool bPushed = IsListOpen() || (!IsCombo() && bEditing);
    bool bHover = IsHover() || bEditing || IsListOpen();
    if (!bEnabled || (CExtPopupMenuWnd::IsMenuTracking() && !IsListOpen()))
        bHover = bPushed = false;
    CExtPaintManager::TextFieldPaintData data(this, IsListOpen() ? m_sEditText : m_sFieldText, rc, GetEditRect(rc),
                                              IsCombo(), bHover, bPushed, bEnabled);
    g_PaintManagerHolder->PaintTextField(dc, data);
}

void CExtBarTextFieldButton::OnClick(CPoint point, bool bDown)
{
    if (IsFieldHidden())
    {
        CExtBarButton::OnClick(point, bDown);
        return;
    }
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr || IsDisabled())
        return;
    if (bDown)
    {
        CExtToolControlBar::CloseTrackingMenus();
        ShowPrompt(false);
        return;
    }
    ShowPrompt(true);
    const CRect rcField = GetRect();
    if (!IsReadOnly() && GetEditRect(rcField).PtInRect(point))
    {
        OnInplaceEdit();
        return;
    }
    if (IsCombo() && (IsReadOnly() || GetDropDownArrowRect(rcField).PtInRect(point)))
        TrackButtonMenu(point, false, false);
}

bool CExtBarTextFieldButton::PutToPopupMenu(CExtPopupMenuWnd* pPopup)
{
    CancelEditing();
    if (pPopup == nullptr || !pPopup->InsertItem((int)GetCmdID(false), -1))
        return false;
    CExtPopupMenuWnd::MENUITEMDATA& mi = pPopup->GetItemAt(pPopup->GetItemCount() - 1);
    mi.m_pEditTextTarget = &m_sFieldText;
    mi.m_pCbVerifyTextInput = MenuItemVerify;
    mi.m_pCbPutTextInputResult = MenuItemChanged;
    mi.m_pInplaceEditCbCookie = this;
    mi.m_nInplaceEditWidth = GetFieldWidth();
    mi.Enable(!IsDisabled());
    CExtPopupMenuWnd::MENUITEMDATA::SetBit(mi.m_nEditFlags, CExtPopupMenuWnd::MENUITEMDATA::kEditAllowed,
                                           !IsDisabled() && !IsReadOnly());
    return true;
}

bool CExtBarTextFieldButton::OnSetCursor(CPoint point)
{
    if (IsDisabled() || IsReadOnly() || IsFieldHidden() || !IsVisible() || (GetStyle() & TBBS_HIDDEN) != 0 ||
        !GetEditRectOfButton().PtInRect(point))
        return false;
    ::SetCursor(::LoadCursorW(nullptr, IDC_IBEAM));
    return true;
}

// ---- the field ----------------------------------------------------------------------------------

int CExtBarTextFieldButton::GetFieldWidth() const { return m_nFieldWidth; }

int CExtBarTextFieldButton::SetFieldWidth(int nWidth)
{
    CancelEditing();
    const int nOld = m_nFieldWidth;
    m_nFieldWidth = nWidth;
    return nOld;
}

const CString& CExtBarTextFieldButton::GetFieldText() const { return m_sFieldText; }

bool CExtBarTextFieldButton::SetFieldText(LPCTSTR lpszText, bool bVerify)
{
    const CString sNew(lpszText != nullptr ? lpszText : L"");
    if (bVerify && !OnVerifyText(GetInplaceEdit(), m_sFieldText, sNew))
        return false;
    m_sFieldText = sNew;
    return true;
}

CRect CExtBarTextFieldButton::GetDropDownArrowRect(const CRect& rcField) const
{
    if (!IsCombo())
        return CRect(0, 0, 0, 0);
    return CRect(rcField.right - ::GetSystemMetrics(SM_CXHTHUMB), rcField.top, rcField.right, rcField.bottom);
}

CRect CExtBarTextFieldButton::GetEditRect(const CRect& rcField) const
{
    const CRect rcMargins = GetFieldMargins();
    CRect rc(rcField);
    rc.DeflateRect(rcMargins.left, rcMargins.top, rcMargins.right, rcMargins.bottom);
    return rc;
}

CRect CExtBarTextFieldButton::GetFieldMargins() const
{
    return CRect(kFieldMargin, kFieldMargin, kFieldMargin + (IsCombo() ? ::GetSystemMetrics(SM_CXHTHUMB) : 0),
                 kFieldMargin);
}

bool CExtBarTextFieldButton::OnVerifyText(CInPlaceEditWnd* pEdit, const CString& sOld, const CString& sNew)
{
    (void)pEdit;
    (void)sOld;
    (void)sNew;
    return true;
}

void CExtBarTextFieldButton::OnTextChanged(CInPlaceEditWnd* pEdit, const CString& sText)
{
    (void)pEdit;
    SetFieldText(sText, false);
}

bool CExtBarTextFieldButton::OnInplaceEditHook(CInPlaceEditWnd* pEdit, UINT message, WPARAM wParam, LPARAM lParam,
                                               LRESULT& lResult)
{
    (void)pEdit;
    (void)message;
    (void)wParam;
    (void)lParam;
    (void)lResult;
    return false;
}

// ---- editing ------------------------------------------------------------------------------------

bool CExtBarTextFieldButton::EditVerifyCallback(CInPlaceEditWnd& edit, LPVOID pCookie, const CString& sOld,
                                                const CString& sNew)
{
    return static_cast<CExtBarTextFieldButton*>(pCookie)->OnVerifyText(&edit, sOld, sNew);
}

void CExtBarTextFieldButton::EditChangedCallback(CInPlaceEditWnd& edit, LPVOID pCookie, const CString& sText)
{
    static_cast<CExtBarTextFieldButton*>(pCookie)->OnTextChanged(&edit, sText);
}

CExtBarTextFieldButton::CInPlaceEditWnd* CExtBarTextFieldButton::CreateInplaceEdit()
{
    auto* pEdit = new CInPlaceEditWnd(this, &m_sEditText, EditVerifyCallback, EditChangedCallback, this);
    if (!pEdit->Create(GetEditRectOfButton()))
    {
        delete pEdit;
        m_sEditText.Empty();
        return nullptr;
    }
    return pEdit;
}

void CExtBarTextFieldButton::CancelEditing()
{
    if (GetInplaceEdit() != nullptr)
        OnInplaceEditCancel();
}

void CExtBarTextFieldButton::OnInplaceEdit()
{
    CExtToolControlBar* pBar = m_pBar;
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr || IsFieldHidden() || GetInplaceEdit() != nullptr ||
        CInPlaceEditWnd::GetAlive() != nullptr)
        return;
    const HWND hWndBar = pBar->GetSafeHwnd();
    CRuntimeClass* pClass = GetRuntimeClass();
    m_sEditText = m_sFieldText;
    CInPlaceEditWnd* pEdit = CreateInplaceEdit();
    if (pEdit == nullptr)
        return;
    SetCtrl(pEdit, true);
    RedrawButton(false);
    const HWND hWndEdit = pEdit->GetSafeHwnd();
    // The button may be removed from its bar by anything the loop dispatches: from here on it is
    // reached only after it has been found in the bar again.
    bool bQuit = false;
    int nQuitCode = 0;
    while (::IsWindow(hWndEdit))
    {
        MSG msg;
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            ::WaitMessage();
            continue;
        }
        if (msg.message == WM_ACTIVATEAPP || msg.message == WM_CANCELMODE)
            break;
        const bool bOther = msg.hwnd != hWndEdit;
        if (bOther && (IsMousePress(msg.message) || IsKeyMessage(msg.message)))
            break;
        if (bOther && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MBUTTONDBLCLK)
        {
            ::PeekMessageW(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE);
            continue;
        }
        if (!AfxPumpPeekedMessage(msg))
        {
            bQuit = true;
            nQuitCode = (int)AfxGetCurrentMessage()->wParam;
            break;
        }
    }
    if (bQuit)
        ::PostQuitMessage(nQuitCode);
    if (IsButtonInBar(this, pClass, pBar, hWndBar) && GetInplaceEdit() != nullptr)
        OnInplaceEditCancel();
}

void CExtBarTextFieldButton::OnInplaceEditComplete()
{
    SetFieldText(m_sEditText, true);
    OnInplaceEditCancel();
}

void CExtBarTextFieldButton::OnInplaceEditCancel()
{
    if (CInPlaceEditWnd* pEdit = GetInplaceEdit())
    {
        // Detached first, the edit's own focus loss does not come back here.
        pEdit->DetachButton();
        SetCtrl(nullptr);
    }
    m_sEditText.Empty();
    RedrawButton(false);
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr)
        return;
    CWnd* pFocus = m_pBar->m_pDockSite != nullptr ? static_cast<CWnd*>(m_pBar->m_pDockSite) : m_pBar->GetParent();
    if (pFocus != nullptr && pFocus->GetSafeHwnd() != nullptr)
        pFocus->SetFocus();
}
