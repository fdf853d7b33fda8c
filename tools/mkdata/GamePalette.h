#pragma once
// The game palette: 256 colours that hold every colour of our pictures, the
// 32 company colours and the greys of the window system. Entry 0 is black
// and entry 255 white, so that picture masks work whether the blits combine
// colour values or palette indexes. Written as the palette file the game
// reads at start-up: the count, then one line "red green blue" per colour.

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "tools/mkdata/Rgb.h"

class CGamePalette {
public:
    static constexpr int kSize = 256;
    static constexpr int kBlack = 0;
    static constexpr int kWhite = 255;
    static constexpr int kFirstGrey = 1;
    static constexpr int kGreyCount = 22;
    static constexpr int kFirstCompanyColor = kFirstGrey + kGreyCount;
    static constexpr int kFirstMaterial = kFirstCompanyColor + 32;
    static constexpr const char* kFileName = "MERCAVO.PAL";

    CGamePalette();

    const SRgb& Color(int index) const { return m_colors[index]; }
    // The entry closest to c as the eye sees it (ties: the lowest index).
    uint8_t Nearest(const SRgb& c) const;
    // The entry of company colour i (0..31).
    static int CompanyColorIndex(int i) { return kFirstCompanyColor + i; }

    // The palette file's text.
    std::string FileText() const;
    // Writes the palette file; false when it cannot be written.
    bool WriteFile(const std::string& path) const;

private:
    void AddRamp(int& at, std::initializer_list<SRgb> keys, int count);

    std::array<SRgb, kSize> m_colors{};
    mutable std::unordered_map<uint32_t, uint8_t> m_nearest;
};
