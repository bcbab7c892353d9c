// Push button drop-down menus tracked for real: where the menu opens, dismissed menus (adopting or
// not) and the bars' continue-tracking message.
#include "ControlsTestSupport.h"
#include "support/InputScript.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"
#include "toolkit/foundation/ExtPaintManagerXP.h"
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <functional>

namespace
{
const UINT kFirst = 0x7201;
const UINT kSecond = 0x7202;

HMENU DropMenu()
{
    HMENU hBar = ::CreateMenu();
    HMENU hPopup = ::CreatePopupMenu();
    ::AppendMenuW(hPopup, MF_STRING, kFirst, L"First");
    ::AppendMenuW(hPopup, MF_STRING, kSecond, L"Second");
    ::AppendMenuW(hBar, MF_POPUP, (UINT_PTR)hPopup, L"Drop");
    return hBar;
}

std::function<void()>* g_pInLoop = nullptr;
bool g_bSafetyFired = false;
UINT_PTR g_nSafetyTimer = 0;

void CALLBACK InLoopTimerProc(HWND, UINT, UINT_PTR nID, DWORD)
{
    // A click is eaten while the opening animation runs.
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
}

void CALLBACK SafetyTimerProc(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(nullptr, nID);
    g_nSafetyTimer = 0;
    if (CExtPopupMenuWnd::IsMenuTracking())
    {
        g_bSafetyFired = true;
        CExtPopupMenuWnd::CancelMenuTracking();
    }
}

} // namespace

class ButtonDropDownTest : public ControlsTest
{
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        g_bSafetyFired = false;
        m_pButton = new CExtButton;
        HWND hWnd = m_pDlg->AddControl(L"button", L"Menu", BS_PUSHBUTTON, CRect(40, 30, 160, 60), 150);
        ASSERT_NE(hWnd, nullptr);
        ASSERT_TRUE(m_pButton->SubclassWindow(hWnd));
        m_pButton->m_menu.Attach(DropMenu());
        ASSERT_TRUE(g_CmdManagerHolder->CreateProfile(L"ButtonDropDownTest", m_pDlg->m_hWnd));
        Pump();
    }
    void TearDown() override
    {
        if (g_nSafetyTimer != 0)
            ::KillTimer(nullptr, g_nSafetyTimer);
        g_nSafetyTimer = 0;
        CExtPopupMenuWnd::CancelMenuTracking();
        EXPECT_FALSE(g_bSafetyFired) << "a tracking loop had to be cancelled by the safety net";
        delete g_pInLoop;
        g_pInLoop = nullptr;
        if (m_pButton->GetSafeHwnd() != nullptr)
            m_pButton->DestroyWindow();
        delete m_pButton;
        g_CmdManagerHolder->UnbindWindowFromProfile(m_pDlg->m_hWnd, true);
        ControlsTest::TearDown();
    }
    // Runs the function from a timer inside the next message loop; a safety timer ends a stuck loop.
    static void RunInLoop(std::function<void()> fn)
    {
        delete g_pInLoop;
        g_pInLoop = new std::function<void()>(std::move(fn));
        ::SetTimer(nullptr, 0, 10, &InLoopTimerProc);
        if (g_nSafetyTimer != 0)
            ::KillTimer(nullptr, g_nSafetyTimer);
        g_nSafetyTimer = ::SetTimer(nullptr, 0, 10000, &SafetyTimerProc);
    }
    // Dispatches messages while a menu is tracked.
    static void LoopWhileTracking()
    {
        MSG msg;
        while (CExtPopupMenuWnd::IsMenuTracking() && ::GetMessageW(&msg, nullptr, 0, 0))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    static CRect PopupRect()
    {
        CRect rc;
        CExtPopupMenuWnd* pPopup = g_TrackingSite.GetInstance();
        if (pPopup != nullptr && pPopup->GetSafeHwnd() != nullptr)
            ::GetWindowRect(pPopup->GetSafeHwnd(), &rc);
        return rc;
    }
    CRect ButtonRect() const
    {
        CRect rc;
        m_pButton->GetWindowRect(&rc);
        return rc;
    }

    CExtButton* m_pButton = nullptr;
};

