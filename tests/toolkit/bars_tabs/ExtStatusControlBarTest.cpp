// The toolkit status bar on a shown frame: indicators, adding and removing panes with their records and icons, the
// main frame's busy pane, pane controls, the bars menu, hit tests, tips and the painted panes.
#include <gtest/gtest.h>
#include "MenuStatusTestIds.h"
#include "TabTestSupport.h"
#include "support/DibCanvas.h"
#include "toolkit/bars_tabs/ExtStatusControlBar.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <commctrl.h>
#include <memory>
#include <vector>

namespace
{

// A status bar that refuses the text of one pane id, as a failing rebuild does.
class CRefusingStatusBar : public CExtStatusControlBar
{
public:
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate) override
    {
        if (m_nRefuseID != 0 && GetItemID(nIndex) == m_nRefuseID)
            return FALSE;
        return CExtStatusControlBar::SetPaneText(nIndex, lpszNewText, bUpdate);
    }
    UINT m_nRefuseID = 0;
};

// A 16 x 16 icon of one colour.
HICON SolidIcon(COLORREF clr)
{
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hColor = ::CreateCompatibleBitmap(hScreen, 16, 16);
    HBITMAP hMask = ::CreateBitmap(16, 16, 1, 1, nullptr);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hColor);
    RECT rc = {0, 0, 16, 16};
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    ::FillRect(hDC, &rc, hBrush);
    ::DeleteObject(hBrush);
    ::SelectObject(hDC, hMask);
    ::PatBlt(hDC, 0, 0, 16, 16, BLACKNESS); // mask 0: the colour shows
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::ReleaseDC(nullptr, hScreen);
    ICONINFO ii = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = ::CreateIconIndirect(&ii);
    ::DeleteObject(hColor);
    ::DeleteObject(hMask);
    return hIcon;
}

class StatusBar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager);
        CExtPopupMenuWnd::g_bAllowSystemSizeMove = true;
        // The bars menu takes its commands from the frame's profile.
        if (g_CmdManagerHolder->FindProfileNameForWindow(m_host->m_hWnd) == nullptr)
            g_CmdManagerHolder->CreateProfile(L"StatusHost", m_host->m_hWnd);
        m_pBar = MakeBar();
        ASSERT_TRUE(m_pBar->Create(m_host.Get()));
        const UINT ids[] = {0, ID_MS_PANE_CAP, ID_MS_PANE_LOG};
        ASSERT_TRUE(m_pBar->SetIndicators(ids, 3));
        m_host->RecalcLayout();
        tabtest::PumpFor(10);
    }
    void TearDown() override
    {
        CExtPopupMenuWnd::CancelMenuTracking();
        m_host->m_bHelpMode = FALSE;
        m_pBar->DestroyWindow();
        delete m_pBar;
        for (HICON hIcon : m_icons)
            ::DestroyIcon(hIcon);
        CExtPopupMenuWnd::g_bAllowSystemSizeMove = true;
    }
    virtual CExtStatusControlBar* MakeBar() { return new CExtStatusControlBar; }
    HICON Icon(COLORREF clr)
    {
        m_icons.push_back(SolidIcon(clr));
        return m_icons.back();
    }
    HICON PaneIcon(int nIndex) const { return (HICON)m_pBar->SendMessage(SB_GETICON, (WPARAM)nIndex, 0); }
    CRect ItemRect(int nIndex) const
    {
        CRect rc;
        m_pBar->GetItemRect(nIndex, &rc);
        return rc;
    }
    // The bar painted into a DIB.
    std::unique_ptr<DibCanvas> Paint() const
    {
        CRect rc;
        m_pBar->GetClientRect(&rc);
        auto pCanvas = std::make_unique<DibCanvas>(rc.Width(), rc.Height(), RGB(1, 2, 3));
        m_pBar->PrintClient(&pCanvas->dc, PRF_CLIENT);
        return pCanvas;
    }
    // How many pixels of the rectangle differ from the colour.
    static int CountOther(const DibCanvas& canvas, const CRect& rc, COLORREF clr)
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += canvas.At(x, y) != clr ? 1 : 0;
        return n;
    }
    static COLORREF Face() { return g_PaintManagerHolder->GetTranslatedColor(XCLR_FACE_NORMAL); }

    tabtest::HostFrame m_host;
    CExtStatusControlBar* m_pBar = nullptr;
    std::vector<HICON> m_icons;
};

