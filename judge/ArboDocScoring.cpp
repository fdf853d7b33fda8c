// The judgment: every company ranked on every page, bonus points for the
// first three, the director ranking, the yearly first places, the area
// contributions, the totals and the final ranking.

#include <algorithm>
#include <array>
#include <cstdlib>
#include <new>
#include <numeric>
#include <stdexcept>

#include "judge/ArboDoc.h"
#include "judge/JudgeView.h"
#include "judge/Saturate.h"
#include "model/MapData.h"

namespace judge {

namespace {

// Bonus points of ranks 0, 1 and 2 by page.
constexpr std::array<std::array<int, 3>, CEnterprise::kPageCount> kBonus = {{
    {10, 5, 2}, {0, 0, 0},  {20, 8, 3}, {30, 12, 5}, {30, 12, 5}, {5, 2, 1},  {10, 4, 2},
    {0, 0, 0},  {10, 4, 2}, {10, 4, 2}, {10, 4, 2},  {10, 4, 2},  {10, 4, 2}, {10, 4, 2},
    {10, 4, 2}, {10, 4, 2}, {10, 4, 2}, {10, 4, 2},  {30, 15, 6},
}};
constexpr int kHomeAreaBonus = 50;
constexpr int kNoBusinessYear = -10000;
constexpr int kDirectorPointsStep = 5;
constexpr int kBestDirectorPoints = 25;

// Largest value first; equal values keep the company order. Equal values
// share the rank of the first of their run, the next value takes its
// position.
void RankByValue(const std::vector<int>& values, std::vector<int>& order, std::vector<int>& ranks) {
    order.resize(values.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return values[static_cast<size_t>(a)] > values[static_cast<size_t>(b)];
    });
    ranks.assign(values.size(), 0);
    for (size_t k = 0; k < order.size(); ++k) {
        size_t c = static_cast<size_t>(order[k]);
        bool sameRun = k > 0 && values[c] == values[static_cast<size_t>(order[k - 1])];
        ranks[c] = sameRun ? ranks[static_cast<size_t>(order[k - 1])] : static_cast<int>(k);
    }
}

}  // namespace

int CArboDoc::GetTotal(int company) const {
    if (company < 0 || company >= static_cast<int>(m_totals.size())) return 0;
    return m_totals[static_cast<size_t>(company)];
}

int CArboDoc::GetBestTotal() const {
    return m_order.empty() ? 0 : GetTotal(m_order.front());
}

int CArboDoc::PrepareJudgment() {
    try {
        const size_t n = m_companies.size();
        m_totals.assign(n, 0);
        m_order.assign(n, 0);
        for (CEnterprise& company : m_companies) {
            company.RankHistory().assign(static_cast<size_t>(GetStepTotal()), 0);
            company.PointsHistory().assign(static_cast<size_t>(GetStepTotal()), 0);
        }
        m_page = 0;
        m_currentArea = 0;
        m_stepCounter = 0;
        m_finalRanked = false;
        if (m_view && !m_view->CreatePanes()) return 0;
        if (!CountTopAnnualRanks()) return 0;
        return ComputeAreaContribution();
    } catch (const std::bad_alloc&) {
        return 0;
    } catch (const std::length_error&) {
        return 0;
    }
}

int CArboDoc::CountTopAnnualRanks() {
    const size_t years = static_cast<size_t>(std::max(m_playYears, 0));
    for (CEnterprise& company : m_companies)
        for (int measure = 0; measure < 2; ++measure) company.YearRanks(measure).assign(years, 0);
    std::vector<int> values(m_companies.size()), order, ranks;
    for (int measure = 0; measure < 2; ++measure)
        for (size_t y = 0; y < years; ++y) {
            for (size_t c = 0; c < m_companies.size(); ++c) {
                const ::CEnterprise& record = m_companies[c].Record();
                // A year missing from the lists counts as 0.
                int proceeds = record.GetAnnualSales(static_cast<int>(y));
                int profits = record.GetAnnualProfit(static_cast<int>(y));
                values[c] = proceeds == 0 && profits == 0 ? kNoBusinessYear
                            : measure == 0                ? proceeds
                                                          : profits;
            }
            RankByValue(values, order, ranks);
            for (size_t c = 0; c < m_companies.size(); ++c) {
                m_companies[c].YearRanks(measure)[y] = ranks[c];
                if (ranks[c] == 0) m_companies[c].AddYearFirst(measure);
            }
        }
    return 1;
}

int CArboDoc::ComputeAreaContribution() {
    const int areas = m_map.GetAreaCount();
    const int n = GetCompanyCount();
    std::vector<int64_t> sums(static_cast<size_t>(n) * static_cast<size_t>(areas), 0);
    auto sum = [&](int c, int a) -> int64_t& {
        return sums[static_cast<size_t>(c) * static_cast<size_t>(areas) + static_cast<size_t>(a)];
    };
    const ::CMapDoc& map = m_map.Map();
    for (int a = 0; a < areas; ++a) {
        const CMapData& area = map.GetArea(a);
        for (int y = 0; y < area.GetHeight(); ++y)
            for (int x = 0; x < area.GetWidth(); ++x) {
                int owner = area.GetCellOwner(x, y);
                // A structure counts once, at its anchor, with all its land.
                if (owner <= 0 || owner > n || !map.IsAnchorCell(a, x, y)) continue;
                sum(owner - 1, a) += m_map.GetLotPrice(a, x, y, 0);
            }
    }
    for (int c = 0; c < n; ++c) {
        CEnterprise& company = m_companies[static_cast<size_t>(c)];
        company.Contribution().assign(static_cast<size_t>(areas), 0);
        for (int a = 0; a < areas; ++a) {
            const CEpMapData& record = company.Record().GetAreaRecord(a + 1);
            int64_t value = sum(c, a);
            value += 2 * (int64_t{record.GetInvestment(0)} + record.GetRating(0) +
                          record.GetMonthFigure(0));
            value += 300 * int64_t{record.GetContracts()};
            int64_t q = record.GetContribution() / 5;
            if (q > 0) value -= q;
            value += 100 * int64_t{record.GetEffect(2)};
            company.Contribution()[static_cast<size_t>(a)] = Saturate(std::max<int64_t>(value, 0));
        }
    }
    return 1;
}

