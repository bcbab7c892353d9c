#include "FramesTestApp.h"
#include "frames_test_ids.h"
#include <gtest/gtest.h>

BEGIN_MESSAGE_MAP(CFramesTestApp, CWinApp)
ON_COMMAND(ID_TEST_APP, OnTestApp)
ON_UPDATE_COMMAND_UI(ID_TEST_APP, OnUpdateTestApp)
ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
END_MESSAGE_MAP()

static CFramesTestApp theApp;

CFramesTestApp::CFramesTestApp() : CWinApp(L"FramesTest") {}

CFramesTestApp& TestApp() { return theApp; }

bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    CWinThread* pThread = AfxGetThread();
    while (!pred())
    {
        if (GetTickCount() - start > timeoutMs)
            return pred();
        MSG msg;
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (msg.message == WM_QUIT)
                return pred();
            pThread->PumpMessage();
        }
        else
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

void DrainQuit()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
    {}
}

namespace
{
BOOL CALLBACK CancelWindow(HWND hWnd, LPARAM)
{
    if (::IsWindowVisible(hWnd))
    {
        ::PostMessageW(hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        ::PostMessageW(hWnd, WM_COMMAND, IDCANCEL, 0);
    }
    return TRUE;
}
void CALLBACK WatchdogFired(HWND, UINT, UINT_PTR, DWORD)
{
    ADD_FAILURE() << "a modal run did not end in time";
    ::EnumThreadWindows(::GetCurrentThreadId(), CancelWindow, 0);
}
} // namespace

CModalWatchdog::CModalWatchdog(UINT ms) : m_id(::SetTimer(nullptr, 0, ms, WatchdogFired)) {}

CModalWatchdog::~CModalWatchdog() { ::KillTimer(nullptr, m_id); }

CapturedMessageBoxes::CapturedMessageBoxes(std::function<int(const MessageBoxRecord&)> answer)
    : m_answer(std::move(answer))
{
    m_old = SetMessageBoxHandler([this](HWND, LPCWSTR text, LPCWSTR, UINT type) {
        MessageBoxRecord r{CString(text), type};
        boxes.push_back(r);
        return m_answer ? m_answer(r) : IDOK;
    });
}

CapturedMessageBoxes::~CapturedMessageBoxes() { SetMessageBoxHandler(m_old); }

CTemplateBuilder::CTemplateBuilder(DWORD style, short cx, short cy, LPCWSTR caption)
{
    style |= DS_SETFONT;
    Word(LOWORD(style));
    Word(HIWORD(style));
    Word(0); // exStyle
    Word(0);
    Word(0); // item count, filled in by Get
    Word(0);
    Word(0); // x, y
    Word((WORD)cx);
    Word((WORD)cy);
    Word(0); // menu
    Word(0); // class
    Text(caption);
    Word(8);
    Text(L"MS Shell Dlg");
}

void CTemplateBuilder::Text(LPCWSTR s)
{
    for (; *s; ++s)
        Word(*s);
    Word(0);
}

void CTemplateBuilder::Align()
{
    if (m_data.size() % 2)
        Word(0);
}

void CTemplateBuilder::AddItem(WORD id, LPCWSTR cls, LPCWSTR text, DWORD style, short x, short y, short cx, short cy)
{
    Align();
    style |= WS_CHILD | WS_VISIBLE;
    Word(LOWORD(style));
    Word(HIWORD(style));
    Word(0);
    Word(0);
    Word((WORD)x);
    Word((WORD)y);
    Word((WORD)cx);
    Word((WORD)cy);
    Word(id);
    Text(cls);
    Text(text);
    Word(0);
    ++m_count;
}

LPCDLGTEMPLATE CTemplateBuilder::Get()
{
    m_data[4] = m_count;
    return (LPCDLGTEMPLATE)m_data.data();
}
