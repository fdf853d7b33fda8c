// The judgment's scoring: page values and points, shared ranks, bonus
// points, the yearly first places, the director ranking and the area
// contributions, on fixture games whose records are set before or after
// the load.

#include <array>
#include <climits>
#include <functional>

#include "JudgeFixture.h"
#include "model/BD.h"
#include "model/MapData.h"

namespace {

class ScoringTest : public JudgeTest {
protected:
    // Loads a fixture game whose companies differ only where set.
    void LoadPlain(const SJudgmentFileOptions& options = {}) {
        MakeGame(options);
        ASSERT_EQ(LoadGame(), -1);
    }
    ::CEnterprise& Record(int c) { return doc.GetCompany(c)->Record(); }
    int Rank(int c) { return doc.GetCompany(c)->GetRank(); }
    int Bonus(int c) { return doc.GetBonusPoints(c); }
    int StepPoints(int c, int step) {
        return doc.GetCompany(c)->PointsHistory().at(static_cast<size_t>(step));
    }
};

TEST_F(ScoringTest, EqualValuesShareARankAndTheNextTakesItsPosition) {
    LoadPlain();
    std::array<int, 3> funds{5000, 5000, 3000};
    for (int c = 0; c < 3; ++c) Record(c).SetFunds(funds[static_cast<size_t>(c)]);
    ASSERT_EQ(doc.PrepareJudgment(), 1);
    ASSERT_TRUE(doc.RunNextStep());  // page 0, Funds
    EXPECT_EQ(doc.GetPage(), 0);
    EXPECT_EQ((std::array{Rank(0), Rank(1), Rank(2)}), (std::array{0, 0, 2}));
    EXPECT_EQ((std::array{Bonus(0), Bonus(1), Bonus(2)}), (std::array{10, 10, 2}));
    EXPECT_EQ(doc.GetCompany(0)->GetFirstCount(), 1);
    EXPECT_EQ(doc.GetCompany(1)->GetFirstCount(), 1);
    EXPECT_EQ(doc.GetCompany(2)->GetFirstCount(), 0);
    EXPECT_EQ(StepPoints(0, 0), 50 + 10);
    EXPECT_EQ(StepPoints(2, 0), 30 + 2);
    EXPECT_EQ(doc.GetTotal(1), 60);
    EXPECT_EQ(doc.GetBarScale(), 5000);
    EXPECT_EQ(doc.GetRankingOrder(), (std::vector<int>{0, 1, 2}));
}

TEST_F(ScoringTest, AllZeroSharesRankZeroWithoutFirstsOrBonus) {
    LoadPlain();
    for (int c = 0; c < 3; ++c) Record(c).SetFunds(0);
    ASSERT_EQ(doc.PrepareJudgment(), 1);
    doc.RunNextStep();
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(Rank(c), 0);
        EXPECT_EQ(Bonus(c), 0);
        EXPECT_EQ(doc.GetCompany(c)->GetFirstCount(), 0);
        EXPECT_EQ(doc.GetTotal(c), 0);
    }
}

TEST_F(ScoringTest, NoDebtRanksAboveEveryDebtorWithoutBonus) {
    LoadPlain();
    std::array<int, 3> debt{100, 0, 40};
    for (int c = 0; c < 3; ++c) Record(c).SetDebt(debt[static_cast<size_t>(c)]);
    ASSERT_EQ(doc.PrepareJudgment(), 1);
    JudgeThrough(1);
    EXPECT_EQ(doc.GetPage(), 1);
    EXPECT_EQ((std::array{Rank(0), Rank(1), Rank(2)}), (std::array{2, 0, 1}));
    EXPECT_EQ((std::array{Bonus(0), Bonus(1), Bonus(2)}), (std::array{0, 0, 0}));
    EXPECT_EQ((std::array{StepPoints(0, 1), StepPoints(1, 1), StepPoints(2, 1)}),
              (std::array{-5, 0, -2}));
    EXPECT_EQ(doc.GetBarScale(), -100);
}

TEST_F(ScoringTest, AYearWithoutBusinessGivesEveryCompanyAFirstPlace) {
    LoadPlain();
    // Year 1: company 2 sells, company 1 makes the larger profit; years 0
    // and 2 nobody does business (the lists end early: missing years are 0).
    Record(2).AddYearResult(1, 0, 500, 10, 0, 0);
    Record(1).AddYearResult(1, 0, 100, 90, 0, 0);
    ASSERT_EQ(doc.PrepareJudgment(), 1);
    EXPECT_EQ(doc.GetCompany(0)->GetYearsFirst(0), 2);
    EXPECT_EQ(doc.GetCompany(1)->GetYearsFirst(0), 2);
    EXPECT_EQ(doc.GetCompany(2)->GetYearsFirst(0), 3);
    EXPECT_EQ(doc.GetCompany(1)->GetYearsFirst(1), 3);
    EXPECT_EQ(doc.GetCompany(2)->GetYearsFirst(1), 2);
    EXPECT_EQ(doc.GetCompany(0)->YearRanks(0), (std::vector<int>{0, 2, 0}));
    EXPECT_EQ(doc.GetCompany(2)->YearRanks(1), (std::vector<int>{0, 1, 0}));
}

