// Late-bound automation of the Outlook object model over IDispatch.
#include "phone/OutlookAutomation.h"

#include <new>
#include <utility>

namespace Automation
{

// ---------------------------------------------------------------------------------------------
// _bstr_t

_bstr_t::_bstr_t(const wchar_t* text) : m_str(nullptr)
{
    if (text && *text)
    {
        m_str = SysAllocString(text);
        if (!m_str)
            throw std::bad_alloc();
    }
}

_bstr_t::_bstr_t(const wchar_t* text, UINT length) : m_str(nullptr)
{
    if (text && length)
    {
        m_str = SysAllocStringLen(text, length);
        if (!m_str)
            throw std::bad_alloc();
    }
}

_bstr_t::_bstr_t(const _bstr_t& other) : _bstr_t(other.m_str, other.length()) {}

_bstr_t::~_bstr_t() { SysFreeString(m_str); }

_bstr_t& _bstr_t::operator=(const _bstr_t& other)
{
    if (this != &other)
    {
        _bstr_t copied(other);
        std::swap(m_str, copied.m_str);
    }
    return *this;
}

_bstr_t& _bstr_t::operator=(_bstr_t&& other) noexcept
{
    std::swap(m_str, other.m_str);
    return *this;
}

_bstr_t _bstr_t::Attach(BSTR owned) noexcept
{
    _bstr_t result;
    result.m_str = owned;
    return result;
}

BSTR _bstr_t::copy() const
{
    BSTR result = SysAllocStringLen(m_str ? m_str : L"", length());
    if (!result)
        throw std::bad_alloc();
    return result;
}

// ---------------------------------------------------------------------------------------------
// _com_error

namespace
{

// Result code of an EXCEPINFO that gives a 16-bit error code instead of an SCODE.
HRESULT CodeOfException(const EXCEPINFO& info, HRESULT fallback)
{
    if (FAILED(info.scode))
        return info.scode;
    if (info.wCode)
    {
        const HRESULT first = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x200);
        const HRESULT last = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0xFFFF);
        return info.wCode >= 0xFE00 ? last : first + info.wCode;
    }
    return fallback;
}

} // namespace

_com_error _com_error::FromInvoke(HRESULT hr, IUnknown* object, REFIID iid, EXCEPINFO* info)
{
    if (hr != DISP_E_EXCEPTION || !info)
        return FromObject(hr, object, iid);
    if (info->pfnDeferredFillIn)
        info->pfnDeferredFillIn(info);
    _bstr_t description = _bstr_t::Attach(info->bstrDescription);
    _bstr_t source = _bstr_t::Attach(info->bstrSource);
    SysFreeString(info->bstrHelpFile);
    info->bstrDescription = info->bstrSource = info->bstrHelpFile = nullptr;
    return _com_error(CodeOfException(*info, hr), description, source);
}

_com_error _com_error::FromObject(HRESULT hr, IUnknown* object, REFIID iid)
{
    if (!object)
        return _com_error(hr);
    ISupportErrorInfo* support = nullptr;
    if (FAILED(object->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support))) || !support)
        return _com_error(hr);
    const bool supported = support->InterfaceSupportsErrorInfo(iid) == S_OK;
    support->Release();
    IErrorInfo* errorInfo = nullptr;
    if (!supported || GetErrorInfo(0, &errorInfo) != S_OK || !errorInfo)
        return _com_error(hr);
    BSTR description = nullptr, source = nullptr;
    if (FAILED(errorInfo->GetDescription(&description)))
        description = nullptr;
    if (FAILED(errorInfo->GetSource(&source)))
        source = nullptr;
    errorInfo->Release();
    return _com_error(hr, _bstr_t::Attach(description), _bstr_t::Attach(source));
}

// ---------------------------------------------------------------------------------------------
// CDispatchObject

namespace
{

// A VARIANT cleared when it goes out of scope.
struct ScopedVariant : VARIANT
{
    ScopedVariant() { VariantInit(this); }
    ~ScopedVariant() { VariantClear(this); }
    ScopedVariant(const ScopedVariant&) = delete;
    ScopedVariant& operator=(const ScopedVariant&) = delete;
};

} // namespace

