#include "tools/mkdata/ArtCatalog.h"

#include <stdexcept>

#include "model/BD.h"
#include "model/BM.h"
#include "tools/mkdata/ArtRandom.h"
#include "tools/mkdata/BuildingPainter.h"
#include "tools/mkdata/GroundPainter.h"
#include "tools/mkdata/LandmarkPainter.h"
#include "tools/mkdata/PictureBlock.h"
#include "tools/mkdata/SiteFeaturePainter.h"

namespace {

using K = EArtKind;

constexpr CArtCatalog::SInfo kInfo[] = {
    {K::Scrub, "scrub", true, 1, 1},
    {K::Meadow, "meadow", true, 1, 1},
    {K::Grass, "grass", true, 1, 1},
    {K::Lawn, "lawn", true, 1, 1},
    {K::Paved, "paved", true, 1, 1},
    {K::Plaza, "plaza", true, 1, 1},
    {K::Foundation, "foundation", true, 1, 1},
    {K::Canal, "canal", true, 1, 1},
    {K::Motorway, "motorway", true, 1, 1},
    {K::Water, "water", true, 1, 1},
    {K::Sand, "sand", true, 1, 1},
    {K::Rock, "rock", true, 1, 1},
    {K::Forest, "forest", true, 1, 1},
    {K::Side, "side", true, 1, 1},
    {K::Rubble, "rubble", false, 1, 1},
    {K::Fire, "fire", false, 1, 1},
    {K::SiteMarker, "site_marker", false, 1, 1},
    {K::Scaffold, "scaffold", false, 1, 1},
    {K::Bridge, "bridge", false, 1, 1},
    {K::Overpass, "overpass", false, 1, 1},
    {K::HeadOffice, "head_office", false, 2, 2},
    {K::BranchOffice, "branch_office", false, 1, 1},
    {K::CityHall, "city_hall", false, 3, 3},
    {K::Monument, "monument", false, 1, 1},
    {K::Ballpark, "ballpark", false, 3, 3},
    {K::FootballStadium, "football_stadium", false, 3, 3},
    {K::Shack, "shack", false, 1, 1},
    {K::Kiosk, "kiosk", false, 1, 1},
    {K::Workshop, "workshop", false, 1, 1},
    {K::Cottage, "cottage", false, 1, 1},
    {K::House, "house", false, 1, 1},
    {K::Townhouses, "townhouses", false, 1, 1},
    {K::Apartments, "apartments", false, 2, 2},
    {K::HighRise, "high_rise", false, 2, 2},
    {K::ResidenceTower, "residence_tower", false, 3, 3},
    {K::Shop, "shop", false, 1, 1},
    {K::Restaurant, "restaurant", false, 1, 1},
    {K::Supermarket, "supermarket", false, 2, 2},
    {K::DepartmentStore, "department_store", false, 2, 2},
    {K::Mall, "mall", false, 3, 3},
    {K::Office, "office", false, 1, 1},
    {K::OfficeTower, "office_tower", false, 2, 2},
    {K::Skyscraper, "skyscraper", false, 3, 3},
    {K::Hotel, "hotel", false, 2, 2},
    {K::Resort, "resort", false, 3, 3},
    {K::Factory, "factory", false, 2, 2},
    {K::Warehouse, "warehouse", false, 2, 2},
    {K::ChemicalPlant, "chemical_plant", false, 3, 3},
    {K::WastePlant, "waste_plant", false, 2, 2},
    {K::FuelDepot, "fuel_depot", false, 2, 2},
    {K::Cinema, "cinema", false, 2, 2},
    {K::Hospital, "hospital", false, 3, 3},
    {K::School, "school", false, 2, 2},
    {K::AmusementPark, "amusement_park", false, 3, 3},
    {K::Garden, "garden", false, 2, 2},
    {K::ExpoPavilion, "expo_pavilion", false, 3, 3},
    {K::ObservationTower, "observation_tower", false, 2, 2},
    {K::ConventionCentre, "convention_centre", false, 3, 3},
    {K::TwinTowers, "twin_towers", false, 3, 3},
    {K::LeaningTowers, "leaning_towers", false, 3, 3},
};
static_assert(std::size(kInfo) == CArtCatalog::kKindCount, "every kind needs its entry");

uint64_t SeedOf(EArtKind kind, uint64_t variant) {
    return static_cast<uint64_t>(kind) * 0x9E3779B97F4A7C15ULL ^
           (variant + 1) * 0xC2B2AE3D27D4EB4FULL;
}

CScene SceneOf(EArtKind kind, int w, int h, uint64_t seed) {
    if (CArtCatalog::Info(kind).land) return CGroundPainter::Scene(kind, seed);
    if (CBuildingPainter::Draws(kind)) return CBuildingPainter::Scene(kind, w, h, seed);
    if (CSiteFeaturePainter::Draws(kind)) return CSiteFeaturePainter::Scene(kind, w, h, seed);
    return CLandmarkPainter::Scene(kind, w, h, seed);
}

}  // namespace

const CArtCatalog::SInfo& CArtCatalog::Info(EArtKind kind) {
    int i = static_cast<int>(kind);
    if (i < 0 || i >= kKindCount) throw std::out_of_range("art kind");
    return kInfo[i];
}

std::optional<EArtKind> CArtCatalog::Find(std::string_view name) {
    for (const SInfo& info : kInfo)
        if (name == info.name) return info.kind;
    return std::nullopt;
}

std::vector<SPicture> CArtCatalog::Draw(EArtKind kind, int w, int h, uint64_t variant,
                                        const CGamePalette& palette) {
    if (Info(kind).land) w = h = 1;
    if (w < 1 || h < 1 || w > CBD::kMaxSize || h > CBD::kMaxSize)
        throw std::invalid_argument("art: footprint outside 1..3 cells");
    CScene scene = SceneOf(kind, w, h, SeedOf(kind, variant));
    std::vector<SPicture> pictures;
    for (int i = 0; i < CBD::kDirections; ++i) pictures.push_back(scene.Render(i, palette));
    return pictures;
}

void CArtCatalog::ApplyToType(CBD& type, const std::vector<SPicture>& pictures) {
    for (int i = 0; i < CBD::kDirections && i < static_cast<int>(pictures.size()); ++i) {
        const SPicture& p = pictures[i];
        type.GetFirstPicture(i) = CBM(CPictureBlock::Image(p.image));
        type.GetSecondPicture(i) = CBM(CPictureBlock::Mask(p.image));
        type.SetView(i, i + 1, 0, {p.hotspotX, p.hotspotY}, {p.image.Width(), p.image.Height()});
    }
}
