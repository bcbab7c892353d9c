// CExtDatePickerWnd: the message route, mouse, keyboard, scrolling, the month list and the other messages.
#include "toolkit/extras/ExtDatePickerHeaderPopupWnd.h"
#include "toolkit/extras/ExtDatePickerWnd.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupControlMenuWnd.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <windowsx.h>

namespace
{
bool IsValid(const COleDateTime& dt) { return dt.GetStatus() == COleDateTime::valid; }
bool KeyDown(int nVirtKey) { return (::GetKeyState(nVirtKey) & 0x8000) != 0; }
} // namespace

LRESULT CExtDatePickerWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == CExtPopupControlMenuWnd::g_nMsgControlInputRetranslate)
        return OnRetranslate(wParam);
    switch (message)
    {
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT:
    {
        PAINTSTRUCT ps;
        CDC* pDC = CDC::FromHandle(::BeginPaint(GetSafeHwnd(), &ps));
        {
            CRect rcClient;
            GetClientRect(&rcClient);
            CExtMemoryDC dcMem(pDC, &rcClient);
            m_bPainting = true;
            DoPaint(dcMem);
            m_bPainting = false;
        }
        ::EndPaint(GetSafeHwnd(), &ps);
        return 0;
    }
    case WM_PRINTCLIENT: DoPaint(*CDC::FromHandle((HDC)wParam)); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnMouseButtonDown(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))); return 0;
    case WM_LBUTTONUP: OnMouseButtonUp(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))); return 0;
    case WM_MOUSEMOVE: OnMouseMoveMsg(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))); return 0;
    case WM_TIMER:
        if (wParam == TIMER_SCROLL)
            ScrollMonths(m_nPressedPart == PRESSED_SCROLL_BACK ? -1 : 1, false);
        return 0;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED: StopPressed(); return CWnd::WindowProc(message, wParam, lParam);
    case WM_KEYDOWN: return OnKey((UINT)wParam, false) ? 0 : CWnd::WindowProc(message, wParam, lParam);
    case WM_GETDLGCODE: return (GetStyle() & WS_TABSTOP) != 0 ? DLGC_WANTALLKEYS : 0;
    case WM_MOUSEACTIVATE:
        if ((GetStyle() & WS_TABSTOP) == 0)
            return MA_NOACTIVATE;
        break;
    case WM_KILLFOCUS:
        if ((GetStyle() & WS_TABSTOP) != 0)
            SendMessage(WM_CANCELMODE);
        break;
    case WM_ACTIVATEAPP:
        if (!wParam)
            SendMessage(WM_CANCELMODE);
        break;
    case WM_SIZE: Repaint(); break;
    case WM_TIMECHANGE:
        RebuildMonths();
        Invalidate();
        break;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE: OnSettingChange(message, wParam, lParam); break;
    default: break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CExtDatePickerWnd::OnSettingChange(UINT message, WPARAM wParam, LPARAM lParam)
{
    CExtPaintManager* pPM = g_PaintManagerHolder.operator->();
    CExtCmdManager* pCM = g_CmdManagerHolder.GetCmdManager();
    switch (message)
    {
    case WM_SETTINGCHANGE:
        pPM->OnSettingChange((UINT)wParam, (LPCTSTR)lParam);
        pCM->OnSettingChange((UINT)wParam, (LPCTSTR)lParam);
        break;
    case WM_DISPLAYCHANGE:
        pPM->OnDisplayChange((int)wParam, LOWORD(lParam), HIWORD(lParam));
        pCM->OnDisplayChange((INT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_THEMECHANGED:
        pPM->OnThemeChanged(wParam, lParam);
        pCM->OnThemeChanged(wParam, lParam);
        break;
    default:
        pPM->OnSysColorChange();
        pCM->OnSysColorChange();
        break;
    }
    if (message != WM_SYSCOLORCHANGE)
    {
        Measure();
        LayoutParts();
        RebuildMonths();
    }
    Repaint();
}

void CExtDatePickerWnd::StopPressed()
{
    if (m_nPressedPart == PRESSED_NONE)
        return;
    if (m_nPressedPart == PRESSED_SCROLL_BACK || m_nPressedPart == PRESSED_SCROLL_FORWARD)
        KillTimer(TIMER_SCROLL);
    m_nPressedPart = PRESSED_NONE;
    m_bTodayHot = m_bNoneHot = false;
    if (GetCaptureHWND() == GetSafeHwnd())
        CExtMouseCaptureSink::ReleaseCapture();
    Invalidate();
}

void CExtDatePickerWnd::ScrollMonths(int nCount, bool bStartTimer)
{
    (void)nCount;
    int m = m_dtCurrent.GetMonth(), y = m_dtCurrent.GetYear();
    const int nDelta = m_nPressedPart == PRESSED_SCROLL_BACK ? -1 : 1;
    int mLast = m, yLast = y;
    // Months never move past January 100 or (the last month shown) December 9999.
    if (AddMonths(m, y, nDelta) && AddMonths(mLast, yLast, nDelta + m_nCurrentColumns * m_nCurrentRows - 1))
    {
        m_dtCurrent.SetDate(y, m, 1);
        RebuildMonths();
        Invalidate();
        if (GetSafeHwnd() != nullptr && bStartTimer)
            UpdateWindow();
    }
    if (bStartTimer && GetSafeHwnd() != nullptr)
    {
        ::Sleep(SCROLL_PERIOD);
        SetTimer(TIMER_SCROLL, SCROLL_PERIOD, nullptr);
    }
}

void CExtDatePickerWnd::OnMouseButtonDown(const CPoint& pt)
{
    COleDateTime dt;
    const int nHit = HitTest(pt, &dt);
    switch (nHit)
    {
    case HT_BUTTON_NONE:
    case HT_BUTTON_TODAY:
        CExtMouseCaptureSink::SetCapture(GetSafeHwnd());
        m_nPressedPart = nHit == HT_BUTTON_NONE ? PRESSED_BUTTON_NONE : PRESSED_BUTTON_TODAY;
        m_bNoneHot = nHit == HT_BUTTON_NONE;
        m_bTodayHot = nHit == HT_BUTTON_TODAY;
        Invalidate();
        break;
    case HT_SCROLL_BACK:
    case HT_SCROLL_FORWARD:
        CExtMouseCaptureSink::SetCapture(GetSafeHwnd());
        m_nPressedPart = nHit == HT_SCROLL_BACK ? PRESSED_SCROLL_BACK : PRESSED_SCROLL_FORWARD;
        ScrollMonths(1, true);
        break;
    case HT_CAPTION: TrackMonthList(MonthFromPoint(pt)); break;
    case HT_DAY:
    {
        const MONTH_INFO* pMonth = MonthFromPoint(pt);
        const bool bOther = pMonth != nullptr && (dt.GetMonth() != pMonth->m_nMonth || dt.GetYear() != pMonth->m_nYear);
        if (bOther && (m_dwPickerStyle & DPS_SHOW_NON_MONTH_DAYS) == 0)
            break;
        CExtMouseCaptureSink::SetCapture(GetSafeHwnd());
        m_nPressedPart = PRESSED_DAYS;
        SetSelection(dt, dt, false, true);
        break;
    }
    default: break;
    }
}

void CExtDatePickerWnd::OnMouseMoveMsg(const CPoint& pt)
{
    COleDateTime dt;
    const int nHit = HitTest(pt, &dt);
    switch (m_nPressedPart)
    {
    case PRESSED_BUTTON_NONE:
    case PRESSED_BUTTON_TODAY:
    {
        const bool bHot = nHit == (m_nPressedPart == PRESSED_BUTTON_NONE ? HT_BUTTON_NONE : HT_BUTTON_TODAY);
        bool& bFlag = m_nPressedPart == PRESSED_BUTTON_NONE ? m_bNoneHot : m_bTodayHot;
        if (bFlag != bHot)
        {
            bFlag = bHot;
            Invalidate();
        }
        break;
    }
    case PRESSED_DAYS:
    {
        // Outside the grid, or over a day of another month without 0x0200, the selection keeps the last day.
        if (nHit != HT_DAY)
            break;
        const MONTH_INFO* pMonth = MonthFromPoint(pt);
        const bool bOther = pMonth != nullptr && (dt.GetMonth() != pMonth->m_nMonth || dt.GetYear() != pMonth->m_nYear);
        if (bOther && (m_dwPickerStyle & DPS_SHOW_NON_MONTH_DAYS) == 0)
            break;
        if ((m_dwPickerStyle & DPS_MULTIPLE_SELECTION) != 0)
            SetSelection(m_dtSelBegin, dt, false, true);
        else
            SetSelection(dt, dt, false, true);
        break;
    }
    default: break;
    }
}

void CExtDatePickerWnd::OnMouseButtonUp(const CPoint& pt)
{
    const int nPressed = m_nPressedPart;
    COleDateTime dt;
    const int nHit = HitTest(pt, &dt);
    StopPressed();
    if ((nPressed == PRESSED_BUTTON_NONE && nHit == HT_BUTTON_NONE) ||
        (nPressed == PRESSED_BUTTON_TODAY && nHit == HT_BUTTON_TODAY))
    {
        if (nPressed == PRESSED_BUTTON_NONE)
        {
            COleDateTime dtNull;
            dtNull.SetStatus(COleDateTime::null);
            SetSelection(dtNull, dtNull, false, true);
        }
        else
        {
            const COleDateTime dtToday = GetToday();
            SetCurrentDate(dtToday, false);
            EnsureVisible(dtToday, false);
            SetSelection(dtToday, dtToday, false, true);
            Repaint();
        }
        SendNotification(SN_FINAL | SN_CLOSE_PARENT);
        return;
    }
    if (nPressed == PRESSED_DAYS && nHit == HT_DAY)
    {
        EnsureVisible(m_dtSelEnd, true);
        SendNotification(SN_FINAL | SN_CLOSE_PARENT);
    }
}

void CExtDatePickerWnd::TrackMonthList(const MONTH_INFO* pMonth)
{
    if (pMonth == nullptr)
        return;
    CExtDatePickerHeaderPopupWnd wndList(this, (m_dwPickerStyle & DPS_MONTH_LIST_SHADOW) != 0);
    wndList.SetMonthYear(pMonth->m_nMonth, pMonth->m_nYear);
    const CSize size = wndList.GetWindowSize();
    CRect rcCaption(pMonth->m_rcCaption);
    ClientToScreen(&rcCaption);
    const CPoint ptCentre = rcCaption.CenterPoint();
    const CRect rcList(CPoint(ptCentre.x - size.cx / 2, ptCentre.y - size.cy / 2), size);
    const HWND hWndSelf = GetSafeHwnd();
    static LPCTSTR s_pszClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW));
    if (!wndList.CreateEx(WS_EX_TOPMOST | WS_EX_WINDOWEDGE, s_pszClass, L"", WS_POPUP, rcList, this, 0))
        return;
    wndList.ShowWindow(SW_SHOWNA);
    m_pMonthList = &wndList;
    CExtMouseCaptureSink::SetCapture(hWndSelf);
    wndList.TrackCursor();
    bool bReleased = false;
    for (bool bLoop = true; bLoop && ::IsWindow(hWndSelf);)
    {
        if (GetCaptureHWND() != hWndSelf || !KeyDown(VK_LBUTTON) || KeyDown(VK_RBUTTON) || KeyDown(VK_MBUTTON))
            break;
        MSG msg;
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            ::WaitMessage();
            continue;
        }
        switch (msg.message)
        {
        case WM_MOUSEMOVE:
            ::PeekMessageW(&msg, nullptr, msg.message, msg.message, PM_REMOVE);
            wndList.TrackCursor();
            continue;
        case WM_LBUTTONUP:
            ::PeekMessageW(&msg, nullptr, msg.message, msg.message, PM_REMOVE);
            bReleased = true;
            bLoop = false;
            continue;
        case WM_CANCELMODE:
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
        case WM_ACTIVATEAPP:
        case WM_CAPTURECHANGED: bLoop = false; continue;
        default: break;
        }
        if ((msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MOUSELAST) ||
            (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCXBUTTONDBLCLK) ||
            (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST))
            break;
        // Only the message looked at is taken: a move or release queued since then is the loop's own.
        if (!::PeekMessageW(&msg, nullptr, msg.message, msg.message, PM_REMOVE))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    if (!::IsWindow(hWndSelf))
        return;
    m_pMonthList = nullptr;
    int nMonth = 0, nYear = 0;
    if (bReleased)
        wndList.TrackCursor();
    const bool bPicked = bReleased && wndList.GetSelectedMonth(nMonth, nYear);
    wndList.DestroyWindow();
    if (GetCaptureHWND() == hWndSelf)
        CExtMouseCaptureSink::ReleaseCapture();
    if (bPicked)
    {
        // The picked month takes the caption's place in the grid.
        const int nIndex = pMonth->m_nRow * m_nCurrentColumns + pMonth->m_nColumn;
        if (AddMonths(nMonth, nYear, -nIndex))
        {
            COleDateTime dt;
            dt.SetDate(nYear, nMonth, 1);
            SetCurrentDate(dt, true);
        }
    }
}

