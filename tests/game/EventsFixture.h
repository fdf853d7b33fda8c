#pragma once
// A fixture game for the month's events: recording report composer, areas
// that can be widened to a fresh grid of plain land, and structure types of
// codes the fixture map lacks.

#include <string>

#include "fakes/ScriptedDraws.h"
#include "game/GameFixture.h"
#include "model/BD.h"
#include "model/History.h"

class EventsTest : public GameTest {
protected:
    // companies computer companies on areas areas; waits take no time.
    void Start(int companies = 2, int areas = 2, int humans = 0) {
        NewGame(companies, humans, FixtureWithAreas(areas));
        doc.SetWaitTime(0);
        doc.ResetMonthlyEvents();
    }

    // The area becomes a fresh grid of plain land (meadow): no structures,
    // owners or projects.
    void WidenArea(int area, int width, int height) {
        CMapData& record = doc.GetMap().GetArea(area);
        record.SetGridSize(width, height);
        record.ClearProjectLists();
        record.SetProjectStart(-1);
        record.RebuildStadiumLists();
    }

    // A structure type of the code appended to the map's table; its index.
    int AddStructureType(int code, int width, int height, int landValue = 50) {
        CBD type;
        type.SetName("Type " + std::to_string(code));
        type.SetTypeCode(code);
        type.SetLandValue(landValue);
        type.SetBasePrice(landValue * 10);
        type.SetSize(width, height);
        EXPECT_TRUE(doc.GetMap().AddStructureType(type));
        return doc.GetMap().GetStructureTypeCount() - 1;
    }

    // A 1 x 1 type the governors put out to tender, of no land value, on
    // land types whose lots can be traded.
    int AddTenderType() {
        CMapDoc& map = doc.GetMap();
        for (int i = 0; i < map.GetLandTypeCount(); ++i) map.GetLandTypeEntry(i)->SetFlags(1, 1, 0);
        const int t = AddStructureType(0, 1, 1, 0);
        CBD& type = *map.GetStructureType(t);
        type.SetFlags(1, 1, 1);
        type.SetBasePrice(100);
        type.SetPriceStep(2);
        return t;
    }

    // Places structure type t with its anchor at (x, y) of the area, owned
    // by owner (company + 1, 0 none), with the durability.
    void Place(int area, int t, int x, int y, int owner, int durability) {
        CMapDoc& map = doc.GetMap();
        map.SetStructureAt(area, x, y, t + 1);
        map.SetStructureOwner(area, x, y, owner);
        map.SetStructureLayer7(area, x, y, durability);
    }

    int CountHistory(int company, int kind) {
        return doc.GetEnterprise(company)->CountHistoryOfKind(kind);
    }

    bool Logged(const std::string& text) const {
        for (const std::string& line : frame.infoLines)
            if (line.find(text) != std::string::npos) return true;
        return false;
    }

    CFakeReportService report;
    CScopedService<IReportService> scopedReport = ScopedReport(&report);
};
