// CExtTWPC: the strip of a tab page container over a strip class T: docks to the container's side,
// deletes itself with its window, shows itself only while it has tabs, and turns selection changes,
// moves and button clicks into the container's page handling.
#pragma once
#include "toolkit/bars_tabs/ExtTabPageContainerWnd.h"
#include "toolkit/bars_tabs/ExtTabWnd.h"

template <class T> class CExtTWPC : public T
{
public:
    CExtTWPC() { this->SetDocksToParent(true); }

    void OnTabWndSyncVisibility() override
    {
        // The style bit, not IsWindowVisible: the container may be built under a hidden parent.
        const bool bShown = (this->GetStyle() & WS_VISIBLE) != 0;
        if (this->ItemGetCount() > 0)
        {
            if (!bShown)
                this->ShowWindow(SW_SHOWNA);
            this->SetWindowPos(nullptr, 0, 0, 0, 0,
                               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
        else if (bShown)
            this->ShowWindow(SW_HIDE);
    }

    bool OnTabWndSelectionChange(int nOldItemIndex, int nNewItemIndex, bool bPreSelectionTest) override
    {
        const bool bRet = T::OnTabWndSelectionChange(nOldItemIndex, nNewItemIndex, bPreSelectionTest);
        CExtTabPageContainerWnd* pContainer = GetContainer();
        if (!bPreSelectionTest && nNewItemIndex >= 0 && this->ItemGetCount() > 0)
        {
            const CExtTabWnd::TAB_ITEM_INFO* pOld = this->ItemGet(nOldItemIndex);
            const CExtTabWnd::TAB_ITEM_INFO* pNew = this->ItemGet(nNewItemIndex);
            const HWND hNew = pNew != nullptr ? (HWND)pNew->m_lParam : nullptr;
            if (pOld != nullptr && (HWND)pOld->m_lParam != hNew && ::IsWindow((HWND)pOld->m_lParam))
                ::ShowWindow((HWND)pOld->m_lParam, SW_HIDE);
            if (hNew != nullptr && ::IsWindow(hNew))
            {
                ::ShowWindow(hNew, SW_SHOW);
                ::SetFocus(hNew);
            }
            if (pContainer != nullptr)
                pContainer->RecalcLayout();
        }
        if (pContainer != nullptr)
            pContainer->OnStripSelectionChange(nOldItemIndex, nNewItemIndex, bPreSelectionTest);
        return bRet;
    }

    void OnTabWndItemMoved(int nIndexFrom, int nIndexTo) override
    {
        T::OnTabWndItemMoved(nIndexFrom, nIndexTo);
        if (CExtTabPageContainerWnd* pContainer = GetContainer())
            pContainer->UpdatePageIds();
    }

    bool OnTabWndClickedButton(LONG nHitTest, bool bPressed, int nMouseButton, UINT nMouseEventFlags) override
    {
        const HWND hWndOwn = this->m_hWnd;
        const bool bRet = T::OnTabWndClickedButton(nHitTest, bPressed, nMouseButton, nMouseEventFlags);
        // The strip may be gone with its window: only the handle is safe.
        if (!::IsWindow(hWndOwn) || CWnd::FromHandlePermanent(hWndOwn) != static_cast<CWnd*>(this))
            return bRet;
        if (CExtTabPageContainerWnd* pContainer = GetContainer())
            pContainer->OnStripClickedButton(nHitTest, bPressed, nMouseButton, nMouseEventFlags);
        return bRet;
    }

protected:
    CExtTabPageContainerWnd* GetContainer() const
    {
        const HWND hParent = this->m_hWnd != nullptr ? ::GetParent(this->m_hWnd) : nullptr;
        return DYNAMIC_DOWNCAST(CExtTabPageContainerWnd, CWnd::FromHandlePermanent(hParent));
    }

    void OnDestroy()
    {
        if (CExtTabPageContainerWnd* pContainer = GetContainer())
            pContainer->OnStripDestroyed(this);
        T::OnDestroy();
    }

    void PostNcDestroy() override
    {
        T::PostNcDestroy();
        delete this;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_TEMPLATE_MESSAGE_MAP(CExtTWPC, T, T)
ON_WM_DESTROY()
END_MESSAGE_MAP()
