// Hyperlink: colours by state, underline, empty text, opener order by prefix, the real openers
// through test associations (never a browser), the failure texts and the button mode.
#include "ControlsTestSupport.h"
#include "support/MessageBoxCapture.h"
#include "toolkit/menus_dialogs/ExtHyperLinkButton.h"
#include <string>

namespace
{
// Records the openers tried and answers as told.
class CRecordingLink : public CExtHyperLinkButton
{
public:
    bool OpenByInternetShortcut(LPCTSTR lpszTarget, int, bool bShowError) override
    {
        return Record('S', lpszTarget, bShowError);
    }
    bool OpenTarget(LPCTSTR lpszTarget, int, bool bShowError) override { return Record('T', lpszTarget, bShowError); }
    bool OpenByAssociation(LPCTSTR lpszTarget, int, bool bShowError) override
    {
        return Record('A', lpszTarget, bShowError);
    }
    bool Record(char chOpener, LPCTSTR lpszTarget, bool bShowError)
    {
        m_sOrder += chOpener;
        m_sLastTarget = lpszTarget;
        m_bAnyShowError |= bShowError;
        return m_sSucceeds.find(chOpener) != std::string::npos;
    }
    using CExtHyperLinkButton::ShowOpenError;
    std::string m_sOrder;
    std::string m_sSucceeds;
    CString m_sLastTarget;
    bool m_bAnyShowError = false;
};

// Registers a class for ".htm" and for a test extension whose "open" runs the recorder program,
// and puts the previous ".htm" class back afterwards.
class TestAssociations
{
public:
    TestAssociations()
    {
        wchar_t szExe[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, szExe, MAX_PATH);
        CString sDir(szExe);
        sDir = sDir.Left(sDir.ReverseFind(L'\\') + 1);
        wchar_t szTemp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, szTemp);
        m_sOutput = CString(szTemp) + L"corvane link args.txt";
        ::DeleteFileW(m_sOutput);
        m_bHadHtm = ReadDefault(L".htm", m_sOldHtm);
        CString sCommand = L"\"" + sDir + L"toolkit_link_recorder.exe\" \"" + m_sOutput + L"\" \"%1\"";
        WriteDefault(L".htm", kClass);
        WriteDefault(L".cvtlink", kClass);
        WriteDefault(CString(kClass) + L"\\shell\\open\\command", sCommand);
        m_hEvent = ::CreateEventW(nullptr, TRUE, FALSE, L"CorvaneLinkRecorderDone");
    }
    ~TestAssociations()
    {
        if (m_bHadHtm)
            WriteDefault(L".htm", m_sOldHtm);
        else
        {
            HKEY hKey = nullptr;
            if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, L".htm", 0, KEY_SET_VALUE, &hKey) == ERROR_SUCCESS)
            {
                ::RegDeleteValueW(hKey, nullptr);
                ::RegCloseKey(hKey);
            }
        }
        ::RegDeleteTreeW(HKEY_CLASSES_ROOT, kClass);
        ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L".cvtlink");
        ::DeleteFileW(m_sOutput);
        ::CloseHandle(m_hEvent);
    }
    void SetCommand(const CString& sCommand) { WriteDefault(CString(kClass) + L"\\shell\\open\\command", sCommand); }
    // The recorder's arguments after the output file, once it has run.
    bool WaitForArguments(std::vector<std::wstring>& args)
    {
        if (::WaitForSingleObject(m_hEvent, 30000) != WAIT_OBJECT_0)
            return false;
        ::ResetEvent(m_hEvent);
        FILE* f = _wfopen(m_sOutput, L"rb");
        if (f == nullptr)
            return false;
        std::wstring sAll;
        wchar_t ch;
        while (fread(&ch, sizeof(ch), 1, f) == 1)
            sAll += ch;
        fclose(f);
        ::DeleteFileW(m_sOutput);
        args.clear();
        size_t nStart = 0, nEnd;
        while ((nEnd = sAll.find(L'\n', nStart)) != std::wstring::npos)
        {
            args.push_back(sAll.substr(nStart, nEnd - nStart));
            nStart = nEnd + 1;
        }
        return true;
    }
    bool OutputExists() const { return ::GetFileAttributesW(m_sOutput) != INVALID_FILE_ATTRIBUTES; }

    static constexpr const wchar_t* kClass = L"CorvaneTestLinkClass";

