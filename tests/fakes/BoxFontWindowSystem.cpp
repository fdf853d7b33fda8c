#include "fakes/BoxFontWindowSystem.h"

#include <algorithm>
#include <cstdlib>

namespace {

class CBoxFace : public CFontFace {
public:
    explicit CBoxFace(int height) : height(height) {}
    int height;
};

int CharacterCount(const std::string& text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

int Advance(int height) {
    return std::max(1, height / 2);
}

}  // namespace

std::unique_ptr<CFontFace> CBoxFontWindowSystem::MakeFace(const LOGFONT& font) {
    const int height = font.lfHeight == 0 ? 16 : std::abs(static_cast<int>(font.lfHeight));
    return std::make_unique<CBoxFace>(height);
}

int CBoxFontWindowSystem::Height(const CFontFace& face) {
    return static_cast<const CBoxFace&>(face).height;
}

bool CBoxFontWindowSystem::DrawText(const CFontFace& face, const STextJob& job) {
    const int height = Height(face);
    SPixelBox clip = job.clip.Intersected(job.surface.Box());
    if ((job.options & ETO_CLIPPED) && job.hasRect) clip = clip.Intersected(job.rect);
    const uint32_t pixel = 0xFF000000u | uint32_t{GetRValue(job.textColor)} << 16 |
                           uint32_t{GetGValue(job.textColor)} << 8 | GetBValue(job.textColor);
    int x = job.x;
    const int count = CharacterCount(job.text);
    for (int i = 0; i < count; ++i) {
        const int advance = job.dx ? job.dx[i] : Advance(height);
        const SPixelBox box =
            SPixelBox{x, job.y, x + std::max(1, advance - 1), job.y + height}.Intersected(clip);
        for (int y = box.top; y < box.bottom; ++y) {
            for (int px = box.left; px < box.right; ++px) job.surface.Row(y)[px] = pixel;
        }
        x += advance;
    }
    return true;
}

CSize CBoxFontWindowSystem::TextExtent(const CFontFace& face, const std::string& text) {
    const int height = Height(face);
    return CSize(CharacterCount(text) * Advance(height), height);
}

bool CBoxFontWindowSystem::TextMetrics(const CFontFace& face, TEXTMETRIC* metrics) {
    const int height = Height(face);
    *metrics = TEXTMETRIC{};
    metrics->tmHeight = height;
    metrics->tmDescent = height / 5;
    metrics->tmAscent = height - height / 5;
    metrics->tmAveCharWidth = Advance(height);
    metrics->tmMaxCharWidth = Advance(height);
    return true;
}
