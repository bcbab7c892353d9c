// The main frame in the running program: its bars, docking layout and status panes at the first
// start, the layout and list state kept to the next start, the busy pane during a phone job, the
// frame's own commands and the menu bar's keyboard access, docked and floating.
#include "phone/PhoneLinkTestSupport.h"
#include "FrameAppFixture.h"
#include "ProgramTestSupport.h"
#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/MainFrm.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/PostedText.h"
#include "phone/SmsRecord.h"
#include "res/app_ids.h"
#include "res/app_tools_ids.h"
#include "res/mainframe_ids.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/InputScript.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/docking/ExtBarNcAreaButtonAutoHide.h"
#include "toolkit/docking/ExtBarNcAreaButtonMenu.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

#include <initializer_list>
#include <utility>
#include <vector>

using namespace phonetest;
using programtest::NewSms;

namespace
{

// The z-order band the frame was last moved into (HWND_TOPMOST or HWND_NOTOPMOST), seen in its
// WM_WINDOWPOSCHANGING: Wine here keeps WS_EX_TOPMOST clear.
struct BandProbe
{
    static HWND s_hBand;
    static HHOOK s_hHook;
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* p = (const CWPSTRUCT*)lParam;
        if (nCode == HC_ACTION && p->message == WM_WINDOWPOSCHANGING &&
            (::GetWindowLongW(p->hwnd, GWL_STYLE) & WS_CHILD) == 0)
        {
            const WINDOWPOS* pos = (const WINDOWPOS*)p->lParam;
            if ((pos->flags & SWP_NOZORDER) == 0 &&
                (pos->hwndInsertAfter == HWND_TOPMOST || pos->hwndInsertAfter == HWND_NOTOPMOST))
                s_hBand = pos->hwndInsertAfter;
        }
        return ::CallNextHookEx(s_hHook, nCode, wParam, lParam);
    }
    BandProbe()
    {
        s_hBand = nullptr;
        s_hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~BandProbe() { ::UnhookWindowsHookEx(s_hHook); }
};
HWND BandProbe::s_hBand = nullptr;
HHOOK BandProbe::s_hHook = nullptr;

struct MainFrameTest : FrameAppFixture
{
    MainFrameTest() : FrameAppFixture(L"CorvaneMainFrameTest") {}
    void SetUp() override
    {
        FrameAppFixture::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(SimPhone::LoadJson("demo_fast", R"({"extends": "demo", "baud": 0})"));
    }
    void Start()
    {
        ASSERT_NO_FATAL_FAILURE(StartFrame());
        view = app->GetView();
        doc = app->GetDoc();
        ASSERT_NE(view, nullptr);
        ASSERT_NE(doc, nullptr);
        PumpUntil([] { return false; }, 50);
    }
    void SelectFolder(const wchar_t* folder)
    {
        CFolderTreeCtrl* tree = frame->GetFolderTree();
        for (HTREEITEM h = tree->GetRootItem(); h; h = tree->GetNextSiblingItem(h))
            if (tree->GetItemText(h) == folder)
                tree->SelectItem(h);
        view->RefreshList();
    }
    static UINT CircleOf(CControlBar* pBar)
    {
        CExtDockBar* pDock = dynamic_cast<CExtDockBar*>(pBar->m_pDockBar);
        return pDock != nullptr ? pDock->GetCircleNo() : 0xFFFF;
    }
    // The command's update state as a menu would see it.
    struct CmdState
    {
        BOOL bEnabled = FALSE;
        int nCheck = -1;
        bool bRadio = false;
    };
    struct ProbeCmdUI : CCmdUI
    {
        CmdState* p;
        void Enable(BOOL bOn = TRUE) override
        {
            p->bEnabled = bOn;
            m_bEnableChanged = TRUE;
        }
        void SetCheck(int nCheck = 1) override { p->nCheck = nCheck; }
        void SetRadio(BOOL bOn = TRUE) override
        {
            p->bRadio = true;
            p->nCheck = bOn ? 1 : 0;
        }
        void SetText(LPCTSTR) override {}
    };
    CmdState StateOf(UINT nID)
    {
        CmdState s;
        ProbeCmdUI ui;
        ui.p = &s;
        ui.m_nID = nID;
        ui.DoUpdate(frame, TRUE);
        return s;
    }

    // The bar's gripper, or its floating frame's caption.
    static CPoint GripOf(CExtControlBar& bar)
    {
        CRect rc;
        if (!CExtControlBar::IsFloating(&bar))
            return (bar.GetCaptionRect() + (bar.GetWindowRect(&rc), rc.TopLeft())).CenterPoint();
        bar.GetParentFrame()->GetWindowRect(&rc);
        return rc.TopLeft() + CSize(16, ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 3);
    }
    // A double click there (real input) until the bar floats (bFloats) or is docked, and the idle time's layout.
    void DoubleClickBar(CExtControlBar& bar, bool bFloats)
    {
        const CPoint pt = GripOf(bar);
        RunInputScript([&] {
            for (DWORD dw : {0, 2, 4, 2, 4}) // a move, then MOUSEEVENTF_LEFTDOWN and MOUSEEVENTF_LEFTUP twice
                SendMouse(pt.x, pt.y, dw);
        });
        ASSERT_TRUE(WaitFor([&] { return CExtControlBar::IsFloating(&bar) == bFloats && bar.IsWindowVisible(); }));
        frame->RecalcLayout();
    }
    // Drags the floating bar's frame by its caption over ptVia to pt (real input).
    void DragFloatingFrame(CExtControlBar& bar, CPoint ptVia, CPoint pt)
    {
        const CPoint ptFrom = GripOf(bar);
        RunInputScript([&] {
            SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
            SendMouse(ptVia.x, ptVia.y, 0);
            SendMouse(pt.x, pt.y, 0);
            SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
        });
        ASSERT_TRUE(CExtControlBar::IsFloating(&bar)); // the release ended the drag
        frame->RecalcLayout();
    }

