#include "GameCheck.h"

#include <set>
#include <sstream>
#include <vector>

#include "game/VDoc.h"
#include "model/CmdPacket.h"
#include "model/Enterprise.h"
#include "model/League.h"
#include "model/MapCheck.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"

namespace {

bool Within(int value, int lo, int hi) { return value >= lo && value <= hi; }

std::string CheckStock(CVDoc& doc) {
    const int n = doc.CompanyCount();
    if (doc.GetStockEntryCount() != static_cast<size_t>(n) * static_cast<size_t>(n + 1))
        return "stock matrix of " + std::to_string(doc.GetStockEntryCount()) + " entries";
    for (int c = 0; c < n; ++c) {
        int64_t held = 0;
        for (int h = -1; h < n; ++h) {
            if (doc.GetStockHolding(c, h) < 0) return "negative stock entry of company " + std::to_string(c);
            if (h >= 0) held += doc.GetStockHolding(c, h);
        }
        if (held > doc.GetStockHolding(c, -1))
            return "more shares of company " + std::to_string(c) + " held than issued";
    }
    return "";
}

std::string CheckTurnOrder(CVDoc& doc) {
    const int n = doc.CompanyCount();
    if (n > doc.GetMap().GetMaxCompanyCount()) return "more companies than the map allows";
    if (doc.GetTurnOrderSize() != n) return "turn order of the wrong length";
    std::set<int> seen;
    for (int p = 0; p < n; ++p) {
        const int c = doc.GetTurnEnterprise(p);
        if (!Within(c, 0, n - 1) || !seen.insert(c).second) return "turn order not a permutation";
    }
    if (n > 0 && !Within(doc.GetTurnPosition(), 0, n - 1)) return "turn position outside the order";
    return "";
}

std::string CheckOwners(CVDoc& doc) {
    const CMapDoc& map = doc.GetMap();
    const int n = doc.CompanyCount();
    for (int a = 0; a < map.GetAreaCount(); ++a) {
        const CMapData& area = map.GetArea(a);
        for (int y = 0; y < area.GetHeight(); ++y)
            for (int x = 0; x < area.GetWidth(); ++x)
                if (!Within(area.GetCellOwner(x, y), 0, n))
                    return "owner " + std::to_string(area.GetCellOwner(x, y)) + " in area " +
                           std::to_string(a);
        if (std::string fault = CheckAreaInvariants(map, a); !fault.empty())
            return "area " + std::to_string(a) + ": " + fault;
    }
    return "";
}

// Every employed person is on his company's staff list exactly once, or is
// its president.
std::string CheckStaff(CVDoc& doc) {
    const int n = doc.CompanyCount();
    std::vector<std::multiset<int>> staff(static_cast<size_t>(n));
    for (int c = 0; c < n; ++c) {
        const CEnterprise& company = *doc.GetEnterprise(c);
        for (int i = 0; i < company.GetDirectorCount(); ++i)
            staff[static_cast<size_t>(c)].insert(company.GetDirectorIndex(i));
    }
    for (int i = 0; i < doc.GetDirectorTableSize(); ++i) {
        const CPersonData& person = *doc.GetDirector(i);
        const int employer = person.GetEmployerNo();
        if (!Within(employer, -n, n)) return "employer number " + std::to_string(employer);
        for (int c = 0; c < n; ++c) {
            const size_t listed = staff[static_cast<size_t>(c)].count(i);
            // President number 0 is the player; person i is number i + 1.
            const bool president = doc.GetEnterprise(c)->GetPresidentNumber() == i + 1;
            const bool employed = employer == c + 1 && !president;
            if (listed > 1 || (listed == 1) != employed)
                return "person " + std::to_string(i) + " (employer number " +
                       std::to_string(employer) + ", listed " + std::to_string(listed) +
                       ") and the staff of company " + std::to_string(c);
        }
        for (int c = 0; c < n; ++c)
            if (!Within(person.GetRelation(c), 0, 2000)) return "relation of person " + std::to_string(i);
    }
    return "";
}

std::string CheckGovernors(CVDoc& doc) {
    std::set<int> governing;
    for (int a = 0; a < doc.GetMap().GetAreaCount(); ++a) {
        const int g = doc.GetMap().GetArea(a).GetGovernor();
        const CPersonData* governor = doc.GetGovernor(g);
        if (!governor || governor->GetEmployerNo() != a + 1 || !governing.insert(g).second)
            return "governor " + std::to_string(g) + " of area " + std::to_string(a);
    }
    return "";
}

std::string CheckCompanyFigures(CVDoc& doc) {
    const int areas = doc.GetMap().GetAreaCount();
    if (!Within(doc.GetInterestRate(), 8, 30)) return "interest rate";
    for (int c = 0; c < doc.CompanyCount(); ++c) {
        const CEnterprise& company = *doc.GetEnterprise(c);
        if (!Within(company.GetRating(), -100, 100)) return "morale of company " + std::to_string(c);
        for (int a = 0; a < areas; ++a)
            if (!Within(company.GetAreaLevel(a), 0, 4) || !Within(company.GetAreaGrade(a), 100, 500))
                return "level or grade of company " + std::to_string(c) + " in area " +
                       std::to_string(a);
    }
    return "";
}

std::string CheckTeams(CVDoc& doc) {
    CMapDoc& map = doc.GetMap();
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l) {
        const CLeague& league = map.GetLeague(l);
        for (int t = 0; t < league.GetTeamCount(); ++t) {
            const int owner = league.GetTeam(t).GetOwnerIndex();
            if (owner < 0) continue;
            if (owner >= doc.CompanyCount() || doc.GetEnterprise(owner)->GetLeagueTeam(l) != t)
                return "team " + std::to_string(t) + " of league " + std::to_string(l);
        }
    }
    return "";
}

