// Stand-in: class record and the members read so far.
// CExtTabMdiWnd: the MDI tab window, a tab strip of the MDI children; so far its MDI answer.
#pragma once
#include "toolkit/bars_tabs/ExtTabWnd.h"

class CExtTabMdiWnd : public CExtTabWnd
{
    DECLARE_DYNCREATE(CExtTabMdiWnd)
public:
    CExtTabMdiWnd();
    ~CExtTabMdiWnd() override;

    bool IsMdiTabWindow() const override;
};
