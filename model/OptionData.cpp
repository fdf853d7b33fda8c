#include "model/OptionData.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "platform/core/Profile.h"

namespace {

std::string Numbered(const char* format, int n) {
    char key[48];
    std::snprintf(key, sizeof key, format, n);
    return key;
}

// A 0/1 switch: any other stored value gives the default.
int ReadSwitch(const CProfile& profile, const char* key, int defaultValue) {
    const int v = profile.GetProfileInt(COptionData::kSection, key, defaultValue);
    return v == 0 || v == 1 ? v : defaultValue;
}

// An index into a file table of `files` entries, or -1 for none; the
// profile may hold anything, so every other value is taken as none.
int ReadFileIndex(const CProfile& profile, const std::string& key, int defaultValue, int files) {
    const int v = profile.GetProfileInt(COptionData::kSection, key, defaultValue);
    return v >= -1 && v < files ? v : -1;
}

}  // namespace

void COptionData::Read(const CProfile& profile) {
    const CSoundOptions defaults;
    toolBar = ReadSwitch(profile, "ToolBar", 1);
    statusBar = ReadSwitch(profile, "StatusBar", 1);
    sound.music = ReadSwitch(profile, "BGM(MIDI)", 1);
    judgeMusic = ReadSwitch(profile, "Judge_BGM(MIDI)", 1);
    sound.effects = ReadSwitch(profile, "Effect Sound(Wave)", 1);
    for (int i = 0; i < CSoundOptions::kMusicFiles; ++i) {
        sound.musicFiles[i] = profile.GetProfileString(
            kSection, Numbered("MIDI_FileName%d", i + 1), defaults.musicFiles[i]);
    }
    for (int i = 0; i < CSoundOptions::kSituations; ++i) {
        sound.musicIndex[i] = ReadFileIndex(profile, Numbered("MIDI_Index%d", i + 1),
                                            defaults.musicIndex[i], CSoundOptions::kMusicFiles);
    }
    for (int i = 0; i < CSoundOptions::kSoundFiles; ++i) {
        sound.soundFiles[i] = profile.GetProfileString(
            kSection, Numbered("Wave_FileName%d", i + 1), defaults.soundFiles[i]);
    }
    for (int i = 0; i < CSoundOptions::kEffects; ++i) {
        sound.effectIndex[i] = ReadFileIndex(profile, Numbered("Wave_Index%d", i + 1),
                                             defaults.effectIndex[i], CSoundOptions::kSoundFiles);
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

void COptionData::Write(CProfile& profile, bool withBars) const {
    if (withBars) {
        profile.WriteProfileInt(kSection, "ToolBar", toolBar);
        profile.WriteProfileInt(kSection, "StatusBar", statusBar);
    }
    profile.WriteProfileInt(kSection, "BGM(MIDI)", sound.music);
    profile.WriteProfileInt(kSection, "Judge_BGM(MIDI)", judgeMusic);
    profile.WriteProfileInt(kSection, "Effect Sound(Wave)", sound.effects);
    for (int i = 0; i < CSoundOptions::kMusicFiles; ++i) {
        profile.WriteProfileString(kSection, Numbered("MIDI_FileName%d", i + 1),
                                   sound.musicFiles[i]);
    }
    for (int i = 0; i < CSoundOptions::kSituations; ++i) {
        profile.WriteProfileInt(kSection, Numbered("MIDI_Index%d", i + 1), sound.musicIndex[i]);
    }
    for (int i = 0; i < CSoundOptions::kSoundFiles; ++i) {
        profile.WriteProfileString(kSection, Numbered("Wave_FileName%d", i + 1),
                                   sound.soundFiles[i]);
    }
    for (int i = 0; i < CSoundOptions::kEffects; ++i) {
        profile.WriteProfileInt(kSection, Numbered("Wave_Index%d", i + 1), sound.effectIndex[i]);
    }
    profile.WriteProfileInt(kSection, "PropertyType", propertyType);
    profile.WriteProfileString(kSection, "MapDrawRate", FormatDrawRate(mapDrawRate));
    for (int i = 0; i < kCustomColours; ++i) {
        profile.WriteProfileInt(kSection, Numbered("UserColor%d", i + 1), customColours[i]);
    }
    profile.WriteProfileInt(kSection, "MapBkColor", mapBkColor);
    profile.WriteProfileInt(kSection, "MapBkColor2", mapBkColor2);
}

double COptionData::ParseDrawRate(const std::string& text) {
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

std::string COptionData::FormatDrawRate(double rate) {
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, rate,
                                            std::chars_format::fixed, 6);
    return error == std::errc() ? std::string(text, end) : std::string("1.000000");
}
