// CExtButton: the drop-down and split menus, their placement, the joined area and the transfer of
// the button's menu into other popups.
#include "platform/Dc.h"
#include "platform/MiniDockFrameWnd.h"
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

UINT CExtButton::CalcMenuPlacement(HWND* phWndReceiver) const
{
    UINT nPlacement = m_dwMenuOpt;
    HWND hWndReceiver = ::GetParent(m_hWnd);
    bool bDecided = false;
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr &&
            (CExtMenuKindOf::IsMiniDockFrame(pWnd) || pWnd->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd))))
        {
            HWND hWndFrame = ::GetWindow(hWnd, GW_OWNER);
            hWndReceiver = hWndFrame != nullptr ? hWndFrame : ::GetParent(hWnd);
            break;
        }
        if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CControlBar)))
        {
            hWndReceiver = hWnd;
            break;
        }
        if (bDecided || pWnd->IsKindOf(RUNTIME_CLASS(CDockBar)))
            continue;
        CControlBar* pBar = (CControlBar*)pWnd;
        if (!CExtMenuKindOf::IsDocked(pBar) && !CExtMenuKindOf::IsFloating(pBar))
            continue;
        bDecided = true;
        nPlacement &= ~(UINT)0x0F;
        switch (CExtMenuKindOf::DockBarId(pBar))
        {
        case AFX_IDW_DOCKBAR_LEFT: nPlacement |= CExtPopupMenuWnd::TRACK_ALIGN_RIGHT_OF; break;
        case AFX_IDW_DOCKBAR_RIGHT: nPlacement |= CExtPopupMenuWnd::TRACK_ALIGN_LEFT_OF; break;
        case AFX_IDW_DOCKBAR_BOTTOM: nPlacement |= CExtPopupMenuWnd::TRACK_ALIGN_ABOVE; break;
        default: nPlacement |= CExtPopupMenuWnd::TRACK_ALIGN_BELOW; break;
        }
    }
    if (phWndReceiver != nullptr)
        *phWndReceiver = hWndReceiver;
    return nPlacement;
}

bool CExtButton::IsOwnMenuOpen() const
{
    return m_hWndMenuOpen != nullptr && ::IsWindow(m_hWndMenuOpen) && ::IsWindowVisible(m_hWndMenuOpen);
}

void CExtButton::PaintJoinedArea(LPVOID pCookie, CDC& dc, const CWnd& wndPopup, const CRect& rcArea)
{
    (void)rcArea;
    CExtButton* pButton = (CExtButton*)pCookie;
    if (pButton == nullptr || pButton->GetSafeHwnd() == nullptr || wndPopup.GetSafeHwnd() == nullptr)
        return;
    CRect rcButton, rcPopup;
    ::GetWindowRect(pButton->m_hWnd, &rcButton);
    ::GetWindowRect(wndPopup.GetSafeHwnd(), &rcPopup);
    CPoint ptOffset = rcButton.TopLeft() - rcPopup.TopLeft();
    CPoint ptOldOrg = dc.OffsetViewportOrg(ptOffset.x, ptOffset.y);
    pButton->PaintButton(dc, true);
    dc.SetViewportOrg(ptOldOrg);
}

