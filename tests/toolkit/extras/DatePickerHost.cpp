// The date picker test host, its notification target and the input helpers.
#include "DatePickerHost.h"

bool CDatePickerNotifyTarget::CreateTarget()
{
    return CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0) != FALSE;
}

LRESULT CDatePickerNotifyTarget::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == CExtDatePickerWnd::g_nMsgSelectionNotification)
    {
        const auto* pSn = (const CExtDatePickerWnd::SELECTION_NOTIFICATION*)wParam;
        m_records.push_back(
            {pSn->m_dtBegin, pSn->m_dtEnd, pSn->m_hWndDatePicker, pSn->m_nUserValue, pSn->m_dwFlags, lParam});
        return 1;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

CDatePickerHost::~CDatePickerHost()
{
    if (m_picker.GetSafeHwnd() != nullptr)
        m_picker.DestroyWindow();
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
    if (m_target.GetSafeHwnd() != nullptr)
        m_target.DestroyWindow();
}

bool CDatePickerHost::CreateHost(int x, int y, bool bShow, DWORD dwPickerStyle)
{
    if (!m_target.CreateTarget())
        return false;
    CExtDatePickerWnd measure;
    measure.ModifyPickerStyle((DWORD)-1, dwPickerStyle, false);
    CSize size;
    measure.CalcWindowSize(size, CSize(2, 2));
    if (!CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"DatePickerHost", WS_POPUP | WS_CLIPCHILDREN,
                  CRect(x, y, x + size.cx + 20, y + size.cy + 20), nullptr, 0))
        return false;
    m_picker.m_hWndNotificationReceiver = m_target.GetSafeHwnd();
    if (!m_picker.Create(this, CRect(10, 10, 10 + size.cx, 10 + size.cy), 100, 2, 2, 3, 3,
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP, dwPickerStyle))
        return false;
    if (bShow)
    {
        ShowWindow(SW_SHOW);
        ::SetForegroundWindow(GetSafeHwnd());
        m_picker.SetFocus();
        UpdateWindow();
        dptest::Pump();
    }
    return true;
}

CPoint CDatePickerHost::ToScreen(const CPoint& ptPicker) const
{
    CPoint pt(ptPicker);
    ::ClientToScreen(m_picker.GetSafeHwnd(), &pt);
    return pt;
}

LRESULT CDatePickerHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CANCELMODE)
        ++m_nCancelMode;
    else if (message == WM_NEXTDLGCTL)
    {
        ++m_nNextDlgCtl;
        m_wNextDlgCtl = wParam;
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

namespace dptest
{
int FirstWeekDay(const CExtDatePickerWnd& picker)
{
    // 0 Monday ... 6 Sunday -> 1 Sunday ... 7 Saturday
    return (picker.GetFirstDayOfWeek() + 1) % 7 + 1;
}

void Pump(DWORD dwMs)
{
    const DWORD dwEnd = ::GetTickCount() + dwMs;
    do
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (dwMs != 0)
            ::Sleep(5);
    } while ((int)(dwEnd - ::GetTickCount()) > 0);
}

void MoveTo(const CPoint& ptScreen)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN) - 1, cy = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(ptScreen.x, 65535, cx);
    in.mi.dy = MulDiv(ptScreen.y, 65535, cy);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof(in));
}

void Button(bool bDown)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = bDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &in, sizeof(in));
}

void Key(WORD vk, bool bDown)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = bDown ? 0 : KEYEVENTF_KEYUP;
    ::SendInput(1, &in, sizeof(in));
}

void Tap(WORD vk)
{
    Key(vk, true);
    Key(vk, false);
    Pump(20);
}

COleDateTime Date(int y, int m, int d)
{
    COleDateTime dt;
    dt.SetDate(y, m, d);
    return dt;
}
} // namespace dptest
