// The themed edit: command states through the command-UI update, the commands on the clipboard, the
// non-client painting (scroll-bar corner, other window classes), tool-bar tips; and, on the screen,
// the keyboard context menu and hover polling.
#include "ControlsTestSupport.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/menus_dialogs/ExtComboBox.h"
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <functional>

typedef CExtEditBase B;

namespace
{
// Remembers the enabled state a command target gives.
class CStateCmdUI : public CCmdUI
{
public:
    int m_nEnabled = -1;
    void Enable(BOOL bOn) override
    {
        m_nEnabled = bOn ? 1 : 0;
        m_bEnableChanged = TRUE;
    }
};

bool IsEnabled(CCmdTarget* pTarget, UINT nCmdID)
{
    CStateCmdUI ui;
    ui.m_nID = nCmdID;
    ui.DoUpdate(pTarget, FALSE);
    return ui.m_nEnabled == 1;
}

CString ClipboardText()
{
    CString s;
    if (!::OpenClipboard(nullptr))
        return s;
    if (HANDLE h = ::GetClipboardData(CF_UNICODETEXT))
    {
        s = (LPCWSTR)::GlobalLock(h);
        ::GlobalUnlock(h);
    }
    ::CloseClipboard();
    return s;
}

void SetClipboardText(LPCWSTR lpszText)
{
    if (!::OpenClipboard(nullptr))
        return;
    ::EmptyClipboard();
    const size_t cb = (wcslen(lpszText) + 1) * sizeof(wchar_t);
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    memcpy(::GlobalLock(hMem), lpszText, cb);
    ::GlobalUnlock(hMem);
    ::SetClipboardData(CF_UNICODETEXT, hMem);
    ::CloseClipboard();
}

// A window class with a 12-pixel non-client ring that it fills with magenta.
LRESULT CALLBACK WideFrameProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCALCSIZE)
    {
        ::InflateRect((RECT*)lParam, -12, -12);
        return 0;
    }
    if (message == WM_NCPAINT)
    {
        RECT rc;
        ::GetWindowRect(hWnd, &rc);
        ::OffsetRect(&rc, -rc.left, -rc.top);
        HDC hDC = ::GetWindowDC(hWnd);
        HBRUSH hBrush = ::CreateSolidBrush(RGB(255, 0, 255));
        ::FillRect(hDC, &rc, hBrush);
        ::DeleteObject(hBrush);
        ::ReleaseDC(hWnd, hDC);
        return 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

// A tool bar whose hit test answers one tip for its whole area.
class CTipBar : public CExtToolControlBar
{
public:
    INT_PTR OnToolHitTest(CPoint, TOOLINFO* pTI) const override
    {
        if (pTI != nullptr)
            pTI->lpszText = ::_wcsdup(L"Cari pesan");
        return 7;
    }
};

CString ToolText(CToolTipCtrl& tip, CWnd* pWnd)
{
    wchar_t szText[128] = {};
    TOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    ti.hwnd = pWnd->GetSafeHwnd();
    ti.uId = 1;
    ti.lpszText = szText;
    if (tip.GetSafeHwnd() == nullptr)
        return CString();
    ::SendMessageW(tip.GetSafeHwnd(), TTM_GETTEXTW, 128, (LPARAM)&ti);
    return szText;
}

std::function<void()>* g_pInLoop = nullptr;

void CALLBACK InLoopTimerProc(HWND, UINT, UINT_PTR nID, DWORD)
{
    if (g_TrackingSite.GetAnimatingPopup() != nullptr)
        return;
    ::KillTimer(nullptr, nID);
    std::function<void()>* pFn = g_pInLoop;
    g_pInLoop = nullptr;
    if (pFn != nullptr)
    {
        (*pFn)();
        delete pFn;
    }
    // Nothing may stay open.
    CExtPopupMenuWnd::CancelMenuTracking();
}
} // namespace

class ExtEditTest : public ControlsTest
{
protected:
    void TearDown() override
    {
        if (m_pEdit != nullptr && m_pEdit->GetSafeHwnd() != nullptr)
            m_pEdit->DestroyWindow();
        delete m_pEdit;
        m_pEdit = nullptr;
        ControlsTest::TearDown();
    }
    CExtEdit* AddEdit(LPCWSTR lpszText, DWORD dwStyle, const CRect& rc = CRect(20, 20, 220, 44),
                      DWORD dwExStyle = WS_EX_CLIENTEDGE)
    {
        m_pEdit = new CExtEdit;
        HWND hWnd = m_pDlg->AddControl(L"EDIT", lpszText, dwStyle, rc, 300, dwExStyle);
        EXPECT_TRUE(m_pEdit->SubclassWindow(hWnd));
        return m_pEdit;
    }
    CExtEdit* m_pEdit = nullptr;
};

