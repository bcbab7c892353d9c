// Shared pieces of the text field tests.
#include "TextFieldTestSupport.h"
#include "platform/Dc.h"
#include "toolkit/menus_dialogs/ExtPopupControlMenuWnd.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <memory>

namespace extrastest
{

void TextFields::SetUp()
{
    m_pFrame = MdiFrame();
    m_pBar = &m_pFrame->m_wndToolBar;
    ASSERT_NE(m_pBar->GetSafeHwnd(), nullptr);
    ASSERT_NE(Plain(), nullptr);
    ASSERT_NE(Combo(), nullptr);
    ASSERT_NE(ReadOnly(), nullptr);
    // Docked at the top as the host docks it; the bar's own layout places the fields.
    if (!CExtControlBar::IsDockedAtTop(m_pBar))
        m_pFrame->DockControlBar(m_pBar, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    PumpMessages();
    Plain()->SetFieldText(L"", false);
    Combo()->SetFieldText(L"", false);
    ReadOnly()->SetFieldText(extrashost::CExtrasToolBar::kComboItems[0], false);
    m_pFrame->m_commands.clear();
    ::SetFocus(m_pFrame->m_hWnd);
}

void TextFields::TearDown()
{
    if (CExtPopupMenuWnd::IsMenuTracking())
        CExtPopupMenuWnd::CancelMenuTracking();
    if (CExtBarTextFieldButton::CInPlaceEditWnd* pEdit = CExtBarTextFieldButton::CInPlaceEditWnd::GetAlive())
        pEdit->DestroyWindow();
    PumpMessages();
}

CPoint TextFields::TextPoint(CExtBarTextFieldButton* pField)
{
    return pField->GetEditRect(pField->GetRect()).CenterPoint();
}

CPoint TextFields::ArrowPoint(CExtBarTextFieldButton* pField)
{
    return pField->GetDropDownArrowRect(pField->GetRect()).CenterPoint();
}

void TextFields::Click(CExtBarTextFieldButton* pField, CPoint point)
{
    pField->OnClick(point, true);
    pField->OnClick(point, false);
}

CExtBarButton* TextFields::Swap(int nIndex, CExtBarButton* pField)
{
    CExtBarButton* pOld = m_pBar->m_buttons[nIndex];
    m_pBar->m_buttons[nIndex] = pField;
    m_pBar->RecalcButtonPositions();
    return pOld;
}

CString EditText()
{
    CString s;
    if (CExtBarTextFieldButton::CInPlaceEditWnd* pEdit = CExtBarTextFieldButton::CInPlaceEditWnd::GetAlive())
        pEdit->GetWindowText(s);
    return s;
}

bool EditShows(LPCTSTR pszText)
{
    return CExtBarTextFieldButton::CInPlaceEditWnd::GetAlive() != nullptr && EditText() == pszText;
}

CString ClipboardText()
{
    CString s;
    if (!::OpenClipboard(nullptr))
        return s;
    if (HANDLE h = ::GetClipboardData(CF_UNICODETEXT))
    {
        if (auto* psz = (const wchar_t*)::GlobalLock(h))
        {
            s = psz;
            ::GlobalUnlock(h);
        }
    }
    ::CloseClipboard();
    return s;
}

void SetClipboardText(LPCTSTR pszText)
{
    if (!::OpenClipboard(nullptr))
        return;
    ::EmptyClipboard();
    const size_t cb = (wcslen(pszText) + 1) * sizeof(wchar_t);
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    if (h != nullptr)
    {
        memcpy(::GlobalLock(h), pszText, cb);
        ::GlobalUnlock(h);
        if (::SetClipboardData(CF_UNICODETEXT, h) == nullptr)
            ::GlobalFree(h);
    }
    ::CloseClipboard();
}

std::function<bool()> WaitTicks(int n)
{
    auto pLeft = std::make_shared<int>(n);
    return [pLeft] { return --*pLeft <= 0; };
}

bool MenuSettled()
{
    const CExtPopupMenuTrackingSite& site = g_TrackingSite;
    const CExtPopupMenuWnd* pTop = site.GetInstance();
    return CExtPopupMenuWnd::IsMenuTracking() && pTop != nullptr && !site.IsClosing() &&
           site.GetAnimatingPopup() == nullptr && ::IsWindowVisible(pTop->GetSafeHwnd());
}

int OpenListSelection()
{
    auto* pPopup = DYNAMIC_DOWNCAST(CExtPopupControlMenuWnd, g_TrackingSite.GetInstance());
    if (!CExtPopupMenuWnd::IsMenuTracking() || pPopup == nullptr || !::IsWindow(pPopup->GetControlWnd()))
        return -2;
    return (int)::SendMessageW(pPopup->GetControlWnd(), LB_GETCURSEL, 0, 0);
}

} // namespace extrastest
