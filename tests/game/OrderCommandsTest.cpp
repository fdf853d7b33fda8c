#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "CommandFixture.h"
#include "model/League.h"

namespace {

// One command with its scripted answers, and what it asks, shows and
// orders.
struct SCommandRow {
    const char* name;
    std::function<void(CommandTest&)> prepare;
    std::function<void(COrderCommands&)> run;
    std::vector<SPersonAnswer> persons;
    std::vector<SDialogAnswer> answers;
    std::vector<bool> confirms;
    std::vector<std::string> dialogCalls;
    std::vector<std::string> reports;
    std::vector<std::string> orders;
};

class OrderCommandsTest : public CommandTest {
protected:
    void RunRows(const std::vector<SCommandRow>& rows) {
        for (const SCommandRow& row : rows) {
            SCOPED_TRACE(row.name);
            ASSERT_EQ(seatDoc.LoadBytes(start), -1);
            Reset();
            if (row.prepare) row.prepare(*this);
            dialogs.personAnswers.assign(row.persons.begin(), row.persons.end());
            dialogs.answers.assign(row.answers.begin(), row.answers.end());
            report.confirmAnswers.assign(row.confirms.begin(), row.confirms.end());
            row.run(Commands());
            EXPECT_EQ(dialogs.calls, row.dialogCalls);
            EXPECT_EQ(Reports(), row.reports);
            EXPECT_EQ(Orders(), row.orders);
        }
    }
    void Reset() {
        dialogs = CScriptedDialogService();
        report.calls.clear();
        report.orderReports.clear();
        report.confirmAnswers.clear();
        seat.orders.clear();
        seat.orderRoutes.clear();
        frame = CFakeFrameService();
        frame.shownArea = 0;
    }
    std::string Rec(int type, std::vector<int> kinds, std::vector<int> params,
                    std::vector<CCellPoint> points, std::vector<int> values) {
        return OrderText(OrderRecord(type, kinds, params, points, values));
    }
};

using C = COrderCommands&;
using F = CommandTest&;

TEST_F(OrderCommandsTest, EachMenuCommandAsksConfirmsAndIssuesItsOrder) {
    const int target = game.Director(1, 0);
    const std::string c = "(0," + std::to_string(d0) + ")", c1 = "(0," + std::to_string(d1) + ")";
    const CCellPoint none(-1, -1);
    const int supportCost = Map().GetLeagueFigure(0, 0);
    const std::vector<SCommandRow> rows = {
        {"acquire land", {}, [](C m) { m.DoAcquireLand(); }, {Choose(d1)}, {Answer(700)}, {},
         {"SelectPerson(0,2,0,0)", "ConfirmBuyMap(" + std::to_string(d1) + ")"}, {},
         {Rec(2, {d1}, {0}, {none}, {700})}},
        {"acquire land, director cancelled", {}, [](C m) { m.DoAcquireLand(); }, {}, {}, {},
         {"SelectPerson(0,2,0,0)"}, {}, {}},
        {"acquire land, amount cancelled", {}, [](C m) { m.DoAcquireLand(); }, {Choose(d0)}, {},
         {}, {"SelectPerson(0,2,0,0)", "ConfirmBuyMap(" + std::to_string(d0) + ")"}, {}, {}},
        {"recruit employees", {}, [](C m) { m.DoRecruitEmployees(); }, {Choose(d0)}, {}, {},
         {"SelectPerson(0,9,0,0)"}, {"Confirm" + c + " I will recruit new employees."},
         {Rec(12, {d0}, {}, {}, {})}},
        {"recruit employees, not confirmed", {}, [](C m) { m.DoRecruitEmployees(); },
         {Choose(d0)}, {}, {false}, {"SelectPerson(0,9,0,0)"},
         {"Confirm" + c + " I will recruit new employees."}, {}},
        {"recruit employees, one director: no choice",
         [](F t) { t.SeatCompany(0).RemoveDirector(t.d1); }, [](C m) { m.DoRecruitEmployees(); },
         {}, {}, {}, {}, {"Confirm" + c + " I will recruit new employees."},
         {Rec(12, {d0}, {}, {}, {})}},
        {"recruit management", {}, [](C m) { m.DoRecruitManagement(); }, {Choose(d1)}, {}, {},
         {"SelectPerson(0,2,0,0)"}, {"Confirm" + c1 + " I will recruit upper management."},
         {Rec(13, {d1}, {}, {}, {})}},
        {"loan", {}, [](C m) { m.DoLoan(); }, {Choose(d0)}, {}, {}, {"SelectPerson(0,4,0,0)"},
         {"Confirm" + c + " I will apply for a loan."}, {Rec(19, {d0}, {}, {}, {})}},
        {"headhunting", {}, [](C m) { m.DoHeadhunting(); }, {Choose(target), Choose(d0)}, {},
         {}, {"SelectPerson(0,0,0,0)", "SelectPerson(0,4,0,0)"},
         {"Confirm" + c + " I will headhunt " + PersonName(target) + " from " + Name(1) + "."},
         {Rec(14, {d0, target}, {}, {}, {})}},
        {"headhunting, own director chosen as target", {}, [](C m) { m.DoHeadhunting(); },
         {Choose(d1)}, {}, {}, {"SelectPerson(0,0,0,0)"}, {}, {}},
        {"headhunting, the only company",
         [](F t) {
             t.seatDoc.RemoveEnterprise(2);
             t.seatDoc.RemoveEnterprise(1);
         },
         [](C m) { m.DoHeadhunting(); }, {Choose(target), Choose(d0)}, {}, {}, {}, {}, {}},
        {"repay loan", {}, [](C m) { m.DoRepayLoan(); }, {}, {Answer(300)}, {},
         {"InputDebt(5000,1000)"}, {}, {Rec(20, {}, {}, {}, {300})}},
        {"repay loan, cancelled", {}, [](C m) { m.DoRepayLoan(); }, {}, {}, {},
         {"InputDebt(5000,1000)"}, {}, {}},
        {"advertising in the area", {}, [](C m) { m.DoAdvertising(); }, {Choose(d1)},
         {Answer(0, 200)}, {}, {"InputPublicityCampaign(5000)", "SelectPerson(0,8,0,0)"},
         {"Confirm" + c1 + " Begin Harbor advertising campaign for 200."},
         {Rec(17, {d1}, {0}, {}, {200})}},
        {"advertising in all cities", {}, [](C m) { m.DoAdvertising(); }, {Choose(d0)},
         {Answer(1, 250)}, {}, {"InputPublicityCampaign(5000)", "SelectPerson(0,8,0,0)"},
         {"Confirm" + c + " Begin all cities advertising campaign for 250."},
         {Rec(17, {d0}, {-1}, {}, {250})}},
        {"advertising without funds", [](F t) { t.SeatCompany(0).SetFunds(0); },
         [](C m) { m.DoAdvertising(); }, {Choose(d0)}, {Answer(1, 250)}, {}, {}, {}, {}},
        {"advertising without a free director",
         [](F t) {
             t.GiveTask(t.d0, 3);
             t.GiveTask(t.d1, 3);
         },
         [](C m) { m.DoAdvertising(); }, {Choose(d0)}, {Answer(1, 250)}, {}, {}, {}, {}},
        {"purchase stock", {}, [](C m) { m.DoPurchaseStock(); }, {Choose(1, true), Choose(d0)},
         {}, {}, {"SelectPerson(0,0,1,1)", "SelectPerson(0,6,0,0)"},
         {"Confirm" + c + " I will purchase " + Name(1) + " stock."},
         {Rec(4, {d0}, {}, {}, {1})}},
        {"purchase stock, company cancelled", {}, [](C m) { m.DoPurchaseStock(); }, {}, {}, {},
         {"SelectPerson(0,0,1,1)"}, {}, {}},
        {"investment in a city project", {}, [](C m) { m.DoInvestment(); }, {Choose(d0)},
         {Answer(0, 300)}, {}, {"InputInvestment(0)", "SelectPerson(0,1,0,0)"},
         {"Confirm" + c + " We will invest 300 in Harborcity project"},
         {Rec(21, {d0}, {0}, {}, {0, 300})}},
        {"investment in expo promotion", {}, [](C m) { m.DoInvestment(); }, {Choose(d0)},
         {Answer(2, 40)}, {}, {"InputInvestment(0)", "SelectPerson(0,1,0,0)"},
         {"Confirm" + c + " We will invest 40 in HarborExpo  promotion"},
         {Rec(21, {d0}, {0}, {}, {2, 40})}},
        {"donation to the governor", {}, [](C m) { m.DoInvestment(); }, {Choose(d1)},
         {Answer(3, 90)}, {}, {"InputInvestment(0)", "SelectPerson(0,1,0,0)"},
         {"Confirm" + c1 + " We will donate 90 to the Harbor governor."},
         {Rec(21, {d1}, {0}, {}, {3, 90})}},
        {"investment of an unknown kind", {}, [](C m) { m.DoInvestment(); }, {Choose(d1)},
         {Answer(4, 90)}, {}, {"InputInvestment(0)"}, {}, {}},
        {"lay-off of employees", {}, [](C m) { m.DoLayoff(); }, {}, {Answer(0, 20)}, {},
         {"InputLayoff(0)"}, {"Confirm(0,-1) 20 employees will be fired."},
         {Rec(16, {}, {}, {}, {0, 20})}},
        {"lay-off of the second director", {}, [](C m) { m.DoLayoff(); }, {}, {Answer(2)}, {},
         {"InputLayoff(0)"}, {"Confirm" + c1 + " " + PersonName(d1) + " will be fired."},
         {Rec(16, {}, {}, {}, {2, 0})}},
        {"lay-off of a director not on the staff", {}, [](C m) { m.DoLayoff(); }, {},
         {Answer(3)}, {}, {"InputLayoff(0)"}, {}, {}},
        {"sell team", {}, [](C m) { m.DoSellProTeam(); }, {}, {Answer(0)}, {},
         {"SelectProTeam(0,0,0)"}, {}, {Rec(7, {}, {}, {}, {0})}},
        {"sell a team not owned", {}, [](C m) { m.DoSellProTeam(); }, {}, {Answer(1)}, {},
         {"SelectProTeam(0,0,0)"}, {}, {}},
        {"financial support to win", {}, [](C m) { m.DoFinancialSupport(); }, {Choose(d0)},
         {Answer(0, 1)}, {}, {"SelectProTeam(1,0,0)", "SelectPerson(0,1,0,0)"},
         {"Confirm" + c + " We shall invest " + std::to_string(supportCost) +
          " in Harbor Gulls to help them win more games."},
         {Rec(22, {d0}, {}, {}, {0, 1})}},
        {"financial support for popularity", {}, [](C m) { m.DoFinancialSupport(); },
         {Choose(d1)}, {Answer(0, 0)}, {}, {"SelectProTeam(1,0,0)", "SelectPerson(0,1,0,0)"},
         {"Confirm" + c1 + " We shall invest " + std::to_string(supportCost) +
          " in Harbor Gulls to increase their popularity."},
         {Rec(22, {d1}, {}, {}, {0, 0})}},
        {"abandon a task", [](F t) { t.GiveTask(t.d1, 3); }, [](C m) { m.DoAbandonProject(); },
         {}, {}, {}, {}, {"Confirm" + c1 + " I terminated Recruiting Employees."},
         {Rec(15, {d1}, {}, {}, {})}},
        {"abandon, the only busy director builds", [](F t) { t.GiveTask(t.d0, 6); },
         [](C m) { m.DoAbandonProject(); }, {Choose(d0)}, {}, {}, {},
         {"Show" + c + " We cannot stop Construction."}, {}},
        {"abandon, a builder refused, then another chosen",
         [](F t) {
             t.GiveTask(t.d0, 7);
             t.GiveTask(t.d1, 9);
         },
         [](C m) { m.DoAbandonProject(); }, {Choose(d0), Choose(d1)}, {}, {},
         {"SelectPerson(0,0,0,0)", "SelectPerson(0,0,0,0)"},
         {"Show" + c + " We cannot stop Contracting Construction.",
          "Confirm" + c1 + " I terminated Advertising."},
         {Rec(15, {d1}, {}, {}, {})}},
        {"abandon, the refused builder chosen again",
         [](F t) {
             t.GiveTask(t.d0, 6);
             t.GiveTask(t.d1, 9);
         },
         [](C m) { m.DoAbandonProject(); }, {Choose(d0), Choose(d0), Choose(d0)}, {}, {},
         {"SelectPerson(0,0,0,0)", "SelectPerson(0,0,0,0)"},
         {"Show" + c + " We cannot stop Construction."}, {}},
        {"abandon, every busy director builds",
         [](F t) {
             t.GiveTask(t.d0, 6);
             t.GiveTask(t.d1, 6);
         },
         [](C m) { m.DoAbandonProject(); }, {Choose(d0), Choose(d1), Choose(d0)}, {}, {},
         {"SelectPerson(0,0,0,0)", "SelectPerson(0,0,0,0)"},
         {"Show" + c + " We cannot stop Construction.",
          "Show" + c1 + " We cannot stop Construction."},
         {}},
        {"abandon with nobody busy", {}, [](C m) { m.DoAbandonProject(); }, {Choose(d0)}, {},
         {}, {}, {}, {}},
    };
    RunRows(rows);
}

TEST_F(OrderCommandsTest, AStockSaleConfirmsTheQuantityAndTheTotal) {
    struct SCase {
        int quantity;
        const char* word;
    };
    for (const SCase& sale : std::vector<SCase>{{1, "stock"}, {2, "stocks"}, {5, "stocks"}}) {
        SCOPED_TRACE(sale.quantity);
        ASSERT_EQ(seatDoc.LoadBytes(start), -1);
        Reset();
        seatDoc.SetStockHolding(1, 0, 5);
        const int total = seatDoc.GetStockPrice(1) * sale.quantity;
        dialogs.answers = {Answer(1, sale.quantity)};
        Commands().DoSellStock();
        EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"InputSaleStocks(0)"}));
        EXPECT_EQ(Reports(), (std::vector<std::string>{
                                 "Confirm(0,-1) We will sell our " + std::to_string(sale.quantity) +
                                 " " + Name(1) + " " + sale.word + " for " +
                                 std::to_string(total) + " total."}));
        EXPECT_EQ(Orders(), (std::vector<std::string>{Rec(5, {}, {}, {}, {1, sale.quantity})}));
    }
}

