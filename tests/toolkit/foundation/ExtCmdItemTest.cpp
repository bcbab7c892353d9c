// Command items: state bits, texts from string resources, copying, usage counting, delivery to real
// windows and command-UI updates through a real frame.
#include "ExtCmdTestIds.h"
#include "support/PlainControlBar.h"
#include "ExtCmdTestSupport.h"
#include "platform/Platform.h"
#include "platform/ControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdProfile.h"
#include <gtest/gtest.h>

using namespace ExtCmdTest;

TEST(CmdItemState, EachSetterSetsAndClearsItsOwnBitAndAnswersTheStateWord)
{
    struct Row
    {
        DWORD (CExtCmdItem::*set)(bool);
        bool (CExtCmdItem::*is)() const;
        DWORD dwBit;
    };
    const Row rows[] = {
        {&CExtCmdItem::SetAlwaysShown, &CExtCmdItem::IsAlwaysShown, 0x10},
        {&CExtCmdItem::SetForcedRare, &CExtCmdItem::IsForcedRare, 0x20},
        {&CExtCmdItem::SetUsageNotStored, &CExtCmdItem::IsUsageNotStored, 0x40},
        {&CExtCmdItem::SetStateBit80, &CExtCmdItem::IsStateBit80, 0x80},
        {&CExtCmdItem::SetStateBit100, &CExtCmdItem::IsStateBit100, 0x100},
        {&CExtCmdItem::SetStateBit200, &CExtCmdItem::IsStateBit200, 0x200},
        {&CExtCmdItem::SetStateBit800, &CExtCmdItem::IsStateBit800, 0x800},
        {&CExtCmdItem::SetStateBit2000, &CExtCmdItem::IsStateBit2000, 0x2000},
        {&CExtCmdItem::SetStateBit4000, &CExtCmdItem::IsStateBit4000, 0x4000},
        {&CExtCmdItem::SetStateBit8000, &CExtCmdItem::IsStateBit8000, 0x8000},
        {&CExtCmdItem::SetStateBit10000, &CExtCmdItem::IsStateBit10000, 0x10000},
        {&CExtCmdItem::SetStateBit20000, &CExtCmdItem::IsStateBit20000, 0x20000},
        {&CExtCmdItem::SetStateBit40000, &CExtCmdItem::IsStateBit40000, 0x40000},
        {&CExtCmdItem::SetStateBit80000, &CExtCmdItem::IsStateBit80000, 0x80000},
        {&CExtCmdItem::SetStateBit100000, &CExtCmdItem::IsStateBit100000, 0x100000},
        {&CExtCmdItem::SetStateBit200000, &CExtCmdItem::IsStateBit200000, 0x200000},
        {&CExtCmdItem::SetStateBit20000000, &CExtCmdItem::IsStateBit20000000, 0x20000000},
    };
    for (const Row& r : rows)
    {
        CExtCmdItem item(100);
        item.m_dwStateFlags = 0x01;
        EXPECT_EQ((item.*r.set)(true), 0x01 | r.dwBit) << std::hex << r.dwBit;
        EXPECT_TRUE((item.*r.is)()) << std::hex << r.dwBit;
        EXPECT_EQ((item.*r.set)(false), 0x01u) << std::hex << r.dwBit;
        EXPECT_FALSE((item.*r.is)()) << std::hex << r.dwBit;
    }
    CExtCmdItem item(100);
    EXPECT_TRUE(item.IsEnabled());
    EXPECT_EQ(item.Enable(false), 0x01u);
    EXPECT_FALSE(item.IsEnabled());
    EXPECT_EQ(item.Enable(true), 0u);
}

