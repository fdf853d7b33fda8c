#include "views/BalonWnd.h"

#include <algorithm>
#include <cmath>

#include "game/VDoc.h"
#include "model/AppFonts.h"
#include "model/BD.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/PaletteScope.h"
#include "model/PictureStrips.h"
#include "model/ProTeam.h"
#include "model/Saturate.h"
#include "platform/core/TextFormat.h"
#include "platform/gfx/DC.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"
#include "views/MapDrawWnd.h"

namespace {

// The labels in the order of their table: a cell without building uses the
// first two, a building without owner the first four, an owned one the
// first seven.
constexpr const char* kOwnerLabel = "Owner:";
constexpr const char* kLandLabel = "Topography:";
constexpr const char* kBuildingLabel = "Building:";
constexpr const char* kLifeSpanLabel = "Life Span:";
constexpr const char* kSalesLabel = "Sales:";
constexpr const char* kExpensesLabel = "Total Expenses(Payroll Costs):";
constexpr const char* kProfitLabel = "Profit:";
constexpr const char* kPriceLabel = "Standard price:";
constexpr const char* kTableLabels[] = {kOwnerLabel, kLandLabel,     kBuildingLabel, kLifeSpanLabel,
                                        kSalesLabel, kExpensesLabel, kProfitLabel};
constexpr int kLabelCount[] = {2, 4, 7};
constexpr const char* kNoOwner = "None";
constexpr const char* kExpoLine = "Exposition's planned site.";
constexpr const char* kTeamLabel = "Team:";
// Twelve months of pay.
constexpr int kYearOfPay = -1;

CAppFonts* Fonts() {
    IBlockHost* host = IBlockHost::Get();
    return host ? host->GetAppFonts() : nullptr;
}

}  // namespace

// The context the widths are measured on: Widen makes a width hold a text.
struct CBalonWnd::SMeasure {
    CDC& dc;
    int Width(const std::string& text) const { return static_cast<int>(dc.GetTextExtent(text).cx); }
    void Widen(const std::string& text, int& width) const { width = std::max(width, Width(text)); }
};

CSize CBalonWnd::LayoutSize() {
    CAppFonts* fonts = Fonts();
    return fonts ? fonts->GetLayoutSize() : CSize(0, 0);
}

CSize CBalonWnd::MarkCell() {
    IBlockHost* host = IBlockHost::Get();
    CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr;
    return strips ? strips->GetIconCellSize() : CSize(0, 0);
}

void CBalonWnd::Clear() {
    m_labelWidth = m_valueWidth = 0;
    m_kind = m_usable = m_expoSite = 0;
    m_ownerColor = -1;
    for (std::string* text : {&m_ownerText, &m_landText, &m_buildingText, &m_priceText,
                              &m_salesText, &m_expensesText, &m_profitText, &m_lifeSpanText})
        text->clear();
    m_teamLeagues.clear();
    m_teamIndexes.clear();
    m_teamNames.clear();
    m_teamColours.clear();
}

CSize CBalonWnd::Prepare(int area, int x, int y) {
    Clear();
    if (!m_doc || area < 0 || area >= m_doc->GetMap().GetAreaCount() ||
        !m_doc->GetMap().GetArea(area).IsInGrid(x, y))
        return CSize(0, 0);
    const CMapDoc& map = m_doc->GetMap();
    const CMapData& record = map.GetArea(area);
    const bool hasBuilding = map.HasStructureAt(area, x, y);
    const int owner = record.GetCellOwner(x, y);
    m_usable = map.IsCellUsable(area, x, y) ? 1 : 0;
    m_expoSite = !hasBuilding && record.IsProjectCell(x, y) ? 1 : 0;
    m_kind = !hasBuilding ? 0 : owner > 0 ? 2 : 1;

    CClientDC dc(IsWindow() ? this : nullptr);
    CAppFonts* fonts = Fonts();
    CFont* previous = fonts ? dc.SelectObject(fonts->GetMessageFont()) : nullptr;
    SMeasure m{dc};
    for (int i = 0; i < kLabelCount[m_kind]; ++i) m.Widen(kTableLabels[i], m_labelWidth);
    if (m_usable) m.Widen(kPriceLabel, m_labelWidth);
    ReadOwner(m, owner);
    ReadLand(m, area, x, y);
    if (hasBuilding) {
        const CBD* type = map.GetCellStructureType(area, x, y, 0);
        m_buildingText = type ? type->GetName() : std::string();
        m.Widen(m_buildingText, m_valueWidth);
        m_lifeSpanText = FormatText("%4d", map.GetStructureLayer7(area, x, y));
        if (m_kind == 2) ReadBuildingFigures(m, area, x, y);
        if (type && (type->IsType85() || type->IsType80())) ReadTeams(m, area, x, y);
    }
    if (m_expoSite) {
        const int width = m.Width(kExpoLine);
        if (width > m_labelWidth + m_valueWidth) m_valueWidth = width - m_labelWidth;
    }
    if (previous) dc.SelectObject(previous);

    const int ch = static_cast<int>(LayoutSize().cy);
    const int rowH = std::max(ch, static_cast<int>(MarkCell().cy));
    const int rows = kLabelCount[m_kind] + m_usable + m_expoSite;
    const int teams = static_cast<int>(m_teamNames.size());
    int height = rows * ch + teams * rowH + 2 * GetSystemMetrics(SM_CYDLGFRAME);
    if (m_ownerColor >= 0) height += rowH - ch;
    const int width = m_labelWidth + m_valueWidth + 2 * GetSystemMetrics(SM_CXDLGFRAME);
    return CSize(width, height);
}

