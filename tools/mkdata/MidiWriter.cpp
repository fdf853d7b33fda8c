#include "tools/mkdata/MidiWriter.h"

#include <algorithm>

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutQuantity(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = static_cast<uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (n > 1) out.push_back(static_cast<uint8_t>(groups[--n] | 0x80));
    out.push_back(groups[0]);
}

uint8_t Data(int value) {
    return static_cast<uint8_t>(std::clamp(value, 0, 127));
}

std::vector<uint8_t> Meta(uint8_t type, std::vector<uint8_t> data) {
    std::vector<uint8_t> bytes = {0xFF, type};
    PutQuantity(bytes, static_cast<uint32_t>(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

}  // namespace

int CMidiWriter::AddTrack(const std::string& name) {
    m_tracks.emplace_back();
    const int track = static_cast<int>(m_tracks.size()) - 1;
    if (!name.empty()) Add(track, 0, 0, Meta(0x03, {name.begin(), name.end()}));
    return track;
}

void CMidiWriter::Add(int track, uint32_t tick, int order, std::vector<uint8_t> bytes) {
    m_tracks.at(static_cast<size_t>(track))
        .push_back({tick, order, m_sequence++, std::move(bytes)});
}

void CMidiWriter::Tempo(uint32_t tick, int beatsPerMinute) {
    const uint32_t micro = 60000000u / static_cast<uint32_t>(std::max(beatsPerMinute, 1));
    Add(0, tick, 0, Meta(0x51, {uint8_t(micro >> 16), uint8_t(micro >> 8), uint8_t(micro)}));
}

void CMidiWriter::TimeSignature(uint32_t tick, int beats, int beatUnit) {
    uint8_t power = 0;
    while ((1 << power) < beatUnit) ++power;
    Add(0, tick, 0, Meta(0x58, {uint8_t(beats), power, 24, 8}));
}

void CMidiWriter::KeySignature(uint32_t tick, int sharps, bool minor) {
    Add(0, tick, 0, Meta(0x59, {uint8_t(int8_t(sharps)), uint8_t(minor ? 1 : 0)}));
}

void CMidiWriter::Program(int track, int channel, uint32_t tick, int program) {
    Add(track, tick, 2, {uint8_t(0xC0 | channel), Data(program)});
}

void CMidiWriter::Control(int track, int channel, uint32_t tick, int controller, int value) {
    Add(track, tick, 2, {uint8_t(0xB0 | channel), Data(controller), Data(value)});
}

void CMidiWriter::Note(int track, int channel, uint32_t tick, uint32_t length, int key,
                       int velocity) {
    Add(track, tick, 2, {uint8_t(0x90 | channel), Data(key), Data(std::max(velocity, 1))});
    // A note-off as a note-on of velocity 0 keeps the running status.
    Add(track, tick + std::max<uint32_t>(length, 1), 1, {uint8_t(0x90 | channel), Data(key), 0});
}

std::vector<uint8_t> CMidiWriter::Bytes(uint32_t endTick) const {
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd'};
    Put32(out, 6);
    out.insert(out.end(), {0, 1});
    out.push_back(static_cast<uint8_t>(m_tracks.size() >> 8));
    out.push_back(static_cast<uint8_t>(m_tracks.size()));
    out.push_back(static_cast<uint8_t>(m_division >> 8));
    out.push_back(static_cast<uint8_t>(m_division));
    for (std::vector<SEvent> events : m_tracks) {
        std::stable_sort(events.begin(), events.end(), [](const SEvent& a, const SEvent& b) {
            if (a.tick != b.tick) return a.tick < b.tick;
            if (a.order != b.order) return a.order < b.order;
            return a.sequence < b.sequence;
        });
        std::vector<uint8_t> body;
        uint32_t at = 0;
        uint8_t running = 0;
        for (const SEvent& e : events) {
            PutQuantity(body, e.tick - at);
            at = e.tick;
            const uint8_t status = e.bytes[0];
            const bool channelEvent = status < 0xF0;
            const size_t skip = channelEvent && status == running ? 1 : 0;
            body.insert(body.end(), e.bytes.begin() + static_cast<long>(skip), e.bytes.end());
            running = channelEvent ? status : 0;
        }
        PutQuantity(body, std::max(endTick, at) - at);
        body.insert(body.end(), {0xFF, 0x2F, 0x00});
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        Put32(out, static_cast<uint32_t>(body.size()));
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}
