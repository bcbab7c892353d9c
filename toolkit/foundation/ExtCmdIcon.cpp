// CExtCmdIcon: holders, assignment, icon extraction, keyed bitmaps, variant builders and drawing.
// Painted forms, scaling and the archive form are in ExtCmdIconForms.cpp.
#include "toolkit/foundation/ExtCmdIcon.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtCmdIconSupport.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <cmath>
#include <commctrl.h>

using namespace ExtCmdIconSupport;

// ---- holders -------------------------------------------------------------------------------------

bool CExtCmdIcon::BitmapHolder_t::Set(HBITMAP hBitmap, COLORREF clrTransparent, const RECT* pRcPart, bool bCopy)
{
    if (hBitmap == nullptr)
    {
        Empty();
        return true;
    }
    if (hBitmap == m_hBitmap && pRcPart == nullptr)
    {
        m_clrTransparent = clrTransparent;
        return true;
    }
    HBITMAP hStored = hBitmap;
    if (bCopy)
    {
        hStored = CExtPaintManager::CopyBitmap(hBitmap, pRcPart, nullptr);
        if (hStored == nullptr)
            return false;
    }
    Empty();
    m_hBitmap = hStored;
    m_clrTransparent = clrTransparent;
    BITMAP bm = {};
    if (::GetObjectW(m_hBitmap, sizeof(bm), &bm) == sizeof(bm))
    {
        m_cx = bm.bmWidth;
        m_cy = bm.bmHeight;
    }
    return true;
}

void CExtCmdIcon::BitmapHolder_t::Empty()
{
    if (m_hBitmap != nullptr)
        ::DeleteObject(m_hBitmap);
    m_hBitmap = nullptr;
    m_cx = m_cy = 0;
}

SIZE CExtCmdIcon::IconHolder_t::SizeFromIconInfo(const ICONINFO& ii)
{
    SIZE sz = {(LONG)((ii.xHotspot * 2) & 0xFF), (LONG)((ii.yHotspot * 2) & 0xFF)};
    if (sz.cx != 0 && sz.cy != 0)
        return sz;
    BITMAP bm = {};
    if (ii.hbmColor != nullptr && ::GetObjectW(ii.hbmColor, sizeof(bm), &bm) == sizeof(bm))
        return SIZE{bm.bmWidth, bm.bmHeight};
    // A monochrome icon's mask holds the AND and the XOR half one above the other.
    if (ii.hbmMask != nullptr && ::GetObjectW(ii.hbmMask, sizeof(bm), &bm) == sizeof(bm))
        return SIZE{bm.bmWidth, bm.bmHeight / 2};
    return SIZE{0, 0};
}

bool CExtCmdIcon::IconHolder_t::Set(HICON hIcon, bool bCopy)
{
    Empty();
    if (hIcon == nullptr)
        return true;
    ICONINFO ii = {};
    if (!::GetIconInfo(hIcon, &ii))
    {
        if (!bCopy)
            m_hIcon = hIcon;
        return !bCopy;
    }
    const SIZE sz = SizeFromIconInfo(ii);
    HICON hStored = bCopy ? ::CreateIconIndirect(&ii) : hIcon;
    DeleteIconInfoBitmaps(ii);
    if (hStored == nullptr)
        return false;
    m_hIcon = hStored;
    m_cx = sz.cx;
    m_cy = sz.cy;
    return true;
}

void CExtCmdIcon::IconHolder_t::Take(HICON hIcon, SIZE sz)
{
    Empty();
    m_hIcon = hIcon;
    if (hIcon != nullptr)
    {
        m_cx = sz.cx;
        m_cy = sz.cy;
    }
}

void CExtCmdIcon::IconHolder_t::Empty()
{
    if (m_hIcon != nullptr)
        ::DestroyIcon(m_hIcon);
    m_hIcon = nullptr;
    m_cx = m_cy = 0;
}

// ---- construction and assignment -----------------------------------------------------------------

CExtCmdIcon::CExtCmdIcon() {}

CExtCmdIcon::CExtCmdIcon(HBITMAP hBitmap, COLORREF clrTransparent, const RECT* pRcPart, bool bCopy)
{
    AssignFromHBITMAP(hBitmap, clrTransparent, pRcPart, bCopy);
}

CExtCmdIcon::CExtCmdIcon(HICON hIcon, bool bCopy) { AssignFromHICON(hIcon, bCopy); }

CExtCmdIcon::CExtCmdIcon(HICON hIcon, SIZE sz) { m_icon.Take(hIcon, sz); }

