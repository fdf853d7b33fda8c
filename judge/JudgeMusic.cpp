#include "judge/JudgeMusic.h"

#include "platform/sound/EffectDevice.h"
#include "platform/sound/MusicDevice.h"
#include "platform/sound/SoundNotify.h"

namespace judge {

namespace {

const std::string kNoFile;

}  // namespace

CJudgeMusic::CJudgeMusic(CWnd* notify, std::string folder, std::unique_ptr<CMusicDevice> music,
                         std::unique_ptr<CEffectDevice> effect)
    : m_notify(notify),
      m_folder(std::move(folder)),
      m_music(music ? std::move(music) : std::make_unique<CMusicDevice>()),
      m_effect(effect ? std::move(effect) : std::make_unique<CEffectDevice>()) {}

CJudgeMusic::~CJudgeMusic() {
    m_music->Close();
    m_effect->Close();
}

void CJudgeMusic::SetOptions(const CSoundOptions& options, int musicOn) {
    m_options = options;
    m_musicOn = musicOn;
}

uint32_t CJudgeMusic::GetSavedPosition(int slot) const {
    return IsMidiSlot(slot) ? m_saved[static_cast<size_t>(slot)] : 0;
}

const std::string& CJudgeMusic::MidiName(int slot) const {
    return IsMidiSlot(slot) ? m_options.musicFiles[static_cast<size_t>(slot)] : kNoFile;
}

void CJudgeMusic::PlayJudgeMusic(int index, int restart) {
    int slot = -1;
    if (index < 0) {
        slot = -index;
    } else if (index < CSoundOptions::kSituations) {
        slot = m_options.musicIndex[static_cast<size_t>(index)];
    }
    // A slot the table cannot hold is no music, as -1 is.
    if (!IsMidiSlot(slot)) slot = -1;
    if (restart && slot != -1) m_saved[static_cast<size_t>(slot)] = 0;
    StartSlot(slot);
}

void CJudgeMusic::StartSlot(int slot) {
    if (IsCloseRequested() || slot == -1) {
        StopMidi(false);
        return;
    }
    for (int i = 0; i < CSoundOptions::kSituations; ++i) {
        if (i != slot && i != m_playing) m_saved[static_cast<size_t>(i)] = 0;
    }
    if (m_playing != -1) {
        if (MidiName(m_playing) == MidiName(slot)) return;
        StopMidi(false);
    }
    m_queued = slot;
    PlayJudgeMidi();
}

void CJudgeMusic::PlayJudgeMidi() {
    if (!m_musicOn || m_queued == -1 || IsCloseRequested() || !m_active ||
        MidiName(m_queued).empty()) {
        return;
    }
    const size_t slot = static_cast<size_t>(m_queued);
    if (!m_music->Open(m_folder + MidiName(m_queued))) {
        CloseMidi();
        return;
    }
    m_musicId = m_music->GetDeviceId();
    if (!m_music->Play(m_notify, m_saved[slot])) {
        CloseMidi();
        return;
    }
    m_playing = m_queued;
    m_saved[slot] = 0;
}

void CJudgeMusic::StopMidi(bool keepQueue) {
    if (m_playing != -1) {
        m_saved[static_cast<size_t>(m_playing)] = m_music->GetPosition();
        CloseMidi();
    }
    if (!keepQueue) m_queued = -1;
}

void CJudgeMusic::CloseMidi() {
    m_music->Close();
    m_musicId = 0;
    m_playing = -1;
}

void CJudgeMusic::PlayJudgeSound(int index) {
    if (index < 0 || index >= CSoundOptions::kEffects) return;
    const int slot = m_options.effectIndex[static_cast<size_t>(index)];
    if (slot < 0 || slot >= CSoundOptions::kSoundFiles || m_waveSlot != -1) return;
    PlayJudgeWave(slot);
}

void CJudgeMusic::PlayJudgeWave(int slot) {
    const std::string& name = m_options.soundFiles[static_cast<size_t>(slot)];
    if (!m_soundOn || !m_active || name.empty()) return;
    if (!m_effect->Open(m_folder + name)) {
        CloseWave();
        return;
    }
    m_waveId = m_effect->GetDeviceId();
    m_waveSlot = slot;
    if (!m_effect->Play(m_notify)) CloseWave();
}

void CJudgeMusic::CloseWave() {
    m_effect->Close();
    m_waveId = 0;
    m_waveSlot = -1;
}

void CJudgeMusic::StopSounds() {
    StopMidi(true);
    CloseMidi();
    CloseWave();
}

void CJudgeMusic::OnJudgeMciNotify(WPARAM flags, LPARAM deviceId) {
    // Only a piece that played to its end counts: a stop or a close the
    // program asked for has been dealt with already.
    if (flags != MCI_NOTIFY_SUCCESSFUL || deviceId == 0) return;
    const UINT id = static_cast<UINT>(deviceId);
    if (id == m_musicId) {
        CloseMidi();
        if (m_queued != -1) PlayJudgeMidi();
    } else if (id == m_waveId) {
        CloseWave();
    }
}

void CJudgeMusic::OnActivateAppJudge(BOOL active) {
    m_active = active ? 1 : 0;
    if (!active) {
        StopMidi(true);
    } else if (m_queued != -1) {
        StartSlot(m_queued);
    }
}

}  // namespace judge
