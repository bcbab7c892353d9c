// CHoverButton: pictures, hover tracking, clicks and the owner drawing.
#include "app/HoverButton.h"
#include "platform/Dc.h"
#include <mmsystem.h>
#include <shellapi.h>
#include <vector>

IMPLEMENT_DYNAMIC(CHoverButton, CButton)

BEGIN_MESSAGE_MAP(CHoverButton, CButton)
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_KILLFOCUS()
ON_WM_ACTIVATE()
ON_WM_CAPTURECHANGED()
ON_WM_CANCELMODE()
ON_WM_SETCURSOR()
ON_WM_GETDLGCODE()
ON_WM_LBUTTONDBLCLK()
ON_WM_CTLCOLOR_REFLECT()
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
ON_MESSAGE(BM_SETCHECK, OnSetCheckMessage)
END_MESSAGE_MAP()

namespace
{
// The 32-bit pixels of an icon's colour bitmap, top row first; false when unreadable.
bool ReadIconPixels(HICON hIcon, ICONINFO& info, int& cx, int& cy, std::vector<DWORD>& pixels)
{
    if (hIcon == nullptr || !::GetIconInfo(hIcon, &info))
        return false;
    BITMAP bm = {};
    if (info.hbmColor == nullptr || !::GetObjectW(info.hbmColor, sizeof bm, &bm))
    {
        if (info.hbmColor)
            ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        return false;
    }
    cx = bm.bmWidth;
    cy = bm.bmHeight;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    pixels.assign((size_t)cx * cy, 0);
    HDC hdc = ::GetDC(nullptr);
    const int nLines = ::GetDIBits(hdc, info.hbmColor, 0, cy, pixels.data(), &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hdc);
    if (nLines != cy)
    {
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        return false;
    }
    return true;
}

// A new icon of the pixels (alpha kept) with the old icon's mask.
HICON MakeIcon(ICONINFO& info, int cx, int cy, const std::vector<DWORD>& pixels)
{
    COLORREF* pBits = nullptr;
    HBITMAP hColor = PlatformCreateTopDownDib32(nullptr, cx, cy, &pBits);
    HICON hResult = nullptr;
    if (hColor != nullptr)
    {
        memcpy(pBits, pixels.data(), pixels.size() * sizeof(DWORD));
        ::GdiFlush();
        ICONINFO out = info;
        out.fIcon = TRUE;
        out.hbmColor = hColor;
        hResult = ::CreateIconIndirect(&out);
        ::DeleteObject(hColor);
    }
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return hResult;
}

CSize IconSize(HICON hIcon)
{
    ICONINFO info = {};
    CSize sz(0, 0);
    if (hIcon == nullptr || !::GetIconInfo(hIcon, &info))
        return sz;
    BITMAP bm = {};
    if (::GetObjectW(info.hbmMask, sizeof bm, &bm))
        sz = CSize(bm.bmWidth, info.hbmColor ? bm.bmHeight : bm.bmHeight / 2);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return sz;
}

// A monochrome mask of the bitmap (1 where its pixel is the transparent colour); those pixels of
// the bitmap itself become black, so that SRCAND then SRCPAINT leave the background there.
HBITMAP MakeMask(HBITMAP hBitmap, COLORREF crTrans)
{
    BITMAP bm = {};
    if (hBitmap == nullptr || !::GetObjectW(hBitmap, sizeof bm, &bm))
        return nullptr;
    HBITMAP hMask = ::CreateBitmap(bm.bmWidth, bm.bmHeight, 1, 1, nullptr);
    if (hMask == nullptr)
        return nullptr;
    HDC hdcSrc = ::CreateCompatibleDC(nullptr);
    HDC hdcMask = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOldSrc = ::SelectObject(hdcSrc, hBitmap);
    HGDIOBJ hOldMask = ::SelectObject(hdcMask, hMask);
    COLORREF crOldBk = ::SetBkColor(hdcSrc, crTrans);
    ::BitBlt(hdcMask, 0, 0, bm.bmWidth, bm.bmHeight, hdcSrc, 0, 0, SRCCOPY);
    ::SetBkColor(hdcSrc, RGB(0, 0, 0));
    COLORREF crOldText = ::SetTextColor(hdcSrc, RGB(255, 255, 255));
    ::BitBlt(hdcSrc, 0, 0, bm.bmWidth, bm.bmHeight, hdcMask, 0, 0, SRCAND);
    ::SetTextColor(hdcSrc, crOldText);
    ::SetBkColor(hdcSrc, crOldBk);
    ::SelectObject(hdcMask, hOldMask);
    ::SelectObject(hdcSrc, hOldSrc);
    ::DeleteDC(hdcMask);
    ::DeleteDC(hdcSrc);
    return hMask;
}
} // namespace

