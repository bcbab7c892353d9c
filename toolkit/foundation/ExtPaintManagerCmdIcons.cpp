// CExtPaintManager access to command icons for the painters: presence, size and drawing in one of
// the icon's drawing states.
#include "toolkit/foundation/ExtPaintManager.h"

bool CExtPaintManager::IsCmdIconPaintable(CExtCmdIcon* pIcon)
{
    (void)pIcon;
    return false;
}

CSize CExtPaintManager::GetCmdIconSize(CExtCmdIcon* pIcon)
{
    (void)pIcon;
    return CSize(0, 0);
}

void CExtPaintManager::SyncCmdIconVariant(CExtCmdIcon* pIcon)
{
    (void)pIcon;
}

void CExtPaintManager::PaintCmdIcon(CDC& dc, CExtCmdIcon* pIcon, const CRect& rcIcon, int nState, COLORREF clrBrush)
{
    (void)dc;
    (void)pIcon;
    (void)rcIcon;
    (void)nState;
    (void)clrBrush;
}

void CExtPaintManager::PaintCmdIconCentered(CDC& dc, CExtCmdIcon* pIcon, const CRect& rc, bool bEnabled)
{
    if (!IsCmdIconPaintable(pIcon))
        return;
    const CSize size = GetCmdIconSize(pIcon);
    const CRect rcIcon(CPoint(rc.left + (rc.Width() - size.cx) / 2, rc.top + (rc.Height() - size.cy) / 2), size);
    PaintCmdIcon(dc, pIcon, rcIcon, bEnabled ? kIconNormal : kIconDisabled, (COLORREF)-1);
}
