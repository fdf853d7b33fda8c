// A company's people: pay, fair salary, strikes, morale, employee changes,
// directors, recruiting and the adviser.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "model/CompanyRulesFixture.h"
#include "model/Random.h"

namespace {

using StaffTest = CompanyRulesTest;

struct SPayrollCase {
    const char* name;
    int employees, salary, fixedTotal;  // fixedTotal -1: no fixed pay
    int withDirectors, atFairRate;
    int expected;
};

TEST_F(StaffTest, MonthlyPayroll) {
    const SPayrollCase cases[] = {
        {"exact thousands", 1500, 10, -1, 0, 0, 15},
        {"part of a thousand rounds up", 1550, 10, -1, 0, 0, 16},
        {"fixed total", 1550, 10, 900, 0, 0, 900},
        {"fair rate ignores the fixed total", 1500, 10, 900, 0, 1, 15},
        {"directors' salaries added", 1500, 10, -1, 1, 0, 15 + 7 + 5},
        {"a rate of 0 pays nothing", 1500, 0, -1, 0, 0, 0},
    };
    int first = Hire(3), second = Hire(3);
    persons[first].SetSalary(7);
    persons[second].SetSalary(5);
    for (const SPayrollCase& c : cases) {
        SCOPED_TRACE(c.name);
        Staff(c.employees, c.salary);
        if (c.fixedTotal >= 0) company.SetFixedPay(c.fixedTotal);
        EXPECT_EQ(company.GetMonthlyPayroll(c.withDirectors, c.atFairRate), c.expected);
    }
}

struct SCostCase {
    const char* name;
    int employees, salary, fixedTotal;  // fixedTotal -1: no fixed pay
    int n, months, expected;
};

TEST_F(StaffTest, SalaryCostKeepsLargeProductsAndPaysAtLeastOne) {
    const SCostCase cases[] = {
        {"a year at the standard salary", 0, 10, -1, 1000, -1, 120},
        {"one employee for a month", 0, 10, -1, 1, 1, 1},
        {"nobody costs nothing", 0, 10, -1, 0, 3, 0},
        {"fixed pay without employees", 0, 10, 900, 5, 1, 1},
        {"fixed pay share", 1000, 10, 900, 500, 2, 900},
        // 2,000,000 x 1,000,000 does not fit 32 bits.
        {"fixed pay, large total", 1000000, 10, 2000000, 1000000, 12, 24000000},
        {"beyond int", 1, 10, INT_MAX, INT_MAX, 12, INT_MAX},
    };
    for (const SCostCase& c : cases) {
        SCOPED_TRACE(c.name);
        Staff(c.employees, c.salary);
        if (c.fixedTotal >= 0) company.SetFixedPay(c.fixedTotal);
        EXPECT_EQ(company.CalcSalaryCost(c.n, c.months), c.expected);
    }
}

struct SFairCase {
    const char* name;
    int monthlyIncome, employees;
    double share;
    int fair;
};

TEST_F(StaffTest, FairSalaryAndWageShare) {
    const SFairCase cases[] = {
        {"no income", 0, 1000, 0.30, 10},
        {"no employees", 1000, 0, 0.0, 10},
        {"income of 12000", 1000, 1000, 0.8859, 885},
        {"share capped at 99 percent", 10000, 2000, 0.99, 4950},
        {"a loss counts as no income", -500, 1000, 0.30, 10},
    };
    for (const SFairCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetMonthlyIncome(c.monthlyIncome);
        Staff(c.employees, 10);
        EXPECT_NEAR(company.GetWageShare(), c.share, 0.0001);
        EXPECT_EQ(company.CalcFairSalary(), c.fair);
    }
}

TEST_F(StaffTest, SalarySettersReportWhetherAnythingChanged) {
    EXPECT_EQ(company.SetStandardSalary(10), 0);  // the start salary
    EXPECT_EQ(company.SetStandardSalary(12), 1);
    EXPECT_EQ(company.SetFixedPay(0), 1);  // switching to fixed pay is a change
    EXPECT_EQ(company.IsFixedPay(), 1);
    EXPECT_EQ(company.SetFixedPay(0), 0);
    EXPECT_EQ(company.SetStandardSalary(12), 1);  // back to the standard salary
    EXPECT_EQ(company.IsFixedPay(), 0);
}

// ---------------------------------------------------------------- strikes

struct SStrikeCase {
    const char* name;
    int morale, salary, harsh;
    bool earlierStrike;  // a strike two months ago as well as last month
    bool lastMonth;      // a strike last month
    bool expected;
};

TEST_F(StaffTest, StrikeTest) {
    // Salary 0 is far below the fair rate of 10; 100000 far above it.
    const SStrikeCase cases[] = {
        {"worst morale, low pay", -100, 0, 0, false, false, true},
        {"good morale", 100, 0, 0, false, false, false},
        {"pay above the fair rate", -100, 100000, 0, false, false, false},
        {"morale -60 is enough", -60, 0, 0, false, false, true},
        {"but not when harsh", -60, 0, 1, false, false, false},
        {"morale -99, harsh", -99, 0, 1, false, false, true},
        {"no second strike in a row", -100, 0, 0, true, true, false},
        {"a first strike last month allows another", -100, 0, 0, false, true, true},
    };
    for (const SStrikeCase& c : cases) {
        SCOPED_TRACE(c.name);
        FreshCompany();
        Staff(1000, c.salary);
        company.SetMorale(c.morale);
        if (c.earlierStrike) {
            doc.currentMonthIndex = 8;
            company.SetStrike(1);
            company.SetStrike(0);
        }
        if (c.lastMonth) {
            doc.currentMonthIndex = 9;
            company.SetStrike(1);
            company.SetStrike(0);
        }
        doc.currentMonthIndex = 10;
        EXPECT_EQ(company.TestStrike(c.harsh), c.expected);
    }
}

TEST_F(StaffTest, NoStrikeWhileStrikingOrWithoutEmployees) {
    company.SetMorale(-100);
    Staff(0, 0);
    EXPECT_FALSE(company.TestStrike(0));
    Staff(1000, 0);
    company.SetStrike(1);
    EXPECT_FALSE(company.TestStrike(0));
}

TEST_F(StaffTest, StrikeBookkeeping) {
    doc.currentMonthIndex = 5;
    company.SetStrike(1);
    doc.currentMonthIndex = 9;
    company.SetStrike(0);
    company.SetStrike(1);
    EXPECT_EQ(company.IsOnStrike(), 1);
    EXPECT_EQ(company.GetStrikeMonth(), 9);
    EXPECT_EQ(company.GetPreviousStrikeMonth(), 5);
    EXPECT_EQ(company.GetStrikeCount(), 2);
}

TEST_F(StaffTest, HugeFixedPayPerEmployeeIsNoOverflow) {
    Staff(1, 10);
    company.SetFixedPay(INT_MAX);
    company.SetMorale(-100);
    EXPECT_FALSE(company.TestStrike(1));
}

// ---------------------------------------------------------------- morale

TEST_F(StaffTest, MoraleStepWithoutEmployeesChangesNothing) {
    company.SetMorale(-50);
    EXPECT_EQ(company.UpdateMorale(), 0);
    EXPECT_EQ(company.GetRating(), -50);
}

TEST_F(StaffTest, HighPayKeepsMoraleAtTheTop) {
    Staff(1000, 1000);
    company.SetMorale(100);
    EXPECT_EQ(company.UpdateMorale(), 0);
    EXPECT_EQ(company.GetRating(), 100);
}

TEST_F(StaffTest, MoraleAboveTenAfterTheStepLosesNobody) {
    // At the fair rate the step moves morale by at most 3.
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        CRuntimeRandom::Seed(seed);
        Staff(1000, 10);
        company.SetMorale(14);
        EXPECT_EQ(company.UpdateMorale(), 0);
        EXPECT_GE(company.GetRating(), 11);
        EXPECT_EQ(company.GetEmployees(), 1000);
    }
}

