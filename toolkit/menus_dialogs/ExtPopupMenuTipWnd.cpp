// CExtPopupMenuTipWnd: creation, layout with flipping at the monitor's edges, the region of body
// and tail, and painting.
#include "toolkit/menus_dialogs/ExtPopupMenuTipWnd.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CExtPopupMenuTipWnd, CExtPopupBaseWnd)

namespace
{
// The system's shared information icon; loading it asks the display for the icon size each time.
HICON InformationIcon()
{
    static const HICON s_hIcon = ::LoadIconW(nullptr, (LPCWSTR)IDI_INFORMATION);
    return s_hIcon;
}
} // namespace

CExtPopupMenuTipWnd::CExtPopupMenuTipWnd()
    : m_nIconWidth(16), m_nIconHeight(16), m_hIcon(InformationIcon()), m_nTipFlags(0), m_rcItem(0, 0, 0, 0),
      m_rcBody(0, 0, 0, 0)
{
    m_nAnimationKind = ANIM_NONE;
    m_nAnimFlags |= ANIM_FLAG_FINISHED;
}

CExtPopupMenuTipWnd::~CExtPopupMenuTipWnd()
{
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

void CExtPopupMenuTipWnd::SetText(LPCTSTR lpszText)
{
    m_sText = lpszText != nullptr ? lpszText : L"";
    m_sText.TrimLeft();
    m_sText.TrimRight();
}

CSize CExtPopupMenuTipWnd::CalcLayout(CDC& dc, CRgn& rgn, const CPoint& ptTail)
{
    CRect rcText(0, 0, 0, 0);
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), (HFONT)g_PaintManagerHolder->m_fontNormal);
    if (!m_sText.IsEmpty())
        ::DrawTextW(dc.GetSafeHdc(), m_sText, m_sText.GetLength(), &rcText, DT_CALCRECT | DT_LEFT | DT_NOPREFIX);
    ::SelectObject(dc.GetSafeHdc(), hOldFont);
    CSize size(rcText.Width() + 2 * MARGIN_X, rcText.Height() + 2 * MARGIN_Y);
    if (m_hIcon != nullptr)
    {
        size.cx += m_nIconWidth + ICON_GAP;
        size.cy = std::max<int>(size.cy, m_nIconHeight + 2 * MARGIN_Y);
    }
    size.cy += TAIL_HEIGHT;

    // Flip at the monitor's edges.
    CExtPaintManager::MonitorParms mp;
    CExtPaintManager::GetMonitorParmsFromWnd(mp, GetParent());
    const CRect rcArea = CExtPopupMenuWnd::g_bFitToWorkArea ? mp.m_rcWorkArea : mp.m_rcMonitor;
    m_nTipFlags = 0;
    if (ptTail.x - size.cx + MARGIN_X < rcArea.left)
        m_nTipFlags |= TIP_FLAG_FLIP_RIGHT;
    if (ptTail.y - size.cy + MARGIN_Y < rcArea.top)
        m_nTipFlags |= TIP_FLAG_FLIP_BELOW;

    const bool bRight = (m_nTipFlags & TIP_FLAG_FLIP_RIGHT) != 0;
    const bool bBelow = (m_nTipFlags & TIP_FLAG_FLIP_BELOW) != 0;
    m_rcBody.SetRect(0, bBelow ? TAIL_HEIGHT : 0, size.cx, size.cy - (bBelow ? 0 : TAIL_HEIGHT));
    // Tail points 37, 25 and 15 pixels from the right and bottom edges, mirrored when flipped.
    auto mx = [&](int nFromRight) { return bRight ? nFromRight : size.cx - nFromRight; };
    POINT pts[3];
    if (!bBelow)
    {
        pts[0] = {mx(37), m_rcBody.bottom - 1};
        pts[1] = {mx(25), size.cy};
        pts[2] = {mx(15), m_rcBody.bottom - 1};
    }
    else
    {
        pts[0] = {mx(37), m_rcBody.top + 1};
        pts[1] = {mx(25), 0};
        pts[2] = {mx(15), m_rcBody.top + 1};
    }
    CRgn rgnBody, rgnTail;
    rgnBody.CreateRoundRectRgn(m_rcBody.left, m_rcBody.top, m_rcBody.right, m_rcBody.bottom, 12, 10);
    rgnTail.CreatePolygonRgn(pts, 3, WINDING);
    rgn.CreateRectRgn(0, 0, 0, 0);
    rgn.CombineRgn(&rgnBody, &rgnTail, RGN_OR);
    return size;
}

