#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/WaveFile.h"
#include "tools/mkdata/EffectSynth.h"
#include "tools/mkdata/WaveWriter.h"

namespace {

struct SExpected {
    const char* file;
    double shortest;
    double longest;
};

// Durations of the five effects: "about" allows a tenth either way.
const std::vector<SExpected> kExpected = {
    {"MERC_1.WAV", 1.35, 1.65}, {"MERC_2.WAV", 0.9, 1.1},     {"MERC_3.WAV", 0.01, 0.0999},
    {"MERC_4.WAV", 0.45, 0.55}, {"MERC_5.WAV", 0.01, 0.0999},
};

CWaveFile Written(int effect) {
    CWaveFile wave;
    const std::vector<uint8_t> bytes =
        CWaveWriter::Bytes(CEffectSynth::Synthesise(effect), CEffectSynth::kSampleRate);
    EXPECT_TRUE(wave.Read(bytes)) << wave.Error();
    // The RIFF size covers the rest of the file, the data chunk the samples.
    EXPECT_EQ(bytes.size(), 44 + 2 * wave.Frames());
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(bytes[4] | (bytes[5] << 8) | (bytes[6] << 16) | (bytes[7] << 24),
              int(bytes.size()) - 8);
    return wave;
}

TEST(EffectSound, FilesArePcm16MonoAt22050WithTheirDurations) {
    ASSERT_EQ(CEffectSynth::Effects().size(), kExpected.size());
    for (size_t i = 0; i < kExpected.size(); ++i) {
        SCOPED_TRACE(kExpected[i].file);
        EXPECT_STREQ(CEffectSynth::Effects()[i].file, kExpected[i].file);
        const CWaveFile wave = Written(static_cast<int>(i));
        EXPECT_EQ(wave.FormatTag(), CWaveFile::kPcm);
        EXPECT_EQ(wave.Channels(), 1);
        EXPECT_EQ(wave.SampleRate(), 22050);
        EXPECT_EQ(wave.BitsPerSample(), 16);
        EXPECT_GE(wave.Seconds(), kExpected[i].shortest);
        EXPECT_LE(wave.Seconds(), kExpected[i].longest);
    }
}

TEST(EffectSound, PeaksStayBelowMinusOneDecibelWithoutDcAndFadeAtBothEnds) {
    const double ceiling = 32767.0 * std::pow(10.0, -1.0 / 20.0);
    const size_t fade = 22050 * 5 / 1000;
    for (size_t i = 0; i < kExpected.size(); ++i) {
        SCOPED_TRACE(kExpected[i].file);
        const CWaveFile wave = Written(static_cast<int>(i));
        const std::vector<int16_t>& s = wave.Samples();
        ASSERT_GT(s.size(), 2 * fade);
        int peak = 0;
        double sum = 0.0;
        for (int16_t x : s) {
            peak = std::max(peak, std::abs(int{x}));
            sum += x;
        }
        EXPECT_LE(peak, ceiling);
        EXPECT_GT(peak, ceiling / 2) << "not near silence";
        EXPECT_LT(std::abs(sum / double(s.size())), 0.005 * 32768) << "DC offset";
        // Within the first and last 5 ms every sample stays under a straight
        // rise from (or fall to) silence.
        for (size_t k = 0; k < fade; ++k) {
            const double bound = ceiling * double(k + 1) / double(fade) + 2.0;
            EXPECT_LE(std::abs(int{s[k]}), bound) << "sample " << k;
            EXPECT_LE(std::abs(int{s[s.size() - 1 - k]}), bound)
                << "sample " << k << " from the end";
        }
    }
}

TEST(EffectSound, SynthesisIsTheSameOnEveryRun) {
    for (size_t i = 0; i < kExpected.size(); ++i)
        EXPECT_EQ(CEffectSynth::Synthesise(static_cast<int>(i)),
                  CEffectSynth::Synthesise(static_cast<int>(i)));
}

}  // namespace
