#pragma once
// The audio output shared by every music and effect device. It is opened on
// first use; when no audio device exists, output goes to SDL's silent dummy
// driver, so pieces still take their time and end with their notification.
// Nothing here ever reports an error to the user: without audio the game
// simply has no sound.

#include <cstdint>

#include "platform/ui/WinDefs.h"

class CSoundSystem {
public:
    // True when output is available (opens it on the first call).
    static bool Open();
    // Closes every device and the output (the next Open starts again).
    static void Shutdown();

    // The number of mixing channels available to effects.
    static constexpr int kEffectChannels = 8;

    // Callable from the mixer's own thread: hands "play `token` of device
    // `deviceId` has ended" to the user-interface thread, where it is handled
    // inside the message loop's wait.
    static void PostFinished(UINT deviceId, uint32_t token);
};
