// CExtPopupMenuTipWnd: the balloon tip a popup menu shows for a hovered item: a rounded body with
// a tail, the system information icon and the item's tip text.
#pragma once
#include "platform/String.h"
#include "toolkit/menus_dialogs/ExtPopupBaseWnd.h"

class CExtPopupMenuTipWnd : public CExtPopupBaseWnd
{
    DECLARE_DYNCREATE(CExtPopupMenuTipWnd)
public:
    enum : BYTE
    {
        TIP_FLAG_FLIP_RIGHT = 0x01, // the balloon lies right of the point
        TIP_FLAG_FLIP_BELOW = 0x02, // the balloon lies below the point
    };
    enum : UINT
    {
        TIP_DELAY_MS = 1000,
    };
    enum : int
    {
        TAIL_HEIGHT = 25,
        MARGIN_X = 12,
        MARGIN_Y = 10,
        ICON_GAP = 5,
    };

    CExtPopupMenuTipWnd();
    ~CExtPopupMenuTipWnd() override;

    void PaintMenu(CDC& dc, bool bUseBackBuffer) override;

    // Null means empty; white space at both ends is removed.
    void SetText(LPCTSTR lpszText);
    const CString& GetText() const { return m_sText; }
    bool ShowTip(CWnd* pWndParent, const CRect& rcItemScreen);
    void HideTip();
    BYTE GetFlags() const { return m_nTipFlags; }

    // ---- fields, in order --------------------------------------------------------------------------
    int m_nIconWidth;
    int m_nIconHeight;
    HICON m_hIcon; // the shared system icon: never destroyed
    CString m_sText;
    BYTE m_nTipFlags; // TIP_FLAG_...
    CRect m_rcItem;   // item rectangle the tip speaks of (screen)

protected:
    // Lays the balloon out on the DC: its size and region (window coordinates).
    CSize CalcLayout(CDC& dc, CRgn& rgn, const CPoint& ptTail);
    CRect m_rcBody; // body rectangle in window coordinates
};
