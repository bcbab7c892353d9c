// The main frame's own painting in the running program: the menu bar's texts drawn as the tool
// bar draws them with the opaque background mode the menu bar sets, and the status bar's busy
// animation painted off-screen on the theme's background without an erase.
#include "phone/PhoneLinkTestSupport.h"
#include "FrameAppFixture.h"
#include "app/Corvane_sms.h"
#include "app/MainFrm.h"
#include "app/ThemeColor.h"
#include "phone/PostedText.h"
#include "res/app_ids.h"
#include "res/mainframe_ids.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace phonetest;

namespace
{

// A 32-bit top-down DIB selected into a memory DC, filled with one colour.
struct DibCanvas
{
    DibCanvas(int cxIn, int cyIn, COLORREF clrFill) : cx(cxIn), cy(cyIn)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB};
        hBmp = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, (void**)&pBits, nullptr, 0);
        dc.Attach(::CreateCompatibleDC(nullptr));
        hOld = ::SelectObject(dc.GetSafeHdc(), hBmp);
        dc.FillSolidRect(CRect(0, 0, cx, cy), clrFill);
        ::GdiFlush();
    }
    ~DibCanvas()
    {
        ::SelectObject(dc.GetSafeHdc(), hOld);
        ::DeleteDC(dc.Detach());
        ::DeleteObject(hBmp);
    }
    COLORREF At(int x, int y) const
    {
        ::GdiFlush();
        const DWORD v = pBits[y * cx + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    std::vector<DWORD> Pixels() const
    {
        ::GdiFlush();
        return std::vector<DWORD>(pBits, pBits + cx * cy);
    }

    int cx, cy;
    CDC dc;
    HBITMAP hBmp = nullptr;
    HGDIOBJ hOld = nullptr;
    DWORD* pBits = nullptr;
};

// The theme's paint manager noting the DC's background mode each bar button is painted with.
class CBkModeProbe : public CThemeColor
{
public:
    void PaintPushButton(CDC& dc, PushButtonPaintData& data) override
    {
        if (data.m_pHelperSrc != nullptr && data.m_pHelperSrc->IsKindOf(RUNTIME_CLASS(CExtBarButton)))
            s_modes.push_back(::GetBkMode(dc.GetSafeHdc()));
        CThemeColor::PaintPushButton(dc, data);
    }
    static std::vector<int> s_modes;
};
std::vector<int> CBkModeProbe::s_modes;

struct MainFramePaintTest : FrameAppFixture
{
    MainFramePaintTest() : FrameAppFixture(L"CorvaneFramePaintTest") {}
    void Start()
    {
        ASSERT_NO_FATAL_FAILURE(StartFrame());
        PumpUntil([] { return false; }, 50);
    }
};
} // namespace