CHoverButton::CHoverButton()
    : m_bIsFlat(TRUE), m_bMouseOnButton(FALSE), m_bIsPressed(FALSE), m_bIsFocused(FALSE), m_bIsDefault(FALSE),
      m_bIsCheckBox(FALSE), m_nCheck(0), m_bDrawBorder(TRUE), m_bDrawFlatFocus(FALSE), m_bAlwaysTrack(TRUE),
      m_bDrawTransparent(FALSE), m_nTypeStyle(BS_PUSHBUTTON), m_nAlign(kAlignHoriz), m_szPressedOffset(0, 0),
      m_nClicks(0), m_hIconIn(nullptr), m_hIconOut(nullptr), m_szIcon(0, 0), m_hBitmapIn(nullptr),
      m_hBitmapOut(nullptr), m_hMaskIn(nullptr), m_hMaskOut(nullptr), m_szBitmap(0, 0), m_hMenu(nullptr),
      m_hParentWndMenu(nullptr), m_hCallbackWnd(nullptr), m_nCallbackMsg(0), m_lCallbackParam(0), m_hCursor(nullptr),
      m_hSoundMod(nullptr), m_dwSoundFlags(0), m_hClickSoundMod(nullptr), m_dwClickSoundFlags(0), m_bMenuShown(FALSE),
      m_hdcBk(nullptr), m_hbmBk(nullptr), m_hOldBmpBk(nullptr)
{
    SetPressedStyle(kPressedLeftRight, FALSE);
    SetDefaultColors(FALSE);
    SetURL(nullptr);
}

CHoverButton::~CHoverButton()
{
    FreeIcons();
    FreeBitmaps();
    if (m_hMenu)
        ::DestroyMenu(m_hMenu);
    if (m_hCursor)
        ::DestroyCursor(m_hCursor);
    if (m_hdcBk)
    {
        ::SelectObject(m_hdcBk, m_hOldBmpBk);
        ::DeleteDC(m_hdcBk);
    }
    if (m_hbmBk)
        ::DeleteObject(m_hbmBk);
}

void CHoverButton::PreSubclassWindow()
{
    const UINT nStyle = (UINT)::GetWindowLongW(m_hWnd, GWL_STYLE);
    m_nTypeStyle = nStyle & 0x1F;
    if (m_nTypeStyle == BS_DEFPUSHBUTTON)
    {
        m_bIsDefault = TRUE;
        m_nTypeStyle = BS_PUSHBUTTON;
    }
    if ((m_nTypeStyle & BS_CHECKBOX) != 0 && m_nTypeStyle != BS_OWNERDRAW)
        m_bIsCheckBox = TRUE;
    ::SetWindowLongW(m_hWnd, GWL_STYLE, (LONG)((nStyle & ~0x1FU) | BS_OWNERDRAW));
    CButton::PreSubclassWindow();
}

// ---- pictures ----------------------------------------------------------------------------------

void CHoverButton::FreeIcons()
{
    if (m_hIconIn)
        ::DestroyIcon(m_hIconIn);
    if (m_hIconOut)
        ::DestroyIcon(m_hIconOut);
    m_hIconIn = m_hIconOut = nullptr;
    m_szIcon = CSize(0, 0);
}

void CHoverButton::FreeBitmaps()
{
    for (HBITMAP* p : {&m_hBitmapIn, &m_hBitmapOut, &m_hMaskIn, &m_hMaskOut})
    {
        if (*p)
            ::DeleteObject(*p);
        *p = nullptr;
    }
    m_szBitmap = CSize(0, 0);
}

DWORD CHoverButton::SetIcon(int nIconIn, int nIconOut) { return SetIcon(nIconIn, CSize(0, 0), nIconOut); }

DWORD CHoverButton::SetIcon(int nIconIn, CSize szIcon, int nIconOut)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    // A zero size loads the icon's own size.
    HICON hIn = (HICON)::LoadImageW(hInst, MAKEINTRESOURCEW(nIconIn), IMAGE_ICON, szIcon.cx, szIcon.cy, 0);
    HICON hOut = nullptr;
    if (hIn != nullptr && nIconOut == kIconGrey)
        hOut = CreateGrayscaleIcon(hIn);
    else if (hIn != nullptr && nIconOut == kIconDarker)
        hOut = CreateDarkerIcon(hIn, 0.25);
    else if (nIconOut > 0)
    {
        const CSize sz = IconSize(hIn);
        hOut = (HICON)::LoadImageW(hInst, MAKEINTRESOURCEW(nIconOut), IMAGE_ICON, sz.cx, sz.cy, 0);
    }
    if (hIn == nullptr)
    {
        FreeIcons();
        FreeBitmaps();
        if (m_hWnd)
            Invalidate();
        return kInvalidResource;
    }
    return SetIcon(hIn, hOut);
}

