// Shared pieces of the popup tracking tests.
#include "PopupTestSupport.h"
#include "platform/Dc.h"
#include "support/InputScript.h"

int CCountedPopup::s_nLive = 0;

LRESULT CPopupTestFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && lParam == 0)
    {
        m_commands.push_back(LOWORD(wParam));
        if (m_onCommand)
            m_onCommand(LOWORD(wParam));
        return 0;
    }
    if (message == WM_SYSCOMMAND)
    {
        m_sysCommands.push_back((UINT)wParam);
        return 0;
    }
    if (message == WM_SETMESSAGESTRING)
    {
        m_messageStrings.push_back((UINT)wParam);
        if (m_onMessageString)
            m_onMessageString((UINT)wParam);
        return 0;
    }
    if (message == CExtPopupMenuWnd::g_nMsgNotifyMenuClosed)
    {
        ++m_nMenuClosed;
        if (m_onMenuClosed)
            m_onMenuClosed();
        return 0;
    }
    if (message == CExtPopupMenuWnd::g_nMsgCreateInplaceEdit)
    {
        if (m_onCreateInplaceEdit)
            m_onCreateInplaceEdit((CExtPopupMenuWnd::InplaceEditCreateData_t*)wParam);
        return 0;
    }
    if (message == CExtPopupMenuWnd::g_nMsgItemCoveringNotification)
    {
        auto* pIcn = (CExtPopupMenuWnd::ItemCoveringNotification*)wParam;
        m_coverings.emplace_back(pIcn->m_nValue, pIcn->m_nItemIndex);
        return 0;
    }
    if (message == CExtPopupMenuWnd::g_nMsgNotifyMenuExpanded)
    {
        ++m_nMenuExpanded;
        return 0;
    }
    if (message == CExtPopupMenuWnd::g_nMsgPrepareMenu)
    {
        ++m_nPrepared;
        ((CExtPopupMenuWnd::MsgPrepareMenuData_t*)wParam)->m_nFlags |= m_nPrepareAnswer;
        return 0;
    }
    if (message == CExtPopupMenuWnd::g_nMsgPopupDrawItem)
    {
        auto* pData = (CExtPopupMenuWnd::DrawItemData_t*)lParam;
        if (m_nOwnerDrawCmd != 0 && pData->m_pVisibleItem->m_nCmdID == m_nOwnerDrawCmd)
        {
            pData->m_pDC->FillSolidRect(&pData->m_rcItem, m_clrOwnerDraw);
            return 1;
        }
        return 0;
    }
    return CMenuTestFrame::WindowProc(message, wParam, lParam);
}

BOOL CPopupTestFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nCode == (int)CN_UPDATE_COMMAND_UI && pExtra != nullptr && nID >= ID_TEST_OPEN && nID <= ID_TEST_DEEP)
    {
        ((CCmdUI*)pExtra)->Enable(TRUE);
        return TRUE;
    }
    return CMenuTestFrame::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

bool PopupTest::s_bLoopStuck = false;
UINT_PTR PopupTest::s_nSafetyTimer = 0;

void PopupTest::SetUp()
{
    MenuTest::SetUp();
    CExtPopupMenuWnd::g_bHideRarelyUsed = false;
    CExtPopupMenuWnd::g_nDefaultAnimation = CExtPopupBaseWnd::ANIM_FADE;
    CExtToolControlBar::g_bMenuTracking = false;
    CExtPopupMenuTrackingSite::g_pfnSetWindowsHookEx = &::SetWindowsHookExW;
    CExtPaintManager::SetBitsPerPixelOverride(0);
    CCountedPopup::s_nLive = 0;
    s_bLoopStuck = false;
    AddCommand(ID_TEST_OPEN, L"&Buka");
    AddCommand(ID_TEST_SAVE, L"&Simpan");
    AddCommand(ID_TEST_EXIT, L"&Keluar");
    AddCommand(ID_TEST_SUB_A, L"Sub &A");
    AddCommand(ID_TEST_SUB_B, L"Sub &B");
    AddCommand(ID_TEST_DEEP, L"&Dalam");
    AddCommand(ID_TEST_ENABLE_OFF, L"&Mati");
    // The frame stays hidden: hiding a shown frame again costs seconds under Wine, and the menus
    // need no visible owner.
    Pump();
}

void PopupTest::TearDown()
{
    EXPECT_FALSE(s_bLoopStuck) << "a tracking loop had to be cancelled by the safety net";
    if (s_nSafetyTimer != 0)
        ::KillTimer(nullptr, s_nSafetyTimer);
    s_nSafetyTimer = 0;
    CExtPopupMenuWnd::CancelMenuTracking();
    CExtToolControlBar::g_bMenuTracking = false;
    CExtPopupMenuTrackingSite::g_pfnSetWindowsHookEx = &::SetWindowsHookExW;
    CExtPaintManager::SetBitsPerPixelOverride(0);
    MenuTest::TearDown();
}

CCountedPopup* PopupTest::NewMenu(const std::vector<UINT>& ids)
{
    auto* pMenu = new CCountedPopup;
    EXPECT_TRUE(pMenu->CreatePopupMenu(Frame()));
    for (UINT nID : ids)
        EXPECT_TRUE(pMenu->InsertItem((int)nID));
    return pMenu;
}

