// Typed collections: archive forms and hashing.
#include "platform/Collections.h"

IMPLEMENT_SERIAL(CByteArray, CObject, 0)
IMPLEMENT_SERIAL(CWordArray, CObject, 0)
IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
IMPLEMENT_SERIAL(CUIntArray, CObject, 0)
IMPLEMENT_SERIAL(CObArray, CObject, 0)
IMPLEMENT_SERIAL(CStringArray, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_SERIAL(CObList, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_SERIAL(CStringList, CObject, 0)
IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)
IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)
IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
IMPLEMENT_SERIAL(CMapWordToOb, CObject, 0)

void SerializeElements(CArchive& ar, CString* pElements, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; ++i)
    {
        if (ar.IsStoring())
            ar << pElements[i];
        else
            ar >> pElements[i];
    }
}

void SerializeElements(CArchive& ar, CObject** pElements, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; ++i)
    {
        if (ar.IsStoring())
            ar << pElements[i];
        else
            ar >> pElements[i];
    }
}

template <> UINT HashKey<LPCWSTR>(LPCWSTR key)
{
    UINT nHash = 0;
    if (key)
        while (*key)
            nHash = (nHash << 5) + nHash + *key++;
    return nHash;
}

template <> UINT HashKey<LPCSTR>(LPCSTR key)
{
    UINT nHash = 0;
    if (key)
        while (*key)
            nHash = (nHash << 5) + nHash + (BYTE)*key++;
    return nHash;
}

template <> UINT HashKey<const CString&>(const CString& key) { return HashKey<LPCWSTR>(key.GetString()); }

template <> UINT HashKey<CString>(CString key) { return HashKey<LPCWSTR>(key.GetString()); }

// Element arrays: count, then the elements in their archive form.
void CByteArray::Serialize(CArchive& ar) { CArray<BYTE, BYTE>::Serialize(ar); }
void CWordArray::Serialize(CArchive& ar) { CArray<WORD, WORD>::Serialize(ar); }
void CDWordArray::Serialize(CArchive& ar) { CArray<DWORD, DWORD>::Serialize(ar); }
void CUIntArray::Serialize(CArchive& ar) { CArray<UINT, UINT>::Serialize(ar); }
void CObArray::Serialize(CArchive& ar) { CArray<CObject*, CObject*>::Serialize(ar); }
void CStringArray::Serialize(CArchive& ar) { CArray<CString, LPCTSTR>::Serialize(ar); }
void CPtrArray::Serialize(CArchive&) { AfxThrowNotSupportedException(); }

void CObList::Serialize(CArchive& ar) { CList<CObject*, CObject*>::Serialize(ar); }
void CPtrList::Serialize(CArchive&) { AfxThrowNotSupportedException(); }
void CStringList::Serialize(CArchive& ar) { CList<CString, LPCTSTR>::Serialize(ar); }

void CMapStringToPtr::Serialize(CArchive&) { AfxThrowNotSupportedException(); }
void CMapStringToOb::Serialize(CArchive& ar) { CMap<CString, LPCTSTR, CObject*, CObject*>::Serialize(ar); }
void CMapStringToString::Serialize(CArchive& ar) { CMap<CString, LPCTSTR, CString, LPCTSTR>::Serialize(ar); }
void CMapPtrToPtr::Serialize(CArchive&) { AfxThrowNotSupportedException(); }
void CMapPtrToWord::Serialize(CArchive&) { AfxThrowNotSupportedException(); }
void CMapWordToPtr::Serialize(CArchive&) { AfxThrowNotSupportedException(); }
void CMapWordToOb::Serialize(CArchive& ar) { CMap<WORD, WORD, CObject*, CObject*>::Serialize(ar); }
