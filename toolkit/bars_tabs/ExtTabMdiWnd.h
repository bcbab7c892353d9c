// The MDI tab windows: CExtTabMdiWnd (base style), CExtTabMdiOneNoteWnd (OneNote style, with the
// MDI client's coloured margin) and CExtTabMdiWhidbeyWnd (Whidbey style), each CExtTMWI over its
// strip class with a runtime class of its own.
#pragma once
#include "toolkit/bars_tabs/ExtTMWI.h"
#include "toolkit/bars_tabs/ExtTabOneNoteWnd.h"
#include "toolkit/bars_tabs/ExtTabWhidbeyWnd.h"

class CExtTabMdiWnd : public CExtTMWI<CExtTabWnd>
{
    DECLARE_DYNCREATE(CExtTabMdiWnd)
public:
    CExtTabMdiWnd();
    ~CExtTabMdiWnd() override;
};

class CExtTabMdiOneNoteWnd : public CExtTMWI<CExtTabOneNoteWnd>
{
    DECLARE_DYNCREATE(CExtTabMdiOneNoteWnd)
public:
    enum : int
    {
        kMdiMargin = 2, // on every side of the MDI client but the strip's
    };
    CExtTabMdiOneNoteWnd();
    ~CExtTabMdiOneNoteWnd() override;

    void UpdateMdiClientMargins() override;
    void PaintMdiClientMargin(CDC& dc, const CRect& rcOuter, const CRect& rcInner) override;
};

class CExtTabMdiWhidbeyWnd : public CExtTMWI<CExtTabWhidbeyWnd>
{
    DECLARE_DYNCREATE(CExtTabMdiWhidbeyWnd)
public:
    CExtTabMdiWhidbeyWnd();
    ~CExtTabMdiWhidbeyWnd() override;
};
