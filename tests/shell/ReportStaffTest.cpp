// The staff, sports team, EXPO, bank and company reports.

#include "ReportFixture.h"

namespace {

using Row = ReportTest::SRow;

TEST_F(ReportTest, StaffTeamExpoBankAndCompanyReports) {
    // Role 0 hunts role 2 of company 1 (two directors), role 1 hunts role 0
    // (company 0's only director), role 2 hunts role 3 (no employer).
    ASSERT_EQ(doc->GetEnterprise(0)->GetDirectorCount(), 1);
    ASSERT_GE(doc->GetEnterprise(1)->GetDirectorCount(), 2);
    Role(0)->SetTaskParam(0, roles[2]);
    Role(1)->SetTaskParam(0, roles[0]);
    Role(2)->SetTaskParam(0, roles[3]);
    CProTeam& team = doc->GetMap().GetProTeam(0, 1);
    team.SetStrength(21);
    team.SetPopularity(14);
    ASSERT_EQ(team.GetStrength(), 21);
    ASSERT_EQ(team.GetPopularity(), 14);
    doc->GetEnterprise(2)->SetLeagueTeam(1, 1);
    const std::string team0 = "[" + team.GetName() + "]";
    const std::string sport0 = doc->GetMap().GetLeague(0).IsRankedByRate() ? "Baseball" : "Football";
    const std::string sport1 = doc->GetMap().GetLeague(1).IsRankedByRate() ? "Baseball" : "Football";
    const std::string president1 = doc->GetEnterprise(1)->GetPresident()->GetName();
    doc->GetEnterprise(0)->SetPresidentName("Old Chief");

    const std::vector<Row> rows = {
        {"head hunting failed: a single director",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowHeadhuntFailed(t.Role(1)); },
         "Report face {i1} auto 0/6000",
         {R"(1: "Unsuccessfully recruited " [{P0}] " from " {C0} ".")",
          R"(3: "It is impossible.")"}},
        {"head hunting failed: a target without employer",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowHeadhuntFailed(t.Role(2)); },
         "Report face {i2} auto 0/6000",
         {R"(1: "Unsuccessfully recruited " [{P3}] ".")", R"(3: "It is impossible.")"}},
        {"target gone",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowRecruitTargetGone(t.Role(0)); },
         "Report face {i0} auto 0/6000",
         {R"(1: [{P2}] " moved to another company")", R"(2: "before I tried to recruit him.")"}},
        {"recruited",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowRecruitResult(t.Role(0)); },
         "Report face {i0} auto 0/6000",
         {R"(1: [{P2}] " of " {C1})", R"(2: "will enter our company.")"}},
        {"recruited a person without employer",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowRecruitResult(t.Role(2)); },
         "Report face {i2} auto 0/6000", {R"(1: [{P3}])", R"(2: "will enter our company.")"}},
        {"joined",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowPersonJoined(t.Role(2), 3); },
         "Report panel 1 auto 0/3000", {R"(1: [{P2}] " has joined " {C3} ".")"}},
        {"quit", [](ReportTest& t, CSetDrawMes& m) { m.ShowPersonQuit(t.Role(1)); },
         "Report panel 1 auto 0/3000", {R"(1: [{P1}] " quit.")"}},
        {"EXPO announced", [](ReportTest&, CSetDrawMes& m) { m.ShowExpoAnnounced(1); },
         "Report auto 0/3000", {R"(1: "The " [{A1}] " EXPO will be held in " [2] " years.")"}},
        {"EXPO closing", [](ReportTest&, CSetDrawMes& m) { m.ShowExpoClosing(1, TRUE); },
         "Report auto 0/5000",
         {R"(1: "The very successful " [{A1}] " EXPO will close after 4 months.")"}},
        {"EXPO cancelled", [](ReportTest&, CSetDrawMes& m) { m.ShowExpoClosing(1, FALSE); },
         "Report auto 0/5000",
         {R"(1: "Inadequate preparation cancelled the " [{A1}] " EXPO.")"}},
        {"strike", [](ReportTest&, CSetDrawMes& m) { m.ShowStrike(2); }, "Report panel 2 auto 0/3000",
         {R"(1: "A strike crippled company operations for next month.")"}},
        {"team strength raised",
         [&team](ReportTest& t, CSetDrawMes& m) { m.ShowTeamInvestmentResult(t.Role(0), &team, 1, 3); },
         "Report face {i0} auto 0/3000",
         {R"(0: "Investing in the " )" + team0,
          R"(1: "raised their " "strength" " rating by " [3] ", totalling " [21] " points.")"}},
        {"team popularity raised",
         [&team](ReportTest& t, CSetDrawMes& m) { m.ShowTeamInvestmentResult(t.Role(0), &team, 0, 2); },
         "Report face {i0} auto 0/3000",
         {R"(0: "Investing in the " )" + team0,
          R"(1: "raised their " "popularity" " rating by " [2] ", totalling " [14] " points.")"}},
        {"team strength unchanged",
         [&team](ReportTest& t, CSetDrawMes& m) { m.ShowTeamInvestmentResult(t.Role(0), &team, 1, 0); },
         "Report face {i0} auto 0/3000",
         {R"(0: "We invested in " )" + team0 + R"( ", ")",
          R"(1: "but their winning percentage did not change.")"}},
        {"team popularity unchanged",
         [&team](ReportTest& t, CSetDrawMes& m) { m.ShowTeamInvestmentResult(t.Role(0), &team, 0, 0); },
         "Report face {i0} auto 0/3000",
         {R"(0: "We invested in " )" + team0 + R"( ", ")", R"(1: "but popularity never increased.")"}},
        {"stadium lost", [](ReportTest&, CSetDrawMes& m) { m.ShowTeamLostStadium(2, 1); },
         "Report panel 2 auto 0/0",
         {R"(0: "We must sell the professional " ")" + sport1 + R"(" " team, " [{B1.1}] ",")",
          R"(1: "because we lost their stadium.")"}},
        {"purchase refused: owned",
         [](ReportTest&, CSetDrawMes& m) { m.ShowTeamPurchaseRefused(0, 0, 1, 1); },
         "Report panel 0 auto 0/5000",
         {R"(0: "We can not purchase the professional ")",
          R"(1: ")" + sport0 + R"(" " team, " [{B0.1}] ",")",
          R"(2: "because they are already owned.")"}},
        {"purchase refused: stadium",
         [](ReportTest&, CSetDrawMes& m) { m.ShowTeamPurchaseRefused(0, 0, 1, 2); },
         "Report panel 0 auto 0/5000",
         {R"(0: "We can not purchase the professional ")",
          R"(1: ")" + sport0 + R"(" " team, " [{B0.1}] ",")",
          R"(2: "because their stadium is not available.")"}},
        {"team purchased", [](ReportTest&, CSetDrawMes& m) { m.ShowTeamPurchased(0, 0, 1); },
         "Report panel 0 auto 0/3000",
         {R"(0: "We purchased")",
          R"(1: "the professional " ")" + sport0 + R"(" " team " [{B0.1}] ".")"}},
        {"illegal donations",
         [](ReportTest&, CSetDrawMes& m) { m.ShowIllegalDonations(0, {1, 3}); },
         "Report auto 0/8000",
         {R"(0: [{A0}] [ Governer ] [{G0}] " received illegal donations.")",
          R"(1: "The following company is prohibited")",
          R"(2: "from developing public facilities for one year.")", R"(3: {C1})", R"(4: {C3})"}},
        {"illegal donations without companies",
         [](ReportTest&, CSetDrawMes& m) { m.ShowIllegalDonations(0, {}); },
         "Report auto 0/8000",
         {R"(0: [{A0}] [ Governer ] [{G0}] " received illegal donations.")",
          R"(1: "The following company is prohibited")",
          R"(2: "from developing public facilities for one year.")"}},
        {"repayment demand", [](ReportTest&, CSetDrawMes& m) { m.ShowBankRepaymentDemand(1, 3000, FALSE); },
         "Report panel 1 auto 0/0", {R"(1: "Bank requested " [3000] " loan repayment.")"}},
        {"repayment demand near bankruptcy",
         [](ReportTest&, CSetDrawMes& m) { m.ShowBankRepaymentDemand(1, 3000, TRUE); },
         "Report panel 1 bitmap auto 0/0",
         {R"(1: "Bank requested " [3000] " loan repayment.")",
          R"(3: [Finances are too far in the red.])", R"(4: [Bankruptcy is imminent.])"}},
        {"founded", [](ReportTest&, CSetDrawMes& m) { m.ShowCompanyFounded(1); },
         "Report auto 0/3000",
         {R"(1: {C1} "was established with ")", R"(2: [)" + president1 + R"(] " as president.")"}},
        {"bankruptcy", [](ReportTest&, CSetDrawMes& m) { m.ShowBankruptcy(3); },
         "Report auto 0/5000",
         {R"(1: "Failure to repay bank loans rendered " {C3} " bankrupt.")"}},
        {"merged", [](ReportTest&, CSetDrawMes& m) { m.ShowMerged(3, 1); }, "Report auto 0/5000",
         {R"(1: {C1} " acquired at least 51% of " {C3} " stock merging our companies.")"}},
        {"CEO dismissed", [](ReportTest&, CSetDrawMes& m) { m.ShowCeoDismissed(0, 1, FALSE); },
         "Report panel 0 bitmap auto 0/0",
         {R"(1: "CEO " [Old Chief] " was dismissed")",
          R"(2: "after " {C1} " bought at least 51% of our stocks.")"}},
        {"CEO dismissed, closing itself",
         [](ReportTest&, CSetDrawMes& m) { m.ShowCeoDismissed(0, 1, TRUE); },
         "Report panel 0 bitmap auto 5000/5000",
         {R"(1: "CEO " [Old Chief] " was dismissed")",
          R"(2: "after " {C1} " bought at least 51% of our stocks.")"}},
        {"property to sell", [](ReportTest&, CSetDrawMes& m) { m.ShowMustSellProperty(1); },
         "Report auto 0/0", {R"(1: "We must sell property to repay the bank loan.")"}},
    };
    CheckRows(rows);
}

