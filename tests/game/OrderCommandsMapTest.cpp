#include <gtest/gtest.h>

#include <functional>

#include "CommandFixture.h"
#include "model/BD.h"
#include "model/League.h"

namespace {

// The lot of the clicks: (0, 4) of Harbor, a single cell.
const CCellPoint kLot(0, 4);

class OrderCommandsMapTest : public CommandTest {
public:
    void Reset() {
        ASSERT_EQ(seatDoc.LoadBytes(start), -1);
        dialogs = CScriptedDialogService();
        report.calls.clear();
        report.orderReports.clear();
        report.confirmAnswers.clear();
        seat.orders.clear();
        frame = CFakeFrameService();
        frame.shownArea = 0;
        PrepareLot(kLot, 0);
    }
    std::string Rec(int type, std::vector<int> kinds, std::vector<int> params,
                    std::vector<CCellPoint> points, std::vector<int> values) {
        return OrderText(OrderRecord(type, kinds, params, points, values));
    }
    std::string Dir(const char* what, int person) {
        return std::string(what) + "(0," + std::to_string(person) + ")";
    }
    // The structure type's contract price: 20 x its construction figure + 2 x
    // its cost + 10.
    int ContractPrice(int type) {
        const CBD& t = *Map().GetStructureType(type);
        return 20 * t.GetPriceStep() + 2 * t.GetBasePrice() + 10;
    }
    void MakeUnusable(CCellPoint cell) {
        const int mast = TypeOfCode(45);
        PrepareLot(cell, 0, 45);
        CBD& type = *Map().GetStructureType(mast);
        type.SetFlags(0, type.GetSecondFlag(), type.GetThirdFlag());
    }
    void GiveTeam(int company, int league, int team) {
        SeatCompany(company).SetLeagueTeam(league, team);
        Map().GetLeague(league).GetTeam(team).SetOwner(company);
    }
    // The arena of Harbor at (5, 4), code 85.
    const CCellPoint arena{5, 4};
};

TEST_F(OrderCommandsMapTest, AClickWithANegativeCoordinateIsIgnored) {
    const std::vector<std::function<void(COrderCommands&, CCellPoint)>> clicks = {
        [](COrderCommands& m, CCellPoint c) { m.OnMapDesignatedPurchase(c); },
        [](COrderCommands& m, CCellPoint c) { m.OnMapSellRealEstate(c); },
        [](COrderCommands& m, CCellPoint c) { m.OnMapConstruction(c); },
        [](COrderCommands& m, CCellPoint c) { m.OnMapReinforceBuilding(c); },
        [](COrderCommands& m, CCellPoint c) { m.OnMapHomeField(c); },
    };
    for (size_t i = 0; i < clicks.size(); ++i) {
        for (CCellPoint cell : {CCellPoint(-1, 4), CCellPoint(0, -1), CCellPoint(6, 0)}) {
            SCOPED_TRACE(std::to_string(i) + ": " + std::to_string(cell.x) + "," +
                         std::to_string(cell.y));
            Reset();
            frame.pickParams[0] = TypeOfCode(30);
            frame.mapPickMode = 10;
            frame.calls.clear();
            clicks[i](Commands(), cell);
            EXPECT_TRUE(frame.calls.empty());
            EXPECT_TRUE(dialogs.calls.empty());
            EXPECT_TRUE(report.calls.empty());
        }
    }
}

TEST_F(OrderCommandsMapTest, ADesignatedPurchaseIsRefusedInTheOrderOfItsChecks) {
    struct SCase {
        const char* name;
        std::function<void(OrderCommandsMapTest&)> prepare;
        std::vector<std::string> reports;
    };
    const std::vector<SCase> cases = {
        {"unusable, even when it is our own", [](OrderCommandsMapTest& t) { t.MakeUnusable(kLot); },
         {"Show(0,-1) Unavailable Radio Mast"}},
        {"our own lot, even with a structure", [](OrderCommandsMapTest& t) {
             t.PrepareLot(kLot, 0, 55);
         },
         {"Show(0,-1) Property of " + Name(0) + " not for sale."}},
        {"a structure before the area is entered, on an expo site",
         [](OrderCommandsMapTest& t) {
             t.PrepareLot(kLot, 1, 55);
             t.SeatCompany(0).SetAreaLevel(0, 2);
             t.Map().GetArea(0).AddProjectArea(0, 4, 0, 4, 0);
         },
         {"Show(0,-1) You must expand into this area before you can develop."}},
        {"a planned expo site",
         [](OrderCommandsMapTest& t) {
             t.PrepareLot(kLot, -1);
             t.Map().GetArea(0).AddProjectArea(0, 4, 0, 4, 0);
         },
         {"Show(0,-1) Planned EXPO site."}},
        {"already negotiating",
         [](OrderCommandsMapTest& t) {
             t.PrepareLot(kLot, -1);
             t.GiveTask(t.d1, 1, 0);
             t.SeatPerson(t.d1).SetTaskTarget(kLot.x, kLot.y);
         },
         {Dir("Show", d1) + " " + PersonName(d1) + " is undergoing negotiations."}},
    };
    for (const SCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        row.prepare(*this);
        dialogs.personAnswers = {Choose(d0)};
        Commands().OnMapDesignatedPurchase(kLot);
        EXPECT_EQ(Reports(), row.reports);
        EXPECT_TRUE(dialogs.calls.empty());
        EXPECT_TRUE(Orders().empty());
    }
}

TEST_F(OrderCommandsMapTest, ADesignatedPurchaseOfAFreeLotIsOrdered) {
    struct SCase {
        const char* name;
        std::vector<SPersonAnswer> persons;
        bool confirmed;
        std::vector<std::string> reports, orders, frameCalls;
    };
    const std::string line = " Initiate designated realestate purchasing procedures.";
    const std::vector<SCase> cases = {
        {"confirmed", {Choose(d1)}, true, {Dir("Confirm", d1) + line},
         {Rec(1, {d1}, {0}, {kLot}, {-1})},
         {"MarkCellRect(0,4,0,4,180)", "EndMapPick(0)", "FlushChangedCells(1)", "FocusMap"}},
        {"not confirmed", {Choose(d1)}, false, {Dir("Confirm", d1) + line}, {},
         {"MarkCellRect(0,4,0,4,180)", "FlushChangedCells(1)", "FocusMap"}},
        {"no director chosen", {}, true, {}, {}, {"FocusMap"}},
    };
    for (const SCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        PrepareLot(kLot, -1);
        dialogs.personAnswers.assign(row.persons.begin(), row.persons.end());
        report.confirmAnswers = {row.confirmed};
        Commands().OnMapDesignatedPurchase(kLot);
        EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"SelectPerson(0,4,0,0)"}));
        EXPECT_EQ(Reports(), row.reports);
        EXPECT_EQ(Orders(), row.orders);
        EXPECT_EQ(FrameCalls({"MarkCellRect", "EndMapPick", "FlushChangedCells", "FocusMap"}),
                  row.frameCalls);
    }
}