TEST_F(StaffTest, WorstMoraleLosesNoMoreThanTheEmployeesAtWork) {
    int someLeft = 0;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        CRuntimeRandom::Seed(seed);
        company.SetEmployees(1000);
        company.SetEmployeesAtWork(5);
        company.SetStandardSalary(10);
        company.SetMorale(-100);
        company.SetAreaGrade(-1, 300, 0);
        int quit = company.UpdateMorale();
        ASSERT_GE(quit, 0);
        ASSERT_LE(quit, 5);
        EXPECT_EQ(company.GetEmployeesAtWork(), 5 - quit);
        EXPECT_EQ(company.GetEmployees(), 1000 - quit);
        for (int area = 0; area < kAreas; ++area) EXPECT_LE(company.GetAreaGrade(area), 300);
        if (quit > 0) ++someLeft;
    }
    EXPECT_GT(someLeft, 0);
}

TEST_F(StaffTest, WorstMoraleWithNobodyAtWorkStillCostsGrade) {
    int gradeLost = 0;
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        CRuntimeRandom::Seed(seed);
        company.SetEmployees(1000);
        company.SetEmployeesAtWork(0);
        company.SetStandardSalary(10);
        company.SetMorale(-100);
        company.SetAreaGrade(-1, 300, 0);
        ASSERT_EQ(company.UpdateMorale(), 0);
        EXPECT_EQ(company.GetEmployees(), 1000);
        EXPECT_EQ(company.GetEmployeesAtWork(), 0);
        if (company.GetAreaGrade(0) < 300) ++gradeLost;
    }
    EXPECT_GT(gradeLost, 0);
}

