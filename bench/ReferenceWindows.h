// The start-up bench's reference: a plain Win32 program with the windows the program's first start shows, built
// from the system's own controls and shown and painted as the program shows them. The main window holds a menu bar,
// the two tool bars, the folder tree, the message list, the message form's counts and text, and the status bar with
// its five panes and the "LOG" button; the tray icon is added. The first start floats no bar (all are docked), so
// the reference has no tool window. Used in the bench's process and by the reference program it launches.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <initializer_list>
#include <shellapi.h>

struct ReferenceWindows
{
    HINSTANCE hInstance = nullptr;
    wchar_t szMainClass[48] = {};
    HWND hMain = nullptr;
    HWND hToolBars[2] = {};
    HWND hTree = nullptr, hList = nullptr, hSender = nullptr, hText = nullptr, hStatus = nullptr;
    NOTIFYICONDATAW tray = {};
};

namespace reference
{
const UINT kTrayMessage = WM_APP + 4;
const int kTreeWidth = 180, kListHeight = 260, kSenderHeight = 22;

inline void LayOut(ReferenceWindows& w)
{
    RECT rc;
    ::GetClientRect(w.hMain, &rc);
    int top = 0;
    for (HWND hBar : w.hToolBars)
    {
        ::SendMessageW(hBar, TB_AUTOSIZE, 0, 0);
        RECT rcBar;
        ::GetWindowRect(hBar, &rcBar);
        ::MoveWindow(hBar, 0, top, rc.right, rcBar.bottom - rcBar.top, TRUE);
        top += rcBar.bottom - rcBar.top;
    }
    ::SendMessageW(w.hStatus, WM_SIZE, 0, 0);
    RECT rcStatus;
    ::GetWindowRect(w.hStatus, &rcStatus);
    const int bottom = rc.bottom - (rcStatus.bottom - rcStatus.top);
    const int cxStatus = rc.right;
    const int edges[5] = {cxStatus - 240, cxStatus - 200, cxStatus - 140, cxStatus - 70, -1};
    ::SendMessageW(w.hStatus, SB_SETPARTS, 5, (LPARAM)edges);
    ::MoveWindow(::GetDlgItem(w.hStatus, 1), edges[1] + 2, 2, 56, rcStatus.bottom - rcStatus.top - 4, TRUE);
    ::MoveWindow(w.hTree, 0, top, kTreeWidth, bottom - top, TRUE);
    ::MoveWindow(w.hList, kTreeWidth, top, rc.right - kTreeWidth, kListHeight, TRUE);
    ::MoveWindow(w.hSender, kTreeWidth, top + kListHeight, rc.right - kTreeWidth, kSenderHeight, TRUE);
    const int textTop = top + kListHeight + kSenderHeight;
    ::MoveWindow(w.hText, kTreeWidth, textTop, rc.right - kTreeWidth, bottom > textTop ? bottom - textTop : 0, TRUE);
}

inline LRESULT CALLBACK MainProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    ReferenceWindows* w = (ReferenceWindows*)::GetWindowLongPtrW(hWnd, GWLP_USERDATA);
    switch (nMsg)
    {
    case WM_SIZE:
        if (w != nullptr && w->hText != nullptr)
            LayOut(*w);
        return 0;
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
    default: return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
    }
}

inline HWND Child(const wchar_t* pszClass, const wchar_t* pszText, DWORD dwStyle, DWORD dwExStyle, HWND hParent,
                  int nID)
{
    HWND hWnd = ::CreateWindowExW(dwExStyle, pszClass, pszText, WS_CHILD | WS_VISIBLE | dwStyle, 0, 0, 10, 10, hParent,
                                  (HMENU)(INT_PTR)nID, nullptr, nullptr);
    ::SendMessageW(hWnd, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), 0);
    return hWnd;
}

inline HWND FolderTree(HWND hParent, int nID)
{
    HWND hTree = Child(WC_TREEVIEWW, L"", TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS,
                       WS_EX_CLIENTEDGE, hParent, nID);
    for (const wchar_t* pszFolder : {L"Inbox", L"Outbox", L"Sent", L"Drafts"})
    {
        TVINSERTSTRUCTW tvi = {};
        tvi.hParent = TVI_ROOT;
        tvi.hInsertAfter = TVI_LAST;
        tvi.item.mask = TVIF_TEXT;
        tvi.item.pszText = (LPWSTR)pszFolder;
        ::SendMessageW(hTree, TVM_INSERTITEMW, 0, (LPARAM)&tvi);
    }
    return hTree;
}

