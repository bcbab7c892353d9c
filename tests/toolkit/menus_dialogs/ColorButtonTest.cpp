// The colour button: no WM_COMMAND, the popup on every click of a plain button, the split button's
// main part, the final notification of -1, the custom colour through the system dialog, the tool-bar
// tracking flag and the swatch on the face.
#include "SpecialPopupTestSupport.h"
#include "support/DibCanvas.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/menus_dialogs/ExtColorButton.h"
#include "toolkit/menus_dialogs/ExtPopupColorMenuWnd.h"
#include <gtest/gtest.h>

typedef CExtPopupColorMenuWnd C;

namespace
{
const LPARAM kCookie = (LPARAM)0x6123456789ABLL;

// A top-level window hosting the buttons: records WM_COMMAND and the colour notifications, and the
// tool bars' tracking flag when a menu is prepared for it.
class CButtonHost : public CWnd
{
public:
    std::vector<RecordedMessage> m_notes;
    int m_nCommands = 0;
    std::vector<bool> m_trackingAtPrepare;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND)
            ++m_nCommands;
        if (message == C::g_nMsgNotifyColorChanged || message == C::g_nMsgNotifyColorChangedFinally ||
            message == C::g_nMsgNotifyCustColor)
        {
            m_notes.push_back({message, wParam, lParam});
            return 0;
        }
        if (message == CExtPopupMenuWnd::g_nMsgPrepareMenu)
            m_trackingAtPrepare.push_back(CExtToolControlBar::g_bMenuTracking);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A tool bar of a fixed size that holds a button.
class CButtonBar : public CExtToolControlBar
{
public:
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override { return bHorz ? CSize(160, 40) : CSize(40, 160); }
    BOOL CreateBar(CWnd* pParent)
    {
        m_dwStyle = CBRS_TOP;
        return CWnd::CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"bar", WS_CHILD | WS_VISIBLE, 0, 0, 160, 40,
                              pParent->GetSafeHwnd(), (HMENU)(UINT_PTR)0x5300, nullptr);
    }
};

// Ends the next modal dialog owned by the window with the command; for the system colour dialog.
HWND g_hWndDialogOwner = nullptr;
UINT g_nDialogCommand = IDOK;
bool g_bDialogSeen = false;

BOOL CALLBACK FindOwnedDialog(HWND hWnd, LPARAM lParam)
{
    if (::GetWindow(hWnd, GW_OWNER) != (HWND)lParam || !::IsWindowVisible(hWnd))
        return TRUE;
    wchar_t szClass[16] = {};
    ::GetClassNameW(hWnd, szClass, 16);
    if (wcscmp(szClass, L"#32770") != 0)
        return TRUE;
    g_bDialogSeen = true;
    ::PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(g_nDialogCommand, BN_CLICKED), 0);
    return FALSE;
}

void CALLBACK EndDialogTimer(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindOwnedDialog, (LPARAM)g_hWndDialogOwner);
    if (g_bDialogSeen)
        ::KillTimer(nullptr, nId);
}
} // namespace

class ColorButtonTest : public SpecialPopupTest
{
protected:
    void SetUp() override
    {
        SpecialPopupTest::SetUp();
        // Hidden: hiding a shown window again costs seconds under Wine.
        ASSERT_TRUE(
            m_host.CreateEx(0, AfxRegisterWndClass(0), L"host", WS_POPUP, CRect(100, 600, 500, 800), nullptr, 0));
        m_pButton = NewButton(&m_host, BS_PUSHBUTTON);
    }
    void TearDown() override
    {
        SpecialPopupTest::TearDown();
        m_host.DestroyWindow();
        for (CExtColorButton* p : m_buttons)
            delete p;
    }
    CExtColorButton* NewButton(CWnd* pParent, DWORD dwStyle)
    {
        HWND hWnd = ::CreateWindowExW(0, L"button", L"Warna", WS_CHILD | WS_VISIBLE | dwStyle, 10, 10, 120, 26,
                                      pParent->GetSafeHwnd(), (HMENU)(UINT_PTR)0x101, nullptr, nullptr);
        auto* pButton = new CExtColorButton;
        EXPECT_TRUE(pButton->SubclassWindow(hWnd));
        pButton->m_lParamCookie = kCookie;
        m_buttons.push_back(pButton);
        return pButton;
    }
    std::vector<RecordedMessage> Notes(UINT nMsg) const
    {
        std::vector<RecordedMessage> out;
        for (const RecordedMessage& m : m_host.m_notes)
            if (m.m_nMsg == nMsg)
                out.push_back(m);
        return out;
    }
    static CExtPopupColorMenuWnd* OpenPopup()
    {
        CExtPopupMenuWnd* pTop = Site().GetInstance();
        return pTop != nullptr && pTop->IsKindOf(RUNTIME_CLASS(CExtPopupColorMenuWnd)) ? (CExtPopupColorMenuWnd*)pTop
                                                                                       : nullptr;
    }