TEST_F(OrderCommandsMapTest, ASaleClickOffersTheLotDirectlyOrAtAuction) {
    struct SCase {
        const char* name;
        std::function<void(OrderCommandsMapTest&)> prepare;
        SSaleMethodAnswer answer;
        std::vector<std::string> dialogCalls, reports, orders;
        int beeps;
    };
    Reset();
    const int kiosk = TypeOfCode(30);
    const std::string price = std::to_string(Map().GetLotPrice(0, kLot.x, kLot.y, 0));
    const std::string dialog = "InputSaleMethod(0," + price + ",1,1,2,1)";
    const std::vector<SCase> cases = {
        {"a pending contract on the lot",
         [=](OrderCommandsMapTest& t) {
             t.SeatCompany(0).SetContractBid(1, 0, kLot.x, kLot.y, kiosk, 900);
         },
         {}, {}, {"Show(0,-1) Planned land for development can not be sold."}, {}, 0},
        {"a pending sale of the lot",
         [](OrderCommandsMapTest& t) { t.SeatCompany(0).SetAuctionBid(300, 0, 0, 4, -1); }, {},
         {}, {"Show(0,-1) Land for sale can not be sold."}, {}, 0},
        {"another company's lot", [](OrderCommandsMapTest& t) { t.PrepareLot(kLot, 1); }, {}, {},
         {}, {}, 0},
        {"an unusable lot", [](OrderCommandsMapTest& t) { t.MakeUnusable(kLot); }, {}, {}, {},
         {}, 1},
        {"direct sale", {}, {true, 0, 1, 800}, {dialog},
         {"Confirm(0,-1) [Accepted contract to sell] Contracting " + Name(1) +
          " to sell for 800 by month end."},
         {Rec(3, {}, {0}, {kLot}, {800, 1})}, 0},
        {"auction", {}, {true, 1, 1, 650}, {dialog},
         {"Confirm(0,-1) [Accepted contract to sell] We will auction this with a minimal bid "
          "of 650 by month end."},
         {Rec(3, {}, {0}, {kLot}, {650, -1})}, 0},
        {"direct sale to ourselves", {}, {true, 0, 0, 800}, {dialog}, {}, {}, 0},
        {"cancelled", {}, {}, {dialog}, {}, {}, 0},
    };
    for (const SCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        if (row.prepare) row.prepare(*this);
        dialogs.saleAnswers = {row.answer};
        Commands().OnMapSellRealEstate(kLot);
        EXPECT_EQ(dialogs.calls, row.dialogCalls);
        EXPECT_EQ(Reports(), row.reports);
        EXPECT_EQ(Orders(), row.orders);
        EXPECT_EQ(frame.beepCount, row.beeps);
        if (!row.dialogCalls.empty()) {
            EXPECT_EQ(FrameCalls({"FlushChangedCells", "EndMapPick"}),
                      (std::vector<std::string>{"FlushChangedCells(1)", "EndMapPick(0)"}));
        }
    }
}

