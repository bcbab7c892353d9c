// Hook sinks on real windows: attaching, chain order, handled and passed-on messages, changed
// parameters, the WM_NCDESTROY teardown, platform-subclassed windows, and sinks that detach
// sinks, destroy the window or are deleted while attached.
#include <gtest/gtest.h>
#include "FoundationTestSupport.h"
#include "toolkit/foundation/ExtHookSink.h"
#include <functional>
#include <string>

namespace
{
const UINT WM_TEST_A = WM_APP + 11;
const UINT WM_TEST_B = WM_APP + 12;

class CTestSink : public CExtHookSink
{
public:
    explicit CTestSink(std::string name = "", std::vector<std::string>* pLog = nullptr, bool bDispatch = true)
        : CExtHookSink(bDispatch), m_name(std::move(name)), m_pLog(pLog)
    {}
    ~CTestSink() override
    {
        if (m_pDeleted != nullptr)
            *m_pDeleted = true;
    }
    std::function<bool(CTestSink*, LRESULT&, HWND, UINT, WPARAM&, LPARAM&)> onMsg;
    LRESULT m_nPaintResult = -1; // >= 0: WM_PAINT handled with this result
    int m_nNcDestroy = 0, m_nAttach = 0, m_nDetach = 0;
    bool m_bAutoDelete = false;
    bool* m_pDeleted = nullptr;
    std::vector<WPARAM> m_wParams;

    void HideNcDestroy() { m_bEatNcDestroy = true; }

    bool OnHookWndMsg(LRESULT& lResult, HWND hWnd, UINT message, WPARAM& wParam, LPARAM& lParam) override
    {
        if (message == WM_TEST_A || message == WM_TEST_B || message == WM_PAINT)
        {
            if (m_pLog != nullptr)
                m_pLog->push_back(m_name);
            m_wParams.push_back(wParam);
        }
        if (onMsg && onMsg(this, lResult, hWnd, message, wParam, lParam))
            return true;
        return CExtHookSink::OnHookWndMsg(lResult, hWnd, message, wParam, lParam);
    }
    bool OnHookWndPaint(LRESULT& lResult, HWND, WPARAM) override
    {
        if (m_nPaintResult < 0)
            return false;
        lResult = m_nPaintResult;
        return true;
    }
    void OnHookWndNcDestroy() override { ++m_nNcDestroy; }
    void OnHookWndAttach(HWND) override { ++m_nAttach; }
    void OnHookWndDetach(HWND) override { ++m_nDetach; }
    bool IsAutoDeleteHookWndSink() override { return m_bAutoDelete; }

private:
    std::string m_name;
    std::vector<std::string>* m_pLog;
};

INT_PTR ChainLength(HWND hWnd)
{
    CExtHookSink::HookChains_t* pChains = nullptr;
    return g_HookChainsMap.Lookup(hWnd, pChains) ? pChains->m_HookSinkArray.GetSize() : -1;
}

WNDPROC ProcOf(HWND hWnd) { return (WNDPROC)::GetWindowLongPtrW(hWnd, GWLP_WNDPROC); }
} // namespace

TEST(HookSinkAttach, AttachingTwiceLeavesOneEntryAndSubclassesOnce)
{
    CRecordingWindow w;
    CTestSink sink;
    EXPECT_FALSE(sink.AttachToWindow(nullptr));
    EXPECT_FALSE(sink.AttachToWindow((HWND)(UINT_PTR)0x7FFF0));
    EXPECT_FALSE(sink.IsAttachedToWindow(w.m_hWnd));
    EXPECT_TRUE(sink.AttachToWindow(w.m_hWnd));
    EXPECT_TRUE(sink.AttachToWindow(w.m_hWnd));
    EXPECT_EQ(ChainLength(w.m_hWnd), 1);
    EXPECT_EQ(sink.m_nAttach, 1);
    EXPECT_TRUE(sink.IsAttachedToWindow(w.m_hWnd));
    EXPECT_EQ(ProcOf(w.m_hWnd), &CExtHookSink::ChainWindowProc);
    CExtHookSink::HookChains_t* pChains = nullptr;
    ASSERT_TRUE(g_HookChainsMap.Lookup(w.m_hWnd, pChains));
    EXPECT_EQ(pChains->m_pWNDPROC, &CRecordingWindow::WndProc);
    EXPECT_EQ(pChains->m_hWndHooked, w.m_hWnd);

    // Detaching where it is not attached answers true; the window stays subclassed.
    EXPECT_TRUE(sink.AttachToWindow(w.m_hWnd, true));
    EXPECT_TRUE(sink.AttachToWindow(w.m_hWnd, true));
    EXPECT_EQ(sink.m_nDetach, 1);
    EXPECT_EQ(ChainLength(w.m_hWnd), 0);
    EXPECT_EQ(ProcOf(w.m_hWnd), &CExtHookSink::ChainWindowProc);
    EXPECT_EQ(::SendMessageW(w.m_hWnd, WM_TEST_A, 5, 0), 0);
    EXPECT_TRUE(CRecordingWindow::Saw(w.m_hWnd, WM_TEST_A));
}

