// The built program as a process of its own, seen from outside: a close while the phone worker's
// box is up, while a send waits for the phone's prompt, or while an import files a large file, ends
// it; a message the Outbox job sent is in "Sent" after the process is killed and started again; a bar
// left floating at the close floats, shown where it was, on the screen above the main window and titled
// with its name, at the next start; the status bar switched off stays off; what a user meets on a desktop under a
// window manager (ProgramDesktopTest); and a keyboard user's keys under openbox (ProgramKeysTest).
#include "ProgramTestSupport.h"

#include "phone/Corvane_smsDoc.h"
#include "phone/SmsRecord.h"
#include "phone/UnicodeTextFile.h"
#include "res/app_ids.h"
#include "res/app_tools_ids.h"
#include "res/mainframe_ids.h"
#include "res/phone_ids.h"
#include "res/settings_ids.h"
#include "support/DibCanvas.h"
#include "support/PrintRect.h"
#include "support/RandomRun.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace phonetest;
using namespace programtest;

namespace
{
struct ProgramProcessTest : programtest::ProcessFixture
{
    // Waits up to 30 s for the program to end, noting every box it shows meanwhile; true when it ended.
    bool WaitForEndNotingBoxes()
    {
        bool bEnded = false;
        for (int i = 0; i < 300 && !bEnded; ++i)
        {
            bEnded = Ended(100);
            std::vector<SeenBox> found;
            HWND hIgnored = nullptr;
            Look(found, hIgnored);
            for (const SeenBox& b : found)
                Note(b);
        }
        return bEnded;
    }
    // Saves the data file with one Outbox message to 628111, dated 01/02/26 08:09:10.
    bool SaveOutboxMessage(const wchar_t* name, const wchar_t* text, int bRead)
    {
        CCorvane_smsDoc doc;
        doc.SetDataFilePath(dataFile);
        CSMS* p = new CSMS;
        p->m_strRecipientName = name;
        p->m_strRecipientNumber = L"628111";
        p->m_strText = text;
        p->m_strFolder = SMS_FOLDER_OUTBOX;
        p->m_strDay = L"01", p->m_strMonth = L"02", p->m_strYear = L"26";
        p->m_strHour = L"08", p->m_strMinute = L"09", p->m_strSecond = L"10";
        p->m_bRead = bRead;
        p->RebuildKey();
        doc.m_listSms.AddTail(p);
        return doc.SaveData() != FALSE;
    }
    // The data file's time and size.
    WIN32_FILE_ATTRIBUTE_DATA DataFileStamp() const
    {
        WIN32_FILE_ATTRIBUTE_DATA stamp = {};
        GetFileAttributesExW(dataFile, GetFileExInfoStandard, &stamp);
        return stamp;
    }
    // Waits up to ms for a save of the running program that files the text in the folder. The file is
    // read only after it has been replaced (its time or size differs from seen): a save cannot replace
    // a file that is open, so a read at the wrong moment would make the program's save fail.
    bool WaitForSavedFolder(const wchar_t* text, const wchar_t* folderName, WIN32_FILE_ATTRIBUTE_DATA seen, DWORD ms)
    {
        return PumpUntil(
            [&] {
                WIN32_FILE_ATTRIBUTE_DATA now = {};
                if (!GetFileAttributesExW(dataFile, GetFileExInfoStandard, &now) ||
                    (CompareFileTime(&now.ftLastWriteTime, &seen.ftLastWriteTime) == 0 &&
                     now.nFileSizeLow == seen.nFileSizeLow))
                    return false;
                seen = now;
                return SavedFolders()[text] == folderName;
            },
            ms);
    }
    // The folder of each text the data file holds.
    std::map<CString, CString> SavedFolders()
    {
        std::map<CString, CString> out;
        CCorvane_smsDoc saved;
        if (!LoadSaved(saved))
            return out;
        for (POSITION pos = saved.m_listSms.GetHeadPosition(); pos;)
        {
            const CSMS* p = (const CSMS*)saved.m_listSms.GetNext(pos);
            out[p->m_strText] = p->m_strFolder;
        }
        return out;
    }
};
} // namespace

TEST_F(ProgramProcessTest, AProgramClosedWhileTheFetchAtStartShowsItsBoxEnds)
{
    // No phone on the port: the fetch shortly after start fails and the worker shows its box.
    SetText(L"Connection", L"COM198:");
    SetInt(L"IsGetSmsWhenActive", 1);
    ASSERT_TRUE(StartProgram());
    HWND hMain = WaitForMainWindow(60000, L"gagal membuka koneksi");
    ASSERT_NE(hMain, nullptr) << "no box of the failed fetch";
    PostMessageW(hMain, WM_CLOSE, 0, 0);

    // Nobody answers a box: the close alone must end the program.
    EXPECT_TRUE(WaitForEndNotingBoxes()) << "the program still runs 30 s after the close";
    DWORD code = 1234;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    // One box for the failure, with the program's title and a text; never an empty one.
    int nFetchBoxes = 0;
    for (const SeenBox& b : seen)
    {
        EXPECT_FALSE(b.text.IsEmpty());
        EXPECT_FALSE(b.title.IsEmpty());
        EXPECT_NE(b.text, L"Failed while opening connection.");
        nFetchBoxes += b.text.Find(L"gagal membuka koneksi") >= 0 ? 1 : 0;
    }
    EXPECT_EQ(nFetchBoxes, 1);
    // The exit save ran.
    EXPECT_NE(GetFileAttributesW(dataFile), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ProgramProcessTest, AMessageSentBeforeTheProcessIsKilledIsInSentAfterTheNextStart)
{
    ASSERT_TRUE(SimPhone::Load("basic"));
    ASSERT_TRUE(SaveOutboxMessage(L"Budi", L"kirim sekali saja", 1));
    const WIN32_FILE_ATTRIBUTE_DATA stamp = DataFileStamp();
    ASSERT_TRUE(StartProgram());
    HWND hMain = WaitForMainWindow(60000);
    ASSERT_NE(hMain, nullptr);
    PostMessageW(hMain, WM_COMMAND, ID_SEND_SMS, 0);
    ASSERT_TRUE(PumpUntil([] { return SimPhone::GetState().sent.size() == 1u; }, 30000));
    // Killed once the program had its chance to save after the phone's "+CMGS" (at most 30 s: on a
    // loaded machine the program's send can end seconds after the phone has the message).
    WaitForSavedFolder(L"kirim sekali saja", L"Sent", stamp, 30000);
    EndProcess();

    // Started again and closed: the message is in "Sent", nothing is left to send again.
    ASSERT_TRUE(StartProgram());
    hMain = WaitForMainWindow(60000);
    ASSERT_NE(hMain, nullptr);
    PostMessageW(hMain, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Ended(30000));
    std::map<CString, CString> saved = SavedFolders();
    EXPECT_EQ(saved[L"kirim sekali saja"], L"Sent");
    EXPECT_EQ(SimPhone::GetState().sent.size(), 1u);
}

TEST_F(ProgramProcessTest, AProgramClosedWhileASendWaitsForThePromptEndsWithoutABox)
{
    ASSERT_TRUE(SimPhone::LoadJson(
        "noprompt", R"({"extends": "basic", "faults": [{"command": "AT+CMGS=", "action": "silence"}]})"));
    ASSERT_TRUE(SaveOutboxMessage(L"", L"menunggu prompt", 0));
    ASSERT_TRUE(StartProgram());
    HWND hMain = WaitForMainWindow(60000);
    ASSERT_NE(hMain, nullptr);
    PostMessageW(hMain, WM_COMMAND, ID_SEND_SMS, 0);
    ASSERT_TRUE(PumpUntil(
        [] {
            for (const std::string& c : SimPhone::GetState().commands)
                if (c.rfind("AT+CMGS=", 0) == 0)
                    return true;
            return false;
        },
        30000));
    PostMessageW(hMain, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForEndNotingBoxes()) << "the program still runs 30 s after the close";
    for (const SeenBox& b : seen)
        ADD_FAILURE() << "box at the close: " << CStringA(b.text).GetString();
    // Nothing lost: the message waits in the Outbox for the next send.
    EXPECT_EQ(SavedFolders()[L"menunggu prompt"], L"Outbox");
}

namespace
{
// The import's file: line i is message "impor i" in the Inbox, each with a time and text of its own.
CString ImportLine(int i)
{
    CString line;
    line.Format(L"Inbox\t%02d/%02d/%02d  %02d:%02d:%02d\t08%07d\tKontak\timpor %d", 1 + i % 28, 1 + i / 28 % 12,
                i / 336 % 100, i / 3600 % 24, i / 60 % 60, i % 60, i, i);
    return line;
}
} // namespace

// A run killed before it gave the program's key back (a time-out, a kill by hand): the next run gives back the copy
// it left before it keeps the key again, so the user's own settings come back.
TEST(ProgramKeyTest, SettingsKeptByARunKilledBeforeItsEndComeBackAfterTheNextRun)
{
    REQUIRE_SIM();
    const wchar_t kMark[] = L"KeptKeyMark";
    ProgramProcess::SetInt(kMark, 41); // the user's own
    CString strWhy;
    // The killed run's object is never destroyed: it gives nothing back.
    ProgramProcess* pKilled = new ProgramProcess;
    ASSERT_TRUE(pKilled->Prepare(strWhy)) << CStringA(strWhy).GetString();
    ProgramProcess::SetInt(kMark, 1);
    {
        ProgramProcess next;
        ASSERT_TRUE(next.Prepare(strWhy)) << CStringA(strWhy).GetString();
    }
    DWORD dwMark = 0, dwSize = sizeof dwMark;
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Corvane\\Corvane SMS\\Settings", kMark, RRF_RT_REG_DWORD, nullptr,
                 &dwMark, &dwSize);
    EXPECT_EQ(dwMark, 41u) << "the user's setting after the next run";
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Corvane\\Corvane SMS\\Settings", kMark);
}

// A close of the main window (the tray's exit, a task manager, the session's end) while "Import SMS"
// files a large file: the program ends by itself with no box, and the data file holds the records it
// held before and whole imported ones, none twice.
TEST_F(ProgramProcessTest, AProgramClosedDuringALargeImportEndsAndKeepsItsDataWhole)
{
    const int nLines = 200000;
    const CString importFile = folder + L"impor.txt";
    {
        CUnicodeTextWriter writer(importFile, TEXTFILE_UNI16_LE);
        for (int i = 0; i < nLines; ++i)
            writer.WriteLine(ImportLine(i) + L"\r\n");
    }
    for (const bool bSessionEnd : {false, true})
    {
        SCOPED_TRACE(bSessionEnd ? "end of the session" : "WM_CLOSE");
        seen.clear();
        ASSERT_TRUE(SaveOutboxMessage(L"Budi", L"sudah ada", 0));
        ASSERT_TRUE(StartProgram());
        HWND hMain = WaitForMainWindow(60000);
        ASSERT_NE(hMain, nullptr);
        PostMessageW(hMain, WM_COMMAND, ID_IMPORT_SMS, 0);
        HWND hDialog = nullptr;
        ASSERT_TRUE(PumpUntil(
            [&] {
                std::vector<SeenBox> found;
                HWND hIgnored = nullptr;
                Look(found, hIgnored);
                for (const SeenBox& b : found)
                    hDialog = GetDlgItem(b.hWnd, IDC_IMPORT_PROGRESS) ? b.hWnd : hDialog;
                return hDialog != nullptr;
            },
            30000));
        SendMessageW(GetDlgItem(hDialog, IDC_IMPORT_FILE), WM_SETTEXT, 0, (LPARAM)(LPCWSTR)importFile);
        PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(hDialog, IDOK));
        // In the middle of the filing: the progress label has passed line 2,000.
        ASSERT_TRUE(PumpUntil(
            [&] {
                wchar_t text[64] = {};
                DWORD_PTR r = 0;
                SendMessageTimeoutW(GetDlgItem(hDialog, IDC_IMPORT_PROGRESS), WM_GETTEXT, 64, (LPARAM)text, SMTO_NORMAL,
                                    1000, &r);
                return wcsncmp(text, L"memproses sms no ", 17) == 0 && _wtoi(text + 17) >= 2000;
            },
            60000));
        if (bSessionEnd)
        {
            DWORD_PTR r = 0;
            SendMessageTimeoutW(hMain, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &r);
            EXPECT_TRUE(r) << "the program refused the end of the session";
            SendMessageTimeoutW(hMain, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &r);
        }
        else
            PostMessageW(hMain, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitForEndNotingBoxes()) << "the program still runs 30 s after the close";
        DWORD code = 1234;
        GetExitCodeProcess(pi.hProcess, &code);
        EXPECT_EQ(code, 0u);
        for (const SeenBox& b : seen)
            if (b.hWnd != hDialog)
                ADD_FAILURE() << "box at the close: " << CStringA(b.text).GetString();

        // The data file loads, with the record it held and imported records that match their lines.
        CCorvane_smsDoc saved;
        ASSERT_TRUE(LoadSaved(saved));
        std::vector<int> timesFiled(nLines, 0);
        int nOld = 0, nImported = 0;
        for (POSITION pos = saved.m_listSms.GetHeadPosition(); pos;)
        {
            const CSMS* p = (const CSMS*)saved.m_listSms.GetNext(pos);
            if (p->m_strText == L"sudah ada")
            {
                ++nOld;
                continue;
            }
            const int i = _wtoi(p->m_strText.Mid(6));
            CString text;
            text.Format(L"impor %d", i);
            ASSERT_TRUE(i >= 0 && i < nLines && p->m_strText == text) << CStringA(p->m_strText).GetString();
            CString fields;
            fields.Format(L"%02d%02d%02d%02d%02d%02d08%07dKontakInbox", 1 + i % 28, 1 + i / 28 % 12, i / 336 % 100,
                          i / 3600 % 24, i / 60 % 60, i % 60, i);
            EXPECT_EQ(p->m_strDay + p->m_strMonth + p->m_strYear + p->m_strHour + p->m_strMinute + p->m_strSecond +
                          p->m_strSenderNumber + p->m_strSenderName + p->m_strFolder,
                      fields);
            ++timesFiled[(size_t)i];
            ++nImported;
        }
        EXPECT_EQ(nOld, 1);
        EXPECT_GE(nImported, 2000);
        EXPECT_EQ(std::count(timesFiled.begin(), timesFiled.end(), 2), 0) << "a line filed twice";
        EndProcess();
    }
}

