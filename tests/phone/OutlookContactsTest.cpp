// The contacts bridge end to end: the document loads from and saves to the stand-in Outlook
// through CoCreateInstance and IDispatch; message boxes are captured.
#include <gtest/gtest.h>

#include "phone/Corvane_smsDoc.h"
#include "phone/FakeOutlook.h"
#include "phone/OutlookContacts.h"
#include "support/MessageBoxCapture.h"

#include <memory>
#include <string>
#include <vector>

namespace
{

using Strings = std::vector<std::wstring>;

class OutlookContacts : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        doc.reset(new CCorvane_smsDoc());
        boxes.reset(new MessageBoxCapture());
    }
    void TearDown() override
    {
        boxes.reset();
        doc.reset();
        server.reset();
        CoUninitialize();
    }

    fake::OutlookServer& Outlook()
    {
        if (!server)
        {
            server.reset(new fake::OutlookServer());
            EXPECT_TRUE(server->Registered());
        }
        return *server;
    }

    // Texts of the message boxes shown so far, each checked to be a plain OK box.
    Strings Messages() const
    {
        Strings texts;
        for (const MessageBoxCapture::Box& box : boxes->Boxes())
        {
            EXPECT_EQ(box.Buttons(), static_cast<UINT>(MB_OK)) << box.text;
            texts.push_back(box.text);
        }
        return texts;
    }
    Strings Contacts() const
    {
        Strings texts;
        for (INT_PTR i = 0; i < doc->m_arrContacts.GetSize(); ++i)
        {
            EXPECT_EQ(doc->m_arrContacts[i].m_bFlag, 0);
            texts.push_back(std::wstring(doc->m_arrContacts[i].m_strText.GetString()));
        }
        return texts;
    }
    Strings ContactSeconds() const
    {
        Strings texts;
        for (INT_PTR i = 0; i < doc->m_arrContacts.GetSize(); ++i)
            texts.push_back(std::wstring(doc->m_arrContacts[i].m_strCategory.GetString()));
        return texts;
    }
    std::wstring CategoryList() const { return doc->m_strCategoryList.GetString(); }

    std::unique_ptr<MessageBoxCapture> boxes;
    std::unique_ptr<CCorvane_smsDoc> doc;
    std::unique_ptr<fake::OutlookServer> server;
};

const std::wstring kMobile = L"MobileTelephoneNumber";

std::wstring Text(const CString& s) { return std::wstring(s.GetString(), s.GetLength()); }

} // namespace

TEST_F(OutlookContacts, EachNumberBecomesOneContactInKindOrder)
{
    doc->AddContact(L"Lama", L"0800", L"MOB", L""); // replaced by the load
    Outlook().AddContact(L"Dava; Diva <kantor>", L"Kantor", {{kMobile, L"+62 811-234 567"}});
    Outlook().AddDistList();
    Outlook().AddContact(
        L"Budi", L"Keluarga",
        {{L"RadioTelephoneNumber", L"(021) 555-01"}, {kMobile, L"0812 000"}, {L"BusinessFaxNumber", L"021-777"}});
    Outlook().AddContact(L"Tanpa Nomor", L"Teman", {});

    doc->LoadOutlookContacts();

    EXPECT_EQ(Messages(), Strings());
    EXPECT_EQ(Contacts(), (Strings{L"Dava Diva kantor<+62811234567>,MOB", L"Budi<021777>,BFX", L"Budi<0812000>,MOB",
                                   L"Budi<02155501>,RAD"}));
    EXPECT_EQ(ContactSeconds(), (Strings{L"Kantor", L"Keluarga", L"Keluarga", L"Keluarga"}));
    // The contact without numbers still gave its category.
    EXPECT_EQ(CategoryList(), L"Kantor|Keluarga|Teman|");
    EXPECT_EQ(server->app()->namespacesAsked, Strings{L"MAPI"});
    EXPECT_EQ(server->app()->mapi->foldersAsked, std::vector<long>{10});
    // Every object the load held has been released.
    EXPECT_EQ(server->app()->RefCount(), 2); // the stand-in and its class factory
    EXPECT_EQ(server->items()->RefCount(), 1);
    for (fake::Object* item : server->items()->items)
        EXPECT_EQ(item->RefCount(), 1);

    // Numbers of loaded contacts find their names, national form included.
    EXPECT_EQ(Text(doc->FindContactName(L"0811234567")), L"Dava Diva kantor");
    EXPECT_EQ(Text(doc->FindContactName(L"+62 812-000")), L"Budi");
    EXPECT_EQ(Text(doc->FindContactName(L"+62 999 888")), L"+62999888");
}

