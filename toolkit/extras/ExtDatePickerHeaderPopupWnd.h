// Stand-in: class record and the members read so far.
// CExtDatePickerHeaderPopupWnd: the month calendar's month-list popup, a top-level window.
#pragma once
#include "platform/Wnd.h"

class CExtDatePickerHeaderPopupWnd : public CWnd
{
    DECLARE_DYNCREATE(CExtDatePickerHeaderPopupWnd)
public:
    CExtDatePickerHeaderPopupWnd();
    ~CExtDatePickerHeaderPopupWnd() override;
};