// The menu bar hands its buttons an opaque background mode where the tool bar hands them a
// transparent one; the button painter draws the texts transparently all the same, so each text
// cell shows the bar's background and the bar looks as the tool bar's painting of it.
TEST_F(MainFramePaintTest, TheMenuBarsTextsShowTheBarsBackgroundUnderTheOpaqueModeItSets)
{
    Start();
    CMainMenuBar& bar = frame->m_wndMenuBar;
    CRect rc;
    bar.GetClientRect(&rc);
    ASSERT_FALSE(rc.IsRectEmpty());
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(new CBkModeProbe));
    const COLORREF clrSentinel = RGB(1, 2, 3);

    CBkModeProbe::s_modes.clear();
    DibCanvas menu(rc.Width(), rc.Height(), clrSentinel);
    static_cast<CExtToolControlBar&>(bar).DoPaint(&menu.dc);
    const std::vector<int> modesMenu = CBkModeProbe::s_modes;

    CBkModeProbe::s_modes.clear();
    DibCanvas plain(rc.Width(), rc.Height(), clrSentinel);
    bar.CExtToolControlBar::DoPaint(&plain.dc);
    const std::vector<int> modesPlain = CBkModeProbe::s_modes;

    CRect rcTool;
    frame->m_wndToolBar.GetClientRect(&rcTool);
    CBkModeProbe::s_modes.clear();
    DibCanvas tool(rcTool.Width(), rcTool.Height(), clrSentinel);
    frame->m_wndToolBar.DoPaint(&tool.dc);
    const std::vector<int> modesTool = CBkModeProbe::s_modes;

    ASSERT_GE(modesMenu.size(), 4u);
    for (int m : modesMenu)
        EXPECT_EQ(m, OPAQUE);
    ASSERT_EQ(modesPlain.size(), modesMenu.size());
    for (int m : modesPlain)
        EXPECT_EQ(m, TRANSPARENT);
    ASSERT_FALSE(modesTool.empty());
    for (int m : modesTool)
        EXPECT_EQ(m, TRANSPARENT);

    // The same pixels as the transparent painting of the bar.
    EXPECT_EQ(menu.Pixels(), plain.Pixels());

    // Each menu's text cell: mostly the bar's background of its row (the colour left of the
    // text), with the text drawn on it.
    int nCells = 0;
    for (int i = 0; i < bar.GetButtonsCount(); ++i)
    {
        CExtBarButton* pButton = bar.GetButton(i);
        if (pButton->GetMenu() == nullptr || !pButton->IsVisible() || pButton->GetText().IsEmpty())
            continue;
        CRect rcCell = pButton->GetRect();
        rcCell.DeflateRect(3, 3);
        ASSERT_FALSE(rcCell.IsRectEmpty());
        int nBackground = 0, nOther = 0, nSentinel = 0;
        for (int y = rcCell.top; y < rcCell.bottom; ++y)
        {
            const COLORREF clrRow = menu.At(rcCell.left, y);
            for (int x = rcCell.left; x < rcCell.right; ++x)
            {
                const COLORREF clr = menu.At(x, y);
                nSentinel += clr == clrSentinel;
                (clr == clrRow ? nBackground : nOther)++;
            }
        }
        const CString text = pButton->GetText();
        EXPECT_EQ(nSentinel, 0) << text;
        EXPECT_GT(nOther, 0) << text;
        EXPECT_GT(nBackground, (nBackground + nOther) / 2) << text;
        ++nCells;
    }
    EXPECT_EQ(nCells, 4);
    frame->ApplyTheme();
}

// Frame 0 of the busy animation as a plain control draws it at its top-left corner, cut to the
// frame; its first pixel is the colour the transparent control shows the background through.
std::vector<std::vector<COLORREF>> PlainBusyFrame(CWnd* pParent)
{
    std::vector<std::vector<COLORREF>> frame;
    CAnimateCtrl plain;
    if (!plain.Create(WS_CHILD, CRect(0, 0, 64, 64), pParent, 0xE7F0))
        return frame;
    plain.Open(IDR_BUSY_ANIMATION);
    plain.Seek(0);
    PumpUntil([] { return false; }, 100);
    const COLORREF clrSentinel = RGB(1, 2, 3);
    DibCanvas raw(64, 64, clrSentinel);
    plain.SendMessage(WM_PRINTCLIENT, (WPARAM)raw.dc.GetSafeHdc(), PRF_CLIENT);
    int cx = 0, cy = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (raw.At(x, y) != clrSentinel)
            {
                cx = std::max(cx, x + 1);
                cy = std::max(cy, y + 1);
            }
    for (int y = 0; y < cy; ++y)
    {
        frame.emplace_back();
        for (int x = 0; x < cx; ++x)
            frame.back().push_back(raw.At(x, y));
    }
    plain.DestroyWindow();
    return frame;
}

