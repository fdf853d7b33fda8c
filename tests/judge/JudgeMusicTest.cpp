// The judgment's music and effects, played on the dummy audio driver with
// devices that record what they are asked.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "judge/JudgeMusic.h"
#include "platform/sound/EffectDevice.h"
#include "platform/sound/MusicDevice.h"
#include "platform/sound/SoundFiles.h"
#include "platform/sound/SoundNotify.h"
#include "platform/sound/SoundSystem.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Wnd.h"

namespace {

using judge::CJudgeMusic;

// Every play (with its start position) and every close of the device.
class CRecordingMusic : public CMusicDevice {
public:
    std::vector<uint32_t> starts;
    int closes = 0;
    bool Play(CWnd* notify, uint32_t fromMs) override {
        starts.push_back(fromMs);
        return CMusicDevice::Play(notify, fromMs);
    }
    void Close() override {
        ++closes;
        CMusicDevice::Close();
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

class CNotifyWnd : public CWnd {
public:
    CJudgeMusic* music = nullptr;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == MM_MCINOTIFY && music) {
            music->OnJudgeMciNotify(wParam, lParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Music index 0 plays slot 12 ("MERC_1.MID", long), index 1 slot 13
// ("MERC_2.MID", long), index 2 slot 14 ("MERC_3.MID", one note).
struct SRig {
    CNotifyWnd window;
    CRecordingMusic* music = new CRecordingMusic;
    CRecordingEffect* effect = new CRecordingEffect;
    std::unique_ptr<CJudgeMusic> player;
    bool closeRequested = false;

    SRig(const std::string& folder, int musicOn) {
        EXPECT_TRUE(window.Create(nullptr, "frame", 0, CRect(0, 0, 10, 10), nullptr, 0));
        player = std::make_unique<CJudgeMusic>(&window, folder, std::unique_ptr<CMusicDevice>(music),
                                               std::unique_ptr<CEffectDevice>(effect));
        player->SetOptions(CSoundOptions(), musicOn);
        player->SetCloseRequestedQuery([this] { return closeRequested; });
        window.music = player.get();
    }
    ~SRig() {
        window.music = nullptr;
        player.reset();
        Settle(50);
    }
    static void Settle(int64_t ms) { CMessageLoop::WaitDispatching(ms, [] { return false; }); }
};

class JudgeMusicTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        folder_ = std::filesystem::temp_directory_path() /
                  ("mercavo_judge_music_" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        for (const char* name : {"MERC_1.MID", "MERC_2.MID"})
            soundfiles::Write((folder_ / name).string(), soundfiles::Midi(40));
        soundfiles::Write((folder_ / "MERC_3.MID").string(), soundfiles::Midi(1));
        soundfiles::Write((folder_ / "MERC_1.WAV").string(), soundfiles::Wav(20000));
    }
    static void TearDownTestSuite() {
        CSoundSystem::Shutdown();
        std::filesystem::remove_all(folder_);
    }
    static std::string Folder() { return folder_.string() + "/"; }
    static inline std::filesystem::path folder_;
};

struct SMusicCase {
    const char* name;
    int musicOn;
    std::function<void(SRig&)> script;
};

TEST_F(JudgeMusicTest, Pieces) {
    const std::vector<SMusicCase> cases = {
        {"the same file in another slot keeps playing", 1,
         [](SRig& r) {
             r.player->PlayJudgeMusic(0, 0);
             ASSERT_EQ(r.player->GetPlayingSlot(), 12);
             const int closes = r.music->closes;
             // Slot 25 names the file that plays.
             CSoundOptions options;
             options.musicFiles[25] = "MERC_1.MID";
             r.player->SetOptions(options, 1);
             r.player->PlayJudgeMusic(-25, 0);
             EXPECT_EQ(r.music->starts.size(), 1u);
             EXPECT_EQ(r.music->closes, closes);
             EXPECT_EQ(r.player->GetPlayingSlot(), 12);
         }},
        {"another file stops the piece and starts the new one", 1,
         [](SRig& r) {
             r.player->PlayJudgeMusic(0, 0);
             r.player->PlayJudgeMusic(1, 0);
             EXPECT_EQ(r.music->starts.size(), 2u);
             EXPECT_EQ(r.player->GetPlayingSlot(), 13);
             EXPECT_EQ(r.player->GetQueuedSlot(), 13);
         }},
        {"deactivation stops and keeps the queue; activation starts again", 1,
         [](SRig& r) {
             r.player->PlayJudgeMusic(0, 0);
             SRig::Settle(100);
             r.player->OnActivateAppJudge(FALSE);
             EXPECT_EQ(r.player->GetPlayingSlot(), -1);
             EXPECT_EQ(r.player->GetQueuedSlot(), 12);
             EXPECT_GT(r.player->GetSavedPosition(12), 0u);
             // Nothing starts while inactive.
             r.player->PlayJudgeMusic(0, 0);
             EXPECT_EQ(r.music->starts.size(), 1u);
             r.player->OnActivateAppJudge(TRUE);
             ASSERT_EQ(r.music->starts.size(), 2u);
             EXPECT_GT(r.music->starts[1], 0u);
             EXPECT_EQ(r.player->GetPlayingSlot(), 12);
         }},
        {"music off plays nothing", 0,
         [](SRig& r) {
             r.player->PlayJudgeMusic(0, 0);
             EXPECT_TRUE(r.music->starts.empty());
             EXPECT_EQ(r.player->GetPlayingSlot(), -1);
         }},
        {"a requested close plays nothing and stops what plays", 1,
         [](SRig& r) {
             r.player->PlayJudgeMusic(0, 0);
             r.closeRequested = true;
             r.player->PlayJudgeMusic(1, 0);
             EXPECT_EQ(r.music->starts.size(), 1u);
             EXPECT_EQ(r.player->GetPlayingSlot(), -1);
             EXPECT_EQ(r.player->GetQueuedSlot(), -1);
         }},
        {"an aborted notice is ignored", 1,
         [](SRig& r) {
             r.player->PlayJudgeMusic(0, 0);
             r.player->OnJudgeMciNotify(MCI_NOTIFY_ABORTED, r.music->GetDeviceId());
             EXPECT_EQ(r.player->GetPlayingSlot(), 12);
             EXPECT_EQ(r.music->starts.size(), 1u);
         }},
        {"a piece that ends starts again", 1,
         [](SRig& r) {
             r.player->PlayJudgeMusic(2, 0);
             ASSERT_EQ(r.player->GetPlayingSlot(), 14);
             ASSERT_TRUE(CMessageLoop::WaitDispatching(
                 5000, [&] { return r.music->starts.size() >= 2; }));
             EXPECT_EQ(r.player->GetQueuedSlot(), 14);
         }},
        {"music indexes outside the table and slots outside the files play nothing", 1,
         [](SRig& r) {
             r.player->PlayJudgeMusic(22, 0);
             r.player->PlayJudgeMusic(-30, 0);
             EXPECT_TRUE(r.music->starts.empty());
         }},
        {"an effect sounds once at a time", 1,
         [](SRig& r) {
             r.player->PlayJudgeSound(0);
             r.player->PlayJudgeSound(0);
             EXPECT_EQ(r.effect->plays, 1);
             EXPECT_EQ(r.player->GetWaveSlot(), 0);
             r.player->StopSounds();
             EXPECT_EQ(r.player->GetWaveSlot(), -1);
             // Effect 2 has no wave file.
             r.player->PlayJudgeSound(2);
             EXPECT_EQ(r.effect->plays, 1);
         }},
    };
    for (const SMusicCase& c : cases) {
        SCOPED_TRACE(c.name);
        SRig rig(Folder(), c.musicOn);
        c.script(rig);
    }
}

}  // namespace
