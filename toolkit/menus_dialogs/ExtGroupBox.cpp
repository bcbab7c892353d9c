// CExtGroupBox: background, frame and caption painting of group boxes.
#include "toolkit/menus_dialogs/ExtGroupBox.h"
#include "toolkit/menus_dialogs/ExtControlHelpers.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/foundation/ExtMemoryDC.h"

IMPLEMENT_DYNAMIC(CExtGroupBox, CButton)

CExtGroupBox::CExtGroupBox() : m_nCaptionAlign(kAlignLeft), m_nStyle(kStyleEtched), m_nBandHeight(18) {}

void CExtGroupBox::SetStyle(int nStyle)
{
    m_nStyle = nStyle;
    if (GetSafeHwnd() != nullptr)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CExtGroupBox::PreSubclassWindow()
{
    ::SetWindowLongW(m_hWnd, GWL_STYLE, ::GetWindowLongW(m_hWnd, GWL_STYLE) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    CButton::PreSubclassWindow();
}

static COLORREF PMColor(int nColor, CObject* pSrc) { return g_PaintManagerHolder->GetTranslatedColor(nColor, pSrc); }

void CExtGroupBox::PaintCaption(CDC& dc, CRect& rcCaption, const CString& sText, UINT nDrawTextFlags, bool bEnabled)
{
    if (m_nStyle == kStyleHeaderBand)
    {
        rcCaption.SetRectEmpty();
        return;
    }
    HDC hDC = dc.GetSafeHdc();
    HFONT hFont = ExtQueryControlFont(m_hWnd);
    HGDIOBJ hOldFont = ::SelectObject(hDC, hFont);
    int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    COLORREF clrOld = ::SetTextColor(hDC, PMColor(bEnabled ? COLOR_BTNTEXT : COLOR_3DSHADOW, this));
    CRect rcText = CExtPaintManager::MeasureText(dc, hFont, sText);
    int w = rcText.Width(), h = rcText.Height();
    switch (m_nCaptionAlign)
    {
    case kAlignRight: rcCaption.left = rcCaption.right - w; break;
    case kAlignCenter:
        rcCaption.left += (rcCaption.Width() - w) / 2;
        rcCaption.right = rcCaption.left + w;
        break;
    default: rcCaption.right = rcCaption.left + w; break;
    }
    rcCaption.bottom = rcCaption.top + h;
    CRect rcDraw(rcCaption);
    ::DrawTextW(hDC, sText, -1, &rcDraw, nDrawTextFlags);
    rcCaption.InflateRect(2, 0);
    ::SetTextColor(hDC, clrOld);
    ::SetBkMode(hDC, nOldMode);
    ::SelectObject(hDC, hOldFont);
}

void CExtGroupBox::PaintGroupBox(CDC& dc, const CRect& rcFrame)
{
    CRect rc(rcFrame);
    COLORREF clrShadow = PMColor(COLOR_3DSHADOW, this);
    COLORREF clrWindow = PMColor(COLOR_WINDOW, this);
    switch (m_nStyle)
    {
    case kStyleRounded:
    {
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, clrShadow);
        HDC hDC = dc.GetSafeHdc();
        HGDIOBJ hOldBrush = ::SelectObject(hDC, ::GetStockObject(HOLLOW_BRUSH));
        HGDIOBJ hOldPen = ::SelectObject(hDC, pen.GetSafeHandle());
        ::RoundRect(hDC, rc.left, rc.top, rc.right, rc.bottom, 10, 10);
        ::SelectObject(hDC, hOldPen);
        ::SelectObject(hDC, hOldBrush);
        break;
    }
    case kStyleFlat: dc.Draw3dRect(&rc, clrShadow, clrShadow); break;
    case kStyleHeaderBand:
    {
        ::GetClientRect(m_hWnd, &rc);
        dc.Draw3dRect(&rc, clrShadow, clrShadow);
        dc.FillSolidRect(rc.left, rc.top, rc.Width(), m_nBandHeight, clrShadow);
        CString sText;
        GetWindowText(sText);
        if (sText.IsEmpty())
            break;
        UINT nFlags = m_nCaptionAlign == kAlignRight ? DT_RIGHT : m_nCaptionAlign == kAlignCenter ? DT_CENTER : DT_LEFT;
        if (sText.Find(L'\t') >= 0)
            nFlags |= DT_EXPANDTABS;
        nFlags |= DT_VCENTER | DT_END_ELLIPSIS;
        LOGFONTW lf;
        ::ZeroMemory(&lf, sizeof(lf));
        ::GetObjectW(ExtQueryControlFont(m_hWnd), sizeof(lf), &lf);
        lf.lfWeight = FW_BOLD;
        HFONT hBold = ::CreateFontIndirectW(&lf);
        HDC hDC = dc.GetSafeHdc();
        HGDIOBJ hOldFont = ::SelectObject(hDC, hBold != nullptr ? (HGDIOBJ)hBold : ::GetStockObject(SYSTEM_FONT));
        int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
        COLORREF clrOld = ::SetTextColor(hDC, clrWindow);
        CRect rcMeasure = CExtPaintManager::MeasureText(dc, hBold, sText);
        CRect rcText(5, (m_nBandHeight - rcMeasure.Height()) / 2, rc.right - 4, rc.bottom);
        ::DrawTextW(hDC, sText, -1, &rcText, nFlags);
        ::SetTextColor(hDC, clrOld);
        ::SetBkMode(hDC, nOldMode);
        ::SelectObject(hDC, hOldFont);
        if (hBold != nullptr)
            ::DeleteObject(hBold);
        break;
    }
    default:
        dc.Draw3dRect(&rc, clrShadow, clrWindow);
        rc.DeflateRect(1, 1);
        dc.Draw3dRect(&rc, clrWindow, clrShadow);
        break;
    }
}

// Group boxes among the siblings are left alone: two overlapping boxes would otherwise keep
// redrawing each other.
static bool IsGroupBoxWindow(HWND hWnd)
{
    wchar_t szClass[16] = {};
    ::GetClassNameW(hWnd, szClass, 16);
    return ::lstrcmpiW(szClass, L"button") == 0 && (::GetWindowLongW(hWnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

void CExtGroupBox::RedrawSiblingsOnTop()
{
    HWND hWndParent = ::GetParent(m_hWnd);
    if (hWndParent == nullptr)
        return;
    CRect rcBox;
    ::GetClientRect(m_hWnd, &rcBox);
    ::MapWindowPoints(m_hWnd, nullptr, (LPPOINT)&rcBox, 2);
    for (HWND hWnd = ::GetWindow(hWndParent, GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (hWnd == m_hWnd || IsGroupBoxWindow(hWnd))
            continue;
        CRect rcWnd, rcCommon;
        ::GetWindowRect(hWnd, &rcWnd);
        if (rcCommon.IntersectRect(&rcWnd, &rcBox))
            ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

void CExtGroupBox::DoPaint(CDC& dc, const CRect& rcClient)
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    bool bPainted = false;
    if (pPM->IsDockerGradientAvailable(this))
    {
        CExtPaintManager::ExcludeChildAreas(dc.GetSafeHdc(), m_hWnd);
        bPainted = pPM->PaintDockerBackground(true, dc, this);
    }
    if (!bPainted)
        dc.FillSolidRect(&rcClient, pPM->GetTranslatedColor(XCLR_FACE_NORMAL, this));
    int nOldMode = dc.SetBkMode(TRANSPARENT);
    CRect rcFrame(rcClient);
    CString sText;
    GetWindowText(sText);
    if (!sText.IsEmpty())
    {
        UINT nFlags = DT_VCENTER | DT_END_ELLIPSIS;
        if (sText.Find(L'\t') >= 0)
            nFlags |= DT_EXPANDTABS;
        CRect rcCaption(9, 0, rcClient.right - 9, rcClient.bottom);
        PaintCaption(dc, rcCaption, sText, nFlags, ::IsWindowEnabled(m_hWnd) != FALSE);
        dc.ExcludeClipRect(&rcCaption);
        rcFrame.top += rcCaption.Height() / 2;
    }
    else
        rcFrame.top += 6;
    PaintGroupBox(dc, rcFrame);
    dc.SetBkMode(nOldMode);
    pPM->EndPaintSession(this);
}

void CExtGroupBox::OnPaint()
{
    CRect rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    CPaintDC dcPaint(this);
    {
        CExtMemoryDC dc(&dcPaint, &rcClient, CExtMemoryDC::MemDcBuffer | CExtMemoryDC::MemDcFillBackground);
        DoPaint(dc, rcClient);
    }
    RedrawSiblingsOnTop();
}

LRESULT CExtGroupBox::OnPrintClient(HDC hDC)
{
    CRect rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    const int nSaved = ::SaveDC(hDC);
    DoPaint(*CDC::FromHandle(hDC), rcClient);
    ::RestoreDC(hDC, nSaved);
    return 0;
}

LRESULT CExtGroupBox::OnStateChange(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The system's button paints its own group box at once for these; hidden from painting meanwhile, the
    // box keeps its look on the screen until its own paint, which the invalidation brings.
    const bool bVisible = (::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
    if (bVisible)
        ::DefWindowProcW(m_hWnd, WM_SETREDRAW, FALSE, 0);
    LRESULT lResult = CButton::WindowProc(message, wParam, lParam);
    if (bVisible)
        ::DefWindowProcW(m_hWnd, WM_SETREDRAW, TRUE, 0);
    CExtControlHelpers::InvalidateWithParentArea(m_hWnd);
    return lResult;
}

LRESULT CExtGroupBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: return OnPrintClient((HDC)wParam);
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_UPDATEUISTATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return OnStateChange(message, wParam, lParam);
    default: break;
    }
    return CButton::WindowProc(message, wParam, lParam);
}
