// Bitmap helpers of the command icons and profiles, and the facts they take from the paint manager.
#include "toolkit/foundation/ExtCmdIconSupport.h"
#include "platform/Archive.h"
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
    ::TransparentBlt(hDst, x, y, cx, cy, hSrc, xSrc, ySrc, cxSrc, cySrc, clrTransparent);
}

namespace
{
COLORREF ShadowOf(HDC hDC, COLORREF clr)
{
    return ::GetNearestColor(hDC, RGB(255 - GetRValue(clr), 255 - GetGValue(clr), 255 - GetBValue(clr)));
}
} // namespace

void PaintCheckMark(HDC hDC, int x, int y, COLORREF clr)
{
    const COLORREF clrShadow = ShadowOf(hDC, clr);
    static const int s_cells[21][3] = {{0, 2, 0}, {0, 3, 0}, {0, 4, 1}, {1, 3, 0}, {1, 4, 0}, {1, 5, 1}, {2, 4, 0},
                                       {2, 5, 0}, {2, 6, 1}, {3, 3, 0}, {3, 4, 0}, {3, 5, 1}, {4, 2, 0}, {4, 3, 0},
                                       {4, 4, 1}, {5, 1, 0}, {5, 2, 0}, {5, 3, 1}, {6, 0, 0}, {6, 1, 0}, {6, 2, 1}};
    for (const auto& c : s_cells)
        ::SetPixel(hDC, x + c[0], y + c[1], c[2] ? clrShadow : clr);
}

void PaintRadioDot(HDC hDC, int x, int y, COLORREF clr)
{
    const COLORREF clrShadow = ShadowOf(hDC, clr);
    HBRUSH hBrushShadow = ::CreateSolidBrush(clrShadow);
    HPEN hPenShadow = ::CreatePen(PS_SOLID, 1, clrShadow);
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    HPEN hPen = ::CreatePen(PS_SOLID, 1, clr);
    HGDIOBJ hOldBrush = ::SelectObject(hDC, hBrushShadow);
    HGDIOBJ hOldPen = ::SelectObject(hDC, hPenShadow);
    ::Ellipse(hDC, x + 1, y + 1, x + 7, y + 7);
    ::SelectObject(hDC, hBrush);
    ::SelectObject(hDC, hPen);
    ::Ellipse(hDC, x, y, x + 6, y + 6);
    ::SelectObject(hDC, hOldBrush);
    ::SelectObject(hDC, hOldPen);
    ::DeleteObject(hBrushShadow);
    ::DeleteObject(hPenShadow);
    ::DeleteObject(hBrush);
    ::DeleteObject(hPen);
}

bool QueryPaintManagerVariant(COLORREF& clr, double& lfFactor)
{
    (void)clr;
    (void)lfFactor;
    return false;
}

COLORREF TranslatedTextColor()
{
    return ::GetSysColor(COLOR_BTNTEXT);
}

namespace
{
OSVERSIONINFOW OsVersion()
{
    OSVERSIONINFOW vi = {};
    vi.dwOSVersionInfoSize = sizeof(vi);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ::GetVersionExW(&vi);
#pragma GCC diagnostic pop
    return vi;
}
} // namespace

bool IsWinXPOrLater()
{
    const OSVERSIONINFOW vi = OsVersion();
    return vi.dwPlatformId == VER_PLATFORM_WIN32_NT &&
           (vi.dwMajorVersion > 5 || (vi.dwMajorVersion == 5 && vi.dwMinorVersion >= 1));
}

bool IsWin2000OrLater()
{
    const OSVERSIONINFOW vi = OsVersion();
    return vi.dwPlatformId == VER_PLATFORM_WIN32_NT && vi.dwMajorVersion >= 5;
}

bool IsFrameEventTarget(CControlBar* pBar)
{
    (void)pBar;
    return false;
}

int DeviceBitsPerPixel(HDC hDC)
{
    return ::GetDeviceCaps(hDC, BITSPIXEL);
}
} // namespace ExtCmdIconSupport
