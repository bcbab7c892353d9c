// CExtButton: state, input handling, icons, cursor, tool tip and painting of themed push buttons.
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"
#include "platform/ControlBar.h"
#include "platform/Dialog.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtControlHelpers.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtButton, CButton)

CExtButton::CExtButton()
    : m_dwMenuOpt(4), m_nMenuLeftAreaWidth(0), m_nAlign(DT_CENTER | DT_VCENTER), m_nButtonType(0), m_nCheck(0),
      m_nStateFlags(kStateFocusRect | kStateFlatBorder), m_nStateFlags2(0), m_nPressedPart(kPartNone),
      m_clrBackground((COLORREF)-1), m_clrTextDisabled((COLORREF)-1), m_clrTextNormal((COLORREF)-1),
      m_clrTextHover((COLORREF)-1), m_clrTextPressed((COLORREF)-1), m_hCursor(nullptr), m_bCursorOwned(false),
      m_hIconIn(nullptr), m_hIconOut(nullptr), m_hWndMenuOpen(nullptr)
{}

CExtButton::~CExtButton()
{
    DestroyIcons();
    DestroyCursor();
    if (m_wndToolTip.GetSafeHwnd() != nullptr)
        m_wndToolTip.DestroyWindow();
    if (m_menu.GetSafeHmenu() != nullptr)
        m_menu.DestroyMenu();
}

// ---- icons and cursor ---------------------------------------------------------------------------

void CExtButton::DestroyIcons()
{
    // The out icon may be the in icon itself: one handle, destroyed once.
    if (m_hIconOut != nullptr && m_hIconOut != m_hIconIn)
        ::DestroyIcon(m_hIconOut);
    if (m_hIconIn != nullptr)
        ::DestroyIcon(m_hIconIn);
    m_hIconIn = m_hIconOut = nullptr;
}

void CExtButton::SetIcon(UINT nIconInId, UINT nIconOutId)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HICON hIn = (HICON)::LoadImageW(hInst, MAKEINTRESOURCEW(nIconInId), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE);
    HICON hOut = nullptr;
    if (nIconOutId != 0)
        hOut = (HICON)::LoadImageW(hInst, MAKEINTRESOURCEW(nIconOutId), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE);
    SetIcon(hIn, hOut);
}

void CExtButton::SetIcon(HICON hIconIn, HICON hIconOut)
{
    if (hIconIn != m_hIconIn || (hIconOut != nullptr ? hIconOut : hIconIn) != m_hIconOut)
    {
        // Keep handles that come back in the new pair.
        if (m_hIconIn != nullptr && m_hIconIn != hIconIn && m_hIconIn != hIconOut)
            ::DestroyIcon(m_hIconIn);
        if (m_hIconOut != nullptr && m_hIconOut != m_hIconIn && m_hIconOut != hIconIn && m_hIconOut != hIconOut)
            ::DestroyIcon(m_hIconOut);
    }
    m_hIconIn = hIconIn;
    m_hIconOut = hIconOut != nullptr ? hIconOut : hIconIn;
    if (GetSafeHwnd() != nullptr)
        Repaint();
}

void CExtButton::DestroyCursor()
{
    if (m_hCursor != nullptr && m_bCursorOwned)
        ::DestroyCursor(m_hCursor);
    m_hCursor = nullptr;
    m_bCursorOwned = false;
}

bool CExtButton::SetBtnCursor(int nCursorId)
{
    DestroyCursor();
    if (nCursorId == -1)
        return true;
    // Cursors from LoadCursorW are shared: never destroyed by the button.
    m_hCursor = ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nCursorId));
    if (m_hCursor == nullptr)
        m_hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(nCursorId));
    return m_hCursor != nullptr;
}

void CExtButton::SetOwnedCursor(HCURSOR hCursor)
{
    DestroyCursor();
    m_hCursor = hCursor;
    m_bCursorOwned = hCursor != nullptr;
}

