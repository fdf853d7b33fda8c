#include "model/SoundOptions.h"

std::array<std::string, CSoundOptions::kMusicFiles> CSoundOptions::DefaultMusicFiles() {
    static const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    std::array<std::string, kMusicFiles> files;
    for (int i = 0; i < 12; ++i) files[static_cast<size_t>(i)] = std::string("MERC_") + kMonths[i] + ".MID";
    for (int i = 0; i < 10; ++i)
        files[static_cast<size_t>(12 + i)] = "MERC_" + std::to_string(i + 1) + ".MID";
    return files;
}

std::array<std::string, CSoundOptions::kSoundFiles> CSoundOptions::DefaultSoundFiles() {
    std::array<std::string, kSoundFiles> files;
    for (int i = 0; i < 5; ++i) files[static_cast<size_t>(i)] = "MERC_" + std::to_string(i + 1) + ".WAV";
    return files;
}
