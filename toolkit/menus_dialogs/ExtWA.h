// CExtWA: the anchoring layer of every resizable window over its state layer CExtWS: anchor
// records of the children, their relayout at each size, and the tracking limits.
#pragma once
#include "platform/Collections.h"
#include "toolkit/menus_dialogs/ExtAnchor.h"
#include "toolkit/menus_dialogs/ExtWS.h"
#include <vector>

// One anchored child: each edge is a percentage of the client size plus an offset in pixels.
struct RDI_t
{
    int m_nLeftTopPercentX = 0;
    int m_nLeftTopPercentY = 0;
    int m_nLeftTopOffsetX = 0;
    int m_nLeftTopOffsetY = 0;
    int m_nRightBottomPercentX = 0;
    int m_nRightBottomPercentY = 0;
    int m_nRightBottomOffsetX = 0;
    int m_nRightBottomOffsetY = 0;
};

// The deferred positioning calls of the relayout; tests replace them to make them fail.
struct CExtWADeferCalls
{
    inline static HDWP(WINAPI* g_pfnBeginDeferWindowPos)(int nNumWindows) = &::BeginDeferWindowPos;
    inline static HDWP(WINAPI* g_pfnDeferWindowPos)(HDWP hWinPosInfo, HWND hWnd, HWND hWndInsertAfter, int x, int y,
                                                    int cx, int cy, UINT uFlags) = &::DeferWindowPos;
};

template <class WS> class CExtWA : public WS
{
public:
    typedef CMap<HWND, HWND, RDI_t, RDI_t> AnchorMap_t;

    // Bits of m_nLimitFlags.
    enum : BYTE
    {
        kLimitFirstSize = 0x01, // the first WM_SIZE was seen; limits are answered from then on
        kLimitMaxTrack = 0x02,  // the maximum tracking size is valid
        kLimitMinTrack = 0x04,  // the minimum tracking size is valid
        kLimitMaxSize = 0x08,   // the maximum size and position are valid
    };

    template <typename... Args> explicit CExtWA(Args&&... args) : WS(std::forward<Args>(args)...), m_mapAnchors(10)
    {
        m_mapAnchors.InitHashTable(17, FALSE);
    }
    ~CExtWA() override { m_mapAnchors.RemoveAll(); }

    // Anchors a child: its edges follow the leftTop and rightBottom points of the client area,
    // given in per cent; rightBottom (-1, -1) is leftTop (the child keeps its size). False, and
    // nothing stored, for leftTop (-1, -1), a missing window or a window that is no child.
    virtual bool AddAnchor(HWND hWnd, CSize szLeftTop, CSize szRightBottom = CSize(-1, -1));
    // Re-lays every anchored child for the client size (negative: the current one); children that
    // no longer exist leave the map.
    virtual void RelayoutControls(int cx = -1, int cy = -1);
    bool AddAnchorById(UINT nCtrlId, CSize szLeftTop, CSize szRightBottom = CSize(-1, -1));

    BYTE m_nLimitFlags = kLimitMinTrack; // kLimit... bits
    int m_nMinTrackWidth = 0;
    int m_nMinTrackHeight = 0;
    int m_nMaxTrackWidth = 0;
    int m_nMaxTrackHeight = 0;
    int m_nMaxPosX = 0;
    int m_nMaxPosY = 0;
    int m_nMaxSizeWidth = 0;
    int m_nMaxSizeHeight = 0;
    AnchorMap_t m_mapAnchors; // child window -> anchor record

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnWaGetMinMaxInfo(LPARAM lParam);
    LRESULT OnWaSize(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnWaDestroy(UINT message, WPARAM wParam, LPARAM lParam);
};

template <class WS> bool CExtWA<WS>::AddAnchor(HWND hWnd, CSize szLeftTop, CSize szRightBottom)
{
    const CSize szNone(-1, -1);
    HWND hWndThis = this->GetSafeHwnd();
    if (szLeftTop == szNone || hWndThis == nullptr || !::IsWindow(hWndThis) || !::IsWindow(hWnd) ||
        !::IsChild(hWndThis, hWnd))
        return false;
    CRect rcClient;
    this->GetClientRect(&rcClient);
    const int w = rcClient.Width(), h = rcClient.Height();
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    this->ScreenToClient(&rc);
    if (szRightBottom == szNone)
        szRightBottom = szLeftTop;
    // The offsets use the relayout's own rounding, so a relayout at this size puts the child
    // exactly where it is.
    RDI_t rdi;
    rdi.m_nLeftTopPercentX = szLeftTop.cx;
    rdi.m_nLeftTopPercentY = szLeftTop.cy;
    rdi.m_nLeftTopOffsetX = rc.left - ::MulDiv(w, szLeftTop.cx, 100);
    rdi.m_nLeftTopOffsetY = rc.top - ::MulDiv(h, szLeftTop.cy, 100);
    rdi.m_nRightBottomPercentX = szRightBottom.cx;
    rdi.m_nRightBottomPercentY = szRightBottom.cy;
    rdi.m_nRightBottomOffsetX = rc.right - ::MulDiv(w, szRightBottom.cx, 100);
    rdi.m_nRightBottomOffsetY = rc.bottom - ::MulDiv(h, szRightBottom.cy, 100);
    m_mapAnchors.SetAt(hWnd, rdi);
    return true;
}

template <class WS> bool CExtWA<WS>::AddAnchorById(UINT nCtrlId, CSize szLeftTop, CSize szRightBottom)
{
    if (szLeftTop == CSize(-1, -1) || this->GetSafeHwnd() == nullptr)
        return false;
    HWND hWnd = ::GetDlgItem(this->GetSafeHwnd(), (int)nCtrlId);
    if (hWnd == nullptr || !::IsWindow(hWnd))
        return false;
    return AddAnchor(hWnd, szLeftTop, szRightBottom);
}

template <class WS> void CExtWA<WS>::RelayoutControls(int cx, int cy)
{
    if (cx < 0 || cy < 0)
    {
        CRect rcClient;
        this->GetClientRect(&rcClient);
        cx = rcClient.Width();
        cy = rcClient.Height();
    }
    struct Move
    {
        HWND hWnd;
        CRect rc;
    };
    std::vector<Move> moves;
    std::vector<HWND> dead;
    POSITION pos = m_mapAnchors.GetStartPosition();
    while (pos != nullptr)
    {
        HWND hWnd = nullptr;
        RDI_t rdi;
        m_mapAnchors.GetNextAssoc(pos, hWnd, rdi);
        if (!::IsWindow(hWnd))
        {
            dead.push_back(hWnd);
            continue;
        }
        const CRect rc(::MulDiv(cx, rdi.m_nLeftTopPercentX, 100) + rdi.m_nLeftTopOffsetX,
                       ::MulDiv(cy, rdi.m_nLeftTopPercentY, 100) + rdi.m_nLeftTopOffsetY,
                       ::MulDiv(cx, rdi.m_nRightBottomPercentX, 100) + rdi.m_nRightBottomOffsetX,
                       ::MulDiv(cy, rdi.m_nRightBottomPercentY, 100) + rdi.m_nRightBottomOffsetY);
        if (CExtPaintManager::IsBackgroundTransparentControl(hWnd))
        {
            ::MoveWindow(hWnd, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
            const CRect rcRedraw(0, 0, rc.Width(), rc.Height());
            ::RedrawWindow(hWnd, &rcRedraw, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_VALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW |
                               RDW_NOFRAME);
        }
        else
            moves.push_back({hWnd, rc});
    }
    const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    bool bMoved = false;
    if (!moves.empty())
    {
        HDWP hDWP = CExtWADeferCalls::g_pfnBeginDeferWindowPos((int)moves.size());
        for (size_t i = 0; hDWP != nullptr && i < moves.size(); ++i)
        {
            const Move& m = moves[i];
            hDWP = CExtWADeferCalls::g_pfnDeferWindowPos(hDWP, m.hWnd, nullptr, m.rc.left, m.rc.top, m.rc.Width(),
                                                         m.rc.Height(), nFlags);
        }
        bMoved = hDWP != nullptr && ::EndDeferWindowPos(hDWP);
    }
    // A failed deferred positioning moves nothing: the children are moved one by one instead.
    for (size_t i = 0; !bMoved && i < moves.size(); ++i)
    {
        const Move& m = moves[i];
        ::SetWindowPos(m.hWnd, nullptr, m.rc.left, m.rc.top, m.rc.Width(), m.rc.Height(), nFlags);
    }
    for (HWND hWnd : dead)
        m_mapAnchors.RemoveKey(hWnd);
    if (!dead.empty() && m_mapAnchors.IsEmpty())
        m_mapAnchors.RemoveAll();
}

template <class WS> LRESULT CExtWA<WS>::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_GETMINMAXINFO: return OnWaGetMinMaxInfo(lParam);
    case WM_SIZE: return OnWaSize(message, wParam, lParam);
    case WM_DESTROY:
    case WM_NCDESTROY: return OnWaDestroy(message, wParam, lParam);
    default: return WS::WindowProc(message, wParam, lParam);
    }
}

