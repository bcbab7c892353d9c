// The hover button's extras with real input under Xvfb: the popup menu (shown pressed, prepared
// through the callback, the chosen command posted), the URL opened through the shell (a
// registered protocol writes what it was given), the cursor, the hover and click sounds with their
// own flags, and the transparent mode's copy of the parent's pixels.
#include "res/app_ids.h"
#include "support/DibCanvas.h"
#include "HoverButtonTestSupport.h"

#include <gtest/gtest.h>
#include <memory>
#include <mmsystem.h>
#include <vector>

using namespace hovertest;

namespace
{
const UINT WM_TEST_MENU_CALLBACK = WM_APP + 0x41;
const COLORREF kParentColour = RGB(200, 30, 40);

void PostKey(HWND hWnd, UINT vk)
{
    ::PostMessageW(hWnd, WM_KEYDOWN, vk, 1);
    ::PostMessageW(hWnd, WM_KEYUP, vk, 0xC0000001);
}

// Ends a menu that the keys did not end, so that a fault cannot hang the test.
void CALLBACK EndMenuTimer(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(nullptr, nId);
    ::EndMenu();
}

// A top-level parent painted in one colour that records commands and prepares the button's menu.
class MenuParent : public ButtonParent
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ERASEBKGND)
        {
            CRect rc;
            GetClientRect(&rc);
            CDC::FromHandle((HDC)wParam)->FillSolidRect(&rc, m_crBack);
            return 1;
        }
        if (message == WM_COMMAND)
        {
            if (lParam == 0)
                m_menuCommands.push_back(LOWORD(wParam));
            else if (HIWORD(wParam) == BN_CLICKED)
                ++m_nClicks;
        }
        if (message == WM_TEST_MENU_CALLBACK)
        {
            m_hCallbackMenu = (HMENU)wParam;
            m_lCallbackParam = lParam;
            // The button as it shows under its menu.
            m_pressedLook.reset(new DibCanvas(50, 40, RGB(1, 2, 3)));
            ::SendMessageW(m_hButton, WM_PRINTCLIENT, (WPARAM)m_pressedLook->dc.GetSafeHdc(), PRF_CLIENT);
            for (UINT vk : m_keys)
                PostKey(m_hWnd, vk);
            ::SetTimer(nullptr, 0, 3000, &EndMenuTimer);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    COLORREF m_crBack = kParentColour;
    std::vector<UINT> m_keys;
    std::vector<UINT> m_menuCommands;
    int m_nClicks = 0;
    HMENU m_hCallbackMenu = nullptr;
    LPARAM m_lCallbackParam = 0;
    std::unique_ptr<DibCanvas> m_pressedLook;
};

// Records the sounds instead of playing them (there is no sound device under Xvfb).
class RecordingButton : public CHoverButton
{
public:
    struct Sound
    {
        CString strName;
        HMODULE hMod;
        DWORD dwFlags;
    };
    std::vector<Sound> m_sounds;

protected:
    void PlayButtonSound(const CString& strSound, HMODULE hMod, DWORD dwFlags) override
    {
        m_sounds.push_back({strSound, hMod, dwFlags});
    }
};

struct HoverButtonExtrasTest : ButtonOnParentTest<MenuParent>
{};

// The mask bits of a cursor, to tell two cursors apart by their shape.
std::vector<BYTE> CursorMask(HCURSOR hCursor)
{
    std::vector<BYTE> bits;
    ICONINFO info = {};
    if (hCursor == nullptr || !::GetIconInfo(hCursor, &info))
        return bits;
    BITMAP bm = {};
    ::GetObjectW(info.hbmMask, sizeof bm, &bm);
    bits.resize((size_t)bm.bmWidthBytes * bm.bmHeight);
    ::GetBitmapBits(info.hbmMask, (LONG)bits.size(), bits.data());
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    return bits;
}

bool SetRegText(const CString& strKey, const CString& strName, const CString& strValue)
{
    HKEY hKey = nullptr;
    if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, strKey, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG nResult = ::RegSetValueExW(hKey, strName.IsEmpty() ? nullptr : (LPCWSTR)strName, 0, REG_SZ,
                                          (const BYTE*)(LPCWSTR)strValue, (strValue.GetLength() + 1) * sizeof(wchar_t));
    ::RegCloseKey(hKey);
    return nResult == ERROR_SUCCESS;
}

