#include "shell/FrameSound.h"

#include "model/services/Services.h"
#include "platform/sound/EffectDevice.h"
#include "platform/sound/MusicDevice.h"
#include "platform/sound/SoundNotify.h"

namespace {

// The error code of a start that failed (any value but 0 will do).
constexpr int kStartFailed = 1;
const std::string kNoFile;

bool IsEndNotice(WPARAM flags) {
    return flags == MCI_NOTIFY_SUCCESSFUL || flags == MCI_NOTIFY_ABORTED;
}

std::string ProgramFile(const std::string& name) {
    return Services::App().GetProgramDirectory() + name;
}

}  // namespace

CFrameSound::CFrameSound(CWnd* notify) : CFrameSound(notify, nullptr, nullptr) {}

CFrameSound::CFrameSound(CWnd* notify, std::unique_ptr<CMusicDevice> music,
                         std::unique_ptr<CEffectDevice> effect)
    : m_notify(notify),
      m_music(music ? std::move(music) : std::make_unique<CMusicDevice>()),
      m_effect(effect ? std::move(effect) : std::make_unique<CEffectDevice>()) {}

CFrameSound::~CFrameSound() {
    m_music->Close();
    m_effect->Close();
}

uint32_t CFrameSound::GetResumePosition(int file) const {
    return IsMusicFile(file) ? m_resume[static_cast<size_t>(file)] : 0;
}

const std::string& CFrameSound::MusicFileName(int file) const {
    return IsMusicFile(file) ? m_options.musicFiles[static_cast<size_t>(file)] : kNoFile;
}

int CFrameSound::PlayMusic(int situation, int restart) {
    if (situation < 0 || situation >= kSituations) return 0;
    const int file = m_options.musicIndex[static_cast<size_t>(situation)];
    // An entry the options could not hold means no music, as -1 does.
    return PlayMusicFile(IsMusicFile(file) ? file : -1, restart);
}

int CFrameSound::PlayMusicFile(int file, int restart) {
    if (file < -1 || file >= kMusicFiles) return 0;
    if (IsCloseRequested() || file == -1) {
        StopMusic(1);
        return 1;
    }
    if (restart) m_resume[static_cast<size_t>(file)] = 0;
    // Only a piece that was interrupted by the one playing now may resume;
    // the situation pieces (files 0..21) of earlier interruptions start
    // over. Files 22..29 always keep their place.
    for (int i = 0; i < kSituations; ++i) {
        if (i != file && i != m_playing) m_resume[static_cast<size_t>(i)] = 0;
    }
    if (m_playing == -1) {
        m_pending = file;
        return StartMusic() == 0 ? 1 : 0;
    }
    if (MusicFileName(m_playing) != MusicFileName(file)) {
        // The stop notification starts the new piece.
        StopMusic(1);
        m_pending = file;
    }
    return 1;
}

int CFrameSound::StartMusic() {
    if (!m_options.music || m_pending == -1 || IsCloseRequested() || !m_active ||
        MusicFileName(m_pending).empty() || m_musicId != 0)
        return 0;
    if (!m_music->Open(ProgramFile(MusicFileName(m_pending)))) {
        m_playing = -1;
        return kStartFailed;
    }
    m_musicId = m_music->GetDeviceId();
    const size_t file = static_cast<size_t>(m_pending);
    if (!m_music->Play(m_notify, m_resume[file])) {
        CloseMusicDevice();
        m_playing = -1;
        return kStartFailed;
    }
    m_playing = m_pending;
    m_resume[file] = 0;
    return 0;
}

void CFrameSound::StopMusic(int clear) {
    // A piece still waiting for the device stays pending when nothing plays.
    if (clear) {
        m_pending = -1;
    } else if (m_playing != -1) {
        m_pending = m_playing;
    }
    if (m_playing == -1) return;
    m_resume[static_cast<size_t>(m_playing)] = m_music->GetPosition();
    m_music->Stop();
    m_playing = -1;
    // The device stays open until its notification arrives.
}

int CFrameSound::PlayEffect(int effect) {
    if (effect < 0 || effect >= kEffects) return 0;
    const int file = m_options.effectIndex[static_cast<size_t>(effect)];
    if (file < 0 || file >= kSoundFiles || m_effectFile != -1) return 1;
    m_effectFile = file;
    const std::string& name = m_options.soundFiles[static_cast<size_t>(file)];
    if (!m_options.effects || !m_active || name.empty() || m_effectId != 0) {
        m_effectFile = -1;
        return 1;
    }
    if (!m_effect->Open(ProgramFile(name))) {
        m_effectFile = -1;
        return 0;
    }
    m_effectId = m_effect->GetDeviceId();
    if (!m_effect->Play(m_notify)) {
        CloseEffectDevice();
        return 0;
    }
    return 1;
}

void CFrameSound::StopForClose() {
    StopMusic(0);
    // Closing now rather than at the notification: the devices are free for
    // the next start whether or not the frame goes on.
    CloseMusicDevice();
    CloseEffectDevice();
}

void CFrameSound::CloseMusicDevice() {
    m_music->Close();
    m_musicId = 0;
    m_playing = -1;
}

void CFrameSound::CloseEffectDevice() {
    m_effect->Close();
    m_effectId = 0;
    m_effectFile = -1;
}

void CFrameSound::OnNotify(WPARAM flags, LPARAM deviceId) {
    if (!IsEndNotice(flags) || deviceId == 0) return;
    if (static_cast<UINT>(deviceId) == m_musicId) {
        CloseMusicDevice();
        // A piece that ended is still pending and starts again; a stopped
        // one has made way for the next.
        if (m_pending != -1) StartMusic();
    } else if (static_cast<UINT>(deviceId) == m_effectId) {
        CloseEffectDevice();
    }
}

void CFrameSound::OnActivateApp(BOOL active) {
    if (!active) {
        m_active = 0;
        StopMusic(0);
        return;
    }
    m_active = 1;
    if (m_pending != -1) PlayMusicFile(m_pending);
}
