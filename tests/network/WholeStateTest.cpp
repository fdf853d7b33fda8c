// The whole game state: a client that starts from the data files alone and
// applies the host's transfer holds the host's game.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "SeatNeutralSave.h"
#include "StateFixture.h"
#include "fakes/SimulatedGame.h"
#include "fakes/TempFolder.h"

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

}  // namespace
