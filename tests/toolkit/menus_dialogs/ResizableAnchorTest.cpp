// Anchoring of a resizable dialog's children: anchors, relayout, limits and deferred positioning.
#include "ResizableTestSupport.h"

namespace
{
struct AnchorCase
{
    WORD nId;
    LPCWSTR lpszClass;
    CSize szLeftTop, szRightBottom;
};

// Eight ways, each on a deferred child (edit) and on a background-transparent one (static).
const AnchorCase kCases[] = {
    {101, L"\x81", AnchorTopLeft, CSize(-1, -1)},        {102, L"\x81", AnchorTopRight, CSize(-1, -1)},
    {103, L"\x81", AnchorBottomLeft, CSize(-1, -1)},     {104, L"\x81", AnchorBottomRight, CSize(-1, -1)},
    {105, L"\x81", AnchorTopLeft, AnchorBottomRight},    {106, L"\x81", CSize(50, 50), CSize(50, 50)},
    {107, L"\x81", AnchorBottomLeft, AnchorBottomRight}, {108, L"\x81", CSize(33, 0), CSize(67, 100)},
    {201, L"\x82", AnchorTopLeft, CSize(-1, -1)},        {202, L"\x82", AnchorTopRight, CSize(-1, -1)},
    {203, L"\x82", AnchorBottomLeft, CSize(-1, -1)},     {204, L"\x82", AnchorBottomRight, CSize(-1, -1)},
    {205, L"\x82", AnchorTopLeft, AnchorBottomRight},    {206, L"\x82", CSize(50, 50), CSize(50, 50)},
    {207, L"\x82", AnchorBottomLeft, AnchorBottomRight}, {208, L"\x82", CSize(33, 0), CSize(67, 100)},
};

// Where the child should be at a client size, from its rectangle at the anchoring size.
CRect Expected(const AnchorCase& c, const CRect& rc0, CSize sz0, CSize sz)
{
    const CSize rb = c.szRightBottom == CSize(-1, -1) ? c.szLeftTop : c.szRightBottom;
    auto at = [](int n, int nPct) { return ::MulDiv(n, nPct, 100); };
    return CRect(at(sz.cx, c.szLeftTop.cx) + rc0.left - at(sz0.cx, c.szLeftTop.cx),
                 at(sz.cy, c.szLeftTop.cy) + rc0.top - at(sz0.cy, c.szLeftTop.cy),
                 at(sz.cx, rb.cx) + rc0.right - at(sz0.cx, rb.cx), at(sz.cy, rb.cy) + rc0.bottom - at(sz0.cy, rb.cy));
}

HDWP WINAPI FailingDeferWindowPos(HDWP, HWND, HWND, int, int, int, int, UINT) { return nullptr; }
} // namespace

class ResizableAnchor : public ResizableTest
{
protected:
    CTestResizableDialog* NewAnchoredDialog(int cx, int cy)
    {
        CDialogTemplateBuilder tpl = PopupTemplate();
        int i = 0;
        for (const AnchorCase& c : kCases)
        {
            const int x = 4 + (i % 4) * 48, y = 4 + (i / 4) * 26;
            tpl.AddItem(c.lpszClass, L"x", 0, CRect(x, y, x + 40, y + 20), c.nId);
            ++i;
        }
        CTestResizableDialog* pDlg = NewDialog(tpl);
        SetClientSize(pDlg, cx, cy);
        for (const AnchorCase& c : kCases)
            EXPECT_TRUE(pDlg->AddAnchorById(c.nId, c.szLeftTop, c.szRightBottom));
        for (const AnchorCase& c : kCases)
            m_rc0.push_back(RectInParent(pDlg->GetDlgItem(c.nId)->GetSafeHwnd()));
        m_sz0 = CSize(cx, cy);
        return pDlg;
    }
    void ExpectLaidOutFor(CTestResizableDialog* pDlg, CSize sz)
    {
        int i = 0;
        for (const AnchorCase& c : kCases)
        {
            EXPECT_EQ(RectInParent(pDlg->GetDlgItem(c.nId)->GetSafeHwnd()), Expected(c, m_rc0[i], m_sz0, sz))
                << "child " << c.nId << " at " << sz.cx << " x " << sz.cy;
            ++i;
        }
    }
    std::vector<CRect> m_rc0;
    CSize m_sz0;
};

TEST_F(ResizableAnchor, ARelayoutAtTheAnchoringSizeMovesNoChildEvenAtOddSizes)
{
    CTestResizableDialog* pDlg = NewAnchoredDialog(401, 263);
    pDlg->RelayoutControls(-1, -1);
    ExpectLaidOutFor(pDlg, m_sz0);
    // A round trip through other sizes comes back to the same places.
    SetClientSize(pDlg, 433, 300);
    SetClientSize(pDlg, 401, 263);
    ExpectLaidOutFor(pDlg, m_sz0);
}

TEST_F(ResizableAnchor, GrowingByOddAndEvenAmountsPlacesEveryChildByTheFormula)
{
    CTestResizableDialog* pDlg = NewAnchoredDialog(400, 260);
    for (CSize sz : {CSize(401, 261), CSize(457, 263), CSize(500, 300), CSize(613, 417)})
    {
        SetClientSize(pDlg, sz.cx, sz.cy);
        CRect rc;
        pDlg->GetClientRect(&rc);
        ASSERT_EQ(rc.Size(), sz);
        ExpectLaidOutFor(pDlg, sz);
    }
    // The four distances of (0, 0)-(100, 100) and the right and bottom distances of (100, 100) stay.
    const CRect rcStretch = RectInParent(pDlg->GetDlgItem(105)->GetSafeHwnd());
    EXPECT_EQ(rcStretch.left, m_rc0[4].left);
    EXPECT_EQ(613 - rcStretch.right, m_sz0.cx - m_rc0[4].right);
    EXPECT_EQ(417 - rcStretch.bottom, m_sz0.cy - m_rc0[4].bottom);
    const CRect rcCorner = RectInParent(pDlg->GetDlgItem(104)->GetSafeHwnd());
    EXPECT_EQ(rcCorner.Size(), m_rc0[3].Size());
    EXPECT_EQ(613 - rcCorner.right, m_sz0.cx - m_rc0[3].right);
}

