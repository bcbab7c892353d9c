// CExtDynControlBar: a resizable bar that holds other bars in an inner dock bar (created with its window); it is
// not offered in the bars menu, has no gripper, takes its minimum size from the inner rows and deletes itself
// with its window.
#pragma once
#include "toolkit/docking/ExtControlBar.h"

class CExtDockDynBar;

class CExtDynControlBar : public CExtControlBar
{
    DECLARE_DYNCREATE(CExtDynControlBar)
public:
    CExtDynControlBar();
    ~CExtDynControlBar() override;

    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    bool QueryGripperPresence(bool* pbCaptionHorz = nullptr, bool* pbCaptionVert = nullptr) const override;
    int CalcMinWidth() const override;
    int CalcMinHeight() const override;
    bool IsMarkerDockingAllowed() const override;

    // Minimum size from the visible layout: rows running horizontally give the longest minimum
    // row length as width and the total minimum thickness as height; vertical rows the reverse.
    virtual CSize CalcInnerMinSize() const;
    // A new inner dock bar object (circle 0) without a window.
    virtual CExtDockDynBar* CreateInnerDockBar();

    CExtDockDynBar* m_pWndDynDocker; // the inner dock bar, a child window (not owned)

protected:
    void PostNcDestroy() override;
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    DECLARE_MESSAGE_MAP()
};