namespace
{

struct ProgramBarsTest : ProgramProcessTest
{
    // The pixels of the rectangle that differ between two grabs of it, leaving out where another process's window
    // shows (Wine's own tray window, which a window manager would hold, lies over the screen's corner).
    int DiffsOfTheProgram(const RECT& rc, const std::vector<DWORD>& a, const std::vector<DWORD>& b) const
    {
        return randomrun::ComparePictures(a, b, rc, 0, OthersWindows()).nCount;
    }
    // The rectangles of the shown windows of other processes.
    std::vector<RECT> OthersWindows() const
    {
        std::vector<RECT> others;
        for (HWND h = GetWindow(GetDesktopWindow(), GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
        {
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            RECT r = {};
            if (pid != pi.dwProcessId && IsWindowVisible(h) && GetWindowRect(h, &r))
                others.push_back(r);
        }
        return others;
    }
    // A bar floated by the program run and seen again after the next start: its floating frame's rectangle before
    // the close, the screen there at the close (when asked for), painted again whole, and its windows after the start.
    struct FloatingBar
    {
        const wchar_t* pszName;
        RECT rcFloating = {};
        std::vector<DWORD> atClose;
        BarWindows w;
    };
    // The program started, the bars floated in turn by a double click on their docked captions and the program
    // closed; then started again (hMain), each bar floating and shown.
    void FloatAndStartAgain(std::vector<FloatingBar>& bars, HWND& hMain, bool bAtClose = false, bool bSlowStart = false,
                            const std::function<void(HWND)>& beforeClose = nullptr)
    {
        hMain = StartInFront();
        ASSERT_NE(hMain, nullptr);
        const DWORD dwThread = GetWindowThreadProcessId(hMain, nullptr);
        for (FloatingBar& bar : bars)
        {
            BarWindows& w = bar.w;
            ASSERT_TRUE(PumpUntil(
                [&] { return (w = FindBar(pi.dwProcessId, bar.pszName)).hBar && IsWindowVisible(w.hBar); }, 30000));
            ASSERT_EQ(w.hTopLevel, hMain);
            // The start or the last float is over (the program's thread has taken what was queued and waits for
            // more), its window is in front (a press that activated it would end the drag loop at its activation),
            // and the caption point lies on the bar, where the layout has put it.
            ASSERT_TRUE(WaitIdle(30000));
            SetForegroundWindow(hMain);
            ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == hMain; }, 10000));
            POINT pt = {};
            ASSERT_TRUE(PumpUntil(
                [&] {
                    pt = CaptionPoint(w.hBar);
                    return WindowFromPoint(pt) == w.hBar;
                },
                10000));
            // A double click as a user's, its presses and releases queued together so that they follow each other
            // within the double-click time however slow the program is: the first press runs the bar's drag loop,
            // which the release ends; the second press is the double click. Each carries the point, which Wine
            // otherwise takes from where it has the pointer now (a late motion event of the X server may have put it
            // elsewhere). A double click taken as two clicks all the same is made again, a few times at the most.
            bool bFloated = false;
            for (int nTry = 0; nTry < 3 && !bFloated; ++nTry)
            {
                ASSERT_TRUE(SendMouseAt(pt, MOUSEEVENTF_MOVE));
                ASSERT_TRUE(WaitIdle(30000));
                for (int i = 0; i < 2; ++i)
                {
                    ASSERT_TRUE(SendMouseAt(pt, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN));
                    ASSERT_TRUE(SendMouseAt(pt, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP));
                }
                bFloated = PumpUntil([&] { return IsFloatingShown(w = FindBar(pi.dwProcessId, bar.pszName)); }, 10000);
                if (!bFloated)
                {
                    // Past the double-click time, so that the next try's first press is a first press again.
                    ASSERT_TRUE(PumpUntil([&] { return CaptureOf(dwThread) == nullptr; }, 10000));
                    ASSERT_TRUE(WaitIdle(30000));
                    PumpUntil([] { return false; }, GetDoubleClickTime() + 100);
                }
            }
            ASSERT_TRUE(bFloated) << "the double click did not float the bar";
            GetWindowRect(w.hTopLevel, &bar.rcFloating);
            if (&bar != &bars.front())
            {
                // Floated where the one before floated: moved clear of it, onto the main window, so that each shows.
                const RECT& rcBefore = (&bar - 1)->rcFloating;
                const POINT ptTo = {rcBefore.right + 40, rcBefore.top + 150};
                SetWindowPos(w.hTopLevel, nullptr, ptTo.x, ptTo.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                ASSERT_TRUE(PumpUntil(
                    [&] { return GetWindowRect(w.hTopLevel, &bar.rcFloating) && bar.rcFloating.left == ptTo.x; },
                    10000));
            }
        }
        // The pointer leaves the frames and the main window: what lies under it (a caption button, a list row) may
        // light up at any moment of a compare, at the close or after the start.
        RECT rcMain = {};
        GetWindowRect(hMain, &rcMain);
        const auto onAFrame = [&](POINT p) {
            return std::any_of(bars.begin(), bars.end(),
                               [&](const FloatingBar& b) { return PtInRect(&b.rcFloating, p); });
        };
        const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
        const POINT away[] = {{cx - 2, 2}, {cx - 2, cy - 2}, {cx / 2, cy - 2}, {2, 2}};
        const POINT* pAway = std::find_if(std::begin(away), std::end(away),
                                          [&](POINT p) { return !onAFrame(p) && !PtInRect(&rcMain, p); });
        if (pAway == std::end(away))
            pAway = std::find_if(std::begin(away), std::end(away), [&](POINT p) { return !onAFrame(p); });
        ASSERT_NE(pAway, std::end(away));
        ASSERT_TRUE(SendMouseAt(*pAway, MOUSEEVENTF_MOVE));
        ASSERT_TRUE(WaitIdle(30000));
        if (bAtClose)
        {
            for (const FloatingBar& bar : bars)
                RedrawWindow(bar.w.hTopLevel, nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
            ASSERT_TRUE(WaitPainted(30000));
            for (FloatingBar& bar : bars)
                bar.atClose = SettledScreen(bar.rcFloating, 10000);
        }
        if (beforeClose)
        {
            ASSERT_NO_FATAL_FAILURE(beforeClose(hMain));
        }
        PostMessageW(hMain, WM_CLOSE, 0, 0);
        ASSERT_TRUE(Ended(30000));

        ASSERT_TRUE(StartProgram());
        hMain = WaitForMainWindow(60000);
        ASSERT_NE(hMain, nullptr);
        if (bSlowStart)
        {
            // A busy machine: the program's thread gets no time for a few seconds once its main window shows.
            HANDLE hThread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(hMain, nullptr));
            ASSERT_NE(hThread, nullptr);
            ASSERT_NE(SuspendThread(hThread), (DWORD)-1);
            const DWORD dwHeld = GetTickCount();
            PumpUntil([&] { return GetTickCount() - dwHeld >= 4000; }, 10000);
            ResumeThread(hThread);
            CloseHandle(hThread);
        }
        for (FloatingBar& bar : bars)
            ASSERT_TRUE(PumpUntil([&] { return IsFloatingShown(bar.w = FindBar(pi.dwProcessId, bar.pszName)); }, 30000))
                << "the bar is not floating and shown after the start";
    }
    // The program closed with the bar floating starts with the bar floating, shown, in a frame at the place and
    // size it had.
    void CheckBarComesBackFloating(const wchar_t* pszBar)
    {
        std::vector<FloatingBar> bars = {{pszBar}};
        HWND hMain = nullptr;
        FloatAndStartAgain(bars, hMain);
        if (HasFatalFailure())
            return;
        const RECT& rcFloating = bars[0].rcFloating;
        const BarWindows& w = bars[0].w;
        RECT rcAgain = {};
        GetWindowRect(w.hTopLevel, &rcAgain);
        EXPECT_TRUE(EqualRect(&rcAgain, &rcFloating))
            << rcAgain.left << "," << rcAgain.top << "," << rcAgain.right << "," << rcAgain.bottom << " instead of "
            << rcFloating.left << "," << rcFloating.top << "," << rcFloating.right << "," << rcFloating.bottom;
        PostMessageW(hMain, WM_CLOSE, 0, 0);
        EXPECT_TRUE(Ended(30000));
    }
    // The program closed with the bar floating starts with the floating frame on the screen, above the main
    // window, titled with the bar's name, and the main window active: the screen at the frame comes to show
    // the frame much as it was at the close, and then is the frame as it paints itself, raised above
    // everything and painted again.
    void CheckFloatingBarSeenAtTheStart(const wchar_t* pszBar, bool bSlowStart = false)
    {
        std::vector<FloatingBar> bars = {{pszBar}};
        HWND hMain = nullptr;
        FloatAndStartAgain(bars, hMain, true, bSlowStart);
        if (HasFatalFailure())
            return;
        const RECT& rcFloating = bars[0].rcFloating;
        const BarWindows& w = bars[0].w;
        const std::vector<DWORD>& atClose = bars[0].atClose;
        const HWND hFrame = w.hTopLevel;
        wchar_t title[64] = {};
        GetWindowTextW(hFrame, title, 64);
        EXPECT_STREQ(title, pszBar);
        RECT rc = {};
        GetWindowRect(hFrame, &rc);
        ASSERT_TRUE(EqualRect(&rc, &rcFloating));
        // The caption may have shown the frame active at the close: a tenth of the pixels may differ from then.
        std::vector<DWORD> seen;
        // What is checked is the screen once the program painted and stands still.
        EXPECT_TRUE(PumpUntil(
            [&] {
                WaitPainted(30000);
                seen = SettledScreen(rc, 10000);
                return DiffsOfTheProgram(rc, seen, atClose) <= (int)atClose.size() / 10;
            },
            15000))
            << DiffsOfTheProgram(rc, seen, atClose) << " of " << seen.size()
            << " pixels at the floating frame are not what it showed at the close";
        EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == hMain; }, 10000))
            << "the main window is not the active one after the start";
        // The frame itself: raised (through the topmost band, so that the raise restacks it on the screen
        // whatever the window order holds) and painted whole, without activation.
        const UINT nFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
        SetWindowPos(hFrame, HWND_TOPMOST, 0, 0, 0, 0, nFlags);
        SetWindowPos(hFrame, HWND_NOTOPMOST, 0, 0, 0, 0, nFlags);
        RedrawWindow(hFrame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        ASSERT_TRUE(WaitPainted(30000));
        const std::vector<DWORD> frame = SettledScreen(rc, 10000);
        const int nDiffs = DiffsOfTheProgram(rc, seen, frame);
        EXPECT_LE(nDiffs, (int)frame.size() / 100)
            << nDiffs << " of " << frame.size() << " pixels on the screen at the floating frame are not the frame's";
        PostMessageW(hMain, WM_CLOSE, 0, 0);
        EXPECT_TRUE(Ended(30000));
    }
};
} // namespace

TEST_F(ProgramBarsTest, FoldersFloatingAtTheCloseIsFloatingAndShownWhereItWasAtTheNextStart)
{
    CheckBarComesBackFloating(L"Folders");
}

TEST_F(ProgramBarsTest, TheSmsListFloatingAtTheCloseIsFloatingAndShownWhereItWasAtTheNextStart)
{
    CheckBarComesBackFloating(L"SMS List");
}

TEST_F(ProgramBarsTest, FoldersFloatingAtTheCloseIsSeenAboveTheMainWindowWithItsTitleAtTheNextStart)
{
    CheckFloatingBarSeenAtTheStart(L"Folders");
}

TEST_F(ProgramBarsTest, TheSmsListFloatingAtTheCloseIsSeenAboveTheMainWindowWithItsTitleAtTheNextStart)
{
    CheckFloatingBarSeenAtTheStart(L"SMS List");
}

TEST_F(ProgramBarsTest, FoldersFloatingAtTheCloseIsSeenAboveTheMainWindowAfterASlowNextStart)
{
    CheckFloatingBarSeenAtTheStart(L"Folders", true);
}

TEST_F(ProgramBarsTest, TheStatusBarSwitchedOffStaysOffAtTheNextStart)
{
    HWND hMain = StartInFront();
    ASSERT_NE(hMain, nullptr);
    HWND hStatus = GetDlgItem(hMain, AFX_IDW_STATUS_BAR);
    ASSERT_NE(hStatus, nullptr);
    ASSERT_TRUE(IsWindowVisible(hStatus));
    PostMessageW(hMain, WM_COMMAND, ID_VIEW_STATUS_BAR, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(hStatus); }, 10000)) << "View > Status Bar did not hide it";
    PostMessageW(hMain, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Ended(30000));

    hMain = StartInFront();
    ASSERT_NE(hMain, nullptr);
    ASSERT_EQ(WaitForInputIdle(pi.hProcess, 30000), 0u);
    hStatus = GetDlgItem(hMain, AFX_IDW_STATUS_BAR);
    ASSERT_NE(hStatus, nullptr);
    EXPECT_FALSE(IsWindowVisible(hStatus)) << "the status bar switched off is shown after the start";
    // The view reaches the bottom of the client area, where the status bar was.
    RECT rcClient = {};
    GetClientRect(hMain, &rcClient);
    POINT pt = {rcClient.right / 2, rcClient.bottom - 3};
    ClientToScreen(hMain, &pt);
    EXPECT_NE(WindowFromPoint(pt), hStatus);
    PostMessageW(hMain, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Ended(30000));
}

namespace
{
// What an X client prints on the test's display. Wine starts Unix programs without a handle that waits for them: the
// output comes through a file of the work folder (Wine's drive Z: is the Unix root), renamed once written.
std::string XClientOutput(const CString& folder, const CString& command)
{
    const CString file = folder + L"xclient.txt";
    DeleteFileW(file);
    CString unixFile = file.Mid(2), cmd;
    unixFile.Replace(L'\\', L'/');
    cmd.Format(L"/bin/sh -c \"%s > '%s~' 2>&1; mv '%s~' '%s'\"", (LPCWSTR)command, (LPCWSTR)unixFile, (LPCWSTR)unixFile,
               (LPCWSTR)unixFile);
    STARTUPINFOW si = {sizeof si};
    PROCESS_INFORMATION p = {};
    std::string text;
    FILE* f = nullptr;
    if (CreateProcessW(L"Z:\\bin\\sh", cmd.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &p) &&
        PumpUntil([&] { return (f = _wfopen(file, L"rb")) != nullptr; }, 10000))
    {
        for (char buf[512]; size_t n = fread(buf, 1, sizeof buf, f);)
            text.append(buf, n);
        fclose(f);
    }
    for (HANDLE h : {p.hProcess, p.hThread})
        if (h != nullptr)
            CloseHandle(h);
    return text;
}

// What an X client prints once two looks a moment apart agree (the window manager has done what it does).
std::string SettledXClientOutput(const CString& folder, const CString& command)
{
    std::string text, again = XClientOutput(folder, command);
    PumpUntil(
        [&] {
            text.swap(again);
            again = XClientOutput(folder, command);
            return again == text;
        },
        10000);
    return text;
}

// The X window of a top-level window, as xprop writes it.
CString XWindowOf(HWND hWnd)
{
    CString s;
    s.Format(L"0x%Ix", (ULONG_PTR)GetPropW(hWnd, L"__wine_x11_whole_window"));
    return s;
}
} // namespace

