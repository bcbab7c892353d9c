#include "platform/Platform.h"
#include "platform/DialogTemplate.h"
#include "platform/ResourceWalk.h"
#include <algorithm>
#include <cstring>

namespace
{
#pragma pack(push, 1)
struct DlgTemplateEx
{
    WORD dlgVer;
    WORD signature;
    DWORD helpID;
    DWORD exStyle;
    DWORD style;
    WORD cDlgItems;
    short x, y, cx, cy;
};
struct DlgItemTemplateEx
{
    DWORD helpID;
    DWORD exStyle;
    DWORD style;
    short x, y, cx, cy;
    DWORD id;
};
#pragma pack(pop)

DWORD StyleOf(const DLGTEMPLATE* t)
{
    return CDialogTemplate::IsDialogEx(t) ? ((const DlgTemplateEx*)t)->style : t->style;
}

WORD ItemCount(const DLGTEMPLATE* t)
{
    return CDialogTemplate::IsDialogEx(t) ? ((const DlgTemplateEx*)t)->cDlgItems : t->cdit;
}

bool HasFontStyle(DWORD style) { return (style & DS_SETFONT) != 0; }

// Offsets of a template's parts, found by a walk that never reads past the bytes it was given.
struct TemplateLayout
{
    UINT menuEnd = 0;   // the class field starts here
    UINT classEnd = 0;  // the title starts here
    UINT fontBlock = 0; // the font block starts here (or would, without a font)
    UINT fontEnd = 0;   // end of the font block (fontBlock without a font)
    UINT items = 0;     // the first item (DWORD aligned; may lie past the end when there are none)
    UINT size = 0;      // bytes of the whole template: after the last item, DWORD aligned when that fits
};

// True when the whole template lies within cb bytes; fills the layout.
bool ReadLayout(const DLGTEMPLATE* t, UINT cb, TemplateLayout& layout)
{
    if (t == nullptr || cb < sizeof(DLGTEMPLATE))
        return false;
    const bool ex = CDialogTemplate::IsDialogEx(t) != FALSE;
    CResourceWalk walk((const BYTE*)t, cb);
    if (!walk.Skip(ex ? sizeof(DlgTemplateEx) : sizeof(DLGTEMPLATE)) || !walk.TextOrOrdinal())
        return false;
    layout.menuEnd = (UINT)walk.Pos();
    if (!walk.TextOrOrdinal())
        return false;
    layout.classEnd = (UINT)walk.Pos();
    if (!walk.Text()) // the system reads the title as text only
        return false;
    layout.fontBlock = (UINT)walk.Pos();
    if (HasFontStyle(StyleOf(t)) && (!walk.Skip(ex ? 6 : 2) || !walk.Text()))
        return false;
    layout.fontEnd = (UINT)walk.Pos();
    layout.items = ((UINT)walk.Pos() + 3) & ~3u;
    UINT end = (UINT)walk.Pos();
    for (WORD i = 0, n = ItemCount(t); i < n; ++i)
    {
        WORD extra = 0;
        walk.Align(4);
        if (!walk.Skip(ex ? sizeof(DlgItemTemplateEx) : sizeof(DLGITEMTEMPLATE)) || !walk.TextOrOrdinal() ||
            !walk.TextOrOrdinal() || !walk.Word(extra) || !walk.Skip(extra))
            return false;
        end = (UINT)walk.Pos();
    }
    walk.Align(4);
    layout.size = walk.Within() ? (UINT)walk.Pos() : end;
    return true;
}

// A template in the program's own memory, whose size nobody gave: its walk is not bounded.
const UINT kUnknownSize = 0xFFFFFFFFu;

bool ReadFont(const DLGTEMPLATE* t, UINT cb, CString& strFaceName, WORD& nFontSize)
{
    TemplateLayout layout;
    if (!ReadLayout(t, cb, layout) || layout.fontEnd == layout.fontBlock)
        return false;
    const BYTE* p = (const BYTE*)t + layout.fontBlock;
    memcpy(&nFontSize, p, sizeof nFontSize);
    strFaceName = (const wchar_t*)(p + (CDialogTemplate::IsDialogEx(t) ? 6 : 2));
    return true;
}
} // namespace

