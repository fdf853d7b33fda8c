#pragma once
// Drawing helpers for the tests of the records that draw: a memory context
// with its own bitmap, and pictures built pixel by pixel.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/MemBlock.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"

// A memory context drawing on a bitmap of its own, filled with one colour.
class CTestCanvas {
public:
    CTestCanvas(int width, int height, COLORREF fill);
    CDC& DC() { return m_dc; }
    CBitmap& Bitmap() { return m_bitmap; }
    COLORREF At(int x, int y) const { return m_dc.GetPixel(x, y); }
    // The pixels of a rectangle, row by row.
    std::vector<COLORREF> Pixels(int left, int top, int width, int height) const;
    // Saves the canvas as name.png into the folder that MERCAVO_TEST_PNG_DIR
    // names, for a look at it; nothing when that is not set.
    void SaveWhenAsked(const std::string& name) const;

private:
    CDC m_dc;
    CBitmap m_bitmap;
};

// A packed device-independent bitmap from rows given top row first, each
// row's bytes as stored (without padding). table: colours as COLORREF, put
// into the colour table (4-byte entries, or 3-byte ones with a core header);
// colorsUsed is the table size for 40-byte headers. topDown stores the rows
// top first with a negative height.
struct SDibLayout {
    int width = 0;
    int height = 0;
    int bitCount = 8;
    std::vector<COLORREF> table;
    std::vector<std::vector<uint8_t>> rows;
    bool topDown = false;
    bool coreHeader = false;
};
std::vector<uint8_t> MakeDib(const SDibLayout& layout);
CMemBlock ToBlock(const std::vector<uint8_t>& bytes);

// A 24-bit picture of one colour.
CMemBlock MakeSolidPicture(int width, int height, COLORREF color);