// Runs on a screen with a window manager: a bar floating at the close of a maximized window leaves the keys with the
// main window after the next start; the manager offers the keys to the frame as it maps it.
TEST_F(ProgramBarsTest, TheSmsListFloatingAtTheCloseOfAMaximizedWindowLeavesTheKeysWithTheMainWindowUnderAWindowManager)
{
    std::vector<FloatingBar> bars = {{L"SMS List"}};
    HWND hMain = nullptr;
    const auto maximize = [&](HWND h) {
        ShowWindowAsync(h, SW_MAXIMIZE);
        ASSERT_TRUE(PumpUntil([&] { return IsZoomed(h) != FALSE; }, 10000));
        ASSERT_TRUE(WaitIdle(30000));
    };
    ASSERT_NO_FATAL_FAILURE(FloatAndStartAgain(bars, hMain, false, false, maximize));
    ASSERT_TRUE(IsZoomed(hMain));
    ASSERT_TRUE(WaitPainted(30000));
    const std::string active = SettledXClientOutput(folder, L"xprop -root _NET_ACTIVE_WINDOW");
    EXPECT_NE(active.find(CStringA(XWindowOf(hMain))), std::string::npos) << "the keys are elsewhere: " << active;
    // Wine makes the window the manager gave the keys the foreground one as it reads the manager's event: its own tray
    // window, shown at the start, may be it until then.
    const bool bInFront = PumpUntil([&] { return GetForegroundWindow() == hMain; }, 10000);
    wchar_t title[64] = {};
    GetWindowTextW(GetForegroundWindow(), title, 64);
    EXPECT_TRUE(bInFront) << "the foreground window is \"" << CStringA(title).GetString() << "\"";
    PostMessageW(hMain, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Ended(30000));
}

// ---- the window-manager suite --------------------------------------------------------------------------------------

// What a user meets on a desktop, the same scenarios under each window manager of the screen (CORVANE_SCREEN_WM:
// openbox, icewm, whose task bar shows a task-bar button for every window without _NET_WM_STATE_SKIP_TASKBAR and for
// one asking for attention), the prefix managed, the program started as a user starts it and input through the X
// server (xdotool), which the window manager sees. After each step CheckDesktop looks at what the user sees.
namespace
{
const wchar_t kKeptBarState[] = L"Software\\Corvane\\CorvaneTestDesktopBars";
const wchar_t kOutlookBox[] = L"Unable to instantiate Outlook.";
// kActiveScript prints the active window and the X input focus (alone, a cheap look for polls); kDesktopScript after it
// the state of every managed window, then from one walk of the X tree (the root's children, top first, indented by five
// spaces) the top-level X window holding each window given (the window manager's frame around it, or the window
// itself; a window not there stands for itself) and its place and size, the tray's window (IceWM's embedder of an
// icon, or Wine's own tray window without a system tray) and the top-level X windows, top first.
const char kActiveScript[] =
    R"sh(echo "active $(xprop -root _NET_ACTIVE_WINDOW | grep -o '0x[0-9a-f]*') $(printf '0x%x' $(xdotool getwindowfocus))"
)sh";
const char kDesktopScript[] =
    R"sh(for w in $(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*'); do echo "state $w $(xprop -id $w _NET_WM_STATE)"; done
xwininfo -root -tree | awk -v given=" $* " '
  /^     0x/ { top = $1; stack = stack $1 " " }
  /^ +0x/ && index(given, " " $1 " ") {
    split($(NF - 1), size, /[x+]/)
    split($NF, at, "+")
    print "top " $1 " " top
    print "geometry " $1 " " at[2] " " at[3] " " size[1] " " size[2]
    found[$1] = 1
  }
  tray == "" && /"Wine System Tray"|"YXTrayEmbedder"/ { tray = $(NF - 1) "  " $NF }
  END {
    n = split(given, w, " ")
    for (i = 1; i <= n; ++i) if (!(w[i] in found)) print "top " w[i] " " w[i] "\ngeometry " w[i] " "
    print "tray " tray
    print "stack " stack
  }'
)sh";
// Follows the property changes of each X window given (the first argument is the folder for the output): xev on each
// writes into spy-<window>.txt there, up once it reports a change of a property of the test's own.
const char kSpyScript[] = R"sh(dir=$1
shift
for w in "$@"; do
  rm -f "$dir/spy-$w.txt"
  timeout 120 stdbuf -oL xev -id $w -event property >"$dir/spy-$w.txt" 2>&1 &
done
for i in $(seq 60); do
  up=0
  for w in "$@"; do
    xprop -id $w -f CORVANE_SPY 32c -set CORVANE_SPY $i
    grep -q CORVANE_SPY "$dir/spy-$w.txt" && up=$((up + 1))
  done
  [ $up = $# ] && break
  sleep 0.05
done
echo "up $up"
)sh";

// What the X server and the window manager show of the windows given.
struct XDesktop
{
    std::string active, focus; // the window manager's active window and the X input focus
    std::map<std::string, std::string> state, top;
    std::map<std::string, RECT> geometry; // of the X windows given, screen
    RECT tray = {};                       // the tray's window, screen; empty without one
    std::vector<std::string> stack;       // top first

    explicit XDesktop(const std::string& out)
    {
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);)
        {
            std::istringstream words(line);
            std::string kind, id, rest;
            words >> kind >> id;
            std::getline(words, rest);
            if (kind == "active")
                std::istringstream(id + rest) >> active >> focus;
            else if (kind == "state")
                state[id] = rest;
            else if (kind == "top")
                top[id] = rest.substr(rest.find_first_not_of(' '));
            else if (kind == "geometry")
            {
                RECT& rc = geometry[id];
                std::istringstream(rest) >> rc.left >> rc.top >> rc.right >> rc.bottom;
                rc.right += rc.left;
                rc.bottom += rc.top;
            }
            else if (kind == "tray")
            {
                // "WxH+x+y  +X+Y": the size, the place in the parent, the place on the screen.
                char c = 0;
                std::istringstream(id + rest) >> tray.right >> c >> tray.bottom >> tray.left >> tray.top >> tray.left >>
                    tray.top;
                tray.right += tray.left;
                tray.bottom += tray.top;
            }
            else if (kind == "stack")
                for (std::istringstream ids(id + rest); ids >> id;)
                    stack.push_back(id);
        }
    }
    // The place of the window's top-level X window in the stacking, 0 on top; -1 when it has none.
    int Level(HWND h) const
    {
        const auto t = top.find(std::string(CStringA(XWindowOf(h))));
        const auto at = t == top.end() ? stack.end() : std::find(stack.begin(), stack.end(), t->second);
        return at == stack.end() ? -1 : (int)(at - stack.begin());
    }
    const RECT& Geometry(HWND h) const
    {
        static const RECT rcNone = {};
        const auto g = geometry.find(std::string(CStringA(XWindowOf(h))));
        return g == geometry.end() ? rcNone : g->second;
    }
    bool Managed(HWND h) const { return state.count(std::string(CStringA(XWindowOf(h)))) != 0; }
    std::string State(HWND h) const
    {
        const auto s = state.find(std::string(CStringA(XWindowOf(h))));
        return s == state.end() ? std::string() : s->second;
    }
    bool Above(HWND hUpper, HWND hLower) const
    {
        const int a = Level(hUpper), b = Level(hLower);
        return a >= 0 && b >= 0 && a < b;
    }
};

struct ProgramDesktopTest : ProgramBarsTest
{
    static bool s_bKept;  // the docking state of two bars floating, kept in kKeptBarState for the next scenarios
    static RECT s_rcMain; // the main window's rectangle when it was kept
    static std::map<std::string, RECT> s_framePlaces; // the floating frames' rectangles then, by their bars' names
    HWND hMain = nullptr;
    // Under IceWM a window mapped transient for one that is not IceWM's active window asks for attention: plain Win32
    // probes the same, a box owned by a splash (top-most or not, a tool window or not, shown with SW_SHOW or
    // SW_SHOWNOACTIVATE) or by a dialog, the dialog owned by an inactive main window shown with SW_SHOW or SW_SHOWNA
    // (9 of 9; 0 of 3 with the owner active). Windows marks none. Set when a step shows a box or dialog while its
    // owner is not active there (the splash never is): those may ask.
    bool bOwnerInactiveUnderIceWm = false;
    // The clicks before the step did not make the main window IceWM's active window (ClickTheMainWindowUntilActive):
    // the floating frames shown then may ask for attention, as above.
    std::vector<HWND> inactiveOwned;
    // Under IceWM a transient put into the top-most band behind its active owner asks for attention (a plain owned
    // popup 6 of 6: Wine sends the popups' _NET_WM_STATE_ABOVE before the owner's). Set for the band's steps: the
    // floating frames may ask.
    bool bFramesMarkedByBandUnderIceWm = false;

