// The adviser's counsel: which kinds take the slots, and what the records
// say.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ComCommandFixture.h"
#include "model/AdvicePacket.h"
#include "model/PersonData.h"

namespace {

struct SSlotCase {
    const char* name;
    std::vector<int> scores;
    int slots, threshold;
    std::vector<int> kinds;
};

TEST(AdviceSlots, TheBestKindsReachingTheLevelTakeTheSlots) {
    const std::vector<SSlotCase> cases = {
        {"one slot keeps the best", {400, 900, 500, 950}, 1, 300, {3}},
        {"equal scores keep the earlier kind ahead", {500, 700, 700, 600}, 2, 300, {1, 2}},
        {"an equal score does not displace", {700, 700, 700}, 2, 300, {0, 1}},
        {"exactly the level is taken", {350, 349}, 5, 350, {0}},
        {"every kind below the level", {100, 200, 299}, 5, 300, {}},
        {"best first, at most five", {310, 320, 330, 340, 350, 360, 370}, 5, 300, {6, 5, 4, 3, 2}},
        {"none scoring", {0, -5}, 5, 0, {}},
    };
    for (const SSlotCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CComCommand::FillAdviceSlots(c.scores, c.slots, c.threshold), c.kinds);
    }
}

class ComAdviceTest : public ComCommandTest {
protected:
    void SetUp() override {
        ComCommandTest::SetUp();
        // A sharp adviser among the company's directors.
        for (int i = 0; i < Company(kSubject).GetDirectorCount(); ++i)
            SetAbilities(*Company(kSubject).GetDirector(i), {5, 9, 5, 5, 5}, 3);
        for (int tries = 0; tries < 50 && !Company(kSubject).FindAdviser(); ++tries) {
        }
        ASSERT_GE(Company(kSubject).GetAdviser(), 0);
    }
};

TEST_F(ComAdviceTest, TheAdviserIsNeverTheSubjectOfSalaryAdvice) {
    CEnterprise& company = Company(kSubject);
    const int adviser = company.GetAdviser();
    // The adviser's pay is the furthest off: he would win were he weighed.
    for (int i = 0; i < company.GetDirectorCount(); ++i) {
        CPersonData& director = *company.GetDirector(i);
        director.SetSalary(director.GetIndex() == adviser ? 100000 : director.CalcSalary(false) + 1);
    }
    int advised = 0;
    for (int seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        CRuntimeRandom::Seed(seed);
        CAdvicePacket record;
        const int score = CComCommand(doc, kSubject).ScoreAdvice(16, record, 0);
        if (score <= 0) continue;
        ++advised;
        EXPECT_NE(record.GetParam2(), adviser);
        EXPECT_EQ(record.GetKind(), 16);
    }
    EXPECT_GT(advised, 0);
}

TEST_F(ComAdviceTest, SomeKindsNeverGiveTheDetailedSentence) {
    CEnterprise& company = Company(kSubject);
    company.SetAreaLevel(0, 3);
    company.SetFunds(100000);
    SetIncome(kSubject, 30000);
    company.SetAdvertisingCost(50);
    company.SetDebt(500);
    doc.SetStockHolding(0, kSubject, 100);
    std::vector<int> scored(20, 0), detailed(20, 0);
    for (int seed = 1; seed <= 40; ++seed) {
        for (int kind = 0; kind < 20; ++kind) {
            CRuntimeRandom::Seed(seed * 31 + kind);
            company.SetFunds(kind == 6 ? -5000 : 100000);
            CAdvicePacket record;
            if (CComCommand(doc, kSubject).ScoreAdvice(kind, record, 0) <= 0) continue;
            ++scored[static_cast<size_t>(kind)];
            detailed[static_cast<size_t>(kind)] += record.GetDetailed();
        }
    }
    for (int kind : {2, 3, 6, 7, 8, 10, 11, 13}) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(detailed[static_cast<size_t>(kind)], 0);
    }
    // The flag itself works: the advertising budget advice is scored every
    // time and a sharp adviser often names the change.
    EXPECT_GT(scored[14], 0);
    EXPECT_GT(detailed[14], 0);
    // Kinds that did score, so that the check above means something.
    EXPECT_GT(scored[3] + scored[7] + scored[10] + scored[11], 0);
}

TEST_F(ComAdviceTest, TheListHoldsTheAcceptedKindsBestFirstAndIsRebuiltEachTime) {
    CEnterprise& company = Company(kSubject);
    company.SetAreaLevel(0, 3);
    SetIncome(kSubject, 30000);
    company.SetAdvertisingCost(0);
    for (int seed = 1; seed <= 10; ++seed) {
        SCOPED_TRACE(seed);
        CRuntimeRandom::Seed(seed);
        company.GetAdvice().assign(7, CAdvicePacket());
        CComCommand(doc, kSubject).BuildAdvice();
        const auto& list = company.GetAdvice();
        EXPECT_LE(list.size(), 5u);
        for (const CAdvicePacket& record : list) {
            EXPECT_GE(record.GetKind(), 0);
            EXPECT_LE(record.GetKind(), CAdvicePacket::kLastKind);
        }
    }
}

}  // namespace
