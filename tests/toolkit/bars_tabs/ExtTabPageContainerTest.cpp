// Tab page containers: pages and their ids, the strip's visibility and side, stepping pages with
// Ctrl+PageDown/PageUp from deep inside a page, the variants' strips, a dialog template naming the
// class, painting, and the strip's own lifetime (its window may go during its loops).
#include "TabTestSupport.h"
#include "support/DibCanvas.h"
#include "toolkit/bars_tabs/ExtTabOneNoteWnd.h"
#include "toolkit/bars_tabs/ExtTabPageContainerWnd.h"
#include "toolkit/bars_tabs/ExtTabWhidbeyWnd.h"
#include "toolkit/extras/ExtTabFlatWnd.h"
#include "toolkit/extras/ExtTabPageContainerFlatWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <vector>

using tabtest::HostFrame;

namespace
{

HWND MakePage(HWND hParent, LPCTSTR lpszText = L"page")
{
    return ::CreateWindowExW(0, L"STATIC", lpszText, WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, hParent, nullptr,
                             AfxGetInstanceHandle(), nullptr);
}

HWND MakeEdit(HWND hParent)
{
    return ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 2, 2, 40, 20, hParent, nullptr,
                             AfxGetInstanceHandle(), nullptr);
}

// Ctrl (+ Shift) + the key, as real input from a script: each key is handled before the next is sent.
void PressWithCtrl(WORD vk, bool bShift = false)
{
    RunInputScript([&] { SendKeyPress(vk, true, bShift); });
}

} // namespace

TEST(TabPages, TheFirstPageIsSelectedAMiddleInsertRenumbersAndNoPagesHidesTheStrip)
{
    HostFrame frame;
    CExtTabPageContainerWnd box;
    ASSERT_TRUE(box.Create(frame.Get(), CRect(0, 0, 300, 200), 0x300));
    CExtTabWnd* pStrip = box.GetSafeTabWindow();
    ASSERT_NE(pStrip, nullptr);
    EXPECT_EQ(pStrip->GetDlgCtrlID(), 256);
    EXPECT_EQ(pStrip->OrientationGet(), (DWORD)CExtTabWnd::kOrientBottom);
    EXPECT_FALSE(pStrip->IsWindowVisible());
    const HWND hA = MakePage(frame->m_hWnd), hB = MakePage(frame->m_hWnd), hC = MakePage(frame->m_hWnd);
    ASSERT_TRUE(box.PageInsert(hA, L"A", nullptr, false, -1, false));
    EXPECT_EQ(box.PageSelectionGet(), 0);
    EXPECT_EQ(::GetParent(hA), box.m_hWnd);
    EXPECT_TRUE(::IsWindowVisible(hA));
    EXPECT_TRUE(pStrip->IsWindowVisible());
    ASSERT_TRUE(box.PageInsert(hB, L"B"));
    EXPECT_FALSE(::IsWindowVisible(hB));
    ASSERT_TRUE(box.PageInsert(hC, L"C", nullptr, false, 1, false));
    EXPECT_EQ(box.PageGet(1), hC);
    EXPECT_EQ(::GetDlgCtrlID(hA), 257);
    EXPECT_EQ(::GetDlgCtrlID(hC), 258);
    EXPECT_EQ(::GetDlgCtrlID(hB), 259);
    EXPECT_FALSE(box.PageInsert((HWND) nullptr, L"none"));
    // The selected page fills what the strip leaves; the strip takes its thickness + 8 at the bottom.
    CRect rcPage, rcStrip;
    ::GetWindowRect(hA, &rcPage);
    pStrip->GetWindowRect(&rcStrip);
    box.ScreenToClient(&rcPage);
    box.ScreenToClient(&rcStrip);
    EXPECT_EQ(rcPage, CRect(0, 0, 300, 200 - (pStrip->GetStripThickness() + 8)));
    EXPECT_EQ(rcStrip, CRect(0, rcPage.bottom, 300, 200));
    // Selecting by the strip shows the page and gives the others its rectangle.
    pStrip->SelectionSet(2, true, true);
    EXPECT_TRUE(::IsWindowVisible(hB));
    EXPECT_FALSE(::IsWindowVisible(hA));
    CRect rcB;
    ::GetWindowRect(hB, &rcB);
    box.ScreenToClient(&rcB);
    EXPECT_EQ(rcB, rcPage);
    pStrip->ItemRemoveAll(true);
    box.RecalcLayout();
    EXPECT_FALSE(pStrip->IsWindowVisible());
    box.DestroyWindow();
}