    CCorvane_smsView* view = nullptr;
    CCorvane_smsDoc* doc = nullptr;
};
} // namespace

// First start on an empty profile: the bars with their ids, titles and style, the default docking
// layout, the tree and list inside their bars, the status panes with the "LOG" button and the idle prompt, the menu
// bar with menu 128's menus, the large icon and the command icons.
TEST_F(MainFrameTest, FirstStartHasTheBarsInTheDefaultLayout)
{
    Start();
    struct BarExpect
    {
        CControlBar* pBar;
        UINT nID;
        const wchar_t* title;
    };
    const BarExpect bars[] = {{&frame->m_wndMenuBar, 104, nullptr},
                              {&frame->m_wndFoldersBar, 105, L"Folders"},
                              {&frame->m_wndToolBar, 59392, L"Standard Toolbar"},
                              {&frame->m_wndSmsListBar, 101, L"SMS List"},
                              {&frame->m_wndCorvaneBar, 136, L"Corvane Toolbar"}};
    for (const BarExpect& b : bars)
    {
        ASSERT_NE(b.pBar->GetSafeHwnd(), nullptr) << b.nID;
        EXPECT_EQ((UINT)b.pBar->GetDlgCtrlID(), b.nID);
        EXPECT_EQ(frame->GetControlBar(b.nID), b.pBar) << b.nID;
        EXPECT_TRUE(b.pBar->IsWindowVisible()) << b.nID;
        // The window bits of the style; the gripper is a bar style.
        EXPECT_EQ(b.pBar->GetStyle() & 0xFF000000u, CMainFrame::kBarStyle & 0xFF000000u) << b.nID;
        EXPECT_NE(b.pBar->GetBarStyle() & CBRS_GRIPPER, 0u) << b.nID;
        if (b.title != nullptr)
        {
            CString text;
            b.pBar->GetWindowText(text);
            EXPECT_EQ(text, b.title);
        }
    }
    EXPECT_EQ(frame->m_wndStatus.GetDlgCtrlID(), AFX_IDW_STATUS_BAR);
    EXPECT_EQ(frame->m_wndStatus.GetStyle() & (WS_CHILD | WS_VISIBLE), (DWORD)(WS_CHILD | WS_VISIBLE));
    EXPECT_NE(frame->m_wndStatus.GetBarStyle() & CBRS_BOTTOM, 0u);
    // Its first pane shows the idle prompt from the start, no menu closed first.
    CString sIdle;
    frame->GetMessageString(AFX_IDS_IDLEMESSAGE, sIdle);
    EXPECT_EQ(frame->m_wndStatus.GetPaneText(0), sIdle);

    // "Folders" on the left in the first circle, "SMS List" at the top in the second, the tool
    // bars and the menu bar in the outer top dock bar.
    EXPECT_EQ(CExtControlBar::GetDockBarId(&frame->m_wndFoldersBar), (UINT)AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(CircleOf(&frame->m_wndFoldersBar), 1u);
    EXPECT_EQ(CExtControlBar::GetDockBarId(&frame->m_wndSmsListBar), (UINT)AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(CircleOf(&frame->m_wndSmsListBar), 2u);
    for (CControlBar* p : {(CControlBar*)&frame->m_wndToolBar, (CControlBar*)&frame->m_wndCorvaneBar,
                           (CControlBar*)&frame->m_wndMenuBar})
    {
        EXPECT_EQ(CExtControlBar::GetDockBarId(p), (UINT)AFX_IDW_DOCKBAR_TOP);
        EXPECT_EQ(CircleOf(p), 0u);
    }
    CRect rcFolders, rcList, rcView;
    frame->m_wndFoldersBar.GetWindowRect(&rcFolders);
    frame->m_wndSmsListBar.GetWindowRect(&rcList);
    view->GetWindowRect(&rcView);
    EXPECT_LE(rcFolders.right, rcList.left);
    EXPECT_LE(rcList.bottom, rcView.top);
    EXPECT_GT(rcList.Height(), 0);
    EXPECT_GT(rcView.Height(), 0);

    // The tree and the list are children of their bars with the bars' ids; the caption buttons.
    EXPECT_EQ(frame->GetFolderTree()->GetParent(), &frame->m_wndFoldersBar);
    EXPECT_EQ(frame->GetFolderTree()->GetDlgCtrlID(), 105);
    EXPECT_EQ(frame->GetSmsListCtrl()->GetParent(), &frame->m_wndSmsListBar);
    EXPECT_EQ(frame->GetSmsListCtrl()->GetDlgCtrlID(), 101);
    for (CMainControlBar* pBar : {&frame->m_wndFoldersBar, &frame->m_wndSmsListBar})
    {
        ASSERT_EQ(pBar->NcButtonGetCount(), 2);
        EXPECT_TRUE(pBar->NcButtonGet(0)->IsKindOf(RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide)));
        EXPECT_TRUE(pBar->NcButtonGet(1)->IsKindOf(RUNTIME_CLASS(CExtBarNcAreaButtonMenu)));
    }

    // Status panes: main, status, "LOG" (50 wide with the flat button 153), CAPS, NUM.
    CExtStatusControlBar& status = frame->m_wndStatus;
    ASSERT_EQ(status.GetCount(), 5);
    const UINT ids[] = {0, 0, 32776, 59137, 59138};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(status.GetItemID(i), ids[i]) << i;
    UINT nID = 0, nStyle = 0;
    int cx = 0;
    status.GetPaneInfo(2, nID, nStyle, cx);
    EXPECT_EQ(cx, 50);
    CExtButton* pLog = frame->GetLogButton();
    ASSERT_NE(pLog->GetSafeHwnd(), nullptr);
    EXPECT_EQ(pLog->GetParent(), &status);
    EXPECT_EQ(pLog->GetDlgCtrlID(), IDC_LOG_BUTTON);
    EXPECT_TRUE(pLog->IsWindowVisible());
    EXPECT_TRUE(pLog->GetFlat());
    CRect rcPane, rcButton;
    status.GetItemRect(2, &rcPane);
    pLog->GetWindowRect(&rcButton);
    status.ScreenToClient(&rcButton);
    EXPECT_TRUE(CRect().IntersectRect(&rcPane, &rcButton)) << rcPane.left << " " << rcButton.left;

    // The menu bar holds menu 128's four menus; the frame has no menu of its own.
    EXPECT_EQ(::GetMenu(frame->GetSafeHwnd()), nullptr);
    std::vector<CString> menus;
    for (int i = 0; i < frame->m_wndMenuBar.GetButtonsCount(); ++i)
        if (frame->m_wndMenuBar.GetButton(i)->GetMenu() != nullptr && frame->m_wndMenuBar.GetButton(i)->IsVisible())
            menus.push_back(frame->m_wndMenuBar.GetButton(i)->GetText());
    EXPECT_EQ(menus.size(), 4u);
    if (!menus.empty())
    {
        EXPECT_EQ(menus[0], L"&File");
    }

    // The window's large icon and the command icons at their sizes.
    EXPECT_NE(frame->SendMessage(WM_GETICON, ICON_BIG, 0), 0);
    LPCTSTR profile = g_CmdManagerHolder->FindProfileNameForWindow(frame->GetSafeHwnd());
    ASSERT_NE(profile, nullptr);
    const struct
    {
        UINT cmd;
        int size;
    } icons[] = {{ID_APP_EXIT, 16}, {ID_RECEIVE_SMS, 32},    {ID_CALL, 24},
                 {ID_SMS_NEW, 32},  {ID_SOUND_SETTINGS, 16}, {ID_CLEAR_HISTORY, 16}};
    for (const auto& i : icons)
    {
        CExtCmdIcon* pIcon = g_CmdManagerHolder->GetCommandIcon(profile, i.cmd);
        ASSERT_NE(pIcon, nullptr) << i.cmd;
        EXPECT_FALSE(pIcon->IsEmpty()) << i.cmd;
        EXPECT_EQ(pIcon->GetSize().cx, i.size) << i.cmd;
    }
    EXPECT_TRUE(boxes.Boxes().size() <= 1u) << boxes.All(); // Outlook's missing note only
}

// The layout, the column widths, the sort order and the always-on-top state come back at the
// next start.
TEST_F(MainFrameTest, TheLayoutAndListStateComeBackAtTheNextStart)
{
    BandProbe band;
    Start();
    // Out of the topmost band from its creation: not moved.
    EXPECT_EQ(BandProbe::s_hBand, nullptr);
    EXPECT_EQ(frame->GetExStyle() & WS_EX_TOPMOST, 0u);
    ASSERT_TRUE(frame->m_wndFoldersBar.DockAtSideCircle(AFX_IDW_DOCKBAR_RIGHT, 1, frame));
    CRect rcTool;
    frame->m_wndToolBar.GetWindowRect(&rcTool);
    ASSERT_TRUE(frame->m_wndToolBar.FloatAtPoint(CPoint(300, 400)));
    frame->RecalcLayout();
    EXPECT_TRUE(CExtControlBar::IsFloating(&frame->m_wndToolBar));
    frame->GetSmsListCtrl()->SetColumnWidth(4, 222);
    frame->GetSmsListCtrl()->SetColumnWidth(1, 77);
    frame->SendMessage(WM_COMMAND, ID_VIEW_TOPMOST);
    EXPECT_EQ(BandProbe::s_hBand, HWND_TOPMOST);
    EXPECT_EQ(StateOf(ID_VIEW_TOPMOST).nCheck, 1);
    const int nSort = frame->GetSmsListCtrl()->GetSortState();
    Stop();

    NewApp();
    EXPECT_EQ(app->GetProfileInt(L"Settings", L"IsTopWindow", 0), 1u);
    BandProbe::s_hBand = nullptr;
    Start();
    EXPECT_EQ(BandProbe::s_hBand, HWND_TOPMOST);
    EXPECT_EQ(CExtControlBar::GetDockBarId(&frame->m_wndFoldersBar), (UINT)AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_TRUE(CExtControlBar::IsFloating(&frame->m_wndToolBar));
    EXPECT_EQ(CExtControlBar::GetDockBarId(&frame->m_wndSmsListBar), (UINT)AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(frame->GetSmsListCtrl()->GetColumnWidth(4), 222);
    EXPECT_EQ(frame->GetSmsListCtrl()->GetColumnWidth(1), 77);
    EXPECT_EQ(frame->GetSmsListCtrl()->GetSortState(), nSort);
    EXPECT_EQ(StateOf(ID_VIEW_TOPMOST).nCheck, 1);
    // Off again: stored as 0.
    frame->SendMessage(WM_COMMAND, ID_VIEW_TOPMOST);
    EXPECT_EQ(BandProbe::s_hBand, HWND_NOTOPMOST);
    EXPECT_EQ(StateOf(ID_VIEW_TOPMOST).nCheck, 0);
    Stop();
    NewApp();
    EXPECT_EQ(app->GetProfileInt(L"Settings", L"IsTopWindow", 1), 0u);
}

// A placement stored off every monitor brings the window up on the nearest monitor.
TEST_F(MainFrameTest, AStoredPlacementOffEveryMonitorIsBroughtOntoTheScreen)
{
    Start();
    WINDOWPLACEMENT wp = {sizeof wp};
    frame->GetWindowPlacement(&wp);
    wp.rcNormalPosition = {5000, 4000, 5600, 4450};
    wp.showCmd = SW_SHOWNORMAL;
    frame->SetWindowPlacement(&wp);
    Stop();
    NewApp();
    Start();
    CRect rc;
    frame->GetWindowRect(&rc);
    EXPECT_NE(::MonitorFromRect(&rc, MONITOR_DEFAULTTONULL), nullptr) << rc.left << "," << rc.top;
    EXPECT_EQ(rc.Width(), 600);
    EXPECT_EQ(rc.Height(), 450);
    EXPECT_TRUE(frame->IsWindowVisible());
}

// During a phone job the busy pane with its animation sits at index 1 and the status lines go to
// pane 2; afterwards the pane is gone and the lines go to pane 1. A lone busy 0 changes nothing.
TEST_F(MainFrameTest, TheBusyPaneShowsDuringAPhoneJob)
{
    ASSERT_TRUE(SimPhone::LoadJson("demo_paced", R"({"extends": "demo", "baud": 9600})"));
    Start();
    CExtStatusControlBar& status = frame->m_wndStatus;
    // A lone busy 0: nothing changes, nothing shows.
    frame->SendMessage(WM_APP_PHONE_BUSY, 0, 0);
    EXPECT_EQ(status.GetCount(), 5);
    EXPECT_EQ(status.GetItemID(2), 32776u);
    const size_t nBoxes = boxes.Boxes().size();

    frame->PostMessage(WM_COMMAND, ID_RECEIVE_SMS);
    bool bSawBusy = false, bAnimation = false, bLineInPane2 = false;
    ASSERT_TRUE(PumpUntil(
        [&] {
            if (status.CommandToIndex(CMainFrame::kIdBusyPane) == 1)
            {
                bSawBusy = true;
                EXPECT_EQ(frame->GetStatusPaneIndex(), 2);
                HWND hAnim = ::GetDlgItem(status.GetSafeHwnd(), CMainFrame::kIdBusyPane);
                wchar_t cls[32] = {};
                ::GetClassNameW(hAnim, cls, 32);
                bAnimation |= hAnim != nullptr && _wcsicmp(cls, ANIMATE_CLASSW) == 0 && ::IsWindowVisible(hAnim);
                bLineInPane2 |= !frame->GetStatusText(2).IsEmpty();
            }
            return bSawBusy && !frame->IsPhoneBusy() && !app->m_port.IsOpen();
        },
        60000))
        << boxes.All();
    EXPECT_TRUE(bAnimation);
    EXPECT_TRUE(bLineInPane2);
    EXPECT_EQ(status.CommandToIndex(CMainFrame::kIdBusyPane), -1);
    EXPECT_EQ(status.GetCount(), 5);
    EXPECT_EQ(frame->GetStatusPaneIndex(), 1);
    EXPECT_EQ(::GetDlgItem(status.GetSafeHwnd(), CMainFrame::kIdBusyPane), nullptr);
    EXPECT_EQ(frame->GetStatusText(1), L"ada 6 sms baru.");
    EXPECT_EQ(boxes.Boxes().size(), nBoxes) << boxes.All();
}

// The theme items: the value stored, the radio mark, a new paint manager, the sender field's
// background and the tool bar's look.
TEST_F(MainFrameTest, ThemeItemsStoreApplyAndMarkTheTheme)
{
    Start();
    const struct
    {
        UINT cmd;
        int value;
    } themes[] = {
        {ID_THEME_BLUE, 0}, {ID_THEME_PINK, 1}, {ID_THEME_METALLIC, 2}, {ID_THEME_GREEN, 3}, {ID_THEME_CUSTOM, 4}};
    // The tool bar painted into a DIB.
    auto toolBarPixels = [&] {
        CRect rc;
        frame->m_wndToolBar.GetClientRect(&rc);
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), rc.Width(), -rc.Height(), 1, 32, BI_RGB};
        DWORD* pBits = nullptr;
        HBITMAP hBmp = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, (void**)&pBits, nullptr, 0);
        CDC dc;
        dc.Attach(::CreateCompatibleDC(nullptr));
        HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBmp);
        frame->m_wndToolBar.DoPaint(&dc);
        ::GdiFlush();
        std::vector<DWORD> v(pBits, pBits + rc.Width() * rc.Height());
        ::SelectObject(dc.GetSafeHdc(), hOld);
        ::DeleteDC(dc.Detach());
        ::DeleteObject(hBmp);
        return v;
    };
    std::vector<std::vector<DWORD>> pixels;
    for (const auto& t : themes)
    {
        CExtPaintManager* pOld = g_PaintManagerHolder.GetPM();
        frame->SendMessage(WM_COMMAND, t.cmd);
        EXPECT_EQ((int)app->GetProfileInt(L"Settings", L"ThemeColor", -1), t.value);
        EXPECT_NE(g_PaintManagerHolder.GetPM(), pOld) << t.cmd;
        for (const auto& u : themes)
        {
            const CmdState s = StateOf(u.cmd);
            EXPECT_TRUE(s.bEnabled) << u.cmd;
            EXPECT_TRUE(s.bRadio) << u.cmd;
            EXPECT_EQ(s.nCheck, u.cmd == t.cmd ? 1 : 0) << t.cmd << " " << u.cmd;
        }
        EXPECT_EQ(view->m_wndSender.GetBkColour(), g_PaintManagerHolder->GetTranslatedColor(XCLR_FACE_NORMAL));
        pixels.push_back(toolBarPixels());
    }
    ASSERT_FALSE(pixels[0].empty());
    EXPECT_NE(pixels[0], pixels[1]); // "Biru" and "Pink"
}