TEST_F(ButtonDropDownTest, TheMenuOpensBelowTheButtonAndADismissedMenuSendsNothing)
{
    m_pButton->OnClick(false, false);
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    EXPECT_TRUE(m_pButton->IsOwnMenuOpen());
    ASSERT_EQ(g_TrackingSite.GetInstance()->GetItemCount(), 2);
    EXPECT_EQ(g_TrackingSite.GetInstance()->ItemGetCmdID(1), (int)kSecond);
    const CRect rcButton = ButtonRect();
    const CRect rcPopup = PopupRect();
    EXPECT_GE(rcPopup.top, rcButton.bottom - 2);
    EXPECT_LT(rcPopup.top, rcButton.bottom + 8);
    EXPECT_GE(rcPopup.left, rcButton.left - 8);
    EXPECT_LT(rcPopup.left, rcButton.right);

    // Closed from a timer while the caller's loop runs.
    RunInLoop([]() { CExtPopupMenuWnd::CancelMenuTracking(); });
    LoopWhileTracking();
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    EXPECT_FALSE(m_pButton->IsOwnMenuOpen());
    Pump();
    EXPECT_TRUE(m_pDlg->m_commands.empty());
}

TEST_F(ButtonDropDownTest, TheMenuOpensBesideTheButtonWhenAskedTo)
{
    m_pButton->m_dwMenuOpt = CExtPopupMenuWnd::TRACK_ALIGN_RIGHT_OF;
    m_pButton->OnClick(false, false);
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    const CRect rcButton = ButtonRect();
    const CRect rcPopup = PopupRect();
    EXPECT_GE(rcPopup.left, rcButton.right - 2);
    EXPECT_LT(rcPopup.left, rcButton.right + 8);
    EXPECT_LT(rcPopup.top, rcButton.bottom);
    CExtPopupMenuWnd::CancelMenuTracking();
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
}

TEST_F(ButtonDropDownTest, ADismissedAdoptingMenuChangesAndSendsNothing)
{
    m_pButton->m_nStateFlags |= CExtButton::kStateAdoptCmd;
    RunInLoop([]() { CExtPopupMenuWnd::CancelMenuTracking(); });
    m_pButton->OnClick(false, false);
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    Pump();
    EXPECT_EQ(m_pButton->GetDlgCtrlID(), 150);
    EXPECT_TRUE(m_pDlg->m_commands.empty());
}

TEST_F(ButtonDropDownTest, ContinueTrackMenuOpensTheMenuAndAnswersOne)
{
    EXPECT_EQ(::SendMessageW(m_pButton->m_hWnd, CExtToolControlBar::g_nMsgContinueTrackMenu, 0, 1), 1);
    EXPECT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    EXPECT_TRUE(m_pButton->IsOwnMenuOpen());
    CExtPopupMenuWnd::CancelMenuTracking();
    Pump();
    EXPECT_TRUE(m_pDlg->m_commands.empty());
}

