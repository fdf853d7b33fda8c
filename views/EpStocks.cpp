#include "views/EpStocks.h"

#include <algorithm>
#include <cstdio>

#include "game/VDoc.h"
#include "model/ColorTable.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/PictureStrips.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"
#include "views/InfoPage.h"
#include "views/OwnerRow.h"

namespace {

// Column edges of a table in character widths from its left.
constexpr int kAmountCells = 20;
constexpr int kRatioCells = 28;
constexpr int kTableCells = 40;

// a / t > b / u, exact for share counts of the int range.
bool HigherShare(const CEpStocks::SHolding& a, const CEpStocks::SHolding& b) {
    if (a.issued <= 0 || b.issued <= 0) return a.issued > 0 && b.issued <= 0;
    return a.amount * b.issued > b.amount * a.issued;
}

}  // namespace

std::vector<CEpStocks::SHolding> CEpStocks::Holders(CVDoc& doc, int c) {
    std::vector<SHolding> rows;
    const long long issued = doc.GetStockHolding(c, -1);
    for (int j = 0; j < doc.GetCompanyCount(); ++j) {
        const int amount = doc.GetStockHolding(c, j);
        if (amount > 0 && j != c) rows.push_back({j, amount, issued});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const SHolding& a, const SHolding& b) { return a.amount > b.amount; });
    const int own = doc.GetStockHolding(c, c);
    if (own > 0) rows.insert(rows.begin(), {c, own, issued});
    return rows;
}

std::vector<CEpStocks::SHolding> CEpStocks::Holdings(CVDoc& doc, int c) {
    std::vector<SHolding> rows;
    for (int i = 0; i < doc.GetCompanyCount(); ++i) {
        const int amount = doc.GetStockHolding(i, c);
        if (amount > 0 && i != c) rows.push_back({i, amount, doc.GetStockHolding(i, -1)});
    }
    std::stable_sort(rows.begin(), rows.end(), HigherShare);
    return rows;
}

std::string CEpStocks::RatioText(long long amount, long long issued) {
    if (issued <= 0) return std::string();
    char text[64];
    std::snprintf(text, sizeof text, "%lld.%lld", amount * 100 / issued,
                  amount * 1000 / issued % 10);
    return text;
}

std::vector<CEpStocks::SSegment> CEpStocks::BarSegments(CVDoc& doc, int c, int left, int width) {
    std::vector<SSegment> segments;
    const long long total = doc.GetStockHolding(c, -1);
    if (total <= 0 || width <= 0) return segments;
    const int right = left + width;
    auto edge = [&](long long shares) {
        return static_cast<int>(std::min<long long>(left + width * shares / total, right));
    };
    long long sum = 0;
    auto add = [&](int j) {
        const long long amount = doc.GetStockHolding(c, j);
        if (amount <= 0) return;
        segments.push_back({edge(sum), edge(sum + amount), j});
        sum += amount;
    };
    add(c);
    for (int j = 0; j < doc.GetCompanyCount(); ++j)
        if (j != c) add(j);
    return segments;
}


// ---------------------------------------------------------------- painting

void CEpStocks::DrawTable(CDC& dc, const CRect& box, const char* firstTitle,
                          const std::vector<SHolding>& rows, int ownCompany) {
    const CSize cell = InfoPage::LayoutCell();
    const CSize mark = OwnerRow::MarkCell();
    const int rowHeight = std::max(cell.cy, mark.cy);
    const int x0 = box.left;
    auto cells = [&](int top, const std::string& name, int nameLeft, const std::string& amount,
                     const std::string& ratio, int amountAlign) {
        const int bottom = top + rowHeight;
        DrawTextInRect(dc, name.c_str(), CRect(nameLeft, top, x0 + kAmountCells * cell.cx, bottom),
                       0, TRUE, 0, -1);
        DrawTextInRect(dc, amount.c_str(),
                       CRect(x0 + kAmountCells * cell.cx, top, x0 + kRatioCells * cell.cx, bottom),
                       amountAlign, TRUE, 0, -1);
        DrawTextInRect(dc, ratio.c_str(),
                       CRect(x0 + kRatioCells * cell.cx, top, x0 + kTableCells * cell.cx, bottom),
                       amountAlign, TRUE, 0, -1);
    };
    cells(box.top, firstTitle, x0, "Amount", "Ratio(%)", 1);
    for (size_t m = 0; m < rows.size(); ++m) {
        const int top = box.top + static_cast<int>(m + 1) * rowHeight;
        if (top >= box.bottom) break;
        const SHolding& row = rows[m];
        const std::string amount = std::to_string(row.amount);
        const std::string ratio = RatioText(row.amount, row.issued);
        if (row.company == ownCompany) {
            cells(top, "Own company", x0, amount, ratio, 2);
            continue;
        }
        const CEnterprise* company = OwnerRow::CompanyAt(row.company);
        OwnerRow::DrawCompanyMark(dc, x0 + mark.cx / 2, top + rowHeight / 2, company);
        cells(top, company ? company->GetName() : std::string(), x0 + mark.cx, amount, ratio, 2);
    }
}

