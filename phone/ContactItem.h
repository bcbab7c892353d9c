// One contact number of the document: "Name<+628123>,MOB", the contact's categories and a flag.
#pragma once
#include "platform/Platform.h"

class CContactItem
{
public:
    CContactItem() : m_bFlag(0) {}
    CContactItem(const CString& strText, const CString& strCategory, BYTE bFlag = 0)
        : m_strText(strText), m_strCategory(strCategory), m_bFlag(bFlag)
    {}

    // The display text before the first "<".
    CString GetName() const;
    // The display text between the first "<" and the first ">".
    CString GetNumber() const;

    CString m_strText;     // name, "<", number ("+" and digits), ">,", kind code
    CString m_strCategory; // the contact's Outlook categories
    BYTE m_bFlag;          // 0 when added
};

// Contacts are never stored; the array still needs its element form.
inline void SerializeElements(CArchive& ar, CContactItem* pElements, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; ++i)
    {
        if (ar.IsStoring())
            ar << pElements[i].m_strText << pElements[i].m_strCategory << pElements[i].m_bFlag;
        else
            ar >> pElements[i].m_strText >> pElements[i].m_strCategory >> pElements[i].m_bFlag;
    }
}
