// mkdata: writes the game's data files into the program folder (or the
// folder given with --out) from the sources in data/ (or the folder given
// with --data): the palette, the picture files of the picture catalogue, the
// map data file, the character data file, the music, the sound effects and
// the help pages. With --sheet FILE it also
// writes a contact sheet of every picture for review. "mkdata --check
// FILE..." loads data files through the game's own readers and describes
// them; "mkdata --check FOLDER" (the program folder without FOLDER) checks
// every picture and every file of the data file table there.

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <strings.h>

#include "model/GamePaletteFile.h"
#include "model/MapDoc.h"
#include "platform/core/ProgramFolder.h"
#include "tools/mkdata/ArtReview.h"
#include "tools/mkdata/DataFileTable.h"
#include "tools/mkdata/GamePalette.h"
#include "tools/mkdata/MapBuilder.h"
#include "tools/mkdata/MapFileReport.h"
#include "tools/mkdata/PersonFileReport.h"
#include "tools/mkdata/PersonSource.h"
#include "tools/mkdata/ResourcePictures.h"
#include "tools/mkdata/SoundDeviceCheck.h"

namespace {

void Usage() {
    std::fprintf(stderr,
                 "usage: mkdata [--out FOLDER] [--data FOLDER] [--sheet FILE.png]\n"
                 "       mkdata --check [FOLDER | FILE...]\n");
}

bool HasExtension(const std::string& path, const char* extension) {
    size_t n = std::strlen(extension);
    return path.size() >= n && strcasecmp(path.c_str() + path.size() - n, extension) == 0;
}

// Reads a palette file with the game's reader and compares it with the game
// palette.
bool DescribePalette(const std::string& path, std::string& text) {
    CGamePaletteFile file;
    CGamePaletteFile::EResult result = file.ReadFile(path);
    if (result != CGamePaletteFile::EResult::Ok) {
        text = path + ": " + CGamePaletteFile::ErrorText(result, path) + "\n";
        return false;
    }
    CGamePalette palette;
    bool same = file.Entries().size() == CGamePalette::kSize;
    for (size_t i = 0; same && i < file.Entries().size(); ++i) {
        const PALETTEENTRY& e = file.Entries()[i];
        const SRgb& c = palette.Color(static_cast<int>(i));
        same = e.peRed == c.r && e.peGreen == c.g && e.peBlue == c.b;
    }
    text = path + ": " + std::to_string(file.Entries().size()) + " colours" +
           (same ? ", the game palette\n" : ", not the game palette\n");
    return true;
}

// The music and sounds of the table that are there, opened in the sound
// devices as the programs open them.
bool CheckSoundDevices(const std::string& folder, std::string& text) {
    std::vector<std::string> paths;
    for (const CDataFileTable::SFile& f : CDataFileTable::Files()) {
        const bool sound = f.kind == CDataFileTable::EKind::Music || f.kind == CDataFileTable::EKind::Sound;
        if (sound && std::filesystem::is_regular_file(folder + f.name)) paths.push_back(folder + f.name);
    }
    std::string problem;
    if (CSoundDeviceCheck::Run(paths, problem)) return true;
    text += "mkdata: " + problem + "\n";
    return false;
}

// Every picture and every file of the data file table in folder (with a
// trailing separator); 1 when any fails.
int CheckFolder(const std::string& folder) {
    std::string text;
    bool ok = CResourcePictures::CheckAll(folder, CGamePalette(), text);
    ok = CDataFileTable::CheckAll(folder, text) && ok;
    ok = CheckSoundDevices(folder, text) && ok;
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
        if (HasExtension(path, ".PAL")) loaded = DescribePalette(path, text);
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
    if (argc >= 2 && std::strcmp(argv[1], "--check") == 0) {
        if (argc == 2) return CheckFolder(CProgramFolder::Get());
        if (argc == 3 && std::filesystem::is_directory(argv[2])) {
            std::string folder = argv[2];
            if (folder.back() != '/') folder += '/';
            return CheckFolder(folder);
        }
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
    return 0;
}
