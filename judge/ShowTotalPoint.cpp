#include "judge/ShowTotalPoint.h"

#include <algorithm>
#include <new>

#include "judge/ArboApp.h"
#include "judge/ArboDoc.h"
#include "judge/JudgeReport.h"
#include "judge/JudgeTextFrameWnd.h"
#include "judge/RowScroll.h"
#include "model/DrawingHelpers.h"
#include "platform/core/TextFormat.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

namespace {

// The label of a step's row in the table.
std::string StepLabel(const CArboDoc& doc, int step) {
    switch (step) {
        case 10: return "Times Champion(League 1)";
        case 11:
        case 12: return FormatText("              (League %d)", step - 9);
        case 13: return "Attendance(League1)";
        case 14:
        case 15: return FormatText("          (League%d)", step - 12);
        default: break;
    }
    if (step < CArboDoc::kFixedSteps) return CJudgeReport::ItemName(step);
    const std::string area = doc.GetAreaName(step - CArboDoc::kFixedSteps);
    if (step == CArboDoc::kFixedSteps) return "Area Contribution Level(" + area + ")";
    return "                       (" + area + ")";
}

// The first step of each judgment item carries the item's number.
bool StartsItem(int step) {
    const int page = std::min(step, static_cast<int>(CEnterprise::kAreaPage));
    return step == page && (page == 0 || CJudgeTextFrameWnd::ItemFromPage(page) !=
                                             CJudgeTextFrameWnd::ItemFromPage(page - 1));
}

void Text(CDC& dc, CFont* font, const std::string& text, const CRect& rect, int align) {
    CFont* old = font ? dc.SelectObject(font) : nullptr;
    DrawTextInRect(dc, text.c_str(), rect, align, FALSE, 0, -1);
    if (old) dc.SelectObject(old);
}

}  // namespace

// ---------------------------------------------------------------- creation

bool CShowTotalPoint::CreateTable(CWnd* parent) {
    const CRect none(0, 0, 0, 0);
    if (!CreateEx(WS_EX_DLGMODALFRAME, CArboApp::kFaceClass, "", WS_CHILD | WS_CLIPCHILDREN, none,
                  parent, 0)) {
        return false;
    }
    if (!m_button.Create(kShowRankingText, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, none, this,
                         kButtonId)) {
        return false;
    }
    m_button.SetColorIndex(COLOR_BTNFACE);
    return m_columnBarWnd.Create(WS_CHILD | SBS_HORZ, none, this, kColumnBarId) &&
           m_rowBarWnd.Create(WS_CHILD | SBS_VERT, none, this, kRowBarId) &&
           m_corner.CreateEx(0, CArboApp::kFaceClass, "", WS_CHILD, none, this, kCornerId) &&
           m_leftCorner.CreateEx(0, CArboApp::kFaceClass, "", WS_CHILD, none, this,
                                 kLeftCornerId);
}

int CShowTotalPoint::CompanyCount() const {
    return m_doc ? m_doc->GetCompanyCount() : 0;
}

int CShowTotalPoint::LastColumn() const {
    return std::min<int>(CompanyCount(), m_firstColumn + m_visibleColumns);
}

int CShowTotalPoint::StepCount() const {
    return m_doc ? m_doc->GetStepTotal() : 0;
}

std::vector<int> CShowTotalPoint::StepOrder(const std::vector<int>& ranks) {
    std::vector<int> remaining(ranks.size());
    for (size_t i = 0; i < ranks.size(); ++i) remaining[i] = static_cast<int>(i);
    std::vector<int> order;
    order.reserve(ranks.size());
    while (!remaining.empty()) {
        // The first of the lowest rank among those left.
        auto best = std::min_element(remaining.begin(), remaining.end(), [&](int a, int b) {
            return ranks[static_cast<size_t>(a)] < ranks[static_cast<size_t>(b)];
        });
        order.push_back(*best);
        remaining.erase(best);
    }
    return order;
}

int CShowTotalPoint::BuildPageOrders() {
    try {
        m_orders.assign(static_cast<size_t>(StepCount()), {});
        for (int s = 0; s < StepCount(); ++s) {
            std::vector<int> ranks(static_cast<size_t>(CompanyCount()), 0);
            for (int c = 0; c < CompanyCount(); ++c) {
                const std::vector<int>& history = m_doc->GetCompany(c)->RankHistory();
                if (static_cast<size_t>(s) < history.size())
                    ranks[static_cast<size_t>(c)] = history[static_cast<size_t>(s)];
            }
            m_orders[static_cast<size_t>(s)] = StepOrder(ranks);
        }
        MeasureLabels();
        return 1;
    } catch (const std::bad_alloc&) {
        m_orders.clear();
        return 0;
    }
}

