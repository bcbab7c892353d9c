// Control bars in a frame: the lists they enter and leave, lifetime, bad arguments, a floating
// frame that cannot be made, idle updates and notifications of their controls.
#include "DockingTestSupport.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace
{
const UINT kBarA = 0xE850, kBarB = 0xE851;

BOOL IsListed(CFrameWnd* pFrame, CControlBar* pBar) { return pFrame->m_listControlBars.Find(pBar) != nullptr; }

BOOL IsLiveFrame(CFrameWnd* pFrame)
{
    const std::vector<CFrameWnd*>& frames = AfxGetThreadState()->m_frameList;
    return std::find(frames.begin(), frames.end(), pFrame) != frames.end();
}

int g_failingFramesAlive = 0;

// A bar with the base class's layout.
class CPlainBar : public CControlBar
{
public:
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

// A bar whose left half is one tool, the command ID_INDICATOR_CAPS.
class CToolBarStandIn : public CFixedBar
{
public:
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO*) const override
    {
        return point.x >= 0 && point.x < 40 && point.y >= 0 && point.y < 24 ? ID_INDICATOR_CAPS : -1;
    }
};

MSG MouseMoveAt(CWnd* pWnd, CPoint ptClient)
{
    MSG msg = {};
    msg.hwnd = pWnd->m_hWnd;
    msg.message = WM_MOUSEMOVE;
    msg.lParam = MAKELPARAM(ptClient.x, ptClient.y);
    pWnd->ClientToScreen(&ptClient);
    msg.pt = ptClient;
    return msg;
}

// A floating frame whose window refuses to be made.
class CFailingMiniFrame : public CMiniDockFrameWnd
{
    DECLARE_DYNCREATE(CFailingMiniFrame)
public:
    CFailingMiniFrame() { ++g_failingFramesAlive; }
    ~CFailingMiniFrame() override { --g_failingFramesAlive; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CFailingMiniFrame, CMiniDockFrameWnd)
BEGIN_MESSAGE_MAP(CFailingMiniFrame, CMiniDockFrameWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()
} // namespace

TEST(ControlBars, ABarCreatedInAFrameJoinsItsListAndLeavesItWhenDestroyed)
{
    CDockTestFrame* pFrame = MakeDockFrame(FALSE);
    ASSERT_NE(pFrame, nullptr);
    {
        CFixedBar bar;
        ASSERT_TRUE(bar.CreateBar(pFrame, kBarA));
        EXPECT_EQ(bar.m_pDockSite, pFrame);
        EXPECT_TRUE(IsListed(pFrame, &bar));
        EXPECT_EQ(pFrame->GetControlBar(kBarA), &bar);
        bar.DestroyWindow();
        EXPECT_FALSE(IsListed(pFrame, &bar));
        EXPECT_EQ(pFrame->GetControlBar(kBarA), nullptr);
    }
    {
        CFixedBar bar; // destroyed with its window still alive: it leaves the list all the same
        ASSERT_TRUE(bar.CreateBar(pFrame, kBarB));
    }
    EXPECT_EQ(pFrame->m_listControlBars.GetCount(), 0);
    pFrame->DestroyWindow();
}

TEST(ControlBars, BarStyleBordersAndTheDefaultLayout)
{
    CPlainBar bar;
    bar.SetBarStyle(CBRS_TOP | CBRS_TOOLTIPS);
    EXPECT_EQ(bar.GetBarStyle(), (DWORD)(CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_TOOLTIPS));
    EXPECT_EQ(bar.GetBorders(), CRect(6, 1, 6, 1));
    EXPECT_EQ(bar.m_nMRUWidth, 32767);
    // The base layout: 32767 along a stretched bar plus borders and 2 pixels per drawn edge.
    EXPECT_EQ(bar.CalcFixedLayout(TRUE, TRUE), CSize(32767 + 12, 1 + 1 + 2));
    EXPECT_EQ(bar.CalcFixedLayout(FALSE, FALSE), CSize(2, 12 + 2)); // borders exchanged down
    bar.SetBorders(1, 2, 3, 4);
    EXPECT_EQ(bar.CalcDynamicLayout(-1, LM_HORZ), CSize(4, 6 + 2));
    CDockBar dock;
    EXPECT_FALSE(dock.m_bFloating);
    EXPECT_TRUE(dock.IsDockBar());
    EXPECT_EQ(dock.m_arrBars.GetSize(), 1);
    EXPECT_EQ(dock.FindBar(&bar), -1);
}

TEST(ControlBars, BarsEnterAndLeaveTheListsOfTheFramesTheyLiveIn)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CFixedBar bar;
    // Hidden bars keep their floating frames hidden: no frame is mapped, nothing waits for it.
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA, CBRS_TOP, FALSE));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    EXPECT_TRUE(IsListed(pFrame, &bar));
    pFrame->FloatControlBar(&bar, CPoint(600, 400));
    CMiniDockFrameWnd* pMini = FloatingFrameOf(&bar);
    ASSERT_NE(pMini, nullptr);
    // The floating dock bar is found in both frames; the bar stays in its dock site's list.
    EXPECT_TRUE(IsListed(pFrame, &pMini->m_wndDockBar));
    EXPECT_TRUE(IsListed(pMini, &pMini->m_wndDockBar));
    EXPECT_TRUE(IsListed(pFrame, &bar));
    EXPECT_EQ(bar.GetDockingFrame(), pFrame);
    EXPECT_EQ(pMini->m_wndDockBar.GetDockingFrame(), pFrame);
    bar.DestroyWindow();
    // The emptied floating frame went with its dock bar; no list keeps either.
    EXPECT_FALSE(IsLiveFrame(pMini));
    EXPECT_FALSE(IsListed(pFrame, &bar));
    POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
    while (pos != nullptr)
        EXPECT_TRUE(pFrame->m_listControlBars.GetNext(pos)->m_hWnd != nullptr);
    pFrame->DestroyWindow();
}

