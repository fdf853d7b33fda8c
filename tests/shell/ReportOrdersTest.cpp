// The confirmations and refusals of the player's orders, and the generic
// one-line confirmation: every builder and every branch, with its box and
// its runs.

#include "ReportFixture.h"

namespace {

using Row = ReportTest::SRow;

// Cell (0, 0) of area 0, its land type made usable or not.
CCellPoint LandCell(CVDoc& doc, bool usable) {
    const CBD* land = doc.GetMap().GetCellStructureType(0, 0, 0, 1);
    EXPECT_NE(land, nullptr);
    if (land) {
        CBD* type = const_cast<CBD*>(land);
        type->SetFlags(usable ? 1 : 0, type->GetSecondFlag(), type->GetThirdFlag());
    }
    return CCellPoint(0, 0);
}

TEST_F(ReportTest, OrderConfirmationsAndRefusals) {
    Role(0)->AssignTask(CPersonData::eTASK_CONSTRUCTION, 10);
    Role(1)->AssignTask(CPersonData::eTASK_HEAD_HUNTING, 10);
    doc->GetMap().GetArea(0).SetCellOwner(1, 2, 2);
    const int office = TypeOfCode(60);
    ASSERT_GE(office, 0);
    doc->GetMap().GetStructureType(office)->SetPriceStep(3);
    const std::string officeName = doc->GetStructureType(office)->GetName();
    // The second pair: a trained director takes less time.
    const int aptitude = Role(0)->GetTaskAptitude(CPersonData::eTASK_CONSTRUCTION, false);
    ASSERT_GT(aptitude, 0);
    const std::string trainedMonths = std::to_string(CSetDrawMes::ConstructionMonths(aptitude, 3));

    const std::vector<Row> rows = {
        {"inadequate funds", [](ReportTest&, CSetDrawMes& m) { m.ShowInadequateFunds(); },
         "Report quiet auto 0/0", {R"(1: "Inadequate funds.  Not possible.")"}},
        {"no directors", [](ReportTest&, CSetDrawMes& m) { m.ShowNoDirectors(); },
         "Report quiet auto 0/0", {R"(1: "No directors available.")"}},
        {"planned EXPO site", [](ReportTest&, CSetDrawMes& m) { m.ShowPlannedExpoSite(); },
         "Report quiet auto 0/0", {R"(1: "Planned EXPO site.")"}},
        {"plot under negotiation",
         [](ReportTest& t, CSetDrawMes& m) {
             m.ShowPlotUnderNegotiation(0, CCellPoint(1, 1), t.Role(1));
         },
         "Report quiet auto 0/0", {R"(1: [{P1}] " is undergoing negotiations.")"}},
        {"unavailable land",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowPlotUnavailable(0, 0, LandCell(*t.doc, false), 0); },
         "Report panel 0 quiet auto 0/3000", {R"(1: "Unavailable " [land] ".")"}},
        {"unavailable building",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowPlotUnavailable(0, 0, LandCell(*t.doc, true), 0); },
         "Report panel 0 quiet auto 0/3000", {R"(1: "Unavailable " [building] ".")"}},
        {"another company's property",
         [](ReportTest&, CSetDrawMes& m) { m.ShowPlotUnavailable(0, 0, CCellPoint(1, 2), 1); },
         "Report panel 0 quiet auto 0/3000", {R"(1: "Property of " {C1} " not for sale.")"}},
        {"an area not expanded into",
         [](ReportTest&, CSetDrawMes& m) { m.ShowPlotUnavailable(0, 0, CCellPoint(1, 2), 2); },
         "Report panel 0 quiet auto 0/3000",
         {R"(1: "You must expand into this area")", R"(2: "before you can develop.")"}},
        {"sale by auction (-1)",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskSaleContract(0, -1, 700)); },
         "Accepted contract to sell panel 0 style 0 Cancel quiet auto 0/0",
         {R"(1: "We will auction this with a minimal bid of " [700] " by month end.")"}},
        {"sale by auction (-2)",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskSaleContract(0, -2, 700)); },
         "Accepted contract to sell panel 0 style 0 Cancel quiet auto 0/0",
         {R"(1: "We will auction this with a minimal bid of " [700] " by month end.")"}},
        {"sale to a buyer",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskSaleContract(0, 2, 900)); },
         "Accepted contract to sell panel 0 style 0 Cancel quiet auto 0/0",
         {R"(1: "Contracting " {C2})", R"(2: " to sell for " [900] " by month end.")"}},
        {"already expanded",
         [](ReportTest&, CSetDrawMes& m) { m.ShowCannotBuildOffice(0, TRUE); },
         "Report panel 0 Cancel quiet auto 0/0",
         {R"(1: "Already expanded into this area.")",
          R"(2: "Additional branch office unfeasible.")"}},
        {"not penetrated", [](ReportTest&, CSetDrawMes& m) { m.ShowCannotBuildOffice(0, FALSE); },
         "Report panel 0 Cancel quiet auto 0/0",
         {R"(1: "We must penetrate the area before we can develop.")"}},
        {"construction order",
         [office](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(m.AskConstructionOrder(3, office, 1200));
         },
         "Construction Order Confirmation Cancel quiet auto 0/0",
         {R"(0: "Contracting " {C3} " to develop")",
          R"(1: "the " [)" + officeName + R"(] " for " [1200] " by month end.")"}},
        {"demolition",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskConstruction(t.Role(0), -1)); },
         "Report face {i0} Cancel quiet auto 0/0", {R"(1: "I will demolish this.")"}},
        {"construction: a trained director",
         [office](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(m.AskConstruction(t.Role(0), office));
         },
         "Report face {i0} Cancel quiet auto 0/0",
         {R"(1: "Commence " [)" + officeName + R"(] " construction")",
          R"(2: "with a " [)" + trainedMonths + R"(] " month finishing time.")"}},
        {"reinforcement",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskReinforcement(t.Role(0))); },
         "Report face {i0} Cancel quiet auto 0/0",
         {R"(1: "I will reinforce this for " [5] ".")"}},
        {"planned construction, not selling",
         [](ReportTest&, CSetDrawMes& m) { m.ShowLandUseConflict(1, FALSE); },
         "Report quiet auto 0/0", {R"(2: "Can not develop on land with planned construction.")"}},
        {"planned construction, selling",
         [](ReportTest&, CSetDrawMes& m) { m.ShowLandUseConflict(1, TRUE); },
         "Report quiet auto 0/0", {R"(2: "Planned land for development can not be sold.")"}},
        {"land for sale, not selling",
         [](ReportTest&, CSetDrawMes& m) { m.ShowLandUseConflict(2, FALSE); },
         "Report quiet auto 0/0", {R"(2: "Land for sale can not be developed.")"}},
        {"land for sale, selling",
         [](ReportTest&, CSetDrawMes& m) { m.ShowLandUseConflict(0, TRUE); },
         "Report quiet auto 0/0", {R"(2: "Land for sale can not be sold.")"}},
        {"advertising",
         [](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(m.AskAdvertising(t.Role(0), "All", 250));
         },
         "Report face {i0} Cancel quiet auto 0/0",
         {R"(1: "Begin " [All] " advertising campaign for " [250] ".")"}},
        {"stock purchase",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskPurchaseStock(t.Role(0), 2)); },
         "Report face {i0} Cancel quiet auto 0/0", {R"(1: "I will purchase " {C2} " stock.")"}},
        {"city project",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskInvestment(t.Role(0), 1, 0, 40)); },
         "Report face {i0} Cancel quiet auto 0/0",
         {R"(1: "We will invest " [40] " in " [{A1}])", R"(2: [city project] ".")"}},
        {"disaster prevention",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskInvestment(t.Role(0), 1, 1, 40)); },
         "Report face {i0} Cancel quiet auto 0/0",
         {R"(1: "We will invest " [40] " in " [{A1}])", R"(2: "disaster prevention" ".")"}},
        {"EXPO promotion",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskInvestment(t.Role(0), 1, 2, 40)); },
         "Report face {i0} Cancel quiet auto 0/0",
         {R"(1: "We will invest " [40] " in " [{A1}])", R"(2: [Expo  promotion] ".")"}},
        {"donation",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskInvestment(t.Role(0), 0, 3, 60)); },
         "Report face {i0} Cancel quiet auto 0/0",
         {R"(1: "We will donate " [60] " to the " [{A0}] " governor.")"}},
        {"investment of kind 4: an empty box",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskInvestment(t.Role(0), 0, 4, 60)); },
         "Report face {i0} Cancel quiet auto 0/0", {}},
        {"head hunting",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskHeadhunt(t.Role(0), t.Role(2))); },
         "Report face {i0} Cancel quiet auto 0/0",
         {R"(1: "I will headhunt " [{P2}] " from " {C1} ".")"}},
        {"head hunting a person without employer",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskHeadhunt(t.Role(0), t.Role(3))); },
         "Report face {i0} Cancel quiet auto 0/0", {R"(1: "I will headhunt " [{P3}] ".")"}},
        {"selling one share",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskSellStock(0, 1, 1, 80)); },
         "Report panel 0 Cancel quiet auto 0/0",
         {R"(1: "We will sell our " [1] " " {C1} " stock for " [80] " total.")"}},
        {"selling two shares",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskSellStock(0, 1, 2, 160)); },
         "Report panel 0 Cancel quiet auto 0/0",
         {R"(1: "We will sell our " [2] " " {C1} " stocks for " [160] " total.")"}},
        {"home field occupied", [](ReportTest&, CSetDrawMes& m) { m.ShowHomeFieldOccupied(0); },
         "Report panel 0 quiet auto 0/0",
         {R"(0: "We can not base our team here")",
          R"(1: "because it is already occupied by another team.")"}},
        {"home field",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskHomeField(0)); },
         "Report panel 0 Cancel quiet auto 0/0", {R"(1: "We shall base our home field here.")"}},
        {"team investment to win",
         [](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(m.AskTeamInvestment(t.Role(0), &t.doc->GetMap().GetProTeam(0, 1), 1, 30));
         },
         "Report face {i0} Cancel quiet auto 0/0",
         {R"(0: "We shall invest " [30] " in " [{B0.1}])", R"(1: "to help them win more games.")"}},
        {"team investment for popularity",
         [](ReportTest& t, CSetDrawMes& m) {
             t.answers.push_back(m.AskTeamInvestment(t.Role(0), &t.doc->GetMap().GetProTeam(0, 1), 0, 30));
         },
         "Report face {i0} Cancel quiet auto 0/0",
         {R"(0: "We shall invest " [30] " in " [{B0.1}])", R"(1: "to increase their popularity.")"}},
        {"cannot stop a task",
         [](ReportTest& t, CSetDrawMes& m) { m.ShowCannotStopTask(0, t.Role(0)); },
         "Report panel 0 auto 0/0", {R"(0: "We cannot stop ")", R"(1: [Construction] ".")"}},
        {"stop a task",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskStopTask(t.Role(1))); },
         "Report face {i1} Cancel quiet auto 0/0", {R"(1: "I terminated " [Head Hunting] ".")"}},
        {"lay off a director",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskLayoff(1, 2, 0)); },
         "Report panel 1 Cancel quiet auto 0/0", {R"(1: [{P2}] [ will be fired.])"}},
        {"lay off employees",
         [](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.AskLayoff(1, 0, 12)); },
         "Report panel 1 Cancel quiet auto 0/0", {R"(1: [12] " employees will be fired.")"}},
    };
    CheckRows(rows);
    // Every confirmation closed with OK said yes.
    for (BOOL a : answers) EXPECT_EQ(a, TRUE);
}