TEST(HookSinkChain, AddToHeadPutsTheSinkFirst)
{
    CRecordingWindow w;
    std::vector<std::string> log;
    CTestSink a("a", &log), b("b", &log), c("c", &log);
    a.AttachToWindow(w.m_hWnd);
    b.AttachToWindow(w.m_hWnd);
    c.AttachToWindow(w.m_hWnd, false, true);
    ::SendMessageW(w.m_hWnd, WM_TEST_A, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"c", "a", "b"}));
    a.RemoveAllWndHooks();
    b.RemoveAllWndHooks();
    c.RemoveAllWndHooks();
}

TEST(HookSinkChain, AHandledPaintReachesNeitherLaterSinksNorThePreviousProcedure)
{
    CRecordingWindow w;
    std::vector<std::string> log;
    CTestSink first("first", &log), second("second", &log);
    first.m_nPaintResult = 77;
    first.AttachToWindow(w.m_hWnd);
    second.AttachToWindow(w.m_hWnd);
    EXPECT_EQ(::SendMessageW(w.m_hWnd, WM_PAINT, 0, 0), 77);
    EXPECT_EQ(log, std::vector<std::string>{"first"});
    EXPECT_FALSE(CRecordingWindow::Saw(w.m_hWnd, WM_PAINT));

    // Without the dispatch flag the per-message operations are not asked.
    CRecordingWindow w2;
    CTestSink plain("plain", nullptr, false);
    plain.m_nPaintResult = 77;
    plain.AttachToWindow(w2.m_hWnd);
    ::SendMessageW(w2.m_hWnd, WM_PAINT, 0, 0);
    EXPECT_TRUE(CRecordingWindow::Saw(w2.m_hWnd, WM_PAINT));
    first.RemoveAllWndHooks();
    second.RemoveAllWndHooks();
    plain.RemoveAllWndHooks();
}

TEST(HookSinkChain, AChangedWParamReachesTheNextSinkAndThePreviousProcedure)
{
    CRecordingWindow w;
    CTestSink changer, watcher;
    changer.onMsg = [](CTestSink*, LRESULT&, HWND, UINT message, WPARAM& wParam, LPARAM&) {
        if (message == WM_TEST_A)
            wParam = 99;
        return false;
    };
    changer.AttachToWindow(w.m_hWnd);
    watcher.AttachToWindow(w.m_hWnd);
    ::SendMessageW(w.m_hWnd, WM_TEST_A, 1, 0);
    EXPECT_EQ(watcher.m_wParams, std::vector<WPARAM>{99});
    EXPECT_EQ(CRecordingWindow::LastWParam(w.m_hWnd), 99u);
    changer.RemoveAllWndHooks();
    watcher.RemoveAllWndHooks();
}

TEST(HookSinkChain, CallingThePreviousProcedureFromInsideAHandler)
{
    CRecordingWindow w;
    CTestSink sink;
    const MSG* pSeen = nullptr;
    UINT nSeenMessage = 0;
    sink.onMsg = [&](CTestSink* p, LRESULT& lResult, HWND, UINT message, WPARAM&, LPARAM&) {
        if (message != WM_TEST_A)
            return false;
        pSeen = CWnd::GetCurrentMessage();
        nSeenMessage = pSeen->message;
        lResult = p->CallOriginalWndProcWithParams(7, 0) + 1;
        return true;
    };
    sink.AttachToWindow(w.m_hWnd);
    EXPECT_EQ(::SendMessageW(w.m_hWnd, WM_TEST_A, 1, 0), 1);
    EXPECT_EQ(nSeenMessage, WM_TEST_A); // the sinks and the platform agree on the current message
    EXPECT_EQ(CRecordingWindow::LastWParam(w.m_hWnd), 7u);
    EXPECT_NE(CWnd::GetCurrentMessage()->message, WM_TEST_A); // put back after the call
    sink.RemoveAllWndHooks();
}

