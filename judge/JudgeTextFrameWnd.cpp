#include "judge/JudgeTextFrameWnd.h"

#include <algorithm>

#include "judge/ArboApp.h"
#include "judge/ArboDoc.h"
#include "judge/RowScroll.h"
#include "model/ColorTable.h"
#include "model/DrawingHelpers.h"
#include "model/Formatting.h"
#include "platform/core/TextFormat.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Pen.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

namespace {

const char* const kItemNames[CJudgeTextFrameWnd::kItemCount] = {
    "Funds",
    "Debt",
    "Employees",
    "Employee Average Loyalty",
    "Advanced Area",
    "Property",
    "Estimated Stock Value",
    "Strike Occurrences",
    "Total Popularity",
    "Director Ability",
    "Times Champion",
    "Attendance",
    "Top Annual Proceeds",
    "Top Annual Profits",
    "Area Contribution Level",
};

// Text left-aligned (align 0) or centred (1) in a cell, in the font given.
void CellText(CDC& dc, CFont* font, const std::string& text, const CRect& cell, int align) {
    CFont* old = dc.SelectObject(font);
    DrawTextInRect(dc, text.c_str(), cell, align, FALSE, 0, -1);
    dc.SelectObject(old);
}

}  // namespace

int CJudgeTextFrameWnd::ItemFromPage(int page) {
    if (page >= 0 && page <= 9) return page;
    if (page >= 10 && page <= 12) return 10;
    if (page >= 13 && page <= 15) return 11;
    if (page >= 16 && page <= 18) return page - 4;
    return -1;
}

const char* CJudgeTextFrameWnd::ItemName(int item) {
    return item >= 0 && item < kItemCount ? kItemNames[item] : "";
}

CJudgeTextFrameWnd::SListLayout CJudgeTextFrameWnd::ListLayout(int width, int height, int w2,
                                                              int h2, int markHeight) {
    SListLayout layout{};
    layout.rowHeight = std::max({h2, markHeight, 1});
    layout.rowsPerColumn = std::clamp(height / layout.rowHeight - 1, 1, kItemCount);
    const int columnWidth = std::max(1, kItemColumnChars * w2);
    const int needed = (kItemCount + layout.rowsPerColumn - 1) / layout.rowsPerColumn;
    layout.columns = std::max(1, std::min(needed, width / columnWidth));
    layout.left = std::max(0, (width - layout.columns * columnWidth) / 2);
    layout.top = std::max(0, (height - (layout.rowsPerColumn + 1) * layout.rowHeight) / 2);
    return layout;
}

void CJudgeTextFrameWnd::SetLeaguePage(int league, int kind) {
    m_league = std::clamp(league, 0, 2);
    m_leagueKind = kind;
}

void CJudgeTextFrameWnd::SetYearsKind(int measure, int years) {
    m_yearsMeasure = measure != 0 ? 1 : 0;
    m_years = std::max(0, years);
}

void CJudgeTextFrameWnd::Relayout(int width, int height) {
    m_firstRow = 0;
    if (!IsWindow()) return;
    if (!m_inLayout) {
        m_inLayout = true;
        LayoutScrolling(width, height);
        m_inLayout = false;
    }
    Invalidate(TRUE);
}

int CJudgeTextFrameWnd::LeagueCardWidth() {
    CArboApp* app = CArboApp::Get();
    return app ? 26 * app->GetCharSize().cx + 8 : 0;
}

int CJudgeTextFrameWnd::LeagueCardHeight() {
    CArboApp* app = CArboApp::Get();
    return app ? 5 * std::max(app->GetCharSize().cy, app->GetMarkSize().cy) + 8 : 0;
}

int CJudgeTextFrameWnd::YearBoxHeight() {
    CArboApp* app = CArboApp::Get();
    return app ? 3 * app->GetCharSize().cy + 8 : 0;
}

int CJudgeTextFrameWnd::ContentRows(int width) const {
    const int companies = m_doc ? m_doc->GetCompanyCount() : 0;
    if (m_mode == 4) {
        const int perRow = std::max(1, width / std::max(1, LeagueCardWidth()));
        return (companies + perRow - 1) / perRow;
    }
    return m_mode == 5 ? companies : 0;
}

int CJudgeTextFrameWnd::RowHeight() const {
    if (m_mode == 4) return LeagueCardHeight();
    return m_mode == 5 ? YearBoxHeight() : 0;
}