TEST(ControlBars, DestroyingTheFrameDestroysItsFloatingFramesAndDeletesAutoDeletingBars)
{
    int nBarsBefore = g_testBarsAlive;
    size_t nFramesBefore = AfxGetThreadState()->m_frameList.size();
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    HWND hMinis[2] = {};
    for (int i = 0; i < 3; i++)
    {
        auto* pBar = new CFixedBar;
        pBar->m_bAutoDelete = TRUE;
        ASSERT_TRUE(pBar->CreateBar(pFrame, kBarA + i, CBRS_TOP, FALSE));
        pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
        if (i < 2)
        {
            pFrame->FloatControlBar(pBar, CPoint(500 + 100 * i, 300));
            ASSERT_NE(FloatingFrameOf(pBar), nullptr);
            hMinis[i] = FloatingFrameOf(pBar)->m_hWnd;
            EXPECT_EQ(::GetWindow(hMinis[i], GW_OWNER), pFrame->m_hWnd);
        }
    }
    EXPECT_EQ(g_testBarsAlive, nBarsBefore + 3);
    EXPECT_EQ(AfxGetThreadState()->m_frameList.size(), nFramesBefore + 3);
    pFrame->DestroyWindow();
    EXPECT_FALSE(::IsWindow(hMinis[0]));
    EXPECT_FALSE(::IsWindow(hMinis[1]));
    EXPECT_EQ(g_testBarsAlive, nBarsBefore);
    EXPECT_EQ(AfxGetThreadState()->m_frameList.size(), nFramesBefore);
    EXPECT_EQ(CDockTestFrame::s_nAlive, 0);
}

TEST(ControlBars, ANullBarABarWithoutWindowOrAnUnknownIdDoesNothing)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CFixedBar unmade, bar;
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    CDockBar* pTop = DockBarOf(pFrame, AFX_IDW_DOCKBAR_TOP);
    CString before = Rows(pTop);
    size_t nFrames = AfxGetThreadState()->m_frameList.size();
    pFrame->DockControlBar(nullptr, AFX_IDW_DOCKBAR_LEFT);
    pFrame->DockControlBar(&unmade, AFX_IDW_DOCKBAR_LEFT);
    pFrame->DockControlBar(&bar, 0x1234u);
    pFrame->FloatControlBar(nullptr, CPoint(10, 10));
    pFrame->FloatControlBar(&unmade, CPoint(10, 10));
    pFrame->ShowControlBar(nullptr, FALSE, FALSE);
    pFrame->ShowControlBar(&unmade, TRUE, TRUE);
    pTop->DockControlBar(nullptr);
    EXPECT_FALSE(pTop->RemoveControlBar(nullptr));
    EXPECT_FALSE(pTop->RemoveControlBar(&unmade));
    EXPECT_EQ(pFrame->GetControlBar(0), nullptr);
    EXPECT_STREQ(Rows(pTop), before);
    EXPECT_STREQ(Rows(DockBarOf(pFrame, AFX_IDW_DOCKBAR_LEFT)), L"|");
    EXPECT_EQ(AfxGetThreadState()->m_frameList.size(), nFrames);
    EXPECT_EQ(bar.m_pDockBar, pTop);
    pFrame->DestroyWindow();
}