bool CExtPopupMenuTipWnd::ShowTip(CWnd* pWndParent, const CRect& rcItemScreen)
{
    if (GetSafeHwnd() == nullptr)
    {
        LPCTSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW),
                                                (HBRUSH)(COLOR_BTNFACE + 1), nullptr);
        if (!CreateEx(WS_EX_TOPMOST, lpszClass, L"", WS_POPUP, CRect(0, 0, 0, 0), pWndParent, 0))
            return false;
    }
    m_rcItem = rcItemScreen;
    m_rcItem.NormalizeRect();
    CPoint pt(m_rcItem.left + 6, m_rcItem.top + 6);
    CRgn rgn;
    CSize size;
    {
        CClientDC dc(this);
        size = CalcLayout(dc, rgn, pt);
    }
    ::SetWindowRgn(GetSafeHwnd(), (HRGN)rgn.Detach(), TRUE);
    if ((m_nTipFlags & TIP_FLAG_FLIP_RIGHT) != 0)
        pt.x += m_rcItem.Width() + size.cx - 36;
    if ((m_nTipFlags & TIP_FLAG_FLIP_BELOW) != 0)
        pt.y += m_rcItem.Height() + size.cy - 36;
    SetWindowPos(&CWnd::wndTopMost, pt.x - size.cx + MARGIN_X, pt.y - size.cy + MARGIN_Y, size.cx, size.cy,
                 SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    ::SetCursor(::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW));
    SetTimer(ID_TIMER_TIP_DELAY, TIP_DELAY_MS, nullptr);
    return true;
}

void CExtPopupMenuTipWnd::HideTip()
{
    if (GetSafeHwnd() != nullptr)
    {
        KillTimer(ID_TIMER_TIP_DELAY);
        ShowWindow(SW_HIDE);
    }
    m_rcItem.SetRectEmpty();
}

void CExtPopupMenuTipWnd::PaintMenu(CDC& dc, bool bUseBackBuffer)
{
    (void)bUseBackBuffer;
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    HDC hDC = dc.GetSafeHdc();
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    if (::GetWindowRgn(GetSafeHwnd(), hRgn) == ERROR)
    {
        CRect rc;
        GetClientRect(&rc);
        ::SetRectRgn(hRgn, rc.left, rc.top, rc.right, rc.bottom);
    }
    HBRUSH hBkgnd = ::CreateSolidBrush(pPM->GetTranslatedColor(COLOR_INFOBK));
    HBRUSH hFrame = ::CreateSolidBrush(pPM->GetTranslatedColor(COLOR_3DDKSHADOW));
    ::FillRgn(hDC, hRgn, hBkgnd);
    ::FrameRgn(hDC, hRgn, hFrame, 1, 1);
    ::DeleteObject(hBkgnd);
    ::DeleteObject(hFrame);
    ::DeleteObject(hRgn);

    CRect rcText(m_rcBody);
    rcText.DeflateRect(MARGIN_X, MARGIN_Y);
    if (m_hIcon != nullptr)
    {
        ::DrawIconEx(hDC, m_rcBody.left + MARGIN_X, rcText.top, m_hIcon, m_nIconWidth, m_nIconHeight, 0, nullptr,
                     DI_NORMAL);
        rcText.left += m_nIconWidth + ICON_GAP;
    }
    if (!m_sText.IsEmpty())
    {
        HGDIOBJ hOldFont = ::SelectObject(hDC, (HFONT)pPM->m_fontNormal);
        const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
        const COLORREF clrOld = ::SetTextColor(hDC, pPM->GetTranslatedColor(COLOR_INFOTEXT));
        ::DrawTextW(hDC, m_sText, m_sText.GetLength(), &rcText, DT_LEFT | DT_NOPREFIX);
        ::SetTextColor(hDC, clrOld);
        ::SetBkMode(hDC, nOldMode);
        ::SelectObject(hDC, hOldFont);
    }
}
