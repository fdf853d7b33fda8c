#include "views/ProgressMesWnd.h"

#include <algorithm>

#include "model/AppFonts.h"
#include "model/PaletteScope.h"
#include "platform/core/Clock.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"
#include "views/OwnerRow.h"

namespace {

CFont* MessageFont() {
    IBlockHost* host = IBlockHost::Get();
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    return fonts ? fonts->GetMessageFont() : nullptr;
}

CRect ClientOf(const CWnd& wnd) {
    CRect client;
    wnd.GetClientRect(&client);
    return client;
}

// One row of text, cut at the right edge, on the button face.
void DrawRow(CDC& dc, int width, int y, int height, const std::string& text) {
    const CRect row(0, y, width, y + height);
    dc.ExtTextOut(0, y, ETO_OPAQUE | ETO_CLIPPED, &row, text);
}

}  // namespace

int CProgressMesWnd::LineHeight() const {
    return std::max(OwnerRow::LayoutSize().cy, 1);
}

int CProgressMesWnd::RowsThatFit() const {
    // A taller window still keeps to the six stored lines.
    return std::clamp(ClientOf(*this).Height() / LineHeight(), 1, kLines);
}

void CProgressMesWnd::AddMessage(const std::string& text) {
    const int ch = LineHeight();
    if (IsWindow()) {
        CClientDC dc(this);
        CFont* previous = dc.SelectObject(MessageFont());
        dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
        dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
        DrawRow(dc, ClientOf(*this).Width(), m_current * ch, ch, text);
        dc.SelectObject(previous);
    }
    m_lines[static_cast<size_t>(m_current)] = text;
    ++m_current;
    if (m_current >= RowsThatFit()) ScrollLines(1);
}

void CProgressMesWnd::ScrollLines(int n) {
    n = std::clamp(n, 0, kLines);
    const CRect client = ClientOf(*this);
    const int width = client.Width();
    const int height = client.Height();
    if (IsWindow() && width > 0 && height > 1) {
        CClientDC dc(this);
        dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
        const CRect bottom(0, height - 1, width, height);
        for (int step = 0; step < n * LineHeight(); ++step) {
            dc.BitBlt(0, 0, width, height - 1, &dc, 0, 1, SRCCOPY);
            dc.ExtTextOut(0, bottom.top, ETO_OPAQUE, &bottom, std::string());
            // Nothing else runs meanwhile, as the text moves up.
            CClock::SleepReal(CClock::Scale(kScrollStepMs));
        }
    }
    for (int i = 0; i < kLines; ++i)
        m_lines[static_cast<size_t>(i)] = i + n < kLines ? m_lines[static_cast<size_t>(i + n)] : std::string();
    m_current = std::max(m_current - 1, 0);
}

void CProgressMesWnd::OnPaint() {
    CPaintDC dc(this);
    IBlockHost* host = IBlockHost::Get();
    CPaletteScope palette(dc, host ? host->GetPalette() : nullptr);
    CFont* previous = dc.SelectObject(MessageFont());
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
    const int width = ClientOf(*this).Width();
    const int ch = LineHeight();
    for (int row = 0; row < kLines; ++row)
        DrawRow(dc, width, row * ch, ch, m_lines[static_cast<size_t>(row)]);
    dc.SelectObject(previous);
}
