#pragma once
// The "Team" page of the company pages: one column per professional team
// the shown company owns (at most one in each league, in league order)
// beside a column of row labels: league, name, winning power and
// popularity, results (with draws and the winning percentage in a league
// ranked by rate, else with the points), standing, home field, season
// attendance (in thousands) and season sales and expenses. A single team's
// column stands a character width further from the labels; a company
// without teams shows "No company pro team.".

#include <string>
#include <vector>

#include "platform/gfx/Rect.h"
#include "views/PaintedInfoPage.h"

class CDC;
class CEnterprise;
class CVDoc;

class CEpTeamInfo : public CPaintedInfoPage {
public:
    static constexpr int kRows = 9;

    // The leagues in which the company owns a team that the map holds.
    static std::vector<int> OwnedLeagues(const CEnterprise& company, const CVDoc& doc);
    // The left and right edge of team column j of `count`, in pixels.
    static CRect TeamColumn(int count, int j, CSize cell);
    // The texts of a league's team column, top to bottom; empty when the
    // company has no team there.
    static std::vector<std::string> TeamTexts(const CEnterprise& company, CVDoc& doc, int league);

    void Draw(CDC& dc, int width, int height) const override;

protected:
    void OnSize(UINT type, int cx, int cy) override;
};
