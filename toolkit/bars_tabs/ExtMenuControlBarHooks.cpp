// CExtMenuControlBar: the hooks on the frame, the MDI client and the active MDI child, moving between top-level
// menus, system menus, the posted track request and the mouse.
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "platform/FrameWnd.h"
#include "platform/MdiFrameWnd.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarMdiDocButton.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
const UINT kSysMenuTrackFlags = 0x820;    // owner draw, combine by default
const UINT kSysMenuWhileTracking = 0x100; // a menu was tracked when the system menu began
bool IsMenuOrAccelCommand(UINT nMessage, WPARAM wParam)
{
    return nMessage == WM_COMMAND && (HIWORD(wParam) == 0 || HIWORD(wParam) == 1);
}
} // namespace

// ---- tracking helpers -------------------------------------------------------------------------------------

void CExtMenuControlBar::SetFlatTracking(bool bOn, int nIndex)
{
    if (bOn)
    {
        m_nTrackingFlags |= kTrackFlat;
        m_nFlatTrackingIndex = nIndex;
    }
    else
    {
        m_nTrackingFlags &= (BYTE)~kTrackFlat;
    }
    SyncFlatTrackingHighlight(true);
}

void CExtMenuControlBar::SyncFlatTrackingHighlight(bool bRepaint)
{
    if (m_nFlatTrackingIndex < 0 && m_nOldTrackingIndex < 0)
    {
        m_nTrackingFlags &= (BYTE)~kTrackFlat;
        return;
    }
    // A dropped list of a focused combo box closes first.
    HWND hWndFocus = ::GetFocus();
    for (HWND hWnd = hWndFocus; hWnd != nullptr && hWnd != m_hWnd; hWnd = ::GetParent(hWnd))
    {
        wchar_t szClass[16] = {};
        ::GetClassNameW(hWnd, szClass, 15);
        if (::lstrcmpiW(szClass, L"ComboBox") == 0 && ::SendMessageW(hWnd, CB_GETDROPPEDSTATE, 0, 0))
        {
            ::SendMessageW(hWnd, CB_SHOWDROPDOWN, FALSE, 0);
            break;
        }
        if (hWnd != hWndFocus)
            break;
    }
    if (GetSafeHwnd() == nullptr)
        return;
    if (IsFlatTracking())
    {
        if (m_nFlatTrackingIndex != m_nOldTrackingIndex)
        {
            if (CExtBarButton* pOld = GetButton(m_nOldTrackingIndex))
            {
                pOld->ModifyStyle(0, TBBS_CHECKED | TBBS_PRESSED);
                if (bRepaint)
                    InvalidateButton(m_nOldTrackingIndex);
            }
            if (CExtBarButton* pNew = GetButton(m_nFlatTrackingIndex))
            {
                pNew->ModifyStyle(TBBS_PRESSED, 0);
                if (bRepaint)
                    InvalidateButton(m_nFlatTrackingIndex);
            }
            m_nOldTrackingIndex = m_nFlatTrackingIndex;
            if (bRepaint)
                UpdateWindow();
        }
    }
    else
    {
        if (CExtBarButton* pHot = GetButton(m_nFlatTrackingIndex))
        {
            pHot->ModifyStyle(0, TBBS_PRESSED);
            if (bRepaint)
            {
                InvalidateButton(m_nFlatTrackingIndex);
                UpdateWindow();
            }
        }
        if (CExtBarButton* pOld = GetButton(m_nOldTrackingIndex))
        {
            pOld->ModifyStyle(0, TBBS_PRESSED);
            if (bRepaint)
                InvalidateButton(m_nOldTrackingIndex);
        }
        m_nFlatTrackingIndex = m_nOldTrackingIndex = -1;
    }
}

