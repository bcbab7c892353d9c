// The running program's windows as the user meets them, with real input: the menu bar's items after
// a command chosen from their popups; the status pane after a dial; the screen right after a bar is
// docked by dragging; the export's browse-folder dialog taking clicks on OK and Cancel.
#include "ProgramTestSupport.h"
#include "app/DlgDialer.h"
#include "res/app_ids.h"
#include "res/app_tools_ids.h"
#include "tests/support/InputScript.h"
#include "support/DibCanvas.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

using namespace phonetest;

namespace
{
void ClickScreen(CPoint pt)
{
    SendMouse(pt.x, pt.y, 0);
    ::Sleep(30);
    SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
    ::Sleep(30);
    SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
}

bool Within(DWORD ms, const std::function<bool()>& pred)
{
    for (DWORD dwStart = ::GetTickCount(); !pred();)
    {
        if (::GetTickCount() - dwStart > ms)
            return false;
        ::Sleep(10);
    }
    return true;
}

// Runs the step on this thread while the script runs on a helper thread; then pumps until it ends.
void RunWithScript(const std::function<void()>& step, const std::function<void()>& script)
{
    auto thread = [](LPVOID p) -> DWORD {
        (*static_cast<const std::function<void()>*>(p))();
        return 0;
    };
    HANDLE hThread = ::CreateThread(nullptr, 0, thread, (LPVOID)&script, 0, nullptr);
    step();
    while (::MsgWaitForMultipleObjects(1, &hThread, FALSE, 20000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        PumpMessages();
    ::CloseHandle(hThread);
}

// Runs the function on the GUI thread (a sent message, handled while that thread pumps or waits in a
// modal loop) from the script thread.
class GuiCall
{
public:
    GuiCall()
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CorvaneTestGuiCall";
        ::RegisterClassW(&wc);
        m_hWnd = ::CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }
    ~GuiCall() { ::DestroyWindow(m_hWnd); }
    void operator()(const std::function<void()>& fn) const { ::SendMessageW(m_hWnd, WM_APP, 0, (LPARAM)&fn); }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        if (nMsg != WM_APP)
            return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
        (*(const std::function<void()>*)lParam)();
        return 0;
    }
    HWND m_hWnd;
};

// The shown popup menu that holds the command among the popup and its shown sub-menus, or null.
CExtPopupMenuWnd* FindShownWith(CExtPopupMenuWnd* pPopup, UINT nCmd)
{
    if (pPopup == nullptr || pPopup->GetSafeHwnd() == nullptr || !pPopup->IsWindowVisible())
        return nullptr;
    for (int i = 0; i < pPopup->GetItemCount(); ++i)
    {
        if (pPopup->ItemGetCmdID(i) == (int)nCmd)
            return pPopup;
        if (CExtPopupMenuWnd* pFound = FindShownWith(pPopup->ItemGetPopup(i), nCmd))
            return pFound;
    }
    return nullptr;
}

// The shown popup menu of the GUI thread that holds the command, or null (call on the GUI thread).
CExtPopupMenuWnd* FindPopupWith(UINT nCmd)
{
    struct Search
    {
        UINT nCmd;
        CExtPopupMenuWnd* pFound;
    } search = {nCmd, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND h, LPARAM lParam) -> BOOL {
            Search& s = *(Search*)lParam;
            s.pFound = FindShownWith(dynamic_cast<CExtPopupMenuWnd*>(CWnd::FromHandlePermanent(h)), s.nCmd);
            return s.pFound == nullptr;
        },
        (LPARAM)&search);
    return search.pFound;
}

// The screen centre of the command's item in a shown popup menu; (-1, -1) when none shows it.
CPoint PopupItemCentre(const GuiCall& gui, UINT nCmd)
{
    CPoint pt(-1, -1);
    gui([&] {
        if (CExtPopupMenuWnd* pPopup = FindPopupWith(nCmd))
        {
            CRect rc;
            pPopup->GetItemRect(pPopup->FindItemByCmdId((int)nCmd), rc);
            pPopup->ClientToScreen(&rc);
            pt = rc.CenterPoint();
        }
    });
    return pt;
}