TEST_F(StaffTest, MoraleIsClampedAndAccumulated) {
    company.SetMorale(250);
    EXPECT_EQ(company.GetRating(), 100);
    company.AccumulateMorale();
    company.SetMorale(-300);
    EXPECT_EQ(company.GetRating(), -100);
    company.AccumulateMorale();
    EXPECT_EQ(company.GetMoraleTotal(), 0);
}

// ---------------------------------------------------------------- employees

std::vector<int> HistoryParams(const CEnterprise& company, int kind) {
    std::vector<int> params;
    for (const CHistory& h : company.GetHistory())
        if (h.GetKind() == kind) params.push_back(h.GetParam(0));
    return params;
}

TEST_F(StaffTest, RecruitingRecordsOneThousandMarkPerCall) {
    company.ChangeEmployees(3000);
    EXPECT_EQ(company.GetEmployees(), 3000);
    EXPECT_EQ(company.GetEmployeesAtWork(), 3000);
    EXPECT_EQ(HistoryParams(company, CHistory::kindEmployeesPassed), std::vector<int>{0});
    company.ChangeEmployees(1);
    EXPECT_EQ(HistoryParams(company, CHistory::kindEmployeesPassed), (std::vector<int>{0, 1}));
}

TEST_F(StaffTest, LayOffLowersEveryAreaGradeBySevenfoldWeight) {
    Staff(100, 10);
    company.SetAreaGrade(-1, 300, 0);
    // The draws the step makes, one per area: Random(-140) / 20.
    CRuntimeRandom::Seed(77);
    std::vector<int> drops;
    for (int area = 0; area < kAreas; ++area) drops.push_back(Random(-140) / 20);
    CRuntimeRandom::Seed(77);
    company.ChangeEmployees(-20);
    EXPECT_EQ(company.GetEmployees(), 80);
    for (int area = 0; area < kAreas; ++area) {
        EXPECT_EQ(company.GetAreaGrade(area), 300 + drops[area]);
        EXPECT_GE(drops[area], -7);
    }
}

TEST_F(StaffTest, LayingOffMoreThanEmployedLeavesNoNegativeStaff) {
    Staff(10, 10);
    company.ChangeEmployees(-50);
    EXPECT_EQ(company.GetEmployees(), 0);
    EXPECT_LE(company.GetEmployeesAtWork(), 0);
}

// ---------------------------------------------------------------- directors

TEST_F(StaffTest, AddingADirector) {
    int person = AddPerson(3);
    persons[person].ResetRelations(3);
    persons[person].SetEmployer(kNumber + 1);
    persons[person].SetRelation(kNumber, 100);
    persons[person].SetSalary(40);
    doc.currentMonthIndex = 14;
    EXPECT_EQ(company.AddDirector(person), 1);
    EXPECT_EQ(company.GetDirectorCount(), 1);
    EXPECT_EQ(company.GetDirector(0), &persons[person]);
    EXPECT_EQ(persons[person].GetSalary(), 1);
    EXPECT_GT(persons[person].GetRelation(kNumber), 100);
    ASSERT_EQ(company.GetHistory().size(), 1u);
    const CHistory& entry = company.GetHistory()[0];
    EXPECT_EQ(entry.GetKind(), CHistory::kindDirectorChange);
    EXPECT_EQ(entry.GetMonthIndex(), 14);
    EXPECT_EQ(entry.GetParam(0), person);
    EXPECT_EQ(entry.GetParam(1), 0);
    // Listed once only.
    EXPECT_EQ(company.AddDirector(person), 1);
    EXPECT_EQ(company.GetDirectorCount(), 1);
}

