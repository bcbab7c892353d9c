// CExtMenuControlBar: a tool bar whose buttons are the top-level items of a menu, in place of the frame's native
// menu line. Sources: ExtMenuControlBar.cpp (menus, buttons, MDI buttons, timers, layout),
// ExtMenuControlBarHooks.cpp (the frame, MDI client and MDI child hooks, moving between top-level menus, system
// menus), ExtMenuControlBarKeys.cpp (the keyboard: Alt, arrows, mnemonics, flat tracking).
//
// On creation the bar takes the frame's menu and hooks the frame (and in an MDI frame the MDI client and the active
// child, or in dialog mode its parent). Keys reach TranslateMainFrameKeyboard from the frame hook (the frame's own
// messages), from the frame's key offering (PreTranslateFrameKey: keys of windows inside the frame) or, in dialog
// mode, from PreTranslateMessage. Opening an item's menu goes through a posted g_nMsgTrackButtonMenu, whose handler
// either opens the popup at once (a popup is already open) or makes the item hot in flat tracking.
#pragma once
#include "platform/String.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtHookSink.h"

struct MdiRightButtonInfo;

class CExtMenuControlBar : public CExtToolControlBar, public CExtHookSink
{
    DECLARE_DYNCREATE(CExtMenuControlBar)
public:
    // Tracking flags (m_nTrackingFlags).
    enum : BYTE
    {
        kTrackFlat = 0x01,      // keyboard navigation: one item hot, no popup open
        kTrackSystemMenu = 0x02 // a system menu (of the frame or an MDI child) is open from the bar
    };
    // Option and state flags (m_nOptionFlags).
    enum : BYTE
    {
        kOptMdiMode = 0x01,
        kOptWrapRows = 0x02,       // further rows instead of a chevron
        kOptRehookPending = 0x04,  // timer 13 posted
        kOptRebuildPending = 0x08, // timer 14 posted
        kOptSelectFirst = 0x10,    // a popup opened from the keyboard selects its first item
        kOptFrameSysMenu = 0x20,   // the frame's system menu may be shown from the bar
        kOptChildSysMenu = 0x40,   // an MDI child's system menu may be shown from the bar
        kOptDefault = 0x72
    };
    enum : UINT_PTR
    {
        kTimerRehook = 13,     // posted: re-hook the active MDI child
        kTimerRebuild = 14,    // posted: rebuild the buttons
        kTimerFindClient = 15, // 10 ms: look for the MDI client created after the bar
    };
    enum : UINT
    {
        kFindClientPeriod = 10,
        kAllocatedCmdFlag = 0x40, // commands a build allocated for popup items
    };

    CExtMenuControlBar();
    ~CExtMenuControlBar() override;

    // ---- statics -----------------------------------------------------------------------------------
    // A popup announced its expansion; cleared when a system menu opens.
    static bool g_bMenuExpanded;
    // The next release of Alt does not activate the bar.
    static bool g_bAltConsumed;
    static CSize g_sizeDefaultMenuButton; // 23 x 20
    // Posted to the bar when a popup menu closed; handled once the closing is over.
    static const UINT g_nMsgRefreshHover;

    // ---- menus ---------------------------------------------------------------------------------------
    const CString& GetMdiWindowPopupName() const { return m_sMdiWindowPopupName; }

    // ---- the menu bar's own virtual operations, in slot order ----------------------------------------
    virtual bool QueryMdiRightButtonInfo(MdiRightButtonInfo& info);
    virtual void SyncFlatTrackingHighlight(bool bRepaint = true);
    virtual bool IsMdiMode() const;
    // Builds a button per top-level item of the current menu; false when an item cannot be read or a command not
    // allocated (the buttons built so far stay).
    virtual bool RebuildButtons(bool bLayout = true);
    // The document menu when one is held, else the frame menu, else null.
    virtual HMENU GetCurrentMenu() const;
    virtual HWND GetActiveMdiChild(bool* pbMaximized = nullptr) const;
    virtual bool SyncMdiButtons(bool bLayout = true);
    virtual void RehookActiveMdiChild();
    virtual bool TrackWindowSystemMenu(HWND hWnd, const POINT* pPtScreen, bool bSelectFirst,
                                       const RECT* pRcExclude = nullptr, int nPlacement = -1, bool bFromBar = false);
    virtual void HookMdiClient(HWND hWndClient);
    virtual void PostRehookRequest();
    virtual void PostRebuildRequest();
    // The text is stored trimmed and without "&"; the popup item with that title lists the MDI windows.
    virtual void SetMdiWindowPopupName(LPCTSTR lpszName);
    // Loads the menu resource and rebuilds the buttons; on failure the held menus and buttons stay.
    virtual bool LoadMenuBar(UINT nResourceID);
    virtual bool TranslateMainFrameKeyboard(MSG* pMsg);
    virtual bool TrackFrameSystemMenu(const POINT* pPtScreen, bool bSelectFirst);
    virtual bool TrackChildSystemMenu(const POINT* pPtScreen, bool bSelectFirst);
    virtual void RemoveFrameMenu();
    virtual bool AllowMdiButtons() const;

