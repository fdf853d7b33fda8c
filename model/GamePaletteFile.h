#pragma once
// The palette file "MERCAVO.PAL": a text file with the colour count on its
// first line and then one line "red green blue" per colour. Lines end in LF
// or CRLF. Both programs read it at start-up and mkdata checks what it
// wrote with the same reader.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/gfx/GdiDefs.h"

class CGamePaletteFile {
public:
    static constexpr const char* kFileName = "MERCAVO.PAL";
    // A palette holds at most this many entries; a larger count is cut.
    static constexpr int kMaxEntries = 256;

    enum class EResult {
        Ok,
        // The file cannot be opened or read.
        Missing,
        // Not a palette file: no count, a count below 1, or a colour line
        // missing or without three numbers.
        BadFormat,
    };

    // Reads the file at path.
    EResult ReadFile(const std::string& path);
    // Reads the file's text.
    EResult ReadText(const std::string& text);

    // The colours read (flags 0), empty until a read succeeds.
    const std::vector<PALETTEENTRY>& Entries() const { return m_entries; }

    // The message a frame shows for a failed read of the file named
    // fileName: "The files shown below could not be readed.\n<name>" or
    // "<name> is not a MERCAVO paleete data file."; empty for Ok.
    static std::string ErrorText(EResult result, const std::string& fileName = kFileName);

private:
    EResult Read(std::istream& in);

    std::vector<PALETTEENTRY> m_entries;
};
