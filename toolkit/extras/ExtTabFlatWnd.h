// Stand-in: class record and the members read so far.
// CExtTabFlatWnd: the flat tab strip.
#pragma once
#include "toolkit/bars_tabs/ExtTabWnd.h"

class CExtTabFlatWnd : public CExtTabWnd
{
    DECLARE_DYNCREATE(CExtTabFlatWnd)
public:
    CExtTabFlatWnd();
    ~CExtTabFlatWnd() override;
};