TEST(CmdItemState, CheckRadioAndIndeterminateClearEachOther)
{
    CExtCmdItem item(100);
    item.SetRadio(true);
    EXPECT_EQ(item.SetCheck(true), 0x02u);
    EXPECT_FALSE(item.IsRadio());
    item.SetIndeterminate(true);
    EXPECT_FALSE(item.IsChecked());
    EXPECT_TRUE(item.IsIndeterminate());
    item.m_dwStateFlags |= 0x02 | 0x04;
    EXPECT_EQ(item.SetIndeterminate(false), 0u);
    EXPECT_EQ(item.SetRadio(true), 0x04u);
}

TEST(CmdItemState, The400GroupKeepsOneOfItsThreeValues)
{
    CExtCmdItem item(100);
    EXPECT_EQ(item.SetStateBit10000400(true), 0x10000400u);
    EXPECT_EQ(item.SetStateBit1400(true), 0x1400u);
    EXPECT_TRUE(item.IsStateBit400());
    EXPECT_TRUE(item.IsStateBit1400());
    EXPECT_FALSE(item.IsStateBit10000400());
    EXPECT_EQ(item.SetStateBit400(true), 0x400u);
    EXPECT_FALSE(item.IsStateBit1400());
    item.SetStateBit10000400(true);
    EXPECT_EQ(item.SetStateBit1400(false), 0u);
}

TEST(CmdItemState, PlatformIdRangesAreAlwaysShownAndNeverRare)
{
    for (UINT nID : {0xF000u, 0xF1EFu, 0xE110u, 0xE11Fu, 0xE210u, 0xE21Fu, 0xFF00u, 0xFF09u})
    {
        CExtCmdItem item(nID);
        item.SetForcedRare(true);
        EXPECT_TRUE(item.IsAlwaysShown()) << std::hex << nID;
        EXPECT_FALSE(item.IsForcedRare()) << std::hex << nID;
    }
    for (UINT nID : {0xEFFFu, 0xF1F0u, 0xE120u, 0xFF0Au})
    {
        CExtCmdItem item(nID);
        EXPECT_FALSE(item.IsAlwaysShown()) << std::hex << nID;
    }
}

TEST(CmdItemTexts, TwoPhrasesGiveStatusAndTipWithoutBlanks)
{
    CExtCmdItem item(ID_CMDT_TWO_PHRASES);
    ASSERT_TRUE(item.LoadTextsFromResource());
    EXPECT_STREQ(item.m_sTipStatus, L"Opens a file");
    EXPECT_STREQ(item.m_sTipTool, L"Open");
}

TEST(CmdItemTexts, OneStringGivesOnlyAStatusText)
{
    CExtCmdItem item(ID_CMDT_STATUS_ONLY);
    item.m_sTipTool = L"old";
    ASSERT_TRUE(item.LoadTextsFromResource());
    EXPECT_STREQ(item.m_sTipStatus, L"Only a status prompt");
    EXPECT_TRUE(item.m_sTipTool.IsEmpty());
}

TEST(CmdItemTexts, BlanksOrAMissingStringGiveFalseAndEmptyTips)
{
    for (UINT nID : {(UINT)ID_CMDT_BLANKS, (UINT)ID_CMDT_NO_STRING, 0u})
    {
        CExtCmdItem item(nID);
        item.m_sTipTool = L"old tip";
        item.m_sTipStatus = L"old status";
        EXPECT_FALSE(item.LoadTextsFromResource()) << nID;
        EXPECT_TRUE(item.m_sTipTool.IsEmpty()) << nID;
        EXPECT_TRUE(item.m_sTipStatus.IsEmpty()) << nID;
    }
}

TEST(CmdItemTexts, ATabBecomesABlankAndASecondLineFeedStaysInTheTip)
{
    CExtCmdItem tab(ID_CMDT_TAB);
    ASSERT_TRUE(tab.LoadTextsFromResource());
    EXPECT_STREQ(tab.m_sTipStatus, L"Left Right");
    EXPECT_STREQ(tab.m_sTipTool, L"Tip");
    CExtCmdItem two(ID_CMDT_TWO_LINE_FEEDS);
    ASSERT_TRUE(two.LoadTextsFromResource());
    EXPECT_STREQ(two.m_sTipStatus, L"Status");
    EXPECT_STREQ(two.m_sTipTool, L"Tip one\nTip two");
}

