// CExtResPP: the toolkit's property-page base, whose template comes through the resource manager
// and takes the font of the common controls' own property sheet.
#pragma once
#include "platform/PropertySheet.h"

class CExtResPP : public CPropertyPage
{
    DECLARE_DYNCREATE(CExtResPP)
public:
    // The property-sheet font of the process, read once per kind of sheet.
    struct FAKE_PROPPAGEFONTINFO
    {
        HGLOBAL m_hFaceName = nullptr; // a copy of the face in global memory
        WORD m_wFontSize = 0;          // 0: not yet determined; 0xFFFF: none
        FAKE_PROPPAGEFONTINFO() {}
        ~FAKE_PROPPAGEFONTINFO();
        FAKE_PROPPAGEFONTINFO(const FAKE_PROPPAGEFONTINFO&) = delete;
        FAKE_PROPPAGEFONTINFO& operator=(const FAKE_PROPPAGEFONTINFO&) = delete;
    };

    // Templates of the common controls' sheets whose font pages take.
    static const WORD kPropSheetTemplate = 1006;
    static const WORD kWizardTemplate = 1020;

    CExtResPP();
    explicit CExtResPP(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CExtResPP(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    ~CExtResPP() override;

    void CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption);
    BOOL OnInitDialog() override;
    void PreProcessPageTemplate(PROPSHEETPAGEW& psp, BOOL bWizard) override;
    static UINT CALLBACK PropPageCallback(HWND hWnd, UINT message, LPPROPSHEETPAGEW pPropPage);

    // The face and size of the common controls' property sheet (wizard or normal); false when
    // they cannot be read ("COMCTL32.DLL" not loaded or its template missing).
    static bool GetPropSheetFont(CString& strFace, WORD& nSize, bool bWizard);
    // A copy of the template in the property-sheet font; null when it already has that font or
    // the font is unknown. The caller frees the copy with GlobalFree.
    static HGLOBAL ChangePropPageFont(LPCDLGTEMPLATE lpTemplate, bool bWizard, DWORD cbTemplate = 0);

    // The template name of the dialog-init step.
    LPCTSTR m_lpszResTemplateName = nullptr;

private:
    CString m_strResTemplateName; // storage of a string name
};
