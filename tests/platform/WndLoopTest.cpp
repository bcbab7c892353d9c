// The message loop of the layer: pre-translation order, idle command-UI updates, the run loop,
// layout of child bars with WM_SIZEPARENT, and automatic tool tips.
#include "platform/Platform.h"
#include "support/PrintRect.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

LPCTSTR TestClass() { return AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1)); }

// Sets the visible bit without mapping the window on the X server (showing a top-level window
// under Xvfb costs seconds); IsWindowVisible then answers TRUE.
void SetVisibleBit(CWnd& wnd, bool bVisible)
{
    if (bVisible)
        wnd.ModifyStyle(0, WS_VISIBLE);
    else
        wnd.ModifyStyle(WS_VISIBLE, 0);
}

void DrainQueue()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message != WM_QUIT)
            ::DispatchMessageW(&msg);
    }
}

// Writes its name into a shared log when asked to pre-translate; optionally eats the message.
class CLoggingWnd : public CWnd
{
public:
    std::vector<std::wstring>* pLog = nullptr;
    std::wstring name;
    bool eat = false;
    int keyDowns = 0;
    int idleUpdates = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pLog != nullptr)
        {
            pLog->push_back(name);
            if (eat)
                return TRUE;
        }
        return CWnd::PreTranslateMessage(pMsg);
    }

protected:
    void OnKeyDown(UINT, UINT, UINT) { ++keyDowns; }
    LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM)
    {
        ++idleUpdates;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CLoggingWnd, CWnd)
ON_WM_KEYDOWN()
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

const UINT g_nMsgThreadRegistered = ::RegisterWindowMessageW(L"CorvaneWindowTest::g_nMsgThreadRegistered");

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp(L"CorvaneWindowTest") {}
    WPARAM threadMsgParam = 0;
    LPARAM registeredThreadParam = 0;
    void OnThreadMsg(WPARAM wParam, LPARAM) { threadMsgParam = wParam; }
    void OnRegisteredThreadMsg(WPARAM, LPARAM lParam) { registeredThreadParam = lParam; }
    int idleCalls = 0;
    int quitOnIdleCode = -1;
    BOOL OnIdle(LONG lCount) override
    {
        ++idleCalls;
        BOOL bMore = CWinApp::OnIdle(lCount);
        if (!bMore && quitOnIdleCode >= 0)
            ::PostQuitMessage(quitOnIdleCode);
        return bMore;
    }
    // Pumps until a message of the kind has been pumped (or the queue runs dry).
    bool PumpUntil(UINT message)
    {
        for (int i = 0; i < 200; i++)
        {
            MSG peek;
            if (!::PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE))
                return false;
            if (!PumpMessage())
                return false;
            if (m_msgCur.message == message)
                return true;
        }
        return false;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_THREAD_MESSAGE(WM_APP + 50, OnThreadMsg)
ON_REGISTERED_THREAD_MESSAGE(g_nMsgThreadRegistered, OnRegisteredThreadMsg)
END_MESSAGE_MAP()

struct Family
{
    std::vector<std::wstring> log;
    CLoggingWnd top, middle, inner;
    HWND hPlain = nullptr;

    Family()
    {
        top.pLog = middle.pLog = inner.pLog = &log;
        top.name = L"top";
        middle.name = L"middle";
        inner.name = L"inner";
        EXPECT_TRUE(top.CreateEx(0, TestClass(), L"top", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr));
        SetVisibleBit(top, true);
        EXPECT_TRUE(middle.Create(TestClass(), L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 150), &top, 10));
        EXPECT_TRUE(inner.Create(TestClass(), L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &middle, 11));
        hPlain = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 110, 50, 20, middle.m_hWnd, (HMENU)12,
                                   nullptr, nullptr);
    }
    ~Family()
    {
        top.DestroyWindow();
        DrainQueue();
    }
};

} // namespace

