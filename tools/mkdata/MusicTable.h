#pragma once
// The table of the game's music (data/music.txt): one line per piece with
// its file name, tempo, metre, key, instruments, style and random seed.
// mkdata composes each piece from its line, so a piece is changed by
// editing that line.

#include <string>
#include <vector>

class CSourceText;

class CMusicTable {
public:
    static constexpr const char* kSourceName = "music.txt";

    // How the accompaniment, the bass and the drums move.
    enum class EStyle { Ballad, Waltz, March, Drive, Chorale, Fanfare, Pop };

    struct SPiece {
        std::string file;
        int tempo = 100;  // quarter notes a minute
        int metre = 4;    // beats a bar: 3 or 4
        int tonic = 0;    // pitch class, 0 = C
        bool minor = false;
        // General MIDI programs, 0-based (the table gives them 1..128).
        int melody = 0;
        int accompaniment = 0;
        int bass = 32;
        bool drums = false;
        EStyle style = EStyle::Ballad;
        unsigned seed = 1;
    };

    // Reads the table; throws std::runtime_error naming the source line.
    static std::vector<SPiece> ReadFile(const std::string& path);
    static std::vector<SPiece> ReadText(const std::string& text, const std::string& name);

private:
    static std::vector<SPiece> Parse(const CSourceText& source);
};
