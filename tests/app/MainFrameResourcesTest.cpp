// The main window's resources: the two tool bars and their bitmaps, the command icons at their sizes
// matching the tool-bar images, the busy animation played by the common animation control, the tray
// menu and the frame's texts.
#include "app/MainFrm.h"
#include "platform/Dc.h"
#include "platform/Platform.h"
#include "res/resource.h"
#include "support/DibCanvas.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <vector>

namespace
{
const COLORREF kMask = RGB(192, 192, 192);

HINSTANCE Module() { return ::GetModuleHandleW(nullptr); }

// The words of a tool-bar resource: version, width, height, count, ids.
std::vector<WORD> ToolBarWords(UINT nID)
{
    HRSRC hRes = ::FindResourceW(Module(), MAKEINTRESOURCEW(nID), MAKEINTRESOURCEW(241));
    if (hRes == nullptr)
        return {};
    const WORD* p = (const WORD*)::LockResource(::LoadResource(Module(), hRes));
    return std::vector<WORD>(p, p + ::SizeofResource(Module(), hRes) / sizeof(WORD));
}

// Paints image nImage (size x size) of the tool-bar bitmap nID into the canvas at (0, 0).
void PaintToolBarImage(DibCanvas& canvas, UINT nID, int nImage, int size)
{
    HBITMAP hBmp = (HBITMAP)::LoadImageW(Module(), MAKEINTRESOURCEW(nID), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    ASSERT_NE(hBmp, nullptr);
    HDC hMem = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    ::BitBlt(canvas.dc.GetSafeHdc(), 0, 0, size, size, hMem, nImage * size, 0, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::DeleteObject(hBmp);
}

// Loads icon nID at size x size, checks the size it has and paints it on the mask colour.
void PaintIcon(DibCanvas& canvas, UINT nID, int size)
{
    HICON hIcon = (HICON)::LoadImageW(Module(), MAKEINTRESOURCEW(nID), IMAGE_ICON, size, size, 0);
    ASSERT_NE(hIcon, nullptr) << nID;
    ICONINFO ii = {};
    ASSERT_TRUE(::GetIconInfo(hIcon, &ii));
    BITMAP bm = {};
    ::GetObjectW(ii.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, size) << nID;
    EXPECT_EQ(bm.bmHeight, size) << nID;
    ::DeleteObject(ii.hbmColor);
    ::DeleteObject(ii.hbmMask);
    ::DrawIconEx(canvas.dc.GetSafeHdc(), 0, 0, hIcon, size, size, 0, nullptr, DI_NORMAL);
    ::DestroyIcon(hIcon);
}

// A main frame whose creation fails after its own preparation; notes the menu handed to its window.
struct FailingMainFrame : CMainFrame
{
    static HMENU s_hMenu;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        s_hMenu = cs.hMenu;
        CMainFrame::PreCreateWindow(cs);
        return FALSE;
    }
};
HMENU FailingMainFrame::s_hMenu = HMENU(-1);

int Differences(const DibCanvas& a, const DibCanvas& b, int size)
{
    int n = 0;
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++)
            n += a.At(x, y) != b.At(x, y);
    return n;
}

CString LoadText(UINT nID)
{
    wchar_t buf[256] = {};
    ::LoadStringW(Module(), nID, buf, 256);
    return buf;
}
} // namespace

