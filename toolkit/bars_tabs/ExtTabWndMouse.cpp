// CExtTabWnd: the click dispatch, tracking and hover, tips, the tab-list popup, delayed selection,
// smooth scrolling and the drag-to-reorder loop.
#include "toolkit/bars_tabs/ExtTabWnd.h"
#include "platform/WinThread.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>
#include <cstdlib>

namespace
{

int ButtonSlot(LONG nHitCode) { return (int)(CExtTabWnd::kHitPrev - nHitCode); }
bool IsButtonCode(LONG nCode) { return nCode <= CExtTabWnd::kHitPrev && nCode >= CExtTabWnd::kHitTabList; }

// The tip of a button: the resource string, else the built-in text; Close and tab list have none.
CString ButtonTipText(LONG nCode)
{
    UINT nID = 0;
    LPCTSTR pszBuiltIn = nullptr;
    switch (nCode)
    {
    case CExtTabWnd::kHitPrev: nID = CExtTabWnd::kIdsPrevious, pszBuiltIn = L"Previous"; break;
    case CExtTabWnd::kHitNext: nID = CExtTabWnd::kIdsNext, pszBuiltIn = L"Next"; break;
    case CExtTabWnd::kHitHelp: nID = CExtTabWnd::kIdsHelp, pszBuiltIn = L"Help"; break;
    default: return CString();
    }
    CString sText;
    if (!g_ResourceManagerHolder->LoadStringRes(sText, nID) || sText.IsEmpty())
        sText = pszBuiltIn;
    return sText;
}

} // namespace

// ---- click dispatch ---------------------------------------------------------------------------

bool CExtTabWnd::ClickDispatch(bool bPressed, int nMouseButton, UINT nFlags, CPoint point)
{
    const LONG nHit = ItemHitTest(point);
    if (IsButtonCode(nHit))
        return OnTabWndClickedButton(nHit, bPressed, nMouseButton, nFlags);
    if (nHit < 0)
    {
        TrackingStop(true);
        Invalidate();
        return false;
    }
    if (bPressed)
        m_ptPress = point;
    return OnTabWndClickedItem((int)nHit, bPressed, nMouseButton, nFlags);
}

void CExtTabWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!ClickDispatch(true, kMouseLeft, nFlags, point))
        CWnd::OnLButtonDown(nFlags, point);
}

void CExtTabWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!ClickDispatch(false, kMouseLeft, nFlags, point))
        CWnd::OnLButtonUp(nFlags, point);
}

void CExtTabWnd::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (!ClickDispatch(true, kMouseRight, nFlags, point))
        CWnd::OnRButtonDown(nFlags, point);
}

void CExtTabWnd::OnRButtonUp(UINT nFlags, CPoint point)
{
    if (!ClickDispatch(false, kMouseRight, nFlags, point))
        CWnd::OnRButtonUp(nFlags, point);
}

void CExtTabWnd::OnMButtonDown(UINT nFlags, CPoint point)
{
    if (!ClickDispatch(true, kMouseMiddle, nFlags, point))
        CWnd::OnMButtonDown(nFlags, point);
}

void CExtTabWnd::OnMButtonUp(UINT nFlags, CPoint point)
{
    if (!ClickDispatch(false, kMouseMiddle, nFlags, point))
        CWnd::OnMButtonUp(nFlags, point);
}

bool CExtTabWnd::OnTabWndClickedButton(LONG nHitTest, bool bPressed, int nMouseButton, UINT nMouseEventFlags)
{
    (void)nMouseEventFlags;
    if (bPressed)
    {
        if (TrackingStart(nMouseButton, nHitTest))
        {
            Invalidate();
            UpdateWindow();
            if (nHitTest == kHitPrev || nHitTest == kHitNext)
                ScrollItems(nHitTest == kHitPrev ? -1 : +1, true);
        }
        return true;
    }
    TrackingStop(true);
    if (nMouseButton == kMouseLeft && nHitTest == kHitTabList && (m_dwTabWndStyle & kStyleEnabledTabList) != 0 &&
        ItemGetCount() > 0)
        TrackTabListPopup();
    return true;
}

bool CExtTabWnd::OnTabWndClickedItem(int nItemIndex, bool bPressed, int nMouseButton, UINT nMouseEventFlags)
{
    (void)nMouseEventFlags;
    if (bPressed)
    {
        if (TrackingStart(nMouseButton, nItemIndex))
            SelectionSet(nItemIndex, true, true);
    }
    else
        TrackingStop(true);
    return nMouseButton != kMouseRight;
}

// ---- tracking and hover -------------------------------------------------------------------------

