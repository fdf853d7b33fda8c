#pragma once
// A whole file read into memory, with a limit on its size, for the readers
// of files that the options may name (any file may stand there).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CFileBytes {
public:
    enum class EResult { Ok, Unreadable, TooLarge };

    // The file's bytes in bytes; TooLarge as soon as more than limit bytes
    // have been read.
    static EResult Read(const std::string& path, size_t limit, std::vector<uint8_t>& bytes);
};
