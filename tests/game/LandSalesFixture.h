#pragma once
// A small game for the land sales, auctions and construction contracts:
// four companies on the fixture map (companies 0 and 1 human-played),
// recording report and dialog services, and the lots the tests trade.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GameFixture.h"
#include "fakes/MapFileFixture.h"
#include "fakes/ScriptedDialogs.h"
#include "fakes/ScriptedDraws.h"
#include "model/MapData.h"

class LandSalesTest : public GameTest {
protected:
    // One company's figures that a sale moves.
    struct SFigures {
        int funds = 0, sales = 0, profit = 0, expense = 0, land = 0, buildings = 0,
            employees = 0, atWork = 0, level = 0, grade = 0, history = 0;
        bool operator==(const SFigures&) const = default;
    };

    void SetUp() override {
        GameTest::SetUp();
        NewGame(4, 2);
        doc.SetActivityReport(0);
        // Bidders are asked in turn order: 0, 1, 2, 3.
        for (int p = 0; p < 4; ++p) doc.SetTurnOrderEntry(p, p);
        doc.ResetTurnPosition();
        // Every company starts from plain figures in area 0: present, no
        // land, no buildings.
        for (int c = 0; c < 4; ++c) {
            CEnterprise& company = *doc.GetEnterprise(c);
            company.SetFunds(1000);
            company.SetDebt(0);
            company.SetEmployees(400);
            company.SetEmployeesAtWork(300);
            company.SetAreaLevel(0, 1);
        }
        // Every lot of the fixture map may be traded.
        CMapDoc& map = doc.GetMap();
        for (int i = 0; i < map.GetLandTypeCount(); ++i) {
            CBD& land = *map.GetLandTypeEntry(i);
            land.SetFlags(1, land.GetSecondFlag(), land.GetThirdFlag());
        }
        for (int i = 0; i < map.GetStructureTypeCount(); ++i) {
            CBD& type = *map.GetStructureType(i);
            type.SetFlags(1, type.GetSecondFlag(), type.GetThirdFlag());
        }
        ClearArea(0);
        office = FindStructureOfCode(doc.GetMap(), 60);
        house = FindStructureOfCode(doc.GetMap(), 30);
        ASSERT_GE(office, 0);
        ASSERT_GE(house, 0);
    }

    // No owner, no structure anywhere in the area; holdings recounted.
    void ClearArea(int area) {
        CMapDoc& map = doc.GetMap();
        CMapData& record = map.GetArea(area);
        for (int y = 0; y < record.GetHeight(); ++y)
            for (int x = 0; x < record.GetWidth(); ++x)
                if (map.IsAnchorCell(area, x, y) && map.HasStructureAt(area, x, y))
                    map.SetStructureAt(area, x, y, 0);
        for (int y = 0; y < record.GetHeight(); ++y)
            for (int x = 0; x < record.GetWidth(); ++x) record.SetCellOwner(x, y, 0);
        for (int c = 0; c < doc.GetCompanyCount(); ++c)
            doc.GetEnterprise(c)->RecountAllHoldings();
    }

    // A structure of the type anchored at (x, y) of area 0, owned by owner
    // (-1 nobody); the owner's counts follow the map.
    void Build(int type, int x, int y, int owner) {
        CMapDoc& map = doc.GetMap();
        map.SetStructureAt(0, x, y, type + 1);
        map.SetStructureOwner(0, x, y, owner + 1);
        if (owner >= 0) doc.GetEnterprise(owner)->RecountAllHoldings();
    }
    void Own(int x, int y, int owner) {
        doc.GetMap().GetArea(0).SetCellOwner(x, y, owner + 1);
        if (owner >= 0) doc.GetEnterprise(owner)->RecountAllHoldings();
    }

    SFigures Figures(int c, int area = 0) const {
        const CEnterprise& company = *doc.GetEnterprise(c);
        const int month = doc.GetMonth();
        return {company.GetFunds(),           company.GetMonthlySales(month),
                company.GetMonthlyProfit(month), company.GetMonthlyExpense(month),
                company.GetAreaLand(area),    company.GetAreaBuildings(area),
                company.GetEmployees(),       company.GetEmployeesAtWork(),
                company.GetAreaLevel(area),   company.GetAreaGrade(area),
                static_cast<int>(company.GetHistory().size())};
    }
    int Staff(int type) { return doc.GetMap().GetStructureType(type)->GetValueFigure(); }
    int Owner(int x, int y, int area = 0) { return doc.GetMap().GetArea(area).GetCellOwner(x, y); }
    bool Logged(const std::string& line) const {
        return std::find(frame.infoLines.begin(), frame.infoLines.end(), line) !=
               frame.infoLines.end();
    }

    int office = -1, house = -1;
    CFakeReportService report;
    CScopedService<IReportService> scopedReport = ScopedReport(&report);
    CScriptedDialogService dialogs;
    CScopedService<IDialogService> scopedDialogs = ScopedDialogs(&dialogs);
};
