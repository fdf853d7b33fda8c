#include "judge/JudgeFonts.h"

#include "model/AppFonts.h"
#include "platform/gfx/DC.h"

namespace judge {

namespace {

// The face the layouts were made for; the window system draws it with its
// substitute, as in the game.
constexpr const char* kFace = "MS Sans Serif";

bool IsFont(int font) {
    return font >= 0 && font < CJudgeFonts::kFontCount;
}

}  // namespace

int CJudgeFonts::FontHeight(int font, int cellHeight) {
    switch (font) {
        case 0:
            return CAppFonts::FontHeight(2, cellHeight);
        case 1:
            return CAppFonts::FontHeight(1, cellHeight);
        case 2:
            return CAppFonts::FontHeight(3, cellHeight);
        case 3:
            return CAppFonts::FontHeight(3, cellHeight) * 3 / 2;
        default:
            return 0;
    }
}

int CJudgeFonts::FontWeight(int font) {
    return font >= 2 ? FW_BOLD : FW_NORMAL;
}

bool CJudgeFonts::Create(int cellHeight, CDC& dc) {
    Release();
    for (int i = 0; i < kFontCount; ++i) {
        const int height = FontHeight(i, cellHeight);
        if (height < 1 || !m_fonts[i].CreateFont(height, 0, 0, 0, FontWeight(i), 0, 0, 0,
                                                 DEFAULT_CHARSET, 0, CLIP_STROKE_PRECIS, 0, 0,
                                                 kFace)) {
            Release();
            return false;
        }
        CFont* previous = dc.SelectObject(&m_fonts[i]);
        TEXTMETRIC metrics;
        const bool measured = dc.GetTextMetrics(&metrics) && metrics.tmAveCharWidth > 0;
        dc.SelectObject(previous);
        if (!measured) {
            Release();
            return false;
        }
        m_sizes[i] = CSize(metrics.tmAveCharWidth, metrics.tmHeight + 2);
    }
    return true;
}

void CJudgeFonts::Release() {
    for (int i = kFontCount - 1; i >= 0; --i) {
        m_fonts[i].DeleteObject();
        m_sizes[i] = CSize(0, 0);
    }
}

CFont* CJudgeFonts::GetFont(int font) {
    return IsFont(font) ? &m_fonts[font] : nullptr;
}

CSize CJudgeFonts::GetSize(int font) const {
    return IsFont(font) ? m_sizes[font] : CSize(0, 0);
}

}  // namespace judge