// "Hapus History Tujuan", "Rebuild Nama Kontak" and "Hapus Semua SMS".
TEST_F(MainFrameTest, HistoryContactNamesAndDeleteAllCommands)
{
    Start();
    for (int i = 0; i < 15; ++i)
        app->WriteProfileString(L"History", CString(std::to_wstring(i).c_str()), L"0811");
    frame->SendMessage(WM_COMMAND, ID_CLEAR_HISTORY);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(app->GetProfileString(L"History", CString(std::to_wstring(i).c_str()), L"x"), L"") << i;
    ASSERT_FALSE(boxes.Boxes().empty());
    EXPECT_EQ(boxes.Boxes().back().title, L"OK");
    EXPECT_EQ(boxes.Boxes().back().text, L"data history tujuan sudah dihapus");

    // Contact names: a received message by its sender, a written one to two numbers.
    doc->AddContact(L"Budi", L"0811111", L"", L"");
    doc->AddContact(L"Ani", L"62822222", L"", L"");
    doc->m_listSms.AddTail(NewSms(SMS_FOLDER_INBOX, L"0811111", L"+0811111", L"halo"));
    doc->m_listSms.AddTail(NewSms(SMS_FOLDER_SENT, L"", L"0811111;+62822222", L"rapat"));
    SelectFolder(SMS_FOLDER_SENT);
    frame->SendMessage(WM_COMMAND, ID_REBUILD_CONTACT_NAMES);
    {
        CSmsRecordsLock lock(doc);
        CSMS* pIn = (CSMS*)doc->m_listSms.GetHead();
        CSMS* pOut = (CSMS*)doc->m_listSms.GetTail();
        EXPECT_EQ(pIn->m_strSenderName, L"Budi");
        EXPECT_EQ(pOut->m_strRecipientName, L"Budi;Ani");
    }
    EXPECT_EQ(frame->GetStatusText(1), L"Proses mencari nama kontak : 100%");
    EXPECT_EQ(boxes.Boxes().back().title, L"Success");
    EXPECT_EQ(boxes.Boxes().back().text, L"Pencarian nama kontak telah selesai. 2 SMS telah diproses.");
    EXPECT_EQ(frame->GetListCount(), 1);

    // "Hapus Semua SMS": No at either box keeps everything; Yes, Yes empties the list.
    for (int nNoAt : {0, 1})
    {
        int nAsked = 0;
        MessageBoxHandler previous = SetMessageBoxHandler([&](HWND, LPCWSTR, LPCWSTR title, UINT) {
            EXPECT_STREQ(title, L"Confirmation");
            return nAsked++ == nNoAt ? IDNO : IDYES;
        });
        frame->SendMessage(WM_COMMAND, ID_DELETE_ALL_SMS);
        SetMessageBoxHandler(std::move(previous));
        EXPECT_EQ(nAsked, nNoAt + 1);
        EXPECT_EQ(doc->m_listSms.GetCount(), 2);
    }
    frame->SendMessage(WM_COMMAND, ID_DELETE_ALL_SMS);
    EXPECT_EQ(doc->m_listSms.GetCount(), 0);
    EXPECT_EQ(frame->GetListCount(), 0);
    Stop();
    CCorvane_smsDoc saved;
    saved.SetDataFilePath(dataFile);
    ASSERT_TRUE(saved.LoadData());
    EXPECT_EQ(saved.m_listSms.GetCount(), 0);
}

