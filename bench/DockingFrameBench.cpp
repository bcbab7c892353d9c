// The docking host's main frame with six docked bars (two at the top, one at the bottom, two at the
// left, one at the right) painted by an application-like Office 2003 theme manager, every bar
// repainted: its WM_NCPAINT (frame, caption and gripper) and its WM_PAINT; against the same
// rectangles drawn with plain GDI: the non-client rectangles through a memory DC into each bar's
// window DC, the client rectangles by the WM_PAINT of plain windows of the same sizes. Target: at
// most 3x.
#include "bench/BenchSupport.h"
#include "bench/BenchThemeColor.h"
#include "tests/toolkit/docking/DockingHost.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{

using bench::Seconds;
constexpr int kFrames = 100;

LRESULT CALLBACK PlainClientProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_ERASEBKGND)
        return TRUE;
    if (nMsg != WM_PAINT)
        return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(hWnd, &ps);
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    ::FillRect(hDC, &rc, ::GetSysColorBrush(COLOR_3DFACE));
    ::EndPaint(hWnd, &ps);
    return 0;
}

// One bar's non-client area the plain way: face, outer frame, caption with its text, gripper frame.
void PaintPlainNc(CExtControlBar* pBar, LPCWSTR pszCaption, HFONT hFont)
{
    CRect rcWnd;
    pBar->GetWindowRect(&rcWnd);
    rcWnd.OffsetRect(-rcWnd.left, -rcWnd.top);
    HWND hWnd = pBar->GetSafeHwnd();
    HDC hWndDC = ::GetWindowDC(hWnd);
    HDC hMem = ::CreateCompatibleDC(hWndDC);
    HBITMAP hBmp = ::CreateCompatibleBitmap(hWndDC, rcWnd.Width(), rcWnd.Height());
    HGDIOBJ hOldBmp = ::SelectObject(hMem, hBmp);
    HGDIOBJ hOldFont = ::SelectObject(hMem, hFont);
    ::FillRect(hMem, &rcWnd, ::GetSysColorBrush(COLOR_3DFACE));
    ::FrameRect(hMem, &rcWnd, ::GetSysColorBrush(COLOR_3DSHADOW));
    CRect rcCaption = pBar->GetCaptionRect();
    ::FillRect(hMem, &rcCaption, ::GetSysColorBrush(COLOR_INACTIVECAPTION));
    ::SetBkMode(hMem, TRANSPARENT);
    ::DrawTextW(hMem, pszCaption, -1, &rcCaption, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    CRect rcGripper(rcCaption.right - rcCaption.Height(), rcCaption.top, rcCaption.right, rcCaption.bottom);
    ::FrameRect(hMem, &rcGripper, ::GetSysColorBrush(COLOR_3DSHADOW));
    ::BitBlt(hWndDC, 0, 0, rcWnd.Width(), rcWnd.Height(), hMem, 0, 0, SRCCOPY);
    ::SelectObject(hMem, hOldFont);
    ::SelectObject(hMem, hOldBmp);
    ::DeleteObject(hBmp);
    ::DeleteDC(hMem);
    ::ReleaseDC(hWnd, hWndDC);
}

} // namespace

int wmain()
{
    CWinApp app(L"DockingFrameBench");
    auto* pFrame = new CDockingHostFrame;
    if (!pFrame->CreateHost(0, 0, 1000, 700, true))
        return 1;
    // The paint manager the program paints with.
    g_PaintManagerHolder.InstallPaintManager(new bench::CBenchThemeColor);
    std::vector<CHostResizableBar*> bars;
    const wchar_t* const kCaptions[6] = {L"Folders", L"SMS List", L"Log", L"Contacts", L"MyText", L"Search"};
    CHostResizableBar* pTop = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, kCaptions[0]);
    bars.push_back(pTop);
    bars.push_back(pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, kCaptions[1], pTop));
    bars.push_back(pFrame->AddResizableBar(AFX_IDW_DOCKBAR_BOTTOM, kCaptions[2]));
    CHostResizableBar* pLeft = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, kCaptions[3]);
    bars.push_back(pLeft);
    bars.push_back(pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, kCaptions[4], pLeft));
    bars.push_back(pFrame->AddResizableBar(AFX_IDW_DOCKBAR_RIGHT, kCaptions[5]));
    for (CHostResizableBar* p : bars)
    {
        if (p == nullptr)
            return 1;
        // Only the bars' own painting is measured, not that of the controls they hold.
        p->m_wndChild.ShowWindow(SW_HIDE);
    }
    pFrame->RecalcLayout();
    PumpMessages();

    // Plain windows with the bars' client sizes, in a window of their own beside the frame.
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PlainClientProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PlainClient";
    ::RegisterClassW(&wc);
    HWND hPlainHost = ::CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP | WS_VISIBLE, 1000, 0, 270, 900, nullptr,
                                        nullptr, nullptr, nullptr);
    std::vector<HWND> plain;
    int y = 0;
    for (CHostResizableBar* p : bars)
    {
        CRect rc;
        p->GetClientRect(&rc);
        plain.push_back(::CreateWindowExW(0, L"PlainClient", L"", WS_CHILD | WS_VISIBLE, 0, y, rc.Width(), rc.Height(),
                                          hPlainHost, nullptr, nullptr, nullptr));
        y += 10;
    }
    HFONT hFont = (HFONT)g_PaintManagerHolder->m_fontNormal.GetSafeHandle();
    PumpMessages();

    auto repaintToolkit = [&]() {
        for (CHostResizableBar* p : bars)
        {
            p->SendMessage(WM_NCPAINT, 1, 0);
            p->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }
    };
    auto repaintPlain = [&]() {
        for (size_t i = 0; i < bars.size(); i++)
        {
            PaintPlainNc(bars[i], kCaptions[i], hFont);
            ::RedrawWindow(plain[i], nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }
    };
    repaintToolkit();
    repaintPlain();

    std::vector<double> ratios;
    for (int nRun = 0; nRun < bench::kRuns; nRun++)
    {
        auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < kFrames; i++)
            repaintToolkit();
        ::GdiFlush();
        const double dToolkit = Seconds(t0);
        t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < kFrames; i++)
            repaintPlain();
        ::GdiFlush();
        const double dPlain = Seconds(t0);
        std::printf("run %d: six bars repainted %.3f ms; plain GDI %.3f ms; ratio %.2f\n", nRun + 1,
                    dToolkit * 1000.0 / kFrames, dPlain * 1000.0 / kFrames, dToolkit / dPlain);
        ratios.push_back(dToolkit / dPlain);
    }
    bench::PrintRatios("docking frame, six bars' WM_NCPAINT and WM_PAINT against plain GDI", ratios, 3.0);
    ::DestroyWindow(hPlainHost);
    pFrame->DestroyWindow();
    return 0;
}
