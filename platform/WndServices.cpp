// CWnd services: family walks, command-UI updates of child controls, bar layout
// (RepositionBars), the modal loop, automatic tool tips and window classes.
#include "platform/Wnd.h"
#include "platform/WinThread.h"
#include "platform/DataExchange.h"
#include "platform/Exceptions.h"
#include "platform/MiniDockFrameWnd.h"
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <string>
#include <vector>

// ---- family ------------------------------------------------------------------------------------

HWND AfxGetParentOwner(HWND hWnd)
{
    if (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD)
        return ::GetParent(hWnd);
    return ::GetWindow(hWnd, GW_OWNER);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    if (GetSafeHwnd() == nullptr)
        return nullptr;
    for (CWnd* pParent = GetParent(); pParent != nullptr; pParent = pParent->GetParent())
    {
        if (pParent->IsFrameWnd())
            return reinterpret_cast<CFrameWnd*>(pParent); // frames derive from CWnd first
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (GetSafeHwnd() == nullptr)
        return nullptr;
    CWnd* pFrame = const_cast<CWnd*>(this);
    if (!IsFrameWnd())
        pFrame = reinterpret_cast<CWnd*>(GetParentFrame());
    if (pFrame != nullptr)
    {
        CWnd* pTemp;
        while ((pTemp = reinterpret_cast<CWnd*>(pFrame->GetParentFrame())) != nullptr)
            pFrame = pTemp;
    }
    return reinterpret_cast<CFrameWnd*>(pFrame);
}

CWnd* CWnd::GetTopLevelParent() const
{
    if (GetSafeHwnd() == nullptr)
        return nullptr;
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    while ((hWndT = AfxGetParentOwner(hWndParent)) != nullptr)
        hWndParent = hWndT;
    return FromHandle(hWndParent);
}

CWnd* CWnd::GetTopLevelOwner() const
{
    if (GetSafeHwnd() == nullptr)
        return nullptr;
    HWND hWndOwner = m_hWnd;
    HWND hWndT;
    while ((hWndT = ::GetWindow(hWndOwner, GW_OWNER)) != nullptr)
        hWndOwner = hWndT;
    return FromHandle(hWndOwner);
}

CWnd* CWnd::GetParentOwner() const
{
    if (GetSafeHwnd() == nullptr)
        return nullptr;
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    while ((::GetWindowLongPtrW(hWndParent, GWL_STYLE) & WS_CHILD) && (hWndT = ::GetParent(hWndParent)) != nullptr)
        hWndParent = hWndT;
    return FromHandle(hWndParent);
}

HWND PASCAL CWnd::GetSafeOwner_(HWND hParent, HWND* pWndTop)
{
    HWND hWnd = hParent;
    if (hWnd == nullptr)
        hWnd = AfxGetMainWnd()->GetSafeHwnd();
    // A popup cannot be owned by a child window.
    while (hWnd != nullptr && (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    HWND hWndTop = hWnd;
    for (HWND hWndTemp = hWnd; hWndTemp != nullptr; hWndTemp = ::GetParent(hWndTemp))
        hWndTop = hWndTemp;
    if (hParent == nullptr && hWnd != nullptr)
    {
        // The popup the user had last, unless it is a floating frame of the window's bars: the window itself
        // then gets the keys back at the end of what it owns.
        const HWND hPopup = ::GetLastActivePopup(hWnd);
        CWnd* pPopup = hPopup != hWnd ? CWnd::FromHandlePermanent(hPopup) : nullptr;
        if (pPopup == nullptr || !pPopup->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
            hWnd = hPopup;
    }
    if (pWndTop != nullptr)
    {
        if (hWndTop != nullptr && ::IsWindowEnabled(hWndTop) && hWndTop != hWnd)
        {
            *pWndTop = hWndTop;
            ::EnableWindow(hWndTop, FALSE);
        }
        else
            *pWndTop = nullptr;
    }
    return hWnd;
}

CWnd* PASCAL CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop)
{
    return FromHandle(GetSafeOwner_(pParent->GetSafeHwnd(), pWndTop));
}

CWnd* CWnd::GetOwner() const { return m_hWndOwner != nullptr ? FromHandle(m_hWndOwner) : GetParent(); }

void CWnd::SetOwner(CWnd* pOwnerWnd) { m_hWndOwner = pOwnerWnd != nullptr ? pOwnerWnd->m_hWnd : nullptr; }

namespace
{
// The windows from a child of hWnd down to hDescendant, when hDescendant lies below hWnd. The parents of the
// process's own windows are read without a server call.
bool PathBelow(HWND hWnd, HWND hDescendant, std::vector<HWND>& path)
{
    path.clear();
    for (HWND h = hDescendant; h != nullptr && h != hWnd;)
    {
        path.push_back(h);
        const HWND hParent = ::GetAncestor(h, GA_PARENT);
        if (hParent == hWnd)
        {
            std::reverse(path.begin(), path.end());
            return true;
        }
        h = hParent;
    }
    return false;
}

struct SDescendant
{
    HWND hWnd;
    CWnd* pWnd;
    std::vector<HWND> path; // from hWnd's child down to the window
};

// The layer's windows of this thread below hWnd (with bDeep at any depth, else its children) that fSelect takes,
// in the order of a walk of the tree: a window before its children, siblings top of the window order first. The
// layer's map knows them; the system is asked for the window order only among the children of a window under
// which two or more of them lie apart.
template <class F> std::vector<SDescendant> PermanentDescendants(HWND hWnd, BOOL bDeep, F fSelect)
{
    std::vector<SDescendant> found;
    CHandleMap<CWnd>* pMap = afxMapHWND();
    if (pMap == nullptr || hWnd == nullptr)
        return found;
    std::vector<HWND> path;
    pMap->ForEachPermanent([&](void* h, CWnd* pWnd) {
        if (pWnd->m_hWnd == (HWND)h && fSelect(pWnd) && PathBelow(hWnd, (HWND)h, path) && (bDeep || path.size() == 1))
            found.push_back({(HWND)h, pWnd, path});
    });
    if (found.size() < 2)
        return found;
    // The children of each window that lead to found windows; their places in the window order where they are two
    // or more.
    std::map<HWND, std::map<HWND, int>> ranks;
    for (const SDescendant& d : found)
        for (size_t i = 0; i < d.path.size(); ++i)
            ranks[i == 0 ? hWnd : d.path[i - 1]][d.path[i]] = INT_MAX;
    for (auto& parent : ranks)
    {
        if (parent.second.size() < 2)
            continue;
        size_t nLeft = parent.second.size();
        int nRank = 0;
        for (HWND h = ::GetTopWindow(parent.first); h != nullptr && nLeft > 0; h = ::GetWindow(h, GW_HWNDNEXT), ++nRank)
        {
            auto it = parent.second.find(h);
            if (it != parent.second.end())
            {
                it->second = nRank;
                --nLeft;
            }
        }
    }
    std::stable_sort(found.begin(), found.end(), [&](const SDescendant& a, const SDescendant& b) {
        const size_t n = std::min(a.path.size(), b.path.size());
        for (size_t i = 0; i < n; ++i)
            if (a.path[i] != b.path[i])
            {
                const std::map<HWND, int>& siblings = ranks[i == 0 ? hWnd : a.path[i - 1]];
                return siblings.at(a.path[i]) < siblings.at(b.path[i]);
            }
        return a.path.size() < b.path.size(); // a window before its children
    });
    return found;
}

// The walk of the window tree for a descendant with the id.
CWnd* WalkForDescendant(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    HWND hWndChild = ::GetDlgItem(hWnd, nID);
    if (hWndChild != nullptr)
    {
        if (::GetTopWindow(hWndChild) != nullptr)
        {
            // children with the same id as their parent come first
            if (CWnd* p = WalkForDescendant(hWndChild, nID, bOnlyPerm))
                return p;
        }
        if (!bOnlyPerm)
            return CWnd::FromHandle(hWndChild);
        if (CWnd* p = CWnd::FromHandlePermanent(hWndChild))
            return p;
    }
    for (hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (CWnd* p = WalkForDescendant(hWndChild, nID, bOnlyPerm))
            return p;
    }
    return nullptr;
}
} // namespace

CWnd* PASCAL CWnd::GetDescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    if (bOnlyPerm)
    {
        // The layer's own windows with the id: one of them is the answer of the walk; of several, the walk decides.
        const std::vector<SDescendant> found =
            PermanentDescendants(hWnd, TRUE, [nID](CWnd* pWnd) { return ::GetDlgCtrlID(pWnd->m_hWnd) == nID; });
        if (found.size() < 2)
            return found.empty() ? nullptr : found.front().pWnd;
    }
    return WalkForDescendant(hWnd, nID, bOnlyPerm);
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const { return GetDescendantWindow(m_hWnd, nID, bOnlyPerm); }

void PASCAL CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                           BOOL bOnlyPerm)
{
    if (bOnlyPerm)
    {
        // The layer's windows as they are now; one that a handler destroyed or detached is left out.
        for (const SDescendant& d : PermanentDescendants(hWnd, bDeep, [](CWnd*) { return true; }))
            if (FromHandlePermanent(d.hWnd) == d.pWnd)
                AfxCallWndProc(d.pWnd, d.hWnd, message, wParam, lParam);
        return;
    }
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (bOnlyPerm)
        {
            CWnd* pWnd = FromHandlePermanent(hWndChild);
            if (pWnd != nullptr)
                AfxCallWndProc(pWnd, pWnd->m_hWnd, message, wParam, lParam);
        }
        else
            ::SendMessageW(hWndChild, message, wParam, lParam);
        // The walk below asks for the first child once; a window without children, or destroyed by the handler,
        // has none.
        if (bDeep)
            SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void CWnd::SendMessageToDescendantHandlers(UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const SDescendant& d :
         PermanentDescendants(m_hWnd, TRUE, [message](CWnd* pWnd) { return pWnd->HandlesInMessageMap(message); }))
        if (FromHandlePermanent(d.hWnd) == d.pWnd)
            AfxCallWndProc(d.pWnd, d.hWnd, message, wParam, lParam);
}

// ---- command UI for child controls -------------------------------------------------------------

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    CWnd wndTemp; // stands for controls without an object of their own
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        state.m_nID = (UINT)::GetDlgCtrlID(hWndChild);
        wndTemp.m_hWnd = hWndChild;
        state.m_pOther = &wndTemp;

        // A control that handles its own update (reflected command UI) needs no routing.
        CWnd* pWnd = FromHandlePermanent(hWndChild);
        if (pWnd != nullptr &&
            pWnd->CWnd::OnCmdMsg(0, (int)MAKELONG(0xFFFF, WM_COMMAND + WM_REFLECT_BASE), &state, nullptr))
            continue;
        // Then handlers of this window itself.
        if (CWnd::OnCmdMsg(state.m_nID, (int)CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;

        // Only push buttons are disabled for want of a handler.
        BOOL bDisableTemp = bDisableIfNoHndler;
        if (bDisableTemp)
        {
            if ((::SendMessageW(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) == 0)
                bDisableTemp = FALSE;
            else
            {
                UINT nStyle = (UINT)(::GetWindowLongPtrW(hWndChild, GWL_STYLE) & 0x0F);
                if (nStyle == (UINT)BS_AUTOCHECKBOX || nStyle == (UINT)BS_AUTO3STATE || nStyle == (UINT)BS_GROUPBOX ||
                    nStyle == (UINT)BS_AUTORADIOBUTTON)
                    bDisableTemp = FALSE;
            }
        }
        state.DoUpdate(pTarget, bDisableTemp);
    }
    wndTemp.m_hWnd = nullptr;
}

// ---- bar layout ----------------------------------------------------------------------------------

void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    HWND hWndParent = ::GetParent(hWnd);
    if (lpLayout != nullptr && lpLayout->hDWP == nullptr)
        return; // only asking
    CRect rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::ScreenToClient(hWndParent, &rectOld.TopLeft());
    ::ScreenToClient(hWndParent, &rectOld.BottomRight());
    if (::EqualRect(rectOld, lpRect))
        return;
    if (lpLayout != nullptr)
        lpLayout->hDWP =
            ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                             lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
    else
        ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                       lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch)
{
    AFX_SIZEPARENTPARAMS layout;
    HWND hWndLeftOver = nullptr;
    layout.bStretch = bStretch;
    layout.sizeTotal.cx = layout.sizeTotal.cy = 0;
    if (lpRectClient != nullptr)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);

    if (nFlags != reposQuery)
        layout.hDWP = ::BeginDeferWindowPos(8);
    else
        layout.hDWP = nullptr;

    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        UINT nIDC = (UINT)::GetDlgCtrlID(hWndChild);
        CWnd* pWnd = FromHandlePermanent(hWndChild);
        if (nIDC == nIDLeftOver)
            hWndLeftOver = hWndChild;
        else if (nIDC >= nIDFirst && nIDC <= nIDLast && pWnd != nullptr)
            ::SendMessageW(hWndChild, WM_SIZEPARENT, 0, (LPARAM)&layout);
    }

    if (nFlags == reposQuery)
    {
        if (lpRectParam != nullptr)
        {
            if (bStretch)
                ::CopyRect(lpRectParam, &layout.rect);
            else
            {
                lpRectParam->left = lpRectParam->top = 0;
                lpRectParam->right = layout.sizeTotal.cx;
                lpRectParam->bottom = layout.sizeTotal.cy;
            }
        }
        return;
    }

    if (nFlags == reposExtra && lpRectParam != nullptr)
    {
        layout.rect.left += lpRectParam->left;
        layout.rect.top += lpRectParam->top;
        layout.rect.right -= lpRectParam->right;
        layout.rect.bottom -= lpRectParam->bottom;
    }
    if (hWndLeftOver != nullptr)
    {
        CWnd* pLeftOver = FromHandle(hWndLeftOver);
        pLeftOver->CalcWindowRect(&layout.rect);
        AfxRepositionWindow(&layout, hWndLeftOver, &layout.rect);
    }
    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
}

