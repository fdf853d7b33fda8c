// The league table and a company's team table: which teams can be bought,
// what each column shows, and the selection each mode shows.

#include <gtest/gtest.h>

#include "model/Enterprise.h"
#include "model/League.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/ProTeam.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/SystemMetrics.h"
#include "views/LeagueListBox.h"
#include "views/OwnerRow.h"
#include "views/ProTeamListBox.h"
#include "views/TableOwners.h"

namespace {

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_NOTIFY;

class LeagueTablesTest : public PictureWndTest {
protected:
    void SetUp() override {
        PictureWndTest::SetUp();
        CLeague& league = doc.GetMap().GetLeague(0);
        ASSERT_GT(league.GetTeamCount(), 1);
        owner.map = &doc.GetMap();
        owner.teamCount = league.GetTeamCount();
        owner.buyer = doc.GetEnterprise(0);
        list.SetOwnerDialog(&owner);
        ASSERT_TRUE(list.Create(kListStyle, CRect(0, 0, 600, 200), &parent, 200));
    }
    CProTeam& TeamOfRow(int row) { return doc.GetMap().GetProTeam(0, owner.GetTeamOfRow(row)); }
    int PriceOfRow(int row) { return doc.GetMap().GetLeague(0).GetTeamPrice(owner.GetTeamOfRow(row)); }

