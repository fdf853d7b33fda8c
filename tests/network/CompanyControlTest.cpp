// Who plays a company in a network game, answered from the peer table: this
// seat, another seat, a seat that is away or still waits for the game data,
// or no seat at all.

#include <gtest/gtest.h>

#include "StateGameFixture.h"
#include "model/NetPlayerTable.h"

namespace {

class CompanyControlTest : public CStateGameFixture {
public:
    static constexpr int kOwn = 10, kRemote = 11, kAway = 12, kWaiting = 13, kNobody = 14;

    void SetUp() override {
        NewGame(4);
        hostFrame.SetNetworkRoles(1, 0, 0);
        auto peer = [&](int number, int company, int state, int local) {
            CNetworkData entry;
            entry.playerNumber = number;
            entry.company = company;
            entry.state = state;
            entry.localFlag = local;
            hostFrame.GetPeers().push_back(entry);
        };
        peer(kOwn, 2, CNetworkData::kPlayer, 1);
        peer(kRemote, 0, CNetworkData::kPlayer, 0);
        peer(kAway, 1, CNetworkData::kPlayerAbsent, 0);
        peer(kWaiting, 3, CNetworkData::kPlayer, 0);
        table.AwaitingGameData().push_back(kWaiting);
        host.SetNetPlayers(&table);
    }

    CNetPlayerTable table{hostFrame};
};

TEST_F(CompanyControlTest, TheQueriesAnswerFromThePeerTable) {
    struct SCase {
        const char* seat;
        int playerNumber;
        bool human;
        bool local, remote, away;
    };
    const SCase cases[] = {
        {"this seat", kOwn, true, true, false, false},
        {"another seat", kRemote, true, false, true, false},
        {"a seat that lost its connection", kAway, true, false, true, true},
        {"a seat waiting for the game data", kWaiting, true, false, true, true},
        {"no seat", kNobody, true, false, true, true},
        {"the computer", -1, false, false, false, false},
        {"the computer's other number", -2, false, false, false, false},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.seat);
        EXPECT_EQ(table.IsLocallyPlayed(c.playerNumber), c.local);
        EXPECT_EQ(table.IsRemotelyPlayed(c.playerNumber, c.human), c.remote);
        EXPECT_EQ(table.IsRemotePlayerAway(c.playerNumber, c.human), c.away);
    }
    EXPECT_EQ(table.GetOwnCompany(), 2);
}

// The document asks the table with each company's player number; a game at
// one machine plays every company here.
TEST_F(CompanyControlTest, TheDocumentAsksWithTheCompanysPlayerNumber) {
    host.GetEnterprise(0)->SetNetworkPlayerId(kRemote);
    host.GetEnterprise(1)->SetNetworkPlayerId(kAway);
    host.GetEnterprise(2)->SetNetworkPlayerId(kOwn);
    host.GetEnterprise(3)->SetNetworkPlayerId(-1);
    EXPECT_FALSE(host.IsLocallyPlayed(0));
    EXPECT_TRUE(host.IsLocallyPlayed(2));
    EXPECT_FALSE(host.IsLocallyPlayed(3));
    EXPECT_FALSE(host.IsLocallyPlayed(7));
    EXPECT_EQ(host.GetOwnCompanyIndex(), 2);
    EXPECT_EQ(host.GetOwnCompany(), host.GetEnterprise(2));
    // An observer's own company is the one whose turn it is.
    hostFrame.SetNetworkRoles(1, 0, 1);
    EXPECT_EQ(host.GetOwnCompanyIndex(), host.GetTurnEnterprise(-1));
    hostFrame.SetNetworkRoles(0, 0, 0);
    for (int c = 0; c < 4; ++c) {
        EXPECT_TRUE(host.IsLocallyPlayed(c));
        EXPECT_FALSE(host.IsRemotePlayerAway(c));
    }
    EXPECT_EQ(host.GetOwnCompanyIndex(), host.GetTurnEnterprise(-1));
}

}  // namespace
