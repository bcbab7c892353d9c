// The state layer's gripper, themed background, control colours and face brush.
#include "ResizableTestSupport.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"

namespace
{
// Office 2003 that records the windows whose docker background it paints.
class CRecordingOffice2003 : public CExtPaintManagerOffice2003
{
public:
    std::vector<HWND> m_dockerWindows;
    bool PaintDockerBackground(bool bClientMapping, CDC& dc, CWnd* pWnd, LPARAM lParam = 0) override
    {
        m_dockerWindows.push_back(pWnd->GetSafeHwnd());
        return CExtPaintManagerOffice2003::PaintDockerBackground(bClientMapping, dc, pWnd, lParam);
    }
};

// The base manager with a face colour of its own.
class CGreenFacePaintManager : public CExtPaintManager
{
public:
    COLORREF GetTranslatedColor(int nColor, CObject* pHelperSrc = nullptr, LPARAM lParam = 0) override
    {
        if (nColor == XCLR_FACE_NORMAL)
            return RGB(0, 160, 0);
        return CExtPaintManager::GetTranslatedColor(nColor, pHelperSrc, lParam);
    }
};

COLORREF BrushColor(HBRUSH hBrush)
{
    LOGBRUSH lb = {};
    ::GetObjectW(hBrush, sizeof(lb), &lb);
    return lb.lbColor;
}

bool IsDark(COLORREF clr) { return GetRValue(clr) + GetGValue(clr) + GetBValue(clr) < 200; }

int CountDark(const DibCanvas& canvas, const CRect& rc)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += IsDark(canvas.At(x, y)) ? 1 : 0;
    return n;
}

int CountOther(const DibCanvas& canvas, const CRect& rc, COLORREF clr)
{
    return rc.Width() * rc.Height() - canvas.Count(rc, clr);
}
} // namespace

class ResizablePaint : public ResizableTest
{};

TEST_F(ResizablePaint, TheGripperCornerAnswersBottomRightAlsoAtNegativeScreenCoordinates)
{
    CTestResizableDialog* pDlg = NewDialog(PopupTemplate());
    for (CPoint ptAt : {CPoint(100, 100), CPoint(-500, -400)})
    {
        pDlg->SetWindowPos(nullptr, ptAt.x, ptAt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rcClient;
        pDlg->GetClientRect(&rcClient);
        const CRect rcGrip(rcClient.right - ::GetSystemMetrics(SM_CXVSCROLL),
                           rcClient.bottom - ::GetSystemMetrics(SM_CYHSCROLL), rcClient.right, rcClient.bottom);
        EXPECT_EQ(pDlg->GetGripperRect(), rcGrip);
        auto hitAt = [&](int x, int y) {
            CPoint pt(x, y);
            pDlg->ClientToScreen(&pt);
            return pDlg->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
        };
        EXPECT_EQ(hitAt(rcGrip.left, rcGrip.top), HTBOTTOMRIGHT);
        EXPECT_EQ(hitAt(rcGrip.right - 1, rcGrip.bottom - 1), HTBOTTOMRIGHT);
        EXPECT_EQ(hitAt(rcGrip.left - 1, rcGrip.bottom - 1), HTCLIENT);
        pDlg->ShowSizeGrip(false);
        EXPECT_EQ(hitAt(rcGrip.left, rcGrip.top), HTCLIENT);
        pDlg->ShowSizeGrip(true);
    }
}

TEST_F(ResizablePaint, ShowSizeGripInvalidatesOnlyTheLastGripperRectangle)
{
    CTestResizableDialog* pDlg = NewDialog(PopupTemplate());
    pDlg->ShowWindow(SW_SHOWNA);
    Pump();
    const CRect rcGrip = pDlg->GetGripperRect();
    ASSERT_FALSE(rcGrip.IsRectEmpty());
    for (bool bShow : {false, true})
    {
        pDlg->ValidateRect(nullptr);
        pDlg->ShowSizeGrip(bShow);
        CRect rcUpdate;
        pDlg->GetUpdateRect(&rcUpdate, FALSE);
        EXPECT_EQ(rcUpdate, rcGrip);
        EXPECT_EQ(pDlg->IsSizeGripShown(), bShow);
    }
    pDlg->ValidateRect(nullptr);
    pDlg->ShowSizeGrip(true); // no change: nothing to repaint
    CRect rcUpdate;
    EXPECT_FALSE(pDlg->GetUpdateRect(&rcUpdate, FALSE));
}

TEST_F(ResizablePaint, WithTheBasePaintManagerSizingInvalidatesOnlyTheGripperRectangles)
{
    CTestResizableDialog* pDlg = NewDialog(PopupTemplate());
    pDlg->ShowWindow(SW_SHOWNA);
    Pump();
    const CRect rcOld = pDlg->GetGripperRect();
    pDlg->ValidateRect(nullptr);
    CRect rcClient;
    pDlg->GetClientRect(&rcClient);
    SetClientSize(pDlg, rcClient.Width() + 40, rcClient.Height() + 30);
    const CRect rcNew = pDlg->GetGripperRect();
    EXPECT_EQ(rcNew, CRect(rcOld.left + 40, rcOld.top + 30, rcOld.right + 40, rcOld.bottom + 30));
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 0, 0);
    ::GetUpdateRgn(pDlg->GetSafeHwnd(), (HRGN)rgn.GetSafeHandle(), FALSE);
    EXPECT_TRUE(rgn.PtInRegion(rcOld.CenterPoint()));
    EXPECT_TRUE(rgn.PtInRegion(rcNew.CenterPoint()));
    EXPECT_FALSE(rgn.PtInRegion(rcClient.CenterPoint()));
    EXPECT_FALSE(rgn.PtInRegion(CPoint(2, 2)));
}