TEST_F(OrderCommandsTest, AStockSaleOfSharesNotHeldIsNotOffered) {
    for (SDialogAnswer answer : {Answer(1, 6), Answer(1, 0), Answer(7, 1)}) {
        ASSERT_EQ(seatDoc.LoadBytes(start), -1);
        Reset();
        seatDoc.SetStockHolding(1, 0, 5);
        dialogs.answers = {answer};
        Commands().DoSellStock();
        EXPECT_TRUE(Reports().empty());
        EXPECT_TRUE(Orders().empty());
    }
}

TEST_F(OrderCommandsTest, TheDirectorDialogShowsThePromptAndValueOfTheCommand) {
    struct SCase {
        int prompt;
        const char* text;
        int value;
    };
    const std::vector<SCase> cases = {
        {0, "Select land purchasing director.", 2},
        {1, "Select designated land purchasing director.", 4},
        {2, "Select human resources director.", 9},
        {3, "Select head hunting director.", 2},
        {4, "Select head hunting director to recruit employees from other companies.", 4},
        {5, "Select loan application director.", 4},
        {6, "Select advertising director.", 8},
        {7, "Select investing director.", 1},
        {8, "Select construction director.", 16},
        {9, "Select stock purchasing director.", 6},
        {10, "Select team temporary manager.", 1},
    };
    GiveTask(d1, 3);
    for (const SCase& row : cases) {
        SCOPED_TRACE(row.text);
        dialogs = CScriptedDialogService();
        dialogs.personAnswers = {Choose(d0)};
        EXPECT_EQ(Commands().SelectDirector(0, row.prompt, 0), d0);
        ASSERT_EQ(dialogs.personDialogs.size(), 1u);
        const SPersonDialog& shown = dialogs.personDialogs[0];
        EXPECT_EQ(shown.prompt, row.text);
        EXPECT_EQ(shown.dialogValue, row.value);
        // Every director in staff order; only those without a task can be
        // chosen, each with the name of its task.
        ASSERT_EQ(shown.entries.size(), 2u);
        EXPECT_EQ(shown.entries[0].id, d0);
        EXPECT_EQ(shown.entries[0].selectable, 1);
        EXPECT_EQ(shown.entries[0].task, "None");
        EXPECT_EQ(shown.entries[1].id, d1);
        EXPECT_EQ(shown.entries[1].selectable, 0);
        EXPECT_EQ(shown.entries[1].task, "Recruiting Employees");
    }
    // The busy director cannot be chosen, whatever the dialog answers.
    dialogs.personAnswers = {Choose(d1)};
    EXPECT_EQ(Commands().SelectDirector(0, 0, 0), -1);
}