CString ReadTextFile(const CString& strPath)
{
    CString strText;
    HANDLE hFile =
        ::CreateFileW(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return strText;
    char buffer[1024] = {};
    DWORD dwRead = 0;
    ::ReadFile(hFile, buffer, sizeof buffer - 1, &dwRead, nullptr);
    ::CloseHandle(hFile);
    strText = CString(CStringA(buffer, (int)dwRead));
    strText.TrimRight(L"\r\n ");
    return strText;
}
} // namespace

TEST_F(HoverButtonExtrasTest, ThePopupMenuShowsPressedAndPostsTheChosenCommandToTheOwner)
{
    HMENU hMain = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    ASSERT_NE(hMain, nullptr);
    const UINT nFirst = ::GetMenuItemID(::GetSubMenu(hMain, 0), 0);
    const int nItems = ::GetMenuItemCount(::GetSubMenu(hMain, 0));
    ::DestroyMenu(hMain);
    ASSERT_NE(nFirst, 0u);
    ASSERT_NE(nFirst, (UINT)-1);

    CHoverButton button;
    CreateButton(button);
    EXPECT_EQ(button.SetMenu(IDR_MAINFRAME, parent.m_hWnd), CHoverButton::kOk);
    EXPECT_EQ(button.SetMenuCallback(parent.m_hWnd, WM_TEST_MENU_CALLBACK, 77), CHoverButton::kOk);
    button.SetURL(L"corvanetest:never"); // the menu goes first

    // Down to the first item and Enter.
    parent.m_keys = {VK_DOWN, VK_RETURN};
    ClickAt(button.m_hWnd, CPoint(20, 20));
    ASSERT_TRUE(PumpPosted()); // the picked command is posted after the menu
    // The callback got the first submenu before it showed, and the button looked pressed meanwhile.
    ASSERT_NE(parent.m_hCallbackMenu, nullptr);
    EXPECT_EQ(::GetMenuItemCount(parent.m_hCallbackMenu), nItems);
    EXPECT_EQ(::GetMenuItemID(parent.m_hCallbackMenu, 0), nFirst);
    EXPECT_EQ(parent.m_lCallbackParam, 77);
    ASSERT_NE(parent.m_pressedLook, nullptr);
    const COLORREF hilight = ::GetSysColor(COLOR_BTNHILIGHT), shadow = ::GetSysColor(COLOR_BTNSHADOW);
    // Sunken: dark top and left edges, light right and bottom edges.
    EXPECT_EQ(parent.m_pressedLook->At(0, 10), shadow);
    EXPECT_EQ(parent.m_pressedLook->At(20, 0), shadow);
    EXPECT_EQ(parent.m_pressedLook->At(49, 10), hilight);
    EXPECT_EQ(parent.m_pressedLook->At(20, 39), hilight);
    ASSERT_EQ(parent.m_menuCommands.size(), 1u);
    EXPECT_EQ(parent.m_menuCommands[0], nFirst);
    EXPECT_EQ(parent.m_nClicks, 1);
    EXPECT_EQ(::GetFocus(), button.m_hWnd);

    // Afterwards the button is released: drawn as not pressed and not hovered.
    {
        MoveMouseTo(parent.m_hWnd, CPoint(300, 200));
        DibCanvas canvas(50, 40, RGB(1, 2, 3));
        button.SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.dc.GetSafeHdc(), PRF_CLIENT);
        EXPECT_EQ(canvas.At(0, 10), ::GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(canvas.At(20, 0), ::GetSysColor(COLOR_BTNFACE));
    }

    // A menu closed with Escape posts nothing.
    parent.m_keys = {VK_ESCAPE};
    parent.m_hCallbackMenu = nullptr;
    ClickAt(button.m_hWnd, CPoint(20, 20));
    ASSERT_TRUE(PumpPosted()); // the picked command is posted after the menu
    EXPECT_NE(parent.m_hCallbackMenu, nullptr);
    EXPECT_EQ(parent.m_menuCommands.size(), 1u);
    EXPECT_EQ(parent.m_nClicks, 2);

    // An unknown menu is refused and clears the menu.
    EXPECT_EQ(button.SetMenu(65000, parent.m_hWnd), CHoverButton::kInvalidResource);
}

