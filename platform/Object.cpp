// CObject, CRuntimeClass and the registry of classes by name.
#include "platform/Object.h"
#include "platform/Archive.h"
#include "platform/Exceptions.h"
#include <mutex>

CRuntimeClass CObject::classCObject = {"CObject", (int)sizeof(CObject), 0xFFFF, nullptr, nullptr, nullptr};

namespace
{
struct ClassRegistry
{
    std::mutex lock;
    CRuntimeClass* first = nullptr;
};
ClassRegistry& Registry()
{
    static ClassRegistry r;
    return r;
}
} // namespace

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
    ClassRegistry& r = Registry();
    std::lock_guard<std::mutex> g(r.lock);
    for (CRuntimeClass* p = r.first; p; p = p->m_pNextClass)
        if (p == pNewClass)
            return;
    pNewClass->m_pNextClass = r.first;
    r.first = pNewClass;
}

CRuntimeClass* CObject::GetRuntimeClass() const { return &CObject::classCObject; }

void CObject::Serialize(CArchive& ar) { (void)ar; }

CObject* CRuntimeClass::CreateObject() const
{
    if (!m_pfnCreateObject)
        return nullptr;
    return m_pfnCreateObject();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    if (!pBaseClass)
        return FALSE;
    for (const CRuntimeClass* p = this; p; p = p->GetBaseClass())
        if (p == pBaseClass)
            return TRUE;
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (!lpszClassName)
        return nullptr;
    if (strcmp(lpszClassName, "CObject") == 0)
        return &CObject::classCObject;
    ClassRegistry& r = Registry();
    std::lock_guard<std::mutex> g(r.lock);
    for (CRuntimeClass* p = r.first; p; p = p->m_pNextClass)
        if (strcmp(p->m_lpszClassName, lpszClassName) == 0)
            return p;
    return nullptr;
}

CRuntimeClass* CRuntimeClass::FromName(LPCWSTR lpszClassName)
{
    if (!lpszClassName)
        return nullptr;
    char name[256];
    size_t i = 0;
    for (; lpszClassName[i]; ++i)
    {
        if (i + 1 >= sizeof name || lpszClassName[i] > 0x7F)
            return nullptr;
        name[i] = (char)lpszClassName[i];
    }
    name[i] = 0;
    return FromName(name);
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* p = FromName(lpszClassName);
    return p ? p->CreateObject() : nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCWSTR lpszClassName)
{
    CRuntimeClass* p = FromName(lpszClassName);
    return p ? p->CreateObject() : nullptr;
}

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nLen = (WORD)strlen(m_lpszClassName);
    ar << (WORD)m_wSchema << nLen;
    ar.Write(m_lpszClassName, nLen);
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    // Class names are short ASCII identifiers; anything else is a damaged archive.
    WORD wSchema = 0, nLen = 0;
    ar >> wSchema >> nLen;
    char name[64];
    if (nLen >= sizeof name || nLen == 0)
        AfxThrowArchiveException(CArchiveException::badClass, ar.m_strFileName);
    if (ar.Read(name, nLen) != nLen)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    name[nLen] = 0;
    if (pwSchemaNum)
        *pwSchemaNum = wSchema;
    return FromName(name);
}

CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    if (pObject && pObject->IsKindOf(pClass))
        return pObject;
    return nullptr;
}

CObject* AfxStaticDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    (void)pClass;
    ASSERT(pObject == nullptr || pObject->IsKindOf(pClass));
    return pObject;
}