void CExtButton::SetFlat(bool bFlat)
{
    if (GetSafeHwnd() == nullptr)
        return;
    DWORD dwStyle = (DWORD)::GetWindowLongW(m_hWnd, GWL_STYLE);
    dwStyle = bFlat ? (dwStyle | BS_FLAT) : (dwStyle & ~(DWORD)BS_FLAT);
    ::SetWindowLongW(m_hWnd, GWL_STYLE, (LONG)dwStyle);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Repaint();
}

bool CExtButton::GetFlat() const
{
    return GetSafeHwnd() != nullptr && (::GetWindowLongW(m_hWnd, GWL_STYLE) & BS_FLAT) != 0;
}

// ---- tool tip ----------------------------------------------------------------------------------

void CExtButton::InitToolTip() { CExtControlHelpers::InitToolTip(m_wndToolTip, this); }

void CExtButton::SetTooltipText(LPCTSTR lpszText, bool bActivate)
{
    CExtControlHelpers::SetToolTipText(m_wndToolTip, this, lpszText, bActivate);
}

void CExtButton::ActivateTooltip(bool bActivate) { CExtControlHelpers::ActivateToolTip(m_wndToolTip, bActivate); }

INT_PTR CExtButton::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    (void)pTI;
    CExtControlHelpers::TakeToolBarTip(this, point, const_cast<CToolTipCtrl&>(m_wndToolTip),
                                       const_cast<CExtButton*>(this));
    // The frame shows no tip of its own for the button.
    return -1;
}

// ---- types -------------------------------------------------------------------------------------

bool CExtButton::IsPushType() const
{
    return m_nButtonType == BS_PUSHBUTTON || m_nButtonType == BS_DEFPUSHBUTTON || m_nButtonType == BS_USERBUTTON ||
           m_nButtonType == BS_OWNERDRAW;
}

bool CExtButton::IsCheckType() const
{
    return (m_nButtonType >= BS_CHECKBOX && m_nButtonType <= BS_AUTO3STATE) || m_nButtonType == BS_AUTORADIOBUTTON;
}

bool CExtButton::IsEnabled() const { return CExtControlHelpers::IsEnabled(GetSafeHwnd()); }

UINT CExtButton::GetDlgCodeOfType() const
{
    switch (m_nButtonType)
    {
    case BS_PUSHBUTTON:
    case BS_USERBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
    }
}

bool CExtButton::HasDropDownMenu() const { return m_menu.GetSafeHmenu() != nullptr; }

HFONT CExtButton::QueryPaintFont() const
{
    HWND hWndParent = GetSafeHwnd() != nullptr ? ::GetParent(m_hWnd) : nullptr;
    if (hWndParent == nullptr)
        return nullptr;
    return (HFONT)::SendMessageW(hWndParent, WM_GETFONT, 0, 0);
}

// ---- subclassing -------------------------------------------------------------------------------

void CExtButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    DWORD dwStyle = (DWORD)::GetWindowLongW(m_hWnd, GWL_STYLE);
    m_nButtonType = (int)(dwStyle & BS_TYPEMASK);
    // Reaches the system control: the window procedure is replaced after this call.
    ::SendMessageW(m_hWnd, BM_SETSTYLE, BS_OWNERDRAW, TRUE);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    HFONT hFont = (HFONT)(m_nButtonType == BS_DEFPUSHBUTTON ? pPM->m_fontBold.GetSafeHandle()
                                                            : pPM->m_fontNormal.GetSafeHandle());
    ::SendMessageW(m_hWnd, WM_SETFONT, (WPARAM)hFont, TRUE);
    if ((dwStyle & BS_CENTER) == BS_CENTER)
        m_nAlign = DT_CENTER | DT_VCENTER;
    else if ((dwStyle & BS_LEFT) != 0)
        m_nAlign = DT_LEFT | DT_VCENTER;
    else if ((dwStyle & BS_RIGHT) != 0)
        m_nAlign = DT_RIGHT | DT_VCENTER;
    else if (IsPushType() || (dwStyle & BS_PUSHLIKE) != 0)
        m_nAlign = DT_CENTER | DT_VCENTER;
    else
        m_nAlign = DT_LEFT | DT_VCENTER;
    ::PostMessageW(m_hWnd, WM_ENABLE, ::IsWindowEnabled(m_hWnd), 0);
}

