// A heap text handed to a window of the GUI thread by pointer in a posted message, and the
// program's private window messages. Every live object is listed in one registry, so a receiver
// can tell whether a pointer it was given still stands for a live object.
#pragma once
#include "platform/Platform.h"

#define WM_APP_DIALER_CONTACT 0x8100
#define WM_APP_ADD_RECIPIENT  0x8101
#define WM_APP_STATUS_TEXT    0x8102
#define WM_APP_PHONE_BUSY     0x8103
#define WM_APP_TRAY_NOTIFY    0x8104
#define WM_APP_DIALER_UPDATE  0x8105
#define WM_APP_KEEP_PLACEMENT 0x8106

// What a receiver answers for a pointer that is not a live CPostedText.
#define POSTED_TEXT_NOT_ALIVE (-99998)

class CPostedText
{
public:
    CPostedText();
    explicit CPostedText(const CString& strText);
    virtual ~CPostedText();

    // Posts this object as wParam. FALSE, and nothing posted, when the window is not one of this
    // process or the post fails; the object then still belongs to the caller.
    BOOL Post(HWND hWnd, UINT nMsg, LPARAM lParam);
    // Post, and deletes the object when the post failed.
    BOOL PostOrDelete(HWND hWnd, UINT nMsg, LPARAM lParam);

    static BOOL IsAlive(const void* p);
    // Number of live objects (for tests and leak checks).
    static int GetLiveCount();

    CString m_strText;

private:
    CPostedText(const CPostedText&) = delete;
    CPostedText& operator=(const CPostedText&) = delete;
};

// The usual receiver: copies the text of a live object into strText, deletes the object and
// answers 0; answers POSTED_TEXT_NOT_ALIVE and touches nothing otherwise.
LRESULT TakePostedText(WPARAM wParam, CString& strText);