TEST_F(StaffTest, RemovingADirectorFreesHisPlanSteps) {
    int kept = Hire(3), leaving = Hire(3);
    CCmdPacket plan;
    plan.MakeRecruitEmployees();
    plan.SetParam1(0, leaving);
    plan.SetDone(0, 1);
    CCmdPacket other;
    other.MakeLoan();
    other.SetParam1(0, kept);
    other.SetDone(0, 1);
    company.GetPlans() = {plan, other};
    EXPECT_EQ(company.RemoveDirector(leaving), 1);
    EXPECT_EQ(company.GetDirectorCount(), 1);
    EXPECT_EQ(company.GetDirectorIndex(0), kept);
    EXPECT_EQ(company.GetPlans()[0].GetParam1(0), -1);
    EXPECT_EQ(company.GetPlans()[0].IsDone(0), 0);
    EXPECT_EQ(company.GetPlans()[1].GetParam1(0), kept);
    EXPECT_EQ(company.GetPlans()[1].IsDone(0), 1);
    const CHistory& entry = company.GetHistory().back();
    EXPECT_EQ(entry.GetParam(0), leaving);
    EXPECT_EQ(entry.GetParam(1), 1);
}

TEST_F(StaffTest, RemovingSomeoneWhoIsNoDirectorChangesNothing) {
    int director = Hire(3);
    int stranger = AddPerson(3);
    size_t history = company.GetHistory().size();
    EXPECT_EQ(company.RemoveDirector(stranger), 1);
    EXPECT_EQ(company.GetDirectorCount(), 1);
    EXPECT_EQ(company.GetDirectorIndex(0), director);
    EXPECT_EQ(company.GetHistory().size(), history);
}

TEST_F(StaffTest, FreeAndBusyDirectors) {
    EXPECT_EQ(company.GetBestFreeDirectorAbility(0), 0);
    int weak = Hire(3), strong = Hire(8), busy = Hire(20);
    persons[busy].AssignTask(CPersonData::eTASK_DESIGNATED_PURCHASE, 100);
    persons[busy].SetTaskArea(2);
    persons[busy].SetTaskTarget(4, 5);
    EXPECT_EQ(company.CountFreeDirectors(), 2);
    EXPECT_EQ(company.GetBestFreeDirectorAbility(0), persons[strong].GetAbility(0, true));
    EXPECT_EQ(company.FindDirectorTaskAt(2, 4, 5), &persons[busy]);
    EXPECT_EQ(company.FindDesignatedPurchaseDirector(2, 4, 5), &persons[busy]);
    EXPECT_EQ(company.FindDirectorTaskAt(2, 5, 4), nullptr);
    persons[busy].AssignTask(CPersonData::eTASK_LAND_PURCHASE, 100);
    persons[busy].SetTaskArea(2);
    persons[busy].SetTaskTarget(4, 5);
    EXPECT_EQ(company.FindDesignatedPurchaseDirector(2, 4, 5), nullptr);
    (void)weak;
}

TEST_F(StaffTest, ListingDirectors) {
    std::vector<int> list{42};
    company.ListDirectors(list, 0);
    EXPECT_EQ(list, std::vector<int>{42});  // no directors: untouched
    int a = Hire(3), b = Hire(3), c = Hire(3);
    company.ListDirectors(list, 1);
    EXPECT_EQ(list, std::vector<int>{42});  // nobody busy: untouched
    company.ListDirectors(list, 0);
    std::sort(list.begin(), list.end());
    EXPECT_EQ(list, (std::vector<int>{a, b, c}));
    persons[b].AssignTask(CPersonData::eTASK_RAISE_FUNDS, 10);
    company.ListDirectors(list, 1);
    EXPECT_EQ(list, std::vector<int>{b});
}

