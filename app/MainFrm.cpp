// CMainFrame: the frame's layout, the message list, the status bar and the busy state.
#include "app/MainFrm.h"
#include "app/Corvane_sms.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/PostedText.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include <commctrl.h>

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_APP_PHONE_BUSY, OnPhoneBusy)
END_MESSAGE_MAP()

namespace
{
const int kListId = 0xE901;
const int kStatusId = 0xE902;
const int kPaneWidths[2] = {190, 90}; // the first two status panes (text width); the third stretches
} // namespace

CMainFrame::CMainFrame() : m_hList(nullptr), m_strFolder(SMS_FOLDER_INBOX), m_bPhoneBusy(FALSE)
{
    g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CExtPaintManagerOffice2003));
}

CMainFrame::~CMainFrame() {}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    // The status bar first: the layout gives it the bottom strip before the list takes its half.
    if (!m_wndStatus.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, kStatusId))
        return -1;
    const UINT panes[] = {ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR};
    m_wndStatus.SetIndicators(panes, 3);
    m_wndStatus.SetPaneInfo(0, ID_SEPARATOR, SBPS_NORMAL, kPaneWidths[0]);
    m_wndStatus.SetPaneInfo(1, ID_SEPARATOR, SBPS_NORMAL, kPaneWidths[1]);
    m_wndStatus.SetPaneInfo(2, ID_SEPARATOR, SBPS_STRETCH, 0);
    m_hList =
        CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 0,
                        0, 10, 10, m_hWnd, (HMENU)(INT_PTR)kListId, AfxGetInstanceHandle(), nullptr);
    if (m_hList == nullptr || !m_wndListPane.SubclassWindow(m_hList))
        return -1;
    const wchar_t* titles[] = {L"Tgl", L"Jam", L"Pengirim", L"Isi"};
    const int widths[] = {60, 50, 85, 300};
    for (int i = 0; i < 4; ++i)
    {
        LVCOLUMNW col = {};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.pszText = (LPWSTR)titles[i];
        col.cx = widths[i];
        ::SendMessageW(m_hList, LVM_INSERTCOLUMNW, i, (LPARAM)&col);
    }
    RecalcLayout();
    return 0;
}

void CMainFrame::InsertSms(int nPos, CSMS* pRecord)
{
    if (!m_hList || !pRecord)
        return;
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = nPos;
    CString strDate = pRecord->m_strDay + L"/" + pRecord->m_strMonth + L"/" + pRecord->m_strYear;
    item.pszText = (LPWSTR)(LPCWSTR)strDate;
    item.lParam = (LPARAM)pRecord;
    int i = (int)::SendMessageW(m_hList, LVM_INSERTITEMW, 0, (LPARAM)&item);
    if (i < 0)
        return;
    CString texts[3] = {pRecord->m_strHour + L":" + pRecord->m_strMinute,
                        pRecord->m_strSenderName.IsEmpty() ? pRecord->m_strRecipientName : pRecord->m_strSenderName,
                        pRecord->m_strText};
    for (int c = 0; c < 3; ++c)
    {
        LVITEMW sub = {};
        sub.iSubItem = c + 1;
        sub.pszText = (LPWSTR)(LPCWSTR)texts[c];
        ::SendMessageW(m_hList, LVM_SETITEMTEXTW, i, (LPARAM)&sub);
    }
}

void CMainFrame::ShowFolder(const CString& strFolder)
{
    m_strFolder = strFolder;
    if (!m_hList)
        return;
    ::SendMessageW(m_hList, LVM_DELETEALLITEMS, 0, 0);
    CCorvane_smsApp* pApp = GetCorvaneApp();
    CCorvane_smsDoc* pDoc = pApp ? pApp->GetDoc() : nullptr;
    if (!pDoc)
        return;
    CSmsRecordsLock lock(pDoc);
    int n = 0;
    POSITION pos = pDoc->m_listSms.GetHeadPosition();
    while (pos)
    {
        CSMS* p = (CSMS*)pDoc->m_listSms.GetNext(pos);
        if (p->m_strFolder.CompareNoCase(strFolder) == 0)
            InsertSms(n++, p);
    }
}

int CMainFrame::GetListCount() const { return m_hList ? (int)::SendMessageW(m_hList, LVM_GETITEMCOUNT, 0, 0) : 0; }

CString CMainFrame::GetListItemText(int nRow, int nColumn) const
{
    if (!m_hList)
        return CString();
    wchar_t buf[1024] = {};
    LVITEMW item = {};
    item.iSubItem = nColumn;
    item.pszText = buf;
    item.cchTextMax = 1024;
    ::SendMessageW(m_hList, LVM_GETITEMTEXTW, nRow, (LPARAM)&item);
    return CString(buf);
}

void CMainFrame::SetStatusText(int nPane, const CString& strText) { m_wndStatus.SetPaneText(nPane, strText); }

CString CMainFrame::GetStatusText(int nPane) const { return m_wndStatus.GetPaneText(nPane); }

LRESULT CMainFrame::OnPhoneBusy(WPARAM wParam, LPARAM)
{
    m_bPhoneBusy = wParam != 0;
    SetStatusText(1, m_bPhoneBusy ? L"..." : L"");
    return 0;
}