TEST(HookSinkTeardown, NcDestroyReleasesTheChainRestoresTheProcedureAndDeletesAutoDeleteSinks)
{
    CRecordingWindow w;
    HWND hWnd = w.m_hWnd;
    CTestSink keeper;
    CTestSink* pAuto = new CTestSink;
    bool bDeleted = false;
    pAuto->m_bAutoDelete = true;
    pAuto->m_pDeleted = &bDeleted;
    keeper.AttachToWindow(hWnd);
    pAuto->AttachToWindow(hWnd);
    ::DestroyWindow(hWnd);
    EXPECT_EQ(ChainLength(hWnd), -1);
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(keeper.m_nNcDestroy, 1);
    EXPECT_FALSE(keeper.IsAttachedToWindow(hWnd));
    EXPECT_EQ(CRecordingWindow::ProcAtNcDestroy(hWnd), &CRecordingWindow::WndProc);
}

TEST(HookSinkTeardown, AHidingSinkKeepsNcDestroyFromThePreviousProcedure)
{
    CRecordingWindow w;
    HWND hWnd = w.m_hWnd;
    CTestSink hider, other;
    hider.HideNcDestroy();
    other.AttachToWindow(hWnd);
    hider.AttachToWindow(hWnd);
    ::DestroyWindow(hWnd);
    EXPECT_FALSE(CRecordingWindow::Saw(hWnd, WM_NCDESTROY));
    EXPECT_EQ(other.m_nNcDestroy, 1);
    EXPECT_EQ(hider.m_nNcDestroy, 1);
    EXPECT_EQ(ChainLength(hWnd), -1);

    // The result of a hidden WM_NCDESTROY is 0.
    CRecordingWindow w2;
    CTestSink hider2;
    hider2.HideNcDestroy();
    hider2.AttachToWindow(w2.m_hWnd);
    EXPECT_EQ(::SendMessageW(w2.m_hWnd, WM_NCDESTROY, 0, 0), 0);
    EXPECT_FALSE(CRecordingWindow::Saw(w2.m_hWnd, WM_NCDESTROY));
    EXPECT_EQ(ProcOf(w2.m_hWnd), &CRecordingWindow::WndProc);
    EXPECT_EQ(ChainLength(w2.m_hWnd), -1);
}

TEST(HookSinkWindows, RemoveAllWndHooksDetachesFromEveryWindow)
{
    CRecordingWindow w1, w2, w3;
    CTestSink sink, other;
    for (HWND h : {w1.m_hWnd, w2.m_hWnd, w3.m_hWnd})
        ASSERT_TRUE(sink.AttachToWindow(h));
    other.AttachToWindow(w2.m_hWnd);
    CList<HWND, HWND> hooked;
    sink.GetHookedWindows(hooked);
    EXPECT_EQ(hooked.GetCount(), 3);
    sink.RemoveAllWndHooks();
    EXPECT_EQ(sink.m_nDetach, 3);
    for (HWND h : {w1.m_hWnd, w2.m_hWnd, w3.m_hWnd})
    {
        EXPECT_FALSE(sink.IsAttachedToWindow(h));
        EXPECT_EQ(ProcOf(h), &CExtHookSink::ChainWindowProc); // chains stay until WM_NCDESTROY
    }
    EXPECT_TRUE(other.IsAttachedToWindow(w2.m_hWnd));
    sink.GetHookedWindows(hooked);
    EXPECT_TRUE(hooked.IsEmpty());
    other.RemoveAllWndHooks();

    // An auto-delete sink on several windows is deleted once, after its last detach.
    CTestSink* pAuto = new CTestSink;
    bool bDeleted = false;
    pAuto->m_bAutoDelete = true;
    pAuto->m_pDeleted = &bDeleted;
    pAuto->AttachToWindow(w1.m_hWnd);
    pAuto->AttachToWindow(w3.m_hWnd);
    pAuto->RemoveAllWndHooks();
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(ChainLength(w1.m_hWnd), 0);
    EXPECT_EQ(ChainLength(w3.m_hWnd), 0);
}