    static void TearDownTestSuite()
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKeptBarState);
        s_bKept = false;
    }
    static bool IceWm()
    {
        const char* pszWm = getenv("CORVANE_SCREEN_WM");
        return pszWm != nullptr && strcmp(pszWm, "icewm") == 0;
    }
    std::string X(const CString& command) { return XClientOutput(folder, command); }
    // The shell script's command, written into the work folder, with the arguments and the X windows given after them.
    CString ScriptCommand(const wchar_t* pszName, const char* pszScript, const CString& args,
                          const std::vector<HWND>& windows) const
    {
        CString script = folder + pszName, cmd;
        if (FILE* f = _wfopen(script, L"wb"))
        {
            fputs(pszScript, f);
            fclose(f);
        }
        script = script.Mid(2);
        script.Replace(L'\\', L'/');
        cmd = L"sh '" + script + L"'" + args;
        for (HWND h : windows)
            cmd += L" " + XWindowOf(h);
        return cmd;
    }
    XDesktop LookAt(const std::vector<HWND>& windows, bool bSettled = true)
    {
        const std::string script = std::string(kActiveScript) + kDesktopScript;
        const CString cmd = ScriptCommand(L"desktop.sh", script.c_str(), L"", windows);
        return XDesktop(bSettled ? SettledXClientOutput(folder, cmd) : X(cmd));
    }
    // The window manager's active window alone: a look far cheaper than LookAt's, for polls.
    std::string ActiveWindow() { return XDesktop(X(ScriptCommand(L"active.sh", kActiveScript, L"", {}))).active; }
    // Follows the property changes of the windows from now on (SetTimes reads them).
    void SpyOnProperties(const std::vector<HWND>& windows)
    {
        CString dir = folder.Mid(2);
        dir.Replace(L'\\', L'/');
        const std::string up = X(ScriptCommand(L"spy.sh", kSpyScript, L" '" + dir + L"'", windows));
        ASSERT_NE(up.find("up " + std::to_string(windows.size())), std::string::npos) << "xev did not start: " << up;
    }
    // The X server's times at which the property of the window was set since SpyOnProperties (pszState
    // "PropertyDelete": deleted): WM_STATE by the window manager as it maps the window (a withdraw deletes it),
    // WM_HINTS by Wine as it maps it.
    std::vector<unsigned long> SetTimes(HWND h, const char* pszAtom, const char* pszState = "PropertyNewValue") const
    {
        std::vector<unsigned long> times;
        FILE* f = _wfopen(folder + L"spy-" + XWindowOf(h) + L".txt", L"rb");
        for (char line[512]; f != nullptr && fgets(line, sizeof line, f);)
        {
            unsigned long ulTime = 0;
            char atom[128] = {}, state[32] = {};
            if (sscanf(line, " atom 0x%*x (%127[^)]), time %lu, state %31s", atom, &ulTime, state) == 3 &&
                strcmp(atom, pszAtom) == 0 && strcmp(state, pszState) == 0)
                times.push_back(ulTime);
        }
        if (f != nullptr)
            fclose(f);
        return times;
    }
    // Each window of the list (the main window last) was mapped once since SpyOnProperties, the frames by themselves
    // (no input since) and not before the main window, as the property set at a map tells. How soon after it is a
    // matter of the machine's load, not of a state: the frames' wait for a window manager's offer of the focus ends
    // by its timer where none comes (metacity), 0.5 s later beside a busy process per CPU.
    void CheckShownAfterTheMainWindow(const std::vector<HWND>& windows, const char* pszAtom)
    {
        const auto shown = [&] {
            return std::all_of(windows.begin(), windows.end(), [&](HWND h) { return !SetTimes(h, pszAtom).empty(); });
        };
        ASSERT_TRUE(PumpUntil(shown, 10000)) << "the main window and its frames were not mapped again";
        for (HWND h : windows)
        {
            const std::vector<unsigned long> times = SetTimes(h, pszAtom);
            const long nAfter = (long)(times[0] - SetTimes(windows.back(), pszAtom)[0]);
            EXPECT_TRUE((times.size() == 1u || h == windows.back()) && nAfter >= 0)
                << Name(h) << " was mapped " << times.size() << " times, first " << nAfter
                << " ms after the main window";
        }
    }
    // Each frame of the list (the main window last) was withdrawn since SpyOnProperties, before the main window, as
    // the window manager's first deletion of WM_STATE or _NET_WM_STATE tells (xfwm4 keeps the first).
    void CheckHiddenBeforeTheMainWindow(const std::vector<HWND>& windows, const std::string& trip)
    {
        const auto gone = [&](HWND h) {
            std::vector<unsigned long> t = SetTimes(h, "WM_STATE", "PropertyDelete"),
                                       n = SetTimes(h, "_NET_WM_STATE", "PropertyDelete");
            t.insert(t.end(), n.begin(), n.end());
            return t.empty() ? 0ul : *std::min_element(t.begin(), t.end());
        };
        ASSERT_TRUE(PumpUntil([&] { return std::all_of(windows.begin(), windows.end(), gone); }, 10000))
            << "the main window and its frames were not withdrawn, " << trip;
        for (HWND h : windows)
            EXPECT_LE((long)(gone(h) - gone(windows.back())), 0)
                << Name(h) << " was hidden " << (long)(gone(h) - gone(windows.back())) << " ms after the main window, "
                << trip;
    }
    std::string Name(HWND h) const
    {
        wchar_t cls[64] = {}, text[128] = {};
        GetClassNameW(h, cls, 64);
        GetWindowTextW(h, text, 128);
        if (h == nullptr)
            return "no window";
        if (h == hMain)
            return "the main window";
        if (wcscmp(cls, L"SplashScreenExClass") == 0)
            return "the splash";
        if (wcscmp(cls, L"#32770") == 0)
            for (HWND c = GetWindow(h, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                if (GetDlgCtrlID(c) == 0xFFFF && GetWindowTextW(c, text, 128) > 0)
                    return "the box \"" + std::string(CStringA(text)) + "\"";
        return std::string(CStringA(text));
    }
    // The window of the session whose X window is id, or null.
    static HWND WindowOfX(const std::string& id)
    {
        std::pair<std::string, HWND> scan = {id, nullptr};
        EnumWindows(
            [](HWND h, LPARAM lp) -> BOOL {
                auto* s = (std::pair<std::string, HWND>*)lp;
                s->second = std::string(CStringA(XWindowOf(h))) == s->first ? h : nullptr;
                return s->second == nullptr;
            },
            (LPARAM)&scan);
        return scan.second;
    }
    std::string NameOfX(const std::string& id) const
    {
        const HWND h = WindowOfX(id);
        return h != nullptr ? Name(h) : "X window " + id;
    }
    // The window of the program with the X focus, or null.
    HWND XFocus()
    {
        char id[32] = {};
        snprintf(id, sizeof id, "0x%llx", strtoull(X(L"xdotool getwindowfocus").c_str(), nullptr, 10));
        return WindowOfX(id);
    }
    // Whether IceWM's active window is not the main window now (see bOwnerInactiveUnderIceWm).
    bool MainInactiveUnderIceWm() { return IceWm() && ActiveWindow() != std::string(CStringA(XWindowOf(hMain))); }
    // Moves the pointer through the X server to the screen point, until Wine has it there.
    void PointAt(POINT pt)
    {
        CString sMove;
        sMove.Format(L"xdotool mousemove %ld %ld", pt.x, pt.y);
        const std::string moved = X(sMove);
        POINT ptAt = {};
        ASSERT_TRUE(PumpUntil([&] { return GetCursorPos(&ptAt) && ptAt.x == pt.x && ptAt.y == pt.y; }, 10000))
            << "the pointer is at " << ptAt.x << "," << ptAt.y << " " << moved;
    }
    // A click through the X server at the screen point, once Wine has the pointer there.
    void ClickAt(POINT pt)
    {
        ASSERT_NO_FATAL_FAILURE(PointAt(pt));
        X(L"xdotool click 1");
        if (hMain != nullptr)
        {
            ASSERT_TRUE(WaitIdle(30000));
        }
    }
    // A click into the status bar's text pane, off the floating frames and the boxes.
    void ClickTheMainWindow()
    {
        const HWND hStatus = GetDlgItem(hMain, AFX_IDW_STATUS_BAR);
        RECT rc = {};
        GetWindowRect(hStatus, &rc);
        const POINT pt = {rc.left + 20, (rc.top + rc.bottom) / 2};
        // While a box is up the main window is disabled: the point lies on it, under no other window.
        ASSERT_EQ(GetAncestor(WindowFromPoint(pt), GA_ROOT), hMain) << DescribeWindowAt(pt);
        ASSERT_NO_FATAL_FAILURE(ClickAt(pt));
    }
    // A click into the main window. Under IceWM a click makes a Wine window IceWM's active window only now and then (the
    // X server drops Wine's answer to IceWM's offer of the focus when it comes after IceWM's own fallback): a plain
    // Win32 window after its start took 1 to 7 clicks a second apart (8 starts). A user clicks again until the title
    // shows the window active: so does the suite, up to 7 clicks. Where IceWM still leaves it inactive, the windows it
    // owns then are judged as IceWM marks them (inactiveOwned).
    void ClickTheMainWindowUntilActive()
    {
        const std::string id(CStringA(XWindowOf(hMain)));
        inactiveOwned.clear();
        for (int i = 0; i < 7; ++i)
        {
            ASSERT_NO_FATAL_FAILURE(ClickTheMainWindow());
            if (!IceWm() || PumpUntil([&] { return ActiveWindow() == id; }, 1500))
                return;
        }
        inactiveOwned = FloatingFrames();
        printf("IceWM left the main window inactive at 7 clicks: its floating frames may ask for attention\n");
    }
    // Under IceWM no window of a Wine program has the keys after its start until a click, a plain Win32 window the
    // same, and a window it maps before its first input asks for attention (a plain owned popup 6 of 6, none after a
    // click); Windows gives the keys to the window shown: there the suite clicks into it first.
    void ClickFirstUnderIceWm()
    {
        if (IceWm())
        {
            // Once the window manager manages every window shown: one it maps after the click is offered the keys.
            std::vector<HWND> shown = FloatingFrames();
            shown.push_back(hMain);
            ASSERT_TRUE(WaitPainted(30000));
            ASSERT_TRUE(PumpUntil(
                [&] {
                    const XDesktop x = LookAt(shown, false);
                    return std::all_of(shown.begin(), shown.end(), [&](HWND h) { return x.Managed(h); });
                },
                10000))
                << "the window manager does not manage the program's windows";
            ASSERT_NO_FATAL_FAILURE(ClickTheMainWindowUntilActive());
        }
    }
    // A user's command comes with input (a click on a menu or on the tray icon), by which IceWM judges whether a
    // window the program maps next may take the focus; one it may not take asks for attention (a plain Win32 owned
    // popup shown a while after the last click too). The suite posts its commands: under IceWM it clicks first.
    void ClickBeforeACommandUnderIceWm()
    {
        if (IceWm())
            ClickTheMainWindowUntilActive();
    }
    // Waits until the window manager manages hWnd; rc is then where the X server shows it (its X window).
    bool WaitManagedAt(HWND hWnd, RECT& rc)
    {
        return PumpUntil(
            [&] {
                const XDesktop x = LookAt({hWnd}, false);
                rc = x.Geometry(hWnd);
                return x.Managed(hWnd);
            },
            10000);
    }
    // Under IceWM a box a Wine program shows does not get the keys (a plain Win32 box 6 of 6): a user clicks its body,
    // off its buttons.
    void ClickTheBoxUnderIceWm(HWND hBox)
    {
        if (IceWm())
        {
            // Where the X server shows it, once the window manager manages it. Not at the top: where Win32 has the box
            // lower than it is drawn, Wine takes a click there for one on its caption, whose move puts it right.
            RECT rc = {};
            ASSERT_TRUE(WaitManagedAt(hBox, rc));
            ASSERT_NO_FATAL_FAILURE(ClickAt(POINT{rc.left + 5, (rc.top + rc.bottom) / 2}));
        }
    }
    // Where the X server shows the box (its X window, the box's client area), once the window manager manages it: Wine
    // gives a click to the window at its Win32 place, so the box's client area lies there too.
    void CheckTheBoxWhereDrawn(HWND hBox, const char* pszStep, RECT& rcX)
    {
        POINT ptClient = {};
        ASSERT_TRUE(WaitManagedAt(hBox, rcX))
            << "the window manager does not manage " << Name(hBox) << " after " << pszStep;
        ASSERT_TRUE(ClientToScreen(hBox, &ptClient));
        EXPECT_TRUE(rcX.left == ptClient.x && rcX.top == ptClient.y)
            << Name(hBox) << "'s client area lies at " << ptClient.x << "," << ptClient.y << ", its X window at "
            << rcX.left << "," << rcX.top << " after " << pszStep;
    }
    // Answers the box as a user does: a click on the middle of its button nId where the X server shows it (the button's
    // place in the box's client area from the box's X window). IceWM may take a click for its activation of the box:
    // up to three, each waited out.
    void ClickTheBoxsButton(HWND hBox, int nId, const char* pszStep)
    {
        RECT rcButton = {}, rcX = {};
        POINT ptClient = {};
        ASSERT_NO_FATAL_FAILURE(CheckTheBoxWhereDrawn(hBox, pszStep, rcX));
        ASSERT_TRUE(GetWindowRect(GetDlgItem(hBox, nId), &rcButton) && ClientToScreen(hBox, &ptClient));
        const POINT pt = {rcX.left + (rcButton.left + rcButton.right) / 2 - ptClient.x,
                          rcX.top + (rcButton.top + rcButton.bottom) / 2 - ptClient.y};
        bool bGone = false;
        for (int nClick = 0; nClick < 3 && !bGone; ++nClick)
        {
            ASSERT_NO_FATAL_FAILURE(ClickAt(pt));
            bGone = PumpUntil([&] { return !IsWindow(hBox) || !IsWindowVisible(hBox); }, 5000);
        }
        ASSERT_TRUE(bGone) << Name(hBox) << " stays after three clicks on its button " << nId << " at " << pt.x << ","
                           << pt.y << " after " << pszStep;
    }
    // Brings the program back by a click on its icon in the tray, as a user does.
    void ClickTheTrayIcon(int nTrip)
    {
        RECT rcTray = {};
        ASSERT_TRUE(PumpUntil([&] { return !IsRectEmpty(&(rcTray = LookAt({}, false).tray)); }, 10000))
            << "no tray window shows the program's icon, trip " << nTrip;
        // The pointer comes to the icon from elsewhere: Wine's tray loses a press that no move into it came before.
        ASSERT_NO_FATAL_FAILURE(PointAt(POINT{GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2}));
        ASSERT_NO_FATAL_FAILURE(
            ClickAt(POINT{rcTray.left + (rcTray.bottom - rcTray.top) / 2, (rcTray.top + rcTray.bottom) / 2}));
    }
    // Drags the main window by the window manager's title bar (above its X window) by dx, dy, let go once its X window
    // followed: it stays there.
    void DragTheMainWindow(int dx, int dy, const char* pszStep)
    {
        RECT rcWas = {}, rc = {};
        GetWindowRect(hMain, &rcWas);
        const RECT rcX = LookAt({hMain}, false).Geometry(hMain);
        const POINT pt = {rcX.left + 150, rcX.top - 8};
        ASSERT_NO_FATAL_FAILURE(PointAt(pt));
        X(L"xdotool mousedown 1");
        // The first move starts the window manager's drag, the second moves the window.
        for (int n = 1; n <= 2; ++n)
        {
            CString sMove;
            sMove.Format(L"xdotool mousemove %ld %ld", pt.x + dx * n / 2, pt.y + dy * n / 2);
            X(sMove);
        }
        const bool bFollowed = PumpUntil(
            [&] {
                const RECT rcNow = LookAt({hMain}, false).Geometry(hMain);
                return rcNow.left == rcX.left + dx && rcNow.top == rcX.top + dy;
            },
            10000);
        X(L"xdotool mouseup 1");
        const auto moved = [&] {
            return GetWindowRect(hMain, &rc) && rc.left == rcWas.left + dx && rc.top == rcWas.top + dy;
        };
        EXPECT_TRUE(bFollowed && PumpUntil(moved, 10000) && WaitIdle(30000) && moved())
            << "the main window is at " << rc.left << "," << rc.top << " after the user dragged it from " << rcWas.left
            << "," << rcWas.top << " by " << dx << "," << dy << (bFollowed ? " and let it go" : "") << " after "
            << pszStep;
    }
    // Starts the program with Folders and the SMS List floating: floated by double clicks and the program started
    // again the first time, started on the kept docking state after.
    void StartWithTwoBarsFloating()
    {
        if (!s_bKept)
        {
            std::vector<FloatingBar> bars = {{L"Folders"}, {L"SMS List"}};
            // The main window is moved off the place the window manager gives a new window before the close. Folders
            // floats at a bar's first floating position, the screen's top-left, where Wine shows its tray in a window
            // of its own without a system tray (openbox): it is moved clear of it, below the SMS List.
            const auto moveAway = [this](HWND h) {
                const HWND hFolders = FindBar(pi.dwProcessId, L"Folders").hTopLevel;
                RECT rc = {};
                GetWindowRect(FindBar(pi.dwProcessId, L"SMS List").hTopLevel, &rc);
                SetWindowPos(hFolders, nullptr, 0, rc.bottom + 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                ASSERT_TRUE(PumpUntil(
                    [&] { return LookAt({hFolders}, false).Geometry(hFolders).top == rc.bottom + 60; }, 10000));
                SetWindowPos(h, nullptr, 150, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                ASSERT_TRUE(PumpUntil([&] { return GetWindowRect(h, &s_rcMain) && s_rcMain.left >= 100; }, 10000));
                ASSERT_TRUE(WaitPainted(30000));
                GetWindowRect(h, &s_rcMain);
                for (HWND hFrame : FloatingFrames())
                    GetWindowRect(hFrame, &s_framePlaces[Name(hFrame)]);
            };
            ASSERT_NO_FATAL_FAILURE(FloatAndStartAgain(bars, hMain, false, false, moveAway));
            s_bKept = keptkey::CopyTree(kBarStateKey, kKeptBarState);
        }
        else
        {
            ASSERT_TRUE(keptkey::CopyTree(kKeptBarState, kBarStateKey));
            ASSERT_TRUE(StartProgram());
            ASSERT_NE(hMain = WaitForMainWindow(60000), nullptr);
        }
        ASSERT_TRUE(PumpUntil([&] { return FloatingFrames().size() == 2u; }, 30000))
            << "Folders and the SMS List do not float shown after the start";
        ASSERT_TRUE(WaitPainted(30000));
    }
    // Each window is seen on the screen: where the X server shows it (the window manager may show a window a little
    // off its Win32 rectangle) it shows what it shows once raised, the list's later windows above the earlier ones as
    // expected, each in its band again; where a later window lies is left out.
    void CheckSeen(const std::vector<HWND>& windows, const XDesktop& x, const char* pszStep)
    {
        const RECT rcScreen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        std::vector<RECT> rects(windows.size());
        std::vector<std::vector<DWORD>> seen;
        for (size_t i = 0; i < windows.size(); ++i)
        {
            IntersectRect(&rects[i], &x.Geometry(windows[i]), &rcScreen);
            seen.push_back(SettledScreen(rects[i], 3000));
        }
        const UINT nFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
        for (HWND h : windows)
        {
            const bool bTopMost = (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, nFlags);
            if (!bTopMost)
                SetWindowPos(h, HWND_NOTOPMOST, 0, 0, 0, 0, nFlags);
        }
        // The window manager has restacked them (a window it cannot raise stays where it is).
        XDesktop raised = x;
        PumpUntil(
            [&] {
                raised = LookAt(windows, false);
                for (size_t i = 1; i < windows.size(); ++i)
                    if (!raised.Above(windows[i], windows[i - 1]))
                        return false;
                return true;
            },
            3000);
        for (size_t i = 0; i < windows.size(); ++i)
        {
            // Its rectangle now, moved as the window moved.
            const RECT& rcWas = x.Geometry(windows[i]);
            RECT rc = rects[i];
            OffsetRect(&rc, raised.Geometry(windows[i]).left - rcWas.left, raised.Geometry(windows[i]).top - rcWas.top);
            // Another program's window may lie above by right: Wine's tray without a system tray (openbox) at the
            // screen's top-left.
            std::vector<RECT> covers = OthersWindows();
            covers.push_back(x.tray);
            for (size_t j = i + 1; j < windows.size(); ++j)
                covers.push_back(raised.Geometry(windows[j]));
            const int nAll = (rc.right - rc.left) * (rc.bottom - rc.top),
                      nUnseen = randomrun::ComparePictures(seen[i], SettledScreen(rc, 3000), rc, 0, covers).nCount;
            EXPECT_LE(nUnseen, std::max(nAll, 0) / 20)
                << Name(windows[i]) << " is not seen on the screen after " << pszStep << ": " << nUnseen << " of "
                << nAll << " pixels are not its own (on the X server at " << rc.left << "," << rc.top << ")"
                << ProgramWindowsOver(windows[i], rc);
        }
    }
    // For a failed check: the window's Win32 rectangle and the program's other shown windows on the rectangle, in the
    // Win32 order from the top.
    std::string ProgramWindowsOver(HWND hWnd, const RECT& rc) const
    {
        std::ostringstream os;
        RECT rcWnd = {};
        GetWindowRect(hWnd, &rcWnd);
        os << "; its Win32 rectangle at " << rcWnd.left << "," << rcWnd.top;
        for (HWND h = GetWindow(GetDesktopWindow(), GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
        {
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            RECT r = {}, rcOn = {};
            if (h != hWnd && pid == pi.dwProcessId && IsWindowVisible(h) && GetWindowRect(h, &r) &&
                IntersectRect(&rcOn, &r, &rc))
                os << "; " << Name(h) << " at " << r.left << "," << r.top << " " << r.right - r.left << "x"
                   << r.bottom - r.top;
        }
        return os.str();
    }
    // What the user sees after the step: every floating frame above the main window and on the screen; the box (when
    // one is up) above the main window, the frames and hBlocked, and on the screen; no floating frame on the task bar;
    // no window asking for attention; the main window at prcMain (when given) and the keys with hKeys (when given).
    void CheckDesktop(const char* pszStep, HWND hKeys, const RECT* prcMain, HWND hBox = nullptr,
                      HWND hBlocked = nullptr)
    {
        if (hMain != nullptr)
        {
            ASSERT_TRUE(WaitPainted(30000)) << "the program did not settle after " << pszStep;
        }
        const std::vector<HWND> frames = FloatingFrames();
        std::vector<HWND> windows = frames;
        for (HWND h : {hMain, hBlocked, hBox})
            if (h != nullptr && IsWindowVisible(h))
                windows.push_back(h);
        const XDesktop x = LookAt(windows);
        for (HWND h : frames)
        {
            RECT rc = {};
            const auto place = s_framePlaces.find(Name(h));
            EXPECT_TRUE(place == s_framePlaces.end() || (GetWindowRect(h, &rc) && EqualRect(&rc, &place->second)))
                << Name(h) << " stands at " << rc.left << "," << rc.top << " instead of " << place->second.left << ","
                << place->second.top << " after " << pszStep;
            EXPECT_TRUE(x.Above(h, hMain)) << Name(h) << " lies below the main window after " << pszStep;
            EXPECT_NE(x.State(h).find("_NET_WM_STATE_SKIP_TASKBAR"), std::string::npos)
                << Name(h) << " lost _NET_WM_STATE_SKIP_TASKBAR (a task-bar button of its own) after " << pszStep;
        }
        for (const auto& s : x.state)
        {
            const HWND h = WindowOfX(s.first);
            const bool bExcused =
                (bOwnerInactiveUnderIceWm && h != nullptr && GetWindow(h, GW_OWNER) != nullptr &&
                 std::find(frames.begin(), frames.end(), h) == frames.end()) ||
                std::find(inactiveOwned.begin(), inactiveOwned.end(), h) != inactiveOwned.end() ||
                (bFramesMarkedByBandUnderIceWm && std::find(frames.begin(), frames.end(), h) != frames.end());
            if (!bExcused)
            {
                EXPECT_EQ(s.second.find("_NET_WM_STATE_DEMANDS_ATTENTION"), std::string::npos)
                    << NameOfX(s.first) << " asks for attention (_NET_WM_STATE_DEMANDS_ATTENTION) after " << pszStep;
            }
        }
        if (hBox != nullptr)
        {
            for (HWND h : windows)
                EXPECT_TRUE(h == hBox || x.Above(hBox, h))
                    << Name(hBox) << " lies below " << Name(h) << " after " << pszStep;
            RECT rc = {}, rcOn = {};
            const RECT rcScreen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
            GetWindowRect(hBox, &rc);
            EXPECT_TRUE(IntersectRect(&rcOn, &rc, &rcScreen) && EqualRect(&rcOn, &rc))
                << Name(hBox) << " lies off the screen after " << pszStep;
        }
        RECT rc = {};
        if (prcMain != nullptr && GetWindowRect(hMain, &rc) && !EqualRect(&rc, prcMain))
            ADD_FAILURE() << "the main window is at " << rc.left << "," << rc.top << " " << rc.right - rc.left << "x"
                          << rc.bottom - rc.top << " instead of " << prcMain->left << "," << prcMain->top << " "
                          << prcMain->right - prcMain->left << "x" << prcMain->bottom - prcMain->top << " after "
                          << pszStep;
        if (hKeys != nullptr)
        {
            // IceWM gives the X focus to a Wine window at a click only now and then (a plain Win32 window 2 times in
            // 6 after its start and a click, 6 in 10 after a restore and a click) and keeps it on a window of its own
            // after a box now and then (a plain Win32 box 4 of 6): there the keys are with a window of the program or
            // with IceWM, said so, never with another program, and the Win32 foreground tells the rest.
            const std::string id(CStringA(XWindowOf(hKeys)));
            DWORD dwFocusPid = 0;
            GetWindowThreadProcessId(WindowOfX(x.focus), &dwFocusPid);
            const bool bKeptByIceWm = IceWm() && WindowOfX(x.focus) == nullptr;
            EXPECT_TRUE((bKeptByIceWm || (IceWm() ? dwFocusPid == pi.dwProcessId : x.active == id && x.focus == id)) &&
                        GetForegroundWindow() == hKeys)
                << "the keys are with " << NameOfX(x.focus) << " (the active window: " << NameOfX(x.active)
                << ", the foreground: " << Name(GetForegroundWindow()) << ") instead of " << Name(hKeys) << " after "
                << pszStep;
            if (bKeptByIceWm)
                printf("IceWM keeps the keys on a window of its own (%s) after %s\n", x.focus.c_str(), pszStep);
        }
        // A modal window of the main window (the one the box blocks with) lies above the frames by right, as a window
        // just shown above its owner's other owned windows on Windows: the frames are seen where it leaves them.
        std::vector<HWND> seen = frames;
        if (hBlocked != nullptr && hMain != nullptr && GetWindow(hBlocked, GW_OWNER) == hMain &&
            IsWindowVisible(hBlocked))
            seen.push_back(hBlocked);
        if (hBox != nullptr)
            seen.push_back(hBox);
        CheckSeen(seen, x, pszStep);
    }
    // Alt+F typed through the X server opens File: its first item lit, its prompt in the status bar. Escape twice
    // closes it again.
    bool AltFOpensFile()
    {
        CString strPrompt;
        strPrompt.LoadString(ID_SMS_NEW);
        strPrompt = strPrompt.Left(strPrompt.Find(L'\n'));
        const auto lit = [&] {
            wchar_t text[256] = {};
            SendMessageW(GetDlgItem(hMain, AFX_IDW_STATUS_BAR), WM_GETTEXT, 256, (LPARAM)text);
            return strPrompt == text;
        };
        X(L"xdotool key alt+f");
        const bool bOpened = PumpUntil(lit, 5000);
        X(L"xdotool key --delay 250 Escape Escape");
        return PumpUntil([&] { return !lit(); }, 5000) && WaitIdle(30000) && bOpened;
    }
    // The box with the text the process shows now, or null.
    HWND ShownBox(const wchar_t* pszText) const
    {
        std::vector<SeenBox> found;
        HWND hIgnored = nullptr;
        Look(found, hIgnored);
        for (const SeenBox& b : found)
            if (b.text == pszText)
                return b.hWnd;
        return nullptr;
    }
};
bool ProgramDesktopTest::s_bKept = false;
RECT ProgramDesktopTest::s_rcMain = {};
std::map<std::string, RECT> ProgramDesktopTest::s_framePlaces;
} // namespace

TEST_F(ProgramDesktopTest, TwoBarsFloatingAtTheCloseAreSeenAboveTheMainWindowAfterTheStartAndAClick)
{
    ASSERT_NO_FATAL_FAILURE(StartWithTwoBarsFloating());
    ASSERT_NO_FATAL_FAILURE(ClickFirstUnderIceWm());
    ASSERT_NO_FATAL_FAILURE(CheckDesktop("the start with two bars floating", hMain, &s_rcMain));
    ASSERT_NO_FATAL_FAILURE(ClickTheMainWindowUntilActive());
    CheckDesktop("a click into the main window", hMain, &s_rcMain);
}

TEST_F(ProgramDesktopTest, AProgramClosedMinimizedStartsMinimizedAndComesBackWhereItWas)
{
    ASSERT_NO_FATAL_FAILURE(StartWithTwoBarsFloating());
    X(L"xdotool windowminimize " + XWindowOf(hMain));
    ASSERT_TRUE(PumpUntil([&] { return IsIconic(hMain) != FALSE; }, 10000)) << "the window manager's minimize";
    PostMessageW(hMain, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Ended(30000));
    ASSERT_TRUE(StartProgram());
    ASSERT_NE(hMain = WaitForMainWindow(60000), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return IsIconic(hMain) != FALSE; }, 10000)) << "the start is not minimized";
    ASSERT_NO_FATAL_FAILURE(CheckDesktop("a minimized start", nullptr, nullptr));
    EXPECT_TRUE(FloatingFrames().empty()) << "a floating frame shows while the main window starts minimized";
    // Brought back as a task bar does it: the window manager is asked to activate the window.
    X(L"xdotool windowactivate " + XWindowOf(hMain));
    ASSERT_TRUE(PumpUntil([&] { return !IsIconic(hMain) && FloatingFrames().size() == 2u; }, 10000))
        << "the window and its two floating frames did not come back";
    ASSERT_NO_FATAL_FAILURE(ClickFirstUnderIceWm());
    ASSERT_NO_FATAL_FAILURE(CheckDesktop("the restore after a minimized start", hMain, &s_rcMain));
    // The keys where a restored frame gives them, in the view, and Alt+F opens File (under openbox: under IceWM with
    // a busy process per CPU the drag below was lost after it 1 of 13 runs).
    EXPECT_TRUE(PumpUntil([&] { return Focus() == View() || IsChild(View(), Focus()); }, 5000))
        << "the keys are with " << (Focus() == hMain ? "the main window itself" : Name(Focus()))
        << " after the restore after a minimized start";
    if (!IceWm())
    {
        EXPECT_TRUE(AltFOpensFile()) << "Alt+F opened no File after the restore after a minimized start";
    }
    // The user's first move after it is the user's: not undone.
    DragTheMainWindow(60, 40, "the restore after a minimized start");
}

TEST_F(ProgramDesktopTest, TheWindowManagersMinimizeToTheTrayAndBackFiveTimesKeepsTheWindowAndItsFrames)
{
    SetInt(L"IsHideToTray", 1);
    ASSERT_NO_FATAL_FAILURE(StartWithTwoBarsFloating());
    ASSERT_NO_FATAL_FAILURE(ClickFirstUnderIceWm());
    const std::vector<HWND> frames = FloatingFrames();
    std::vector<HWND> windows = frames;
    windows.push_back(hMain);
    std::vector<CString> ids;
    CString sUnmapped = L"for w in";
    for (HWND h : windows)
    {
        ids.push_back(XWindowOf(h));
        sUnmapped += L" " + ids.back();
    }
    sUnmapped += L"; do xwininfo -id $w; done | grep -c IsUnMapped";
    const CString idMain = ids.back();
    const auto CheckXWindows = [&](const char* pszWhere, int i) {
        for (size_t k = 0; k < windows.size(); ++k)
            ASSERT_TRUE(XWindowOf(windows[k]) == ids[k])
                << Name(windows[k]) << " has another X window " << pszWhere << ", trip " << i;
    };
    for (int i = 1; i <= 5; ++i)
    {
        const std::string step = "the way back from the tray, trip " + std::to_string(i);
        ASSERT_NO_FATAL_FAILURE(ClickBeforeACommandUnderIceWm());
        ASSERT_NO_FATAL_FAILURE(SpyOnProperties(windows));
        X(L"xdotool windowminimize " + idMain);
        ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(hMain) && FloatingFrames().empty(); }, 10000))
            << "the main window and its frames did not go to the tray, trip " << i;
        // In the tray each keeps its X window, unmapped: a click where one was lands on what lies below.
        ASSERT_NO_FATAL_FAILURE(CheckXWindows("in the tray", i));
        std::string unmapped;
        EXPECT_TRUE(PumpUntil([&] { return atoi((unmapped = X(sUnmapped)).c_str()) == (int)ids.size(); }, 10000))
            << unmapped << " of the main window and its frames unmapped in the tray, trip " << i;
        ASSERT_NO_FATAL_FAILURE(CheckHiddenBeforeTheMainWindow(windows, "trip " + std::to_string(i)));
        ASSERT_NO_FATAL_FAILURE(SpyOnProperties(windows));
        ASSERT_NO_FATAL_FAILURE(ClickTheTrayIcon(i));
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(hMain) && FloatingFrames().size() == 2u; }, 10000))
            << "the main window and its two frames did not come back from the tray, trip " << i;
        ASSERT_NO_FATAL_FAILURE(CheckXWindows("back", i));
        // The window manager shows each frame once, after the main window.
        ASSERT_NO_FATAL_FAILURE(CheckShownAfterTheMainWindow(windows, "WM_STATE"));
        ASSERT_NO_FATAL_FAILURE(ClickFirstUnderIceWm());
        ASSERT_NO_FATAL_FAILURE(CheckDesktop(step.c_str(), hMain, &s_rcMain));
    }
}