    CButtonHost m_host;
    CExtColorButton* m_pButton = nullptr;
    std::vector<CExtColorButton*> m_buttons;
};

TEST_F(ColorButtonTest, APlainButtonOpensThePopupOnEveryClickAndNeverSendsACommand)
{
    m_pButton->m_clrSelected = RGB(0, 147, 0);
    m_pButton->m_bEnableBtnColorDefault = false;
    m_pButton->m_sBtnTextColorCustom = L"Lainnya";
    for (int i = 0; i < 2; ++i)
    {
        m_pButton->OnClick(false, false);
        CExtPopupColorMenuWnd* pPopup = OpenPopup();
        ASSERT_NE(pPopup, nullptr) << i;
        EXPECT_EQ(pPopup->m_clrInitialSelection, RGB(0, 147, 0));
        EXPECT_EQ(pPopup->GetSelectedCell(), 11);
        EXPECT_EQ(pPopup->m_dwButtons, (DWORD)C::BUTTON_CUSTOM);
        EXPECT_EQ(pPopup->m_sCustomText, CString(L"Lainnya"));
        EXPECT_EQ(pPopup->m_nNotifyCookie, kCookie);
        EXPECT_EQ(pPopup->GetCmdReceiverHWND(), m_pButton->GetSafeHwnd());
        CExtPopupMenuWnd::CancelMenuTracking();
    }
    m_pButton->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
    Pump();
    EXPECT_EQ(m_host.m_nCommands, 0);
    EXPECT_TRUE(m_pButton->HasDropDownMenu());
}

TEST_F(ColorButtonTest, ThePopupsNotificationsComeBackThroughTheButton)
{
    m_pButton->OnClick(false, false);
    CExtPopupColorMenuWnd* pPopup = OpenPopup();
    ASSERT_NE(pPopup, nullptr);
    for (int i = 0; i < 200 && !pPopup->IsAnimationFinished(); ++i) // the opening animation ends
    {
        ::Sleep(5);
        pPopup->OnTimerAnimation();
    }
    ASSERT_EQ(Site().GetAnimatingPopup(), nullptr);
    const CPoint pt = pPopup->GetCellRect(16).CenterPoint();
    bool bPassOn = false;
    EXPECT_TRUE(pPopup->HandleMouseMove(WM_MOUSEMOVE, pt.x, pt.y, bPassOn));
    EXPECT_TRUE(pPopup->HandleMouseClick(WM_LBUTTONUP, pt.x, pt.y, bPassOn));
    Pump();
    EXPECT_EQ(m_pButton->m_clrSelected, RGB(255, 0, 0));
    const auto changed = Notes(C::g_nMsgNotifyColorChanged);
    const auto finals = Notes(C::g_nMsgNotifyColorChangedFinally);
    ASSERT_EQ(changed.size(), 1u);
    ASSERT_EQ(finals.size(), 1u);
    EXPECT_EQ(finals[0].m_wParam, (WPARAM)RGB(255, 0, 0));
    EXPECT_EQ(finals[0].m_lParam, kCookie);
    EXPECT_EQ(m_host.m_nCommands, 0);
}

TEST_F(ColorButtonTest, ASplitButtonsMainPartNotifiesTheCurrentColourWithoutAPopup)
{
    m_pButton->m_nStateFlags |= CExtButton::kStateSplit;
    m_pButton->m_clrSelected = RGB(1, 2, 3);
    m_pButton->OnClick(false, false);
    EXPECT_TRUE(Site().IsEmpty());
    const auto finals = Notes(C::g_nMsgNotifyColorChangedFinally);
    ASSERT_EQ(finals.size(), 1u);
    EXPECT_EQ(finals[0].m_wParam, (WPARAM)RGB(1, 2, 3));
    EXPECT_EQ(finals[0].m_lParam, kCookie);
    m_pButton->OnClick(false, true);
    EXPECT_NE(OpenPopup(), nullptr);
    EXPECT_EQ(m_host.m_nCommands, 0);
}

