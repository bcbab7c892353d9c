// CExtPopupMenuWnd: mouse clicks routed by the tracking site, command delivery, closing and
// destruction of the menu chain, and the popup window's messages.
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtSoundPlayer.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

typedef CExtPopupMenuWnd::MENUITEMDATA MENUITEMDATA;

namespace
{
bool IsButtonUp(UINT message)
{
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP || message == WM_NCLBUTTONUP ||
           message == WM_NCRBUTTONUP || message == WM_NCMBUTTONUP;
}

bool IsNonClient(UINT message) { return message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK; }

// The window under the screen point below the popup menus: a menu joined with its bar button covers that button
// with its own window.
HWND WindowUnderMenusAt(const POINT& ptScreen)
{
    HWND hWnd = ::WindowFromPoint(ptScreen);
    CWnd* pWnd = hWnd != nullptr ? CWnd::FromHandlePermanent(hWnd) : nullptr;
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CExtPopupMenuWnd)))
        return hWnd;
    // The next visible top-level window down the window order that holds the point, then its deepest child there.
    HWND hTop = ::GetAncestor(hWnd, GA_ROOT);
    for (;;)
    {
        hTop = ::GetWindow(hTop, GW_HWNDNEXT);
        if (hTop == nullptr)
            return nullptr;
        RECT rc = {};
        if (!::IsWindowVisible(hTop) || !::GetWindowRect(hTop, &rc) || !::PtInRect(&rc, ptScreen))
            continue;
        pWnd = CWnd::FromHandlePermanent(hTop);
        if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CExtPopupMenuWnd)))
            break;
    }
    for (hWnd = hTop;;)
    {
        POINT pt = ptScreen;
        ::ScreenToClient(hWnd, &pt);
        const HWND hChild = ::ChildWindowFromPointEx(hWnd, pt, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (hChild == nullptr || hChild == hWnd)
            return hWnd;
        hWnd = hChild;
    }
}

// Whether the screen point lies on the button whose menu the tool bar under it tracks.
bool IsOnTrackedBarButton(const POINT& ptScreen)
{
    HWND hWndUnder = WindowUnderMenusAt(ptScreen);
    CWnd* pWnd = hWndUnder != nullptr ? CWnd::FromHandlePermanent(hWndUnder) : nullptr;
    CRect rcButton;
    if (!CExtMenuKindOf::TrackedButtonRect(pWnd, rcButton))
        return false;
    POINT pt = ptScreen;
    ::ScreenToClient(hWndUnder, &pt);
    return rcButton.PtInRect(pt) != FALSE;
}
} // namespace