void CBalonWnd::ReadOwner(SMeasure& m, int owner) {
    const CEnterprise* company = owner > 0 ? m_doc->GetEnterprise(owner - 1) : nullptr;
    if (!company) {
        m_ownerColor = -1;
        m_ownerText = kNoOwner;
        m.Widen(m_ownerText, m_valueWidth);
        return;
    }
    m_ownerColor = company->GetColor();
    m_ownerText = company->GetName();
    m_valueWidth = std::max(m_valueWidth, m.Width(m_ownerText) + static_cast<int>(MarkCell().cx));
}

void CBalonWnd::ReadLand(SMeasure& m, int area, int x, int y) {
    const CMapDoc& map = m_doc->GetMap();
    const CMapData& record = map.GetArea(area);
    const CBD* land = map.GetCellStructureType(area, x, y, 1);
    m_landText = land ? land->GetName() : std::string();
    if (record.GetConstructionState(x, y) == CMapData::kConstructionUnderWay) {
        const CBD* built = map.GetStructureType(record.GetConstructionType(x, y));
        if (built) m_landText += FormatText("(%s)", built->GetName().c_str());
    }
    m.Widen(m_landText, m_valueWidth);
    m_priceText = FormatText("%4d", map.GetLotPrice(area, x, y, 0));
    m.Widen(m_priceText, m_valueWidth);
}

void CBalonWnd::ReadBuildingFigures(SMeasure& m, int area, int x, int y) {
    const CMapDoc& map = m_doc->GetMap();
    CCellPoint anchor, first;
    if (!map.GetStructureExtent(area, x, y, anchor, first)) return;
    double sales = 0.0, expenses = 0.0;
    for (int cy = first.y; cy <= anchor.y; ++cy)
        for (int cx = first.x; cx <= anchor.x; ++cx)
            m_doc->CalcLotValue(area, cx, cy, -1, sales, expenses, 0);
    const CEnterprise* owner = m_doc->GetEnterprise(map.GetArea(area).GetCellOwner(x, y) - 1);
    const CBD* type = map.GetCellStructureType(area, x, y, 0);
    const int payroll =
        owner && type ? owner->CalcSalaryCost(type->GetValueFigure(), kYearOfPay) : 0;
    const double total = expenses + payroll;
    m_salesText = FormatText("%4d", TruncToInt(sales));
    m_expensesText = FormatText("%4d(%d)", TruncToInt(total), payroll);
    m_profitText = FormatText("%4d", TruncToInt(sales - total));
    for (const std::string* text : {&m_salesText, &m_expensesText, &m_profitText})
        m.Widen(*text, m_valueWidth);
}

void CBalonWnd::ReadTeams(SMeasure& m, int area, int x, int y) {
    const CMapDoc& map = m_doc->GetMap();
    // A team's home field is the stadium's anchor cell.
    const CCellPoint home = map.GetAnchorOf(area, x, y);
    if (map.FindTeamsWithHomeAt(area, home.x, home.y, m_teamLeagues, m_teamIndexes) <= 0) {
        m_teamLeagues.clear();
        m_teamIndexes.clear();
        return;
    }
    m.Widen(kTeamLabel, m_labelWidth);
    const int mark = static_cast<int>(MarkCell().cx);
    for (size_t i = 0; i < m_teamLeagues.size(); ++i) {
        const CProTeam& team = map.GetProTeam(m_teamLeagues[i], m_teamIndexes[i]);
        const CEnterprise* owner = m_doc->GetEnterprise(team.GetOwnerIndex());
        m_teamNames.push_back(team.GetName());
        m_teamColours.push_back(owner ? owner->GetColor() : -1);
        m_valueWidth = std::max(m_valueWidth, m.Width(m_teamNames.back()) + mark);
    }
}

