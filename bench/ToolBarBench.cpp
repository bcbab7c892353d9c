// Tool bar, two ratios, each over three runs (min/median/max printed):
// (1) repainting a docked tool bar of 30 buttons with icons and texts (Office 2003 style, memory DC)
//     against a plain-GDI painter that fills the same background and draws each button's frame
//     rectangle, DrawIconEx and DrawText into the same memory DC; target 3x;
// (2) 30 hover changes across the bar (mouse move and UpdateWindow) against 30 full repaints
//     (Invalidate and UpdateWindow); target 0.5x: a hover change redraws only the two buttons.
#include "bench/BenchSupport.h"
#include "platform/Dc.h"
#include "platform/DockBar.h"
#include "platform/FrameWnd.h"
#include "platform/WinApp.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include <vector>

namespace
{

constexpr int kButtons = 30;
constexpr UINT kFirstCmd = 0xC301;
constexpr int kPaints = 200;
const wchar_t* const kProfile = L"ToolBarBench";

class CBenchApp : public CWinApp
{
public:
    CBenchApp() : CWinApp(L"ToolBarBench") {}
};
CBenchApp theApp;

HICON MakeIcon(int i)
{
    CExtCmdIcon icon;
    icon.CreateBlankFromPaint(RGB(40 * (i % 6), 200 - 6 * i, 90), 16, 16);
    return icon.ExtractHICON();
}

bool SetUp(CFrameWnd& frame, CExtToolControlBar& bar, std::vector<HICON>& icons)
{
    g_PaintManagerHolder.InstallPaintManager(new CExtPaintManagerOffice2003);
    if (!frame.Create(nullptr, L"Tool bar bench", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(20, 20, 1260, 300)))
        return false;
    g_CmdManagerHolder->CreateProfile(kProfile, frame.GetSafeHwnd());
    if (!CExtControlBar::EnableFrameDocking(&frame))
        return false;
    if (!bar.Create(L"bench", &frame, AFX_IDW_TOOLBAR, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS))
        return false;
    std::vector<UINT> ids;
    for (int i = 0; i < kButtons; i++)
    {
        CExtCmdItem cmd(kFirstCmd + i);
        cmd.m_sToolbarText.Format(L"Cmd %d", i + 1);
        cmd.m_sMenuText = cmd.m_sToolbarText;
        g_CmdManagerHolder->SetupCommand(kProfile, cmd, true);
        icons.push_back(MakeIcon(i));
        g_CmdManagerHolder->SetCommandIcon(kProfile, kFirstCmd + i, icons.back(), true);
        ids.push_back(kFirstCmd + i);
    }
    bar.SetButtons(ids.data(), kButtons);
    bar.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    frame.ShowWindow(SW_SHOW);
    frame.SetForegroundWindow();
    frame.RecalcLayout();
    frame.UpdateWindow();
    return true;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

double PaintRatio(CExtToolControlBar& bar, const std::vector<HICON>& icons)
{
    CRect rcClient;
    bar.GetClientRect(&rcClient);
    CClientDC dcScreen(&bar);
    CDC dcMem;
    dcMem.CreateCompatibleDC(&dcScreen);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(&dcScreen, rcClient.Width(), rcClient.Height());
    CBitmap* pOld = dcMem.SelectObject(&bmp);
    auto t0 = std::chrono::steady_clock::now();
    for (int r = 0; r < kPaints; r++)
        bar.DoPaint(&dcMem);
    const double tBar = bench::Seconds(t0);
    CFont* pFont = bar.GetToolBarFont(false);
    const COLORREF clrFace = ::GetSysColor(COLOR_3DFACE);
    HBRUSH hFrame = ::GetSysColorBrush(COLOR_3DSHADOW);
    t0 = std::chrono::steady_clock::now();
    for (int r = 0; r < kPaints; r++)
    {
        dcMem.FillSolidRect(&rcClient, clrFace);
        CFont* pOldFont = dcMem.SelectObject(pFont);
        dcMem.SetBkMode(TRANSPARENT);
        for (int i = 0; i < kButtons; i++)
        {
            CRect rc = bar.GetButton(i)->GetRect();
            ::FrameRect(dcMem.GetSafeHdc(), &rc, hFrame);
            ::DrawIconEx(dcMem.GetSafeHdc(), rc.left + 3, rc.top + 3, icons[i], 16, 16, 0, nullptr, DI_NORMAL);
            CRect rcText(rc.left + 22, rc.top, rc.right, rc.bottom);
            CString s;
            s.Format(L"Cmd %d", i + 1);
            dcMem.DrawText(s, &rcText, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        }
        dcMem.SelectObject(pOldFont);
    }
    const double tGdi = bench::Seconds(t0);
    dcMem.SelectObject(pOld);
    return tBar / tGdi;
}

double HoverRatio(CExtToolControlBar& bar)
{
    const int kRounds = 10;
    auto t0 = std::chrono::steady_clock::now();
    for (int r = 0; r < kRounds; r++)
    {
        for (int i = 0; i < kButtons; i++)
        {
            const CPoint pt = bar.GetButton(i)->GetRect().CenterPoint();
            bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
            bar.UpdateWindow();
        }
        Pump();
    }
    const double tHover = bench::Seconds(t0);
    t0 = std::chrono::steady_clock::now();
    for (int r = 0; r < kRounds; r++)
    {
        for (int i = 0; i < kButtons; i++)
        {
            bar.Invalidate();
            bar.UpdateWindow();
        }
        Pump();
    }
    const double tFull = bench::Seconds(t0);
    return tHover / tFull;
}

} // namespace

int wmain()
{
    CFrameWnd* pFrame = new CFrameWnd;
    CExtToolControlBar bar;
    std::vector<HICON> icons;
    if (!SetUp(*pFrame, bar, icons))
    {
        std::printf("set-up failed\n");
        return 1;
    }
    Pump();
    std::vector<double> paint, hover;
    for (int run = 0; run < bench::kRuns; run++)
    {
        paint.push_back(PaintRatio(bar, icons));
        hover.push_back(HoverRatio(bar));
    }
    bench::PrintRatios("tool bar repaint vs plain GDI", paint, 3.0);
    bench::PrintRatios("30 hover changes vs 30 full repaints", hover, 0.5);
    pFrame->DestroyWindow();
    for (HICON h : icons)
        ::DestroyIcon(h);
    return 0;
}
