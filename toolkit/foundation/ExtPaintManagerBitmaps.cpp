// Bitmap helpers: icons from bitmaps, bitmap copies, colour counts, packed DIBs, BMP data in
// archives; monitor helpers; the transparent-background test of child controls.
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "platform/Archive.h"
#include "platform/File.h"
#include "platform/Wnd.h"
#include <commctrl.h>
#include <algorithm>
#include <cstring>
#include <vector>

namespace
{
// COLORREF (red low) <-> 32-bit DIB pixel (blue low, fourth byte 0).
inline DWORD ColorToPixel(COLORREF clr) { return RGB(GetBValue(clr), GetGValue(clr), GetRValue(clr)); }
inline COLORREF PixelToColor(DWORD px) { return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF); }

// Largest BMP side these helpers accept (either direction for the height).
const LONG kMaxBitmapSide = 32767;
// Most pixels one copy may hold: the pixel helpers take several bytes per pixel, and an icon or
// glyph source has no business being larger (a 2048 x 2048 picture, 16 MB as a 32-bit copy).
const LONGLONG kMaxCopyPixels = 2048 * 2048;
// An image list lays its images out four across and grows ahead: above this many pixels the icon
// is built by hand whatever the system, which costs about a quarter of that.
const LONGLONG kMaxImageListPixels = 256 * 256;
// Bytes read from an archive at a time: memory grows with the data actually present.
const DWORD kReadChunk = 64 * 1024;

bool GetBitmapInfo(HBITMAP hBitmap, BITMAP& bm)
{
    return hBitmap != nullptr && ::GetObjectW(hBitmap, sizeof bm, &bm) == (int)sizeof bm;
}

// Reads up to dwSize bytes; the buffer holds what the archive had.
bool ReadExactly(CArchive& ar, std::vector<BYTE>& data, DWORD dwSize)
{
    data.clear();
    while (data.size() < dwSize)
    {
        const DWORD dwChunk = (DWORD)std::min<size_t>(kReadChunk, dwSize - data.size());
        const size_t nOld = data.size();
        data.resize(nOld + dwChunk);
        const UINT nRead = ar.Read(data.data() + nOld, dwChunk);
        if (nRead < dwChunk)
        {
            data.resize(nOld + nRead);
            return false;
        }
    }
    return true;
}

// Checks a DIB of dwDibSize bytes; dwPixelOffset is the file's pixel offset relative to the DIB
// or (DWORD)-1 for the resource form (pixels right after the colour table). Fills the offset and
// the byte count of the pixels.
bool ValidateDib(const BYTE* pDib, DWORD dwDibSize, DWORD dwFilePixelOffset, DWORD& dwPixelOffset, DWORD& dwImageSize)
{
    if (dwDibSize < sizeof(BITMAPINFOHEADER))
        return false;
    BITMAPINFOHEADER bih;
    memcpy(&bih, pDib, sizeof bih);
    if (bih.biSize < sizeof(BITMAPINFOHEADER) || bih.biSize > dwDibSize)
        return false;
    if (bih.biWidth < 1 || bih.biWidth > kMaxBitmapSide || bih.biHeight == 0 || bih.biHeight > kMaxBitmapSide ||
        bih.biHeight < -kMaxBitmapSide || bih.biPlanes != 1)
        return false;
    const WORD nBits = bih.biBitCount;
    if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 16 && nBits != 24 && nBits != 32)
        return false;
    ULONGLONG nTableBytes = 0;
    if (bih.biCompression == BI_BITFIELDS)
    {
        if (nBits != 16 && nBits != 32)
            return false;
        // The three masks follow a plain header; headers from 52 bytes on hold them, shorter
        // ones would have them read from the pixels.
        if (bih.biSize == sizeof(BITMAPINFOHEADER))
            nTableBytes += 3 * sizeof(DWORD);
        else if (bih.biSize < sizeof(BITMAPINFOHEADER) + 3 * sizeof(DWORD))
            return false;
    }
    else if (bih.biCompression != BI_RGB)
        return false;
    ULONGLONG nColors = bih.biClrUsed;
    if (nBits <= 8)
    {
        if (nColors == 0)
            nColors = 1ull << nBits;
        if (nColors > (1ull << nBits))
            return false;
    }
    else if (nColors > 256)
        return false;
    nTableBytes += nColors * sizeof(RGBQUAD);
    const ULONGLONG nHeaderAndTable = bih.biSize + nTableBytes;
    if (nHeaderAndTable > dwDibSize)
        return false;
    const ULONGLONG nStride = (((ULONGLONG)bih.biWidth * nBits + 31) / 32) * 4;
    const LONG nHeight = bih.biHeight < 0 ? -bih.biHeight : bih.biHeight;
    const ULONGLONG nImage = nStride * (ULONGLONG)nHeight;
    ULONGLONG nOffset = nHeaderAndTable;
    if (dwFilePixelOffset != (DWORD)-1)
    {
        if (dwFilePixelOffset < nHeaderAndTable)
            return false;
        nOffset = dwFilePixelOffset;
    }
    if (nOffset > dwDibSize || nImage > dwDibSize - nOffset)
        return false;
    dwPixelOffset = (DWORD)nOffset;
    dwImageSize = (DWORD)nImage;
    return true;
}

