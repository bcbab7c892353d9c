// CExtBarNcAreaButtonMenu: the menu button in a control bar's caption.
#pragma once
#include "toolkit/docking/ExtBarNcAreaButton.h"

class CExtBarNcAreaButtonMenu : public CExtBarNcAreaButton
{
    DECLARE_DYNAMIC(CExtBarNcAreaButtonMenu)
public:
    explicit CExtBarNcAreaButtonMenu(CExtControlBar* pBar = nullptr);
    ~CExtBarNcAreaButtonMenu() override;
};
