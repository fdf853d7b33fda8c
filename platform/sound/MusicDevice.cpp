#include "platform/sound/MusicDevice.h"

#include <SDL.h>

#include <atomic>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/sound/MidiSynth.h"
#include "platform/sound/SoundNotify.h"
#include "platform/sound/SoundSystem.h"

namespace {

// The play the mixer is working on, read by its thread when a piece ends:
// device id in the high half, play token in the low half.
std::atomic<uint64_t> g_current{0};
CMusicDevice* g_playing = nullptr;

// Only a standard MIDI file is a piece; anything else reads as empty.
std::vector<uint8_t> ReadStandardMidi(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 4 || std::memcmp(bytes.data(), "MThd", 4) != 0) bytes.clear();
    return bytes;
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
    if (!CSoundSystem::Open() || !CMidiSynth::Ensure()) return false;
    m_midi = ReadStandardMidi(path);
    if (m_midi.empty()) return false;
    Register();
    m_endPosition = 0;
    return true;
}

bool CMusicDevice::Play(CWnd* notify, uint32_t fromMs) {
    if (m_midi.empty()) return false;
    if (g_playing && g_playing != this) g_playing->Stop();
    const uint32_t token = BeginPlay(notify);
    g_current.store((static_cast<uint64_t>(GetDeviceId()) << 32) | token);
    if (!CMidiSynth::Play(m_midi, MusicFinished)) {
        AbandonPlay();
        return false;
    }
    g_playing = this;
    m_startTicks = SDL_GetTicks64();
    // The MIDI player seeks only in ticks, not in time: a piece asked to
    // resume at `fromMs` plays from its start.
    (void)fromMs;
    m_startPosition = 0;
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
    CMidiSynth::Stop();
    return true;
}

void CMusicDevice::Close() {
    Stop();
    m_midi.clear();
    Unregister();
}

void CMusicDevice::OnPlayEnded() {
    m_endPosition = m_startPosition + Elapsed();
    if (g_playing == this) g_playing = nullptr;
}
