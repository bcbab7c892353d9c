// The combo list of the text fields with real input: which clicks open it, moving through it, picking
// and cancelling; and a field removed from its bar while it is edited or its list is open is never
// touched again.
#include "TextFieldTestSupport.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <cstdlib>
#include <new>
#include <vector>

using extrastest::EditShows;
using extrastest::MenuSettled;
using extrastest::OpenListSelection;
using extrastest::Script;
using extrastest::SendKeysRaw;
using extrastest::TextFields;
using extrastest::TypeTextRaw;

namespace
{

bool ListTracking() { return CExtPopupMenuWnd::IsMenuTracking(); }
bool EditAlive() { return CExtBarTextFieldButton::CInPlaceEditWnd::GetAlive() != nullptr; }

int g_nCallsOnDead = 0;
std::vector<unsigned char> g_ghostBytes; // the ghost's memory right after it was placed

// A field whose memory outlives its deletion: a ghost of the same class takes its place there and
// counts every call that reaches it; its bytes are kept to see whether anything writes to it.
class CWatchedField : public CExtBarTextFieldButton
{
public:
    CWatchedField(bool bCombo, CExtToolControlBar* pBar, UINT nCmdID, bool bGhost = false)
        : CExtBarTextFieldButton(bCombo, 120, pBar, nCmdID), m_bGhost(bGhost)
    {
        if (bCombo && !bGhost)
        {
            for (LPCTSTR psz : extrashost::CExtrasToolBar::kComboItems)
                m_arrListItems.push_back(psz);
        }
    }
    static void* operator new(size_t cb);
    // Keeps the memory and places the ghost in it.
    static void operator delete(void* p);
    static bool GhostUnchanged(const void* p)
    {
        return !g_ghostBytes.empty() && memcmp(p, g_ghostBytes.data(), g_ghostBytes.size()) == 0;
    }

    void Touch() const
    {
        if (m_bGhost)
            ++g_nCallsOnDead;
    }
    CRuntimeClass* GetRuntimeClass() const override
    {
        Touch();
        return CExtBarTextFieldButton::GetRuntimeClass();
    }
    CWnd* GetCtrl() const override { return Touch(), CExtBarTextFieldButton::GetCtrl(); }
    UINT GetStyle() const override { return Touch(), CExtBarTextFieldButton::GetStyle(); }
    void SyncCtrlWindow() override { Touch(), CExtBarTextFieldButton::SyncCtrlWindow(); }
    void RedrawButton(bool bUpdateNow) override { Touch(), CExtBarTextFieldButton::RedrawButton(bUpdateNow); }
    void ModifyStyle(UINT nAdd, UINT nRemove) override { Touch(), CExtBarTextFieldButton::ModifyStyle(nAdd, nRemove); }
    UINT TrackButtonMenu(CPoint point, bool bSelectFirst, bool bNoAnimation) override
    {
        Touch();
        return m_bGhost ? 0 : CExtBarTextFieldButton::TrackButtonMenu(point, bSelectFirst, bNoAnimation);
    }
    bool SetFieldText(LPCTSTR lpszText, bool bVerify) override
    {
        Touch();
        return CExtBarTextFieldButton::SetFieldText(lpszText, bVerify);
    }
    void OnInplaceEdit() override { Touch(), m_bGhost ? void() : CExtBarTextFieldButton::OnInplaceEdit(); }
    void OnInplaceEditComplete() override { Touch(), CExtBarTextFieldButton::OnInplaceEditComplete(); }
    void OnInplaceEditCancel() override { Touch(), CExtBarTextFieldButton::OnInplaceEditCancel(); }
    bool OnVerifyText(CInPlaceEditWnd* pEdit, const CString& sOld, const CString& sNew) override
    {
        Touch();
        return CExtBarTextFieldButton::OnVerifyText(pEdit, sOld, sNew);
    }
    bool OnInplaceEditHook(CInPlaceEditWnd* pEdit, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT& lResult) override
    {
        Touch();
        return CExtBarTextFieldButton::OnInplaceEditHook(pEdit, message, wParam, lParam, lResult);
    }
    bool OnInitList(CExtPopupInplaceListBox& wndList) override
    {
        Touch();
        return CExtBarTextFieldButton::OnInitList(wndList);
    }
    bool OnListSelChanging(CExtPopupInplaceListBox& wndList) override
    {
        Touch();
        return CExtBarTextFieldButton::OnListSelChanging(wndList);
    }
    bool OnListSelected(CExtPopupInplaceListBox& wndList) override
    {
        Touch();
        return CExtBarTextFieldButton::OnListSelected(wndList);
    }
    bool OnListCancelled(CExtPopupInplaceListBox& wndList) override
    {
        Touch();
        return CExtBarTextFieldButton::OnListCancelled(wndList);
    }
    bool OnDrawListItem(CExtPopupInplaceListBox& wndList, LPDRAWITEMSTRUCT pDIS) override
    {
        Touch();
        return CExtBarTextFieldButton::OnDrawListItem(wndList, pDIS);
    }
    bool OnMeasureListItem(CExtPopupInplaceListBox& wndList, LPMEASUREITEMSTRUCT pMIS) override
    {
        Touch();
        return CExtBarTextFieldButton::OnMeasureListItem(wndList, pMIS);
    }

