// CExtPopupMenuWnd: window size, item rectangles, the visible-item list, hit testing and the
// placement of the window on the monitor, joined with its owner when combined.
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>

typedef CExtPopupMenuWnd::MENUITEMDATA MENUITEMDATA;

void CExtPopupMenuWnd::CalcWindowSize(CSize& size) const
{
    const int nShadow = GetShadowSize();
    const int nFrame = nShadow + 2 * GetMenuBorderSize();
    size.cx = m_nContentWidth + m_nLeftAreaWidth + nFrame;
    size.cy = m_nContentHeight + nFrame;
    if (HasHiddenItems())
        size.cy += g_PaintManagerHolder->GetMenuCheckMarkWidth();
    const int nMin = 2 * nShadow + 10;
    size.cx = std::max<int>(size.cx, nMin);
    size.cy = std::max<int>(size.cy, nMin);
    size.cy += 1;
}

void CExtPopupMenuWnd::GetItemRect(int nIndex, CRect& rcItem, bool bInner) const
{
    rcItem.SetRectEmpty();
    if (nIndex == AREA_SCROLL_UP || nIndex == AREA_SCROLL_DOWN)
    {
        if (IsScrollingOn())
            rcItem = nIndex == AREA_SCROLL_UP ? m_rcScrollUp : m_rcScrollDown;
        return;
    }
    if (nIndex == AREA_EXPAND)
    {
        if (HasHiddenItems())
        {
            rcItem = m_rcExpandButton;
            if (bInner)
                rcItem.DeflateRect(1, 1);
        }
        return;
    }
    if (nIndex < 0 || nIndex >= GetItemCount() || !m_items[nIndex].IsDisplayed())
        return;
    int nLastDisplayed = -1;
    for (int i = GetItemCount() - 1; i >= 0 && nLastDisplayed < 0; --i)
        if (m_items[i].IsDisplayed())
            nLastDisplayed = i;

    CRect rcClient = GetPopupClientRect();
    rcClient.left += m_nLeftAreaWidth;
    const int nBorder = GetMenuBorderSize();
    int nTop = rcClient.top + nBorder + m_nScrollPos + 1;
    for (int i = 0; i < nIndex; ++i)
        if (m_items[i].IsDisplayed())
            nTop += m_items[i].GetFullHeight();
    const MENUITEMDATA& mi = m_items[nIndex];
    const int nLastLess = nIndex == nLastDisplayed ? 1 : 0;
    rcItem.left = rcClient.left + nBorder;
    rcItem.right = rcItem.left + (mi.IsNoIconBox() ? mi.GetFullWidth() : m_nContentWidth);
    rcItem.top = nTop;
    rcItem.bottom = nTop + mi.GetFullHeight() - nLastLess;
    if (bInner)
    {
        rcItem.left += mi.GetMarginLeft();
        rcItem.right -= mi.GetMarginRight();
        rcItem.top += mi.GetMarginTop();
        rcItem.bottom -= mi.GetMarginBottom();
    }
}

void CExtPopupMenuWnd::GetItemEditRect(int nIndex, CRect& rcEdit) const
{
    rcEdit.SetRectEmpty();
    if (nIndex < 0 || nIndex >= GetItemCount() || !m_items[nIndex].IsInplaceEdit())
        return;
    const MENUITEMDATA& mi = m_items[nIndex];
    GetItemRect(nIndex, rcEdit, true);
    if (rcEdit.IsRectEmpty())
        return;
    rcEdit.DeflateRect(1, 2, 1, 2);
    rcEdit.left = rcEdit.right - mi.m_nInplaceEditWidth;
    if (mi.IsPopup())
        rcEdit.right -= ::GetSystemMetrics(SM_CXHTHUMB);
}

bool CExtPopupMenuWnd::IsAllItemsRarelyUsed() const
{
    for (int i = 0; i < GetItemCount(); ++i)
    {
        const MENUITEMDATA& mi = m_items[i];
        if (mi.IsSeparator())
            continue;
        if (mi.GetCmdID() != 0 && mi.m_pCbItemClick != nullptr)
            return false;
        if (mi.IsPopup())
        {
            if (mi.IsOwnItem() || mi.m_pWndChild == nullptr || !mi.m_pWndChild->IsAllItemsRarelyUsed())
                return false;
            continue;
        }
        if (!IsItemRarelyUsed(i))
            return false;
    }
    return true;
}

