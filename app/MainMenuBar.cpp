// CMainMenuBar: the tool bar's off-screen painting with an opaque text background.
#include "app/MainMenuBar.h"
#include "platform/Dc.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <climits>

void CMainMenuBar::DoPaint(CDC* pDC)
{
    if (pDC == nullptr || GetSafeHwnd() == nullptr)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty())
        return;
    CExtPaintManager::ExcludeChildAreas(pDC->GetSafeHdc(), GetSafeHwnd());
    CRect rcPaint;
    if (pDC->GetClipBox(&rcPaint) == NULLREGION || !rcPaint.IntersectRect(&rcPaint, &rcClient))
        return;
    CExtMemoryDC dc(pDC, &rcPaint);
    PaintBackground(dc, rcClient);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    if (pPM->IsToolBarGradientArea(this))
        PaintButtonGroups(nullptr, &dc);
    const bool bPanel = (m_nBarFlags & kBarFlagPanelMode) != 0;
    CFont* pFont = GetToolBarFont(IsDockedVertically(this) && !bPanel);
    HGDIOBJ hOldFont = pFont != nullptr ? dc.SelectObject((HGDIOBJ)pFont->GetSafeHandle()) : nullptr;
    dc.SetTextColor(pPM->GetTranslatedColor(XCLR_TEXT_NORMAL, this));
    dc.SetBkMode(OPAQUE);
    const bool bHorz = IsHorizontalPaint();
    const int nChevronEdge =
        (m_pRightBtn != nullptr && m_pRightBtn->IsVisible() && !m_pRightBtn->GetRect().IsRectEmpty())
            ? (bHorz ? m_pRightBtn->GetRect().left : m_pRightBtn->GetRect().top)
            : INT_MAX;
    for (int i = 0; i < GetButtonsCount(); i++)
    {
        if (IsButtonHiddenByStyle(i))
            continue;
        CExtBarButton* pButton = m_buttons[i];
        if (!pButton->IsVisible())
            continue;
        const CRect rc = pButton->GetRect();
        if (rc.IsRectEmpty())
            continue;
        if (!pButton->IsSeparator())
        {
            if (dc.RectVisible(&rc))
                pButton->PaintButton(dc, bHorz);
            continue;
        }
        PaintSeparatorAt(dc, i, rcClient, nChevronEdge);
    }
    if (hOldFont != nullptr)
        dc.SelectObject(hOldFont);
    pPM->EndPaintSession(this);
}