HICON IconFromImageList(HBITMAP hDib, const SIZE& size, COLORREF clrTransparent)
{
    HIMAGELIST hImageList = ImageList_Create(size.cx, size.cy, ILC_COLOR32 | ILC_MASK, 0, 1);
    if (hImageList == nullptr)
        return nullptr;
    HICON hIcon = nullptr;
    if (ImageList_AddMasked(hImageList, hDib, clrTransparent) >= 0)
        hIcon = ImageList_GetIcon(hImageList, 0, ILD_NORMAL);
    ImageList_Destroy(hImageList);
    return hIcon;
}

// The hand-built icon: transparent pixels black in the colour bitmap and white in the mask.
HICON IconByHand(HBITMAP hDib, DWORD* pPixels, const SIZE& size, COLORREF clrTransparent)
{
    const DWORD pxTransparent = ColorToPixel(clrTransparent);
    const LONG nMaskStride = ((size.cx + 15) / 16) * 2; // monochrome rows are word-aligned
    std::vector<BYTE> maskBits((size_t)nMaskStride * size.cy, 0xFF);
    for (LONG y = 0; y < size.cy; ++y)
    {
        // DIB rows run bottom-up; mask rows top-down.
        DWORD* pRow = pPixels + (size_t)(size.cy - 1 - y) * size.cx;
        BYTE* pMaskRow = maskBits.data() + (size_t)y * nMaskStride;
        for (LONG x = 0; x < size.cx; ++x)
        {
            if ((pRow[x] & 0x00FFFFFF) == pxTransparent)
                pRow[x] = 0;
            else
                pMaskRow[x / 8] &= (BYTE) ~(0x80 >> (x % 8));
        }
    }
    ::GdiFlush();
    HBITMAP hMask = ::CreateBitmap(size.cx, size.cy, 1, 1, maskBits.data());
    if (hMask == nullptr)
        return nullptr;
    ICONINFO ii = {};
    ii.fIcon = TRUE;
    ii.hbmMask = hMask;
    ii.hbmColor = hDib;
    HICON hIcon = ::CreateIconIndirect(&ii);
    ::DeleteObject(hMask);
    return hIcon;
}

// A 32-bit DIB copy of the bitmap (or of its part) and its pixels; null, with nothing left over,
// when either is missing.
HBITMAP CopyToDib(HBITMAP hBitmap, const RECT* pRectBitmapSrc, COLORREF*& pSurface)
{
    pSurface = nullptr;
    HBITMAP hDib = CExtPaintManager::CopyBitmap(hBitmap, pRectBitmapSrc, &pSurface);
    if (hDib != nullptr && pSurface == nullptr)
    {
        ::DeleteObject(hDib);
        hDib = nullptr;
    }
    return hDib;
}
} // namespace

