// CMainFrame: the bars and their layout, the message list and folder tree, the status bar with
// the busy animation, the theme and the application-wide commands.
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
#include "phone/SmsRecord.h"
#include "phone/StoreHelpers.h"
#include "res/app_ids.h"
#include "res/mainframe_ids.h"
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <commctrl.h>
#include <utility>

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_ENDSESSION()
ON_WM_SYSCOMMAND()
ON_WM_WINDOWPOSCHANGED()
ON_MESSAGE(WM_APP_PHONE_BUSY, OnPhoneBusy)
ON_MESSAGE(WM_APP_TRAY_NOTIFY, OnTrayNotify)
ON_MESSAGE(WM_APP_KEEP_PLACEMENT, OnKeepPlacement)
ON_COMMAND(ID_SHOW_HIDE_WINDOW, OnShowHideWindow)
ON_COMMAND(ID_SMS_FORWARD, OnSmsForward)
ON_COMMAND(ID_SETTINGS, OnSettings)
ON_COMMAND(ID_SMS_SETTINGS, OnSmsSettings)
ON_COMMAND(ID_CLEAR_HISTORY, OnClearHistory)
ON_COMMAND(ID_REBUILD_CONTACT_NAMES, OnRebuildContactNames)
ON_COMMAND(ID_DELETE_ALL_SMS, OnDeleteAllSms)
ON_COMMAND(ID_VIEW_TOPMOST, OnTopMost)
ON_UPDATE_COMMAND_UI(ID_VIEW_TOPMOST, OnUpdateTopMost)
ON_COMMAND_EX(ID_THEME_BLUE, OnTheme)
ON_COMMAND_EX(ID_THEME_PINK, OnTheme)
ON_COMMAND_EX(ID_THEME_METALLIC, OnTheme)
ON_COMMAND_EX(ID_THEME_GREEN, OnTheme)
ON_COMMAND_EX(ID_THEME_CUSTOM, OnTheme)
ON_UPDATE_COMMAND_UI(ID_THEME_BLUE, OnUpdateTheme)
ON_UPDATE_COMMAND_UI(ID_THEME_PINK, OnUpdateTheme)
ON_UPDATE_COMMAND_UI(ID_THEME_METALLIC, OnUpdateTheme)
ON_UPDATE_COMMAND_UI(ID_THEME_GREEN, OnUpdateTheme)
ON_UPDATE_COMMAND_UI(ID_THEME_CUSTOM, OnUpdateTheme)
ON_COMMAND_EX(IDW_SMS_LIST, OnToolkitBarCheck)
ON_COMMAND_EX(IDW_FOLDER_TREE, OnToolkitBarCheck)
ON_COMMAND_EX(ID_VIEW_CORVANE_TOOLBAR, OnToolkitBarCheck)
ON_COMMAND_EX(CMainFrame::kIdMenuBar, OnToolkitBarCheck)
ON_UPDATE_COMMAND_UI(IDW_SMS_LIST, OnUpdateToolkitBarCheck)
ON_UPDATE_COMMAND_UI(IDW_FOLDER_TREE, OnUpdateToolkitBarCheck)
ON_UPDATE_COMMAND_UI(ID_VIEW_CORVANE_TOOLBAR, OnUpdateToolkitBarCheck)
ON_UPDATE_COMMAND_UI(CMainFrame::kIdMenuBar, OnUpdateToolkitBarCheck)

// Tool dialogs.
ON_COMMAND(ID_EXPORT_SMS, OnExportSms)
ON_COMMAND(ID_IMPORT_SMS, OnImportSms)
ON_COMMAND(ID_SEARCH_SMS, OnSearchSms)
ON_COMMAND(IDC_LOG_BUTTON, OnSmsLog)
ON_COMMAND(ID_SOUND_SETTINGS, OnSoundSettings)
END_MESSAGE_MAP()