TEST_F(OutlookContacts, CategoryListCollectsEachNewTextOnce)
{
    Outlook().AddContact(L"A", L"Keluarga", {{kMobile, L"1"}});
    Outlook().AddContact(L"B", L"Keluarga, Kantor", {{kMobile, L"2"}});
    Outlook().AddContact(L"C", L"Kantor", {{kMobile, L"3"}});
    Outlook().AddContact(L"D", L"", {{kMobile, L"4"}});

    doc->LoadOutlookContacts();
    EXPECT_EQ(CategoryList(), L"Keluarga|Keluarga, Kantor|");
    EXPECT_EQ(ContactSeconds(), (Strings{L"Keluarga", L"Keluarga, Kantor", L"Kantor", L""}));

    // Loading again neither empties nor repeats the list.
    doc->LoadOutlookContacts();
    EXPECT_EQ(CategoryList(), L"Keluarga|Keluarga, Kantor|");
    EXPECT_EQ(Contacts().size(), 4u);
}

TEST_F(OutlookContacts, TextsOutsideTheAnsiCodePageArriveWhole)
{
    const std::wstring name = L"\x0414\x0430\x0432\x0430 \x738B\x82B3";
    const std::wstring category = L"\x5BB6\x65CF";
    Outlook().AddContact(name, category, {{kMobile, L"0811"}});

    doc->LoadOutlookContacts();
    EXPECT_EQ(Contacts(), Strings{name + L"<0811>,MOB"});
    EXPECT_EQ(ContactSeconds(), Strings{category});
    EXPECT_EQ(CategoryList(), category + L"|");
    EXPECT_EQ(Text(doc->FindContactName(L"0811")), name);
}

TEST_F(OutlookContacts, AutomationErrorKeepsTheContactsAddedBeforeIt)
{
    Outlook().AddContact(L"Ani", L"", {{kMobile, L"0811"}});
    fake::Contact* broken =
        Outlook().AddContact(L"Bayu", L"", {{L"BusinessFaxNumber", L"021"}, {L"CarTelephoneNumber", L"0813"}});
    broken->failingProps[L"HomeTelephoneNumber"] = L"Properti tidak dapat dibaca.";
    Outlook().AddContact(L"Citra", L"", {{kMobile, L"0814"}});

    doc->LoadOutlookContacts();
    EXPECT_EQ(Messages(), Strings{L"Properti tidak dapat dibaca."});
    EXPECT_EQ(Contacts(), (Strings{L"Ani<0811>,MOB", L"Bayu<021>,BFX"}));

    // A failing GetNext ends the load the same way.
    broken->failingProps.clear();
    server->items()->failNextAt = 2;
    doc->LoadOutlookContacts();
    EXPECT_EQ(Messages(), (Strings{L"Properti tidak dapat dibaca.", L"Item tidak dapat dibaca."}));
    EXPECT_EQ(Contacts(), (Strings{L"Ani<0811>,MOB", L"Bayu<021>,BFX", L"Bayu<0813>,CAR"}));
}

TEST_F(OutlookContacts, MissingOutlookFolderOrItemsLeaveTheContactsAsTheyWere)
{
    doc->AddContact(L"Lama", L"0800", L"MOB", L"");

    doc->LoadOutlookContacts(); // no stand-in registered
    EXPECT_EQ(Messages(), Strings{L"Unable to instantiate Outlook."});
    EXPECT_FALSE(SaveContactToOutlook(L"A", L"B", L"Home", L"1", L"A B", L""));
    EXPECT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages().back(), L"Unable to instantiate Outlook.");

    fake::Items* items = Outlook().items();
    items->AddRef();
    server->app()->mapi->contacts->items = nullptr;
    doc->LoadOutlookContacts();
    EXPECT_EQ(Messages().back(), L"Unable to get Contact Items.");
    server->app()->mapi->contacts->items = items;

    fake::Folder* folder = server->app()->mapi->contacts;
    server->app()->mapi->contacts = nullptr;
    doc->LoadOutlookContacts();
    EXPECT_EQ(Messages().back(), L"Could not find default contacts folder.");
    EXPECT_FALSE(SaveContactToOutlook(L"A", L"B", L"Home", L"1", L"A B", L""));
    EXPECT_EQ(Messages().back(), L"Could not find default contacts folder.");
    server->app()->mapi->contacts = folder;

    EXPECT_EQ(Messages().size(), 5u);
    EXPECT_EQ(Contacts(), Strings{L"Lama<0800>,MOB"});
    EXPECT_TRUE(server->app()->created.empty());
}

