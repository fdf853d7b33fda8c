#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "OrderFixture.h"
#include "fakes/MapFileFixture.h"
#include "model/BD.h"
#include "model/League.h"
#include "model/MapData.h"
#include "model/PersonData.h"

namespace {

const CCellPoint kBare(2, 2), kFlats(4, 0), kNoCell(-1, -1);

// ---------------------------------------------------------------- director tasks

struct STaskCase {
    const char* name;
    std::function<void(COrderService&, int director)> issue;
    int kind, work, area;
    CCellPoint target;
    std::array<int, 3> params;
    int cost;
    std::vector<std::string> log;
};

TEST_F(OrderTest, EachDirectorOrderGivesItsTaskAndPaysItsCost) {
    const CMapDoc& map = doc.GetMap();
    const int d = game.Director(0);
    const int flats = FindStructureOfCode(map, 55), kiosk = FindStructureOfCode(map, 30);
    const int office = FindStructureOfCode(map, 60);
    const CBD& kioskType = *map.GetStructureType(kiosk);
    const CBD& officeType = *map.GetStructureType(office);
    const int purchaseWork = map.GetPurchaseWork(0, 4, 0);
    const int lotPrice = map.GetLotPriceForDirector(0, 2, 2, &Person(d));
    const int support = std::max(1, map.GetLeague(0).GetTeamPrice(0) / 10);
    const int hunted = game.Director(1, 0);
    const std::string started = "  The company started the construction in Harbor.";

    const std::vector<STaskCase> cases = {
        {"designated purchase of the lot's structure",
         [&](COrderService& o, int p) { o.IssueDesignatedPurchase(p, 0, kFlats, -1, 1); },
         1,
         purchaseWork,
         0,
         kFlats,
         {flats + 1, 0, 0},
         0,
         {}},
        {"designated purchase naming the structure",
         [&](COrderService& o, int p) { o.IssueDesignatedPurchase(p, 0, kFlats, 3, 1); },
         1,
         purchaseWork,
         0,
         kFlats,
         {3, 0, 0},
         0,
         {}},
        {"land with an entrusted amount",
         [&](COrderService& o, int p) { o.IssueAcquireLand(p, 0, 700, kNoCell, 1); },
         2,
         800,
         0,
         kNoCell,
         {700, 0, 0},
         0,
         {}},
        {"land on a named lot",
         [&](COrderService& o, int p) { o.IssueAcquireLand(p, 0, 700, kBare, 1); },
         2,
         800,
         0,
         kBare,
         {0, 10000, lotPrice},
         0,
         {}},
        {"stock purchase",
         [&](COrderService& o, int p) { o.IssuePurchaseStock(p, 2, 1); },
         11,
         300,
         -2,
         kNoCell,
         {2, 0, 0},
         0,
         {}},
        {"construction",
         [&](COrderService& o, int p) { o.IssueConstruction(p, 0, kBare, kiosk, 1); },
         6,
         (kiosk + 1) * 300,
         0,
         kBare,
         {kiosk, 1, 1},
         kioskType.GetBasePrice(),
         {"[heading 0]", started}},
        {"construction beyond the funds",
         [&](COrderService& o, int p) { o.IssueConstruction(p, 0, kBare, office, 1); },
         6,
         (office + 1) * 300,
         0,
         kBare,
         {office, 2, 2},
         officeType.GetBasePrice(),
         {"[heading 0]", started}},
        {"demolition",
         [&](COrderService& o, int p) { o.IssueConstruction(p, 0, kFlats, -1, 1); },
         6,
         150,
         0,
         kFlats,
         {-1, 1, 1},
         10,
         {"[heading 0]", started}},
        {"reinforcement",
         [&](COrderService& o, int p) { o.IssueReinforceBuilding(p, 0, kFlats, 1); },
         12,
         100,
         0,
         kFlats,
         {0, 0, 0},
         5,
         {}},
        {"recruiting employees",
         [&](COrderService& o, int p) { o.IssueRecruitEmployees(p, 1); },
         3,
         600,
         -1,
         kNoCell,
         {0, 0, 0},
         0,
         {}},
        {"recruiting management",
         [&](COrderService& o, int p) { o.IssueRecruitManagement(p, 1); },
         4,
         400,
         -2,
         kNoCell,
         {0, 0, 0},
         0,
         {}},
        {"headhunting",
         [&](COrderService& o, int p) { o.IssueHeadhunting(p, hunted, 1); },
         5,
         1300,
         -2,
         kNoCell,
         {hunted, 1, 0},
         0,
         {}},
        {"advertising in all cities",
         [&](COrderService& o, int p) { o.IssueAdvertising(p, -1, 300, 1); },
         9,
         300,
         -1,
         kNoCell,
         {300, 0, 0},
         300,
         {}},
        {"advertising in one area",
         [&](COrderService& o, int p) { o.IssueAdvertising(p, 1, 150, 1); },
         9,
         150,
         1,
         kNoCell,
         {150, 0, 0},
         150,
         {}},
        {"loan",
         [&](COrderService& o, int p) { o.IssueLoan(p, 1); },
         8,
         150,
         -2,
         kNoCell,
         {0, 0, 0},
         0,
         {}},
        {"investment",
         [&](COrderService& o, int p) { o.IssueInvestment(p, 1, 2, 400, 1); },
         10,
         250,
         1,
         kNoCell,
         {2, 400, 0},
         400,
         {}},
        {"support to win more games",
         [&](COrderService& o, int p) { o.IssueFinancialSupport(p, 0, 1, 1); },
         13,
         400,
         -1,
         kNoCell,
         {0, 0, 0},
         support,
         {}},
        {"support for popularity",
         [&](COrderService& o, int p) { o.IssueFinancialSupport(p, 0, 0, 1); },
         13,
         400,
         -1,
         kNoCell,
         {0, 1, 0},
         support,
         {}},
    };
    for (const STaskCase& c : cases) {
        SCOPED_TRACE(c.name);
        CPersonData& person = Person(d);
        person.AssignTask(CPersonData::eTASK_NONE, 0);
        Company(0).SetFunds(SOrderGame::kFunds);
        Company(0).SetDebt(SOrderGame::kDebt);
        int profit = Profit(0), cash = Cash(0);
        doc.SetModifiedFlag(false);
        TakeLog();

        c.issue(Orders(), d);

        EXPECT_EQ(person.GetTaskKind(), c.kind);
        EXPECT_EQ(person.GetTaskWork(), c.work);
        EXPECT_EQ(person.GetTaskArea(), c.area);
        EXPECT_EQ(person.GetTaskTargetX(), c.target.x);
        EXPECT_EQ(person.GetTaskTargetY(), c.target.y);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(person.GetTaskParam(i), c.params[size_t(i)]) << i;
        // A shortfall becomes debt: the cash falls by the cost either way.
        EXPECT_EQ(Cash(0), cash - c.cost);
        EXPECT_GE(Company(0).GetFunds(), 0);
        EXPECT_EQ(Profit(0), profit - c.cost);
        EXPECT_EQ(TakeLog(), c.log);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(frame.calls.back(), "RefreshInfoPanels");
    }
}

// ---------------------------------------------------------------- construction

TEST_F(OrderTest, AConstructionShowsTheOrdersOwnStructureAndMovesLandAndStaff) {
    const int kiosk = FindStructureOfCode(doc.GetMap(), 30);
    const CBD& type = *doc.GetMap().GetStructureType(kiosk);
    const int atWork = Company(0).GetEmployeesAtWork();
    const CMapData& harbor = *doc.GetArea(0);
    const int structureBefore = harbor.GetStructureAt(2, 2, 1);

    Orders().IssueConstruction(game.Director(0), 0, kBare, kiosk, 1);

    EXPECT_EQ(Company(0).GetEmployeesAtWork(), atWork - type.GetValueFigure());
    EXPECT_EQ(Company(0).GetAreaBuildings(0), 1);
    // The picture shows the ordered type; the map itself is not built on yet.
    EXPECT_EQ(harbor.GetStructureAt(2, 2, 1), structureBefore);
    const std::vector<std::string> expected = {
        "SelectAreaButton(0)",
        "MarkCellRect(2,2,2,2,180)",
        "PlayEffect(4)",
        "AddInfoHeading(0)",
        "AddInfoMessage",
        "SetPumping(1)",
        "SetPumping(0)",
        "CheckCloseRequest",
        "PaintStructurePreview(0,2,2,2,2," + std::to_string(kiosk) + ")",
        "RebuildMap",
        "SetPumping(1)",
        "SetPumping(0)",
        "CheckCloseRequest",
        "FlushChangedCells(1)",
        "RefreshInfoPanels"};
    EXPECT_EQ(frame.calls, expected);
}

TEST_F(OrderTest, ADemolitionFreesTheStaffButNeverAboveTheEmployees) {
    const CBD& flats = *doc.GetMap().GetStructureType(FindStructureOfCode(doc.GetMap(), 55));
    const int atWork = Company(0).GetEmployeesAtWork();
    Orders().IssueConstruction(game.Director(0), 0, kFlats, -1, 1);
    EXPECT_EQ(Company(0).GetEmployeesAtWork(), atWork + flats.GetValueFigure());
    // Nothing is painted for a demolition; the footprint still blinks.
    EXPECT_EQ(std::count_if(frame.calls.begin(), frame.calls.end(),
                            [](const std::string& call) {
                                return call.starts_with("PaintStructurePreview");
                            }),
              0);
    EXPECT_NE(std::find(frame.calls.begin(), frame.calls.end(), "MarkCellRect(4,0,4,0,180)"),
              frame.calls.end());

    Company(0).SetEmployeesAtWork(SOrderGame::kEmployees);
    Person(game.Director(0)).AssignTask(CPersonData::eTASK_NONE, 0);
    Orders().IssueConstruction(game.Director(0), 0, kFlats, -1, 1);
    EXPECT_EQ(Company(0).GetEmployeesAtWork(), SOrderGame::kEmployees);
    EXPECT_EQ(doc.LoadBytes(doc.SaveBytes()), -1);
}

TEST_F(OrderTest, AContractOnALotWithoutOwnerIsPaidHalfAndRecordedWithTheContractor) {
    const int kiosk = FindStructureOfCode(doc.GetMap(), 30);
    const CBD& type = *doc.GetMap().GetStructureType(kiosk);
    const int builder = game.Director(1);
    CPersonData& governor = *doc.GetAreaGovernor(0);
    governor.SetAmount(100);
    Company(2).SetAreaRating(0, 0, 200, 0);
    const size_t history = Company(1).GetHistory().size();

    Orders().StartContractConstruction(builder, 0, kBare, kiosk, 901);

    EXPECT_EQ(Person(builder).GetTaskKind(), CPersonData::eTASK_CONTRACT_CONSTRUCTION);
    EXPECT_EQ(Person(builder).GetTaskWork(), (kiosk + 1) * 300);
    EXPECT_EQ(Person(builder).GetTaskParam(0), kiosk);
    EXPECT_EQ(Person(builder).GetTaskParam(1), 451);
    EXPECT_EQ(Cash(1), SOrderGame::kFunds - SOrderGame::kDebt + 450 - type.GetBasePrice());
    EXPECT_EQ(Sales(1), 450);
    EXPECT_EQ(Profit(1), 450 - type.GetBasePrice());
    EXPECT_EQ(Company(1).GetAreaRecord(1).GetContracts(), 1);
    EXPECT_EQ(Company(1).GetAreaRecord(0).GetContracts(), 1);
    ASSERT_EQ(Company(1).GetHistory().size(), history + 1);
    const CHistory& entry = Company(1).GetHistory().back();
    EXPECT_EQ(entry.GetKind(), CHistory::kindConstructionOutsourced);
    EXPECT_EQ(entry.GetParam(0), 0);
    EXPECT_EQ(entry.GetParam(1), kiosk);
    // The outsourced building dilutes what the governor and companies put in.
    EXPECT_LT(governor.GetAmount(), 100);
    EXPECT_LT(Company(2).GetAreaRating(0, 0), 200);
    // The site is laid out with the radio mast type.
    EXPECT_EQ(doc.GetCellStructure(0, 2, 2), FindStructureOfCode(doc.GetMap(), 45) + 1);
    EXPECT_NE(std::find(frame.calls.begin(), frame.calls.end(), "RefreshAreaButton(0)"),
              frame.calls.end());
}

TEST_F(OrderTest, AContractOnAnOwnedLotIsPaidByTheOwnerWhoseStaffAndLandMove) {
    const int kiosk = FindStructureOfCode(doc.GetMap(), 30);
    const CBD& type = *doc.GetMap().GetStructureType(kiosk);
    // Company 0 owns the lot and the bare cell above it.
    doc.GetArea(0)->SetCellOwner(2, 2, 1);
    doc.GetArea(0)->SetCellOwner(2, 1, 1);
    Company(0).RecountAreaLand(0);
    ASSERT_EQ(Company(0).GetAreaLand(0), 2);
    const int atWork = Company(0).GetEmployeesAtWork();
    const size_t history = Company(1).GetHistory().size();

    Orders().StartContractConstruction(game.Director(1), 0, kBare, kiosk, 900);

    EXPECT_EQ(Cash(0), SOrderGame::kFunds - SOrderGame::kDebt - 900);
    EXPECT_EQ(Profit(0), -900);
    EXPECT_EQ(Company(0).GetEmployeesAtWork(), atWork - type.GetValueFigure());
    EXPECT_EQ(Company(0).GetAreaLand(0), 1);
    EXPECT_EQ(Company(0).GetAreaBuildings(0), 1);
    EXPECT_EQ(Cash(1), SOrderGame::kFunds - SOrderGame::kDebt + 450 - type.GetBasePrice());
    EXPECT_EQ(Company(1).GetAreaRecord(1).GetContracts(), 0);
    EXPECT_EQ(Company(1).GetHistory().size(), history);
}

// ---------------------------------------------------------------- at once

TEST_F(OrderTest, SellingOneShareSaysStockAndMoreSayStocks) {
    struct SCase {
        int quantity;
        const char* line;
    };
    const std::string name = Company(0).GetName();
    const int issued = doc.GetStockHolding(0, -1);
    for (const SCase& c : {SCase{1, " stock sold."}, SCase{2, " stocks sold."}}) {
        SCOPED_TRACE(c.quantity);
        int price = doc.GetStockPrice(0), held = doc.GetStockHolding(0, 1);
        int funds = Company(1).GetFunds(), sales = Sales(1), profit = Profit(1);
        Orders().IssueSellStock(1, 0, c.quantity, 1);
        EXPECT_EQ(Company(1).GetFunds(), funds + price * c.quantity);
        EXPECT_EQ(Sales(1), sales + price * c.quantity);
        EXPECT_EQ(Profit(1), profit + price * c.quantity);
        EXPECT_EQ(doc.GetStockHolding(0, 1), held - c.quantity);
        EXPECT_EQ(TakeLog(),
                  (std::vector<std::string>{
                      "[heading 1]", "  " + std::to_string(c.quantity) + " " + name + c.line}));
    }
    EXPECT_EQ(doc.GetStockHolding(0, -1), issued);
}

TEST_F(OrderTest, TheDocumentsRepaymentIsTheRepaymentOrder) {
    doc.IssueRepayLoan(0, 300, 1, 1);
    EXPECT_EQ(Company(0).GetFunds(), SOrderGame::kFunds - 300);
    EXPECT_EQ(Company(0).GetDebt(), SOrderGame::kDebt - 300);
    EXPECT_EQ(TakeLog(),
              (std::vector<std::string>{"[heading 0]", "  300 loan payment completed."}));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(OrderTest, ALayoffCostsTheRemainingDirectorsRelationButNotTheModifiedFlag) {
    struct SCase {
        const char* name;
        int d, count, relation;
        int employeesLeft, directorsLeft, relationLeft;
        std::string line;
    };
    const int first = game.Director(0), second = game.Director(0, 1);
    const std::vector<SCase> cases = {
        {"employees", 0, 100, 1000, 400, 2, 700, "  The company dismissed 100 employees."},
        {"more employees than the relation", 0, 200, 500, 300, 2, 0,
         "  The company dismissed 200 employees."},
        {"a director", 1, 0, 1000, 500, 1, 300, "  " + Person(first).GetName() + " dismissed."},
        {"a director, relation below the loss", 1, 0, 600, 500, 1, 0,
         "  " + Person(first).GetName() + " dismissed."},
    };
    const std::vector<uint8_t> start = doc.SaveBytes();
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(doc.LoadBytes(start), -1);
        TakeLog();
        Person(first).SetRelation(0, c.relation);
        Person(second).SetRelation(0, c.relation);
        doc.SetModifiedFlag(false);
        Orders().IssueLayoff(0, c.d, c.count, 1);
        EXPECT_EQ(Company(0).GetEmployees(), c.employeesLeft);
        ASSERT_EQ(Company(0).GetDirectorCount(), c.directorsLeft);
        EXPECT_EQ(Person(second).GetRelation(0), c.relationLeft);
        EXPECT_EQ(TakeLog(), (std::vector<std::string>{"[heading 0]", c.line}));
        EXPECT_FALSE(doc.IsModified());
        if (c.d > 0) {
            EXPECT_EQ(Company(0).GetDirectorIndex(0), second);
            EXPECT_FALSE(Person(first).IsEmployed(false));
            EXPECT_EQ(Person(first).GetRelation(0), c.relation / 2);
        }
    }
}

TEST_F(OrderTest, ADismissalLowersEveryAreaGradeByItsOwnDraw) {
    Company(0).SetAreaGrade(-1, 300, 0);
    Orders().IssueLayoff(0, 1, 0, 1);
    int lowered = 0;
    for (int a = 0; a < Company(0).GetAreaCount(); ++a) {
        EXPECT_LE(Company(0).GetAreaGrade(a), 300);
        EXPECT_GT(Company(0).GetAreaGrade(a), 300 - 30);
        lowered += Company(0).GetAreaGrade(a) < 300;
    }
    EXPECT_GT(lowered, 0);
}

TEST_F(OrderTest, SellingATeamPaysHalfItsPriceAndEndsItsSupport) {
    const int price = doc.GetMap().GetLeague(0).GetTeamPrice(0);
    const int proceeds = std::max(price / 2, 1);
    Orders().IssueFinancialSupport(game.Director(0), 0, 1, 1);
    int funds = Company(0).GetFunds();
    TakeLog();
    Orders().IssueSellProTeam(0, 0, 1);
    EXPECT_EQ(Company(0).GetFunds(), funds + proceeds);
    EXPECT_EQ(Company(0).GetLeagueTeam(0), -1);
    EXPECT_EQ(doc.GetMap().GetLeague(0).GetTeam(0).GetOwnerIndex(), -1);
    EXPECT_EQ(Person(game.Director(0)).GetTaskKind(), CPersonData::eTASK_NONE);
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"[heading 0]",
                                                   "  " + Company(0).GetName() +
                                                       " sold the Harbor Gulls Football team."}));
}