class StatusBarRefusing : public StatusBar
{
protected:
    CExtStatusControlBar* MakeBar() override { return new CRefusingStatusBar; }
    CRefusingStatusBar* Bar() const { return static_cast<CRefusingStatusBar*>(m_pBar); }
};

} // namespace

TEST_F(StatusBar, IndicatorsGiveAStretchedFirstPaneAndTextsFromTheStringTable)
{
    UINT nID = 1, nStyle = 0;
    int cx = 0;
    m_pBar->GetPaneInfo(0, nID, nStyle, cx);
    EXPECT_EQ(nID, 0u);
    EXPECT_EQ(nStyle, (UINT)(SBPS_STRETCH | SBPS_NOBORDERS));
    EXPECT_EQ(cx, ::GetSystemMetrics(SM_CXSCREEN) / 4);
    EXPECT_EQ(m_pBar->GetPaneText(1), CString(L"CAPITALS"));
    EXPECT_EQ(m_pBar->GetPaneText(2), CString(L"LOG"));
    m_pBar->GetPaneInfo(1, nID, nStyle, cx);
    EXPECT_EQ(nStyle, 0u);
    EXPECT_GT(cx, 20);
    // A pane whose string is missing is empty, and the bar still answers true.
    const UINT ids[] = {ID_MS_PANE_NUM, ID_MS_PANE_NOSTR, 0};
    EXPECT_TRUE(m_pBar->SetIndicators(ids, 3));
    EXPECT_EQ(m_pBar->GetPaneText(0), CString(L"NUM"));
    EXPECT_TRUE(m_pBar->GetPaneText(1).IsEmpty());
    m_pBar->GetPaneInfo(2, nID, nStyle, cx);
    EXPECT_EQ(nStyle, 0u); // only a first 0 pane stretches
    EXPECT_EQ(m_pBar->GetPaneID(5), 0u);
    EXPECT_EQ(m_pBar->GetPaneID(-1), 0u);
    EXPECT_EQ(m_pBar->GetPaneID(2), 0u);
    EXPECT_EQ(m_pBar->GetPaneID(0), (UINT)ID_MS_PANE_NUM);
}

TEST_F(StatusBar, AddPaneAppendsAtTheCountAndRefusesAnExistingIdOrAnIndexAboveIt)
{
    EXPECT_FALSE(m_pBar->AddPane(ID_MS_PANE_CAP, 1));
    EXPECT_FALSE(m_pBar->AddPane(ID_MS_PANE_NUM, 4));
    EXPECT_FALSE(m_pBar->AddPane(ID_MS_PANE_NUM, -1));
    EXPECT_EQ(m_pBar->GetCount(), 3);
    EXPECT_TRUE(m_pBar->AddPane(ID_MS_PANE_NUM, 3));
    ASSERT_EQ(m_pBar->GetCount(), 4);
    EXPECT_EQ(m_pBar->GetPaneID(3), (UINT)ID_MS_PANE_NUM);
    EXPECT_EQ(m_pBar->GetPaneText(3), CString(L"NUM"));
    EXPECT_EQ(m_pBar->GetPaneText(2), CString(L"LOG"));
}

