// An in-process stand-in for the Outlook application class: an IDispatch object model with a
// default contacts folder whose items the test controls. Registered for the test process with
// CoRegisterClassObject, so CoCreateInstance of the application class reaches it.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace fake
{

// A counted reference for the test's own hold on fake objects.
template <class T> class Ref
{
public:
    Ref() = default;
    explicit Ref(T* adopt) : m_p(adopt) {}
    Ref(const Ref& o) : m_p(o.m_p)
    {
        if (m_p)
            m_p->AddRef();
    }
    Ref& operator=(const Ref& o)
    {
        if (o.m_p)
            o.m_p->AddRef();
        if (m_p)
            m_p->Release();
        m_p = o.m_p;
        return *this;
    }
    ~Ref()
    {
        if (m_p)
            m_p->Release();
    }
    T* operator->() const { return m_p; }
    T* get() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }

private:
    T* m_p = nullptr;
};

template <class T, class... A> Ref<T> Make(A&&... args) { return Ref<T>(new T(std::forward<A>(args)...)); }

// Common IUnknown/IDispatch/ISupportErrorInfo: members resolved by name (case-insensitive),
// answered by Member().
class Object : public IDispatch, public ISupportErrorInfo
{
public:
    Object(std::vector<IID> interfaces, std::vector<std::wstring> members);
    virtual ~Object() = default;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info,
                        UINT* argError) override;
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override;

    LONG RefCount() const { return m_refs; }
    // Every member called, in order, as "Name" (get/method) or "Name=" (put).
    std::vector<std::wstring> calls;

protected:
    virtual HRESULT Member(const std::wstring& name, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* info) = 0;
    // Failure through EXCEPINFO (DISP_E_EXCEPTION).
    static HRESULT RaiseException(EXCEPINFO* info, const wchar_t* description);
    // Failure through the thread's IErrorInfo.
    static HRESULT RaiseErrorInfo(HRESULT hr, const wchar_t* description);
    static void ReturnObject(VARIANT* result, IDispatch* object);
    static long LongArg(DISPPARAMS* params);
    static std::wstring TextArg(DISPPARAMS* params);

private:
    LONG m_refs = 1;
    std::vector<IID> m_interfaces;
    std::vector<std::wstring> m_members;
};

// A contact item: text properties, failing properties, failing Save.
class Contact : public Object
{
public:
    Contact();
    std::map<std::wstring, std::wstring> props;        // set properties
    std::map<std::wstring, std::wstring> failingProps; // name -> description (EXCEPINFO)
    bool saveFails = false;                            // Save fails through IErrorInfo
    std::wstring saveError;
    int saves = 0;

protected:
    HRESULT Member(const std::wstring&, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*) override;
};

// A distribution list: an item that is no contact.
class DistList : public Object
{
public:
    DistList();

protected:
    HRESULT Member(const std::wstring&, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*) override;
};

class Items : public Object
{
public:
    Items();
    ~Items() override;
    void Add(Object* item); // takes a reference
    std::vector<Object*> items;
    int failNextAt = -1; // GetNext raises when it would return items[failNextAt]
    long extraCount = 0; // Count answers items.size() + extraCount

protected:
    HRESULT Member(const std::wstring&, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*) override;

private:
    size_t m_cursor = 0;
};

class Folder : public Object
{
public:
    Folder();
    ~Folder() override;
    Items* items = nullptr; // owned reference; null: no items

protected:
    HRESULT Member(const std::wstring&, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*) override;
};

class NameSpace : public Object
{
public:
    NameSpace();
    ~NameSpace() override;
    Folder* contacts = nullptr; // owned reference; null: no default contacts folder
    std::vector<long> foldersAsked;

protected:
    HRESULT Member(const std::wstring&, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*) override;
};

class Application : public Object
{
public:
    Application();
    ~Application() override;
    NameSpace* mapi = nullptr; // owned reference
    std::vector<std::wstring> namespacesAsked;
    std::vector<long> itemTypesCreated;
    bool createDistList = false;                          // CreateItem gives a non-contact
    std::wstring newSaveError;                            // not empty: created contacts fail on Save
    std::map<std::wstring, std::wstring> newFailingProps; // for created contacts
    std::vector<Contact*> created;                        // owned references, in creation order

protected:
    HRESULT Member(const std::wstring&, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*) override;
};

// The stand-in Outlook: an application with a MAPI namespace and an (initially empty)
// default contacts folder. While registered, CoCreateInstance of the application class of
// this thread's apartment gives this application.
class OutlookServer
{
public:
    OutlookServer();
    ~OutlookServer();
    OutlookServer(const OutlookServer&) = delete;
    OutlookServer& operator=(const OutlookServer&) = delete;

    bool Registered() const { return m_cookie != 0; }
    Application* app() const { return m_app; }
    Items* items() const { return m_app->mapi->contacts->items; }
    // A contact added to the folder: FileAs, Categories and number properties.
    Contact* AddContact(const std::wstring& fileAs, const std::wstring& categories,
                        std::vector<std::pair<std::wstring, std::wstring>> numbers);
    void AddDistList();

private:
    Application* m_app;
    IClassFactory* m_factory;
    DWORD m_cookie = 0;
};

} // namespace fake
