// Repainting a window of 24 themed controls (push buttons, check boxes, radio buttons, a link,
// labels and two group boxes) with the Office 2003 paint manager, against the same window of plain
// system controls. Target: at most 3x.
#include "bench/BenchSupport.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtCheckBox.h"
#include "toolkit/menus_dialogs/ExtGroupBox.h"
#include "toolkit/menus_dialogs/ExtHyperLinkButton.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtRadioButton.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{
constexpr int kRounds = 40;
constexpr int kBatches = 5;

struct ControlDef
{
    const wchar_t* pszClass;
    const wchar_t* pszText;
    DWORD dwStyle;
    RECT rc;
    int nKind; // 0 push, 1 check, 2 radio, 3 link, 4 label, 5 group box
};

const ControlDef kControls[] = {
    {L"button", L"Group one", BS_GROUPBOX, {5, 5, 295, 200}, 5},
    {L"button", L"Group two", BS_GROUPBOX, {305, 5, 595, 200}, 5},
    {L"button", L"OK", BS_DEFPUSHBUTTON, {10, 210, 90, 236}, 0},
    {L"button", L"Cancel", BS_PUSHBUTTON, {100, 210, 180, 236}, 0},
    {L"button", L"Apply", BS_PUSHBUTTON, {190, 210, 270, 236}, 0},
    {L"button", L"Help", BS_PUSHBUTTON, {280, 210, 360, 236}, 0},
    {L"button", L"More", BS_PUSHBUTTON, {370, 210, 450, 236}, 0},
    {L"button", L"Less", BS_PUSHBUTTON, {460, 210, 540, 236}, 0},
    {L"button", L"Kirim laporan", BS_AUTOCHECKBOX, {15, 25, 280, 45}, 1},
    {L"button", L"Simpan salinan", BS_AUTOCHECKBOX, {15, 50, 280, 70}, 1},
    {L"button", L"Tandai terbaca", BS_AUTO3STATE, {15, 75, 280, 95}, 1},
    {L"button", L"Hapus setelah kirim", BS_AUTOCHECKBOX, {15, 100, 280, 120}, 1},
    {L"button", L"Ulangi", BS_AUTOCHECKBOX, {15, 125, 280, 145}, 1},
    {L"button", L"Telepon", BS_AUTORADIOBUTTON | WS_GROUP, {315, 25, 580, 45}, 2},
    {L"button", L"Kartu SIM", BS_AUTORADIOBUTTON, {315, 50, 580, 70}, 2},
    {L"button", L"Keduanya", BS_AUTORADIOBUTTON, {315, 75, 580, 95}, 2},
    {L"button", L"Arsip", BS_AUTORADIOBUTTON, {315, 100, 580, 120}, 2},
    {L"button", L"Tidak ada", BS_AUTORADIOBUTTON, {315, 125, 580, 145}, 2},
    {L"button", L"www.example.org", BS_PUSHBUTTON | WS_GROUP, {15, 160, 280, 180}, 3},
    {L"static", L"Nomor tujuan:", SS_LEFT, {10, 250, 150, 270}, 4},
    {L"static", L"Pesan:", SS_LEFT, {10, 275, 150, 295}, 4},
    {L"static", L"160 karakter tersisa", SS_RIGHT, {160, 250, 590, 270}, 4},
    {L"static", L"Terkirim ke 3 penerima", SS_CENTER, {160, 275, 590, 295}, 4},
    {L"static", L"Siap", SS_LEFT | SS_CENTERIMAGE, {10, 300, 590, 325}, 4},
};
static_assert(sizeof(kControls) / sizeof(kControls[0]) == 24, "24 controls");

double Seconds(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

HWND MakeHost(int x)
{
    return ::CreateWindowExW(0, L"#32770", L"bench", WS_POPUP | WS_CAPTION | WS_VISIBLE | WS_CLIPCHILDREN, x, 20, 610,
                             370, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

void AddControls(HWND hWndHost, std::vector<std::unique_ptr<CWnd>>* pThemed)
{
    HFONT hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    UINT nId = 1000;
    for (const ControlDef& d : kControls)
    {
        HWND hWnd = ::CreateWindowExW(0, d.pszClass, d.pszText, d.dwStyle | WS_CHILD | WS_VISIBLE, d.rc.left, d.rc.top,
                                      d.rc.right - d.rc.left, d.rc.bottom - d.rc.top, hWndHost, (HMENU)(UINT_PTR)nId++,
                                      ::GetModuleHandleW(nullptr), nullptr);
        ::SendMessageW(hWnd, WM_SETFONT, (WPARAM)hFont, FALSE);
        if (pThemed == nullptr)
            continue;
        CWnd* pWnd = nullptr;
        switch (d.nKind)
        {
        case 0: pWnd = new CExtButton; break;
        case 1: pWnd = new CExtCheckBox; break;
        case 2: pWnd = new CExtRadioButton; break;
        case 3: pWnd = new CExtHyperLinkButton; break;
        case 4: pWnd = new CExtLabel; break;
        default: pWnd = new CExtGroupBox; break;
        }
        pWnd->SubclassWindow(hWnd);
        pThemed->emplace_back(pWnd);
    }
}

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
}

double TimeRepaint(HWND hWnd)
{
    double best = 1e9;
    for (int b = 0; b < kBatches; ++b)
    {
        auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < kRounds; ++i)
        {
            ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            Pump();
        }
        best = std::min(best, Seconds(t0) / kRounds);
    }
    return best;
}
} // namespace

int wmain()
{
    g_PaintManagerHolder.InstallPaintManager(new CExtPaintManagerOffice2003);
    HWND hWndPlain = MakeHost(10);
    HWND hWndThemed = MakeHost(640);
    std::vector<std::unique_ptr<CWnd>> themed;
    AddControls(hWndPlain, nullptr);
    AddControls(hWndThemed, &themed);
    Pump();
    TimeRepaint(hWndPlain);
    TimeRepaint(hWndThemed);
    std::vector<double> ratios;
    for (int nRun = 0; nRun < bench::kRuns; nRun++)
    {
        const double tPlain = TimeRepaint(hWndPlain);
        const double tThemed = TimeRepaint(hWndThemed);
        std::printf("run %d: system controls %.3f ms per repaint; themed controls (Office 2003) %.3f ms; ratio %.2f\n",
                    nRun + 1, tPlain * 1000.0, tThemed * 1000.0, tThemed / tPlain);
        ratios.push_back(tThemed / tPlain);
    }
    bench::PrintRatios("24 themed controls against system controls", ratios, 3.0);
    for (auto& p : themed)
        p->UnsubclassWindow();
    ::DestroyWindow(hWndThemed);
    ::DestroyWindow(hWndPlain);
    return 0;
}