TEST_F(OrderCommandsTest, WithoutAFreeDirectorOnlyTheAbandonPromptOpensTheDialog) {
    GiveTask(d0, 3);
    GiveTask(d1, 9);
    for (int prompt = 0; prompt <= 10; ++prompt) {
        dialogs.personAnswers = {Choose(d0)};
        EXPECT_EQ(Commands().SelectDirector(0, prompt, 0), -1) << prompt;
    }
    EXPECT_TRUE(dialogs.calls.empty());
    dialogs.personAnswers = {Choose(d1)};
    EXPECT_EQ(Commands().SelectDirector(0, 11, 0), d1);
    ASSERT_EQ(dialogs.personDialogs.size(), 1u);
    EXPECT_EQ(dialogs.personDialogs[0].prompt, "Select operations cancelling director.");
    EXPECT_EQ(dialogs.personDialogs[0].dialogValue, 0);
}

TEST_F(OrderCommandsTest, StockOfACompanyWithoutFreeSharesIsUnavailable) {
    // Company 2's shares are all in company 0's hands; company 1 keeps one
    // share outside.
    for (int c = 0; c < 3; ++c) seatDoc.SetStockHolding(c, -1, 1000);
    seatDoc.SetStockHolding(2, 0, seatDoc.GetStockHolding(2, -1));
    seatDoc.SetStockHolding(1, 2, seatDoc.GetStockHolding(1, -1) - seatDoc.GetStockHolding(1, 0) -
                                      seatDoc.GetStockHolding(1, 1) - 1);
    dialogs.personAnswers = {Choose(2, true)};
    Commands().DoPurchaseStock();
    ASSERT_EQ(dialogs.personDialogs.size(), 1u);
    const SPersonDialog& shown = dialogs.personDialogs[0];
    EXPECT_EQ(shown.caption, "Purchase Stock-Company Name");
    EXPECT_EQ(shown.prompt, "Select stock-company name.");
    std::vector<std::pair<int, int>> entries;
    for (const SPersonDialog::SEntry& entry : shown.entries) {
        EXPECT_TRUE(entry.outside);
        entries.emplace_back(entry.id, entry.unavailable);
    }
    EXPECT_EQ(entries, (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 1}}));
    // The unavailable company cannot be chosen.
    EXPECT_TRUE(Orders().empty());
    EXPECT_EQ(dialogs.personDialogs.size(), 1u);
}

