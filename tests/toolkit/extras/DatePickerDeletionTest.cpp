// A picker whose parent destroys it (and so deletes it) on the final notification: after that notification
// nothing of the picker object is written, and the parent still gets its WM_CANCELMODE. The deleted object's
// memory is kept filled with a pattern until the test ends, so that any later write shows.
#include "toolkit/extras/ExtDatePickerWnd.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>

typedef CExtDatePickerWnd DP;

namespace
{
const unsigned char kPoison = 0xDD;

// A picker that leaves its memory, filled with kPoison, in place when it is deleted.
class CPoisonedPicker : public CExtDatePickerWnd
{
public:
    static void* operator new(size_t nSize) { return std::malloc(nSize); }
    static void operator delete(void* p, size_t nSize)
    {
        std::memset(p, kPoison, nSize);
        s_pBlock = p;
        s_nSize = nSize;
    }
    // Whether every byte of the deleted object still holds the pattern.
    static bool BlockUntouched()
    {
        const auto* pBytes = static_cast<const unsigned char*>(s_pBlock);
        for (size_t i = 0; i < s_nSize; ++i)
            if (pBytes[i] != kPoison)
                return false;
        return s_pBlock != nullptr;
    }
    static void FreeBlock()
    {
        std::free(s_pBlock);
        s_pBlock = nullptr;
        s_nSize = 0;
    }
    static void* s_pBlock;
    static size_t s_nSize;
};
void* CPoisonedPicker::s_pBlock = nullptr;
size_t CPoisonedPicker::s_nSize = 0;

// The picker's parent: destroys the picker on its final notification and counts WM_CANCELMODE after that.
class CDestroyingParent : public CWnd
{
public:
    HWND m_hWndPicker = nullptr;
    int m_nFinal = 0;
    int m_nCancelAfterFinal = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == DP::g_nMsgSelectionNotification)
        {
            const auto* pNotification = (const DP::SELECTION_NOTIFICATION*)wParam;
            if ((pNotification->m_dwFlags & DP::SN_FINAL) != 0)
            {
                ++m_nFinal;
                ::DestroyWindow(m_hWndPicker);
            }
            return 0;
        }
        if (message == WM_CANCELMODE && m_nFinal > 0)
            ++m_nCancelAfterFinal;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class DatePickerDeletion : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 40, 40, 400, 300, nullptr, nullptr));
        auto* pPicker = new CPoisonedPicker;
        ASSERT_TRUE(pPicker->Create(&m_parent, CRect(0, 0, 300, 250), 0x100, 1, 1, 1, 1,
                                    WS_CHILD | WS_VISIBLE | WS_TABSTOP, DP::DPS_DEFAULT));
        pPicker->m_bAutoDeleteWindow = true;
        COleDateTime dt;
        dt.SetDate(2026, 5, 1);
        pPicker->SetCurrentDate(dt, false);
        m_pPicker = pPicker;
        m_parent.m_hWndPicker = pPicker->GetSafeHwnd();
    }
    void TearDown() override
    {
        if (::IsWindow(m_parent.m_hWndPicker))
            ::DestroyWindow(m_parent.m_hWndPicker);
        m_parent.DestroyWindow();
        CPoisonedPicker::FreeBlock();
    }
    void ExpectGoneAndUntouched()
    {
        EXPECT_EQ(m_parent.m_nFinal, 1);
        EXPECT_FALSE(::IsWindow(m_parent.m_hWndPicker));
        EXPECT_TRUE(CPoisonedPicker::BlockUntouched());
        EXPECT_EQ(m_parent.m_nCancelAfterFinal, 1);
    }
    CDestroyingParent m_parent;
    CExtDatePickerWnd* m_pPicker = nullptr; // deleted by the test's parent
};
} // namespace

TEST_F(DatePickerDeletion, AnArrowKeysFinalNotificationThatDeletesThePickerLeavesItUntouched)
{
    ::SendMessageW(m_parent.m_hWndPicker, WM_KEYDOWN, VK_RIGHT, 0);
    ExpectGoneAndUntouched();
}

TEST_F(DatePickerDeletion, ADayClicksFinalNotificationThatDeletesThePickerLeavesItUntouched)
{
    const CPoint pt = m_pPicker->GetMonth(0)->m_days[16].m_rcCell.CenterPoint();
    const LPARAM lParam = MAKELPARAM(pt.x, pt.y);
    ::SendMessageW(m_parent.m_hWndPicker, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    ASSERT_EQ(m_parent.m_nFinal, 0);
    ::SendMessageW(m_parent.m_hWndPicker, WM_LBUTTONUP, 0, lParam);
    ExpectGoneAndUntouched();
}
