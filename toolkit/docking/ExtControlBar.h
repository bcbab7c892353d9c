// CExtControlBar: the base of every toolkit bar: fields, statics, registry of all bars, window,
// non-client layout and painting, caption buttons and services. Sources: ExtControlBar.cpp (class
// record, registry, creation, frame set-up), ExtControlBarWindow.cpp (messages), ExtControlBarNc.cpp
// (non-client area and caption buttons), ExtControlBarLayout.cpp (fixed, dynamic and child layout),
// ExtControlBarServices.cpp (searches, toggles, repositioning), ExtControlBarRows.cpp (row queries
// and operations, visibility synchronisation, auto-hide).
#pragma once
#include "platform/Collections.h"
#include "platform/ControlBar.h"
#include "toolkit/foundation/ExtMouseCaptureSink.h"

class CFrameWnd;
class CDC;
class CCmdUI;
class CExtBarNcAreaButton;
class CExtPopupMenuWnd;
class CExtDynTabControlBar;
class CArchive;
class CDockState;
class CDockBar;
class CExtDockBar;

class CExtControlBar : public CControlBar, public CExtMouseCaptureSink
{
    DECLARE_DYNCREATE(CExtControlBar)
public:
    CExtControlBar();
    ~CExtControlBar() override;

    // ---- dock-side tests (static: they answer for the bar given) ------------------------------
    // Control id of the bar's dock bar (0xE81B top, 0xE81C left, 0xE81D right, 0xE81E bottom);
    // 0xE81F when floating or when the parent is not a dock bar.
    static UINT GetDockBarId(const CControlBar* pBar);
    // Top or bottom; without a dock site the alignment bits of the bar style decide.
    static bool IsDockedHorizontally(const CControlBar* pBar);
    // Left or right; without a dock site the alignment bits of the bar style decide.
    static bool IsDockedVertically(const CControlBar* pBar);
    // On any of the four dock bars (true without a dock site).
    static bool IsDocked(const CControlBar* pBar);
    // Not docked and having a parent frame.
    static bool IsFloating(const CControlBar* pBar);

    // ---- frame helpers (ExtControlBarFrameMessages.cpp) --------------------------------------
    // Shows the command's status tip (0xE001: the idle prompt) in the frame of pWnd.
    static void SetFrameMessageString(CWnd* pWnd, UINT nID);
    // Whether the frame of pWnd, or a frame above it past mini frames, is in context-help mode.
    static bool IsFrameInHelpMode(CWnd* pWnd);
    // Command-manager status tips in the frame's status bar (on from the start).
    static bool g_bUseCmdManagerForSetMessageString;

    enum : UINT
    {
        kDockBarTop = 0xE81B,
        kDockBarLeft = 0xE81C,
        kDockBarRight = 0xE81D,
        kDockBarBottom = 0xE81E,
        kDockBarFloat = 0xE81F
    };

    // ======== the bar core =================================================================

    // Bits of m_bfBarFlags.
    enum : BYTE
    {
        kBarResizableCaption = 0x01,
        kBarEraseBkgnd = 0x02,
        kBarDialogMode = 0x04,
        kBarIdleWork = 0x08,
        kBarBusy = 0x10,
        kBarInBarsMenu = 0x20,
        kBarFixedSize = 0x40
    };
    // Bits of m_bfTracking.
    enum : BYTE
    {
        kTrackRowExtent = 0x01,
        kTrackInRow = 0x02,
        kTrackDragging = 0x04,
        kTrackRepositionChild = 0x08,
        kTrackLayoutSuspended = 0x10
    };
    // Bits of m_bfRuntimeState.
    enum : BYTE
    {
        kStateFocus = 0x01,
        kStateNearSplitter = 0x02,
        kStateNcButtonHover = 0x04,
        kStateAutoHide = 0x08,
        kStateNcButtonPressed = 0x10 // the left button went down on a caption button of the docked bar
    };
    // Point meaning "no point" in the searches.
    enum : int
    {
        kNoPoint = -1000
    };
    // WM_TIMER id the bar posts itself after leaving auto-hide mode: it redraws itself, its frame and its children.
    enum : UINT_PTR
    {
        kTimerRedrawAll = 0x1005
    };

    // Placement of a fixed-size bar in its outer dock row: the order value (0 empty, 1 most
    // recently placed), the place the user gave the bar (dock-bar client coordinates), its stored
    // extent along the row, and flags (1 after construction and Empty).
    struct OuterRowPlacement_t
    {
        DWORD m_dwOrder = 0;
        CRect m_rc = CRect(0, 0, 0, 0);
        CSize m_size = CSize(0, 0);
        DWORD m_dwFlags = 1;
        void Empty()
        {
            m_dwOrder = 0;
            m_rc.SetRectEmpty();
            m_size = CSize(0, 0);
            m_dwFlags = 1;
        }
        bool IsEmpty() const { return m_dwOrder == 0; }
        // WORD flags (bit 0: empty), then the order, the rectangle, the size and the flags when not empty.
        void Serialize(CArchive& ar);
    };

