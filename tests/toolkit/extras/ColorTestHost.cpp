// The colour test host: the button, the combo and the control, and the combo's mode switch.
#include "ColorTestHost.h"
#include "toolkit/menus_dialogs/ExtPopupColorMenuWnd.h"

bool CColorTestHost::CreateHost(const RECT& rc)
{
    if (!CreateEx(0, AfxRegisterWndClass(0), L"colour test host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, rc, nullptr,
                  0))
        return false;
    HWND hWndButton = ::CreateWindowExW(0, L"button", L"Colour", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 8, 8, 120, 26,
                                        m_hWnd, (HMENU)(UINT_PTR)kIdButton, nullptr, nullptr);
    if (hWndButton == nullptr || !m_btnColor.SubclassWindow(hWndButton))
        return false;
    m_btnColor.m_bUseStdColorDlg = false;
    HWND hWndCombo = ::CreateWindowExW(0, L"combobox", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, 136,
                                       8, 240, 300, m_hWnd, (HMENU)(UINT_PTR)kIdCombo, nullptr, nullptr);
    if (hWndCombo == nullptr || !m_comboMode.SubclassWindow(hWndCombo))
        return false;
    for (int i = 0; i < CExtColorCtrl::kModeCount; i++)
        m_comboMode.AddString(i < CExtColorCtrl::kNamedModes ? CExtColorCtrl::GetModeName(i) : CString(L" difference"));
    m_comboMode.SetCurSel(0);
    if (!m_wndCtrl.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"", WS_CHILD | WS_VISIBLE, 8, 44, 300, 300, m_hWnd,
                            (HMENU)(UINT_PTR)kIdCtrl, nullptr))
        return false;
    m_wndCtrl.RecalcLayout(false);
    return true;
}

void CColorTestHost::OnModeChosen()
{
    if (!m_wndCtrl.SetMode(m_comboMode.GetCurSel()))
        return;
    m_wndCtrl.RecalcLayout(false);
    ::InvalidateRect(m_wndCtrl.m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_wndCtrl.m_hWnd);
}

LRESULT CColorTestHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && LOWORD(wParam) == kIdCombo && HIWORD(wParam) == CBN_SELENDOK)
    {
        OnModeChosen();
        return 0;
    }
    if (message == CExtPopupColorMenuWnd::g_nMsgNotifyColorChangedFinally)
    {
        m_finalColors.push_back((COLORREF)wParam);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
