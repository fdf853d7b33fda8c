#include "tools/mkdata/PngWriter.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <stdexcept>

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v >> 24));
    out.push_back(static_cast<uint8_t>(v >> 16));
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

const std::array<uint32_t, 256>& CrcTable() {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

}  // namespace

uint32_t CPngWriter::Crc32(const uint8_t* data, size_t size, uint32_t crc) {
    const std::array<uint32_t, 256>& table = CrcTable();
    uint32_t c = crc ^ 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

uint32_t CPngWriter::Adler32(const uint8_t* data, size_t size) {
    uint32_t a = 1;
    uint32_t b = 0;
    for (size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

void CPngWriter::AddChunk(std::vector<uint8_t>& out, const char* type,
                          const std::vector<uint8_t>& data) {
    Put32(out, static_cast<uint32_t>(data.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    Put32(out, Crc32(out.data() + start, out.size() - start));
}

std::vector<uint8_t> CPngWriter::StoredZlib(const std::vector<uint8_t>& raw) {
    // Deflate with 32 K window, no dictionary, fastest level; header check
    // bits make 0x7801 a multiple of 31.
    std::vector<uint8_t> out = {0x78, 0x01};
    size_t at = 0;
    do {
        size_t n = std::min<size_t>(raw.size() - at, 65535);
        bool last = at + n == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<uint8_t>(n));
        out.push_back(static_cast<uint8_t>(n >> 8));
        out.push_back(static_cast<uint8_t>(~n));
        out.push_back(static_cast<uint8_t>(~n >> 8));
        out.insert(out.end(), raw.begin() + static_cast<ptrdiff_t>(at),
                   raw.begin() + static_cast<ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    Put32(out, Adler32(raw.data(), raw.size()));
    return out;
}

std::vector<uint8_t> CPngWriter::Encode(int width, int height, const std::vector<uint8_t>& pixels,
                                        const std::vector<SRgb>& palette) {
    if (width <= 0 || height <= 0 ||
        pixels.size() != static_cast<size_t>(width) * static_cast<size_t>(height) ||
        palette.empty() || palette.size() > 256)
        throw std::invalid_argument("png: bad picture");
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    Put32(header, static_cast<uint32_t>(width));
    Put32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 3, 0, 0, 0});  // 8 bits, palette, no interlace
    AddChunk(out, "IHDR", header);
    std::vector<uint8_t> colors;
    for (const SRgb& c : palette) {
        colors.push_back(static_cast<uint8_t>(c.r));
        colors.push_back(static_cast<uint8_t>(c.g));
        colors.push_back(static_cast<uint8_t>(c.b));
    }
    AddChunk(out, "PLTE", colors);
    std::vector<uint8_t> raw;
    raw.reserve(pixels.size() + height);
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);  // filter: none
        auto row = pixels.begin() + static_cast<ptrdiff_t>(y) * width;
        raw.insert(raw.end(), row, row + width);
    }
    AddChunk(out, "IDAT", StoredZlib(raw));
    AddChunk(out, "IEND", {});
    return out;
}

bool CPngWriter::WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}
