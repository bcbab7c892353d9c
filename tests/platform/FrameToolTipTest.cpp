// Tool tips whose text is asked for later (LPSTR_TEXTCALLBACK) get it from the frame: the tip part
// of the command's string.
#include <gtest/gtest.h>
#include "FramesTestApp.h"
#include "frames_test_ids.h"

namespace
{
LRESULT AskText(CFrameWnd* pFrame, HWND hTip, UINT_PTR idFrom, UINT uFlags, CString& strText)
{
    TOOLTIPTEXTW ttt = {};
    ttt.hdr.hwndFrom = hTip;
    ttt.hdr.idFrom = idFrom;
    ttt.hdr.code = TTN_NEEDTEXTW;
    ttt.uFlags = uFlags;
    ttt.lpszText = nullptr;
    LRESULT lResult = pFrame->SendMessage(WM_NOTIFY, 0, (LPARAM)&ttt);
    strText = ttt.lpszText != nullptr ? ttt.lpszText : ttt.szText;
    return lResult;
}
} // namespace

TEST(FrameToolTip, TipTextIsTheSecondPartOfTheCommandString)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, L"Tip", WS_OVERLAPPEDWINDOW, CRect(10, 10, 300, 200)));
    HWND hTip = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, 0, 0, 0, 0, pFrame->m_hWnd, nullptr,
                                  AfxGetInstanceHandle(), nullptr);
    ASSERT_NE(hTip, nullptr);

    CString strText;
    AskText(pFrame, hTip, ID_TEST_FRAME, 0, strText);
    EXPECT_EQ(strText, L"Bingkai"); // "Perintah bingkai\nBingkai"

    // A window tool: the id is the window's control id.
    HWND hButton = ::CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD, 0, 0, 20, 20, pFrame->m_hWnd,
                                     (HMENU)(UINT_PTR)ID_TEST_FRAME, nullptr, nullptr);
    AskText(pFrame, hTip, (UINT_PTR)hButton, TTF_IDISHWND, strText);
    EXPECT_EQ(strText, L"Bingkai");

    // The document string's second part stops at the next line feed.
    AskText(pFrame, hTip, IDR_TESTFRAME, 0, strText);
    EXPECT_EQ(strText, L"TestDoc");

    // No string, or a separator: an empty tip.
    AskText(pFrame, hTip, ID_TEST_NOHANDLER, 0, strText);
    EXPECT_TRUE(strText.IsEmpty());
    AskText(pFrame, hTip, 0, 0, strText);
    EXPECT_TRUE(strText.IsEmpty());

    ::DestroyWindow(hTip);
    pFrame->DestroyWindow();
}
