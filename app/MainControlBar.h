// CMainControlBar: the main frame's resizable bars ("Folders", "SMS List"); their caption has only
// the auto-hide and the menu buttons.
#pragma once
#include "toolkit/docking/ExtControlBar.h"

class CMainControlBar : public CExtControlBar
{
public:
    CMainControlBar() {}

protected:
    void CreateDefaultNcButtons() override;
};