TEST_F(ExtEditTest, AReadOnlyEditDisablesTheChangingCommandsAndCopyFollowsTheSelection)
{
    CExtEdit* pEdit = AddEdit(L"kabar baik", ES_READONLY | ES_AUTOHSCROLL);
    SetClipboardText(L"tempel");
    pEdit->SetSel(0, 0);
    for (UINT nCmdID : {B::ID_CMD_CUT, B::ID_CMD_PASTE, B::ID_CMD_CLEAR, B::ID_CMD_UNDO, B::ID_CMD_COPY})
        EXPECT_FALSE(IsEnabled(pEdit, nCmdID)) << std::hex << nCmdID;
    pEdit->SetSel(0, 5);
    EXPECT_TRUE(IsEnabled(pEdit, B::ID_CMD_COPY));
    EXPECT_FALSE(IsEnabled(pEdit, B::ID_CMD_CUT));
    EXPECT_FALSE(IsEnabled(pEdit, B::ID_CMD_PASTE));

    pEdit->SetReadOnly(FALSE);
    EXPECT_TRUE(IsEnabled(pEdit, B::ID_CMD_CUT));
    EXPECT_TRUE(IsEnabled(pEdit, B::ID_CMD_PASTE));
    EXPECT_TRUE(IsEnabled(pEdit, B::ID_CMD_CLEAR));
    // Without the flag the edit leaves the commands to others.
    pEdit->m_nEditBaseFlags = 0;
    CStateCmdUI ui;
    ui.m_nID = B::ID_CMD_COPY;
    ui.DoUpdate(pEdit, FALSE);
    EXPECT_EQ(ui.m_nEnabled, -1);
}

TEST_F(ExtEditTest, SelectAllIsDisabledForAnEmptyTextAndWhenAllIsSelected)
{
    CExtEdit* pEdit = AddEdit(L"", ES_AUTOHSCROLL);
    EXPECT_FALSE(IsEnabled(pEdit, B::ID_CMD_SELECT_ALL));
    pEdit->SetWindowText(L"pesan");
    pEdit->SetSel(1, 3);
    EXPECT_TRUE(IsEnabled(pEdit, B::ID_CMD_SELECT_ALL));
    pEdit->SendMessage(WM_COMMAND, B::ID_CMD_SELECT_ALL, 0);
    int nStart = -1, nEnd = -1;
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, 5);
    EXPECT_FALSE(IsEnabled(pEdit, B::ID_CMD_SELECT_ALL));
}

TEST_F(ExtEditTest, TheCommandsActOnTheRealClipboard)
{
    CExtEdit* pEdit = AddEdit(L"halo dunia", ES_AUTOHSCROLL);
    pEdit->SetSel(5, 10);
    pEdit->SendMessage(WM_COMMAND, B::ID_CMD_COPY, 0);
    EXPECT_EQ(ClipboardText(), CString(L"dunia"));
    pEdit->SendMessage(WM_COMMAND, B::ID_CMD_CUT, 0);
    CString sText;
    pEdit->GetWindowText(sText);
    EXPECT_EQ(sText, CString(L"halo "));
    EXPECT_TRUE(IsEnabled(pEdit, B::ID_CMD_UNDO));
    pEdit->SendMessage(WM_COMMAND, B::ID_CMD_UNDO, 0);
    pEdit->GetWindowText(sText);
    EXPECT_EQ(sText, CString(L"halo dunia"));
    SetClipboardText(L"semua");
    pEdit->SetSel(5, 10);
    pEdit->SendMessage(WM_COMMAND, B::ID_CMD_PASTE, 0);
    pEdit->GetWindowText(sText);
    EXPECT_EQ(sText, CString(L"halo semua"));
    pEdit->SetSel(0, 5);
    pEdit->SendMessage(WM_COMMAND, B::ID_CMD_CLEAR, 0);
    pEdit->GetWindowText(sText);
    EXPECT_EQ(sText, CString(L"semua"));
}

