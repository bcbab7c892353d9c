// CExtCmdIcon: the picture of a command, a bitmap with a transparent colour or an icon handle, with
// its disabled, monochrome and variant looks, painted forms, scaling and archive form.
#pragma once
#include "platform/Core.h"
#include "platform/Collections.h"

class CArchive;
class CDC;

class CExtCmdIcon
{
public:
    // Drawing states of Draw.
    enum : int
    {
        DRAW_NORMAL = 0,
        DRAW_DISABLED = 1,
        DRAW_MONOCHROME = 2,
        DRAW_VARIANT = 3,
    };
    // Kind byte of the archive form.
    enum : BYTE
    {
        KIND_EMPTY = 0,
        KIND_BITMAP = 1,
        KIND_ICON = 2,
    };
    // Icon flags byte of the archive form.
    enum : BYTE
    {
        ICONFLAG_IS_ICON = 0x01,
        ICONFLAG_HAS_COLOR = 0x02,
        ICONFLAG_HAS_MASK = 0x04,
    };
    static constexpr COLORREF NO_COLOR = (COLORREF)0xFFFFFFFF;
    static constexpr double DEFAULT_VARIANT_FACTOR = 1.4;

    // A bitmap with its transparent colour; owns the bitmap.
    struct BitmapHolder_t
    {
        HBITMAP m_hBitmap = nullptr;
        COLORREF m_clrTransparent = NO_COLOR;
        int m_cx = 0;
        int m_cy = 0;

        // Copy: keeps a copy of the bitmap (or of the part rectangle); else takes the handle over.
        bool Set(HBITMAP hBitmap, COLORREF clrTransparent, const RECT* pRcPart, bool bCopy);
        void Empty();
        bool IsEmpty() const { return m_hBitmap == nullptr; }
    };
    // An icon handle and its size; owns the icon.
    struct IconHolder_t
    {
        HICON m_hIcon = nullptr;
        int m_cx = 0;
        int m_cy = 0;

        // Copy: builds an own icon from the handle's icon information; else takes the handle over.
        bool Set(HICON hIcon, bool bCopy);
        // Takes the handle over as an icon of the size (one loaded at that size): its icon information, a copy of
        // its bitmaps, is not read.
        void Take(HICON hIcon, SIZE sz);
        void Empty();
        bool IsEmpty() const { return m_hIcon == nullptr; }
        // Width and height from icon information: twice the hot spot, else the colour bitmap's size
        // (the mask's, halved in height, for a monochrome icon).
        static SIZE SizeFromIconInfo(const ICONINFO& ii);
    };

    CExtCmdIcon();
    CExtCmdIcon(HBITMAP hBitmap, COLORREF clrTransparent, const RECT* pRcPart, bool bCopy);
    CExtCmdIcon(HICON hIcon, bool bCopy);
    // Takes the handle over as an icon of the size (see IconHolder_t::Take).
    CExtCmdIcon(HICON hIcon, SIZE sz);
    CExtCmdIcon(const CExtCmdIcon& other);
    CExtCmdIcon& operator=(const CExtCmdIcon& other) = delete;

    virtual ~CExtCmdIcon();
    virtual bool IsEmpty() const;
    virtual void Empty();
    // Throws the platform's archive exception on a damaged archive.
    virtual void Serialize(CArchive& ar);
    virtual void AssignFrom(const CExtCmdIcon& other);
    // As AssignFrom, but takes the other's picture handles over instead of copying them; the
    // other is left empty.
    void MoveFrom(CExtCmdIcon& other);
    virtual void AssignFromHICON(HICON hIcon, bool bCopy);
    virtual void AssignFromHBITMAP(HBITMAP hBitmap, COLORREF clrTransparent, const RECT* pRcPart, bool bCopy);
    virtual SIZE GetSize() const;
    virtual bool IsBitmapBased() const;
    virtual HBITMAP GetBitmap() const;
    virtual COLORREF GetBitmapTransparentColor() const;
    // A 32-bit copy of the picture and a key colour that marks its transparent pixels. With
    // ppBits the key is a colour the picture does not use.
    virtual bool CreateKeyedBitmap(HBITMAP& hBitmap, COLORREF& clrKey, CArray<COLORREF, COLORREF>* pColors = nullptr,
                                   COLORREF** ppBits = nullptr) const;
    // The icon, still owned by this object (made from the bitmap on first request).
    virtual HICON GetIcon(bool bReplaceSysColors = true);
    // The icon handed to the caller; this object is empty afterwards.
    virtual HICON ExtractHICON(bool bReplaceSysColors = true);
    virtual HICON GetVariantIcon();
    virtual void SyncWithPaintManager();
    virtual void OnSysColorChange();
    virtual void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    virtual void OnDisplayChange(INT nDepthBPP, INT nResolutionX, INT nResolutionY);
    virtual void OnThemeChanged(WPARAM wParam, LPARAM lParam);
    virtual bool BuildVariantIcon();
    virtual BOOL Draw(CDC* pDC, POINT pt, int nState, HBRUSH hBrush = nullptr);
    virtual void QueryImageInfo(CMap<COLORREF, COLORREF, DWORD, DWORD>& mapColors) const;
    virtual int GetBitsPerPixel() const;
    virtual bool CreateScaledCopy(CExtCmdIcon& source, int cx, int cy);
    virtual COLORREF GetVariantColor() const;
    virtual COLORREF SetVariantColor(COLORREF clr);
    virtual double GetVariantFactor() const;
    virtual double SetVariantFactor(double lfFactor);
    virtual bool CreateFromPaint(COLORREF clrGlyph, COLORREF clrTransparent, int cx, int cy,
                                 COLORREF** ppBits = nullptr);
    virtual bool CreateRadioFromPaint(COLORREF clrGlyph, COLORREF clrTransparent, int cx, int cy,
                                      COLORREF** ppBits = nullptr);
    virtual bool CreateBlankFromPaint(COLORREF clr, int cx, int cy, COLORREF** ppBits = nullptr);

    // The variant builders: grey with alpha / divisor (32-bit icons, XP or later) and tint.
    bool BuildVariantAlpha(double lfDivisor, double lfExponent);
    bool BuildVariantTint();

    BitmapHolder_t m_bitmap;
    IconHolder_t m_icon;        // the picture, or only a cache of the bitmap's icon
    IconHolder_t m_iconVariant; // derived, never stored
    COLORREF m_clrVariant = NO_COLOR;
    double m_lfVariantFactor = DEFAULT_VARIANT_FACTOR;

protected:
    typedef void (*GlyphPainter_t)(CDC& dc, int x, int y, COLORREF clr);
    bool CreateFromGlyph(GlyphPainter_t pfnPaint, COLORREF clrGlyph, COLORREF clrTransparent, int cx, int cy,
                         COLORREF** ppBits);
};
