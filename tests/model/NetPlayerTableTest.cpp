#include "model/NetPlayerTable.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>

#include "model/FrameState.h"

namespace {

// Sockets are only compared, never used: addresses of these stand for them.
std::array<char, 4> g_socketDummies;
CVClientSocket* Socket(int n) {
    return reinterpret_cast<CVClientSocket*>(&g_socketDummies[static_cast<size_t>(n)]);
}

class NetPlayerTableTest : public ::testing::Test {
protected:
    void Seat(bool host) { state.SetNetworkRoles(1, host ? 1 : 0, 0); }

    CFrameState state;
    CNetPlayerTable table{state};
};

TEST_F(NetPlayerTableTest, TheHostNumbersNewEntriesAndGivesEachACode) {
    Seat(true);
    state.SetNextPlayerId(41);
    EXPECT_EQ(table.AddNetPlayer(-1, "Ann", "Aster", 3, "login-a", 3, 1), 0);
    EXPECT_EQ(table.AddNetPlayer(-1, "Ben", "Birch", 4, "login-b", 4, 0), 1);
    EXPECT_EQ(table.GetNetPlayerId(0), 41);
    EXPECT_EQ(table.GetNetPlayerId(1), 42);
    EXPECT_EQ(state.GetNextPlayerId(), 43);
    for (int i = 0; i < 2; ++i) {
        const std::string code = table.GetNetPlayerCode(i);
        EXPECT_TRUE(std::regex_match(code, std::regex("[0-9]{2}004" + std::to_string(1 + i))))
            << code;
    }
    EXPECT_EQ(table.IsNetPlayerSelf(0), 1);
    EXPECT_EQ(table.IsNetPlayerSelf(1), 0);
    EXPECT_EQ(table.FindSelfNetPlayer(), 0);

    // An id already in the table updates its entry.
    EXPECT_EQ(table.AddNetPlayer(42, "Ben B.", "Beech", 5, "login-c", 1, 0), 1);
    EXPECT_EQ(table.Count(), 2);
    EXPECT_EQ(table.GetNetPlayerName(1), "Ben B.");
    EXPECT_EQ(table.GetNetPlayerCompanyName(1), "Beech");
    EXPECT_EQ(table.GetNetPlayerColor(1), 5);
    EXPECT_EQ(table.GetNetPlayerLoginText(1), "login-c");
    EXPECT_EQ(table.GetNetPlayerRole(1), 1);
    EXPECT_EQ(state.GetNextPlayerId(), 43);
}

TEST_F(NetPlayerTableTest, TheCodeTextIsTwoDigitsAndTheNumbersLastFour) {
    struct SCase {
        int digits, number;
        const char* code;
    };
    for (const SCase c : {SCase{7, 3, "070003"}, SCase{99, 12345, "992345"},
                          SCase{0, 10000, "000000"}, SCase{42, 9999, "429999"}}) {
        EXPECT_EQ(CNetPlayerTable::MakeCode(c.digits, c.number), c.code);
    }
}

TEST_F(NetPlayerTableTest, AClientKeepsTheGivenIdsAndRemovesEntries) {
    Seat(false);
    table.AddNetPlayer(7, "Host", "", -1, "", 1, 0);
    table.AddNetPlayer(3, "Me", "", -1, "", 1, 1);
    table.AddNetPlayer(9, "Other", "", -1, "", 2, 0);
    EXPECT_EQ(table.GetNetPlayerId(0), 7);
    EXPECT_EQ(table.GetNetPlayerCode(0), "");
    EXPECT_EQ(table.FindNetPlayerById(3), 1);

    EXPECT_EQ(table.RemoveNetPlayer(12), 0);
    EXPECT_EQ(table.Count(), 3);
    EXPECT_EQ(table.RemoveNetPlayer(3), 1);
    EXPECT_EQ(table.Count(), 2);
    EXPECT_EQ(table.FindNetPlayerById(9), 1);
    EXPECT_EQ(table.FindNetPlayerById(3), -1);
    EXPECT_EQ(table.FindSelfNetPlayer(), -1);
}

TEST_F(NetPlayerTableTest, LoginRolesCountsAndNumbers) {
    Seat(false);
    for (int id : {1, 2, 3}) table.AddNetPlayer(id, "P", "", -1, "", 1, 0);
    table.SetNetPlayerLogin(0, "first", 1);
    table.SetNetPlayerLogin(1, "second", 0);
    EXPECT_EQ(table.GetNetPlayerRole(0), 4);
    EXPECT_EQ(table.GetNetPlayerRole(1), 3);
    EXPECT_EQ(table.GetNetPlayerLoginText(1), "second");
    EXPECT_EQ(table.CountNetPlayersByRole(1), 1);
    EXPECT_EQ(table.CountNetPlayersByRole(4), 1);

    table.SetNetPlayerReady(0, 0);
    table.SetNetPlayerReady(2, 0);
    EXPECT_EQ(table.CountBusyNetPlayers(), 2);

    table.SetNetPlayerNumber(2, 17);
    EXPECT_EQ(table.FindNetPlayerByNumber(17), 2);
    EXPECT_EQ(table.FindNetPlayerByNumber(18), -1);

    table.AwaitingGameData() = {3};
    EXPECT_EQ(table.IsAwaitingGameData(3), 1);
    EXPECT_EQ(table.IsAwaitingGameData(2), 0);
}

TEST_F(NetPlayerTableTest, SocketsAreFoundInAnyOrOneChannel) {
    Seat(true);
    table.AddNetPlayer(-1, "A", "", -1, "", 1, 0);
    table.AddNetPlayer(-1, "B", "", -1, "", 1, 0);
    EXPECT_EQ(table.AttachNetPlayerSocket(1, 5, Socket(0)), 1);
    table.SetNetPlayerSocket(0, 11, Socket(1));
    EXPECT_EQ(table.GetNetPlayerSocket(1, 5), Socket(0));

    EXPECT_EQ(table.FindNetPlayerBySocket(Socket(0)), 1);
    EXPECT_EQ(table.GetNetPlayerIdBySocket(Socket(1)), table.GetNetPlayerId(0));
    int channel = 5;
    EXPECT_EQ(table.FindNetPlayerBySocket(Socket(0), &channel), 1);
    EXPECT_EQ(channel, 5);
    channel = 4;
    EXPECT_EQ(table.FindNetPlayerBySocket(Socket(0), &channel), -1);
    EXPECT_EQ(channel, -1);
    EXPECT_EQ(table.FindNetPlayerBySocket(Socket(2)), -1);
    EXPECT_EQ(table.GetNetPlayerIdBySocket(Socket(2)), -1);

    // The free flag read is the one of the frame's current send channel.
    table.SetNetChannelFree(0, 3, 0);
    EXPECT_EQ(table.IsNetChannelFree(0), 1);
    table.SetSendChannel(3);
    EXPECT_EQ(table.IsNetChannelFree(0), 0);
}

TEST_F(NetPlayerTableTest, IndexesAndChannelsOutOfRangeGiveNeutralAnswers) {
    Seat(true);
    table.AddNetPlayer(-1, "A", "Aster", 2, "login", 1, 1);
    table.SetNetPlayerCompany(0, 0);
    const CNetworkData before = *table.Entry(0);
    for (int i : {-1, 1, 1000}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(table.Entry(i), nullptr);
        EXPECT_EQ(table.GetNetPlayerCompany(i), -1);
        EXPECT_EQ(table.IsNetPlayerReady(i), 0);
        EXPECT_EQ(table.GetNetPlayerId(i), -1);
        EXPECT_EQ(table.GetNetPlayerColor(i), -1);
        EXPECT_EQ(table.GetNetPlayerName(i), "");
        EXPECT_EQ(table.GetNetPlayerCompanyName(i), "");
        EXPECT_EQ(table.GetNetPlayerLoginText(i), "");
        EXPECT_EQ(table.GetNetPlayerCode(i), "");
        EXPECT_EQ(table.GetNetPlayerRole(i), -1);
        EXPECT_EQ(table.IsNetPlayerSelf(i), 0);
        EXPECT_EQ(table.IsNetChannelFree(i), 0);
        EXPECT_EQ(table.GetNetPlayerSocket(i, 0), nullptr);
        EXPECT_EQ(table.AttachNetPlayerSocket(i, 0, Socket(0)), 0);
        EXPECT_EQ(table.GetNetAnswer(i), -1);
        EXPECT_EQ(table.GetNetQueryAnswer(i), -1);
        table.SetNetPlayerCompany(i, 5);
        table.SetNetPlayerReady(i, 0);
        table.SetNetPlayerNumber(i, 5);
        table.SetNetPlayerLoginText(i, "x");
        table.SetNetPlayerLogin(i, "x", 1);
        table.SetNetPlayerCode(i, "x");
        table.SetNetPlayerRole(i, 2);
        table.SetNetChannelFree(i, 0, 0);
        table.SetNetPlayerSocket(i, 0, Socket(0));
    }
    for (int channel : {-1, 12, 100}) {
        SCOPED_TRACE(channel);
        EXPECT_EQ(table.GetNetPlayerSocket(0, channel), nullptr);
        EXPECT_EQ(table.AttachNetPlayerSocket(0, channel, Socket(0)), 0);
        table.SetNetPlayerSocket(0, channel, Socket(0));
        table.SetNetChannelFree(0, channel, 0);
        int searched = channel;
        EXPECT_EQ(table.FindNetPlayerBySocket(Socket(0), &searched), -1);
        EXPECT_EQ(searched, -1);
        table.SetSendChannel(channel);
        EXPECT_EQ(table.GetSendChannel(), 0);
    }
    EXPECT_TRUE(*table.Entry(0) == before);
    EXPECT_EQ(table.Entry(0)->channels.freeFlags, CChannelState().freeFlags);
    EXPECT_EQ(table.Entry(0)->channels.sockets, CChannelState().sockets);
    EXPECT_EQ(table.Count(), 1);
}

TEST_F(NetPlayerTableTest, ALeavingCompanyMakesItsPlayerAnObserverAndShiftsTheLaterOnes) {
    Seat(true);
    for (int c = 0; c < 4; ++c) {
        const int i = table.AddNetPlayer(-1, "P", "Company", c + 1, "", 1, c == 3 ? 1 : 0);
        table.SetNetPlayerCompany(i, c);
    }
    table.AddNetPlayer(-1, "Watcher", "", -1, "", 2, 0);
    // The second of four companies leaves.
    EXPECT_EQ(table.ReleaseCompany(1, table.GetNetPlayerId(1)), 0);
    const std::array<int, 5> companies = {0, -1, 1, 2, -1};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(table.GetNetPlayerCompany(i), companies[i]) << i;
    EXPECT_EQ(table.GetNetPlayerRole(1), 2);
    EXPECT_EQ(table.GetNetPlayerColor(1), -1);
    EXPECT_EQ(table.GetNetPlayerCompanyName(1), "");
    EXPECT_EQ(table.GetNetPlayerRole(2), 1);

    // This seat's own company (now index 2) leaves.
    EXPECT_EQ(table.ReleaseCompany(2, table.GetNetPlayerId(3)), 1);
    EXPECT_EQ(table.GetNetPlayerCompany(3), -1);
    EXPECT_EQ(table.GetNetPlayerRole(3), 2);

    // Released without a known player: an entry that still names the
    // company loses it instead of naming its neighbour.
    EXPECT_EQ(table.ReleaseCompany(0, -1), 0);
    EXPECT_EQ(table.GetNetPlayerCompany(0), -1);
    EXPECT_EQ(table.GetNetPlayerCompany(2), 0);
}

}  // namespace
