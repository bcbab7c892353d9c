// CExtPopupDatePickerMenuWnd: sizing, creating the calendar, relaying its selections, its mouse.
#include "toolkit/extras/ExtPopupDatePickerMenuWnd.h"
#include "toolkit/extras/ExtDatePickerHeaderPopupWnd.h"

IMPLEMENT_DYNCREATE(CExtPopupDatePickerMenuWnd, CExtPopupControlMenuWnd)

CExtPopupDatePickerMenuWnd::CExtPopupDatePickerMenuWnd(LPARAM lMessageCookie, int nColumns, int nRows,
                                                       DWORD dwWindowStyle, DWORD dwPickerStyle)
    : m_hWndNotificationReceiver(nullptr), m_lMessageCookie(lMessageCookie), m_nColumns(nColumns), m_nRows(nRows),
      m_dwWindowStyle(dwWindowStyle), m_dwPickerStyle(dwPickerStyle), m_pCbSelection(nullptr),
      m_pSelectionCookie(nullptr), m_pCbContent(nullptr), m_pContentCookie(nullptr)
{
    CExtDatePickerWnd wndMeasure;
    wndMeasure.SetDimensions(nColumns, nRows, nColumns, nRows, false);
    wndMeasure.ModifyPickerStyle((DWORD)-1, dwPickerStyle, false);
    CSize size;
    wndMeasure.CalcWindowSize(size, CSize(wndMeasure.m_nColumns, wndMeasure.m_nRows));
    m_nControlWidth = size.cx;
    m_nControlHeight = size.cy;
}

CExtPopupDatePickerMenuWnd::~CExtPopupDatePickerMenuWnd() {}

CExtPopupInplaceDatePicker* CExtPopupDatePickerMenuWnd::NewDatePicker() { return new CExtPopupInplaceDatePicker; }

HWND CExtPopupDatePickerMenuWnd::CreateHostedControl(const RECT& rc)
{
    CExtPopupInplaceDatePicker* pPicker = NewDatePicker();
    pPicker->m_hWndNotificationReceiver = m_hWndNotificationReceiver;
    pPicker->m_pCbSelection = m_pCbSelection;
    pPicker->m_pSelectionCookie = m_pSelectionCookie;
    pPicker->m_pCbContent = m_pCbContent;
    pPicker->m_pContentCookie = m_pContentCookie;
    pPicker->m_lMessageCookie = m_lMessageCookie;
    if (!pPicker->Create(this, rc, (UINT)-1, m_nColumns, m_nRows, m_nColumns, m_nRows, m_dwWindowStyle,
                         m_dwPickerStyle))
    {
        // The flag is still clear: the object did not delete itself.
        delete pPicker;
        return nullptr;
    }
    pPicker->m_bAutoDeleteWindow = true;
    return pPicker->GetSafeHwnd();
}

LRESULT CExtPopupDatePickerMenuWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == CExtDatePickerWnd::g_nMsgSelectionNotification)
    {
        if (m_pCbSelection != nullptr && m_pCbSelection(wParam, m_pSelectionCookie))
            return 1;
        const HWND hWndReceiver = GetCmdReceiverHWND();
        if (hWndReceiver == nullptr || !::IsWindow(hWndReceiver))
            return 0;
        return ::SendMessageW(hWndReceiver, message, wParam, lParam);
    }
    return CExtPopupControlMenuWnd::WindowProc(message, wParam, lParam);
}

bool CExtPopupDatePickerMenuWnd::OnMouseWheel(WPARAM wParam, LPARAM lParam, bool& bPassOn)
{
    (void)wParam;
    (void)lParam;
    bPassOn = false;
    return true;
}

bool CExtPopupDatePickerMenuWnd::IsOverCalendar(const POINT& ptScreen) const
{
    const HWND hWndUnder = ::WindowFromPoint(ptScreen);
    if (hWndUnder == nullptr)
        return false;
    if (IsOverControl(hWndUnder))
        return true;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWndUnder);
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CExtDatePickerHeaderPopupWnd));
}

bool CExtPopupDatePickerMenuWnd::PassOnOverCalendar(int x, int y, bool& bPassOn) const
{
    if (GetSafeHwnd() == nullptr)
        return false;
    POINT pt = {x, y};
    ClientToScreen(&pt);
    if (!IsOverCalendar(pt))
        return false;
    bPassOn = true;
    return true;
}

bool CExtPopupDatePickerMenuWnd::HandleMouseMove(UINT message, int x, int y, bool& bPassOn)
{
    if (PassOnOverCalendar(x, y, bPassOn))
        return false;
    return CExtPopupControlMenuWnd::HandleMouseMove(message, x, y, bPassOn);
}

bool CExtPopupDatePickerMenuWnd::HandleMouseClick(UINT message, int x, int y, bool& bPassOn)
{
    if (PassOnOverCalendar(x, y, bPassOn))
        return false;
    return CExtPopupControlMenuWnd::HandleMouseClick(message, x, y, bPassOn);
}
