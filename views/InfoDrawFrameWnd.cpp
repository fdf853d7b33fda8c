#include "views/InfoDrawFrameWnd.h"

#include <algorithm>

#include "game/VDoc.h"
#include "model/AppFonts.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Styles.h"
#include "views/BlockHost.h"
#include "views/InfoBtn.h"
#include "views/InfoWnd.h"
#include "views/OwnerRow.h"

namespace {

constexpr const char* kTabNames[CInfoDrawFrameWnd::kTabCount] = {"Status", "Director",
                                                                 "Achievement", "Team", "Stock"};

void ShowIf(CWnd& wnd, bool show) {
    if (wnd.IsWindow()) wnd.ShowWindow(show ? SW_SHOW : SW_HIDE);
}

}  // namespace

CInfoDrawFrameWnd::CInfoDrawFrameWnd() : m_tabs(*this), m_selector(*this) {}

CInfoBasePageWnd* CInfoDrawFrameWnd::GetTabPage(int tab) {
    switch (tab) {
        case kTabStatus: return &m_status;
        case kTabDirector: return &m_director;
        case kTabAchievement: return &m_achievement;
        case kTabTeam: return &m_team;
        case kTabStock: return &m_stocks;
        default: return nullptr;
    }
}

// ---------------------------------------------------------------- window

int CInfoDrawFrameWnd::OnCreate(CREATESTRUCT* create) {
    if (CWnd::OnCreate(create) == -1) return -1;
    if (!m_selector.CreateEx(WS_EX_CLIENTEDGE, "VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE,
                             CRect(0, 0, 0, 0), this, 0))
        return -1;
    if (!CreateTabs() || !CreatePages()) return -1;
    return 0;
}

bool CInfoDrawFrameWnd::CreateTabs() {
    if (!m_tabs.Create(WS_CHILD | WS_VISIBLE | TCS_RAGGEDRIGHT, CRect(0, 0, 0, 0), this,
                       kTabCtrlId))
        return false;
    IBlockHost* host = IBlockHost::Get();
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    if (fonts) m_tabs.SetFont(fonts->GetUIFont(), FALSE);
    for (int tab = 0; tab < kTabCount; ++tab) {
        TCITEM item;
        item.mask = TCIF_TEXT;
        item.text = kTabNames[tab];
        if (m_tabs.InsertItem(tab, &item) != tab) return false;
    }
    return true;
}

bool CInfoDrawFrameWnd::CreatePages() {
    CInfoBasePageWnd* pages[] = {&m_list, &m_status, &m_director, &m_achievement, &m_team, &m_stocks};
    UINT id = kFirstPageId;
    for (CInfoBasePageWnd* page : pages) {
        // Only the status page shows before a company is chosen.
        const DWORD style = page == &m_status ? WS_CHILD | WS_VISIBLE : WS_CHILD;
        if (!page->CreateEx(0, "VELMO_3DFaceWindow", nullptr, style, CRect(0, 0, 0, 0), this, id++))
            return false;
    }
    return true;
}

void CInfoDrawFrameWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    const int left = kSelectorCells * OwnerRow::LayoutSize().cx;
    const int width = std::max(cx - left, 0);
    if (m_selector.IsWindow()) m_selector.SetWindowPos(nullptr, 0, 0, left, cy, SWP_NOZORDER);
    int tabHeight = 0;
    if (m_tabs.IsWindow()) {
        CRect item;
        if (m_tabs.GetItemRect(0, &item)) tabHeight = item.Height() + 2 * item.top;
        m_tabs.SetWindowPos(nullptr, left, 0, width, tabHeight, SWP_NOZORDER);
    }
    if (m_list.IsWindow()) m_list.SetWindowPos(nullptr, left, 0, width, cy, SWP_NOZORDER);
    for (int tab = 0; tab < kTabCount; ++tab) {
        CInfoBasePageWnd* page = GetTabPage(tab);
        if (page->IsWindow())
            page->SetWindowPos(nullptr, left, tabHeight, width, std::max(cy - tabHeight, 0),
                               SWP_NOZORDER);
    }
}

LRESULT CInfoDrawFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* head = reinterpret_cast<const NMHDR*>(lParam);
    if (message == WM_NOTIFY && head && head->idFrom == kTabCtrlId &&
        head->code == TCN_SELCHANGE) {
        // The page shown now was kept current by RefreshPages.
        ShowPages(FALSE);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

// ---------------------------------------------------------------- companies

void CInfoDrawFrameWnd::SetCompany(int index) {
    if (index == m_company) return;
    m_company = index;
    if (m_tabs.IsWindow()) m_tabs.SetCurSel(kTabStatus);
    m_selector.Select(index + 1, TRUE);
}

void CInfoDrawFrameWnd::ShowCompany(int index, BOOL force) {
    const int old = m_shown;
    if (index >= 0) m_shown = index;
    ShowPages(index < 0);
    if (index != old || force) RefreshPages();
}

void CInfoDrawFrameWnd::ShowPages(BOOL listOnly) {
    const int tab = listOnly ? -1 : (m_tabs.IsWindow() ? m_tabs.GetCurSel() : kTabStatus);
    ShowIf(m_tabs, tab != -1);
    ShowIf(m_list, tab == -1);
    for (int t = 0; t < kTabCount; ++t) ShowIf(*GetTabPage(t), t == tab);
    // A table shown anew starts at its first row.
    if (tab == -1) m_list.ResetTopRow();
    if (tab == kTabDirector) m_director.ResetTopRow();
}

void CInfoDrawFrameWnd::RefreshPages() {
    ++m_refreshCount;
    m_list.Refresh();
    m_status.Refresh();
    m_director.Refresh();
    m_achievement.Refresh();
    m_team.Refresh();
    m_stocks.Refresh();
}

void CInfoDrawFrameWnd::SelectCompany(int index) {
    CVDoc* doc = OwnerRow::Document();
    if (index == -1 && doc) {
        index = doc->GetOwnCompanyIndex();
        if (index == -1) index = doc->GetTurnEnterprise(-1);
    }
    ShowCompany(index, TRUE);
    m_selector.SetFirst(0, TRUE);
    m_selector.SelectAndShow(index + 1);
    for (int i = 0; i < m_selector.GetButtonCount(); ++i) {
        CInfoBtn* button = m_selector.GetButton(i);
        if (button->IsWindow()) button->Invalidate(TRUE);
    }
}

void CInfoDrawFrameWnd::ForwardMouseWheel(int delta, int x, int y) {
    if (!m_selector.IsWindow()) return;
    CRect rect;
    m_selector.GetWindowRect(&rect);
    if (rect.PtInRect(CPoint(x, y))) m_selector.OnWheel(delta);
    CSortedTablePage* tables[] = {&m_list, &m_director};
    for (CSortedTablePage* table : tables) {
        if (!table->IsWindow() || !table->IsWindowVisible()) continue;
        table->GetWindowRect(&rect);
        if (rect.PtInRect(CPoint(x, y))) table->ScrollByWheel(delta, x, y);
    }
}

void CInfoDrawFrameWnd::InvalidateTitle() {
    auto* info = dynamic_cast<CInfoWnd*>(GetParent());
    if (info && info->GetTitle().IsWindow()) info->GetTitle().Invalidate(TRUE);
}
