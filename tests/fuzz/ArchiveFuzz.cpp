// Every text form and number of the archive read from arbitrary bytes: the
// reader must throw its own exception and never read or allocate wildly.

#include <cstdint>
#include <vector>

#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CMemoryStream stream(std::vector<uint8_t>(data, data + size));
    CArchive ar(stream, CArchive::load);
    try {
        for (int i = 0; i < 64; ++i) {
            switch (ar.ReadByte() % 6) {
                case 0:
                    ar.ReadRecordText();
                    break;
                case 1:
                    ar.ReadRecordText16();
                    break;
                case 2:
                    ar.ReadCompanyText();
                    break;
                case 3:
                    ar.ReadString();
                    break;
                case 4:
                    ar.ReadDouble();
                    break;
                default:
                    ar.ReadInt();
                    break;
            }
        }
    } catch (const CArchiveException&) {
    }
    return 0;
}
