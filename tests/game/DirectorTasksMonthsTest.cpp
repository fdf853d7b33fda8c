// A year of a game of computer companies, month by month in the order of the
// month's chain: the companies' turns, their directors' tasks, the areas and
// the month-end settlements. After every month the game saves, loads and
// saves again to the same bytes, apart from the load count and the session
// state that loading sets.

#include <array>
#include <vector>

#include "GameFixture.h"
#include "fakes/MapFileFixture.h"
#include "fakes/OrderGameFixture.h"
#include "fakes/SavedGameLayout.h"
#include "game/ComCommand.h"
#include "model/BD.h"
#include "model/FrameState.h"

namespace {

class DirectorTasksMonthsTest : public GameTest {
protected:
    static constexpr int kCompanies = 4;

    void SetUp() override {
        GameTest::SetUp();
        NewGame(kCompanies, 0);
        PrepareOrderGame(doc);
        CMapDoc& map = doc.GetMap();
        for (int i = 0; i < map.GetLandTypeCount(); ++i) {
            CBD& land = *map.GetLandTypeEntry(i);
            land.SetFlags(1, land.GetSecondFlag(), land.GetThirdFlag());
        }
        // Companies with money, income and a market to grow in plan enough
        // to keep their directors busy.
        CBD& kiosk = *map.GetStructureType(FindStructureOfCode(map, 30));
        kiosk.SetRevenueFigure(1, 200000);
        std::array<int32_t, 12> factors;
        factors.fill(10);
        kiosk.SetMonthFactors(factors);
        for (int c = 0; c < kCompanies; ++c) {
            CEnterprise& company = *doc.GetEnterprise(c);
            company.SetAreaLevel(0, 3);
            company.SetFunds(30000);
            company.AddYearResult(-1, 0, 0, 0, 20000, 0);
            for (int a = 0; a < map.GetAreaCount(); ++a) company.SetAreaGrade(a, 120, 0);
        }
        start = doc.SaveBytes();
    }

    // Runs phase over the companies in turn order until it reports the last.
    void OverTurns(int (CVDoc::*phase)()) {
        doc.ResetTurnPosition();
        for (int i = 0; i <= doc.CompanyCount(); ++i)
            if ((doc.*phase)()) return;
        ADD_FAILURE() << "the phase never reached the last company";
    }
    std::vector<int> TurnOrder() {
        std::vector<int> order;
        for (int p = 0; p < doc.CompanyCount(); ++p) order.push_back(doc.GetTurnEnterprise(p));
        return order;
    }

    void RunMonth() {
        doc.ShuffleTurnOrder();
        for (int c : TurnOrder()) CComCommand(doc, c).RunMonth();
        doc.RemoveLeavingCompanies();
        OverTurns(&CVDoc::RunDirectorTasks);
        OverTurns(&CVDoc::RunHeadhuntingTasks);
        doc.RemoveLeavingCompanies();
        for (int a = 0; a < doc.GetMap().GetAreaCount(); ++a) doc.GetMap().RunAreaMonth(a);
        for (int c : TurnOrder()) {
            doc.SettleSaleOrder(c);
            doc.SettleContractOrder(c);
        }
        doc.RemoveLeavingCompanies();
        doc.RunMonthlyCompanyStep();
        doc.UpdatePersonRelations();
        doc.RunLeagueMonth();
        doc.AdvancePlans();
        doc.RemoveLeavingCompanies();
        const int month = (doc.GetMonth() + 1) % 12;
        doc.SetMonth(month);
        for (int c = 0; c < doc.CompanyCount(); ++c) doc.GetEnterprise(c)->ClearMonth(month);
        if (month == 0) doc.SetYear(doc.GetYear() + 1);
    }

    // Saves, loads into a fresh document and saves again.
    void ExpectSavedWhole() {
        const std::vector<uint8_t> first = doc.SaveBytes();
        SLayout layout(doc);
        CVDoc loaded;
        std::vector<uint8_t> second;
        {
            auto scoped = ScopedDoc(&loaded);
            ASSERT_EQ(loaded.LoadBytes(first), -1);
            second = loaded.SaveBytes();
        }
        ASSERT_EQ(second.size(), first.size());
        Put(second, layout.loadCount, Get(first, layout.loadCount));
        Put(second, layout.sessionState, Get(first, layout.sessionState));
        EXPECT_TRUE(second == first);
    }

    std::vector<uint8_t> start;
};

TEST_F(DirectorTasksMonthsTest, EveryMonthOfAYearSavesAndLoadsWhole) {
    int tasksEnded = 0;
    for (int seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        ASSERT_EQ(doc.LoadBytes(start), -1);
        CRuntimeRandom::Seed(seed);
        for (int month = 0; month < 12; ++month) {
            SCOPED_TRACE(month);
            std::vector<int> busy;
            for (int p = 0; p < doc.GetDirectorTableSize(); ++p)
                if (doc.GetDirector(p)->HasTask()) busy.push_back(p);
            RunMonth();
            for (int p : busy)
                if (!doc.GetDirector(p)->HasTask()) ++tasksEnded;
            ASSERT_NO_FATAL_FAILURE(ExpectSavedWhole());
        }
    }
    // The year is long enough for directors to finish what they began.
    EXPECT_GT(tasksEnded, 0);
}

}  // namespace
