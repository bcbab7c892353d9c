// CExtBarContentExpandButton: the chevron at the end of a tool bar; its popup menu holds the buttons
// that do not fit and, for bars docked in a frame, the frame's show/hide menu of bars.
#pragma once
#include "platform/Collections.h"
#include "toolkit/bars_tabs/ExtBarButton.h"

class CExtBarContentExpandButton : public CExtBarButton
{
    DECLARE_DYNCREATE(CExtBarContentExpandButton)
public:
    enum : UINT
    {
        kCmdId = (UINT)-66,        // the chevron's command id
        kTipCmdId = 0xE001,        // id of the chevron's tool tip
        kIdsTip = 30045,           // string: the chevron's tip
        kIdsShowHidePanels = 30009 // string: the show/hide sub-menu's text
    };
    enum : int
    {
        kExtent = 11 // width (horizontal) or height (vertical) of the chevron
    };

    explicit CExtBarContentExpandButton(CExtToolControlBar* pBar = nullptr);
    ~CExtBarContentExpandButton() override;

    // ---- hidden buttons (not owned; filled by the bar's layout; null entries are group breaks) --
    int GetButtonsCount() const { return (int)m_buttons.GetSize(); }
    CExtBarButton* GetButton(int nIndex) const;
    void AddButton(CExtBarButton* pButton) { m_buttons.Add(pButton); }
    void RemoveAllButtons() { m_buttons.RemoveAll(); }
    // Takes every entry of pButton out of the list (and the group breaks left doubled or at an end).
    void RemoveButton(const CExtBarButton* pButton);
    // Whether a real (non-null) button is in the list.
    bool HasHiddenButtons() const;

    // ---- overrides of the bar button -----------------------------------------------------------
    CSize MeasureButton(CDC& dc, CSize sizePreCalc, bool bHorizontal) override;
    bool PutToPopupMenu(CExtPopupMenuWnd* pPopup) override;
    bool IsPlainButton() const override;
    void PaintButton(CDC& dc, bool bHorizontal) override;
    UINT TrackButtonMenu(CPoint point, bool bSelectFirst = false, bool bNoAnimation = false) override;
    void OnClick(CPoint point, bool bDown) override;
    INT_PTR BuildTipText(CPoint point, TOOLINFO* pTI) const override;

    CArray<CExtBarButton*, CExtBarButton*> m_buttons; // not owned
};
