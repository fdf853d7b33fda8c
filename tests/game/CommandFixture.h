#pragma once
// The order fixture game at a client seat of a network game, company 0
// (human) in turn and the map showing Harbor: a player's command sends
// every order it issues as its record, so that a test sees the order's type
// and arguments. The dialogs answer from a script, the confirmations from
// the report fake.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OrderFixture.h"
#include "OrderRows.h"
#include "fakes/ScriptedDialogs.h"
#include "game/OrderCommands.h"
#include "model/BD.h"
#include "model/MapData.h"
#include "model/PersonData.h"

// Public: the rows of the command tables prepare the game through it.
class CommandTest : public OrderTest {
public:
    void SetUp() override {
        OrderTest::SetUp();
        // Company 0 moves first.
        for (int p = 0; p < doc.CompanyCount(); ++p) {
            if (doc.GetTurnEnterprise(p) != 0) continue;
            doc.SetTurnOrderEntry(p, doc.GetTurnEnterprise(0));
            doc.SetTurnOrderEntry(0, 0);
            break;
        }
        doc.ResetTurnPosition();
        start = doc.SaveBytes();
        ASSERT_EQ(seatDoc.LoadBytes(start), -1);
        seat.networkGame = true;
        frame.shownArea = 0;
        frame.calls.clear();
        d0 = game.Director(0, 0);
        d1 = game.Director(0, 1);
    }
    COrderCommands& Commands() { return seatDoc.GetCommands(); }
    CEnterprise& SeatCompany(int c) { return *seatDoc.GetEnterprise(c); }
    CPersonData& SeatPerson(int p) { return *seatDoc.GetDirector(p); }
    CMapDoc& Map() { return seatDoc.GetMap(); }
    int TypeOfCode(int code) { return FindStructureOfCode(Map(), code); }

    // The orders sent, as record texts.
    std::vector<std::string> Orders() {
        std::vector<std::string> texts;
        for (const CCmdSet& order : seat.orders) texts.push_back(OrderText(order));
        return texts;
    }
    // The command reports shown: "Confirm(company,person)" or
    // "Show(company,person)", the caption in brackets, then the lines.
    std::vector<std::string> Reports() {
        std::vector<std::string> shown;
        size_t i = 0;
        for (const std::string& call : report.calls) {
            if (call.rfind("Confirm(", 0) != 0 && call.rfind("Show(", 0) != 0) continue;
            const SOrderReport& r = report.orderReports.at(i++);
            std::string text = call;
            if (!r.caption.empty()) text += " [" + r.caption + "]";
            for (const std::string& line : r.lines) text += " " + line;
            shown.push_back(text);
        }
        return shown;
    }
    std::vector<std::string> FrameCalls(std::initializer_list<const char*> prefixes) {
        std::vector<std::string> calls;
        for (const std::string& call : frame.calls)
            for (const char* prefix : prefixes)
                if (call.rfind(prefix, 0) == 0) calls.push_back(call);
        return calls;
    }
    std::string Name(int company) { return SeatCompany(company).GetName(); }
    std::string PersonName(int p) { return SeatPerson(p).GetName(); }
    // The director takes up a task of the kind in the area.
    void GiveTask(int person, int kind, int area = -1) {
        SeatPerson(person).AssignTask(kind, 100);
        if (area >= 0) SeatPerson(person).SetTaskArea(area);
    }

    // The cell of area 0 becomes bare meadow of owner (a company, -1
    // nobody), with a structure of the code on it (0 none); both can be
    // traded.
    void PrepareLot(CCellPoint cell, int owner, int code = 0) {
        CMapDoc& map = Map();
        CCellPoint anchor, first;
        if (map.GetStructureExtent(0, cell.x, cell.y, anchor, first))
            map.DemolishAt(0, anchor.x, anchor.y);
        CMapData& area = map.GetArea(0);
        area.SetLandType(cell.x, cell.y, fixtureMeadow);
        area.SetCellOwner(cell.x, cell.y, owner + 1);
        MakeUsable(*map.GetLandTypeEntry(fixtureMeadow));
        if (code == 0) return;
        map.SetStructureAt(0, cell.x, cell.y, TypeOfCode(code) + 1);
        MakeUsable(*map.GetStructureType(TypeOfCode(code)));
    }
    // Lots of the type can be traded.
    static void MakeUsable(CBD& type) {
        type.SetFlags(1, type.GetSecondFlag(), type.GetThirdFlag());
    }

    std::vector<uint8_t> start;
    CFakeDocService seat;
    CNetworkSeatDoc seatDoc{seat};
    CScopedService<IDocService> scopedSeat = ScopedDoc(&seatDoc);
    CFakeNetService net;
    CScopedService<INetService> scopedNet = ScopedNet(&net);
    CScriptedDialogService dialogs;
    CScopedService<IDialogService> scopedDialogs = ScopedDialogs(&dialogs);
    int d0 = -1, d1 = -1;
};

inline SPersonAnswer Choose(int id, bool outside = false) {
    return {true, id, outside};
}
inline SDialogAnswer Answer(int value, int second = 0) {
    return {true, value, second};
}
