// Land bought by directors: a designated lot, whose owner is asked first,
// and a lot found by a land search with the free lot next to it.

#include <deque>

#include "TaskFixture.h"
#include "fakes/ScriptedDraws.h"
#include "model/CmdPacket.h"

class DirectorTasksLandTest : public TaskTest {
protected:
    static constexpr int kRich = 1000000;

    // The draws of the price (no variation) and, for an owned lot, the
    // owner's willingness: Random(range) gives willing.
    static CDraws PriceDraws() {
        return {SScriptedDraw::Raw(1), SScriptedDraw::Raw(1), SScriptedDraw::Raw(1),
                SScriptedDraw::Raw(1)};
    }
    // A plan of the computer company with one step assigned to the person.
    void PlanStep(int c, int person) {
        CCmdPacket plan;
        CCmdPacket::SStep step;
        step.kind = eCOM_DESIGNATED_PURCHASE;
        step.param1 = person;
        step.done = 1;
        plan.AddStep(step);
        Company(c).GetPlans().push_back(plan);
    }
    bool StartsWith(const std::string& call, const std::string& head) {
        return call.rfind(head, 0) == 0;
    }
};

TEST_F(DirectorTasksLandTest, DesignatedPurchaseAsksTheOwner) {
    const int flats = TypeOfCode(55);
    Build(0, 1, 3, 3, flats);
    Build(1, 1, 1, 2, flats);
    struct SCase {
        const char* name;
        int buyer;
        CCellPoint lot;
        int holding;      // of the owner's shares by the buyer
        int willingness;  // the draw; -1 for a free lot (no draw)
        std::deque<bool> answers;
        std::string call;  // the first report call, up to the price
        bool sold;
    };
    const std::vector<SCase> cases = {
        {"human owner sells", 2, {3, 3}, 0, 499, {true}, "AskDesignatedSale(0,2,", true},
        {"human owner refuses", 2, {3, 3}, 0, 499, {false}, "AskDesignatedSale(0,2,", false},
        {"forced sale", 2, {3, 3}, 2500, 1000, {true}, "AskDesignatedSale(0,2,", true},
        {"computer owner refuses a human buyer",
         0,
         {1, 2},
         0,
         100,
         {},
         "ShowDesignatedPurchaseRefused(0,",
         false},
        {"human buyer confirms a free lot",
         0,
         {0, 4},
         0,
         -1,
         {true},
         "AskDesignatedPurchase(0,",
         true},
        {"human buyer cancels", 0, {0, 4}, 0, -1, {false}, "AskDesignatedPurchase(0,", false},
    };
    for (const SCase& entry : cases) {
        SCOPED_TRACE(entry.name);
        const int b = entry.buyer;
        const int owner = doc.GetCellOwner(1, entry.lot.x, entry.lot.y);
        if (owner > 0) doc.SetStockHolding(owner - 1, b, entry.holding);
        Company(b).SetFunds(kRich);
        const int d = game.Director(b);
        Orders().ApplyDesignatedPurchase(d, 1, entry.lot, -1);
        report.calls.clear();
        report.taskAnswers = entry.answers;
        TakeLog();
        CDraws script = PriceDraws();
        if (entry.willingness >= 0)
            script.push_back({entry.holding ? 1500 : 500, entry.willingness});
        {
            CScriptedDraws draws(script);
            draws.ThenGenerator();
            doc.CompleteDesignatedPurchase(Person(d));
        }
        EXPECT_FALSE(Person(d).HasTask());
        ASSERT_FALSE(report.calls.empty());
        EXPECT_TRUE(StartsWith(report.calls.front(), entry.call)) << report.calls.front();
        if (entry.call == "AskDesignatedSale(0,2,")
            EXPECT_EQ(report.calls.front().back() == ')' &&
                          report.calls.front()[report.calls.front().size() - 2] == '1',
                      entry.holding > 0)
                << report.calls.front();
        const int newOwner = doc.GetCellOwner(1, entry.lot.x, entry.lot.y);
        EXPECT_EQ(newOwner, entry.sold ? b + 1 : owner);
        const auto log = TakeLog();
        EXPECT_EQ(Company(b).GetFunds() < kRich, entry.sold);
        if (entry.sold) {
            const int price = kRich - Company(b).GetFunds();
            EXPECT_TRUE(Has(log, "  Purchased in " + doc.GetAreaName(1) + " for " +
                                     std::to_string(price) + "."));
            // Sold back for the next case.
            doc.TransferLot(1, entry.lot.x, entry.lot.y, owner - 1, 0);
        }
    }
}

