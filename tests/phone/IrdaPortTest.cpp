// The serial port against the simulated phone on a real COM port.
#include "PhoneLinkTestSupport.h"
#include "phone/PostedText.h"

using namespace phonetest;

namespace
{
struct IrdaPortTest : ::testing::Test
{
    void SetUp() override
    {
        REQUIRE_SIM();
        ASSERT_TRUE(SimPhone::Load("basic"));
        ASSERT_TRUE(port.Open(SimPhone::PortName()));
    }
    CIrdaPort port;
};
} // namespace

TEST_F(IrdaPortTest, ReadsReplyLinesAndSkipsTheEcho)
{
    CString reply;
    ASSERT_TRUE(port.SendCommand(L"AT", 5000));
    ASSERT_TRUE(port.ReadResponse(reply, 5000, FALSE));
    EXPECT_EQ(reply, L"OK");

    // A result line, an empty line and OK: one call gives the result line alone; the rest is
    // purged by the next command.
    ASSERT_TRUE(port.SendCommand(L"AT+CGMI", 5000));
    ASSERT_TRUE(port.ReadResponse(reply, 5000, FALSE));
    EXPECT_EQ(reply, L"Nokia");
    ASSERT_TRUE(port.SendCommand(L"AT+CSCA?", 5000));
    ASSERT_TRUE(port.ReadResponse(reply, 5000, FALSE));
    EXPECT_EQ(reply, L"+CSCA: \"+6281100000\",145");

    // An error report comes back whole.
    ASSERT_TRUE(port.SendCommand(L"AT+CMGD=9", 5000));
    ASSERT_TRUE(port.ReadResponse(reply, 5000, FALSE));
    EXPECT_EQ(reply, L"+CMS ERROR: 321");

    SimPhone::State st = SimPhone::GetState();
    EXPECT_EQ(st.commands, (std::vector<std::string>{"AT", "AT+CGMI", "AT+CSCA?", "AT+CMGD=9"}));
}

TEST_F(IrdaPortTest, PromptModeEndsAtThePrompt)
{
    CString reply;
    ASSERT_TRUE(port.SendCommand(L"AT+CMGS=19", 5000));
    ASSERT_TRUE(port.ReadResponse(reply, 5000, TRUE));
    EXPECT_EQ(reply, L">");
    const char pdu[] = "0011000B911826100000F00000A705E8329BFD06\x1A";
    ASSERT_TRUE(port.WriteAll((const BYTE*)pdu, (int)strlen(pdu), 5000));
    ASSERT_TRUE(port.ReadResponse(reply, 5000, FALSE));
    EXPECT_EQ(reply, L"+CMGS: 1");
    ASSERT_TRUE(port.ReadResponse(reply, 5000, FALSE));
    EXPECT_EQ(reply, L"OK");
    SimPhone::State st = SimPhone::GetState();
    ASSERT_EQ(st.sent.size(), 1u);
    EXPECT_EQ(st.sent[0], "19 1 0011000B911826100000F00000A705E8329BFD06");
}

TEST_F(IrdaPortTest, ReadLinesCollectsAListingAndPostsProgress)
{
    TestHost host;
    CString reply, listing;
    ASSERT_TRUE(port.SendCommand(L"AT+CMGF=0", 5000));
    ASSERT_TRUE(port.ReadResponse(reply, 5000, FALSE));
    ASSERT_TRUE(port.SendCommand(L"AT+CPMS=\"SM\"", 5000));
    ASSERT_TRUE(port.ReadResponse(reply, 5000, FALSE));
    EXPECT_EQ(reply, L"+CPMS: 1,20,1,20,1,20");
    ASSERT_TRUE(port.SendCommand(L"AT+CMGL=4", 5000));
    ASSERT_TRUE(port.ReadLines(listing, 5000));
    // The echo runs into the header line: it ends in CR CR LF, no line end of its own.
    EXPECT_EQ(listing, L"<CR><LF>AT+CMGL=4+CMGL: 1,1,,25<CR><LF>"
                       L"06912618010000040D91261832547698F000005040924150902805E8329BFD06<CR><LF>OK");
    std::vector<CString> status = host.StatusLines();
    ASSERT_EQ(status.size(), 2u);
    EXPECT_EQ(status[0], L"membaca sms :  1");
    EXPECT_EQ(status[1], L"membaca sms :  2");
    EXPECT_EQ(CPostedText::GetLiveCount(), 0);
}

TEST_F(IrdaPortTest, ReadLinesStopsAtAnErrorLine)
{
    CString listing;
    // Not in PDU mode: the phone answers the listing with an error report.
    ASSERT_TRUE(port.SendCommand(L"AT+CMGL=4", 5000));
    DWORD start = GetTickCount();
    EXPECT_FALSE(port.ReadLines(listing, 5000));
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_GE(listing.Find(L"+CMS ERROR: 302"), 0);
}

TEST_F(IrdaPortTest, OpenAndCloseStates)
{
    EXPECT_TRUE(port.IsOpen());
    EXPECT_TRUE(port.Close());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.Close());
    EXPECT_TRUE(port.WriteAll((const BYTE*)"x", 0, 10));
    CIrdaPort other;
    EXPECT_FALSE(other.Open(L"\\\\.\\COM199"));
    EXPECT_FALSE(other.IsOpen());
    ASSERT_TRUE(port.Open(SimPhone::PortName()));
    EXPECT_TRUE(port.IsOpen());
}
