#pragma once
// A standard MIDI file read into its tracks and events: the header chunk,
// the track chunks with their delta times, running status, channel, system
// exclusive and meta events, and each track's end-of-track event. The music
// files named in the options may be any file, so every length and count is
// checked against the bytes that are there; a file that breaks a rule is
// refused with a sentence that says where.
//
// The check of the program folder and the tests of our pieces read the
// music through this class.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CMidiFile {
public:
    struct SEvent {
        uint32_t tick = 0;     // from the start of the track
        uint8_t status = 0;    // 0x80..0xEF channel events, 0xF0/0xF7 system exclusive, 0xFF meta
        uint8_t data1 = 0;     // channel events: the first data byte
        uint8_t data2 = 0;     // channel events with two data bytes: the second
        uint8_t metaType = 0;  // meta events: the type
        bool runningStatus = false;    // the status byte was left out in the file
        std::vector<uint8_t> payload;  // meta and system exclusive data

        int Channel() const { return status & 0x0F; }
        int Kind() const { return status & 0xF0; }
        // A note-on with a velocity above 0.
        bool IsNoteOn() const { return Kind() == 0x90 && data2 > 0; }
        // A note-off, or a note-on with velocity 0.
        bool IsNoteOff() const { return Kind() == 0x80 || (Kind() == 0x90 && data2 == 0); }
    };
    struct STrack {
        std::vector<SEvent> events;  // the last is always the end of track
    };

    // Files larger than this are not music the game plays.
    static constexpr size_t kMaxFileSize = 16u << 20;

    // False with Error() set when the bytes are not a standard MIDI file.
    bool Read(const uint8_t* data, size_t size);
    bool Read(const std::vector<uint8_t>& bytes) { return Read(bytes.data(), bytes.size()); }
    bool ReadFile(const std::string& path);
    const std::string& Error() const { return m_error; }

    int Format() const { return m_format; }
    // Ticks per quarter note.
    int Division() const { return m_division; }
    const std::vector<STrack>& Tracks() const { return m_tracks; }

    // The tick of the last end of track.
    uint32_t LengthTicks() const;
    // Seconds from the start to the tick, through the tempo map (the
    // tempo events of every track; 120 beats a minute until the first).
    double SecondsAt(uint32_t tick) const;
    double LengthSeconds() const { return SecondsAt(LengthTicks()); }

private:
    bool Fail(std::string error);
    bool ReadTrack(const uint8_t* data, size_t size, int index);

    std::string m_error;
    int m_format = 0;
    int m_division = 0;
    std::vector<STrack> m_tracks;
};
