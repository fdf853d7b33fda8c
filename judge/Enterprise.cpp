#include "judge/Enterprise.h"

#include "judge/ArboDoc.h"
#include "judge/Saturate.h"

namespace judge {

namespace {
constexpr int kChampionPage = 10;
constexpr int kAttendancePage = 13;
}  // namespace

int CEnterprise::Bind(CArboDoc* doc, int number, int areaCount) {
    m_doc = doc;
    return m_record.Init(number, areaCount);
}

void CEnterprise::AddDirectorPoints(int points) {
    m_directorPoints = Saturate(int64_t{m_directorPoints} + points);
}

bool CEnterprise::IsActive() const {
    return m_doc && m_doc->GetHumanPlayers() != 0 && m_record.GetPresidentNumber() == 0;
}

// Hundredths of a per cent: 0 for a morale of -100 every month, 10000 for
// +100.
int CEnterprise::AverageLoyalty() const {
    int64_t months = int64_t{m_doc ? m_doc->GetPlayYears() : 0} * 12;
    if (months <= 0) return 5000;
    return Saturate(int64_t{m_record.GetMoraleTotal()} * 100 / months / 2 + 5000);
}

int64_t CEnterprise::StockValue() const {
    if (!m_doc) return 0;
    int64_t sum = 0;
    for (int i = 0; i < m_doc->GetCompanyCount(); ++i)
        sum += int64_t{m_doc->GetCompany(i)->Record().GetYearEndStockPrice()} *
               m_doc->GetStockHolding(i, GetNumber());
    return sum;
}

int CEnterprise::GetJudgeValue(int page, int negate) const {
    const int sign = negate ? -1 : 1;
    switch (page) {
        case 0:
            return m_record.GetFunds();
        case 1:
            return sign * m_record.GetDebt();
        case 2:
            return m_record.GetEmployees();
        case 3:
            return AverageLoyalty();
        case 4:
            return m_record.CountAreasAtLevel(1);
        case 5:
            return Saturate(int64_t{m_record.GetAreaLand(-1)} + m_record.GetAreaBuildings(-1));
        case 6:
            return Saturate(StockValue());
        case 7:
            return sign * m_record.GetStrikeCount();
        case 8:
            return m_record.GetAreaGrade(-1);
        case kDirectorPage:
            return m_directorPoints;
        case 10:
        case 11:
        case 12:
            return m_record.GetChampionships(page - kChampionPage);
        case 13:
        case 14:
        case 15:
            return m_record.GetAttendance(page - kAttendancePage) / 10;
        case 16:
            return m_yearsFirst[0];
        case 17:
            return m_yearsFirst[1];
        case kAreaPage: {
            int area = m_doc ? m_doc->GetCurrentArea() : -1;
            if (area < 0 || area >= static_cast<int>(m_contribution.size())) return 0;
            return m_contribution[static_cast<size_t>(area)];
        }
        default:
            return 0;
    }
}

int CEnterprise::GetJudgePoints(int page) const {
    const int64_t value = GetJudgeValue(page, 0);
    switch (page) {
        case 0:
        case 2:
        case 6:
        case kAreaPage:
            return Saturate(value / 100);
        case 1:
            return Saturate(value / -20);
        case 3:
            return Saturate((value * 4 - 20000) / 100);
        case 4:
        case 10:
        case 11:
        case 12:
            return Saturate(value * 10);
        case 5:
        case kDirectorPage:
            return Saturate(value);
        case 7:
            return Saturate(value * -20);
        case 8:
            return Saturate((value - 100) / 10);
        case 13:
        case 14:
        case 15:
            return m_record.GetAttendance(page - kAttendancePage) / 100;
        case 16:
            return Saturate(value * 5);
        case 17:
            return Saturate(value * 3);
        default:
            return 0;
    }
}

}  // namespace judge
