// Steps shared by the bar buttons that drop a popup down.
#include "toolkit/bars_tabs/ExtBarButtonMenuSteps.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/menus_dialogs/ExtPopupListBoxMenuWnd.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace barmenu
{

// Raised without activation: the owner window keeps the keyboard while its menus track.
void BringFloatingFrameToTop(CExtToolControlBar* pBar) { CExtMiniDockFrameWnd::BringFloatingFrameToTop(pBar); }

UINT TrackFlags(UINT nAlignment, bool bSelectFirst, bool bNoAnimation)
{
    UINT nFlags = nAlignment | CExtPopupMenuWnd::TRACK_COMBINE_DEFAULT | CExtPopupMenuWnd::TRACK_OWNER_DRAW;
    if (bSelectFirst)
        nFlags |= CExtPopupMenuWnd::TRACK_SELECT_ANY;
    if (CExtToolControlBar::g_bKeyboardTracking)
        nFlags |= CExtPopupMenuWnd::TRACK_ALL_ITEMS;
    if (bNoAnimation)
        nFlags |= CExtPopupMenuWnd::TRACK_NO_ANIMATION;
    return nFlags;
}

UINT TrackAgainstButton(CExtPopupMenuWnd* pPopup, UINT nFlags, const CRect& rcExclude, CExtToolControlBar* pBar,
                        HWND hWndBar, int nIndex)
{
    const CPoint ptTrack = rcExclude.CenterPoint();
    if (!pPopup->TrackPopupMenu(nFlags, ptTrack.x, ptTrack.y, &rcExclude, pBar,
                                CExtToolControlBar::PaintTrackedButtonCallback))
    {
        delete pPopup;
        CExtToolControlBar::CloseTrackingMenus();
        return (UINT)-1;
    }
    CExtToolControlBar::g_bMenuTracking = true;
    if (::IsWindow(hWndBar))
        pBar->SetTrackedButton(nIndex);
    return 0;
}

HICON MenuIconOf(CExtCmdIcon* pIcon) { return (pIcon != nullptr && !pIcon->IsEmpty()) ? pIcon->GetIcon() : nullptr; }

bool InsertSubMenu(CExtPopupMenuWnd* pPopup, CExtPopupMenuWnd* pSub, const CString& sText, HICON hIcon)
{
    if (pPopup->InsertSubMenu(pSub, -1, sText, hIcon))
        return true;
    delete pSub;
    return false;
}

bool CreateListPopup(CExtPopupListBoxMenuWnd* pPopup, LPVOID pCookie,
                     CExtPopupInplaceListBox::ContentCallback_t pfnContent,
                     CExtPopupInplaceListBox::SelectionCallback_t pfnSelection,
                     CExtPopupInplaceListBox::DrawCallback_t pfnDraw,
                     CExtPopupInplaceListBox::MeasureCallback_t pfnMeasure, CSize sizeList, CWnd* pTarget)
{
    pPopup->m_pCbContent = pfnContent;
    pPopup->m_pContentCookie = pCookie;
    pPopup->m_pCbSelection = pfnSelection;
    pPopup->m_pSelectionCookie = pCookie;
    pPopup->m_pCbDraw = pfnDraw;
    pPopup->m_pCbMeasure = pfnMeasure;
    pPopup->m_pDrawingCookie = pCookie;
    pPopup->m_nControlWidth = sizeList.cx;
    pPopup->m_nControlHeight = sizeList.cy;
    if (!pPopup->CreatePopupMenu(pTarget != nullptr ? pTarget->GetSafeHwnd() : nullptr))
    {
        delete pPopup;
        return false;
    }
    return true;
}

} // namespace barmenu