bool CExtTabWnd::TrackingStart(int nMouseButton, LONG nHitCode)
{
    if (m_bTracking && (m_nTrackedMouseButton != nMouseButton || m_nTrackedHitCode != nHitCode))
        return false;
    if (IsButtonCode(nHitCode))
    {
        if (nMouseButton != kMouseLeft)
            return false;
        bool bEnabled = false;
        switch (nHitCode)
        {
        case kHitTabList: bEnabled = (m_dwTabWndStyle & kStyleEnabledTabList) != 0 && ItemGetCount() > 0; break;
        case kHitClose: bEnabled = (m_dwTabWndStyle & kStyleEnabledClose) != 0; break;
        case kHitHelp: bEnabled = (m_dwTabWndStyle & kStyleEnabledHelp) != 0; break;
        case kHitNext: bEnabled = (m_dwTabWndStyle & kStyleEnabledNext) != 0; break;
        default: bEnabled = (m_dwTabWndStyle & kStyleEnabledPrev) != 0; break;
        }
        if (!bEnabled)
            return false;
        m_bButtonPressed[ButtonSlot(nHitCode)] = true;
        Invalidate();
        UpdateWindow();
    }
    m_nTrackedMouseButton = nMouseButton;
    m_nTrackedHitCode = nHitCode;
    m_bTracking = true;
    if (GetCaptureHWND() != m_hWnd)
        CExtMouseCaptureSink::SetCapture(m_hWnd);
    return true;
}

void CExtTabWnd::TrackingStop(bool bReleaseCapture)
{
    if ((m_dwTabWndStyle & kStyleScrollByPage) == 0 && m_nPendingScroll != 0)
        SendMessage(WM_CANCELMODE);
    m_ptPress.SetPoint(-1, -1);
    if (IsButtonCode(m_nTrackedHitCode) && m_bButtonPressed[ButtonSlot(m_nTrackedHitCode)])
    {
        m_bButtonPressed[ButtonSlot(m_nTrackedHitCode)] = false;
        if (GetSafeHwnd() != nullptr)
        {
            Invalidate();
            UpdateWindow();
        }
    }
    m_bTracking = false;
    m_nTrackedMouseButton = -1;
    m_nTrackedHitCode = -1;
    if (bReleaseCapture && m_hWnd != nullptr && GetCaptureHWND() == m_hWnd)
        ReleaseCapture();
}

bool CExtTabWnd::IsHoverAllowedNow() const
{
    CWnd* pActive = CWnd::GetActiveWindow();
    return CExtPopupMenuWnd::IsHoverAllowed(m_hWnd, pActive != nullptr ? pActive->m_hWnd : nullptr);
}

bool CExtTabWnd::HoverStart(LONG nCode)
{
    if (m_nHoverCode == nCode)
        return true;
    if (IsHoverAllowedNow())
    {
        m_bHoverActive = true;
        m_nHoverCode = nCode;
        Invalidate();
        if (GetCaptureHWND() != m_hWnd)
            CExtMouseCaptureSink::SetCapture(m_hWnd);
    }
    if (m_bTipsEnabled)
    {
        const CString sTip = IsButtonCode(nCode) ? ButtonTipText(nCode) : CString();
        if (!sTip.IsEmpty())
            ShowTip(sTip, GetButtonRect(nCode));
        else
            RemoveTip();
    }
    return true;
}

void CExtTabWnd::HoverEnd(bool bReleaseCapture)
{
    m_nHoverCode = -1;
    if (!m_bHoverActive)
        return;
    m_bHoverActive = false;
    if (m_hWnd == nullptr)
        return;
    Invalidate();
    if (bReleaseCapture && !m_bTracking && GetCaptureHWND() == m_hWnd)
        ReleaseCapture();
}

bool CExtTabWnd::OnTabWndQueryHoverChangingRedraw() { return false; }

// ---- tips ---------------------------------------------------------------------------------------

void CExtTabWnd::ShowTip(LPCTSTR lpszText, const CRect& rcTool)
{
    const bool bMade = m_wndToolTip.GetSafeHwnd() == nullptr;
    if (GetToolTip() == nullptr)
        return;
    TOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    if (m_wndToolTip.GetToolInfo(&ti, this, kTipToolId))
    {
        m_wndToolTip.UpdateTipText(lpszText, this, kTipToolId);
        m_wndToolTip.SetToolRect(this, kTipToolId, &rcTool);
    }
    else
        m_wndToolTip.AddTool(this, lpszText, &rcTool, kTipToolId);
    m_wndToolTip.Activate(TRUE);
    if (bMade)
    {
        // A tip control made just now has not seen the pointer come in: it starts from where the pointer is.
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        MSG msg = {m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y)};
        m_wndToolTip.RelayEvent(&msg);
    }
}

