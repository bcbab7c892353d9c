// CExtFormViewBase: the form-view class the resizable templates stand on; a view built as
// CExtWA<CExtWS<CExtFormViewBase, 301>> keeps its form's controls anchored to its size.
#pragma once
#include "platform/View.h"

class CExtFormViewBase : public CFormView
{
    DECLARE_DYNAMIC(CExtFormViewBase)
public:
    explicit CExtFormViewBase(UINT nIDTemplate);
    ~CExtFormViewBase() override;
};