bool CExtButton::TrackDropDownMenu(bool bSelectFirstItem)
{
    HMENU hMenu = m_menu.GetSafeHmenu();
    if (hMenu == nullptr)
        return false;
    g_CmdManagerHolder->UpdateFromMenu(g_CmdManagerHolder->FindProfileNameForWindow(m_hWnd), hMenu);
    CExtPopupMenuWnd* pPopup = new CExtPopupMenuWnd;
    pPopup->SetLeftAreaWidth(m_nMenuLeftAreaWidth);
    HWND hWndReceiver = nullptr;
    UINT nFlags = CalcMenuPlacement(&hWndReceiver);
    if (!pPopup->UpdateFromMenu(hWndReceiver, hMenu, true, true))
    {
        // Nothing to show: the click ends here.
        delete pPopup;
        return true;
    }
    CRect rcWnd;
    ::GetWindowRect(m_hWnd, &rcWnd);
    CPoint pt((rcWnd.left + rcWnd.right) / 2, (rcWnd.top + rcWnd.bottom) / 2);
    ::SetFocus(m_hWnd);
    nFlags |= CExtPopupMenuWnd::TRACK_COMBINE_DEFAULT;
    if (bSelectFirstItem)
        nFlags |= CExtPopupMenuWnd::TRACK_SELECT_ANY;
    if ((m_nStateFlags & kStateAdoptCmd) == 0)
    {
        if (!pPopup->TrackPopupMenu(nFlags, pt.x, pt.y, &rcWnd, this, PaintJoinedArea))
            delete pPopup;
        else
            m_hWndMenuOpen = pPopup->GetSafeHwnd();
        return true;
    }
    HWND hWnd = m_hWnd;
    UINT nCmdId = 0;
    nFlags |= CExtPopupMenuWnd::TRACK_DO_MESSAGE_LOOP | CExtPopupMenuWnd::TRACK_NO_CMD_DELIVERY;
    if (!pPopup->TrackPopupMenu(nFlags, pt.x, pt.y, &rcWnd, this, PaintJoinedArea, &nCmdId))
    {
        delete pPopup;
        return true;
    }
    if (nCmdId == 0 || !::IsWindow(hWnd))
        return true;
    ::SetWindowLongPtrW(hWnd, GWLP_ID, (LONG_PTR)nCmdId);
    if ((m_nStateFlags2 & kAdoptTextAndIcon) != 0)
    {
        LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(hWndReceiver);
        CExtCmdItem* pItem = g_CmdManagerHolder->LookupCommand(lpszProfile, nCmdId);
        if (pItem != nullptr)
            ::SetWindowTextW(hWnd, !pItem->m_sToolbarText.IsEmpty() ? pItem->m_sToolbarText : pItem->m_sMenuText);
        CExtCmdIcon* pIcon = g_CmdManagerHolder->GetCommandIcon(lpszProfile, nCmdId);
        HICON hIcon = nullptr;
        if (pIcon != nullptr && !pIcon->IsEmpty() && pIcon->GetIcon() != nullptr)
            hIcon = ::CopyIcon(pIcon->GetIcon());
        SetIcon(hIcon, nullptr);
    }
    HWND hWndParent = ::GetParent(hWnd);
    if (hWndParent != nullptr)
        ::SendMessageW(hWndParent, WM_COMMAND, MAKEWPARAM(nCmdId, 0), (LPARAM)hWnd);
    if (::IsWindow(hWnd))
        Repaint();
    return true;
}

bool CExtButton::PutToPopupMenu(CExtPopupMenuWnd* pPopup)
{
    HMENU hMenu = m_menu.GetSafeHmenu();
    if (hMenu == nullptr || pPopup == nullptr)
        return false;
    HWND hWndReceiver = pPopup->GetCmdReceiverHWND();
    CExtPopupMenuWnd* pSub = new CExtPopupMenuWnd;
    pSub->CreatePopupMenu(hWndReceiver);
    pSub->UpdateFromMenu(hWndReceiver, hMenu, true, true);
    CString sText;
    LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(hWndReceiver);
    CExtCmdItem* pItem = g_CmdManagerHolder->LookupCommand(lpszProfile, (UINT)::GetDlgCtrlID(m_hWnd));
    if (pItem != nullptr)
        sText = pItem->m_sMenuText;
    if (sText.IsEmpty())
        GetWindowText(sText);
    // The popup keeps its own copy of the icon.
    if (!pPopup->InsertSubMenu(pSub, -1, sText, m_hIconIn))
    {
        delete pSub;
        return false;
    }
    return true;
}