namespace
{
// Copies of parts of one bitmap through one pair of memory DCs: screen-compatible bitmaps, or with ppColorSurface
// (one part) a 32-bit bottom-up DIB section whose pixels it receives. Null where a part is empty, too large or fails.
std::vector<HBITMAP> CopyParts(HBITMAP hBitmap, const std::vector<RECT>& parts, COLORREF** ppColorSurface)
{
    std::vector<HBITMAP> copies(parts.size(), nullptr);
    if (ppColorSurface != nullptr)
        *ppColorSurface = nullptr;
    BITMAP bm;
    if (parts.empty() || !GetBitmapInfo(hBitmap, bm))
        return copies;
    HDC hScreen = ::GetDC(nullptr);
    if (hScreen == nullptr)
        return copies;
    HDC hSrc = ::CreateCompatibleDC(hScreen);
    HDC hDst = ::CreateCompatibleDC(hScreen);
    if (hSrc != nullptr && hDst != nullptr)
    {
        HGDIOBJ hOldSrc = ::SelectObject(hSrc, hBitmap);
        HGDIOBJ hOldDst = nullptr;
        for (size_t i = 0; i < parts.size(); ++i)
        {
            const CRect rcSrc(parts[i]);
            const int cx = rcSrc.Width(), cy = rcSrc.Height();
            if (cx <= 0 || cy <= 0 || (LONGLONG)cx * cy > kMaxCopyPixels)
                continue;
            HBITMAP hNew = nullptr;
            if (ppColorSurface != nullptr)
            {
                BITMAPINFO bmi = {};
                bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
                bmi.bmiHeader.biWidth = cx;
                bmi.bmiHeader.biHeight = cy;
                bmi.bmiHeader.biPlanes = 1;
                bmi.bmiHeader.biBitCount = 32;
                bmi.bmiHeader.biCompression = BI_RGB;
                bmi.bmiHeader.biSizeImage = (DWORD)(cx * cy);
                void* pBits = nullptr;
                hNew = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
                if (hNew != nullptr)
                    *ppColorSurface = (COLORREF*)pBits;
            }
            else
                hNew = ::CreateCompatibleBitmap(hScreen, cx, cy);
            if (hNew == nullptr)
                continue;
            HGDIOBJ hPrev = ::SelectObject(hDst, hNew);
            if (hOldDst == nullptr)
                hOldDst = hPrev;
            ::BitBlt(hDst, 0, 0, cx, cy, hSrc, rcSrc.left, rcSrc.top, SRCCOPY);
            copies[i] = hNew;
        }
        if (hOldDst != nullptr)
            ::SelectObject(hDst, hOldDst);
        ::SelectObject(hSrc, hOldSrc);
        ::GdiFlush();
    }
    if (hSrc != nullptr)
        ::DeleteDC(hSrc);
    if (hDst != nullptr)
        ::DeleteDC(hDst);
    ::ReleaseDC(nullptr, hScreen);
    return copies;
}
} // namespace

HBITMAP CExtPaintManager::CopyBitmap(HBITMAP hBitmap, const RECT* pRectBitmapSrc, COLORREF** ppColorSurface)
{
    BITMAP bm;
    if (!GetBitmapInfo(hBitmap, bm))
    {
        if (ppColorSurface != nullptr)
            *ppColorSurface = nullptr;
        return nullptr;
    }
    const RECT rcSrc = pRectBitmapSrc != nullptr ? *pRectBitmapSrc : RECT{0, 0, bm.bmWidth, bm.bmHeight};
    return CopyParts(hBitmap, {rcSrc}, ppColorSurface)[0];
}

std::vector<HBITMAP> CExtPaintManager::CopyBitmapParts(HBITMAP hBitmap, const std::vector<RECT>& parts)
{
    return CopyParts(hBitmap, parts, nullptr);
}

