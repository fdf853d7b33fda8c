// Real-estate auctions and negotiated sales: who may bid, who wins, what is
// paid and logged, and how the month-end sale order is settled.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "LandSalesFixture.h"
#include "platform/core/RuntimeRandom.h"

namespace {

class LandAuctionTest : public LandSalesTest {
protected:
    void SetUp() override {
        LandSalesTest::SetUp();
        // The computer companies cannot pay: only the players bid.
        doc.GetEnterprise(2)->SetFunds(0);
        doc.GetEnterprise(3)->SetFunds(0);
        lotPrice = doc.GetMap().GetLotPrice(0, kX, kY, 0);
        ASSERT_GE(lotPrice, 10);
    }
    static SDialogAnswer Bid(int value) { return {true, value, 0}; }
    int Count(const std::string& call) const {
        return static_cast<int>(std::count(report.calls.begin(), report.calls.end(), call));
    }

    static constexpr int kX = 3, kY = 3;
    int lotPrice = 0;
};

TEST_F(LandAuctionTest, EqualHighestBidsEachWinForSomeSeed) {
    Own(kX, kY, 3);
    const std::vector<uint8_t> initial = doc.SaveBytes();
    std::set<int> winners;
    for (int seed = 1; seed <= 40; ++seed) {
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        // Seeds far apart: the first draw after a seed grows slowly with it.
        CRuntimeRandom::Seed(seed * 7331u);
        dialogs.bidAnswers = {Bid(60), Bid(60)};
        ASSERT_EQ(doc.RunAuction(0, kX, kY, 30), 60);
        const int winner = Owner(kX, kY) - 1;
        ASSERT_TRUE(winner == 0 || winner == 1) << winner;
        EXPECT_EQ(doc.GetEnterprise(winner)->GetFunds(), 1000 - 60);
        EXPECT_EQ(doc.GetEnterprise(1 - winner)->GetFunds(), 1000);
        EXPECT_EQ(doc.GetEnterprise(3)->GetFunds(), 60);
        winners.insert(winner);
    }
    EXPECT_EQ(winners, (std::set<int>{0, 1}));
}

TEST_F(LandAuctionTest, TheHighestBidAtTheMinimumOrMoreWins) {
    struct Case {
        const char* name;
        int minimum, bid0, bid1;
        int winner, price;
    };
    const std::vector<Case> cases = {
        {"the higher bid", 30, 40, 55, 1, 55},
        {"the first bid higher", 30, 70, 55, 0, 70},
        {"a bid at the minimum", 30, 30, 0, 0, 30},
        {"a bid below the minimum never wins", 30, 29, 0, -1, 0},
    };
    const std::vector<uint8_t> initial = (Own(kX, kY, 3), doc.SaveBytes());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        dialogs.bidAnswers = {Bid(c.bid0), c.bid1 ? Bid(c.bid1) : SDialogAnswer{}};
        int winner = -2, price = -2;
        EXPECT_EQ(doc.CollectAuctionBids(0, kX, kY, c.minimum, winner, price),
                  c.winner >= 0 ? 1 : 0);
        EXPECT_EQ(winner, c.winner);
        EXPECT_EQ(price, c.winner >= 0 ? c.price : c.minimum);
    }
}

// Without a bid an owned lot still goes, to nobody, when its minimum lies
// below four fifths of the lot price; the seller is paid the minimum.
TEST_F(LandAuctionTest, AnAuctionWithoutBidsSellsToNobodyOnlyBelowFourFifths) {
    const int fourFifths = lotPrice * 4 / 5;
    struct Case {
        const char* name;
        int owner, minimum;
        bool sold;
    };
    const std::vector<Case> cases = {
        {"just below four fifths", 3, fourFifths - 1, true},
        {"a tenth of the price", 3, lotPrice / 10, true},
        {"at four fifths", 3, fourFifths, false},
        {"above the lot price", 3, lotPrice + 5, false},
        {"a lot without owner", -1, 1, false},
    };
    const std::vector<uint8_t> initial = doc.SaveBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        Own(kX, kY, c.owner);
        frame.infoLines.clear();
        const int funds = c.owner >= 0 ? doc.GetEnterprise(c.owner)->GetFunds() : 0;
        EXPECT_EQ(doc.RunAuction(0, kX, kY, c.minimum), c.sold ? c.minimum : 0);
        EXPECT_EQ(Owner(kX, kY), c.sold ? 0 : c.owner + 1);
        if (c.owner >= 0) {
            EXPECT_EQ(doc.GetEnterprise(c.owner)->GetFunds(), funds + (c.sold ? c.minimum : 0));
        }
        std::vector<std::string> log{doc.GetAreaName(0) + " realestate auction closed.",
                                     c.sold ? "  Sold for " + std::to_string(c.minimum) +
                                                  ".(Standard price:" + std::to_string(lotPrice) +
                                                  ")"
                                            : "  Unsuccessful bid."};
        EXPECT_EQ(frame.infoLines, log);
    }
}

