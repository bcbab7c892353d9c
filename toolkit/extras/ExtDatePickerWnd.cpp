// Stand-in: class record and the members read so far.
// CExtDatePickerWnd: window class, creation, grid metric and picker style.
#include "toolkit/extras/ExtDatePickerWnd.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CExtDatePickerWnd, CWnd)

const UINT CExtDatePickerWnd::g_nMsgSelectionNotification =
    ::RegisterWindowMessageW(L"CExtDatePickerWnd::g_nMsgSelectionNotification");
LPCTSTR const CExtDatePickerWnd::WNDCLASS_NAME = L"Nimbal-DatePickerWnd";

CExtDatePickerWnd::CExtDatePickerWnd()
    : m_hWndNotificationReceiver(nullptr), m_bAutoDeleteWindow(false), m_nColumns(1), m_nRows(1), m_nMaxColumns(1),
      m_nMaxRows(1), m_dwPickerStyle(0)
{
    static bool s_bRegistered = false;
    if (s_bRegistered)
        return;
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    WNDCLASSW wc = {};
    if (::GetClassInfoW(hInst, WNDCLASS_NAME, &wc))
    {
        s_bRegistered = true;
        return;
    }
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInst;
    wc.hCursor = ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = WNDCLASS_NAME;
    s_bRegistered = AfxRegisterClass(&wc) != FALSE;
}

CExtDatePickerWnd::~CExtDatePickerWnd() {}

bool CExtDatePickerWnd::Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID, int nColumns, int nRows,
                               int nMaxColumns, int nMaxRows, DWORD dwWindowStyle, DWORD dwPickerStyle,
                               CCreateContext* pContext)
{
    SetDimensions(nColumns, nRows, nMaxColumns, nMaxRows, false);
    m_dwPickerStyle = dwPickerStyle;
    return CWnd::Create(WNDCLASS_NAME, L"", dwWindowStyle, rcWnd, pParentWnd, nDlgCtrlID, pContext) != FALSE;
}

void CExtDatePickerWnd::CalcWindowSize(CSize& size, const CSize& sizeGrid) const
{
    size.cx = std::max<int>(1, sizeGrid.cx) * MONTH_WIDTH + 2 * BORDER_SIZE;
    size.cy = std::max<int>(1, sizeGrid.cy) * MONTH_HEIGHT + 2 * BORDER_SIZE;
    if ((m_dwPickerStyle & PICKER_STYLE_BUTTONS) != 0)
        size.cy += BUTTON_AREA_HEIGHT;
}

void CExtDatePickerWnd::SetDimensions(int nColumns, int nRows, int nMaxColumns, int nMaxRows, bool bRepaint)
{
    m_nColumns = std::max(1, nColumns);
    m_nRows = std::max(1, nRows);
    m_nMaxColumns = std::max(m_nColumns, nMaxColumns);
    m_nMaxRows = std::max(m_nRows, nMaxRows);
    if (bRepaint && GetSafeHwnd() != nullptr)
        Invalidate();
}

DWORD CExtDatePickerWnd::ModifyPickerStyle(DWORD dwRemove, DWORD dwAdd, bool bRepaint)
{
    const DWORD dwOld = m_dwPickerStyle;
    m_dwPickerStyle = (m_dwPickerStyle & ~dwRemove) | dwAdd;
    if (bRepaint && GetSafeHwnd() != nullptr)
        Invalidate();
    return dwOld;
}

HWND CExtDatePickerWnd::GetNotificationReceiver() const
{
    if (m_hWndNotificationReceiver != nullptr)
        return m_hWndNotificationReceiver;
    return GetSafeHwnd() != nullptr ? ::GetParent(GetSafeHwnd()) : nullptr;
}

LRESULT CExtDatePickerWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CWnd::WindowProc(message, wParam, lParam);
}

void CExtDatePickerWnd::PostNcDestroy()
{
    if (m_bAutoDeleteWindow)
        delete this;
}
