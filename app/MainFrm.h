// The main frame: the menu bar, the "Standard Toolbar" and "Corvane Toolbar", the "Folders" bar
// with the folder tree and the "SMS List" bar with the message list, the status bar with the
// "LOG" button and the busy animation; the command profile, the theme, the stored layout and the
// application-wide commands.
#pragma once
#include "platform/Platform.h"
#include "app/BusyAnimateCtrl.h"
#include "app/FrameFolderTree.h"
#include "app/FrameSmsList.h"
#include "app/MainControlBar.h"
#include "app/MainMenuBar.h"
#include "app/SystemTray.h"
#include "toolkit/bars_tabs/ExtStatusControlBar.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/menus_dialogs/ExtButton.h"

class CSMS;

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    // Status bar panes by index while no phone job runs: the main text, the status lines, the
    // "LOG" pane; the busy pane sits at index 1 during a job and moves the others one on.
    enum
    {
        kPaneMain = 0,
        kPaneStatus = 1,
        kPaneLog = 2
    };
    // Ids of the bars and panes.
    enum : UINT
    {
        kIdMenuBar = 104,
        kIdFoldersBar = 105,
        kIdSmsListBar = 101,
        kIdStandardToolBar = AFX_IDW_TOOLBAR,
        kIdCorvaneToolBar = 136,
        kIdBusyPane = 32775,
        kIdLogPane = 32776
    };
    // The bar style of the menu bar, the tool bars and the resizable bars; the status bar's.
    static constexpr DWORD kBarStyle = 0x5640283C;
    static constexpr DWORD kStatusBarStyle = 0x50008200;

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
    int GetStatusPaneIndex() const;
    BOOL IsPhoneBusy() const { return m_bPhoneBusy; }
    // Moves the window into the topmost or the not-topmost band at its rectangle and shows it
    // (unless bShow is false: the frame before its first show).
    void SetTopMost(BOOL bOn, bool bShow = true);
    BOOL IsTopMost() const { return m_bTopMost; }

    // Creates the window without a menu of its own: the menu bar loads the frame's menu itself.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    BOOL DestroyWindow() override;
    void ActivateFrame(int nCmdShow = -1) override;
    // Lays the bars and the view out; during creation only notes that a layout is due.
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // Layouts of the frame since it was created (a count for the start-up checks).
    int GetLayoutCount() const { return m_nLayouts; }

    // F6 and Shift+F6 go round the panes (the folder tree, the message list, the view); Tab and Shift+Tab go on from
    // the tree and the list to the next place and from the view's last or first control (MainFrmKeys.cpp).
    BOOL PreTranslateMessage(MSG* pMsg) override;

    CSystemTray* GetTrayIcon() { return &m_TrayIcon; }
    BOOL IsHiddenToTray() const { return m_bHiddenToTray; }

    // The bars, for the layout's and the tests' look.
    CMainMenuBar m_wndMenuBar;
    CExtToolControlBar m_wndToolBar;
    CExtToolControlBar m_wndCorvaneBar;
    CMainControlBar m_wndFoldersBar;
    CMainControlBar m_wndSmsListBar;
    CExtStatusControlBar m_wndStatus;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // The creation steps; their layouts wait for the one pass OnCreate makes at the end.
    int CreateFrame(LPCREATESTRUCT lpCreateStruct);
    bool CreateStatusBar();
    // The command icons of the frame, set without laying out or painting (the frame is not shown yet).
    void SetCommandIcons();
    // Loads the icon resource at the size and sets it as the command's icon in the frame's profile.
    bool SetProfileIcon(UINT nCmdID, UINT nIconID, int cx, int cy);
    LRESULT OnPhoneBusy(WPARAM wParam, LPARAM lParam);
    // A close while an import answers messages waits for the import, which stops at its next line
    // and closes the program itself; otherwise the frame's close.
    void OnClose();
    // The end of the session closes the program as a close does; an import that holds the document
    // saves what it filed before this returns, as the process may end right after.
    void OnEndSession(BOOL bEnding);
    // A minimise with "IsHideToTray" set hides the frame to the tray; the first restore after a minimized start
    // puts the window back at its stored place.
    void OnSysCommand(UINT nID, LPARAM lParam);
    // A move or size after a minimized start's first restore ends m_wpStart.
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    // WM_APP_KEEP_PLACEMENT: sets m_wpKept again, after the window manager's event that moved the window.
    LRESULT OnKeepPlacement(WPARAM wParam, LPARAM lParam);
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    // "Show/Hide Window" (tray menu): hides the frame to the tray when it is shown, else restores it.
    void OnShowHideWindow();
    // Hides the frame to the tray; without an icon in the tray nothing happens (answers FALSE).
    BOOL HideToTray();
    // "Forward" reaches the frame only when no view took it: nothing happens.
    void OnSmsForward() {}
    void OnClearHistory();
    void OnRebuildContactNames();
    void OnDeleteAllSms();
    void OnTopMost();
    void OnUpdateTopMost(CCmdUI* pCmdUI);
    BOOL OnTheme(UINT nID);
    void OnUpdateTheme(CCmdUI* pCmdUI);
    // The places the keys go round, in the order of Tab: the folder tree, the message list, the view, the status bar's
    // "LOG" button; F6 goes round the first three.
    enum KeyPlace
    {
        kPlaceTree,
        kPlaceList,
        kPlaceView,
        kPlaceLog,
        kPlaceCount,
        kPlaceNone = -1
    };
    // The place the window lies in, or kPlaceNone.
    int KeyPlaceOf(HWND hWnd);
    // Whether the place is there for the keys: a bar shown or auto-hidden, the "LOG" button shown.
    bool IsKeyPlaceShown(int nPlace);
    // Gives the place the keys: a bar's pane as the bar's toggle command does (a floating bar's frame on top, an
    // auto-hidden bar slid out), the view its last control (bLast: its last tab stop), the "LOG" button.
    void GiveKeysTo(int nPlace, bool bLast);
    // F6 and Tab of a key message of the frame's family; true when the keys moved.
    bool TranslatePlaceKey(const MSG* pMsg);
    // Toggles of the bars the toolkit handles (101, 104, 105, 136).
    BOOL OnToolkitBarCheck(UINT nID);
    void OnUpdateToolkitBarCheck(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    CFrameFolderTree m_wndFolderTree;
    CFrameSmsList m_wndSmsList;
    BOOL m_bTopMost;
    CBusyAnimateCtrl* m_pBusyAnimation; // the window deletes its object
    WINDOWPLACEMENT m_wpStored;         // showCmd 0 until a stored placement is loaded
    // The stored placement of a minimized start until the window is first restored; showCmd 0 otherwise.
    WINDOWPLACEMENT m_wpStart;
    BOOL m_bHiddenToTray;
    bool m_bHiddenFromMinimize = false; // hidden to the tray in answer to a minimize (the window manager's, under Wine)
    // The placement the window keeps through the window manager's answer: the stored one of a minimized start.
    WINDOWPLACEMENT m_wpKept;
    bool m_bKeepingPlacement = false; // in OnKeepPlacement: its own move does not end m_wpStart
    BOOL m_bPhoneBusy;
    bool m_bCreating = false; // in OnCreate: layouts are put off to its end
    int m_nLayouts = 0;

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
        kLogButtonWidth = 50 // pixels of the "LOG" pane and its button
    };
    CExtButton* GetLogButton() { return &m_wndLogButton; }

protected:
    void OnExportSms();
    void OnImportSms();
    void OnSearchSms();
    void OnSmsLog();
    void OnSoundSettings();

    CExtButton m_wndLogButton; // 153

    CSystemTray m_TrayIcon; // destroyed last: takes the icon out of the tray
};
