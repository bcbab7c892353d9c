// CExtPopupMenuWnd::CInPlaceEditWnd: the text field of a menu item.
#include "toolkit/menus_dialogs/ExtPopupMenuInplaceEdit.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

typedef CExtPopupMenuWnd::CInPlaceEditWnd CInPlaceEditWnd;

const UINT CInPlaceEditWnd::g_nMsgDeleteSelection =
    ::RegisterWindowMessageW(L"CExtPopupMenuWnd::CInPlaceEditWnd::g_nMsgDeleteSelection");
const UINT CInPlaceEditWnd::g_nMsgSelectAll =
    ::RegisterWindowMessageW(L"CExtPopupMenuWnd::CInPlaceEditWnd::g_nMsgSelectAll");

CInPlaceEditWnd::CInPlaceEditWnd(CString* pTarget, EditVerifyCallback_t pCbVerify, EditChangedCallback_t pCbChanged,
                                 EditWndProcCallback_t pCbWndProc, LPVOID pCookie)
    : m_pCbVerifyTextInput(pCbVerify), m_pCbPutTextInputResult(pCbChanged), m_pCbWndProc(pCbWndProc),
      m_pCbCookie(pCookie), m_pTarget(pTarget), m_bCommitted(false)
{}

CInPlaceEditWnd::~CInPlaceEditWnd() {}

bool CInPlaceEditWnd::Create(CExtPopupMenuWnd* pPopup, const CRect& rcEdit, UINT nDlgCtrlID)
{
    if (pPopup == nullptr || pPopup->GetSafeHwnd() == nullptr || GetSafeHwnd() != nullptr)
        return false;
    m_bCommitted = false;
    m_sTextAtCreation = m_pTarget != nullptr ? *m_pTarget : CString();
    if (!CWnd::CreateEx(0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, rcEdit, pPopup, nDlgCtrlID))
        return false;
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    SendMessage(WM_SETFONT, (WPARAM)pPM->m_fontNormal.GetSafeHandle(), TRUE);
    SetWindowText(m_sTextAtCreation);
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET, 0, 0);
    return true;
}

CExtPopupMenuWnd* CInPlaceEditWnd::GetPopupMenu() const
{
    if (GetSafeHwnd() == nullptr)
        return nullptr;
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(GetSafeHwnd()));
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CExtPopupMenuWnd)))
        return nullptr;
    return (CExtPopupMenuWnd*)pParent;
}

void CInPlaceEditWnd::PostNcDestroy() { delete this; }

void CInPlaceEditWnd::DetachFromPopup()
{
    CExtPopupMenuWnd* pPopup = GetPopupMenu();
    if (pPopup == nullptr)
        return;
    for (int i = 0; i < pPopup->GetItemCount(); ++i)
        if (pPopup->GetItemAt(i).m_pInplaceEditWnd == this)
            pPopup->GetItemAt(i).m_pInplaceEditWnd = nullptr;
}

LRESULT CInPlaceEditWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pCbWndProc != nullptr)
    {
        LRESULT lResult = 0;
        if (m_pCbWndProc(lResult, message, wParam, lParam, *this, m_pCbCookie))
            return lResult;
    }
    if (message == g_nMsgDeleteSelection)
    {
        OnDeleteSelection();
        return 0;
    }
    if (message == g_nMsgSelectAll)
    {
        SetSel(0, -1);
        SendMessage(EM_SCROLLCARET, 0, 0);
        return 0;
    }
    switch (message)
    {
    case WM_NCCALCSIZE: OnNcCalcSize(lParam); return 0;
    case WM_NCPAINT: OnNcPaint(); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_CONTEXTMENU: return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
        {
            OnKeyEscape();
            return 0;
        }
        if (wParam == VK_MENU || (::GetAsyncKeyState(VK_MENU) & 0x8000) != 0)
        {
            if (CExtPopupMenuWnd* pPopup = GetPopupMenu())
                pPopup->PostMessage(WM_CANCELMODE, 0, 0);
            return 0;
        }
        if (wParam == VK_RETURN)
        {
            OnKeyEnter();
            return 0;
        }
        return GuardedEdit(message, wParam, lParam);
    // Text changes by the clipboard and undo are validated as typed keys are.
    case WM_CHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO: return GuardedEdit(message, wParam, lParam);
    case WM_KILLFOCUS:
        ShowWindow(SW_HIDE);
        if (!m_bCommitted && m_pTarget != nullptr)
            SetWindowText(*m_pTarget);
        break;
    case WM_DESTROY: DetachFromPopup(); break;
    default: break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}

