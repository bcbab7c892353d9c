// Extra controls, each ratio over three runs (min/median/max printed):
// (1) painting a flat tab strip of 20 tabs with icons into a memory DC against drawing the same
//     trapezoids, lines, icons and texts with plain GDI calls; target 3x;
// (2) CPU time of the GUI thread while a text field's in-place edit stays open and idle for 2 s,
//     divided by the wall time; target 0.05.
#include "bench/BenchSupport.h"
#include "platform/Dc.h"
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/extras/ExtBarTextFieldButton.h"
#include "toolkit/extras/ExtTabFlatWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <cstdio>
#include <vector>

namespace
{

constexpr int kTabs = 20;
constexpr int kRepeat = 200;
constexpr int kStripWidth = 1800;

// The same picture with plain GDI: background, inner line, one polygon, two lines, the tabs' icon and a text per
// tab.
void PaintPlain(CExtTabFlatWnd& tabs, CDC& dc, HICON hIcon)
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    CRect rcClient;
    tabs.GetClientRect(&rcClient);
    dc.FillSolidRect(&rcClient, pPM->GetTranslatedColor(XCLR_FACE_NORMAL));
    dc.FillSolidRect(CExtTabFlatWnd::InnerEdgeLine(rcClient, CExtTabWnd::kOrientTop),
                     pPM->GetTranslatedColor(COLOR_3DDKSHADOW));
    CPen pen, penLight, penShadow;
    pen.CreatePen(PS_SOLID, 1, pPM->GetTranslatedColor(COLOR_3DDKSHADOW));
    penLight.CreatePen(PS_SOLID, 1, pPM->GetTranslatedColor(COLOR_3DHIGHLIGHT));
    penShadow.CreatePen(PS_SOLID, 1, pPM->GetTranslatedColor(COLOR_3DSHADOW));
    CBrush brush;
    brush.CreateSolidBrush(pPM->GetTranslatedColor(XCLR_FACE_NORMAL));
    CFont* pOldFont = dc.SelectObject(tabs.GetItemFont(false));
    dc.SetBkMode(TRANSPARENT);
    const int nSlant = tabs.GetClientSlant();
    for (int i = 0; i < tabs.ItemGetCount(); ++i)
    {
        CRect rc = tabs.ItemGet(i)->m_rcItem;
        rc.OffsetRect(tabs.GetItemsArea().left, 0);
        POINT pts[4];
        CExtTabFlatWnd::FlatOutline(rc, CExtTabWnd::kOrientTop, nSlant, nSlant, pts);
        CPen* pOldPen = dc.SelectObject(&pen);
        CBrush* pOldBrush = dc.SelectObject(&brush);
        dc.Polygon(pts, 4);
        dc.SelectObject(&penLight);
        dc.MoveTo(rc.left - nSlant + 1, rc.bottom - 2);
        dc.LineTo(rc.left + 1, rc.top);
        dc.SelectObject(&penShadow);
        dc.MoveTo(rc.right - 2 + nSlant, rc.bottom - 2);
        dc.LineTo(rc.right - 2, rc.top);
        dc.SelectObject(pOldBrush);
        dc.SelectObject(pOldPen);
        ::DrawIconEx(dc.GetSafeHdc(), rc.left + 2, rc.top, hIcon, 16, 16, 0, nullptr, DI_NORMAL);
        CRect rcText(rc);
        rcText.left += 21;
        dc.DrawText(tabs.ItemGet(i)->GetText(), -1, &rcText, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    }
    dc.SelectObject(pOldFont);
}

double FlatPaintRatio(CExtTabFlatWnd& tabs, HICON hIcon)
{
    CWindowDC dcScreen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(&dcScreen, kStripWidth, 16);
    CBitmap* pOld = dc.SelectObject(&bmp);
    auto t0 = std::chrono::steady_clock::now();
    for (int r = 0; r < kRepeat; ++r)
        tabs.DoPaint(dc);
    const double tFlat = bench::Seconds(t0);
    t0 = std::chrono::steady_clock::now();
    for (int r = 0; r < kRepeat; ++r)
        PaintPlain(tabs, dc, hIcon);
    const double tPlain = bench::Seconds(t0);
    dc.SelectObject(pOld);
    return tFlat / tPlain;
}

constexpr UINT kIdleMilliseconds = 2000;

double ThreadCpuSeconds()
{
    FILETIME ftCreate, ftExit, ftKernel, ftUser;
    if (!::GetThreadTimes(::GetCurrentThread(), &ftCreate, &ftExit, &ftKernel, &ftUser))
        return 0.0;
    auto seconds = [](const FILETIME& ft) {
        return (double)(((ULONGLONG)ft.dwHighDateTime << 32) | ft.dwLowDateTime) / 1e7;
    };
    return seconds(ftKernel) + seconds(ftUser);
}

// Ends the editing: the edit's own cancel message.
void CALLBACK EndEditing(HWND hWnd, UINT message, UINT_PTR nID, DWORD nTime)
{
    (void)hWnd;
    (void)message;
    (void)nTime;
    ::KillTimer(nullptr, nID);
    if (CExtBarTextFieldButton::CInPlaceEditWnd* pEdit = CExtBarTextFieldButton::CInPlaceEditWnd::GetAlive())
        pEdit->PostMessage(CExtBarTextFieldButton::kMsgCancelEdit);
}

double IdleEditRatio(CExtBarTextFieldButton& field)
{
    ::SetTimer(nullptr, 0, kIdleMilliseconds, EndEditing);
    const double dCpu0 = ThreadCpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    const CPoint pt = field.GetEditRect(field.GetRect()).CenterPoint();
    field.OnClick(pt, true);
    field.OnClick(pt, false); // returns when the edit goes
    const double dWall = bench::Seconds(t0);
    return (ThreadCpuSeconds() - dCpu0) / dWall;
}

} // namespace

