// A picture from arbitrary bytes, by each way one arrives: the archive
// record, the network start and parts, and a .BMP file. Whatever is taken
// must be a whole image that stores back unchanged.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "model/BM.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

void CheckStoresBack(CBM& picture) {
    if (!picture.HasImage()) return;
    CMemoryStream stream;
    CArchive out(stream, CArchive::store);
    picture.Serialize(out);
    stream.Rewind();
    CArchive in(stream, CArchive::load);
    CBM copy;
    copy.Serialize(in);
    if (copy.GetImage().Size() != picture.GetImage().Size()) __builtin_trap();
    copy.CreatePalette();
}

void FromArchive(const uint8_t* data, size_t size) {
    CMemoryStream stream(std::vector<uint8_t>(data, data + size));
    CArchive ar(stream, CArchive::load);
    CBM picture;
    try {
        picture.Serialize(ar);
    } catch (const CArchiveException&) {
    } catch (eMERCAVO_ERROR) {
    }
    CheckStoresBack(picture);
}

// Records of at most 512 bytes, each after its 16-bit length: the first is the start, the rest
// parts.
void FromNetwork(const uint8_t* data, size_t size) {
    std::string_view all(reinterpret_cast<const char*>(data), size);
    CBM picture;
    bool first = true;
    while (all.size() >= 2) {
        size_t length = (static_cast<uint8_t>(all[0]) | static_cast<uint8_t>(all[1]) << 8) % 513;
        std::string_view record = all.substr(2, length);
        if (first) {
            picture.ReceiveStart(record);
        } else {
            picture.ReceivePart(record);
        }
        first = false;
        all = all.substr(std::min(all.size(), 2 + length));
    }
    CheckStoresBack(picture);
}

void FromFile(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/picture_fuzz_" + std::to_string(::getpid()) + ".bmp";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    CBM picture;
    int width = 0, height = 0;
    picture.LoadFromFile(path, width, height, 0);
    CheckStoresBack(picture);
    std::remove(path.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    switch (data[0] % 3) {
        case 0:
            FromArchive(data + 1, size - 1);
            break;
        case 1:
            FromNetwork(data + 1, size - 1);
            break;
        default:
            FromFile(data + 1, size - 1);
            break;
    }
    return 0;
}