TEST_F(OrderCommandsMapTest, OnlyCompaniesOfTheAreaBuyABuiltLot) {
    PrepareLot(kLot, 0, 55);
    SeatCompany(1).SetAreaLevel(0, 3);
    SeatCompany(2).SetAreaLevel(0, 2);
    Commands().OnMapSellRealEstate(kLot);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    const std::string price = std::to_string(Map().GetLotPrice(0, kLot.x, kLot.y, 0));
    EXPECT_EQ(dialogs.calls[0], "InputSaleMethod(0," + price + ",1,1,2,0)");
}

TEST_F(OrderCommandsMapTest, ALotAtAuctionIsSavedWithItsBidAndLoadsAgain) {
    Reset();
    dialogs.saleAnswers = {{true, 1, 0, 650}};
    Commands().OnMapSellRealEstate(kLot);
    CVDoc loaded;
    ASSERT_EQ(loaded.LoadBytes(seatDoc.SaveBytes()), -1);
    const CEnterprise::SLotSale sale = loaded.GetEnterprise(0)->GetAuctionBid();
    EXPECT_EQ(sale, (CEnterprise::SLotSale{650, 0, kLot.x, kLot.y, -1}));
}

TEST_F(OrderCommandsMapTest, WhereAnOfficeOrAnotherStructureMayBeBuilt) {
    struct SCase {
        const char* name;
        int code;
        int level;
        bool directorThere;
        std::vector<std::string> reports;  // empty: the choice is offered
    };
    const std::string penetrate = "Show(0,-1) We must penetrate the area before we can develop.";
    const std::string expanded =
        "Show(0,-1) Already expanded into this area. Additional branch office unfeasible.";
    const std::vector<SCase> cases = {
        {"kiosk, area not entered", 30, 2, false, {penetrate}},
        {"kiosk, level 3", 30, 3, false, {}},
        {"kiosk, a director at work there", 30, 0, true, {}},
        {"branch office, area not entered", 61, 2, false, {}},
        {"branch office, level 3", 61, 3, false, {expanded}},
        {"head office, a director at work there", 60, 0, true, {expanded}},
    };
    for (const SCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        SeatCompany(0).SetAreaLevel(0, row.level);
        if (row.directorThere) GiveTask(d1, 2, 0);
        frame.pickParams[0] = TypeOfCode(row.code);
        Commands().OnMapConstruction(kLot);
        EXPECT_EQ(Reports(), row.reports);
        EXPECT_EQ(dialogs.calls.size(), row.reports.empty() ? 1u : 0u);
        EXPECT_TRUE(Orders().empty());
    }
}