void CJudgeTextFrameWnd::LayoutScrolling(int width, int height) {
    const int rowHeight = RowHeight();
    // Whether a bar is needed is judged on the width without one; a bar
    // takes its width from the client, which may leave fewer cards a row.
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int fullWidth = width + (m_barShown ? barWidth : 0);
    m_visibleRows = rowHeight > 0 ? height / rowHeight : 0;
    m_rows = ContentRows(fullWidth);
    const bool needed = m_rows > m_visibleRows && m_visibleRows > 1;
    if (needed) m_rows = ContentRows(fullWidth - barWidth);
    if (needed != m_barShown) {
        m_barShown = needed;
        ShowScrollBar(SB_VERT, needed ? TRUE : FALSE);
    }
    if (!m_barShown) return;
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = m_rows - 1;
    info.nPage = static_cast<UINT>(m_visibleRows);
    info.nPos = m_firstRow;
    SetScrollInfo(SB_VERT, &info, TRUE);
}

void CJudgeTextFrameWnd::ScrollRows(int delta) {
    if (!m_barShown) return;
    const int last = std::max(0, m_rows - m_visibleRows);
    const int first = std::clamp(m_firstRow + delta, 0, last);
    if (first == m_firstRow) return;
    m_firstRow = first;
    SetScrollPos(SB_VERT, m_firstRow, TRUE);
    Invalidate(TRUE);
}

void CJudgeTextFrameWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    Relayout(cx, cy);
}

void CJudgeTextFrameWnd::OnVScroll(UINT code, UINT pos, CWnd* scrollBar) {
    (void)scrollBar;
    ScrollRows(RowScrollDelta(code, pos, m_firstRow, m_visibleRows));
}

BOOL CJudgeTextFrameWnd::OnMouseWheel(UINT flags, short delta, CPoint point) {
    (void)flags;
    (void)point;
    ScrollRows(-delta / WHEEL_DELTA);
    return TRUE;
}

void CJudgeTextFrameWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    Draw(dc, client.Width(), client.Height());
}

void CJudgeTextFrameWnd::Draw(CDC& dc, int width, int height) {
    CArboApp* app = CArboApp::Get();
    dc.FillSolidRect(0, 0, width, height, GetSysColor(COLOR_BTNFACE));
    if (!app || !m_doc) return;
    CPalette* palette = app->GetPalette();
    CPalette* oldPalette = palette ? dc.SelectPalette(palette, FALSE) : nullptr;
    if (palette) dc.RealizePalette();
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    switch (m_mode) {
        case 2:
            DrawItemList(dc, width, height);
            break;
        case 3:
            DrawDirectors(dc, width, height);
            break;
        case 4:
            DrawLeagueCards(dc, width, height);
            break;
        case 5:
            DrawYearCharts(dc, width, height);
            break;
        default:
            break;
    }
    if (oldPalette) dc.SelectPalette(oldPalette, FALSE);
}

void CJudgeTextFrameWnd::DrawItemList(CDC& dc, int width, int height) {
    if (m_item < 0) return;
    CArboApp* app = CArboApp::Get();
    const CSize font2 = app->GetFonts().GetSize(2);
    const SListLayout layout =
        ListLayout(width, height, font2.cx, font2.cy, app->GetMarkSize().cy);
    const int r = layout.rowHeight;
    const int w2 = font2.cx;
    CFont* font = app->GetFont(1);
    for (int column = 0; column < layout.columns; ++column) {
        const int x = layout.left + column * kItemColumnChars * w2;
        CellText(dc, font, "No.", CRect(x, layout.top, x + 4 * w2, layout.top + r), 1);
        CellText(dc, font, "Judgment Item",
                 CRect(x + 4 * w2, layout.top, x + kItemColumnChars * w2, layout.top + r), 0);
        for (int row = 0; row < layout.rowsPerColumn; ++row) {
            const int item = column * layout.rowsPerColumn + row;
            if (item >= kItemCount) break;
            const int y = layout.top + (row + 1) * r;
            const CRect number(x, y, x + 4 * w2, y + r);
            app->DrawMark(dc, item == m_item ? -1 : -2, number.CenterPoint(), TRUE);
            CellText(dc, font, FormatText("%d", item + 1), number, 1);
            CellText(dc, font, kItemNames[item],
                     CRect(x + 4 * w2, y, x + kItemColumnChars * w2, y + r), 0);
        }
    }
}

