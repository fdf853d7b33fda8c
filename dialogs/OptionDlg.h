#pragma once
// "Option": the player's preferences: the waiting time between automatic
// steps, the confirmation after a director's completed activity, music for
// the game and for the evaluation, sound effects, the music file of each
// scene and the wave file of each event. The map background colours are
// exchanged with the main frame by the dialog's window itself.

#include <array>
#include <string>

#include "dialogs/StandInDialog.h"
#include "model/SoundOptions.h"

class COptionDlg : public CStandInDialog {
public:
    static constexpr int kMusicFiles = CSoundOptions::kMusicFiles;
    static constexpr int kScenes = CSoundOptions::kSituations;
    static constexpr int kSoundFiles = CSoundOptions::kSoundFiles;
    static constexpr int kEvents = CSoundOptions::kEffects;

    COptionDlg() : CStandInDialog("Option") {}

    void SetWaitTime(int value) { m_waitTime = value; }
    int GetWaitTime() const { return m_waitTime; }
    void SetConfirmFlag(int flag) { m_confirm = flag; }
    int GetConfirmFlag() const { return m_confirm; }
    void SetGameMusic(int flag) { m_gameMusic = flag; }
    int GetGameMusic() const { return m_gameMusic; }
    void SetJudgeMusic(int flag) { m_judgeMusic = flag; }
    int GetJudgeMusic() const { return m_judgeMusic; }
    void SetEffectSound(int flag) { m_effects = flag; }
    int GetEffectSound() const { return m_effects; }

    // Numbers outside the tables are ignored (getters: "" and -1).
    void SetMusicFile(int file, const std::string& name);
    std::string GetMusicFile(int file) const;
    void SetSceneMusic(int scene, int file);
    int GetSceneMusic(int scene) const;
    void SetSoundFile(int file, const std::string& name);
    std::string GetSoundFile(int file) const;
    void SetEventSound(int event, int file);
    int GetEventSound(int event) const;

private:
    int m_waitTime = 0;
    int m_confirm = 0;
    int m_gameMusic = 0;
    int m_judgeMusic = 0;
    int m_effects = 0;
    std::array<std::string, kMusicFiles> m_musicFiles{};
    std::array<int, kScenes> m_sceneMusic{};
    std::array<std::string, kSoundFiles> m_soundFiles{};
    std::array<int, kEvents> m_eventSounds{};
};
