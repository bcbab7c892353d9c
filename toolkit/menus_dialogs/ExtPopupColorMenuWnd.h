// CExtPopupColorMenuWnd: a popup menu without items that shows a grid of 40 named colours with an
// optional "Default Color" button above it and a "Custom Color ..." button below it; it posts the
// colour under the mouse or the keyboard while it moves and the chosen one when it closes.
#pragma once
#include "platform/String.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

class CExtPopupColorMenuWnd : public CExtPopupMenuWnd
{
    DECLARE_DYNCREATE(CExtPopupColorMenuWnd)
public:
    // Bits of m_dwButtons.
    enum : DWORD
    {
        BUTTON_DEFAULT = 0x1,
        BUTTON_CUSTOM = 0x2,
    };
    // Hot-element codes besides the cell indices 0..39.
    enum : int
    {
        HOT_NONE = -1,
        HOT_DEFAULT_BUTTON = -4,
        HOT_CUSTOM_BUTTON = -5,
    };
    enum : int
    {
        COLOR_COUNT = 40,
        GRID_COLUMNS = 8,
        GRID_ROWS = 5,
        CELL_SIZE = 20, // a cell of the grid
        CELL_INSET = 2, // the cell's button square inside the cell
        MIN_BUTTON_HEIGHT = 22,
        BUTTON_INSET = 3,        // the buttons inside the border
        SWATCH_FRAME_COLOR = 21, // translated colour of the swatch frames
    };
    enum : UINT
    {
        IDS_CUSTOM_COLOR = 30010,
        IDS_DEFAULT_COLOR = 30011,
    };
    // What a final custom-button choice stores through m_pColorResult.
    static const COLORREF CUSTOM_COLOR_RESULT;

    // ---- the process-wide colour table -----------------------------------------------------------
    static COLORREF GetTableColor(int nIndex);
    // Fixed English names; "Pale green " keeps its trailing blank.
    static LPCTSTR GetTableColorName(int nIndex);
    // The first table entry of the colour, -1 when none.
    static int FindTableColor(COLORREF clr);

    // ---- registered messages (WPARAM the colour, LPARAM m_nNotifyCookie) -------------------------
    static const UINT g_nMsgNotifyColorChanged;
    static const UINT g_nMsgNotifyColorChangedFinally;
    static const UINT g_nMsgNotifyCustColor; // WPARAM 0

    CExtPopupColorMenuWnd();
    ~CExtPopupColorMenuWnd() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // ---- overrides ---------------------------------------------------------------------------------
    void PaintMenu(CDC& dc, bool bUseBackBuffer) override;
    bool CreatePopupWindow(CWnd* pWndParent) override;
    int ItemHitTest(const CPoint& ptClient, bool* pbInEditArea = nullptr, bool* pbOnEditArrow = nullptr) override;
    bool HandleMouseMove(UINT message, int x, int y, bool& bPassOn) override;
    bool HandleMouseClick(UINT message, int x, int y, bool& bPassOn) override;
    bool HandleKey(UINT nChar, UINT nRepCnt, UINT nFlags, bool& bPassOn) override;
    bool CanShowAsSubMenu() const override;
    void CalcWindowSize(CSize& size) const override;

    // ---- answers -----------------------------------------------------------------------------------
    // Client rectangle of a cell's button square (16 x 16 in its 20 x 20 cell).
    CRect GetCellRect(int nIndex) const;
    // A cell index, HOT_DEFAULT_BUTTON, HOT_CUSTOM_BUTTON or HOT_NONE at a client point.
    int HitTestColor(const CPoint& ptClient) const;
    int GetHotElement() const { return m_nHotElement; }
    int GetSelectedCell() const { return m_nSelectedCell; }
    const CRect& GetDefaultButtonRect() const { return m_rcDefaultButton; }
    const CRect& GetCustomButtonRect() const { return m_rcCustomButton; }
    // Posts the notification of the hot element (nothing while one runs).
    void NotifyColorChanged(bool bFinal);

    // ---- fields, in order --------------------------------------------------------------------------
    HWND m_hNotifyWnd;              // null: the command receiver
    LPARAM m_nNotifyCookie;         // LPARAM of every notification (pointer-sized)
    COLORREF* m_pColorResult;       // receives the final colour, or CUSTOM_COLOR_RESULT; not owned
    COLORREF m_clrDefaultButton;    // what the default button reports
    COLORREF m_clrInitialSelection; // shown selected when the menu opens; -1 none
    DWORD m_dwButtons;              // BUTTON_...
    CString m_sDefaultText;
    CString m_sCustomText;

protected:
    // Height of a button for its text (at least MIN_BUTTON_HEIGHT) and the text's width.
    static CSize MeasureButtonText(const CString& sText);
    void PaintButtonPart(CDC& dc, const CRect& rc, const CString& sText, bool bHot);
    // Offset of the grid below the default button.
    int GridTopOffset() const;
    // Moves the hot cell by an arrow key.
    static int CellAfterArrow(int nHot, UINT nChar);

    mutable CRect m_rcDefaultButton; // client coordinates; computed by the measurement
    mutable CRect m_rcCustomButton;
    int m_nHotElement;   // cell, HOT_DEFAULT_BUTTON, HOT_CUSTOM_BUTTON or HOT_NONE
    int m_nSelectedCell; // cell of m_clrInitialSelection, -1 none
    bool m_bNotifying : 1;
};
