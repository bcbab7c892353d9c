// Window families (parents, owners, descendants, frames), the modal loop, threads and the
// application's recent-file list and command line.
#include "platform/Platform.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <thread>
#include <vector>

namespace
{

LPCTSTR TestClass() { return AfxRegisterWndClass(0); }

class CFrameLikeWnd : public CWnd
{
public:
    BOOL IsFrameWnd() const override { return TRUE; }
};

std::vector<HWND> g_pinged; // the windows pinged, in order

// The layer's windows below hWnd in the order of a walk of the window tree.
void WalkLayerWindows(HWND hWnd, std::vector<HWND>& order)
{
    for (HWND h = ::GetTopWindow(hWnd); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        if (CWnd::FromHandlePermanent(h) != nullptr)
            order.push_back(h);
        WalkLayerWindows(h, order);
    }
}

class CCountingWnd : public CWnd
{
public:
    int pings = 0;
    int kickIdles = 0;
    int enterIdles = 0;
    int topLevelActivations = 0;
    LPARAM endAtKick = -1; // idle round that ends the modal loop
    int endResult = 0;

protected:
    LRESULT OnPing(WPARAM, LPARAM)
    {
        g_pinged.push_back(m_hWnd);
        ++pings;
        return 0;
    }
    LRESULT OnKickIdle(WPARAM, LPARAM lCount)
    {
        ++kickIdles;
        if (lCount == endAtKick)
            PostMessage(WM_APP + 2, (WPARAM)endResult);
        return lCount < 2; // up to three idle rounds, then wait
    }
    LRESULT OnEnd(WPARAM wParam, LPARAM)
    {
        EndModalLoop((int)wParam);
        return 0;
    }
    void OnEnterIdle(UINT, CWnd*) { ++enterIdles; }
    void OnActivate(UINT, CWnd*, BOOL) {} // no focus change from the default handling
    LRESULT OnActivateTopLevel(WPARAM, LPARAM lParam)
    {
        ++topLevelActivations;
        EXPECT_EQ(((HWND*)lParam)[0], m_hWnd);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCountingWnd, CWnd)
ON_MESSAGE(WM_APP + 1, OnPing)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
ON_MESSAGE(WM_APP + 2, OnEnd)
ON_WM_ENTERIDLE()
ON_MESSAGE(WM_ACTIVATETOPLEVEL, OnActivateTopLevel)
ON_WM_ACTIVATE()
END_MESSAGE_MAP()

} // namespace

TEST(WindowFamily, ParentsOwnersFramesAndDescendants)
{
    CFrameLikeWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, TestClass(), L"frame", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr));
    CFrameLikeWnd innerFrame;
    ASSERT_TRUE(innerFrame.Create(TestClass(), L"", WS_CHILD, CRect(0, 0, 200, 150), &frame, 100));
    CCountingWnd pane, deep;
    ASSERT_TRUE(pane.Create(TestClass(), L"", WS_CHILD, CRect(0, 0, 100, 100), &innerFrame, 200));
    ASSERT_TRUE(deep.Create(TestClass(), L"", WS_CHILD, CRect(0, 0, 50, 50), &pane, 300));
    HWND hPlain =
        ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, pane.m_hWnd, (HMENU)(UINT_PTR)301, nullptr, nullptr);
    // A popup owned by the frame.
    CCountingWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, TestClass(), L"popup", WS_POPUP, 0, 0, 10, 10, frame.m_hWnd, nullptr));

    EXPECT_EQ((CWnd*)deep.GetParentFrame(), (CWnd*)&innerFrame);
    EXPECT_EQ((CWnd*)innerFrame.GetParentFrame(), (CWnd*)&frame);
    EXPECT_EQ((CWnd*)deep.GetTopLevelFrame(), (CWnd*)&frame);
    EXPECT_EQ(frame.GetParentFrame(), nullptr);
    EXPECT_EQ(deep.GetTopLevelParent(), &frame);
    EXPECT_EQ(popup.GetTopLevelParent(), &frame); // through the owner
    EXPECT_EQ(deep.GetParentOwner(), &frame);
    EXPECT_EQ(deep.GetOwner(), &pane);
    deep.SetOwner(&frame);
    EXPECT_EQ(deep.GetOwner(), &frame);
    // Owner of a modal window: never a child; the top level is disabled only when it differs.
    EXPECT_EQ(CWnd::GetSafeOwner(&deep), &frame);
    HWND hTop = reinterpret_cast<HWND>(1);
    EXPECT_EQ(CWnd::GetSafeOwner(&deep, &hTop), &frame);
    EXPECT_EQ(hTop, nullptr);
    EXPECT_TRUE(frame.IsWindowEnabled());
    CWnd* pNull = nullptr;
    EXPECT_EQ(pNull->GetSafeHwnd(), nullptr);
    EXPECT_FALSE(pNull->IsWindow());

    // Descendants: found at any depth; only permanent objects when asked.
    EXPECT_EQ(frame.GetDescendantWindow(300), &deep);
    EXPECT_EQ(frame.GetDescendantWindow(301)->m_hWnd, hPlain);
    EXPECT_EQ(frame.GetDescendantWindow(301, TRUE), nullptr);
    EXPECT_EQ(frame.GetDescendantWindow(999), nullptr);

    // Messages to descendants: deep or only to the children.
    frame.SendMessageToDescendants(WM_APP + 1, 0, 0, FALSE);
    EXPECT_EQ(pane.pings, 0);
    frame.SendMessageToDescendants(WM_APP + 1, 0, 0, TRUE, TRUE);
    EXPECT_EQ(pane.pings, 1);
    EXPECT_EQ(deep.pings, 1);
    EXPECT_EQ(popup.pings, 0); // owned windows are not descendants
    // In the order of the tree: a window before its children, siblings top of the window order first, through
    // windows without an object; the same to the windows whose maps handle the message.
    CCountingWnd pane2, underPlain;
    ASSERT_TRUE(pane2.Create(TestClass(), L"", WS_CHILD, CRect(0, 0, 10, 10), &innerFrame, 201));
    ASSERT_TRUE(underPlain.Create(TestClass(), L"", WS_CHILD, CRect(0, 0, 2, 2), CWnd::FromHandle(hPlain), 302));
    ::SetWindowPos(pane2.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    std::vector<HWND> expected;
    WalkLayerWindows(frame.m_hWnd, expected);
    expected.erase(std::remove(expected.begin(), expected.end(), innerFrame.m_hWnd), expected.end());
    ASSERT_EQ(expected.size(), 4u);
    for (bool bHandlers : {false, true})
    {
        g_pinged.clear();
        if (bHandlers)
            frame.SendMessageToDescendantHandlers(WM_APP + 1);
        else
            frame.SendMessageToDescendants(WM_APP + 1, 0, 0, TRUE, TRUE);
        EXPECT_EQ(g_pinged, expected) << bHandlers;
    }

    // Activation from another top-level window is told as WM_ACTIVATETOPLEVEL; between a popup
    // and its owner's family it is not.
    popup.SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(popup.topLevelActivations, 0); // the popup's top level is the frame
    CCountingWnd other;
    ASSERT_TRUE(other.CreateEx(0, TestClass(), L"other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    other.SendMessage(WM_ACTIVATE, WA_ACTIVE, (LPARAM)popup.m_hWnd);
    EXPECT_EQ(other.topLevelActivations, 1);
    other.SendMessage(WM_ACTIVATE, WA_INACTIVE, (LPARAM)other.m_hWnd);
    EXPECT_EQ(other.topLevelActivations, 1);
    other.DestroyWindow();

    popup.DestroyWindow();
    frame.DestroyWindow();
    CWnd::DeleteTempMap();
}

TEST(WindowFamily, ModalLoopRunsIdleRoundsAndEndsWithTheGivenResult)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, TestClass(), L"owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    CCountingWnd dlg;
    ASSERT_TRUE(dlg.Create(TestClass(), L"", WS_CHILD, CRect(0, 0, 10, 10), &owner, 1));
    // The parent hears WM_ENTERIDLE once per idle phase; a subclass of the owner counts it.
    CCountingWnd ownerProbe;
    ASSERT_TRUE(ownerProbe.SubclassWindow(owner.Detach()));

    dlg.PostMessage(WM_APP + 1);
    dlg.endAtKick = 1;
    dlg.endResult = 5;
    int result = dlg.RunModalLoop();
    EXPECT_EQ(result, 5);
    EXPECT_EQ(dlg.pings, 1);
    EXPECT_EQ(dlg.kickIdles, 2);
    EXPECT_EQ(ownerProbe.enterIdles, 1);
    EXPECT_FALSE(dlg.m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL));

    // Without idle messages: neither WM_KICKIDLE nor WM_ENTERIDLE.
    dlg.PostMessage(WM_APP + 2, 9);
    EXPECT_EQ(dlg.RunModalLoop(MLF_NOKICKIDLE | MLF_NOIDLEMSG), 9);
    EXPECT_EQ(dlg.kickIdles, 2);
    EXPECT_EQ(ownerProbe.enterIdles, 1);

    // WM_QUIT ends the loop and is posted again for the outer loop.
    ::PostQuitMessage(4);
    EXPECT_EQ(dlg.RunModalLoop(MLF_NOKICKIDLE), -1);
    MSG msg;
    bool sawQuit = false;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        sawQuit = sawQuit || msg.message == WM_QUIT;
    EXPECT_TRUE(sawQuit);
    ownerProbe.DestroyWindow();
}