HICON CExtPaintManager::CreateIconFromBitmap(HBITMAP hBitmap, COLORREF clrTransparent, const RECT* pRectBitmapSrc,
                                             bool bReplaceSysColors)
{
    BITMAP bm;
    if (!GetBitmapInfo(hBitmap, bm))
        return nullptr;
    COLORREF* pSurface = nullptr;
    HBITMAP hDib = CopyToDib(hBitmap, pRectBitmapSrc, pSurface);
    if (hDib == nullptr)
        return nullptr;
    BITMAP bmDib;
    ::GetObjectW(hDib, sizeof bmDib, &bmDib);
    const SIZE size = {bmDib.bmWidth, bmDib.bmHeight};
    DWORD* pPixels = (DWORD*)pSurface;
    const size_t nPixels = (size_t)size.cx * size.cy;
    const DWORD pxTransparent = ColorToPixel(clrTransparent);
    if (bReplaceSysColors)
    {
        struct
        {
            COLORREF clrGrey;
            int nSysColor;
        } const table[] = {{RGB(128, 128, 128), COLOR_BTNSHADOW},
                           {RGB(192, 192, 192), COLOR_BTNFACE},
                           {RGB(223, 223, 223), COLOR_3DLIGHT}};
        DWORD from[3], to[3];
        int nEntries = 0;
        for (const auto& e : table)
        {
            const COLORREF clrSys = ::GetSysColor(e.nSysColor);
            if (e.clrGrey == clrTransparent || clrSys == e.clrGrey)
                continue;
            from[nEntries] = ColorToPixel(e.clrGrey);
            to[nEntries] = ColorToPixel(clrSys);
            ++nEntries;
        }
        for (size_t i = 0; i < nPixels; ++i)
        {
            DWORD px = pPixels[i] & 0x00FFFFFF;
            if (px == pxTransparent)
                continue;
            for (int k = 0; k < nEntries; ++k)
                if (px == from[k])
                    px = to[k];
            pPixels[i] = px;
        }
        ::GdiFlush();
    }
    HICON hIcon = nullptr;
    const bool bLarge = (LONGLONG)size.cx * size.cy > kMaxImageListPixels;
    if (!(g_PaintManagerHolder.m_bIsWin2000OrLater && !g_PaintManagerHolder.m_bIsWin9x) || bLarge)
        hIcon = IconByHand(hDib, pPixels, size, clrTransparent);
    if (hIcon == nullptr && !bLarge)
        hIcon = IconFromImageList(hDib, size, clrTransparent);
    ::DeleteObject(hDib);
    return hIcon;
}

int CExtPaintManager::CountBitmapColors(HBITMAP hBitmap, CMap<COLORREF, COLORREF, DWORD, DWORD>& mapColors)
{
    mapColors.RemoveAll();
    BITMAP bm;
    if (!GetBitmapInfo(hBitmap, bm))
        return 0;
    COLORREF* pSurface = nullptr;
    HBITMAP hDib = CopyToDib(hBitmap, nullptr, pSurface);
    if (hDib == nullptr)
        return 0;
    const size_t nPixels = (size_t)bm.bmWidth * bm.bmHeight;
    const DWORD* pPixels = (const DWORD*)pSurface;
    for (size_t i = 0; i < nPixels; ++i)
        ++mapColors[PixelToColor(pPixels[i])];
    ::DeleteObject(hDib);
    return bm.bmBitsPixel * bm.bmPlanes;
}

