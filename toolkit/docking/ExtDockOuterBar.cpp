// CExtDockOuterBar: class record, construction and the system events of its frame.
#include "toolkit/docking/ExtDockOuterBar.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

IMPLEMENT_DYNCREATE(CExtDockOuterBar, CExtDockBar)

BEGIN_MESSAGE_MAP(CExtDockOuterBar, CExtDockBar)
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
ON_WM_DISPLAYCHANGE()
ON_MESSAGE(WM_THEMECHANGED, OnThemeChangedBar)
END_MESSAGE_MAP()

CExtDockOuterBar::CExtDockOuterBar() : CExtDockBar(0) {}

CExtDockOuterBar::~CExtDockOuterBar() {}

void CExtDockOuterBar::OnSysColorChange()
{
    CExtDockBar::OnSysColorChange();
    g_PaintManagerHolder.OnSysColorChange(this);
    g_CmdManagerHolder.OnSysColorChange(this);
}

void CExtDockOuterBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CExtDockBar::OnSettingChange(uFlags, lpszSection);
    g_PaintManagerHolder.OnSettingChange(this, uFlags, lpszSection);
    g_CmdManagerHolder.OnSettingChange(this, uFlags, lpszSection);
}

void CExtDockOuterBar::OnDisplayChange(UINT nBitsPerPixel, int cx, int cy)
{
    CExtDockBar::OnDisplayChange(nBitsPerPixel, cx, cy);
    g_PaintManagerHolder.OnDisplayChange(this, (int)nBitsPerPixel, cx, cy);
    g_CmdManagerHolder.OnDisplayChange(this, (INT)nBitsPerPixel, cx, cy);
}

LRESULT CExtDockOuterBar::OnThemeChangedBar(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = Default();
    g_PaintManagerHolder.OnThemeChanged(this, wParam, lParam);
    g_CmdManagerHolder.OnThemeChanged(this, wParam, lParam);
    return lResult;
}
