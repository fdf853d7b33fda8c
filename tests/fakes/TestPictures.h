#pragma once
// Pictures made by code for the tests of the records that hold them.

#include <cstdint>
#include <vector>

#include "platform/core/MemBlock.h"

// A packed device-independent bitmap: a 40-byte header, colorCount table
// entries (entry i = blue i, green 2i, red 3i) and bits filled with a
// pattern (byte k = (k * 7 + seed) mod 256). height < 0 makes a top-down
// image. colorsUsed goes into the header as it is.
std::vector<uint8_t> MakeTestImage(int width, int height, int bitCount, int colorsUsed,
                                   int seed = 0);

// The same as a memory block.
CMemBlock MakeTestImageBlock(int width, int height, int bitCount, int colorsUsed, int seed = 0);

// A .BMP file of the image: the 14-byte file header and the image.
std::vector<uint8_t> MakeTestBmpFile(const std::vector<uint8_t>& image);
