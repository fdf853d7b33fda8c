// Companies leaving the game: mergers by share holdings and the removal of
// a bankrupt company, on a small game of the fixture files.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "GameFixture.h"
#include "fakes/MapFileFixture.h"
#include "fakes/ScriptedDraws.h"
#include "model/League.h"
#include "model/MapData.h"

namespace {

int Count(const std::vector<std::string>& calls, const std::string& call) {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

class LeavingCompaniesTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        NewGame(4, 1);
        doc.InitIssuedShares();
        // Nobody holds another company's shares; each has issued 150.
        for (int r = 0; r < 4; ++r) {
            doc.SetStockHolding(r, -1, kIssued);
            for (int h = 0; h < 4; ++h) doc.SetStockHolding(r, h, 0);
        }
        doc.ShuffleTurnOrder();
        for (int c = 0; c < 4; ++c) names.push_back(doc.GetEnterprise(c)->GetName());
        initial = doc.SaveBytes();
    }
    // Back to the game as SetUp left it, for the next row of a table.
    void Restore() {
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        ASSERT_EQ(Names(), names);
        report.calls.clear();
        frame.calls.clear();
        frame.infoLines.clear();
    }
    std::vector<std::string> Names() {
        std::vector<std::string> left;
        for (int c = 0; c < doc.GetCompanyCount(); ++c) left.push_back(doc.GetEnterprise(c)->GetName());
        return left;
    }
    std::vector<std::string> NamesWithout(std::initializer_list<int> gone) {
        std::vector<std::string> left;
        for (int c = 0; c < 4; ++c)
            if (std::find(gone.begin(), gone.end(), c) == gone.end())
                left.push_back(names[static_cast<size_t>(c)]);
        return left;
    }
    // Every company once, and nothing else.
    void ExpectTurnOrderIsAPermutation() {
        std::vector<int> order;
        for (int p = 0; p < doc.GetCompanyCount(); ++p) order.push_back(doc.GetTurnEnterprise(p));
        std::sort(order.begin(), order.end());
        std::vector<int> all(static_cast<size_t>(doc.GetCompanyCount()));
        for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
        EXPECT_EQ(order, all);
        EXPECT_EQ(doc.GetTurnEnterprise(doc.GetCompanyCount()), -1);
    }
    void ExpectSavesAndLoads() {
        CVDoc loaded;
        auto scoped = ScopedDoc(&loaded);
        EXPECT_EQ(loaded.LoadBytes(doc.SaveBytes()), -1);
        EXPECT_EQ(loaded.GetCompanyCount(), doc.GetCompanyCount());
    }

    static constexpr int kIssued = 150;
    std::vector<std::string> names;
    std::vector<uint8_t> initial;
    CFakeReportService report;
    CScopedService<IReportService> scopedReport = ScopedReport(&report);
};

