#pragma once
// The game's two short how-to-play texts, shown line by line before the
// founding phase of a new game (part 0) and when play begins after it
// (part 1). The explanation window, the turn driver and the how-to-play
// help page all take them from here.

#include <vector>

namespace mercavo_resources {

// The font of a line: the application's third message font, its first or
// its second.
enum class EIntroFont { Font3 = 0, Message = 1, Message2 = 2 };

struct SIntroLine {
    EIntroFont font;
    const char* text;  // "" for an empty line
};

// Every line, part 0 first.
const std::vector<SIntroLine>& IntroductionLines();
// The first line of part 1.
constexpr int kIntroPartOneStart = 17;

}  // namespace mercavo_resources
