#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tools/mkdata/PngWriter.h"

namespace {

uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

struct SChunk {
    std::string type;
    std::vector<uint8_t> data;
};

// Splits a PNG into its chunks and checks every chunk's CRC on the way.
std::vector<SChunk> Chunks(const std::vector<uint8_t>& png) {
    std::vector<SChunk> chunks;
    size_t at = 8;
    while (at + 12 <= png.size()) {
        uint32_t n = Get32(png, at);
        EXPECT_LE(at + 12 + n, png.size());
        if (at + 12 + n > png.size()) break;
        SChunk c{std::string(png.begin() + at + 4, png.begin() + at + 8),
                 {png.begin() + at + 8, png.begin() + at + 8 + n}};
        EXPECT_EQ(Get32(png, at + 8 + n), CPngWriter::Crc32(png.data() + at + 4, n + 4)) << c.type;
        chunks.push_back(c);
        at += 12 + n;
    }
    EXPECT_EQ(at, png.size());
    return chunks;
}

// Undoes the stored deflate blocks of a zlib stream, checking lengths and
// the Adler-32 sum.
std::vector<uint8_t> Unstore(const std::vector<uint8_t>& z) {
    EXPECT_EQ((z[0] << 8 | z[1]) % 31, 0);
    EXPECT_EQ(z[0] & 0x0F, 8);  // deflate
    std::vector<uint8_t> out;
    size_t at = 2;
    bool last = false;
    while (!last && at + 5 <= z.size()) {
        last = z[at] & 1;
        EXPECT_EQ(z[at] & 6, 0);  // stored
        uint16_t len = static_cast<uint16_t>(z[at + 1] | z[at + 2] << 8);
        uint16_t nlen = static_cast<uint16_t>(z[at + 3] | z[at + 4] << 8);
        EXPECT_EQ(static_cast<uint16_t>(~len), nlen);
        out.insert(out.end(), z.begin() + at + 5, z.begin() + at + 5 + len);
        at += 5 + len;
    }
    EXPECT_TRUE(last);
    EXPECT_EQ(at + 4, z.size());
    EXPECT_EQ(Get32(z, at), CPngWriter::Adler32(out.data(), out.size()));
    return out;
}

TEST(PngWriter, ChecksumsMatchTheirKnownValues) {
    const char* digits = "123456789";
    EXPECT_EQ(CPngWriter::Crc32(reinterpret_cast<const uint8_t*>(digits), 9), 0xCBF43926u);
    const char* word = "Wikipedia";
    EXPECT_EQ(CPngWriter::Adler32(reinterpret_cast<const uint8_t*>(word), 9), 0x11E60398u);
    EXPECT_EQ(CPngWriter::Adler32(nullptr, 0), 1u);
}

TEST(PngWriter, WritesAValidPaletteImage) {
    // 300 x 300 needs two stored blocks.
    for (int side : {1, 3, 300}) {
        std::vector<uint8_t> pixels(static_cast<size_t>(side) * side);
        for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 7 % 4);
        std::vector<SRgb> palette = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
        std::vector<uint8_t> png = CPngWriter::Encode(side, side, pixels, palette);
        const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        ASSERT_GE(png.size(), 8u);
        EXPECT_EQ(std::memcmp(png.data(), signature, 8), 0);
        std::vector<SChunk> chunks = Chunks(png);
        ASSERT_EQ(chunks.size(), 4u);
        EXPECT_EQ(chunks[0].type, "IHDR");
        EXPECT_EQ(chunks[1].type, "PLTE");
        EXPECT_EQ(chunks[2].type, "IDAT");
        EXPECT_EQ(chunks[3].type, "IEND");
        EXPECT_EQ(Get32(chunks[0].data, 0), static_cast<uint32_t>(side));
        EXPECT_EQ(Get32(chunks[0].data, 4), static_cast<uint32_t>(side));
        EXPECT_EQ(std::vector<uint8_t>(chunks[0].data.begin() + 8, chunks[0].data.end()),
                  (std::vector<uint8_t>{8, 3, 0, 0, 0}));
        EXPECT_EQ(chunks[1].data.size(), 12u);
        std::vector<uint8_t> raw = Unstore(chunks[2].data);
        ASSERT_EQ(raw.size(), pixels.size() + side);
        for (int y = 0; y < side; ++y) {
            EXPECT_EQ(raw[y * (side + 1)], 0);
            EXPECT_TRUE(std::equal(pixels.begin() + y * side, pixels.begin() + (y + 1) * side,
                                   raw.begin() + y * (side + 1) + 1));
        }
    }
}

TEST(PngWriter, RefusesPicturesThatDoNotAddUp) {
    std::vector<SRgb> palette = {{0, 0, 0}};
    EXPECT_THROW(CPngWriter::Encode(2, 2, std::vector<uint8_t>(3), palette), std::invalid_argument);
    EXPECT_THROW(CPngWriter::Encode(0, 2, {}, palette), std::invalid_argument);
    EXPECT_THROW(CPngWriter::Encode(1, 1, {0}, {}), std::invalid_argument);
}

}  // namespace
