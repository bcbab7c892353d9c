#include "phone/FakeOutlook.h"

#include "phone/OutlookAutomation.h"

namespace fake
{

namespace
{

// {00063081-0000-0000-C000-000000000046}, the distribution-list item's interface.
const IID IID_DistListItem = {0x00063081, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

const wchar_t* const kContactProperties[] = {L"FileAs",
                                             L"Categories",
                                             L"FirstName",
                                             L"LastName",
                                             L"BusinessFaxNumber",
                                             L"PagerNumber",
                                             L"BusinessTelephoneNumber",
                                             L"MobileTelephoneNumber",
                                             L"HomeTelephoneNumber",
                                             L"Home2TelephoneNumber",
                                             L"HomeFaxNumber",
                                             L"CarTelephoneNumber",
                                             L"AssistantTelephoneNumber",
                                             L"Business2TelephoneNumber",
                                             L"RadioTelephoneNumber"};

std::vector<std::wstring> ContactMembers()
{
    std::vector<std::wstring> members(std::begin(kContactProperties), std::end(kContactProperties));
    members.push_back(L"Save");
    return members;
}

} // namespace

// ---------------------------------------------------------------------------------------------

Object::Object(std::vector<IID> interfaces, std::vector<std::wstring> members)
    : m_interfaces(std::move(interfaces)), m_members(std::move(members))
{}

STDMETHODIMP Object::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch)
    {
        *out = static_cast<IDispatch*>(this);
    }
    else if (iid == IID_ISupportErrorInfo)
    {
        *out = static_cast<ISupportErrorInfo*>(this);
    }
    else
    {
        for (const IID& own : m_interfaces)
            if (own == iid)
                *out = static_cast<IDispatch*>(this);
    }
    if (!*out)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) Object::AddRef() { return InterlockedIncrement(&m_refs); }

STDMETHODIMP_(ULONG) Object::Release()
{
    LONG left = InterlockedDecrement(&m_refs);
    if (left == 0)
        delete this;
    return left;
}

STDMETHODIMP Object::GetTypeInfoCount(UINT* count)
{
    if (count)
        *count = 0;
    return S_OK;
}

STDMETHODIMP Object::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

STDMETHODIMP Object::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (count != 1)
        return E_INVALIDARG;
    for (size_t i = 0; i < m_members.size(); ++i)
    {
        if (_wcsicmp(m_members[i].c_str(), names[0]) == 0)
        {
            ids[0] = static_cast<DISPID>(i + 1);
            return S_OK;
        }
    }
    ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP Object::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info,
                            UINT*)
{
    if (id < 1 || static_cast<size_t>(id) > m_members.size())
        return DISP_E_MEMBERNOTFOUND;
    const std::wstring& name = m_members[id - 1];
    calls.push_back(flags & DISPATCH_PROPERTYPUT ? name + L"=" : name);
    if (result)
        VariantInit(result);
    return Member(name, flags, params, result, info);
}

STDMETHODIMP Object::InterfaceSupportsErrorInfo(REFIID iid)
{
    for (const IID& own : m_interfaces)
        if (own == iid)
            return S_OK;
    return S_FALSE;
}

HRESULT Object::RaiseException(EXCEPINFO* info, const wchar_t* description)
{
    if (info)
    {
        *info = EXCEPINFO();
        info->scode = E_FAIL;
        info->bstrSource = SysAllocString(L"Microsoft Outlook");
        info->bstrDescription = SysAllocString(description);
    }
    return DISP_E_EXCEPTION;
}

HRESULT Object::RaiseErrorInfo(HRESULT hr, const wchar_t* description)
{
    ICreateErrorInfo* create = nullptr;
    if (SUCCEEDED(CreateErrorInfo(&create)))
    {
        create->SetDescription(const_cast<LPOLESTR>(description));
        create->SetSource(const_cast<LPOLESTR>(L"Microsoft Outlook"));
        IErrorInfo* error = nullptr;
        if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&error))))
        {
            SetErrorInfo(0, error);
            error->Release();
        }
        create->Release();
    }
    return hr;
}

void Object::ReturnObject(VARIANT* result, IDispatch* object)
{
    if (!result)
        return;
    result->vt = VT_DISPATCH;
    result->pdispVal = object;
    if (object)
        object->AddRef();
}

long Object::LongArg(DISPPARAMS* params)
{
    if (!params || params->cArgs < 1)
        return -1;
    VARIANT v;
    VariantInit(&v);
    if (FAILED(VariantChangeType(&v, &params->rgvarg[0], 0, VT_I4)))
        return -1;
    return v.lVal;
}

std::wstring Object::TextArg(DISPPARAMS* params)
{
    if (!params || params->cArgs < 1 || params->rgvarg[0].vt != VT_BSTR)
        return L"<not a text>";
    BSTR b = params->rgvarg[0].bstrVal;
    return std::wstring(b ? b : L"", b ? SysStringLen(b) : 0);
}

// ---------------------------------------------------------------------------------------------

Contact::Contact() : Object({::Outlook::IID__ContactItem}, ContactMembers()) {}

