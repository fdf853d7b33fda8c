#pragma once
// The land and structure type codes that the rules test (CBD::GetTypeCode).
// The types themselves, and their names, come from the map data file; only
// these codes carry meaning for the rules.

namespace StructureCode {

inline constexpr int kPlain = 0;          // plain land, priced by the area level
inline constexpr int kFoundation = 17;    // land a new game requires
inline constexpr int kRoadLand = 20;      // land under and beside code-26 crossings
inline constexpr int kRailLand = 21;      // land under and beside code-25 crossings
inline constexpr int kCrossingRail = 25;  // crossings, built as construction sites
inline constexpr int kCrossingRoad = 26;
inline constexpr int kCrossingPartner = 27;  // follows a 25 or 26 to form a pair
inline constexpr int kKiosk = 30;            // comes up by itself on cheap plain land
inline constexpr int kJunction = 31;         // blocks the spreading of land values
inline constexpr int kRubble = 35;
inline constexpr int kFire = 40;
inline constexpr int kMast = 45;
inline constexpr int kFixed50 = 50;  // neither destroyed nor built over
inline constexpr int kFixed51 = 51;
inline constexpr int kHouse = 55;  // its value gives the area's population
inline constexpr int kHeadOffice = 60;
inline constexpr int kBranchOffice = 61;
inline constexpr int kProject = 70;
inline constexpr int kTwoPart = 71;       // a structure with a second named part
inline constexpr int kMistakenPart = 72;  // the partner that follows a code-71 type
inline constexpr int kNuisance = 75;      // neighbouring housing is lost around it
inline constexpr int kStadiumKind0 = 80;
inline constexpr int kStadiumKind1 = 85;

// The company offices: a head office or a branch office.
constexpr bool IsOfficeCode(int typeCode) {
    return typeCode == kHeadOffice || typeCode == kBranchOffice;
}

// A league's stadium kind (CLeague::GetStadiumKind) and the type code of the
// stadiums its teams play in: kind 0 plays in code-80 stadiums, any other
// kind in code-85 ones. The map's stadium list k holds the stadiums of kind k.
constexpr int StadiumTypeCode(int stadiumKind) {
    return stadiumKind == 0 ? kStadiumKind0 : kStadiumKind1;
}

// The stadium kind (and stadium list) of a type code; -1 for a code that is
// no stadium.
constexpr int StadiumKindOfCode(int typeCode) {
    if (typeCode == kStadiumKind0) return 0;
    if (typeCode == kStadiumKind1) return 1;
    return -1;
}

}  // namespace StructureCode