void CEpStocks::DrawBar(CDC& dc, CVDoc& doc, int c, const CRect& box) {
    // The fills take the background colour that the tables' texts fill with.
    const COLORREF background = dc.GetBkColor();
    DrawBarParts(dc, doc, c, box);
    dc.SetBkColor(background);
}

void CEpStocks::DrawBarParts(CDC& dc, CVDoc& doc, int c, const CRect& box) {
    // A drop shadow, then the bar two pixels smaller.
    dc.FillSolidRect(CRect(box.left + 2, box.top + 2, box.right, box.bottom),
                     GetSysColor(COLOR_BTNSHADOW));
    const CRect bar(box.left, box.top, box.right - 2, box.bottom - 2);
    if (bar.IsRectEmpty()) return;
    int filled = bar.left;
    for (const SSegment& segment : BarSegments(doc, c, bar.left, bar.Width())) {
        const CEnterprise* company = doc.GetEnterprise(segment.company);
        const COLORREF colour = company ? GetColorTableEntry(company->GetColor()) : RGB(0, 0, 0);
        dc.FillSolidRect(CRect(segment.left, bar.top, segment.right, bar.bottom), colour);
        filled = std::max(filled, segment.right);
    }
    // Shares no company holds.
    if (filled < bar.right)
        dc.FillSolidRect(CRect(filled, bar.top, bar.right, bar.bottom), RGB(255, 255, 255));
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    dc.FillSolidRect(CRect(bar.left, bar.top, bar.right, bar.top + 1), light);
    dc.FillSolidRect(CRect(bar.left, bar.top, bar.left + 1, bar.bottom), light);
    dc.FillSolidRect(CRect(bar.left, bar.bottom, bar.right, bar.bottom + 1), dark);
    dc.FillSolidRect(CRect(bar.right, bar.top, bar.right + 1, bar.bottom), dark);
}

void CEpStocks::Draw(CDC& dc, int /*width*/, int height) const {
    const int c = InfoPage::ShownCompanyIndex(*this);
    const CEnterprise* company = InfoPage::ShownCompany(*this);
    CVDoc* doc = InfoPage::Document();
    if (!company || !doc) return;
    const CSize cell = InfoPage::LayoutCell();
    IBlockHost* host = IBlockHost::Get();
    if (CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr)
        strips->DrawCompanyTitle(dc, 0, 0, 24 * cell.cx, 2 * cell.cy, *company, TRUE);
    const int headingTop = 5 * cell.cy / 2;
    const int tableTop = 7 * cell.cy / 2;
    const int right = 41 * cell.cx;
    DrawTextInRect(dc, "Other stocks", CRect(0, headingTop, 40 * cell.cx, headingTop + cell.cy), 1,
                   TRUE, 0, -1);
    DrawTable(dc, CRect(0, tableTop, 40 * cell.cx, height), "Company Name", Holdings(*doc, c), -1);
    char title[128];
    std::snprintf(title, sizeof title, "Purchased stocks(Total:%d Price:%d)",
                  doc->GetStockHolding(c, -1), doc->GetStockPrice(c));
    DrawTextInRect(dc, title, CRect(right, headingTop, 81 * cell.cx, headingTop + cell.cy), 1,
                   TRUE, 0, -1);
    DrawBar(dc, *doc, c, CRect(right, cell.cy / 4, 80 * cell.cx, 2 * cell.cy));
    DrawTable(dc, CRect(right, tableTop, 81 * cell.cx, height), "Name", Holders(*doc, c), c);
}
