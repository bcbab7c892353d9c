// CSmsListCtrl: the owner-data message list, its texts, sorting and the selected message.
#include "app/SmsListCtrl.h"
#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/MainFrm.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include "phone/Corvane_smsDoc.h"
#include "res/app_ids.h"
#include <algorithm>
#include <cwchar>

IMPLEMENT_DYNAMIC(CSmsListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CSmsListCtrl, CListCtrl)
ON_WM_CREATE()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
ON_WM_CONTEXTMENU()
ON_REGISTERED_MESSAGE(CExtPopupMenuWnd::g_nMsgPrepareMenu, OnPrepareMenu)
ON_NOTIFY_REFLECT(LVN_GETDISPINFOW, OnGetDispInfo)
ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
END_MESSAGE_MAP()

namespace
{
const int kNameLimit = 250;

CCorvane_smsView* View()
{
    CCorvane_smsApp* pApp = GetCorvaneApp();
    return pApp ? pApp->GetView() : nullptr;
}

bool IsSentFolder()
{
    CCorvane_smsView* pView = View();
    return pView != nullptr && pView->GetSelectedFolder().CompareNoCase(SMS_FOLDER_SENT) == 0;
}

int Sign(int n) { return n < 0 ? -1 : (n > 0 ? 1 : 0); }

// The view's count of unread messages, one less.
void DecrementNewCount(CCorvane_smsView* pView)
{
    CString strCount;
    pView->m_wndCountNew.GetWindowText(strCount);
    strCount.Format(L"%d", _wtoi(strCount) - 1);
    pView->m_wndCountNew.SetWindowText(strCount);
}
} // namespace

CSmsListCtrl::CSmsListCtrl() : m_nSortState(0), m_cxColumns{} {}

CSmsListCtrl::~CSmsListCtrl() {}

BOOL CSmsListCtrl::CreateList(CWnd* pParent, UINT nID, const int (&cxColumns)[kColumnCount])
{
    std::copy(cxColumns, cxColumns + kColumnCount, m_cxColumns);
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                          LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_OWNERDATA;
    return Create(dwStyle, CRect(0, 0, 10, 10), pParent, nID);
}

int CSmsListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    // Its style, images and columns set up at once: each change of a drawn list lays the header out again.
    SetRedraw(FALSE);
    SetExtendedStyle(GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    if (m_imlSmall.Create(16, 16, ILC_COLOR8 | ILC_MASK, 8, 1))
    {
        CBitmap bmp;
        if (bmp.LoadDibSection(IDB_LIST_IMAGES))
            m_imlSmall.Add(&bmp, RGB(255, 0, 255));
        SetImageList(&m_imlSmall, LVSIL_SMALL);
    }
    if (m_imlHeader.Create(IDB_HEADER_IMAGES, 8, 8, RGB(255, 0, 255)))
        GetHeaderCtrl()->SetImageList(&m_imlHeader);
    // Each column once, at its final width.
    const wchar_t* const pszTitles[kColumnCount] = {L"", L"Tgl", L"Jam", L"Pengirim", L"Isi"};
    for (int i = 0; i < kColumnCount; ++i)
        InsertColumn(i, pszTitles[i], LVCFMT_LEFT, m_cxColumns[i]);
    SetRedraw(TRUE);
    return 0;
}

// ---- records -------------------------------------------------------------------------------------

void CSmsListCtrl::AddSms(int, CSMS* pRecord)
{
    if (pRecord == nullptr)
        return;
    INT_PTR i = m_arrRecords.Add(*pRecord);
    m_arrRecords[i].m_pSource = pRecord;
}

BOOL CSmsListCtrl::GetSmsAt(int nIndex, CSMS& record) const
{
    if (nIndex < 0 || nIndex >= m_arrRecords.GetSize())
        return FALSE;
    record = m_arrRecords[nIndex];
    record.m_pSource = m_arrRecords[nIndex].m_pSource;
    return TRUE;
}

void CSmsListCtrl::RemoveSmsAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_arrRecords.GetSize())
        return;
    m_arrRecords.RemoveAt(nIndex);
    SetItemCountEx((int)m_arrRecords.GetSize(), LVSICF_NOSCROLL);
}

