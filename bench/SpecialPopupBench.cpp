// Two ratios of the special popups, each printed as minimum, median and maximum over three runs:
// a list popup filled with 10,000 strings through its content callback, from TrackPopupMenu to its
// first paint, against a plain list box of the same style filled and painted with the same strings
// (target at most 1.5); and one hover step of an undo list of 1,000 actions (choosing up to item
// 900 and counting them) against LB_SELITEMRANGEEX of the same range on a plain multiple-selection
// list box (target at most 3).
#include "bench/BenchSupport.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupListBoxMenuWnd.h"
#include "toolkit/menus_dialogs/ExtPopupUndoRedoListBox.h"
#include "toolkit/menus_dialogs/ExtPopupUndoRedoMenuWnd.h"
#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
typedef CExtPopupInplaceListBox L;

constexpr int kStrings = 10000;
constexpr int kActions = 1000;
constexpr int kChosen = 900;
constexpr int kSteps = 200;
constexpr int kRuns = 3;
constexpr int kItemHeight = 16;
constexpr UINT kListId = 100;
const DWORD kListStyle = CExtPopupListBoxMenuWnd::DEFAULT_LIST_STYLE;

std::vector<CString>& Strings()
{
    static std::vector<CString> s_strings;
    if (s_strings.empty())
        for (int i = 0; i < kStrings; ++i)
        {
            CString s;
            s.Format(L"Pesan %05d dari kotak masuk", i);
            s_strings.push_back(s);
        }
    return s_strings;
}

void Fill(HWND hWndList, int nCount)
{
    ::SendMessageW(hWndList, LB_INITSTORAGE, nCount, nCount * 32 * sizeof(wchar_t));
    for (int i = 0; i < nCount; ++i)
        ::SendMessageW(hWndList, LB_ADDSTRING, 0, (LPARAM)(LPCWSTR)Strings()[i % kStrings]);
}

void DrawText(HWND hWndList, const DRAWITEMSTRUCT* pDIS)
{
    if (pDIS->itemID == (UINT)-1)
        return;
    wchar_t szText[64] = {};
    ::SendMessageW(hWndList, LB_GETTEXT, pDIS->itemID, (LPARAM)szText);
    ::ExtTextOutW(pDIS->hDC, pDIS->rcItem.left + 2, pDIS->rcItem.top, ETO_OPAQUE, &pDIS->rcItem, szText,
                  (UINT)wcslen(szText), nullptr);
}

bool OnContent(L& wndList, LPVOID)
{
    Fill(wndList.GetSafeHwnd(), kStrings);
    return true;
}

bool OnMeasure(L&, LPVOID, LPMEASUREITEMSTRUCT pMIS)
{
    pMIS->itemHeight = kItemHeight;
    return true;
}

bool OnDraw(L& wndList, LPVOID, LPDRAWITEMSTRUCT pDIS)
{
    DrawText(wndList.GetSafeHwnd(), pDIS);
    return true;
}

