#pragma once
// Selects the application's palette and one of its message fonts on a
// context with the transparent background mode while a row or a header is
// drawn, and puts everything back afterwards.

#include "model/AppFonts.h"
#include "model/PaletteScope.h"
#include "platform/gfx/DC.h"
#include "views/BlockHost.h"

class CRowPaintScope {
public:
    // secondFont: the second message font instead of the first.
    explicit CRowPaintScope(CDC& dc, bool secondFont = false)
        : m_dc(dc), m_palette(dc, Host() ? Host()->GetPalette() : nullptr) {
        CAppFonts* fonts = Host() ? Host()->GetAppFonts() : nullptr;
        if (fonts) {
            m_font = true;
            m_previous = dc.SelectObject(secondFont ? fonts->GetMessageFont2() : fonts->GetMessageFont());
        }
        m_mode = dc.SetBkMode(TRANSPARENT);
    }
    ~CRowPaintScope() {
        m_dc.SetBkMode(m_mode);
        if (m_font) m_dc.SelectObject(m_previous);
    }
    CRowPaintScope(const CRowPaintScope&) = delete;
    CRowPaintScope& operator=(const CRowPaintScope&) = delete;

private:
    static IBlockHost* Host() { return IBlockHost::Get(); }
    CDC& m_dc;
    CPaletteScope m_palette;
    bool m_font = false;
    CFont* m_previous = nullptr;
    int m_mode = 0;
};
