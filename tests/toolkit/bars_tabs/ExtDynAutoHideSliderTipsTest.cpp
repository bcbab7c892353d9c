// The auto-hide slider's tool tips: the caption button under the pointer puts its tip on the slider's own tip
// control; no tip without the bar's tip flag or while a menu is open; none left after sliding in.
#include "DynTabsFixture.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtBarNcAreaButtonAutoHide.h"
#include "toolkit/docking/ExtBarNcAreaButtonClose.h"
#include <string>

namespace
{
class DynAutoHideTips : public DynTabsFixture
{
protected:
    // a auto-hidden and slid out without animation; the slider's rectangle on the screen.
    CRect SlideOutA()
    {
        CExtDynAutoHideSlider::g_nAnimationSteps = 0;
        EXPECT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
        Settle();
        m_pA->m_sizeVertDocked.cx = 160;
        m_pSlider->SlideRun(m_pA, true, false);
        PumpMessages();
        EXPECT_TRUE(m_pSlider->IsShown());
        return WindowRectOf(m_pSlider);
    }
    template <class TButton> CExtBarNcAreaButton* ButtonOf(CExtControlBar* pBar)
    {
        for (INT_PTR i = 0; i < pBar->NcButtonGetCount(); ++i)
        {
            if (pBar->NcButtonGet((int)i)->IsKindOf(RUNTIME_CLASS(TButton)))
                return pBar->NcButtonGet((int)i);
        }
        return nullptr;
    }
    // Pumps as the program's message loop does: each message passes the pre-translation of its windows first.
    void PumpTranslated()
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
                break;
            if (CWnd::WalkPreTranslateTree(m_pFrame->GetSafeHwnd(), &msg))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    // Pumps as PumpTranslated until no mouse or key input waits in the queue (bounded by kInputWaitMs).
    bool PumpTranslatedInput()
    {
        const DWORD dwStart = ::GetTickCount();
        for (;;)
        {
            PumpTranslated();
            if (HIWORD(::GetQueueStatus(QS_MOUSE | QS_KEY)) == 0)
                return true;
            if (::GetTickCount() - dwStart > kInputWaitMs)
                return false;
            ::Sleep(1);
        }
    }
    // Moves the pointer onto a screen point in two steps, as a user does, each handled (pre-translated as the
    // program's loop does) before the next.
    void HoverAt(const CPoint& pt)
    {
        for (const CPoint& ptStep : {CPoint(pt.x - 2, pt.y), pt})
        {
            SendMouse(ptStep.x, ptStep.y, 0);
            EXPECT_TRUE(PumpTranslatedInput());
        }
    }
    // The text of the slider's tip tool, empty without one.
    std::wstring ToolText() const
    {
        const CToolTipCtrl& tip = m_pSlider->GetTipCtrl();
        if (tip.GetToolCount() == 0)
            return std::wstring();
        wchar_t szText[1024] = {};
        TOOLINFOW ti = {};
        ti.cbSize = sizeof(ti);
        ti.hwnd = m_pSlider->GetSafeHwnd();
        ti.uId = CExtDynAutoHideSlider::kTipToolId;
        ti.lpszText = szText;
        ::SendMessageW(tip.GetSafeHwnd(), TTM_GETTEXTW, 1024, (LPARAM)&ti);
        return szText;
    }
};
} // namespace

