// menu_status_host.exe: the menu bar and the status bar to look at by hand: the test menu as a themed bar (mouse and
// keyboard, a second tool bar with a mnemonic), and a status bar with a "LOG" button pane and a busy pane that comes
// and goes every two seconds.
#include "MenuStatusTestIds.h"
#include "platform/FrameWnd.h"
#include "platform/WinApp.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/bars_tabs/ExtStatusControlBar.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include <commctrl.h>

namespace
{

const UINT kPanes[] = {0, ID_MS_PANE_CAP, ID_MS_PANE_LOG};
const UINT_PTR kBusyTimer = 1;
const UINT kBusyPeriod = 2000;

class CMenuStatusHostFrame : public CFrameWnd
{
public:
    bool CreateHost()
    {
        if (!Create(nullptr, L"Menu bar and status bar", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(40, 40, 840, 560),
                    nullptr, MAKEINTRESOURCEW(IDR_MS_MENU)))
            return false;
        m_hMenuDefault = ::GetMenu(m_hWnd);
        if (!m_wndEdit.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE,
                                CRect(0, 0, 10, 10), this, AFX_IDW_PANE_FIRST))
            return false;
        g_CmdManagerHolder->CreateProfile(L"MenuStatusHost", m_hWnd);
        CExtCmdItem zoom(ID_MS_TOOL_ZOOM);
        zoom.m_sMenuText = zoom.m_sToolbarText = L"&Zoom";
        g_CmdManagerHolder->SetupCommand(L"MenuStatusHost", zoom, true);
        if (!CExtControlBar::SetupFrameDocking(this) || !m_wndMenu.Create(L"Menu bar", this, 0xA400) ||
            !m_wndTools.Create(L"Tools", this, 0xA401))
            return false;
        const UINT ids[] = {ID_MS_TOOL_ZOOM};
        m_wndTools.SetButtons(ids, 1);
        for (CControlBar* pBar : {(CControlBar*)&m_wndMenu, (CControlBar*)&m_wndTools})
        {
            pBar->EnableDocking(CBRS_ALIGN_ANY);
            DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
        }
        if (!m_wndStatus.Create(this) || !m_wndStatus.SetIndicators(kPanes, 3))
            return false;
        HWND hLog = ::CreateWindowExW(0, L"BUTTON", L"LOG", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 10, 10,
                                      m_wndStatus.m_hWnd, nullptr, AfxGetInstanceHandle(), nullptr);
        m_wndStatus.AddPaneControl(hLog, ID_MS_PANE_LOG, true);
        SetTimer(kBusyTimer, kBusyPeriod, nullptr);
        RecalcLayout();
        return true;
    }

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent != kBusyTimer)
            return;
        // The main frame's busy sequence: a pane with an animation at index 1, then gone again.
        if (m_wndStatus.CommandToIndex(ID_MS_PANE_BUSY) < 0)
        {
            m_wndStatus.AddPane(ID_MS_PANE_BUSY, 1);
            m_wndStatus.SetPaneInfo(1, ID_MS_PANE_BUSY, SBPS_NORMAL, 16);
            HWND hAnim = ::CreateWindowExW(0, ANIMATE_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | ACS_TRANSPARENT, 0, 0,
                                           16, 16, m_wndStatus.m_hWnd, nullptr, AfxGetInstanceHandle(), nullptr);
            m_wndStatus.AddPaneControl(hAnim, ID_MS_PANE_BUSY, true);
        }
        else
            m_wndStatus.RemovePane(ID_MS_PANE_BUSY);
    }
    DECLARE_MESSAGE_MAP()

    CWnd m_wndEdit;
    CExtMenuControlBar m_wndMenu;
    CExtToolControlBar m_wndTools;
    CExtStatusControlBar m_wndStatus;
};

BEGIN_MESSAGE_MAP(CMenuStatusHostFrame, CFrameWnd)
ON_WM_TIMER()
END_MESSAGE_MAP()

class CMenuStatusHostApp : public CWinApp
{
public:
    CMenuStatusHostApp() : CWinApp(L"MenuStatusHost") {}
    BOOL InitInstance() override
    {
        auto* pFrame = new CMenuStatusHostFrame;
        if (!pFrame->CreateHost())
            return FALSE;
        m_pMainWnd = pFrame;
        pFrame->ShowWindow(SW_SHOWNORMAL);
        pFrame->UpdateWindow();
        return TRUE;
    }
};
CMenuStatusHostApp theApp;

} // namespace