CExtCmdIcon::CExtCmdIcon(const CExtCmdIcon& other) { AssignFrom(other); }

CExtCmdIcon::~CExtCmdIcon() { Empty(); }

bool CExtCmdIcon::IsEmpty() const { return m_bitmap.IsEmpty() && m_icon.IsEmpty(); }

void CExtCmdIcon::Empty()
{
    m_bitmap.Empty();
    m_icon.Empty();
    m_iconVariant.Empty();
    m_clrVariant = NO_COLOR;
    m_lfVariantFactor = DEFAULT_VARIANT_FACTOR;
}

void CExtCmdIcon::AssignFrom(const CExtCmdIcon& other)
{
    if (&other == this)
        return;
    m_iconVariant.Empty();
    if (other.m_bitmap.IsEmpty())
    {
        m_bitmap.Empty();
        m_icon.Set(other.m_icon.m_hIcon, true);
    }
    else
    {
        m_icon.Empty();
        m_bitmap.Set(other.m_bitmap.m_hBitmap, other.m_bitmap.m_clrTransparent, nullptr, true);
    }
    m_clrVariant = other.m_clrVariant;
    m_lfVariantFactor = other.m_lfVariantFactor;
}

void CExtCmdIcon::MoveFrom(CExtCmdIcon& other)
{
    if (&other == this)
        return;
    Empty();
    m_bitmap = other.m_bitmap;
    m_icon = other.m_icon;
    m_clrVariant = other.m_clrVariant;
    m_lfVariantFactor = other.m_lfVariantFactor;
    other.m_bitmap = BitmapHolder_t();
    other.m_icon = IconHolder_t();
    other.Empty();
}

void CExtCmdIcon::AssignFromHICON(HICON hIcon, bool bCopy)
{
    m_iconVariant.Empty();
    m_bitmap.Empty();
    m_icon.Set(hIcon, bCopy);
}

void CExtCmdIcon::AssignFromHBITMAP(HBITMAP hBitmap, COLORREF clrTransparent, const RECT* pRcPart, bool bCopy)
{
    m_iconVariant.Empty();
    m_icon.Empty();
    m_bitmap.Set(hBitmap, clrTransparent, pRcPart, bCopy);
}

// ---- queries -------------------------------------------------------------------------------------

SIZE CExtCmdIcon::GetSize() const
{
    if (!m_bitmap.IsEmpty())
        return SIZE{m_bitmap.m_cx, m_bitmap.m_cy};
    if (!m_icon.IsEmpty())
        return SIZE{m_icon.m_cx, m_icon.m_cy};
    return SIZE{0, 0};
}

bool CExtCmdIcon::IsBitmapBased() const { return !m_bitmap.IsEmpty(); }

HBITMAP CExtCmdIcon::GetBitmap() const { return m_bitmap.m_hBitmap; }

COLORREF CExtCmdIcon::GetBitmapTransparentColor() const { return m_bitmap.m_clrTransparent; }

int CExtCmdIcon::GetBitsPerPixel() const
{
    BITMAP bm = {};
    if (!m_bitmap.IsEmpty())
        return ::GetObjectW(m_bitmap.m_hBitmap, sizeof(bm), &bm) == sizeof(bm) ? bm.bmBitsPixel : 0;
    if (m_icon.IsEmpty())
        return 0;
    ICONINFO ii = {};
    if (!::GetIconInfo(m_icon.m_hIcon, &ii))
        return 0;
    int nBits = 1;
    if (ii.hbmColor != nullptr && ::GetObjectW(ii.hbmColor, sizeof(bm), &bm) == sizeof(bm))
        nBits = bm.bmBitsPixel;
    DeleteIconInfoBitmaps(ii);
    return nBits;
}

void CExtCmdIcon::QueryImageInfo(CMap<COLORREF, COLORREF, DWORD, DWORD>& mapColors) const
{
    mapColors.RemoveAll();
    if (!m_bitmap.IsEmpty())
    {
        CExtPaintManager::CountBitmapColors(m_bitmap.m_hBitmap, mapColors);
        return;
    }
    if (m_icon.IsEmpty())
        return;
    ICONINFO ii = {};
    if (!::GetIconInfo(m_icon.m_hIcon, &ii))
        return;
    CExtPaintManager::CountBitmapColors(ii.hbmColor != nullptr ? ii.hbmColor : ii.hbmMask, mapColors);
    DeleteIconInfoBitmaps(ii);
}

// ---- icons ---------------------------------------------------------------------------------------

