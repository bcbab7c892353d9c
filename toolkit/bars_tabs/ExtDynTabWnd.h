// CExtDynTabWnd: the tab strip of a tabbed bar group. Each tab stands for a grouped control bar (its lParam); tab
// style bit 31 marks a temporary tab shown while a bar is dragged over the group, bit 0 a hidden tab.
#pragma once
#include "toolkit/bars_tabs/ExtDynTabSteps.h"
#include "toolkit/bars_tabs/ExtTabWnd.h"

class CExtControlBar;
class CExtDynTabControlBar;

class CExtDynTabWnd : public CExtTabWnd
{
    DECLARE_DYNCREATE(CExtDynTabWnd)
public:
    // The strip's OLE drop target: a drag over a tab selects it; nothing is dropped.
    class CDynDropTarget : public dyntabs::CSelectingDropTarget<CExtDynTabWnd>
    {};

    // Process-wide switches: the drop target is registered at creation; Ctrl+PgUp/PgDn switch tabs.
    static bool g_bEnableDropTarget;
    static bool g_bEnableCtrlPageSwitching;

    CExtDynTabWnd();
    ~CExtDynTabWnd() override;

    // Adds a tab for the bar at nIndex (out of range: at the end) unless it has one; then only updates.
    void InsertBar(CExtControlBar* pBar, int nIndex, bool bTemporary, bool bUpdate);
    // Removes every temporary tab; a member's own tab (marked while it is dragged out) only loses the mark.
    void RemoveTemporaryItems(bool bUpdate = true);
    // The bar of the tab; NULL out of range, and for a temporary tab when bSkipTemporary.
    CExtControlBar* GetBarAt(int nIndex, bool bSkipTemporary) const;
    // The tab under the screen point, -1 for anything that is not a tab.
    int ItemHitTestScreen(int x, int y) const;
    int ItemHitTestScreen(const POINT& ptScreen) const { return ItemHitTestScreen(ptScreen.x, ptScreen.y); }
    // The tab whose bar is pBar, -1 none.
    int FindBar(const CExtControlBar* pBar) const { return ItemFindByLParam((LPARAM)pBar); }
    // The group bar the strip belongs to (its parent), NULL otherwise.
    CExtDynTabControlBar* GetTabControlBar() const;
    // Ctrl+PgUp/PgDn: moves the selection one qualifying tab on, wrapping; true when the key was handled.
    bool HandleCtrlPage(bool bNext);

    bool Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID = 0xE900,
                DWORD dwWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                DWORD dwTabStyle = kOrientTop, CCreateContext* pContext = nullptr) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    bool ItemDragQuery(int nIndex) override;
    void ItemDragLoop(int nIndex) override;
    bool OnTabWndClickedItem(int nItemIndex, bool bPressed, int nMouseButton, UINT nMouseEventFlags) override;
    bool OnTabWndSelectionChange(int nOldItemIndex, int nNewItemIndex, bool bPreSelectionTest) override;
    CExtCmdIcon* OnTabWndQueryItemIcon(const TAB_ITEM_INFO* pTii) const override;
    LPCTSTR OnTabWndQueryItemText(const TAB_ITEM_INFO* pTii) const override;
    void OnTabWndDrawItem(CDC& dc, const CRect& rcItemsArea, bool bTopLeft, bool bHorz, bool bSelected, bool bFlag6,
                          bool bGroupActive, bool bGroupedMode, bool bFlag9, const CRect& rcItem,
                          CSize sizeTextMeasured, CFont* pFont, LPCTSTR pszText, int nItemIndex,
                          CExtCmdIcon* pIcon) override;

    CDynDropTarget m_dropTarget;

protected:
    mutable CString m_sQueriedText; // the text answered last by OnTabWndQueryItemText

    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
