// CExtTabWnd: a tab strip, the base of the toolkit's tab windows.
#pragma once
#include "platform/Wnd.h"
#include "toolkit/bars_tabs/ExtMouseCaptureSink.h"

class CExtTabWnd : public CWnd, public CExtMouseCaptureSink
{
    DECLARE_DYNCREATE(CExtTabWnd)
public:
    CExtTabWnd();
    ~CExtTabWnd() override;

    // Whether the window is an MDI tab window (the one that follows the MDI children).
    virtual bool IsMdiTabWindow() const;

    DWORD GetTabWndStyle() const { return m_dwTabWndStyle; }
    void SetTabWndStyle(DWORD dwStyle) { m_dwTabWndStyle = dwStyle; }

protected:
    DWORD m_dwTabWndStyle = 0; // the tab style word
};
