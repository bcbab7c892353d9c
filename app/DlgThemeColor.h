// CDlgThemeColor: the "Theme" page of the settings sheet: the background colour of the custom
// colour theme (kept for the main frame to store after OK) and the dialer's skin picture,
// stored at each selection.
#pragma once
#include "app/ColourPicker.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CDlgThemeColor : public CExtResizableDialog
{
    DECLARE_DYNCREATE(CDlgThemeColor)
public:
    CDlgThemeColor();

    BOOL OnInitDialog() override;
    // The picker's colour as it was when the page went.
    COLORREF GetColour() const { return m_crColour; }
    // The skins folder of the program folder, with its trailing backslash.
    CString GetSkinsFolder() const { return m_strAppFolder + L"skins\\"; }

    CString m_strAppFolder; // the program folder, with its trailing backslash
    CString m_strSkinPath;  // folder + "skins\" + name + ".gif" of the selected skin
    COLORREF m_crColour;
    bool m_bInitialized;

    CExtLabel m_wndColourLabel, m_wndSkinLabel;
    CColourPicker m_wndColour; // 1049
    CListBox m_wndSkins;       // 1051

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void SetSkinPath(const CString& strName);

    afx_msg void OnDestroy();
    afx_msg void OnSkinSelected();
    DECLARE_MESSAGE_MAP()
};
