// CExtResizableDialog: Enter and Escape, the idle update of child bars and the bars' keys first.
#include "ResizableTestSupport.h"
#include "platform/ThreadState.h"
#include "platform/WinThread.h"
#include "toolkit/bars_tabs/ExtDynAutoHideSlider.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/menus_dialogs/ExtResizablePropertyPage.h"
#include "toolkit/menus_dialogs/ExtResizablePropertySheet.h"
#include <cstring>

namespace
{
// Counts command-UI updates and offered keys; may send its dialog a message from the update.
class CCountingBar : public CExtControlBar
{
public:
    int m_nUpdates = 0;
    int m_nOffered = 0;
    bool m_bTake = false;
    HWND m_hWndPoke = nullptr; // receives a message in each update
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override
    {
        ++m_nUpdates;
        if (m_hWndPoke != nullptr)
            ::SendMessageW(m_hWndPoke, WM_NULL, 0, 0);
    }
    BOOL PreTranslateMessage(MSG*) override
    {
        ++m_nOffered;
        return m_bTake ? TRUE : FALSE;
    }
};

// An auto-hide slider that takes the keys offered to it.
class CTakingSlider : public CExtDynAutoHideSlider
{
public:
    int m_nOffered = 0;
    BOOL PreTranslateMessage(MSG*) override
    {
        ++m_nOffered;
        return TRUE;
    }
};

// Makes the thread's current message one of the kind.
void SetCurrentMessage(UINT message)
{
    MSG* pMsg = AfxGetCurrentMessage();
    *pMsg = MSG{};
    pMsg->message = message;
}
} // namespace

class ResizableDialog : public ResizableTest
{};

TEST_F(ResizableDialog, EnterAndEscapeEndAPopupDialogButNotAChildOne)
{
    CTestResizableDialog* pChild = NewDialog(ChildTemplate());
    pChild->SendMessage(WM_COMMAND, IDOK);
    pChild->SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(::IsWindow(pChild->GetSafeHwnd()));
    EXPECT_NE(pChild->GetStyle() & WS_VISIBLE, 0u);

    const CDialogTemplateBuilder tpl = PopupTemplate();
    for (std::pair<UINT, INT_PTR> key :
         {std::make_pair((UINT)VK_RETURN, (INT_PTR)IDOK), std::make_pair((UINT)VK_ESCAPE, (INT_PTR)IDCANCEL)})
    {
        CTestResizableDialog dlg;
        dlg.m_lpDialogTemplate = tpl.Get();
        dlg.m_pParentWnd = m_pFrame;
        dlg.m_nKeyOnInit = key.first;
        EXPECT_EQ(dlg.DoModal(), key.second);
    }
}

