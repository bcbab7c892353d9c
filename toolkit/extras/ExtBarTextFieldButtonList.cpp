// CExtBarTextFieldButton: the combo list: opening it modally, its popup and size, and the list
// callbacks that fill, measure and draw it and carry the choice into the field.
#include "platform/Dc.h"
#include "toolkit/bars_tabs/ExtBarButtonMenuSteps.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/extras/ExtBarTextFieldButton.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupListBoxMenuWnd.h"
#include <algorithm>

namespace
{

// The button whose list is open (lists run modally, one at a time), with what finds it in its bar.
struct ListSession
{
    CExtBarTextFieldButton* pButton = nullptr;
    CRuntimeClass* pClass = nullptr;
    CExtToolControlBar* pBar = nullptr;
    HWND hWndBar = nullptr;
};
ListSession g_listSession;

} // namespace

CExtBarTextFieldButton* CExtBarTextFieldButton::ListButton(LPVOID pCookie)
{
    const ListSession& s = g_listSession;
    if (pCookie == nullptr || pCookie != s.pButton || !IsButtonInBar(s.pButton, s.pClass, s.pBar, s.hWndBar))
        return nullptr;
    return s.pButton;
}

bool CExtBarTextFieldButton::ListContentCallback(CExtPopupInplaceListBox& wndList, LPVOID pCookie)
{
    CExtBarTextFieldButton* pButton = ListButton(pCookie);
    return pButton != nullptr && pButton->OnInitList(wndList);
}

bool CExtBarTextFieldButton::ListSelectionCallback(CExtPopupInplaceListBox& wndList, LPVOID pCookie, int nKind)
{
    CExtBarTextFieldButton* pButton = ListButton(pCookie);
    if (pButton == nullptr)
        return false;
    switch (nKind)
    {
    case CExtPopupInplaceListBox::SEL_CHANGED: return pButton->OnListSelChanging(wndList);
    case CExtPopupInplaceListBox::SEL_END_OK: return pButton->OnListSelected(wndList);
    case CExtPopupInplaceListBox::SEL_END_CANCEL: return pButton->OnListCancelled(wndList);
    default: return false;
    }
}

bool CExtBarTextFieldButton::ListDrawCallback(CExtPopupInplaceListBox& wndList, LPVOID pCookie, LPDRAWITEMSTRUCT pDIS)
{
    CExtBarTextFieldButton* pButton = ListButton(pCookie);
    return pButton != nullptr && pButton->OnDrawListItem(wndList, pDIS);
}

bool CExtBarTextFieldButton::ListMeasureCallback(CExtPopupInplaceListBox& wndList, LPVOID pCookie,
                                                 LPMEASUREITEMSTRUCT pMIS)
{
    CExtBarTextFieldButton* pButton = ListButton(pCookie);
    return pButton != nullptr && pButton->OnMeasureListItem(wndList, pMIS);
}

