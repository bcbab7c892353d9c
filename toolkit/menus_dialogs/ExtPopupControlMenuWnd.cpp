// CExtPopupControlMenuWnd: the hosted control's size and placement, and the input handed over to it.
#include "toolkit/menus_dialogs/ExtPopupControlMenuWnd.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"

IMPLEMENT_DYNCREATE(CExtPopupControlMenuWnd, CExtPopupMenuWnd)

const UINT CExtPopupControlMenuWnd::g_nMsgControlInputRetranslate =
    ::RegisterWindowMessageW(L"CExtPopupControlMenuWnd::g_nMsgControlInputRetranslate");
bool CExtPopupControlMenuWnd::g_bShadowsOn = false;

CExtPopupControlMenuWnd::CONTROLINPUTRETRANSLATEINFO::CONTROLINPUTRETRANSLATEINFO(CExtPopupControlMenuWnd* pPopup,
                                                                                  int nKind, bool& bPassOn)
    : m_nKind(nKind), m_nMessage(0), m_x(0), m_y(0), m_pbPassOn(&bPassOn), m_nVirtKey(0), m_nRepCnt(0), m_nWheelMsg(0),
      m_lHookData(0), m_pPopup(pPopup)
{}

short CExtPopupControlMenuWnd::CONTROLINPUTRETRANSLATEINFO::GetWheelDelta() const
{
    if (m_nKind != INPUT_MOUSE_WHEEL || m_lHookData == 0)
        return 0;
    return (short)HIWORD(((const MOUSEHOOKSTRUCTEX*)m_lHookData)->mouseData);
}

CExtPopupControlMenuWnd::CExtPopupControlMenuWnd()
    : m_nControlWidth(DEFAULT_CONTROL_WIDTH), m_nControlHeight(DEFAULT_CONTROL_HEIGHT), m_rcControl(0, 0, 0, 0),
      m_hWndControl(nullptr)
{}

CExtPopupControlMenuWnd::~CExtPopupControlMenuWnd() {}

LRESULT CExtPopupControlMenuWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_CLOSE:
    case WM_DESTROY: m_hWndControl = nullptr; break;
    default: break;
    }
    return CExtPopupMenuWnd::WindowProc(message, wParam, lParam);
}

// ---- size and placement ---------------------------------------------------------------------------

void CExtPopupControlMenuWnd::AdjustAnimationKind(int& nAnimationKind) { nAnimationKind = ANIM_INSTANT; }

bool CExtPopupControlMenuWnd::IsShadowEnabled() const { return g_bShadowsOn && CExtPopupMenuWnd::IsShadowEnabled(); }

bool CExtPopupControlMenuWnd::CanShowAsSubMenu() const { return !IsContextHelpMode() && !IsEmbeddedTracking(); }

void CExtPopupControlMenuWnd::GetControlRect(RECT& rc) const
{
    const int b = GetMenuBorderSize();
    CRect rcControl(0, 0, m_nControlWidth, m_nControlHeight);
    rcControl.OffsetRect(m_rcClient.left + m_nLeftAreaWidth + b, m_rcClient.top + b);
    rc = rcControl;
}

HWND CExtPopupControlMenuWnd::CreateHostedControl(const RECT& rc)
{
    (void)rc;
    return nullptr;
}

void CExtPopupControlMenuWnd::CalcWindowSize(CSize& size) const
{
    const int nFrame = 2 * GetMenuBorderSize() + GetShadowSize();
    size.cx = m_nControlWidth + nFrame + m_nLeftAreaWidth;
    size.cy = m_nControlHeight + nFrame;
}

bool CExtPopupControlMenuWnd::CreatePopupWindow(CWnd* pWndParent)
{
    if (!CExtPopupMenuWnd::CreatePopupWindow(pWndParent))
        return false;
    RECT rc;
    GetControlRect(rc);
    m_rcControl = rc;
    m_hWndControl = CreateHostedControl(m_rcControl);
    return true;
}