// With the program's own setting of Wine's X11 driver unmanaged, no window manager offers its windows the focus: the
// floating frames come back from the tray with the main window all the same.
TEST_F(ProgramDesktopTest, TheFramesComeBackFromTheTrayWithTheMainWindowOfAProgramSetUnmanaged)
{
    static const wchar_t kWineAppKey[] = L"Software\\Wine\\AppDefaults\\CorvaneSms.exe";
    struct Unmanaged
    {
        Unmanaged()
        {
            RegSetKeyValueW(HKEY_CURRENT_USER, CString(kWineAppKey) + L"\\X11 Driver", L"Managed", REG_SZ, L"N", 4);
        }
        ~Unmanaged() { RegDeleteTreeW(HKEY_CURRENT_USER, kWineAppKey); }
    } unmanaged;
    SetInt(L"IsHideToTray", 1);
    ASSERT_NO_FATAL_FAILURE(StartWithTwoBarsFloating());
    std::vector<HWND> windows = FloatingFrames();
    windows.push_back(hMain);
    PostMessageW(hMain, WM_COMMAND, ID_SHOW_HIDE_WINDOW, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(hMain) && FloatingFrames().empty(); }, 10000));
    ASSERT_NO_FATAL_FAILURE(SpyOnProperties(windows));
    PostMessageW(hMain, WM_COMMAND, ID_SHOW_HIDE_WINDOW, 0);
    CheckShownAfterTheMainWindow(windows, "WM_HINTS");
}