private:
    static bool ReadDefault(LPCWSTR lpszKey, CString& sValue)
    {
        wchar_t szValue[MAX_PATH] = {};
        LONG cb = sizeof(szValue);
        if (::RegQueryValueW(HKEY_CLASSES_ROOT, lpszKey, szValue, &cb) != ERROR_SUCCESS)
            return false;
        sValue = szValue;
        return true;
    }
    static void WriteDefault(const CString& sKey, const CString& sValue)
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CLASSES_ROOT, sKey, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExW(hKey, nullptr, 0, REG_SZ, (const BYTE*)(LPCWSTR)sValue,
                         (DWORD)((sValue.GetLength() + 1) * sizeof(wchar_t)));
        ::RegCloseKey(hKey);
    }
    CString m_sOutput;
    CString m_sOldHtm;
    bool m_bHadHtm = false;
    HANDLE m_hEvent = nullptr;
};
} // namespace

class HyperLinkTest : public ControlsTest
{
protected:
    template <typename T> T* AddLink(T* pLink, LPCWSTR lpszText, const CRect& rc = CRect(10, 10, 210, 34))
    {
        HWND hWnd = m_pDlg->AddControl(L"button", lpszText, BS_PUSHBUTTON, rc, 400);
        EXPECT_NE(hWnd, nullptr);
        EXPECT_TRUE(pLink->SubclassWindow(hWnd));
        m_links.emplace_back(pLink);
        return pLink;
    }
    void TearDown() override
    {
        for (auto& p : m_links)
            if (p->GetSafeHwnd() != nullptr)
                p->DestroyWindow();
        m_links.clear();
        ControlsTest::TearDown();
    }
    static std::unique_ptr<DibCanvas> PaintInto(CExtButton* pLink)
    {
        CRect rc;
        pLink->GetClientRect(&rc);
        auto canvas = std::make_unique<DibCanvas>(rc.Width(), rc.Height(), RGB(1, 2, 3));
        pLink->PaintButton(canvas->dc, false);
        return canvas;
    }
    static int CountAll(const DibCanvas& c, COLORREF clr) { return c.Count(CRect(0, 0, c.Width(), c.Height()), clr); }
    std::vector<std::unique_ptr<CExtHyperLinkButton>> m_links;
};

TEST_F(HyperLinkTest, ColoursByStateAndVisited)
{
    auto* pLink = AddLink(new CRecordingLink, L"Corvane link");
    pLink->m_sSucceeds = "S";
    auto normal = PaintInto(pLink);
    EXPECT_GT(CountAll(*normal, (COLORREF)0xFF0000), 10);
    EXPECT_EQ(CountAll(*normal, (COLORREF)0x0000FF), 0);
    pLink->m_nStateFlags |= CExtButton::kStateHover;
    auto hot = PaintInto(pLink);
    EXPECT_GT(CountAll(*hot, (COLORREF)0x0000FF), 10);
    EXPECT_EQ(CountAll(*hot, (COLORREF)0xFF0000), 0);
    pLink->m_nStateFlags &= (BYTE)~CExtButton::kStateHover;
    pLink->OnClick(false, false);
    EXPECT_TRUE(pLink->IsVisited());
    EXPECT_GT(CountAll(*PaintInto(pLink), (COLORREF)0x800080), 10);
    pLink->m_nLinkFlags &= (BYTE)~CExtHyperLinkButton::kLinkShowVisited;
    auto unmarked = PaintInto(pLink);
    EXPECT_EQ(CountAll(*unmarked, (COLORREF)0x800080), 0);
    EXPECT_GT(CountAll(*unmarked, (COLORREF)0xFF0000), 10);
}

TEST_F(HyperLinkTest, FailedOpeningLeavesTheLinkUnvisited)
{
    auto* pLink = AddLink(new CRecordingLink, L"nothing opens this");
    pLink->OnClick(false, false);
    EXPECT_EQ(pLink->m_sOrder, "STA");
    EXPECT_FALSE(pLink->IsVisited());
    EXPECT_EQ(CountAll(*PaintInto(pLink), (COLORREF)0x800080), 0);
}

