// The colour and undo/redo buttons on a tool bar of the shown docking host: measured with the drop-down part,
// painted with its arrow, and opened by the bar's keyboard tracking by index; a plain button stays as it was.
#include "tests/support/DibCanvas.h"
#include "DynTabsFixture.h"
#include "toolkit/bars_tabs/ExtBarColorButton.h"
#include "toolkit/bars_tabs/ExtBarUndoRedoButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupColorMenuWnd.h"
#include "toolkit/menus_dialogs/ExtPopupUndoRedoMenuWnd.h"

namespace
{
const UINT kPlainCmd = 0xB240;
const UINT kColorCmd = 0xB241;
const UINT kUndoCmd = 0xB242;
const UINT kToolBarId = 0xA1F4;
const int kPlainIndex = 0, kColorIndex = 1, kUndoIndex = 2;

class CKindsToolBar : public CExtToolControlBar
{
public:
    CExtBarButton* OnCreateBarCommandBtn(UINT nCmdID, UINT nStyle) override
    {
        if (nCmdID == kColorCmd)
            return new CExtBarColorButton(this, nCmdID, nStyle, RGB(0, 128, 0), RGB(0, 0, 0));
        if (nCmdID == kUndoCmd)
            return new CExtBarUndoRedoButton(this, nCmdID, nStyle);
        return CExtToolControlBar::OnCreateBarCommandBtn(nCmdID, nStyle);
    }
};

// The bar's owner: every command of the bar is enabled.
class CEnablerWnd : public CWnd
{
public:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nCode == (int)CN_UPDATE_COMMAND_UI && pExtra != nullptr && nID >= kPlainCmd && nID <= kUndoCmd)
        {
            static_cast<CCmdUI*>(pExtra)->Enable(TRUE);
            return TRUE;
        }
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

// The shown popup of the thread whose object is of the class, or null.
CExtPopupMenuWnd* ShownPopupOf(CRuntimeClass* pClass)
{
    struct Finder
    {
        CRuntimeClass* pClass;
        CExtPopupMenuWnd* pFound;
        static BOOL CALLBACK Enum(HWND hWnd, LPARAM lParam)
        {
            auto* pFinder = reinterpret_cast<Finder*>(lParam);
            CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
            if (pWnd != nullptr && ::IsWindowVisible(hWnd) && pWnd->IsKindOf(pFinder->pClass))
            {
                pFinder->pFound = static_cast<CExtPopupMenuWnd*>(pWnd);
                return FALSE;
            }
            return TRUE;
        }
    } finder = {pClass, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), Finder::Enum, (LPARAM)&finder);
    return finder.pFound;
}

int GlyphPixels(const CExtPaintManagerGlyph& glyph)
{
    int n = 0;
    for (int y = 0; y < glyph.GetHeight(); ++y)
        for (int x = 0; x < glyph.GetWidth(); ++x)
            n += glyph.GetPixel(x, y) != 0;
    return n;
}

class DropDownKinds : public DynTabsFixture
{
protected:
    void SetUp() override
    {
        DynTabsFixture::SetUp();
        for (UINT nID : {kPlainCmd, kColorCmd, kUndoCmd})
        {
            CExtCmdItem cmd(nID);
            cmd.m_sMenuText = cmd.m_sToolbarText = L"";
            g_CmdManagerHolder->SetupCommand(kHostProfile, cmd, true);
        }
        m_pToolBar = new CKindsToolBar;
        m_pFrame->m_arrBars.push_back(m_pToolBar);
        ASSERT_TRUE(m_pToolBar->Create(L"Kinds", m_pFrame, kToolBarId, WS_CHILD | WS_VISIBLE | CBRS_TOP));
        ASSERT_TRUE(m_wndEnabler.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr));
        m_pToolBar->SetOwner(&m_wndEnabler);
        for (UINT nID : {kPlainCmd, kColorCmd, kUndoCmd})
            ASSERT_TRUE(m_pToolBar->InsertButton(-1, nID, false));
        m_pFrame->DockControlBar(m_pToolBar, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
        // The colour icon (16 x 16) keeps the colour button within the default size, as the plain ones are.
        static_cast<CExtBarColorButton*>(m_pToolBar->GetButton(kColorIndex))->SyncColorIcon();
        m_pFrame->RecalcLayout();
        PumpMessages();
    }
    void TearDown() override
    {
        CExtToolControlBar::CloseTrackingMenus();
        PumpMessages();
        DynTabsFixture::TearDown();
        if (m_wndEnabler.GetSafeHwnd() != nullptr)
            m_wndEnabler.DestroyWindow();
    }
    CSize Measure(int nIndex, bool bHorizontal)
    {
        CClientDC dc(m_pToolBar);
        CFont* pOld = dc.SelectObject(m_pToolBar->GetToolBarFont(!bHorizontal));
        const CSize size =
            m_pToolBar->GetButton(nIndex)->MeasureButton(dc, m_pToolBar->GetDefaultButtonSize(), bHorizontal);
        dc.SelectObject(pOld);
        return size;
    }
    CEnablerWnd m_wndEnabler;
    CKindsToolBar* m_pToolBar = nullptr;
};
} // namespace

