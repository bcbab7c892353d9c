// CExtEdit: the toolkit's edit: a CExtEditBase whose non-client border the paint manager draws,
// changing when the mouse is over the control (a polling timer) or it has the focus.
#pragma once
#include "toolkit/menus_dialogs/ExtEditBase.h"

class CExtEdit : public CExtEditBase
{
    DECLARE_DYNCREATE(CExtEdit)
public:
    // Bits of m_nEditFlags.
    enum : BYTE
    {
        kEditHover = 0x01, // the mouse is over the control
    };
    enum : UINT_PTR
    {
        ID_TIMER_HOVER = 1,
    };
    enum : UINT
    {
        HOVER_PERIOD = 50,
    };

    CExtEdit();
    ~CExtEdit() override;

    bool IsHovered() const { return (m_nEditFlags & kEditHover) != 0; }

    // ---- overridables ---------------------------------------------------------------------------
    virtual void RedrawBorder();
    // rcBorder in window coordinates; a null DC: the window's own DC.
    virtual void PaintBorder(const CRect& rcBorder, CDC* pDC);
    virtual bool IsEnabled() const;

    BYTE m_nEditFlags; // kEdit...

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnMouseMoveMsg();
    // Timer 1: hover polling; false for other timers.
    bool OnTimerMsg(UINT_PTR nIDEvent);
    void OnNcPaintMsg(WPARAM wParam, LPARAM lParam);
};
