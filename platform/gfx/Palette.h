#pragma once
// A logical palette of up to 256 colours. On our true-colour surfaces
// realising it changes nothing visible; it serves the nearest-colour lookup
// and palette-relative colours.

#include <vector>

#include "platform/gfx/GdiObject.h"

class CPalette : public CGdiObject {
public:
    // Fails for no entries or more than 256.
    BOOL CreatePalette(const PALETTEENTRY* entries, int count);
    int GetEntryCount() const { return static_cast<int>(m_entries.size()); }
    // Both return the number of entries copied (0 when start is outside).
    UINT GetPaletteEntries(UINT start, UINT count, PALETTEENTRY* out) const;
    UINT SetPaletteEntries(UINT start, UINT count, const PALETTEENTRY* in);
    // The index of the entry closest to the colour (squared RGB distance,
    // first of equals).
    UINT GetNearestPaletteIndex(COLORREF color) const;
    COLORREF EntryColor(UINT index) const;

protected:
    void Release() override { m_entries.clear(); }

private:
    std::vector<PALETTEENTRY> m_entries;
};
