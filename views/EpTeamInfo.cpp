#include "views/EpTeamInfo.h"

#include <cstdint>
#include <cstdio>

#include "game/VDoc.h"
#include "model/AppFonts.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/Formatting.h"
#include "model/League.h"
#include "model/MapDoc.h"
#include "platform/gfx/DC.h"
#include "views/BlockHost.h"
#include "views/InfoPage.h"
#include "views/OwnerRow.h"

namespace {

// The row that is in the second message font and is CharSize high.
constexpr int kNameRow = 1;
// The labels of the rows, "" for none.
constexpr const char* kLabels[CEpTeamInfo::kRows] = {
    "", "Team Name", "Win%/Popularity", "", "", "", "Home Field", "Attendance", "Sales/Expenses"};

std::string Printed(const char* format, int a, int b) {
    char text[128];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

// Selects the first or the second message font; the font selected before
// when there is none.
CFont* SelectFont(CDC& dc, bool second) {
    IBlockHost* host = IBlockHost::Get();
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    if (!fonts) return nullptr;
    return dc.SelectObject(second ? fonts->GetMessageFont2() : fonts->GetMessageFont());
}

}  // namespace

std::vector<int> CEpTeamInfo::OwnedLeagues(const CEnterprise& company, const CVDoc& doc) {
    std::vector<int> leagues;
    for (int l = 0; l < CEnterprise::kLeagueCount; ++l) {
        const int team = company.GetLeagueTeam(l);
        if (team >= 0 && team < doc.GetMap().GetLeague(l).GetTeamCount()) leagues.push_back(l);
    }
    return leagues;
}

CRect CEpTeamInfo::TeamColumn(int count, int j, CSize cell) {
    // One team stands a character further from the labels than two or three.
    const int left = count == 1 ? 28 : 27 + 24 * j;
    return CRect(left * cell.cx, 0, (left + 24) * cell.cx, 0);
}

std::vector<std::string> CEpTeamInfo::TeamTexts(const CEnterprise& company, CVDoc& doc,
                                                int league) {
    const int index = company.GetLeagueTeam(league);
    const CLeague& l = doc.GetMap().GetLeague(league);
    if (index < 0 || index >= l.GetTeamCount()) return {};
    const CProTeam& team = l.GetTeam(index);
    const bool byRate = l.IsRankedByRate() != 0;
    char results[128];
    if (byRate)
        std::snprintf(results, sizeof results, "Win:%d Lose:%d Draw:%d", team.GetWins(),
                      team.GetLosses(), team.GetDraws());
    else
        std::snprintf(results, sizeof results, "Win:%d Lose:%d", team.GetWins(), team.GetLosses());
    const std::string second = byRate ? "PCT:" + OwnerRow::RateText(team.GetWinRate())
                                      : OwnerRow::Format("Winning Point:%d", team.GetPoints());
    const int attendance = team.GetAttendance();
    return {
        OwnerRow::Format("League%d", league + 1),
        team.GetName(),
        Printed("%d / %d", team.GetWinPower(), team.GetPopularity()),
        results,
        second,
        FormatOrdinal(team.GetRank() + 1) + " place",
        // An area the map does not hold has no name; -1 reads "All".
        doc.GetAreaName(team.GetHomeArea()),
        attendance == 0 ? std::string("0") : FormatWithCommas(int64_t{attendance} * 1000),
        Printed("%d / %d", team.GetSales(), team.GetExpenses()),
    };
}


void CEpTeamInfo::OnSize(UINT type, int cx, int cy) {
    CPaintedInfoPage::OnSize(type, cx, cy);
    Invalidate(TRUE);
}

// ---------------------------------------------------------------- painting

void CEpTeamInfo::Draw(CDC& dc, int width, int height) const {
    const CEnterprise* company = InfoPage::ShownCompany(*this);
    CVDoc* doc = InfoPage::Document();
    if (!company || !doc) return;
    CFont* previous = SelectFont(dc, false);
    const std::vector<int> leagues = OwnedLeagues(*company, *doc);
    const int count = static_cast<int>(leagues.size());
    if (count == 0) {
        SelectFont(dc, true);
        DrawTextInRect(dc, "No company pro team.", CRect(0, 0, width, height), 1, TRUE, 0, -1);
        if (previous) dc.SelectObject(previous);
        return;
    }
    const CSize cell = InfoPage::LayoutCell();
    const int row = cell.cy + 2;
    const int nameRow = OwnerRow::CharSize().cy + 2;
    // Row tops: the name row is nameRow high, every other row `row`.
    int tops[kRows + 1];
    tops[0] = 0;
    for (int r = 0; r < kRows; ++r) tops[r + 1] = tops[r] + (r == kNameRow ? nameRow : row);
    auto drawIn = [&](const std::string& text, int left, int right, int top, int bottom,
                      int align, bool second) {
        SelectFont(dc, second);
        DrawTextInRect(dc, text.c_str(), CRect(left, top, right, bottom), align, TRUE, 0, -1);
    };
    const int labelRight = 27 * cell.cx;
    for (int r = 0; r < kRows; ++r)
        if (*kLabels[r])
            drawIn(kLabels[r], 0, labelRight, tops[r], tops[r + 1], 2, r == kNameRow);
    // "Team results" stands beside the results and the standing.
    const int resultsTop = tops[3] - row + 3 * row / 2;
    drawIn("Team results", 0, labelRight, resultsTop, resultsTop + row, 2, false);
    for (int j = 0; j < count; ++j) {
        const CRect column = TeamColumn(count, j, cell);
        const std::vector<std::string> texts = TeamTexts(*company, *doc, leagues[j]);
        for (int r = 0; r < kRows && r < static_cast<int>(texts.size()); ++r)
            drawIn(texts[r], column.left, column.right, tops[r], tops[r + 1], 1, r == kNameRow);
    }
    if (previous) dc.SelectObject(previous);
}
