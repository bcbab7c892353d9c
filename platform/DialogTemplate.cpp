#include "platform/Platform.h"
#include "platform/DialogTemplate.h"

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

const BYTE* SkipSzOrOrd(const BYTE* p)
{
    const WORD* w = (const WORD*)p;
    if (*w == 0xFFFF)
        return p + 4;
    while (*w++)
        ;
    return (const BYTE*)w;
}

const BYTE* AlignDword(const BYTE* base, const BYTE* p)
{
    size_t off = (size_t)(p - base);
    return base + ((off + 3) & ~(size_t)3);
}

DWORD StyleOf(const DLGTEMPLATE* t)
{
    return CDialogTemplate::IsDialogEx(t) ? ((const DlgTemplateEx*)t)->style : t->style;
}

WORD ItemCount(const DLGTEMPLATE* t)
{
    return CDialogTemplate::IsDialogEx(t) ? ((const DlgTemplateEx*)t)->cDlgItems : t->cdit;
}

bool HasFontStyle(DWORD style) { return (style & DS_SETFONT) != 0; }

// Start of the menu field, right after the fixed header.
const BYTE* AfterHeader(const DLGTEMPLATE* t)
{
    return (const BYTE*)t + (CDialogTemplate::IsDialogEx(t) ? sizeof(DlgTemplateEx) : sizeof(DLGTEMPLATE));
}

// Start of the font block, or of where it would be (after menu, class and title).
const BYTE* FontBlock(const DLGTEMPLATE* t)
{
    const BYTE* p = AfterHeader(t);
    p = SkipSzOrOrd(p); // menu
    p = SkipSzOrOrd(p); // class
    p = SkipSzOrOrd(p); // title
    return p;
}

// Start of the first item (DWORD aligned).
const BYTE* FirstItem(const DLGTEMPLATE* t)
{
    const BYTE* p = FontBlock(t);
    if (HasFontStyle(StyleOf(t)))
    {
        p += CDialogTemplate::IsDialogEx(t) ? 6 : 2; // size (+ weight, italic, charset)
        p = SkipSzOrOrd(p);                          // face name
    }
    return AlignDword((const BYTE*)t, p);
}

const BYTE* SkipItem(const DLGTEMPLATE* t, const BYTE* p)
{
    p += CDialogTemplate::IsDialogEx(t) ? sizeof(DlgItemTemplateEx) : sizeof(DLGITEMTEMPLATE);
    p = SkipSzOrOrd(p); // class
    p = SkipSzOrOrd(p); // title
    WORD extra = *(const WORD*)p;
    p += sizeof(WORD) + extra;
    return AlignDword((const BYTE*)t, p);
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
    if (p)
        SetTemplate(p, GetTemplateSize(p));
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
    if (p == nullptr)
        return FALSE;
    return SetTemplate(p, GetTemplateSize(p));
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

UINT CDialogTemplate::GetTemplateSize(const DLGTEMPLATE* pTemplate)
{
    const BYTE* p = FirstItem(pTemplate);
    for (WORD i = 0, n = ItemCount(pTemplate); i < n; ++i)
        p = SkipItem(pTemplate, p);
    return (UINT)(p - (const BYTE*)pTemplate);
}

BYTE* CDialogTemplate::GetFontSizeField(const DLGTEMPLATE* pTemplate)
{
    if (!HasFontStyle(StyleOf(pTemplate)))
        return nullptr;
    return (BYTE*)FontBlock(pTemplate);
}

BOOL CDialogTemplate::HasFont() const
{
    if (m_hTemplate == nullptr)
        return FALSE;
    return HasFontStyle(StyleOf((const DLGTEMPLATE*)m_hTemplate));
}

BOOL CDialogTemplate::GetFont(const DLGTEMPLATE* pTemplate, CString& strFaceName, WORD& nFontSize)
{
    const BYTE* p = GetFontSizeField(pTemplate);
    if (p == nullptr)
        return FALSE;
    nFontSize = *(const WORD*)p;
    p += IsDialogEx(pTemplate) ? 6 : 2;
    strFaceName = (const wchar_t*)p;
    return TRUE;
}

BOOL CDialogTemplate::GetFont(CString& strFaceName, WORD& nFontSize) const
{
    if (m_hTemplate == nullptr)
        return FALSE;
    return GetFont((const DLGTEMPLATE*)m_hTemplate, strFaceName, nFontSize);
}

BOOL CDialogTemplate::SetFont(LPCTSTR lpFaceName, WORD nFontSize)
{
    if (m_hTemplate == nullptr || lpFaceName == nullptr)
        return FALSE;
    const DLGTEMPLATE* t = (const DLGTEMPLATE*)m_hTemplate;
    const bool ex = IsDialogEx(t) != FALSE;
    const bool hadFont = HasFontStyle(StyleOf(t));
    const BYTE* base = (const BYTE*)t;
    const BYTE* fontStart = FontBlock(t);
    const BYTE* items = FirstItem(t);
    const UINT headSize = (UINT)(fontStart - base);
    const UINT itemsSize = m_dwTemplateSize - (UINT)(items - base);

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
    const BYTE* base = (const BYTE*)t;
    const BYTE* menuEnd = SkipSzOrOrd(AfterHeader(t));
    const BYTE* classEnd = SkipSzOrOrd(menuEnd);
    // Title and font follow the class; the items start at the next DWORD.
    const BYTE* fontEnd = FontBlock(t);
    if (HasFontStyle(StyleOf(t)))
        fontEnd = SkipSzOrOrd(fontEnd + (IsDialogEx(t) ? 6 : 2));
    const BYTE* items = FirstItem(t);
    const UINT headSize = (UINT)(menuEnd - base);
    const UINT classBytes = (UINT)((wcslen(lpszClassName) + 1) * sizeof(wchar_t));
    const UINT midSize = (UINT)(fontEnd - classEnd);
    const UINT itemsSize = m_dwTemplateSize - (UINT)(items - base);
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
    if (m_hTemplate == nullptr)
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
