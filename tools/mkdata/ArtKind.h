#pragma once
// Every kind of picture mkdata draws for the land and structure types. The
// data sources name a kind for each type; its pictures are then drawn for
// the type's footprint.

enum class EArtKind {
    // Land: plain land of rising value, then the special grounds.
    Scrub,
    Meadow,
    Grass,
    Lawn,
    Paved,
    Plaza,
    Foundation,
    Canal,
    Motorway,
    Water,
    Sand,
    Rock,
    Forest,
    // The face of a raised cell's sides (the map's last land type).
    Side,

    // Structures the rules know by their codes.
    Rubble,
    Fire,
    SiteMarker,
    Scaffold,
    Bridge,
    Overpass,
    HeadOffice,
    BranchOffice,
    CityHall,
    Monument,
    Ballpark,
    FootballStadium,
    // Small buildings that come up by themselves.
    Shack,
    Kiosk,
    Workshop,
    // Housing of rising value.
    Cottage,
    House,
    Townhouses,
    Apartments,
    HighRise,
    ResidenceTower,
    // Businesses.
    Shop,
    Restaurant,
    Supermarket,
    DepartmentStore,
    Mall,
    Office,
    OfficeTower,
    Skyscraper,
    Hotel,
    Resort,
    Factory,
    Warehouse,
    ChemicalPlant,
    WastePlant,
    FuelDepot,
    Cinema,
    Hospital,
    School,
    AmusementPark,
    Garden,
    // Projects.
    ExpoPavilion,
    ObservationTower,
    ConventionCentre,
    TwinTowers,
    LeaningTowers,

    Count
};
