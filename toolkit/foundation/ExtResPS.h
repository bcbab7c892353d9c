// CExtResPS: the toolkit's property-sheet base; its pages' templates are prepared by the pages.
#pragma once
#include "platform/PropertySheet.h"

class CExtResPS : public CPropertySheet
{
    DECLARE_DYNCREATE(CExtResPS)
public:
    CExtResPS();
    explicit CExtResPS(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CExtResPS(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CExtResPS() override;

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void BuildPropPageArray() override;
};
