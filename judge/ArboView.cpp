#include "judge/ArboView.h"

#include <algorithm>
#include <cstdio>

#include "judge/ArboApp.h"
#include "judge/ArboDoc.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

namespace {

constexpr int kPerMille = 1000;

}  // namespace

CArboView::CArboView(CArboDoc* doc)
    : m_doc(doc), m_topFrame(this), m_companyPane(doc, this), m_mapFrame(doc, this),
      m_itemPane(doc) {}

CArboView::~CArboView() {
    if (IsWindow()) DestroyWindow();
}

bool CArboView::CreatePanes() {
    const CRect none(0, 0, 0, 0);
    if (!m_topFrame.CreatePane(this)) return false;
    if (!m_companyPane.CreatePane(this)) return false;
    if (!m_mapFrame.CreateFrame(this)) return false;
    if (!m_itemPane.CreateEx(WS_EX_DLGMODALFRAME, CArboApp::kFaceClass, "", WS_CHILD, none, this,
                             0)) {
        return false;
    }
    LayoutToClient();
    return true;
}

void CArboView::LayoutToClient() {
    if (!IsWindow()) return;
    CRect client;
    GetClientRect(&client);
    LayoutPanes(client.Width(), client.Height());
}

void CArboView::LayoutPanes(int w, int h) {
    int f = m_mode != kModeNone ? static_cast<int>(static_cast<int64_t>(w) * m_horizontalRatio /
                                                   kPerMille)
                                : w;
    f = std::max(f, GetSystemMetrics(SM_CXDLGFRAME));
    int g = static_cast<int>(static_cast<int64_t>(h) * m_verticalRatio / kPerMille);
    g = std::max(g, GetSystemMetrics(SM_CYDLGFRAME));
    if (m_topFrame.IsWindow()) {
        m_topFrame.MoveWindow(0, 0, w, g, TRUE);
        m_topFrame.ShowWindow(SW_SHOW);
        m_topFrame.Invalidate(TRUE);
    }
    if (m_companyPane.IsWindow()) {
        m_companyPane.MoveWindow(0, g, f, h - g, TRUE);
        m_companyPane.ShowWindow(SW_SHOW);
    }
    if (m_mapFrame.IsWindow()) {
        m_mapFrame.MoveWindow(f, g, w - f, h - g, TRUE);
        m_mapFrame.ShowWindow(m_mode == kModeMap ? SW_SHOW : SW_HIDE);
    }
    if (m_itemPane.IsWindow()) {
        m_itemPane.MoveWindow(f, g, w - f, h - g, TRUE);
        // Mode 0 leaves the item pane no width; it is hidden then as well.
        m_itemPane.ShowWindow(m_mode >= 2 ? SW_SHOW : SW_HIDE);
    }
}

void CArboView::SetTopHeight(int y) {
    if (!IsWindow()) return;
    CRect client;
    GetClientRect(&client);
    // A minimised window has no client height to take a share of.
    if (client.Height() <= 0) return;
    const int64_t ratio = static_cast<int64_t>(y) * kPerMille / client.Height();
    m_verticalRatio = static_cast<int>(std::clamp<int64_t>(ratio, 0, kPerMille));
    LayoutPanes(client.Width(), client.Height());
}

void CArboView::SetLeftWidth(int x) {
    if (!IsWindow()) return;
    CRect client;
    GetClientRect(&client);
    if (client.Width() <= 0) return;
    const int64_t ratio = static_cast<int64_t>(x) * kPerMille / client.Width();
    m_horizontalRatio = static_cast<int>(std::clamp<int64_t>(ratio, 0, kPerMille));
    LayoutPanes(client.Width(), client.Height());
}

void CArboView::SetRatios(int horizontal, int vertical) {
    m_horizontalRatio = std::clamp(horizontal, 0, kPerMille);
    m_verticalRatio = std::clamp(vertical, 0, kPerMille);
    LayoutToClient();
}

void CArboView::SetDisplayMode(int mode, BOOL force) {
    const int old = m_mode;
    m_mode = mode;
    const bool changed = old != mode;
    const bool itemMode = mode >= 2 && mode <= 5;
    m_itemPane.SetMode(mode);
    if (changed && m_itemPane.IsWindow()) m_itemPane.ShowWindow(itemMode ? SW_SHOW : SW_HIDE);
    if ((itemMode || force) && m_itemPane.IsWindow()) {
        CRect rect;
        m_itemPane.GetClientRect(&rect);
        m_itemPane.Relayout(rect.Width(), rect.Height());
        m_itemPane.RedrawWindow();
    }
    if (changed && m_mapFrame.IsWindow()) {
        m_mapFrame.ShowWindow(mode == kModeMap ? SW_SHOW : SW_HIDE);
    }
    if ((mode == kModeMap || force) && m_mapFrame.IsWindow()) m_mapFrame.RedrawWindow();
    if (old == kModeNone || mode == kModeNone) LayoutToClient();
}

int CArboView::ShowAreaMap(int area) {
    if (area == m_area) return 0;
    m_area = area;
    if (m_mapFrame.IsWindow()) m_mapFrame.ViewChanged();
    return 1;
}

std::vector<int> CArboView::TurnSteps(int from, int to) {
    if (from == to) return {};
    int steps = to - from;
    if (steps > 2) steps = -1;
    if (steps < -1) steps += 4;
    if (steps == 2) return {-1, -1};
    return {steps};
}

int CArboView::DraggedEdge(int pos, int edgeStart, int pressPos, int parentSize, int edge) {
    const int64_t start = int64_t{pos} + edgeStart - pressPos;
    return static_cast<int>(std::clamp<int64_t>(start, 0, std::max(0, parentSize - edge))) + edge;
}

int CArboView::SetMapDirection(int d) {
    if (!m_doc || d < 0 || d > 3 || d == m_doc->GetViewDirection()) return 0;
    const std::vector<int> steps = TurnSteps(m_doc->GetViewDirection(), d);
    // A half turn shows as two quick quarter turns.
    const int stepWait = steps.size() > 1 ? 1 : 2;
    for (int turn : steps) {
        if (m_mode == kModeMap && m_mapFrame.IsWindowVisible()) m_mapFrame.AnimateTurn(turn, stepWait);
        m_doc->SetViewDirection((m_doc->GetViewDirection() + turn + 4) % 4);
    }
    m_doc->SetViewDirection(d);
    if (m_mapFrame.IsWindow()) {
        m_mapFrame.ViewChanged();
        m_mapFrame.RedrawWindow();
    }
    return 1;
}

void CArboView::ShowPrompt(bool show, const char* text) {
    if (m_topFrame.GetTextPane().IsWindow()) m_topFrame.GetTextPane().ShowPrompt(show, text);
}

void CArboView::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    LayoutPanes(cx, cy);
}

void CArboView::OnDestroy() {
    // A judgment data file named on the command line is the game's hand-over
    // and goes with the judgment; the default file stays.
    if (CArboApp* app = CArboApp::Get(); app && !app->GetCommandFile().empty()) {
        std::remove(app->GetCommandFile().c_str());
        app->ClearCommandFile();
    }
    CWnd::OnDestroy();
}

}  // namespace judge
