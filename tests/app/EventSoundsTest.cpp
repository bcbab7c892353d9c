// The event sounds: which switches silence which sound, and the box naming a missing file.
#include "phone/PhoneLinkTestSupport.h"
#include "app/Corvane_sms.h"
#include "app/EventSounds.h"
#include "phone/StoreHelpers.h"

using namespace phonetest;

namespace
{
const wchar_t kAppName[] = L"CorvaneSoundsTest";
const wchar_t kProfileKey[] = L"Software\\Corvane\\CorvaneSoundsTest";

struct EventSoundsTest : ::testing::Test
{
    void SetUp() override
    {
        app = new CCorvane_smsApp;
        free((void*)app->m_pszAppName);
        app->m_pszAppName = _wcsdup(kAppName);
        RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
        app->SetRegistryKey(L"Corvane");
        // Every file names a missing one: a sound that would play shows its box instead.
        app->WriteProfileString(L"Settings", L"suara_sent", missing + L"sent.wav");
        app->WriteProfileString(L"Settings", L"suara_rec", missing + L"rec.wav");
        app->WriteProfileString(L"Settings", L"suara_newmsg", missing + L"new.wav");
        DeleteFileW(GetAppFolder() + L"tap-icon.wav");
    }
    void TearDown() override
    {
        delete app;
        RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    }
    // The paths the boxes named while fn ran, in order.
    template <class F> std::vector<CString> Named(F fn)
    {
        const size_t nBefore = boxes.Boxes().size();
        fn();
        std::vector<CString> v;
        const std::vector<MessageBoxLog::Box> all = boxes.Boxes();
        for (size_t i = nBefore; i < all.size(); ++i)
        {
            EXPECT_EQ(all[i].title, L"ERROR");
            EXPECT_EQ(all[i].type & MB_ICONMASK, (UINT)MB_ICONEXCLAMATION);
            v.push_back(all[i].text);
        }
        return v;
    }
    void PlayAll()
    {
        PlaySentSound();
        PlayReceivedSound();
        PlayNewMessageSound();
        PlayTapIconSound();
    }

    const CString missing = L"C:\\tidak-ada\\";
    CCorvane_smsApp* app = nullptr;
    MessageBoxLog boxes;
};
} // namespace

TEST_F(EventSoundsTest, SwitchesChooseTheSoundsAndAMissingFileIsNamed)
{
    const CString tap = GetAppFolder() + L"tap-icon.wav";
    auto box = [](const CString& path) { return L"File suara " + path + L" tidak dapat ditemukan."; };
    // Defaults: the three event sounds on, the tap sound off.
    EXPECT_EQ(Named([&] { PlayAll(); }),
              (std::vector<CString>{box(missing + L"sent.wav"), box(missing + L"rec.wav"), box(missing + L"new.wav")}));
    // The main switch silences the three, not the tap sound.
    app->WriteProfileInt(L"Settings", L"isSuaraOn", 0);
    app->WriteProfileInt(L"Settings", L"isSuaraTapIconOn", 1);
    EXPECT_EQ(Named([&] { PlayAll(); }), (std::vector<CString>{box(tap)}));
    // Each event's own switch.
    app->WriteProfileInt(L"Settings", L"isSuaraOn", 1);
    app->WriteProfileInt(L"Settings", L"isSuaraTapIconOn", 0);
    app->WriteProfileInt(L"Settings", L"isSuaraSentOn", 0);
    app->WriteProfileInt(L"Settings", L"isSuaraNewMsgOn", 0);
    EXPECT_EQ(Named([&] { PlayAll(); }), (std::vector<CString>{box(missing + L"rec.wav")}));
    app->WriteProfileInt(L"Settings", L"isSuaraRecOn", 0);
    app->WriteProfileInt(L"Settings", L"isSuaraSentOn", 1);
    EXPECT_EQ(Named([&] { PlayAll(); }), (std::vector<CString>{box(missing + L"sent.wav")}));
    // The missing file is named again each time; the phone link's hooks reach the same sounds.
    app->WriteProfileInt(L"Settings", L"isSuaraSentOn", 0);
    app->WriteProfileInt(L"Settings", L"isSuaraNewMsgOn", 1);
    EXPECT_EQ(Named([&] {
                  CPhoneHost* pHost = app;
                  pHost->PlayNewMessageSound();
                  pHost->PlayNewMessageSound();
              }),
              (std::vector<CString>{box(missing + L"new.wav"), box(missing + L"new.wav")}));
    // A file that exists plays without a box.
    const CString present = GetAppFolder() + L"tap-icon.wav";
    HANDLE h = CreateFileW(present, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    app->WriteProfileInt(L"Settings", L"isSuaraTapIconOn", 1);
    EXPECT_TRUE(Named([&] { PlayTapIconSound(); }).empty());
    DeleteFileW(present);
}
