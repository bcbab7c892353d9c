// CExtDynAutoHideSlider: class record.
#include "toolkit/bars_tabs/ExtDynAutoHideSlider.h"

IMPLEMENT_DYNCREATE(CExtDynAutoHideSlider, CWnd)

CExtDynAutoHideSlider::CExtDynAutoHideSlider() {}

CExtDynAutoHideSlider::~CExtDynAutoHideSlider() {}
