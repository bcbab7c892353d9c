// One search keystroke in the compose window's contact list: CContactListCtrl::Fill over 10,000
// contacts, from all of them to those of one first letter, against measuring the extents of the
// texts it keeps, in the list's font, alone (the least the fill must do).
#include "BenchSupport.h"
#include "app/ContactListCtrl.h"
#include "phone/Corvane_smsDoc.h"
#include "platform/Platform.h"

namespace
{
const int kContacts = 10000;
const wchar_t* const kKinds[] = {L"MOB", L"BFX", L"WK1", L"HM1", L"CAR", L"RAD"};

class BenchWindow : public CWnd
{};
} // namespace

int wmain()
{
    SetMessageBoxHandler([](HWND, LPCWSTR, LPCWSTR, UINT) { return IDOK; });
    CCorvane_smsDoc doc;
    for (int i = 0; i < kContacts; ++i)
    {
        CString strText;
        // Names spread over the alphabet; one in five starts with "B".
        strText.Format(L"%c%s Kontak %05d<62812%06d>,%s", i % 5 == 0 ? L'B' : (wchar_t)(L'A' + (i * 7) % 26), L"udi", i,
                       (i * 7919) % 1000000, kKinds[i % 6]);
        doc.m_arrContacts.Add(CContactItem(strText, i % 3 ? L"Kantor" : L"Keluarga"));
    }
    BenchWindow parent;
    if (!parent.CreateEx(0, AfxRegisterWndClass(0), L"bench", WS_POPUP | WS_VISIBLE, 0, 0, 400, 400, nullptr, nullptr))
        return 1;
    CContactListCtrl list;
    if (!list.CreateEx(0, WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_OWNERDATA | LVS_SHOWSELALWAYS,
                       CRect(0, 0, 380, 380), &parent, 1015))
        return 1;
    list.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    list.InsertColumn(0, L"header dummy", LVCFMT_LEFT, 100);
    list.SetDocument(&doc);

    std::vector<double> ratios;
    for (int run = 0; run < bench::kRuns; ++run)
    {
        // The keystroke: from every contact (search text empty) to those starting with "B", so the
        // row count changes as it does for a real first letter.
        list.Fill(nullptr, nullptr, CString());
        list.UpdateWindow();
        auto t0 = std::chrono::steady_clock::now();
        const int nWidest = list.Fill(nullptr, nullptr, L"B");
        const double dFill = bench::Seconds(t0);

        // The least: the texts that pass, measured in the list's font in one DC.
        t0 = std::chrono::steady_clock::now();
        HDC hdc = ::GetDC(list.m_hWnd);
        HGDIOBJ hOld = ::SelectObject(hdc, (HFONT)list.SendMessage(WM_GETFONT));
        int nWidestAlone = 0, nKept = 0;
        for (INT_PTR i = 0; i < doc.m_arrContacts.GetSize(); ++i)
        {
            const CString& strText = doc.m_arrContacts[i].m_strText;
            if (strText.IsEmpty() || strText[0] != L'B')
                continue;
            SIZE sz;
            ::GetTextExtentPoint32W(hdc, strText, strText.GetLength(), &sz);
            nWidestAlone = std::max(nWidestAlone, (int)sz.cx);
            ++nKept;
        }
        ::SelectObject(hdc, hOld);
        ::ReleaseDC(list.m_hWnd, hdc);
        const double dAlone = bench::Seconds(t0);

        // For reference: the paint that follows, a keystroke that keeps the count ("BU": the
        // same rows), and the list view's own handling of an unchanged row count.
        t0 = std::chrono::steady_clock::now();
        list.UpdateWindow();
        const double dPaint = bench::Seconds(t0);
        t0 = std::chrono::steady_clock::now();
        list.Fill(nullptr, nullptr, L"BU");
        const double dSameCount = bench::Seconds(t0);
        list.UpdateWindow();
        t0 = std::chrono::steady_clock::now();
        list.SetItemCountEx(list.GetRowCount(), LVSICF_NOINVALIDATEALL);
        const double dCount = bench::Seconds(t0);
        list.UpdateWindow();
        std::printf("run %d: fill %.4f s (%d rows, widest %d), extents alone %.4f s (%d texts, widest %d); paint "
                    "after %.4f s, a keystroke keeping the count %.4f s, the list's unchanged row count alone %.4f s\n",
                    run, dFill, list.GetRowCount(), nWidest, dAlone, nKept, nWidestAlone, dPaint, dSameCount, dCount);
        ratios.push_back(dFill / std::max(dAlone, 1e-6));
    }
    bench::PrintRatios("contact list fill against its text extents", ratios, 2.0);
    parent.DestroyWindow();
    return 0;
}
