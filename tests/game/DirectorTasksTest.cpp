// Directors' tasks from the order to their end: what each kind of task does
// to the company, the map and the log, and how the month's run goes over the
// companies.

#include <functional>

#include "TaskFixture.h"
#include "fakes/ScriptedDraws.h"
#include "model/League.h"
#include "model/ProTeam.h"

namespace {

// What a company held before a task ended.
struct SBefore {
    int funds = 0, debt = 0, employees = 0, directors = 0;
    std::vector<int> grades;
};

}  // namespace

class DirectorTasksTest : public TaskTest {
protected:
    SBefore Snapshot(int c) {
        SBefore b;
        b.funds = Company(c).GetFunds();
        b.debt = Company(c).GetDebt();
        b.employees = Company(c).GetEmployees();
        b.directors = Company(c).GetDirectorCount();
        for (int a = 0; a < doc.GetMap().GetAreaCount(); ++a)
            b.grades.push_back(Company(c).GetAreaGrade(a));
        return b;
    }
    std::string Area(int a) { return doc.GetAreaName(a); }

    struct SKindRow {
        const char* name;
        int company;
        // Gives the order; the director who carries it out.
        std::function<int()> give;
        std::function<void(int person, const SBefore& before, const std::vector<std::string>& log)>
            check;
    };
    void RunRows(const std::vector<SKindRow>& rows) {
        for (const SKindRow& row : rows) {
            SCOPED_TRACE(row.name);
            const int person = row.give();
            ASSERT_TRUE(Person(person).HasTask());
            TakeLog();
            report.calls.clear();
            const SBefore before = Snapshot(row.company);
            ASSERT_GT(RunUntilDone(person), 0);
            row.check(person, before, TakeLog());
        }
    }
};

