// The month's events: the roulette, the dispatch over every event kind and
// the edge cases of the single events.

#include <functional>

#include "game/EventsFixture.h"
#include "model/League.h"
#include "model/Random.h"

namespace {

// Gives every company enough directors that none asks for an applicant.
// Badly paid, angry employees: the company strikes at the first test.
void MakeReadyToStrike(CEnterprise& company) {
    company.SetEmployees(1000);
    company.SetStandardSalary(1);
    company.SetMorale(-100);
}

void StaffEveryCompany(CVDoc& doc, const std::function<int(int)>& hire) {
    for (int c = 0; c < doc.CompanyCount(); ++c)
        while (doc.GetEnterprise(c)->GetDirectorCount() < 2) hire(c);
}

}  // namespace

// ---------------------------------------------------------------- roulette

TEST(EventKindTest, DrawsMapToKindsByWeight) {
    struct Row {
        int companies, areas, r, kind;
    };
    const std::vector<Row> rows = {
        // (1, 1): total 18, one draw per kind.
        {1, 1, 0, 0}, {1, 1, 1, 0}, {1, 1, 2, 1}, {1, 1, 3, 2}, {1, 1, 4, 3}, {1, 1, 5, 4},
        {1, 1, 6, 5}, {1, 1, 7, 6}, {1, 1, 8, 7}, {1, 1, 9, 8}, {1, 1, 10, 9}, {1, 1, 11, 10},
        {1, 1, 12, 11}, {1, 1, 13, 12}, {1, 1, 14, 13}, {1, 1, 15, 14}, {1, 1, 16, 15},
        {1, 1, 17, 16},
        // (3, 2): total 39; company kinds three draws wide, area kinds two.
        {3, 2, 1, 0}, {3, 2, 2, 1}, {3, 2, 4, 1}, {3, 2, 5, 2}, {3, 2, 13, 4}, {3, 2, 14, 5},
        {3, 2, 16, 5}, {3, 2, 17, 6}, {3, 2, 18, 6}, {3, 2, 19, 7}, {3, 2, 27, 11},
        {3, 2, 36, 15}, {3, 2, 37, 16}, {3, 2, 38, 16},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("n " + std::to_string(row.companies) + " a " + std::to_string(row.areas) +
                     " r " + std::to_string(row.r));
        EXPECT_EQ(CVDoc::EventKindForDraw(row.r, row.companies, row.areas), row.kind);
    }
}

TEST_F(EventsTest, PassEndsThePhaseExactlyWhenTheEndDrawIsBelowForty) {
    Start(1, 1);
    StaffEveryCompany(doc, [this](int c) { return HireDirector(c); });
    struct Row {
        int year, endDraw;
        bool ends;
    };
    // total 18 + 2y + 60: 78 in the first year, 80 in the second.
    for (const Row& row : std::vector<Row>{{0, 39, true}, {0, 40, false}, {1, 39, true},
                                           {1, 77, false}}) {
        SCOPED_TRACE("year " + std::to_string(row.year) + " draw " + std::to_string(row.endDraw));
        doc.SetYear(row.year);
        doc.ResetMonthlyEvents();
        CScriptedDraws draws({{18, 17}, {78 + 2 * row.year, row.endDraw}});
        if (!row.ends) draws.ThenGenerator();
        EXPECT_EQ(doc.RunEventRoulette(), row.ends ? 0 : 1);
        EXPECT_EQ(doc.GetMonthEventCount(), row.ends ? 0 : 1);
    }
}

TEST_F(EventsTest, CompanyWithoutDirectorsForcesAnApplicantOnlyInTheFirstPass) {
    Start(1, 1);
    ASSERT_EQ(doc.GetEnterprise(0)->GetDirectorCount(), 0);
    {
        // A later pass of the month: the end draw decides.
        doc.CountMonthEvent();
        CScriptedDraws draws({{18, 0}, {78, 10}});
        EXPECT_EQ(doc.RunEventRoulette(), 0);
        EXPECT_EQ(doc.GetMonthEventCount(), 1);
    }
    doc.ResetMonthlyEvents();
    {
        // No end draw: the applicant event draws next (the company's v).
        CScriptedDraws draws({{18, 0}, {0, 0}});
        draws.ThenGenerator();
        EXPECT_EQ(doc.RunEventRoulette(), 1);
        EXPECT_EQ(doc.GetMonthEventCount(), 1);
    }
}

