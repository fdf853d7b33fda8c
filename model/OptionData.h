#pragma once
// The options of the main frames of both programs, kept in the profile section "OptionData":
// the bars, music and sound effects with their file tables, the property
// list type, the wait time, the map drawing scale, the colour dialog's
// custom colours and the map background colours.

#include <array>
#include <string>

#include "model/SoundOptions.h"

class CProfile;

class COptionData {
public:
    static constexpr const char* kSection = "OptionData";
    static constexpr int kCustomColours = 16;

    // Reads every option; a value out of its range takes the default (see
    // the .cpp for each rule).
    void Read(const CProfile& profile);
    // Writes every option back except the wait time, which only the options
    // dialog writes. The bars' visibility is written only when withBars is
    // set (not while the founding phase runs).
    void Write(CProfile& profile, bool withBars) const;

    // "MapDrawRate": a number 0.5..2.0 read in the C locale; anything else
    // gives 1.0.
    static double ParseDrawRate(const std::string& text);
    // "%lf" in the C locale: "1.000000".
    static std::string FormatDrawRate(double rate);

    int toolBar = 1;
    int statusBar = 1;
    int judgeMusic = 1;
    // "BGM(MIDI)", "Effect Sound(Wave)", the file tables and their indexes.
    CSoundOptions sound;
    int propertyType = 0;
    int waitTime = 20;
    double mapDrawRate = 1.0;
    std::array<int, kCustomColours> customColours{};
    int mapBkColor = 0xFFFFFF;
    int mapBkColor2 = 0x3F3F3F;
};
