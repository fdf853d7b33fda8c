// soundcheck: opens each music file (.MID) in the platform's music device
// and each sound file (.WAV) in its effect device, as the game and the
// judgment program do, and says which cannot be opened. mkdata's check of
// a program folder runs it, so that mkdata itself needs no window system.
// Exit status 1 when any file failed.

#include <cstdio>
#include <string>

#include <strings.h>

#include "platform/sound/EffectDevice.h"
#include "platform/sound/MusicDevice.h"
#include "platform/sound/SoundSystem.h"

namespace {

bool EndsWith(const std::string& text, const char* end) {
    const std::string tail(end);
    return text.size() >= tail.size() &&
           strcasecmp(text.c_str() + text.size() - tail.size(), tail.c_str()) == 0;
}

// An empty answer: the file opened.
std::string Open(const std::string& path) {
    if (EndsWith(path, ".MID")) {
        CMusicDevice music;
        return music.Open(path) ? "" : "the music device cannot open it";
    }
    if (EndsWith(path, ".WAV")) {
        CEffectDevice effect;
        return effect.Open(path) ? "" : "the effect device cannot open it";
    }
    return "neither music (.MID) nor a sound (.WAV)";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && !CSoundSystem::Open()) {
        std::fprintf(stderr, "soundcheck: no sound output, not even SDL's dummy driver\n");
        return 1;
    }
    int result = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string problem = Open(argv[i]);
        if (problem.empty()) {
            std::printf("%s: opens in the %s device\n", argv[i],
                        EndsWith(argv[i], ".MID") ? "music" : "effect");
        } else {
            std::fprintf(stderr, "%s: %s\n", argv[i], problem.c_str());
            result = 1;
        }
    }
    CSoundSystem::Shutdown();
    return result;
}