// ---- modal loop -----------------------------------------------------------------------------------

BOOL CWnd::ContinueModal() { return (m_nFlags & WF_CONTINUEMODAL) != 0; }

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL);
    }
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    HWND hWndSelf = m_hWnd;
    m_nFlags |= (WF_MODALLOOP | WF_CONTINUEMODAL);
    MSG* pMsg = AfxGetCurrentMessage();
    CWinThread* pThread = AfxGetThread();

    for (;;)
    {
        while (bIdle && !::PeekMessageW(pMsg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (bShowIdle)
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != nullptr && lIdleCount == 0)
                ::SendMessageW(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);
            if ((dwFlags & MLF_NOKICKIDLE) || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            BOOL bPumped = pThread != nullptr ? pThread->PumpMessage() : AfxPumpMessage();
            if (!bPumped)
            {
                ::PostQuitMessage((int)pMsg->wParam);
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            if (bShowIdle && (pMsg->message == 0x118 || pMsg->message == WM_SYSKEYDOWN))
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!::IsWindow(hWndSelf) || !ContinueModal())
                goto ExitModal;
            if (pThread != nullptr ? pThread->IsIdleMessage(pMsg) : TRUE)
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageW(pMsg, nullptr, 0, 0, PM_NOREMOVE));
    }
ExitModal:
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

// ---- data exchange --------------------------------------------------------------------------------

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    HWND hWndOldLockout = s->m_hLockoutNotifyWindow;
    s->m_hLockoutNotifyWindow = m_hWnd; // no notifications while controls are filled
    CDataExchange dx(this, bSaveAndValidate);
    BOOL bOK = FALSE;
    try
    {
        DoDataExchange(&dx);
        bOK = TRUE;
    }
    catch (CUserException* e)
    {
        // a validation failure: the exchange code has told the user already
        e->Delete();
    }
    catch (CException* e)
    {
        e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
    }
    s->m_hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

// ---- tool tips ------------------------------------------------------------------------------------

LPTSTR AfxAllocToolTipText(LPCTSTR lpszText)
{
    if (lpszText == nullptr)
        return nullptr;
    size_t n = std::wcslen(lpszText) + 1;
    LPTSTR p = (LPTSTR)std::malloc(n * sizeof(wchar_t));
    if (p != nullptr)
        std::memcpy(p, lpszText, n * sizeof(wchar_t));
    return p;
}

static const UINT kToolInfoSize = TTTOOLINFOW_V2_SIZE;

HWND PASCAL CWnd::GetToolTipWindow()
{
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    if (s->m_hWndToolTip != nullptr && !::IsWindow(s->m_hWndToolTip))
        s->m_hWndToolTip = nullptr;
    return s->m_hWndToolTip;
}

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    BOOL bOld = (m_nFlags & WF_TOOLTIPS) != 0;
    if (bEnable)
        m_nFlags |= WF_TOOLTIPS;
    else
    {
        m_nFlags &= ~WF_TOOLTIPS;
        _AFX_THREAD_STATE* s = AfxGetThreadState();
        if (s->m_pLastHit == this)
        {
            HWND hTip = GetToolTipWindow();
            if (hTip != nullptr)
            {
                ::SendMessageW(hTip, TTM_ACTIVATE, FALSE, 0);
                if (s->m_bLastInfoValid)
                    ::SendMessageW(hTip, TTM_DELTOOLW, 0, (LPARAM)&s->m_lastInfo);
            }
            s->m_pLastHit = nullptr;
            s->m_nLastHit = -1;
            s->m_bLastInfoValid = FALSE;
        }
    }
    return bOld;
}

