// mkdata: writes the game's data files into the program folder (or the
// folder given with --out) from the sources in data/ (or the folder given
// with --data): the palette, the picture files of the picture catalogue, the
// map data file, the character data file, the music, the sound effects and
// the help pages. With --sheet FILE it also writes a contact sheet of the
// land, structure and face pictures for review, with --resource-sheet FILE
// one of the resource pictures. "mkdata --check FILE..." loads data files
// through the game's own readers and describes them; "mkdata --check FOLDER"
// checks every file the programs load from that folder ("mkdata --check"
// alone: the program folder).

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <strings.h>

#include "model/MapDoc.h"
#include "platform/core/ProgramFolder.h"
#include "tools/mkdata/ArtReview.h"
#include "tools/mkdata/DataFileTable.h"
#include "tools/mkdata/FolderCheck.h"
#include "tools/mkdata/GamePalette.h"
#include "tools/mkdata/MapBuilder.h"
#include "tools/mkdata/MapFileReport.h"
#include "tools/mkdata/PersonFileReport.h"
#include "tools/mkdata/PersonSource.h"
#include "tools/mkdata/ResourcePictures.h"
#include "tools/mkdata/ResourceSheet.h"

namespace {

void Usage() {
    std::fprintf(stderr,
                 "usage: mkdata [--out FOLDER] [--data FOLDER] [--sheet FILE.png]\n"
                 "              [--resource-sheet FILE.png]\n"
                 "       mkdata --check [FOLDER | FILE...]\n");
}

bool HasExtension(const std::string& path, const char* extension) {
    size_t n = std::strlen(extension);
    return path.size() >= n && strcasecmp(path.c_str() + path.size() - n, extension) == 0;
}

// Every file of a program folder; 1 when any fails.
int CheckFolder(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    std::string text;
    const bool ok = CFolderCheck::Run(folder, text);
    std::fputs(text.c_str(), ok ? stdout : stderr);
    return ok ? 0 : 1;
}

// Describes each file on standard output, or its error on standard error;
// 1 when any file failed.
int CheckFiles(int count, char** paths) {
    int result = 0;
    for (int i = 0; i < count; ++i) {
        std::string path = paths[i];
        std::string text = path + ": not a data file that mkdata knows\n";
        bool loaded = false;
        if (HasExtension(path, ".MQP")) loaded = CPersonFileReport::Describe(path, text);
        if (HasExtension(path, ".MQM")) loaded = CMapFileReport::Describe(path, text);
        if (HasExtension(path, ".PAL")) {
            bool same = false;
            text.clear();
            loaded = CFolderCheck::DescribePalette(path, text, same);
        }
        std::fputs(text.c_str(), loaded ? stdout : stderr);
        if (!loaded) result = 1;
    }
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out = CProgramFolder::Get();
    std::string data = "data/";
    std::string sheet;
    std::string resourceSheet;
    if (argc >= 2 && std::strcmp(argv[1], "--check") == 0) {
        if (argc == 2) return CheckFolder(CProgramFolder::Get());
        std::error_code ec;
        if (argc == 3 && std::filesystem::is_directory(argv[2], ec)) return CheckFolder(argv[2]);
        return CheckFiles(argc - 2, argv + 2);
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            out = argv[++i];
            if (!out.empty() && out.back() != '/') out += '/';
        } else if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc) {
            data = argv[++i];
            if (!data.empty() && data.back() != '/') data += '/';
        } else if (std::strcmp(argv[i], "--sheet") == 0 && i + 1 < argc) {
            sheet = argv[++i];
        } else if (std::strcmp(argv[i], "--resource-sheet") == 0 && i + 1 < argc) {
            resourceSheet = argv[++i];
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

    std::string error;
    if (!CResourcePictures::WriteAll(out, palette, error)) {
        std::fprintf(stderr, "mkdata: %s\n", error.c_str());
        return 1;
    }

    // The persons are checked against what the map asks of them.
    try {
        std::unique_ptr<CMapDoc> map =
            CMapBuilder::WriteDataFile(data, out + CMapBuilder::kFileName, palette);
        CPersonSource::SNeeds needs{map->GetDirectorsNeeded(), map->GetGovernorsNeeded(),
                                    map->GetAreaCount()};
        CPersonSource::WriteDataFile(data + CPersonSource::kSourceName,
                                     out + CPersonDataFile::kFileName, needs, palette);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mkdata: %s\n", e.what());
        return 1;
    }

    if (!CDataFileTable::WriteMusicSoundsAndHelp(out, data, palette, error)) {
        std::fprintf(stderr, "mkdata: %s\n", error.c_str());
        return 1;
    }

    if (!sheet.empty() && !CArtReview::WriteContactSheet(palette, sheet)) {
        std::fprintf(stderr, "mkdata: cannot write %s\n", sheet.c_str());
        return 1;
    }
    if (!resourceSheet.empty() && !CResourceSheet::WriteFile(palette, resourceSheet)) {
        std::fprintf(stderr, "mkdata: cannot write %s\n", resourceSheet.c_str());
        return 1;
    }
    return 0;
}
