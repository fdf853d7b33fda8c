#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/MidiFile.h"
#include "model/WaveFile.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Big32(uint32_t v) {
    return {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
}

Bytes Header(uint16_t format, uint16_t tracks, uint16_t division) {
    return Concat({{'M', 'T', 'h', 'd'},
                   Big32(6),
                   {uint8_t(format >> 8), uint8_t(format)},
                   {uint8_t(tracks >> 8), uint8_t(tracks)},
                   {uint8_t(division >> 8), uint8_t(division)}});
}

Bytes Track(const Bytes& events) {
    return Concat({{'M', 'T', 'r', 'k'}, Big32(static_cast<uint32_t>(events.size())), events});
}

const Bytes kEnd = {0x00, 0xFF, 0x2F, 0x00};
// Two notes, the second note-on and both offs in running status.
const Bytes kNotes = {0x00, 0x90, 60, 100, 0x60, 62, 100, 0x60, 60, 0, 0x00, 62, 0};

TEST(MidiFile, ReadsRunningStatusAndTimesThroughTheTempoMap) {
    // 96 ticks a quarter; a tempo of one quarter a second from tick 96.
    const Bytes tempo = {0x60, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40};
    CMidiFile midi;
    ASSERT_TRUE(midi.Read(
        Concat({Header(1, 2, 96), Track(Concat({tempo, kEnd})), Track(Concat({kNotes, kEnd}))})))
        << midi.Error();
    ASSERT_EQ(midi.Tracks().size(), 2u);
    const auto& events = midi.Tracks()[1].events;
    ASSERT_EQ(events.size(), 5u);
    EXPECT_TRUE(events[1].runningStatus);
    EXPECT_TRUE(events[1].IsNoteOn());
    EXPECT_TRUE(events[2].IsNoteOff());
    EXPECT_EQ(events[3].tick, 192u);
    EXPECT_EQ(midi.LengthTicks(), 192u);
    // 96 ticks at 120 a minute, then 96 at 60.
    EXPECT_DOUBLE_EQ(midi.LengthSeconds(), 0.5 + 1.0);
}

TEST(MidiFile, BrokenFilesAreRefusedWithTheirFault) {
    struct SCase {
        const char* name;
        Bytes bytes;
        const char* error;
    };
    const Bytes good = Concat({Header(0, 1, 96), Track(Concat({kNotes, kEnd}))});
    Bytes truncated(good.begin(), good.end() - 3);
    Bytes longLength = good;
    longLength[18 + 3] += 4;
    const std::vector<SCase> cases = {
        {"empty", {}, "no MThd header"},
        {"another format", Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 0, 0},
         "no MThd header"},
        {"truncated", truncated, "truncated"},
        {"track longer than the file", longLength, "truncated"},
        {"missing track", Concat({Header(1, 2, 96), Track(kEnd)}), "track 2 of 2 is missing"},
        {"no end of track", Concat({Header(0, 1, 96), Track(kNotes)}), "no end of track"},
        {"events after the end", Concat({Header(0, 1, 96), Track(Concat({kEnd, kNotes}))}),
         "after the end"},
        {"data without status", Concat({Header(0, 1, 96), Track(Concat({{0x00, 60, 100}, kEnd}))}),
         "without a status"},
        {"endless delta",
         Concat({Header(0, 1, 96), Track(Concat({{0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, kEnd}))}),
         "delta time"},
        {"meta longer than the track",
         Concat({Header(0, 1, 96), Track({0x00, 0xFF, 0x03, 0x40, 'a'})}), "meta event is cut off"},
        {"realtime byte", Concat({Header(0, 1, 96), Track(Concat({{0x00, 0xF8}, kEnd}))}),
         "does not belong"},
        {"SMPTE time", Concat({Header(0, 1, 0xE728), Track(kEnd)}), "SMPTE"},
        {"no tracks", Header(1, 0, 96), "no track"},
        {"zero division", Concat({Header(0, 1, 0), Track(kEnd)}), "zero ticks"},
        {"format 3", Concat({Header(3, 1, 96), Track(kEnd)}), "format 3"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CMidiFile midi;
        EXPECT_FALSE(midi.Read(c.bytes));
        EXPECT_NE(midi.Error().find(c.error), std::string::npos) << midi.Error();
        EXPECT_TRUE(midi.Tracks().empty());
    }
}

Bytes Little32(uint32_t v) {
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

Bytes Wave(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, const Bytes& data) {
    const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    Bytes fmt = Concat({{'f', 'm', 't', ' '},
                        Little32(16),
                        {uint8_t(tag), uint8_t(tag >> 8)},
                        {uint8_t(channels), 0},
                        Little32(rate),
                        Little32(rate * align),
                        {uint8_t(align), 0, uint8_t(bits), 0}});
    Bytes body = Concat({{'W', 'A', 'V', 'E'},
                         fmt,
                         {'d', 'a', 't', 'a'},
                         Little32(static_cast<uint32_t>(data.size())),
                         data});
    return Concat({{'R', 'I', 'F', 'F'}, Little32(static_cast<uint32_t>(body.size())), body});
}

TEST(WaveFile, ReadsPcmSamples) {
    CWaveFile wave;
    ASSERT_TRUE(wave.Read(Wave(1, 1, 22050, 16, {0x01, 0x00, 0xFF, 0xFF, 0x00, 0x80})))
        << wave.Error();
    EXPECT_EQ(wave.SampleRate(), 22050);
    EXPECT_EQ(wave.Frames(), 3u);
    EXPECT_EQ(wave.Samples(), (std::vector<int16_t>{1, -1, -32768}));
}

TEST(WaveFile, BrokenFilesAreRefusedWithTheirFault) {
    struct SCase {
        const char* name;
        Bytes bytes;
        const char* error;
    };
    const Bytes good = Wave(1, 1, 22050, 16, {1, 0, 2, 0});
    Bytes wrongRiff = good;
    wrongRiff[4] += 2;
    Bytes longData = good;
    longData[40] += 8;
    longData[4] += 0;
    Bytes noFmt = good;
    noFmt[12] = 'x';
    const std::vector<SCase> cases = {
        {"empty", {}, "not a RIFF/WAVE file"},
        {"a MIDI file", Concat({{'M', 'T', 'h', 'd'}, Big32(6), {0, 0, 0, 1, 0, 96}}),
         "not a RIFF/WAVE file"},
        {"RIFF size", wrongRiff, "does not match the file size"},
        {"data past the end", longData, "runs past the end"},
        {"no fmt", noFmt, "no fmt chunk"},
        {"odd sample bytes", Wave(1, 1, 22050, 16, {1, 0, 2}), "whole number"},
        {"twelve bits", Wave(1, 1, 22050, 12, {1, 0}), "12 bits"},
        {"no channels", Wave(1, 0, 22050, 16, {}), "no channels"},
        {"no rate", Wave(1, 1, 0, 16, {}), "sample rate of 0"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CWaveFile wave;
        EXPECT_FALSE(wave.Read(c.bytes));
        EXPECT_NE(wave.Error().find(c.error), std::string::npos) << wave.Error();
        EXPECT_TRUE(wave.Samples().empty());
    }
}

}  // namespace