TEST_F(OrderCommandsTest, TheScoreRemembersTheLeagueShownAndPlaysTheLeagueMusic) {
    frame.shownLeague = 2;
    dialogs.answers = {SDialogAnswer{false, 1, 0}};
    Commands().DoShowScore();
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"ShowLeagues(0,2,0,0)"}));
    EXPECT_EQ(frame.shownLeague, 1);
    EXPECT_EQ(FrameCalls({"PlayMusic"}), (std::vector<std::string>{"PlayMusic(3,0)"}));
}

TEST_F(OrderCommandsTest, ATeamPurchaseOrHomeFieldChangeStartsTheStadiumPick) {
    struct SCase {
        const char* name;
        std::function<void(C)> run;
        SDialogAnswer answer;
        std::string dialog;
        std::string prompt;
        int mode;
        int league, team;
    };
    // League 1 is ranked by rate: baseball in code-85 stadiums; the others
    // play football in code-80 ones.
    const std::vector<SCase> cases = {
        {"purchase, league 2", [](C m) { m.DoPurchaseProTeam(); }, Answer(2, 1),
         "ShowLeagues(2,0,5000,0)", "the professional Football team Ridge Owls", 8, 2, 1},
        {"purchase, league 1", [](C m) { m.DoPurchaseProTeam(); }, Answer(1, 0),
         "ShowLeagues(2,0,5000,0)", "the professional Baseball team Copper Hawks", 7, 1, 0},
        {"home field change", [](C m) { m.DoChangeHomeField(); }, Answer(0),
         "SelectProTeam(2,0,0)", "the professional Football team Harbor Gulls", 10, 0, 0},
    };
    for (const SCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        dialogs.answers = {row.answer};
        row.run(Commands());
        EXPECT_EQ(dialogs.calls, (std::vector<std::string>{row.dialog}));
        EXPECT_EQ(Reports(), (std::vector<std::string>{"Show(0,-1) Select the stadium location for " +
                                                       row.prompt + " Potential stadium areas."}));
        EXPECT_EQ(frame.mapPickMode, row.mode);
        EXPECT_EQ(frame.pickOn, 1);
        EXPECT_EQ(frame.GetPickParam(0), row.league);
        EXPECT_EQ(frame.GetPickParam(1), row.team);
        EXPECT_EQ(frame.cursorWidth * frame.cursorHeight, 1);
    }
    // A cancelled purchase plays the league music and picks nothing.
    Reset();
    Commands().DoPurchaseProTeam();
    EXPECT_EQ(frame.mapPickMode, 0);
    EXPECT_EQ(FrameCalls({"PlayMusic"}), (std::vector<std::string>{"PlayMusic(3,0)"}));
}

