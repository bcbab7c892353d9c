// Stand-in: class record and the members read so far.
// CExtDynControlBar: a resizable bar that holds other bars in an inner dock bar; it is not offered
// in the bars menu and deletes itself with its window. So far its inner dock bar.
#pragma once
#include "toolkit/docking/ExtControlBar.h"

class CExtDockDynBar;

class CExtDynControlBar : public CExtControlBar
{
    DECLARE_DYNCREATE(CExtDynControlBar)
public:
    CExtDynControlBar();
    ~CExtDynControlBar() override;

    CExtDockDynBar* m_pWndDynDocker; // the inner dock bar, a child window (not owned)

protected:
    void PostNcDestroy() override;
};