TEST_F(OrderCommandsMapTest, OutsourcingIsOfferedToTheCompaniesOfTheAreaWithItsAvailability) {
    struct SCase {
        const char* name;
        int code;
        int funds;
        bool contractPending;
        int value;
    };
    const int kiosk = TypeOfCode(30);
    const int price = ContractPrice(kiosk);
    const std::vector<SCase> cases = {
        {"free", 30, price, false, 0},
        {"a contract pending", 30, price, true, 1},
        {"funds short, a contract pending too", 30, price - 1, true, 3},
        {"an office, funds short", 61, 0, false, 2},
        {"an office, funds plenty", 61, 100000, false, 2},
    };
    for (const SCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        SeatCompany(0).SetAreaLevel(0, row.code == 30 ? 3 : 0);
        SeatCompany(1).SetAreaLevel(0, 3);
        SeatCompany(2).SetAreaLevel(0, 2);
        SeatCompany(0).SetFunds(row.funds);
        if (row.contractPending) SeatCompany(0).SetContractBid(1, 1, 0, 0, kiosk, 5);
        frame.pickParams[0] = TypeOfCode(row.code);
        Commands().OnMapConstruction(kLot);
        ASSERT_EQ(dialogs.personDialogs.size(), 1u);
        const SPersonDialog& shown = dialogs.personDialogs[0];
        EXPECT_EQ(shown.caption, "Construction");
        EXPECT_EQ(shown.prompt, "Select construction director or outsource contract.");
        EXPECT_EQ(shown.dialogValue, 16);
        std::vector<std::tuple<int, bool, int>> entries;
        for (const SPersonDialog::SEntry& e : shown.entries)
            entries.emplace_back(e.id, e.outside, e.outside ? e.unavailable : e.selectable);
        EXPECT_EQ(entries, (std::vector<std::tuple<int, bool, int>>{
                               {d0, false, 1}, {d1, false, 1}, {1, true, row.value}}));
        // Cancelled: the focus goes back to the map.
        EXPECT_EQ(frame.calls, (std::vector<std::string>{"FocusMap"}));
    }
}

TEST(OrderCommandsOutsourcing, LaterReasonsWinAndADemolitionIsNeverGivenOut) {
    struct SCase {
        const char* name;
        bool demolition, office, pending, fundsShort;
        int value;
    };
    const std::vector<SCase> cases = {
        {"free", false, false, false, false, 0},
        {"a contract pending", false, false, true, false, 1},
        {"funds short with a contract pending", false, false, true, true, 3},
        {"an office with funds short", false, true, false, true, 2},
        {"a demolition", true, false, false, false, 2},
        {"a demolition with everything against it", true, false, true, true, 2},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(COrderCommands::OutsourcingValue(c.demolition, c.office, c.pending, c.fundsShort),
                  c.value);
    }
}

