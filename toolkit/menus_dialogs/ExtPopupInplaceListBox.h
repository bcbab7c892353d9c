// CExtPopupInplaceListBox: the list box a list popup hosts: it takes the menu's keys and wheel,
// selects with the mouse without taking the focus, and reports its content, owner drawing and the
// final choice to callbacks or, when no callback takes them, as registered messages to the popup's
// command receiver. It deletes itself after its window is destroyed.
#pragma once
#include "platform/Controls.h"

class CExtPopupMenuWnd;

class CExtPopupInplaceListBox : public CListBox
{
    DECLARE_DYNCREATE(CExtPopupInplaceListBox)
public:
    // Kinds of the selection callback.
    enum : int
    {
        SEL_CHANGED = 0,
        SEL_END_OK = 1,
        SEL_END_CANCEL = 2,
    };
    // Each answers true when it handled the event (no message is sent then). Cookies are pointer-sized.
    typedef bool (*SelectionCallback_t)(CExtPopupInplaceListBox& wndListBox, LPVOID pCookie, int nKind);
    typedef bool (*ContentCallback_t)(CExtPopupInplaceListBox& wndListBox, LPVOID pCookie);
    typedef bool (*DrawCallback_t)(CExtPopupInplaceListBox& wndListBox, LPVOID pCookie, LPDRAWITEMSTRUCT pDIS);
    typedef bool (*MeasureCallback_t)(CExtPopupInplaceListBox& wndListBox, LPVOID pCookie, LPMEASUREITEMSTRUCT pMIS);

    // WPARAM of the selection messages; valid only during the send.
    struct SelectionInfo_t
    {
        CExtPopupInplaceListBox* m_pListBox;
        INT_PTR m_nIndex; // LB_GETCURSEL, -1 none
    };
    // WPARAM of the item draw and measure messages; valid only during the send.
    struct ItemDrawInfo_t
    {
        CExtPopupInplaceListBox* m_pListBox;
        LPDRAWITEMSTRUCT m_pDIS;
    };
    struct ItemMeasureInfo_t
    {
        CExtPopupInplaceListBox* m_pListBox;
        LPMEASUREITEMSTRUCT m_pMIS;
    };

    // ---- registered messages, sent to the popup's command receiver, LPARAM the message cookie ----
    static const UINT g_nMsgPopupListBoxInitContent; // WPARAM the list box
    static const UINT g_nMsgPopupListBoxItemMeasure; // WPARAM ItemMeasureInfo_t*
    static const UINT g_nMsgPopupListBoxItemDraw;    // WPARAM ItemDrawInfo_t*
    static const UINT g_nMsgPopupListBoxSelEndOK;    // WPARAM SelectionInfo_t*
    static const UINT g_nMsgPopupListBoxSelEndCancel;
    static const UINT g_nMsgPopupListBoxSelChange;

    CExtPopupInplaceListBox();
    ~CExtPopupInplaceListBox() override;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    // Ends with OK once; the window and the popup chain may be gone afterwards.
    virtual void OnSelEndOK();
    // Ends with cancel once; silent: no message and no closing after the callback.
    virtual void OnSelEndCancel(bool bSilent);
    virtual void OnSelChange();

    // The popup that hosts the list; null before its window exists.
    CExtPopupMenuWnd* GetParentPopup() const;
    // The command receiver of the hosting popup; null when none.
    HWND GetCmdReceiver() const;
    bool IsSelectionFinished() const { return m_bSelectionFinished; }

    // ---- fields, in order --------------------------------------------------------------------------
    SelectionCallback_t m_pCbSelection;
    LPVOID m_pSelectionCookie;
    ContentCallback_t m_pCbContent;
    LPVOID m_pContentCookie;
    DrawCallback_t m_pCbDraw;
    MeasureCallback_t m_pCbMeasure;
    LPVOID m_pDrawingCookie;
    LPARAM m_lMessageCookie;
    bool m_bSelectionFinished : 1;
    // Set by the hosting popup once the window exists: the object then deletes itself after its window
    // is destroyed (a failed creation leaves the object to its creator).
    bool m_bAutoDelete : 1;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

    LRESULT OnCreateMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMoveMsg(LPARAM lParam);
    LRESULT OnLButtonDownMsg();
    LRESULT OnLButtonUpMsg(LPARAM lParam);
    LRESULT OnCancelModeMsg();
    // A record of the hosting popup; the result of the retranslated input.
    virtual LRESULT OnInputRetranslate(WPARAM wParam);
    LRESULT OnWheelInput(const void* pInfo);
    LRESULT OnKeyInput(UINT nVirtKey, UINT nKeyFlags);
    // Sends a selection message with the current selection when the window still exists.
    void SendSelectionMessage(UINT nMsg);
    // The start of OnSelChange: false when the selection callback took the change or the window is gone.
    bool SelChangeGoesOn();
};
