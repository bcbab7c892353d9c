// CExtRadioButton: click, group walks and the radio circle.
#include "toolkit/menus_dialogs/ExtRadioButton.h"
#include <set>

IMPLEMENT_DYNCREATE(CExtRadioButton, CExtCheckBox)

CExtRadioButton::CExtRadioButton() {}

bool CExtRadioButton::IsRadioWindow(HWND hWnd, CExtRadioButton** ppRadio)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CExtRadioButton)))
        return false;
    CExtRadioButton* pRadio = (CExtRadioButton*)pWnd;
    if (pRadio->m_nButtonType != BS_RADIOBUTTON && pRadio->m_nButtonType != BS_AUTORADIOBUTTON)
        return false;
    *ppRadio = pRadio;
    return true;
}

// Walks the dialog group from hWndStart; calls fn for each other window until fn answers true,
// the walk comes back, meets no window, repeats a window or has taken as many steps as there are
// children of the parent.
template <typename Fn> static void WalkGroup(HWND hWndStart, bool bForward, Fn fn)
{
    HWND hWndParent = ::GetParent(hWndStart);
    if (hWndParent == nullptr)
        return;
    int nChildren = 0;
    for (HWND h = ::GetWindow(hWndParent, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        ++nChildren;
    std::set<HWND> seen;
    HWND hWnd = hWndStart;
    for (int nStep = 0; nStep < nChildren; ++nStep)
    {
        hWnd = ::GetNextDlgGroupItem(hWndParent, hWnd, bForward ? FALSE : TRUE);
        if (hWnd == nullptr || hWnd == hWndStart || !seen.insert(hWnd).second)
            return;
        if (fn(hWnd))
            return;
    }
}

int CExtRadioButton::UncheckGroupOthers()
{
    int nCount = 0;
    WalkGroup(m_hWnd, true, [&nCount](HWND hWnd) {
        CExtRadioButton* pRadio = nullptr;
        if (IsRadioWindow(hWnd, &pRadio) && ::SendMessageW(hWnd, BM_GETCHECK, 0, 0) == 1)
        {
            ::SendMessageW(hWnd, BM_SETCHECK, 0, 0);
            ::SetWindowLongW(hWnd, GWL_STYLE, ::GetWindowLongW(hWnd, GWL_STYLE) & ~WS_TABSTOP);
            ::InvalidateRect(hWnd, nullptr, FALSE);
            ++nCount;
        }
        return false;
    });
    return nCount;
}

CExtRadioButton* CExtRadioButton::FindGroupRadio(bool bForward) const
{
    CExtRadioButton* pFound = nullptr;
    WalkGroup(m_hWnd, bForward, [&pFound](HWND hWnd) {
        CExtRadioButton* pRadio = nullptr;
        DWORD dwStyle = (DWORD)::GetWindowLongW(hWnd, GWL_STYLE);
        if (IsRadioWindow(hWnd, &pRadio) && (dwStyle & WS_VISIBLE) != 0 && (dwStyle & WS_DISABLED) == 0)
        {
            pFound = pRadio;
            return true;
        }
        return false;
    });
    return pFound;
}

void CExtRadioButton::OnClick(bool bFromKeyboard, bool bOnDropDownPart)
{
    if (!IsCheckType())
    {
        CExtCheckBox::OnClick(bFromKeyboard, bOnDropDownPart);
        return;
    }
    HWND hWnd = m_hWnd;
    int nCheck = (int)::SendMessageW(hWnd, BM_GETCHECK, 0, 0);
    if (nCheck == 0)
    {
        nCheck = 1;
        if (::IsWindowEnabled(hWnd))
            UncheckGroupOthers();
    }
    ::SendMessageW(hWnd, BM_SETCHECK, nCheck, 0);
    ::SetWindowLongW(hWnd, GWL_STYLE, ::GetWindowLongW(hWnd, GWL_STYLE) | WS_TABSTOP);
    HWND hWndParent = ::GetParent(hWnd);
    if (hWndParent != nullptr)
        ::SendMessageW(hWndParent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hWnd), 0), (LPARAM)hWnd);
    if (::IsWindow(hWnd))
        Repaint();
}

BOOL CExtRadioButton::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == m_hWnd && pMsg->message == WM_KEYDOWN && ::GetParent(m_hWnd) != nullptr &&
        (pMsg->wParam == VK_LEFT || pMsg->wParam == VK_UP || pMsg->wParam == VK_RIGHT || pMsg->wParam == VK_DOWN))
    {
        bool bForward = pMsg->wParam == VK_RIGHT || pMsg->wParam == VK_DOWN;
        CExtRadioButton* pNext = FindGroupRadio(bForward);
        if (pNext != nullptr && ::SendMessageW(pNext->m_hWnd, BM_GETCHECK, 0, 0) == 0)
        {
            ::SendMessageW(m_hWnd, BM_SETCHECK, 0, 0);
            ::SetWindowLongW(m_hWnd, GWL_STYLE, ::GetWindowLongW(m_hWnd, GWL_STYLE) & ~WS_TABSTOP);
            HWND hWndNext = pNext->m_hWnd;
            ::SendMessageW(hWndNext, BM_SETCHECK, 1, 0);
            ::SetWindowLongW(hWndNext, GWL_STYLE, ::GetWindowLongW(hWndNext, GWL_STYLE) | WS_TABSTOP);
            ::SetFocus(hWndNext);
            HWND hWndParent = ::GetParent(hWndNext);
            if (hWndParent != nullptr)
                ::SendMessageW(hWndParent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hWndNext), 0), (LPARAM)hWndNext);
            return TRUE;
        }
    }
    return CExtCheckBox::PreTranslateMessage(pMsg);
}

LRESULT CExtRadioButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETDLGCODE)
        return CExtCheckBox::WindowProc(message, wParam, lParam) | DLGC_RADIOBUTTON;
    return CExtCheckBox::WindowProc(message, wParam, lParam);
}

void CExtRadioButton::PaintBox(CDC& dc, CRect& rcBox, CExtPaintManager::PushButtonPaintData& data)
{
    int nCheck = (int)::SendMessageW(m_hWnd, BM_GETCHECK, 0, 0);
    if (nCheck != 1)
        nCheck = 0;
    if (OnPaintBox(dc, rcBox, CalcBoxState(nCheck, data)))
        return;
    dc.DrawFrameControl(&rcBox, DFC_BUTTON, CalcFrameControlState(nCheck, true, data));
}
