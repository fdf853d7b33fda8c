#include "platform/sound/EffectDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <array>
#include <atomic>

#include "platform/sound/SoundNotify.h"
#include "platform/sound/SoundSystem.h"

namespace {

// Per channel, the play it sounds, read by the mixer's thread when the
// channel ends: device id in the high half, play token in the low half.
std::array<std::atomic<uint64_t>, CSoundSystem::kEffectChannels> g_channels{};

void ChannelFinished(int channel) {
    if (channel < 0 || channel >= CSoundSystem::kEffectChannels) return;
    const uint64_t play = g_channels[channel].load();
    CSoundSystem::PostFinished(static_cast<UINT>(play >> 32), static_cast<uint32_t>(play));
}

// A channel that is not sounding has already reported its end: the mixer
// reports it in the same locked step in which it frees the channel.
int FreeChannel() {
    for (int channel = 0; channel < CSoundSystem::kEffectChannels; ++channel) {
        if (!Mix_Playing(channel)) return channel;
    }
    return -1;
}

}  // namespace

CEffectDevice::~CEffectDevice() {
    CEffectDevice::Close();
}

bool CEffectDevice::Open(const std::string& path) {
    Close();
    if (!CSoundSystem::Open()) return false;
    m_chunk = Mix_LoadWAV(path.c_str());
    if (!m_chunk) return false;
    Register();
    return true;
}

bool CEffectDevice::Play(CWnd* notify) {
    if (!m_chunk) return false;
    if (IsPlaying()) Mix_HaltChannel(m_channel);
    const int channel = FreeChannel();
    if (channel < 0) return false;
    const uint32_t token = BeginPlay(notify);
    g_channels[channel].store((static_cast<uint64_t>(GetDeviceId()) << 32) | token);
    Mix_ChannelFinished(ChannelFinished);
    if (Mix_PlayChannel(channel, m_chunk, 0) < 0) {
        AbandonPlay();
        return false;
    }
    m_channel = channel;
    return true;
}

bool CEffectDevice::Stop() {
    if (!IsPlaying()) return true;
    EndPlay(MCI_NOTIFY_ABORTED);
    Mix_HaltChannel(m_channel);
    m_channel = -1;
    return true;
}

void CEffectDevice::Close() {
    Stop();
    if (m_chunk) {
        Mix_FreeChunk(m_chunk);
        m_chunk = nullptr;
    }
    Unregister();
}
