// The computer player's context and the single decisions that other rules
// ask of a company.

#include "game/ComCommand.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "game/ComCommandMath.h"
#include "game/VDoc.h"
#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/MapData.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"

using namespace ComMath;

CComCommand::CComCommand(CVDoc& doc, int company) : m_doc(doc) {
    m_companyIndex = company == -1 ? doc.GetTurnEnterprise(-1) : company;
    m_company = doc.GetEnterprise(m_companyIndex);
    m_president = m_company ? m_company->GetPresident() : nullptr;
    if (!m_company) m_companyIndex = -1;
}

int CComCommand::Ability(int i) const {
    return m_president ? m_president->GetAbility(i, false) : 0;
}

int CComCommand::FundsLessPlans(int doneOnly) const {
    return ClampToInt(int64_t{m_company->GetFunds()} - m_company->SumPlannedCosts(doneOnly));
}

int CComCommand::CountStrongAreas() const {
    return m_company->CountAreasAtLevel(1);
}

std::vector<int> CComCommand::TurnOrder() const {
    std::vector<int> order;
    for (int p = 0; m_doc.GetTurnEnterprise(p) != -1; ++p) order.push_back(m_doc.GetTurnEnterprise(p));
    // A game whose turn order is not drawn yet takes the companies in index
    // order.
    if (order.empty())
        for (int c = 0; c < m_doc.CompanyCount(); ++c) order.push_back(c);
    return order;
}

// ---------------------------------------------------------------- stock sale

int CComCommand::DecideStockSale(int& stockCompany, int& quantity) {
    stockCompany = -1;
    quantity = 0;
    if (!IsUsable()) return 0;
    const int n = m_doc.CompanyCount();
    bool holdsAny = false;
    for (int c = 0; c < n; ++c) holdsAny = holdsAny || m_doc.GetStockHolding(c, m_companyIndex) > 0;
    if (!holdsAny) return 0;
    const int shortfall = m_company->CalcFundsShortfall(1);
    if (shortfall <= 0) return 0;

    double bestKey = 100000.0;
    for (int c = 0; c < n; ++c) {
        if (m_doc.GetStockHolding(c, m_companyIndex) <= 0) continue;
        int p = m_doc.GetStockPrice(c);
        // Selling its own stock back costs the company half its worth.
        if (c == m_companyIndex) p /= 2;
        const double key = (m_doc.GetShareRatio(c, m_companyIndex) + 0.01) * (Random(p) + 10);
        if (key < bestKey) {
            bestKey = key;
            stockCompany = c;
        }
    }
    if (stockCompany < 0) return 0;

    int64_t need = shortfall;
    const int income = m_company->GetAnnualIncome();
    if (income < Random(700)) need += (700 - int64_t{income}) / 10;
    // A stock without a price (nothing issued) cannot be sold.
    const int price = m_doc.GetStockPrice(stockCompany);
    if (price <= 0) {
        stockCompany = -1;
        return 0;
    }
    quantity = static_cast<int>(
        std::min<int64_t>(need / price, m_doc.GetStockHolding(stockCompany, m_companyIndex)));
    if (quantity <= 0) {
        quantity = 0;
        stockCompany = -1;
        return 0;
    }
    const int value = ClampToInt(int64_t{quantity} * price);
    return ClampToInt(int64_t{Random(value)} + value);
}

// ---------------------------------------------------------------- loan

int CComCommand::DecideLoanRepayment() {
    if (!IsUsable()) return 0;
    const int debt = m_company->GetDebt();
    if (debt <= 0 || m_company->HasPlanOfType(CCmdPacket::ePLAN_LOAN)) return 0;
    const int d = Ability(0);
    const int income = m_company->GetAnnualIncome();
    const int funds = m_company->GetFunds();
    if (Random(income) < std::max(900 - 8 * d, 200)) return 0;
    const int free = FundsLessPlans(0);
    if (Random(free) < 11) return 0;
    const int a = ClampToInt(int64_t{income} * 4 / 5);
    const int q = std::clamp(static_cast<int>(Pow0(a, 0.9) / 2.0) - d + 100, 50, 300);
    const int v = ClampToInt((int64_t{free} + 100) * q / 100);
    if (RandomVary(v, v) < 150) return 0;
    const int x = Random(std::min(a / 3, free));
    if (x < RandomVary(d / 2, d / 2)) return 0;
    return std::max(std::min({x, funds, debt}), 0);
}

// ---------------------------------------------------------------- contracts

int CComCommand::ChooseContractor(int area, int structureType, int price, int& score) {
    score = 0;
    const CBD* type = m_doc.GetMap().GetStructureType(structureType);
    if (!IsUsable() || !type || StructureCode::IsOfficeCode(type->GetTypeCode())) return -1;
    int best = -1;
    for (int c : TurnOrder()) {
        const CEnterprise* other = m_doc.GetEnterprise(c);
        if (c == m_companyIndex || !other || area < 0 || area >= other->GetAreaCount()) continue;
        if (other->GetAreaLevel(area) < 3) continue;
        if (other->GetFunds() < price / 2 - type->GetBasePrice()) continue;
        const double r = 100.0 * m_doc.GetShareRatio(c, m_companyIndex);
        const int64_t v = static_cast<int64_t>(r * r * 3.0) +
                          10 * int64_t{TruncToInt(Pow0(other->GetDirectorCount(), 1.8))} -
                          TruncToInt(Pow0(other->GetFunds(), 0.7));
        const int s = Random(ClampToInt(std::max<int64_t>(v, 0)));
        if (s > score) {
            score = s;
            best = c;
        }
    }
    return best;
}

