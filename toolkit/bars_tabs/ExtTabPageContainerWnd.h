// CExtTabPageContainerWnd: a child window holding page windows and a tab strip, one tab per page;
// the selected tab's page fills the container beside the strip, Ctrl+PageDown and Ctrl+PageUp step
// through the pages from anywhere inside the selected page. Its OneNote and Whidbey variants differ
// only in the strip they create (the flat variant lives with the flat strip in toolkit/extras/).
// The container is a control parent: a dialog's Tab walks its strip and its selected page with the
// dialog's other controls.
//
// The strip (CExtTWPC over a strip class, ExtTWPC.h) docks to the container's side in the
// container's bar layout and deletes itself with its window; page windows are the tabs' lParams,
// with control id 257 + tab index (the strip's id is 256).
#pragma once
#include "platform/Collections.h"
#include "platform/Wnd.h"
#include "toolkit/foundation/ExtHookSink.h"

class CDC;
class CExtCmdIcon;
class CExtTabWnd;

class CExtTabPageContainerWnd : public CWnd, public CExtHookSink
{
    DECLARE_DYNCREATE(CExtTabPageContainerWnd)
public:
    enum : UINT
    {
        kStripId = 256,
        kFirstPageId = 257,
        kStripWindowStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP, // 0x50010000
        kStripTabStyle = 1,                                     // tabs at the bottom
    };
    static const wchar_t* const kWndClassName; // "Nimbal-TabPageContainer"

    CExtTabPageContainerWnd();
    ~CExtTabPageContainerWnd() override;

    // ---- virtual operations, in slot order -------------------------------------------------------
    virtual bool Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID = 0xE900,
                        DWORD dwWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                        CCreateContext* pContext = nullptr);
    // A new strip object (no window yet); the container does not own it.
    virtual CExtTabWnd* CreateTabStrip();
    virtual bool OnStripClickedButton(LONG nHitTest, bool bPressed, int nMouseButton, UINT nMouseEventFlags);
    virtual void UpdatePageIds();
    virtual bool OnStripSelectionChange(int nOldItemIndex, int nNewItemIndex, bool bPreSelectionTest);

    // ---- pages -----------------------------------------------------------------------------------
    // False when the page or the container has no window. The first page is always selected.
    bool PageInsert(HWND hWndPage, LPCTSTR lpszText = nullptr, const CExtCmdIcon* pIcon = nullptr,
                    bool bCopyIcon = true, int nIndex = -1, bool bSelect = false);
    bool PageInsert(CWnd* pWndPage, LPCTSTR lpszText = nullptr, const CExtCmdIcon* pIcon = nullptr,
                    bool bCopyIcon = true, int nIndex = -1, bool bSelect = false);
    int PageGetCount() const;
    HWND PageGet(int nIndex) const;
    int PageSelectionGet() const;
    // Steps one page (wrapping); needs two pages and the focus inside the container.
    bool PageSelectNext(bool bNext);
    // The strip, null before it is created and after its window went.
    CExtTabWnd* GetSafeTabWindow() const;
    // Lays the pages and the strip out: the selected page fills what the strip leaves.
    void RecalcLayout();
    // Fills the client area with the paint manager's colour 1000 (WM_PAINT, WM_PRINTCLIENT).
    void DoPaint(CDC& dc);
    // Hooks the children of hWnd (those in the id list when given; recursively when asked),
    // skipping nested containers with their descendants; answers the number hooked.
    int HookDescendants(HWND hWnd, const CArray<UINT, UINT>* pIds, bool bRecursive);
    // Told by the strip when its window goes.
    void OnStripDestroyed(CExtTabWnd* pWndTab);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    bool OnHookWndMsg(LRESULT& lResult, HWND hWndHooked, UINT nMessage, WPARAM& wParam, LPARAM& lParam) override;

protected:
    static bool RegisterContainerClass();
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;
    // Creates the strip object and its window when missing.
    bool EnsureTabStrip();
    // Ctrl+PageDown / Ctrl+PageUp without Shift and Alt.
    static bool IsPageStepKey(UINT nMessage, WPARAM wParam, bool& bNext);

    CExtTabWnd* m_pWndTab; // owned by its window (deletes itself); null when none
    bool m_bCreatedThroughCreate;
    bool m_bCreatingWindow; // between PreCreateWindow and WM_CREATE: the create message makes the strip

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnClose();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()
};

class CExtTabPageContainerOneNoteWnd : public CExtTabPageContainerWnd
{
    DECLARE_DYNCREATE(CExtTabPageContainerOneNoteWnd)
public:
    CExtTabWnd* CreateTabStrip() override;
};

class CExtTabPageContainerWhidbeyWnd : public CExtTabPageContainerWnd
{
    DECLARE_DYNCREATE(CExtTabPageContainerWhidbeyWnd)
public:
    CExtTabWnd* CreateTabStrip() override;
};
