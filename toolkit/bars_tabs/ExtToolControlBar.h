// Stand-in: class record and the members read so far.
// CExtToolControlBar: the toolkit's tool bar; so far its flags, buttons, menu-tracking statics and the record of
// its button-group backgrounds.
#pragma once
#include "platform/Collections.h"
#include "platform/Geometry.h"
#include "toolkit/docking/ExtControlBar.h"

class CDC;
class CExtBarButton;
class CWnd;

class CExtToolControlBar : public CExtControlBar
{
    DECLARE_DYNCREATE(CExtToolControlBar)
public:
    // Bar flags.
    enum : BYTE
    {
        kBarFlagPanelsMenu = 0x01, // the chevron's popup also offers the frame's show/hide menu of bars
        kBarFlagPanelMode = 0x02,  // set only by the panel bar: no chevron, no wrapping, no menu tracking
        kBarFlagBit2 = 0x04        // clear from construction; the Office 2003 band gradient where no dock bar decides
    };

    // The button-group rectangles of the tool bar holding a child window, painted behind the child.
    class GroupBkgndRects
    {
    public:
        GroupBkgndRects();
        ~GroupBkgndRects();
        // Finds the tool bar holding pChild and its group rectangles; false when there are none.
        bool Collect(CWnd* pChild);
        // Paints each collected rectangle visible in the DC.
        void Paint(CDC& dc);

        CArray<CRect, const CRect&> m_arrRects;
        CArray<int, int> m_arrButtonIndices;
        CExtToolControlBar* m_pToolBar = nullptr; // not owned
        CWnd* m_pChild = nullptr;                 // not owned
    };

    CExtToolControlBar();
    ~CExtToolControlBar() override;

    // ---- menu tracking --------------------------------------------------------------------------
    // A tool bar or the menu bar drives the open popup menus.
    static bool g_bMenuTracking;
    // Clears the flag and cancels the open popup menu.
    static void CloseTrackingMenus();
    // The button at nIndex; null outside the buttons.
    CExtBarButton* GetButtonPtr(int nIndex) const;
    int GetButtonsCount() const { return (int)m_buttons.GetSize(); }
    int m_nBtnIdxMenuTracking = -1;                   // button whose menu is open; -1 none
    CArray<CExtBarButton*, CExtBarButton*> m_buttons; // not owned here

    BYTE m_nBarFlags;

    // ---- control bar answers of a tool bar ------------------------------------------------------
    bool IsLiveDragMode() const override;
    bool IsDockTargetBar() const override;
    bool IsMarkerDockingAllowed() const override;
    OuterRowPlacement_t* GetOuterRowPlacement() override;
    void SetOuterRowPlacement(const OuterRowPlacement_t& placement) override;

    OuterRowPlacement_t m_outerRowPlacement;

    // "CExtToolControlBar::g_nMsgContinueTrackMenu": a button opens its drop-down menu (LPARAM
    // non-zero: with the first item selected) and answers 1.
    static const UINT g_nMsgContinueTrackMenu;
};
