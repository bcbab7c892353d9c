// CExtTabFlatWnd: the flat tab strip: a thin strip (16 pixels when docked) whose tabs are trapezoids
// with slanted ends overlapping their neighbours, drawn in the paint manager's colours.
//
// A tab's long side lies on the strip's inner edge (the side facing away from the strip's window edge,
// where a one-pixel line runs); its outer side is the item rectangle, so each slanted end reaches the
// slant width beyond the rectangle and over the neighbour. Unselected tabs are drawn first to last, the
// selected tab last.
#pragma once
#include "toolkit/bars_tabs/ExtTabWnd.h"

class CExtTabFlatWnd : public CExtTabWnd
{
    DECLARE_DYNCREATE(CExtTabFlatWnd)
public:
    // Tab style bits of the flat strip.
    enum : DWORD
    {
        kStyleNoStartSlant = 0x20000, // no slant at the start (left or top) of the tabs
        kStyleNoEndSlant = 0x40000,   // no slant at the end (right or bottom) of the tabs
    };
    enum : int
    {
        kFlatThickness = 16, // the strip's thickness when docked to its parent's side
    };

    CExtTabFlatWnd();
    ~CExtTabFlatWnd() override;

    // ---- new virtual operations, in slot order ------------------------------------------------
    // A quarter of the rectangle's height (horizontal strip) or width (vertical strip), rounded.
    virtual int GetFlatSlant(bool bHorizontal, const CRect& rc) const;
    // In order: the light line, the shadow line, the outline, the face (white when selected) and the text.
    virtual void GetFlatItemColors(int nItemIndex, bool bSelected, COLORREF& clrLight, COLORREF& clrShadow,
                                   COLORREF& clrOutline, COLORREF& clrFace, COLORREF& clrText);
    // The one-pixel line along the inner edge.
    virtual void GetFlatLineColor(COLORREF& clrLine);
    // Which ends of the tab are slanted (the style bits 0x20000 and 0x40000).
    virtual void GetFlatSlantSides(int nItemIndex, const TAB_ITEM_INFO* pTii, bool& bStartSlant, bool& bEndSlant);
    virtual int GetFlatStripThickness(bool bHorizontal) const;

    // ---- overridden operations ------------------------------------------------------------------
    void OnTabWndQueryMetrics(int& nItemInset, int& nButtonMargin, int& nStripOffset) override;
    void OnTabWndDrawEntire(CDC& dc, const CRect& rcClient) override;
    void OnTabWndEraseClientArea(CDC& dc, const CRect& rcClient, const CRect& rcItemsArea, const CRect& rcNearBorder,
                                 DWORD dwOrientation, bool bGroupedMode) override;
    void OnTabWndUpdateItemMeasure(TAB_ITEM_INFO* pTii, CDC& dc, CSize& sizePreCalc) override;
    void OnTabWndDrawItem(CDC& dc, const CRect& rcItemsArea, bool bTopLeft, bool bHorz, bool bSelected, bool bFlag6,
                          bool bGroupActive, bool bGroupedMode, bool bFlag9, const CRect& rcItem,
                          CSize sizeTextMeasured, CFont* pFont, LPCTSTR pszText, int nItemIndex,
                          CExtCmdIcon* pIcon) override;
    void OnTabWndDrawButton(CDC& dc, const CRect& rcButton, LONG nHitTest, bool bTopLeft, bool bHorz, bool bEnabled,
                            bool bHover, bool bPushed, bool bGroupedMode) override;
    void OnTabWndQueryButtonSize(CSize& sizeButton, CDC& dc, int nThickness) override;

    // The slant of the client rectangle for the strip's orientation.
    int GetClientSlant() const;
    // The one-pixel line along the side of rc facing away from the strip's window edge.
    static CRect InnerEdgeLine(const CRect& rc, DWORD dwOrientation);
    // The outline of a tab drawn over rcItem (4 points: inner start, outer start, outer end, inner end).
    static void FlatOutline(const CRect& rcItem, DWORD dwOrientation, int nStartSlant, int nEndSlant, POINT* pts);

protected:
    // Docks like the base strip but takes exactly GetFlatStripThickness from the parent's side.
    afx_msg LRESULT OnFlatSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