CDispatchObject::CDispatchObject(IDispatch* p) noexcept : m_p(p), m_iid(&IID_IDispatch)
{
    if (m_p)
        m_p->AddRef();
}

CDispatchObject::CDispatchObject(const CDispatchObject& other) noexcept : m_p(other.m_p), m_iid(other.m_iid)
{
    if (m_p)
        m_p->AddRef();
}

CDispatchObject::CDispatchObject(CDispatchObject&& other) noexcept : m_p(other.m_p), m_iid(other.m_iid)
{
    other.m_p = nullptr;
}

CDispatchObject& CDispatchObject::operator=(const CDispatchObject& other) noexcept
{
    if (other.m_p)
        other.m_p->AddRef();
    Release();
    m_p = other.m_p;
    m_iid = other.m_iid;
    return *this;
}

CDispatchObject& CDispatchObject::operator=(CDispatchObject&& other) noexcept
{
    if (this != &other)
    {
        Release();
        m_p = other.m_p;
        m_iid = other.m_iid;
        other.m_p = nullptr;
    }
    return *this;
}

void CDispatchObject::Release() noexcept
{
    if (m_p)
    {
        IDispatch* p = m_p;
        m_p = nullptr;
        p->Release();
    }
}

void CDispatchObject::AttachAs(IDispatch* from)
{
    Release();
    if (!from)
        return;
    IDispatch* typed = nullptr;
    if (SUCCEEDED(from->QueryInterface(*m_iid, reinterpret_cast<void**>(&typed))) && typed)
    {
        m_p = typed;
    }
    else
    {
        m_p = from;
        m_p->AddRef();
    }
}

void CDispatchObject::QueryAs(IUnknown* from)
{
    Release();
    if (!from)
        return;
    IDispatch* typed = nullptr;
    if (SUCCEEDED(from->QueryInterface(*m_iid, reinterpret_cast<void**>(&typed))))
        m_p = typed;
}

void CDispatchObject::Call(const wchar_t* name, WORD flags, VARIANT* args, UINT argCount, VARIANT* result) const
{
    if (!m_p)
        throw _com_error(E_POINTER);
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[1] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = m_p->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        throw _com_error::FromObject(hr, m_p, *m_iid);

    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params = {};
    params.rgvarg = args;
    params.cArgs = argCount;
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))
    {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
    EXCEPINFO info = {};
    UINT argError = 0;
    hr = m_p->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &info, &argError);
    if (FAILED(hr))
    {
        if (result)
            VariantClear(result);
        throw _com_error::FromInvoke(hr, m_p, *m_iid, &info);
    }
}

_bstr_t CDispatchObject::GetText(const wchar_t* name) const
{
    ScopedVariant value;
    Call(name, DISPATCH_PROPERTYGET, nullptr, 0, &value);
    if (value.vt == VT_EMPTY || value.vt == VT_NULL)
        return _bstr_t();
    if (value.vt != VT_BSTR)
    {
        HRESULT hr = VariantChangeType(&value, &value, 0, VT_BSTR);
        if (FAILED(hr))
            throw _com_error(hr);
    }
    _bstr_t text = _bstr_t::Attach(value.bstrVal);
    value.vt = VT_EMPTY;
    return text;
}

void CDispatchObject::PutText(const wchar_t* name, const _bstr_t& text) const
{
    ScopedVariant arg;
    arg.vt = VT_BSTR;
    arg.bstrVal = text.copy();
    Call(name, DISPATCH_PROPERTYPUT, &arg, 1, nullptr);
}

long CDispatchObject::GetLong(const wchar_t* name) const
{
    ScopedVariant value;
    Call(name, DISPATCH_PROPERTYGET, nullptr, 0, &value);
    HRESULT hr = VariantChangeType(&value, &value, 0, VT_I4);
    if (FAILED(hr))
        throw _com_error(hr);
    return value.lVal;
}

