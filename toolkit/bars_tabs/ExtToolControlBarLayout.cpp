// CExtToolControlBar: sizes for the layout modes, wrapping and button positions.
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"

CSize CExtToolControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0), -1);
}

CSize CExtToolControlBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    if (nLength == -1 && (nMode & (LM_MRUWIDTH | LM_COMMIT)) == 0 && (nMode & (LM_HORZDOCK | LM_VERTDOCK)) != 0)
        return CalcFixedLayout(nMode & LM_STRETCH, nMode & LM_HORZDOCK);
    return CalcLayout(nMode, nLength);
}

CSize CExtToolControlBar::CalcMinSize() const { return CalcMinSizeFor(GetLayoutOrientation() != kOrientVertDocked); }

CSize CExtToolControlBar::CalcMinSizeFor(bool bHorizontal) const
{
    (void)bHorizontal;
    return GetDefaultButtonSize();
}

CSize CExtToolControlBar::CalcLayout(DWORD dwMode, int nLength)
{
    (void)dwMode;
    (void)nLength;
    return GetDefaultButtonSize();
}

CSize CExtToolControlBar::CalcSize(bool bVertical)
{
    (void)bVertical;
    return GetDefaultButtonSize();
}

void CExtToolControlBar::SizeToolBar(int nLength, bool bVertical)
{
    (void)nLength;
    (void)bVertical;
}

int CExtToolControlBar::WrapToolBarVertically(int nHeight)
{
    (void)nHeight;
    return 1;
}

int CExtToolControlBar::WrapToolBar(int nWidth, int nHeight)
{
    (void)nWidth;
    (void)nHeight;
    return 1;
}

void CExtToolControlBar::RecalcButtonPositions() {}

bool CExtToolControlBar::IsVerticalLayout() const { return GetLayoutOrientation() == kOrientVertDocked; }

CRect CExtToolControlBar::GetDockBarClientRect() const { return CRect(0, 0, 0, 0); }

int CExtToolControlBar::GetChevronExtent(bool bVertical)
{
    (void)bVertical;
    return 0;
}
