// The host tool bar's colour button: its popup's custom-colour button opens the toolkit colour dialog on the
// button's colour; OK gives the button the dialog's colour, Cancel keeps it.
#include "TextFieldTestSupport.h"
#include "res/toolkit_color_ids.h"
#include "toolkit/extras/ExtColorDlg.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/menus_dialogs/ExtPopupColorMenuWnd.h"

using extrastest::Script;

namespace
{
// A shown window of this thread whose object is of the class; null when none.
CWnd* ShownWindowOf(CRuntimeClass* pClass)
{
    struct Finder
    {
        CRuntimeClass* pClass;
        CWnd* pFound;
        static BOOL CALLBACK Enum(HWND hWnd, LPARAM lParam)
        {
            auto* p = (Finder*)lParam;
            CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
            if (pWnd != nullptr && ::IsWindowVisible(hWnd) && pWnd->IsKindOf(p->pClass))
                p->pFound = pWnd;
            return p->pFound == nullptr;
        }
    } finder = {pClass, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), Finder::Enum, (LPARAM)&finder);
    return finder.pFound;
}
} // namespace

TEST(ToolBarColorDialog, ScreenTheCustomColourOpensTheToolkitDialogWhoseOkColoursTheButtonAndCancelKeeps)
{
    extrashost::CExtrasMdiFrame* pFrame = extrastest::MdiFrame();
    extrashost::CExtrasToolBar& bar = pFrame->m_wndToolBar;
    CExtBarColorButton* pButton = bar.GetColorButton();
    ASSERT_NE(pButton, nullptr);
    pButton->SetColor(RGB(10, 20, 30));
    pFrame->m_finalColors.clear();
    for (UINT nCommand : {(UINT)IDCANCEL, (UINT)IDOK})
    {
        ASSERT_TRUE(bar.TrackButtonMenu(pButton->GetIndexInBar(), false, false, false));
        CExtPopupColorMenuWnd* pPopup = nullptr;
        CWnd* pDialog = nullptr;
        COLORREF clrDialogInit = 0;
        Script script;
        script
            .Then([&] {
                pPopup = static_cast<CExtPopupColorMenuWnd*>(ShownWindowOf(RUNTIME_CLASS(CExtPopupColorMenuWnd)));
                // Shown, and past the opening animation, which takes no mouse input.
                return pPopup != nullptr && !pPopup->GetCustomButtonRect().IsRectEmpty() && extrastest::MenuSettled();
            })
            .Do([&] {
                EXPECT_EQ(pPopup->m_nNotifyCookie, extrashost::CExtrasMdiFrame::kColorCookie);
                // Over the button by a move that changes the position (the pointer may be on its centre already).
                const CRect rc = pPopup->GetCustomButtonRect();
                extrastest::MoveMouseToRaw(pPopup->GetSafeHwnd(), CPoint(rc.left + 2, rc.CenterPoint().y));
                extrastest::MoveMouseToRaw(pPopup->GetSafeHwnd(), rc.CenterPoint());
            })
            .Then([&] { return pPopup->GetHotElement() == CExtPopupColorMenuWnd::HOT_CUSTOM_BUTTON; })
            .Do([&] { extrastest::ClickAtRaw(pPopup->GetSafeHwnd(), pPopup->GetCustomButtonRect().CenterPoint()); })
            .Then([&] {
                pDialog = ShownWindowOf(RUNTIME_CLASS(CExtColorDlg));
                return pDialog != nullptr && pDialog->GetDlgItem(IDC_EXT_COLOR_EDIT_R) != nullptr;
            })
            .Do([&] {
                EXPECT_EQ(pDialog->GetOwner(), pFrame);
                clrDialogInit = static_cast<CExtColorDlg*>(pDialog)->m_clrInit;
                pDialog->GetDlgItem(IDC_EXT_COLOR_EDIT_R)->SetWindowText(L"255");
                pDialog->PostMessage(WM_COMMAND, MAKEWPARAM(nCommand, BN_CLICKED), 0);
            })
            .Then([&] { return ShownWindowOf(RUNTIME_CLASS(CExtColorDlg)) == nullptr; });
        script.Start();
        EXPECT_TRUE(extrastest::PumpUntil([&] { return script.IsDone(); }, 2 * kInputWaitMs));
        EXPECT_FALSE(script.Failed()) << nCommand;
        EXPECT_EQ(clrDialogInit, RGB(10, 20, 30)) << nCommand;
        EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
        if (nCommand == IDCANCEL)
        {
            EXPECT_TRUE(pFrame->m_finalColors.empty());
            EXPECT_EQ(pButton->GetColor(), RGB(10, 20, 30));
        }
    }
    ASSERT_EQ(pFrame->m_finalColors.size(), 1u);
    EXPECT_EQ(pFrame->m_finalColors[0], RGB(255, 20, 30));
    EXPECT_EQ(pButton->GetColor(), RGB(255, 20, 30));
    // The button's icon shows the new colour.
    CExtCmdIcon* pIcon = g_CmdManagerHolder->GetCommandIcon(extrashost::CExtrasMdiFrame::kProfileName,
                                                            extrashost::CExtrasToolBar::kIdColor);
    ASSERT_NE(pIcon, nullptr);
    EXPECT_FALSE(pIcon->IsEmpty());
}