// The bar toggles: each hides and shows its bar, with the check mark following.
TEST_F(MainFrameTest, BarTogglesHideAndShowTheirBars)
{
    Start();
    // The fixed bars show a check mark; the resizable ones are only enabled.
    const struct
    {
        UINT nID;
        bool bCheck;
    } toggles[] = {{59392, true}, {59393, true}, {101, false}, {104, true}, {105, false}, {136, true}};
    for (const auto& t : toggles)
    {
        const UINT nID = t.nID;
        CControlBar* pBar = frame->GetControlBar(nID);
        ASSERT_NE(pBar, nullptr) << nID;
        EXPECT_TRUE(StateOf(nID).bEnabled) << nID;
        EXPECT_EQ(StateOf(nID).nCheck, t.bCheck ? 1 : -1) << nID;
        frame->SendMessage(WM_COMMAND, nID);
        frame->RecalcLayout();
        EXPECT_FALSE(pBar->IsWindowVisible()) << nID;
        if (t.bCheck)
        {
            EXPECT_EQ(StateOf(nID).nCheck, 0) << nID;
        }
        frame->SendMessage(WM_COMMAND, nID);
        frame->RecalcLayout();
        EXPECT_TRUE(pBar->IsWindowVisible()) << nID;
    }
}

// Alt+F opens the menu bar's "&File" menu.
TEST_F(MainFrameTest, AltFOpensTheFileMenu)
{
    Start();
    ::SetForegroundWindow(frame->GetSafeHwnd());
    view->SetFocus();
    // The focus events Wine makes of the activation are handled before Alt goes down.
    SettleInput();
    INPUT in[4] = {};
    for (INPUT& i : in)
        i.type = INPUT_KEYBOARD;
    in[0].ki.wVk = VK_MENU;
    in[1].ki.wVk = 'F';
    in[2].ki.wVk = 'F';
    in[2].ki.dwFlags = KEYEVENTF_KEYUP;
    in[3].ki.wVk = VK_MENU;
    in[3].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(4, in, sizeof(INPUT));
    // The application's own pump: keys pass the frame's bars first.
    bool bTracking = false;
    for (DWORD start = GetTickCount(); !bTracking && GetTickCount() - start < kInputWaitMs;)
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!app->PreTranslateMessage(&msg))
            {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        bTracking = CExtPopupMenuWnd::IsMenuTracking();
        if (!bTracking)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    EXPECT_TRUE(bTracking);
    CExtPopupMenuWnd::CancelMenuTracking();
    PumpUntil([] { return false; }, 100);
}

