// Shared pieces of the colour control and colour dialog tests: a shown host window that records the control's
// notifications, real mouse input, and models painted into DIBs.
#pragma once
#include "platform/Wnd.h"
#include "support/DibCanvas.h"
#include "toolkit/extras/ExtColorCtrl.h"
#include <gtest/gtest.h>
#include <vector>

namespace colortest
{

// One g_nMsgColorChanged as the parent saw it.
struct ColorNote
{
    HWND hWndCtrl;
    COLORREF clrCurrent;
    COLORREF clrPrev;
};

// A visible, foreground top-level window that hosts a colour control and records its notifications.
class CColorHost : public CWnd
{
public:
    std::vector<ColorNote> m_notes;
    bool CreateHost(const RECT& rc = CRect(60, 60, 460, 460));

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Creates the control as a child of the host at rc (client coordinates), id 100.
bool CreateControl(CExtColorCtrl& ctrl, CWnd* pParent, const RECT& rc, int nMode);
// Real input from an input script at client points of the window; each returns once the window's thread
// has handled it.
void ClickAt(CWnd* pWnd, CPoint ptClient);
// Press at the first point, move through the others, release at the last.
void DragThrough(CWnd* pWnd, const std::vector<CPoint>& pts);

// A model laid out to cx x cy with the colour, painted on a grey background.
void LayoutModel(CExtColorCtrl::any_picker_data_t& model, int cx, int cy, COLORREF clr);
void PaintModel(CExtColorCtrl::any_picker_data_t& model, DibCanvas& canvas);

} // namespace colortest
