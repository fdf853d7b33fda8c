// The stock page with its two tables and ownership bar, and the team page
// with one column per owned team.

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "model/ColorTable.h"
#include "model/Enterprise.h"
#include "model/League.h"
#include "model/MapDoc.h"
#include "views/EpStocks.h"
#include "views/EpTeamInfo.h"
#include "views/InfoPagesFixture.h"
#include "views/OwnerRow.h"

namespace {

using SRow = std::pair<int, long long>;  // company, amount

std::vector<SRow> Rows(const std::vector<CEpStocks::SHolding>& holdings) {
    std::vector<SRow> rows;
    for (const CEpStocks::SHolding& h : holdings) rows.emplace_back(h.company, h.amount);
    return rows;
}

// The box of the pixels in `area` that are not the button face; empty when
// there are none.
CRect Ink(const CBlockCanvas& canvas, const CRect& area) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    CRect box(0, 0, 0, 0);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (canvas.At(x, y) != face) box.UnionRect(box, CRect(x, y, x + 1, y + 1));
    return box;
}

// ---------------------------------------------------------------- stock page

class StockPageTest : public InfoPagesTest {
protected:
    static constexpr int kShown = 2;

    void SetUp() override {
        InfoPagesTest::SetUp();
        if (HasFatalFailure()) return;
        // Nobody holds anything yet.
        for (int i = 0; i < doc.GetCompanyCount(); ++i) {
            for (int j = 0; j < doc.GetCompanyCount(); ++j) doc.SetStockHolding(i, j, 0);
            doc.SetStockHolding(i, -1, 300);
        }
    }
    void Hold(int issuer, std::vector<SRow> holders) {
        for (const auto& [holder, amount] : holders)
            doc.SetStockHolding(issuer, holder, static_cast<int>(amount));
    }
    // The page of the shown company drawn on a canvas of its size.
    void Draw(CBlockCanvas& canvas, int width, int height) {
        CEpStocks page;
        CreatePage(page, width, height);
        Show(kShown);
        InfoPage::PrepareContext(canvas.DC(), width, height);
        page.Draw(canvas.DC(), width, height);
        frame.DestroyWindow();
    }
};

TEST_F(StockPageTest, HoldersComeTreasuryFirstThenByAmountWithEqualAmountsInCompanyOrder) {
    struct Case {
        const char* what;
        std::vector<SRow> holdings, rows;
    };
    const Case cases[] = {
        {"no holder", {}, {}},
        {"three holders", {{0, 10}, {3, 30}, {4, 20}}, {{3, 30}, {4, 20}, {0, 10}}},
        {"treasury shares first", {{0, 10}, {kShown, 5}, {3, 30}}, {{kShown, 5}, {3, 30}, {0, 10}}},
        {"equal amounts", {{5, 20}, {1, 20}, {0, 20}, {3, 40}}, {{3, 40}, {0, 20}, {1, 20}, {5, 20}}},
    };
    for (const Case& c : cases) {
        for (int j = 0; j < doc.GetCompanyCount(); ++j) doc.SetStockHolding(kShown, j, 0);
        Hold(kShown, c.holdings);
        EXPECT_EQ(Rows(CEpStocks::Holders(doc, kShown)), c.rows) << c.what;
    }
}

TEST_F(StockPageTest, HoldingsSortByTheIssuersShareWithTiesInCompanyOrder) {
    doc.SetStockHolding(1, -1, 900);
    doc.SetStockHolding(4, -1, 0);
    doc.SetStockHolding(kShown, -1, 10);
    Hold(0, {{kShown, 30}});    // 10 %
    Hold(1, {{kShown, 90}});    // 10 %
    Hold(3, {{kShown, 150}});   // 50 %
    Hold(4, {{kShown, 5}});     // nothing issued: no share, last
    Hold(5, {{3, 100}});        // another holder's
    Hold(kShown, {{kShown, 2}});  // its own shares are no holding of another
    EXPECT_EQ(Rows(CEpStocks::Holdings(doc, kShown)),
              (std::vector<SRow>{{3, 150}, {0, 30}, {1, 90}, {4, 5}}));
}