CDialogTemplate::CDialogTemplate(const DLGTEMPLATE* pTemplate)
{
    if (pTemplate)
        SetTemplate(pTemplate, GetTemplateSize(pTemplate));
}

CDialogTemplate::CDialogTemplate(HGLOBAL hGlobal)
{
    if (hGlobal == nullptr)
        return;
    const DLGTEMPLATE* p = (const DLGTEMPLATE*)GlobalLock(hGlobal);
    const UINT cb = p ? GetTemplateSize(p, (UINT)std::min<SIZE_T>(GlobalSize(hGlobal), kUnknownSize)) : 0;
    if (cb != 0)
        SetTemplate(p, cb);
    GlobalUnlock(hGlobal);
}

CDialogTemplate::~CDialogTemplate()
{
    if (m_hTemplate)
        GlobalFree(m_hTemplate);
}

BOOL CDialogTemplate::SetTemplate(const DLGTEMPLATE* pTemplate, UINT cb)
{
    HGLOBAL h = GlobalAlloc(GPTR, cb);
    if (h == nullptr)
        return FALSE;
    memcpy((void*)h, pTemplate, cb);
    if (m_hTemplate)
        GlobalFree(m_hTemplate);
    m_hTemplate = h;
    m_dwTemplateSize = cb;
    m_bSystemFont = FALSE;
    return TRUE;
}

BOOL CDialogTemplate::Load(LPCTSTR lpDialogTemplateID)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpDialogTemplateID, RT_DIALOG);
    HRSRC hRsrc = FindResourceW(hInst, lpDialogTemplateID, RT_DIALOG);
    if (hRsrc == nullptr)
        return FALSE;
    HGLOBAL hRes = LoadResource(hInst, hRsrc);
    if (hRes == nullptr)
        return FALSE;
    const DLGTEMPLATE* p = (const DLGTEMPLATE*)LockResource(hRes);
    const UINT cb = p != nullptr ? GetTemplateSize(p, SizeofResource(hInst, hRsrc)) : 0;
    return cb != 0 && SetTemplate(p, cb);
}

HGLOBAL CDialogTemplate::Detach()
{
    HGLOBAL h = m_hTemplate;
    m_hTemplate = nullptr;
    m_dwTemplateSize = 0;
    return h;
}

HGLOBAL CDialogTemplate::CopyWithFont(const DLGTEMPLATE* pTemplate, UINT cb, LPCTSTR lpFaceName, WORD nFontSize)
{
    CDialogTemplate copy;
    if (!copy.SetTemplate(pTemplate, cb) || !copy.SetFont(lpFaceName, nFontSize))
        return nullptr;
    return copy.Detach();
}

UINT CDialogTemplate::GetTemplateSize(const DLGTEMPLATE* pTemplate) { return GetTemplateSize(pTemplate, kUnknownSize); }

UINT CDialogTemplate::GetTemplateSize(const DLGTEMPLATE* pTemplate, UINT cbAvailable)
{
    TemplateLayout layout;
    return ReadLayout(pTemplate, cbAvailable, layout) ? layout.size : 0;
}

BYTE* CDialogTemplate::GetFontSizeField(const DLGTEMPLATE* pTemplate)
{
    TemplateLayout layout;
    if (!ReadLayout(pTemplate, kUnknownSize, layout) || layout.fontEnd == layout.fontBlock)
        return nullptr;
    return (BYTE*)pTemplate + layout.fontBlock;
}

BOOL CDialogTemplate::HasFont() const
{
    if (m_hTemplate == nullptr || m_dwTemplateSize < sizeof(DLGTEMPLATE))
        return FALSE;
    return HasFontStyle(StyleOf((const DLGTEMPLATE*)m_hTemplate));
}

