// CExtBarMdiDocButton: the menu bar's button of a maximized MDI child: the child's icon, dropping the child's system
// menu. Never disabled.
#pragma once
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/foundation/ExtCmdIcon.h"

class CExtBarMdiDocButton : public CExtBarButton
{
    DECLARE_DYNCREATE(CExtBarMdiDocButton)
public:
    explicit CExtBarMdiDocButton(CExtToolControlBar* pBar = nullptr, UINT nCmdID = 0, UINT nStyle = 0);
    ~CExtBarMdiDocButton() override;

    // Stores the child (emptying the icon when it changes); answers the previous one.
    HWND SetChildWnd(HWND hWndChild);
    // The stored child while it exists, else the MDI client's active child; an invisible child counts as none.
    HWND GetChildWnd() const;

    UINT GetStyle() const override;
    void SetStyle(UINT nStyle) override;
    void ModifyStyle(UINT nAdd, UINT nRemove = 0) override;
    CSize MeasureButton(CDC& dc, CSize sizePreCalc, bool bHorizontal) override;
    bool PutToPopupMenu(CExtPopupMenuWnd* pPopup) override;
    CExtCmdIcon* GetIconPtr() const override;
    CWnd* GetCmdTargetWnd() const override;
    UINT TrackButtonMenu(CPoint point, bool bSelectFirst = false, bool bNoAnimation = false) override;

protected:
    // The MDI client of the bar's frame.
    HWND GetMdiClient() const;

    mutable CExtCmdIcon m_icon; // a 16 x 16 copy of the child's icon
    mutable HWND m_hWndChild;
};