TEST(CmdItemTexts, DisplayTextIsTheFirstOfMenuTipAndToolBarText)
{
    CExtCmdItem item(100);
    CString s;
    EXPECT_TRUE(item.GetDisplayText(s).IsEmpty());
    item.m_sToolbarText = L"bar";
    EXPECT_STREQ(item.GetDisplayText(s), L"bar");
    item.m_sTipTool = L"tip";
    item.GetTextCopy(s);
    EXPECT_STREQ(s, L"tip");
    item.m_sMenuText = L"menu";
    EXPECT_STREQ(item.GetDisplayText(s), L"menu");
    item.m_sTipStatus = L"status";
    EXPECT_STREQ(item.GetStatusText(s), L"status");
}

TEST(CmdItemCopy, AssignFromCopiesEverythingAndUpdateFromTakesOnlyWhatIsGiven)
{
    CExtCmdProfile profile(L"p");
    CExtCmdItem a(7);
    a.m_pProfile = &profile;
    a.m_nIconIdx = 3;
    a.m_dwStateFlags = 0x82;
    a.m_sMenuText = L"m";
    a.m_sToolbarText = L"t";
    a.m_sTipTool = L"tt";
    a.m_sTipStatus = L"ts";
    a.m_sAccelText = L"a";
    a.m_nUsageTickCount = 9;
    a.m_nIntParam2 = 5;
    CExtCmdItem b(a);
    EXPECT_EQ(b.m_pProfile, &profile);
    EXPECT_EQ(b.m_nCmdID, 7u);
    EXPECT_EQ(b.m_nIconIdx, 3);
    EXPECT_EQ(b.m_dwStateFlags, 0x82u);
    EXPECT_STREQ(b.m_sAccelText, L"a");
    EXPECT_EQ(b.m_nUsageTickCount, 9u);
    EXPECT_EQ(b.m_nIntParam1, 100);
    EXPECT_EQ(b.m_nIntParam2, 5);
    EXPECT_EQ(b.m_nIntParam3, 250);

    CExtCmdItem update(7);
    update.m_sTipTool = L"new tip";
    b.UpdateFrom(update);
    EXPECT_EQ(b.m_nIconIdx, 3);
    EXPECT_STREQ(b.m_sTipTool, L"new tip");
    EXPECT_STREQ(b.m_sMenuText, L"m");
}

TEST(CmdItemCopy, FillMissingFromFillsOnlyEmptyTextsButNeverTheToolBarText)
{
    CExtCmdItem target(7);
    target.m_sMenuText = L"kept";
    CExtCmdItem source(7);
    source.m_nIconIdx = 2;
    source.m_sMenuText = L"other";
    source.m_sToolbarText = L"bar";
    source.m_sTipTool = L"tip";
    source.m_sTipStatus = L"status";
    source.m_sAccelText = L"Ctrl+X";
    target.FillMissingFrom(source);
    EXPECT_EQ(target.m_nIconIdx, 2);
    EXPECT_STREQ(target.m_sMenuText, L"kept");
    EXPECT_TRUE(target.m_sToolbarText.IsEmpty());
    EXPECT_STREQ(target.m_sTipTool, L"tip");
    EXPECT_STREQ(target.m_sTipStatus, L"status");
    EXPECT_STREQ(target.m_sAccelText, L"Ctrl+X");
}

