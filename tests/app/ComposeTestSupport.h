// The compose window's tests: a host with the simulated phone and a compose window opened
// without a modal loop, with helpers to read and drive its controls.
#pragma once
#include "phone/PhoneLinkTestSupport.h"

#include "app/DlgComposeSms.h"
#include "phone/Corvane_smsDoc.h"
#include "platform/Dc.h"
#include "res/app_ids.h"
#include "support/DibCanvas.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace composetest
{
inline CString Text(const CWnd& wnd)
{
    CString s;
    wnd.GetWindowText(s);
    return s;
}

// A message box handler for one scope: every box is logged and answered with nAnswer.
class AnswerBoxes
{
public:
    explicit AnswerBoxes(int nAnswer) : m_nAnswer(nAnswer)
    {
        m_previous = SetMessageBoxHandler([this](HWND, LPCWSTR text, LPCWSTR title, UINT type) {
            boxes.push_back({CString(text), CString(title ? title : L""), type});
            return m_nAnswer;
        });
    }
    ~AnswerBoxes() { SetMessageBoxHandler(m_previous); }
    struct Box
    {
        CString text, title;
        UINT type;
    };
    std::vector<Box> boxes;

private:
    int m_nAnswer;
    MessageBoxHandler m_previous;
};

struct ComposeTest : phonetest::HostTest
{
    void SetUp() override
    {
        HostTest::SetUp();
        if (IsSkipped())
            return;
        host->m_doc.SetMyTextFilePath(folder + L"MyText.dat");
        SetPhoneHost(host.get());
        phonetest::SetSetting(L"isSaveToSent", 1);
        phonetest::SetSetting(L"noFilter", 0);
        phonetest::SetSetting(L"noCategoryContact", 0);
        ResetSmsSettings();
        ASSERT_TRUE(phonetest::SimPhone::Load("basic"));
    }
    void TearDown() override
    {
        Close();
        ResetSmsSettings();
        SetPhoneHost(nullptr);
        HostTest::TearDown();
    }
    static void ResetSmsSettings();

    // Opens the window as the view would, without its modal loop.
    void Open(const wchar_t* pszMode, const CSMS* pSource, int bQuote, int bWithSender, int bSignature);
    void Close();
    static CSMS Inbox(const wchar_t* name, const wchar_t* number, const CString& text);
    static CSMS Outbox(const wchar_t* names, const wchar_t* numbers, const CString& text);
    // A child's rectangle in the window's client coordinates.
    CRect ChildRect(const CWnd& child) const;
    // Types the text into the focus window (real key input); it returns once every character is handled.
    static void TypeText(const wchar_t* pszText);
    // A BN_CLICKED of the control to the window.
    static void ClickButton(CWnd& dlg, UINT nId);
    void Notify(UINT nId, UINT nCode, CWnd& control);
    // Five contacts of kinds and categories the filters tell apart.
    void AddContacts();
    void SelectRows(const std::vector<int>& rows);
    CString Row(int i) const { return dlg->m_wndContacts.GetRow(i).m_strText; }
    std::vector<CString> Rows() const;

    // Octet i of a sent PDU ("<length> <mr> <pdu>"); its destination digits.
    static int Octet(const std::string& sent, int i);
    static std::string Destination(const std::string& sent);

    std::unique_ptr<CDlgComposeSms> dlg;
};
} // namespace composetest