bool CExtDatePickerWnd::OnKey(UINT nVirtKey, bool bInsidePopup)
{
    switch (nVirtKey)
    {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: MoveSelectionByKey(nVirtKey, bInsidePopup); return true;
    case VK_TAB:
        if ((GetStyle() & WS_TABSTOP) == 0)
            return false;
        GetParent()->SendMessage(WM_NEXTDLGCTL, KeyDown(VK_SHIFT) ? 1 : 0, 0);
        return true;
    case VK_RETURN:
        if (m_pExternalSelection != nullptr)
        {
            m_pExternalSelection[0] = m_dtSelBegin;
            m_pExternalSelection[1] = m_dtSelEnd;
        }
        if (GetParent() != nullptr)
            GetParent()->PostMessage(WM_CANCELMODE);
        return true;
    case VK_ESCAPE:
        if (!bInsidePopup)
            return false;
        if (GetParent() != nullptr)
            GetParent()->PostMessage(WM_CANCELMODE);
        return true;
    default: return false;
    }
}

void CExtDatePickerWnd::MoveSelectionByKey(UINT nVirtKey, bool bInsidePopup)
{
    COleDateTime dtEnd = m_dtSelEnd, dtBegin = m_dtSelBegin;
    if (!IsValid(dtEnd))
    {
        if (!bInsidePopup)
            dtEnd = IsValid(m_dtCurrent) ? m_dtCurrent : GetToday();
        else
            dtEnd = GetToday();
    }
    const bool bExtend = (m_dwPickerStyle & DPS_MULTIPLE_SELECTION) != 0 && KeyDown(VK_SHIFT) && !KeyDown(VK_CONTROL) &&
                         !KeyDown(VK_MENU);
    const int nDays = nVirtKey == VK_LEFT ? -1 : nVirtKey == VK_RIGHT ? 1 : nVirtKey == VK_UP ? -7 : 7;
    // Whole-day values count on as plain numbers, also past the range ends, which the clamp then holds.
    dtEnd = ClampDate(COleDateTime(DatePart(dtEnd).m_dt + nDays));
    if (!bExtend || !IsValid(dtBegin))
        dtBegin = dtEnd;
    const HWND hWndSelf = GetSafeHwnd();
    SetSelection(dtBegin, dtEnd, false, false);
    if (!::IsWindow(hWndSelf))
        return;
    EnsureVisible(dtEnd, false);
    Repaint();
    SendNotification((bInsidePopup ? 0 : SN_FINAL) | SN_CLOSE_PARENT);
}

LRESULT CExtDatePickerWnd::OnRetranslate(WPARAM wParam)
{
    const auto* pInfo = (const CExtPopupControlMenuWnd::CONTROLINPUTRETRANSLATEINFO*)wParam;
    if (pInfo == nullptr || pInfo->m_nKind != CExtPopupControlMenuWnd::INPUT_KEY)
        return 0;
    // Key releases pass through.
    if ((pInfo->m_nMessage & KF_UP) != 0)
        return 0;
    return OnKey(pInfo->m_nVirtKey, true) ? 1 : 0;
}