TEST_F(StaffTest, FormerEmployeesAndHeadhuntTargets) {
    int former1 = AddPerson(3), former2 = AddPerson(9), other = AddPerson(20);
    persons[former1].SetEmployer(-(kNumber + 1));
    persons[former2].SetEmployer(-(kNumber + 1));
    persons[other].SetEmployer(-(kNumber + 2));
    EXPECT_EQ(company.CountPersonsOfCompany(), 2);
    Staff(0, 10);
    EXPECT_EQ(company.FindHeadhuntTarget(0), nullptr);  // nobody at work
    Staff(100, 10);
    EXPECT_EQ(company.FindHeadhuntTarget(0), &persons[former2]);
    EXPECT_NE(company.FindHeadhuntTarget(500), nullptr);
    persons[former1].SetEmployer(0);
    persons[former2].SetEmployer(0);
    EXPECT_EQ(company.FindHeadhuntTarget(0), nullptr);
}

TEST_F(StaffTest, RecruitValue) {
    doc.currentMonthIndex = 11;
    doc.gameYears = 1;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        CRuntimeRandom::Seed(seed);
        int narrow = company.CalcRecruitValue(0);
        int wide = company.CalcRecruitValue(1);
        // 12 x 230 / 12 + 30 and 12 x 400 / 12 + 30, less 10 varied by 5.
        EXPECT_GE(narrow, 260 - 15);
        EXPECT_LE(narrow, 260 - 5);
        EXPECT_GE(wide, 430 - 15);
        EXPECT_LE(wide, 430 - 5);
    }
    doc.gameYears = 0;
    EXPECT_LE(company.CalcRecruitValue(0), 260);
}

TEST_F(StaffTest, RecruitCandidates) {
    int own = Hire(3);
    doc.companies[0].directorCount = 2;
    doc.companies[2].directorCount = 1;
    int strong = AddPerson(30), weak = AddPerson(4), lonely = AddPerson(50),
        president = AddPerson(50);
    persons[strong].SetEmployer(1);
    persons[weak].SetEmployer(1);
    persons[lonely].SetEmployer(3);  // his company has only him
    persons[president].SetEmployer(1);
    persons[president].SetPresidentFlag(1);
    persons[own].SetEmployer(kNumber + 1);
    int chosen = -1;
    double score = company.RatePersonForRecruit(chosen, 0, 0);
    EXPECT_EQ(chosen, strong);
    EXPECT_GT(score, 0.0);
    persons[own].AssignTask(CPersonData::eTASK_RAISE_FUNDS, 10);
    chosen = -1;
    EXPECT_EQ(company.RatePersonForRecruit(chosen, 1, 0), 0.0);  // no free director
    EXPECT_EQ(chosen, -1);
    (void)weak;
}

// ---------------------------------------------------------------- adviser

TEST_F(StaffTest, NoAdviserAmongDirectorsOfAbilityZero) {
    Hire(0);
    EXPECT_EQ(company.ChooseAdviser(), -1);
    EXPECT_EQ(company.FindAdviser(), 0);
    company.PrepareAdvice();
    EXPECT_EQ(company.GetAdviser(), -1);
    EXPECT_EQ(std::count(doc.calls.begin(), doc.calls.end(), "BuildAdvice(1)"), 0);
}

TEST_F(StaffTest, AdviserAndHisThreshold) {
    int adviser = Hire(5);  // ability 50: threshold 2200 - trunc(50^1.2 x 10) = 1107
    bool found = false;
    for (uint32_t seed = 1; seed <= 50 && !found; ++seed) {
        CRuntimeRandom::Seed(seed);
        found = company.FindAdviser() == 1;
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(company.GetAdviser(), adviser);
    EXPECT_EQ(company.GetAdviserAbility(), 50);
    EXPECT_EQ(company.GetAdviceThreshold(), 1107);
}

TEST_F(StaffTest, PrepareAdviceAsksTheComputerPlayerOnlyWithAnAdviser) {
    Hire(50);
    company.PrepareAdvice();
    EXPECT_NE(company.GetAdviser(), -1);
    EXPECT_EQ(doc.calls.back(), "BuildAdvice(1)");
}

TEST_F(StaffTest, AdvertisingTarget) {
    company.SetAreaGrade(-1, 500, 0);
    company.AddAreaBuildings(0, 200);
    company.AddAreaBuildings(1, 200);
    // Weights sum to 3968.68, v = 1574.99; the cap binds: A = 70 / 3 for a
    // human player, (30 + 30) / 3 for a president of ability 30.
    EXPECT_EQ(company.CalcTargetAdvertisingCost(), 807);
    MakeComputer();
    EXPECT_EQ(company.CalcTargetAdvertisingCost(), 759);
}

}  // namespace
