// The MDI tab windows: runtime classes, the shared text buffer and the OneNote margin.
#include "toolkit/bars_tabs/ExtTabMdiWnd.h"

CString& ExtTabMdiSharedTextBuffer()
{
    static CString s_sText;
    return s_sText;
}

IMPLEMENT_DYNCREATE(CExtTabMdiWnd, CExtTabWnd)
IMPLEMENT_DYNCREATE(CExtTabMdiOneNoteWnd, CExtTabOneNoteWnd)
IMPLEMENT_DYNCREATE(CExtTabMdiWhidbeyWnd, CExtTabWhidbeyWnd)

CExtTabMdiWnd::CExtTabMdiWnd() {}

CExtTabMdiWnd::~CExtTabMdiWnd() {}

CExtTabMdiWhidbeyWnd::CExtTabMdiWhidbeyWnd() {}

CExtTabMdiWhidbeyWnd::~CExtTabMdiWhidbeyWnd() {}

CExtTabMdiOneNoteWnd::CExtTabMdiOneNoteWnd() {}

CExtTabMdiOneNoteWnd::~CExtTabMdiOneNoteWnd() {}

void CExtTabMdiOneNoteWnd::UpdateMdiClientMargins()
{
    if (GetSafeHwnd() == nullptr || !IsWindowVisible())
    {
        m_rcMdiMargins.SetRect(0, 0, 0, 0);
        return;
    }
    const DWORD o = OrientationGet();
    m_rcMdiMargins.SetRect(o == kOrientLeft ? 0 : kMdiMargin, o == kOrientTop ? 0 : kMdiMargin,
                           o == kOrientRight ? 0 : kMdiMargin, o == kOrientBottom ? 0 : kMdiMargin);
}

void CExtTabMdiOneNoteWnd::PaintMdiClientMargin(CDC& dc, const CRect& rcOuter, const CRect& rcInner)
{
    if (rcOuter == rcInner || SelectionGet() < 0)
        return;
    COLORREF clrFill = 0, clrBorder = 0, clrLight = 0, clrDark = 0, clrText = 0;
    GetItemColors(SelectionGet(), true, false, clrFill, clrBorder, clrLight, clrDark, clrText);
    const int nSaved = dc.SaveDC();
    dc.ExcludeClipRect(&rcInner);
    dc.FillSolidRect(&rcOuter, clrDark);
    dc.RestoreDC(nSaved);
}
