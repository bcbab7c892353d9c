// Late-bound automation of the Outlook object model.
//
// Every wrapper call resolves its member by name (IDispatch::GetIDsOfNames) and makes the call
// through IDispatch::Invoke. A failing call raises Automation::_com_error with the result code
// and the description the object reported (EXCEPINFO or IErrorInfo). Texts travel as BSTRs
// (UTF-16) both ways.
//
// The automation helpers live in their own namespaces so that they never meet the compiler's
// own COM support classes of the same names.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

namespace Automation
{

// An owned BSTR. Never yields a null text: an empty string reads as L"".
class _bstr_t
{
public:
    _bstr_t() noexcept : m_str(nullptr) {}
    _bstr_t(const wchar_t* text);
    _bstr_t(const wchar_t* text, UINT length);
    _bstr_t(const _bstr_t& other);
    _bstr_t(_bstr_t&& other) noexcept : m_str(other.m_str) { other.m_str = nullptr; }
    ~_bstr_t();
    _bstr_t& operator=(const _bstr_t& other);
    _bstr_t& operator=(_bstr_t&& other) noexcept;

    // Takes ownership of a BSTR the caller allocated.
    static _bstr_t Attach(BSTR owned) noexcept;

    operator const wchar_t*() const noexcept { return m_str ? m_str : L""; }
    unsigned length() const noexcept { return m_str ? SysStringLen(m_str) : 0; }
    bool empty() const noexcept { return length() == 0; }
    // The BSTR itself (may be null for an empty text); stays owned by this object.
    BSTR GetBSTR() const noexcept { return m_str; }
    // A fresh copy the caller owns (never null).
    BSTR copy() const;

private:
    BSTR m_str;
};

// Automation error: the failing result code with the description and source the failing
// object reported (both empty when it reported none).
class _com_error
{
public:
    explicit _com_error(HRESULT hr, const _bstr_t& description = _bstr_t(), const _bstr_t& source = _bstr_t())
        : m_hr(hr), m_description(description), m_source(source)
    {}

    HRESULT Error() const noexcept { return m_hr; }
    const _bstr_t& Description() const noexcept { return m_description; }
    const _bstr_t& Source() const noexcept { return m_source; }

    // Error of a failed Invoke: DISP_E_EXCEPTION takes code and texts from the EXCEPINFO
    // (whose strings it frees); any other code asks the object for its IErrorInfo.
    static _com_error FromInvoke(HRESULT hr, IUnknown* object, REFIID iid, EXCEPINFO* info);
    // Error of a failed call without EXCEPINFO: the object's IErrorInfo when it supports it.
    static _com_error FromObject(HRESULT hr, IUnknown* object, REFIID iid);

private:
    HRESULT m_hr;
    _bstr_t m_description;
    _bstr_t m_source;
};

// A counted reference to an automation object together with the interface it is used as.
class CDispatchObject
{
public:
    CDispatchObject() noexcept : m_p(nullptr), m_iid(&IID_IDispatch) {}
    // Adds a reference to p.
    explicit CDispatchObject(IDispatch* p) noexcept;
    CDispatchObject(const CDispatchObject& other) noexcept;
    CDispatchObject(CDispatchObject&& other) noexcept;
    ~CDispatchObject() { Release(); }
    CDispatchObject& operator=(const CDispatchObject& other) noexcept;
    CDispatchObject& operator=(CDispatchObject&& other) noexcept;

    explicit operator bool() const noexcept { return m_p != nullptr; }
    IDispatch* GetInterfacePtr() const noexcept { return m_p; }
    const IID& InterfaceId() const noexcept { return *m_iid; }
    void Release() noexcept;

protected:
    explicit CDispatchObject(const IID& iid) noexcept : m_p(nullptr), m_iid(&iid) {}
    // Uses 'from' as this interface: its QueryInterface for m_iid when it answers, else the
    // dispatch itself (members are reached by name either way).
    void AttachAs(IDispatch* from);
    // Only an object answering QueryInterface for m_iid is taken; otherwise stays empty.
    void QueryAs(IUnknown* from);

    // Calls a member. args are in Invoke order (last argument first).
    void Call(const wchar_t* name, WORD flags, VARIANT* args, UINT argCount, VARIANT* result) const;
    _bstr_t GetText(const wchar_t* name) const;
    void PutText(const wchar_t* name, const _bstr_t& value) const;
    long GetLong(const wchar_t* name) const;
    IDispatch* GetObjectProperty(const wchar_t* name) const; // caller owns the reference
    IDispatch* CallObjectMethod(const wchar_t* name, VARIANT* args, UINT argCount) const;
    void CallMethod(const wchar_t* name) const;

private:
    IDispatch* m_p;
    const IID* m_iid;
};

} // namespace Automation