TEST(WindowFamily, WorkerThreadsReachTheMainWindowButNotTheGuiThreadsObject)
{
    CWinApp app(L"CorvaneWindowThreadTest");
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, TestClass(), L"main", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    app.m_pMainWnd = &main;
    EXPECT_EQ(AfxGetThread(), &app);

    CWinThread* pWorkerThread = &app;
    CWnd* pWorkerMain = nullptr;
    HWND hTempOnWorker = nullptr;
    std::thread worker([&] {
        pWorkerThread = AfxGetThread();
        pWorkerMain = AfxGetMainWnd();
        // Wrappers made on the worker live in the worker's own maps.
        hTempOnWorker = CWnd::FromHandle(main.m_hWnd)->m_hWnd;
        AfxDeleteTempMaps();
    });
    worker.join();
    EXPECT_EQ(pWorkerThread, nullptr);
    EXPECT_EQ(pWorkerMain, &main);
    EXPECT_EQ(hTempOnWorker, main.m_hWnd);
    EXPECT_EQ(CWnd::FromHandle(main.m_hWnd), &main);

    app.m_pMainWnd = nullptr;
    main.DestroyWindow();
}

namespace
{
const UINT kMruFirst = 0xE110;

struct RegistryCleanup
{
    ~RegistryCleanup() { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\CorvaneWindowTests"); }
};
} // namespace

TEST(WindowApplication, RecentFileListKeepsFourNewestFirstAcrossRunsAndFillsTheMenu)
{
    RegistryCleanup cleanup;
    wchar_t cwd[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, cwd);
    CString dir = cwd;
    if (dir.Right(1) != L"\\")
        dir += L"\\";
    {
        CWinApp app(L"MruTest");
        app.SetRegistryKey(L"CorvaneWindowTests");
        app.LoadStdProfileSettings(4);
        ASSERT_NE(app.m_pRecentFileList, nullptr);
        EXPECT_EQ(app.m_pRecentFileList->GetSize(), 4);
        app.AddToRecentFileList(L"C:\\data\\a.dat");
        app.AddToRecentFileList(L"C:\\data\\b.dat");
        app.AddToRecentFileList(L"C:\\data\\c.dat");
        app.AddToRecentFileList(dir + L"local.dat");
        app.AddToRecentFileList(L"C:\\data\\A.DAT"); // again (any case): moves to the top
        app.AddToRecentFileList(L"C:\\data\\e & f.dat");
        CRecentFileList& mru = *app.m_pRecentFileList;
        EXPECT_STREQ(mru[0], L"C:\\data\\e & f.dat");
        EXPECT_STREQ(mru[1], L"C:\\data\\A.DAT");
        EXPECT_STREQ(mru[2], dir + L"local.dat");
        EXPECT_STREQ(mru[3], L"C:\\data\\c.dat");
        app.ExitInstance(); // writes the list
    }
    {
        CWinApp app(L"MruTest");
        app.SetRegistryKey(L"CorvaneWindowTests");
        app.LoadStdProfileSettings(4);
        CRecentFileList& mru = *app.m_pRecentFileList;
        EXPECT_STREQ(mru[0], L"C:\\data\\e & f.dat");
        EXPECT_STREQ(mru[3], L"C:\\data\\c.dat");

        // Display names: relative to the current directory, abbreviated, '&' doubled in menus.
        CString name;
        ASSERT_TRUE(mru.GetDisplayName(name, 2, dir, dir.GetLength()));
        EXPECT_STREQ(name, L"local.dat");

        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        menu.AppendMenu(MF_STRING, 0xE100, L"&Baru");
        menu.AppendMenu(MF_STRING, kMruFirst, L"Berkas terakhir");
        menu.AppendMenu(MF_STRING, 0xE141, L"&Keluar");
        CCmdUI state;
        state.m_pMenu = &menu;
        state.m_nIndex = 1;
        state.m_nIndexMax = menu.GetMenuItemCount();
        state.m_nID = kMruFirst;
        mru.UpdateMenu(&state);
        ASSERT_EQ(menu.GetMenuItemCount(), 6u);
        CString text;
        menu.GetMenuString(1, text, MF_BYPOSITION);
        EXPECT_STREQ(text, L"&1 C:\\data\\e && f.dat");
        menu.GetMenuString(3, text, MF_BYPOSITION);
        EXPECT_STREQ(text, L"&3 local.dat");
        EXPECT_EQ(menu.GetMenuItemID(4), kMruFirst + 3);
        menu.GetMenuString(5, text, MF_BYPOSITION);
        EXPECT_STREQ(text, L"&Keluar");

        // An empty list shows the original text, disabled.
        for (int i = 0; i < 4; i++)
            mru.Remove(0);
        CMenu menu2;
        ASSERT_TRUE(menu2.CreatePopupMenu());
        menu2.AppendMenu(MF_STRING, kMruFirst, L"Berkas terakhir");
        CCmdUI state2;
        state2.m_pMenu = &menu2;
        state2.m_nIndex = 0;
        state2.m_nIndexMax = 1;
        state2.m_nID = kMruFirst;
        mru.m_strOriginal.Empty();
        mru.UpdateMenu(&state2);
        EXPECT_TRUE(menu2.GetMenuState(0, MF_BYPOSITION) & MF_GRAYED);
        app.ExitInstance();
    }
    {
        CWinApp app(L"MruTest");
        app.SetRegistryKey(L"CorvaneWindowTests");
        app.LoadStdProfileSettings(4);
        EXPECT_TRUE((*app.m_pRecentFileList)[0].IsEmpty()); // the emptied list was saved
    }
    CMenu::DeleteTempMap();
}

TEST(WindowApplication, CommandLineArgumentsBecomeTheShellCommand)
{
    auto parse = [](std::initializer_list<const wchar_t*> args) {
        CCommandLineInfo info;
        size_t n = args.size(), i = 0;
        for (const wchar_t* a : args)
        {
            ++i;
            bool flag = a[0] == L'/' || a[0] == L'-';
            info.ParseParam(flag ? a + 1 : a, flag, i == n);
        }
        return info;
    };
    CCommandLineInfo none;
    EXPECT_EQ(none.m_nShellCommand, CCommandLineInfo::FileNew);
    CCommandLineInfo open = parse({L"C:\\x\\CorvaneSms.dat"});
    EXPECT_EQ(open.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_STREQ(open.m_strFileName, L"C:\\x\\CorvaneSms.dat");
    CCommandLineInfo print = parse({L"/p", L"a.dat"});
    EXPECT_EQ(print.m_nShellCommand, CCommandLineInfo::FilePrint);
    CCommandLineInfo printTo = parse({L"/pt", L"a.dat", L"Printer", L"Driver", L"Port"});
    EXPECT_EQ(printTo.m_nShellCommand, CCommandLineInfo::FilePrintTo);
    EXPECT_STREQ(printTo.m_strPortName, L"Port");
    CCommandLineInfo embedded = parse({L"-Embedding"});
    EXPECT_TRUE(embedded.m_bRunEmbedded);
    EXPECT_FALSE(embedded.m_bShowSplash);
    EXPECT_EQ(embedded.m_nShellCommand, CCommandLineInfo::FileNew);
}

namespace
{
class CStartApp : public CWinApp
{
public:
    CStartApp() : CWinApp(L"CorvaneStartTest") {}
    std::vector<std::string> calls;
    bool succeed = true;
    CWnd mainWnd;

    BOOL InitApplication() override
    {
        calls.push_back("InitApplication");
        return CWinApp::InitApplication();
    }
    BOOL InitInstance() override
    {
        calls.push_back("InitInstance");
        if (!mainWnd.CreateEx(0, AfxRegisterWndClass(0), L"main", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr))
            return FALSE;
        m_pMainWnd = &mainWnd;
        if (succeed)
            mainWnd.PostMessage(WM_CLOSE); // the user closes the main window at once
        return succeed;
    }
    int ExitInstance() override
    {
        calls.push_back("ExitInstance");
        return CWinApp::ExitInstance() + 100;
    }
};
} // namespace

TEST(WindowApplication, WinMainRunsTheApplicationUntilItsMainWindowCloses)
{
    {
        CStartApp app;
        wchar_t cmdLine[] = L"berkas.dat";
        int code = AfxWinMain(::GetModuleHandleW(nullptr), nullptr, cmdLine, SW_SHOWMINNOACTIVE);
        EXPECT_EQ(code, 100);
        EXPECT_EQ(app.calls, (std::vector<std::string>{"InitApplication", "InitInstance", "ExitInstance"}));
        EXPECT_STREQ(app.m_lpCmdLine, L"berkas.dat");
        EXPECT_EQ(app.m_nCmdShow, SW_SHOWMINNOACTIVE);
        EXPECT_EQ(app.m_pMainWnd, nullptr);
        EXPECT_EQ(app.mainWnd.m_hWnd, nullptr);
    }
    {
        // A failed start destroys the main window and exits without running the loop.
        CStartApp app;
        app.succeed = false;
        wchar_t cmdLine[] = L"";
        EXPECT_EQ(AfxWinMain(::GetModuleHandleW(nullptr), nullptr, cmdLine, SW_SHOW), 100);
        EXPECT_EQ(app.calls, (std::vector<std::string>{"InitApplication", "InitInstance", "ExitInstance"}));
        EXPECT_EQ(app.mainWnd.m_hWnd, nullptr);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {}
    }
}
