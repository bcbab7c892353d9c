// CExtResPS: the page-record array whose templates the toolkit's pages prepare.
#include "toolkit/foundation/ExtResPS.h"

IMPLEMENT_DYNCREATE(CExtResPS, CPropertySheet)

namespace
{
// Header flags that make a wizard (PSH_WIZARD, the old and the new PSH_WIZARD97).
const DWORD kWizardFlags = 0x0020 | 0x2000 | 0x01000000;
} // namespace

CExtResPS::CExtResPS() {}

CExtResPS::CExtResPS(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage)
{}

CExtResPS::CExtResPS(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage)
{}

CExtResPS::~CExtResPS() {}

void CExtResPS::BuildPropPageArray()
{
    // Toolkit pages prepare their templates for the sheet font themselves (a virtual step).
    BuildPageRecords(kWizardFlags);
}

BOOL CExtResPS::OnInitDialog() { return CPropertySheet::OnInitDialog(); }

LRESULT CExtResPS::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CPropertySheet::WindowProc(message, wParam, lParam);
}
