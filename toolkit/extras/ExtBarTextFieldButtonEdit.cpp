// CExtBarTextFieldButton::CInPlaceEditWnd: the in-place edit over a text field: its creation, the
// pre-translation of clipboard keys and outside presses, and its window procedure.
#include "platform/Dc.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/extras/ExtBarTextFieldButton.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{

const int kEditFrame = 2; // the non-client frame on every side
// DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTCHARS.
const LRESULT kDlgCode = DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTCHARS;

bool IsKeyDown(int nVirtKey) { return (::GetKeyState(nVirtKey) & 0x8000) != 0; }

} // namespace

CExtBarTextFieldButton::CInPlaceEditWnd* CExtBarTextFieldButton::CInPlaceEditWnd::g_pAlive = nullptr;

CExtBarTextFieldButton::CInPlaceEditWnd::CInPlaceEditWnd(CExtBarTextFieldButton* pButton, CString* pTarget,
                                                         VerifyCallback_t pCbVerify, ChangedCallback_t pCbChanged,
                                                         LPVOID pCbCookie)
    : m_pButton(pButton), m_pTarget(pTarget), m_pCbVerify(pCbVerify), m_pCbChanged(pCbChanged), m_pCbCookie(pCbCookie),
      m_pBar(pButton != nullptr ? pButton->GetBar() : nullptr),
      m_hWndBar(m_pBar != nullptr ? m_pBar->GetSafeHwnd() : nullptr),
      m_pButtonClass(pButton != nullptr ? pButton->GetRuntimeClass() : nullptr), m_bClosing(false)
{}

CExtBarTextFieldButton::CInPlaceEditWnd::~CInPlaceEditWnd()
{
    if (g_pAlive == this)
        g_pAlive = nullptr;
}

bool CExtBarTextFieldButton::CInPlaceEditWnd::Create(const RECT& rc)
{
    CExtBarTextFieldButton* pButton = GetLiveButton();
    if (pButton == nullptr || g_pAlive != nullptr)
        return false;
    if (!CEdit::Create(kEditStyle, rc, m_pBar, pButton->GetCmdID(false)))
        return false;
    g_pAlive = this;
    SetFont(&g_PaintManagerHolder->m_fontNormal, FALSE);
    SetWindowText(*m_pTarget);
    SetSel(0, -1, TRUE);
    SendMessage(EM_SCROLLCARET);
    SetFocus();
    return true;
}

CExtBarTextFieldButton* CExtBarTextFieldButton::CInPlaceEditWnd::GetLiveButton() const
{
    return IsButtonInBar(m_pButton, m_pButtonClass, m_pBar, m_hWndBar) ? m_pButton : nullptr;
}

void CExtBarTextFieldButton::CInPlaceEditWnd::DetachButton()
{
    m_pButton = nullptr;
    m_pTarget = nullptr;
}

void CExtBarTextFieldButton::CInPlaceEditWnd::PostCancel()
{
    m_bClosing = true;
    PostMessage(kMsgCancelEdit);
}

void CExtBarTextFieldButton::CInPlaceEditWnd::PostNcDestroy()
{
    if (g_pAlive == this)
        g_pAlive = nullptr;
    // A button that still holds the edit (its window went with the bar) forgets it.
    if (CExtBarTextFieldButton* pButton = GetLiveButton())
    {
        if (pButton->m_pCtrl == this)
            pButton->m_pCtrl = nullptr;
    }
    delete this;
}

