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
    const DWORD dwStart = ::GetTickCount();
    PumpMessages();
    while (::GetTickCount() - dwStart < dwMs)
    {
        ::Sleep(5);
        PumpMessages();
    }
}

namespace
{
CPoint g_ptMouse; // where the last MoveTo put the pointer
} // namespace

void MoveTo(const CPoint& ptScreen)
{
    g_ptMouse = ptScreen;
    SendMouse(ptScreen.x, ptScreen.y, 0);
}

void Button(bool bDown) { SendMouse(g_ptMouse.x, g_ptMouse.y, bDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP); }

void Key(WORD vk, bool bDown) { SendKeyInput(vk, bDown); }

void Tap(WORD vk)
{
    Key(vk, true);
    Key(vk, false);
}

COleDateTime Date(int y, int m, int d)
{
    COleDateTime dt;
    dt.SetDate(y, m, d);
    return dt;
}
} // namespace dptest