    // The docking-state snapshot (ExtControlBarState.cpp: records and archive form; ExtControlBarStateCapture.cpp:
    // capture; ExtControlBarStateApply.cpp: restore; ExtControlBarStateRead.cpp: the read-ahead;
    // ExtControlBarStateStore.cpp: registry and archive; ExtControlBarFrameDockState.cpp: the frame's CDockState).

    // A fixed-size bar or a bar on a frame-edge dock bar.
    class OuterItemData_t : public CObject
    {
    public:
        OuterItemData_t();
        OuterItemData_t(const OuterItemData_t& other) = default;
        OuterItemData_t& operator=(const OuterItemData_t& other) = default;
        void Serialize(CArchive& ar) override;

        UINT m_nBarId;
        CPoint m_ptFloatPos; // a floating bar: its floating frame's top-left corner
        CSize m_sizeHorzDocked;
        CSize m_sizeVertDocked;
        CSize m_sizeFloating; // a floating fixed-size bar: its whole floating frame
        OuterRowPlacement_t m_placement;
        bool m_bFloating;
    };

    // One bar, with the bars of a container nested in it.
    class InternalDockStateBar : public CObject
    {
    public:
        // Kinds (low four bits of m_dwStateFlags) and flags.
        enum : DWORD
        {
            kKindMask = 0x0F,
            kKindBar = 1,
            kKindDynContainer = 2,
            kKindTabContainer = 3,
            kVisible = 0x10,
            kFloatingContainer = 0x20,
            kNewRow = 0x40,
            kNested = 0x80,
            kInTabContainer = 0x100,
            kSelectedTab = 0x200,
            kAutoHide = 0x400,
            // The dock context's side as its CBRS_ALIGN_ bit, written with m_rcMRUDockPos; none in older records.
            kMRUSideMask = 0xF000
        };
        // Records nested deeper than this fail the load.
        static const int kMaxNesting = 32;

        InternalDockStateBar();
        ~InternalDockStateBar() override;
        InternalDockStateBar(const InternalDockStateBar&) = delete;
        InternalDockStateBar& operator=(const InternalDockStateBar&) = delete;

        void Reset();
        void Clear();
        void Serialize(CArchive& ar) override;
        // Reading at the nesting depth given (the top-level records are at 0).
        void SerializeAt(CArchive& ar, int nDepth);
        DWORD GetKind() const { return m_dwStateFlags & kKindMask; }

        void CaptureBar(CExtControlBar* pBar, InternalDockStateBar* pParent);
        // Steps of the restore; false when the record could not be placed (then it and its
        // nested records are skipped by the later steps).
        bool Restore(CFrameWnd* pFrame, InternalDockStateBar* pParent);
        void ApplyMetrics(CFrameWnd* pFrame, InternalDockStateBar* pParent);
        void FinishRestore(CFrameWnd* pFrame, InternalDockStateBar* pParent);
        // Copies the stored metrics into the live bar (no style, no recursion).
        void CopyMetricsToLiveBar();
        // A floating tab group stored closed (hidden itself, its members shown).
        bool IsClosedFloatingGroup() const;
        // Whether the frame can take the record and its nested records (top-level: pParent NULL).
        bool IsApplicable(CFrameWnd* pFrame, const InternalDockStateBar* pParent) const;

        UINT m_nBarId;
        UINT m_nDockBarId;
        int m_nCircle;
        UINT m_nMRUWidth;
        DWORD m_dwBarStyle;
        DWORD m_dwStateFlags;
        DWORD m_dwMRUFloatStyle;
        DWORD m_dwFloatingFrameStyle;
        int m_nRowSpaceToReclaim;
        CPoint m_ptFloatPos;
        CPoint m_ptMRUFloatPos;
        CRect m_rcMRUDockPos;
        CRect m_rcFloatingFrame;
        CRect m_rcBarInDockBar;
        CSize m_sizeHorzDocked;
        CSize m_sizeVertDocked;
        CSize m_sizeFloating;
        CArray<InternalDockStateBar*, InternalDockStateBar*> m_arrNestedStates; // owned
        int m_nSelectedTab;                                                     // run time only
        CExtControlBar* m_pLiveBar;                                             // run time only

    protected:
        void FixRow(CDockBar* pDockBar);
        // Docks the live bar into the dock bar with its layout locked, then moves it to its stored place.
        void PlaceInDockBar(CDockBar* pDockBar, bool bLock, bool bFixRow);
    };

    // The snapshot of one frame.
    class InternalDockStateSite : public CObject
    {
    public:
        explicit InternalDockStateSite(CFrameWnd* pFrame);
        ~InternalDockStateSite() override;
        InternalDockStateSite(const InternalDockStateSite&) = delete;
        InternalDockStateSite& operator=(const InternalDockStateSite&) = delete;