void CSmsListCtrl::ClearRecords() { m_arrRecords.RemoveAll(); }

CSMS* CSmsListCtrl::GetLiveSource(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_arrRecords.GetSize())
        return nullptr;
    CSMS* pSource = m_arrRecords[nIndex].m_pSource;
    CCorvane_smsApp* pApp = GetCorvaneApp();
    CCorvane_smsDoc* pDoc = pApp ? pApp->GetDoc() : nullptr;
    if (pSource == nullptr || pDoc == nullptr)
        return nullptr;
    CSmsRecordsLock lock(pDoc);
    return pDoc->m_listSms.Find(pSource) != nullptr ? pSource : nullptr;
}

// ---- texts ----------------------------------------------------------------------------------------

CString CSmsListCtrl::FormatName(const CSMS& record)
{
    CString strName = record.m_strSenderName.IsEmpty() ? record.m_strRecipientName : record.m_strSenderName;
    strName = strName.Left(kNameLimit);
    // International numbers show their "+": longer than six characters, three digits first, no leading 0.
    if (strName.GetLength() > 6 && iswdigit(strName[0]) && iswdigit(strName[1]) && iswdigit(strName[2]) &&
        strName[0] != L'0')
        strName = L"+" + strName;
    return strName;
}

CString CSmsListCtrl::FormatText(const CSMS& record)
{
    CString strText = record.m_strText;
    strText.Remove(L'\r');
    strText.Remove(L'\n');
    return strText;
}

CString CSmsListCtrl::CellText(const CSMS& record, int nColumn)
{
    switch (nColumn)
    {
    case kColumnDate: return record.m_strDay + L"/" + record.m_strMonth + L"/" + record.m_strYear.Right(2);
    case kColumnTime: return record.m_strHour + L":" + record.m_strMinute;
    case kColumnName: return FormatName(record);
    case kColumnText: return FormatText(record);
    default: return CString();
    }
}

void CSmsListCtrl::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(pNMHDR)->item;
    if (item.iItem < 0 || item.iItem >= m_arrRecords.GetSize())
        return;
    const CSMS& record = m_arrRecords[item.iItem];
    if ((item.mask & LVIF_TEXT) && item.pszText != nullptr && item.cchTextMax > 0)
    {
        // Every text is cut to the room the request offers.
        const CString strText = CellText(record, item.iSubItem);
        wcsncpy(item.pszText, strText, item.cchTextMax - 1);
        item.pszText[std::min(item.cchTextMax - 1, strText.GetLength())] = L'\0';
    }
    if ((item.mask & LVIF_IMAGE) && item.iSubItem == kColumnRead)
        item.iImage = record.m_bRead ? 1 : 0;
}

// ---- sorting --------------------------------------------------------------------------------------

int CSmsListCtrl::Compare(const CSMS& a, const CSMS& b, int nState, bool bSentFolder)
{
    int n = 0;
    switch (nState < 0 ? -nState : nState)
    {
    case 1: // read before unread
        n = (a.m_bRead ? 0 : 1) - (b.m_bRead ? 0 : 1);
        break;
    case 2: // newest first
    {
        const CString* keysA[] = {&a.m_strYear, &a.m_strMonth,  &a.m_strDay,
                                  &a.m_strHour, &a.m_strMinute, &a.m_strSecond};
        const CString* keysB[] = {&b.m_strYear, &b.m_strMonth,  &b.m_strDay,
                                  &b.m_strHour, &b.m_strMinute, &b.m_strSecond};
        for (int i = 0; i < 6 && n == 0; ++i)
            n = -Sign(keysA[i]->Compare(*keysB[i]));
        if (n == 0)
            n = -Sign(a.m_nPart - b.m_nPart);
        break;
    }
    case 3:
        n = Sign(a.m_strHour.Compare(b.m_strHour));
        if (n == 0)
            n = Sign(a.m_strMinute.Compare(b.m_strMinute));
        if (n == 0)
            n = Sign(a.m_strSecond.Compare(b.m_strSecond));
        break;
    case 4:
        n = bSentFolder ? Sign(a.m_strRecipientName.CompareNoCase(b.m_strRecipientName))
                        : Sign(a.m_strSenderName.CompareNoCase(b.m_strSenderName));
        break;
    case 5: n = Sign(a.m_strText.CompareNoCase(b.m_strText)); break;
    default: return 0;
    }
    return nState < 0 ? -n : n;
}

