#include "views/SubordinateListWnd.h"

#include <algorithm>

#include "game/VDoc.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/PersonData.h"
#include "platform/gfx/DC.h"
#include "views/InfoPage.h"
#include "views/OwnerRow.h"

namespace {

constexpr int kFirstAbilityColumn = 1;
constexpr int kSalaryColumn = 6;
constexpr int kMotivationColumn = 7;
constexpr int kWorkColumn = 8;
constexpr int kAreaColumn = 9;

}  // namespace

int CSubordinateListWnd::Value(const CPersonData& director, int column, int company) {
    if (column >= kFirstAbilityColumn && column < kSalaryColumn)
        return director.GetAbility(column - kFirstAbilityColumn, false);
    switch (column) {
        case kSalaryColumn: return director.GetSalary();
        case kMotivationColumn: return director.GetRelationLevel(company);
        case kWorkColumn: return director.GetTaskKind();
        case kAreaColumn: return director.GetTaskArea();
        default: return 0;
    }
}

std::string CSubordinateListWnd::CellText(const CPersonData& director, int column, int company) {
    if (column == 0) return director.GetName();
    if (column >= kFirstAbilityColumn && column < kSalaryColumn)
        return OwnerRow::Format("%d", Value(director, column, company) / 10);
    if (column == kWorkColumn) return CPersonData::GetTaskName(director.GetTaskKind());
    if (column == kAreaColumn) {
        // Empty without a task, for a task without an area or for all areas.
        CVDoc* doc = InfoPage::Document();
        const int area = director.GetTaskArea();
        return director.HasTask() && area >= 0 && doc ? doc->GetAreaName(area) : std::string();
    }
    return OwnerRow::Format("%d", Value(director, column, company));
}

const CPersonData* CSubordinateListWnd::Director(int position) const {
    const CEnterprise* company = OwnerRow::CompanyAt(m_company);
    return company ? company->GetDirector(position) : nullptr;
}

int CSubordinateListWnd::GetItemCount() const {
    const CEnterprise* company = OwnerRow::CompanyAt(m_company);
    return company ? company->GetDirectorCount() : 0;
}

int CSubordinateListWnd::GetRowHeight() const {
    return InfoPage::LayoutCell().cy;
}

int CSubordinateListWnd::Compare(int column, int a, int b) const {
    const CPersonData* first = Director(a);
    const CPersonData* second = Director(b);
    if (!first || !second) return 0;
    if (column == 1) return CompareNames(first->GetName(), second->GetName());
    return CompareNumbers(Value(*first, column - 1, m_company),
                          Value(*second, column - 1, m_company));
}

void CSubordinateListWnd::DrawRow(CDC& dc, int item, const CRect& band,
                                  const std::vector<int>& widths) const {
    const CPersonData* director = Director(item);
    if (!director || widths.size() < kColumns) return;
    int x = band.left;
    for (int column = 0; column < kColumns; ++column) {
        const int width = widths[static_cast<size_t>(column)];
        // Every column but the last keeps a little gap before the next, so
        // that a cut task name does not run into its area.
        const bool gap = column < kAreaColumn;
        const CRect cell(x, band.top, x + (gap ? std::max(0, width - 4) : width), band.bottom);
        const int align = column == 0 || column >= kWorkColumn ? 0 : 2;
        DrawTextInRect(dc, CellText(*director, column, m_company).c_str(), cell, align, TRUE, 0, -1);
        x += width;
    }
}
