// The control popup base: size with the left area, no animation, shadows only when switched on, the
// wheel without a control, and button presses and releases outside a top-level control popup.
#include "SpecialPopupTestSupport.h"
#include "support/InputScript.h"
#include "toolkit/menus_dialogs/ExtPopupControlMenuWnd.h"
#include <commctrl.h>
#include <gtest/gtest.h>

typedef CExtPopupControlMenuWnd P;

class PopupControlTest : public SpecialPopupTest
{
protected:
    void TearDown() override
    {
        P::g_bShadowsOn = false;
        SpecialPopupTest::TearDown();
    }
    P* NewPopup()
    {
        auto* pPopup = new P;
        EXPECT_TRUE(pPopup->CreatePopupMenu(Frame()));
        pPopup->m_nControlWidth = 120;
        pPopup->m_nControlHeight = 70;
        return pPopup;
    }
};

TEST_F(PopupControlTest, ContentGrowsByExactlyTheLeftAreaWidth)
{
    P* pPopup = NewPopup();
    CSize size, sizeWithArea;
    pPopup->CalcWindowSize(size);
    const int s = pPopup->GetShadowSize();
    EXPECT_EQ(size, CSize(120 + 2 * 2 + s, 70 + 2 * 2 + s));
    pPopup->SetLeftAreaWidth(23);
    pPopup->CalcWindowSize(sizeWithArea);
    EXPECT_EQ(sizeWithArea, CSize(size.cx + 23, size.cy));
    RECT rc;
    pPopup->GetControlRect(rc);
    EXPECT_EQ(CRect(rc), CRect(23 + 2, 2, 23 + 2 + 120, 2 + 70));
    delete pPopup;
}

TEST_F(PopupControlTest, OpensWithoutAnimationAndWithoutShadowUnlessSwitchedOn)
{
    CExtPopupMenuWnd::g_nDefaultAnimation = CExtPopupBaseWnd::ANIM_FADE;
    P* pPopup = NewPopup();
    ASSERT_TRUE(pPopup->TrackPopupMenu(0, 600, 300));
    EXPECT_EQ(pPopup->m_nAnimationKind, CExtPopupBaseWnd::ANIM_INSTANT);
    EXPECT_FALSE(pPopup->IsShadowEnabled());
    P::g_bShadowsOn = true;
    EXPECT_TRUE(pPopup->IsShadowEnabled());
    EXPECT_EQ(pPopup->GetControlWnd(), nullptr);
}

TEST_F(PopupControlTest, WithoutAControlTheWheelIsEaten)
{
    P* pPopup = NewPopup();
    ASSERT_TRUE(Show(pPopup));
    MOUSEHOOKSTRUCTEX mhs = {};
    mhs.mouseData = MAKELONG(0, WHEEL_DELTA);
    bool bWheelPassOn = false;
    EXPECT_TRUE(pPopup->OnMouseWheel(WM_MOUSEWHEEL, (LPARAM)&mhs, bWheelPassOn));
    bool bPassOn = false;
    EXPECT_FALSE(pPopup->HandleKey(VK_DOWN, 1, 0, bPassOn));
}

TEST_F(PopupControlTest, APressOutsideATopLevelControlPopupClosesItAReleaseDoesNot)
{
    P* pPopup = NewPopup();
    ASSERT_TRUE(Show(pPopup, 600, 300));
    bool bPassOn = false;
    EXPECT_TRUE(pPopup->HandleMouseClick(WM_LBUTTONUP, -200, -100, bPassOn));
    EXPECT_TRUE(pPopup->HandleMouseClick(WM_RBUTTONUP, -200, -100, bPassOn));
    Pump();
    ASSERT_FALSE(Site().IsEmpty());
    EXPECT_TRUE(::IsWindowVisible(pPopup->GetSafeHwnd()));
    EXPECT_FALSE(pPopup->HandleMouseClick(WM_LBUTTONDOWN, -200, -100, bPassOn));
    Pump();
    EXPECT_TRUE(Site().IsEmpty());
}