        void Clear();
        void Serialize(CArchive& ar) override;
        void CaptureState();
        // False when a record could not be restored (the rest is applied).
        bool ApplyState(bool bPlacementRequested);
        void AppendFloatingFrameBar(CFrameWnd* pFloatingFrame);
        void AppendDockBarRows(CDockBar* pDockBar);
        // The dock bar at a side of the frame that the state docks a bar of this id in, made with its circle when
        // missing; NULL for a bar the state floats, puts into a container or leaves out.
        CExtDockBar* DockBarOfNewBar(UINT nBarId);

        CArray<OuterItemData_t, OuterItemData_t&> m_arrOuterItems;
        CFrameWnd* m_pFrame; // not owned
        WINDOWPLACEMENT m_wpFrame;
        CDockState* m_pDockState;                                            // owned
        CArray<InternalDockStateBar*, InternalDockStateBar*> m_arrBarStates; // owned
        CArray<UINT, UINT> m_arrAutoHideIds;

    protected:
        // Drops the entries the frame cannot take.
        void DropInapplicable();
    };

    // The tracker drawn while a splitter is tracked or a bar dragged; painting the same record
    // twice restores the screen.
    struct TRACKER_PAINT_DATA
    {
        enum : DWORD
        {
            kErase = 0x01,       // the record erases what it drew
            kDrawnByFrame = 0x02 // set by a frame that drew the tracker itself
        };
        enum : int
        {
            kModeBand = 0,       // solid band (1 is the same)
            kModeFrame = 2,      // frame outline
            kModeTabbedFrame = 3 // frame outline with a tab below
        };
        CExtControlBar* m_pBar;
        CDC* m_pDC;
        int m_nMode;
        CRect m_rc;
        DWORD m_dwFlags;
    };

    // Where a dragged bar would land if the button were released now. Two process-wide instances exist:
    // the computed state, rewritten by every update, and the shown state, what is drawn or applied.
    // Sources: ExtControlBarDragState.cpp (record, showing), ExtControlBarDockCalc.cpp (CalcTarget),
    // ExtControlBarDockFixed.cpp (bars of fixed dock style).
    class InternalDraggingState_t : public CObject
    {
    public:
        // Target kinds (m_nTargetKind).
        enum : int
        {
            kFloat = 0,            // no target: the bar floats at the cursor
            kBesideTop = 1,        // 1..4 beside the target bar on its top, bottom, left, right
            kInnerTop = 5,         // 5..8 at a frame side in the innermost circle
            kOuterTop = 9,         // 9..12 at a frame side in circle 1
            kStay = 13,            // the bar stays where it is
            kMarkerOuterTop = 14,  // 14..17 outer marker set
            kMarkerViewTop = 18,   // 18..21 markers around the view
            kMarkerBarTop = 22,    // 22..25 markers around a bar
            kMarkerCentre = 26,    // centre marker of a bar
            kTabAppend = 27,       // into the target's tab group, appended (no visible tab strip)
            kTabAppendStrip = 28,  // the same with the target's tab strip visible
            kTabAtIndex = 29,      // into the target's tab group at m_nTabIndex (cursor over its strip)
            kTabMarkerAtIndex = 30 // centre marker over a tab group with a visible strip
        };
        explicit InternalDraggingState_t(CExtControlBar* pBarSource = nullptr);
        InternalDraggingState_t(const InternalDraggingState_t& other);
        ~InternalDraggingState_t() override;
        // Releases this record's target first when it differs from the other's.
        InternalDraggingState_t& operator=(const InternalDraggingState_t& other);
        // m_nCursorKind is not compared.
        bool operator==(const InternalDraggingState_t& other) const;
        bool operator!=(const InternalDraggingState_t& other) const { return !(*this == other); }

        bool IsEmpty() const { return m_bEmpty; }
        void SetEmpty(bool bEmpty = true);
        // Returns the previous target; a tab group left behind drops its temporary tabs unless kept.
        CExtControlBar* SetTargetBar(CExtControlBar* pBar, bool bKeepTemporaryTabs = false);
        void SetTabIndexFromPoint(int x, int y);
        static bool IsTabKind(int nKind) { return nKind >= kTabAppendStrip && nKind <= kTabMarkerAtIndex; }

        // Fills this (computed) state for the cursor at the screen point.
        void CalcTarget(int x, int y, bool bCtrl);
        void CalcFixedBarTarget(int x, int y, bool bForceFloat);
        // Moves the fixed-size source bar into the edge dock bar at the cursor; false when its side is not allowed.
        bool DockFixedBarInto(int x, int y, CDockBar* pDockBar);
        void FloatFixedBarAt(int x, int y);
        // Draws the state (tracker, temporary tab or floating frame visibility); bErase only matters for the tracker.
        void DrawState(bool bErase);

        bool m_bEmpty;
        int m_nTargetKind;
        int m_nCursorKind;            // fixed-size drag: 0 move cursor, 1 west-east, 2 north-south
        int m_nCircleNo;              // kinds 5..12: dock circle, 1 the outermost
        CRect m_rcTrack;              // screen; kind 0: shifted by the dock site's window origin
        CExtControlBar* m_pBarSource; // not owned
        CExtControlBar* m_pBarTarget; // not owned
        int m_nTabIndex;