TEST_F(OutlookContacts, SavingSetsTheNamedKindsNumberIgnoringCase)
{
    Outlook();
    EXPECT_TRUE(SaveContactToOutlook(L"Dewi", L"Lestari", L"mobile number", L"+62 811 1", L"Lestari, Dewi", L""));
    EXPECT_TRUE(SaveContactToOutlook(L"Eko", L"", L"Faks Rumah", L"021 2", L"Eko", L"Kantor"));
    EXPECT_TRUE(SaveContactToOutlook(L"Fitri", L"", L"BUSINESS2", L"021 3", L"Fitri", L""));
    EXPECT_EQ(Messages(), Strings());

    EXPECT_EQ(server->app()->itemTypesCreated, (std::vector<long>{2, 2, 2}));
    ASSERT_EQ(server->app()->created.size(), 3u);
    const fake::Contact& dewi = *server->app()->created[0];
    EXPECT_EQ(dewi.calls, (Strings{L"FirstName=", L"LastName=", L"FileAs=", kMobile + L"=", L"Save"}));
    EXPECT_EQ(dewi.props.at(L"FirstName"), L"Dewi");
    EXPECT_EQ(dewi.props.at(L"LastName"), L"Lestari");
    EXPECT_EQ(dewi.props.at(L"FileAs"), L"Lestari, Dewi");
    EXPECT_EQ(dewi.props.at(kMobile), L"+62 811 1"); // passed on as typed
    EXPECT_EQ(dewi.saves, 1);

    // An unknown kind saves no number; categories are set when given.
    const fake::Contact& eko = *server->app()->created[1];
    EXPECT_EQ(eko.calls, (Strings{L"FirstName=", L"LastName=", L"FileAs=", L"Categories=", L"Save"}));
    EXPECT_EQ(eko.props.at(L"Categories"), L"Kantor");
    EXPECT_EQ(server->app()->created[2]->props.at(L"Business2TelephoneNumber"), L"021 3");

    // Texts reach Outlook as they were typed, whatever the code page.
    const std::wstring name = L"\x0414\x0430\x0432\x0430 \x738B";
    EXPECT_TRUE(SaveContactToOutlook(name.c_str(), L"", L"Home", L"1", name.c_str(), L"\x5BB6"));
    EXPECT_EQ(server->app()->created[3]->props.at(L"FileAs"), name);
    EXPECT_EQ(server->app()->created[3]->props.at(L"Categories"), L"\x5BB6");
}

TEST_F(OutlookContacts, SavingFailuresAreShown)
{
    Outlook().app()->createDistList = true;
    EXPECT_FALSE(SaveContactToOutlook(L"A", L"", L"Home", L"1", L"A", L""));
    EXPECT_EQ(Messages(), Strings{L"Unable to add Contact."});
    Outlook().app()->createDistList = false;

    // A failing Save shows the description and still answers true; the fields were set.
    Outlook().app()->newSaveError = L"Kontak tidak dapat disimpan.";
    EXPECT_TRUE(SaveContactToOutlook(L"B", L"Santoso", L"Home", L"2", L"Santoso, B", L""));
    EXPECT_EQ(Messages().back(), L"Kontak tidak dapat disimpan.");
    const fake::Contact& b = *server->app()->created.back();
    EXPECT_EQ(b.props.at(L"FileAs"), L"Santoso, B");
    EXPECT_EQ(b.props.at(L"HomeTelephoneNumber"), L"2");
    EXPECT_EQ(b.saves, 0);

    // A property that can't be set ends the save there.
    Outlook().app()->newSaveError.clear();
    Outlook().app()->newFailingProps[L"LastName"] = L"Properti hanya dapat dibaca.";
    EXPECT_TRUE(SaveContactToOutlook(L"C", L"Wijaya", L"Home", L"3", L"C", L""));
    EXPECT_EQ(Messages().back(), L"Properti hanya dapat dibaca.");
    EXPECT_EQ(server->app()->created.back()->calls, (Strings{L"FirstName=", L"LastName="}));
    EXPECT_EQ(server->app()->created.back()->saves, 0);
    EXPECT_EQ(Messages().size(), 3u);
}