TEST_F(ReportTest, TheHeadHuntingChanceFollowsTheTargetsAttachment) {
    Role(0)->SetTaskParam(0, roles[2]);
    struct Case {
        int employerRelation;
        const char* text;
    };
    // The target's margin toward the hunter's company is his relation to
    // his employer while he has none toward the hunter.
    const Case cases[] = {{0, "If I push harder maybe it is possible."},
                          {200, "Much patience is needed."},
                          {2000, "t might be beyond our power."}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.employerRelation);
        Role(2)->SetRelation(0, 0);
        Role(2)->SetRelation(1, c.employerRelation);
        ASSERT_EQ(Role(2)->GetRelationMargin(0), c.employerRelation);
        shown.clear();
        CSetDrawMes(frame).ShowHeadhuntFailed(Role(0));
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(Lines(shown[0]).back(), "3: \"" + std::string(c.text) + "\"");
    }
    EXPECT_EQ(CSetDrawMes::ChanceIndex(-50), 0);
    EXPECT_EQ(CSetDrawMes::ChanceIndex(0), 0);
    EXPECT_EQ(CSetDrawMes::ChanceIndex(200), 2);
}

TEST_F(ReportTest, TextTablesGiveTheirFallbackOutsideTheTable) {
    EXPECT_STREQ(CSetDrawMes::Pronoun(1), "him");
    EXPECT_STREQ(CSetDrawMes::Pronoun(2), "her");
    EXPECT_STREQ(CSetDrawMes::Pronoun(5), "him");
    EXPECT_STREQ(CSetDrawMes::Pronoun(-1), "him");
    EXPECT_STREQ(CSetDrawMes::TaskName(13), "Financial Support Team");
    EXPECT_STREQ(CSetDrawMes::TaskName(20), "");
    EXPECT_STREQ(CSetDrawMes::TaskName(-1), "");
    EXPECT_STREQ(CSetDrawMes::ChanceText(4), "It is impossible.");
    EXPECT_STREQ(CSetDrawMes::ChanceText(5), "");
    EXPECT_STREQ(CSetDrawMes::PlanFailureText(5), "t might be beyond our power.");
    EXPECT_STREQ(CSetDrawMes::PlanFailureText(-1), "");
    EXPECT_STREQ(CSetDrawMes::AwarenessText(5), "Complete company awareness.");
    EXPECT_STREQ(CSetDrawMes::AwarenessText(6), "");
    EXPECT_STREQ(CSetDrawMes::InvestmentText(2), " expo promotion completed.");
    EXPECT_STREQ(CSetDrawMes::InvestmentText(4), "");
    EXPECT_STREQ(CSetDrawMes::EffectText(-1), "");
    EXPECT_STREQ(CSetDrawMes::EffectText(4), "");
    EXPECT_STREQ(CSetDrawMes::TalentRemark(0), "");
    EXPECT_STREQ(CSetDrawMes::TalentRemark(3), " is a reliable person.");
    EXPECT_STREQ(CSetDrawMes::TalentRemark(4), "");
    // A director whose task kind lies outside the table names no task.
    shown.clear();
    CSetDrawMes(frame).AskStopTask(nullptr);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(Lines(shown[0]), std::vector<std::string>{R"(1: "I terminated " [] ".")"});
}

}  // namespace
