// Creation of the dialog-based windows (dialogs, form views, property sheets and pages) from
// templates in memory: hooked, so that the object's message map sees WM_CREATE and
// WM_INITDIALOG, with AfxDlgProc as dialog procedure.
#pragma once
#include "platform/Wnd.h"

// *pbAttached tells whether the object got a window at all (the caller then cleans up).
HWND PlatformCreateDlgIndirect(CWnd* pWnd, LPCDLGTEMPLATE lpTemplate, HWND hWndParent, HINSTANCE hInst,
                               LPARAM initParam, BOOL* pbAttached);
