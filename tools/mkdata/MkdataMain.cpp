// mkdata: writes the game's data files into the program folder (or the
// folder given with --out): the palette now; the map data file and the
// character data file join once their writers exist. With --sheet FILE it
// also writes a contact sheet of every picture for review.

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/core/ProgramFolder.h"
#include "tools/mkdata/ArtReview.h"
#include "tools/mkdata/GamePalette.h"

namespace {

void Usage() {
    std::fprintf(stderr, "usage: mkdata [--out FOLDER] [--sheet FILE.png]\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::string out = CProgramFolder::Get();
    std::string sheet;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            out = argv[++i];
            if (!out.empty() && out.back() != '/') out += '/';
        } else if (std::strcmp(argv[i], "--sheet") == 0 && i + 1 < argc) {
            sheet = argv[++i];
        } else {
            Usage();
            return 2;
        }
    }

    CGamePalette palette;
    std::string palettePath = out + CGamePalette::kFileName;
    if (!palette.WriteFile(palettePath)) {
        std::fprintf(stderr, "mkdata: cannot write %s\n", palettePath.c_str());
        return 1;
    }

    // The map data file (ORIGINAL.MQM) and the character data file
    // (ORIGINAL.MQP) are written here once their record writers are in:
    // their land and structure types take their pictures from
    // CArtCatalog::Draw and CArtCatalog::ApplyToType, and each person's three
    // faces from CFacePainter.

    if (!sheet.empty() && !CArtReview::WriteContactSheet(palette, sheet)) {
        std::fprintf(stderr, "mkdata: cannot write %s\n", sheet.c_str());
        return 1;
    }
    return 0;
}
