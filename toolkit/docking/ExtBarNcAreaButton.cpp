// CExtBarNcAreaButton: class record and construction.
#include "toolkit/docking/ExtBarNcAreaButton.h"

IMPLEMENT_DYNAMIC(CExtBarNcAreaButton, CObject)

CExtBarNcAreaButton::CExtBarNcAreaButton(CExtControlBar* pBar) : m_pBar(pBar) {}

CExtBarNcAreaButton::~CExtBarNcAreaButton() {}
