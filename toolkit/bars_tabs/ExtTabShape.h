// Steps shared by the OneNote and Whidbey tab styles: their metrics and tab measure, the hovered
// tab, the tab outline as a polygon mapped onto each orientation, its gradient fill, and the icon
// and text of a tab.
#pragma once
#include "platform/Dc.h"
#include "platform/Gdi.h"
#include "toolkit/foundation/ExtCmdIcon.h"

class CExtTabWnd;

namespace tabshape
{

// The styled strips' metrics: item inset 1, button margin 2, strip offset 3.
void QueryMetrics(int& nItemInset, int& nButtonMargin, int& nStripOffset);

// A tab's measure: nExtra longer along the strip, nThickness across it.
void MeasureItem(bool bHorz, int nExtra, int nThickness, CSize& sizePreCalc);

// Whether the pointer is over the strip window and on the item.
bool IsItemHovered(const CExtTabWnd& wnd, int nIndex);

// Maps the canonical tab (u along the tab, v from its outer edge towards the area beside the strip)
// onto the item rectangle of an orientation.
struct Frame
{
    CRect rc;
    bool bTopLeft, bHorz;
    int W() const { return bHorz ? rc.Width() : rc.Height(); }
    int H() const { return bHorz ? rc.Height() : rc.Width(); }
    CPoint Map(int u, int v) const
    {
        if (bHorz)
            return CPoint(rc.left + u, bTopLeft ? rc.top + v : rc.bottom - v);
        return CPoint(bTopLeft ? rc.left + v : rc.right - v, rc.top + u);
    }
};

// The outline: a slanted start of nSlant pixels, rounded outer corners, open towards the area
// beside the strip. Fills pts (6 points) and answers the count.
int Outline(const Frame& f, int nSlant, POINT* pts);

// The outline (as Outline) and its region; false when the region cannot be made.
bool OutlineRegion(const Frame& f, int nSlant, POINT* pts, int& nPts, CRgn& rgn);

// Whether the surface has 8 bits per pixel or fewer: solid colours instead of gradients.
bool IsLowColor(CDC& dc);

// Fills the region with a gradient across the strip (above 8 bits per pixel) or a solid colour.
void FillRegion(CDC& dc, CRgn& rgn, const CRect& rcBounds, bool bHorz, bool bGradient, COLORREF clr1, COLORREF clr2);

// The icon at the start of the content and the text after it, in the tab's font and colour.
void DrawContent(CDC& dc, const CRect& rcContent, bool bHorz, CFont* pFont, LPCTSTR pszText, CExtCmdIcon* pIcon,
                 COLORREF clrText);

} // namespace tabshape
