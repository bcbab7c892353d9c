// CExtResizablePropertySheet and CExtResizablePropertyPage: the deferred set-up, limits, anchors,
// toolkit buttons, wizard navigation, keys, embedding and placement.
#include "ResizableTestSupport.h"
#include "support/InputScript.h"
#include "toolkit/menus_dialogs/ExtResizablePropertyPage.h"
#include "toolkit/menus_dialogs/ExtResizablePropertySheet.h"
#include <functional>

namespace
{
typedef CExtResizablePropertySheet::CButtonInSheetHook CHook;
const UINT kIdApply = 0x3021;
const UINT kIdFinish = 0x3025;

// A page over a template in memory: an edit stretched over it.
class CTestPage : public CExtResizablePropertyPage
{
public:
    explicit CTestPage(LPCWSTR lpszTitle) : m_tpl(WS_CHILD | WS_DISABLED | WS_CAPTION, CRect(0, 0, 210, 120), lpszTitle)
    {
        m_tpl.AddItem(L"\x81", L"", WS_TABSTOP | WS_BORDER, CRect(8, 8, 200, 22), 101);
        m_tpl.AddItem(L"\x81", L"", WS_TABSTOP | WS_BORDER, CRect(8, 30, 200, 44), 102);
        m_psp.dwFlags |= PSP_DLGINDIRECT;
        m_psp.pResource = m_tpl.Get();
    }
    CDialogTemplateBuilder m_tpl;
};

class CTestSheet : public CExtResizablePropertySheet
{
public:
    CTestSheet() : m_pages{CTestPage(L"One"), CTestPage(L"Two"), CTestPage(L"Three")}
    {
        for (CTestPage& page : m_pages)
            AddPage(&page);
    }
    CTestPage m_pages[3];
    std::function<void()> m_onSetUp; // runs right after the set-up

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        const bool bSetUp = message == kMsgSetUp && (m_nSheetFlags & kSheetSetUp) == 0;
        const LRESULT lResult = CExtResizablePropertySheet::WindowProc(message, wParam, lParam);
        if (bSetUp && m_onSetUp)
            m_onSetUp();
        return lResult;
    }
};

CRect RectIn(HWND hWnd, HWND hWndParent)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(nullptr, hWndParent, (POINT*)&rc, 2);
    return rc;
}
} // namespace

class ResizableSheet : public ResizableTest
{
protected:
    void TearDown() override
    {
        if (m_pSheet != nullptr && m_pSheet->GetSafeHwnd() != nullptr)
            m_pSheet->DestroyWindow();
        delete m_pSheet;
        m_pSheet = nullptr;
        Pump();
        EXPECT_EQ(CHook::GetLiveCount(), 0);
        ResizableTest::TearDown();
        CString sKey;
        sKey.Format(L"Software\\%s", (LPCTSTR)ResizableTestApp().m_sRegistryKey);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, sKey);
    }
    // A modeless sheet (a wizard when asked), its set-up not yet run.
    CTestSheet* NewSheet(bool bWizard = false, DWORD dwStyle = (DWORD)-1)
    {
        m_pSheet = new CTestSheet;
        if (bWizard)
            m_pSheet->SetWizardMode();
        EXPECT_TRUE(m_pSheet->Create(m_pFrame, dwStyle));
        return m_pSheet;
    }
    HWND Item(UINT nId) const { return ::GetDlgItem(m_pSheet->GetSafeHwnd(), (int)nId); }
    CRect ItemRect(UINT nId) const { return RectIn(Item(nId), m_pSheet->GetSafeHwnd()); }
    HWND Tab() const { return (HWND)m_pSheet->SendMessage(PSM_GETTABCONTROL); }
    static void Grow(CWnd* pWnd, int dx, int dy)
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        pWnd->SetWindowPos(nullptr, 0, 0, rc.Width() + dx, rc.Height() + dy,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    CTestSheet* m_pSheet = nullptr;
};

