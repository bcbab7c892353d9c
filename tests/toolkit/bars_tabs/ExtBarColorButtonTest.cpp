// The colour button on a tool bar of the docking host: its icon and colours, the command's notification, the
// popup's set-up and its entry in the chevron's menu.
#include "DynTabsFixture.h"
#include "toolkit/bars_tabs/ExtBarColorButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/menus_dialogs/ExtPopupColorMenuWnd.h"
#include <memory>

namespace
{
const UINT kColorCmd = 0xB220;
const UINT kToolBarId = 0xA1F2;

class CColorToolBar : public CExtToolControlBar
{
public:
    CExtBarButton* OnCreateBarCommandBtn(UINT nCmdID, UINT nStyle) override
    {
        if (nCmdID == kColorCmd)
            return new CExtBarColorButton(this, nCmdID, nStyle, RGB(200, 30, 40), RGB(0, 0, 0));
        return CExtToolControlBar::OnCreateBarCommandBtn(nCmdID, nStyle);
    }
};

// The bar's owner: enables the colour command and records the final colour notifications.
class COwnerWnd : public CWnd
{
public:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nCode == (int)CN_UPDATE_COMMAND_UI && pExtra != nullptr && nID == kColorCmd)
        {
            static_cast<CCmdUI*>(pExtra)->Enable(m_bEnable ? TRUE : FALSE);
            return TRUE;
        }
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    bool m_bEnable = true;
    int m_nNotified = 0;
    WPARAM m_wParam = 0;
    LPARAM m_lParam = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == CExtPopupColorMenuWnd::g_nMsgNotifyColorChangedFinally)
        {
            ++m_nNotified;
            m_wParam = wParam;
            m_lParam = lParam;
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class ColorButton : public DynTabsFixture
{
protected:
    void SetUp() override
    {
        DynTabsFixture::SetUp();
        CExtCmdItem cmd(kColorCmd);
        cmd.m_sMenuText = cmd.m_sToolbarText = L"Colour";
        g_CmdManagerHolder->SetupCommand(kHostProfile, cmd, true);
        m_pToolBar = new CColorToolBar;
        m_pFrame->m_arrBars.push_back(m_pToolBar);
        ASSERT_TRUE(m_pToolBar->Create(L"Colours", m_pFrame, kToolBarId, WS_CHILD | WS_VISIBLE | CBRS_TOP));
        ASSERT_TRUE(m_wndOwner.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr));
        m_pToolBar->SetOwner(&m_wndOwner);
        ASSERT_TRUE(m_pToolBar->InsertButton(-1, kColorCmd, true));
        m_pFrame->DockControlBar(m_pToolBar, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
        m_pButton = DYNAMIC_DOWNCAST(CExtBarColorButton, m_pToolBar->GetButton(0));
        ASSERT_NE(m_pButton, nullptr);
        m_pButton->SyncColorIcon();
    }
    void TearDown() override
    {
        DynTabsFixture::TearDown();
        if (m_wndOwner.GetSafeHwnd() != nullptr)
            m_wndOwner.DestroyWindow();
    }
    HICON CommandIcon() const
    {
        CExtCmdIcon* pIcon = g_CmdManagerHolder->GetCommandIcon(kHostProfile, kColorCmd);
        return pIcon != nullptr ? pIcon->GetIcon() : nullptr;
    }
    // The colour at the centre of the icon, drawn into a DIB over white.
    static COLORREF IconCentre(HICON hIcon)
    {
        ICONINFO ii = {};
        ::GetIconInfo(hIcon, &ii);
        BITMAP bm = {};
        ::GetObjectW(ii.hbmColor != nullptr ? ii.hbmColor : ii.hbmMask, sizeof(bm), &bm);
        if (ii.hbmColor != nullptr)
            ::DeleteObject(ii.hbmColor);
        if (ii.hbmMask != nullptr)
            ::DeleteObject(ii.hbmMask);
        const int cx = bm.bmWidth, cy = ii.hbmColor != nullptr ? bm.bmHeight : bm.bmHeight / 2;
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = cx;
        bi.bmiHeader.biHeight = -cy;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* pBits = nullptr;
        HDC hDC = ::CreateCompatibleDC(nullptr);
        HBITMAP hDib = ::CreateDIBSection(hDC, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        HGDIOBJ hOld = ::SelectObject(hDC, hDib);
        RECT rc = {0, 0, cx, cy};
        ::FillRect(hDC, &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
        ::DrawIconEx(hDC, 0, 0, hIcon, cx, cy, 0, nullptr, DI_NORMAL);
        const COLORREF clr = ::GetPixel(hDC, cx / 2, cy / 2);
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hDib);
        ::DeleteDC(hDC);
        return clr;
    }
    COwnerWnd m_wndOwner;
    CColorToolBar* m_pToolBar = nullptr;
    CExtBarColorButton* m_pButton = nullptr;
};
} // namespace

TEST_F(ColorButton, TheSameColourKeepsTheIconAndTheDefaultFlagChangesOnlyTheDefault)
{
    const HICON hIcon = CommandIcon();
    ASSERT_NE(hIcon, nullptr);
    EXPECT_EQ(IconCentre(hIcon), RGB(200, 30, 40));
    m_pButton->SetColor(RGB(200, 30, 40));
    EXPECT_EQ(CommandIcon(), hIcon);
    m_pButton->SetColor(RGB(10, 120, 250), true);
    EXPECT_EQ(m_pButton->GetColor(false), RGB(10, 120, 250));
    EXPECT_EQ(m_pButton->GetColor(true), RGB(200, 30, 40));
    m_pButton->SetColor(RGB(0, 160, 0));
    EXPECT_NE(CommandIcon(), nullptr);
    EXPECT_EQ(IconCentre(CommandIcon()), RGB(0, 160, 0));
    EXPECT_EQ(m_pButton->GetColor(false), RGB(10, 120, 250));
}

TEST_F(ColorButton, TheThreeIconKindsAreBuilt)
{
    for (int nKind : {CExtBarColorButton::kIconFilled, CExtBarColorButton::kIconFramed, CExtBarColorButton::kIconChar})
    {
        CExtBarColorButton button(nullptr, kColorCmd, 0, RGB(0, 0, 255), 0, nKind);
        HICON hIcon = nullptr;
        button.OnGenerateColorIcon(hIcon);
        ASSERT_NE(hIcon, nullptr) << nKind;
        ICONINFO ii = {};
        EXPECT_TRUE(::GetIconInfo(hIcon, &ii));
        if (ii.hbmColor != nullptr)
            ::DeleteObject(ii.hbmColor);
        if (ii.hbmMask != nullptr)
            ::DeleteObject(ii.hbmMask);
        if (nKind == CExtBarColorButton::kIconFilled)
        {
            EXPECT_EQ(IconCentre(hIcon), RGB(0, 0, 255));
        }
        ::DestroyIcon(hIcon);
    }
}

TEST_F(ColorButton, TheCommandSendsTheColourAndTheCookie)
{
    m_pButton->SetCookie(0x5A5A);
    m_pButton->OnDeliverCmd();
    EXPECT_EQ(m_wndOwner.m_nNotified, 1);
    EXPECT_EQ(m_wndOwner.m_wParam, (WPARAM)RGB(200, 30, 40));
    EXPECT_EQ(m_wndOwner.m_lParam, 0x5A5A);
    EXPECT_EQ(m_pButton->OnHelpHitTest(CPoint(1, 1)), (int)kColorCmd);
    EXPECT_TRUE(m_pButton->IsMenuButton(0));
    EXPECT_FALSE(m_pButton->IsMenuButton(1));
    EXPECT_FALSE(m_pButton->CanTrackMenu());
}

TEST_F(ColorButton, EmptyTextsLeaveThePopupsOwnAndTheFlagsPassOn)
{
    CExtPopupColorMenuWnd fresh;
    std::unique_ptr<CExtPopupColorMenuWnd> pPopup(m_pButton->CreateColorPopup());
    ASSERT_NE(pPopup, nullptr);
    EXPECT_EQ(pPopup->m_sDefaultText, fresh.m_sDefaultText);
    EXPECT_EQ(pPopup->m_sCustomText, fresh.m_sCustomText);
    EXPECT_EQ(pPopup->m_dwButtons, 3u);
    EXPECT_EQ(pPopup->m_clrInitialSelection, RGB(200, 30, 40));
    m_pButton->SetDefaultColorBtnText(L"Otomatis");
    m_pButton->SetCustomColorBtnShown(false);
    m_pButton->SetCookie(77);
    pPopup.reset(m_pButton->CreateColorPopup());
    EXPECT_EQ(pPopup->m_sDefaultText, CString(L"Otomatis"));
    EXPECT_EQ(pPopup->m_sCustomText, fresh.m_sCustomText);
    EXPECT_EQ(pPopup->m_dwButtons, (DWORD)CExtPopupColorMenuWnd::BUTTON_DEFAULT);
    EXPECT_EQ(pPopup->m_nNotifyCookie, 77);
}

TEST_F(ColorButton, TheChevronMenuItemIsEnabledExactlyWhenTheButtonIs)
{
    for (bool bDisabled : {false, true})
    {
        m_pButton->ModifyStyle(bDisabled ? TBBS_DISABLED : 0, bDisabled ? 0 : TBBS_DISABLED);
        CExtPopupMenuWnd popup;
        ASSERT_TRUE(popup.CreatePopupMenu(m_wndOwner.GetSafeHwnd()));
        ASSERT_TRUE(m_pButton->PutToPopupMenu(&popup));
        ASSERT_EQ(popup.GetItemCount(), 1);
        EXPECT_TRUE(popup.GetItemAt(0).IsPopup());
        EXPECT_EQ(popup.GetItemAt(0).IsEnabled(), !bDisabled);
        EXPECT_EQ(popup.ItemGetText(0), CString(L"Colour"));
    }
    // A disabled button opens no popup.
    EXPECT_EQ(m_pButton->TrackButtonMenu(CPoint(0, 0)), (UINT)-1);
}
