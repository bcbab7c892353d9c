// Stand-in: class record and the members read so far.
// CExtDynTabWnd: the tab strip of tabbed dynamic bars (its strip shows the frame's docker gradient); so far its
// runtime class.
#pragma once
#include "toolkit/bars_tabs/ExtTabWnd.h"

class CExtControlBar;

class CExtDynTabWnd : public CExtTabWnd
{
    DECLARE_DYNCREATE(CExtDynTabWnd)
public:
    CExtDynTabWnd();
    ~CExtDynTabWnd() override;

    // Temporary tabs of a bar dragged over the group; these do nothing until the strip holds bars.
    void RemoveTemporaryItems(bool bUpdate = true);
    // The tab at the screen point, -1 when no tab is there.
    int ItemHitTestScreen(int x, int y) const;
    // The bar of the tab, NULL for a temporary tab when bSkipTemporary is set.
    CExtControlBar* GetBarAt(int nIndex, bool bSkipTemporary) const;
    void InsertBar(CExtControlBar* pBar, int nIndex, bool bTemporary, bool bUpdate);
};
