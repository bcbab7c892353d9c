// The one road of every message box of the program, and AfxMessageBox on top of it.
#pragma once
#include "platform/Core.h"
#include <functional>

// Shows a message box (MessageBoxW unless a handler is installed) and answers its result.
int PlatformMessageBox(HWND owner, LPCWSTR text, LPCWSTR title, UINT type);

using MessageBoxHandler = std::function<int(HWND owner, LPCWSTR text, LPCWSTR title, UINT type)>;
// Installs a handler for every message box of the process; empty restores MessageBoxW.
// Returns the handler installed before. Thread-safe.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler h);

// Where AfxMessageBox finds the owner window when none is given (the window layer sets it to the
// main window); default: the active window of the calling thread.
using MessageBoxOwnerProvider = HWND (*)();
void SetMessageBoxOwnerProvider(MessageBoxOwnerProvider p);
HWND PlatformMessageBoxOwner();

// The application's box: owner from PlatformMessageBoxOwner(); without an icon bit, OK and
// OK/Cancel boxes get the exclamation icon and Yes/No boxes the question icon.
int PlatformAppMessageBox(LPCTSTR lpszText, UINT nType, LPCTSTR lpszTitle);

// Box with the application's name as title; without an icon bit, OK/OK-Cancel boxes get the
// exclamation icon and Yes/No boxes the question icon.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
