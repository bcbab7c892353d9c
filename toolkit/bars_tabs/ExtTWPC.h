// CExtTWPC: the strip of a tab page container over a strip class T: docks to the container's side,
// deletes itself with its window, shows itself only while it has tabs, and turns selection changes,
// moves and button clicks into the container's page handling. Reached by Tab in the dialog around the
// container, it keeps the keys (a click still gives them to the page): the arrow keys, Home and End
// select the pages, and the selected tab shows a focus rectangle meanwhile.
#pragma once
#include "platform/Dc.h"
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
                // Stepping by keys on the strip leaves the keys there.
                if (::GetFocus() != this->m_hWnd)
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

    void OnTabWndDrawEntire(CDC& dc, const CRect& rcClient) override
    {
        T::OnTabWndDrawEntire(dc, rcClient);
        const CExtTabWnd::TAB_ITEM_INFO* pSel = this->SelectionGetPtr();
        if (pSel != nullptr && ::GetFocus() == this->m_hWnd)
        {
            CRect rcFocus = this->ItemRectToClient(pSel);
            rcFocus.DeflateRect(3, 3);
            dc.DrawFocusRect(&rcFocus);
        }
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

    void OnSetFocus(CWnd* pOldWnd)
    {
        (void)pOldWnd;
        this->Invalidate();
    }

    void OnKillFocus(CWnd* pNewWnd)
    {
        CWnd::OnKillFocus(pNewWnd);
        this->Invalidate();
    }

    UINT OnGetDlgCode() { return DLGC_WANTARROWS; }

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        const int nCount = this->ItemGetCount(), nSel = this->SelectionGet();
        int nNew = nSel;
        if (nChar == VK_LEFT || nChar == VK_UP)
            nNew = nSel - 1;
        else if (nChar == VK_RIGHT || nChar == VK_DOWN)
            nNew = nSel + 1;
        else if (nChar == VK_HOME)
            nNew = 0;
        else if (nChar == VK_END)
            nNew = nCount - 1;
        else
        {
            CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
            return;
        }
        if (nNew >= 0 && nNew < nCount && nNew != nSel)
            this->SelectionSet(nNew, true, true);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_TEMPLATE_MESSAGE_MAP(CExtTWPC, T, T)
ON_WM_DESTROY()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()
