#include "model/GamePaletteFile.h"

#include <fstream>
#include <sstream>

namespace {

// The next line without its end (LF or CRLF); false at the end of the text.
bool NextLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// A decimal integer with optional leading blanks and sign, as the runtime's
// scanf reads "%d"; false when none starts the text at `at`.
bool ReadInt(const std::string& text, size_t& at, long long& value) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    size_t start = at;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    size_t digits = at;
    value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        // Values this large are meaningless anyway; keep them from
        // overflowing.
        if (value < 1'000'000'000'000LL) value = value * 10 + (text[at] - '0');
        ++at;
    }
    if (at == digits) {
        at = start;
        return false;
    }
    if (text[start] == '-') value = -value;
    return true;
}

}  // namespace

CGamePaletteFile::EResult CGamePaletteFile::ReadFile(const std::string& path) {
    m_entries.clear();
    std::ifstream file(path, std::ios::binary);
    if (!file) return EResult::Missing;
    return Read(file);
}

CGamePaletteFile::EResult CGamePaletteFile::ReadText(const std::string& text) {
    std::istringstream in(text);
    return Read(in);
}

CGamePaletteFile::EResult CGamePaletteFile::Read(std::istream& in) {
    m_entries.clear();
    std::string line;
    size_t at = 0;
    long long count = 0;
    // A count below 1 would make a palette without entries (or with a
    // negative number of them): not a palette file.
    if (!NextLine(in, line) || !ReadInt(line, at, count) || count < 1) return EResult::BadFormat;
    if (count > kMaxEntries) count = kMaxEntries;

    std::vector<PALETTEENTRY> entries;
    entries.reserve(static_cast<size_t>(count));
    for (long long i = 0; i < count; ++i) {
        long long rgb[3];
        at = 0;
        if (!NextLine(in, line)) return EResult::BadFormat;
        for (long long& value : rgb) {
            if (!ReadInt(line, at, value)) return EResult::BadFormat;
        }
        // Each value is kept in one byte of the entry.
        PALETTEENTRY entry;
        entry.peRed = static_cast<BYTE>(rgb[0]);
        entry.peGreen = static_cast<BYTE>(rgb[1]);
        entry.peBlue = static_cast<BYTE>(rgb[2]);
        entries.push_back(entry);
    }
    // A file that fails while it is read is no palette file either.
    if (in.bad()) return EResult::BadFormat;
    m_entries = std::move(entries);
    return EResult::Ok;
}

std::string CGamePaletteFile::ErrorText(EResult result, const std::string& fileName) {
    switch (result) {
        case EResult::Ok:
            return "";
        case EResult::Missing:
            return "The files shown below could not be readed.\n" + fileName;
        case EResult::BadFormat:
            break;
    }
    return fileName + " is not a MERCAVO paleete data file.";
}
