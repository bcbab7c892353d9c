// The menu bar on the platform's MDI frame: the hooked client (also one made after the bar), the document and right
// buttons of a maximized child, their sub-buttons, clicks and tips, the document menu and the window-menu name.
#include <algorithm>
#include <gtest/gtest.h>
#include "MenuBarTestSupport.h"
#include "TabTestSupport.h"
#include "support/InputScript.h"
#include "platform/MdiFrameWnd.h"
#include "toolkit/bars_tabs/ExtBarMdiDocButton.h"
#include "toolkit/bars_tabs/ExtBarMdiRightButton.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

using namespace menutest;

namespace
{

const wchar_t* const kMdiProfile = L"MenuBarMdi";

// The MDI frame, recording the system commands it receives.
class CRecordingMdiFrame : public CMDIFrameWnd
{
public:
    std::vector<UINT> m_sysCommands;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SYSCOMMAND)
            m_sysCommands.push_back((UINT)(wParam & 0xFFF0));
        return CMDIFrameWnd::WindowProc(message, wParam, lParam);
    }
};

// One MDI frame for the tests of this file, with the test menu.
CRecordingMdiFrame* MdiFrame()
{
    static CRecordingMdiFrame* s_pFrame = nullptr;
    static HMENU s_hMenu = nullptr;
    if (s_pFrame == nullptr)
    {
        s_pFrame = new CRecordingMdiFrame;
        EXPECT_TRUE(s_pFrame->Create(nullptr, L"MDI host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                     CRect(80, 80, 720, 520), nullptr, MAKEINTRESOURCEW(IDR_MS_MENU)));
        s_hMenu = ::GetMenu(s_pFrame->m_hWnd);
        s_pFrame->m_hMenuDefault = s_hMenu;
        g_CmdManagerHolder->CreateProfile(kMdiProfile, s_pFrame->m_hWnd);
        EXPECT_TRUE(CExtControlBar::SetupFrameDocking(s_pFrame));
        s_pFrame->ShowWindow(SW_SHOW);
        EXPECT_TRUE(SettleInput([] { PumpPlatform(0); })); // the focus events, before a test holds Alt
    }
    if (::GetMenu(s_pFrame->m_hWnd) == nullptr)
        ::SetMenu(s_pFrame->m_hWnd, s_hMenu);
    return s_pFrame;
}

class MenuBarMdi : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = MdiFrame();
        m_pBar = CreateMenuBar(m_pFrame);
        ASSERT_NE(m_pBar, nullptr);
    }
    void TearDown() override
    {
        for (CMDIChildWnd* pChild : m_children)
            if (::IsWindow(pChild->GetSafeHwnd()))
                pChild->MDIDestroy();
        PumpPlatform(20);
        DestroyMenuBar(m_pBar);
    }
    CMDIChildWnd* Child(DWORD dwStyle = WS_OVERLAPPEDWINDOW, DWORD dwExStyle = 0, bool bIcon = true)
    {
        auto* pChild = new CMDIChildWnd; // deletes itself with its window
        LPCTSTR pszClass =
            bIcon ? nullptr : (LPCTSTR)AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW));
        if (!pChild->Create(pszClass, L"Dokumen", WS_CHILD | WS_VISIBLE | dwStyle, CFrameWnd::rectDefault, m_pFrame))
            return nullptr;
        if (dwExStyle != 0)
            pChild->ModifyStyleEx(0, dwExStyle);
        m_children.push_back(pChild);
        PumpPlatform(20);
        return pChild;
    }
    void Maximize(CMDIChildWnd* pChild)
    {
        m_pFrame->MDIMaximize(pChild);
        PumpPlatform(40);
    }
    CExtBarButton* First() const { return m_pBar->GetButton(0); }
    CExtBarButton* Last() const { return m_pBar->GetButton(m_pBar->GetButtonsCount() - 1); }
    CExtBarMdiRightButton* Right() const
    {
        CExtBarButton* p = Last();
        return p != nullptr && p->IsKindOf(RUNTIME_CLASS(CExtBarMdiRightButton)) ? (CExtBarMdiRightButton*)p : nullptr;
    }
    MdiRightButtonInfo Info() const
    {
        MdiRightButtonInfo info;
        m_pBar->QueryMdiRightButtonInfo(info);
        return info;
    }
    // A client point of the right button's sub-button.
    CPoint SubButtonPoint(CRect MdiRightButtonInfo::*pRect) const
    {
        MdiRightButtonInfo info = Info();
        info.LayoutIn(Right()->GetRect(), true);
        return (info.*pRect).CenterPoint();
    }

    CMDIFrameWnd* m_pFrame = nullptr;
    CExtMenuControlBar* m_pBar = nullptr;
    std::vector<CMDIChildWnd*> m_children;
};

} // namespace

