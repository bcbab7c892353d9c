// CBusyAnimateCtrl: flicker-free painting of the status bar's busy animation.
#include "app/BusyAnimateCtrl.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <algorithm>
#include <cstring>

namespace
{
// The frame size in the main header of an AVI resource; empty when it cannot be read.
CSize AviFrameSize(HINSTANCE hInst, LPCWSTR pszName)
{
    HRSRC hRes = ::FindResourceW(hInst, pszName, L"AVI");
    HGLOBAL hData = hRes != nullptr ? ::LoadResource(hInst, hRes) : nullptr;
    const BYTE* p = hData != nullptr ? (const BYTE*)::LockResource(hData) : nullptr;
    // "RIFF" size "AVI " "LIST" size "hdrl" "avih" size, then the main header with the frame
    // width and height at 32 and 36.
    if (p == nullptr || ::SizeofResource(hInst, hRes) < 72 || memcmp(p, "RIFF", 4) != 0 ||
        memcmp(p + 8, "AVI LIST", 8) != 0 || memcmp(p + 20, "hdrlavih", 8) != 0)
        return CSize(0, 0);
    DWORD cx = 0, cy = 0;
    memcpy(&cx, p + 64, 4);
    memcpy(&cy, p + 68, 4);
    return cx > 0 && cy > 0 && cx < 4096 && cy < 4096 ? CSize((int)cx, (int)cy) : CSize(0, 0);
}
} // namespace

CBusyAnimateCtrl::~CBusyAnimateCtrl()
{
    if (m_hbrFrameBack != nullptr)
        ::DeleteObject(m_hbrFrameBack);
}

LRESULT CBusyAnimateCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: PaintBuffered(); return 0;
    case ACM_OPENW:
    {
        const bool bResource = lParam != 0 && IS_INTRESOURCE(lParam);
        m_hResInst = bResource ? (HINSTANCE)wParam : nullptr;
        m_nResID = bResource ? (UINT)lParam : 0;
        m_sizeFrame = bResource ? AviFrameSize(m_hResInst, (LPCWSTR)lParam) : CSize(0, 0);
        break;
    }
    default: break;
    }
    return CAnimateCtrl::WindowProc(message, wParam, lParam);
}

BOOL CBusyAnimateCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_CTLCOLORSTATIC)
        return CAnimateCtrl::OnChildNotify(message, wParam, lParam, pResult);
    CSize sizeFrame;
    std::vector<DWORD> bits = FrameBackgroundBits(sizeFrame);
    if (bits.empty())
        return CAnimateCtrl::OnChildNotify(message, wParam, lParam, pResult);
    // A packed DIB: the brush keeps its own copy of the pixels.
    std::vector<BYTE> dib(sizeof(BITMAPINFOHEADER) + bits.size() * sizeof(DWORD));
    BITMAPINFOHEADER bih = {sizeof(BITMAPINFOHEADER), sizeFrame.cx, sizeFrame.cy, 1, 32, BI_RGB};
    memcpy(dib.data(), &bih, sizeof bih);
    memcpy(dib.data() + sizeof bih, bits.data(), bits.size() * sizeof(DWORD));
    HBRUSH hBrush = ::CreateDIBPatternBrushPt(dib.data(), DIB_RGB_COLORS);
    if (hBrush == nullptr)
        return CAnimateCtrl::OnChildNotify(message, wParam, lParam, pResult);
    // The control replaces the brush it held with the one answered here.
    if (m_hbrFrameBack != nullptr)
        ::DeleteObject(m_hbrFrameBack);
    m_hbrFrameBack = hBrush;
    m_bitsAnswered.swap(bits);
    if (pResult != nullptr)
        *pResult = (LRESULT)hBrush;
    return TRUE;
}

std::vector<DWORD> CBusyAnimateCtrl::FrameBackgroundBits(CSize& sizeFrame)
{
    std::vector<DWORD> bits;
    CRect rcWnd, rcClient;
    GetWindowRect(&rcWnd);
    GetClientRect(&rcClient);
    sizeFrame = m_sizeFrame.cx > 0 ? m_sizeFrame : rcClient.Size();
    if (sizeFrame.cx <= 0 || sizeFrame.cy <= 0)
        return bits;
    // The control centres the frame in its window.
    const CPoint ptFrame((rcWnd.Width() - sizeFrame.cx) / 2, (rcWnd.Height() - sizeFrame.cy) / 2);
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), sizeFrame.cx, sizeFrame.cy, 1, 32, BI_RGB};
    DWORD* pBits = nullptr;
    HBITMAP hBmp = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, (void**)&pBits, nullptr, 0);
    HDC hMem = ::CreateCompatibleDC(nullptr);
    if (hBmp != nullptr && hMem != nullptr)
    {
        HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
        ::SetViewportOrgEx(hMem, -ptFrame.x, -ptFrame.y, nullptr);
        PaintBackground(hMem, rcClient);
        ::GdiFlush();
        bits.assign(pBits, pBits + sizeFrame.cx * sizeFrame.cy);
        ::SelectObject(hMem, hOld);
    }
    if (hMem != nullptr)
        ::DeleteDC(hMem);
    if (hBmp != nullptr)
        ::DeleteObject(hBmp);
    return bits;
}

void CBusyAnimateCtrl::PaintBackground(HDC hDC, const CRect& rcClient)
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    CDC dc;
    dc.Attach(hDC);
    if (pPM == nullptr || !pPM->IsDockerGradientAvailable(this) || !pPM->PaintDockerBackground(true, dc, this))
    {
        const COLORREF clr = pPM != nullptr ? pPM->GetTranslatedColor(XCLR_FACE_NORMAL) : ::GetSysColor(COLOR_BTNFACE);
        dc.FillSolidRect(&rcClient, clr);
    }
    dc.Detach();
}

void CBusyAnimateCtrl::PaintBuffered()
{
    // Opened again when the background under the frame is no longer the one its brush shows.
    if (m_nResID != 0 && m_hbrFrameBack != nullptr)
    {
        CSize sizeFrame;
        if (FrameBackgroundBits(sizeFrame) != m_bitsAnswered)
            CAnimateCtrl::WindowProc(ACM_OPENW, (WPARAM)m_hResInst, (LPARAM)m_nResID);
    }
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    CRect rc;
    GetClientRect(&rc);
    HDC hMem = ::CreateCompatibleDC(hdc);
    HBITMAP hBmp = ::CreateCompatibleBitmap(hdc, std::max(1, rc.Width()), std::max(1, rc.Height()));
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    PaintBackground(hMem, rc);
    // The control draws its frame over the background, transparent where the frame is.
    ::SetBkMode(hMem, TRANSPARENT);
    CAnimateCtrl::WindowProc(WM_PRINTCLIENT, (WPARAM)hMem, PRF_CLIENT);
    ::BitBlt(hdc, 0, 0, rc.Width(), rc.Height(), hMem, 0, 0, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBmp);
    ::DeleteDC(hMem);
    ::EndPaint(m_hWnd, &ps);
}
