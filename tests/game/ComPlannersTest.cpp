// The computer player's planners: what a company without strong areas may
// plan, advice mode, the advertising amount, pending plans, and a map left
// exactly as it was by every planning pass.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "ComCommandFixture.h"
#include "fakes/MapFileFixture.h"
#include "game/MapTrial.h"
#include "game/SiteLotValues.h"
#include "model/BD.h"
#include "model/Efct.h"
#include "model/PersonData.h"

namespace {

class ComPlannersTest : public ComCommandTest {
protected:
    void SetLevels(int c, int level0, int level1) {
        Company(c).SetAreaLevel(0, level0);
        Company(c).SetAreaLevel(1, level1);
    }
    // Every planner in real mode and its score.
    std::vector<std::pair<const char*, std::function<double(CComCommand&, CCmdPacket&, int)>>>
    Planners() {
        return {
            {"construction", [](CComCommand& c, CCmdPacket& p, int r) { return c.PlanConstruction(p, r); }},
            {"city project", [](CComCommand& c, CCmdPacket& p, int r) { return c.PlanInvestment(p, 0, r); }},
            {"prevention", [](CComCommand& c, CCmdPacket& p, int r) { return c.PlanInvestment(p, 1, r); }},
            {"expo", [](CComCommand& c, CCmdPacket& p, int r) { return c.PlanInvestment(p, 2, r); }},
            {"donation", [](CComCommand& c, CCmdPacket& p, int r) { return c.PlanInvestment(p, 3, r); }},
            {"land", [](CComCommand& c, CCmdPacket& p, int r) { return double(c.PlanLandAcquisition(p, r)); }},
            {"advertising", [](CComCommand& c, CCmdPacket& p, int r) { return double(c.PlanAdvertising(p, r)); }},
            {"loan", [](CComCommand& c, CCmdPacket& p, int r) { return c.PlanBankLoan(p, r); }},
            {"employees", [](CComCommand& c, CCmdPacket& p, int r) { return c.PlanRecruitEmployees(p, r); }},
            {"management", [](CComCommand& c, CCmdPacket& p, int r) { return c.PlanRecruitManagement(p, r); }},
            {"headhunting", [](CComCommand& c, CCmdPacket& p, int r) { return c.PlanHeadhunting(p, r, 0); }},
            {"expansion", [](CComCommand& c, CCmdPacket& p, int r) { return c.PlanExpansion(p, r); }},
            {"stock", [](CComCommand& c, CCmdPacket& p, int r) { return c.PlanStockPurchase(p, r); }},
            {"team", [](CComCommand& c, CCmdPacket& p, int r) { return double(c.PlanProTeamPurchase(p, r)); }},
            {"support", [](CComCommand& c, CCmdPacket& p, int r) { return double(c.PlanTeamSupport(p, r)); }},
            {"repairs", [](CComCommand& c, CCmdPacket& p, int r) { return c.PlanRepairs(p, r); }},
        };
    }
};

TEST_F(ComPlannersTest, WithoutAStrongAreaOnlyAnExpansionIsBuiltOrBought) {
    SetLevels(kSubject, 1, 0);
    Company(kSubject).SetFunds(100000);
    // No income: the management test would refuse any growth.
    SetIncome(kSubject, 0);
    // With a home area the company plans a branch office (one cell; the
    // fixture's ground has no four cells of one height for a head office),
    // cheap enough to rate above the office start value.
    Company(kSubject).SetHomeArea(0);
    for (int code : {60, 61}) {
        CBD& office = *doc.GetMap().GetStructureType(FindStructureOfCode(doc.GetMap(), code));
        office.SetBasePrice(100);
        office.SetPriceStep(0);
    }
    int expansions = 0;
    for (int seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        CRuntimeRandom::Seed(seed);
        CComCommand com(doc, kSubject);
        CCmdPacket plan;
        EXPECT_EQ(com.PlanConstruction(plan, 1), 0);
        EXPECT_EQ(com.PlanLandAcquisition(plan, 1), 0);
        for (int kind = 0; kind < 4; ++kind) EXPECT_EQ(com.PlanInvestment(plan, kind, 1), 0) << kind;
        if (com.PlanExpansion(plan, 1) > 0) {
            ++expansions;
            EXPECT_EQ(plan.GetPlanType(), CCmdPacket::ePLAN_BUILD);
            EXPECT_TRUE(plan.HasOfficePlanIn(plan.GetParam3(plan.GetStepCount() - 1)));
        }
    }
    EXPECT_GT(expansions, 0);
}

TEST_F(ComPlannersTest, InAdviceModeNoPlannerAsksForAFreeDirector) {
    SetLevels(kSubject, 3, 1);
    Company(kSubject).SetFunds(100000);
    SetIncome(kSubject, 20000);
    Company(kSubject).SetDebt(0);
    for (int a = 0; a < 2; ++a) Company(kSubject).SetAreaGrade(a, 100, 0);
    BusyAllDirectors(kSubject);
    std::vector<int> advised(Planners().size(), 0);
    for (int seed = 1; seed <= 6; ++seed) {
        size_t i = 0;
        for (const auto& [name, plan] : Planners()) {
            SCOPED_TRACE(name);
            CRuntimeRandom::Seed(seed);
            CComCommand com(doc, kSubject);
            CCmdPacket scratch;
            EXPECT_EQ(plan(com, scratch, 1), 0);
            if (plan(com, scratch, 0) > 0) ++advised[i];
            ++i;
        }
    }
    // Planners that need no director of their own still answer the adviser.
    for (size_t i = 0; i < advised.size(); ++i) {
        const std::string name = Planners()[i].first;
        if (name == "advertising" || name == "management" || name == "loan") {
            EXPECT_GT(advised[i], 0) << name;
        }
    }
}

TEST_F(ComPlannersTest, TheAdviserWeighsAConstructionAtFourFifths) {
    // Without abilities the company rates only its own lot.
    SetAbilities(President(kSubject), {5, 0, 0, 0, 0}, 3);
    MakeKiosksProfitable();
    SetLevels(kSubject, 3, 0);
    Company(kSubject).SetFunds(100000);
    SetIncome(kSubject, 20000);
    doc.GetMap().GetArea(0).SetCellOwner(1, 2, kSubject + 1);
    Company(kSubject).RecountAreaLand(0);
    ASSERT_GT(Company(kSubject).GetAreaLand(0), 0);
    int compared = 0;
    for (int seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        CRuntimeRandom::Seed(seed);
        CCmdPacket realPlan, advicePlan;
        const double real = CComCommand(doc, kSubject).PlanConstruction(realPlan, 1);
        CRuntimeRandom::Seed(seed);
        const double advice = CComCommand(doc, kSubject).PlanConstruction(advicePlan, 0);
        EXPECT_NEAR(advice, 0.8 * real, 1e-6 * std::max(real, 1.0));
        EXPECT_EQ(realPlan, advicePlan);
        if (real > 0) ++compared;
    }
    EXPECT_GT(compared, 0);
}

TEST_F(ComPlannersTest, AdvertisingAmountStaysBetweenFiveAndTheCap) {
    SetLevels(kSubject, 3, 1);
    for (int income : {0, 800, 30000, 2000000}) {
        for (int seed = 1; seed <= 15; ++seed) {
            SCOPED_TRACE(std::to_string(income) + " " + std::to_string(seed));
            CRuntimeRandom::Seed(seed);
            SetIncome(kSubject, income);
            Company(kSubject).SetFunds(income + 1000);
            for (int a = 0; a < 2; ++a) Company(kSubject).SetAreaGrade(a, 100 + seed % 3, 0);
            CCmdPacket plan;
            if (CComCommand(doc, kSubject).PlanAdvertising(plan, 1) <= 0) continue;
            const int a = income * 4 / 5;
            const int e5 = a >= 1 ? static_cast<int>(std::sqrt(a)) : 0;
            ASSERT_EQ(plan.GetStepCount(), 1);
            EXPECT_GE(plan.GetParam2(0), 5);
            EXPECT_LE(plan.GetParam2(0), 736 + e5 + e5 / 3);
        }
    }
}

TEST_F(ComPlannersTest, PendingPlansOfTheKindLowerTheScore) {
    SetLevels(kSubject, 3, 1);
    Company(kSubject).SetFunds(100000);
    SetIncome(kSubject, 20000);
    for (int a = 0; a < 2; ++a) Company(kSubject).SetAreaGrade(a, 100, 0);
    CCmdPacket pending;
    pending.MakeAdvertising(1, 10);
    CCmdPacket management;
    management.MakeRecruitManagement();
    struct SCase {
        const char* name;
        CCmdPacket plan;
        std::function<double(CComCommand&)> score;
        std::function<double(double, int)> lowered;
    };
    const std::vector<SCase> cases = {
        {"advertising", pending,
         [](CComCommand& c) {
             CCmdPacket p;
             return double(c.PlanAdvertising(p, 1));
         },
         [](double s, int n) { return double(int(s) / ((n + 1) * (n + 1))); }},
        {"management", management,
         [](CComCommand& c) {
             CCmdPacket p;
             return c.PlanRecruitManagement(p, 1);
         },
         [](double s, int n) { return n == 0 ? s : 2 * s / (n * n + 1); }},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        Company(kSubject).GetPlans().clear();
        CRuntimeRandom::Seed(3);
        const double alone = c.score(*std::make_unique<CComCommand>(doc, kSubject));
        ASSERT_GT(alone, 0);
        for (int n = 1; n <= 3; ++n) {
            SCOPED_TRACE(n);
            Company(kSubject).GetPlans().assign(static_cast<size_t>(n), c.plan);
            CRuntimeRandom::Seed(3);
            CComCommand com(doc, kSubject);
            EXPECT_DOUBLE_EQ(c.score(com), c.lowered(alone, n));
        }
    }
}

// Two draws in one comparison: the income term is drawn first in every
// build, whatever order a compiler gives the operands.
TEST_F(ComPlannersTest, TeamSupportDrawsTheIncomeTermBeforeItsBar) {
    Company(kSubject).SetLeagueTeam(0, 1);
    SetIncome(kSubject, 20000);
    // a = 20000 x 4 / 5; the bar's range is 2500 - 15 x 50 (Directing 50).
    CScriptedDraws script({{16000, 100}, {1750, 1000}});
    CComCommand com(doc, kSubject);
    CCmdPacket plan;
    EXPECT_EQ(com.PlanTeamSupport(plan, 0), 0);
    script.ExpectAllDrawn();
}

TEST_F(ComPlannersTest, PlanningLeavesMapOwnersAndPlansExactlyAsTheyWere) {
    CMapDoc& map = doc.GetMap();
    MakeKiosksProfitable();
    for (int c = 1; c <= 2; ++c) {
        SetLevels(c, 3, 3);
        Company(c).SetFunds(60000);
        SetIncome(c, 40000);
    }
    SetAbilities(President(kSubject), {9, 9, 9, 9, 9}, 3);
    // Pending constructions in both areas, laid on the map during the trials:
    // a kiosk on an own lot and the demolition of the company's kiosk.
    map.GetArea(0).SetCellOwner(1, 2, kSubject + 1);
    map.GetArea(1).SetCellOwner(0, 0, kSubject + 1);
    CCmdPacket build, demolish;
    build.MakeBuildPlan(kSubject, 0, CCellPoint(1, 2), FindStructureOfCode(map, 30));
    demolish.MakeDemolishOrReinforce(1, 0, 0, 1);
    Company(kSubject).GetPlans() = {build, demolish};
    const std::vector<uint8_t> before = doc.SaveBytes();
    for (int seed = 1; seed <= 25; ++seed) {
        SCOPED_TRACE(seed);
        CRuntimeRandom::Seed(seed);
        for (int c = 1; c <= 2; ++c) {
            CComCommand com(doc, c);
            CCmdPacket plan;
            com.PlanNext(plan);
            for (int area = 0; area < 2; ++area) {
                int type = -1;
                double rating = 0;
                com.ChooseStructureForSite(area, CCellPoint(seed % 6, seed % 5), seed % 2, type, rating);
                com.EstimateLotIncome(area, CCellPoint(4, 0), 1);
            }
            CCmdPacket advice;
            com.PlanConstruction(advice, 0);
            com.PlanRepairs(advice, 0);
        }
        ASSERT_EQ(doc.SaveBytes(), before);
    }
}

}  // namespace

