#include "views/EpListInfo.h"

#include <array>

#include "game/VDoc.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "platform/ui/ControlMessages.h"
#include "views/InfoDrawFrameWnd.h"
#include "views/InfoPage.h"
#include "views/OwnerRow.h"

namespace {

constexpr std::array<CSortedTablePage::SColumn, CEpListInfoWnd::kColumns> kColumns = {{
    {"Company Name", 14, HDF_LEFT},
    {"Funds", 6, HDF_RIGHT},
    {"Debt", 6, HDF_RIGHT},
    {"Inactive Employees", 6, HDF_RIGHT},
    {"Salary", 6, HDF_RIGHT},
    {"Advertising Cost", 6, HDF_RIGHT},
    {"Head Office", 16, HDF_LEFT},
}};

constexpr CSortedTablePage::SArrangementFields kFields = {
    &CEnterprise::GetListSortColumn,        &CEnterprise::SetListSortColumn,
    &CEnterprise::GetListSortDirection,     &CEnterprise::ReverseListSortDirection,
    &CEnterprise::GetListColumnWidth,       &CEnterprise::SetListColumnWidth,
};

}  // namespace

CEpListInfo::CEpListInfo()
    : CSortedTablePage(kColumns, {kHeaderId, kBodyId, kScrollBarId}, kFields, m_body) {}

void CEpListInfo::Refresh() {
    const int viewing = GetViewingIndex();
    CVDoc* doc = InfoPage::Document();
    if (viewing < 0 || !doc) return;
    if (viewing >= doc->GetCompanyCount()) {
        if (auto* frame = dynamic_cast<CInfoDrawFrameWnd*>(GetParent())) frame->SetCompany(0);
        return;
    }
    CSortedTablePage::Refresh();
}

int CEpListInfo::DefaultWidthUnit() const {
    return InfoPage::LayoutCell().cx;
}

int CEpListInfo::HeaderTopFor(CSize layout) const {
    return 3 * layout.cy / 2;
}

bool CEpListInfo::TakesWheel() const {
    return InfoPage::ShownCompanyIndex(*this) == 0;
}

void CEpListInfo::DrawTitle(CDC& dc, int width) const {
    const CSize cell = InfoPage::LayoutCell();
    const std::string title =
        OwnerRow::Format("Participating Companies:%d", m_body.GetItemCount());
    const CRect strip(0, 0, TitleRight(width), cell.cy);
    DrawTextInRect(dc, title.c_str(), strip, 0, TRUE, 0, -1);
}