void CExtPopupMenuWnd::CollectVisibleItems(CDC* pDC, VisibleItemsList_t& list)
{
    list.RemoveAll();
    for (int i = 0; i < GetItemCount(); ++i)
    {
        const MENUITEMDATA& mi = m_items[i];
        if (!mi.IsDisplayed())
            continue;
        VisibleItemDefinition_t vi;
        GetItemRect(i, vi.m_rcItem, false);
        GetItemRect(i, vi.m_rcItemInner, true);
        if (vi.m_rcItem.IsRectEmpty() || vi.m_rcItemInner.IsRectEmpty())
            continue;
        if (pDC != nullptr && !pDC->RectVisible(&vi.m_rcItem))
            continue;
        vi.m_nIndex = i;
        vi.m_nCmdID = (UINT)mi.GetCmdID();
        if (mi.IsSeparator())
            vi.m_dwFlags |= VisibleItemDefinition_t::VIS_SEPARATOR;
        if (mi.IsPopup())
        {
            vi.m_dwFlags |= VisibleItemDefinition_t::VIS_POPUP;
            if (!mi.IsOwnItem() && mi.m_pWndChild != nullptr && mi.m_pWndChild->IsAllItemsRarelyUsed())
                vi.m_dwFlags |= VisibleItemDefinition_t::VIS_RARELY_USED;
        }
        else if (IsItemRarelyUsed(i))
        {
            vi.m_dwFlags |= VisibleItemDefinition_t::VIS_RARELY_USED;
        }
        list.Add(vi);
    }
    const bool bEmbedded = IsEmbeddedTracking();
    const int nCount = (int)list.GetSize();
    for (int i = 0; i < nCount; ++i)
    {
        VisibleItemDefinition_t& vi = list.ElementAt(i);
        const bool bPrevRare = i > 0 && (list[i - 1].m_dwFlags & VisibleItemDefinition_t::VIS_RARELY_USED) != 0;
        const bool bNextRare =
            i + 1 < nCount && (list[i + 1].m_dwFlags & VisibleItemDefinition_t::VIS_RARELY_USED) != 0;
        if (bPrevRare)
            vi.m_dwFlags |= VisibleItemDefinition_t::VIS_PREV_RARELY_USED;
        if (bNextRare)
            vi.m_dwFlags |= VisibleItemDefinition_t::VIS_NEXT_RARELY_USED;
        if (!bEmbedded && bPrevRare && bNextRare && (vi.m_dwFlags & VisibleItemDefinition_t::VIS_SEPARATOR) != 0)
            vi.m_dwFlags |= VisibleItemDefinition_t::VIS_RARELY_USED;
    }
}

int CExtPopupMenuWnd::ItemHitTest(const CPoint& ptClient, bool* pbInEditArea, bool* pbOnEditArrow)
{
    if (pbInEditArea != nullptr)
        *pbInEditArea = false;
    if (pbOnEditArrow != nullptr)
        *pbOnEditArrow = false;
    if (!GetPopupClientRect().PtInRect(ptClient))
        return -1;
    if (IsScrollingOn())
    {
        if (m_nScrollPos != 0 && m_rcScrollUp.PtInRect(ptClient))
            return AREA_SCROLL_UP;
        if (m_nScrollPos != GetMinScrollPos() && m_rcScrollDown.PtInRect(ptClient))
            return AREA_SCROLL_DOWN;
    }
    if (HasHiddenItems() && m_rcExpandButton.PtInRect(ptClient))
        return AREA_EXPAND;
    for (int i = 0; i < GetItemCount(); ++i)
    {
        if (!m_items[i].IsDisplayed())
            continue;
        CRect rcItem;
        GetItemRect(i, rcItem, true);
        if (!rcItem.PtInRect(ptClient))
            continue;
        if (m_items[i].IsInplaceEdit())
        {
            CRect rcEdit;
            GetItemEditRect(i, rcEdit);
            if (pbInEditArea != nullptr)
                *pbInEditArea = rcEdit.PtInRect(ptClient) != FALSE;
            if (pbOnEditArrow != nullptr && m_items[i].IsPopup())
            {
                CRect rcArrow(rcEdit.right, rcEdit.top, rcEdit.right + ::GetSystemMetrics(SM_CXHTHUMB), rcEdit.bottom);
                *pbOnEditArrow = rcArrow.PtInRect(ptClient) != FALSE;
            }
        }
        return i;
    }
    return -1;
}

