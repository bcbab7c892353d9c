// CExtPopupMenuWnd: a toolkit popup menu: its item record MENUITEMDATA, the visible-item list of
// painting, the command-UI object of its items, building from Windows menus, item operations, the
// display computation and the geometry. Sources: ExtPopupMenuWnd.cpp (class, reset, answers),
// ExtPopupMenuItemData.cpp (the item record), ExtPopupMenuBuild.cpp (building and item states),
// ExtPopupMenuItems.cpp (item operations and displayed items), ExtPopupMenuGeometry.cpp,
// ExtPopupMenuKeyboard.cpp (keys, access characters, mouse moves); the in-place edit of an item is
// ExtPopupMenuInplaceEdit.h.
#pragma once
#include "platform/CmdTarget.h"
#include "platform/Collections.h"
#include "platform/String.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/menus_dialogs/ExtPopupBaseWnd.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTipWnd.h"

class CExtBarButton;
class CExtCmdItem;
class CExtPopupMenuTrackingSite;
class CMenu;

class CExtPopupMenuWnd : public CExtPopupBaseWnd
{
    DECLARE_DYNCREATE(CExtPopupMenuWnd)
public:
    class CInPlaceEditWnd; // the text field of an edit item (ExtPopupMenuInplaceEdit.h)
    class MENUITEMDATA;

    // Runs instead of the command delivery when it answers true.
    typedef bool (*CommandCallback_t)(CExtPopupMenuWnd* pPopup, MENUITEMDATA& mi);
    // Runs on a click on the item without closing the menu.
    typedef bool (*ActivationCallback_t)(CExtPopupMenuWnd* pPopup, MENUITEMDATA& mi);
    // In-place edit callbacks; every cookie is pointer-sized.
    typedef bool (*EditVerifyCallback_t)(CInPlaceEditWnd& edit, LPVOID pCookie, CString& sTextNew, CString sTextOld);
    typedef void (*EditChangedCallback_t)(CInPlaceEditWnd& edit, LPVOID pCookie, CString& sText);
    typedef bool (*EditWndProcCallback_t)(LRESULT& lResult, UINT message, WPARAM wParam, LPARAM lParam,
                                          CInPlaceEditWnd& edit, LPVOID pCookie);

    // One item of the menu: a command, a separator or a sub-menu. Copied by value; a sub-menu item
    // owns its sub-menu, whose pointer travels with the record.
    class MENUITEMDATA
    {
    public:
        // Bits of m_nFlags.
        enum : BYTE
        {
            kFlagHighlighted = 0x01,
            kFlagDisplayed = 0x02,
            kFlagForceDisplayed = 0x04,
            kFlagCombineWithChild = 0x08,
            kFlagNoIconBox = 0x10,
            kFlagAlwaysEnabled = 0x20,
            kFlagExtraPaint = 0x40,
            kFlagChecked = 0x80,
        };
        // Bits of m_nFlags2.
        enum : BYTE
        {
            kFlag2Radio = 0x01,
            kFlag2Enabled = 0x02,
            kFlag2Indeterminate = 0x04,
            kFlag2Pressed = 0x08,
            kFlag2OwnItem = 0x10,
        };
        // Bits of m_nEditFlags.
        enum : BYTE
        {
            kEditAllowed = 0x01,
            kEditUseOwnText = 0x02,
        };
        enum : int
        {
            CMD_SEPARATOR = 0,
            CMD_POPUP = -1,
            INDEX_NOT_PLACED = -100,
            MIN_ITEM_HEIGHT = 22,
            MIN_ICON_SIZE = 16,
            TEXT_BUFFER_SIZE = 1024,
        };

        MENUITEMDATA();
        MENUITEMDATA(const MENUITEMDATA& other);
        MENUITEMDATA& operator=(const MENUITEMDATA& other);
        ~MENUITEMDATA();
        void AssignFrom(const MENUITEMDATA& other);

