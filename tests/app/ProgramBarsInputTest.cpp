// The built program's bars through real input, seen from outside: after a floating bar's caption is pressed
// or dragged the keys still reach the message list that had them; a bar docked back by a double click on its
// floating caption takes its place and height in its column after the main window moved and after a restart.
#include "ProgramTestSupport.h"

#include <algorithm>
#include <functional>
#include <vector>

using namespace phonetest;
using namespace programtest;

namespace
{
// The first child window of the class under the window, or NULL.
HWND ChildOfClass(HWND hParent, const wchar_t* pszClass)
{
    struct Scan
    {
        const wchar_t* cls;
        HWND found;
    } scan = {pszClass, nullptr};
    EnumChildWindows(
        hParent,
        [](HWND h, LPARAM lp) -> BOOL {
            Scan* s = (Scan*)lp;
            wchar_t cls[64] = {};
            GetClassNameW(h, cls, 64);
            if (_wcsicmp(cls, s->cls) != 0)
                return TRUE;
            s->found = h;
            return FALSE;
        },
        (LPARAM)&scan);
    return scan.found;
}

// A point on a floating frame's caption, dx pixels right of its left end.
POINT FloatingCaptionPoint(HWND hFrame, int dx = 12)
{
    RECT rc = {};
    GetWindowRect(hFrame, &rc);
    return POINT{rc.left + GetSystemMetrics(SM_CXFRAME) + dx,
                 rc.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYSMCAPTION) / 2};
}

// The window's rectangle relative to the main window's client area.
RECT InMain(HWND hMain, HWND hWnd)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    MapWindowPoints(nullptr, hMain, (POINT*)&rc, 2);
    return rc;
}

// The visible top-level windows of the process that are neither tool tips nor the given ones.
std::vector<HWND> OtherWindows(DWORD pid, const std::vector<HWND>& known)
{
    struct Scan
    {
        DWORD pid;
        const std::vector<HWND>* known;
        std::vector<HWND> found;
    } scan = {pid, &known, {}};
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            Scan* s = (Scan*)lp;
            DWORD owner = 0;
            GetWindowThreadProcessId(h, &owner);
            wchar_t cls[64] = {};
            GetClassNameW(h, cls, 64);
            if (owner == s->pid && IsWindowVisible(h) && _wcsicmp(cls, L"tooltips_class32") != 0 &&
                std::find(s->known->begin(), s->known->end(), h) == s->known->end())
                s->found.push_back(h);
            return TRUE;
        },
        (LPARAM)&scan);
    return scan.found;
}

bool SendKey(WORD wVk, bool bDown)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = wVk;
    in.ki.dwFlags = bDown ? 0 : KEYEVENTF_KEYUP;
    return SendInput(1, &in, sizeof in) == 1;
}

bool PressKey(WORD wVk) { return SendKey(wVk, true) && SendKey(wVk, false); }

