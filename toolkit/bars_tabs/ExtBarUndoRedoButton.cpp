// CExtBarUndoRedoButton: the step list, its measuring and drawing callbacks, the list popup and its chevron entry.
#include "toolkit/bars_tabs/ExtBarUndoRedoButton.h"
#include "platform/Dc.h"
#include "toolkit/bars_tabs/ExtBarButtonMenuSteps.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupInplaceListBox.h"
#include "toolkit/menus_dialogs/ExtPopupUndoRedoMenuWnd.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CExtBarUndoRedoButton, CExtBarButton)

namespace
{
// The text an empty step is measured with.
const wchar_t* const kEmptyStepMeasure = L"AaWwPpQqRrWwZz";

CExtBarUndoRedoButton* ButtonOf(LPVOID pCookie) { return static_cast<CExtBarUndoRedoButton*>(pCookie); }

bool CbInit(CExtPopupInplaceListBox& wnd, LPVOID pCookie) { return ButtonOf(pCookie)->OnInitList(wnd); }

bool CbSelection(CExtPopupInplaceListBox& wnd, LPVOID pCookie, int nKind)
{
    switch (nKind)
    {
    case 0: return ButtonOf(pCookie)->OnListNotify0(wnd);
    case 1: return ButtonOf(pCookie)->OnListNotify1(wnd);
    case 2: return ButtonOf(pCookie)->OnListNotify2(wnd);
    default: return false;
    }
}

bool CbDraw(CExtPopupInplaceListBox& wnd, LPVOID pCookie, LPDRAWITEMSTRUCT pDIS)
{
    return ButtonOf(pCookie)->OnDrawListItem(wnd, pDIS);
}

bool CbMeasure(CExtPopupInplaceListBox& wnd, LPVOID pCookie, LPMEASUREITEMSTRUCT pMIS)
{
    return ButtonOf(pCookie)->OnMeasureListItem(wnd, pMIS);
}
} // namespace

CExtBarUndoRedoButton::CExtBarUndoRedoButton(CExtToolControlBar* pBar, UINT nCmdID, UINT nStyle)
    : CExtBarButton(pBar, nCmdID, nStyle), m_dwListBoxStyle(kDefaultListBoxStyle), m_nListWidth(-1),
      m_nListMaxHeight(kDefaultMaxHeight), m_lCookie(0)
{}

CExtBarUndoRedoButton::~CExtBarUndoRedoButton() {}

LPARAM CExtBarUndoRedoButton::GetCookie() const { return m_lCookie; }

void CExtBarUndoRedoButton::SetCookie(LPARAM lCookie) { m_lCookie = lCookie; }

int CExtBarUndoRedoButton::OnHelpHitTest(CPoint point)
{
    (void)point;
    return (int)GetCmdID(true);
}

CSize CExtBarUndoRedoButton::GetListItemMargins() const { return CSize(2, 1); }

// ---- the list callbacks ------------------------------------------------------------------------------------------

bool CExtBarUndoRedoButton::OnInitList(CExtPopupInplaceListBox& wndListBox)
{
    if ((wndListBox.GetStyle() & LBS_HASSTRINGS) == 0)
        return true;
    for (INT_PTR i = 0; i < m_arrSteps.GetSize(); ++i)
        wndListBox.SendMessage(LB_ADDSTRING, 0, (LPARAM)(LPCTSTR)m_arrSteps[i]);
    if (m_arrSteps.GetSize() > 0)
        wndListBox.SendMessage(LB_SETSEL, 1, 0);
    return true;
}

bool CExtBarUndoRedoButton::OnListNotify0(CExtPopupInplaceListBox& wndListBox)
{
    (void)wndListBox;
    return false;
}

bool CExtBarUndoRedoButton::OnListNotify1(CExtPopupInplaceListBox& wndListBox)
{
    (void)wndListBox;
    return false;
}