        // ---- kind and texts ----------------------------------------------------------------
        int GetCmdID() const { return m_nCmdID; }
        int SetCmdID(int nCmdID);
        bool IsSeparator() const { return m_nCmdID == CMD_SEPARATOR; }
        bool IsPopup() const { return m_nCmdID == CMD_POPUP; }
        bool IsOwnItem() const { return (m_nFlags2 & kFlag2OwnItem) != 0; }
        bool IsInplaceEdit() const { return m_pEditTextTarget != nullptr; }
        // Not a separator, not a sub-menu, no in-place edit.
        bool IsExecutableCmdID() const;
        // Bound to the command manager: a command that is not an own item.
        bool IsBoundCommand() const { return !IsSeparator() && !IsPopup() && !IsOwnItem(); }
        CString GetText() const;
        CString GetAccelText() const;
        // A TAB splits the text: the part after it becomes the accelerator text. Null means empty.
        void SetText(LPCTSTR lpszText);
        void SetAccelText(LPCTSTR lpszText);
        wchar_t GetAccelChar() const { return m_cAccelChar; }
        bool AccelCharIsSet() const { return m_cAccelChar != 0; }
        // The upper-case character after the first '&' that is not the text's last character.
        static wchar_t AccelCharFromText(const CString& sText);
        void UpdateAccelChar() { m_cAccelChar = AccelCharFromText(m_sItemText); }

        // ---- size ------------------------------------------------------------------------------
        int GetMarginLeft() const { return m_nMarginLeft >= 0 ? m_nMarginLeft : 1; }
        int GetMarginTop() const { return m_nMarginTop >= 0 ? m_nMarginTop : 0; }
        int GetMarginRight() const { return m_nMarginRight >= 0 ? m_nMarginRight : 1; }
        int GetMarginBottom() const { return m_nMarginBottom >= 0 ? m_nMarginBottom : 1; }
        int GetMeasuredWidth() const { return m_nWidth; }
        int GetMeasuredHeight() const { return m_nHeight; }
        int GetFullWidth() const { return m_nWidth + GetMarginLeft() + GetMarginRight(); }
        int GetFullHeight() const { return m_nHeight + GetMarginTop() + GetMarginBottom(); }
        int GetIconAreaWidth() const { return m_nIconAreaWidth; }
        bool IsNoIconBox() const { return (m_nFlags & kFlagNoIconBox) != 0; }
        // Measures the item in the paint manager's menu font (text, icon box, width and height).
        void MeasureItem();

        // ---- state bits --------------------------------------------------------------------
        bool IsDisplayed() const { return (m_nFlags & (kFlagDisplayed | kFlagForceDisplayed)) != 0; }
        void SetDisplayed(bool bOn) { SetBit(m_nFlags, kFlagDisplayed, bOn); }
        bool IsForceDisplayed() const { return (m_nFlags & kFlagForceDisplayed) != 0; }
        void SetForceDisplayed(bool bOn) { SetBit(m_nFlags, kFlagForceDisplayed, bOn); }
        bool IsEnabled() const { return (m_nFlags2 & kFlag2Enabled) != 0; }
        void Enable(bool bOn) { SetBit(m_nFlags2, kFlag2Enabled, bOn); }
        bool IsAlwaysEnabled() const { return (m_nFlags & kFlagAlwaysEnabled) != 0; }
        void SetAlwaysEnabled(bool bOn) { SetBit(m_nFlags, kFlagAlwaysEnabled, bOn); }
        bool GetCheck() const { return (m_nFlags & kFlagChecked) != 0; }
        void Check(bool bOn) { SetBit(m_nFlags, kFlagChecked, bOn); }
        bool GetRadio() const { return (m_nFlags2 & kFlag2Radio) != 0; }
        void Radio(bool bOn) { SetBit(m_nFlags2, kFlag2Radio, bOn); }
        bool GetIndeterminate() const { return (m_nFlags2 & kFlag2Indeterminate) != 0; }
        void Indeterminate(bool bOn) { SetBit(m_nFlags2, kFlag2Indeterminate, bOn); }
        static void SetBit(BYTE& nFlags, BYTE nBit, bool bOn)
        {
            nFlags = bOn ? (BYTE)(nFlags | nBit) : (BYTE)(nFlags & ~nBit);
        }

        // ---- command manager ---------------------------------------------------------------
        HWND GetCmdReceiver() const { return m_hWndSpecCmdReceiver; }
        void SetCmdReceiver(HWND hWnd) { m_hWndSpecCmdReceiver = hWnd; }
        // The command of the id in the receiver's profile; null for separators, sub-menus and own items.
        CExtCmdItem* GetCmdItem() const;
        // The own icon, or for a bound command without one the command manager's icon; null when none.
        CExtCmdIcon* GetIcon();
        // Takes the command's id, menu and accelerator texts; false (a separator) for a non-positive id.
        bool LoadFromCmdItem(const CExtCmdItem* pCmdItem, int nIndex);
        // Reads position nPos of hMenu; false when it cannot be read or its command is not registered
        // (the id is stored all the same).
        bool LoadFromMenuItem(HWND hWndCmdReceiver, HMENU hMenu, int nPos);
        CString GetTipText() const;

