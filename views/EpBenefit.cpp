#include "views/EpBenefit.h"

#include <algorithm>
#include <string>

#include "game/VDoc.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/PictureStrips.h"
#include "platform/gfx/DC.h"
#include "platform/ui/PaintDC.h"
#include "views/BlockHost.h"
#include "views/InfoPage.h"
#include "views/OwnerRow.h"

namespace {

// The title's box and the columns of the annual figures, in cells.
constexpr int kTitleCells = 24;
constexpr int kFiguresRight = 52;

// Text aligned in a rectangle with the background filled (style 0).
void Cell(CDC& dc, const std::string& text, const CRect& rect, int align) {
    DrawTextInRect(dc, text.c_str(), rect, align, TRUE, 0, -1);
}

}  // namespace

CEpBenefit::SMetrics CEpBenefit::Measure(CDC& dc) {
    SMetrics m;
    m.cell = InfoPage::LayoutCell();
    m.labelWidth = dc.GetTextExtent("WWWWWW").cx;
    const CSize month = dc.GetTextExtent("12345");
    // A font that measures nothing still gives every month a column.
    m.monthWidth = std::max(month.cx, 1);
    m.textHeight = month.cy;
    IBlockHost* host = IBlockHost::Get();
    CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr;
    const int markHeight = strips ? strips->GetIconCellSize().cy : 0;
    m.markerRow = std::max(m.textHeight, markHeight);
    return m;
}

CEpBenefit::STable CEpBenefit::Layout(int clientWidth, const SMetrics& metrics) {
    STable table;
    table.perBlock = std::max((clientWidth - metrics.labelWidth) / metrics.monthWidth, 1);
    table.blocks = (table.perBlock + kMonths - 1) / table.perBlock;
    table.firstTop = static_cast<int>(2.5 * metrics.cell.cy);
    table.blockStep = static_cast<int>(2.5 * metrics.textHeight + metrics.markerRow);
    return table;
}

int CEpBenefit::MarkerColour(int month, int currentMonth) {
    return currentMonth >= month ? -1 : -2;
}

void CEpBenefit::Refresh() {
    if (InfoPage::ShownCompanyIndex(*this) >= 0 && IsWindow()) Invalidate(FALSE);
}

void CEpBenefit::Draw(CDC& dc, int width) const {
    const CEnterprise* company = InfoPage::ShownCompany(*this);
    CVDoc* doc = InfoPage::Document();
    IBlockHost* host = IBlockHost::Get();
    CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr;
    if (!company || !doc) return;
    const SMetrics m = Measure(dc);
    const int cw = m.cell.cx;
    const int ch = m.cell.cy;

    if (strips) strips->DrawCompanyTitle(dc, 0, 0, kTitleCells * cw, 2 * ch, *company, TRUE);
    const CRect sales(kTitleCells * cw, 0, kFiguresRight * cw, ch);
    DrawColoredText(dc, OwnerRow::Format("Past Annual Sales : %d", company->GetAnnualSales(-1)),
                    sales, sales.TopLeft(), 0, FALSE, 0, -1);
    Cell(dc, OwnerRow::Format("Past Annual Profit : %d", company->GetAnnualProfit(-1)),
         CRect(kTitleCells * cw, ch, kFiguresRight * cw, 2 * ch), 0);
    Cell(dc, OwnerRow::Format("Estimated Taxes : %d", company->CalcEstimatedTax(1)),
         CRect(kFiguresRight * cw, 0, width, ch), 0);

    const STable table = Layout(width, m);
    const int salesRow = m.markerRow;
    const int profitRow = m.markerRow + m.textHeight;
    for (int month = 0; month < kMonths; ++month) {
        const int top = table.BlockTop(month);
        if (month % table.perBlock == 0) {
            // The labels keep half a cell from the first month's figures.
            const int labelRight = m.labelWidth - cw / 2;
            Cell(dc, "Month", CRect(0, top, labelRight, top + ch), 2);
            Cell(dc, "Sales", CRect(0, top + salesRow, labelRight, top + salesRow + ch), 2);
            Cell(dc, "Profit", CRect(0, top + profitRow, labelRight, top + profitRow + ch), 2);
        }
        const int left = table.ColumnLeft(month, m);
        const int right = left + m.monthWidth;
        if (strips)
            strips->DrawColorMark(dc, left + m.monthWidth / 2, top + ch / 2,
                                  MarkerColour(month, doc->GetMonth()), TRUE);
        DrawTextInRect(dc, OwnerRow::Format("%d", month + 1).c_str(),
                       CRect(left, top, right, top + ch), 1, FALSE, 0, -1);
        Cell(dc, OwnerRow::Format("%d", company->GetMonthlySales(month)),
             CRect(left, top + salesRow, right, top + salesRow + ch), 1);
        Cell(dc, OwnerRow::Format("%d", company->GetMonthlyProfit(month)),
             CRect(left, top + profitRow, right, top + profitRow + ch), 1);
    }
}

void CEpBenefit::OnSize(UINT type, int cx, int cy) {
    CInfoBasePageWnd::OnSize(type, cx, cy);
    Invalidate(TRUE);
}

void CEpBenefit::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    InfoPage::PaintOffScreen(dc, client.Width(), client.Height(),
                             [this, &client](CDC& page) { Draw(page, client.Width()); });
}

BOOL CEpBenefit::OnEraseBkgnd(CDC* /*dc*/) {
    // The off-screen picture covers every pixel.
    return TRUE;
}
