#include "shell/VView.h"

#include <algorithm>

#include "game/VDoc.h"
#include "model/services/Services.h"
#include "platform/core/Profile.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"
#include "shell/TarvoApp.h"
#include "shell/ViewFrame.h"
#include "views/MapBtn.h"

namespace {

constexpr DWORD kPaneStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
constexpr DWORD kMapStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL;
constexpr int kVkF2 = VK_F1 + 1;
// The pane ratios written on exit never hide a pane completely.
constexpr int kMinSavedRatio = 10;
constexpr int kMaxSavedRatio = 990;
constexpr const char* kEndOfOrders = "<End director's orders>";

int g_directorLineCompany = -1;

CRect WindowRectOf(const CWnd& wnd) {
    CRect rect;
    wnd.GetWindowRect(&rect);
    return rect;
}

CRect ClientRectOf(const CWnd& wnd) {
    CRect rect;
    wnd.GetClientRect(&rect);
    return rect;
}

// part x 1000 / whole; the previous ratio when the whole has no size (a
// minimised or collapsed view).
int RatioOf(int part, int whole, int previous) {
    if (whole <= 0) return previous;
    return static_cast<int>(static_cast<long long>(part) * 1000 / whole);
}

int PerMille(int ratio, int size) {
    return static_cast<int>(static_cast<long long>(ratio) * size / 1000);
}

}  // namespace

CVView::CVView(CVDoc* doc, IViewFrame* frame) : m_doc(doc), m_frame(frame) {}

// The panes are saved while the view is still whole.
CVView::~CVView() {
    if (IsWindow()) DestroyWindow();
}

int CVView::GetDirectorLineCompany() {
    return g_directorLineCompany;
}

void CVView::SetDirectorLineCompany(int company) {
    g_directorLineCompany = company;
}

std::string CVView::ObservingText(const std::string& playerName) {
    return FormatText("%s is observing.", playerName.c_str());
}

BOOL CVView::Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id) {
    return CWnd::Create(className, windowName, style | WS_CLIPCHILDREN, rect, parent, id);
}

// ---------------------------------------------------------------- panes

int CVView::CreatePanes() {
    ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
    const CRect empty(0, 0, 0, 0);
    m_info.SetViewHost(this);
    if (!m_info.Create("VELMO_3DFaceWindow", nullptr, kPaneStyle, empty, this, kInfoWndId)) {
        Services::Frame().Beep();
        return 0;
    }
    if (!m_map.CreateEx(WS_EX_CLIENTEDGE, "VELM_NormalWindow", nullptr, kMapStyle, empty, this,
                        kMapDrawWndId))
        return -1;
    m_map.AttachDocument(m_doc, this);
    m_select.SetViewHost(this);
    m_select.GetButtonFrame().SetFocusNeighbours(
        [this] { m_info.GetPages().GetSelector().FocusSelected(); },
        [this]() -> CWnd* { return &m_info.GetPages().GetTabCtrl(); });
    if (!m_select.Create("VELMO_3DFaceWindow", nullptr, kPaneStyle, empty, this,
                         kMapSelectWndId)) {
        Services::Frame().Beep();
        return 0;
    }
    ReadRatios();
    if (!m_map.ResetCellTables()) return -1;
    // Until now the panes had no size; the next resize would be too late
    // for the area shown below.
    const CRect client = ClientRectOf(*this);
    LayoutPanes(client.Width(), client.Height());
    m_shownArea = -1;
    ShowArea(m_doc ? m_doc->GetSavedArea() : 0);
    return 1;
}

void CVView::ReadRatios() {
    if (!m_frame) return;
    // A hand-edited profile may hold anything: beyond 1000 a pane would
    // outgrow the view.
    const CProfile& profile = m_frame->GetProfile();
    m_infoRatio = std::clamp(profile.GetProfileInt(kLayoutSection, kInfoRatioKey, kDefaultInfoRatio),
                             0, 1000);
    m_selectRatio = std::clamp(
        profile.GetProfileInt(kLayoutSection, kSelectRatioKey, kDefaultSelectRatio), 0, 1000);
}