DWORD CHoverButton::SetIcon(HICON hIconIn, HICON hIconOut)
{
    FreeIcons();
    FreeBitmaps();
    if (hIconIn == nullptr)
    {
        if (hIconOut)
            ::DestroyIcon(hIconOut);
        if (m_hWnd)
            Invalidate();
        return kInvalidResource;
    }
    m_hIconIn = hIconIn;
    m_hIconOut = hIconOut;
    m_szIcon = IconSize(hIconIn);
    if (m_hWnd)
        Invalidate();
    return kOk;
}

DWORD CHoverButton::SetBitmaps(int nBitmapIn, COLORREF crTransIn, int nBitmapOut, COLORREF crTransOut)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HBITMAP hIn = (HBITMAP)::LoadImageW(hInst, MAKEINTRESOURCEW(nBitmapIn), IMAGE_BITMAP, 0, 0, 0);
    HBITMAP hOut =
        nBitmapOut > 0 ? (HBITMAP)::LoadImageW(hInst, MAKEINTRESOURCEW(nBitmapOut), IMAGE_BITMAP, 0, 0, 0) : nullptr;
    return SetBitmaps(hIn, crTransIn, hOut, crTransOut);
}

DWORD CHoverButton::SetBitmaps(HBITMAP hBitmapIn, COLORREF crTransIn, HBITMAP hBitmapOut, COLORREF crTransOut)
{
    FreeIcons();
    FreeBitmaps();
    BITMAP bm = {};
    if (hBitmapIn == nullptr || !::GetObjectW(hBitmapIn, sizeof bm, &bm))
    {
        if (hBitmapIn)
            ::DeleteObject(hBitmapIn);
        if (hBitmapOut)
            ::DeleteObject(hBitmapOut);
        if (m_hWnd)
            Invalidate();
        return kInvalidResource;
    }
    m_hBitmapIn = hBitmapIn;
    m_szBitmap = CSize(bm.bmWidth, bm.bmHeight);
    m_hMaskIn = MakeMask(hBitmapIn, crTransIn);
    if (hBitmapOut)
    {
        m_hBitmapOut = hBitmapOut;
        m_hMaskOut = MakeMask(hBitmapOut, crTransOut);
    }
    if (m_hMaskIn == nullptr || (m_hBitmapOut && m_hMaskOut == nullptr))
    {
        FreeBitmaps();
        return kFailedMask;
    }
    if (m_hWnd)
        Invalidate();
    return kOk;
}

COLORREF CHoverButton::GrayPixel(COLORREF cr)
{
    if ((cr & 0xFFFFFF) == 0)
        return cr;
    const int n = (int)(0.299 * GetRValue(cr) + 0.587 * GetGValue(cr) + 0.114 * GetBValue(cr));
    return RGB(n, n, n);
}

COLORREF CHoverButton::DarkerPixel(COLORREF cr, double dFactor)
{
    if ((cr & 0xFFFFFF) == 0 || dFactor <= 0.0 || dFactor >= 1.0)
        return cr;
    const double k = 1.0 - dFactor;
    return RGB((int)(GetRValue(cr) * k), (int)(GetGValue(cr) * k), (int)(GetBValue(cr) * k));
}

namespace
{
template <class F> HICON TransformIcon(HICON hIcon, F f)
{
    ICONINFO info = {};
    int cx = 0, cy = 0;
    std::vector<DWORD> pixels;
    if (!ReadIconPixels(hIcon, info, cx, cy, pixels))
        return nullptr;
    for (DWORD& v : pixels)
    {
        // DIB pixels are 0xAARRGGBB; the rules work on COLORREF (0x00BBGGRR).
        const COLORREF cr = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
        const COLORREF out = f(cr);
        v = (v & 0xFF000000) | ((DWORD)GetRValue(out) << 16) | ((DWORD)GetGValue(out) << 8) | GetBValue(out);
    }
    return MakeIcon(info, cx, cy, pixels);
}
} // namespace

HICON CHoverButton::CreateGrayscaleIcon(HICON hIcon)
{
    return TransformIcon(hIcon, [](COLORREF cr) { return GrayPixel(cr); });
}

HICON CHoverButton::CreateDarkerIcon(HICON hIcon, double dFactor)
{
    return TransformIcon(hIcon, [dFactor](COLORREF cr) { return DarkerPixel(cr, dFactor); });
}

DWORD CHoverButton::SetAlign(int nAlign, BOOL bRepaint)
{
    if (nAlign < kAlignHoriz || nAlign > kAlignHorizRight)
        return kInvalidIndex;
    m_nAlign = nAlign;
    if (bRepaint && m_hWnd)
        Invalidate();
    return kOk;
}

