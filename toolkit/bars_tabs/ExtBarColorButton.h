// CExtBarColorButton: a tool-bar button that picks a colour: its icon shows the colour, a press opens a colour
// popup instead of a command menu, and its command sends the chosen colour to the command target window.
#pragma once
#include "toolkit/bars_tabs/ExtBarButton.h"

class CExtPopupColorMenuWnd;

class CExtBarColorButton : public CExtBarButton
{
    DECLARE_DYNCREATE(CExtBarColorButton)
public:
    // Bits of the flags byte.
    enum : BYTE
    {
        kDefaultColorBtn = 0x01,
        kCustomColorBtn = 0x02,
    };
    // Icon kinds.
    enum : int
    {
        kIconFilled = 0,
        kIconFramed = 1,
        kIconChar = 2,
    };

    explicit CExtBarColorButton(CExtToolControlBar* pBar = nullptr, UINT nCmdID = 0, UINT nStyle = 0,
                                COLORREF clrSelected = 0, COLORREF clrDefault = 0, int nIconKind = kIconFilled);
    ~CExtBarColorButton() override;

    // ---- overrides ---------------------------------------------------------------------------------------------
    bool CanTrackMenu() const override { return false; }
    bool IsMenuButton(int nFlag = 0) const override { return nFlag == 0; }
    bool PutToPopupMenu(CExtPopupMenuWnd* pPopup) override;
    UINT TrackButtonMenu(CPoint point, bool bSelectFirst = false, bool bNoAnimation = false) override;
    void OnDeliverCmd() override;
    int OnHelpHitTest(CPoint point) override;
    bool IsPlainButton() const override { return true; }

    // ---- own virtual operations, in slot order -----------------------------------------------------------------
    virtual void SyncColorIcon();
    virtual COLORREF GetColor(bool bSelected = true) const;
    virtual void SetColor(COLORREF clr, bool bSetDefault = false);
    virtual LPARAM GetCookie() const;
    virtual void SetCookie(LPARAM lCookie);
    virtual bool IsDefaultColorBtnShown() const;
    virtual void SetDefaultColorBtnShown(bool bOn = true);
    virtual bool IsCustomColorBtnShown() const;
    virtual void SetCustomColorBtnShown(bool bOn = true);
    virtual CString GetDefaultColorBtnText() const;
    virtual void SetDefaultColorBtnText(LPCTSTR lpszText);
    virtual CString GetCustomColorBtnText() const;
    virtual void SetCustomColorBtnText(LPCTSTR lpszText);
    virtual void OnGenerateColorIcon(HICON& hIcon);

    int GetIconKind() const { return m_nIconKind; }
    // A new colour popup for the command target window, set up from the button.
    CExtPopupColorMenuWnd* CreateColorPopup() const;

protected:
    COLORREF m_clrSelected;
    COLORREF m_clrDefault;
    LPARAM m_lCookie;
    BYTE m_bfColorFlags;
    CString m_sDefaultColorBtnText;
    CString m_sCustomColorBtnText;
    int m_nIconKind;
};
