#include "platform/sound/SoundSystem.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <cstdlib>

#include "platform/sound/MidiSynth.h"
#include "platform/sound/SoundDevice.h"
#include "platform/ui/detail/UiSystem.h"

namespace {

enum class State { Untried, Open, Failed };
State g_state = State::Untried;

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
    Mix_AllocateChannels(kEffectChannels);
    g_state = State::Open;
    return true;
}

void CSoundSystem::Shutdown() {
    CSoundDevice::CloseAll();
    if (g_state == State::Open) {
        CMidiSynth::Shutdown();
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
