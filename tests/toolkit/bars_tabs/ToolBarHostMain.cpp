// toolbar_host.exe: the tool-bar test host to look at by hand: the Office 2003 style, a docked tool bar of 30
// themed buttons with tips, a checkbox and drop-down buttons, and a tool bar that shows its chevron.
#include "ToolBarHost.h"
#include "platform/WinApp.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "res/platform_ids.h"

namespace
{
class CToolBarHostApp : public CWinApp
{
public:
    CToolBarHostApp() : CWinApp(L"ToolBarHost") {}
    BOOL InitInstance() override
    {
        auto* pFrame = new CToolBarHostFrame;
        if (!pFrame->CreateHost(new CExtPaintManagerOffice2003, 900, 520, false))
            return FALSE;
        m_pMainWnd = pFrame;
        CExtToolControlBar& bar = pFrame->m_wndToolBar;
        CToolBarHostFrame::SetToolbarText(ID_TBT_FIRST, L"&Text");
        bar.GetButton(pFrame->IndexOf(ID_TBT_FIRST + 1))->ModifyStyle(TBBS_CHECKBOX);
        bar.SetButtonMenu(pFrame->IndexOf(ID_TBT_FIRST + 3),
                          ::LoadMenuW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_TBT_MENU)));
        bar.SetButtonMenu(pFrame->IndexOf(ID_TBT_FIRST + 4),
                          ::LoadMenuW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_TBT_MENU2)));
        bar.GetButton(pFrame->IndexOf(ID_TBT_FIRST + 4))->SetSplitDropDown(true);
        pFrame->RecalcLayout();
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
        return TRUE;
    }
};
CToolBarHostApp theApp;
} // namespace
