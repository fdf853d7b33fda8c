#include "views/MapBtnFrame.h"

#include <algorithm>

#include "game/VDoc.h"
#include "model/AppFonts.h"
#include "model/MapDoc.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"
#include "views/BlockMessages.h"
#include "views/MapBtn.h"
#include "views/OwnerRow.h"
#include "views/ViewHost.h"

namespace {

int g_screenHeight = 0;

CAppFonts* Fonts() {
    IBlockHost* host = IBlockHost::Get();
    return host ? host->GetAppFonts() : nullptr;
}

}  // namespace

const char* const CMapBtnFrame::kModeNames[kModeCount] = {
    "Land price/Expand", "Population", "Governor", "City Project", "Disaster", "Promoting Expos"};

CMapBtnFrame::CMapBtnFrame() = default;

// The buttons go before the window that holds them.
CMapBtnFrame::~CMapBtnFrame() {
    if (IsWindow()) DestroyWindow();
}

void CMapBtnFrame::SetScreenHeight(int pixels) {
    g_screenHeight = pixels;
}

void CMapBtnFrame::SetFocusNeighbours(std::function<void()> companySelector,
                                      std::function<CWnd*()> companyTabs) {
    m_companySelector = std::move(companySelector);
    m_companyTabs = std::move(companyTabs);
}

int CMapBtnFrame::AreaCount() const {
    CVDoc* doc = OwnerRow::Document();
    return doc ? doc->GetMap().GetAreaCount() : 0;
}

CMapBtn* CMapBtnFrame::GetButton(int slot) const {
    if (slot < 0 || slot >= GetCount()) return nullptr;
    return m_buttons[static_cast<size_t>(slot)].get();
}

// ---------------------------------------------------------------- creation

int CMapBtnFrame::CreateButtons() {
    const int ch = std::max(OwnerRow::LayoutSize().cy, 1);
    m_buttonSize = CSize(0, 3 * ch);
    const int screen = g_screenHeight > 0 ? g_screenHeight : GetSystemMetrics(SM_CYFULLSCREEN);
    const int count = std::max((screen - ch) / m_buttonSize.cy, 0);
    CFont* messageFont = Fonts() ? Fonts()->GetMessageFont() : nullptr;
    CVDoc* doc = OwnerRow::Document();
    const int areas = AreaCount();
    for (int i = 0; i < count; ++i) {
        auto button = std::make_unique<CMapBtn>(*this);
        const CRect rect(0, i * m_buttonSize.cy + ch, 0, (i + 1) * m_buttonSize.cy + ch);
        if (!button->Create("", WS_CHILD | WS_TABSTOP | BS_OWNERDRAW, rect, this,
                            kFirstButtonId + static_cast<UINT>(i))) {
            m_buttons.clear();
            return 0;
        }
        button->SetFont(messageFont, FALSE);
        button->SetArea(i < areas ? i : -1);
        button->ComputeValues(m_mode, doc);
        m_buttons.push_back(std::move(button));
    }
    const CRect empty(0, 0, 0, 0);
    if (!m_scrollBar.Create(WS_CHILD | WS_VISIBLE | WS_GROUP | SBS_VERT | SBS_LEFTALIGN, empty,
                            this, kScrollBarId)) {
        m_buttons.clear();
        return 0;
    }
    if (!m_tabs.Create(WS_CHILD | WS_VISIBLE | TCS_BUTTONS | TCS_RAGGEDRIGHT, empty, this, kTabsId))
        return -1;
    for (int mode = 0; mode < kModeCount; ++mode) m_tabs.InsertItem(mode, kModeNames[mode]);
    m_tabs.SetFont(Fonts() ? Fonts()->GetUIFont() : nullptr, FALSE);
    CMyTabCtrl::SOwner owner;
    owner.refreshAll = [this] { RefreshAll(); };
    owner.nextFocus = [this]() -> CWnd* { return GetButton(0); };
    owner.previousFocus = [this]() -> CWnd* { return m_companyTabs ? m_companyTabs() : nullptr; };
    m_tabs.SetOwner(std::move(owner));
    return 1;
}

// ---------------------------------------------------------------- layout

int CMapBtnFrame::TabHeight() const {
    CRect item(0, 0, 0, 0);
    if (!m_tabs.GetItemRect(0, &item)) return 0;
    return item.Height() + 2 * item.top;
}

void CMapBtnFrame::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    Layout(cx, cy);
}

