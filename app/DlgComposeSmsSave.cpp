// CDlgComposeSms: saving to "Drafts" and "Outbox", the send from the window, and the position.
#include "app/DlgComposeSms.h"
#include "app/EventSounds.h"
#include "phone/AppSettings.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/PhoneHost.h"
#include "phone/PhoneUse.h"
#include "phone/StoreHelpers.h"
#include "phone/UnicodeTextFile.h"
#include "res/app_ids.h"
#include "res/phone_ids.h"
#include "toolkit/foundation/ExtCmdManager.h"

namespace
{

// The fields that identify an edited record without a back-pointer.
bool SameStoredRecord(const CSMS& a, const CSMS& b, bool bOutbox)
{
    if (a.m_strSenderName != b.m_strSenderName || a.m_strHour != b.m_strHour || a.m_strMinute != b.m_strMinute ||
        a.m_strSecond != b.m_strSecond)
        return false;
    return !bOutbox || (a.m_strRecipientNumber == b.m_strRecipientNumber && a.m_strText == b.m_strText);
}
} // namespace

void CDlgComposeSms::SplitRecipientField(const CString& strField, CString& strNames, CString& strNumbers)
{
    strNames.Empty();
    strNumbers.Empty();
    CCorvane_smsDoc* pDoc = GetDoc();
    int nStart = 0;
    bool bFirst = true;
    while (nStart <= strField.GetLength())
    {
        const int nSemi = strField.Find(L';', nStart);
        const CString strPart = nSemi >= 0 ? strField.Mid(nStart, nSemi - nStart) : strField.Mid(nStart);
        CString strName, strNumber;
        const int nLt = strPart.Find(L'<'), nGt = strPart.Find(L'>');
        if (nLt >= 0 && nGt > nLt && !StartsWithFourDigits(strPart))
        {
            strName = strPart.Left(nLt);
            strNumber = strPart.Mid(nLt + 1, nGt - nLt - 1);
        }
        else
        {
            strNumber = strPart;
            strName = pDoc ? pDoc->FindContactName(strPart) : strPart;
        }
        strName.Replace(L';', L' ');
        if (!bFirst)
        {
            strNames += L";";
            strNumbers += L";";
        }
        strNames += strName;
        strNumbers += strNumber;
        bFirst = false;
        if (nSemi < 0)
            break;
        nStart = nSemi + 1;
    }
}

void CDlgComposeSms::SaveToFolder(const wchar_t* pszFolder)
{
    PlayTapIconSound();
    CString strField, strMessage;
    m_wndRecipients.GetWindowText(strField);
    m_wndText.GetWindowText(strMessage);
    SYSTEMTIME st;
    GetLocalTime(&st);
    CSMS record;
    record.m_strDay = TwoDigitField(st.wDay);
    record.m_strMonth = TwoDigitField(st.wMonth);
    CString strYear;
    strYear.Format(L"%d", st.wYear);
    record.m_strYear = strYear.Right(2);
    record.m_strHour = TwoDigitField(st.wHour);
    record.m_strMinute = TwoDigitField(st.wMinute);
    record.m_strSecond = TwoDigitField(st.wSecond);
    SplitRecipientField(strField, record.m_strRecipientName, record.m_strRecipientNumber);
    record.m_strText = strMessage;
    record.m_strFolder = pszFolder;
    record.m_bRead = 1;
    record.m_bLinked = 0;
    record.m_bFlash = m_wndFlash.GetCheck() == BST_CHECKED ? 1 : 0;
    record.RebuildKey();
    StorePartial(record);

    const bool bEdited = m_pSource != nullptr && m_strMode.CompareNoCase(L"Forward") != 0 &&
                         m_strMode.CompareNoCase(L"Reply") != 0 && m_strMode != L"ReCompose";
    if (CCorvane_smsDoc* pDoc = GetDoc())
    {
        {
            CSmsRecordsLock lock(pDoc);
            pDoc->NoteRecordsChanged();
            if (!bEdited)
                pDoc->m_listSms.AddTail(new CSMS(record));
            else
            {
                // The edited record: the one the source points back at while the document holds it,
                // else (a source without a back-pointer) the first with the same identifying fields.
                CSMS* pTarget = nullptr;
                if (m_pSource->m_pSource != nullptr)
                {
                    if (pDoc->m_listSms.Find(m_pSource->m_pSource) != nullptr)
                        pTarget = m_pSource->m_pSource;
                }
                else
                {
                    const bool bOutbox = wcscmp(pszFolder, SMS_FOLDER_OUTBOX) == 0;
                    for (POSITION pos = pDoc->m_listSms.GetHeadPosition(); pos != nullptr && pTarget == nullptr;)
                    {
                        CSMS* p = (CSMS*)pDoc->m_listSms.GetNext(pos);
                        if (SameStoredRecord(*p, *m_pSource, bOutbox))
                            pTarget = p;
                    }
                }
                if (pTarget != nullptr)
                {
                    pTarget->SetOwnMessage(record, record.m_strText, record.m_strRecipientNumber,
                                           record.m_strRecipientName, record.m_strFolder, record.m_bFlash);
                    StorePartial(*pTarget);
                }
            }
        }
        // Saved at once with the store's safe save (which reports its own failure): a message in
        // the Outbox or Drafts survives a crash.
        pDoc->SaveData();
    }
    EndDialog(IDOK);
}

