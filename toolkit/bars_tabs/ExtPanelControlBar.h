// CExtPanelControlBar: a fixed-size dockable bar that hosts its first child window as a panel: it sizes itself to
// the child plus margins, keeps the child at the margins' corner, paints around it and passes the focus on.
#pragma once
#include "toolkit/bars_tabs/ExtToolControlBar.h"

class CExtPanelControlBar : public CExtToolControlBar
{
    DECLARE_DYNCREATE(CExtPanelControlBar)
public:
    CExtPanelControlBar();
    ~CExtPanelControlBar() override;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    int CalcMinWidth() const override;
    int CalcMinHeight() const override;
    CSize GetDefaultSize() const override;
    CSize CalcMinSize() const override;
    bool IsRowThicknessShared() const override;
    int HitTestItem(CPoint ptClient) const override;
    CSize CalcLayout(DWORD dwMode, int nLength = -1) override;
    bool IsRightButtonDisplayed() const override;

    // The child's size plus the margins (nKind is not used).
    virtual CSize CalcPanelSize(int nKind) const;
    virtual CRect GetPanelMargins() const;
    virtual CSize GetPanelSize(int nKind) const;
    // Moves the first child to the margins' top-left corner, keeping its size.
    virtual void RepositionPanel(bool bRedraw);
    // The first child's window size; (0, 0) without a live bar or child.
    virtual CSize GetChildSize() const;

protected:
    CRect m_rcPanelMargins;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()
};