TEST_F(ExtEditTest, WithBothScrollBarsTheCornerSquareIsPaintedInTheWindowColour)
{
    CExtEdit* pEdit = AddEdit(L"satu\r\ndua\r\ntiga", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, CRect(20, 60, 220, 180));
    auto canvas = CaptureWindow(pEdit->GetSafeHwnd());
    CRect rc;
    pEdit->GetWindowRect(&rc);
    const int cx = ::GetSystemMetrics(SM_CXVSCROLL), cy = ::GetSystemMetrics(SM_CYHSCROLL);
    const CRect rcCorner(rc.Width() - cx - 4, rc.Height() - cy - 4, rc.Width() - 4, rc.Height() - 4);
    const COLORREF clrWindow = PMColor(COLOR_WINDOW);
    ASSERT_NE(clrWindow, PMColor(COLOR_3DFACE));
    EXPECT_EQ(canvas->At(rcCorner.CenterPoint().x, rcCorner.CenterPoint().y), clrWindow);
    EXPECT_GT(canvas->Count(rcCorner, clrWindow), rcCorner.Width() * rcCorner.Height() / 2);
    ASSERT_FALSE(CRecordingPaintManager::g_editFrames.empty());
    EXPECT_EQ(CRecordingPaintManager::g_editFrames.back().pSrc, pEdit);
    EXPECT_EQ(CRecordingPaintManager::g_editFrames.back().rc, CRect(3, 3, rc.Width() - 3, rc.Height() - 3));
}

TEST_F(ExtEditTest, ASubclassedWindowOfAnotherClassGetsTheBorderButNoNonClientFill)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &WideFrameProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CorvaneWideFrame";
    ::RegisterClassW(&wc);
    HWND hWnd = m_pDlg->AddControl(L"CorvaneWideFrame", L"", 0, CRect(20, 200, 220, 260), 301, 0);
    ASSERT_NE(hWnd, nullptr);
    m_pEdit = new CExtEdit;
    ASSERT_TRUE(m_pEdit->SubclassWindow(hWnd));
    auto canvas = CaptureWindow(hWnd);
    // Beyond the border's rings the class's own non-client colour stays.
    EXPECT_EQ(canvas->At(8, 30), RGB(255, 0, 255));
    ASSERT_FALSE(CRecordingPaintManager::g_editFrames.empty());
    EXPECT_EQ(CRecordingPaintManager::g_editFrames.back().pSrc, m_pEdit);
    m_pEdit->UnsubclassWindow();
    ::DestroyWindow(hWnd);
}

TEST_F(ExtEditTest, OnAToolBarTheEditAndTheComboBoxShowTheBarsTip)
{
    CTipBar bar;
    ASSERT_TRUE(bar.CreateEx(0, L"Static", L"", WS_CHILD | WS_VISIBLE, CRect(10, 300, 400, 340), m_pDlg, 0x5100));
    HWND hWndEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 4, 4, 100, 24, bar.m_hWnd, (HMENU)151,
                                      nullptr, nullptr);
    HWND hWndCombo = ::CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 120, 4, 120, 120,
                                       bar.m_hWnd, (HMENU)152, nullptr, nullptr);
    CExtEdit edit;
    CExtComboBox combo;
    ASSERT_TRUE(edit.SubclassWindow(hWndEdit));
    ASSERT_TRUE(combo.SubclassWindow(hWndCombo));
    ASSERT_NE(combo.GetEditHook().GetSafeHwnd(), nullptr);

    TOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(edit.OnToolHitTest(CPoint(5, 5), &ti), -1);
    EXPECT_EQ(ToolText(edit.GetToolTip(), &edit), CString(L"Cari pesan"));
    EXPECT_EQ(combo.OnToolHitTest(CPoint(5, 5), &ti), -1);
    EXPECT_EQ(ToolText(combo.GetToolTip(), &combo), CString(L"Cari pesan"));
    CExtComboEditCtrlHook& hook = combo.GetEditHook();
    EXPECT_EQ(hook.OnToolHitTest(CPoint(2, 2), &ti), -1);
    EXPECT_EQ(ToolText(hook.GetToolTip(), &hook), CString(L"Cari pesan"));
    // Off a tool bar there is no tip.
    CExtEdit other;
    ASSERT_TRUE(other.SubclassWindow(m_pDlg->AddControl(L"EDIT", L"", 0, CRect(20, 20, 120, 44), 153)));
    EXPECT_EQ(other.OnToolHitTest(CPoint(5, 5), &ti), -1);
    MSG msg = {other.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {0, 0}};
    other.PreTranslateMessage(&msg);
    EXPECT_EQ(other.GetToolTip().GetSafeHwnd(), nullptr);
    other.DestroyWindow();
    edit.DestroyWindow();
    combo.DestroyWindow();
    bar.DestroyWindow();
}

