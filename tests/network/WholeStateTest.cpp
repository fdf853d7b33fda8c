// The whole game state: a client that starts from the data files alone and
// applies the host's transfer holds the host's game.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "SeatNeutralSave.h"
#include "StateFixture.h"
#include "fakes/SimulatedGame.h"
#include "fakes/TempFolder.h"
#include "model/MapData.h"

namespace {

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class WholeStateTest : public CStateFixture {
protected:
    void SetUp() override {
        const char* home = std::getenv("MERCAVO_HOME");
        if (!home) GTEST_SKIP() << "MERCAVO_HOME names no program folder";
        bin = std::string(home) + "/";
        if (!std::filesystem::exists(bin + "simulate")) GTEST_SKIP() << "simulate is not built";
        host.SetFrameState(&hostFrame);
        client.SetFrameState(&clientFrame);
        ASSERT_TRUE(CopySimulatedGame(bin, "--companies 10 --months 24 --seed 1",
                                      temp.Folder() + "host.mqd"));
        hostBytes = ReadAll(temp.Folder() + "host.mqd");
        ASSERT_EQ(host.LoadBytes(hostBytes), -1);
        ASSERT_EQ(client.LoadDataFilesFrom(bin + "ORIGINAL.MQM", bin + "ORIGINAL.MQP"), 1);
    }

    CTempFolder temp;
    std::string bin;
    std::vector<uint8_t> hostBytes;
};

TEST_F(WholeStateTest, ClientOfTheWholeStateSavesTheHostsGame) {
    HostState().SendAllGameData(1);
    EXPECT_TRUE(net.sendErrors.empty()) << net.sendErrors.front();
    ASSERT_FALSE(net.sent.empty());
    for (const CFakeNetService::Sent& sent : net.sent) EXPECT_EQ(sent.player, 1);
    EXPECT_EQ(ApplyToClient(), 0) << log.front();
    EXPECT_EQ(CSeatNeutralSave::Difference(host.SaveBytes(), client.SaveBytes()), "");
}

// The lobby refresh: a client that holds the game with other values in
// every field the refresh carries gets the host's values back. The joiner
// gets the areas, the document header and the stock rows; everyone gets the
// persons' status and the leagues.
TEST_F(WholeStateTest, TheJoinerRefreshBringsBackTheFieldsItCarries) {
    ASSERT_EQ(client.LoadBytes(hostBytes), -1);
    CMapDoc& map = client.GetMap();
    for (int a = 0; a < map.GetAreaCount(); ++a) {
        CMapData& area = map.GetArea(a);
        area.SetPopulation(area.GetPopulation() + 7);
        area.SetLayer(CMapData::layerDurability, 0, 0, area.GetLayer(CMapData::layerDurability, 0, 0) + 1);
        area.SetLayer(CMapData::layerLandValue, 1, 0, area.GetLayer(CMapData::layerLandValue, 1, 0) + 3);
    }
    for (int governors : {0, 1})
        for (int p = 0; p < (governors ? client.GetGovernorTableSize() : client.GetDirectorTableSize()); ++p) {
            CPersonData& person = governors ? *client.GetGovernor(p) : *client.GetDirector(p);
            person.SetElectionMonth(person.GetElectionMonth() + 1);
            person.SetPresidentFlag(!person.GetPresidentFlag());
        }
    client.SetInterestRate(client.GetInterestRate() == 8 ? 9 : 8);
    client.SetStockHolding(0, -1, client.GetStockHolding(0, -1) + 5);
    client.GetMap().GetProTeam(1, 0).AddWin(1);
    ASSERT_NE(CSeatNeutralSave::Difference(host.SaveBytes(), client.SaveBytes()), "");

    HostState().SendJoinerRefresh(1);
    std::map<std::string, std::set<int>> targets;
    for (const CFakeNetService::Sent& sent : net.sent)
        targets[sent.record.substr(11, 2) + "/" + sent.record.substr(13, 3)].insert(sent.player);
    for (const char* code : {"03/070", "03/087", "03/089", "00/100", "00/000"})
        EXPECT_EQ(targets[code], std::set<int>{1}) << code;
    for (const char* code : {"02/203", "03/020", "03/022"}) EXPECT_EQ(targets[code], std::set<int>{-1}) << code;
    EXPECT_EQ(ApplyToClient(), 0) << (log.empty() ? "" : log.front());
    EXPECT_EQ(CSeatNeutralSave::Difference(host.SaveBytes(), client.SaveBytes()), "");
}

}  // namespace
