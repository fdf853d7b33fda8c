// The network information file's reader on arbitrary bytes: whatever it
// accepts lies inside the 512 bytes and writes back into the same fields.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "model/NetworkInfoFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<char> bytes(data, data + size);
    SNetworkInfo info;
    if (CNetworkInfoFile::Parse(bytes, info) != CNetworkInfoFile::EResult::Ok) return 0;
    std::vector<char> written;
    if (!CNetworkInfoFile::Compose(info, written)) std::abort();
    SNetworkInfo again;
    if (CNetworkInfoFile::Parse(written, again) != CNetworkInfoFile::EResult::Ok ||
        again.serverAddress != info.serverAddress || again.password != info.password) {
        std::abort();
    }
    return 0;
}
