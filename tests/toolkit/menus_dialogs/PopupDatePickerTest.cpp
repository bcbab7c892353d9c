// The date popup: its size from the calendar's metric, the calendar's month-list popup taking
// clicks, the relayed selection notifications, the content and the calendar's single deletion.
#include "SpecialPopupTestSupport.h"
#include "toolkit/extras/ExtDatePickerHeaderPopupWnd.h"
#include "toolkit/extras/ExtPopupDatePickerMenuWnd.h"
#include "toolkit/menus_dialogs/ExtPopupControlMenuWnd.h"
#include <gtest/gtest.h>

typedef CExtPopupDatePickerMenuWnd DP;
typedef CExtPopupInplaceDatePicker IDP;

namespace
{
const LPARAM kHighCookie = (LPARAM)0x5123456789ABLL;

// A calendar that counts its objects and deletions.
class CCountedPicker : public IDP
{
public:
    static int s_nLive;
    static int s_nDeleted;
    CCountedPicker() { ++s_nLive; }
    ~CCountedPicker() override
    {
        --s_nLive;
        ++s_nDeleted;
    }
};
int CCountedPicker::s_nLive = 0;
int CCountedPicker::s_nDeleted = 0;

class CCountedDatePopup : public DP
{
public:
    using DP::DP;

protected:
    IDP* NewDatePicker() override { return new CCountedPicker; }
};

struct SelectionLog
{
    bool m_bAnswer = false;
    std::vector<WPARAM> m_seen;
};

bool OnSelection(WPARAM wParam, LPVOID pCookie)
{
    auto* pLog = (SelectionLog*)pCookie;
    pLog->m_seen.push_back(wParam);
    return pLog->m_bAnswer;
}

bool OnContent(IDP& wndPicker, LPVOID pCookie)
{
    *(IDP**)pCookie = &wndPicker;
    return true;
}
} // namespace

class PopupDatePickerTest : public SpecialPopupTest
{
protected:
    void SetUp() override
    {
        SpecialPopupTest::SetUp();
        CCountedPicker::s_nLive = CCountedPicker::s_nDeleted = 0;
    }
    void TearDown() override
    {
        CExtPopupControlMenuWnd::g_bShadowsOn = false;
        SpecialPopupTest::TearDown();
    }
    CCountedDatePopup* NewPopup(int nColumns = 1, int nRows = 1)
    {
        auto* pPopup = new CCountedDatePopup(kHighCookie, nColumns, nRows);
        EXPECT_TRUE(pPopup->CreatePopupMenu(m_recorder.m_hWnd));
        return pPopup;
    }
    CMessageRecorder m_recorder;
};

TEST_F(PopupDatePickerTest, ATwoByOneGridHostsTwoMonthsAcrossInsideBorderAndShadow)
{
    CExtDatePickerWnd wndMeasure;
    wndMeasure.ModifyPickerStyle((DWORD)-1, DP::DEFAULT_PICKER_STYLE, false);
    CSize sizeTwo, sizeOne;
    wndMeasure.CalcWindowSize(sizeTwo, CSize(2, 1));
    wndMeasure.CalcWindowSize(sizeOne, CSize(1, 1));
    EXPECT_EQ(sizeTwo.cx - 2 * CExtDatePickerWnd::BORDER_SIZE, 2 * (sizeOne.cx - 2 * CExtDatePickerWnd::BORDER_SIZE));
    EXPECT_EQ(sizeTwo.cy, sizeOne.cy);

    CExtPopupControlMenuWnd::g_bShadowsOn = true;
    CCountedDatePopup* pPopup = NewPopup(2, 1);
    EXPECT_EQ(CSize(pPopup->m_nControlWidth, pPopup->m_nControlHeight), sizeTwo);
    CSize size;
    pPopup->CalcWindowSize(size);
    const int b = pPopup->GetMenuBorderSize(), s = pPopup->GetShadowSize();
    EXPECT_EQ(s, 4);
    EXPECT_EQ(size, CSize(sizeTwo.cx + 2 * b + s, sizeTwo.cy + 2 * b + s));
    ASSERT_TRUE(Show(pPopup));
    CRect rcCalendar;
    ASSERT_NE(pPopup->GetControlWnd(), nullptr);
    ::GetClientRect(pPopup->GetControlWnd(), &rcCalendar);
    EXPECT_EQ(rcCalendar.Size(), sizeTwo);
    CRect rcWindow;
    pPopup->GetWindowRect(&rcWindow);
    EXPECT_EQ(rcWindow.Size(), size);
}