// ---- hit test ----------------------------------------------------------------------------------

CRect CExtButton::GetDropDownRect() const
{
    CRect rc(0, 0, 0, 0);
    if (!IsSplit() || GetSafeHwnd() == nullptr)
        return rc;
    ::GetClientRect(m_hWnd, &rc);
    rc.left = rc.right - (g_glyphExpandArrowH.GetWidth() + 6);
    return rc;
}

int CExtButton::HitTestClient(const CPoint& ptClient) const
{
    CRect rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    if (!IsSplit())
        return kPartMain;
    CRect rcDropDown = GetDropDownRect();
    if (rcDropDown.PtInRect(ptClient))
        return kPartDropDown;
    CRect rcMain(rcClient);
    rcMain.right = rcDropDown.left;
    return rcMain.PtInRect(ptClient) ? kPartMain : kPartNone;
}

int CExtButton::HitTestCursor() const
{
    CPoint pt;
    ::GetCursorPos(&pt);
    if (::WindowFromPoint(pt) != m_hWnd)
        return kPartNone;
    ::ScreenToClient(m_hWnd, &pt);
    return HitTestClient(pt);
}

// ---- mouse and keyboard ------------------------------------------------------------------------

void CExtButton::ReleaseOwnCapture()
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CExtButton::Repaint()
{
    // A button not on screen is painted whole when it shows.
    InvalidateIfOnScreen(FALSE, TRUE);
}

void CExtButton::OnMouseMoveMsg(UINT nFlags)
{
    int nHit = HitTestCursor();
    bool bHeld = (m_nStateFlags & kStateHeld) != 0;
    if (((!bHeld && nHit != kPartNone) || (bHeld && nHit == m_nPressedPart)) &&
        CExtControlHelpers::IsHoverAllowed(m_hWnd, ::GetActiveWindow(), true, true, true))
    {
        if (::GetCapture() != m_hWnd)
            CExtMouseCaptureSink::SetCapture(m_hWnd);
        if ((m_nStateFlags & kStateHover) == 0)
        {
            m_nStateFlags |= kStateHover;
            if ((nFlags & MK_LBUTTON) != 0 && bHeld)
                m_nStateFlags |= kStatePushed;
            else
                m_nStateFlags &= (BYTE)~kStatePushed;
            Repaint();
        }
        return;
    }
    if (::GetCapture() == m_hWnd && !bHeld)
        ::ReleaseCapture();
    if ((m_nStateFlags & kStateHover) != 0)
    {
        m_nStateFlags &= (BYTE) ~(kStateHover | kStatePushed);
        Repaint();
    }
}

void CExtButton::OnLButtonDownMsg()
{
    int nHit = HitTestCursor();
    m_nPressedPart = nHit;
    if (nHit != kPartNone)
    {
        m_nStateFlags |= kStateHover | kStatePushed | kStateHeld;
        CExtMouseCaptureSink::SetCapture(m_hWnd);
        Repaint();
    }
}

void CExtButton::OnLButtonUpMsg()
{
    int nHit = HitTestCursor();
    bool bClick =
        (m_nStateFlags & (kStatePushed | kStateHeld)) == (kStatePushed | kStateHeld) && nHit == m_nPressedPart;
    int nPart = m_nPressedPart;
    m_nStateFlags &= (BYTE) ~(kStateHover | kStatePushed | kStateHeld);
    m_nPressedPart = kPartNone;
    ReleaseOwnCapture();
    Repaint();
    if (bClick && ::IsWindowEnabled(m_hWnd) && ::IsWindowVisible(m_hWnd))
        OnClick(false, IsSplit() && nPart == kPartDropDown);
}

void CExtButton::OnLoseHover(bool bReleaseCapture)
{
    if ((m_nStateFlags & (kStateHover | kStatePushed)) == 0)
        return;
    m_nStateFlags &= (BYTE) ~(kStateHover | kStatePushed);
    if (bReleaseCapture)
        ReleaseOwnCapture();
    Repaint();
}

