// Message boxes: one redirectable function.
#include "platform/MessageBox.h"
#include "platform/String.h"
#include "platform/WinApp.h"
#include <mutex>

namespace
{
std::mutex g_boxLock;
MessageBoxHandler& Handler()
{
    static MessageBoxHandler h;
    return h;
}
MessageBoxOwnerProvider g_ownerProvider = nullptr;
} // namespace

int PlatformMessageBox(HWND owner, LPCWSTR text, LPCWSTR title, UINT type)
{
    MessageBoxHandler h;
    {
        std::lock_guard<std::mutex> g(g_boxLock);
        h = Handler();
    }
    if (h)
        return h(owner, text ? text : L"", title ? title : L"", type);
    return MessageBoxW(owner, text ? text : L"", title, type);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler h)
{
    std::lock_guard<std::mutex> g(g_boxLock);
    MessageBoxHandler old = std::move(Handler());
    Handler() = std::move(h);
    return old;
}

void SetMessageBoxOwnerProvider(MessageBoxOwnerProvider p) { g_ownerProvider = p; }

HWND PlatformMessageBoxOwner()
{
    if (g_ownerProvider)
        return g_ownerProvider();
    return GetActiveWindow();
}

int PlatformAppMessageBox(LPCTSTR lpszText, UINT nType, LPCTSTR lpszTitle)
{
    if ((nType & MB_ICONMASK) == 0)
    {
        switch (nType & MB_TYPEMASK)
        {
        case MB_OK:
        case MB_OKCANCEL: nType |= MB_ICONEXCLAMATION; break;
        case MB_YESNO:
        case MB_YESNOCANCEL: nType |= MB_ICONQUESTION; break;
        }
    }
    CString title(lpszTitle);
    if (title.IsEmpty())
        title = PlatformModuleTitle();
    return PlatformMessageBox(PlatformMessageBoxOwner(), lpszText, title, nType);
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* app = AfxGetApp())
        return app->DoMessageBox(lpszText, nType, nIDHelp);
    (void)nIDHelp;
    return PlatformAppMessageBox(lpszText, nType, nullptr);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    if (!text.LoadString(nIDPrompt))
        text.Format(L"Error: no message text for id %u.", nIDPrompt);
    if (nIDHelp == (UINT)-1)
        nIDHelp = nIDPrompt;
    return AfxMessageBox(text.GetString(), nType, nIDHelp);
}