        // ---- sub-menu ----------------------------------------------------------------------
        CExtPopupMenuWnd* GetPopup() const { return m_pWndChild; }
        // A new empty sub-menu that takes this item's receiver.
        void ConstructPopup();
        // Destroys the sub-menu's window and deletes it; clears the own icon.
        void DestroyPopup();

        // ---- fields, in order --------------------------------------------------------------
        CExtPopupMenuWnd* m_pWndChild; // the sub-menu of a sub-menu item (owned), else null
        int m_nItemIndex;              // position in the popup, INDEX_NOT_PLACED before placing
        int m_nCmdID;                  // 0 separator, -1 sub-menu, else a command
        CString m_sItemText;           // with '&' before the access character
        CString m_sAccelText;
        CExtCmdIcon m_iconPopup; // own icon of own items and sub-menu items
        int m_nWidth;
        int m_nHeight;
        int m_nIconAreaWidth; // width of this item's icon column
        int m_nMarginLeft;    // margins: -1 means the default
        int m_nMarginTop;
        int m_nMarginRight;
        int m_nMarginBottom;
        BYTE m_nFlags;  // kFlag...
        BYTE m_nFlags2; // kFlag2...; bits 5-7 are only carried along
        CommandCallback_t m_pCbCmdDeliver;
        ActivationCallback_t m_pCbItemClick;
        wchar_t m_cAccelChar;
        HWND m_hWndSpecCmdReceiver;
        CInPlaceEditWnd* m_pInplaceEditWnd; // created by the popup window, not owned by the record
        // In-place edit definition: five pointer-sized words and a width; a null target: no edit.
        CString* m_pEditTextTarget;
        EditVerifyCallback_t m_pCbVerifyTextInput;
        EditChangedCallback_t m_pCbPutTextInputResult;
        EditWndProcCallback_t m_pCbInplaceEditWndProc;
        LPVOID m_pInplaceEditCbCookie;
        int m_nInplaceEditWidth;
        BYTE m_nEditFlags; // kEdit...
        CString m_sInplaceEditText;
        WORD m_wReserved; // only carried along
    };

    // One displayed item as painting walks it.
    struct VisibleItemDefinition_t
    {
        enum : DWORD
        {
            VIS_RARELY_USED = 0x01,
            VIS_PREV_RARELY_USED = 0x02,
            VIS_NEXT_RARELY_USED = 0x04,
            VIS_SEPARATOR = 0x08,
            VIS_POPUP = 0x10,
        };
        int m_nIndex = -1;
        DWORD m_dwFlags = 0;
        UINT m_nCmdID = 0;
        CRect m_rcItem;      // outer rectangle, client coordinates
        CRect m_rcItemInner; // less the item's margins
    };
    typedef CArray<VisibleItemDefinition_t, const VisibleItemDefinition_t&> VisibleItemsList_t;

    // The command-UI object by which the command targets set an item's state.
    class CExtPopupMenuCmdUI : public CCmdUI
    {
    public:
        CExtPopupMenuCmdUI(CExtPopupMenuWnd* pPopup, int nItemIndex);
        void Enable(BOOL bOn = TRUE) override;
        void SetCheck(int nCheck = 1) override;
        void SetRadio(BOOL bOn = TRUE) override;
        void SetText(LPCTSTR lpszText) override;

        CExtPopupMenuWnd* m_pPopup; // not owned
    };

