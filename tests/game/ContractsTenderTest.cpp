// Public tenders: the lowest bid at most the ceiling wins; who may bid,
// and who builds for the winner.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "ContractsFixture.h"
#include "platform/core/RuntimeRandom.h"

namespace {

class TenderTest : public ContractsTest {
protected:
    static SDialogAnswer Bid(int value) { return {true, value, 0}; }
    int ceiling() const { return cost * 2 + 50; }
    std::string Dialog(int c, int lowest) const {
        return "InputBidPrice(" + std::to_string(c) + "," + std::to_string(house) + "," +
               std::to_string(cost) + "," + Site() + "," + std::to_string(lowest) + "," +
               std::to_string(ceiling()) + ")";
    }
};

TEST_F(TenderTest, TheLowestBidAtMostTheCeilingWins) {
    struct Case {
        const char* name;
        SDialogAnswer bid0, bid1;
        int winner, price;
    };
    const int top = cost * 2 + 50;
    const std::vector<Case> cases = {
        {"the lower bid", Bid(top - 10), Bid(top - 20), 1, top - 20},
        {"the first bid lower", Bid(top - 30), Bid(top - 20), 0, top - 30},
        {"a bid at the ceiling", Bid(top), {}, 0, top},
        {"a bid above the ceiling never wins", Bid(top + 1), {}, -1, 0},
        {"nobody bids", {}, {}, -1, 0},
    };
    const std::vector<uint8_t> initial = doc.SaveBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        report.calls.clear();
        frame.infoLines.clear();
        dialogs.bidAnswers = {c.bid0, c.bid1};
        const int funds = c.winner >= 0 ? doc.GetEnterprise(c.winner)->GetFunds() : 0;
        EXPECT_EQ(doc.RunTender(0, kX, kY, house, ceiling()), c.winner >= 0 ? 1 : 0);
        EXPECT_EQ(dialogs.calls, (std::vector<std::string>{Dialog(0, 1), Dialog(1, 1)}));
        dialogs.calls.clear();
        if (c.winner < 0) {
            // The site is untouched and the failure logged.
            EXPECT_EQ(doc.GetMap().GetArea(0).GetStructureAt(kX, kY, 1), 0);
            EXPECT_FALSE(Person(builders[0]).HasTask());
            EXPECT_FALSE(Person(builders[1]).HasTask());
            EXPECT_EQ(frame.infoLines,
                      std::vector<std::string>{"Unsuccessful bid in " + doc.GetAreaName(0)});
            EXPECT_EQ(Count("ShowBidFailed(" + Site() + "," + std::to_string(house) + ")"), 1);
            continue;
        }
        const CPersonData& builder = Person(builders[static_cast<size_t>(c.winner)]);
        EXPECT_EQ(builder.GetTaskKind(), CPersonData::eTASK_CONTRACT_CONSTRUCTION);
        EXPECT_EQ(builder.GetTaskParam(1), c.price - c.price / 2);
        EXPECT_EQ(doc.GetEnterprise(c.winner)->GetFunds(), funds + c.price / 2 - cost);
    }
}

TEST_F(TenderTest, EqualLowestBidsEachWinForSomeSeed) {
    const std::vector<uint8_t> initial = doc.SaveBytes();
    std::set<int> winners;
    for (int seed = 1; seed <= 40; ++seed) {
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        // Seeds far apart: the first draw after a seed grows slowly with it.
        CRuntimeRandom::Seed(seed * 7331u);
        dialogs.bidAnswers = {Bid(cost + 20), Bid(cost + 20)};
        ASSERT_EQ(doc.RunTender(0, kX, kY, house, ceiling()), 1);
        int winner = -1;
        for (int c : {0, 1})
            if (Person(builders[static_cast<size_t>(c)]).HasTask()) winner = c;
        ASSERT_GE(winner, 0);
        EXPECT_FALSE(Person(builders[static_cast<size_t>(1 - winner)]).HasTask());
        winners.insert(winner);
    }
    EXPECT_EQ(winners, (std::set<int>{0, 1}));
}