// The labels are drawn in a bold font wider than the characters that
// measure the table: the column grows to hold the longest.
void CShowTotalPoint::MeasureLabels() {
    CArboApp* app = CArboApp::Get();
    CDC dc;
    if (!app || !m_doc || !dc.CreateCompatibleDC(nullptr)) return;
    CFont* old = dc.SelectObject(app->GetFont(2));
    m_labelsWidth = 0;
    for (int s = 0; s < StepCount(); ++s)
        m_labelsWidth = std::max<int>(m_labelsWidth, dc.GetTextExtent(StepLabel(*m_doc, s)).cx);
    dc.SelectObject(old);
}

// ---------------------------------------------------------------- the strip

std::vector<int> CShowTotalPoint::StripCompanies(int step) const {
    std::vector<int> shown;
    if (step < 0 || step >= static_cast<int>(m_orders.size())) return shown;
    for (int c : m_orders[static_cast<size_t>(step)]) {
        const CEnterprise* company = m_doc->GetCompany(c);
        if (!company || static_cast<size_t>(step) >= company->PointsHistory().size()) continue;
        if (company->PointsHistory()[static_cast<size_t>(step)] > 0) shown.push_back(c);
    }
    return shown;
}

std::string CShowTotalPoint::CellText(int points, int rank) {
    return points >= 1 ? FormatText("%d(%2d)", points, rank + 1) : "--";
}

void CShowTotalPoint::UpdateRankingButtonText() {
    if (m_button.IsWindow())
        m_button.SetWindowText(m_rankingShown ? kHideRankingText : kShowRankingText);
}

void CShowTotalPoint::ToggleRanking() {
    m_rankingShown = !m_rankingShown;
    UpdateRankingButtonText();
    m_firstColumn = 0;
    Layout(m_width, m_height);
    if (IsWindow()) Invalidate(TRUE);
}

BOOL CShowTotalPoint::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == kButtonId) {
        ToggleRanking();
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

// ---------------------------------------------------------------- layout

CShowTotalPoint::SMeasures CShowTotalPoint::Measures() const {
    CArboApp* app = CArboApp::Get();
    const CSize ch = app ? app->GetCharSize() : CSize(0, 0);
    const CSize mark = app ? app->GetMarkSize() : CSize(0, 0);
    SMeasures m{};
    m.charWidth = ch.cx;
    m.charHeight = ch.cy;
    m.markWidth = mark.cx;
    m.markHeight = mark.cy;
    m.rowHeight = std::max({ch.cy, static_cast<int>(mark.cy), 1});
    m.columnWidth = std::max(kColumnChars * ch.cx, 1);
    m.labelWidth = std::max(kLabelChars * ch.cx, m_labelsWidth + mark.cx + 2 * ch.cx);
    m.stripWidth = m_rankingShown ? CompanyCount() * mark.cx : 0;
    return m;
}

int CShowTotalPoint::ClampPosition(int64_t position, int count, int visible) {
    const int64_t last = std::max<int64_t>(int64_t{count} - visible, 0);
    return static_cast<int>(std::clamp<int64_t>(position, 0, last));
}

void CShowTotalPoint::Layout(int width, int height) {
    m_width = width;
    m_height = height;
    const SMeasures m = Measures();
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    const int companies = CompanyCount();
    const int steps = StepCount();
    // The rows first: a vertical bar narrows the room for the columns.
    m_visibleRows = std::max(1, (height - m.Head()) / m.rowHeight);
    m_rowBar = steps > m_visibleRows;
    const int columnsRoom = width - m.Left() - (m_rowBar ? barWidth : 0);
    m_visibleColumns = std::max(1, columnsRoom / m.columnWidth);
    m_columnBar = int64_t{companies} * m.columnWidth > columnsRoom;
    if (m_columnBar) {
        m_visibleRows = std::max(1, (height - barHeight - m.Head()) / m.rowHeight);
        if (!m_rowBar && steps > m_visibleRows) {
            m_rowBar = true;
            m_visibleColumns = std::max(1, (columnsRoom - barWidth) / m.columnWidth);
        }
    }
    m_firstColumn = ClampPosition(m_firstColumn, companies, m_visibleColumns);
    m_firstRow = ClampPosition(m_firstRow, steps, m_visibleRows);
    if (!IsWindow()) return;
    const int right = width - (m_rowBar ? barWidth : 0);
    const int bottom = height - (m_columnBar ? barHeight : 0);
    m_button.MoveWindow(m.charWidth / 2, 0, kButtonChars * m.charWidth, 3 * m.charHeight / 2,
                        TRUE);
    m_columnBarWnd.MoveWindow(m.Left(), bottom, std::max(0, right - m.Left()), barHeight, TRUE);
    m_columnBarWnd.ShowWindow(m_columnBar ? SW_SHOW : SW_HIDE);
    m_rowBarWnd.MoveWindow(right, 0, barWidth, bottom, TRUE);
    m_rowBarWnd.ShowWindow(m_rowBar ? SW_SHOW : SW_HIDE);
    m_corner.MoveWindow(right, bottom, barWidth, barHeight, TRUE);
    m_corner.ShowWindow(m_rowBar && m_columnBar ? SW_SHOW : SW_HIDE);
    m_leftCorner.MoveWindow(0, bottom, m.Left(), barHeight, TRUE);
    m_leftCorner.ShowWindow(m_columnBar ? SW_SHOW : SW_HIDE);
    UpdateBars();
}

void CShowTotalPoint::UpdateBars() {
    auto set = [](CScrollBar& bar, int count, int page, int position) {
        if (!bar.IsWindow()) return;
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = std::max(0, count - 1);
        info.nPage = static_cast<UINT>(page);
        info.nPos = position;
        bar.SetScrollInfo(&info, TRUE);
    };
    set(m_columnBarWnd, CompanyCount(), m_visibleColumns, m_firstColumn);
    set(m_rowBarWnd, StepCount(), m_visibleRows, m_firstRow);
}

void CShowTotalPoint::SetFirstColumn(int64_t column) {
    const int clamped = ClampPosition(column, CompanyCount(), m_visibleColumns);
    if (clamped == m_firstColumn) return;
    m_firstColumn = clamped;
    UpdateBars();
    if (IsWindow()) Invalidate(TRUE);
}

void CShowTotalPoint::SetFirstRow(int64_t row) {
    const int clamped = ClampPosition(row, StepCount(), m_visibleRows);
    if (clamped == m_firstRow) return;
    m_firstRow = clamped;
    UpdateBars();
    if (IsWindow()) Invalidate(TRUE);
}

void CShowTotalPoint::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    Layout(cx, cy);
}

