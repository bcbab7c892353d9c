// CExtPopupListBoxMenuWnd: a control popup that hosts a CExtPopupInplaceListBox; the caller sets the
// callbacks and cookies it copies into the list box. As the sub-menu of an item with an in-place
// edit (a combo-like item) the chosen text goes into the item's edit text.
#pragma once
#include "toolkit/menus_dialogs/ExtPopupControlMenuWnd.h"
#include "toolkit/menus_dialogs/ExtPopupInplaceListBox.h"

class CExtPopupListBoxMenuWnd : public CExtPopupControlMenuWnd
{
    DECLARE_DYNCREATE(CExtPopupListBoxMenuWnd)
public:
    static const DWORD DEFAULT_LIST_STYLE =
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;

    explicit CExtPopupListBoxMenuWnd(LPARAM lMessageCookie = 0, DWORD dwListBoxStyle = DEFAULT_LIST_STYLE);
    ~CExtPopupListBoxMenuWnd() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND CreateHostedControl(const RECT& rc) override;

    // The hosted list box while its window lives; null otherwise.
    CExtPopupInplaceListBox* GetListBox() const;

    // ---- fields, in order --------------------------------------------------------------------------
    LPARAM m_lMessageCookie;
    DWORD m_dwListBoxStyle;
    CExtPopupInplaceListBox::SelectionCallback_t m_pCbSelection;
    LPVOID m_pSelectionCookie;
    CExtPopupInplaceListBox::ContentCallback_t m_pCbContent;
    LPVOID m_pContentCookie;
    CExtPopupInplaceListBox::DrawCallback_t m_pCbDraw;
    CExtPopupInplaceListBox::MeasureCallback_t m_pCbMeasure;
    LPVOID m_pDrawingCookie;

protected:
    // Creates the list box object (the undo/redo popup makes its own kind).
    virtual CExtPopupInplaceListBox* NewListBox();
    // Copies the callbacks and creates the list box window; null on failure (the object is deleted).
    HWND CreateListBox(CExtPopupInplaceListBox* pListBox, const RECT& rc);
    // The list box's owner-draw messages go straight to it (its items are measured while it is created).
    LRESULT OnMeasureItemMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawItemMsg(WPARAM wParam, LPARAM lParam);

    // The list box from its creation to the popup's WM_DESTROY (it deletes itself); not owned.
    CExtPopupInplaceListBox* m_pListBox;
};
