// CDialerContactList: the dialer's list of the document's contacts, filtered by the start of
// their display text; a click hands the clicked contact's number to the parent.
#pragma once
#include "platform/Platform.h"
#include "phone/ContactItem.h"

class CCorvane_smsDoc;

class CDialerContactList : public CListCtrl
{
    DECLARE_DYNAMIC(CDialerContactList)
public:
    CDialerContactList();
    ~CDialerContactList() override;

    // The document whose contacts are listed (not owned); without one the phone host's.
    void SetDocument(CCorvane_smsDoc* pDoc) { m_pDoc = pDoc; }
    // Rebuilds the rows: every contact whose display text, in upper case, begins with the search
    // text in upper case (every contact for an empty one).
    void Fill(const CString& strSearch);
    int GetRowCount() const { return (int)m_arrRows.GetSize(); }
    const CContactItem& GetRow(int nIndex) const { return m_arrRows[nIndex]; }
    // The number of a display text: after the first "<" up to the next ">"; empty without them.
    static CString NumberOf(const CString& strText);

protected:
    CCorvane_smsDoc* GetDoc() const;

    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnClick(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    CArray<CContactItem, const CContactItem&> m_arrRows;
    CCorvane_smsDoc* m_pDoc; // not owned
};
