// CExtBarUndoRedoButton: a tool-bar button whose drop-down is the list of undo or redo steps in an undo/redo list
// popup. The button owns the step texts; the popup calls back into it to fill, measure and draw the list.
#pragma once
#include "platform/Collections.h"
#include "toolkit/bars_tabs/ExtBarButton.h"

class CExtPopupUndoRedoMenuWnd;
class CExtPopupInplaceListBox;

class CExtBarUndoRedoButton : public CExtBarButton
{
    DECLARE_DYNCREATE(CExtBarUndoRedoButton)
public:
    enum : DWORD
    {
        kDefaultListBoxStyle = 0x50200068
    };
    enum : int
    {
        kDefaultMaxHeight = 250,
        kAutoWidth = 150,   // width of an empty list with an automatic width
        kEmptyHeight = 100, // height of an empty list without a maximum
    };

    explicit CExtBarUndoRedoButton(CExtToolControlBar* pBar = nullptr, UINT nCmdID = 0, UINT nStyle = 0);
    ~CExtBarUndoRedoButton() override;

    // ---- overrides ---------------------------------------------------------------------------------------------
    bool CanTrackMenu() const override { return false; }
    bool IsMenuButton(int nFlag = 0) const override { return nFlag == 0; }
    int OnHelpHitTest(CPoint point) override;
    bool PutToPopupMenu(CExtPopupMenuWnd* pPopup) override;
    UINT TrackButtonMenu(CPoint point, bool bSelectFirst = false, bool bNoAnimation = false) override;

    // ---- own virtual operations, in slot order -----------------------------------------------------------------
    virtual LPARAM GetCookie() const;
    virtual void SetCookie(LPARAM lCookie);
    // A new list popup set up from the button and created for the command target window; null on failure.
    virtual CExtPopupUndoRedoMenuWnd* CreateListPopup(bool bFlag = false);
    virtual bool OnInitList(CExtPopupInplaceListBox& wndListBox);
    virtual bool OnListNotify0(CExtPopupInplaceListBox& wndListBox);
    virtual bool OnListNotify1(CExtPopupInplaceListBox& wndListBox);
    virtual bool OnListNotify2(CExtPopupInplaceListBox& wndListBox);
    virtual bool OnDrawListItem(CExtPopupInplaceListBox& wndListBox, LPDRAWITEMSTRUCT pDIS);
    virtual bool OnMeasureListItem(CExtPopupInplaceListBox& wndListBox, LPMEASUREITEMSTRUCT pMIS);
    virtual CSize CalcListSize();
    virtual CSize GetListItemMargins() const;

    // The step texts, first first.
    CStringArray m_arrSteps;
    DWORD m_dwListBoxStyle;
    int m_nListWidth;     // -1: measured from the texts
    int m_nListMaxHeight; // 250 at construction

protected:
    // The text's measured item size (margins added for an owner-drawn style).
    CSize MeasureStep(const CString& sText, bool bMargins) const;

    LPARAM m_lCookie;
};