// ---- placement ------------------------------------------------------------------------------------

CRect CExtPopupMenuWnd::PlaceAt(UINT nAlign, const CSize& size) const
{
    const bool bExclude = (m_nBaseFlags & BASE_FLAG_EXCLUDE_RECT) != 0;
    const bool bCombined = (m_nBaseFlags & BASE_FLAG_COMBINED) != 0;
    const int nShadow = GetShadowSize();
    CPoint pt = m_ptTrack;
    switch (nAlign)
    {
    case TRACK_ALIGN_RIGHT_OF:
        if (bExclude)
            pt = CPoint(m_rcExclude.right, m_rcExclude.top);
        break;
    case TRACK_ALIGN_CENTER_HORZ: pt.x -= size.cx / 2; break;
    case TRACK_ALIGN_LEFT_OF:
        if (bExclude)
            pt = CPoint(m_rcExclude.left - size.cx, m_rcExclude.top);
        break;
    case TRACK_ALIGN_BELOW:
        if (bExclude)
            pt = CPoint(m_rcExclude.left, m_rcExclude.bottom);
        break;
    case TRACK_ALIGN_CENTER_VERT: pt.y -= size.cy / 2; break;
    case TRACK_ALIGN_ABOVE:
        if (bExclude)
            pt = CPoint(m_rcExclude.left, m_rcExclude.top - size.cy);
        break;
    default: break;
    }
    CRect rc(pt, size);
    if (bCombined)
    {
        // The popup overlaps its owner by one pixel; the shadow stays outside the owner.
        if (nAlign == TRACK_ALIGN_BELOW)
            rc.OffsetRect(0, -1);
        else if (nAlign == TRACK_ALIGN_RIGHT_OF)
            rc.OffsetRect(-1, 0);
        else if (nAlign == TRACK_ALIGN_ABOVE)
            rc.OffsetRect(0, nShadow + 1);
        else if (nAlign == TRACK_ALIGN_LEFT_OF)
            rc.OffsetRect(nShadow + 1, 0);
    }
    return rc;
}

