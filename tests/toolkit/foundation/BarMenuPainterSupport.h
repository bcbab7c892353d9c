// Helpers of the painter tests: initialised managers of each style, glyph searches on DIB pixels, a
// snapshot of a DC's state, a popup menu with items and bars docked in real frames.
#pragma once
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockOuterBar.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include "toolkit/support/PaintHost.h"
#include <memory>

namespace barmenupainters
{

// A standalone manager of style 1..4 (base, XP, Office 2003, Studio 2005) with fonts, colours and
// brushes built; 5 is the application-like theme manager.
std::unique_ptr<CExtPaintManager> Make(int nKind);
const wchar_t* StyleName(int nKind);

// Whether every drawn pixel of the glyph placed at (x, y) shows clr.
bool GlyphShows(const DibCanvas& c, const CExtPaintManagerGlyph& glyph, int x, int y, COLORREF clr);
// The places inside area where the glyph shows clr.
std::vector<CPoint> FindGlyph(const DibCanvas& c, const CExtPaintManagerGlyph& glyph, COLORREF clr, const CRect& area);
// Pixels of clr inside r.
int CountColor(const DibCanvas& c, const CRect& r, COLORREF clr);
// Bounding box of the pixels of clr inside r (left at INT_MAX when there is none).
CRect BoxOf(const DibCanvas& c, const CRect& r, COLORREF clr);
// Bounding box of the pixels that differ from clrBack inside r (left at INT_MAX when there is none).
CRect InkBox(const DibCanvas& c, const CRect& r, COLORREF clrBack);

// What a painter must give back as it found it.
struct DCState
{
    HGDIOBJ hFont, hBrush, hPen;
    COLORREF clrText, clrBk;
    int nBkMode, nRop2;
    UINT nAlign;
    CRect rcClip;
    int nClipKind;
    bool operator==(const DCState& o) const;
};
DCState Snapshot(HDC hDC);

// A popup menu whose items a test appends.
class CTestPopup : public CExtPopupMenuWnd
{
public:
    void AddItem(int nIconAreaWidth, BYTE nFlags)
    {
        MENUITEMDATA mi;
        mi.m_nIconAreaWidth = nIconAreaWidth;
        mi.m_nFlags = nFlags;
        m_items.Add(mi);
    }
};

// A hidden frame with outer dock bars on top and left, a tool bar docked on each (or floating in a
// mini frame of its own), destroyed with everything at the end.
// A tool bar whose client area is its whole window, as the painters expect their subjects here.
class CPlainToolBar : public CExtToolControlBar
{
protected:
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint() {}
    DECLARE_MESSAGE_MAP()
};

class DockedBars
{
public:
    DockedBars();
    ~DockedBars();
    bool IsValid() const { return m_bValid; }

    CFrameWnd* m_pFrame = nullptr; // deletes itself when destroyed
    CExtDockOuterBar m_dockTop, m_dockLeft;
    CPlainToolBar m_barTop, m_barLeft;
    CFrameWnd* m_pMiniFrame = nullptr; // deletes itself when destroyed
    CExtDockBar m_dockFloat;
    CPlainToolBar m_barFloat;

private:
    bool m_bValid = false;
};

BOOL CreateChild(CWnd& wnd, CWnd* pParent, UINT nID, const CRect& rc, DWORD dwStyle = WS_CHILD | WS_VISIBLE);

} // namespace barmenupainters
