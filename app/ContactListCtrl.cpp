// CContactListCtrl: filtering, column sizing from the kept text measures, display texts, the font
// change and the double click.
#include "app/ContactListCtrl.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/PhoneHost.h"
#include "phone/PostedText.h"
#include "platform/Dc.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CContactListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CContactListCtrl, CListCtrl)
ON_NOTIFY_REFLECT(LVN_GETDISPINFOW, OnGetDispInfo)
ON_WM_LBUTTONDBLCLK()
ON_MESSAGE(WM_SETFONT, OnSetFont)
END_MESSAGE_MAP()

namespace
{
// Kind codes that "Mob+Car+Rad" drops.
const wchar_t* const kNotMobCarRad[] = {L",BFX", L",PGR", L",WK2", L",HM1", L",HM2", L",HFX", L",WK1", L",AST"};
const int kColumnMargin = 10;

// Whether the first n characters of pText, in upper case, equal those of pUpper.
bool EqualsUpper(const wchar_t* pText, const wchar_t* pUpper, int n)
{
    for (int i = 0; i < n; ++i)
        if ((wchar_t)(UINT_PTR)::CharUpperW((LPWSTR)(UINT_PTR)pText[i]) != pUpper[i])
            return false;
    return true;
}
const int kTextMargin = 10;

// Measures texts in one DC with the list's font selected, taken at the first measure.
class CTextMeasure
{
public:
    explicit CTextMeasure(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()), m_hDC(nullptr), m_hOld(nullptr) {}
    CTextMeasure(const CTextMeasure&) = delete;
    CTextMeasure& operator=(const CTextMeasure&) = delete;
    ~CTextMeasure()
    {
        if (m_hDC == nullptr)
            return;
        if (m_hOld)
            ::SelectObject(m_hDC, m_hOld);
        ::ReleaseDC(m_hWnd, m_hDC);
    }
    // The text's extent plus the margin; -1 when it cannot be measured.
    int Extent(const CString& strText)
    {
        if (m_hDC == nullptr && !Open())
            return -1;
        SIZE sz = {0, 0};
        if (!::GetTextExtentPoint32W(m_hDC, strText, strText.GetLength(), &sz))
            return -1;
        return sz.cx + kTextMargin;
    }
    // As Extent, with the margin alone for a text that cannot be measured.
    int Width(const CString& strText)
    {
        const int nWidth = Extent(strText);
        if (nWidth >= 0)
            return nWidth;
        TRACE(L"Failed to set Notification: %i\n\r", (int)::GetLastError());
        return kTextMargin;
    }

private:
    bool Open()
    {
        m_hDC = ::GetDC(m_hWnd);
        if (m_hDC == nullptr)
            return false;
        if (HFONT hFont = (HFONT)::SendMessageW(m_hWnd, WM_GETFONT, 0, 0))
            m_hOld = ::SelectObject(m_hDC, hFont);
        return true;
    }

    HWND m_hWnd;
    HDC m_hDC;
    HGDIOBJ m_hOld;
};
} // namespace

CContactListCtrl::CContactListCtrl() : m_pFilterCombo(nullptr), m_pDoc(nullptr) {}

CContactListCtrl::~CContactListCtrl() {}

CCorvane_smsDoc* CContactListCtrl::GetDoc() const
{
    if (m_pDoc)
        return m_pDoc;
    CPhoneHost* pHost = GetPhoneHost();
    return pHost ? pHost->GetDoc() : nullptr;
}

int CContactListCtrl::GetTextWidth(const CString& strText) { return CTextMeasure(this).Width(strText); }

bool CContactListCtrl::PassesKindFilter(const CString& strText, int nFilter)
{
    if (nFilter != kFilterMobile && nFilter != kFilterMobCarRad)
        return true;
    const int nLength = strText.GetLength();
    if (nLength < 4)
        return nFilter != kFilterMobile;
    const wchar_t* pKind = (const wchar_t*)strText + nLength - 4;
    if (nFilter == kFilterMobile)
        return EqualsUpper(pKind, L",MOB", 4);
    for (const wchar_t* pszKind : kNotMobCarRad)
        if (EqualsUpper(pKind, pszKind, 4))
            return false;
    return true;
}