namespace
{
const COLORREF kToolBarTransparent = RGB(192, 192, 192);
const int kBusyPaneWidth = 16;
const UINT kIdIndicatorCaps = 59137;
const UINT kIdIndicatorNum = 59138;
const DWORD kTreeStyle = 0x50300C37;
const int kHistoryEntries = 15;

CString ProfileName()
{
    CString strName;
    strName.LoadString(AFX_IDS_APP_TITLE);
    return strName;
}

// The registry names of the docking state: the application's profile name (the title) under the
// company key.
const wchar_t kRegKey[] = L"Corvane";
CString StateProfileName()
{
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->m_pszProfileName != nullptr ? CString(pApp->m_pszProfileName) : ProfileName();
}

// A string resource; its text, or empty.
CString LoadText(UINT nID)
{
    CString s;
    s.LoadString(nID);
    return s;
}

// The command icons of the frame: command, icon, size.
struct SCommandIcon
{
    UINT nCmd, nIcon;
    int nSize;
};
const SCommandIcon kCommandIcons[] = {
    {57665, 131, 16}, {57664, 132, 16}, {32771, 133, 32}, {32772, 134, 32}, {32773, 135, 32}, {111, 139, 24},
    {112, 140, 32},   {113, 143, 32},   {114, 141, 32},   {115, 142, 32},   {118, 156, 24},   {120, 155, 24},
    {32867, 184, 16}, {32868, 190, 16}, {32866, 191, 16}, {32880, 205, 16}, {32870, 192, 16}, {32871, 193, 16},
    {32872, 195, 16}, {32873, 196, 16}, {32869, 197, 16}};

// The part of a ";"-separated list from nStart to the next ";" or the end; nStart moves past it.
CString NextListPart(const CString& strList, int& nStart)
{
    int nEnd = strList.Find(L';', nStart);
    if (nEnd < 0)
        nEnd = strList.GetLength();
    const CString strPart = strList.Mid(nStart, nEnd - nStart);
    nStart = nEnd + 1;
    return strPart;
}

// The contact names of a number, or of each ";"-separated part (joined by ";"); "+" removed. A
// number that no contact matches keeps its stored name (for a part, the stored names' part at the
// same place); only when there is none does the number itself become the name.
CString ContactNamesOf(CCorvane_smsDoc* pDoc, CString strNumber, const CString& strStored)
{
    strNumber.Remove(L'+');
    auto nameOf = [pDoc](const CString& strPart, const CString& strStoredPart) {
        const CString strName = pDoc->FindContactName(strPart);
        // The lookup answers the filtered number itself when no contact matches.
        if (strName == FilterPhoneNumber(strPart) && !strStoredPart.IsEmpty())
            return strStoredPart;
        return strName;
    };
    if (strNumber.Find(L';') < 0)
        return nameOf(strNumber, strStored);
    CString strResult;
    int nStart = 0, nStoredStart = 0;
    while (nStart <= strNumber.GetLength())
    {
        const CString strPart = NextListPart(strNumber, nStart);
        const CString strStoredPart =
            nStoredStart <= strStored.GetLength() ? NextListPart(strStored, nStoredStart) : CString();
        strResult += nameOf(strPart, strStoredPart) + L";";
    }
    return strResult.Left(strResult.GetLength() - 1);
}

// A placement whose normal rectangle lies on no monitor is moved onto the nearest one's work area.
void BringOntoMonitor(WINDOWPLACEMENT& wp)
{
    RECT& rc = wp.rcNormalPosition;
    if (::MonitorFromRect(&rc, MONITOR_DEFAULTTONULL) != nullptr)
        return;
    MONITORINFO mi = {sizeof mi};
    if (!::GetMonitorInfoW(::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &mi))
        return;
    const RECT& work = mi.rcWork;
    const int cx = std::min<LONG>(rc.right - rc.left, work.right - work.left);
    const int cy = std::min<LONG>(rc.bottom - rc.top, work.bottom - work.top);
    const int x = std::max<LONG>(work.left, std::min<LONG>(rc.left, work.right - cx));
    const int y = std::max<LONG>(work.top, std::min<LONG>(rc.top, work.bottom - cy));
    rc = {x, y, x + cx, y + cy};
}
// The icon resource at the size. A group that holds that size alone is made straight from its one image, as the
// system's loader makes it (the same pixels), without the loader's own display query to choose among images.
HICON LoadSizedIcon(HINSTANCE hInst, UINT nIconID, int cx, int cy)
{
    HRSRC hGroup = ::FindResourceW(hInst, MAKEINTRESOURCEW(nIconID), RT_GROUP_ICON);
    HGLOBAL hGroupData = hGroup != nullptr ? ::LoadResource(hInst, hGroup) : nullptr;
    const BYTE* pGroup = hGroupData != nullptr ? (const BYTE*)::LockResource(hGroupData) : nullptr;
    // The group: reserved, type and count words, then 14-byte entries (width, height, colours, reserved, planes,
    // bit count, bytes, image id); a width or height of 0 means 256.
    const DWORD kEntryAt = 6, kEntrySize = 14;
    if (pGroup != nullptr && ::SizeofResource(hInst, hGroup) >= kEntryAt + kEntrySize)
    {
        WORD nCount = 0, nImageID = 0;
        memcpy(&nCount, pGroup + 4, sizeof nCount);
        const BYTE* pEntry = pGroup + kEntryAt;
        memcpy(&nImageID, pEntry + 12, sizeof nImageID);
        const int cxEntry = pEntry[0] != 0 ? pEntry[0] : 256, cyEntry = pEntry[1] != 0 ? pEntry[1] : 256;
        HRSRC hImage = nCount == 1 && cxEntry == cx && cyEntry == cy
                           ? ::FindResourceW(hInst, MAKEINTRESOURCEW(nImageID), RT_ICON)
                           : nullptr;
        HGLOBAL hImageData = hImage != nullptr ? ::LoadResource(hInst, hImage) : nullptr;
        BYTE* pImage = hImageData != nullptr ? (BYTE*)::LockResource(hImageData) : nullptr;
        if (pImage != nullptr)
        {
            const DWORD kIconVersion = 0x00030000;
            if (HICON hIcon = ::CreateIconFromResourceEx(pImage, ::SizeofResource(hInst, hImage), TRUE, kIconVersion,
                                                         cx, cy, LR_DEFAULTCOLOR))
                return hIcon;
        }
    }
    return (HICON)::LoadImageW(hInst, MAKEINTRESOURCEW(nIconID), IMAGE_ICON, cx, cy, 0);
}
} // namespace

