#include "platform/sound/MidiSynth.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>

namespace {

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
// FluidSynth's own default of 0.2 is quiet beside the effects.
constexpr double kGain = 0.6;

struct SSynth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    CMidiSynth::EndCallback onEnd = nullptr;
    bool endReported = false;
};

// The mixer's thread renders while the user-interface thread starts and
// stops pieces: every touch of the synthesiser holds the lock.
std::mutex g_lock;
SSynth g_synth;
bool g_tried = false;

// The sound font the environment names, else Debian's General MIDI font.
std::string SoundFontPath() {
    if (const char* fonts = std::getenv("SDL_SOUNDFONTS")) {
        std::string first(fonts);
        const size_t colon = first.find(':');
        if (colon != std::string::npos) first.resize(colon);
        if (!first.empty()) return first;
    }
    return kSoundFont;
}

void DeletePlayer(SSynth& s) {
    if (!s.player) return;
    fluid_player_stop(s.player);
    delete_fluid_player(s.player);
    s.player = nullptr;
    s.onEnd = nullptr;
    // The next piece starts from a synthesiser without ringing notes and
    // with its programs and controllers reset.
    fluid_synth_all_sounds_off(s.synth, -1);
    fluid_synth_system_reset(s.synth);
}

// The mixer's music hook: the stream holds silence when it is called.
void Render(void*, Uint8* stream, int length) {
    std::lock_guard<std::mutex> hold(g_lock);
    SSynth& s = g_synth;
    if (!s.synth || !s.player) return;
    const int frames = length / static_cast<int>(2 * sizeof(int16_t));
    fluid_synth_write_s16(s.synth, frames, stream, 0, 2, stream, 1, 2);
    if (!s.endReported && fluid_player_get_status(s.player) == FLUID_PLAYER_DONE) {
        s.endReported = true;
        if (s.onEnd) s.onEnd();
    }
}

bool Load(SSynth& s) {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    // The hook writes interleaved 16-bit stereo, which the output was opened
    // with; any other format gets no music.
    if (!Mix_QuerySpec(&frequency, &format, &channels) || format != AUDIO_S16SYS ||
        channels != 2)
        return false;
    std::error_code error;
    const std::string font = SoundFontPath();
    if (!std::filesystem::exists(font, error)) return false;
    s.settings = new_fluid_settings();
    if (!s.settings) return false;
    fluid_settings_setnum(s.settings, "synth.sample-rate", frequency);
    fluid_settings_setnum(s.settings, "synth.gain", kGain);
    // The player advances with the samples rendered, not with a timer
    // thread of its own.
    fluid_settings_setstr(s.settings, "player.timing-source", "sample");
    fluid_settings_setint(s.settings, "synth.cpu-cores", 1);
    s.synth = new_fluid_synth(s.settings);
    if (!s.synth || fluid_synth_sfload(s.synth, font.c_str(), 1) == FLUID_FAILED) {
        if (s.synth) delete_fluid_synth(s.synth);
        delete_fluid_settings(s.settings);
        s = SSynth{};
        return false;
    }
    return true;
}

}  // namespace

bool CMidiSynth::Ensure() {
    if (g_tried) return g_synth.synth != nullptr;
    g_tried = true;
    // FluidSynth writes its complaints to standard error; the game has none
    // to show, a missing piece simply stays silent.
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    SSynth loaded;
    if (!Load(loaded)) return false;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        g_synth = loaded;
    }
    Mix_HookMusic(Render, nullptr);
    return true;
}

bool CMidiSynth::Play(const std::vector<uint8_t>& midi, EndCallback onEnd) {
    if (!Ensure() || midi.empty()) return false;
    std::lock_guard<std::mutex> hold(g_lock);
    SSynth& s = g_synth;
    DeletePlayer(s);
    s.player = new_fluid_player(s.synth);
    if (!s.player) return false;
    if (fluid_player_add_mem(s.player, midi.data(), midi.size()) == FLUID_FAILED ||
        fluid_player_play(s.player) == FLUID_FAILED) {
        DeletePlayer(s);
        return false;
    }
    s.onEnd = onEnd;
    s.endReported = false;
    return true;
}

void CMidiSynth::Stop() {
    std::lock_guard<std::mutex> hold(g_lock);
    DeletePlayer(g_synth);
}

void CMidiSynth::Shutdown() {
    if (g_synth.synth) Mix_HookMusic(nullptr, nullptr);
    std::lock_guard<std::mutex> hold(g_lock);
    SSynth& s = g_synth;
    DeletePlayer(s);
    if (s.synth) delete_fluid_synth(s.synth);
    if (s.settings) delete_fluid_settings(s.settings);
    s = SSynth{};
    g_tried = false;
}
