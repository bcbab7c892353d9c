// CExtComboBox: hover, clicks, focus, painting and auto-completion of the toolkit's combo box.
#include "toolkit/menus_dialogs/ExtComboBox.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtControlHelpers.h"
#include <memory>

IMPLEMENT_DYNCREATE(CExtComboBox, CComboBox)

namespace
{
bool IsDropDownStyle(DWORD dwStyle)
{
    const DWORD dwType = dwStyle & 0x03;
    return dwType == CBS_DROPDOWN || dwType == CBS_DROPDOWNLIST;
}
} // namespace

CExtComboBox::CExtComboBox()
    : m_nComboFlags(kComboInitialFlags), m_nHoverTimerId(HOVER_TIMER_ID), m_nHoverTimerPeriod(HOVER_TIMER_PERIOD)
{}

CExtComboBox::~CExtComboBox()
{
    if (m_wndToolTip.GetSafeHwnd() != nullptr)
        m_wndToolTip.DestroyWindow();
}

// ---- tool tip ------------------------------------------------------------------------------------------

void CExtComboBox::InitToolTip() { CExtControlHelpers::InitToolTip(m_wndToolTip, this); }

void CExtComboBox::SetTooltipText(LPCTSTR lpszText, bool bActivate)
{
    CExtControlHelpers::SetToolTipText(m_wndToolTip, this, lpszText, bActivate);
}

void CExtComboBox::ActivateTooltip(bool bActivate) { CExtControlHelpers::ActivateToolTip(m_wndToolTip, bActivate); }

INT_PTR CExtComboBox::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    (void)pTI;
    CExtControlHelpers::TakeToolBarTip(this, point, const_cast<CToolTipCtrl&>(m_wndToolTip),
                                       const_cast<CExtComboBox*>(this));
    return -1;
}

// ---- the edit part -------------------------------------------------------------------------------------

void CExtComboBox::PreSubclassWindow()
{
    CComboBox::PreSubclassWindow();
    AttachEditHook();
}

void CExtComboBox::AttachEditHook()
{
    if (m_wndEditHook.GetSafeHwnd() != nullptr || GetSafeHwnd() == nullptr)
        return;
    HWND hWndChild = ::GetWindow(m_hWnd, GW_CHILD);
    if (hWndChild == nullptr)
        return;
    if ((m_nComboFlags & kComboEditCommands) != 0)
        m_wndEditHook.m_nEditBaseFlags |= CExtEditBase::kHandleEditCommands;
    else
        m_wndEditHook.m_nEditBaseFlags &= (BYTE)~CExtEditBase::kHandleEditCommands;
    m_wndEditHook.SubclassWindow(hWndChild);
}

// ---- auto-completion -----------------------------------------------------------------------------------

BOOL CExtComboBox::PreTranslateMessage(MSG* pMsg)
{
    CExtControlHelpers::RelayToolTipEvent(m_wndToolTip, this, pMsg);
    const HWND hWndChild = ::GetWindow(m_hWnd, GW_CHILD);
    const bool bOwn = pMsg->hwnd == m_hWnd || (pMsg->hwnd != nullptr && ::GetParent(pMsg->hwnd) == m_hWnd);
    if (bOwn)
    {
        if ((m_nComboFlags & kComboAutoComplete) != 0)
        {
            if (pMsg->message == WM_SYSCHAR)
                return TRUE;
            if (pMsg->message == WM_KEYDOWN)
            {
                if (pMsg->wParam == VK_DELETE || pMsg->wParam == VK_BACK)
                    m_nComboFlags &= (BYTE)~kComboCompleteArmed;
                else
                    m_nComboFlags |= kComboCompleteArmed;
            }
        }
        else
        {
            m_nComboFlags &= (BYTE)~kComboCompleteArmed;
        }
        const bool bHoverTarget =
            pMsg->hwnd == m_hWnd || (IsDropDownStyle(GetStyle()) && pMsg->hwnd == hWndChild && hWndChild != nullptr);
        if (pMsg->message == WM_MOUSEMOVE && bHoverTarget && (m_nComboFlags & (kComboHot | kComboTimer)) == 0 &&
            CExtControlHelpers::IsHoverAllowed(m_hWnd, ::GetActiveWindow(), true, true, true))
        {
            m_nComboFlags |= kComboHot;
            StartHoverTimer();
        }
    }
    return CComboBox::PreTranslateMessage(pMsg);
}

BOOL CExtComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_EDITUPDATE && OnEditUpdate())
    {
        if (pResult != nullptr)
            *pResult = 0;
        return TRUE;
    }
    return CComboBox::OnChildNotify(message, wParam, lParam, pResult);
}