TEST_F(ResizableDialog, TheIdleUpdateRunsOnIdleMessagesOnlyAndNeverReenters)
{
    CTestResizableDialog* pDlg = NewDialog(PopupTemplate());
    CCountingBar bar;
    ASSERT_TRUE(bar.Create(L"Bar", pDlg, 0x4331, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.m_nUpdates = 0;
    SetCurrentMessage(WM_PAINT);
    pDlg->SendMessage(WM_NULL);
    EXPECT_EQ(bar.m_nUpdates, 0);
    SetCurrentMessage(WM_USER + 5);
    pDlg->SendMessage(WM_NULL);
    EXPECT_EQ(bar.m_nUpdates, 1);
    // An update that sends the dialog a message does not start another one.
    bar.m_hWndPoke = pDlg->GetSafeHwnd();
    pDlg->SendMessage(WM_NULL);
    EXPECT_EQ(bar.m_nUpdates, 2);
    EXPECT_EQ(pDlg->m_nDlgFlags & CTestResizableDialog::kDlgIdleUpdateRunning, 0);
    bar.m_hWndPoke = nullptr;
    bar.DestroyWindow();
}

TEST_F(ResizableDialog, ADialogNeverSubclassedByTheLayerRunsNoIdleUpdate)
{
    CTestResizableDialog* pDlg = new CTestResizableDialog;
    m_dialogs.push_back(pDlg);
    pDlg->m_bSkipLayerSubclass = true;
    ASSERT_TRUE(pDlg->CreateIndirect(PopupTemplate().Get(), m_pFrame));
    EXPECT_EQ(pDlg->m_nDlgFlags & CTestResizableDialog::kDlgIdleUpdate, 0);
    CCountingBar bar;
    ASSERT_TRUE(bar.Create(L"Bar", pDlg, 0x4331, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.m_nUpdates = 0;
    SetCurrentMessage(WM_USER + 5);
    pDlg->SendMessage(WM_NULL);
    EXPECT_EQ(bar.m_nUpdates, 0);
    bar.DestroyWindow();
}

TEST_F(ResizableDialog, ADialogInsideAControlBarGivesTheBarItsKeysFirst)
{
    CCountingBar outer;
    ASSERT_TRUE(outer.Create(L"Outer", m_pFrame, 0x4332, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    m_pFrame->ShowWindow(SW_SHOWNA);
    CTestResizableDialog* pDlg = NewDialog(ChildTemplate(), &outer);
    CCountingBar inner;
    ASSERT_TRUE(inner.Create(L"Inner", pDlg, 0x4333, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    MSG msg = {};
    msg.hwnd = pDlg->GetSafeHwnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = 'A';
    outer.m_bTake = true;
    EXPECT_TRUE(pDlg->CallPreTranslate(&msg));
    EXPECT_EQ(outer.m_nOffered, 1);
    EXPECT_EQ(inner.m_nOffered, 0);
    // The bar lets it pass: the dialog's own child bars are asked next.
    outer.m_bTake = false;
    inner.m_bTake = true;
    EXPECT_TRUE(pDlg->CallPreTranslate(&msg));
    EXPECT_EQ(outer.m_nOffered, 2);
    EXPECT_EQ(inner.m_nOffered, 1);
    // Mouse messages are not offered to the bar around the dialog.
    msg.message = WM_MOUSEMOVE;
    inner.m_bTake = false;
    pDlg->CallPreTranslate(&msg);
    EXPECT_EQ(outer.m_nOffered, 2);
    inner.DestroyWindow();
    pDlg->DestroyWindow();
    outer.DestroyWindow();
}

TEST_F(ResizableDialog, ADialogInsideAnAutoHideSliderGivesTheSliderItsKeysFirst)
{
    m_pFrame->ShowWindow(SW_SHOWNA);
    CTakingSlider slider;
    ASSERT_TRUE(slider.CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200,
                                m_pFrame->GetSafeHwnd(), nullptr, nullptr));
    CTestResizableDialog* pDlg = NewDialog(ChildTemplate(), &slider);
    MSG msg = {};
    msg.hwnd = pDlg->GetSafeHwnd();
    msg.message = WM_CHAR;
    msg.wParam = 'a';
    EXPECT_TRUE(pDlg->CallPreTranslate(&msg));
    EXPECT_EQ(slider.m_nOffered, 1);
    pDlg->DestroyWindow();
    slider.DestroyWindow();
}

TEST(ResizableClasses, EachIsCreatableByNameOverItsToolkitBase)
{
    struct Case
    {
        CRuntimeClass* pClass;
        const char* pszName;
        CRuntimeClass* pBase;
    };
    for (const Case& c :
         {Case{RUNTIME_CLASS(CExtResizableDialog), "CExtResizableDialog", RUNTIME_CLASS(CExtResDlg)},
          Case{RUNTIME_CLASS(CExtResizablePropertyPage), "CExtResizablePropertyPage", RUNTIME_CLASS(CExtResPP)},
          Case{RUNTIME_CLASS(CExtResizablePropertySheet), "CExtResizablePropertySheet", RUNTIME_CLASS(CExtResPS)}})
    {
        EXPECT_STREQ(c.pClass->m_lpszClassName, c.pszName);
        EXPECT_EQ(c.pClass->GetBaseClass(), c.pBase);
        CObject* pObject = CRuntimeClass::CreateObject(c.pszName);
        ASSERT_NE(pObject, nullptr) << c.pszName;
        EXPECT_TRUE(pObject->IsKindOf(c.pClass));
        delete pObject;
    }
    // The gripper defaults: shown for dialogs and sheets, hidden for pages.
    CExtResizableDialog dlg;
    CExtResizablePropertyPage page;
    CExtResizablePropertySheet sheet;
    EXPECT_TRUE(dlg.IsSizeGripShown());
    EXPECT_FALSE(page.IsSizeGripShown());
    EXPECT_TRUE(sheet.IsSizeGripShown());
    EXPECT_EQ(dlg.m_nLimitFlags, CExtResizableDialog::kLimitMinTrack);
    EXPECT_EQ(dlg.m_mapAnchors.GetHashTableSize(), 17u);
}