TEST(CmdItemUsage, PercentThresholdAndRarity)
{
    CExtCmdProfile profile(L"p");
    CExtCmdItem* a = profile.AllocateCommand(100);
    CExtCmdItem* b = profile.AllocateCommand(101);
    a->IncrementUsage();
    b->IncrementUsage();
    b->IncrementUsage();
    EXPECT_EQ(a->GetProfileTotalUsage(), 3u);
    EXPECT_EQ(a->GetUsagePercent(), 33u);
    EXPECT_EQ(b->GetUsagePercent(), 66u);
    EXPECT_EQ(a->GetRarelyUsedThreshold(), 10u);
    EXPECT_FALSE(a->IsRarelyUsed());
    a->SetRarelyUsedThreshold(250);
    EXPECT_EQ(profile.m_nRarelyUsedThreshold, 100u);
    EXPECT_TRUE(a->IsRarelyUsed());
    a->SetAlwaysShown(true);
    EXPECT_FALSE(a->IsRarelyUsed());
}

TEST(CmdItemUsage, AlwaysShownAndForcedRareItemsAreNotCountedAndKeepTheirCountOnReset)
{
    CExtCmdProfile profile(L"p");
    CExtCmdItem* a = profile.AllocateCommand(100);
    a->m_nUsageTickCount = 4;
    a->SetForcedRare(true);
    a->IncrementUsage();
    EXPECT_EQ(a->GetUsageCount(), 4u);
    EXPECT_EQ(profile.m_nTotalTickCount, 0u);
    a->ResetUsage();
    EXPECT_EQ(a->GetUsageCount(), 4u);
    a->SetForcedRare(false);
    a->ResetUsage();
    EXPECT_EQ(a->GetUsageCount(), 0u);
}

TEST(CmdItemUsage, ReachingFFFFFFFEHalvesTheTotalAndEveryCount)
{
    CExtCmdProfile profile(L"p");
    CExtCmdItem* a = profile.AllocateCommand(100);
    CExtCmdItem* b = profile.AllocateCommand(101);
    a->m_nUsageTickCount = 0xFFFFFFF0u;
    b->m_nUsageTickCount = 13;
    profile.m_nTotalTickCount = 0xFFFFFFFDu;
    a->IncrementUsage();
    EXPECT_EQ(profile.m_nTotalTickCount, 0x7FFFFFFFu);
    EXPECT_EQ(a->GetUsageCount(), 0x7FFFFFF8u);
    EXPECT_EQ(b->GetUsageCount(), 6u);
    a->IncrementUsage();
    EXPECT_EQ(profile.m_nTotalTickCount, 0x80000000u);
}

TEST(CmdItemUsage, PercentStaysExactForLargeCounts)
{
    CExtCmdProfile profile(L"p");
    CExtCmdItem* a = profile.AllocateCommand(100);
    a->m_nUsageTickCount = 3000000000u;
    profile.m_nTotalTickCount = 4000000000u;
    EXPECT_EQ(a->GetUsagePercent(), 75u);
}

TEST(CmdItemUsage, OnlyCountedItemsHaveAStoredUsage)
{
    CExtCmdItem item(100);
    EXPECT_FALSE(item.HasUsageCount());
    item.m_nUsageTickCount = 1;
    EXPECT_TRUE(item.HasUsageCount());
    item.SetUsageNotStored(true);
    EXPECT_FALSE(item.HasUsageCount());
    CExtCmdItem sys(0xF060);
    sys.m_nUsageTickCount = 1;
    EXPECT_FALSE(sys.HasUsageCount());
}

TEST(CmdItemFreeStanding, AnItemWithoutProfileCountsAloneAndIsNeverRare)
{
    RecordingWindow wnd;
    CExtCmdItem item(100);
    ASSERT_TRUE(item.DeliverToHwnd(wnd.Hwnd(), true));
    EXPECT_EQ(item.GetUsageCount(), 1u);
    EXPECT_EQ(item.GetUsagePercent(), 0u);
    EXPECT_EQ(item.GetProfileTotalUsage(), 0u);
    EXPECT_EQ(item.GetRarelyUsedThreshold(), 10u);
    item.SetRarelyUsedThreshold(50);
    EXPECT_EQ(item.GetRarelyUsedThreshold(), 10u);
    EXPECT_FALSE(item.IsRarelyUsed());
    item.OnSysColorChange();
    item.OnSettingChange(0, nullptr);
    item.OnDisplayChange(32, 800, 600);
    item.OnThemeChanged(0, 0);
    item.NormalizeUsageCounters();
    EXPECT_EQ(item.GetUsageCount(), 1u);
}

