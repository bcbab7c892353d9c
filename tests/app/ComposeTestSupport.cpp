// The compose window's test fixture: opening, reading and driving the window.
#include "ComposeTestSupport.h"
#include "phone/AppSettings.h"
#include "tests/support/InputScript.h"

using namespace phonetest;

namespace composetest
{
void ComposeTest::ResetSmsSettings()
{
    CAppSettings settings;
    settings.SetIsSmsPrefix(0);
    settings.SetSmsPrefix(L"");
    settings.SetIsSaveSmsPrefix(0);
    settings.SetSignature(L"");
    settings.SetIsCutQuotedSms(0);
    settings.SetNumCutQuotedSms(40);
    settings.SetDialogSmsPos(300, 300);
    // No history from an earlier test.
    if (HKEY hKey = AfxGetApp()->GetAppRegistryKey())
    {
        AfxGetApp()->DelRegTree(hKey, L"History");
        ::RegCloseKey(hKey);
    }
}

void ComposeTest::Open(const wchar_t* pszMode, const CSMS* pSource, int bQuote, int bWithSender, int bSignature)
{
    Close();
    dlg.reset(new CDlgComposeSms);
    dlg->m_strMode = pszMode;
    dlg->SetSource(pSource);
    dlg->m_bQuote = bQuote;
    dlg->m_bWithSender = bWithSender;
    dlg->m_bSignature = bSignature;
    ASSERT_TRUE(dlg->Create(IDD_COMPOSE_SMS, nullptr));
    dlg->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(dlg->m_hWnd);
    SettleInput();
}

void ComposeTest::Close()
{
    if (dlg && dlg->GetSafeHwnd() != nullptr)
        dlg->DestroyWindow();
    dlg.reset();
}

CSMS ComposeTest::Inbox(const wchar_t* name, const wchar_t* number, const CString& text)
{
    CSMS r;
    r.m_strSenderName = name;
    r.m_strSenderNumber = number;
    r.m_strText = text;
    r.m_strFolder = L"Inbox";
    r.m_strDay = L"01", r.m_strMonth = L"02", r.m_strYear = L"05";
    r.m_strHour = L"08", r.m_strMinute = L"09", r.m_strSecond = L"10";
    return r;
}

CSMS ComposeTest::Outbox(const wchar_t* names, const wchar_t* numbers, const CString& text)
{
    return phonetest::Outbox(names, numbers, text);
}

CRect ComposeTest::ChildRect(const CWnd& child) const
{
    CRect rc;
    child.GetWindowRect(&rc);
    dlg->ScreenToClient(&rc);
    return rc;
}

void ComposeTest::TypeText(const wchar_t* pszText)
{
    // Each character is handled by the focus window before the next is sent.
    RunInputScript([&] { SendTextInput(pszText); });
}

void ComposeTest::ClickButton(CWnd& wnd, UINT nId)
{
    CWnd* pButton = wnd.GetDlgItem((int)nId);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)(pButton ? pButton->m_hWnd : nullptr));
}

void ComposeTest::Notify(UINT nId, UINT nCode, CWnd& control)
{
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(nId, nCode), (LPARAM)control.m_hWnd);
}

void ComposeTest::AddContacts()
{
    CCorvane_smsDoc& doc = host->m_doc;
    doc.m_arrContacts.Add(CContactItem(L"Budi<62811>,MOB", L""));
    doc.m_arrContacts.Add(CContactItem(L"Ani Kantor<0812>,WK1", L"Kantor"));
    doc.m_arrContacts.Add(CContactItem(L"ani kecil<0813>,mob", L"Keluarga"));
    doc.m_arrContacts.Add(CContactItem(L"Citra<0814>,CAR", L"kantor"));
    doc.m_arrContacts.Add(CContactItem(L"Dodi<0815>,HM1", L""));
    doc.m_strCategoryList = L"Keluarga| Kantor |||";
}

void ComposeTest::SelectRows(const std::vector<int>& rows)
{
    dlg->m_wndContacts.SetItemState(-1, 0, LVIS_SELECTED);
    for (int i : rows)
        dlg->m_wndContacts.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
}

std::vector<CString> ComposeTest::Rows() const
{
    std::vector<CString> out;
    for (int i = 0; i < dlg->m_wndContacts.GetRowCount(); ++i)
        out.push_back(Row(i));
    return out;
}

int ComposeTest::Octet(const std::string& sent, int i)
{
    std::string pdu = sent.substr(sent.rfind(' ') + 1);
    return std::stoi(pdu.substr((size_t)i * 2, 2), nullptr, 16);
}

std::string ComposeTest::Destination(const std::string& sent)
{
    std::string pdu = sent.substr(sent.rfind(' ') + 1);
    int n = Octet(sent, 3);
    std::string out;
    for (int i = 0; i < (n + 1) / 2; ++i)
    {
        out += pdu[10 + i * 2 + 1];
        out += pdu[10 + i * 2];
    }
    if (!out.empty() && out.back() == 'F')
        out.pop_back();
    return out;
}
} // namespace composetest