namespace
{
class CPlatformWnd : public CWnd
{
public:
    int m_nTestB = 0;
    LRESULT OnTestB(WPARAM, LPARAM)
    {
        ++m_nTestB;
        return 555;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPlatformWnd, CWnd)
ON_MESSAGE(WM_TEST_B, OnTestB)
END_MESSAGE_MAP()
} // namespace

TEST(HookSinkWindows, APlatformSubclassedWindowHookedByTwoSinks)
{
    CPlatformWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    HWND hWnd = wnd.m_hWnd;
    std::vector<std::string> log;
    CTestSink a("a", &log), b("b", &log);
    a.onMsg = [](CTestSink*, LRESULT& lResult, HWND, UINT message, WPARAM&, LPARAM&) {
        lResult = 11;
        return message == WM_TEST_A;
    };
    a.AttachToWindow(hWnd);
    b.AttachToWindow(hWnd);
    EXPECT_EQ(::SendMessageW(hWnd, WM_TEST_A, 0, 0), 11);
    EXPECT_EQ(::SendMessageW(hWnd, WM_TEST_B, 0, 0), 555);
    EXPECT_EQ(wnd.m_nTestB, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "a", "b"}));
    wnd.DestroyWindow();
    EXPECT_EQ(ChainLength(hWnd), -1);
    EXPECT_EQ(a.m_nNcDestroy, 1);
    EXPECT_EQ(b.m_nNcDestroy, 1);

    // Hooked first, subclassed by the platform afterwards.
    CRecordingWindow w;
    CTestSink c;
    c.AttachToWindow(w.m_hWnd);
    CPlatformWnd late;
    ASSERT_TRUE(late.SubclassWindow(w.m_hWnd));
    EXPECT_EQ(::SendMessageW(w.m_hWnd, WM_TEST_B, 0, 0), 555);
    late.DestroyWindow();
    EXPECT_EQ(ChainLength(w.m_hWnd), -1);
    EXPECT_EQ(c.m_nNcDestroy, 1);
}

TEST(HookSinkMends, ASinkDetachingItselfAndTheNextSinkMidWalk)
{
    CRecordingWindow w;
    std::vector<std::string> log;
    CTestSink a("a", &log), b("b", &log), c("c", &log);
    a.onMsg = [&](CTestSink* p, LRESULT&, HWND hWnd, UINT message, WPARAM&, LPARAM&) {
        if (message == WM_TEST_A)
        {
            p->AttachToWindow(hWnd, true);
            b.AttachToWindow(hWnd, true);
        }
        return false;
    };
    a.AttachToWindow(w.m_hWnd);
    b.AttachToWindow(w.m_hWnd);
    c.AttachToWindow(w.m_hWnd);
    ::SendMessageW(w.m_hWnd, WM_TEST_A, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "c"}));
    EXPECT_TRUE(CRecordingWindow::Saw(w.m_hWnd, WM_TEST_A));
    EXPECT_EQ(ChainLength(w.m_hWnd), 1);
    c.RemoveAllWndHooks();
}

TEST(HookSinkMends, ASinkDestroyingTheWindowEndsTheWalk)
{
    CRecordingWindow w;
    HWND hWnd = w.m_hWnd;
    std::vector<std::string> log;
    CTestSink a("a", &log), b("b", &log);
    a.onMsg = [](CTestSink*, LRESULT& lResult, HWND h, UINT message, WPARAM&, LPARAM&) {
        if (message == WM_TEST_A)
        {
            lResult = 3;
            ::DestroyWindow(h);
        }
        return false;
    };
    a.AttachToWindow(hWnd);
    b.AttachToWindow(hWnd);
    EXPECT_EQ(::SendMessageW(hWnd, WM_TEST_A, 0, 0), 3); // the result so far
    EXPECT_EQ(log, std::vector<std::string>{"a"});
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(ChainLength(hWnd), -1);
    EXPECT_EQ(b.m_nNcDestroy, 1);
    EXPECT_FALSE(CRecordingWindow::Saw(hWnd, WM_TEST_A));

    // Called directly, the walk answers the result so far.
    CRecordingWindow w2;
    CTestSink d;
    d.onMsg = a.onMsg;
    d.AttachToWindow(w2.m_hWnd);
    EXPECT_EQ(CExtHookSink::ChainWindowProc(w2.m_hWnd, WM_TEST_A, 0, 0), 3);
}

