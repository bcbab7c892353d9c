// Shared pieces of the text field tests: a fixture on the host's tool bar docked at the top with its
// three fields, clicks handed to the fields, and the in-place edit's text.
#pragma once
#include "ExtrasTestSupport.h"

namespace extrastest
{

class TextFields : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    CExtBarTextFieldButton* Field(UINT nCmdID) const { return m_pBar->GetField(nCmdID); }
    CExtBarTextFieldButton* Plain() const { return Field(extrashost::CExtrasToolBar::kIdPlainField); }
    CExtBarTextFieldButton* Combo() const { return Field(extrashost::CExtrasToolBar::kIdEditCombo); }
    CExtBarTextFieldButton* ReadOnly() const { return Field(extrashost::CExtrasToolBar::kIdReadOnlyCombo); }
    static CPoint TextPoint(CExtBarTextFieldButton* pField);
    static CPoint ArrowPoint(CExtBarTextFieldButton* pField);
    // A press and a release on the field, as the bar hands them over.
    static void Click(CExtBarTextFieldButton* pField, CPoint point);
    // Puts pField into the bar in place of the button at nIndex and lays the bar out; answers the button
    // taken out.
    CExtBarButton* Swap(int nIndex, CExtBarButton* pField);

    extrashost::CExtrasMdiFrame* m_pFrame = nullptr;
    extrashost::CExtrasToolBar* m_pBar = nullptr;
};

// The text of the in-place edit alive now; empty when there is none.
CString EditText();
// Whether the in-place edit exists and holds the text.
bool EditShows(LPCTSTR pszText);
// Clipboard text (CF_UNICODETEXT), read and written.
CString ClipboardText();
void SetClipboardText(LPCTSTR pszText);
// A step that is done after n ticks.
std::function<bool()> WaitTicks(int n);
// Whether a popup menu is open and takes keys and clicks: shown, its opening animation over, not closing.
bool MenuSettled();
// The selection of the open popup list (LB_GETCURSEL); -2 when no list is open.
int OpenListSelection();

} // namespace extrastest
