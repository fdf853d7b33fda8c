#pragma once
// The program's one MIDI synthesiser: FluidSynth with the General MIDI sound
// font loaded once, rendering into the mixer's music stream. Loading the
// sound font takes far longer than a piece needs to start, so the synthesiser
// stays loaded from the first piece until the sound system shuts down and a
// new piece only gets a new player.
//
// Every call is made on the user-interface thread; the mixer's thread only
// renders and reports a piece's end through the callback given to Play.

#include <cstdint>
#include <vector>

class CMidiSynth {
public:
    // Called on the mixer's thread once a piece has played to its end.
    using EndCallback = void (*)();

    // Loads the synthesiser on first use; false without a sound font or an
    // output format it can render.
    static bool Ensure();
    // Starts a standard MIDI file held in memory from its beginning, ending
    // any piece that was playing without calling its callback.
    static bool Play(const std::vector<uint8_t>& midi, EndCallback onEnd);
    // Silences the piece playing, if any, without calling its callback.
    static void Stop();
    // Frees the synthesiser; the output must still be open.
    static void Shutdown();
};
