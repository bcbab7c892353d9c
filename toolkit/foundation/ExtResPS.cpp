// CExtResPS: the page-record array whose templates the toolkit's pages prepare.
#include "toolkit/foundation/ExtResPS.h"
#include "toolkit/foundation/ExtResPP.h"
#include <algorithm>
#include <cstring>

IMPLEMENT_DYNCREATE(CExtResPS, CPropertySheet)

namespace
{
// Header flags that make a wizard (PSH_WIZARD, the old and the new PSH_WIZARD97).
const DWORD kWizardFlags = 0x0020 | 0x2000 | 0x01000000;
} // namespace

CExtResPS::CExtResPS() {}

CExtResPS::CExtResPS(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage)
{
}

CExtResPS::CExtResPS(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage)
{
}

CExtResPS::~CExtResPS() {}

void CExtResPS::BuildPropPageArray()
{
    delete[] m_pPageArray;
    m_pPageArray = nullptr;
    m_psh.ppsp = nullptr;
    const int nCount = (int)m_pages.GetSize();
    PROPSHEETPAGEW* ppsp = new PROPSHEETPAGEW[nCount > 0 ? nCount : 1];
    memset(ppsp, 0, sizeof(PROPSHEETPAGEW) * (nCount > 0 ? nCount : 1));
    const BOOL bWizard = (m_psh.dwFlags & kWizardFlags) != 0;
    for (int i = 0; i < nCount; ++i)
    {
        CPropertyPage* pPage = GetPage(i);
        memcpy(&ppsp[i], &pPage->m_psp, std::min<size_t>(pPage->m_psp.dwSize, sizeof(PROPSHEETPAGEW)));
        // A toolkit page applies the sheet font; any other page its own step (both virtual).
        pPage->PreProcessPageTemplate(ppsp[i], bWizard);
    }
    m_pPageArray = ppsp;
    m_psh.ppsp = ppsp;
    m_psh.nPages = (UINT)nCount;
}

BOOL CExtResPS::OnInitDialog() { return CPropertySheet::OnInitDialog(); }

LRESULT CExtResPS::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CPropertySheet::WindowProc(message, wParam, lParam);
}