// What one page counts, and its points, for a company with one figure set.
struct SPageCase {
    const char* name;
    int page;
    std::function<void(CJudgmentFileFixture&)> set;
    int value;
    int points;
};

class PagePointsTest : public ScoringTest, public ::testing::WithParamInterface<SPageCase> {};

TEST_P(PagePointsTest, ValueAndPoints) {
    const SPageCase& p = GetParam();
    MakeGame();
    p.set(*game);
    ASSERT_EQ(LoadGame(), -1);
    ASSERT_EQ(doc.PrepareJudgment(), 1);
    JudgeThrough(p.page);
    const judge::CEnterprise& company = *doc.GetCompany(1);
    EXPECT_EQ(company.GetJudgeValue(p.page, 0), p.value);
    EXPECT_EQ(company.GetJudgePoints(p.page), p.points);
}

using F = CJudgmentFileFixture;
void Areas(F& g, std::function<void(int)> each) {
    for (int a = 0; a < g.Doc().GetMap().GetAreaCount(); ++a) each(a);
}

INSTANTIATE_TEST_SUITE_P(
    Judgment, PagePointsTest,
    ::testing::Values(
        SPageCase{"Funds", 0, [](F& g) { g.Company(1).SetFunds(12345); }, 12345, 123},
        SPageCase{"Debt", 1, [](F& g) { g.Company(1).SetDebt(130); }, 130, -6},
        SPageCase{"Employees", 2,
                  [](F& g) {
                      g.Company(1).SetEmployees(250);
                      g.Company(1).SetEmployeesAtWork(0);
                  },
                  250, 2},
        // 3 years: -360 / 36 months = -10 per month: 45 %.
        SPageCase{"LoyaltyOfANegativeMoraleSum", 3,
                  [](F& g) { g.SetStored(1, &SCompanyLayout::moraleSum, -360); }, 4500, -20},
        SPageCase{"LoyaltyAtBest", 3,
                  [](F& g) { g.SetStored(1, &SCompanyLayout::moraleSum, 3600); }, 10000, 200},
        SPageCase{"AdvancedAreas", 4,
                  [](F& g) { Areas(g, [&](int a) { g.Company(1).SetAreaLevel(a, 3 + a); }); }, 2,
                  20},
        SPageCase{"Property", 5,
                  [](F& g) {
                      g.SetAreaWord(1, 0, 3, 70);
                      g.SetAreaWord(1, 0, 4, 11);
                  },
                  81, 81},
        SPageCase{"StockValue", 6,
                  [](F& g) {
                      g.SetStored(0, &SCompanyLayout::stockPrice, 1000);
                      g.SetStored(1, &SCompanyLayout::stockPrice, 0);
                      g.SetStored(2, &SCompanyLayout::stockPrice, 30);
                      g.Doc().SetStockHolding(0, 1, 50);
                      g.Doc().SetStockHolding(2, 1, 10);
                  },
                  50300, 503},
        SPageCase{"StockValueBeyondTheIntRange", 6,
                  [](F& g) {
                      g.SetStored(0, &SCompanyLayout::stockPrice, 2000000000);
                      g.SetStored(1, &SCompanyLayout::stockPrice, 0);
                      g.SetStored(2, &SCompanyLayout::stockPrice, 0);
                      g.Doc().SetStockHolding(0, 1, 3);
                  },
                  INT_MAX, INT_MAX / 100},
        SPageCase{"Strikes", 7, [](F& g) { g.SetStored(1, &SCompanyLayout::strikeCount, 3); }, 3,
                  -60},
        SPageCase{"Popularity", 8, [](F& g) { g.SetAreaWord(1, 0, 1, 345); }, 345, 24},
        SPageCase{"AttendanceLeague3", 15,
                  [](F& g) {
                      g.SetStoredAt(
                          1, [](const SCompanyLayout& l) { return l.Attendance(2); }, 12345);
                  },
                  1234, 123},
        SPageCase{"ChampionLeague1", 10,
                  [](F& g) {
                      g.SetStoredAt(
                          1, [](const SCompanyLayout& l) { return l.Championships(0); }, 4);
                  },
                  4, 40}),
    [](const ::testing::TestParamInfo<SPageCase>& info) { return std::string(info.param.name); });