    bool m_bGhost;
};

__attribute__((noinline)) void* CWatchedField::operator new(size_t cb) { return std::malloc(cb); }

__attribute__((noinline)) void CWatchedField::operator delete(void* p)
{
    auto* pGhost = ::new (p) CWatchedField(true, nullptr, 0, true);
    g_ghostBytes.assign((unsigned char*)pGhost, (unsigned char*)pGhost + sizeof(CWatchedField));
}

} // namespace

TEST_F(TextFields, ScreenReadOnlyComboOpensItsListOnAnyClick)
{
    CExtBarTextFieldButton* pCombo = ReadOnly();
    for (CPoint pt : {TextPoint(pCombo), ArrowPoint(pCombo)})
    {
        bool bOpen = false, bEdited = false;
        Script script;
        script.Then([&] { return pCombo->IsListOpen() && ListTracking(); })
            .Do([&] { bEdited = EditAlive(); })
            .Do([&] { bOpen = true; })
            .Do([] { SendKeysRaw({VK_ESCAPE}); })
            .Then([] { return !ListTracking(); });
        script.Start();
        Click(pCombo, pt);
        EXPECT_FALSE(script.Failed());
        EXPECT_TRUE(bOpen);
        EXPECT_FALSE(bEdited);
        EXPECT_STREQ(pCombo->GetFieldText(), L"Satu");
    }
}

TEST_F(TextFields, ScreenEditableComboOpensItsListOnlyFromTheArrowStrip)
{
    CExtBarTextFieldButton* pCombo = Combo();
    bool bEditedFromText = false, bListFromText = false;
    Script fromText;
    fromText.Then(EditAlive)
        .Do([&] {
            bEditedFromText = true;
            bListFromText = pCombo->IsListOpen();
        })
        .Do([] { SendKeysRaw({VK_ESCAPE}); });
    fromText.Start();
    Click(pCombo, TextPoint(pCombo));
    EXPECT_FALSE(fromText.Failed());
    EXPECT_TRUE(bEditedFromText);
    EXPECT_FALSE(bListFromText);
    bool bListFromArrow = false;
    Script fromArrow;
    fromArrow.Then([&] { return pCombo->IsListOpen() && ListTracking(); })
        .Do([&] { bListFromArrow = !EditAlive(); })
        .Do([] { SendKeysRaw({VK_ESCAPE}); })
        .Then([] { return !ListTracking(); });
    fromArrow.Start();
    Click(pCombo, ArrowPoint(pCombo));
    EXPECT_FALSE(fromArrow.Failed());
    EXPECT_TRUE(bListFromArrow);
}

TEST_F(TextFields, ScreenMovingThroughTheListShowsEachItemAndPickingStoresIt)
{
    CExtBarTextFieldButton* pCombo = Combo();
    pCombo->SetFieldText(L"Dua", false);
    std::vector<CString> seen;
    Script script;
    script.Then([&] { return pCombo->IsListOpen() && ListTracking(); })
        .Then(MenuSettled)
        .Do([] { SendKeysRaw({VK_DOWN}); })
        .Then([&] { return pCombo->GetEditText() != L"Dua"; })
        .Do([&] { seen.push_back(pCombo->GetEditText()); })
        .Do([] { SendKeysRaw({VK_DOWN}); })
        .Then([&] { return pCombo->GetEditText() != seen.back(); })
        .Do([&] { seen.push_back(pCombo->GetEditText()); })
        .Do([&] { seen.push_back(pCombo->GetFieldText()); })
        .Do([] { SendKeysRaw({VK_RETURN}); })
        .Then([] { return !ListTracking(); });
    script.Start();
    pCombo->TrackButtonMenu(CPoint(0, 0), true, true); // the field's text selected in the list
    EXPECT_FALSE(script.Failed());
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_STREQ(seen[0], L"Tiga");
    EXPECT_STREQ(seen[1], L"Empat");
    EXPECT_STREQ(seen[2], L"Dua"); // the field keeps its text while the list is open
    EXPECT_STREQ(pCombo->GetFieldText(), L"Empat");
    EXPECT_FALSE(pCombo->IsListOpen());
}

TEST_F(TextFields, ScreenCancelledListKeepsTheFieldText)
{
    CExtBarTextFieldButton* pCombo = Combo();
    pCombo->SetFieldText(L"Dua", false);
    CString sShown;
    Script script;
    script.Then([&] { return pCombo->IsListOpen() && ListTracking(); })
        .Then(MenuSettled)
        .Do([] { SendKeysRaw({VK_DOWN}); })
        .Then([&] { return pCombo->GetEditText() != L"Dua"; })
        .Do([&] { sShown = pCombo->GetEditText(); })
        .Do([] { SendKeysRaw({VK_ESCAPE}); })
        .Then([] { return !ListTracking(); });
    script.Start();
    pCombo->TrackButtonMenu(CPoint(0, 0), true, true);
    EXPECT_FALSE(script.Failed());
    EXPECT_STREQ(sShown, L"Tiga");
    EXPECT_STREQ(pCombo->GetFieldText(), L"Dua");
}