bool IsCellOf(CVDoc& doc, int area, int x, int y) {
    return Within(area, 0, doc.GetMap().GetAreaCount() - 1) &&
           doc.GetMap().GetArea(area).IsInGrid(x, y);
}

// Tasks that work on a lot (purchases, construction, contracts,
// investment, reinforcement) name a cell of the map; the others may name
// no area.
std::string CheckTasks(CVDoc& doc) {
    for (int i = 0; i < doc.GetDirectorTableSize(); ++i) {
        const CPersonData& person = *doc.GetDirector(i);
        const int kind = person.GetTaskKind();
        if (!Within(kind, 0, 13)) return "task kind of person " + std::to_string(i);
        // A land search has its cell once it found a lot.
        const bool searching = kind == 2 && person.GetTaskParam(1) == 0;
        const bool onLot = (kind == 1 || kind == 2 || kind == 6 || kind == 7 || kind == 12) &&
                           !searching;
        if (onLot && !IsCellOf(doc, person.GetTaskArea(), person.GetTaskTargetX(),
                               person.GetTaskTargetY()))
            return "task " + std::to_string(kind) + " of person " + std::to_string(i) +
                   " on no cell (area " + std::to_string(person.GetTaskArea()) + ", " +
                   std::to_string(person.GetTaskTargetX()) + "," +
                   std::to_string(person.GetTaskTargetY()) + ")";
        // -2: a task that belongs to no area.
        if (!Within(person.GetTaskArea(), -2, doc.GetMap().GetAreaCount() - 1))
            return "task area of person " + std::to_string(i);
    }
    return "";
}

std::string CheckPlans(CVDoc& doc) {
    const int persons = doc.GetDirectorTableSize();
    const int areas = doc.GetMap().GetAreaCount();
    for (int c = 0; c < doc.CompanyCount(); ++c)
        for (const CCmdPacket& plan : doc.GetEnterprise(c)->GetPlans())
            for (const CCmdPacket::SStep& step : plan.GetSteps()) {
                const bool league = step.kind == eCOM_ACQUIRE_TEAM;
                if (!league && !Within(step.param1, -1, persons - 1))
                    return "plan step of company " + std::to_string(c) + " names person " +
                           std::to_string(step.param1);
                const bool onLot = step.kind == eCOM_ACQUIRE_LAND ||
                                   step.kind == eCOM_DESIGNATED_PURCHASE ||
                                   step.kind == eCOM_CONSTRUCTION || step.kind == eCOM_REINFORCE;
                if (onLot && step.point.x >= 0 &&
                    !IsCellOf(doc, step.param3, step.point.x, step.point.y))
                    return "plan step of company " + std::to_string(c) + " on no cell";
                if (onLot && !Within(step.param3, 0, areas - 1))
                    return "plan step of company " + std::to_string(c) + " in no area";
            }
    return "";
}

}  // namespace

std::string CheckGameInvariants(CVDoc& doc) {
    using Check = std::string (*)(CVDoc&);
    for (Check check : {CheckStock, CheckTurnOrder, CheckOwners, CheckStaff, CheckGovernors,
                        CheckCompanyFigures, CheckTeams, CheckTasks, CheckPlans})
        if (std::string fault = check(doc); !fault.empty()) return fault;
    return "";
}