    protected:
        void CalcFloatingRect(int x, int y);
        bool CalcBesideFloatingBar(int x, int y, int nMinW, int nMinH);
        bool CalcOuterCircle(int x, int y);
        bool CalcInnerCircle(int x, int y);
        bool CalcBesideDockedBar(int x, int y, int nMinW, int nMinH);
    };
    static InternalDraggingState_t g_DragStateComputed;
    static InternalDraggingState_t g_DragStateShown;
    // Blocks nested drag updates (docking inside an update pumps messages).
    static bool g_bUpdatingDragState;
    // Timer that refreshes the drag target every 50 ms while the mouse rests.
    enum : UINT_PTR
    {
        kTimerDragRefresh = 0x1004
    };

    // The record of "CExtControlBar::g_nMsgCreateTabbedBar": the frame may store a tab container
    // of its own class in the first field; the rest describes the bar that stays.
    struct CREATE_TABBED_BAR_DATA
    {
        CExtDynTabControlBar* m_pTabbedBar; // NULL when sent; owned by its window once created
        CRect m_rcWindow;
        int m_nDockBarIndex;
        DWORD m_dwWndStyle;
        DWORD m_dwBarStyle;
        UINT m_nDockBarID;
    };

    // The record announced to the frame before and after a bar's context menu is filled.
    class POPUP_MENU_EVENT_DATA
    {
    public:
        // Kinds of the bars menu, by where it was asked for.
        enum : WORD
        {
            kBarsMenuFromDockBar = 0,      // a right click on a dock bar's free space
            kBarsMenuFromBar = 1,          // a right click in a docked bar
            kBarsMenuFromBarCaption = 2,   // a right click on a docked bar's caption
            kBarsMenuFromStatusBar = 3,    // a right click on the status bar
            kBarsMenuFromSlider = 4,       // a right click on an auto-hidden bar's slider
            kBarsMenuFromFloatCaption = 5, // a right press on a floating frame's caption
            kBarsMenuFromMdiClient = 6     // a right click on the MDI client's free space
        };
        POPUP_MENU_EVENT_DATA(WORD nMsgID, CExtPopupMenuWnd* pPopupMenuWnd, CWnd* pWndEventSrc, const POINT& ptScreen,
                              UINT nSourceMessage, LPARAM lParam);
        virtual ~POPUP_MENU_EVENT_DATA();
        // Kinds 0..6, 11 and 14: the menu is the list of bars.
        virtual bool IsControlBarMenuListNotification() const;
        // Sends the record to the target frame; answers whether it handled the menu. Without any
        // target window nothing is sent and the answer is false.
        virtual bool NotifyTarget(bool bPostNotification);

        WORD m_nMsgID;
        CExtPopupMenuWnd* m_pPopupMenuWnd; // not owned
        CWnd* m_pWndEventSrc;              // not owned
        UINT m_nSourceMessage;
        LPARAM m_lParam;
        CFrameWnd* m_pWndInitiatorFrame = nullptr; // not owned; NULL when the target is no frame
        bool m_bPostNotification : 1;
        CPoint m_ptScreen;
    };

    // The record each child gets in the query message of RepositionBarsEx.
    struct QUERY_REPOSITION_CALC_EFFECT_DATA
    {
        enum : WORD
        {
            kModeMask = 0x000F,
            kExclude = 0x0010
        };
        WORD m_nFlags;
        CWnd* m_pWndToReposChilds;
        UINT m_nIDFirst;
        UINT m_nIDLast;
        UINT m_nIDLeftOver;
        LPRECT m_lpRectParam;
        LPCRECT m_lpcRectClient;
        bool m_bStretch : 1;

        QUERY_REPOSITION_CALC_EFFECT_DATA(WORD nFlags, CWnd* pWnd, UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver,
                                          LPRECT lpRectParam, LPCRECT lpcRectClient, bool bStretch);
        int GetMode() const { return m_nFlags & kModeMask; }
        bool IsQueryMode() const { return GetMode() == 1; }
        void ExcludeFromCalc(bool bExclude = true);
        bool IsExcludedFromCalc() const { return (m_nFlags & kExclude) != 0; }
    };

    // ---- statics -------------------------------------------------------------------------------
    // Every constructed bar, guarded by g_csAllControlBars.
    static CArray<CExtControlBar*, CExtControlBar*> g_arrAllControlBars;
    static CRITICAL_SECTION g_csAllControlBars;
    static HCURSOR g_hCursorArrow;
    static HCURSOR g_hCursorMove;
    static HCURSOR g_hCursorResizeV;
    static HCURSOR g_hCursorResizeH;
    static const UINT g_nMsgQueryRepositionCalcEffect;
    static const UINT g_nMsgQueryIcon;
    static const UINT g_nMsgConstructPopupMenu;
    static const UINT g_nMsgCreateTabbedBar;
    static const UINT g_nMsgDrawTackedArea;
    // "CExtControlBar::g_nMsgPutToPopupMenu": WPARAM the target popup; a window answers whether it
    // put its own menu into it.
    static const UINT g_nMsgPutToPopupMenu;
    // Process-wide dragging-style override; -1 takes the paint manager's answer.
    static int g_nDraggingStyleOverride;
    static const wchar_t* const kWndClassName;

