// The colour test host: a window with a dialog colour button whose custom colour opens the toolkit colour dialog,
// and a colour control whose mode a combo box switches. The tests drive it; it also shows the pieces to people.
#pragma once
#include "platform/Wnd.h"
#include "toolkit/extras/ExtColorCtrl.h"
#include "toolkit/menus_dialogs/ExtColorButton.h"
#include "toolkit/menus_dialogs/ExtComboBox.h"
#include <vector>

class CColorTestHost : public CWnd
{
public:
    enum : UINT
    {
        kIdButton = 0x101,
        kIdCombo = 0x102,
        kIdCtrl = 0x103,
    };
    CColorTestHost() : m_wndCtrl(0) {}
    bool CreateHost(const RECT& rc);

    CExtColorButton m_btnColor;
    CExtComboBox m_comboMode;
    CExtColorCtrl m_wndCtrl;
    std::vector<COLORREF> m_finalColors; // the button's final notifications

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The combo's choice becomes the control's mode.
    void OnModeChosen();
};