TEST_F(ScoringTest, YearsFirstAndContributionPages) {
    LoadPlain();
    Record(1).AddYearResult(0, 0, 500, 100, 0, 0);
    ASSERT_EQ(doc.PrepareJudgment(), 1);
    JudgeThrough(17);
    // Company 1 was first in both years without business too.
    EXPECT_EQ(doc.GetCompany(1)->GetJudgeValue(16, 0), 3);
    EXPECT_EQ(doc.GetCompany(1)->GetJudgePoints(16), 15);
    EXPECT_EQ(doc.GetCompany(1)->GetJudgePoints(17), 9);
    EXPECT_EQ(doc.GetCompany(0)->GetJudgePoints(16), 10);
}

class DirectorRankingTest : public ScoringTest {
protected:
    void SetUp() override {
        ScoringTest::SetUp();
        LoadPlain();
        // Nobody takes part unless a test employs him.
        for (int i = 0; i < doc.GetPersonCount(); ++i) {
            doc.GetPerson(i)->Record().SetPresidentFlag(0);
            doc.GetPerson(i)->Record().SetEmployer(0);
        }
        best = 0;
        for (int i = 1; i < doc.GetPersonCount(); ++i)
            if (Score(i) > Score(best)) best = i;
        weaker = best == 0 ? 1 : 0;
        for (int i = 0; i < doc.GetPersonCount(); ++i)
            if (Score(i) < Score(best) && Score(i) > Score(weaker)) weaker = i;
        ASSERT_LT(Score(weaker), Score(best));
    }
    int Score(int i) { return doc.GetPerson(i)->GetJudgeAbility(-1, false); }
    // Person slot becomes the record, employed by company c.
    void Employ(int slot, const ::CPersonData& record, int company) {
        doc.GetPerson(slot)->Record() = record;
        doc.GetPerson(slot)->Record().SetEmployer(company + 1);
    }
    ::CPersonData Best() { return doc.GetPerson(best)->Record(); }
    ::CPersonData Weaker() { return doc.GetPerson(weaker)->Record(); }
    int Points(int c) { return doc.GetCompany(c)->GetDirectorPoints(); }
    int best = 0, weaker = 0;
};

TEST_F(DirectorRankingTest, TwoEqualBestEarn25AndTheThird15) {
    ::CPersonData b = Best(), w = Weaker();
    Employ(0, b, 0);
    Employ(1, b, 1);
    Employ(2, w, 2);
    doc.ComputeDirectorPoints();
    EXPECT_EQ(doc.GetTopDirectors().size(), 3u);
    EXPECT_EQ((std::array{Points(0), Points(1), Points(2)}), (std::array{25, 25, 15}));
}

TEST_F(DirectorRankingTest, ASixthEqualToTheFifthIsNotListedAndPresidentsTakeNoPart) {
    ASSERT_GE(doc.GetPersonCount(), 8);
    ::CPersonData b = Best();
    for (int slot = 0; slot < 6; ++slot) Employ(slot, b, slot % 3);
    // A president, however able, is no director.
    Employ(6, b, 0);
    doc.GetPerson(6)->Record().SetPresidentFlag(1);
    doc.ComputeDirectorPoints();
    EXPECT_EQ(doc.GetTopDirectors(), (std::vector<int>{0, 1, 2, 3, 4}));
    // Every listed director is first of the one run: 25 each.
    EXPECT_EQ((std::array{Points(0), Points(1), Points(2)}), (std::array{50, 50, 25}));
}

TEST_F(DirectorRankingTest, AnEmployerBeyondTheCompaniesGetsNoPoints) {
    ::CPersonData b = Best(), w = Weaker();
    Employ(0, b, 39);
    Employ(1, w, 1);
    doc.ComputeDirectorPoints();
    EXPECT_EQ(doc.GetTopDirectors(), (std::vector<int>{0, 1}));
    EXPECT_EQ((std::array{Points(0), Points(1), Points(2)}), (std::array{0, 20, 0}));
}

