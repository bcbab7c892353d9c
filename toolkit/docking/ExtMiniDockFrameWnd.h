// Stand-in: class record and the members read so far.
// CExtMiniDockFrameWnd: the floating frame of toolkit bars; so far its caption rectangles.
#pragma once
#include "platform/MiniDockFrameWnd.h"
#include "platform/Geometry.h"
#include "toolkit/foundation/ExtMouseCaptureSink.h"

class CExtMiniDockFrameWnd : public CMiniDockFrameWnd, public CExtMouseCaptureSink
{
    DECLARE_DYNCREATE(CExtMiniDockFrameWnd)
public:
    CExtMiniDockFrameWnd();
    ~CExtMiniDockFrameWnd() override;

    // The caption rectangle, window coordinates; empty until the frame lays itself out.
    const CRect& GetCaptionRect() const { return m_rcFrameCaption; }

    CRect m_rcCaptionButton; // room of one caption button at the caption's right end
    CRect m_rcFrameCaption;
};