CCountedPopup* PopupTest::NewMenuWithSubMenus()
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN, ID_TEST_SAVE});
    EXPECT_TRUE(pMenu->InsertSubMenu(nullptr, -1, L"&Lainnya"));
    CExtPopupMenuWnd* pMore = pMenu->ItemGetPopup(2);
    EXPECT_TRUE(pMore->InsertItem(ID_TEST_SUB_A));
    EXPECT_TRUE(pMore->InsertItem(ID_TEST_SUB_B));
    EXPECT_TRUE(pMore->InsertSubMenu(nullptr, -1, L"&Dalam"));
    EXPECT_TRUE(pMore->ItemGetPopup(2)->InsertItem(ID_TEST_DEEP));
    EXPECT_TRUE(pMenu->InsertItem(ID_TEST_EXIT));
    return pMenu;
}

CPoint PopupTest::ItemCenter(CExtPopupMenuWnd* pPopup, int nIndex)
{
    CRect rc;
    pPopup->GetItemRect(nIndex, rc, true);
    return rc.CenterPoint();
}

bool PopupTest::ClickItem(CExtPopupMenuWnd* pPopup, int nIndex, UINT message)
{
    const CPoint pt = ItemCenter(pPopup, nIndex);
    bool bPassOn = false;
    return pPopup->HandleMouseClick(message, pt.x, pt.y, bPassOn);
}

namespace
{
std::function<void()>* g_pLoopFn = nullptr;

void CALLBACK LoopTimerProc(HWND, UINT, UINT_PTR nID, DWORD)
{
    // Clicks are eaten while an opening animation runs: wait for its end.
    if (g_TrackingSite.GetAnimatingPopup() != nullptr)
        return;
    ::KillTimer(nullptr, nID);
    std::function<void()>* pFn = g_pLoopFn;
    g_pLoopFn = nullptr;
    if (pFn != nullptr)
    {
        (*pFn)();
        delete pFn;
    }
}
} // namespace

// Ends a loop that nothing else ended, so that a fault fails the test instead of hanging it.
void CALLBACK SafetyTimerProc(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(nullptr, nID);
    PopupTest::s_nSafetyTimer = 0;
    if (CExtPopupMenuWnd::IsMenuTracking())
    {
        PopupTest::s_bLoopStuck = true;
        CExtPopupMenuWnd::CancelMenuTracking();
    }
}

void PopupTest::RunInLoop(std::function<void()> fn)
{
    if (s_nSafetyTimer != 0)
        ::KillTimer(nullptr, s_nSafetyTimer);
    delete g_pLoopFn;
    g_pLoopFn = new std::function<void()>(std::move(fn));
    ::SetTimer(nullptr, 0, 10, &LoopTimerProc);
    s_nSafetyTimer = ::SetTimer(nullptr, 0, 10000, &SafetyTimerProc);
}

void PopupTest::Pump()
{
    MSG msg;
    for (int i = 0; i < 200 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
    {
        if (msg.message == WM_QUIT)
        {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

namespace
{
LRESULT CALLBACK SolidWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND)
    {
        RECT rc;
        ::GetClientRect(hWnd, &rc);
        HBRUSH hBrush = ::CreateSolidBrush((COLORREF)::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        ::FillRect((HDC)wParam, &rc, hBrush);
        ::DeleteObject(hBrush);
        return 1;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}
} // namespace

CSolidWindow::CSolidWindow(COLORREF clr, const CRect& rc) : m_clr(clr)
{
    static ATOM s_atom = 0;
    if (s_atom == 0)
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &SolidWndProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CorvaneSolidTestWnd";
        s_atom = ::RegisterClassW(&wc);
    }
    m_hWnd = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST, L"CorvaneSolidTestWnd", L"",
                               WS_POPUP, rc.left, rc.top, rc.Width(), rc.Height(), nullptr, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, (LONG_PTR)clr);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
}

CSolidWindow::~CSolidWindow()
{
    if (m_hWnd != nullptr)
        ::DestroyWindow(m_hWnd);
}

COLORREF ScreenPixel(int x, int y)
{
    HDC hDC = ::GetDC(nullptr);
    const COLORREF clr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(nullptr, hDC);
    return clr;
}

bool WaitForScreen(const std::function<bool()>& pred)
{
    // Wine hands a window's painting to the X server when its thread idles: the loop peeks (nothing is
    // dispatched, so a tracked menu stays as it is) and sleeps between the reads.
    const DWORD dwStart = ::GetTickCount();
    while (!pred())
    {
        if (::GetTickCount() - dwStart > kInputWaitMs)
            return false;
        ::GdiFlush();
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
        ::Sleep(20);
    }
    return true;
}

bool WaitForScreenPixel(int x, int y, COLORREF clr, bool bEqual)
{
    return WaitForScreen([&]() { return (ScreenPixel(x, y) == clr) == bEqual; });
}

std::vector<COLORREF> ReadScreenUntilShown(const std::vector<ScreenCheck>& checks)
{
    std::vector<COLORREF> pixels(checks.size());
    WaitForScreen([&]() {
        bool bAll = true;
        for (size_t i = 0; i < checks.size(); ++i)
        {
            pixels[i] = ScreenPixel(checks[i].pt.x, checks[i].pt.y);
            bAll = bAll && (pixels[i] == checks[i].clr) == checks[i].bEqual;
        }
        return bAll;
    });
    return pixels;
}

COLORREF WindowPixel(HWND hWnd, const CPoint& ptScreen)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    HDC hDC = ::GetWindowDC(hWnd);
    const COLORREF clr = ::GetPixel(hDC, ptScreen.x - rc.left, ptScreen.y - rc.top);
    ::ReleaseDC(hWnd, hDC);
    return clr;
}