inline HWND ToolBar(HWND hParent, int nID, bool bLarge, int nButtons)
{
    HWND hBar = Child(TOOLBARCLASSNAMEW, L"", TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NORESIZE, 0,
                      hParent, nID);
    ::SendMessageW(hBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP bitmap = {HINST_COMMCTRL, (UINT_PTR)(bLarge ? IDB_STD_LARGE_COLOR : IDB_STD_SMALL_COLOR)};
    ::SendMessageW(hBar, TB_ADDBITMAP, 0, (LPARAM)&bitmap);
    TBBUTTON buttons[12] = {};
    for (int i = 0; i < nButtons; ++i)
    {
        buttons[i].iBitmap = i % 15;
        buttons[i].idCommand = 100 + i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = i % 4 == 3 ? BTNS_SEP : BTNS_BUTTON;
    }
    ::SendMessageW(hBar, TB_ADDBUTTONSW, nButtons, (LPARAM)buttons);
    return hBar;
}

inline HMENU MenuBar()
{
    struct Popup
    {
        const wchar_t* pszTitle;
        const wchar_t* items[11];
    };
    const Popup popups[] = {
        {L"&File",
         {L"SMS Baru", L"Jawab", L"Forward", L"Hapus", L"Terima", L"Kirm", L"Kirim + Terima", L"Import SMS",
          L"Export SMS", L"Keluar"}},
        {L"&Tools",
         {L"Telepon", L"Mencari SMS", L"Rebuild Nama Kontak", L"Hapus History Tujuan", L"Hapus Semua SMS", L"Suara",
          L"Setting SMS", L"Settings"}},
        {L"&View", {L"&Toolbar", L"Corvane Toolbar", L"&Status Bar", L"Jendela Paling Depan"}},
        {L"&Help", {L"Tentang Corvane SMS"}},
    };
    HMENU hMenu = ::CreateMenu();
    UINT nID = 1000;
    for (const Popup& popup : popups)
    {
        HMENU hPopup = ::CreatePopupMenu();
        for (const wchar_t* pszItem : popup.items)
            if (pszItem != nullptr)
                ::AppendMenuW(hPopup, MF_STRING, nID++, pszItem);
        ::AppendMenuW(hMenu, MF_POPUP, (UINT_PTR)hPopup, popup.pszTitle);
    }
    return hMenu;
}
} // namespace reference

// Creates the windows hidden, lays them out, shows and paints them and adds the tray icon. The class carries the
// suffix, so that each start registers its own.
inline bool CreateReferenceWindows(HINSTANCE hInstance, ReferenceWindows& w, int nSuffix, int nCmdShow)
{
    using namespace reference;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    w.hInstance = hInstance;
    wsprintfW(w.szMainClass, L"StartupReference%d", nSuffix);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = MainProc;
    wc.hInstance = hInstance;
    wc.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_3DFACE + 1);
    wc.lpszClassName = w.szMainClass;
    if (!::RegisterClassW(&wc))
        return false;
    w.hMain = ::CreateWindowExW(0, w.szMainClass, L"Corvane SMS", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                CW_USEDEFAULT, 800, 600, nullptr, MenuBar(), hInstance, nullptr);
    if (w.hMain == nullptr)
        return false;
    w.hToolBars[0] = ToolBar(w.hMain, 10, true, 9);
    w.hToolBars[1] = ToolBar(w.hMain, 11, false, 12);
    w.hTree = FolderTree(w.hMain, 12);
    w.hList = Child(WC_LISTVIEWW, L"", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA, WS_EX_CLIENTEDGE,
                    w.hMain, 13);
    ::SendMessageW(w.hList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const wchar_t* const columns[] = {L"", L"Tgl", L"Jam", L"Pengirim", L"Isi"};
    const int widths[] = {20, 60, 50, 85, 300};
    for (int i = 0; i < 5; ++i)
    {
        LVCOLUMNW col = {LVCF_TEXT | LVCF_WIDTH | LVCF_FMT, LVCFMT_LEFT, widths[i], (LPWSTR)columns[i]};
        ::SendMessageW(w.hList, LVM_INSERTCOLUMNW, i, (LPARAM)&col);
    }
    w.hSender = Child(L"STATIC", L"Baru: 0      Total: 0", SS_LEFT, 0, w.hMain, 14);
    w.hText = Child(L"EDIT", L"", ES_MULTILINE | ES_READONLY | WS_VSCROLL, WS_EX_CLIENTEDGE, w.hMain, 15);
    w.hStatus = Child(STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP, 0, w.hMain, 16);
    Child(L"BUTTON", L"LOG", BS_PUSHBUTTON | WS_TABSTOP, 0, w.hStatus, 1);
    ::SetWindowLongPtrW(w.hMain, GWLP_USERDATA, (LONG_PTR)&w);
    LayOut(w);
    ::SendMessageW(w.hStatus, SB_SETTEXTW, 3, (LPARAM)L"CAPS");
    ::SendMessageW(w.hStatus, SB_SETTEXTW, 4, (LPARAM)L"NUM");
    ::ShowWindow(w.hMain, nCmdShow);
    ::UpdateWindow(w.hMain);
    w.tray.cbSize = sizeof w.tray;
    w.tray.hWnd = w.hMain;
    w.tray.uID = 1;
    w.tray.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    w.tray.uCallbackMessage = kTrayMessage;
    w.tray.hIcon = wc.hIcon;
    lstrcpynW(w.tray.szTip, L"Corvane SMS", 64);
    ::Shell_NotifyIconW(NIM_ADD, &w.tray);
    return true;
}

inline void DestroyReferenceWindows(ReferenceWindows& w)
{
    if (w.tray.hWnd != nullptr)
        ::Shell_NotifyIconW(NIM_DELETE, &w.tray);
    if (w.hMain != nullptr)
        ::DestroyWindow(w.hMain);
    ::UnregisterClassW(w.szMainClass, w.hInstance);
    w = ReferenceWindows();
}