bool CExtBarUndoRedoButton::OnListNotify2(CExtPopupInplaceListBox& wndListBox)
{
    (void)wndListBox;
    return false;
}

bool CExtBarUndoRedoButton::OnDrawListItem(CExtPopupInplaceListBox& wndListBox, LPDRAWITEMSTRUCT pDIS)
{
    if ((wndListBox.GetStyle() & LBS_HASSTRINGS) == 0 || pDIS == nullptr)
        return false;
    const int nCount = (int)wndListBox.SendMessage(LB_GETCOUNT);
    if ((int)pDIS->itemID < 0 || (int)pDIS->itemID >= nCount)
        return true;
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    const bool bSelected = (pDIS->itemState & ODS_SELECTED) != 0;
    CDC* pDC = CDC::FromHandle(pDIS->hDC);
    CRect rc(pDIS->rcItem);
    pDC->FillSolidRect(&rc, pPM->GetTranslatedColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW, &wndListBox));
    const int nLen = (int)wndListBox.SendMessage(LB_GETTEXTLEN, pDIS->itemID);
    if (nLen > 0)
    {
        CString sText;
        wndListBox.SendMessage(LB_GETTEXT, pDIS->itemID, (LPARAM)sText.GetBuffer(nLen + 1));
        sText.ReleaseBuffer();
        const CSize sizeMargins = GetListItemMargins();
        rc.DeflateRect(sizeMargins.cx, sizeMargins.cy);
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        const COLORREF clrOld =
            pDC->SetTextColor(pPM->GetTranslatedColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT, &wndListBox));
        CFont* pOldFont = pDC->SelectObject(&pPM->m_fontNormal);
        pDC->DrawText(sText, &rc, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
        pDC->SelectObject(pOldFont);
        pDC->SetTextColor(clrOld);
        pDC->SetBkMode(nOldMode);
    }
    return true;
}

CSize CExtBarUndoRedoButton::MeasureStep(const CString& sText, bool bMargins) const
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    CWindowDC dc(nullptr);
    const CRect rc = CExtPaintManager::MeasureText(dc, (HFONT)pPM->m_fontNormal.GetSafeHandle(),
                                                   sText.IsEmpty() ? kEmptyStepMeasure : (LPCTSTR)sText);
    CSize size(rc.Width(), rc.Height());
    if (bMargins)
    {
        const CSize sizeMargins = GetListItemMargins();
        size.cx += 2 * sizeMargins.cx;
        size.cy += 2 * sizeMargins.cy;
    }
    return size;
}

bool CExtBarUndoRedoButton::OnMeasureListItem(CExtPopupInplaceListBox& wndListBox, LPMEASUREITEMSTRUCT pMIS)
{
    if ((wndListBox.GetStyle() & LBS_HASSTRINGS) == 0 || pMIS == nullptr)
        return false;
    pMIS->itemWidth = 10;
    pMIS->itemHeight = 10;
    const int nCount = (int)wndListBox.SendMessage(LB_GETCOUNT);
    if ((int)pMIS->itemID < 0 || (int)pMIS->itemID >= nCount)
        return true;
    const int nLen = (int)wndListBox.SendMessage(LB_GETTEXTLEN, pMIS->itemID);
    if (nLen <= 0)
        return true;
    CString sText;
    wndListBox.SendMessage(LB_GETTEXT, pMIS->itemID, (LPARAM)sText.GetBuffer(nLen + 1));
    sText.ReleaseBuffer();
    const CSize size = MeasureStep(sText, true);
    pMIS->itemWidth = (UINT)size.cx;
    pMIS->itemHeight = (UINT)size.cy;
    return true;
}

