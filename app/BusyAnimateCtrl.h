// CBusyAnimateCtrl: the busy animation in the main frame's status bar while a phone job runs;
// it paints off-screen on the theme's background and deletes its object with its window.
#pragma once
#include "platform/Platform.h"

class CBusyAnimateCtrl : public CAnimateCtrl
{
public:
    CBusyAnimateCtrl() {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }
    void PaintBuffered();
};