TEST(ConstructionMonthsTest, TheDirectorsAptitudeShortensTheWork) {
    // d = (a / 2 + 2000) / 10; months = figure x 300 / d + 1.
    EXPECT_EQ(CSetDrawMes::ConstructionMonths(0, 3), 5);
    EXPECT_EQ(CSetDrawMes::ConstructionMonths(2000, 3), 4);
    EXPECT_EQ(CSetDrawMes::ConstructionMonths(8000, 3), 2);
    EXPECT_EQ(CSetDrawMes::ConstructionMonths(0, 0), 1);
}

TEST_F(ReportTest, TheStadiumChoiceListsTheAreasWithQualifyingCells) {
    const CMapDoc& map = doc->GetMap();
    for (int league = 0; league < 2; ++league) {
        SCOPED_TRACE(league);
        const bool baseball = map.GetLeague(league).IsRankedByRate() != 0;
        const int list = baseball ? 0 : 1;
        std::vector<std::string> expected = {
            "0: \"Select the stadium location for\"",
            "1: \"the professional \" \"" + std::string(baseball ? "Baseball" : "Football") +
                "\" \" team \" [" + map.GetProTeam(league, 0).GetName() + "] \".\"",
            "2: \"Potential stadium areas.\""};
        int y = 3;
        for (int area = 0; area < map.GetAreaCount(); ++area)
            if (map.CountQualifyingListCells(0, list, area, -1, CCellPoint(-1, -1)) != 0)
                expected.push_back(std::to_string(y++) + ": @2 \"   \" [" + doc->GetAreaName(area) +
                                   "]");
        const SResult result = RunBoth([&](CSetDrawMes& m) { m.ShowStadiumChoice(0, league, 0); });
        EXPECT_EQ(result.settings, "Report panel 0 quiet");
        EXPECT_EQ(result.localClose, 0);
        EXPECT_EQ(result.networkClose, 0);
        EXPECT_EQ(result.lines, expected);
    }
    // Both kinds of league are in the fixture.
    EXPECT_NE(map.GetLeague(0).IsRankedByRate(), map.GetLeague(1).IsRankedByRate());
}