// The host of the plain list boxes: measures and draws their items as the callbacks do.
class CHost : public CWnd
{
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MEASUREITEM)
        {
            ((LPMEASUREITEMSTRUCT)lParam)->itemHeight = kItemHeight;
            return TRUE;
        }
        if (message == WM_DRAWITEM)
        {
            const auto* pDIS = (const DRAWITEMSTRUCT*)lParam;
            DrawText(pDIS->hwndItem, pDIS);
            return TRUE;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Print(const char* pszName, std::vector<double> ratios, double dTarget)
{
    std::sort(ratios.begin(), ratios.end());
    std::printf("%s: ratio min %.2f median %.2f max %.2f (target at most %.1f)\n", pszName, ratios.front(),
                Median(ratios), ratios.back(), dTarget);
}

// Seconds from TrackPopupMenu to the painted list.
double TimeListPopup(CWnd& host)
{
    auto* pPopup = new CExtPopupListBoxMenuWnd;
    pPopup->CreatePopupMenu(host.GetSafeHwnd());
    pPopup->m_pCbContent = &OnContent;
    pPopup->m_pCbMeasure = &OnMeasure;
    pPopup->m_pCbDraw = &OnDraw;
    pPopup->m_nControlWidth = 260;
    pPopup->m_nControlHeight = 20 * kItemHeight;
    const auto t0 = std::chrono::steady_clock::now();
    if (!pPopup->TrackPopupMenu(CExtPopupMenuWnd::TRACK_NO_ANIMATION, 500, 100))
    {
        delete pPopup;
        return -1;
    }
    pPopup->UpdateWindow();
    ::UpdateWindow(pPopup->GetControlWnd());
    const double t = bench::Seconds(t0);
    CExtPopupMenuWnd::CancelMenuTracking();
    return t;
}

// Seconds to create, fill and paint a plain list box of the same style and size.
double TimePlainList(CWnd& host)
{
    // Filled while hidden, as the popup's list is filled before the popup shows.
    const auto t0 = std::chrono::steady_clock::now();
    HWND hWndList =
        ::CreateWindowExW(0, L"LISTBOX", L"", kListStyle & ~(DWORD)WS_VISIBLE, 10, 10, 260, 20 * kItemHeight,
                          host.GetSafeHwnd(), (HMENU)(UINT_PTR)kListId, ::GetModuleHandleW(nullptr), nullptr);
    if (hWndList == nullptr)
        return -1;
    Fill(hWndList, kStrings);
    ::ShowWindow(hWndList, SW_SHOWNA);
    ::UpdateWindow(hWndList);
    const double t = bench::Seconds(t0);
    ::DestroyWindow(hWndList);
    return t;
}

// Seconds per hover step of the undo list and per LB_SELITEMRANGEEX on a plain list.
void TimeUndoSteps(CWnd& host, double& tHover, double& tPlain)
{
    auto* pPopup = new CExtPopupUndoRedoMenuWnd;
    pPopup->CreatePopupMenu(host.GetSafeHwnd());
    pPopup->m_pCbMeasure = &OnMeasure;
    pPopup->m_pCbDraw = &OnDraw;
    pPopup->m_nControlWidth = 260;
    pPopup->m_nControlHeight = 20 * kItemHeight;
    tHover = tPlain = -1;
    if (!pPopup->TrackPopupMenu(CExtPopupMenuWnd::TRACK_NO_ANIMATION, 500, 100))
    {
        delete pPopup;
        return;
    }
    auto* pList = (CExtPopupUndoRedoListBox*)pPopup->GetListBox();
    Fill(pList->GetSafeHwnd(), kActions);
    // Each step starts with only the first action chosen, as a hover does coming from the top.
    const HWND hWndUndo = pList->GetSafeHwnd();
    tHover = 0;
    std::chrono::steady_clock::time_point t0;
    for (int i = 0; i < kSteps; ++i)
    {
        ::SendMessageW(hWndUndo, LB_SELITEMRANGEEX, kActions - 1, 1);
        t0 = std::chrono::steady_clock::now();
        pList->ChooseUpTo(kChosen);
        tHover += bench::Seconds(t0);
    }
    tHover /= kSteps;
    CExtPopupMenuWnd::CancelMenuTracking();

    // The same style, drawn by the host as the callback draws; each step starts with nothing selected.
    HWND hWndList = ::CreateWindowExW(0, L"LISTBOX", L"", CExtPopupUndoRedoMenuWnd::DEFAULT_UNDO_LIST_STYLE, 10, 10,
                                      260, 20 * kItemHeight, host.GetSafeHwnd(), (HMENU)(UINT_PTR)kListId,
                                      ::GetModuleHandleW(nullptr), nullptr);
    Fill(hWndList, kActions);
    tPlain = 0;
    for (int i = 0; i < kSteps; ++i)
    {
        ::SendMessageW(hWndList, LB_SELITEMRANGEEX, kActions - 1, 0);
        t0 = std::chrono::steady_clock::now();
        ::SendMessageW(hWndList, LB_SELITEMRANGEEX, 0, kChosen);
        tPlain += bench::Seconds(t0);
    }
    tPlain /= kSteps;
    ::DestroyWindow(hWndList);
}
} // namespace

int wmain()
{
    CHost host;
    if (!host.CreateEx(0, AfxRegisterWndClass(0), L"bench", WS_POPUP | WS_VISIBLE, CRect(20, 20, 420, 420), nullptr, 0))
        return 1;
    g_PaintManagerHolder.EnsurePaintManager();
    std::vector<double> listRatios, undoRatios;
    for (int nRun = 0; nRun < kRuns; ++nRun)
    {
        const double tPopup = TimeListPopup(host);
        const double tPlain = TimePlainList(host);
        double tHover = 0, tRange = 0;
        TimeUndoSteps(host, tHover, tRange);
        if (tPopup <= 0 || tPlain <= 0 || tHover <= 0 || tRange <= 0)
            return 1;
        listRatios.push_back(tPopup / tPlain);
        undoRatios.push_back(tHover / tRange);
    }
    Print("list popup of 10,000 strings, track to first paint / plain list box", listRatios, 1.5);
    Print("undo list hover step up to item 900 / LB_SELITEMRANGEEX", undoRatios, 3.0);
    host.DestroyWindow();
    return 0;
}