CMainFrame::CMainFrame() : m_bTopMost(FALSE), m_pBusyAnimation(nullptr), m_bHiddenToTray(FALSE), m_bPhoneBusy(FALSE)
{
    memset(&m_wpStored, 0, sizeof m_wpStored);
    m_wpStored.length = sizeof m_wpStored;
    m_wpStart = m_wpKept = m_wpStored;
    g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CThemeColor));
}

CMainFrame::~CMainFrame() {}

BOOL CMainFrame::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    // No menu is loaded for the window: the bar would take it off again, and a failed creation would leave it to
    // two owners.
    return LoadFrameWithMenu(nIDResource, dwDefaultStyle, pParentWnd, pContext, nullptr);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    m_bCreating = true;
    const int nResult = CreateFrame(lpCreateStruct);
    m_bCreating = false;
    if (nResult == 0)
        RecalcLayout();
    return nResult;
}

int CMainFrame::CreateFrame(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME), TRUE);
    // The menu's commands in the profile bound to this frame, before their icons are set.
    const CString strProfile = ProfileName();
    if (!g_CmdManagerHolder->CreateProfile(strProfile, m_hWnd) ||
        !g_CmdManagerHolder->UpdateFromMenuResource(strProfile, IDR_MAINFRAME))
        return -1;
    // The commands' icons before the tool bars, which take no image for a command that has one, and before the stored
    // state is read: a floating tool bar's frame is sized around them.
    SetCommandIcons();
    INITCOMMONCONTROLSEX icc = {sizeof icc,
                                ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_ANIMATE_CLASS};
    InitCommonControlsEx(&icc);
    // The stored bar state is read before the bars are made: each bar it docks is created in its dock bar.
    const CString strState = StateProfileName();
    CExtControlBar::ReadFrameBarState(this, kRegKey, strState, strState);
    // Named as the bar, not by its command's prompt, which a bar without a name would take.
    if (!m_wndMenuBar.Create(L"Menu Bar", this, kIdMenuBar, kBarStyle) || !m_wndMenuBar.LoadMenuBar(IDR_MAINFRAME))
        return -1;
    if (!m_wndFoldersBar.Create(L"Folders", this, kIdFoldersBar, kBarStyle) ||
        !m_wndFolderTree.Create(kTreeStyle, CRect(0, 0, 10, 10), &m_wndFoldersBar, kIdFoldersBar))
        return -1;
    if (!m_wndToolBar.Create(L"Standard Toolbar", this, kIdStandardToolBar, kBarStyle) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME, kToolBarTransparent))
        return -1;
    {
        CAppSettings settings;
        const SListColumnWidths widths = settings.GetColumnWidths();
        const int cx[CSmsListCtrl::kColumnCount] = {widths.nReaded, widths.nTgl, widths.nJam, widths.nPen, widths.nIsi};
        if (!m_wndSmsListBar.Create(L"SMS List", this, kIdSmsListBar, kBarStyle) ||
            !m_wndSmsList.CreateList(&m_wndSmsListBar, kIdSmsListBar, cx))
            return -1;
        m_wndSmsList.SetSortState(settings.GetSortListSms());
        m_wndSmsList.UpdateSortArrows();
    }
    if (!m_wndCorvaneBar.Create(L"Corvane Toolbar", this, kIdCorvaneToolBar, kBarStyle) ||
        !m_wndCorvaneBar.LoadToolBar(IDR_CORVANE_TOOLBAR, kToolBarTransparent))
        return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndCorvaneBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndFoldersBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndSmsListBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndMenuBar.EnableDocking(CBRS_ALIGN_ANY);
    if (!CExtControlBar::EnableFrameDocking(this))
        return -1;
    // The auto-hide areas, so that the bars' auto-hide buttons work.
    if (!CExtDynAutoHideArea::CreateFrameAreas(this))
        return -1;
    // The status bar exists before the stored state is applied, which holds whether it is shown.
    if (!CreateStatusBar())
        return -1;
    if (!CExtControlBar::LoadFrameBarState(this, kRegKey, strState, strState, &m_wpStored))
    {
        m_wpStored.showCmd = 0;
        DockControlBar(&m_wndMenuBar, AFX_IDW_DOCKBAR_TOP);
        DockControlBar(&m_wndToolBar, AFX_IDW_DOCKBAR_TOP);
        DockControlBar(&m_wndCorvaneBar, AFX_IDW_DOCKBAR_TOP);
        if (!m_wndFoldersBar.DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, this, false) ||
            !m_wndSmsListBar.DockAtSideCircle(AFX_IDW_DOCKBAR_TOP, 2, this, false))
            return -1;
        RecalcLayout();
    }
    // Menus always show every item.
    CExtPopupMenuWnd::g_bHideRarelyUsed = false;
    // Applied as the frame is activated: a window inside its creation is not in the window order yet, and a move
    // into the topmost band is lost.
    m_bTopMost = AfxGetApp()->GetProfileInt(L"Settings", L"IsTopWindow", 0) != 0;
    // A tray that refuses the icon does not stop the program: the icon comes with the task bar's
    // "TaskbarCreated", and until then nothing hides to the tray.
    CString strTip;
    strTip.LoadString(AFX_IDS_APP_TITLE);
    m_TrayIcon.Create(this, WM_APP_TRAY_NOTIFY, strTip, AfxGetApp()->LoadIcon(IDR_MAINFRAME), IDR_TRAY_MENU);
    m_TrayIcon.SetTargetWnd(this);
    return 0;
}

