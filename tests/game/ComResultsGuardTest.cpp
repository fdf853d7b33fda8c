// The computer player's results pinned: every plan it finds and every plan
// it keeps after its turn, every line its orders write and the whole saved
// game after each company's turn, over several seeds on the fixture game
// and in a mid-game month of the authored map. Work on the planner's speed
// must leave all of it unchanged.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ComCommandFixture.h"
#include "fakes/Golden.h"
#include "fakes/MidGame.h"
#include "game/ComCommand.h"
#include "model/CmdPacket.h"
#include "model/PersonDataFile.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/RuntimeRandom.h"

namespace {

std::string PlanText(const CCmdPacket& plan) {
    std::string text;
    if (!plan.AppendText(text, 1 << 20)) return "(plan too long)";
    return text;
}

std::string HashLines(const std::vector<std::string>& lines) {
    std::vector<uint8_t> bytes;
    for (const std::string& line : lines) {
        bytes.insert(bytes.end(), line.begin(), line.end());
        bytes.push_back('\n');
    }
    return HashText(bytes);
}

// One company's turn: the plan it would take next, then its month, then
// the plans it holds, the log of its orders and the whole game.
std::string DigestTurn(CVDoc& doc, std::vector<std::string>& log, int c) {
    std::string digest = "company " + std::to_string(c) + "\n";
    CCmdPacket next;
    digest += "  next: " + (CComCommand(doc, c).PlanNext(next) ? PlanText(next) : "-") + "\n";
    log.clear();
    CComCommand(doc, c).RunMonth();
    for (const CCmdPacket& plan : doc.GetEnterprise(c)->GetPlans())
        digest += "  plan: " + PlanText(plan) + "\n";
    digest += "  log " + HashLines(log) + " game " + HashText(doc.SaveBytes()) + "\n";
    return digest;
}

class ComResultsGuardTest : public ComCommandTest {};

TEST_F(ComResultsGuardTest, FixtureGameMonthsGiveThePinnedPlansAndOrders) {
    CBD& kiosk = *doc.GetMap().GetStructureType(FindStructureOfCode(doc.GetMap(), 30));
    kiosk.SetRevenueFigure(1, 200000);
    MakeBothBuilders();
    const std::vector<uint8_t> start = doc.SaveBytes();
    std::string pinned;
    for (int seed : {11, 12, 13}) {
        ASSERT_TRUE(doc.LoadBytes(start));
        CRuntimeRandom::Seed(seed);
        pinned += "seed " + std::to_string(seed) + "\n";
        for (int month = 0; month < 12; ++month) {
            doc.AdvancePlans();
            for (int c = 1; c <= 2; ++c) {
                AdvanceTasks(c);
                pinned += DigestTurn(doc, frame.infoLines, c);
            }
        }
    }
    // One pinned text for every build: the optimised and the checked build
    // must draw in the same order and reach the same months.
    ExpectGolden("com-results-fixture", pinned);
}

class ComResultsAuthoredTest : public GameTest {};

TEST_F(ComResultsAuthoredTest, MidGameMonthGivesThePinnedPlansAndOrders) {
    if (!HasAuthoredData()) GTEST_SKIP() << "no authored data files in the program folder";
    ASSERT_TRUE(MakeAuthoredMidGame(doc));
    // The game goes through its saved form first, as between turns.
    ASSERT_TRUE(doc.LoadBytes(doc.SaveBytes()));
    // The first companies' turns of one month: the map's size makes each
    // turn slow under the sanitizers.
    std::string pinned = "seed 5\n";
    CRuntimeRandom::Seed(5);
    for (int c = 0; c < 2; ++c) pinned += DigestTurn(doc, frame.infoLines, c);
    ExpectGolden("com-results-authored", pinned);
}

}  // namespace
