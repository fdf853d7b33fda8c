#include "shell/FrameOptions.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "platform/core/Profile.h"

namespace {

constexpr std::array<int, CFrameOptions::kMusicSituations> kDefaultMusicIndex = {
    12, 13, 14, 15, 16, 17, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 18, 19, 20, 21};
constexpr std::array<int, CFrameOptions::kEffects> kDefaultEffectIndex = {0, 1, -1, -1, -1};
constexpr const char* kMonthNames[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                         "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

std::string Numbered(const char* format, int n) {
    char key[48];
    std::snprintf(key, sizeof key, format, n);
    return key;
}

// A 0/1 switch: any other stored value gives the default.
int ReadSwitch(const CProfile& profile, const char* key, int defaultValue) {
    const int v = profile.GetProfileInt(CFrameOptions::kSection, key, defaultValue);
    return v == 0 || v == 1 ? v : defaultValue;
}

// An index into a file table of `files` entries, or -1 for none; the
// profile may hold anything, so every other value is taken as none.
int ReadFileIndex(const CProfile& profile, const std::string& key, int defaultValue, int files) {
    const int v = profile.GetProfileInt(CFrameOptions::kSection, key, defaultValue);
    return v >= -1 && v < files ? v : -1;
}

}  // namespace

CFrameOptions::CFrameOptions() {
    for (int i = 0; i < 12; ++i) musicFiles[i] = std::string("MERC_") + kMonthNames[i] + ".MID";
    for (int i = 0; i < 10; ++i) musicFiles[12 + i] = Numbered("MERC_%d.MID", i + 1);
    for (int i = 0; i < 5; ++i) soundFiles[i] = Numbered("MERC_%d.WAV", i + 1);
    musicIndex = kDefaultMusicIndex;
    effectIndex = kDefaultEffectIndex;
}

void CFrameOptions::Read(const CProfile& profile) {
    const CFrameOptions defaults;
    toolBar = ReadSwitch(profile, "ToolBar", 1);
    statusBar = ReadSwitch(profile, "StatusBar", 1);
    music = ReadSwitch(profile, "BGM(MIDI)", 1);
    judgeMusic = ReadSwitch(profile, "Judge_BGM(MIDI)", 1);
    effectSound = ReadSwitch(profile, "Effect Sound(Wave)", 1);
    for (int i = 0; i < kMusicFiles; ++i) {
        musicFiles[i] = profile.GetProfileString(kSection, Numbered("MIDI_FileName%d", i + 1),
                                                 defaults.musicFiles[i]);
    }
    for (int i = 0; i < kMusicSituations; ++i) {
        musicIndex[i] = ReadFileIndex(profile, Numbered("MIDI_Index%d", i + 1),
                                      kDefaultMusicIndex[i], kMusicFiles);
    }
    for (int i = 0; i < kSoundFiles; ++i) {
        soundFiles[i] = profile.GetProfileString(kSection, Numbered("Wave_FileName%d", i + 1),
                                                 defaults.soundFiles[i]);
    }
    for (int i = 0; i < kEffects; ++i) {
        effectIndex[i] = ReadFileIndex(profile, Numbered("Wave_Index%d", i + 1),
                                       kDefaultEffectIndex[i], kSoundFiles);
    }
    propertyType = profile.GetProfileInt(kSection, "PropertyType", 0);
    waitTime = profile.GetProfileInt(kSection, "WaitTime", 20);
    mapDrawRate = ParseDrawRate(profile.GetProfileString(kSection, "MapDrawRate", "1.0"));
    for (int i = 0; i < kCustomColours; ++i) {
        customColours[i] = profile.GetProfileInt(kSection, Numbered("UserColor%d", i + 1), 0);
    }
    mapBkColor = profile.GetProfileInt(kSection, "MapBkColor", 0xFFFFFF);
    mapBkColor2 = profile.GetProfileInt(kSection, "MapBkColor2", 0x3F3F3F);
}

void CFrameOptions::Write(CProfile& profile, bool withBars) const {
    if (withBars) {
        profile.WriteProfileInt(kSection, "ToolBar", toolBar);
        profile.WriteProfileInt(kSection, "StatusBar", statusBar);
    }
    profile.WriteProfileInt(kSection, "BGM(MIDI)", music);
    profile.WriteProfileInt(kSection, "Judge_BGM(MIDI)", judgeMusic);
    profile.WriteProfileInt(kSection, "Effect Sound(Wave)", effectSound);
    for (int i = 0; i < kMusicFiles; ++i) {
        profile.WriteProfileString(kSection, Numbered("MIDI_FileName%d", i + 1), musicFiles[i]);
    }
    for (int i = 0; i < kMusicSituations; ++i) {
        profile.WriteProfileInt(kSection, Numbered("MIDI_Index%d", i + 1), musicIndex[i]);
    }
    for (int i = 0; i < kSoundFiles; ++i) {
        profile.WriteProfileString(kSection, Numbered("Wave_FileName%d", i + 1), soundFiles[i]);
    }
    for (int i = 0; i < kEffects; ++i) {
        profile.WriteProfileInt(kSection, Numbered("Wave_Index%d", i + 1), effectIndex[i]);
    }
    profile.WriteProfileInt(kSection, "PropertyType", propertyType);
    profile.WriteProfileString(kSection, "MapDrawRate", FormatDrawRate(mapDrawRate));
    for (int i = 0; i < kCustomColours; ++i) {
        profile.WriteProfileInt(kSection, Numbered("UserColor%d", i + 1), customColours[i]);
    }
    profile.WriteProfileInt(kSection, "MapBkColor", mapBkColor);
    profile.WriteProfileInt(kSection, "MapBkColor2", mapBkColor2);
}

double CFrameOptions::ParseDrawRate(const std::string& text) {
    // from_chars reads in the C locale whatever the user's locale is; like
    // "%lf" it skips leading blanks and stops at the first other character.
    size_t start = 0;
    while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
    double rate = 0;
    const char* first = text.data() + start;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), rate);
    if (error != std::errc() || end == first) return 1.0;
    return rate >= 0.5 && rate <= 2.0 ? rate : 1.0;
}

std::string CFrameOptions::FormatDrawRate(double rate) {
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, rate,
                                            std::chars_format::fixed, 6);
    return error == std::errc() ? std::string(text, end) : std::string("1.000000");
}
