// The registry of all bars, creation texts, dialog mode and WM_CLOSE.
#include <gtest/gtest.h>
#include <algorithm>
#include <random>
#include <set>
#include "DockingHost.h"
#include "toolkit/docking/ExtDockOuterBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"

namespace
{
std::set<CExtControlBar*> RegistrySnapshot()
{
    std::set<CExtControlBar*> bars;
    ::EnterCriticalSection(&CExtControlBar::g_csAllControlBars);
    for (INT_PTR i = 0; i < CExtControlBar::g_arrAllControlBars.GetSize(); ++i)
        bars.insert(CExtControlBar::g_arrAllControlBars[i]);
    ::LeaveCriticalSection(&CExtControlBar::g_csAllControlBars);
    return bars;
}

DWORD WINAPI ConstructBars(LPVOID pParam)
{
    auto* pOut = static_cast<std::vector<CExtControlBar*>*>(pParam);
    for (int i = 0; i < 50; ++i)
        pOut->push_back(new CExtControlBar);
    return 0;
}
} // namespace

TEST(ControlBarRegistry, HoldsExactlyTheLiveBarsAfterRandomDestruction)
{
    const std::set<CExtControlBar*> before = RegistrySnapshot();
    std::vector<CExtControlBar*> bars;
    for (int i = 0; i < 150; ++i)
        bars.push_back(new CExtControlBar);
    std::vector<CExtControlBar*> fromThread;
    HANDLE hThread = ::CreateThread(nullptr, 0, ConstructBars, &fromThread, 0, nullptr);
    ASSERT_NE(hThread, nullptr);
    ::WaitForSingleObject(hThread, INFINITE);
    ::CloseHandle(hThread);
    bars.insert(bars.end(), fromThread.begin(), fromThread.end());
    ASSERT_EQ(bars.size(), 200u);
    std::mt19937 rng(24);
    std::shuffle(bars.begin(), bars.end(), rng);
    while (bars.size() > 70)
    {
        delete bars.back();
        bars.pop_back();
    }
    std::set<CExtControlBar*> expected(before);
    expected.insert(bars.begin(), bars.end());
    EXPECT_EQ(RegistrySnapshot(), expected);
    EXPECT_EQ((size_t)CExtControlBar::g_arrAllControlBars.GetSize(), expected.size());
    for (CExtControlBar* pBar : bars)
        delete pBar;
    EXPECT_EQ(RegistrySnapshot(), before);
}

class ControlBarCreate : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CDockingHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost());
    }
    void TearDown() override { m_pFrame->DestroyWindow(); }
    CDockingHostFrame* m_pFrame = nullptr;
};

TEST_F(ControlBarCreate, TakesTheCommandTextWithoutAmpersandCutAtTheNewline)
{
    CExtCmdItem cmd(0xA170);
    cmd.m_sMenuText = L"&Folder list\nsecond line";
    ASSERT_TRUE(g_CmdManagerHolder->SetupCommand(kHostProfile, cmd, true));
    CExtControlBar bar;
    ASSERT_TRUE(bar.Create(nullptr, m_pFrame, 0xA170));
    CString sText;
    bar.GetWindowText(sText);
    EXPECT_STREQ((LPCTSTR)sText, L"Folder list");
    bar.DestroyWindow();
}

TEST_F(ControlBarCreate, WithIdZeroHasNoText)
{
    CExtControlBar bar;
    ASSERT_TRUE(bar.Create(nullptr, m_pFrame, 0));
    CString sText;
    bar.GetWindowText(sText);
    EXPECT_TRUE(sText.IsEmpty());
    EXPECT_STREQ(CExtControlBar::kWndClassName, L"Nimbal-ControlBar");
    wchar_t szClass[64] = {};
    ::GetClassNameW(bar.GetSafeHwnd(), szClass, 64);
    EXPECT_STREQ(szClass, L"Nimbal-ControlBar");
    bar.DestroyWindow();
}

