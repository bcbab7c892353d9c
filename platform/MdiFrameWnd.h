// Multiple-document frames: the MDI frame with its MDI client window, and the MDI child frames
// that live inside that client.
#pragma once
#include "platform/FrameWnd.h"

class CMDIChildWnd;

// First command id of the MDI client's child-window list (and of its window-menu entries).
#ifndef AFX_IDM_FIRST_MDICHILD
#define AFX_IDM_FIRST_MDICHILD 0xFF00
#endif

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();

    // The MDI client window (child id AFX_IDW_PANE_FIRST, laid out like a view).
    HWND m_hWndMDIClient = nullptr;

    // Creates the MDI client; pWindowMenu is the pop-up the client lists its children in.
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    // The pop-up of hMenuBar that holds the window commands (ID_WINDOW_NEW .. ID_WINDOW_SPLIT),
    // or NULL.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    // Active child frame (NULL when none or when it has no object of this layer).
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDINext();
    void MDIPrev();
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDICascade(int nType = 0);
    void MDITile(int nType = MDITILE_HORIZONTAL);
    void MDIIconArrange();
    // Replaces the frame's menu and window pop-up (WM_MDISETMENU); answers the previous menu.
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);

    virtual CFrameWnd* GetActiveFrame() override;
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    // The active child frame first, then the frame's own routing.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt) override;

protected:
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    afx_msg BOOL OnMDIWindowCmd(UINT nID);
    afx_msg void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();
    virtual ~CMDIChildWnd();

    // Created through the MDI client of pParentWnd (the application's main window when NULL).
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CMDIFrameWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    // Title, icon, shared menu and accelerators from resource nIDResource, then Create.
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    // The menu the frame shows while this child is active (NULL: the frame's own).
    HMENU m_hMenuShared = nullptr;

    virtual BOOL DestroyWindow() override;
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual void ActivateFrame(int nCmdShow = -1) override;
    // The prompt goes to the MDI frame's status bar.
    virtual CWnd* GetMessageBar() override;
    virtual void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt);
    using CFrameWnd::OnUpdateFrameMenu;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bOwnMenuShared = FALSE; // m_hMenuShared was loaded by LoadFrame
};
