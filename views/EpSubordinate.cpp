#include "views/EpSubordinate.h"

#include <array>

#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/PictureStrips.h"
#include "platform/ui/ControlMessages.h"
#include "views/BlockHost.h"
#include "views/InfoPage.h"
#include "views/OwnerRow.h"

namespace {

constexpr std::array<CSortedTablePage::SColumn, CSubordinateListWnd::kColumns> kColumns = {{
    {"Name", 14, HDF_LEFT},
    {"Directing", 5, HDF_RIGHT},
    {"Analysis", 5, HDF_RIGHT},
    {"Negotiation", 5, HDF_RIGHT},
    {"Advertising", 5, HDF_RIGHT},
    {"Construction", 5, HDF_RIGHT},
    {"Salary", 5, HDF_RIGHT},
    {"Motivation", 5, HDF_LEFT},
    {"Work", 9, HDF_LEFT},
    {"Area", 10, HDF_LEFT},
}};

constexpr CSortedTablePage::SArrangementFields kFields = {
    &CEnterprise::GetStaffSortColumn,       &CEnterprise::SetStaffSortColumn,
    &CEnterprise::GetStaffSortDirection,    &CEnterprise::ReverseStaffSortDirection,
    &CEnterprise::GetStaffColumnWidth,      &CEnterprise::SetStaffColumnWidth,
};

}  // namespace

CEpSubordinate::CEpSubordinate()
    : CSortedTablePage(kColumns, {kHeaderId, kBodyId, kScrollBarId}, kFields, m_body) {}

int CEpSubordinate::ActiveCount(const CEnterprise& company) {
    return company.GetDirectorCount() - company.CountFreeDirectors();
}

int CEpSubordinate::DefaultWidthUnit() const {
    return CaptionWidth();
}

int CEpSubordinate::HeaderTopFor(CSize layout) const {
    return 5 * layout.cy / 2;
}

bool CEpSubordinate::CanLayout() const {
    return InfoPage::ShownCompanyIndex(*this) >= 0;
}

bool CEpSubordinate::TakesWheel() const {
    return InfoPage::ShownCompanyIndex(*this) >= 0;
}

void CEpSubordinate::SortBody() {
    const int shown = InfoPage::ShownCompanyIndex(*this);
    if (shown < 0) return;
    m_body.SetShownCompany(shown);
    CSortedTablePage::SortBody();
}

void CEpSubordinate::DrawTitle(CDC& dc, int /*width*/) const {
    const CEnterprise* company = InfoPage::ShownCompany(*this);
    if (!company) return;
    const CSize cell = InfoPage::LayoutCell();
    IBlockHost* host = IBlockHost::Get();
    if (CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr)
        strips->DrawCompanyTitle(dc, 0, 0, 24 * cell.cx, 2 * cell.cy, *company, TRUE);
    const int directors = company->GetDirectorCount();
    const struct {
        const char* label;
        int value;
    } counts[] = {{"Total:", directors}, {"Active:", ActiveCount(*company)}};
    for (int row = 0; row < 2; ++row) {
        const CRect label(25 * cell.cx, row * cell.cy, 38 * cell.cx, (row + 1) * cell.cy);
        const CRect value(38 * cell.cx, row * cell.cy, 43 * cell.cx, (row + 1) * cell.cy);
        DrawTextInRect(dc, counts[row].label, label, 2, TRUE, 0, -1);
        DrawTextInRect(dc, OwnerRow::Format("%d", counts[row].value).c_str(), value, 2, TRUE, 0,
                       -1);
    }
}