TEST_F(TextFields, ScreenFieldRemovedWhileEditedIsNeverTouchedAgain)
{
    g_nCallsOnDead = 0;
    g_ghostBytes.clear();
    auto* pField = new CWatchedField(false, m_pBar, extrashost::CExtrasToolBar::kIdPlainField);
    CExtBarButton* pOld = Swap(0, pField);
    HWND hEdit = nullptr;
    Script script;
    script.Then(EditAlive)
        .Do([&] { hEdit = CExtBarTextFieldButton::CInPlaceEditWnd::GetAlive()->m_hWnd; })
        .Do([] { TypeTextRaw(L"abc"); })
        .Then([] { return EditShows(L"abc"); })
        .Do([&] { m_pBar->RemoveButton(0, false); })
        .Do([] { SendKeysRaw({VK_RETURN}); })
        .Then([&] { return !::IsWindow(hEdit); })
        .Then(extrastest::WaitTicks(3)); // a few ticks after, for a late call to reach the field
    script.Start();
    Click(pField, TextPoint(pField)); // the loop ends when the edit goes with its button
    extrastest::PumpUntil([&] { return script.IsDone(); }, 2 * kInputWaitMs);
    EXPECT_FALSE(script.Failed());
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_FALSE(EditAlive());
    EXPECT_EQ(g_nCallsOnDead, 0);
    EXPECT_TRUE(CWatchedField::GhostUnchanged(pField));
    m_pBar->m_buttons.InsertAt(0, pOld);
}

TEST_F(TextFields, ScreenFieldRemovedWhileItsListIsOpenIsNeverTouchedAgain)
{
    g_nCallsOnDead = 0;
    g_ghostBytes.clear();
    auto* pField = new CWatchedField(true, m_pBar, extrashost::CExtrasToolBar::kIdEditCombo);
    pField->m_nEditFlags |= CExtBarTextFieldButton::kEditRestartAfterList;
    CExtBarButton* pOld = Swap(1, pField);
    int nSel = -2;
    Script script;
    script.Then([&] { return ListTracking(); })
        .Then(MenuSettled)
        .Do([&] { m_pBar->RemoveButton(1, false); })
        .Do([&] {
            nSel = OpenListSelection();
            SendKeysRaw({VK_DOWN});
        })
        .Then([&] { return OpenListSelection() != nSel; })
        .Do([&] {
            nSel = OpenListSelection();
            SendKeysRaw({VK_DOWN});
        })
        .Then([&] { return OpenListSelection() != nSel; })
        .Do([] { SendKeysRaw({VK_RETURN}); })
        .Then([] { return !ListTracking(); });
    script.Start();
    Click(pField, ArrowPoint(pField));
    EXPECT_FALSE(script.Failed());
    EXPECT_FALSE(EditAlive()); // no editing restarted on a removed field
    EXPECT_EQ(g_nCallsOnDead, 0);
    EXPECT_TRUE(CWatchedField::GhostUnchanged(pField));
    m_pBar->m_buttons.InsertAt(1, pOld);
}

TEST_F(TextFields, ScreenTheListOfAFloatingBarsFieldLeavesTheFrameActive)
{
    m_pFrame->FloatControlBar(m_pBar, CPoint(300, 300));
    m_pFrame->RecalcLayout();
    ASSERT_TRUE(extrastest::PumpUntil([&] { return CExtControlBar::IsFloating(m_pBar); }));
    const HWND hFloat = m_pBar->GetParentFrame()->GetSafeHwnd();
    ::SetForegroundWindow(m_pFrame->m_hWnd);
    ASSERT_TRUE(extrastest::PumpUntil([&] { return ::GetActiveWindow() == m_pFrame->m_hWnd; }));
    CExtBarTextFieldButton* pCombo = ReadOnly();
    HWND hActiveWhileOpen = nullptr;
    Script script;
    script.Then([&] { return pCombo->IsListOpen() && ListTracking(); })
        .Then(MenuSettled)
        .Do([&] { hActiveWhileOpen = ::GetActiveWindow(); })
        .Do([] { SendKeysRaw({VK_ESCAPE}); })
        .Then([] { return !ListTracking(); });
    script.Start();
    pCombo->TrackButtonMenu(CPoint(0, 0), true, true);
    EXPECT_FALSE(script.Failed());
    EXPECT_EQ(hActiveWhileOpen, m_pFrame->m_hWnd);
    EXPECT_NE(::GetActiveWindow(), hFloat);
    EXPECT_EQ(::GetActiveWindow(), m_pFrame->m_hWnd);
}
