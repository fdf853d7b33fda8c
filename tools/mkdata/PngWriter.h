#pragma once
// A small PNG encoder for review pictures: 8-bit palette images, the image
// data in stored (uncompressed) deflate blocks. Needs no library.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/mkdata/Rgb.h"

class CPngWriter {
public:
    // pixels: width x height palette indexes, top row first; palette: up to
    // 256 colours.
    static std::vector<uint8_t> Encode(int width, int height, const std::vector<uint8_t>& pixels,
                                       const std::vector<SRgb>& palette);
    // False when the file cannot be written.
    static bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

    static uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
    static uint32_t Adler32(const uint8_t* data, size_t size);

private:
    static void AddChunk(std::vector<uint8_t>& out, const char* type,
                         const std::vector<uint8_t>& data);
    static std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& raw);
};
