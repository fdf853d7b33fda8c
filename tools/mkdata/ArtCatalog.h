#pragma once
// The list of picture kinds with their names (as the data sources spell
// them) and usual footprints, the drawing of a kind's four pictures for a
// footprint, and the filling of a type record with them.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "tools/mkdata/ArtKind.h"
#include "tools/mkdata/GamePalette.h"
#include "tools/mkdata/Picture.h"

class CBD;

class CArtCatalog {
public:
    struct SInfo {
        EArtKind kind;
        const char* name;
        bool land;
        // The footprint the kind is drawn for when the sources give none.
        int width;
        int height;
    };

    static constexpr int kKindCount = static_cast<int>(EArtKind::Count);

    static const SInfo& Info(EArtKind kind);
    static std::optional<EArtKind> Find(std::string_view name);

    // The four pictures (picture index 0..3) of a kind for a footprint of
    // w x h cells (land: always 1 x 1); variant picks colours and details.
    static std::vector<SPicture> Draw(EArtKind kind, int w, int h, uint64_t variant,
                                      const CGamePalette& palette);

    // Puts the pictures into a type: per picture index i the image as its
    // first picture and the mask as its second, and the view record: picture
    // number i + 1, the hotspot as offset and the picture size as extent.
    static void ApplyToType(CBD& type, const std::vector<SPicture>& pictures);
};
