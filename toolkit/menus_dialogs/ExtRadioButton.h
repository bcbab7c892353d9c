// CExtRadioButton: a themed radio button with group handling by click and arrow keys.
#pragma once
#include "toolkit/menus_dialogs/ExtCheckBox.h"

class CExtRadioButton : public CExtCheckBox
{
    DECLARE_DYNCREATE(CExtRadioButton)
public:
    CExtRadioButton();

    void OnClick(bool bFromKeyboard, bool bOnDropDownPart) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PaintBox(CDC& dc, CRect& rcBox, CExtPaintManager::PushButtonPaintData& data) override;

    // The next radio of the dialog group that is visible and enabled, walking forward or backward;
    // null when there is none. The walk ends after as many steps as the parent has children or
    // when a window repeats, whether or not it returns to this radio.
    CExtRadioButton* FindGroupRadio(bool bForward) const;
    // Unchecks the other checked radios of the group; answers how many it unchecked.
    int UncheckGroupOthers();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    static bool IsRadioWindow(HWND hWnd, CExtRadioButton** ppRadio);
};