BOOL CDialogTemplate::GetFont(const DLGTEMPLATE* pTemplate, CString& strFaceName, WORD& nFontSize)
{
    return ReadFont(pTemplate, kUnknownSize, strFaceName, nFontSize);
}

BOOL CDialogTemplate::GetFont(CString& strFaceName, WORD& nFontSize) const
{
    if (m_hTemplate == nullptr)
        return FALSE;
    return ReadFont((const DLGTEMPLATE*)m_hTemplate, m_dwTemplateSize, strFaceName, nFontSize);
}

BOOL CDialogTemplate::SetFont(LPCTSTR lpFaceName, WORD nFontSize)
{
    if (m_hTemplate == nullptr || lpFaceName == nullptr)
        return FALSE;
    const DLGTEMPLATE* t = (const DLGTEMPLATE*)m_hTemplate;
    TemplateLayout layout;
    if (!ReadLayout(t, m_dwTemplateSize, layout))
        return FALSE;
    const bool ex = IsDialogEx(t) != FALSE;
    const bool hadFont = layout.fontEnd != layout.fontBlock;
    const BYTE* base = (const BYTE*)t;
    const BYTE* fontStart = base + layout.fontBlock;
    const BYTE* items = base + layout.items;
    const UINT headSize = layout.fontBlock;
    const UINT itemsSize = m_dwTemplateSize > layout.items ? m_dwTemplateSize - layout.items : 0;

    // Weight, italic and charset of an extended template are kept when it had a font.
    WORD weight = FW_NORMAL;
    BYTE italic = 0, charset = DEFAULT_CHARSET;
    if (ex && hadFont)
    {
        weight = *(const WORD*)(fontStart + 2);
        italic = fontStart[4];
        charset = fontStart[5];
    }
    const UINT faceBytes = (UINT)((wcslen(lpFaceName) + 1) * sizeof(wchar_t));
    const UINT fontSize = (ex ? 6 : 2) + faceBytes;
    const UINT itemsOffset = (headSize + fontSize + 3) & ~3u;
    const UINT newSize = itemsOffset + itemsSize;

    HGLOBAL h = GlobalAlloc(GPTR, newSize);
    if (h == nullptr)
        return FALSE;
    BYTE* out = (BYTE*)h;
    memcpy(out, base, headSize);
    BYTE* f = out + headSize;
    *(WORD*)f = nFontSize;
    if (ex)
    {
        *(WORD*)(f + 2) = weight;
        f[4] = italic;
        f[5] = charset;
    }
    memcpy(f + (ex ? 6 : 2), lpFaceName, faceBytes);
    memcpy(out + itemsOffset, items, itemsSize);
    if (ex)
        ((DlgTemplateEx*)out)->style |= DS_SETFONT;
    else
        ((DLGTEMPLATE*)out)->style |= DS_SETFONT;

    GlobalFree(m_hTemplate);
    m_hTemplate = h;
    m_dwTemplateSize = newSize;
    return TRUE;
}

