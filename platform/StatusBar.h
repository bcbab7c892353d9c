// The status bar: the frame's bottom strip of panes over the common status control.
#pragma once
#include "platform/ControlBar.h"
#include "platform/String.h"
#include "res/platform_ids.h"
#include <vector>

// Pane styles
#define SBPS_NORMAL    0x0000
#define SBPS_NOBORDERS 0x0100
#define SBPS_POPOUT    0x0200
#define SBPS_DISABLED  0x04000000
#define SBPS_STRETCH   0x08000000 // the pane takes the width the others leave

class CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();
    virtual ~CStatusBar();

    // Creates the bar as a child of pParentWnd along its bottom (id AFX_IDW_STATUS_BAR).
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                        UINT nID = AFX_IDW_STATUS_BAR);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                          UINT nID = AFX_IDW_STATUS_BAR);
    using CWnd::CreateEx;

    // One pane per id; an id's text is its string resource (FALSE when one is missing). An
    // ID_SEPARATOR pane has no text; as the first pane it stretches.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const { return (int)m_panes.size(); }
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString& rString) const;
    // Virtual so that a bar may refuse a text (FALSE: the pane keeps its old one).
    virtual BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    // Hands the pane rectangles and texts to the control.
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    struct Pane
    {
        UINT nID = 0;
        int cxText = 0; // width of the text area
        UINT nStyle = 0;
        UINT nFlags = 0; // paneUpdate...: what the control still lacks
        CString strText;
    };
    enum PaneFlags
    {
        paneTextChanged = 1
    };
    BOOL IsValidIndex(int nIndex) const { return nIndex >= 0 && nIndex < (int)m_panes.size(); }
    int TextWidth(const CString& text) const;
    // Sends a pane's text to the control; while the bar is not on screen the text waits (flagged) until the
    // control is painted, shown or asked for its texts, so that no text is replaced before the user sees one.
    void SendPaneText(int nIndex);
    void SendWaitingTexts();
    bool m_bSendingWaiting = false; // SendWaitingTexts runs: the control paints what it gets with the bar

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    std::vector<Pane> m_panes;
};
