#pragma once
// A RIFF/WAVE sound file read into its format and, for 16-bit PCM, its
// samples. The chunk sizes of the RIFF header, the format chunk and the
// data chunk are checked against the bytes that are there; chunks of other
// kinds are skipped. A sound file named in the options may be any file, so
// a file that breaks a rule is refused with a sentence that says where.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CWaveFile {
public:
    static constexpr size_t kMaxFileSize = 64u << 20;
    static constexpr int kPcm = 1;

    bool Read(const uint8_t* data, size_t size);
    bool Read(const std::vector<uint8_t>& bytes) { return Read(bytes.data(), bytes.size()); }
    bool ReadFile(const std::string& path);
    const std::string& Error() const { return m_error; }

    int FormatTag() const { return m_formatTag; }
    int Channels() const { return m_channels; }
    int SampleRate() const { return m_sampleRate; }
    int BitsPerSample() const { return m_bits; }
    // The number of sample frames of the data chunk.
    size_t Frames() const { return m_frames; }
    double Seconds() const { return m_sampleRate > 0 ? double(m_frames) / m_sampleRate : 0.0; }
    // The samples of a 16-bit PCM file, channels interleaved; empty otherwise.
    const std::vector<int16_t>& Samples() const { return m_samples; }

private:
    bool Fail(std::string error);
    bool ReadFormat(const uint8_t* data, size_t size);

    std::string m_error;
    int m_formatTag = 0;
    int m_channels = 0;
    int m_sampleRate = 0;
    int m_bits = 0;
    size_t m_frames = 0;
    std::vector<int16_t> m_samples;
};