BOOL CExtButton::PreTranslateMessage(MSG* pMsg)
{
    CExtControlHelpers::RelayToolTipEvent(m_wndToolTip, this, pMsg);
    if (pMsg->hwnd == m_hWnd && (pMsg->message == WM_KEYDOWN || pMsg->message == WM_KEYUP) &&
        (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_SPACE))
    {
        bool bMouseHeld = (::GetKeyState(VK_LBUTTON) & 0x8000) != 0 || (::GetKeyState(VK_RBUTTON) & 0x8000) != 0 ||
                          (::GetKeyState(VK_MBUTTON) & 0x8000) != 0;
        if (!::IsWindowEnabled(m_hWnd) || !::IsWindowVisible(m_hWnd) || bMouseHeld)
            return TRUE;
        bool bDown = pMsg->message == WM_KEYDOWN;
        if ((bDown && pMsg->wParam == VK_RETURN) || (!bDown && pMsg->wParam == VK_SPACE))
        {
            ReleaseOwnCapture();
            m_nStateFlags &= (BYTE) ~(kStateHover | kStatePushed | kStateHeld | kStateKeyboard);
            Repaint();
            OnClick(true, false);
        }
        else if (bDown && pMsg->wParam == VK_SPACE)
        {
            m_nStateFlags |= kStateHover | kStatePushed | kStateKeyboard;
            CExtMouseCaptureSink::SetCapture(m_hWnd);
            Repaint();
        }
        return TRUE;
    }
    return CButton::PreTranslateMessage(pMsg);
}

// ---- click -------------------------------------------------------------------------------------

void CExtButton::OnClick(bool bFromKeyboard, bool bOnDropDownPart)
{
    HWND hWnd = m_hWnd;
    HWND hWndParent = ::GetParent(hWnd);
    if (IsCheckType())
    {
        int nCheck = (int)::SendMessageW(hWnd, BM_GETCHECK, 0, 0);
        ::SendMessageW(hWnd, BM_SETCHECK, nCheck == 0 ? 1 : 0, 0);
    }
    else if (IsPushType())
    {
        if (!IsSplit() || bOnDropDownPart)
        {
            if (TrackDropDownMenu(bFromKeyboard))
                return;
        }
        if (HasDropDownMenu() && !(IsSplit() && !bOnDropDownPart))
            return;
    }
    else
        return;
    if (hWndParent != nullptr)
        ::SendMessageW(hWndParent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hWnd), 0), (LPARAM)hWnd);
    if (::IsWindow(hWnd))
        Repaint();
}

// ---- the default mark ----------------------------------------------------------------------------

static UINT PushButtonCode(HWND hWnd)
{
    return hWnd != nullptr
               ? (UINT)::SendMessageW(hWnd, WM_GETDLGCODE, 0, 0) & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON)
               : 0;
}

