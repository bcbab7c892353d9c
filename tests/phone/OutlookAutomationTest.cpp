// How the automation wrappers report failing calls (the stand-in reached through CoCreateInstance).
#include <gtest/gtest.h>

#include "phone/FakeOutlook.h"
#include "phone/OutlookAutomation.h"

#include <string>

using Automation::_bstr_t;
using Automation::_com_error;

namespace
{

class OutlookAutomation : public testing::Test
{
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
                                      CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                      reinterpret_cast<void**>(&unknown));
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

std::wstring Text(const _bstr_t& b) { return std::wstring(static_cast<const wchar_t*>(b), b.length()); }

} // namespace

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
    try
    {
        item.GetHomeTelephoneNumber();
        FAIL() << "no error raised";
    }
    catch (const _com_error& e)
    {
        EXPECT_EQ(e.Error(), E_FAIL);
        EXPECT_EQ(Text(e.Description()), L"Properti tidak tersedia.");
        EXPECT_EQ(Text(e.Source()), L"Microsoft Outlook");
    }
    // Through IErrorInfo of an interface that supports it.
    try
    {
        item.Save();
        FAIL() << "no error raised";
    }
    catch (const _com_error& e)
    {
        EXPECT_EQ(e.Error(), E_FAIL);
        EXPECT_EQ(Text(e.Description()), L"Penyimpanan ditolak.");
    }
    try
    {
        app.GetNamespace(L"NOPE");
        FAIL() << "no error raised";
    }
    catch (const _com_error& e)
    {
        EXPECT_EQ(Text(e.Description()), L"Namespace tidak dikenal.");
    }
    // A member the object doesn't know: the code alone, no description.
    try
    {
        Outlook::_NameSpace mapi = app.GetNamespace(L"MAPI");
        Outlook::_Items notItems(mapi.GetInterfacePtr()); // a namespace has no Count
        notItems.GetCount();
        FAIL() << "no error raised";
    }
    catch (const _com_error& e)
    {
        EXPECT_EQ(e.Error(), DISP_E_UNKNOWNNAME);
        EXPECT_EQ(Text(e.Description()), L"");
    }
    // Calls on no object fail cleanly too.
    EXPECT_THROW(Outlook::_ContactItem().GetFileAs(), _com_error);
}
