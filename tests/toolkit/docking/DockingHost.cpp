// The docking test host: frame, test bars and helpers.
#include "DockingHost.h"
#include <algorithm>
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

const wchar_t* const kHostProfile = L"DockingHost";

// ---- bars ----------------------------------------------------------------------------------------------------

bool CHostResizableBar::CreateInFrame(CFrameWnd* pFrame, UINT nID, LPCTSTR pszText, Child nChild, DWORD dwAlign)
{
    if (!Create(pszText, pFrame, nID,
                WS_CHILD | WS_VISIBLE | dwAlign | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC |
                    CBRS_HIDE_INPLACE))
        return false;
    const bool bEdit = nChild == kEdit;
    if (!m_wndChild.CreateEx(WS_EX_CLIENTEDGE, bEdit ? L"EDIT" : L"LISTBOX", L"",
                             WS_CHILD | WS_VISIBLE | (bEdit ? ES_MULTILINE : LBS_NOTIFY | LBS_NOINTEGRALHEIGHT), 0, 0,
                             10, 10, GetSafeHwnd(), (HMENU)(UINT_PTR)1, nullptr))
        return false;
    EnableDocking(CBRS_ALIGN_ANY);
    return true;
}

int CHostResizableBar::CalcMinWidth() const { return std::max(CExtControlBar::CalcMinWidth(), m_nMinLength); }

int CHostResizableBar::CalcMinHeight() const { return std::max(CExtControlBar::CalcMinHeight(), m_nMinLength); }

CHostFixedBar::CHostFixedBar() : m_nCells(6)
{
    m_bfBarFlags = (BYTE)((m_bfBarFlags & ~kBarResizableCaption) | kBarFixedSize);
    m_bfTracking &= ~kTrackRepositionChild;
}

bool CHostFixedBar::CreateInFrame(CFrameWnd* pFrame, UINT nID, LPCTSTR pszText, int nCells)
{
    m_nCells = nCells;
    // The size it floats at, kept as the toolkit's tool bar keeps it.
    m_sizeFloating = SizeForLength(32767, true);
    if (!Create(pszText, pFrame, nID, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY))
        return false;
    EnableDocking(CBRS_ALIGN_ANY);
    return true;
}

CSize CHostFixedBar::SizeForLength(int nLength, bool bHorz) const
{
    const int nPerRow = std::max(1, std::min(m_nCells, nLength / m_nCellSize));
    const int nRows = (m_nCells + nPerRow - 1) / nPerRow;
    const int nAlong = nPerRow * m_nCellSize + 8;
    const int nAcross = nRows * m_nCellSize + 8;
    return bHorz ? CSize(nAlong, nAcross) : CSize(nAcross, nAlong);
}

CSize CHostFixedBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    (void)bStretch;
    const CSize size = SizeForLength(32767, bHorz != FALSE);
    if (IsFloating(this))
        m_sizeFloating = size;
    return size;
}

CSize CHostFixedBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    const bool bHorz = (nMode & (LM_HORZ | LM_HORZDOCK)) != 0;
    if (nLength > 0)
        return SizeForLength(nLength, bHorz);
    return CalcFixedLayout(FALSE, bHorz);
}

// ---- the frame ---------------------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CDockingHostFrame, CFrameWnd)
ON_WM_CREATE()
ON_REGISTERED_MESSAGE(CExtControlBar::g_nMsgConstructPopupMenu, OnConstructPopupMenu)
ON_REGISTERED_MESSAGE(CExtControlBar::g_nMsgDrawTackedArea, OnDrawTrackedArea)
ON_REGISTERED_MESSAGE(CExtControlBar::g_nMsgCreateTabbedBar, OnCreateTabbedBar)
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageStringHost)
ON_COMMAND_EX_RANGE(kIdBarFirst, kIdFixedFirst + 0x7F, OnBarToggle)
ON_UPDATE_COMMAND_UI_RANGE(kIdBarFirst, kIdFixedFirst + 0x7F, OnUpdateBarToggle)
END_MESSAGE_MAP()

CDockingHostFrame::CDockingHostFrame() {}

CDockingHostFrame::~CDockingHostFrame()
{
    for (CExtControlBar* pBar : m_arrBars)
        delete pBar;
}

int CDockingHostFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!m_wndView.CreateEx(WS_EX_CLIENTEDGE, AfxRegisterWndClass(0, nullptr, (HBRUSH)(COLOR_WINDOW + 1)), L"view",
                            WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, m_hWnd, (HMENU)(UINT_PTR)kIdView, nullptr))
        return -1;
    return 0;
}

bool CDockingHostFrame::CreateHost(int x, int y, int cx, int cy, bool bVisible)
{
    g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager);
    if (!Create(nullptr, L"Docking host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (bVisible ? WS_VISIBLE : 0),
                CRect(x, y, x + cx, y + cy)))
        return false;
    g_CmdManagerHolder->CreateProfile(kHostProfile, GetSafeHwnd());
    return true;
}