TEST_F(StatusBar, AddingAndRemovingPanesKeepsTheOthersTextsStylesWidthsAndIcons)
{
    HICON hRed = Icon(RGB(255, 0, 0));
    m_pBar->SetPaneText(0, L"Siap");
    m_pBar->SetPaneInfo(1, ID_MS_PANE_CAP, SBPS_POPOUT, 77);
    m_pBar->SetPaneText(1, L"status");
    m_pBar->SendMessage(SB_SETICON, 2, (LPARAM)hRed);
    ASSERT_TRUE(m_pBar->AddPane(ID_MS_PANE_NUM, 1));
    ASSERT_EQ(m_pBar->GetCount(), 4);
    UINT nID = 0, nStyle = 0;
    int cx = 0;
    m_pBar->GetPaneInfo(2, nID, nStyle, cx);
    EXPECT_EQ(nID, (UINT)ID_MS_PANE_CAP);
    EXPECT_EQ(nStyle, (UINT)SBPS_POPOUT);
    EXPECT_EQ(cx, 77);
    EXPECT_EQ(m_pBar->GetPaneText(0), CString(L"Siap"));
    EXPECT_EQ(m_pBar->GetPaneText(2), CString(L"status"));
    EXPECT_EQ(PaneIcon(3), hRed);
    EXPECT_EQ(PaneIcon(1), nullptr); // the new pane has none
    ASSERT_TRUE(m_pBar->RemovePane(ID_MS_PANE_NUM));
    ASSERT_EQ(m_pBar->GetCount(), 3);
    m_pBar->GetPaneInfo(1, nID, nStyle, cx);
    EXPECT_EQ(nStyle, (UINT)SBPS_POPOUT);
    EXPECT_EQ(cx, 77);
    EXPECT_EQ(m_pBar->GetPaneText(1), CString(L"status"));
    // The icon handle stays the one given, alive and drawn.
    ASSERT_EQ(PaneIcon(2), hRed);
    ICONINFO ii = {};
    ASSERT_TRUE(::GetIconInfo(hRed, &ii));
    ::DeleteObject(ii.hbmColor);
    ::DeleteObject(ii.hbmMask);
    auto pCanvas = Paint();
    const CRect rc = ItemRect(2);
    EXPECT_EQ(pCanvas->At(rc.left + 1 + 8, rc.top + rc.Height() / 2), RGB(255, 0, 0));
    EXPECT_FALSE(m_pBar->RemovePane(ID_MS_PANE_NUM));
}

TEST_F(StatusBar, TheMainFramesBusySequenceKeepsTextsAddressedByIndexRight)
{
    CWnd anim;
    ASSERT_TRUE(anim.CreateEx(0, ANIMATE_CLASSW, L"", WS_CHILD | WS_VISIBLE | ACS_TRANSPARENT, 0, 0, 16, 16,
                              m_pBar->m_hWnd, (HMENU)(UINT_PTR)1, nullptr));
    ASSERT_TRUE(m_pBar->AddPane(ID_MS_PANE_BUSY, 1));
    ASSERT_TRUE(m_pBar->AddPaneControl(&anim, ID_MS_PANE_BUSY, true));
    m_pBar->SetPaneInfo(1, ID_MS_PANE_BUSY, SBPS_NORMAL, 16);
    // While busy, index 2 is the status pane and 3 the log pane.
    m_pBar->SetPaneText(2, L"mengirim");
    EXPECT_EQ(m_pBar->GetPaneID(2), (UINT)ID_MS_PANE_CAP);
    EXPECT_EQ(m_pBar->GetPaneText(3), CString(L"LOG"));
    EXPECT_TRUE(anim.IsWindowVisible());
    ASSERT_TRUE(m_pBar->RemovePane(ID_MS_PANE_BUSY));
    EXPECT_FALSE(::IsWindow(anim.m_hWnd)); // auto-delete
    anim.Detach();
    EXPECT_EQ(m_pBar->GetCount(), 3);
    EXPECT_EQ(m_pBar->GetPaneText(1), CString(L"mengirim"));
    m_pBar->SetPaneText(2, L"LOG 2");
    EXPECT_EQ(m_pBar->GetPaneText(2), CString(L"LOG 2"));
    EXPECT_EQ(m_pBar->GetPaneID(2), (UINT)ID_MS_PANE_LOG);
}

