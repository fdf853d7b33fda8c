#pragma once
// A transfer source whose pixels are made as the transfer reads them, row by
// row (a stored picture converted through its colour table), so that no
// whole 32-bit copy of it is ever built.

#include <cstdint>

class ISourceRows {
public:
    virtual ~ISourceRows() = default;
    // Writes the 32-bit pixels (0xFFRRGGBB) of columns [x, x + count) of row
    // y, rows counted from the top, to out. The caller keeps within the
    // source's size.
    virtual void ReadRow(int y, int x, int count, uint32_t* out) const = 0;
};