void CInPlaceEditWnd::OnNcCalcSize(LPARAM lParam)
{
    RECT* pRect = (RECT*)lParam;
    pRect->left += 1;
    pRect->top += 1;
    pRect->bottom -= 2;
}

void CInPlaceEditWnd::OnNcPaint()
{
    CRect rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    if (rcWindow == rcClient)
        return;
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
    CWindowDC dc(this);
    dc.ExcludeClipRect(&rcClient);
    dc.FillSolidRect(&rcWindow, g_PaintManagerHolder->GetTranslatedColor(COLOR_WINDOW, this));
}

void CInPlaceEditWnd::OnKeyEscape()
{
    CExtPopupMenuWnd* pPopup = GetPopupMenu();
    if (pPopup == nullptr)
        return;
    const HWND hWndPopup = pPopup->GetSafeHwnd();
    const int nItem = pPopup->GetCurrentItem();
    pPopup->SetFocus();
    if (!::IsWindow(hWndPopup))
        return;
    pPopup->ReleaseCurrentItem(false);
    if (::IsWindow(hWndPopup) && nItem >= 0)
        pPopup->SetCurrentItem(nItem, false, true, false);
}

void CInPlaceEditWnd::OnKeyEnter()
{
    const HWND hWnd = GetSafeHwnd();
    m_bCommitted = true;
    CString sText;
    GetWindowText(sText);
    bool bStore = true;
    if (m_pCbVerifyTextInput != nullptr)
    {
        CString sNew(sText);
        bStore = m_pCbVerifyTextInput(*this, m_pCbCookie, sNew, sText);
    }
    if (bStore && ::IsWindow(hWnd))
    {
        if (m_pCbPutTextInputResult != nullptr)
            m_pCbPutTextInputResult(*this, m_pCbCookie, sText);
        else if (m_pTarget != nullptr)
            *m_pTarget = sText;
    }
    if (!::IsWindow(hWnd))
        return;
    if (CExtPopupMenuWnd* pPopup = GetPopupMenu())
        pPopup->PostMessage(WM_CANCELMODE, 0, 0);
}

void CInPlaceEditWnd::OnDeleteSelection()
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    if (nStart != nEnd)
    {
        ReplaceSel(L"");
        return;
    }
    SetRedraw(FALSE);
    SetSel(nStart, nStart + 1);
    ReplaceSel(L"");
    SetSel(nStart, nStart);
    SetRedraw(TRUE);
    Invalidate();
}

LRESULT CInPlaceEditWnd::GuardedEdit(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = GetSafeHwnd();
    CString sOld;
    GetWindowText(sOld);
    int nOldStart = 0, nOldEnd = 0;
    GetSel(nOldStart, nOldEnd);
    SetRedraw(FALSE);
    const LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
    if (!::IsWindow(hWnd))
        return lResult;
    CString sNew;
    GetWindowText(sNew);
    if (m_pCbVerifyTextInput != nullptr && !m_pCbVerifyTextInput(*this, m_pCbCookie, sNew, sOld) && ::IsWindow(hWnd))
    {
        SetSel(0, -1);
        ReplaceSel(sOld);
        SetSel(nOldStart, nOldEnd);
        SendMessage(EM_SCROLLCARET, 0, 0);
    }
    if (!::IsWindow(hWnd))
        return lResult;
    SetRedraw(TRUE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return lResult;
}
