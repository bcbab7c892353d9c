// The docking test host: a frame with a view pane, resizable bars holding an edit or a list,
// fixed test bars, a command profile bound to the frame and the base paint manager; helpers for
// bar rectangles, mouse scripts sent from a helper thread and screen pixels.
#pragma once
#include <functional>
#include <vector>
#include "platform/Platform.h"
#include "tests/support/InputScript.h"
#include "toolkit/docking/ExtControlBar.h"

// Ids of the host's bars, commands and strings.
enum : UINT
{
    kIdBarFirst = 0xA100,   // resizable bars kIdBarFirst + n
    kIdFixedFirst = 0xA180, // fixed test bars kIdFixedFirst + n
    kIdView = 0xE900        // AFX_IDW_PANE_FIRST
};
extern const wchar_t* const kHostProfile;

// A resizable bar holding one child control: an edit, or a list box.
class CHostResizableBar : public CExtControlBar
{
public:
    enum Child
    {
        kEdit,
        kList
    };
    bool CreateInFrame(CFrameWnd* pFrame, UINT nID, LPCTSTR pszText, Child nChild = kEdit,
                       DWORD dwAlign = CBRS_ALIGN_TOP);
    int CalcMinWidth() const override;
    int CalcMinHeight() const override;

    bool IsLiveDragMode() const override { return m_bLiveDrag || CExtControlBar::IsLiveDragMode(); }
    bool IsMarkerDockingAllowed() const override
    {
        return !m_bNoMarkerDocking && CExtControlBar::IsMarkerDockingAllowed();
    }

    CWnd m_wndChild;
    int m_nMinLength = 0;            // a larger minimum length along the row, 0 none
    bool m_bLiveDrag = false;        // drags live whatever the dragging style
    bool m_bNoMarkerDocking = false; // refuses tabbing with other bars
};

// A fixed-size bar that answers as tool bars do: live drag, no dock target, no marker docking,
// its own outer-row placement; its client is a strip of equal cells that wraps to the length a
// dynamic layout asks for.
class CHostFixedBar : public CExtControlBar
{
public:
    CHostFixedBar();
    bool CreateInFrame(CFrameWnd* pFrame, UINT nID, LPCTSTR pszText, int nCells = 6);

    bool IsLiveDragMode() const override { return true; }
    bool IsDockTargetBar() const override { return false; }
    bool IsMarkerDockingAllowed() const override { return false; }
    OuterRowPlacement_t* GetOuterRowPlacement() override { return &m_placement; }
    void SetOuterRowPlacement(const OuterRowPlacement_t& placement) override { m_placement = placement; }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    // Size of the strip wrapped to nLength pixels along the row.
    CSize SizeForLength(int nLength, bool bHorz) const;

    OuterRowPlacement_t m_placement;
    int m_nCells;
    int m_nCellSize = 22;
};

// The host frame: a view pane, docking set up by its first resizable bar.
class CDockingHostFrame : public CFrameWnd
{
public:
    CDockingHostFrame();
    ~CDockingHostFrame() override;
    // Creates the hidden frame at (x, y) with the size given, binds the profile, installs the
    // base paint manager.
    bool CreateHost(int x = 40, int y = 40, int cx = 640, int cy = 480, bool bVisible = false);
    // A new resizable bar docked at the side (AFX_IDW_DOCKBAR_*), in a new row or beside
    // pBeside in its row. Owned by the frame.
    CHostResizableBar* AddResizableBar(UINT nDockBarID, LPCTSTR pszText, CHostResizableBar* pBeside = nullptr,
                                       CHostResizableBar::Child nChild = CHostResizableBar::kEdit);
    CHostFixedBar* AddFixedBar(UINT nDockBarID, LPCTSTR pszText, int nCells = 6);

    CWnd m_wndView;
    std::vector<CExtControlBar*> m_arrBars; // owned
    UINT m_nNextId = kIdBarFirst;
    UINT m_nNextFixedId = kIdFixedFirst;
    // Answer to the before announcement of the bars menu; the items it inserts.
    bool m_bFillBarsMenu = false;
    int m_nMenuAnnouncements = 0;
    // Kind and item count of the menu at its last after-filling announcement.
    int m_nLastPostKind = -1;
    int m_nLastPostItemCount = -1;
    // Trackers offered through "CExtControlBar::g_nMsgDrawTackedArea" (the toolkit draws them).
    int m_nTrackerPaints = 0;
    // The string ids of the status texts asked for, in order.
    std::vector<UINT> m_arrMessageStrings;
    // Makes the tab groups the toolkit asks the frame for; empty: the toolkit makes its own.
    std::function<CExtDynTabControlBar*()> m_fnNewTabGroup;

protected:
    afx_msg LRESULT OnDrawTrackedArea(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCreateTabbedBar(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMessageStringHost(WPARAM wParam, LPARAM lParam);
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg LRESULT OnConstructPopupMenu(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnBarToggle(UINT nID);
    afx_msg void OnUpdateBarToggle(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

// ---- helpers ----------------------------------------------------------------------------------------------
CRect WindowRectOf(CWnd* pWnd);
CRect ClientScreenRectOf(CWnd* pWnd);
// The screen pixel at (x, y).
COLORREF ScreenPixel(int x, int y);
// Makes the frame visible in front, all its windows painted.
void ShowAndPaint(CFrameWnd* pFrame);
// Sets the window in front, then waits until it is the foreground window and the window system's answers to the
// activation have come (SettleInput), so that no late focus change cancels the input that follows; false when
// it did not get in front.
bool BringInFront(CWnd* pWnd);
// ShowAndPaint, then BringInFront.
bool ShowInFront(CFrameWnd* pFrame);
// From a script: returns once the thread of hWnd takes messages again, so once a loop of its own that the last
// input started has done what it does before it waits (takes the capture, reads the cursor); false when that did
// not happen within kInputWaitMs.
bool WaitForWindowThread(HWND hWnd);
