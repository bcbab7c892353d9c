// Stand-in: class record and the members read so far.
// CExtDockOuterBar: the outer dock bar (circle 0) that replaces a frame's edge dock bars; so far its runtime class.
#pragma once
#include "toolkit/docking/ExtDockBar.h"

class CExtDockOuterBar : public CExtDockBar
{
    DECLARE_DYNCREATE(CExtDockOuterBar)
public:
    CExtDockOuterBar();
    ~CExtDockOuterBar() override;

protected:
    // System events: the base handling, then the holders, which decide whether this bar answers
    // for its frame.
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnDisplayChange(UINT nBitsPerPixel, int cx, int cy);
    afx_msg LRESULT OnThemeChangedBar(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
