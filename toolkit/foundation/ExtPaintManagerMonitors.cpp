// CExtPaintManager's kept monitor list: asked once (each platform monitor query is a round trip to
// the display server), searched by the platform's nearest-monitor rule, dropped on system events.
#include "toolkit/foundation/ExtPaintManager.h"
#include <vector>

namespace
{

struct KeptMonitor
{
    RECT rcMonitor;
    RECT rcWork;
    bool bPrimary;
};

// GUI thread only, as every monitor helper.
std::vector<KeptMonitor> g_arrKeptMonitors;
bool g_bMonitorsKept = false;

BOOL CALLBACK CollectMonitor(HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam)
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    if (::GetMonitorInfoW(hMonitor, &mi))
        reinterpret_cast<std::vector<KeptMonitor>*>(lParam)->push_back(
            {mi.rcMonitor, mi.rcWork, (mi.dwFlags & MONITORINFOF_PRIMARY) != 0});
    return TRUE;
}

} // namespace

int CExtPaintManager::NearestMonitorIndex(const RECT* prcMonitors, int nCount, const RECT& rcIn)
{
    RECT rc = rcIn;
    if (rc.right <= rc.left || rc.bottom <= rc.top)
    {
        rc.right = rc.left + 1;
        rc.bottom = rc.top + 1;
    }
    int nBest = -1, nNearest = -1;
    long long nMaxArea = 0, nMinDistance = -1;
    for (int i = 0; i < nCount; i++)
    {
        const RECT& m = prcMonitors[i];
        RECT rcCommon;
        if (::IntersectRect(&rcCommon, &m, &rc))
        {
            const long long nArea =
                (long long)(rcCommon.right - rcCommon.left) * (long long)(rcCommon.bottom - rcCommon.top);
            if (nArea > nMaxArea)
            {
                nMaxArea = nArea;
                nBest = i;
            }
        }
        else if (nMaxArea == 0)
        {
            const long long x = rc.right <= m.left ? m.left - rc.right : m.right <= rc.left ? rc.left - m.right : 0;
            const long long y = rc.bottom <= m.top ? m.top - rc.bottom : m.bottom <= rc.top ? rc.top - m.bottom : 0;
            const long long nDistance = x * x + y * y;
            if (nMinDistance < 0 || nDistance < nMinDistance)
            {
                nMinDistance = nDistance;
                nNearest = i;
            }
        }
    }
    return nBest >= 0 ? nBest : nNearest;
}

bool CExtPaintManager::GetKeptMonitorParms(MonitorParms& mp, const RECT& rc)
{
    if (!g_bMonitorsKept)
    {
        g_arrKeptMonitors.clear();
        ::EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, (LPARAM)&g_arrKeptMonitors);
        // An empty answer is not kept: the callers ask the platform directly.
        g_bMonitorsKept = !g_arrKeptMonitors.empty();
        if (!g_bMonitorsKept)
            return false;
    }
    std::vector<RECT> arrRects;
    arrRects.reserve(g_arrKeptMonitors.size());
    for (const KeptMonitor& m : g_arrKeptMonitors)
        arrRects.push_back(m.rcMonitor);
    const int n = NearestMonitorIndex(arrRects.data(), (int)arrRects.size(), rc);
    if (n < 0)
        return false;
    const KeptMonitor& m = g_arrKeptMonitors[n];
    mp.m_rcMonitor = m.rcMonitor;
    mp.m_rcWorkArea = m.rcWork;
    mp.m_bPrimaryMonitor = m.bPrimary;
    return true;
}

void CExtPaintManager::DropKeptMonitors()
{
    g_bMonitorsKept = false;
    g_arrKeptMonitors.clear();
}
