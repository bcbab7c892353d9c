// Repainting each of the colour control's sixteen models at 300 x 300 from its caches, against a BitBlt of a
// 300 x 300 bitmap plus the same marker rectangles drawn with plain GDI (target: every cached repaint at most 2x);
// the first render of the wheel and the cubes is printed too. Each ratio: min / median / max over three runs.
#include "bench/BenchSupport.h"
#include "platform/Dc.h"
#include "toolkit/extras/ExtColorCtrl.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <cstdio>
#include <vector>

namespace
{
constexpr int kSize = 300;
constexpr int kRepaints = 200;

// A top-down 32-bit DIB in a memory DC.
struct Canvas
{
    CDC dc;
    HBITMAP hBitmap = nullptr;
    HGDIOBJ hOld = nullptr;
    Canvas()
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = kSize;
        bmi.bmiHeader.biHeight = -kSize;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = nullptr;
        hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        dc.CreateCompatibleDC(nullptr);
        hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);
    }
    ~Canvas()
    {
        ::SelectObject(dc.GetSafeHdc(), hOld);
        ::DeleteObject(hBitmap);
    }
};

// The plain-GDI reference: one bitmap copy and two framed marker rectangles.
double PlainRepaint(Canvas& target)
{
    Canvas source;
    source.dc.FillSolidRect(0, 0, kSize, kSize, RGB(40, 120, 200));
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kRepaints; i++)
    {
        ::BitBlt(target.dc.GetSafeHdc(), 0, 0, kSize, kSize, source.dc.GetSafeHdc(), 0, 0, SRCCOPY);
        for (const RECT& rc0 : {RECT{100, 100, 106, 106}, RECT{50, 270, 56, 290}})
        {
            RECT rc = rc0;
            ::FrameRect(target.dc.GetSafeHdc(), &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
            ::InflateRect(&rc, 1, 1);
            ::FrameRect(target.dc.GetSafeHdc(), &rc, (HBRUSH)::GetStockObject(BLACK_BRUSH));
        }
    }
    ::GdiFlush();
    return bench::Seconds(t0);
}

double CachedRepaint(CExtColorCtrl::any_picker_data_t& model, Canvas& target)
{
    model.Paint(target.dc, nullptr); // fills the caches
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kRepaints; i++)
        model.Paint(target.dc, nullptr);
    ::GdiFlush();
    return bench::Seconds(t0);
}
} // namespace

int wmain()
{
    g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager);
    Canvas target;
    std::vector<std::vector<double>> ratios(CExtColorCtrl::kModeCount);
    for (int nRun = 0; nRun < bench::kRuns; nRun++)
    {
        CExtColorCtrl ctrl(0);
        for (int nMode = 0; nMode < CExtColorCtrl::kModeCount; nMode++)
        {
            CExtColorCtrl::any_picker_data_t& model = *ctrl.m_arrModels[nMode];
            const auto t0 = std::chrono::steady_clock::now();
            model.Layout(target.dc, nullptr, kSize, kSize, false);
            model.SetColor(RGB(200, 60, 90));
            model.Paint(target.dc, nullptr);
            const double dFirst = bench::Seconds(t0);
            if (nRun == 0 && (nMode == 3 || nMode == 4 || nMode == 7))
                std::printf("first render of mode %d (%ls): %.1f ms\n", nMode,
                            (LPCWSTR)CExtColorCtrl::GetModeName(nMode), dFirst * 1000.0);
            const double dModel = CachedRepaint(model, target);
            const double dPlain = PlainRepaint(target);
            ratios[nMode].push_back(dModel / dPlain);
        }
    }
    for (int nMode = 0; nMode < CExtColorCtrl::kModeCount; nMode++)
    {
        char sz[64];
        std::snprintf(sz, sizeof(sz), "cached repaint of mode %d against BitBlt and markers", nMode);
        bench::PrintRatios(sz, ratios[nMode], 2.0);
    }
    return 0;
}
