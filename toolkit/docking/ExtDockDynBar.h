// CExtDockDynBar: the inner dock bar of a dynamic container bar; it fills the container's client
// area and shares the container's size among the bars of its rows.
#pragma once
#include "platform/Collections.h"
#include "toolkit/docking/ExtDockBar.h"

class CExtControlBar;

class CExtDockDynBar : public CExtDockBar
{
    DECLARE_DYNCREATE(CExtDockDynBar)
public:
    explicit CExtDockDynBar(UINT nCircle = 0);
    ~CExtDockDynBar() override;

    // One row of the visible layout.
    struct VisibleLayoutItem_t
    {
        CArray<CExtControlBar*, CExtControlBar*> m_arrBars; // the row's visible bars (not owned)
        int m_nThickness = 0;
        int m_nMinThickness = 0;
        int m_nLength = 0; // sum of the bars' lengths along the row
    };
    // The rows of visible bars, built afresh for each layout; owns its rows.
    struct VisibleLayout_t
    {
        VisibleLayout_t() = default;
        VisibleLayout_t(const VisibleLayout_t&) = delete;
        VisibleLayout_t& operator=(const VisibleLayout_t&) = delete;
        ~VisibleLayout_t();
        bool IsEmpty() const { return m_nVisibleBars == 0; }

        CArray<VisibleLayoutItem_t*, VisibleLayoutItem_t*> m_arrRows; // owned
        int m_nTotalThickness = 0;
        int m_nTotalMinThickness = 0;
        int m_nMaxMinRowLength = 0; // the longest sum of minimum lengths of a row
        int m_nVisibleBars = 0;
    };

    // Rows run horizontally when the dock-bar id is top or bottom.
    bool IsHorzRows() const;
    void BuildVisibleLayout(VisibleLayout_t& layout) const;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Carries out the shows and hides of its bars delayed until a layout of this dock bar.
    void RecalcDelayedShows();
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CExtDynAutoHideArea* GetAutoHideArea() const override;
    // Locks this dock bar and, through the container, the chain of dock bars up to the frame edge.
    bool SetLayoutLocked(bool bLock) override;
    void RecalcRows() override { RecalcInnerRows(); }
    void CleanRows() override { CleanInnerRows(); }
    // Appends every real bar of the array (index 1 on).
    virtual void CollectBars(CArray<CExtControlBar*, CExtControlBar*>& arrBars) const;

    // The bar shown again alone in its row brings the row back: it takes its thickness across the rows from the
    // other rows, one pixel at a time, round robin, a row at its least thickness leaving the round (the layout would
    // share the shortage over every row, the bar's own too).
    void ReclaimRowThickness(CExtControlBar* pBar);

    void RecalcInnerRows();
    // Dissolves the container when it holds one bar (and nothing else) or none; else cleans the
    // nested containers.
    void CleanInnerRows();

    BYTE m_bfDynFlags; // bit 0: taken out of the dock site's control-bar list

protected:
    // Shares cx x cy among the rows and bars of the layout and places them.
    void ApplyLayout(VisibleLayout_t& layout, int cx, int cy);
    void Dissolve(CControlBar* pLastBar);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