void CSmsListCtrl::SortRecords()
{
    const int nState = m_nSortState;
    if (nState == 0 || nState < -5 || nState > 5 || m_arrRecords.GetSize() < 2)
        return;
    const bool bSent = IsSentFolder();
    CSMS* pFirst = m_arrRecords.GetData();
    std::stable_sort(pFirst, pFirst + m_arrRecords.GetSize(),
                     [&](const CSMS& a, const CSMS& b) { return Compare(a, b, nState, bSent) < 0; });
}

void CSmsListCtrl::UpdateSortArrows()
{
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (pHeader == nullptr)
        return;
    for (int i = 0; i < pHeader->GetItemCount(); ++i)
    {
        HDITEMW hdi = {};
        hdi.mask = HDI_FORMAT | HDI_IMAGE;
        pHeader->GetItem(i, &hdi);
        int nImage = -1;
        if (i == 0)
            nImage = 0;
        else if (m_nSortState == i + 1)
            nImage = 1;
        else if (m_nSortState == -(i + 1))
            nImage = 2;
        const int fmt =
            (hdi.fmt & ~(HDF_IMAGE | HDF_BITMAP_ON_RIGHT)) | (nImage >= 0 ? HDF_IMAGE | HDF_BITMAP_ON_RIGHT : 0);
        // A column that already shows its arrow (or none) is left alone: each change redraws the header.
        if (fmt == hdi.fmt && (nImage < 0 || hdi.iImage == nImage))
            continue;
        hdi.mask = HDI_FORMAT | HDI_IMAGE;
        hdi.fmt = fmt;
        hdi.iImage = nImage < 0 ? 0 : nImage;
        pHeader->SetItem(i, &hdi);
    }
}

void CSmsListCtrl::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    const int nColumn = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
    m_nSortState = m_nSortState == nColumn + 1 ? -(nColumn + 1) : nColumn + 1;
    UpdateSortArrows();
    if (m_arrRecords.GetSize() > 0)
    {
        SortRecords();
        Invalidate();
    }
    *pResult = 0;
}

// ---- the selected message -------------------------------------------------------------------------

int CSmsListCtrl::GetSingleSelection() const
{
    if (GetSelectedCount() != 1)
        return -1;
    const int nRow = GetNextItem(-1, LVNI_SELECTED);
    return nRow >= 0 && nRow < m_arrRecords.GetSize() ? nRow : -1;
}

void CSmsListCtrl::ShowSelectedMessage()
{
    const int nRow = GetSingleSelection();
    CCorvane_smsView* pView = View();
    if (nRow < 0 || pView == nullptr)
        return;
    const CSMS& record = m_arrRecords[nRow];
    pView->m_wndText.SetWindowText(record.m_strText);
    const bool bReceived = !record.m_strSenderName.IsEmpty();
    const CString& strName = bReceived ? record.m_strSenderName : record.m_strRecipientName;
    CString strNumber = bReceived ? record.m_strSenderNumber : record.m_strRecipientNumber;
    strNumber.Remove(L'+');
    const CString strField = strNumber.CompareNoCase(strName) != 0 ? strName + L"<" + strNumber + L">" : strNumber;
    CString strCaption;
    strCaption.LoadString(bReceived ? IDS_SENDER_FROM : IDS_SENDER_TO);
    pView->m_wndSenderCaption.SetWindowText(strCaption);
    pView->m_wndSender.SetWindowText(strField);
    MarkSelectedRead();
}