TEST_F(HoverButtonExtrasTest, AUrlOpensThroughTheShellCutTo260Characters)
{
    // A protocol of this test whose command writes the text it was given into a file.
    wchar_t szTemp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szTemp);
    const CString strOut = CString(szTemp) + L"corvane_hover_url.txt";
    ::DeleteFileW(strOut);
    const CString strKey = L"corvanetest";
    ASSERT_TRUE(SetRegText(strKey, L"", L"URL:corvanetest"));
    ASSERT_TRUE(SetRegText(strKey, L"URL Protocol", L""));
    ASSERT_TRUE(SetRegText(strKey + L"\\shell\\open\\command", L"", L"cmd.exe /c echo %1>\"" + strOut + L"\""));

    CHoverButton button;
    CreateButton(button);
    const CString strPrefix = L"corvanetest:";
    button.SetURL(strPrefix + CString(L'a', 300 - strPrefix.GetLength()));
    ASSERT_EQ(button.GetURL().GetLength(), 260);
    ClickAt(button.m_hWnd, CPoint(20, 20));
    CString strGot;
    for (int i = 0; i < 200 && strGot.IsEmpty(); ++i)
    {
        Pump(25);
        strGot = ReadTextFile(strOut);
    }
    EXPECT_EQ(strGot, strPrefix + CString(L'a', 260 - strPrefix.GetLength()));
    EXPECT_EQ(parent.m_nClicks, 1);
    EXPECT_TRUE(parent.m_menuCommands.empty());

    // A cleared URL opens nothing.
    ::DeleteFileW(strOut);
    button.SetURL(nullptr);
    ClickAt(button.m_hWnd, CPoint(20, 20));
    Pump(300);
    EXPECT_EQ(::GetFileAttributesW(strOut), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(parent.m_nClicks, 2);

    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, strKey);
    ::DeleteFileW(strOut);
}

TEST_F(HoverButtonExtrasTest, TheButtonsCursorShowsOverItAndOnlyThere)
{
    CHoverButton button;
    CreateButton(button);
    // A cursor resource of another module: the system's hand.
    const HINSTANCE hOld = AfxGetResourceHandle();
    AfxSetResourceHandle(::GetModuleHandleW(L"user32.dll"));
    const DWORD dwResult = button.SetBtnCursor(32649);
    AfxSetResourceHandle(hOld);
    ASSERT_EQ(dwResult, CHoverButton::kOk);

    // The same resource loaded the same way, and the system's arrow.
    HCURSOR hHand =
        (HCURSOR)::LoadImageW(::GetModuleHandleW(L"user32.dll"), MAKEINTRESOURCEW(32649), IMAGE_CURSOR, 0, 0, 0);
    const std::vector<BYTE> hand = CursorMask(hHand);
    ::DestroyCursor(hHand);
    const std::vector<BYTE> arrow = CursorMask(::LoadCursorW(nullptr, IDC_ARROW));
    ASSERT_FALSE(hand.empty());
    ASSERT_NE(hand, arrow);
    MoveMouseTo(button.m_hWnd, CPoint(20, 20));
    MoveMouseTo(button.m_hWnd, CPoint(22, 21));
    EXPECT_EQ(CursorMask(::GetCursor()), hand);
    MoveMouseTo(parent.m_hWnd, CPoint(300, 200));
    EXPECT_EQ(CursorMask(::GetCursor()), arrow);

    // Cleared: the button shows the class cursor; an unknown id is refused.
    EXPECT_EQ(button.SetBtnCursor(0), CHoverButton::kOk);
    MoveMouseTo(button.m_hWnd, CPoint(20, 20));
    MoveMouseTo(button.m_hWnd, CPoint(22, 21));
    EXPECT_EQ(CursorMask(::GetCursor()), arrow);
    EXPECT_EQ(button.SetBtnCursor(65000), CHoverButton::kInvalidResource);
}

