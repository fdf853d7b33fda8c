// Companies leaving the game: removal (bankruptcy) and merger. These are the
// only places where company indexes change; everything that refers to a
// company by index is renumbered here.
//
// The new company array and stock matrix are built before anything is
// renumbered, so that running out of memory leaves the game as it was
// rather than half renumbered.

#include <algorithm>
#include <new>

#include "game/VDoc.h"
#include "model/MapData.h"

namespace {

// Holder or row h of the old numbering in the new one; the removed company
// becomes target (-1: dropped).
int Renumbered(int h, int removed, int target) {
    if (h < removed) return h;
    if (h > removed) return h - 1;
    return target;
}

}  // namespace

void CVDoc::RenumberPersons(int removed) {
    CMapDoc& map = GetMap();
    map.RemoveCompanyFromMap(removed);
    for (bool governors : {false, true})
        for (CPersonData& person : Table(governors)) person.RemoveCompanyIndex(removed);
    // The names in use follow their companies; the removed company's own
    // name is freed by the caller.
    for (int k = 0; k < map.GetCompanyNameCount(); ++k)
        if (map.GetCompanyNameUser(k) > removed)
            map.SetCompanyNameUser(k, map.GetCompanyNameUser(k) - 1);
}

void CVDoc::ReplaceCompanies(int removed, std::vector<CEnterprise>& companies) {
    for (int c = 0; c < CompanyCount(); ++c)
        if (c != removed) companies.push_back(std::move(m_game.companies[static_cast<size_t>(c)]));
    m_game.companies.swap(companies);
    if (removed < m_game.humanPlayers) --m_game.humanPlayers;
    // The turn order keeps naming every company once.
    std::vector<int>& order = m_game.turnOrder;
    order.erase(std::remove(order.begin(), order.end(), removed), order.end());
    for (int& entry : order)
        if (entry > removed) --entry;
    m_game.turnPosition =
        std::clamp(m_game.turnPosition, 0, std::max(static_cast<int>(order.size()) - 1, 0));
    // Pending deals with the company that left are off.
    for (CEnterprise& company : m_game.companies) {
        CEnterprise::SContractBid bid = company.GetContractBid();
        if (bid.contractor == removed)
            company.ClearContractBid();
        else if (bid.contractor > removed)
            company.SetContractBid(bid.contractor - 1, bid.area, bid.x, bid.y, bid.structureType,
                                   bid.price);
        CEnterprise::SLotSale sale = company.GetAuctionBid();
        if (sale.buyer == removed)
            company.ClearAuctionBid();
        else if (sale.buyer > removed)
            company.SetAuctionBid(sale.minimalBid, sale.area, sale.x, sale.y, sale.buyer - 1);
    }
}

bool CVDoc::RemoveEnterprise(int i) {
    const int n = CompanyCount();
    if (i < 0 || i >= n) return false;
    const std::string name = m_game.companies[static_cast<size_t>(i)].GetName();
    std::vector<int> stock;
    std::vector<CEnterprise> companies;
    try {
        stock.assign(static_cast<size_t>(n) * static_cast<size_t>(n - 1), 0);
        companies.reserve(static_cast<size_t>(n - 1));
    } catch (const std::bad_alloc&) {
        return false;
    }
    // Its staff and president would otherwise be renumbered into the
    // company before it.
    for (CPersonData& person : m_game.directors)
        if (person.GetEmployerNo() == i + 1) {
            person.SetEmployer(0);
            person.SetPresidentFlag(0);
        }
    RenumberPersons(i);
    // New row r: old row r or r + 1. The shares the removed company held go
    // back to their issuer.
    const size_t newRow = static_cast<size_t>(n);
    for (int r = 0; r < n; ++r) {
        if (r == i) continue;
        size_t row = static_cast<size_t>(Renumbered(r, i, -1)) * newRow;
        stock[row] = m_game.stock[StockIndex(r, -1)] + m_game.stock[StockIndex(r, i)];
        for (int h = 0; h < n; ++h)
            if (h != i)
                stock[row + static_cast<size_t>(Renumbered(h, i, -1)) + 1] =
                    m_game.stock[StockIndex(r, h)];
    }
    CMapDoc& map = GetMap();
    for (int k = 0; k < map.GetCompanyNameCount(); ++k)
        if (map.GetCompanyNameEntry(k) == name) map.SetCompanyNameUser(k, -1);
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l)
        for (int t = 0; t < map.GetLeague(l).GetTeamCount(); ++t) {
            CProTeam& team = map.GetProTeam(l, t);
            team.SetOwner(Renumbered(team.GetOwnerIndex(), i, -1));
        }
    ReplaceCompanies(i, companies);
    m_game.stock.swap(stock);
    for (CEnterprise& company : m_game.companies) company.OnCompanyRemoved(i, name);
    return true;
}