TEST_F(ResizablePaint, TheGripperIsPaintedUnlessMaximised)
{
    CTestResizableDialog* pDlg = NewDialog(PopupTemplate());
    pDlg->SetWindowPos(&CWnd::wndTopMost, 50, 50, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    pDlg->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    auto restored = CaptureClient(pDlg->GetSafeHwnd());
    CRect rcGrip = pDlg->GetGripperRect();
    const COLORREF clrFace = restored->At(2, 2);
    EXPECT_GT(CountOther(*restored, rcGrip, clrFace), 0);

    pDlg->ShowWindow(SW_MAXIMIZE);
    ASSERT_TRUE(pDlg->IsZoomed());
    pDlg->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    auto maximised = CaptureClient(pDlg->GetSafeHwnd());
    rcGrip = pDlg->GetGripperRect();
    ASSERT_FALSE(rcGrip.IsRectEmpty());
    EXPECT_EQ(CountOther(*maximised, rcGrip, clrFace), 0);
}

TEST_F(ResizablePaint, TheThemedBackgroundComesFromTheDockerPainterAndStaticsAreTransparent)
{
    CRecordingOffice2003* pPM = new CRecordingOffice2003;
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(pPM));
    CDialogTemplateBuilder tpl = ChildTemplate();
    tpl.AddItem(L"\x82", L"label", 0, CRect(4, 4, 80, 16), 201);
    tpl.AddItem(L"\x81", L"", 0, CRect(4, 30, 80, 44), 101);
    m_pFrame->ShowWindow(SW_SHOWNA);
    CTestResizableDialog* pDlg = NewDialog(tpl);
    pDlg->UpdateWindow();
    EXPECT_NE(std::count(pPM->m_dockerWindows.begin(), pPM->m_dockerWindows.end(), pDlg->GetSafeHwnd()), 0);

    CClientDC dc(pDlg);
    dc.SetBkMode(OPAQUE);
    const LRESULT hBrush =
        pDlg->SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.GetSafeHdc(), (LPARAM)pDlg->GetDlgItem(201)->GetSafeHwnd());
    EXPECT_EQ((HGDIOBJ)hBrush, ::GetStockObject(NULL_BRUSH));
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    // A popup dialog's statics get the face brush.
    CTestResizableDialog* pPopup = NewDialog(PopupTemplate());
    CClientDC dcPopup(pPopup);
    const LRESULT hFace = pPopup->SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dcPopup.GetSafeHdc(), 0);
    EXPECT_EQ((HBRUSH)hFace, CTestResizableDialog::GetFaceBrush());
}

TEST_F(ResizablePaint, AShorterStaticTextLeavesNothingOfTheOldOne)
{
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(new CExtPaintManagerOffice2003));
    ASSERT_GT(CExtPaintManager::GetDisplayBitsPerPixel(), 8);
    m_pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    CDialogTemplateBuilder tpl = ChildTemplate();
    tpl.AddItem(L"\x82", L"88888888", 0, CRect(10, 10, 150, 24), 201);
    CTestResizableDialog* pDlg = NewDialog(tpl);
    pDlg->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    CWnd* pStatic = pDlg->GetDlgItem(201);
    CRect rcStatic;
    pStatic->GetClientRect(&rcStatic);
    // Right of the first digit: dark pixels of the old text before, none after.
    const CRect rcRest(rcStatic.left + rcStatic.Width() / 8 + 4, 0, rcStatic.right, rcStatic.bottom);
    EXPECT_GT(CountDark(*CaptureClient(pStatic->GetSafeHwnd()), rcRest), 0);
    pStatic->SetWindowText(L"1");
    pStatic->UpdateWindow();
    Pump();
    EXPECT_EQ(CountDark(*CaptureClient(pStatic->GetSafeHwnd()), rcRest), 0);
}

TEST_F(ResizablePaint, TheFaceBrushFollowsTheFaceColourOfANewPaintManager)
{
    CTestResizableDialog* pDlg = NewDialog(PopupTemplate());
    CClientDC dc(pDlg);
    HBRUSH hBrush = (HBRUSH)pDlg->SendMessage(WM_CTLCOLORDLG, (WPARAM)dc.GetSafeHdc(), (LPARAM)pDlg->GetSafeHwnd());
    EXPECT_EQ(BrushColor(hBrush), g_PaintManagerHolder->GetTranslatedColor(XCLR_FACE_NORMAL));
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(new CGreenFacePaintManager));
    hBrush = (HBRUSH)pDlg->SendMessage(WM_CTLCOLORDLG, (WPARAM)dc.GetSafeHdc(), (LPARAM)pDlg->GetSafeHwnd());
    EXPECT_EQ(BrushColor(hBrush), RGB(0, 160, 0));
    EXPECT_EQ(pDlg->SendMessage(WM_CTLCOLORMSGBOX, (WPARAM)dc.GetSafeHdc(), 0), (LRESULT)hBrush);
}