int CContactListCtrl::Fill(CComboBox* pFilter, CComboBox* pCategory, const CString& strSearch)
{
    // The column is not first sized to its rows: in an owner-data list that asks every kept row for
    // its text once more, and the widest measure replaces that width at once.
    const int nFilter = pFilter && pFilter->GetSafeHwnd() ? pFilter->GetCurSel() : kFilterAll;
    const int nCategory = pCategory && pCategory->GetSafeHwnd() ? pCategory->GetCurSel() : 0;
    CString strCategory;
    if (nCategory > 0)
        pCategory->GetLBText(nCategory, strCategory);
    CString strNeedle(strSearch);
    strNeedle.MakeUpper();
    const int nNeedle = strNeedle.GetLength();

    m_arrRows.RemoveAll();
    int nWidest = 0;
    if (CCorvane_smsDoc* pDoc = GetDoc())
    {
        const INT_PTR nContacts = pDoc->m_arrContacts.GetSize();
        if (m_arrListed.GetSize() != nContacts)
            m_arrListed.SetSize(nContacts);
        m_arrRows.SetSize(0, nContacts);
        // Released before the list changes: a DC in use is brought up to date with every change.
        CTextMeasure measure(this);
        for (INT_PTR i = 0; i < nContacts; ++i)
        {
            // The tests read the display text in upper case, without copying it.
            const CContactItem& item = pDoc->m_arrContacts[i];
            if (!PassesKindFilter(item.m_strText, nFilter))
                continue;
            if (nCategory > 0 && item.m_strCategory.CompareNoCase(strCategory) != 0)
                continue;
            if (nNeedle > 0 &&
                (item.m_strText.GetLength() < nNeedle || !EqualsUpper(item.m_strText, strNeedle, nNeedle)))
                continue;
            // The kept copy follows the document; its strings keep their storage when unchanged.
            CListedContact& listed = m_arrListed[i];
            if (listed.m_item.m_strText != item.m_strText)
            {
                listed.m_item.m_strText = item.m_strText;
                listed.m_nWidth = -1;
            }
            if (listed.m_item.m_strCategory != item.m_strCategory)
                listed.m_item.m_strCategory = item.m_strCategory;
            listed.m_item.m_bFlag = item.m_bFlag;
            if (listed.m_nWidth < 0)
                listed.m_nWidth = measure.Extent(item.m_strText);
            m_arrRows.Add((int)i);
            nWidest = std::max(nWidest, listed.m_nWidth >= 0 ? listed.m_nWidth : kTextMargin);
        }
    }
    // The rows are new: a selection of the old ones would mark other contacts.
    if (GetSelectedCount() > 0)
        SetItemState(-1, 0, LVIS_SELECTED);
    const int nRows = (int)m_arrRows.GetSize();
    const int nWidth = nWidest + kColumnMargin;
    if (GetItemCount() == nRows && GetColumnWidth(0) == nWidth)
    {
        // Same count and width: only the texts change.
        Invalidate();
        return nWidest;
    }
    // The list's own redraw switch holds its scroll bars back while the count and width change.
    // When it is switched on again the bars are set once; the window's own switch (off meanwhile)
    // keeps each setting from drawing the bars at once: they are painted with the rows next time.
    SetRedraw(FALSE);
    if (GetItemCount() != nRows)
        SetItemCountEx(nRows, LVSICF_NOINVALIDATEALL);
    if (GetColumnWidth(0) != nWidth)
        SetColumnWidth(0, nWidth);
    const bool bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bVisible)
        ::DefWindowProcW(m_hWnd, WM_SETREDRAW, FALSE, 0);
    SetRedraw(TRUE);
    if (bVisible)
        ::DefWindowProcW(m_hWnd, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return nWidest;
}

void CContactListCtrl::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVDISPINFOW* pInfo = (NMLVDISPINFOW*)pNMHDR;
    LVITEMW& item = pInfo->item;
    if ((item.mask & LVIF_TEXT) && item.pszText != nullptr && item.cchTextMax > 0 && item.iItem >= 0 &&
        item.iItem < m_arrRows.GetSize())
        lstrcpynW(item.pszText, GetRow(item.iItem).m_strText, item.cchTextMax);
    *pResult = 0;
}

void CContactListCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    ::SendMessageW(::GetParent(m_hWnd), WM_APP_ADD_RECIPIENT, 0, 0);
    CListCtrl::OnLButtonDblClk(nFlags, point);
}

LRESULT CContactListCtrl::OnSetFont(WPARAM, LPARAM)
{
    // The kept measures belong to the old font.
    for (CListedContact& listed : m_arrListed)
        listed.m_nWidth = -1;
    return Default();
}
