// The application object of the frames test program and helpers shared by its tests.
#pragma once
#include "platform/Platform.h"
#include <functional>
#include <vector>

class CFramesTestApp : public CWinApp
{
public:
    CFramesTestApp();
    int m_nAppCommands = 0;

protected:
    void OnTestApp() { ++m_nAppCommands; }
    void OnUpdateTestApp(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    DECLARE_MESSAGE_MAP()
};

CFramesTestApp& TestApp();

// Pumps the thread's messages (through the application's pre-translation) until pred holds or
// the time runs out; answers pred's last value.
bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs = 5000);
// Takes a WM_QUIT the main window left in the queue when it was destroyed.
void DrainQuit();

// Cancels the thread's visible windows when a modal run takes too long, so that a test whose
// script went wrong fails instead of hanging.
class CModalWatchdog
{
public:
    explicit CModalWatchdog(UINT ms = 15000);
    ~CModalWatchdog();

private:
    UINT_PTR m_id;
};

// Message boxes of the code under test are recorded here, never shown.
struct MessageBoxRecord
{
    CString text;
    UINT type;
};
class CapturedMessageBoxes
{
public:
    explicit CapturedMessageBoxes(std::function<int(const MessageBoxRecord&)> answer = nullptr);
    ~CapturedMessageBoxes();
    std::vector<MessageBoxRecord> boxes;

private:
    MessageBoxHandler m_old;
    std::function<int(const MessageBoxRecord&)> m_answer;
};

// An in-memory dialog template built item by item (plain DLGTEMPLATE, "MS Shell Dlg" 8).
class CTemplateBuilder
{
public:
    CTemplateBuilder(DWORD style, short cx, short cy, LPCWSTR caption);
    void AddItem(WORD id, LPCWSTR cls, LPCWSTR text, DWORD style, short x, short y, short cx, short cy);
    LPCDLGTEMPLATE Get();

private:
    void Word(WORD w) { m_data.push_back(w); }
    void Text(LPCWSTR s);
    void Align();
    std::vector<WORD> m_data;
    WORD m_count = 0;
};
