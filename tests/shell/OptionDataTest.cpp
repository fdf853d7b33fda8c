// The options in the profile section "OptionData".

#include "model/OptionData.h"

#include <gtest/gtest.h>

#include <clocale>

#include "fakes/TempFolder.h"
#include "platform/core/Profile.h"

namespace {

constexpr const char* kSection = COptionData::kSection;

class OptionDataTest : public ::testing::Test {
protected:
    CTempFolder folder;
    CProfile profile{folder.Folder() + "profile.ini"};
};

TEST_F(OptionDataTest, AnEmptyProfileGivesTheDefaults) {
    COptionData options;
    options.Read(profile);
    EXPECT_EQ(options.toolBar, 1);
    EXPECT_EQ(options.statusBar, 1);
    EXPECT_EQ(options.sound.music, 1);
    EXPECT_EQ(options.judgeMusic, 1);
    EXPECT_EQ(options.sound.effects, 1);
    EXPECT_EQ(options.sound.musicFiles[0], "MERC_JAN.MID");
    EXPECT_EQ(options.sound.musicFiles[11], "MERC_DEC.MID");
    EXPECT_EQ(options.sound.musicFiles[12], "MERC_1.MID");
    EXPECT_EQ(options.sound.musicFiles[21], "MERC_10.MID");
    EXPECT_EQ(options.sound.musicFiles[22], "");
    EXPECT_EQ(options.sound.musicIndex[0], 12);
    EXPECT_EQ(options.sound.musicIndex[6], 0);
    EXPECT_EQ(options.sound.musicIndex[21], 21);
    EXPECT_EQ(options.sound.soundFiles[4], "MERC_5.WAV");
    EXPECT_EQ(options.sound.soundFiles[5], "");
    EXPECT_EQ(options.sound.effectIndex[0], 0);
    EXPECT_EQ(options.sound.effectIndex[1], 1);
    EXPECT_EQ(options.sound.effectIndex[2], -1);
    EXPECT_EQ(options.propertyType, 0);
    EXPECT_EQ(options.waitTime, 20);
    EXPECT_EQ(options.mapDrawRate, 1.0);
    EXPECT_EQ(options.customColours[15], 0);
    EXPECT_EQ(options.mapBkColor, 0xFFFFFF);
    EXPECT_EQ(options.mapBkColor2, 0x3F3F3F);
}

TEST_F(OptionDataTest, StoredValuesAreCheckedAsTheyAreRead) {
    struct Case {
        const char* key;
        const char* stored;
        std::function<int(const COptionData&)> read;
        int expected;
    };
    const std::vector<Case> cases = {
        {"ToolBar", "5", [](auto& o) { return o.toolBar; }, 1},
        {"ToolBar", "0", [](auto& o) { return o.toolBar; }, 0},
        {"StatusBar", "-1", [](auto& o) { return o.statusBar; }, 1},
        {"BGM(MIDI)", "0", [](auto& o) { return o.sound.music; }, 0},
        {"Effect Sound(Wave)", "2", [](auto& o) { return o.sound.effects; }, 1},
        {"MIDI_Index3", "40", [](auto& o) { return o.sound.musicIndex[2]; }, -1},
        {"MIDI_Index3", "29", [](auto& o) { return o.sound.musicIndex[2]; }, 29},
        {"MIDI_Index3", "-2", [](auto& o) { return o.sound.musicIndex[2]; }, -1},
        {"Wave_Index2", "10", [](auto& o) { return o.sound.effectIndex[1]; }, -1},
        {"Wave_Index2", "9", [](auto& o) { return o.sound.effectIndex[1]; }, 9},
        {"WaitTime", "7", [](auto& o) { return o.waitTime; }, 7},
        {"UserColor16", "255", [](auto& o) { return o.customColours[15]; }, 255},
        {"MapBkColor", "0", [](auto& o) { return o.mapBkColor; }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.stored);
        CProfile filled(folder.Folder() + "filled.ini");
        filled.WriteProfileString(kSection, c.key, c.stored);
        COptionData options;
        options.Read(filled);
        EXPECT_EQ(c.read(options), c.expected);
        std::filesystem::remove(folder.Path() / "filled.ini");
    }
}

TEST_F(OptionDataTest, MapDrawRateIsReadInTheCLocaleWithinItsRange) {
    // A locale with a decimal comma must not change what "1.5" means.
    const char* before = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = before ? before : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    struct Case {
        const char* text;
        double rate;
    };
    for (const Case& c : {Case{"2.0", 2.0}, Case{"0.5", 0.5}, Case{"1.5", 1.5},
                          Case{" 1.25", 1.25}, Case{"2.5", 1.0}, Case{"0.49", 1.0},
                          Case{"abc", 1.0}, Case{"", 1.0}, Case{"-1", 1.0}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(COptionData::ParseDrawRate(c.text), c.rate);
    }
    EXPECT_EQ(COptionData::FormatDrawRate(1.0), "1.000000");
    EXPECT_EQ(COptionData::FormatDrawRate(0.75), "0.750000");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST_F(OptionDataTest, WritingThemBackRoundTripsButNeverTheWaitTime) {
    COptionData options;
    options.toolBar = 0;
    options.sound.music = 0;
    options.sound.musicFiles[25] = "MINE.MID";
    options.sound.musicIndex[4] = 25;
    options.sound.effectIndex[4] = 3;
    options.mapDrawRate = 1.25;
    options.customColours[3] = 0x123456;
    options.waitTime = 55;
    options.Write(profile, true);
    EXPECT_EQ(profile.GetProfileString(kSection, "WaitTime", "none"), "none");
    EXPECT_EQ(profile.GetProfileString(kSection, "MapDrawRate", ""), "1.250000");

    COptionData back;
    back.Read(profile);
    EXPECT_EQ(back.toolBar, 0);
    EXPECT_EQ(back.sound.music, 0);
    EXPECT_EQ(back.sound.musicFiles[25], "MINE.MID");
    EXPECT_EQ(back.sound.musicIndex[4], 25);
    EXPECT_EQ(back.sound.effectIndex[4], 3);
    EXPECT_EQ(back.mapDrawRate, 1.25);
    EXPECT_EQ(back.customColours[3], 0x123456);
    EXPECT_EQ(back.waitTime, 20);
}

TEST_F(OptionDataTest, WithoutTheBarsNeitherBarIsWritten) {
    COptionData options;
    options.Write(profile, false);
    EXPECT_EQ(profile.GetProfileString(kSection, "ToolBar", "none"), "none");
    EXPECT_EQ(profile.GetProfileString(kSection, "StatusBar", "none"), "none");
    EXPECT_EQ(profile.GetProfileString(kSection, "BGM(MIDI)", "none"), "1");
}

}  // namespace