TEST_F(StatusBar, PaneControlsSitInsideTheirPaneAndFollowTheDisabledStyle)
{
    CWnd first, second;
    ASSERT_TRUE(
        first.CreateEx(0, L"BUTTON", L"a", WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, m_pBar->m_hWnd, nullptr, nullptr));
    ASSERT_TRUE(
        second.CreateEx(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, m_pBar->m_hWnd, nullptr, nullptr));
    EXPECT_FALSE(m_pBar->AddPaneControl(&first, ID_MS_PANE_NUM, false));
    ASSERT_TRUE(m_pBar->AddPaneControl(&first, ID_MS_PANE_CAP, false));
    CRect rcPane = ItemRect(1), rcCtrl;
    first.GetWindowRect(&rcCtrl);
    m_pBar->ScreenToClient(&rcCtrl);
    rcPane.DeflateRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE));
    EXPECT_EQ(rcCtrl, rcPane);
    // A replacing control hides the first one (kept: no auto-delete).
    ASSERT_TRUE(m_pBar->AddPaneControl(&second, ID_MS_PANE_CAP, true));
    EXPECT_TRUE(::IsWindow(first.m_hWnd));
    EXPECT_FALSE(first.IsWindowVisible());
    EXPECT_TRUE(second.IsWindowVisible());
    CExtStatusControlBar::_STATUSBAR_PANE_ pane;
    ASSERT_TRUE(m_pBar->GetPaneInfoEx(1, &pane));
    pane.nStyle |= SBPS_DISABLED;
    ASSERT_TRUE(m_pBar->SetPaneInfoEx(1, &pane));
    EXPECT_FALSE(second.IsWindowEnabled());
    pane.nStyle &= ~SBPS_DISABLED;
    ASSERT_TRUE(m_pBar->SetPaneInfoEx(1, &pane));
    EXPECT_TRUE(second.IsWindowEnabled());
    EXPECT_FALSE(m_pBar->SetPaneInfoEx(3, &pane));
    EXPECT_TRUE(m_pBar->RemovePaneControl(ID_MS_PANE_CAP));
    EXPECT_FALSE(::IsWindow(second.m_hWnd));
    second.Detach();
    EXPECT_FALSE(m_pBar->RemovePaneControl(ID_MS_PANE_CAP));
    first.DestroyWindow();
}

TEST_F(StatusBar, AControlWhosePaneIsGoneIsHiddenAndSkipped)
{
    CWnd ctrl;
    ASSERT_TRUE(ctrl.CreateEx(0, L"BUTTON", L"c", WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, m_pBar->m_hWnd, nullptr, nullptr));
    ASSERT_TRUE(m_pBar->AddPaneControl(&ctrl, ID_MS_PANE_LOG, false));
    CRect rcBefore;
    ctrl.GetWindowRect(&rcBefore);
    // The owner sets other indicators: the control's pane is gone.
    const UINT ids[] = {0, ID_MS_PANE_NUM};
    ASSERT_TRUE(m_pBar->SetIndicators(ids, 2));
    m_pBar->RepositionPaneControls();
    m_host->MoveWindow(CRect(40, 40, 600, 440));
    tabtest::PumpFor(10);
    CRect rcAfter;
    ctrl.GetWindowRect(&rcAfter);
    EXPECT_FALSE(ctrl.IsWindowVisible());
    EXPECT_EQ(rcAfter.Size(), rcBefore.Size());
    ctrl.DestroyWindow();
}

TEST_F(StatusBar, TheOnlyPaneCannotBeRemoved)
{
    const UINT ids[] = {ID_MS_PANE_LOG};
    ASSERT_TRUE(m_pBar->SetIndicators(ids, 1));
    EXPECT_FALSE(m_pBar->RemovePane(ID_MS_PANE_LOG));
    EXPECT_EQ(m_pBar->GetCount(), 1);
    EXPECT_EQ(m_pBar->GetPaneText(0), CString(L"LOG"));
    EXPECT_EQ(m_pBar->SendMessage(SB_GETPARTS, 0, 0), 1);
}