UINT CExtBarTextFieldButton::TrackButtonMenu(CPoint point, bool bSelectFirst, bool bNoAnimation)
{
    (void)point;
    CExtToolControlBar* pBar = m_pBar;
    if (!IsCombo() || IsDisabled() || IsFieldHidden() || IsListOpen() || pBar == nullptr ||
        pBar->GetSafeHwnd() == nullptr)
        return (UINT)-1;
    const HWND hWndBar = pBar->GetSafeHwnd();
    CRuntimeClass* pClass = GetRuntimeClass();
    CExtToolControlBar::CloseTrackingMenus();
    CancelEditing();
    barmenu::BringFloatingFrameToTop(pBar);
    CExtPopupMenuWnd* pPopup = CreateListPopup();
    if (pPopup == nullptr)
        return (UINT)-1;
    CRect rcEdit = GetEditRectOfButton();
    pBar->ClientToScreen(&rcEdit);
    const int x = rcEdit.left + pPopup->GetShadowSize() - ::GetSystemMetrics(SM_CXHTHUMB);
    const UINT nFlags = GetMenuAlignment() | CExtPopupMenuWnd::TRACK_DO_MESSAGE_LOOP |
                        CExtPopupMenuWnd::TRACK_OWNER_DRAW | (bNoAnimation ? CExtPopupMenuWnd::TRACK_NO_ANIMATION : 0);
    ModifyStyle(TBBS_PRESSED, 0);
    m_dwFieldFlags |= kFieldListOpen;
    m_dwFieldFlags = bSelectFirst ? (m_dwFieldFlags | kFieldSelectInList) : (m_dwFieldFlags & ~kFieldSelectInList);
    m_sEditText = m_sFieldText;
    RedrawButton(false);
    g_listSession = ListSession{this, pClass, pBar, hWndBar};
    const bool bTracked = pPopup->TrackPopupMenu(nFlags, x, rcEdit.bottom, &rcEdit);
    g_listSession = ListSession{};
    if (!bTracked)
        delete pPopup;
    // The list ran modally: the button may have left its bar meanwhile.
    if (!IsButtonInBar(this, pClass, pBar, hWndBar))
        return 0;
    ModifyStyle(0, TBBS_PRESSED);
    m_dwFieldFlags &= ~kFieldListOpen;
    RedrawButton(false);
    if (!IsReadOnly() && (m_nEditFlags & kEditRestartAfterList) != 0)
        OnInplaceEdit();
    return 0;
}

CExtPopupMenuWnd* CExtBarTextFieldButton::CreateListPopup()
{
    auto* pPopup = new CExtPopupListBoxMenuWnd((LPARAM)m_dwListCookie, m_dwListBoxStyle);
    return barmenu::CreateListPopup(pPopup, this, ListContentCallback, ListSelectionCallback, ListDrawCallback,
                                    ListMeasureCallback, CalcListSize(), GetCmdTargetWnd())
               ? pPopup
               : nullptr;
}