int CArboDoc::DirectorPoints(int place) {
    return kBestDirectorPoints - kDirectorPointsStep * place;
}

std::vector<int> CArboDoc::SharedPlaces(const std::vector<int>& scores) {
    std::vector<int> places(scores.size());
    for (size_t k = 0; k < scores.size(); ++k) {
        places[k] = k > 0 && scores[k] == scores[k - 1] ? places[k - 1] : static_cast<int>(k);
    }
    return places;
}

void CArboDoc::ComputeDirectorPoints() {
    m_topDirectors.clear();
    std::vector<int> scores;
    for (int i = 0; i < GetPersonCount(); ++i) {
        const CPersonData& person = m_persons[static_cast<size_t>(i)];
        if (!person.Record().IsEmployed(false) || person.Record().GetPresidentFlag()) continue;
        int score = person.GetJudgeAbility(-1, false);
        auto place = std::find_if(scores.begin(), scores.end(), [&](int s) { return s < score; });
        size_t at = static_cast<size_t>(place - scores.begin());
        if (at >= static_cast<size_t>(kMaxDirectors)) continue;
        scores.insert(place, score);
        m_topDirectors.insert(m_topDirectors.begin() + static_cast<std::ptrdiff_t>(at), i);
        if (scores.size() > static_cast<size_t>(kMaxDirectors)) {
            scores.pop_back();
            m_topDirectors.pop_back();
        }
    }
    for (CEnterprise& company : m_companies) company.SetDirectorPoints(0);
    const std::vector<int> places = SharedPlaces(scores);
    for (size_t k = 0; k < m_topDirectors.size(); ++k) {
        const int earned = DirectorPoints(places[k]);
        const CPersonData& person = m_persons[static_cast<size_t>(m_topDirectors[k])];
        // An employer number that names no company gives its points to none.
        if (CEnterprise* company = GetCompany(person.GetEmployerIndex(*this)))
            company->AddDirectorPoints(earned);
    }
}

void CArboDoc::RankCompanies(int useTotals) {
    const size_t n = m_companies.size();
    std::vector<int> values(n), ranks;
    for (size_t c = 0; c < n; ++c)
        values[c] =
            useTotals ? GetTotal(static_cast<int>(c)) : m_companies[c].GetJudgeValue(m_page, 1);
    m_barScale = 0;
    for (int v : values)
        if (std::llabs(v) > std::llabs(m_barScale)) m_barScale = v;
    RankByValue(values, m_order, ranks);
    for (size_t c = 0; c < n; ++c) m_companies[c].SetRank(ranks[c]);
    if (useTotals) return;
    const size_t step = static_cast<size_t>(m_stepCounter);
    std::vector<int> points(n);
    for (size_t c = 0; c < n; ++c) {
        CEnterprise& company = m_companies[c];
        if (ranks[c] == 0 && values[c] > 0) company.AddFirst();
        points[c] =
            Saturate(int64_t{GetBonusPoints(static_cast<int>(c))} + company.GetJudgePoints(m_page));
        if (step < company.RankHistory().size()) {
            company.RankHistory()[step] = ranks[c];
            company.PointsHistory()[step] = points[c];
        }
    }
    for (size_t c = 0; c < n; ++c) m_totals[c] = Saturate(int64_t{m_totals[c]} + points[c]);
    ++m_stepCounter;
}

int CArboDoc::GetBonusPoints(int company) const {
    const CEnterprise* c = GetCompany(company);
    if (!c || m_page < 0 || m_page >= CEnterprise::kPageCount) return 0;
    int rank = c->GetRank();
    if (rank < 0 || rank >= 3 || c->GetJudgeValue(m_page, 1) == 0) return 0;
    if (m_page == CEnterprise::kAreaPage && rank == 0 && c->Record().GetHomeArea() == m_currentArea)
        return kHomeAreaBonus;
    return kBonus[static_cast<size_t>(m_page)][static_cast<size_t>(rank)];
}

bool CArboDoc::RunNextStep() {
    if (m_stepCounter < GetStepTotal()) {
        m_page = std::min(m_stepCounter, static_cast<int>(CEnterprise::kAreaPage));
        m_currentArea = std::max(m_stepCounter - kFixedSteps, 0);
        if (m_page == CEnterprise::kDirectorPage) ComputeDirectorPoints();
        RankCompanies(0);
        return true;
    }
    if (!m_finalRanked) {
        RankCompanies(1);
        m_finalRanked = true;
    }
    return false;
}

}  // namespace judge
