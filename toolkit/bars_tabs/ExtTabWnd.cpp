// CExtTabWnd: class record and the MDI-tab query.
#include "toolkit/bars_tabs/ExtTabWnd.h"

IMPLEMENT_DYNCREATE(CExtTabWnd, CWnd)

CExtTabWnd::CExtTabWnd() {}

CExtTabWnd::~CExtTabWnd() {}

bool CExtTabWnd::IsMdiTabWindow() const { return false; }

int CExtTabWnd::ItemInsert(LPARAM lParam, DWORD dwStyle)
{
    TAB_ITEM_INFO info;
    info.m_dwItemStyle = dwStyle;
    info.m_lParam = lParam;
    return (int)m_arrItems.Add(info);
}

void CExtTabWnd::ItemRemove(int nIndex, int nCount, bool bUpdate)
{
    (void)bUpdate;
    if (nIndex < 0 || nIndex >= ItemGetCount() || nCount <= 0)
        return;
    if (nIndex + nCount > ItemGetCount())
        nCount = ItemGetCount() - nIndex;
    m_arrItems.RemoveAt(nIndex, nCount);
    if (m_nSelIndex >= nIndex + nCount)
        m_nSelIndex -= nCount;
    else if (m_nSelIndex >= nIndex)
        m_nSelIndex = -1;
}

int CExtTabWnd::ItemFindByLParam(LPARAM lParam, int nStart, bool bExcludeHidden, bool bUnused) const
{
    (void)bUnused;
    for (int i = nStart + 1; i < ItemGetCount(); ++i)
    {
        if (bExcludeHidden && (m_arrItems[i].m_dwItemStyle & TAB_ITEM_INFO::kHidden) != 0)
            continue;
        if (m_arrItems[i].m_lParam == lParam)
            return i;
    }
    return -1;
}

int CExtTabWnd::SelectionSet(int nIndex, bool bEnsureVisible, bool bUpdate)
{
    (void)bEnsureVisible;
    (void)bUpdate;
    const int nOld = m_nSelIndex;
    if (nIndex < -1 || nIndex >= ItemGetCount())
        return nOld;
    if (nOld >= 0)
        m_arrItems[nOld].m_dwItemStyle &= ~TAB_ITEM_INFO::kSelected;
    m_nSelIndex = nIndex;
    if (nIndex >= 0)
        m_arrItems[nIndex].m_dwItemStyle |= TAB_ITEM_INFO::kSelected;
    return nOld;
}
