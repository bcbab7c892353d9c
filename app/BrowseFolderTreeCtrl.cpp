// CBrowseFolderTreeCtrl and CBrowseFolderProgressTreeCtrl: the feedback drawn while a folder loads.
#include "app/BrowseFolderTreeCtrl.h"

#include <algorithm>
#include <cmath>

CBrowseFolderTreeCtrl::CBrowseFolderTreeCtrl() : m_hBackground(nullptr), m_nFrame(0), m_hCursor(nullptr) {}

CBrowseFolderTreeCtrl::~CBrowseFolderTreeCtrl()
{
    if (m_hBackground != nullptr)
        ::DeleteObject(m_hBackground);
}

void CBrowseFolderTreeCtrl::PreAnimation(HTREEITEM)
{
    m_nFrame = 0;
    m_rcPicture = GetFeedbackRect();
    COLORREF clr = GetBkColor();
    if (clr == CLR_NONE)
        clr = ::GetSysColor(COLOR_WINDOW);
    m_hBackground = ::CreateSolidBrush(clr);
    if (m_bShowFeedback)
    {
        HDC hDC = ::GetDC(m_hWnd);
        DrawFrame(hDC);
        ::ReleaseDC(m_hWnd, hDC);
    }
}

void CBrowseFolderTreeCtrl::DrawFrame(HDC hDC)
{
    if (m_rcPicture.IsRectEmpty())
        return;
    if (m_hCursor != nullptr)
        ::DrawIconEx(hDC, m_rcPicture.left, m_rcPicture.top, m_hCursor, m_rcPicture.Width(), m_rcPicture.Height(),
                     (UINT)m_nFrame, m_hBackground, DI_NORMAL);
    else
        ::FillRect(hDC, &m_rcPicture, m_hBackground);
}

void CBrowseFolderTreeCtrl::DoAnimation(BOOL bTimerTick, int, int)
{
    if (!bTimerTick)
        return;
    m_nFrame = (m_nFrame + 1) % kFrameCount;
    HDC hDC = ::GetDC(m_hWnd);
    DrawFrame(hDC);
    ::ReleaseDC(m_hWnd, hDC);
}

void CBrowseFolderTreeCtrl::PostAnimation()
{
    if (m_hBackground != nullptr)
        ::DeleteObject(m_hBackground);
    m_hBackground = nullptr;
}

// ---------------------------------------------------------------------------------------------

CBrowseFolderProgressTreeCtrl::CBrowseFolderProgressTreeCtrl() : m_hFrameBrush(nullptr), m_hFillBrush(nullptr) {}

CBrowseFolderProgressTreeCtrl::~CBrowseFolderProgressTreeCtrl() { PostAnimation(); }

int CBrowseFolderProgressTreeCtrl::GetFilledWidth(int nTotal, int nCurrent)
{
    if (nTotal > 0)
        return nCurrent * kBarWidth / nTotal;
    const double x = nCurrent;
    const double e2 = std::exp(2.0);
    return (int)(kBarWidth * (1.0 + 0.2 * x - 0.5 * std::log(std::exp(0.4 * x) + e2 - 1.0)));
}

void CBrowseFolderProgressTreeCtrl::PreAnimation(HTREEITEM hPlaceholder)
{
    CBrowseFolderTreeCtrl::PreAnimation(hPlaceholder);
    m_hFrameBrush = ::CreateSolidBrush(RGB(0, 0, 0));
    m_hFillBrush = ::CreateSolidBrush(RGB(255, 0, 0));
    // Right of the picture, as high as the picture less 3 pixels above and below.
    m_rcBar.SetRectEmpty();
    if (!m_rcPicture.IsRectEmpty())
        m_rcBar.SetRect(m_rcPicture.right + 3, m_rcPicture.top + 3, m_rcPicture.right + 3 + kBarWidth + 2,
                        m_rcPicture.bottom - 3);
}

void CBrowseFolderProgressTreeCtrl::DoAnimation(BOOL bTimerTick, int nTotal, int nCurrent)
{
    CBrowseFolderTreeCtrl::DoAnimation(bTimerTick, nTotal, nCurrent);
    if (bTimerTick || m_rcBar.IsRectEmpty())
        return;
    HDC hDC = ::GetDC(m_hWnd);
    ::FrameRect(hDC, &m_rcBar, m_hFrameBrush);
    CRect rcInside = m_rcBar;
    rcInside.DeflateRect(1, 1);
    ::FillRect(hDC, &rcInside, m_hBackground);
    CRect rcFill = rcInside;
    rcFill.right = rcFill.left + std::max(0, std::min((int)kBarWidth, GetFilledWidth(nTotal, nCurrent)));
    ::FillRect(hDC, &rcFill, m_hFillBrush);
    ::ReleaseDC(m_hWnd, hDC);
}

void CBrowseFolderProgressTreeCtrl::PostAnimation()
{
    if (m_hFrameBrush != nullptr)
        ::DeleteObject(m_hFrameBrush);
    if (m_hFillBrush != nullptr)
        ::DeleteObject(m_hFillBrush);
    m_hFrameBrush = m_hFillBrush = nullptr;
    CBrowseFolderTreeCtrl::PostAnimation();
}
