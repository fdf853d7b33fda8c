#include "platform/sound/MusicDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <cstring>
#include <fstream>

#include "platform/sound/SoundNotify.h"
#include "platform/sound/SoundSystem.h"

namespace {

// The play the mixer is working on, read by its thread when a piece ends:
// device id in the high half, play token in the low half.
std::atomic<uint64_t> g_current{0};
CMusicDevice* g_playing = nullptr;

// The mixer guesses a file's kind and would take almost anything with the
// right name for music: only a standard MIDI file is a piece.
bool IsStandardMidi(const std::string& path) {
    char magic[4] = {};
    std::ifstream in(path, std::ios::binary);
    return in.read(magic, sizeof magic) && std::memcmp(magic, "MThd", sizeof magic) == 0;
}

void MusicFinished() {
    const uint64_t current = g_current.load();
    CSoundSystem::PostFinished(static_cast<UINT>(current >> 32), static_cast<uint32_t>(current));
}

}  // namespace

CMusicDevice::~CMusicDevice() {
    CMusicDevice::Close();
}

bool CMusicDevice::Open(const std::string& path) {
    Close();
    if (!IsStandardMidi(path) || !CSoundSystem::Open()) return false;
    m_music = Mix_LoadMUS(path.c_str());
    if (!m_music) return false;
    Register();
    m_endPosition = 0;
    return true;
}

bool CMusicDevice::Play(CWnd* notify, uint32_t fromMs) {
    if (!m_music) return false;
    if (g_playing && g_playing != this) g_playing->Stop();
    const uint32_t token = BeginPlay(notify);
    g_current.store((static_cast<uint64_t>(GetDeviceId()) << 32) | token);
    Mix_HookMusicFinished(MusicFinished);
    if (Mix_PlayMusic(m_music, 1) != 0) {
        AbandonPlay();
        return false;
    }
    g_playing = this;
    m_startTicks = SDL_GetTicks64();
    m_startPosition = 0;
    // The FluidSynth player cannot seek; such a piece resumes from its start.
    if (fromMs > 0 && Mix_SetMusicPosition(fromMs / 1000.0) == 0) m_startPosition = fromMs;
    return true;
}

uint32_t CMusicDevice::Elapsed() const {
    return static_cast<uint32_t>(SDL_GetTicks64() - m_startTicks);
}

uint32_t CMusicDevice::GetPosition() const {
    if (!IsPlaying()) return m_endPosition;
    // The mixer knows no position within a MIDI piece: count the time played.
    return m_startPosition + Elapsed();
}

bool CMusicDevice::Stop() {
    if (!IsPlaying()) return true;
    EndPlay(MCI_NOTIFY_ABORTED);
    Mix_HaltMusic();
    return true;
}

void CMusicDevice::Close() {
    Stop();
    if (m_music) {
        Mix_FreeMusic(m_music);
        m_music = nullptr;
    }
    Unregister();
}

void CMusicDevice::OnPlayEnded() {
    m_endPosition = m_startPosition + Elapsed();
    if (g_playing == this) g_playing = nullptr;
}
