// CExtTabMdiFlatWnd: the MDI tab window in the flat style: one flat tab per MDI child of its frame,
// docked to the frame's side with the flat strip's thickness.
#pragma once
#include "toolkit/bars_tabs/ExtTMWI.h"
#include "toolkit/extras/ExtTabFlatWnd.h"

class CExtTabMdiFlatWnd : public CExtTMWI<CExtTabFlatWnd>
{
    DECLARE_DYNCREATE(CExtTabMdiFlatWnd)
public:
    CExtTabMdiFlatWnd();
    ~CExtTabMdiFlatWnd() override;
};