TEST(WindowLoop, PreTranslationWalksFromTheTargetUpToTheMainWindowAndStopsWhereEaten)
{
    CTestApp app;
    Family f;
    app.m_pMainWnd = &f.top;

    DrainQueue();
    ::PostMessageW(f.inner.m_hWnd, WM_KEYDOWN, 'A', 0);
    ASSERT_TRUE(app.PumpUntil(WM_KEYDOWN));
    EXPECT_EQ(f.log, (std::vector<std::wstring>{L"inner", L"middle", L"top"}));
    EXPECT_EQ(f.inner.keyDowns, 1);

    f.log.clear();
    f.middle.eat = true;
    ::PostMessageW(f.inner.m_hWnd, WM_KEYDOWN, 'B', 0);
    ASSERT_TRUE(app.PumpUntil(WM_KEYDOWN));
    EXPECT_EQ(f.log, (std::vector<std::wstring>{L"inner", L"middle"}));
    EXPECT_EQ(f.inner.keyDowns, 1); // eaten: never dispatched

    // The walk stops at the given window.
    f.log.clear();
    f.middle.eat = false;
    MSG msg = {f.inner.m_hWnd, WM_KEYDOWN, 'C', 0};
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(f.middle.m_hWnd, &msg));
    EXPECT_EQ(f.log, (std::vector<std::wstring>{L"inner", L"middle"}));

    // Thread messages (no window) go through the thread object's message map.
    ::PostThreadMessageW(::GetCurrentThreadId(), WM_APP + 50, 1234, 0);
    ASSERT_TRUE(app.PumpUntil(WM_APP + 50));
    EXPECT_EQ(app.threadMsgParam, (WPARAM)1234);
    ::PostThreadMessageW(::GetCurrentThreadId(), g_nMsgThreadRegistered, 0, (LPARAM)0x1122334455LL);
    ASSERT_TRUE(app.PumpUntil(g_nMsgThreadRegistered));
    EXPECT_EQ(app.registeredThreadParam, (LPARAM)0x1122334455LL);

    // WM_QUIT ends the pump.
    DrainQueue();
    ::PostQuitMessage(3);
    EXPECT_FALSE(app.PumpMessage());
    EXPECT_EQ(AfxGetCurrentMessage()->wParam, (WPARAM)3);
    app.m_pMainWnd = nullptr;
}

TEST(WindowLoop, IdleTimeUpdatesTheMainWindowAndItsDescendantsAndFreesTemporaryObjects)
{
    CTestApp app;
    Family f;
    app.m_pMainWnd = &f.top;
    EXPECT_EQ(AfxGetMainWnd(), &f.top);

    EXPECT_TRUE(app.OnIdle(0));
    EXPECT_EQ(f.top.idleUpdates, 1);
    EXPECT_EQ(f.middle.idleUpdates, 1);
    EXPECT_EQ(f.inner.idleUpdates, 1);

    // Temporary wrappers live until the second idle pass.
    CWnd* pTemp = CWnd::FromHandle(f.hPlain);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(CWnd::FromHandle(f.hPlain), pTemp);
    CDC* pTempDC = CDC::FromHandle(::GetDC(f.hPlain));
    ::ReleaseDC(f.hPlain, pTempDC->m_hDC);
    EXPECT_GE(AfxGetThreadState()->m_pmapHWND->TemporaryCount(), 1u);
    EXPECT_FALSE(app.OnIdle(1));
    EXPECT_EQ(AfxGetThreadState()->m_pmapHWND->TemporaryCount(), 0u);
    EXPECT_EQ(AfxGetThreadState()->m_pmapHDC->TemporaryCount(), 0u);

    // A hidden main window gets no updates.
    SetVisibleBit(f.top, false);
    app.OnIdle(0);
    EXPECT_EQ(f.inner.idleUpdates, 1);
    SetVisibleBit(f.top, true);

    // The run loop: idle work happens when the queue is empty, WM_QUIT ends it with its code,
    // and repeated mouse moves at one spot do not restart idle processing.
    MSG move = {f.top.m_hWnd, WM_MOUSEMOVE, 0, 0, 0, {5, 5}};
    EXPECT_TRUE(app.IsIdleMessage(&move));
    EXPECT_FALSE(app.IsIdleMessage(&move));
    MSG paint = {f.top.m_hWnd, WM_PAINT};
    EXPECT_FALSE(app.IsIdleMessage(&paint));

    f.top.PostMessage(WM_NULL);
    app.quitOnIdleCode = 9;
    int before = f.inner.idleUpdates;
    EXPECT_EQ(app.Run(), 9);
    EXPECT_GT(f.inner.idleUpdates, before);
    EXPECT_GT(app.idleCalls, 0);
    app.m_pMainWnd = nullptr;
}

