#pragma once
// The music and sound-effect options of the profile section "OptionData",
// with their defaults: the 30 music files, the music file of each of the 22
// situations, the 10 wave files and the wave file of each of the 5 effects.
// Both programs read the same keys, so a fresh profile plays the same
// pieces in the game and in the judgment.

#include <array>
#include <string>

class CSoundOptions {
public:
    static constexpr int kMusicFiles = 30;
    static constexpr int kSituations = 22;
    static constexpr int kSoundFiles = 10;
    static constexpr int kEffects = 5;

    // "MERC_JAN.MID".."MERC_DEC.MID", "MERC_1.MID".."MERC_10.MID", the rest
    // empty.
    static std::array<std::string, kMusicFiles> DefaultMusicFiles();
    // "MERC_1.WAV".."MERC_5.WAV", the rest empty.
    static std::array<std::string, kSoundFiles> DefaultSoundFiles();

    int music = 1;    // "BGM(MIDI)"
    int effects = 1;  // "Effect Sound(Wave)"
    std::array<std::string, kMusicFiles> musicFiles = DefaultMusicFiles();
    // File index for each situation; -1 = no music.
    std::array<int, kSituations> musicIndex = {12, 13, 14, 15, 16, 17, 0,  1,  2,  3,  4,
                                               5,  6,  7,  8,  9,  10, 11, 18, 19, 20, 21};
    std::array<std::string, kSoundFiles> soundFiles = DefaultSoundFiles();
    // Sound file index for each effect; -1 = none.
    std::array<int, kEffects> effectIndex = {0, 1, -1, -1, -1};
};
