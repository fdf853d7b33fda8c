#include <gtest/gtest.h>

#include "OrderFixture.h"
#include "OrderRows.h"
#include "model/MercavoError.h"
#include "platform/core/RuntimeRandom.h"

namespace {

class OrderReceiveTest : public OrderTest {
protected:
    void SetUp() override {
        OrderTest::SetUp();
        start = doc.SaveBytes();
    }
    // The game after the steps, from the start, with the same draws.
    std::vector<uint8_t> After(const std::function<void(CVDoc&)>& steps) {
        CVDoc target;
        auto scoped = ScopedDoc(&target);
        EXPECT_EQ(target.LoadBytes(start), -1);
        CRuntimeRandom::Seed(11);
        steps(target);
        return target.SaveBytes();
    }
    // The record as a client of a network game sends it.
    CCmdSet SentRecord(const SOrderRow& row) {
        CFakeDocService seat;
        seat.networkGame = true;
        CNetworkSeatDoc client(seat);
        auto scoped = ScopedDoc(&client);
        EXPECT_EQ(client.LoadBytes(start), -1);
        if (row.prepare) row.prepare(client, game);
        row.issue(client, game, 1);
        EXPECT_EQ(seat.orders.size(), 1u);
        return seat.orders.empty() ? CCmdSet() : seat.orders[0];
    }

    std::vector<uint8_t> start;
};

TEST_F(OrderReceiveTest, EveryReceivedTypeHasTheEffectOfTheOrderGivenHere) {
    for (const SOrderRow& row : AllOrderRows()) {
        SCOPED_TRACE(row.name);
        std::vector<uint8_t> untouched = After([&](CVDoc& d) {
            if (row.prepare) row.prepare(d, game);
        });
        CCmdSet record = SentRecord(row);
        std::vector<uint8_t> given = After([&](CVDoc& d) {
            if (row.prepare) row.prepare(d, game);
            row.issue(d, game, 0);
        });
        std::vector<uint8_t> received = After([&](CVDoc& d) {
            if (row.prepare) row.prepare(d, game);
            EXPECT_TRUE(d.GetOrders().OnCmdSetRecord(row.company, record));
        });
        EXPECT_TRUE(given != untouched);
        EXPECT_TRUE(given == received);
    }
}

TEST_F(OrderReceiveTest, TypesOutsideTheCatalogueAreIgnored) {
    for (int type : {0, 24, -5, 9999}) {
        SCOPED_TRACE(type);
        EXPECT_TRUE(Orders().OnCmdSetRecord(0, OrderRecord(type, {game.Director(0)}, {}, {}, {})));
    }
    EXPECT_TRUE(doc.SaveBytes() == start);
}

TEST_F(OrderReceiveTest, AnInvalidRecordChangesNothingAndIsRefused) {
    struct SCase {
        const char* name;
        int company;
        CCmdSet record;
    };
    const int d = game.Director(0), foreign = game.Director(1);
    const CCellPoint bare(2, 2), outside(6, 0);
    const int office = FindStructureOfCode(doc.GetMap(), 60);
    const std::vector<SCase> cases = {
        // list lengths
        {"designated purchase without its director", 0, OrderRecord(1, {}, {0}, {bare}, {-1})},
        {"headhunting without its target", 0, OrderRecord(14, {d}, {}, {}, {})},
        {"team purchase without its price", 1, OrderRecord(6, {}, {1}, {CCellPoint(5, 4)}, {2, 1})},
        {"stock sale without its quantity", 1, OrderRecord(5, {}, {}, {}, {0})},
        {"loan with an extra list", 0, OrderRecord(19, {d}, {0}, {}, {})},
        // persons
        {"director outside the table", 0, OrderRecord(12, {9999}, {}, {}, {})},
        {"negative director", 0, OrderRecord(13, {-1}, {}, {}, {})},
        {"director of another company", 0, OrderRecord(19, {foreign}, {}, {}, {})},
        {"hunted person outside the table", 0, OrderRecord(14, {d, 9999}, {}, {}, {})},
        // areas and cells
        {"area outside the map", 0, OrderRecord(10, {d}, {2}, {bare}, {})},
        {"advertising area below -1", 0, OrderRecord(17, {d}, {-2}, {}, {100})},
        {"investment area outside", 0, OrderRecord(21, {d}, {5}, {}, {0, 100})},
        {"cell outside the grid", 0, OrderRecord(10, {d}, {0}, {outside}, {})},
        {"footprint outside the grid", 0, OrderRecord(8, {d}, {0}, {CCellPoint(0, 0)}, {office})},
        {"structure type outside the table", 0, OrderRecord(8, {d}, {0}, {bare}, {999})},
        {"investment kind outside", 0, OrderRecord(21, {d}, {0}, {}, {4, 100})},
        // leagues and teams
        {"team sale in league 3", 0, OrderRecord(7, {}, {}, {}, {3})},
        {"support in league -1", 0, OrderRecord(22, {d}, {}, {}, {-1, 0})},
        {"home field in league 3", 0, OrderRecord(23, {}, {1}, {CCellPoint(5, 4)}, {3})},
        {"team outside the league", 1, OrderRecord(6, {}, {1}, {CCellPoint(5, 4)}, {2, 2, 10})},
        {"team owned by another company", 1,
         OrderRecord(6, {}, {1}, {CCellPoint(5, 4)}, {0, 0, 10})},
        {"second team in a league", 0, OrderRecord(6, {}, {1}, {CCellPoint(5, 4)}, {0, 1, 10})},
        // companies
        {"stock of a company outside", 0, OrderRecord(4, {d}, {}, {}, {3})},
        {"stock sale of company -1", 1, OrderRecord(5, {}, {}, {}, {-1, 1})},
        {"contractor outside", 0, OrderRecord(9, {}, {0}, {bare}, {3, 0, 100})},
        {"buyer outside", 0, OrderRecord(3, {}, {0}, {CCellPoint(4, 0)}, {100, 3})},
        {"sending company outside", 3, OrderRecord(12, {d}, {}, {}, {})},
        // lay-off positions and amounts
        {"lay-off beyond the staff", 0, OrderRecord(16, {}, {}, {}, {3, 0})},
        {"lay-off position -1", 0, OrderRecord(16, {}, {}, {}, {-1, 0})},
        {"salary beyond the staff", 0, OrderRecord(11, {}, {}, {}, {3, 10, 0})},
        {"negative lay-off", 0, OrderRecord(16, {}, {}, {}, {0, -50})},
        {"more shares than held", 1, OrderRecord(5, {}, {}, {}, {0, 11})},
        {"repayment beyond the debt", 0, OrderRecord(20, {}, {}, {}, {SOrderGame::kDebt + 1})},
        {"negative budget", 0, OrderRecord(17, {d}, {-1}, {}, {-100})},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        frame.calls.clear();
        EXPECT_FALSE(Orders().OnCmdSetRecord(c.company, c.record));
        EXPECT_TRUE(doc.SaveBytes() == start);
        EXPECT_TRUE(frame.calls.empty());
    }
}

}  // namespace
