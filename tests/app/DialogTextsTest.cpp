// Every dialog template of the program and the main view, created as the program creates them: the
// text of every static, button, check box and combo box fits the text rectangle of its control in
// the font the control paints with, and a combo box shows its text whole on the screen.
#include "ProgramTestSupport.h"
#include "app/DlgAbout.h"
#include "app/DlgBrowseFolder.h"
#include "app/DlgComposeSms.h"
#include "app/DlgDialer.h"
#include "app/DlgExportSms.h"
#include "app/DlgImportSms.h"
#include "app/DlgLogin.h"
#include "app/DlgSaveContact.h"
#include "app/DlgSearch.h"
#include "app/DlgSetting.h"
#include "app/DlgSmsLog.h"
#include "app/DlgSound.h"
#include "app/DlgTextInput.h"
#include "res/app_ids.h"
#include "res/app_tools_ids.h"
#include "res/settings_ids.h"
#include "support/DibCanvas.h"
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/extras/ExtColorDlg.h"

#include <functional>
#include <memory>

using namespace phonetest;

namespace
{
CString ClassOf(HWND h)
{
    wchar_t cls[64] = {};
    ::GetClassNameW(h, cls, 64);
    return cls;
}

CString TextOf(HWND h)
{
    const int n = ::GetWindowTextLengthW(h);
    CString s;
    ::GetWindowTextW(h, s.GetBufferSetLength(n + 1), n + 1);
    s.ReleaseBuffer();
    return s;
}

// The size DrawText gives the text in the font within the width (words wrapped when bWrap is set).
CSize Measure(HWND h, HFONT hFont, const CString& text, int cxWidth, bool bWrap)
{
    HDC hdc = ::GetDC(h);
    HGDIOBJ old = ::SelectObject(hdc, hFont != nullptr ? (HGDIOBJ)hFont : ::GetStockObject(SYSTEM_FONT));
    CRect rc(0, 0, cxWidth, 0);
    ::DrawTextW(hdc, text, -1, &rc, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (bWrap ? DT_WORDBREAK : DT_SINGLELINE));
    ::SelectObject(hdc, old);
    ::ReleaseDC(h, hdc);
    return rc.Size();
}

// The box around the dark pixels of the screen rectangle (empty when there are none).
CRect InkBox(const DWORD* pBits, int cx, int cy)
{
    CRect box(cx, cy, -1, -1);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
        {
            const DWORD v = pBits[y * cx + x];
            if (((v >> 16) & 0xFF) + ((v >> 8) & 0xFF) + (v & 0xFF) < 3 * 128)
            {
                box.left = std::min<int>(box.left, x);
                box.top = std::min<int>(box.top, y);
                box.right = std::max<int>(box.right, x + 1);
                box.bottom = std::max<int>(box.bottom, y + 1);
            }
        }
    return box.right < 0 ? CRect() : box;
}

// The combo box's text as the screen shows it against the same text drawn whole in its font: the
// ink of both has the same width and height.
CString ComboDrawnWhole(HWND hCombo, const CString& text)
{
    COMBOBOXINFO info = {sizeof info};
    if (text.IsEmpty() || !::GetComboBoxInfo(hCombo, &info))
        return CString();
    CRect rcItem(info.rcItem);
    ::MapWindowPoints(hCombo, nullptr, (LPPOINT)&rcItem, 2);
    // The whole client area left of the button: a text drawn past the item rectangle counts too.
    CRect rcClient;
    ::GetClientRect(hCombo, &rcClient);
    ::MapWindowPoints(hCombo, nullptr, (LPPOINT)&rcClient, 2);
    rcClient.right = rcItem.right;
    DibCanvas screen(rcClient.Width(), rcClient.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(screen.dc.GetSafeHdc(), 0, 0, rcClient.Width(), rcClient.Height(), hScreen, rcClient.left, rcClient.top,
             SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    const CRect shown = InkBox(screen.Bits(), rcClient.Width(), rcClient.Height());
    HFONT hFont = (HFONT)::SendMessageW(hCombo, WM_GETFONT, 0, 0);
    DibCanvas ref(400, 60);
    HGDIOBJ old = ref.dc.SelectObject(CFont::FromHandle(hFont));
    ref.dc.SetTextColor(RGB(0, 0, 0));
    ref.dc.SetBkMode(TRANSPARENT);
    CRect rcRef(10, 10, 390, 50);
    ::DrawTextW(ref.dc.GetSafeHdc(), text, -1, &rcRef, DT_SINGLELINE | DT_NOPREFIX);
    ref.dc.SelectObject(old);
    const CRect whole = InkBox(ref.Bits(), 400, 60);
    if (shown.Width() == whole.Width() && shown.Height() == whole.Height())
        return CString();
    CString s;
    s.Format(L"[combo %d \"%s\" drawn %dx%d of %dx%d] ", ::GetDlgCtrlID(hCombo), (LPCWSTR)text, shown.Width(),
             shown.Height(), whole.Width(), whole.Height());
    return s;
}

// The controls of the window and of its child dialogs whose text does not fit, named by id.
CString ClippedTexts(HWND hParent)
{
    CString problems;
    for (HWND h = ::GetWindow(hParent, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        const LONG style = ::GetWindowLongW(h, GWL_STYLE);
        if (!(style & WS_VISIBLE))
            continue;
        const CString cls = ClassOf(h);
        if (cls == L"#32770" || cls == L"Nimbal-TabPageContainer")
        {
            problems += ClippedTexts(h);
            continue;
        }
        HFONT hFont = (HFONT)::SendMessageW(h, WM_GETFONT, 0, 0);
        CRect rc;
        ::GetClientRect(h, &rc);
        CString text = TextOf(h);
        CSize need, room = rc.Size();
        if (cls == L"Static")
        {
            const UINT type = style & SS_TYPEMASK;
            if (text.IsEmpty() || (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT &&
                                   type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE))
                continue;
            // Words wrap in a static of more than one line.
            const bool bWrap = type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE;
            need = Measure(h, hFont, text, rc.Width(), bWrap);
        }
        else if (cls == L"Button")
        {
            const CExtButton* pThemed = dynamic_cast<const CExtButton*>(CWnd::FromHandlePermanent(h));
            const UINT type = pThemed ? (UINT)pThemed->GetButtonType() : (UINT)(style & BS_TYPEMASK);
            if (text.IsEmpty() || type == BS_GROUPBOX || type == BS_OWNERDRAW)
                continue;
            if (pThemed != nullptr)
                hFont = pThemed->QueryPaintFont();
            text.Remove(L'&');
            need = Measure(h, hFont, text, rc.Width(), false);
            const bool bCheck = type == BS_AUTOCHECKBOX || type == BS_CHECKBOX || type == BS_AUTORADIOBUTTON ||
                                type == BS_RADIOBUTTON || type == BS_AUTO3STATE || type == BS_3STATE;
            need.cx += bCheck ? ::GetSystemMetrics(SM_CXMENUCHECK) + 4 : 6;
        }
        else if (cls == L"ComboBox")
        {
            COMBOBOXINFO info = {sizeof info};
            ::GetComboBoxInfo(h, &info);
            const int nSel = (int)::SendMessageW(h, CB_GETCURSEL, 0, 0);
            if (nSel >= 0)
            {
                const int n = (int)::SendMessageW(h, CB_GETLBTEXTLEN, nSel, 0);
                ::SendMessageW(h, CB_GETLBTEXT, nSel, (LPARAM)text.GetBufferSetLength(n + 1));
                text.ReleaseBuffer();
            }
            room = CRect(info.rcItem).Size();
            need = Measure(h, hFont, text.IsEmpty() ? CString(L"Mgy") : text, 0, false);
            if (text.IsEmpty())
                need.cx = 0;
            problems += ComboDrawnWhole(h, text);
        }
        else
            continue;
        if (need.cx > room.cx || need.cy > room.cy)
        {
            CString s;
            s.Format(L"[%s %d \"%s\" needs %dx%d, has %dx%d] ", (LPCWSTR)cls, ::GetDlgCtrlID(h), (LPCWSTR)text, need.cx,
                     need.cy, room.cx, room.cy);
            problems += s;
        }
    }
    return problems;
}

struct DialogTextsTest : programtest::ProgramFixture
{
    DialogTextsTest() : ProgramFixture(L"CorvaneDialogTextsTest") {}
    // Creates the dialog from its template, shows it in front and reports its clipped texts.
    // pages: the number of pages to select one after another through selectPage (one: none).
    CString Check(
        CDialog& dlg, UINT nTemplate, int nPages = 1, const std::function<void(int)>& selectPage = [](int) {})
    {
        if (!dlg.Create(nTemplate, frame))
            return L"[not created] ";
        CString problems;
        for (int i = 0; i < nPages; ++i)
        {
            selectPage(i);
            problems += CheckShown(dlg);
        }
        dlg.DestroyWindow();
        PumpUntil([] { return false; }, 20);
        return problems;
    }
    CString CheckShown(CDialog& dlg)
    {
        dlg.SetWindowPos(&CWnd::wndTopMost, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        // The focus on a button: a focused combo box shows its text highlighted.
        for (HWND h = ::GetWindow(dlg.GetSafeHwnd(), GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
            if (ClassOf(h) == L"Button" && ::IsWindowVisible(h) && ::IsWindowEnabled(h))
            {
                ::SetFocus(h);
                break;
            }
        dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpUntil([] { return false; }, 100);
        dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return ClippedTexts(dlg.GetSafeHwnd());
    }
};
} // namespace

TEST_F(DialogTextsTest, EveryTextOfEveryDialogAndTheMainViewFitsItsControlInItsOwnFont)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    frame->ShowWindow(SW_SHOWNORMAL);
    frame->UpdateWindow();
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(ClippedTexts(view->GetSafeHwnd()), L"") << "main view";
    {
        CDlgAbout dlg(frame);
        EXPECT_EQ(Check(dlg, IDD_ABOUTBOX), L"") << "about";
    }
    {
        CDlgExportSms dlg(frame);
        EXPECT_EQ(Check(dlg, IDD_EXPORT_SMS), L"") << "export";
    }
    {
        CDlgImportSms dlg(frame);
        EXPECT_EQ(Check(dlg, IDD_IMPORT_SMS), L"") << "import";
    }
    {
        CDlgBrowseFolder dlg(frame);
        EXPECT_EQ(Check(dlg, IDD_BROWSE_FOLDER), L"") << "browse";
    }
    {
        CDlgSearch dlg(frame);
        EXPECT_EQ(Check(dlg, IDD_SEARCH_SMS), L"") << "search";
    }
    {
        CDlgSmsLog dlg(frame);
        EXPECT_EQ(Check(dlg, IDD_SMS_LOG), L"") << "log";
    }
    {
        CDlgSaveContact dlg(frame);
        EXPECT_EQ(Check(dlg, IDD_SAVE_CONTACT), L"") << "save contact";
    }
    {
        CDlgSound dlg(frame);
        EXPECT_EQ(Check(dlg, IDD_SOUND), L"") << "sound";
    }
    {
        CDlgLogin dlg(frame);
        EXPECT_EQ(Check(dlg, IDD_LOGIN), L"") << "login";
    }
    {
        CDlgTextInput dlg(frame);
        EXPECT_EQ(Check(dlg, IDD_TEXT_INPUT), L"") << "text input";
    }
    for (const wchar_t* set : {kSettingOption, kSettingSms})
    {
        CDlgSetting dlg(frame);
        dlg.SetStartPage(set);
        const int nPages = set == kSettingOption ? 5 : 2;
        EXPECT_EQ(Check(dlg, IDD_SETTING, nPages, [&](int i) { dlg.SelectPage(i); }), L"")
            << "settings " << CStringA(set).GetString();
    }
    {
        CExtColorDlg dlg(RGB(10, 20, 30), RGB(10, 20, 30), frame);
        EXPECT_EQ(Check(dlg, IDD_EXT_COLOR_DLG), L"") << "colour";
    }
    {
        CDlgComposeSms dlg(frame);
        EXPECT_EQ(Check(dlg, IDD_COMPOSE_SMS), L"") << "compose";
    }
    {
        CDlgDialer dlg(frame, CString(), FALSE);
        EXPECT_EQ(Check(dlg, IDD_DIALER), L"") << "dialer";
    }
}

// The dialer's number area: the longest number drawn large (13 characters) and the longest number of
// the keypad (28 characters, drawn small) fit their rectangles in the fonts the dialer draws them with.
TEST_F(DialogTextsTest, TheDialersLongestNumbersFitTheirRectanglesInTheirFonts)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    CDlgDialer dlg(frame, CString(), FALSE);
    ASSERT_TRUE(dlg.Create(IDD_DIALER, frame));
    // Every key's character, the widest ones first.
    for (const wchar_t* pszKeys : {L"#", L"0", L"8", L"*", L"1"})
    {
        const CString large(pszKeys[0], CDlgDialer::kLargeLimit - 1), small(pszKeys[0], CDlgDialer::kMaxNumber);
        const CSize szLarge = Measure(dlg.GetSafeHwnd(), (HFONT)dlg.m_fontLarge.GetSafeHandle(), large, 0, false);
        const CSize szSmall = Measure(dlg.GetSafeHwnd(), (HFONT)dlg.m_fontSmall.GetSafeHandle(), small, 0, false);
        EXPECT_LE(szLarge.cx, dlg.m_rcLarge.Width()) << CStringA(large).GetString();
        EXPECT_LE(szLarge.cy, dlg.m_rcLarge.Height()) << CStringA(large).GetString();
        EXPECT_LE(szSmall.cx, dlg.m_rcSmall.Width()) << CStringA(small).GetString();
        EXPECT_LE(szSmall.cy, dlg.m_rcSmall.Height()) << CStringA(small).GetString();
    }
    dlg.DestroyWindow();
}
