// CExtPaintManager access to command icons for the painters: presence, size and drawing in one of
// the icon's drawing states.
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtPaintManager.h"

bool CExtPaintManager::IsCmdIconPaintable(CExtCmdIcon* pIcon) { return pIcon != nullptr && !pIcon->IsEmpty(); }

CSize CExtPaintManager::GetCmdIconSize(CExtCmdIcon* pIcon)
{
    return IsCmdIconPaintable(pIcon) ? CSize(pIcon->GetSize()) : CSize(0, 0);
}

void CExtPaintManager::SyncCmdIconVariant(CExtCmdIcon* pIcon)
{
    if (!IsCmdIconPaintable(pIcon))
        return;
    const COLORREF clr = GetIconVariantColor();
    const double lfFactor = GetIconVariantFactor();
    if (pIcon->GetVariantColor() != clr)
        pIcon->SetVariantColor(clr);
    if (pIcon->GetVariantFactor() != lfFactor)
        pIcon->SetVariantFactor(lfFactor);
}

void CExtPaintManager::PaintCmdIcon(CDC& dc, CExtCmdIcon* pIcon, const CRect& rcIcon, int nState, COLORREF clrBrush)
{
    if (!IsCmdIconPaintable(pIcon))
        return;
    if (nState == kIconStretched)
    {
        HICON hIcon = pIcon->GetIcon(true);
        if (hIcon != nullptr)
            ::DrawIconEx(dc.GetSafeHdc(), rcIcon.left, rcIcon.top, hIcon, rcIcon.Width(), rcIcon.Height(), 0, nullptr,
                         DI_NORMAL);
        return;
    }
    static const int kDrawStates[4] = {CExtCmdIcon::DRAW_NORMAL, CExtCmdIcon::DRAW_DISABLED,
                                       CExtCmdIcon::DRAW_MONOCHROME, CExtCmdIcon::DRAW_VARIANT};
    HBRUSH hBrush = nullptr; // made here for a one-colour look, deleted below
    if (clrBrush != (COLORREF)-1)
        hBrush = ::CreateSolidBrush(clrBrush);
    pIcon->Draw(&dc, rcIcon.TopLeft(), kDrawStates[nState >= 0 && nState < 4 ? nState : 0], hBrush);
    if (hBrush != nullptr)
        ::DeleteObject(hBrush);
}

void CExtPaintManager::PaintCmdIconCentered(CDC& dc, CExtCmdIcon* pIcon, const CRect& rc, bool bEnabled)
{
    if (!IsCmdIconPaintable(pIcon))
        return;
    const CSize size = GetCmdIconSize(pIcon);
    const CRect rcIcon(CPoint(rc.left + (rc.Width() - size.cx) / 2, rc.top + (rc.Height() - size.cy) / 2), size);
    PaintCmdIcon(dc, pIcon, rcIcon, bEnabled ? kIconNormal : kIconDisabled, (COLORREF)-1);
}