void CVView::LayoutPanes(int cx, int cy) {
    int rest = cy;
    if (m_info.IsWindow()) {
        const int h = std::min(PerMille(m_infoRatio, cy), cy);
        m_info.SetWindowPos(nullptr, 0, cy - h, cx, h, SWP_NOZORDER);
        rest = cy - h;
    }
    const int w = PerMille(m_selectRatio, cx);
    const int m = cx - w;
    if (m_select.IsWindow()) m_select.SetWindowPos(nullptr, m, 0, w, rest, SWP_NOZORDER);
    if (m_map.IsWindow()) {
        m_map.SetWindowPos(nullptr, 0, 0, std::max(m, 0), rest,
                           SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

void CVView::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    LayoutPanes(cx, cy);
}

void CVView::DragInfoWindow(int y) {
    const int height = WindowRectOf(*this).Height();
    if (height <= 0) return;
    y = std::clamp(y, 0, height);
    m_infoRatio = RatioOf(height - y, height, m_infoRatio);
    const CRect client = ClientRectOf(*this);
    LayoutPanes(client.Width(), client.Height());
}

void CVView::SetSelectPaneWidth(int dx) {
    if (!m_select.IsWindow()) return;
    const int clientWidth = ClientRectOf(*this).Width();
    const CRect select = WindowRectOf(m_select);
    const int frame = GetSystemMetrics(SM_CXDLGFRAME);
    const int width = std::max(frame, std::min(select.Width() - dx, clientWidth - frame));
    const int height = select.Height();
    m_select.SetWindowPos(nullptr, clientWidth - width, 0, width, height, SWP_NOZORDER);
    m_select.UpdateWindow();
    if (m_map.IsWindow()) {
        m_map.SetWindowPos(nullptr, 0, 0, clientWidth - width, height, SWP_NOZORDER | SWP_NOMOVE);
        m_map.UpdateWindow();
    }
    m_selectRatio = RatioOf(WindowRectOf(m_select).Width(), WindowRectOf(*this).Width(),
                            m_selectRatio);
}

void CVView::OnDestroy() {
    SaveRatios();
    CWnd::OnDestroy();
}

void CVView::SaveRatios() {
    // During the founding phase the panes were never shown.
    if (!m_frame || m_frame->IsFoundingPhase()) return;
    if (!m_info.IsWindow() || !m_select.IsWindow()) return;
    const CRect view = WindowRectOf(*this);
    m_infoRatio = RatioOf(WindowRectOf(m_info).Height(), view.Height(), m_infoRatio);
    m_selectRatio = RatioOf(WindowRectOf(m_select).Width(), view.Width(), m_selectRatio);
    CProfile& profile = m_frame->GetProfile();
    profile.WriteProfileInt(kLayoutSection, kInfoRatioKey,
                            std::clamp(m_infoRatio, kMinSavedRatio, kMaxSavedRatio));
    profile.WriteProfileInt(kLayoutSection, kSelectRatioKey,
                            std::clamp(m_selectRatio, kMinSavedRatio, kMaxSavedRatio));
}

// ---------------------------------------------------------------- what the panes show

int CVView::ShowArea(int area) {
    if (area == m_shownArea) return 0;
    m_shownArea = area;
    if (m_frame && m_frame->GetMapMode() == 1) m_frame->EndMapPick(1);
    if (m_map.IsWindow()) {
        m_map.FlushChangedCells(0);
        m_map.SetCursorCell(-1, -1, FALSE);
        m_map.RebuildMap();
        m_map.Invalidate(TRUE);
        // The name window is a child of its own: it names the new area only
        // when told to paint.
        m_map.GetNameWnd().Invalidate(TRUE);
        m_map.HideBalloon();
    }
    return 1;
}

int CVView::SelectArea(int area) {
    return m_select.GetButtonFrame().SelectArea(area, TRUE);
}

void CVView::FocusAreaTabs() {
    m_select.GetButtonFrame().FocusTabs();
}

void CVView::FocusFirstAreaButton() {
    if (CWnd* button = m_select.GetButtonFrame().GetButton(0)) {
        if (button->IsWindow() && button->IsWindowVisible()) button->SetFocus();
    }
}

// ---------------------------------------------------------------- map drawing

CPalette* CVView::GetPalette() {
    CTarvoApp* app = CTarvoApp::Get();
    return app ? app->GetPalette() : nullptr;
}

CCompanyPens* CVView::GetCompanyPens() {
    CTarvoApp* app = CTarvoApp::Get();
    return app ? &app->GetCompanyPens() : nullptr;
}

CFont* CVView::GetMessageFont(int index) {
    CTarvoApp* app = CTarvoApp::Get();
    if (!app) return nullptr;
    return index == 1 ? app->GetMessageFont2() : app->GetMessageFont();
}

double CVView::GetMapDrawRate() const { return m_frame ? m_frame->GetMapDrawRate() : 1.0; }

int CVView::GetMapMode() const { return m_frame ? m_frame->GetMapMode() : 0; }

int CVView::GetPickFlag() const { return m_frame ? m_frame->GetPickFlag() : 0; }

int CVView::IsInputEnabled() const { return m_frame ? m_frame->IsInputEnabled() : 0; }

void CVView::GetMapColors(COLORREF& top, COLORREF& bottom) const {
    if (m_frame) m_frame->GetMapColors(top, bottom);
}

void CVView::PickMapCell(CCellPoint cell) {
    if (m_frame) m_frame->PickMapCell(cell);
}

void CVView::EndMapPick(int force) {
    if (m_frame) m_frame->EndMapPick(force);
}

void CVView::DoAreaPortfolio() {
    if (m_frame) m_frame->DoAreaPortfolio();
}

void CVView::ShowAreaExplanation() {
    if (m_frame) m_frame->ShowAreaExplanation();
}

int CVView::SetDirection(int direction) {
    if (!m_doc || direction < 0 || direction > 3) return 0;
    const int current = m_doc->GetViewDirection();
    if (direction == current) return 0;
    int step = direction - current;
    if (step == 3) step = -1;
    if (step == -2 || step == -3) step += 4;
    int mode = 2;
    if (step == 2) {
        // A half turn is two quarter turns, the first ending one step on.
        AnimateTurn(-1, 1);
        m_doc->SetViewDirection((current + 1) % 4);
        step = -1;
        mode = 1;
    }
    AnimateTurn(step, mode);
    m_doc->SetViewDirection(direction);
    if (m_map.IsWindow()) {
        m_map.RebuildMap();
        m_map.Invalidate(TRUE);
        m_map.UpdateWindow();
    }
    m_doc->SetModifiedFlag(true);
    return 1;
}

void CVView::AnimateTurn(int step, int mode) {
    // Before the panes exist there is nothing to turn.
    if (m_map.IsWindow()) m_map.AnimateTurn(step, mode);
}

int CVView::OwnCompanyIndex() const {
    return m_doc ? m_doc->GetOwnCompanyIndex() : -1;
}

int CVView::IsObserver() const {
    return m_doc ? m_doc->GetFrameState().IsObserver() : 0;
}

void CVView::ShowTurnCompany(int company) {
    if (company == -1) company = OwnCompanyIndex();
    if (company == -1 && m_doc) company = m_doc->GetTurnEnterprise(-1);
    m_info.GetPages().SetCompany(company);
    CDrawEPWnd& line = m_select.GetDirectorLine();
    const int observer = IsObserver();
    if (observer) {
        line.SetText(ObservingText(m_doc->GetFrameState().GetPlayerName()));
    } else {
        line.SetEnterprise(company);
    }
    line.SetTextOnly(observer);
    if (line.IsWindow()) line.Invalidate(TRUE);
}

void CVView::SelectInfoCompany(int company) {
    CInfoDrawFrameWnd& pages = m_info.GetPages();
    pages.GetSelector().ResetSelection();
    pages.SelectCompany(company);
    const CRect client = ClientRectOf(m_info);
    m_info.LayoutPanes(client.Width(), client.Height());
}

void CVView::ShowDirectorLine(int company) {
    if (IsObserver()) return;
    if (company >= -1) g_directorLineCompany = company;
    CDrawEPWnd& line = m_select.GetDirectorLine();
    const CEnterprise* remembered =
        m_doc && g_directorLineCompany >= 0 ? m_doc->GetEnterprise(g_directorLineCompany) : nullptr;
    if (remembered && remembered->CountFreeDirectors() == 0) {
        line.SetText(kEndOfOrders);
    } else {
        line.ClearText();
    }
}

void CVView::RefreshDirectorLine() {
    m_info.GetPages().RefreshPages();
    ShowDirectorLine(-2);
}

// ---------------------------------------------------------------- keys

void CVView::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (key == VK_TAB) {
        if (m_tabTarget && m_tabTarget->IsWindow()) m_tabTarget->SetFocus();
    } else if (key == VK_ESCAPE) {
        // Without a map mode there is nothing to end (ending one would
        // also restart the operations music).
        if (m_frame && m_frame->GetMapMode() != 0) m_frame->EndMapPick(0);
    } else if (key == static_cast<UINT>(kVkF2)) {
        if (m_frame) m_frame->ShowNetworkWindow();
    }
    CWnd::OnKeyDown(key, repeat, flags);
}