int CExtPaintManager::GetBitmapColorArray(HBITMAP hBitmap, CArray<COLORREF, COLORREF>& arrColors,
                                          bool bRemoveDuplicates)
{
    arrColors.RemoveAll();
    BITMAP bm;
    if (!GetBitmapInfo(hBitmap, bm))
        return 0;
    const int nBits = bm.bmBitsPixel * bm.bmPlanes;
    if (nBits > 8)
    {
        CMap<COLORREF, COLORREF, DWORD, DWORD> mapColors;
        if (CountBitmapColors(hBitmap, mapColors) == 0)
            return 0;
        for (auto* pPair = mapColors.PGetFirstAssoc(); pPair != nullptr; pPair = mapColors.PGetNextAssoc(pPair))
            arrColors.Add(pPair->key);
        return nBits;
    }
    HGLOBAL hDib = GetBitmapDib(hBitmap);
    if (hDib == nullptr)
        return 0;
    const BITMAPINFO* pbmi = (const BITMAPINFO*)::GlobalLock(hDib);
    const int nColors = 1 << nBits;
    for (int i = 0; i < nColors; ++i)
    {
        const RGBQUAD& q = pbmi->bmiColors[i];
        arrColors.Add(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
    }
    ::GlobalUnlock(hDib);
    ::GlobalFree(hDib);
    if (bRemoveDuplicates)
    {
        for (INT_PTR i = 0; i < arrColors.GetSize(); ++i)
            for (INT_PTR j = arrColors.GetSize() - 1; j > i; --j)
                if (arrColors[j] == arrColors[i])
                    arrColors.RemoveAt(j);
    }
    return nBits;
}

HGLOBAL CExtPaintManager::GetBitmapDib(HBITMAP hBitmap, HPALETTE hPalette)
{
    BITMAP bm;
    if (!GetBitmapInfo(hBitmap, bm))
        return nullptr;
    if (hPalette == nullptr)
        hPalette = (HPALETTE)::GetStockObject(DEFAULT_PALETTE);
    const WORD nBits = (WORD)(bm.bmPlanes * bm.bmBitsPixel);
    const DWORD nColors = nBits <= 8 ? (1u << nBits) : 0;
    const DWORD dwHeadSize = sizeof(BITMAPINFOHEADER) + nColors * sizeof(RGBQUAD);
    std::vector<BYTE> head(dwHeadSize, 0);
    BITMAPINFOHEADER* pbih = (BITMAPINFOHEADER*)head.data();
    pbih->biSize = sizeof(BITMAPINFOHEADER);
    pbih->biWidth = bm.bmWidth;
    pbih->biHeight = bm.bmHeight;
    pbih->biPlanes = 1;
    pbih->biBitCount = nBits;
    pbih->biCompression = BI_RGB;
    HDC hDC = ::GetDC(nullptr);
    if (hDC == nullptr)
        return nullptr;
    HPALETTE hOldPal = ::SelectPalette(hDC, hPalette, FALSE);
    ::RealizePalette(hDC);
    HGLOBAL hResult = nullptr;
    if (::GetDIBits(hDC, hBitmap, 0, (UINT)bm.bmHeight, nullptr, (BITMAPINFO*)pbih, DIB_RGB_COLORS) != 0)
    {
        if (pbih->biSizeImage == 0)
            pbih->biSizeImage = (DWORD)((((DWORD)nBits * bm.bmWidth + 31) & ~31u) / 8 * bm.bmHeight);
        const SIZE_T cbTotal = dwHeadSize + pbih->biSizeImage;
        HGLOBAL hDib = ::GlobalAlloc(GHND, cbTotal);
        BYTE* p = hDib != nullptr ? (BYTE*)::GlobalLock(hDib) : nullptr;
        if (p != nullptr)
        {
            memcpy(p, head.data(), dwHeadSize);
            const bool ok =
                ::GetDIBits(hDC, hBitmap, 0, (UINT)bm.bmHeight, p + dwHeadSize, (BITMAPINFO*)p, DIB_RGB_COLORS) != 0;
            ::GlobalUnlock(hDib);
            if (ok)
                hResult = hDib;
        }
        if (hResult == nullptr && hDib != nullptr)
            ::GlobalFree(hDib);
    }
    ::SelectPalette(hDC, hOldPal, FALSE);
    ::ReleaseDC(nullptr, hDC);
    return hResult;
}

bool CExtPaintManager::SerializeBitmap(CArchive& ar, HBITMAP* p_hBitmap, DWORD dwResourceSize)
{
    if (p_hBitmap == nullptr)
        return false;
    if (ar.IsStoring())
    {
        HGLOBAL hDib = GetBitmapDib(*p_hBitmap);
        if (hDib == nullptr)
            return false;
        const BYTE* p = (const BYTE*)::GlobalLock(hDib);
        const BITMAPINFOHEADER* pbih = (const BITMAPINFOHEADER*)p;
        const DWORD nColors = pbih->biBitCount <= 8 ? (1u << pbih->biBitCount) : 0;
        const DWORD dwDibSize = pbih->biSize + nColors * sizeof(RGBQUAD) + pbih->biSizeImage;
        BITMAPFILEHEADER bfh = {};
        bfh.bfType = 0x4D42; // "BM"
        bfh.bfSize = dwDibSize + sizeof(BITMAPFILEHEADER);
        bfh.bfOffBits = pbih->biSize + nColors * sizeof(RGBQUAD) + sizeof(BITMAPFILEHEADER);
        ar.Write(&bfh, sizeof bfh);
        ar.Write(p, dwDibSize);
        ::GlobalUnlock(hDib);
        ::GlobalFree(hDib);
        return true;
    }
    *p_hBitmap = nullptr;
    DWORD dwDibSize = dwResourceSize;
    DWORD dwFilePixelOffset = (DWORD)-1;
    if (dwResourceSize == 0)
    {
        BITMAPFILEHEADER bfh;
        if (ar.Read(&bfh, sizeof bfh) != sizeof bfh || bfh.bfType != 0x4D42 || bfh.bfSize <= sizeof(BITMAPFILEHEADER) ||
            bfh.bfOffBits < sizeof(BITMAPFILEHEADER))
            return false;
        dwDibSize = bfh.bfSize - sizeof(BITMAPFILEHEADER);
        dwFilePixelOffset = bfh.bfOffBits - sizeof(BITMAPFILEHEADER);
    }
    // The header tells the layout; the part before the pixels is read, then the pixels straight
    // into the bitmap at its own depth: the cost is the picture's once, not a copy besides.
    std::vector<BYTE> head;
    if (dwDibSize < sizeof(BITMAPINFOHEADER) || !ReadExactly(ar, head, sizeof(BITMAPINFOHEADER)))
        return false;
    DWORD dwPixelOffset = 0, dwImageSize = 0;
    if (!ValidateDib(head.data(), dwDibSize, dwFilePixelOffset, dwPixelOffset, dwImageSize))
        return false;
    std::vector<BYTE> rest;
    if (!ReadExactly(ar, rest, dwPixelOffset - (DWORD)sizeof(BITMAPINFOHEADER)))
        return false;
    head.insert(head.end(), rest.begin(), rest.end());
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, (const BITMAPINFO*)head.data(), DIB_RGB_COLORS, &pBits, nullptr, 0);
    // The declared size is there to its last byte, or the data is refused.
    auto readTail = [&]() {
        BYTE buffer[4096];
        for (DWORD dwLeft = dwDibSize - dwPixelOffset - dwImageSize; dwLeft > 0;)
        {
            const UINT nChunk = (UINT)std::min<DWORD>(dwLeft, sizeof buffer);
            if (ar.Read(buffer, nChunk) != nChunk)
                return false;
            dwLeft -= nChunk;
        }
        return true;
    };
    if (hBitmap == nullptr || pBits == nullptr || ar.Read(pBits, dwImageSize) != dwImageSize || !readTail())
    {
        if (hBitmap != nullptr)
            ::DeleteObject(hBitmap);
        return false;
    }
    ::GdiFlush();
    *p_hBitmap = hBitmap;
    return true;
}