// The drop-down menu, tracked for real, paints its items on the screen in every style, and a real
// click on one delivers its command to the button's parent.
TEST_F(ButtonDropDownTest, TheMenuShowsItsItemsAndAClickDeliversTheCommandInEveryStyle)
{
    m_pDlg->m_enabled = {kFirst, kSecond};
    // Rarely used items shown, as the program has them.
    const bool bHideRarelyUsed = CExtPopupMenuWnd::g_bHideRarelyUsed;
    CExtPopupMenuWnd::g_bHideRarelyUsed = false;
    CExtPaintManager* styles[] = {new CExtPaintManager, new CExtPaintManagerXP, new CExtPaintManagerOffice2003,
                                  new CExtPaintManagerStudio2005};
    for (CExtPaintManager* pPM : styles)
    {
        SCOPED_TRACE(pPM->GetRuntimeClass()->m_lpszClassName);
        UsePaintManager(pPM);
        m_pDlg->m_commands.clear();
        m_pDlg->SetForegroundWindow();
        m_pButton->OnClick(false, false);
        ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
        CExtPopupMenuWnd* pPopup = g_TrackingSite.GetInstance();
        EXPECT_TRUE(WaitFor([]() { return g_TrackingSite.GetAnimatingPopup() == nullptr; }));
        CRect rcItem;
        pPopup->GetItemRect(1, rcItem, true);
        ASSERT_FALSE(rcItem.IsRectEmpty());
        // The item's text: dark pixels where the face alone would show none.
        const std::unique_ptr<DibCanvas> shot = Capture(pPopup->GetSafeHwnd());
        int nDark = 0;
        for (int y = rcItem.top; y < rcItem.bottom; ++y)
            for (int x = rcItem.left; x < rcItem.right; ++x)
            {
                const COLORREF c = shot->At(x, y);
                nDark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 96;
            }
        EXPECT_GT(nDark, 20);

        const CPoint pt = ScreenPoint(pPopup->GetSafeHwnd(), rcItem.CenterPoint().x, rcItem.CenterPoint().y);
        RunInputScript([&]() {
            SendMouse(pt.x, pt.y, 0);
            SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
            SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
        });
        EXPECT_TRUE(WaitFor([]() { return !CExtPopupMenuWnd::IsMenuTracking(); }));
        EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
        CExtPopupMenuWnd::CancelMenuTracking();
        EXPECT_TRUE(WaitFor([&]() { return !m_pDlg->m_commands.empty(); }));
        Pump();
        ASSERT_EQ(m_pDlg->m_commands.size(), 1u);
        EXPECT_EQ(m_pDlg->m_commands[0].nId, kSecond);
    }
    m_pDlg->m_enabled.clear();
    CExtPopupMenuWnd::g_bHideRarelyUsed = bHideRarelyUsed;
}

TEST_F(ButtonDropDownTest, AnAdoptingMenuTakesTheChosenCommandItsTextAndSendsItOnce)
{
    m_pDlg->m_enabled = {kFirst, kSecond};
    CExtCmdItem cmd(kSecond);
    cmd.m_sMenuText = L"Second";
    cmd.m_sToolbarText = L"Kedua";
    ASSERT_TRUE(g_CmdManagerHolder->SetupCommand(L"ButtonDropDownTest", cmd, true));
    m_pButton->m_nStateFlags |= CExtButton::kStateAdoptCmd;
    m_pButton->m_nStateFlags2 |= CExtButton::kAdoptTextAndIcon;
    // Rarely used items shown, as the program has them.
    const bool bHideRarelyUsed = CExtPopupMenuWnd::g_bHideRarelyUsed;
    CExtPopupMenuWnd::g_bHideRarelyUsed = false;
    bool bEaten = false;
    RunInLoop([&bEaten]() {
        CExtPopupMenuWnd* pPopup = g_TrackingSite.GetInstance();
        if (pPopup == nullptr)
            return;
        CRect rcItem;
        pPopup->GetItemRect(1, rcItem);
        bool bPassOn = false;
        bEaten = pPopup->HandleMouseClick(WM_LBUTTONUP, rcItem.CenterPoint().x, rcItem.CenterPoint().y, bPassOn);
    });
    m_pButton->OnClick(false, false);
    CExtPopupMenuWnd::g_bHideRarelyUsed = bHideRarelyUsed;
    EXPECT_TRUE(bEaten);
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    Pump();
    EXPECT_EQ(m_pButton->GetDlgCtrlID(), (int)kSecond);
    CString strText;
    m_pButton->GetWindowText(strText);
    EXPECT_EQ(strText, L"Kedua");
    ASSERT_EQ(m_pDlg->m_commands.size(), 1u);
    EXPECT_EQ(m_pDlg->m_commands[0].nId, kSecond);
    EXPECT_EQ(m_pDlg->m_commands[0].hWnd, m_pButton->GetSafeHwnd());
}
