// The docking-state records' byte layout, computed by hand, and the reader's bounds.
#include "DockingStateFixture.h"

namespace
{
typedef CExtControlBar::InternalDockStateBar StateBar;
typedef CExtControlBar::InternalDockStateSite StateSite;
typedef CExtControlBar::OuterItemData_t OuterItem;

using DockingStateArchive = DockingStateFixture;

// The string form: FF FE FF, a one-byte count, UTF-16LE characters.
Bytes ShortString(const wchar_t* psz)
{
    Bytes b = {0xFF, 0xFE, 0xFF, (BYTE)wcslen(psz)};
    for (const wchar_t* p = psz; *p != 0; ++p)
    {
        b.push_back((BYTE)(*p & 0xFF));
        b.push_back((BYTE)(*p >> 8));
    }
    return b;
}

Bytes SiteBytes(CFrameWnd* pFrame, const RECT& rcNormal, UINT nShow)
{
    StateSite site(pFrame);
    site.m_wpFrame.rcNormalPosition = rcNormal;
    site.m_wpFrame.showCmd = nShow;
    return StoreBytes([&](CArchive& ar) { site.Serialize(ar); });
}

// The bytes of a site header with the placement text given and nothing else valid after it.
Bytes HeaderWithPlacement(const wchar_t* pszPlacement, DWORD dwArchiveVersion = 0x203)
{
    Bytes b = ShortString(L"Nimbal (v. 2.3.0.0) control bar state");
    PutDword(b, 0x02030000);
    PutDword(b, dwArchiveVersion);
    for (int i = 0; i < 4; i++)
        PutDword(b, 0);
    const Bytes text = ShortString(pszPlacement);
    b.insert(b.end(), text.begin(), text.end());
    return b;
}

bool ReadSite(CFrameWnd* pFrame, const Bytes& bytes, StateSite& site)
{
    (void)pFrame;
    return LoadBytes(bytes, [&](CArchive& ar) { site.Serialize(ar); });
}
} // namespace

TEST_F(DockingStateArchive, AnEmptySiteWritesTheBannerVersionsPlacementTextAndThreeZeroCounts)
{
    const Bytes bytes = SiteBytes(m_pFrame, CRect(10, 20, 810, 620), 1);
    Bytes expected = HeaderWithPlacement(L"10,20,810,620,1,0");
    ASSERT_GE(bytes.size(), expected.size() + 12);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), Bytes({0xFF, 0xFE, 0xFF, 0x25}));
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + (long)expected.size()), expected);
    // The dock state lies between the text and the three counts.
    const Bytes dockState = StoreBytes([](CArchive& ar) {
        CDockState state;
        state.Serialize(ar);
    });
    expected.insert(expected.end(), dockState.begin(), dockState.end());
    for (int i = 0; i < 12; i++)
        expected.push_back(0);
    EXPECT_EQ(bytes, expected);

    StateSite site(m_pFrame);
    ASSERT_TRUE(ReadSite(m_pFrame, bytes, site));
    EXPECT_EQ(site.m_arrOuterItems.GetSize(), 0);
    EXPECT_EQ(site.m_arrBarStates.GetSize(), 0);
    EXPECT_EQ(site.m_arrAutoHideIds.GetSize(), 0);
    EXPECT_EQ(CRect(site.m_wpFrame.rcNormalPosition), CRect(10, 20, 810, 620));
    EXPECT_EQ(site.m_wpFrame.showCmd, 1u);
    EXPECT_EQ(site.m_wpFrame.flags, 0u);
    EXPECT_EQ(CPoint(site.m_wpFrame.ptMinPosition), CPoint(0, 0));
    EXPECT_EQ(CPoint(site.m_wpFrame.ptMaxPosition), CPoint(0, 0));
}

