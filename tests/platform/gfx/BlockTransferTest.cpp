#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "platform/gfx/BlockTransfer.h"
#include "platform/gfx/DibImage.h"
#include "platform/gfx/DibRows.h"
#include "platform/gfx/GdiDefs.h"

namespace {

// Pixels with their own memory.
struct Surface {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    Surface(int w, int h, std::mt19937& rng) : width(w), height(h), pixels(size_t(w) * h) {
        for (uint32_t& p : pixels) p = rng();
    }
    SPixelRows Rows() { return {pixels.data(), width, height, width}; }
};

int Between(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

// A stored picture with random pixels: 1, 4 or 8 bits through a colour
// table of `entries` colours with indexes that may run past it, or 24 bits;
// bottom-up or top-down. Held whole as decoded pixels, and as rows converted
// on demand from the same bytes.
struct StoredPicture {
    std::vector<uint8_t> info;
    std::vector<uint8_t> bits;
    CDibImage decoded;
    CDibRows rows;

    StoredPicture(int w, int h, int bitCount, bool topDown, std::mt19937& rng) {
        const int entries = bitCount == 24 ? 0 : Between(rng, 1, 1 << bitCount);
        BITMAPINFOHEADER header{};
        header.biSize = sizeof header;
        header.biWidth = w;
        header.biHeight = topDown ? -h : h;
        header.biPlanes = 1;
        header.biBitCount = static_cast<WORD>(bitCount);
        header.biCompression = BI_RGB;
        header.biClrUsed = static_cast<DWORD>(entries);
        info.resize(sizeof header + size_t(entries) * 4);
        std::memcpy(info.data(), &header, sizeof header);
        for (size_t i = sizeof header; i < info.size(); ++i) info[i] = static_cast<uint8_t>(rng());
        const size_t stride = (size_t(w) * bitCount + 31) / 32 * 4;
        bits.resize(stride * h);
        for (uint8_t& b : bits) b = static_cast<uint8_t>(rng());
        EXPECT_TRUE(decoded.Decode(info.data(), info.size(), bits.data(), bits.size()));
        EXPECT_TRUE(rows.Open(info.data(), info.size(), bits.data(), bits.size()));
    }
};

SPixelBox RandomBoxIn(int width, int height, std::mt19937& rng) {
    const int left = Between(rng, 0, width - 1), top = Between(rng, 0, height - 1);
    return {left, top, Between(rng, left, width), Between(rng, top, height)};
}

// Every code the programs use, and some that only the general form knows.
constexpr uint8_t kCodes[] = {
    0xCC, 0x88, 0xEE, 0x66, 0x33, 0x22, 0xF0, 0x5A, 0x55, 0x00, 0xFF,  // used
    0xC0, 0xBB, 0xB8, 0xE2, 0x11, 0x44, 0xAA, 0x0F, 0x96, 0x6A,        // others
};

TEST(BlockTransferTest, FastPathWritesWhatThePerPixelReferenceWrites) {
    std::mt19937 rng(20261210);
    for (int round = 0; round < 4000; ++round) {
        const uint8_t code = kCodes[static_cast<size_t>(round) % std::size(kCodes)];
        const bool large = round % 10 == 0;
        Surface dst(Between(rng, 1, large ? 320 : 40), Between(rng, 1, large ? 240 : 40), rng);

        STransfer tr;
        tr.dst = dst.Rows();
        tr.clip = round % 3 == 0 ? dst.Rows().Box() : RandomBoxIn(dst.width, dst.height, rng);
        tr.code = code;
        tr.x = Between(rng, -dst.width / 2, dst.width);
        tr.y = Between(rng, -dst.height / 2, dst.height);
        tr.width = Between(rng, -dst.width - 4, dst.width + 4);
        tr.height = Between(rng, -dst.height - 4, dst.height + 4);
        tr.patternX = Between(rng, -9, 9);
        tr.patternY = Between(rng, -9, 9);
        const bool solid = rng() % 2;
        const uint32_t solidPixel = rng();
        for (uint32_t& p : tr.pattern) p = solid ? solidPixel : rng();

        // The source: a 32-bit surface or a stored picture, readable only
        // in part; unscaled, mirrored or stretched. Every other picture is
        // read through rows converted on demand, and the reference reads the
        // whole decoded picture.
        Surface source(Between(rng, 1, 60), Between(rng, 1, 60), rng);
        std::unique_ptr<StoredPicture> picture;
        SPixelRows src = source.Rows();
        if (round % 4 == 1 || round % 4 == 3) {
            constexpr int kBitCounts[] = {1, 4, 8, 8, 24};
            picture = std::make_unique<StoredPicture>(
                Between(rng, 1, 61), Between(rng, 1, 40),
                kBitCounts[rng() % std::size(kBitCounts)], rng() % 4 == 0, rng);
            src = picture->decoded.Rows();
        }
        tr.src = src.bits;
        tr.srcStride = src.stride;
        tr.srcValid = rng() % 2 ? src.Box() : RandomBoxIn(src.width, src.height, rng);
        tr.srcX = Between(rng, -8, src.width + 8);
        tr.srcY = Between(rng, -8, src.height + 8);
        switch (round % 5) {
            case 0:
            case 1:
                tr.srcWidth = tr.width;
                tr.srcHeight = tr.height;
                break;
            case 2:
                tr.srcWidth = -tr.width;
                tr.srcHeight = rng() % 2 ? tr.height : -tr.height;
                break;
            default:
                tr.srcWidth = Between(rng, -src.width - 8, src.width + 8);
                tr.srcHeight = Between(rng, -src.height - 8, src.height + 8);
                break;
        }
        if (round % 97 == 0) tr.src = nullptr;

        Surface expected = dst;
        STransfer reference = tr;
        reference.dst = expected.Rows();
        const bool converted = round % 4 == 3 && tr.src;
        if (converted) {
            tr.src = nullptr;
            tr.srcStride = 0;
            tr.srcRows = &picture->rows;
        }
        SPixelBox fastArea, referenceArea;
        const bool fastOk = CBlockTransfer::Run(tr, &fastArea);
        const bool referenceOk = CBlockTransfer::Reference(reference, &referenceArea);

        SCOPED_TRACE(testing::Message()
                     << "round " << round << (converted ? " converted rows" : "") << " code "
                     << std::hex << int(code) << std::dec
                     << " dst " << dst.width << "x" << dst.height << " at " << tr.x << "," << tr.y
                     << " size " << tr.width << "x" << tr.height << " src " << tr.srcX << ","
                     << tr.srcY << " size " << tr.srcWidth << "x" << tr.srcHeight);
        ASSERT_EQ(fastOk, referenceOk);
        if (fastOk) {
            ASSERT_EQ(fastArea.left, referenceArea.left);
            ASSERT_EQ(fastArea.top, referenceArea.top);
            ASSERT_EQ(fastArea.right, referenceArea.right);
            ASSERT_EQ(fastArea.bottom, referenceArea.bottom);
        }
        ASSERT_EQ(dst.pixels, expected.pixels);
    }
}

// Sizes at the int limits clip instead of overflowing the rectangle sums.
TEST(BlockTransferTest, TransfersNearTheIntLimitsClipToTheSurface) {
    std::mt19937 rng(7);
    Surface dst(8, 8, rng);
    const std::vector<uint32_t> before = dst.pixels;
    STransfer tr;
    tr.dst = dst.Rows();
    tr.clip = dst.Rows().Box();
    tr.code = 0x55;
    tr.x = INT32_MAX - 2;
    tr.width = INT32_MAX;
    tr.height = 8;
    ASSERT_TRUE(CBlockTransfer::Run(tr));
    EXPECT_EQ(dst.pixels, before);
    tr.x = INT32_MIN + 1;
    tr.width = INT32_MAX;
    ASSERT_TRUE(CBlockTransfer::Run(tr));
    EXPECT_EQ(dst.pixels, before);
    tr.x = 4;
    tr.width = INT32_MIN;
    ASSERT_TRUE(CBlockTransfer::Run(tr));
    EXPECT_NE(dst.pixels, before) << "the mirrored box reaches left of x and covers columns 0..3";
}

}  // namespace
