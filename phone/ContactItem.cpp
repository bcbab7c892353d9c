// CContactItem: the parts of a contact's display text.
#include "phone/ContactItem.h"

CString CContactItem::GetName() const
{
    const int lt = m_strText.Find(L'<');
    return lt < 0 ? m_strText : m_strText.Left(lt);
}

CString CContactItem::GetNumber() const
{
    const int lt = m_strText.Find(L'<');
    const int gt = m_strText.Find(L'>');
    if (lt < 0 || gt < 0 || gt <= lt)
        return CString();
    return m_strText.Mid(lt + 1, gt - lt - 1);
}
