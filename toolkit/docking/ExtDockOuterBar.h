// CExtDockOuterBar: the outer dock bar (circle 0) at a frame edge: rows of fixed-size bars that keep
// the places the user gave them, squeeze before they wrap and share their thickness; it also
// answers the system events for its frame.
#pragma once
#include "platform/Collections.h"
#include "toolkit/docking/ExtDockBar.h"

class CExtControlBar;

class CExtDockOuterBar : public CExtDockBar
{
    DECLARE_DYNCREATE(CExtDockOuterBar)
public:
    CExtDockOuterBar();
    ~CExtDockOuterBar() override;

    // One visible bar of the row being laid out.
    struct OuterLayoutItemData
    {
        CControlBar* m_pBar = nullptr; // not owned
        BYTE m_bVisible = 0;           // bit 0: visible when the record was made
        CSize m_sizeCalc = CSize(0, 0);
        CSize m_sizeMin = CSize(0, 0);
        CRect m_rcPreCalc = CRect(0, 0, 0, 0); // where the layout puts it (client coordinates)
        CRect m_rcReal = CRect(0, 0, 0, 0);    // its window rectangle before the layout
    };
    typedef CArray<OuterLayoutItemData, const OuterLayoutItemData&> ItemArray;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void RecalcRows() override { CExtDockBar::RecalcRows(); }
    void CleanRows() override { CExtDockBar::CleanRows(); }

    // The record of pBar for a layout along sizeAvail.
    OuterLayoutItemData MakeItem(CControlBar* pBar, const CSize& sizeAvail, bool bHorz) const;
    // Lays out the items of one row from ptRunning (which moves past the rows made); hDWP NULL
    // for a layout query. pnRows counts the rows made; pbWrapped tells whether the row wrapped,
    // pbSqueezed whether a squeeze made it fit.
    void LayoutRow(CSize& sizeResult, const CSize& sizeAvail, CPoint& ptRunning, bool bHorz, HDWP* pDWP,
                   ItemArray& arrItems, int* pnRows = nullptr, bool* pbWrapped = nullptr, bool* pbSqueezed = nullptr);
    // Fits items nFirst..nLast into nAvail pixels: closes gaps from the row end, then shortens bars
    // from the last one to their minimum. False, with nothing changed, when even that is too long.
    static bool SqueezeRow(ItemArray& arrItems, int nFirst, int nLast, int nAvail, bool bHorz);
    // Makes pBar the most recently placed bar of its row and renumbers the others.
    void BumpPlacementOrder(CExtControlBar* pBar);
    // Moves pBar's stored place nOffset pixels along its row (drag inside the outer dock bars);
    // *pbExtentChanged tells that its stored extent changed instead.
    void CalcDragLayout(CExtControlBar* pBar, int nOffset, bool* pbExtentChanged);
    // Moves pBar into the row of arrRowBars at its start plus nOffset; false when the row has no
    // room for its minimum.
    bool MoveBarToRow(CExtControlBar* pBar, const CArray<CControlBar*, CControlBar*>& arrRowBars, int nOffset);

protected:
    CSize AvailableSize() const;
    static void EqualizeThickness(ItemArray& arrItems, int nFirst, int nLast, bool bHorz);

    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnDisplayChange(UINT nBitsPerPixel, int cx, int cy);
    afx_msg LRESULT OnThemeChangedBar(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()
};
