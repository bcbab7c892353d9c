// CSplashScreenEx: the shaped window, its painting and its life.
#include "app/SplashScreenEx.h"
#include <vector>

IMPLEMENT_DYNAMIC(CSplashScreenEx, CWnd)

const wchar_t* const CSplashScreenEx::kClassName = L"SplashScreenExClass";

CSplashScreenEx::CSplashScreenEx()
    : m_pfnAnimateWindow(nullptr), m_pParent(nullptr), m_hRegion(nullptr), m_dwStyle(0), m_dwTimeout(2000),
      m_nTextFormat(DT_CENTER | DT_VCENTER | DT_WORDBREAK), m_clrText(RGB(0, 0, 0)), m_nBitmapWidth(0),
      m_nBitmapHeight(0), m_nxPos(0), m_nyPos(0)
{
    if (HMODULE hUser = ::GetModuleHandleW(L"USER32.DLL"))
        m_pfnAnimateWindow = reinterpret_cast<AnimateWindowFn>(::GetProcAddress(hUser, "AnimateWindow"));
    LOGFONTW lf = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    m_font.CreateFontIndirect(&lf);
}

CSplashScreenEx::~CSplashScreenEx()
{
    if (m_hRegion != nullptr)
        ::DeleteObject(m_hRegion);
}

BOOL CSplashScreenEx::Create(CWnd* pParent, LPCTSTR lpszText, DWORD dwTimeout, DWORD dwStyle)
{
    m_pParent = pParent;
    m_strText = lpszText ? lpszText : L"";
    m_dwTimeout = dwTimeout;
    m_dwStyle = dwStyle;
    WNDCLASSEXW wc = {sizeof wc};
    wc.style = CS_DBLCLKS | CS_SAVEBITS | ((dwStyle & kShadow) ? 0x00020000 /* CS_DROPSHADOW */ : 0);
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    WNDCLASSEXW existing = {sizeof existing};
    if (!::GetClassInfoExW(wc.hInstance, kClassName, &existing) && !::RegisterClassExW(&wc))
    {
        wc.style &= ~0x00020000;
        if (!::RegisterClassExW(&wc))
            return FALSE;
    }
    HWND hOwner = pParent ? pParent->GetSafeHwnd() : nullptr;
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, nullptr, WS_POPUP, 0, 0, 0, 0, hOwner, nullptr))
        return FALSE;
    return TRUE;
}

HRGN CSplashScreenEx::CreateRgnFromBitmap(HBITMAP hBmp, COLORREF clrTransparent)
{
    BITMAP bm = {};
    if (hBmp == nullptr || !::GetObjectW(hBmp, sizeof bm, &bm))
        return nullptr;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = bm.bmWidth;
    bmi.bmiHeader.biHeight = -bm.bmHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    std::vector<DWORD> pixels((size_t)bm.bmWidth * bm.bmHeight);
    HDC hDC = ::GetDC(nullptr);
    const int nRows = ::GetDIBits(hDC, hBmp, 0, bm.bmHeight, pixels.data(), &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hDC);
    if (nRows != bm.bmHeight)
        return nullptr;
    const DWORD dwKey =
        (GetRValue(clrTransparent) << 16) | (GetGValue(clrTransparent) << 8) | GetBValue(clrTransparent);
    // Rectangles gathered in blocks of 40, each block joined into the region.
    const int kBlock = 40;
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + kBlock * sizeof(RECT));
    RGNDATA* pData = reinterpret_cast<RGNDATA*>(data.data());
    RECT* pRects = reinterpret_cast<RECT*>(pData->Buffer);
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    int nCount = 0;
    auto flush = [&] {
        if (nCount == 0)
            return;
        pData->rdh.dwSize = sizeof(RGNDATAHEADER);
        pData->rdh.iType = RDH_RECTANGLES;
        pData->rdh.nCount = nCount;
        pData->rdh.nRgnSize = nCount * sizeof(RECT);
        ::SetRect(&pData->rdh.rcBound, 0, 0, bm.bmWidth, bm.bmHeight);
        HRGN hPart = ::ExtCreateRegion(nullptr, (DWORD)data.size(), pData);
        if (hPart != nullptr)
        {
            ::CombineRgn(hRgn, hRgn, hPart, RGN_OR);
            ::DeleteObject(hPart);
        }
        nCount = 0;
    };
    for (int y = 0; y < bm.bmHeight; ++y)
    {
        const DWORD* pRow = pixels.data() + (size_t)y * bm.bmWidth;
        for (int x = 0; x < bm.bmWidth;)
        {
            while (x < bm.bmWidth && (pRow[x] & 0xFFFFFF) == dwKey)
                ++x;
            const int x0 = x;
            while (x < bm.bmWidth && (pRow[x] & 0xFFFFFF) != dwKey)
                ++x;
            if (x > x0)
            {
                ::SetRect(&pRects[nCount++], x0, y, x, y + 1);
                if (nCount == kBlock)
                    flush();
            }
        }
    }
    flush();
    return hRgn;
}