TEST_F(DirectorTasksTest, EachKindOfTaskCarriesOutItsEffect) {
    const int kiosk = TypeOfCode(30);
    const int flats = TypeOfCode(55);
    Own(0, 0, 1, 2);
    Build(1, 0, 3, 1, flats);
    Build(0, 1, 3, 3, flats);
    doc.GetMap().GetLeague(0).GetTeam(0).SetPopularity(10);
    // A former director of company 0 applies again.
    Person(FreePerson()).SetEmployer(-1);
    // A busy director is never taken by a head hunter.
    const int hunted = game.Director(2, 1);
    Orders().ApplyLoan(hunted);
    doc.SetYear(6);

    auto purchased = [&](int c, const SBefore& before, const std::vector<std::string>& log) {
        const int price = before.funds - Company(c).GetFunds();
        EXPECT_TRUE(Has(log, "  Purchased in " + Area(1) + " for " + std::to_string(price) + "."));
    };
    std::vector<SKindRow> rows = {
        {"designated purchase", 2,
         [&] {
             Company(2).SetFunds(100000);
             Orders().ApplyDesignatedPurchase(game.Director(2), 1, {0, 4}, -1);
             return game.Director(2);
         },
         [&](int, const SBefore& before, const std::vector<std::string>& log) {
             EXPECT_EQ(doc.GetCellOwner(1, 0, 4), 3);
             purchased(2, before, log);
         }},
        {"land purchase", 1,
         [&] {
             Company(1).SetFunds(100000);
             Orders().ApplyAcquireLand(game.Director(1), 1, 0, {2, 4});
             return game.Director(1);
         },
         [&](int, const SBefore& before, const std::vector<std::string>& log) {
             EXPECT_EQ(doc.GetCellOwner(1, 2, 4), 2);
             purchased(1, before, log);
         }},
        {"recruiting employees", 0,
         [&] {
             Orders().ApplyRecruitEmployees(game.Director(0));
             return game.Director(0);
         },
         [&](int p, const SBefore& before, const std::vector<std::string>& log) {
             const int n = Company(0).GetEmployees() - before.employees;
             EXPECT_GT(n, 0);
             EXPECT_TRUE(Has(log, "  " + std::to_string(n) + " employees recruited."));
             EXPECT_TRUE(Reported("ShowEmployeesRecruited" + Args({0, p, n})));
         }},
        {"recruiting upper management", 0,
         [&] {
             Orders().ApplyRecruitManagement(game.Director(0));
             return game.Director(0);
         },
         [&](int p, const SBefore& before, const std::vector<std::string>& log) {
             ASSERT_EQ(Company(0).GetDirectorCount(), before.directors + 1);
             const int recruit = Company(0).GetDirectorIndex(before.directors);
             EXPECT_EQ(Person(recruit).GetEmployerNo(), 1);
             EXPECT_TRUE(Has(log, "  Recruited " + Person(recruit).GetName() + "."));
             ASSERT_FALSE(report.calls.empty());
             const std::string asked =
                 "AskEmployFoundTalent(0," + std::to_string(p) + "," + std::to_string(recruit);
             EXPECT_EQ(report.calls.front().rfind(asked, 0), 0u) << report.calls.front();
         }},
        {"head hunting that ran out", 0,
         [&] {
             Orders().ApplyHeadhunting(game.Director(0, 1), hunted);
             return game.Director(0, 1);
         },
         [&](int p, const SBefore& before, const std::vector<std::string>&) {
             EXPECT_EQ(Company(0).GetDirectorCount(), before.directors);
             EXPECT_EQ(Person(hunted).GetEmployer(), 2);
             EXPECT_TRUE(Reported("ShowHeadhuntFailed" + Args({0, p})));
         }},
        {"construction", 0,
         [&] {
             Orders().ApplyConstruction(game.Director(0), 0, {1, 2}, kiosk);
             return game.Director(0);
         },
         [&](int, const SBefore&, const std::vector<std::string>& log) {
             EXPECT_EQ(doc.GetCellStructure(0, 1, 2), kiosk + 1);
             EXPECT_GT(doc.GetMap().GetStructureLayer7(0, 1, 2), 0);
             EXPECT_TRUE(Has(log, "  " + Area(0) + " contruction completed."));
         }},
        {"contracted construction", 1,
         [&] {
             Own(0, 1, 1, 3);
             Orders().StartContractConstruction(game.Director(1), 1, {1, 3}, kiosk, 400);
             return game.Director(1);
         },
         [&](int, const SBefore& before, const std::vector<std::string>& log) {
             EXPECT_EQ(doc.GetCellStructure(1, 1, 3), kiosk + 1);
             EXPECT_EQ(Company(1).GetFunds(), before.funds + 200);
             EXPECT_TRUE(Has(log, "    Payment 200 received."));
         }},
        {"raising funds", 0,
         [&] {
             Orders().ApplyLoan(game.Director(0));
             return game.Director(0);
         },
         [&](int p, const SBefore& before, const std::vector<std::string>& log) {
             const int amount = Company(0).GetDebt() - before.debt;
             EXPECT_EQ(Company(0).GetFunds() - before.funds, amount);
             EXPECT_TRUE(Has(log, amount ? "  " + std::to_string(amount) + " loan approved."
                                         : "  Loan rejected."));
             EXPECT_TRUE(Reported("ShowLoanApproved" + Args({0, p, amount})));
         }},
        {"advertising in one area", 0,
         [&] {
             Orders().ApplyAdvertising(game.Director(0), 1, 50);
             return game.Director(0);
         },
         [&](int, const SBefore& before, const std::vector<std::string>& log) {
             EXPECT_EQ(Company(0).GetAreaGrade(0), before.grades[0]);
             EXPECT_GT(Company(0).GetAreaGrade(1), before.grades[1]);
             EXPECT_TRUE(Has(log, "  The company carried out the advertising activity"));
             EXPECT_TRUE(Has(log, "  in " + Area(1) + "."));
         }},
        {"donation to the governor", 2,
         [&] {
             Orders().ApplyInvestment(game.Director(2), 0, 3, 300);
             doc.GetAreaGovernor(0)->SetRelation(2, 100);
             return game.Director(2);
         },
         [&](int, const SBefore&, const std::vector<std::string>& log) {
             EXPECT_GT(doc.GetAreaGovernor(0)->GetRelation(2), 100);
             EXPECT_GT(Company(2).GetAreaRating(3, 0), 0);
             EXPECT_EQ(Company(2).GetMonthlyFigure(3, 0, -1), 300);
             EXPECT_TRUE(Has(log, "  The company invested 300 donation to the governor"));
             EXPECT_TRUE(Has(log, "  in " + Area(0)));
         }},
        {"purchasing stocks", 1,
         [&] {
             Orders().ApplyPurchaseStock(game.Director(1), 2);
             return game.Director(1);
         },
         [&](int, const SBefore& before, const std::vector<std::string>& log) {
             // The director may find no seller; a purchase is paid in full.
             const int bought = doc.GetStockHolding(2, 1);
             const int paid = before.funds - Company(1).GetFunds();
             EXPECT_EQ(bought > 0, paid > 0);
             if (bought > 0) {
                 EXPECT_EQ(paid % bought, 0);
                 EXPECT_TRUE(Has(log, "  " + std::to_string(bought) + " " + Company(2).GetName() +
                                          (bought > 1 ? " stocks" : " stock") + " purchased."));
             }
         }},
        {"reinforcement", 0,
         [&] {
             Orders().ApplyReinforceBuilding(game.Director(0), 1, {3, 3});
             doc.GetMap().SetStructureLayer7(1, 3, 3, 10);
             return game.Director(0);
         },
         [&](int p, const SBefore&, const std::vector<std::string>& log) {
             EXPECT_GT(doc.GetMap().GetStructureLayer7(1, 3, 3), 10);
             EXPECT_TRUE(Has(log, "  " + Area(1) + " building reinforced."));
             EXPECT_TRUE(Reported("ShowReinforcementEnded" + Args({0, p})));
         }},
        {"team support", 0,
         [&] {
             Orders().ApplyFinancialSupport(game.Director(0), 0, 0);
             return game.Director(0);
         },
         [&](int, const SBefore&, const std::vector<std::string>& log) {
             const CProTeam& team = doc.GetMap().GetLeague(0).GetTeam(0);
             const std::string head = "  " + team.GetName() + " " + Orders().LeagueSport(0);
             EXPECT_TRUE(team.GetPopularity() > 10
                             ? Has(log, head + " team's public popularity improved.")
                             : Has(log, "  No " + team.GetName() + " " + Orders().LeagueSport(0) +
                                            " team investment return."));
         }},
    };
    RunRows(rows);
}