TEST(MainFrameResourcesTest, ToolBarsListTheirButtonsAndLieOnTheMaskColour)
{
    const std::vector<WORD> standard = {1, 32, 32, 8, 112, 114, 115, 113, 0, 32771, 32772, 32773};
    EXPECT_EQ(ToolBarWords(IDR_MAINFRAME), standard);
    const std::vector<WORD> corvane = {1, 16, 16, 11, 111, 0, 32868, 32870, 32871, 0, 32867, 32880, 32866, 0, 57664};
    EXPECT_EQ(ToolBarWords(IDR_CORVANE_TOOLBAR), corvane);
    // One image per button that is not a separator, each with the mask colour in its corners.
    struct
    {
        UINT nID;
        int nImages, size;
    } bars[] = {{IDR_MAINFRAME, 7, 32}, {IDR_CORVANE_TOOLBAR, 8, 16}};
    for (const auto& bar : bars)
    {
        BITMAP bm = {};
        HBITMAP hBmp = ::LoadBitmapW(Module(), MAKEINTRESOURCEW(bar.nID));
        ASSERT_NE(hBmp, nullptr);
        ::GetObjectW(hBmp, sizeof bm, &bm);
        ::DeleteObject(hBmp);
        EXPECT_EQ(bm.bmWidth, bar.nImages * bar.size);
        EXPECT_EQ(bm.bmHeight, bar.size);
        for (int i = 0; i < bar.nImages; i++)
        {
            DibCanvas canvas(bar.size, bar.size);
            PaintToolBarImage(canvas, bar.nID, i, bar.size);
            EXPECT_EQ(canvas.At(0, bar.size - 1), kMask) << bar.nID << " " << i;
            const int nDrawn = bar.size * bar.size - canvas.Count(CRect(0, 0, bar.size, bar.size), kMask);
            EXPECT_GT(nDrawn, bar.size * bar.size / 5) << bar.nID << " " << i;
        }
    }
}

TEST(MainFrameResourcesTest, CommandIconsHaveTheirSizesAndMatchTheToolBarImages)
{
    // Icon, size, and the tool-bar image it matches (bitmap id, image index), or 0.
    struct
    {
        UINT nIcon;
        int size;
        UINT nBar;
        int nImage;
    } icons[] = {{131, 16, 0, 0},   {132, 16, 136, 7}, {133, 32, 128, 4}, {134, 32, 128, 5}, {135, 32, 128, 6},
                 {139, 24, 0, 0},   {140, 32, 128, 0}, {141, 32, 128, 1}, {142, 32, 128, 2}, {143, 32, 128, 3},
                 {155, 24, 0, 0},   {156, 24, 0, 0},   {184, 16, 136, 4}, {190, 16, 136, 1}, {191, 16, 136, 6},
                 {192, 16, 136, 2}, {193, 16, 136, 3}, {195, 16, 0, 0},   {196, 16, 0, 0},   {197, 16, 0, 0},
                 {205, 16, 136, 5}};
    for (const auto& icon : icons)
    {
        DibCanvas drawn(icon.size, icon.size, kMask);
        PaintIcon(drawn, icon.nIcon, icon.size);
        const int nPainted = icon.size * icon.size - drawn.Count(CRect(0, 0, icon.size, icon.size), kMask);
        EXPECT_GT(nPainted, icon.size * icon.size / 5) << icon.nIcon;
        if (icon.nBar == 0)
            continue;
        DibCanvas image(icon.size, icon.size);
        PaintToolBarImage(image, icon.nBar, icon.nImage, icon.size);
        EXPECT_EQ(Differences(drawn, image, icon.size), 0) << icon.nIcon;
    }
}

TEST(MainFrameResourcesTest, BusyAnimationOpensInTheAnimationControlAndTurns)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_ANIMATE_CLASS};
    ::InitCommonControlsEx(&icc);
    HWND hHost = ::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr, Module(), nullptr);
    HWND hAnim = ::CreateWindowExW(0, ANIMATE_CLASSW, L"", WS_CHILD | WS_VISIBLE | ACS_CENTER, 0, 0, 16, 16, hHost,
                                   nullptr, Module(), nullptr);
    ASSERT_NE(hAnim, nullptr);
    ASSERT_TRUE(::SendMessageW(hAnim, ACM_OPENW, (WPARAM)Module(), (LPARAM)MAKEINTRESOURCEW(IDR_BUSY_ANIMATION)));
    // Frame 0 has its darkest dot at the top, frame 2 at the right.
    const COLORREF clrHead = RGB(30, 30, 90);
    const CPoint ptTop(8, 3), ptRight(13, 8);
    COLORREF clr[2][2] = {};
    for (int i = 0; i < 2; i++)
    {
        const int nFrame = i * 2;
        EXPECT_TRUE(::SendMessageW(hAnim, ACM_PLAY, 1, MAKELONG(nFrame, nFrame)));
        DibCanvas canvas(16, 16, RGB(255, 0, 255));
        ::SendMessageW(hAnim, WM_PAINT, (WPARAM)canvas.dc.GetSafeHdc(), 0);
        clr[i][0] = canvas.At(ptTop.x, ptTop.y);
        clr[i][1] = canvas.At(ptRight.x, ptRight.y);
        EXPECT_EQ(canvas.At(0, 0), kMask);
    }
    EXPECT_EQ(clr[0][0], clrHead);
    EXPECT_NE(clr[0][1], clrHead);
    EXPECT_EQ(clr[1][1], clrHead);
    EXPECT_NE(clr[1][0], clrHead);
    // Eight frames of 16 x 16.
    HRSRC hRes = ::FindResourceW(Module(), MAKEINTRESOURCEW(IDR_BUSY_ANIMATION), L"AVI");
    ASSERT_NE(hRes, nullptr);
    const BYTE* p = (const BYTE*)::LockResource(::LoadResource(Module(), hRes));
    const DWORD* avih = (const DWORD*)(p + 32); // RIFF, AVI, LIST, hdrl, avih: the header's fields
    EXPECT_EQ(avih[4], 8u);
    EXPECT_EQ(avih[8], 16u);
    EXPECT_EQ(avih[9], 16u);
    ::DestroyWindow(hHost);
}

