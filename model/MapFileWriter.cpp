#include "model/MapFileWriter.h"

#include "model/BaseMapData.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/core/ArchiveStream.h"

std::vector<uint8_t> CMapFileWriter::Write(CMapDoc& map) {
    CMemoryStream contents;
    CArchive ar(contents, CArchive::store);
    map.StoreContents(ar, true);
    std::vector<uint8_t> bytes = contents.Bytes();
    int32_t checksum = ComputeChecksum(bytes);
    for (int k = 0; k < 4; ++k)
        bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(checksum) >> (8 * k)));
    return bytes;
}

void CMapFileWriter::Write(CMapDoc& map, CArchive& ar) {
    std::vector<uint8_t> bytes = Write(map);
    ar.Write(bytes.data(), bytes.size());
}

bool CMapFileWriter::WriteFile(CMapDoc& map, const std::string& path) {
    std::vector<uint8_t> bytes = Write(map);
    return CFileStream::WriteWholeFile(path, bytes);
}

void CMapFileWriter::WriteRawArea(CArchive& ar, const CMapData& area) {
    ar.WriteRecordText(area.GetName());
    ar.WriteRecordText(area.GetExplanation());
    ar.WriteInt(area.GetWidth());
    ar.WriteInt(area.GetHeight());
    ar.WriteInt(area.GetSpare());
    for (int y = 0; y < area.GetHeight(); ++y)
        for (int x = 0; x < area.GetWidth(); ++x)
            for (int layer = 0; layer < CBaseMapData::kGridCount; ++layer)
                ar.WriteInt(area.GetLayer(layer, x, y));
    for (int figure : {area.GetPopulation(), area.GetLevel(), area.GetEffect(5),
                       area.GetPotential(), area.GetFigure19(), area.GetFigure20()})
        ar.WriteInt(figure);
}

int CMapFileWriter::ComputeChecksum(const std::vector<uint8_t>& contents) {
    CDetachedAppService app;
    auto scoped = ScopedApp(&app);
    CMapDoc scratch;
    scratch.SetMapFileMode(1);
    CMemoryStream stream(contents);
    CArchive ar(stream, CArchive::load);
    scratch.LoadContents(ar);
    return app.DataChecksum().Get();
}
