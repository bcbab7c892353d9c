// The tool bar's date field: a combo that always drops a one-month date picker popup, its hooks and
// the list operations it leaves out; with real input: the drop-down opens a real calendar, the keys the
// popup forwards move its selection (from today when there is none), Escape and Enter close it, and a
// picked day closes it and becomes the field text.
#include "TextFieldTestSupport.h"
#include "toolkit/extras/ExtBarDateFieldButton.h"
#include "toolkit/extras/ExtPopupDatePickerMenuWnd.h"
#include "toolkit/menus_dialogs/ExtPopupInplaceListBox.h"
#include <memory>

using extrashost::CExtrasDateField;
using extrastest::Script;
using extrastest::SendKeysRaw;
using extrastest::TextFields;
typedef CExtDatePickerWnd DP;

namespace
{

bool PopupTracking() { return CExtPopupMenuWnd::IsMenuTracking(); }

// The calendar of the open date popup: a child of a shown top-level window of this thread.
DP* OpenCalendar()
{
    struct Finder
    {
        HWND hFound = nullptr;
        static BOOL CALLBACK Enum(HWND hWnd, LPARAM lParam)
        {
            auto* p = (Finder*)lParam;
            if (::IsWindowVisible(hWnd))
                p->hFound = ::FindWindowExW(hWnd, nullptr, DP::WNDCLASS_NAME, nullptr);
            return p->hFound == nullptr;
        }
    } finder;
    ::EnumThreadWindows(::GetCurrentThreadId(), Finder::Enum, (LPARAM)&finder);
    CWnd* pWnd = finder.hFound != nullptr ? CWnd::FromHandlePermanent(finder.hFound) : nullptr;
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CExtDatePickerWnd)) ? (DP*)pWnd : nullptr;
}

class DateField : public TextFields
{
protected:
    void SetUp() override
    {
        TextFields::SetUp();
        m_pDate = m_pBar->GetDateField();
        ASSERT_NE(m_pDate, nullptr);
        m_pDate->SetFieldText(L"", false);
        m_pDate->m_nNotifications = 0;
    }
    // Opens the drop-down from the arrow strip and runs the script's steps inside its modal loop; the
    // calendar is in m_pCalendar once open.
    void RunOpen(Script& script)
    {
        script.Start();
        Click(m_pDate, ArrowPoint(m_pDate));
        EXPECT_FALSE(script.Failed());
        EXPECT_FALSE(PopupTracking());
        EXPECT_FALSE(m_pDate->IsListOpen());
    }
    // The first step of every script: the popup is open, its calendar laid out, and it takes input.
    std::function<bool()> CalendarOpen()
    {
        return [this] {
            m_pCalendar = PopupTracking() && m_pDate->IsListOpen() ? OpenCalendar() : nullptr;
            return m_pCalendar != nullptr && m_pCalendar->GetMonth(0) != nullptr && extrastest::MenuSettled();
        };
    }

    CExtrasDateField* m_pDate = nullptr;
    DP* m_pCalendar = nullptr;
};

} // namespace

TEST(DateFieldButton, DynamicCreationMakesAComboOfTheDefaultWidth)
{
    std::unique_ptr<CObject> pObject(RUNTIME_CLASS(CExtBarDateFieldButton)->CreateObject());
    ASSERT_NE(pObject, nullptr);
    auto* pField = DYNAMIC_DOWNCAST(CExtBarDateFieldButton, pObject.get());
    ASSERT_NE(pField, nullptr);
    EXPECT_TRUE(pField->IsKindOf(RUNTIME_CLASS(CExtBarTextFieldButton)));
    EXPECT_TRUE(pField->IsCombo());
    EXPECT_EQ(pField->GetFieldWidth(), 100);
    EXPECT_EQ(pField->m_dwDatePickerCookie, 0u);
    EXPECT_FALSE(pField->GetDropDownArrowRect(CRect(0, 0, 100, 20)).IsRectEmpty());
}