// Who takes part: player 0 in each row, player 1 without an office.
TEST_F(TenderTest, APlayerIsToldWhyHeCannotTakePart) {
    struct Case {
        const char* name;
        int owner;       // the site's owner; -1: a public project
        int sanction;    // months barred from public works
        int funds, ceiling;
        bool busy;       // his only director has a task
        int level;
        std::string told;  // empty: the dialog opens
        int lowest;
    };
    const int top = cost * 2 + 50;
    const std::vector<Case> cases = {
        {"barred from a public project", -1, 3, 1000, top, false, 3, "ShowPublicWorksBanned(0,0," + std::to_string(house) + ")", 0},
        {"a barred company may build on a company's lot", 2, 3, 1000, top, false, 3, "", 1},
        // At a ceiling of the cost the funds must cover half of it.
        {"too little money", -1, 0, cost - cost / 2 - 1, cost, false, 3,
         "ShowTenderLacksFunds(0,0," + std::to_string(house) + ")", 0},
        {"just enough money", -1, 0, cost - cost / 2, cost, false, 3, "", (cost / 2) * 2},
        {"an empty bid range", -1, 0, 1000, 0, false, 3, "ShowTenderLacksFunds(0,0," + std::to_string(house) + ")", 0},
        {"no free director", -1, 0, 1000, top, true, 3, "ShowTenderLacksDirector(0,0," + std::to_string(house) + ")", 0},
        {"no office: left out silently", -1, 0, 1000, top, false, 2, "-", 0},
    };
    const std::vector<uint8_t> initial = doc.SaveBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        report.calls.clear();
        dialogs.calls.clear();
        if (c.owner >= 0) OwnSite(c.owner);
        CEnterprise& company = *doc.GetEnterprise(0);
        doc.GetEnterprise(1)->SetAreaLevel(0, 2);
        company.SetSanctionMonths(c.sanction);
        company.SetFunds(c.funds);
        company.SetAreaLevel(0, c.level);
        if (c.busy) doc.GetDirector(builders[0])->AssignTask(CPersonData::eTASK_ADVERTISING, 30);
        int winner = -1, price = 0;
        EXPECT_EQ(doc.CollectTenderBids(0, kX, kY, c.ceiling, house, winner, price), 0);
        if (c.told.empty()) {
            EXPECT_EQ(dialogs.calls.size(), 1u);
            if (!dialogs.calls.empty()) {
                EXPECT_EQ(dialogs.calls[0], "InputBidPrice(0," + std::to_string(house) + "," +
                                                std::to_string(cost) + "," + Site() + "," +
                                                std::to_string(std::max(c.lowest, 1)) + "," +
                                                std::to_string(c.ceiling) + ")");
            }
            EXPECT_TRUE(report.calls.empty());
        } else {
            EXPECT_TRUE(dialogs.calls.empty());
            if (c.told == "-") {
                EXPECT_TRUE(report.calls.empty());
            } else {
                EXPECT_EQ(report.calls, std::vector<std::string>{c.told});
            }
        }
    }
}

// A player with several directors picks the builder; naming nobody or a
// busy one gives the work to his first free director.
TEST_F(TenderTest, AWinningPlayersChoiceOfDirectorFallsBackToAFreeOne) {
    const int second = HireDirector(0);
    const int busy = HireDirector(0);
    doc.GetDirector(busy)->AssignTask(CPersonData::eTASK_ADVERTISING, 30);
    doc.GetEnterprise(1)->SetAreaLevel(0, 2);
    struct Case {
        const char* name;
        int choice;
        int builder;
    };
    const std::vector<Case> cases = {
        {"his choice", second, second},
        {"nobody", -1, builders[0]},
        {"a busy director", busy, builders[0]},
        {"another company's director", builders[1], builders[0]},
    };
    const std::vector<uint8_t> initial = doc.SaveBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        report.directorChoice = c.choice;
        dialogs.bidAnswers = {Bid(cost + 20)};
        ASSERT_EQ(doc.RunTender(0, kX, kY, house, ceiling()), 1);
        EXPECT_EQ(Person(c.builder).GetTaskKind(), CPersonData::eTASK_CONTRACT_CONSTRUCTION);
        EXPECT_EQ(Person(busy).GetTaskKind(), CPersonData::eTASK_ADVERTISING);
    }
}

// The contract is reported only with the activity report on.
TEST_F(TenderTest, TheContractIsReportedWithTheActivityReport) {
    const std::vector<uint8_t> initial = doc.SaveBytes();
    for (int activity : {0, 1}) {
        SCOPED_TRACE(activity);
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        report.calls.clear();
        doc.SetActivityReport(activity);
        dialogs.bidAnswers = {Bid(cost + 20)};
        ASSERT_EQ(doc.RunTender(0, kX, kY, house, ceiling()), 1);
        EXPECT_EQ(Count("ShowDevelopmentContract(" + Site() + "," + std::to_string(house) + "," +
                        std::to_string(cost + 20) + ",0)"),
                  activity);
    }
}

}  // namespace
