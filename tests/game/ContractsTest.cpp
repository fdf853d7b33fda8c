// Construction work given out to other companies: the month-end settlement
// of an ordered construction, the contract offer and the governor's price.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ContractsFixture.h"
#include "model/CmdPacket.h"
#include "model/StructureCodes.h"
#include "platform/core/RuntimeRandom.h"

namespace {

// ---------------------------------------------------------------- ordered constructions

// Player 0 orders the house from player 1, who takes it with his director.
TEST_F(ContractsTest, AnOrderedConstructionIsSettledOrRefusedWithItsReason) {
    struct Case {
        const char* name;
        int funds, atWork;
        int reason;  // -1: given out
    };
    const int price = cost + 100;
    const std::vector<Case> cases = {
        {"given out", price, staff, -1},
        {"too little money", price - 1, staff, 0},
        {"too few employees", price, staff - 1, 1},
        {"money counts before employees", price - 1, staff - 1, 0},
    };
    OwnSite(0);
    report.contractAnswer = true;
    const std::vector<uint8_t> initial = doc.SaveBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        report.calls.clear();
        CEnterprise& client = *doc.GetEnterprise(0);
        client.SetFunds(c.funds);
        client.SetEmployeesAtWork(c.atWork);
        client.SetContractBid(1, 0, kX, kY, house, price);
        const int contractorFunds = doc.GetEnterprise(1)->GetFunds();

        doc.SettleContractOrder(0);

        CEnterprise::SContractBid left;
        EXPECT_EQ(client.GetContractBid(left), 0);
        const CPersonData& builder = Person(builders[1]);
        if (c.reason >= 0) {
            EXPECT_EQ(Count("ShowDevelopmentPlanFailed(0," + std::to_string(c.reason) + ")"), 1);
            EXPECT_FALSE(builder.HasTask());
            EXPECT_EQ(client.GetFunds(), c.funds);
            continue;
        }
        EXPECT_EQ(Count("ShowContractAnswer(0,1," + Site() + "," + std::to_string(house) + ",1,0)"),
                  1);
        // The contractor's director builds; half the price now, the rest on
        // completion; the client pays the price and sends the staff.
        EXPECT_EQ(builder.GetTaskKind(), CPersonData::eTASK_CONTRACT_CONSTRUCTION);
        EXPECT_EQ(builder.GetTaskArea(), 0);
        EXPECT_EQ(builder.GetTaskTargetX(), kX);
        EXPECT_EQ(builder.GetTaskTargetY(), kY);
        EXPECT_EQ(builder.GetTaskParam(0), house);
        EXPECT_EQ(builder.GetTaskParam(1), price - price / 2);
        EXPECT_EQ(doc.GetEnterprise(1)->GetFunds(), contractorFunds + price / 2 - cost);
        EXPECT_EQ(client.GetFunds(), 0);
        EXPECT_EQ(client.GetEmployeesAtWork(), 0);
    }
}

// A computer client's planned construction step is tried again after a
// failed order.
TEST_F(ContractsTest, AFailedOrderOfAComputerClientResetsItsPlannedStep) {
    OwnSite(2);
    CEnterprise& client = *doc.GetEnterprise(2);
    CCmdPacket plan;
    CCmdPacket::SStep step;
    step.kind = eCOM_CONSTRUCTION;
    step.param2 = house;
    step.param3 = 0;
    step.point = CCellPoint(kX, kY);
    step.done = 1;
    plan.AddStep(step);
    client.GetPlans().push_back(plan);
    client.SetFunds(0);
    client.SetContractBid(1, 0, kX, kY, house, cost + 100);
    doc.SettleContractOrder(2);
    EXPECT_EQ(client.GetPlan(0).IsDone(0), 0);
    // A computer client hears nothing.
    EXPECT_EQ(Count("ShowDevelopmentPlanFailed(2,0)"), 0);
}

// Between the order and the month end the lot went to another company:
// nobody is charged for a construction on it.
TEST_F(ContractsTest, AnOrderOnALotNoLongerTheClientsIsDropped) {
    OwnSite(0);
    Own(kX, kY, 3);
    report.contractAnswer = true;
    doc.GetEnterprise(0)->SetContractBid(1, 0, kX, kY, house, cost + 100);
    const int funds3 = doc.GetEnterprise(3)->GetFunds();
    doc.SettleContractOrder(0);
    EXPECT_FALSE(Person(builders[1]).HasTask());
    EXPECT_EQ(doc.GetEnterprise(3)->GetFunds(), funds3);
    CEnterprise::SContractBid left;
    EXPECT_EQ(doc.GetEnterprise(0)->GetContractBid(left), 0);
}

// A refused contract lowers the contractor's morale by Random(10); the
// client hears the answer either way.
TEST_F(ContractsTest, ARefusedOfferLowersTheContractorsMorale) {
    OwnSite(0);
    report.contractAnswer = false;
    doc.GetEnterprise(1)->SetMorale(50);
    std::set<int> drops;
    const std::vector<uint8_t> initial = doc.SaveBytes();
    for (int seed = 1; seed <= 30; ++seed) {
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        // Seeds far apart: the first draw after a seed grows slowly with it.
        CRuntimeRandom::Seed(seed * 7331u);
        report.calls.clear();
        EXPECT_EQ(doc.OfferContract(0, kX, kY, house, cost + 100, 1, 0), 0);
        const int drop = 50 - doc.GetEnterprise(1)->GetRating();
        EXPECT_GE(drop, 0);
        EXPECT_LE(drop, 9);
        drops.insert(drop);
        EXPECT_EQ(Count("ShowContractAnswer(0,1," + Site() + "," + std::to_string(house) + ",0,0)"),
                  1);
        EXPECT_FALSE(Person(builders[1]).HasTask());
    }
    EXPECT_GT(drops.size(), 1u);
}