// A player may bid for a building only where his company has an office;
// for bare land anywhere, with the funds to cover the minimum.
TEST_F(LandAuctionTest, APlayerBidsForABuildingOnlyWhereItHasAnOffice) {
    struct Case {
        const char* name;
        bool building;
        int level, funds;
        int reason;  // -1: the dialog opens
    };
    const std::vector<Case> cases = {
        {"a building with an office", true, 3, 1000, -1},
        {"a building without an office", true, 2, 1000, 1},
        {"no office and too little money: the area counts", true, 1, 10, 1},
        {"bare land in an area never entered", false, 0, 1000, -1},
        {"bare land, too little money", false, 2, 29, 0},
        {"bare land, just the minimum", false, 2, 30, -1},
    };
    const std::vector<uint8_t> initial = doc.SaveBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        report.calls.clear();
        dialogs.calls.clear();
        if (c.building)
            Build(house, kX, kY, 3);
        else
            Own(kX, kY, 3);
        // Company 1 sits the auction out.
        doc.GetEnterprise(1)->SetFunds(0);
        doc.GetEnterprise(0)->SetAreaLevel(0, c.level);
        doc.GetEnterprise(0)->SetFunds(c.funds);
        int winner = -1, price = 0;
        doc.CollectAuctionBids(0, kX, kY, 30, winner, price);
        if (c.reason < 0) {
            EXPECT_EQ(dialogs.calls, std::vector<std::string>{
                                         "InputBidPrice(0,-1,-1,0,3,3,30," +
                                         std::to_string(c.funds) + ")"});
            EXPECT_EQ(Count("ShowCannotBid(0,0,3,3,0)") + Count("ShowCannotBid(0,0,3,3,1)"), 0);
        } else {
            EXPECT_TRUE(dialogs.calls.empty());
            EXPECT_EQ(Count("ShowCannotBid(0,0,3,3," + std::to_string(c.reason) + ")"), 1);
        }
    }
}

// The winner's grade in the area rises by the lot price^0.4; a winner
// without an office there books the price as an expense.
TEST_F(LandAuctionTest, TheWinnerGainsGradeAndBooksTheExpenseWithoutAnOffice) {
    Own(kX, kY, 3);
    const std::vector<uint8_t> initial = doc.SaveBytes();
    const int rise = std::max(static_cast<int>(std::pow(lotPrice, 0.4)), 1);
    for (int level : {0, 2, 3}) {
        SCOPED_TRACE(level);
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        doc.GetEnterprise(1)->SetFunds(0);
        doc.GetEnterprise(0)->SetAreaLevel(0, level);
        doc.GetEnterprise(0)->SetAreaGrade(0, 200, 1);
        const SFigures before = Figures(0);
        dialogs.bidAnswers = {Bid(45)};
        ASSERT_EQ(doc.RunAuction(0, kX, kY, 30), 45);
        SFigures want = before;
        want.funds -= 45;
        want.profit -= 45;
        want.land += 1;
        want.grade += rise;
        want.expense += level < 3 ? 45 : 0;
        want.level = std::max(level, 2);
        want.history += level < 2 ? 1 : 0;
        EXPECT_EQ(Figures(0), want);
        EXPECT_TRUE(Logged("  " + doc.GetEnterprise(0)->GetName() + " purchased for 45.(Standard price:" +
                           std::to_string(doc.GetMap().GetLotPrice(0, kX, kY, 0)) + ")"));
    }
}

// The seller's player sees the result; the others only with the activity
// report on.
TEST_F(LandAuctionTest, TheResultIsShownToTheSellerOrWithTheActivityReport) {
    struct Case {
        const char* name;
        int seller;
        int activity;
        bool shown;
    };
    const std::vector<Case> cases = {
        {"a player's lot", 1, 0, true},
        {"a computer company's lot", 3, 0, false},
        {"with the activity report", 3, 1, true},
    };
    const std::vector<uint8_t> initial = doc.SaveBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        report.calls.clear();
        Own(kX, kY, c.seller);
        doc.SetActivityReport(c.activity);
        doc.ReportAuctionResult(0, kX, kY, 0, 50, 1);
        EXPECT_EQ(Count("ShowAuctionResult(" + std::to_string(c.seller) + ",0,3,3,0,50)"),
                  c.shown ? 1 : 0);
    }
}

// A pending sale to buyer -1 or -2 is an auction; to a company, a sale to
// it. Either way the order is cleared, and a lot sold meanwhile stays.
TEST_F(LandAuctionTest, TheMonthEndSaleOrderRunsAnAuctionOrASale) {
    struct Case {
        const char* name;
        int buyer;
        bool stillOwned;
        bool auction, sale;
    };
    const std::vector<Case> cases = {
        {"buyer -2", -2, true, true, false},
        {"buyer -1", -1, true, true, false},
        {"a named buyer", 0, true, false, true},
        {"a lot no longer the seller's", -2, false, false, false},
    };
    const std::vector<uint8_t> initial = doc.SaveBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        report.calls.clear();
        frame.infoLines.clear();
        Own(kX, kY, c.stillOwned ? 1 : 2);
        doc.GetEnterprise(1)->SetAuctionBid(lotPrice, 0, kX, kY, c.buyer);
        doc.SettleSaleOrder(1);
        CEnterprise::SLotSale left;
        EXPECT_EQ(doc.GetEnterprise(1)->GetAuctionBid(left), 0);
        EXPECT_EQ(Logged(doc.GetAreaName(0) + " realestate auction closed."), c.auction);
        EXPECT_EQ(Count("AskLandSaleOffer(0,1,0,3,3," + std::to_string(lotPrice) + "," +
                        std::to_string(lotPrice) + ",1)"),
                  c.sale ? 1 : 0);
    }
}