HICON CExtCmdIcon::GetIcon(bool bReplaceSysColors)
{
    if (!m_icon.IsEmpty())
        return m_icon.m_hIcon;
    if (m_bitmap.IsEmpty())
        return nullptr;
    HICON hIcon = CExtPaintManager::CreateIconFromBitmap(m_bitmap.m_hBitmap, m_bitmap.m_clrTransparent, nullptr,
                                                         bReplaceSysColors);
    if (hIcon == nullptr)
        return nullptr;
    m_icon.Set(hIcon, false);
    return m_icon.m_hIcon;
}

HICON CExtCmdIcon::ExtractHICON(bool bReplaceSysColors)
{
    if (IsEmpty())
        return nullptr;
    m_iconVariant.Empty();
    if (m_icon.IsEmpty())
    {
        HICON hIcon = CExtPaintManager::CreateIconFromBitmap(m_bitmap.m_hBitmap, m_bitmap.m_clrTransparent, nullptr,
                                                             bReplaceSysColors);
        m_bitmap.Empty();
        return hIcon;
    }
    m_bitmap.Empty();
    HICON hIcon = m_icon.m_hIcon;
    m_icon.m_hIcon = nullptr;
    m_icon.m_cx = m_icon.m_cy = 0;
    return hIcon;
}

// ---- keyed bitmap --------------------------------------------------------------------------------

bool CExtCmdIcon::CreateKeyedBitmap(HBITMAP& hBitmap, COLORREF& clrKey, CArray<COLORREF, COLORREF>* pColors,
                                    COLORREF** ppBits) const
{
    hBitmap = nullptr;
    if (IsEmpty())
        return false;
    CMap<COLORREF, COLORREF, DWORD, DWORD> mapColors;
    if (!m_bitmap.IsEmpty())
    {
        if (CExtPaintManager::CountBitmapColors(m_bitmap.m_hBitmap, mapColors) == 0)
            return false;
        COLORREF clrNewKey = m_bitmap.m_clrTransparent;
        if (ppBits == nullptr)
        {
            if (clrNewKey == NO_COLOR)
                return false;
        }
        else if (!ChooseUnusedColor(mapColors, clrNewKey))
        {
            return false;
        }
        COLORREF* pBits = nullptr;
        HBITMAP hCopy = CExtPaintManager::CopyBitmap(m_bitmap.m_hBitmap, nullptr, &pBits);
        if (hCopy == nullptr)
            return false;
        if (ppBits != nullptr)
        {
            *ppBits = pBits;
            const COLORREF clrOld = m_bitmap.m_clrTransparent;
            if (clrOld != NO_COLOR && clrOld != clrNewKey)
            {
                const DWORD dwOld = ColorToPixel(clrOld);
                const DWORD dwNew = ColorToPixel(clrNewKey);
                const size_t nCount = (size_t)m_bitmap.m_cx * (size_t)m_bitmap.m_cy;
                for (size_t i = 0; i < nCount; ++i)
                    if ((pBits[i] & 0x00FFFFFF) == dwOld)
                        pBits[i] = dwNew;
            }
        }
        if (pColors != nullptr)
        {
            pColors->RemoveAll();
            pColors->Add(clrNewKey);
            for (auto* p = mapColors.PGetFirstAssoc(); p != nullptr; p = mapColors.PGetNextAssoc(p))
                if (p->key != clrNewKey)
                    pColors->Add(p->key);
        }
        hBitmap = hCopy;
        clrKey = clrNewKey;
        return true;
    }
    ICONINFO ii = {};
    if (!::GetIconInfo(m_icon.m_hIcon, &ii))
        return false;
    CExtPaintManager::CountBitmapColors(ii.hbmColor != nullptr ? ii.hbmColor : ii.hbmMask, mapColors);
    DeleteIconInfoBitmaps(ii);
    COLORREF clrNewKey = NO_COLOR;
    if (!ChooseUnusedColor(mapColors, clrNewKey))
        return false;
    const SIZE sz = GetSize();
    COLORREF* pBits = nullptr;
    HBITMAP hDib = CreateDib32(sz.cx, sz.cy, &pBits);
    if (hDib == nullptr)
        return false;
    const DWORD dwKey = ColorToPixel(clrNewKey);
    for (size_t i = 0, n = (size_t)sz.cx * (size_t)sz.cy; i < n; ++i)
        pBits[i] = dwKey;
    HDC hDC = ::CreateCompatibleDC(nullptr);
    if (hDC == nullptr)
    {
        ::DeleteObject(hDib);
        return false;
    }
    HGDIOBJ hOld = ::SelectObject(hDC, hDib);
    ::DrawIconEx(hDC, 0, 0, m_icon.m_hIcon, sz.cx, sz.cy, 0, nullptr, DI_NORMAL);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::GdiFlush();
    if (pColors != nullptr)
    {
        pColors->RemoveAll();
        pColors->Add(clrNewKey);
    }
    if (ppBits != nullptr)
        *ppBits = pBits;
    hBitmap = hDib;
    clrKey = clrNewKey;
    return true;
}