TEST_F(ColorButtonTest, AFinalNotificationOfMinus1StoresBlackButPassesMinus1On)
{
    m_pButton->m_clrSelected = RGB(9, 9, 9);
    m_pButton->SendMessage(C::g_nMsgNotifyColorChangedFinally, (WPARAM)(COLORREF)-1, 77);
    EXPECT_EQ(m_pButton->m_clrSelected, RGB(0, 0, 0));
    const auto finals = Notes(C::g_nMsgNotifyColorChangedFinally);
    ASSERT_EQ(finals.size(), 1u);
    EXPECT_EQ(finals[0].m_wParam, (WPARAM)(COLORREF)-1);
    EXPECT_EQ(finals[0].m_lParam, 77);
}

TEST_F(ColorButtonTest, TheSystemDialogChoosesTheCustomColourOrChangesNothing)
{
    m_pButton->m_clrSelected = RGB(10, 20, 30);
    g_hWndDialogOwner = m_host.GetSafeHwnd();
    for (UINT nCommand : {(UINT)IDCANCEL, (UINT)IDOK})
    {
        g_nDialogCommand = nCommand;
        g_bDialogSeen = false;
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 50, &EndDialogTimer);
        EXPECT_EQ(m_pButton->SendMessage(C::g_nMsgNotifyCustColor, 0, 55), 0);
        ::KillTimer(nullptr, nTimer);
        EXPECT_TRUE(g_bDialogSeen) << nCommand;
        if (nCommand == IDCANCEL)
        {
            EXPECT_TRUE(m_host.m_notes.empty());
        }
    }
    const auto finals = Notes(C::g_nMsgNotifyColorChangedFinally);
    ASSERT_EQ(finals.size(), 1u);
    EXPECT_EQ(finals[0].m_wParam, (WPARAM)RGB(10, 20, 30));
    EXPECT_EQ(finals[0].m_lParam, 55);
    EXPECT_EQ(m_pButton->m_clrSelected, RGB(10, 20, 30));
}

TEST_F(ColorButtonTest, OnAToolBarTheTrackingFlagIsClearedBeforeOpeningAndSetAfter)
{
    CButtonBar bar;
    ASSERT_TRUE(bar.CreateBar(&m_host));
    CExtColorButton* pButton = NewButton(&bar, BS_PUSHBUTTON);
    CExtToolControlBar::g_bMenuTracking = true;
    EXPECT_TRUE(pButton->TrackDropDownMenu(false));
    ASSERT_NE(OpenPopup(), nullptr);
    EXPECT_EQ(m_host.m_trackingAtPrepare, std::vector<bool>{false});
    EXPECT_TRUE(CExtToolControlBar::g_bMenuTracking);
    EXPECT_EQ(OpenPopup()->GetCmdReceiverHWND(), m_host.GetSafeHwnd());
    CExtPopupMenuWnd::CancelMenuTracking();
    CExtToolControlBar::g_bMenuTracking = false;
    pButton->DestroyWindow();
    bar.DestroyWindow();
}

TEST_F(ColorButtonTest, TheFaceShowsASixteenPixelSwatchOfTheColour)
{
    const COLORREF clr = RGB(17, 203, 101);
    m_pButton->m_clrSelected = clr;
    CRect rcClient;
    m_pButton->GetClientRect(&rcClient);
    DibCanvas canvas(rcClient.Width(), rcClient.Height());
    m_pButton->PaintButton(canvas.dc, false);
    EXPECT_EQ(canvas.Count(CRect(0, 0, canvas.Width(), canvas.Height()), clr), 16 * 16);
    m_pButton->m_clrSelected = RGB(0, 0, 255);
    DibCanvas canvas2(rcClient.Width(), rcClient.Height());
    m_pButton->PaintButton(canvas2.dc, false);
    EXPECT_EQ(canvas2.Count(CRect(0, 0, canvas2.Width(), canvas2.Height()), clr), 0);
}