TEST_F(LandAuctionTest, ANegotiatedSaleGoesThroughWhenTheBuyerTakesIt) {
    struct Case {
        const char* name;
        int funds;
        bool answer;
        bool sold;
    };
    const std::vector<Case> cases = {
        {"taken", 1000, true, true},
        {"refused", 1000, false, false},
        {"a buyer who cannot pay buys nothing", 49, true, false},
    };
    const std::vector<uint8_t> initial = doc.SaveBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        report.calls.clear();
        frame.infoLines.clear();
        Own(kX, kY, 1);
        doc.GetEnterprise(0)->SetFunds(c.funds);
        report.saleAnswer = c.answer;
        doc.RunNegotiatedSale(0, kX, kY, 50, 0);
        EXPECT_EQ(Owner(kX, kY), c.sold ? 1 : 2);
        EXPECT_EQ(doc.GetEnterprise(0)->GetFunds(), c.funds - (c.sold ? 50 : 0));
        EXPECT_EQ(doc.GetEnterprise(1)->GetFunds(), 1000 + (c.sold ? 50 : 0));
        EXPECT_EQ(Count("AskLandSaleOffer(0,1,0,3,3,50," + std::to_string(lotPrice) + "," +
                        (c.funds >= 50 ? "1" : "0") + ")"),
                  1);
        // The seller is a player: he hears the answer.
        EXPECT_EQ(Count("ShowSaleAnswer(1,0,0,3,3,50," + std::string(c.sold ? "1" : "0") + ")"), 1);
        EXPECT_EQ(Logged("  Purchased in " + doc.GetAreaName(0) + " for 50."), c.sold);
        EXPECT_EQ(Logged("    (Standard price:" + std::to_string(lotPrice) + ")"), c.sold);
    }
}

// A computer company that cannot pay refuses an offered lot.
TEST_F(LandAuctionTest, AComputerBuyerWithoutMoneyRefuses) {
    Own(kX, kY, 1);
    EXPECT_EQ(doc.AskLandSaleOffer(0, kX, kY, 50, 2), 0);
    doc.RunNegotiatedSale(0, kX, kY, 50, 2);
    EXPECT_EQ(Owner(kX, kY), 2);
    EXPECT_EQ(Count("ShowSaleAnswer(1,2,0,3,3,50,0)"), 1);
}

// A loan recall that the funds cannot cover auctions the company's
// structures: with nobody bidding, each goes to nobody at half its price.
TEST_F(LandAuctionTest, AForcedSaleRaisesMoneyThroughTheAuction) {
    Build(house, kX, kY, 3);
    CEnterprise& debtor = *doc.GetEnterprise(3);
    const int half = doc.GetMap().GetLotPrice(0, kX, kY, 0) / 2;
    ASSERT_GE(half, 1);
    ASSERT_GE(debtor.GetAnnualIncome(), 0);
    EXPECT_EQ(debtor.RaiseFundsBySale(half), 1);
    EXPECT_EQ(Owner(kX, kY), 0);
    EXPECT_EQ(debtor.GetFunds(), half);
}

// A structure of several cells is one lot: once sold, its other cells are
// the buyer's and the forced sale does not auction them again.
TEST_F(LandAuctionTest, AForcedSaleSellsAStructureOfSeveralCellsOnce) {
    Build(office, 4, 2, 3);
    CCellPoint anchor, first;
    ASSERT_TRUE(doc.GetMap().GetStructureExtent(0, 4, 2, anchor, first));
    ASSERT_NE(first.x, anchor.x);
    const int half = doc.GetMap().GetLotPrice(0, 4, 2, 0) / 2;
    CEnterprise& bidder = *doc.GetEnterprise(0);
    bidder.SetAreaLevel(0, 3);
    bidder.SetFunds(half * 3);
    doc.GetEnterprise(1)->SetFunds(0);
    dialogs.bidAnswers = {Bid(half + 10)};
    EXPECT_EQ(doc.GetEnterprise(3)->RaiseFundsBySale(half * 2), 1);
    for (int y = first.y; y <= anchor.y; ++y)
        for (int x = first.x; x <= anchor.x; ++x) EXPECT_EQ(Owner(x, y), 1);
    EXPECT_EQ(bidder.GetFunds(), half * 3 - (half + 10));
    EXPECT_EQ(doc.GetEnterprise(3)->GetFunds(), half + 10);
    EXPECT_EQ(std::count_if(dialogs.calls.begin(), dialogs.calls.end(),
                            [](const std::string& call) { return call.rfind("InputBidPrice", 0) == 0; }),
              1);
}

}  // namespace
