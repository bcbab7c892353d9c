// Shared pieces of the colour control and colour dialog tests.
#include "ColorTestSupport.h"
#include "platform/Dc.h"

namespace colortest
{

bool CColorHost::CreateHost(const RECT& rc)
{
    if (!CreateEx(0, AfxRegisterWndClass(0), L"colour host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, rc, nullptr, 0))
        return false;
    ::SetForegroundWindow(m_hWnd);
    ::SetActiveWindow(m_hWnd);
    PumpFor(30);
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
    PumpFor(10);
    return b;
}

void PumpFor(DWORD nMilliseconds)
{
    const DWORD nStart = ::GetTickCount();
    do
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(1);
    } while (::GetTickCount() - nStart < nMilliseconds);
}

void MoveMouseTo(CWnd* pWnd, CPoint pt)
{
    pWnd->ClientToScreen(&pt);
    const int cx = ::GetSystemMetrics(SM_CXSCREEN) - 1, cy = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(pt.x, 65535, cx);
    in.mi.dy = MulDiv(pt.y, 65535, cy);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof(in));
    PumpFor(15);
}

void MouseButton(bool bDown)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = bDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &in, sizeof(in));
    PumpFor(15);
}

void ClickAt(CWnd* pWnd, CPoint pt)
{
    MoveMouseTo(pWnd, pt);
    MouseButton(true);
    MouseButton(false);
}

void DragThrough(CWnd* pWnd, const std::vector<CPoint>& pts)
{
    MoveMouseTo(pWnd, pts.front());
    MouseButton(true);
    for (size_t i = 1; i < pts.size(); i++)
        MoveMouseTo(pWnd, pts[i]);
    MouseButton(false);
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
