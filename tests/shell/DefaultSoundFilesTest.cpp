#include <gtest/gtest.h>

#include <string>

#include "model/MidiFile.h"
#include "model/WaveFile.h"
#include "platform/core/ProgramFolder.h"
#include "shell/FrameSound.h"

namespace {

// The music and sound files that the options name by default are the ones
// the build wrote into the program folder, and they read as what they are.
TEST(DefaultSoundFiles, EveryDefaultFileIsInTheProgramFolder) {
    const CFrameSound::SOptions options;
    int music = 0;
    for (const std::string& name : options.musicFiles) {
        if (name.empty()) continue;
        SCOPED_TRACE(name);
        CMidiFile midi;
        EXPECT_TRUE(midi.ReadFile(CProgramFolder::File(name))) << midi.Error();
        ++music;
    }
    EXPECT_EQ(music, 22);
    int sounds = 0;
    for (const std::string& name : options.soundFiles) {
        if (name.empty()) continue;
        SCOPED_TRACE(name);
        CWaveFile wave;
        EXPECT_TRUE(wave.ReadFile(CProgramFolder::File(name))) << wave.Error();
        ++sounds;
    }
    EXPECT_EQ(sounds, 5);
}

}  // namespace
