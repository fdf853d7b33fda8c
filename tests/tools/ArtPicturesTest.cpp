#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "model/BD.h"
#include "model/DibHeader.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveStream.h"
#include "tools/mkdata/ArtCatalog.h"
#include "tools/mkdata/IsoView.h"

namespace {

const CGamePalette& Palette() {
    static const CGamePalette palette;
    return palette;
}

bool SamePixels(const SPicture& a, const SPicture& b) {
    return a.hotspotX == b.hotspotX && a.hotspotY == b.hotspotY &&
           a.image.Width() == b.image.Width() && a.image.Height() == b.image.Height() &&
           a.image.Pixels() == b.image.Pixels();
}

int CoveredCount(const CCanvas& c) {
    int n = 0;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) n += c.IsCovered(x, y);
    return n;
}

// Every picture lines up with its footprint the way the view places it: the
// hotspot is the far corner cell's reference point (the lowest corner of the
// footprint), the picture is exactly as wide as the footprint's diamond and
// nothing hangs below the reference point.
void ExpectFitsFootprint(const std::vector<SPicture>& pictures, int w, int h, const char* name) {
    ASSERT_EQ(pictures.size(), 4u) << name;
    for (int i = 0; i < 4; ++i) {
        CIsoView view(i, w, h);
        const SPicture& p = pictures[i];
        SCOPED_TRACE(testing::Message() << name << " " << w << "x" << h << " picture " << i);
        EXPECT_EQ(p.hotspotX, CIsoView::kColumnDx * view.ViewWidth());
        EXPECT_EQ(p.image.Width(),
                  CIsoView::kColumnDx * view.ViewWidth() + CIsoView::kRowDx * view.ViewHeight());
        EXPECT_EQ(p.image.Height(), p.hotspotY);
        EXPECT_GE(p.hotspotY,
                  CIsoView::kColumnDy * view.ViewWidth() + CIsoView::kRowDy * view.ViewHeight());
        EXPECT_LE(p.image.Height(), CDibHeader::kMaxSide);
        EXPECT_GT(CoveredCount(p.image), 0);
    }
}

TEST(ArtPictures, EveryKindFitsItsFootprintInAllFourPictures) {
    for (int k = 0; k < CArtCatalog::kKindCount; ++k) {
        const CArtCatalog::SInfo& info = CArtCatalog::Info(static_cast<EArtKind>(k));
        ExpectFitsFootprint(CArtCatalog::Draw(info.kind, info.width, info.height, 0, Palette()),
                            info.width, info.height, info.name);
    }
}

TEST(ArtPictures, BuildingsAdaptToEveryFootprint) {
    const EArtKind kinds[] = {EArtKind::Office,          EArtKind::House,  EArtKind::Mall,
                              EArtKind::FootballStadium, EArtKind::Bridge, EArtKind::TwinTowers};
    const int sizes[][2] = {{1, 1}, {2, 2}, {3, 3}, {3, 2}, {1, 3}};
    for (EArtKind kind : kinds)
        for (const auto& size : sizes)
            ExpectFitsFootprint(CArtCatalog::Draw(kind, size[0], size[1], 3, Palette()), size[0],
                                size[1], CArtCatalog::Info(kind).name);
    EXPECT_THROW(CArtCatalog::Draw(EArtKind::Office, 4, 1, 0, Palette()), std::invalid_argument);
    EXPECT_THROW(CArtCatalog::Draw(EArtKind::Office, 1, 0, 0, Palette()), std::invalid_argument);
}

// Land tiles cover exactly their cell's top face: sampled at pixel centres,
// neighbouring tiles then neither overlap nor leave gaps.
TEST(ArtPictures, LandTilesCoverExactlyTheirCell) {
    for (int k = 0; k < CArtCatalog::kKindCount; ++k) {
        EArtKind kind = static_cast<EArtKind>(k);
        const CArtCatalog::SInfo& info = CArtCatalog::Info(kind);
        if (!info.land || kind == EArtKind::Forest || kind == EArtKind::Rock ||
            kind == EArtKind::Side)
            continue;
        for (const SPicture& p : CArtCatalog::Draw(kind, 1, 1, 0, Palette())) {
            ASSERT_EQ(p.image.Width(), CIsoView::kTileWidth) << info.name;
            ASSERT_EQ(p.image.Height(), CIsoView::kTileHeight) << info.name;
            for (int y = 0; y < p.image.Height(); ++y) {
                for (int x = 0; x < p.image.Width(); ++x) {
                    double u = std::fabs(x + 0.5 - 32.0) / 32.0 + std::fabs(y + 0.5 - 16.0) / 16.0;
                    EXPECT_EQ(p.image.IsCovered(x, y), u < 1.0)
                        << info.name << " " << x << "," << y;
                }
            }
            EXPECT_EQ(CoveredCount(p.image), CIsoView::kTileWidth * CIsoView::kTileHeight / 2);
        }
    }
}