TEST_F(PopupDatePickerTest, AClickOnTheMonthListPopupDoesNotCloseTheMenu)
{
    CCountedDatePopup* pPopup = NewPopup();
    ASSERT_TRUE(Show(pPopup, 300, 300));
    CExtDatePickerHeaderPopupWnd wndMonths;
    ASSERT_TRUE(wndMonths.CreateEx(WS_EX_TOPMOST | WS_EX_NOACTIVATE, AfxRegisterWndClass(0), L"", WS_POPUP,
                                   CRect(700, 300, 800, 400), nullptr, 0));
    wndMonths.ShowWindow(SW_SHOWNA);
    Pump();
    CPoint pt(750, 350);
    pPopup->ScreenToClient(&pt);
    bool bPassOn = false;
    EXPECT_FALSE(pPopup->HandleMouseClick(WM_LBUTTONDOWN, pt.x, pt.y, bPassOn));
    EXPECT_TRUE(bPassOn);
    Pump();
    EXPECT_FALSE(Site().IsEmpty());
    wndMonths.DestroyWindow();
    // Anywhere else a press outside closes it.
    bPassOn = false;
    EXPECT_FALSE(pPopup->HandleMouseClick(WM_LBUTTONDOWN, pt.x, pt.y, bPassOn));
    Pump();
    EXPECT_TRUE(Site().IsEmpty());
}

TEST_F(PopupDatePickerTest, SelectionsReachTheReceiverUnlessTheCallbackTakesThem)
{
    SelectionLog log;
    m_recorder.m_onMessage = [](UINT nMsg, WPARAM, LPARAM) -> LRESULT {
        return nMsg == CExtDatePickerWnd::g_nMsgSelectionNotification ? 77 : 0;
    };
    CCountedDatePopup* pPopup = NewPopup();
    pPopup->m_pCbSelection = &OnSelection;
    pPopup->m_pSelectionCookie = &log;
    ASSERT_TRUE(Show(pPopup));
    CExtDatePickerWnd::SELECTION_NOTIFICATION sn = {};
    const HWND hWndCalendar = pPopup->GetControlWnd();
    EXPECT_EQ(::SendMessageW(pPopup->GetSafeHwnd(), CExtDatePickerWnd::g_nMsgSelectionNotification, (WPARAM)&sn,
                             (LPARAM)hWndCalendar),
              77);
    const auto relayed = m_recorder.Of(CExtDatePickerWnd::g_nMsgSelectionNotification);
    ASSERT_EQ(relayed.size(), 1u);
    EXPECT_EQ(relayed[0].m_wParam, (WPARAM)&sn);
    EXPECT_EQ(relayed[0].m_lParam, (LPARAM)hWndCalendar);
    log.m_bAnswer = true;
    EXPECT_EQ(::SendMessageW(pPopup->GetSafeHwnd(), CExtDatePickerWnd::g_nMsgSelectionNotification, (WPARAM)&sn, 0), 1);
    EXPECT_EQ(m_recorder.Count(CExtDatePickerWnd::g_nMsgSelectionNotification), 1u);
    EXPECT_EQ(log.m_seen, (std::vector<WPARAM>{(WPARAM)&sn, (WPARAM)&sn}));
}

TEST_F(PopupDatePickerTest, TheContentComesFromTheCallbackOrElseTheInitMessage)
{
    CCountedDatePopup* pPopup = NewPopup();
    ASSERT_TRUE(Show(pPopup));
    const auto inits = m_recorder.Of(IDP::g_nMsgPopupDatePickerInitContent);
    ASSERT_EQ(inits.size(), 1u);
    EXPECT_EQ(inits[0].m_lParam, kHighCookie);
    CWnd* pCalendar = CWnd::FromHandlePermanent(pPopup->GetControlWnd());
    EXPECT_EQ((CWnd*)(IDP*)inits[0].m_wParam, pCalendar);
    EXPECT_EQ((HFONT)::SendMessageW(pPopup->GetControlWnd(), WM_GETFONT, 0, 0), nullptr); // the stand-in keeps none
    CExtPopupMenuWnd::CancelMenuTracking();

    IDP* pFilled = nullptr;
    pPopup = NewPopup();
    pPopup->m_pCbContent = &OnContent;
    pPopup->m_pContentCookie = &pFilled;
    ASSERT_TRUE(Show(pPopup));
    EXPECT_EQ((CWnd*)pFilled, CWnd::FromHandlePermanent(pPopup->GetControlWnd()));
    EXPECT_EQ(m_recorder.Count(IDP::g_nMsgPopupDatePickerInitContent), 1u);
    EXPECT_EQ(::SendMessageW(pPopup->GetControlWnd(), WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
}

TEST_F(PopupDatePickerTest, DestroyingThePopupDeletesTheCalendarOnce)
{
    CCountedDatePopup* pPopup = NewPopup();
    ASSERT_TRUE(Show(pPopup));
    EXPECT_EQ(CCountedPicker::s_nLive, 1);
    bool bWheelPassOn = false;
    EXPECT_TRUE(pPopup->OnMouseWheel(WM_MOUSEWHEEL, 0, bWheelPassOn));
    CExtPopupMenuWnd::CancelMenuTracking();
    Pump();
    EXPECT_EQ(CCountedPicker::s_nLive, 0);
    EXPECT_EQ(CCountedPicker::s_nDeleted, 1);
}
