// Relayout of a resizable dialog with 60 anchored controls (edits and list boxes) at each WM_SIZE,
// against moving the same controls to the same rectangles (computed beforehand) with one raw
// deferred positioning. Base paint manager, dialog hidden (no painting on either side): target at
// most 1.5x. Office 2003 (whole-window repaint with pumped paint
// messages) against the raw moves followed by one RedrawWindow with update now: no target.
#include "BenchSupport.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
constexpr int kControls = 60;
constexpr int kRounds = 50;      // relayouts of a hidden dialog per batch
constexpr int kThemedRounds = 8; // relayouts with whole-window repaint per batch
constexpr int kBatches = 5;
const CSize kSizes[2] = {CSize(640, 480), CSize(731, 553)};

class CBenchDialog : public CExtResizableDialog
{
public:
    LRESULT Size(const CSize& sz) { return WindowProc(WM_SIZE, SIZE_RESTORED, MAKELPARAM(sz.cx, sz.cy)); }
};

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
}

// An empty popup dialog template (no font, no controls).
std::vector<WORD> EmptyTemplate()
{
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
    DLGTEMPLATE* p = (DLGTEMPLATE*)words.data();
    p->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
    p->cx = 400;
    p->cy = 300;
    return words;
}

// The rectangles the anchors give at a client size.
std::vector<CRect> Layout(CBenchDialog& dlg, const std::vector<HWND>& children, const CSize& sz)
{
    std::vector<CRect> rects;
    for (HWND hWnd : children)
    {
        RDI_t r;
        dlg.m_mapAnchors.Lookup(hWnd, r);
        rects.emplace_back(::MulDiv(sz.cx, r.m_nLeftTopPercentX, 100) + r.m_nLeftTopOffsetX,
                           ::MulDiv(sz.cy, r.m_nLeftTopPercentY, 100) + r.m_nLeftTopOffsetY,
                           ::MulDiv(sz.cx, r.m_nRightBottomPercentX, 100) + r.m_nRightBottomOffsetX,
                           ::MulDiv(sz.cy, r.m_nRightBottomPercentY, 100) + r.m_nRightBottomOffsetY);
    }
    return rects;
}

void RawMove(const std::vector<HWND>& children, const std::vector<CRect>& rects)
{
    HDWP hDWP = ::BeginDeferWindowPos((int)children.size());
    for (size_t i = 0; i < children.size() && hDWP != nullptr; ++i)
        hDWP = ::DeferWindowPos(hDWP, children[i], nullptr, rects[i].left, rects[i].top, rects[i].Width(),
                                rects[i].Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (hDWP != nullptr)
        ::EndDeferWindowPos(hDWP);
}

template <class Fn> double Best(int nRounds, Fn fn)
{
    double best = 1e9;
    for (int b = 0; b < kBatches; ++b)
    {
        auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < nRounds; ++i)
            fn(i & 1);
        best = std::min(best, bench::Seconds(t0) / nRounds);
        Pump();
    }
    return best;
}

struct Ratios
{
    double dBase, dThemed;
};

Ratios RunOnce(CBenchDialog& dlg, const std::vector<HWND>& children)
{
    const std::vector<CRect> rects[2] = {Layout(dlg, children, kSizes[0]), Layout(dlg, children, kSizes[1])};
    HWND hWnd = dlg.GetSafeHwnd();

    g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager);
    dlg.ShowWindow(SW_HIDE);
    const double tBase = Best(kRounds, [&](int n) { dlg.Size(kSizes[n]); });
    const double tRawBase = Best(kRounds, [&](int n) { RawMove(children, rects[n]); });

    g_PaintManagerHolder.InstallPaintManager(new CExtPaintManagerOffice2003);
    dlg.ShowWindow(SW_SHOWNA);
    const double tThemed = Best(kThemedRounds, [&](int n) { dlg.Size(kSizes[n]); });
    const double tRawThemed = Best(kThemedRounds, [&](int n) {
        RawMove(children, rects[n]);
        ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    });
    std::printf("  base: %.3f ms per relayout, raw moves %.3f ms; Office 2003: %.3f ms, raw moves and redraw %.3f ms\n",
                tBase * 1000.0, tRawBase * 1000.0, tThemed * 1000.0, tRawThemed * 1000.0);
    return {tBase / tRawBase, tThemed / tRawThemed};
}

void PrintStats(const char* pszName, std::vector<double> v, const char* pszTarget)
{
    std::sort(v.begin(), v.end());
    std::printf("%s ratio: min %.2f, median %.2f, max %.2f%s\n", pszName, v.front(), v[v.size() / 2], v.back(),
                pszTarget);
}
} // namespace

int wmain()
{
    std::vector<WORD> tpl = EmptyTemplate();
    CBenchDialog dlg;
    if (!dlg.CreateIndirect((LPCDLGTEMPLATE)tpl.data(), nullptr))
        return 1;
    dlg.SetWindowPos(nullptr, 10, 10, 700, 560, SWP_NOZORDER);
    CRect rcClient;
    dlg.GetClientRect(&rcClient);
    std::vector<HWND> children;
    const CSize anchors[][2] = {{AnchorTopLeft, AnchorTopRight},       {AnchorTopLeft, AnchorBottomRight},
                                {AnchorBottomLeft, AnchorBottomRight}, {AnchorTopRight, CSize(-1, -1)},
                                {CSize(50, 0), CSize(50, 100)},        {AnchorBottomRight, CSize(-1, -1)}};
    for (int i = 0; i < kControls; ++i)
    {
        const int x = 8 + (i % 6) * 100, y = 8 + (i / 6) * 40;
        HWND hWnd = ::CreateWindowExW(WS_EX_CLIENTEDGE, i % 3 == 2 ? L"listbox" : L"edit", L"text",
                                      WS_CHILD | WS_VISIBLE | WS_BORDER, x, y, 90, 30, dlg.GetSafeHwnd(), nullptr,
                                      nullptr, nullptr);
        dlg.AddAnchor(hWnd, anchors[i % 6][0], anchors[i % 6][1]);
        children.push_back(hWnd);
    }
    Pump();
    std::vector<double> base, themed;
    for (int run = 0; run < 3; ++run)
    {
        std::printf("run %d\n", run + 1);
        const Ratios r = RunOnce(dlg, children);
        base.push_back(r.dBase);
        themed.push_back(r.dThemed);
    }
    PrintStats("base relayout / raw deferred moves", base, " (target <= 1.5)");
    PrintStats("Office 2003 relayout with repaint / raw moves and redraw", themed, " (no target)");
    dlg.DestroyWindow();
    return 0;
}
