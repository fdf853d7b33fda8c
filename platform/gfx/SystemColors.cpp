#include "platform/gfx/SystemColors.h"

#include <array>
#include <cstddef>

namespace {

constexpr std::array<COLORREF, CSystemColors::kCount> kColors = {
    RGB(200, 200, 200),  // scroll bar
    RGB(58, 110, 165),   // desktop
    RGB(36, 72, 128),    // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(212, 208, 200),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(212, 208, 200),  // active border
    RGB(212, 208, 200),  // inactive border
    RGB(128, 128, 128),  // application workspace
    RGB(49, 106, 197),   // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(212, 208, 200),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(212, 208, 200),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(64, 64, 64),     // 3-D dark shadow
    RGB(227, 224, 218),  // 3-D light
    RGB(0, 0, 0),        // tool tip text
    RGB(255, 255, 225),  // tool tip background
};

}  // namespace

COLORREF CSystemColors::Color(int index) {
    if (index < 0 || index >= kCount) return 0;
    return kColors[static_cast<size_t>(index)];
}
