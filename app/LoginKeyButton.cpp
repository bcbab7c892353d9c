// CLoginKeyButton: the paint font of a keypad key.
#include "app/LoginKeyButton.h"

HFONT CLoginKeyButton::QueryPaintFont() const
{
    HFONT hFont = GetSafeHwnd() != nullptr ? (HFONT)::SendMessageW(m_hWnd, WM_GETFONT, 0, 0) : nullptr;
    return hFont != nullptr ? hFont : CExtButton::QueryPaintFont();
}