// ---- variant -------------------------------------------------------------------------------------

COLORREF CExtCmdIcon::GetVariantColor() const { return m_clrVariant; }

COLORREF CExtCmdIcon::SetVariantColor(COLORREF clr)
{
    const COLORREF clrOld = m_clrVariant;
    if (clr != m_clrVariant)
    {
        m_clrVariant = clr;
        m_iconVariant.Empty();
    }
    return clrOld;
}

double CExtCmdIcon::GetVariantFactor() const { return m_lfVariantFactor; }

double CExtCmdIcon::SetVariantFactor(double lfFactor)
{
    const double lfOld = m_lfVariantFactor;
    if (lfFactor < m_lfVariantFactor || lfFactor > m_lfVariantFactor)
    {
        m_lfVariantFactor = lfFactor;
        m_iconVariant.Empty();
    }
    return lfOld;
}

HICON CExtCmdIcon::GetVariantIcon()
{
    if (m_clrVariant == NO_COLOR)
        return nullptr;
    if (m_iconVariant.IsEmpty())
        BuildVariantIcon();
    return m_iconVariant.m_hIcon;
}

void CExtCmdIcon::SyncWithPaintManager()
{
    CExtPaintManager* pPaintManager = g_PaintManagerHolder.GetPM();
    if (pPaintManager != nullptr)
    {
        SetVariantColor(pPaintManager->GetIconVariantColor());
        SetVariantFactor(pPaintManager->GetIconVariantFactor());
    }
    if (!m_bitmap.IsEmpty())
        m_icon.Empty();
}

void CExtCmdIcon::OnSysColorChange() { SyncWithPaintManager(); }

void CExtCmdIcon::OnSettingChange(UINT, LPCTSTR) { SyncWithPaintManager(); }

void CExtCmdIcon::OnDisplayChange(INT, INT, INT) { SyncWithPaintManager(); }

void CExtCmdIcon::OnThemeChanged(WPARAM, LPARAM) { SyncWithPaintManager(); }

bool CExtCmdIcon::BuildVariantIcon()
{
    if (g_PaintManagerHolder.m_bIsWinXPOrLater && BuildVariantAlpha(3.0, 0.9))
        return true;
    return BuildVariantTint();
}

bool CExtCmdIcon::BuildVariantAlpha(double lfDivisor, double lfExponent)
{
    if (!g_PaintManagerHolder.m_bIsWinXPOrLater)
        return false;
    m_iconVariant.Empty();
    if (IsEmpty())
        return false;
    HICON hIcon = GetIcon(true);
    if (hIcon == nullptr)
        return false;
    ICONINFO ii = {};
    if (!::GetIconInfo(hIcon, &ii))
        return false;
    bool bResult = false;
    HBITMAP hDib = nullptr;
    HIMAGELIST hList = nullptr;
    BITMAP bm = {};
    const SIZE sz = GetSize();
    if (ii.hbmColor != nullptr && ::GetObjectW(ii.hbmColor, sizeof(bm), &bm) == sizeof(bm) && bm.bmBitsPixel == 32 &&
        sz.cx > 0 && sz.cy > 0)
    {
        COLORREF* pBits = nullptr;
        hDib = CreateDib32(bm.bmWidth, bm.bmHeight, &pBits);
        if (hDib != nullptr && ReadDibPixels(ii.hbmColor, bm.bmWidth, bm.bmHeight, pBits))
        {
            for (size_t i = 0, n = (size_t)bm.bmWidth * (size_t)bm.bmHeight; i < n; ++i)
            {
                const DWORD px = pBits[i];
                const double b = (double)(px & 0xFF), g = (double)((px >> 8) & 0xFF);
                const double r = (double)((px >> 16) & 0xFF), a = (double)((px >> 24) & 0xFF);
                const double y = 0.299 * r + 0.587 * g + 0.114 * b;
                const DWORD v = (DWORD)(std::pow(y / 255.0, lfExponent) * 255.0);
                const DWORD alpha = (DWORD)(a / lfDivisor);
                pBits[i] = (alpha << 24) | (v << 16) | (v << 8) | v;
            }
            hList = ::ImageList_Create(sz.cx, sz.cy, ILC_COLOR32 | ILC_MASK, 0, 1);
            if (hList != nullptr && ::ImageList_Add(hList, hDib, nullptr) == 0)
            {
                HICON hVariant = ::ImageList_GetIcon(hList, 0, ILD_NORMAL);
                if (hVariant != nullptr)
                    bResult = m_iconVariant.Set(hVariant, false);
            }
        }
    }
    if (hList != nullptr)
        ::ImageList_Destroy(hList);
    if (hDib != nullptr)
        ::DeleteObject(hDib);
    DeleteIconInfoBitmaps(ii);
    return bResult;
}