TEST_F(ResizableAnchor, RefusedAnchorsStoreNothingAndASecondAnchorReplacesTheFirst)
{
    CDialogTemplateBuilder tpl = PopupTemplate();
    tpl.AddItem(L"\x81", L"", 0, CRect(10, 10, 60, 24), 101);
    CTestResizableDialog* pDlg = NewDialog(tpl);
    HWND hEdit = pDlg->GetDlgItem(101)->GetSafeHwnd();
    EXPECT_FALSE(pDlg->AddAnchor(hEdit, CSize(-1, -1), AnchorBottomRight));
    EXPECT_FALSE(pDlg->AddAnchorById(999, AnchorTopLeft));
    EXPECT_FALSE(pDlg->AddAnchor(m_pFrame->GetSafeHwnd(), AnchorTopLeft)); // not a child
    EXPECT_EQ(pDlg->m_mapAnchors.GetCount(), 0);
    ASSERT_TRUE(pDlg->AddAnchor(hEdit, AnchorTopLeft, AnchorBottomRight));
    ASSERT_TRUE(pDlg->AddAnchor(hEdit, AnchorBottomRight));
    EXPECT_EQ(pDlg->m_mapAnchors.GetCount(), 1);
    const CRect rc0 = RectInParent(hEdit);
    CRect rcClient;
    pDlg->GetClientRect(&rcClient);
    SetClientSize(pDlg, rcClient.Width() + 30, rcClient.Height() + 20);
    EXPECT_EQ(RectInParent(hEdit), CRect(rc0.left + 30, rc0.top + 20, rc0.right + 30, rc0.bottom + 20));
}

TEST_F(ResizableAnchor, ADestroyedChildLeavesTheMapWithoutDisturbingTheOthers)
{
    CTestResizableDialog* pDlg = NewAnchoredDialog(400, 260);
    ::DestroyWindow(pDlg->GetDlgItem(106)->GetSafeHwnd());
    SetClientSize(pDlg, 451, 299);
    EXPECT_EQ(pDlg->m_mapAnchors.GetCount(), (INT_PTR)std::size(kCases) - 1);
    int i = 0;
    for (const AnchorCase& c : kCases)
    {
        if (c.nId != 106)
        {
            EXPECT_EQ(RectInParent(pDlg->GetDlgItem(c.nId)->GetSafeHwnd()),
                      Expected(c, m_rc0[i], m_sz0, CSize(451, 299)));
        }
        ++i;
    }
}

TEST_F(ResizableAnchor, MaxShowAndMaxHideMoveNothing)
{
    CTestResizableDialog* pDlg = NewAnchoredDialog(400, 260);
    for (WPARAM nType : {(WPARAM)SIZE_MAXSHOW, (WPARAM)SIZE_MAXHIDE})
    {
        pDlg->SendMessage(WM_SIZE, nType, MAKELPARAM(600, 500));
        ExpectLaidOutFor(pDlg, m_sz0);
    }
    pDlg->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(600, 500));
    ExpectLaidOutFor(pDlg, CSize(600, 500));
}

TEST_F(ResizableAnchor, TheMinimumTrackingSizeIsTheFirstSizeAndNothingIsAnsweredBefore)
{
    CTestResizableDialog unsized;
    MINMAXINFO mmi = {};
    mmi.ptMinTrackSize = CPoint(7, 7);
    EXPECT_EQ(unsized.CallWindowProc(WM_GETMINMAXINFO, 0, (LPARAM)&mmi), 0);
    EXPECT_EQ(CPoint(mmi.ptMinTrackSize), CPoint(7, 7));

    CTestResizableDialog* pDlg = NewDialog(PopupTemplate());
    CRect rcFirst;
    pDlg->GetWindowRect(&rcFirst);
    EXPECT_NE(pDlg->m_nLimitFlags & CTestResizableDialog::kLimitFirstSize, 0);
    SetClientSize(pDlg, 600, 500);
    mmi = MINMAXINFO{};
    mmi.ptMaxTrackSize = CPoint(1234, 1234);
    pDlg->SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_EQ(CPoint(mmi.ptMinTrackSize), CPoint(rcFirst.Width(), rcFirst.Height()));
    EXPECT_EQ(CPoint(mmi.ptMaxTrackSize), CPoint(1234, 1234)); // no maximum given
    // A size asked below the minimum by the system's sizing is raised to it.
    pDlg->MoveWindow(rcFirst.left, rcFirst.top, 50, 40);
    CRect rcNow;
    pDlg->GetWindowRect(&rcNow);
    EXPECT_EQ(rcNow.Size(), rcFirst.Size());
}

TEST_F(ResizableAnchor, AFailingDeferredPositioningStillMovesEveryChild)
{
    CTestResizableDialog* pDlg = NewAnchoredDialog(400, 260);
    auto pfnOld = CExtWADeferCalls::g_pfnDeferWindowPos;
    CExtWADeferCalls::g_pfnDeferWindowPos = &FailingDeferWindowPos;
    SetClientSize(pDlg, 471, 333);
    CExtWADeferCalls::g_pfnDeferWindowPos = pfnOld;
    ExpectLaidOutFor(pDlg, CSize(471, 333));
}