    // Track flags (argument of TrackPopupMenu).
    enum : UINT
    {
        TRACK_ALIGN_MASK = 0x000F,
        TRACK_ALIGN_AT_POINT = 0,
        TRACK_ALIGN_RIGHT_OF = 1,
        TRACK_ALIGN_CENTER_HORZ = 2,
        TRACK_ALIGN_LEFT_OF = 3,
        TRACK_ALIGN_BELOW = 4,
        TRACK_ALIGN_CENTER_VERT = 5,
        TRACK_ALIGN_ABOVE = 6,
        TRACK_COMBINE = 0x0010,
        TRACK_COMBINE_DEFAULT = 0x0020,
        TRACK_SELECT_ANY = 0x0040,
        TRACK_DO_MESSAGE_LOOP = 0x0080,
        TRACK_ALL_ITEMS = 0x0100,
        TRACK_NO_CMD_DELIVERY = 0x0200,
        TRACK_NO_UPDATE_CMD_UI = 0x0400,
        TRACK_OWNER_DRAW = 0x0800,
        TRACK_NO_SHADOW = 0x1000,
        TRACK_HELP_MODE = 0x2000,
        TRACK_EMBEDDED = 0x4000,
        TRACK_NO_ANIMATION = 0x8000,
    };
    // Bits of m_nStateFlags; bits 4-7 survive a reset.
    enum : BYTE
    {
        STATE_TOP_LEVEL = 0x01,
        STATE_SCROLLING = 0x02,
        STATE_HAS_HIDDEN_ITEMS = 0x04,
        STATE_EXPANDED = 0x08,
        STATE_RESET_MASK = 0x0F,
        STATE_DESTROYING = 0x10, // its window is being destroyed: nothing closes it again meanwhile
    };
    // Codes that stand for an item index.
    enum : int
    {
        AREA_SCROLL_UP = -2,
        AREA_SCROLL_DOWN = -3,
        AREA_EXPAND = -4,
    };
    // Sides of a popup joined with its owner.
    enum : int
    {
        COMBINE_NONE = 0,
        COMBINE_BELOW = 1,
        COMBINE_ABOVE = 2,
        COMBINE_LEFT_OF = 3,
        COMBINE_RIGHT_OF = 4,
    };
    enum : int
    {
        MIN_CONTENT_WIDTH = 80,
        MIN_ICON_AREA_WIDTH = 22,
        MAX_RECENT_FILES = 16,
        MAX_MDI_WINDOW_ITEMS = 9,
    };
    enum : UINT
    {
        CMD_RECENT_FILE_FIRST = 0xE110,
        CMD_RECENT_FILE_LAST = 0xE11F,
        CMD_MDI_FIRST_CHILD = 0xFF00,
        CMD_MDI_MORE_WINDOWS = 0xFF09,
        IDS_RECENT_FILE_TOOLBAR = 30004,
        IDS_RECENT_FILE_TIP = 30005,
        IDS_MDI_DOCUMENT_TIP = 30006,
        IDS_MDI_MORE_WINDOWS = 30007,
        IDS_MDI_MORE_WINDOWS_TIP = 30008,
    };

    // Sent to the receiver (for a bar button: the bar's parent frame) when an item becomes current.
    struct ItemCoveringNotification
    {
        CExtPopupMenuWnd* m_pPopup; // null when a bar button speaks
        CExtBarButton* m_pTBB;      // null from a popup
        int m_nItemIndex;
        int m_nValue; // 0 released, 1 current, 2 delayed sub-menu
        bool m_bOpenSubMenu : 1;
        bool m_bSelectFirst : 1;
        ItemCoveringNotification(CExtPopupMenuWnd* pPopup, CExtBarButton* pTBB, int nValue, int nItemIndex,
                                 bool bOpenSubMenu = false, bool bSelectFirst = false);
        // Sends the record; false when no target window was found.
        bool Notify();
    };
    // WPARAM of g_nMsgPrepareMenu.
    struct MsgPrepareMenuData_t
    {
        enum : UINT
        {
            PREPARE_UPDATE_AGAIN = 0x01,
            PREPARE_CANCEL = 0x02,
        };
        UINT m_nFlags = 0;
        CExtPopupMenuWnd* m_pPopup = nullptr;
    };
    // LPARAM of g_nMsgPopupDrawItem.
    struct DrawItemData_t
    {
        enum : BYTE
        {
            DRAW_RECEIVER_MAY_PAINT = 0x01,
            DRAW_POPUP = 0x02,
            DRAW_RARELY_USED = 0x04,
            DRAW_PREV_RARELY_USED = 0x08,
            DRAW_NEXT_RARELY_USED = 0x10,
        };
        CDC* m_pDC;
        CExtPopupMenuWnd* m_pPopup;
        const VisibleItemDefinition_t* m_pVisibleItem;
        CRect m_rcItem;
        CRect m_rcItemInner;
        BYTE m_nFlags;
    };
    // WPARAM of g_nMsgCreateInplaceEdit, sent to an edit item's receiver when the popup's window is
    // created. A receiver that supplies its own edit stores a heap CInPlaceEditWnd (or a class
    // derived from it) whose window it created in the popup into *m_ppEditWnd; the edit deletes
    // itself with its window. Every field is pointer-sized.
    struct InplaceEditCreateData_t
    {
        CInPlaceEditWnd** m_ppEditWnd; // the item's edit slot
        CExtPopupMenuWnd* m_pPopup;
        MENUITEMDATA* m_pItem;
        CString* m_pEditTextTarget;
        EditVerifyCallback_t m_pCbVerifyTextInput;
        EditChangedCallback_t m_pCbPutTextInputResult;
        EditWndProcCallback_t m_pCbInplaceEditWndProc;
        LPVOID m_pCbCookie;
        RECT m_rcEdit; // client coordinates of the popup
    };
    // LPARAM of g_nMsgPopupDrawLeftArea.
    struct DrawLeftAreaData_t
    {
        CDC* m_pDC;
        CExtPopupMenuWnd* m_pPopup;
        CRect m_rcLeftArea;
    };

