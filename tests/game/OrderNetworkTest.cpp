#include <gtest/gtest.h>

#include <array>

#include "OrderFixture.h"
#include "OrderRows.h"
#include "model/League.h"
#include "model/PersonData.h"
#include "platform/core/TextFormat.h"

namespace {

// The order fixture game at a seat of a network game.
class OrderSeatTest : public OrderTest {
protected:
    void SetUp() override {
        OrderTest::SetUp();
        start = doc.SaveBytes();
        ASSERT_EQ(seatDoc.LoadBytes(start), -1);
        seat.networkGame = true;
    }
    COrderService& SeatOrders() { return seatDoc.GetOrders(); }
    CEnterprise& SeatCompany(int c) { return *seatDoc.GetEnterprise(c); }
    std::vector<std::string> OrderTexts() {
        std::vector<std::string> texts;
        for (const CCmdSet& order : seat.orders) texts.push_back(OrderText(order));
        return texts;
    }

    std::vector<uint8_t> start;
    CFakeDocService seat;
    CNetworkSeatDoc seatDoc{seat};
    CScopedService<IDocService> scopedSeat = ScopedDoc(&seatDoc);
    CFakeNetService net;
    CScopedService<INetService> scopedNet = ScopedNet(&net);
};

TEST_F(OrderSeatTest, AClientSendsEveryOrderAsTheRecordOfItsType) {
    for (const SOrderRow& row : AllOrderRows()) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(seatDoc.LoadBytes(start), -1);
        seat.orders.clear();
        seat.orderRoutes.clear();
        if (row.prepare) row.prepare(seatDoc, game);
        row.issue(seatDoc, game, 1);
        EXPECT_EQ(seat.orderRoutes,
                  (std::vector<std::string>{"Send(" + std::to_string(row.company) + ")"}));
        EXPECT_EQ(OrderTexts(), (std::vector<std::string>{OrderText(row.record(seatDoc, game))}));
    }
}

