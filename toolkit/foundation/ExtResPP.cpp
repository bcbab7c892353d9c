// CExtResPP: page records through the resource manager and the property-sheet font of pages.
#include "toolkit/foundation/ExtResPP.h"
#include "platform/DialogTemplate.h"
#include "platform/Exceptions.h"
#include "platform/WinApp.h"
#include "toolkit/foundation/ExtResDlg.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include <cstring>

IMPLEMENT_DYNCREATE(CExtResPP, CPropertyPage)

namespace
{
// One cache per kind of sheet: wizards and normal sheets have templates of their own.
CExtResPP::FAKE_PROPPAGEFONTINFO g_PropSheetFont;
CExtResPP::FAKE_PROPPAGEFONTINFO g_WizardFont;

void CacheFont(CExtResPP::FAKE_PROPPAGEFONTINFO& info, const CString& strFace, WORD nSize)
{
    const size_t cb = ((size_t)strFace.GetLength() + 1) * sizeof(wchar_t);
    HGLOBAL h = ::GlobalAlloc(GPTR, cb);
    if (h == nullptr)
    {
        info.m_wFontSize = 0xFFFF;
        return;
    }
    memcpy((void*)h, strFace.GetString(), cb);
    info.m_hFaceName = h;
    info.m_wFontSize = nSize;
}
} // namespace

CExtResPP::FAKE_PROPPAGEFONTINFO::~FAKE_PROPPAGEFONTINFO()
{
    if (m_hFaceName != nullptr)
        ::GlobalFree(m_hFaceName);
    m_hFaceName = nullptr;
}

bool CExtResPP::GetPropSheetFont(CString& strFace, WORD& nSize, bool bWizard)
{
    FAKE_PROPPAGEFONTINFO& info = bWizard ? g_WizardFont : g_PropSheetFont;
    if (info.m_wFontSize == 0)
    {
        // Without the library loaded there is no sheet font: the font operations change nothing.
        info.m_wFontSize = 0xFFFF;
        HMODULE hComCtl = ::GetModuleHandleW(L"COMCTL32.DLL");
        CExtResourceBuffer buffer;
        CString strSheetFace;
        WORD nSheetSize = 0;
        if (hComCtl != nullptr &&
            buffer.FindAndLoad(hComCtl, RT_DIALOG, MAKEINTRESOURCEW(bWizard ? kWizardTemplate : kPropSheetTemplate),
                               g_ResourceManagerHolder->GetDefaultLanguage()) &&
            ExtReadDialogTemplateFont((const DLGTEMPLATE*)buffer.GetBuffer(), buffer.GetSize(), strSheetFace,
                                      nSheetSize) &&
            nSheetSize != 0 && nSheetSize != 0xFFFF)
            CacheFont(info, strSheetFace, nSheetSize);
    }
    if (info.m_wFontSize == 0xFFFF || info.m_hFaceName == nullptr)
        return false;
    strFace = (LPCWSTR)info.m_hFaceName;
    nSize = info.m_wFontSize;
    return true;
}

HGLOBAL CExtResPP::ChangePropPageFont(LPCDLGTEMPLATE lpTemplate, bool bWizard, DWORD cbTemplate)
{
    if (lpTemplate == nullptr)
        return nullptr;
    CString strSheetFace;
    WORD nSheetSize = 0;
    if (!GetPropSheetFont(strSheetFace, nSheetSize, bWizard))
        return nullptr;
    if (cbTemplate == 0)
        cbTemplate = CDialogTemplate::GetTemplateSize(lpTemplate);
    CString strFace;
    WORD nSize = 0;
    if (ExtReadDialogTemplateFont(lpTemplate, cbTemplate, strFace, nSize) && strFace == strSheetFace &&
        nSize == nSheetSize)
        return nullptr;
    return CDialogTemplate::CopyWithFont(lpTemplate, cbTemplate, strSheetFace, nSheetSize);
}

CExtResPP::CExtResPP() { CommonConstruct(nullptr, 0); }

