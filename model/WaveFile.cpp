#include "model/WaveFile.h"

#include <algorithm>
#include <cstring>

#include "model/FileBytes.h"

namespace {

uint32_t Little32(const uint8_t* p) {
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

uint16_t Little16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

}  // namespace

bool CWaveFile::Fail(std::string error) {
    m_error = std::move(error);
    m_formatTag = m_channels = m_sampleRate = m_bits = 0;
    m_frames = 0;
    m_samples.clear();
    return false;
}

bool CWaveFile::ReadFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    switch (CFileBytes::Read(path, kMaxFileSize, bytes)) {
        case CFileBytes::EResult::Unreadable:
            return Fail("cannot be read");
        case CFileBytes::EResult::TooLarge:
            return Fail("larger than a sound effect can be");
        case CFileBytes::EResult::Ok:
            break;
    }
    return Read(bytes);
}

bool CWaveFile::ReadFormat(const uint8_t* data, size_t size) {
    if (size < 16) return Fail("the fmt chunk is shorter than 16 bytes");
    m_formatTag = Little16(data);
    m_channels = Little16(data + 2);
    m_sampleRate = static_cast<int>(std::min<uint32_t>(Little32(data + 4), INT32_MAX));
    const uint32_t byteRate = Little32(data + 8);
    const int blockAlign = Little16(data + 12);
    m_bits = Little16(data + 14);
    if (m_channels < 1) return Fail("no channels");
    if (m_sampleRate < 1) return Fail("a sample rate of 0");
    if (m_formatTag == kPcm) {
        if (m_bits < 8 || m_bits > 32 || m_bits % 8 != 0)
            return Fail(std::to_string(m_bits) + " bits a sample");
        const int expectedAlign = m_channels * m_bits / 8;
        if (blockAlign != expectedAlign)
            return Fail("a block alignment that does not fit the format");
        if (byteRate != uint64_t{uint32_t(m_sampleRate)} * uint32_t(expectedAlign))
            return Fail("a byte rate that does not fit the format");
    } else if (blockAlign < 1) {
        return Fail("a block alignment of 0");
    }
    return true;
}

bool CWaveFile::Read(const uint8_t* data, size_t size) {
    m_error.clear();
    m_samples.clear();
    m_frames = 0;
    if (size > kMaxFileSize) return Fail("larger than a sound effect can be");
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return Fail("not a RIFF/WAVE file");
    const uint32_t riffSize = Little32(data + 4);
    if (riffSize != size - 8)
        return Fail("the RIFF size " + std::to_string(riffSize) + " does not match the file size " +
                    std::to_string(size));
    bool haveFormat = false;
    const uint8_t* sound = nullptr;
    size_t soundSize = 0;
    size_t pos = 12;
    while (pos < size) {
        if (size - pos < 8) return Fail("a chunk header is cut off at byte " + std::to_string(pos));
        const uint32_t length = Little32(data + pos + 4);
        if (length > size - pos - 8)
            return Fail("the chunk at byte " + std::to_string(pos) +
                        " runs past the end of the file");
        const uint8_t* body = data + pos + 8;
        if (std::memcmp(data + pos, "fmt ", 4) == 0) {
            if (haveFormat) return Fail("two fmt chunks");
            if (!ReadFormat(body, length)) return false;
            haveFormat = true;
        } else if (std::memcmp(data + pos, "data", 4) == 0) {
            if (sound) return Fail("two data chunks");
            sound = body;
            soundSize = length;
        }
        // Chunks are padded to an even length; a missing pad byte at the
        // very end is forgiven.
        pos += 8 + size_t{length} + (length & 1);
    }
    if (!haveFormat) return Fail("no fmt chunk");
    if (!sound) return Fail("no data chunk");
    if (m_formatTag == kPcm) {
        const size_t frameSize = size_t(m_channels) * size_t(m_bits / 8);
        if (soundSize % frameSize != 0) return Fail("the data is not a whole number of samples");
        m_frames = soundSize / frameSize;
        if (m_bits == 16) {
            m_samples.resize(soundSize / 2);
            for (size_t i = 0; i < m_samples.size(); ++i)
                m_samples[i] = static_cast<int16_t>(Little16(sound + 2 * i));
        }
    }
    return true;
}