BOOL CSplashScreenEx::SetBitmap(UINT nBitmapID, short red, short green, short blue)
{
    m_bitmap.DeleteObject();
    if (!m_bitmap.LoadBitmap(nBitmapID))
        return FALSE;
    BITMAP bm = {};
    m_bitmap.GetObject(sizeof bm, &bm);
    m_nBitmapWidth = bm.bmWidth;
    m_nBitmapHeight = bm.bmHeight;
    CRect rcArea;
    if ((m_dwStyle & kCenterParent) && m_pParent != nullptr && m_pParent->GetSafeHwnd() != nullptr)
        m_pParent->GetWindowRect(&rcArea);
    else
        rcArea.SetRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    m_nxPos = rcArea.left + (rcArea.Width() - m_nBitmapWidth) / 2;
    m_nyPos = rcArea.top + (rcArea.Height() - m_nBitmapHeight) / 2;
    if ((unsigned short)red != 65535 && (unsigned short)green != 65535 && (unsigned short)blue != 65535)
    {
        HRGN hRgn = CreateRgnFromBitmap((HBITMAP)m_bitmap.GetSafeHandle(), RGB(red, green, blue));
        if (hRgn != nullptr)
        {
            if (m_hRegion != nullptr)
                ::DeleteObject(m_hRegion);
            // The window owns the region it is given; keep a copy of our own.
            m_hRegion = ::CreateRectRgn(0, 0, 0, 0);
            ::CombineRgn(m_hRegion, hRgn, nullptr, RGN_COPY);
            if (GetSafeHwnd() != nullptr)
                ::SetWindowRgn(m_hWnd, hRgn, TRUE);
            else
                ::DeleteObject(hRgn);
        }
    }
    return TRUE;
}

void CSplashScreenEx::SetTextFont(LPCTSTR lpszFont, int nSize, int nStyle)
{
    m_font.DeleteObject();
    LOGFONTW lf = {};
    wcsncpy(lf.lfFaceName, lpszFont, LF_FACESIZE - 1);
    HDC hDC = ::GetDC(nullptr);
    lf.lfHeight = -MulDiv(nSize, ::GetDeviceCaps(hDC, LOGPIXELSY), 720);
    ::ReleaseDC(nullptr, hDC);
    lf.lfWeight = (nStyle & 1) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (nStyle & 2) ? TRUE : FALSE;
    lf.lfUnderline = (nStyle & 4) ? TRUE : FALSE;
    m_font.CreateFontIndirect(&lf);
}

void CSplashScreenEx::Redraw()
{
    if (GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CSplashScreenEx::SetText(LPCTSTR lpszText)
{
    m_strText = lpszText ? lpszText : L"";
    Redraw();
}

void CSplashScreenEx::SetTextColor(COLORREF clr)
{
    m_clrText = clr;
    Redraw();
}

void CSplashScreenEx::SetTextRect(const CRect& rc)
{
    m_rcText = rc;
    Redraw();
}

void CSplashScreenEx::Show()
{
    SetWindowPos(nullptr, m_nxPos, m_nyPos, m_nBitmapWidth, m_nBitmapHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    if ((m_dwStyle & kFadeIn) && m_pfnAnimateWindow != nullptr)
        m_pfnAnimateWindow(m_hWnd, 500, AW_BLEND);
    else
        ShowWindow(SW_SHOWNOACTIVATE);
    if (m_dwTimeout != 0)
        SetTimer(0, m_dwTimeout, nullptr);
    // Boxes asked for while it is up lie above it.
    PlatformSetSplashWindow(m_hWnd);
}

void CSplashScreenEx::Hide()
{
    if (GetSafeHwnd() == nullptr)
        return;
    if ((m_dwStyle & kFadeOut) && m_pfnAnimateWindow != nullptr)
        m_pfnAnimateWindow(m_hWnd, 200, AW_BLEND | AW_HIDE);
    else
        ShowWindow(SW_HIDE);
    DestroyWindow();
}

void CSplashScreenEx::DrawWindow(CDC* pDC)
{
    CDC dcMem;
    if (m_bitmap.GetSafeHandle() != nullptr && dcMem.CreateCompatibleDC(pDC))
    {
        CBitmap* pOld = dcMem.SelectObject(&m_bitmap);
        pDC->BitBlt(0, 0, m_nBitmapWidth, m_nBitmapHeight, &dcMem, 0, 0, SRCCOPY);
        dcMem.SelectObject(pOld);
    }
    CFont* pOldFont = pDC->SelectObject(&m_font);
    pDC->SetTextColor(m_clrText);
    pDC->SetBkMode(TRANSPARENT);
    CRect rc(m_rcText);
    pDC->DrawText(m_strText, &rc, m_nTextFormat);
    pDC->SelectObject(pOldFont);
}

LRESULT CSplashScreenEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT:
    {
        CPaintDC dc(this);
        DrawWindow(&dc);
        return 0;
    }
    case WM_PRINTCLIENT:
    {
        CDC* pDC = CDC::FromHandle((HDC)wParam);
        DrawWindow(pDC);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_DESTROY:
        if (PlatformSplashWindow() == m_hWnd)
            PlatformSetSplashWindow(nullptr);
        break;
    case WM_TIMER:
        if (wParam == 0)
        {
            KillTimer(0);
            Hide();
            return 0;
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        if (m_dwStyle & kHideOnInput)
        {
            Hide();
            return 0;
        }
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CSplashScreenEx::PostNcDestroy() { delete this; }
