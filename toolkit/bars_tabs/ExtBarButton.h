// CExtBarButton: one item of a tool bar or menu bar: a command button, a separator, a drop-down
// button or a place holder for a child control. Sources: ExtBarButton.cpp (state, command id,
// control, menu), ExtBarButtonPaint.cpp (measuring, painting, drop-down part), ExtBarButtonInput.cpp
// (menu, hover, click, tips, help, command UI).
//
// The bar owns its buttons, lays them out, hit-tests and routes the mouse; a button answers the
// bar's calls: it measures itself with the bar's font in the DC, paints itself through the global
// paint manager, opens its drop-down popup menu and turns a click into a command.
#pragma once
#include "platform/ControlBar.h"
#include "platform/Geometry.h"
#include "platform/Object.h"
#include "platform/String.h"

class CDC;
class CWnd;
class CFrameWnd;
class CCmdTarget;
class CExtCmdIcon;
class CExtCmdItem;
class CExtPopupMenuWnd;
class CExtToolControlBar;

class CExtBarButton : public CObject
{
    DECLARE_DYNCREATE(CExtBarButton)
public:
    enum : UINT
    {
        kStyleSeparator = TBBS_SEPARATOR // a button created with command id 0 is a separator
    };
    // Bits of the first state byte.
    enum : BYTE
    {
        kWrapHorzDocked = 0x01, // wrap after this button, docked horizontally
        kWrapVertDocked = 0x02, // wrap after this button, docked vertically
        kWrapFloating = 0x04,   // wrap after this button, floating
        kVisible = 0x08,        // layout-visible (not behind the chevron)
        kHover = 0x10,
        kCtrlSelfDestroying = 0x20, // the attached control deletes itself
        kVertDocked = 0x40,         // the bar is docked vertically
        kMenuPopupFlag = 0x80       // passed with the attached menu to the popup's fill
    };
    // Bits of the second state byte.
    enum : BYTE
    {
        kOwnMenu = 0x01,           // the button destroys its attached menu
        kMdiWindowsList = 0x02,    // the MDI windows list follows the drop-down menu
        kSplitDropDown = 0x04,     // the drop-down arrow is a part with its own hit area
        kAdoptPickedCmd = 0x08,    // the command picked in the drop-down becomes the button's command
        kPressedOnDropDown = 0x10, // the last press fell on the drop-down part
        kKeepHorizontal = 0x20,    // measured and painted horizontally in a vertical bar
        kCtrlShownVert = 0x40,     // the attached control stays shown in a vertical bar
        kMenuTracked = 0x80        // the bar has this button's drop-down menu open
    };

    explicit CExtBarButton(CExtToolControlBar* pBar = nullptr, UINT nCmdID = 0, UINT nStyle = 0);
    // Destroys the owned menu and releases the attached control as SetCtrl(nullptr) does.
    ~CExtBarButton() override;

    // The bar holding the button; null for a detached button.
    CExtToolControlBar* GetBar() const { return m_pBar; }
    void SetBar(CExtToolControlBar* pBar) { m_pBar = pBar; }
    // The button's index in its bar's array; -1 when the bar does not hold it (any more).
    int GetIndexInBar() const;
    // A number no other button of the process had or will have: after a loop that may have deleted this
    // button, CExtToolControlBar::HoldsButton tells it apart from a new one made at the same address.
    UINT GetSerial() const { return m_nSerial; }
    // Whether the command item of the effective id exists in the profile of the bar's window.
    bool HasCmdItem() const;