void CExtPopupControlMenuWnd::OnWindowCreated()
{
    CExtPopupMenuWnd::OnWindowCreated();
    if (GetLiveControl() == nullptr)
        return;
    RECT rc;
    GetControlRect(rc);
    if (CRect(rc) == m_rcControl)
        return;
    m_rcControl = rc;
    ::SetWindowPos(m_hWndControl, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    RedrawIfOnScreen(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// ---- input ---------------------------------------------------------------------------------------------

HWND CExtPopupControlMenuWnd::GetLiveControl() const
{
    return m_hWndControl != nullptr && ::IsWindow(m_hWndControl) ? m_hWndControl : nullptr;
}

bool CExtPopupControlMenuWnd::IsOverControl(HWND hWnd) const
{
    const HWND hWndControl = GetLiveControl();
    if (hWnd == nullptr || hWndControl == nullptr || (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) == 0)
        return false;
    return hWnd == hWndControl || ::IsChild(hWndControl, hWnd);
}

bool CExtPopupControlMenuWnd::AnyOverControl(const POINT& ptScreen) const
{
    return IsOverControl(::WindowFromPoint(ptScreen)) || IsOverControl(::GetFocus()) || IsOverControl(::GetCapture());
}

LRESULT CExtPopupControlMenuWnd::SendToControl(CONTROLINPUTRETRANSLATEINFO& info) const
{
    const HWND hWndControl = GetLiveControl();
    if (hWndControl == nullptr)
        return 0;
    return ::SendMessageW(hWndControl, g_nMsgControlInputRetranslate, (WPARAM)&info, 0);
}

bool CExtPopupControlMenuWnd::FilterInput(bool bMouse, bool bConsumeWithoutWindow, bool* pbResult) const
{
    CExtPopupMenuTrackingSite& site = g_TrackingSite;
    if (GetSafeHwnd() == nullptr)
    {
        *pbResult = bConsumeWithoutWindow;
        return true;
    }
    if (site.GetAnimatingPopup() != nullptr || (bMouse && (site.IsClosing() || site.IsEmpty())))
    {
        *pbResult = true;
        return true;
    }
    return false;
}

bool CExtPopupControlMenuWnd::OnMouseWheel(WPARAM wParam, LPARAM lParam, bool& bPassOn)
{
    bool bResult = false;
    if (FilterInput(true, true, &bResult))
        return bResult;
    if (GetLiveControl() != nullptr)
    {
        CONTROLINPUTRETRANSLATEINFO info(this, INPUT_MOUSE_WHEEL, bPassOn);
        info.m_nWheelMsg = (UINT)wParam;
        info.m_lHookData = lParam;
        return SendToControl(info) != 0;
    }
    POINT ptScreen = {0, 0};
    ::GetCursorPos(&ptScreen);
    if (AnyOverControl(ptScreen))
    {
        bPassOn = true;
        return false;
    }
    return true;
}

bool CExtPopupControlMenuWnd::RouteMouseInside(UINT message, int x, int y, int nKind, bool& bPassOn, POINT& ptScreen,
                                               bool& bResult)
{
    if (FilterInput(true, false, &bResult))
        return true;
    ptScreen = {x, y};
    ::ClientToScreen(GetSafeHwnd(), &ptScreen);
    bResult = false;
    if (AnyOverControl(ptScreen))
    {
        bPassOn = true;
        return true;
    }
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (!rcWindow.PtInRect(ptScreen))
        return false;
    if (GetLiveControl() != nullptr)
    {
        CONTROLINPUTRETRANSLATEINFO info(this, nKind, bPassOn);
        info.m_nMessage = message;
        info.m_x = x;
        info.m_y = y;
        bResult = SendToControl(info) != 0;
    }
    return true;
}

bool CExtPopupControlMenuWnd::HandleMouseMove(UINT message, int x, int y, bool& bPassOn)
{
    POINT ptScreen = {x, y};
    bool bResult = false;
    if (RouteMouseInside(message, x, y, INPUT_MOUSE_MOVE, bPassOn, ptScreen, bResult))
        return bResult;
    return PassMoveToParentMenu(message, ptScreen, bPassOn);
}

bool CExtPopupControlMenuWnd::HandleMouseClick(UINT message, int x, int y, bool& bPassOn)
{
    const HWND hWnd = GetSafeHwnd();
    POINT ptScreen = {x, y};
    bool bResult = false;
    if (RouteMouseInside(message, x, y, INPUT_MOUSE_BUTTON, bPassOn, ptScreen, bResult))
        return bResult;
    CExtPopupMenuWnd* pParent = m_pWndParentMenu;
    if (pParent == nullptr || pParent->GetSafeHwnd() == nullptr)
    {
        if (message == WM_LBUTTONUP || message == WM_RBUTTONUP)
            return true;
        CloseMenu(false);
        return false;
    }
    POINT ptParent = ptScreen;
    ::ScreenToClient(pParent->GetSafeHwnd(), &ptParent);
    bool bInEdit = false;
    const int nHit = pParent->ItemHitTest(CPoint(ptParent), &bInEdit, nullptr);
    if (nHit >= 0 && nHit < pParent->GetItemCount() && pParent->GetItemAt(nHit).GetPopup() == this)
    {
        if (!bInEdit)
            return true;
        // The parent closes this popup; only locals are used from here on.
        pParent->CaptureKeyboard();
        pParent->ReleaseCurrentItem(false);
        if (pParent->GetSafeHwnd() == nullptr)
            return true;
        pParent->SetCurrentItem(nHit, false, true, false);
        if (pParent->GetSafeHwnd() != nullptr)
        {
            const MENUITEMDATA& mi = pParent->GetItemAt(nHit);
            if ((mi.m_nEditFlags & MENUITEMDATA::kEditAllowed) != 0 && mi.m_pInplaceEditWnd != nullptr)
                pParent->ShowItemEdit(nHit);
        }
        return true;
    }
    bool bParentPassOn = false;
    if (!pParent->HandleMouseClick(message, ptParent.x, ptParent.y, bParentPassOn) || bParentPassOn)
    {
        bPassOn = bParentPassOn;
        return false;
    }
    if (::IsWindow(hWnd))
        CancelMenuTracking();
    return true;
}

bool CExtPopupControlMenuWnd::HandleKey(UINT nChar, UINT nRepCnt, UINT nFlags, bool& bPassOn)
{
    bool bResult = false;
    if (FilterInput(false, true, &bResult))
        return bResult;
    if (GetLiveControl() == nullptr)
        return false;
    CONTROLINPUTRETRANSLATEINFO info(this, INPUT_KEY, bPassOn);
    info.m_nMessage = nFlags;
    info.m_nVirtKey = nChar;
    info.m_nRepCnt = nRepCnt;
    return SendToControl(info) != 0;
}