bool CExtPopupMenuWnd::HandleMouseClick(UINT message, int x, int y, bool& bPassOn)
{
    CExtPopupMenuTrackingSite& site = g_TrackingSite;
    const HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr)
        return false;
    if (site.IsClosing() || site.IsEmpty() || site.GetAnimatingPopup() != nullptr)
        return true;
    auto gone = [&]() { return !::IsWindow(hWnd); };
    const CPoint ptClient(x, y);
    POINT ptScreen = {x, y};
    ::ClientToScreen(hWnd, &ptScreen);

    // A click on a child window (an item's text field).
    HWND hWndUnder = ::WindowFromPoint(ptScreen);
    if (SelectChildItemAt(hWndUnder, true))
    {
        bPassOn = true;
        return false;
    }

    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const bool bInside = rcWindow.PtInRect(ptScreen) && GetPopupClientRect().PtInRect(ptClient);
    if ((message == WM_LBUTTONUP || message == WM_NCLBUTTONUP) && !bInside)
    {
        if (m_wndToolTip.GetSafeHwnd() != nullptr && hWndUnder == m_wndToolTip.GetSafeHwnd())
            return true;
        if (m_pWndParentMenu == nullptr)
        {
            if (message == WM_NCLBUTTONUP)
            {
                CloseMenu(false);
                return false;
            }
            if (CExtMenuKindOf::IsToolBarMenuTracking() && !IsOnTrackedBarButton(ptScreen))
                CloseMenu(false);
            return true;
        }
        CExtPopupMenuWnd* pParent = m_pWndParentMenu;
        if (pParent->GetSafeHwnd() == nullptr)
            return false;
        POINT ptParent = ptScreen;
        ::ScreenToClient(pParent->GetSafeHwnd(), &ptParent);
        bool bParentPassOn = false;
        if (!pParent->HandleMouseClick(message, ptParent.x, ptParent.y, bParentPassOn))
            return false;
        if (bParentPassOn)
        {
            bPassOn = true;
            return false;
        }
        if (!gone())
            CloseMenu(false);
        return true;
    }

    bool bInEditArea = false, bOnEditArrow = false;
    const int nHit = bInside ? ItemHitTest(ptClient, &bInEditArea, &bOnEditArrow) : -1;
    const bool bUp = IsButtonUp(message);
    if (bUp && (nHit == AREA_SCROLL_UP || nHit == AREA_SCROLL_DOWN))
    {
        StartScrolling(nHit);
        return true;
    }
    if (nHit < 0)
    {
        if (bUp)
        {
            if (nHit == AREA_EXPAND && HasHiddenItems() && !IsExpanded())
            {
                ExpandRarelyUsedItems();
                return true;
            }
            if (IsNonClient(message))
            {
                CloseMenu(false);
                return true;
            }
            return false;
        }
        // While the bars track their menus a press on the tracked button keeps its menu open, as its release does:
        // passed on, the bar would take it for a new press on a title with no menu open.
        if (CExtMenuKindOf::IsToolBarMenuTracking() && IsOnTrackedBarButton(ptScreen))
            return true;
        // A press on the owner's part of a combined top-level menu closes it.
        if (m_pWndParentMenu == nullptr && (m_nBaseFlags & BASE_FLAG_COMBINED) != 0 && m_rcExclude.PtInRect(ptScreen))
        {
            CloseMenu(false);
            return true;
        }
        return false;
    }

    MENUITEMDATA& mi = m_items[nHit];
    if (!bUp)
        return true;
    const bool bEnabled = mi.IsPopup() || mi.IsEnabled() || mi.IsAlwaysEnabled();
    if (mi.IsSeparator() || !bEnabled)
        return true;
    if (mi.IsInplaceEdit() && !bOnEditArrow)
    {
        if (!IsContextHelpMode())
        {
            CaptureKeyboard();
            SetCurrentItem(nHit, false, true, true);
            if (gone())
                return true;
            CWnd* pEdit = (CWnd*)mi.m_pInplaceEditWnd;
            if ((mi.m_nEditFlags & MENUITEMDATA::kEditAllowed) != 0 && pEdit != nullptr &&
                pEdit->GetSafeHwnd() != nullptr)
            {
                if (!pEdit->IsWindowVisible())
                {
                    CRect rcEdit;
                    GetItemEditRect(nHit, rcEdit);
                    pEdit->SetWindowPos(nullptr, rcEdit.left, rcEdit.top, rcEdit.Width(), rcEdit.Height(),
                                        SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
                }
                pEdit->SetFocus();
            }
        }
        return true;
    }
    if (mi.IsPopup())
    {
        CExtPopupMenuWnd* pSub = mi.GetPopup();
        if (pSub != nullptr && pSub->GetSafeHwnd() != nullptr)
            return false;
        if (bOnEditArrow)
        {
            ReleaseCurrentItem(false);
            if (gone())
                return true;
        }
        SetCurrentItem(nHit, true, true, true);
        return true;
    }
    if (mi.m_pCbItemClick != nullptr)
    {
        if (!IsContextHelpMode())
        {
            mi.m_pCbItemClick(this, mi);
            if (!gone() && IsOnScreen())
            {
                CClientDC dc(this);
                PaintMenu(dc, true);
            }
        }
        return true;
    }
    if (mi.IsInplaceEdit())
    {
        CloseMenu(false);
        return true;
    }
    if (mi.m_pCbCmdDeliver != nullptr && mi.m_pCbCmdDeliver(this, mi))
        return true;
    if (gone())
        return true;
    const UINT nCmdID = (UINT)mi.GetCmdID();
    HWND hWndTarget = mi.GetCmdReceiver();
    EndTrackingWithCommand(nCmdID, hWndTarget);
    return true;
}

