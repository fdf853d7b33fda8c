// The company list, staff, stock and team pages as a person sees them, on a
// game of the authored data files (seed 1) with ten companies whose
// figures, directors, shares and teams the test sets.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fakes/GalleryFolder.h"
#include "model/Enterprise.h"
#include "model/League.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "views/BlockMessages.h"
#include "views/EpListInfo.h"
#include "views/EpStocks.h"
#include "views/EpSubordinate.h"
#include "views/EpTeamInfo.h"
#include "views/InfoPagesFixture.h"

namespace {

class CompanyPagesGalleryTest : public InfoPagesTest {
protected:
    CompanyPagesGalleryTest() { companies = 10; }

    void SetUp() override {
        InfoPagesTest::SetUp();
        if (HasFatalFailure()) return;
        for (int c = 0; c < doc.GetCompanyCount(); ++c) {
            CEnterprise& company = Company(c);
            company.SetFunds(4000 + (c * 7919) % 23000);
            company.SetDebt(c % 3 == 0 ? 0 : 500 * c);
            company.SetEmployees(2600 + 170 * c);
            company.SetStandardSalary(18 + c % 5);
            company.SetEmployeesAtWork(1800 + 130 * c);
            company.SetAdvertisingBudget(20 + 15 * (c % 4));
            company.SetHomeArea(c % 4 == 3 ? -1 : c % doc.GetMap().GetAreaCount());
        }
    }
    // The pages' share of an information window of 1280 x 320.
    CSize PageSize() const { return CSize(768 - 28 * cell.cx, 320 - 3 * cell.cy); }
    void Save(CWnd& window, const std::string& name) {
        const std::filesystem::path png = GalleryFolder() / name;
        ASSERT_TRUE(window.SaveToPng(png.string())) << png;
    }
};

TEST_F(CompanyPagesGalleryTest, CompanyListSortedByFunds) {
    CEpListInfo page;
    const int rows = page.GetBody().GetRowHeight();
    CreatePage(page, PageSize().cx, 3 * cell.cy + 7 * rows + rows / 2);
    frame.SetCompany(kHuman);
    Show(0);
    page.Refresh();
    page.SendMessage(WM_BLOCK_HEADER_CLICKED, 1);
    ASSERT_TRUE(page.GetScrollBar().IsWindowVisible());
    Save(frame, "info-list-by-funds.png");
}

TEST_F(CompanyPagesGalleryTest, StaffOfTwelveDirectorsScrolled) {
    constexpr int kShown = 2;
    while (Company(kShown).GetDirectorCount() < 12) HireDirector(kShown);
    const int tasks[] = {CPersonData::eTASK_CONSTRUCTION, CPersonData::eTASK_NONE,
                         CPersonData::eTASK_ADVERTISING, CPersonData::eTASK_RECRUIT_EMPLOYEES,
                         CPersonData::eTASK_LAND_PURCHASE, CPersonData::eTASK_HEAD_HUNTING};
    for (int i = 0; i < 12; ++i) {
        CPersonData& director = *Company(kShown).GetDirector(i);
        director.SetSalary(120 + 37 * ((i * 5) % 12));
        director.AssignTask(tasks[i % 6], 100);
        director.SetTaskArea(i % doc.GetMap().GetAreaCount());
    }
    CEpSubordinate page;
    CreatePage(page, PageSize().cx, PageSize().cy);
    frame.SetCompany(kComputer);
    Show(kShown);
    page.Refresh();
    page.SendMessage(WM_BLOCK_HEADER_CLICKED, 6);
    ASSERT_TRUE(page.GetScrollBar().IsWindowVisible());
    page.SendMessage(WM_BLOCK_SCROLLED, 3);
    Save(frame, "info-staff-scrolled.png");
}

TEST_F(CompanyPagesGalleryTest, StockWithTreasurySharesAndHolders) {
    constexpr int kShown = 1;
    for (int i = 0; i < doc.GetCompanyCount(); ++i) {
        for (int j = 0; j < doc.GetCompanyCount(); ++j) doc.SetStockHolding(i, j, 0);
        doc.SetStockHolding(i, -1, 1000 + 100 * i);
    }
    const int holders[][2] = {{kShown, 150}, {4, 220}, {0, 90}, {7, 90}, {2, 35}};
    for (const auto& [holder, amount] : holders) doc.SetStockHolding(kShown, holder, amount);
    const int holdings[][2] = {{3, 400}, {6, 160}, {8, 800}, {9, 25}};
    for (const auto& [issuer, amount] : holdings) doc.SetStockHolding(issuer, kShown, amount);
    // The two tables need 81 character widths side by side.
    CEpStocks page;
    CreatePage(page, 82 * cell.cx, PageSize().cy);
    Show(kShown);
    page.Refresh();
    Save(frame, "info-stock.png");
}

TEST_F(CompanyPagesGalleryTest, TeamPagesWithNoneOneTwoAndThreeTeams) {
    constexpr int kOwner = 5;
    CMapDoc& map = doc.GetMap();
    map.GetLeague(1).SetRankedByRate(1);
    for (int l = 0; l < CEnterprise::kLeagueCount; ++l) {
        CProTeam& team = map.GetLeague(l).GetTeam(l);
        team.ResetSeason();
        for (int g = 0; g < 9 + l; ++g) team.AddWin(3);
        for (int g = 0; g < 6; ++g) team.AddLoss();
        team.AddDraw(1);
        team.SetRank(l);
        team.SetWinPower(18 + l);
        team.SetPopularity(11 + 3 * l);
        team.SetHomeField(l, 3, 3);
        team.ClearSeasonFigures();
        team.AddSeasonFigures(1234 + 977 * l, 5200 + 300 * l, 4100);
    }
    struct Shot {
        int teams[3];
        const char* name;
    };
    const Shot shots[] = {
        {{-1, -1, -1}, "info-team-none.png"},
        {{-1, 1, -1}, "info-team-one.png"},
        {{0, -1, 2}, "info-team-two.png"},
        {{0, 1, 2}, "info-team-three.png"},
    };
    for (const Shot& shot : shots) {
        for (int l = 0; l < CEnterprise::kLeagueCount; ++l)
            Company(kOwner).SetLeagueTeam(l, shot.teams[l]);
        CEpTeamInfo page;
        // Three team columns end 99 character widths in.
        CreatePage(page, 100 * cell.cx, PageSize().cy);
        Show(kOwner);
        page.Refresh();
        Save(frame, shot.name);
        frame.DestroyWindow();
    }
}

}  // namespace
