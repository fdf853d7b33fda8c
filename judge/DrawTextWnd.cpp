#include "judge/DrawTextWnd.h"

#include <algorithm>

#include "judge/ArboApp.h"
#include "model/ColorTable.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/Messages.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

CSize CDrawTextWnd::Measure(int font, const std::string& text) {
    CArboApp* app = CArboApp::Get();
    if (!app) return CSize(0, 0);
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr)) return CSize(0, 0);
    CFont* old = dc.SelectObject(app->GetFont(std::clamp(font, 0, 3)));
    CSize size = dc.GetTextExtent(text.empty() ? std::string(" ") : text);
    if (text.empty()) size.cx = 0;
    dc.SelectObject(old);
    return size;
}

int CDrawTextWnd::AddText(const std::string& text, int font, int colour, bool newLine, int style,
                          int maxRight) {
    if (newLine || m_lineHeights.empty()) {
        if (!m_lineHeights.empty()) OnLineEnded(GetLineCount() - 1);
        m_lineHeights.push_back(0);
    }
    const int line = GetLineCount() - 1;
    const bool first = std::none_of(m_runs.begin(), m_runs.end(),
                                    [line](const SRun& r) { return r.line == line; });
    m_runs.push_back({first ? 0 : -1, line, text, font, colour, style, maxRight});
    Remeasure();
    return 1;
}

void CDrawTextWnd::Remeasure() {
    CArboApp* app = CArboApp::Get();
    const int markHeight = app ? app->GetMarkSize().cy : 0;
    const int textHeight = app ? app->GetCharSize().cy : 0;
    std::fill(m_lineHeights.begin(), m_lineHeights.end(), 0);
    for (const SRun& run : m_runs) {
        int& height = m_lineHeights[static_cast<size_t>(run.line)];
        // A run without text leaves its line to the other runs (or to the
        // empty-line height).
        const int h = run.text.empty() ? 0 : Measure(run.font, run.text).cy;
        if (!run.text.empty() && height < h + 2) height = h + 4;
        if (run.style >= kMarkStyleMin) height = std::max(height, markHeight + 2);
    }
    for (int& height : m_lineHeights) {
        if (height == 0) height = textHeight + 2;
    }
}

std::string CDrawTextWnd::GetLineText(int line) const {
    std::string text;
    for (const SRun& run : m_runs)
        if (run.line == line) text += run.text;
    return text;
}

void CDrawTextWnd::ClearText() {
    if (!m_lineHeights.empty()) OnLineEnded(GetLineCount() - 1);
    m_runs.clear();
    m_lineHeights.clear();
    m_firstLine = 0;
    m_offsetX = 0;
}

void CDrawTextWnd::Refresh() {
    if (IsWindow()) Invalidate(TRUE);
}

int CDrawTextWnd::LineWidth(int line) const {
    CArboApp* app = CArboApp::Get();
    const int markWidth = app ? app->GetMarkSize().cx : 0;
    int width = 0;
    for (const SRun& run : m_runs) {
        if (run.line != line) continue;
        if (run.style >= kMarkStyleMin) width += markWidth;
        width += Measure(run.font, run.text).cx + 2;
    }
    return width;
}

int CDrawTextWnd::CenterLine(int line) {
    CRect client;
    GetClientRect(&client);
    const int shift = std::max(0, (client.Width() - LineWidth(line)) / 2);
    for (SRun& run : m_runs) {
        if (run.line == line && run.x != -1) {
            run.x = shift;
            break;
        }
    }
    return shift;
}

void CDrawTextWnd::DrawRuns(CDC& dc, int width, int height) const {
    (void)width;
    CArboApp* app = CArboApp::Get();
    if (!app) return;
    CPalette* palette = app->GetPalette();
    CPalette* oldPalette = palette ? dc.SelectPalette(palette, FALSE) : nullptr;
    if (palette) dc.RealizePalette();
    dc.SetBkMode(TRANSPARENT);
    const CSize mark = app->GetMarkSize();
    int previousEnd = 0;
    for (const SRun& run : m_runs) {
        if (run.line < m_firstLine) continue;
        int bottom = 0;
        for (int l = m_firstLine; l <= run.line; ++l) bottom += m_lineHeights[static_cast<size_t>(l)];
        if (bottom - m_lineHeights[static_cast<size_t>(run.line)] > height) break;
        int x = (run.x != -1 ? run.x : previousEnd) - (run.x != -1 ? m_offsetX : 0);
        if (run.style >= kMarkStyleMin) {
            app->DrawMark(dc, run.style, CPoint(x, bottom - mark.cy), FALSE);
            x += mark.cx;
        }
        CFont* old = dc.SelectObject(app->GetFont(std::clamp(run.font, 0, 3)));
        const CSize size = dc.GetTextExtent(run.text);
        int right = x + size.cx + 2;
        if (run.maxRight > 0) right = std::min(right, run.maxRight);
        const CRect clip(x, bottom - size.cy - 2, right, bottom);
        // An engraved copy first, then the text in its colour.
        dc.SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
        dc.ExtTextOut(x + 2, clip.top + 2, ETO_CLIPPED, &clip, run.text);
        dc.SetTextColor(run.colour < 0 ? GetSysColor(COLOR_BTNTEXT)
                                       : GetColorTableEntry(run.colour));
        dc.ExtTextOut(x + 1, clip.top + 1, ETO_CLIPPED, &clip, run.text);
        dc.SelectObject(old);
        previousEnd = right;
    }
    if (oldPalette) dc.SelectPalette(oldPalette, FALSE);
}

void CDrawTextWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    DrawRuns(dc, client.Width(), client.Height());
}

void CDrawTextWnd::OnVScroll(UINT code, UINT pos, CWnd* scrollBar) {
    (void)scrollBar;
    int line = m_firstLine;
    if (code == SB_LINEUP || code == SB_PAGEUP) --line;
    if (code == SB_LINEDOWN || code == SB_PAGEDOWN) ++line;
    if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) line = static_cast<int>(pos);
    line = std::clamp(line, 0, std::max(0, GetLineCount() - 1));
    if (line == m_firstLine) return;
    m_firstLine = line;
    Invalidate(TRUE);
}

void CDrawTextWnd::OnHScroll(UINT code, UINT pos, CWnd* scrollBar) {
    (void)scrollBar;
    CRect client;
    GetClientRect(&client);
    int offset = m_offsetX;
    if (code == SB_LINELEFT) offset -= 1;
    if (code == SB_LINERIGHT) offset += 1;
    if (code == SB_PAGELEFT) offset -= client.Width();
    if (code == SB_PAGERIGHT) offset += client.Width();
    if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) offset = static_cast<int>(pos);
    offset = std::max(0, offset);
    if (offset == m_offsetX) return;
    m_offsetX = offset;
    Invalidate(TRUE);
}

}  // namespace judge