TEST(WindowLoop, DestroyingTheMainWindowEndsTheRunLoop)
{
    CTestApp app;
    CWnd* pMain = new CWnd;
    ASSERT_TRUE(pMain->CreateEx(0, TestClass(), L"main", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    app.m_pMainWnd = pMain;
    pMain->PostMessage(WM_CLOSE); // the default procedure destroys the window
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(pMain->m_hWnd, nullptr);
    delete pMain;
}

namespace
{
const UINT ID_BAR_TOP = 0xE800;
const UINT ID_BAR_LEFT = 0xE801;
const UINT ID_VIEW = 0xE900;

// A bar docked at the top (height 20) or the left (width 30): it takes its part of the free
// rectangle; without stretching it is only as long as it needs (60 pixels).
class CTestBar : public CWnd
{
public:
    bool bTop = true;
    int sizeParentCalls = 0;
    BOOL lastStretch = -1;

protected:
    LRESULT OnSizeParent(WPARAM, LPARAM lParam)
    {
        AFX_SIZEPARENTPARAMS* p = (AFX_SIZEPARENTPARAMS*)lParam;
        ++sizeParentCalls;
        lastStretch = p->bStretch;
        CRect rect = p->rect;
        if (bTop)
        {
            rect.bottom = rect.top + 20;
            if (!p->bStretch)
                rect.right = rect.left + 60;
            p->rect.top += 20;
            p->sizeTotal.cy += 20;
            p->sizeTotal.cx = std::max<LONG>(p->sizeTotal.cx, rect.Width());
        }
        else
        {
            rect.right = rect.left + 30;
            if (!p->bStretch)
                rect.bottom = rect.top + 60;
            p->rect.left += 30;
            p->sizeTotal.cx += 30;
            p->sizeTotal.cy = std::max<LONG>(p->sizeTotal.cy, rect.Height());
        }
        AfxRepositionWindow(p, m_hWnd, &rect);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CRect ChildRect(CWnd& parent, HWND hChild)
{
    CRect r;
    ::GetWindowRect(hChild, &r);
    parent.ScreenToClient(&r);
    return r;
}
} // namespace

TEST(WindowLayout, RepositionBarsLetsEachBarTakeItsPartAndGivesTheRestToTheLeftOverWindow)
{
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, TestClass(), L"frame", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
    CRect client;
    frame.GetClientRect(&client);
    CTestBar top, left;
    left.bTop = false;
    ASSERT_TRUE(top.Create(TestClass(), L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), &frame, ID_BAR_TOP));
    ASSERT_TRUE(left.Create(TestClass(), L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), &frame, ID_BAR_LEFT));
    CWnd view;
    ASSERT_TRUE(view.Create(TestClass(), L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), &frame, ID_VIEW));
    // A bar id without an object of its own is left alone.
    HWND hForeign = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 5, 5, 7, 7, frame.m_hWnd, (HMENU)(UINT_PTR)0xE802,
                                      nullptr, nullptr);

    // Query mode moves nothing and answers the free rectangle (stretch) or the bars' total size.
    CRect query;
    frame.RepositionBars(0xE800, 0xE8FF, ID_VIEW, reposQuery, &query, nullptr, TRUE);
    EXPECT_EQ(query, CRect(30, 20, client.right, client.bottom));
    EXPECT_EQ(ChildRect(frame, view.m_hWnd), CRect(0, 0, 1, 1));
    frame.RepositionBars(0xE800, 0xE8FF, ID_VIEW, reposQuery, &query, nullptr, FALSE);
    EXPECT_EQ(query, CRect(0, 0, 60 + 30, 60)); // widths add up along the top, heights are the tallest
    EXPECT_EQ(top.lastStretch, FALSE);

    // Stretched layout.
    frame.RepositionBars(0xE800, 0xE8FF, ID_VIEW);
    EXPECT_EQ(ChildRect(frame, top.m_hWnd), CRect(0, 0, client.right, 20));
    EXPECT_EQ(ChildRect(frame, left.m_hWnd), CRect(0, 20, 30, client.bottom));
    EXPECT_EQ(ChildRect(frame, view.m_hWnd), CRect(30, 20, client.right, client.bottom));
    EXPECT_EQ(ChildRect(frame, hForeign), CRect(5, 5, 12, 12));

    // Without stretching the bars keep their own length; extra borders shrink the left-over window.
    CRect borders(1, 2, 3, 4);
    frame.RepositionBars(0xE800, 0xE8FF, ID_VIEW, reposExtra, &borders, nullptr, FALSE);
    EXPECT_EQ(ChildRect(frame, top.m_hWnd), CRect(0, 0, 60, 20));
    EXPECT_EQ(ChildRect(frame, left.m_hWnd), CRect(0, 20, 30, 80));
    EXPECT_EQ(ChildRect(frame, view.m_hWnd), CRect(31, 22, client.right - 3, client.bottom - 4));

    // An explicit client rectangle replaces the window's.
    CRect inner(10, 10, 210, 110);
    frame.RepositionBars(0xE800, 0xE8FF, ID_VIEW, reposDefault, nullptr, &inner);
    EXPECT_EQ(ChildRect(frame, view.m_hWnd), CRect(40, 30, 210, 110));
    frame.DestroyWindow();
}

