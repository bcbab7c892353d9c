// Answers kept for the process until a system event: the display depth, the visual-style probe and
// the monitors answer as fresh queries do, and installing a manager again changes no colour.
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/support/PaintHost.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{

typedef CExtPaintManager PM;

int FreshDisplayBitsPerPixel()
{
    HDC hDC = ::GetDC(nullptr);
    const int n = ::GetDeviceCaps(hDC, BITSPIXEL);
    ::ReleaseDC(nullptr, hDC);
    return n;
}

// Every colour the installed manager answers: the table entries and the translated ids.
std::vector<COLORREF> InstalledColors()
{
    std::vector<COLORREF> colors;
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    for (int i = 0; i < (int)pPM->GetColorTableSize(); i++)
        colors.push_back(pPM->GetTranslatedColor(i, pPM, 0));
    for (int nBase : {1000, 2000, 3000})
        for (int id = nBase; id < nBase + 36; id++)
            colors.push_back(pPM->GetTranslatedColor(id, pPM, 0));
    return colors;
}

} // namespace

TEST(KeptSystemAnswers, TheKeptDepthAnswersLikeAFreshQueryAndTheOverrideStillWins)
{
    ASSERT_EQ(PM::GetBitsPerPixelOverride(), 0);
    const int nFresh = FreshDisplayBitsPerPixel();
    EXPECT_EQ(PM::GetDisplayBitsPerPixel(), nFresh);
    EXPECT_EQ(PM::GetDisplayBitsPerPixel(), nFresh);
    {
        painthost::ScopedBitsPerPixel depth(8);
        EXPECT_EQ(PM::GetDisplayBitsPerPixel(), 8);
        EXPECT_EQ(PM::GetDeviceBitsPerPixel(nullptr), 8);
    }
    // The override did not replace the kept answer; a dropped answer is asked again.
    EXPECT_EQ(PM::GetDisplayBitsPerPixel(), nFresh);
    g_PaintManagerHolder.DropKeptSystemAnswers();
    EXPECT_EQ(PM::GetDisplayBitsPerPixel(), nFresh);
    EXPECT_EQ(PM::GetDeviceBitsPerPixel(nullptr), nFresh);

    // Display DCs and memory DCs answer what BITSPIXEL answers for them, whatever is selected.
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = 4;
    bmi.bmiHeader.biHeight = 4;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 8;
    void* pBits = nullptr;
    HBITMAP hDib = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hDib);
    EXPECT_EQ(PM::GetDeviceBitsPerPixel(hScreen), ::GetDeviceCaps(hScreen, BITSPIXEL));
    EXPECT_EQ(PM::GetDeviceBitsPerPixel(hMem), ::GetDeviceCaps(hMem, BITSPIXEL));
    EXPECT_EQ(PM::GetSurfaceBitsPerPixel(hMem), ::GetDeviceCaps(hMem, BITSPIXEL));
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hDib);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
}

TEST(KeptSystemAnswers, ASecondInstallOfTheSameManagerChangesNoColour)
{
    painthost::ScopedStyle restore;
    for (int nKind = 1; nKind <= 4; nKind++)
    {
        ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(painthost::StyleClass(nKind)));
        const std::vector<COLORREF> first = InstalledColors();
        const BYTE nThemeFlags = g_PaintManagerHolder.GetThemeFlags();
        ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(painthost::StyleClass(nKind)));
        EXPECT_EQ(InstalledColors(), first) << "style " << nKind;
        // A fresh probe of everything gives the same answers as the kept ones.
        g_PaintManagerHolder.DropKeptSystemAnswers();
        ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(painthost::StyleClass(nKind)));
        EXPECT_EQ(InstalledColors(), first) << "style " << nKind;
        EXPECT_EQ(g_PaintManagerHolder.GetThemeFlags(), nThemeFlags);
    }
}

