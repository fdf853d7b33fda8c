#include "platform/ui/StatusBar.h"

#include "platform/ui/ControlMessages.h"
#include "platform/ui/DC.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/detail/ControlSupport.h"

namespace {

constexpr int kGap = 2;

}  // namespace

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id) {
    if (!CreateBar(parent, style, id)) return FALSE;
    const UINT single = ID_SEPARATOR;
    return SetIndicators(&single, 1);
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
    if (count <= 0 || !ids) return FALSE;
    m_panes.clear();
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CControlSupport::SelectFont(this, dc);
    for (int i = 0; i < count; ++i) {
        Pane pane;
        pane.id = ids[i];
        if (pane.id != ID_SEPARATOR) {
            pane.text = CStringTable::Get(pane.id);
            pane.width = dc.GetTextExtent(pane.text).cx + 8;
        }
        m_panes.push_back(pane);
    }
    Invalidate();
    return TRUE;
}

int CStatusBar::CommandToIndex(UINT id) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (m_panes[static_cast<size_t>(i)].id == id) return i;
    }
    return -1;
}

UINT CStatusBar::GetItemID(int index) const {
    return index >= 0 && index < GetCount() ? m_panes[static_cast<size_t>(index)].id : 0;
}

void CStatusBar::GetItemRect(int index, RECT* rect) const {
    if (!rect) return;
    CRect client;
    GetClientRect(&client);
    int fixed = 0;
    for (const Pane& p : m_panes) fixed += p.width ? p.width + kGap : 0;
    int x = kGap;
    for (int i = 0; i < GetCount(); ++i) {
        const Pane& p = m_panes[static_cast<size_t>(i)];
        const int w = p.width ? p.width : std::max(0, client.Width() - fixed - 2 * kGap);
        if (i == index) {
            *rect = CRect(x, kGap, x + w, client.bottom - kGap);
            return;
        }
        x += w + kGap;
    }
    *rect = CRect();
}

BOOL CStatusBar::SetPaneText(int index, const std::string& text, BOOL update) {
    if (index < 0 || index >= GetCount()) return FALSE;
    m_panes[static_cast<size_t>(index)].text = text;
    CRect r;
    GetItemRect(index, &r);
    InvalidateRect(&r);
    if (update) UpdateWindow();
    return TRUE;
}

std::string CStatusBar::GetPaneText(int index) const {
    return index >= 0 && index < GetCount() ? m_panes[static_cast<size_t>(index)].text
                                            : std::string();
}

CSize CStatusBar::CalcFixedLayout(int width) const {
    return CSize(width, CControlSupport::LineHeight(this) + 2 * kGap + 4);
}

LRESULT CStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) {
        const int pane = CommandToIndex(ID_SEPARATOR);
        if (pane < 0) return -1;
        CControlBar::WindowProc(message, wParam, lParam);
        SetPaneText(pane, lParam ? reinterpret_cast<const char*>(lParam) : "", FALSE);
        return 0;
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}

BOOL CStatusBar::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    if (dc) dc->FillSolidRect(client, GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CStatusBar::OnPaint() {
    CPaintDC dc(this);
    CFont* old = CControlSupport::SelectFont(this, dc);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, GetSysColor(COLOR_BTNFACE));
    for (int i = 0; i < GetCount(); ++i) {
        CRect r;
        GetItemRect(i, &r);
        dc.Draw3dRect(r, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        r.DeflateRect(3, 1);
        CControlSupport::Text(dc, r,
                              CControlSupport::EscapeMnemonic(m_panes[static_cast<size_t>(i)].text),
                              0, false, true);
    }
    dc.SelectObject(old);
}
