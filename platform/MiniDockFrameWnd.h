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

    // Creates the frame as a hidden tool window owned by pParent and its floating dock bar, which
    // takes the alignment and size bits of dwBarStyle and pParent as its dock site. lpPlace: the
    // window rectangle it is made at, where it is to show (an empty size is set by its layout);
    // none: the screen's origin.
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle, LPCRECT lpPlace = nullptr);
    // The window rectangle the frame is to be made at, at ptPlace, for pBar alone in it (callable before Create):
    // here with no size, a toolkit's frame that knows its bars' floating sizes makes it as large as its layout will.
    virtual CRect CalcRectAround(CPoint ptPlace, CControlBar* pBar, DWORD dwBarStyle);
    // Snaps the frame to its dock bar and takes the dock bar's text as its title; a frame with no bar shown is left.
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;
    // The window rectangle of a floating frame whose client is rect (grows rect).
    static void CalcBorders(CRect& rect, DWORD dwStyle = WS_THICKFRAME | WS_CAPTION);
    // The dock site: the floating frame is one of its family for the keys.
    CFrameWnd* GetFamilyFrame() override;

    // Caption press: the system move for CBRS_FLOAT_MULTI, else the first bar's drag; border
    // press: resizing; caption double click: toggles docking. WM_CLOSE hides the bars.
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnClose();

    CDockBar m_wndDockBar; // the floating dock bar (member; never auto-deleted)

protected:
    // The first bar of the dock bar, or NULL.
    CControlBar* GetFirstBar() const;
    DECLARE_MESSAGE_MAP()
};