TEST_F(MenuBarMdi, TheClientIsHookedAndAMaximizedChildHasTheDocumentAndRightButtons)
{
    EXPECT_TRUE(m_pBar->IsMdiMode());
    EXPECT_TRUE(m_pBar->IsAttachedToWindow(m_pFrame->m_hWndMDIClient));
    const int nPlain = m_pBar->GetButtonsCount();
    CMDIChildWnd* pChild = Child();
    ASSERT_NE(pChild, nullptr);
    EXPECT_EQ(m_pBar->GetButtonsCount(), nPlain);
    Maximize(pChild);
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetButtonsCount() == nPlain + 2; }));
    EXPECT_TRUE(First()->IsKindOf(RUNTIME_CLASS(CExtBarMdiDocButton)));
    EXPECT_NE(Right(), nullptr);
    EXPECT_EQ(First()->GetMenu(), ::GetSystemMenu(pChild->m_hWnd, FALSE));
    EXPECT_EQ(static_cast<CExtBarMdiDocButton*>(First())->GetCmdTargetWnd()->GetSafeHwnd(), pChild->m_hWnd);
    m_pFrame->MDIRestore(pChild);
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetButtonsCount() == nPlain; }));
    EXPECT_FALSE(First()->IsKindOf(RUNTIME_CLASS(CExtBarMdiDocButton)));
}

TEST(MenuBarMdiLate, AClientCreatedAfterTheBarIsHookedByTheTimer)
{
    auto* pFrame = new CMenuHostFrame; // deletes itself with its window
    ASSERT_TRUE(pFrame->CreateHost(CRect(0, 0, 400, 300)));
    auto* pBar = new CExtMenuControlBar;
    pBar->m_nOptionFlags |= CExtMenuControlBar::kOptMdiMode;
    ASSERT_TRUE(pBar->Create(L"Menu bar", pFrame, 0xA201));
    CLIENTCREATESTRUCT ccs = {nullptr, 0xFF00};
    HWND hWndClient = ::CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, pFrame->m_hWnd,
                                        nullptr, AfxGetInstanceHandle(), &ccs);
    ASSERT_NE(hWndClient, nullptr);
    EXPECT_FALSE(pBar->IsAttachedToWindow(hWndClient));
    EXPECT_TRUE(PumpUntil([&] { return pBar->IsAttachedToWindow(hWndClient); }));
    EXPECT_FALSE(::KillTimer(pBar->m_hWnd, CExtMenuControlBar::kTimerFindClient)); // stopped
    pFrame->DestroyWindow();
    delete pBar;
}

