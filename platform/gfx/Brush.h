#pragma once
// A brush: solid colour, null (draws nothing), or an 8 x 8 two-colour
// pattern (the halftone brush of focus frames and greyed drawing).

#include <array>

#include "platform/gfx/GdiObject.h"

class CBrush : public CGdiObject {
public:
    enum class Kind { Solid, Null, Pattern };

    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreateNullBrush();
    // Rows of 8 bits, the leftmost pixel in the high bit; set bits draw
    // `fore`, clear bits `back`.
    BOOL CreatePatternBrush(const std::array<BYTE, 8>& rows, COLORREF fore, COLORREF back);
    // The checkerboard of black and white pixels.
    static CBrush* GetHalftoneBrush();

    Kind GetKind() const { return m_kind; }
    COLORREF Color() const { return m_color; }
    // The brush colour at a device pixel (patterns repeat from (0, 0)).
    COLORREF ColorAt(int x, int y) const;

private:
    Kind m_kind = Kind::Solid;
    COLORREF m_color = 0;
    COLORREF m_back = 0;
    std::array<BYTE, 8> m_rows{};
};
