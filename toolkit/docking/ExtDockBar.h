// Stand-in: class record and the members read so far.
// CExtDockBar: the toolkit dock bar (circles, auto-hide area pointer, layout lock) and the bars
// menu that lists a frame's bars. Until the row code of the toolkit dock bars exists, the
// platform's row layout places the bars.
#pragma once
#include "platform/DockBar.h"

class CFrameWnd;
class CExtPopupMenuWnd;
class CExtDynAutoHideArea;

class CExtDockBar : public CDockBar
{
    DECLARE_DYNCREATE(CExtDockBar)
public:
    explicit CExtDockBar(UINT nCircle = 0);
    ~CExtDockBar() override;

    static const wchar_t* const kWndClassName;
    static bool RegisterDockBarClass();
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // The frame side's auto-hide area, NULL when the frame has none.
    virtual CExtDynAutoHideArea* GetAutoHideArea() const;
    // Stores the lock bit; returns the previous flag byte.
    virtual bool SetLayoutLocked(bool bLock);
    bool IsLayoutLocked() const { return (m_bLayoutLocked & 1) != 0; }
    UINT GetCircleNo() const { return m_nCircle; }

    // Fills pPopup with an item per bar of the frame (tool bars and resizable bars apart); answers
    // whether the menu holds an item afterwards.
    static bool BuildBarsPopupMenu(CFrameWnd* pFrame, CExtPopupMenuWnd* pPopup, WORD nNotificationType, CWnd* pWndSrc,
                                   UINT nMsgID, LPARAM lParam);

    BYTE m_bLayoutLocked;
    UINT m_nCircle;
    CExtDockBar* m_pOuterCircleBar; // not owned
    CExtDockBar* m_pInnerCircleBar; // not owned
    CRect m_rcInnerEdge;
    CExtDynAutoHideArea* m_pAutoHideArea; // not owned; the frame side's area
    BYTE m_bInRecalcRows;

protected:
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnCancelMode();
    DECLARE_MESSAGE_MAP()
};