BOOL CWnd::EnableTrackingToolTips(BOOL bEnable)
{
    BOOL bOld = (m_nFlags & WF_TRACKINGTOOLTIPS) != 0;
    if (bEnable)
        m_nFlags |= WF_TRACKINGTOOLTIPS;
    else
        m_nFlags &= ~WF_TRACKINGTOOLTIPS;
    return bOld;
}

void PASCAL CWnd::CancelToolTips(BOOL)
{
    HWND hTip = GetToolTipWindow();
    if (hTip != nullptr)
        ::SendMessageW(hTip, TTM_ACTIVATE, FALSE, 0);
}

// The visible, enabled-or-not child under a client point (WindowFromPoint skips disabled ones).
static HWND ChildWindowFromPointAny(HWND hWnd, POINT pt)
{
    ::ClientToScreen(hWnd, &pt);
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if ((UINT)::GetDlgCtrlID(hWndChild) != 0xFFFF && ::IsWindowVisible(hWndChild))
        {
            RECT rect;
            ::GetWindowRect(hWndChild, &rect);
            if (::PtInRect(&rect, pt))
                return hWndChild;
        }
    }
    return nullptr;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    HWND hWndChild = ChildWindowFromPointAny(m_hWnd, point);
    if (hWndChild == nullptr)
        return -1;
    INT_PTR nHit = (UINT)::GetDlgCtrlID(hWndChild);
    if (pTI != nullptr && pTI->cbSize >= sizeof(AFX_OLDTOOLINFO))
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)hWndChild;
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACKW;
        if (!(::SendMessageW(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
            pTI->uFlags |= TTF_NOTBUTTON | TTF_CENTERTIP;
    }
    return nHit;
}

BOOL CWnd::IsTopParentActive() const
{
    CWnd* pTop = GetTopLevelParent();
    if (pTop == nullptr)
        return FALSE;
    HWND hActive = ::GetForegroundWindow();
    if (hActive == nullptr)
        return FALSE;
    CWnd* pActiveTop = FromHandle(hActive)->GetTopLevelParent();
    return pActiveTop != nullptr && pActiveTop->m_hWnd == ::GetLastActivePopup(pTop->m_hWnd);
}

void CWnd::ActivateTopParent()
{
    CWnd* pTop = GetTopLevelParent();
    if (pTop != nullptr && !pTop->IsWindowEnabled())
        return;
    HWND hActive = ::GetActiveWindow();
    if (pTop != nullptr && hActive != pTop->m_hWnd && !::IsChild(pTop->m_hWnd, hActive))
        ::SetActiveWindow(pTop->m_hWnd);
}

static void RelayToolTipMessage(HWND hTip, MSG* pMsg)
{
    MSG msg = *pMsg;
    // The tip control wants mouse messages in the coordinates of the tool's window.
    ::SendMessageW(hTip, TTM_RELAYEVENT, 0, (LPARAM)&msg);
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    UINT message = pMsg->message;
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    bool bMouseMove = message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == WM_LBUTTONUP ||
                      message == WM_RBUTTONUP || message == WM_MBUTTONUP;
    if (bMouseMove && ::GetKeyState(VK_LBUTTON) >= 0 && ::GetKeyState(VK_RBUTTON) >= 0 &&
        ::GetKeyState(VK_MBUTTON) >= 0)
    {
        if (!(m_nFlags & (WF_TOOLTIPS | WF_TRACKINGTOOLTIPS)))
            return;
        // The innermost window with tool tips on the message's path handles them.
        CWnd* pWnd = FromHandle(pMsg->hwnd);
        while (pWnd != nullptr && !(pWnd->m_nFlags & (WF_TOOLTIPS | WF_TRACKINGTOOLTIPS)))
        {
            CWnd* pPerm = FromHandlePermanent(pWnd->m_hWnd);
            if (pPerm != nullptr && (pPerm->m_nFlags & (WF_TOOLTIPS | WF_TRACKINGTOOLTIPS)))
            {
                pWnd = pPerm;
                break;
            }
            pWnd = pWnd->GetParent();
        }
        if (pWnd == nullptr || pWnd->m_hWnd != m_hWnd)
            return;

        CWnd* pOwner = GetParentOwner();
        HWND hTip = GetToolTipWindow();
        if (hTip != nullptr && ::GetWindow(hTip, GW_OWNER) != pOwner->GetSafeHwnd())
        {
            ::DestroyWindow(hTip);
            s->m_hWndToolTip = hTip = nullptr;
            s->m_pLastHit = nullptr;
            s->m_nLastHit = -1;
            s->m_bLastInfoValid = FALSE;
        }
        if (hTip == nullptr)
        {
            hTip = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, pOwner->GetSafeHwnd(), nullptr,
                                     AfxGetInstanceHandle(), nullptr);
            if (hTip == nullptr)
                return;
            ::SendMessageW(hTip, TTM_ACTIVATE, FALSE, 0);
            s->m_hWndToolTip = hTip;
        }

        // A "dead area" tool for the window itself keeps the tip from flickering between tools.
        TOOLINFOW ti = {};
        ti.cbSize = kToolInfoSize;
        ti.uFlags = TTF_IDISHWND;
        ti.hwnd = m_hWnd;
        ti.uId = (UINT_PTR)m_hWnd;
        if (!::SendMessageW(hTip, TTM_GETTOOLINFOW, 0, (LPARAM)&ti))
        {
            ti.lpszText = nullptr;
            ::SendMessageW(hTip, TTM_ADDTOOLW, 0, (LPARAM)&ti);
        }

        CPoint point = pMsg->pt;
        ::ScreenToClient(m_hWnd, &point);
        TOOLINFOW tiHit = {};
        tiHit.cbSize = sizeof(TOOLINFOW); // the full size for hit tests; the control gets kToolInfoSize
        INT_PTR nHit = OnToolHitTest(point, &tiHit);

        CWnd* pHitWnd = nHit == -1 ? nullptr : this;
        if (s->m_nLastHit != nHit || s->m_pLastHit != pHitWnd)
        {
            if (nHit != -1)
            {
                ti = tiHit;
                ti.cbSize = kToolInfoSize;
                ti.uFlags &= ~(TTF_NOTBUTTON | TTF_ALWAYSTIP);
                if (m_nFlags & WF_TRACKINGTOOLTIPS)
                    ti.uFlags |= TTF_TRACK;
                ::SendMessageW(hTip, TTM_ADDTOOLW, 0, (LPARAM)&ti);
                if ((tiHit.uFlags & TTF_ALWAYSTIP) || IsTopParentActive())
                {
                    ::SendMessageW(hTip, TTM_ACTIVATE, TRUE, 0);
                    if (m_nFlags & WF_TRACKINGTOOLTIPS)
                        ::SendMessageW(hTip, TTM_TRACKACTIVATE, TRUE, (LPARAM)&ti);
                    ::SetWindowPos(hTip, HWND_TOP, 0, 0, 0, 0,
                                   SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
                }
            }
            else
                ::SendMessageW(hTip, TTM_ACTIVATE, FALSE, 0);

            RelayToolTipMessage(hTip, pMsg);

            // The previous tool goes only now, after the relay.
            if (s->m_bLastInfoValid)
                ::SendMessageW(hTip, TTM_DELTOOLW, 0, (LPARAM)&s->m_lastInfo);
            s->m_pLastHit = pHitWnd;
            s->m_nLastHit = nHit;
            s->m_lastInfo = tiHit;
            s->m_lastInfo.cbSize = kToolInfoSize;
            s->m_lastInfo.lpszText = nullptr;
            s->m_bLastInfoValid = nHit != -1;
        }
        else if (m_nFlags & WF_TRACKINGTOOLTIPS)
        {
            POINT pt = pMsg->pt;
            ::SendMessageW(hTip, TTM_TRACKPOSITION, 0, MAKELPARAM(pt.x, pt.y));
        }
        else if (nHit != -1)
            RelayToolTipMessage(hTip, pMsg);

        // Texts handed over by OnToolHitTest are heap copies: the control has its own now.
        if (tiHit.lpszText != LPSTR_TEXTCALLBACKW && tiHit.lpszText != nullptr && tiHit.hinst == nullptr)
            std::free(tiHit.lpszText);
    }
    else if (m_nFlags & (WF_TOOLTIPS | WF_TRACKINGTOOLTIPS))
    {
        CWnd* pWnd = FromHandle(pMsg->hwnd);
        while (pWnd != nullptr && pWnd->m_hWnd != m_hWnd)
        {
            CWnd* pPerm = FromHandlePermanent(pWnd->m_hWnd);
            if (pPerm != nullptr && (pPerm->m_nFlags & (WF_TOOLTIPS | WF_TRACKINGTOOLTIPS)))
                break;
            pWnd = pWnd->GetParent();
        }
        if (pWnd == nullptr || pWnd->m_hWnd != m_hWnd)
            return;
        BOOL bKeys = (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
                     (message >= WM_SYSKEYDOWN && message <= WM_SYSDEADCHAR);
        if ((m_nFlags & WF_TRACKINGTOOLTIPS) == 0 &&
            (bKeys || message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN ||
             message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK ||
             message == WM_NCLBUTTONDOWN || message == WM_NCLBUTTONDBLCLK || message == WM_NCRBUTTONDOWN ||
             message == WM_NCRBUTTONDBLCLK || message == WM_NCMBUTTONDOWN || message == WM_NCMBUTTONDBLCLK))
        {
            CancelToolTips(bKeys);
        }
    }
}

// ---- window classes -------------------------------------------------------------------------------

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::mutex s_lock;
    static std::map<std::wstring, int> s_names; // keeps the returned names alive
    wchar_t name[128];
    HINSTANCE hInst = AfxGetInstanceHandle();
    std::swprintf(name, 128, L"Corvane:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor, (void*)hbrBackground,
                  (void*)hIcon);
    std::lock_guard<std::mutex> guard(s_lock);
    auto it = s_names.find(name);
    if (it != s_names.end())
        return it->first.c_str();
    WNDCLASSW wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = name;
    if (!AfxRegisterClass(&wc))
        throw new CResourceException();
    auto res = s_names.emplace(name, 0);
    return res.first->first.c_str();
}
