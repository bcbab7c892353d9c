// CMainFrame: the keys between the panes. F6 and Shift+F6 go round the folder tree, the message list and the view, as
// in the file and mail programs users know; Tab and Shift+Tab go from the tree and the list on to the next place, and
// from the view's last or first control, the "LOG" button between the view and the tree. A pane in a floating bar or
// an auto-hidden one is reached as the bar's toggle command reaches it.
#include "app/MainFrm.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include <vector>

namespace
{
// The visible, enabled tab stops among the window's children, in their order.
std::vector<HWND> TabStops(HWND hParent)
{
    std::vector<HWND> stops;
    for (HWND h = ::GetWindow(hParent, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        if ((::GetWindowLongW(h, GWL_STYLE) & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE))
            stops.push_back(h);
    return stops;
}

bool Inside(HWND hWnd, HWND hPlace) { return hPlace != nullptr && (hWnd == hPlace || ::IsChild(hPlace, hWnd)); }
} // namespace

BOOL CMainFrame::PreTranslateMessage(MSG* pMsg)
{
    // The bars see the keys first (the menu bar's keyboard), then the places, then the frame's own translation.
    if (OfferKeyToControlBars(pMsg))
        return TRUE;
    if (pMsg->message == WM_KEYDOWN && TranslatePlaceKey(pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

int CMainFrame::KeyPlaceOf(HWND hWnd)
{
    if (Inside(hWnd, m_wndFolderTree.GetSafeHwnd()) || hWnd == m_wndFoldersBar.GetSafeHwnd())
        return kPlaceTree;
    if (Inside(hWnd, m_wndSmsList.GetSafeHwnd()) || hWnd == m_wndSmsListBar.GetSafeHwnd())
        return kPlaceList;
    CView* pView = GetActiveView();
    if (pView != nullptr && Inside(hWnd, pView->GetSafeHwnd()))
        return kPlaceView;
    if (hWnd != nullptr && hWnd == m_wndLogButton.GetSafeHwnd())
        return kPlaceLog;
    return kPlaceNone;
}

bool CMainFrame::IsKeyPlaceShown(int nPlace)
{
    switch (nPlace)
    {
    case kPlaceTree:
    case kPlaceList:
    {
        CExtControlBar& bar = nPlace == kPlaceTree ? m_wndFoldersBar : m_wndSmsListBar;
        return bar.GetSafeHwnd() != nullptr && (bar.IsAutoHideMode() || bar.IsVisible());
    }
    case kPlaceView: return GetActiveView() != nullptr;
    case kPlaceLog: return m_wndLogButton.GetSafeHwnd() != nullptr && m_wndLogButton.IsWindowVisible();
    default: return false;
    }
}

void CMainFrame::GiveKeysTo(int nPlace, bool bLast)
{
    if (nPlace == kPlaceTree || nPlace == kPlaceList)
    {
        CExtControlBar& bar = nPlace == kPlaceTree ? m_wndFoldersBar : m_wndSmsListBar;
        CWnd& pane = nPlace == kPlaceTree ? static_cast<CWnd&>(m_wndFolderTree) : m_wndSmsList;
        // The toggle command slides an auto-hidden bar out, unless it shows already: then its pane takes the keys.
        if (bar.IsAutoHideMode() && CExtDockingKindOf::AutoHideSliderShowing(&bar) != nullptr)
            pane.SetFocus();
        else
            bar.HandleToggleCommand(false);
    }
    else if (nPlace == kPlaceView)
    {
        CView* pView = GetActiveView();
        const std::vector<HWND> stops = TabStops(pView->GetSafeHwnd());
        if (bLast && !stops.empty())
            ::SetFocus(stops.back());
        else
            pView->SetFocus();
    }
    else if (nPlace == kPlaceLog)
        m_wndLogButton.SetFocus();
}

bool CMainFrame::TranslatePlaceKey(const MSG* pMsg)
{
    const UINT nKey = (UINT)pMsg->wParam;
    if ((nKey != VK_F6 && nKey != VK_TAB) || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0 ||
        FamilyFrameOf(pMsg->hwnd) != this || !IsWindowEnabled())
        return false;
    const bool bBack = GetKeyState(VK_SHIFT) < 0;
    const HWND hFocus = ::GetFocus();
    const int nFrom = KeyPlaceOf(hFocus);
    // F6 goes round the panes from wherever the keys are; Tab leaves a place only from its end.
    const int nRound = nKey == VK_F6 ? kPlaceLog : kPlaceCount;
    if (nKey == VK_TAB)
    {
        if (nFrom == kPlaceNone)
            return false;
        if (nFrom == kPlaceView)
        {
            const std::vector<HWND> stops = TabStops(GetActiveView()->GetSafeHwnd());
            if (!stops.empty() && hFocus != (bBack ? stops.front() : stops.back()))
                return false;
        }
    }
    int nTo = nFrom == kPlaceNone || nFrom >= nRound ? (bBack ? 0 : nRound - 1) : nFrom;
    for (int i = 0; i < nRound; ++i)
    {
        nTo = (nTo + (bBack ? nRound - 1 : 1)) % nRound;
        if (IsKeyPlaceShown(nTo))
        {
            GiveKeysTo(nTo, bBack && nKey == VK_TAB);
            return true;
        }
    }
    return false;
}
