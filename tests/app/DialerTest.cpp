// The dialer window with real clicks on its hotspots: keys, backspace, clear, paste, the text
// entry dialog, the contact list and letter bar, the number drawn large and small on both skins,
// and dialling through the simulated phone (its transcript), auto-dial and the phone-use guard.
#include "phone/PhoneLinkTestSupport.h"
#include "app/DlgDialer.h"
#include "phone/PhoneUse.h"
#include "phone/StoreHelpers.h"
#include "res/app_tools_ids.h"
#include "support/DibCanvas.h"
#include "tests/support/InputScript.h"
#include "tests/support/ReferenceTimer.h"

#include <string>

using namespace phonetest;

namespace
{
void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

// A left click at a client point of the window; it returns once the window has handled it (or runs
// the modal loop the click opened, until that ends).
void ClickAt(HWND hWnd, CPoint pt)
{
    ::ClientToScreen(hWnd, &pt);
    RunInputScript([&] {
        SendMouse(pt.x, pt.y, 0);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
    });
}

CPoint CentreOf(CDlgDialer::EAction action, wchar_t chKey = 0)
{
    for (int i = 0; i < CDlgDialer::s_nHotspots; ++i)
    {
        const CDlgDialer::SHotspot& h = CDlgDialer::s_hotspots[i];
        if (h.action == action && h.chKey == chKey)
            return CPoint((h.rc.left + h.rc.right) / 2, (h.rc.top + h.rc.bottom) / 2);
    }
    return CPoint(-1, -1);
}

int Dials(const std::string& number)
{
    const SimPhone::State state = SimPhone::GetState();
    int n = 0;
    for (const std::string& c : state.commands)
        if (c == "atd" + number + ";" || c == "ATD" + number + ";")
            ++n;
    return n;
}

int AnyDials()
{
    int n = 0;
    for (const std::string& c : SimPhone::GetState().commands)
        if (c.size() >= 3 && (c.compare(0, 3, "atd") == 0 || c.compare(0, 3, "ATD") == 0))
            ++n;
    return n;
}

struct DialerTest : HostTest
{
    void SetUp() override
    {
        HostTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(SimPhone::Load("basic"));
        SetSettingText(L"DialerSkin", L"chess-w");
    }
    void TearDown() override
    {
        if (dlg && dlg->GetSafeHwnd())
            dlg->DestroyWindow();
        dlg.reset();
        HostTest::TearDown();
    }
    void Open(const CString& number = CString(), BOOL autoDial = FALSE)
    {
        dlg.reset(new CDlgDialer(nullptr, number, autoDial));
        ASSERT_TRUE(dlg->Create(IDD_DIALER, nullptr));
        dlg->SetWindowPos(&CWnd::wndTop, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        ::SetForegroundWindow(dlg->GetSafeHwnd());
        SettleInput();
    }
    void Click(CDlgDialer::EAction action, wchar_t chKey = 0) { ClickAt(dlg->GetSafeHwnd(), CentreOf(action, chKey)); }
    CString EditText()
    {
        CString s;
        dlg->m_wndNumber.GetWindowText(s);
        return s;
    }
    std::unique_ptr<CDlgDialer> dlg;
};

// Counts the pixels of the text colour in rows [top, bottom) of the number area.
int TextPixels(CDlgDialer& dlg, int top, int bottom)
{
    DibCanvas canvas(CDlgDialer::kSkinWidth, CDlgDialer::kSkinHeight, RGB(1, 2, 3));
    dlg.DoPaint(canvas.dc);
    const COLORREF text = dlg.m_bWhiteText ? RGB(255, 255, 255) : RGB(0, 0, 0);
    return canvas.Count(CRect(7, top, 230, bottom), text);
}
} // namespace

TEST_F(DialerTest, KeysAppendUpToTwentyEightAndBackspaceAndClearEditTheNumber)
{
    Open();
    CRect rc;
    dlg->GetClientRect(&rc);
    EXPECT_EQ(rc.Width(), 240);
    EXPECT_EQ(rc.Height(), 260);
    const wchar_t keys[] = L"1234567890*#";
    for (int i = 0; i < 12; ++i)
        Click(CDlgDialer::kKey, keys[i]);
    EXPECT_EQ(dlg->m_strNumber, L"1234567890*#");
    EXPECT_EQ(EditText(), L"1234567890*#");
    for (int i = 0; i < 17; ++i)
        Click(CDlgDialer::kKey, keys[i % 10]);
    EXPECT_EQ(dlg->m_strNumber.GetLength(), 28);
    EXPECT_EQ(dlg->m_strNumber.Right(3), L"456");
    Click(CDlgDialer::kBackspace);
    EXPECT_EQ(dlg->m_strNumber.GetLength(), 27);
    EXPECT_EQ(dlg->m_strNumber.Right(2), L"45");
    Click(CDlgDialer::kClear);
    EXPECT_EQ(dlg->m_strNumber, L"");
    Click(CDlgDialer::kBackspace);
    EXPECT_EQ(dlg->m_strNumber, L"");
}

TEST_F(DialerTest, ThirteenCharactersAreDrawnLargeAndFourteenSmallInTheSkinsColour)
{
    Open(L"0812345678901");
    ASSERT_TRUE(dlg->m_bWhiteText);
    EXPECT_GT(TextPixels(*dlg, 90, 106), 20); // the large font reaches below the small one
    dlg->m_strNumber += L"2";
    EXPECT_EQ(TextPixels(*dlg, 90, 106), 0);
    EXPECT_GT(TextPixels(*dlg, 72, 88), 20);
    // The dark-keys skin: a black number.
    dlg->DestroyWindow();
    SetSettingText(L"DialerSkin", L"chess");
    Open(L"0812");
    EXPECT_FALSE(dlg->m_bWhiteText);
    EXPECT_GT(TextPixels(*dlg, 90, 106), 20);
    // The skin itself is drawn: a key of the pad is not the canvas colour.
    DibCanvas canvas(240, 260, RGB(1, 2, 3));
    dlg->DoPaint(canvas.dc);
    EXPECT_EQ(canvas.Count(CRect(4, 109, 55, 139), RGB(1, 2, 3)), 0);
}

TEST_F(DialerTest, AMissingSkinDrawsOnlyTheNumber)
{
    SetSettingText(L"DialerSkin", L"tidak-ada");
    Open(L"0812");
    DibCanvas canvas(240, 260, RGB(1, 2, 3));
    dlg->DoPaint(canvas.dc);
    const int background = canvas.Count(CRect(0, 0, 240, 260), RGB(1, 2, 3));
    const int text = canvas.Count(CRect(0, 0, 240, 260), RGB(0, 0, 0));
    EXPECT_GT(text, 20);
    EXPECT_GT(background + text + 2000, 240 * 260); // only the number's anti-aliased edge beside
    EXPECT_EQ(canvas.Count(CRect(0, 110, 240, 260), RGB(1, 2, 3)), 240 * 150);
}

TEST_F(DialerTest, PasteKeepsPlusAndDigitsAndEditGoesThroughTheTextEntryDialog)
{
    Open(L"99");
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    const wchar_t text[] = L"+62 812-345 67";
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    memcpy(::GlobalLock(h), text, sizeof text);
    ::GlobalUnlock(h);
    ::SetClipboardData(CF_UNICODETEXT, h);
    ::CloseClipboard();
    Click(CDlgDialer::kPaste);
    EXPECT_EQ(dlg->m_strNumber, L"+6281234567");

    // Copy puts the number on the clipboard.
    dlg->m_strNumber = L"0811";
    Click(CDlgDialer::kCopy);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HANDLE hData = ::GetClipboardData(CF_UNICODETEXT);
    CString copied = hData ? (const wchar_t*)::GlobalLock(hData) : L"";
    if (hData)
        ::GlobalUnlock(hData);
    ::CloseClipboard();
    EXPECT_EQ(copied, L"0811");

    // "edit": the dialog titled "Rubah nomor tujuan"; its text, filtered, is the number.
    static CString s_title, s_preset;
    s_title.Empty();
    s_preset.Empty();
    ::SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND hBox = ::FindWindowW(nullptr, L"Rubah nomor tujuan");
        if (hBox == nullptr)
            return;
        ::KillTimer(nullptr, id);
        wchar_t buf[64] = {};
        ::GetWindowTextW(hBox, buf, 64);
        s_title = buf;
        ::GetDlgItemTextW(hBox, 1053, buf, 64);
        s_preset = buf;
        ::SetDlgItemTextW(hBox, 1053, L"(021) 555-01");
        ::PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    Click(CDlgDialer::kEdit);
    EXPECT_EQ(s_title, L"Rubah nomor tujuan");
    EXPECT_EQ(s_preset, L"0811");
    EXPECT_EQ(dlg->m_strNumber, L"02155501");
}

TEST_F(DialerTest, TheContactsHotspotTogglesTheListAndAContactClickTakesItsNumber)
{
    host->m_doc.AddContact(L"Ani", L"0811 222", L"MOB", L"");
    host->m_doc.AddContact(L"Budi", L"0822", L"HM1", L"");
    Open();
    ASSERT_NE(dlg->m_wndContacts.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(dlg->m_wndContacts.IsWindowVisible());
    EXPECT_FALSE(dlg->m_wndLetters.IsWindowVisible());
    EXPECT_EQ(dlg->m_wndContacts.GetRowCount(), 2);
    Click(CDlgDialer::kContacts);
    EXPECT_TRUE(dlg->m_bContactsShown);
    EXPECT_TRUE(dlg->m_wndContacts.IsWindowVisible());
    EXPECT_TRUE(dlg->m_wndLetters.IsWindowVisible());
    // A click on the first row.
    CRect rcRow;
    ASSERT_TRUE(dlg->m_wndContacts.GetItemRect(0, &rcRow, LVIR_BOUNDS));
    CPoint pt = rcRow.CenterPoint();
    pt.x = 20;
    ::MapWindowPoints(dlg->m_wndContacts.GetSafeHwnd(), dlg->GetSafeHwnd(), &pt, 1);
    ClickAt(dlg->GetSafeHwnd(), pt);
    // The list posts the contact's number and the update that hides it.
    EXPECT_TRUE(WaitFor([&] {
        return dlg->m_strNumber == L"0811222" && !dlg->m_wndContacts.IsWindowVisible() &&
               !dlg->m_wndLetters.IsWindowVisible();
    }));
    EXPECT_EQ(dlg->m_strNumber, L"0811222");
    EXPECT_FALSE(dlg->m_wndContacts.IsWindowVisible());
    EXPECT_FALSE(dlg->m_wndLetters.IsWindowVisible());
    // The state stayed on: one click turns it off, a second shows the list again.
    Click(CDlgDialer::kContacts);
    EXPECT_FALSE(dlg->m_bContactsShown);
    EXPECT_FALSE(dlg->m_wndContacts.IsWindowVisible());
    Click(CDlgDialer::kContacts);
    EXPECT_TRUE(dlg->m_wndContacts.IsWindowVisible());
}

TEST_F(DialerTest, DialSendsAtdToThePhoneAndReportsAnError)
{
    Open(L"Telkomsel"); // a sender's name is no number: empty, nothing dialled
    Click(CDlgDialer::kDial);
    EXPECT_EQ(AnyDials(), 0);
    dlg->m_strNumber = L"0812345";
    Click(CDlgDialer::kDial);
    EXPECT_TRUE(WaitFor([] { return Dials("0812345") >= 1; }));
    EXPECT_EQ(Dials("0812345"), 1);
    EXPECT_FALSE(boxes.Any(L"maaf"));

    ASSERT_TRUE(SimPhone::LoadJson("dial_error", R"({"extends": "basic",
        "faults": [{"command": "ATD0812345;", "action": "error"}]})"));
    Click(CDlgDialer::kDial);
    EXPECT_TRUE(boxes.Any(L"maaf handphone anda tidak mensupport fasilitas ini.")) << boxes.All();
    bool titled = false;
    for (const MessageBoxLog::Box& b : boxes.Boxes())
        titled |= b.text == L"maaf handphone anda tidak mensupport fasilitas ini." && b.title == L"Error";
    EXPECT_TRUE(titled);
    EXPECT_TRUE(dlg->IsWindowVisible());
}

TEST_F(DialerTest, AutoDialDialsOnceAfterASecondAndAHeldPhoneGivesTheInfoBox)
{
    // Dialled a second after opening: not sooner, and no later than two ticks after the fourth of a
    // reference timer of a quarter second started with the opening.
    const DWORD kStatedAutoDialMs = 1000;
    CReferenceTimer ref;
    ref.Start(kStatedAutoDialMs / 4, [] { return Dials("08123") > 0 ? 1L : 0L; });
    const DWORD start = ::GetTickCount();
    Open(L"08123", TRUE);
    ASSERT_TRUE(PumpUntil([] { return Dials("08123") > 0; }, kInputWaitMs));
    EXPECT_GE(::GetTickCount() - start, kStatedAutoDialMs);
    ASSERT_TRUE(PumpUntil([&] { return ref.FirstTickReaching(1) > 0; }, kInputWaitMs));
    ref.Stop();
    EXPECT_LE(ref.FirstTickReaching(1), kQuarterTicksToAct);
    // Once: no second dial comes.
    PumpFor(1300);
    EXPECT_EQ(Dials("08123"), 1);

    // A job holds the phone: the box, nothing sent.
    CPhoneUse job;
    ASSERT_TRUE(job.ClaimForJob(host->m_port));
    Click(CDlgDialer::kDial);
    job.Release();
    EXPECT_EQ(Dials("08123"), 1);
    EXPECT_TRUE(boxes.Any(L"Handphone sedang digunakan. Coba lagi setelah proses selesai.")) << boxes.All();
}