namespace
{
// The shell's answer to a modification of the frame's icon: whether the tray holds it.
bool TrayHolds(HWND hFrame)
{
    NOTIFYICONDATAW nid = {};
    nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    nid.hWnd = hFrame;
    nid.uID = IDR_TRAY_MENU;
    nid.uFlags = NIF_TIP;
    ::lstrcpynW(nid.szTip, L"probe", 64);
    return ::Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

// The visible menu windows of this thread other than the frame.
std::vector<HWND> MenuWindows(HWND hFrame)
{
    struct Search
    {
        HWND hFrame;
        std::vector<HWND> found;
        static BOOL CALLBACK Visit(HWND h, LPARAM l)
        {
            Search* p = (Search*)l;
            if (h != p->hFrame && ::IsWindowVisible(h) && (::GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0)
                p->found.push_back(h);
            return TRUE;
        }
    } s{hFrame, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), Search::Visit, (LPARAM)&s);
    return s.found;
}
} // namespace

// The tray icon: there while the program runs, the left button hides and shows the frame, the
// right button opens the tray menu, minimise hides to the tray when set, and without an icon in
// the tray the frame only minimises until "TaskbarCreated" brings the icon back.
TEST_F(MainFrameTest, TheTrayIconHidesAndRestoresTheFrame)
{
    Start();
    HWND hFrame = frame->GetSafeHwnd();
    EXPECT_TRUE(TrayHolds(hFrame));
    EXPECT_TRUE(frame->GetTrayIcon()->IsIconInTray());

    // Left button: hidden, a top-level window still; a second: back.
    // The left button posts the show/hide command.
    frame->SendMessage(WM_APP_TRAY_NOTIFY, IDR_TRAY_MENU, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindowVisible(hFrame) && frame->IsHiddenToTray(); }));
    EXPECT_FALSE(::IsWindowVisible(hFrame));
    EXPECT_TRUE(frame->IsHiddenToTray());
    EXPECT_EQ(::GetAncestor(hFrame, GA_PARENT), ::GetDesktopWindow());
    frame->SendMessage(WM_APP_TRAY_NOTIFY, IDR_TRAY_MENU, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(hFrame) && !frame->IsHiddenToTray(); }));
    EXPECT_TRUE(::IsWindowVisible(hFrame));
    EXPECT_FALSE(frame->IsHiddenToTray());
    EXPECT_EQ(::GetAncestor(hFrame, GA_PARENT), ::GetDesktopWindow());

    // Right button: menu 216 with "Show/Hide Window" as its default item.
    static HMENU s_hSeen = nullptr;
    static UINT s_nDefault = 0;
    s_hSeen = nullptr;
    s_nDefault = 0;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR, DWORD) {
        for (HWND h : MenuWindows(AfxGetMainWnd()->GetSafeHwnd()))
        {
            wchar_t cls[16] = {};
            ::GetClassNameW(h, cls, 16);
            if (wcscmp(cls, L"#32768") != 0)
                continue;
            s_hSeen = (HMENU)::SendMessageW(h, MN_GETHMENU, 0, 0);
            s_nDefault = ::GetMenuDefaultItem(s_hSeen, FALSE, 0);
            ::PostMessageW(h, WM_KEYDOWN, VK_ESCAPE, 0);
            ::EndMenu();
        }
    });
    frame->SendMessage(WM_APP_TRAY_NOTIFY, IDR_TRAY_MENU, WM_RBUTTONUP);
    ::KillTimer(nullptr, nTimer);
    EXPECT_NE(s_hSeen, nullptr);
    EXPECT_EQ(s_nDefault, (UINT)ID_SHOW_HIDE_WINDOW);

    // Minimise: to the tray with "IsHideToTray" 1, a plain minimise with 0.
    app->WriteProfileInt(L"Settings", L"IsHideToTray", 1);
    frame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_FALSE(::IsWindowVisible(hFrame));
    EXPECT_FALSE(::IsIconic(hFrame));
    frame->SendMessage(WM_COMMAND, ID_SHOW_HIDE_WINDOW);
    EXPECT_TRUE(::IsWindowVisible(hFrame));
    app->WriteProfileInt(L"Settings", L"IsHideToTray", 0);
    frame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(::IsIconic(hFrame));
    frame->ShowWindow(SW_RESTORE);

    // Without the icon minimise only minimises and 32881 keeps the window; "TaskbarCreated"
    // brings the icon back.
    ASSERT_TRUE(frame->GetTrayIcon()->RemoveIcon());
    EXPECT_FALSE(TrayHolds(hFrame));
    app->WriteProfileInt(L"Settings", L"IsHideToTray", 1);
    frame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(::IsIconic(hFrame));
    EXPECT_FALSE(frame->IsHiddenToTray());
    frame->ShowWindow(SW_RESTORE);
    frame->SendMessage(WM_COMMAND, ID_SHOW_HIDE_WINDOW);
    EXPECT_TRUE(::IsWindowVisible(hFrame));
    // The icon deleted behind the program's back comes back with the task bar.
    ASSERT_TRUE(frame->GetTrayIcon()->AddIcon());
    NOTIFYICONDATAW nid = {};
    nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    nid.hWnd = hFrame;
    nid.uID = IDR_TRAY_MENU;
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &nid));
    EXPECT_FALSE(TrayHolds(hFrame));
    frame->GetTrayIcon()->SendMessage(CSystemTray::s_uTaskbarCreatedMsg);
    EXPECT_TRUE(TrayHolds(hFrame));

    // After exit the icon is gone.
    Stop();
    EXPECT_FALSE(TrayHolds(hFrame));
}