namespace
{

// Takes the object out of a call's result: none for an empty, null or null-object result.
IDispatch* TakeObject(VARIANT& value)
{
    IDispatch* object = nullptr;
    switch (value.vt)
    {
    case VT_EMPTY:
    case VT_NULL: return nullptr;
    case VT_DISPATCH:
        object = value.pdispVal;
        value.vt = VT_EMPTY;
        return object;
    case VT_UNKNOWN:
        if (value.punkVal && FAILED(value.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object))))
            object = nullptr;
        return object;
    default: throw _com_error(DISP_E_TYPEMISMATCH);
    }
}

} // namespace

IDispatch* CDispatchObject::GetObjectProperty(const wchar_t* name) const
{
    ScopedVariant value;
    Call(name, DISPATCH_PROPERTYGET, nullptr, 0, &value);
    return TakeObject(value);
}

IDispatch* CDispatchObject::CallObjectMethod(const wchar_t* name, VARIANT* args, UINT argCount) const
{
    ScopedVariant value;
    Call(name, DISPATCH_METHOD, args, argCount, &value);
    return TakeObject(value);
}

void CDispatchObject::CallMethod(const wchar_t* name) const
{
    ScopedVariant ignored;
    Call(name, DISPATCH_METHOD, nullptr, 0, &ignored);
}

} // namespace Automation

namespace Outlook
{

// {0006F03A-0000-0000-C000-000000000046}
const CLSID CLSID_Application = {0x0006F03A, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID__Application = {0x00063001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID__NameSpace = {0x00063002, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_MAPIFolder = {0x00063006, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID__Items = {0x00063041, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID__ContactItem = {0x00063021, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

namespace
{

// Wraps a returned reference that the caller owns.
template <class Wrapper> Wrapper Adopt(IDispatch* object)
{
    Wrapper wrapper(object);
    if (object)
        object->Release();
    return wrapper;
}

CDispatchObject AdoptPlain(IDispatch* object)
{
    CDispatchObject wrapper(object);
    if (object)
        object->Release();
    return wrapper;
}

struct LongArgument : VARIANT
{
    explicit LongArgument(long value)
    {
        VariantInit(this);
        vt = VT_I4;
        lVal = value;
    }
};

} // namespace

long _Items::GetCount() const { return GetLong(L"Count"); }

CDispatchObject _Items::GetFirst() const { return AdoptPlain(CallObjectMethod(L"GetFirst", nullptr, 0)); }

CDispatchObject _Items::GetNext() const { return AdoptPlain(CallObjectMethod(L"GetNext", nullptr, 0)); }

_Items MAPIFolder::GetItems() const { return Adopt<_Items>(GetObjectProperty(L"Items")); }

MAPIFolder _NameSpace::GetDefaultFolder(long folderType) const
{
    LongArgument arg(folderType);
    return Adopt<MAPIFolder>(CallObjectMethod(L"GetDefaultFolder", &arg, 1));
}

_Application _Application::QueryFrom(IUnknown* object)
{
    _Application app;
    app.QueryAs(object);
    return app;
}

_NameSpace _Application::GetNamespace(const _bstr_t& type) const
{
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_BSTR;
    arg.bstrVal = type.copy();
    IDispatch* result = nullptr;
    try
    {
        result = CallObjectMethod(L"GetNamespace", &arg, 1);
    }
    catch (...)
    {
        VariantClear(&arg);
        throw;
    }
    VariantClear(&arg);
    return Adopt<_NameSpace>(result);
}

CDispatchObject _Application::CreateItem(long itemType) const
{
    LongArgument arg(itemType);
    return AdoptPlain(CallObjectMethod(L"CreateItem", &arg, 1));
}

_ContactItem _ContactItem::QueryFrom(const CDispatchObject& item)
{
    _ContactItem contact;
    contact.QueryAs(item.GetInterfacePtr());
    return contact;
}

} // namespace Outlook