TEST_F(OrderCommandsMapTest, AConstructionClickEndsInAReportABeepOrAnOrder) {
    const int kiosk = TypeOfCode(30), office = TypeOfCode(60);
    const int price = ContractPrice(kiosk);
    struct SCase {
        const char* name;
        std::function<void(OrderCommandsMapTest&)> prepare;
        int structure;
        std::vector<SPersonAnswer> persons;
        std::vector<std::string> reports, orders;
        std::vector<std::string> frameCalls;
        CEnterprise::SContractBid contract;
    };
    const CEnterprise::SContractBid none;
    auto entered = [](OrderCommandsMapTest& t) {
        t.SeatCompany(0).SetAreaLevel(0, 3);
        t.SeatCompany(1).SetAreaLevel(0, 3);
        t.SeatCompany(2).SetAreaLevel(0, 0);
    };
    const int step = Map().GetStructureType(kiosk)->GetPriceStep();
    const int aptitude = SeatPerson(d0).GetTaskAptitude(6, false);
    const std::string months = std::to_string(step * 300 / ((aptitude / 2 + 2000) / 10) + 1);
    // Input is off while the order is carried out, which marks and redraws
    // the site itself; then the pick ends.
    const std::vector<std::string> built = {
        "MarkCellRect(0,4,0,4,180)", "EnableInput(0)", "FlushChangedCells(1)",
        "MarkCellRect(0,4,0,4,180)", "FlushChangedCells(1)", "EnableInput(1)",
        "FlushChangedCells(1)", "EndMapPick(0)", "SetMapPickMode(0,1,1)"};
    const std::vector<SCase> cases = {
        {"a head office whose corner lies off the map",
         [](OrderCommandsMapTest& t) { t.SeatCompany(0).SetAreaLevel(0, 0); }, office, {Choose(d0)}, {}, {}, {},
         none},
        {"a contract pending on the lot",
         [=](OrderCommandsMapTest& t) {
             entered(t);
             t.SeatCompany(0).SetContractBid(1, 0, kLot.x, kLot.y, kiosk, 900);
         },
         kiosk, {Choose(d0)}, {"Show(0,-1) Can not develop on land with planned construction."},
         {}, {}, {1, 0, kLot.x, kLot.y, kiosk, 900}},
        {"the lot for sale",
         [=](OrderCommandsMapTest& t) {
             entered(t);
             t.SeatCompany(0).SetAuctionBid(300, 0, kLot.x, kLot.y, -1);
         },
         kiosk, {Choose(d0)}, {"Show(0,-1) Land for sale can not be developed."}, {}, {}, none},
        {"another company's lot",
         [=](OrderCommandsMapTest& t) {
             entered(t);
             t.PrepareLot(kLot, 1);
         },
         kiosk, {Choose(d0)}, {}, {}, {"Beep"}, none},
        {"our director builds", entered, kiosk, {Choose(d0)},
         {Dir("Confirm", d0) + " Commence Kiosk construction with a " + months +
          " month finishing time."},
         {Rec(8, {d0}, {0}, {kLot}, {kiosk})},
         built,
         none},
        {"another company builds", entered, kiosk, {Choose(1, true)},
         {"Confirm(0,-1) [Construction Order Confirmation] Contracting " + Name(1) +
          " to develop the Kiosk for " + std::to_string(price) + " by month end."},
         {},
         {"MarkCellRect(0,4,0,4,180)", "FlushChangedCells(1)", "EndMapPick(0)",
          "SetMapPickMode(0,1,1)"},
         {1, 0, kLot.x, kLot.y, kiosk, price}},
        {"a company not of the area chosen", entered, kiosk, {Choose(2, true)}, {}, {},
         {"FocusMap"}, none},
        {"a demolition", [=](OrderCommandsMapTest& t) { t.PrepareLot(kLot, 0, 30); }, -1,
         {Choose(d1)}, {Dir("Confirm", d1) + " I will demolish this."},
         {Rec(8, {d1}, {0}, {kLot}, {-1})},
         built,
         none},
        {"a demolition of bare land", {}, -1, {Choose(d1)}, {}, {}, {"Beep"}, none},
    };
    for (const SCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        if (row.prepare) row.prepare(*this);
        frame.pickParams[0] = row.structure;
        dialogs.personAnswers.assign(row.persons.begin(), row.persons.end());
        Commands().OnMapConstruction(kLot);
        EXPECT_EQ(Reports(), row.reports);
        EXPECT_EQ(Orders(), row.orders);
        EXPECT_EQ(FrameCalls({"MarkCellRect", "EnableInput", "FlushChangedCells", "EndMapPick",
                              "SetMapPickMode", "Beep", "FocusMap"}),
                  row.frameCalls);
        EXPECT_EQ(SeatCompany(0).GetContractBid(), row.contract);
    }
}

TEST_F(OrderCommandsMapTest, ABuildingIsReinforcedFromTheMapOrFromTheAreaList) {
    PrepareLot(kLot, 0, 55);
    SeatCompany(0).AddAreaBuildings(0, 1);
    dialogs.propertyAnswers = {{true, kLot}};
    dialogs.personAnswers = {Choose(d0)};
    Commands().DoAreaPortfolio();
    ASSERT_GE(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].rfind("ShowProperties(1,", 0), 0u) << dialogs.calls[0];
    EXPECT_NE(dialogs.calls[0].find(",0,4"), std::string::npos);
    EXPECT_EQ(dialogs.calls[1], "SelectPerson(0,16,2,0)");
    EXPECT_EQ(dialogs.personDialogs[0].caption, "Reinforce Building-Select Director");
    EXPECT_EQ(Reports(), (std::vector<std::string>{Dir("Confirm", d0) +
                                                   " I will reinforce this for 5."}));
    EXPECT_EQ(Orders(), (std::vector<std::string>{Rec(10, {d0}, {0}, {kLot}, {})}));

    // Another company's building is not ours to reinforce.
    Reset();
    PrepareLot(kLot, 1, 55);
    Commands().OnMapReinforceBuilding(kLot);
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_TRUE(frame.calls.empty());
}