// The busy animation erases nothing and paints its whole client area from an off-screen copy: the
// paint manager's docker background (its colour 1000 without docker gradients), with the frame
// drawn over it and the background showing through the frame's transparent pixels; in two themes.
TEST_F(MainFramePaintTest, TheBusyAnimationPaintsOnTheThemesBackgroundWithoutAnErase)
{
    Start();
    CExtStatusControlBar& status = frame->m_wndStatus;
    const std::vector<std::vector<COLORREF>> busyFrame = PlainBusyFrame(&status);
    ASSERT_FALSE(busyFrame.empty());
    const int cxFrame = (int)busyFrame[0].size(), cyFrame = (int)busyFrame.size();
    const COLORREF clrKey = busyFrame[0][0];
    std::vector<COLORREF> backgrounds;
    // The second theme comes while the animation runs.
    ASSERT_EQ(frame->SendMessage(WM_APP_PHONE_BUSY, 1, 0), 1);
    for (UINT nTheme : {(UINT)ID_THEME_BLUE, (UINT)ID_THEME_PINK})
    {
        frame->SendMessage(WM_COMMAND, nTheme);
        HWND hAnim = ::GetDlgItem(status.GetSafeHwnd(), CMainFrame::kIdBusyPane);
        ASSERT_NE(hAnim, nullptr);
        CAnimateCtrl* pAnim = dynamic_cast<CAnimateCtrl*>(CWnd::FromHandlePermanent(hAnim));
        ASSERT_NE(pAnim, nullptr);
        CRect rc;
        pAnim->GetClientRect(&rc);
        ASSERT_FALSE(rc.IsRectEmpty());
        const COLORREF clrSentinel = RGB(1, 2, 3);

        // The erase leaves the DC alone and answers that it erased.
        DibCanvas erase(rc.Width(), rc.Height(), clrSentinel);
        EXPECT_NE(pAnim->SendMessage(WM_ERASEBKGND, (WPARAM)erase.dc.GetSafeHdc(), 0), 0);
        EXPECT_EQ(erase.Pixels(), std::vector<DWORD>(rc.Width() * rc.Height(), 0x010203u));

        // What the paint manager puts under the animation.
        CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
        DibCanvas background(rc.Width(), rc.Height(), clrSentinel);
        if (!pPM->IsDockerGradientAvailable(pAnim) || !pPM->PaintDockerBackground(true, background.dc, pAnim))
            background.dc.FillSolidRect(&rc, pPM->GetTranslatedColor(XCLR_FACE_NORMAL));
        backgrounds.push_back(background.At(0, 0));

        // Frame 0 shown, the window repainted through its erase and paint and read back.
        PumpUntil([] { return false; }, 100);
        pAnim->Stop();
        pAnim->Seek(0);
        pAnim->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        DibCanvas shown(rc.Width(), rc.Height(), clrSentinel);
        HDC hWndDC = ::GetDC(hAnim);
        ::BitBlt(shown.dc.GetSafeHdc(), 0, 0, rc.Width(), rc.Height(), hWndDC, 0, 0, SRCCOPY);
        ::ReleaseDC(hAnim, hWndDC);

        // The frame centred, the background everywhere else and under its transparent pixels.
        const CPoint ptFrame((rc.Width() - cxFrame) / 2, (rc.Height() - cyFrame) / 2);
        int nWrong = 0, nFrame = 0;
        std::string rows;
        for (int y = 0; y < rc.Height(); ++y)
        {
            for (int x = 0; x < rc.Width(); ++x)
            {
                const int fx = x - ptFrame.x, fy = y - ptFrame.y;
                const bool bInFrame = fx >= 0 && fy >= 0 && fx < cxFrame && fy < cyFrame;
                const bool bOpaque = bInFrame && busyFrame[fy][fx] != clrKey;
                const COLORREF clrExpected = bOpaque ? busyFrame[fy][fx] : background.At(x, y);
                nFrame += bOpaque;
                nWrong += shown.At(x, y) != clrExpected;
                char buf[16];
                snprintf(buf, sizeof buf, "%06lX%c", (unsigned long)shown.At(x, y),
                         shown.At(x, y) != clrExpected ? '!' : ' ');
                rows += buf;
            }
            rows += '\n';
        }
        EXPECT_GT(nFrame, 0);
        EXPECT_EQ(nWrong, 0) << "theme " << nTheme << " (COLORREF values, '!' where wrong):\n" << rows;
        pAnim->Play(0, (UINT)-1, (UINT)-1);
    }
    frame->SendMessage(WM_APP_PHONE_BUSY, 0, 0);
    EXPECT_EQ(::GetDlgItem(status.GetSafeHwnd(), CMainFrame::kIdBusyPane), nullptr);
    EXPECT_NE(backgrounds[0], backgrounds[1]);
}
