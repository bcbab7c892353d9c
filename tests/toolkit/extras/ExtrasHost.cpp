// The test host of the extra controls: the MDI frame and the page dialog.
#include "ExtrasHost.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/extras/ExtColorDlg.h"
#include "toolkit/extras/ExtPopupInplaceDatePicker.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/menus_dialogs/ExtPopupColorMenuWnd.h"

namespace extrashost
{

// ---- the date field -------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CExtrasDateField, CExtBarDateFieldButton)

CExtrasDateField::CExtrasDateField(int nFieldWidth, CExtToolControlBar* pBar, UINT nCmdID, UINT nStyle)
    : CExtBarDateFieldButton(nFieldWidth, pBar, nCmdID, nStyle)
{}

CString CExtrasDateField::FormatDate(const COleDateTime& dt)
{
    return dt.GetStatus() == COleDateTime::valid ? dt.Format(VAR_DATEVALUEONLY) : CString();
}

COleDateTime CExtrasDateField::ParseDate(const CString& sText)
{
    COleDateTime dt;
    if (sText.IsEmpty() || !dt.ParseDateTime(sText, VAR_DATEVALUEONLY))
        dt.SetStatus(COleDateTime::invalid);
    return dt;
}

bool CExtrasDateField::OnDatePickerNotify1(WPARAM wParamNotification)
{
    const auto* pNotification = (const CExtDatePickerWnd::SELECTION_NOTIFICATION*)wParamNotification;
    if (pNotification == nullptr)
        return CExtBarDateFieldButton::OnDatePickerNotify1(wParamNotification);
    ++m_nNotifications;
    m_sEditText = FormatDate(pNotification->m_dtEnd);
    if ((pNotification->m_dwFlags & CExtDatePickerWnd::SN_FINAL) != 0)
        SetFieldText(m_sEditText, true);
    RedrawButton(false);
    return CExtBarDateFieldButton::OnDatePickerNotify1(wParamNotification);
}

bool CExtrasDateField::OnDatePickerNotify2(CExtPopupInplaceDatePicker& wndPicker)
{
    const COleDateTime dt = ParseDate(GetFieldText());
    if (dt.GetStatus() != COleDateTime::valid)
        return CExtBarDateFieldButton::OnDatePickerNotify2(wndPicker);
    wndPicker.SetSelection(dt, dt, false, false);
    wndPicker.EnsureVisible(dt, false);
    return true;
}

// ---- the tool bar --------------------------------------------------------------------------------

const UINT CExtrasToolBar::kFieldIds[kFieldCount] = {kIdPlainField, kIdEditCombo, kIdReadOnlyCombo, kIdDateField};
const wchar_t* const CExtrasToolBar::kComboItems[kComboItemCount] = {L"Satu", L"Dua", L"Tiga", L"Empat", L"Lima"};

CExtBarButton* CExtrasToolBar::OnCreateBarCommandBtn(UINT nCmdID, UINT nStyle)
{
    if (nCmdID == kIdDateField)
        return new CExtrasDateField(kFieldWidth, this, nCmdID, nStyle);
    if (nCmdID == kIdColor)
    {
        auto* pColor = new CExtBarColorButton(this, nCmdID, nStyle, RGB(0, 0, 255), RGB(0, 0, 0));
        pColor->SetCookie(CExtrasMdiFrame::kColorCookie);
        return pColor;
    }
    if (nCmdID != kIdPlainField && nCmdID != kIdEditCombo && nCmdID != kIdReadOnlyCombo)
        return CExtToolControlBar::OnCreateBarCommandBtn(nCmdID, nStyle);
    auto* pField = new CExtBarTextFieldButton(nCmdID != kIdPlainField, kFieldWidth, this, nCmdID, nStyle);
    if (nCmdID != kIdPlainField)
    {
        for (LPCTSTR psz : kComboItems)
            pField->m_arrListItems.push_back(psz);
    }
    if (nCmdID == kIdReadOnlyCombo)
    {
        pField->m_nEditFlags |= CExtBarTextFieldButton::kEditReadOnly;
        pField->SetFieldText(kComboItems[0], false);
    }
    return pField;
}

CExtBarTextFieldButton* CExtrasToolBar::GetField(UINT nCmdID) const
{
    for (int i = 0; i < GetButtonsCount(); ++i)
    {
        CExtBarButton* pButton = GetButton(i);
        if (pButton->GetCmdID(false) == nCmdID)
            return DYNAMIC_DOWNCAST(CExtBarTextFieldButton, pButton);
    }
    return nullptr;
}

CExtrasDateField* CExtrasToolBar::GetDateField() const
{
    return DYNAMIC_DOWNCAST(CExtrasDateField, GetField(kIdDateField));
}

CExtBarColorButton* CExtrasToolBar::GetColorButton() const
{
    for (int i = 0; i < GetButtonsCount(); ++i)
    {
        if (GetButton(i)->GetCmdID(false) == kIdColor)
            return DYNAMIC_DOWNCAST(CExtBarColorButton, GetButton(i));
    }
    return nullptr;
}

// ---- the MDI frame --------------------------------------------------------------------------------

const wchar_t* const CExtrasMdiFrame::kProfileName = L"ExtrasHost";

BEGIN_MESSAGE_MAP(CExtrasMdiFrame, CMDIFrameWnd)
ON_COMMAND_RANGE(CExtrasToolBar::kIdPlainField, CExtrasToolBar::kIdColor, OnFieldCommand)
ON_REGISTERED_MESSAGE(CExtPopupColorMenuWnd::g_nMsgNotifyColorChangedFinally, OnColorChangedFinally)
ON_REGISTERED_MESSAGE(CExtPopupColorMenuWnd::g_nMsgNotifyCustColor, OnCustomColor)
END_MESSAGE_MAP()

bool CExtrasMdiFrame::CreateHost(const RECT& rc)
{
    const CRect r(rc);
    if (!CreateEx(0, nullptr, L"Extras", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, r.left, r.top, r.Width(), r.Height(),
                  nullptr, nullptr))
        return false;
    // The fields' commands, with the texts their chevron menu items show.
    if (!g_CmdManagerHolder->CreateProfile(kProfileName, m_hWnd))
        return false;
    const wchar_t* const pszTexts[CExtrasToolBar::kFieldCount] = {L"Cari", L"Nomor", L"Mode", L"Tanggal"};
    for (int i = 0; i < CExtrasToolBar::kFieldCount; ++i)
    {
        CExtCmdItem cmd(CExtrasToolBar::kFieldIds[i]);
        cmd.m_sMenuText = cmd.m_sToolbarText = pszTexts[i];
        if (!g_CmdManagerHolder->SetupCommand(kProfileName, cmd))
            return false;
    }
    CExtCmdItem cmdColor(CExtrasToolBar::kIdColor);
    cmdColor.m_sMenuText = L"Warna";
    if (!g_CmdManagerHolder->SetupCommand(kProfileName, cmdColor))
        return false;
    if (!CExtControlBar::EnableFrameDocking(this))
        return false;
    if (!m_wndToolBar.Create(L"Fields", this, kIdToolBar,
                             WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                 CBRS_SIZE_DYNAMIC) ||
        !m_wndToolBar.SetButtons(CExtrasToolBar::kFieldIds, CExtrasToolBar::kFieldCount) ||
        !m_wndToolBar.InsertButton(-1, CExtrasToolBar::kIdColor, false))
        return false;
    // The button's icon shows its colour once the bar's window is bound to the profile.
    m_wndToolBar.GetColorButton()->SyncColorIcon();
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar, AFX_IDW_DOCKBAR_TOP);
    if (!m_wndMdiTabs.Create(this, CRect(0, 0, 0, 0), kIdMdiTabs, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                             CExtTabWnd::kOrientTop | CExtTabWnd::kStyleShowClose | CExtTabWnd::kStyleEnabledClose))
        return false;
    RecalcLayout();
    return true;
}