// Under metacity (an entry of its own): a click on Wine's tray icon gets a window the program shows again no offer of
// the focus once the program has had input of its own; the floating frames come back with it all the same.
struct ProgramTrayUnderMetacityTest : ProgramDesktopTest
{};

TEST_F(ProgramTrayUnderMetacityTest, TheFramesComeBackWithTheMainWindowAtAClickOnTheTrayIconAfterAClickIntoIt)
{
    SetInt(L"IsHideToTray", 1);
    ASSERT_NO_FATAL_FAILURE(StartWithTwoBarsFloating());
    std::vector<HWND> windows = FloatingFrames();
    windows.push_back(hMain);
    // Several trips: the main window stays where it was (metacity placed it again by its title's height each trip).
    for (int i = 1; i <= 3; ++i)
    {
        ASSERT_NO_FATAL_FAILURE(ClickTheMainWindow());
        X(L"xdotool windowminimize " + XWindowOf(hMain));
        ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(hMain) && FloatingFrames().empty(); }, 10000))
            << "the main window and its frames did not go to the tray, trip " << i;
        ASSERT_NO_FATAL_FAILURE(SpyOnProperties(windows));
        ASSERT_NO_FATAL_FAILURE(ClickTheTrayIcon(i));
        ASSERT_NO_FATAL_FAILURE(CheckShownAfterTheMainWindow(windows, "WM_STATE"));
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(hMain) && FloatingFrames().size() == 2u; }, 10000))
            << "the main window and its two frames did not come back from the tray, trip " << i;
        const XDesktop x = LookAt(windows);
        for (HWND h : FloatingFrames())
            EXPECT_EQ(x.State(h).find("DEMANDS_ATTENTION"), std::string::npos) << Name(h) << ": " << x.State(h);
        RECT rc = {};
        EXPECT_TRUE(PumpUntil([&] { return GetWindowRect(hMain, &rc) && EqualRect(&rc, &s_rcMain); }, 5000))
            << "the main window is at " << rc.left << "," << rc.top << " " << rc.right - rc.left << "x"
            << rc.bottom - rc.top << " instead of " << s_rcMain.left << "," << s_rcMain.top << ", trip " << i;
    }
}

TEST_F(ProgramDesktopTest, AlwaysOnTopOnOffAndOnKeepsTheFloatingFramesAboveAndOffTheTaskBar)
{
    ASSERT_NO_FATAL_FAILURE(StartWithTwoBarsFloating());
    ASSERT_NO_FATAL_FAILURE(ClickFirstUnderIceWm());
    for (const char* pszStep : {"always on top on", "always on top off", "always on top on again"})
    {
        const bool bOn = pszStep != std::string("always on top off");
        bFramesMarkedByBandUnderIceWm = IceWm();
        ASSERT_NO_FATAL_FAILURE(ClickBeforeACommandUnderIceWm());
        PostMessageW(hMain, WM_COMMAND, ID_VIEW_TOPMOST, 0);
        ASSERT_TRUE(
            PumpUntil([&] { return ((GetWindowLongW(hMain, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) == bOn; }, 10000))
            << "\"Jendela Paling Depan\" did not switch the band: " << pszStep;
        ASSERT_NO_FATAL_FAILURE(CheckDesktop(pszStep, hMain, &s_rcMain));
    }
    // Off again: once the main window is IceWM's active window no frame is left asking for attention.
    ASSERT_NO_FATAL_FAILURE(ClickBeforeACommandUnderIceWm());
    PostMessageW(hMain, WM_COMMAND, ID_VIEW_TOPMOST, 0);
    ASSERT_TRUE(PumpUntil([&] { return (GetWindowLongW(hMain, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0; }, 10000));
    bFramesMarkedByBandUnderIceWm = false;
    ASSERT_NO_FATAL_FAILURE(ClickTheMainWindowUntilActive());
    CheckDesktop("always on top off and a click into the main window", hMain, &s_rcMain);
}

TEST_F(ProgramDesktopTest, TheDialersBoxStaysAboveTheProgramWithTheKeysAtAClickOnTheMainWindow)
{
    ASSERT_NO_FATAL_FAILURE(StartWithTwoBarsFloating());
    ASSERT_NO_FATAL_FAILURE(ClickFirstUnderIceWm());
    bOwnerInactiveUnderIceWm = MainInactiveUnderIceWm();
    PostMessageW(hMain, WM_COMMAND, ID_CALL, 0);
    HWND hBox = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (hBox = ShownBox(kOutlookBox)) != nullptr; }, 30000)) << "no box of the dialer";
    // The dialer, which the box blocks with.
    const HWND hDialer = GetWindow(hBox, GW_OWNER);
    ASSERT_NE(hDialer, hMain) << "the dialer's box is owned by the main window";
    // IceWM makes the new dialer its active window only now and then: a box shown while it is not may ask.
    const std::string active = ActiveWindow();
    bOwnerInactiveUnderIceWm |= IceWm() && active != std::string(CStringA(XWindowOf(hDialer))) &&
                                active != std::string(CStringA(XWindowOf(hBox)));
    ASSERT_NO_FATAL_FAILURE(CheckDesktop("Tools > Telepon", hBox, &s_rcMain, hBox, hDialer));
    ASSERT_NO_FATAL_FAILURE(ClickTheMainWindow());
    CheckDesktop("a click on the main window under the dialer's box", hBox, &s_rcMain, hBox, hDialer);
}

TEST_F(ProgramDesktopTest, TheMainWindowHasTheKeysAgainWhenTheExportEndsWithItsBox)
{
    ASSERT_NO_FATAL_FAILURE(StartWithTwoBarsFloating());
    ASSERT_NO_FATAL_FAILURE(ClickFirstUnderIceWm());
    ASSERT_NO_FATAL_FAILURE(ClickBeforeACommandUnderIceWm());
    PostMessageW(hMain, WM_COMMAND, ID_EXPORT_SMS, 0);
    HWND hExport = nullptr, hBox = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(hExport = FindWindowW(nullptr, L"Export SMS")); }, 30000));
    // Return on "Export", then on the box's "OK". IceWM drops Wine's answer to its offer of the focus at a click now and
    // then, at times at every click (a plain Wine notepad on a new display 0 of 3; its answer's time lies before IceWM's
    // own focus change), and takes a click into a window it has not made active for itself now and then: there a user
    // clicks the button, again when nothing happened.
    const auto press = [&](HWND hDlg, int nId, const std::function<bool()>& done) {
        RECT rc = {};
        if (!IceWm())
            X(L"xdotool key Return");
        for (int i = 0; IceWm() && i < 5 && !done() && GetWindowRect(GetDlgItem(hDlg, nId), &rc); ++i)
        {
            ClickAt(POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
            PumpUntil(done, 3000);
        }
        return PumpUntil(done, 30000);
    };
    ASSERT_TRUE(press(hExport, IDC_EXPORT_RUN, [&] { return IsWindowVisible(hBox = FindWindowW(nullptr, L"Info")); }));
    ASSERT_TRUE(press(hBox, IDOK, [&] { return !IsWindow(hExport); })) << "the export did not end at its box";
    CheckDesktop("the export's box answered", hMain, &s_rcMain);
}

// After a box of the floating SMS List ended by Esc, the window manager's activation of the main window (as a task bar
// or pager asks it, a while later) gives the main window the keys: the box's end declines only its own offer. Under
// IceWM the keys are then with the main window or, now and then, with IceWM (CheckDesktop): a plain Win32 main window
// activated so from its owned popup left them on IceWM's window 20 of 30 after a box of the popup, 7 of 12 without (load
// 18-39).
TEST_F(ProgramDesktopTest, TheMainWindowTakesTheWindowManagersActivationAfterABoxOfTheFloatingList)
{
    ASSERT_TRUE(SaveOutboxMessage(L"Teman", L"Halo", 1));
    ASSERT_NO_FATAL_FAILURE(StartWithTwoBarsFloating());
    ASSERT_NO_FATAL_FAILURE(ClickFirstUnderIceWm());
    const HWND hList = GetDlgItem(Bar(kBars[1]).hBar, IDW_SMS_LIST), hFrame = GetAncestor(hList, GA_ROOT);
    RECT rc = {};
    ASSERT_TRUE(hFrame != hMain && GetWindowRect(hList, &rc));
    // The keys with the list, and under IceWM its X focus with the frame: IceWM takes a click into a Wine window now and
    // then only (see ClickTheMainWindowUntilActive), a user clicks again.
    const std::string frame(CStringA(XWindowOf(hFrame)));
    const auto listKeys = [&] {
        const XDesktop x(X(ScriptCommand(L"active.sh", kActiveScript, L"", {})));
        return GetForegroundWindow() == hFrame && (Focus() == hList || IsChild(hList, Focus())) &&
               (!IceWm() || x.focus == frame);
    };
    for (int i = 0; i < 7 && !listKeys(); ++i)
    {
        ASSERT_NO_FATAL_FAILURE(ClickAt(POINT{rc.left + 30, rc.top + 30}));
        PumpUntil(listKeys, 1500);
    }
    ASSERT_TRUE(listKeys()) << "clicks on the floating list's row left the keys with " << Name(GetForegroundWindow());
    X(L"xdotool key alt+h Return");
    HWND hAbout = nullptr;
    ASSERT_TRUE(
        PumpUntil([&] { return IsWindowVisible(hAbout = FindWindowW(nullptr, L"Tentang Corvane SMS")); }, 10000))
        << "Alt+H Return opened no About box";
    // Under IceWM the box has the keys once clicked (ClickTheBoxUnderIceWm), now and then only after a second click.
    for (int i = 0; i < 5 && IsWindow(hAbout); ++i)
    {
        ASSERT_NO_FATAL_FAILURE(ClickTheBoxUnderIceWm(hAbout));
        X(L"xdotool key Escape");
        PumpUntil([&] { return !IsWindow(hAbout); }, IceWm() ? 2000 : 10000);
    }
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(hAbout) && IsWindowEnabled(hMain); }, 10000)) << "Esc left the box";
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == hFrame; }, 5000) && WaitIdle(30000))
        << "the keys are with " << Name(GetForegroundWindow()) << " after the box, not the floating list";
    // The user's pace: the main window's task bar button is clicked a while after the box's end, no state awaited.
    Sleep(1500);
    X(L"xdotool windowactivate " + XWindowOf(hMain));
    const auto active = [&] { return GetForegroundWindow() == hMain && IsChild(hMain, Focus()); };
    ASSERT_TRUE(PumpUntil(active, 5000))
        << "the window manager's activation of the main window after a box of the floating list left "
           "the keys with "
        << Name(GetForegroundWindow()) << " (the X focus with " << Name(XFocus()) << ")";
    CheckDesktop("the activation of the main window after a box of the floating list", hMain, &s_rcMain);
}

TEST_F(ProgramDesktopTest, TheStartsBoxIsSeenAboveTheSplashWithTheKeys)
{
    SetInt(L"IsShowSplash", 1);
    ASSERT_TRUE(StartProgram());
    HWND hBox = nullptr, hSplash = nullptr;
    ASSERT_TRUE(PumpUntil(
        [&] {
            hSplash = FindWindowW(L"SplashScreenExClass", nullptr);
            return (hBox = ShownBox(kOutlookBox)) != nullptr && hSplash != nullptr;
        },
        60000))
        << "no box of the start with the splash";
    SettledScreen(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, 10000);
    // Before any click: under IceWM a click on the box's caption (where Win32 has it lower than it is drawn, the top of
    // the drawn box) moves it to where it is drawn.
    RECT rcDrawn = {};
    ASSERT_NO_FATAL_FAILURE(CheckTheBoxWhereDrawn(hBox, "the start's box shown", rcDrawn));
    // No window of the program is IceWM's active window after its start, nor is the splash, shown without activation.
    bOwnerInactiveUnderIceWm = IceWm();
    if (IceWm())
    {
        // The order before the click on the box, which may raise it.
        ASSERT_NO_FATAL_FAILURE(CheckDesktop("the start's box with the splash", nullptr, nullptr, hBox, hSplash));
        ASSERT_NO_FATAL_FAILURE(ClickTheBoxUnderIceWm(hBox));
    }
    ASSERT_NO_FATAL_FAILURE(CheckDesktop(IceWm() ? "a click on the start's box" : "the start's box with the splash",
                                         hBox, nullptr, hBox, hSplash));
    ASSERT_NO_FATAL_FAILURE(ClickTheBoxsButton(hBox, IDOK, "the start's box"));
    bOwnerInactiveUnderIceWm = false;
    ASSERT_NE(hMain = WaitForMainWindow(60000), nullptr);
    ASSERT_NO_FATAL_FAILURE(ClickFirstUnderIceWm());
    CheckDesktop("the start with the splash", hMain, nullptr);
}

