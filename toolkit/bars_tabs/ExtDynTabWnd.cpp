// CExtDynTabWnd: class record.
#include "toolkit/bars_tabs/ExtDynTabWnd.h"

IMPLEMENT_DYNCREATE(CExtDynTabWnd, CExtTabWnd)

CExtDynTabWnd::CExtDynTabWnd() {}

CExtDynTabWnd::~CExtDynTabWnd() {}

void CExtDynTabWnd::RemoveTemporaryItems(bool bUpdate) { (void)bUpdate; }

int CExtDynTabWnd::ItemHitTestScreen(int x, int y) const
{
    (void)x;
    (void)y;
    return -1;
}

CExtControlBar* CExtDynTabWnd::GetBarAt(int nIndex, bool bSkipTemporary) const
{
    (void)nIndex;
    (void)bSkipTemporary;
    return nullptr;
}

void CExtDynTabWnd::InsertBar(CExtControlBar* pBar, int nIndex, bool bTemporary, bool bUpdate)
{
    (void)pBar;
    (void)nIndex;
    (void)bTemporary;
    (void)bUpdate;
}
