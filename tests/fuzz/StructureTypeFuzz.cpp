// Land and structure types from arbitrary bytes: the type record, the
// structure data file and the four network records of a type.

#include <algorithm>
#include <cstdint>
#include <new>
#include <string_view>
#include <vector>

#include "model/BD.h"
#include "model/MercavoError.h"
#include "model/StrcDoc.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

template <typename Record>
void FromArchive(const uint8_t* data, size_t size) {
    CMemoryStream stream(std::vector<uint8_t>(data, data + size));
    CArchive ar(stream, CArchive::load);
    Record record;
    try {
        record.Serialize(ar);
    } catch (const CArchiveException&) {
    } catch (eMERCAVO_ERROR) {
    }
}

// Records of at most 512 bytes, each after its 16-bit length; the first byte of each picks the
// receiver.
void FromNetwork(const uint8_t* data, size_t size) {
    std::string_view all(reinterpret_cast<const char*>(data), size);
    CBD type;
    while (all.size() >= 2) {
        size_t length = (static_cast<uint8_t>(all[0]) | static_cast<uint8_t>(all[1]) << 8) % 513;
        std::string_view record = all.substr(2, length);
        if (!record.empty()) {
            std::string_view text = record.substr(1);
            switch (static_cast<uint8_t>(record[0]) % 6) {
                case 0:
                    type.ReceiveTypeRecord(text);
                    break;
                case 1:
                    type.ReceiveEffects(text);
                    break;
                case 2:
                    type.ReceiveTexts(text);
                    break;
                default:
                    type.ReceivePicturePart(text, record[0] & 1, record[0] & 2);
                    break;
            }
        }
        all = all.substr(std::min(all.size(), 2 + length));
    }
    int width, height;
    type.GetSize(width, height);
    if (width < 1 || width > 3 || height < 1 || height > 3) __builtin_trap();
    if (type.GetEffects().size() > CBD::kMaxEffects) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    switch (data[0] % 3) {
        case 0:
            FromArchive<CBD>(data + 1, size - 1);
            break;
        case 1:
            FromArchive<CStrcDoc>(data + 1, size - 1);
            break;
        default:
            FromNetwork(data + 1, size - 1);
            break;
    }
    return 0;
}