namespace
{
const int IDC_TIPPED = 77;

// Tool hits: the left half of the client area is tool 5 with a heap text; child controls use the
// default hit test (their id, text by TTN_NEEDTEXT).
class CTipWnd : public CWnd
{
public:
    int needTextCalls = 0;
    bool useDefaultHitTest = false;

    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override
    {
        if (useDefaultHitTest)
            return CWnd::OnToolHitTest(point, pTI);
        CRect rc;
        GetClientRect(&rc);
        if (point.x >= rc.Width() / 2)
            return -1;
        pTI->hwnd = m_hWnd;
        pTI->uId = 5;
        pTI->rect = CRect(0, 0, rc.Width() / 2, rc.Height());
        pTI->lpszText = AfxAllocToolTipText(L"Kirim pesan");
        return 5;
    }

protected:
    BOOL OnNeedText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
    {
        ++needTextCalls;
        NMTTDISPINFOW* pInfo = (NMTTDISPINFOW*)pNMHDR;
        UINT nID = (UINT)::GetDlgCtrlID((HWND)pNMHDR->idFrom);
        wsprintfW(pInfo->szText, L"Kontrol %u", nID);
        *pResult = 0;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTipWnd, CWnd)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnNeedText)
END_MESSAGE_MAP()

std::vector<std::pair<UINT_PTR, std::wstring>> Tools(HWND hTip)
{
    std::vector<std::pair<UINT_PTR, std::wstring>> tools;
    int n = (int)::SendMessageW(hTip, TTM_GETTOOLCOUNT, 0, 0);
    for (int i = 0; i < n; i++)
    {
        wchar_t text[128] = {};
        TOOLINFOW ti = {};
        ti.cbSize = TTTOOLINFOW_V2_SIZE;
        ti.lpszText = text;
        if (::SendMessageW(hTip, TTM_ENUMTOOLSW, i, (LPARAM)&ti))
            tools.emplace_back(ti.uId, ti.lpszText == LPSTR_TEXTCALLBACKW ? L"<callback>" : text);
    }
    return tools;
}

void MouseMoveThroughPreTranslate(CWnd& wnd, CPoint client)
{
    CPoint screen = client;
    wnd.ClientToScreen(&screen);
    MSG msg = {wnd.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y), ::GetTickCount(), screen};
    CWnd::WalkPreTranslateTree(wnd.m_hWnd, &msg);
}
} // namespace

