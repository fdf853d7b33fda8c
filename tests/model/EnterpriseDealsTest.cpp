// The pending construction contract and lot sale, their orders, the
// footprint tests, and the decision on a construction contract offered to
// the company.

#include <gtest/gtest.h>

#include "model/BD.h"
#include "model/CompanyRulesFixture.h"

namespace {

class DealsTest : public CompanyRulesTest {
protected:
    void SetUp() override {
        CompanyRulesTest::SetUp();
        office.SetSize(2, 2);
        office.SetBasePrice(100);  // what building it costs
        office.SetValueFigure(3);  // the staff it keeps at work
        doc.structureTypes = {&kiosk, &office};
    }
    CBD kiosk, office;
};

struct SOverlapCase {
    const char* name;
    int area, left, top, right, bottom;
    bool expected;
};

TEST_F(DealsTest, ContractFootprintOverlap) {
    // A 2 x 2 structure whose anchor is (5, 5) stands on (4, 4)-(5, 5).
    company.SetContractBid(0, 1, 5, 5, 1, 300);
    const SOverlapCase cases[] = {
        {"rectangle from the anchor", 1, 5, 5, 9, 9, true},
        {"rectangle ending at the footprint's corner", 1, 0, 0, 4, 4, true},
        {"rectangle beyond the anchor", 1, 6, 6, 9, 9, false},
        {"left of the footprint", 1, 0, 4, 3, 5, false},
        {"another area", 2, 0, 0, 9, 9, false},
    };
    for (const SOverlapCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(company.IsContractBidTargetIn(c.area, c.left, c.top, c.right, c.bottom),
                  c.expected);
        EXPECT_EQ(company.IsBidTargetIn(c.area, c.left, c.top, c.right, c.bottom), c.expected);
    }
    company.ClearContractBid();
    EXPECT_FALSE(company.IsContractBidTargetIn(1, 0, 0, 9, 9));
}

TEST_F(DealsTest, PendingItems) {
    CEnterprise::SContractBid contract;
    EXPECT_EQ(company.GetContractBid(contract), 0);
    company.SetContractBid(2, 1, 4, 6, 1, 700);
    EXPECT_EQ(company.GetContractBid(contract), 1);
    EXPECT_EQ(contract, (CEnterprise::SContractBid{2, 1, 4, 6, 1, 700}));

    CEnterprise::SLotSale sale;
    EXPECT_EQ(company.GetAuctionBid(sale), 0);
    company.SetAuctionBid(-2, 0, 3, 3, 0);  // a direct sale counts as pending
    EXPECT_EQ(company.GetAuctionBid(sale), 1);
    EXPECT_EQ(sale, (CEnterprise::SLotSale{-2, 0, 3, 3, 0}));
    EXPECT_TRUE(company.IsAuctionBidTargetIn(0, 3, 3, 3, 3));  // bounds included
    EXPECT_FALSE(company.IsAuctionBidTargetIn(0, 4, 0, 9, 9));
    EXPECT_FALSE(company.IsAuctionBidTargetIn(1, 3, 3, 3, 3));
    EXPECT_TRUE(company.IsBidTargetIn(0, 0, 0, 3, 3));
    company.SetAuctionBid(-1, 0, 3, 3, 0);
    EXPECT_EQ(company.GetAuctionBid(sale), 0);
    EXPECT_FALSE(company.IsAuctionBidTargetIn(0, 3, 3, 3, 3));
    EXPECT_EQ(doc.calls, (std::vector<std::string>(3, "SetModified")));
}

TEST_F(DealsTest, DealOrdersGoToTheHostQueueOrOut) {
    for (bool host : {false, true}) {
        SCOPED_TRACE(host ? "host" : "client");
        doc.networkGame = true;
        doc.networkHost = host;
        doc.orders.clear();
        doc.orderRoutes.clear();
        doc.currentMonthIndex = 3;
        company.PlaceContractBid(2, 1, 4, 6, 1, 700, 1);
        company.PlaceAuctionBid(450, 0, 3, 2, -1, 1);
        std::string route = host ? "Store" : "Send(1)";
        EXPECT_EQ(doc.orderRoutes, (std::vector<std::string>{route, route}));
        ASSERT_EQ(doc.orders.size(), 2u);
        const CCmdSet& contract = doc.orders[0];
        EXPECT_EQ(contract.GetOrderType(), 9);
        EXPECT_EQ(contract.GetMonthIndex(), 3);
        ASSERT_EQ(contract.GetValueCount(), 3);
        EXPECT_EQ(contract.GetValue(0), 2);
        EXPECT_EQ(contract.GetValue(1), 1);
        EXPECT_EQ(contract.GetValue(2), 700);
        ASSERT_EQ(contract.GetParamCount(), 1);
        EXPECT_EQ(contract.GetParam(0), 1);
        CCellPoint cell;
        EXPECT_EQ(contract.GetPoint(cell, 0), CCellPoint(4, 6));
        const CCmdSet& sale = doc.orders[1];
        EXPECT_EQ(sale.GetOrderType(), 3);
        ASSERT_EQ(sale.GetValueCount(), 2);
        EXPECT_EQ(sale.GetValue(0), 450);
        EXPECT_EQ(sale.GetValue(1), -1);
        EXPECT_EQ(sale.GetParam(0), 0);
        EXPECT_EQ(sale.GetPoint(cell, 0), CCellPoint(3, 2));
    }
    EXPECT_EQ(company.GetContractBid().price, 700);
    EXPECT_EQ(company.GetAuctionBid().minimalBid, 450);
}

TEST_F(DealsTest, DealOrdersStayHomeOutsideNetworkGames) {
    company.PlaceContractBid(2, 1, 4, 6, 1, 700, 1);
    doc.networkGame = true;
    company.PlaceAuctionBid(450, 0, 3, 2, -1, 0);
    EXPECT_TRUE(doc.orders.empty());
    EXPECT_EQ(company.GetContractBid().contractor, 2);
}

// ---------------------------------------------------------------- contract decision

struct SComputerCase {
    const char* name;
    int funds, price, offering, pressure;
    bool freeDirector, accepted;
};

TEST_F(DealsTest, ComputerContractDecision) {
    // Cost 100; allowance without income 4 per director x labour 3.
    const SComputerCase cases[] = {
        {"profitable", 1000, 400, -1, 0, true, true},
        {"funds and half the price short of the cost", 40, 100, -1, 0, true, false},
        {"half the price covers the funds' gap", 40, 120, -1, 0, true, true},
        {"no free director", 1000, 400, -1, 0, false, false},
        {"no profit", 1000, 105, -1, 0, true, false},
        {"shareholders insist", 1000, 105, 0, 1, true, true},
    };
    MakeComputer();
    int builder = Hire(3);
    for (const SComputerCase& c : cases) {
        SCOPED_TRACE(c.name);
        CRuntimeRandom::Seed(99);
        company.SetFunds(c.funds);
        doc.pressureRoll = c.pressure;
        persons[builder].AssignTask(c.freeDirector ? 0 : CPersonData::eTASK_RAISE_FUNDS, 10);
        int takeover = -1;
        CPersonData* chosen =
            company.ChooseContractDirector(1, c.price, c.offering, takeover, 2, 1, 1);
        EXPECT_EQ(chosen, c.accepted ? &persons[builder] : nullptr);
        EXPECT_EQ(takeover, c.offering >= 0 ? c.pressure : 0);
    }
}

TEST_F(DealsTest, ComputerPicksItsBestBuilder) {
    MakeComputer();
    company.SetFunds(1000);
    int weak = Hire(3), strong = Hire(30), busy = Hire(60);
    persons[busy].AssignTask(CPersonData::eTASK_RAISE_FUNDS, 10);
    int takeover = 0;
    EXPECT_EQ(company.ChooseContractDirector(1, 500, -1, takeover, 0, 0, 0), &persons[strong]);
    (void)weak;
}

TEST_F(DealsTest, ComputerWithoutAnAbleBuilderRefuses) {
    MakeComputer();
    company.SetFunds(1000);
    Hire(0);  // aptitude 0
    int takeover = 0;
    EXPECT_EQ(company.ChooseContractDirector(1, 500, -1, takeover, 0, 0, 0), nullptr);
}

TEST_F(DealsTest, HumanPlayerDecides) {
    int first = Hire(3), second = Hire(3);
    company.SetFunds(1000);
    int takeover = 0;
    // Several directors: the player picks one.
    doc.directorChoice = second;
    EXPECT_EQ(company.ChooseContractDirector(1, 400, 0, takeover, 2, 5, 6), &persons[second]);
    EXPECT_EQ(doc.calls, (std::vector<std::string>{"ShareholderPressureRoll(1,0)",
                                                   "AskAcceptContract(1,2,5,6,0,1,400,0)",
                                                   "AskDirectorChoice(1,8)"}));
    // Refused.
    doc.contractAnswer = 0;
    EXPECT_EQ(company.ChooseContractDirector(1, 400, -1, takeover, 2, 5, 6), nullptr);
    // One director: he builds.
    doc.contractAnswer = 1;
    company.RemoveDirector(second);
    EXPECT_EQ(company.ChooseContractDirector(1, 400, -1, takeover, 2, 5, 6), &persons[first]);
}

TEST_F(DealsTest, HumanPlayerIsToldWhatIsMissing) {
    int director = Hire(3);
    company.SetFunds(10);
    int takeover = 0;
    EXPECT_EQ(company.ChooseContractDirector(1, 100, -1, takeover, 2, 5, 6), nullptr);
    EXPECT_EQ(doc.calls.back(), "ReportContractProblem(1,2,5,6,-1,1,0)");
    company.SetFunds(1000);
    persons[director].AssignTask(CPersonData::eTASK_RAISE_FUNDS, 10);
    EXPECT_EQ(company.ChooseContractDirector(1, 100, -1, takeover, 2, 5, 6), nullptr);
    EXPECT_EQ(doc.calls.back(), "ReportContractProblem(1,2,5,6,-1,1,1)");
}

TEST_F(DealsTest, AbsentPlayerTakesNoDecision) {
    Hire(3);
    company.SetFunds(1000);
    doc.awayCompanies = {kNumber};
    int takeover = 0;
    EXPECT_EQ(company.ChooseContractDirector(1, 400, -1, takeover, 2, 5, 6), nullptr);
    EXPECT_TRUE(doc.calls.empty());
}

TEST_F(DealsTest, UnknownStructureTypeIsRefused) {
    Hire(3);
    company.SetFunds(1000);
    int takeover = 0;
    EXPECT_EQ(company.ChooseContractDirector(7, 400, -1, takeover, 2, 5, 6), nullptr);
}

}  // namespace