void CDlgComposeSms::OnSaveDraft() { SaveToFolder(SMS_FOLDER_DRAFTS); }

void CDlgComposeSms::OnSaveOutbox() { SaveToFolder(SMS_FOLDER_OUTBOX); }

// ---- the send from the window ----------------------------------------------------------------------

void CDlgComposeSms::OnSend()
{
    PlayTapIconSound();
    m_bInteractive = 1;
    m_wndFlash.ShowWindow(SW_HIDE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Never while a phone job holds the port.
    CPhoneUse phoneUse;
    if (!phoneUse.ClaimForGui())
        return;
    const int nResult = SendSms();
    phoneUse.Release();
    if (nResult == 1)
        EndDialog(IDOK);
}

BOOL CDlgComposeSms::ReadInput(CString& strRecipients, CString& strMessage, int& bFlash)
{
    if (!m_bInteractive || m_hWnd == nullptr)
        return CSmsComposer::ReadInput(strRecipients, strMessage, bFlash);
    m_wndRecipients.GetWindowText(strRecipients);
    strRecipients.Remove(L'+');
    if (strRecipients.IsEmpty())
    {
        MessageBox(L"Kolom 'Tujuan' belum diisi !", L"Konfirmasi", MB_OK);
        return FALSE;
    }
    m_wndText.GetWindowText(strMessage);
    if (strMessage.IsEmpty() &&
        MessageBox(L"Pesan yang akan dikirim belum diisi ! Apakah anda ingin mengirim pesan ini ?", L"Konfirmasi",
                   MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return FALSE;
    bFlash = m_wndFlash.GetCheck() == BST_CHECKED ? 1 : 0;
    return TRUE;
}

void CDlgComposeSms::RefuseRecipients(const CString& strBad)
{
    if (!m_bInteractive || m_hWnd == nullptr)
    {
        CSmsComposer::RefuseRecipients(strBad);
        return;
    }
    MessageBox(FormatResourceText(IDS_PHONE_BAD_RECIPIENT, strBad), L"Konfirmasi", MB_OK);
}

void CDlgComposeSms::ReportPartialSend(const CString& strKept, const CString& strReport)
{
    m_wndRecipients.SetWindowText(strKept);
    MessageBox(strReport, L"Error", MB_OK | MB_ICONWARNING);
}

BOOL CDlgComposeSms::ConfirmUnsendable(const CString& strChars, CUnicodeTextWriter& log)
{
    if (!m_bInteractive || m_hWnd == nullptr)
        return CSmsComposer::ConfirmUnsendable(strChars, log);
    CString strList;
    for (int i = 0; i < strChars.GetLength(); ++i)
    {
        if (i > 0)
            strList += L" ";
        strList += strChars[i];
    }
    const CString strText = L"Karakter berikut tidak dapat dikirim apa adanya dan akan diterima sebagai \"?\" atau "
                            L"\"_\": " +
                            strList + L"\nKirim juga?";
    return MessageBox(strText, L"Konfirmasi", MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

void CDlgComposeSms::Announce(const CString& strText)
{
    if (!m_bInteractive || m_hWnd == nullptr)
    {
        CSmsComposer::Announce(strText);
        return;
    }
    // The steps of a send in the window show in its status pane.
    m_strLastStatus = strText;
    m_strLastStatus.TrimRight(L"\r\n");
    if (m_wndStatusBar.GetSafeHwnd() != nullptr)
    {
        m_wndStatusBar.SetPaneText(0, m_strLastStatus);
        m_wndStatusBar.UpdateWindow();
    }
}

// ---- position ------------------------------------------------------------------------------------

void CDlgComposeSms::SavePosition()
{
    // A minimised window's position is not its own.
    if (IsIconic())
        return;
    CRect rc;
    GetWindowRect(&rc);
    CAppSettings settings;
    settings.SetDialogSmsPos(rc.left, rc.top);
}

void CDlgComposeSms::OnDestroy()
{
    SavePosition();
    g_CmdManagerHolder->UnbindWindowFromProfile(m_hWnd);
    CExtResizableDialog::OnDestroy();
}