TEST(WindowToolTips, HitTestsRegisterOneToolAtATimeWithTheirTexts)
{
    CTipWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, TestClass(), L"tips", WS_POPUP, 50, 50, 200, 100, nullptr, nullptr));
    SetVisibleBit(wnd, true);

    // Without EnableToolTips nothing happens.
    MouseMoveThroughPreTranslate(wnd, CPoint(10, 10));
    EXPECT_EQ(CWnd::GetToolTipWindow(), nullptr);

    wnd.EnableToolTips(TRUE);
    MouseMoveThroughPreTranslate(wnd, CPoint(10, 10));
    HWND hTip = CWnd::GetToolTipWindow();
    ASSERT_NE(hTip, nullptr);
    EXPECT_EQ(::GetWindow(hTip, GW_OWNER), wnd.m_hWnd);
    auto tools = Tools(hTip);
    // the window's own "dead area" tool and the hit tool with its text
    ASSERT_EQ(tools.size(), 2u);
    EXPECT_EQ(tools[1].first, (UINT_PTR)5);
    EXPECT_EQ(tools[1].second, L"Kirim pesan");

    // Moving within the same tool changes nothing; leaving it removes the tool.
    MouseMoveThroughPreTranslate(wnd, CPoint(20, 30));
    EXPECT_EQ(Tools(hTip).size(), 2u);
    MouseMoveThroughPreTranslate(wnd, CPoint(150, 30));
    EXPECT_EQ(Tools(hTip).size(), 1u);

    // Child controls: the default hit test registers the control with a text callback, and the
    // tip's TTN_NEEDTEXT reaches the window's notify handler.
    HWND hChild = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 120, 10, 40, 40, wnd.m_hWnd,
                                    (HMENU)(UINT_PTR)IDC_TIPPED, nullptr, nullptr);
    wnd.useDefaultHitTest = true;
    MouseMoveThroughPreTranslate(wnd, CPoint(130, 20));
    tools = Tools(hTip);
    ASSERT_EQ(tools.size(), 2u);
    EXPECT_EQ(tools[1].first, (UINT_PTR)hChild);
    EXPECT_EQ(tools[1].second, L"<callback>");
    wchar_t text[80] = {};
    TOOLINFOW ti = {};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = wnd.m_hWnd;
    ti.uId = (UINT_PTR)hChild;
    ti.uFlags = TTF_IDISHWND;
    ti.lpszText = text;
    ::SendMessageW(hTip, TTM_GETTEXTW, 80, (LPARAM)&ti);
    EXPECT_EQ(wnd.needTextCalls, 1);
    EXPECT_STREQ(text, L"Kontrol 77");

    // Switching tool tips off drops the current tool.
    wnd.EnableToolTips(FALSE);
    EXPECT_EQ(Tools(hTip).size(), 1u);
    CWnd::CancelToolTips();

    // The shared tip window goes with its owner.
    wnd.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hTip));
    EXPECT_EQ(CWnd::GetToolTipWindow(), nullptr);
    CWnd::DeleteTempMap();
}

namespace
{
int g_nPaints = 0;
int g_nApps = 0;
LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
    {
        ++g_nPaints;
        ::ValidateRect(hWnd, nullptr);
        return 0;
    }
    if (message == WM_APP)
        ++g_nApps;
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}
} // namespace

TEST(WindowLoop, PumpingAPeekedPaintLeavesAMessageThatCameSinceForTheLoop)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CorvaneTestPeekedPaint";
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ASSERT_NE(hWnd, nullptr);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
    g_nPaints = g_nApps = 0;
    // A loop looks at the queue and finds a paint; before it takes it, a message that outranks paints comes
    // (as a button's release does).
    ::InvalidateRect(hWnd, nullptr, FALSE);
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_EQ(msg.message, (UINT)WM_PAINT);
    ::PostMessageW(hWnd, WM_APP, 0, 0);
    EXPECT_TRUE(AfxPumpPeekedMessage(msg));
    EXPECT_EQ(g_nPaints, 1);
    EXPECT_EQ(g_nApps, 0);
    // The newcomer is still there for the loop to see.
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_APP);
    ::DestroyWindow(hWnd);
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
}
