// Monitor helpers under Xvfb (one monitor), rectangles kept on an area, and the transparent-
// background test on real controls of each class and button type.
#include <gtest/gtest.h>
#include "FoundationTestSupport.h"
#include "SavedHolderFacts.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

namespace
{
using PM = CExtPaintManager;
using MonitorParms = CExtPaintManager::MonitorParms;
} // namespace

TEST(Monitors, AFarPointOrNoWindowGetsTheOneScreen)
{
    const CRect rcScreen(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    MonitorParms mp;
    PM::GetMonitorParmsFromPoint(mp, CPoint(100000, -50000));
    EXPECT_EQ(mp.m_rcMonitor, rcScreen);
    EXPECT_TRUE(mp.m_bPrimaryMonitor);
    EXPECT_TRUE(rcScreen.PtInRect(mp.m_rcWorkArea.TopLeft()));

    MonitorParms fromRect, fromHwnd, fromWnd, desktop;
    PM::GetMonitorParmsFromRect(fromRect, CRect(5000, 5000, 5100, 5100));
    PM::GetMonitorParmsFromHwnd(fromHwnd, (HWND)(UINT_PTR)0x7FFF4);
    PM::GetMonitorParmsFromWnd(fromWnd, nullptr);
    PM::GetDesktopMonitorParms(desktop);
    for (const MonitorParms* p : {&fromRect, &fromHwnd, &fromWnd, &desktop})
    {
        EXPECT_EQ(p->m_rcMonitor, rcScreen);
        EXPECT_EQ(p->m_rcWorkArea, mp.m_rcWorkArea);
        EXPECT_TRUE(p->m_bPrimaryMonitor);
    }
}

TEST(Monitors, RectanglesOutsideTheAreaAreBroughtToItsEdge)
{
    const CRect area(100, 100, 500, 400);
    EXPECT_EQ(PM::AlignRectToArea(CRect(600, 150, 700, 200), area, false), CRect(400, 150, 500, 200));
    EXPECT_EQ(PM::AlignRectToArea(CRect(150, 450, 250, 500), area, false), CRect(150, 350, 250, 400));
    EXPECT_EQ(PM::AlignRectToArea(CRect(-100, 150, 0, 200), area, false), CRect(100, 150, 200, 200));
    EXPECT_EQ(PM::AlignRectToArea(CRect(150, 0, 250, 50), area, false), CRect(150, 100, 250, 150));
    // Off a corner: both edges.
    EXPECT_EQ(PM::AlignRectToArea(CRect(600, 500, 650, 520), area, false), CRect(450, 380, 500, 400));
    // Partly inside stays without keep-inside, moves in with it.
    EXPECT_EQ(PM::AlignRectToArea(CRect(450, 350, 550, 450), area, false), CRect(450, 350, 550, 450));
    EXPECT_EQ(PM::AlignRectToArea(CRect(450, 350, 550, 450), area, true), CRect(400, 300, 500, 400));
    EXPECT_EQ(PM::AlignRectToArea(CRect(50, 60, 150, 160), area, true), CRect(100, 100, 200, 200));
}

TEST(Monitors, ARectangleLargerThanTheAreaKeepsItsLeftAndTopEdgesThere)
{
    const CRect area(100, 100, 500, 400);
    EXPECT_EQ(PM::AlignRectToArea(CRect(0, 120, 600, 220), area, true), CRect(100, 120, 700, 220));
    EXPECT_EQ(PM::AlignRectToArea(CRect(300, 150, 900, 250), area, true), CRect(100, 150, 700, 250));
    EXPECT_EQ(PM::AlignRectToArea(CRect(120, 0, 220, 800), area, true), CRect(120, 100, 220, 900));
    const CRect moved = PM::AlignRectToArea(CRect(-50, -60, 1000, 900), area, true);
    EXPECT_EQ(moved.TopLeft(), area.TopLeft());
    EXPECT_EQ(moved.Size(), CSize(1050, 960));

    // The real monitor: a rectangle far away comes back onto the work area.
    MonitorParms mp;
    PM::GetMonitorParmsFromPoint(mp, CPoint(0, 0));
    const CRect rc = PM::AlignRectToMonitor(CRect(20000, 20000, 20100, 20050), true, true);
    EXPECT_EQ(rc.Size(), CSize(100, 50));
    EXPECT_EQ(rc.BottomRight(), mp.m_rcWorkArea.BottomRight());
}

namespace
{
HWND MakeControl(HWND hParent, LPCWSTR cls, DWORD style)
{
    return ::CreateWindowExW(0, cls, L"x", WS_CHILD | style, 0, 0, 50, 20, hParent, nullptr, nullptr, nullptr);
}
} // namespace

TEST(TransparentControls, ByClassAndButtonType)
{
    CRecordingWindow parent;
    EXPECT_TRUE(PM::IsBackgroundTransparentControl(MakeControl(parent.m_hWnd, L"Static", 0)));
    EXPECT_TRUE(PM::IsBackgroundTransparentControl(MakeControl(parent.m_hWnd, WC_TABCONTROLW, 0)));
    EXPECT_TRUE(PM::IsBackgroundTransparentControl(MakeControl(parent.m_hWnd, TRACKBAR_CLASSW, 0)));
    EXPECT_FALSE(PM::IsBackgroundTransparentControl(MakeControl(parent.m_hWnd, L"Edit", 0)));
    EXPECT_FALSE(PM::IsBackgroundTransparentControl(MakeControl(parent.m_hWnd, L"ListBox", 0)));
    EXPECT_FALSE(PM::IsBackgroundTransparentControl(nullptr));

    SavedHolderFacts saved;
    for (DWORD type = 0; type < 16; ++type)
    {
        HWND hButton = MakeControl(parent.m_hWnd, L"Button", type);
        ASSERT_NE(hButton, nullptr);
        // The style as the control keeps it decides.
        const DWORD kept = (DWORD)::GetWindowLongW(hButton, GWL_STYLE) & 0x0F;
        const bool expected = kept <= 7 || kept == 9;
        g_PaintManagerHolder.m_bTaskbandColorsValid = false;
        EXPECT_EQ(PM::IsBackgroundTransparentControl(hButton), expected) << type;
        EXPECT_EQ(PM::IsBackgroundTransparentControl(nullptr, 0, hButton), expected) << type;
        g_PaintManagerHolder.m_bTaskbandColorsValid = true;
        EXPECT_TRUE(PM::IsBackgroundTransparentControl(hButton)) << type;
    }
}
