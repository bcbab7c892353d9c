// The date picker test host: a top-level window holding a 2 x 2 picker (at most 3 x 3, WS_TABSTOP,
// the default style with 0x4000) and a hidden notification target that records every notification.
#pragma once
#include "support/InputScript.h"
#include "toolkit/extras/ExtDatePickerWnd.h"
#include <vector>

// A hidden window keeping a copy of each selection notification it gets.
class CDatePickerNotifyTarget : public CWnd
{
public:
    struct Record
    {
        COleDateTime m_dtBegin;
        COleDateTime m_dtEnd;
        HWND m_hWndPicker;
        int m_nUserValue;
        DWORD m_dwFlags;
        LPARAM m_lParam;
    };
    bool CreateTarget();
    std::vector<Record> m_records;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The host window: the picker's parent; it counts WM_CANCELMODE and WM_NEXTDLGCTL.
class CDatePickerHost : public CWnd
{
public:
    enum : DWORD
    {
        HOST_PICKER_STYLE = CExtDatePickerWnd::DPS_DEFAULT | CExtDatePickerWnd::DPS_AUTO_DIMENSIONS,
    };
    CDatePickerHost() = default;
    ~CDatePickerHost() override;
    // Creates the host at (x, y) sized for the 2 x 2 grid, the target and the picker; shows it when bShow.
    bool CreateHost(int x = 40, int y = 40, bool bShow = false, DWORD dwPickerStyle = HOST_PICKER_STYLE);
    // Client point of the picker -> screen.
    CPoint ToScreen(const CPoint& ptPicker) const;

    CExtDatePickerWnd m_picker;
    CDatePickerNotifyTarget m_target;
    int m_nCancelMode = 0;
    int m_nNextDlgCtl = 0;
    WPARAM m_wNextDlgCtl = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Test helpers: the first weekday in the picker's 1-Sunday numbering, pumping, real input. The input
// helpers are steps of an input script (RunInputScript): each returns once the picker's thread has
// handled it.
namespace dptest
{
int FirstWeekDay(const CExtDatePickerWnd& picker);
// Dispatches this thread's messages for dwMs (0: the pending ones), for checks that nothing happens over
// a time after the input was handled.
void Pump(DWORD dwMs = 0);
void MoveTo(const CPoint& ptScreen);
// The left button at the point of the last MoveTo.
void Button(bool bDown);
void Key(WORD vk, bool bDown);
void Tap(WORD vk);
COleDateTime Date(int y, int m, int d);
} // namespace dptest
