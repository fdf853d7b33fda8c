#include "views/DrawExTextWnd.h"

#include <new>

namespace {
// Grows a vector's capacity geometrically when it is full.
template <typename T>
void RoomForOneMore(std::vector<T>& items) {
    if (items.size() == items.capacity()) items.reserve(items.size() * 2 + 1);
}
}  // namespace

BOOL CDrawExTextWnd::AddText(const std::string& text, COLORREF colour, CFont* font, BOOL newLine,
                             int mark) {
    // Continuing needs a line: the first run of the history opens one.
    const bool opens = newLine || m_lineHeights.empty();
    const int line = opens ? GetHistoryLineCount() : GetHistoryLineCount() - 1;
    try {
        // Room first, so that a failure leaves the history as it was.
        RoomForOneMore(m_history);
        RoomForOneMore(m_lineHeights);
        RoomForOneMore(m_centred);
        m_history.push_back(
            {CPoint(opens ? 0 : -1, line), text, colour, font, mark, 0, MeasureRun(text, font)});
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    if (opens) {
        m_lineHeights.push_back(0);
        m_centred.push_back(0);
    }
    // Only the last line can have changed.
    int& height = m_lineHeights.back();
    const int last = GetHistoryLineCount() - 1;
    for (auto run = m_history.rbegin(); run != m_history.rend() && run->pos.y == last; ++run)
        FitLine(height, *run);
    return TRUE;
}

void CDrawExTextWnd::Clear() {
    m_centred.clear();
    m_lineHeights.clear();
    m_history.clear();
    m_topLine = -1;
}

void CDrawExTextWnd::Refill() {
    CRect client(0, 0, 0, 0);
    if (IsWindow()) GetClientRect(&client);
    CDrawTextWnd::Clear();
    m_topLine = -1;
    const int lines = GetHistoryLineCount();
    if (lines == 0) return;
    // The newest line always shows; older ones while they fit above it.
    int top = lines - 1;
    int sum = m_lineHeights[static_cast<size_t>(top)];
    while (top > 0 && client.Height() >= sum + m_lineHeights[static_cast<size_t>(top - 1)]) {
        --top;
        sum += m_lineHeights[static_cast<size_t>(top)];
    }
    m_topLine = top;
    for (const SRun& run : m_history) {
        if (run.pos.y < top) continue;
        CDrawTextWnd::AddText(CPoint(run.pos.x, run.pos.y - top), run.text, run.colour, run.font,
                              run.mark, 0);
    }
    for (int line = top; line < lines; ++line)
        if (m_centred[static_cast<size_t>(line)]) CenterLine(line - top);
}

void CDrawExTextWnd::Refresh() {
    Refill();
    if (!IsWindow()) return;
    Invalidate(TRUE);
    UpdateWindow();
}

void CDrawExTextWnd::OnSize(UINT type, int cx, int cy) {
    CDrawTextWnd::OnSize(type, cx, cy);
    if (m_refreshOnResize) {
        Refill();
        Invalidate(TRUE);
    }
}