    static bool RegisterControlBarClass();
    // Registers a window class of the bars (default window procedure, arrow cursor) unless it exists; the
    // control bars' and the dock bars' classes differ only in name and style.
    static bool RegisterBarClass(const wchar_t* pszClassName, UINT nClassStyle);
    // Draws the tracker of the record; the bar's frame is offered it first through
    // g_nMsgDrawTackedArea.
    static void PaintTracker(TRACKER_PAINT_DATA& data);
    // Replaces the frame's four edge dock bars by outer dock bars; false when a side is not in
    // dwDockStyle or a dock bar cannot be created.
    static bool SetupFrameDocking(CFrameWnd* pFrame, DWORD dwDockStyle = CBRS_ALIGN_ANY,
                                  bool bReplaceFloatingFrameClass = true);
    static bool EnableFrameDocking(CFrameWnd* pFrame, DWORD dwDockStyle = CBRS_ALIGN_ANY,
                                   bool bReplaceFloatingFrameClass = true);
    static CExtControlBar* GetBarBeingFloated();

    // ---- searches and frame helpers ------------------------------------------------------------
    static void FindFrameControlBars(CExtControlBar* pBarExclude, CFrameWnd* pFrame,
                                     CArray<CExtControlBar*, CExtControlBar*>& arrBars, DWORD dwMask = 0xFFF,
                                     int x = kNoPoint, int y = kNoPoint);
    void GetFrameControlBars(bool bExcludeThis, CArray<CExtControlBar*, CExtControlBar*>& arrBars, DWORD dwMask = 0xFFF,
                             int x = kNoPoint, int y = kNoPoint) const;
    static CFrameWnd* FindDockingFrame(const CControlBar* pBar);
    CFrameWnd* GetDockingFrame() const;
    static bool IsDockedAtTop(const CControlBar* pBar);
    static bool IsDockedAtBottom(const CControlBar* pBar);
    static bool IsDockedAtLeft(const CControlBar* pBar);
    static bool IsDockedAtRight(const CControlBar* pBar);
    static bool IsSingleVisibleInFloatingFrame(const CControlBar* pBar);
    static int QueryDraggingStyle();
    static bool HandleBarToggleCommand(CFrameWnd* pFrame, UINT nID, bool bAllowHide = true);
    static void UpdateBarToggleCommand(CFrameWnd* pFrame, CCmdUI* pCmdUI, bool bForce = false);
    static bool IsPrintPreviewFrame(CFrameWnd* pFrame);
    static bool IsFrameOleInPlaceActive(CFrameWnd* pFrame);
    bool IsOleInPlaceActive() const;
    void FocusDockSite();
    static void RecalcAllFloatingFrames(CFrameWnd* pFrame);
    static void RecalcAllBarFrames(CFrameWnd* pFrame);
    static CWnd* GetTopLevelNonChild(CWnd* pWnd);
    static void RepositionBarsEx(CWnd* pWnd, UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag,
                                 LPRECT lpRectParam, LPCRECT lpRectClient = nullptr, bool bStretch = true);
    // Bars placed on dialogs.
    static bool PreTranslateChildBars(CWnd* pWnd, MSG* pMsg);
    static void UpdateChildBarsCmdUI(CWnd* pWnd, bool bDisableIfNoHandler = false);
    bool UpdateBarCmdUI(bool bDisableIfNoHandler = false);

    // ---- row queries and operations ------------------------------------------------------------
    CDockBar* GetDockBarSafe() const;
    // Entries of the bar's row, in array order (placeholders skipped); -1 when the bar is not in
    // a dock bar.
    void GetRowBars(CArray<CControlBar*, CControlBar*>& arrBars) const;
    void GetRowResizableBars(CArray<CExtControlBar*, CExtControlBar*>& arrBars, bool bVisibleOnly = true) const;
    bool IsRowHoldingFullRowBar() const;
    CExtControlBar* FindNeighbourResizableBar(bool bAfter) const;
    // Whether the non-client layout puts a splitter before the bar: a resizable docked bar with a shown resizable
    // bar before it in its row, as the row is now.
    bool HasSplitterBefore() const;
    // Whether the non-client layout puts a splitter after the bar (on its right in a top or bottom row, below it in
    // a left or right column), as the row is now.
    bool HasSplitterAfter() const;
    bool IsFirstInRow(bool bVisibleOnly = true) const;
    bool IsLastInRow(bool bVisibleOnly = true) const;
    bool IsAloneInRow(bool bOnlyFixed = false, bool bOnlyResizable = false) const;
    bool IsAtMinimumInRow() const;
    bool IsExpandedInRow() const;
    void ContractInRow();
    void ExpandInRow();
    void PlaceInOwnRow();
    int GetRowExtent() const;
    void SetRowExtent(int nExtent);
    int GetRowMinExtent() const;
    // Runs the visibility synchronisation of a docked resizable bar; nVisible -1 reads the
    // window's state, 0 or 1 gives the state being set (while WM_SHOWWINDOW runs).
    void SyncVisibility(int nVisible = -1);
    void ReclaimRowSpace();
    bool SwitchAutoHide(bool bAutoHide, bool bOption = false, bool bRecalcFrame = true, bool bAnimate = false);
    bool IsAutoHideMode() const { return (m_bfRuntimeState & kStateAutoHide) != 0; }

