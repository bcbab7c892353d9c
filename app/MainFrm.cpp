// CMainFrame: the frame's layout, the message list, the status bar and the busy state.
#include "app/MainFrm.h"
#include "app/Corvane_sms.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/PostedText.h"
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
} // namespace

CMainFrame::CMainFrame() : m_hList(nullptr), m_hStatus(nullptr), m_strFolder(SMS_FOLDER_INBOX), m_bPhoneBusy(FALSE) {}

CMainFrame::~CMainFrame() {}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    m_hList =
        CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 0,
                        0, 10, 10, m_hWnd, (HMENU)(INT_PTR)kListId, AfxGetInstanceHandle(), nullptr);
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
    m_hStatus = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, m_hWnd,
                                (HMENU)(INT_PTR)kStatusId, AfxGetInstanceHandle(), nullptr);
    int parts[3] = {200, 300, -1};
    ::SendMessageW(m_hStatus, SB_SETPARTS, 3, (LPARAM)parts);
    return 0;
}

void CMainFrame::RecalcLayout(BOOL bNotify)
{
    CFrameWnd::RecalcLayout(bNotify);
    if (!m_hList || !m_hStatus)
        return;
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    ::SendMessageW(m_hStatus, WM_SIZE, 0, 0);
    RECT sb;
    ::GetWindowRect(m_hStatus, &sb);
    int bottom = rc.bottom - (sb.bottom - sb.top);
    int split = rc.top + (bottom - rc.top) / 2;
    if (HWND hView = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST))
        ::MoveWindow(hView, 0, rc.top, rc.right, split - rc.top, TRUE);
    ::MoveWindow(m_hList, 0, split, rc.right, bottom - split, TRUE);
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

void CMainFrame::SetStatusText(int nPane, const CString& strText)
{
    if (m_hStatus)
        ::SendMessageW(m_hStatus, SB_SETTEXTW, nPane, (LPARAM)(LPCWSTR)strText);
}

CString CMainFrame::GetStatusText(int nPane) const
{
    if (!m_hStatus)
        return CString();
    wchar_t buf[512] = {};
    if (LOWORD(::SendMessageW(m_hStatus, SB_GETTEXTLENGTHW, nPane, 0)) >= 512)
        return CString();
    ::SendMessageW(m_hStatus, SB_GETTEXTW, nPane, (LPARAM)buf);
    return CString(buf);
}

LRESULT CMainFrame::OnPhoneBusy(WPARAM wParam, LPARAM)
{
    m_bPhoneBusy = wParam != 0;
    SetStatusText(1, m_bPhoneBusy ? L"..." : L"");
    return 0;
}
