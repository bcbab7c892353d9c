// CFolderTreeCtrl: the tree of the four message folders; selecting one shows it in the list.
#pragma once
#include "platform/Platform.h"

class CFolderTreeCtrl : public CTreeCtrl
{
    DECLARE_DYNAMIC(CFolderTreeCtrl)
public:
    CFolderTreeCtrl();
    ~CFolderTreeCtrl() override;

    // Selects the first folder ("Inbox") as the caret item and shows it.
    void SelectFirstFolder();
    // The text of the caret item.
    CString GetSelectedFolder() const;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // A folder chosen by the keys leaves them in the tree; one chosen by a click gives them to the message list.
    afx_msg void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    CImageList m_imlFolders;
};
