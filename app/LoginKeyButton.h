// CLoginKeyButton: a themed key of the login dialog's keypad, painted in the font set on it
// (themed buttons otherwise paint in their dialog's font).
#pragma once
#include "toolkit/menus_dialogs/ExtButton.h"

class CLoginKeyButton : public CExtButton
{
public:
    // The button's own font, or the dialog's when none is set.
    HFONT QueryPaintFont() const override;
};