void CShowTotalPoint::OnHScroll(UINT code, UINT pos, CWnd* scrollBar) {
    (void)scrollBar;
    SetFirstColumn(int64_t{m_firstColumn} +
                   RowScrollDelta(code, pos, m_firstColumn, m_visibleColumns));
}

void CShowTotalPoint::OnVScroll(UINT code, UINT pos, CWnd* scrollBar) {
    (void)scrollBar;
    SetFirstRow(int64_t{m_firstRow} + RowScrollDelta(code, pos, m_firstRow, m_visibleRows));
}

BOOL CShowTotalPoint::OnMouseWheel(UINT flags, short delta, CPoint point) {
    (void)flags;
    (void)point;
    if (m_rowBar) SetFirstRow(int64_t{m_firstRow} - delta / WHEEL_DELTA);
    return TRUE;
}

int CShowTotalPoint::HitTest(CPoint point) const {
    const SMeasures m = Measures();
    const int headRows = kHeadRows - 1;
    if (point.y < 0 || point.y >= headRows * m.rowHeight || point.x < m.Left()) return -1;
    const int column = (point.x - m.Left()) / m.columnWidth;
    if (column >= m_visibleColumns) return -1;
    const int company = m_firstColumn + column;
    return company < CompanyCount() ? company : -1;
}

// ---------------------------------------------------------------- painting

void CShowTotalPoint::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    DrawTable(dc, client.Width(), client.Height());
}

void CShowTotalPoint::DrawTable(CDC& dc, int width, int height) {
    dc.FillSolidRect(0, 0, width, height, GetSysColor(COLOR_BTNFACE));
    CArboApp* app = CArboApp::Get();
    if (!app || !m_doc) return;
    CPalette* palette = app->GetPalette();
    CPalette* oldPalette = palette ? dc.SelectPalette(palette, FALSE) : nullptr;
    if (palette) dc.RealizePalette();
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    const SMeasures m = Measures();
    DrawHead(dc, m, width);
    DrawStepLabels(dc, m, height);
    if (m_rankingShown) DrawStrip(dc, m, height);
    DrawCells(dc, m, width, height);
    if (oldPalette) dc.SelectPalette(oldPalette, FALSE);
}

