#include "model/FileBytes.h"

#include <fstream>

CFileBytes::EResult CFileBytes::Read(const std::string& path, size_t limit,
                                     std::vector<uint8_t>& bytes) {
    bytes.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) return EResult::Unreadable;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
        if (bytes.size() > limit) return EResult::TooLarge;
    }
    return in.bad() ? EResult::Unreadable : EResult::Ok;
}