namespace Outlook
{

using Automation::_bstr_t;
using Automation::_com_error;
using Automation::CDispatchObject;

// Identifiers of the application class and of the dual interfaces used here.
extern const CLSID CLSID_Application;
extern const IID IID__Application;
extern const IID IID__NameSpace;
extern const IID IID_MAPIFolder;
extern const IID IID__Items;
extern const IID IID__ContactItem;

enum OlDefaultFolders
{
    olFolderContacts = 10
};
enum OlItemType
{
    olContactItem = 2
};

class _Items : public CDispatchObject
{
public:
    _Items() noexcept : CDispatchObject(IID__Items) {}
    explicit _Items(IDispatch* p) : CDispatchObject(IID__Items) { AttachAs(p); }
    long GetCount() const;
    CDispatchObject GetFirst() const; // may be none
    CDispatchObject GetNext() const;  // may be none
};

class MAPIFolder : public CDispatchObject
{
public:
    MAPIFolder() noexcept : CDispatchObject(IID_MAPIFolder) {}
    explicit MAPIFolder(IDispatch* p) : CDispatchObject(IID_MAPIFolder) { AttachAs(p); }
    _Items GetItems() const; // may be none
};

class _NameSpace : public CDispatchObject
{
public:
    _NameSpace() noexcept : CDispatchObject(IID__NameSpace) {}
    explicit _NameSpace(IDispatch* p) : CDispatchObject(IID__NameSpace) { AttachAs(p); }
    MAPIFolder GetDefaultFolder(long folderType) const; // may be none
};

class _Application : public CDispatchObject
{
public:
    _Application() noexcept : CDispatchObject(IID__Application) {}
    // The object's _Application interface, or none when it has none.
    static _Application QueryFrom(IUnknown* object);
    _NameSpace GetNamespace(const _bstr_t& type) const;
    CDispatchObject CreateItem(long itemType) const; // may be none
};

class _ContactItem : public CDispatchObject
{
public:
    _ContactItem() noexcept : CDispatchObject(IID__ContactItem) {}
    // The item's _ContactItem interface, or none (a distribution list, for example).
    static _ContactItem QueryFrom(const CDispatchObject& item);

    typedef _bstr_t (_ContactItem::*TextGetter)() const;
    typedef void (_ContactItem::*TextSetter)(const _bstr_t&) const;

#define CORVANE_CONTACT_TEXT_PROPERTY(Name)                                                                            \
    _bstr_t Get##Name() const { return GetText(L"" #Name); }                                                           \
    void Put##Name(const _bstr_t& value) const { PutText(L"" #Name, value); }

    CORVANE_CONTACT_TEXT_PROPERTY(FileAs)
    CORVANE_CONTACT_TEXT_PROPERTY(Categories)
    CORVANE_CONTACT_TEXT_PROPERTY(FirstName)
    CORVANE_CONTACT_TEXT_PROPERTY(LastName)
    CORVANE_CONTACT_TEXT_PROPERTY(BusinessFaxNumber)
    CORVANE_CONTACT_TEXT_PROPERTY(PagerNumber)
    CORVANE_CONTACT_TEXT_PROPERTY(BusinessTelephoneNumber)
    CORVANE_CONTACT_TEXT_PROPERTY(MobileTelephoneNumber)
    CORVANE_CONTACT_TEXT_PROPERTY(HomeTelephoneNumber)
    CORVANE_CONTACT_TEXT_PROPERTY(Home2TelephoneNumber)
    CORVANE_CONTACT_TEXT_PROPERTY(HomeFaxNumber)
    CORVANE_CONTACT_TEXT_PROPERTY(CarTelephoneNumber)
    CORVANE_CONTACT_TEXT_PROPERTY(AssistantTelephoneNumber)
    CORVANE_CONTACT_TEXT_PROPERTY(Business2TelephoneNumber)
    CORVANE_CONTACT_TEXT_PROPERTY(RadioTelephoneNumber)
#undef CORVANE_CONTACT_TEXT_PROPERTY

    void Save() const { CallMethod(L"Save"); }
};

} // namespace Outlook