namespace
{
// Real keys in order (each a press, or a release when up is set), then the application's own pump until the
// condition holds: keys pass the frame's bars first, as in the program's message loop.
template <class F> bool KeysThen(CCorvane_smsApp* pApp, std::initializer_list<std::pair<WORD, bool>> keys, F condition)
{
    for (const auto& key : keys)
    {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key.first;
        in.ki.dwFlags = key.second ? KEYEVENTF_KEYUP : 0;
        ::SendInput(1, &in, sizeof(INPUT));
    }
    for (DWORD start = GetTickCount(); GetTickCount() - start < kInputWaitMs;)
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!pApp->PreTranslateMessage(&msg))
            {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        if (HIWORD(::GetQueueStatus(QS_KEY)) == 0 && condition())
            return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return false;
}
} // namespace

TEST_F(MainFrameTest, AKeyboardMenuOfTheFloatingMenuBarLeavesTheFrameActiveAndItsKeysToTheView)
{
    Start();
    CExtMenuControlBar* pBar = &frame->m_wndMenuBar;
    frame->FloatControlBar(pBar, CPoint(300, 300));
    frame->RecalcLayout();
    ASSERT_TRUE(PumpUntil([&] { return CExtControlBar::IsFloating(pBar) && pBar->IsWindowVisible(); }, kInputWaitMs));
    const HWND hFloat = pBar->GetParentFrame()->GetSafeHwnd();
    CEdit& text = view->m_wndText;
    text.SetWindowText(L"Halo dunia");
    ::SetForegroundWindow(frame->GetSafeHwnd());
    text.SetFocus();
    text.SetSel(0, 0);
    SettleInput();
    ASSERT_EQ(::GetActiveWindow(), frame->GetSafeHwnd());
    auto Tracking = [] { return CExtPopupMenuWnd::IsMenuTracking(); };
    ASSERT_TRUE(KeysThen(app, {{VK_MENU, false}, {'F', false}, {'F', true}, {VK_MENU, true}}, Tracking));
    EXPECT_TRUE(KeysThen(app, {{VK_ESCAPE, false}, {VK_ESCAPE, true}, {VK_ESCAPE, false}, {VK_ESCAPE, true}},
                         [&] { return !Tracking() && !pBar->IsFlatTracking(); }));
    EXPECT_EQ(::GetActiveWindow(), frame->GetSafeHwnd());
    EXPECT_NE(::GetActiveWindow(), hFloat);
    // The next keys reach the text box: Shift+End selects its line.
    int nStart = 0, nEnd = 0;
    EXPECT_TRUE(KeysThen(app, {{VK_SHIFT, false}, {VK_END, false}, {VK_END, true}, {VK_SHIFT, true}}, [&] {
        text.GetSel(nStart, nEnd);
        return nEnd > nStart;
    }));
    // Alt, then Down opens the first menu again.
    EXPECT_TRUE(KeysThen(app, {{VK_MENU, false}, {VK_MENU, true}}, [&] { return pBar->IsFlatTracking(); }));
    EXPECT_TRUE(KeysThen(app, {{VK_DOWN, false}, {VK_DOWN, true}}, Tracking));
    CExtPopupMenuWnd::CancelMenuTracking();
    PumpUntil([] { return false; }, 100);
}