    // ---- overrides ---------------------------------------------------------------------------------------
    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL PreTranslateFrameKey(MSG* pMsg) override;
    void RequestFrameLayout() override;
    void NotifyDragStart() override;
    void NotifyDragEnd(InternalDraggingState_t& shown, InternalDraggingState_t& computed, bool bCancel) override;
    bool ProcessMouseMove(UINT nFlags, CPoint ptClient) override;
    CExtBarContentExpandButton* OnCreateBarRightBtn() override;
    bool TrackButtonMenu(int nIndex, bool bSelectAny = false, bool bDelayed = false, bool bKeyboard = false) override;
    void RecalcButtonPositions() override;
    CSize GetDefaultButtonSize() const override;
    bool IsRightButtonDisplayed() const override;
    bool IsFullRowBar() const override;
    bool OnHookWndMsg(LRESULT& lResult, HWND hWndHooked, UINT nMessage, WPARAM& wParam, LPARAM& lParam) override;

    // ---- helpers -------------------------------------------------------------------------------------------
    // The frame the bar works for (its docking frame); null in dialog mode.
    CFrameWnd* GetMenuFrame() const;
    // The MDI client: the platform MDI frame's, else the frame's child whose class name holds "mdiclient".
    HWND FindMdiClient() const;
    bool IsFlatTracking() const { return (m_nTrackingFlags & kTrackFlat) != 0; }
    int GetFlatTrackingIndex() const { return m_nFlatTrackingIndex; }
    // Starts or ends flat tracking on an item.
    void SetFlatTracking(bool bOn, int nIndex = -1);
    // Whether the document menu slot holds the menu handed over by WM_MDISETMENU.
    HMENU GetDocumentMenu() const { return m_hMenuDoc; }
    HMENU GetFrameMenu() const { return m_hMenuFrame; }

    // ---- fields --------------------------------------------------------------------------------------------
    UINT m_nMdiDocButtonCmdID;     // allocated on first need; 0 none
    HWND m_hWndHooked;             // the active MDI child, or in dialog mode the parent
    CString m_sMdiWindowPopupName; // trimmed, without "&"
    BYTE m_nTrackingFlags;         // kTrack*
    int m_nFlatTrackingIndex;      // hot item in flat tracking; -1 none
    int m_nOldTrackingIndex;       // the previous hot item; -1 none
    HMENU m_hMenuFrame;            // taken from the frame (the frame's) or loaded (owned: m_bOwnFrameMenu)
    HMENU m_hMenuDoc;              // handed over by WM_MDISETMENU; never owned
    BYTE m_nOptionFlags;           // kOpt*
    bool m_bOwnFrameMenu;          // m_menuFrame was loaded by LoadMenuBar
    bool m_bFrameDestroyed;        // the frame's WM_DESTROY passed: its menu is left alone
    HWND m_hWndMdiClient;          // the hooked MDI client; null none

protected:
    // Message helpers of the hook (ExtMenuControlBarHooks.cpp).
    bool OnHookFrameMsg(LRESULT& lResult, UINT nMessage, WPARAM& wParam, LPARAM& lParam);
    bool OnHookChildMsg(LRESULT& lResult, UINT nMessage, WPARAM& wParam, LPARAM& lParam);
    bool OnHookClientMsg(LRESULT& lResult, UINT nMessage, WPARAM& wParam, LPARAM& lParam);
    bool OnPopupNextPrev(bool bNext);
    // After a popup closed and no menu tracks: the hover look the tracking left is dropped and the
    // button under the pointer, if any, hovered anew (the bar holds no capture while a popup shows,
    // so it would not see the pointer leave).
    void RefreshHoverAfterMenu();
    // Ends flat tracking and the tool bars' menu tracking, and releases the capture.
    void CancelAllTracking();
    // Whether the frame or its top-level ancestor is (an ancestor of) the foreground window.
    bool IsFrameForeground() const;
    // Detaches the frame menu slot, destroying the menu only when the bar loaded it.
    void ReleaseFrameMenu();
    bool TakeFrameMenu();
    bool IsButtonMdiDoc(int nIndex) const;
    bool IsButtonMdiRight(int nIndex) const;
    // Keys (ExtMenuControlBarKeys.cpp). bAfterKey: a release as WM_KEYUP, which follows another key pressed with Alt.
    bool TranslateAltAlone(bool bDown, bool bAfterKey);
    bool TranslateSystemKey(MSG* pMsg, bool bUp);
    bool TranslateFlatKey(UINT nVirtKey, bool bUp);
    bool TranslateCharKey(MSG* pMsg, bool bAlt);
    // The frame's other visible tool bars (or sibling tool bars without dock site) holding a button for the
    // mnemonic; fills the bar and its button index.
    bool FindMnemonicElsewhere(wchar_t ch, CExtToolControlBar*& pBar, int& nIndex) const;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMenuTrackButtonMenu(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRefreshHover(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
