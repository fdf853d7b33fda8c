#include "tools/mkdata/MusicComposer.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/mkdata/ArtRandom.h"
#include "tools/mkdata/MidiWriter.h"

namespace {

using EStyle = CMusicTable::EStyle;

constexpr int kBeat = CMusicComposer::kDivision;
constexpr int kEighth = kBeat / 2;
constexpr int kPhraseBars = 8;
constexpr int kIntroBars = 4;

constexpr std::array<int, 7> kMajorScale = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMinorScale = {0, 2, 3, 5, 7, 8, 10};

// Chord roots (scale degrees 0..6) of an eight-bar phrase. "A" phrases
// close on the tonic, "B" phrases on the dominant.
using Progression = std::array<int, kPhraseBars>;
const std::vector<Progression> kMajorA = {{0, 5, 3, 4, 0, 3, 4, 0},
                                          {0, 3, 4, 5, 3, 1, 4, 0},
                                          {0, 4, 5, 2, 3, 0, 4, 0},
                                          {0, 5, 1, 4, 0, 5, 4, 0}};
const std::vector<Progression> kMajorB = {{3, 4, 2, 5, 3, 1, 4, 4},
                                          {5, 3, 0, 4, 5, 3, 1, 4},
                                          {3, 0, 3, 4, 2, 5, 1, 4},
                                          {1, 4, 0, 5, 3, 0, 1, 4}};
const std::vector<Progression> kMinorA = {{0, 5, 2, 6, 0, 3, 4, 0},
                                          {0, 3, 6, 2, 5, 3, 4, 0},
                                          {0, 6, 5, 4, 0, 3, 4, 0},
                                          {0, 5, 3, 4, 0, 5, 4, 0}};
const std::vector<Progression> kMinorB = {{5, 2, 6, 2, 3, 0, 3, 4},
                                          {2, 6, 0, 5, 3, 5, 4, 4},
                                          {5, 6, 2, 0, 3, 6, 4, 4},
                                          {3, 4, 2, 5, 3, 5, 4, 4}};
constexpr Progression kIntro = {0, 3, 0, 4, 0, 0, 0, 0};

// Rhythms of one bar in eighths.
const std::vector<std::vector<int>> kRhythms4 = {{2, 2, 2, 2}, {3, 1, 2, 2}, {2, 1, 1, 2, 2},
                                                 {1, 1, 2, 4}, {4, 2, 2},    {2, 2, 4},
                                                 {3, 3, 2},    {2, 1, 1, 4}};
const std::vector<std::vector<int>> kRhythms3 = {
    {2, 2, 2}, {3, 1, 2}, {4, 2}, {2, 1, 1, 2}, {1, 1, 2, 2}};
const std::vector<int> kCadence4 = {8};
const std::vector<int> kCadence3 = {6};

// Percussion keys of General MIDI.
constexpr int kKick = 36, kSnare = 38, kClosedHat = 42, kOpenHat = 46, kCrash = 49, kRide = 51;

struct SNote {
    uint32_t tick;
    uint32_t length;
    int degree;  // scale degree from the melody's tonic
};

// What one section holds: its chords and its melody.
struct SSection {
    Progression chords;
    std::vector<SNote> melody;
    uint32_t start = 0;
};

class CComposer {
public:
    explicit CComposer(const CMusicTable::SPiece& piece)
        : m_piece(piece), m_random(piece.seed * 7919ULL + 17), m_writer(kBeat) {}

    std::vector<uint8_t> Compose();

private:
    int BarTicks() const { return m_piece.metre * kBeat; }
    double BarSeconds() const { return m_piece.metre * 60.0 / m_piece.tempo; }
    const std::array<int, 7>& Scale() const { return m_piece.minor ? kMinorScale : kMajorScale; }
    // The key number of a scale degree above base (base = the tonic's key).
    int Pitch(int base, int degree) const;
    // The key numbers of a chord's tones near the middle of the staff.
    std::vector<int> ChordKeys(int root, int low, bool seventh) const;
    int SectionCount() const;

