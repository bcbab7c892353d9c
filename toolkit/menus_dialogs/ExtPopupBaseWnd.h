// CExtPopupBaseWnd: the base window of the toolkit's popups.
#pragma once
#include "platform/Wnd.h"

class CExtPopupBaseWnd : public CWnd
{
    DECLARE_DYNCREATE(CExtPopupBaseWnd)
public:
    CExtPopupBaseWnd();
    ~CExtPopupBaseWnd() override;
};
