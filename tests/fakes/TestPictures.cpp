#include "fakes/TestPictures.h"

#include <cstdlib>
#include <cstring>

namespace {
void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}
int DefaultColorCount(int bitCount) {
    return bitCount <= 8 ? 1 << bitCount : 0;
}
}  // namespace

std::vector<uint8_t> MakeTestImage(int width, int height, int bitCount, int colorsUsed, int seed) {
    int colors = colorsUsed != 0 ? colorsUsed : DefaultColorCount(bitCount);
    size_t stride = (static_cast<size_t>(bitCount) * width + 31) / 32 * 4;
    size_t bits = stride * static_cast<size_t>(std::abs(height));
    std::vector<uint8_t> image(40 + colors * 4 + bits);
    Put32(image, 0, 40);
    Put32(image, 4, static_cast<uint32_t>(width));
    Put32(image, 8, static_cast<uint32_t>(height));
    Put16(image, 12, 1);
    Put16(image, 14, static_cast<uint16_t>(bitCount));
    Put32(image, 20, static_cast<uint32_t>(bits));
    Put32(image, 32, static_cast<uint32_t>(colorsUsed));
    for (int i = 0; i < colors; ++i) {
        image[40 + i * 4] = static_cast<uint8_t>(i);
        image[40 + i * 4 + 1] = static_cast<uint8_t>(2 * i);
        image[40 + i * 4 + 2] = static_cast<uint8_t>(3 * i);
    }
    for (size_t k = 0; k < bits; ++k)
        image[40 + colors * 4 + k] = static_cast<uint8_t>(k * 7 + seed);
    return image;
}

CMemBlock MakeTestImageBlock(int width, int height, int bitCount, int colorsUsed, int seed) {
    std::vector<uint8_t> image = MakeTestImage(width, height, bitCount, colorsUsed, seed);
    CMemBlock block;
    block.Alloc(image.size());
    std::memcpy(block.Lock(), image.data(), image.size());
    return block;
}

std::vector<uint8_t> MakeTestBmpFile(const std::vector<uint8_t>& image) {
    std::vector<uint8_t> file(14);
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, static_cast<uint32_t>(image.size() + 14));
    uint32_t colorsUsed = image[32] | image[33] << 8;
    uint16_t bitCount = static_cast<uint16_t>(image[14] | image[15] << 8);
    uint32_t colors = colorsUsed != 0 ? colorsUsed : (bitCount <= 8 ? 1u << bitCount : 0u);
    Put32(file, 10, 14 + 40 + colors * 4);
    file.insert(file.end(), image.begin(), image.end());
    return file;
}
