// Windows of the layer on real windows: message-map dispatch, creation-time attachment,
// subclassing, reflection of control notifications and command routing with command UI.
#include "platform/Platform.h"
#include "support/MessageBoxCapture.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

namespace
{

const UINT WM_TEST_PING = WM_APP + 11;
const UINT g_nMsgTestRegistered = ::RegisterWindowMessageW(L"CorvaneWindowTest::g_nMsgTestRegistered");

LPCTSTR TestClass()
{
    return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
}

// Records what reaches its handlers.
class CProbeWnd : public CWnd
{
public:
    std::vector<UINT> seen; // messages in the order WindowProc saw them
    bool sawNcCreateInMap = false;
    bool attachedAtNcCreate = false;
    int createCalls = 0;
    CSize lastSize;
    CPoint lastClick;
    UINT_PTR lastTimer = 0;
    LPARAM lastPingParam = 0;
    int registeredCalls = 0;
    bool postNcDestroyCalled = false;
    bool failCreate = false;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        seen.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override { postNcDestroyCalled = true; }

protected:
    BOOL OnNcCreate(LPCREATESTRUCT lpcs)
    {
        sawNcCreateInMap = true;
        attachedAtNcCreate = FromHandlePermanent(m_hWnd) == this;
        return CWnd::OnNcCreate(lpcs);
    }
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        ++createCalls;
        if (failCreate)
            throw new CResourceException();
        return CWnd::OnCreate(lpcs);
    }
    void OnSize(UINT nType, int cx, int cy)
    {
        CWnd::OnSize(nType, cx, cy);
        lastSize = CSize(cx, cy);
    }
    void OnLButtonDown(UINT, CPoint point) { lastClick = point; }
    LRESULT OnPing(WPARAM wParam, LPARAM lParam)
    {
        lastPingParam = lParam;
        return (LRESULT)wParam * 2;
    }
    LRESULT OnRegistered(WPARAM, LPARAM)
    {
        ++registeredCalls;
        return 77;
    }
    // Changes the text on its way to the window's own procedure through Default().
    LRESULT OnSetText(WPARAM, LPARAM lParam)
    {
        std::wstring text = L"[";
        text += (LPCWSTR)lParam;
        text += L"]";
        const MSG* pMsg = GetCurrentMessage();
        EXPECT_EQ(pMsg->message, (UINT)WM_SETTEXT);
        return DefWindowProc(WM_SETTEXT, 0, (LPARAM)text.c_str());
    }
    LRESULT OnGetTextLength(WPARAM, LPARAM) { return Default() + 1000; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
ON_WM_NCCREATE()
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_MESSAGE(WM_TEST_PING, OnPing)
ON_REGISTERED_MESSAGE(g_nMsgTestRegistered, OnRegistered)
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
END_MESSAGE_MAP()

// A derived class adds a handler and inherits the rest of the map.
class CDerivedProbeWnd : public CProbeWnd
{
public:
    int timerCalls = 0;

protected:
    void OnTimer(UINT_PTR nIDEvent)
    {
        ++timerCalls;
        lastTimer = nIDEvent;
    }
    void OnLButtonDown(UINT nFlags, CPoint point)
    {
        CProbeWnd::OnLButtonDown(nFlags, CPoint(point.x + 1000, point.y + 1000));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbeWnd, CProbeWnd)
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// A mix-in over any window class with a message map of its own (template message map).
template <class TBase> class CCountMovesT : public TBase
{
public:
    int moves = 0;

protected:
    void OnMouseMove(UINT nFlags, CPoint point)
    {
        ++moves;
        TBase::OnMouseMove(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_TEMPLATE_MESSAGE_MAP(CCountMovesT, TBase, TBase)
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

// Creates at its WM_CREATE a child of the layer, a plain child without an object, then another child of the layer.
class CParentProbeWnd : public CProbeWnd
{
public:
    CProbeWnd first, second;
    HWND hPlain = nullptr;
    HHOOK hookAfterFirst = nullptr; // the creation hook once the first child was created

protected:
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        const int nResult = CProbeWnd::OnCreate(lpcs);
        first.Create(TestClass(), L"", WS_CHILD, CRect(0, 0, 5, 5), this, 1);
        hookAfterFirst = AfxGetThreadState()->m_hHookOldCbtFilter;
        hPlain = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, m_hWnd, (HMENU)2, nullptr, nullptr);
        second.Create(TestClass(), L"", WS_CHILD, CRect(0, 0, 5, 5), this, 3);
        return nResult;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CParentProbeWnd, CProbeWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

bool CreatePopup(CWnd& wnd, int cx = 200, int cy = 100, DWORD style = WS_POPUP)
{
    return wnd.CreateEx(0, TestClass(), L"probe", style, 10, 10, cx, cy, nullptr, nullptr) != FALSE;
}

} // namespace

TEST(WindowMessages, ObjectIsAttachedBeforeTheFirstMessageAndMapsDispatchWithDecodedParameters)
{
    CDerivedProbeWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    ASSERT_TRUE(::IsWindow(wnd.m_hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);

    // Every creation message went through the object, WM_NCCREATE through the map.
    ASSERT_FALSE(wnd.seen.empty());
    EXPECT_TRUE(std::find(wnd.seen.begin(), wnd.seen.end(), (UINT)WM_NCCREATE) != wnd.seen.end());
    EXPECT_TRUE(wnd.sawNcCreateInMap);
    EXPECT_TRUE(wnd.attachedAtNcCreate);
    EXPECT_EQ(wnd.createCalls, 1);

    wnd.SetWindowPos(nullptr, 0, 0, 321, 123, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rc;
    wnd.GetClientRect(&rc);
    EXPECT_EQ(wnd.lastSize, rc.Size());

    // Derived handler first, base map still reached for the rest.
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
    EXPECT_EQ(wnd.lastClick, CPoint(1007, 1009));
    wnd.SendMessage(WM_TIMER, 42, 0);
    EXPECT_EQ(wnd.timerCalls, 1);
    EXPECT_EQ(wnd.lastTimer, (UINT_PTR)42);

    // Pointer-sized parameters keep their high bits.
    const LPARAM big = (LPARAM)0x123456789ABCLL;
    EXPECT_EQ(wnd.SendMessage(WM_TEST_PING, 21, big), 42);
    EXPECT_EQ(wnd.lastPingParam, big);
    EXPECT_EQ(wnd.SendMessage(g_nMsgTestRegistered), 77);
    EXPECT_EQ(wnd.registeredCalls, 1);

    // Default() and DefWindowProc pass the message on to the window's own procedure.
    wnd.SetWindowText(L"abc");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_STREQ(text, L"[abc]");
    EXPECT_EQ(wnd.SendMessage(WM_GETTEXTLENGTH), 1005);

    // A message without an entry goes to the default procedure (WM_GETTEXT is not mapped).
    wchar_t buf[16] = {};
    EXPECT_EQ(wnd.SendMessage(WM_GETTEXT, 16, (LPARAM)buf), 5);

    // A template mix-in adds its entries and keeps those of the class below it.
    CCountMovesT<CProbeWnd> mixed;
    ASSERT_TRUE(CreatePopup(mixed));
    mixed.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(1, 2));
    mixed.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(3, 4));
    EXPECT_EQ(mixed.moves, 1);
    EXPECT_EQ(mixed.lastClick, CPoint(3, 4));
    mixed.DestroyWindow();

    // Children created at a window's WM_CREATE share its creation hook, set until that creation ends: each child of
    // the layer is attached before its first message, a plain window created meanwhile is left alone.
    CParentProbeWnd parent;
    ASSERT_TRUE(CreatePopup(parent));
    EXPECT_NE(parent.hookAfterFirst, nullptr);
    EXPECT_EQ(AfxGetThreadState()->m_hHookOldCbtFilter, nullptr);
    EXPECT_TRUE(parent.first.attachedAtNcCreate);
    EXPECT_TRUE(parent.second.attachedAtNcCreate);
    ASSERT_NE(parent.hPlain, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(parent.hPlain), nullptr);
    EXPECT_NE(::GetWindowLongPtrW(parent.hPlain, GWLP_WNDPROC), (LONG_PTR)&AfxWndProc);
    parent.DestroyWindow();

    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_TRUE(wnd.postNcDestroyCalled);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST(WindowMessages, ExceptionInCreateFailsCreationAndIsReportedThroughTheMessageBoxFunction)
{
    MessageBoxCapture boxes;
    CProbeWnd wnd;
    wnd.failCreate = true;
    EXPECT_FALSE(CreatePopup(wnd));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.createCalls, 1);
    EXPECT_TRUE(wnd.postNcDestroyCalled);
    EXPECT_EQ(boxes.Count(), 1u);
}

namespace
{
// Deletes itself when its window is gone.
class CSelfDeletingWnd : public CWnd
{
public:
    static int s_alive;
    CSelfDeletingWnd() { ++s_alive; }
    ~CSelfDeletingWnd() override { --s_alive; }
    void PostNcDestroy() override { delete this; }
};
int CSelfDeletingWnd::s_alive = 0;

// Upper-cases every text set on the edit it subclasses.
class CUpperEdit : public CWnd
{
public:
    int presubclassCalls = 0;
    void PreSubclassWindow() override { ++presubclassCalls; }

protected:
    LRESULT OnSetText(WPARAM, LPARAM lParam)
    {
        std::wstring s = (LPCWSTR)lParam;
        for (auto& c : s)
            c = (wchar_t)towupper(c);
        return DefWindowProc(WM_SETTEXT, 0, (LPARAM)s.c_str());
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CUpperEdit, CWnd)
ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()
} // namespace

TEST(WindowMessages, SubclassingChainsToTheOriginalProcedureAndUnsubclassingRestoresIt)
{
    CWnd parent;
    ASSERT_TRUE(CreatePopup(parent));
    HWND hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, parent.m_hWnd,
                                   (HMENU)(UINT_PTR)501, nullptr, nullptr);
    ASSERT_NE(hEdit, nullptr);
    LONG_PTR original = ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC);

    // A temporary wrapper first: made permanent by subclassing, temporary objects are not reused.
    CWnd* pTemp = CWnd::FromHandle(hEdit);
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hEdit));

    CUpperEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(501, &parent));
    EXPECT_EQ(edit.presubclassCalls, 1);
    EXPECT_EQ(CWnd::FromHandle(hEdit), &edit);
    EXPECT_NE(::GetWindowLongPtrW(hEdit, GWLP_WNDPROC), original);
    ::SetWindowTextW(hEdit, L"halo");
    wchar_t buf[32] = {};
    ::GetWindowTextW(hEdit, buf, 32);
    EXPECT_STREQ(buf, L"HALO"); // the edit's own procedure stored the changed text

    EXPECT_EQ(edit.UnsubclassWindow(), hEdit);
    EXPECT_EQ(edit.m_hWnd, nullptr);
    EXPECT_EQ(::GetWindowLongPtrW(hEdit, GWLP_WNDPROC), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
    ::SetWindowTextW(hEdit, L"halo");
    ::GetWindowTextW(hEdit, buf, 32);
    EXPECT_STREQ(buf, L"halo");

    // A self-deleting object goes with its window; destroying the parent takes the child along.
    CSelfDeletingWnd* pChild = new CSelfDeletingWnd;
    ASSERT_TRUE(pChild->Create(nullptr, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 502));
    EXPECT_EQ(CSelfDeletingWnd::s_alive, 1);
    HWND hParent = parent.m_hWnd;
    parent.DestroyWindow();
    EXPECT_EQ(CSelfDeletingWnd::s_alive, 0);
    EXPECT_FALSE(::IsWindow(hParent));
    CWnd::DeleteTempMap();
}

namespace
{
const int IDC_BUTTON = 601;
const int IDC_OWNERDRAW = 602;
const int IDC_LABEL = 603;
const int IDC_NOTIFIER = 604;

// A button that sees its own clicks first; it lets them through to the parent when asked.
class CReflectButton : public CWnd
{
public:
    int clicks = 0;
    bool eatClicks = false;
    int drawItems = 0;
    HBRUSH brush = nullptr;
    int notifies = 0;

protected:
    BOOL OnClicked()
    {
        ++clicks;
        return eatClicks;
    }
    void DrawItem(LPDRAWITEMSTRUCT lpDIS)
    {
        ++drawItems;
        EXPECT_EQ(lpDIS->hwndItem, m_hWnd);
    }
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        EXPECT_EQ(nCtlColor, (UINT)CTLCOLOR_STATIC);
        EXPECT_NE(pDC, nullptr);
        return brush;
    }
    void OnCustomNotify(NMHDR* pNMHDR, LRESULT* pResult)
    {
        ++notifies;
        *pResult = 4242 + (LRESULT)pNMHDR->idFrom;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CReflectButton, CWnd)
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
ON_WM_DRAWITEM_REFLECT()
ON_WM_CTLCOLOR_REFLECT()
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomNotify)
END_MESSAGE_MAP()

class CReflectParent : public CWnd
{
public:
    int buttonClicks = 0;
    int notifies = 0;
    int parentColorCalls = 0;

protected:
    void OnButton() { ++buttonClicks; }
    void OnNotifyFromChild(NMHDR*, LRESULT* pResult)
    {
        ++notifies;
        *pResult = 7;
    }
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        ++parentColorCalls;
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor); // reflects to the child when it wants it
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CReflectParent, CWnd)
ON_BN_CLICKED(IDC_BUTTON, OnButton)
ON_NOTIFY(NM_CUSTOMDRAW, IDC_NOTIFIER, OnNotifyFromChild)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()
} // namespace