struct ProgramBarsInputTest : ProcessFixture
{
    // Starts the program; its main window in front, the start over (its thread waits for input).
    void Start()
    {
        hMain = StartInFront();
        ASSERT_NE(hMain, nullptr) << "the program did not start, in front and waiting for input";
        dwThread = Thread();
    }
    // Closes the program and waits for its end.
    void Close()
    {
        PostMessageW(hMain, WM_CLOSE, 0, 0);
        ASSERT_TRUE(Ended(30000));
        CloseHandle(pi.hProcess);
        pi = PROCESS_INFORMATION();
    }
    // The bar among the windows of the process: the shown window of its text that holds its control (the folder
    // tree or the message list; a container or a dock bar may show the text too), and its top-level window.
    BarWindows Bar(const wchar_t* pszBar)
    {
        struct Scan
        {
            DWORD pid;
            const wchar_t* text;
            const wchar_t* content;
            BarWindows found;
        } scan = {pi.dwProcessId, pszBar, wcscmp(pszBar, L"Folders") == 0 ? L"SysTreeView32" : L"SysListView32", {}};
        EnumWindows(
            [](HWND h, LPARAM lp) -> BOOL {
                Scan* s = (Scan*)lp;
                DWORD owner = 0;
                GetWindowThreadProcessId(h, &owner);
                if (owner != s->pid || !IsWindowVisible(h))
                    return TRUE;
                EnumChildWindows(
                    h,
                    [](HWND c, LPARAM lp2) -> BOOL {
                        Scan* s2 = (Scan*)lp2;
                        wchar_t t[64] = {};
                        GetWindowTextW(c, t, 64);
                        wchar_t cls[64] = {};
                        HWND hContent = GetWindow(c, GW_CHILD);
                        GetClassNameW(hContent, cls, 64);
                        if (wcscmp(t, s2->text) == 0 && IsWindowVisible(c) && _wcsicmp(cls, s2->content) == 0)
                            s2->found = BarWindows{c, GetAncestor(c, GA_ROOT)};
                        return TRUE;
                    },
                    lp);
                return TRUE;
            },
            (LPARAM)&scan);
        return scan.found;
    }
    bool IsDocked(const wchar_t* pszBar)
    {
        const BarWindows w = Bar(pszBar);
        return w.hBar != nullptr && w.hTopLevel == hMain && IsWindowVisible(w.hBar);
    }
    bool IsFloating(const wchar_t* pszBar) { return IsFloatingShown(Bar(pszBar)); }
    // Waits until the program's thread waits for input with none queued.
    void Idle() { WaitForInputIdle(pi.hProcess, 10000); }
    GUITHREADINFO ThreadInfo()
    {
        GUITHREADINFO gti = {sizeof gti};
        GetGUIThreadInfo(dwThread, &gti);
        return gti;
    }
    // Presses the left button at the point until the press runs a loop holding the capture, three times at the
    // most: a fresh Wine session has been seen to hand the program a release of its own right after an injected
    // press (the X pointer's buttons are up), which ends the loop before it is seen; a user's button is really
    // down. The button is left down when the loop runs.
    bool PressStartingALoop(POINT pt)
    {
        for (int nTry = 0; nTry < 3; ++nTry)
        {
            Idle();
            if (!SendMouseAt(pt, MOUSEEVENTF_MOVE) || !SendMouseAt(pt, MOUSEEVENTF_LEFTDOWN))
                return false;
            if (PumpUntil([&] { return CaptureOf(dwThread) != nullptr; }, 5000))
                return true;
            SendMouseAt(pt, MOUSEEVENTF_LEFTUP);
            PumpUntil([&] { return CaptureOf(dwThread) == nullptr; }, 10000);
            // Past the double-click time, so that the next press is a first press again.
            PumpUntil([] { return false; }, GetDoubleClickTime() + 100);
        }
        return false;
    }
    // A press of the left button at the point that starts a loop holding the capture, and its release.
    void PressHeld(POINT pt)
    {
        ASSERT_TRUE(PressStartingALoop(pt)) << "the press started no loop";
        ASSERT_TRUE(SendMouseAt(pt, MOUSEEVENTF_LEFTUP));
        ASSERT_TRUE(PumpUntil([&] { return CaptureOf(dwThread) == nullptr; }, 10000)) << "the release ended no loop";
    }
    // A drag with the left button from the point to another in steps; the press starts a loop holding the capture
    // and the release ends it. What the drag did is waited for by the caller.
    void Drag(POINT from, POINT to)
    {
        ASSERT_TRUE(PressStartingALoop(from)) << "the press started no loop";
        for (int i = 1; i <= 8; ++i)
        {
            const POINT pt = {from.x + (to.x - from.x) * i / 8, from.y + (to.y - from.y) * i / 8};
            ASSERT_TRUE(SendMouseAt(pt, MOUSEEVENTF_MOVE));
            // Paced as a hand moves: the loop takes the moves one by one rather than as one jump.
            PumpUntil([] { return false; }, 30);
        }
        ASSERT_TRUE(SendMouseAt(to, MOUSEEVENTF_LEFTUP));
        ASSERT_TRUE(PumpUntil([&] { return CaptureOf(dwThread) == nullptr; }, 10000)) << "the release ended no loop";
    }
    // The bar's docked caption, where the layout has put it.
    POINT DockedCaption(const wchar_t* pszBar)
    {
        POINT pt = {};
        PumpUntil(
            [&] {
                const BarWindows w = Bar(pszBar);
                pt = CaptionPoint(w.hBar);
                return w.hBar != nullptr && WindowFromPoint(pt) == w.hBar;
            },
            10000);
        return pt;
    }
    // Floats the docked bar by a double click on its caption.
    void FloatByDoubleClick(const wchar_t* pszBar)
    {
        DoubleClickUntil([&] { return DockedCaption(pszBar); }, [&] { return IsFloating(pszBar); });
        ASSERT_TRUE(IsFloating(pszBar)) << "the double click did not float it";
    }
    // Docks the floating bar back by a double click on its floating caption.
    void DockBackByDoubleClick(const wchar_t* pszBar)
    {
        DoubleClickUntil([&] { return FloatingCaptionPoint(Bar(pszBar).hTopLevel); }, [&] { return IsDocked(pszBar); });
        ASSERT_TRUE(IsDocked(pszBar)) << "the double click did not dock it";
    }
    // Double clicks at the point until the outcome is there, three times at the most: the wait for the first
    // press's loop can put the second press past the double-click time when the program's thread is slow (a
    // loaded machine); a user whose double click was taken as two clicks makes it again.
    void DoubleClickUntil(const std::function<POINT()>& where, const std::function<bool()>& done)
    {
        for (int nTry = 0; nTry < 3 && !done(); ++nTry)
        {
            // The two clicks go as one burst, each press and release with its point, so that the second press
            // comes within the double-click time however slow the program is and lands where it was aimed (Wine
            // otherwise takes the point from where a late motion event of the X server may have put the pointer).
            const POINT pt = where();
            ASSERT_TRUE(SendMouseAt(pt, MOUSEEVENTF_MOVE));
            for (int i = 0; i < 2; ++i)
            {
                ASSERT_TRUE(SendMouseAt(pt, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN));
                ASSERT_TRUE(SendMouseAt(pt, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP));
            }
            if (PumpUntil(done, 10000))
                return;
            // Past the double-click time, so that the next try's first press is a first press again.
            ASSERT_TRUE(PumpUntil([&] { return CaptureOf(dwThread) == nullptr; }, 10000));
            PumpUntil([] { return false; }, GetDoubleClickTime() + 100);
        }
    }
    // "SMS List" dragged by its caption onto the bottom band of "Folders": one column, "Folders" above.
    void BuildColumn()
    {
        const BarWindows folders = Bar(L"Folders");
        ASSERT_NE(folders.hBar, nullptr);
        RECT rc = {};
        GetWindowRect(folders.hBar, &rc);
        Drag(DockedCaption(L"SMS List"), POINT{(rc.left + rc.right) / 2, rc.bottom - 12});
        ASSERT_TRUE(PumpUntil(
            [&] {
                RECT f = InMain(hMain, Bar(L"Folders").hBar), s = InMain(hMain, Bar(L"SMS List").hBar);
                return IsDocked(L"SMS List") && f.left == s.left && s.top >= f.bottom;
            },
            10000))
            << "SMS List did not dock below Folders";
    }
    // The message list has the keys: its window has the focus, the main window is active, and Alt then Down
    // opens the File menu.
    void CheckKeysReachTheList(const char* pszAfter)
    {
        const HWND hList = ChildOfClass(Bar(L"SMS List").hBar, L"SysListView32");
        ASSERT_NE(hList, nullptr);
        EXPECT_TRUE(PumpUntil([&] { return ThreadInfo().hwndActive == hMain; }, 5000))
            << "the main window is not active after " << pszAfter;
        EXPECT_EQ(ThreadInfo().hwndFocus, hList) << "the list lost the focus after " << pszAfter;
        const std::vector<HWND> known = OtherWindows(pi.dwProcessId, {});
        ASSERT_TRUE(PressKey(VK_MENU));
        ASSERT_TRUE(PressKey(VK_DOWN));
        EXPECT_TRUE(PumpUntil([&] { return !OtherWindows(pi.dwProcessId, known).empty(); }, 5000))
            << "Alt then Down opened no menu after " << pszAfter;
        for (int i = 0; i < 3 && !OtherWindows(pi.dwProcessId, known).empty(); ++i)
        {
            ASSERT_TRUE(PressKey(VK_ESCAPE));
            PumpUntil([&] { return OtherWindows(pi.dwProcessId, known).empty(); }, 2000);
        }
        ASSERT_TRUE(OtherWindows(pi.dwProcessId, known).empty()) << "the menu did not close";
    }
    // A click in the message list's empty lower part: the list takes the focus.
    void ClickInTheList()
    {
        const HWND hList = ChildOfClass(Bar(L"SMS List").hBar, L"SysListView32");
        ASSERT_NE(hList, nullptr);
        RECT rc = {};
        GetWindowRect(hList, &rc);
        const POINT pt = {(rc.left + rc.right) / 2, rc.bottom - 10};
        ASSERT_TRUE(SendMouseAt(pt, MOUSEEVENTF_MOVE));
        ASSERT_TRUE(SendMouseAt(pt, MOUSEEVENTF_LEFTDOWN));
        ASSERT_TRUE(SendMouseAt(pt, MOUSEEVENTF_LEFTUP));
        ASSERT_TRUE(PumpUntil([&] { return ThreadInfo().hwndFocus == hList; }, 10000)) << "the list took no focus";
    }
    // "Folders" in one column above "SMS List", floated by a double click, the change made, and docked back by a
    // double click on its floating caption: it is at the top of the column again at its height, the list below.
    void CheckDockBackAfter(const std::function<void()>& change)
    {
        Start();
        ASSERT_FALSE(HasFatalFailure());
        BuildColumn();
        ASSERT_FALSE(HasFatalFailure());
        const RECT rcFolders = InMain(hMain, Bar(L"Folders").hBar);
        FloatByDoubleClick(L"Folders");
        ASSERT_FALSE(HasFatalFailure());
        change();
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(IsFloating(L"Folders"));
        DockBackByDoubleClick(L"Folders");
        ASSERT_FALSE(HasFatalFailure());
        // The layout settles (the bar is docked before its row is laid out): Folders at its place and height, the
        // list below it in its column.
        RECT f = {}, s = {};
        PumpUntil(
            [&] {
                f = InMain(hMain, Bar(L"Folders").hBar);
                s = InMain(hMain, Bar(L"SMS List").hBar);
                return f.left == rcFolders.left && f.top == rcFolders.top &&
                       f.bottom - f.top == rcFolders.bottom - rcFolders.top && s.left == f.left && s.right == f.right &&
                       s.top == f.bottom;
            },
            10000);
        EXPECT_EQ(f.left, rcFolders.left);
        EXPECT_EQ(f.top, rcFolders.top);
        EXPECT_EQ(f.bottom - f.top, rcFolders.bottom - rcFolders.top) << "Folders came back at another height";
        EXPECT_EQ(s.left, f.left) << "SMS List is not in the column of Folders";
        EXPECT_EQ(s.right, f.right);
        EXPECT_EQ(s.top, f.bottom);
        Close();
    }