    // ---- registered messages (registered at start-up under their qualified names) -------------
    static const UINT g_nMsgPrepareMenu;
    static const UINT g_nMsgPopupNext;
    static const UINT g_nMsgPopupPrev;
    static const UINT g_nMsgNotifyMenuExpanded;
    static const UINT g_nMsgNotifyMenuClosed;
    static const UINT g_nMsgPopupDrawItem;
    static const UINT g_nMsgPopupDrawLeftArea;
    static const UINT g_nMsgCreateInplaceEdit;
    static const UINT g_nMsgItemCoveringNotification;

    enum : UINT_PTR
    {
        ID_TIMER_DELAYED_SUBMENU = 667,
        ID_TIMER_SCROLLING = 668,
        ID_TIMER_CHEVRON = 670,
    };
    enum : UINT
    {
        DELAYED_SUBMENU_PERIOD = 500,
        CHEVRON_PERIOD = 30,
        SCROLLING_PERIOD = 15,
        SCROLL_STEP = 5,
        SOUND_EXPAND = 1,
        SOUND_POPUP = 2,
        SOUND_COMMAND = 3,
        IDS_IDLE_MESSAGE = 0xE001,
    };

    // ---- tracking statics ----------------------------------------------------------------------
    static bool IsMenuTracking();
    static void CancelMenuTracking();
    // Pumps the thread's queue; false when WM_QUIT came (it is posted again).
    static bool PumpPendingMessages();
    static bool IsHoverAllowed(HWND hWnd, HWND hWndActive, bool bCheckEnabled = true, bool bCheckVisible = true,
                               bool bCheckNoMenu = true);
    static bool IsKeyEventWithModifier(LPARAM lParam);
    // The status prompt of a system command (0xE001 for other ids).
    static UINT SysCmdPromptId(UINT nCmdID);

    // ---- class-wide options ------------------------------------------------------------------
    static bool g_bShadowsOn;
    static bool g_bHideRarelyUsed;
    static bool g_bShadeRarelyUsed;
    static bool g_bExpandAnimation;
    static bool g_bFitToWorkArea;
    static int g_nDefaultAnimation;
    // Whether the system commands SC_SIZE and SC_MOVE may be enabled in a popup.
    static bool g_bAllowSystemSizeMove;
    // Resting the cursor on the chevron expands the menu.
    static bool g_bExpandOnHover;
    // Hovered command items show their status text as a balloon tip.
    static bool g_bShowItemTips;
    // Items without '&' are reached by their first letter (off: such items have no access character).
    static bool g_bAccessByFirstLetter;

    CExtPopupMenuWnd();
    ~CExtPopupMenuWnd() override;
    BOOL DestroyWindow() override;
    void PostNcDestroy() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Paints the parent item's part of a sub-menu combined with its item.
    static void PaintParentItemArea(LPVOID pCookie, CDC& dc, const CWnd& wndPopup, const CRect& rcArea);
    // The owner's rectangle (the exclude rectangle) in window coordinates; empty without a window.
    CRect OwnerRectInWindow() const;

    // ---- toolkit operations of the base --------------------------------------------------------
    bool IsEmbeddedTracking() const override;
    void StartAnimation() override;
    void OnTimerAnimation() override;
    void ClearShadowCache() override;
    bool IsShadowEnabled() const override;
    void PaintAnimationFrame(CDC& dc) override;
    void PaintMenu(CDC& dc, bool bUseBackBuffer) override;
    CRect GetPopupClientRect() const override;
    bool IsContextHelpMode() const override;