TEST(WindowMessages, ControlNotificationsAreReflectedToTheChildObjectFirst)
{
    CReflectParent parent;
    ASSERT_TRUE(CreatePopup(parent, 300, 200));
    CReflectButton button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 80, 24), &parent,
                              IDC_BUTTON));

    // The reflected handler answers FALSE: the parent handles the click as well.
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(button.clicks, 1);
    EXPECT_EQ(parent.buttonClicks, 1);
    // It answers TRUE: the click stops at the button.
    button.eatClicks = true;
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(button.clicks, 2);
    EXPECT_EQ(parent.buttonClicks, 1);

    // A button without an object of its own: straight to the parent's handler.
    HWND hPlain = ::CreateWindowExW(0, L"BUTTON", L"x", WS_CHILD | BS_PUSHBUTTON, 0, 30, 80, 24, parent.m_hWnd,
                                    (HMENU)(UINT_PTR)IDC_BUTTON, nullptr, nullptr);
    ::SendMessageW(hPlain, BM_CLICK, 0, 0);
    EXPECT_EQ(parent.buttonClicks, 2);

    // WM_DRAWITEM of an owner-drawn button reaches the button's DrawItem.
    CReflectButton ownerDrawn;
    ASSERT_TRUE(
        ownerDrawn.Create(L"BUTTON", L"", WS_CHILD | BS_OWNERDRAW, CRect(0, 60, 80, 84), &parent, IDC_OWNERDRAW));
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = IDC_OWNERDRAW;
    dis.hwndItem = ownerDrawn.m_hWnd;
    CClientDC dc(&ownerDrawn);
    dis.hDC = dc.m_hDC;
    EXPECT_TRUE(parent.SendMessage(WM_DRAWITEM, IDC_OWNERDRAW, (LPARAM)&dis));
    EXPECT_EQ(ownerDrawn.drawItems, 1);

    // WM_CTLCOLORSTATIC: the parent's handler passes it to the label's CtlColor.
    CReflectButton label;
    ASSERT_TRUE(label.Create(L"STATIC", L"label", WS_CHILD, CRect(0, 90, 80, 110), &parent, IDC_LABEL));
    CBrush red(RGB(255, 0, 0));
    label.brush = (HBRUSH)red.GetSafeHandle();
    EXPECT_EQ((HBRUSH)parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)label.m_hWnd), label.brush);
    EXPECT_EQ(parent.parentColorCalls, 1);
    // When the child gives no brush, the parent's default answer stands (non-null from the system).
    label.brush = nullptr;
    EXPECT_NE((HBRUSH)parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)label.m_hWnd), nullptr);

    // WM_NOTIFY: reflected to the child object (its result returns); without one, the parent's entry.
    CReflectButton notifier;
    ASSERT_TRUE(notifier.Create(L"STATIC", L"", WS_CHILD, CRect(0, 0, 1, 1), &parent, IDC_NOTIFIER));
    NMHDR nm = {notifier.m_hWnd, (UINT_PTR)IDC_NOTIFIER, (UINT)NM_CUSTOMDRAW};
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, IDC_NOTIFIER, (LPARAM)&nm), 4242 + IDC_NOTIFIER);
    EXPECT_EQ(notifier.notifies, 1);
    EXPECT_EQ(parent.notifies, 0);
    HWND hNotifier = notifier.UnsubclassWindow();
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, IDC_NOTIFIER, (LPARAM)&nm), 7);
    EXPECT_EQ(parent.notifies, 1);
    ::DestroyWindow(hNotifier);

    parent.DestroyWindow();
    CWnd::DeleteTempMap();
}