TEST(ControlBars, AFloatingFrameThatCannotBeMadeLeavesTheBarWhereItWas)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CFixedBar bar;
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    CDockBar* pTop = DockBarOf(pFrame, AFX_IDW_DOCKBAR_TOP);
    pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CFailingMiniFrame);
    EXPECT_NO_THROW(pFrame->FloatControlBar(&bar, CPoint(500, 400)));
    EXPECT_NO_THROW(bar.m_pDockContext->ToggleDocking());
    EXPECT_EQ(bar.m_pDockBar, pTop);
    EXPECT_EQ(bar.GetParent(), pTop);
    EXPECT_STREQ(Rows(pTop), L"|E850|");
    EXPECT_EQ(g_failingFramesAlive, 0);
    // The frame reports the failure as the resource exception.
    BOOL bThrown = FALSE;
    try
    {
        pFrame->CreateFloatingFrame(CBRS_ALIGN_TOP);
    }
    catch (CResourceException* e)
    {
        bThrown = TRUE;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(g_failingFramesAlive, 0);
    pFrame->DestroyWindow();
}

TEST(ControlBars, IdleUpdatesReachVisibleBarsWithTheirFrameAsTarget)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    CFixedBar docked, floating, hidden;
    ASSERT_TRUE(docked.CreateBar(pFrame, kBarA));
    ASSERT_TRUE(floating.CreateBar(pFrame, kBarB));
    ASSERT_TRUE(hidden.CreateBar(pFrame, kBarB + 1, CBRS_TOP, FALSE));
    pFrame->DockControlBar(&docked, AFX_IDW_DOCKBAR_TOP);
    pFrame->DockControlBar(&hidden, AFX_IDW_DOCKBAR_TOP);
    pFrame->FloatControlBar(&floating, CPoint(600, 300));
    RunIdle();
    EXPECT_EQ(docked.m_nUpdates, 1);
    EXPECT_EQ(docked.m_pLastTarget, pFrame);
    EXPECT_EQ(floating.m_nUpdates, 1);
    EXPECT_EQ(floating.m_pLastTarget, pFrame); // its owner, not the floating frame
    EXPECT_EQ(hidden.m_nUpdates, 0);
    // No tool under the point: the help hit test answers 0.
    EXPECT_EQ(docked.SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(5, 5)), 0);
    pFrame->DestroyWindow();
}

TEST(ControlBars, AListControlsNotificationInsideABarReachesTheFramesMessageMap)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CFixedBar bar;
    bar.m_cxAcross = 200;
    bar.m_cyAcross = 100;
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA, CBRS_TOP, FALSE)); // a hidden bar's controls notify all the same
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    HWND hList = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 200, 100, bar.m_hWnd,
                                   (HMENU)(UINT_PTR)0xE870, AfxGetInstanceHandle(), nullptr);
    ASSERT_NE(hList, nullptr);
    LVCOLUMNW col = {};
    col.mask = LVCF_WIDTH;
    col.cx = 100;
    ::SendMessageW(hList, LVM_INSERTCOLUMNW, 0, (LPARAM)&col);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<LPWSTR>(L"baris");
    ::SendMessageW(hList, LVM_INSERTITEMW, 0, (LPARAM)&item);
    int nBefore = pFrame->m_nNotifies;
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    ::SendMessageW(hList, LVM_SETITEMSTATE, 0, (LPARAM)&state);
    EXPECT_GT(pFrame->m_nNotifies, nBefore);
    EXPECT_EQ(pFrame->m_nLastNotifyCode, (UINT)LVN_ITEMCHANGED);
    // The same once the bar floats: its owner is still the frame.
    pFrame->FloatControlBar(&bar, CPoint(500, 300));
    nBefore = pFrame->m_nNotifies;
    state.state = 0;
    ::SendMessageW(hList, LVM_SETITEMSTATE, 0, (LPARAM)&state);
    EXPECT_GT(pFrame->m_nNotifies, nBefore);
    pFrame->DestroyWindow();
}