TEST_F(DockingStateArchive, OuterItemsAndBarRecordsHaveTheirFixedSizes)
{
    OuterItem item;
    item.m_nBarId = 0xA180;
    item.m_ptFloatPos = CPoint(5, -6);
    const Bytes empty = StoreBytes([&](CArchive& ar) { item.Serialize(ar); });
    ASSERT_EQ(empty.size(), 40u);
    Bytes expected = {0, 0};
    PutDword(expected, 0xA180);
    PutDword(expected, 5);
    PutDword(expected, (DWORD)-6);
    for (int i = 0; i < 6; i++)
        PutDword(expected, 200);
    expected.push_back(1);
    expected.push_back(0);
    EXPECT_EQ(empty, expected);

    item.m_bFloating = true;
    item.m_placement.m_dwOrder = 3;
    item.m_placement.m_rc = CRect(1, 2, 3, 4);
    item.m_placement.m_size = CSize(7, 8);
    item.m_placement.m_dwFlags = 9;
    const Bytes full = StoreBytes([&](CArchive& ar) { item.Serialize(ar); });
    ASSERT_EQ(full.size(), 72u);
    EXPECT_EQ(full[0], 1);
    Bytes tail = {0, 0};
    for (DWORD dw : {3u, 1u, 2u, 3u, 4u, 7u, 8u, 9u})
        PutDword(tail, dw);
    EXPECT_EQ(Bytes(full.end() - 34, full.end()), tail);
    OuterItem back;
    ASSERT_TRUE(LoadBytes(full, [&](CArchive& ar) { back.Serialize(ar); }));
    EXPECT_TRUE(back.m_bFloating);
    EXPECT_EQ(back.m_nBarId, 0xA180u);
    EXPECT_EQ(back.m_placement.m_rc, CRect(1, 2, 3, 4));
    EXPECT_EQ(back.m_placement.m_dwFlags, 9u);

    StateBar bar;
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { bar.Serialize(ar); }).size(), 128u);
}

TEST_F(DockingStateArchive, AResetRecordHoldsTheDefaultsAndNestedRecordsComeBackInOrder)
{
    StateBar bar;
    EXPECT_EQ(bar.m_nBarId, 0xE81Fu);
    EXPECT_EQ(bar.m_nDockBarId, 0xE81Fu);
    EXPECT_EQ(bar.m_nMRUWidth, 50u);
    EXPECT_EQ(bar.m_dwFloatingFrameStyle, 0x40000000u);
    EXPECT_EQ(bar.m_rcFloatingFrame, CRect(0, 0, 200, 200));
    EXPECT_EQ(bar.m_rcBarInDockBar, CRect(0, 0, 200, 200));
    EXPECT_EQ(bar.m_sizeHorzDocked, CSize(200, 200));
    EXPECT_EQ(bar.m_sizeVertDocked, CSize(200, 200));
    EXPECT_EQ(bar.m_sizeFloating, CSize(200, 200));
    EXPECT_EQ(bar.m_nSelectedTab, -1);
    EXPECT_EQ(bar.m_pLiveBar, nullptr);

    bar.m_dwStateFlags = 2;
    for (UINT nId : {0xA101u, 0xA102u})
    {
        StateBar* pNested = new StateBar;
        pNested->m_nBarId = nId;
        pNested->m_dwStateFlags = 0x81;
        bar.m_arrNestedStates.Add(pNested);
    }
    const Bytes bytes = StoreBytes([&](CArchive& ar) { bar.Serialize(ar); });
    EXPECT_EQ(bytes.size(), 3u * 128u);
    StateBar back;
    ASSERT_TRUE(LoadBytes(bytes, [&](CArchive& ar) { back.Serialize(ar); }));
    ASSERT_EQ(back.m_arrNestedStates.GetSize(), 2);
    EXPECT_EQ(back.m_arrNestedStates[0]->m_nBarId, 0xA101u);
    EXPECT_EQ(back.m_arrNestedStates[1]->m_nBarId, 0xA102u);
    EXPECT_EQ(back.m_arrNestedStates[1]->m_dwStateFlags, 0x81u);
}