CSize CExtBarTextFieldButton::CalcListSize()
{
    CSize size(0, 0);
    const bool bStrings = (m_dwListBoxStyle & LBS_HASSTRINGS) != 0;
    if (!bStrings || m_arrListItems.empty())
    {
        size.cx = m_nListWidth > 0 ? m_nListWidth : kDefaultListWidth;
        size.cy = m_nMaxListHeight > 0 ? m_nMaxListHeight : kDefaultListHeight;
    }
    else
    {
        const bool bOwnerDraw = (m_dwListBoxStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
        const CSize sizeMargins = bOwnerDraw ? GetListItemMargins() : CSize(0, 0);
        CWindowDC dc(nullptr);
        const HFONT hFont = (HFONT)g_PaintManagerHolder->m_fontNormal.GetSafeHandle();
        for (const CString& sItem : m_arrListItems)
        {
            const CSize sizeText =
                CExtPaintManager::MeasureText(dc, hFont, sItem.IsEmpty() ? kEmptyItemSample : (LPCTSTR)sItem).Size();
            size.cx = std::max(size.cx, sizeText.cx + 2 * sizeMargins.cx);
            size.cy += sizeText.cy + 2 * sizeMargins.cy;
        }
        size.cy += 2;
        const bool bAutoWidth = m_nListWidth <= 0;
        if (bAutoWidth)
            size.cx += 2 * ::GetSystemMetrics(SM_CXFRAME);
        const int nMaxHeight = m_nMaxListHeight > 0 ? m_nMaxListHeight : kDefaultMaxListHeight;
        const bool bCut = size.cy > nMaxHeight;
        if (bCut)
            size.cy = nMaxHeight;
        if (bAutoWidth && (bCut || (m_dwListBoxStyle & LBS_DISABLENOSCROLL) != 0))
            size.cx += ::GetSystemMetrics(SM_CXHTHUMB) + ::GetSystemMetrics(SM_CXFRAME);
    }
    if (m_nListWidth == kListWidthField)
        size.cx = GetFieldWidth() + ::GetSystemMetrics(SM_CXHTHUMB);
    else if (m_nListWidth > 0)
        size.cx = m_nListWidth;
    return size;
}

bool CExtBarTextFieldButton::GetListSelectionText(CExtPopupInplaceListBox& wndList, CString& sText)
{
    const int nSel = wndList.GetCurSel();
    if (nSel < 0 || nSel >= wndList.GetCount())
        return false;
    wndList.GetText(nSel, sText);
    return true;
}

bool CExtBarTextFieldButton::OnInitList(CExtPopupInplaceListBox& wndList)
{
    for (const CString& sItem : m_arrListItems)
        wndList.AddString(sItem);
    if ((m_dwFieldFlags & kFieldSelectInList) != 0 && !m_arrListItems.empty() && !m_sFieldText.IsEmpty())
        wndList.SelectString(-1, m_sFieldText);
    return true;
}

bool CExtBarTextFieldButton::OnListSelChanging(CExtPopupInplaceListBox& wndList)
{
    CString sText;
    if (!GetListSelectionText(wndList, sText))
        return false;
    m_sEditText = sText;
    RedrawButton(true);
    return false;
}

bool CExtBarTextFieldButton::OnListSelected(CExtPopupInplaceListBox& wndList)
{
    CString sText;
    if (GetListSelectionText(wndList, sText))
    {
        m_sEditText = sText;
        SetFieldText(sText, true);
    }
    RedrawButton(false);
    return false;
}

bool CExtBarTextFieldButton::OnListCancelled(CExtPopupInplaceListBox& wndList)
{
    (void)wndList;
    RedrawButton(false);
    return false;
}

CSize CExtBarTextFieldButton::GetListItemMargins() const { return CSize(kListItemMarginX, kListItemMarginY); }

bool CExtBarTextFieldButton::OnDrawListItem(CExtPopupInplaceListBox& wndList, LPDRAWITEMSTRUCT pDIS)
{
    if ((wndList.GetStyle() & LBS_HASSTRINGS) == 0)
        return false;
    if (pDIS == nullptr || (int)pDIS->itemID < 0 || (int)pDIS->itemID >= wndList.GetCount())
        return true;
    CDC* pDC = CDC::FromHandle(pDIS->hDC);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    const bool bSelected = (pDIS->itemState & ODS_SELECTED) != 0;
    CRect rcItem(pDIS->rcItem);
    pDC->FillSolidRect(&rcItem, pPM->GetTranslatedColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    CString sText;
    wndList.GetText((int)pDIS->itemID, sText);
    if (!sText.IsEmpty())
    {
        const CSize sizeMargins = GetListItemMargins();
        CRect rcText(rcItem);
        rcText.DeflateRect(sizeMargins.cx, sizeMargins.cy);
        const COLORREF clrOld =
            pDC->SetTextColor(pPM->GetTranslatedColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT));
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        CFont* pOldFont = pDC->SelectObject(&pPM->m_fontNormal);
        pDC->DrawText(sText, -1, &rcText, kListDrawTextFlags);
        pDC->SelectObject(pOldFont);
        pDC->SetBkMode(nOldMode);
        pDC->SetTextColor(clrOld);
    }
    if (bSelected)
        pDC->DrawFocusRect(&rcItem);
    return true;
}

bool CExtBarTextFieldButton::OnMeasureListItem(CExtPopupInplaceListBox& wndList, LPMEASUREITEMSTRUCT pMIS)
{
    if ((wndList.GetStyle() & LBS_HASSTRINGS) == 0)
        return false;
    if (pMIS == nullptr)
        return true;
    pMIS->itemWidth = pMIS->itemHeight = kListItemMinExtent;
    if ((int)pMIS->itemID < 0 || (int)pMIS->itemID >= wndList.GetCount())
        return true;
    CString sText;
    wndList.GetText((int)pMIS->itemID, sText);
    if (sText.IsEmpty())
        return true;
    CWindowDC dc(nullptr);
    const CSize sizeText =
        CExtPaintManager::MeasureText(dc, (HFONT)g_PaintManagerHolder->m_fontNormal.GetSafeHandle(), sText).Size();
    const CSize sizeMargins = GetListItemMargins();
    pMIS->itemWidth = sizeText.cx + 2 * sizeMargins.cx;
    pMIS->itemHeight = sizeText.cy + 2 * sizeMargins.cy;
    return true;
}
