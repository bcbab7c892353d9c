// CExtPopupMenuWnd: class record, construction and item access.
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtPopupMenuWnd, CExtPopupBaseWnd)

CExtPopupMenuWnd::CExtPopupMenuWnd() {}

CExtPopupMenuWnd::~CExtPopupMenuWnd() {}

int CExtPopupMenuWnd::GetItemCount() const
{
    return (int)m_items.GetSize();
}

CExtPopupMenuWnd::MENUITEMDATA& CExtPopupMenuWnd::GetItemAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= (int)m_items.GetSize())
        AfxThrowNotSupportedException();
    return m_items.ElementAt(nIndex);
}