TEST_F(ReportTest, ShowLinesPutsTheStringsUnderTheFace) {
    const std::vector<std::string> strings = {"I will recruit new employees.", "Second."};
    const std::vector<Row> rows = {
        {"normal", [&](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.ShowLines(t.Role(0), strings, FALSE, 2)); },
         "Report face {i0} Cancel quiet auto 0/0",
         {R"(1: "I will recruit new employees.")", R"(2: "Second.")"}},
        {"bold", [&](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.ShowLines(t.Role(0), strings, TRUE, 1)); },
         "Report face {i0} Cancel quiet auto 0/0", {R"(1: [I will recruit new employees.])"}},
        {"n = 0: the face only", [&](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.ShowLines(t.Role(0), strings, TRUE, 0)); },
         "Report face {i0} Cancel quiet auto 0/0", {}},
        {"n beyond the strings", [&](ReportTest& t, CSetDrawMes& m) { t.answers.push_back(m.ShowLines(t.Role(0), strings, FALSE, 5)); },
         "Report face {i0} Cancel quiet auto 0/0",
         {R"(1: "I will recruit new employees.")", R"(2: "Second.")"}},
    };
    CheckRows(rows);
}

TEST_F(ReportTest, ConfirmationsAnswerNoWhenCancelled) {
    answer = IDCANCEL;
    const std::vector<std::function<BOOL(CSetDrawMes&)>> questions = {
        [&](CSetDrawMes& m) { return m.AskSaleContract(0, 1, 10); },
        [&](CSetDrawMes& m) { return m.AskConstructionOrder(1, 0, 10); },
        [&](CSetDrawMes& m) { return m.AskConstruction(Role(0), -1); },
        [&](CSetDrawMes& m) { return m.AskReinforcement(Role(0)); },
        [&](CSetDrawMes& m) { return m.AskAdvertising(Role(0), "All", 1); },
        [&](CSetDrawMes& m) { return m.AskPurchaseStock(Role(0), 1); },
        [&](CSetDrawMes& m) { return m.AskInvestment(Role(0), 0, 0, 1); },
        [&](CSetDrawMes& m) { return m.AskHeadhunt(Role(0), Role(2)); },
        [&](CSetDrawMes& m) { return m.AskSellStock(0, 1, 1, 1); },
        [&](CSetDrawMes& m) { return m.AskHomeField(0); },
        [&](CSetDrawMes& m) { return m.AskTeamInvestment(Role(0), nullptr, 0, 1); },
        [&](CSetDrawMes& m) { return m.AskStopTask(Role(0)); },
        [&](CSetDrawMes& m) { return m.AskLayoff(0, 0, 1); },
        [&](CSetDrawMes& m) { return m.ShowLines(Role(0), {"x"}, FALSE, 1); },
        [&](CSetDrawMes& m) { return m.AskBuyNewStock(0, 1, 1, 1); },
        [&](CSetDrawMes& m) {
            return m.AskGovernorContract(0, 1, 0, CCellPoint(0, 0), CCellPoint(1, 1), 0, 1, FALSE);
        },
    };
    for (size_t i = 0; i < questions.size(); ++i) {
        SCOPED_TRACE(i);
        CSetDrawMes mes(frame);
        EXPECT_EQ(questions[i](mes), FALSE);
    }
}

}  // namespace
