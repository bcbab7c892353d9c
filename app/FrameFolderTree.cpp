// CFrameFolderTree: the frame's own window procedure of the folder tree.
#include "app/FrameFolderTree.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <algorithm>

CFrameFolderTree::CFrameFolderTree() {}

LRESULT CFrameFolderTree::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_NCCALCSIZE:
    {
        RECT* pRect = reinterpret_cast<RECT*>(lParam);
        ::InflateRect(pRect, -1, -1);
        return 0;
    }
    case WM_NCPAINT: PaintFrame(); return 0;
    case WM_ERASEBKGND: return 0;
    case WM_PAINT: PaintBuffered(); return 1;
    case WM_SIZEPARENT: return OnSizeParentStrip(lParam);
    default: return CFolderTreeCtrl::WindowProc(message, wParam, lParam);
    }
}

void CFrameFolderTree::PaintFrame()
{
    CRect rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    if (rcWindow == rcClient)
        return;
    rcClient.OffsetRect(-rcWindow.TopLeft());
    rcWindow.OffsetRect(-rcWindow.TopLeft());
    CWindowDC dc(this);
    dc.ExcludeClipRect(&rcClient);
    if (CExtPaintManager* pPM = g_PaintManagerHolder.GetPM())
        pPM->PaintControlAreaRect(dc, rcWindow, this, 0);
}

void CFrameFolderTree::PaintBuffered()
{
    CPaintDC dcPaint(this);
    CExtPaintManager::ExcludeChildAreas(dcPaint.GetSafeHdc(), m_hWnd);
    CRect rcClient;
    GetClientRect(&rcClient);
    CExtMemoryDC dc(&dcPaint, &rcClient);
    // The tree erases and paints into the buffer; the buffer reaches the screen in one copy.
    DefWindowProc(WM_ERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);
    DefWindowProc(WM_PRINTCLIENT, (WPARAM)dc.GetSafeHdc(), PRF_CLIENT);
}

LRESULT CFrameFolderTree::OnSizeParentStrip(LPARAM lParam)
{
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CRect rect(lpLayout->rect);
    rect.right = std::min<LONG>(rect.right, rect.left + kStripWidth);
    lpLayout->rect.left = rect.right;
    lpLayout->sizeTotal.cx += rect.Width();
    lpLayout->sizeTotal.cy = std::max(lpLayout->sizeTotal.cy, (LONG)rect.Height());
    AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}
