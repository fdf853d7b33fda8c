// A construction pass keeps the gain of each structure type at each site for
// its later tries. Kept or worked out afresh, the planner must draw the same
// numbers and choose the same: the construction plan with its score (which
// the other planners mostly outbid, so it is compared on its own) and the
// next plan, from the same game and seed, with plans pending (which the
// trials lay on the map) and without.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "ComCommandFixture.h"
#include "fakes/MidGame.h"
#include "game/ComCommand.h"
#include "model/CmdPacket.h"
#include "platform/core/RuntimeRandom.h"

namespace {

// The company's construction plan with its score, its next plan, and where
// the generator stands after each.
struct SPlanned {
    std::string construction;
    double score;
    uint32_t afterConstruction;
    std::string next;
    uint32_t afterNext;
    bool operator==(const SPlanned&) const = default;
};

void PrintTo(const SPlanned& p, std::ostream* out) {
    *out << "construction " << p.score << " [" << p.construction << "] draws to "
         << p.afterConstruction << ", next [" << p.next << "] draws to " << p.afterNext;
}

std::string Text(const CCmdPacket& plan) {
    std::string text;
    EXPECT_TRUE(plan.AppendText(text, 1 << 20));
    return text;
}

SPlanned PlanFrom(CVDoc& doc, const std::vector<uint8_t>& game, uint32_t seed, int company,
                  bool keep) {
    SPlanned planned;
    EXPECT_TRUE(doc.LoadBytes(game));
    CRuntimeRandom::Seed(seed);
    {
        CComCommand com(doc, company);
        com.KeepSiteGains(keep);
        CCmdPacket plan;
        planned.score = com.PlanConstruction(plan, 1);
        planned.construction = Text(plan);
        planned.afterConstruction = CRuntimeRandom::State();
    }
    CRuntimeRandom::Seed(seed);
    CComCommand com(doc, company);
    com.KeepSiteGains(keep);
    CCmdPacket plan;
    planned.next = com.PlanNext(plan) ? Text(plan) : "-";
    planned.afterNext = CRuntimeRandom::State();
    return planned;
}

// Plans each company from the game as it stands, kept and afresh, for each
// seed; then every company takes a turn, so that plans are pending.
void ExpectKeptGainsChooseTheSame(CVDoc& doc, std::vector<int> companies,
                                  std::vector<uint32_t> seeds, int months) {
    bool built = false;
    for (int month = 0; month <= months; ++month) {
        const std::vector<uint8_t> game = doc.SaveBytes();
        for (uint32_t seed : seeds)
            for (int c : companies) {
                const SPlanned kept = PlanFrom(doc, game, seed, c, true);
                EXPECT_EQ(kept, PlanFrom(doc, game, seed, c, false))
                    << "month " << month << " seed " << seed << " company " << c;
                built = built || kept.score > 0;
            }
        ASSERT_TRUE(doc.LoadBytes(game));
        CRuntimeRandom::Seed(100 + month);
        for (int c : companies) CComCommand(doc, c).RunMonth();
        doc.AdvancePlans();
    }
    // Otherwise the comparison says nothing.
    EXPECT_TRUE(built) << "no construction plan was found";
}

class ComSiteGainsTest : public ComCommandTest {};

TEST_F(ComSiteGainsTest, KeptGainsChooseAsTrialsWorkedOutAfresh) {
    // Kiosks earn well, so that sites rate above 0.
    MakeKiosksProfitable();
    MakeBothBuilders();
    SetAbilities(President(1), {9, 9, 9, 9, 9}, 3);
    ExpectKeptGainsChooseTheSame(doc, {1, 2}, {1, 2, 3, 4}, 4);
}

class ComSiteGainsAuthoredTest : public GameTest {};

TEST_F(ComSiteGainsAuthoredTest, KeptGainsChooseAsTrialsWorkedOutAfreshMidGame) {
    if (!HasAuthoredData()) GTEST_SKIP() << "no authored data files in the program folder";
    ASSERT_TRUE(MakeAuthoredMidGame(doc));
    // The map's size makes each pass slow under the sanitizers: two
    // companies, one seed, and a second month with their plans pending.
    ExpectKeptGainsChooseTheSame(doc, {0, 3}, {5}, 1);
}

}  // namespace
