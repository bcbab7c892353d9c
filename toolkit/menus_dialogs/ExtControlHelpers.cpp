// Shared helpers of the themed controls.
#include "toolkit/menus_dialogs/ExtControlHelpers.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

bool CExtControlHelpers::g_bToolBarMenuTracking = false;

bool CExtControlHelpers::IsEnabled(HWND hWnd) { return hWnd != nullptr && ::IsWindow(hWnd) && ::IsWindowEnabled(hWnd); }

INT_PTR CExtControlHelpers::ToolBarTipHitTest(const CWnd* pWnd, CPoint point, CString& sText)
{
    sText.Empty();
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return -1;
    HWND hWndParent = ::GetParent(pWnd->GetSafeHwnd());
    CWnd* pParent = CWnd::FromHandlePermanent(hWndParent);
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CExtToolControlBar)))
        return -1;
    ::MapWindowPoints(pWnd->GetSafeHwnd(), hWndParent, &point, 1);
    TOOLINFOW ti;
    ::ZeroMemory(&ti, sizeof(ti));
    ti.cbSize = sizeof(ti);
    ti.hwnd = hWndParent;
    INT_PTR nHit = pParent->OnToolHitTest(point, &ti);
    if (ti.lpszText != nullptr && ti.lpszText != LPSTR_TEXTCALLBACKW)
    {
        sText = ti.lpszText;
        ::free(ti.lpszText);
    }
    return nHit;
}

static BOOL CALLBACK FindShownPopupMenu(HWND hWnd, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != nullptr && ::IsWindowVisible(hWnd) && pWnd->IsKindOf(RUNTIME_CLASS(CExtPopupMenuWnd)))
    {
        *(bool*)lParam = true;
        return FALSE;
    }
    return TRUE;
}

bool CExtControlHelpers::IsMenuTracking()
{
    // A tracked menu chain shows at least one popup window of the menu class on this thread.
    bool bFound = false;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindShownPopupMenu, (LPARAM)&bFound);
    return bFound;
}

bool CExtControlHelpers::IsHoverAllowed(HWND hWnd, HWND hWndActive, bool bCheckEnabled, bool bCheckVisible,
                                        bool bCheckNoMenu)
{
    if (bCheckNoMenu && IsMenuTracking())
        return false;
    if (hWnd == nullptr || hWndActive == nullptr || !::IsWindow(hWnd) || !::IsWindow(hWndActive))
        return false;
    if (bCheckEnabled && (!::IsWindowEnabled(hWnd) || !::IsWindowEnabled(hWndActive)))
        return false;
    const DWORD kShown = WS_POPUP | WS_VISIBLE;
    if (bCheckVisible && ((::GetWindowLongW(hWnd, GWL_STYLE) & WS_VISIBLE) == 0 ||
                          (::GetWindowLongW(hWndActive, GWL_STYLE) & WS_VISIBLE) == 0))
        return false;
    for (HWND hWndWalk = ::GetParent(hWnd); hWndWalk != nullptr; hWndWalk = ::GetParent(hWndWalk))
    {
        if ((::GetWindowLongW(hWndWalk, GWL_STYLE) & kShown) == 0)
            continue;
        if (hWndWalk == hWndActive)
            return true;
        if (::IsChild(hWndWalk, hWndActive) || ::GetWindow(hWndActive, GW_OWNER) == hWndWalk)
            return true;
    }
    return false;
}

bool CExtControlHelpers::IsPopupMenuMessage(UINT message)
{
    static const wchar_t* const kNames[] = {
        L"CExtPopupMenuWnd::g_nMsgPrepareMenu",       L"CExtPopupMenuWnd::g_nMsgPopupNext",
        L"CExtPopupMenuWnd::g_nMsgPopupPrev",         L"CExtPopupMenuWnd::g_nMsgNotifyMenuExpanded",
        L"CExtPopupMenuWnd::g_nMsgNotifyMenuClosed",  L"CExtPopupMenuWnd::g_nMsgPopupDrawItem",
        L"CExtPopupMenuWnd::g_nMsgPopupDrawLeftArea",
    };
    static UINT s_ids[sizeof(kNames) / sizeof(kNames[0])] = {};
    if (message < 0xC000)
        return false;
    for (size_t i = 0; i < sizeof(kNames) / sizeof(kNames[0]); ++i)
    {
        if (s_ids[i] == 0)
            s_ids[i] = ::RegisterWindowMessageW(kNames[i]);
        if (s_ids[i] == message)
            return true;
    }
    return false;
}

void CExtControlHelpers::InvalidateWithParentArea(HWND hWnd)
{
    HWND hWndParent = ::GetParent(hWnd);
    if ((::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) != 0 && hWndParent != nullptr)
    {
        CRect rcWnd;
        ::GetWindowRect(hWnd, &rcWnd);
        ::MapWindowPoints(nullptr, hWndParent, (LPPOINT)&rcWnd, 2);
        ::InvalidateRect(hWndParent, &rcWnd, TRUE);
    }
    ::InvalidateRect(hWnd, nullptr, TRUE);
}