TEST_F(HoverButtonExtrasTest, HoverAndClickSoundsPlayOnceEachWithTheirOwnKind)
{
    RecordingButton button;
    CreateButton(button);
    HMODULE hMod = ::GetModuleHandleW(nullptr);
    // The hover sound a file, the click sound a resource: each keeps its own flags.
    EXPECT_EQ(button.SetSound(L"C:\\sounds\\hover.wav"), CHoverButton::kOk);
    EXPECT_EQ(button.SetSound(L"CLICKWAVE", hMod, TRUE), CHoverButton::kOk);

    MoveMouseTo(button.m_hWnd, CPoint(20, 20));
    MoveMouseTo(button.m_hWnd, CPoint(25, 22));
    ASSERT_TRUE(PumpUntil([&] { return button.IsHovered(); }));
    ASSERT_EQ(button.m_sounds.size(), 1u); // once on entering, not on each move
    EXPECT_EQ(button.m_sounds[0].strName, L"C:\\sounds\\hover.wav");
    EXPECT_EQ(button.m_sounds[0].hMod, nullptr);
    EXPECT_EQ(button.m_sounds[0].dwFlags, (DWORD)(SND_ASYNC | SND_NODEFAULT | SND_FILENAME));

    ClickAt(button.m_hWnd, CPoint(25, 22));
    ASSERT_EQ(button.m_sounds.size(), 2u);
    EXPECT_EQ(button.m_sounds[1].strName, L"CLICKWAVE");
    EXPECT_EQ(button.m_sounds[1].hMod, hMod);
    EXPECT_EQ(button.m_sounds[1].dwFlags, (DWORD)(SND_ASYNC | SND_NODEFAULT | SND_RESOURCE));

    // Leaving and entering again plays the hover sound again; cleared sounds play nothing.
    MoveMouseTo(parent.m_hWnd, CPoint(300, 200));
    for (int i = 0; i < 100 && button.IsHovered(); ++i)
        Pump(20);
    ASSERT_FALSE(button.IsHovered());
    MoveMouseTo(button.m_hWnd, CPoint(20, 20));
    ASSERT_EQ(button.m_sounds.size(), 3u);
    EXPECT_EQ(button.m_sounds[2].strName, L"C:\\sounds\\hover.wav");
    EXPECT_EQ(button.m_sounds[2].dwFlags, (DWORD)(SND_ASYNC | SND_NODEFAULT | SND_FILENAME));
    button.SetSound(nullptr);
    button.SetSound(nullptr, nullptr, TRUE);
    ClickAt(button.m_hWnd, CPoint(20, 20));
    EXPECT_EQ(button.m_sounds.size(), 3u);

    // A non-flat button plays no hover sound.
    RecordingButton raised;
    raised.SetFlat(FALSE, FALSE);
    ASSERT_TRUE(raised.Create(L"", WS_CHILD | WS_VISIBLE, CRect(100, 10, 150, 50), &parent, 1071));
    raised.SetSound(L"C:\\sounds\\hover.wav");
    MoveMouseTo(raised.m_hWnd, CPoint(20, 20));
    MoveMouseTo(raised.m_hWnd, CPoint(22, 21));
    EXPECT_TRUE(raised.m_sounds.empty());
}

TEST_F(HoverButtonExtrasTest, TransparentModeDrawsOverTheParentsPixelsCopiedOnce)
{
    CHoverButton button;
    CreateButton(button);
    button.DrawTransparent();
    parent.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump(50);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    {
        DibCanvas canvas(50, 40, RGB(1, 2, 3));
        button.DrawButton(canvas.dc, CRect(0, 0, 50, 40), false, false, false);
        // No face colour: the parent's own colour shows through, edges and all.
        EXPECT_EQ(canvas.Count(CRect(0, 0, 50, 40), kParentColour), 50 * 40);
        EXPECT_EQ(canvas.Count(CRect(0, 0, 50, 40), face), 0);
    }
    // Hovered: the raised edges over the parent's colour.
    MoveMouseTo(button.m_hWnd, CPoint(20, 20));
    ASSERT_TRUE(PumpUntil([&] { return button.IsHovered(); }));
    {
        DibCanvas canvas(50, 40, RGB(1, 2, 3));
        button.DrawButton(canvas.dc, CRect(0, 0, 50, 40), false, false, false);
        EXPECT_EQ(canvas.At(0, 10), ::GetSysColor(COLOR_BTNHILIGHT));
        EXPECT_EQ(canvas.At(49, 10), ::GetSysColor(COLOR_BTNSHADOW));
        EXPECT_EQ(canvas.At(25, 20), kParentColour);
    }
    // Copied once: a later change of the parent does not show until the mode is set again.
    MoveMouseTo(parent.m_hWnd, CPoint(300, 200));
    parent.m_crBack = RGB(20, 160, 60);
    parent.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump(50);
    {
        DibCanvas canvas(50, 40, RGB(1, 2, 3));
        button.DrawButton(canvas.dc, CRect(0, 0, 50, 40), false, false, false);
        EXPECT_EQ(canvas.At(25, 20), kParentColour);
    }
}