    HWND hMain = nullptr;
    DWORD dwThread = 0;
};
} // namespace

TEST_F(ProgramBarsInputTest, KeysReachTheListAfterAFloatingCaptionIsPressedAndAfterItIsDragged)
{
    Start();
    ASSERT_FALSE(HasFatalFailure());
    FloatByDoubleClick(L"Folders");
    ASSERT_FALSE(HasFatalFailure());
    const HWND hFloating = Bar(L"Folders").hTopLevel;
    // The floating frame dragged by its caption to (x, y); first to the right of the main window, where it hides
    // nothing.
    const auto dragTo = [&](int x, int y, int dxCaption) {
        RECT rcBefore = {};
        GetWindowRect(hFloating, &rcBefore);
        const POINT from = FloatingCaptionPoint(hFloating, dxCaption);
        const POINT to = {from.x + x - rcBefore.left, from.y + y - rcBefore.top};
        Drag(from, to);
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(PumpUntil(
            [&] {
                RECT rc = {};
                GetWindowRect(hFloating, &rc);
                // It follows the cursor to a pixel or two (its grab offset is rounded).
                return IsFloating(L"Folders") && abs(rc.left - x) <= 2 && abs(rc.top - y) <= 2;
            },
            10000))
            << "the drag did not move the floating frame";
    };
    RECT rcMain = {};
    GetWindowRect(hMain, &rcMain);
    dragTo(rcMain.right + 20, 100, 12);
    ASSERT_FALSE(HasFatalFailure());
    ClickInTheList();
    ASSERT_FALSE(HasFatalFailure());
    CheckKeysReachTheList("the click in the list");

    // The caption pressed and released, further along it than the drag's press (no double click).
    PressHeld(FloatingCaptionPoint(hFloating, 40));
    ASSERT_FALSE(HasFatalFailure());
    CheckKeysReachTheList("a press on the floating caption");

    // The frame dragged by its caption.
    dragTo(rcMain.right + 40, 300, 12);
    ASSERT_FALSE(HasFatalFailure());
    CheckKeysReachTheList("a drag of the floating caption");
    Close();
}

