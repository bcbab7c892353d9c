// CMainFrame: the frame's layout, the message list and folder tree, the status bar and the busy state.
#include "app/MainFrm.h"
#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/DlgSetting.h"

#include "app/DlgExportSms.h"
#include "app/DlgImportSms.h"
#include "app/DlgSearch.h"
#include "app/DlgSmsLog.h"
#include "app/DlgSound.h"
#include "res/app_tools_ids.h"
#include "app/ThemeColor.h"
#include "phone/AppSettings.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/PostedText.h"
#include "res/app_ids.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <commctrl.h>

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_APP_PHONE_BUSY, OnPhoneBusy)
ON_COMMAND(ID_SMS_FORWARD, OnSmsForward)
ON_COMMAND(ID_SETTINGS, OnSettings)
ON_COMMAND(ID_SMS_SETTINGS, OnSmsSettings)

// Tool dialogs.
ON_COMMAND(ID_EXPORT_SMS, OnExportSms)
ON_COMMAND(ID_IMPORT_SMS, OnImportSms)
ON_COMMAND(ID_SEARCH_SMS, OnSearchSms)
ON_COMMAND(IDC_LOG_BUTTON, OnSmsLog)
ON_COMMAND(ID_SOUND_SETTINGS, OnSoundSettings)
END_MESSAGE_MAP()

namespace
{
const int kStatusId = AFX_IDW_STATUS_BAR;
const int kPaneWidths[2] = {190, 190}; // the first two status panes (text width); the third stretches
const DWORD kTreeStyle = 0x50300C37;

CString ProfileName()
{
    CString strName;
    strName.LoadString(AFX_IDS_APP_TITLE);
    return strName;
}
} // namespace

CMainFrame::CMainFrame() : m_bPhoneBusy(FALSE)
{
    g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CThemeColor));
}

CMainFrame::~CMainFrame() {}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME), TRUE);
    // The menu's commands in the profile bound to this frame.
    const CString strProfile = ProfileName();
    if (!g_CmdManagerHolder->CreateProfile(strProfile, m_hWnd) ||
        !g_CmdManagerHolder->UpdateFromMenuResource(strProfile, IDR_MAINFRAME))
        return -1;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    // The layout takes the children in creation order: the status bar's bottom strip, the tree's
    // left strip, the list's lower half of the rest; the view fills what is left.
    if (!m_wndStatus.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, kStatusId))
        return -1;
    const UINT panes[] = {ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR};
    m_wndStatus.SetIndicators(panes, 3);
    m_wndStatus.SetPaneInfo(kPaneMain, ID_SEPARATOR, SBPS_NORMAL, kPaneWidths[0]);
    m_wndStatus.SetPaneInfo(kPaneStatus, ID_SEPARATOR, SBPS_NORMAL, kPaneWidths[1]);
    m_wndStatus.SetPaneInfo(kPaneLog, ID_SEPARATOR, SBPS_STRETCH, 0);
    if (!m_wndFolderTree.Create(kTreeStyle, CRect(0, 0, 10, 10), this, IDW_FOLDER_TREE))
        return -1;
    if (!m_wndSmsList.CreateList(this, IDW_SMS_LIST))
        return -1;
    {
        CAppSettings settings;
        const SListColumnWidths widths = settings.GetColumnWidths();
        const int cx[] = {widths.nReaded, widths.nTgl, widths.nJam, widths.nPen, widths.nIsi};
        for (int i = 0; i < CSmsListCtrl::kColumnCount; ++i)
            m_wndSmsList.SetColumnWidth(i, cx[i]);
        m_wndSmsList.SetSortState(settings.GetSortListSms());
        m_wndSmsList.UpdateSortArrows();
    }
    // Menus always show every item.
    CExtPopupMenuWnd::g_bHideRarelyUsed = false;
    RecalcLayout();
    return 0;
}

