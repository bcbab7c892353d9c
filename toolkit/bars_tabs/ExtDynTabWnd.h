// Stand-in: class record and the members read so far.
// CExtDynTabWnd: the tab strip of tabbed dynamic bars (its strip shows the frame's docker gradient); so far its
// runtime class.
#pragma once
#include "toolkit/bars_tabs/ExtTabWnd.h"

class CExtDynTabWnd : public CExtTabWnd
{
    DECLARE_DYNCREATE(CExtDynTabWnd)
public:
    CExtDynTabWnd();
    ~CExtDynTabWnd() override;
};