CHostResizableBar* CDockingHostFrame::AddResizableBar(UINT nDockBarID, LPCTSTR pszText, CHostResizableBar* pBeside,
                                                      CHostResizableBar::Child nChild)
{
    auto* pBar = new CHostResizableBar;
    m_arrBars.push_back(pBar);
    if (!pBar->CreateInFrame(this, m_nNextId++, pszText, nChild))
        return nullptr;
    if (pBeside != nullptr && pBeside->m_pDockBar != nullptr)
    {
        CRect rc = WindowRectOf(pBeside);
        const bool bHorz = nDockBarID == AFX_IDW_DOCKBAR_TOP || nDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
        rc.OffsetRect(bHorz ? rc.Width() - 2 : 0, bHorz ? 0 : rc.Height() - 2);
        DockControlBar(pBar, nDockBarID, &rc);
    }
    else
        DockControlBar(pBar, nDockBarID);
    RecalcLayout();
    return pBar;
}

CHostFixedBar* CDockingHostFrame::AddFixedBar(UINT nDockBarID, LPCTSTR pszText, int nCells)
{
    auto* pBar = new CHostFixedBar;
    m_arrBars.push_back(pBar);
    if (!pBar->CreateInFrame(this, m_nNextFixedId++, pszText, nCells))
        return nullptr;
    DockControlBar(pBar, nDockBarID);
    RecalcLayout();
    return pBar;
}

LRESULT CDockingHostFrame::OnConstructPopupMenu(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    ++m_nMenuAnnouncements;
    auto* pData = reinterpret_cast<CExtControlBar::POPUP_MENU_EVENT_DATA*>(wParam);
    if (pData->m_bPostNotification)
    {
        m_nLastPostKind = pData->m_nMsgID;
        m_nLastPostItemCount = pData->m_pPopupMenuWnd != nullptr ? pData->m_pPopupMenuWnd->GetItemCount() : -1;
    }
    if (!m_bFillBarsMenu || pData->m_bPostNotification)
        return 0;
    CExtCmdItem cmd(0xB000);
    cmd.m_sMenuText = L"Own item";
    g_CmdManagerHolder->SetupCommand(kHostProfile, cmd, true);
    pData->m_pPopupMenuWnd->InsertItem(0xB000);
    return 1;
}

LRESULT CDockingHostFrame::OnDrawTrackedArea(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    ++m_nTrackerPaints;
    return 0;
}

LRESULT CDockingHostFrame::OnCreateTabbedBar(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    if (m_fnNewTabGroup)
        reinterpret_cast<CExtControlBar::CREATE_TABBED_BAR_DATA*>(wParam)->m_pTabbedBar = m_fnNewTabGroup();
    return 0;
}

LRESULT CDockingHostFrame::OnSetMessageStringHost(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0)
        m_arrMessageStrings.push_back((UINT)wParam);
    return CFrameWnd::OnSetMessageString(wParam, lParam);
}

BOOL CDockingHostFrame::OnBarToggle(UINT nID)
{
    return CExtControlBar::HandleBarToggleCommand(this, nID) ? TRUE : FALSE;
}

// Forced: the bars menu checks resizable bars too (checked = shown).
void CDockingHostFrame::OnUpdateBarToggle(CCmdUI* pCmdUI)
{
    CExtControlBar::UpdateBarToggleCommand(this, pCmdUI, true);
}

// ---- helpers -----------------------------------------------------------------------------------------------------

CRect WindowRectOf(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc;
}

CRect ClientScreenRectOf(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetClientRect(&rc);
    pWnd->ClientToScreen(&rc);
    return rc;
}

COLORREF ScreenPixel(int x, int y)
{
    HDC hDC = ::GetDC(nullptr);
    const COLORREF clr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(nullptr, hDC);
    return clr;
}

void ShowAndPaint(CFrameWnd* pFrame)
{
    pFrame->ShowWindow(SW_SHOWNORMAL);
    pFrame->SetForegroundWindow();
    pFrame->RecalcLayout();
    pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
}

bool BringInFront(CWnd* pWnd)
{
    const HWND hWnd = pWnd->GetSafeHwnd();
    ::SetForegroundWindow(hWnd);
    WaitFor([&]() { return ::GetForegroundWindow() == hWnd; });
    SettleInput();
    return ::GetForegroundWindow() == hWnd;
}

bool ShowInFront(CFrameWnd* pFrame)
{
    ShowAndPaint(pFrame);
    return BringInFront(pFrame);
}

bool WaitForWindowThread(HWND hWnd)
{
    DWORD_PTR r = 0;
    return ::SendMessageTimeoutW(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, kInputWaitMs, &r) != 0;
}
