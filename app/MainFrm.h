// The main frame: the folder tree on the left, the view above the message list on the right, a
// status bar at the bottom; the command profile of its menu and the list's stored layout.
#pragma once
#include "platform/Platform.h"
#include "app/FrameFolderTree.h"
#include "app/FrameSmsList.h"
#include "toolkit/menus_dialogs/ExtButton.h"

class CSMS;

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    // Status bar panes: the main text, the status lines, the "LOG" pane.
    enum
    {
        kPaneMain = 0,
        kPaneStatus = 1,
        kPaneLog = 2
    };

    CMainFrame();
    ~CMainFrame() override;

    CSmsListCtrl* GetSmsListCtrl() { return &m_wndSmsList; }
    CFolderTreeCtrl* GetFolderTree() { return &m_wndFolderTree; }
    // The message list shows one more row for a record the document holds.
    void InsertSms(int nPos, CSMS* pRecord);
    int GetListCount() const;
    CString GetListItemText(int nRow, int nColumn) const;
    // Sets the command's icon, loaded at the size, in the command profile bound to this frame.
    bool SetCommandIcon(UINT nCmdID, UINT nIconID, int cx, int cy);
    // Text of a pane of the status bar.
    void SetStatusText(int nPane, const CString& strText);
    CString GetStatusText(int nPane) const;
    // The pane the status lines go to: 1, or 2 while the busy pane sits at 1.
    int GetStatusPaneIndex() const { return kPaneStatus; }
    BOOL IsPhoneBusy() const { return m_bPhoneBusy; }

    BOOL DestroyWindow() override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    LRESULT OnPhoneBusy(WPARAM wParam, LPARAM lParam);
    // "Forward" reaches the frame only when no view took it: nothing happens.
    void OnSmsForward() {}
    DECLARE_MESSAGE_MAP()

    CFrameFolderTree m_wndFolderTree;
    CFrameSmsList m_wndSmsList;
    CStatusBar m_wndStatus;
    BOOL m_bPhoneBusy;

public:
    // "Settings"/"ThemeColor" of the custom theme, whose colour is "Theme"/"bgColor".
    static const int kThemeCustom = 4;
    // Installs a new colour theme paint manager and redraws the frame with all it holds.
    void ApplyTheme();
    // "Settings" (32866): the settings sheet on its general pages; after OK the frame stores what
    // the initialised pages hold and re-arms the scheduled fetch.
    void OnSettings();
    // "Setting SMS" (32880): the sheet on the SMS options and MyText; after OK the options are
    // stored and the MyText file is written.
    void OnSmsSettings();

    // ---- tool dialogs and the status bar's "LOG" button ----------------------------------------
public:
    enum
    {
        kLogButtonWidth = 50 // pixels of the "LOG" button at the left of the log pane
    };
    void RecalcLayout(BOOL bNotify = TRUE) override;
    CExtButton* GetLogButton() { return &m_wndLogButton; }

protected:
    // Creates the "LOG" button on first use and keeps it on the log pane.
    void PlaceLogButton();
    void OnExportSms();
    void OnImportSms();
    void OnSearchSms();
    void OnSmsLog();
    void OnSoundSettings();

    CExtButton m_wndLogButton; // 153
};
