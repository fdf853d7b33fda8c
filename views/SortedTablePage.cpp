#include "views/SortedTablePage.h"

#include <algorithm>

#include "game/VDoc.h"
#include "model/AppFonts.h"
#include "model/Enterprise.h"
#include "platform/gfx/DC.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"
#include "views/BlockMessages.h"
#include "views/InfoDrawFrameWnd.h"
#include "views/InfoPage.h"
#include "views/SortedTableBody.h"

namespace {

constexpr int kWheelStep = 120;
// The button's width and the narrowest room left of it, in caption widths.
constexpr int kButtonCells = 23;
constexpr int kButtonMinLeft = 5;

CFont* UIFont() {
    IBlockHost* host = IBlockHost::Get();
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    return fonts ? fonts->GetUIFont() : nullptr;
}

}  // namespace

int CSortedTablePage::CaptionWidth() {
    IBlockHost* host = IBlockHost::Get();
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    const int width = fonts ? fonts->GetCaptionLineSize().cx : 0;
    return width > 0 ? width : InfoPage::LayoutCell().cx;
}

CSortedTablePage::CSortedTablePage(std::span<const SColumn> columns, const SChildIds& ids,
                                   const SArrangementFields& fields, CSortedTableBody& body)
    : m_columns(columns), m_ids(ids), m_fields(fields), m_body(body) {}

int CSortedTablePage::GetViewingIndex() const {
    const auto* frame = dynamic_cast<const CInfoDrawFrameWnd*>(GetParent());
    return frame ? frame->GetCompany() : -1;
}

CEnterprise* CSortedTablePage::ViewingCompany() const {
    const int index = GetViewingIndex();
    CVDoc* doc = InfoPage::Document();
    return index >= 0 && doc ? doc->GetEnterprise(index) : nullptr;
}

int CSortedTablePage::GetHeaderTop() const {
    return HeaderTopFor(InfoPage::LayoutCell());
}

// ---------------------------------------------------------------- creation

int CSortedTablePage::OnCreate(CREATESTRUCT* create) {
    if (CInfoBasePageWnd::OnCreate(create) == -1) return -1;
    const CRect empty(0, 0, 0, 0);
    if (!m_resetButton.Create("Reset Order", WS_CHILD | WS_VISIBLE, empty, this, kResetButtonId))
        return -1;
    m_resetButton.SetFont(UIFont(), FALSE);
    if (!CreateHeader()) return -1;
    if (!m_body.CreateEx(0, "VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE, empty, this,
                         m_ids.body))
        return -1;
    // Without its bar the page could not show every row.
    if (!m_scrollBar.Create(WS_CHILD | WS_VISIBLE | WS_GROUP | SBS_VERT | SBS_LEFTALIGN, empty, this,
                            m_ids.scrollBar))
        return -1;
    return 0;
}

bool CSortedTablePage::CreateHeader() {
    if (!m_header.Create(WS_CHILD | WS_VISIBLE | HDS_BUTTONS | HDS_HOTTRACK, CRect(0, 0, 0, 0), this,
                         m_ids.header))
        return false;
    m_header.SetFont(UIFont(), FALSE);
    const int unit = DefaultWidthUnit();
    m_defaultWidths.clear();
    for (size_t i = 0; i < m_columns.size(); ++i) {
        HDITEM item;
        item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT;
        item.cxy = 10 + unit * m_columns[i].cells;
        item.text = m_columns[i].title;
        item.fmt = m_columns[i].format;
        if (m_header.InsertItem(static_cast<int>(i), &item) != static_cast<int>(i)) return false;
        m_defaultWidths.push_back(item.cxy);
    }
    m_body.SetColumnWidths(m_defaultWidths);
    return true;
}

// ---------------------------------------------------------------- arrangement

