#include "views/DrawTextWnd.h"

#include <algorithm>
#include <climits>
#include <new>

#include "model/AppFonts.h"
#include "model/PictureStrips.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/DC.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"
#include "views/BlockMessages.h"
#include "views/ScrollStep.h"
#include "model/PaletteScope.h"

namespace {

CSize MarkCell() {
    IBlockHost* host = IBlockHost::Get();
    CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr;
    return strips ? strips->GetIconCellSize() : CSize(0, 0);
}

// The end of a run that starts at x, cut at its right limit.
int LimitedEnd(int x, int width, int rightLimit) {
    const int end = x + width;
    return rightLimit > 0 && end > rightLimit ? rightLimit : end;
}

}  // namespace

// ---------------------------------------------------------------- measuring

CSize CDrawTextWnd::MeasureRun(const std::string& text, CFont* font) {
    IBlockHost* host = IBlockHost::Get();
    CWnd* main = host ? host->GetMainWindow() : nullptr;
    CSize extent;
    if (main && main->IsWindow()) {
        CClientDC dc(main);
        CFont* previous = font ? dc.SelectObject(font) : nullptr;
        extent = dc.GetTextExtent(text);
        if (font) dc.SelectObject(previous);
    } else {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CFont* previous = font ? dc.SelectObject(font) : nullptr;
        extent = dc.GetTextExtent(text);
        if (font) dc.SelectObject(previous);
    }
    return CSize(extent.cx + 2, extent.cy + 2);
}

void CDrawTextWnd::FitLine(int& height, const SRun& run) {
    if (height < run.size.cy) height = run.size.cy + 2;
    const int markHeight = MarkCell().cy;
    if (HasMark(run.mark) && height < markHeight) height = markHeight + 2;
}

int CDrawTextWnd::EmptyLineHeight() {
    IBlockHost* host = IBlockHost::Get();
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    return (fonts ? fonts->GetLayoutSize().cy : 0) + 2;
}

// ---------------------------------------------------------------- runs

