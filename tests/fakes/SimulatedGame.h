#pragma once
// A game played by simulate for the tests that judge or draw one. Playing
// it takes long in the sanitizer build, and several tests want the same
// game: the first test that asks plays it, the others copy its file. The
// kept file is named by the arguments and by the simulate program's size and
// time, so that a rebuilt simulate plays the game again.

#include <string>

// Plays (or finds) the game of `arguments` (after --map and --persons of
// data/ORIGINAL.MQ*) with the simulate program of the folder bin, and copies
// the saved game to target. false when simulate failed.
bool CopySimulatedGame(const std::string& bin, const std::string& arguments,
                       const std::string& target);