TEST(DateFieldButton, ListOperationsAnswerNothingAndTheHooksTrueAndFalse)
{
    CExtBarDateFieldButton field(80);
    field.m_arrListItems.push_back(L"Satu"); // items do not make a list
    EXPECT_EQ(field.CalcListSize(), CSize(0, 0));
    EXPECT_EQ(field.GetListItemMargins(), CSize(0, 0));
    CExtPopupInplaceListBox wndList;
    DRAWITEMSTRUCT dis = {};
    MEASUREITEMSTRUCT mis = {};
    EXPECT_FALSE(field.OnInitList(wndList));
    EXPECT_FALSE(field.OnListSelChanging(wndList));
    EXPECT_FALSE(field.OnListSelected(wndList));
    EXPECT_FALSE(field.OnListCancelled(wndList));
    EXPECT_FALSE(field.OnDrawListItem(wndList, &dis));
    EXPECT_FALSE(field.OnMeasureListItem(wndList, &mis));
    EXPECT_TRUE(field.OnDatePickerNotify1(0));
    CExtPopupInplaceDatePicker wndPicker;
    EXPECT_FALSE(field.OnDatePickerNotify2(wndPicker));
    EXPECT_STREQ(field.GetFieldText(), L"");
}

TEST_F(DateField, ScreenThePopupIsAOneMonthDatePickerForTheCommandTarget)
{
    m_pDate->m_dwDatePickerCookie = 0x5A;
    CExtPopupMenuWnd* pMenu = m_pDate->CreateListPopup();
    ASSERT_NE(pMenu, nullptr);
    auto* pPopup = DYNAMIC_DOWNCAST(CExtPopupDatePickerMenuWnd, pMenu);
    ASSERT_NE(pPopup, nullptr);
    EXPECT_EQ(pPopup->m_lMessageCookie, 0x5A);
    EXPECT_EQ(pPopup->m_nColumns, 1);
    EXPECT_EQ(pPopup->m_nRows, 1);
    EXPECT_EQ(pPopup->m_dwWindowStyle, 0x52000000u);
    EXPECT_EQ(pPopup->m_dwPickerStyle, 0x1E17u);
    EXPECT_EQ(pPopup->m_pSelectionCookie, (LPVOID)m_pDate);
    EXPECT_EQ(pPopup->m_pContentCookie, (LPVOID)m_pDate);
    EXPECT_EQ(pPopup->GetCmdReceiverHWND(), m_pFrame->GetSafeHwnd());
    // With no popup of the field open, the callbacks reach no button.
    ASSERT_NE(pPopup->m_pCbSelection, nullptr);
    ASSERT_NE(pPopup->m_pCbContent, nullptr);
    const COleDateTime dt(2024, 3, 1, 0, 0, 0);
    DP::SELECTION_NOTIFICATION sn = {dt, dt, nullptr, 0, DP::SN_FINAL, nullptr};
    EXPECT_FALSE(pPopup->m_pCbSelection((WPARAM)&sn, m_pDate));
    EXPECT_EQ(m_pDate->m_nNotifications, 0);
    EXPECT_STREQ(m_pDate->GetFieldText(), L"");
    m_pDate->m_dwDatePickerCookie = 0;
    delete pPopup;
}

TEST_F(DateField, ScreenTheDropDownOpensARealCalendarAndAPickedDayClosesItIntoTheField)
{
    CSize sizeGrid(0, 0);
    COleDateTime dtPicked;
    Script script;
    script.Then(CalendarOpen())
        .Do([&] {
            m_pCalendar->GetDimensions(nullptr, nullptr, &sizeGrid);
            const auto& cell = m_pCalendar->GetMonth(0)->m_days[16];
            dtPicked = cell.m_dt;
            extrastest::ClickAtRaw(m_pCalendar->GetSafeHwnd(), cell.m_rcCell.CenterPoint());
        })
        .Then([] { return !PopupTracking(); });
    RunOpen(script);
    EXPECT_EQ(sizeGrid, CSize(1, 1));
    ASSERT_EQ(dtPicked.GetStatus(), COleDateTime::valid);
    EXPECT_STREQ(m_pDate->GetFieldText(), CExtrasDateField::FormatDate(dtPicked));
    EXPECT_FALSE(m_pDate->GetFieldText().IsEmpty());
    // The next drop-down opens on the field's date, selected.
    COleDateTime dtBegin, dtEnd;
    Script again;
    again.Then(CalendarOpen())
        .Do([&] { m_pCalendar->GetSelection(dtBegin, dtEnd); })
        .Do([] { SendKeysRaw({VK_ESCAPE}); })
        .Then([] { return !PopupTracking(); });
    RunOpen(again);
    EXPECT_EQ(dtBegin, dtPicked);
    EXPECT_EQ(dtEnd, dtPicked);
}