void CExtButton::MoveDefaultMark(bool bGot, HWND hOther)
{
    const HWND hDlg = PlatformKeyDialogOf(::GetParent(m_hWnd));
    if (hDlg == nullptr || ::GetClassLongPtrW(hDlg, GCW_ATOM) != (ULONG_PTR)(WORD)(ULONG_PTR)WC_DIALOG ||
        PushButtonCode(m_hWnd) == 0)
        return;
    if (bGot && m_nButtonType != BS_DEFPUSHBUTTON)
    {
        ::EnumChildWindows(
            hDlg,
            [](HWND h, LPARAM lSelf) -> BOOL {
                if (h != (HWND)lSelf && (PushButtonCode(h) & DLGC_DEFPUSHBUTTON) != 0)
                    ::SendMessageW(h, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
                return TRUE;
            },
            (LPARAM)m_hWnd);
        ::SendMessageW(m_hWnd, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    }
    else if (!bGot && m_nButtonType == BS_DEFPUSHBUTTON && hOther != nullptr && ::IsChild(hDlg, hOther) &&
             PushButtonCode(hOther) == 0)
    {
        const DWORD dwDefId = (DWORD)::SendMessageW(hDlg, DM_GETDEFID, 0, 0);
        const HWND hDefault = HIWORD(dwDefId) == DC_HASDEFID ? ::GetDlgItem(hDlg, LOWORD(dwDefId)) : nullptr;
        if (hDefault == m_hWnd || PushButtonCode(hDefault) == 0)
            return;
        ::SendMessageW(m_hWnd, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        ::SendMessageW(hDefault, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    }
}

// ---- painting ----------------------------------------------------------------------------------

void CExtButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) { PaintThroughMemoryDC(lpDrawItemStruct->hDC); }

void CExtButton::PaintThroughMemoryDC(HDC hDC)
{
    CRect rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    CDC* pDC = CDC::FromHandle(hDC);
    CExtMemoryDC dc(pDC, &rcClient, CExtMemoryDC::MemDcBuffer | CExtMemoryDC::MemDcFillBackground);
    PaintButton(dc, false);
}

bool CExtButton::PaintBackground(CDC& dc, const CRect& rcClient, bool bTryDocker)
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    if (bTryDocker && m_clrBackground == (COLORREF)-1 && pPM->IsDockerGradientAvailable(this))
    {
        CExtPaintManager::ExcludeChildAreas(dc.GetSafeHdc(), m_hWnd);
        if (pPM->PaintDockerBackground(true, dc, this))
            return true;
    }
    dc.FillSolidRect(&rcClient, m_clrBackground != (COLORREF)-1 ? m_clrBackground
                                                                : pPM->GetTranslatedColor(XCLR_FACE_NORMAL, this));
    return false;
}

static bool IsOnControlBar(HWND hWnd)
{
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(hWnd));
    return pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CControlBar));
}

CExtButton::PushButtonState CExtButton::QueryPushButtonState() const
{
    PushButtonState st;
    ::GetClientRect(m_hWnd, &st.m_rcClient);
    GetWindowText(st.m_sText);
    st.m_bFocusRect = ::GetFocus() == m_hWnd && (m_nStateFlags & kStateFocusRect) != 0;
    st.m_bDefault = m_nButtonType == BS_DEFPUSHBUTTON;
    st.m_bEnabled = IsEnabled();
    st.m_bFlat = (::GetWindowLongW(m_hWnd, GWL_STYLE) & BS_FLAT) != 0;
    st.m_bHover = (m_nStateFlags & kStateHover) != 0 && !CExtControlHelpers::IsMenuTracking();
    st.m_bPushed = (m_nStateFlags & kStatePushed) != 0;
    if (IsOnControlBar(m_hWnd))
    {
        st.m_bFlat = true;
        st.m_bFocusRect = false;
    }
    return st;
}

CExtPaintManager::PushButtonPaintData CExtButton::MakePushButtonData(const PushButtonState& st, CExtCmdIcon* pIcon,
                                                                     bool bDropDown, bool bTransparentBackground)
{
    // The default button's caption in the paint manager's bold font, which the button was given.
    CExtPaintManager::PushButtonPaintData pbpd(
        this, true, st.m_rcClient, st.m_sText, pIcon, st.m_bFlat, st.m_bHover, st.m_bPushed, false, st.m_bEnabled,
        (m_nStateFlags & kStateFlatBorder) != 0, st.m_bFocusRect, st.m_bDefault, (int)m_nAlign,
        st.m_bDefault ? nullptr : QueryPaintFont(), bDropDown, 0, bTransparentBackground);
    pbpd.m_clrTextDisabled = m_clrTextDisabled;
    pbpd.m_clrTextNormal = m_clrTextNormal;
    pbpd.m_clrTextHot = m_clrTextHover;
    pbpd.m_clrTextPushed = m_clrTextPressed;
    return pbpd;
}

