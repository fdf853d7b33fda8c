#include "platform/ui/ToolTipCtrl.h"

#include <algorithm>

#include "platform/ui/DC.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/ControlSupport.h"
#include "platform/ui/detail/WindowList.h"

namespace {

constexpr UINT_PTR kShowTimer = 1;

}  // namespace

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    return CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, nullptr, "", WS_POPUP | WS_BORDER | style,
                    CRect(0, 0, 10, 10), parent, 0);
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, const std::string& text, const RECT* rect, UINT id) {
    if (!wnd) return FALSE;
    Tool tool;
    tool.wnd = wnd;
    tool.id = id;
    tool.text = text;
    tool.whole = rect == nullptr;
    if (rect) tool.rect = *rect;
    m_tools.push_back(tool);
    return TRUE;
}

void CToolTipCtrl::DelTool(CWnd* wnd, UINT id) {
    m_tools.erase(std::remove_if(m_tools.begin(), m_tools.end(),
                                 [&](const Tool& t) { return t.wnd == wnd && t.id == id; }),
                  m_tools.end());
    m_pending = m_shown = -1;
    Pop();
}

void CToolTipCtrl::UpdateTipText(const std::string& text, CWnd* wnd, UINT id) {
    for (Tool& t : m_tools) {
        if (t.wnd == wnd && t.id == id) t.text = text;
    }
}

void CToolTipCtrl::Activate(BOOL active) {
    m_active = active != FALSE;
    if (!m_active) Pop();
}

void CToolTipCtrl::SetDelayTime(UINT ms) {
    m_delay = ms;
}

int CToolTipCtrl::ToolAt(CWnd* wnd, CPoint client) const {
    for (size_t i = 0; i < m_tools.size(); ++i) {
        const Tool& t = m_tools[i];
        if (t.wnd != wnd) continue;
        CRect r = t.rect;
        if (t.whole) wnd->GetClientRect(&r);
        if (r.PtInRect(client)) return static_cast<int>(i);
    }
    return -1;
}

void CToolTipCtrl::RelayEvent(MSG* msg) {
    if (!msg || !IsWindow() || !CWindowList::IsAlive(msg->hwnd)) return;
    if (msg->message != WM_MOUSEMOVE) {
        if (msg->message >= WM_LBUTTONDOWN && msg->message <= WM_MOUSELAST) {
            m_pending = -1;
            KillTimer(kShowTimer);
            Pop();
        }
        return;
    }
    const CPoint client(msg->lParam);
    const int tool = m_active ? ToolAt(msg->hwnd, client) : -1;
    m_at = client;
    msg->hwnd->ClientToScreen(&m_at);
    if (tool == m_shown && tool >= 0) return;
    Pop();
    m_pending = tool;
    if (tool < 0) {
        KillTimer(kShowTimer);
        return;
    }
    SetTimer(kShowTimer, m_delay);
}

void CToolTipCtrl::OnTimer(UINT_PTR id) {
    if (id != kShowTimer) return;
    KillTimer(kShowTimer);
    ShowTip();
}

void CToolTipCtrl::ShowTip() {
    if (m_pending < 0 || m_pending >= static_cast<int>(m_tools.size())) return;
    const std::string& text = m_tools[static_cast<size_t>(m_pending)].text;
    if (text.empty()) return;
    m_shown = m_pending;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CControlSupport::SelectFont(this, dc);
    const CSize size = dc.GetTextExtent(text);
    MoveWindow(m_at.x, m_at.y + 20, size.cx + 8, size.cy + 4);
    Invalidate();
    ShowWindow(SW_SHOWNA);
}

void CToolTipCtrl::Pop() {
    m_shown = -1;
    if (IsWindow() && IsWindowVisible()) ShowWindow(SW_HIDE);
}

std::string CToolTipCtrl::GetShownText() const {
    if (m_shown < 0 || !IsWindowVisible()) return std::string();
    return m_tools[static_cast<size_t>(m_shown)].text;
}

BOOL CToolTipCtrl::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    if (dc) dc->FillSolidRect(client, GetSysColor(COLOR_INFOBK));
    return TRUE;
}

void CToolTipCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CFont* old = CControlSupport::SelectFont(this, dc);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_INFOTEXT));
    if (m_shown >= 0) dc.TextOut(3, 1, m_tools[static_cast<size_t>(m_shown)].text);
    dc.SelectObject(old);
}
