// CExtComboEditCtrlHook: the edit part of the toolkit's combo box.
#include "toolkit/menus_dialogs/ExtComboEditCtrlHook.h"
#include "toolkit/menus_dialogs/ExtComboBox.h"
#include "toolkit/menus_dialogs/ExtControlHelpers.h"

IMPLEMENT_DYNCREATE(CExtComboEditCtrlHook, CExtEditBase)

CExtComboEditCtrlHook::CExtComboEditCtrlHook() {}

CExtComboEditCtrlHook::~CExtComboEditCtrlHook() {}

CExtComboBox* CExtComboEditCtrlHook::GetComboBox() const
{
    if (GetSafeHwnd() == nullptr)
        return nullptr;
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CExtComboBox)))
        return nullptr;
    return (CExtComboBox*)pParent;
}

INT_PTR CExtComboEditCtrlHook::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    (void)pTI;
    HWND hWndCombo = ::GetParent(m_hWnd);
    CWnd* pCombo = CWnd::FromHandlePermanent(hWndCombo);
    if (pCombo != nullptr)
    {
        ::MapWindowPoints(m_hWnd, hWndCombo, &point, 1);
        CExtControlHelpers::TakeToolBarTip(pCombo, point, const_cast<CToolTipCtrl&>(m_wndToolTip),
                                           const_cast<CExtComboEditCtrlHook*>(this));
    }
    return -1;
}

void CExtComboEditCtrlHook::DisarmCompletion()
{
    if (CExtComboBox* pCombo = GetComboBox())
        pCombo->m_nComboFlags &= (BYTE)~CExtComboBox::kComboCompleteArmed;
}

bool CExtComboEditCtrlHook::OnComboContextMenuMsg(LPARAM lParam)
{
    if ((m_nEditBaseFlags & kHandleEditCommands) == 0)
        return false;
    CExtComboBox* pCombo = GetComboBox();
    if (pCombo != nullptr)
    {
        if ((pCombo->m_nComboFlags & CExtComboBox::kComboEditCommands) != 0)
            m_nEditBaseFlags |= kHandleEditCommands;
        else
            m_nEditBaseFlags &= (BYTE)~kHandleEditCommands;
    }
    SetFocus();
    const HWND hWndCombo = pCombo != nullptr ? pCombo->GetSafeHwnd() : nullptr;
    if (!OnContextMenuMsg(lParam))
        return false;
    if (hWndCombo != nullptr && ::IsWindow(hWndCombo))
        ::RedrawWindow(hWndCombo, nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    return true;
}

LRESULT CExtComboEditCtrlHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO: DisarmCompletion(); break;
    case WM_COMMAND:
        if (LOWORD(wParam) >= ID_CMD_EDIT_FIRST && LOWORD(wParam) <= ID_CMD_EDIT_LAST)
            DisarmCompletion();
        break;
    case WM_CONTEXTMENU:
        if (OnComboContextMenuMsg(lParam))
            return 0;
        return CEdit::WindowProc(message, wParam, lParam);
    default: break;
    }
    return CExtEditBase::WindowProc(message, wParam, lParam);
}