    // ---- non-client helpers --------------------------------------------------------------------
    UINT NcButtonsHitTest(CPoint ptScreen, CExtBarNcAreaButton** ppBtn = nullptr);
    void NcButtonsPaint(CDC& dc);
    CExtBarNcAreaButton* NcButtonGet(int nIndex) const { return m_arrNcButtons[nIndex]; }
    INT_PTR NcButtonGetCount() const { return m_arrNcButtons.GetSize(); }
    void NcButtonAdd(CExtBarNcAreaButton* pBtn) { m_arrNcButtons.Add(pBtn); }
    void NcButtonsRemoveAll();
    // The one place the caption buttons are made: the default ones (CreateDefaultNcButtons, once), laid out at the
    // caption as it stands. Called where the caption takes its size: the docked bar's non-client layout, and the
    // floating frame's size and its layout (a frame made at its stored size before its bar is in sizes while empty).
    void MakeNcButtons();
    const CRect& GetCaptionRect() const { return m_rcCaption; }
    const CRect& GetRowSplitterRect() const { return m_rcRowSplitter; }
    const CRect& GetSplitterAfterRect() const { return m_rcSplitterAfter; }
    const CRect& GetSplitterBeforeRect() const { return m_rcSplitterBefore; }
    bool IsDialogMode() const { return (m_bfBarFlags & kBarDialogMode) != 0; }

    // ---- platform overrides --------------------------------------------------------------------
    void PreSubclassWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Messages the bar handles before its message map; each case names its handler.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void DoPaint(CDC* pDC) override;

    // ---- the bar's own virtual operations, in slot order ---------------------------------------
    virtual bool InsertToBarsPopupMenu(CExtPopupMenuWnd* pPopup);                // 1
    virtual bool Create(LPCTSTR pszWindowName, CWnd* pParent, UINT nID = 0xE81F, // 2
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                        CBRS_SIZE_DYNAMIC | CBRS_HIDE_INPLACE);
    virtual bool IsDockSiteInPrintPreview() const;                                                         // 3
    virtual bool EnsureVisibleByCommand();                                                                 // 4
    virtual bool IsFixedSize() const;                                                                      // 5
    virtual bool IsFixedDockStyle() const;                                                                 // 6
    virtual bool QueryGripperPresence(bool* pbCaptionHorz = nullptr, bool* pbCaptionVert = nullptr) const; // 7
    virtual void PaintBackground(CDC& dc, const CRect& rcClient);                                          // 8
    virtual bool IsFullRowBar() const;                                                                     // 9
    virtual int CalcMinWidth() const;                                                                      // 10
    virtual int CalcMinHeight() const;                                                                     // 11
    virtual CSize GetDefaultSize() const;                                                                  // 12
    virtual CSize CalcMinSize() const;                                                                     // 13
    virtual OuterRowPlacement_t* GetOuterRowPlacement();                                                   // 14
    virtual void SetOuterRowPlacement(const OuterRowPlacement_t& placement);                               // 15
    virtual void OnOuterRowPlacementChanged();                                                             // 16
    virtual void ResetOuterRowPlacement();                                                                 // 17
    virtual bool IsRowThicknessShared() const;                                                             // 18
    virtual void RequestFrameLayout();                                                                     // 19
    virtual void RefreshNonClientFrame();                                                                  // 20
    virtual bool IsLiveDragMode() const;                                                                   // 21
    virtual bool IsLiveResizeModeRowExtent() const;                                                        // 22
    virtual bool IsLiveResizeModeInRow() const;                                                            // 23
    virtual void RepositionChildWindow(int cx = -1, int cy = -1, bool bRepaint = true);                    // 24
    virtual void RowExtentTrackBegin();                                                                    // 25
    virtual void RowExtentTrackEnd(bool bCancel);                                                          // 26
    virtual void RowExtentTrackStep();                                                                     // 27
    virtual void InRowSplitterTrackBegin();                                                                // 28
    virtual void InRowSplitterTrackEnd(bool bCancel);                                                      // 29
    virtual void InRowSplitterTrackStep();                                                                 // 30
    virtual bool IsSplitterAfterMovable() const;                                                           // 31
    virtual bool IsSplitterBeforeMovable() const;                                                          // 32
    virtual void RowExtentTrackerUpdate(bool bErase);                                                      // 33
    virtual void InRowSplitterTrackerUpdate(bool bErase);                                                  // 34
    virtual bool DockBesideBar(CExtControlBar* pBarTarget, int nSide, int nPercent);                       // 35
    virtual bool DockOrFloat(InternalDraggingState_t& state, bool bFinal);                                 // 36
    virtual void DraggingLoop(const POINT& ptScreen, const POINT& ptGrabOffset, int cxStart = 1,           // 37
                              int cyStart = 1);
    virtual void DraggingEnd(bool bCancel);                                                       // 38
    virtual void UpdateDragState(const POINT& ptScreen, bool bCtrl);                              // 39
    virtual void NotifyDragStart();                                                               // 40
    virtual void NotifyDragEnd(InternalDraggingState_t& shown, InternalDraggingState_t& computed, // 41
                               bool bCancel);
    virtual void UpdateCursorAt(const POINT& ptClient);                               // 42
    virtual bool QueryExtraFeature() const;                                           // 43
    virtual bool IsDockTargetBar() const;                                             // 44
    virtual bool IsMarkerDockingAllowed() const;                                      // 45
    virtual CExtDynTabControlBar* GetTabbedContainer() const;                         // 46
    virtual void HandleToggleCommand(bool bAllowHide = true);                         // 47
    virtual void UpdateToggleCommand(CCmdUI* pCmdUI, bool bForce = false);            // 48
    virtual CFrameWnd* CreateFloatingFrame(DWORD dwStyle, LPCRECT lpPlace = nullptr); // 49
    virtual void ToggleDocking();                                                     // 50
    // False when no floating frame could be made (the bar stays where it was).
    virtual bool FloatAtPoint(CPoint ptScreen, DWORD dwStyle = CBRS_ALIGN_TOP);                    // 51
    virtual bool DockAtSide(UINT nDockBarID, bool bNewCircle = false, CFrameWnd* pFrame = nullptr, // 52
                            bool bRecalc = true);
    // nSide: the dock-bar id of the target's side the bar goes to.
    virtual bool DockNextToBar(int nPercent, CExtControlBar* pBarTarget, UINT nSide, bool bRecalc = true); // 53
    virtual bool DockViaDragState(CExtControlBar* pBarTarget, bool bInRow, bool bFirst,                    // 54
                                  CFrameWnd* pFrame = nullptr, bool bRecalc = true);
    virtual bool DockAtSideCircle(UINT nDockBarID, int nCircle, CFrameWnd* pFrame = nullptr, // 55
                                  bool bRecalc = true);
    virtual bool DockAsTabWith(CExtControlBar* pBarAdd, int nIndex = -1, bool bRecalc = true); // 56
    virtual void GetCaptionText(CString& sText) const;                                         // 57
    virtual void CalcNcButtonsExtent(CRect& rcCaption) const;                                  // 58
    virtual void CreateDefaultNcButtons();                                                     // 59
    virtual void LayoutNcButtons();                                                            // 60
    virtual int HitTestItem(CPoint ptClient) const;                                            // 61
    virtual bool ProcessMouseMove(UINT nFlags, CPoint ptClient);                               // 62

