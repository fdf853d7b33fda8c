// The palette file read from arbitrary bytes. A file that reads has between
// 1 and 256 colours, and those colours written out as a palette file read
// back the same; a file that does not read leaves no colours.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/GamePaletteFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CGamePaletteFile file;
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (file.ReadText(text) != CGamePaletteFile::EResult::Ok) {
        if (!file.Entries().empty()) std::abort();
        return 0;
    }
    const size_t count = file.Entries().size();
    if (count < 1 || count > CGamePaletteFile::kMaxEntries) std::abort();

    std::string again = std::to_string(count) + "\r\n";
    for (const PALETTEENTRY& e : file.Entries()) {
        again += std::to_string(e.peRed) + " " + std::to_string(e.peGreen) + " " +
                 std::to_string(e.peBlue) + "\n";
    }
    CGamePaletteFile reread;
    if (reread.ReadText(again) != CGamePaletteFile::EResult::Ok) std::abort();
    if (reread.Entries().size() != count) std::abort();
    for (size_t i = 0; i < count; ++i) {
        const PALETTEENTRY& a = file.Entries()[i];
        const PALETTEENTRY& b = reread.Entries()[i];
        if (a.peRed != b.peRed || a.peGreen != b.peGreen || a.peBlue != b.peBlue) std::abort();
    }
    return 0;
}
