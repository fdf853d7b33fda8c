#include "game/VDoc.h"
#include "game/NetDocState.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "game/OrderCommands.h"
#include "game/OrderService.h"
#include "model/AreaRating.h"
#include "model/MapData.h"
#include "model/NetStateOut.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/TempMem.h"
#include "model/services/Services.h"

CVDoc::SGame::SGame() : map(std::make_unique<CMapDoc>()) {}

CVDoc::CVDoc()
    : m_orders(std::make_unique<COrderService>(*this)),
      m_commands(std::make_unique<COrderCommands>(*this)) {}

CVDoc::~CVDoc() = default;

// ---------------------------------------------------------------- companies

CEnterprise* CVDoc::GetEnterprise(int i) {
    if (i < 0 || i >= CompanyCount()) return nullptr;
    return &m_game.companies[static_cast<size_t>(i)];
}

const CEnterprise* CVDoc::GetEnterprise(int i) const {
    if (i < 0 || i >= CompanyCount()) return nullptr;
    return &m_game.companies[static_cast<size_t>(i)];
}

int CVDoc::SetPlayerCount(int count, int both) {
    if (count < 0 || count > CompanyCount()) return 0;
    m_game.humanPlayers = count;
    if (both) m_game.startingPlayers = count;
    return 1;
}

// ---------------------------------------------------------------- persons

// Indexes come from stored plans and tasks too, so every one is checked.
CPersonData* CVDoc::GetDirector(int i) {
    if (i < 0 || i >= GetDirectorTableSize()) return nullptr;
    return &m_game.directors[static_cast<size_t>(i)];
}

CPersonData* CVDoc::GetGovernor(int i) {
    if (i < 0 || i >= GetGovernorTableSize()) return nullptr;
    return &m_game.governors[static_cast<size_t>(i)];
}

CPersonData* CVDoc::GetAreaGovernor(int area) {
    CMapData* record = GetArea(area);
    return record ? GetGovernor(record->GetGovernor()) : nullptr;
}

int CVDoc::CountFreeDirectors() const {
    return static_cast<int>(std::count_if(
        m_game.directors.begin(), m_game.directors.end(),
        [](const CPersonData& p) { return p.GetEmployerNo() == 0 && p.GetPresidentFlag() == 0; }));
}

// ---------------------------------------------------------------- map and areas

CMapData* CVDoc::GetArea(int area) {
    if (area < 0 || area >= GetMap().GetAreaCount()) return nullptr;
    return &GetMap().GetArea(area);
}

const char* CVDoc::GetAreaNameText(int area) const {
    if (area == -1) return "All";
    if (area < -1 || area >= GetMap().GetAreaCount()) return nullptr;
    return GetMap().GetAreaName(area).c_str();
}

std::string CVDoc::GetAreaName(int area) {
    const char* name = GetAreaNameText(area);
    return name ? name : "";
}

std::string CVDoc::GetAuthorName(int author) const {
    switch (author) {
        case 0:
            return m_game.authorName;
        case 1:
            return GetMap().GetAreaText();
        case 2:
            return GetMap().GetMapTitle();
        case 3:
            return GetMap().GetMapText();
        default:
            return "";
    }
}

const CMemBlock* CVDoc::GetAuthorMark(int author) const {
    // The map's first author has its third block, the second its first, the
    // third its second.
    switch (author) {
        case 0:
            return &m_game.authorMark;
        case 1:
            return &GetMap().GetRawBlock(3);
        case 2:
            return &GetMap().GetRawBlock(1);
        case 3:
            return &GetMap().GetRawBlock(2);
        default:
            return nullptr;
    }
}

int CVDoc::GetViewPictureIndex() const {
    switch (m_game.viewDirection) {
        case 0:
            return 1;
        case 1:
            return 3;
        case 2:
            return 2;
        case 3:
            return 0;
        default:
            return -1;
    }
}

CAreaLimits CVDoc::GetCellLimits() const {
    CAreaLimits limits = GetMap().GetAreaLimits();
    limits.maxCompanies = std::min(limits.maxCompanies, CompanyCount());
    return limits;
}