CSize CExtBarUndoRedoButton::CalcListSize()
{
    if ((m_dwListBoxStyle & LBS_HASSTRINGS) == 0 || m_arrSteps.GetSize() == 0)
        return CSize(m_nListWidth > 0 ? m_nListWidth : kAutoWidth,
                     m_nListMaxHeight > 0 ? m_nListMaxHeight : kEmptyHeight);
    const bool bOwnerDraw = (m_dwListBoxStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
    CSize size(0, 0);
    for (INT_PTR i = 0; i < m_arrSteps.GetSize(); ++i)
    {
        const CSize sizeItem = MeasureStep(m_arrSteps[i], bOwnerDraw);
        size.cx = std::max(size.cx, sizeItem.cx);
        size.cy += sizeItem.cy;
    }
    size.cy += 2;
    const bool bAutoWidth = m_nListWidth <= 0;
    if (bAutoWidth)
        size.cx += 2 * ::GetSystemMetrics(SM_CXFRAME);
    const int nScrollRoom = ::GetSystemMetrics(SM_CXHTHUMB) + ::GetSystemMetrics(SM_CXFRAME);
    if (m_nListMaxHeight > 0 && size.cy > m_nListMaxHeight)
    {
        size.cy = m_nListMaxHeight;
        if (bAutoWidth)
            size.cx += nScrollRoom;
    }
    else if ((m_dwListBoxStyle & LBS_DISABLENOSCROLL) != 0 && bAutoWidth)
        size.cx += nScrollRoom;
    if (!bAutoWidth)
        size.cx = m_nListWidth;
    return size;
}

// ---- the popup ---------------------------------------------------------------------------------------------------

CExtPopupUndoRedoMenuWnd* CExtBarUndoRedoButton::CreateListPopup(bool bFlag)
{
    (void)bFlag;
    auto* pPopup = new CExtPopupUndoRedoMenuWnd(m_lCookie, m_dwListBoxStyle);
    return barmenu::CreateListPopup(pPopup, this, CbInit, CbSelection, CbDraw, CbMeasure, CalcListSize(),
                                    GetCmdTargetWnd())
               ? pPopup
               : nullptr;
}

bool CExtBarUndoRedoButton::PutToPopupMenu(CExtPopupMenuWnd* pPopup)
{
    if (pPopup == nullptr)
        return false;
    CExtPopupUndoRedoMenuWnd* pList = CreateListPopup(false);
    if (pList == nullptr)
        return false;
    CString sText;
    if (CExtCmdItem* pItem = GetCmdItem())
    {
        sText = pItem->m_sMenuText;
        if (sText.IsEmpty())
            sText = pItem->m_sToolbarText;
    }
    if (!barmenu::InsertSubMenu(pPopup, pList, sText, barmenu::MenuIconOf(GetIconPtr())))
        return false;
    pPopup->GetItemAt(pPopup->GetItemCount() - 1).Enable(!IsDisabled());
    return true;
}

UINT CExtBarUndoRedoButton::TrackButtonMenu(CPoint point, bool bSelectFirst, bool bNoAnimation)
{
    (void)point;
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr || IsDisabled())
        return (UINT)-1;
    const int nIndex = GetIndexInBar();
    if (nIndex < 0)
        return (UINT)-1;
    if (CExtToolControlBar::g_bMenuTracking && m_pBar->m_nBtnIdxMenuTracking == nIndex)
        return 0;
    CExtToolControlBar* pBar = m_pBar;
    const HWND hWndBar = pBar->GetSafeHwnd();
    CExtToolControlBar::CloseTrackingMenus();
    barmenu::BringFloatingFrameToTop(pBar);
    CExtPopupUndoRedoMenuWnd* pPopup = CreateListPopup(false);
    if (pPopup == nullptr)
        return (UINT)-1;
    CRect rcExclude = m_rc;
    pBar->ClientToScreen(&rcExclude);
    const UINT nFlags = barmenu::TrackFlags(GetMenuAlignment(), bSelectFirst, bNoAnimation);
    return barmenu::TrackAgainstButton(pPopup, nFlags, rcExclude, pBar, hWndBar, nIndex);
}
