// CExtCmdIcon: pictures made from paint, scaled copies and the archive form.
#include "platform/Archive.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtCmdIconSupport.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "platform/Dc.h"

using namespace ExtCmdIconSupport;

bool CExtCmdIcon::CreateFromGlyph(GlyphPainter_t pfnPaint, COLORREF clrGlyph, COLORREF clrTransparent, int cx, int cy,
                                  COLORREF** ppBits)
{
    if (ppBits != nullptr)
        *ppBits = nullptr;
    if (cx <= 0 || cy <= 0)
        return false;
    Empty();
    if (clrGlyph == NO_COLOR && g_PaintManagerHolder.GetPM() != nullptr)
        clrGlyph = g_PaintManagerHolder->GetTranslatedColor(XCLR_TEXT_NORMAL);
    if (clrGlyph == NO_COLOR)
        clrGlyph = ::GetSysColor(COLOR_BTNTEXT);
    if (clrTransparent == NO_COLOR)
        clrTransparent = clrGlyph == RGB(255, 0, 255) ? RGB(128, 255, 128) : RGB(255, 0, 255);
    COLORREF* pBits = nullptr;
    HBITMAP hDib = CreateDib32(cx, cy, &pBits);
    if (hDib == nullptr)
        return false;
    HDC hDC = ::CreateCompatibleDC(nullptr);
    if (hDC == nullptr)
    {
        ::DeleteObject(hDib);
        return false;
    }
    const DWORD dwFill = ColorToPixel(clrTransparent);
    for (size_t i = 0, n = (size_t)cx * (size_t)cy; i < n; ++i)
        pBits[i] = dwFill;
    HGDIOBJ hOld = ::SelectObject(hDC, hDib);
    if (pfnPaint != nullptr)
        pfnPaint(*CDC::FromHandle(hDC), cx / 2 - 3, cy / 2 - 3, clrGlyph);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::GdiFlush();
    m_bitmap.Set(hDib, clrTransparent, nullptr, false);
    if (ppBits != nullptr)
        *ppBits = pBits;
    return true;
}

bool CExtCmdIcon::CreateFromPaint(COLORREF clrGlyph, COLORREF clrTransparent, int cx, int cy, COLORREF** ppBits)
{
    return CreateFromGlyph(&CExtPaintManager::PaintCheckMark, clrGlyph, clrTransparent, cx, cy, ppBits);
}

bool CExtCmdIcon::CreateRadioFromPaint(COLORREF clrGlyph, COLORREF clrTransparent, int cx, int cy, COLORREF** ppBits)
{
    return CreateFromGlyph(&CExtPaintManager::PaintRadioDot, clrGlyph, clrTransparent, cx, cy, ppBits);
}

bool CExtCmdIcon::CreateBlankFromPaint(COLORREF clr, int cx, int cy, COLORREF** ppBits)
{
    if (clr == NO_COLOR)
        clr = RGB(255, 0, 255);
    // The glyph colour only decides the default key, which is given here.
    return CreateFromGlyph(nullptr, RGB(0, 0, 0), clr, cx, cy, ppBits);
}

bool CExtCmdIcon::CreateScaledCopy(CExtCmdIcon& source, int cx, int cy)
{
    if (source.IsEmpty() || cx <= 0 || cy <= 0)
        return false;
    Empty();
    const SIZE szSource = source.GetSize();
    if (szSource.cx == cx && szSource.cy == cy)
    {
        AssignFrom(source);
        return !IsEmpty();
    }
    HBITMAP hKeyed = nullptr;
    COLORREF clrKey = NO_COLOR;
    COLORREF* pKeyedBits = nullptr;
    if (!source.CreateKeyedBitmap(hKeyed, clrKey, nullptr, &pKeyedBits))
        return false;
    HBITMAP hScaled = nullptr;
    HDC hScreen = ::GetDC(nullptr);
    HDC hSrc = ::CreateCompatibleDC(hScreen);
    HDC hDst = ::CreateCompatibleDC(hScreen);
    if (hScreen != nullptr && hSrc != nullptr && hDst != nullptr)
        hScaled = ::CreateCompatibleBitmap(hScreen, cx, cy);
    if (hScaled != nullptr)
    {
        HGDIOBJ hOldSrc = ::SelectObject(hSrc, hKeyed);
        HGDIOBJ hOldDst = ::SelectObject(hDst, hScaled);
        HBRUSH hBrush = ::CreateSolidBrush(clrKey);
        RECT rc = {0, 0, cx, cy};
        ::FillRect(hDst, &rc, hBrush);
        ::DeleteObject(hBrush);
        CExtPaintManager::TransparentBltMasked(hDst, 0, 0, cx, cy, hSrc, 0, 0, szSource.cx, szSource.cy, clrKey);
        ::SelectObject(hSrc, hOldSrc);
        ::SelectObject(hDst, hOldDst);
    }
    if (hDst != nullptr)
        ::DeleteDC(hDst);
    if (hSrc != nullptr)
        ::DeleteDC(hSrc);
    if (hScreen != nullptr)
        ::ReleaseDC(nullptr, hScreen);
    ::DeleteObject(hKeyed);
    if (hScaled == nullptr)
        return false;
    if (source.IsBitmapBased())
    {
        m_bitmap.Set(hScaled, clrKey, nullptr, true);
    }
    else
    {
        CExtCmdIcon iconTemp(hScaled, clrKey, nullptr, true);
        if (iconTemp.IsEmpty())
        {
            ::DeleteObject(hScaled);
            return false;
        }
        m_icon.Set(iconTemp.ExtractHICON(false), false);
    }
    ::DeleteObject(hScaled);
    return !IsEmpty();
}

