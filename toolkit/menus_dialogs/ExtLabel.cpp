// CExtLabel: painting of text and icon statics on the paint manager's background.
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtControlHelpers.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtAnchor.h"
#include "toolkit/foundation/ExtMemoryDC.h"

const CSize AnchorTopLeft(0, 0);
const CSize AnchorTopRight(100, 0);
const CSize AnchorBottomLeft(0, 100);
const CSize AnchorBottomRight(100, 100);

IMPLEMENT_DYNCREATE(CExtLabel, CStatic)

HFONT ExtQueryControlFont(HWND hWnd)
{
    HFONT hFont = (HFONT)::SendMessageW(hWnd, WM_GETFONT, 0, 0);
    if (hFont == nullptr && ::GetParent(hWnd) != nullptr)
        hFont = (HFONT)::SendMessageW(::GetParent(hWnd), WM_GETFONT, 0, 0);
    if (hFont == nullptr)
        hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    if (hFont == nullptr)
        hFont = (HFONT)::GetStockObject(SYSTEM_FONT);
    return hFont;
}

CExtLabel::CExtLabel() : m_nFontFlags(0), m_clrTextNormal((COLORREF)-1), m_clrTextDisabled((COLORREF)-1) {}

void CExtLabel::SetFontFlag(BYTE nFlag, bool bSet)
{
    m_nFontFlags = bSet ? (BYTE)(m_nFontFlags | nFlag) : (BYTE)(m_nFontFlags & ~nFlag);
    if (GetSafeHwnd() != nullptr)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

COLORREF CExtLabel::OnQueryTextColor(bool bEnabled)
{
    COLORREF clr = GetTextColor(bEnabled);
    if (clr != (COLORREF)-1)
        return clr;
    CWindowDC dcScreen(nullptr);
    clr = g_PaintManagerHolder->GetLabelTextColor(dcScreen, bEnabled, false, false, false, this);
    if (clr != (COLORREF)-1)
        return clr;
    return g_PaintManagerHolder->GetTranslatedColor(bEnabled ? COLOR_BTNTEXT : COLOR_3DSHADOW, this);
}

UINT CExtLabel::CalcDrawTextFlags(DWORD dwStyle, const CString& sText)
{
    UINT nFlags;
    switch (dwStyle & SS_TYPEMASK)
    {
    case SS_CENTER: nFlags = DT_CENTER | DT_WORDBREAK; break;
    case SS_RIGHT: nFlags = DT_RIGHT | DT_WORDBREAK; break;
    case SS_LEFTNOWORDWRAP: nFlags = DT_LEFT; break;
    default: nFlags = DT_WORDBREAK; break;
    }
    if (sText.Find(L'\t') >= 0)
        nFlags |= DT_EXPANDTABS;
    if ((dwStyle & SS_CENTERIMAGE) != 0 && sText.Find(L"\r\n") < 0)
        nFlags |= DT_SINGLELINE | DT_VCENTER;
    return nFlags | DT_VCENTER | DT_END_ELLIPSIS;
}

void CExtLabel::DrawLabelText(CDC& dc, const RECT& rc, LPCTSTR pszText, UINT nDrawTextFlags, bool bEnabled)
{
    LOGFONTW lf;
    ::ZeroMemory(&lf, sizeof(lf));
    ::GetObjectW(ExtQueryControlFont(m_hWnd), sizeof(lf), &lf);
    lf.lfWeight = (m_nFontFlags & kFontBold) != 0 ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (BYTE)((m_nFontFlags & kFontItalic) != 0);
    lf.lfUnderline = (BYTE)((m_nFontFlags & kFontUnderline) != 0);
    lf.lfStrikeOut = (BYTE)((m_nFontFlags & kFontStrikeOut) != 0);
    HFONT hFont = ::CreateFontIndirectW(&lf);
    HDC hDC = dc.GetSafeHdc();
    HGDIOBJ hOldFont = ::SelectObject(hDC, hFont != nullptr ? (HGDIOBJ)hFont : ::GetStockObject(SYSTEM_FONT));
    int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    COLORREF clrOld = ::SetTextColor(hDC, OnQueryTextColor(bEnabled));
    CRect rcText(rc);
    ::DrawTextW(hDC, pszText, -1, &rcText, nDrawTextFlags);
    ::SetTextColor(hDC, clrOld);
    ::SetBkMode(hDC, nOldMode);
    ::SelectObject(hDC, hOldFont);
    if (hFont != nullptr)
        ::DeleteObject(hFont);
}

static CSize IconSize(HICON hIcon)
{
    ICONINFO ii;
    ::ZeroMemory(&ii, sizeof(ii));
    if (!::GetIconInfo(hIcon, &ii))
        return CSize(0, 0);
    CSize size((BYTE)(ii.xHotspot * 2), (BYTE)(ii.yHotspot * 2));
    if (size.cx == 0 || size.cy == 0)
    {
        BITMAP bm;
        ::ZeroMemory(&bm, sizeof(bm));
        HBITMAP hBmp = ii.hbmColor != nullptr ? ii.hbmColor : ii.hbmMask;
        if (hBmp != nullptr && ::GetObjectW(hBmp, sizeof(bm), &bm) != 0)
            size = CSize(bm.bmWidth, ii.hbmColor != nullptr ? bm.bmHeight : bm.bmHeight / 2);
    }
    if (ii.hbmColor != nullptr)
        ::DeleteObject(ii.hbmColor);
    if (ii.hbmMask != nullptr)
        ::DeleteObject(ii.hbmMask);
    return size;
}

void CExtLabel::PaintLabel()
{
    CPaintDC dcPaint(this);
    CRect rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    if (!dcPaint.RectVisible(&rcClient))
        return;
    CExtMemoryDC dc(&dcPaint, &rcClient, CExtMemoryDC::MemDcBuffer | CExtMemoryDC::MemDcFillBackground);
    CRgn rgnClip;
    rgnClip.CreateRectRgnIndirect(&rcClient);
    dc.SelectClipRgn(&rgnClip);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    bool bPainted = false;
    if (pPM->IsDockerGradientAvailable(this))
    {
        CExtPaintManager::ExcludeChildAreas(dc.GetSafeHdc(), m_hWnd);
        bPainted = pPM->PaintDockerBackground(true, dc, this);
    }
    if (!bPainted)
        dc.FillSolidRect(&rcClient, pPM->GetTranslatedColor(XCLR_FACE_NORMAL, this));
    DWORD dwStyle = (DWORD)::GetWindowLongW(m_hWnd, GWL_STYLE);
    if ((dwStyle & SS_TYPEMASK) == SS_ICON)
    {
        HICON hIcon = (HICON)::SendMessageW(m_hWnd, STM_GETICON, 0, 0);
        if (hIcon != nullptr)
        {
            CSize size = IconSize(hIcon);
            CPoint pt = rcClient.TopLeft();
            if ((dwStyle & SS_CENTERIMAGE) != 0)
                pt += CSize((rcClient.Width() - size.cx) / 2, (rcClient.Height() - size.cy) / 2);
            ::DrawIconEx(dc.GetSafeHdc(), pt.x, pt.y, hIcon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
        }
    }
    else
    {
        CString sText;
        GetWindowText(sText);
        if (!sText.IsEmpty())
            DrawLabelText(dc, rcClient, sText, CalcDrawTextFlags(dwStyle, sText), ::IsWindowEnabled(m_hWnd) != FALSE);
    }
    pPM->EndPaintSession(this);
    dc.SelectClipRgn(nullptr);
}

LRESULT CExtLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT:
    {
        DWORD dwType = (DWORD)::GetWindowLongW(m_hWnd, GWL_STYLE) & SS_TYPEMASK;
        if ((dwType >= SS_BLACKRECT && dwType <= SS_USERITEM) || (dwType >= SS_OWNERDRAW && dwType <= SS_ETCHEDFRAME))
            break;
        PaintLabel();
        return 0;
    }
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_UPDATEUISTATE:
    {
        LRESULT lResult = CStatic::WindowProc(message, wParam, lParam);
        CExtControlHelpers::InvalidateWithParentArea(m_hWnd);
        return lResult;
    }
    default: break;
    }
    return CStatic::WindowProc(message, wParam, lParam);
}
