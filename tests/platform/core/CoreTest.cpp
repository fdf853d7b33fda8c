// The small pieces of the platform core: generator, clock, program folder,
// profile, memory blocks and formatting.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/core/Clock.h"
#include "platform/core/MemBlock.h"
#include "platform/core/Profile.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/RuntimeRandom.h"
#include "platform/core/TextFormat.h"

TEST(RuntimeRandom, SeedOneGivesTheKnownSequence) {
    CRuntimeRandom::Seed(1);
    for (int expected : {41, 18467, 6334, 26500, 19169})
        EXPECT_EQ(CRuntimeRandom::Next(), expected);
}

TEST(RuntimeRandom, DrawsStayWithinFifteenBits) {
    CRuntimeRandom::Seed(0xDEADBEEF);
    for (int i = 0; i < 100000; ++i) {
        int x = CRuntimeRandom::Next();
        ASSERT_GE(x, 0);
        ASSERT_LE(x, CRuntimeRandom::kMax);
    }
}

TEST(Clock, TimeScaleScalesDurations) {
    double saved = CClock::TimeScale();
    CClock::SetTimeScale(0);
    EXPECT_EQ(CClock::Scale(60000), 0);
    CClock::SetTimeScale(0.5);
    EXPECT_EQ(CClock::Scale(60000), 30000);
    CClock::SetTimeScale(-3);  // nonsense falls back to real time
    EXPECT_EQ(CClock::Scale(1000), 1000);
    EXPECT_EQ(CClock::Scale(-5), 0);
    CClock::SetTimeScale(saved);
}

TEST(Clock, TicksAdvance) {
    uint32_t start = CClock::GetTickCount();
    CClock::SleepReal(5);
    EXPECT_GE(static_cast<uint32_t>(CClock::GetTickCount() - start), 4u);
}

TEST(ProgramFolder, OverrideAndEnvironment) {
    CProgramFolder::Override("/tmp/somewhere");
    EXPECT_EQ(CProgramFolder::Get(), "/tmp/somewhere/");
    EXPECT_EQ(CProgramFolder::File("ORIGINAL.MQM"), "/tmp/somewhere/ORIGINAL.MQM");
    CProgramFolder::Override("");
    setenv("MERCAVO_HOME", "/tmp/home", 1);
    EXPECT_EQ(CProgramFolder::Get(), "/tmp/home/");
    unsetenv("MERCAVO_HOME");
    EXPECT_EQ(CProgramFolder::Get().back(), '/');
}

TEST(Profile, ValuesSurviveAReopen) {
    auto folder = std::filesystem::temp_directory_path() / "mercavo_profile_test";
    std::filesystem::remove_all(folder);
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    {
        CProfile profile("QUELF", "MERCAVO\\1.0");
        EXPECT_EQ(profile.Path(), (folder / "QUELF/MERCAVO-1.0.ini").string());
        EXPECT_EQ(profile.GetProfileInt("OptionData", "WaitTime", 5), 5);
        EXPECT_TRUE(profile.WriteProfileInt("OptionData", "WaitTime", -3));
        EXPECT_TRUE(profile.WriteProfileString("OptionData", "Music", " two\nlines\\ "));
        EXPECT_TRUE(profile.WriteProfileString("Recent File List", "File1", "a=b.mqd"));
    }
    CProfile profile("QUELF", "MERCAVO\\1.0");
    EXPECT_EQ(profile.GetProfileInt("OptionData", "WaitTime", 5), -3);
    EXPECT_EQ(profile.GetProfileString("OptionData", "Music", ""), " two\nlines\\ ");
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File1", ""), "a=b.mqd");
    EXPECT_EQ(profile.GetProfileString("Nope", "File1", "dflt"), "dflt");
    // A value that is not a number gives the default.
    profile.WriteProfileString("OptionData", "Bad", "12abc");
    EXPECT_EQ(profile.GetProfileInt("OptionData", "Bad", 7), 12);
    profile.WriteProfileString("OptionData", "Bad", "abc");
    EXPECT_EQ(profile.GetProfileInt("OptionData", "Bad", 7), 7);
    profile.WriteProfileString("OptionData", "Bad", "99999999999");
    EXPECT_EQ(profile.GetProfileInt("OptionData", "Bad", 7), 7);
    unsetenv("XDG_CONFIG_HOME");
    std::filesystem::remove_all(folder);
}

TEST(Profile, DamagedFileLoadsWhatItCan) {
    auto path = std::filesystem::temp_directory_path() / "mercavo_damaged.ini";
    {
        std::ofstream out(path);
        out << "garbage line\n[S]\r\nk=1\r\n[broken\nno equals\n=empty key\n";
    }
    CProfile profile(path.string());
    EXPECT_EQ(profile.GetProfileInt("S", "k", 0), 1);
    std::filesystem::remove(path);
}

TEST(MemBlock, ZeroFilledAndGrowsWithZeros) {
    CMemBlock block;
    EXPECT_FALSE(block.Alloc(0));
    ASSERT_TRUE(block.Alloc(4));
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(block.Lock()[i], 0);
    block.Lock()[3] = 9;
    ASSERT_TRUE(block.ReAlloc(64));
    EXPECT_EQ(block.Lock()[3], 9);
    for (size_t i = 4; i < 64; ++i) EXPECT_EQ(block.Lock()[i], 0);
    CMemBlock moved = std::move(block);
    EXPECT_TRUE(block.IsEmpty());
    EXPECT_EQ(moved.Size(), 64u);
}

TEST(TextFormat, GrowsToAnyLength) {
    EXPECT_EQ(FormatText("%d-%s", 7, "x"), "7-x");
    std::string big(5000, 'y');
    EXPECT_EQ(FormatText("%s!", big.c_str()).size(), 5001u);
    EXPECT_EQ(FormatText("%s", ""), "");
}
