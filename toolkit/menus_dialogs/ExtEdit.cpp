// CExtEdit: hover polling and the themed non-client border of the toolkit's edit.
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtControlHelpers.h"
#include <memory>

IMPLEMENT_DYNCREATE(CExtEdit, CExtEditBase)

CExtEdit::CExtEdit() : m_nEditFlags(0) {}

CExtEdit::~CExtEdit() {}

bool CExtEdit::IsEnabled() const { return CExtControlHelpers::IsEnabled(m_hWnd); }

void CExtEdit::RedrawBorder()
{
    if (GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
}

LRESULT CExtEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE: OnMouseMoveMsg(); break;
    case WM_TIMER:
        if (OnTimerMsg((UINT_PTR)wParam))
            return 0;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    {
        const LRESULT lResult = CExtEditBase::WindowProc(message, wParam, lParam);
        RedrawBorder();
        return lResult;
    }
    case WM_NCPAINT: OnNcPaintMsg(wParam, lParam); return 0;
    default: break;
    }
    return CExtEditBase::WindowProc(message, wParam, lParam);
}

void CExtEdit::OnMouseMoveMsg()
{
    if (CExtControlHelpers::IsHoverAllowed(m_hWnd, ::GetActiveWindow(), true, true, true))
        SetTimer(ID_TIMER_HOVER, HOVER_PERIOD, nullptr);
}

bool CExtEdit::OnTimerMsg(UINT_PTR nIDEvent)
{
    if (nIDEvent != ID_TIMER_HOVER)
        return false;
    POINT pt;
    if (!::GetCursorPos(&pt) || !IsWindowVisible())
        return true;
    const bool bOld = IsHovered();
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (rcWindow.PtInRect(pt))
    {
        if (::WindowFromPoint(pt) == m_hWnd)
            m_nEditFlags |= kEditHover;
    }
    else
    {
        KillTimer(ID_TIMER_HOVER);
        m_nEditFlags &= (BYTE)~kEditHover;
    }
    if (bOld != IsHovered())
        RedrawBorder();
    return true;
}

void CExtEdit::OnNcPaintMsg(WPARAM wParam, LPARAM lParam)
{
    CExtEditBase::WindowProc(WM_NCPAINT, wParam, lParam);
    CRect rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
    if (rcWindow == rcClient)
        return;
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    const COLORREF clrWindow = pPM->GetTranslatedColor(COLOR_WINDOW, this);
    const int cxScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    const int cyScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    const bool bVert = rcWindow.Width() - rcClient.Width() >= cxScroll;
    const bool bHorz = rcWindow.Height() - rcClient.Height() >= cyScroll;
    CWindowDC dc(this);
    if (bVert && bHorz)
    {
        const CRect rcCorner(rcWindow.right - cxScroll - 4, rcWindow.bottom - cyScroll - 4, rcWindow.right - 4,
                             rcWindow.bottom - 4);
        dc.FillSolidRect(&rcCorner, clrWindow);
    }
    CRect rcExclude(rcClient);
    if (bVert)
        rcExclude.right += cxScroll;
    if (bHorz)
        rcExclude.bottom += cyScroll;
    dc.ExcludeClipRect(&rcExclude);
    wchar_t szClass[16] = {};
    ::GetClassNameW(m_hWnd, szClass, 16);
    if (::lstrcmpiW(szClass, L"EDIT") == 0)
        dc.FillSolidRect(&rcWindow, (GetStyle() & ES_READONLY) != 0 ? ::GetSysColor(COLOR_3DFACE) : clrWindow);
    CRect rcBorder(rcWindow);
    rcBorder.DeflateRect(3, 3);
    PaintBorder(rcBorder, &dc);
}

void CExtEdit::PaintBorder(const CRect& rcBorder, CDC* pDC)
{
    if (GetSafeHwnd() == nullptr)
        return;
    std::unique_ptr<CWindowDC> pOwnDC;
    if (pDC == nullptr)
    {
        pOwnDC.reset(new CWindowDC(this));
        pDC = pOwnDC.get();
    }
    const bool bFocus = ::GetFocus() == m_hWnd && !CExtControlHelpers::IsMenuTracking();
    CRect rc(rcBorder);
    if (IsHovered() || bFocus)
        rc.DeflateRect(1, 1);
    CExtPaintManager::EditFramePaintData data(this, rc, true, IsHovered(), IsEnabled(), bFocus);
    g_PaintManagerHolder->PaintEditFrame(*pDC, data);
}
