#pragma once
// Writes a standard MIDI file of format 1: a first track with the tempo,
// metre and key, then one track per part. Events are given at absolute
// ticks in any order; the file holds them sorted by tick (at one tick meta
// events first, then note-offs, then everything else), with running status
// and every track closed by its end-of-track event at the piece's end.

#include <cstdint>
#include <string>
#include <vector>

class CMidiWriter {
public:
    explicit CMidiWriter(int division) : m_division(division) { AddTrack(""); }

    int Division() const { return m_division; }
    // A new track named name; its index (the first track is 0).
    int AddTrack(const std::string& name);

    void Tempo(uint32_t tick, int beatsPerMinute);
    void TimeSignature(uint32_t tick, int beats, int beatUnit);
    // sharps: -7..7 (negative for flats); minor: a minor key.
    void KeySignature(uint32_t tick, int sharps, bool minor);
    void Program(int track, int channel, uint32_t tick, int program);
    void Control(int track, int channel, uint32_t tick, int controller, int value);
    // A note of length ticks (at least 1).
    void Note(int track, int channel, uint32_t tick, uint32_t length, int key, int velocity);

    // The file, every track ending at endTick (or at its last event when
    // that is later).
    std::vector<uint8_t> Bytes(uint32_t endTick) const;

private:
    struct SEvent {
        uint32_t tick;
        int order;  // 0 meta, 1 note-off, 2 others
        uint32_t sequence;
        std::vector<uint8_t> bytes;  // status first
    };
    void Add(int track, uint32_t tick, int order, std::vector<uint8_t> bytes);

    int m_division;
    uint32_t m_sequence = 0;
    std::vector<std::vector<SEvent>> m_tracks;
};