TEST_F(OrderTest, ATeamBoughtOnOneMachineIsPaidOwnedAndPlaysAtItsNewField) {
    const int price = doc.GetMap().GetLeague(2).GetTeamPrice(1);
    Orders().IssueAcquireProTeam(1, 2, 1, 1, CCellPoint(5, 4), -1, 1);
    EXPECT_EQ(Company(1).GetFunds(), SOrderGame::kFunds - price);
    EXPECT_EQ(Profit(1), -price);
    EXPECT_EQ(Company(1).GetLeagueTeam(2), 1);
    const CProTeam& team = doc.GetMap().GetLeague(2).GetTeam(1);
    EXPECT_EQ(team.GetOwnerIndex(), 1);
    EXPECT_EQ((std::array{team.GetHomeArea(), team.GetHomeX(), team.GetHomeY()}),
              (std::array{1, 5, 4}));
    EXPECT_EQ(Company(1).GetHistory().back().GetKind(), CHistory::kindTeamTrade);
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"[heading 1]",
                                                   "  " + Company(1).GetName() +
                                                       " acquired the Ridge Owls Football team."}));
    // Nobody is told at a single machine: the player bought it himself.
    EXPECT_TRUE(report.calls.empty());
}

TEST_F(OrderTest, AHomeFieldMovesAtOnceOnOneMachine) {
    Orders().IssueChangeHomeField(0, 0, 1, CCellPoint(5, 4), 1);
    const CProTeam& team = doc.GetMap().GetLeague(0).GetTeam(0);
    EXPECT_EQ((std::array{team.GetHomeArea(), team.GetHomeX(), team.GetHomeY()}),
              (std::array{1, 5, 4}));
    EXPECT_EQ(
        TakeLog(),
        (std::vector<std::string>{
            "[heading 0]", "  The Harbor Gulls Football team moved their home field to Uplands."}));
}

TEST_F(OrderTest, AbandoningATaskRefundsNothing) {
    Orders().IssueAdvertising(game.Director(0), 0, 400, 1);
    const int funds = Company(0).GetFunds(), profit = Profit(0);
    Orders().IssueAbandonProject(game.Director(0), 1);
    EXPECT_EQ(Person(game.Director(0)).GetTaskKind(), CPersonData::eTASK_NONE);
    EXPECT_EQ(Person(game.Director(0)).GetTaskWork(), 0);
    EXPECT_EQ(Company(0).GetFunds(), funds);
    EXPECT_EQ(Profit(0), profit);
}

}  // namespace
