// The settings sheet: its three start sets, the step buttons, the keys of its page container,
// its icon and anchors, and the pages' layout inside the container.
#include "SettingsTestSupport.h"
#include "app/DlgLogin.h"
#include "app/DlgSetting.h"
#include "app/DlgTextInput.h"
#include "res/settings_ids.h"
#include "toolkit/bars_tabs/ExtTabWnd.h"
#include "toolkit/menus_dialogs/ExtButton.h"

#include <vector>

using namespace settingstest;

namespace
{
struct SettingsSheetTest : AppFixture
{};

// Controls of the window whose one-line text does not fit their width (with the room a check box
// or a button frame takes), named by id.
CString ClippedTexts(HWND hParent)
{
    CString problems;
    for (HWND h = ::GetWindow(hParent, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        const LONG style = ::GetWindowLongW(h, GWL_STYLE);
        wchar_t cls[32] = {};
        ::GetClassNameW(h, cls, 32);
        const bool bButton = wcscmp(cls, L"Button") == 0, bStatic = wcscmp(cls, L"Static") == 0;
        if (!(style & WS_VISIBLE) || (!bButton && !bStatic))
            continue;
        // A themed button is owner-drawn: its own record knows its kind and the font it paints in.
        const CExtButton* pThemed = dynamic_cast<const CExtButton*>(CWnd::FromHandlePermanent(h));
        const UINT type = pThemed ? (UINT)pThemed->GetButtonType() : (UINT)(style & BS_TYPEMASK);
        if (bButton && (type == BS_GROUPBOX || type == BS_OWNERDRAW))
            continue;
        const CString text = GetText(h);
        if (text.IsEmpty())
            continue;
        HDC hdc = ::GetDC(h);
        HFONT hFont = pThemed ? pThemed->QueryPaintFont() : (HFONT)::SendMessageW(h, WM_GETFONT, 0, 0);
        HGDIOBJ old = ::SelectObject(hdc, hFont);
        SIZE sz = {};
        ::GetTextExtentPoint32W(hdc, text, text.GetLength(), &sz);
        ::SelectObject(hdc, old);
        ::ReleaseDC(h, hdc);
        CRect r;
        ::GetClientRect(h, &r);
        const bool bCheck = bButton && (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX);
        const int room = bCheck ? ::GetSystemMetrics(SM_CXMENUCHECK) + 6 : (bButton ? 6 : 0);
        if (sz.cx + room > r.Width() || sz.cy > r.Height())
        {
            CString s;
            s.Format(L"[%d \"%s\" needs %dx%d, has %dx%d] ", ::GetDlgCtrlID(h), (LPCWSTR)text, sz.cx + room, sz.cy,
                     r.Width(), r.Height());
            problems += s;
        }
    }
    return problems;
}

std::vector<CString> TabTexts(CDlgSetting& dlg)
{
    std::vector<CString> texts;
    CExtTabWnd* pStrip = dlg.m_wndContainer.GetSafeTabWindow();
    for (int i = 0; pStrip && i < pStrip->ItemGetCount(); ++i)
        texts.push_back(pStrip->ItemGet(i)->GetText());
    return texts;
}
} // namespace

TEST_F(SettingsSheetTest, EachStartSetInsertsItsPagesWithTheirTabsAtTheTopAndSelectsTheLast)
{
    struct Case
    {
        const wchar_t* name;
        std::vector<CString> tabs;
    } cases[] = {
        {kSettingOption, {L"Settings", L"Umum", L"Scheduler", L"Theme", L"Password"}},
        {kSettingSms, {L"Setting SMS", L"MyText"}},
        {kSettingMyText, {L"MyText"}},
        {L"settingoption", {}},
    };
    for (const Case& c : cases)
    {
        CDlgSetting dlg;
        dlg.SetStartPage(c.name);
        std::vector<CString> tabs;
        int nSelected = -2, nPages = -1;
        DWORD dwOrient = 99;
        HWND hSelectedPage = nullptr, hVisiblePage = nullptr;
        ModalScript script;
        script.Then([&](HWND hDlg) {
            tabs = TabTexts(dlg);
            nPages = dlg.m_wndContainer.PageGetCount();
            nSelected = dlg.m_wndContainer.PageSelectionGet();
            dwOrient = dlg.m_wndContainer.GetSafeTabWindow()->OrientationGet();
            hSelectedPage = nSelected >= 0 ? dlg.m_wndContainer.PageGet(nSelected) : nullptr;
            for (int i = 0; i < nPages; ++i)
                if (::IsWindowVisible(SheetPage(hDlg, i)))
                    hVisiblePage = SheetPage(hDlg, i);
            Click(hDlg, IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL) << c.name;
        EXPECT_EQ(tabs, c.tabs) << c.name;
        EXPECT_EQ(nPages, (int)c.tabs.size()) << c.name;
        EXPECT_EQ(nSelected, (int)c.tabs.size() - 1) << c.name;
        EXPECT_EQ(dwOrient, (DWORD)CExtTabWnd::kOrientTop) << c.name;
        EXPECT_EQ(hVisiblePage, hSelectedPage) << c.name;
    }
    // Only the pages of the set were made.
    CDlgSetting dlg;
    dlg.SetStartPage(kSettingMyText);
    ModalScript script;
    script.Then([&](HWND hDlg) { Click(hDlg, IDOK); });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.m_pageMyText.m_bInitialized);
    EXPECT_FALSE(dlg.m_pageSms.m_bInitialized);
    EXPECT_FALSE(dlg.m_pageConnection.m_bInitialized);
    EXPECT_EQ(dlg.m_pageMyText.m_strListName, L"MyText");
}

TEST_F(SettingsSheetTest, StepButtonsMoveOnePageAndStopAtBothEndsAndWithOnePage)
{
    CDlgSetting dlg;
    dlg.SetStartPage(kSettingOption);
    std::vector<int> seen;
    ModalScript script;
    script.Then([&](HWND hDlg) {
        auto sel = [&] { return dlg.m_wndContainer.PageSelectionGet(); };
        seen.push_back(sel()); // 4, the last
        Click(hDlg, IDC_SETTING_NEXT);
        seen.push_back(sel()); // still 4
        for (int i = 0; i < 5; ++i)
        {
            Click(hDlg, IDC_SETTING_PREV);
            seen.push_back(sel()); // 3 2 1 0 0
        }
        Click(hDlg, IDC_SETTING_NEXT);
        seen.push_back(sel()); // 1
        // The page shown is the selected one.
        EXPECT_TRUE(::IsWindowVisible(SheetPage(hDlg, 1)));
        EXPECT_FALSE(::IsWindowVisible(SheetPage(hDlg, 0)));
        Click(hDlg, IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(seen, (std::vector<int>{4, 4, 3, 2, 1, 0, 0, 1}));

    CDlgSetting one;
    one.SetStartPage(kSettingMyText);
    std::vector<int> oneSeen;
    ModalScript script2;
    script2.Then([&](HWND hDlg) {
        Click(hDlg, IDC_SETTING_PREV);
        oneSeen.push_back(one.m_wndContainer.PageSelectionGet());
        Click(hDlg, IDC_SETTING_NEXT);
        oneSeen.push_back(one.m_wndContainer.PageSelectionGet());
        Click(hDlg, IDCANCEL);
    });
    one.DoModal();
    EXPECT_EQ(oneSeen, (std::vector<int>{0, 0}));
}

TEST_F(SettingsSheetTest, CtrlPageDownInsideAPageStepsAndWrapsButNotWithShift)
{
    CDlgSetting dlg;
    dlg.SetStartPage(kSettingOption);
    std::vector<int> seen;
    ModalScript script;
    script.Then([&](HWND hDlg) {
        ::SetForegroundWindow(hDlg);
        // The focus on a control of the selected (last) page.
        ::SetFocus(::GetDlgItem(SheetPage(hDlg, 4), IDC_PASS_ACTIVE));
        Pump();
        PressKey(VK_NEXT, true);
        seen.push_back(dlg.m_wndContainer.PageSelectionGet()); // wraps to 0
        ::SetFocus(::GetDlgItem(SheetPage(hDlg, 0), IDC_CONN_TIMEOUT));
        PressKey(VK_NEXT, true, true);
        seen.push_back(dlg.m_wndContainer.PageSelectionGet()); // unchanged
        PressKey(VK_PRIOR, true);
        seen.push_back(dlg.m_wndContainer.PageSelectionGet()); // wraps back to 4
        Click(hDlg, IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(seen, (std::vector<int>{0, 0, 4}));
}

TEST_F(SettingsSheetTest, EscapeInAPageClosesTheSheetAsCancelDoes)
{
    CDlgSetting dlg;
    dlg.SetStartPage(kSettingOption);
    ModalScript script;
    // The key goes through the sheet's own loop; a sheet still up afterwards is ended with OK.
    script
        .Then([](HWND hDlg) {
            HWND hFocus = ::GetDlgItem(SheetPage(hDlg, 4), IDC_PASS_ACTIVE);
            ::SetFocus(hFocus);
            ::PostMessageW(hFocus, WM_KEYDOWN, VK_ESCAPE, 1);
        })
        .Then([](HWND hDlg) { Click(hDlg, IDOK); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(SettingsSheetTest, HasItsSmallIconAndKeepsButtonsAtTheBottomRightWhenResized)
{
    CDlgSetting dlg;
    dlg.SetStartPage(kSettingSms);
    HICON hIcon = nullptr;
    CSize okShift, containerGrowth;
    ModalScript script;
    script.Then([&](HWND hDlg) {
        hIcon = (HICON)::SendMessageW(hDlg, WM_GETICON, ICON_SMALL, 0);
        auto rectOf = [&](int nID) {
            CRect r;
            ::GetWindowRect(::GetDlgItem(hDlg, nID), &r);
            return r;
        };
        const CRect ok0 = rectOf(IDOK), box0 = rectOf(IDC_SETTING_CONTAINER);
        CRect rcWindow;
        ::GetWindowRect(hDlg, &rcWindow);
        ::SetWindowPos(hDlg, nullptr, 0, 0, rcWindow.Width() + 40, rcWindow.Height() + 30, SWP_NOMOVE | SWP_NOZORDER);
        Pump();
        const CRect ok1 = rectOf(IDOK), box1 = rectOf(IDC_SETTING_CONTAINER);
        okShift = CSize(ok1.left - ok0.left, ok1.top - ok0.top);
        containerGrowth = CSize(box1.Width() - box0.Width(), box1.Height() - box0.Height());
        EXPECT_EQ(box1.TopLeft(), box0.TopLeft());
        Click(hDlg, IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_NE(hIcon, nullptr);
    EXPECT_EQ(okShift, CSize(40, 30));
    EXPECT_EQ(containerGrowth, CSize(40, 30));
}

TEST_F(SettingsSheetTest, EveryControlOfEveryPageLiesInsideThePageAreaWithoutOverlaps)
{
    for (const wchar_t* set : {kSettingOption, kSettingSms})
    {
        CDlgSetting dlg;
        dlg.SetStartPage(set);
        CString problems;
        ModalScript script;
        script.Then([&](HWND hDlg) {
            for (int i = 0; i < dlg.m_wndContainer.PageGetCount(); ++i)
            {
                HWND hPage = SheetPage(hDlg, i);
                CRect rcPage;
                ::GetClientRect(hPage, &rcPage);
                std::vector<std::pair<HWND, CRect>> controls;
                for (HWND h = ::GetWindow(hPage, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
                {
                    if (!(::GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE))
                        continue;
                    CRect r;
                    ::GetWindowRect(h, &r);
                    ::MapWindowPoints(nullptr, hPage, (LPPOINT)&r, 2);
                    CString id;
                    id.Format(L"[page %d control %d] ", i, ::GetDlgCtrlID(h));
                    if ((r & rcPage) != r)
                        problems += id + L"outside ";
                    wchar_t cls[32] = {};
                    ::GetClassNameW(h, cls, 32);
                    const bool bGroup =
                        (::GetWindowLongW(h, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX && wcscmp(cls, L"Button") == 0;
                    // Group boxes frame their controls; a spin sits on its buddy's edge.
                    if (!bGroup && wcscmp(cls, L"msctls_updown32") != 0)
                        controls.push_back({h, r});
                }
                problems += ClippedTexts(hPage);
                for (size_t a = 0; a < controls.size(); ++a)
                    for (size_t b = a + 1; b < controls.size(); ++b)
                        if (!(controls[a].second & controls[b].second).IsRectEmpty())
                        {
                            CString s;
                            s.Format(L"[page %d: %d overlaps %d] ", i, ::GetDlgCtrlID(controls[a].first),
                                     ::GetDlgCtrlID(controls[b].first));
                            problems += s;
                        }
            }
            problems += ClippedTexts(hDlg);
            Click(hDlg, IDCANCEL);
        });
        dlg.DoModal();
        EXPECT_TRUE(problems.IsEmpty()) << ::testing::PrintToString(problems);
    }
    // The login (keypad in its own font) and the text entry dialog.
    CDlgLogin login;
    ASSERT_TRUE(login.Create(IDD_LOGIN, nullptr));
    login.OnInitDialog();
    EXPECT_TRUE(ClippedTexts(login.GetSafeHwnd()).IsEmpty())
        << ::testing::PrintToString(ClippedTexts(login.GetSafeHwnd()));
    login.DestroyWindow();
    CDlgTextInput input;
    ASSERT_TRUE(input.Create(IDD_TEXT_INPUT, nullptr));
    EXPECT_TRUE(ClippedTexts(input.GetSafeHwnd()).IsEmpty())
        << ::testing::PrintToString(ClippedTexts(input.GetSafeHwnd()));
    input.DestroyWindow();
}