    // FloatAtPoint at m_ptFloatPos.
    void FloatAtStoredPosition(DWORD dwStyle = CBRS_ALIGN_TOP);

    // ---- docking back (ExtControlBarDockBack.cpp) -----------------------------------------------
    // Where a bar was docked when it last floated: the frame-edge dock bar that held it (through its
    // containers), by its window (that circle may be dropped when it empties) and by its id and
    // circle, and a bar of its tab group with the bar's tab index there (0 and -1 when it was in none).
    // An id of 0: no place known. Its rectangle is its dock context's most-recent docked one.
    struct DockedPlace_t
    {
        HWND m_hDockBar = nullptr;
        UINT m_nDockBarId = 0;
        UINT m_nCircle = 0;
        UINT m_nTabMateId = 0;
        int m_nTabIndex = -1;
    };
    // Remembers the docked place the bar is about to leave, and so does each bar of a group or container leaving
    // with it; a bar that is not docked keeps the last one.
    // The dock context gets the side and the bar's window rectangle in the client coordinates of that
    // side's frame-edge dock bar (circle 0), which keep their place in the frame when it moves and are
    // written with the docking state.
    void RememberDockedPlace();
    // Docks a floating bar back where it was docked last: a fixed dock-style bar through its dock
    // context's toggle; any other bar as a tab of its tab group's bar at its tab index when that bar is
    // still docked at the same side, else at the dock context's docked rectangle into its dock bar, or,
    // when that circle was dropped, a new circle at its number; without a remembered place (a restart)
    // into the circle of the side under that rectangle, or a new circle there; the bar gets its docked
    // size back from the bars of its row. Without a rectangle at the side its dock context names, circle
    // 1. The floating frame that held it may be destroyed meanwhile. False when the bar was not docked.
    bool DockBackFromFloating();

    // DockNextToBar at 50 percent.
    bool DockNextToBar(CExtControlBar* pBarTarget, UINT nSide, bool bRecalc = true);
    // The dragged bar of the shown state; NULL when no drag shows anything.
    static CExtControlBar* GetDraggedBar();