void CExtrasMdiFrame::OnFieldCommand(UINT nCmdID) { m_commands.push_back(nCmdID); }

LRESULT CExtrasMdiFrame::OnColorChangedFinally(WPARAM wParam, LPARAM lParam)
{
    CExtBarColorButton* pButton = m_wndToolBar.GetColorButton();
    if (lParam != kColorCookie || pButton == nullptr)
        return 0;
    pButton->SetColor((COLORREF)wParam);
    pButton->RedrawButton();
    m_finalColors.push_back((COLORREF)wParam);
    return 0;
}

LRESULT CExtrasMdiFrame::OnCustomColor(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    CExtBarColorButton* pButton = m_wndToolBar.GetColorButton();
    if (lParam != kColorCookie || pButton == nullptr)
        return 0;
    const COLORREF clr = pButton->GetColor();
    CExtColorDlg dlg(clr, clr, this);
    if (dlg.DoModal() != IDOK)
        return 0;
    // The button may have gone with the bar while the dialog was open.
    pButton = m_wndToolBar.GetSafeHwnd() != nullptr ? m_wndToolBar.GetColorButton() : nullptr;
    if (pButton == nullptr)
        return 0;
    pButton->SetColor(dlg.m_clrNew);
    pButton->RedrawButton();
    m_finalColors.push_back(dlg.m_clrNew);
    return 0;
}

