// The styles the gallery programs draw: the four built-in ones, the application-like theme and that
// theme on an 8-bit surface, each installed in turn and handed over under its gallery name.
#pragma once
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/support/PaintHost.h"
#include <functional>
#include <gtest/gtest.h>

namespace gallery
{

// The caller keeps a painthost::ScopedStyle to have its own manager back afterwards.
inline void ForEachStyle(const std::function<void(const wchar_t*, CExtPaintManager&)>& paint)
{
    const wchar_t* kNames[] = {L"base", L"xp", L"office2003", L"studio2005"};
    for (int nKind = 1; nKind <= 4; nKind++)
    {
        ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(painthost::StyleClass(nKind)));
        paint(kNames[nKind - 1], *g_PaintManagerHolder.GetPM());
    }
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(new painthost::CTestThemeColor));
    paint(L"theme_blue", *g_PaintManagerHolder.GetPM());
    painthost::ScopedBitsPerPixel depth(8);
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(new painthost::CTestThemeColor));
    paint(L"theme_blue_8bpp", *g_PaintManagerHolder.GetPM());
}

} // namespace gallery
