#include "judge/EpDrawFrameWnd.h"

#include <algorithm>

#include "judge/ArboApp.h"
#include "judge/ArboDoc.h"
#include "judge/RowScroll.h"
#include "judge/MainFrame.h"
#include "platform/ui/Messages.h"

namespace judge {

CEpDrawFrameWnd::~CEpDrawFrameWnd() {
    // The rows go before the pane that holds them.
    if (IsWindow()) DestroyWindow();
    m_rows.clear();
}

bool CEpDrawFrameWnd::CreatePane(CWnd* parent) {
    if (!CreateEx(0, CArboApp::kFaceClass, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL,
                  CRect(0, 0, 0, 0), parent, 0)) {
        return false;
    }
    ShowScrollBar(SB_VERT, FALSE);
    if (!m_overlay->CreateTable(this)) return false;
    const int count = m_doc ? m_doc->GetCompanyCount() : 0;
    for (int i = 0; i < count; ++i) {
        auto row = std::make_unique<CEpWnd>(m_doc);
        if (!row->CreateRow(this)) return false;
        row->SetCompany(i);
        m_rows.push_back(std::move(row));
    }
    return true;
}

int CEpDrawFrameWnd::RowHeight(int charHeight, int markHeight) {
    return std::max(charHeight, markHeight) + 2 * charHeight;
}

int CEpDrawFrameWnd::GetRowHeight() const {
    CArboApp* app = CArboApp::Get();
    return app ? RowHeight(app->GetCharSize().cy, app->GetMarkSize().cy) : 0;
}

void CEpDrawFrameWnd::LayoutToClient() {
    CRect client;
    GetClientRect(&client);
    LayoutRows(client.Width(), client.Height());
}

void CEpDrawFrameWnd::LayoutRows(int width, int height) {
    CArboApp* app = CArboApp::Get();
    // The total ranking takes the pane over once the results are shown.
    if (m_inLayout || (app && app->GetMainFrame() && app->GetMainFrame()->AreResultsShown())) {
        return;
    }
    const int n = GetRowCount();
    const int d = GetRowHeight();
    if (n == 0 || d <= 0) return;
    m_inLayout = true;
    if (height >= n * d) {
        if (m_first != -1) {
            m_first = -1;
            ShowScrollBar(SB_VERT, FALSE);
            CRect client;
            GetClientRect(&client);
            width = client.Width();
        }
        m_visible = n;
        for (int i = 0; i < n; ++i) {
            const int top = static_cast<int>(static_cast<int64_t>(height) * i / n);
            const int bottom = static_cast<int>(static_cast<int64_t>(height) * (i + 1) / n) - 1;
            GetRow(i).MoveWindow(0, top, width, bottom - top, TRUE);
            GetRow(i).ShowWindow(SW_SHOW);
        }
    } else {
        if (m_first == -1) {
            m_first = 0;
            ShowScrollBar(SB_VERT, TRUE);
            CRect client;
            GetClientRect(&client);
            width = client.Width();
        }
        m_visible = height / d;
        m_first = std::clamp(m_first, 0, n - 1);
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = n - 1;
        info.nPage = static_cast<UINT>(m_visible);
        info.nPos = m_first;
        SetScrollInfo(SB_VERT, &info, TRUE);
        const int last = m_first + (height - 1) / d;
        for (int i = 0; i < n; ++i) {
            if (i >= m_first && i <= last) {
                GetRow(i).MoveWindow(0, (i - m_first) * d, width, d, TRUE);
                GetRow(i).ShowWindow(SW_SHOW);
            } else {
                GetRow(i).ShowWindow(SW_HIDE);
            }
        }
    }
    m_inLayout = false;
}

void CEpDrawFrameWnd::ScrollRows(int delta) {
    if (m_first == -1) return;
    const int first = std::clamp(m_first + delta, 0, std::max(0, GetRowCount() - 1));
    if (first == m_first) return;
    m_first = first;
    LayoutToClient();
}

void CEpDrawFrameWnd::UpdateAllBars() {
    for (auto& row : m_rows) row->GetData().UpdateBar();
}

void CEpDrawFrameWnd::ShowAllBars(bool show) {
    for (auto& row : m_rows) row->GetData().GetBar().ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CEpDrawFrameWnd::SetTextShownAll(bool shown) {
    for (auto& row : m_rows) row->GetData().SetTextShown(shown);
}

void CEpDrawFrameWnd::ShowOverlay() {
    m_overlayShown = true;
    // The steps' orders are those of the finished judgment.
    m_overlay->BuildPageOrders();
    for (auto& row : m_rows) row->ShowWindow(SW_HIDE);
    // The rows lay out afresh, scroll bar included, should they come back.
    m_first = -1;
    ShowScrollBar(SB_VERT, FALSE);
    PlaceOverlay();
    m_overlay->ShowWindow(SW_SHOW);
}

void CEpDrawFrameWnd::PlaceOverlay() {
    CRect client;
    GetClientRect(&client);
    m_overlay->MoveWindow(0, 0, client.Width(), client.Height(), TRUE);
}

void CEpDrawFrameWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    if (m_overlayShown) {
        PlaceOverlay();
    } else {
        LayoutRows(cx, cy);
    }
}

void CEpDrawFrameWnd::OnVScroll(UINT code, UINT pos, CWnd* scrollBar) {
    (void)scrollBar;
    ScrollRows(RowScrollDelta(code, pos, m_first, m_visible));
}

BOOL CEpDrawFrameWnd::OnMouseWheel(UINT flags, short delta, CPoint point) {
    if (!m_overlayShown) {
        ScrollRows(-delta / WHEEL_DELTA);
        return TRUE;
    }
    if (m_forwardingWheel || !m_overlay->IsWindow()) return TRUE;
    m_forwardingWheel = true;
    m_overlay->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(flags, static_cast<WORD>(delta)),
                           MAKELPARAM(point.x, point.y));
    m_forwardingWheel = false;
    return TRUE;
}

}  // namespace judge