int wmain()
{
    CFrameWnd* pFrame = new CFrameWnd;
    pFrame->Create(nullptr, L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, kStripWidth + 40, 300));
    CExtTabFlatWnd tabs;
    tabs.Create(pFrame, CRect(0, 0, kStripWidth, 16), 100, WS_CHILD | WS_VISIBLE, CExtTabWnd::kOrientTop);
    const HICON hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    CExtCmdIcon iconSource, icon;
    iconSource.AssignFromHICON(hIcon, true);
    icon.CreateScaledCopy(iconSource, 16, 16);
    for (int i = 0; i < kTabs; ++i)
    {
        CString s;
        s.Format(L"Pesan %d", i + 1);
        tabs.ItemInsert(s, &icon);
    }
    tabs.SelectionSet(3, true, true);
    std::vector<double> ratios;
    for (int r = 0; r < bench::kRuns; ++r)
        ratios.push_back(FlatPaintRatio(tabs, icon.GetIcon(true)));
    bench::PrintRatios("flat strip of 20 tabs against plain GDI", ratios, 3.0);
    tabs.DestroyWindow();

    CExtToolControlBar bar;
    bar.Create(L"Fields", pFrame, 0xE801);
    auto* pField = new CExtBarTextFieldButton(false, 120, &bar, 0x9101);
    bar.m_buttons.Add(pField);
    bar.SetWindowPos(nullptr, 0, 0, 300, 40, SWP_NOZORDER | SWP_NOACTIVATE);
    pField->SetRect(CRect(4, 4, 128, 30));
    std::vector<double> idle;
    for (int r = 0; r < bench::kRuns; ++r)
        idle.push_back(IdleEditRatio(*pField));
    bench::PrintRatios("GUI thread CPU over wall time with an idle in-place edit", idle, 0.05);
    bar.DestroyWindow();
    pFrame->DestroyWindow();
    return 0;
}