TEST(MainFrameResourcesTest, TrayMenuAndTextsAreThere)
{
    HMENU hMenu = ::LoadMenuW(Module(), MAKEINTRESOURCEW(IDR_TRAY_MENU));
    ASSERT_NE(hMenu, nullptr);
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    ASSERT_NE(hPopup, nullptr);
    ASSERT_EQ(::GetMenuItemCount(hPopup), 4);
    const UINT ids[] = {ID_SHOW_HIDE_WINDOW, ID_APP_ABOUT, 0, ID_APP_EXIT};
    const wchar_t* texts[] = {L"Show/Hide Window", L"Tentang Corvane SMS", L"", L"Keluar"};
    for (int i = 0; i < 4; i++)
    {
        EXPECT_EQ(::GetMenuItemID(hPopup, i), ids[i]) << i;
        wchar_t buf[64] = {};
        ::GetMenuStringW(hPopup, i, buf, 64, MF_BYPOSITION);
        EXPECT_STREQ(buf, texts[i]);
    }
    ::DestroyMenu(hMenu);

    EXPECT_EQ(LoadText(IDS_HISTORY_CLEARED), L"data history tujuan sudah dihapus");
    EXPECT_EQ(LoadText(IDS_DELETE_ALL_ASK), L"Perintah ini akan menghapus semua Sms (Inbox, Outbox, Sent & Drafts), "
                                            L"apakah anda ingin melanjutkan ?");
    EXPECT_EQ(LoadText(IDS_REBUILD_CONTACTS_PROGRESS), L"Proses mencari nama kontak : ##%");
    EXPECT_EQ(LoadText(IDS_REBUILD_CONTACTS_DONE), L"Pencarian nama kontak telah selesai. ## SMS telah diproses.");
    EXPECT_EQ(LoadText(IDS_DELETE_ALL_ASK_AGAIN), L"Apakah anda benar - benar yakin akan menghapus semua sms ?");
    EXPECT_EQ(LoadText(IDS_AUTO_RECEIVE_PREPARING), L"mempersiapkan auto receive sms");
    // Status prompts: a sentence, then the menu or bar text.
    for (UINT nID : {(UINT)ID_SHOW_HIDE_WINDOW, 101u, 104u, 105u, 136u, 59392u, 59393u})
        EXPECT_NE(LoadText(nID).Find(L'\n'), -1) << nID;
    EXPECT_EQ(LoadText(ID_SHOW_HIDE_WINDOW).Mid(LoadText(ID_SHOW_HIDE_WINDOW).Find(L'\n') + 1), L"Show/Hide Window");
}

// The main window gets no menu (its menu bar loads the menu): none is loaded for it, so a failed creation has none
// to destroy, where the frame used to destroy the loaded one and its creation that same one again.
TEST(MainFrameResourcesTest, TheMainFrameLoadsNoMenuForItsWindowSoAFailedCreationDestroysNone)
{
    CMainFrame* pFrame = new FailingMainFrame; // deletes itself when its creation fails
    EXPECT_FALSE(pFrame->LoadFrame(IDR_MAINFRAME));
    EXPECT_EQ(FailingMainFrame::s_hMenu, nullptr) << "a menu was loaded for the frame's window";
}