// The compose window, the dialer and the settings sheet by real keys alone under openbox: Tab and Shift+Tab reach
// every control of the compose window in its order, Enter in "Tujuan" and "Cari" moves on, Ctrl+S files the message;
// typed digits and signs go into the dialer's number, Backspace takes one off, Enter dials; Tab walks a sheet's page,
// its buttons and its strip, whose keys turn the pages, and Enter in a page's field is the sheet's "OK".
TEST_F(ProgramDesktopTest, TheComposeWindowTheDialerAndTheSheetWorkByKeys)
{
    if (IceWm())
        GTEST_SKIP() << "IceWM gives a Wine window the keys only at a click (a plain Win32 window the same)";
    ASSERT_TRUE(SimPhone::Load("basic"));
    ASSERT_NE(hMain = StartInFront(), nullptr);
    const auto keys = [&] {
        GUITHREADINFO gti = {sizeof gti};
        return GetGUIThreadInfo(Thread(), &gti) ? gti.hwndFocus : nullptr;
    };
    const auto id = [](HWND h) { return h != nullptr ? GetDlgCtrlID(h) : -1; };
    // A key, then the wait until the keys leave the control that had them; the id of the one that has them then.
    const auto press = [&](const wchar_t* pszKey) {
        const HWND hWas = keys();
        X(CString(L"xdotool key ") + pszKey);
        return PumpUntil([&] { return keys() != hWas; }, 5000) ? id(keys()) : -1;
    };
    const auto walk = [&](const wchar_t* pszKey, int nTo, size_t nMax) {
        std::vector<int> ids;
        while (ids.size() < nMax && (ids.empty() || ids.back() != nTo))
            ids.push_back(press(pszKey));
        return ids;
    };

    PostMessageW(hMain, WM_COMMAND, ID_SMS_NEW, 0);
    ASSERT_TRUE(PumpUntil([&] { return id(keys()) == IDC_COMPOSE_RECIPIENTS; }, 30000));
    const HWND hCompose = GetParent(keys());
    std::vector<int> order; // the shown tab stops in the window's order, from the one after "Tujuan" round to it
    for (HWND h = GetWindow(hCompose, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
        if ((GetWindowLongW(h, GWL_STYLE) & (WS_TABSTOP | WS_VISIBLE)) == (WS_TABSTOP | WS_VISIBLE))
            order.push_back(GetDlgCtrlID(h));
    std::rotate(order.begin(), std::find(order.begin(), order.end(), IDC_COMPOSE_RECIPIENTS) + 1, order.end());
    EXPECT_EQ(walk(L"Tab", IDC_COMPOSE_RECIPIENTS, 30), order);
    EXPECT_EQ(walk(L"shift+Tab", IDC_COMPOSE_RECIPIENTS, 30).size(), order.size());
    X(L"xdotool type 0811000001");
    ASSERT_EQ(press(L"Return"), IDC_COMPOSE_TEMPLATES) << "Enter in \"Tujuan\"";
    walk(L"Tab", IDC_COMPOSE_SEARCH, 20);
    ASSERT_EQ(press(L"Return"), IDC_COMPOSE_KIND_LEGEND) << "Enter in \"Cari\"";
    ASSERT_EQ(walk(L"Tab", IDC_COMPOSE_TEXT, 20).back(), IDC_COMPOSE_TEXT);
    X(L"xdotool type 'Pesan lewat tombol'");
    const WIN32_FILE_ATTRIBUTE_DATA stamp = DataFileStamp();
    X(L"xdotool key ctrl+s");
    EXPECT_TRUE(WaitForSavedFolder(L"Pesan lewat tombol", SMS_FOLDER_DRAFTS, stamp, 30000)) << "Ctrl+S";
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hCompose); }, 10000));

    PostMessageW(hMain, WM_COMMAND, ID_CALL, 0);
    HWND hBox = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (hBox = ShownBox(kOutlookBox)) != nullptr; }, 30000)) << "no box of the dialer";
    const HWND hDialer = GetWindow(hBox, GW_OWNER);
    X(L"xdotool key Return");
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(hBox) && GetForegroundWindow() == hDialer; }, 10000));
    for (const wchar_t* pszKeys : {L"type '0812*#+9'", L"key BackSpace", L"key Return"})
        X(CString(L"xdotool ") + pszKeys);
    EXPECT_TRUE(PumpUntil([] { return SimPhone::GetState().Count("atd0812*#+;") == 1; }, 10000)) << "Enter dials";
    X(L"xdotool key Escape");
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hDialer); }, 10000)) << "Escape closes the dialer";

    // Last: the sheet's "OK" stores its connection page. It shows the last page; Tab goes from the page's controls
    // through the sheet's buttons, "OK" and "Cancel", to the strip and into the page again.
    PostMessageW(hMain, WM_COMMAND, ID_SETTINGS, 0);
    HWND hSheet = nullptr;
    // The sheet moves the keys into each page it inserts while it is built, hidden, and shows once it is done: the
    // walk begins once it shows, with the keys in it and every message taken, or a key's wait ends at a move of the
    // build and the Tabs typed meanwhile are answered later, several at a time.
    ASSERT_TRUE(PumpUntil(
        [&] { return IsWindowVisible(hSheet = FindWindowW(nullptr, L"Settings")) && IsChild(hSheet, keys()); }, 30000));
    ASSERT_TRUE(WaitIdle(30000) && IsChild(hSheet, keys()));
    const std::vector<int> sheetWalk = walk(L"Tab", IDCANCEL, 16);
    EXPECT_TRUE(sheetWalk.size() > 1 && sheetWalk.end()[-2] == IDOK && sheetWalk.back() == IDCANCEL)
        << ::testing::PrintToString(sheetWalk);
    // "<<" with the keys is drawn as the default; once it turns the page, which takes them, "OK" again.
    const auto isDefault = [&](int n) {
        return SendMessageW(GetDlgItem(hSheet, n), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON;
    };
    EXPECT_TRUE(walk(L"shift+Tab", IDC_SETTING_PREV, 4).back() == IDC_SETTING_PREV &&
                PumpUntil([&] { return isDefault(IDC_SETTING_PREV) && !isDefault(IDOK); }, 5000));
    X(L"xdotool key space");
    EXPECT_TRUE(PumpUntil(
        [&] { return id(keys()) != IDC_SETTING_PREV && isDefault(IDOK) && !isDefault(IDC_SETTING_PREV); }, 5000))
        << id(keys());
    walk(L"Tab", IDCANCEL, 16);
    EXPECT_EQ(press(L"Tab"), 256);
    const HWND hFirstPage = GetDlgItem(GetDlgItem(hSheet, IDC_SETTING_CONTAINER), 257);
    X(L"xdotool key Home");
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(hFirstPage) && id(keys()) == 256; }, 5000)) << "Home";
    EXPECT_EQ(walk(L"Tab", IDC_CONN_SMSC, 6).back(), IDC_CONN_SMSC);
    X(L"xdotool key Return");
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hSheet); }, 10000)) << "Enter in a page's field";
}

// A user's second start: the program ended by File > Keluar with keys, the SMS List floating and Folders pinned, starts
// again from the layout it stored; there its menus open by a click and by keys and an item under the pointer lights,
// each command opens its window (an item's click, Down and Return a quarter second apart, a tool bar button's click),
// and the bars docked the same show the pixels of the first start: the status bar's band and the menu's icons too; the
// status bar at each start shows what it paints. Under IceWM each start is clicked first (ClickFirstUnderIceWm).
TEST_F(ProgramDesktopTest, AProgramEndedByItsMenuStartsAgainFromItsLayoutWithEveryCommandAliveAndItsColours)
{
    ASSERT_NE(hMain = StartInFront(), nullptr);
    ASSERT_NO_FATAL_FAILURE(ClickFirstUnderIceWm());
    POINT pt = {};
    ASSERT_TRUE(CaptionButtonPoint(Bar(kBars[0]).hBar, 0, pt));
    ASSERT_NO_FATAL_FAILURE(ClickAt(pt));
    ASSERT_NO_FATAL_FAILURE(PointAt(CaptionPoint(Bar(kBars[1]).hBar)));
    X(L"xdotool click --repeat 2 --delay 60 1");
    const auto layout = [&] { return !Bar(kBars[0]).bShown && Bar(kBars[1]).bFloating; };
    ASSERT_TRUE(PumpUntil(layout, 10000)) << "Folders pinned and the SMS List floating";
    // The frame floats at the screen's top-left, over the menu bar: put aside, right of the main window.
    RECT rcMain = {};
    GetWindowRect(hMain, &rcMain);
    const HWND hFrame = Bar(kBars[1]).hTop;
    SetWindowPos(hFrame, nullptr, rcMain.right + 10, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(PumpUntil([&] { return LookAt({hFrame}, false).Geometry(hFrame).left == rcMain.right + 10; }, 10000));
    // A click into the view's text slides the pinned bar in again.
    RECT rcText = {};
    GetWindowRect(GetDlgItem(View(), IDC_MESSAGE_TEXT), &rcText);
    ASSERT_NO_FATAL_FAILURE(ClickAt(POINT{(rcText.left + rcText.right) / 2, (rcText.top + rcText.bottom) / 2}));
    int nSlid = -1;
    ASSERT_TRUE(PumpUntil([&] { return ShownSlider(nSlid) == nullptr; }, 5000)) << "the pinned bar stays out";
    const auto status = [&] { return GetDlgItem(hMain, AFX_IDW_STATUS_BAR); };
    const auto statusText = [&] {
        wchar_t text[256] = {};
        SendMessageW(status(), WM_GETTEXT, 256, (LPARAM)text);
        return CString(text);
    };
    const auto prompt = [](UINT nId) {
        CString s;
        s.LoadString(nId);
        return s.Left(s.Find(L'\n'));
    };
    // The docked bars and the status bar where the main window shows them, and the screen there, the pointer away.
    struct Band
    {
        RECT rc;
        std::vector<DWORD> seen;
    };
    const auto bands = [&] {
        EXPECT_NO_FATAL_FAILURE(PointAt(POINT{GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5}));
        EXPECT_TRUE(WaitPainted(30000));
        std::vector<Band> v;
        for (HWND h : {Bar(kBars[2]).hBar, Bar(kBars[3]).hBar, Bar(kBars[4]).hBar, status()})
        {
            Band b = {};
            GetWindowRect(h, &b.rc);
            b.seen = SettledScreen(b.rc, 3000);
            v.push_back(b);
        }
        // The status bar shows what it paints when made to paint again whole: one unpainted (black) at both starts
        // would pass the compare of the starts.
        RECT rcWhere = {};
        POINT ptFirst = {};
        const int nUnpainted = PixelsUnlikeARepaint(*this, status(), rcWhere, ptFirst);
        EXPECT_EQ(nUnpainted, 0) << nUnpainted << " pixels of the main window's status bar are not what it paints, the "
                                 << "first at " << ptFirst.x << "," << ptFirst.y;
        return v;
    };
    // The menu File opened by a click on its title: the pop-up shown (the process's new top-level window) and the
    // screen there.
    const auto shown = [&] {
        std::vector<HWND> v;
        DWORD pid = 0;
        for (HWND h = GetTopWindow(nullptr); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
            if (GetWindowThreadProcessId(h, &pid) && pid == pi.dwProcessId && IsWindowVisible(h))
                v.push_back(h);
        return v;
    };
    const auto openFile = [&](Band& menu) {
        const std::vector<HWND> before = shown();
        RECT rc = {};
        GetWindowRect(Bar(kBars[4]).hBar, &rc);
        EXPECT_NO_FATAL_FAILURE(ClickAt(POINT{rc.left + 22, (rc.top + rc.bottom) / 2}));
        HWND hPopup = nullptr;
        const auto isNew = [&](HWND h) { return std::count(before.begin(), before.end(), h) == 0; };
        EXPECT_TRUE(PumpUntil(
            [&] {
                const std::vector<HWND> now = shown();
                const auto it = std::find_if(now.begin(), now.end(), isNew);
                return (hPopup = it != now.end() ? *it : nullptr) != nullptr;
            },
            5000))
            << "a click on File opened no menu";
        EXPECT_TRUE(WaitPainted(30000));
        GetWindowRect(hPopup, &menu.rc);
        menu.seen = SettledScreen(menu.rc, 3000);
    };
    // Under IceWM the keys reach the program only while IceWM shows it active, and once a window of it closed IceWM may
    // keep them on a window of its own (a plain Win32 box 4 of 6): there the suite clicks the main window until it is
    // IceWM's active window with the X focus, as a user clicks until its title shows it active, and types only then;
    // where 7 clicks leave the keys elsewhere it says so and leaves its keys out.
    const auto keysReach = [&] {
        const std::string id(CStringA(XWindowOf(hMain)));
        const auto with = [&] {
            const XDesktop x(X(ScriptCommand(L"active.sh", kActiveScript, L"", {})));
            return x.active == id && x.focus == id;
        };
        if (!IceWm())
            return true;
        EXPECT_NO_FATAL_FAILURE(ClickTheMainWindowUntilActive());
        const bool bWith = PumpUntil(with, 1500);
        if (!bWith)
            printf("IceWM keeps the keys off the main window at 7 clicks: the step's keys are left out\n");
        return bWith;
    };
    const std::vector<Band> first = bands();
    if (!keysReach())
        GTEST_SKIP() << "IceWM keeps the keys off the main window: File > Keluar by keys cannot end the first start";
    Band firstMenu = {};
    ASSERT_NO_FATAL_FAILURE(openFile(firstMenu));
    X(L"xdotool key --delay 250 Escape Escape");
    ASSERT_TRUE(PumpUntil([&] { return !InMenu() && IsWindowEnabled(hMain); }, 5000) && WaitIdle(30000));
    X(L"xdotool key --delay 250 alt+f Up Return");
    ASSERT_TRUE(Ended(30000)) << "File > Keluar by keys did not end the program";

    ASSERT_NE(hMain = StartInFront(), nullptr);
    ASSERT_NO_FATAL_FAILURE(ClickFirstUnderIceWm());
    ASSERT_TRUE(PumpUntil(layout, 10000)) << "the second start lost Folders pinned and the SMS List floating";
    const std::vector<Band> second = bands();
    for (size_t i = 0; i < first.size(); ++i)
    {
        const RECT& a = first[i].rc;
        const RECT& b = second[i].rc;
        ASSERT_EQ(CRect(a), CRect(b)) << "band " << i << " moved at the second start";
        const int nDiffs = DiffsOfTheProgram(b, first[i].seen, second[i].seen);
        EXPECT_LE(nDiffs, (int)second[i].seen.size() / 100)
            << nDiffs << " of " << second[i].seen.size() << " pixels of band " << i << " (the last: the status bar) "
            << "are not what the first start showed";
    }
    Band menu = {};
    ASSERT_NO_FATAL_FAILURE(openFile(menu));
    ASSERT_EQ(CRect(menu.rc), CRect(firstMenu.rc));
    EXPECT_LE(DiffsOfTheProgram(menu.rc, firstMenu.seen, menu.seen), (int)menu.seen.size() / 100)
        << "the menu File is not what the first start showed";
    // "SMS Baru" under the pointer lights (its prompt in the status bar) and its click opens the compose window.
    ASSERT_NO_FATAL_FAILURE(PointAt(POINT{menu.rc.left + 60, menu.rc.top + 42}));
    EXPECT_TRUE(PumpUntil([&] { return statusText() == prompt(ID_SMS_NEW); }, 5000))
        << "the item under the pointer does not light: the status bar says \"" << CStringA(statusText()).GetString()
        << "\"";
    const auto opened = [&](const wchar_t* pszHow) {
        HWND h = nullptr;
        EXPECT_TRUE(PumpUntil(
            [&] { return GetDlgCtrlID(Focus()) == IDC_COMPOSE_RECIPIENTS && (h = GetAncestor(Focus(), GA_ROOT)); },
            10000))
            << pszHow << " opened no compose window";
        // Its status bar shows as it paints itself.
        const HWND hComposeStatus = GetDlgItem(h, AFX_IDW_STATUS_BAR);
        RECT rcWhere = {};
        POINT ptFirst = {};
        EXPECT_TRUE(hComposeStatus != nullptr && WaitPainted(30000) &&
                    PixelsUnlikeARepaint(*this, hComposeStatus, rcWhere, ptFirst) == 0)
            << "the compose window's status bar after " << pszHow << " is not shown painted";
        PostMessageW(h, WM_CLOSE, 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(h) && WaitIdle(30000); }, 10000)) << pszHow;
    };
    X(L"xdotool click 1");
    opened(L"a click on File > SMS Baru");
    // File clicked, the pointer moved along the bar until Tools' menu opens, then a click on Tools: its menu stays
    // open as the screen showed it.
    {
        Band tools = {};
        ASSERT_NO_FATAL_FAILURE(openFile(menu));
        RECT rcMenuBar = {};
        GetWindowRect(Bar(kBars[4]).hBar, &rcMenuBar);
        HWND hTools = nullptr;
        for (LONG x = rcMenuBar.left + 22; x < rcMenuBar.right && hTools == nullptr; x += 6)
        {
            ASSERT_NO_FATAL_FAILURE(PointAt(POINT{x, (rcMenuBar.top + rcMenuBar.bottom) / 2}));
            ASSERT_TRUE(WaitIdle(30000));
            for (HWND h : shown())
                if (GetWindowRect(h, &tools.rc) && tools.rc.left > menu.rc.left && tools.rc.top == menu.rc.top)
                    hTools = h;
        }
        ASSERT_NE(hTools, nullptr) << "the pointer along the menu bar opened no second menu";
        ASSERT_TRUE(WaitPainted(30000));
        tools.seen = SettledScreen(tools.rc, 3000);
        X(L"xdotool click 1");
        ASSERT_TRUE(WaitIdle(30000) && WaitPainted(30000));
        EXPECT_TRUE(IsWindowVisible(hTools) && DiffsOfTheProgram(tools.rc, tools.seen, SettledScreen(tools.rc, 3000)) <=
                                                   (int)tools.seen.size() / 100)
            << "a click on the title of the open menu Tools closed it";
        // A click into the main window closes it and leaves no capture.
        ASSERT_NO_FATAL_FAILURE(ClickTheMainWindow());
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hTools) && WaitIdle(30000); }, 5000)) << "Tools stays open";
        EXPECT_EQ(Capture(), nullptr) << "the menu bar keeps the capture with no menu open";
    }
    // By keys, at a user's pace: Alt+F opens File, Escape leaves it; Alt+T, Down and Return open "Mencari SMS".
    if (keysReach())
    {
        X(L"xdotool key --delay 250 alt+f");
        EXPECT_TRUE(PumpUntil([&] { return statusText() == prompt(ID_SMS_NEW); }, 5000)) << "Alt+F opened no File";
        X(L"xdotool key --delay 250 Escape Escape alt+t Down Return");
        HWND hSearch = nullptr;
        EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(hSearch = FindWindowW(nullptr, L"Pencarian")); }, 10000))
            << "Tools, Down and Return opened no \"Pencarian\"";
        X(L"xdotool key Escape");
        ASSERT_TRUE(
            PumpUntil([&] { return !IsWindowVisible(hSearch) && IsWindowEnabled(hMain) && WaitIdle(30000); }, 10000));
    }
    // The standard tool bar's first button, found as a user finds it: the pointer along the bar until its tip.
    RECT rcBar = {};
    GetWindowRect(Bar(kBars[2]).hBar, &rcBar);
    bool bOn = false;
    for (LONG x = rcBar.left; x < rcBar.right && !bOn; x += 6)
    {
        ASSERT_NO_FATAL_FAILURE(PointAt(POINT{x, (rcBar.top + rcBar.bottom) / 2}));
        // The bar lights a button and shows its prompt as it takes the move.
        bOn = WaitIdle(30000) && statusText() == prompt(ID_SMS_NEW);
    }
    ASSERT_TRUE(bOn) << "no button of the tool bar says \"" << CStringA(prompt(ID_SMS_NEW)).GetString() << "\"";
    X(L"xdotool click 1");
    opened(L"a click on the tool bar's SMS Baru");
    EXPECT_EQ(Capture(), nullptr) << "a button keeps the mouse capture";
    CString strWhy;
    EXPECT_TRUE(Exit(strWhy)) << CStringA(strWhy).GetString();
}

