// CExtBarMdiRightButton: the menu bar's button of a maximized MDI child's help, minimize, restore or maximize, and
// close buttons side by side; MdiRightButtonInfo, the record of their sizes and places.
#pragma once
#include "platform/Geometry.h"
#include "toolkit/bars_tabs/ExtBarMdiDocButton.h"

class CExtMenuControlBar;

// Filled by CExtMenuControlBar::QueryMdiRightButtonInfo.
struct MdiRightButtonInfo
{
    enum : BYTE
    {
        kValid = 0x01,    // a child was found
        kClose = 0x02,    // SC_CLOSE neither grayed nor disabled in the child's system menu
        kMaximize = 0x04, // WS_MAXIMIZEBOX
        kMinimize = 0x08, // WS_MINIMIZEBOX
        kHelp = 0x10      // WS_MAXIMIZEBOX and WS_EX_CONTEXTHELP
    };
    CWnd* m_pWndMdiChild = nullptr;
    CExtMenuControlBar* m_pBar = nullptr;
    CSize m_sizeButton; // one sub-button
    CSize m_sizeTotal;  // all of them
    BYTE m_nFlags = 0;
    CRect m_rcClose, m_rcMaximize, m_rcRestore, m_rcMinimize, m_rcHelp;

    bool IsValid() const { return (m_nFlags & kValid) != 0; }
    // Places the present sub-buttons inside rcButton: help, minimize and restore (or maximize), close.
    void LayoutIn(const CRect& rcButton, bool bHorizontal);
};

class CExtBarMdiRightButton : public CExtBarMdiDocButton
{
    DECLARE_DYNCREATE(CExtBarMdiRightButton)
public:
    enum : UINT
    {
        kTipHelp = 57669, // the platform's context-help command
        kTipMinimize = 61186,
        kTipRestore = 61202,
        kTipMaximize = 61187,
        kTipClose = 61190,
    };

    explicit CExtBarMdiRightButton(CExtToolControlBar* pBar = nullptr, UINT nCmdID = 0, UINT nStyle = 0);
    ~CExtBarMdiRightButton() override;

    CSize MeasureButton(CDC& dc, CSize sizePreCalc, bool bHorizontal) override;
    bool PutToPopupMenu(CExtPopupMenuWnd* pPopup) override;
    CExtCmdIcon* GetIconPtr() const override;
    void PaintButton(CDC& dc, bool bHorizontal) override;
    UINT TrackButtonMenu(CPoint point, bool bSelectFirst = false, bool bNoAnimation = false) override;
    void OnClick(CPoint point, bool bDown) override;
    INT_PTR BuildTipText(CPoint point, TOOLINFO* pTI) const override;
    int OnHelpHitTest(CPoint point) override;

    // The sub-button under a bar client point: its system command (SC_*) and tip id, 0 none.
    UINT HitTestSubButton(CPoint point, UINT* pnTipID = nullptr, CRect* pRc = nullptr) const;

protected:
    bool QueryInfo(MdiRightButtonInfo& info) const;
};