template <class WS> LRESULT CExtWA<WS>::OnWaGetMinMaxInfo(LPARAM lParam)
{
    if ((m_nLimitFlags & kLimitFirstSize) == 0)
        return 0;
    MINMAXINFO* pMMI = (MINMAXINFO*)lParam;
    if ((m_nLimitFlags & kLimitMinTrack) != 0)
        pMMI->ptMinTrackSize = CPoint(m_nMinTrackWidth, m_nMinTrackHeight);
    if ((m_nLimitFlags & kLimitMaxTrack) != 0)
        pMMI->ptMaxTrackSize = CPoint(m_nMaxTrackWidth, m_nMaxTrackHeight);
    if ((m_nLimitFlags & kLimitMaxSize) != 0)
    {
        pMMI->ptMaxPosition = CPoint(m_nMaxPosX, m_nMaxPosY);
        pMMI->ptMaxSize = CPoint(m_nMaxSizeWidth, m_nMaxSizeHeight);
    }
    return 0;
}

template <class WS> LRESULT CExtWA<WS>::OnWaSize(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = this->GetSafeHwnd();
    const LRESULT lResult = WS::WindowProc(message, wParam, lParam);
    if (!::IsWindow(hWnd) || CWnd::FromHandlePermanent(hWnd) != this)
        return lResult;
    if ((m_nLimitFlags & kLimitFirstSize) == 0)
    {
        CRect rcWnd;
        this->GetWindowRect(&rcWnd);
        m_nMinTrackWidth = rcWnd.Width();
        m_nMinTrackHeight = rcWnd.Height();
        m_nLimitFlags |= kLimitFirstSize;
        RelayoutControls(-1, -1);
    }
    else if (wParam != SIZE_MAXSHOW && wParam != SIZE_MAXHIDE)
        RelayoutControls(LOWORD(lParam), HIWORD(lParam));
    return lResult;
}

template <class WS> LRESULT CExtWA<WS>::OnWaDestroy(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = this->GetSafeHwnd();
    const LRESULT lResult = WS::WindowProc(message, wParam, lParam);
    // After WM_NCDESTROY the object may be gone (a view deletes itself): only an object still
    // attached to the handle is touched.
    if (hWnd != nullptr && ::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == this)
        m_mapAnchors.RemoveAll();
    return lResult;
}