TEST_F(MenuBarMdi, SubButtonsFollowTheChildsStyles)
{
    Maximize(Child(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME));
    MdiRightButtonInfo info = Info();
    EXPECT_EQ(info.m_nFlags, MdiRightButtonInfo::kValid | MdiRightButtonInfo::kClose);
    EXPECT_EQ(info.m_sizeTotal.cx, 2 + info.m_sizeButton.cx + 2);
    ::EnableMenuItem(::GetSystemMenu(m_children.back()->m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_EQ(Info().m_nFlags, MdiRightButtonInfo::kValid);
    Maximize(Child(WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX, WS_EX_CONTEXTHELP));
    EXPECT_EQ(Info().m_nFlags, MdiRightButtonInfo::kValid | MdiRightButtonInfo::kClose | MdiRightButtonInfo::kMaximize |
                                   MdiRightButtonInfo::kHelp);
    Maximize(Child(WS_OVERLAPPEDWINDOW, WS_EX_CONTEXTHELP));
    info = Info();
    EXPECT_EQ(info.m_nFlags, MdiRightButtonInfo::kValid | MdiRightButtonInfo::kClose | MdiRightButtonInfo::kMaximize |
                                 MdiRightButtonInfo::kMinimize | MdiRightButtonInfo::kHelp);
    // The sub-buttons lie side by side in the order help, minimize, restore, close.
    info.LayoutIn(CRect(0, 0, info.m_sizeTotal.cx, info.m_sizeTotal.cy), true);
    EXPECT_EQ(info.m_rcHelp.left, 2);
    EXPECT_LT(info.m_rcHelp.right, info.m_rcMinimize.left);
    EXPECT_LT(info.m_rcMinimize.right, info.m_rcRestore.left);
    EXPECT_LT(info.m_rcRestore.right, info.m_rcClose.left);
    EXPECT_LE(info.m_rcClose.right, info.m_sizeTotal.cx);
    EXPECT_TRUE(info.m_rcMaximize.IsRectEmpty());
}

TEST_F(MenuBarMdi, MinimizePostsTheSystemCommandAndMaximizeRestoresThroughTheClient)
{
    CMDIChildWnd* pChild = Child();
    Maximize(pChild);
    ASSERT_TRUE(PumpUntil([&] { return Right() != nullptr; }));
    Right()->OnClick(SubButtonPoint(&MdiRightButtonInfo::m_rcMinimize), false);
    EXPECT_TRUE(PumpUntil([&] { return pChild->IsIconic() != FALSE; }));
    // A child with a maximize box only: its one sub-button restores it.
    CMDIChildWnd* pOther = Child(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX);
    Maximize(pOther);
    ASSERT_TRUE(PumpUntil([&] { return Right() != nullptr && m_pFrame->MDIGetActive() == pOther; }));
    EXPECT_TRUE(pOther->IsZoomed());
    Right()->OnClick(SubButtonPoint(&MdiRightButtonInfo::m_rcMaximize), false);
    EXPECT_TRUE(PumpUntil([&] { return pOther->IsZoomed() == FALSE; }));
}

TEST_F(MenuBarMdi, TheDocumentButtonHasNoIconForAChildWithout)
{
    CMDIChildWnd* pPlain = Child(WS_OVERLAPPEDWINDOW, 0, false);
    pPlain->SendMessage(WM_SETICON, ICON_SMALL, 0);
    pPlain->SendMessage(WM_SETICON, ICON_BIG, 0);
    Maximize(pPlain);
    ASSERT_TRUE(PumpUntil([&] { return First()->IsKindOf(RUNTIME_CLASS(CExtBarMdiDocButton)); }));
    EXPECT_EQ(First()->GetIconPtr(), nullptr);
    HICON hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    pPlain->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    static_cast<CExtBarMdiDocButton*>(First())->SetChildWnd(nullptr);
    CExtCmdIcon* pIcon = First()->GetIconPtr();
    ASSERT_NE(pIcon, nullptr);
    EXPECT_EQ(pIcon->GetSize().cx, 16);
}

TEST_F(MenuBarMdi, TipsOfTheSubButtons)
{
    Maximize(Child());
    ASSERT_TRUE(PumpUntil([&] { return Right() != nullptr; }));
    const CPoint ptMin = SubButtonPoint(&MdiRightButtonInfo::m_rcMinimize);
    TOOLINFO ti = {};
    ti.cbSize = sizeof ti;
    EXPECT_EQ(Right()->BuildTipText(ptMin, &ti), (INT_PTR)CExtBarMdiRightButton::kTipMinimize);
    EXPECT_TRUE(CRect(ti.rect).PtInRect(ptMin));
    ASSERT_NE(ti.lpszText, LPSTR_TEXTCALLBACKW);
    EXPECT_EQ(CString(ti.lpszText), CString(L"Perkecil jendela menjadi ikon"));
    free(ti.lpszText);
    // No string for close in these resources: the text is asked for later.
    const CPoint ptClose = SubButtonPoint(&MdiRightButtonInfo::m_rcClose);
    TOOLINFO ti2 = {};
    ti2.cbSize = sizeof ti2;
    EXPECT_EQ(Right()->BuildTipText(ptClose, &ti2), (INT_PTR)CExtBarMdiRightButton::kTipClose);
    EXPECT_EQ(ti2.lpszText, LPSTR_TEXTCALLBACKW);
    EXPECT_EQ(Right()->OnHelpHitTest(SubButtonPoint(&MdiRightButtonInfo::m_rcRestore)),
              (int)CExtBarMdiRightButton::kTipRestore);
    EXPECT_EQ(Right()->BuildTipText(CPoint(-50, -50), nullptr), -1);
}

TEST_F(MenuBarMdi, TheDocumentMenuReplacesTheButtonsAndTheWindowMenuNameMarksItsButton)
{
    m_pBar->SetMdiWindowPopupName(L" &Window ");
    HMENU hDoc = ::LoadMenuW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MS_DOC_MENU));
    ASSERT_NE(hDoc, nullptr);
    ::SendMessageW(m_pFrame->m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hDoc, (LPARAM)::GetSubMenu(hDoc, 2));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetButtonsCount() == 3; }));
    EXPECT_EQ(m_pBar->GetDocumentMenu(), hDoc);
    EXPECT_EQ(m_pBar->GetButton(1)->GetText(), CString(L"&Document"));
    EXPECT_TRUE(m_pBar->GetButton(2)->IsMdiWindowsListAppended());
    EXPECT_FALSE(m_pBar->GetButton(1)->IsMdiWindowsListAppended());
    EXPECT_EQ(::GetMenu(m_pFrame->m_hWnd), nullptr);
    HMENU hFrameMenu = m_pBar->GetFrameMenu();
    ::SendMessageW(m_pFrame->m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hFrameMenu, 0);
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetButtonsCount() == 5; }));
    EXPECT_TRUE(m_pBar->GetButton(3)->IsMdiWindowsListAppended());
    // The document menu stays its owner's.
    EXPECT_TRUE(::IsMenu(hDoc));
    ::DestroyMenu(hDoc);
}