TEST_F(DateField, ScreenForwardedKeysMoveFromTodayAndEscapeClosesKeepingTheField)
{
    COleDateTime dtBegin, dtEnd, dtToday;
    CString sShown;
    Script script;
    script.Then(CalendarOpen())
        .Do([&] {
            dtToday = m_pCalendar->GetToday();
            m_pCalendar->GetSelection(dtBegin, dtEnd);
            EXPECT_NE(dtEnd.GetStatus(), COleDateTime::valid); // an empty field selects nothing
        })
        .Do([] { SendKeysRaw({VK_RIGHT}); })
        .Then([&] { return m_pDate->m_nNotifications >= 1; })
        .Do([] { SendKeysRaw({VK_DOWN}); })
        .Then([&] { return m_pDate->m_nNotifications >= 2; })
        .Do([&] {
            m_pCalendar->GetSelection(dtBegin, dtEnd);
            sShown = m_pDate->GetEditText();
        })
        .Do([] { SendKeysRaw({VK_ESCAPE}); })
        .Then([] { return !PopupTracking(); });
    RunOpen(script);
    const COleDateTime dtExpected(dtToday.m_dt + 8);
    EXPECT_EQ(dtEnd, dtExpected);
    EXPECT_EQ(dtBegin, dtEnd);
    EXPECT_STREQ(sShown, CExtrasDateField::FormatDate(dtExpected)); // shown while open
    EXPECT_STREQ(m_pDate->GetFieldText(), L"");                     // not picked
}

TEST_F(DateField, ScreenEnterClosesThePopup)
{
    m_pDate->SetFieldText(CExtrasDateField::FormatDate(COleDateTime(2024, 2, 29, 0, 0, 0)), false);
    const CString sBefore = m_pDate->GetFieldText();
    COleDateTime dtEnd;
    Script script;
    script.Then(CalendarOpen())
        .Do([] { SendKeysRaw({VK_LEFT}); })
        .Then([&] { return m_pDate->m_nNotifications >= 1; })
        .Do([&] {
            COleDateTime dtBegin;
            m_pCalendar->GetSelection(dtBegin, dtEnd);
        })
        .Do([] { SendKeysRaw({VK_RETURN}); })
        .Then([] { return !PopupTracking(); });
    RunOpen(script);
    EXPECT_EQ(dtEnd, COleDateTime(2024, 2, 28, 0, 0, 0)); // moved from the field's date
    EXPECT_STREQ(m_pDate->GetFieldText(), sBefore);
}

TEST_F(DateField, ScreenAFieldTakenFromItsBarWhileThePopupIsOpenIsNotCalled)
{
    int nIndex = -1;
    for (int i = 0; i < m_pBar->GetButtonsCount(); ++i)
    {
        if (m_pBar->GetButton(i) == m_pDate)
            nIndex = i;
    }
    ASSERT_GE(nIndex, 0);
    bool bTakenOut = false;
    Script script;
    script.Then(CalendarOpen())
        .Do([&] {
            m_pBar->m_buttons.RemoveAt(nIndex); // kept alive: only its absence from the bar counts
            bTakenOut = true;
            const auto& cell = m_pCalendar->GetMonth(0)->m_days[16];
            extrastest::ClickAtRaw(m_pCalendar->GetSafeHwnd(), cell.m_rcCell.CenterPoint());
        })
        .Then([] { return !PopupTracking(); });
    script.Start();
    Click(m_pDate, ArrowPoint(m_pDate));
    if (bTakenOut)
        m_pBar->m_buttons.InsertAt(nIndex, m_pDate);
    EXPECT_FALSE(script.Failed());
    EXPECT_FALSE(PopupTracking());
    EXPECT_EQ(m_pDate->m_nNotifications, 0);
    EXPECT_STREQ(m_pDate->GetFieldText(), L"");
    EXPECT_TRUE(m_pDate->IsListOpen()); // the field was not touched after the popup closed
    m_pDate->m_dwFieldFlags &= ~CExtBarTextFieldButton::kFieldListOpen;
    m_pDate->ModifyStyle(0, TBBS_PRESSED);
    m_pBar->RecalcButtonPositions();
}