namespace
{
const UINT ID_CMD_RUN = 40001;
const UINT ID_CMD_DISABLED = 40002;
const UINT ID_CMD_NOHANDLER = 40003;
const UINT ID_CMD_RANGE_FIRST = 40010;
const UINT ID_CMD_RANGE_LAST = 40019;
const UINT ID_CMD_EX = 40020;
const UINT ID_CMD_CHECKED = 40021;

class CSinkBase : public CCmdTarget
{
public:
    int baseRuns = 0;
    void OnBaseCommand() { ++baseRuns; }
};

class CCommandSink : public CSinkBase
{
public:
    int runs = 0;
    int disabledRuns = 0;
    UINT lastRange = 0;
    int exCalls = 0;
    BOOL exAnswer = FALSE;

protected:
    void OnRun() { ++runs; }
    void OnDisabled() { ++disabledRuns; }
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdateChecked(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(TRUE);
        pCmdUI->SetCheck(1);
        pCmdUI->SetText(L"Dicentang");
    }
    void OnRange(UINT nID) { lastRange = nID; }
    BOOL OnEx(UINT)
    {
        ++exCalls;
        return exAnswer;
    }
    DECLARE_MESSAGE_MAP()
};
const UINT ID_CMD_BASE = 40030;
BEGIN_MESSAGE_MAP(CCommandSink, CSinkBase)
ON_COMMAND(ID_CMD_BASE, CSinkBase::OnBaseCommand)
ON_COMMAND(ID_CMD_RUN, OnRun)
ON_COMMAND(ID_CMD_DISABLED, OnDisabled)
ON_UPDATE_COMMAND_UI(ID_CMD_DISABLED, OnUpdateDisabled)
ON_COMMAND_RANGE(ID_CMD_RANGE_FIRST, ID_CMD_RANGE_LAST, OnRange)
ON_COMMAND_EX(ID_CMD_EX, OnEx)
ON_UPDATE_COMMAND_UI(ID_CMD_CHECKED, OnUpdateChecked)
END_MESSAGE_MAP()

// A control that keeps its own command UI.
class CSelfUpdatingButton : public CWnd
{
public:
    int updates = 0;

protected:
    void OnUpdateSelf(CCmdUI* pCmdUI)
    {
        ++updates;
        pCmdUI->Enable(FALSE);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSelfUpdatingButton, CWnd)
ON_UPDATE_COMMAND_UI_REFLECT(OnUpdateSelf)
END_MESSAGE_MAP()

// A window that routes commands on to the sink when its own map has no handler.
class CRoutingWnd : public CWnd
{
public:
    CCommandSink* pSink = nullptr;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
        return pSink != nullptr && pSink->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};
} // namespace

TEST(WindowCommands, RoutingRunsEnabledCommandsAndCommandUiDisablesCommandsWithoutHandler)
{
    CCommandSink sink;
    CRoutingWnd wnd;
    wnd.pSink = &sink;
    ASSERT_TRUE(CreatePopup(wnd));

    // Menu commands (no control window) go through the routing; a disabled one does not run.
    wnd.SendMessage(WM_COMMAND, ID_CMD_RUN, 0);
    wnd.SendMessage(WM_COMMAND, ID_CMD_DISABLED, 0);
    wnd.SendMessage(WM_COMMAND, ID_CMD_RANGE_FIRST + 3, 0);
    EXPECT_EQ(sink.runs, 1);
    EXPECT_EQ(sink.disabledRuns, 0);
    EXPECT_EQ(sink.lastRange, ID_CMD_RANGE_FIRST + 3);
    wnd.SendMessage(WM_COMMAND, ID_CMD_BASE, 0); // a handler of the base class, named qualified
    EXPECT_EQ(sink.baseRuns, 1);

    // ON_COMMAND_EX: the handler's answer is the routing's answer.
    EXPECT_FALSE(sink.OnCmdMsg(ID_CMD_EX, CN_COMMAND, nullptr, nullptr));
    sink.exAnswer = TRUE;
    EXPECT_TRUE(sink.OnCmdMsg(ID_CMD_EX, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(sink.exCalls, 2);

    // The handler query fills the record and calls nothing.
    AFX_CMDHANDLERINFO info = {nullptr, nullptr};
    EXPECT_TRUE(wnd.OnCmdMsg(ID_CMD_RUN, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(info.pTarget, &sink);
    EXPECT_NE(info.pmf, nullptr);
    EXPECT_EQ(sink.runs, 1);
    EXPECT_FALSE(wnd.OnCmdMsg(ID_CMD_NOHANDLER, CN_COMMAND, nullptr, &info));

    // Command UI of menu items.
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_CMD_RUN, L"Jalankan");
    menu.AppendMenu(MF_STRING, ID_CMD_DISABLED, L"Mati");
    menu.AppendMenu(MF_STRING, ID_CMD_NOHANDLER, L"Tanpa");
    menu.AppendMenu(MF_STRING, ID_CMD_CHECKED, L"Centang");
    auto update = [&](BOOL bDisableIfNoHandler) {
        CCmdUI state;
        state.m_pMenu = &menu;
        state.m_nIndexMax = menu.GetMenuItemCount();
        for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
        {
            state.m_nID = menu.GetMenuItemID((int)state.m_nIndex);
            state.DoUpdate(&wnd, bDisableIfNoHandler);
        }
    };
    update(FALSE);
    EXPECT_FALSE(menu.GetMenuState(ID_CMD_RUN, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(ID_CMD_DISABLED, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(menu.GetMenuState(ID_CMD_NOHANDLER, MF_BYCOMMAND) & MF_GRAYED);
    update(TRUE);
    EXPECT_FALSE(menu.GetMenuState(ID_CMD_RUN, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(ID_CMD_DISABLED, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(ID_CMD_NOHANDLER, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(ID_CMD_CHECKED, MF_BYCOMMAND) & MF_CHECKED);
    CString text;
    menu.GetMenuString(ID_CMD_CHECKED, text, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Dicentang");

    // Command UI of child controls: push buttons without a handler are disabled, check boxes
    // are left alone, and handlers set check states.
    auto makeButton = [&](UINT id, DWORD style) {
        return ::CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE | style, 0, 0, 50, 20, wnd.m_hWnd,
                                 (HMENU)(UINT_PTR)id, nullptr, nullptr);
    };
    HWND hRun = makeButton(ID_CMD_RUN, BS_PUSHBUTTON);
    HWND hNone = makeButton(ID_CMD_NOHANDLER, BS_PUSHBUTTON);
    HWND hAutoCheck = makeButton(ID_CMD_NOHANDLER, BS_AUTOCHECKBOX);
    HWND hChecked = makeButton(ID_CMD_CHECKED, BS_CHECKBOX);
    CSelfUpdatingButton self;
    ASSERT_TRUE(self.Create(L"BUTTON", L"s", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 5, 5), &wnd, ID_CMD_RUN));
    wnd.UpdateDialogControls(&sink, TRUE);
    EXPECT_EQ(self.updates, 1);
    EXPECT_FALSE(self.IsWindowEnabled()); // its own answer, although the sink has a handler
    EXPECT_TRUE(::IsWindowEnabled(hRun));
    EXPECT_FALSE(::IsWindowEnabled(hNone));
    EXPECT_TRUE(::IsWindowEnabled(hAutoCheck));
    EXPECT_EQ(::SendMessageW(hChecked, BM_GETCHECK, 0, 0), BST_CHECKED);
    wchar_t buf[32] = {};
    ::GetWindowTextW(hChecked, buf, 32);
    EXPECT_STREQ(buf, L"Dicentang");

    wnd.DestroyWindow();
    CWnd::DeleteTempMap();
    CMenu::DeleteTempMap();
}