HRESULT Contact::Member(const std::wstring& name, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info)
{
    if (name == L"Save")
    {
        if (saveFails)
            return RaiseErrorInfo(E_FAIL, saveError.c_str());
        ++saves;
        return S_OK;
    }
    auto failing = failingProps.find(name);
    if (failing != failingProps.end())
        return RaiseException(info, failing->second.c_str());
    if (flags & DISPATCH_PROPERTYPUT)
    {
        if (!params || params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_PARAMNOTOPTIONAL;
        props[name] = TextArg(params);
        return S_OK;
    }
    auto it = props.find(name);
    if (it == props.end())
        return S_OK; // an unset property answers nothing (VT_EMPTY)
    result->vt = VT_BSTR;
    result->bstrVal = SysAllocStringLen(it->second.data(), static_cast<UINT>(it->second.size()));
    return S_OK;
}

DistList::DistList() : Object({IID_DistListItem}, {L"DLName", L"FileAs", L"Categories"}) {}

HRESULT DistList::Member(const std::wstring&, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*)
{
    if (result)
    {
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocString(L"Semua teman");
    }
    return S_OK;
}

Items::Items() : Object({::Outlook::IID__Items}, {L"Count", L"GetFirst", L"GetNext"}) {}

Items::~Items()
{
    for (Object* item : items)
        item->Release();
}

void Items::Add(Object* item)
{
    item->AddRef();
    items.push_back(item);
}

HRESULT Items::Member(const std::wstring& name, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO* info)
{
    if (name == L"Count")
    {
        result->vt = VT_I4;
        result->lVal = static_cast<long>(items.size()) + extraCount;
        return S_OK;
    }
    if (name == L"GetFirst")
        m_cursor = 0;
    else
        ++m_cursor;
    if (name == L"GetNext" && static_cast<int>(m_cursor) == failNextAt)
        return RaiseException(info, L"Item tidak dapat dibaca.");
    ReturnObject(result, m_cursor < items.size() ? items[m_cursor] : nullptr);
    return S_OK;
}

Folder::Folder() : Object({::Outlook::IID_MAPIFolder}, {L"Items", L"Name"}) {}

Folder::~Folder()
{
    if (items)
        items->Release();
}

HRESULT Folder::Member(const std::wstring& name, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*)
{
    if (name == L"Items")
    {
        ReturnObject(result, items);
    }
    else
    {
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocString(L"Contacts");
    }
    return S_OK;
}

NameSpace::NameSpace() : Object({::Outlook::IID__NameSpace}, {L"GetDefaultFolder"}) {}

NameSpace::~NameSpace()
{
    if (contacts)
        contacts->Release();
}

HRESULT NameSpace::Member(const std::wstring&, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info)
{
    long type = LongArg(params);
    foldersAsked.push_back(type);
    if (type != 10)
        return RaiseException(info, L"Folder tidak dikenal.");
    ReturnObject(result, contacts);
    return S_OK;
}

Application::Application() : Object({::Outlook::IID__Application}, {L"GetNamespace", L"CreateItem", L"Version"}) {}

Application::~Application()
{
    if (mapi)
        mapi->Release();
    for (Contact* c : created)
        c->Release();
}

HRESULT Application::Member(const std::wstring& name, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info)
{
    if (name == L"GetNamespace")
    {
        std::wstring type = TextArg(params);
        namespacesAsked.push_back(type);
        if (type != L"MAPI")
            return RaiseException(info, L"Namespace tidak dikenal.");
        ReturnObject(result, mapi);
        return S_OK;
    }
    if (name == L"CreateItem")
    {
        itemTypesCreated.push_back(LongArg(params));
        if (createDistList)
        {
            Ref<DistList> list = Make<DistList>();
            ReturnObject(result, list.get());
            return S_OK;
        }
        Contact* contact = new Contact();
        contact->saveFails = !newSaveError.empty();
        contact->saveError = newSaveError;
        contact->failingProps = newFailingProps;
        created.push_back(contact);
        ReturnObject(result, contact);
        return S_OK;
    }
    result->vt = VT_BSTR;
    result->bstrVal = SysAllocString(L"11.0");
    return S_OK;
}

// ---------------------------------------------------------------------------------------------

namespace
{

class Factory : public IClassFactory
{
public:
    explicit Factory(Application* app) : m_app(app) { m_app->AddRef(); }
    virtual ~Factory() { m_app->Release(); }
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IClassFactory)
        {
            *out = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&m_refs); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG left = InterlockedDecrement(&m_refs);
        if (!left)
            delete this;
        return left;
    }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override
    {
        if (outer)
            return CLASS_E_NOAGGREGATION;
        return m_app->QueryInterface(iid, out);
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }

private:
    LONG m_refs = 1;
    Application* m_app;
};

} // namespace

OutlookServer::OutlookServer()
{
    m_app = new Application();
    m_app->mapi = new NameSpace();
    m_app->mapi->contacts = new Folder();
    m_app->mapi->contacts->items = new Items();
    m_factory = new Factory(m_app);
    if (FAILED(CoRegisterClassObject(::Outlook::CLSID_Application, m_factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                     &m_cookie)))
        m_cookie = 0;
}

OutlookServer::~OutlookServer()
{
    if (m_cookie)
        CoRevokeClassObject(m_cookie);
    m_factory->Release();
    m_app->Release();
}

Contact* OutlookServer::AddContact(const std::wstring& fileAs, const std::wstring& categories,
                                   std::vector<std::pair<std::wstring, std::wstring>> numbers)
{
    Ref<Contact> contact = Make<Contact>();
    contact->props[L"FileAs"] = fileAs;
    if (!categories.empty())
        contact->props[L"Categories"] = categories;
    for (auto& n : numbers)
        contact->props[n.first] = n.second;
    items()->Add(contact.get());
    return contact.get();
}

void OutlookServer::AddDistList()
{
    Ref<DistList> list = Make<DistList>();
    items()->Add(list.get());
}

} // namespace fake