TEST_F(OrderSeatTest, TheHostKeepsItsOwnOrdersAndSendsThoseOfOtherMachines) {
    seat.networkHost = true;
    seat.localCompanies = {0};
    // Sales of stock, constructions, repayments and home-field moves are
    // kept only for a company played here (a repayment only when it is this
    // player's own); every other order stays in the host's queue.
    struct SCase {
        const char* name;
        std::function<void()> issue;
        std::string route;
    };
    const int own = game.Director(0), other = game.Director(1);
    const int kiosk = KioskType(seatDoc);
    const CCellPoint bare(2, 2), ballpark(5, 4);
    const std::vector<SCase> cases = {
        {"stock sale, here", [&] { SeatOrders().IssueSellStock(0, 1, 0, 1); }, "Store"},
        {"stock sale, elsewhere", [&] { SeatOrders().IssueSellStock(1, 0, 1, 1); }, "Send(1)"},
        {"construction, here", [&] { SeatOrders().IssueConstruction(own, 0, bare, kiosk, 1); },
         "Store"},
        {"construction, elsewhere",
         [&] { SeatOrders().IssueConstruction(other, 0, bare, kiosk, 1); }, "Send(1)"},
        {"repayment of this player", [&] { SeatOrders().IssueRepayLoan(0, 10, 1, 1); }, "Store"},
        {"repayment not of this player", [&] { SeatOrders().IssueRepayLoan(0, 10, 1, 0); },
         "Send(0)"},
        {"repayment, elsewhere", [&] { SeatOrders().IssueRepayLoan(1, 10, 1, 1); }, "Send(1)"},
        {"home field, here", [&] { SeatOrders().IssueChangeHomeField(0, 0, 1, ballpark, 1); },
         "Store"},
        {"home field, elsewhere", [&] { SeatOrders().IssueChangeHomeField(1, 0, 1, ballpark, 1); },
         "Send(1)"},
        {"lay-off, elsewhere", [&] { SeatOrders().IssueLayoff(1, 0, 5, 1); }, "Store"},
        {"loan, elsewhere", [&] { SeatOrders().IssueLoan(other, 1); }, "Store"},
        {"team purchase given here",
         [&] { SeatOrders().IssueAcquireProTeam(1, 2, 1, 1, ballpark, -1, 1); }, "Store"},
        {"team purchase replayed",
         [&] { SeatOrders().IssueAcquireProTeam(2, 2, 0, 1, ballpark, -1, 0); }, "Send(2)"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(seatDoc.LoadBytes(start), -1);
        seat.orderRoutes.clear();
        c.issue();
        EXPECT_EQ(seat.orderRoutes, std::vector<std::string>{c.route});
    }
}

TEST_F(OrderSeatTest, OutsideNetworkPlayAndWhenReplayedNothingIsRecorded) {
    struct SCase {
        const char* name;
        bool network;
        int send;
    };
    for (const SCase& c : {SCase{"single machine", false, 1}, SCase{"replayed", true, 0}}) {
        SCOPED_TRACE(c.name);
        seat.networkGame = c.network;
        for (const SOrderRow& row : AllOrderRows()) {
            // A team purchase goes out even when replayed (see below).
            if (row.type == 6 && c.network) continue;
            SCOPED_TRACE(row.name);
            ASSERT_EQ(seatDoc.LoadBytes(start), -1);
            row.issue(seatDoc, game, c.send);
            EXPECT_TRUE(seat.orders.empty());
        }
    }
}

TEST_F(OrderSeatTest, ATeamPurchaseIsPaidFirstAndTransferredWhenItsRecordReturns) {
    const int price = seatDoc.GetMap().GetLeague(2).GetTeamPrice(1);
    const std::string name = SeatCompany(1).GetName();
    seat.localCompanies = {1};
    const CProTeam& team = seatDoc.GetMap().GetLeague(2).GetTeam(1);

    SeatOrders().IssueAcquireProTeam(1, 2, 1, 1, CCellPoint(5, 4), -1, 1);
    EXPECT_EQ(SeatCompany(1).GetFunds(), SOrderGame::kFunds - price);
    EXPECT_EQ(SeatCompany(1).GetMonthlyProfit(seatDoc.GetMonth()), -price);
    EXPECT_EQ(SeatCompany(1).GetLeagueTeam(2), -1);
    EXPECT_EQ(team.GetOwnerIndex(), -1);
    EXPECT_EQ(TakeLog(),
              (std::vector<std::string>{
                  "[heading 1]", "  " + name + " will acquire the Ridge Owls Football team."}));
    ASSERT_EQ(seat.orders.size(), 1u);
    SeatCompany(1).SetReportHeadingWritten(0);

    EXPECT_TRUE(SeatOrders().OnCmdSetRecord(1, seat.orders[0]));
    EXPECT_EQ(SeatCompany(1).GetFunds(), SOrderGame::kFunds - price);
    EXPECT_EQ(SeatCompany(1).GetLeagueTeam(2), 1);
    EXPECT_EQ(team.GetOwnerIndex(), 1);
    EXPECT_EQ((std::array{team.GetHomeArea(), team.GetHomeX(), team.GetHomeY()}),
              (std::array{1, 5, 4}));
    EXPECT_EQ(report.calls, std::vector<std::string>{"ShowTeamPurchased(1,2,1)"});
    EXPECT_EQ(frame.infoLines,
              (std::vector<std::string>{"[heading 1]",
                                        "  " + name + " acquired the Ridge Owls Football team."}));
}

TEST_F(OrderSeatTest, ARefusedPurchaseIsPaidBackAtTheBuyersMachine) {
    const int price = seatDoc.GetMap().GetLeague(2).GetTeamPrice(1);
    seat.localCompanies = {1};
    SeatOrders().IssueAcquireProTeam(1, 2, 1, 1, CCellPoint(5, 4), -1, 1);
    SeatOrders().RefuseProTeamPurchase(1, 2, 1, 2, price);
    EXPECT_EQ(report.calls, std::vector<std::string>{"ShowTeamPurchaseRefused(1,2,1,2)"});
    EXPECT_EQ(SeatCompany(1).GetFunds(), SOrderGame::kFunds);
    EXPECT_EQ(SeatCompany(1).GetMonthlyProfit(seatDoc.GetMonth()), 0);
    EXPECT_TRUE(net.sent.empty());

    // The human company's player sits at another machine: he is told there.
    SeatCompany(0).SetNetworkPlayerId(3);
    const int funds = SeatCompany(0).GetFunds();
    SeatOrders().RefuseProTeamPurchase(0, 2, 1, 1, price);
    ASSERT_EQ(net.sent.size(), 1u);
    EXPECT_EQ(net.sent[0].player, 3);
    EXPECT_EQ(net.sent[0].record, FormatText("_MERCAVO40000002000200010100%08d", price));
    EXPECT_EQ(SeatCompany(0).GetFunds(), funds);
}

TEST_F(OrderSeatTest, AHomeFieldMoveIsOnlyAnnouncedByItsIssuer) {
    seat.localCompanies = {0};
    SeatOrders().IssueChangeHomeField(0, 0, 1, CCellPoint(5, 4), 1);
    const CProTeam& team = seatDoc.GetMap().GetLeague(0).GetTeam(0);
    EXPECT_EQ(team.GetHomeArea(), 0);
    EXPECT_EQ(TakeLog(),
              (std::vector<std::string>{
                  "[heading 0]",
                  "  The Harbor Gulls Football team is planning to change their home field."}));
    EXPECT_TRUE(SeatOrders().OnCmdSetRecord(0, seat.orders.at(0)));
    EXPECT_EQ(team.GetHomeArea(), 1);
}

TEST_F(OrderSeatTest, AClientEndsTheHighlightingOfChangedCellsBeforeSelectingAnArea) {
    struct SCase {
        const char* name;
        bool host, selected;
        std::vector<std::string> calls;
        int result;
    };
    const std::vector<SCase> cases = {
        {"client", false, true, {"FlushChangedCells(1)", "SelectAreaButton(1)"}, 1},
        {"host", true, true, {"SelectAreaButton(1)"}, 1},
        {"view cannot select", true, false, {"SelectAreaButton(1)"}, 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        seat.networkHost = c.host;
        frame.selectAreaAnswer = c.selected;
        frame.calls.clear();
        EXPECT_EQ(seatDoc.SelectArea(1), c.result);
        EXPECT_EQ(frame.calls, c.calls);
    }
}

TEST_F(OrderSeatTest, AnOrderWhoseFieldsDoNotFitItsRecordIsNotSent) {
    // A field wider than its place would shift every later field.
    SeatOrders().IssueAcquireLand(game.Director(0), 0, 700, CCellPoint(-1000, -1), 1);
    SeatOrders().IssueLayoff(0, 0, 5, 1);
    EXPECT_EQ(seat.orderRoutes, std::vector<std::string>{"Send(0)"});
}

}  // namespace