std::vector<int> CSortedTablePage::GetColumnWidths() const {
    std::vector<int> widths;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        HDITEM item;
        item.mask = HDI_WIDTH;
        widths.push_back(m_header.IsWindow() && m_header.GetItem(static_cast<int>(i), &item)
                             ? item.cxy
                             : m_defaultWidths.at(i));
    }
    return widths;
}

void CSortedTablePage::SetColumnWidth(int column, int width) {
    HDITEM item;
    item.mask = HDI_WIDTH;
    item.cxy = width;
    m_header.SetItem(column, &item);
}

void CSortedTablePage::SaveColumnWidths() {
    const std::vector<int> widths = GetColumnWidths();
    m_body.SetColumnWidths(widths);
    CEnterprise* viewing = ViewingCompany();
    if (!viewing) return;
    for (size_t i = 0; i < widths.size(); ++i)
        (viewing->*m_fields.setWidth)(static_cast<int>(i), widths[i]);
}

void CSortedTablePage::SortBody() {
    const CEnterprise* viewing = ViewingCompany();
    if (!viewing) return;
    m_body.Sort((viewing->*m_fields.getColumn)(), (viewing->*m_fields.getDirection)());
}

void CSortedTablePage::Refresh() {
    CEnterprise* viewing = ViewingCompany();
    if (!IsWindow() || !viewing) return;
    if (m_header.IsWindow())
        for (size_t i = 0; i < m_columns.size(); ++i) {
            const int stored = (viewing->*m_fields.getWidth)(static_cast<int>(i));
            SetColumnWidth(static_cast<int>(i), stored >= 0 ? stored : m_defaultWidths.at(i));
        }
    SortBody();
    CRect client;
    GetClientRect(&client);
    Layout(client.Width(), client.Height());
    Invalidate(FALSE);
}

void CSortedTablePage::SortByColumn(int column) {
    CEnterprise* viewing = ViewingCompany();
    if (!viewing || column < 0 || column >= static_cast<int>(m_columns.size())) return;
    // The direction is shared: only a second click on the same column
    // reverses it.
    if ((viewing->*m_fields.getColumn)() == column + 1) (viewing->*m_fields.reverseDirection)();
    (viewing->*m_fields.setColumn)(column + 1);
    SortBody();
    if (m_body.IsWindow()) m_body.Invalidate(TRUE);
}

void CSortedTablePage::ResetOrder() {
    CEnterprise* viewing = ViewingCompany();
    if (!viewing) return;
    (viewing->*m_fields.setColumn)(0);
    SortBody();
    if (m_body.IsWindow()) m_body.Invalidate(TRUE);
}

// ---------------------------------------------------------------- layout

void CSortedTablePage::OnSize(UINT type, int cx, int cy) {
    CInfoBasePageWnd::OnSize(type, cx, cy);
    Layout(cx, cy);
}

int CSortedTablePage::LastTopRow() const {
    return std::max(m_body.GetItemCount() - m_rowsPerPage, 0);
}

