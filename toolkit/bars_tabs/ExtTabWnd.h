// CExtTabWnd: a tab strip, the base of the toolkit's tab windows. Sources: ExtTabWnd.cpp (items,
// selection, creation, messages), ExtTabWndLayout.cpp (measuring, layout, painting, docking to the
// parent's side), ExtTabWndMouse.cpp (clicks, hover, tips, tab-list popup, scrolling, dragging).
//
// A strip keeps an ordered array of TAB_ITEM_INFO records (owned), measures them and places them in
// its item area beside up to five small buttons, and paints through the installed paint manager.
// Owners and subclasses customise it through the virtual operations named OnTabWnd...: a change that
// can be refused is asked first (bPreSelectionTest and the like) and told again after it happened.
#pragma once
#include "platform/Collections.h"
#include "platform/Gdi.h"
#include "platform/ListCtrl.h"
#include "platform/String.h"
#include "platform/Wnd.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtMouseCaptureSink.h"

class CDC;
class CExtPaintManager;
class CExtPopupMenuWnd;

class CExtTabWnd : public CWnd, public CExtMouseCaptureSink
{
    DECLARE_DYNCREATE(CExtTabWnd)
public:
    // Tab style bits (kept apart from the window style).
    enum : DWORD
    {
        kOrientTop = 0x0,
        kOrientBottom = 0x1,
        kOrientLeft = 0x2,
        kOrientRight = 0x3,
        kOrientMask = 0x3,
        kStyleFit = 0x4,                     // no scroll buttons; items narrowed to share the item area
        kStyleShowHelp = 0x8,                // Help button (-6)
        kStyleShowClose = 0x10,              // Close button (-7)
        kStyleInvertVertFont = 0x20,         // left/right strips use the second vertical font pair
        kStyleBoldSelection = 0x40,          // the selected item in the bold font (not grouped)
        kStyleGrouped = 0x80,                // groups start at item-style bit 0x2; 20-pixel gaps
        kStyleEnabledHelp = 0x100,           //
        kStyleEnabledClose = 0x200,          //
        kStyleEnabledPrev = 0x400,           // state: set by the layout when scrolled above 0
        kStyleEnabledNext = 0x800,           // state: set by the layout when below the maximum
        kStyleFlat = 0x1000,                 // passed to the painting; set by the flat page container
        kStyleFullWidth = 0x2000,            // with kStyleFit: narrow the items even when they fit
        kStyleAutoHideScroll = 0x4000,       // hide Previous and Next when there is nothing to scroll
        kStyleHoverFocus = 0x8000,           // resting on an item 200 ms selects it (timer 2)
        kStyleScrollByPage = 0x10000,        // Previous/Next scroll a whole item-area length
        kStyleShowTabList = 0x80000,         // tab-list button (-8)
        kStyleEnabledTabList = 0x100000,     // only while there are items
        kStyleGroupedExpandItems = 0x200000, // grouped mode: every item shows its text
        kStyleItemDragging = 0x400000,       // items can be reordered by dragging (not grouped)
    };
    // Hit codes of ItemHitTest besides item indexes.
    enum : LONG
    {
        kHitNowhere = -1,
        kHitNearBorder = -2, // the area beside the strip
        kHitItemsArea = -3,  // in the item area, on no visible item
        kHitPrev = -4,
        kHitNext = -5,
        kHitHelp = -6,
        kHitClose = -7,
        kHitTabList = -8,
    };
    // Mouse buttons of the click dispatch.
    enum : int
    {
        kMouseLeft = 1,
        kMouseRight = 2,
        kMouseMiddle = 16,
    };
    enum : UINT_PTR
    {
        kTimerSmoothScroll = 1,  // 20 ms: one smooth-scroll step
        kTimerDelayedSelect = 2, // 200 ms: hover selection
        kTimerMdiSync = 3,       // 10 ms: the MDI tab windows' rescan
    };
    enum : UINT
    {
        kSmoothScrollPeriod = 20,
        kSmoothScrollStep = 10,
        kDelayedSelectPeriod = 200,
        kMdiSyncPeriod = 10,
        kGroupGap = 20,     // pixels before every group after the first
        kMinItemLength = 6, // an item along the strip is at least this long
        kMinThickness = 20, // an item across the strip is at least this thick
        kDragThreshold = 5, // pixels the pointer moves before an item press starts a drag
        kTipToolId = 1,
        kIdsPrevious = 30052,
        kIdsNext = 30053,
        kIdsHelp = 30054,
        kIdsClose = 30055,
        kIdsTabList = 30342,
        kTabListCmdBase = 65535, // tab-list popup: command id = base + item index
    };
    static const wchar_t* const kWndClassName; // "Nimbal-TabWindow"