DWORD CHoverButton::SetPressedStyle(int nStyle, BOOL bRepaint)
{
    switch (nStyle)
    {
    case kPressedLeftRight: m_szPressedOffset = CSize(1, 1); break;
    case kPressedTopBottom: m_szPressedOffset = CSize(0, 2); break;
    default: return kInvalidPressedStyle;
    }
    if (bRepaint && m_hWnd)
        Invalidate();
    return kOk;
}

// ---- look ----------------------------------------------------------------------------------------

DWORD CHoverButton::SetFlat(BOOL bFlat, BOOL bRepaint)
{
    m_bIsFlat = bFlat;
    if (bRepaint && m_hWnd)
        Invalidate();
    return kOk;
}

DWORD CHoverButton::DrawBorder(BOOL bEnable, BOOL bRepaint)
{
    m_bDrawBorder = bEnable;
    if (bRepaint && m_hWnd)
        Invalidate();
    return kOk;
}

DWORD CHoverButton::DrawFlatFocus(BOOL bDrawFlatFocus, BOOL bRepaint)
{
    m_bDrawFlatFocus = bDrawFlatFocus;
    if (bRepaint && m_hWnd)
        Invalidate();
    return kOk;
}

DWORD CHoverButton::DrawTransparent(BOOL bRepaint)
{
    m_bDrawTransparent = TRUE;
    if (m_hdcBk)
    {
        // Copied again at the next drawing.
        ::SelectObject(m_hdcBk, m_hOldBmpBk);
        ::DeleteDC(m_hdcBk);
        ::DeleteObject(m_hbmBk);
        m_hdcBk = nullptr;
        m_hbmBk = nullptr;
    }
    if (bRepaint && m_hWnd)
        Invalidate();
    return kOk;
}

DWORD CHoverButton::SetDefaultColors(BOOL bRepaint)
{
    m_crColors[kColorBkIn] = ::GetSysColor(COLOR_BTNFACE);
    m_crColors[kColorFgIn] = ::GetSysColor(COLOR_BTNTEXT);
    m_crColors[kColorBkOut] = ::GetSysColor(COLOR_BTNFACE);
    m_crColors[kColorFgOut] = ::GetSysColor(COLOR_BTNTEXT);
    m_crColors[kColorBkFocus] = ::GetSysColor(COLOR_BTNFACE);
    m_crColors[kColorFgFocus] = ::GetSysColor(COLOR_BTNTEXT);
    if (bRepaint && m_hWnd)
        Invalidate();
    return kOk;
}

DWORD CHoverButton::SetColor(int nIndex, COLORREF crColor, BOOL bRepaint)
{
    if (nIndex < 0 || nIndex >= kColorCount)
        return kInvalidIndex;
    m_crColors[nIndex] = crColor;
    if (bRepaint && m_hWnd)
        Invalidate();
    return kOk;
}

COLORREF CHoverButton::GetColor(int nIndex) const
{
    return nIndex >= 0 && nIndex < kColorCount ? m_crColors[nIndex] : CLR_INVALID;
}

DWORD CHoverButton::SetCheck(int nCheck, BOOL bRepaint)
{
    if (m_bIsCheckBox)
    {
        m_nCheck = nCheck == BST_CHECKED || nCheck == BST_INDETERMINATE ? 1 : 0;
        if (bRepaint && m_hWnd)
            Invalidate();
    }
    return kOk;
}

// ---- extras --------------------------------------------------------------------------------------

DWORD CHoverButton::SetURL(LPCTSTR lpszURL)
{
    m_strURL.Empty();
    if (lpszURL != nullptr)
        m_strURL = CString(lpszURL).Left(kMaxUrl);
    return kOk;
}

void CHoverButton::InitToolTip()
{
    if (m_ToolTip.GetSafeHwnd() != nullptr)
        return;
    m_ToolTip.Create(this);
    m_ToolTip.Activate(TRUE);
    m_ToolTip.SetMaxTipWidth(400);
}

void CHoverButton::SetTooltipText(LPCTSTR lpszText, BOOL bActivate)
{
    if (lpszText == nullptr || m_hWnd == nullptr)
        return;
    InitToolTip();
    if (m_ToolTip.GetToolCount() == 0)
    {
        CRect rc;
        GetClientRect(&rc);
        m_ToolTip.AddTool(this, lpszText, &rc, 1);
    }
    m_ToolTip.UpdateTipText(lpszText, this, 1);
    m_ToolTip.Activate(bActivate);
}

void CHoverButton::ActivateTooltip(BOOL bEnable)
{
    if (m_ToolTip.GetSafeHwnd() != nullptr && m_ToolTip.GetToolCount() > 0)
        m_ToolTip.Activate(bEnable);
}

