#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/services/Services.h"
#include "platform/sound/EffectDevice.h"
#include "platform/sound/MusicDevice.h"
#include "platform/sound/SoundNotify.h"
#include "platform/sound/SoundSystem.h"
#include "platform/sound/SoundFiles.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Wnd.h"
#include "shell/FrameSound.h"

namespace {

// A music device that remembers where each play was asked to start.
class CRecordingMusic : public CMusicDevice {
public:
    std::vector<uint32_t> starts;
    bool Play(CWnd* notify, uint32_t fromMs) override {
        starts.push_back(fromMs);
        return CMusicDevice::Play(notify, fromMs);
    }
};

class CRecordingEffect : public CEffectDevice {
public:
    int plays = 0;
    bool Play(CWnd* notify) override {
        ++plays;
        return CEffectDevice::Play(notify);
    }
};

// The frame's part: end notifications go to the sound object.
class CNotifyWnd : public CWnd {
public:
    CFrameSound* sound = nullptr;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == MM_MCINOTIFY && sound) {
            sound->OnNotify(wParam, lParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class CFolderApp : public CDetachedAppService {
public:
    std::string folder;
    std::string GetProgramDirectory() override { return folder; }
};

// Default situations used below: 6 January (file 0), 7 February (file 1),
// 8 March (file 2), 9 April (file 3, a piece of one note).
struct SRig {
    CNotifyWnd window;
    CRecordingMusic* music = new CRecordingMusic;
    CRecordingEffect* effect = new CRecordingEffect;
    std::unique_ptr<CFrameSound> sound;
    bool closeRequested = false;

    SRig() {
        EXPECT_TRUE(window.Create(nullptr, "frame", 0, CRect(0, 0, 10, 10), nullptr, 0));
        sound = std::make_unique<CFrameSound>(&window, std::unique_ptr<CMusicDevice>(music),
                                              std::unique_ptr<CEffectDevice>(effect));
        sound->SetCloseRequestedQuery([this] { return closeRequested; });
        window.sound = sound.get();
    }
    ~SRig() {
        window.sound = nullptr;
        sound.reset();
        CMessageLoop::WaitDispatching(50, [] { return false; });
    }
    // Dispatches until the condition holds.
    bool WaitFor(const std::function<bool()>& done, int64_t timeoutMs = 3000) {
        return CMessageLoop::WaitDispatching(timeoutMs, done);
    }
    void Settle(int64_t ms) { CMessageLoop::WaitDispatching(ms, [] { return false; }); }
    // Asks for a new piece while another plays and waits until it sounds.
    void SwitchTo(int situation, int file) {
        ASSERT_EQ(sound->PlayMusic(situation), 1);
        ASSERT_TRUE(WaitFor([&] { return sound->GetPlayingFile() == file; }));
    }
};

struct SSoundCase {
    const char* name;
    std::function<void(SRig&)> script;
};

class FrameSoundTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        folder_ = std::filesystem::temp_directory_path() /
                  ("mercavo_frame_sound_" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        for (const char* name : {"MERC_JAN.MID", "MERC_FEB.MID", "MERC_MAR.MID"})
            soundfiles::Write((folder_ / name).string(), soundfiles::Midi(40));
        soundfiles::Write((folder_ / "MERC_APR.MID").string(), soundfiles::Midi(1));
        soundfiles::Write((folder_ / "MERC_1.WAV").string(), soundfiles::Wav(20000));
        soundfiles::Write((folder_ / "MERC_2.WAV").string(), soundfiles::Wav(100));
    }
    static void TearDownTestSuite() {
        CSoundSystem::Shutdown();
        std::filesystem::remove_all(folder_);
    }
    void SetUp() override { app_.folder = folder_.string() + "/"; }

    static inline std::filesystem::path folder_;
    CFolderApp app_;
    CScopedService<IAppService> scopedApp_ = ScopedApp(&app_);
};

TEST_F(FrameSoundTest, MusicAndEffects) {
    const std::vector<SSoundCase> cases = {
        {"the same file asked twice is not restarted",
         [](SRig& r) {
             ASSERT_EQ(r.sound->PlayMusic(6), 1);
             const UINT device = r.sound->GetMusicDeviceId();
             EXPECT_NE(device, 0u);
             EXPECT_EQ(r.sound->PlayMusic(6), 1);
             // Another situation whose file has the same name.
             r.sound->Options().musicIndex[1] = 22;
             r.sound->Options().musicFiles[22] = "MERC_JAN.MID";
             EXPECT_EQ(r.sound->PlayMusic(1), 1);
             r.Settle(200);
             EXPECT_EQ(r.music->starts.size(), 1u);
             EXPECT_EQ(r.sound->GetMusicDeviceId(), device);
             EXPECT_EQ(r.sound->GetPlayingFile(), 0);
         }},
        {"A, B, A resumes A where it stopped",
         [](SRig& r) {
             ASSERT_EQ(r.sound->PlayMusic(6), 1);
             r.Settle(300);
             r.SwitchTo(7, 1);
             const uint32_t stoppedAt = r.sound->GetResumePosition(0);
             EXPECT_GE(stoppedAt, 250u);
             r.SwitchTo(6, 0);
             EXPECT_EQ(r.music->starts, (std::vector<uint32_t>{0, 0, stoppedAt}));
             EXPECT_EQ(r.sound->GetResumePosition(0), 0u);
         }},
        {"A, B, C, A starts A from its beginning",
         [](SRig& r) {
             ASSERT_EQ(r.sound->PlayMusic(6), 1);
             r.Settle(300);
             r.SwitchTo(7, 1);
             r.SwitchTo(8, 2);
             r.SwitchTo(6, 0);
             EXPECT_EQ(r.music->starts, (std::vector<uint32_t>{0, 0, 0, 0}));
         }},
        {"with music off only the pending piece changes; on, the next call plays",
         [](SRig& r) {
             r.sound->Options().music = 0;
             EXPECT_EQ(r.sound->PlayMusic(6), 1);
             EXPECT_EQ(r.sound->GetPendingFile(), 0);
             EXPECT_EQ(r.sound->GetPlayingFile(), -1);
             EXPECT_EQ(r.sound->GetMusicDeviceId(), 0u);
             r.sound->Options().music = 1;
             EXPECT_EQ(r.sound->PlayMusic(7), 1);
             EXPECT_EQ(r.sound->GetPlayingFile(), 1);
             EXPECT_EQ(r.music->starts.size(), 1u);
         }},
        {"a piece that ends starts again",
         [](SRig& r) {
             ASSERT_EQ(r.sound->PlayMusic(9), 1);
             const UINT first = r.sound->GetMusicDeviceId();
             // The synthesiser lets the last note ring out for a while.
             ASSERT_TRUE(r.WaitFor([&] { return r.music->starts.size() >= 2; }, 15000));
             EXPECT_EQ(r.sound->GetPlayingFile(), 3);
             EXPECT_NE(r.sound->GetMusicDeviceId(), first);
         }},
        {"a second effect while one sounds is dropped",
         [](SRig& r) {
             EXPECT_EQ(r.sound->PlayEffect(0), 1);
             EXPECT_EQ(r.sound->GetEffectFile(), 0);
             EXPECT_EQ(r.sound->PlayEffect(1), 1);
             EXPECT_EQ(r.sound->GetEffectFile(), 0);
             EXPECT_EQ(r.effect->plays, 1);
             // Once it has been stopped, the next one sounds.
             r.sound->StopForClose();
             EXPECT_EQ(r.sound->PlayEffect(1), 1);
             EXPECT_EQ(r.sound->GetEffectFile(), 1);
             ASSERT_TRUE(r.WaitFor([&] { return r.sound->GetEffectFile() == -1; }));
             EXPECT_EQ(r.sound->GetEffectDeviceId(), 0u);
         }},
        {"file index 0 plays January's piece",
         [](SRig& r) {
             EXPECT_EQ(r.sound->PlayMusicFile(0), 1);
             EXPECT_EQ(r.sound->GetPlayingFile(), 0);
             // Situation 0 is the start choice (file 12), not January.
             r.sound->Options().musicFiles[12] = "MERC_FEB.MID";
             r.SwitchTo(0, 12);
             EXPECT_EQ(r.music->starts.size(), 2u);
         }},
        {"situations and effects outside the tables do nothing",
         [](SRig& r) {
             ASSERT_EQ(r.sound->PlayMusic(6), 1);
             for (int situation : {25, 22, -1, -22}) EXPECT_EQ(r.sound->PlayMusic(situation), 0);
             for (int file : {30, -2}) EXPECT_EQ(r.sound->PlayMusicFile(file), 0);
             for (int effect : {5, -1}) EXPECT_EQ(r.sound->PlayEffect(effect), 0);
             EXPECT_EQ(r.sound->GetPlayingFile(), 0);
             EXPECT_EQ(r.sound->GetPendingFile(), 0);
             EXPECT_EQ(r.sound->GetEffectFile(), -1);
             // A table entry that no file has means no music.
             r.sound->Options().musicIndex[7] = 40;
             EXPECT_EQ(r.sound->PlayMusic(7), 1);
             EXPECT_EQ(r.sound->GetPendingFile(), -1);
             r.sound->Options().effectIndex[2] = 10;
             EXPECT_EQ(r.sound->PlayEffect(2), 1);
             EXPECT_EQ(r.effect->plays, 0);
         }},
        {"a missing file is silent and leaves nothing playing",
         [](SRig& r) {
             r.sound->Options().musicFiles[0] = "MISSING.MID";
             r.sound->Options().soundFiles[0] = "MISSING.WAV";
             EXPECT_EQ(r.sound->PlayMusic(6), 0);
             EXPECT_EQ(r.sound->GetPlayingFile(), -1);
             EXPECT_EQ(r.sound->GetMusicDeviceId(), 0u);
             EXPECT_EQ(r.sound->PlayEffect(0), 0);
             EXPECT_EQ(r.sound->GetEffectFile(), -1);
             EXPECT_EQ(r.sound->GetEffectDeviceId(), 0u);
             // The next piece plays.
             EXPECT_EQ(r.sound->PlayMusic(7), 1);
             EXPECT_EQ(r.sound->GetPlayingFile(), 1);
         }},
        {"after the close step music and effects still start",
         [](SRig& r) {
             ASSERT_EQ(r.sound->PlayMusic(6), 1);
             ASSERT_EQ(r.sound->PlayEffect(0), 1);
             r.Settle(200);
             r.closeRequested = true;
             r.sound->StopForClose();
             EXPECT_EQ(r.sound->GetMusicDeviceId(), 0u);
             EXPECT_EQ(r.sound->GetEffectDeviceId(), 0u);
             EXPECT_EQ(r.sound->GetPlayingFile(), -1);
             EXPECT_EQ(r.sound->GetPendingFile(), 0);
             EXPECT_GT(r.sound->GetResumePosition(0), 0u);
             // The close was refused: the game goes on.
             r.closeRequested = false;
             r.Settle(200);
             EXPECT_EQ(r.sound->PlayMusic(7), 1);
             EXPECT_EQ(r.sound->GetPlayingFile(), 1);
             EXPECT_NE(r.sound->GetMusicDeviceId(), 0u);
             EXPECT_EQ(r.sound->PlayEffect(1), 1);
             EXPECT_EQ(r.sound->GetEffectFile(), 1);
             r.Settle(200);
             EXPECT_EQ(r.sound->GetPlayingFile(), 1);
         }},
        {"no music starts while a close is requested",
         [](SRig& r) {
             ASSERT_EQ(r.sound->PlayMusic(6), 1);
             r.closeRequested = true;
             EXPECT_EQ(r.sound->PlayMusic(7), 1);
             ASSERT_TRUE(r.WaitFor([&] { return r.sound->GetMusicDeviceId() == 0; }));
             EXPECT_EQ(r.sound->GetPlayingFile(), -1);
             EXPECT_EQ(r.sound->GetPendingFile(), -1);
         }},
        {"leaving the application stops the piece, coming back resumes it",
         [](SRig& r) {
             ASSERT_EQ(r.sound->PlayMusic(6), 1);
             r.Settle(300);
             r.sound->OnActivateApp(FALSE);
             EXPECT_EQ(r.sound->GetPlayingFile(), -1);
             EXPECT_EQ(r.sound->GetPendingFile(), 0);
             const uint32_t stoppedAt = r.sound->GetResumePosition(0);
             EXPECT_GE(stoppedAt, 250u);
             ASSERT_TRUE(r.WaitFor([&] { return r.sound->GetMusicDeviceId() == 0; }));
             EXPECT_EQ(r.sound->PlayEffect(0), 1);
             EXPECT_EQ(r.effect->plays, 0);
             r.sound->OnActivateApp(TRUE);
             EXPECT_EQ(r.sound->GetPlayingFile(), 0);
             EXPECT_EQ(r.music->starts.back(), stoppedAt);
         }},
    };
    for (const SSoundCase& c : cases) {
        SCOPED_TRACE(c.name);
        SRig rig;
        c.script(rig);
    }
}

}  // namespace
