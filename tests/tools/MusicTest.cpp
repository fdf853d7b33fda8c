#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/MidiFile.h"
#include "tools/mkdata/MusicComposer.h"
#include "tools/mkdata/MusicTable.h"

namespace {

std::string DataFolder() {
    return (std::filesystem::path(__FILE__).parent_path() / "../../data/")
        .lexically_normal()
        .string();
}

struct SComposed {
    CMusicTable::SPiece piece;
    std::vector<uint8_t> bytes;
    CMidiFile midi;
};

// Every piece of data/music.txt, composed and read back once.
const std::vector<SComposed>& Pieces() {
    static const std::vector<SComposed> pieces = [] {
        std::vector<SComposed> all;
        for (const CMusicTable::SPiece& p :
             CMusicTable::ReadFile(DataFolder() + CMusicTable::kSourceName)) {
            SComposed c{p, CMusicComposer::Compose(p), {}};
            if (!c.midi.Read(c.bytes)) ADD_FAILURE() << p.file << ": " << c.midi.Error();
            all.push_back(std::move(c));
        }
        return all;
    }();
    return pieces;
}

struct SNoteOn {
    uint32_t tick;
    int key;
};

// The notes started on a channel, in order of time (then key).
std::vector<SNoteOn> NotesOn(const CMidiFile& midi, int channel) {
    std::vector<SNoteOn> notes;
    for (const CMidiFile::STrack& t : midi.Tracks())
        for (const CMidiFile::SEvent& e : t.events)
            if (e.IsNoteOn() && e.Channel() == channel) notes.push_back({e.tick, e.data1});
    std::stable_sort(notes.begin(), notes.end(),
                     [](const SNoteOn& a, const SNoteOn& b) { return a.tick < b.tick; });
    return notes;
}

// The melody as one line: the highest note at each onset.
std::vector<SNoteOn> Melody(const CMidiFile& midi) {
    std::vector<SNoteOn> line;
    for (const SNoteOn& n : NotesOn(midi, CMusicComposer::kMelodyChannel)) {
        if (!line.empty() && line.back().tick == n.tick)
            line.back().key = std::max(line.back().key, n.key);
        else
            line.push_back(n);
    }
    return line;
}

int LongestRunOneWay(const std::vector<SNoteOn>& melody) {
    int longest = 1, run = 1, direction = 0;
    for (size_t i = 1; i < melody.size(); ++i) {
        const int step = melody[i].key - melody[i - 1].key;
        const int d = step > 0 ? 1 : step < 0 ? -1 : 0;
        run = d != 0 && d == direction ? run + 1 : (d != 0 ? 2 : 1);
        direction = d;
        longest = std::max(longest, run);
    }
    return longest;
}

// A two-bar window of the melody: onsets within it and the steps between
// its notes; the same shape at another pitch is the same pattern moved.
struct SPattern {
    std::vector<uint32_t> onsets;
    std::vector<int> steps;
};

std::vector<SPattern> TwoBarPatterns(const std::vector<SNoteOn>& melody, uint32_t barTicks) {
    std::map<uint32_t, SPattern> windows;
    std::map<uint32_t, int> lastKey;
    for (const SNoteOn& n : melody) {
        const uint32_t w = n.tick / (2 * barTicks);
        SPattern& p = windows[w];
        if (!p.onsets.empty()) p.steps.push_back(n.key - lastKey[w]);
        p.onsets.push_back(n.tick % (2 * barTicks));
        lastKey[w] = n.key;
    }
    std::vector<SPattern> patterns;
    for (auto& [w, p] : windows)
        if (p.onsets.size() >= 3) patterns.push_back(p);
    return patterns;
}

// Two windows with the same rhythm whose steps agree at least three times
// in four: the pattern came back, moved or varied.
bool PatternReturns(const std::vector<SPattern>& patterns) {
    for (size_t i = 0; i < patterns.size(); ++i) {
        for (size_t j = i + 1; j < patterns.size(); ++j) {
            if (patterns[i].onsets != patterns[j].onsets) continue;
            size_t same = 0;
            for (size_t k = 0; k < patterns[i].steps.size(); ++k)
                same += patterns[i].steps[k] == patterns[j].steps[k];
            if (4 * same >= 3 * patterns[i].steps.size()) return true;
        }
    }
    return false;
}

TEST(Music, TableNamesTheTwentyTwoPiecesOfTheOptions) {
    std::vector<std::string> expected = {"MERC_JAN.MID", "MERC_FEB.MID", "MERC_MAR.MID",
                                         "MERC_APR.MID", "MERC_MAY.MID", "MERC_JUN.MID",
                                         "MERC_JUL.MID", "MERC_AUG.MID", "MERC_SEP.MID",
                                         "MERC_OCT.MID", "MERC_NOV.MID", "MERC_DEC.MID"};
    for (int i = 1; i <= 10; ++i) expected.push_back("MERC_" + std::to_string(i) + ".MID");
    std::vector<std::string> names;
    for (const SComposed& c : Pieces()) names.push_back(c.piece.file);
    EXPECT_EQ(names, expected);
}

TEST(Music, EveryPieceIsAStandardMidiFileOfOneToThreeMinutes) {
    for (const SComposed& c : Pieces()) {
        SCOPED_TRACE(c.piece.file);
        EXPECT_EQ(c.midi.Format(), 1);
        EXPECT_EQ(c.midi.Division(), CMusicComposer::kDivision);
        EXPECT_GE(c.midi.Tracks().size(), 4u);
        bool running = false;
        for (const CMidiFile::STrack& t : c.midi.Tracks()) {
            ASSERT_FALSE(t.events.empty());
            EXPECT_EQ(t.events.back().metaType, 0x2F);
            EXPECT_EQ(t.events.back().tick, c.midi.LengthTicks()) << "tracks end together";
            for (const CMidiFile::SEvent& e : t.events) running = running || e.runningStatus;
        }
        EXPECT_TRUE(running) << "running status is used";
        EXPECT_GE(c.midi.LengthSeconds(), 60.0);
        EXPECT_LE(c.midi.LengthSeconds(), 180.0);
    }
}

TEST(Music, MelodyBassAndAccompanimentHaveChannelsAndInstrumentsOfTheirOwn) {
    for (const SComposed& c : Pieces()) {
        SCOPED_TRACE(c.piece.file);
        const std::map<int, int> programs = {
            {CMusicComposer::kMelodyChannel, c.piece.melody},
            {CMusicComposer::kAccompanimentChannel, c.piece.accompaniment},
            {CMusicComposer::kBassChannel, c.piece.bass}};
        for (const CMidiFile::STrack& t : c.midi.Tracks()) {
            std::set<int> channels;
            for (const CMidiFile::SEvent& e : t.events)
                if (e.status < 0xF0) channels.insert(e.Channel());
            EXPECT_LE(channels.size(), 1u) << "one part a track";
        }
        for (const auto& [channel, program] : programs) {
            SCOPED_TRACE(channel);
            uint32_t programTick = UINT32_MAX;
            int given = -1;
            for (const CMidiFile::STrack& t : c.midi.Tracks())
                for (const CMidiFile::SEvent& e : t.events)
                    if (e.Kind() == 0xC0 && e.Channel() == channel) {
                        programTick = std::min(programTick, e.tick);
                        given = e.data1;
                    }
            EXPECT_EQ(given, program);
            const std::vector<SNoteOn> notes = NotesOn(c.midi, channel);
            ASSERT_FALSE(notes.empty());
            EXPECT_LE(programTick, notes.front().tick);
        }
        EXPECT_EQ(NotesOn(c.midi, CMusicComposer::kDrumChannel).empty(), !c.piece.drums);
    }
}

TEST(Music, MelodySpansAnOctaveMovesBothWaysAndRepeatsItsMotifs) {
    for (const SComposed& c : Pieces()) {
        SCOPED_TRACE(c.piece.file);
        const std::vector<SNoteOn> melody = Melody(c.midi);
        ASSERT_GE(melody.size(), 16u);
        const auto [low, high] =
            std::minmax_element(melody.begin(), melody.end(),
                                [](const SNoteOn& a, const SNoteOn& b) { return a.key < b.key; });
        EXPECT_GE(high->key - low->key, 12);
        EXPECT_LE(LongestRunOneWay(melody), 8);
        EXPECT_TRUE(
            PatternReturns(TwoBarPatterns(melody, c.piece.metre * CMusicComposer::kDivision)));
    }
}

TEST(Music, EveryNoteThatStartsEndsBeforeThePieceEnds) {
    for (const SComposed& c : Pieces()) {
        SCOPED_TRACE(c.piece.file);
        for (const CMidiFile::STrack& t : c.midi.Tracks()) {
            std::map<std::pair<int, int>, int> sounding;
            for (const CMidiFile::SEvent& e : t.events) {
                if (e.IsNoteOn()) ++sounding[{e.Channel(), e.data1}];
                if (e.IsNoteOff()) {
                    int& n = sounding[{e.Channel(), e.data1}];
                    EXPECT_GT(n, 0) << "an end without a start at tick " << e.tick;
                    --n;
                }
            }
            for (const auto& [note, count] : sounding) EXPECT_EQ(count, 0) << "key " << note.second;
        }
    }
}

TEST(Music, EndsOnTheDominantThatLeadsBackToTheOpeningTonic) {
    for (const SComposed& c : Pieces()) {
        SCOPED_TRACE(c.piece.file);
        const std::vector<SNoteOn> bass = NotesOn(c.midi, CMusicComposer::kBassChannel);
        ASSERT_FALSE(bass.empty());
        EXPECT_EQ(bass.front().tick, 0u);
        EXPECT_EQ(bass.front().key % 12, c.piece.tonic);
        const uint32_t lastBar = c.midi.LengthTicks() - c.piece.metre * CMusicComposer::kDivision;
        auto downbeat = std::find_if(bass.begin(), bass.end(),
                                     [&](const SNoteOn& n) { return n.tick == lastBar; });
        ASSERT_NE(downbeat, bass.end());
        EXPECT_EQ(downbeat->key % 12, (c.piece.tonic + 7) % 12);
    }
}

TEST(Music, NoTwoPiecesAreAlike) {
    const std::vector<SComposed>& pieces = Pieces();
    for (size_t i = 0; i < pieces.size(); ++i) {
        const std::vector<SNoteOn> a = Melody(pieces[i].midi);
        for (size_t j = i + 1; j < pieces.size(); ++j) {
            SCOPED_TRACE(pieces[i].piece.file + " and " + pieces[j].piece.file);
            const std::vector<SNoteOn> b = Melody(pieces[j].midi);
            // Compared as tunes: the steps of the first 32 notes.
            size_t same = 0, compared = std::min<size_t>({a.size(), b.size(), 33}) - 1;
            for (size_t k = 1; k <= compared; ++k)
                same += a[k].key - a[k - 1].key == b[k].key - b[k - 1].key;
            EXPECT_LT(2 * same, compared);
            EXPECT_NE(pieces[i].bytes, pieces[j].bytes);
        }
    }
}

TEST(Music, TheSameLineComposesTheSameBytes) {
    for (const SComposed& c : Pieces()) EXPECT_EQ(CMusicComposer::Compose(c.piece), c.bytes) << c.piece.file;
}

TEST(MusicTable, LinesThatBreakTheFormatAreNamed) {
    struct SCase {
        const char* line;
        const char* complaint;
    };
    const std::vector<SCase> cases = {
        {"A.MID 300 4 C major 1 1 33 - ballad 1", "tempo"},
        {"A.MID 100 5 C major 1 1 33 - ballad 1", "metre"},
        {"A.MID 100 4 H major 1 1 33 - ballad 1", "key"},
        {"A.MID 100 4 C lydian 1 1 33 - ballad 1", "major or minor"},
        {"A.MID 100 4 C major 0 1 33 - ballad 1", "melody instrument"},
        {"A.MID 100 4 C major 1 1 33 yes ballad 1", "drums"},
        {"A.MID 100 4 C major 1 1 33 - polka 1", "style"},
        {"A.MID 100 4 C major 1 1 33 - ballad 1 extra", "music.txt:1"},
        {"A.MID 100 4 C major 1 1 33 - ballad 1\nA.MID 100 4 C major 1 1 33 - ballad 2",
         "second line"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.line);
        try {
            CMusicTable::ReadText(c.line, "music.txt");
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.complaint), std::string::npos) << e.what();
        }
    }
}

}  // namespace