struct ProgramWindowsTest : programtest::ProgramFixture
{
    ProgramWindowsTest() : ProgramFixture(L"CorvaneWindowsTest") {}
    // The screen rectangle of the menu bar's item with the text.
    CRect MenuItemRect(const CString& strText)
    {
        CExtMenuControlBar& bar = frame->m_wndMenuBar;
        for (int i = 0; i < bar.GetButtonsCount(); ++i)
            if (bar.GetButton(i)->GetText() == strText)
            {
                CRect rc = bar.GetButton(i)->GetRect();
                bar.ClientToScreen(&rc);
                return rc;
            }
        return CRect();
    }
    bool IsMenuItemHot(const CString& strText)
    {
        CExtMenuControlBar& bar = frame->m_wndMenuBar;
        for (int i = 0; i < bar.GetButtonsCount(); ++i)
            if (bar.GetButton(i)->GetText() == strText)
                return bar.GetButton(i)->IsHover() || bar.GetButton(i)->IsPressed();
        return false;
    }
    void StartShown()
    {
        ASSERT_NO_FATAL_FAILURE(Start());
        frame->ShowWindow(SW_SHOWNORMAL);
        frame->SetForegroundWindow();
        frame->UpdateWindow();
        PumpUntil([] { return false; }, 100);
    }
};
} // namespace

