#pragma once
// Selects and realises a palette on a context for the lifetime of the
// scope (nothing is selected without one), and puts the previous one back.

#include "platform/gfx/DC.h"
#include "platform/gfx/Palette.h"

class CPaletteScope {
public:
    CPaletteScope(CDC& dc, CPalette* palette) : m_dc(dc), m_selected(palette != nullptr) {
        if (m_selected) m_previous = dc.SelectPalette(palette, FALSE);
        dc.RealizePalette();
    }
    ~CPaletteScope() {
        if (m_selected) m_dc.SelectPalette(m_previous, FALSE);
    }
    CPaletteScope(const CPaletteScope&) = delete;
    CPaletteScope& operator=(const CPaletteScope&) = delete;

private:
    CDC& m_dc;
    bool m_selected;
    CPalette* m_previous = nullptr;
};