    std::vector<SNote> Motif(int firstBar, const Progression& chords, int low, int high,
                             const std::vector<int>& rhythm1, const std::vector<int>& rhythm2);
    std::vector<SNote> Phrase(const Progression& chords, int low, int high, bool closeOnTonic);
    std::vector<SNote> Vary(const std::vector<SNote>& melody);
    int NearestChordDegree(int degree, int root) const;
    int NextStep(int& run, int degree, int low, int high);

    void WriteMelody(const SSection& section);
    void WriteBass(const Progression& chords, uint32_t start, int bars);
    void WriteAccompaniment(const Progression& chords, uint32_t start, int bars,
                            bool lastBarSeventh);
    void WriteDrums(uint32_t start, int bars, bool intro);
    void LimitRuns(std::vector<SNote>& melody);

    const CMusicTable::SPiece& m_piece;
    CArtRandom m_random;
    CMidiWriter m_writer;
    int m_melodyTrack = 0, m_accompanimentTrack = 0, m_bassTrack = 0, m_drumTrack = 0;
};

int CComposer::Pitch(int base, int degree) const {
    const int octave = degree >= 0 ? degree / 7 : -((6 - degree) / 7);
    const int step = degree - octave * 7;
    return base + 12 * octave + Scale()[static_cast<size_t>(step)];
}

std::vector<int> CComposer::ChordKeys(int root, int low, bool seventh) const {
    std::vector<int> keys;
    const int tones = seventh ? 4 : 3;
    for (int i = 0; i < tones; ++i) {
        const int degree = root + 2 * i;
        int pc = (m_piece.tonic + Scale()[static_cast<size_t>(degree % 7)]) % 12;
        if (m_piece.minor && root == 4 && i == 1) pc = (pc + 1) % 12;  // leading note
        int key = low + ((pc - low) % 12 + 12) % 12;
        keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

int CComposer::SectionCount() const {
    // Introduction, then A B A ... ending on A, long enough to be a piece.
    int sections = 3;
    while ((kIntroBars + (sections + 2) * kPhraseBars) * BarSeconds() <=
               CMusicComposer::kLongestSeconds &&
           (kIntroBars + sections * kPhraseBars) * BarSeconds() < CMusicComposer::kShortestSeconds)
        sections += 2;
    return sections;
}

int CComposer::NearestChordDegree(int degree, int root) const {
    int best = degree;
    int bestDistance = 99;
    for (int d = degree - 3; d <= degree + 3; ++d) {
        const int relative = ((d - root) % 7 + 7) % 7;
        if (relative != 0 && relative != 2 && relative != 4) continue;
        if (std::abs(d - degree) < bestDistance) {
            bestDistance = std::abs(d - degree);
            best = d;
        }
    }
    return best;
}

// A step of the melody: mostly by step, sometimes a leap; never more than
// three steps the same way.
int CComposer::NextStep(int& run, int degree, int low, int high) {
    static const std::array<int, 8> kSteps = {1, 1, 1, 2, 2, 3, 1, 4};
    int step = kSteps[static_cast<size_t>(m_random.Below(8))];
    int direction = m_random.Chance(0.5) ? 1 : -1;
    if (run >= 3) direction = -1;
    if (run <= -3) direction = 1;
    if (degree + direction * step > high || degree + direction * step < low) direction = -direction;
    if (m_random.Chance(0.12)) step = 0;
    const int next = std::clamp(degree + direction * step, low, high);
    const int moved = next - degree;
    if (moved == 0)
        run = 0;
    else if ((moved > 0) == (run > 0))
        run += moved > 0 ? 1 : -1;
    else
        run = moved > 0 ? 1 : -1;
    return next;
}

std::vector<SNote> CComposer::Motif(int firstBar, const Progression& chords, int low, int high,
                                    const std::vector<int>& rhythm1,
                                    const std::vector<int>& rhythm2) {
    std::vector<SNote> notes;
    int degree = NearestChordDegree(m_random.Between(low + 2, high - 2), chords[firstBar]);
    int run = 0;
    for (int bar = 0; bar < 2; ++bar) {
        uint32_t tick = static_cast<uint32_t>((firstBar + bar) * BarTicks());
        const std::vector<int>& rhythm = bar == 0 ? rhythm1 : rhythm2;
        for (size_t i = 0; i < rhythm.size(); ++i) {
            if (!notes.empty()) degree = NextStep(run, degree, low, high);
            // The first note of a bar is a tone of its chord.
            if (i == 0)
                degree = std::clamp(NearestChordDegree(degree, chords[firstBar + bar]), low, high);
            const uint32_t length = static_cast<uint32_t>(rhythm[i] * kEighth);
            notes.push_back({tick, length, degree});
            tick += length;
        }
    }
    return notes;
}

// An eight-bar phrase: motif, the motif moved to the chords of bars 3-4,
// a second motif, and a close on a long chord tone.
std::vector<SNote> CComposer::Phrase(const Progression& chords, int low, int high,
                                     bool closeOnTonic) {
    const auto& rhythms = m_piece.metre == 3 ? kRhythms3 : kRhythms4;
    auto pick = [&] {
        return rhythms[static_cast<size_t>(m_random.Below(static_cast<int>(rhythms.size())))];
    };
    const std::vector<int> r1 = pick(), r2 = pick(), r3 = pick();
    std::vector<SNote> melody = Motif(0, chords, low, high, r1, r2);
    const int shift = std::clamp(chords[2] - chords[0], -3, 3);
    const size_t motifLength = melody.size();
    for (size_t i = 0; i < motifLength; ++i) {
        SNote n = melody[i];
        n.tick += static_cast<uint32_t>(2 * BarTicks());
        n.degree = std::clamp(n.degree + shift, low - 2, high + 2);
        melody.push_back(n);
    }
    for (const SNote& n : Motif(4, chords, low, high, r3, r1)) melody.push_back(n);
    // Bar 7 leads into the close of bar 8.
    std::vector<SNote> lead =
        Motif(6, chords, low, high, r2, m_piece.metre == 3 ? kCadence3 : kCadence4);
    const int closeRoot = chords[7];
    int last = closeOnTonic ? 0 : NearestChordDegree(lead.back().degree, closeRoot);
    if (closeOnTonic &&
        std::abs(lead[lead.size() - 2].degree - 7) < std::abs(lead[lead.size() - 2].degree))
        last = 7;
    lead.back().degree = last;
    melody.insert(melody.end(), lead.begin(), lead.end());
    return melody;
}

// The same melody with small changes: a long note split into two, a
// neighbour note, the close moved to the dominant.
std::vector<SNote> CComposer::Vary(const std::vector<SNote>& melody) {
    std::vector<SNote> varied;
    for (size_t i = 0; i < melody.size(); ++i) {
        SNote n = melody[i];
        const bool inOpening = n.tick < static_cast<uint32_t>(2 * BarTicks());
        if (!inOpening && n.length >= static_cast<uint32_t>(2 * kEighth) && i + 1 < melody.size() &&
            m_random.Chance(0.3)) {
            SNote first = n, second = n;
            first.length = n.length / 2;
            second.tick = n.tick + first.length;
            second.length = n.length - first.length;
            second.degree = n.degree + (melody[i + 1].degree > n.degree ? 1 : -1);
            varied.push_back(first);
            varied.push_back(second);
            continue;
        }
        varied.push_back(n);
    }
    return varied;
}

void CComposer::LimitRuns(std::vector<SNote>& melody) {
    int run = 0;
    for (size_t i = 1; i < melody.size(); ++i) {
        const int step = melody[i].degree - melody[i - 1].degree;
        if (step == 0) {
            run = 0;
        } else if (run != 0 && (step > 0) == (run > 0)) {
            run += step > 0 ? 1 : -1;
        } else {
            run = step > 0 ? 1 : -1;
        }
        // A repeated note breaks a long run of steps one way.
        if (std::abs(run) > 5) {
            melody[i].degree = melody[i - 1].degree;
            run = 0;
        }
    }
}

void CComposer::WriteMelody(const SSection& section) {
    const int base = 60 + m_piece.tonic - (m_piece.tonic > 5 ? 12 : 0);
    for (const SNote& n : section.melody) {
        int key = Pitch(base, n.degree);
        const bool leading = m_piece.minor && ((n.degree % 7) + 7) % 7 == 6 &&
                             section.chords[std::min<size_t>(n.tick / BarTicks(), 7)] == 4;
        if (leading) ++key;
        const bool downbeat = n.tick % static_cast<uint32_t>(BarTicks()) == 0;
        const uint32_t length = std::max<uint32_t>(n.length * 9 / 10, 1);
        m_writer.Note(m_melodyTrack, CMusicComposer::kMelodyChannel, section.start + n.tick, length,
                      key, downbeat ? 100 : 88);
    }
}

void CComposer::WriteBass(const Progression& chords, uint32_t start, int bars) {
    const int base = 36 + m_piece.tonic - (m_piece.tonic > 7 ? 12 : 0);
    for (int bar = 0; bar < bars; ++bar) {
        const uint32_t at = start + static_cast<uint32_t>(bar * BarTicks());
        const int root = Pitch(base, chords[static_cast<size_t>(bar)]);
        const int fifth = Pitch(base, chords[static_cast<size_t>(bar)] + 4);
        const int next =
            bar + 1 < bars ? Pitch(base, chords[static_cast<size_t>(bar + 1)]) : Pitch(base, 0);
        const int ch = CMusicComposer::kBassChannel;
        switch (m_piece.style) {
            case EStyle::Chorale:
                m_writer.Note(m_bassTrack, ch, at, BarTicks() - 20, root, 80);
                break;
            case EStyle::Waltz:
                m_writer.Note(m_bassTrack, ch, at, kBeat - 30, root, 88);
                m_writer.Note(m_bassTrack, ch, at + 2 * kBeat, kBeat - 30, fifth - 12, 70);
                break;
            case EStyle::Drive:
                for (int e = 0; e < 2 * m_piece.metre; ++e)
                    m_writer.Note(m_bassTrack, ch, at + e * kEighth, kEighth - 30,
                                  e == 2 * m_piece.metre - 1 ? fifth - 12 : root,
                                  e % 2 == 0 ? 92 : 74);
                break;
            case EStyle::March:
            case EStyle::Fanfare:
                for (int b = 0; b < m_piece.metre; ++b)
                    m_writer.Note(m_bassTrack, ch, at + b * kBeat, kBeat / 2,
                                  b % 2 == 0 ? root : fifth - 12, b == 0 ? 96 : 80);
                break;
            default: {
                // Root, fifth and a step towards the next chord's root.
                m_writer.Note(m_bassTrack, ch, at, 2 * kBeat - 40, root, 90);
                if (m_piece.metre == 4) {
                    m_writer.Note(m_bassTrack, ch, at + 2 * kBeat, kBeat - 40, fifth - 12, 76);
                    const int approach = next > root ? next - 1 : next + (next == root ? 0 : 2);
                    m_writer.Note(m_bassTrack, ch, at + 3 * kBeat, kBeat - 40, approach, 72);
                } else {
                    m_writer.Note(m_bassTrack, ch, at + 2 * kBeat, kBeat - 40, fifth - 12, 74);
                }
            }
        }
    }
}

void CComposer::WriteAccompaniment(const Progression& chords, uint32_t start, int bars,
                                   bool lastBarSeventh) {
    const int ch = CMusicComposer::kAccompanimentChannel;
    for (int bar = 0; bar < bars; ++bar) {
        const uint32_t at = start + static_cast<uint32_t>(bar * BarTicks());
        const bool seventh = lastBarSeventh && bar == bars - 1;
        const std::vector<int> keys = ChordKeys(chords[static_cast<size_t>(bar)], 55, seventh);
        auto block = [&](uint32_t tick, uint32_t length, int velocity) {
            for (int key : keys)
                m_writer.Note(m_accompanimentTrack, ch, tick, length, key, velocity);
        };
        switch (m_piece.style) {
            case EStyle::Chorale:
                block(at, BarTicks() - 30, 62);
                break;
            case EStyle::Waltz:
                for (int b = 1; b < m_piece.metre; ++b) block(at + b * kBeat, kBeat - 60, 58);
                break;
            case EStyle::Drive:
                for (int e = 0; e < 2 * m_piece.metre; ++e)
                    block(at + e * kEighth, kEighth - 40, e % 2 ? 50 : 60);
                break;
            case EStyle::March:
                for (int b = 0; b < m_piece.metre; b += 1)
                    block(at + b * kBeat, kBeat / 2, b % 2 ? 56 : 64);
                break;
            case EStyle::Fanfare:
                block(at, kBeat - 40, 70);
                block(at + kBeat, kEighth - 30, 60);
                block(at + kBeat + kEighth, kEighth - 30, 60);
                for (int b = 2; b < m_piece.metre; ++b) block(at + b * kBeat, kBeat - 40, 66);
                break;
            case EStyle::Pop: {
                // 3 + 3 + 2 eighths (or 3 + 3 in three).
                block(at, 3 * kEighth - 40, 62);
                block(at + 3 * kEighth, 3 * kEighth - 40, 56);
                if (m_piece.metre == 4) block(at + 6 * kEighth, 2 * kEighth - 40, 54);
                break;
            }
            default: {
                // A broken chord in eighths.
                static const std::array<int, 8> kOrder = {0, 1, 2, 1, 0, 2, 1, 2};
                for (int e = 0; e < 2 * m_piece.metre; ++e) {
                    const int key =
                        keys[static_cast<size_t>(kOrder[static_cast<size_t>(e)]) % keys.size()] +
                        (e == 2 ? 12 : 0);
                    // Each tone rings a little into the next, but not past the bar.
                    const bool lastInBar = e == 2 * m_piece.metre - 1;
                    m_writer.Note(m_accompanimentTrack, ch, at + e * kEighth,
                                  lastInBar ? kEighth - 20 : kEighth + kEighth / 2, key,
                                  e == 0 ? 60 : 50);
                }
            }
        }
    }
}

void CComposer::WriteDrums(uint32_t start, int bars, bool intro) {
    const int ch = CMusicComposer::kDrumChannel;
    for (int bar = 0; bar < bars; ++bar) {
        const uint32_t at = start + static_cast<uint32_t>(bar * BarTicks());
        const bool fill = bar == bars - 1;
        auto hit = [&](uint32_t tick, int key, int velocity) {
            m_writer.Note(m_drumTrack, ch, tick, kEighth / 2, key, velocity);
        };
        if (bar == 0 && !intro) hit(at, kCrash, 90);
        if (m_piece.metre == 3) {
            hit(at, kKick, 90);
            hit(at + kBeat, kClosedHat, 60);
            hit(at + 2 * kBeat, kClosedHat, 60);
            continue;
        }
        if (fill && m_piece.style != EStyle::Drive) {
            // A roll of sixteenths into the next section.
            hit(at, kKick, 96);
            for (int s = 4; s < 16; ++s) hit(at + s * kBeat / 4, kSnare, 60 + 2 * s);
            continue;
        }
        const bool steady = m_piece.style == EStyle::Drive || m_piece.style == EStyle::Pop;
        for (int e = 0; e < 8; ++e) {
            const uint32_t tick = at + e * kEighth;
            if (steady)
                hit(tick, e == 7 ? kOpenHat : kClosedHat, e % 2 ? 55 : 70);
            else if (e % 2 == 0)
                hit(tick, kRide, 58);
        }
        hit(at, kKick, 100);
        hit(at + 2 * kBeat, kKick, 90);
        if (steady) hit(at + 5 * kEighth, kKick, 70);
        hit(at + kBeat, kSnare, 84);
        hit(at + 3 * kBeat, kSnare, 88);
    }
}

std::vector<uint8_t> CComposer::Compose() {
    const bool minor = m_piece.minor;
    const auto& aChoices = minor ? kMinorA : kMajorA;
    const auto& bChoices = minor ? kMinorB : kMajorB;
    const Progression a =
        aChoices[static_cast<size_t>(m_random.Below(static_cast<int>(aChoices.size())))];
    const Progression b1 =
        bChoices[static_cast<size_t>(m_random.Below(static_cast<int>(bChoices.size())))];
    const Progression b2 =
        bChoices[static_cast<size_t>(m_random.Below(static_cast<int>(bChoices.size())))];

    m_writer.Tempo(0, m_piece.tempo);
    m_writer.TimeSignature(0, m_piece.metre, 4);
    static const std::array<int, 12> kSharps = {0, -5, 2, -3, 4, -1, 6, 1, -4, 3, -2, 5};
    m_writer.KeySignature(0, kSharps[static_cast<size_t>((m_piece.tonic + (minor ? 3 : 0)) % 12)],
                          minor);
    m_melodyTrack = m_writer.AddTrack("Melody");
    m_accompanimentTrack = m_writer.AddTrack("Accompaniment");
    m_bassTrack = m_writer.AddTrack("Bass");
    if (m_piece.drums) m_drumTrack = m_writer.AddTrack("Drums");
    const std::array<std::pair<int, int>, 3> parts = {
        {{m_melodyTrack, CMusicComposer::kMelodyChannel},
         {m_accompanimentTrack, CMusicComposer::kAccompanimentChannel},
         {m_bassTrack, CMusicComposer::kBassChannel}}};
    const std::array<int, 3> programs = {m_piece.melody, m_piece.accompaniment, m_piece.bass};
    const std::array<int, 3> volumes = {110, 80, 96};
    const std::array<int, 3> pans = {64, 44, 76};
    for (size_t i = 0; i < parts.size(); ++i) {
        m_writer.Program(parts[i].first, parts[i].second, 0, programs[i]);
        m_writer.Control(parts[i].first, parts[i].second, 0, 7, volumes[i]);
        m_writer.Control(parts[i].first, parts[i].second, 0, 10, pans[i]);
        m_writer.Control(parts[i].first, parts[i].second, 0, 91, 40);
    }
    if (m_piece.drums) m_writer.Control(m_drumTrack, CMusicComposer::kDrumChannel, 0, 7, 90);

    // The introduction: accompaniment and bass alone.
    WriteAccompaniment(kIntro, 0, kIntroBars, false);
    WriteBass(kIntro, 0, kIntroBars);
    if (m_piece.drums) WriteDrums(static_cast<uint32_t>(2 * BarTicks()), 2, true);

    const std::vector<SNote> themeA = Phrase(a, -1, 7, true);
    const int sections = SectionCount();
    uint32_t tick = static_cast<uint32_t>(kIntroBars * BarTicks());
    std::vector<SNote> all;
    for (int s = 0; s < sections; ++s) {
        SSection section;
        section.start = tick;
        const bool last = s == sections - 1;
        if (s % 2 == 0) {
            section.chords = a;
            section.melody = s == 0 ? themeA : Vary(themeA);
            if (last) {
                // The close moves to the dominant, which leads back to the start.
                section.chords[7] = 4;
                section.melody.back().degree = 4;
            }
        } else {
            section.chords = (s / 2) % 2 == 0 ? b1 : b2;
            section.melody = Phrase(section.chords, 2, 10, false);
        }
        LimitRuns(section.melody);
        WriteMelody(section);
        WriteAccompaniment(section.chords, tick, kPhraseBars, last);
        WriteBass(section.chords, tick, kPhraseBars);
        if (m_piece.drums) WriteDrums(tick, kPhraseBars, false);
        tick += static_cast<uint32_t>(kPhraseBars * BarTicks());
    }
    return m_writer.Bytes(tick);
}

}  // namespace

std::vector<uint8_t> CMusicComposer::Compose(const CMusicTable::SPiece& piece) {
    CComposer composer(piece);
    return composer.Compose();
}
