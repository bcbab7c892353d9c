// The frame's bar layout after a one-pixel resize (20 fixed bars on four sides in several rows),
// against one deferred-position batch moving the same windows to the same rectangles.
#include "bench/BenchSupport.h"
#include "platform/Platform.h"
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{

using bench::Seconds;

class CBenchBar : public CControlBar
{
public:
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override { return bHorz ? CSize(60, 24) : CSize(24, 60); }
    CSize CalcDynamicLayout(int, DWORD nMode) override { return CalcFixedLayout(FALSE, (nMode & LM_HORZ) != 0); }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

struct Placed
{
    HWND hWnd;
    CRect rect; // in its parent's client
};

void Collect(HWND hParent, std::vector<Placed>& out)
{
    for (HWND h = ::GetWindow(hParent, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        CRect rect;
        ::GetWindowRect(h, &rect);
        ::MapWindowPoints(nullptr, hParent, (LPPOINT)&rect, 2);
        out.push_back({h, rect});
        Collect(h, out);
    }
}

// Resizes the frame without its own layout, so that only RecalcLayout is timed.
void ResizeQuietly(CFrameWnd* pFrame, int cx, int cy)
{
    pFrame->m_bInRecalcLayout = TRUE;
    pFrame->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->m_bInRecalcLayout = FALSE;
}

} // namespace

int wmain()
{
    CWinApp app(L"DockingBench");
    auto* pFrame = new CFrameWnd;
    if (!pFrame->Create(nullptr, L"bench", WS_OVERLAPPEDWINDOW, CRect(0, 0, 900, 700)))
        return 1;
    CWnd view;
    view.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, pFrame->m_hWnd,
                  (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, nullptr);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    const UINT sides[4] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT};
    std::vector<CBenchBar*> bars;
    for (int s = 0; s < 4; s++)
    {
        CControlBar* pDock = pFrame->GetControlBar(sides[s]);
        BOOL bHorz = s < 2;
        for (int i = 0; i < 5; i++)
        {
            auto* pBar = new CBenchBar;
            pBar->m_bAutoDelete = TRUE;
            pBar->CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, pFrame->m_hWnd,
                           (HMENU)(UINT_PTR)(0xE850 + s * 5 + i), nullptr);
            pBar->SetBarStyle(CBRS_TOP);
            pBar->EnableDocking(CBRS_ALIGN_ANY);
            // Three bars share the first row, two the second.
            int nRow = i < 3 ? 0 : 1, nAlong = (i < 3 ? i : i - 3) * 70;
            CRect rect = bHorz ? CRect(nAlong, nRow * 24, nAlong + 60, nRow * 24 + 24)
                               : CRect(nRow * 24, nAlong, nRow * 24 + 24, nAlong + 60);
            pDock->ClientToScreen(&rect);
            pFrame->DockControlBar(pBar, sides[s], &rect);
            bars.push_back(pBar);
        }
    }
    pFrame->RecalcLayout();
    CRect window;
    pFrame->GetWindowRect(&window);
    const int cx = window.Width(), cy = window.Height();

    // The rectangles of both sizes, and the windows that differ between them.
    std::vector<Placed> small, large;
    Collect(pFrame->m_hWnd, small);
    ResizeQuietly(pFrame, cx + 1, cy);
    pFrame->RecalcLayout();
    Collect(pFrame->m_hWnd, large);
    std::vector<size_t> moved;
    for (size_t i = 0; i < small.size() && i < large.size(); i++)
        if (small[i].hWnd == large[i].hWnd && small[i].rect != large[i].rect)
            moved.push_back(i);

    const int kRounds = 2000;
    double layout = 0;
    for (int r = 0; r < kRounds; r++)
    {
        ResizeQuietly(pFrame, (r & 1) ? cx + 1 : cx, cy);
        auto t0 = std::chrono::steady_clock::now();
        pFrame->RecalcLayout();
        layout += Seconds(t0);
    }

    double batch = 0;
    BOOL bBatchOk = TRUE;
    for (int r = 0; r < kRounds; r++)
    {
        const std::vector<Placed>& target = (r & 1) ? large : small;
        auto t0 = std::chrono::steady_clock::now();
        HDWP hDWP = ::BeginDeferWindowPos((int)moved.size());
        for (size_t i : moved)
        {
            const CRect& rc = target[i].rect;
            hDWP = ::DeferWindowPos(hDWP, target[i].hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                                    SWP_NOZORDER | SWP_NOACTIVATE);
            if (hDWP == nullptr)
                break;
        }
        if (hDWP == nullptr)
            bBatchOk = FALSE;
        else
            ::EndDeferWindowPos(hDWP);
        batch += Seconds(t0);
    }

    std::printf("windows %zu, moved per resize %zu, rounds %d\n", small.size(), moved.size(), kRounds);
    std::printf("RecalcLayout after a 1-pixel resize: %.1f us\n", layout / kRounds * 1e6);
    std::printf("one DeferWindowPos batch of the same moves: %.1f us%s\n", batch / kRounds * 1e6,
                bBatchOk ? "" : " (batch refused)");
    std::printf("ratio: %.2f (target <= 2)\n", batch > 0 ? layout / batch : 0.0);
    pFrame->DestroyWindow();
    return 0;
}