HBITMAP CExtPaintManager::LoadBitmapFromMemory(const BYTE* pData, DWORD dwSize)
{
    if (pData == nullptr || dwSize == 0)
        return nullptr;
    HBITMAP hBitmap = nullptr;
    try
    {
        CMemFile file(const_cast<BYTE*>(pData), dwSize);
        CArchive ar(&file, CArchive::load, 4096);
        if (!SerializeBitmap(ar, &hBitmap, 0))
            hBitmap = nullptr;
        ar.Close();
        file.Detach();
    }
    catch (CException* e)
    {
        e->Delete();
        if (hBitmap != nullptr)
            ::DeleteObject(hBitmap);
        hBitmap = nullptr;
    }
    catch (...)
    {
        if (hBitmap != nullptr)
            ::DeleteObject(hBitmap);
        hBitmap = nullptr;
    }
    return hBitmap;
}

HBITMAP CExtPaintManager::LoadBitmapFromResource(HINSTANCE hInst, HRSRC hRsrc)
{
    if (hInst == nullptr || hRsrc == nullptr)
        return nullptr;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const BYTE* pData = hGlobal != nullptr ? (const BYTE*)::LockResource(hGlobal) : nullptr;
    const DWORD dwSize = ::SizeofResource(hInst, hRsrc);
    if (pData == nullptr || dwSize == 0)
        return nullptr;
    HBITMAP hBitmap = nullptr;
    try
    {
        CMemFile file(1024);
        file.Write(pData, dwSize);
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load);
        if (!SerializeBitmap(ar, &hBitmap, dwSize))
            hBitmap = nullptr;
    }
    catch (CException* e)
    {
        e->Delete();
        if (hBitmap != nullptr)
            ::DeleteObject(hBitmap);
        hBitmap = nullptr;
    }
    return hBitmap;
}

// --------------------------------------------------------------------------------------- monitors

void CExtPaintManager::GetDesktopMonitorParms(MonitorParms& mp)
{
    RECT rc = {};
    ::GetWindowRect(::GetDesktopWindow(), &rc);
    mp.m_rcMonitor = rc;
    RECT rcWork = rc;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    mp.m_rcWorkArea = rcWork;
    mp.m_bPrimaryMonitor = true;
}

