// CExtPopupUndoRedoListBox: choosing a run of actions, painting, hover, drag auto-scroll, scroll bar
// and keys.
#include "toolkit/menus_dialogs/ExtPopupUndoRedoListBox.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupControlMenuWnd.h"
#include "toolkit/menus_dialogs/ExtPopupUndoRedoMenuWnd.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CExtPopupUndoRedoListBox, CExtPopupInplaceListBox)

CExtPopupUndoRedoListBox::CExtPopupUndoRedoListBox()
    : m_nTimerFlags(0), m_nUpInterval(0), m_nDownInterval(0), m_bTracking(false)
{}

CExtPopupUndoRedoListBox::~CExtPopupUndoRedoListBox() {}

int CExtPopupUndoRedoListBox::GetChosenCount() const { return GetSelCount(); }

void CExtPopupUndoRedoListBox::ChooseUpTo(int n)
{
    const int nCount = GetCount();
    if (nCount <= 0)
        return;
    // Deselecting only the items after n leaves what deselecting all would: items 0..n are selected next.
    if (n + 1 <= nCount - 1)
        ::SendMessageW(m_hWnd, LB_SELITEMRANGEEX, (WPARAM)(nCount - 1), (LPARAM)(n + 1));
    if (n == 0)
        ::SendMessageW(m_hWnd, LB_SETSEL, TRUE, 0);
    else
        ::SendMessageW(m_hWnd, LB_SELITEMRANGEEX, 0, (LPARAM)n);
    OnSelChange();
}

void CExtPopupUndoRedoListBox::OnSelChange()
{
    if (!SelChangeGoesOn())
        return;
    CExtPopupMenuWnd* pPopup = GetParentPopup();
    if (pPopup != nullptr && pPopup->IsKindOf(RUNTIME_CLASS(CExtPopupUndoRedoMenuWnd)))
        ((CExtPopupUndoRedoMenuWnd*)pPopup)->SetChosenCount(GetSelCount());
    SendSelectionMessage(g_nMsgPopupListBoxSelChange);
}

int CExtPopupUndoRedoListBox::GetLastVisibleItem() const
{
    const int nCount = GetCount();
    CRect rcClient;
    GetClientRect(&rcClient);
    for (int i = std::max(0, GetTopIndex()); i < nCount; ++i)
    {
        CRect rcItem;
        GetItemRect(i, &rcItem);
        if (rcItem.bottom >= rcClient.bottom)
            return i;
    }
    return nCount - 1;
}

int CExtPopupUndoRedoListBox::AutoScrollInterval(int nDistance)
{
    switch (nDistance / 10)
    {
    case 0: return 500;
    case 1: return 300;
    case 2: return 200;
    case 3: return 100;
    default: return 50;
    }
}

void CExtPopupUndoRedoListBox::StopTimers()
{
    if ((m_nTimerFlags & TIMER_FLAG_DOWN) != 0 && m_hWnd != nullptr)
        KillTimer(ID_TIMER_SCROLL_DOWN);
    if ((m_nTimerFlags & TIMER_FLAG_UP) != 0 && m_hWnd != nullptr)
        KillTimer(ID_TIMER_SCROLL_UP);
    m_nTimerFlags &= (BYTE) ~(TIMER_FLAG_UP | TIMER_FLAG_DOWN);
}

void CExtPopupUndoRedoListBox::RunTimer(UINT_PTR nTimer, BYTE nFlag, int& nInterval, int nNewInterval)
{
    if ((m_nTimerFlags & nFlag) != 0 && nInterval == nNewInterval)
        return;
    if ((m_nTimerFlags & nFlag) != 0)
        KillTimer(nTimer);
    SetTimer(nTimer, (UINT)nNewInterval, nullptr);
    m_nTimerFlags |= nFlag;
    nInterval = nNewInterval;
}

// ---- window procedure ------------------------------------------------------------------------------

LRESULT CExtPopupUndoRedoListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return OnPaintMsg();
    case WM_MOUSEMOVE: return OnMouseMoveMsg(lParam);
    case WM_VSCROLL: return OnVScrollMsg(wParam, lParam);
    case WM_LBUTTONDOWN: return OnLButtonDownMsg();
    case WM_LBUTTONUP: return OnLButtonUpMsg();
    case WM_TIMER: return OnTimerMsg(wParam, lParam);
    case WM_CANCELMODE: return OnCancelModeMsg();
    case WM_DESTROY: OnDestroyMsg(); break;
    default: break;
    }
    return CExtPopupInplaceListBox::WindowProc(message, wParam, lParam);
}

LRESULT CExtPopupUndoRedoListBox::OnPaintMsg()
{
    CPaintDC dcPaint(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    {
        CExtMemoryDC dc(&dcPaint, &rcClient, CExtMemoryDC::MemDcBuffer | CExtMemoryDC::MemDcFillBackground);
        dc.FillSolidRect(&rcClient, pPM->GetTranslatedColor(BACKGROUND_COLOR, this, 0));
        CListBox::DefWindowProc(WM_PAINT, (WPARAM)dc.GetSafeHdc(), 0);
        pPM->EndPaintSession(this, 0);
    }
    return 0;
}

LRESULT CExtPopupUndoRedoListBox::OnMouseMoveMsg(LPARAM lParam)
{
    const HWND hWnd = m_hWnd;
    const CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
    if (GetCount() > 0)
    {
        BOOL bOutside = FALSE;
        const int nItem = (int)ItemFromPoint(pt, bOutside);
        if (!bOutside && GetChosenCount() != nItem + 1)
            ChooseUpTo(nItem);
        if (!::IsWindow(hWnd))
            return 0;
    }
    if (!m_bTracking)
        return 0;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (pt.y < 0)
        RunTimer(ID_TIMER_SCROLL_UP, TIMER_FLAG_UP, m_nUpInterval, AutoScrollInterval(-pt.y));
    else if (pt.y >= rcClient.bottom)
        RunTimer(ID_TIMER_SCROLL_DOWN, TIMER_FLAG_DOWN, m_nDownInterval, AutoScrollInterval(pt.y - rcClient.bottom));
    else
        StopTimers();
    return 0;
}

LRESULT CExtPopupUndoRedoListBox::OnVScrollMsg(WPARAM wParam, LPARAM lParam)
{
    const UINT nCode = LOWORD(wParam);
    if (nCode == SB_ENDSCROLL)
        return CExtPopupInplaceListBox::WindowProc(WM_VSCROLL, wParam, lParam);
    const HWND hWnd = m_hWnd;
    const int nOldPos = ::GetScrollPos(hWnd, SB_VERT);
    ::SendMessageW(hWnd, WM_SETREDRAW, FALSE, 0);
    const LRESULT lResult = CExtPopupInplaceListBox::WindowProc(WM_VSCROLL, wParam, lParam);
    const int nNewPos = ::GetScrollPos(hWnd, SB_VERT);
    int nDirection = 0;
    if (nCode == SB_LINEUP || nCode == SB_PAGEUP || nCode == SB_TOP)
        nDirection = -1;
    else if (nCode == SB_LINEDOWN || nCode == SB_PAGEDOWN || nCode == SB_BOTTOM)
        nDirection = 1;
    else
        nDirection = nNewPos < nOldPos ? -1 : (nNewPos > nOldPos ? 1 : 0);
    if (nDirection < 0)
    {
        const int nTop = GetTopIndex();
        if (GetChosenCount() != nTop + 1)
            ChooseUpTo(nTop);
    }
    else if (nDirection > 0)
    {
        const int nLast = GetLastVisibleItem();
        if (GetChosenCount() != nLast + 1)
            ChooseUpTo(nLast);
    }
    if (::IsWindow(hWnd))
    {
        ::SendMessageW(hWnd, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(hWnd, nullptr, TRUE);
    }
    return lResult;
}

LRESULT CExtPopupUndoRedoListBox::OnLButtonDownMsg()
{
    if (GetCount() > 0)
    {
        ::SetCapture(m_hWnd);
        m_bTracking = true;
    }
    return 0;
}

LRESULT CExtPopupUndoRedoListBox::OnCancelModeMsg()
{
    StopTimers();
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    OnSelEndCancel(false);
    return 0;
}

void CExtPopupUndoRedoListBox::OnDestroyMsg()
{
    StopTimers();
    OnSelEndCancel(true);
}

LRESULT CExtPopupUndoRedoListBox::OnLButtonUpMsg()
{
    StopTimers();
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    const bool bEnd = GetCount() > 0 && m_bTracking;
    m_bTracking = false;
    // Ending may delete this list.
    if (bEnd)
        OnSelEndOK();
    return 0;
}

LRESULT CExtPopupUndoRedoListBox::OnTimerMsg(WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = m_hWnd;
    if (wParam == ID_TIMER_SCROLL_UP)
    {
        const int nTop = GetTopIndex() - 1;
        if (nTop >= 0)
        {
            ChooseUpTo(nTop);
            if (::IsWindow(hWnd))
                SetTopIndex(nTop);
        }
        return 0;
    }
    if (wParam == ID_TIMER_SCROLL_DOWN)
    {
        const int nLast = GetLastVisibleItem();
        const int nTop = GetTopIndex();
        if (nLast + 1 < GetCount())
        {
            ChooseUpTo(nLast + 1);
            if (::IsWindow(hWnd))
                SetTopIndex(nTop + 1);
        }
        return 0;
    }
    return CExtPopupInplaceListBox::WindowProc(WM_TIMER, wParam, lParam);
}

// ---- keys ------------------------------------------------------------------------------------------------

LRESULT CExtPopupUndoRedoListBox::OnInputRetranslate(WPARAM wParam)
{
    const auto* pInfo = (const CExtPopupControlMenuWnd::CONTROLINPUTRETRANSLATEINFO*)wParam;
    if (pInfo != nullptr && pInfo->m_nKind == CExtPopupControlMenuWnd::INPUT_KEY && OnChoiceKey(pInfo->m_nVirtKey))
        return 0;
    return CExtPopupInplaceListBox::OnInputRetranslate(wParam);
}

bool CExtPopupUndoRedoListBox::OnChoiceKey(UINT nVirtKey)
{
    if (nVirtKey != VK_UP && nVirtKey != VK_DOWN && nVirtKey != VK_HOME && nVirtKey != VK_END && nVirtKey != VK_PRIOR &&
        nVirtKey != VK_NEXT)
        return false;
    const HWND hWnd = m_hWnd;
    const int c = GetCount();
    const int s = GetChosenCount();
    const int t = GetTopIndex();
    const int v = GetLastVisibleItem();
    int nNewTop = -1;
    switch (nVirtKey)
    {
    case VK_UP:
        if (s - 2 >= 0)
        {
            ChooseUpTo(s - 2);
            if (s - 2 < t)
                nNewTop = s - 2;
        }
        break;
    case VK_DOWN:
        if (s < c)
        {
            ChooseUpTo(s);
            if (s > v)
                nNewTop = t + (s - v);
        }
        break;
    case VK_HOME:
        ChooseUpTo(0);
        nNewTop = 0;
        break;
    case VK_END:
        if (s < c)
        {
            ChooseUpTo(c - 1);
            nNewTop = c - 1;
        }
        break;
    case VK_PRIOR:
        if (s > 1)
        {
            const int n = std::max(0, s - 1 - (v - t));
            ChooseUpTo(n);
            if (n < t)
                nNewTop = n;
        }
        break;
    case VK_NEXT:
        if (s < c)
        {
            const int nPage = v - t + 1;
            const int n = std::min(c - 1, s + nPage - 2);
            ChooseUpTo(n);
            if (n > v)
                nNewTop = n - nPage + 1;
        }
        break;
    default: break;
    }
    if (nNewTop >= 0 && ::IsWindow(hWnd))
        SetTopIndex(nNewTop);
    return true;
}