TEST_F(MainFrameTest, TheFloatingMenuBarIsCaptionedWithItsName)
{
    Start();
    CExtMenuControlBar* pBar = &frame->m_wndMenuBar;
    frame->FloatControlBar(pBar, CPoint(300, 300));
    frame->RecalcLayout();
    ASSERT_TRUE(PumpUntil([&] { return CExtControlBar::IsFloating(pBar) && pBar->IsWindowVisible(); }, kInputWaitMs));
    // The text its caption paints, and the floating frame's title.
    CString caption, title;
    pBar->GetCaptionText(caption);
    pBar->GetParentFrame()->GetWindowText(title);
    EXPECT_STREQ(caption, L"Menu Bar");
    EXPECT_STREQ(title, L"Menu Bar");
}

// The menu bar floated by a double click on its gripper, docked back by one on its floating caption (real input),
// comes back in its own row above "Standard Toolbar", which keeps its place and width on the screen.
TEST_F(MainFrameTest, TheMenuBarDockedBackByDoubleClicksTakesItsOwnRowAgainAndCutsNoToolBar)
{
    Start();
    frame->ShowWindow(SW_SHOWNORMAL);
    frame->SetForegroundWindow();
    SettleInput();
    CExtMenuControlBar& menu = frame->m_wndMenuBar;
    CRect rcMenu, rcTools, rc;
    menu.GetWindowRect(&rcMenu);
    frame->m_wndToolBar.GetWindowRect(&rcTools);
    for (bool bFloats : {true, false})
        ASSERT_NO_FATAL_FAILURE(DoubleClickBar(menu, bFloats));
    menu.GetWindowRect(&rc);
    EXPECT_EQ(rc, rcMenu) << rc.left << "," << rc.top;
    frame->m_wndToolBar.GetWindowRect(&rc);
    EXPECT_EQ(rc, rcTools) << rc.left << "," << rc.top << ", " << rc.Width() << " px wide, was " << rcTools.Width();
    EXPECT_EQ(::WindowFromPoint(CPoint(rcTools.right - 2, rcTools.top + 2)), frame->m_wndToolBar.GetSafeHwnd());
}

