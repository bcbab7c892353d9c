// CExtPopupUndoRedoMenuWnd: the undo/redo drop-down: a CExtPopupUndoRedoListBox with a caption below
// it that counts the chosen actions. The list's callbacks and messages are those of the list popup.
#pragma once
#include "toolkit/menus_dialogs/ExtPopupListBoxMenuWnd.h"

class CExtPopupUndoRedoMenuWnd : public CExtPopupListBoxMenuWnd
{
    DECLARE_DYNCREATE(CExtPopupUndoRedoMenuWnd)
public:
    static const DWORD DEFAULT_UNDO_LIST_STYLE =
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_MULTIPLESEL;
    enum : int
    {
        CAPTION_HEIGHT = 24,
    };

    explicit CExtPopupUndoRedoMenuWnd(LPARAM lMessageCookie = 0, DWORD dwListBoxStyle = DEFAULT_UNDO_LIST_STYLE);
    ~CExtPopupUndoRedoMenuWnd() override;

    // ---- overrides ---------------------------------------------------------------------------------
    void GetControlRect(RECT& rc) const override;
    void CalcWindowSize(CSize& size) const override;
    void OnWindowCreated() override;
    void PaintMenu(CDC& dc, bool bUseBackBuffer) override;
    HWND CreateHostedControl(const RECT& rc) override;

    // ---- own operations, in order ------------------------------------------------------------------
    virtual int GetCaptionHeight() const;
    // Paints "Undo %d Actions" with the chosen count through the paint manager.
    virtual void UpdateCaption(CDC& dc, const RECT& rcCaption);

    // Stores the count and repaints the caption at once.
    void SetChosenCount(int nCount);
    int GetChosenCount() const { return m_nChosenCount; }
    const CRect& GetCaptionRect() const { return m_rcCaption; }

    // ---- fields ------------------------------------------------------------------------------------
    CRect m_rcCaption; // below the list, client coordinates
    int m_nChosenCount;

protected:
    CExtPopupInplaceListBox* NewListBox() override;
};
