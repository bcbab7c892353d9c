// A tool-bar row of 20 buttons (icons, texts, two separators, the chevron) and a popup menu of 20
// items painted by the application-like Office 2003 manager, against FillRect, FrameRect, DrawText
// and DrawIconEx of the same rectangles, texts and icons. Target: within 3x.
#include "bench/BenchSupport.h"
#include "bench/BenchThemeColor.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace
{

using bench::CBenchThemeColor;
using bench::Seconds;

struct Element
{
    CRect rc;
    std::wstring text;
    bool bSeparator;
};

} // namespace

int wmain()
{
    g_PaintManagerHolder.InstallPaintManager(new CBenchThemeColor);
    CExtPaintManager* pm = g_PaintManagerHolder.GetPM();

    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = 1000;
    bmi.bmiHeader.biHeight = -600;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hDib = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ hOldBitmap = ::SelectObject(dc.GetSafeHdc(), hDib);

    std::vector<CExtCmdIcon> icons(20);
    for (int i = 0; i < 20; i++)
        icons[i].AssignFromHICON(CExtPaintManager::CreateColorIcon(RGB(i * 12, 255 - i * 12, 128)), false);

    // The tool-bar row: 17 buttons, separators after the 5th and 11th, the chevron last.
    std::vector<Element> row;
    int x = 0;
    for (int i = 0; i < 20; i++)
    {
        const bool bSeparator = i == 5 || i == 11;
        const bool bChevron = i == 19;
        const int w = bSeparator ? 8 : (bChevron ? 14 : 56);
        row.push_back(
            {CRect(x, 0, x + w, 24), bSeparator || bChevron ? L"" : L"Btn " + std::to_wstring(i), bSeparator});
        x += w;
    }
    std::vector<Element> menu;
    for (int i = 0; i < 20; i++)
        menu.push_back({CRect(0, 40 + i * 22, 240, 62 + i * 22), L"Menu item " + std::to_wstring(i), false});

    CExtToolControlBar bar;
    CExtBarButton button(&bar, 100), separator(&bar, 0);
    CExtBarContentExpandButton chevron(&bar);
    const int nRounds = 300;

    auto t0 = std::chrono::steady_clock::now();
    for (int r = 0; r < nRounds; r++)
    {
        for (int i = 0; i < 20; i++)
        {
            const Element& e = row[i];
            if (e.bSeparator)
                pm->PaintSeparator(dc, e.rc, true, false, &separator, 0);
            else if (i == 19)
                pm->PaintContentExpandButton(dc, e.rc, true, false, true, false, false, &chevron, 0, false);
            else
            {
                CExtPaintManager::PushButtonPaintData d(&button, true, e.rc, e.text.c_str(), &icons[i], true, i == 3,
                                                        i == 7, false, true, false, false, false, 4);
                pm->PaintPushButton(dc, d);
            }
        }
        for (int i = 0; i < 20; i++)
        {
            const Element& e = menu[i];
            CExtPaintManager::MenuItemPaintData d(nullptr, e.rc, e.rc, 26, e.text.c_str(), L"Ctrl+X", &icons[i], false,
                                                  i == 4, false, false, false, true, false, false, false, 100 + i);
            pm->PaintMenuItem(dc, d);
        }
    }
    const double tPainters = Seconds(t0);

    HBRUSH hFace = ::CreateSolidBrush(RGB(240, 240, 240)), hFrame = ::CreateSolidBrush(RGB(90, 90, 90));
    const HDC hDC = dc.GetSafeHdc();
    ::SetBkMode(hDC, TRANSPARENT);
    HGDIOBJ hOldFont = ::SelectObject(hDC, pm->m_fontNormal.GetSafeHandle());
    t0 = std::chrono::steady_clock::now();
    for (int r = 0; r < nRounds; r++)
    {
        for (int pass = 0; pass < 2; pass++)
            for (int i = 0; i < 20; i++)
            {
                const Element& e = pass == 0 ? row[i] : menu[i];
                ::FillRect(hDC, &e.rc, hFace);
                ::FrameRect(hDC, &e.rc, hFrame);
                CRect rcText(e.rc);
                rcText.left += 22;
                ::DrawTextW(hDC, e.text.c_str(), -1, &rcText, DT_SINGLELINE | DT_VCENTER);
                ::DrawIconEx(hDC, e.rc.left + 3, e.rc.top + 3, icons[i].GetIcon(), 16, 16, 0, nullptr, DI_NORMAL);
            }
    }
    const double tPlain = Seconds(t0);
    ::SelectObject(hDC, hOldFont);
    ::DeleteObject(hFace);
    ::DeleteObject(hFrame);
    ::SelectObject(hDC, hOldBitmap);
    ::DeleteObject(hDib);

    const double ratio = tPainters / tPlain;
    std::printf("tool-bar row and popup menu, %d rounds: painters %.3f ms, plain GDI %.3f ms per round, ratio %.2fx "
                "(target <= 3x) %s\n",
                nRounds, tPainters * 1000.0 / nRounds, tPlain * 1000.0 / nRounds, ratio, ratio <= 3.0 ? "OK" : "OVER");
    return 0;
}