// Its floating frame dragged into the view first, docking it on the way, the menu bar still docks back above
// "Standard Toolbar" (real input).
TEST_F(MainFrameTest, TheMenuBarWhoseFloatingFrameWasMovedDocksBackInItsOwnRow)
{
    Start();
    frame->ShowWindow(SW_SHOWNORMAL);
    frame->SetForegroundWindow();
    SettleInput();
    CRect rcMenu, rc;
    frame->m_wndMenuBar.GetWindowRect(&rcMenu);
    ASSERT_NO_FATAL_FAILURE(DoubleClickBar(frame->m_wndMenuBar, true));
    // Over "Corvane Toolbar", which docks the menu bar in that row for a while, then into the view.
    CRect rcView;
    view->GetWindowRect(&rcView);
    frame->m_wndCorvaneBar.GetWindowRect(&rc);
    ASSERT_NO_FATAL_FAILURE(DragFloatingFrame(frame->m_wndMenuBar, rc.CenterPoint(), rcView.CenterPoint()));
    ASSERT_NO_FATAL_FAILURE(DoubleClickBar(frame->m_wndMenuBar, false));
    frame->m_wndMenuBar.GetWindowRect(&rc);
    EXPECT_EQ(rc, rcMenu) << rc.left << "," << rc.top;
}

// The menu bar and both tool bars floated, their frames moved into the view and docked back in turn come back in
// their rows in their order.
TEST_F(MainFrameTest, BarsFloatedMovedAndDockedBackInTurnTakeTheirRowsInTheirOrder)
{
    Start();
    frame->ShowWindow(SW_SHOWNORMAL);
    SettleInput();
    CExtControlBar* bars[] = {&frame->m_wndMenuBar, &frame->m_wndToolBar, &frame->m_wndCorvaneBar};
    CRect rcWas[3], rc;
    view->GetWindowRect(&rc);
    for (int i = 0; i < 3; i++)
        bars[i]->GetWindowRect(&rcWas[i]);
    for (int i = 0; i < 3; i++)
    {
        bars[i]->ToggleDocking(); // as the gripper's double click
        const CPoint pt = rc.TopLeft() + CSize(100, 100 + 100 * i);
        ASSERT_NO_FATAL_FAILURE(DragFloatingFrame(*bars[i], pt, pt));
    }
    for (CExtControlBar* pBar : bars)
        pBar->ToggleDocking(); // as the floating caption's double click
    frame->RecalcLayout();
    for (int i = 0; i < 3; i++)
        EXPECT_EQ((bars[i]->GetWindowRect(&rc), rc), rcWas[i]) << bars[i]->GetDlgCtrlID() << " at " << rc.top;
}

// "Folders" closed from the bars menu: "SMS List", docked in the circle inside, moves into its place with its dock
// bar and shows there as a full repaint draws it.
TEST_F(MainFrameTest, ABarMovedIntoThePlaceOfANeighbourClosedFromTheBarsMenuIsRepaintedThere)
{
    Start();
    ASSERT_TRUE(frame->m_wndSmsListBar.DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 2, frame, true));
    frame->ShowWindow(SW_SHOWNORMAL);
    frame->SetForegroundWindow();
    SettleInput();
    frame->SendMessage(WM_COMMAND, CMainFrame::kIdFoldersBar);
    SettleInput();
    CRect rc;
    frame->m_wndSmsListBar.GetWindowRect(&rc);
    const std::vector<DWORD> before = GrabScreen(rc);
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SettleInput();
    EXPECT_EQ(CountDiffs(before, GrabScreen(rc)), 0) << "pixels unlike a full repaint in the SMS list at its new place";
}