namespace
{
// The same frame driven by real input.
class MenuBarMdiScreen : public MenuBarMdi
{
protected:
    void SetUp() override
    {
        MenuBarMdi::SetUp();
        ::SetForegroundWindow(m_pFrame->m_hWnd);
        ::SetActiveWindow(m_pFrame->m_hWnd);
        EXPECT_TRUE(SettleInput([] { PumpPlatform(0); })); // the focus events, before a test holds Alt
    }
    void TearDown() override
    {
        if (::GetAsyncKeyState(VK_MENU) & 0x8000)
            Key(VK_MENU, false);
        MenuBarMdi::TearDown();
    }
};
} // namespace

TEST_F(MenuBarMdiScreen, AltMinusOpensTheMaximizedChildsSystemMenuFromTheDocumentButton)
{
    CMDIChildWnd* pChild = Child();
    Maximize(pChild);
    ASSERT_TRUE(PumpUntil([&] { return Right() != nullptr; }));
    pChild->SetFocus();
    AltTap(VK_OEM_MINUS);
    ASSERT_TRUE(PumpUntil([&] { return CExtPopupMenuWnd::IsMenuTracking(); }));
    EXPECT_NE(m_pBar->m_nTrackingFlags & CExtMenuControlBar::kTrackSystemMenu, 0);
    EXPECT_EQ(m_pBar->GetMenuTrackingButton(), 0);
    Tap(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !CExtPopupMenuWnd::IsMenuTracking(); }));
    // Without a maximized child Alt+minus only consumes the Alt.
    m_pFrame->MDIRestore(pChild);
    PumpPlatform(40);
    pChild->SetFocus();
    std::vector<UINT>& sysCommands = MdiFrame()->m_sysCommands;
    sysCommands.clear();
    AltTap(VK_OEM_MINUS);
    // The keys are handled; a while longer for what they might post.
    PumpPlatform(50);
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    EXPECT_FALSE(m_pBar->IsFlatTracking());
    // Nor does the release of Alt reach the default procedure as a lone Alt (the native menu mode).
    EXPECT_EQ(std::count(sysCommands.begin(), sysCommands.end(), (UINT)SC_KEYMENU), 0);
}

