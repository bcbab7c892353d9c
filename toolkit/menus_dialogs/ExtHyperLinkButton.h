// CExtHyperLinkButton: a button drawn as a link that opens its target through one of three openers.
#pragma once
#include "toolkit/menus_dialogs/ExtButton.h"

class CExtHyperLinkButton : public CExtButton
{
    DECLARE_DYNCREATE(CExtHyperLinkButton)
public:
    enum : BYTE
    {
        kLinkAsButton = 0x01,
        kLinkShowVisited = 0x02,
        kLinkVisited = 0x04,
    };
    enum : int
    {
        kVerbOpen = 0,
        kVerbEdit = 1,
        kVerbPrint = 2,
    };

    CExtHyperLinkButton();

    void OnClick(bool bFromKeyboard, bool bOnDropDownPart) override;
    void PaintButton(CDC& dc, bool bTransparentBackground) override;

    virtual bool OpenByInternetShortcut(LPCTSTR lpszTarget, int nVerb, bool bShowError);
    virtual bool OpenTarget(LPCTSTR lpszTarget, int nVerb, bool bShowError);
    virtual bool OpenByAssociation(LPCTSTR lpszTarget, int nVerb, bool bShowError);
    virtual void DrawLinkText(CDC& dc, const CRect& rc, bool bVisited, bool bEnabled, bool bDrawFocus, bool bFocused,
                              bool bHover, bool bPushed);
    virtual COLORREF GetLinkTextColor(bool bVisited, bool bEnabled, bool bDrawFocus, bool bFocused, bool bHover,
                                      bool bPushed);
    virtual void GetDisplayText(CString& sText) const;
    virtual bool Navigate(LPCTSTR lpszTarget, int nVerb, bool bShowError);

    bool IsVisited() const { return (m_nLinkFlags & kLinkVisited) != 0; }
    // The target, or the trimmed window text when the target is empty.
    CString GetEffectiveTarget() const;

    static LPCTSTR VerbText(int nVerb);
    // "Unable to open hyper link:\n" and the reason for a failure code.
    static CString FormatOpenError(int nCode);
    // The command line an association's command runs for a target; false (nothing to run) when
    // the target holds a quotation mark.
    static bool BuildAssociationCommand(const CString& sCommand, const CString& sTarget, CString& sCmdLine);

    CString m_sTarget;
    BYTE m_nLinkFlags;
    int m_nTextAlign;
    COLORREF m_clrVisited;
    bool m_bAlwaysUnderline;

protected:
    void ShowOpenError(int nCode);
};