void CJudgeTextFrameWnd::DrawDirectors(CDC& dc, int width, int height) {
    CArboApp* app = CArboApp::Get();
    const CSize ch = app->GetCharSize();
    const int w2 = app->GetFonts().GetSize(2).cx;
    const int lineHeight = std::max(ch.cy, app->GetMarkSize().cy) + 2;
    struct SColumn {
        const char* title;
        int width;
        bool bold;
    };
    const SColumn columns[] = {
        {"Rank", 6 * ch.cx, false},        {"Name", 13 * w2, true},
        {"Directing", 10 * ch.cx, false},  {"Analysis", 9 * ch.cx, false},
        {"Negotiation", 12 * ch.cx, false}, {"Advertising", 12 * ch.cx, false},
        {"Construction", 13 * ch.cx, false}, {"Average", 9 * w2, true},
        {"Point", 5 * w2, true},
    };
    int tableWidth = 0;
    for (const SColumn& c : columns) tableWidth += c.width;
    const int left = std::max(0, (width - tableWidth) / 3);
    int x = left;
    for (const SColumn& c : columns) {
        CellText(dc, app->GetFont(c.bold ? 2 : 1), c.title, CRect(x, 2, x + c.width, 2 + lineHeight),
                 1);
        x += c.width;
    }
    const std::vector<int>& top = m_doc->GetTopDirectors();
    const int rows = std::min(m_directors, static_cast<int>(top.size()));
    std::vector<int> scores;
    for (int person : top) scores.push_back(m_doc->GetPerson(person)->GetJudgeAbility(-1, false));
    const std::vector<int> places = CArboDoc::SharedPlaces(scores);
    for (int k = 0; k < rows; ++k) {
        CPersonData* person = m_doc->GetPerson(top[static_cast<size_t>(k)]);
        const int y = 2 + (k + 1) * lineHeight;
        const CEnterprise* employer = m_doc->GetCompany(person->GetEmployerIndex(*m_doc));
        int sum = 0;
        std::vector<std::string> cells;
        cells.push_back(FormatText("%d", places[static_cast<size_t>(k)] + 1));
        cells.push_back(person->Record().GetName());
        for (int a = 0; a < CPersonData::kAbilities; ++a) {
            const int ability = person->GetJudgeAbility(a, false);
            sum += ability * 10;
            cells.push_back(FormatText("%2d.%d", ability * 10 / 100, ability * 10 / 10 % 10));
        }
        cells.push_back(FormatText("%2d.%02d", sum / 500, sum / 5 - sum / 500 * 100));
        cells.push_back(FormatText("%d", CArboDoc::DirectorPoints(places[static_cast<size_t>(k)])));
        x = left;
        for (size_t c = 0; c < cells.size(); ++c) {
            CRect cell(x, y, x + columns[c].width, y + lineHeight);
            if (c == 0) {
                // The employer's mark leads the rank.
                if (employer) {
                    app->DrawMark(dc, employer->Record().GetColor(),
                                  CPoint(cell.left + ch.cx, cell.top + 1), FALSE);
                }
                cell.left += ch.cx + app->GetMarkSize().cx + 2;
            } else if (c == 1) {
                cell.left += ch.cx;
            }
            CellText(dc, app->GetFont(columns[c].bold ? 2 : 1), cells[c], cell,
                     c <= 1 ? 0 : 1);
            x += columns[c].width;
        }
    }
    // The faces below the table.
    const int faceTop = 2 + (static_cast<int>(top.size()) + 1) * lineHeight + ch.cy;
    const int perRow = std::max(1, width / std::max(1, 21 * ch.cx));
    for (int k = 0; k < rows; ++k) {
        CPersonData* person = m_doc->GetPerson(top[static_cast<size_t>(k)]);
        const int fx = (k % perRow) * 21 * ch.cx + ch.cx / 2;
        const int fy = faceTop + (k / perRow) * (12 * ch.cy + lineHeight);
        if (fy > height) break;
        person->DrawJudgeFace(*m_doc, dc, fx, fy, fx + 20 * ch.cx, fy + 11 * ch.cy,
                              person->GetJudgeFaceIndex(), true);
        CellText(dc, app->GetFont(1), person->Record().GetName(),
                 CRect(fx, fy + 11 * ch.cy, fx + 20 * ch.cx, fy + 11 * ch.cy + lineHeight), 1);
    }
}