TEST(TabPages, EachVariantMakesItsStripAndTheFlatStripGetsItsStyles)
{
    HostFrame frame;
    CExtTabPageContainerWnd plain;
    CExtTabPageContainerOneNoteWnd one;
    CExtTabPageContainerWhidbeyWnd whid;
    CExtTabPageContainerFlatWnd flat;
    CExtTabPageContainerWnd* boxes[] = {&plain, &one, &whid, &flat};
    CRuntimeClass* strips[] = {RUNTIME_CLASS(CExtTabWnd), RUNTIME_CLASS(CExtTabOneNoteWnd),
                               RUNTIME_CLASS(CExtTabWhidbeyWnd), RUNTIME_CLASS(CExtTabFlatWnd)};
    for (int i = 0; i < 4; ++i)
    {
        ASSERT_TRUE(boxes[i]->Create(frame.Get(), CRect(0, 0, 200, 100), 0x300 + i));
        ASSERT_NE(boxes[i]->GetSafeTabWindow(), nullptr);
        EXPECT_TRUE(boxes[i]->GetSafeTabWindow()->IsKindOf(strips[i])) << i;
    }
    EXPECT_FALSE(plain.GetSafeTabWindow()->IsKindOf(RUNTIME_CLASS(CExtTabOneNoteWnd)));
    const DWORD dwFlat = CExtTabWnd::kStyleFlat | CExtTabWnd::kStyleAutoHideScroll;
    EXPECT_EQ(flat.GetSafeTabWindow()->GetTabWndStyle() & dwFlat, dwFlat);
    EXPECT_EQ(plain.GetSafeTabWindow()->GetTabWndStyle() & dwFlat, 0u);
    for (CExtTabPageContainerWnd* p : boxes)
        p->DestroyWindow();
}

TEST(TabPages, AContainerWithoutPagesIsFilledWithColour1000)
{
    HostFrame frame;
    CExtTabPageContainerWnd box;
    ASSERT_TRUE(box.Create(frame.Get(), CRect(0, 0, 120, 80), 0x300));
    DibCanvas c(120, 80, RGB(1, 2, 3));
    box.PrintClient(&c.dc, PRF_CLIENT);
    const COLORREF clr = g_PaintManagerHolder->GetTranslatedColor(XCLR_FACE_NORMAL, &box);
    EXPECT_EQ(c.At(5, 5), clr);
    EXPECT_EQ(c.At(60, 79), clr);
    EXPECT_EQ(c.At(119, 40), clr);
    box.DestroyWindow();
}

TEST(TabPages, ADialogTemplateNamingTheContainerClassOpensAndItsControlGetsAStrip)
{
    HostFrame frame;
    CExtTabPageContainerWnd box; // its constructor registers the class
    std::vector<WORD> t;
    auto dw = [&](DWORD v) {
        t.push_back(LOWORD(v));
        t.push_back(HIWORD(v));
    };
    auto str = [&](LPCWSTR s) {
        for (; *s; ++s)
            t.push_back(*s);
        t.push_back(0);
    };
    dw(DS_CONTROL | WS_CHILD | WS_VISIBLE);
    dw(0);
    t.push_back(1); // one item
    t.insert(t.end(), {0, 0, 160, 100});
    t.insert(t.end(), {0, 0, 0}); // menu, class, title
    if (t.size() % 2)
        t.push_back(0);
    dw(WS_CHILD | WS_VISIBLE);
    dw(0);
    t.insert(t.end(), {5, 5, 150, 90, 100});
    str(L"Nimbal-TabPageContainer");
    t.push_back(0); // title
    t.push_back(0); // creation data
    const HWND hDlg =
        ::CreateDialogIndirectParamW(AfxGetInstanceHandle(), (LPCDLGTEMPLATEW)t.data(), frame->m_hWnd, nullptr, 0);
    ASSERT_NE(hDlg, nullptr);
    const HWND hCtrl = ::GetDlgItem(hDlg, 100);
    ASSERT_NE(hCtrl, nullptr);
    wchar_t szClass[64] = {};
    ::GetClassNameW(hCtrl, szClass, 64);
    EXPECT_STREQ(szClass, L"Nimbal-TabPageContainer");
    ASSERT_TRUE(box.SubclassDlgItem(100, CWnd::FromHandle(hDlg)));
    ASSERT_NE(box.GetSafeTabWindow(), nullptr);
    EXPECT_TRUE(box.PageInsert(MakePage(hDlg), L"Umum"));
    EXPECT_EQ(box.PageSelectionGet(), 0);
    ::DestroyWindow(hDlg);
    EXPECT_EQ(box.GetSafeTabWindow(), nullptr);
}