TEST_F(HyperLinkTest, UnderlineOnHoverAndFocusOnlyOrAlways)
{
    auto* pLink = AddLink(new CExtHyperLinkButton, L"Underline me");
    pLink->m_clrTextHover = pLink->m_clrTextNormal;
    pLink->m_nStateFlags &= (BYTE)~CExtButton::kStateFocusRect;
    COLORREF clr = (COLORREF)0xFF0000;
    int nPlain = CountAll(*PaintInto(pLink), clr);
    ASSERT_GT(nPlain, 10);
    pLink->m_nStateFlags |= CExtButton::kStateHover;
    int nHover = CountAll(*PaintInto(pLink), clr);
    EXPECT_GT(nHover, nPlain);
    pLink->m_nStateFlags &= (BYTE)~CExtButton::kStateHover;
    EXPECT_EQ(CountAll(*PaintInto(pLink), clr), nPlain);
    ::SetFocus(pLink->m_hWnd);
    EXPECT_EQ(CountAll(*PaintInto(pLink), clr), nHover);
    ::SetFocus(m_pDlg->m_hWnd);
    pLink->m_bAlwaysUnderline = true;
    EXPECT_EQ(CountAll(*PaintInto(pLink), clr), nHover);
}

TEST_F(HyperLinkTest, EmptyTextPaintsOnlyTheBackground)
{
    auto* pLink = AddLink(new CExtHyperLinkButton, L"");
    auto canvas = PaintInto(pLink);
    EXPECT_EQ(CountAll(*canvas, PMColor(XCLR_FACE_NORMAL)), canvas->Width() * canvas->Height());
}

TEST_F(HyperLinkTest, OpenerOrderByPrefix)
{
    struct Case
    {
        const wchar_t* target;
        const char* order;
    } cases[] = {
        {L"http://example.org", "AST"}, {L"FILE://c:/x.txt", "AST"}, {L"www.example.org", "AST"},
        {L"Web.example.org", "AST"},    {L"c:\\docs\\x.txt", "STA"}, {L"mailto:someone", "STA"},
        {L"ww.example.org", "STA"},
    };
    for (const Case& c : cases)
    {
        CRecordingLink link;
        EXPECT_FALSE(link.Navigate(c.target, 0, true));
        EXPECT_EQ(link.m_sOrder, c.order) << CStringA(c.target).GetString();
        EXPECT_EQ(link.m_bAnyShowError, c.order[0] == 'A');
    }
    // The first success ends the walk; the click uses the trimmed text without error messages.
    auto* pLink = AddLink(new CRecordingLink, L"  www.example.org  ");
    pLink->m_sSucceeds = "S";
    pLink->OnClick(false, false);
    EXPECT_EQ(pLink->m_sOrder, "AS");
    EXPECT_EQ(pLink->m_sLastTarget, CString(L"www.example.org"));
    EXPECT_FALSE(pLink->m_bAnyShowError);
    EXPECT_TRUE(pLink->IsVisited());
}

TEST_F(HyperLinkTest, AssociationCommandLineQuotesTheTarget)
{
    CString sLine;
    EXPECT_TRUE(CExtHyperLinkButton::BuildAssociationCommand(L"\"c:\\b.exe\" -x \"%1\" -y", L"www.a b", sLine));
    EXPECT_EQ(sLine, CString(L"\"c:\\b.exe\" -x \"www.a b\""));
    EXPECT_TRUE(CExtHyperLinkButton::BuildAssociationCommand(L"c:\\b.exe %1", L"t", sLine));
    EXPECT_EQ(sLine, CString(L"c:\\b.exe \"t\""));
    EXPECT_TRUE(CExtHyperLinkButton::BuildAssociationCommand(L"c:\\b.exe", L"t", sLine));
    EXPECT_EQ(sLine, CString(L"c:\\b.exe \"t\""));
    EXPECT_FALSE(CExtHyperLinkButton::BuildAssociationCommand(L"c:\\b.exe \"%1\"", L"www.a\" -evil", sLine));
}

