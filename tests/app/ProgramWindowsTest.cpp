// The running program's windows as the user meets them, with real input: the menu bar's items after
// a command chosen from their popups; the status pane after a dial; the screen right after a bar is
// docked by dragging; the export's browse-folder dialog taking clicks on OK and Cancel; the message
// list's auto-hide slider over the message text, and the screen after a bar is pinned.
#include "ProgramTestSupport.h"
#include "app/DlgDialer.h"
#include "res/app_ids.h"
#include "res/app_tools_ids.h"
#include "tests/support/InputScript.h"
#include "support/DibCanvas.h"
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "toolkit/bars_tabs/ExtDynAutoHideSlider.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/docking/ExtBarNcAreaButtonAutoHide.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

using namespace phonetest;

namespace
{
// A left click at the screen point; from a script each step returns once the window's thread has it.
void ClickScreen(CPoint pt)
{
    SendMouse(pt.x, pt.y, 0);
    SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
    SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
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

// The screen centre of the command's item in a shown popup menu; (-1, -1) when none shows it, or, with
// bTakingClicks, while a popup's opening animation runs (the menus ignore clicks until it ends).
CPoint PopupItemCentre(const GuiCall& gui, UINT nCmd, bool bTakingClicks = false)
{
    CPoint pt(-1, -1);
    gui([&] {
        if (bTakingClicks && g_TrackingSite.GetAnimatingPopup() != nullptr)
            return;
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
        SettleInput();
    }
};
} // namespace

namespace
{
// Whether the focus is in the window or one of its descendants.
bool HoldsFocus(const CWnd& wnd)
{
    const HWND hFocus = ::GetFocus();
    return hFocus != nullptr && (hFocus == wnd.GetSafeHwnd() || ::IsChild(wnd.GetSafeHwnd(), hFocus));
}

// Chooses a command from the menu bar's popup with real clicks: the bar's item, then each sub-menu
// item by its text, then the command; answers whether the popups closed.
bool ChooseByClicks(const GuiCall& gui, const CRect& rcItem, const std::vector<CString>& subMenus, UINT nCmd)
{
    bool bClosed = false;
    RunInputScript([&] {
        ClickScreen(rcItem.CenterPoint());
        for (const CString& strSub : subMenus)
        {
            // The sub-menu's item, once no popup's opening animation eats the click.
            CPoint ptSub(-1, -1);
            ASSERT_TRUE(WaitFor([&] {
                gui([&] {
                    if (g_TrackingSite.GetAnimatingPopup() != nullptr)
                        return;
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
            })) << (LPCWSTR)strSub;
            ClickScreen(ptSub);
        }
        CPoint pt;
        ASSERT_TRUE(WaitFor([&] { return (pt = PopupItemCentre(gui, nCmd, true)).x >= 0; })) << nCmd;
        ClickScreen(pt);
        bClosed = WaitFor([&] { return PopupItemCentre(gui, nCmd).x < 0; });
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
        RunInputScript([&] { SendMouse(ptAway.x, ptAway.y, 0); });
        // The item's look with the pointer away, once any hover it had is gone and painted.
        ASSERT_TRUE(WaitFor([&] { return !IsMenuItemHot(c.item); })) << c.item;
        SettleInput();
        const std::vector<DWORD> cold = GrabScreen(rcItem);
        const auto coldAgain = [&] { return !IsMenuItemHot(c.item) && CountDiffs(cold, GrabScreen(rcItem)) == 0; };
        ASSERT_TRUE(ChooseByClicks(gui, rcItem, c.subMenus, c.nCmd)) << c.item;
        EXPECT_TRUE(PumpUntil(coldAgain, kInputWaitMs)) << c.item;
        EXPECT_FALSE(IsMenuItemHot(c.item)) << c.item;
        EXPECT_EQ(CountDiffs(cold, GrabScreen(rcItem)), 0) << c.item;
        RunInputScript([&] { ClickScreen(ptAway); });
        EXPECT_TRUE(PumpUntil(coldAgain, kInputWaitMs)) << c.item;
        EXPECT_FALSE(IsMenuItemHot(c.item)) << c.item;
        EXPECT_EQ(CountDiffs(cold, GrabScreen(rcItem)), 0) << c.item;
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
        kInputWaitMs));
    // The dial ran inside the auto-dial timer's dispatch, which has returned by now: the session's
    // status lines and the text given back after them are queued, and are handled here in order.
    PumpMessages();
    EXPECT_TRUE(WaitFor([&] { return frame->GetStatusText(nPane) == L"2 sms baru"; }));
    EXPECT_EQ(frame->GetStatusText(nPane), CString(L"2 sms baru"));
    dlg.DestroyWindow();
}

// "Folders" floated, then dragged by its floating frame's caption onto the frame's left edge: at once,
// as soon as the drop and the paints it left are handled, with no time let pass, the screen where the
// floating frame was shows the frame's own painting.
TEST_F(ProgramWindowsTest, AfterABarIsDockedByDraggingTheScreenShowsTheFrameAtOnce)
{
    ASSERT_NO_FATAL_FAILURE(StartShown());
    frame->MoveWindow(0, 0, 900, 700);
    frame->SetForegroundWindow();
    CMainControlBar& folders = frame->m_wndFoldersBar;
    frame->FloatControlBar(&folders, CPoint(450, 250));
    frame->RecalcLayout();
    SettleInput();
    CWnd* pMini = folders.GetParentFrame();
    ASSERT_NE(pMini, nullptr);
    ASSERT_NE(pMini, frame);
    ASSERT_TRUE(pMini->IsWindowVisible());
    CRect rcMini;
    pMini->GetWindowRect(&rcMini);
    pMini->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SettleInput();
    // Its caption, left of its buttons, and a point on the frame's left edge.
    const CPoint ptFrom(rcMini.left + 12, rcMini.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 3);
    CRect rcClient;
    frame->GetClientRect(&rcClient);
    frame->ClientToScreen(&rcClient);
    const CPoint ptTo(rcClient.left + 6, rcClient.CenterPoint().y);
    // The frame and the floating frame's old place.
    CRect rcCheck;
    frame->GetWindowRect(&rcCheck);
    rcCheck.UnionRect(&rcCheck, &rcMini);
    GuiCall gui;
    std::vector<DWORD> atDrop;
    RunInputScript([&] {
        SendMouse(ptFrom.x, ptFrom.y, 0);
        SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
        // The press on the caption runs the bar's drag loop, which starts the drag at the first move.
        ASSERT_TRUE(IsScriptThreadInNestedLoop());
        for (const CPoint& pt : {CPoint(ptFrom.x - 30, ptFrom.y + 10), CPoint(ptTo.x + 60, ptTo.y), ptTo})
            SendMouse(pt.x, pt.y, 0);
        ASSERT_TRUE(WaitFor([&] { return CExtControlBar::GetDraggedBar() == &folders; }));
        SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
        // The drop pumps paints while it docks: it is over once the drag loop has returned.
        ASSERT_TRUE(WaitFor([] { return !IsScriptThreadInNestedLoop(); }));
        // The messages the drop left (its paints) are handled, then the screen is read, with no wait
        // for a timer or for time to pass.
        gui([&] {
            PumpMessages();
            atDrop = GrabScreen(rcCheck);
        });
    });
    EXPECT_EQ(CExtControlBar::GetDraggedBar(), nullptr);
    EXPECT_EQ(CExtControlBar::GetDockBarId(&folders), (UINT)AFX_IDW_DOCKBAR_LEFT);
    // The same place once everything is painted anew.
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpUntil([] { return false; }, 3000);
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(CountDiffs(atDrop, GrabScreen(rcCheck)), 0);
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
        RunInputScript([&] {
            ClickScreen(rcFile.CenterPoint());
            CPoint pt;
            ASSERT_TRUE(WaitFor([&] { return (pt = PopupItemCentre(gui, ID_EXPORT_SMS, true)).x >= 0; }));
            ClickScreen(pt);
            // The export dialog, in its modal loop with its Browse button ready.
            HWND hExport = nullptr, hDlg = nullptr;
            ASSERT_TRUE(WaitFor([&] {
                hExport = FindDialog(L"Export SMS");
                HWND hBrowse = hExport != nullptr ? ::GetDlgItem(hExport, IDC_BROWSE_BUTTON) : nullptr;
                return hBrowse != nullptr && ::IsWindowVisible(hBrowse) && ::IsWindowEnabled(hBrowse) &&
                       IsScriptThreadInNestedLoop();
            }));
            ClickScreen(ScreenCentre(::GetDlgItem(hExport, IDC_BROWSE_BUTTON)));
            // The browse dialog, its tree filled: the root items shown.
            HWND hTree = nullptr;
            HTREEITEM hRoot = nullptr;
            CPoint ptRoot(-1, -1);
            bShown = WaitFor([&] {
                hDlg = FindDialog(L"Browse Folder");
                hTree = hDlg != nullptr ? ::GetDlgItem(hDlg, IDC_BROWSE_TREE) : nullptr;
                hRoot = hTree != nullptr ? (HTREEITEM)::SendMessageW(hTree, TVM_GETNEXTITEM, TVGN_ROOT, 0) : nullptr;
                ptRoot = ItemCentre(hTree, hRoot);
                return ptRoot.x >= 0;
            });
            if (bShown)
            {
                // A folder picked: the first root item opened by a double click, its first child
                // clicked.
                ClickScreen(ptRoot);
                ClickScreen(ptRoot);
                HTREEITEM hChild = nullptr;
                CPoint ptChild(-1, -1);
                EXPECT_TRUE(WaitFor([&] {
                    hChild = (HTREEITEM)::SendMessageW(hTree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)hRoot);
                    ptChild = ItemCentre(hTree, hChild);
                    return ptChild.x >= 0;
                }));
                ClickScreen(ptChild);
                EXPECT_TRUE(WaitFor([&] {
                    return hChild != nullptr &&
                           (HTREEITEM)::SendMessageW(hTree, TVM_GETNEXTITEM, TVGN_CARET, 0) == hChild;
                }));
                ClickScreen(ScreenCentre(::GetDlgItem(hDlg, nButton)));
                bClosed = WaitFor([&] { return !::IsWindow(hDlg) || !::IsWindowVisible(hDlg); });
                if (!bClosed)
                    ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                WaitFor([&] { return !::IsWindow(hDlg); });
            }
            // Read on the GUI thread, so after the Browse button's handler has set the folder.
            gui([&] {
                wchar_t text[MAX_PATH] = {};
                ::GetDlgItemTextW(hExport, IDC_EXPORT_FOLDER, text, MAX_PATH);
                strFolder = text;
            });
            ::PostMessageW(hExport, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        EXPECT_TRUE(WaitFor([] { return FindDialog(L"Export SMS") == nullptr; })) << nButton;
        EXPECT_TRUE(bShown) << nButton;
        EXPECT_TRUE(bClosed) << nButton;
        // OK takes the picked folder; Cancel keeps the folder text.
        if (nButton == IDOK)
            EXPECT_NE(strFolder, L"C:\\");
        else
            EXPECT_EQ(strFolder, L"C:\\");
    }
}

namespace
{
// Pins the bar by a click on its caption's pin button and waits for its slider to show; then the frame's client
// (the view grown into the bar's place, its border and the slider on it) must be on the screen as a full repaint
// shows it. Answers the slider, and the bar's tab in its area.
void PinAndCompareWithRepaint(CMainFrame* frame, CExtControlBar& bar, CExtDynAutoHideSlider*& pSlider,
                              CExtDynAutoHideArea*& pArea, int& nTab)
{
    CExtBarNcAreaButton* pPin = nullptr;
    for (INT_PTR i = 0; i < bar.NcButtonGetCount(); ++i)
    {
        if (bar.NcButtonGet((int)i)->IsKindOf(RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide)))
            pPin = bar.NcButtonGet((int)i);
    }
    ASSERT_NE(pPin, nullptr);
    CRect rcBar;
    bar.GetWindowRect(&rcBar);
    RunInputScript([&] { ClickScreen(pPin->m_rc.CenterPoint() + rcBar.TopLeft()); });
    pArea = CExtDynAutoHideArea::FindAreaOfBar(&bar, &nTab);
    ASSERT_NE(pArea, nullptr);
    pSlider = pArea->GetAutoHideSlider();
    ASSERT_TRUE(WaitFor([&] { return bar.IsAutoHideMode() && pSlider->IsShown(); }));
    CRect rcClient;
    frame->GetClientRect(&rcClient);
    frame->ClientToScreen(&rcClient);
    PumpMessages();
    const std::vector<DWORD> atPin = GrabScreen(rcClient);
    // The slider's watch knows where the focus is (a list brings it along) before the repaint.
    ASSERT_TRUE(WaitFor([&] { return pSlider->IsFocusInside() == HoldsFocus(*pSlider); }));
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    EXPECT_EQ(CountDiffs(atPin, GrabScreen(rcClient)), 0);
}
} // namespace

TEST_F(ProgramWindowsTest, AfterAClickIntoTheMessageTextTheSmsListSliderShowsItsRowsOverIt)
{
    ASSERT_NO_FATAL_FAILURE(StartShown());
    frame->MoveWindow(0, 0, 900, 700);
    frame->SetForegroundWindow();
    SettleInput();
    std::vector<CSMS*> records;
    for (int i = 0; i < 8; ++i)
        records.push_back(programtest::NewSms(SMS_FOLDER_INBOX, L"Ani", L"0811", L"Halo apa kabar"));
    File(records);
    CMainControlBar& bar = frame->m_wndSmsListBar;
    // The bar pinned by a click on its pin button: the frame with its slider out as a full repaint shows it.
    int nTab = -1;
    CExtDynAutoHideArea* pArea = nullptr;
    CExtDynAutoHideSlider* pSlider = nullptr;
    ASSERT_NO_FATAL_FAILURE(PinAndCompareWithRepaint(frame, bar, pSlider, pArea, nTab));

    // A click into the message text below the slider closes it; the pointer on the tab opens it again.
    CRect rcText;
    view->m_wndText.GetWindowRect(&rcText);
    RunInputScript([&] { ClickScreen(CPoint(rcText.CenterPoint().x, rcText.bottom - 30)); });
    ASSERT_TRUE(WaitFor([&] { return !pSlider->IsShown(); }));
    ASSERT_EQ(::GetFocus(), view->m_wndText.GetSafeHwnd());
    pArea->UpdateTabWnd(true);
    CRect rcTab = pArea->ItemGet(nTab)->m_rcItem;
    rcTab.OffsetRect(pArea->GetItemsArea().left - pArea->ScrollPosGet(), pArea->GetItemsArea().top);
    pArea->ClientToScreen(&rcTab);
    RunInputScript([&] {
        SendMouse(rcTab.CenterPoint().x, rcTab.CenterPoint().y, 0);
        SendMouse(rcTab.CenterPoint().x + 1, rcTab.CenterPoint().y, 0);
    });
    ASSERT_TRUE(WaitFor([&] { return pSlider->IsShown() && !pSlider->IsAnimating(); }));
    PumpMessages();
    // The list's rows stay on the screen while the text under the slider, which keeps the focus, repaints.
    CRect rcRows;
    pSlider->GetClientRect(&rcRows);
    pSlider->ClientToScreen(&rcRows);
    const std::vector<DWORD> rows = GrabScreen(rcRows);
    RunInputScript([&] { SendKeyPress(VK_HOME, false, true); });
    DWORD dwStart = 0, dwEnd = 0;
    view->m_wndText.SendMessage(EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    ASSERT_NE(dwStart, dwEnd);
    PumpMessages();
    EXPECT_EQ(CountDiffs(rows, GrabScreen(rcRows)), 0);
    pSlider->SlideRun(&bar, false, false);
}

TEST_F(ProgramWindowsTest, PinningARightDockedFoldersBarLeavesTheScreenAsAFullRepaintShowsIt)
{
    ASSERT_NO_FATAL_FAILURE(StartShown());
    frame->MoveWindow(0, 0, 900, 700);
    frame->SetForegroundWindow();
    SettleInput();
    // The folders bar docked at the right, then pinned by a click on its pin button.
    CMainControlBar& bar = frame->m_wndFoldersBar;
    ASSERT_TRUE(bar.DockAtSideCircle(AFX_IDW_DOCKBAR_RIGHT, 1, frame, true));
    frame->RecalcLayout();
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    int nTab = -1;
    CExtDynAutoHideArea* pArea = nullptr;
    CExtDynAutoHideSlider* pSlider = nullptr;
    ASSERT_NO_FATAL_FAILURE(PinAndCompareWithRepaint(frame, bar, pSlider, pArea, nTab));
}