TEST(CmdItemDelivery, ACommandIsSentOrPostedAsWmCommandAndCounted)
{
    CExtCmdProfile profile(L"p");
    CExtCmdItem* item = profile.AllocateCommand(123);
    RecordingWindow wnd;
    ASSERT_TRUE(item->DeliverToHwnd(wnd.Hwnd(), true));
    ASSERT_EQ(wnd.m_received.size(), 1u);
    EXPECT_EQ(wnd.m_received[0].nMsg, (UINT)WM_COMMAND);
    EXPECT_EQ(wnd.m_received[0].wParam, 123u);
    EXPECT_EQ(wnd.m_received[0].lParam, 0);
    ASSERT_TRUE(item->DeliverToHwnd(wnd.Hwnd(), false));
    EXPECT_EQ(wnd.m_received.size(), 1u);
    RecordingWindow::Pump();
    EXPECT_EQ(wnd.m_received.size(), 2u);
    EXPECT_EQ(item->GetUsageCount(), 2u);
    EXPECT_EQ(profile.m_nTotalTickCount, 2u);
    item->SetAlwaysShown(true);
    ASSERT_TRUE(item->DeliverToHwnd(wnd.Hwnd(), true));
    EXPECT_EQ(wnd.m_received.size(), 3u);
    EXPECT_EQ(item->GetUsageCount(), 2u);
    EXPECT_FALSE(item->DeliverToHwnd(nullptr, true));
    EXPECT_FALSE(item->DeliverToWnd(nullptr, true));
    EXPECT_EQ(item->GetUsageCount(), 2u);
}

TEST(CmdItemDelivery, ASystemCommandCarriesTheCursorPositionAndIsNotCounted)
{
    CExtCmdProfile profile(L"p");
    CExtCmdItem* item = profile.AllocateCommand(0xF060);
    RecordingWindow wnd;
    ::SetCursorPos(37, 41);
    POINT pt = {};
    ::GetCursorPos(&pt);
    ASSERT_TRUE(item->DeliverToHwnd(wnd.Hwnd(), false));
    RecordingWindow::Pump();
    ASSERT_EQ(wnd.m_received.size(), 1u);
    EXPECT_EQ(wnd.m_received[0].nMsg, (UINT)WM_SYSCOMMAND);
    EXPECT_EQ(wnd.m_received[0].wParam, 0xF060u);
    EXPECT_EQ(wnd.m_received[0].lParam, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(item->GetUsageCount(), 0u);
    EXPECT_EQ(profile.m_nTotalTickCount, 0u);
}

TEST(CmdItemDelivery, DeliverToBarOwnerUsesTheRecordedOwnerElseTheParent)
{
    CExtCmdItem item(200);
    RecordingWindow parent;
    RecordingWindow owner;
    CPlainControlBar bar;
    ASSERT_TRUE(bar.CWnd::CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD, 0, 0, 10, 10, parent.Hwnd(),
                                   (HMENU)(UINT_PTR)0xE850, nullptr));
    ASSERT_TRUE(item.DeliverToBarOwner(&bar, true));
    EXPECT_EQ(parent.m_received.size(), 1u);
    bar.m_hWndOwner = owner.Hwnd();
    ASSERT_TRUE(item.DeliverToBarOwner(&bar, true));
    EXPECT_EQ(owner.m_received.size(), 1u);
    EXPECT_EQ(parent.m_received.size(), 1u);
    EXPECT_FALSE(item.DeliverToBarOwner(nullptr, true));
    bar.DestroyWindow();
    EXPECT_FALSE(item.DeliverToBarOwner(&bar, true));

    CPlainControlBar lone;
    ASSERT_TRUE(
        lone.CWnd::CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr));
    EXPECT_FALSE(item.DeliverToBarOwner(&lone, true));
    lone.DestroyWindow();
}

