#pragma once
// Small sound files made by the tests themselves: a standard MIDI file of
// one track with a number of quarter notes at 120 beats a minute, and a
// 16-bit mono WAV file with a short tone.

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace soundfiles {

inline void PutBig(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline void PutLittle(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline void PutDelta(std::vector<uint8_t>& out, uint32_t ticks) {
    std::vector<uint8_t> groups{static_cast<uint8_t>(ticks & 0x7F)};
    for (ticks >>= 7; ticks; ticks >>= 7) {
        groups.insert(groups.begin(), static_cast<uint8_t>((ticks & 0x7F) | 0x80));
    }
    out.insert(out.end(), groups.begin(), groups.end());
}

// Each quarter note lasts 500 ms.
inline std::vector<uint8_t> Midi(int quarterNotes) {
    constexpr uint32_t kDivision = 480;
    std::vector<uint8_t> track;
    PutDelta(track, 0);
    track.insert(track.end(), {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});  // 500,000 us a beat
    PutDelta(track, 0);
    track.insert(track.end(), {0xC0, 0x00});
    for (int i = 0; i < quarterNotes; ++i) {
        const uint8_t key = static_cast<uint8_t>(60 + i % 12);
        PutDelta(track, 0);
        track.insert(track.end(), {0x90, key, 0x64});
        PutDelta(track, kDivision);
        track.insert(track.end(), {0x80, key, 0x00});
    }
    PutDelta(track, 0);
    track.insert(track.end(), {0xFF, 0x2F, 0x00});

    std::vector<uint8_t> file{'M', 'T', 'h', 'd'};
    PutBig(file, 6, 4);
    PutBig(file, 0, 2);
    PutBig(file, 1, 2);
    PutBig(file, kDivision, 2);
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    PutBig(file, static_cast<uint32_t>(track.size()), 4);
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

inline std::vector<uint8_t> Wav(int milliseconds) {
    constexpr uint32_t kRate = 22050;
    const uint32_t samples = kRate * static_cast<uint32_t>(milliseconds) / 1000;
    std::vector<uint8_t> file{'R', 'I', 'F', 'F'};
    PutLittle(file, 36 + samples * 2, 4);
    file.insert(file.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLittle(file, 16, 4);
    PutLittle(file, 1, 2);  // PCM
    PutLittle(file, 1, 2);  // mono
    PutLittle(file, kRate, 4);
    PutLittle(file, kRate * 2, 4);
    PutLittle(file, 2, 2);
    PutLittle(file, 16, 2);
    file.insert(file.end(), {'d', 'a', 't', 'a'});
    PutLittle(file, samples * 2, 4);
    for (uint32_t i = 0; i < samples; ++i) {
        const double wave = std::sin(2 * 3.14159265 * 440.0 * i / kRate);
        PutLittle(file, static_cast<uint16_t>(static_cast<int16_t>(8000 * wave)), 2);
    }
    return file;
}

inline void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

}  // namespace soundfiles