TEST(ControlBars, MiniFrameStylesStayInTheLowWordOfTheWindowStyle)
{
    CDockTestFrame* pFrame = MakeDockFrame(FALSE);
    ASSERT_NE(pFrame, nullptr);
    auto* pFixed = new CMiniDockFrameWnd;
    ASSERT_TRUE(pFixed->Create(pFrame, CBRS_ALIGN_TOP));
    DWORD dwStyle = pFixed->GetStyle();
    EXPECT_EQ(dwStyle & (MFS_MOVEFRAME | MFS_4THICKFRAME | MFS_SYNCACTIVE | FWS_SNAPTOBARS),
              (DWORD)(MFS_MOVEFRAME | MFS_4THICKFRAME | MFS_SYNCACTIVE | FWS_SNAPTOBARS));
    EXPECT_FALSE(dwStyle & MFS_BLOCKSYSMENU);
    EXPECT_EQ(pFixed->m_wndDockBar.GetDlgCtrlID(), 0xE81F);
    EXPECT_EQ(pFixed->m_wndDockBar.GetBarStyle() & CBRS_ALIGN_ANY, (DWORD)CBRS_ALIGN_TOP);
    auto* pSizing = new CMiniDockFrameWnd;
    ASSERT_TRUE(pSizing->Create(pFrame, CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC | CBRS_TOOLTIPS));
    dwStyle = pSizing->GetStyle();
    EXPECT_TRUE(dwStyle & MFS_THICKFRAME);
    EXPECT_FALSE(dwStyle & MFS_MOVEFRAME);
    EXPECT_EQ(pSizing->m_wndDockBar.GetBarStyle(), (DWORD)(CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC));
    EXPECT_EQ(pSizing->m_wndDockBar.m_pDockSite, pFrame);
    EXPECT_EQ(::GetWindow(pSizing->m_hWnd, GW_OWNER), pFrame->m_hWnd);
    pFrame->DestroyWindow(); // takes both floating frames along
}

TEST(ControlBars, AToolRestedOnShowsItsPromptAndLeavingRestoresTheIdlePrompt)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CToolBarStandIn bar;
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA, CBRS_TOP | CBRS_FLYBY));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    pFrame->SetMessageText(L"awal");
    MSG over = MouseMoveAt(&bar, CPoint(10, 10));
    bar.PreTranslateMessage(&over);
    EXPECT_STREQ(pFrame->GetLastMessageText(), L"awal"); // not before the rest time
    bar.SendMessage(WM_TIMER, ID_TIMER_WAIT);
    EXPECT_STREQ(pFrame->GetLastMessageText(), L"CAP");
    MSG off = MouseMoveAt(&bar, CPoint(60, 10));
    bar.PreTranslateMessage(&off);
    bar.SendMessage(WM_TIMER, ID_TIMER_CHECK); // the hidden frame is never under the cursor
    EXPECT_STREQ(pFrame->GetLastMessageText(), L"Ready");
    pFrame->DestroyWindow();
}

TEST(ControlBars, ThePreviewViewAndTheCompoundDocumentAreTypesToDeriveFrom)
{
    class CTestPreview : public CPreviewView
    {};
    class CTestOleDoc : public COleDocument
    {};
    CTestPreview preview;
    EXPECT_TRUE(preview.IsKindOf(RUNTIME_CLASS(CPreviewView)));
    EXPECT_TRUE(preview.IsKindOf(RUNTIME_CLASS(CScrollView)));
    CObject* pMade = RUNTIME_CLASS(CPreviewView)->CreateObject();
    ASSERT_NE(pMade, nullptr);
    EXPECT_TRUE(pMade->IsKindOf(RUNTIME_CLASS(CPreviewView)));
    delete pMade;
    CTestOleDoc doc;
    EXPECT_TRUE(doc.IsKindOf(RUNTIME_CLASS(CDocument)));
    EXPECT_EQ(doc.GetInPlaceActiveItem(nullptr), nullptr);
    COleClientItem item;
    EXPECT_TRUE(item.IsKindOf(RUNTIME_CLASS(CObject)));
}
