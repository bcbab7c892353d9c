// The floating frame of docked bars.
#include "platform/Platform.h"
#include "platform/MiniDockFrameWnd.h"
#include "platform/DockContext.h"

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
ON_WM_CLOSE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONDBLCLK()
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle, LPCRECT lpPlace)
{
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_MOVEFRAME | MFS_4THICKFRAME | MFS_SYNCACTIVE |
                    MFS_BLOCKSYSMENU | FWS_SNAPTOBARS;
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
        dwStyle = (dwStyle & ~(MFS_MOVEFRAME | MFS_4THICKFRAME)) | MFS_THICKFRAME;
    const CRect rect = lpPlace != nullptr ? CRect(*lpPlace) : CRect(0, 0, 0, 0);
    if (!CMiniFrameWnd::CreateEx(0, nullptr, nullptr, dwStyle, rect, pParent))
        return FALSE;
    m_wndDockBar.m_pDockSite = pParent != nullptr && pParent->IsFrameWnd() ? static_cast<CFrameWnd*>(pParent)
                               : pParent != nullptr                        ? pParent->GetParentFrame()
                                                                           : nullptr;
    if (!m_wndDockBar.Create(this, dwBarStyle & (CBRS_ALIGN_ANY | CBRS_SIZE_DYNAMIC | CBRS_SIZE_FIXED), kDockBarId))
        return FALSE;
    // Listed in the dock site (found by id there) and in this frame.
    AddControlBar(&m_wndDockBar);
    return TRUE;
}

CRect CMiniDockFrameWnd::CalcRectAround(CPoint ptPlace, CControlBar* pBar, DWORD dwBarStyle)
{
    (void)pBar;
    (void)dwBarStyle;
    return CRect(ptPlace, CSize(0, 0));
}

void CMiniDockFrameWnd::CalcBorders(CRect& rect, DWORD dwStyle)
{
    ::AdjustWindowRectEx(&rect, WS_POPUP | dwStyle, FALSE, WS_EX_TOOLWINDOW);
}

void CMiniDockFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout)
        return;
    // A frame with no bar shown is hidden: it keeps the size it was made at for the bar it is made for.
    if (m_wndDockBar.m_hWnd == nullptr || m_wndDockBar.GetDockedVisibleCount() == 0)
        return;
    CMiniFrameWnd::RecalcLayout(bNotify);
    CString title, current;
    m_wndDockBar.GetWindowText(title);
    GetWindowText(current);
    if (title != current)
        SetWindowText(title);
}

CControlBar* CMiniDockFrameWnd::GetFirstBar() const
{
    for (int i = 0; i < m_wndDockBar.m_arrBars.GetSize(); i++)
        if (CControlBar* pBar = m_wndDockBar.GetDockedControlBar(i))
            return pBar;
    return nullptr;
}

void CMiniDockFrameWnd::OnClose()
{
    // Closing a floating frame hides its bars; the frame goes with the last of them.
    CFrameWnd* pSite = m_wndDockBar.m_pDockSite;
    for (int i = 0; i < m_wndDockBar.m_arrBars.GetSize(); i++)
    {
        CControlBar* pBar = m_wndDockBar.GetDockedControlBar(i);
        if (pBar == nullptr)
            continue;
        if (pSite != nullptr)
            pSite->ShowControlBar(pBar, FALSE, FALSE);
        else
            pBar->ShowWindow(SW_HIDE);
    }
    if (m_wndDockBar.GetDockedVisibleCount() == 0)
        ShowWindow(SW_HIDE);
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetFirstBar();
    if (nHitTest == HTCAPTION && !(m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI) && pBar != nullptr &&
        pBar->m_pDockContext != nullptr)
    {
        ActivateTopParent();
        pBar->m_pDockContext->StartDrag(point);
        return; // the frame may be gone now
    }
    if (nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT && pBar != nullptr && pBar->m_pDockContext != nullptr &&
        (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC))
    {
        pBar->m_pDockContext->StartResize((int)nHitTest, point);
        return;
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetFirstBar();
    if (nHitTest == HTCAPTION && !(m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI) && pBar != nullptr &&
        pBar->m_pDockContext != nullptr)
    {
        pBar->m_pDockContext->ToggleDocking();
        return; // the frame may be gone now
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}

CFrameWnd* CMiniDockFrameWnd::GetFamilyFrame()
{
    return m_wndDockBar.m_pDockSite != nullptr ? m_wndDockBar.m_pDockSite : this;
}
