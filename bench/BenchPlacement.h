// Window placements for the layout benchmarks: a window's rectangle in its parent, a frame resized
// without its own layout, the windows a layout moved, and one DeferWindowPos batch placing them.
#pragma once
#include "bench/BenchSupport.h"
#include "platform/Platform.h"
#include <chrono>
#include <vector>

namespace bench
{

struct Placement
{
    HWND hWnd;
    CRect rc; // parent client coordinates
};

inline CRect RectInParent(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), (LPPOINT)&rc, 2);
    return rc;
}

// Resizes the frame without its own layout, so that only RecalcLayout is timed.
inline void ResizeQuietly(CFrameWnd* pFrame, int cx, int cy)
{
    pFrame->m_bInRecalcLayout = TRUE;
    pFrame->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->m_bInRecalcLayout = FALSE;
}

// The windows whose rectangles differ between two snapshots of the same windows, in both placements.
inline void KeepMoved(const std::vector<Placement>& allA, const std::vector<Placement>& allB,
                      std::vector<Placement>& layoutA, std::vector<Placement>& layoutB)
{
    for (size_t i = 0; i < allA.size() && i < allB.size(); ++i)
    {
        if (allA[i].hWnd == allB[i].hWnd && allA[i].rc != allB[i].rc)
        {
            layoutA.push_back(allA[i]);
            layoutB.push_back(allB[i]);
        }
    }
}

// Seconds taken by one DeferWindowPos batch placing the windows.
inline double TimeBatch(const std::vector<Placement>& list)
{
    auto t0 = std::chrono::steady_clock::now();
    HDWP hDWP = ::BeginDeferWindowPos((int)list.size());
    for (const Placement& p : list)
        hDWP = ::DeferWindowPos(hDWP, p.hWnd, nullptr, p.rc.left, p.rc.top, p.rc.Width(), p.rc.Height(),
                                SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    ::EndDeferWindowPos(hDWP);
    return Seconds(t0);
}

} // namespace bench
