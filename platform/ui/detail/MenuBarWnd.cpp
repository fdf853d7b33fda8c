#include "platform/ui/detail/MenuBarWnd.h"

#include "platform/ui/DC.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/ControlSupport.h"

int CMenuBarWnd::Height() {
    return GetSystemMetrics(SM_CYMENU);
}

// Each item is as wide as its text and a margin, the items side by side:
// one measuring pass places them all.
std::vector<CRect> CMenuBarWnd::ItemRects() const {
    std::vector<CRect> rects;
    const CMenu* menu = m_frame->GetMenu();
    if (!menu) return rects;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CControlSupport::SelectFont(this, dc);
    int x = 2;
    for (int i = 0; i < menu->GetMenuItemCount(); ++i) {
        const std::string text =
            CControlSupport::StripMnemonic(menu->Items()[static_cast<size_t>(i)].text);
        const int w = dc.GetTextExtent(text).cx + 14;
        rects.emplace_back(x, 1, x + w, Height() - 1);
        x += w;
    }
    return rects;
}

CRect CMenuBarWnd::ItemRect(int index) const {
    const std::vector<CRect> rects = ItemRects();
    if (index < 0 || static_cast<size_t>(index) >= rects.size()) return CRect();
    return rects[static_cast<size_t>(index)];
}

int CMenuBarWnd::ItemAt(CPoint point) const {
    const std::vector<CRect> rects = ItemRects();
    for (size_t i = 0; i < rects.size(); ++i) {
        if (rects[i].PtInRect(point)) return static_cast<int>(i);
    }
    return -1;
}

void CMenuBarWnd::SetOpen(int index) {
    if (index == m_open) return;
    m_open = index;
    Invalidate();
    UpdateWindow();
}

BOOL CMenuBarWnd::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    if (dc) dc->FillSolidRect(client, GetSysColor(COLOR_MENU));
    return TRUE;
}

void CMenuBarWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, GetSysColor(COLOR_MENU));
    const CMenu* menu = m_frame->GetMenu();
    if (!menu) return;
    const std::vector<CRect> rects = ItemRects();
    CFont* old = CControlSupport::SelectFont(this, dc);
    dc.SetBkMode(TRANSPARENT);
    for (size_t i = 0; i < rects.size() && i < menu->Items().size(); ++i) {
        const CMenu::Item& item = menu->Items()[i];
        const CRect& r = rects[i];
        const bool grey = (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
        const bool open = static_cast<int>(i) == m_open;
        if (open) dc.FillSolidRect(r, GetSysColor(COLOR_HIGHLIGHT));
        dc.SetTextColor(GetSysColor(grey          ? COLOR_GRAYTEXT
                                    : open        ? COLOR_HIGHLIGHTTEXT
                                                  : COLOR_MENUTEXT));
        const std::string text = CControlSupport::StripMnemonic(item.text);
        const CSize size = dc.GetTextExtent(text);
        dc.TextOut(r.left + 7, r.top + (r.Height() - size.cy) / 2, text);
    }
    dc.SelectObject(old);
}

void CMenuBarWnd::OnLButtonDown(UINT, CPoint point) {
    const int index = ItemAt(point);
    if (index >= 0) m_frame->TrackMenuBar(index);
}