namespace
{
void FromMonitor(CExtPaintManager::MonitorParms& mp, HMONITOR hMonitor)
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    if (hMonitor == nullptr || !::GetMonitorInfoW(hMonitor, &mi))
    {
        CExtPaintManager::GetDesktopMonitorParms(mp);
        return;
    }
    mp.m_rcMonitor = mi.rcMonitor;
    mp.m_rcWorkArea = mi.rcWork;
    mp.m_bPrimaryMonitor = (mi.dwFlags & MONITORINFOF_PRIMARY) != 0;
}
} // namespace

void CExtPaintManager::GetMonitorParmsFromPoint(MonitorParms& mp, const POINT& pt)
{
    if (!GetKeptMonitorParms(mp, RECT{pt.x, pt.y, pt.x + 1, pt.y + 1}))
        FromMonitor(mp, ::MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST));
}

void CExtPaintManager::GetMonitorParmsFromRect(MonitorParms& mp, const RECT& rc)
{
    if (!GetKeptMonitorParms(mp, rc))
        FromMonitor(mp, ::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST));
}

void CExtPaintManager::GetMonitorParmsFromHwnd(MonitorParms& mp, HWND hWnd)
{
    RECT rc = {};
    if (hWnd != nullptr && ::IsWindow(hWnd))
        ::GetWindowRect(hWnd, &rc);
    GetMonitorParmsFromRect(mp, rc);
}

void CExtPaintManager::GetMonitorParmsFromWnd(MonitorParms& mp, CWnd* pWnd)
{
    GetMonitorParmsFromHwnd(mp, pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr);
}

CRect CExtPaintManager::AlignRectToArea(CRect rc, const CRect& rcArea, bool bNoPartialVisibility)
{
    // Entirely outside: brought to the nearest edge.
    if (rc.left >= rcArea.right)
        rc.OffsetRect(rcArea.right - rc.right, 0);
    if (rc.top >= rcArea.bottom)
        rc.OffsetRect(0, rcArea.bottom - rc.bottom);
    if (rc.right <= rcArea.left)
        rc.OffsetRect(rcArea.left - rc.left, 0);
    if (rc.bottom <= rcArea.top)
        rc.OffsetRect(0, rcArea.top - rc.top);
    if (bNoPartialVisibility)
    {
        // The left and top edges are applied last: they win for a rectangle larger than the area.
        if (rc.right > rcArea.right)
            rc.OffsetRect(rcArea.right - rc.right, 0);
        if (rc.bottom > rcArea.bottom)
            rc.OffsetRect(0, rcArea.bottom - rc.bottom);
        if (rc.left < rcArea.left)
            rc.OffsetRect(rcArea.left - rc.left, 0);
        if (rc.top < rcArea.top)
            rc.OffsetRect(0, rcArea.top - rc.top);
    }
    return rc;
}

CRect CExtPaintManager::AlignRectToMonitor(CRect rc, bool bUseWorkArea, bool bNoPartialVisibility)
{
    MonitorParms mp;
    GetMonitorParmsFromRect(mp, rc);
    return AlignRectToArea(rc, bUseWorkArea ? mp.m_rcWorkArea : mp.m_rcMonitor, bNoPartialVisibility);
}

// ------------------------------------------------------------------------ transparent backgrounds

bool CExtPaintManager::IsBackgroundTransparentControl(HWND hWnd)
{
    if (hWnd == nullptr || !::IsWindow(hWnd))
        return false;
    wchar_t szClass[64] = {};
    ::GetClassNameW(hWnd, szClass, 63);
    ::CharLowerW(szClass);
    if (wcscmp(szClass, L"static") == 0 || wcscmp(szClass, L"systabcontrol32") == 0 ||
        wcscmp(szClass, L"msctls_trackbar32") == 0)
        return true;
    if (wcscmp(szClass, L"button") != 0)
        return false;
    if (g_PaintManagerHolder.m_bTaskbandColorsValid)
        return true;
    const DWORD dwType = (DWORD)::GetWindowLongW(hWnd, GWL_STYLE) & 0x0F;
    return dwType <= 7 || dwType == 9;
}

bool CExtPaintManager::IsBackgroundTransparentControl(void* pIgnored, LPARAM lParamIgnored, HWND hWnd)
{
    (void)pIgnored;
    (void)lParamIgnored;
    return IsBackgroundTransparentControl(hWnd);
}