    CLeagueOwnerStub owner;
    CLeagueListBox list;
};

TEST_F(LeagueTablesTest, PurchaseOffersOnlyTeamsTheBuyerCanBuy) {
    struct SCase {
        const char* what;
        int forSale, owner, budgetOverPrice, buyerTeam, usable;
        bool available;
    } cases[] = {
        {"for sale, unowned, affordable", 1, -1, 0, -1, 1, true},
        {"budget well above the price", 1, -1, 1000, -1, 1, true},
        {"flag clear", 0, -1, 1000, -1, 1, false},
        {"owned by a company", 1, 2, 1000, -1, 1, false},
        {"priced above the budget", 1, -1, -1, -1, 1, false},
        {"the buyer owns a team of the league", 1, -1, 1000, 1, 1, false},
        {"league not usable", 1, -1, 1000, -1, 0, false},
    };
    owner.mode = ILeagueListOwner::kModePurchase;
    CEnterprise& buyer = *doc.GetEnterprise(0);
    for (const SCase& c : cases) {
        CProTeam& team = TeamOfRow(0);
        team.SetForSale(c.forSale);
        team.SetOwner(c.owner);
        buyer.SetLeagueTeam(0, c.buyerTeam);
        owner.usable[0] = c.usable;
        owner.budget = PriceOfRow(0) + c.budgetOverPrice;
        EXPECT_EQ(list.CanBuy(0), c.available) << c.what;
        EXPECT_EQ(list.StateOfRow(0, false), c.available ? 0 : 2) << c.what;
        EXPECT_EQ(list.StateOfRow(0, true), c.available ? 1 : 3) << c.what;
    }
}

TEST_F(LeagueTablesTest, OnlyThePurchaseShowsTheSelection) {
    list.Fill();
    EXPECT_EQ(list.GetCurSel(), 0);
    for (int mode : {ILeagueListOwner::kModeStandings, ILeagueListOwner::kModeProposal}) {
        owner.mode = mode;
        EXPECT_EQ(list.StateOfRow(0, true), 0) << mode;
        CBlockCanvas canvas(600, 30);
        DrawListItem(list, canvas, 0, CRect(0, 0, 600, 30), true);
        EXPECT_EQ(canvas.At(599, 29), GetSysColor(COLOR_BTNFACE)) << mode;
    }
}

TEST_F(LeagueTablesTest, ColumnsShowPriceAndResults) {
    EXPECT_EQ(CLeagueListBox::PriceText(500), "   500");
    EXPECT_EQ(CLeagueListBox::PriceText(1234567), "1234567");
    CLeague league;
    CProTeam team;
    team.AddWin(3);
    team.AddLoss();
    team.AddDraw(1);
    struct SCase {
        int rate;
        const char* league;
        const char* proTeam;
    } cases[] = {
        {1, "Win: 1 Lose: 1 Draw: 1 PCT:0.500", "Win: 1 Lose: 1 Draw: 1 0.500"},
        {0, "Win: 1 Lose: 1 Draw: 1 Point:  4", "Win: 1 Lose: 1 Draw: 1 Point:  4"},
    };
    for (const SCase& c : cases) {
        league.SetRankedByRate(c.rate);
        EXPECT_EQ(CLeagueListBox::ResultsText(league, team), c.league);
        EXPECT_EQ(CProTeamListBox::ResultsText(league, team), c.proTeam);
    }
    // A team without games has a rate of 0.
    league.SetRankedByRate(1);
    EXPECT_EQ(CLeagueListBox::ResultsText(league, CProTeam()), "Win: 0 Lose: 0 Draw: 0 PCT:0.000");
}

TEST_F(LeagueTablesTest, RowsOutsideTheLeagueOnlyGetTheBackground) {
    owner.league = 7;  // not a league of the map
    EXPECT_EQ(list.GetRowCount(), 0);
    CBlockCanvas canvas(600, 30);
    DrawListItem(list, canvas, 0, CRect(0, 0, 600, 30), true, true);
    EXPECT_EQ(canvas.Drawn(), CRect(0, 0, 600, 30));
    EXPECT_EQ(canvas.At(0, 0), GetSysColor(COLOR_BTNFACE));
}

TEST_F(LeagueTablesTest, HomeFieldModeShowsOwnerAreaAndAttendance) {
    EXPECT_EQ(CProTeamListBox::AttendanceText(0), "0 Person");
    EXPECT_EQ(CProTeamListBox::AttendanceText(1234), "1,234,000 Person");

    CProTeamOwnerStub teams;
    teams.mode = IProTeamListOwner::kModeHomeField;
    teams.rows = {{0, 0}, {0, 1}, {5, 0}};
    CProTeamListBox proList;
    proList.SetOwnerDialog(&teams);
    ASSERT_TRUE(proList.Create(kListStyle, CRect(0, 0, 700, 200), &parent, 201));
    proList.Fill();
    EXPECT_EQ(proList.GetCurSel(), 0);
    const CProTeam& team = doc.GetMap().GetProTeam(0, 0);
    EXPECT_EQ(proList.HomeAreaText(0), doc.GetAreaName(team.GetHomeArea()));
    EXPECT_NE(proList.HomeAttendanceText(0).find(" Person"), std::string::npos);
    EXPECT_EQ(proList.HomeAttendanceText(2), "") << "a row outside the map's leagues";

    // The owning company's mark sits at the column start, the area's name
    // after it; a home field no company owns shows neither.
    const int u = OwnerRow::LayoutSize().cx, markW = OwnerRow::MarkCell().cx;
    const int markX = 51 * u;
    CMapData& area = *doc.GetArea(team.GetHomeArea());
    for (int ownerValue : {0, 2}) {
        area.SetCellOwner(team.GetHomeX(), team.GetHomeY(), ownerValue);
        const int height = proList.GetItemHeight(0);
        CBlockCanvas canvas(700, height);
        DrawListItem(proList, canvas, 0, CRect(0, 0, 700, height), false);
        auto drawnIn = [&](int from, int to) {
            bool drawn = false;
            for (int y = 0; y < height; ++y)
                for (int x = from; x < to; ++x) drawn |= canvas.At(x, y) != GetSysColor(COLOR_BTNFACE);
            return drawn;
        };
        EXPECT_EQ(drawnIn(markX, markX + markW), ownerValue != 0) << "the mark, cell owner " << ownerValue;
        EXPECT_EQ(drawnIn(markX + markW, markX + markW + 14 * u), ownerValue != 0)
            << "the area's name, cell owner " << ownerValue;
    }
}

}  // namespace