void CExtTabWnd::RemoveTip()
{
    if (m_wndToolTip.GetSafeHwnd() == nullptr)
        return;
    m_wndToolTip.DelTool(this, kTipToolId);
}

// ---- mouse move and timers ----------------------------------------------------------------------

void CExtTabWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTracking)
    {
        if (m_nTrackedHitCode >= 0 && ItemGetCount() > 0 && m_ptPress.x >= 0)
        {
            if (std::abs(point.x - m_ptPress.x) > (int)kDragThreshold ||
                std::abs(point.y - m_ptPress.y) > (int)kDragThreshold)
            {
                const int nIndex = (int)m_nTrackedHitCode;
                if (ItemDragQuery(nIndex))
                {
                    RemoveTip();
                    CWnd::CancelToolTips();
                    ItemDragLoop(nIndex);
                }
            }
            return;
        }
        RemoveTip();
        CWnd::CancelToolTips();
        return;
    }
    if (!IsHoverAllowedNow())
    {
        // A hover begun while hovering was allowed (its frame active) ends here: its capture would take the
        // next click anywhere on the screen.
        HoverEnd(true);
        CWnd::OnMouseMove(nFlags, point);
        return;
    }
    const LONG nHit = ItemHitTest(point);
    if (IsButtonCode(nHit))
    {
        if (nHit != m_nHoverCode)
            HoverStart(nHit);
        return;
    }
    if (nHit < 0)
    {
        HoverEnd(true);
        return;
    }
    if (nHit != m_nHoverCode)
    {
        HoverStart(nHit);
        if (OnTabWndQueryHoverChangingRedraw())
        {
            Invalidate();
            UpdateWindow();
        }
    }
    TAB_ITEM_INFO* pTii = ItemGet((int)nHit);
    if ((m_dwTabWndStyle & kStyleHoverFocus) != 0)
    {
        if (nHit != m_nDelayedSelIndex)
        {
            DelayedSelectionSet(-1);
            DelayedSelectionSet((int)nHit);
        }
    }
    else if (m_bTipsEnabled && m_bSomeItemNarrowed && pTii != nullptr && pTii->IsNarrowed())
        ShowTip(pTii->GetText(), ItemRectToClient(pTii));
    else
        RemoveTip();
}

void CExtTabWnd::DelayedSelectionSet(int nIndex)
{
    if (m_hWnd != nullptr)
        KillTimer(kTimerDelayedSelect);
    m_nDelayedSelIndex = -1;
    if (nIndex < 0)
        return;
    TAB_ITEM_INFO* pTii = ItemGet(nIndex);
    if (pTii == nullptr || m_nVisibleItemCount == 0 || !pTii->IsVisible() || m_hWnd == nullptr)
        return;
    m_nDelayedSelIndex = nIndex;
    SetTimer(kTimerDelayedSelect, kDelayedSelectPeriod);
}

void CExtTabWnd::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case kTimerSmoothScroll:
    {
        const int nStep = std::max(-(int)kSmoothScrollStep, std::min((int)kSmoothScrollStep, m_nPendingScroll));
        if (m_nPendingScroll > 0)
            m_nPendingScroll = std::max(0, m_nPendingScroll - (int)kSmoothScrollStep);
        else
            m_nPendingScroll = std::min(0, m_nPendingScroll + (int)kSmoothScrollStep);
        if (m_nPendingScroll == 0)
            KillTimer(kTimerSmoothScroll);
        ScrollItems(nStep, false);
        return;
    }
    case kTimerDelayedSelect:
    {
        KillTimer(kTimerDelayedSelect);
        const int nIndex = m_nDelayedSelIndex;
        m_nDelayedSelIndex = -1;
        TAB_ITEM_INFO* pTii = ItemGet(nIndex);
        if (pTii == nullptr || nIndex == m_nSelIndex || !pTii->IsVisible())
            return;
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        if (ItemHitTest(pt) == nIndex)
            SelectionSet(nIndex, true, true);
        return;
    }
    default: CWnd::OnTimer(nIDEvent); return;
    }
}