    // ---- docking state (ExtControlBarStateStore.cpp, ExtControlBarStateRead.cpp, ExtControlBarFrameDockState.cpp) --
    // Frames whose docking state is being loaded (1) or saved (0).
    static CMap<CFrameWnd*, CFrameWnd*, WORD, WORD> g_mapFrameStateOperations;
    static bool RegisterFrameStateOperation(CFrameWnd* pFrame, bool bLoad);
    static void UnregisterFrameStateOperation(CFrameWnd* pFrame);
    static bool QueryFrameStateOperation(CFrameWnd* pFrame, bool* pbLoad = nullptr);
    static bool SerializeFrameBarState(CArchive& ar, CFrameWnd* pFrame, WINDOWPLACEMENT* pFrameWp = nullptr);
    static bool SaveFrameBarState(CFrameWnd* pFrame, LPCTSTR lpszRegKey, LPCTSTR lpszProductKey,
                                  LPCTSTR lpszProfileName, WINDOWPLACEMENT* pFrameWp = nullptr);
    static bool LoadFrameBarState(CFrameWnd* pFrame, LPCTSTR lpszRegKey, LPCTSTR lpszProductKey,
                                  LPCTSTR lpszProfileName, WINDOWPLACEMENT* pFrameWp = nullptr);
    // Reads the frame's stored state before its bars are created (false: none stored, or damaged): each bar the
    // state docks at a side is then created in its dock bar there, and LoadFrameBarState applies what was read.
    static bool ReadFrameBarState(CFrameWnd* pFrame, LPCTSTR lpszRegKey, LPCTSTR lpszProductKey,
                                  LPCTSTR lpszProfileName);
    // Makes a bar about to be created for a frame with a state read ahead a child of the dock bar the state docks it
    // in (cs.hwndParent).
    static void PlaceNewBarByReadState(CExtControlBar* pBar, CREATESTRUCT& cs);
    // Has the dock bar PlaceNewBarByReadState made a bar in enter it, once created, in its rows.
    static void DockNewBarByReadState(CExtControlBar* pBar);
    // Applies a state read (the frame's placement into pFrameWp when given).
    static bool ApplyReadState(InternalDockStateSite& site, WINDOWPLACEMENT* pFrameWp);
    static void GetFrameDockState(CFrameWnd* pFrame, CDockState& state,
                                  CArray<OuterItemData_t, OuterItemData_t&>& arrOuterItems);
    static void SetFrameDockState(CFrameWnd* pFrame, CDockState& state,
                                  CArray<OuterItemData_t, OuterItemData_t&>& arrOuterItems);

    // ---- fields (in declaration order) ---------------------------------------------------------
    BYTE m_bfBarFlags;
    int m_nCaptionHorz;
    int m_nCaptionVert;
    int m_nSplitterY;
    int m_nSplitterX;
    int m_nMinWidthBase;
    int m_nMinHeightBase;
    int m_nTrackStart;
    int m_nTrackOffset;
    CSize m_sizeHorzDocked;
    CSize m_sizeVertDocked;
    CSize m_sizeFloating;
    CRect m_rcCaption;
    CRect m_rcRowSplitter;
    CRect m_rcSplitterAfter;
    CRect m_rcSplitterBefore;
    BYTE m_bfTracking;
    int m_nRowSpaceToReclaim;
    CPoint m_ptFloatPos;
    CPoint m_ptGrabFloating;
    CPoint m_ptGrabHorz;
    CPoint m_ptGrabVert;
    BYTE m_bfRuntimeState;
    CPoint m_ptDragPrev;
    CArray<CExtBarNcAreaButton*, CExtBarNcAreaButton*> m_arrNcButtons; // owned
    DockedPlace_t m_lastDockedPlace;                                   // set by RememberDockedPlace

protected:
    // WindowProc's handlers. Erasing paints nothing unless the bar asks for it (then around the children); creation
    // sets up frame docking for a resizable bar; a docked or dialog-mode bar always gets a frame change and, when
    // moved, syncs its visibility, caption buttons and child window; the redraw timer redraws everything.
    LRESULT OnEraseBkgndMsg(WPARAM wParam, LPARAM lParam);
    void OnCreateMsg();
    void OnNcDestroyMsg();
    void OnWindowPosChangingMsg(WINDOWPOS* pWndPos);
    LRESULT OnWindowPosChangedMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimerMsg(WPARAM wParam, LPARAM lParam);
    // The message text of a bar created without a name: command text, else resource string.
    static CString LoadBarText(CWnd* pParent, UINT nID);
    void OpenBarsMenu(CPoint ptClient, bool bCaption);
    bool IsAnyBarDragged() const;
    bool IsDockedOrDialog() const;
    // The edges of a docked bar that may carry a splitter, from the shown bars beside it and in the rows around it.
    void CalcSplitterEdges(bool& bLeft, bool& bTop, bool& bRight, bool& bBottom) const;
    void NcCalcLayout(CRect& rc);

    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnCancelMode();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUIBar(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSizeParentBar(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHelpHitTestBar(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnDisplayChange(UINT nBitsPerPixel, int cx, int cy);
    afx_msg LRESULT OnThemeChangedBar(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