BOOL CMainFrame::DestroyWindow()
{
    if (m_wndSmsList.GetSafeHwnd() != nullptr)
    {
        CAppSettings settings;
        settings.SetColumnWidths(m_wndSmsList.GetColumnWidth(0), m_wndSmsList.GetColumnWidth(1),
                                 m_wndSmsList.GetColumnWidth(2), m_wndSmsList.GetColumnWidth(3),
                                 m_wndSmsList.GetColumnWidth(4));
        settings.SetSortListSms(m_wndSmsList.GetSortState());
    }
    g_CmdManagerHolder->UnbindWindowFromProfile(m_hWnd);
    return CFrameWnd::DestroyWindow();
}

bool CMainFrame::SetCommandIcon(UINT nCmdID, UINT nIconID, int cx, int cy)
{
    HICON hIcon = (HICON)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIconID), IMAGE_ICON, cx, cy, 0);
    if (hIcon == nullptr)
        return false;
    LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(m_hWnd);
    const bool bSet = g_CmdManagerHolder->SetCommandIcon(lpszProfile, nCmdID, hIcon, false);
    if (!bSet)
        ::DestroyIcon(hIcon);
    return bSet;
}

void CMainFrame::InsertSms(int, CSMS* pRecord)
{
    if (m_wndSmsList.GetSafeHwnd() == nullptr || pRecord == nullptr)
        return;
    CCorvane_smsApp* pApp = GetCorvaneApp();
    CCorvane_smsView* pView = pApp ? pApp->GetView() : nullptr;
    // Only a record of the shown folder becomes a row; the refresh after a fetch orders them.
    if (pView == nullptr || pRecord->m_strFolder.CompareNoCase(m_wndFolderTree.GetSelectedFolder()) != 0)
        return;
    m_wndSmsList.AddSms(m_wndSmsList.GetRecordCount(), pRecord);
    m_wndSmsList.SetItemCountEx(m_wndSmsList.GetRecordCount(), LVSICF_NOSCROLL);
}

int CMainFrame::GetListCount() const { return m_wndSmsList.GetSafeHwnd() ? m_wndSmsList.GetItemCount() : 0; }

CString CMainFrame::GetListItemText(int nRow, int nColumn) const
{
    return m_wndSmsList.GetSafeHwnd() ? m_wndSmsList.GetItemText(nRow, nColumn) : CString();
}

void CMainFrame::SetStatusText(int nPane, const CString& strText)
{
    m_wndStatus.SetPaneText(nPane, strText);
    m_wndStatus.UpdateWindow();
}

CString CMainFrame::GetStatusText(int nPane) const { return m_wndStatus.GetPaneText(nPane); }

LRESULT CMainFrame::OnPhoneBusy(WPARAM wParam, LPARAM)
{
    m_bPhoneBusy = wParam != 0;
    return 1;
}

void CMainFrame::ApplyTheme()
{
    g_PaintManagerHolder.InstallPaintManager(new CThemeColor);
    RecalcLayout();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME | RDW_UPDATENOW);
    CCorvane_smsApp* pApp = GetCorvaneApp();
    if (CCorvane_smsView* pView = pApp ? pApp->GetView() : nullptr)
        if (CExtPaintManager* pPM = g_PaintManagerHolder.GetPM())
            pView->m_wndSender.SetBkColour(pPM->GetTranslatedColor(XCLR_FACE_NORMAL));
}