int CComCommand::BidForContract(int area, CCellPoint cell, int structureType, int ceiling) {
    const CBD* type = m_doc.GetMap().GetStructureType(structureType);
    CMapData* record = m_doc.GetArea(area);
    if (!IsUsable() || !type || !record || !record->IsInGrid(cell.x, cell.y)) return 0;
    if (m_company->GetAreaLevel(area) < 3 || m_company->CountFreeDirectors() < 1) return 0;
    const int basePrice = type->GetBasePrice();
    const int e = m_company->GetAreaLevel(area) - 3;
    double p = 0, cap = 0;
    if (record->GetCellOwner(cell.x, cell.y) != 0) {
        p = 200.0 - Pow0(m_company->GetAnnualProfit(-1), 0.3) + 5 * e;
        cap = 70.0;
    } else {
        p = 130.0 - 10 * e - (2 * Ability(0)) / 10;
        cap = 30.0;
    }
    p -= m_company->GetBestFreeDirectorAbility(4) / 10;
    p += Pow0(m_company->GetFunds(), 0.3);
    p -= std::min(Pow0(basePrice, 0.5), cap);
    int bid = ClampToInt(TruncToInt64(basePrice * p / 100.0) + 20 * int64_t{type->GetPriceStep()});
    bid = RandomVary(bid, bid / 4);

    bool alone = true;
    for (int c = 0; c < m_doc.CompanyCount(); ++c) {
        const CEnterprise* other = m_doc.GetEnterprise(c);
        if (c == m_companyIndex || area >= other->GetAreaCount()) continue;
        if (other->GetAreaLevel(area) >= 3 && other->CountFreeDirectors() > 0) alone = false;
    }
    if (alone) return ceiling;
    return bid >= 1 && bid <= ceiling ? bid : 0;
}

// ---------------------------------------------------------------- lot offers

int CComCommand::ValueLotOffer(int area, CCellPoint cell, int askedPrice) {
    CMapData* record = m_doc.GetArea(area);
    if (!IsUsable() || !record || !record->IsInGrid(cell.x, cell.y)) return 0;
    int64_t spendable = FundsLessPlans(1);
    if (spendable < askedPrice) return 0;
    const int level = m_company->GetAreaLevel(area);
    const int d = Ability(0);
    const int lotPrice = m_doc.GetMap().GetLotPrice(area, cell.x, cell.y, 0);
    // A lot without a price cannot be traded; no value can be put on it.
    if (lotPrice < 1) return 0;

    double value = 0;
    if (m_doc.GetMap().HasStructureAt(area, cell.x, cell.y)) {
        if (level < 3) return 0;
        const double e = EstimateLotIncome(area, cell, 1);
        if (e <= 0) return 0;
        const int64_t worth = EstimateLotWorth(area, cell);
        value = static_cast<double>(worth) *
                (100 + (TruncToInt64(e * 10) / lotPrice - 10)) / 100;
    } else {
        const int vary = RandomVary(Ability(1), Ability(1)) * 9 / 140;
        const int depth = vary < 2 ? vary : 1;
        const int r = m_doc.GetMap().RateSite(area, cell.x, cell.y, depth, m_companyIndex, 1);
        value = lotPrice * (100 + (r / lotPrice) * 5.0) / 100;
    }
    const int v = TruncToInt(value);
    const int income = m_company->GetAnnualIncome();
    const double j = std::max(income, 50);
    const int64_t base = level < 3 ? int64_t{m_company->GetAnnualExpense()} + v : 0;
    if (level == 0 && v > Random(TruncToInt(2 * j / 3))) return 0;
    int64_t surcharge = 0;
    if (level < 3)
        surcharge = std::max<int64_t>(TruncToInt64(Pow0(static_cast<double>(base), 1.1) - j / 3) / 5, 0);
    const int64_t bonus =
        int64_t{(level > 0 ? level + 1 : 0) + 4} * TruncToInt(std::pow(j, 0.35)) / 7 * (d + 150) / 180;
    const int start = ClampToInt(int64_t{v} + bonus - surcharge + Random(10));
    int price = RandomVary(start, start / 2);
    if (price < askedPrice) {
        if (level == 0 || record->GetCellOwner(cell.x, cell.y) != 0) return 0;
        const int64_t room = (int64_t{d} + 40) * FundsLessPlans(0) / 5 / 80 + 8;
        price = ClampToInt(int64_t{askedPrice} + Random(ClampToInt(room)));
    }
    if (Random(ClampToInt(int64_t{m_company->CalcStandingScore()} + 1000)) < 1000)
        spendable -= m_company->GetDebt() / 10;
    price = static_cast<int>(std::min<int64_t>(price, spendable));
    return price < askedPrice ? 0 : price;
}

int64_t CComCommand::EstimateLotWorth(int area, CCellPoint cell) const {
    const CBD* type = m_doc.GetMap().GetCellStructureType(area, cell.x, cell.y, 0);
    int64_t worth = std::max(m_doc.GetMap().GetLotPrice(area, cell.x, cell.y, 1), 0);
    if (type)
        worth += type->GetBasePrice() +
                 int64_t{type->GetPriceStep()} * m_company->CalcIncomeAllowance();
    return worth;
}

// ---------------------------------------------------------------- growth

bool CComCommand::CanManageMoreAreas(int flag) {
    if (!IsUsable()) return false;
    const int income = m_company->GetAnnualIncome();
    if (income < 1) return false;
    const double v = std::sqrt(static_cast<double>(income)) / 12 + m_company->GetDirectorCount() / 5;
    const int w = TruncToInt(Ability(0) / 35.0 * v * 10);
    const int r = RandomVary(w, w / 3);
    if (flag) return r >= 10 * CountStrongAreas();
    return r >= 3 * m_company->SumAreaLevels(1);
}