void CExtCmdIcon::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        if (IsEmpty())
        {
            ar << (BYTE)KIND_EMPTY;
            return;
        }
        if (IsBitmapBased())
        {
            ar << (BYTE)KIND_BITMAP;
            HBITMAP hBitmap = m_bitmap.m_hBitmap;
            if (!CExtPaintManager::SerializeBitmap(ar, &hBitmap))
                AfxThrowArchiveException(CArchiveException::genericException);
            ar << (DWORD)m_bitmap.m_clrTransparent;
            return;
        }
        ICONINFO ii = {};
        if (!::GetIconInfo(m_icon.m_hIcon, &ii))
            AfxThrowArchiveException(CArchiveException::genericException);
        BYTE nFlags = ii.fIcon ? ICONFLAG_IS_ICON : 0;
        if (ii.hbmColor != nullptr)
            nFlags |= ICONFLAG_HAS_COLOR;
        if (ii.hbmMask != nullptr)
            nFlags |= ICONFLAG_HAS_MASK;
        bool bStored = true;
        try
        {
            ar << (BYTE)KIND_ICON << nFlags << (DWORD)ii.xHotspot << (DWORD)ii.yHotspot;
            if (ii.hbmColor != nullptr)
                bStored = CExtPaintManager::SerializeBitmap(ar, &ii.hbmColor);
            if (bStored && ii.hbmMask != nullptr)
                bStored = CExtPaintManager::SerializeBitmap(ar, &ii.hbmMask);
        }
        catch (...)
        {
            DeleteIconInfoBitmaps(ii);
            throw;
        }
        DeleteIconInfoBitmaps(ii);
        if (!bStored)
            AfxThrowArchiveException(CArchiveException::genericException);
        return;
    }

    Empty();
    BYTE nKind = KIND_EMPTY;
    ar >> nKind;
    if (nKind == KIND_EMPTY)
        return;
    if (nKind == KIND_BITMAP)
    {
        HBITMAP hBitmap = nullptr;
        if (!CExtPaintManager::SerializeBitmap(ar, &hBitmap) || hBitmap == nullptr)
            AfxThrowArchiveException(CArchiveException::genericException);
        DWORD dwTransparent = 0;
        try
        {
            ar >> dwTransparent;
        }
        catch (...)
        {
            ::DeleteObject(hBitmap);
            throw;
        }
        m_bitmap.Set(hBitmap, (COLORREF)dwTransparent, nullptr, false);
        return;
    }
    if (nKind != KIND_ICON)
        AfxThrowArchiveException(CArchiveException::badIndex);
    BYTE nFlags = 0;
    DWORD dwX = 0, dwY = 0;
    ar >> nFlags >> dwX >> dwY;
    ICONINFO ii = {};
    ii.fIcon = (nFlags & ICONFLAG_IS_ICON) != 0;
    ii.xHotspot = dwX;
    ii.yHotspot = dwY;
    bool bLoaded = true;
    try
    {
        if (nFlags & ICONFLAG_HAS_COLOR)
            bLoaded = CExtPaintManager::SerializeBitmap(ar, &ii.hbmColor);
        if (bLoaded && (nFlags & ICONFLAG_HAS_MASK))
            bLoaded = CExtPaintManager::SerializeBitmap(ar, &ii.hbmMask);
    }
    catch (...)
    {
        DeleteIconInfoBitmaps(ii);
        throw;
    }
    HICON hIcon = bLoaded ? ::CreateIconIndirect(&ii) : nullptr;
    const SIZE sz = IconHolder_t::SizeFromIconInfo(ii);
    DeleteIconInfoBitmaps(ii);
    if (!bLoaded)
        AfxThrowArchiveException(CArchiveException::genericException);
    if (hIcon != nullptr)
    {
        m_icon.m_hIcon = hIcon;
        m_icon.m_cx = sz.cx;
        m_icon.m_cy = sz.cy;
    }
}
