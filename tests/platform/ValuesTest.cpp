// Values and small helpers: dates and spans, the file dialog's filter and path parts, the
// colour dialog's set-up, the OLE start-up.
#include <gtest/gtest.h>
#include "FramesTestApp.h"

TEST(OleDateTime, PartsArithmeticAndFormats)
{
    COleDateTime d(2024, 2, 29, 13, 5, 9);
    ASSERT_EQ(d.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(d.GetYear(), 2024);
    EXPECT_EQ(d.GetMonth(), 2);
    EXPECT_EQ(d.GetDay(), 29);
    EXPECT_EQ(d.GetHour(), 13);
    EXPECT_EQ(d.GetMinute(), 5);
    EXPECT_EQ(d.GetSecond(), 9);
    EXPECT_EQ(d.GetDayOfWeek(), 5); // a Thursday (1 = Sunday)
    EXPECT_EQ(d.GetDayOfYear(), 60);
    EXPECT_STREQ(d.Format(L"%d/%m/%Y %H:%M:%S"), L"29/02/2024 13:05:09");
    EXPECT_STREQ(d.Format(L"%y-%j %%"), L"24-060 %");

    // Spans: across a month and a leap day; differences of dates.
    COleDateTime next = d + COleDateTimeSpan(1, 11, 0, 0);
    EXPECT_EQ(next.GetMonth(), 3);
    EXPECT_EQ(next.GetDay(), 2);
    EXPECT_EQ(next.GetHour(), 0);
    COleDateTimeSpan diff = next - d;
    EXPECT_EQ(diff.GetDays(), 1);
    EXPECT_EQ(diff.GetHours(), 11);
    EXPECT_NEAR(diff.GetTotalHours(), 35.0, 1e-6);
    EXPECT_STREQ(diff.Format(L"%D hari %H:%M"), L"1 hari 11:00");
    EXPECT_TRUE(d < next);
    EXPECT_TRUE(next > d);
    EXPECT_TRUE(d == COleDateTime(2024, 2, 29, 13, 5, 9));

    // Before 30 December 1899 the time of day still counts forward.
    COleDateTime early(1899, 12, 29, 6, 0, 0);
    EXPECT_DOUBLE_EQ(early.m_dt, -1.25);
    EXPECT_EQ(early.GetDay(), 29);
    EXPECT_EQ(early.GetHour(), 6);
    COleDateTime later = early + COleDateTimeSpan(0, 12, 0, 0);
    EXPECT_EQ(later.GetDay(), 29);
    EXPECT_EQ(later.GetHour(), 18);
    EXPECT_TRUE(early < later);

    // Impossible dates leave the value invalid; its parts are errors.
    COleDateTime bad;
    EXPECT_EQ(bad.SetDateTime(2023, 2, 29, 0, 0, 0), 1);
    EXPECT_EQ(bad.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(bad.GetYear(), COleDateTime::error);
    EXPECT_EQ(bad.SetDate(2023, 13, 1), 1);
    EXPECT_EQ(bad.SetTime(24, 0, 0), 1);
    EXPECT_STREQ(bad.Format(L"%Y"), L"Invalid DateTime");
    SYSTEMTIME st;
    EXPECT_FALSE(bad.GetAsSystemTime(st));

    // The clock and the locale forms.
    COleDateTime now = COleDateTime::GetCurrentTime();
    SYSTEMTIME local;
    GetLocalTime(&local);
    EXPECT_EQ(now.GetYear(), local.wYear);
    EXPECT_FALSE(d.Format().IsEmpty());
    COleDateTime parsed;
    EXPECT_TRUE(parsed.ParseDateTime(d.Format(), 0, LANG_USER_DEFAULT));
    EXPECT_EQ(parsed.GetDay(), 29);
    EXPECT_EQ(parsed.GetMinute(), 5);
    EXPECT_FALSE(parsed.ParseDateTime(L"bukan tanggal"));
    EXPECT_EQ(parsed.GetStatus(), COleDateTime::invalid);
}

TEST(CommonDialogs, FileDialogFilterAndPathParts)
{
    CFileDialog save(FALSE, L".txt", nullptr, 0, L"Text Files (*.txt)|*.txt|All Files (*.*)|*.*||");
    const wchar_t* f = save.m_ofn.lpstrFilter;
    ASSERT_NE(f, nullptr);
    EXPECT_STREQ(f, L"Text Files (*.txt)");
    f += wcslen(f) + 1;
    EXPECT_STREQ(f, L"*.txt");
    f += wcslen(f) + 1;
    EXPECT_STREQ(f, L"All Files (*.*)");
    f += wcslen(f) + 1;
    EXPECT_STREQ(f, L"*.*");
    f += wcslen(f) + 1;
    EXPECT_EQ(*f, 0); // the list ends with an empty string
    EXPECT_STREQ(save.m_ofn.lpstrDefExt, L"txt");

    // A filter without its closing bars still ends properly.
    CFileDialog open(TRUE, nullptr, nullptr, 0, L"Wav Files (*.wav)|*.wav");
    f = open.m_ofn.lpstrFilter;
    f += wcslen(f) + 1;
    EXPECT_STREQ(f, L"*.wav");
    f += wcslen(f) + 1;
    EXPECT_EQ(*f, 0);

    CFileDialog named(FALSE, nullptr, L"C:\\data\\ekspor.sms.txt");
    EXPECT_STREQ(named.GetPathName(), L"C:\\data\\ekspor.sms.txt");
    EXPECT_STREQ(named.GetFileName(), L"ekspor.sms.txt");
    EXPECT_STREQ(named.GetFileExt(), L"txt");
    EXPECT_STREQ(named.GetFileTitle(), L"ekspor.sms");
    CFileDialog bare(FALSE, nullptr, L"tanpa_ekstensi");
    EXPECT_STREQ(bare.GetFileExt(), L"");

    CColorDialog colour(RGB(189, 243, 255), CC_FULLOPEN);
    EXPECT_EQ(colour.GetColor(), RGB(189, 243, 255));
    EXPECT_NE(colour.m_cc.Flags & CC_RGBINIT, 0u);
    EXPECT_NE(colour.m_cc.Flags & CC_FULLOPEN, 0u);
    EXPECT_EQ(colour.m_cc.lpCustColors, CColorDialog::GetSavedCustomColors());
}

TEST(OleSupport, InitialisesOnce)
{
    EXPECT_TRUE(AfxOleInit());
    EXPECT_TRUE(AfxOleIsInitialized());
    EXPECT_TRUE(AfxOleInit());

    // A window registered as drop target; a second registration is refused.
    CWnd target;
    ASSERT_TRUE(target.CreateEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr));
    COleDropTarget dropTarget;
    EXPECT_TRUE(dropTarget.Register(&target));
    EXPECT_EQ(dropTarget.m_hWnd, target.m_hWnd);
    COleDropTarget second;
    EXPECT_FALSE(second.Register(&target));
    dropTarget.Revoke();
    EXPECT_EQ(dropTarget.m_hWnd, nullptr);
    EXPECT_TRUE(second.Register(&target));
    second.Revoke();
    target.DestroyWindow();
}
