// CDialerContactList: fill, display texts and the click that hands a number to the dialer.
#include "app/DialerContactList.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/PhoneHost.h"
#include "phone/PostedText.h"

IMPLEMENT_DYNAMIC(CDialerContactList, CListCtrl)

BEGIN_MESSAGE_MAP(CDialerContactList, CListCtrl)
ON_NOTIFY_REFLECT(LVN_GETDISPINFOW, OnGetDispInfo)
ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
END_MESSAGE_MAP()

CDialerContactList::CDialerContactList() : m_pDoc(nullptr) {}

CDialerContactList::~CDialerContactList() {}

CCorvane_smsDoc* CDialerContactList::GetDoc() const
{
    if (m_pDoc)
        return m_pDoc;
    CPhoneHost* pHost = GetPhoneHost();
    return pHost ? pHost->GetDoc() : nullptr;
}

void CDialerContactList::Fill(const CString& strSearch)
{
    m_arrRows.RemoveAll();
    CString strNeedle(strSearch);
    strNeedle.MakeUpper();
    if (CCorvane_smsDoc* pDoc = GetDoc())
        for (INT_PTR i = 0; i < pDoc->m_arrContacts.GetSize(); ++i)
        {
            const CContactItem& item = pDoc->m_arrContacts[i];
            CString strText(item.m_strText);
            strText.MakeUpper();
            if (strNeedle.IsEmpty() || strText.Left(strNeedle.GetLength()) == strNeedle)
                m_arrRows.Add(item);
        }
    if (m_hWnd)
        SetItemCountEx((int)m_arrRows.GetSize(), 0);
}

CString CDialerContactList::NumberOf(const CString& strText)
{
    const int nOpen = strText.Find(L'<');
    if (nOpen < 0)
        return CString();
    const int nClose = strText.Find(L'>', nOpen + 1);
    if (nClose < 0)
        return CString();
    return strText.Mid(nOpen + 1, nClose - nOpen - 1);
}

void CDialerContactList::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVDISPINFOW* pInfo = (NMLVDISPINFOW*)pNMHDR;
    LVITEMW& item = pInfo->item;
    if ((item.mask & LVIF_TEXT) && item.pszText != nullptr && item.cchTextMax > 0 && item.iItem >= 0 &&
        item.iItem < m_arrRows.GetSize())
        lstrcpynW(item.pszText, m_arrRows[item.iItem].m_strText, item.cchTextMax);
    *pResult = 0;
}

void CDialerContactList::OnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    NMITEMACTIVATE* pAct = (NMITEMACTIVATE*)pNMHDR;
    LVHITTESTINFO hit = {};
    hit.pt = pAct->ptAction;
    const int nRow = (int)SendMessage(LVM_HITTEST, 0, (LPARAM)&hit);
    if (nRow < 0 || nRow >= m_arrRows.GetSize() || (hit.flags & LVHT_ONITEM) == 0)
        return;
    const CString& strText = m_arrRows[nRow].m_strText;
    const int nOpen = strText.Find(L'<');
    if (nOpen < 0 || strText.Find(L'>', nOpen + 1) < 0)
        return; // a row without a number in angle brackets hands nothing over
    HWND hParent = ::GetParent(m_hWnd);
    CPostedText* pText = new CPostedText(NumberOf(strText));
    pText->PostOrDelete(hParent, WM_APP_DIALER_CONTACT, 0);
    ::PostMessageW(hParent, WM_APP_DIALER_UPDATE, 0, 0);
}
