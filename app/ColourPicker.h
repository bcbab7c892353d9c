// CColourPicker: an owner-drawn button showing a colour swatch with a drop-down arrow; a click
// opens a CColourPopup below it, whose result the picker takes and tells its parent.
//
// Notifications (to the picker from its popup, and from the picker to its parent, with the colour
// in wParam; to the parent the control id in lParam): CPN_SELCHANGE while the choice changes,
// CPN_DROPDOWN when the popup opens, CPN_CLOSEUP when it closes, then CPN_SELENDOK or
// CPN_SELENDCANCEL.
#pragma once
#include "platform/Controls.h"

#define CPN_SELCHANGE    (WM_USER + 1001) // 2025
#define CPN_DROPDOWN     (WM_USER + 1002) // 2026
#define CPN_CLOSEUP      (WM_USER + 1003) // 2027
#define CPN_SELENDOK     (WM_USER + 1004) // 2028
#define CPN_SELENDCANCEL (WM_USER + 1005) // 2029

class CColourPicker : public CButton
{
    DECLARE_DYNCREATE(CColourPicker)
public:
    // What the popup's choice sets.
    enum ESelectionMode
    {
        kModeText = 1,       // the text colour
        kModeBackground = 2, // the background (swatch) colour
    };

    CColourPicker();
    ~CColourPicker() override;

    // The text colour in text mode, else the background colour.
    COLORREF GetColour() const;
    void SetColour(COLORREF crColour, BOOL bRepaint = TRUE);
    void SetTextColour(COLORREF crColour, BOOL bRepaint = TRUE);
    COLORREF GetBkColour() const { return m_crColourBk; }
    COLORREF GetTextColour() const { return m_crColourText; }
    void SetSelectionMode(int nMode) { m_nSelectionMode = nMode; }
    int GetSelectionMode() const { return m_nSelectionMode; }
    // 1: colours are applied while the mouse moves over the popup; 0: only when it ends.
    void SetTrackSelection(BOOL bTrack) { m_bTrackSelection = bTrack; }
    void SetDefaultText(LPCTSTR lpszText) { m_strDefaultText = lpszText ? lpszText : L""; }
    void SetCustomText(LPCTSTR lpszText) { m_strCustomText = lpszText ? lpszText : L""; }
    BOOL IsPopupActive() const { return m_bActive; }
    const CRect& GetArrowRect() const { return m_rcArrow; }

    // The size of the arrow: the largest of the thumb sizes and five edges.
    static int GetArrowSize();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;
    // Keeps the position; width max(2 x (arrow + edge), current), height arrow + 2 edges.
    void SetWindowSize();
    // The chosen colour goes to the text or the background by the mode.
    void SetSelected(COLORREF crColour);
    void NotifyParent(UINT nMessage, COLORREF crColour);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnClicked();
    afx_msg LRESULT OnSelEndOK(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSelEndCancel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSelChange(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    COLORREF m_crColourBk;
    COLORREF m_crColourText;
    int m_nSelectionMode; // ESelectionMode
    BOOL m_bTrackSelection;
    BOOL m_bActive; // the popup is open
    CRect m_rcArrow;
    CString m_strDefaultText; // "Automatic"
    CString m_strCustomText;  // "More Colours..."
};