namespace {

TEST_F(ComPlannersTest, TheIncomeChangeOfATrialIsThatOfTheWholeNeighbourhood) {
    CMapDoc& map = doc.GetMap();
    MakeKiosksProfitable();
    // Every type earns from its surroundings, where kiosks and flats count.
    const int kiosk = FindStructureOfCode(map, 30), flats = FindStructureOfCode(map, 55);
    std::array<int32_t, 12> factors;
    factors.fill(10);
    for (int t = 0; t < map.GetStructureTypeCount(); ++t) {
        CBD& type = *map.GetStructureType(t);
        type.SetEffectRadius(1 + t % 3);
        type.SetRevenueFigure(2, 5000 + 100 * t);
        type.SetMonthFactors(factors);
        type.SetEffects({CEfct(kiosk, 40.0), CEfct(flats, -30.0)});
    }
    // Structures of several owners around the area.
    CMapData& area = map.GetArea(0);
    const struct {
        int x, y, type, owner;
    } placed[] = {{0, 2, kiosk, 1}, {2, 1, flats, 2}, {3, 2, kiosk, 3}, {0, 4, flats, 2}};
    for (const auto& p : placed) {
        map.SetStructureAt(0, p.x, p.y, p.type + 1);
        area.SetCellOwner(p.x, p.y, p.owner);
    }
    // Types no lot reacts to: the lots' values are kept from one such trial
    // for the next at the same site.
    std::vector<int> neutral;
    for (int t = 0; t < map.GetStructureTypeCount() && neutral.size() < 2; ++t) {
        int w = 1, h = 1;
        map.GetStructureType(t)->GetSize(w, h);
        if (t != kiosk && t != flats && w == 1 && h == 1) neutral.push_back(t);
    }
    ASSERT_EQ(neutral.size(), 2u);
    CComCommand com(doc, kSubject);
    int compared = 0;
    for (int y = 0; y < area.GetHeight(); ++y)
        for (int x = 0; x < area.GetWidth(); ++x) {
            if (map.HasStructureAt(0, x, y)) continue;
            const CCellPoint site(x, y);
            const std::vector<double> before = com.SumNearbyIncome(0, site);
            const std::vector<CVDoc::SOwnedLot> lots = com.NearbyLots(0, site);
            CSiteLotValues values(map, 0, site, 5);
            for (int type : {neutral[0], kiosk, neutral[1], flats, neutral[0]}) {
                SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y) + " type " + std::to_string(type));
                CMapTrial trial(area);
                values.BeginTrial(trial, type + 1, site, true);
                trial.Record(site);
                area.SetCellOwner(x, y, kSubject + 1);
                map.SetStructureAt(0, x, y, type + 1);
                const std::vector<double> change = com.NearbyIncomeChange(0, site, lots, values);
                const std::vector<double> after = com.SumNearbyIncome(0, site);
                for (size_t c = 0; c < after.size(); ++c)
                    EXPECT_NEAR(change[c], after[c] - before[c], 1e-6 * (1 + std::abs(after[c])));
                // The values kept for the site give the very figures of a
                // trial that works every lot out afresh.
                CSiteLotValues fresh(map, 0, site, 5);
                fresh.BeginTrial(trial, type + 1, site, false);
                EXPECT_EQ(change, com.NearbyIncomeChange(0, site, lots, fresh));
                ++compared;
            }
        }
    EXPECT_GT(compared, 10);
}

}  // namespace