    // One tab. Created and deleted by its tab window; OneNote tabs derive from it.
    class TAB_ITEM_INFO : public CObject
    {
    public:
        enum : DWORD
        {
            kHidden = 0x1,
            kGroupStart = 0x2,
            kSelected = 0x4,
            kGroupCurrent = 0x8,
            kTemporary = 0x80000000,
        };
        enum : DWORD
        {
            kLayoutNarrowed = 0x1, // the last layout cut the item below its measured size
        };

        TAB_ITEM_INFO(CExtTabWnd* pWndTab, LPCTSTR lpszText, const CExtCmdIcon* pIcon, bool bCopyIcon,
                      DWORD dwItemStyle, LPARAM lParam);
        ~TAB_ITEM_INFO() override;

        // Text: the tab window's answer when not null, else the own text.
        LPCTSTR GetText() const;
        // Icon: the tab window's answer when not empty, else the own icon when not empty; else null.
        CExtCmdIcon* GetIconPtr() const;
        CSize GetIconSize() const;
        bool HitTest(const POINT& ptItemSpace) const;
        bool IsVisible() const { return (m_dwItemStyle & kHidden) == 0; }
        bool IsSelected() const { return (m_dwItemStyle & kSelected) != 0; }
        bool IsGroupStart() const { return (m_dwItemStyle & kGroupStart) != 0; }
        bool IsGroupCurrent() const { return (m_dwItemStyle & kGroupCurrent) != 0; }
        bool IsNarrowed() const { return (m_dwLayoutFlags & kLayoutNarrowed) != 0; }
        // Changes the style; the tab window's visible count follows bit 0x1.
        void ModifyItemStyle(DWORD dwRemove, DWORD dwAdd);

        CExtTabWnd* m_pWndTab; // the owner (not owned)
        DWORD m_dwItemStyle;
        CString m_sText;
        CExtCmdIcon m_icon;
        CSize m_sizeItem;             // measured size
        CSize m_sizeLastMeasuredText; // as measured (vertical: text width + 10, height + 2)
        CSize m_sizeLastMeasuredIcon;
        CRect m_rcItem; // along: from the item-area start without scroll; across: client
        LPARAM m_lParam;
        DWORD m_dwLayoutFlags;
        TAB_ITEM_INFO* m_pPrev; // links mirroring the array order (not owned)
        TAB_ITEM_INFO* m_pNext;
    };

    CExtTabWnd();
    ~CExtTabWnd() override;

