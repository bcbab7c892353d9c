// CExtResizablePropertyPage: idle update, key routing and the sheet's relayout around the page.
#include "toolkit/menus_dialogs/ExtResizablePropertyPage.h"
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"
#include "toolkit/menus_dialogs/ExtResizablePropertySheet.h"

IMPLEMENT_DYNCREATE(CExtResizablePropertyPage, CExtResPP)

CExtResizablePropertyPage::CExtResizablePropertyPage() {}

CExtResizablePropertyPage::~CExtResizablePropertyPage() { m_mapAnchors.RemoveAll(); }

void CExtResizablePropertyPage::PreSubclassWindow()
{
    Layers_t::PreSubclassWindow();
    m_nPageFlags |= CExtResizableDialog::kDlgIdleUpdate;
    EnableToolTips(TRUE);
}

BOOL CExtResizablePropertyPage::PreTranslateMessage(MSG* pMsg)
{
    if (CExtMenuKindOf::PreTranslateChildBars(this, pMsg))
        return TRUE;
    return Layers_t::PreTranslateMessage(pMsg);
}

LRESULT CExtResizablePropertyPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        m_nPageFlags &= ~CExtResizableDialog::kDlgIdleUpdate;
    const bool bIdle = (m_nPageFlags & CExtResizableDialog::kDlgIdleUpdate) != 0 && CExtResizableDialog::IsIdleNow();
    HWND hWnd = m_hWnd;
    const LRESULT lResult = Layers_t::WindowProc(message, wParam, lParam);
    if (::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == this)
    {
        CExtResizablePropertySheet* pSheet =
            DYNAMIC_DOWNCAST(CExtResizablePropertySheet, CWnd::FromHandlePermanent(::GetParent(hWnd)));
        if ((message == WM_SHOWWINDOW || message == WM_WINDOWPOSCHANGED) && (GetStyle() & WS_VISIBLE) != 0)
        {
            if (pSheet != nullptr)
                pSheet->RelayoutControls(-1, -1);
            RelayoutControls(-1, -1);
        }
        else if (message == WM_INITDIALOG && pSheet != nullptr && pSheet->GetActiveIndex() != 0)
            pSheet->AnchorPage(this);
    }
    CExtResizableDialog::RunIdleUpdate(this, hWnd, bIdle, m_nPageFlags);
    return lResult;
}

void CExtResizablePropertyPage::OnOK()
{
    if ((GetStyle() & WS_CHILD) != 0)
        return;
    CExtResPP::OnOK();
}

void CExtResizablePropertyPage::OnCancel() { OnOK(); }