TEST_F(OrderCommandsTest, TheAdviceAndThePortfolioOfTheShownArea) {
    Commands().DoAdvice();
    EXPECT_EQ(report.calls, (std::vector<std::string>{"ShowAdvice(0)"}));
    // The portfolio lists the anchor cells the company owns in the area.
    PrepareLot({0, 4}, 0);
    PrepareLot({1, 4}, 0, 55);
    PrepareLot({2, 4}, 1);
    // The arena of (3, 3) to (5, 4) is listed once, at its anchor.
    Map().SetStructureOwner(0, 5, 4, 1);
    SeatCompany(0).AddAreaLand(0, 2);
    Commands().DoRealEstatePortfolio();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    const std::string& call = dialogs.calls[0];
    ASSERT_EQ(call.rfind("ShowProperties(0", 0), 0u) << call;
    // The rows' cells follow the selection mode.
    std::vector<int> values;
    for (size_t at = call.find(',') ; at != std::string::npos; at = call.find(',', at + 1))
        values.push_back(std::stoi(call.substr(at + 1)));
    std::set<std::pair<int, int>> rows;
    for (size_t i = 0; i + 1 < values.size(); i += 2) rows.emplace(values[i], values[i + 1]);
    for (std::pair<int, int> listed : {std::pair{0, 4}, {1, 4}, {5, 4}})
        EXPECT_TRUE(rows.count(listed)) << listed.first << "," << listed.second << " in " << call;
    for (std::pair<int, int> left : {std::pair{2, 4}, {3, 3}, {4, 4}, {3, 4}, {4, 3}, {5, 3}})
        EXPECT_FALSE(rows.count(left)) << left.first << "," << left.second << " in " << call;
}

}  // namespace