void CExtButton::PaintButton(CDC& dc, bool bTransparentBackground)
{
    PushButtonState st = QueryPushButtonState();
    HICON hIconOwn = st.m_bHover ? m_hIconIn : m_hIconOut;
    CExtCmdIcon icon(hIconOwn, false);
    bool bPaintedIcon = false;
    if (IsCheckType())
    {
        bool bChecked = ::SendMessageW(m_hWnd, BM_GETCHECK, 0, 0) != 0;
        if ((::GetWindowLongW(m_hWnd, GWL_STYLE) & BS_PUSHLIKE) != 0)
        {
            if (bChecked)
                st.m_bPushed = true;
        }
        else
        {
            st.m_bFocusRect = false;
            st.m_bFlat = true;
            icon.ExtractHICON();
            bPaintedIcon = true;
            if (bChecked && (m_nButtonType == BS_RADIOBUTTON || m_nButtonType == BS_AUTORADIOBUTTON))
                icon.CreateRadioFromPaint((COLORREF)-1, (COLORREF)-1, 24, 16);
            else if (bChecked)
                icon.CreateFromPaint((COLORREF)-1, (COLORREF)-1, 24, 16);
            else
                icon.CreateBlankFromPaint((COLORREF)-1, 24, 16);
        }
    }
    if (!bTransparentBackground)
        bTransparentBackground = PaintBackground(dc, st.m_rcClient, !st.m_bHover && !st.m_bPushed);
    CExtPaintManager::PushButtonPaintData pbpd =
        MakePushButtonData(st, &icon, HasDropDownMenu(), bTransparentBackground);
    if (IsSplit())
    {
        pbpd.m_bSplitDropDown = true;
        if (m_nPressedPart == kPartDropDown && pbpd.m_bPushed)
        {
            pbpd.m_bPushed = false;
            pbpd.m_bDropDownPushed = true;
        }
    }
    g_PaintManagerHolder->PaintPushButton(dc, pbpd);
    if (!bPaintedIcon)
        icon.ExtractHICON(false);
}

// ---- messages ----------------------------------------------------------------------------------

bool CExtButton::OnPaintMsg()
{
    if (m_nButtonType == BS_OWNERDRAW || m_nButtonType == BS_USERBUTTON)
        return false;
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    PaintThroughMemoryDC(hDC);
    ::EndPaint(m_hWnd, &ps);
    return true;
}

LRESULT CExtButton::OnLookChangeMsg(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CButton::WindowProc(message, wParam, lParam);
    CExtControlHelpers::InvalidateWithParentArea(m_hWnd);
    if (message == WM_ENABLE)
    {
        CClientDC dc(this);
        PaintThroughMemoryDC(dc.GetSafeHdc());
    }
    Repaint();
    return lResult;
}