TEST_F(StockPageTest, RatiosAreTruncatedToOneDecimalWithoutOverflow) {
    struct Case {
        long long amount, issued;
        const char* text;
    };
    const Case cases[] = {
        {1, 3, "33.3"},           {2, 3, "66.6"},          {3, 3, "100.0"},
        {0, 7, "0.0"},            {1, 1000, "0.1"},        {1, 1001, "0.0"},
        {INT_MAX, INT_MAX, "100.0"}, {INT_MAX - 1, INT_MAX, "99.9"},
        {5, 0, ""},               {5, -3, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CEpStocks::RatioText(c.amount, c.issued), c.text) << c.amount << "/" << c.issued;
}

TEST_F(StockPageTest, BarGivesTreasurySharesTheFirstSegmentAndTheOthersInCompanyOrder) {
    Hold(kShown, {{4, 60}, {kShown, 30}, {1, 90}});
    using S = CEpStocks::SSegment;
    const std::vector<S> segments = CEpStocks::BarSegments(doc, kShown, 10, 390);
    ASSERT_EQ(segments.size(), 3u);
    const S expected[] = {{10, 49, kShown}, {49, 166, 1}, {166, 244, 4}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(segments[i].left, expected[i].left) << i;
        EXPECT_EQ(segments[i].right, expected[i].right) << i;
        EXPECT_EQ(segments[i].company, expected[i].company) << i;
    }
}

TEST_F(StockPageTest, NoIssuedSharesAndCountsNearTheIntLimitGiveNoFailure) {
    struct Case {
        const char* what;
        int issued;
        std::vector<SRow> holders;
    };
    const Case cases[] = {
        {"nothing issued but held", 0, {{0, 40}, {kShown, 3}}},
        {"negative issue", -5, {{1, 40}}},
        {"near the limit", INT_MAX, {{0, INT_MAX - 3}, {1, INT_MAX - 1}, {kShown, INT_MAX}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.SetStockHolding(kShown, -1, c.issued);
        Hold(kShown, c.holders);
        Hold(1, {{kShown, INT_MAX}});
        doc.SetStockHolding(1, -1, c.issued);
        for (const auto& s : CEpStocks::BarSegments(doc, kShown, 0, 500)) {
            EXPECT_LE(0, s.left);
            EXPECT_LE(s.left, s.right);
            EXPECT_LE(s.right, 500);
        }
        if (c.issued <= 0) {
            EXPECT_TRUE(CEpStocks::BarSegments(doc, kShown, 0, 500).empty());
        }
        CBlockCanvas canvas(90 * cell.cx, 12 * cell.cy);
        Draw(canvas, 90 * cell.cx, 12 * cell.cy);
    }
}

TEST_F(StockPageTest, PaintedBarAndHoldersTable) {
    const int width = 90 * cell.cx, height = 12 * cell.cy;
    const CRect bar(41 * cell.cx + 1, cell.cy / 4 + 1, 80 * cell.cx - 3, 2 * cell.cy - 3);
    const CRect holderRows(41 * cell.cx, 7 * cell.cy / 2 + std::max(cell.cy, OwnerRow::MarkCell().cy),
                           81 * cell.cx, height);
    {
        SCOPED_TRACE("no holder: a white bar and the head row alone");
        CBlockCanvas canvas(width, height);
        Draw(canvas, width, height);
        EXPECT_EQ(canvas.At(bar.left, bar.top), RGB(255, 255, 255));
        EXPECT_EQ(canvas.At(bar.right - 1, bar.bottom - 1), RGB(255, 255, 255));
        EXPECT_TRUE(Ink(canvas, holderRows).IsRectEmpty());
        EXPECT_FALSE(Ink(canvas, CRect(41 * cell.cx, 7 * cell.cy / 2, 81 * cell.cx,
                                       holderRows.top)).IsRectEmpty());
    }
    {
        SCOPED_TRACE("treasury shares: the company's colour first, white after the holders");
        Hold(kShown, {{kShown, 150}, {0, 75}});
        CBlockCanvas canvas(width, height);
        Draw(canvas, width, height);
        const COLORREF own = GetColorTableEntry(Company(kShown).GetColor());
        EXPECT_EQ(canvas.At(bar.left, bar.top), own);
        EXPECT_EQ(canvas.At(bar.right - 1, bar.bottom - 1), RGB(255, 255, 255));
        EXPECT_FALSE(Ink(canvas, holderRows).IsRectEmpty());
        // The rows keep the page's background beside their right-aligned
        // amounts.
        const int rowMiddle = holderRows.top + std::max(cell.cy, OwnerRow::MarkCell().cy) / 2;
        EXPECT_EQ(canvas.At(61 * cell.cx + 1, rowMiddle), GetSysColor(COLOR_BTNFACE));
    }
}

// ---------------------------------------------------------------- team page

class TeamPageTest : public InfoPagesTest {
protected:
    static constexpr int kOwner = 3;

    void SetUp() override {
        InfoPagesTest::SetUp();
        if (HasFatalFailure()) return;
        for (int c = 0; c < doc.GetCompanyCount(); ++c)
            for (int l = 0; l < CEnterprise::kLeagueCount; ++l) Company(c).SetLeagueTeam(l, -1);
    }
    CLeague& League(int l) { return doc.GetMap().GetLeague(l); }
    CProTeam& Team(int l) { return League(l).GetTeam(0); }
    std::vector<std::string> Texts(int l) {
        return CEpTeamInfo::TeamTexts(Company(kOwner), doc, l);
    }
};

TEST_F(TeamPageTest, OwnedLeaguesGiveTheColumnsAndOneTeamStandsACharacterFurtherRight) {
    for (int l = 0; l < CEnterprise::kLeagueCount; ++l) ASSERT_GT(League(l).GetTeamCount(), 1);
    struct Case {
        int teams[3];
        std::vector<int> leagues;
        std::vector<int> lefts;  // in character widths
    };
    const Case cases[] = {
        {{-1, -1, -1}, {}, {}},
        {{-1, 1, -1}, {1}, {28}},
        {{0, -1, 1}, {0, 2}, {27, 51}},
        {{0, 1, 0}, {0, 1, 2}, {27, 51, 75}},
        {{9999, -1, 0}, {2}, {28}},  // a team the league does not have
    };
    for (const Case& c : cases) {
        for (int l = 0; l < 3; ++l) Company(kOwner).SetLeagueTeam(l, c.teams[l]);
        const std::vector<int> leagues = CEpTeamInfo::OwnedLeagues(Company(kOwner), doc);
        EXPECT_EQ(leagues, c.leagues);
        for (size_t j = 0; j < c.lefts.size(); ++j) {
            const CRect column = CEpTeamInfo::TeamColumn(static_cast<int>(leagues.size()),
                                                         static_cast<int>(j), cell);
            EXPECT_EQ(column.left, c.lefts[j] * cell.cx) << j;
            EXPECT_EQ(column.Width(), 24 * cell.cx) << j;
        }
    }
    EXPECT_TRUE(Texts(1).empty());
}

TEST_F(TeamPageTest, ResultsRowsFollowTheLeaguesScoringKind) {
    Company(kOwner).SetLeagueTeam(0, 0);
    CProTeam& team = Team(0);
    team.ResetSeason();
    team.AddWin(3);
    team.AddWin(3);
    team.AddDraw(1);
    team.AddDraw(1);
    team.AddLoss();
    team.AddLoss();
    struct Case {
        int byRate;
        const char* first;
        const char* second;
    };
    for (const Case c : {Case{0, "Win:2 Lose:2", "Winning Point:8"},
                         Case{1, "Win:2 Lose:2 Draw:2", "PCT:0.500"}}) {
        League(0).SetRankedByRate(c.byRate);
        const std::vector<std::string> texts = Texts(0);
        ASSERT_EQ(texts.size(), static_cast<size_t>(CEpTeamInfo::kRows));
        EXPECT_EQ(texts[0], "League1");
        EXPECT_EQ(texts[3], c.first);
        EXPECT_EQ(texts[4], c.second);
    }
}

TEST_F(TeamPageTest, StandingHomeFieldAttendanceAndMoney) {
    Company(kOwner).SetLeagueTeam(2, 0);
    CProTeam& team = Team(2);
    team.SetWinPower(17);
    team.SetPopularity(12);
    EXPECT_EQ(Texts(2)[2], "17 / 12");
    struct Case {
        int rank, homeArea, attendance;
        const char* standing;
        std::string home;
        const char* attended;
    };
    const Case cases[] = {
        {0, 1, 1234, "1st place", doc.GetAreaName(1), "1,234,000"},
        {2, -1, 0, "3rd place", "All", "0"},
        {3, doc.GetMap().GetAreaCount(), 1, "4th place", "", "1,000"},
        {1, -7, 2147483, "2nd place", "", "2,147,483,000"},
    };
    for (const Case& c : cases) {
        team.SetRank(c.rank);
        team.SetHomeField(c.homeArea, 0, 0);
        team.ClearSeasonFigures();
        team.AddSeasonFigures(c.attendance, 880, 640);
        const std::vector<std::string> texts = Texts(2);
        EXPECT_EQ(texts[5], c.standing);
        EXPECT_EQ(texts[6], c.home) << c.homeArea;
        EXPECT_EQ(texts[7], c.attended);
        EXPECT_EQ(texts[8], "880 / 640");
    }
    EXPECT_FALSE(doc.GetAreaName(1).empty());
}

TEST_F(TeamPageTest, PaintedPageWithoutTeamsShowsTheNoticeCentredAndATeamInItsColumn) {
    const int width = 80 * cell.cx, height = 14 * cell.cy;
    auto paint = [&](CBlockCanvas& canvas) {
        CEpTeamInfo page;
        CreatePage(page, width, height);
        Show(kOwner);
        InfoPage::PrepareContext(canvas.DC(), width, height);
        page.Draw(canvas.DC(), width, height);
        frame.DestroyWindow();
    };
    CBlockCanvas empty(width, height);
    paint(empty);
    const CRect notice = Ink(empty, CRect(0, 0, width, height));
    ASSERT_FALSE(notice.IsRectEmpty());
    EXPECT_NEAR(notice.CenterPoint().x, width / 2, cell.cx);
    EXPECT_NEAR(notice.CenterPoint().y, height / 2, cell.cy);
    EXPECT_LT(notice.Height(), 2 * cell.cy);

    Company(kOwner).SetLeagueTeam(1, 0);
    CBlockCanvas one(width, height);
    paint(one);
    // "League2" in the first row, centred in the column from 28 widths.
    const CRect league = Ink(one, CRect(0, 0, width, cell.cy + 2));
    ASSERT_FALSE(league.IsRectEmpty());
    EXPECT_NEAR(league.CenterPoint().x, 40 * cell.cx, cell.cx);
}

}  // namespace