void CExtTabWnd::ScrollItems(LONG nDelta, bool bSmooth)
{
    if (m_nScrollMax <= 0 || m_rcItemsArea.IsRectEmpty() || ItemGetCount() == 0 || m_nVisibleItemCount == 0)
        return;
    const int nAreaLength = OrientationIsHorizontal() ? m_rcItemsArea.Width() : m_rcItemsArea.Height();
    const bool bByPage = (m_dwTabWndStyle & kStyleScrollByPage) != 0;
    if (nDelta >= 0)
    {
        if (m_nScrollPos >= m_nScrollMax)
            return;
        if (bSmooth)
        {
            m_nPendingScroll = bByPage ? nAreaLength : m_nScrollMax - m_nScrollPos;
            SetTimer(kTimerSmoothScroll, kSmoothScrollPeriod);
        }
        else
            m_nScrollPos = std::min(m_nScrollPos + (int)nDelta, m_nScrollMax);
    }
    else
    {
        if (m_nScrollPos <= 0)
            return;
        if (bSmooth)
        {
            m_nPendingScroll = bByPage ? -nAreaLength : -m_nScrollPos;
            SetTimer(kTimerSmoothScroll, kSmoothScrollPeriod);
        }
        else
            m_nScrollPos = std::max(m_nScrollPos + (int)nDelta, 0);
    }
    UpdateTabWnd(true);
}

void CExtTabWnd::OnCancelMode()
{
    CWnd::OnCancelMode();
    if (m_nPendingScroll != 0)
    {
        KillTimer(kTimerSmoothScroll);
        m_nPendingScroll = 0;
    }
    TrackingStop(true);
    HoverEnd(true);
}

void CExtTabWnd::OnCaptureChanged(CWnd* pWnd)
{
    CWnd::OnCaptureChanged(pWnd);
    if (pWnd != nullptr && pWnd->GetSafeHwnd() == m_hWnd)
        return;
    TrackingStop(false);
    HoverEnd(false);
}

// ---- tab-list popup -----------------------------------------------------------------------------

void CExtTabWnd::BuildTabListPopup(CExtPopupMenuWnd& popup)
{
    const CExtCmdIcon iconNone;
    for (int i = 0; i < ItemGetCount(); ++i)
    {
        TAB_ITEM_INFO* pTii = m_arrItems[i];
        if (IsGroupedMode() && i > 0 && pTii->IsGroupStart())
            popup.InsertItem(CExtPopupMenuWnd::MENUITEMDATA::CMD_SEPARATOR, -1);
        CExtCmdIcon* pIcon = pTii->GetIconPtr();
        popup.InsertItemWithIcon((int)(kTabListCmdBase + i), -1, pTii->GetText(), nullptr,
                                 pIcon != nullptr ? *pIcon : iconNone, i == m_nSelIndex ? 1 : 0, m_hWnd);
    }
}

bool CExtTabWnd::OnTabListCommand(UINT nCmdID)
{
    // Ids go beyond 16 bits: they come only as the popup's result, never as WM_COMMAND.
    if (nCmdID < kTabListCmdBase || ItemGet((int)(nCmdID - kTabListCmdBase)) == nullptr)
        return false;
    SelectionSet((int)(nCmdID - kTabListCmdBase), true, true);
    Invalidate();
    return true;
}

bool CExtTabWnd::TrackTabListPopup()
{
    const HWND hWndOwn = m_hWnd;
    CExtPopupMenuWnd* pPopup = new CExtPopupMenuWnd;
    if (!pPopup->CreatePopupMenu(m_hWnd))
    {
        delete pPopup;
        return false;
    }
    BuildTabListPopup(*pPopup);
    CRect rcButton = GetButtonRect(kHitTabList);
    ClientToScreen(&rcButton);
    UINT nAlign = CExtPopupMenuWnd::TRACK_ALIGN_BELOW;
    switch (OrientationGet())
    {
    case kOrientBottom: nAlign = CExtPopupMenuWnd::TRACK_ALIGN_ABOVE; break;
    case kOrientLeft: nAlign = CExtPopupMenuWnd::TRACK_ALIGN_RIGHT_OF; break;
    case kOrientRight: nAlign = CExtPopupMenuWnd::TRACK_ALIGN_LEFT_OF; break;
    default: break;
    }
    const UINT nFlags = CExtPopupMenuWnd::TRACK_OWNER_DRAW | CExtPopupMenuWnd::TRACK_NO_UPDATE_CMD_UI |
                        CExtPopupMenuWnd::TRACK_NO_CMD_DELIVERY | CExtPopupMenuWnd::TRACK_ALL_ITEMS |
                        CExtPopupMenuWnd::TRACK_DO_MESSAGE_LOOP | CExtPopupMenuWnd::TRACK_COMBINE_DEFAULT | nAlign;
    m_bButtonPressed[ButtonSlot(kHitTabList)] = true;
    Invalidate();
    UpdateWindow();
    UINT nCmdID = 0;
    if (!pPopup->TrackPopupMenu(nFlags, rcButton.left, rcButton.bottom, &rcButton, nullptr, nullptr, &nCmdID))
    {
        delete pPopup;
        nCmdID = 0;
    }
    // The strip may be gone with its window while the popup ran: only the handle is safe.
    if (!::IsWindow(hWndOwn) || CWnd::FromHandlePermanent(hWndOwn) != this)
        return false;
    m_bButtonPressed[ButtonSlot(kHitTabList)] = false;
    Invalidate();
    return OnTabListCommand(nCmdID);
}