// ---- the keyboard --------------------------------------------------------------------------------------------------

// A keyboard user under openbox: keys typed through the X server (xdotool), the control with the keys read from the
// program's thread. The steps are helpers, each waiting for the state it checks.
namespace
{
struct ProgramKeysTest : ProgramDesktopTest
{
    HWND hTree = nullptr, hList = nullptr, hView = nullptr;

    // The keys are with hTo or a child of it, and the X server gives the keys typed next to an enabled window of the
    // program, once the program has taken what was typed.
    bool KeysWith(HWND hTo)
    {
        const auto with = [&] { return (Focus() == hTo || IsChild(hTo, Focus())) && IsWindowEnabled(XFocus()); };
        return PumpUntil(with, 5000) && WaitIdle(30000) && with();
    }
    void KeysTo(const char* pszKeys, HWND hTo)
    {
        const int nFrom = GetDlgCtrlID(Focus());
        X(L"xdotool key " + CString(pszKeys));
        EXPECT_TRUE(KeysWith(hTo)) << pszKeys << " in control " << nFrom << " gave the keys to control "
                                   << GetDlgCtrlID(Focus()) << ", not " << GetDlgCtrlID(hTo);
    }
    // The keys open a modal window (titled pszTitle when given), which takes the keys; keys end it (without them a
    // click on its OK), and the keys are back with hBack when one is given.
    void ModalBy(const char* pszOpen, const char* pszEnd, HWND hBack, const wchar_t* pszTitle = nullptr)
    {
        X(L"xdotool key " + CString(pszOpen));
        HWND h = nullptr;
        wchar_t title[64] = {};
        ASSERT_TRUE(PumpUntil(
            [&] {
                h = GetForegroundWindow(); // enabled while the main window and its floating frames are blocked
                return !IsWindowEnabled(hMain) && IsWindowEnabled(h) && IsChild(h, Focus()) && XFocus() == h &&
                       GetWindowTextW(h, title, 64) >= 0 && (pszTitle == nullptr || wcscmp(title, pszTitle) == 0);
            },
            10000))
            << pszOpen << " opened no window with the keys " << CStringA(pszTitle ? pszTitle : L"").GetString();
        RECT rc = {};
        const std::string name = Name(h);
        if (pszEnd != nullptr)
            X(L"xdotool key " + CString(pszEnd));
        else if (GetWindowRect(GetDlgItem(h, IDOK), &rc))
            ClickAt(POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
        ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(h) && IsWindowEnabled(hMain); }, 10000))
            << name << " did not end";
        EXPECT_TRUE(hBack == nullptr || KeysWith(hBack))
            << "the keys are with control " << GetDlgCtrlID(Focus()) << " after " << name << ", not the list";
    }
    // Delete asks as the menu's delete does and deletes on Yes; Enter opens the message; Alt+H opens Help's menu.
    // After each the keys are back in the list (bClick: a click into it gives it the keys first).
    void ListKeys(bool bClick)
    {
        const int nRows = ListCount();
        RECT rc = {};
        const auto keys = [&] {
            if (bClick && !rc.right && GetWindowRect(hList, &rc))
                ClickAt(POINT{rc.left + 30, rc.top + 30});
            return hList;
        };
        ModalBy("Delete", "n", keys());
        ModalBy("Delete", "Return", keys());
        EXPECT_TRUE(PumpUntil([&] { return ListCount() == nRows - 1; }, 5000)) << "Delete and Yes deleted no message";
        ModalBy("Return", "Escape", keys());
        ModalBy("alt+h Return", nullptr, keys(), L"Tentang Corvane SMS");
    }
};
} // namespace

TEST_F(ProgramKeysTest, KeysGoRoundThePanesAndTheListsKeysWorkDockedFloatingAndPinned)
{
    CCorvane_smsDoc doc;
    doc.SetDataFilePath(dataFile);
    for (int i = 0; i < 3; ++i)
    {
        CSMS* p = new CSMS;
        p->m_strSenderName = L"Teman", p->m_strFolder = SMS_FOLDER_INBOX;
        doc.m_listSms.AddTail(p);
    }
    ASSERT_TRUE(doc.SaveData());
    DWORD dwAsk = 1;
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Corvane\\Corvane SMS\\Sms", L"IsConfirmDelSms", REG_DWORD, &dwAsk,
                    4);
    ASSERT_NE(hMain = StartInFront(), nullptr);
    // Each pane has its bar's id.
    hTree = GetDlgItem(Bar(kBars[0]).hBar, IDW_FOLDER_TREE), hList = GetDlgItem(Bar(kBars[1]).hBar, IDW_SMS_LIST);
    hView = View();
    ASSERT_NO_FATAL_FAILURE(ClickTheMainWindow());
    ASSERT_TRUE(KeysWith(hView)); // as the first activation gives them
    const HWND hSender = GetDlgItem(hView, IDC_SENDER), hText = GetDlgItem(hView, IDC_MESSAGE_TEXT),
               hLog = GetDlgItem(GetDlgItem(hMain, AFX_IDW_STATUS_BAR), IDC_LOG_BUTTON);
    for (const auto& step : {std::make_pair("F6", hTree),
                             {"F6", hList},
                             {"F6", hView},
                             {"shift+F6", hList},
                             {"shift+F6", hTree},
                             {"Tab", hList},
                             {"Tab", hSender},
                             {"Tab", hText},
                             {"Tab", hLog},
                             {"Tab", hTree},
                             {"shift+Tab", hLog},
                             {"shift+Tab", hText},
                             {"shift+F6", hList}})
        KeysTo(step.first, step.second);
    // An arrow chooses the next folder in the tree and leaves it the keys; a click on "Inbox" gives them to the list.
    const auto caret = [&] { return (HTREEITEM)SendMessageW(hTree, TVM_GETNEXTITEM, TVGN_CARET, 0); };
    const HTREEITEM hInbox = caret();
    KeysTo("shift+F6", hTree);
    X(L"xdotool key Down");
    EXPECT_TRUE(PumpUntil([&] { return caret() != hInbox; }, 5000) && KeysWith(hTree)) << "Down in the folder tree";
    RECT rcTree = {};
    GetWindowRect(hTree, &rcTree);
    ClickAt(POINT{rcTree.left + 30, rcTree.top + 4 + (int)SendMessageW(hTree, TVM_GETITEMHEIGHT, 0, 0) / 2});
    EXPECT_TRUE(PumpUntil([&] { return caret() == hInbox; }, 5000) && KeysWith(hList)) << "a click on \"Inbox\"";
    ListKeys(false);
    // Folders pinned by its auto-hide button, the SMS List floated by a double click on its caption; the view clicked.
    POINT pt = {};
    ASSERT_TRUE(CaptionButtonPoint(Bar(kBars[0]).hBar, 0, pt));
    ASSERT_NO_FATAL_FAILURE(ClickAt(pt));
    ASSERT_NO_FATAL_FAILURE(PointAt(CaptionPoint(Bar(kBars[1]).hBar)));
    X(L"xdotool click --repeat 2 --delay 60 1");
    ASSERT_TRUE(PumpUntil([&] { return !Bar(kBars[0]).bShown && Bar(kBars[1]).bFloating; }, 10000));
    RECT rc = {};
    GetWindowRect(hText, &rc);
    ASSERT_NO_FATAL_FAILURE(ClickAt(POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}));
    // The pinned tree in its slider, shown while it has the keys; the list in its floating frame.
    KeysTo("F6", hTree);
    int nShown = -1;
    EXPECT_TRUE(ShownSlider(nShown) != nullptr && nShown == 0) << "the tree has the keys, its bar is not shown";
    KeysTo("F6", hList);
    EXPECT_TRUE(PumpUntil([&] { return ShownSlider(nShown) == nullptr; }, 5000)) << "the pinned bar stays out";
    KeysTo("F6", hView);
    // The list's keys and the main window's menus in the floating frame.
    ListKeys(true);
    // A click on the main window's title as soon as a box of the floating list has ended gives it the keys. The
    // pointer goes there as a user's does, across the window (on the menu bar's row below the title).
    const RECT rcX = LookAt({hMain}, false).Geometry(hMain);
    const POINT ptAcross = {rcX.right - 150, rcX.top + 10}, ptTitle = {ptAcross.x, rcX.top - 8};
    // On the main window's Win32 caption, where the window manager's title lies; under Wine no window answers there.
    RECT rcMain = {};
    ASSERT_TRUE(GetWindowRect(hMain, &rcMain) && PtInRect(&rcMain, ptTitle) &&
                WindowFromPoint(ptTitle) == GetDesktopWindow() &&
                GetAncestor(WindowFromPoint(ptAcross), GA_ROOT) == hMain)
        << DescribeWindowAt(ptTitle) << "; " << DescribeWindowAt(ptAcross);
    ModalBy("Delete", "n", nullptr);
    CString sClick;
    sClick.Format(L"xdotool mousemove --sync %ld %ld mousemove --sync %ld %ld click 1", ptAcross.x, ptAcross.y,
                  ptTitle.x, ptTitle.y);
    X(sClick);
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == hMain && XFocus() == hMain; }, 5000))
        << "a click on the main window's title after a box of the floating list left the keys with "
        << Name(GetForegroundWindow()) << " (the X focus with " << Name(XFocus()) << ")";
}
