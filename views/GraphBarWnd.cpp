#include "views/GraphBarWnd.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "model/AppFonts.h"
#include "model/PaletteScope.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/PaintDC.h"
#include "views/BlockHost.h"

CGraphBarWnd::CGraphBarWnd()
    : m_filled(GetSysColor(COLOR_BTNFACE)),
      m_remaining(GetSysColor(COLOR_ACTIVECAPTION)),
      m_textOnFilled(GetSysColor(COLOR_BTNTEXT)),
      m_textOnRemaining(GetSysColor(COLOR_BTNTEXT)) {}

void CGraphBarWnd::SetBarColors(COLORREF filled, COLORREF remaining) {
    m_filled = filled;
    m_remaining = remaining;
}

void CGraphBarWnd::SetTextColors(COLORREF onFilled, COLORREF onRemaining) {
    m_textOnFilled = onFilled;
    m_textOnRemaining = onRemaining;
}

int CGraphBarWnd::FilledWidth(int value, int maximum, int width) {
    if (maximum <= 0 || width <= 0) return 0;
    const int64_t filled = int64_t{value} * width / maximum;
    return static_cast<int>(std::clamp<int64_t>(filled, 0, width));
}

void CGraphBarWnd::Draw(CDC& dc, int width, int height) const {
    IBlockHost* host = IBlockHost::Get();
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    CPaletteScope palette(dc, host ? host->GetPalette() : nullptr);
    CFont* previousFont = fonts ? dc.SelectObject(fonts->GetMessageFont()) : nullptr;
    const COLORREF previousText = dc.GetTextColor();
    const COLORREF previousBack = dc.GetBkColor();

    const std::string text = m_showValue ? std::to_string(m_value) : std::string();
    const CSize extent = dc.GetTextExtent(text);
    const int x = width - extent.cx;
    const int y = (height - extent.cy) / 2;
    const int filled = FilledWidth(m_value, m_maximum, width);
    // The same text in both parts, each clipped to its own, so that the
    // number changes colour exactly where the bar ends.
    const CRect parts[2] = {CRect(0, 0, filled, height), CRect(filled, 0, width, height)};
    const COLORREF backs[2] = {m_filled, m_remaining};
    const COLORREF texts[2] = {m_textOnFilled, m_textOnRemaining};
    for (int i = 0; i < 2; ++i) {
        if (parts[i].IsRectEmpty()) continue;
        dc.SetBkColor(backs[i]);
        dc.SetTextColor(texts[i]);
        dc.ExtTextOut(x, y, ETO_OPAQUE | ETO_CLIPPED, &parts[i], text);
    }

    dc.SetBkColor(previousBack);
    dc.SetTextColor(previousText);
    if (fonts) dc.SelectObject(previousFont);
}

void CGraphBarWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    m_width = client.Width();
    m_height = client.Height();
    Draw(dc, m_width, m_height);
}

void CGraphBarWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    m_width = cx;
    m_height = cy;
}

BOOL CGraphBarWnd::OnEraseBkgnd(CDC* /*dc*/) {
    // The paint covers every pixel.
    return TRUE;
}