// ---- dragging -----------------------------------------------------------------------------------

bool CExtTabWnd::ItemDragQuery(int nIndex)
{
    return ItemGet(nIndex) != nullptr && (m_dwTabWndStyle & kStyleItemDragging) != 0 && !IsGroupedMode();
}

void CExtTabWnd::ItemDragLoop(int nIndex)
{
    const HWND hWndOwn = m_hWnd;
    CExtMouseCaptureSink::SetCapture(hWndOwn);
    m_bDragging = true;
    int nDragged = nIndex;
    const bool bHorz = OrientationIsHorizontal();
    auto alive = [&]() { return ::IsWindow(hWndOwn) && CWnd::FromHandlePermanent(hWndOwn) == this; };
    while (alive())
    {
        MSG msg;
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (CWinThread* pThread = AfxGetThread())
            {
                for (LONG n = 0; pThread->OnIdle(n); ++n)
                {}
            }
            if (!alive())
                break;
            if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
                ::WaitMessage();
            continue;
        }
        bool bEnd = false;
        switch (msg.message)
        {
        case WM_MOUSEMOVE:
        {
            MSG msgLast = msg;
            while (::PeekMessageW(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE))
                msgLast = msg;
            (void)msgLast;
            CPoint ptScreen;
            ::GetCursorPos(&ptScreen);
            CRect rcWnd;
            GetWindowRect(&rcWnd);
            const int nPos = bHorz ? ptScreen.x : ptScreen.y;
            const int nStart = bHorz ? rcWnd.left : rcWnd.top;
            const int nEnd = bHorz ? rcWnd.right : rcWnd.bottom;
            if (nPos >= nStart && nPos < nEnd)
            {
                if (m_nPendingScroll != 0)
                {
                    m_nPendingScroll = 0;
                    KillTimer(kTimerSmoothScroll);
                }
                CPoint ptClient(ptScreen);
                ScreenToClient(&ptClient);
                // Across the strip only the position along it counts.
                if (bHorz)
                    ptClient.y = m_rcItemsArea.CenterPoint().y;
                else
                    ptClient.x = m_rcItemsArea.CenterPoint().x;
                const LONG nHit = ItemHitTest(ptClient);
                if (nHit >= 0 && nHit != nDragged)
                {
                    const bool bNeighbours = std::abs((int)nHit - nDragged) == 1;
                    if (!(bNeighbours && m_rcLastDragSwap.PtInRect(ptClient)))
                    {
                        m_rcLastDragSwap = ItemRectToClient(m_arrItems[nHit]);
                        if (ItemMoveWithNotifications(nDragged, (int)nHit, true))
                            nDragged = (int)nHit;
                        else
                            m_rcLastDragSwap.SetRectEmpty();
                    }
                }
            }
            else if (m_nPendingScroll == 0)
                ScrollItems(nPos < nStart ? -1 : +1, true);
            continue;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
        case WM_ACTIVATEAPP:
        case WM_CANCELMODE:
        case WM_CONTEXTMENU: bEnd = true; break;
        case WM_CAPTURECHANGED: bEnd = (HWND)msg.lParam != hWndOwn; break;
        default:
            if (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONDBLCLK)
                bEnd = true;
            else
                bEnd = GetCaptureHWND() != hWndOwn;
            break;
        }
        if (bEnd)
            break;
        // Only the peeked message: a release that came since stays for this loop.
        if (!AfxPumpPeekedMessage(msg))
        {
            // The quit message goes back to the queue with its exit code.
            MSG* pQuit = AfxGetCurrentMessage();
            ::PostQuitMessage(pQuit != nullptr ? (int)pQuit->wParam : 0);
            break;
        }
    }
    if (!alive())
        return;
    if (GetCaptureHWND() == hWndOwn)
        ReleaseCapture();
    m_rcLastDragSwap.SetRectEmpty();
    m_bTracking = false;
    m_nTrackedHitCode = -1;
    m_nTrackedMouseButton = -1;
    m_ptPress.SetPoint(-1, -1);
    m_nPendingScroll = 0;
    KillTimer(kTimerSmoothScroll);
    UpdateTabWnd(true);
    m_bDragging = false;
}