BOOL CDialogTemplate::SetClassName(LPCTSTR lpszClassName)
{
    if (m_hTemplate == nullptr || lpszClassName == nullptr)
        return FALSE;
    const DLGTEMPLATE* t = (const DLGTEMPLATE*)m_hTemplate;
    TemplateLayout layout;
    if (!ReadLayout(t, m_dwTemplateSize, layout))
        return FALSE;
    const BYTE* base = (const BYTE*)t;
    const BYTE* classEnd = base + layout.classEnd;
    // Title and font follow the class; the items start at the next DWORD.
    const BYTE* items = base + layout.items;
    const UINT headSize = layout.menuEnd;
    const UINT classBytes = (UINT)((wcslen(lpszClassName) + 1) * sizeof(wchar_t));
    const UINT midSize = layout.fontEnd - layout.classEnd;
    const UINT itemsSize = m_dwTemplateSize > layout.items ? m_dwTemplateSize - layout.items : 0;
    const UINT itemsOffset = (headSize + classBytes + midSize + 3) & ~3u;
    const UINT newSize = itemsOffset + itemsSize;
    HGLOBAL h = GlobalAlloc(GPTR, newSize);
    if (h == nullptr)
        return FALSE;
    BYTE* out = (BYTE*)h;
    memcpy(out, base, headSize);
    memcpy(out + headSize, lpszClassName, classBytes);
    memcpy(out + headSize + classBytes, classEnd, midSize);
    memcpy(out + itemsOffset, items, itemsSize);
    GlobalFree(m_hTemplate);
    m_hTemplate = h;
    m_dwTemplateSize = newSize;
    return TRUE;
}

BOOL CDialogTemplate::SetSystemFont(WORD nFontSize)
{
    CString face = L"MS Shell Dlg";
    WORD size = nFontSize ? nFontSize : 8;
    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof ncm;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0) && ncm.lfMessageFont.lfFaceName[0])
    {
        face = ncm.lfMessageFont.lfFaceName;
        if (nFontSize == 0)
        {
            HDC hdc = GetDC(nullptr);
            int dpi = GetDeviceCaps(hdc, LOGPIXELSY);
            ReleaseDC(nullptr, hdc);
            int h = ncm.lfMessageFont.lfHeight < 0 ? -ncm.lfMessageFont.lfHeight : ncm.lfMessageFont.lfHeight;
            if (h && dpi)
                size = (WORD)MulDiv(h, 72, dpi);
        }
    }
    BOOL ok = SetFont(face, size);
    if (ok)
        m_bSystemFont = TRUE;
    return ok;
}

void CDialogTemplate::GetSizeInDialogUnits(SIZE* pSize) const
{
    pSize->cx = pSize->cy = 0;
    if (m_hTemplate == nullptr || m_dwTemplateSize < sizeof(DLGTEMPLATE))
        return;
    const DLGTEMPLATE* t = (const DLGTEMPLATE*)m_hTemplate;
    if (IsDialogEx(t))
    {
        pSize->cx = ((const DlgTemplateEx*)t)->cx;
        pSize->cy = ((const DlgTemplateEx*)t)->cy;
    }
    else
    {
        pSize->cx = t->cx;
        pSize->cy = t->cy;
    }
}

void CDialogTemplate::GetSizeInPixels(SIZE* pSize) const
{
    GetSizeInDialogUnits(pSize);
    if (m_hTemplate == nullptr)
        return;
    // Dialog units from the template's font (average width of the alphabet, text height).
    CString face;
    WORD points = 0;
    int baseX = 0, baseY = 0;
    HDC hdc = GetDC(nullptr);
    if (GetFont(face, points))
    {
        LOGFONTW lf = {};
        lf.lfHeight = -MulDiv(points, GetDeviceCaps(hdc, LOGPIXELSY), 72);
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
        HFONT hFont = CreateFontIndirectW(&lf);
        HGDIOBJ old = SelectObject(hdc, hFont);
        TEXTMETRICW tm = {};
        GetTextMetricsW(hdc, &tm);
        SIZE sz = {};
        GetTextExtentPoint32W(hdc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &sz);
        baseX = (sz.cx / 26 + 1) / 2;
        baseY = tm.tmHeight;
        SelectObject(hdc, old);
        DeleteObject(hFont);
    }
    ReleaseDC(nullptr, hdc);
    if (baseX == 0 || baseY == 0)
    {
        LONG units = GetDialogBaseUnits();
        baseX = LOWORD(units);
        baseY = HIWORD(units);
    }
    pSize->cx = MulDiv(pSize->cx, baseX, 4);
    pSize->cy = MulDiv(pSize->cy, baseY, 8);
}