TEST_F(OrderCommandsMapTest, TheAreaListWithoutBuildingsBeepsAndEndsThePick) {
    Reset();
    SeatCompany(0).AddAreaBuildings(0, -SeatCompany(0).GetAreaBuildings(0));
    frame.mapPickMode = 4;
    Commands().DoAreaPortfolio();
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"EndMapPick(0)", "Beep"}));
    EXPECT_EQ(frame.mapPickMode, 0);
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(OrderCommandsMapTest, AStadiumClickChecksTheStadiumAndPlacesTheTeam) {
    struct SCase {
        const char* name;
        std::function<void(OrderCommandsMapTest&)> prepare;
        int mode, league, team;
        bool inputOn, network;
        std::vector<std::string> reports, orders, frameCalls;
        int modeAfter;
    };
    const int price = Map().GetLeague(1).GetTeamPrice(0);
    const std::string confirm = "Confirm(0,-1) We shall base our home field here.";
    const std::vector<std::string> placed = {"MarkCellRect(3,3,5,4,180)", "EnableInput(0)",
                                             "EnableInput(1)", "EndMapPick(0)", "FocusMap"};
    const std::vector<SCase> cases = {
        {"a stadium of the other kind", {}, 10, 0, 0, true, true, {}, {}, {"Beep"}, 10},
        {"occupied by another company's team",
         [](OrderCommandsMapTest& t) {
             t.Map().SetStructureOwner(0, 5, 4, 2);
             t.GiveTeam(1, 1, 1);
             t.Map().GetLeague(1).GetTeam(1).SetHomeField(0, 5, 4);
         },
         7, 1, 0, true, true,
         {"Show(0,-1) We can not base our team here because it is already occupied by another "
          "team."},
         {}, {"MarkCellRect(3,3,5,4,180)", "FlushChangedCells(1)"}, 7},
        {"a team purchase", {}, 7, 1, 0, true, true, {confirm},
         {Rec(6, {}, {0}, {{5, 4}}, {1, 0, price})}, placed, 0},
        {"a home-field change", [](OrderCommandsMapTest& t) { t.GiveTeam(0, 1, 0); }, 9, 1, 0,
         true, true, {confirm}, {Rec(23, {}, {0}, {{5, 4}}, {1})}, placed, 0},
        {"a move asked for during the month, network play",
         [](OrderCommandsMapTest& t) { t.GiveTeam(0, 1, 0); }, 9, 1, 0, false, true, {confirm},
         {Rec(23, {}, {0}, {{5, 4}}, {1})},
         {"MarkCellRect(3,3,5,4,180)", "EndMapPick(1)", "SendStadiumAnswer(0,5,4)", "FocusMap"},
         0},
        {"a move asked for during the month",
         [](OrderCommandsMapTest& t) { t.GiveTeam(0, 1, 0); }, 9, 1, 0, false, false, {confirm},
         {}, {"MarkCellRect(3,3,5,4,180)", "EndMapPick(1)", "ContinueMonth", "FocusMap"}, 0},
    };
    for (const SCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        if (row.prepare) row.prepare(*this);
        seat.networkGame = row.network;
        frame.mapPickMode = row.mode;
        frame.pickParams = {{0, row.league}, {1, row.team}};
        frame.inputEnabled = row.inputOn ? 1 : 0;
        Commands().OnMapHomeField(arena);
        EXPECT_EQ(Reports(), row.reports);
        EXPECT_EQ(Orders(), row.orders);
        EXPECT_EQ(FrameCalls({"MarkCellRect", "EnableInput", "FlushChangedCells", "EndMapPick",
                              "Beep", "FocusMap", "SendStadiumAnswer", "ContinueMonth"}),
                  row.frameCalls);
        EXPECT_EQ(frame.mapPickMode, row.modeAfter);
    }
}

TEST_F(OrderCommandsMapTest, AHomeFieldMoveOutsideNetworkPlayMovesTheTeam) {
    GiveTeam(0, 1, 0);
    seat.networkGame = false;
    frame.mapPickMode = 9;
    frame.pickParams = {{0, 1}, {1, 0}};
    Commands().OnMapHomeField(arena);
    const CProTeam& team = Map().GetLeague(1).GetTeam(0);
    EXPECT_EQ(team.GetHomeArea(), 0);
    EXPECT_EQ(CCellPoint(team.GetHomeX(), team.GetHomeY()), arena);
}

TEST_F(OrderCommandsMapTest, APlayerAskedForANewHomeFieldPicksItOnTheMap) {
    GiveTeam(0, 2, 1);
    EXPECT_EQ(seatDoc.AskNewHomeField(0, 2), 2);
    EXPECT_EQ(frame.mapPickMode, 10);
    EXPECT_EQ(frame.pickOn, 1);
    EXPECT_EQ(frame.GetPickParam(0), 2);
    EXPECT_EQ(frame.GetPickParam(1), 1);
    EXPECT_EQ(Reports(), (std::vector<std::string>{
                             "Show(0,-1) Select the stadium location for the professional "
                             "Football team Ridge Owls Potential stadium areas."}));
}

}  // namespace