void CSmsListCtrl::MarkSelectedRead()
{
    const int nRow = GetSingleSelection();
    if (nRow < 0)
        return;
    // A row whose document record is gone changes nothing.
    CSMS* pSource = GetLiveSource(nRow);
    if (pSource == nullptr || pSource->m_bRead != 0)
        return;
    {
        // GetLiveSource found the record in the document: the data file must learn the mark.
        CCorvane_smsDoc* pDoc = GetCorvaneApp()->GetDoc();
        CSmsRecordsLock lock(pDoc);
        pSource->m_bRead = 1;
        pDoc->NoteStoredChange();
    }
    if (CCorvane_smsView* pView = View())
        DecrementNewCount(pView);
    CSMS copy(*pSource);
    copy.m_pSource = pSource;
    m_arrRecords[nRow] = copy;
    m_arrRecords[nRow].m_pSource = pSource;
    RedrawItems(nRow, nRow);
}

void CSmsListCtrl::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMLISTVIEW* pNM = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    if (!(pNM->uChanged & LVIF_STATE) || !((pNM->uNewState ^ pNM->uOldState) & LVIS_SELECTED))
        return;
    ShowSelectedMessage();
    if (GetSelectedCount() >= 2)
        if (CCorvane_smsView* pView = View())
            pView->m_wndText.SetWindowText(L" ");
}

void CSmsListCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const int nHit = HitTest(point);
    if (GetSelectedCount() > 0 && nHit >= 0)
        OpenRow(nHit);
    CListCtrl::OnLButtonDblClk(nFlags, point);
}

void CSmsListCtrl::OpenRow(int nRow)
{
    CCorvane_smsView* pView = View();
    if (pView == nullptr)
        return;
    SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    const CString strFolder = pView->GetSelectedFolder();
    UINT nMessage = 0;
    if (strFolder.CompareNoCase(SMS_FOLDER_INBOX) == 0)
        nMessage = WM_VIEW_REPLY;
    else if (strFolder.CompareNoCase(SMS_FOLDER_SENT) == 0)
        nMessage = WM_VIEW_RECOMPOSE;
    else if (strFolder.CompareNoCase(SMS_FOLDER_DRAFTS) == 0 || strFolder.CompareNoCase(SMS_FOLDER_OUTBOX) == 0)
        nMessage = WM_VIEW_EDIT;
    if (nMessage != 0)
        pView->PostMessage(nMessage);
}

void CSmsListCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const bool bPlain = GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_SHIFT) >= 0;
    const int nRow = GetNextItem(-1, LVNI_SELECTED);
    if (bPlain && nChar == VK_DELETE)
    {
        if (CCorvane_smsView* pView = View())
            pView->SendMessage(WM_COMMAND, ID_SMS_DELETE);
        return;
    }
    if (bPlain && nChar == VK_RETURN)
    {
        if (nRow >= 0)
            OpenRow(nRow);
        return;
    }
    CListCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT CSmsListCtrl::OnGetDlgCode()
{
    UINT nCode = CListCtrl::OnGetDlgCode();
    const MSG* pMsg = (const MSG*)GetCurrentMessage()->lParam;
    if (pMsg != nullptr && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        nCode |= DLGC_WANTMESSAGE;
    return nCode;
}

// ---- the context menu -------------------------------------------------------------------------------

namespace
{
// Commands of the context menus that the view handles.
const UINT kViewCommands[] = {ID_SMS_DELETE,      ID_SMS_REPLY,           ID_SMS_FORWARD,
                              ID_SMS_EDIT,        ID_SMS_RECOMPOSE,       ID_SMS_SEND_NOW,
                              ID_SMS_SEND_AGAIN,  ID_COPY_SENDER_NUMBER,  ID_COPY_RECIPIENT_NUMBER,
                              ID_REPLY_QUOTE,     ID_FORWARD_WITH_SENDER, ID_CALL_CONTACT,
                              ID_SAVE_TO_OUTLOOK, ID_QUICK_REPLY};

// Removes the command's item from the menu or its sub-menus.
void RemoveCommand(CExtPopupMenuWnd* pPopup, UINT nCmdID)
{
    const int nIndex = pPopup->FindItemByCmdId((int)nCmdID);
    if (nIndex >= 0)
    {
        pPopup->RemoveItem(nIndex);
        return;
    }
    for (int i = 0; i < pPopup->GetItemCount(); ++i)
        if (CExtPopupMenuWnd* pSub = pPopup->ItemGetPopup(i))
            RemoveCommand(pSub, nCmdID);
}
} // namespace

BOOL CSmsListCtrl::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CListCtrl::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CCorvane_smsView* pView = View();
    if (pView == nullptr || (nCode != CN_COMMAND && nCode != (int)CN_UPDATE_COMMAND_UI))
        return FALSE;
    for (UINT nCmd : kViewCommands)
        if (nCmd == nID)
            return pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    return FALSE;
}

