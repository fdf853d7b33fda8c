// The MIDI file reader on arbitrary bytes. A file that reads has tracks
// that each end with their end-of-track event, ticks that never go back
// and channel events with data bytes below 128; a file that does not read
// leaves no tracks and says why.

#include <cstdint>
#include <cstdlib>

#include "model/MidiFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CMidiFile midi;
    if (!midi.Read(data, size)) {
        if (!midi.Tracks().empty() || midi.Error().empty()) std::abort();
        return 0;
    }
    if (midi.Tracks().empty() || midi.Division() <= 0) std::abort();
    for (const CMidiFile::STrack& track : midi.Tracks()) {
        if (track.events.empty() || track.events.back().status != 0xFF ||
            track.events.back().metaType != 0x2F)
            std::abort();
        uint32_t tick = 0;
        for (const CMidiFile::SEvent& e : track.events) {
            if (e.tick < tick) std::abort();
            tick = e.tick;
            if (e.status < 0x80) std::abort();
            if (e.status < 0xF0 && ((e.data1 | e.data2) & 0x80)) std::abort();
        }
    }
    const double seconds = midi.LengthSeconds();
    if (!(seconds >= 0.0)) std::abort();
    return 0;
}