DWORD CHoverButton::SetMenu(UINT nMenu, HWND hParentWnd, BOOL bRepaint)
{
    if (m_hMenu)
        ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    m_hParentWndMenu = nullptr;
    if (nMenu != 0)
    {
        m_hMenu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nMenu));
        if (m_hMenu == nullptr)
            return kInvalidResource;
        m_hParentWndMenu = hParentWnd;
    }
    if (bRepaint && m_hWnd)
        Invalidate();
    return kOk;
}

DWORD CHoverButton::SetMenuCallback(HWND hWnd, UINT nMessage, LPARAM lParam)
{
    m_hCallbackWnd = hWnd;
    m_nCallbackMsg = nMessage;
    m_lCallbackParam = lParam;
    return kOk;
}

DWORD CHoverButton::SetBtnCursor(int nCursorId, BOOL bRepaint)
{
    if (m_hCursor)
        ::DestroyCursor(m_hCursor);
    m_hCursor = nullptr;
    if (nCursorId != 0)
    {
        m_hCursor = (HCURSOR)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nCursorId), IMAGE_CURSOR, 0, 0, 0);
        if (m_hCursor == nullptr)
            return kInvalidResource;
    }
    if (bRepaint && m_hWnd)
        Invalidate();
    return kOk;
}

DWORD CHoverButton::SetSound(LPCTSTR lpszSound, HMODULE hMod, BOOL bPlayOnClick)
{
    // Each sound keeps its own module and flags: a file and a resource can be set side by side.
    (bPlayOnClick ? m_strClickSound : m_strSound) = lpszSound ? lpszSound : L"";
    (bPlayOnClick ? m_hClickSoundMod : m_hSoundMod) = hMod;
    (bPlayOnClick ? m_dwClickSoundFlags : m_dwSoundFlags) =
        SND_ASYNC | SND_NODEFAULT | (hMod ? SND_RESOURCE : SND_FILENAME);
    return kOk;
}

void CHoverButton::PlayButtonSound(const CString& strSound, HMODULE hMod, DWORD dwFlags)
{
    ::PlaySoundW(strSound, hMod, dwFlags);
}

// ---- messages ------------------------------------------------------------------------------------

BOOL CHoverButton::PreTranslateMessage(MSG* pMsg)
{
    if (m_ToolTip.GetSafeHwnd() != nullptr &&
        (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_LBUTTONDOWN || pMsg->message == WM_LBUTTONUP ||
         pMsg->message == WM_RBUTTONDOWN || pMsg->message == WM_RBUTTONUP || pMsg->message == WM_MBUTTONDOWN ||
         pMsg->message == WM_MBUTTONUP))
        m_ToolTip.RelayEvent(pMsg);
    return CButton::PreTranslateMessage(pMsg);
}

void CHoverButton::OnMouseMove(UINT nFlags, CPoint point)
{
    CButton::OnMouseMove(nFlags, point);
    if (!m_bIsFlat)
        return;
    CPoint ptScreen(point);
    ClientToScreen(&ptScreen);
    const bool bOver = ::WindowFromPoint(ptScreen) == m_hWnd;
    if (!bOver)
    {
        CancelHover();
        return;
    }
    if (m_bMouseOnButton || !(m_bAlwaysTrack || ::GetActiveWindow() != nullptr))
        return;
    m_bMouseOnButton = TRUE;
    Invalidate();
    if (!m_strSound.IsEmpty())
        PlayButtonSound(m_strSound, m_hSoundMod, m_dwSoundFlags);
    TRACKMOUSEEVENT tme = {};
    tme.cbSize = sizeof tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = m_hWnd;
    ::TrackMouseEvent(&tme);
}

void CHoverButton::OnMouseLeave() { CancelHover(); }

void CHoverButton::CancelHover()
{
    if (!m_bMouseOnButton)
        return;
    m_bMouseOnButton = FALSE;
    Invalidate();
}

void CHoverButton::OnKillFocus(CWnd* pNewWnd)
{
    CButton::OnKillFocus(pNewWnd);
    CancelHover();
}

void CHoverButton::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CButton::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE)
        CancelHover();
}

void CHoverButton::OnCaptureChanged(CWnd* pWnd)
{
    CButton::OnCaptureChanged(pWnd);
    // Any change ends the hover; the next move over the button starts it again.
    CancelHover();
}

void CHoverButton::OnCancelMode()
{
    CButton::OnCancelMode();
    CancelHover();
}

BOOL CHoverButton::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_hCursor != nullptr)
    {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return CButton::OnSetCursor(pWnd, nHitTest, message);
}

UINT CHoverButton::OnGetDlgCode()
{
    UINT nCode = CButton::OnGetDlgCode();
    nCode |= m_bIsDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
    return nCode;
}

void CHoverButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A double click is a second click.
    SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

