// The automation wrappers against the in-process stand-in, reached through CoCreateInstance.
#include <gtest/gtest.h>

#include "phone/FakeOutlook.h"
#include "phone/OutlookAutomation.h"

#include <string>

using Automation::_bstr_t;
using Automation::_com_error;

namespace {

class OutlookAutomation : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        server = new fake::OutlookServer();
        ASSERT_TRUE(server->Registered());
    }
    void TearDown() override
    {
        delete server;
        CoUninitialize();
    }

    Outlook::_Application Start()
    {
        IUnknown* unknown = nullptr;
        HRESULT hr = CoCreateInstance(Outlook::CLSID_Application, nullptr,
                                      CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER |
                                          CLSCTX_LOCAL_SERVER,
                                      IID_IUnknown, reinterpret_cast<void**>(&unknown));
        EXPECT_EQ(hr, S_OK);
        if (FAILED(hr))
            return Outlook::_Application();
        EXPECT_EQ(OleRun(unknown), S_OK);
        Outlook::_Application app = Outlook::_Application::QueryFrom(unknown);
        unknown->Release();
        return app;
    }

    fake::OutlookServer* server = nullptr;
};

std::wstring Text(const _bstr_t& b)
{
    return std::wstring(static_cast<const wchar_t*>(b), b.length());
}

} // namespace

TEST_F(OutlookAutomation, WalksTheContactsFolderByName)
{
    server->AddContact(L"Budi", L"Kantor", {{L"MobileTelephoneNumber", L"0811"}});
    server->AddDistList();
    server->AddContact(L"Sari", L"", {});

    {
        Outlook::_Application app = Start();
        ASSERT_TRUE(app);
        Outlook::_NameSpace mapi = app.GetNamespace(L"MAPI");
        ASSERT_TRUE(mapi);
        Outlook::MAPIFolder folder = mapi.GetDefaultFolder(Outlook::olFolderContacts);
        ASSERT_TRUE(folder);
        Outlook::_Items items = folder.GetItems();
        ASSERT_TRUE(items);
        EXPECT_EQ(items.GetCount(), 3);

        Outlook::_ContactItem first = Outlook::_ContactItem::QueryFrom(items.GetFirst());
        ASSERT_TRUE(first);
        EXPECT_EQ(Text(first.GetFileAs()), L"Budi");
        EXPECT_EQ(Text(first.GetCategories()), L"Kantor");
        EXPECT_EQ(Text(first.GetMobileTelephoneNumber()), L"0811");
        EXPECT_EQ(Text(first.GetPagerNumber()), L""); // unset: an empty text

        Automation::CDispatchObject second = items.GetNext();
        ASSERT_TRUE(second); // the distribution list is an item ...
        EXPECT_FALSE(Outlook::_ContactItem::QueryFrom(second)); // ... but no contact
        EXPECT_TRUE(Outlook::_ContactItem::QueryFrom(items.GetNext()));
        EXPECT_FALSE(items.GetNext()); // past the end: none
    }
    EXPECT_EQ(server->app()->namespacesAsked, std::vector<std::wstring>{L"MAPI"});
    EXPECT_EQ(server->app()->mapi->foldersAsked, std::vector<long>{10});
    EXPECT_EQ(server->items()->calls,
              (std::vector<std::wstring>{L"Count", L"GetFirst", L"GetNext", L"GetNext", L"GetNext"}));
    // Every reference the wrappers took has been given back.
    EXPECT_EQ(server->app()->RefCount(), 2); // the server and its class factory
    EXPECT_EQ(server->items()->RefCount(), 1);
    EXPECT_EQ(server->items()->items[0]->RefCount(), 1);
}

TEST_F(OutlookAutomation, TextsTravelAsUtf16BothWays)
{
    Outlook::_Application app = Start();
    ASSERT_TRUE(app);
    Outlook::_ContactItem contact = Outlook::_ContactItem::QueryFrom(app.CreateItem(Outlook::olContactItem));
    ASSERT_TRUE(contact);
    const std::wstring name = L"\x0414\x0430\x0432\x0430 \x738B \xD83D\xDE00 Dewi";
    contact.PutFileAs(name.c_str());
    contact.PutCategories(L"\x5BB6\x65CF");
    contact.Save();
    ASSERT_EQ(server->app()->created.size(), 1u);
    fake::Contact* created = server->app()->created[0];
    EXPECT_EQ(created->props[L"FileAs"], name);
    EXPECT_EQ(created->saves, 1);
    EXPECT_EQ(Text(contact.GetFileAs()), name);
    EXPECT_EQ(Text(contact.GetCategories()), L"\x5BB6\x65CF");
    EXPECT_EQ(server->app()->itemTypesCreated, std::vector<long>{2});
}

TEST_F(OutlookAutomation, FailingCallsRaiseTheObjectsErrorDescription)
{
    fake::Contact* contact = server->AddContact(L"Budi", L"", {});
    contact->failingProps[L"HomeTelephoneNumber"] = L"Properti tidak tersedia.";
    contact->saveFails = true;
    contact->saveError = L"Penyimpanan ditolak.";

    Outlook::_Application app = Start();
    ASSERT_TRUE(app);
    Outlook::_Items items = app.GetNamespace(L"MAPI").GetDefaultFolder(10).GetItems();
    Outlook::_ContactItem item = Outlook::_ContactItem::QueryFrom(items.GetFirst());
    ASSERT_TRUE(item);

    // Through EXCEPINFO: the exception's code, description and source.
    try {
        item.GetHomeTelephoneNumber();
        FAIL() << "no error raised";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_FAIL);
        EXPECT_EQ(Text(e.Description()), L"Properti tidak tersedia.");
        EXPECT_EQ(Text(e.Source()), L"Microsoft Outlook");
    }
    // Through IErrorInfo of an interface that supports it.
    try {
        item.Save();
        FAIL() << "no error raised";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_FAIL);
        EXPECT_EQ(Text(e.Description()), L"Penyimpanan ditolak.");
    }
    try {
        app.GetNamespace(L"NOPE");
        FAIL() << "no error raised";
    } catch (const _com_error& e) {
        EXPECT_EQ(Text(e.Description()), L"Namespace tidak dikenal.");
    }
    // A member the object doesn't know: the code alone, no description.
    try {
        Outlook::_NameSpace mapi = app.GetNamespace(L"MAPI");
        Outlook::_Items notItems(mapi.GetInterfacePtr()); // a namespace has no Count
        notItems.GetCount();
        FAIL() << "no error raised";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), DISP_E_UNKNOWNNAME);
        EXPECT_EQ(Text(e.Description()), L"");
    }
    // Calls on no object fail cleanly too.
    EXPECT_THROW(Outlook::_ContactItem().GetFileAs(), _com_error);
}
