// The picture holder and the coloured label: a GIF and a BMP drawn at two scales (pixels and
// sizes), files that cannot be loaded, and the label's background.
#include "app/ColourLabel.h"
#include "app/OlePicture.h"
#include "phone/StoreHelpers.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
void WriteBytes(const CString& path, const std::vector<unsigned char>& bytes)
{
    HANDLE h = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD n = 0;
    WriteFile(h, bytes.data(), (DWORD)bytes.size(), &n, nullptr);
    CloseHandle(h);
}

// A 2 x 1 BMP, 24-bit: blue on the left, green on the right.
std::vector<unsigned char> TwoPixelBmp()
{
    std::vector<unsigned char> b = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0,
                                    1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0,
                                    0, 0, 0, 0,
                                    // pixels (BGR), padded to 4 bytes
                                    255, 0, 0, 0, 255, 0, 0, 0};
    return b;
}

// A 1 x 1 GIF whose one pixel is red.
std::vector<unsigned char> RedPixelGif()
{
    const char data[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                        ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;";
    return std::vector<unsigned char>(data, data + sizeof data - 1);
}

// Draws into a white 16 x 16 DIB; the pixels as COLORREF rows.
struct Canvas
{
    Canvas()
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = 16;
        bmi.bmiHeader.biHeight = -16;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        hDC = ::CreateCompatibleDC(nullptr);
        hBmp = ::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, (void**)&pBits, nullptr, 0);
        hOld = ::SelectObject(hDC, hBmp);
        for (int i = 0; i < 256; ++i)
            pBits[i] = 0xFFFFFF;
        dc.Attach(hDC);
    }
    ~Canvas()
    {
        dc.Detach();
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hBmp);
        ::DeleteDC(hDC);
    }
    COLORREF At(int x, int y) const
    {
        const DWORD p = pBits[y * 16 + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    HDC hDC;
    HBITMAP hBmp;
    HGDIOBJ hOld;
    DWORD* pBits = nullptr;
    CDC dc;
};
} // namespace

TEST(OlePictureTest, DrawsBmpAndGifAtTheirSizeTimesTheScale)
{
    const CString folder = GetAppFolder();
    WriteBytes(folder + L"picture-test.bmp", TwoPixelBmp());
    WriteBytes(folder + L"picture-test.gif", RedPixelGif());
    COlePicture picture;
    {
        ASSERT_TRUE(picture.Load(folder + L"picture-test.bmp"));
        Canvas c;
        EXPECT_EQ(picture.GetPixelSize(&c.dc), CSize(2, 1));
        ASSERT_TRUE(picture.Draw(&c.dc, 1, 1, 1.0));
        EXPECT_EQ(c.At(1, 1), RGB(0, 0, 255));
        EXPECT_EQ(c.At(2, 1), RGB(0, 255, 0));
        EXPECT_EQ(c.At(3, 1), RGB(255, 255, 255));
        EXPECT_EQ(c.At(1, 2), RGB(255, 255, 255));
        ASSERT_TRUE(picture.Draw(&c.dc, 4, 4, 2.0));
        EXPECT_EQ(c.At(4, 5), RGB(0, 0, 255));
        EXPECT_EQ(c.At(7, 5), RGB(0, 255, 0));
        EXPECT_EQ(c.At(8, 5), RGB(255, 255, 255));
        EXPECT_EQ(c.At(4, 6), RGB(255, 255, 255));
    }
    {
        ASSERT_TRUE(picture.Load(folder + L"picture-test.gif"));
        Canvas c;
        EXPECT_EQ(picture.GetPixelSize(&c.dc), CSize(1, 1));
        ASSERT_TRUE(picture.Draw(&c.dc, 2, 2, 2.0));
        EXPECT_EQ(c.At(2, 2), RGB(255, 0, 0));
        EXPECT_EQ(c.At(3, 3), RGB(255, 0, 0));
        EXPECT_EQ(c.At(4, 4), RGB(255, 255, 255));
    }
    // A missing file, an empty one and one that is no picture: false and no picture.
    Canvas c;
    EXPECT_FALSE(picture.Load(folder + L"picture-test-missing.bmp"));
    EXPECT_FALSE(picture.HasPicture());
    EXPECT_FALSE(picture.Draw(&c.dc, 0, 0, 1.0));
    WriteBytes(folder + L"picture-test.gif", {});
    EXPECT_FALSE(picture.Load(folder + L"picture-test.gif"));
    WriteBytes(folder + L"picture-test.gif", {'n', 'o', 'p', 'e'});
    EXPECT_FALSE(picture.Load(folder + L"picture-test.gif"));
    EXPECT_FALSE(picture.HasPicture());
    DeleteFileW(folder + L"picture-test.bmp");
    DeleteFileW(folder + L"picture-test.gif");
}

// The label answers its parent's colour request with its colours; unset, the default stays.
TEST(ColourLabelTest, PaintsItsTextOnTheSetBackground)
{
    CFrameWnd* pParent = new CFrameWnd; // deletes itself with its window
    ASSERT_TRUE(pParent->Create(nullptr, L"p", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)));
    CColourLabel label;
    ASSERT_TRUE(label.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 16, 16), pParent, 100));
    {
        Canvas c;
        label.SendMessage(WM_PRINTCLIENT, (WPARAM)c.hDC, PRF_CLIENT | PRF_ERASEBKGND);
        EXPECT_EQ(c.At(8, 8), ::GetSysColor(COLOR_BTNFACE));
    }
    label.SetBkColour(RGB(10, 200, 30));
    label.SetTextColour(RGB(1, 2, 3));
    EXPECT_EQ(label.GetBkColour(), RGB(10, 200, 30));
    {
        Canvas c;
        label.SendMessage(WM_PRINTCLIENT, (WPARAM)c.hDC, PRF_CLIENT | PRF_ERASEBKGND);
        EXPECT_EQ(c.At(8, 8), RGB(10, 200, 30));
        EXPECT_EQ(c.At(1, 14), RGB(10, 200, 30));
    }
    label.DestroyWindow();
    pParent->DestroyWindow();
}
