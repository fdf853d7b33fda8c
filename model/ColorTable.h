#pragma once
// The 32 colours of the game: companies, marks and coloured texts. Entries
// 0..15 are full-strength hues, 16..31 the same hues dimmed.

#include <cstdint>

constexpr int kColorTableSize = 32;

struct SColorTableEntry {
    int red, green, blue;
};

// Entry i (0..31); an index outside the table gives black.
SColorTableEntry GetColorTableRGB(int i);

// Entry i as a colour value red | green << 8 | blue << 16.
uint32_t GetColorTableEntry(int i);
