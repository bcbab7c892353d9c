// CExtDockBar: the toolkit dock bar: rows of docked bars with the toolkit's layout rules, the
// docking operations, the circles of dock bars, the layout lock and the bars menu. Sources:
// ExtDockBar.cpp (class record, window, layout, painting, bars menu), ExtDockBarRows.cpp (docking
// and removing bars), ExtDockBarCircles.cpp (circles and dropping empty containers).
//
// Row model: m_arrBars holds NULL row breaks (index 0 and the last entry always), placeholder ids
// below 0x10000 (bars that left and may come back; they take no room and end no row) and bars.
#pragma once
#include "platform/DockBar.h"

class CFrameWnd;
class CExtPopupMenuWnd;
class CExtDynAutoHideArea;

class CExtDockBar : public CDockBar
{
    DECLARE_DYNCREATE(CExtDockBar)
public:
    explicit CExtDockBar(UINT nCircle = 0);
    ~CExtDockBar() override;

    static const wchar_t* const kWndClassName;
    static bool RegisterDockBarClass();
    // Window style of a new circle dock bar; the side's alignment is added.
    static const DWORD kCircleDockBarStyle = 0x56000000;
    // The side's alignment style (0 for an id that is no side).
    static DWORD AlignStyleOfSide(UINT nDockBarID);

    // ---- platform overrides --------------------------------------------------------------------
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL DestroyWindow() override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;

    // ---- own virtual operations ----------------------------------------------------------------
    // The frame side's auto-hide area, NULL when the frame has none.
    virtual CExtDynAutoHideArea* GetAutoHideArea() const;
    // Stores the lock bit; returns the previous flag.
    virtual bool SetLayoutLocked(bool bLock);
    // Relays the row layout to the nested containers (nothing while locked or running).
    virtual void RecalcRows();
    // Relays row cleaning (dissolving) to the nested containers (nothing while locked).
    virtual void CleanRows();

    bool IsLayoutLocked() const { return (m_bLayoutLocked & 1) != 0; }
    UINT GetCircleNo() const { return m_nCircle; }

    // ---- docking operations (ExtDockBarRows.cpp) ----------------------------------------------
    // Docks pBar at lpRectScreen (its centre picks the row), or as a new last row without one.
    void DockBarInto(CControlBar* pBar, LPCRECT lpRectScreen = nullptr, bool bMoveNow = false);
    // Docks pBar in a row of its own directly before or after the row holding pBarRef.
    void DockBarInNewRow(CControlBar* pBarRef, CControlBar* pBar, bool bBefore);
    // Docks pBar as the first row (bInner on the right or bottom dock bar) or at the end.
    void DockBarAtEdgeRow(CControlBar* pBar, bool bInner);
    // Enters pBar, just made as a child of this dock bar and in none yet (a bar the stored state docks here, made
    // here by the state's read-ahead), in a row of its own at the end; nothing is laid out or moved: the state's load
    // puts the rows in their stored order and gives the bar its side's style.
    void DockNewChildBar(CControlBar* pBar);
    // Takes pBar out of the rows. nPlaceHolderMode: 1 leaves its id, -1 only removes the bar, any
    // other value also removes its placeholders in the frame. False when it is not here.
    bool RemoveBarFromRows(CControlBar* pBar, int nPosExclude = -1, int nPlaceHolderMode = 0, bool bDelayLayout = true);
    // pBarOrId is a bar or a control id below 0x10000.
    void RemovePlaceHolder(CControlBar* pBarOrId, bool bSearchFrame = false, bool* pbFound = nullptr);
    static void RemovePlaceHolderInFrame(CFrameWnd* pFrame, UINT nID, bool* pbFound = nullptr);
    void RemoveAllPlaceHolders(bool bSearchFrame = false);

    // The same operations over any dock bar: the floating frame's platform dock bar counts as
    // unlocked and has neither circles nor nested containers.
    static void DockBarInto(CDockBar* pDockBar, CControlBar* pBar, LPCRECT lpRectScreen, bool bMoveNow);
    static void DockBarInNewRow(CDockBar* pDockBar, CControlBar* pBarRef, CControlBar* pBar, bool bBefore);
    static void DockBarAtEdgeRow(CDockBar* pDockBar, CControlBar* pBar, bool bInner);
    static bool RemoveBarFromRows(CDockBar* pDockBar, CControlBar* pBar, int nPosExclude, int nPlaceHolderMode,
                                  bool bDelayLayout);
    static void RemovePlaceHolder(CDockBar* pDockBar, UINT nID, bool bSearchFrame, bool* pbFound);

    // ---- circles (ExtDockBarCircles.cpp) -------------------------------------------------------
    CExtDockBar* GetSiblingDockBar(UINT nDockBarID, bool bCreate = false);
    static CExtDockBar* FindCircleDockBar(CFrameWnd* pFrame, UINT nCircle, UINT nDockBarID, bool bCreate = false);
    UINT GetNextCircle();
    static UINT CreateInnerCircle(CFrameWnd* pFrame);
    void InsertCircleInside();
    void InsertCircleAt(UINT nCircle);
    static void InsertCircle(CFrameWnd* pFrame, UINT nCircle);
    CExtDockBar* GetCircleDockBar(UINT nCircle);
    // Leaves the chain and the frame's list and destroys the window (deleting the object).
    void RemoveCircleDockBar();
    // Every entry is a row break.
    bool IsEmpty() const;
    void DropEmptyContainersIfUnlocked();
    static void DropEmptyContainers(CFrameWnd* pFrame);

    // Fills pPopup with an item per bar of the frame (tool bars and resizable bars apart); answers
    // whether the menu holds an item afterwards.
    static bool BuildBarsPopupMenu(CFrameWnd* pFrame, CExtPopupMenuWnd* pPopup, WORD nNotificationType, CWnd* pWndSrc,
                                   UINT nMsgID, LPARAM lParam);
    // Builds that menu, its commands going to pReceiver (pFrame when NULL), gives pFocus the keys when given and
    // tracks it at ptScreen, at the pointer when that is (-1,-1); nothing when it holds no item.
    static void TrackBarsPopupMenuAtCursor(CFrameWnd* pFrame, WORD nNotificationType, CWnd* pWndSrc, UINT nMsgID,
                                           CWnd* pReceiver = nullptr, CWnd* pFocus = nullptr,
                                           CPoint ptScreen = CPoint(-1, -1));

    BYTE m_bLayoutLocked;                 // bit 0: layout lock
    UINT m_nCircle;                       // 0 for the frame-edge dock bars, 1, 2, ... further in
    CExtDockBar* m_pOuterCircleBar;       // not owned
    CExtDockBar* m_pInnerCircleBar;       // not owned
    CRect m_rcInnerEdge;                  // screen: the inner edge line left at the last frame layout
    CExtDynAutoHideArea* m_pAutoHideArea; // not owned; the frame side's area
    BYTE m_bInRecalcRows;                 // bit 0: RecalcRows runs

protected:
    CSize GetBarMinSize(CControlBar* pBar) const override;
    BOOL CanWrapBar(CControlBar* pBar) const override;
    // Hands every bar back (entries removed under the lock, bars re-parented to the dock site).
    void ReleaseBars();
    void UnlinkCircle();

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnSizeParentDock(WPARAM wParam, LPARAM lParam);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnDestroy();
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