HBRUSH CHoverButton::CtlColor(CDC*, UINT) { return (HBRUSH)::GetStockObject(NULL_BRUSH); }

LRESULT CHoverButton::OnSetStyle(WPARAM wParam, LPARAM lParam)
{
    m_bIsDefault = (wParam & 0x1F) == BS_DEFPUSHBUTTON;
    return CButton::DefWindowProc(BM_SETSTYLE, (wParam & ~0x1FU) | BS_OWNERDRAW, lParam);
}

LRESULT CHoverButton::OnSetCheckMessage(WPARAM wParam, LPARAM)
{
    if (m_bIsCheckBox)
        SetCheck((int)wParam, TRUE);
    return 0;
}

BOOL CHoverButton::OnClicked()
{
    ++m_nClicks;
    SetFocus();
    if (!m_strClickSound.IsEmpty())
        PlayButtonSound(m_strClickSound, m_hClickSoundMod, m_dwClickSoundFlags);
    if (m_bIsCheckBox)
    {
        m_nCheck = !m_nCheck;
        Invalidate();
    }
    else if (m_hMenu != nullptr)
    {
        HMENU hSub = ::GetSubMenu(m_hMenu, 0);
        CRect rc;
        GetWindowRect(&rc);
        m_bMouseOnButton = TRUE;
        m_bMenuShown = TRUE;
        Invalidate();
        UpdateWindow();
        if (m_hCallbackWnd != nullptr)
            ::SendMessageW(m_hCallbackWnd, m_nCallbackMsg, (WPARAM)hSub, m_lCallbackParam);
        const UINT nCmd =
            (UINT)::TrackPopupMenuEx(hSub, TPM_LEFTALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, rc.left,
                                     rc.bottom, m_hParentWndMenu ? m_hParentWndMenu : m_hWnd, nullptr);
        m_bMenuShown = FALSE;
        m_bMouseOnButton = FALSE;
        Invalidate();
        UpdateWindow();
        if (nCmd != 0)
            ::PostMessageW(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(nCmd, BN_CLICKED), 0);
    }
    else if (!m_strURL.IsEmpty())
    {
        SHELLEXECUTEINFOW sei = {};
        sei.cbSize = sizeof sei;
        sei.fMask = SEE_MASK_NOASYNC;
        sei.lpVerb = L"open";
        sei.lpFile = m_strURL;
        sei.nShow = SW_SHOWNORMAL;
        ::ShellExecuteExW(&sei);
    }
    return FALSE; // the parent sees the click too
}

// ---- drawing -------------------------------------------------------------------------------------

void CHoverButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    // Pressed: pushed, checked, or showing its popup menu.
    m_bIsPressed = (lpDIS->itemState & ODS_SELECTED) != 0 || (m_bIsCheckBox && m_nCheck) || m_bMenuShown;
    m_bIsFocused = (lpDIS->itemState & ODS_FOCUS) != 0;
    DrawButton(*pDC, lpDIS->rcItem, m_bIsPressed != 0, m_bIsFocused != 0, (lpDIS->itemState & ODS_DISABLED) != 0);
}

void CHoverButton::PrepareBkDC(CDC& dc)
{
    if (m_hdcBk != nullptr || m_hWnd == nullptr)
        return;
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return;
    CRect rc;
    GetClientRect(&rc);
    CRect rcInParent(rc);
    MapWindowPoints(pParent, &rcInParent);
    HDC hdcParent = ::GetDC(pParent->m_hWnd);
    m_hdcBk = ::CreateCompatibleDC(dc.GetSafeHdc());
    m_hbmBk = ::CreateCompatibleBitmap(dc.GetSafeHdc(), rc.Width(), rc.Height());
    m_hOldBmpBk = ::SelectObject(m_hdcBk, m_hbmBk);
    ::BitBlt(m_hdcBk, 0, 0, rc.Width(), rc.Height(), hdcParent, rcInParent.left, rcInParent.top, SRCCOPY);
    ::ReleaseDC(pParent->m_hWnd, hdcParent);
}

void CHoverButton::DrawBackground(CDC& dc, CRect& rc, bool bPressed, bool bFocused)
{
    if (m_bDrawTransparent)
    {
        PrepareBkDC(dc);
        if (m_hdcBk)
            ::BitBlt(dc.GetSafeHdc(), rc.left, rc.top, rc.Width(), rc.Height(), m_hdcBk, 0, 0, SRCCOPY);
        return;
    }
    if (!m_bIsFlat && (bFocused || m_bIsDefault))
    {
        CBrush brBlack(RGB(0, 0, 0));
        dc.FrameRect(&rc, &brBlack);
        rc.DeflateRect(1, 1);
    }
    COLORREF cr = m_crColors[kColorBkOut];
    if (m_bMouseOnButton || bPressed)
        cr = m_crColors[kColorBkIn];
    else if (bFocused)
        cr = m_crColors[kColorBkFocus];
    dc.FillSolidRect(&rc, cr);
}

