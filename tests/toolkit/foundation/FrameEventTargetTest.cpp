// Which bar of a frame forwards system events (real frames, bars, tab windows and floating
// frames), and the events reaching the installed paint manager through the holder.
#include "platform/Platform.h"
#include "support/PlainControlBar.h"
#include "platform/ControlBar.h"
#include "platform/StatusBar.h"
#include "toolkit/bars_tabs/ExtStatusControlBar.h"
#include "toolkit/bars_tabs/ExtTabMdiWnd.h"
#include "toolkit/docking/ExtDockOuterBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/support/PaintHost.h"
#include <gtest/gtest.h>
#include <memory>

namespace
{

typedef CExtPaintManagerHolder Holder;

CFrameWnd* MakeHiddenFrame()
{
    auto* pFrame = new CFrameWnd;
    if (!pFrame->Create(nullptr, L"events", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)))
    {
        delete pFrame;
        return nullptr;
    }
    return pFrame; // deletes itself when destroyed
}

BOOL CreateChild(CWnd& wnd, CWnd* pParent, UINT nID)
{
    return wnd.CWnd::CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD, 0, 0, 80, 24, pParent->GetSafeHwnd(),
                              (HMENU)(UINT_PTR)nID, nullptr);
}

// A frame destroyed at the end of the test with everything in it.
struct FrameScope
{
    FrameScope() : pFrame(MakeHiddenFrame()) {}
    ~FrameScope()
    {
        if (pFrame != nullptr && ::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
    }
    CFrameWnd* pFrame;
};

// An MDI tab window that does not follow the MDI children.
class CNotMdiTabs : public CExtTabMdiWnd
{
public:
    bool IsMdiTabWindow() const override { return false; }
};

// A paint manager counting the events that reach it.
class CEventCounter : public CExtPaintManagerXP
{
public:
    LRESULT OnSysColorChange() override
    {
        m_nEvents++;
        return CExtPaintManagerXP::OnSysColorChange();
    }
    LRESULT OnSettingChange(UINT uFlags, LPCTSTR lpszSection) override
    {
        m_nEvents++;
        return CExtPaintManagerXP::OnSettingChange(uFlags, lpszSection);
    }
    LRESULT OnDisplayChange(int nBits, int cx, int cy) override
    {
        m_nEvents++;
        m_nLastBits = nBits;
        return CExtPaintManagerXP::OnDisplayChange(nBits, cx, cy);
    }
    LRESULT OnThemeChanged(WPARAM wParam, LPARAM lParam) override
    {
        m_nEvents++;
        return CExtPaintManagerXP::OnThemeChanged(wParam, lParam);
    }
    int m_nEvents = 0;
    int m_nLastBits = 0;
};

} // namespace

TEST(FrameEventTarget, AToolkitStatusBarAloneForwardsForItsFrame)
{
    FrameScope scope;
    ASSERT_NE(scope.pFrame, nullptr);
    CExtStatusControlBar status;
    ASSERT_TRUE(status.Create(scope.pFrame));
    CExtDockOuterBar top;
    ASSERT_TRUE(CreateChild(top, scope.pFrame, AFX_IDW_DOCKBAR_TOP));
    CPlainControlBar plain;
    ASSERT_TRUE(CreateChild(plain, scope.pFrame, 0xE850));
    EXPECT_TRUE(Holder::IsFrameEventTarget(&status));
    EXPECT_FALSE(Holder::IsFrameEventTarget(&top));
    EXPECT_FALSE(Holder::IsFrameEventTarget(&plain));
    EXPECT_FALSE(Holder::IsFrameEventTarget(scope.pFrame));
    // A status bar is a target wherever it is, even outside a frame.
    CExtStatusControlBar loose;
    EXPECT_TRUE(Holder::IsFrameEventTarget(&loose));
}

