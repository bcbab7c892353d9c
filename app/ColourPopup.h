// CColourPopup: the borderless popup of a CColourPicker: a grid of 40 colours with tips, an
// optional "Automatic" box above it and an optional "More Colours..." box below it that opens
// the system colour dialog. Mouse and keys choose; the result goes to the picker as
// CPN_SELENDOK or CPN_SELENDCANCEL, and the window deletes its own object when it is destroyed.
#pragma once
#include "platform/Gdi.h"
#include "platform/ListCtrl.h"
#include "platform/Wnd.h"

class CColourPicker;
class CDC;

class CColourPopup : public CWnd
{
public:
    // Cell indexes besides 0 .. kColourCount - 1.
    enum : int
    {
        kDefaultBox = -3,
        kCustomBox = -2,
        kNoCell = -1,
    };
    static const int kColourCount = 40;
    static const int kColumns = 8;
    static const int kBoxSize = 24;

    struct ColourTableEntry
    {
        COLORREF crColour;
        LPCWSTR szName; // the cell's tip
    };
    static const ColourTableEntry kColours[kColourCount];

    // Creates the visible popup at the point (screen) for the picker; the texts name the boxes
    // (null or empty: no such box).
    CColourPopup(CPoint p, COLORREF crColour, CColourPicker* pPicker, LPCTSTR szDefaultText = nullptr,
                 LPCTSTR szCustomText = nullptr);
    ~CColourPopup() override;

    BOOL Create(CPoint p, COLORREF crColour, CColourPicker* pPicker, LPCTSTR szDefaultText, LPCTSTR szCustomText);

    // The cell at a client point, or kNoCell.
    int HitTest(CPoint pt) const;
    // The rectangle of a cell or box in client coordinates; false for kNoCell or a missing box.
    bool GetCellRect(int nIndex, CRect& rect) const;
    int GetHotCell() const { return m_nCurrentSel; }
    int GetChosenCell() const { return m_nChosenColourSel; }
    COLORREF GetChosenColour() const { return m_crColour; }
    int GetToolCount() const;
    // The next hot cell for an arrow key, by the grid's order and the two boxes.
    int NextCell(int nFrom, UINT nKey) const;

    // The index of a colour in the table, or kNoCell.
    static int FindColour(COLORREF crColour);

protected:
    void PostNcDestroy() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void SetWindowSize(CPoint p);
    void CreateToolTips();
    void FindCellFromColour(COLORREF crColour);
    void ChangeSelection(int nIndex);
    void EndSelection(UINT nMessage);
    void DrawCell(CDC& dc, int nIndex);
    void InvalidateCell(int nIndex);

    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    DECLARE_MESSAGE_MAP()

    CColourPicker* m_pPicker; // the owner; not owned
    COLORREF m_crInitialColour;
    COLORREF m_crColour;
    int m_nCurrentSel;      // hot cell
    int m_nChosenColourSel; // chosen cell
    int m_nRows;
    int m_nBoxSize;
    int m_nMargin;
    int m_nTextHeight;
    CRect m_rcDefault; // empty without a default box
    CRect m_rcCustom;  // empty without a custom box
    CRect m_rcWindow;
    CString m_strDefaultText;
    CString m_strCustomText;
    CFont m_font;
    CPalette m_palette;
    CToolTipCtrl m_toolTip;
    BOOL m_bChildWindowVisible; // the colour dialog is open
    BOOL m_bEnding;
};