bool CMainFrame::CreateStatusBar()
{
    if (!m_wndStatus.Create(this, kStatusBarStyle, AFX_IDW_STATUS_BAR))
        return false;
    // The "LOG" pane among the indicators from the start: one set of panes, not a second one around it.
    static constexpr UINT panes[] = {ID_SEPARATOR, ID_SEPARATOR, kIdLogPane, kIdIndicatorCaps, kIdIndicatorNum};
    static_assert(panes[kPaneLog] == kIdLogPane, "the LOG pane's place");
    if (!m_wndStatus.SetIndicators(panes, 5))
        return false;
    m_wndStatus.SetPaneInfo(kPaneLog, kIdLogPane, SBPS_NORMAL, kLogButtonWidth);
    if (!m_wndLogButton.Create(L"LOG", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, CRect(0, 0, 0, 0),
                               &m_wndStatus, IDC_LOG_BUTTON))
        return false;
    m_wndLogButton.SetFont(m_wndStatus.GetFont());
    m_wndLogButton.SetFlat(true);
    // Adding the button placed it; the frame's layout places it again when the bar's size changes.
    if (!m_wndStatus.AddPaneControl(&m_wndLogButton, kIdLogPane, false))
        return false;
    RecalcLayout();
    // The indicators take their key states now, so that the shown bar keeps its texts.
    m_wndStatus.OnUpdateCmdUI(this, FALSE);
    return true;
}