// On the screen: the tracked context menu and hover polling.
class ExtEditScreenTest : public ExtEditTest
{
protected:
    void SetUp() override
    {
        ExtEditTest::SetUp();
        ASSERT_TRUE(g_CmdManagerHolder->CreateProfile(L"ExtEditTest", m_pDlg->m_hWnd));
    }
    void TearDown() override
    {
        CExtPopupMenuWnd::CancelMenuTracking();
        delete g_pInLoop;
        g_pInLoop = nullptr;
        g_CmdManagerHolder->UnbindWindowFromProfile(m_pDlg->m_hWnd, true);
        ::SetCursorPos(1200, 1000);
        ExtEditTest::TearDown();
    }
    static void RunInLoop(std::function<void()> fn)
    {
        delete g_pInLoop;
        g_pInLoop = new std::function<void()>(std::move(fn));
        ::SetTimer(nullptr, 0, 10, &InLoopTimerProc);
    }
};

TEST_F(ExtEditScreenTest, AKeyboardContextMenuOpensAtTheCentreWithTheEditCommands)
{
    CExtEdit* pEdit = AddEdit(L"pesan", ES_AUTOHSCROLL);
    pEdit->SetSel(0, 0);
    CRect rcClient;
    pEdit->GetClientRect(&rcClient);
    CPoint ptCentre((rcClient.left + rcClient.right) / 2, (rcClient.top + rcClient.bottom) / 2);
    pEdit->ClientToScreen(&ptCentre);
    CPoint ptTrack(-1, -1);
    std::vector<CString> texts;
    std::vector<bool> enabled;
    RunInLoop([&]() {
        CExtPopupMenuWnd* pMenu = g_TrackingSite.GetInstance();
        ASSERT_NE(pMenu, nullptr);
        ptTrack = pMenu->m_ptTrack;
        for (int i = 0; i < pMenu->GetItemCount(); ++i)
        {
            texts.push_back(pMenu->ItemGetText(i));
            enabled.push_back(pMenu->GetItemAt(i).IsEnabled());
        }
        // Choosing Select All comes back to the edit as a command.
        pMenu->EndTrackingWithCommand(B::ID_CMD_SELECT_ALL, nullptr);
    });
    pEdit->SendMessage(WM_CONTEXTMENU, (WPARAM)pEdit->GetSafeHwnd(), MAKELPARAM(-1, -1));
    Pump();
    EXPECT_EQ(ptTrack, ptCentre);
    const std::vector<CString> expected = {L"&Undo", L"", L"Cu&t", L"&Copy", L"&Paste", L"Cl&ear", L"", L"Select &All"};
    EXPECT_EQ(texts, expected);
    ASSERT_EQ(enabled.size(), 8u);
    EXPECT_FALSE(enabled[3]); // nothing selected: no Copy
    EXPECT_TRUE(enabled[7]);
    int nStart = -1, nEnd = -1;
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(nEnd - nStart, 5);
    EXPECT_EQ(::GetFocus(), pEdit->GetSafeHwnd());
}

TEST_F(ExtEditScreenTest, HoverPollingSetsAndClearsHoverAndRedrawsTheBorder)
{
    CExtEdit* pEdit = AddEdit(L"arahkan", ES_AUTOHSCROLL);
    ::SetFocus(m_pDlg->m_hWnd);
    const CPoint ptIn = ScreenPoint(pEdit->GetSafeHwnd(), 10, 8);
    ::SetCursorPos(ptIn.x, ptIn.y);
    pEdit->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 8));
    CRecordingPaintManager::g_editFrames.clear();
    pEdit->SendMessage(WM_TIMER, CExtEdit::ID_TIMER_HOVER, 0);
    EXPECT_TRUE(pEdit->IsHovered());
    ASSERT_FALSE(CRecordingPaintManager::g_editFrames.empty());
    EXPECT_TRUE(CRecordingPaintManager::g_editFrames.back().bHover);
    EXPECT_TRUE(CRecordingPaintManager::g_editFrames.back().bEnabled);
    EXPECT_FALSE(CRecordingPaintManager::g_editFrames.back().bFocus);

    ::SetCursorPos(ptIn.x, ptIn.y + 200);
    CRecordingPaintManager::g_editFrames.clear();
    pEdit->SendMessage(WM_TIMER, CExtEdit::ID_TIMER_HOVER, 0);
    EXPECT_FALSE(pEdit->IsHovered());
    ASSERT_FALSE(CRecordingPaintManager::g_editFrames.empty());
    EXPECT_FALSE(CRecordingPaintManager::g_editFrames.back().bHover);
    // The timer is gone with the hover.
    EXPECT_FALSE(pEdit->KillTimer(CExtEdit::ID_TIMER_HOVER));
    // Focus alone draws the focused border.
    pEdit->SetFocus();
    ASSERT_FALSE(CRecordingPaintManager::g_editFrames.empty());
    EXPECT_TRUE(CRecordingPaintManager::g_editFrames.back().bFocus);
}