void CMapBtnFrame::Layout(int cx, int cy) {
    if (!m_tabs.IsWindow()) return;
    const int tabH = TabHeight();
    m_tabs.SetWindowPos(nullptr, 0, 0, cx, tabH, SWP_NOZORDER);
    m_tabs.ShowWindow(SW_SHOW);
    const CSize cell = OwnerRow::LayoutSize();
    const int areas = AreaCount();
    const int bh = std::max(m_buttonSize.cy, 1);
    const bool needed = cell.cy < cy && cy < tabH + int64_t{bh} * areas;
    int barWidth = 0;
    m_barShown = needed;
    if (needed) {
        barWidth = GetSystemMetrics(SM_CXVSCROLL);
        m_scrollBar.SetWindowPos(nullptr, cx - barWidth, tabH, barWidth, cy - tabH, SWP_NOZORDER);
        m_scrollBar.ShowWindow(SW_SHOW);
        m_page = std::max(1, (cy - tabH) / bh);
        // A taller pane leaves no empty slots below the last area.
        const int first = std::clamp(m_first, 0, std::max(areas - m_page, 0));
        SCROLLINFO info{};
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        info.nMin = 0;
        info.nMax = areas - 1;
        info.nPage = static_cast<UINT>(m_page);
        info.nPos = first;
        m_scrollBar.SetScrollInfo(&info, TRUE);
        SetFirstVisible(first, TRUE);
    } else {
        m_scrollBar.ShowWindow(SW_HIDE);
        SetFirstVisible(0, TRUE);
    }
    const int width = cx - barWidth;
    m_narrow = width < 2 * cell.cx;
    for (int i = 0; i < GetCount(); ++i) {
        CMapBtn& button = *m_buttons[static_cast<size_t>(i)];
        button.SetWindowPos(nullptr, 0, tabH + i * bh, width, bh, SWP_NOZORDER);
        button.ShowWindow(!m_narrow && button.GetArea() >= 0 ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
}

// ---------------------------------------------------------------- scrolling

void CMapBtnFrame::SetFirstVisible(int first, BOOL redraw) {
    first = std::max(first, 0);
    // The slots may still show the areas of an earlier game.
    const bool current = GetCount() == 0 || GetButton(0)->GetArea() == (first < AreaCount() ? first : -1);
    if (first == m_first && current) return;
    m_first = first;
    if (m_scrollBar.IsWindow()) m_scrollBar.SetScrollPos(first, redraw);
    AssignAreas(redraw);
}

void CMapBtnFrame::AssignAreas(BOOL redraw) {
    CWnd* focus = GetFocus();
    CVDoc* doc = OwnerRow::Document();
    const int areas = AreaCount();
    for (int i = 0; i < GetCount(); ++i) {
        CMapBtn& button = *m_buttons[static_cast<size_t>(i)];
        // The button is about to show another area.
        if (focus == &button) {
            IBlockHost* host = IBlockHost::Get();
            CWnd* main = host ? host->GetMainWindow() : nullptr;
            (main && main->IsWindow() ? main : static_cast<CWnd*>(this))->SetFocus();
            focus = nullptr;
        }
        const int area = m_first + i;
        if (area >= areas) {
            button.SetArea(-1);
            if (button.IsWindow()) button.ShowWindow(SW_HIDE);
            continue;
        }
        button.SetArea(area);
        button.ComputeValues(m_mode, doc);
        if (!button.IsWindow()) continue;
        if (!m_narrow) button.ShowWindow(SW_SHOWNA);
        if (redraw) Repaint(button);
    }
}

void CMapBtnFrame::ScrollByWheel(int delta) {
    // Before a layout has shown the bar there is no page to keep to.
    if (!m_barShown) return;
    const int n = delta / 120;
    const int most = std::max(AreaCount() - m_page, 0);
    SetFirstVisible(std::clamp(m_first - n, 0, most), TRUE);
}

LRESULT CMapBtnFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_BLOCK_SCROLLED) {
        SetFirstVisible(static_cast<int>(wParam), TRUE);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

// ---------------------------------------------------------------- refreshing

void CMapBtnFrame::Repaint(CMapBtn& button) {
    if (!button.IsWindow()) return;
    button.Invalidate(TRUE);
    button.UpdateWindow();
}

void CMapBtnFrame::RepaintArea(int area, BOOL recompute) {
    if (area < m_first || area >= m_first + GetCount()) return;
    CMapBtn& button = *m_buttons[static_cast<size_t>(area - m_first)];
    if (button.GetArea() != area) return;
    if (recompute) button.ComputeValues(m_mode, OwnerRow::Document());
    Repaint(button);
}

int CMapBtnFrame::SelectArea(int area, BOOL redraw) {
    if (!m_view) return 0;
    const int old = m_view->GetShownArea();
    if (m_view->ShowArea(area) == 0) return 0;
    if (redraw) {
        RepaintArea(old, FALSE);
        RepaintArea(area, FALSE);
    }
    return 1;
}

void CMapBtnFrame::RefreshAreaButton(int area) {
    if (area != -1) {
        RepaintArea(area, TRUE);
        return;
    }
    for (int i = 0; i < GetCount(); ++i) RepaintArea(m_first + i, TRUE);
}

void CMapBtnFrame::RefreshPriceButton(int area) {
    if (m_mode == 0) RepaintArea(area, FALSE);
}

void CMapBtnFrame::RefreshAll() {
    if (m_tabs.IsWindow()) m_mode = std::clamp(m_tabs.GetCurSel(), 0, kModeCount - 1);
    AssignAreas(TRUE);
}

// ---------------------------------------------------------------- focus

int CMapBtnFrame::GetFocusedIndex(BOOL absolute) const {
    const CWnd* focus = GetFocus();
    if (!focus) return -2;
    if (focus == &m_tabs) return -1;
    for (int i = 0; i < GetCount(); ++i)
        if (focus == m_buttons[static_cast<size_t>(i)].get()) return i + (absolute ? m_first : 0);
    return -2;
}

void CMapBtnFrame::FocusArea(int area) {
    const int areas = AreaCount();
    if (areas <= 0 || GetCount() == 0) return;
    if (area < 0) area = areas - 1;
    if (area >= areas) area = 0;
    CRect client;
    GetClientRect(&client);
    const int fit = (client.Height() - TabHeight()) / std::max(m_buttonSize.cy, 1);
    const int last = m_first + std::clamp(fit - 1, 0, GetCount() - 1);
    int slot = area - m_first;
    if (area < m_first) {
        SetFirstVisible(area, TRUE);
        slot = 0;
    } else if (area > last) {
        slot = last - m_first;
        SetFirstVisible(area - slot, TRUE);
    }
    if (CMapBtn* button = GetButton(slot)) button->SetFocus();
}

void CMapBtnFrame::FocusTabs() {
    if (m_tabs.IsWindow()) m_tabs.SetFocus();
}

void CMapBtnFrame::FocusCompanySelector() {
    if (m_companySelector) m_companySelector();
}