TEST_F(StatusBarRefusing, AFailedRebuildPutsThePanesBackAndAnswersFalse)
{
    HICON hBlue = Icon(RGB(0, 0, 255));
    CWnd ctrl;
    ASSERT_TRUE(ctrl.CreateEx(0, L"BUTTON", L"c", WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, m_pBar->m_hWnd, nullptr, nullptr));
    ASSERT_TRUE(m_pBar->AddPaneControl(&ctrl, ID_MS_PANE_LOG, false));
    m_pBar->SetPaneInfo(1, ID_MS_PANE_CAP, SBPS_DISABLED, 55);
    m_pBar->SetPaneText(1, L"status");
    m_pBar->SendMessage(SB_SETICON, 2, (LPARAM)hBlue);
    Bar()->m_nRefuseID = ID_MS_PANE_BUSY;
    EXPECT_FALSE(m_pBar->AddPane(ID_MS_PANE_BUSY, 1));
    ASSERT_EQ(m_pBar->GetCount(), 3);
    EXPECT_EQ(m_pBar->SendMessage(SB_GETPARTS, 0, 0), 3);
    UINT nID = 0, nStyle = 0;
    int cx = 0;
    m_pBar->GetPaneInfo(1, nID, nStyle, cx);
    EXPECT_EQ(nID, (UINT)ID_MS_PANE_CAP);
    EXPECT_EQ(nStyle, (UINT)SBPS_DISABLED);
    EXPECT_EQ(cx, 55);
    EXPECT_EQ(m_pBar->GetPaneText(1), CString(L"status"));
    EXPECT_EQ(PaneIcon(2), hBlue);
    EXPECT_TRUE(ctrl.IsWindowVisible());
    // Removing fails the same way when a kept pane's text is refused.
    Bar()->m_nRefuseID = ID_MS_PANE_LOG;
    EXPECT_FALSE(m_pBar->RemovePane(ID_MS_PANE_CAP));
    EXPECT_EQ(m_pBar->GetCount(), 3);
    EXPECT_EQ(m_pBar->GetPaneID(2), (UINT)ID_MS_PANE_LOG);
    EXPECT_EQ(PaneIcon(2), hBlue);
    EXPECT_TRUE(ctrl.IsWindowVisible());
    ctrl.DestroyWindow();
}

TEST_F(StatusBar, ARightClickShowsTheBarsMenuButNotInHelpMode)
{
    auto* pBar = new CExtControlBar; // deletes itself with its window
    ASSERT_TRUE(pBar->Create(L"Folders", m_host.Get(), 0xA123));
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    m_host->EnableDocking(CBRS_ALIGN_ANY);
    m_host->DockControlBar(pBar, AFX_IDW_DOCKBAR_LEFT);
    m_host->RecalcLayout();
    CRect rc = ItemRect(1);
    m_pBar->ClientToScreen(&rc);
    m_host->m_bHelpMode = TRUE;
    m_pBar->SendMessage(WM_CONTEXTMENU, (WPARAM)m_pBar->m_hWnd, MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y));
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    m_host->m_bHelpMode = FALSE;
    m_pBar->SendMessage(WM_CONTEXTMENU, (WPARAM)m_pBar->m_hWnd, MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y));
    EXPECT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    CExtPopupMenuWnd::CancelMenuTracking();
    tabtest::PumpFor(20);
    pBar->DestroyWindow();
    m_host->RecalcLayout();
}

TEST_F(StatusBar, TheGripCornerIsClientAreaWhileTheGripIsOff)
{
    ASSERT_TRUE(m_pBar->GetStyle() & SBARS_SIZEGRIP);
    CRect rc;
    m_pBar->GetWindowRect(&rc);
    const LPARAM lCorner = MAKELPARAM(rc.right - 2, rc.bottom - 2);
    EXPECT_FALSE(m_pBar->IsSizeGripEnabled());
    EXPECT_EQ(m_pBar->SendMessage(WM_NCHITTEST, 0, lCorner), HTCLIENT);
    CExtPopupMenuWnd::g_bAllowSystemSizeMove = false;
    EXPECT_TRUE(m_pBar->IsSizeGripEnabled());
    EXPECT_NE(m_pBar->SendMessage(WM_NCHITTEST, 0, lCorner), HTCLIENT);
}