void CJudgeTextFrameWnd::DrawLeagueCards(CDC& dc, int width, int height) {
    CArboApp* app = CArboApp::Get();
    const CSize ch = app->GetCharSize();
    const int cardWidth = LeagueCardWidth();
    const int lineHeight = std::max(ch.cy, app->GetMarkSize().cy);
    const int cardHeight = LeagueCardHeight();
    const int perRow = std::max(1, width / cardWidth);
    const ::CMapDoc& map = m_doc->GetMap().Map();
    CFont* font = app->GetFont(1);
    for (int c = 0; c < m_doc->GetCompanyCount(); ++c) {
        const CEnterprise* company = m_doc->GetCompany(c);
        const int x = (c % perRow) * cardWidth;
        const int y = (c / perRow - m_firstRow) * cardHeight;
        if (y < 0 || y > height) continue;
        CRect card(x + 2, y + 2, x + cardWidth - 2, y + cardHeight - 2);
        dc.DrawEdge(&card, EDGE_RAISED, BF_RECT);
        const int tx = card.left + 4;
        int ty = card.top + 4;
        app->DrawCompanyName(dc, CRect(tx, ty, card.right - 4, ty + lineHeight), *company, FALSE);
        ty += lineHeight;
        const int team = company->Record().GetLeagueTeam(m_league);
        const CLeague& league = map.GetLeague(m_league);
        if (team < 0 || team >= league.GetTeamCount()) {
            CellText(dc, font, "None", CRect(tx, ty, card.right - 4, ty + lineHeight), 0);
            continue;
        }
        const CProTeam& pro = league.GetTeam(team);
        std::vector<std::string> lines = {
            pro.GetName(),
            FormatText("Win%% %d/Popularity %d", pro.GetWinPower(), pro.GetPopularity()),
            FormatText("Home field %s", m_doc->GetAreaName(pro.GetHomeArea()).c_str()),
        };
        if (m_leagueKind == 2) {
            const int64_t attendance = int64_t{company->Record().GetAttendance(m_league)} * 1000;
            lines.push_back("Attendance " + FormatWithCommas(attendance));
        } else {
            const int titles = company->Record().GetChampionships(m_league);
            lines.push_back(titles == 0   ? std::string("None")
                            : titles == 1 ? std::string("champion once")
                                          : FormatText("champion %d times", titles));
        }
        for (const std::string& line : lines) {
            CellText(dc, font, line, CRect(tx, ty, card.right - 4, ty + lineHeight), 0);
            ty += lineHeight;
        }
    }
}

void CJudgeTextFrameWnd::DrawYearCharts(CDC& dc, int width, int height) {
    CArboApp* app = CArboApp::Get();
    const CSize ch = app->GetCharSize();
    const int boxHeight = YearBoxHeight();
    const int nameWidth = 26 * ch.cx;
    const int companies = m_doc->GetCompanyCount();
    const int chartLeft = nameWidth + ch.cx;
    const int chartWidth = std::max(1, width - chartLeft - 2 * ch.cx);
    for (int c = 0; c < companies; ++c) {
        const CEnterprise* company = m_doc->GetCompany(c);
        const int top = (c - m_firstRow) * boxHeight;
        if (top < 0 || top > height) continue;
        CRect box(0, top + 1, width, top + boxHeight - 1);
        dc.DrawEdge(&box, EDGE_ETCHED, BF_RECT);
        app->DrawCompanyName(dc, CRect(4, top + 4, nameWidth, top + boxHeight - 4), *company,
                             FALSE);
        // The chart keeps the bottom line of the box for the year names.
        const int chartTop = top + 7;
        const int chartHeight = std::max(1, boxHeight - ch.cy - 13);
        // Three guide lines: first place, the middle and last place.
        for (int g = 0; g < 3; ++g) {
            const int gy = chartTop + chartHeight * g / 2;
            dc.FillSolidRect(chartLeft, gy, chartWidth, 1, GetSysColor(COLOR_BTNSHADOW));
        }
        const std::vector<int>& ranks = company->YearRanks(m_yearsMeasure);
        const int years = std::min(m_years > 0 ? m_years : static_cast<int>(ranks.size()),
                                   static_cast<int>(ranks.size()));
        if (years == 0) continue;
        const int total = std::max(1, static_cast<int>(ranks.size()));
        const int spread = std::max(1, companies - 1);
        std::vector<POINT> points;
        for (int i = 0; i < years; ++i) {
            const int x = chartLeft + chartWidth * i / total + chartWidth / total / 2;
            const int y = chartTop + chartHeight * std::clamp(ranks[static_cast<size_t>(i)], 0,
                                                              spread) / spread;
            points.push_back({x, y});
        }
        const int colour = company->Record().GetColor();
        CPen* old = dc.SelectObject(app->GetColourPen(colour));
        dc.Polyline(points.data(), static_cast<int>(points.size()));
        dc.SelectObject(old);
        for (int i = 0; i < years; ++i) {
            const int half = ranks[static_cast<size_t>(i)] == 0 ? 3 : 2;
            const POINT p = points[static_cast<size_t>(i)];
            dc.FillSolidRect(p.x - half, p.y - half, 2 * half + 1, 2 * half + 1,
                             GetColorTableEntry(colour));
        }
        // The first and the last year are named below the chart.
        for (int i : {0, total - 1}) {
            const int x = chartLeft + chartWidth * i / total;
            CellText(dc, app->GetFont(0), FormatOrdinal(i + 1) + " year",
                     CRect(x, top + boxHeight - ch.cy - 2, x + chartWidth / total, top + boxHeight - 2),
                     1);
        }
    }
}

}  // namespace judge