TEST(FrameEventTarget, WithoutAToolkitStatusBarTheFirstOuterDockBarDecides)
{
    FrameScope scope;
    ASSERT_NE(scope.pFrame, nullptr);
    CStatusBar platformStatus; // not a toolkit status bar: does not count
    ASSERT_TRUE(platformStatus.Create(scope.pFrame));
    CDockBar plainTop; // not an outer dock bar: does not count
    ASSERT_TRUE(CreateChild(plainTop, scope.pFrame, AFX_IDW_DOCKBAR_TOP));
    CExtDockOuterBar left, bottom, right;
    ASSERT_TRUE(CreateChild(left, scope.pFrame, AFX_IDW_DOCKBAR_LEFT));
    ASSERT_TRUE(CreateChild(right, scope.pFrame, AFX_IDW_DOCKBAR_RIGHT));
    EXPECT_TRUE(Holder::IsFrameEventTarget(&left)); // left comes before right
    EXPECT_FALSE(Holder::IsFrameEventTarget(&right));
    ASSERT_TRUE(CreateChild(bottom, scope.pFrame, AFX_IDW_DOCKBAR_BOTTOM));
    EXPECT_TRUE(Holder::IsFrameEventTarget(&bottom)); // bottom comes before left
    EXPECT_FALSE(Holder::IsFrameEventTarget(&left));
    EXPECT_FALSE(Holder::IsFrameEventTarget(&plainTop));
    EXPECT_FALSE(Holder::IsFrameEventTarget(&platformStatus));
}