int CVDoc::ChangeAreaGovernor(int area, int person) {
    CMapData* record = GetArea(area);
    CPersonData* governor = GetGovernor(person);
    if (!record || !governor) return 0;
    int old = record->GetGovernor();
    record->SetGovernor(person);
    if (old == person) {
        for (CEnterprise& company : m_game.companies)
            company.SetAreaRating(3, area, company.GetAreaRating(3, area) / 2, 0);
        return 0;
    }
    if (CPersonData* leaving = GetGovernor(old)) leaving->SetEmployer(0);
    governor->SetEmployer(area + 1);
    for (CEnterprise& company : m_game.companies) {
        int c = company.GetNumber();
        int donations = company.GetMonthlyFigure(3, area, -1);
        if (donations > 50) company.AddAreaSum(area, donations - 50);
        company.RecordMonthlyFigure(3, area, 0, 0, -1);
        company.SetAreaRating(3, area, 0, 0);
        company.SetAreaRating(0, area, Random(company.GetAreaRating(0, area) / 2), 0);
        governor->SetRelation(c, RandomVary(400, 200));
    }
    return 1;
}

int CVDoc::SumAreaRatings(int rating, int area, int damped) const {
    int64_t sum = 0;
    for (const CEnterprise& company : m_game.companies) {
        int value = company.GetAreaRating(rating, area);
        sum += damped ? DampAreaRating(value) : value;
    }
    return ClampToInt(sum);
}

// ---------------------------------------------------------------- turn order

void CVDoc::ShuffleTurnOrder() {
    int n = CompanyCount();
    CTempMem permutation;
    if (!RandomPermutation(n, permutation)) {
        m_game.turnOrder.clear();
        m_game.turnPosition = 0;
        return;
    }
    m_game.turnOrder.assign(permutation.GetInts(), permutation.GetInts() + n);
    m_game.turnPosition = 0;
    if (IsNetworkHost()) CNetStateOut::Send(-1, CNetDocState(*this).BuildTurnOrder());
}

int CVDoc::GetTurnEnterprise(int p) const {
    if (m_game.turnOrder.empty()) return -1;
    if (p == -1) p = m_game.turnPosition;
    if (p < 0 || p >= static_cast<int>(m_game.turnOrder.size())) return -1;
    return m_game.turnOrder[static_cast<size_t>(p)];
}

int CVDoc::GetOwnCompanyIndex() const {
    const CFrameState& state = *m_frame;
    if (!state.IsNetworkGame()) return -1;
    for (const CFrameState::SPeer& peer : state.GetPeers()) {
        if (peer.localFlag) return peer.company;
    }
    return -1;
}

int CVDoc::NextTurn() {
    if (m_game.turnPosition >= static_cast<int>(m_game.turnOrder.size()) - 1) return 0;
    ++m_game.turnPosition;
    return 1;
}

void CVDoc::SetTurnOrderEntry(int p, int company) {
    // A peer's table must name companies of this game.
    if (p < 0 || p >= static_cast<int>(m_game.turnOrder.size())) return;
    if (company < 0 || company >= CompanyCount()) return;
    m_game.turnOrder[static_cast<size_t>(p)] = company;
}

// ---------------------------------------------------------------- stock matrix

size_t CVDoc::StockIndex(int company, int holder) const {
    size_t row = static_cast<size_t>(CompanyCount()) + 1;
    return static_cast<size_t>(company) * row + static_cast<size_t>(holder + 1);
}

int CVDoc::GetStockHolding(int company, int holder) {
    int n = CompanyCount();
    if (company < 0 || company >= n || holder >= n) return 0;
    if (holder >= -1) return m_game.stock[StockIndex(company, holder)];
    int64_t sum = 0;
    for (int j = 0; j < n; ++j) sum += m_game.stock[StockIndex(company, j)];
    return static_cast<int>(std::min<int64_t>(sum, INT32_MAX));
}

void CVDoc::SetStockHolding(int company, int holder, int value) {
    int n = CompanyCount();
    if (company < 0 || company >= n || holder < -1 || holder >= n) return;
    m_game.stock[StockIndex(company, holder)] = value;
}

double CVDoc::GetShareRatio(int company, int holder) const {
    int n = CompanyCount();
    if (company < 0 || company >= n || holder < 0 || holder >= n) return 0.0;
    int issued = m_game.stock[StockIndex(company, -1)];
    // A company that has issued nothing (its count is set from its funds,
    // which may be negative) has nobody holding a share of it.
    if (issued <= 0) return 0.0;
    return static_cast<double>(m_game.stock[StockIndex(company, holder)]) / issued;
}

void CVDoc::InitIssuedShares() {
    for (int i = 0; i < CompanyCount(); ++i)
        m_game.stock[StockIndex(i, -1)] = m_game.companies[static_cast<size_t>(i)].GetFunds();
}