// A governor's offer (client -1) to a player: taken, the site is the
// contractor's work without an owner to pay.
TEST_F(ContractsTest, AGovernorsOfferTakenStartsTheWork) {
    report.contractAnswer = true;
    const int funds = doc.GetEnterprise(1)->GetFunds();
    const size_t history = doc.GetEnterprise(1)->GetHistory().size();
    ASSERT_EQ(doc.OfferContract(0, kX, kY, house, 300, 1, -1), 1);
    EXPECT_EQ(Person(builders[1]).GetTaskKind(), CPersonData::eTASK_CONTRACT_CONSTRUCTION);
    EXPECT_EQ(doc.GetEnterprise(1)->GetFunds(), funds + 150 - cost);
    EXPECT_EQ(doc.GetEnterprise(1)->GetHistory().size(), history + 1);
    // No client, nobody told.
    EXPECT_EQ(Count("ShowContractAnswer(-1,1," + Site() + "," + std::to_string(house) + ",1,0)"), 0);
}

TEST_F(ContractsTest, AnOfferOutsideTheGameIsNoContract) {
    struct Case {
        const char* name;
        int area, x, y, type, contractor, client;
    };
    const std::vector<Case> cases = {
        {"no such contractor", 0, kX, kY, house, 4, 0},
        {"the client itself", 0, kX, kY, house, 0, 0},
        {"no such structure type", 0, kX, kY, doc.GetMap().GetStructureTypeCount(), 1, 0},
        {"a site over the map's edge", 0, width - 2, kY, house, 1, 0},
        {"no such area", doc.GetMap().GetAreaCount(), kX, kY, house, 1, 0},
    };
    report.contractAnswer = true;
    const std::vector<uint8_t> before = doc.SaveBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(doc.OfferContract(c.area, c.x, c.y, c.type, 300, c.contractor, c.client), 0);
        EXPECT_EQ(doc.SaveBytes(), before);
    }
}

// The governor's relation r, varied by up to r, lifts the base price by
// min(r^0.8, 100) percent.
TEST_F(ContractsTest, TheGovernorsPriceFollowsHisRelation) {
    CPersonData* governor = doc.GetAreaGovernor(0);
    ASSERT_NE(governor, nullptr);
    const CBD& type = *doc.GetMap().GetStructureType(house);
    const int fixed = type.GetPriceStep() * 20 + 10;
    struct Case {
        const char* name;
        int relation;
        CDraws draws;
        int premium;
    };
    const std::vector<Case> cases = {
        // 10 - 2 = 8; 8^0.8 = 5.27
        {"a small relation", 10, VaryDraws(10, 5, 2, 0), 5},
        // 1000 + 100: far above the cap
        {"a strong relation", 1000, VaryDraws(1000, 500, 100, 1), 100},
        // 40 + 20 = 60; 60^0.8 = 26.46
        {"a middling relation", 40, VaryDraws(40, 30, 20, 1), 26},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        governor->SetRelation(1, c.relation);
        CScriptedDraws script(c.draws);
        EXPECT_EQ(doc.CalcGovernorContractPrice(0, 1, house),
                  type.GetBasePrice() * (c.premium + 100) / 100 + fixed);
        script.ExpectAllDrawn();
    }
    EXPECT_EQ(doc.CalcGovernorContractPrice(0, 1, -1), 0);
}

// The contractor of a running contract went bankrupt: a client gets its
// staff back and hears of it, a public project site is open again; either
// way the site is cleared.
TEST_F(ContractsTest, ABankruptContractorsSiteIsClearedAndReopened) {
    const int pavilion = FindStructureOfCode(doc.GetMap(), StructureCode::kProject);
    ASSERT_GE(pavilion, 0);
    report.contractAnswer = true;
    const std::vector<uint8_t> initial = doc.SaveBytes();
    for (bool publicSite : {false, true}) {
        SCOPED_TRACE(publicSite ? "a public project" : "a client's lot");
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        CMapData& record = doc.GetMap().GetArea(0);
        report.calls.clear();
        const int type = publicSite ? pavilion : house;
        CEnterprise& client = *doc.GetEnterprise(0);
        const int atWork = client.GetEmployeesAtWork();
        int site = -1;
        if (publicSite) {
            record.ClearProjectLists();
            record.SetProjectStart(doc.GetMonthIndex());
            ASSERT_EQ(record.AddProjectArea(kX, kY, kX, kY, pavilion), 1);
            site = record.GetProjectSiteCount() - 1;
            record.SetProjectSiteFlag(site, 1);
            doc.GetEnterprise(1)->SetFunds(10000);
            ASSERT_EQ(doc.OfferContract(0, kX, kY, pavilion, 900, 1, -1), 1);
        } else {
            OwnSite(0);
            ASSERT_EQ(doc.OfferContract(0, kX, kY, house, cost + 100, 1, 0), 1);
            EXPECT_EQ(client.GetEmployeesAtWork(), atWork - staff);
        }
        ASSERT_GT(record.GetStructureAt(kX, kY, 1), 0);

        doc.CancelBankruptContracts(0, kX, kY, type, 1);

        EXPECT_EQ(record.GetStructureAt(kX, kY, 1), 0);
        if (publicSite) {
            EXPECT_EQ(record.GetProjectSiteFlag(site), 0);
            EXPECT_EQ(Count("ShowContractorBankrupt(0," + std::to_string(type) + ",1)"), 0);
        } else {
            EXPECT_EQ(client.GetEmployeesAtWork(), atWork);
            EXPECT_EQ(Count("ShowContractorBankrupt(0," + std::to_string(type) + ",1)"), 1);
        }
    }
}

}  // namespace
