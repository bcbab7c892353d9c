// Bitmap helpers of the command icons and profiles, and the facts they take from the paint manager.
#include "toolkit/foundation/ExtCmdIconSupport.h"
#include "platform/Archive.h"
#include "platform/ControlBar.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <commctrl.h>
#include <vector>

namespace ExtCmdIconSupport
{
namespace
{
BITMAPINFOHEADER Header32(int cx, int cy)
{
    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof(BITMAPINFOHEADER);
    bih.biWidth = cx;
    bih.biHeight = cy;
    bih.biPlanes = 1;
    bih.biBitCount = 32;
    bih.biCompression = BI_RGB;
    bih.biSizeImage = (DWORD)(cx * cy);
    return bih;
}

bool BitmapSize(HBITMAP hBitmap, BITMAP& bm)
{
    return hBitmap != nullptr && ::GetObjectW(hBitmap, sizeof(bm), &bm) == sizeof(bm);
}
} // namespace

HBITMAP CreateDib32(int cx, int cy, COLORREF** ppBits)
{
    if (cx <= 0 || cy <= 0)
        return nullptr;
    BITMAPINFO bi = {};
    bi.bmiHeader = Header32(cx, cy);
    void* pBits = nullptr;
    HBITMAP hDib = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hDib == nullptr || pBits == nullptr)
    {
        if (hDib != nullptr)
            ::DeleteObject(hDib);
        return nullptr;
    }
    if (ppBits != nullptr)
        *ppBits = (COLORREF*)pBits;
    return hDib;
}

bool ReadDibPixels(HBITMAP hBitmap, int cx, int cy, COLORREF* pBits)
{
    BITMAPINFO bi = {};
    bi.bmiHeader = Header32(cx, cy);
    HDC hDC = ::GetDC(nullptr);
    if (hDC == nullptr)
        return false;
    const int nLines = ::GetDIBits(hDC, hBitmap, 0, (UINT)cy, pBits, &bi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hDC);
    return nLines == cy;
}

HBITMAP CopyBitmap(HBITMAP hBitmap, const RECT* pRcPart, COLORREF** ppBits)
{
    BITMAP bm = {};
    if (!BitmapSize(hBitmap, bm))
        return nullptr;
    RECT rc = {0, 0, bm.bmWidth, bm.bmHeight};
    if (pRcPart != nullptr)
        rc = *pRcPart;
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0)
        return nullptr;
    HDC hScreen = ::GetDC(nullptr);
    if (hScreen == nullptr)
        return nullptr;
    HBITMAP hCopy = ppBits != nullptr ? CreateDib32(cx, cy, ppBits) : ::CreateCompatibleBitmap(hScreen, cx, cy);
    HDC hSrc = ::CreateCompatibleDC(hScreen);
    HDC hDst = ::CreateCompatibleDC(hScreen);
    if (hCopy != nullptr && hSrc != nullptr && hDst != nullptr)
    {
        HGDIOBJ hOldSrc = ::SelectObject(hSrc, hBitmap);
        HGDIOBJ hOldDst = ::SelectObject(hDst, hCopy);
        ::BitBlt(hDst, 0, 0, cx, cy, hSrc, rc.left, rc.top, SRCCOPY);
        ::SelectObject(hSrc, hOldSrc);
        ::SelectObject(hDst, hOldDst);
        ::GdiFlush();
    }
    else if (hCopy != nullptr)
    {
        ::DeleteObject(hCopy);
        hCopy = nullptr;
    }
    if (hSrc != nullptr)
        ::DeleteDC(hSrc);
    if (hDst != nullptr)
        ::DeleteDC(hDst);
    ::ReleaseDC(nullptr, hScreen);
    return hCopy;
}

int CountBitmapColors(HBITMAP hBitmap, CMap<COLORREF, COLORREF, DWORD, DWORD>& mapColors)
{
    mapColors.RemoveAll();
    BITMAP bm = {};
    if (!BitmapSize(hBitmap, bm))
        return 0;
    COLORREF* pBits = nullptr;
    HBITMAP hCopy = CopyBitmap(hBitmap, nullptr, &pBits);
    if (hCopy == nullptr)
        return 0;
    for (size_t i = 0, n = (size_t)bm.bmWidth * (size_t)bm.bmHeight; i < n; ++i)
        ++mapColors[PixelToColor(pBits[i])];
    ::DeleteObject(hCopy);
    return bm.bmBitsPixel;
}

bool ChooseUnusedColor(const CMap<COLORREF, COLORREF, DWORD, DWORD>& mapColors, COLORREF& clr)
{
    static const COLORREF s_fixed[] = {RGB(255, 0, 255), RGB(0, 255, 0), RGB(192, 192, 192)};
    for (COLORREF c : s_fixed)
        if (mapColors.PLookup(c) == nullptr)
        {
            clr = c;
            return true;
        }
    for (COLORREF c = 1; c <= 0xFFFFFD; ++c)
        if (mapColors.PLookup(c) == nullptr)
        {
            clr = c;
            return true;
        }
    return false;
}