TEST_F(ResizableSheet, BeforeTheSetUpNothingMovesAndAfterItTheButtonsAreToolkitButtonsTenPixelsLeft)
{
    CTestSheet* pSheet = NewSheet();
    EXPECT_EQ(pSheet->m_nSheetFlags & CTestSheet::kSheetSetUp, 0);
    EXPECT_NE(pSheet->GetStyle() & WS_THICKFRAME, 0u);
    const CRect rcOk = ItemRect(IDOK), rcTab = RectIn(Tab(), pSheet->GetSafeHwnd());
    MINMAXINFO mmi = {};
    mmi.ptMinTrackSize = CPoint(3, 4);
    pSheet->SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_EQ(CPoint(mmi.ptMinTrackSize), CPoint(3, 4));
    Grow(pSheet, 40, 30);
    EXPECT_EQ(ItemRect(IDOK), rcOk);
    EXPECT_EQ(RectIn(Tab(), pSheet->GetSafeHwnd()), rcTab);
    Grow(pSheet, -40, -30);

    Pump();
    ASSERT_NE(pSheet->m_nSheetFlags & CTestSheet::kSheetSetUp, 0);
    int nButtons = 0;
    for (UINT nId : {(UINT)IDOK, (UINT)IDCANCEL, kIdApply})
    {
        HWND hButton = Item(nId);
        ASSERT_NE(hButton, nullptr);
        EXPECT_NE(dynamic_cast<CHook*>(CWnd::FromHandlePermanent(hButton)), nullptr) << nId;
        EXPECT_EQ(::GetWindowLongW(hButton, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << nId;
        ++nButtons;
    }
    EXPECT_EQ(ItemRect(IDOK), CRect(rcOk.left - 10, rcOk.top, rcOk.right - 10, rcOk.bottom));
    EXPECT_GE(CHook::GetLiveCount(), nButtons);
}

TEST_F(ResizableSheet, TheSheetIsLimitedToItsSetUpSizeAndItsMonitorsWorkArea)
{
    CTestSheet* pSheet = NewSheet();
    Pump();
    CRect rcSetUp;
    pSheet->GetWindowRect(&rcSetUp);
    MINMAXINFO mmi = {};
    pSheet->SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    CRect rcWork;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    EXPECT_EQ(CPoint(mmi.ptMinTrackSize), CPoint(rcSetUp.Width(), rcSetUp.Height()));
    EXPECT_EQ(CPoint(mmi.ptMaxTrackSize), CPoint(rcWork.Width(), rcWork.Height()));
    EXPECT_EQ(CPoint(mmi.ptMaxSize), CPoint(rcWork.Width(), rcWork.Height()));
    EXPECT_EQ(CPoint(mmi.ptMaxPosition), rcWork.TopLeft());
    pSheet->MoveWindow(rcSetUp.left, rcSetUp.top, 60, 50);
    CRect rc;
    pSheet->GetWindowRect(&rc);
    EXPECT_EQ(rc.Size(), rcSetUp.Size());
    pSheet->MoveWindow(0, 0, rcWork.Width() + 300, rcWork.Height() + 200);
    pSheet->GetWindowRect(&rc);
    EXPECT_EQ(rc.Size(), rcWork.Size());
    pSheet->ShowWindow(SW_MAXIMIZE);
    pSheet->GetWindowRect(&rc);
    EXPECT_EQ(rc, rcWork);
}

TEST_F(ResizableSheet, GrowingMovesTheButtonsAndStretchesTheTabControlAndThePage)
{
    CTestSheet* pSheet = NewSheet();
    Pump();
    HWND hWndPage = pSheet->GetActivePage()->GetSafeHwnd();
    const CRect rcTab = RectIn(Tab(), pSheet->GetSafeHwnd()), rcPage = RectIn(hWndPage, pSheet->GetSafeHwnd());
    std::vector<std::pair<UINT, CRect>> buttons;
    for (UINT nId : {(UINT)IDOK, (UINT)IDCANCEL, kIdApply, (UINT)IDHELP})
        if (Item(nId) != nullptr)
            buttons.push_back({nId, ItemRect(nId)});
    ASSERT_GE(buttons.size(), 3u);
    Grow(pSheet, 37, 23);
    for (const auto& b : buttons)
        EXPECT_EQ(ItemRect(b.first),
                  CRect(b.second.left + 37, b.second.top + 23, b.second.right + 37, b.second.bottom + 23))
            << b.first;
    EXPECT_EQ(RectIn(Tab(), pSheet->GetSafeHwnd()), CRect(rcTab.left, rcTab.top, rcTab.right + 37, rcTab.bottom + 23));
    EXPECT_EQ(RectIn(hWndPage, pSheet->GetSafeHwnd()),
              CRect(rcPage.left, rcPage.top, rcPage.right + 37, rcPage.bottom + 23));
}

TEST_F(ResizableSheet, WizardPagesTakeTheOldPagesPlaceAndStaticsStretchAlongTheBottom)
{
    CTestSheet* pSheet = NewSheet(true);
    Pump();
    ASSERT_NE(pSheet->m_nSheetFlags & CTestSheet::kSheetSetUp, 0);
    HWND hWndStatic = nullptr;
    for (HWND h = ::GetWindow(pSheet->GetSafeHwnd(), GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        wchar_t szClass[32] = {};
        ::GetClassNameW(h, szClass, 31);
        if (::lstrcmpiW(szClass, L"static") == 0)
            hWndStatic = h;
    }
    ASSERT_NE(hWndStatic, nullptr);
    const CRect rcStatic = RectIn(hWndStatic, pSheet->GetSafeHwnd());
    Grow(pSheet, 31, 17);
    EXPECT_EQ(RectIn(hWndStatic, pSheet->GetSafeHwnd()),
              CRect(rcStatic.left, rcStatic.top + 17, rcStatic.right + 31, rcStatic.bottom + 17));
    const CRect rcFirst = RectIn(pSheet->GetActivePage()->GetSafeHwnd(), pSheet->GetSafeHwnd());
    pSheet->SendMessage(WM_COMMAND, CTestSheet::kIdWizNext);
    ASSERT_EQ(pSheet->GetActiveIndex(), 1);
    EXPECT_EQ(RectIn(pSheet->GetActivePage()->GetSafeHwnd(), pSheet->GetSafeHwnd()), rcFirst);
    pSheet->SendMessage(WM_COMMAND, CTestSheet::kIdWizNext);
    ASSERT_EQ(pSheet->GetActiveIndex(), 2);
    EXPECT_EQ(RectIn(pSheet->GetActivePage()->GetSafeHwnd(), pSheet->GetSafeHwnd()), rcFirst);
    pSheet->SendMessage(WM_COMMAND, CTestSheet::kIdWizBack);
    ASSERT_EQ(pSheet->GetActiveIndex(), 1);
    Grow(pSheet, 10, 10);
    EXPECT_EQ(RectIn(pSheet->GetActivePage()->GetSafeHwnd(), pSheet->GetSafeHwnd()),
              CRect(rcFirst.left, rcFirst.top, rcFirst.right + 10, rcFirst.bottom + 10));
}

TEST_F(ResizableSheet, ALaterPageIsAnchoredAtItsInitialisation)
{
    CTestSheet* pSheet = NewSheet();
    Pump();
    pSheet->SetActivePage(2);
    HWND hWndPage = pSheet->m_pages[2].GetSafeHwnd();
    ASSERT_NE(hWndPage, nullptr);
    RDI_t rdi;
    EXPECT_TRUE(pSheet->m_mapAnchors.Lookup(hWndPage, rdi));
    EXPECT_EQ(rdi.m_nRightBottomPercentX, 100);
}

TEST_F(ResizableSheet, TabMovesBetweenControlsAndCtrlTabTurnsPagesWithoutWrapping)
{
    CTestSheet* pSheet = NewSheet();
    Pump();
    pSheet->SetWindowPos(&CWnd::wndTopMost, 60, 60, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    pSheet->SetForegroundWindow();
    ::SetFocus(pSheet->GetActivePage()->GetDlgItem(101)->GetSafeHwnd());
    EXPECT_TRUE(SettleInput(Pump)); // the focus events of the activation, before a modifier is held
    ASSERT_EQ(::GetForegroundWindow(), pSheet->GetSafeHwnd());
    // The keys count while the focus is in the sheet: the common controls leave it nowhere when
    // the page it was on is hidden, so it goes back into the shown page first.
    auto press = [pSheet](std::initializer_list<WORD> mods) {
        if (::GetFocus() == nullptr)
            ::SetFocus(pSheet->GetActivePage()->GetDlgItem(101)->GetSafeHwnd());
        for (WORD vk : mods)
            SendKeyInput(vk, true);
        SendKeyInput(VK_TAB, true);
        SendKeyInput(VK_TAB, false);
        for (WORD vk : mods)
            SendKeyInput(vk, false);
        EXPECT_TRUE(PumpInput());
    };
    const HWND hFirst = ::GetFocus();
    press({});
    EXPECT_NE(::GetFocus(), hFirst);
    press({VK_SHIFT});
    EXPECT_EQ(::GetFocus(), hFirst);
    EXPECT_EQ(pSheet->GetActiveIndex(), 0);
    press({VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(pSheet->GetActiveIndex(), 0);
    for (int nExpected : {1, 2, 2})
    {
        press({VK_CONTROL});
        EXPECT_EQ(pSheet->GetActiveIndex(), nExpected);
    }
    press({VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(pSheet->GetActiveIndex(), 1);
}

TEST_F(ResizableSheet, AnEmbeddedSheetFillsItsClientAreaAndPassesUnknownCommandsToTheApplication)
{
    m_pFrame->ShowWindow(SW_SHOWNA);
    CTestSheet* pSheet = NewSheet(false, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    Pump();
    for (CSize sz : {CSize(420, 330), CSize(455, 361)})
    {
        pSheet->SetWindowPos(nullptr, 5, 5, sz.cx, sz.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rcClient;
        pSheet->GetClientRect(&rcClient);
        EXPECT_EQ(RectIn(Tab(), pSheet->GetSafeHwnd()), rcClient);
    }
    const int nBefore = ResizableTestApp().m_nAppCommands;
    EXPECT_TRUE(pSheet->OnCmdMsg(CResizableTestApp::kAppCommand, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(ResizableTestApp().m_nAppCommands, nBefore + 1);
    EXPECT_FALSE(pSheet->OnCmdMsg(0x7123, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(pSheet->OnCmdMsg(0xF123, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(ResizableTestApp().m_nAppCommands, nBefore + 1);
}

TEST_F(ResizableSheet, ThePlacementIsSavedAtOkCancelAndClose)
{
    for (UINT message : {(UINT)WM_COMMAND, (UINT)WM_CLOSE, (UINT)WM_SYSCOMMAND})
    {
        CTestSheet* pSheet = NewSheet();
        Pump();
        pSheet->EnableSaveRestore(L"WindowPos", L"Sheet");
        ResizableTestApp().WriteProfileString(L"WindowPos", L"Sheet", L"");
        const WPARAM wParam = message == WM_COMMAND ? IDCANCEL : message == WM_SYSCOMMAND ? SC_CLOSE : 0;
        pSheet->SendMessage(message, wParam, 0);
        EXPECT_FALSE(ResizableTestApp().GetProfileString(L"WindowPos", L"Sheet").IsEmpty()) << message;
        if (pSheet->GetSafeHwnd() != nullptr)
            pSheet->DestroyWindow();
        delete pSheet;
        m_pSheet = nullptr;
    }
}

TEST_F(ResizableSheet, AButtonWithAnObjectKeepsItAndNoHookIsLeftAlive)
{
    const int nLiveBefore = CHook::GetLiveCount();
    CTestSheet* pSheet = NewSheet();
    CButton own;
    ASSERT_TRUE(own.SubclassWindow(Item(IDOK)));
    Pump();
    ASSERT_NE(pSheet->m_nSheetFlags & CTestSheet::kSheetSetUp, 0);
    EXPECT_EQ(CWnd::FromHandlePermanent(Item(IDOK)), &own);
    int nButtons = 0;
    for (HWND h = ::GetWindow(pSheet->GetSafeHwnd(), GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        wchar_t szClass[32] = {};
        ::GetClassNameW(h, szClass, 31);
        if (::lstrcmpiW(szClass, L"button") == 0)
            ++nButtons;
    }
    EXPECT_EQ(CHook::GetLiveCount() - nLiveBefore, nButtons - 1);
    own.UnsubclassWindow();
    pSheet->DestroyWindow();
    EXPECT_EQ(CHook::GetLiveCount(), nLiveBefore);
}

TEST_F(ResizableSheet, AModalSheetIsSetUpAndEnds)
{
    CTestSheet sheet;
    sheet.m_pParentWnd = m_pFrame;
    bool bSetUp = false;
    sheet.m_onSetUp = [&]() {
        bSetUp = true;
        EXPECT_NE(dynamic_cast<CHook*>(CWnd::FromHandlePermanent(::GetDlgItem(sheet.GetSafeHwnd(), IDOK))), nullptr);
        RDI_t rdi;
        EXPECT_TRUE(sheet.m_mapAnchors.Lookup(sheet.GetActivePage()->GetSafeHwnd(), rdi));
        sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    };
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_TRUE(bSetUp);
}
