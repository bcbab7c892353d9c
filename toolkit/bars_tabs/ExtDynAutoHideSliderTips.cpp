// CExtDynAutoHideSlider: the tool tips of the caption buttons shown in the slider, and message pre-translation.
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "toolkit/bars_tabs/ExtDynAutoHideSlider.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtBarNcAreaButton.h"
#include "toolkit/docking/ExtBarNcAreaButtonAutoHide.h"
#include "toolkit/docking/ExtBarNcAreaButtonClose.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
// A caption button kind's tip: its string resource and the text used when that is missing. Only these two kinds
// show on an auto-hidden bar (Expand and Menu never do).
struct ButtonTip
{
    CRuntimeClass* pClass;
    UINT nTextID;
    const wchar_t* pszDefault;
};
} // namespace

bool CExtDynAutoHideSlider::QueryButtonTipText(CExtBarNcAreaButton* pBtn, CString& sText)
{
    sText.Empty();
    if (pBtn == nullptr)
        return false;
    const ButtonTip tips[] = {
        {RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide), CExtBarNcAreaButtonAutoHide::kTipTextID,
         CExtBarNcAreaButtonAutoHide::kTipDefault},
        {RUNTIME_CLASS(CExtBarNcAreaButtonClose), CExtBarNcAreaButtonClose::kTipTextID,
         CExtBarNcAreaButtonClose::kTipDefault},
    };
    for (const ButtonTip& tip : tips)
    {
        if (!pBtn->IsKindOf(tip.pClass))
            continue;
        if (!g_ResourceManagerHolder->LoadStringRes(sText, tip.nTextID) || sText.IsEmpty())
            sText = tip.pszDefault;
        return true;
    }
    return false;
}

void CExtDynAutoHideSlider::SetButtonTip(CExtBarNcAreaButton* pBtn)
{
    if (pBtn == m_pLastTipBtn || m_wndToolTip.GetSafeHwnd() == nullptr)
        return;
    // The previous button's pointer is only compared: its bar may be gone.
    if (m_pLastTipBtn != nullptr)
    {
        m_wndToolTip.Pop();
        m_wndToolTip.DelTool(this, kTipToolId);
    }
    m_pLastTipBtn = nullptr;
    CString sText;
    if (pBtn == nullptr || !QueryButtonTipText(pBtn, sText))
        return;
    // The button lies in the window's caption: its rectangle in client coordinates runs outside the client area.
    CRect rcWnd, rcClient;
    GetWindowRect(&rcWnd);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    CRect rcTool(pBtn->m_rc);
    rcTool.OffsetRect(rcWnd.left - rcClient.left, rcWnd.top - rcClient.top);
    if (m_wndToolTip.AddTool(this, sText, &rcTool, kTipToolId))
        m_pLastTipBtn = pBtn;
}

INT_PTR CExtDynAutoHideSlider::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    (void)pTI;
    auto* pThis = const_cast<CExtDynAutoHideSlider*>(this);
    CExtControlBar* pBar = GetBar();
    CExtBarNcAreaButton* pBtn = nullptr;
    if (IsShown() && !IsAnimating() && pBar != nullptr && (pBar->m_dwStyle & CBRS_TOOLTIPS) != 0 &&
        !CExtPopupMenuWnd::IsMenuTracking() && !CExtToolControlBar::g_bMenuTracking &&
        CExtControlBar::GetDraggedBar() == nullptr)
    {
        CRect rcWnd, rcClient;
        GetWindowRect(&rcWnd);
        GetClientRect(&rcClient);
        ClientToScreen(&rcClient);
        const CPoint ptWnd(point.x + rcClient.left - rcWnd.left, point.y + rcClient.top - rcWnd.top);
        pBtn = ButtonAt(ptWnd);
    }
    pThis->SetButtonTip(pBtn);
    return -1;
}

void CExtDynAutoHideSlider::RelayToTip(const MSG* pMsg)
{
    if (m_wndToolTip.GetSafeHwnd() == nullptr)
        return;
    UINT nClientMsg = 0;
    switch (pMsg->message)
    {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: nClientMsg = pMsg->message; break;
    case WM_NCMOUSEMOVE: nClientMsg = WM_MOUSEMOVE; break;
    case WM_NCLBUTTONDOWN: nClientMsg = WM_LBUTTONDOWN; break;
    case WM_NCLBUTTONUP: nClientMsg = WM_LBUTTONUP; break;
    case WM_NCRBUTTONDOWN: nClientMsg = WM_RBUTTONDOWN; break;
    case WM_NCRBUTTONUP: nClientMsg = WM_RBUTTONUP; break;
    case WM_NCMBUTTONDOWN: nClientMsg = WM_MBUTTONDOWN; break;
    case WM_NCMBUTTONUP: nClientMsg = WM_MBUTTONUP; break;
    default: return;
    }
    // The tip control reads client messages only; the caption's come as their client forms at the same point.
    MSG msg = *pMsg;
    if (nClientMsg != pMsg->message)
    {
        CPoint pt(pMsg->pt);
        ::ScreenToClient(pMsg->hwnd, &pt);
        msg.message = nClientMsg;
        msg.wParam = 0;
        msg.lParam = MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y);
    }
    m_wndToolTip.RelayEvent(&msg);
}

BOOL CExtDynAutoHideSlider::PreTranslateMessage(MSG* pMsg)
{
    if (m_pArea != nullptr && ::IsWindow(m_pArea->GetSafeHwnd()) && m_pArea->PreTranslateMessage(pMsg))
        return TRUE;
    // The base's tool hit test puts the tip of the button under the pointer on the tip control first.
    const BOOL bDone = CWnd::PreTranslateMessage(pMsg);
    if (!CExtPopupMenuWnd::IsMenuTracking())
        RelayToTip(pMsg);
    return bDone;
}