void CMainFrame::OnSettings()
{
    CDlgSetting dlg(this);
    dlg.SetStartPage(kSettingOption);
    if (dlg.DoModal() != IDOK)
        return;
    CAppSettings settings;
    if (dlg.m_pageTheme.m_bInitialized)
    {
        settings.SetBgColor(dlg.m_pageTheme.GetColour());
        if ((int)AfxGetApp()->GetProfileInt(L"Settings", L"ThemeColor", 0) == kThemeCustom)
            ApplyTheme();
    }
    if (dlg.m_pageScheduler.m_bInitialized)
    {
        const CDlgSchedulerOpt& page = dlg.m_pageScheduler;
        settings.SetIsScheduled(page.m_bSchedule ? 1 : 0);
        settings.SetSchedulerHour((UINT)page.m_nHour);
        settings.SetSchedulerMinute((UINT)page.m_nMinute);
        CCorvane_smsApp* pApp = GetCorvaneApp();
        if (CCorvane_smsView* pView = pApp ? pApp->GetView() : nullptr)
            pView->RearmScheduler(page.m_bSchedule, (UINT)page.m_nHour, (UINT)page.m_nMinute);
    }
    if (dlg.m_pagePassword.m_bInitialized)
    {
        settings.SetIsActivePass(dlg.m_pagePassword.m_bActive ? 1 : 0);
        settings.SetIsMaskPass(dlg.m_pagePassword.m_bMask ? 1 : 0);
    }
    if (dlg.m_pageUmum.m_bInitialized && m_wndSmsList.GetSafeHwnd() != nullptr)
    {
        m_wndSmsList.RedrawItems(0, m_wndSmsList.GetItemCount() - 1);
        m_wndSmsList.UpdateWindow();
    }
}

void CMainFrame::OnSmsSettings()
{
    CDlgSetting dlg(this);
    dlg.SetStartPage(kSettingSms);
    if (dlg.DoModal() != IDOK)
        return;
    if (dlg.m_pageSms.m_bInitialized)
        dlg.m_pageSms.StoreSettings();
    // A list whose file could not be read is never written over that file.
    CCorvane_smsApp* pApp = GetCorvaneApp();
    CCorvane_smsDoc* pDoc = pApp ? pApp->GetDoc() : nullptr;
    if (pDoc != nullptr && dlg.m_pageMyText.HoldsList())
        CDlgMyText::WriteList(pDoc->GetMyTextFilePath(), dlg.m_pageMyText.m_arrText);
}

// ---- tool dialogs ------------------------------------------------------------------------------

void CMainFrame::RecalcLayout(BOOL bNotify)
{
    CFrameWnd::RecalcLayout(bNotify);
    PlaceLogButton();
}

void CMainFrame::PlaceLogButton()
{
    if (m_wndStatus.GetSafeHwnd() == nullptr)
        return;
    CRect rcPane;
    m_wndStatus.GetItemRect(kPaneLog, &rcPane);
    rcPane.right = rcPane.left + kLogButtonWidth;
    if (m_wndLogButton.GetSafeHwnd() == nullptr)
    {
        if (!m_wndLogButton.Create(L"LOG", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, rcPane, &m_wndStatus,
                                   IDC_LOG_BUTTON))
            return;
        m_wndLogButton.SetFont(m_wndStatus.GetFont());
        m_wndLogButton.SetFlat(true);
    }
    else
        m_wndLogButton.MoveWindow(&rcPane);
}

void CMainFrame::OnExportSms()
{
    CDlgExportSms dlg(this);
    dlg.DoModal();
}

void CMainFrame::OnImportSms()
{
    CDlgImportSms dlg(this);
    dlg.DoModal();
    CCorvane_smsApp* pApp = GetCorvaneApp();
    if (pApp != nullptr && pApp->GetView() != nullptr)
        pApp->GetView()->RefreshList();
}

void CMainFrame::OnSearchSms()
{
    CDlgSearch dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    CCorvane_smsApp* pApp = GetCorvaneApp();
    CCorvane_smsView* pView = pApp ? pApp->GetView() : nullptr;
    if (pView != nullptr)
        pView->ShowFolder(pView->GetSelectedFolder(), dlg.m_nField, dlg.m_strSearch);
}

void CMainFrame::OnSmsLog()
{
    CDlgSmsLog dlg(this);
    dlg.DoModal();
}

void CMainFrame::OnSoundSettings()
{
    CDlgSound dlg(this);
    dlg.DoModal();
}