TEST_F(DropDownKinds, ColourAndUndoButtonsMeasureWithTheDropDownPartAndAPlainButtonWithout)
{
    const CSize sizePlainH = Measure(kPlainIndex, true);
    const CSize sizePlainV = Measure(kPlainIndex, false);
    const int nArrowH = g_glyphExpandArrowH.GetWidth() + 6;
    const int nArrowV = g_glyphDropDownArrowV.GetHeight() + 6;
    for (int nIndex : {kColorIndex, kUndoIndex})
    {
        EXPECT_EQ(Measure(nIndex, true), CSize(sizePlainH.cx + nArrowH, sizePlainH.cy)) << nIndex;
        EXPECT_EQ(Measure(nIndex, false), CSize(sizePlainV.cx, sizePlainV.cy + nArrowV)) << nIndex;
        EXPECT_FALSE(m_pToolBar->GetButton(nIndex)->CanTrackMenu());
    }
    // The bar's layout gives them that width.
    m_pFrame->RecalcLayout();
    EXPECT_EQ(m_pToolBar->GetButton(kColorIndex)->GetRect().Width(),
              m_pToolBar->GetButton(kPlainIndex)->GetRect().Width() + nArrowH);
}

TEST_F(DropDownKinds, ColourAndUndoButtonsPaintTheArrowInTheirDropDownPart)
{
    CRect rcClient;
    m_pToolBar->GetClientRect(&rcClient);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    const COLORREF clrArrow = pPM->GetTranslatedColor(XCLR_TEXT_NORMAL, m_pToolBar->GetButton(kColorIndex));
    const int nGlyph = GlyphPixels(g_glyphExpandArrowH);
    ASSERT_GT(nGlyph, 0);
    for (int nIndex : {kPlainIndex, kColorIndex, kUndoIndex})
    {
        DibCanvas canvas(rcClient.Width(), rcClient.Height(), RGB(255, 0, 255));
        CExtBarButton* pButton = m_pToolBar->GetButton(nIndex);
        pButton->PaintButton(canvas.dc, true);
        const CRect rcDropDown = pButton->GetDropDownRect();
        ASSERT_FALSE(rcDropDown.IsRectEmpty());
        // An idle plain button without icon or text leaves that strip untouched.
        const int nExpected = nIndex == kPlainIndex ? 0 : nGlyph;
        EXPECT_EQ(canvas.Count(rcDropDown, clrArrow), nExpected) << nIndex;
    }
}

TEST_F(DropDownKinds, TheBarsKeyboardTrackingByIndexOpensTheirPopups)
{
    const struct
    {
        int nIndex;
        CRuntimeClass* pClass;
    } cases[] = {{kColorIndex, RUNTIME_CLASS(CExtPopupColorMenuWnd)},
                 {kUndoIndex, RUNTIME_CLASS(CExtPopupUndoRedoMenuWnd)}};
    for (const auto& c : cases)
    {
        CExtToolControlBar::g_bKeyboardTracking = true;
        EXPECT_TRUE(m_pToolBar->TrackButtonMenu(c.nIndex, true, false, true)) << c.nIndex;
        PumpMessages();
        EXPECT_TRUE(CExtPopupMenuWnd::IsMenuTracking()) << c.nIndex;
        EXPECT_EQ(m_pToolBar->GetMenuTrackingButton(), c.nIndex);
        EXPECT_NE(ShownPopupOf(c.pClass), nullptr) << c.nIndex;
        CExtToolControlBar::CloseTrackingMenus();
        CExtToolControlBar::g_bKeyboardTracking = false;
        PumpMessages();
        EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    }
    // A plain command button has no popup to open.
    EXPECT_FALSE(m_pToolBar->TrackButtonMenu(kPlainIndex, true, false, true));
}