bool CExtPopupMenuWnd::EndTrackingWithCommand(UINT nCmdID, HWND hWndCmdReceiver)
{
    CExtPopupMenuTrackingSite& site = g_TrackingSite;
    if (UINT* pResult = site.GetResultPointer())
        *pResult = nCmdID;
    const bool bNoDelivery = (m_nTrackFlags & TRACK_NO_CMD_DELIVERY) != 0 || IsEmbeddedTracking();
    const bool bEmbedded = IsEmbeddedTracking();
    CExtCmdItem* pCmdItem = nullptr;
    if (nCmdID != 0 && (m_nTrackFlags & TRACK_NO_CMD_DELIVERY) == 0)
    {
        const HWND hWndProfile = m_hWndCmdReceiver;
        LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(hWndProfile);
        if (lpszProfile != nullptr)
            pCmdItem = g_CmdManagerHolder->LookupCommand(lpszProfile, nCmdID);
    }
    CExtPopupMenuWnd* pTop = site.GetInstance();
    const HWND hWndTop = pTop != nullptr ? pTop->GetSafeHwnd() : nullptr;
    const HWND hWndTarget = hWndCmdReceiver != nullptr ? hWndCmdReceiver : m_hWndCmdReceiver;

    // Hide the chain and repaint the owner beneath it at once.
    CRect rcUnion(0, 0, 0, 0);
    HWND hWndOwner = nullptr;
    for (CExtPopupMenuWnd* p = this; p != nullptr; p = p->m_pWndParentMenu)
    {
        if (p->GetSafeHwnd() == nullptr)
            continue;
        if (hWndOwner == nullptr)
        {
            hWndOwner = ::GetWindow(p->GetSafeHwnd(), GW_OWNER);
            if (hWndOwner == nullptr)
                hWndOwner = ::GetParent(p->GetSafeHwnd());
        }
        CRect rc;
        if (p->IsWindowVisible())
        {
            p->GetWindowRect(&rc);
            rcUnion.UnionRect(&rcUnion, &rc);
            p->ShowWindow(SW_HIDE);
        }
        if (p->m_wndToolTip.GetSafeHwnd() != nullptr && p->m_wndToolTip.IsWindowVisible())
        {
            p->m_wndToolTip.GetWindowRect(&rc);
            rcUnion.UnionRect(&rcUnion, &rc);
            p->m_wndToolTip.ShowWindow(SW_HIDE);
        }
    }
    if (hWndOwner != nullptr && !rcUnion.IsRectEmpty())
    {
        ::MapWindowPoints(nullptr, hWndOwner, (LPPOINT)&rcUnion, 2);
        if ((::GetWindowLongW(hWndOwner, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0)
            std::swap(rcUnion.left, rcUnion.right);
        ::RedrawWindow(hWndOwner, &rcUnion, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_VALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW |
                           RDW_FRAME);
    }
    if (hWndTop != nullptr)
        ::PostMessageW(hWndTop, WM_CLOSE, 0, 0);
    if (CExtMenuKindOf::IsToolBarMenuTracking())
        CExtMenuKindOf::CloseToolBarMenus();
    // Id 0 closes the chain without a command.
    if (nCmdID == 0 || hWndTarget == nullptr || !::IsWindow(hWndTarget) || bEmbedded)
        return true;
    if (!bNoDelivery)
    {
        if (pCmdItem != nullptr)
            pCmdItem->DeliverToHwnd(hWndTarget, false);
        else
            ::PostMessageW(hWndTarget, WM_COMMAND, nCmdID, 0);
    }
    g_SoundPlayerHolder->PlaySound(CExtSoundPlayer::__ON_MENU_CMD_CLICKED);
    return true;
}

bool CExtPopupMenuWnd::CloseMenu(bool bDestroying)
{
    // A receiver may end the tracking from inside a call-out, deleting this menu: only the handle is asked then.
    const HWND hWnd = GetSafeHwnd();
    auto gone = [&]() { return hWnd != nullptr && (!::IsWindow(hWnd) || CWnd::FromHandlePermanent(hWnd) != this); };
    // A window on its way out is left to the destruction that runs.
    if (IsBeingDestroyed())
        return true;
    if (CWnd* pWndStatus = GetOwnerForStatus())
        CExtMenuKindOf::SetFrameMessageString(pWndStatus, IDS_IDLE_MESSAGE);
    if (gone())
        return true;
    const bool bEmbedded = IsEmbeddedTracking();
    if (!bEmbedded)
    {
        HideTip(false);
        StopAnimation();
        ReleaseKeyboard();
    }
    for (int i = 0; i < GetItemCount(); ++i)
    {
        MENUITEMDATA& mi = m_items[i];
        mi.m_nFlags &= ~MENUITEMDATA::kFlagHighlighted;
        if (mi.IsPopup() && mi.GetPopup() != nullptr && mi.GetPopup()->GetSafeHwnd() != nullptr &&
            !mi.GetPopup()->IsBeingDestroyed())
        {
            mi.GetPopup()->CloseMenu(false);
            if (gone())
                return true;
        }
    }
    m_nCurIndex = -1;
    m_nDelayedSubMenuIndex = -1;
    if (bDestroying)
        return true;
    if (GetSafeHwnd() == nullptr)
        return true;
    // Hiding the active window moves the activation: a deactivation may close the menus meanwhile.
    ShowWindow(SW_HIDE);
    if (gone() || bEmbedded)
        return true;
    SetDelayedSubMenuItem(-1);
    // Destroying the top-level window may delete this menu: read what comes after first.
    const bool bTopLevel = m_pWndParentMenu == nullptr;
    DestroyWindow();
    if (bTopLevel && CExtMenuKindOf::IsToolBarMenuTracking())
        CExtMenuKindOf::CloseToolBarMenus();
    return true;
}

BOOL CExtPopupMenuWnd::DestroyWindow()
{
    for (int i = 0; i < GetItemCount(); ++i)
    {
        MENUITEMDATA& mi = m_items[i];
        CWnd* pEdit = (CWnd*)mi.m_pInplaceEditWnd;
        if (pEdit != nullptr && pEdit->GetSafeHwnd() != nullptr)
            pEdit->DestroyWindow();
        mi.m_pInplaceEditWnd = nullptr;
    }
    if (GetSafeHwnd() == nullptr || IsBeingDestroyed())
        return TRUE;
    m_nStateFlags |= STATE_DESTROYING;
    ++s_nDestroyingPopups;
    // A top-level menu is deleted by its destruction: no member is touched afterwards.
    const BOOL bDone = CExtPopupBaseWnd::DestroyWindow();
    --s_nDestroyingPopups;
    return bDone;
}

void CExtPopupMenuWnd::PostNcDestroy()
{
    m_nStateFlags &= ~STATE_DESTROYING;
    CExtPopupMenuTrackingSite& site = g_TrackingSite;
    m_wndToolTip.HideTip();
    if (!site.IsTopLevel(this) || IsEmbeddedTracking())
        return;
    if (m_hWndCmdReceiver != nullptr && ::IsWindow(m_hWndCmdReceiver))
        ::SendMessageW(m_hWndCmdReceiver, g_nMsgNotifyMenuClosed, 0, (LPARAM)this);
    // The reset deletes this menu.
    if (site.IsTopLevel(this) && !site.IsClosing())
        site.Reset();
}

LRESULT CExtPopupMenuWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: return 0;
    case WM_CANCELMODE:
        if (!IsEmbeddedTracking())
        {
            CancelMenuTracking();
            if (CExtMenuKindOf::IsToolBarMenuTracking())
                CExtMenuKindOf::CloseToolBarMenus();
        }
        return 0;
    case WM_ACTIVATEAPP:
        // Deactivation during a popup's destruction (which may move the activation away) closes the
        // menus once that destruction is over.
        if (wParam == FALSE && !IsBeingDestroyed())
        {
            if (s_nDestroyingPopups > 0 && !IsEmbeddedTracking())
                PostMessage(WM_CANCELMODE);
            else
                CloseMenu(false);
        }
        return 0;
    case WM_SHOWWINDOW:
        if (wParam != FALSE && IsEmbeddedTracking())
            Invalidate(FALSE);
        break;
    case WM_SETCURSOR:
        if (!IsContextHelpMode())
        {
            POINT pt;
            ::GetCursorPos(&pt);
            ScreenToClient(&pt);
            bool bInEdit = false;
            const int nHit = ItemHitTest(CPoint(pt), &bInEdit, nullptr);
            if (nHit >= 0 && bInEdit && (m_items[nHit].IsEnabled() || m_items[nHit].IsAlwaysEnabled()))
            {
                ::SetCursor(::LoadCursorW(nullptr, (LPCWSTR)IDC_IBEAM));
                return TRUE;
            }
        }
        break;
    case WM_MOUSEACTIVATE:
        if (IsEmbeddedTracking())
        {
            for (CExtPopupMenuWnd* p = this; p != nullptr; p = p->m_pWndParentMenu)
                if (p->GetSafeHwnd() != nullptr)
                    p->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
            return MA_NOACTIVATE;
        }
        {
            POINT pt;
            ::GetCursorPos(&pt);
            HWND hWndUnder = ::WindowFromPoint(pt);
            if (hWndUnder != nullptr && hWndUnder != GetSafeHwnd() && ::IsChild(GetSafeHwnd(), hWndUnder))
                return MA_ACTIVATE;
        }
        return MA_NOACTIVATEANDEAT;
    case WM_TIMER:
        if (wParam == ID_TIMER_DELAYED_SUBMENU)
        {
            OnTimerDelayedSubMenu();
            return 0;
        }
        if (wParam == ID_TIMER_SCROLLING)
        {
            OnTimerScrolling();
            return 0;
        }
        if (wParam == ID_TIMER_CHEVRON)
        {
            OnTimerChevron();
            return 0;
        }
        break;
    default: break;
    }
    return CExtPopupBaseWnd::WindowProc(message, wParam, lParam);
}