void CHoverButton::DrawBorderEdges(CDC& dc, const CRect& rc, bool bPressed)
{
    if (bPressed)
    {
        if (m_bIsFlat)
        {
            if (m_bDrawBorder)
                dc.Draw3dRect(&rc, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHILIGHT));
        }
        else
        {
            CBrush brShadow(::GetSysColor(COLOR_BTNSHADOW));
            dc.FrameRect(&rc, &brShadow);
        }
        return;
    }
    if (!m_bIsFlat)
    {
        // Outer light edges top and left, the inner light ones, then the dark edges right and bottom.
        CPen penHilight(PS_SOLID, 0, ::GetSysColor(COLOR_BTNHILIGHT));
        CPen penLight(PS_SOLID, 0, ::GetSysColor(COLOR_3DLIGHT));
        CPen penShadow(PS_SOLID, 0, ::GetSysColor(COLOR_BTNSHADOW));
        CPen penDkShadow(PS_SOLID, 0, ::GetSysColor(COLOR_3DDKSHADOW));
        CPen* pOld = dc.SelectObject(&penHilight);
        dc.MoveTo(rc.left, rc.bottom - 1);
        dc.LineTo(rc.left, rc.top);
        dc.LineTo(rc.right, rc.top);
        dc.SelectObject(&penLight);
        dc.MoveTo(rc.left + 1, rc.bottom - 1);
        dc.LineTo(rc.left + 1, rc.top + 1);
        dc.LineTo(rc.right, rc.top + 1);
        dc.SelectObject(&penDkShadow);
        dc.MoveTo(rc.left, rc.bottom - 1);
        dc.LineTo(rc.right - 1, rc.bottom - 1);
        dc.LineTo(rc.right - 1, rc.top - 1);
        dc.SelectObject(&penShadow);
        dc.MoveTo(rc.left + 1, rc.bottom - 2);
        dc.LineTo(rc.right - 2, rc.bottom - 2);
        dc.LineTo(rc.right - 2, rc.top);
        dc.SelectObject(pOld);
        return;
    }
    if (m_bMouseOnButton && m_bDrawBorder)
        dc.Draw3dRect(&rc, ::GetSysColor(COLOR_BTNHILIGHT), ::GetSysColor(COLOR_BTNSHADOW));
}

void CHoverButton::LayoutPicture(const CRect& rcClient, const CRect& rcText, bool bHasText, bool bPressed,
                                 CRect& rcImage, const CSize& szImage) const
{
    rcImage = rcClient;
    switch (m_nAlign)
    {
    case kAlignHoriz:
        if (bHasText)
            rcImage.left += 3;
        else
            rcImage.left += (rcClient.Width() - szImage.cx) / 2;
        rcImage.top += (rcClient.Height() - szImage.cy) / 2;
        break;
    case kAlignHorizRight:
        if (bHasText)
            rcImage.left = rcClient.right - szImage.cx - 3;
        else
            rcImage.left += (rcClient.Width() - szImage.cx) / 2;
        rcImage.top += (rcClient.Height() - szImage.cy) / 2;
        break;
    case kAlignVert:
        rcImage.left += (rcClient.Width() - szImage.cx) / 2;
        if (bHasText)
            rcImage.top += 3;
        else
            rcImage.top += (rcClient.Height() - szImage.cy) / 2;
        break;
    }
    (void)rcText;
    if (bPressed && !m_bIsCheckBox)
        rcImage.OffsetRect(m_szPressedOffset.cx, m_szPressedOffset.cy);
    rcImage.right = rcImage.left + szImage.cx;
    rcImage.bottom = rcImage.top + szImage.cy;
}

