#pragma once
// The order fixture game (company 0 human, 1 and 2 computer) with helpers
// that run a director's task month by month until it ends.

#include <algorithm>
#include <string>
#include <vector>

#include "OrderFixture.h"
#include "fakes/MapFileFixture.h"
#include "model/BD.h"
#include "model/MapData.h"

class TaskTest : public OrderTest {
protected:
    static constexpr int kMaxMonths = 200;

    void SetUp() override {
        OrderTest::SetUp();
        // Lots can be priced and traded on every land and under every
        // structure of the fixture map.
        CMapDoc& map = doc.GetMap();
        for (int i = 0; i < map.GetLandTypeCount(); ++i) {
            CBD& land = *map.GetLandTypeEntry(i);
            land.SetFlags(1, land.GetSecondFlag(), land.GetThirdFlag());
        }
        for (int i = 0; i < map.GetStructureTypeCount(); ++i) {
            CBD& type = *map.GetStructureType(i);
            type.SetFlags(1, type.GetSecondFlag(), type.GetThirdFlag());
        }
    }

    // Runs the company's turn (head hunts, then the other tasks) month by
    // month until the director has no task left; the months it took, or -1
    // when it never ended.
    int RunUntilDone(int person) {
        const int c = Person(person).GetEmployer();
        for (int month = 1; month <= kMaxMonths; ++month) {
            RunTurnOf(c);
            if (!Person(person).HasTask()) return month;
        }
        return -1;
    }
    void RunTurnOf(int c) {
        doc.ResetTurnPosition();
        doc.SetTurnOrderEntry(0, c);
        doc.RunHeadhuntingTasks();
        doc.ResetTurnPosition();
        doc.RunDirectorTasks();
    }

    // The log written since the last TakeLog contains the line.
    static bool Has(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    bool Reported(const std::string& call) const { return Has(report.calls, call); }
    static std::string Args(std::initializer_list<int> values) {
        std::string text = "(";
        for (int v : values) text += (text.size() > 1 ? "," : "") + std::to_string(v);
        return text + ")";
    }

    // A person of the director table nobody employs or ever employed.
    int FreePerson() {
        for (int p = 0; p < doc.GetDirectorTableSize(); ++p)
            if (Person(p).GetEmployerNo() == 0 && !Person(p).GetPresidentFlag()) return p;
        ADD_FAILURE() << "no free person";
        return 0;
    }
    int TypeOfCode(int code) { return FindStructureOfCode(doc.GetMap(), code); }
    // A structure of the type owned by company c with its anchor at (x, y).
    void Build(int c, int area, int x, int y, int type) {
        doc.GetMap().SetStructureAt(area, x, y, type + 1);
        doc.GetMap().SetStructureOwner(area, x, y, c + 1);
    }
    // Bare land of company c.
    void Own(int c, int area, int x, int y) {
        doc.GetMap().GetArea(area).SetCellOwner(x, y, c + 1);
    }
    // A structure type of the code appended to the map's table; its index.
    int AppendType(const std::string& name, int code) {
        CBD type;
        type.SetName(name);
        type.SetTypeCode(code);
        type.SetLandValue(100);
        type.SetBasePrice(1000);
        type.SetValueFigure(10);
        type.SetSize(1, 1);
        type.SetPriceStep(1);
        EXPECT_TRUE(doc.GetMap().AddStructureType(type));
        return doc.GetMap().GetStructureTypeCount() - 1;
    }
};
