// CExtResizablePropertyPage: the toolkit's resizable property page (anchoring and state layers over
// CExtResPP), stretched over its sheet's tab area and quiet when embedded.
#pragma once
#include "toolkit/foundation/ExtResPP.h"
#include "toolkit/menus_dialogs/ExtWA.h"

class CExtResizablePropertyPage : public CExtWA<CExtWS<CExtResPP, 301>>
{
    DECLARE_DYNCREATE(CExtResizablePropertyPage)
public:
    typedef CExtWA<CExtWS<CExtResPP, 301>> Layers_t;

    CExtResizablePropertyPage();
    ~CExtResizablePropertyPage() override;

    BYTE m_nPageFlags = 0; // the dialog's bits: idle update on, idle update running

protected:
    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Enter and Escape: nothing for an embedded page; otherwise the property page's own handling.
    void OnOK() override;
    void OnCancel() override;
};
