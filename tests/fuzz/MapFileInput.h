#pragma once
// A map read from a fuzz input as the map data file targets read it: bit 0
// of the first byte sets the map data file mode; with bits 0 and 1 set the
// last four bytes of the rest are replaced by the checksum of what comes
// before them, so that damaged contents get past the checksum.

#include <cstdint>
#include <vector>

#include "model/MapDoc.h"
#include "model/MapFileWriter.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

inline void FixMapChecksum(std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> contents(bytes.begin(), bytes.end() - 4);
    uint32_t checksum = static_cast<uint32_t>(CMapFileWriter::ComputeChecksum(contents));
    for (int k = 0; k < 4; ++k)
        bytes[bytes.size() - 4 + static_cast<size_t>(k)] =
            static_cast<uint8_t>(checksum >> (8 * k));
}

// False when the input holds no map that loads; the map is left in
// saved-game mode.
inline bool LoadMapInput(const uint8_t* data, size_t size, CMapDoc& map) {
    if (size < 1) return false;
    std::vector<uint8_t> bytes(data + 1, data + size);
    map.SetMapFileMode(data[0] & 1);
    try {
        if ((data[0] & 3) == 3 && bytes.size() >= 4) FixMapChecksum(bytes);
        CMemoryStream stream(bytes);
        CArchive ar(stream, CArchive::load);
        map.Serialize(ar);
    } catch (const CArchiveException&) {
        return false;
    } catch (eMERCAVO_ERROR) {
        return false;
    }
    map.SetMapFileMode(0);
    return true;
}
