#pragma once
// Opens the music and sound files of a folder in the platform's sound
// devices, through the soundcheck program beside mkdata (the devices live
// in the window layer, which mkdata does not link).

#include <string>
#include <vector>

class CSoundDeviceCheck {
public:
    static constexpr const char* kProgram = "soundcheck";

    // Runs soundcheck on the paths; its lines go to standard output and
    // error. False when a file failed or the program could not run (the
    // reason in problem then).
    static bool Run(const std::vector<std::string>& paths, std::string& problem);
};