void CHoverButton::DrawPicture(CDC& dc, const CRect& rcClient, const CRect& rcText, bool bHasText, bool bPressed,
                               bool bDisabled)
{
    const bool bIn = m_bMouseOnButton || bPressed;
    if (m_hIconIn != nullptr)
    {
        CRect rcImage;
        LayoutPicture(rcClient, rcText, bHasText, bPressed, rcImage, m_szIcon);
        HICON hIcon = bIn || m_hIconOut == nullptr ? m_hIconIn : m_hIconOut;
        ::DrawStateW(dc.GetSafeHdc(), nullptr, nullptr, (LPARAM)hIcon, 0, rcImage.left, rcImage.top, rcImage.Width(),
                     rcImage.Height(), DST_ICON | (bDisabled ? DSS_DISABLED : DSS_NORMAL));
        return;
    }
    if (m_hBitmapIn == nullptr)
        return;
    CRect rcImage;
    LayoutPicture(rcClient, rcText, bHasText, bPressed, rcImage, m_szBitmap);
    const bool bUseOut = !bIn && m_hBitmapOut != nullptr;
    HBITMAP hBitmap = bUseOut ? m_hBitmapOut : m_hBitmapIn;
    HBITMAP hMask = bUseOut ? m_hMaskOut : m_hMaskIn;
    if (bDisabled)
    {
        ::DrawStateW(dc.GetSafeHdc(), nullptr, nullptr, (LPARAM)hBitmap, 0, rcImage.left, rcImage.top, rcImage.Width(),
                     rcImage.Height(), DST_BITMAP | DSS_DISABLED);
        return;
    }
    HDC hdcMem = ::CreateCompatibleDC(dc.GetSafeHdc());
    HGDIOBJ hOld = ::SelectObject(hdcMem, hMask);
    COLORREF crOldBk = dc.SetBkColor(RGB(255, 255, 255));
    COLORREF crOldText = dc.SetTextColor(RGB(0, 0, 0));
    ::BitBlt(dc.GetSafeHdc(), rcImage.left, rcImage.top, rcImage.Width(), rcImage.Height(), hdcMem, 0, 0, SRCAND);
    ::SelectObject(hdcMem, hBitmap);
    ::BitBlt(dc.GetSafeHdc(), rcImage.left, rcImage.top, rcImage.Width(), rcImage.Height(), hdcMem, 0, 0, SRCPAINT);
    dc.SetBkColor(crOldBk);
    dc.SetTextColor(crOldText);
    ::SelectObject(hdcMem, hOld);
    ::DeleteDC(hdcMem);
}

void CHoverButton::DrawCaption(CDC& dc, const CString& strText, const CRect& rcText, bool bPressed, bool bFocused,
                               bool bDisabled)
{
    if (strText.IsEmpty())
        return;
    CRect rc(rcText);
    if (bPressed && !m_bIsCheckBox)
        rc.OffsetRect(m_szPressedOffset.cx, m_szPressedOffset.cy);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    if (bDisabled)
    {
        rc.OffsetRect(1, 1);
        dc.SetTextColor(::GetSysColor(COLOR_BTNHILIGHT));
        dc.DrawText(strText, &rc, DT_WORDBREAK | DT_CENTER);
        rc.OffsetRect(-1, -1);
        dc.SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
        dc.DrawText(strText, &rc, DT_WORDBREAK | DT_CENTER);
    }
    else
    {
        COLORREF cr = m_crColors[kColorFgOut];
        if (m_bMouseOnButton || bPressed)
            cr = m_crColors[kColorFgIn];
        else if (bFocused)
            cr = m_crColors[kColorFgFocus];
        dc.SetTextColor(cr);
        dc.DrawText(strText, &rc, DT_WORDBREAK | DT_CENTER);
    }
    dc.SetBkMode(nOldMode);
}

void CHoverButton::DrawButton(CDC& dc, CRect rcItem, bool bPressed, bool bFocused, bool bDisabled)
{
    const int nSaved = dc.SaveDC();
    if (m_hWnd)
        dc.SelectObject(CFont::FromHandle((HFONT)::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)));
    CRect rc(rcItem);
    DrawBackground(dc, rc, bPressed, bFocused);
    DrawBorderEdges(dc, rc, bPressed);

    CString strText;
    if (m_hWnd)
        GetWindowText(strText);
    CRect rcText(rcItem);
    if (!strText.IsEmpty())
    {
        CRect rcCalc(rcItem);
        dc.DrawText(strText, &rcCalc, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
        const CSize szPicture = m_hIconIn ? m_szIcon : m_szBitmap;
        // The text centred in what the picture leaves free.
        CRect rcFree(rcItem);
        if (szPicture.cx > 0)
            switch (m_nAlign)
            {
            case kAlignHoriz: rcFree.left += szPicture.cx + 3; break;
            case kAlignHorizRight: rcFree.right -= szPicture.cx + 3; break;
            case kAlignVert: rcFree.top += szPicture.cy + 3; break;
            }
        rcText = CRect(CPoint(rcFree.left + (rcFree.Width() - rcCalc.Width()) / 2,
                              rcFree.top + (rcFree.Height() - rcCalc.Height()) / 2),
                       rcCalc.Size());
    }
    DrawPicture(dc, rcItem, rcText, !strText.IsEmpty(), bPressed, bDisabled);
    DrawCaption(dc, strText, rcText, bPressed, bFocused, bDisabled);
    if (bFocused && (!m_bIsFlat || m_bDrawFlatFocus))
    {
        CRect rcFocus(rcItem);
        rcFocus.DeflateRect(3, 3);
        dc.DrawFocusRect(&rcFocus);
    }
    dc.RestoreDC(nSaved);
}