    // ---- virtual operations, in slot order -----------------------------------------------------
    // Whether the window is an MDI tab window (the one that follows the MDI children).
    virtual bool IsMdiTabWindow() const;
    // nOrientation -1: the window's own.
    virtual CFont* GetItemFont(bool bSelected, int nOrientation = -1);
    virtual bool Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID = 0xE900,
                        DWORD dwWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                        DWORD dwTabStyle = kOrientTop, CCreateContext* pContext = nullptr);
    // Moves the item without notifications and without updating the window.
    virtual bool ItemMove(int nIndexFrom, int nIndexTo);
    virtual void OnTabWndSyncVisibility();
    virtual bool TrackingStart(int nMouseButton, LONG nHitCode);
    virtual void TrackingStop(bool bReleaseCapture);
    virtual bool HoverStart(LONG nCode);
    virtual void HoverEnd(bool bReleaseCapture);
    virtual bool OnTabWndQueryHoverChangingRedraw();
    virtual bool ItemDragQuery(int nIndex);
    virtual void ItemDragLoop(int nIndex);
    virtual bool OnTabWndClickedButton(LONG nHitTest, bool bPressed, int nMouseButton, UINT nMouseEventFlags);
    virtual bool OnTabWndClickedItem(int nItemIndex, bool bPressed, int nMouseButton, UINT nMouseEventFlags);
    virtual bool OnTabWndSelectionChange(int nOldItemIndex, int nNewItemIndex, bool bPreSelectionTest);
    virtual CExtCmdIcon* OnTabWndQueryItemIcon(const TAB_ITEM_INFO* pTii) const;
    virtual LPCTSTR OnTabWndQueryItemText(const TAB_ITEM_INFO* pTii) const;
    virtual void OnTabWndItemInsert(int nItemIndex, TAB_ITEM_INFO* pTii);
    virtual void OnTabWndRemoveItem(int nItemIndex, int nCount, bool bPreRemove);
    virtual void OnTabWndRemoveAllItems(bool bPreRemove);
    virtual void OnTabWndQueryMetrics(int& nItemInset, int& nButtonMargin, int& nStripOffset);
    virtual void OnTabWndDrawEntire(CDC& dc, const CRect& rcClient);
    virtual void OnTabWndEraseClientArea(CDC& dc, const CRect& rcClient, const CRect& rcItemsArea,
                                         const CRect& rcNearBorder, DWORD dwOrientation, bool bGroupedMode);
    virtual void OnTabWndUpdateItemMeasure(TAB_ITEM_INFO* pTii, CDC& dc, CSize& sizePreCalc);
    // The parameters of the paint manager's tab item painting, in its order (flags 6 and 9 false).
    virtual void OnTabWndDrawItem(CDC& dc, const CRect& rcItemsArea, bool bTopLeft, bool bHorz, bool bSelected,
                                  bool bFlag6, bool bGroupActive, bool bGroupedMode, bool bFlag9, const CRect& rcItem,
                                  CSize sizeTextMeasured, CFont* pFont, LPCTSTR pszText, int nItemIndex,
                                  CExtCmdIcon* pIcon);
    virtual void OnTabWndDrawButton(CDC& dc, const CRect& rcButton, LONG nHitTest, bool bTopLeft, bool bHorz,
                                    bool bEnabled, bool bHover, bool bPushed, bool bGroupedMode);
    virtual void OnTabWndQueryButtonSize(CSize& sizeButton, CDC& dc, int nThickness);
    virtual void ScrollItems(LONG nDelta, bool bSmooth);
    virtual bool OnTabWndToolTipQueryEnabled() const;
    virtual bool OnTabWndItemMoveQuery(int nIndexFrom, int nIndexTo);
    virtual void OnTabWndItemMoved(int nIndexFrom, int nIndexTo);

    // ---- style and state -------------------------------------------------------------------
    DWORD GetTabWndStyle() const { return m_dwTabWndStyle; }
    void SetTabWndStyle(DWORD dwStyle) { m_dwTabWndStyle = dwStyle; }
    void ModifyTabWndStyle(DWORD dwRemove, DWORD dwAdd, bool bUpdate = false);
    DWORD OrientationGet() const { return m_dwTabWndStyle & kOrientMask; }
    bool OrientationIsHorizontal() const { return OrientationGet() <= kOrientBottom; }
    bool OrientationIsTopLeft() const { return OrientationGet() == kOrientTop || OrientationGet() == kOrientLeft; }
    bool IsGroupedMode() const { return (m_dwTabWndStyle & kStyleGrouped) != 0; }
    // Marks the layout dirty; with bImmediate on a visible window lays out and repaints now.
    void UpdateTabWnd(bool bImmediate = true);
    void RecalcLayout();
    // The strip docks to its parent's side in the parent's bar layout (page-container strips).
    void SetDocksToParent(bool bOn) { m_bDocksToParent = bOn; }
    // The frame leaves the window out of its reposition query (MDI tab windows).
    void SetExcludedFromFrameQuery(bool bOn) { m_bExcludeFromFrameQuery = bOn; }

    // ---- items ------------------------------------------------------------------------------
    // nIndex outside 0 .. count appends. Answers the new item.
    TAB_ITEM_INFO* ItemInsert(LPCTSTR lpszText = nullptr, const CExtCmdIcon* pIcon = nullptr, bool bCopyIcon = true,
                              DWORD dwItemStyle = 0, int nIndex = -1, LPARAM lParam = 0, bool bUpdate = false);
    // The number removed; a first index outside the items removes nothing.
    int ItemRemove(int nFirst, int nCount = 1, bool bUpdate = false);
    void ItemRemoveAll(bool bUpdate = false);
    int ItemGetCount() const { return (int)m_arrItems.GetSize(); }
    int ItemGetVisibleCount() const { return m_nVisibleItemCount; }
    TAB_ITEM_INFO* ItemGet(int nIndex) const;
    int ItemGetIndexOf(const TAB_ITEM_INFO* pTii) const;
    // Moves with the pre-test and the after notification; true when moved.
    bool ItemMoveWithNotifications(int nIndexFrom, int nIndexTo, bool bUpdate);
    // Only the first flag: visible items; only the second: hidden ones; both or neither: all.
    int ItemFindByLParam(LPARAM lParam, int nStart = -1, bool bIncludeVisible = true, bool bIncludeHidden = true) const;
    // First item after nStart with any of dwRequired (or none asked) and none of dwExcluded.
    int ItemFindByStyle(DWORD dwRequired, DWORD dwExcluded = 0, int nStart = -1) const;
    bool ItemEnsureVisible(int nIndex, bool bUpdate = false);
    LONG ItemHitTest(const POINT& ptClient) const;

    // ---- selection --------------------------------------------------------------------------
    // Answers the previous selection; an index at or above the count is refused.
    int SelectionSet(int nIndex, bool bEnsureVisible = false, bool bUpdate = false);
    int SelectionGet() const { return m_nSelIndex; }
    TAB_ITEM_INFO* SelectionGetPtr() const { return ItemGet(m_nSelIndex); }

    // ---- layout results ---------------------------------------------------------------------
    const CRect& GetItemsArea() const { return m_rcItemsArea; }
    const CRect& GetNearBorderArea() const { return m_rcNearBorder; }
    // Previous, Next, Help, Close or tab list by hit code; empty when not shown.
    CRect GetButtonRect(LONG nHitCode) const;
    bool IsButtonShown(LONG nHitCode) const;
    int GetFirstVisibleIndex() const { return m_nFirstVisible; }
    int GetLastVisibleIndex() const { return m_nLastVisible; }
    int ScrollPosGet() const { return m_nScrollPos; }
    int ScrollMaxGet() const { return m_nScrollMax; }
    void ScrollPosSet(int nPos, bool bUpdate = false);
    int GetContentLength() const { return m_nContentLength; }
    int GetStripThickness() const { return m_nThickness; }
    bool IsSomeItemNarrowed() const { return m_bSomeItemNarrowed; }
    bool IsDragging() const { return m_bDragging; }
    LONG GetHoverCode() const { return m_nHoverCode; }
    int GetDelayedSelectIndex() const { return m_nDelayedSelIndex; }
    // The tip window, made at its first use; null when the strip shows no tips or it could not be created.
    CToolTipCtrl* GetToolTip();

    // Paints the whole window into dc (WM_PAINT through a memory DC, WM_PRINTCLIENT).
    void DoPaint(CDC& dc);
    // Arms the hover selection of an item (negative: only cancels).
    void DelayedSelectionSet(int nIndex);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The tip's TTN_SHOW: the tip window goes to the top of the z-order.
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    // Class registration (once), used by the constructor and Create.
    static bool RegisterTabWndClass();
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;
    // A styled strip's PreSubclassWindow: on a window made elsewhere, adds the style's own bits.
    void SubclassWithStyle(DWORD dwAddStyle);
    // Tips and the first update; after Create and after subclassing.
    virtual void InitTabWnd();
    // Links and inserts a record made by the caller (ItemInsert, ItemMove).
    TAB_ITEM_INFO* ItemInsertRecord(TAB_ITEM_INFO* pTii, int nIndex, bool bUpdate);
    // A new record for ItemInsert (OneNote strips make records with colours).
    virtual TAB_ITEM_INFO* ItemCreateRecord(LPCTSTR lpszText, const CExtCmdIcon* pIcon, bool bCopyIcon,
                                            DWORD dwItemStyle, LPARAM lParam);
    // A new record with the text, icon, style and lParam of pTii (OneNote tabs add their colours).
    virtual TAB_ITEM_INFO* ItemCopyRecord(const TAB_ITEM_INFO* pTii);
    CSize MeasureItem(TAB_ITEM_INFO* pTii, CDC* pDC);
    CRect GetLayoutRect() const;
    // Rectangle of the item in client coordinates (scroll applied).
    CRect ItemRectToClient(const TAB_ITEM_INFO* pTii) const;
    LONG ButtonHitTest(const POINT& ptClient) const;
    void ShowTip(LPCTSTR lpszText, const CRect& rcTool);
    void RemoveTip();
    // Runs the tab-list popup; true when an item was chosen.
    bool TrackTabListPopup();
    // The popup's items: every item (hidden ones too), separators between groups in grouped mode.
    void BuildTabListPopup(CExtPopupMenuWnd& popup);
    // The popup's result: selects item (id - 65535); false for any other id.
    bool OnTabListCommand(UINT nCmdID);
    bool ClickDispatch(bool bPressed, int nMouseButton, UINT nFlags, CPoint point);
    bool IsHoverAllowedNow() const;

    DWORD m_dwTabWndStyle;
    CExtPaintManager* m_pLastPaintManager; // the one seen at the last paint (not owned)
    CToolTipCtrl m_wndToolTip;
    bool m_bExcludeFromFrameQuery;
    int m_nSelIndex;
    int m_nFirstVisible;
    int m_nLastVisible;
    int m_nDelayedSelIndex;
    LONG m_nHoverCode;
    int m_nVisibleItemCount;
    int m_nContentLength;
    int m_nThickness;
    int m_nScrollPos;
    int m_nScrollMax;
    int m_nPendingScroll; // signed pixels; non-zero while timer 1 runs
    CRect m_rcItemsArea;
    CRect m_rcNearBorder;
    CRect m_rcButtons[5]; // Previous, Next, Help, Close, tab list (index -4 - code)
    bool m_bButtonShown[5];
    CArray<TAB_ITEM_INFO*, TAB_ITEM_INFO*> m_arrItems; // owned
    bool m_bDocksToParent;
    bool m_bCreatedThroughCreate;
    bool m_bLayoutDirty;
    bool m_bTracking;
    bool m_bHoverActive;
    bool m_bSomeItemNarrowed;
    bool m_bButtonPressed[5]; // by the same index as m_rcButtons
    bool m_bTipsEnabled;
    LONG m_nTrackedHitCode;
    int m_nTrackedMouseButton;
    CRect m_rcLayoutOverride; // used instead of the client rectangle during WM_SIZEPARENT
    CPoint m_ptPress;         // -1, -1 when no item press is pending
    CRect m_rcLastDragSwap;
    bool m_bDragging;

    // After a move or size: the tip goes and the layout is made again (when shown) or marked stale.
    void OnPlacementChanged();

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    // Docking to the parent's side: lays the strip out in the layout's rectangle (false when the
    // strip takes nothing), then takes a slice nTake thick from the side it faces.
    bool PrepareDockLayout(AFX_SIZEPARENTPARAMS* lpLayout, CRect& rcParent);
    void TakeDockSlice(AFX_SIZEPARENTPARAMS* lpLayout, const CRect& rcParent, int nTake);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnCancelMode();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnDisplayChange(UINT nImageDepth, int cxScreen, int cyScreen);
    afx_msg LRESULT OnThemeChanged();
    afx_msg LRESULT OnQueryRepositionCalcEffect(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    friend class TAB_ITEM_INFO;
};