BOOL CDrawTextWnd::AddText(CPoint pos, const std::string& text, COLORREF colour, CFont* font,
                           int mark, int rightLimit) {
    // A line index below 0 names no line.
    if (pos.y < 0) return FALSE;
    try {
        m_runs.push_back({pos, text, colour, font, mark, rightLimit, MeasureRun(text, font)});
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    const size_t lines = static_cast<size_t>(pos.y) + 1;
    if (lines > m_lineHeights.size()) {
        // A new line count starts every line afresh; without room for the
        // lines the run is taken back, so every run keeps its line.
        try {
            m_lineHeights.assign(lines, 0);
        } catch (const std::bad_alloc&) {
            m_runs.pop_back();
            return FALSE;
        }
        for (const SRun& run : m_runs) FitLine(m_lineHeights[static_cast<size_t>(run.pos.y)], run);
    } else {
        FitLine(m_lineHeights[static_cast<size_t>(pos.y)], m_runs.back());
    }
    // Lines without runs take the height of an empty line.
    const int empty = EmptyLineHeight();
    for (int& height : m_lineHeights)
        if (height == 0) height = empty;
    return TRUE;
}

void CDrawTextWnd::Clear() {
    m_runs.clear();
    m_lineHeights.clear();
    if (IsWindow()) Invalidate(TRUE);
}

std::string CDrawTextWnd::GetLineText(int line) const {
    std::string text;
    for (const SRun& run : m_runs)
        if (run.pos.y == line) text += run.text;
    return text;
}

int CDrawTextWnd::GetTextHeight(int withMark) const {
    int height = 0;
    for (int line : m_lineHeights) height += line;
    if (withMark) height += MarkCell().cy;
    return height;
}

int CDrawTextWnd::ClientWidth() const {
    if (!IsWindow()) return 0;
    CRect client;
    GetClientRect(&client);
    return client.Width();
}

void CDrawTextWnd::CenterLine(int line) {
    // A continuing run starts where the one before it ended, as painted;
    // so a line centred once is found centred again.
    int runningX = 0;
    int smallest = 1000;
    int largest = INT_MIN;
    bool any = false;
    for (const SRun& run : m_runs) {
        if (run.pos.y != line) continue;
        const int start = run.pos.x >= 0 ? run.pos.x : runningX;
        runningX = start + run.size.cx;
        smallest = std::min(smallest, start);
        largest = std::max(largest, LimitedEnd(start, run.size.cx, run.rightLimit));
        any = true;
    }
    if (!any) return;
    const int offset = (ClientWidth() - (largest - smallest)) / 2;
    if (offset < 0) return;
    for (SRun& run : m_runs)
        if (run.pos.y == line && run.pos.x >= 0) run.pos.x += offset - smallest;
}

// ---------------------------------------------------------------- layout

CDrawTextWnd::SBars CDrawTextWnd::DecideBars(CSize client, CSize content, int barWidth,
                                             int barHeight) {
    SBars bars;
    for (int pass = 0; pass < 2; ++pass) {
        bars.width = client.cx - (bars.vertical ? barWidth : 0);
        if (bars.width < content.cx) bars.horizontal = true;
        bars.height = client.cy - (bars.horizontal ? barHeight : 0);
        if (bars.height < content.cy) bars.vertical = true;
    }
    bars.width = client.cx - (bars.vertical ? barWidth : 0);
    return bars;
}

void CDrawTextWnd::Layout() {
    // A refilled window shows its text from the top left, whether or not
    // it gets bars to scroll with.
    m_scrollX = 0;
    m_firstLine = 0;
    if (!IsWindow()) return;
    int contentWidth = 0;
    int lineWidth = 0;
    for (size_t i = 0; i < m_runs.size(); ++i) {
        const SRun& run = m_runs[i];
        const bool sameLine = i > 0 && m_runs[i - 1].pos.y == run.pos.y;
        lineWidth = LimitedEnd(sameLine ? lineWidth : 0, run.size.cx, run.rightLimit);
        contentWidth = std::max(contentWidth, lineWidth);
    }
    // The area the bars share with the text: the client area without bars
    // (bars showing from the last layout would count twice).
    ShowScrollBar(SB_BOTH, FALSE);
    CRect client;
    GetClientRect(&client);
    const SBars bars = DecideBars(CSize(client.Width(), client.Height()),
                                  CSize(contentWidth, GetTextHeight(0)),
                                  GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL));
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    m_pageX = bars.width;
    if (bars.horizontal) {
        info.nMin = 0;
        info.nMax = contentWidth;
        info.nPage = static_cast<UINT>(std::max(bars.width, 0));
        info.nPos = 0;
        SetScrollInfo(SB_HORZ, &info);
    }
    ShowScrollBar(SB_HORZ, bars.horizontal);
    if (bars.vertical) {
        // The range ends at the first line from which the rest fits.
        const int last = GetLineCount() - 1;
        int sum = 0;
        int maximum = 0;
        for (int line = last; line >= 0; --line) {
            sum += m_lineHeights[static_cast<size_t>(line)];
            if (sum > bars.height) {
                maximum = std::min(line + 1, last);
                break;
            }
        }
        if (maximum > 0) {
            info.nMin = 0;
            info.nMax = maximum;
            info.nPage = 1;
            info.nPos = 0;
            SetScrollInfo(SB_VERT, &info);
        }
    }
    ShowScrollBar(SB_VERT, bars.vertical);
    Invalidate(TRUE);
}

// ---------------------------------------------------------------- painting

