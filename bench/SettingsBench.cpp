// Opening the settings sheet on its general set until the selected page has painted, against the
// library's property sheet with the same five page templates. Both are created hidden and painted
// through WM_PRINT into one DIB (the sheet, then every child window whose style is visible, at its
// place), so that no window of either side is mapped. Target: at most 3x.
#include "BenchSupport.h"
#include "app/Corvane_sms.h"
#include "app/DlgSetting.h"
#include "res/settings_ids.h"
#include <memory>
#include <vector>

namespace
{
const int kOpenings = 20; // openings per side in one run
const wchar_t kAppName[] = L"CorvaneSettingsBench";
const wchar_t kProfileKey[] = L"Software\\Corvane\\CorvaneSettingsBench";

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// Prints the window and its visible-styled descendants into the DC at their places below hRoot.
void PrintTree(HWND hRoot, HWND hWnd, HDC hdc)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    CPoint origin(rc.left, rc.top);
    ::ScreenToClient(hRoot, &origin);
    const int nSaved = ::SaveDC(hdc);
    ::SetViewportOrgEx(hdc, origin.x, origin.y, nullptr);
    ::SendMessageW(hWnd, WM_PRINT, (WPARAM)hdc, PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    ::RestoreDC(hdc, nSaved);
    for (HWND h = ::GetWindow(hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        if (::GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE)
            PrintTree(hRoot, h, hdc);
}

struct Canvas
{
    Canvas()
    {
        hdc = ::CreateCompatibleDC(nullptr);
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = 800;
        bi.bmiHeader.biHeight = -600;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        hbm = ::CreateDIBSection(hdc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        old = ::SelectObject(hdc, hbm);
    }
    ~Canvas()
    {
        ::SelectObject(hdc, old);
        ::DeleteObject(hbm);
        ::DeleteDC(hdc);
    }
    HDC hdc;
    HBITMAP hbm;
    HGDIOBJ old;
};

double OpenSheet(Canvas& canvas)
{
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kOpenings; ++i)
    {
        CDlgSetting dlg;
        dlg.SetStartPage(kSettingOption);
        dlg.Create(IDD_SETTING, nullptr);
        PrintTree(dlg.GetSafeHwnd(), dlg.GetSafeHwnd(), canvas.hdc);
        dlg.DestroyWindow();
        Pump();
    }
    return bench::Seconds(t0);
}

double OpenPropertySheet(Canvas& canvas)
{
    const UINT templates[] = {IDD_CONNECTION_OPT, IDD_OPTION_UMUM, IDD_SCHEDULER_OPT, IDD_THEME_COLOR,
                              IDD_PASSWORD_OPT};
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kOpenings; ++i)
    {
        std::vector<std::unique_ptr<CPropertyPage>> pages;
        CPropertySheet sheet(L"Settings");
        for (UINT id : templates)
        {
            pages.emplace_back(new CPropertyPage(id));
            sheet.AddPage(pages.back().get());
        }
        sheet.Create(nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU);
        PrintTree(sheet.GetSafeHwnd(), sheet.GetSafeHwnd(), canvas.hdc);
        sheet.DestroyWindow();
        Pump();
    }
    return bench::Seconds(t0);
}
} // namespace

int wmain()
{
    SetMessageBoxHandler([](HWND, LPCWSTR, LPCWSTR, UINT) { return IDOK; });
    CCorvane_smsApp* app = new CCorvane_smsApp;
    free((void*)app->m_pszAppName);
    app->m_pszAppName = _wcsdup(kAppName);
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    app->SetRegistryKey(L"Corvane");
    Canvas canvas;
    // One opening each before timing: templates, classes and fonts loaded.
    OpenSheet(canvas);
    OpenPropertySheet(canvas);
    std::vector<double> ratios;
    for (int run = 0; run < bench::kRuns; ++run)
    {
        const double dSheet = OpenSheet(canvas);
        const double dProperty = OpenPropertySheet(canvas);
        std::printf("run %d: settings sheet %.1f ms, property sheet %.1f ms per opening\n", run + 1,
                    dSheet * 1000 / kOpenings, dProperty * 1000 / kOpenings);
        ratios.push_back(dSheet / dProperty);
    }
    bench::PrintRatios("settings sheet against property sheet", ratios, 3.0);
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    delete app;
    return 0;
}