TEST_F(HyperLinkTest, RealOpenersThroughTestAssociations)
{
    TestAssociations assoc;
    std::vector<std::wstring> args;
    // A "www." target with blanks and characters outside the ANSI code page: one argument.
    const wchar_t* pszTarget = L"www.example.org/a b \x0416\x4E2D";
    CExtHyperLinkButton link;
    EXPECT_TRUE(link.Navigate(pszTarget, 0, false));
    ASSERT_TRUE(assoc.WaitForArguments(args));
    ASSERT_EQ(args.size(), 1u);
    EXPECT_EQ(args[0], std::wstring(pszTarget));
    EXPECT_TRUE(link.IsVisited());
    // A quotation mark in the target: the association starts nothing.
    {
        MessageBoxCapture boxes;
        EXPECT_FALSE(link.OpenByAssociation(L"www.a\" \"b", 0, true));
        EXPECT_EQ(boxes.Count(), 0u);
        EXPECT_FALSE(assoc.OutputExists());
    }
    // A local file of the test type through ShellExecuteW.
    wchar_t szTemp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szTemp);
    CString sFile = CString(szTemp) + L"corvane link test.cvtlink";
    HANDLE hFile = ::CreateFileW(sFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
    ::CloseHandle(hFile);
    EXPECT_TRUE(link.OpenTarget(sFile, 0, false));
    ASSERT_TRUE(assoc.WaitForArguments(args));
    ASSERT_EQ(args.size(), 1u);
    EXPECT_EQ(::lstrcmpiW(args[0].c_str(), sFile), 0);
    ::DeleteFileW(sFile);
    // A command that cannot start reports the system's code.
    assoc.SetCommand(L"\"c:\\no such dir\\missing.exe\" \"%1\"");
    MessageBoxCapture boxes;
    EXPECT_FALSE(link.OpenByAssociation(L"www.example.org", 0, true));
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Icon(), (UINT)MB_ICONHAND);
    EXPECT_TRUE(boxes.Last().text == L"Unable to open hyper link:\nFile was not found." ||
                boxes.Last().text == L"Unable to open hyper link:\nPath was not found.");
    EXPECT_FALSE(link.OpenByAssociation(L"www.example.org", 0, false));
    EXPECT_EQ(boxes.Count(), 1u);
}

TEST_F(HyperLinkTest, FailureTexts)
{
    MessageBoxCapture boxes;
    CRecordingLink link;
    link.ShowOpenError(2);
    link.ShowOpenError(31);
    link.ShowOpenError(1234);
    auto all = boxes.Boxes();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].text, L"Unable to open hyper link:\nFile was not found.");
    EXPECT_EQ(all[1].text, L"Unable to open hyper link:\nThere is no application associated with the given filename "
                           L"extension.");
    EXPECT_EQ(all[2].text, L"Unable to open hyper link:\nUnknown Error (1234=0x4D2) occurred.");
    for (const auto& box : all)
        EXPECT_EQ(box.Icon(), (UINT)MB_ICONHAND);
    // ShellExecuteW's own failure for a missing file.
    boxes.Clear();
    CExtHyperLinkButton real;
    EXPECT_FALSE(real.OpenTarget(L"c:\\corvane no such file.cvtnone", 0, true));
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text.rfind(L"Unable to open hyper link:\n", 0), 0u);
}

TEST_F(HyperLinkTest, ButtonModeClicksAndMarksVisited)
{
    auto* pLink = AddLink(new CRecordingLink, L"As button");
    pLink->m_nLinkFlags |= CExtHyperLinkButton::kLinkAsButton;
    pLink->OnClick(false, false);
    EXPECT_TRUE(pLink->m_sOrder.empty());
    ASSERT_EQ(m_pDlg->m_commands.size(), 1u);
    EXPECT_EQ(m_pDlg->m_commands[0].nId, 400u);
    EXPECT_TRUE(pLink->IsVisited());
    EXPECT_EQ(pLink->GetBtnCursor(), ::LoadCursorW(nullptr, IDC_HAND));
}