TEST_F(StatusBar, PaneTipsComeFromTheToolHitTest)
{
    const CRect rc = ItemRect(1);
    TOOLINFO ti = {};
    ti.cbSize = sizeof ti;
    EXPECT_EQ(m_pBar->OnToolHitTest(rc.CenterPoint(), &ti), (INT_PTR)ID_MS_PANE_CAP);
    EXPECT_EQ(CRect(ti.rect), rc);
    EXPECT_EQ(ti.uId, (UINT_PTR)ID_MS_PANE_CAP);
    EXPECT_EQ(ti.hwnd, m_pBar->m_hWnd);
    EXPECT_EQ(ti.lpszText, LPSTR_TEXTCALLBACKW);
    CExtStatusControlBar::_ED_ ed;
    ed.nDrawTextFlags = DT_SINGLELINE;
    ed.strTipText = L"Huruf besar";
    m_pBar->m_mapPaneExtraData.SetAt(ID_MS_PANE_CAP, ed);
    TOOLINFO ti2 = {};
    ti2.cbSize = sizeof ti2;
    EXPECT_EQ(m_pBar->OnToolHitTest(rc.CenterPoint(), &ti2), (INT_PTR)ID_MS_PANE_CAP);
    ASSERT_NE(ti2.lpszText, LPSTR_TEXTCALLBACKW);
    EXPECT_EQ(CString(ti2.lpszText), CString(L"Huruf besar"));
    free(ti2.lpszText);
    EXPECT_EQ(m_pBar->GetPaneDrawTextFlags(1), (UINT)DT_SINGLELINE);
    EXPECT_EQ(m_pBar->GetPaneDrawTextFlags(2), (UINT)(DT_SINGLELINE | DT_VCENTER));
    CRect rcClient;
    m_pBar->GetClientRect(&rcClient);
    EXPECT_EQ(m_pBar->OnToolHitTest(CPoint(rcClient.right + 50, 2), nullptr), -1);
    CExtToolControlBar::g_bMenuTracking = true;
    EXPECT_EQ(m_pBar->OnToolHitTest(rc.CenterPoint(), nullptr), -1);
    CExtToolControlBar::g_bMenuTracking = false;
}

TEST_F(StatusBar, PanesPaintTheFaceColourTheirTextAndNoTextWhenDisabled)
{
    m_pBar->SetPaneText(0, L"");
    CRect rc0 = ItemRect(0), rc1 = ItemRect(1);
    rc0.DeflateRect(3, 3);
    auto pCanvas = Paint();
    EXPECT_EQ(CountOther(*pCanvas, rc0, Face()), 0);
    CRect rcText(rc1);
    rcText.DeflateRect(2, 2);
    EXPECT_GT(CountOther(*pCanvas, rcText, Face()), 10); // "CAPITALS"
    m_pBar->SetPaneStyle(1, SBPS_DISABLED);
    pCanvas = Paint();
    EXPECT_EQ(CountOther(*pCanvas, rcText, Face()), 0);
    // Without look bit 3 the disabled text is drawn in the disabled colour.
    m_pBar->m_nLookFlags &= (BYTE)~CExtStatusControlBar::kLookHideDisabledText;
    pCanvas = Paint();
    EXPECT_GT(CountOther(*pCanvas, rcText, Face()), 10);
}

TEST_F(StatusBar, TheFramesMessageTextsGoToTheFirstPane)
{
    ASSERT_EQ(m_pBar->GetDlgCtrlID(), AFX_IDW_STATUS_BAR);
    m_host->SetMessageText(L"Siap dikirim");
    EXPECT_EQ(m_pBar->GetPaneText(0), CString(L"Siap dikirim"));
    EXPECT_EQ(m_pBar->GetPaneText(1), CString(L"CAPITALS"));
}
