// System events sent to a docking frame reach the paint manager through the frame's outer dock
// bar: a change of the display depth or of the system colours shows in the bars' next paint.
#include <gtest/gtest.h>
#include "DockingHost.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerXP.h"

namespace
{

class FrameSystemEvents : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CDockingHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost(60, 60, 640, 480, true));
        g_PaintManagerHolder.InstallPaintManager(new CExtPaintManagerXP);
        // The frame passes the events to its descendants as the application's main window.
        m_pOldMain = AfxGetThread()->m_pMainWnd;
        AfxGetThread()->m_pMainWnd = m_pFrame;
        m_pBar = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"Folders");
        ASSERT_NE(m_pBar, nullptr);
        ShowAndPaint(m_pFrame);
    }
    void TearDown() override
    {
        CExtPaintManager::SetBitsPerPixelOverride(0);
        AfxGetThread()->m_pMainWnd = m_pOldMain;
        m_pFrame->DestroyWindow();
        g_PaintManagerHolder.DropKeptSystemAnswers();
        g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager);
    }
    // Whether the middle of the bar's client area shows clr after a repaint (waits, bounded).
    bool BarShows(COLORREF clr)
    {
        m_pBar->m_wndChild.ShowWindow(SW_HIDE);
        m_pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
        const CRect rc = ClientScreenRectOf(m_pBar);
        return WaitFor([&]() { return ScreenPixel(rc.CenterPoint().x, rc.CenterPoint().y) == clr; });
    }
    COLORREF Face() { return g_PaintManagerHolder->GetTranslatedColor(XCLR_FACE_NORMAL, m_pBar); }

    CDockingHostFrame* m_pFrame = nullptr;
    CHostResizableBar* m_pBar = nullptr;
    CWnd* m_pOldMain = nullptr;
};

// Restores the system colours it changes.
class ScopedSysColor
{
public:
    ScopedSysColor(int nIndex, COLORREF clr) : m_nIndex(nIndex), m_clrOld(::GetSysColor(nIndex))
    {
        ::SetSysColors(1, &m_nIndex, &clr);
    }
    ~ScopedSysColor() { ::SetSysColors(1, &m_nIndex, &m_clrOld); }

private:
    int m_nIndex;
    COLORREF m_clrOld;
};

} // namespace

TEST_F(FrameSystemEvents, ADepthChangeShowsInTheNextPaintAfterADisplayOrSettingChange)
{
    const UINT kMessages[] = {WM_DISPLAYCHANGE, WM_SETTINGCHANGE};
    for (UINT nMsg : kMessages)
    {
        CExtPaintManager::SetBitsPerPixelOverride(0);
        m_pFrame->SendMessage(WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
        const COLORREF clrDeep = Face();
        ASSERT_TRUE(BarShows(clrDeep)) << nMsg;
        CExtPaintManager::GetDisplayBitsPerPixel();
        ASSERT_TRUE(CExtPaintManager::IsDisplayBitsPerPixelKept()) << nMsg;
        // At 8 bits per pixel the XP face is the plain system face, not its lighter tint.
        CExtPaintManager::SetBitsPerPixelOverride(8);
        const WPARAM wParam = nMsg == WM_DISPLAYCHANGE ? 8 : 0;
        const LPARAM lParam = nMsg == WM_DISPLAYCHANGE ? MAKELPARAM(1280, 1024) : 0;
        m_pFrame->SendMessage(nMsg, wParam, lParam);
        // The kept screen depth is asked again after the change.
        EXPECT_FALSE(CExtPaintManager::IsDisplayBitsPerPixelKept()) << nMsg;
        const COLORREF clrLow = Face();
        EXPECT_EQ(clrLow, ::GetSysColor(COLOR_3DFACE)) << nMsg;
        EXPECT_NE(clrLow, clrDeep) << nMsg;
        EXPECT_TRUE(BarShows(clrLow)) << nMsg;
    }
}

TEST_F(FrameSystemEvents, ASystemColourChangeShowsInTheNextPaint)
{
    CExtPaintManager::SetBitsPerPixelOverride(8);
    m_pFrame->SendMessage(WM_DISPLAYCHANGE, 8, MAKELPARAM(1280, 1024));
    ASSERT_TRUE(BarShows(::GetSysColor(COLOR_3DFACE)));
    const COLORREF clrNew = RGB(0x30, 0x90, 0x50);
    ScopedSysColor color(COLOR_3DFACE, clrNew);
    ASSERT_EQ(::GetSysColor(COLOR_3DFACE), clrNew);
    m_pFrame->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(Face(), clrNew);
    EXPECT_TRUE(BarShows(clrNew));
}

TEST_F(FrameSystemEvents, AThemeOrDisplayChangeSentToABarItselfMakesItAskForTheFramesLayout)
{
    const UINT kMessages[] = {WM_THEMECHANGED, WM_DISPLAYCHANGE};
    for (UINT nMsg : kMessages)
    {
        m_pFrame->m_nIdleFlags = 0;
        const WPARAM wParam = nMsg == WM_DISPLAYCHANGE ? 32 : 0;
        const LPARAM lParam = nMsg == WM_DISPLAYCHANGE ? MAKELPARAM(1280, 1024) : 0;
        m_pBar->SendMessage(nMsg, wParam, lParam);
        EXPECT_EQ(m_pFrame->m_nIdleFlags & (CFrameWnd::idleLayout | CFrameWnd::idleNotify),
                  (UINT)(CFrameWnd::idleLayout | CFrameWnd::idleNotify))
            << nMsg;
    }
    // Nothing else asks: the same flags stay clear without the message.
    m_pFrame->m_nIdleFlags = 0;
    m_pBar->SendMessage(WM_NULL);
    EXPECT_EQ(m_pFrame->m_nIdleFlags, 0u);
}