TEST(TabPages, TheContainerForgetsItsStripWhenTheStripsWindowGoesAndALaterCreateMakesANewOne)
{
    HostFrame frame;
    CExtTabPageContainerWnd box;
    ASSERT_TRUE(box.Create(frame.Get(), CRect(0, 0, 200, 100), 0x300));
    ASSERT_NE(box.GetSafeTabWindow(), nullptr);
    box.GetSafeTabWindow()->DestroyWindow(); // the strip deletes itself
    EXPECT_EQ(box.GetSafeTabWindow(), nullptr);
    EXPECT_EQ(box.PageGetCount(), 0);
    box.DestroyWindow();
    ASSERT_TRUE(box.Create(frame.Get(), CRect(0, 0, 200, 100), 0x300));
    CExtTabWnd* pStrip = box.GetSafeTabWindow();
    ASSERT_NE(pStrip, nullptr);
    EXPECT_TRUE(::IsWindow(pStrip->m_hWnd));
    EXPECT_TRUE(box.PageInsert(MakePage(frame->m_hWnd), L"A"));
    box.DestroyWindow();
}

TEST(TabPages, TheDragLoopSurvivesItsStripsWindowGoingAndPostsQuitAgain)
{
    HostFrame frame;
    {
        CExtTabPageContainerWnd box;
        ASSERT_TRUE(box.Create(frame.Get(), CRect(0, 0, 200, 100), 0x300));
        box.PageInsert(MakePage(frame->m_hWnd), L"A");
        CExtTabWnd* pStrip = box.GetSafeTabWindow();
        ::PostQuitMessage(7);
        pStrip->ItemDragLoop(0);
        MSG msg = {};
        ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_EQ(msg.wParam, 7u);
        EXPECT_FALSE(pStrip->IsDragging());
        // The container goes while the loop runs: the loop ends without touching the strip.
        static HWND s_hBox = nullptr;
        s_hBox = box.m_hWnd;
        ::SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR nID, DWORD) {
            ::KillTimer(nullptr, nID);
            ::DestroyWindow(s_hBox);
        });
        pStrip->ItemDragLoop(0);
        EXPECT_FALSE(::IsWindow(s_hBox));
        EXPECT_EQ(box.GetSafeTabWindow(), nullptr);
    }
    EXPECT_EQ(CExtMouseCaptureSink::GetCaptureHWND(), nullptr);
}

TEST(TabPagesScreen, CtrlPageKeysWrapFromDeepInsideThePageAndANestedContainerStepsOnlyItsOwn)
{
    HostFrame frame;
    // The focus events of the activation are through before Ctrl is held (they reset the modifiers).
    SettleInput();
    CExtTabPageContainerWnd outer;
    ASSERT_TRUE(outer.Create(frame.Get(), CRect(0, 0, 400, 300), 0x300));
    const HWND hP0 = MakePage(frame->m_hWnd, nullptr), hP1 = MakePage(frame->m_hWnd, nullptr),
               hP2 = MakePage(frame->m_hWnd, nullptr);
    // Each page holds a panel with an edit; the keys come from the selected page's edit.
    HWND hEdits[3] = {};
    const HWND pages[3] = {hP0, hP1, hP2};
    for (int i = 0; i < 3; ++i)
        hEdits[i] = MakeEdit(MakePage(pages[i], nullptr));
    for (HWND h : pages)
        outer.PageInsert(h, L"p");
    auto step = [&](WORD vk, bool bShift = false) {
        ::SetFocus(hEdits[outer.PageSelectionGet()]);
        PressWithCtrl(vk, bShift);
        return outer.PageSelectionGet();
    };
    EXPECT_EQ(step(VK_PRIOR), 2);
    EXPECT_EQ(step(VK_NEXT), 0);
    EXPECT_EQ(step(VK_NEXT), 1);
    EXPECT_EQ(step(VK_NEXT, true), 1); // Ctrl+Shift: nothing
    EXPECT_EQ(step(VK_NEXT), 2);
    EXPECT_EQ(step(VK_NEXT), 0);

    // A container inside page 0 with pages of its own.
    CExtTabPageContainerWnd inner;
    ASSERT_TRUE(inner.Create(CWnd::FromHandle(hP0), CRect(0, 0, 200, 150), 0x301));
    const HWND hI0 = MakePage(hP0, nullptr), hI1 = MakePage(hP0, nullptr);
    inner.PageInsert(hI0, L"i");
    inner.PageInsert(hI1, L"j");
    const HWND hInnerEdit = MakeEdit(hI0);
    outer.GetSafeTabWindow()->SelectionSet(0, true, true); // hooks again, without the inner container
    inner.GetSafeTabWindow()->SelectionSet(0, true, true);
    ::SetFocus(hInnerEdit);
    PressWithCtrl(VK_NEXT);
    EXPECT_EQ(inner.PageSelectionGet(), 1);
    EXPECT_EQ(outer.PageSelectionGet(), 0);
    inner.DestroyWindow();
    outer.DestroyWindow();
}