// ---------------------------------------------------------------- painting

std::vector<CBalonWnd::SRow> CBalonWnd::GetRows() const {
    std::vector<SRow> rows;
    if (m_ownerText.empty()) return rows;
    const int ch = static_cast<int>(LayoutSize().cy);
    const int rowH = std::max(ch, static_cast<int>(MarkCell().cy));
    const bool owned = m_ownerColor >= 0;
    rows.push_back({kOwnerLabel, m_ownerText, owned ? rowH : ch, owned ? m_ownerColor : kNoMark});
    rows.push_back({kLandLabel, m_landText, ch});
    if (m_kind > 0) rows.push_back({kBuildingLabel, m_buildingText, ch});
    if (m_usable) rows.push_back({kPriceLabel, m_priceText, ch});
    if (m_kind == 2) {
        rows.push_back({kSalesLabel, m_salesText, ch});
        rows.push_back({kExpensesLabel, m_expensesText, ch});
        rows.push_back({kProfitLabel, m_profitText, ch});
    }
    if (m_kind > 0) rows.push_back({kLifeSpanLabel, m_lifeSpanText, ch});
    if (m_expoSite) rows.push_back({"", kExpoLine, ch, kNoMark, true});
    for (size_t i = 0; i < m_teamNames.size(); ++i)
        rows.push_back({i == 0 ? kTeamLabel : "", m_teamNames[i], rowH, m_teamColours[i]});
    return rows;
}

void CBalonWnd::DrawTable(CDC& dc, CPoint origin, int gap) const {
    IBlockHost* host = IBlockHost::Get();
    CAppFonts* fonts = Fonts();
    CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr;
    CFont* previous = fonts ? dc.SelectObject(fonts->GetMessageFont()) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    const int ch = static_cast<int>(LayoutSize().cy);
    const int mark = static_cast<int>(MarkCell().cx);
    const int labelRight = origin.x + m_labelWidth;
    const int valueLeft = labelRight + gap;
    const int valueRight = valueLeft + m_valueWidth;
    int top = origin.y;
    for (const SRow& row : GetRows()) {
        const int bottom = top + row.height;
        // Texts stand on the row's bottom.
        const int y = bottom - ch;
        if (row.across) {
            const CRect clip(origin.x, top, valueRight, bottom);
            DrawColoredText(dc, row.value, clip, CPoint(origin.x, y), 0, FALSE, 0, -1);
            top = bottom;
            continue;
        }
        if (!row.label.empty()) {
            const int width = static_cast<int>(dc.GetTextExtent(row.label).cx);
            const CRect clip(origin.x, top, labelRight, bottom);
            DrawColoredText(dc, row.label, clip, CPoint(labelRight - width, y), 0, FALSE, 0, -1);
        }
        int x = valueLeft;
        if (row.markColour != kNoMark) {
            if (strips)
                strips->DrawColorMark(dc, x + mark / 2, top + row.height / 2, row.markColour, TRUE);
            x += mark;
        }
        const CRect clip(valueLeft, top, valueRight, bottom);
        DrawColoredText(dc, row.value, clip, CPoint(x, y), 0, FALSE, 0, -1);
        top = bottom;
    }
    if (previous) dc.SelectObject(previous);
}

void CBalonWnd::OnPaint() {
    CPaintDC dc(this);
    IBlockHost* host = IBlockHost::Get();
    CPaletteScope palette(dc, host ? host->GetPalette() : nullptr);
    CRect client;
    GetClientRect(&client);
    // The size asked for makes room for a dialog frame; what our thinner
    // border leaves of it keeps the texts off the border and, most of it,
    // the values off their labels.
    int height = 0;
    for (const SRow& row : GetRows()) height += row.height;
    const int spareX = std::max(static_cast<int>(client.Width()) - m_labelWidth - m_valueWidth, 0);
    const int spareY = std::max(static_cast<int>(client.Height()) - height, 0);
    const int margin = std::min(spareX / 2, 1);
    DrawTable(dc, CPoint(margin, spareY / 2), spareX - 2 * margin);
}

int CBalonWnd::OnCreate(CREATESTRUCT* create) {
    // A pop-up's owner is the top-level window; the map window that shows
    // the balloon is the parent it was created with.
    m_mapWnd = create ? dynamic_cast<CMapDrawWnd*>(create->hwndParent) : nullptr;
    return CWnd::OnCreate(create);
}

void CBalonWnd::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    CWnd::OnKeyDown(key, repeat, flags);
    if (m_mapWnd) m_mapWnd->HideBalloon();
}