void CMainFrame::SetCommandIcons()
{
    // All icons first; the frame is laid out and painted once when it is shown.
    for (const SCommandIcon& icon : kCommandIcons)
        SetProfileIcon(icon.nCmd, icon.nIcon, icon.nSize, icon.nSize);
}

void CMainFrame::RecalcLayout(BOOL bNotify)
{
    // While the frame is created its layout waits for the one pass at the end of creation.
    if (m_bCreating)
    {
        DelayRecalcLayout(bNotify);
        return;
    }
    if (!m_bInRecalcLayout)
        ++m_nLayouts;
    CFrameWnd::RecalcLayout(bNotify);
}

void CMainFrame::ActivateFrame(int nCmdShow)
{
    const bool bWasVisible = IsWindowVisible() != FALSE;
    // The band before the show (the frame shows with everything in it); a frame in it already is not moved.
    if (!bWasVisible && (m_bTopMost != FALSE) != ((GetExStyle() & WS_EX_TOPMOST) != 0))
        SetTopMost(m_bTopMost, false);
    // A stored placement comes with its show command, applied in one step (hiding the window
    // shown during creation first would cost a full unmap and map); that step is the show.
    if (m_wpStored.showCmd != 0)
    {
        BringOntoMonitor(m_wpStored);
        nCmdShow = (int)m_wpStored.showCmd;
        m_wpStored.length = sizeof m_wpStored;
        ::SetWindowPlacement(m_hWnd, &m_wpStored);
        m_wpStart = m_wpStored;
        m_wpStored.showCmd = 0;
        BringLastActivePopupToTop(nCmdShow, bWasVisible);
    }
    else
        CFrameWnd::ActivateFrame(nCmdShow);
    if (!IsIconic())
        m_wpStart.showCmd = 0;
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
    const CString strState = StateProfileName();
    CExtControlBar::SaveFrameBarState(this, kRegKey, strState, strState);
    g_CmdManagerHolder->UnbindWindowFromProfile(m_hWnd);
    AfxGetApp()->WriteProfileInt(L"Settings", L"IsTopWindow", m_bTopMost ? 1 : 0);
    return CFrameWnd::DestroyWindow();
}

bool CMainFrame::SetProfileIcon(UINT nCmdID, UINT nIconID, int cx, int cy)
{
    LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(m_hWnd);
    // A command the profile does not know takes no icon: none is loaded for it.
    if (g_CmdManagerHolder->LookupCommand(lpszProfile, nCmdID) == nullptr)
        return false;
    HICON hIcon = LoadSizedIcon(AfxGetResourceHandle(), nIconID, cx, cy);
    if (hIcon == nullptr)
        return false;
    const SIZE size = {cx, cy};
    const bool bSet = g_CmdManagerHolder->SetCommandIcon(lpszProfile, nCmdID, hIcon, false, &size);
    if (!bSet)
        ::DestroyIcon(hIcon);
    return bSet;
}

bool CMainFrame::SetCommandIcon(UINT nCmdID, UINT nIconID, int cx, int cy)
{
    const bool bSet = SetProfileIcon(nCmdID, nIconID, cx, cy);
    if (bSet && m_wndToolBar.GetSafeHwnd() != nullptr)
    {
        RecalcLayout();
        m_wndToolBar.RedrawWindow();
    }
    return bSet;
}

void CMainFrame::SetTopMost(BOOL bOn, bool bShow)
{
    CRect rc;
    GetWindowRect(&rc);
    ::SetWindowPos(m_hWnd, bOn ? HWND_TOPMOST : HWND_NOTOPMOST, rc.left, rc.top, rc.Width(), rc.Height(),
                   bShow ? SWP_SHOWWINDOW : SWP_NOACTIVATE);
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
    if (m_wndStatus.GetSafeHwnd() == nullptr)
        return;
    m_wndStatus.SetPaneText(nPane, strText);
    m_wndStatus.UpdateWindow();
}