bool CVDoc::MergeEnterprise(int absorbed, int absorber) {
    const int n = CompanyCount();
    const int i = absorbed;
    if (i < 0 || i >= n || absorber < 0 || absorber >= n || absorber == i) return false;
    const int j = absorber > i ? absorber - 1 : absorber;
    std::vector<int> stock;
    std::vector<CEnterprise> companies;
    try {
        stock.assign(static_cast<size_t>(n) * static_cast<size_t>(n - 1), 0);
        companies.reserve(static_cast<size_t>(n - 1));
    } catch (const std::bad_alloc&) {
        return false;
    }
    RenumberPersons(i);
    const size_t newRow = static_cast<size_t>(n);
    for (int r = 0; r < n; ++r)
        for (int h = -1; h < n; ++h) {
            size_t target = static_cast<size_t>(Renumbered(r, i, j)) * newRow +
                            static_cast<size_t>(h == -1 ? 0 : Renumbered(h, i, j) + 1);
            stock[target] += m_game.stock[StockIndex(r, h)];
        }
    CMapDoc& map = GetMap();
    CEnterprise& gone = m_game.companies[static_cast<size_t>(i)];
    CEnterprise& gaining = m_game.companies[static_cast<size_t>(absorber)];
    if (gone.GetNameSlot() >= 0 && gone.GetNameSlot() < map.GetCompanyNameCount())
        map.SetCompanyNameUser(gone.GetNameSlot(), -1);
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l) {
        CLeague& league = map.GetLeague(l);
        for (int t = 0; t < league.GetTeamCount(); ++t) {
            CProTeam& team = league.GetTeam(t);
            if (team.GetOwnerIndex() != i) continue;
            if (gaining.GetLeagueTeam(l) < 0) {
                team.SetOwner(absorber);
                gaining.SetLeagueTeam(l, t);
            } else {
                int price = std::max(league.GetTeamPrice(t) / 2, 1);
                gaining.AddFunds(price);
                gaining.AddMonthlySales(m_game.month, price);
                gaining.AddMonthlyProfit(m_game.month, price);
                team.SetOwner(-1);
            }
        }
        for (int t = 0; t < league.GetTeamCount(); ++t) {
            CProTeam& team = league.GetTeam(t);
            team.SetOwner(Renumbered(team.GetOwnerIndex(), i, j));
        }
    }
    ReplaceCompanies(i, companies);
    m_game.stock.swap(stock);
    for (CEnterprise& company : m_game.companies) company.RenumberAfterRemoval(i);
    // The absorber's cells carry its new number + 1 now: its recount finds
    // exactly them.
    m_game.companies[static_cast<size_t>(j)].RecountAllHoldings();
    return true;
}

bool CVDoc::RequestMerger(int absorbed, int absorber) {
    if (!GetEnterprise(absorbed) || !GetEnterprise(absorber) || absorbed == absorber ||
        IsLeaving(absorbed) || IsLeaving(absorber))
        return false;
    m_game.leaving.push_back({absorbed, absorber});
    return true;
}

bool CVDoc::IsLeaving(int company) const {
    return std::any_of(m_game.leaving.begin(), m_game.leaving.end(),
                       [company](const SGame::SLeaving& l) { return l.company == company; });
}

void CVDoc::RenumberLeaving(int removed) {
    std::vector<SGame::SLeaving>& leaving = m_game.leaving;
    std::erase_if(leaving, [removed](const SGame::SLeaving& l) {
        return l.company == removed || l.absorber == removed;
    });
    for (SGame::SLeaving& l : leaving) {
        if (l.company > removed) --l.company;
        if (l.absorber > removed) --l.absorber;
    }
}

int CVDoc::RemoveLeavingCompanies() {
    int left = 0;
    while (!m_game.leaving.empty()) {
        const SGame::SLeaving next = m_game.leaving.front();
        m_game.leaving.erase(m_game.leaving.begin());
        bool gone = false;
        if (next.absorber < 0) {
            gone = RemoveEnterprise(next.company);
        } else if (CEnterprise* company = GetEnterprise(next.company)) {
            // The record's own part of the merger ends before the document
            // replaces the company array.
            company->MergeInto(next.absorber);
            gone = MergeEnterprise(next.company, next.absorber);
        }
        if (!gone) continue;
        RenumberLeaving(next.company);
        AnnounceCompanyLeft(next.company);
        ++left;
    }
    return left;
}