namespace
{
// The screen's pixels in the rectangle, top row first.
std::vector<DWORD> Grab(const CRect& rc)
{
    DibCanvas canvas(rc.Width(), rc.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(canvas.dc.GetSafeHdc(), 0, 0, rc.Width(), rc.Height(), hScreen, rc.left, rc.top, SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    return std::vector<DWORD>(canvas.Bits(), canvas.Bits() + rc.Width() * rc.Height());
}
// Pixels that differ between two grabs of one rectangle.
int Diff(const std::vector<DWORD>& a, const std::vector<DWORD>& b)
{
    int n = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        n += a[i] != b[i];
    return n;
}

// Chooses a command from the menu bar's popup with real clicks: the bar's item, then each sub-menu
// item by its text, then the command; answers whether the popups closed.
bool ChooseByClicks(const GuiCall& gui, const CRect& rcItem, const std::vector<CString>& subMenus, UINT nCmd)
{
    bool bClosed = false;
    RunWithScript([] {},
                  [&] {
                      ClickScreen(rcItem.CenterPoint());
                      for (const CString& strSub : subMenus)
                      {
                          CPoint ptSub(-1, -1);
                          Within(3000, [&] {
                              gui([&] {
                                  for (HWND h = ::GetTopWindow(nullptr); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
                                  {
                                      auto* p = dynamic_cast<CExtPopupMenuWnd*>(CWnd::FromHandlePermanent(h));
                                      if (p == nullptr || !p->IsWindowVisible() || p->ItemFindByText(strSub) < 0)
                                          continue;
                                      CRect rc;
                                      p->GetItemRect(p->ItemFindByText(strSub), rc);
                                      p->ClientToScreen(&rc);
                                      ptSub = rc.CenterPoint();
                                  }
                              });
                              return ptSub.x >= 0;
                          });
                          // A popup takes input once it has shown.
                          ::Sleep(300);
                          ClickScreen(ptSub);
                      }
                      CPoint pt;
                      if (!Within(3000, [&] { return (pt = PopupItemCentre(gui, nCmd)).x >= 0; }))
                          return;
                      ::Sleep(300);
                      ClickScreen(pt);
                      bClosed = Within(3000, [&] { return PopupItemCentre(gui, nCmd).x < 0; });
                  });
    return bClosed;
}
} // namespace

TEST_F(ProgramWindowsTest, AMenuBarItemPaintsAsNotHotAfterACommandFromItsPopupAndAfterAClickElsewhere)
{
    ASSERT_NO_FATAL_FAILURE(StartShown());
    GuiCall gui;
    CRect rcClient;
    frame->GetClientRect(&rcClient);
    frame->ClientToScreen(&rcClient);
    // Away from the bars, on the message text of the view.
    const CPoint ptAway(rcClient.right - 20, rcClient.bottom - 40);
    struct Case
    {
        const wchar_t* item;
        std::vector<CString> subMenus;
        UINT nCmd;
    } cases[] = {{L"&View", {L"Warna Latar Belakang"}, ID_THEME_BLUE}, {L"&Tools", {}, ID_DELETE_ALL_SMS}};
    for (const Case& c : cases)
    {
        const CRect rcItem = MenuItemRect(c.item);
        ASSERT_FALSE(rcItem.IsRectEmpty()) << c.item;
        SendMouse(ptAway.x, ptAway.y, 0);
        PumpUntil([] { return false; }, 200);
        const std::vector<DWORD> cold = Grab(rcItem);
        ASSERT_TRUE(ChooseByClicks(gui, rcItem, c.subMenus, c.nCmd)) << c.item;
        PumpUntil([] { return false; }, 300);
        EXPECT_FALSE(IsMenuItemHot(c.item)) << c.item;
        EXPECT_EQ(Diff(cold, Grab(rcItem)), 0) << c.item;
        ClickScreen(ptAway);
        PumpUntil([] { return false; }, 300);
        EXPECT_FALSE(IsMenuItemHot(c.item)) << c.item;
        EXPECT_EQ(Diff(cold, Grab(rcItem)), 0) << c.item;
    }
}

TEST_F(ProgramWindowsTest, TheStatusPaneGetsItsTextBackWhenTheDialEnds)
{
    ASSERT_NO_FATAL_FAILURE(StartShown());
    ASSERT_TRUE(SimPhone::Load("basic"));
    const int nPane = frame->GetStatusPaneIndex();
    frame->SetStatusText(nPane, L"2 sms baru");
    const int nDialsBefore = SimPhone::GetState().Count("ATD0812345;") + SimPhone::GetState().Count("atd0812345;");
    CDlgDialer dlg(view, L"0812345", TRUE);
    ASSERT_TRUE(dlg.Create(IDD_DIALER, view));
    dlg.ShowWindow(SW_SHOW);
    ASSERT_TRUE(PumpUntil(
        [&] {
            return SimPhone::GetState().Count("ATD0812345;") + SimPhone::GetState().Count("atd0812345;") > nDialsBefore;
        },
        5000));
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(frame->GetStatusText(nPane), CString(L"2 sms baru"));
    dlg.DestroyWindow();
}

// "Folders" floated, then dragged by its floating frame's caption onto the frame's left edge: within
// 200 ms of the drop the screen where the floating frame was shows the frame's own painting.
TEST_F(ProgramWindowsTest, AfterABarIsDockedByDraggingTheScreenShowsTheFrameAtOnce)
{
    ASSERT_NO_FATAL_FAILURE(StartShown());
    frame->MoveWindow(0, 0, 900, 700);
    frame->SetForegroundWindow();
    CMainControlBar& folders = frame->m_wndFoldersBar;
    frame->FloatControlBar(&folders, CPoint(450, 250));
    frame->RecalcLayout();
    PumpUntil([] { return false; }, 200);
    CWnd* pMini = folders.GetParentFrame();
    ASSERT_NE(pMini, nullptr);
    ASSERT_NE(pMini, frame);
    CRect rcMini;
    pMini->GetWindowRect(&rcMini);
    pMini->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpUntil([] { return false; }, 100);
    // Its caption, left of its buttons, and a point on the frame's left edge.
    const CPoint ptFrom(rcMini.left + 12, rcMini.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 3);
    CRect rcClient;
    frame->GetClientRect(&rcClient);
    frame->ClientToScreen(&rcClient);
    const CPoint ptTo(rcClient.left + 6, rcClient.CenterPoint().y);
    std::vector<DWORD> atDrop;
    DWORD dwDrop = 0;
    RunInputScript([&] {
        SendMouse(ptFrom.x, ptFrom.y, 0);
        ::Sleep(40);
        SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
        ::Sleep(60);
        for (const CPoint& pt : {CPoint(ptFrom.x - 30, ptFrom.y + 10), CPoint(ptTo.x + 60, ptTo.y), ptTo})
        {
            SendMouse(pt.x, pt.y, 0);
            ::Sleep(60);
        }
        ::Sleep(120);
        SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
        dwDrop = ::GetTickCount();
    });
    PumpUntil([&] { return ::GetTickCount() - dwDrop >= 150; }, 150);
    // The frame and the floating frame's old place, as the screen shows them.
    CRect rcCheck;
    frame->GetWindowRect(&rcCheck);
    rcCheck.UnionRect(&rcCheck, &rcMini);
    atDrop = Grab(rcCheck);
    EXPECT_LE(::GetTickCount() - dwDrop, 200u);
    EXPECT_EQ(CExtControlBar::GetDockBarId(&folders), (UINT)AFX_IDW_DOCKBAR_LEFT);
    // The same place once everything is painted anew.
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpUntil([] { return false; }, 3000);
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(Diff(atDrop, Grab(rcCheck)), 0);
}

namespace
{
HWND FindDialog(LPCWSTR pszTitle)
{
    HWND hWnd = ::FindWindowW(L"#32770", pszTitle);
    return hWnd != nullptr && ::IsWindowVisible(hWnd) ? hWnd : nullptr;
}

CPoint ScreenCentre(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc.CenterPoint();
}

// The screen centre of the tree item's text, or (-1, -1).
CPoint ItemCentre(HWND hTree, HTREEITEM hItem)
{
    RECT rc = {};
    memcpy(&rc, &hItem, sizeof hItem); // the message takes the item in the rectangle
    if (hItem == nullptr || !::SendMessageW(hTree, TVM_GETITEMRECT, TRUE, (LPARAM)&rc))
        return CPoint(-1, -1);
    CPoint pt((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ::ClientToScreen(hTree, &pt);
    return pt;
}
} // namespace

TEST_F(ProgramWindowsTest, ExportsBrowseFromTheMenuTakesClicksOnOkAndCancelAfterAFolderIsPicked)
{
    ASSERT_NO_FATAL_FAILURE(StartShown());
    GuiCall gui;
    const CRect rcFile = MenuItemRect(L"&File");
    for (int nButton : {IDOK, IDCANCEL})
    {
        bool bShown = false, bClosed = false;
        CString strFolder;
        RunWithScript([] {},
                      [&] {
                          ClickScreen(rcFile.CenterPoint());
                          CPoint pt;
                          if (!Within(3000, [&] { return (pt = PopupItemCentre(gui, ID_EXPORT_SMS)).x >= 0; }))
                              return;
                          ::Sleep(300);
                          ClickScreen(pt);
                          HWND hExport = nullptr, hDlg = nullptr;
                          if (!Within(5000, [&] { return (hExport = FindDialog(L"Export SMS")) != nullptr; }))
                              return;
                          ::Sleep(200);
                          ClickScreen(ScreenCentre(::GetDlgItem(hExport, IDC_BROWSE_BUTTON)));
                          bShown = Within(10000, [&] { return (hDlg = FindDialog(L"Browse Folder")) != nullptr; });
                          if (bShown)
                          {
                              ::Sleep(300);
                              // A folder picked: the first root item opened by a double click, its first
                              // child clicked.
                              HWND hTree = ::GetDlgItem(hDlg, IDC_BROWSE_TREE);
                              HTREEITEM hRoot = (HTREEITEM)::SendMessageW(hTree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
                              const CPoint ptRoot = ItemCentre(hTree, hRoot);
                              ClickScreen(ptRoot);
                              ::Sleep(20);
                              ClickScreen(ptRoot);
                              ::Sleep(1000);
                              HTREEITEM hChild =
                                  (HTREEITEM)::SendMessageW(hTree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)hRoot);
                              ClickScreen(ItemCentre(hTree, hChild));
                              ::Sleep(300);
                              ClickScreen(ScreenCentre(::GetDlgItem(hDlg, nButton)));
                              bClosed = Within(2000, [&] { return !::IsWindow(hDlg) || !::IsWindowVisible(hDlg); });
                              if (!bClosed)
                                  ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                              Within(2000, [&] { return !::IsWindow(hDlg) || !::IsWindowVisible(hDlg); });
                          }
                          wchar_t text[MAX_PATH] = {};
                          ::GetDlgItemTextW(hExport, IDC_EXPORT_FOLDER, text, MAX_PATH);
                          strFolder = text;
                          ::PostMessageW(hExport, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                      });
        PumpUntil([] { return false; }, 300);
        EXPECT_TRUE(bShown) << nButton;
        EXPECT_TRUE(bClosed) << nButton;
        // OK takes the picked folder; Cancel keeps the folder text.
        if (nButton == IDOK)
            EXPECT_NE(strFolder, L"C:\\");
        else
            EXPECT_EQ(strFolder, L"C:\\");
    }
}