TEST_F(DirectorTasksTest, DemolitionGivesTheSiteBackAsLand) {
    const int office = TypeOfCode(60);
    Build(0, 1, 3, 1, office);
    Company(0).RecountAllHoldings();
    const int land = Company(0).GetAreaLand(1);
    const int d = game.Director(0);
    Orders().ApplyConstruction(d, 1, {3, 1}, -1);
    TakeLog();
    ASSERT_GT(RunUntilDone(d), 0);
    for (int y = 0; y <= 1; ++y)
        for (int x = 2; x <= 3; ++x) {
            EXPECT_EQ(doc.GetCellStructure(1, x, y), 0) << x << "," << y;
            EXPECT_EQ(doc.GetMap().GetArea(1).GetCellLayer7(x, y), 0);
        }
    EXPECT_EQ(Company(0).GetAreaLand(1), land + 4);
    EXPECT_TRUE(Has(TakeLog(), "  Building demolished."));
}

TEST_F(DirectorTasksTest, FirstOfficeInAnAreaOpensItsMarket) {
    const int branch = TypeOfCode(61);
    for (int c = 0; c < doc.CompanyCount(); ++c) Company(c).SetAreaLevel(1, 1);
    Own(1, 1, 1, 1);
    Own(2, 1, 3, 0);
    struct SCase {
        int company;
        bool first;
    };
    // The second office in the same area is no first entry any more.
    for (const SCase& entry : {SCase{1, true}, SCase{2, false}}) {
        SCOPED_TRACE(entry.company);
        const int c = entry.company;
        const SBefore before = Snapshot(c);
        int values[7] = {};
        for (int which = 1; which <= 6; ++which) values[which] = Company(c).GetAreaValue(which, 1);
        const int d = game.Director(c);
        Orders().ApplyConstruction(d, 1, c == 1 ? CCellPoint(1, 1) : CCellPoint(3, 0), branch);
        TakeLog();
        ASSERT_GT(RunUntilDone(d), 0);
        const auto log = TakeLog();
        EXPECT_EQ(Company(c).GetAreaLevel(1), 3);
        const std::string entered = "    " + Company(c).GetName() +
                                    (entry.first ? " first entered " : " entered ") + Area(1) +
                                    "'s market.";
        EXPECT_TRUE(Has(log, entered));
        const CBD& type = *doc.GetMap().GetStructureType(branch);
        const int gain = Company(c).GetAreaGrade(1) - before.grades[1] - type.GetGradeBonus();
        const int effects[7] = {0,
                                type.GetEffectValue1(),
                                type.GetEffectValue2(),
                                type.GetEffectValue3(),
                                type.GetEffectValue4(),
                                type.GetEffectValue5(),
                                type.GetEffectValue6()};
        for (int which = 1; which <= 6; ++which)
            EXPECT_EQ(Company(c).GetAreaValue(which, 1),
                      values[which] + effects[which] + (entry.first ? 100 : 0))
                << which;
        if (entry.first) {
            EXPECT_GE(gain, 20);
            EXPECT_LE(gain, 60);
            EXPECT_EQ(Company(c).GetAreaGrade(0) - before.grades[0], gain / 2);
        } else {
            EXPECT_EQ(gain, 0);
            EXPECT_EQ(Company(c).GetAreaGrade(0), before.grades[0]);
        }
    }
}

