// Typing into a drop-down combo box of 5,000 items: the time of one completing keystroke, from the
// edit update (CBN_EDITUPDATE) to the completed, selected text, against CB_SELECTSTRING of the same
// text on the same list. Prints the ratio's minimum, median and maximum over three runs. Target:
// at most 2.
#include "bench/BenchSupport.h"
#include "toolkit/menus_dialogs/ExtComboBox.h"
#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
constexpr int kItems = 5000;
constexpr int kKeys = 200;
constexpr int kRuns = 3;
constexpr UINT kComboId = 100;

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
}

// The typed texts: prefixes of items spread over the list, longest searches included.
std::vector<CString> TypedTexts()
{
    std::vector<CString> texts;
    for (int i = 0; i < kKeys; ++i)
    {
        CString s;
        s.Format(L"pesan %04d", (i * 37 + 4900) % kItems);
        texts.push_back(s.Left(6 + i % 5));
    }
    return texts;
}

// One run: seconds per completing keystroke and per plain CB_SELECTSTRING.
void TimeRun(CWnd& host, CExtComboBox& combo, const std::vector<CString>& texts, double& tComplete, double& tSelect)
{
    CWnd& edit = combo.GetEditHook();
    const WPARAM wpUpdate = MAKEWPARAM(kComboId, CBN_EDITUPDATE);
    tComplete = 0;
    tSelect = 0;
    for (const CString& sTyped : texts)
    {
        // The keystroke put the text in the field with the caret at its end and armed completion.
        edit.SetWindowText(sTyped);
        edit.SendMessage(EM_SETSEL, sTyped.GetLength(), sTyped.GetLength());
        combo.m_nComboFlags |= CExtComboBox::kComboCompleteArmed;
        auto t0 = std::chrono::steady_clock::now();
        host.SendMessage(WM_COMMAND, wpUpdate, (LPARAM)combo.GetSafeHwnd());
        tComplete += bench::Seconds(t0);

        edit.SetWindowText(sTyped);
        t0 = std::chrono::steady_clock::now();
        combo.SendMessage(CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)sTyped);
        tSelect += bench::Seconds(t0);
    }
    tComplete /= (double)texts.size();
    tSelect /= (double)texts.size();
}
} // namespace

int wmain()
{
    CWnd host;
    if (!host.CreateEx(0, AfxRegisterWndClass(0), L"bench", WS_POPUP | WS_VISIBLE, CRect(20, 20, 420, 320), nullptr, 0))
        return 1;
    HWND hWndCombo =
        ::CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN, 10, 10, 300, 200,
                          host.GetSafeHwnd(), (HMENU)(UINT_PTR)kComboId, ::GetModuleHandleW(nullptr), nullptr);
    CExtComboBox combo;
    if (hWndCombo == nullptr || !combo.SubclassWindow(hWndCombo))
        return 1;
    combo.SendMessage(CB_INITSTORAGE, kItems, kItems * 16 * sizeof(wchar_t));
    for (int i = 0; i < kItems; ++i)
    {
        CString s;
        s.Format(L"Pesan %04d dari kotak masuk", i);
        combo.AddString(s);
    }
    Pump();
    const std::vector<CString> texts = TypedTexts();

    // Check once that the keystroke completes.
    combo.GetEditHook().SetWindowText(L"pesan 499");
    combo.GetEditHook().SendMessage(EM_SETSEL, 9, 9);
    combo.m_nComboFlags |= CExtComboBox::kComboCompleteArmed;
    host.SendMessage(WM_COMMAND, MAKEWPARAM(kComboId, CBN_EDITUPDATE), (LPARAM)hWndCombo);
    CString sDone;
    combo.GetWindowText(sDone);
    std::printf("typed \"pesan 499\": \"%ls\", selection from %d\n", (LPCWSTR)sDone, (int)LOWORD(combo.GetEditSel()));

    std::vector<double> ratios;
    double tComplete = 0, tSelect = 0;
    for (int r = 0; r < kRuns; ++r)
    {
        TimeRun(host, combo, texts, tComplete, tSelect);
        std::printf("run %d: completing keystroke %.3f ms, CB_SELECTSTRING %.3f ms\n", r + 1, tComplete * 1000.0,
                    tSelect * 1000.0);
        ratios.push_back(tComplete / tSelect);
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("ratio min %.2f median %.2f max %.2f (target <= 2)\n", ratios[0], ratios[kRuns / 2], ratios[kRuns - 1]);
    combo.UnsubclassWindow();
    host.DestroyWindow();
    return 0;
}
