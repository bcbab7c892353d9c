// CExtTabOneNoteWnd: the OneNote style of the tab strip: tabs with a light and a dark colour of
// their own (handed out from a palette of seven pairs), a slanted outline and a coloured band.
#pragma once
#include "toolkit/bars_tabs/ExtTabWnd.h"

class CExtTabOneNoteWnd : public CExtTabWnd
{
    DECLARE_DYNCREATE(CExtTabOneNoteWnd)
public:
    // A tab with its two colours.
    class TAB_ITEM_INFO_ONENOTE : public TAB_ITEM_INFO
    {
    public:
        TAB_ITEM_INFO_ONENOTE(CExtTabWnd* pWndTab, LPCTSTR lpszText, const CExtCmdIcon* pIcon, bool bCopyIcon,
                              DWORD dwItemStyle, LPARAM lParam, COLORREF clrLight, COLORREF clrDark);
        COLORREF m_clrLight;
        COLORREF m_clrDark;
    };
    enum : int
    {
        kPaletteSize = 7,
        kFirstTabExtra = 16, // the first tab is this much longer: its slanted start
        kTabPad = 3,         // every tab grows by this along the strip
        kTabThickness = 19,  // across the strip
    };
    // The automatic pairs (light, dark), by counter modulo 7.
    static const COLORREF g_arrPalette[kPaletteSize][2];

    CExtTabOneNoteWnd();
    ~CExtTabOneNoteWnd() override;

    // Inserts a tab with colours; either colour -1 takes the palette's next pair.
    TAB_ITEM_INFO* ItemInsertWithColors(LPCTSTR lpszText = nullptr, const CExtCmdIcon* pIcon = nullptr,
                                        bool bCopyIcon = true, DWORD dwItemStyle = 0, int nIndex = -1,
                                        LPARAM lParam = 0, COLORREF clrLight = (COLORREF)-1,
                                        COLORREF clrDark = (COLORREF)-1, bool bUpdate = false);
    int GetColorCounter() const { return m_nColorCounter; }

    // ---- new virtual operation ----------------------------------------------------------------
    // The paint manager's OneNote colours; unless bHighlighted, an existing tab's own light and dark
    // colours replace the gradient pair.
    virtual void GetItemColors(int nIndex, bool bSelected, bool bHighlighted, COLORREF& clrFill, COLORREF& clrBorder,
                               COLORREF& clrGradient1, COLORREF& clrGradient2, COLORREF& clrText);

    bool Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID = 0xE900,
                DWORD dwWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                DWORD dwTabStyle = kOrientTop, CCreateContext* pContext = nullptr) override;
    void OnTabWndQueryMetrics(int& nItemInset, int& nButtonMargin, int& nStripOffset) override;
    void OnTabWndUpdateItemMeasure(TAB_ITEM_INFO* pTii, CDC& dc, CSize& sizePreCalc) override;
    void OnTabWndEraseClientArea(CDC& dc, const CRect& rcClient, const CRect& rcItemsArea, const CRect& rcNearBorder,
                                 DWORD dwOrientation, bool bGroupedMode) override;
    void OnTabWndDrawItem(CDC& dc, const CRect& rcItemsArea, bool bTopLeft, bool bHorz, bool bSelected, bool bFlag6,
                          bool bGroupActive, bool bGroupedMode, bool bFlag9, const CRect& rcItem,
                          CSize sizeTextMeasured, CFont* pFont, LPCTSTR pszText, int nItemIndex,
                          CExtCmdIcon* pIcon) override;

    // The band beside the strip: the long edge of the item area that faces the area beside it.
    static CRect BandRect(const CRect& rcClient, const CRect& rcItemsArea, DWORD dwOrientation);
    static CRect EdgeLineRect(const CRect& rcItemsArea, DWORD dwOrientation);

protected:
    TAB_ITEM_INFO* ItemCreateRecord(LPCTSTR lpszText, const CExtCmdIcon* pIcon, bool bCopyIcon, DWORD dwItemStyle,
                                    LPARAM lParam) override;
    TAB_ITEM_INFO* ItemCopyRecord(const TAB_ITEM_INFO* pTii) override;
    void PreSubclassWindow() override;
    // The next automatic pair; the counter grows.
    void TakePaletteColors(COLORREF& clrLight, COLORREF& clrDark);

    int m_nColorCounter; // tabs given automatic colours so far
};