TEST_F(MenuBarMdi, AfterADropAtTheBottomEdgeTheMdiButtonsAreAtTheEndsAgain)
{
    Maximize(Child());
    ASSERT_TRUE(PumpUntil([&] { return Right() != nullptr; }));
    // The drag's notifications around a move to the bottom edge.
    m_pBar->NotifyDragStart();
    m_pFrame->DockControlBar(m_pBar, AFX_IDW_DOCKBAR_BOTTOM);
    m_pBar->NotifyDragEnd(CExtControlBar::g_DragStateShown, CExtControlBar::g_DragStateComputed, false);
    m_pFrame->RecalcLayout();
    PumpPlatform(50);
    ASSERT_EQ(CExtControlBar::GetDockBarId(m_pBar), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_TRUE(First()->IsKindOf(RUNTIME_CLASS(CExtBarMdiDocButton)));
    ASSERT_NE(Right(), nullptr);
    CRect rcClient;
    m_pBar->GetClientRect(&rcClient);
    EXPECT_GE(Right()->GetRect().right, rcClient.right - 6);
    m_pFrame->DockControlBar(m_pBar, AFX_IDW_DOCKBAR_TOP);
}

TEST_F(MenuBarMdiScreen, DraggedByItsGripperToTheBottomEdgeTheMdiButtonsAreAtTheEndsAgain)
{
    Maximize(Child());
    ASSERT_TRUE(PumpUntil([&] { return Right() != nullptr; }));
    ASSERT_EQ(CExtControlBar::GetDockBarId(m_pBar), (UINT)AFX_IDW_DOCKBAR_TOP);
    CRect rcWnd;
    m_pBar->GetWindowRect(&rcWnd);
    const CRect rcCaption = m_pBar->GetCaptionRect();
    ASSERT_FALSE(rcCaption.IsRectEmpty());
    const CPoint ptGrip(rcWnd.left + rcCaption.CenterPoint().x, rcWnd.top + rcCaption.CenterPoint().y);
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    m_pFrame->ClientToScreen(&rcClient);
    RunInputScript([&] { SendMouseDrag(ptGrip, CPoint(rcClient.CenterPoint().x, rcClient.bottom - 3)); });
    ASSERT_TRUE(PumpUntil([&] { return CExtControlBar::GetDockBarId(m_pBar) == (UINT)AFX_IDW_DOCKBAR_BOTTOM; }));
    ASSERT_EQ(CExtControlBar::GetDockBarId(m_pBar), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
    m_pFrame->RecalcLayout();
    CRect rcBar;
    EXPECT_TRUE(PumpUntil([&] {
        m_pBar->GetClientRect(&rcBar);
        return First()->IsKindOf(RUNTIME_CLASS(CExtBarMdiDocButton)) && Right() != nullptr &&
               Right()->GetRect().right >= rcBar.right - 6;
    }));
    EXPECT_TRUE(First()->IsKindOf(RUNTIME_CLASS(CExtBarMdiDocButton)));
    ASSERT_NE(Right(), nullptr);
    m_pBar->GetClientRect(&rcBar);
    EXPECT_GE(Right()->GetRect().right, rcBar.right - 6);
    EXPECT_LE(Right()->GetRect().right, rcBar.right);
    m_pFrame->DockControlBar(m_pBar, AFX_IDW_DOCKBAR_TOP);
}

TEST_F(MenuBarMdi, ABarDestroyedWhileHoldingTheDocumentMenuLeavesItToItsOwner)
{
    HMENU hDoc = ::LoadMenuW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MS_DOC_MENU));
    ASSERT_NE(hDoc, nullptr);
    ::SendMessageW(m_pFrame->m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hDoc, 0);
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetButtonsCount() == 3; }));
    HMENU hFrameMenu = m_pBar->GetFrameMenu();
    DestroyMenuBar(m_pBar);
    m_pBar = nullptr;
    EXPECT_TRUE(::IsMenu(hDoc));
    EXPECT_TRUE(::IsMenu(hFrameMenu));
    ::DestroyMenu(hDoc);
}

TEST_F(MenuBarMdi, BehindAChevronTheButtonsPutTheChildsSystemMenuAndItsCommandsIntoThePopup)
{
    Maximize(Child());
    ASSERT_TRUE(PumpUntil([&] { return Right() != nullptr; }));
    // The document button is never disabled.
    First()->ModifyStyle(TBBS_DISABLED);
    EXPECT_EQ(First()->GetStyle() & TBBS_DISABLED, 0u);
    auto* pPopup = new CExtPopupMenuWnd;
    ASSERT_TRUE(pPopup->CreatePopupMenu(m_pFrame->m_hWnd));
    ASSERT_TRUE(First()->PutToPopupMenu(pPopup));
    ASSERT_EQ(pPopup->GetItemCount(), 2);
    CExtPopupMenuWnd* pSub = pPopup->GetItemAt(0).GetPopup();
    ASSERT_NE(pSub, nullptr);
    EXPECT_GT(pSub->GetItemCount(), 3);
    EXPECT_TRUE(pPopup->GetItemAt(1).IsSeparator());
    ASSERT_TRUE(Right()->PutToPopupMenu(pPopup));
    std::vector<int> ids;
    for (int i = 2; i < pPopup->GetItemCount(); ++i)
        ids.push_back(pPopup->ItemGetCmdID(i));
    EXPECT_EQ(ids, (std::vector<int>{SC_MINIMIZE, SC_RESTORE, SC_MAXIMIZE, SC_CLOSE}));
    delete pPopup;
}
