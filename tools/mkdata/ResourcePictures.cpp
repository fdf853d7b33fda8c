#include "tools/mkdata/ResourcePictures.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "model/BM.h"
#include "model/ColorMarkStrip.h"
#include "model/DibHeader.h"
#include "model/PictureStrips.h"
#include "tools/mkdata/CursorPainter.h"
#include "tools/mkdata/MarkPainter.h"
#include "tools/mkdata/PictureBlock.h"
#include "tools/mkdata/PlayModePainter.h"
#include "tools/mkdata/TitlePainter.h"
#include "tools/mkdata/ToolFacePainter.h"

namespace {

CCanvas DrawEntry(const SPictureEntry& entry, const CGamePalette& palette) {
    CCanvas canvas(entry.width, entry.height, palette);
    canvas.Fill(SRgb{0, 0, 0});
    if (entry.cursor) {
        CCursorPainter::Draw(canvas, entry);
        return canvas;
    }
    switch (entry.id) {
        case CPictureCatalog::kColorMarks:
            CMarkPainter::ColorMarks(canvas, entry);
            break;
        case CPictureCatalog::kSmallMarks:
            CMarkPainter::SmallMarks(canvas, entry);
            break;
        case CPictureCatalog::kPairPictures:
        case CPictureCatalog::kPairMasks:
            CMarkPainter::PairMarks(canvas, entry, entry.id == CPictureCatalog::kPairMasks);
            break;
        case CPictureCatalog::kRowMarks:
            CMarkPainter::RowMarks(canvas, entry);
            break;
        case CPictureCatalog::kLogo:
            CTitlePainter::Logo(canvas, entry);
            break;
        case CPictureCatalog::kLogoBack:
            CTitlePainter::LogoBack(canvas, entry);
            break;
        case CPictureCatalog::kMarkAnimation:
            CTitlePainter::MarkAnimation(canvas, entry);
            break;
        case CPictureCatalog::kStartNewGame:
        case CPictureCatalog::kStartLoad:
            CTitlePainter::StartChoice(canvas, entry, entry.id == CPictureCatalog::kStartNewGame);
            break;
        case CPictureCatalog::kPlayModes:
            CPlayModePainter::Draw(canvas, entry);
            break;
        case CPictureCatalog::kReportPicture:
            CTitlePainter::ReportPicture(canvas);
            break;
        case CPictureCatalog::kTitlePicture:
            CTitlePainter::TitlePicture(canvas);
            break;
        case CPictureCatalog::kToolFaces:
        case CPictureCatalog::kToolFacesGrey:
            CToolFacePainter::Draw(canvas, entry, entry.id == CPictureCatalog::kToolFacesGrey);
            break;
        default:
            break;
    }
    return canvas;
}

// Why the catalogue's own entry cannot be cut into its cells; empty when it
// can.
std::string CheckLayout(const SPictureEntry& entry) {
    if (entry.columns < 1 || entry.rows < 1 || entry.width % entry.columns != 0 ||
        entry.height % entry.rows != 0) {
        return "the catalogue's " + std::to_string(entry.width) + " x " +
               std::to_string(entry.height) + " does not divide into " +
               std::to_string(entry.columns) + " x " + std::to_string(entry.rows) + " cells";
    }
    if (entry.cursor && (entry.hotX < 0 || entry.hotY < 0 || entry.hotX >= entry.CellWidth() ||
                         entry.hotY >= entry.CellHeight())) {
        return "hot spot outside the cursor";
    }
    return "";
}

// Files in res/ that no catalogue entry names, as "res/<name>".
std::vector<std::string> StrayFiles(const std::string& folder) {
    std::vector<std::string> stray;
    std::error_code ec;
    for (const auto& item : std::filesystem::directory_iterator(folder + "res", ec)) {
        const std::string name = "res/" + item.path().filename().string();
        bool known = false;
        for (const SPictureEntry& entry : CPictureCatalog::Entries())
            known = known || entry.FileName() == name;
        if (!known) stray.push_back(name);
    }
    std::sort(stray.begin(), stray.end());
    return stray;
}

// Why the file does not match its entry; empty when it does.
std::string CheckFile(const std::string& path, const SPictureEntry& entry,
                      const CGamePalette& palette) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return "cannot be read";
    CMemBlock info = CBM::ReadFileHeader(file);
    std::optional<CDibHeader> header = CDibHeader::Read(info.Lock(), info.Size());
    if (!header) return "not a picture file";
    if (header->bitCount != 8) return "not 8 bits a pixel";
    if (header->width != entry.width || std::abs(header->height) != entry.height) {
        return "size " + std::to_string(header->width) + " x " +
               std::to_string(std::abs(header->height)) + ", not " + std::to_string(entry.width) +
               " x " + std::to_string(entry.height) + " (" + std::to_string(entry.columns) +
               " x " + std::to_string(entry.rows) + " cells of " +
               std::to_string(entry.CellWidth()) + " x " + std::to_string(entry.CellHeight()) +
               ")";
    }
    if (header->GetColorCount() != CGamePalette::kSize) return "not in the game palette";
    const uint8_t* table = info.Lock() + header->size;
    for (int i = 0; i < CGamePalette::kSize; ++i) {
        const SRgb& c = palette.Color(i);
        const uint8_t* e = table + i * 4;
        if (e[0] != c.b || e[1] != c.g || e[2] != c.r) return "not in the game palette";
    }
    // Last through the loader the programs use for their strips.
    CBitmap loaded;
    if (!CPictureStrips::LoadPicture(path, entry, nullptr, loaded)) return "damaged";
    return "";
}

}  // namespace

CCanvas CResourcePictures::Draw(const SPictureEntry& entry, const CGamePalette& palette) {
    return DrawEntry(entry, palette);
}

bool CResourcePictures::WriteAll(const std::string& folder, const CGamePalette& palette,
                                 std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(folder + "res", ec);
    for (const SPictureEntry& entry : CPictureCatalog::Entries()) {
        const std::string path = folder + entry.FileName();
        CBM picture(CPictureBlock::Image(Draw(entry, palette)));
        try {
            if (picture.SaveToFile(path)) continue;
        } catch (const std::exception&) {
        }
        error = "cannot write " + path;
        return false;
    }
    return true;
}

bool CResourcePictures::CheckAll(const std::string& folder, const CGamePalette& palette,
                                 std::string& report) {
    bool ok = true;
    for (const SPictureEntry& entry : CPictureCatalog::Entries()) {
        const std::string path = folder + entry.FileName();
        std::string fault = CheckLayout(entry);
        if (fault.empty()) fault = CheckFile(path, entry, palette);
        if (!fault.empty()) ok = false;
        report += path + ": " +
                  (fault.empty() ? std::to_string(entry.width) + " x " +
                                       std::to_string(entry.height) + ", " +
                                       std::to_string(entry.columns) + " x " +
                                       std::to_string(entry.rows) + " cells, " + entry.use
                                 : fault) +
                  "\n";
    }
    for (const std::string& name : StrayFiles(folder)) {
        report += folder + name + ": not a picture of the catalogue (a wrong name?)\n";
        ok = false;
    }
    return ok;
}