CString CMainFrame::GetStatusText(int nPane) const
{
    return m_wndStatus.GetSafeHwnd() ? m_wndStatus.GetPaneText(nPane) : CString();
}

int CMainFrame::GetStatusPaneIndex() const
{
    return m_wndStatus.GetSafeHwnd() != nullptr && m_wndStatus.CommandToIndex(kIdBusyPane) == 1 ? kPaneStatus + 1
                                                                                                : kPaneStatus;
}

LRESULT CMainFrame::OnPhoneBusy(WPARAM wParam, LPARAM)
{
    m_bPhoneBusy = wParam != 0;
    if (wParam != 0)
    {
        CBusyAnimateCtrl* pAnimation = new CBusyAnimateCtrl;
        if (!pAnimation->Create(WS_CHILD | WS_VISIBLE | ACS_CENTER | ACS_TRANSPARENT | ACS_AUTOPLAY, CRect(0, 0, 0, 0),
                                &m_wndStatus, kIdBusyPane))
        {
            delete pAnimation;
            return 0;
        }
        pAnimation->Open(IDR_BUSY_ANIMATION);
        if (!m_wndStatus.AddPane(kIdBusyPane, 1))
        {
            pAnimation->DestroyWindow();
            MessageBox(L"Pane index out of range\nor pane with same ID already exists in the status bar", nullptr,
                       MB_ICONERROR);
            return 0;
        }
        m_pBusyAnimation = pAnimation;
        m_wndStatus.SetPaneInfo(1, kIdBusyPane, SBPS_NORMAL, kBusyPaneWidth);
        m_wndStatus.AddPaneControl(pAnimation, kIdBusyPane, true);
        m_wndStatus.RepositionPaneControls();
        return 1;
    }
    // Only the busy pane goes; without it nothing changes.
    if (m_wndStatus.CommandToIndex(kIdBusyPane) < 0)
        return 1;
    m_pBusyAnimation = nullptr;
    if (!m_wndStatus.RemovePane(kIdBusyPane))
    {
        CString strText;
        strText.Format(L"Pane %d was not found in the status bar \nor must be at least one of them.", 1);
        MessageBox(strText, nullptr, MB_ICONERROR);
        return 1;
    }
    m_wndStatus.RedrawStatusBar();
    return 1;
}

void CMainFrame::OnClose()
{
    if (CDlgImportSms::StopRunningImportForClose())
        return;
    CFrameWnd::OnClose();
}

void CMainFrame::OnEndSession(BOOL bEnding)
{
    CFrameWnd::OnEndSession(bEnding);
    if (!bEnding)
        return;
    CCorvane_smsApp* pApp = GetCorvaneApp();
    CCorvane_smsDoc* pDoc = pApp ? pApp->GetDoc() : nullptr;
    if (CDlgImportSms::IsImportRunning() && pDoc != nullptr)
    {
        // Between two of the import's lines: every record filed so far is whole.
        CString strError;
        pDoc->SaveData(strError);
    }
    OnClose();
}

void CMainFrame::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == SC_MINIMIZE && AfxGetApp()->GetProfileInt(L"Settings", L"IsHideToTray", 0) != 0 &&
        HideToTray())
    {
        m_bHiddenFromMinimize = true;
        return;
    }
    const bool bFirstRestore = (nID & 0xFFF0) == SC_RESTORE && m_wpStart.showCmd != 0 && IsIconic();
    WINDOWPLACEMENT wpStart = m_wpStart;
    const HWND hWnd = m_hWnd;
    CFrameWnd::OnSysCommand(nID, lParam);
    if (!bFirstRestore || !::IsWindow(hWnd) || ::IsIconic(hWnd))
        return;
    // Wine restores a window shown minimized with its placement where its X window lies when the window manager
    // maps it; Windows restores it at the placement's normal rectangle. The placement set again once the manager's
    // event is handled puts it there; what moves the window after that is the user's.
    WINDOWPLACEMENT wp = {sizeof wp};
    if (!::GetWindowPlacement(hWnd, &wp) || ::EqualRect(&wp.rcNormalPosition, &wpStart.rcNormalPosition))
        return;
    wpStart.showCmd = ::IsZoomed(hWnd) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    m_wpKept = wpStart;
    PostMessage(WM_APP_KEEP_PLACEMENT);
}

