// Views: the window of a document inside a frame; the scrolling view and the form view (a view
// made from a dialog template).
#pragma once
#include "platform/FrameWnd.h"

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
protected:
    CView();

public:
    virtual ~CView();

    CDocument* GetDocument() const { return m_pDocument; }

    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnPrepareDC(CDC* pDC) { (void)pDC; }
    virtual void OnInitialUpdate();
    // Default: repaint everything.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual BOOL IsSelected(const CObject* pDocItem) const
    {
        (void)pDocItem;
        return FALSE;
    }

    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
    virtual void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT HandleInitialUpdate(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CDocument* m_pDocument = nullptr;
    friend class CDocument;
    friend class CFrameWnd;
};

// A view that scrolls its contents (MM_TEXT only).
class CScrollView : public CView
{
    DECLARE_DYNAMIC(CScrollView)
protected:
    CScrollView();

public:
    static const SIZE sizeDefault;
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CSize GetTotalSize() const { return m_totalLog; }
    CPoint GetScrollPosition() const;
    CPoint GetDeviceScrollPosition() const { return GetScrollPosition(); }
    void ScrollToPosition(POINT pt);
    int GetMapMode() const { return m_nMapMode; }
    virtual void OnPrepareDC(CDC* pDC) override;

protected:
    void UpdateBars();
    // Sets the bar's range 0..nMax and its page unless it has them already.
    void SetBarRange(int nBar, int nMax, UINT nPage);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnScroll(int nBar, UINT nSBCode);
    DECLARE_MESSAGE_MAP()

    int m_nMapMode = 0;
    CSize m_totalLog;
    CSize m_pageDev;
    CSize m_lineDev;
};

// A view whose controls come from a dialog template.
class CFormView : public CScrollView
{
    DECLARE_DYNAMIC(CFormView)
protected:
    explicit CFormView(LPCTSTR lpszTemplateName);
    explicit CFormView(UINT nIDTemplate);

public:
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
    virtual void OnInitialUpdate() override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual void OnDraw(CDC* pDC) override { (void)pDC; }

    LPCTSTR m_lpszTemplateName;
    CCreateContext* m_pCreateContext = nullptr;
    HWND m_hWndFocus = nullptr; // control that had the focus when the view was deactivated
    // Window class of form views (a dialog class of this layer's own).
    static LPCTSTR FormViewClass();

protected:
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()

private:
    CString m_strTemplateName;
};
