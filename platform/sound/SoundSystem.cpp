#include "platform/sound/SoundSystem.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <cstdlib>
#include <filesystem>

#include "platform/sound/SoundDevice.h"
#include "platform/ui/detail/UiSystem.h"

namespace {

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

enum class State { Untried, Open, Failed };
State g_state = State::Untried;

// MIDI goes through FluidSynth, which needs a General MIDI sound font.
void ChooseSoundFont() {
    if (std::getenv("SDL_SOUNDFONTS")) return;
    std::error_code error;
    if (std::filesystem::exists(kSoundFont, error)) setenv("SDL_SOUNDFONTS", kSoundFont, 1);
}

bool OpenOutput() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

}  // namespace

bool CSoundSystem::Open() {
    if (g_state != State::Untried) return g_state == State::Open;
    // Notifications travel through the application's event queue.
    CUiSystem::Ensure();
    ChooseSoundFont();
    bool open = OpenOutput();
    if (!open && !std::getenv("SDL_AUDIODRIVER")) {
        // No sound card: the dummy driver keeps the timing of every piece.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        open = OpenOutput();
    }
    if (!open) {
        g_state = State::Failed;
        return false;
    }
    Mix_Init(MIX_INIT_MID);
    Mix_AllocateChannels(kEffectChannels);
    g_state = State::Open;
    return true;
}

void CSoundSystem::Shutdown() {
    CSoundDevice::CloseAll();
    if (g_state == State::Open) {
        Mix_HookMusicFinished(nullptr);
        Mix_ChannelFinished(nullptr);
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    g_state = State::Untried;
}

void CSoundSystem::PostFinished(UINT deviceId, uint32_t token) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    // A queued call is the thread-safe way onto the user-interface thread; it
    // also wakes the message loop when it sleeps in the event dispatcher.
    QMetaObject::invokeMethod(
        app, [deviceId, token] { CSoundDevice::OnFinished(deviceId, token); },
        Qt::QueuedConnection);
}
