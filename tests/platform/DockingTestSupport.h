// Shared pieces of the docking tests: the application object, plain test bars, a test frame with
// a view pane, and helpers for rectangles and idle passes.
#pragma once
#include "platform/Platform.h"

// Live objects of the test bar classes (deleted ones are gone from the count).
extern int g_testBarsAlive;

// A bar of a fixed size: 80x24 across, 24x80 down.
class CFixedBar : public CControlBar
{
public:
    CFixedBar() { ++g_testBarsAlive; }
    ~CFixedBar() override { --g_testBarsAlive; }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) override
    {
        m_pLastTarget = pTarget;
        ++m_nUpdates;
    }
    // A plain child of pParent with the given bar style, docking allowed on every side.
    BOOL CreateBar(CWnd* pParent, UINT nID, DWORD dwBarStyle = CBRS_TOP, BOOL bVisible = TRUE);

    int m_cxAcross = 80;
    int m_cyAcross = 24;
    int m_nUpdates = 0;
    CFrameWnd* m_pLastTarget = nullptr;
};

// A CBRS_SIZE_DYNAMIC bar whose floating width is its MRU width and whose height holds
// 1000 / width rows of 10 pixels.
class CDynamicBar : public CFixedBar
{
public:
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    static CSize SizeForWidth(int cx);
};

// A frame with a plain view pane (AFX_IDW_PANE_FIRST); deletes itself when destroyed.
class CDockTestFrame : public CFrameWnd
{
public:
    CDockTestFrame() { ++s_nAlive; }
    ~CDockTestFrame() override { --s_nAlive; }
    static int s_nAlive;
    CWnd* m_pView = nullptr; // owned by the frame's window (deleted with it)
    int m_nNotifies = 0;
    UINT m_nLastNotifyCode = 0;
    BOOL m_bOverwrite = FALSE; // the state the ID_INDICATOR_OVR pane shows

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnListNotify(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnUpdateOverwrite(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

// A hidden 400x300 test frame at a fixed place, with docking on every side.
CDockTestFrame* MakeDockFrame(BOOL bEnableDocking = TRUE, int x = 100, int y = 100);
// The rectangle of hWnd in the client coordinates of hParent.
CRect RectIn(HWND hParent, HWND hWnd);
CRect ScreenRect(CWnd* pWnd);
CRect ClientRect(CWnd* pWnd);
// One idle pass of the application (command UI and delayed layouts).
void RunIdle();
// The floating frame holding pBar, or NULL.
CMiniDockFrameWnd* FloatingFrameOf(CControlBar* pBar);
// Dock bar of the frame by id.
CDockBar* DockBarOf(CFrameWnd* pFrame, UINT nID);
// The entries of a dock bar as text: "|" a row break, a bar's id in hex, "p" + id a placeholder.
CString Rows(CDockBar* pDockBar);
