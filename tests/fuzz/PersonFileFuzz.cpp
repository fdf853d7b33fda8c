// The character data file read from arbitrary bytes. When the reader gets as
// far as the stored checksum and refuses it, the input is read once more
// with the running checksum put in its place, so that damaged contents get
// past the checksum. A file that loads must make persons of every record,
// and what the writer makes of it must load again with the same tables.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fakes/FakeServices.h"
#include "model/MercavoError.h"
#include "model/PersonData.h"
#include "model/PersonDataFile.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

struct SServices {
    SServices() {
        Services::SetApp(&app);
        Services::SetDoc(&doc);
        Services::SetFrame(&frame);
    }
    CDetachedAppService app;
    CFakeDocService doc;
    CFakeFrameService frame;
};

// false when the file was refused; stream position and running checksum are
// then left where the reader stopped.
bool Load(CPersonDataFile& file, CMemoryStream& stream) {
    CArchive ar(stream, CArchive::load);
    try {
        file.Load(ar);
        return true;
    } catch (const CArchiveException&) {
    } catch (eMERCAVO_ERROR) {
    }
    return false;
}

void Use(const CPersonDataFile& file) {
    for (const CBasePerson& record : file.GetPersons()) {
        CPersonData person;
        person.TakeBaseRecord(record);
        person.GetAge(true);
        person.GetFaceIndexForAge();
    }
    file.FindShortage(14, 10);
    CPersonDataFile again;
    CMemoryStream written(file.Write());
    if (!Load(again, written) || again.GetDirectorCount() != file.GetDirectorCount() ||
        again.GetGovernorCount() != file.GetGovernorCount())
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SServices services;
    std::vector<uint8_t> bytes(data, data + size);
    CPersonDataFile file;
    CMemoryStream stream(bytes);
    if (Load(file, stream)) {
        Use(file);
        return 0;
    }
    // Refused: when that was at the stored checksum, the last four bytes
    // read are that checksum and the running value is the one it needed.
    if (stream.Position() < 4 || stream.Position() > bytes.size()) return 0;
    int32_t running = services.app.DataChecksum().Get();
    size_t at = stream.Position() - 4;
    for (int k = 0; k < 4; ++k)
        bytes[at + static_cast<size_t>(k)] =
            static_cast<uint8_t>(static_cast<uint32_t>(running) >> (8 * k));
    CMemoryStream patched(bytes);
    if (Load(file, patched)) Use(file);
    return 0;
}
