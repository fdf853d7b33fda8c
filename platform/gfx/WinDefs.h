#pragma once
// Basic value types of the window layer: integer widths, message parameters,
// colours and the packing helpers the window and drawing code use. Only the
// platform layer knows what stands behind them.

#include <cstdint>

using BOOL = int;
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = unsigned int;
using LONG = int32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using UINT_PTR = uintptr_t;

#ifndef TRUE
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
#endif

// A colour as 0x00BBGGRR. The top byte marks palette-relative colours:
// 0x01 = palette index in the low word, 0x02 = nearest palette colour.
using COLORREF = uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}
constexpr COLORREF PALETTEINDEX(int index) {
    return 0x01000000u | (index & 0xFFFF);
}
constexpr COLORREF PALETTERGB(int r, int g, int b) {
    return 0x02000000u | RGB(r, g, b);
}
constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

constexpr WORD LOWORD(uintptr_t v) {
    return static_cast<WORD>(v & 0xFFFF);
}
constexpr WORD HIWORD(uintptr_t v) {
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(int lo, int hi) {
    return static_cast<LPARAM>(static_cast<uint32_t>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}
constexpr WPARAM MAKEWPARAM(int lo, int hi) {
    return static_cast<WPARAM>(static_cast<uint32_t>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}
// Signed coordinates packed into a parameter (mouse positions can be negative
// while the mouse is captured).
constexpr int GET_X_LPARAM(LPARAM lp) {
    return static_cast<int16_t>(LOWORD(lp));
}
constexpr int GET_Y_LPARAM(LPARAM lp) {
    return static_cast<int16_t>(HIWORD(lp));
}
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM wp) {
    return static_cast<int16_t>(HIWORD(wp));
}
constexpr int GET_KEYSTATE_WPARAM(WPARAM wp) {
    return LOWORD(wp);
}

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};
