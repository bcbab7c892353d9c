// CExtBarTextFieldButton: a tool-bar button that shows a text field, optionally with a combo arrow
// that drops a list of choices. Sources: ExtBarTextFieldButton.cpp (the field: state, measuring,
// painting, clicks, editing), ExtBarTextFieldButtonEdit.cpp (the in-place edit window),
// ExtBarTextFieldButtonList.cpp (the drop-down list).
//
// A click into the field opens a CInPlaceEditWnd over the edit rectangle and runs a modal loop until
// the edit goes: Enter commits the edit text into the field text (through OnVerifyText), Escape, Alt,
// a click elsewhere or the loss of the focus cancel. The combo list is a CExtPopupListBoxMenuWnd run
// modally; moving through it shows each item in the field, picking one stores it. Every path that
// comes back from a modal loop first looks the button up among its bar's current buttons: a button
// removed from the bar meanwhile is never touched again.
#pragma once
#include "platform/Controls.h"
#include "platform/String.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include <vector>

class CExtPopupInplaceListBox;
class CExtPopupMenuWnd;
class CExtToolControlBar;

class CExtBarTextFieldButton : public CExtBarButton
{
    DECLARE_DYNCREATE(CExtBarTextFieldButton)
public:
    // Field flags (m_dwFieldFlags).
    enum : DWORD
    {
        kFieldCombo = 0x01,        // has a drop-down arrow
        kFieldListOpen = 0x02,     // the drop-down list is open
        kFieldSelectInList = 0x04, // select the field text in the list when it opens
    };
    // Edit flags (m_nEditFlags).
    enum : BYTE
    {
        kEditReadOnly = 0x01,         // no in-place editing; a click anywhere on a combo opens the list
        kEditRestartAfterList = 0x02, // start editing again after the list closes
    };
    enum : int
    {
        kDefaultFieldWidth = 100,
        kFieldMargin = 2,     // on each side of the edit rectangle (the arrow strip adds to the right)
        kTextHeightPad = 4,   // added to the sample text's height
        kListWidthAuto = -1,  // the list is as wide as its items
        kListWidthField = -2, // the list is the field width plus SM_CXHTHUMB
        kDefaultMaxListHeight = 250,
        kDefaultListWidth = 150, // an empty list (or one without strings)
        kDefaultListHeight = 100,
        kListItemMarginX = 2,
        kListItemMarginY = 1,
        kListItemMinExtent = 10,
    };
    enum : UINT
    {
        kMsgCancelEdit = 0xA66, // posted to the in-place edit: cancel the editing
        kEditStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
        kListDrawTextFlags = DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER,
    };
    // WS_CHILD | WS_VISIBLE | WS_VSCROLL with LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT.
    static const DWORD kDefaultListBoxStyle = 0x50200160;
    // Measured for the field's height in the paint manager's normal font.
    static const wchar_t* const kSampleText;
    // An empty list item is measured as this.
    static const wchar_t* const kEmptyItemSample;

    // The in-place edit over the field. It deletes itself when its window is destroyed; every message
    // that would reach the button first checks that the button is still in the bar.
    class CInPlaceEditWnd : public CEdit
    {
    public:
        typedef bool (*VerifyCallback_t)(CInPlaceEditWnd& edit, LPVOID pCookie, const CString& sOld,
                                         const CString& sNew);
        typedef void (*ChangedCallback_t)(CInPlaceEditWnd& edit, LPVOID pCookie, const CString& sText);

        CInPlaceEditWnd(CExtBarTextFieldButton* pButton, CString* pTarget, VerifyCallback_t pCbVerify,
                        ChangedCallback_t pCbChanged, LPVOID pCbCookie);
        ~CInPlaceEditWnd() override;