TEST(FrameEventTarget, OtherwiseTheFirstMdiTabWindowInZOrderDecides)
{
    FrameScope scope;
    ASSERT_NE(scope.pFrame, nullptr);
    CExtTabWnd plainTabs;
    CNotMdiTabs notMdi;
    CExtTabMdiWnd first, second;
    ASSERT_TRUE(CreateChild(second, scope.pFrame, 0x101));
    ASSERT_TRUE(CreateChild(first, scope.pFrame, 0x102));
    ASSERT_TRUE(CreateChild(notMdi, scope.pFrame, 0x103));
    ASSERT_TRUE(CreateChild(plainTabs, scope.pFrame, 0x104));
    // Z order from the first child: plain tabs, not-MDI tabs, first, second.
    ::SetWindowPos(second.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetWindowPos(first.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetWindowPos(notMdi.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetWindowPos(plainTabs.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(::GetWindow(scope.pFrame->m_hWnd, GW_CHILD), plainTabs.m_hWnd);
    EXPECT_FALSE(plainTabs.IsMdiTabWindow());
    EXPECT_TRUE(first.IsMdiTabWindow());
    EXPECT_TRUE(Holder::IsFrameEventTarget(&first));
    EXPECT_FALSE(Holder::IsFrameEventTarget(&second));
    EXPECT_FALSE(Holder::IsFrameEventTarget(&notMdi));
    EXPECT_FALSE(Holder::IsFrameEventTarget(&plainTabs));
    // After the first MDI tab window goes, the second decides.
    first.DestroyWindow();
    EXPECT_TRUE(Holder::IsFrameEventTarget(&second));
}

TEST(FrameEventTarget, AFrameWithNoneOfTheseLetsEveryBarForward)
{
    FrameScope scope;
    ASSERT_NE(scope.pFrame, nullptr);
    CPlainControlBar a, b;
    ASSERT_TRUE(CreateChild(a, scope.pFrame, 0xE850));
    ASSERT_TRUE(CreateChild(b, scope.pFrame, 0xE851));
    EXPECT_TRUE(Holder::IsFrameEventTarget(&a));
    EXPECT_TRUE(Holder::IsFrameEventTarget(&b));
    // A window without a frame, and no window at all.
    CWnd lonely;
    ASSERT_TRUE(lonely.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr));
    EXPECT_TRUE(Holder::IsFrameEventTarget(&lonely));
    lonely.DestroyWindow();
    EXPECT_TRUE(Holder::IsFrameEventTarget(nullptr));
}

TEST(FrameEventTarget, ABarInAFloatingFrameIsJudgedForTheFrameThatOwnsIt)
{
    FrameScope scope;
    ASSERT_NE(scope.pFrame, nullptr);
    auto* pMini = new CExtMiniDockFrameWnd;
    ASSERT_TRUE(pMini->Create(scope.pFrame, CBRS_ALIGN_TOP));
    CPlainControlBar floating;
    ASSERT_TRUE(CreateChild(floating, &pMini->m_wndDockBar, 0xE860));
    EXPECT_TRUE(Holder::IsFrameEventTarget(&floating)); // the owner has no status bar yet

    CExtStatusControlBar status;
    ASSERT_TRUE(status.Create(scope.pFrame));
    EXPECT_FALSE(Holder::IsFrameEventTarget(&floating));
    EXPECT_FALSE(Holder::IsFrameEventTarget(pMini));
    EXPECT_TRUE(Holder::IsFrameEventTarget(&status));
    pMini->DestroyWindow();

    // A plain tool frame is no toolkit floating frame: its bars always forward.
    auto* pTool = new CMiniFrameWnd;
    ASSERT_TRUE(pTool->CreateEx(0, nullptr, L"tool", WS_POPUP | WS_CAPTION, CRect(0, 0, 50, 50), scope.pFrame));
    CPlainControlBar toolBar;
    ASSERT_TRUE(CreateChild(toolBar, pTool, 0xE861));
    EXPECT_TRUE(Holder::IsFrameEventTarget(&toolBar));
    pTool->DestroyWindow();
}

TEST(FrameEventTarget, OnlyTheTargetForwardsAndTheSameManagerReinitialises)
{
    painthost::ScopedStyle restore;
    auto* pm = new CEventCounter;
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(pm));
    FrameScope scope;
    ASSERT_NE(scope.pFrame, nullptr);
    CExtStatusControlBar status;
    ASSERT_TRUE(status.Create(scope.pFrame));
    CPlainControlBar other;
    ASSERT_TRUE(CreateChild(other, scope.pFrame, 0xE850));

    g_PaintManagerHolder.GetWheelScrollLines();
    EXPECT_EQ(g_PaintManagerHolder.OnSysColorChange(&other), 0);
    EXPECT_EQ(g_PaintManagerHolder.OnSettingChange(&other, SPI_SETNONCLIENTMETRICS, nullptr), 0);
    EXPECT_EQ(g_PaintManagerHolder.OnDisplayChange(&other, 16, 800, 600), 0);
    EXPECT_EQ(g_PaintManagerHolder.OnThemeChanged(&other, 0, 0), 0);
    EXPECT_EQ(pm->m_nEvents, 0);
    EXPECT_TRUE(g_PaintManagerHolder.m_bWheelLinesCached);

    // A damaged colour entry and a deleted font are rebuilt in place by the target's event.
    const COLORREF clrFace = pm->GetTranslatedColor(XCLR_FACE_NORMAL);
    pm->InstallColor(RGB(1, 2, 3), pm->GetTranslatedColorIndex(XCLR_FACE_NORMAL));
    pm->m_fontBold.DeleteObject();
    g_PaintManagerHolder.OnSysColorChange(&status);
    EXPECT_EQ(pm->m_nEvents, 1);
    EXPECT_EQ(pm->GetTranslatedColor(XCLR_FACE_NORMAL), clrFace);
    EXPECT_NE(pm->m_fontBold.GetSafeHandle(), nullptr);
    g_PaintManagerHolder.OnSettingChange(&status, 0, L"WindowMetrics");
    EXPECT_FALSE(g_PaintManagerHolder.m_bWheelLinesCached);
    g_PaintManagerHolder.OnDisplayChange(&status, 24, 1024, 768);
    EXPECT_EQ(pm->m_nLastBits, 24);
    g_PaintManagerHolder.OnThemeChanged(&status, 0, 0);
    EXPECT_EQ(pm->m_nEvents, 4);
    EXPECT_EQ(g_PaintManagerHolder.GetPM(), pm);
}

TEST(FrameEventTarget, TheColourTableKeepsItsSizeOverManyEvents)
{
    painthost::ScopedStyle restore;
    for (CRuntimeClass* pClass : {RUNTIME_CLASS(CExtPaintManagerOffice2003), RUNTIME_CLASS(painthost::CTestThemeColor)})
    {
        ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(pClass));
        CExtPaintManager* pm = g_PaintManagerHolder.GetPM();
        const INT_PTR nSize = pm->GetColorTableSize();
        for (int i = 0; i < 100; i++)
            g_PaintManagerHolder.OnSettingChange(nullptr, 0, nullptr);
        EXPECT_EQ(pm->GetColorTableSize(), nSize) << pClass->m_lpszClassName;
        EXPECT_EQ(g_PaintManagerHolder.GetPM(), pm);
    }
}