TEST_F(ControlBarCreate, WithoutCommandTakesTheResourceStringOrNothing)
{
    // 0xE001 is the platform's idle prompt string when the program has one; an id without any
    // string gives an empty text.
    CExtControlBar bar;
    ASSERT_TRUE(bar.Create(nullptr, m_pFrame, 0x7FFE));
    CString sText;
    bar.GetWindowText(sText);
    EXPECT_TRUE(sText.IsEmpty());
    bar.DestroyWindow();
}

TEST_F(ControlBarCreate, WmCloseNeverClosesABar)
{
    CHostResizableBar* pBar = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"Bar");
    ASSERT_NE(pBar, nullptr);
    EXPECT_EQ(pBar->SendMessage(WM_CLOSE), 0);
    EXPECT_TRUE(::IsWindow(pBar->GetSafeHwnd()));
    EXPECT_NE(pBar->m_bfBarFlags & CExtControlBar::kBarBusy, 0);
}

TEST(ControlBarDialogMode, ABarOnADialogSetsUpNoDockingAndDoesNoIdleWork)
{
    CWnd dlg;
    ASSERT_TRUE(
        dlg.CreateEx(0, AfxRegisterWndClass(0), L"dialog", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr));
    CExtControlBar bar;
    ASSERT_TRUE(bar.Create(L"On dialog", &dlg, 0x4321, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER));
    EXPECT_TRUE(bar.IsDialogMode());
    EXPECT_EQ(bar.m_pDockSite, nullptr);
    // The idle update does nothing in dialog mode: the focus bit stays clear though the focus
    // is inside the bar.
    bar.SetFocus();
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    bar.OnUpdateCmdUI(nullptr, FALSE);
    EXPECT_EQ(bar.m_bfRuntimeState & CExtControlBar::kStateFocus, 0);
    bar.DestroyWindow();
    dlg.DestroyWindow();
}

namespace
{
// Counts the command-UI updates and the key messages offered to it.
class CCountingBar : public CExtControlBar
{
public:
    int m_nUpdates = 0;
    int m_nOffered = 0;
    bool m_bTake = false;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override
    {
        (void)bDisableIfNoHndler;
        EXPECT_EQ(pTarget, nullptr); // a bar on a dialog has no frame target
        EXPECT_NE(m_bfBarFlags & kBarBusy, 0);
        ++m_nUpdates;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        (void)pMsg;
        ++m_nOffered;
        return m_bTake ? TRUE : FALSE;
    }
};
} // namespace

TEST(ControlBarDialogMode, TheDialogHelpersReachEachChildBar)
{
    CWnd dlg;
    ASSERT_TRUE(
        dlg.CreateEx(0, AfxRegisterWndClass(0), L"dialog", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr));
    CCountingBar first, second;
    ASSERT_TRUE(first.Create(L"First", &dlg, 0x4331, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    ASSERT_TRUE(second.Create(L"Second", &dlg, 0x4332, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    CExtControlBar::UpdateChildBarsCmdUI(&dlg);
    EXPECT_EQ(first.m_nUpdates, 1);
    EXPECT_EQ(second.m_nUpdates, 1);
    EXPECT_EQ(first.m_bfBarFlags & CExtControlBar::kBarBusy, 0);
    MSG msg = {};
    msg.hwnd = dlg.GetSafeHwnd();
    msg.message = WM_KEYDOWN;
    EXPECT_FALSE(CExtControlBar::PreTranslateChildBars(&dlg, &msg));
    EXPECT_EQ(first.m_nOffered + second.m_nOffered, 2);
    // The first bar that takes the message ends the offer.
    first.m_bTake = second.m_bTake = true;
    EXPECT_TRUE(CExtControlBar::PreTranslateChildBars(&dlg, &msg));
    EXPECT_EQ(first.m_nOffered + second.m_nOffered, 3);
    first.DestroyWindow();
    second.DestroyWindow();
    dlg.DestroyWindow();
}