TEST(KeptSystemAnswers, AReloadOfTheThemeApiPutsBackWhatTheProbeAnswered)
{
    CExtPaintManagerHolder& h = g_PaintManagerHolder;
    h.DropKeptSystemAnswers();
    h.m_bUxThemeApiAvailable = false;
    h.LoadThemeApi();
    const int nScheme = h.m_eLunaScheme;
    const BYTE nFlags = h.GetThemeFlags();
    // What a reload must not keep: a scheme and flags that no probe answered.
    h.m_eLunaScheme = 3;
    h.m_bUxThemeApiAvailable = false;
    h.m_bTaskbandColorsValid = false;
    h.m_bAppThemed = !h.m_bAppThemed;
    h.LoadThemeApi();
    EXPECT_EQ(h.m_eLunaScheme, nScheme);
    EXPECT_EQ(h.GetThemeFlags(), nFlags);
    EXPECT_TRUE(h.m_bUxThemeApiAvailable);
}

TEST(KeptSystemAnswers, TheKeptMonitorsAnswerAsThePlatformDoes)
{
    g_PaintManagerHolder.DropKeptSystemAnswers();
    const CRect rects[] = {CRect(10, 10, 50, 50), CRect(-4000, -4000, -3990, -3990), CRect(5000, 20, 5100, 60),
                           CRect(30, 30, 30, 30), CRect(-100, 100, 200, 300)};
    for (const CRect& rc : rects)
    {
        MONITORINFO mi = {};
        mi.cbSize = sizeof mi;
        ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &mi));
        PM::MonitorParms mp;
        PM::GetMonitorParmsFromRect(mp, rc);
        EXPECT_EQ(mp.m_rcMonitor, CRect(mi.rcMonitor));
        EXPECT_EQ(mp.m_rcWorkArea, CRect(mi.rcWork));
        EXPECT_EQ(mp.m_bPrimaryMonitor, (mi.dwFlags & MONITORINFOF_PRIMARY) != 0);
        PM::GetMonitorParmsFromPoint(mp, rc.TopLeft());
        EXPECT_EQ(mp.m_rcMonitor, CRect(mi.rcMonitor));
    }
}

TEST(KeptSystemAnswers, TheNearestMonitorFollowsThePlatformRule)
{
    // Two screens side by side and a third below the second.
    const RECT monitors[3] = {{0, 0, 1280, 1024}, {1280, 0, 2560, 1024}, {1280, 1024, 2560, 2048}};
    EXPECT_EQ(PM::NearestMonitorIndex(monitors, 3, RECT{1300, 10, 1301, 11}), 1);
    // The larger share wins; an equal share goes to the first.
    EXPECT_EQ(PM::NearestMonitorIndex(monitors, 3, RECT{1200, 10, 1300, 20}), 0);
    EXPECT_EQ(PM::NearestMonitorIndex(monitors, 3, RECT{1270, 10, 1290, 20}), 0);
    EXPECT_EQ(PM::NearestMonitorIndex(monitors, 3, RECT{1500, 1020, 1510, 1040}), 2);
    // Outside every screen: the smallest squared gap.
    EXPECT_EQ(PM::NearestMonitorIndex(monitors, 3, RECT{-500, -500, -490, -490}), 0);
    EXPECT_EQ(PM::NearestMonitorIndex(monitors, 3, RECT{3000, 1500, 3010, 1510}), 2);
    EXPECT_EQ(PM::NearestMonitorIndex(monitors, 3, RECT{100, 1500, 110, 1510}), 0);
    EXPECT_EQ(PM::NearestMonitorIndex(monitors, 3, RECT{1000, 1400, 1010, 1410}), 2);
    // An empty rectangle counts as its top-left pixel; no monitors gives -1.
    EXPECT_EQ(PM::NearestMonitorIndex(monitors, 3, RECT{1300, 1100, 1300, 1100}), 2);
    EXPECT_EQ(PM::NearestMonitorIndex(monitors, 0, RECT{0, 0, 1, 1}), -1);
}