void CExtMenuControlBar::CancelAllTracking()
{
    if (GetSafeHwnd() != nullptr && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    else
    {
        CWnd* pCapture = CWnd::FromHandlePermanent(::GetCapture());
        if (pCapture != nullptr && pCapture->IsKindOf(RUNTIME_CLASS(CControlBar)))
            ::ReleaseCapture();
    }
    SetFlatTracking(false);
    CExtToolControlBar::CloseTrackingMenus();
}

bool CExtMenuControlBar::IsFrameForeground() const
{
    if (IsDialogMode())
        return true;
    CFrameWnd* pFrame = GetMenuFrame();
    if (pFrame == nullptr)
        return false;
    HWND hWndFore = ::GetForegroundWindow();
    if (hWndFore == nullptr)
        return false;
    CWnd* pTop = CExtControlBar::GetTopLevelNonChild(pFrame);
    for (HWND hWnd = hWndFore; hWnd != nullptr; hWnd = ::GetParent(hWnd))
        if (hWnd == pFrame->m_hWnd || (pTop != nullptr && hWnd == pTop->m_hWnd))
            return true;
    // A child frame inside the foreground window.
    return (pFrame->GetStyle() & WS_CHILD) != 0 && ::IsChild(hWndFore, pFrame->m_hWnd);
}

// ---- track requests ------------------------------------------------------------------------------------------

bool CExtMenuControlBar::TrackButtonMenu(int nIndex, bool bSelectAny, bool bDelayed, bool bKeyboard)
{
    (void)bSelectAny;
    (void)bDelayed;
    if (CExtToolControlBar::g_bMenuTracking && m_nBtnIdxMenuTracking == nIndex)
        return true;
    if (GetSafeHwnd() == nullptr || !IsVisible())
        return false;
    SetFlatTracking(false);
    PostMessage(CExtToolControlBar::g_nMsgTrackButtonMenu, (WPARAM)nIndex, bKeyboard ? 1 : 0);
    return true;
}

LRESULT CExtMenuControlBar::OnRefreshHover(WPARAM, LPARAM)
{
    RefreshHoverAfterMenu();
    return 0;
}

void CExtMenuControlBar::RefreshHoverAfterMenu()
{
    if (GetSafeHwnd() == nullptr || CExtToolControlBar::g_bMenuTracking || CExtPopupMenuWnd::IsMenuTracking())
        return;
    const int nHover = m_nBtnIdxHover;
    if (CExtBarButton* pButton = GetButton(nHover))
    {
        m_nBtnIdxHover = -1;
        pButton->SetHover(false);
        InvalidateButton(nHover);
    }
    UpdateHoverButton();
    UpdateWindow();
}

LRESULT CExtMenuControlBar::OnMenuTrackButtonMenu(WPARAM wParam, LPARAM lParam)
{
    CWnd* pEnabled = GetMenuFrame();
    if (pEnabled == nullptr)
        pEnabled = GetOwner() != nullptr ? GetOwner() : GetParent();
    if (pEnabled == nullptr || !pEnabled->IsWindowEnabled() || GetButtonsCount() == 0)
        return 0;
    const int nIndex = (int)wParam;
    if (nIndex < 0 || nIndex >= GetButtonsCount())
    {
        SetFlatTracking(false);
        CExtToolControlBar::CloseTrackingMenus();
        return 0;
    }
    CExtBarButton* pButton = GetButton(nIndex);
    if (pButton->CanTrackMenu() && CExtPopupMenuWnd::IsMenuTracking())
    {
        CExtToolControlBar::TrackButtonMenu(nIndex, true, false, lParam != 0);
        return 0;
    }
    CExtToolControlBar::CloseTrackingMenus();
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (!IsFlatTracking())
    {
        HWND hWndFocus = ::GetFocus();
        if (hWndFocus != nullptr)
            ::SendMessageW(hWndFocus, WM_CANCELMODE, 0, 0);
    }
    SetFlatTracking(true, nIndex);
    return 0;
}

// ---- system menus ----------------------------------------------------------------------------------------------

bool CExtMenuControlBar::TrackWindowSystemMenu(HWND hWnd, const POINT* pPtScreen, bool bSelectFirst,
                                               const RECT* pRcExclude, int nPlacement, bool bFromBar)
{
    SetFlatTracking(false);
    if (hWnd == nullptr || !::IsWindow(hWnd))
        return false;
    HMENU hSysMenu = ::GetSystemMenu(hWnd, FALSE);
    if (hSysMenu == nullptr)
        return false;
    const bool bWasTracking = CExtPopupMenuWnd::IsMenuTracking() || CExtToolControlBar::g_bMenuTracking;
    const int nTracked = m_nBtnIdxMenuTracking;
    CExtPopupMenuWnd* pPopup = new CExtPopupMenuWnd;
    if (!pPopup->UpdateFromMenu(hWnd, hSysMenu, false, true))
    {
        delete pPopup;
        CExtToolControlBar::CloseTrackingMenus();
        return false;
    }
    CPoint pt;
    if (pPtScreen != nullptr)
        pt = *pPtScreen;
    else
    {
        CRect rcWindow, rcClient;
        ::GetWindowRect(hWnd, &rcWindow);
        ::GetClientRect(hWnd, &rcClient);
        ::ClientToScreen(hWnd, (POINT*)&rcClient.left);
        pt = CPoint(rcWindow.left + ::GetSystemMetrics(SM_CXFRAME), rcClient.top);
    }
    UINT nFlags = nPlacement < 0 ? (UINT)CExtPopupMenuWnd::TRACK_ALIGN_ABOVE : (UINT)nPlacement;
    if (bSelectFirst)
        nFlags |= CExtPopupMenuWnd::TRACK_SELECT_ANY;
    if (bWasTracking)
        nFlags |= kSysMenuWhileTracking;
    ::SetFocus(hWnd);
    if (nTracked >= 0)
        SetTrackedButton(nTracked);
    bool bTracked;
    if (bFromBar)
        bTracked = pPopup->TrackPopupMenu(nFlags | kSysMenuTrackFlags, pt.x, pt.y, pRcExclude, this,
                                          CExtToolControlBar::PaintTrackedButtonCallback);
    else
        bTracked = pPopup->TrackPopupMenu(nFlags | kSysMenuTrackFlags, pt.x, pt.y, pRcExclude);
    if (!bTracked)
    {
        delete pPopup;
        CExtToolControlBar::CloseTrackingMenus();
        return false;
    }
    CExtToolControlBar::g_bMenuTracking = true;
    return true;
}

bool CExtMenuControlBar::TrackFrameSystemMenu(const POINT* pPtScreen, bool bSelectFirst)
{
    if ((m_nOptionFlags & kOptFrameSysMenu) == 0)
        return false;
    CFrameWnd* pFrame = GetMenuFrame();
    CWnd* pTop = pFrame != nullptr ? CExtControlBar::GetTopLevelNonChild(pFrame) : GetParent();
    if (pTop == nullptr)
        return false;
    g_bMenuExpanded = false;
    if (!TrackWindowSystemMenu(pTop->m_hWnd, pPtScreen, bSelectFirst))
        return false;
    m_nTrackingFlags |= kTrackSystemMenu;
    return true;
}

bool CExtMenuControlBar::TrackChildSystemMenu(const POINT* pPtScreen, bool bSelectFirst)
{
    if ((m_nOptionFlags & kOptChildSysMenu) == 0 || !IsMdiMode())
        return false;
    g_bMenuExpanded = false;
    if (IsButtonMdiDoc(0))
    {
        CExtBarButton* pDoc = GetButton(0);
        CRect rc = pDoc->GetRect();
        ClientToScreen(&rc);
        if (pDoc->TrackButtonMenu(rc.CenterPoint(), bSelectFirst, false) == (UINT)-1)
            return false;
        m_nTrackingFlags |= kTrackSystemMenu;
        return true;
    }
    HWND hWndChild = GetActiveMdiChild();
    if (hWndChild == nullptr || !TrackWindowSystemMenu(hWndChild, pPtScreen, bSelectFirst))
        return false;
    m_nTrackingFlags |= kTrackSystemMenu;
    return true;
}

// ---- moving between top-level menus -------------------------------------------------------------------------------

bool CExtMenuControlBar::OnPopupNextPrev(bool bNext)
{
    const int nCount = GetButtonsCount();
    if (nCount == 0)
        return false;
    const bool bPreview = CExtControlBar::IsPrintPreviewFrame(GetMenuFrame());
    HWND hWndChild = bPreview ? nullptr : GetActiveMdiChild();
    const int nTracked = m_nBtnIdxMenuTracking;
    if (nTracked < 0)
    {
        // A system menu is open.
        if (bPreview)
            return false;
        int nOpen = -1;
        if ((m_nTrackingFlags & kTrackSystemMenu) != 0 && bNext && IsMdiMode() && hWndChild != nullptr &&
            !IsDialogMode() && !CExtPopupMenuWnd::IsMenuTracking())
            return TrackChildSystemMenu(nullptr, true);
        nOpen = bNext ? GetNextVisibleButton(-1, true) : GetNextVisibleButton(nCount, false);
        if (nOpen < 0)
            return false;
        CExtToolControlBar::TrackButtonMenu(nOpen, true, false, true);
        return true;
    }
    const int nFirst = GetNextVisibleButton(-1, true);
    const int nLast = GetNextVisibleButton(nCount, false);
    if (!IsDialogMode())
    {
        if (bNext && nTracked == nLast)
        {
            CExtToolControlBar::CloseTrackingMenus();
            return TrackFrameSystemMenu(nullptr, true);
        }
        if (!bNext && nTracked == nFirst)
        {
            CExtToolControlBar::CloseTrackingMenus();
            if (IsMdiMode() && hWndChild != nullptr && TrackChildSystemMenu(nullptr, true))
                return true;
            return TrackFrameSystemMenu(nullptr, true);
        }
    }
    int nNeighbour = GetNextVisibleButton(nTracked, bNext);
    if (nNeighbour < 0)
        nNeighbour = bNext ? nFirst : nLast;
    if (nNeighbour >= 0 && nNeighbour != nTracked)
        TrackButtonMenu(nNeighbour, true, false, true);
    return true;
}

// ---- the hook ---------------------------------------------------------------------------------------------------

bool CExtMenuControlBar::OnHookWndMsg(LRESULT& lResult, HWND hWndHooked, UINT nMessage, WPARAM& wParam, LPARAM& lParam)
{
    if (GetSafeHwnd() == nullptr || !::IsWindow(m_hWnd) || CExtControlBar::GetDraggedBar() != nullptr)
        return CExtHookSink::OnHookWndMsg(lResult, hWndHooked, nMessage, wParam, lParam);
    bool bHandled = false;
    if (hWndHooked == m_hWndMdiClient)
        bHandled = OnHookClientMsg(lResult, nMessage, wParam, lParam);
    else if (hWndHooked == m_hWndHooked && !IsDialogMode())
        bHandled = OnHookChildMsg(lResult, nMessage, wParam, lParam);
    else
        bHandled = OnHookFrameMsg(lResult, nMessage, wParam, lParam);
    if (bHandled)
        return true;
    return CExtHookSink::OnHookWndMsg(lResult, hWndHooked, nMessage, wParam, lParam);
}

bool CExtMenuControlBar::OnHookFrameMsg(LRESULT& lResult, UINT nMessage, WPARAM& wParam, LPARAM& lParam)
{
    if (nMessage == WM_PARENTNOTIFY && CExtPopupMenuWnd::IsMenuTracking())
    {
        lResult = 0;
        return true;
    }
    if (nMessage == WM_DESTROY)
    {
        // The frame puts its own menu back and destroys it: take no menu away from now on.
        m_bFrameDestroyed = true;
        return false;
    }
    if (nMessage == WM_SIZE || nMessage == WM_ACTIVATEAPP || IsMenuOrAccelCommand(nMessage, wParam) ||
        nMessage == WM_SYSCOMMAND)
    {
        CancelAllTracking();
        if (IsMenuOrAccelCommand(nMessage, wParam))
        {
            // A command while Alt is held: the following Alt release does not activate the bar.
            MSG msg = {};
            msg.message = nMessage;
            msg.wParam = wParam;
            msg.lParam = lParam;
            TranslateMainFrameKeyboard(&msg);
        }
        return false;
    }
    if (!IsDialogMode())
    {
        const CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
        switch (nMessage)
        {
        case WM_NCLBUTTONUP:
            if (wParam == HTSYSMENU)
            {
                TrackFrameSystemMenu(nullptr, false);
                lResult = 0;
                return true;
            }
            break;
        case WM_NCRBUTTONUP:
            if (wParam == HTCAPTION || wParam == HTSYSMENU)
            {
                TrackFrameSystemMenu(&pt, false);
                lResult = 0;
                return true;
            }
            break;
        case WM_NCLBUTTONDOWN:
            if (wParam == HTSYSMENU)
            {
                lResult = 0;
                return true;
            }
            break;
        case WM_NCRBUTTONDOWN:
            if (wParam == HTSYSMENU)
            {
                lResult = 0;
                return true;
            }
            if (wParam == HTCAPTION)
            {
                TrackFrameSystemMenu(&pt, false);
                lResult = 0;
                return true;
            }
            break;
        default: break;
        }
    }
    if (nMessage == CExtPopupMenuWnd::g_nMsgNotifyMenuClosed)
    {
        m_nTrackingFlags &= (BYTE)~kTrackSystemMenu;
        PostMessage(g_nMsgRefreshHover);
        return false;
    }
    if (nMessage == CExtPopupMenuWnd::g_nMsgNotifyMenuExpanded)
    {
        g_bMenuExpanded = true;
        return false;
    }
    if (nMessage == CExtPopupMenuWnd::g_nMsgPopupNext || nMessage == CExtPopupMenuWnd::g_nMsgPopupPrev)
    {
        const bool bNext = nMessage == CExtPopupMenuWnd::g_nMsgPopupNext;
        // The active MDI child is asked first.
        HWND hWndChild = IsMdiMode() ? GetActiveMdiChild() : nullptr;
        if (hWndChild != nullptr && ::SendMessageW(hWndChild, nMessage, wParam, lParam) != 0)
        {
            lResult = 0;
            return true;
        }
        if (!OnPopupNextPrev(bNext))
            return false;
        lResult = 0;
        return true;
    }
    RemoveFrameMenu();
    MSG msg = {};
    msg.hwnd = IsDialogMode() ? m_hWndHooked : (GetMenuFrame() != nullptr ? GetMenuFrame()->m_hWnd : nullptr);
    msg.message = nMessage;
    msg.wParam = wParam;
    msg.lParam = lParam;
    if (TranslateMainFrameKeyboard(&msg))
    {
        lResult = 0;
        return true;
    }
    return false;
}

bool CExtMenuControlBar::OnHookChildMsg(LRESULT& lResult, UINT nMessage, WPARAM& wParam, LPARAM& lParam)
{
    if (nMessage == WM_SIZE || nMessage == WM_WINDOWPOSCHANGED || nMessage == WM_ACTIVATEAPP ||
        IsMenuOrAccelCommand(nMessage, wParam) || nMessage == WM_SYSCOMMAND)
    {
        CancelAllTracking();
        CExtPopupMenuWnd::CancelMenuTracking();
        const bool bFrameChanged =
            nMessage == WM_WINDOWPOSCHANGED && (((WINDOWPOS*)lParam)->flags & SWP_FRAMECHANGED) != 0;
        if (nMessage != WM_SIZE && (nMessage != WM_WINDOWPOSCHANGED || bFrameChanged))
            RemoveFrameMenu();
        if (bFrameChanged)
        {
            bool bMaximized = false;
            GetActiveMdiChild(&bMaximized);
            if (!bMaximized || (GetButtonsCount() > 0 && !IsButtonMdiDoc(0)))
                PostRebuildRequest();
        }
        return false;
    }
    if (CExtControlBar::IsPrintPreviewFrame(GetMenuFrame()))
    {
        lResult = 0;
        return true;
    }
    const CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
    const bool bMinimized = m_hWndHooked != nullptr && ::IsIconic(m_hWndHooked);
    switch (nMessage)
    {
    case WM_NCLBUTTONUP:
        if (wParam == HTSYSMENU)
        {
            TrackChildSystemMenu(nullptr, false);
            lResult = 0;
            return true;
        }
        if (wParam == HTCAPTION && bMinimized)
        {
            lResult = 0;
            return true;
        }
        break;
    case WM_NCRBUTTONUP:
        if (wParam == HTCAPTION || wParam == HTSYSMENU)
        {
            TrackChildSystemMenu(&pt, false);
            lResult = 0;
            return true;
        }
        break;
    case WM_NCRBUTTONDOWN:
        if (wParam == HTCAPTION)
        {
            TrackChildSystemMenu(&pt, false);
            lResult = 0;
            return true;
        }
        if (wParam == HTSYSMENU && (m_nOptionFlags & kOptChildSysMenu) != 0)
        {
            lResult = 0;
            return true;
        }
        break;
    case WM_NCLBUTTONDOWN:
        if (wParam == HTCAPTION && bMinimized)
        {
            TrackChildSystemMenu(nullptr, false);
            lResult = 0;
            return true;
        }
        if (wParam == HTSYSMENU && (m_nOptionFlags & kOptChildSysMenu) != 0)
        {
            lResult = 0;
            return true;
        }
        break;
    default: break;
    }
    return false;
}

bool CExtMenuControlBar::OnHookClientMsg(LRESULT& lResult, UINT nMessage, WPARAM& wParam, LPARAM& lParam)
{
    if (nMessage == WM_PARENTNOTIFY && CExtPopupMenuWnd::IsMenuTracking())
    {
        lResult = 0;
        return true;
    }
    if (nMessage == WM_MDISETMENU)
    {
        CFrameWnd* pFrame = GetMenuFrame();
        // The document menu stays the child's: only its handle is kept.
        if (wParam != 0)
            m_hMenuDoc = (HMENU)wParam;
        if (pFrame != nullptr && CExtControlBar::IsFrameOleInPlaceActive(pFrame))
            ::SetMenu(pFrame->m_hWnd, (HMENU)wParam);
        else
        {
            if (pFrame != nullptr && !m_bFrameDestroyed && ::GetMenu(pFrame->m_hWnd) != nullptr)
                ::SetMenu(pFrame->m_hWnd, nullptr);
            PostRebuildRequest();
        }
        lResult = CallOriginalWndProcMsg(WM_MDISETMENU, 0, 0);
        RehookActiveMdiChild();
        m_nOptionFlags &= (BYTE)~kOptRehookPending;
        return true;
    }
    if (nMessage == WM_MDIREFRESHMENU)
    {
        CallOriginalWndProcMsg(WM_MDIREFRESHMENU, 0, 0);
        RehookActiveMdiChild();
        m_nOptionFlags &= (BYTE)~kOptRehookPending;
        lResult = 0;
        return true;
    }
    if (nMessage == WM_CONTEXTMENU)
    {
        CFrameWnd* pFrame = GetMenuFrame();
        if (pFrame == nullptr || CExtControlBar::IsFrameInHelpMode(pFrame))
            return false;
        CExtDockBar::TrackBarsPopupMenuAtCursor(pFrame, CExtControlBar::POPUP_MENU_EVENT_DATA::kBarsMenuFromMdiClient,
                                                this, WM_CONTEXTMENU);
        lResult = 0;
        return true;
    }
    if (nMessage == WM_MDIACTIVATE || nMessage == WM_MDIDESTROY || nMessage == WM_MDINEXT)
        PostRehookRequest();
    return false;
}

// ---- mouse ---------------------------------------------------------------------------------------------------------

void CExtMenuControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int nIndex = HitTestButton(point);
    if (nIndex >= 0 && CExtToolControlBar::g_bMenuTracking && nIndex == m_nBtnIdxMenuTracking)
        return; // the open item's press is ignored
    CExtToolControlBar::OnLButtonDown(nFlags, point);
}

void CExtMenuControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    const bool bWasFlat = IsFlatTracking();
    if (bWasFlat)
        SetFlatTracking(false);
    CExtToolControlBar::OnLButtonUp(nFlags, point);
    if (bWasFlat && GetSafeHwnd() != nullptr)
        Invalidate();
}

bool CExtMenuControlBar::ProcessMouseMove(UINT nFlags, CPoint ptClient)
{
    if (IsFlatTracking())
    {
        const int nIndex = HitTestButton(ptClient);
        if (nIndex >= 0 && nIndex != m_nFlatTrackingIndex)
        {
            CExtBarButton* pButton = GetButton(nIndex);
            if (pButton != nullptr && !pButton->IsSeparator() && pButton->IsVisible())
            {
                TrackButtonMenu(nIndex, false, false, false);
                return true;
            }
        }
        return true;
    }
    return CExtToolControlBar::ProcessMouseMove(nFlags, ptClient);
}
