// CString: formatting, searching, editing and buffers.
#include <gtest/gtest.h>
#include "platform/Platform.h"

TEST(CStringFormat, WideConversionsAsOnThePlatform)
{
    CString s;
    s.Format(L"%s|%d|%02d|%c|%x|%X", L"abc", -5, 7, L'z', 255, 0xBEEF);
    EXPECT_STREQ(s, L"abc|-5|07|z|ff|BEEF");
    CString name(L"Budi");
    s.Format(L"[%s]", name.GetString());
    EXPECT_STREQ(s, L"[Budi]");
}
