#include "judge/NetworkListBox.h"

#include <algorithm>

#include "judge/ArboApp.h"
#include "judge/JudgeNetwork.h"
#include "judge/NetworkWnd.h"
#include "model/ColorTable.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/GdiDefs.h"
#include "platform/core/TextFormat.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

namespace {

// The layout unit: the width of the application's text font's character.
int Unit() {
    CArboApp* app = CArboApp::Get();
    return app ? std::max<int>(1, app->GetCharSize().cx) : 8;
}

}  // namespace

int CNetworkListBox::RowHeight() {
    CArboApp* app = CArboApp::Get();
    const int text = app ? app->GetCharSize().cy : 16;
    const int mark = app ? app->GetMarkSize().cy : 0;
    return std::max({text, mark, 1});
}

void CNetworkListBox::Refill() {
    const size_t rows = m_network ? m_network->Peers().size() : 0;
    m_selected.resize(rows, false);
    ResetContent();
    for (size_t i = 0; i < rows; ++i) AddString("");
    Invalidate(TRUE);
}

bool CNetworkListBox::IsRowSelected(int row) const {
    return row >= 0 && row < GetRowCount() && m_selected[static_cast<size_t>(row)];
}

void CNetworkListBox::SelectRow(int row, bool select) {
    if (row < 0 || row >= GetRowCount()) return;
    m_selected[static_cast<size_t>(row)] = select;
    Invalidate(FALSE);
}

void CNetworkListBox::MeasureItem(LPMEASUREITEMSTRUCT mis) {
    mis->itemHeight = static_cast<UINT>(RowHeight());
}

BOOL CNetworkListBox::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(client, GetSysColor(COLOR_BTNFACE));
    return FALSE;
}

void CNetworkListBox::OnLButtonDown(UINT, CPoint) {}

void CNetworkListBox::DrawItem(LPDRAWITEMSTRUCT dis) {
    CDC& dc = *dis->hDC;
    const CRect row(dis->rcItem);
    dc.FillSolidRect(row, GetSysColor(COLOR_BTNFACE));
    const int index = static_cast<int>(dis->itemID);
    if (!m_network || index < 0 || index >= static_cast<int>(m_network->Peers().size())) return;
    const CNetworkData& peer = m_network->Peers()[static_cast<size_t>(index)];
    CArboApp* app = CArboApp::Get();
    const int u = Unit();
    const int middle = (row.top + row.bottom) / 2;
    // The selection and the unfinished step, left of the number.
    if (app && IsRowSelected(index) && !peer.localFlag)
        app->DrawRowMark(dc, 0, CPoint(u, middle), TRUE);
    if (app && peer.stepDone == 0) app->DrawRowMark(dc, 1, CPoint(3 * u, middle), TRUE);

    const bool absent = peer.state == CNetworkData::kPlayerAbsent ||
                        peer.state == CNetworkData::kObserverAbsent;
    const COLORREF colour = absent || peer.colour < 0 ? GetSysColor(absent ? COLOR_GRAYTEXT : COLOR_BTNTEXT)
                                                      : GetColorTableEntry(peer.colour);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(colour);
    // The rows are in the header's font, their columns under its words.
    CFont* font = app ? app->GetFont(1) : nullptr;
    CFont* old = font ? dc.SelectObject(font) : nullptr;
    const std::string header = CNetworkWnd::kHeaderText;
    const size_t nameAt = header.find("Name");
    const size_t companyAt = header.find("Company");
    const int nameLeft = dc.GetTextExtent(header.substr(0, nameAt)).cx;
    const int companyLeft = dc.GetTextExtent(header.substr(0, companyAt)).cx;
    const int markWidth = app ? app->GetMarkSize().cx : 0;
    const int numberRight = std::min(dc.GetTextExtent(header.substr(0, header.find('.') + 1)).cx,
                                     nameLeft - markWidth - 6);
    const CSize extent = dc.GetTextExtent("0");
    const int y = middle - extent.cy / 2;
    // Each column is clipped to its own part of the row.
    auto column = [&](int left, int right, const std::string& text, bool alignRight) {
        const CRect clip(left, row.top, right, row.bottom);
        const int x = alignRight ? right - dc.GetTextExtent(text).cx : left;
        dc.ExtTextOut(x, y, ETO_CLIPPED, &clip, text);
    };
    column(numberRight - 3 * u, numberRight, FormatText("%3d", index + 1), true);
    if (app && peer.colour >= 0)
        app->DrawMark(dc, peer.colour, CPoint(nameLeft - 3 - markWidth / 2, middle), TRUE);
    column(nameLeft, companyLeft, peer.name, false);
    column(companyLeft, companyLeft + 24 * u, peer.companyName, false);
    if (old) dc.SelectObject(old);
}

}  // namespace judge
