#include "views/EpListInfoWnd.h"

#include <algorithm>

#include "game/VDoc.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "platform/gfx/DC.h"
#include "views/InfoPage.h"
#include "views/OwnerRow.h"

int CEpListInfoWnd::Value(const CEnterprise& company, int column) {
    switch (column) {
        case 1: return company.GetFunds();
        case 2: return company.GetDebt();
        case 3: return company.GetEmployeesAtWork();
        case 4: return company.GetMonthlyPayroll(1, 0);
        case 5: return company.GetAdvertisingBudget();
        case kHeadOfficeColumn: return company.GetHomeArea();
        default: return 0;
    }
}

std::string CEpListInfoWnd::CellText(const CEnterprise& company, int column) {
    if (column == 0) return company.GetName();
    if (column != kHeadOfficeColumn) return OwnerRow::Format("%d", Value(company, column));
    const int home = company.GetHomeArea();
    CVDoc* doc = InfoPage::Document();
    if (home < 0 || !doc) return "None";
    return doc->GetAreaName(home);
}

int CEpListInfoWnd::GetItemCount() const {
    CVDoc* doc = InfoPage::Document();
    return doc ? doc->GetCompanyCount() : 0;
}

int CEpListInfoWnd::GetRowHeight() const {
    return std::max(OwnerRow::MarkCell().cy, InfoPage::LayoutCell().cy);
}

int CEpListInfoWnd::Compare(int column, int a, int b) const {
    const CEnterprise* first = OwnerRow::CompanyAt(a);
    const CEnterprise* second = OwnerRow::CompanyAt(b);
    if (!first || !second) return 0;
    if (column == 1) return CompareNames(first->GetName(), second->GetName());
    // The columns are shifted by one: sort column 2 is the funds.
    return CompareNumbers(Value(*first, column - 1), Value(*second, column - 1));
}

void CEpListInfoWnd::DrawRow(CDC& dc, int item, const CRect& band,
                             const std::vector<int>& widths) const {
    const CEnterprise* company = OwnerRow::CompanyAt(item);
    if (!company || widths.size() < kColumns) return;
    const int markWidth = OwnerRow::MarkCell().cx;
    OwnerRow::DrawCompanyMark(dc, band.left + markWidth / 2, band.CenterPoint().y, company);
    const CRect name(band.left + markWidth, band.top, band.left + widths[0], band.bottom);
    DrawTextInRect(dc, company->GetName().c_str(), name, 0, TRUE, 0, -1);
    int x = band.left + widths[0];
    for (int column = 1; column < kHeadOfficeColumn; ++column) {
        const int width = widths[static_cast<size_t>(column)];
        const CRect cell(x, band.top, x + std::max(0, width - 4), band.bottom);
        DrawTextInRect(dc, CellText(*company, column).c_str(), cell, 2, TRUE, 0, -1);
        x += width;
    }
    const CRect office(x, band.top, x + widths[kHeadOfficeColumn], band.bottom);
    DrawTextInRect(dc, CellText(*company, kHeadOfficeColumn).c_str(), office, 0, TRUE, 0, -1);
}
