// A whole frame's chrome painted by an application-like Office 2003 theme manager: the docker area,
// three docked tool bars with their bands and grippers, a floating bar's frame and caption, a tab
// strip of eight items and a status bar of four panes with its gripper; against FillRect, FrameRect
// and DrawText of the same rectangles and texts. Target: within 4x.
#include "bench/BenchSupport.h"
#include "bench/BenchThemeColor.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{

using bench::CBenchThemeColor;
using bench::Seconds;

const int kWidth = 1024, kHeight = 768;
const wchar_t* const kTabs[8] = {L"Inbox", L"Outbox", L"Sent", L"Drafts", L"Kontak", L"Log", L"MyText", L"Cari"};

// Where the chrome lies on a 1024 x 768 frame.
struct Layout
{
    CRect rcDocker = CRect(0, 0, kWidth, 90);
    CRect rcBars[3] = {CRect(2, 2, 400, 28), CRect(2, 30, 300, 56), CRect(404, 2, 700, 28)};
    CRect rcFloatWindow = CRect(600, 200, 860, 420), rcFloatClient = CRect(604, 222, 856, 416);
    CRect rcFloatCaption = CRect(604, 204, 856, 222);
    CRect rcTabStrip = CRect(200, 600, 1000, 624), rcTabNear = CRect(200, 620, 1000, 624);
    CRect rcStatus = CRect(0, 744, kWidth, 768);
    CRect rcPanes[4] = {CRect(2, 748, 500, 766), CRect(502, 748, 700, 766), CRect(702, 748, 850, 766),
                        CRect(852, 748, 1000, 766)};
    CRect rcGripper = CRect(1004, 748, 1022, 766);

    CRect TabItem(int i) const { return CRect(204 + i * 96, 602, 204 + i * 96 + 92, 620); }
};

void PaintChrome(CExtPaintManager& pm, CDC& dc, const Layout& lay, CExtToolControlBar* pBars, CExtControlBar& floating)
{
    pm.PaintDockerArea(false, dc, lay.rcDocker, lay.rcDocker);
    for (int i = 0; i < 3; i++)
    {
        pm.PaintControlBarClientArea(dc, lay.rcBars[i], &pBars[i], 0);
        CRect rcGrip(lay.rcBars[i].left, lay.rcBars[i].top, lay.rcBars[i].left + 8, lay.rcBars[i].bottom);
        CExtPaintManager::CaptionPaintData grip(&pBars[i], rcGrip, rcGrip, false, false, false, false);
        pm.PaintControlBarFrame(dc, grip);
    }
    {
        const int nSaved = dc.SaveDC();
        CExtPaintManager::DockingFramePaintData frame(&floating, lay.rcFloatWindow, lay.rcFloatClient, true, true,
                                                      false);
        pm.PaintDockingFrame(dc, frame);
        dc.RestoreDC(nSaved);
        CExtPaintManager::CaptionPaintData caption(&floating, lay.rcFloatCaption, lay.rcFloatCaption, true, false,
                                                   false, true, L"SMS List");
        pm.PaintControlBarFrame(dc, caption);
    }
    pm.PaintTabClientArea(dc, lay.rcTabStrip, lay.rcTabStrip, lay.rcTabNear, 0, false, nullptr, 0);
    for (int i = 0; i < 8; i++)
    {
        const CSize size = dc.GetTextExtent(kTabs[i], lstrlenW(kTabs[i]));
        pm.PaintTabItem(dc, lay.rcTabStrip, true, true, i == 0, false, false, false, false, lay.TabItem(i), size,
                        &pm.m_fontNormal, kTabs[i], i, nullptr, nullptr, 0);
    }
    CExtPaintManager::StatusBarPanePaintData borders(nullptr, 1, 0x0F80, lay.rcStatus);
    pm.PaintStatusBarPane(dc, borders);
    for (const CRect& rc : lay.rcPanes)
    {
        CExtPaintManager::StatusBarPanePaintData pane(nullptr, 2, 0, rc);
        pm.PaintStatusBarPane(dc, pane);
    }
    pm.PaintResizingGripper(dc, lay.rcGripper, nullptr, 0);
}

// The same rectangles and texts with plain GDI calls.
void PaintPlain(CDC& dc, const Layout& lay, CBrush& brFill, CBrush& brFrame, CFont& font)
{
    dc.FillRect(&lay.rcDocker, &brFill);
    for (const CRect& rc : lay.rcBars)
    {
        dc.FillRect(&rc, &brFill);
        dc.FrameRect(&rc, &brFrame);
    }
    dc.FillRect(&lay.rcFloatWindow, &brFill);
    dc.FrameRect(&lay.rcFloatWindow, &brFrame);
    dc.FillRect(&lay.rcFloatCaption, &brFill);
    CFont* pOld = dc.SelectObject(&font);
    CRect rcCaption = lay.rcFloatCaption;
    dc.DrawText(L"SMS List", &rcCaption, DT_SINGLELINE | DT_VCENTER);
    dc.FillRect(&lay.rcTabStrip, &brFill);
    for (int i = 0; i < 8; i++)
    {
        CRect rc = lay.TabItem(i);
        dc.FillRect(&rc, &brFill);
        dc.FrameRect(&rc, &brFrame);
        dc.DrawText(kTabs[i], -1, &rc, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    dc.SelectObject(pOld);
    dc.FillRect(&lay.rcStatus, &brFill);
    for (const CRect& rc : lay.rcPanes)
        dc.FrameRect(&rc, &brFrame);
    dc.FrameRect(&lay.rcGripper, &brFrame);
}

} // namespace

int wmain()
{
    g_PaintManagerHolder.InstallPaintManager(new CBenchThemeColor);
    CExtPaintManager& pm = *g_PaintManagerHolder.GetPM();
    CDC dcScreen;
    dcScreen.Attach(::GetDC(nullptr));
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(&dcScreen, kWidth, kHeight);
    CBitmap* pOldBmp = dc.SelectObject(&bmp);
    const Layout lay;
    CExtToolControlBar bars[3];
    CExtControlBar floating;
    CBrush brFill, brFrame;
    brFill.CreateSolidBrush(pm.GetTranslatedColor(XCLR_FACE_NORMAL));
    brFrame.CreateSolidBrush(pm.GetTranslatedColor(COLOR_3DSHADOW));

    const int kFrames = 300;
    PaintChrome(pm, dc, lay, bars, floating); // warm up
    PaintPlain(dc, lay, brFill, brFrame, pm.m_fontNormal);
    std::vector<double> ratios;
    for (int nRun = 0; nRun < bench::kRuns; nRun++)
    {
        auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < kFrames; i++)
            PaintChrome(pm, dc, lay, bars, floating);
        ::GdiFlush();
        const double dChrome = Seconds(t0);
        t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < kFrames; i++)
            PaintPlain(dc, lay, brFill, brFrame, pm.m_fontNormal);
        ::GdiFlush();
        const double dPlain = Seconds(t0);
        std::printf("run %d: frame chrome %.3f ms per frame (paint manager) vs %.3f ms (FillRect/FrameRect/DrawText): "
                    "ratio %.2fx\n",
                    nRun + 1, dChrome * 1000.0 / kFrames, dPlain * 1000.0 / kFrames, dChrome / dPlain);
        ratios.push_back(dChrome / dPlain);
    }
    bench::PrintRatios("frame chrome against plain fills, frames and texts", ratios, 4.0);
    dc.SelectObject(pOldBmp);
    ::ReleaseDC(nullptr, dcScreen.Detach());
    return 0;
}
