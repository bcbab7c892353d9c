// What CCmdUI::DoUpdate answers: whether an update handler took the item, the item being
// disabled for want of any handler when asked.
#include <gtest/gtest.h>
#include "platform/Platform.h"

namespace
{
enum : UINT
{
    ID_UPD_ENABLE = 41001,
    ID_UPD_PASSON = 41002,
    ID_UPD_COMMAND_ONLY = 41003,
    ID_UPD_NONE = 41004,
};

class CUpdateProbe : public CCmdUI
{
public:
    int m_nEnabled = -1; // -1 not touched
    void Enable(BOOL bOn) override
    {
        m_nEnabled = bOn ? 1 : 0;
        m_bEnableChanged = TRUE;
    }
};
} // namespace

class CUpdateTarget : public CCmdTarget
{
public:
    int m_nPassOnCalls = 0;

protected:
    void OnUpdateEnable(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    void OnUpdatePassOn(CCmdUI* pCmdUI)
    {
        ++m_nPassOnCalls;
        pCmdUI->ContinueRouting();
    }
    void OnCommandOnly() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpdateTarget, CCmdTarget)
ON_UPDATE_COMMAND_UI(ID_UPD_ENABLE, OnUpdateEnable)
ON_UPDATE_COMMAND_UI(ID_UPD_PASSON, OnUpdatePassOn)
ON_COMMAND(ID_UPD_COMMAND_ONLY, OnCommandOnly)
END_MESSAGE_MAP()

TEST(CmdUIUpdate, AnswersWhetherAnUpdateHandlerTookTheItem)
{
    CUpdateTarget target;
    auto run = [&](UINT nID, BOOL bDisableIfNoHandler, int* pEnabled) {
        CUpdateProbe probe;
        probe.m_nID = nID;
        BOOL bResult = probe.DoUpdate(&target, bDisableIfNoHandler);
        *pEnabled = probe.m_nEnabled;
        return bResult;
    };
    int nEnabled = -1;

    EXPECT_TRUE(run(ID_UPD_ENABLE, TRUE, &nEnabled));
    EXPECT_EQ(nEnabled, 1);

    // A handler that passes the item on has not taken it; nobody else does, and without a
    // command handler the item is disabled.
    EXPECT_FALSE(run(ID_UPD_PASSON, TRUE, &nEnabled));
    EXPECT_EQ(target.m_nPassOnCalls, 1);
    EXPECT_EQ(nEnabled, 0);

    // Only a command handler: not taken, but enabled when disabling is asked for.
    EXPECT_FALSE(run(ID_UPD_COMMAND_ONLY, TRUE, &nEnabled));
    EXPECT_EQ(nEnabled, 1);
    EXPECT_FALSE(run(ID_UPD_COMMAND_ONLY, FALSE, &nEnabled));
    EXPECT_EQ(nEnabled, -1);

    EXPECT_FALSE(run(ID_UPD_NONE, TRUE, &nEnabled));
    EXPECT_EQ(nEnabled, 0);
    EXPECT_FALSE(run(ID_UPD_NONE, FALSE, &nEnabled));
    EXPECT_EQ(nEnabled, -1);

    // Separators (id 0) and the 0xFFFF ids are never asked about and count as done.
    EXPECT_TRUE(run(0, TRUE, &nEnabled));
    EXPECT_EQ(nEnabled, -1);
    EXPECT_TRUE(run(0xFFFF, TRUE, &nEnabled));
    EXPECT_EQ(nEnabled, -1);
    EXPECT_FALSE([&] {
        CUpdateProbe probe;
        probe.m_nID = ID_UPD_ENABLE;
        return probe.DoUpdate(nullptr, TRUE);
    }());
}