void CSortedTablePage::Layout(int cx, int cy) {
    if (!IsWindow() || !m_header.IsWindow() || !CanLayout()) return;
    const CSize cell = InfoPage::LayoutCell();
    const int u = CaptionWidth();
    const int s = 3 * cell.cy / 2;
    const int buttonLeft = cx - kButtonCells * u;
    if (buttonLeft >= kButtonMinLeft * u)
        m_resetButton.SetWindowPos(nullptr, buttonLeft, 0, kButtonCells * u, s,
                                   SWP_NOZORDER | SWP_SHOWWINDOW);
    else
        m_resetButton.ShowWindow(SW_HIDE);
    const int top = GetHeaderTop();
    m_header.SetWindowPos(nullptr, 0, top, cx, s, SWP_NOZORDER);
    // The last column takes the rest of the width.
    std::vector<int> widths = GetColumnWidths();
    int others = 0;
    for (size_t i = 0; i + 1 < widths.size(); ++i) others += widths[i];
    SetColumnWidth(static_cast<int>(widths.size()) - 1, std::max(cx - others, 0));
    SaveColumnWidths();

    const int bodyTop = top + s;
    const int rows = m_body.GetItemCount();
    const int rowHeight = std::max(m_body.GetRowHeight(), 1);
    const int room = std::max(cy - bodyTop, 0);
    int barWidth = 0;
    if (room < rows * rowHeight && rows > 1) {
        barWidth = GetSystemMetrics(SM_CXVSCROLL);
        m_rowsPerPage = room / rowHeight;
        m_body.SetTopRow(std::clamp(m_body.GetTopRow(), 0, LastTopRow()));
        m_scrollBar.SetWindowPos(nullptr, cx - barWidth, bodyTop, barWidth, room,
                                 SWP_NOZORDER | SWP_SHOWWINDOW);
        SCROLLINFO info{};
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        info.nMin = 0;
        info.nMax = rows - 1;
        info.nPage = static_cast<UINT>(m_rowsPerPage);
        info.nPos = m_body.GetTopRow();
        m_scrollBar.SetScrollInfo(&info, TRUE);
        m_body.Invalidate(TRUE);
    } else {
        m_body.SetTopRow(0);
        m_scrollBar.ShowWindow(SW_HIDE);
    }
    m_body.SetWindowPos(nullptr, 0, bodyTop, std::max(cx - barWidth, 0),
                        std::min(room, rows * rowHeight), SWP_NOZORDER | SWP_SHOWWINDOW);
}

// ---------------------------------------------------------------- scrolling

void CSortedTablePage::ScrollTo(int row) {
    row = std::clamp(row, 0, LastTopRow());
    if (m_scrollBar.IsWindow()) m_scrollBar.SetScrollPos(row, TRUE);
    if (row == m_body.GetTopRow()) return;
    m_body.SetTopRow(row);
    if (m_body.IsWindow()) m_body.Invalidate(TRUE);
}

void CSortedTablePage::ScrollByWheel(int delta, int /*x*/, int /*y*/) {
    if (!m_scrollBar.IsWindow() || !m_scrollBar.IsWindowVisible() || !TakesWheel()) return;
    const int notches = static_cast<short>(delta) / kWheelStep;
    if (notches != 0) ScrollTo(m_body.GetTopRow() - notches);
}

void CSortedTablePage::ResetTopRow() {
    m_body.SetTopRow(0);
    if (m_scrollBar.IsWindow()) m_scrollBar.SetScrollPos(0, TRUE);
}

// ---------------------------------------------------------------- messages

LRESULT CSortedTablePage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_BLOCK_HEADER_RESIZED:
            SaveColumnWidths();
            if (m_body.IsWindow()) m_body.Invalidate(TRUE);
            return 0;
        case WM_BLOCK_HEADER_CLICKED:
            SortByColumn(static_cast<int>(wParam));
            return 0;
        case WM_BLOCK_SCROLLED:
            ScrollTo(static_cast<int>(wParam));
            return 0;
        default:
            return CInfoBasePageWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CSortedTablePage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == kResetButtonId && HIWORD(wParam) == BN_CLICKED) {
        ResetOrder();
        return TRUE;
    }
    return CInfoBasePageWnd::OnCommand(wParam, lParam);
}

// ---------------------------------------------------------------- painting

int CSortedTablePage::TitleRight(int width) const {
    if (!m_resetButton.IsWindow()) return width;
    CRect button;
    m_resetButton.GetWindowRect(&button);
    ScreenToClient(&button);
    return button.left;
}

void CSortedTablePage::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    // The header and the body cover the rest.
    InfoPage::PaintOffScreen(dc, client.Width(), client.Height(),
                             [&](CDC& page) { DrawTitle(page, client.Width()); });
}

BOOL CSortedTablePage::OnEraseBkgnd(CDC* /*dc*/) {
    return TRUE;
}
