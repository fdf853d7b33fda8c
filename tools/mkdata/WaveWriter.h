#pragma once
// Writes 16-bit PCM mono samples as a RIFF/WAVE file.

#include <cstdint>
#include <vector>

class CWaveWriter {
public:
    static std::vector<uint8_t> Bytes(const std::vector<int16_t>& samples, int sampleRate);
};