LRESULT CExtButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == CExtMenuKindOf::MsgPutToPopupMenu())
        return PutToPopupMenu((CExtPopupMenuWnd*)wParam) ? 1 : 0;
    if (message == CExtMenuKindOf::MsgContinueTrackMenu())
    {
        TrackDropDownMenu(lParam != 0);
        return 1;
    }
    if (CExtControlHelpers::IsPopupMenuMessage(message))
    {
        HWND hWndParent = ::GetParent(m_hWnd);
        return hWndParent != nullptr ? ::SendMessageW(hWndParent, message, wParam, lParam) : 0;
    }
    bool bInKeyPress = (m_nStateFlags & kStateKeyboard) != 0;
    switch (message)
    {
    case BM_GETCHECK: return m_nCheck;
    case BM_SETCHECK:
        m_nCheck = (int)wParam;
        Repaint();
        return 0;
    case BM_SETSTYLE:
        m_nButtonType = (int)(wParam & BS_TYPEMASK);
        Repaint();
        return 0;
    case WM_GETDLGCODE: return GetDlgCodeOfType();
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT:
        if (OnPaintMsg())
            return 0;
        break;
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE: return OnLookChangeMsg(message, wParam, lParam);
    case WM_MOUSEMOVE:
        if (CExtControlHelpers::IsToolBarMenuTracking() && IsOnControlBar(m_hWnd) &&
            CExtMenuKindOf::IsToolBar(CWnd::FromHandlePermanent(::GetParent(m_hWnd))))
        {
            // Over a button whose menu is already open nothing happens: re-opening would rebuild it.
            if (!IsOwnMenuOpen())
                TrackDropDownMenu(false);
            return 0;
        }
        if (bInKeyPress)
            return 0;
        CButton::WindowProc(message, wParam, lParam);
        OnMouseMoveMsg((UINT)wParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        // The second of two quick clicks: a press of its own on a push button (DefWindowProc hands the system
        // control a press); check types take theirs through their own handling.
        if (!IsPushType())
            return 0;
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        if (bInKeyPress)
            return 0;
        CButton::WindowProc(message, wParam, lParam);
        OnLButtonDownMsg();
        return 0;
    case WM_LBUTTONUP:
        if (bInKeyPress)
            return 0;
        OnLButtonUpMsg();
        return 0;
    case WM_CAPTURECHANGED:
        if ((HWND)lParam != m_hWnd)
            OnLoseHover(false);
        break;
    case WM_SETFOCUS: MoveDefaultMark(true, (HWND)wParam); break;
    case WM_KILLFOCUS:
        OnLoseHover(true);
        MoveDefaultMark(false, (HWND)wParam);
        break;
    case WM_SETCURSOR:
        if (m_hCursor != nullptr)
        {
            ::SetCursor(m_hCursor);
            return TRUE;
        }
        break;
    case WM_NOTIFY:
    {
        const NMHDR* pHdr = (const NMHDR*)lParam;
        if (pHdr != nullptr && pHdr->code == TTN_SHOW && m_wndToolTip.GetSafeHwnd() != nullptr &&
            pHdr->hwndFrom == m_wndToolTip.GetSafeHwnd())
            ::SetWindowPos(pHdr->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
    }
    case WM_SYSCOLORCHANGE:
    {
        LRESULT lResult = CButton::WindowProc(message, wParam, lParam);
        g_PaintManagerHolder.OnSysColorChange(this);
        g_CmdManagerHolder.OnSysColorChange(nullptr);
        return lResult;
    }
    case WM_SETTINGCHANGE:
    {
        LRESULT lResult = CButton::WindowProc(message, wParam, lParam);
        g_PaintManagerHolder.OnSettingChange(this, (UINT)wParam, (LPCTSTR)lParam);
        g_CmdManagerHolder.OnSettingChange(nullptr, (UINT)wParam, (LPCTSTR)lParam);
        return lResult;
    }
    case WM_DISPLAYCHANGE:
    {
        LRESULT lResult = CButton::WindowProc(message, wParam, lParam);
        g_PaintManagerHolder.OnDisplayChange(this, (int)wParam, LOWORD(lParam), HIWORD(lParam));
        g_CmdManagerHolder.OnDisplayChange(nullptr, (INT)wParam, LOWORD(lParam), HIWORD(lParam));
        return lResult;
    }
    case WM_THEMECHANGED:
    {
        LRESULT lResult = CButton::WindowProc(message, wParam, lParam);
        g_PaintManagerHolder.OnThemeChanged(this, wParam, lParam);
        g_CmdManagerHolder.OnThemeChanged(nullptr, wParam, lParam);
        return lResult;
    }
    default: break;
    }
    LRESULT lResult = CButton::WindowProc(message, wParam, lParam);
    switch (message)
    {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case BM_SETSTATE:
    case BM_CLICK:
    case BM_SETIMAGE: Repaint(); break;
    default: break;
    }
    return lResult;
}

LRESULT CExtButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDBLCLK)
        message = WM_LBUTTONDOWN;
    LRESULT lResult = CButton::DefWindowProc(message, wParam, lParam);
    switch (message)
    {
    case WM_SIZE:
    case WM_SETTEXT:
    case WM_WINDOWPOSCHANGED:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_CLICK:
    case BM_SETIMAGE:
        // A button not on screen is painted whole when it shows.
        InvalidateIfOnScreen(FALSE, FALSE);
        break;
    default: break;
    }
    return lResult;
}
