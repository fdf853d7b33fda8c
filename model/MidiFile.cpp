#include "model/MidiFile.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "model/FileBytes.h"

namespace {

uint32_t Big32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

uint16_t Big16(const uint8_t* p) {
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

// The number of data bytes of a channel event kind.
int DataBytes(int kind) {
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

constexpr uint32_t kDefaultTempo = 500000;  // microseconds a quarter: 120 a minute

// Reads the bytes of one track chunk; every read is checked against its end.
class CTrackReader {
public:
    CTrackReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool AtEnd() const { return m_pos >= m_size; }
    size_t Position() const { return m_pos; }
    bool Byte(uint8_t& value) {
        if (m_pos >= m_size) return false;
        value = m_data[m_pos++];
        return true;
    }
    uint8_t Peek() const { return m_data[m_pos]; }
    // A variable-length quantity of at most four bytes.
    bool Quantity(uint32_t& value) {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            uint8_t b = 0;
            if (!Byte(b)) return false;
            value = (value << 7) | (b & 0x7F);
            if ((b & 0x80) == 0) return true;
        }
        return false;
    }
    bool Bytes(uint32_t count, std::vector<uint8_t>& out) {
        if (count > m_size - m_pos) return false;
        out.assign(m_data + m_pos, m_data + m_pos + count);
        m_pos += count;
        return true;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

}  // namespace

bool CMidiFile::Fail(std::string error) {
    m_error = std::move(error);
    m_tracks.clear();
    return false;
}

bool CMidiFile::ReadFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    switch (CFileBytes::Read(path, kMaxFileSize, bytes)) {
        case CFileBytes::EResult::Unreadable:
            return Fail("cannot be read");
        case CFileBytes::EResult::TooLarge:
            return Fail("larger than a piece of music can be");
        case CFileBytes::EResult::Ok:
            break;
    }
    return Read(bytes);
}

bool CMidiFile::Read(const uint8_t* data, size_t size) {
    m_error.clear();
    m_tracks.clear();
    if (size > kMaxFileSize) return Fail("larger than a piece of music can be");
    if (size < 14 || std::memcmp(data, "MThd", 4) != 0)
        return Fail("not a standard MIDI file (no MThd header)");
    const uint32_t headerLength = Big32(data + 4);
    if (headerLength < 6 || headerLength > size - 8)
        return Fail("the MThd header has a wrong length");
    m_format = Big16(data + 8);
    const int trackCount = Big16(data + 10);
    const uint16_t division = Big16(data + 12);
    if (m_format > 2) return Fail("unknown MIDI file format " + std::to_string(m_format));
    if (trackCount < 1) return Fail("the file has no track");
    if (m_format == 0 && trackCount != 1) return Fail("a format 0 file with more than one track");
    if (division & 0x8000) return Fail("time in SMPTE frames is not supported");
    if (division == 0) return Fail("zero ticks a quarter note");
    m_division = division;

    size_t pos = 8 + size_t{headerLength};
    int index = 0;
    while (index < trackCount) {
        if (size - pos < 8)
            return Fail("truncated: track " + std::to_string(index + 1) + " of " +
                        std::to_string(trackCount) + " is missing");
        const uint32_t length = Big32(data + pos + 4);
        if (length > size - pos - 8)
            return Fail("truncated: chunk at byte " + std::to_string(pos) +
                        " is longer than the rest of the file");
        // Chunks of other types are skipped, as the format asks.
        if (std::memcmp(data + pos, "MTrk", 4) == 0) {
            if (!ReadTrack(data + pos + 8, length, index)) return false;
            ++index;
        }
        pos += 8 + size_t{length};
    }
    return true;
}

bool CMidiFile::ReadTrack(const uint8_t* data, size_t size, int index) {
    const std::string where = "track " + std::to_string(index + 1) + ": ";
    CTrackReader in(data, size);
    STrack track;
    uint32_t tick = 0;
    uint8_t running = 0;
    bool ended = false;
    while (!in.AtEnd()) {
        if (ended) return Fail(where + "events after the end of track");
        uint32_t delta = 0;
        if (!in.Quantity(delta)) return Fail(where + "a broken delta time");
        if (delta > UINT32_MAX - tick) return Fail(where + "the track is too long");
        tick += delta;
        SEvent e;
        e.tick = tick;
        if (in.AtEnd()) return Fail(where + "an event is cut off");
        if (in.Peek() & 0x80) {
            in.Byte(e.status);
        } else {
            if (running == 0) return Fail(where + "a data byte without a status");
            e.status = running;
            e.runningStatus = true;
        }
        if (e.status < 0xF0) {
            running = e.status;
            if (!in.Byte(e.data1)) return Fail(where + "an event is cut off");
            if (DataBytes(e.Kind()) == 2 && !in.Byte(e.data2))
                return Fail(where + "an event is cut off");
            if ((e.data1 | e.data2) & 0x80) return Fail(where + "a data byte above 127");
        } else if (e.status == 0xFF) {
            running = 0;
            uint32_t length = 0;
            if (!in.Byte(e.metaType) || !in.Quantity(length) || !in.Bytes(length, e.payload))
                return Fail(where + "a meta event is cut off");
            if (e.metaType == 0x2F) {
                if (length != 0) return Fail(where + "an end of track with data");
                ended = true;
            }
            if (e.metaType == 0x51 && length != 3)
                return Fail(where + "a tempo event of wrong length");
        } else if (e.status == 0xF0 || e.status == 0xF7) {
            running = 0;
            uint32_t length = 0;
            if (!in.Quantity(length) || !in.Bytes(length, e.payload))
                return Fail(where + "a system exclusive event is cut off");
        } else {
            return Fail(where + "status byte " + std::to_string(e.status) +
                        " does not belong in a file");
        }
        track.events.push_back(std::move(e));
    }
    if (!ended) return Fail(where + "no end of track");
    m_tracks.push_back(std::move(track));
    return true;
}

uint32_t CMidiFile::LengthTicks() const {
    uint32_t length = 0;
    for (const STrack& t : m_tracks) length = std::max(length, t.events.back().tick);
    return length;
}

double CMidiFile::SecondsAt(uint32_t tick) const {
    if (m_division <= 0) return 0.0;
    // Tempo changes of every track, by tick; a later one at the same tick wins.
    std::map<uint32_t, uint32_t> tempos;
    for (const STrack& t : m_tracks) {
        for (const SEvent& e : t.events) {
            if (e.status == 0xFF && e.metaType == 0x51 && e.payload.size() == 3) {
                tempos[e.tick] =
                    (uint32_t{e.payload[0]} << 16) | (uint32_t{e.payload[1]} << 8) | e.payload[2];
            }
        }
    }
    double seconds = 0.0;
    uint32_t at = 0;
    uint32_t tempo = kDefaultTempo;
    for (const auto& [changeTick, value] : tempos) {
        if (changeTick >= tick) break;
        seconds += double(changeTick - at) * tempo / 1e6 / m_division;
        at = changeTick;
        tempo = value;
    }
    return seconds + double(tick - at) * tempo / 1e6 / m_division;
}
