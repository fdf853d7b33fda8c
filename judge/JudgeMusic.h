#pragma once
// The judgment's music and sound effects: one piece and one effect at a
// time, from the file tables of the game's options (model/SoundOptions.h).
// A piece plays to its end and starts again while it is queued. Asking for
// a piece whose file already plays (in whatever slot) lets it play on.
// Stopping a piece saves its position; the platform's MIDI player starts a
// piece from its beginning whatever position it is given, so a resumed
// piece begins again.
//
// The frame owns one, hands it the window that receives the devices' end
// notifications (MM_MCINOTIFY) and forwards those to OnNotify. Files are
// looked up in the program folder.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "model/SoundOptions.h"
#include "platform/ui/WinDefs.h"

class CEffectDevice;
class CMusicDevice;
class CWnd;

namespace judge {

class CJudgeMusic {
public:
    // notify receives the end notifications; folder (with a trailing
    // separator) holds the files. Devices of the caller's (tests record
    // them) or, for nullptr, the platform's own.
    CJudgeMusic(CWnd* notify, std::string folder, std::unique_ptr<CMusicDevice> music = nullptr,
                std::unique_ptr<CEffectDevice> effect = nullptr);
    ~CJudgeMusic();
    CJudgeMusic(const CJudgeMusic&) = delete;
    CJudgeMusic& operator=(const CJudgeMusic&) = delete;

    // The file tables and the music switch ("Judge_BGM(MIDI)").
    void SetOptions(const CSoundOptions& options, int musicOn);
    // While a close of the frame is pending nothing starts.
    void SetCloseRequestedQuery(std::function<bool()> query) { m_closeRequested = std::move(query); }

    // Music index 0..21 through the music table, or slot -index for a
    // negative index; restart forgets the slot's saved position.
    void PlayJudgeMusic(int index, int restart);
    // Stops the piece, saving its position; keepQueue leaves the piece
    // queued (it starts again on activation).
    void StopMidi(bool keepQueue);
    // Sound index 0..4 through the sound table, unless an effect sounds.
    void PlayJudgeSound(int index);
    // Stops and closes both devices.
    void StopSounds();
    // MM_MCINOTIFY (flags, device id).
    void OnJudgeMciNotify(WPARAM flags, LPARAM deviceId);
    // WM_ACTIVATEAPP.
    void OnActivateAppJudge(BOOL active);

    int GetPlayingSlot() const { return m_playing; }
    int GetQueuedSlot() const { return m_queued; }
    int GetWaveSlot() const { return m_waveSlot; }
    uint32_t GetSavedPosition(int slot) const;

private:
    static bool IsMidiSlot(int slot) { return slot >= 0 && slot < CSoundOptions::kMusicFiles; }
    bool IsCloseRequested() const { return m_closeRequested && m_closeRequested(); }
    const std::string& MidiName(int slot) const;
    // Steps 2 to 5 of a request: the slot plays or keeps playing.
    void StartSlot(int slot);
    void PlayJudgeMidi();
    void PlayJudgeWave(int slot);
    void CloseMidi();
    void CloseWave();

    CWnd* m_notify;
    std::string m_folder;
    std::unique_ptr<CMusicDevice> m_music;
    std::unique_ptr<CEffectDevice> m_effect;
    std::function<bool()> m_closeRequested;
    CSoundOptions m_options;
    int m_musicOn = 1;
    // The frame's sound switch: no option turns effects off.
    int m_soundOn = 1;
    std::array<uint32_t, CSoundOptions::kMusicFiles> m_saved{};
    int m_queued = -1;
    int m_playing = -1;
    UINT m_musicId = 0;
    int m_waveSlot = -1;
    UINT m_waveId = 0;
    int m_active = 1;
};

}  // namespace judge
