// CExtTMWI: the MDI tab window behaviour over a tab strip class T: one tab per MDI child, following
// the MDI client through a hook sink, activating a child when its tab is selected, closing the
// active child or asking for its help from the strip's buttons, and offering a context menu through
// the frame. The instances are in ExtTabMdiWnd.h.
//
// The strip is a child of the frame and docks to the frame's side (WM_SIZEPARENT); the frame's
// reposition query leaves it out. Each tab's lParam is an MDI child's window handle; tabs carry no
// text or icon of their own. MDI create and refresh-menu post timer 3, whose rescan (SyncMdiItems)
// adds, selects and removes tabs; MDI destroy and activate act at once.
#pragma once
#include "platform/Document.h"
#include "platform/MdiFrameWnd.h"
#include "toolkit/bars_tabs/ExtTabWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtHookSink.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>

// The text buffer all MDI tab windows share until the next query.
CString& ExtTabMdiSharedTextBuffer();

template <class T> class CExtTMWI : public T, public CExtHookSink
{
public:
    enum : int
    {
        kNcFrame = 2, // the strip's and the MDI client's non-client edge
        kTrackFlagsContextMenu = 0x880,
        kMenuEventTabContext = 7, // the popup-menu event kind of the strip's context menu
    };

    CExtTMWI() : CExtHookSink(false), m_bSyncingMdi(false), m_rcMdiMargins(0, 0, 0, 0)
    {
        this->SetExcludedFromFrameQuery(true);
        this->SetDocksToParent(true);
    }
    ~CExtTMWI() override {}

    // ---- overridden operations of the strip ---------------------------------------------------
    bool IsMdiTabWindow() const override { return true; }

    bool Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID = 0xE800,
                DWORD dwWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                DWORD dwTabStyle = CExtTabWnd::kOrientTop, CCreateContext* pContext = nullptr) override
    {
        if (!T::Create(pParentWnd, rcWnd, nDlgCtrlID, dwWindowStyle, dwTabStyle, pContext))
            return false;
        const HWND hClient = GetMdiClient();
        if (hClient == nullptr || IsAttachedToWindow(hClient))
            return true;
        if (!AttachToWindow(hClient))
            return false;
        this->SetTimer(CExtTabWnd::kTimerMdiSync, CExtTabWnd::kMdiSyncPeriod);
        return true;
    }

    void OnTabWndSyncVisibility() override
    {
        CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(GetMdiFrame()));
        const bool bHide =
            this->ItemGetCount() == 0 || (pFrame != nullptr && (CExtControlBar::IsFrameOleInPlaceActive(pFrame) ||
                                                                CExtControlBar::IsPrintPreviewFrame(pFrame)));
        if (bHide)
        {
            if (this->IsWindowVisible())
                this->ShowWindow(SW_HIDE);
            this->m_nFirstVisible = this->m_nLastVisible = -1;
            return;
        }
        if (!this->IsWindowVisible())
        {
            this->ShowWindow(SW_SHOWNA);
            RefreshMdiClientFrame();
        }
    }

    bool OnTabWndSelectionChange(int nOldItemIndex, int nNewItemIndex, bool bPreSelectionTest) override
    {
        const bool bRet = T::OnTabWndSelectionChange(nOldItemIndex, nNewItemIndex, bPreSelectionTest);
        if (bPreSelectionTest)
        {
            if (m_bSyncingMdi || this->IsDragging())
                RefreshMdiClientFrame();
            return bRet;
        }
        if (!m_bSyncingMdi && !this->IsDragging())
        {
            const CExtTabWnd::TAB_ITEM_INFO* pTii = this->ItemGet(nNewItemIndex);
            const HWND hChild = pTii != nullptr ? (HWND)pTii->m_lParam : nullptr;
            const HWND hClient = GetMdiClient();
            if (hChild != nullptr && ::IsWindow(hChild) && hClient != nullptr)
                ::SendMessageW(hClient, WM_MDIACTIVATE, (WPARAM)hChild, 0);
            RefreshMdiClientFrame();
        }
        return bRet;
    }

    CExtCmdIcon* OnTabWndQueryItemIcon(const CExtTabWnd::TAB_ITEM_INFO* pTii) const override
    {
        m_iconQuery.Empty();
        const HWND hChild = pTii != nullptr ? (HWND)pTii->m_lParam : nullptr;
        if (hChild == nullptr || !::IsWindow(hChild))
            return nullptr;
        HICON hIcon = (HICON)::SendMessageW(hChild, WM_GETICON, ICON_SMALL, 0);
        if (hIcon == nullptr)
            hIcon = (HICON)::SendMessageW(hChild, WM_GETICON, ICON_BIG, 0);
        if (hIcon == nullptr)
            hIcon = (HICON)::GetClassLongPtrW(hChild, GCLP_HICONSM);
        if (hIcon == nullptr)
            hIcon = (HICON)::GetClassLongPtrW(hChild, GCLP_HICON);
        if (hIcon == nullptr)
            return nullptr;
        CExtCmdIcon iconSource;
        iconSource.AssignFromHICON(hIcon, true);
        if (!m_iconQuery.CreateScaledCopy(iconSource, 16, 16))
            m_iconQuery.AssignFrom(iconSource);
        return m_iconQuery.IsEmpty() ? nullptr : &m_iconQuery;
    }

    LPCTSTR OnTabWndQueryItemText(const CExtTabWnd::TAB_ITEM_INFO* pTii) const override
    {
        CString& sText = ExtTabMdiSharedTextBuffer();
        sText.Empty();
        const HWND hChild = pTii != nullptr ? (HWND)pTii->m_lParam : nullptr;
        if (hChild == nullptr || !::IsWindow(hChild))
            return sText;
        CFrameWnd* pChildFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(hChild));
        if (pChildFrame != nullptr)
        {
            CDocument* pDoc = pChildFrame->GetActiveDocument();
            sText = pDoc != nullptr ? pDoc->GetTitle() : pChildFrame->GetTitle();
            if (!sText.IsEmpty() && pChildFrame->m_nWindow > 0)
            {
                CString sNumber;
                sNumber.Format(L":%d", pChildFrame->m_nWindow);
                sText += sNumber;
            }
        }
        if (sText.IsEmpty())
        {
            const int nLength = ::GetWindowTextLengthW(hChild);
            ::GetWindowTextW(hChild, sText.GetBuffer(nLength + 1), nLength + 1);
            sText.ReleaseBuffer();
        }
        return sText;
    }

    void OnTabWndItemInsert(int nItemIndex, CExtTabWnd::TAB_ITEM_INFO* pTii) override
    {
        T::OnTabWndItemInsert(nItemIndex, pTii);
        if (!m_bSyncingMdi && !this->IsDragging() && this->ItemGetCount() == 1)
            UpdateMdiTabVisibility();
    }

    void OnTabWndRemoveAllItems(bool bPreRemove) override
    {
        T::OnTabWndRemoveAllItems(bPreRemove);
        if (bPreRemove && !m_bSyncingMdi && !this->IsDragging())
            UpdateMdiTabVisibility();
    }

    bool OnTabWndClickedItem(int nItemIndex, bool bPressed, int nMouseButton, UINT nMouseEventFlags) override
    {
        if (nMouseButton != CExtTabWnd::kMouseLeft)
            return false;
        return T::OnTabWndClickedItem(nItemIndex, bPressed, nMouseButton, nMouseEventFlags);
    }

    bool OnTabWndClickedButton(LONG nHitTest, bool bPressed, int nMouseButton, UINT nMouseEventFlags) override
    {
        if (nMouseButton != CExtTabWnd::kMouseLeft)
            return false;
        const bool bRet = T::OnTabWndClickedButton(nHitTest, bPressed, nMouseButton, nMouseEventFlags);
        if (bPressed || (nHitTest != CExtTabWnd::kHitClose && nHitTest != CExtTabWnd::kHitHelp))
            return bRet;
        const CExtTabWnd::TAB_ITEM_INFO* pTii = this->SelectionGetPtr();
        const HWND hChild = pTii != nullptr ? (HWND)pTii->m_lParam : nullptr;
        if (hChild == nullptr || !::IsWindow(hChild))
            return bRet;
        this->PostMessage(WM_CANCELMODE);
        if (nHitTest == CExtTabWnd::kHitClose)
            ::PostMessageW(hChild, WM_CLOSE, 0, 0);
        else
        {
            CPoint pt;
            ::GetCursorPos(&pt);
            ::PostMessageW(hChild, WM_SYSCOMMAND, SC_CONTEXTHELP, MAKELPARAM(pt.x, pt.y));
        }
        return bRet;
    }

    // ---- new virtual operations, in slot order -------------------------------------------------
    virtual HWND GetMdiFrame() const { return ::GetParent(this->m_hWnd); }

    virtual HWND GetMdiClient() const
    {
        const HWND hFrame = GetMdiFrame();
        if (hFrame == nullptr)
            return nullptr;
        if (CMDIFrameWnd* pMdi = DYNAMIC_DOWNCAST(CMDIFrameWnd, CWnd::FromHandlePermanent(hFrame)))
            return pMdi->m_hWndMDIClient;
        for (HWND h = ::GetWindow(hFrame, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        {
            wchar_t szClass[32] = {};
            ::GetClassNameW(h, szClass, 32);
            if (_wcsicmp(szClass, L"mdiclient") == 0)
                return h;
        }
        return nullptr;
    }

    // The rescan: a tab for every child, the active child selected, tabs of gone children removed,
    // then visibility. It runs without an active child too (the last child may just have gone).
    virtual void SyncMdiItems()
    {
        if (m_bSyncingMdi || this->IsDragging())
            return;
        const HWND hFrame = GetMdiFrame(), hClient = GetMdiClient();
        if (hFrame == nullptr || hClient == nullptr)
            return;
        m_bSyncingMdi = true;
        HWND hActive = nullptr;
        if (CMDIFrameWnd* pMdi = DYNAMIC_DOWNCAST(CMDIFrameWnd, CWnd::FromHandlePermanent(hFrame)))
        {
            CMDIChildWnd* pActive = pMdi->MDIGetActive();
            hActive = pActive != nullptr ? pActive->m_hWnd : nullptr;
        }
        if (hActive == nullptr)
            hActive = (HWND)::SendMessageW(hClient, WM_MDIGETACTIVE, 0, 0);
        for (HWND h = ::GetWindow(hClient, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        {
            if (::GetWindow(h, GW_OWNER) != nullptr)
                continue; // icon titles and other owned helpers are no children of the MDI
            int nIndex = FindItemByChild(h);
            if (nIndex < 0)
            {
                this->ItemInsert(nullptr, nullptr, false, 0, -1, (LPARAM)h, false);
                nIndex = this->ItemGetCount() - 1;
            }
            if (h == hActive)
                this->SelectionSet(nIndex, true, false);
        }
        for (int i = this->ItemGetCount() - 1; i >= 0; --i)
        {
            if (!::IsWindow((HWND)this->ItemGet(i)->m_lParam))
                this->ItemRemove(i, 1, true);
        }
        UpdateMdiTabVisibility();
        m_bSyncingMdi = false;
    }

    virtual void UpdateMdiTabVisibility()
    {
        const bool bWasVisible = this->IsWindowVisible() != FALSE;
        OnTabWndSyncVisibility();
        if (bWasVisible != (this->IsWindowVisible() != FALSE))
        {
            if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(GetMdiFrame())))
                pFrame->DelayRecalcLayout(TRUE);
        }
        this->UpdateTabWnd(true);
    }

    virtual int FindItemByChild(HWND hWndChild, int nStart = -1, bool bIncludeVisible = true,
                                bool bIncludeHidden = true) const
    {
        return this->ItemFindByLParam((LPARAM)hWndChild, nStart, bIncludeVisible, bIncludeHidden);
    }

    // Sets the margins (widths in a rectangle) before the MDI client's non-client size is computed.
    virtual void UpdateMdiClientMargins() {}

    // Paints the MDI client's margin between the outer and inner rectangles.
    virtual void PaintMdiClientMargin(CDC& dc, const CRect& rcOuter, const CRect& rcInner)
    {
        (void)dc;
        (void)rcOuter;
        (void)rcInner;
    }

    const CRect& GetMdiClientMargins() const { return m_rcMdiMargins; }
    bool IsSyncingMdi() const { return m_bSyncingMdi; }

    // ---- the MDI client's messages -----------------------------------------------------------------
    bool OnHookWndMsg(LRESULT& lResult, HWND hWndHooked, UINT nMessage, WPARAM& wParam, LPARAM& lParam) override
    {
        const HWND hWndOwn = this->m_hWnd;
        switch (nMessage)
        {
        case WM_WINDOWPOSCHANGING:
            if (lParam != 0)
                ((WINDOWPOS*)lParam)->flags |= SWP_FRAMECHANGED;
            break;
        case WM_NCCALCSIZE:
        {
            UpdateMdiClientMargins();
            lResult = CallOriginalWndProc();
            RECT* prc = (RECT*)lParam;
            if (prc != nullptr)
            {
                prc->left += m_rcMdiMargins.left + kNcFrame;
                prc->top += m_rcMdiMargins.top + kNcFrame;
                prc->right -= m_rcMdiMargins.right + kNcFrame;
                prc->bottom -= m_rcMdiMargins.bottom + kNcFrame;
                prc->right = std::max(prc->left, prc->right);
                prc->bottom = std::max(prc->top, prc->bottom);
            }
            return true;
        }
        case WM_NCPAINT:
            PaintMdiClientNc(hWndHooked);
            lResult = 0;
            return true;
        case WM_MDIDESTROY:
        {
            m_bSyncingMdi = true;
            this->ItemRemove(FindItemByChild((HWND)wParam), 1, true);
            if (::IsWindow(hWndOwn))
                m_bSyncingMdi = false;
            break;
        }
        case WM_MDIACTIVATE:
        {
            // A child without a tab yet keeps the selection: the posted rescan adds and selects it.
            const int nIndex = FindItemByChild((HWND)wParam);
            if (nIndex >= 0)
            {
                m_bSyncingMdi = true;
                this->SelectionSet(nIndex, true, true);
                if (::IsWindow(hWndOwn))
                    m_bSyncingMdi = false;
            }
            break;
        }
        case WM_MDICREATE:
        case WM_MDIREFRESHMENU:
            if (::IsWindow(hWndOwn))
                ::PostMessageW(hWndOwn, WM_TIMER, CExtTabWnd::kTimerMdiSync, 0);
            break;
        default: break;
        }
        return CExtHookSink::OnHookWndMsg(lResult, hWndHooked, nMessage, wParam, lParam);
    }

protected:
    void RefreshMdiClientFrame()
    {
        const HWND hClient = GetMdiClient();
        if (hClient != nullptr)
            ::SetWindowPos(hClient, nullptr, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }

    void PaintMdiClientNc(HWND hWndClient)
    {
        CRect rcWnd, rcClient;
        ::GetWindowRect(hWndClient, &rcWnd);
        ::GetClientRect(hWndClient, &rcClient);
        ::MapWindowPoints(hWndClient, nullptr, (POINT*)&rcClient, 2);
        rcClient.OffsetRect(-rcWnd.left, -rcWnd.top);
        rcWnd.OffsetRect(-rcWnd.left, -rcWnd.top);
        HDC hDC = ::GetWindowDC(hWndClient);
        if (hDC == nullptr)
            return;
        {
            CDC dc;
            dc.Attach(hDC);
            dc.ExcludeClipRect(&rcClient);
            PaintMdiClientFrame(dc, rcWnd);
            dc.Detach();
        }
        ::ReleaseDC(hWndClient, hDC);
    }

public:
    // The MDI client's frame in window coordinates: colour 15, the margin, then the edge.
    void PaintMdiClientFrame(CDC& dc, const CRect& rcWindow)
    {
        CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
        dc.FillSolidRect(&rcWindow, pPM->GetTranslatedColor(COLOR_3DFACE, this));
        CRect rcInner(rcWindow);
        rcInner.DeflateRect(m_rcMdiMargins.left, m_rcMdiMargins.top, m_rcMdiMargins.right, m_rcMdiMargins.bottom);
        if (rcInner != rcWindow)
            PaintMdiClientMargin(dc, rcWindow, rcInner);
        pPM->PaintTabNcArea(dc, rcInner, this, 0);
    }

protected:
    // ---- the strip's own messages --------------------------------------------------------------
    void OnWindowPosChanging(WINDOWPOS* lpwndpos)
    {
        lpwndpos->flags |= SWP_FRAMECHANGED;
        T::OnWindowPosChanging(lpwndpos);
    }

    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
    {
        T::OnNcCalcSize(bCalcValidRects, lpncsp);
        if (!this->IsWindowVisible())
            return;
        RECT& rc = lpncsp->rgrc[0];
        const DWORD o = this->OrientationGet();
        rc.left += o == CExtTabWnd::kOrientRight ? 0 : kNcFrame;
        rc.right -= o == CExtTabWnd::kOrientLeft ? 0 : kNcFrame;
        rc.top += o == CExtTabWnd::kOrientBottom ? 0 : kNcFrame;
        rc.bottom -= o == CExtTabWnd::kOrientTop ? 0 : kNcFrame;
        rc.right = std::max(rc.left, rc.right);
        rc.bottom = std::max(rc.top, rc.bottom);
    }

    void OnNcPaint()
    {
        if (!this->IsWindowVisible())
            return;
        CRect rcWnd, rcClient;
        this->GetWindowRect(&rcWnd);
        this->GetClientRect(&rcClient);
        this->ClientToScreen(&rcClient);
        rcClient.OffsetRect(-rcWnd.left, -rcWnd.top);
        rcWnd.OffsetRect(-rcWnd.left, -rcWnd.top);
        CWindowDC dc(this);
        dc.ExcludeClipRect(&rcClient);
        CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
        dc.FillSolidRect(&rcWnd, pPM->GetTranslatedColor(COLOR_3DFACE, this));
        pPM->PaintTabNcArea(dc, rcWnd, this, 0);
    }

    void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent != CExtTabWnd::kTimerMdiSync)
        {
            T::OnTimer(nIDEvent);
            return;
        }
        this->KillTimer(CExtTabWnd::kTimerMdiSync);
        if (!m_bSyncingMdi)
            SyncMdiItems();
    }

    void OnContextMenu(CWnd* pWnd, CPoint point)
    {
        (void)pWnd;
        const HWND hWndOwn = this->m_hWnd;
        if (point.x == -1 && point.y == -1)
            ::GetCursorPos(&point);
        if (!CExtControlBar::IsFrameInHelpMode(this))
        {
            CPoint ptClient(point);
            this->ScreenToClient(&ptClient);
            const LONG nHit = this->ItemHitTest(ptClient);
            if (nHit >= 0)
                this->SelectionSet((int)nHit, true, true);
        }
        if (!IsStillThis(hWndOwn))
            return;
        CExtPopupMenuWnd* pPopup = new CExtPopupMenuWnd;
        if (!pPopup->CreatePopupMenu(GetMdiFrame()))
        {
            delete pPopup;
            return;
        }
        CExtControlBar::POPUP_MENU_EVENT_DATA data(kMenuEventTabContext, pPopup, this, point, WM_CONTEXTMENU, 0);
        if (!data.NotifyTarget(false))
        {
            delete pPopup;
            return;
        }
        data.NotifyTarget(true);
        if (pPopup->GetItemCount() == 0 ||
            !pPopup->TrackPopupMenu(kTrackFlagsContextMenu, point.x, point.y, nullptr, nullptr, nullptr, nullptr))
            delete pPopup;
        // The strip may be gone with its window while the menu ran: only the handle is safe.
        if (IsStillThis(hWndOwn))
            this->Invalidate();
    }

    bool IsStillThis(HWND hWndOwn) const
    {
        return ::IsWindow(hWndOwn) && CWnd::FromHandlePermanent(hWndOwn) == static_cast<const CWnd*>(this);
    }

    bool m_bSyncingMdi;              // set while the strip follows the MDI client, so its own notifications stay quiet
    mutable CExtCmdIcon m_iconQuery; // the icon of the item asked for last
    CRect m_rcMdiMargins;            // widths of the MDI client's margin on each side (not a rectangle)

    DECLARE_MESSAGE_MAP()
};

BEGIN_TEMPLATE_MESSAGE_MAP(CExtTMWI, T, T)
ON_WM_WINDOWPOSCHANGING()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_TIMER()
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()
