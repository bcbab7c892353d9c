// CExtTabWhidbeyWnd: the Whidbey style of the tab strip: tabs coloured by the paint manager, a
// slanted outline drawn with edge lines, a plain background with one line along the items.
#pragma once
#include "toolkit/bars_tabs/ExtTabWnd.h"

class CExtTabWhidbeyWnd : public CExtTabWnd
{
    DECLARE_DYNCREATE(CExtTabWhidbeyWnd)
public:
    enum : int
    {
        kFirstTabExtra = 9, // the first tab is this much longer
        kTabThickness = 17, // across the strip
    };

    CExtTabWhidbeyWnd();
    ~CExtTabWhidbeyWnd() override;

    // ---- new virtual operation ----------------------------------------------------------------
    // The paint manager's Whidbey colours.
    virtual void GetItemColors(bool bSelected, bool bSecondFlag, COLORREF& clrBorder, COLORREF& clrGradient1,
                               COLORREF& clrGradient2, COLORREF& clrText);

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

    // The one-pixel line along the item area for each orientation.
    static CRect EdgeLineRect(const CRect& rcItemsArea, DWORD dwOrientation);

protected:
    void PreSubclassWindow() override;
};
