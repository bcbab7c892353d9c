// The hover button's hover ends at any capture change, also with the pointer still on the button;
// icons by resource id at a given size.
#include "res/app_ids.h"
#include "HoverButtonTestSupport.h"

#include <gtest/gtest.h>

using namespace hovertest;

namespace
{
struct HoverButtonCaptureTest : ButtonOnParentTest<ButtonParent>
{};

CSize SizeOf(HICON hIcon)
{
    ICONINFO info = {};
    if (hIcon == nullptr || !::GetIconInfo(hIcon, &info))
        return CSize();
    BITMAP bm = {};
    ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return CSize(bm.bmWidth, info.hbmColor ? bm.bmHeight : bm.bmHeight / 2);
}
} // namespace

TEST_F(HoverButtonCaptureTest, ACaptureChangeEndsTheHoverWhileThePointerStaysOnTheButton)
{
    CHoverButton button;
    CreateButton(button);
    MoveMouseTo(button.m_hWnd, CPoint(20, 20));
    ASSERT_TRUE(PumpUntil([&] { return button.IsHovered(); }));
    // The button holds the capture (as while pressed); another window takes it.
    ::SetCapture(button.m_hWnd);
    ASSERT_EQ(::GetCapture(), button.m_hWnd);
    ::SetCapture(parent.m_hWnd);
    EXPECT_FALSE(button.IsHovered());
    ::ReleaseCapture();
    // Hovered again by a move, then the capture released (no new owner).
    MoveMouseTo(button.m_hWnd, CPoint(22, 21));
    ASSERT_TRUE(PumpUntil([&] { return button.IsHovered(); }));
    ::SetCapture(button.m_hWnd);
    ::ReleaseCapture();
    EXPECT_FALSE(button.IsHovered());
}

TEST_F(HoverButtonCaptureTest, IconsByResourceIdTakeTheGivenSizeOrTheirOwn)
{
    CHoverButton button;
    CreateButton(button);
    EXPECT_EQ(button.SetIcon(IDR_MAINFRAME, CSize(24, 24), CHoverButton::kIconGrey), (DWORD)CHoverButton::kOk);
    EXPECT_EQ(SizeOf(button.GetIconIn()), CSize(24, 24));
    EXPECT_EQ(SizeOf(button.GetIconOut()), CSize(24, 24));
    EXPECT_EQ(button.SetIcon(IDR_MAINFRAME, CSize(20, 20), IDR_MAINFRAME), (DWORD)CHoverButton::kOk);
    EXPECT_EQ(SizeOf(button.GetIconIn()), CSize(20, 20));
    EXPECT_EQ(SizeOf(button.GetIconOut()), CSize(20, 20));
    // The form with ids only keeps the icon's own size.
    HICON hOwn = (HICON)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 0, 0, 0);
    const CSize szOwn = SizeOf(hOwn);
    ::DestroyIcon(hOwn);
    EXPECT_EQ(button.SetIcon(IDR_MAINFRAME), (DWORD)CHoverButton::kOk);
    EXPECT_EQ(SizeOf(button.GetIconIn()), szOwn);
    // A failed lookup clears both pictures.
    EXPECT_EQ(button.SetIcon(9999, CSize(16, 16)), (DWORD)CHoverButton::kInvalidResource);
    EXPECT_EQ(button.GetIconIn(), nullptr);
    EXPECT_EQ(button.GetIconOut(), nullptr);
}