CExtResPP::CExtResPP(UINT nIDTemplate, UINT nIDCaption)
{
    CommonConstruct(MAKEINTRESOURCEW(LOWORD(nIDTemplate)), nIDCaption);
}

CExtResPP::CExtResPP(LPCTSTR lpszTemplateName, UINT nIDCaption) { CommonConstruct(lpszTemplateName, nIDCaption); }

CExtResPP::~CExtResPP() {}

void CExtResPP::CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    if (lpszTemplateName != nullptr && !IS_INTRESOURCE(lpszTemplateName))
    {
        m_strResTemplateName = lpszTemplateName;
        lpszTemplateName = m_strResTemplateName;
    }
    memset(&m_psp, 0, sizeof m_psp);
    // The record size of this platform's common controls (the sheet rejects smaller records).
    m_psp.dwSize = sizeof(PROPSHEETPAGEW);
    m_psp.dwFlags = PSP_USECALLBACK;
    if (lpszTemplateName != nullptr)
        m_psp.hInstance = g_ResourceManagerHolder->FindResourcePreferred(RT_DIALOG, lpszTemplateName);
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.pfnDlgProc = AfxDlgProc;
    m_psp.lParam = (LPARAM)this;
    m_psp.pfnCallback = &CExtResPP::PropPageCallback;
    if (nIDCaption != 0)
    {
        g_ResourceManagerHolder->LoadStringRes(m_strCaption, nIDCaption);
        m_psp.pszTitle = m_strCaption;
        m_psp.dwFlags |= PSP_USETITLE;
    }
    if (AfxHelpEnabled())
        m_psp.dwFlags |= PSP_HASHELP;
    if (lpszTemplateName != nullptr && IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
    m_lpszTemplateName = m_psp.pszTemplate;
    m_lpszResTemplateName = lpszTemplateName;
    m_bFirstSetActive = TRUE;
}

UINT CALLBACK CExtResPP::PropPageCallback(HWND hWnd, UINT message, LPPROPSHEETPAGEW pPropPage)
{
    return AfxPropPageCallback(hWnd, message, pPropPage);
}

void CExtResPP::PreProcessPageTemplate(PROPSHEETPAGEW& psp, BOOL bWizard)
{
    LPCDLGTEMPLATE lpTemplate = nullptr;
    DWORD cbTemplate = 0;
    if (psp.dwFlags & PSP_DLGINDIRECT)
    {
        lpTemplate = psp.pResource;
        // Dialog-init data cannot be found by name for a template in memory.
        m_lpszResTemplateName = nullptr;
    }
    else if (psp.pszTemplate != nullptr)
    {
        HINSTANCE hModule = nullptr;
        lpTemplate = ExtFindDialogTemplate(psp.pszTemplate, cbTemplate, hModule);
        if (lpTemplate == nullptr && hModule != nullptr)
        {
            // Found but refused (it does not lie within its resource): the sheet must not read it
            // by name either. Id 0 names no resource, so the page fares as one whose template is
            // missing.
            psp.pszTemplate = MAKEINTRESOURCEW(0);
            return;
        }
    }
    if (lpTemplate == nullptr)
        return;
    if (cbTemplate == 0)
        cbTemplate = CDialogTemplate::GetTemplateSize(lpTemplate);
    HGLOBAL hCopy = ChangePropPageFont(lpTemplate, bWizard != FALSE, cbTemplate);
    if (hCopy == nullptr)
    {
        // Already in the sheet's font: the page still keeps a copy of its own.
        CDialogTemplate copy;
        if (copy.SetTemplate(lpTemplate, cbTemplate))
            hCopy = copy.Detach();
    }
    if (hCopy != nullptr)
        UseTemplateCopy(psp, hCopy);
}

BOOL CExtResPP::OnInitDialog()
{
    return ExtResOnInitDialog(this, m_lpszResTemplateName, [this] { return CPropertyPage::OnInitDialog(); });
}