TEST_F(DynAutoHideTips, TheCaptionButtonUnderThePointerShowsItsTipFromTheSlider)
{
    const CRect rc = SlideOutA();
    const CToolTipCtrl& tip = m_pSlider->GetTipCtrl();
    ASSERT_NE(tip.GetSafeHwnd(), nullptr);
    EXPECT_EQ(tip.GetToolCount(), 0);
    CExtBarNcAreaButton* pAutoHide = ButtonOf<CExtBarNcAreaButtonAutoHide>(m_pA);
    CExtBarNcAreaButton* pClose = ButtonOf<CExtBarNcAreaButtonClose>(m_pA);
    ASSERT_TRUE(pAutoHide != nullptr && pClose != nullptr);
    ASSERT_TRUE(pAutoHide->IsVisible() && pClose->IsVisible());
    // The buttons themselves answer no tip while their bar is auto-hidden.
    EXPECT_EQ(pAutoHide->OnToolHitTest(pAutoHide->m_rc.CenterPoint(), nullptr), -1);

    HoverAt(pAutoHide->m_rc.CenterPoint() + rc.TopLeft());
    EXPECT_EQ(m_pSlider->GetLastTipButton(), pAutoHide);
    EXPECT_EQ(tip.GetToolCount(), 1);
    EXPECT_EQ(ToolText(), L"Auto Hide");
    // The tool lies over the button, in the slider's client coordinates (the caption is outside the client area).
    TOOLINFOW ti = {};
    ASSERT_TRUE(const_cast<CToolTipCtrl&>(tip).GetToolInfo(&ti, m_pSlider, CExtDynAutoHideSlider::kTipToolId));
    CRect rcTool(ti.rect);
    m_pSlider->ClientToScreen(&rcTool);
    EXPECT_EQ(rcTool, CRect(pAutoHide->m_rc) + rc.TopLeft());
    // The relayed pointer makes the control show the tip after its delay.
    EXPECT_TRUE(WaitFor([&] { return tip.IsWindowVisible() != FALSE; }));

    HoverAt(pClose->m_rc.CenterPoint() + rc.TopLeft());
    EXPECT_EQ(m_pSlider->GetLastTipButton(), pClose);
    EXPECT_EQ(tip.GetToolCount(), 1);
    EXPECT_EQ(ToolText(), L"Hide");

    // Over the content window there is no tool.
    HoverAt(ClientScreenRectOf(m_pSlider).CenterPoint());
    EXPECT_EQ(m_pSlider->GetLastTipButton(), nullptr);
    EXPECT_EQ(tip.GetToolCount(), 0);
    EXPECT_TRUE(WaitFor([&] { return !tip.IsWindowVisible(); }));
    EXPECT_FALSE(tip.IsWindowVisible());
    m_pSlider->SlideRun(m_pA, false, false);
}

TEST_F(DynAutoHideTips, NoTipWithoutTheBarsTipFlagOrWhileAMenuIsOpenAndNoneAfterSlidingIn)
{
    const CRect rc = SlideOutA();
    const CToolTipCtrl& tip = m_pSlider->GetTipCtrl();
    CExtBarNcAreaButton* pClose = ButtonOf<CExtBarNcAreaButtonClose>(m_pA);
    ASSERT_NE(pClose, nullptr);
    const CPoint pt = pClose->m_rc.CenterPoint() + rc.TopLeft();

    m_pA->m_dwStyle &= ~CBRS_TOOLTIPS;
    HoverAt(pt);
    EXPECT_EQ(m_pSlider->GetLastTipButton(), nullptr);
    EXPECT_EQ(tip.GetToolCount(), 0);
    m_pA->m_dwStyle |= CBRS_TOOLTIPS;

    CExtToolControlBar::g_bMenuTracking = true;
    HoverAt(pt + CPoint(1, 0));
    EXPECT_EQ(m_pSlider->GetLastTipButton(), nullptr);
    EXPECT_EQ(tip.GetToolCount(), 0);
    CExtToolControlBar::g_bMenuTracking = false;

    HoverAt(pt);
    EXPECT_EQ(m_pSlider->GetLastTipButton(), pClose);
    EXPECT_EQ(tip.GetToolCount(), 1);
    // Sliding in takes the tool away with the bar.
    m_pSlider->SlideRun(m_pA, false, false);
    EXPECT_EQ(m_pSlider->GetLastTipButton(), nullptr);
    EXPECT_EQ(tip.GetToolCount(), 0);
    EXPECT_FALSE(tip.IsWindowVisible());
}

TEST_F(DynAutoHideTips, EachShownButtonKindHasItsBuiltInTipText)
{
    CString s;
    CExtBarNcAreaButtonAutoHide autoHide(m_pA);
    CExtBarNcAreaButtonClose close(m_pA);
    CExtBarNcAreaButton plain(m_pA);
    EXPECT_TRUE(CExtDynAutoHideSlider::QueryButtonTipText(&autoHide, s));
    EXPECT_EQ(std::wstring(s), L"Auto Hide");
    EXPECT_TRUE(CExtDynAutoHideSlider::QueryButtonTipText(&close, s));
    EXPECT_EQ(std::wstring(s), L"Hide");
    EXPECT_FALSE(CExtDynAutoHideSlider::QueryButtonTipText(&plain, s));
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_FALSE(CExtDynAutoHideSlider::QueryButtonTipText(nullptr, s));
}