bool CExtComboBox::OnEditUpdate()
{
    if ((m_nComboFlags & kComboAutoComplete) == 0)
        return false;
    if ((m_nComboFlags & kComboCompleteArmed) == 0)
        return true;
    CString sTyped;
    GetWindowText(sTyped);
    const int nLength = sTyped.GetLength();
    // An empty text selects the list's first item: an emptied field stays empty.
    if (nLength == 0)
        return true;
    const DWORD dwSel = GetEditSel();
    const bool bSel = dwSel != (DWORD)CB_ERR;
    const int nStart = (int)(short)LOWORD(dwSel);
    const int nEnd = (int)(short)HIWORD(dwSel);
    if (SelectString(-1, sTyped) == CB_ERR)
    {
        SetWindowText(sTyped);
        if (bSel)
            SetEditSel(nStart, nEnd);
    }
    if (bSel && nEnd < nLength)
        SetEditSel(nStart, nEnd);
    else
        SetEditSel(nLength, -1);
    return true;
}

// ---- hover ----------------------------------------------------------------------------------------------

void CExtComboBox::StartHoverTimer()
{
    SetTimer(m_nHoverTimerId, m_nHoverTimerPeriod, nullptr);
    m_nComboFlags |= kComboTimer;
}

void CExtComboBox::OnMouseMoveMsg()
{
    if (!CExtControlHelpers::IsHoverAllowed(m_hWnd, ::GetActiveWindow(), true, true, true))
        return;
    m_nComboFlags |= kComboHot;
    if ((m_nComboFlags & kComboTimer) != 0)
        return;
    StartHoverTimer();
    OnTimerMsg(m_nHoverTimerId);
}

bool CExtComboBox::OnTimerMsg(UINT_PTR nIDEvent)
{
    if (nIDEvent != m_nHoverTimerId)
        return false;
    POINT pt;
    ::GetCursorPos(&pt);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const bool bInside = rcWindow.PtInRect(pt) != FALSE;
    if (bInside && IsHot())
        return true;
    m_nComboFlags &= (BYTE)~kComboHot;
    Invalidate();
    UpdateWindow();
    if (bInside)
        return true;
    KillTimer(m_nHoverTimerId);
    m_nComboFlags &= (BYTE)~kComboTimer;
    // A focused combo box stays highlighted.
    HWND hWndFocus = ::GetFocus();
    for (HWND hWnd : {hWndFocus, hWndFocus != nullptr ? ::GetParent(hWndFocus) : nullptr})
    {
        CWnd* pWnd = hWnd != nullptr ? CWnd::FromHandlePermanent(hWnd) : nullptr;
        if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CExtComboBox)))
            continue;
        CExtComboBox* pCombo = (CExtComboBox*)pWnd;
        pCombo->m_nComboFlags |= kComboHot;
        if ((pCombo->m_nComboFlags & kComboTimer) == 0)
            pCombo->StartHoverTimer();
        break;
    }
    return true;
}

// ---- clicks, focus and state --------------------------------------------------------------------------

bool CExtComboBox::OnLButtonDownMsg()
{
    if (!IsDropDownStyle(GetStyle()))
        return false;
    const HWND hWnd = m_hWnd;
    if (HWND hWndParent = ::GetParent(hWnd))
        ::SendMessageW(hWndParent, WM_CANCELMODE, 0, 0);
    if (!::IsWindow(hWnd))
        return true;
    const BOOL bDropped = GetDroppedState();
    if ((GetStyle() & 0x03) == CBS_DROPDOWNLIST && m_wndEditHook.GetSafeHwnd() != nullptr)
        m_wndEditHook.SetFocus();
    else
        SetFocus();
    PaintFrame(!bDropped, true, nullptr);
    PostMessage(CB_SHOWDROPDOWN, !bDropped, 0);
    return true;
}

void CExtComboBox::OnEnableMsg(bool bEnable)
{
    // The system combo box disables its edit with itself: the edit stays enabled and turns read-only.
    if (HWND hWndEdit = ::GetWindow(m_hWnd, GW_CHILD))
    {
        ::EnableWindow(hWndEdit, TRUE);
        ::SendMessageW(hWndEdit, EM_SETREADONLY, !bEnable, 0);
    }
    Invalidate();
    UpdateWindow();
}