TEST_F(DirectorTasksTest, AdvertisingInAllCitiesOfASmallMapIsNotDivided) {
    // Two areas: the effect is divided by max(2, 3) / 3 = 1, so every area
    // gains the director's whole effect (its variation drawn as 0 here).
    const int d = game.Director(0);
    for (int a = 0; a < 2; ++a) Company(0).SetAreaGrade(a, 200, 1);
    Orders().ApplyAdvertising(d, -1, 60);
    const int effect = Person(d).CalcAdvertisingEffect(60);
    ASSERT_GT(effect, 0);
    TakeLog();
    {
        CScriptedDraws draws({SScriptedDraw::Raw(1), SScriptedDraw::Raw(1), SScriptedDraw::Raw(1)});
        draws.ThenGenerator();
        doc.CompleteAdvertising(Person(d));
    }
    for (int a = 0; a < 2; ++a) EXPECT_EQ(Company(0).GetAreaGrade(a), 200 + effect) << a;
    EXPECT_TRUE(Has(TakeLog(), "  in all cities."));
    const int step = Company(0).GetAreaGradeStep(-1);
    EXPECT_TRUE(Reported("ShowAdvertisingFinished" + Args({0, d, -1, step})));
}

TEST_F(DirectorTasksTest, ReinforcementBreaksOffWhenTheBuildingIsLost) {
    const int flats = TypeOfCode(55);
    struct SCase {
        const char* name;
        std::function<void()> change;
    };
    const std::vector<SCase> cases = {
        {"sold", [&] { doc.GetMap().SetStructureOwner(1, 3, 3, 2); }},
        {"rubble", [&] { doc.GetMap().SetStructureAt(1, 3, 3, TypeOfCode(35) + 1); }},
        {"gone", [&] { doc.GetMap().SetStructureAt(1, 3, 3, 0); }},
    };
    for (const SCase& entry : cases) {
        SCOPED_TRACE(entry.name);
        Build(0, 1, 3, 3, flats);
        doc.GetMap().SetStructureLayer7(1, 3, 3, 10);
        const int d = game.Director(0);
        Orders().ApplyReinforceBuilding(d, 1, {3, 3});
        entry.change();
        report.calls.clear();
        TakeLog();
        RunTurnOf(0);
        EXPECT_FALSE(Person(d).HasTask());
        EXPECT_TRUE(Reported("ShowReinforcementStopped" + Args({0, d})));
        EXPECT_FALSE(Has(TakeLog(), "  " + Area(1) + " building reinforced."));
        EXPECT_LE(doc.GetMap().GetStructureLayer7(1, 3, 3), 10);
    }
}

