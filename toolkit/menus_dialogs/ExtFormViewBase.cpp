// CExtFormViewBase: a form view over its dialog template.
#include "toolkit/menus_dialogs/ExtFormViewBase.h"

IMPLEMENT_DYNAMIC(CExtFormViewBase, CFormView)

CExtFormViewBase::CExtFormViewBase(UINT nIDTemplate) : CFormView(nIDTemplate) {}

CExtFormViewBase::~CExtFormViewBase() {}