    // ---- toolkit operations of the menu, in order ----------------------------------------------
    virtual int GetCurrentItem() const;
    virtual HWND GetCmdReceiverHWND() const;
    virtual bool LoadMenuResource(HWND hWndCmdReceiver, UINT nIDResource, bool bPopOver = true);
    // A new Windows popup menu of the items (the caller destroys it); null on failure.
    virtual HMENU ExportToMenu(bool bDeep = true) const;
    virtual bool UpdateFromMenu(HWND hWndCmdReceiver, HMENU hMenu, bool bPopOver = true, bool bTopLevel = true);
    // The MDI frame is pWndStart or one of its parents (null: the receiver's window).
    virtual bool AppendMdiWindowsList(CWnd* pWndStart = nullptr);
    virtual void SetItemsCmdReceiver(HWND hWndCmdReceiver, bool bOnlyThisLevel = false);
    virtual int GetItemCount() const;
    virtual int ItemGetCmdID(int nIndex) const;
    virtual HICON ItemGetIcon(int nIndex) const;
    virtual CString ItemGetText(int nIndex) const;
    virtual CString ItemGetAccelText(int nIndex) const;
    virtual int FindItemByCmdId(int nCmdID, int nStartIndex = -1) const;
    virtual bool ItemSetIcon(int nIndex, HICON hIcon);
    virtual bool ItemSetText(int nIndex, LPCTSTR lpszText);
    virtual bool ItemSetAccelText(int nIndex, LPCTSTR lpszText);
    virtual CExtPopupMenuWnd* ItemGetPopup(int nIndex);
    virtual const CExtPopupMenuWnd* ItemGetPopupConst(int nIndex) const;
    virtual bool ItemIsDisplayed(int nIndex) const;
    virtual void ItemSetDisplayed(int nIndex, bool bForceDisplayed);
    // -1 removes every item.
    virtual bool RemoveItem(int nIndex);
    // nPos -1 appends; the text is used for sub-menus (-1) only: commands take their texts from
    // the receiver's profile and fail when they are not registered there.
    virtual bool InsertItem(int nCmdID, int nPos = -1, LPCTSTR lpszText = nullptr, HICON hIcon = nullptr,
                            HWND hWndSpecCmdReceiver = nullptr);
    // An own item, not bound to the command manager; nCheck 0 none, 1 check, 2 indeterminate, 3 radio.
    virtual bool InsertItemWithIcon(int nCmdID, int nPos, LPCTSTR lpszText, LPCTSTR lpszAccelText,
                                    const CExtCmdIcon& icon, int nCheck = 0, HWND hWndSpecCmdReceiver = nullptr);
    // pSubMenu null: a new empty sub-menu. The item owns the sub-menu.
    virtual bool InsertSubMenu(CExtPopupMenuWnd* pSubMenu = nullptr, int nPos = -1, LPCTSTR lpszText = nullptr,
                               HICON hIcon = nullptr);
    virtual int ItemFindByAccessChar(wchar_t chrAccess, int nStartIndex = -1, bool bRestartAt0 = true) const;
    virtual int ItemFindByText(LPCTSTR lpszText, int nStartIndex = -1, bool bRestartAt0 = true) const;
    virtual bool IsAllItemsHidden() const;
    virtual bool CreatePopupMenu(HWND hWndCmdReceiver);
    virtual bool TrackPopupMenu(UINT nTrackFlags, int x, int y, LPCRECT lpRcExclude = nullptr,
                                LPVOID pCbPaintCombinedCookie = nullptr,
                                PaintCombinedAreaCallback_t pCbPaintCombinedContent = nullptr,
                                UINT* lpnResultCmdID = nullptr, bool bCookieIsObject = false);
    virtual bool CreatePopupWindow(CWnd* pWndParent);
    // Empties the menu, then fills it from hMenu (null: only empties it).
    virtual bool LoadFromMenu(HMENU hMenu, bool bTopLevel);
    virtual void UpdateItemStates();
    virtual void ResetTrackingState();
    virtual void OnWindowCreated();
    virtual int GetMenuBorderSize() const;
    // Item index, area code or -1 under a client point.
    virtual int ItemHitTest(const CPoint& ptClient, bool* pbInEditArea = nullptr, bool* pbOnEditArrow = nullptr);
    virtual void CollectVisibleItems(CDC* pDC, VisibleItemsList_t& list);
    virtual bool CreateAndShowPopup(UINT nTrackFlags, int x, int y, LPCRECT lpRcExclude, LPVOID pCbPaintCombinedCookie,
                                    PaintCombinedAreaCallback_t pCbPaintCombinedContent, bool bCookieIsObject);
    virtual void ReleaseCurrentItem(bool bRepaint);
    virtual void SetDelayedSubMenuItem(int nIndex);
    virtual void SetCurrentItem(int nIndex, bool bOpenSubMenu = false, bool bRepaint = true, bool bSelectFirst = false);
    // Client rectangle of an item or area; empty for hidden items.
    virtual void GetItemRect(int nIndex, CRect& rcItem, bool bInner = false) const;
    // The wheel from the tracking hook (lParam: the hook's mouse structure). True eats; false eats unless
    // bPassOn is set.
    virtual bool OnMouseWheel(WPARAM wParam, LPARAM lParam, bool& bPassOn);
    // Client coordinates of this popup; bPassOn asks the hook to hand the message on.
    virtual bool HandleMouseMove(UINT message, int x, int y, bool& bPassOn);
    virtual bool HandleMouseClick(UINT message, int x, int y, bool& bPassOn);
    virtual bool HandleKey(UINT nChar, UINT nRepCnt, UINT nFlags, bool& bPassOn);
    virtual bool CanShowAsSubMenu() const;
    virtual void StopAnimation();
    virtual bool CloseMenu(bool bDestroying);
    virtual bool IsOwnWindowAtPoint(const CPoint& ptClient) const;
    virtual void CaptureKeyboard();
    virtual CExtPopupMenuWnd* GetKeyboardPopup() const;
    virtual void ReleaseKeyboard();
    virtual int GetMinScrollPos() const;
    virtual bool StartScrolling(int nArea);
    virtual void UpdateDisplayedItems();
    virtual void ExpandRarelyUsedItems();
    virtual bool IsTipShown() const;
    virtual void HideTip(bool bRefresh);
    // Screen rectangle of the window; also stores the client rectangle, the combined side and
    // the window region.
    virtual void CalcWindowRect(CRect& rcWindow);
    virtual void CalcWindowSize(CSize& size) const;
    // Direction 0 none, 1 current, 2 next, 3 previous, 4/5 page keys; -4 the expand button, -1 none.
    virtual int FindNextSelectableItem(int nDirection) const;
    virtual bool EndTrackingWithCommand(UINT nCmdID, HWND hWndCmdReceiver);
    // Inserts a copy of the record; nPos -1 appends, above the count fails.
    virtual bool InsertItemRecord(int nPos, const MENUITEMDATA& mi);
    virtual CExtPopupMenuTrackingSite* GetTrackingSite() const;

