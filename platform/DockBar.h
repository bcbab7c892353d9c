// The dock bar: the strip along a frame side (or inside a floating frame) that holds docked bars
// in rows.
#pragma once
#include "platform/Collections.h"
#include "platform/ControlBar.h"

class CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);
    virtual ~CDockBar();

    // Creates the dock bar as a visible child of pParentWnd (a frame) with the given alignment.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    // ---- the bars ------------------------------------------------------------------------------
    // The bar at nPos, or NULL for a row break or a placeholder.
    CControlBar* GetDockedControlBar(int nPos) const;
    static BOOL IsPlaceHolder(void* pEntry) { return pEntry != nullptr && (UINT_PTR)pEntry < 0x10000; }
    int GetDockedCount() const;
    virtual int GetDockedVisibleCount() const;
    // Index of pBar (a bar or a placeholder id cast to a pointer) other than nPosExclude; -1 when absent.
    int FindBar(CControlBar* pBar, int nPosExclude = -1) const;
    // Shows or hides every docked bar at the next layout.
    void ShowAll(BOOL bShow);

    // ---- docking ------------------------------------------------------------------------------
    // Docks pBar into this dock bar: by the centre of lpRect (screen) into a row, or as a new last row.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Docks pBar back where it left this dock bar: into its placeholder's entry (its row, its place there) while
    // that is kept; else in a row of its own where lpRect (screen) lay, or as a new last row without a rectangle.
    void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Takes pBar out: nAddPlaceHolder 1 leaves a placeholder, 0 removes old placeholders too, -1
    // only removes the bar. FALSE when it is not here.
    BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, int nAddPlaceHolder = 0);
    void RemovePlaceHolder(CControlBar* pBar);
    // Index for a bar at rect (client coordinates) centred at ptMid; a new row gets its break first.
    int Insert(CControlBar* pBarIns, CRect rect, CPoint ptMid);

    // ---- layout -------------------------------------------------------------------------------
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    virtual BOOL IsDockBar() const override { return TRUE; }
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    virtual void DoPaint(CDC* pDC) override;

    // ---- saved state --------------------------------------------------------------------------
    virtual void GetBarInfo(CControlBarInfo* pInfo) override;
    virtual void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;

    CPtrArray m_arrBars; // NULL row breaks (first and last entry too), ids below 0x10000, bars
    BOOL m_bFloating;    // the dock bar of a floating frame
    BOOL m_bLayoutQuery = FALSE;
    CRect m_rectLayout; // the rectangle offered by the running layout

    // The size the row layout gives a floating dock bar holding one bar sizeBar large: a pixel more along the row.
    static CSize CalcSizeAroundOne(CSize sizeBar, BOOL bHorz);

protected:
    // The row layout: bars in rows, wrapping when a row is full. Steps the toolkit's dock bars
    // change are the virtuals below.
    CSize CalcRowLayout(BOOL bStretch, BOOL bHorz);
    // Smallest extents a bar may be squeezed to (window size less client size).
    virtual CSize GetBarMinSize(CControlBar* pBar) const;
    // Whether pBar may move to a new row when its row is full.
    virtual BOOL CanWrapBar(CControlBar* pBar) const;
    // Removes the entry at nPos; a row left empty collapses.
    void RemoveEntry(int nPos);
    // Docking as DockControlBar does; with bBack as ReDockControlBar does.
    void DockAt(CControlBar* pBar, LPCRECT lpRect, BOOL bBack);
    // Index for pBar in a row of its own before the first row whose middle lies past rect's leading edge
    // (client coordinates); after every row when none does.
    int InsertRow(CControlBar* pBarIns, const CRect& rect);

    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    BOOL m_bInDestroy = FALSE; // set while the window goes: no floating-frame clean-up then
};
