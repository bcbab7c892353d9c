// Colour lookups through the installed paint manager against a plain array of the same colours,
// and installing the application-like theme manager against making the same fonts and brushes
// with plain GDI calls. Targets: lookups within 5x, installation within 3x.
#include "bench/BenchSupport.h"
#include "bench/BenchThemeColor.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{

using bench::CBenchThemeColor;
using bench::Seconds;

} // namespace

int wmain()
{
    g_PaintManagerHolder.InstallPaintManager(new CBenchThemeColor);
    CExtPaintManager* pm = g_PaintManagerHolder.GetPM();

    // A painter's mix: mostly translated ids, some system indices.
    std::vector<int> ids;
    for (int round = 0; round < 4; round++)
    {
        for (int id = 1000; id <= 1011; id++)
            ids.push_back(id);
        for (int id = 2000; id <= 2011; id++)
            ids.push_back(id);
        for (int id = 3000; id <= 3035; id++)
            ids.push_back(id);
        for (int i : {5, 8, 15, 16, 18, 20, 21, 22})
            ids.push_back(i);
    }
    // The same colours in a plain array indexed by id.
    std::vector<COLORREF> plain(4000, 0);
    for (int id : ids)
        plain[id] = pm->GetTranslatedColor(id);

    const int kRounds = 20000;
    volatile COLORREF sink = 0;
    std::vector<double> lookupRatios;
    for (int nRun = 0; nRun < bench::kRuns; nRun++)
    {
        auto t0 = std::chrono::steady_clock::now();
        for (int r = 0; r < kRounds; r++)
            for (int id : ids)
                sink = sink + pm->GetTranslatedColor(id, pm, 0);
        const double lookup = Seconds(t0);
        t0 = std::chrono::steady_clock::now();
        for (int r = 0; r < kRounds; r++)
            for (int id : ids)
                sink = sink + plain[id];
        const double array = Seconds(t0);
        const double nLookups = (double)kRounds * ids.size();
        std::printf("run %d: GetTranslatedColor %.1f ns per lookup; plain array %.1f ns; ratio %.2f\n", nRun + 1,
                    lookup / nLookups * 1e9, array / nLookups * 1e9, lookup / array);
        lookupRatios.push_back(lookup / array);
    }

    // Installing the theme manager (fonts, colours, brushes) against the same GDI objects by hand.
    // The install asks the system nothing that only a system event changes (depth, visual style,
    // fonts, metrics are kept), so what is left is the making of its GDI objects and tables.
    const int kInstalls = 200;
    std::vector<double> installRatios;
    for (int nRun = 0; nRun < bench::kRuns; nRun++)
    {
        auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < kInstalls; i++)
            g_PaintManagerHolder.InstallPaintManager(new CBenchThemeColor);
        const double install = Seconds(t0);

        pm = g_PaintManagerHolder.GetPM();
        CFont* fonts[] = {&pm->m_fontNormal,    &pm->m_fontNormalRot270,    &pm->m_fontNormalRot90,
                          &pm->m_fontBold,      &pm->m_fontBoldRot270,      &pm->m_fontBoldRot90,
                          &pm->m_fontSmall,     &pm->m_fontSmallRot270,     &pm->m_fontSmallRot90,
                          &pm->m_fontSmallBold, &pm->m_fontSmallBoldRot270, &pm->m_fontSmallBoldRot90,
                          &pm->m_fontMarlett};
        std::vector<LOGFONTW> logFonts;
        for (CFont* f : fonts)
        {
            LOGFONTW lf = {};
            f->GetLogFont(&lf);
            logFonts.push_back(lf);
        }
        t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < kInstalls; i++)
        {
            std::vector<HGDIOBJ> made;
            for (const LOGFONTW& lf : logFonts)
                made.push_back(::CreateFontIndirectW(&lf));
            for (int b = 0; b < 12; b++)
                made.push_back(::CreateSolidBrush(RGB(b, b * 2, b * 3)));
            for (HGDIOBJ h : made)
                ::DeleteObject(h);
        }
        const double gdi = Seconds(t0);
        std::printf("run %d: installing the theme manager %.3f ms; plain GDI fonts and brushes %.3f ms; ratio %.2f\n",
                    nRun + 1, install / kInstalls * 1e3, gdi / kInstalls * 1e3, install / gdi);
        installRatios.push_back(install / gdi);
    }
    bench::PrintRatios("GetTranslatedColor against a plain array read", lookupRatios, 5.0);
    bench::PrintRatios("installing the theme manager (no server request) against plain GDI fonts and brushes",
                       installRatios, 3.0);
    std::printf("(sink %lu)\n", (unsigned long)sink);
    return 0;
}
