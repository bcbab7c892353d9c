// CExtDynAutoHideArea: the strip of auto-hidden bars along one edge of a frame. Each tab stands for a bar (its
// lParam); the bars of one tabbed group form a run whose first tab is a group start. Selecting a tab slides its bar
// out in the frame's auto-hide slider.
#pragma once
#include "platform/Collections.h"
#include "toolkit/bars_tabs/ExtDynTabSteps.h"
#include "toolkit/bars_tabs/ExtTabWnd.h"

class CExtControlBar;
class CExtDynAutoHideSlider;
class CFrameWnd;

class CExtDynAutoHideArea : public CExtTabWnd
{
    DECLARE_DYNCREATE(CExtDynAutoHideArea)
public:
    // The area's OLE drop target: a drag over a tab selects it (sliding its bar out); nothing is dropped.
    class CDynDropTarget : public dyntabs::CSelectingDropTarget<CExtDynAutoHideArea>
    {};

    // Bits of m_bfState.
    enum : BYTE
    {
        kStateAppending = 0x01,   // tabs are being appended: selection changes slide nothing
        kStateFrameActive = 0x02, // set with kStateAppending; counts as an active frame
    };
    // The tab style of every area besides its orientation: grouped, Previous and Next hidden when there is
    // nothing to scroll, hover selection.
    enum : DWORD
    {
        kAreaTabStyle = 0xC080
    };

    // Process-wide switches: the drop target; Ctrl+PgUp/PgDn; the auto-hide look (-1 asks the paint manager,
    // 1 on, other values off).
    static bool g_bEnableDropTarget;
    static bool g_bEnableCtrlPageSwitching;
    static int g_nAutoHideLook;

    CExtDynAutoHideArea();
    ~CExtDynAutoHideArea() override;

    // Creates the area along the edge of the dock bar nDockBarID (0xE81B top, 0xE81E bottom, 0xE81C left, 0xE81D
    // right); every dock bar of that edge records it.
    bool Create(CFrameWnd* pFrame, CExtDynAutoHideSlider* pSlider, UINT nDockBarID);
    // Creates the frame's slider and its top, bottom, left and right areas once, after the frame's dock bars exist.
    // False when one of them fails.
    static bool CreateFrameAreas(CFrameWnd* pFrame);

    // Keeps the frame's four areas in one sibling order after the outer right dock bar: top, bottom, left, right.
    void AdjustOrder();
    // The four areas of the frame of pWnd (a mini frame passes on to its parent frame), NULL where absent.
    static void FindFrameAreas(CWnd* pWnd, CExtDynAutoHideArea** ppTop, CExtDynAutoHideArea** ppBottom,
                               CExtDynAutoHideArea** ppLeft, CExtDynAutoHideArea** ppRight);
    // The area that lists the bar (searching top, bottom, left, right) and the tab's index; NULL and -1 when none.
    static CExtDynAutoHideArea* FindAreaOfBar(CExtControlBar* pBar, int* pnIndex = nullptr);

    // Lists the bar (every bar of a tabbed group) as tabs; unless bDoNotShow, the frame lays itself out and the
    // slider shows the bar at once.
    void AppendControlBar(CExtControlBar* pBar, bool bDoNotShow = false);
    // Removes the bar's tab (a group's run) and docks the bars back; with bNoLayout the frame lays out later.
    void RemoveControlBar(CExtControlBar* pBar, bool bNoLayout = false);
    CExtDynAutoHideSlider* GetAutoHideSlider() const { return m_pSlider; }
    // The bar of a tab, NULL when the tab is gone or its bar window no longer exists.
    CExtControlBar* GetBarAt(int nIndex) const;
    // Removes the tabs whose bar windows are gone; true when one was removed.
    bool RemoveDeadTabs();
    // Makes the tab the current one of its run without selecting it.
    void MarkGroupCurrent(int nIndex);
    // Ctrl+PgUp/PgDn: the selection moves one qualifying tab on, wrapping, without animation.
    bool HandleCtrlPage(bool bNext);
    // Whether the frame counts as active for selection changes.
    bool IsFrameActive() const;
    CFrameWnd* GetAreaFrame() const;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    bool OnTabWndSelectionChange(int nOldItemIndex, int nNewItemIndex, bool bPreSelectionTest) override;
    CExtCmdIcon* OnTabWndQueryItemIcon(const TAB_ITEM_INFO* pTii) const override;
    LPCTSTR OnTabWndQueryItemText(const TAB_ITEM_INFO* pTii) const override;
    void OnTabWndSyncVisibility() override;
    void OnTabWndItemInsert(int nItemIndex, TAB_ITEM_INFO* pTii) override;
    void OnTabWndQueryMetrics(int& nItemInset, int& nButtonMargin, int& nStripOffset) override;
    void OnTabWndDrawEntire(CDC& dc, const CRect& rcClient) override;

    CDynDropTarget m_dropTarget;
    BYTE m_bfState;
    CRect m_rcLastWnd;
    bool m_bKeyboardSelection; // the next slide-out runs without animation
    bool m_bAutoDeleteArea;    // made by CreateFrameAreas: the window deletes the object

protected:
    // The bars a tab run stands for: a tabbed group's members in tab order, or the bar itself.
    static void CollectAutoHideBars(CExtControlBar* pBar, CArray<CExtControlBar*, CExtControlBar*>& arrBars);
    // Closes an open slider that is not animating (and, unless bSizeOnly, not being resized).
    void CloseSliderOnResize(bool bSizeOnly);
    // After the strip took its slice of the frame's layout (rcLeft is what is left, frame client coordinates): the
    // frame-edge dock bar of its side takes the strip into its part, so its inner edge lies inside the strip.
    void ReserveInEdgeDockBar(const CRect& rcLeft);
    void PostNcDestroy() override;

    CExtDynAutoHideSlider* m_pSlider; // not owned
    UINT m_nEdgeId;
    // The window of each listed bar: a bar whose window is gone is never touched through its pointer.
    CMap<LPARAM, LPARAM, HWND, HWND> m_mapBarWnds;
    mutable CString m_sQueriedText;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSizeParentArea(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