    // ---- other services ------------------------------------------------------------------------
    // The item record; an out-of-range index raises CNotSupportedException.
    MENUITEMDATA& GetItemAt(int nIndex);
    const MENUITEMDATA& GetItemAt(int nIndex) const;
    bool InsertItemWithIconHandle(int nCmdID, int nPos, LPCTSTR lpszText, LPCTSTR lpszAccelText, HICON hIcon,
                                  int nCheck = 0, HWND hWndSpecCmdReceiver = nullptr);
    void SetLeftAreaWidth(int nWidth) { m_nLeftAreaWidth = nWidth; }
    int GetLeftAreaWidth() const { return m_nLeftAreaWidth; }
    CExtPopupMenuWnd* GetParentMenu() const { return m_pWndParentMenu; }
    bool IsTopLevel() const { return (m_nStateFlags & STATE_TOP_LEVEL) != 0; }
    bool IsScrollingOn() const { return (m_nStateFlags & STATE_SCROLLING) != 0; }
    bool HasHiddenItems() const { return (m_nStateFlags & STATE_HAS_HIDDEN_ITEMS) != 0; }
    bool IsExpanded() const { return (m_nStateFlags & STATE_EXPANDED) != 0; }
    bool IsBeingDestroyed() const { return (m_nStateFlags & STATE_DESTROYING) != 0; }
    UINT GetTrackFlags() const { return m_nTrackFlags; }
    int GetCombinedSide() const { return m_nCombinedSide; }
    const CRect& GetClientRectStored() const { return m_rcClient; }
    // Enables the system commands from the receiver window's placement and styles, in the
    // commands of its profile and in the items (done when the menu is shown, unless embedded).
    void UpdateSystemCommandStates();
    // Whether the command manager counts the item's command as rarely used.
    bool IsItemRarelyUsed(int nIndex) const;
    // Whether every item would be hidden in the collapsed menu (all commands rarely used).
    bool IsAllItemsRarelyUsed() const;
    // Client rectangle of an item's in-place edit part; empty for other items.
    void GetItemEditRect(int nIndex, CRect& rcEdit) const;
    // Creates the in-place edits of the edit items (the receiver may supply its own); false when
    // the window died meanwhile.
    bool CreateInplaceEdits();
    // The window's owner, else its parent: whose frame shows the status text.
    CWnd* GetOwnerForStatus() const;
    // Paints one item through the paint manager (highlight, text and icon as asked).
    void PaintItemDefault(CDC& dc, const VisibleItemDefinition_t& vi, bool bHighlighted, bool bPaintText = true,
                          bool bPaintIcon = true);
    // Offers an item to the receiver (g_nMsgPopupDrawItem); true when the receiver painted it.
    bool PaintItemByReceiver(CDC& dc, const VisibleItemDefinition_t& vi, bool bRarelyUsedFlags);
    // Handlers of the menu's own timers; the animation and tip timers are the base's.
    void OnTimerDelayedSubMenu();
    void OnTimerScrolling();
    void OnTimerChevron();
    // Keyboard steps: move by a direction of FindNextSelectableItem (the chevron expands), activate
    // an item (Enter or a unique access character), open the current sub-menu or pass to the next
    // bar menu, close this sub-menu or pass to the previous bar menu.
    void MoveByKey(int nDirection);
    void ActivateItemByKey(int nIndex, bool& bPassOn);
    void OnKeyRight();
    void OnKeyLeft();
    // Shows an item's in-place edit over its edit rectangle (when hidden) and focuses it.
    void ShowItemEdit(int nIndex);
    // Composes one animation frame into the work pixels (screen and image pixels known).
    void ComposeAnimationFrame(int cx, int cy);
    // Whether the site's top-level popup allows receiver painting (0x0800).
    bool IsReceiverPaintingAllowed() const;

