// CExtWS: the state layer of every resizable window (size gripper, themed background and control
// colours, placement in the application profile, the toolkit system menu), a template over the
// window class it extends.
//
// A resizable window is CExtWA over CExtWS over its Base class (a dialog, property page, property
// sheet or form view). Messages run CExtWA::WindowProc (limits, anchoring), then
// CExtWS::WindowProc (gripper, background, colours, placement, system menu), then Base's.
#pragma once
#include "platform/Dc.h"
#include "platform/Dialog.h"
#include "platform/Menu.h"
#include "platform/WinApp.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <cwchar>
#include <utility>

// The placement text's checks, shared by every instantiation.
struct CExtWSPlacement
{
    // Parses "left,top,right,bottom,showCmd,flags" into wp (the minimum and maximum positions keep
    // their values). False when the text is not six numbers, the rectangle is empty or inverted, or
    // showCmd is no SW_ value. A minimised showCmd becomes SW_SHOWNORMAL (a modal window restored
    // minimised would block the program behind an invisible window); a rectangle on no monitor's
    // work area is moved onto the nearest one.
    static bool Parse(LPCTSTR lpszText, WINDOWPLACEMENT& wp);
    static CString Format(const WINDOWPLACEMENT& wp);
};

template <class Base, UINT nTimerId> class CExtWS : public Base
{
public:
    // Bits of m_nWsFlags.
    enum : BYTE
    {
        kWsSaveRestore = 0x02,    // placement saved at WM_DESTROY (EnableSaveRestore)
        kWsSysMenuShowing = 0x04, // the toolkit system menu is open; timer nTimerId watches it
        kWsGripper = 0x08,        // the size gripper is shown
        kWsAltSpaceTaken = 0x10,  // a popup took Alt+Space; the release of Alt that follows is swallowed
    };

    template <typename... Args> explicit CExtWS(Args&&... args) : Base(std::forward<Args>(args)...) {}
    ~CExtWS() override {}

    // ---- operations ----------------------------------------------------------------------------
    // Shows or hides the gripper; only its last computed rectangle is repainted.
    virtual void ShowSizeGrip(bool bShow);
    // Writes the placement as "left,top,right,bottom,showCmd,flags" under the section and entry.
    virtual void SavePlacementToProfile();
    // Restores a saved placement (hidden when bForceHide); a missing text does nothing, a damaged
    // one is ignored; the window is redrawn whenever a text was found.
    virtual void LoadPlacementFromProfile(bool bForceHide);
    // Names the placement's section and entry, turns saving on and restores it now when the window exists.
    virtual void EnableSaveRestore(LPCTSTR lpszSection, LPCTSTR lpszEntry, bool bForceHide = false);
    // Opens the toolkit's form of the system menu (at the point, or at the top-left of the client
    // area); true while it shows. Only popup windows have one.
    virtual bool TrackSystemMenu(const POINT* pPtScreen, bool bSelectFirst);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // ---- state ---------------------------------------------------------------------------------
    bool IsSizeGripShown() const { return (m_nWsFlags & kWsGripper) != 0; }
    const CRect& GetGripperRect() const { return m_rcGripper; }
    // The face brush of this instantiation (colour 1000 of the paint manager), re-made when the colour changes.
    static HBRUSH GetFaceBrush();

    CString m_sSection;  // profile section of the placement
    CString m_sEntry;    // profile entry of the placement
    BYTE m_nWsFlags = 0; // kWs... bits
    CRect m_rcGripper;   // client coordinates; computed at WM_SIZE while shown

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    LRESULT OnWsSize(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnWsWindowPosChanged(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnWsNcHitTest(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnWsPaint();
    LRESULT OnWsEraseBkgnd(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnWsCtlColor(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnWsTimer(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnWsDestroy(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnWsNcMouse(UINT message, WPARAM wParam, LPARAM lParam);

    bool IsThemedBackground();
    static bool KeepTransparentChild(HDC, HWND, HWND hWndChild, LPARAM)
    {
        return CExtPaintManager::IsBackgroundTransparentControl(hWndChild);
    }
    static bool IsClassNamed(HWND hWnd, LPCWSTR lpszClass)
    {
        wchar_t szClass[64] = {};
        ::GetClassNameW(hWnd, szClass, 63);
        return ::lstrcmpiW(szClass, lpszClass) == 0;
    }

    inline static HBRUSH g_hFaceBrush = nullptr;        // lives until the process ends
    inline static COLORREF g_clrFaceBrush = 0xFFFFFFFF; // colour the brush was made with
};

// ---- operations ------------------------------------------------------------------------------

template <class Base, UINT nTimerId> void CExtWS<Base, nTimerId>::ShowSizeGrip(bool bShow)
{
    if (IsSizeGripShown() == bShow)
        return;
    if (bShow)
        m_nWsFlags |= kWsGripper;
    else
        m_nWsFlags &= ~kWsGripper;
    if (this->GetSafeHwnd() != nullptr)
        this->InvalidateRect(&m_rcGripper, TRUE);
}

template <class Base, UINT nTimerId> void CExtWS<Base, nTimerId>::SavePlacementToProfile()
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || this->GetSafeHwnd() == nullptr || !this->GetWindowPlacement(&wp))
        return;
    pApp->WriteProfileString(m_sSection, m_sEntry, CExtWSPlacement::Format(wp));
}

template <class Base, UINT nTimerId> void CExtWS<Base, nTimerId>::LoadPlacementFromProfile(bool bForceHide)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || this->GetSafeHwnd() == nullptr)
        return;
    const CString sText = pApp->GetProfileString(m_sSection, m_sEntry);
    if (sText.IsEmpty())
        return;
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (this->GetWindowPlacement(&wp) && CExtWSPlacement::Parse(sText, wp))
    {
        if (bForceHide)
            wp.showCmd = SW_HIDE;
        this->SetWindowPlacement(&wp);
    }
    this->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

template <class Base, UINT nTimerId>
void CExtWS<Base, nTimerId>::EnableSaveRestore(LPCTSTR lpszSection, LPCTSTR lpszEntry, bool bForceHide)
{
    m_sSection = lpszSection;
    m_sEntry = lpszEntry;
    m_nWsFlags |= kWsSaveRestore;
    if (this->GetSafeHwnd() != nullptr)
        LoadPlacementFromProfile(bForceHide);
}

template <class Base, UINT nTimerId>
bool CExtWS<Base, nTimerId>::TrackSystemMenu(const POINT* pPtScreen, bool bSelectFirst)
{
    HWND hWnd = this->GetSafeHwnd();
    if (hWnd == nullptr || (this->GetStyle() & WS_POPUP) == 0)
        return false;
    if (CExtPopupMenuWnd::IsMenuTracking())
        CExtPopupMenuWnd::CancelMenuTracking();
    m_nWsFlags &= ~kWsSysMenuShowing;
    HMENU hSysMenu = ::GetSystemMenu(hWnd, FALSE);
    if (hSysMenu == nullptr)
        return false;
    CExtPopupMenuWnd* pPopup = new CExtPopupMenuWnd;
    if (!pPopup->CreatePopupMenu(hWnd) || !pPopup->UpdateFromMenu(hWnd, hSysMenu, false, true))
    {
        delete pPopup;
        return false;
    }
    CPoint pt;
    if (pPtScreen != nullptr)
        pt = *pPtScreen;
    else
    {
        CRect rcWnd;
        this->GetWindowRect(&rcWnd);
        CPoint ptClient(0, 0);
        this->ClientToScreen(&ptClient);
        pt = CPoint(rcWnd.left + ::GetSystemMetrics(SM_CXFRAME), ptClient.y);
    }
    const UINT nFlags = CExtPopupMenuWnd::TRACK_ALIGN_ABOVE | (bSelectFirst ? CExtPopupMenuWnd::TRACK_SELECT_ANY : 0);
    HWND hFocus = ::GetFocus();
    if (hFocus != nullptr && hFocus != hWnd && !::IsChild(hWnd, hFocus))
        ::SetFocus(hWnd);
    if (pPopup->TrackPopupMenu(nFlags, pt.x, pt.y))
    {
        m_nWsFlags |= kWsSysMenuShowing;
        this->SetTimer(nTimerId, 20, nullptr);
    }
    else
    {
        m_nWsFlags &= ~kWsSysMenuShowing;
        delete pPopup;
    }
    return (m_nWsFlags & kWsSysMenuShowing) != 0;
}

template <class Base, UINT nTimerId> BOOL CExtWS<Base, nTimerId>::PreTranslateMessage(MSG* pMsg)
{
    HWND hWnd = this->GetSafeHwnd();
    // Wine's default window procedure, which never saw the Space, would take the release for a lone Alt
    // and start its own menu mode on the window.
    if ((pMsg->message == WM_KEYUP || pMsg->message == WM_SYSKEYDOWN) && pMsg->wParam == VK_MENU &&
        (m_nWsFlags & kWsAltSpaceTaken) != 0)
    {
        m_nWsFlags &= ~kWsAltSpaceTaken;
        if (pMsg->message == WM_KEYUP)
            return TRUE;
    }
    const bool bKey = pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN || pMsg->message == WM_SYSKEYUP;
    if (!bKey || hWnd == nullptr || pMsg->wParam != VK_SPACE || (pMsg->lParam & (1 << 29)) == 0)
        return Base::PreTranslateMessage(pMsg);
    const bool bPopup = (this->GetStyle() & WS_POPUP) != 0;
    if (pMsg->message == WM_SYSKEYDOWN && bPopup)
        m_nWsFlags |= kWsAltSpaceTaken;
    if (pMsg->message == WM_SYSKEYUP)
        return bPopup;
    HWND hActive = ::GetActiveWindow();
    if (hActive == nullptr || !::IsWindow(hActive) || !bPopup || ::GetSystemMenu(hWnd, FALSE) == nullptr)
        return bPopup;
    if (hActive != hWnd && (::GetWindowLongW(hActive, GWL_STYLE) & WS_POPUP) != 0)
        return bPopup;
    TrackSystemMenu(nullptr, true);
    return bPopup;
}

template <class Base, UINT nTimerId> HBRUSH CExtWS<Base, nTimerId>::GetFaceBrush()
{
    const COLORREF clr = g_PaintManagerHolder->GetTranslatedColor(XCLR_FACE_NORMAL);
    if (g_hFaceBrush == nullptr || clr != g_clrFaceBrush)
    {
        if (g_hFaceBrush != nullptr)
            ::DeleteObject(g_hFaceBrush);
        g_hFaceBrush = ::CreateSolidBrush(clr);
        g_clrFaceBrush = clr;
    }
    return g_hFaceBrush;
}

// ---- window procedure ------------------------------------------------------------------------

template <class Base, UINT nTimerId>
LRESULT CExtWS<Base, nTimerId>::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE: return OnWsSize(message, wParam, lParam);
    case WM_WINDOWPOSCHANGED: return OnWsWindowPosChanged(message, wParam, lParam);
    case WM_NCHITTEST: return OnWsNcHitTest(message, wParam, lParam);
    case WM_PAINT: return OnWsPaint();
    case WM_ERASEBKGND: return OnWsEraseBkgnd(message, wParam, lParam);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: return OnWsCtlColor(message, wParam, lParam);
    case WM_TIMER: return OnWsTimer(message, wParam, lParam);
    case WM_DESTROY: return OnWsDestroy(message, wParam, lParam);
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP: return OnWsNcMouse(message, wParam, lParam);
    default: return Base::WindowProc(message, wParam, lParam);
    }
}

template <class Base, UINT nTimerId> bool CExtWS<Base, nTimerId>::IsThemedBackground()
{
    return g_PaintManagerHolder->IsDockerGradientAvailable(this) && CExtPaintManager::GetDisplayBitsPerPixel() > 8;
}

template <class Base, UINT nTimerId>
LRESULT CExtWS<Base, nTimerId>::OnWsSize(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = this->GetSafeHwnd();
    const bool bThemed = IsThemedBackground();
    bool bDialogLike = this->IsKindOf(RUNTIME_CLASS(CDialog));
    if (!bDialogLike)
    {
        wchar_t szClass[256] = {};
        ::GetClassNameW(hWnd, szClass, 255);
        bDialogLike = std::wcschr(szClass, L'#') != nullptr;
    }
    const bool bRepaintAll = bThemed && (this->GetStyle() & WS_VISIBLE) != 0;
    if (IsSizeGripShown() && !m_rcGripper.IsRectEmpty() && !bRepaintAll)
        this->InvalidateRect(&m_rcGripper, TRUE);
    const LRESULT lResult = Base::WindowProc(message, wParam, lParam);
    if (!::IsWindow(hWnd))
        return lResult;
    if (IsSizeGripShown())
    {
        CRect rcClient;
        this->GetClientRect(&rcClient);
        m_rcGripper.SetRect(rcClient.right - ::GetSystemMetrics(SM_CXVSCROLL),
                            rcClient.bottom - ::GetSystemMetrics(SM_CYHSCROLL), rcClient.right, rcClient.bottom);
        this->InvalidateRect(bRepaintAll ? nullptr : &m_rcGripper, TRUE);
    }
    else if (bRepaintAll)
        this->Invalidate(TRUE);
    if (!bRepaintAll)
        return lResult;
    if (bDialogLike)
    {
        for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        {
            if (!::IsWindowVisible(hChild))
                continue;
            ::InvalidateRect(hChild, nullptr, TRUE);
            CRect rcWindow, rcClient;
            ::GetWindowRect(hChild, &rcWindow);
            ::ScreenToClient(hChild, (POINT*)&rcWindow.left);
            ::ScreenToClient(hChild, (POINT*)&rcWindow.right);
            ::GetClientRect(hChild, &rcClient);
            if (rcWindow != rcClient)
                ::PostMessageW(hChild, WM_NCPAINT, 0, 0);
        }
    }
    CExtPaintManager::PumpPaintMessages(true, true, true);
    return lResult;
}

template <class Base, UINT nTimerId>
LRESULT CExtWS<Base, nTimerId>::OnWsWindowPosChanged(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = this->GetSafeHwnd();
    const LRESULT lResult = Base::WindowProc(message, wParam, lParam);
    if (::IsWindow(hWnd) && (this->GetStyle() & WS_VISIBLE) != 0 && IsThemedBackground())
        this->Invalidate(TRUE);
    return lResult;
}

template <class Base, UINT nTimerId>
LRESULT CExtWS<Base, nTimerId>::OnWsNcHitTest(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsSizeGripShown())
    {
        CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
        this->ScreenToClient(&pt);
        if (m_rcGripper.PtInRect(pt))
            return HTBOTTOMRIGHT;
    }
    return Base::WindowProc(message, wParam, lParam);
}

template <class Base, UINT nTimerId> LRESULT CExtWS<Base, nTimerId>::OnWsPaint()
{
    CPaintDC dc(this);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    if (pPM->IsDockerGradientAvailable(this))
    {
        CExtPaintManager::ExcludeChildAreas(dc.GetSafeHdc(), this->GetSafeHwnd(), &KeepTransparentChild);
        pPM->PaintDockerBackground(true, dc, this);
    }
    if (IsSizeGripShown() && !this->IsZoomed())
    {
        pPM->PaintResizingGripper(dc, m_rcGripper, this, 0);
        pPM->EndPaintSession(this);
    }
    return 0;
}

template <class Base, UINT nTimerId>
LRESULT CExtWS<Base, nTimerId>::OnWsEraseBkgnd(UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((this->GetStyle() & WS_CLIPCHILDREN) != 0 && g_PaintManagerHolder->IsDockerGradientAvailable(this))
        return 1;
    CExtPaintManager::ExcludeChildAreas((HDC)wParam, this->GetSafeHwnd(), &KeepTransparentChild);
    return Base::WindowProc(message, wParam, lParam);
}

template <class Base, UINT nTimerId>
LRESULT CExtWS<Base, nTimerId>::OnWsCtlColor(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = Base::WindowProc(message, wParam, lParam);
    if (message != WM_CTLCOLORSTATIC)
        return (LRESULT)GetFaceBrush();
    HWND hCtl = (HWND)lParam;
    if (hCtl != nullptr && ::IsWindow(hCtl) && !IsClassNamed(hCtl, L"static"))
        return lResult;
    HDC hDC = (HDC)wParam;
    ::SetBkMode(hDC, TRANSPARENT);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    if ((this->GetStyle() & WS_CHILD) == 0 || !pPM->IsDockerGradientAvailable(this))
        return (LRESULT)GetFaceBrush();
    if (hCtl != nullptr && ::IsWindow(hCtl))
    {
        // The static draws its text over what is there: the themed background goes under it
        // first, so a shorter or changed text leaves nothing of the old one.
        CRect rcCtl;
        ::GetWindowRect(hCtl, &rcCtl);
        this->ScreenToClient(&rcCtl);
        CDC* pDC = CDC::FromHandle(hDC);
        const int nSaved = ::SaveDC(hDC);
        ::SetViewportOrgEx(hDC, -rcCtl.left, -rcCtl.top, nullptr);
        pPM->PaintDockerBackground(true, *pDC, this);
        ::RestoreDC(hDC, nSaved);
    }
    return (LRESULT)::GetStockObject(NULL_BRUSH);
}

template <class Base, UINT nTimerId>
LRESULT CExtWS<Base, nTimerId>::OnWsTimer(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (wParam != nTimerId)
        return Base::WindowProc(message, wParam, lParam);
    if (!CExtPopupMenuWnd::IsMenuTracking())
    {
        m_nWsFlags &= ~kWsSysMenuShowing;
        this->KillTimer(nTimerId);
    }
    return 0;
}

template <class Base, UINT nTimerId>
LRESULT CExtWS<Base, nTimerId>::OnWsDestroy(UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((m_nWsFlags & kWsSaveRestore) != 0)
        SavePlacementToProfile();
    return Base::WindowProc(message, wParam, lParam);
}

template <class Base, UINT nTimerId>
LRESULT CExtWS<Base, nTimerId>::OnWsNcMouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool bSysMenu = wParam == HTSYSMENU;
    const bool bCaption = wParam == HTCAPTION;
    if (bSysMenu && (message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN))
        return 0;
    if (bSysMenu && (message == WM_NCLBUTTONUP || message == WM_NCRBUTTONUP))
    {
        TrackSystemMenu(nullptr, false);
        return 0;
    }
    if (bCaption && (message == WM_NCRBUTTONDOWN || message == WM_NCRBUTTONUP))
    {
        CPoint pt;
        if (::GetCursorPos(&pt))
            TrackSystemMenu(&pt, false);
        return 0;
    }
    return Base::WindowProc(message, wParam, lParam);
}
