// CMainMenuBar: the main frame's menu bar; it paints as the tool bar does, with the text drawn on
// an opaque background.
#pragma once
#include "toolkit/bars_tabs/ExtMenuControlBar.h"

class CMainMenuBar : public CExtMenuControlBar
{
public:
    CMainMenuBar() {}

protected:
    void DoPaint(CDC* pDC) override;
};
