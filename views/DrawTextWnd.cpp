#include "views/DrawTextWnd.h"

#include <algorithm>
#include <new>

BOOL CDrawTextWnd::AddText(CPoint pos, const std::string& text, COLORREF colour, CFont* font,
                           int mark, int rightLimit) {
    try {
        m_runs.push_back({pos, text, colour, font, mark, rightLimit});
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    return TRUE;
}

void CDrawTextWnd::Clear() {
    m_runs.clear();
    if (IsWindow()) Invalidate(TRUE);
}

int CDrawTextWnd::GetLineCount() const {
    int count = 0;
    for (const SRun& run : m_runs) count = std::max(count, run.pos.y + 1);
    return count;
}

std::string CDrawTextWnd::GetLineText(int line) const {
    std::string text;
    for (const SRun& run : m_runs)
        if (run.pos.y == line) text += run.text;
    return text;
}
