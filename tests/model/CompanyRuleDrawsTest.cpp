// The company's random rules under scripted draws ({n, k}: Random(n) gives
// k): strikes, morale and quitting with the grade loss it brings, and
// recruiting. The fixture's company has no income, so its fair salary is
// 10; 1000 employees at a standard salary s are paid s a month.

#include <gtest/gtest.h>

#include <vector>

#include "fakes/ScriptedDraws.h"
#include "model/CompanyRulesFixture.h"

namespace {

using Draws = CDraws;
constexpr auto Vary = VaryDraws;
constexpr auto Join = JoinDraws;
using CompanyRuleDrawsTest = CompanyRulesTest;


TEST_F(CompanyRuleDrawsTest, Strike) {
    struct SCase {
        const char* name;
        int salary, morale;
        bool harsh, struckInTheLastTwoMonths;
        Draws draws;
        bool strikes;
    };
    // a = RandomVary(pay, pay / 3), b = RandomVary(fair, fair / 3); no
    // strike when Random(a - b) >= 3; then t = (morale + 100) x 10 (harsh:
    // t^2 x 3) and a strike when Random(t) + t < 1000.
    const Draws atFair = Join({Vary(3, 0, 0, 0), Vary(3, 0, 0, 0), {{0, 0}}});
    const SCase cases[] = {
        {"paid above the fair rate", 30, -100, false, false,
         Join({Vary(10, 0, 0, 0), Vary(3, 0, 0, 0), {{20, 3}}}), false},
        {"morale 0", 10, 0, false, false, Join({atFair, {{1000, 0}}}), false},
        {"morale -40, low draw", 10, -40, false, false, Join({atFair, {{600, 399}}}), true},
        {"morale -40, high draw", 10, -40, false, false, Join({atFair, {{600, 400}}}), false},
        {"harsh, morale -99", 10, -99, true, false, Join({atFair, {{300, 299}}}), true},
        {"harsh, morale -90", 10, -90, true, false, Join({atFair, {{30000, 0}}}), false},
        {"struck in each of the last two months", 10, -100, false, true, atFair, false},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        FreshCompany();
        Staff(1000, c.salary);
        company.SetMorale(c.morale);
        doc.currentMonthIndex = 4;
        if (c.struckInTheLastTwoMonths) {
            company.SetStrike(1);
            company.SetStrike(0);
            doc.currentMonthIndex = 5;
            company.SetStrike(1);
            company.SetStrike(0);
            doc.currentMonthIndex = 6;
        } else {
            // A first strike last month does not protect this month.
            company.SetStrike(1);
            company.SetStrike(0);
            doc.currentMonthIndex = 5;
        }
        CScriptedDraws script(c.draws);
        EXPECT_EQ(company.TestStrike(c.harsh ? 1 : 0), c.strikes);
    }
}

TEST_F(CompanyRuleDrawsTest, MoraleAndQuitting) {
    struct SCase {
        const char* name;
        int salary, morale, atWork;
        Draws draws;
        int moraleAfter, quit, gradeAfter;  // grade of area 0 (level 3, grade 300)
    };
    // d = trunc((sqrt(P + 5) - sqrt(F + 5)) x 15); morale +=
    // RandomVary(trunc(0.7 d), |trunc(0.6 d)|) + Random(7) - 3. At or below
    // 10: q = Random(Random(10 - morale) x 3 / 2); from 10 up, q =
    // Random(Random(q) x 3 / 2 + 1) + 1 leave, at most those at work, and
    // every area loses RandomVary(l x 3 / 4, l / 2) with l = trunc(g^1.2 /
    // 100) (a quarter below level 3): 9 at grade 300, 0 at 100.
    const Draws smallAreas = Join({Vary(0, 0, 0, 0), Vary(0, 0, 0, 0)});
    const SCase cases[] = {
        {"paid at the fair rate", 10, 20, 1000, Join({Vary(0, 0, 0, 0), {{7, 6}}}), 23, 0, 300},
        // P = 110, F = 10: d = 102, RandomVary(71, 61).
        {"paid well", 110, 0, 1000, Join({Vary(61, 40, 20, 1), {{7, 3}}}), 91, 0, 300},
        {"content enough", 10, 14, 1000, Join({Vary(0, 0, 0, 0), {{7, 0}}}), 11, 0, 300},
        {"too few to count", 10, -100, 1000,
         Join({Vary(0, 0, 0, 0), {{7, 0}, {110, 5}, {7, 6}}}), -100, 0, 300},
        {"quitting", 10, -100, 1000,
         Join({Vary(0, 0, 0, 0), {{7, 0}, {110, 109}, {163, 150}, {150, 149}, {224, 199}},
               Vary(4, 4, 3, 1), smallAreas}),
         -100, 200, 300 - 9},
        {"quitting, capped at those at work", 10, -100, 150,
         Join({Vary(0, 0, 0, 0), {{7, 0}, {110, 109}, {163, 150}, {150, 149}, {224, 199}},
               Vary(4, 4, 3, 0), smallAreas}),
         -100, 150, 300 - 3},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        Staff(1000, c.salary);
        company.SetEmployeesAtWork(c.atWork);
        company.SetMorale(c.morale);
        company.SetAreaLevel(0, 3);
        company.SetAreaGrade(0, 300, 1);
        company.SetAreaGrade(1, 100, 1);
        company.SetAreaGrade(2, 100, 1);
        CScriptedDraws script(c.draws);
        EXPECT_EQ(company.UpdateMorale(), c.quit);
        EXPECT_EQ(company.GetRating(), c.moraleAfter);
        EXPECT_EQ(company.GetEmployees(), 1000 - c.quit);
        EXPECT_EQ(company.GetEmployeesAtWork(), c.atWork - c.quit);
        EXPECT_EQ(company.GetAreaGrade(0), c.gradeAfter);
        EXPECT_EQ(company.GetAreaGrade(1), 100);
    }
}

// Every area's grade moves by Random(m) / 20, m = n for recruits and 7 n
// for a lay-off.
TEST_F(CompanyRuleDrawsTest, RecruitingAndLayingOffMoveTheGrades) {
    struct SCase {
        int change;
        Draws draws;
        int gradeAfter;
    };
    const SCase cases[] = {
        {20, {{20, 19}, {20, 19}, {20, 19}}, 300},
        {400, {{400, 399}, {400, 20}, {400, 0}}, 319},
        {-20, {{-140, -139}, {-140, -20}, {-140, 0}}, 294},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.change);
        Staff(1000, 10);
        company.SetAreaGrade(-1, 300, 0);
        CScriptedDraws script(c.draws);
        company.ChangeEmployees(c.change);
        EXPECT_EQ(company.GetAreaGrade(0), c.gradeAfter);
        EXPECT_EQ(company.GetEmployees(), 1000 + c.change);
    }
}

// v = (month index + 1) x (400 wide, else 230) / (12 x years) + 30, less
// RandomVary(s, s / 2) with s = (directors + 1)^2 x 10.
TEST_F(CompanyRuleDrawsTest, RecruitValue) {
    struct SCase {
        int directors;
        bool wide;
        Draws draws;
        int expected;
    };
    // Month index 11 of a five-year game: v = 76, wide 110.
    const SCase cases[] = {
        {0, false, Vary(5, 5, 4, 1), 76 - 14},
        {0, true, Vary(5, 0, 0, 0), 110 - 10},
        {2, false, Vary(45, 45, 44, 0), 76 - 46},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.directors);
        doc.currentMonthIndex = 11;
        doc.gameYears = 5;
        while (company.GetDirectorCount() < c.directors) Hire(3);
        CScriptedDraws script(c.draws);
        EXPECT_EQ(company.CalcRecruitValue(c.wide ? 1 : 0), c.expected);
    }
}

}  // namespace