void CShowTotalPoint::DrawHead(CDC& dc, const SMeasures& m, int width) {
    CArboApp* app = CArboApp::Get();
    const char* labels[] = {"Company Name", "Rank", "Total Points", "Times Finished #1"};
    for (int row = 0; row < 4; ++row) {
        const CRect rect(0, row * m.rowHeight, m.labelWidth - m.charWidth, (row + 1) * m.rowHeight);
        Text(dc, app->GetFont(row == 3 ? 1 : 2), labels[row], rect, 2);
    }
    int x = m.Left();
    for (int c = m_firstColumn; c < LastColumn() && x < width; ++c, x += m.columnWidth) {
        const CEnterprise* company = m_doc->GetCompany(c);
        const int right = x + m.columnWidth - m.charWidth;
        // The mark stands before the right-aligned name.
        CFont* old = dc.SelectObject(app->GetFont(1));
        const int nameWidth = dc.GetTextExtent(company->GetName()).cx;
        dc.SelectObject(old);
        // A name too long for its column keeps its start.
        const bool fits = nameWidth + m.markWidth <= right - x;
        const int markX = fits ? right - nameWidth - m.markWidth : x;
        app->DrawMark(dc, company->Record().GetColor(), CPoint(markX, 0), FALSE);
        Text(dc, app->GetFont(1), company->GetName(),
             CRect(markX + m.markWidth, 0, right, m.rowHeight), fits ? 2 : 0);
        const int places = company->GetFirstCount();
        const std::string cells[] = {
            FormatText("%d", company->GetRank() + 1), FormatText("%d", m_doc->GetTotal(c)),
            FormatText("%d", places) + (places < 2 ? " time" : " times")};
        for (int row = 1; row < 4; ++row) {
            const CRect rect(x, row * m.rowHeight, right, (row + 1) * m.rowHeight);
            Text(dc, app->GetFont(row == 3 ? 1 : 2), cells[row - 1], rect, 2);
        }
    }
}

void CShowTotalPoint::DrawStepLabels(CDC& dc, const SMeasures& m, int height) {
    CArboApp* app = CArboApp::Get();
    Text(dc, app->GetFont(2), "Judgment item",
         CRect(m.markWidth + m.charWidth, 4 * m.rowHeight, m.labelWidth, m.Head()), 0);
    for (int r = 0; r < m_visibleRows; ++r) {
        const int step = m_firstRow + r;
        const int y = m.Head() + r * m.rowHeight;
        if (step >= StepCount() || y >= height) break;
        if (StartsItem(step)) {
            const CRect markRect(0, y, m.markWidth, y + m.rowHeight);
            app->DrawMark(dc, -1, markRect.CenterPoint(), TRUE);
            const int item =
                CJudgeTextFrameWnd::ItemFromPage(std::min(step, int{CEnterprise::kAreaPage}));
            Text(dc, app->GetFont(1), FormatText("%d", item + 1), markRect, 1);
        }
        Text(dc, app->GetFont(2), StepLabel(*m_doc, step),
             CRect(m.markWidth + m.charWidth, y, m.labelWidth, y + m.rowHeight), 0);
    }
}

void CShowTotalPoint::DrawStrip(CDC& dc, const SMeasures& m, int height) {
    CArboApp* app = CArboApp::Get();
    for (int r = 0; r < m_visibleRows; ++r) {
        const int step = m_firstRow + r;
        const int y = m.Head() + r * m.rowHeight;
        if (step >= static_cast<int>(m_orders.size()) || y >= height) break;
        int x = m.labelWidth;
        for (int c : StripCompanies(step)) {
            const CEnterprise* company = m_doc->GetCompany(c);
            app->DrawMark(dc, company->Record().GetColor(), CPoint(x, y), FALSE);
            const std::vector<int>& ranks = company->RankHistory();
            const int place = static_cast<size_t>(step) < ranks.size()
                                  ? ranks[static_cast<size_t>(step)] + 1
                                  : 0;
            Text(dc, app->GetFont(1), FormatText("%d", place),
                 CRect(x, y, x + m.markWidth, y + m.rowHeight), 1);
            x += m.markWidth;
        }
    }
}

void CShowTotalPoint::DrawCells(CDC& dc, const SMeasures& m, int width, int height) {
    CArboApp* app = CArboApp::Get();
    int x = m.Left();
    for (int c = m_firstColumn; c < LastColumn() && x < width; ++c, x += m.columnWidth) {
        const CEnterprise* company = m_doc->GetCompany(c);
        const int right = x + m.columnWidth - m.charWidth;
        for (int r = 0; r < m_visibleRows; ++r) {
            const size_t step = static_cast<size_t>(m_firstRow + r);
            const int y = m.Head() + r * m.rowHeight;
            if (step >= company->PointsHistory().size() || step >= company->RankHistory().size() ||
                y >= height) {
                break;
            }
            const std::string cell =
                CellText(company->PointsHistory()[step], company->RankHistory()[step]);
            Text(dc, app->GetFont(2), cell, CRect(x, y, right, y + m.rowHeight), 2);
        }
    }
}

}  // namespace judge
