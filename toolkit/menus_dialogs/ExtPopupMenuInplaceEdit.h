// CExtPopupMenuWnd::CInPlaceEditWnd: the text field of a menu item. Created hidden with the popup's
// window, shown over the item's edit part when the item is activated; every key and clipboard change
// is validated, Enter stores the text (change callback, else the item's target) and closes the menu.
#pragma once
#include "platform/Controls.h"
#include "platform/String.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

class CExtPopupMenuWnd::CInPlaceEditWnd : public CEdit
{
public:
    // Registered under "CExtPopupMenuWnd::CInPlaceEditWnd::<name>"; both take zero parameters.
    // Deletes the selection, or the character after the caret when nothing is selected.
    static const UINT g_nMsgDeleteSelection;
    // Selects the whole text.
    static const UINT g_nMsgSelectAll;

    // Every callback may be null; the cookie is handed to each of them unchanged.
    CInPlaceEditWnd(CString* pTarget, EditVerifyCallback_t pCbVerify, EditChangedCallback_t pCbChanged,
                    EditWndProcCallback_t pCbWndProc, LPVOID pCookie);
    ~CInPlaceEditWnd() override;

    using CEdit::Create;
    // Creates the hidden edit in the popup (menu font, the target's text, all selected).
    virtual bool Create(CExtPopupMenuWnd* pPopup, const CRect& rcEdit, UINT nDlgCtrlID);
    // The popup that holds the edit (its parent window); null when there is none.
    CExtPopupMenuWnd* GetPopupMenu() const;
    bool IsCommitted() const { return m_bCommitted; }

    // ---- fields, in order ----------------------------------------------------------------------
    EditVerifyCallback_t m_pCbVerifyTextInput;
    EditChangedCallback_t m_pCbPutTextInputResult;
    EditWndProcCallback_t m_pCbWndProc;
    LPVOID m_pCbCookie;
    CString* m_pTarget; // the item's edit-text target (not owned)
    CString m_sTextAtCreation;
    bool m_bCommitted; // Enter was pressed

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The edit object deletes itself with its window.
    void PostNcDestroy() override;

    void OnNcCalcSize(LPARAM lParam);
    void OnNcPaint();
    void OnKeyEscape();
    void OnKeyEnter();
    void OnDeleteSelection();
    // Lets the edit control handle a message that may change the text and puts the old text and
    // selection back when the validation callback rejects the result.
    LRESULT GuardedEdit(UINT message, WPARAM wParam, LPARAM lParam);
    // Clears the popup's item slot that points at this edit (its window goes).
    void DetachFromPopup();
};
