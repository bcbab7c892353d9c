// Closing a menu whose receiver ends the tracking from inside the close: the status message sent at the start of
// the close deletes the menu, and the close touches nothing of it afterwards.
#include "PopupTestSupport.h"
#include <cstring>
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd M;

namespace
{
// A menu whose memory is overwritten when it is deleted, so that any later use of it faults at once. The block is
// not handed back: nothing else can take its place meanwhile.
class CPoisonedPopup : public CCountedPopup
{
public:
    static void operator delete(void* p, std::size_t nSize) { std::memset(p, 0xDD, nSize); }
};
} // namespace

class PopupCloseReentryTest : public PopupTest
{};

TEST_F(PopupCloseReentryTest, AReceiverEndingTheTrackingInsideTheCloseLeavesTheDeletedMenuUntouched)
{
    auto* pMenu = new CPoisonedPopup;
    ASSERT_TRUE(pMenu->CreatePopupMenu(Frame()));
    ASSERT_TRUE(pMenu->InsertItem(ID_TEST_OPEN));
    ASSERT_TRUE(pMenu->InsertItem(ID_TEST_SAVE));
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    ASSERT_TRUE(M::IsMenuTracking());
    const HWND hMenu = pMenu->GetSafeHwnd();
    int nCalls = 0;
    Recv().m_onMessageString = [&](UINT) {
        if (nCalls++ == 0)
            M::CancelMenuTracking();
    };
    EXPECT_TRUE(pMenu->CloseMenu(false));
    Recv().m_onMessageString = nullptr;
    EXPECT_GE(nCalls, 1);
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
    EXPECT_FALSE(::IsWindow(hMenu));
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_FALSE(Site().HooksInstalled());
    Pump();
}
