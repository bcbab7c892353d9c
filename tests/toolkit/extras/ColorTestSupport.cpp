// Shared pieces of the colour control and colour dialog tests.
#include "ColorTestSupport.h"
#include "platform/Dc.h"
#include "support/InputScript.h"

namespace colortest
{

bool CColorHost::CreateHost(const RECT& rc)
{
    if (!CreateEx(0, AfxRegisterWndClass(0), L"colour host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, rc, nullptr, 0))
        return false;
    ::SetForegroundWindow(m_hWnd);
    ::SetActiveWindow(m_hWnd);
    SettleInput();
    return true;
}

LRESULT CColorHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == CExtColorCtrl::g_nMsgColorChanged)
    {
        const auto* pClrs = (const CExtColorCtrl::selection_colors_t*)lParam;
        m_notes.push_back({(HWND)wParam, pClrs->m_clrCurrent, pClrs->m_clrPrev});
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

bool CreateControl(CExtColorCtrl& ctrl, CWnd* pParent, const RECT& rc, int nMode)
{
    ctrl.m_nMode = nMode;
    const bool b = ctrl.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"", WS_CHILD | WS_VISIBLE, rc.left, rc.top,
                                 rc.right - rc.left, rc.bottom - rc.top, pParent->GetSafeHwnd(), (HMENU)(UINT_PTR)100,
                                 nullptr) != FALSE;
    if (b)
        ctrl.RecalcLayout(false);
    PumpMessages();
    return b;
}

void ClickAt(CWnd* pWnd, CPoint pt) { DragThrough(pWnd, {pt}); }

void DragThrough(CWnd* pWnd, const std::vector<CPoint>& pts)
{
    std::vector<CPoint> screen(pts);
    for (CPoint& pt : screen)
        pWnd->ClientToScreen(&pt);
    RunInputScript([&] {
        SendMouse(screen.front().x, screen.front().y, 0);
        SendMouse(screen.front().x, screen.front().y, MOUSEEVENTF_LEFTDOWN);
        for (size_t i = 1; i < screen.size(); i++)
            SendMouse(screen[i].x, screen[i].y, 0);
        SendMouse(screen.back().x, screen.back().y, MOUSEEVENTF_LEFTUP);
    });
}

void LayoutModel(CExtColorCtrl::any_picker_data_t& model, int cx, int cy, COLORREF clr)
{
    CClientDC dc(nullptr);
    model.Reset();
    model.Layout(dc, nullptr, cx, cy, false);
    model.SetColor(clr);
    // Painted once, as the control does before any input reaches a model.
    DibCanvas canvas(std::max(1, cx), std::max(1, cy));
    model.Paint(canvas.dc, nullptr);
}

void PaintModel(CExtColorCtrl::any_picker_data_t& model, DibCanvas& canvas)
{
    canvas.dc.FillSolidRect(0, 0, canvas.Width(), canvas.Height(), RGB(128, 128, 128));
    model.Paint(canvas.dc, nullptr);
}

} // namespace colortest