BOOL CExtBarTextFieldButton::CInPlaceEditWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_bClosing || GetLiveButton() == nullptr)
        return CEdit::PreTranslateMessage(pMsg);
    const UINT message = pMsg->message;
    if (message == WM_KEYDOWN && !IsKeyDown(VK_MENU))
    {
        const bool bCtrl = IsKeyDown(VK_CONTROL), bShift = IsKeyDown(VK_SHIFT);
        const WPARAM vk = pMsg->wParam;
        UINT nCommand = 0;
        if (bCtrl && (vk == VK_INSERT || vk == 'C'))
            nCommand = WM_COPY;
        else if ((bCtrl && vk == 'V') || (bShift && vk == VK_INSERT))
            nCommand = WM_PASTE;
        else if ((bCtrl && vk == 'X') || (bShift && vk == VK_DELETE))
            nCommand = WM_CUT;
        if (nCommand != 0)
        {
            SendMessage(nCommand);
            return TRUE;
        }
        if (bCtrl && vk == 'A')
        {
            SetSel(0, -1, TRUE);
            SendMessage(EM_SCROLLCARET);
            return TRUE;
        }
    }
    if ((message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
         message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN || message == WM_NCMBUTTONDOWN) &&
        pMsg->hwnd != m_hWnd)
    {
        PostCancel();
        return CEdit::PreTranslateMessage(pMsg);
    }
    if (pMsg->hwnd == m_hWnd && message >= WM_KEYFIRST && message <= WM_KEYLAST)
    {
        // Keys for the edit go straight to it: no accelerator of the frame takes them.
        ::TranslateMessage(pMsg);
        ::DispatchMessageW(pMsg);
        return TRUE;
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void CExtBarTextFieldButton::CInPlaceEditWnd::TakeWindowText()
{
    CString sText;
    GetWindowText(sText);
    if (m_pCbVerify == nullptr || m_pCbVerify(*this, m_pCbCookie, *m_pTarget, sText))
        *m_pTarget = sText;
}

LRESULT CExtBarTextFieldButton::CInPlaceEditWnd::GuardedEdit(UINT message, WPARAM wParam, LPARAM lParam)
{
    CString sOld;
    GetWindowText(sOld);
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    SetRedraw(FALSE);
    const HWND hWndOwn = m_hWnd;
    const LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
    if (!::IsWindow(hWndOwn))
        return lResult;
    CString sNew;
    GetWindowText(sNew);
    if (sNew != sOld && m_pCbVerify != nullptr && GetLiveButton() != nullptr &&
        !m_pCbVerify(*this, m_pCbCookie, sOld, sNew))
    {
        SetSel(0, -1, TRUE);
        ReplaceSel(sOld);
        SetSel(nStart, nEnd, TRUE);
        SendMessage(EM_SCROLLCARET);
    }
    SetRedraw(TRUE);
    Invalidate();
    UpdateWindow();
    return lResult;
}

LRESULT CExtBarTextFieldButton::CInPlaceEditWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CExtBarTextFieldButton* pButton = GetLiveButton();
    if (pButton == nullptr)
        return CEdit::WindowProc(message, wParam, lParam);
    LRESULT lResult = 0;
    if (pButton->OnInplaceEditHook(this, message, wParam, lParam, lResult))
        return lResult;
    if (!m_bClosing && (CExtPopupMenuWnd::IsMenuTracking() || CExtControlBar::GetDraggedBar() != nullptr))
        PostCancel();
    // After OnInplaceEditCancel or OnInplaceEditComplete this object is gone: nothing follows them.
    switch (message)
    {
    case kMsgCancelEdit: pButton->OnInplaceEditCancel(); return 0;
    case WM_NCCALCSIZE:
    {
        lResult = CEdit::WindowProc(message, wParam, lParam);
        RECT* prc = (RECT*)lParam;
        if (prc != nullptr)
        {
            ::InflateRect(prc, -kEditFrame, -kEditFrame);
            prc->right = prc->right < prc->left ? prc->left : prc->right;
            prc->bottom = prc->bottom < prc->top ? prc->top : prc->bottom;
        }
        return lResult;
    }
    case WM_NCPAINT:
    {
        CRect rcWnd, rcClient;
        GetWindowRect(&rcWnd);
        GetClientRect(&rcClient);
        ClientToScreen(&rcClient);
        rcClient.OffsetRect(-rcWnd.left, -rcWnd.top);
        rcWnd.OffsetRect(-rcWnd.left, -rcWnd.top);
        CWindowDC dc(this);
        dc.ExcludeClipRect(&rcClient);
        dc.FillSolidRect(&rcWnd, g_PaintManagerHolder->GetTranslatedColor(COLOR_WINDOW, this));
        return 0;
    }
    case WM_GETDLGCODE: return kDlgCode;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_CONTEXTMENU: return 0;
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
        CEdit::WindowProc(message, wParam, lParam);
        pButton->OnInplaceEditCancel();
        return 0;
    case WM_SYSKEYDOWN:
        // Alt with or without another key.
        pButton->OnInplaceEditCancel();
        return 0;
    case WM_KEYDOWN:
        if (IsKeyDown(VK_MENU) || wParam == VK_ESCAPE)
        {
            pButton->OnInplaceEditCancel();
            return 0;
        }
        if ((wParam == VK_UP || wParam == VK_DOWN) && pButton->IsCombo())
        {
            // The typed text is committed as Enter commits it, then the list opens.
            TakeWindowText();
            CExtToolControlBar* pBar = m_pBar;
            const HWND hWndBar = m_hWndBar;
            CRuntimeClass* pClass = m_pButtonClass;
            pButton->OnInplaceEditComplete();
            if (IsButtonInBar(pButton, pClass, pBar, hWndBar))
                pButton->TrackButtonMenu(CPoint(0, 0), true, false);
            return 0;
        }
        if (wParam == VK_RETURN)
        {
            TakeWindowText();
            pButton->OnInplaceEditComplete();
            return 0;
        }
        return GuardedEdit(message, wParam, lParam);
    case WM_CHAR:
        if (IsKeyDown(VK_MENU))
        {
            pButton->OnInplaceEditCancel();
            return 0;
        }
        return GuardedEdit(message, wParam, lParam);
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
        // Clipboard changes pass the verification like typed ones.
        return GuardedEdit(message, wParam, lParam);
    default: return CEdit::WindowProc(message, wParam, lParam);
    }
}
