#include "platform/Platform.h"
#include "platform/DialogHook.h"
#include "platform/Dialog.h"

HWND PlatformCreateDlgIndirect(CWnd* pWnd, LPCDLGTEMPLATE lpTemplate, HWND hWndParent, HINSTANCE hInst,
                               LPARAM initParam, BOOL* pbAttached)
{
    if (hInst == nullptr)
        hInst = AfxGetInstanceHandle();
    static bool controlsReady = false;
    if (!controlsReady)
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&icc);
        controlsReady = true;
    }
    HWND hWnd = nullptr;
    AfxHookWindowCreate(pWnd);
    try
    {
        hWnd = ::CreateDialogIndirectParamW(hInst, lpTemplate, hWndParent, AfxDlgProc, initParam);
    }
    catch (CException* e)
    {
        e->Delete();
        hWnd = nullptr;
    }
    BOOL attached = AfxUnhookWindowCreate();
    if (pbAttached)
        *pbAttached = attached;
    return hWnd;
}
