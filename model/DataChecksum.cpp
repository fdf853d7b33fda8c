#include "model/DataChecksum.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "model/Saturate.h"

namespace {
// Sums of many bytes cannot overflow int in practice, but a wrap-around must
// stay defined: add as unsigned and convert back.
int32_t WrapAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t SignedByteSum(const char* text, size_t length) {
    int32_t sum = 0;
    for (size_t i = 0; i < length; ++i) sum = WrapAdd(sum, static_cast<signed char>(text[i]));
    return sum;
}
}  // namespace

CDataChecksum& CDataChecksum::Reset() {
    m_sum = 0;
    return *this;
}

CDataChecksum& CDataChecksum::Add(int value) {
    int units = value % 10;
    value /= 10;
    int tens = value % 10;
    value /= 10;
    int hundreds = value % 10;
    // At most 10 x 16 x 9 in size: the product fits easily.
    m_sum = WrapAdd(m_sum, (hundreds + 1) * (tens + 7) * units) % 1000000;
    return *this;
}

CDataChecksum& CDataChecksum::AddDouble(double value) {
    return Add(TruncToInt(value));
}

CDataChecksum& CDataChecksum::AddString(const std::string& text) {
    return Add(SignedByteSum(text.data(), text.size()));
}

CDataChecksum& CDataChecksum::AddText(const char* text) {
    return text ? Add(SignedByteSum(text, std::strlen(text))) : *this;
}

CDataChecksum& CDataChecksum::AddBlock(const uint8_t* bytes, int size) {
    if (!bytes || size <= 0) return *this;
    int count = static_cast<int>(std::sqrt(static_cast<double>(size)));
    // sqrt of a perfect square may come out a hair low or high.
    while (static_cast<int64_t>(count + 1) * (count + 1) <= size) ++count;
    while (static_cast<int64_t>(count) * count > size) --count;
    int step = size / count;
    int32_t sum = 0;
    for (int j = 0; j < count; ++j) sum += bytes[static_cast<size_t>(step) * j];
    return Add(sum);
}