TEST_F(EventsTest, CloseRequestedDuringThePassStopsTheRoulette) {
    Start(1, 1);
    StaffEveryCompany(doc, [this](int c) { return HireDirector(c); });
    frame.closeRequested = true;
    CScriptedDraws draws({{18, 17}, {78, 50}});
    EXPECT_EQ(doc.RunEventRoulette(), -1);
    EXPECT_EQ(doc.GetMonthEventCount(), 0);
}

// ---------------------------------------------------------------- every kind

TEST_F(EventsTest, EveryKindThroughTheDispatchHasItsEffect) {
    struct Row {
        int kind;
        std::function<void()> prepare;
        std::function<bool()> happened;
    };
    Start(3, 2);
    CRuntimeRandom::Seed(11);
    auto Called = [this](const std::string& name) {
        for (const std::string& call : report.calls)
            if (call.rfind(name, 0) == 0) return true;
        return false;
    };
    auto AnyContractor = [this] {
        for (int p = 0; p < doc.GetDirectorTableSize(); ++p)
            if (doc.GetDirector(p)->GetTaskKind() == CPersonData::eTASK_CONTRACT_CONSTRUCTION)
                return true;
        return false;
    };
    const std::vector<Row> rows = {
        {0, [] {}, [this] { return Logged("Professional league"); }},
        {1, [] {}, [this] { return doc.CompanyCount() == 4; }},
        {2, [] {}, [this] { return Logged(" recruited \""); }},
        {3, [] {}, [this] { return Logged(" recruited \""); }},
        {4, [] {}, [this] { return Logged(" recruited \""); }},
        {5,
         [this] {
             for (int c = 0; c < doc.CompanyCount(); ++c) doc.GetEnterprise(c)->SetFunds(100000);
         },
         [this] { return Logged(" purchased "); }},
        {6,
         [this] {
             for (int c = 0; c < doc.CompanyCount(); ++c) MakeReadyToStrike(*doc.GetEnterprise(c));
         },
         [this] { return Logged(" is on strike."); }},
        {7, [this] { doc.ResetMonthlyEvents(); }, [this] { return Logged(" increased by "); }},
        {8, [this] { doc.ResetMonthlyEvents(); }, [this] { return Logged(" decreased by "); }},
        {9, [] {}, [this] { return Logged("An earthquake occurred in "); }},
        {10,
         [this] {
             for (int a = 0; a < 2; ++a) doc.GetMap().GetArea(a).SetFire(150);
         },
         [this] { return Logged("A fire occurred in ") && Logged("xtinguished"); }},
        {11, [this] { AddTenderType(); }, [&] { return Called("ShowAuctionResult"); }},
        {12, [] {}, [&] { return Logged("Unsuccessful bid in ") || AnyContractor(); }},
        {13,
         [this] {
             for (int c = 0; c < doc.CompanyCount(); ++c) {
                 doc.GetEnterprise(c)->SetFunds(100000);
                 HireDirector(c);
                 for (int a = 0; a < 2; ++a) doc.GetEnterprise(c)->SetAreaLevel(a, 3);
             }
         },
         [&] { return AnyContractor(); }},
        {14, [] {}, [&] { return AnyContractor(); }},
        {15, [] {}, [&] { return AnyContractor(); }},
        {16,
         [this] {
             WidenArea(0, 20, 20);
             doc.GetEnterprise(0)->SetAreaLevel(0, 3);
             doc.GetMap().GetArea(0).SetProjectFund(700);
         },
         [this] { return doc.GetMap().GetArea(0).HasProject(); }},
        {17,
         [this] {
             for (int a = 0; a < 2; ++a) doc.GetEnterprise(1)->RecordMonthlyFigure(3, a, 400, 0, -1);
         },
         [this] { return CountHistory(1, CHistory::kindDonationScandal) > 0; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("kind " + std::to_string(row.kind));
        frame.infoLines.clear();
        report.calls.clear();
        for (int p = 0; p < doc.GetDirectorTableSize(); ++p)
            if (doc.GetDirector(p)->GetTaskKind() == CPersonData::eTASK_CONTRACT_CONSTRUCTION)
                doc.GetDirector(p)->AssignTask(CPersonData::eTASK_NONE, 0);
        row.prepare();
        bool happened = false;
        for (int i = 0; i < 200 && !happened; ++i) {
            doc.RunEvent(row.kind);
            happened = row.happened();
        }
        EXPECT_TRUE(happened);
    }
}

// ---------------------------------------------------------------- single events

TEST_F(EventsTest, LandValueEventOnAnAreaChangedThisMonthDoesNothingButCounts) {
    Start(1, 1);
    StaffEveryCompany(doc, [this](int c) { return HireDirector(c); });
    ASSERT_EQ(doc.ChangeLandValue(1, 2, 6, 0), 1);
    const int level = doc.GetMap().GetArea(0).GetLevel();
    // r = 8 is a rise (kind 7) in the only area: drawn, left alone, counted.
    CScriptedDraws draws({{18, 8}, {78, 50}, {1, 0}});
    EXPECT_EQ(doc.RunEventRoulette(), 1);
    EXPECT_EQ(doc.GetMap().GetArea(0).GetLevel(), level);
    EXPECT_EQ(doc.GetMonthEventCount(), 1);
}

TEST_F(EventsTest, LandValueChangeIsClampedAndLogged) {
    Start(1, 1);
    CMapData& area = doc.GetMap().GetArea(0);
    area.AddLevel(200);
    ASSERT_EQ(area.GetLevel(), 200);
    // d = 2 + 3: the rise is cut to nothing at the top of the range.
    {
        CScriptedDraws draws(JoinDraws({VaryDraws(6, 4, 3, 1)}));
        EXPECT_EQ(doc.ChangeLandValue(1, 2, 6, 0), 0);
    }
    {
        CScriptedDraws draws(JoinDraws({VaryDraws(8, 4, 3, 1)}));
        EXPECT_EQ(doc.ChangeLandValue(0, 2, 8, 0), 1);
    }
    EXPECT_EQ(area.GetLevel(), 195);
    EXPECT_TRUE(Logged("'s average land value decreased by 5."));
}

TEST_F(EventsTest, LeaguePopularityLeavingFiveToTwentyDoesNothing) {
    Start(1, 1);
    CLeague& league = doc.GetMap().GetLeague(1);
    league.SetPopularity(19);
    {
        // A rise of 10 would give 29.
        CScriptedDraws draws({{12, 0}, {3, 1}, {2, 0}, {8, 7}});
        doc.LeaguePopularityEvent();
    }
    EXPECT_EQ(league.GetPopularity(), 19);
    EXPECT_TRUE(frame.infoLines.empty());
    {
        // A fall of 10 gives 9.
        CScriptedDraws draws({{12, 0}, {3, 1}, {2, 1}, {8, 7}});
        doc.LeaguePopularityEvent();
    }
    EXPECT_EQ(league.GetPopularity(), 9);
    EXPECT_TRUE(Logged("Professional league 2's popularity dropped sharply."));
}

TEST_F(EventsTest, ApplicantSearchGivesUpAfterAHundredUnsuitablePersons) {
    Start(1, 1);
    for (int p = 0; p < doc.GetDirectorTableSize(); ++p)
        if (!doc.GetDirector(p)->IsEmployed(false)) doc.GetDirector(p)->SetEmployer(1);
    CScriptedDraws draws;
    draws.ThenGenerator();
    EXPECT_EQ(doc.JobApplicantEvent(0), 0);
    const auto& asked = draws.AskedRanges();
    EXPECT_EQ(std::count(asked.begin(), asked.end(), doc.GetDirectorTableSize()), 100);
    EXPECT_EQ(doc.GetEnterprise(0)->GetDirectorCount(), 0);
}

TEST_F(EventsTest, HumanPlayerIsAskedAndEmploysTheApplicant) {
    Start(2, 1, 1);
    report.applicantAnswer = true;
    bool recruited = false;
    for (int i = 0; i < 50 && !recruited; ++i) recruited = doc.JobApplicantEvent(0) == 1;
    ASSERT_TRUE(recruited);
    ASSERT_FALSE(report.orderReports.empty());
    const SOrderReport& letter = report.orderReports.back();
    EXPECT_EQ(letter.company, 0);
    const std::string& name = doc.GetDirector(letter.person)->GetName();
    EXPECT_EQ(letter.lines.front().rfind("I am " + name, 0), 0u);
    EXPECT_EQ(letter.lines.back(), "Will you employ " + name + "?");
    EXPECT_EQ(doc.GetDirector(letter.person)->GetEmployerNo(), 1);
    EXPECT_EQ(doc.GetEnterprise(0)->GetDirectorIndex(doc.GetEnterprise(0)->GetDirectorCount() - 1),
              letter.person);
}

TEST_F(EventsTest, DeclinedApplicantKeepsHisEmployer) {
    Start(2, 1, 1);
    report.applicantAnswer = false;
    for (int i = 0; i < 20; ++i) EXPECT_EQ(doc.JobApplicantEvent(0), 0);
    ASSERT_FALSE(report.orderReports.empty());
    EXPECT_EQ(doc.GetDirector(report.orderReports.back().person)->GetEmployerNo(), 0);
}

TEST_F(EventsTest, WeakCompanyNeedsSpreadIncomes) {
    Start(4, 1);
    for (int c = 0; c < 4; ++c) doc.GetEnterprise(c)->AddYearResult(-1, 0, 0, 0, 500, 0);
    for (int seed = 0; seed < 20; ++seed) {
        CRuntimeRandom::Seed(seed);
        EXPECT_EQ(doc.FindWeakCompany(0), -1);
    }
    // One company far below three others is the weak one.
    doc.GetEnterprise(2)->AddYearResult(-1, 0, 0, 0, 0, 0);
    for (int c : {0, 1, 3}) doc.GetEnterprise(c)->AddYearResult(-1, 0, 0, 0, 5000, 0);
    int found = 0;
    for (int seed = 0; seed < 20; ++seed) {
        CRuntimeRandom::Seed(seed);
        const int weak = doc.FindWeakCompany(0);
        EXPECT_TRUE(weak == -1 || weak == 2);
        found += weak == 2;
    }
    EXPECT_GT(found, 0);
}

TEST_F(EventsTest, StockBelowFourSellsAtOnePerShare) {
    Start(2, 1);
    doc.SetStockHolding(1, -1, 100000);
    ASSERT_LT(doc.GetStockPrice(1), 4);
    CEnterprise& buyer = *doc.GetEnterprise(0);
    buyer.SetFunds(1000);
    const int held = doc.GetStockHolding(1, 0);
    {
        CScriptedDraws draws({{10000, 500}, {500, 20}});
        draws.ThenGenerator();
        EXPECT_EQ(doc.ExecuteStockOffer(0, 1), 1);
    }
    EXPECT_EQ(doc.GetStockHolding(1, 0), held + 20);
    EXPECT_EQ(buyer.GetFunds(), 980);
}

TEST_F(EventsTest, NoNewCompanyAtTheMaximumOrWithNoCompanyLeft) {
    Start(2, 1);
    CMapDoc& map = doc.GetMap();
    map.SetCellMetric(CMapDoc::metricMaxCompanies, 2);
    {
        CScriptedDraws draws;
        EXPECT_EQ(doc.NewCompanyEvent(), 0);
    }
    map.SetCellMetric(CMapDoc::metricMaxCompanies, 1);
    {
        CScriptedDraws draws;
        EXPECT_EQ(doc.NewCompanyEvent(), 0);
    }
    EXPECT_EQ(doc.CompanyCount(), 2);
    ASSERT_TRUE(doc.RemoveEnterprise(1));
    ASSERT_TRUE(doc.RemoveEnterprise(0));
    map.SetCellMetric(CMapDoc::metricMaxCompanies, 8);
    {
        CScriptedDraws draws;
        EXPECT_EQ(doc.NewCompanyEvent(), 0);
    }
    EXPECT_EQ(doc.CompanyCount(), 0);
}

TEST_F(EventsTest, NewCompanyJoinsWithItsStockRowAndHistory) {
    Start(2, 1);
    doc.SetStockHolding(0, 1, 33);
    bool entered = false;
    for (int i = 0; i < 50 && !entered; ++i) entered = doc.NewCompanyEvent() == 1;
    ASSERT_TRUE(entered);
    ASSERT_EQ(doc.CompanyCount(), 3);
    EXPECT_EQ(doc.GetStockHolding(0, 1), 33);
    EXPECT_GT(doc.GetStockHolding(2, -1), 0);
    EXPECT_EQ(doc.GetStockHolding(2, 0), 0);
    EXPECT_EQ(doc.GetStockHolding(0, 2), 0);
    EXPECT_EQ(CountHistory(0, CHistory::kindCompanyAdded), 1);
    EXPECT_EQ(CountHistory(1, CHistory::kindCompanyAdded), 1);
    EXPECT_NE(doc.GetEnterprise(2)->GetPresident(), nullptr);
    EXPECT_EQ(report.calls.front(), "ShowNewCompany(2)");
    EXPECT_GE(doc.GetTurnEnterprise(2), 0);
}

TEST_F(EventsTest, SiteAreaScoresAreDrawnWithNothingInvested) {
    Start(2, 2);
    for (int a = 0; a < 2; ++a) {
        doc.GetAreaGovernor(a)->SetAmount(0);
        for (int c = 0; c < 2; ++c) doc.GetEnterprise(c)->SetAreaRating(0, a, 0, 0);
    }
    CScriptedDraws draws;
    draws.ThenGenerator();
    doc.ChooseSiteArea(0);
    const auto& asked = draws.AskedRanges();
    ASSERT_GE(asked.size(), 16u);
    for (size_t i = 1; i < 16; i += 2) EXPECT_EQ(asked[i], 30);
}

TEST_F(EventsTest, StrikeStartsWithHistoryAndReport) {
    Start(2, 1, 1);
    MakeReadyToStrike(*doc.GetEnterprise(0));
    doc.GetEnterprise(1)->SetMorale(100);
    EXPECT_EQ(doc.StrikeEvent(1), 1);
    EXPECT_TRUE(doc.GetEnterprise(0)->IsOnStrike());
    EXPECT_FALSE(doc.GetEnterprise(1)->IsOnStrike());
    EXPECT_EQ(CountHistory(0, CHistory::kindStrike), 1);
    EXPECT_EQ(report.calls, std::vector<std::string>{"ShowStrike(0)"});
    EXPECT_TRUE(Logged(doc.GetEnterprise(0)->GetName() + " is on strike."));
}

TEST_F(EventsTest, DonationScandalExposesOnlyLargeDonors) {
    Start(3, 1);
    doc.GetEnterprise(0)->RecordMonthlyFigure(3, 0, 50, 0, -1);
    doc.GetEnterprise(2)->RecordMonthlyFigure(3, 0, 30000, 0, -1);
    doc.GetEnterprise(2)->SetAreaGrade(0, 300, 1);
    const int incumbent = doc.GetMap().GetArea(0).GetGovernor();
    doc.RunEvent(17);
    EXPECT_EQ(CountHistory(0, CHistory::kindDonationScandal), 0);
    EXPECT_EQ(CountHistory(1, CHistory::kindDonationScandal), 0);
    ASSERT_EQ(CountHistory(2, CHistory::kindDonationScandal), 1);
    EXPECT_LE(doc.GetEnterprise(2)->GetAreaGrade(0), 280);
    EXPECT_GE(doc.GetEnterprise(2)->GetAreaGrade(0), 240);
    EXPECT_EQ(doc.GetEnterprise(2)->GetSanctionMonths(), 12);
    ASSERT_FALSE(report.calls.empty());
    EXPECT_EQ(report.calls.front(), "ShowIllegalDonations(0,2)");
    // The election is held at once, the incumbent standing aside.
    EXPECT_NE(doc.GetMap().GetArea(0).GetGovernor(), incumbent);
}
