#pragma once
// The main frame's background music and sound effects. One piece and one
// effect sound at a time. A piece plays to its end and starts again; a piece
// interrupted by another remembers where it stopped and resumes there when
// it is asked for again before a third piece has played. Music sounds only
// while the application is active.
//
// The frame owns one CFrameSound, hands it the window that receives the
// devices' end notifications (MM_MCINOTIFY) and forwards those to
// OnNotify. Files are looked up in the program folder.

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

class CFrameSound {
public:
    static constexpr int kMusicFiles = CSoundOptions::kMusicFiles;
    static constexpr int kSituations = CSoundOptions::kSituations;
    static constexpr int kSoundFiles = CSoundOptions::kSoundFiles;
    static constexpr int kEffects = CSoundOptions::kEffects;

    // The music and effect options ("OptionData"), with their defaults.
    using SOptions = CSoundOptions;

    // `notify` receives the end notifications (the main window); the
    // platform's own devices play.
    explicit CFrameSound(CWnd* notify);
    // With devices of the caller's (tests record what they are asked).
    CFrameSound(CWnd* notify, std::unique_ptr<CMusicDevice> music,
                std::unique_ptr<CEffectDevice> effect);
    // Releases both devices for good.
    ~CFrameSound();
    CFrameSound(const CFrameSound&) = delete;
    CFrameSound& operator=(const CFrameSound&) = delete;

    SOptions& Options() { return m_options; }
    const SOptions& Options() const { return m_options; }
    // Asked before anything starts: while a close of the frame is pending,
    // no music starts.
    void SetCloseRequestedQuery(std::function<bool()> query) { m_closeRequested = std::move(query); }

    // Plays the music of situation 0..21; restart starts the piece from its
    // beginning. 1, or 0 when a start failed or the situation is unknown.
    int PlayMusic(int situation, int restart = 0);
    // The same for music file index 0..29 (-1 stops the music).
    int PlayMusicFile(int file, int restart = 0);
    // Stops the piece, remembering where; clear 0 keeps it pending (it
    // starts again when the device is free or the application comes back).
    void StopMusic(int clear);
    // Plays effect 0..4 unless one still sounds: 1 when nothing was started
    // or the start succeeded, 0 on a failed start or an unknown effect.
    int PlayEffect(int effect);

    // The frame's close step: music and effect stop, the piece stays
    // pending and both devices are free again, so a close that is then
    // refused leaves a working player.
    void StopForClose();
    // MM_MCINOTIFY: the end of a piece or effect (flags, device id).
    void OnNotify(WPARAM flags, LPARAM deviceId);
    // The application became active (and not minimised) or inactive.
    void OnActivateApp(BOOL active);

    // ---- state
    int IsActive() const { return m_active; }
    int GetPlayingFile() const { return m_playing; }
    int GetPendingFile() const { return m_pending; }
    int GetEffectFile() const { return m_effectFile; }
    UINT GetMusicDeviceId() const { return m_musicId; }
    UINT GetEffectDeviceId() const { return m_effectId; }
    // Where file 0..29 stopped, in milliseconds (0 = from its start).
    uint32_t GetResumePosition(int file) const;

private:
    static bool IsMusicFile(int file) { return file >= 0 && file < kMusicFiles; }
    bool IsCloseRequested() const { return m_closeRequested && m_closeRequested(); }
    const std::string& MusicFileName(int file) const;
    // Starts the pending piece; 0 when it started or nothing was to start,
    // else an error code.
    int StartMusic();
    void CloseMusicDevice();
    void CloseEffectDevice();

    SOptions m_options;
    CWnd* m_notify;
    std::unique_ptr<CMusicDevice> m_music;
    std::unique_ptr<CEffectDevice> m_effect;
    std::function<bool()> m_closeRequested;
    UINT m_musicId = 0;
    int m_playing = -1;
    int m_pending = -1;
    std::array<uint32_t, kMusicFiles> m_resume{};
    UINT m_effectId = 0;
    int m_effectFile = -1;
    int m_active = 1;
};