TEST_F(DirectorTasksTest, TeamSupportWithoutGainLogsNoReturn) {
    // A team at the top of the scale gains nothing.
    CProTeam& team = doc.GetMap().GetLeague(0).GetTeam(0);
    team.SetWinPower(30);
    const int d = game.Director(0);
    Orders().ApplyFinancialSupport(d, 0, 1);
    TakeLog();
    ASSERT_GT(RunUntilDone(d), 0);
    EXPECT_EQ(team.GetWinPower(), 30);
    EXPECT_TRUE(Has(TakeLog(), "  No " + team.GetName() + " " + Orders().LeagueSport(0) +
                                   " team investment return."));
    EXPECT_TRUE(Reported("ShowTeamInvestmentResult" + Args({0, d, 0, 0, 0})));
}

TEST_F(DirectorTasksTest, TwoPartStructureBuildsItsPartnerOnlyWhenOneFollows) {
    struct SCase {
        const char* name;
        int followingCode;  // 0: the two-part type ends the table
        bool partnerBuilt;
    };
    const std::vector<SCase> cases = {
        {"end of the table", 0, false},
        {"another kind follows", 30, false},
        {"its partner follows", 72, true},
    };
    for (const SCase& entry : cases) {
        SCOPED_TRACE(entry.name);
        const int s = AppendType("Twin Tower", 71);
        if (entry.followingCode) AppendType("Twin Annex", entry.followingCode);
        Own(0, 0, 1, 2);
        doc.GetMap().SetStructureAt(0, 1, 2, 0);
        const int d = game.Director(0);
        // A small site factor: the draw stays below the threshold.
        CRuntimeRandom::Seed(3);
        Orders().ApplyConstruction(d, 0, {1, 2}, s);
        TakeLog();
        ASSERT_GT(RunUntilDone(d), 0);
        const int built = entry.partnerBuilt ? s + 1 : s;
        EXPECT_EQ(doc.GetCellStructure(0, 1, 2), built + 1);
        const std::string name = doc.GetMap().GetStructureType(built)->GetName();
        EXPECT_TRUE(Has(TakeLog(), "    " + name + " construction completed."));
    }
}

TEST_F(DirectorTasksTest, StrikeStopsTheTasksButNotTheTurn) {
    const int d = game.Director(1);
    Orders().ApplyLoan(d);
    const int work = Person(d).GetTaskWorkLeft();
    Company(1).SetStrike(1);
    doc.ResetTurnPosition();
    doc.SetTurnOrderEntry(0, 1);
    doc.RunDirectorTasks();
    EXPECT_EQ(Person(d).GetTaskWorkLeft(), work);
    EXPECT_EQ(Person(d).GetTaskProgress(), 0);
    EXPECT_EQ(doc.GetTurnPosition(), 1);
}

TEST_F(DirectorTasksTest, OnlyTheLastCompanyInTurnEndsTheRun) {
    for (auto run : {&CVDoc::RunDirectorTasks, &CVDoc::RunHeadhuntingTasks}) {
        doc.ShuffleTurnOrder();
        doc.ResetTurnPosition();
        std::vector<int> results;
        for (int i = 0; i < doc.CompanyCount(); ++i) results.push_back((doc.*run)());
        EXPECT_EQ(results, (std::vector<int>{0, 0, 1}));
    }
    CVDoc empty;
    auto scoped = ScopedDoc(&empty);
    EXPECT_EQ(empty.RunDirectorTasks(), 1);
    EXPECT_EQ(empty.RunHeadhuntingTasks(), 1);
}

