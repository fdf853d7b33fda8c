#include "model/AppFonts.h"

#include "platform/gfx/DC.h"

namespace {

// The face the layouts were made for; the window system draws it with its
// substitute.
constexpr const char* kFace = "MS Sans Serif";

}  // namespace

int CAppFonts::FontHeight(int font, int cellHeight) {
    switch (font) {
        case 1:
            return cellHeight * 13 / 20;
        case 2:
            return cellHeight / 2;
        case 3:
            return cellHeight / 2 * 3 / 2;
        default:
            return 0;
    }
}

int CAppFonts::FontWeight(int font) {
    return font == 3 ? FW_BOLD : FW_NORMAL;
}

bool CAppFonts::Create(int cellHeight, CDC& dc) {
    Release();
    if (cellHeight < 1) return false;
    for (int i = 0; i < kFontCount; ++i) {
        const int font = i + 1;
        const int height = FontHeight(font, cellHeight);
        if (height < 1 ||
            !m_fonts[i].CreateFont(height, 0, 0, 0, FontWeight(font), 0, 0, 0, DEFAULT_CHARSET, 0,
                                   CLIP_STROKE_PRECIS, 0, 0, kFace)) {
            Release();
            return false;
        }
        // A font that cannot be measured would give every layout a cell of
        // no size.
        CFont* previous = dc.SelectObject(&m_fonts[i]);
        TEXTMETRIC metrics;
        const bool measured = dc.GetTextMetrics(&metrics) && metrics.tmAveCharWidth > 0;
        dc.SelectObject(previous);
        if (!measured) {
            Release();
            return false;
        }
        m_sizes[i] = CSize(metrics.tmAveCharWidth, metrics.tmHeight + metrics.tmDescent + 2);
    }
    return true;
}

void CAppFonts::Release() {
    for (int i = kFontCount - 1; i >= 0; --i) {
        m_fonts[i].DeleteObject();
        m_sizes[i] = CSize(0, 0);
    }
}
