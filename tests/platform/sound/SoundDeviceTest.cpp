#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "SoundFiles.h"
#include "platform/sound/EffectDevice.h"
#include "platform/sound/MusicDevice.h"
#include "platform/sound/SoundNotify.h"
#include "platform/sound/SoundSystem.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Wnd.h"

namespace {

struct Notice {
    WPARAM flag;
    LPARAM device;
};

// Keeps every end notification it receives.
class CNoticeWnd : public CWnd {
public:
    std::vector<Notice> notices;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == MM_MCINOTIFY) {
            notices.push_back({wParam, lParam});
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class SoundDeviceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        folder_ =
            std::filesystem::temp_directory_path() / ("mercavo_sound_" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        soundfiles::Write(Path("short.mid"), soundfiles::Midi(1));
        soundfiles::Write(Path("long.mid"), soundfiles::Midi(40));
        soundfiles::Write(Path("beep.wav"), soundfiles::Wav(150));
        soundfiles::Write(Path("long.wav"), soundfiles::Wav(20000));
        soundfiles::Write(Path("garbage.mid"), std::vector<uint8_t>(64, 0x5A));
        soundfiles::Write(Path("garbage.wav"), std::vector<uint8_t>(64, 0x5A));
    }
    static void TearDownTestSuite() {
        CSoundSystem::Shutdown();
        std::filesystem::remove_all(folder_);
    }

    void SetUp() override {
        ASSERT_TRUE(window_.Create(nullptr, "notices", 0, CRect(0, 0, 10, 10), nullptr, 0));
    }
    void TearDown() override { CSoundSystem::Shutdown(); }

    static std::string Path(const char* name) { return (folder_ / name).string(); }

    // Dispatches messages until `count` notifications have arrived.
    bool WaitForNotices(size_t count, int64_t timeoutMs) {
        return CMessageLoop::WaitDispatching(timeoutMs,
                                             [&] { return window_.notices.size() >= count; });
    }
    // Dispatches for a while, so that a stray notification would show.
    void Settle(int64_t ms) {
        CMessageLoop::WaitDispatching(ms, [] { return false; });
    }

    static inline std::filesystem::path folder_;
    CNoticeWnd window_;
};

TEST_F(SoundDeviceTest, MusicPositionGrowsAndStopIsReportedAborted) {
    CMusicDevice music;
    ASSERT_TRUE(music.Open(Path("long.mid")));
    const UINT id = music.GetDeviceId();
    EXPECT_NE(id, 0u);
    ASSERT_TRUE(music.Play(&window_));
    EXPECT_TRUE(music.IsPlaying());

    Settle(150);
    const uint32_t first = music.GetPosition();
    Settle(250);
    const uint32_t second = music.GetPosition();
    EXPECT_GE(first, 100u);
    EXPECT_GE(second, first + 200);
    EXPECT_TRUE(window_.notices.empty());

    EXPECT_TRUE(music.Stop());
    EXPECT_FALSE(music.IsPlaying());
    const uint32_t stopped = music.GetPosition();
    EXPECT_GE(stopped, second);
    ASSERT_TRUE(WaitForNotices(1, 2000));
    Settle(300);
    ASSERT_EQ(window_.notices.size(), 1u);
    EXPECT_EQ(window_.notices[0].flag, MCI_NOTIFY_ABORTED);
    EXPECT_EQ(window_.notices[0].device, static_cast<LPARAM>(id));
    EXPECT_EQ(music.GetPosition(), stopped);
}

TEST_F(SoundDeviceTest, MusicThatEndsIsReportedSuccessfulOnce) {
    CMusicDevice music;
    ASSERT_TRUE(music.Open(Path("short.mid")));
    ASSERT_TRUE(music.Play(&window_));
    // The synthesiser lets the last note ring out for a few seconds.
    ASSERT_TRUE(WaitForNotices(1, 15000));
    EXPECT_EQ(window_.notices[0].flag, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(window_.notices[0].device, static_cast<LPARAM>(music.GetDeviceId()));
    EXPECT_FALSE(music.IsPlaying());
    EXPECT_TRUE(music.Stop());
    Settle(200);
    EXPECT_EQ(window_.notices.size(), 1u);

    // The device stays open and plays again.
    ASSERT_TRUE(music.Play(&window_, 0));
    EXPECT_TRUE(music.IsPlaying());
    music.Close();
    ASSERT_TRUE(WaitForNotices(2, 2000));
    EXPECT_EQ(window_.notices[1].flag, MCI_NOTIFY_ABORTED);
}

TEST_F(SoundDeviceTest, MusicResumesAndCountsFromWhereItStarted) {
    CMusicDevice music;
    ASSERT_TRUE(music.Open(Path("long.mid")));
    ASSERT_TRUE(music.Play(&window_, 3000));
    Settle(100);
    // Either the piece was moved to 3 s, or (MIDI through FluidSynth cannot
    // seek) it plays from its start; the position tells which.
    const uint32_t position = music.GetPosition();
    EXPECT_TRUE((position >= 3000 && position < 4000) || position < 1000) << position;
    music.Stop();
}

TEST_F(SoundDeviceTest, PlayingOnAnotherMusicDeviceAbortsTheFirst) {
    CMusicDevice first;
    CMusicDevice second;
    ASSERT_TRUE(first.Open(Path("long.mid")));
    ASSERT_TRUE(second.Open(Path("long.mid")));
    EXPECT_NE(first.GetDeviceId(), second.GetDeviceId());
    ASSERT_TRUE(first.Play(&window_));
    ASSERT_TRUE(second.Play(&window_));
    EXPECT_FALSE(first.IsPlaying());
    ASSERT_TRUE(WaitForNotices(1, 2000));
    EXPECT_EQ(window_.notices[0].flag, MCI_NOTIFY_ABORTED);
    EXPECT_EQ(window_.notices[0].device, static_cast<LPARAM>(first.GetDeviceId()));
    second.Stop();
    ASSERT_TRUE(WaitForNotices(2, 2000));
    EXPECT_EQ(window_.notices[1].device, static_cast<LPARAM>(second.GetDeviceId()));
}

TEST_F(SoundDeviceTest, EffectPlaysAndIsReportedSuccessful) {
    CEffectDevice effect;
    ASSERT_TRUE(effect.Open(Path("beep.wav")));
    ASSERT_TRUE(effect.Play(&window_));
    ASSERT_TRUE(WaitForNotices(1, 5000));
    EXPECT_EQ(window_.notices[0].flag, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(window_.notices[0].device, static_cast<LPARAM>(effect.GetDeviceId()));
    EXPECT_FALSE(effect.IsPlaying());
}

TEST_F(SoundDeviceTest, EffectOverMusicAndStoppedEffectIsAborted) {
    CMusicDevice music;
    CEffectDevice effect;
    ASSERT_TRUE(music.Open(Path("long.mid")));
    ASSERT_TRUE(effect.Open(Path("long.wav")));
    ASSERT_TRUE(music.Play(&window_));
    ASSERT_TRUE(effect.Play(&window_));
    EXPECT_TRUE(music.IsPlaying());
    Settle(100);
    effect.Stop();
    ASSERT_TRUE(WaitForNotices(1, 2000));
    Settle(200);
    ASSERT_EQ(window_.notices.size(), 1u);
    EXPECT_EQ(window_.notices[0].flag, MCI_NOTIFY_ABORTED);
    EXPECT_EQ(window_.notices[0].device, static_cast<LPARAM>(effect.GetDeviceId()));
    EXPECT_TRUE(music.IsPlaying());
}

TEST_F(SoundDeviceTest, MissingOrUnreadableFilesFailSilently) {
    for (const char* name : {"absent.mid", "garbage.mid", "absent.wav", "garbage.wav"}) {
        SCOPED_TRACE(name);
        CMusicDevice music;
        CEffectDevice effect;
        EXPECT_FALSE(music.Open(Path(name)));
        EXPECT_FALSE(effect.Open(Path(name)));
        EXPECT_EQ(music.GetDeviceId(), 0u);
        EXPECT_EQ(effect.GetDeviceId(), 0u);
        EXPECT_FALSE(music.Play(&window_));
        EXPECT_FALSE(effect.Play(&window_));
        EXPECT_TRUE(music.Stop());
        EXPECT_EQ(music.GetPosition(), 0u);
    }
    Settle(200);
    EXPECT_TRUE(window_.notices.empty());
}

TEST_F(SoundDeviceTest, EndAfterTheWindowIsGoneIsDropped) {
    auto* listener = new CNoticeWnd;
    ASSERT_TRUE(listener->Create(nullptr, "gone", 0, CRect(0, 0, 10, 10), nullptr, 0));
    CEffectDevice effect;
    ASSERT_TRUE(effect.Open(Path("beep.wav")));
    ASSERT_TRUE(effect.Play(listener));
    delete listener;
    Settle(1000);
    EXPECT_FALSE(effect.IsPlaying());
}

}  // namespace
