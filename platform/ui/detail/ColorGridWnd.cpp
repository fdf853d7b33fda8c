#include "platform/ui/detail/ColorGridWnd.h"

#include <algorithm>

#include "platform/ui/ControlMessages.h"
#include "platform/ui/DC.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/WndClassRegistry.h"
#include "platform/ui/detail/ControlSupport.h"

const char* CColorGridWnd::ClassName() {
    static const bool registered = [] {
        CWndClassInfo info;
        info.name = "MercavoColorGrid";
        info.background = COLOR_BTNFACE + 1;
        return CWndClassRegistry::Register(info) || CWndClassRegistry::IsRegistered(info.name);
    }();
    (void)registered;
    return "MercavoColorGrid";
}

void CColorGridWnd::SetColors(std::vector<COLORREF> colors, int columns) {
    m_colors = std::move(colors);
    m_columns = std::max(1, columns);
    Invalidate();
}

void CColorGridWnd::SetColor(int index, COLORREF color) {
    if (index < 0 || index >= static_cast<int>(m_colors.size())) return;
    m_colors[static_cast<size_t>(index)] = color;
    Invalidate();
}

void CColorGridWnd::SetSelected(int index) {
    m_selected = index >= 0 && index < static_cast<int>(m_colors.size()) ? index : -1;
    Invalidate();
}

CRect CColorGridWnd::CellRect(int index) const {
    CRect client;
    GetClientRect(&client);
    const int rows = std::max(1, (static_cast<int>(m_colors.size()) + m_columns - 1) / m_columns);
    const int w = client.Width() / m_columns, h = client.Height() / rows;
    const int col = index % m_columns, row = index / m_columns;
    return CRect(col * w, row * h, col * w + w, row * h + h);
}

BOOL CColorGridWnd::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    if (dc) dc->FillSolidRect(client, GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CColorGridWnd::OnPaint() {
    CPaintDC dc(this);
    for (int i = 0; i < static_cast<int>(m_colors.size()); ++i) {
        CRect cell = CellRect(i);
        if (i == m_selected) dc.Draw3dRect(cell, RGB(0, 0, 0), RGB(0, 0, 0));
        cell.DeflateRect(2, 2);
        CControlSupport::Sunken(dc, cell);
        cell.DeflateRect(2, 2);
        dc.FillSolidRect(cell, m_colors[static_cast<size_t>(i)]);
    }
}

void CColorGridWnd::OnLButtonDown(UINT, CPoint point) {
    for (int i = 0; i < static_cast<int>(m_colors.size()); ++i) {
        if (!CellRect(i).PtInRect(point)) continue;
        SetSelected(i);
        SetFocus();
        if (CWnd* parent = GetParent()) {
            parent->SendMessage(WM_COMMAND,
                                MAKEWPARAM(static_cast<int>(GetDlgCtrlID()), BN_CLICKED),
                                reinterpret_cast<LPARAM>(this));
        }
        return;
    }
}
