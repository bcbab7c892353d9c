// CSmsListCtrl: the report list of one folder's messages. An owner-data list: it keeps copies of
// the shown records (each pointing back at its document record) and answers the list's display
// requests from them; sorts by a column, shows and marks read the selected message.
#pragma once
#include "platform/Platform.h"
#include "phone/SmsRecord.h"

class CCorvane_smsDoc;
class CExtPopupMenuWnd;

class CSmsListCtrl : public CListCtrl
{
    DECLARE_DYNAMIC(CSmsListCtrl)
public:
    enum
    {
        kColumnRead,
        kColumnDate,
        kColumnTime,
        kColumnName,
        kColumnText,
        kColumnCount
    };

    CSmsListCtrl();
    ~CSmsListCtrl() override;

    // Creates the list as a child with the id (report view, single selection, owner data), its columns at the
    // widths given, in column order.
    BOOL CreateList(CWnd* pParent, UINT nID, const int (&cxColumns)[kColumnCount]);

    // Appends a copy of the record that points back at it (the index is not used).
    void AddSms(int nIndex, CSMS* pRecord);
    // Copies the shown record at the index; false past the end.
    BOOL GetSmsAt(int nIndex, CSMS& record) const;
    // Drops the record at the index and shows one row less.
    void RemoveSmsAt(int nIndex);
    void ClearRecords();
    int GetRecordCount() const { return (int)m_arrRecords.GetSize(); }
    // The document record behind a row: its back-pointer while the document still holds it, else null.
    CSMS* GetLiveSource(int nIndex) const;

    void SetSortState(int nState) { m_nSortState = nState; }
    int GetSortState() const { return m_nSortState; }
    // Orders the records by the sort state; rows with equal keys keep their order.
    void SortRecords();
    // Arrow images of the header items for the sort state.
    void UpdateSortArrows();
    // Shows the one selected row in the view and marks it read.
    void ShowSelectedMessage();
    void MarkSelectedRead();
    // The only selected row, or -1 when none or several are selected.
    int GetSingleSelection() const;
    // Fills the context menu before it shows: the "Tools" sub-menu, the command icons, and no
    // items that do not fit the selected message and folder.
    void PrepareContextMenu(CExtPopupMenuWnd* pPopup);

    // The context menu's commands and their states are the main view's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // The texts a row shows.
    static CString FormatName(const CSMS& record);
    static CString FormatText(const CSMS& record);
    static CString CellText(const CSMS& record, int nColumn);
    // The order of the sort state: negative when a comes before b, positive after, 0 for equal keys.
    static int Compare(const CSMS& a, const CSMS& b, int nState, bool bSentFolder);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    // Delete deletes the selected message as the menu's "Hapus" does; Enter opens it as a double click does.
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // The list takes Enter itself, before the dialog keys of the window around it.
    afx_msg UINT OnGetDlgCode();
    // Opens the row by the folder: "Inbox" a reply, "Sent" a re-compose, "Drafts" and "Outbox" an edit.
    void OpenRow(int nRow);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg LRESULT OnPrepareMenu(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CArray<CSMS, const CSMS&> m_arrRecords; // copies of the shown records, m_pSource set
    CImageList m_imlSmall;                  // read and unread marks
    CImageList m_imlHeader;                 // sort arrows
    int m_nSortState;                       // column + 1, negative for the other direction, 0 unsorted
    int m_cxColumns[kColumnCount];          // the widths the columns are created at
};
