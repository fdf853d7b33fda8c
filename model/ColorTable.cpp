#include "model/ColorTable.h"

namespace {
constexpr SColorTableEntry kColors[kColorTableSize] = {
    {255, 0, 0},    {255, 96, 0},   {255, 191, 0},  {223, 255, 0}, {128, 255, 0},  {32, 255, 0},
    {0, 255, 64},   {0, 255, 159},  {0, 255, 255},  {0, 159, 255}, {0, 64, 255},   {32, 0, 255},
    {128, 0, 255},  {223, 0, 255},  {255, 0, 191},  {255, 0, 96},  {191, 64, 64},  {191, 112, 64},
    {191, 159, 64}, {175, 191, 64}, {128, 191, 64}, {80, 191, 64}, {64, 191, 96},  {64, 191, 143},
    {64, 191, 191}, {64, 143, 191}, {64, 96, 191},  {80, 64, 191}, {128, 64, 191}, {175, 64, 191},
    {191, 64, 159}, {191, 64, 112},
};
}  // namespace

SColorTableEntry GetColorTableRGB(int i) {
    if (i < 0 || i >= kColorTableSize) return {0, 0, 0};
    return kColors[i];
}

uint32_t GetColorTableEntry(int i) {
    SColorTableEntry c = GetColorTableRGB(i);
    return (c.red & 0xFF) | (c.green & 0xFF) << 8 | (c.blue & 0xFF) << 16;
}