        // Creates the window at the rectangle of the bar's client area with the button's command id.
        virtual bool Create(const RECT& rc);
        // The button while it is still in its bar (looked up among the bar's current buttons with its
        // runtime class); null when it was removed or its bar is gone.
        CExtBarTextFieldButton* GetLiveButton() const;
        // Forgets the button: the window then only does the default handling (the button is going).
        void DetachButton();
        bool IsClosing() const { return m_bClosing; }
        // The one in-place edit alive in the process; null when none.
        static CInPlaceEditWnd* GetAlive() { return g_pAlive; }

        BOOL PreTranslateMessage(MSG* pMsg) override;

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
        void PostNcDestroy() override;
        // Sets the closing flag and posts the cancel message.
        void PostCancel();
        // The window text becomes the target text when the verification agrees (Enter, Up and Down).
        void TakeWindowText();
        // Lets the edit handle a key or a character; restores the old text when the verification refuses.
        LRESULT GuardedEdit(UINT message, WPARAM wParam, LPARAM lParam);

        CExtBarTextFieldButton* m_pButton; // not owned; use only through GetLiveButton
        CString* m_pTarget;                // the button's edit text
        VerifyCallback_t m_pCbVerify;
        ChangedCallback_t m_pCbChanged;
        LPVOID m_pCbCookie;
        CExtToolControlBar* m_pBar; // not owned
        HWND m_hWndBar;
        CRuntimeClass* m_pButtonClass; // the button's class when the edit was made
        bool m_bClosing;

        static CInPlaceEditWnd* g_pAlive;
    };

    explicit CExtBarTextFieldButton(bool bCombo = false, int nFieldWidth = kDefaultFieldWidth,
                                    CExtToolControlBar* pBar = nullptr, UINT nCmdID = 0, UINT nStyle = 0);
    ~CExtBarTextFieldButton() override;

    // Whether pButton (of class pClass) is still among the current buttons of pBar, whose window is
    // hWndBar. Reads nothing of the button itself.
    static bool IsButtonInBar(const CExtBarButton* pButton, CRuntimeClass* pClass, CExtToolControlBar* pBar,
                              HWND hWndBar);

    // ---- overrides of the bar button ----------------------------------------------------------
    void SyncCtrlWindow() override;
    void SetRect(const RECT& rc) override;
    void SetSplitDropDown(bool bOn = true) override;
    bool IsSplitDropDown() const override;
    void SetAdoptPickedCmd(bool bOn = true) override;
    bool IsAdoptPickedCmd() const override;
    void SetMenu(HMENU hMenu, bool bPopupMenu = true, bool bOwnMenu = true) override;
    HMENU GetMenu() const override;
    bool IsMenuButton(int nFlag = 0) const override;
    bool CanTrackMenu() const override;
    bool IsMenuPopup() const override;
    CSize MeasureButton(CDC& dc, CSize sizePreCalc, bool bHorizontal) override;
    void PaintButton(CDC& dc, bool bHorizontal) override;
    UINT TrackButtonMenu(CPoint point, bool bSelectFirst = false, bool bNoAnimation = false) override;
    void OnClick(CPoint point, bool bDown) override;
    bool PutToPopupMenu(CExtPopupMenuWnd* pPopup) override;
    bool OnSetCursor(CPoint point) override;

