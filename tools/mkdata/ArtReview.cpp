#include "tools/mkdata/ArtReview.h"

#include "tools/mkdata/ArtCatalog.h"
#include "tools/mkdata/FacePainter.h"
#include "tools/mkdata/PngWriter.h"

namespace {

std::vector<CCanvas> Images(const std::vector<SPicture>& pictures) {
    std::vector<CCanvas> images;
    for (const SPicture& p : pictures) images.push_back(p.image);
    return images;
}

CCanvas MaskOf(const CCanvas& image) {
    CCanvas mask(image.Width(), image.Height(), image.Palette());
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            mask.SetIndex(x, y,
                          image.IsCovered(x, y) ? CGamePalette::kWhite : CGamePalette::kBlack);
    return mask;
}

}  // namespace

void CArtReview::Fill(CContactSheet& sheet, const CGamePalette& palette) {
    sheet.AddHeading("Land (pictures 0 1 2 3)");
    for (int k = 0; k < CArtCatalog::kKindCount; ++k) {
        const CArtCatalog::SInfo& info = CArtCatalog::Info(static_cast<EArtKind>(k));
        if (!info.land) continue;
        sheet.AddGroup(info.name, Images(CArtCatalog::Draw(info.kind, 1, 1, 0, palette)));
    }
    sheet.AddHeading("Structures (pictures 0 1 2 3)");
    for (int k = 0; k < CArtCatalog::kKindCount; ++k) {
        const CArtCatalog::SInfo& info = CArtCatalog::Info(static_cast<EArtKind>(k));
        if (info.land) continue;
        std::string label = std::string(info.name) + " " + std::to_string(info.width) + "x" +
                            std::to_string(info.height);
        sheet.AddGroup(label,
                       Images(CArtCatalog::Draw(info.kind, info.width, info.height, 0, palette)));
    }
    sheet.AddHeading("Masks");
    std::vector<SPicture> office = CArtCatalog::Draw(EArtKind::OfficeTower, 2, 2, 0, palette);
    sheet.AddGroup("office_tower image and mask", {office[2].image, MaskOf(office[2].image)});
    sheet.AddHeading("Faces (young middle-aged old)");
    for (uint64_t person = 0; person < 24; ++person) {
        CFacePainter::ESex sex = person % 2 ? CFacePainter::ESex::Female : CFacePainter::ESex::Male;
        std::vector<CCanvas> ages;
        for (int age = 0; age < CFacePainter::kAges; ++age)
            ages.push_back(CFacePainter::Draw(person, sex, age, palette));
        sheet.AddGroup("person " + std::to_string(person), ages);
    }
}

bool CArtReview::WriteContactSheet(const CGamePalette& palette, const std::string& path) {
    CContactSheet sheet(palette);
    Fill(sheet, palette);
    return CPngWriter::WriteFile(path, sheet.EncodePng());
}