void CMainFrame::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CFrameWnd::OnWindowPosChanged(lpwndpos);
    if ((lpwndpos->flags & (SWP_NOMOVE | SWP_NOSIZE)) == (SWP_NOMOVE | SWP_NOSIZE) || IsIconic() || m_bKeepingPlacement)
        return;
    m_wpStart.showCmd = 0;
}

LRESULT CMainFrame::OnKeepPlacement(WPARAM, LPARAM)
{
    // Hidden to the tray or minimized again since the post: nothing to put back now.
    if (m_bHiddenToTray || IsIconic())
        return 0;
    const HWND hWnd = m_hWnd;
    m_bKeepingPlacement = true;
    SetWindowPlacement(&m_wpKept);
    if (::IsWindow(hWnd))
        m_bKeepingPlacement = false;
    return 0;
}

LRESULT CMainFrame::OnTrayNotify(WPARAM wParam, LPARAM lParam) { return m_TrayIcon.OnTrayNotification(wParam, lParam); }

BOOL CMainFrame::HideToTray()
{
    if (!m_TrayIcon.IsIconInTray())
        return FALSE;
    if (!m_TrayIcon.MinimiseToTray(this))
        return FALSE;
    m_bHiddenToTray = TRUE;
    m_bHiddenFromMinimize = false;
    return TRUE;
}

void CMainFrame::OnShowHideWindow()
{
    if (m_bHiddenToTray || !IsWindowVisible())
    {
        m_bHiddenToTray = FALSE;
        const HWND hWnd = m_hWnd;
        CSystemTray::MaximiseFromTray(this);
        // Wine: a minimize by the window manager that the frame answered with the hide leaves Wine holding the window
        // minimized, and it passes no place to the X window then; metacity withdrew it at its frame's place, above
        // by the title's height (a plain probe: top 90, 53, 16, 14 at the screen's top, 2 of 2 runs; a hide from the
        // normal state kept its place, 4 of 4 trips). Once shown the window is no longer held minimized, and a
        // placement at its own rectangle, which Wine sends to the X window even when it is unchanged, puts it back
        // (plain probe: at its place after 19 of 19 trips, 16 of them with a busy process per CPU).
        CRect rc;
        if (std::exchange(m_bHiddenFromMinimize, false) && ::IsWindow(hWnd) && ::GetWindowRect(hWnd, &rc))
            ::SetWindowPos(hWnd, nullptr, rc.left, rc.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
    else
        HideToTray();
}

void CMainFrame::ApplyTheme()
{
    g_PaintManagerHolder.InstallPaintManager(new CThemeColor);
    RecalcLayout();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME | RDW_UPDATENOW);
    CExtControlBar::RecalcAllFloatingFrames(this);
    CExtControlBar::RecalcAllBarFrames(this);
    CCorvane_smsApp* pApp = GetCorvaneApp();
    if (CCorvane_smsView* pView = pApp ? pApp->GetView() : nullptr)
        if (CExtPaintManager* pPM = g_PaintManagerHolder.GetPM())
            pView->m_wndSender.SetBkColour(pPM->GetTranslatedColor(XCLR_FACE_NORMAL));
}

BOOL CMainFrame::OnTheme(UINT nID)
{
    int nTheme = 0;
    switch (nID)
    {
    case ID_THEME_PINK: nTheme = 1; break;
    case ID_THEME_METALLIC: nTheme = 2; break;
    case ID_THEME_GREEN: nTheme = 3; break;
    case ID_THEME_CUSTOM: nTheme = kThemeCustom; break;
    default: break;
    }
    AfxGetApp()->WriteProfileInt(L"Settings", L"ThemeColor", nTheme);
    ApplyTheme();
    return TRUE;
}

void CMainFrame::OnUpdateTheme(CCmdUI* pCmdUI)
{
    const int nTheme = (int)AfxGetApp()->GetProfileInt(L"Settings", L"ThemeColor", 0);
    int nItem = -1;
    switch (pCmdUI->m_nID)
    {
    case ID_THEME_BLUE: nItem = 0; break;
    case ID_THEME_PINK: nItem = 1; break;
    case ID_THEME_METALLIC: nItem = 2; break;
    case ID_THEME_GREEN: nItem = 3; break;
    case ID_THEME_CUSTOM: nItem = kThemeCustom; break;
    default: return; // not a theme item
    }
    pCmdUI->Enable(TRUE);
    pCmdUI->SetRadio(nItem == nTheme);
}

void CMainFrame::OnTopMost()
{
    m_bTopMost = !m_bTopMost;
    SetTopMost(m_bTopMost);
}

void CMainFrame::OnUpdateTopMost(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bTopMost ? 1 : 0); }

