// Shared pieces of the menu bar tests.
#include "MenuBarTestSupport.h"
#include "support/InputScript.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace menutest
{

const wchar_t* const kProfile = L"MenuBarHost";

bool CMenuHostFrame::CreateHost(const RECT& rc)
{
    if (!Create(nullptr, L"Menu bar host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rc, nullptr,
                MAKEINTRESOURCEW(IDR_MS_MENU)))
        return false;
    // As LoadFrame does: the frame's own menu, put back on activation and at WM_DESTROY.
    m_hMenuDefault = m_hMenuOriginal = ::GetMenu(m_hWnd);
    LoadAccelTable(MAKEINTRESOURCEW(IDR_MS_ACCEL));
    if (!m_wndEdit.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 10, 10),
                            this, AFX_IDW_PANE_FIRST))
        return false;
    g_CmdManagerHolder->CreateProfile(kProfile, m_hWnd);
    if (!CExtControlBar::SetupFrameDocking(this))
        return false;
    return true;
}

BOOL CMenuHostFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0)
        m_commands.push_back(LOWORD(wParam));
    return CFrameWnd::OnCommand(wParam, lParam);
}

CMenuHostFrame* Host()
{
    static CMenuHostFrame* s_pFrame = nullptr;
    if (s_pFrame == nullptr || !::IsWindow(s_pFrame->GetSafeHwnd()))
    {
        g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager);
        s_pFrame = new CMenuHostFrame;
        EXPECT_TRUE(s_pFrame->CreateHost(CRect(60, 60, 700, 460)));
        s_pFrame->ShowWindow(SW_SHOW);
    }
    if (::GetMenu(s_pFrame->m_hWnd) == nullptr && ::IsMenu(s_pFrame->m_hMenuOriginal))
        ::SetMenu(s_pFrame->m_hWnd, s_pFrame->m_hMenuOriginal);
    s_pFrame->m_commands.clear();
    ::SetWindowPos(s_pFrame->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(s_pFrame->m_hWnd);
    ::SetActiveWindow(s_pFrame->m_hWnd);
    s_pFrame->m_wndEdit.SetFocus();
    EXPECT_TRUE(SettleInput([] { PumpPlatform(0); })); // the focus events, before a test holds Alt
    return s_pFrame;
}

CExtMenuControlBar* CreateMenuBar(CFrameWnd* pFrame, UINT nID)
{
    auto* pBar = new CExtMenuControlBar;
    if (!pBar->Create(L"Menu bar", pFrame, nID,
                      WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC))
    {
        delete pBar;
        return nullptr;
    }
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    return pBar;
}

void DestroyMenuBar(CExtMenuControlBar* pBar)
{
    CExtPopupMenuWnd::CancelMenuTracking();
    CExtToolControlBar::CloseTrackingMenus();
    PumpPlatform(10);
    if (pBar != nullptr)
    {
        CFrameWnd* pFrame = pBar->m_pDockSite;
        pBar->DestroyWindow();
        delete pBar;
        if (pFrame != nullptr && ::IsWindow(pFrame->m_hWnd))
            pFrame->RecalcLayout();
    }
    CExtMenuControlBar::g_bAltConsumed = false;
}

void PumpPlatform(DWORD nMilliseconds)
{
    const DWORD nStart = ::GetTickCount();
    do
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (!CWnd::WalkPreTranslateTree(nullptr, &msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        ::Sleep(1);
    } while (::GetTickCount() - nStart < nMilliseconds);
}

bool PumpInput()
{
    return PumpUntil([] { return HIWORD(::GetQueueStatus(QS_KEY | QS_MOUSE)) == 0; });
}

void Key(WORD nVirtKey, bool bDown)
{
    // Sent from this thread, the key is in its queue when SendInput returns.
    SendKeyInput(nVirtKey, bDown);
    EXPECT_TRUE(PumpInput()) << "key " << nVirtKey << (bDown ? " down" : " up") << " was not handled";
}

void Tap(WORD nVirtKey)
{
    Key(nVirtKey, true);
    Key(nVirtKey, false);
}

void AltTap(WORD nVirtKey)
{
    Key(VK_MENU, true);
    Tap(nVirtKey);
    Key(VK_MENU, false);
}

} // namespace menutest
