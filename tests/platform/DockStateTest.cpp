// Dock state: bar infos gathered from a frame, written and read back into a fresh frame, the
// byte format, and damaged data.
#include "DockingTestSupport.h"
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <vector>

namespace
{
const UINT kBarA = 0xE850, kBarB = 0xE851, kBarC = 0xE852, kBarD = 0xE853, kBarE = 0xE854;

std::vector<BYTE> Store(CDockState& state)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        state.Serialize(ar);
    }
    std::vector<BYTE> bytes((size_t)file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

// Loads bytes into state; answers the archive exception's cause, or -1 when none was thrown.
int Load(CDockState& state, std::vector<BYTE> bytes)
{
    CMemFile file(bytes.empty() ? nullptr : bytes.data(), (UINT)bytes.size());
    try
    {
        CArchive ar(&file, CArchive::load);
        state.Serialize(ar);
    }
    catch (CArchiveException* e)
    {
        int nCause = e->m_cause;
        e->Delete();
        return nCause;
    }
    return -1;
}

std::vector<BYTE> InfoBytes(CControlBarInfo& info)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        info.Serialize(ar);
    }
    std::vector<BYTE> bytes((size_t)file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

void PutDword(std::vector<BYTE>& v, DWORD dw)
{
    for (int i = 0; i < 4; i++)
        v.push_back((BYTE)(dw >> (8 * i)));
}

// Every bar's info, the frame's dock bars and its floating dock bars included.
void GetState(CFrameWnd* pFrame, CDockState& state)
{
    state.Clear();
    POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
    while (pos != nullptr)
    {
        CControlBar* pBar = pFrame->m_listControlBars.GetNext(pos);
        auto* pInfo = new CControlBarInfo;
        pBar->GetBarInfo(pInfo);
        state.m_arrBarInfo.Add(pInfo);
    }
}

// Floating dock bars get new floating frames; then every dock bar places its bars and every bar
// takes its own values.
void SetState(CFrameWnd* pFrame, CDockState& state)
{
    std::vector<std::pair<CControlBarInfo*, CDockBar*>> docks;
    for (int i = 0; i < state.m_arrBarInfo.GetSize(); i++)
    {
        auto* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        if (!pInfo->m_bDockBar)
            continue;
        if (pInfo->m_bFloating)
        {
            CMiniDockFrameWnd* pMini = pFrame->CreateFloatingFrame(pInfo->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
            docks.emplace_back(pInfo, &pMini->m_wndDockBar);
        }
        else if (CDockBar* pDock = DockBarOf(pFrame, pInfo->m_nBarID))
            docks.emplace_back(pInfo, pDock);
    }
    for (auto& d : docks)
        d.second->SetBarInfo(d.first, pFrame);
    for (int i = 0; i < state.m_arrBarInfo.GetSize(); i++)
    {
        auto* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        if (pInfo->m_bDockBar)
            continue;
        if (CControlBar* pBar = pFrame->GetControlBar(pInfo->m_nBarID))
            pBar->SetBarInfo(pInfo, pFrame);
    }
    pFrame->RecalcLayout();
}

struct Bars
{
    CFixedBar a, b, c, d, e;
    BOOL Create(CFrameWnd* pFrame)
    {
        return a.CreateBar(pFrame, kBarA) && b.CreateBar(pFrame, kBarB) && c.CreateBar(pFrame, kBarC) &&
               d.CreateBar(pFrame, kBarD) && e.CreateBar(pFrame, kBarE);
    }
};
} // namespace

TEST(DockState, BarInfosWrittenAndReadBackRestoreSidesRowsFloatingBarsAndVisibility)
{
    CDockTestFrame* pFirst = MakeDockFrame();
    ASSERT_NE(pFirst, nullptr);
    Bars first;
    ASSERT_TRUE(first.Create(pFirst));
    CDockBar* pTop = DockBarOf(pFirst, AFX_IDW_DOCKBAR_TOP);
    pFirst->DockControlBar(&first.a, AFX_IDW_DOCKBAR_TOP);
    CRect rect(100, 0, 180, 24);
    pTop->ClientToScreen(&rect);
    pFirst->DockControlBar(&first.b, AFX_IDW_DOCKBAR_TOP, &rect);
    pFirst->DockControlBar(&first.c, AFX_IDW_DOCKBAR_LEFT);
    pFirst->DockControlBar(&first.e, AFX_IDW_DOCKBAR_BOTTOM);
    pFirst->DockControlBar(&first.d, AFX_IDW_DOCKBAR_TOP);
    pFirst->FloatControlBar(&first.d, CPoint(600, 350));
    pFirst->ShowControlBar(&first.e, FALSE, FALSE);
    pFirst->RecalcLayout();
    CDockState saved;
    GetState(pFirst, saved);
    std::vector<BYTE> bytes = Store(saved);

    CDockTestFrame* pSecond = MakeDockFrame();
    ASSERT_NE(pSecond, nullptr);
    Bars second;
    ASSERT_TRUE(second.Create(pSecond));
    for (CFixedBar* pBar : {&second.a, &second.b, &second.c, &second.d, &second.e})
        pSecond->DockControlBar(pBar, AFX_IDW_DOCKBAR_RIGHT);
    CDockState loaded;
    ASSERT_EQ(Load(loaded, bytes), -1);
    EXPECT_EQ(loaded.m_arrBarInfo.GetSize(), saved.m_arrBarInfo.GetSize());
    SetState(pSecond, loaded);

    for (UINT nID : {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_RIGHT})
        EXPECT_STREQ(Rows(DockBarOf(pSecond, nID)), Rows(DockBarOf(pFirst, nID))) << std::hex << nID;
    EXPECT_STREQ(Rows(DockBarOf(pSecond, AFX_IDW_DOCKBAR_TOP)), L"|E850,E851|pE853|");
    EXPECT_EQ(RectIn(DockBarOf(pSecond, AFX_IDW_DOCKBAR_TOP)->m_hWnd, second.b.m_hWnd), CRect(100, 0, 180, 24));
    ASSERT_TRUE(second.d.IsFloating());
    EXPECT_EQ(ScreenRect(FloatingFrameOf(&second.d)).TopLeft(), CPoint(600, 350));
    EXPECT_TRUE(FloatingFrameOf(&second.d)->IsWindowVisible());
    EXPECT_EQ(second.d.m_pDockContext->m_uMRUDockID, (UINT)AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(second.d.m_pDockContext->m_ptMRUFloatPos, CPoint(600, 350));
    // The frame is hidden: the bars' own visibility counts.
    EXPECT_FALSE(second.e.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(second.a.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(second.c.GetBarStyle() & CBRS_ALIGN_ANY, (DWORD)CBRS_ALIGN_LEFT);
    pFirst->DestroyWindow();
    pSecond->DestroyWindow();
}

TEST(DockState, ABarInfoHasItsFixedBytes)
{
    CControlBarInfo info;
    info.m_nBarID = 0xE850;
    info.m_bVisible = TRUE;
    info.m_bHorz = TRUE;
    info.m_pointPos = CPoint(3, -4);
    info.m_nMRUWidth = 100;
    info.m_uMRUDockID = 0xE81B;
    info.m_rectMRUDockPos = CRect(1, 2, 3, 4);
    info.m_dwMRUFloatStyle = CBRS_ALIGN_TOP;
    std::vector<BYTE> expected;
    PutDword(expected, 0xE850);
    expected.push_back(0x05); // visible, horizontal
    expected.push_back(0x00);
    const DWORD fields[] = {3u, (DWORD)-4, 100u, 0xE81Bu, 1u, 2u, 3u, 4u, 0x2000u, (DWORD)-1, (DWORD)-1};
    for (DWORD dw : fields)
        PutDword(expected, dw);
    EXPECT_EQ(InfoBytes(info), expected);
}

TEST(DockState, ADockBarInfoListsRowsBarsAndPlaceholders)
{
    CControlBarInfo info;
    info.m_nBarID = 0xE81F;
    info.m_bDockBar = TRUE;
    info.m_bFloating = TRUE;
    info.m_pointPos = CPoint(600, 350);
    for (DWORD dw : std::initializer_list<DWORD>{0xE850u, 0xE851u | 0x80000000u, 0u})
        info.m_arrBarID.Add(dw);
    std::vector<BYTE> expected;
    PutDword(expected, 0xE81F);
    expected.push_back(0x0A); // floating, dock bar
    expected.push_back(0x00);
    const DWORD fields[] = {600u, 350u,      32767u,    0u, 0u,      0u,          0u, 0u,
                            0u,   (DWORD)-1, (DWORD)-1, 3u, 0xE850u, 0x8000E851u, 0u};
    for (DWORD dw : fields)
        PutDword(expected, dw);
    EXPECT_EQ(InfoBytes(info), expected);

    // A floating dock bar's info from a real frame: its frame's place and the placeholder kept.
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CFixedBar bar;
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA, CBRS_TOP, FALSE));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    pFrame->FloatControlBar(&bar, CPoint(600, 350));
    CControlBarInfo top, floating;
    DockBarOf(pFrame, AFX_IDW_DOCKBAR_TOP)->GetBarInfo(&top);
    ASSERT_EQ(top.m_arrBarID.GetSize(), 2);
    EXPECT_EQ(top.m_arrBarID[0], 0x8000E850u);
    EXPECT_EQ(top.m_arrBarID[1], 0u);
    FloatingFrameOf(&bar)->m_wndDockBar.GetBarInfo(&floating);
    EXPECT_TRUE(floating.m_bFloating);
    EXPECT_EQ(floating.m_pointPos, CPoint(600, 350));
    pFrame->DestroyWindow();
}

TEST(DockState, DamagedDataThrowsTheArchiveExceptionAndChangesNothing)
{
    CDockState full;
    for (int i = 0; i < 2; i++)
    {
        auto* pInfo = new CControlBarInfo;
        pInfo->m_nBarID = 0xE81B + i;
        pInfo->m_bDockBar = TRUE;
        pInfo->m_arrBarID.Add(0xE850 + i);
        pInfo->m_arrBarID.Add(0);
        full.m_arrBarInfo.Add(pInfo);
    }
    std::vector<BYTE> bytes = Store(full);
    ASSERT_EQ(bytes.size(), 8u + 2 * (50u + 4u + 8u));

    CDockState kept;
    auto* pKept = new CControlBarInfo;
    pKept->m_nBarID = 0xE899;
    kept.m_arrBarInfo.Add(pKept);
    for (size_t n = 0; n < bytes.size(); n++)
    {
        std::vector<BYTE> prefix(bytes.begin(), bytes.begin() + (long)n);
        EXPECT_NE(Load(kept, prefix), -1) << n;
        ASSERT_EQ(kept.m_arrBarInfo.GetSize(), 1);
        EXPECT_EQ(static_cast<CControlBarInfo*>(kept.m_arrBarInfo[0])->m_nBarID, 0xE899u);
    }
    // A count no data could hold is refused before anything is allocated for it.
    std::vector<BYTE> oversized;
    PutDword(oversized, 1);
    PutDword(oversized, 0x7FFFFFFF);
    EXPECT_NE(Load(kept, oversized), -1);
    std::vector<BYTE> bigList(bytes);
    bigList[8 + 50] = 0xFF; // the first dock bar's entry count
    bigList[8 + 50 + 3] = 0x7F;
    EXPECT_NE(Load(kept, bigList), -1);
    // Another version is refused as a generic archive error.
    std::vector<BYTE> version2(bytes);
    version2[0] = 2;
    EXPECT_EQ(Load(kept, version2), (int)CArchiveException::genericException);
    EXPECT_EQ(kept.m_arrBarInfo.GetSize(), 1);
    // The whole data loads.
    EXPECT_EQ(Load(kept, bytes), -1);
    ASSERT_EQ(kept.m_arrBarInfo.GetSize(), 2);
    EXPECT_EQ(static_cast<CControlBarInfo*>(kept.m_arrBarInfo[1])->m_arrBarID[0], 0xE851u);
}

TEST(DockState, SetBarInfoDropsIdsOfNoBarAndOfDockBarsAndCollapsesEmptyRows)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CFixedBar bar;
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    CControlBarInfo info;
    info.m_nBarID = AFX_IDW_DOCKBAR_TOP;
    info.m_bDockBar = TRUE;
    const DWORD entries[] = {0x1234u, 0u, (DWORD)AFX_IDW_DOCKBAR_LEFT, 0u, (DWORD)kBarA, 0x8000E851u, 0u, 0u};
    for (DWORD dw : entries)
        info.m_arrBarID.Add(dw);
    CDockBar* pTop = DockBarOf(pFrame, AFX_IDW_DOCKBAR_TOP);
    pTop->SetBarInfo(&info, pFrame);
    EXPECT_STREQ(Rows(pTop), L"|E850,pE851|");
    EXPECT_EQ(bar.m_pDockBar, pTop);
    EXPECT_STREQ(Rows(DockBarOf(pFrame, AFX_IDW_DOCKBAR_LEFT)), L"|");
    pFrame->DestroyWindow();
}