bool CExtPopupMenuWnd::CalcWindowRectPass(CRect& rcWindow, UINT& nAlign)
{
    const bool bExclude = (m_nBaseFlags & BASE_FLAG_EXCLUDE_RECT) != 0;
    const bool bCombined = (m_nBaseFlags & BASE_FLAG_COMBINED) != 0;
    const CRect& rcEx = m_rcExclude;

    CExtPaintManager::MonitorParms mp;
    if (bExclude)
        CExtPaintManager::GetMonitorParmsFromRect(mp, m_rcExclude);
    else if (m_pWndParentMenu != nullptr && m_pWndParentMenu->GetSafeHwnd() != nullptr)
        CExtPaintManager::GetMonitorParmsFromWnd(mp, m_pWndParentMenu);
    else
        CExtPaintManager::GetMonitorParmsFromPoint(mp, m_ptTrack);
    const CRect rcArea = g_bFitToWorkArea ? mp.m_rcWorkArea : mp.m_rcMonitor;

    CSize size;
    CalcWindowSize(size);
    const int nShadow = GetShadowSize();
    const int nCombinedShift = bCombined ? nShadow + 1 : 0;

    // A sub-menu opens on the side its parent opened to.
    if (m_pWndParentMenu != nullptr && !bCombined && nAlign == TRACK_ALIGN_AT_POINT &&
        m_pWndParentMenu->GetSafeHwnd() != nullptr &&
        (m_pWndParentMenu->m_nTrackFlags & TRACK_ALIGN_MASK) == TRACK_ALIGN_AT_POINT)
    {
        const CExtPopupMenuWnd* pGrand = m_pWndParentMenu->m_pWndParentMenu;
        if (pGrand != nullptr && pGrand->GetSafeHwnd() != nullptr)
        {
            CRect rcParent, rcGrand;
            m_pWndParentMenu->GetWindowRect(&rcParent);
            pGrand->GetWindowRect(&rcGrand);
            nAlign = rcParent.CenterPoint().x < rcGrand.CenterPoint().x ? TRACK_ALIGN_LEFT_OF : TRACK_ALIGN_RIGHT_OF;
        }
    }

    CRect rc = PlaceAt(nAlign, size);

    // Vertical fit.
    if (rc.bottom > rcArea.bottom)
    {
        if (bExclude)
            rc.OffsetRect(0, rcEx.top - rc.Height() + nCombinedShift - rc.top);
        if (rc.bottom > rcArea.bottom)
            rc.OffsetRect(0, rcArea.bottom - rc.bottom);
    }
    if (rc.top < rcArea.top)
        rc.OffsetRect(0, rcArea.top - rc.top);

    // Horizontal fit; sub-menus flip to the other side of their item.
    const bool bSubMenu = m_pWndParentMenu != nullptr;
    if (rc.right > rcArea.right)
    {
        if (bSubMenu && bExclude)
            rc.OffsetRect(rcEx.left - rc.Width() + nCombinedShift - rc.left, 0);
        if (rc.right > rcArea.right)
            rc.OffsetRect(rcArea.right - rc.right, 0);
        if (rc.left < rcArea.left)
            rc.OffsetRect(rcArea.left - rc.left, 0);
    }
    else if (rc.left < rcArea.left)
    {
        if (bSubMenu && bExclude)
            rc.OffsetRect(rcEx.right - (bCombined ? 1 : 0) - rc.left, 0);
        if (rc.left < rcArea.left)
            rc.OffsetRect(rcArea.left - rc.left, 0);
        if (rc.right > rcArea.right)
            rc.OffsetRect(rcArea.right - rc.right, 0);
    }

    // Still over the owner: move beside it where there is room.
    if (bExclude || bCombined)
    {
        CRect rcOwner(rcEx);
        if (bCombined)
            rcOwner.DeflateRect(1, 1);
        CRect rcPopup(rc.left, rc.top, rc.right - nShadow, rc.bottom - nShadow);
        CRect rcOverlap;
        if (rcOverlap.IntersectRect(&rcPopup, &rcOwner))
        {
            switch (nAlign)
            {
            case TRACK_ALIGN_RIGHT_OF:
                if (rcEx.right + rc.Width() <= rcArea.right)
                    rc.OffsetRect(rcEx.right - (bCombined ? 1 : 0) - rc.left, 0);
                break;
            case TRACK_ALIGN_LEFT_OF:
                if (rcEx.left - rc.Width() >= rcArea.left)
                    rc.OffsetRect(rcEx.left + nCombinedShift - rc.right, 0);
                break;
            case TRACK_ALIGN_BELOW:
                if (rcEx.bottom + rc.Height() > rcArea.bottom && GetSafeHwnd() != nullptr)
                {
                    CRect rcOld;
                    GetWindowRect(&rcOld);
                    if (IsWindowVisible())
                        ShowWindow(SW_HIDE);
                    StopAnimation();
                    MSG msg;
                    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                    {
                        if (msg.message == WM_QUIT)
                        {
                            ::PostQuitMessage((int)msg.wParam);
                            break;
                        }
                        ::TranslateMessage(&msg);
                        ::DispatchMessageW(&msg);
                    }
                    if (GetSafeHwnd() != nullptr)
                    {
                        HWND hWndParent = ::GetParent(GetSafeHwnd());
                        if (hWndParent != nullptr)
                        {
                            ::MapWindowPoints(nullptr, hWndParent, (LPPOINT)&rcOld, 2);
                            ::RedrawWindow(hWndParent, &rcOld, nullptr,
                                           RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
                        }
                    }
                    nAlign = TRACK_ALIGN_ABOVE;
                    return false;
                }
                break;
            case TRACK_ALIGN_ABOVE:
                if (rcEx.top - rc.Height() >= rcArea.top)
                    rc.OffsetRect(0, rcEx.top + nCombinedShift - rc.bottom);
                break;
            default: break;
            }
        }
    }

    // Final clamp; a top-level menu moved by it is no longer joined with its owner.
    bool bClamped = false;
    if (rc.right > rcArea.right)
    {
        rc.OffsetRect(rcArea.right - rc.right, 0);
        bClamped = true;
    }
    if (rc.left < rcArea.left)
    {
        rc.OffsetRect(rcArea.left - rc.left, 0);
        bClamped = true;
    }
    if (rc.bottom > rcArea.bottom)
    {
        rc.OffsetRect(0, rcArea.bottom - rc.bottom);
        bClamped = true;
    }
    if (rc.top < rcArea.top)
    {
        rc.OffsetRect(0, rcArea.top - rc.top);
        bClamped = true;
    }
    if (bClamped && IsTopLevel())
        m_nBaseFlags &= ~BASE_FLAG_COMBINED;
    if (rc.bottom > rcArea.bottom)
    {
        rc.bottom = rcArea.bottom;
        m_nStateFlags |= STATE_SCROLLING;
    }

    m_rgnWnd.DeleteObject();
    m_nCombinedSide = COMBINE_NONE;
    if ((m_nBaseFlags & BASE_FLAG_COMBINED) != 0)
    {
        int nSide = COMBINE_NONE;
        if (rc.bottom - (nShadow + 1) == rcEx.top)
            nSide = COMBINE_ABOVE;
        else if (rc.top + 1 == rcEx.bottom)
            nSide = COMBINE_BELOW;
        else if (rc.left + 1 == rcEx.right)
            nSide = COMBINE_RIGHT_OF;
        else if (rc.right - (nShadow + 1) == rcEx.left)
            nSide = COMBINE_LEFT_OF;
        bool bJoined = false;
        if (nSide != COMBINE_NONE)
        {
            CRect rcWnd;
            rcWnd.UnionRect(&rc, &rcEx);
            rcWnd.right += nShadow;
            rcWnd.bottom += nShadow;
            if (bSubMenu)
            {
                if (nSide == COMBINE_LEFT_OF)
                    rcWnd.right += nShadow;
                else if (nSide == COMBINE_RIGHT_OF)
                    rcWnd.left -= nShadow;
                else if (nSide == COMBINE_BELOW)
                    rcWnd.top -= nShadow;
                else
                    rcWnd.bottom += nShadow;
            }
            CRect rcPopupWnd(rc), rcOwnerWnd(rcEx);
            rcPopupWnd.OffsetRect(-rcWnd.left, -rcWnd.top);
            rcOwnerWnd.OffsetRect(-rcWnd.left, -rcWnd.top);
            CRgn rgnPopup, rgnOwner;
            if (rgnPopup.CreateRectRgnIndirect(&rcPopupWnd) && rgnOwner.CreateRectRgnIndirect(&rcOwnerWnd) &&
                m_rgnWnd.CreateRectRgn(0, 0, 0, 0) && m_rgnWnd.CombineRgn(&rgnPopup, &rgnOwner, RGN_OR) != ERROR)
            {
                m_nCombinedSide = nSide;
                m_rcClient = rcPopupWnd;
                m_rcClient.right -= nShadow;
                m_rcClient.bottom -= nShadow;
                rcWindow = rcWnd;
                bJoined = true;
            }
            else
            {
                m_rgnWnd.DeleteObject();
            }
        }
        if (!bJoined)
        {
            m_nBaseFlags &= ~BASE_FLAG_COMBINED;
            return false;
        }
        return true;
    }
    m_rcClient.SetRect(0, 0, rc.Width() - nShadow, rc.Height() - nShadow);
    rcWindow = rc;
    return true;
}

void CExtPopupMenuWnd::CalcWindowRect(CRect& rcWindow)
{
    UINT nAlign = m_nTrackFlags & TRACK_ALIGN_MASK;
    if (nAlign > TRACK_ALIGN_ABOVE)
        nAlign = TRACK_ALIGN_AT_POINT;
    // At most: one switch from below to above and one dropped combination.
    for (int nPass = 0; nPass < 4; ++nPass)
        if (CalcWindowRectPass(rcWindow, nAlign))
            return;
}