void CExtComboBox::OnNotifyMsg(LPARAM lParam)
{
    const NMHDR* pHdr = (const NMHDR*)lParam;
    if (pHdr != nullptr && pHdr->code == TTN_SHOW && m_wndToolTip.GetSafeHwnd() != nullptr &&
        pHdr->hwndFrom == m_wndToolTip.GetSafeHwnd())
        ::SetWindowPos(pHdr->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT CExtComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_CREATE:
    {
        const LRESULT lResult = CComboBox::WindowProc(message, wParam, lParam);
        AttachEditHook();
        return lResult;
    }
    case WM_TIMER:
        if (OnTimerMsg((UINT_PTR)wParam))
            return 0;
        break;
    case WM_PAINT: OnPaintMsg(); return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_MOUSEMOVE: OnMouseMoveMsg(); break;
    case WM_LBUTTONDOWN:
        if (OnLButtonDownMsg())
            return 1;
        break;
    case WM_LBUTTONUP: Invalidate(); break;
    case WM_SETFOCUS:
    {
        const LRESULT lResult = CComboBox::WindowProc(message, wParam, lParam);
        PaintFrame(GetDroppedState() != FALSE, true, nullptr);
        return lResult;
    }
    case WM_KILLFOCUS:
    {
        const LRESULT lResult = CComboBox::WindowProc(message, wParam, lParam);
        if (GetDroppedState())
            ShowDropDown(FALSE);
        PaintFrame(GetDroppedState() != FALSE, false, nullptr);
        return lResult;
    }
    case WM_ENABLE:
    {
        const LRESULT lResult = CComboBox::WindowProc(message, wParam, lParam);
        OnEnableMsg(wParam != FALSE);
        return lResult;
    }
    case WM_NOTIFY: OnNotifyMsg(lParam); break;
    default: break;
    }
    return CComboBox::WindowProc(message, wParam, lParam);
}

// ---- painting ---------------------------------------------------------------------------------------------

void CExtComboBox::OnPaintMsg()
{
    const DWORD dwEdges = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
    if ((GetExStyle() & dwEdges) != 0)
        ModifyStyleEx(dwEdges, 0, SWP_FRAMECHANGED);
    POINT pt;
    ::GetCursorPos(&pt);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    PaintCombo(false, rcWindow.PtInRect(pt) != FALSE);
}

void CExtComboBox::PaintCombo(bool bPressed, bool bHot)
{
    if ((GetStyle() & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0)
    {
        Default();
        CClientDC dc(this);
        PaintFrame(bPressed, bHot, &dc);
        return;
    }
    CPaintDC dcPaint(this);
    CExtPaintManager::ExcludeChildAreas(dcPaint.GetSafeHdc(), m_hWnd);
    CRect rcClient;
    GetClientRect(&rcClient);
    CExtMemoryDC dc(&dcPaint, &rcClient, CExtMemoryDC::MemDcBuffer | CExtMemoryDC::MemDcFillBackground);
    DefWindowProc(WM_PAINT, (WPARAM)dc.GetSafeHdc(), 0);
    PaintFrame(bPressed, bHot, &dc);
}

void CExtComboBox::PaintFrame(bool bPressed, bool bHot, CDC* pDC)
{
    if (GetSafeHwnd() == nullptr)
        return;
    if (CExtMouseCaptureSink::GetCaptureHWND() != nullptr)
        bHot = false;
    std::unique_ptr<CClientDC> pOwnDC;
    if (pDC == nullptr)
    {
        pOwnDC.reset(new CClientDC(this));
        pDC = pOwnDC.get();
    }
    bool bPushed = bPressed || GetDroppedState() != FALSE;
    const bool bEnabled = IsWindowEnabled() != FALSE;
    if (!bEnabled)
    {
        bPushed = false;
        bHot = false;
    }
    else if (CExtControlHelpers::IsMenuTracking())
    {
        bHot = false;
    }
    else
    {
        HWND hWndFocus = ::GetFocus();
        if (hWndFocus != nullptr && (hWndFocus == m_hWnd || ::IsChild(m_hWnd, hWndFocus)))
            bHot = true;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    // The frame stays off the text rectangle (the item less its one-pixel margin), where the
    // system draws the text: a frame's inner rings would cover its first columns and descenders.
    const int nSaved = pDC->SaveDC();
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (::GetComboBoxInfo(m_hWnd, &info))
    {
        CRect rcText(info.rcItem);
        rcText.DeflateRect(1, 1);
        if (!rcText.IsRectEmpty())
            pDC->ExcludeClipRect(&rcText);
    }
    CExtPaintManager::ComboFramePaintData data(this, rcClient, bHot, bPushed, bEnabled);
    g_PaintManagerHolder->PaintComboFrame(*pDC, data);
    pDC->RestoreDC(nSaved);
}