TEST(ArtPictures, SameSeedSameBytesOtherVariantOtherPicture) {
    for (EArtKind kind : {EArtKind::Meadow, EArtKind::House, EArtKind::Fire, EArtKind::Rubble}) {
        std::vector<SPicture> a = CArtCatalog::Draw(kind, 1, 1, 5, Palette());
        std::vector<SPicture> b = CArtCatalog::Draw(kind, 1, 1, 5, Palette());
        std::vector<SPicture> c = CArtCatalog::Draw(kind, 1, 1, 6, Palette());
        bool anyDifferent = false;
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(SamePixels(a[i], b[i])) << CArtCatalog::Info(kind).name;
            anyDifferent = anyDifferent || !SamePixels(a[i], c[i]);
        }
        EXPECT_TRUE(anyDifferent) << CArtCatalog::Info(kind).name;
    }
}

TEST(ArtPictures, TypeGetsImageMaskAndViewRecordPerPicture) {
    CBD type;
    type.SetSize(2, 1);
    std::vector<SPicture> pictures = CArtCatalog::Draw(EArtKind::Shop, 2, 1, 0, Palette());
    CArtCatalog::ApplyToType(type, pictures);
    for (int i = 0; i < 4; ++i) {
        const SPicture& p = pictures[i];
        EXPECT_EQ(type.GetViewValueA(i), i + 1);
        EXPECT_EQ(type.GetViewOffset(i), (CBD::SViewPoint{p.hotspotX, p.hotspotY}));
        EXPECT_EQ(type.GetViewExtent(i), (CBD::SViewPoint{p.image.Width(), p.image.Height()}));
        const CBM& image = type.GetFirstPicture(i);
        const CBM& mask = type.GetSecondPicture(i);
        ASSERT_TRUE(image.HasImage());
        ASSERT_TRUE(mask.HasImage());
        EXPECT_EQ(image.GetWidth(), p.image.Width());
        EXPECT_EQ(mask.GetHeight(), p.image.Height());
        EXPECT_EQ(image.GetPaletteColors().size(), 256u);
        EXPECT_EQ(mask.GetPaletteColors()[0], 0u);
        EXPECT_EQ(mask.GetPaletteColors()[255], 0xFFFFFFu);
        // Bottom-up rows: pixel (x, y) of the picture is row height - 1 - y.
        std::optional<CDibHeader> header =
            CDibHeader::Read(mask.GetImage().Lock(), mask.GetImage().Size());
        ASSERT_TRUE(header.has_value());
        EXPECT_EQ(header->bitCount, 8);
        const uint8_t* maskBits = mask.GetImage().Lock() + header->GetBitsOffset();
        const uint8_t* imageBits = image.GetImage().Lock() + header->GetBitsOffset();
        size_t stride = header->GetStride();
        for (int y = 0; y < p.image.Height(); ++y) {
            for (int x = 0; x < p.image.Width(); ++x) {
                size_t at = (p.image.Height() - 1 - y) * stride + x;
                bool covered = p.image.IsCovered(x, y);
                ASSERT_EQ(maskBits[at], covered ? 255 : 0) << x << "," << y;
                ASSERT_EQ(imageBits[at], covered ? p.image.Index(x, y) : 0) << x << "," << y;
            }
        }
    }
}

TEST(ArtPictures, TypeWithPicturesStoresAndLoadsAgain) {
    CBD type;
    type.SetTypeCode(55);
    CArtCatalog::ApplyToType(type, CArtCatalog::Draw(EArtKind::Cottage, 1, 1, 0, Palette()));
    CMemoryStream stream;
    {
        CArchive ar(stream, CArchive::store);
        type.Serialize(ar);
    }
    CMemoryStream input(stream.Bytes());
    CArchive ar(input, CArchive::load);
    CBD loaded;
    loaded.Serialize(ar);
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(loaded.GetFirstPicture(i).HasImage());
        EXPECT_EQ(loaded.GetViewExtent(i), type.GetViewExtent(i));
        EXPECT_EQ(loaded.GetSecondPicture(i).GetImage().Size(),
                  type.GetSecondPicture(i).GetImage().Size());
    }
}

TEST(ArtPictures, KindsAreFoundByTheirNames) {
    for (int k = 0; k < CArtCatalog::kKindCount; ++k) {
        const CArtCatalog::SInfo& info = CArtCatalog::Info(static_cast<EArtKind>(k));
        EXPECT_EQ(CArtCatalog::Find(info.name), info.kind);
    }
    EXPECT_FALSE(CArtCatalog::Find("castle").has_value());
}

}  // namespace
