#include "tools/mkdata/FolderCheck.h"

#include <filesystem>

#include "model/GamePaletteFile.h"
#include "tools/mkdata/DataFileTable.h"
#include "tools/mkdata/GamePalette.h"
#include "tools/mkdata/ResourcePictures.h"
#include "tools/mkdata/SoundDeviceCheck.h"

namespace {

bool CheckPictures(const std::string& folder, std::string& report) {
    return CResourcePictures::CheckAll(folder, CGamePalette(), report);
}

// The music and sounds of the table that are there, opened in the sound
// devices as the programs open them (a missing file is the table's report).
bool CheckSoundDevices(const std::string& folder, std::string& report) {
    std::vector<std::string> paths;
    for (const CDataFileTable::SFile& f : CDataFileTable::Files()) {
        const bool sound =
            f.kind == CDataFileTable::EKind::Music || f.kind == CDataFileTable::EKind::Sound;
        std::error_code ec;
        if (sound && std::filesystem::is_regular_file(folder + f.name, ec))
            paths.push_back(folder + f.name);
    }
    std::string problem;
    if (CSoundDeviceCheck::Run(paths, problem)) return true;
    report += "mkdata: " + problem + "\n";
    return false;
}

}  // namespace

const std::vector<CFolderCheck::SGroup>& CFolderCheck::Groups() {
    static const std::vector<SGroup> groups = {
        {"palette", &CFolderCheck::CheckPalette},
        {"pictures and cursors", &CheckPictures},
        {"data files, music, sounds and help pages", &CDataFileTable::CheckAll},
        {"music and sounds in the sound devices", &CheckSoundDevices},
    };
    return groups;
}

bool CFolderCheck::Run(const std::string& folder, std::string& report) {
    bool ok = true;
    for (const SGroup& group : Groups()) ok = group.check(folder, report) && ok;
    return ok;
}

bool CFolderCheck::CheckPalette(const std::string& folder, std::string& report) {
    bool same = false;
    return DescribePalette(folder + CGamePaletteFile::kFileName, report, same) && same;
}

bool CFolderCheck::DescribePalette(const std::string& path, std::string& report, bool& same) {
    CGamePaletteFile file;
    CGamePaletteFile::EResult result = file.ReadFile(path);
    if (result != CGamePaletteFile::EResult::Ok) {
        report += path + ": " + CGamePaletteFile::ErrorText(result, path) + "\n";
        return false;
    }
    CGamePalette palette;
    same = file.Entries().size() == CGamePalette::kSize;
    for (size_t i = 0; same && i < file.Entries().size(); ++i) {
        const PALETTEENTRY& e = file.Entries()[i];
        const SRgb& c = palette.Color(static_cast<int>(i));
        same = e.peRed == c.r && e.peGreen == c.g && e.peBlue == c.b;
    }
    report += path + ": " + std::to_string(file.Entries().size()) + " colours" +
              (same ? ", the game palette\n" : ", not the game palette\n");
    return true;
}