CMDIChildWnd* CExtrasMdiFrame::NewChild(LPCTSTR lpszTitle)
{
    auto* pChild = new CMDIChildWnd;
    if (!pChild->Create(nullptr, lpszTitle, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, rectDefault, this))
        return nullptr; // a child that fails deletes itself
    return pChild;
}

// ---- the page dialog ----------------------------------------------------------------------------

bool CExtrasPagesDialog::CreateHost(CWnd* pParent, const RECT& rc)
{
    // An empty popup template; the size is set in pixels afterwards.
    m_template.assign(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* pTemplate = (DLGTEMPLATE*)m_template.data();
    pTemplate->style = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_CLIPCHILDREN;
    pTemplate->cx = 200;
    pTemplate->cy = 120;
    m_template.push_back(0); // no menu
    m_template.push_back(0); // the dialog class
    for (LPCWSTR psz = L"Halaman"; *psz != 0; ++psz)
        m_template.push_back((WORD)*psz);
    m_template.push_back(0);
    if (!CreateIndirect((LPCDLGTEMPLATE)m_template.data(), pParent))
        return false;
    MoveWindow(&rc);
    ShowWindow(SW_SHOW);
    return m_bPagesMade;
}

HWND CExtrasPagesDialog::MakePage(CWnd* pParent, LPCTSTR lpszText, UINT nEditId)
{
    const HWND hPage = ::CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 10, 10,
                                         pParent->m_hWnd, nullptr, AfxGetInstanceHandle(), nullptr);
    if (hPage == nullptr)
        return nullptr;
    if (::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", lpszText, WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 10,
                          10, 160, 24, hPage, (HMENU)(UINT_PTR)nEditId, AfxGetInstanceHandle(), nullptr) == nullptr)
        return nullptr;
    return hPage;
}

BOOL CExtrasPagesDialog::OnInitDialog()
{
    const BOOL bResult = CExtResizableDialog::OnInitDialog();
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!m_wndPages.Create(this, rcClient, kIdPages))
        return bResult;
    const LPCTSTR pszPages[kPageCount] = {L"Umum", L"Koneksi", L"Lanjutan"};
    for (int i = 0; i < kPageCount - 1; ++i)
    {
        const HWND hPage = MakePage(&m_wndPages, pszPages[i], kIdFirstEdit + i);
        if (hPage == nullptr || !m_wndPages.PageInsert(hPage, pszPages[i]))
            return bResult;
    }
    // The third page: a plain container with two pages of its own.
    const HWND hLast = MakePage(&m_wndPages, pszPages[kPageCount - 1], kIdFirstEdit + kPageCount - 1);
    if (hLast == nullptr || !m_wndNested.Create(CWnd::FromHandle(hLast), CRect(10, 40, 300, 200), kIdNested))
        return bResult;
    const LPCTSTR pszNested[kNestedPageCount] = {L"Modem", L"Port"};
    for (int i = 0; i < kNestedPageCount; ++i)
    {
        const HWND hPage = MakePage(&m_wndNested, pszNested[i], kIdFirstEdit + kPageCount + i);
        if (hPage == nullptr || !m_wndNested.PageInsert(hPage, pszNested[i]))
            return bResult;
    }
    if (!m_wndPages.PageInsert(hLast, pszPages[kPageCount - 1]))
        return bResult;
    AddAnchor(m_wndPages.m_hWnd, CSize(0, 0), CSize(100, 100));
    m_bPagesMade = true;
    return bResult;
}

HWND CExtrasPagesDialog::GetEdit(int nIndex) const
{
    if (nIndex < 0 || nIndex >= kPageCount + kNestedPageCount)
        return nullptr;
    const CExtTabPageContainerWnd& box = nIndex < kPageCount ? m_wndPages : m_wndNested;
    const HWND hPage = box.PageGet(nIndex < kPageCount ? nIndex : nIndex - kPageCount);
    return hPage != nullptr ? ::GetDlgItem(hPage, (int)(kIdFirstEdit + nIndex)) : nullptr;
}

} // namespace extrashost
