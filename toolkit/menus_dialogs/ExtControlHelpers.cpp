// Shared helpers of the themed controls.
#include "toolkit/menus_dialogs/ExtControlHelpers.h"
#include "platform/ListCtrl.h"
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

bool CExtControlHelpers::IsEnabled(HWND hWnd) { return hWnd != nullptr && ::IsWindow(hWnd) && ::IsWindowEnabled(hWnd); }

INT_PTR CExtControlHelpers::ToolBarTipHitTest(const CWnd* pWnd, CPoint point, CString& sText)
{
    sText.Empty();
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return -1;
    HWND hWndParent = ::GetParent(pWnd->GetSafeHwnd());
    CWnd* pParent = CWnd::FromHandlePermanent(hWndParent);
    if (!CExtMenuKindOf::IsToolBar(pParent))
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

void CExtControlHelpers::TakeToolBarTip(const CWnd* pWndOnBar, CPoint point, CToolTipCtrl& tip, CWnd* pWndTool)
{
    CString sText;
    const INT_PTR nHit = ToolBarTipHitTest(pWndOnBar, point, sText);
    if (nHit == -1 || sText.IsEmpty())
        return;
    if (tip.GetSafeHwnd() != nullptr && ::IsWindowVisible(tip.GetSafeHwnd()))
        return;
    SetToolTipText(tip, pWndTool, sText, true);
    ActivateToolTip(tip, true);
}

void CExtControlHelpers::InitToolTip(CToolTipCtrl& tip, CWnd* pWndTool)
{
    if (tip.GetSafeHwnd() != nullptr || pWndTool == nullptr || pWndTool->GetSafeHwnd() == nullptr)
        return;
    tip.Create(pWndTool);
    tip.Activate(FALSE);
}

void CExtControlHelpers::SetToolTipText(CToolTipCtrl& tip, CWnd* pWndTool, LPCTSTR lpszText, bool bActivate)
{
    if (lpszText == nullptr || *lpszText == 0)
        return;
    InitToolTip(tip, pWndTool);
    if (tip.GetSafeHwnd() == nullptr)
        return;
    if (tip.GetToolCount() == 0)
    {
        CRect rcClient;
        ::GetClientRect(pWndTool->GetSafeHwnd(), &rcClient);
        tip.AddTool(pWndTool, lpszText, &rcClient, 1);
    }
    CWnd::CancelToolTips();
    tip.UpdateTipText(lpszText, pWndTool, 1);
    tip.Activate(bActivate ? TRUE : FALSE);
}

void CExtControlHelpers::ActivateToolTip(CToolTipCtrl& tip, bool bActivate)
{
    if (tip.GetSafeHwnd() != nullptr && tip.GetToolCount() != 0)
        tip.Activate(bActivate ? TRUE : FALSE);
}

void CExtControlHelpers::RelayToolTipEvent(CToolTipCtrl& tip, CWnd* pWndTool, MSG* pMsg)
{
    // The tip window is made with the first text (SetToolTipText); until then nothing could show.
    if (IsMenuTracking() || pWndTool->GetSafeHwnd() == nullptr || tip.GetSafeHwnd() == nullptr)
        return;
    tip.RelayEvent(pMsg);
}

bool CExtControlHelpers::IsMenuTracking() { return CExtPopupMenuWnd::IsMenuTracking(); }

bool CExtControlHelpers::IsHoverAllowed(HWND hWnd, HWND hWndActive, bool bCheckEnabled, bool bCheckVisible,
                                        bool bCheckNoMenu)
{
    return CExtPopupMenuWnd::IsHoverAllowed(hWnd, hWndActive, bCheckEnabled, bCheckVisible, bCheckNoMenu);
}

bool CExtControlHelpers::IsToolBarMenuTracking() { return CExtMenuKindOf::IsToolBarMenuTracking(); }

void CExtControlHelpers::SetToolBarMenuTracking(bool bOn) { CExtMenuKindOf::SetToolBarMenuTracking(bOn); }

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
