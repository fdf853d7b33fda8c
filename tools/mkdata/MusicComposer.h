#pragma once
// Composes one piece of the game's music from its line of the music table:
// an introduction and then sections A and B in turn, closing with a
// varied A, each eight bars over a chord progression in the piece's key.
// The melody is built from two-bar motifs that come back in sequence
// (moved to the next chord) and varied; the bass, the accompaniment and the
// drums follow the piece's style. The last bar rests on the dominant, so
// the end leads back into the opening tonic when the game starts the piece
// again.
//
// Channels: melody 0, accompaniment 1, bass 2, drums 9 (General MIDI's
// percussion channel).

#include <cstdint>
#include <vector>

#include "tools/mkdata/MusicTable.h"

class CMusicComposer {
public:
    static constexpr int kDivision = 480;  // ticks a quarter note
    static constexpr int kMelodyChannel = 0;
    static constexpr int kAccompanimentChannel = 1;
    static constexpr int kBassChannel = 2;
    static constexpr int kDrumChannel = 9;
    // Pieces last at least this long and are cut short of the upper bound.
    static constexpr double kShortestSeconds = 75.0;
    static constexpr double kLongestSeconds = 170.0;

    // The standard MIDI file of the piece.
    static std::vector<uint8_t> Compose(const CMusicTable::SPiece& piece);
};
