#pragma once
// What "mkdata --check" says about a character data file: the file is
// loaded through the game's own reader, with a checksum of its own, and
// described, or the reader's error is given as it is.

#include <string>

class CPersonFileReport {
public:
    // true when the file loaded; text is then the summary (persons per
    // table, the author, the checksum, the new game's test with the needs of
    // a map that no file has filled), else "PATH: " and the reader's error.
    static bool Describe(const std::string& path, std::string& text);
};
