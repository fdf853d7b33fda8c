#pragma once
// The balloon on the authored map (a new game, seed 1, three companies,
// its busiest area) with the program folder's fonts and marks, and the
// cells it tells about: a free plot, one under construction, an owned
// building, a stadium with two home teams and a cell of the expo site.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/FakeBlockHost.h"
#include "model/League.h"
#include "model/ProTeam.h"
#include "model/StructureCodes.h"
#include "views/MapWindowFixture.h"

class BalloonTest : public MapWindowTest {
protected:
    void SetUp() override {
        MapWindowTest::SetUp();
        ASSERT_TRUE(blocks.loaded) << "the program folder's palette, strips and fonts";
        NewAuthoredGame(1, 3);
        area = BusiestArea();
    }

    CMapData& Area() { return doc.GetMap().GetArea(area); }

    // The first cell of the area that passes the test.
    CCellPoint FindCell(const std::function<bool(int, int)>& test) {
        for (int y = 0; y < Area().GetHeight(); ++y)
            for (int x = 0; x < Area().GetWidth(); ++x)
                if (test(x, y)) return {x, y};
        ADD_FAILURE() << "no such cell";
        return {0, 0};
    }
    CCellPoint FreePlot() {
        const CMapDoc& m = doc.GetMap();
        return FindCell([&](int x, int y) {
            return !m.HasStructureAt(area, x, y) && Area().GetCellOwner(x, y) == 0 &&
                   m.IsCellUsable(area, x, y) && !Area().IsProjectCell(x, y) &&
                   Area().GetConstructionState(x, y) == 0;
        });
    }
    // The anchor of a structure whose type passes the test.
    CCellPoint FindStructure(const std::function<bool(const CBD&)>& test) {
        const CMapDoc& m = doc.GetMap();
        return FindCell([&](int x, int y) {
            const CBD* type = m.GetCellStructureType(area, x, y, 0);
            return type && m.IsAnchorCell(area, x, y) && test(*type);
        });
    }

    // A free plot with a construction under way; type receives what is built.
    CCellPoint ConstructionSite(int& type) {
        const CCellPoint c = FreePlot();
        type = ConstructionType();
        if (type >= 0) Area().SetConstruction(c.x, c.y, CMapData::kConstructionUnderWay, type);
        return c;
    }
    // A building of several cells that keeps staff, owned by company 1, so
    // that every figure has something to show.
    CCellPoint OwnedBuilding() {
        const CCellPoint c = FindStructure([](const CBD& type) {
            int w = 0, h = 0;
            type.GetSize(w, h);
            return w * h > 1 && type.GetValueFigure() > 0;
        });
        doc.GetMap().SetStructureOwner(area, c.x, c.y, 2);
        return c;
    }
    // A stadium where two teams of a league of its kind, owned by companies
    // 0 and 1, play; names receives theirs.
    CCellPoint Stadium(std::vector<std::string>& names) {
        CMapDoc& m = doc.GetMap();
        const CCellPoint c =
            FindStructure([](const CBD& type) { return type.IsType80() || type.IsType85(); });
        const int kind = StructureCode::StadiumKindOfCode(m.GetCellTypeCode(area, c.x, c.y, 0));
        int league = 0;
        while (league < CMapDoc::kLeagueCount - 1 && m.GetLeague(league).GetStadiumKind() != kind)
            ++league;
        if (m.GetLeague(league).GetTeamCount() < 2) {
            ADD_FAILURE() << "a league of two teams";
            return c;
        }
        for (int t = 0; t < 2; ++t) {
            CProTeam& team = m.GetProTeam(league, t);
            team.SetOwner(t);
            team.SetHomeField(area, c.x, c.y);
            names.push_back(team.GetName());
        }
        return c;
    }
    // A free plot that the area's expo site takes in.
    CCellPoint ExpoSite() {
        const CCellPoint c = FreePlot();
        Area().AddProjectArea(c.x, c.y, c.x, c.y, 0);
        return c;
    }

    CFakeBlockHost blocks;
    int area = 0;
};
