#pragma once
// Compares two saved games as games: both are loaded, the fields that
// belong to the seat rather than the game (the frame's block, the map view
// direction, the wait time, the activity-report byte and the current area)
// are set to fixed values, and both are saved again. Every network test that
// compares a client's copy with the host's uses it.

#include <cstdint>
#include <string>
#include <vector>

class CSeatNeutralSave {
public:
    // The saved bytes with the seat's fields fixed; empty when they do not
    // load.
    static std::vector<uint8_t> Bytes(const std::vector<uint8_t>& saved);
    // "" when both are the same game, else where they first differ.
    static std::string Difference(const std::vector<uint8_t>& host,
                                  const std::vector<uint8_t>& client);
};