namespace
{
// A control popup whose control answers every wheel record "not handled", letting it through or not;
// it counts the wheel messages that reach its window and the control.
class CWheelControlPopup : public P
{
public:
    bool m_bLetThrough = false;
    int m_nWheelRecords = 0;
    int m_nCtlWheels = 0;

    int m_nPopupWheels = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MOUSEWHEEL)
            ++m_nPopupWheels;
        return P::WindowProc(message, wParam, lParam);
    }
    HWND CreateHostedControl(const RECT& rc) override
    {
        HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, rc.left, rc.top, rc.right - rc.left,
                                      rc.bottom - rc.top, GetSafeHwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SetWindowSubclass(hWnd, ControlProc, 1, (DWORD_PTR)this);
        return hWnd;
    }

private:
    static LRESULT CALLBACK ControlProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR dwRef)
    {
        if (message == P::g_nMsgControlInputRetranslate)
        {
            auto* pThis = (CWheelControlPopup*)dwRef;
            auto* pInfo = (P::CONTROLINPUTRETRANSLATEINFO*)wParam;
            if (pInfo->m_nKind == P::INPUT_MOUSE_WHEEL)
            {
                ++pThis->m_nWheelRecords;
                *pInfo->m_pbPassOn = pThis->m_bLetThrough;
            }
            return 0;
        }
        if (message == WM_MOUSEWHEEL)
            ++((CWheelControlPopup*)dwRef)->m_nCtlWheels;
        return ::DefSubclassProc(hWnd, message, wParam, lParam);
    }
};
} // namespace

TEST_F(PopupControlTest, AWheelTheControlLetsThroughIsDeliveredOtherwiseItIsEaten)
{
    CWheelCounter below;
    ASSERT_TRUE(below.Create());
    for (const bool bLetThrough : {false, true})
    {
        SCOPED_TRACE(bLetThrough ? "let through" : "kept");
        below.m_nWheels = 0;
        below.SetForegroundWindow();
        below.SetFocus();
        Pump();
        auto* pPopup = new CWheelControlPopup;
        ASSERT_TRUE(pPopup->CreatePopupMenu(Frame()));
        pPopup->m_bLetThrough = bLetThrough;
        ASSERT_TRUE(Show(pPopup, 550, 250));
        ASSERT_NE(pPopup->GetLiveControl(), nullptr);
        CRect rcPopup;
        pPopup->GetWindowRect(&rcPopup);
        const CPoint pt = rcPopup.CenterPoint();
        RunInputScript([&]() {
            SendMouse(pt.x, pt.y, 0);
            INPUT in = {};
            in.type = INPUT_MOUSE;
            in.mi.mouseData = (DWORD)-WHEEL_DELTA;
            in.mi.dwFlags = MOUSEEVENTF_WHEEL;
            ASSERT_EQ(::SendInput(1, &in, sizeof(INPUT)), 1u);
            EXPECT_TRUE(SyncInput());
        });
        EXPECT_TRUE(WaitFor([&]() { return pPopup->m_nWheelRecords != 0; }));
        if (bLetThrough)
        {
            EXPECT_TRUE(
                WaitFor([&]() { return below.m_nWheels + pPopup->m_nPopupWheels + pPopup->m_nCtlWheels != 0; }));
        }
        // The turn was handled: no second record and no delivery of a kept turn come meanwhile.
        const DWORD dwStart = ::GetTickCount();
        while (::GetTickCount() - dwStart < 50)
        {
            Pump();
            ::Sleep(5);
        }
        EXPECT_EQ(pPopup->m_nWheelRecords, 1);
        // Delivered to the focus window (Windows) or the window under the cursor (Wine), or to none.
        EXPECT_EQ(below.m_nWheels + pPopup->m_nPopupWheels + pPopup->m_nCtlWheels, bLetThrough ? 1 : 0);
        CExtPopupMenuWnd::CancelMenuTracking();
        Pump();
    }
    below.DestroyWindow();
}