namespace
{
enum : UINT
{
    ID_UPD_HANDLED = 42001,
    ID_UPD_COMMAND_ONLY = 42002,
    ID_UPD_NONE = 42003,
    ID_UPD_CHECK2 = 42004,
};
} // namespace

class CCmdTestFrame : public CFrameWnd
{
protected:
    void OnUpdateHandled(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(FALSE);
        pCmdUI->SetRadio(TRUE);
        pCmdUI->SetText(L"Updated");
    }
    void OnUpdateCheck2(CCmdUI* pCmdUI) { pCmdUI->SetCheck(2); }
    void OnCommandOnly() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCmdTestFrame, CFrameWnd)
ON_UPDATE_COMMAND_UI(ID_UPD_HANDLED, OnUpdateHandled)
ON_UPDATE_COMMAND_UI(ID_UPD_CHECK2, OnUpdateCheck2)
ON_COMMAND(ID_UPD_COMMAND_ONLY, OnCommandOnly)
END_MESSAGE_MAP()

TEST(CmdItemUpdate, TheFramesHandlersSetTheStateAndUnhandledCommandsAreDisabled)
{
    auto* pFrame = new CCmdTestFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, L"cmd", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)));
    CExtCmdItem handled(ID_UPD_HANDLED);
    EXPECT_TRUE(handled.UpdateCmdUI(pFrame, 0));
    EXPECT_FALSE(handled.IsEnabled());
    EXPECT_TRUE(handled.IsRadio());
    EXPECT_STREQ(handled.m_sMenuText, L"Updated");

    CExtCmdItem commandOnly(ID_UPD_COMMAND_ONLY);
    commandOnly.Enable(false);
    commandOnly.UpdateCmdUI(pFrame, 0);
    EXPECT_TRUE(commandOnly.IsEnabled());

    CExtCmdItem none(ID_UPD_NONE);
    EXPECT_FALSE(none.UpdateCmdUI(pFrame, 0));
    EXPECT_FALSE(none.IsEnabled());

    CExtCmdItem check2(ID_UPD_CHECK2);
    check2.SetCheck(true);
    EXPECT_TRUE(check2.UpdateCmdUI(pFrame, 0));
    EXPECT_TRUE(check2.IsIndeterminate());
    EXPECT_FALSE(check2.IsChecked());

    for (UINT nID : {0xF060u, 0xFF03u})
    {
        CExtCmdItem sys(nID);
        sys.Enable(false);
        EXPECT_TRUE(sys.UpdateCmdUI(nullptr, 0));
        EXPECT_TRUE(sys.IsEnabled());
    }
    pFrame->DestroyWindow();
}

TEST(CmdItemUpdate, TheCommandUiObjectWritesIntoItsItem)
{
    CExtCmdItem item(300);
    CExtCmdItemUI ui(&item, 5);
    EXPECT_EQ(ui.m_nID, 300u);
    EXPECT_EQ(ui.m_nIndexMax, 5u);
    EXPECT_EQ(ui.m_pOther, nullptr);
    ui.m_bEnableChanged = FALSE;
    ui.Enable(FALSE);
    EXPECT_TRUE(ui.m_bEnableChanged);
    EXPECT_FALSE(item.IsEnabled());
    ui.SetCheck(2);
    EXPECT_TRUE(item.IsIndeterminate());
    ui.SetCheck(1);
    EXPECT_TRUE(item.IsChecked());
    EXPECT_FALSE(item.IsIndeterminate());
    ui.SetCheck(0);
    EXPECT_FALSE(item.IsChecked());
    ui.SetRadio(TRUE);
    EXPECT_TRUE(item.IsRadio());
    ui.SetText(L"Text");
    EXPECT_STREQ(item.m_sMenuText, L"Text");
}