std::vector<CDrawTextWnd::SPlacedRun> CDrawTextWnd::PlaceRuns() const {
    std::vector<SPlacedRun> placed;
    // The bottom of each line from the first visible one on.
    std::vector<int> bottoms(m_lineHeights.size(), 0);
    int sum = 0;
    for (size_t line = static_cast<size_t>(std::max(m_firstLine, 0)); line < m_lineHeights.size();
         ++line) {
        sum += m_lineHeights[line];
        bottoms[line] = sum;
    }
    const int markWidth = MarkCell().cx;
    int runningX = 0;
    for (size_t i = 0; i < m_runs.size(); ++i) {
        const SRun& run = m_runs[i];
        if (run.pos.y < m_firstLine) continue;
        SPlacedRun place;
        place.index = static_cast<int>(i);
        place.bottom = bottoms[static_cast<size_t>(run.pos.y)];
        int x = run.pos.x >= 0 ? run.pos.x : runningX;
        place.markX = x;
        if (HasMark(run.mark)) x += markWidth;
        place.x = x;
        place.right = LimitedEnd(x, run.size.cx, run.rightLimit);
        place.drawn = place.right > x;
        runningX = x + run.size.cx;
        placed.push_back(place);
    }
    return placed;
}

void CDrawTextWnd::DrawRun(CDC& dc, const SRun& run, const SPlacedRun& placed) const {
    const int h = m_scrollX;
    if (HasMark(run.mark)) {
        IBlockHost* host = IBlockHost::Get();
        if (CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr)
            strips->DrawColorMark(dc, placed.markX - h, placed.bottom - MarkCell().cy, run.mark,
                                  FALSE);
    }
    if (!placed.drawn) return;
    const int top = placed.bottom - run.size.cy;
    const CRect clip(placed.x - h, top, placed.right - h, top + run.size.cy);
    CFont* previous = run.font ? dc.SelectObject(run.font) : nullptr;
    dc.SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
    dc.ExtTextOut(placed.x + 2 - h, top + 2, ETO_CLIPPED, &clip, run.text);
    dc.SetTextColor(run.colour);
    dc.ExtTextOut(placed.x + 1 - h, top + 1, ETO_CLIPPED, &clip, run.text);
    if (run.font) dc.SelectObject(previous);
}

void CDrawTextWnd::OnPaint() {
    CPaintDC dc(this);
    IBlockHost* host = IBlockHost::Get();
    CPaletteScope palette(dc, host ? host->GetPalette() : nullptr);
    dc.SetBkMode(TRANSPARENT);
    for (const SPlacedRun& placed : PlaceRuns())
        DrawRun(dc, m_runs[static_cast<size_t>(placed.index)], placed);
}

// ---------------------------------------------------------------- scrolling

void CDrawTextWnd::OnVScroll(UINT code, UINT pos, CWnd* /*scrollBar*/) {
    SCROLLINFO info{};
    if (!GetScrollInfo(SB_VERT, &info, SIF_RANGE | SIF_POS)) return;
    // Lines scroll one at a time, pages too.
    info.nPage = 1;
    const int next = NextScrollPosition(info, code, static_cast<int>(pos));
    if (next == info.nPos) return;
    SetScrollPos(SB_VERT, next);
    m_firstLine = next;
    Invalidate(TRUE);
}

void CDrawTextWnd::OnHScroll(UINT code, UINT pos, CWnd* /*scrollBar*/) {
    SCROLLINFO info{};
    if (!GetScrollInfo(SB_HORZ, &info, SIF_RANGE | SIF_POS)) return;
    info.nPage = static_cast<UINT>(std::max(m_pageX, 0));
    const int next = NextScrollPosition(info, code, static_cast<int>(pos));
    if (next == info.nPos) return;
    SetScrollPos(SB_HORZ, next);
    const int old = m_scrollX;
    m_scrollX = next;
    ScrollWindow(old - next, 0);
}

void CDrawTextWnd::OnLButtonUp(UINT flags, CPoint point) {
    int sum = 0;
    for (size_t line = static_cast<size_t>(std::max(m_firstLine, 0)); line < m_lineHeights.size();
         ++line) {
        sum += m_lineHeights[line];
        if (sum >= point.y) {
            if (CWnd* parent = GetParent())
                parent->PostMessage(WM_BLOCK_LINE_CLICKED, static_cast<WPARAM>(line + 1), 0);
            break;
        }
    }
    CWnd::OnLButtonUp(flags, point);
}
