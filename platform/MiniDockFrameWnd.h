// The floating frame of docked bars: a mini frame holding one floating dock bar.
#pragma once
#include "platform/MiniFrameWnd.h"
#include "platform/DockBar.h"

class CMiniDockFrameWnd : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();

    enum
    {
        kDockBarId = 0xE81F // the floating dock bar's child id
    };

    // Creates the frame as a tool window owned by pParent and its floating dock bar.
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);

    CDockBar m_wndDockBar; // the floating dock bar (member; never auto-deleted)
};
