#include "tools/mkdata/GamePalette.h"

#include <fstream>
#include <stdexcept>
#include <vector>

#include "model/ColorTable.h"
#include "platform/core/TextFormat.h"

namespace {

// Includes the window system's greys (64, 128, 192, 223 and the map
// background's default 63) so that they are matched exactly.
constexpr int kGreys[CGamePalette::kGreyCount] = {16,  24,  32,  40,  48,  56,  63,  64,
                                                  72,  80,  96,  112, 128, 144, 160, 176,
                                                  192, 208, 223, 232, 240, 248};

// Colour is weighted the way the eye weighs it: green most, red and blue by
// how red the pair is.
int Distance(const SRgb& a, const SRgb& b) {
    int mean = (a.r + b.r) / 2;
    int dr = a.r - b.r;
    int dg = a.g - b.g;
    int db = a.b - b.b;
    return (((512 + mean) * dr * dr) >> 8) + 4 * dg * dg + (((767 - mean) * db * db) >> 8);
}

}  // namespace

CGamePalette::CGamePalette() {
    m_colors[kBlack] = {0, 0, 0};
    m_colors[kWhite] = {255, 255, 255};
    for (int i = 0; i < kGreyCount; ++i)
        m_colors[kFirstGrey + i] = {kGreys[i], kGreys[i], kGreys[i]};
    for (int i = 0; i < kColorTableSize; ++i) {
        SColorTableEntry c = GetColorTableRGB(i);
        m_colors[kFirstCompanyColor + i] = {c.red, c.green, c.blue};
    }
    int at = kFirstMaterial;
    AddRamp(at, {{18, 52, 18}, {60, 118, 36}, {150, 200, 90}}, 10);      // grass
    AddRamp(at, {{58, 60, 26}, {132, 132, 64}, {206, 200, 128}}, 8);     // dry grass
    AddRamp(at, {{10, 34, 18}, {34, 76, 38}, {70, 120, 58}}, 6);         // forest
    AddRamp(at, {{50, 30, 16}, {120, 82, 48}, {206, 166, 116}}, 10);     // earth
    AddRamp(at, {{150, 128, 84}, {212, 192, 140}, {244, 230, 188}}, 6);  // sand
    AddRamp(at, {{8, 26, 64}, {30, 88, 150}, {132, 190, 236}}, 10);      // water
    AddRamp(at, {{34, 38, 48}, {92, 98, 112}, {176, 182, 196}}, 8);      // asphalt, slate
    AddRamp(at, {{70, 64, 56}, {150, 140, 124}, {222, 212, 192}}, 8);    // concrete, stone
    AddRamp(at, {{62, 22, 16}, {150, 62, 44}, {224, 128, 96}}, 8);       // brick
    AddRamp(at, {{84, 32, 12}, {178, 82, 36}, {244, 150, 88}}, 8);       // tiles
    AddRamp(at, {{42, 38, 64}, {88, 84, 120}, {150, 146, 180}}, 6);      // slate roof
    AddRamp(at, {{112, 96, 70}, {196, 180, 146}, {252, 244, 220}}, 8);   // plaster
    AddRamp(at, {{14, 30, 62}, {52, 100, 156}, {150, 200, 238}}, 8);     // glass
    AddRamp(at, {{10, 44, 44}, {40, 116, 110}, {130, 208, 196}}, 6);     // green glass
    AddRamp(at, {{62, 36, 20}, {126, 84, 48}, {196, 148, 96}}, 6);       // wood
    AddRamp(at, {{64, 38, 26}, {150, 96, 66}, {214, 162, 124}, {255, 224, 196}}, 14);  // skin
    AddRamp(at, {{112, 82, 32}, {190, 156, 80}, {244, 224, 146}}, 6);                  // blond hair
    AddRamp(at, {{70, 22, 10}, {146, 54, 24}, {206, 100, 48}}, 5);                     // red hair
    AddRamp(at, {{96, 0, 0}, {224, 36, 0}, {255, 146, 0}, {255, 232, 90}, {255, 250, 210}},
            10);                                                       // fire
    AddRamp(at, {{190, 150, 50}, {255, 242, 156}}, 4);                 // lit windows
    AddRamp(at, {{40, 18, 60}, {112, 60, 150}, {190, 150, 220}}, 6);   // violet
    AddRamp(at, {{96, 24, 50}, {196, 84, 120}, {246, 176, 196}}, 6);   // rose
    AddRamp(at, {{16, 20, 42}, {44, 54, 96}, {96, 108, 156}}, 6);      // navy
    AddRamp(at, {{52, 12, 16}, {110, 28, 34}, {168, 60, 62}}, 5);      // maroon
    AddRamp(at, {{10, 52, 60}, {30, 116, 126}, {110, 190, 196}}, 6);   // teal
    AddRamp(at, {{56, 110, 28}, {118, 170, 52}, {196, 232, 116}}, 5);  // leaves
    AddRamp(at, {{88, 44, 20}, {168, 96, 50}, {220, 160, 110}}, 5);    // copper
    AddRamp(at, {{24, 60, 140}, {70, 120, 210}, {160, 196, 250}}, 6);  // paint blue
    if (at != kWhite) throw std::logic_error("game palette: material ramps do not fill it");
}

void CGamePalette::AddRamp(int& at, std::initializer_list<SRgb> keys, int count) {
    std::vector<SRgb> k(keys);
    for (int i = 0; i < count; ++i) {
        double t = count == 1 ? 0.0 : static_cast<double>(i) / (count - 1) * (k.size() - 1);
        size_t seg = std::min(static_cast<size_t>(t), k.size() - 2);
        m_colors[at++] = k[seg].Mixed(k[seg + 1], t - static_cast<double>(seg));
    }
}

uint8_t CGamePalette::Nearest(const SRgb& c) const {
    auto found = m_nearest.find(c.Value());
    if (found != m_nearest.end()) return found->second;
    int best = 0;
    int bestDistance = Distance(c, m_colors[0]);
    for (int i = 1; i < kSize && bestDistance > 0; ++i) {
        int d = Distance(c, m_colors[i]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    m_nearest.emplace(c.Value(), static_cast<uint8_t>(best));
    return static_cast<uint8_t>(best);
}

std::string CGamePalette::FileText() const {
    std::string text = FormatText("%d\n", kSize);
    for (const SRgb& c : m_colors) text += FormatText("%d %d %d\n", c.r, c.g, c.b);
    return text;
}

bool CGamePalette::WriteFile(const std::string& path) const {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    std::string text = FileText();
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(file);
}
