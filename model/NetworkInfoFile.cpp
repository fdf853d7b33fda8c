#include "model/NetworkInfoFile.h"

#include <fstream>

#include "model/FixedFieldFormat.h"

namespace {

constexpr int kLengthWidth = 3;

// A length field: exactly three digits.
bool ReadLength(const std::vector<char>& bytes, size_t at, int& length) {
    length = 0;
    for (size_t i = at; i < at + kLengthWidth; ++i) {
        if (i >= bytes.size() || bytes[i] < '0' || bytes[i] > '9') return false;
        length = length * 10 + (bytes[i] - '0');
    }
    return true;
}

}  // namespace

bool CNetworkInfoFile::Compose(const SNetworkInfo& info, std::vector<char>& bytes) {
    const size_t used = 2 * kLengthWidth + info.serverAddress.size() + info.password.size();
    if (used >= static_cast<size_t>(kFileSize)) return false;
    std::string text = FormatFixedInt(static_cast<int>(info.serverAddress.size()), kLengthWidth) +
                       info.serverAddress +
                       FormatFixedInt(static_cast<int>(info.password.size()), kLengthWidth) +
                       info.password;
    bytes.assign(static_cast<size_t>(kFileSize), '\0');
    std::copy(text.begin(), text.end(), bytes.begin());
    return true;
}

CNetworkInfoFile::EResult CNetworkInfoFile::Parse(const std::vector<char>& bytes,
                                                  SNetworkInfo& info) {
    if (bytes.size() < static_cast<size_t>(kFileSize)) return EResult::Bad;
    int addressLength = 0;
    int passwordLength = 0;
    if (!ReadLength(bytes, 0, addressLength)) return EResult::Bad;
    const size_t passwordAt = kLengthWidth + static_cast<size_t>(addressLength);
    // The second length must lie wholly inside the file before it is read.
    if (passwordAt + kLengthWidth > static_cast<size_t>(kFileSize - 1)) return EResult::Bad;
    if (!ReadLength(bytes, passwordAt, passwordLength)) return EResult::Bad;
    const size_t end = passwordAt + kLengthWidth + static_cast<size_t>(passwordLength);
    if (end > static_cast<size_t>(kFileSize - 1)) return EResult::Bad;
    info.serverAddress.assign(bytes.begin() + kLengthWidth, bytes.begin() + passwordAt);
    info.password.assign(bytes.begin() + passwordAt + kLengthWidth, bytes.begin() + end);
    return EResult::Ok;
}

bool CNetworkInfoFile::Write(const std::string& path, const SNetworkInfo& info) {
    std::vector<char> bytes;
    if (!Compose(info, bytes)) return false;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

CNetworkInfoFile::EResult CNetworkInfoFile::Read(const std::string& path, SNetworkInfo& info) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return EResult::Missing;
    std::vector<char> bytes(static_cast<size_t>(kFileSize));
    file.read(bytes.data(), kFileSize);
    bytes.resize(static_cast<size_t>(file.gcount()));
    return Parse(bytes, info);
}
