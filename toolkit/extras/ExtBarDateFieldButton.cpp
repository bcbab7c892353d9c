// CExtBarDateFieldButton: the date picker popup, its callbacks, and the list operations it leaves out.
#include "toolkit/extras/ExtBarDateFieldButton.h"
#include "toolkit/extras/ExtPopupDatePickerMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtBarDateFieldButton, CExtBarTextFieldButton)

CExtBarDateFieldButton::CExtBarDateFieldButton(int nFieldWidth, CExtToolControlBar* pBar, UINT nCmdID, UINT nStyle)
    : CExtBarTextFieldButton(true, nFieldWidth, pBar, nCmdID, nStyle), m_dwDatePickerCookie(0)
{}

CExtBarDateFieldButton::~CExtBarDateFieldButton() {}

// ---- the popup -------------------------------------------------------------------------------------

CExtPopupMenuWnd* CExtBarDateFieldButton::CreateListPopup()
{
    auto* pPopup = new CExtPopupDatePickerMenuWnd((LPARAM)m_dwDatePickerCookie, kPopupColumns, kPopupRows,
                                                  CExtPopupDatePickerMenuWnd::DEFAULT_WINDOW_STYLE,
                                                  CExtDatePickerWnd::DPS_DEFAULT);
    pPopup->m_pCbSelection = DatePickerSelectionCallback;
    pPopup->m_pSelectionCookie = this;
    pPopup->m_pCbContent = DatePickerContentCallback;
    pPopup->m_pContentCookie = this;
    CWnd* pTarget = GetCmdTargetWnd();
    if (!pPopup->CreatePopupMenu(pTarget != nullptr ? pTarget->GetSafeHwnd() : nullptr))
    {
        delete pPopup;
        return nullptr;
    }
    return pPopup;
}

CExtBarDateFieldButton* CExtBarDateFieldButton::PopupButton(LPVOID pCookie)
{
    CExtBarTextFieldButton* pButton = ListButton(pCookie);
    return pButton != nullptr ? DYNAMIC_DOWNCAST(CExtBarDateFieldButton, pButton) : nullptr;
}

bool CExtBarDateFieldButton::DatePickerSelectionCallback(WPARAM wParamNotification, LPVOID pCookie)
{
    CExtBarDateFieldButton* pButton = PopupButton(pCookie);
    return pButton != nullptr && pButton->OnDatePickerNotify1(wParamNotification);
}

bool CExtBarDateFieldButton::DatePickerContentCallback(CExtPopupInplaceDatePicker& wndPicker, LPVOID pCookie)
{
    CExtBarDateFieldButton* pButton = PopupButton(pCookie);
    return pButton != nullptr && pButton->OnDatePickerNotify2(wndPicker);
}

bool CExtBarDateFieldButton::OnDatePickerNotify1(WPARAM wParamNotification)
{
    (void)wParamNotification;
    return true;
}

bool CExtBarDateFieldButton::OnDatePickerNotify2(CExtPopupInplaceDatePicker& wndPicker)
{
    (void)wndPicker;
    return false;
}

// ---- the list operations: there is no list ------------------------------------------------------------

CSize CExtBarDateFieldButton::CalcListSize() { return CSize(0, 0); }

bool CExtBarDateFieldButton::OnInitList(CExtPopupInplaceListBox& wndList)
{
    (void)wndList;
    return false;
}

bool CExtBarDateFieldButton::OnListSelChanging(CExtPopupInplaceListBox& wndList)
{
    (void)wndList;
    return false;
}

bool CExtBarDateFieldButton::OnListSelected(CExtPopupInplaceListBox& wndList)
{
    (void)wndList;
    return false;
}

bool CExtBarDateFieldButton::OnListCancelled(CExtPopupInplaceListBox& wndList)
{
    (void)wndList;
    return false;
}

bool CExtBarDateFieldButton::OnDrawListItem(CExtPopupInplaceListBox& wndList, LPDRAWITEMSTRUCT pDIS)
{
    (void)wndList;
    (void)pDIS;
    return false;
}

bool CExtBarDateFieldButton::OnMeasureListItem(CExtPopupInplaceListBox& wndList, LPMEASUREITEMSTRUCT pMIS)
{
    (void)wndList;
    (void)pMIS;
    return false;
}

CSize CExtBarDateFieldButton::GetListItemMargins() const { return CSize(0, 0); }