TEST_F(ScoringTest, HeadOfficeAreaFirstEarns50AndSecond15) {
    MakeGame();
    // Area 0: company 1 first, company 2 second; area 1: company 2 first.
    game->SetAreaWord(1, 1, 5, 40);
    game->SetAreaWord(2, 1, 5, 20);
    game->SetAreaWord(2, 2, 5, 40);
    game->SetAreaWord(1, 2, 5, 20);
    for (int c = 0; c < 3; ++c) game->Company(c).SetHomeArea(c == 0 ? 1 : 0);
    ASSERT_TRUE(LoadAndPrepare());
    JudgeThrough(judge::CArboDoc::kFixedSteps);
    ASSERT_EQ(doc.GetPage(), 18);
    ASSERT_EQ(doc.GetCurrentArea(), 0);
    EXPECT_EQ(Rank(1), 0);
    EXPECT_EQ(Bonus(1), 50);
    EXPECT_EQ(Rank(2), 1);
    EXPECT_EQ(Bonus(2), 15);
    doc.RunNextStep();
    ASSERT_EQ(doc.GetCurrentArea(), 1);
    // First, but not at home.
    EXPECT_EQ(Rank(2), 0);
    EXPECT_EQ(Bonus(2), 30);
}

TEST_F(ScoringTest, ContributionNeverFallsBelowZero) {
    MakeGame();
    game->SetAreaWord(1, 1, 6, 1000000);
    game->SetAreaWord(1, 1, 8, -50);
    ASSERT_TRUE(LoadAndPrepare());
    EXPECT_EQ(doc.GetCompany(1)->Contribution().at(0), 0);
}

TEST_F(ScoringTest, AnOwnedPlotAddsItsLandAndAStructureItsPricesAndAllItsLandOnce) {
    LoadPlain();
    ::CMapDoc& map = doc.GetMap().Map();
    CMapData& area = map.GetArea(0);
    // Nobody owns anything in area 0 but what the test gives.
    for (int y = 0; y < area.GetHeight(); ++y)
        for (int x = 0; x < area.GetWidth(); ++x) area.SetCellOwner(x, y, 0);
    ASSERT_EQ(doc.PrepareJudgment(), 1);
    std::array<int, 3> before{};
    for (int c = 0; c < 3; ++c) before[c] = doc.GetCompany(c)->Contribution().at(0);

    int type = -1;
    for (int i = 0; i < map.GetStructureTypeCount() && type < 0; ++i) {
        int w = 0, h = 0;
        map.GetStructureType(i)->GetSize(w, h);
        if (w == 2 && h == 2) type = i;
    }
    ASSERT_GE(type, 0);
    // A free 2 x 2 block with its anchor at (3, 3), and an empty plot.
    for (int y = 0; y < area.GetHeight(); ++y)
        for (int x = 0; x < area.GetWidth(); ++x) map.DemolishAt(0, x, y);
    map.SetStructureAt(0, 3, 3, type + 1);
    map.SetStructureOwner(0, 3, 3, 2);
    area.SetCellOwner(0, 0, 3);
    ASSERT_EQ(doc.ComputeAreaContribution(), 1);

    const CBD& bd = *map.GetStructureType(type);
    int64_t land = 0;
    for (int y = 2; y <= 3; ++y)
        for (int x = 2; x <= 3; ++x) land += doc.GetMap().GetLandValue(0, x, y);
    EXPECT_EQ(doc.GetCompany(1)->Contribution().at(0),
              before[1] + bd.GetBasePrice() + 20 * bd.GetPriceStep() + land);
    EXPECT_EQ(doc.GetCompany(2)->Contribution().at(0),
              before[2] + doc.GetMap().GetLandValue(0, 0, 0));
    EXPECT_EQ(doc.GetMap().GetLotPrice(0, 0, 0, 1), doc.GetMap().GetLandValue(0, 0, 0));
}

TEST_F(ScoringTest, TheFinalRankingOrdersTheTotalsWithoutAddingToThem) {
    LoadPlain();
    std::array<int, 3> funds{100000, 300000, 200000};
    for (int c = 0; c < 3; ++c) Record(c).SetFunds(funds[static_cast<size_t>(c)]);
    ASSERT_EQ(doc.PrepareJudgment(), 1);
    JudgeAll();
    EXPECT_TRUE(doc.IsFinalRanked());
    EXPECT_EQ(doc.GetStepCounter(), doc.GetStepTotal());
    std::vector<int> order = doc.GetRankingOrder();
    for (size_t k = 1; k < order.size(); ++k)
        EXPECT_GE(doc.GetTotal(order[k - 1]), doc.GetTotal(order[k]));
    for (int c = 0; c < 3; ++c) {
        int sum = 0;
        for (int p : doc.GetCompany(c)->PointsHistory()) sum += p;
        EXPECT_EQ(doc.GetTotal(c), sum);
    }
    EXPECT_FALSE(doc.RunNextStep());
    EXPECT_EQ(doc.GetStepCounter(), doc.GetStepTotal());
}

}  // namespace