TEST_F(DockingStateArchive, TheReaderChecksVersionPlacementTextAndBoundsEveryCount)
{
    const Bytes good = SiteBytes(m_pFrame, CRect(10, 20, 810, 620), 1);
    StateSite site(m_pFrame);
    ASSERT_TRUE(ReadSite(m_pFrame, good, site));

    // A changed banner with the right versions loads.
    Bytes banner = good;
    banner[4] = 'X';
    EXPECT_TRUE(ReadSite(m_pFrame, banner, site));

    const size_t nHeader = HeaderWithPlacement(L"10,20,810,620,1,0").size();
    Bytes version = good;
    version[4 + 74 + 4] = 0x04;
    EXPECT_FALSE(ReadSite(m_pFrame, version, site));

    // Placement texts: five numbers, a number out of range, a show command out of range.
    for (const wchar_t* psz : {L"10,20,810,620,1", L"10,20,40000,620,1,0", L"10,20,810,620,12,0", L"-32769,0,1,1,1,0"})
    {
        Bytes b = HeaderWithPlacement(psz);
        b.insert(b.end(), good.begin() + (long)nHeader, good.end());
        EXPECT_FALSE(ReadSite(m_pFrame, b, site)) << CStringA(psz).GetString();
        EXPECT_EQ(site.m_wpFrame.length, sizeof(WINDOWPLACEMENT));
        EXPECT_EQ(site.m_wpFrame.showCmd, 0u);
    }

    // Huge counts in each of the three count places.
    for (size_t nAt : {good.size() - 12, good.size() - 8, good.size() - 4})
    {
        Bytes b = good;
        b[nAt] = b[nAt + 1] = b[nAt + 2] = 0xFF;
        b[nAt + 3] = 0x7F;
        EXPECT_FALSE(ReadSite(m_pFrame, b, site)) << nAt;
    }
    // A negative count yields nothing.
    Bytes negative = good;
    negative[good.size() - 1] = 0xFF;
    EXPECT_TRUE(ReadSite(m_pFrame, negative, site));

    // A huge string length, and a 300-character banner that is all there.
    Bytes hugeString = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
    hugeString.insert(hugeString.end(), good.begin() + 78, good.end());
    EXPECT_FALSE(ReadSite(m_pFrame, hugeString, site));
    Bytes longBanner = {0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01};
    for (int i = 0; i < 300; i++)
    {
        longBanner.push_back('a');
        longBanner.push_back(0);
    }
    longBanner.insert(longBanner.end(), good.begin() + 78, good.end());
    EXPECT_FALSE(ReadSite(m_pFrame, longBanner, site));

    // Every truncated prefix fails.
    for (size_t n = 0; n < good.size(); n++)
        EXPECT_FALSE(ReadSite(m_pFrame, Bytes(good.begin(), good.begin() + (long)n), site)) << n;
}

TEST_F(DockingStateArchive, NestingDeeperThanThirtyTwoFailsAndSizesAreClamped)
{
    auto chain = [](int nDepth) {
        StateBar* pTop = new StateBar;
        StateBar* p = pTop;
        for (int i = 0; i < nDepth; i++)
        {
            StateBar* pNested = new StateBar;
            p->m_arrNestedStates.Add(pNested);
            p = pNested;
        }
        return pTop;
    };
    for (int nDepth : {30, 40})
    {
        StateBar* pTop = chain(nDepth);
        const Bytes bytes = StoreBytes([&](CArchive& ar) { pTop->Serialize(ar); });
        delete pTop;
        StateBar back;
        EXPECT_EQ(LoadBytes(bytes, [&](CArchive& ar) { back.Serialize(ar); }), nDepth == 30) << nDepth;
    }

    StateBar big;
    big.m_sizeHorzDocked = CSize(1000000, -5);
    big.m_nRowSpaceToReclaim = 99999999;
    big.m_nMRUWidth = 0x80000000u;
    big.m_rcBarInDockBar = CRect(-70000, 0, 70000, 10);
    big.m_ptFloatPos = CPoint(100000, -100000);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { big.Serialize(ar); });
    StateBar back;
    ASSERT_TRUE(LoadBytes(bytes, [&](CArchive& ar) { back.Serialize(ar); }));
    EXPECT_EQ(back.m_sizeHorzDocked, CSize(32767, 0));
    EXPECT_EQ(back.m_nRowSpaceToReclaim, 32767);
    EXPECT_EQ(back.m_nMRUWidth, 0u);
    EXPECT_EQ(back.m_rcBarInDockBar, CRect(-32768, 0, 32767, 10));
    EXPECT_EQ(back.m_ptFloatPos, CPoint(32767, -32768));
}
