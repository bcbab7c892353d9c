// dyntabs_host.exe: tabbed groups and auto-hide to look at by hand: four resizable bars (two already in one tab
// group), the frame's auto-hide areas, a tool bar with a colour, a slider and an undo/redo button, and a panel bar
// with an edit.
#include "toolkit/bars_tabs/ExtBarColorButton.h"
#include "toolkit/bars_tabs/ExtBarSliderButton.h"
#include "toolkit/bars_tabs/ExtBarUndoRedoButton.h"
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "toolkit/bars_tabs/ExtPanelControlBar.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/DockingHost.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"

namespace
{
const UINT kColorCmd = 0xB220;
const UINT kSliderCmd = 0xB221;
const UINT kUndoCmd = 0xB222;

class CHostToolBar : public CExtToolControlBar
{
public:
    CExtBarButton* OnCreateBarCommandBtn(UINT nCmdID, UINT nStyle) override
    {
        switch (nCmdID)
        {
        case kColorCmd: return new CExtBarColorButton(this, nCmdID, nStyle, RGB(0, 120, 200), RGB(0, 0, 0));
        case kSliderCmd:
        {
            auto* pSlider = new CExtBarSliderButton(this, nCmdID, nStyle);
            pSlider->SetArrowExtentHorz(10);
            pSlider->SetScrollLengthHorz(120);
            pSlider->SetScrollTotalRange(110);
            pSlider->SetScrollPageSize(10);
            return pSlider;
        }
        case kUndoCmd:
        {
            auto* pUndo = new CExtBarUndoRedoButton(this, nCmdID, nStyle);
            for (LPCTSTR psz : {L"Typing", L"Delete", L"Paste", L"Format"})
                pUndo->m_arrSteps.Add(psz);
            return pUndo;
        }
        default: return CExtToolControlBar::OnCreateBarCommandBtn(nCmdID, nStyle);
        }
    }
};

class CDynTabsHostFrame : public CDockingHostFrame
{
public:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nCode == (int)CN_UPDATE_COMMAND_UI && pExtra != nullptr && nID >= kColorCmd && nID <= kUndoCmd)
        {
            static_cast<CCmdUI*>(pExtra)->Enable(TRUE);
            return TRUE;
        }
        return CDockingHostFrame::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

class CDynTabsHostApp : public CWinApp
{
public:
    CDynTabsHostApp() : CWinApp(L"DynTabsHost") {}
    BOOL InitInstance() override
    {
        auto* pFrame = new CDynTabsHostFrame;
        if (!pFrame->CreateHost(40, 40, 1000, 700, false) || !CExtControlBar::SetupFrameDocking(pFrame))
            return FALSE;
        for (UINT nID : {kColorCmd, kSliderCmd, kUndoCmd})
        {
            CExtCmdItem cmd(nID);
            cmd.m_sMenuText = cmd.m_sToolbarText = nID == kColorCmd ? L"Colour" : nID == kSliderCmd ? L"Zoom" : L"Undo";
            g_CmdManagerHolder->SetupCommand(kHostProfile, cmd, true);
        }
        CHostResizableBar* pA =
            pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders", nullptr, CHostResizableBar::kList);
        CHostResizableBar* pB = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Contacts");
        CHostResizableBar* pC = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_RIGHT, L"Notes");
        CHostResizableBar* pD =
            pFrame->AddResizableBar(AFX_IDW_DOCKBAR_BOTTOM, L"SMS List", nullptr, CHostResizableBar::kList);
        pA->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, pFrame, false);
        pB->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, pFrame, false);
        pC->DockAtSideCircle(AFX_IDW_DOCKBAR_RIGHT, 1, pFrame, false);
        pD->DockAtSideCircle(AFX_IDW_DOCKBAR_BOTTOM, 1, pFrame, true);
        if (!CExtDynAutoHideArea::CreateFrameAreas(pFrame))
            return FALSE;
        pA->DockAsTabWith(pB);

        auto* pTools = new CHostToolBar;
        pFrame->m_arrBars.push_back(pTools);
        if (!pTools->Create(L"Buttons", pFrame, 0xA1F0,
                            WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS))
            return FALSE;
        for (UINT nID : {kColorCmd, kSliderCmd, kUndoCmd})
            pTools->InsertButton(-1, nID, false);
        pTools->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(pTools, AFX_IDW_DOCKBAR_TOP);

        auto* pPanel = new CExtPanelControlBar;
        pFrame->m_arrBars.push_back(pPanel);
        if (!pPanel->Create(L"Panel", pFrame, 0xA1F1, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER))
            return FALSE;
        ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"panel", WS_CHILD | WS_VISIBLE, 0, 0, 160, 22,
                          pPanel->GetSafeHwnd(), nullptr, AfxGetInstanceHandle(), nullptr);
        pPanel->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(pPanel, AFX_IDW_DOCKBAR_TOP);

        m_pMainWnd = pFrame;
        pFrame->RecalcLayout();
        pFrame->ShowWindow(SW_SHOWNORMAL);
        pFrame->UpdateWindow();
        return TRUE;
    }
};
CDynTabsHostApp theApp;
} // namespace
