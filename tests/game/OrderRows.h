#pragma once
// Every order type given once on the order fixture game (see
// fakes/OrderGameFixture.h), with the record it builds in network play.

#include <functional>
#include <string>
#include <vector>

#include "fakes/MapFileFixture.h"
#include "fakes/OrderGameFixture.h"
#include "game/OrderService.h"
#include "model/CmdSet.h"
#include "model/League.h"

struct SOrderRow {
    const char* name;
    int type;
    // The company concerned: the record goes for it.
    int company;
    // Gives the order on the document (send: as given at this machine).
    std::function<void(CVDoc& doc, const SOrderGame& game, int send)> issue;
    // The record's lists.
    std::function<CCmdSet(CVDoc& doc, const SOrderGame& game)> record;
    // What the game needs before the order (none when empty).
    std::function<void(CVDoc& doc, const SOrderGame& game)> prepare = {};
};

// A record of the current month with these lists.
inline CCmdSet OrderRecord(int type, std::vector<int> kinds, std::vector<int> params,
                           std::vector<CCellPoint> points, std::vector<int> values) {
    CCmdSet order;
    order.Init(type, -1);
    for (int v : kinds) order.AddKind(v);
    for (int v : params) order.AddParam(v);
    for (const CCellPoint& p : points) order.AddPoint(p);
    for (int v : values) order.AddValue(v);
    return order;
}

inline std::string OrderText(const CCmdSet& order) {
    std::string text;
    order.AppendText(text, 511);
    return text;
}

inline int KioskType(CVDoc& doc) {
    return FindStructureOfCode(doc.GetMap(), 30);
}

