#include "views/ExpressSalesList.h"

#include <algorithm>

#include "game/VDoc.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/PictureStrips.h"
#include "platform/ui/Messages.h"
#include "platform/ui/PaintDC.h"
#include "views/BlockHost.h"
#include "views/OwnerRow.h"
#include "views/RowPaintScope.h"
#include "views/SalesListOwner.h"

CExpressSalesList::CExpressSalesList() : m_rowHeight(std::max(1, OwnerRow::LayoutSize().cy * 3 / 2)) {}

void CExpressSalesList::UpdateScrollBar() {
    CRect inner;
    GetClientRect(&inner);
    inner.DeflateRect(1, 1);
    const int n = m_owner ? m_owner->GetSalesRecordCount() : 0;
    const int visible = inner.bottom / m_rowHeight - 1;
    if (inner.bottom < (n + 1) * m_rowHeight && visible >= 1) {
        m_topRow = std::clamp(m_topRow, 0, n - visible);
        SetScrollRange(SB_VERT, 0, n - visible, FALSE);
        SetScrollPos(SB_VERT, m_topRow);
        ShowScrollBar(SB_VERT, TRUE);
    } else {
        m_topRow = 0;
        ShowScrollBar(SB_VERT, FALSE);
    }
}

int CExpressSalesList::PageOf(int minimum, int maximum) {
    return std::max(1, (maximum - minimum) / 10);
}

int CExpressSalesList::ScrolledTop(UINT code, int pos, int top, int minimum, int maximum) {
    const int page = PageOf(minimum, maximum);
    switch (code) {
        case SB_LINEUP:
            return top > minimum ? top - 1 : top;
        case SB_LINEDOWN:
            return top < maximum ? top + 1 : top;
        case SB_PAGEUP:
            return std::max(minimum, top - page);
        case SB_PAGEDOWN:
            return std::min(maximum, top + page);
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            return std::clamp(pos, minimum, std::max(minimum, maximum));
        case SB_BOTTOM:
            return maximum;
        case SB_TOP:
            return minimum;
        default:
            return top;
    }
}

void CExpressSalesList::OnVScroll(UINT code, UINT pos, CWnd* /*scrollBar*/) {
    int minimum = 0, maximum = 0;
    GetScrollRange(SB_VERT, &minimum, &maximum);
    const int top = ScrolledTop(code, static_cast<int>(pos), m_topRow, minimum, maximum);
    if (top == m_topRow) return;
    m_topRow = top;
    SetScrollPos(SB_VERT, top);
    Invalidate(FALSE);
}

void CExpressSalesList::DrawHeader(CDC& dc, const CRect& inner) const {
    static const int kTitleAt[] = {0, 7, 30, 37, 45, 60};
    static const char* const kTitles[] = {"Rank", "Company name", "Sales", "Salary", "Advertising", "Profit"};
    static const int kCellEnds[] = {6, 27, 36, 44, 57};
    const CSize unit = OwnerRow::CharSize();
    const int y = inner.top + (m_rowHeight - unit.cy) / 2 + 1;
    for (int i = 0; i < 6; ++i)
        DrawColoredText(dc, kTitles[i], inner, CPoint(inner.left + 1 + unit.cx * kTitleAt[i], y), 0, FALSE, 0, -1);
    int left = inner.left;
    for (int i = 0; i <= 5; ++i) {
        const int right = i < 5 ? std::min<int>(inner.left + kCellEnds[i] * unit.cx, inner.right) : inner.right;
        if (right > left) Draw3DFrame(dc, CRect(left, inner.top, right, inner.top + m_rowHeight), FALSE);
        left = right + 1;
    }
}

void CExpressSalesList::DrawRow(CDC& dc, int record, const CRect& row) const {
    OwnerRow::Fill(dc, row, OwnerRow::kNormal);
    CVDoc* doc = OwnerRow::Document();
    ISalesListOwner::SRecord sales;
    if (!doc || !m_owner || record >= doc->GetCompanyCount() || !m_owner->GetSalesRecord(record, sales)) return;
    const int cw = OwnerRow::CharSize().cx;
    const int l = row.left;
    auto cell = [&](int from, int to) { return CRect(from, row.top, std::min<int>(to, row.right), row.bottom); };
    auto number = [&](int value, int from, int to) {
        DrawTextInRect(dc, OwnerRow::Format("%d", value).c_str(), cell(l + from, l + to), 2, FALSE, 0, -1);
    };
    DrawTextInRect(dc, OwnerRow::Format("%2d", record + 1).c_str(), cell(cw * 3 / 2, cw * 9 / 2), 1, FALSE, 0, -1);
    const CSize mark = OwnerRow::MarkCell();
    const CEnterprise* company = OwnerRow::CompanyAt(sales.company);
    OwnerRow::DrawCompanyMark(dc, l + 6 * cw + mark.cx / 2, (row.top + row.bottom) / 2, company);
    if (company)
        DrawTextInRect(dc, company->GetName().c_str(), cell(l + 6 * cw + mark.cx, l + 28 * cw), 0, FALSE, 0, -1);
    number(sales.sales, 28 * cw, 35 * cw);
    number(sales.salary, 37 * cw, 43 * cw);
    number(sales.advertising, 44 * cw, 56 * cw);
    number(sales.profit, 57 * cw, 65 * cw);
}

void CExpressSalesList::Draw(CDC& dc, const CRect& client) const {
    CRowPaintScope scope(dc, true);
    OwnerRow::EraseClient(dc, client);
    CRect inner(client);
    inner.DeflateRect(1, 1);
    DrawHeader(dc, inner);
    for (int j = 0; (j + 1) * m_rowHeight + inner.top <= inner.bottom; ++j) {
        const CRect row(inner.left, inner.top + (j + 1) * m_rowHeight, inner.right,
                        std::min<int>(inner.top + (j + 2) * m_rowHeight - 1, inner.bottom));
        if (row.bottom > row.top) DrawRow(dc, m_topRow + j, row);
    }
    Draw3DFrame(dc, client, TRUE);
}

void CExpressSalesList::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    Draw(dc, client);
}