    // ---- new virtual operations, in slot order ------------------------------------------------
    virtual int GetFieldWidth() const;
    // Answers the old width; editing is cancelled first.
    virtual int SetFieldWidth(int nWidth);
    virtual const CString& GetFieldText() const;
    // True when stored; with bVerify OnVerifyText must agree first.
    virtual bool SetFieldText(LPCTSTR lpszText, bool bVerify = true);
    // A combo's right-hand strip of SM_CXHTHUMB; empty for a plain field.
    virtual CRect GetDropDownArrowRect(const CRect& rcField) const;
    virtual CRect GetEditRect(const CRect& rcField) const;
    // Left, top, right (plus SM_CXHTHUMB for a combo) and bottom margins in a rectangle.
    virtual CRect GetFieldMargins() const;
    // The in-place edit for the edit text; null (and the edit text emptied) when its window fails.
    virtual CInPlaceEditWnd* CreateInplaceEdit();
    // Starts editing and runs the modal loop until the edit goes.
    virtual void OnInplaceEdit();
    virtual void OnInplaceEditComplete();
    virtual void OnInplaceEditCancel();
    virtual bool OnVerifyText(CInPlaceEditWnd* pEdit, const CString& sOld, const CString& sNew);
    virtual void OnTextChanged(CInPlaceEditWnd* pEdit, const CString& sText);
    // May handle a message before the edit window; false lets the edit handle it.
    virtual bool OnInplaceEditHook(CInPlaceEditWnd* pEdit, UINT message, WPARAM wParam, LPARAM lParam,
                                   LRESULT& lResult);
    virtual CExtPopupMenuWnd* CreateListPopup();
    virtual CSize CalcListSize();
    virtual bool OnInitList(CExtPopupInplaceListBox& wndList);
    virtual bool OnListSelChanging(CExtPopupInplaceListBox& wndList);
    virtual bool OnListSelected(CExtPopupInplaceListBox& wndList);
    virtual bool OnListCancelled(CExtPopupInplaceListBox& wndList);
    virtual bool OnDrawListItem(CExtPopupInplaceListBox& wndList, LPDRAWITEMSTRUCT pDIS);
    virtual bool OnMeasureListItem(CExtPopupInplaceListBox& wndList, LPMEASUREITEMSTRUCT pMIS);
    virtual CSize GetListItemMargins() const;

    // ---- state ---------------------------------------------------------------------------------
    bool IsCombo() const { return (m_dwFieldFlags & kFieldCombo) != 0; }
    bool IsListOpen() const { return (m_dwFieldFlags & kFieldListOpen) != 0; }
    bool IsReadOnly() const { return (m_nEditFlags & kEditReadOnly) != 0; }
    // The in-place edit attached to the button; null while not editing.
    CInPlaceEditWnd* GetInplaceEdit() const;
    const CString& GetEditText() const { return m_sEditText; }
    // The bar is vertical and the field is not kept shown there: the button acts as a command button.
    bool IsFieldHidden() const;

    // ---- fields, in order -----------------------------------------------------------------------
    CString m_sFieldText;
    CString m_sEditText; // while editing or while the list is open
    int m_nFieldWidth;
    DWORD m_dwFieldFlags;
    DWORD m_dwListCookie;
    DWORD m_dwListBoxStyle;
    std::vector<CString> m_arrListItems;
    int m_nListWidth;
    int m_nMaxListHeight;
    BYTE m_nEditFlags;

protected:
    // The edit rectangle of the button's own rectangle.
    CRect GetEditRectOfButton() const { return GetEditRect(GetRect()); }
    // Cancels an edit in progress (the list, the chevron menu and SetFieldWidth start with it).
    void CancelEditing();
    // The text of the list box's current selection; false when there is none.
    static bool GetListSelectionText(CExtPopupInplaceListBox& wndList, CString& sText);
    // The list callbacks: the cookie is the button, reached only while its list is open and the button
    // is still in its bar.
    static CExtBarTextFieldButton* ListButton(LPVOID pCookie);
    static bool ListContentCallback(CExtPopupInplaceListBox& wndList, LPVOID pCookie);
    static bool ListSelectionCallback(CExtPopupInplaceListBox& wndList, LPVOID pCookie, int nKind);
    static bool ListDrawCallback(CExtPopupInplaceListBox& wndList, LPVOID pCookie, LPDRAWITEMSTRUCT pDIS);
    static bool ListMeasureCallback(CExtPopupInplaceListBox& wndList, LPVOID pCookie, LPMEASUREITEMSTRUCT pMIS);
    static bool EditVerifyCallback(CInPlaceEditWnd& edit, LPVOID pCookie, const CString& sOld, const CString& sNew);
    static void EditChangedCallback(CInPlaceEditWnd& edit, LPVOID pCookie, const CString& sText);

    friend class CInPlaceEditWnd;
};