HICON CreateIconFromBitmap(HBITMAP hBitmap, COLORREF clrTransparent, const RECT* pRcPart, bool bReplaceSysColors)
{
    BITMAP bm = {};
    if (!BitmapSize(hBitmap, bm))
        return nullptr;
    int cx = bm.bmWidth, cy = bm.bmHeight;
    if (pRcPart != nullptr)
    {
        cx = pRcPart->right - pRcPart->left;
        cy = pRcPart->bottom - pRcPart->top;
    }
    HIMAGELIST hList = ::ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, 0, 1);
    if (hList == nullptr)
        return nullptr;
    COLORREF* pBits = nullptr;
    HBITMAP hDib = CopyBitmap(hBitmap, pRcPart, &pBits);
    if (hDib == nullptr)
    {
        ::ImageList_Destroy(hList);
        return nullptr;
    }
    if (bReplaceSysColors)
    {
        struct Entry
        {
            COLORREF grey;
            int nSysColor;
        };
        static const Entry s_table[] = {{RGB(128, 128, 128), COLOR_BTNSHADOW},
                                        {RGB(192, 192, 192), COLOR_BTNFACE},
                                        {RGB(223, 223, 223), COLOR_3DLIGHT}};
        std::vector<std::pair<DWORD, DWORD>> map;
        for (const Entry& e : s_table)
        {
            const COLORREF clrSys = ::GetSysColor(e.nSysColor);
            if (e.grey != clrTransparent && clrSys != e.grey)
                map.emplace_back(ColorToPixel(e.grey), ColorToPixel(clrSys));
        }
        const DWORD dwTransparent = ColorToPixel(clrTransparent);
        for (size_t i = 0, n = (size_t)cx * (size_t)cy; i < n && !map.empty(); ++i)
        {
            DWORD px = pBits[i] & 0x00FFFFFF;
            if (px == dwTransparent)
                continue;
            for (const auto& m : map)
                if (px == m.first)
                    px = m.second;
            pBits[i] = px;
        }
    }
    HICON hIcon = nullptr;
    if (::ImageList_AddMasked(hList, hDib, clrTransparent) >= 0)
        hIcon = ::ImageList_GetIcon(hList, 0, ILD_NORMAL);
    ::DeleteObject(hDib);
    ::ImageList_Destroy(hList);
    return hIcon;
}

bool SerializeBitmap(CArchive& ar, HBITMAP& hBitmap)
{
    if (ar.IsStoring())
    {
        BITMAP bm = {};
        if (!BitmapSize(hBitmap, bm))
            return false;
        const int nBits = bm.bmPlanes * bm.bmBitsPixel;
        const int nColors = nBits <= 8 ? (1 << nBits) : 0;
        std::vector<BYTE> dib(sizeof(BITMAPINFOHEADER) + (size_t)nColors * sizeof(RGBQUAD));
        BITMAPINFO* pbi = (BITMAPINFO*)dib.data();
        pbi->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        pbi->bmiHeader.biWidth = bm.bmWidth;
        pbi->bmiHeader.biHeight = bm.bmHeight;
        pbi->bmiHeader.biPlanes = 1;
        pbi->bmiHeader.biBitCount = (WORD)nBits;
        pbi->bmiHeader.biCompression = BI_RGB;
        HDC hDC = ::GetDC(nullptr);
        if (hDC == nullptr)
            return false;
        const DWORD nStride = (DWORD)(((nBits * bm.bmWidth + 31) & ~31) / 8);
        const size_t nHeader = dib.size();
        dib.resize(nHeader + (size_t)nStride * (size_t)bm.bmHeight);
        pbi = (BITMAPINFO*)dib.data();
        const int nLines =
            ::GetDIBits(hDC, hBitmap, 0, (UINT)bm.bmHeight, dib.data() + nHeader, pbi, DIB_RGB_COLORS);
        ::ReleaseDC(nullptr, hDC);
        if (nLines != bm.bmHeight)
            return false;
        pbi->bmiHeader.biSizeImage = nStride * (DWORD)bm.bmHeight;
        BITMAPFILEHEADER bfh = {};
        bfh.bfType = 0x4D42;
        bfh.bfSize = (DWORD)(dib.size() + sizeof(BITMAPFILEHEADER));
        bfh.bfOffBits = (DWORD)(nHeader + sizeof(BITMAPFILEHEADER));
        ar.Write(&bfh, sizeof(bfh));
        ar.Write(dib.data(), (UINT)dib.size());
        return true;
    }
    hBitmap = nullptr;
    BITMAPFILEHEADER bfh = {};
    if (ar.Read(&bfh, sizeof(bfh)) != sizeof(bfh))
        AfxThrowArchiveException(CArchiveException::endOfFile);
    if (bfh.bfType != 0x4D42 || bfh.bfSize <= sizeof(bfh) + sizeof(BITMAPINFOHEADER))
        return false;
    const DWORD nDib = bfh.bfSize - (DWORD)sizeof(bfh);
    ar.CheckCount(nDib, 1);
    std::vector<BYTE> dib(nDib);
    if (ar.Read(dib.data(), nDib) != nDib)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    const BITMAPINFO* pbi = (const BITMAPINFO*)dib.data();
    if (pbi->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) || pbi->bmiHeader.biWidth <= 0 ||
        pbi->bmiHeader.biHeight == 0)
        return false;
    const DWORD nOffset = bfh.bfOffBits - (DWORD)sizeof(bfh);
    const int nBits = pbi->bmiHeader.biBitCount;
    const LONG cy = pbi->bmiHeader.biHeight < 0 ? -pbi->bmiHeader.biHeight : pbi->bmiHeader.biHeight;
    const size_t nStride = (size_t)(((nBits * pbi->bmiHeader.biWidth + 31) & ~31) / 8);
    if (nOffset < pbi->bmiHeader.biSize || nOffset > nDib || nDib - nOffset < nStride * (size_t)cy)
        return false;
    void* pBits = nullptr;
    HBITMAP hDib = ::CreateDIBSection(nullptr, pbi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hDib == nullptr || pBits == nullptr)
    {
        if (hDib != nullptr)
            ::DeleteObject(hDib);
        return false;
    }
    memcpy(pBits, dib.data() + nOffset, nStride * (size_t)cy);
    hBitmap = hDib;
    return true;
}