bool CExtCmdIcon::BuildVariantTint()
{
    m_iconVariant.Empty();
    if (m_clrVariant == NO_COLOR || IsEmpty())
        return false;
    HBITMAP hBitmap = nullptr;
    COLORREF clrKey = NO_COLOR;
    COLORREF* pBits = nullptr;
    if (!CreateKeyedBitmap(hBitmap, clrKey, nullptr, &pBits))
        return false;
    const SIZE sz = GetSize();
    const int R = GetRValue(m_clrVariant), G = GetGValue(m_clrVariant), B = GetBValue(m_clrVariant);
    const double f = m_lfVariantFactor;
    const DWORD dwKey = ColorToPixel(clrKey);
    for (size_t i = 0, n = (size_t)sz.cx * (size_t)sz.cy; i < n; ++i)
    {
        const DWORD px = pBits[i] & 0x00FFFFFF;
        if (px == dwKey)
            continue;
        const double b = (double)(px & 0xFF), g = (double)((px >> 8) & 0xFF), r = (double)((px >> 16) & 0xFF);
        double l = 0.3 * r / 255.0 + 0.5 * g / 255.0 + 0.2 * b / 255.0;
        if (f != 0.0)
        {
            if (f < 0.0)
                l = l * (f + 1.0);
            else
                l = l + (1.0 - l) * f;
            if (l < 0.0)
                l = 0.0;
            if (l > 1.0)
                l = 1.0;
        }
        const int v = (int)(l * 255.0);
        const DWORD nr = (DWORD)((v + 3 * ::MulDiv(R, v, 255)) / 4);
        const DWORD ng = (DWORD)((v + 3 * ::MulDiv(G, v, 255)) / 4);
        const DWORD nb = (DWORD)((v + 3 * ::MulDiv(B, v, 255)) / 4);
        pBits[i] = (nr << 16) | (ng << 8) | nb;
    }
    HICON hVariant = CExtPaintManager::CreateIconFromBitmap(hBitmap, clrKey, nullptr, false);
    if (hVariant != nullptr)
        m_iconVariant.Set(hVariant, false);
    ::DeleteObject(hBitmap);
    return true;
}

// ---- drawing -------------------------------------------------------------------------------------

BOOL CExtCmdIcon::Draw(CDC* pDC, POINT pt, int nState, HBRUSH hBrush)
{
    HDC hDC = pDC != nullptr ? pDC->GetSafeHdc() : nullptr;
    if (hDC == nullptr)
        return FALSE;
    if (nState == DRAW_VARIANT && g_PaintManagerHolder.m_bIsWin2000OrLater &&
        CExtPaintManager::GetDeviceBitsPerPixel(hDC) > 8 && GetVariantIcon() != nullptr)
    {
        return ::DrawStateW(hDC, hBrush, nullptr, (LPARAM)m_iconVariant.m_hIcon, 0, pt.x, pt.y, m_iconVariant.m_cx,
                            m_iconVariant.m_cy, DST_ICON | DSS_NORMAL);
    }
    HICON hIcon = GetIcon(true);
    if (hIcon == nullptr)
        return FALSE;
    if (nState == DRAW_VARIANT)
        nState = DRAW_MONOCHROME;
    UINT nFlags = DST_ICON | DSS_NORMAL;
    if (nState == DRAW_DISABLED)
        nFlags = DST_ICON | DSS_DISABLED;
    else if (nState == DRAW_MONOCHROME)
        nFlags = DST_ICON | DSS_MONO;
    return ::DrawStateW(hDC, hBrush, nullptr, (LPARAM)hIcon, 0, pt.x, pt.y, m_icon.m_cx, m_icon.m_cy, nFlags);
}
