#include "platform/gfx/DibImage.h"

#include "platform/gfx/DibRows.h"

bool CDibImage::Decode(const void* info, size_t infoSize, const void* bits, size_t bitsSize) {
    *this = CDibImage();
    CDibRows rows;
    if (!rows.Open(info, infoSize, bits, bitsSize)) return false;
    const size_t width = static_cast<size_t>(rows.Width());
    m_pixels.resize(width * static_cast<size_t>(rows.Height()));
    for (int y = 0; y < rows.Height(); ++y)
        rows.ReadRow(y, 0, rows.Width(), m_pixels.data() + static_cast<size_t>(y) * width);
    m_width = rows.Width();
    m_height = rows.Height();
    m_bottomUp = rows.BottomUp();
    return true;
}

SPixelRows CDibImage::Rows() const {
    // The view is read-only in use; SPixelRows serves sources and surfaces alike.
    return {const_cast<uint32_t*>(m_pixels.data()), m_width, m_height, m_width};
}

size_t CDibImage::PackedInfoSize(const void* dib, size_t size) {
    return CDibRows::PackedInfoSize(dib, size);
}
