#include "views/InfoMesWnd.h"

void CInfoMesWnd::AddMessage(const std::string& text, int /*smooth*/, int colour) {
    if (static_cast<int>(m_lines.size()) >= kMaxLines) m_lines.pop_front();
    m_lines.push_back({text, colour});
    if (IsWindow()) Invalidate(TRUE);
}

void CInfoMesWnd::Clear() {
    m_lines.clear();
    if (IsWindow()) {
        Invalidate(TRUE);
        UpdateWindow();
    }
}
