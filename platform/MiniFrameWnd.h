// A frame with the small caption of a tool window (the base of floating tool frames).
#pragma once
#include "platform/FrameWnd.h"

// Mini-frame styles (in the creation style; all but MFS_BLOCKSYSMENU stay in the window style)
#define MFS_SYNCACTIVE   0x00000100L // the caption shows active while the owner is active
#define MFS_4THICKFRAME  0x00000200L // no size corners
#define MFS_THICKFRAME   0x00000400L // sizing border
#define MFS_MOVEFRAME    0x00000800L // dragging the border moves the window
#define MFS_BLOCKSYSMENU 0x00010000L // no system menu on the caption

class CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd();

    BOOL Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd = nullptr,
                UINT nID = 0);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd = nullptr, UINT nID = 0);
    using CWnd::CreateEx;

    // The MFS_ styles the frame was created with (the window also gets the system styles
    // they stand for: MFS_THICKFRAME and MFS_4THICKFRAME a sizing border, MFS_BLOCKSYSMENU no
    // system menu).
    DWORD GetMiniFrameStyle() const { return m_dwMiniFrameStyle; }

    // Takes the MFS_ bits out of the style and makes a tool window of the frame.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    // A mini frame may be as small as its borders and caption.
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    DECLARE_MESSAGE_MAP()

    DWORD m_dwMiniFrameStyle = 0;
};