    // ---- virtual operations, in slot order ----------------------------------------------------
    void Serialize(CArchive& ar) override;
    // Brings the attached control's show state, enable state and check state in line.
    virtual void SyncCtrlWindow();
    // False for a separator or without bar; else the bar's answer.
    virtual bool IsLargeIcons() const;
    virtual bool IsShowTips() const;
    virtual bool IsShowTipAccelerators() const;
    virtual UINT GetCmdID(bool bEffective = true) const;
    // Id 0 (unless only the effective id changes) makes the button a separator; with bRelayout a
    // changed effective id re-lays out the bar's frame.
    virtual void SetCmdID(UINT nCmdID, bool bEffectiveOnly = false, bool bRelayout = false);
    virtual bool IsSplitDropDown() const;
    virtual void SetSplitDropDown(bool bOn = true);
    virtual bool IsAdoptPickedCmd() const;
    virtual void SetAdoptPickedCmd(bool bOn = true);
    virtual bool IsKeepHorizontal() const;
    virtual void SetKeepHorizontal(bool bOn = true);
    virtual bool IsCtrlShownVert() const;
    virtual void SetCtrlShownVert(bool bOn = true);
    virtual CWnd* GetCtrl() const;
    // Replaces the attached control; the old one is destroyed and (unless self-destroying) deleted.
    // Setting the attached control again changes only the self-destroying bit.
    virtual void SetCtrl(CWnd* pCtrl, bool bSelfDestroying = false);
    virtual UINT GetStyle() const;
    virtual void SetStyle(UINT nStyle);
    virtual void ModifyStyle(UINT nAdd, UINT nRemove = 0);
    virtual void SetMenuTracked();
    virtual void ClearMenuTracked();
    virtual bool IsMenuTracked() const;
    virtual void SetVertDocked(bool bOn = true);
    // nLayout: 0 docked horizontally, 1 docked vertically, anything else floating.
    virtual bool IsWrap(int nLayout) const;
    virtual void SetWrap(int nLayout, bool bOn = true);
    virtual bool IsSeparator() const;
    virtual bool IsDisabled() const;
    virtual bool IsIndeterminate() const;
    virtual bool IsPressed() const;
    virtual void SetVisible(bool bOn = true);
    virtual bool IsVisible() const;
    virtual void SetHover(bool bOn = true);
    virtual bool IsHover() const;
    // The command item's tool-bar text cut before its first TAB; empty for a separator.
    virtual CString GetText() const;
    virtual void SetRect(const RECT& rc);
    // The button's place in the bar's client area.
    virtual CRect GetRect() const;
    virtual CRect GetDropDownRect() const;
    virtual CSize GetSize() const;
    // Replaces the attached menu; setting the held menu again changes only the flags.
    virtual void SetMenu(HMENU hMenu, bool bPopupMenu = true, bool bOwnMenu = true);
    virtual HMENU GetMenu() const;
    virtual void SetMdiWindowsListAppended(bool bOn = true);
    virtual bool IsMdiWindowsListAppended() const;
    virtual bool CanTrackMenu() const;
    virtual bool IsMenuButton(int nFlag = 0) const;
    virtual bool IsMenuPopup() const;
    virtual CSize MeasureButton(CDC& dc, CSize sizePreCalc, bool bHorizontal);
    virtual bool PutToPopupMenu(CExtPopupMenuWnd* pPopup);
    virtual CExtCmdIcon* GetIconPtr() const;
    virtual CWnd* GetCmdTargetWnd() const;
    virtual void PaintButton(CDC& dc, bool bHorizontal);
    // Opens the drop-down menu; answers the picked command of an adopting button, 0 when a menu
    // opened or nothing was picked, (UINT)-1 when nothing opened.
    virtual UINT TrackButtonMenu(CPoint point, bool bSelectFirst = false, bool bNoAnimation = false);
    virtual void OnHover(CPoint point, bool bEntering);
    virtual void OnClick(CPoint point, bool bDown);
    virtual void OnDeliverCmd();
    virtual INT_PTR BuildTipText(CPoint point, TOOLINFO* pTI) const;
    virtual int OnHelpHitTest(CPoint point);
    virtual void OnUpdateCmdUI(CWnd* pTarget, BOOL bDisableIfNoHandler, int nIndex);
    virtual bool IsPlainButton() const;
    virtual void RedrawButton(bool bUpdateNow = false);
    virtual UINT GetMenuAlignment() const;
    // True when the button set its own cursor over the point.
    virtual bool OnSetCursor(CPoint point);

protected:
    // The command item of the effective id in the profile of the bar's window; null when none.
    CExtCmdItem* GetCmdItem() const;
    LPCTSTR GetProfileName() const;
    // The status-bar prompt of the effective command, or the idle prompt (0xE001).
    void ShowPrompt(bool bIdle);
    // Whether the attached control is shown in the bar's present layout.
    bool IsCtrlShownInLayout() const;
    // A menu button (asked with flag 0) outside a menu bar: measured with the drop-down part and painted with
    // its arrow. Kinds whose popup is not a command menu answer CanTrackMenu false but still count here.
    bool HasDropDownPart() const;
    // The icon to paint: with large icons a copy scaled to double size made in iconLarge, else the command's own.
    CExtCmdIcon* GetPaintIcon(CExtCmdIcon& iconLarge) const;

    CExtToolControlBar* m_pBar; // not owned
    UINT m_nCmdID;
    UINT m_nEffectiveCmdID;
    UINT m_nStyle;
    CSize m_size;
    CRect m_rc;
    BYTE m_bf1;     // first state byte (kWrap..kMenuPopupFlag)
    BYTE m_bf2;     // second state byte (kOwnMenu..kMenuTracked)
    CWnd* m_pCtrl;  // owned unless kCtrlSelfDestroying
    HMENU m_hMenu;  // owned when kOwnMenu
    UINT m_nSerial; // given at construction, never reused
};
