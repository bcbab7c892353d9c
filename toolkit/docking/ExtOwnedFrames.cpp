// CExtOwnedFrames: the floating frames a top-level window owns, in the window order.
#include "toolkit/docking/ExtOwnedFrames.h"
#include "platform/ThreadState.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include <algorithm>

bool CExtOwnedFrames::IsFloatingFrame(HWND hWnd)
{
    return DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, CWnd::FromHandlePermanent(hWnd)) != nullptr;
}

std::vector<HWND> CExtOwnedFrames::Of(HWND hTop)
{
    std::vector<HWND> frames;
    for (CFrameWnd* pFrame : AfxGetThreadState()->m_frameList)
    {
        const HWND hWnd = pFrame->GetSafeHwnd();
        if (hWnd != nullptr && ::GetWindow(hWnd, GW_OWNER) == hTop && IsFloatingFrame(hWnd))
            frames.push_back(hWnd);
    }
    if (frames.size() < 2)
        return frames;
    std::vector<HWND> owned;
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != nullptr && owned.size() < frames.size();
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        if (std::find(frames.begin(), frames.end(), hWnd) != frames.end())
            owned.push_back(hWnd);
    std::reverse(owned.begin(), owned.end());
    return owned;
}
