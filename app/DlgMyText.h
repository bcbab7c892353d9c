// CDlgMyText: the "MyText" page of the settings sheet: the list of ready-made texts with add,
// change and delete. It edits a copy (m_arrText, in file order); the opener writes it back
// (WriteList) after OK. The list box is sorted, so the array entry of an item is found by its text.
#pragma once
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CDlgMyText : public CExtResizableDialog
{
    DECLARE_DYNCREATE(CDlgMyText)
public:
    CDlgMyText();

    // "MyText" selects the document's MyText file, any other name its quick-reply file.
    void SetListName(const CString& strName) { m_strListName = strName; }
    BOOL OnInitDialog() override;
    // Reads every line of the file into the array and the list.
    void LoadList();
    // True when the page holds the file's list: it was initialised and the file, when there was
    // one, could be read. Only then may the list be written back.
    bool HoldsList() const { return m_bInitialized && m_bLoaded; }

    // Writes the texts to the file, separated by single line feeds, none after the last: ANSI when
    // every text converts without loss, else UTF-16 little-endian with its mark. FALSE when the
    // file could not be written.
    // A file at the path is replaced only by the whole new one: on a failure it stays as it was.
    static BOOL WriteList(const CString& strPath, const CStringArray& arrText);
    // WriteList; a failure is told in an error box owned by pOwner.
    static BOOL StoreList(CWnd* pOwner, const CString& strPath, const CStringArray& arrText);

    CStringArray m_arrText; // the copy that is written back, in file order
    CListBox m_wndList;     // 1064
    CExtButton m_wndAdd, m_wndEdit, m_wndDelete;
    CString m_strListName;
    CString m_strPath;
    bool m_bInitialized;
    bool m_bLoaded;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The index in the array of the first entry equal to the text, or -1.
    int FindInArray(const CString& strText) const;

    afx_msg void OnAdd();
    afx_msg void OnEdit();
    afx_msg void OnDelete();
    DECLARE_MESSAGE_MAP()
};
