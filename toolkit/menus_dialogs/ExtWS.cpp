// CExtWSPlacement: the placement text of the resizable windows' state layer.
#include "toolkit/menus_dialogs/ExtWS.h"
#include <cstdio>

namespace
{
bool IsMinimizingShowCmd(UINT nShowCmd)
{
    return nShowCmd == SW_SHOWMINIMIZED || nShowCmd == SW_MINIMIZE || nShowCmd == SW_SHOWMINNOACTIVE ||
           nShowCmd == SW_FORCEMINIMIZE;
}

// True when the rectangle shares some pixel with the work area of the monitor nearest to it.
bool IsOnSomeWorkArea(const CRect& rc)
{
    CExtPaintManager::MonitorParms mp;
    CExtPaintManager::GetMonitorParmsFromRect(mp, rc);
    CRect rcCommon;
    return rcCommon.IntersectRect(&rc, &mp.m_rcWorkArea) != FALSE;
}
} // namespace

bool CExtWSPlacement::Parse(LPCTSTR lpszText, WINDOWPLACEMENT& wp)
{
    if (lpszText == nullptr)
        return false;
    int n[6] = {};
    wchar_t chExtra = 0;
    if (std::swscanf(lpszText, L"%d,%d,%d,%d,%d,%d%lc", &n[0], &n[1], &n[2], &n[3], &n[4], &n[5], &chExtra) != 6)
        return false;
    CRect rc(n[0], n[1], n[2], n[3]);
    if (rc.right <= rc.left || rc.bottom <= rc.top)
        return false;
    if (n[4] < SW_HIDE || n[4] > SW_MAX)
        return false;
    UINT nShowCmd = (UINT)n[4];
    if (IsMinimizingShowCmd(nShowCmd))
        nShowCmd = SW_SHOWNORMAL;
    if (!IsOnSomeWorkArea(rc))
        rc = CExtPaintManager::AlignRectToMonitor(rc, true);
    wp.rcNormalPosition = rc;
    wp.showCmd = nShowCmd;
    wp.flags = (UINT)n[5];
    return true;
}

CString CExtWSPlacement::Format(const WINDOWPLACEMENT& wp)
{
    CString s;
    s.Format(L"%d,%d,%d,%d,%d,%d", (int)wp.rcNormalPosition.left, (int)wp.rcNormalPosition.top,
             (int)wp.rcNormalPosition.right, (int)wp.rcNormalPosition.bottom, (int)wp.showCmd, (int)wp.flags);
    return s;
}
