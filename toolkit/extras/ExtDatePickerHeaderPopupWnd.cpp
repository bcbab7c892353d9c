// Stand-in: class record and the members read so far.
// CExtDatePickerHeaderPopupWnd: its run-time class.
#include "toolkit/extras/ExtDatePickerHeaderPopupWnd.h"

IMPLEMENT_DYNCREATE(CExtDatePickerHeaderPopupWnd, CWnd)

CExtDatePickerHeaderPopupWnd::CExtDatePickerHeaderPopupWnd() {}

CExtDatePickerHeaderPopupWnd::~CExtDatePickerHeaderPopupWnd() {}
