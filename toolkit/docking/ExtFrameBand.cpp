// CExtFrameBand: the floating frames a top-level window owns take the band (topmost or not) the window takes.
#include "toolkit/docking/ExtFrameBand.h"
#include "toolkit/docking/ExtOwnedFrames.h"
#include <memory>
#include <utility>
#include <vector>

namespace
{
// A hidden window of no owner at the top of the topmost band or of the other windows while it lives. Under Wine a
// window placed after a window of the topmost band takes the band only when the window below it is in the band too;
// an owned window asked out of the band is placed after the window just above its owner and stays in the band while
// that one is in it. This window is the neighbour that lets both take the band asked for.
class CBandNeighbour
{
public:
    explicit CBandNeighbour(bool bTopMost)
        : m_hWnd(::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | (bTopMost ? WS_EX_TOPMOST : 0), L"Static", L"",
                                   WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr))
    {}
    ~CBandNeighbour()
    {
        if (m_hWnd != nullptr)
            ::DestroyWindow(m_hWnd);
    }
    CBandNeighbour(const CBandNeighbour&) = delete;
    CBandNeighbour& operator=(const CBandNeighbour&) = delete;
    // Back to the top of its band.
    void ToTop()
    {
        if (m_hWnd != nullptr)
            ::SetWindowPos(m_hWnd, CExtFrameBand::IsTopMost(m_hWnd) ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

private:
    HWND m_hWnd;
};

// The floating frames among the windows (bottom first) not in the band go to its top in turn: they keep their order,
// above a window that just took the band. True when a frame was moved.
bool MoveFramesToBand(const std::vector<HWND>& windows, bool bTopMost)
{
    const UINT nFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    std::unique_ptr<CBandNeighbour> pNeighbour;
    bool bMoved = false;
    for (HWND hWnd : windows)
        if (::IsWindow(hWnd) && CExtFrameBand::IsTopMost(hWnd) != bTopMost && CExtOwnedFrames::IsFloatingFrame(hWnd))
        {
            bMoved = true;
            ::SetWindowPos(hWnd, bTopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, nFlags);
            // Wine keeps a frame in the band while its owner is just below the band (as after the owner's own move
            // out of it): with a neighbour above the owner it leaves it, as on Windows.
            if (!bTopMost && ::IsWindow(hWnd) && CExtFrameBand::IsTopMost(hWnd))
            {
                if (pNeighbour == nullptr)
                    pNeighbour = std::make_unique<CBandNeighbour>(false);
                ::SetWindowPos(hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, nFlags);
            }
        }
    return bMoved;
}
} // namespace

bool CExtFrameBand::IsTopMost(HWND hWnd) { return (::GetWindowLongPtrW(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

void CExtFrameBand::OnPosChanging(const WINDOWPOS& wp)
{
    if ((wp.flags & SWP_NOZORDER) == 0 && (wp.hwndInsertAfter == HWND_TOPMOST || wp.hwndInsertAfter == HWND_NOTOPMOST))
        m_bTopMostAsked = wp.hwndInsertAfter == HWND_TOPMOST && !IsTopMost(m_hTop);
}

bool CExtFrameBand::BeginEntry(bool bOrderChanged)
{
    if (!(std::exchange(m_bTopMostAsked, false) && bOrderChanged && !m_bTakingBand))
        return false;
    m_bTakingBand = true;
    return true;
}

void CExtFrameBand::EnterTopMostBand(HWND hTop)
{
    const UINT nFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    CBandNeighbour neighbour(true);
    if (!IsTopMost(hTop))
        ::SetWindowPos(hTop, HWND_TOPMOST, 0, 0, 0, 0, nFlags);
    // Under Wine a window manager stacks the window above the frames, which entered the band before it: they go to
    // the top again in turn, a move Wine passes on to the manager only from below the top, where the neighbour is
    // put first.
    neighbour.ToTop();
    for (HWND hFrame : CExtOwnedFrames::Of(hTop))
        if (::IsWindow(hFrame) && IsTopMost(hTop))
            ::SetWindowPos(hFrame, HWND_TOPMOST, 0, 0, 0, 0, nFlags);
}

bool CExtFrameBand::Follow(HWND hTop) { return MoveFramesToBand(CExtOwnedFrames::Of(hTop), IsTopMost(hTop)); }