TEST_F(ProgramBarsInputTest, ABarDockedBackAfterTheMainWindowMovedTakesItsPlaceAndHeightInItsColumn)
{
    CheckDockBackAfter([&]() {
        // The main window moved (the window system's own move loop would do it at a caption drag).
        RECT rc = {};
        GetWindowRect(hMain, &rc);
        SetWindowPos(hMain, nullptr, rc.left + 120, rc.top + 64, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(PumpUntil(
            [&] {
                RECT now = {};
                GetWindowRect(hMain, &now);
                return now.left == rc.left + 120 && now.top == rc.top + 64;
            },
            10000))
            << "the main window did not move";
    });
}

TEST_F(ProgramBarsInputTest, ABarFloatingAtTheCloseDocksBackAtItsPlaceAndHeightInItsColumnAfterTheStart)
{
    CheckDockBackAfter([&]() {
        Close();
        ASSERT_FALSE(HasFatalFailure());
        Start();
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(PumpUntil([&] { return IsFloating(L"Folders"); }, 30000)) << "Folders is not floating";
        // Beside the main window, where nothing hides its caption.
        const HWND hFloating = Bar(L"Folders").hTopLevel;
        RECT rcMain = {};
        GetWindowRect(hMain, &rcMain);
        SetWindowPos(hFloating, HWND_TOP, rcMain.right + 20, 100, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        ASSERT_TRUE(PumpUntil([&] { return WindowFromPoint(FloatingCaptionPoint(hFloating)) == hFloating; }, 10000));
    });
}
