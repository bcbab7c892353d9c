// The settings sheet as it opens: its tab strip shows above the selected page, labels on the screen.
#include "SettingsTestSupport.h"
#include "app/DlgSetting.h"
#include "support/DibCanvas.h"
#include "toolkit/bars_tabs/ExtTabWnd.h"

using namespace settingstest;

namespace
{
struct SettingsSheetLayoutTest : AppFixture
{};

// Pixels of the screen rectangle that are dark enough to be text.
int DarkScreenPixels(const CRect& rcScreen)
{
    DibCanvas canvas(rcScreen.Width(), rcScreen.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(canvas.dc.GetSafeHdc(), 0, 0, rcScreen.Width(), rcScreen.Height(), hScreen, rcScreen.left, rcScreen.top,
             SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    int n = 0;
    for (int i = 0; i < rcScreen.Width() * rcScreen.Height(); ++i)
    {
        const DWORD v = canvas.Bits()[i];
        n += ((v >> 16) & 0xFF) + ((v >> 8) & 0xFF) + (v & 0xFF) < 3 * 96;
    }
    return n;
}
} // namespace

TEST_F(SettingsSheetLayoutTest, OnOpeningTheTabStripShowsItsLabelsAboveTheSelectedPageInBothSheets)
{
    for (const wchar_t* set : {kSettingOption, kSettingSms})
    {
        CDlgSetting dlg;
        dlg.SetStartPage(set);
        CRect rcStrip, rcPage, rcLabel;
        bool bStripVisible = false;
        int nDark = -1;
        ModalScript script;
        script.Then([&](HWND hDlg) {
            ::UpdateWindow(hDlg);
            ::RedrawWindow(hDlg, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            CExtTabWnd* pStrip = dlg.m_wndContainer.GetSafeTabWindow();
            pStrip->GetWindowRect(&rcStrip);
            bStripVisible = pStrip->IsWindowVisible() != FALSE;
            ::GetWindowRect(dlg.m_wndContainer.PageGet(dlg.m_wndContainer.PageSelectionGet()), &rcPage);
            // The strip with its labels, on the screen as the user sees it (not covered by the page).
            rcLabel = rcStrip;
            if (!rcLabel.IsRectEmpty())
                nDark = DarkScreenPixels(rcLabel);
            Click(hDlg, IDCANCEL);
        });
        dlg.DoModal();
        EXPECT_TRUE(bStripVisible) << set;
        EXPECT_GT(rcStrip.Height(), 10) << set;
        EXPECT_GE(rcPage.top, rcStrip.bottom) << set;
        EXPECT_FALSE(rcLabel.IsRectEmpty()) << set;
        EXPECT_GT(nDark, 10) << set;
    }
}