// Harbor (area 0): (2, 2) is bare unowned land and (4, 0) carries flats;
// teams get their new home field at (5, 4) of Uplands (area 1).
inline std::vector<SOrderRow> AllOrderRows() {
    using G = const SOrderGame&;
    const CCellPoint bare(2, 2), flats(4, 0), ballpark(5, 4), none(-1, -1);
    auto orders = [](CVDoc& doc) -> COrderService& { return doc.GetOrders(); };
    return {
        {"designated purchase", 1, 0,
         [=](CVDoc& d, G g, int s) {
             orders(d).IssueDesignatedPurchase(g.Director(0), 0, flats, -1, s);
         },
         [=](CVDoc&, G g) { return OrderRecord(1, {g.Director(0)}, {0}, {flats}, {-1}); }},
        {"acquire land", 2, 0,
         [=](CVDoc& d, G g, int s) { orders(d).IssueAcquireLand(g.Director(0), 0, 700, none, s); },
         [=](CVDoc&, G g) { return OrderRecord(2, {g.Director(0)}, {0}, {none}, {700}); }},
        {"lot sale", 3, 0,
         [=](CVDoc& d, G, int s) { d.GetEnterprise(0)->PlaceAuctionBid(500, 0, 4, 0, -1, s); },
         [=](CVDoc&, G) {
             return OrderRecord(3, {}, {0}, {flats}, {500, -1});
         }},
        {"purchase stock", 4, 0,
         [=](CVDoc& d, G g, int s) { orders(d).IssuePurchaseStock(g.Director(0), 1, s); },
         [=](CVDoc&, G g) { return OrderRecord(4, {g.Director(0)}, {}, {}, {1}); }},
        {"sell stock", 5, 1, [=](CVDoc& d, G, int s) { orders(d).IssueSellStock(1, 0, 2, s); },
         [=](CVDoc&, G) {
             return OrderRecord(5, {}, {}, {}, {0, 2});
         }},
        {"acquire team", 6, 1,
         [=](CVDoc& d, G, int s) { orders(d).IssueAcquireProTeam(1, 2, 1, 1, ballpark, -1, s); },
         [=](CVDoc& d, G) {
             int price = d.GetMap().GetLeague(2).GetTeamPrice(1);
             return OrderRecord(6, {}, {1}, {ballpark}, {2, 1, price});
         }},
        {"sell team", 7, 0, [=](CVDoc& d, G, int s) { orders(d).IssueSellProTeam(0, 0, s); },
         [=](CVDoc&, G) { return OrderRecord(7, {}, {}, {}, {0}); }},
        {"construction", 8, 0,
         [=](CVDoc& d, G g, int s) {
             orders(d).IssueConstruction(g.Director(0), 0, bare, KioskType(d), s);
         },
         [=](CVDoc& d, G g) {
             return OrderRecord(8, {g.Director(0)}, {0}, {bare}, {KioskType(d)});
         }},
        {"contract", 9, 0,
         [=](CVDoc& d, G, int s) {
             d.GetEnterprise(0)->PlaceContractBid(1, 0, 2, 2, KioskType(d), 900, s);
         },
         [=](CVDoc& d, G) {
             return OrderRecord(9, {}, {0}, {bare}, {1, KioskType(d), 900});
         }},
        {"reinforce", 10, 0,
         [=](CVDoc& d, G g, int s) {
             orders(d).IssueReinforceBuilding(g.Director(0), 0, flats, s);
         },
         [=](CVDoc&, G g) { return OrderRecord(10, {g.Director(0)}, {0}, {flats}, {}); }},
        {"salary", 11, 0,
         [=](CVDoc& d, G, int s) { d.GetEnterprise(0)->IssueDirectorSalary(0, 40, 0, s); },
         [=](CVDoc&, G) {
             return OrderRecord(11, {}, {}, {}, {0, 40, 0});
         }},
        {"recruit employees", 12, 0,
         [=](CVDoc& d, G g, int s) { orders(d).IssueRecruitEmployees(g.Director(0), s); },
         [=](CVDoc&, G g) { return OrderRecord(12, {g.Director(0)}, {}, {}, {}); }},
        {"recruit management", 13, 0,
         [=](CVDoc& d, G g, int s) { orders(d).IssueRecruitManagement(g.Director(0), s); },
         [=](CVDoc&, G g) { return OrderRecord(13, {g.Director(0)}, {}, {}, {}); }},
        {"headhunting", 14, 0,
         [=](CVDoc& d, G g, int s) { orders(d).IssueHeadhunting(g.Director(0), g.Director(1), s); },
         [=](CVDoc&, G g) {
             return OrderRecord(14, {g.Director(0), g.Director(1)}, {}, {}, {});
         }},
        {"abandon", 15, 0,
         [=](CVDoc& d, G g, int s) { orders(d).IssueAbandonProject(g.Director(0), s); },
         [=](CVDoc&, G g) { return OrderRecord(15, {g.Director(0)}, {}, {}, {}); },
         [=](CVDoc& d, G g) { orders(d).ApplyLoan(g.Director(0)); }},
        {"lay-off", 16, 0, [=](CVDoc& d, G, int s) { orders(d).IssueLayoff(0, 1, 0, s); },
         [=](CVDoc&, G) {
             return OrderRecord(16, {}, {}, {}, {1, 0});
         }},
        {"advertising", 17, 0,
         [=](CVDoc& d, G g, int s) { orders(d).IssueAdvertising(g.Director(0), -1, 250, s); },
         [=](CVDoc&, G g) { return OrderRecord(17, {g.Director(0)}, {-1}, {}, {250}); }},
        {"advertising cost", 18, 0,
         [=](CVDoc& d, G, int s) { d.GetEnterprise(0)->IssueAdvertisingCost(60, s); },
         [=](CVDoc&, G) { return OrderRecord(18, {}, {}, {}, {60}); }},
        {"loan", 19, 0, [=](CVDoc& d, G g, int s) { orders(d).IssueLoan(g.Director(0), s); },
         [=](CVDoc&, G g) { return OrderRecord(19, {g.Director(0)}, {}, {}, {}); }},
        {"repay loan", 20, 0, [=](CVDoc& d, G, int s) { orders(d).IssueRepayLoan(0, 300, s, 1); },
         [=](CVDoc&, G) { return OrderRecord(20, {}, {}, {}, {300}); }},
        {"investment", 21, 0,
         [=](CVDoc& d, G g, int s) { orders(d).IssueInvestment(g.Director(0), 0, 2, 400, s); },
         [=](CVDoc&, G g) {
             return OrderRecord(21, {g.Director(0)}, {0}, {}, {2, 400});
         }},
        {"team support", 22, 0,
         [=](CVDoc& d, G g, int s) { orders(d).IssueFinancialSupport(g.Director(0), 0, 1, s); },
         [=](CVDoc&, G g) {
             return OrderRecord(22, {g.Director(0)}, {}, {}, {0, 1});
         }},
        {"home field", 23, 0,
         [=](CVDoc& d, G, int s) { orders(d).IssueChangeHomeField(0, 0, 1, ballpark, s); },
         [=](CVDoc&, G) { return OrderRecord(23, {}, {1}, {ballpark}, {0}); }},
    };
}
