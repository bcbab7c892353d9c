// The main frame: the view above, the message list below, a status bar at the bottom.
#pragma once
#include "platform/Platform.h"
#include "app/ListPane.h"

class CSMS;

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    virtual ~CMainFrame();

    // The message list shows one more row for a record the document holds.
    void InsertSms(int nPos, CSMS* pRecord);
    // The list shows the records of one folder again.
    void ShowFolder(const CString& strFolder);
    CString GetSelectedFolder() const { return m_strFolder; }
    int GetListCount() const;
    CString GetListItemText(int nRow, int nColumn) const;
    // Text of a pane of the status bar.
    void SetStatusText(int nPane, const CString& strText);
    CString GetStatusText(int nPane) const;
    BOOL IsPhoneBusy() const { return m_bPhoneBusy; }

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    LRESULT OnPhoneBusy(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    HWND m_hList;
    CListPane m_wndListPane; // the list's place in the layout (subclasses m_hList)
    CStatusBar m_wndStatus;
    CString m_strFolder;
    BOOL m_bPhoneBusy;
};