TEST_F(DirectorTasksTest, GameEndPlacesPendingConstructions) {
    const int office = TypeOfCode(60);
    const int kiosk = TypeOfCode(30);
    for (int x = 2; x <= 3; ++x)
        for (int y = 0; y <= 1; ++y) Own(0, 1, x, y);
    Own(0, 1, 1, 3);
    Company(0).SetAreaLevel(1, 1);
    const int builder = game.Director(0);
    Orders().ApplyConstruction(builder, 1, {3, 1}, office);
    const int contractor = game.Director(1);
    Orders().StartContractConstruction(contractor, 1, {1, 3}, kiosk, 400);
    const int funds = Company(1).GetFunds();

    doc.CompletePendingConstructions();

    EXPECT_EQ(doc.GetCellStructure(1, 3, 1), office + 1);
    EXPECT_EQ(Company(0).GetAreaLevel(1), 4);
    EXPECT_EQ(Company(0).GetHomeArea(), 1);
    EXPECT_EQ(doc.GetCellStructure(1, 1, 3), kiosk + 1);
    EXPECT_EQ(Company(1).GetFunds(), funds + 200);
    // The tasks themselves stay.
    EXPECT_TRUE(Person(builder).HasTask());
    EXPECT_TRUE(Person(contractor).HasTask());
}

TEST_F(DirectorTasksTest, GameEndCountsDonationsAboveFifty) {
    struct SCase {
        int donated, added;
    };
    const std::vector<SCase> cases = {{0, 0}, {50, 0}, {51, 1}, {120, 70}};
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].donated);
        CEnterprise& company = Company(static_cast<int>(i % 3));
        company.RecordMonthlyFigure(3, 0, cases[i].donated, 0, -1);
        const int sum = company.GetAreaRecord(1).GetContribution();
        const int total = company.GetAreaRecord(0).GetContribution();
        // Only this company's donation counts this time.
        for (int c = 0; c < doc.CompanyCount(); ++c)
            if (&Company(c) != &company) Company(c).RecordMonthlyFigure(3, 0, 0, 0, -1);
        doc.SettleAreaFigures();
        EXPECT_EQ(company.GetAreaRecord(1).GetContribution() - sum, cases[i].added);
        EXPECT_EQ(company.GetAreaRecord(0).GetContribution() - total, cases[i].added);
    }
}

TEST_F(DirectorTasksTest, TalentSearchEarlyInTheGameFindsNobody) {
    // In the first month a company with two directors looks for nobody.
    const int d = game.Director(0);
    const int directors = Company(0).GetDirectorCount();
    Orders().ApplyRecruitManagement(d);
    ASSERT_GT(RunUntilDone(d), 0);
    EXPECT_EQ(Company(0).GetDirectorCount(), directors);
    EXPECT_TRUE(Reported("ShowNoTalentFound" + Args({0, d})));
}

TEST_F(DirectorTasksTest, CandidateIsDrawnFromTheFirstPersonsOfTheTable) {
    // The draw runs over the company count (three): persons 0..2.
    const int person = 2;
    Person(person).SetEmployer(0);
    Person(person).SetPresidentFlag(0);
    struct SCase {
        const char* name;
        CDraws draws;
        int employerNo;
    };
    const std::vector<SCase> cases = {
        {"no applicant this time", {{1, 0}, {3, person}, {50, 6}, {3, person}, {50, 6}}, 0},
        {"the second try", {{1, 0}, {3, person}, {50, 6}, {3, person}, {50, 5}}, -2},
    };
    for (const SCase& entry : cases) {
        SCOPED_TRACE(entry.name);
        Person(person).SetEmployer(0);
        {
            CScriptedDraws draws(entry.draws);
            doc.AttractCandidate(1, 29);
            draws.ExpectAllDrawn();
        }
        EXPECT_EQ(Person(person).GetEmployerNo(), entry.employerNo);
    }
}
