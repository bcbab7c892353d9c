// The Outlook contacts bridge over COM automation. Texts stay UTF-16 from Outlook to the
// document and back.
#include "phone/OutlookContacts.h"

#include "phone/Corvane_smsDoc.h"

using Automation::_bstr_t;
using Automation::_com_error;
using Outlook::_ContactItem;

#define CORVANE_NUMBER_KIND(Property, Code, Name)                                                                      \
    {                                                                                                                  \
        L"" #Property, Code, Name, &_ContactItem::Get##Property, &_ContactItem::Put##Property                          \
    }

const OutlookNumberKind g_outlookNumberKinds[11] = {
    CORVANE_NUMBER_KIND(BusinessFaxNumber, L"BFX", L"Business Fax"),
    CORVANE_NUMBER_KIND(PagerNumber, L"PGR", L"Pager"),
    CORVANE_NUMBER_KIND(BusinessTelephoneNumber, L"WK1", L"Business Telephone"),
    CORVANE_NUMBER_KIND(MobileTelephoneNumber, L"MOB", L"Mobile Number"),
    CORVANE_NUMBER_KIND(HomeTelephoneNumber, L"HM1", L"Home"),
    CORVANE_NUMBER_KIND(Home2TelephoneNumber, L"HM2", L"Home2"),
    CORVANE_NUMBER_KIND(HomeFaxNumber, L"HFX", L"Home Fax"),
    CORVANE_NUMBER_KIND(CarTelephoneNumber, L"CAR", L"Car"),
    CORVANE_NUMBER_KIND(AssistantTelephoneNumber, L"AST", L"Assistant"),
    CORVANE_NUMBER_KIND(Business2TelephoneNumber, L"WK2", L"Business2"),
    CORVANE_NUMBER_KIND(RadioTelephoneNumber, L"RAD", L"Radio"),
};

#undef CORVANE_NUMBER_KIND

namespace
{

CString ToCString(const _bstr_t& text)
{
    return CString(static_cast<const wchar_t*>(text), static_cast<int>(text.length()));
}

_bstr_t ToBstr(const CString& text) { return _bstr_t(static_cast<LPCWSTR>(text), static_cast<UINT>(text.GetLength())); }

void ShowAutomationError(const _com_error& error) { AfxMessageBox(ToCString(error.Description()), MB_OK); }

// Starts (or attaches to) Outlook and finds its default contacts folder. False after showing
// why not. A failing call in between raises _com_error.
bool OpenOutlookContacts(Outlook::_Application& app, Outlook::MAPIFolder& folder)
{
    CoInitialize(nullptr); // stays initialised for the thread's lifetime

    IUnknown* unknown = nullptr;
    HRESULT hr = CoCreateInstance(Outlook::CLSID_Application, nullptr,
                                  CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                  reinterpret_cast<void**>(&unknown));
    if (SUCCEEDED(hr) && unknown)
    {
        if (SUCCEEDED(OleRun(unknown)))
            app = Outlook::_Application::QueryFrom(unknown);
        unknown->Release();
    }
    if (!app)
    {
        AfxMessageBox(L"Unable to instantiate Outlook.", MB_OK);
        return false;
    }

    Outlook::_NameSpace mapi = app.GetNamespace(L"MAPI");
    folder = mapi.GetDefaultFolder(Outlook::olFolderContacts);
    if (!folder)
    {
        AfxMessageBox(L"Could not find default contacts folder.", MB_OK);
        return false;
    }
    return true;
}

// A name as the contact lists show it: the file-as text without ";", "<" and ">".
CString ContactName(const _ContactItem& contact)
{
    CString name = ToCString(contact.GetFileAs());
    name.Remove(L';');
    name.Remove(L'<');
    name.Remove(L'>');
    return name;
}

} // namespace

void CCorvane_smsDoc::LoadOutlookContacts()
{
    try
    {
        Outlook::_Application app;
        Outlook::MAPIFolder folder;
        if (!OpenOutlookContacts(app, folder))
            return;
        Outlook::_Items items = folder.GetItems();
        if (!items)
        {
            AfxMessageBox(L"Unable to get Contact Items.", MB_OK);
            return;
        }

        // Items that are no contacts (distribution lists) are passed over.
        _ContactItem contact = _ContactItem::QueryFrom(items.GetFirst());
        m_arrContacts.RemoveAll();
        for (long i = 0; i < items.GetCount(); ++i)
        {
            if (contact)
            {
                const CString name = ContactName(contact);
                const CString category = ToCString(contact.GetCategories());
                if (!category.IsEmpty() && m_strCategoryList.Find(category) < 0)
                    m_strCategoryList += category + L"|";
                for (const OutlookNumberKind& kind : g_outlookNumberKinds)
                    AddContact(name, ToCString((contact.*kind.get)()), kind.code, category);
            }
            contact = _ContactItem::QueryFrom(items.GetNext());
        }
    }
    catch (const _com_error& error)
    {
        ShowAutomationError(error);
    }
}

bool SaveContactToOutlook(const CString& firstName, const CString& lastName, const CString& kindName,
                          const CString& number, const CString& fileAs, const CString& categories)
{
    try
    {
        Outlook::_Application app;
        Outlook::MAPIFolder folder;
        if (!OpenOutlookContacts(app, folder))
            return false;
        _ContactItem contact = _ContactItem::QueryFrom(app.CreateItem(Outlook::olContactItem));
        if (!contact)
        {
            AfxMessageBox(L"Unable to add Contact.", MB_OK);
            return false;
        }
        contact.PutFirstName(ToBstr(firstName));
        contact.PutLastName(ToBstr(lastName));
        contact.PutFileAs(ToBstr(fileAs));
        if (!categories.IsEmpty())
            contact.PutCategories(ToBstr(categories));
        for (const OutlookNumberKind& kind : g_outlookNumberKinds)
        {
            if (kindName.CompareNoCase(kind.name) == 0)
            {
                (contact.*kind.put)(ToBstr(number));
                break;
            }
        }
        contact.Save();
    }
    catch (const _com_error& error)
    {
        ShowAutomationError(error);
    }
    return true;
}