BOOL CMainFrame::OnToolkitBarCheck(UINT nID)
{
    return CExtControlBar::HandleBarToggleCommand(this, nID) ? TRUE : FALSE;
}

void CMainFrame::OnUpdateToolkitBarCheck(CCmdUI* pCmdUI) { CExtControlBar::UpdateBarToggleCommand(this, pCmdUI); }

void CMainFrame::OnClearHistory()
{
    CAppSettings settings;
    for (int i = 0; i < kHistoryEntries; ++i)
        settings.SetHistory(i, CString());
    MessageBox(LoadText(IDS_HISTORY_CLEARED), L"OK", MB_OK);
}

void CMainFrame::OnDeleteAllSms()
{
    if (MessageBox(LoadText(IDS_DELETE_ALL_ASK), L"Confirmation", MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    if (MessageBox(LoadText(IDS_DELETE_ALL_ASK_AGAIN), L"Confirmation", MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    CCorvane_smsApp* pApp = GetCorvaneApp();
    CCorvane_smsDoc* pDoc = pApp ? pApp->GetDoc() : nullptr;
    if (pDoc == nullptr)
        return;
    SetRedraw(FALSE);
    pDoc->DeleteAllSms();
    SetRedraw(TRUE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    if (CCorvane_smsView* pView = pApp->GetView())
        pView->RefreshList();
}

void CMainFrame::OnRebuildContactNames()
{
    if (MessageBox(LoadText(IDS_REBUILD_CONTACTS_ASK), L"Confirmation", MB_YESNO) != IDYES)
        return;
    CCorvane_smsApp* pApp = GetCorvaneApp();
    CCorvane_smsDoc* pDoc = pApp ? pApp->GetDoc() : nullptr;
    CCorvane_smsView* pView = pApp ? pApp->GetView() : nullptr;
    if (pDoc == nullptr)
        return;
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    if (pView != nullptr)
    {
        pView->Invalidate();
        pView->UpdateWindow();
    }
    const CString strProgress = LoadText(IDS_REBUILD_CONTACTS_PROGRESS);
    int nCount = 0;
    {
        CSmsRecordsLock lock(pDoc);
        nCount = (int)pDoc->m_listSms.GetCount();
        int i = 1;
        for (POSITION pos = pDoc->m_listSms.GetHeadPosition(); pos != nullptr; ++i)
        {
            CSMS* pRecord = (CSMS*)pDoc->m_listSms.GetNext(pos);
            CString strText = strProgress;
            CString strPercent;
            strPercent.Format(L"%d", (int)((double)i / nCount * 100));
            strText.Replace(L"##", strPercent);
            SetStatusText(GetStatusPaneIndex(), strText);
            // A name that no contact matches stays: an alphanumeric sender ("Telkomsel") keeps its
            // name, so the message stays a received one.
            CString& strName =
                pRecord->m_strSenderName.IsEmpty() ? pRecord->m_strRecipientName : pRecord->m_strSenderName;
            const CString strNew = ContactNamesOf(
                pDoc, pRecord->m_strSenderName.IsEmpty() ? pRecord->m_strRecipientNumber : pRecord->m_strSenderNumber,
                strName);
            if (strNew != strName)
            {
                strName = strNew;
                pDoc->NoteStoredChange();
            }
        }
    }
    CString strText = strProgress;
    strText.Replace(L"##", L"100");
    SetStatusText(GetStatusPaneIndex(), strText);
    if (pView != nullptr)
        pView->RefreshList();
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    CString strDone = LoadText(IDS_REBUILD_CONTACTS_DONE);
    CString strCount;
    strCount.Format(L"%d", nCount);
    strDone.Replace(L"##", strCount);
    MessageBox(strDone, L"Success", MB_OK);
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
        CDlgMyText::StoreList(this, pDoc->GetMyTextFilePath(), dlg.m_pageMyText.m_arrText);
}

// ---- tool dialogs ------------------------------------------------------------------------------

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