    // ---- fields --------------------------------------------------------------------------------
    CExtPopupMenuTipWnd m_wndToolTip;
    int m_nCurIndex;            // highlighted item or area code; -1 none
    int m_nHoverIndex;          // item last highlighted by the mouse; -1 none
    int m_nDelayedSubMenuIndex; // item of the delayed sub-menu timer; -1 none
    BYTE m_nStateFlags;         // STATE_...
    UINT m_nTrackFlags;         // TRACK_...
    HWND m_hWndCmdReceiver;
    int m_nScrollPos;                   // 0 at the top, negative when scrolled down
    CExtPopupMenuWnd* m_pWndParentMenu; // the menu whose item opened this one (not owned)
    CRect m_rcScrollUp;
    CRect m_rcScrollDown;
    CRect m_rcExpandButton;
    int m_nScrollStep; // running auto-scroll: >0 up, <0 down
    int m_nLeftAreaWidth;
    int m_nCombinedSide; // COMBINE_...
    CRgn m_rgnWnd;       // shape of a combined popup
    CRect m_rcClient;    // item area in window coordinates
    CArray<MENUITEMDATA, const MENUITEMDATA&> m_items;
    int m_nChevronCounter; // hover progress over the expand button: 0 idle, 50 per tick up to 1500
    // Popup windows being destroyed in this thread right now (nested destructions count each).
    static int s_nDestroyingPopups;

protected:
    // A move outside a popup with no items of its own: the parent menu may take it; when it does and
    // does not pass it on, this popup closes.
    bool PassMoveToParentMenu(UINT message, const POINT& ptScreen, bool& bPassOn);
    // Over a child window of the popup (an item's text field): makes that item current and answers true.
    bool SelectChildItemAt(HWND hWndUnder, bool bSelectFirst);
    // The popup's shadow round the item area and, when combined, round the owner's part.
    void PaintShadows(CDC& dc, const CRect& rcClient, const CRect& rcOwner, bool bCombined);
    // Destroys every sub-menu and empties the item array.
    void RemoveAllItems();
    // One placement of the window with the given placement code; false when it must run again
    // (combination dropped or placement switched).
    bool CalcWindowRectPass(CRect& rcWindow, UINT& nAlign);
    // The window rectangle placed at the side nAlign of the exclude rectangle (or at the point).
    CRect PlaceAt(UINT nAlign, const CSize& size) const;
    // Grows the item array's capacity in steps of size / 8, 4 to 1024 records.
    void GrowItems();
    // Updates the displayed items of the menu at the top of an insertion.
    void RecalcAfterInsert();
};
