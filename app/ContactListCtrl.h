// CContactListCtrl: the compose window's list of the document's contacts, filtered by telephone
// kind, category and the start of the display text; a double click asks the parent to take the
// selected contacts as recipients.
#pragma once
#include "platform/Platform.h"
#include "phone/ContactItem.h"

class CCorvane_smsDoc;

class CContactListCtrl : public CListCtrl
{
    DECLARE_DYNAMIC(CContactListCtrl)
public:
    // Items of the filter combo box.
    enum
    {
        kFilterAll = 0,       // "Semua"
        kFilterMobile = 1,    // "Mobile"
        kFilterMobCarRad = 2, // "Mob+Car+Rad"
    };

    CContactListCtrl();
    ~CContactListCtrl() override;

    // The document whose contacts are listed (not owned); without one the phone host's.
    void SetDocument(CCorvane_smsDoc* pDoc) { m_pDoc = pDoc; }
    // The parent's filter combo box (not owned).
    void SetFilterCombo(CComboBox* pCombo) { m_pFilterCombo = pCombo; }
    CComboBox* GetFilterCombo() const { return m_pFilterCombo; }
    // Rebuilds the rows from the filter and category boxes (either may be null: no filter) and
    // the search text; sizes the column; answers the widest kept text measure (0 for no row).
    int Fill(CComboBox* pFilter, CComboBox* pCategory, const CString& strSearch);
    // The text's extent in the list's font plus 10 pixels.
    int GetTextWidth(const CString& strText);
    // Whether a display text passes the kind filter (its kind code compared in upper case).
    static bool PassesKindFilter(const CString& strText, int nFilter);

    int GetRowCount() const { return (int)m_arrRows.GetSize(); }
    // The contact shown in a row, as it was when the rows were filled.
    const CContactItem& GetRow(int nIndex) const { return m_arrListed[m_arrRows[nIndex]].m_item; }

protected:
    // A document contact as the list last kept it, with its text's measure in the list's font.
    struct CListedContact
    {
        CContactItem m_item;
        int m_nWidth = -1; // GetTextWidth of m_item.m_strText; -1 until measured in the current font
    };

    CCorvane_smsDoc* GetDoc() const;

    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // By document index; a fill refreshes the entries of the contacts it keeps, so a text is
    // measured again only when it or the font has changed.
    CArray<CListedContact, const CListedContact&> m_arrListed;
    CArray<int, int> m_arrRows; // the rows' indexes into m_arrListed
    CComboBox* m_pFilterCombo;  // not owned
    CCorvane_smsDoc* m_pDoc;    // not owned
};