TEST_F(LeavingCompaniesTest, AHoldingOfHalfTheIssuedSharesMerges) {
    struct Case {
        const char* name;
        int issued, held;
        bool merges;
    };
    const std::vector<Case> cases = {
        {"exactly half", kIssued, kIssued / 2, true},
        {"one share less", kIssued, kIssued / 2 - 1, false},
        {"all of them", kIssued, kIssued, true},
        {"odd count, just over half", 151, 76, true},
        {"odd count, just under half", 151, 75, false},
        {"nothing issued", 0, 10, false},
        {"a negative issued count", -4, 10, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restore();
        doc.SetStockHolding(2, -1, c.issued);
        doc.SetStockHolding(2, 0, c.held);
        ASSERT_EQ(doc.CheckMergers(), c.merges ? 1 : 0);
        if (!c.merges) {
            EXPECT_EQ(Names(), names);
            EXPECT_TRUE(report.calls.empty());
            continue;
        }
        EXPECT_EQ(Names(), NamesWithout({2}));
        EXPECT_EQ(report.calls, std::vector<std::string>{"ShowMerger(0,2)"});
        EXPECT_EQ(Count(frame.calls, "ScrollAreaButtonsToFirst()"), 1);
        ExpectTurnOrderIsAPermutation();
        // The caller's loop ends: nothing else qualifies.
        EXPECT_EQ(doc.CheckMergers(), 0);
        ExpectSavesAndLoads();
    }
}

// Company 1 holds half of company 0, company 3 all of company 2. The first
// company of the random order that is absorbed by somebody goes first.
TEST_F(LeavingCompaniesTest, TheRandomOrderPicksOneOfSeveralPairsPerCall) {
    struct Case {
        const char* name;
        CDraws order;  // the list drawn for the search
        int absorbed, absorber;
    };
    const std::vector<Case> cases = {
        {"0 first", {{4, 0}, {3, 0}, {2, 0}, {1, 0}}, 0, 1},
        {"2 first", {{4, 2}, {3, 0}, {2, 0}, {1, 0}}, 2, 3},
        {"1 first, then 3, then 0", {{4, 1}, {3, 2}, {2, 0}, {1, 0}}, 0, 1},
        {"3 first, then 2", {{4, 3}, {3, 2}, {2, 0}, {1, 0}}, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restore();
        doc.SetStockHolding(0, 1, kIssued / 2);
        doc.SetStockHolding(2, 3, kIssued);
        {
            CScriptedDraws script(c.order);
            // The new turn order after the merger comes from the generator.
            script.ThenGenerator();
            ASSERT_EQ(doc.CheckMergers(), 1);
        }
        EXPECT_EQ(doc.GetCompanyCount(), 3);
        EXPECT_EQ(Names(), NamesWithout({c.absorbed}));
        EXPECT_EQ(report.calls, std::vector<std::string>{"ShowMerger(" + std::to_string(c.absorber) +
                                                         "," + std::to_string(c.absorbed) + ")"});
        ExpectTurnOrderIsAPermutation();
        // The other pair, renumbered, on the next call; then the loop ends.
        EXPECT_EQ(doc.CheckMergers(), 1);
        EXPECT_EQ(Names(), NamesWithout({0, 2}));
        EXPECT_EQ(doc.CheckMergers(), 0);
        EXPECT_EQ(Count(frame.calls, "ScrollAreaButtonsToFirst()"), 2);
        ExpectTurnOrderIsAPermutation();
    }
}

TEST_F(LeavingCompaniesTest, EachQualifyingPairIsMergedForSomeSeed) {
    std::set<int> first;
    for (uint32_t seed = 1; seed <= 40 && first.size() < 2; ++seed) {
        Restore();
        doc.SetStockHolding(0, 1, kIssued / 2);
        doc.SetStockHolding(2, 3, kIssued);
        CRuntimeRandom::Seed(seed * 2654435761u);
        ASSERT_EQ(doc.CheckMergers(), 1);
        first.insert(doc.GetEnterprise(0)->GetName() == names[0] ? 2 : 0);
    }
    EXPECT_EQ(first, (std::set<int>{0, 2}));
}

// A bankrupt company waiting for the safe point neither absorbs nor is
// absorbed; a merger meanwhile renumbers it.
TEST_F(LeavingCompaniesTest, ALeavingCompanyTakesNoPartInMergers) {
    doc.SetStockHolding(1, 3, kIssued);  // 3 would absorb 1
    doc.SetStockHolding(3, 0, kIssued);  // 0 would absorb 3
    doc.SetStockHolding(2, 0, kIssued);  // 0 absorbs 2
    doc.DropEnterprise(3);
    ASSERT_TRUE(doc.IsLeaving(3));
    EXPECT_EQ(doc.CheckMergers(), 1);
    EXPECT_EQ(Names(), NamesWithout({2}));
    EXPECT_EQ(doc.CheckMergers(), 0);
    EXPECT_TRUE(doc.IsLeaving(2));  // once company 3
    EXPECT_EQ(doc.RemoveLeavingCompanies(), 1);
    EXPECT_EQ(Names(), NamesWithout({2, 3}));
    EXPECT_EQ(Count(frame.calls, "ScrollAreaButtonsToFirst()"), 2);
    ExpectTurnOrderIsAPermutation();
    ExpectSavesAndLoads();
}

// Company 1 goes bankrupt holding lots in both areas, an office, directors
// on tasks, a team, shares of others and its own shares held by others,
// while one of its directors builds a structure on company 0's lot.
class BankruptcyTest : public LeavingCompaniesTest {
protected:
    void SetUp() override {
        LeavingCompaniesTest::SetUp();
        PlaceOfficeAndLot(1);
        CMapDoc& map = doc.GetMap();
        map.GetArea(1).SetCellOwner(1, 2, 2);
        map.GetArea(1).SetCellOwner(3, 2, 4);  // company 3's lot stays
        // The contract: a house on company 0's land from (0, 3) of area 0,
        // its cells marked as a site.
        house = FindStructureOfCode(map, 30);
        ASSERT_GE(house, 0);
        int width = 1, height = 1;
        map.GetStructureType(house)->GetSize(width, height);
        ASSERT_LE(height, 2);
        corner = CCellPoint(width - 1, 3 + height - 1);
        map.MarkSiteRect(0, 0, 3, corner.x, corner.y);
        for (int y = 3; y <= corner.y; ++y)
            for (int x = 0; x <= corner.x; ++x) map.GetArea(0).SetCellOwner(x, y, 1);
        builder = HireDirector(1);
        CPersonData& b = *doc.GetDirector(builder);
        b.AssignTask(CPersonData::eTASK_CONTRACT_CONSTRUCTION, 50);
        b.SetTaskArea(0);
        b.SetTaskTarget(corner.x, corner.y);
        b.SetTaskParam(0, house);
        other = HireDirector(1);
        doc.GetDirector(other)->AssignTask(CPersonData::eTASK_ADVERTISING, 30);
        third = HireDirector(3);
        map.GetLeague(0).GetTeam(0).SetOwner(1);
        doc.GetEnterprise(1)->SetLeagueTeam(0, 0);
        map.GetLeague(1).GetTeam(1).SetOwner(3);
        doc.GetEnterprise(3)->SetLeagueTeam(1, 1);
        doc.SetStockHolding(1, 0, 30);  // held by others
        doc.SetStockHolding(1, 3, 40);
        doc.SetStockHolding(2, 1, 20);  // held by it
        doc.SetStockHolding(3, 2, 7);
        // The client sent part of its staff to the site; five of them left
        // the company since.
        CEnterprise& client = *doc.GetEnterprise(0);
        client.SetEmployees(500);
        sent = map.GetStructureType(house)->GetValueFigure();
        client.SetEmployeesAtWork(500 - sent + 5);
    }
    int CellsOwnedBy(int area, int owner) {
        int cells = 0;
        CMapData& a = doc.GetMap().GetArea(area);
        for (int y = 0; y < a.GetHeight(); ++y)
            for (int x = 0; x < a.GetWidth(); ++x) cells += a.GetCellOwner(x, y) == owner;
        return cells;
    }
    CCellPoint corner;
    int house = -1, builder = -1, other = -1, third = -1, sent = 0;
};

TEST_F(BankruptcyTest, ABankruptCompanyGivesUpEverythingAndIsRenumberedAway) {
    const int president = doc.GetEnterprise(1)->GetPresidentNumber() - 1;
    const int company3Cells = CellsOwnedBy(1, 4);
    doc.DropEnterprise(1);
    EXPECT_EQ(report.calls[0], "ShowBankruptcy(1)");
    EXPECT_NE(std::find(frame.infoLines.begin(), frame.infoLines.end(),
                        names[1] + " went bankrupt."),
              frame.infoLines.end());
    // The client is played here: it is told, the site is cleared and the
    // staff it had sent there comes back.
    EXPECT_EQ(Count(report.calls, "ShowContractorBankrupt(0," + std::to_string(house) + ",1)"), 1);
    for (int y = 3; y <= corner.y; ++y)
        for (int x = 0; x <= corner.x; ++x) EXPECT_FALSE(doc.GetMap().HasStructureAt(0, x, y));
    EXPECT_EQ(doc.GetEnterprise(0)->GetEmployeesAtWork(), 500);  // no more than it employs
    // Still in place until the month's safe point, with nothing held.
    EXPECT_EQ(doc.GetCompanyCount(), 4);
    EXPECT_EQ(CellsOwnedBy(0, 2) + CellsOwnedBy(1, 2), 0);
    EXPECT_FALSE(doc.GetMap().HasStructureAt(0, 4, 4));

    EXPECT_EQ(doc.RemoveLeavingCompanies(), 1);
    ASSERT_EQ(doc.GetCompanyCount(), 3);
    EXPECT_EQ(Names(), NamesWithout({1}));
    // Its staff is free and idle.
    for (int p : {president, builder, other}) {
        SCOPED_TRACE(p);
        EXPECT_EQ(doc.GetDirector(p)->GetEmployerNo(), 0);
        EXPECT_EQ(doc.GetDirector(p)->GetPresidentFlag(), 0);
        EXPECT_FALSE(doc.GetDirector(p)->HasTask());
    }
    // Company 3 is company 2 now: its lots, staff and team follow it.
    EXPECT_EQ(CellsOwnedBy(1, 3), company3Cells);
    EXPECT_EQ(CellsOwnedBy(0, 1), 1);  // the client's lot
    EXPECT_EQ(doc.GetDirector(third)->GetEmployerNo(), 3);
    EXPECT_EQ(doc.GetMap().GetLeague(1).GetTeam(1).GetOwnerIndex(), 2);
    EXPECT_EQ(doc.GetMap().GetLeague(0).GetTeam(0).GetOwnerIndex(), -1);
    // The shares it held go back to their issuers; its own are gone.
    EXPECT_EQ(doc.GetStockHolding(1, -1), kIssued + 20);  // once company 2
    EXPECT_EQ(doc.GetStockHolding(2, 1), 7);
    EXPECT_EQ(doc.GetStockHolding(0, 0), 0);
    EXPECT_EQ(Count(frame.calls, "ScrollAreaButtonsToFirst()"), 1);
    ExpectTurnOrderIsAPermutation();
    ExpectSavesAndLoads();
}

// The task values come from a saved game or a peer: a site that does not lie
// on the map, or a structure type the map lacks, changes nothing.
TEST_F(BankruptcyTest, ACancelledContractOutsideTheMapChangesNothing) {
    struct Case {
        const char* name;
        int area, x, y, type;
    };
    int width = 1, height = 1;
    doc.GetMap().GetStructureType(house)->GetSize(width, height);
    const std::vector<Case> cases = {
        {"no such area", 2, corner.x, corner.y, house},
        {"negative area", -1, corner.x, corner.y, house},
        {"corner outside the grid", 0, 6, corner.y, house},
        {"site reaching over the edge", 0, width - 2, corner.y, house},
        {"no such structure type", 0, corner.x, corner.y, doc.GetMap().GetStructureTypeCount()},
        {"negative structure type", 0, corner.x, corner.y, -1},
    };
    const std::vector<uint8_t> before = doc.SaveBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.CancelBankruptContracts(c.area, c.x, c.y, c.type, 1);
        EXPECT_TRUE(report.calls.empty());
        EXPECT_EQ(doc.SaveBytes(), before);
    }
}

// The month's loan recall runs in turn order; companies 1 and 3 cannot pay
// and leave at the safe point, the others carry no debt.
TEST_F(BankruptcyTest, TwoBankruptciesInOneMonthRemoveTheRightCompanies) {
    for (int c = 0; c < 4; ++c) {
        CEnterprise& company = *doc.GetEnterprise(c);
        company.SetFunds(0);
        company.SetDebt(c == 1 || c == 3 ? 100000 : 0);
    }
    // Each debtor: the standing draw, the recalled amount (RandomVary) and
    // the draw that lets a small amount pass, all at their highest.
    const SScriptedDraw high = SScriptedDraw::Raw(CRuntimeRandom::kMax);
    CScriptedDraws script({high, high, high, high, high, high, high, high, high, high});
    script.ThenGenerator();
    int failed = 0;
    do {
        CEnterprise& company = *doc.GetEnterprise(doc.GetTurnEnterprise(-1));
        if (company.RunLoanRecall() == 0) ++failed;
    } while (doc.NextTurn());
    EXPECT_EQ(failed, 2);
    EXPECT_TRUE(doc.IsLeaving(1));
    EXPECT_TRUE(doc.IsLeaving(3));
    EXPECT_EQ(doc.RemoveLeavingCompanies(), 2);
    EXPECT_EQ(Names(), NamesWithout({1, 3}));
    EXPECT_EQ(report.calls.size(), 0u + Count(report.calls, "ShowBankruptcy(1)") +
                                       Count(report.calls, "ShowBankruptcy(3)") +
                                       Count(report.calls, "ShowContractorBankrupt(0," +
                                                               std::to_string(house) + ",1)"));
    EXPECT_EQ(Count(report.calls, "ShowBankruptcy(1)"), 1);
    EXPECT_EQ(Count(report.calls, "ShowBankruptcy(3)"), 1);
    EXPECT_EQ(Count(frame.calls, "ScrollAreaButtonsToFirst()"), 2);
    ExpectTurnOrderIsAPermutation();
    ExpectSavesAndLoads();
}

}  // namespace
