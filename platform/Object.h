// CObject and its run-time class records: type tests, dynamic creation, serialisation.
#pragma once
#include "platform/Core.h"

class CObject;
class CArchive;

// Set in a class's schema to mark it versionable: objects stored with another schema number
// are still loaded and the stored number is handed to Serialize (CArchive::GetObjectSchema).
#define VERSIONABLE_SCHEMA (0x80000000)

struct CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema; // 0xFFFF: not serialisable
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* (*m_pfnGetBaseClass)();
    CRuntimeClass* m_pNextClass; // registry chain

    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    CRuntimeClass* GetBaseClass() const { return m_pfnGetBaseClass ? m_pfnGetBaseClass() : nullptr; }
    BOOL IsSerializable() const { return (m_wSchema & 0xFFFF) != 0xFFFF; }

    // Lookup of a registered class by its name.
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
    static CRuntimeClass* FromName(LPCWSTR lpszClassName);
    static CObject* CreateObject(LPCSTR lpszClassName);
    static CObject* CreateObject(LPCWSTR lpszClassName);

    // Archive form of a class reference: schema WORD, name length WORD, ASCII name.
    void Store(CArchive& ar) const;
    static CRuntimeClass* Load(CArchive& ar, UINT* pwSchemaNum);
};

// Adds a class record to the registry; run by IMPLEMENT_* at static initialisation.
struct AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

class CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() {}
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const {}
    virtual void Dump(void* dc) const { (void)dc; }

    BOOL IsSerializable() const { return GetRuntimeClass()->IsSerializable(); }
    BOOL IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }

    static CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL _GetBaseClass() { return nullptr; }
    static CRuntimeClass* PASCAL GetThisClass() { return &classCObject; }

protected:
    CObject() {}
    CObject(const CObject&) {}
    CObject& operator=(const CObject&) { return *this; }
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                                                                    \
public:                                                                                                                \
    static CRuntimeClass class##class_name;                                                                            \
    static CRuntimeClass* PASCAL _GetBaseClass();                                                                      \
    static CRuntimeClass* PASCAL GetThisClass();                                                                       \
    virtual CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                                  \
    DECLARE_DYNAMIC(class_name)                                                                                        \
    static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name)                                                                                     \
    DECLARE_DYNCREATE(class_name)                                                                                      \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, wSchema, pfnNew)                                          \
    CRuntimeClass class_name::class##class_name = {#class_name, (int)sizeof(class class_name), (UINT)(wSchema),        \
                                                   pfnNew,      &class_name::_GetBaseClass,    nullptr};               \
    CRuntimeClass* PASCAL class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); }                       \
    CRuntimeClass* PASCAL class_name::GetThisClass() { return &class_name::class##class_name; }                        \
    [[maybe_unused]] CRuntimeClass* class_name::GetRuntimeClass() const { return &class_name::class##class_name; }     \
    static const AFX_CLASSINIT _init_##class_name(&class_name::class##class_name);

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                                 \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                               \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }                                              \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, 0xFFFF, &class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                                         \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }                                              \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, wSchema, &class_name::CreateObject)                           \
    [[maybe_unused]] CArchive& operator>>(CArchive& ar, class_name*& pOb)                                              \
    {                                                                                                                  \
        pOb = (class_name*)ar.ReadObject(RUNTIME_CLASS(class_name));                                                   \
        return ar;                                                                                                     \
    }

// Checked casts between classes with run-time class records.
CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
CObject* AfxStaticDownCast(CRuntimeClass* pClass, CObject* pObject);
#define DYNAMIC_DOWNCAST(class_name, object)                                                                           \
    ((class_name*)AfxDynamicDownCast(RUNTIME_CLASS(class_name), (CObject*)(object)))
#define STATIC_DOWNCAST(class_name, object)                                                                            \
    (static_cast<class_name*>(AfxStaticDownCast(RUNTIME_CLASS(class_name), (CObject*)(object))))

// A new object of a run-time class, as a T; nullptr (and nothing left behind) when the class
// makes no objects or makes no T.
template <class T> T* PlatformCreateObjectAs(const CRuntimeClass* pClass)
{
    CObject* pObject = pClass != nullptr ? pClass->CreateObject() : nullptr;
    T* p = DYNAMIC_DOWNCAST(T, pObject);
    if (p == nullptr)
        delete pObject;
    return p;
}