TEST(HookSinkMends, DeletingAnAttachedSinkTakesItOutOfEveryChain)
{
    CRecordingWindow w1, w2;
    std::vector<std::string> log;
    CTestSink keeper("keeper", &log);
    CTestSink* pGone = new CTestSink("gone", &log);
    pGone->AttachToWindow(w1.m_hWnd);
    pGone->AttachToWindow(w2.m_hWnd);
    keeper.AttachToWindow(w1.m_hWnd);
    delete pGone;
    EXPECT_EQ(ChainLength(w1.m_hWnd), 1);
    EXPECT_EQ(ChainLength(w2.m_hWnd), 0);
    ::SendMessageW(w1.m_hWnd, WM_TEST_A, 0, 0);
    ::SendMessageW(w2.m_hWnd, WM_TEST_A, 0, 0);
    EXPECT_EQ(log, std::vector<std::string>{"keeper"});
    EXPECT_EQ(ProcOf(w2.m_hWnd), &CExtHookSink::ChainWindowProc); // subclassing stays
    keeper.RemoveAllWndHooks();

    // A sink deleting another sink of the same walk.
    CTestSink* pVictim = new CTestSink("victim", &log);
    CTestSink killer("killer", &log);
    killer.onMsg = [&](CTestSink*, LRESULT&, HWND, UINT message, WPARAM&, LPARAM&) {
        if (message == WM_TEST_A && pVictim != nullptr)
        {
            delete pVictim;
            pVictim = nullptr;
        }
        return false;
    };
    log.clear();
    killer.AttachToWindow(w1.m_hWnd);
    pVictim->AttachToWindow(w1.m_hWnd);
    ::SendMessageW(w1.m_hWnd, WM_TEST_A, 0, 0);
    EXPECT_EQ(log, std::vector<std::string>{"killer"});
    killer.RemoveAllWndHooks();
}

TEST(HookSinkMends, CallingThePreviousProcedureOutsideAHookCallsNothing)
{
    CRecordingWindow w;
    CTestSink sink;
    sink.AttachToWindow(w.m_hWnd);
    const size_t nBefore = CRecordingWindow::Messages(w.m_hWnd).size();
    EXPECT_EQ(sink.CallOriginalWndProc(), 0);
    EXPECT_EQ(sink.CallOriginalWndProcWithParams(1, 2), 0);
    EXPECT_EQ(sink.CallOriginalWndProcMsg(WM_TEST_A, 1, 2), 0);
    EXPECT_EQ(CRecordingWindow::Messages(w.m_hWnd).size(), nBefore);
    sink.RemoveAllWndHooks();
}

TEST(HookSinkWindows, HookedSystemControlsKeepWorking)
{
    CRecordingWindow parent;
    HWND hEdit = ::CreateWindowExW(0, L"Edit", L"", WS_CHILD, 0, 0, 100, 20, parent.m_hWnd, nullptr, nullptr, nullptr);
    HWND hList =
        ::CreateWindowExW(0, L"ListBox", L"", WS_CHILD, 0, 0, 100, 90, parent.m_hWnd, nullptr, nullptr, nullptr);
    ASSERT_TRUE(hEdit && hList);
    CTestSink sink;
    ASSERT_TRUE(sink.AttachToWindow(hEdit));
    ASSERT_TRUE(sink.AttachToWindow(hList));
    EXPECT_TRUE(::SendMessageW(hEdit, WM_SETTEXT, 0, (LPARAM)L"teks"));
    wchar_t buf[16] = {};
    EXPECT_EQ(::SendMessageW(hEdit, WM_GETTEXT, 16, (LPARAM)buf), 4);
    EXPECT_STREQ(buf, L"teks");
    // An ANSI call reaches the control through the chain too.
    char bufA[16] = {};
    ::SendMessageA(hEdit, WM_GETTEXT, 16, (LPARAM)bufA);
    EXPECT_STREQ(bufA, "teks");
    EXPECT_EQ(::SendMessageW(hList, LB_ADDSTRING, 0, (LPARAM)L"satu"), 0);
    EXPECT_EQ(::SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM) "dua"), 1);
    EXPECT_EQ(::SendMessageW(hList, LB_GETTEXT, 1, (LPARAM)buf), 3);
    EXPECT_STREQ(buf, L"dua");
    ::DestroyWindow(hEdit);
    ::DestroyWindow(hList);
    EXPECT_EQ(ChainLength(hEdit), -1);
    EXPECT_EQ(ChainLength(hList), -1);
}
