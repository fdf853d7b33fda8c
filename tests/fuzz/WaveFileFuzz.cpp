// The WAV file reader on arbitrary bytes. A file that reads has a format
// and, for 16-bit PCM, exactly one sample per channel and frame; a file
// that does not read leaves no samples and says why.

#include <cstdint>
#include <cstdlib>

#include "model/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CWaveFile wave;
    if (!wave.Read(data, size)) {
        if (!wave.Samples().empty() || wave.Error().empty()) std::abort();
        return 0;
    }
    if (wave.Channels() < 1 || wave.SampleRate() < 1) std::abort();
    const bool pcm16 = wave.FormatTag() == CWaveFile::kPcm && wave.BitsPerSample() == 16;
    if (pcm16 && wave.Samples().size() != wave.Frames() * static_cast<size_t>(wave.Channels()))
        std::abort();
    if (!pcm16 && !wave.Samples().empty()) std::abort();
    if (wave.Frames() > size) std::abort();
    return 0;
}