HBITMAP LoadBitmapFromResource(HMODULE hModule, HRSRC hResource)
{
    if (hResource == nullptr)
        return nullptr;
    const DWORD nSize = ::SizeofResource(hModule, hResource);
    HGLOBAL hGlobal = ::LoadResource(hModule, hResource);
    const BYTE* pData = hGlobal != nullptr ? (const BYTE*)::LockResource(hGlobal) : nullptr;
    if (pData == nullptr || nSize < sizeof(BITMAPINFOHEADER))
        return nullptr;
    const BITMAPINFO* pbi = (const BITMAPINFO*)pData;
    const BITMAPINFOHEADER& bih = pbi->bmiHeader;
    if (bih.biSize < sizeof(BITMAPINFOHEADER) || bih.biWidth <= 0 || bih.biHeight == 0 || bih.biSize > nSize)
        return nullptr;
    const int nBits = bih.biBitCount;
    DWORD nColors = bih.biClrUsed != 0 ? bih.biClrUsed : (nBits <= 8 ? (1u << nBits) : 0);
    if (bih.biCompression == BI_BITFIELDS)
        nColors = 3;
    const size_t nOffset = bih.biSize + (size_t)nColors * sizeof(RGBQUAD);
    const LONG cy = bih.biHeight < 0 ? -bih.biHeight : bih.biHeight;
    const size_t nStride = (size_t)(((nBits * bih.biWidth + 31) & ~31) / 8);
    if (nOffset > nSize || nSize - nOffset < nStride * (size_t)cy)
        return nullptr;
    void* pBits = nullptr;
    HBITMAP hDib = ::CreateDIBSection(nullptr, pbi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hDib == nullptr || pBits == nullptr)
    {
        if (hDib != nullptr)
            ::DeleteObject(hDib);
        return nullptr;
    }
    memcpy(pBits, pData + nOffset, nStride * (size_t)cy);
    return hDib;
}

void TransparentBltMasked(HDC hDst, int x, int y, int cx, int cy, HDC hSrc, int xSrc, int ySrc, int cxSrc, int cySrc,
                          COLORREF clrTransparent)
{
    CExtPaintManager::TransparentBltMasked(hDst, x, y, cx, cy, hSrc, xSrc, ySrc, cxSrc, cySrc, clrTransparent);
}


void PaintCheckMark(HDC hDC, int x, int y, COLORREF clr)
{
    CExtPaintManager::PaintCheckMark(*CDC::FromHandle(hDC), x, y, clr);
}

void PaintRadioDot(HDC hDC, int x, int y, COLORREF clr)
{
    CExtPaintManager::PaintRadioDot(*CDC::FromHandle(hDC), x, y, clr);
}

bool QueryPaintManagerVariant(COLORREF& clr, double& lfFactor)
{
    CExtPaintManager* pPaintManager = g_PaintManagerHolder.GetPM();
    if (pPaintManager == nullptr)
        return false;
    clr = pPaintManager->GetIconVariantColor();
    lfFactor = pPaintManager->GetIconVariantFactor();
    return true;
}

COLORREF TranslatedTextColor()
{
    CExtPaintManager* pPaintManager = g_PaintManagerHolder.GetPM();
    return pPaintManager != nullptr ? pPaintManager->GetTranslatedColor(XCLR_TEXT_NORMAL)
                                    : ::GetSysColor(COLOR_BTNTEXT);
}


bool IsWinXPOrLater()
{
    return g_PaintManagerHolder.m_bIsWinXPOrLater;
}

bool IsWin2000OrLater()
{
    return g_PaintManagerHolder.m_bIsWin2000OrLater;
}

bool IsFrameEventTarget(CControlBar* pBar)
{
    return CExtPaintManagerHolder::IsFrameEventTarget(pBar);
}

int DeviceBitsPerPixel(HDC hDC)
{
    return CExtPaintManager::GetDeviceBitsPerPixel(hDC);
}
} // namespace ExtCmdIconSupport
