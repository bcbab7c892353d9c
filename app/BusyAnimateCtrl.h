// CBusyAnimateCtrl: the busy animation in the main frame's status bar while a phone job runs;
// it paints off-screen on the theme's background and deletes its object with its window.
#pragma once
#include "platform/Platform.h"
#include <vector>

class CBusyAnimateCtrl : public CAnimateCtrl
{
public:
    CBusyAnimateCtrl() {}
    ~CBusyAnimateCtrl() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The control's request for the brush behind the frame's transparent pixels: the theme's
    // background where the centred frame lies.
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void PostNcDestroy() override { delete this; }
    void PaintBuffered();
    // The paint manager's docker background, or its colour 1000, over the client rectangle.
    void PaintBackground(HDC hDC, const CRect& rcClient);
    // The background under the centred frame, a bottom-up 32-bit image of the frame's size.
    std::vector<DWORD> FrameBackgroundBits(CSize& sizeFrame);

    // The control asks for the brush only when it opens an animation: the resource opened, to
    // open it again when the background under the frame has changed (moved, resized, new theme).
    HINSTANCE m_hResInst = nullptr;
    UINT m_nResID = 0;
    CSize m_sizeFrame;                 // of the opened resource; empty when unknown
    std::vector<DWORD> m_bitsAnswered; // the background of the brush last answered
    HBRUSH m_hbrFrameBack = nullptr;
};
