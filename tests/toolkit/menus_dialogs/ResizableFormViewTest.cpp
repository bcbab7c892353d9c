// A resizable form view in a frame: its anchored form controls follow the frame's size.
#include "ResizableTestIds.h"
#include "ResizableTestSupport.h"
#include "toolkit/menus_dialogs/ExtFormViewBase.h"

namespace
{
class CTestFormView : public CExtWA<CExtWS<CExtFormViewBase, 301>>
{
    DECLARE_DYNCREATE(CTestFormView)
public:
    CTestFormView() : CExtWA<CExtWS<CExtFormViewBase, 301>>(IDD_RESIZABLE_FORM) {}
    ~CTestFormView() override { m_mapAnchors.RemoveAll(); }
    void OnInitialUpdate() override
    {
        CExtFormViewBase::OnInitialUpdate();
        EXPECT_TRUE(AddAnchorById(IDC_FORM_STRETCH, AnchorTopLeft, AnchorBottomRight));
        EXPECT_TRUE(AddAnchorById(IDC_FORM_BOTTOM, AnchorBottomLeft, AnchorBottomLeft));
    }
    BOOL CallPreTranslate(MSG* pMsg) { return PreTranslateMessage(pMsg); }
};
IMPLEMENT_DYNCREATE(CTestFormView, CFormView)
} // namespace

class ResizableFormView : public ResizableTest
{
protected:
    CTestFormView* NewFormFrame()
    {
        m_pFormFrame = new CFrameWnd;
        CCreateContext ctx;
        ctx.m_pNewViewClass = RUNTIME_CLASS(CTestFormView);
        EXPECT_TRUE(m_pFormFrame->Create(nullptr, L"Form", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 400), nullptr, nullptr,
                                         0, &ctx));
        CTestFormView* pView = (CTestFormView*)m_pFormFrame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        EXPECT_NE(pView, nullptr);
        if (pView != nullptr)
            pView->OnInitialUpdate();
        return pView;
    }
    void TearDown() override
    {
        if (m_pFormFrame != nullptr && m_pFormFrame->GetSafeHwnd() != nullptr)
            m_pFormFrame->DestroyWindow();
        ResizableTest::TearDown();
    }
    CFrameWnd* m_pFormFrame = nullptr; // deletes itself, and its view, when destroyed
};

TEST_F(ResizableFormView, AnchoredFormControlsFollowTheFrame)
{
    CTestFormView* pView = NewFormFrame();
    ASSERT_NE(pView, nullptr);
    HWND hStretch = pView->GetDlgItem(IDC_FORM_STRETCH)->GetSafeHwnd();
    HWND hBottom = pView->GetDlgItem(IDC_FORM_BOTTOM)->GetSafeHwnd();
    CRect rcView0;
    pView->GetClientRect(&rcView0);
    const CRect rcStretch0 = RectInParent(hStretch), rcBottom0 = RectInParent(hBottom);
    m_pFormFrame->SetWindowPos(nullptr, 0, 0, 573, 461, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFormFrame->RecalcLayout();
    CRect rcView;
    pView->GetClientRect(&rcView);
    const int dx = rcView.Width() - rcView0.Width(), dy = rcView.Height() - rcView0.Height();
    ASSERT_GT(dx, 0);
    ASSERT_GT(dy, 0);
    EXPECT_EQ(RectInParent(hStretch),
              CRect(rcStretch0.left, rcStretch0.top, rcStretch0.right + dx, rcStretch0.bottom + dy));
    EXPECT_EQ(RectInParent(hBottom), CRect(rcBottom0.left, rcBottom0.top + dy, rcBottom0.right, rcBottom0.bottom + dy));
}

TEST_F(ResizableFormView, TheFormTakesTheKeysWhenItsFrameGivesThemNotAtItsCreation)
{
    CTestFormView* pView = NewFormFrame();
    ASSERT_NE(pView, nullptr);
    // The hidden frame was not activated by its form's creation.
    EXPECT_NE(::GetActiveWindow(), m_pFormFrame->GetSafeHwnd());
    EXPECT_FALSE(::IsChild(pView->GetSafeHwnd(), ::GetFocus()));
    m_pFormFrame->ShowWindow(SW_SHOW);
    pView->SetFocus();
    EXPECT_EQ(::GetFocus(), pView->GetDlgItem(IDC_FORM_STRETCH)->GetSafeHwnd());
}

TEST_F(ResizableFormView, TheViewHasNoGripperNorSystemMenuUnlessAsked)
{
    CTestFormView* pView = NewFormFrame();
    ASSERT_NE(pView, nullptr);
    EXPECT_FALSE(pView->IsSizeGripShown());
    EXPECT_TRUE(pView->GetGripperRect().IsRectEmpty());
    CRect rc;
    pView->GetClientRect(&rc);
    CPoint pt(rc.right - 2, rc.bottom - 2);
    pView->ClientToScreen(&pt);
    EXPECT_NE(pView->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)), HTBOTTOMRIGHT);
    EXPECT_FALSE(pView->TrackSystemMenu(nullptr, true));
    MSG msg = {};
    msg.hwnd = pView->GetSafeHwnd();
    msg.message = WM_SYSKEYDOWN;
    msg.wParam = VK_SPACE;
    msg.lParam = 1 | (1 << 29);
    EXPECT_FALSE(pView->CallPreTranslate(&msg));
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    pView->ShowSizeGrip(true);
    m_pFormFrame->SetWindowPos(nullptr, 0, 0, 520, 420, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFormFrame->RecalcLayout();
    pView->GetClientRect(&rc);
    EXPECT_EQ(pView->GetGripperRect().BottomRight(), rc.BottomRight());
}
