#include "views/DrawEPWnd.h"

void CDrawEPWnd::SetText(const std::string& text) {
    if (text == m_text) return;
    m_text = text;
    if (IsWindow()) Invalidate(TRUE);
}

void CDrawEPWnd::ClearText() {
    if (m_text.empty()) return;
    m_text.clear();
    if (IsWindow()) Invalidate(TRUE);
}