void CSmsListCtrl::OnContextMenu(CWnd*, CPoint point)
{
    if (GetSelectedCount() == 0)
        return;
    if (point.x == -1 && point.y == -1)
    {
        // From the keyboard: at the selected row.
        CRect rcRow;
        GetItemRect(GetNextItem(-1, LVNI_SELECTED), &rcRow, LVIR_LABEL);
        point = rcRow.CenterPoint();
        ClientToScreen(&point);
    }
    CExtPopupMenuWnd* pPopup = new CExtPopupMenuWnd;
    if (!pPopup->LoadMenuResource(m_hWnd, IDR_SMS_CONTEXT) ||
        !pPopup->TrackPopupMenu(CExtPopupMenuWnd::TRACK_NO_ANIMATION, point.x, point.y))
        delete pPopup;
}

LRESULT CSmsListCtrl::OnPrepareMenu(WPARAM wParam, LPARAM)
{
    auto* pData = reinterpret_cast<CExtPopupMenuWnd::MsgPrepareMenuData_t*>(wParam);
    if (pData == nullptr || pData->m_pPopup == nullptr)
        return 0;
    PrepareContextMenu(pData->m_pPopup);
    // The inserted items take their states now.
    pData->m_nFlags |= CExtPopupMenuWnd::MsgPrepareMenuData_t::PREPARE_UPDATE_AGAIN;
    return 1;
}

void CSmsListCtrl::PrepareContextMenu(CExtPopupMenuWnd* pPopup)
{
    CExtPopupMenuWnd* pTools = new CExtPopupMenuWnd;
    if (!pTools->LoadMenuResource(m_hWnd, IDR_SMS_TOOLS) || !pPopup->InsertSubMenu(pTools, -1, L"Tools"))
        delete pTools;
    if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(GetParentFrame()))
    {
        pFrame->SetCommandIcon(ID_COPY_SENDER_NUMBER, IDI_COPY_NUMBER, 16, 16);
        pFrame->SetCommandIcon(ID_COPY_RECIPIENT_NUMBER, IDI_COPY_NUMBER, 16, 16);
        pFrame->SetCommandIcon(ID_REPLY_QUOTE, IDI_REPLY_QUOTE, 16, 16);
        pFrame->SetCommandIcon(ID_FORWARD_WITH_SENDER, IDI_FORWARD_NAME, 16, 16);
        pFrame->SetCommandIcon(ID_CALL_CONTACT, IDI_CALL_CONTACT, 16, 16);
        pFrame->SetCommandIcon(ID_SAVE_TO_OUTLOOK, IDI_SAVE_CONTACT, 16, 16);
    }
    const int nRow = GetSingleSelection();
    if (nRow < 0)
        return;
    const CSMS& record = m_arrRecords[nRow];
    if (record.m_strRecipientName.IsEmpty() || record.m_strRecipientNumber.IsEmpty())
    {
        // A received message: nothing to send, edit or copy as a recipient.
        for (UINT nCmd : {ID_SMS_SEND_NOW, ID_SMS_RECOMPOSE, ID_COPY_RECIPIENT_NUMBER, ID_SMS_EDIT})
            RemoveCommand(pPopup, nCmd);
    }
    else
    {
        for (UINT nCmd : {ID_SMS_EDIT, ID_COPY_SENDER_NUMBER, ID_REPLY_QUOTE})
            RemoveCommand(pPopup, nCmd);
    }
    CCorvane_smsView* pView = View();
    if (pView == nullptr || pView->GetSelectedFolder().CompareNoCase(SMS_FOLDER_SENT) != 0)
        RemoveCommand(pPopup, ID_SMS_SEND_AGAIN);
}