TEST_F(DirectorTasksLandTest, ComputerOwnerNeverSellsToABuyerWithoutShares) {
    const int flats = TypeOfCode(55);
    Build(1, 1, 1, 2, flats);
    Company(2).SetFunds(kRich);
    for (int seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        CRuntimeRandom::Seed(seed);
        const int d = game.Director(2);
        Orders().ApplyDesignatedPurchase(d, 1, {1, 2}, -1);
        doc.CompleteDesignatedPurchase(Person(d));
        EXPECT_EQ(doc.GetCellOwner(1, 1, 2), 2);
    }
    EXPECT_EQ(Company(2).GetFunds(), kRich);
}

TEST_F(DirectorTasksLandTest, BuyerWhoCannotPayBuysNothing) {
    const int flats = TypeOfCode(55);
    Build(1, 1, 1, 2, flats);
    struct SCase {
        const char* name;
        CCellPoint lot;
        bool stepKept;  // a free lot is tried again
    };
    const std::vector<SCase> cases = {{"free lot", {0, 4}, true}, {"owned lot", {1, 2}, false}};
    for (const SCase& entry : cases) {
        SCOPED_TRACE(entry.name);
        const int d = game.Director(2);
        Company(2).GetPlans().clear();
        PlanStep(2, d);
        Company(2).SetFunds(0);
        const int owner = doc.GetCellOwner(1, entry.lot.x, entry.lot.y);
        Orders().ApplyDesignatedPurchase(d, 1, entry.lot, -1);
        {
            CScriptedDraws draws(PriceDraws());
            draws.ThenGenerator();
            doc.CompleteDesignatedPurchase(Person(d));
        }
        EXPECT_EQ(doc.GetCellOwner(1, entry.lot.x, entry.lot.y), owner);
        EXPECT_EQ(Company(2).GetFunds(), 0);
        ASSERT_EQ(Company(2).GetPlanCount(), entry.stepKept ? 1 : 0);
        if (entry.stepKept) {
            EXPECT_EQ(Company(2).GetPlan(0).GetParam1(0), -1);
            EXPECT_EQ(Company(2).GetPlan(0).IsDone(0), 0);
        }
    }
}

TEST_F(DirectorTasksLandTest, LandSearchTakesTheFreeNeighbourWithTheLot) {
    Build(1, 1, 1, 1, TypeOfCode(55));
    struct SCase {
        const char* name;
        int buyer;
        CCellPoint lot;
        int side;
        std::vector<CCellPoint> bought;
    };
    const std::vector<SCase> cases = {
        {"no neighbour offered", 1, {2, 3}, 0, {{2, 3}}},
        {"neighbour above", 1, {3, 2}, 1, {{3, 2}, {3, 1}}},
        {"neighbour to the right", 2, {0, 3}, 2, {{0, 3}, {1, 3}}},
        {"neighbour outside the grid", 1, {0, 4}, 3, {{0, 4}}},
        {"neighbour built on", 2, {1, 2}, 1, {{1, 2}}},
        {"human buyer takes it", 0, {1, 4}, 2, {{1, 4}, {2, 4}}},
    };
    for (const SCase& entry : cases) {
        SCOPED_TRACE(entry.name);
        const int b = entry.buyer;
        Company(b).SetFunds(kRich);
        const int d = game.Director(b);
        Orders().ApplyAcquireLand(d, 1, 0, entry.lot);
        const int price = Person(d).GetTaskParam(2);
        Person(d).SetTaskParam(3, entry.side);
        Person(d).SetTaskParam(4, 70);
        report.calls.clear();
        TakeLog();
        doc.CompleteLandAcquisition(Person(d));
        for (const CCellPoint& cell : entry.bought)
            EXPECT_EQ(doc.GetCellOwner(1, cell.x, cell.y), b + 1) << cell.x << "," << cell.y;
        const int total = price + (entry.bought.size() > 1 ? 70 : 0);
        EXPECT_EQ(Company(b).GetFunds(), kRich - total);
        EXPECT_TRUE(Has(TakeLog(), "  Purchased in " + doc.GetAreaName(1) + " for " +
                                       std::to_string(total) + "."));
        if (b == 0) {
            EXPECT_TRUE(Reported("AskDesignatedPurchase" + Args({0, d, price, 1, 1})));
            EXPECT_TRUE(Reported("AskLandPurchase" + Args({0, d, 70})));
        }
        for (const CCellPoint& cell : entry.bought) doc.TransferLot(1, cell.x, cell.y, -1, 0);
    }
}

TEST_F(DirectorTasksLandTest, LandSearchWithoutALotTellsOnlyAHumanPlayer) {
    for (int c : {0, 1}) {
        SCOPED_TRACE(c);
        const int d = game.Director(c);
        Orders().ApplyAcquireLand(d, 1, 100, {-1, -1});
        report.calls.clear();
        doc.CompleteLandAcquisition(Person(d));
        EXPECT_FALSE(Person(d).HasTask());
        EXPECT_EQ(Reported("ShowLandAcquisitionFailed" + Args({c, d, 1})), c == 0);
    }
}
