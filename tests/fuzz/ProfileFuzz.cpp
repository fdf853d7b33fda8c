// The settings file read from arbitrary bytes: the first byte picks the
// section and key of one write, the rest is the file. Whatever was read must
// be saved so that reading it again and saving once more gives the same file,
// and the value written must read back as it was.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/core/Profile.h"

namespace {

const std::string kSections[] = {"Settings", "", "Recent File List", "a=b"};
const std::string kKeys[] = {"Music", "", "File1", "x]y"};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static const std::string path = "/tmp/profile_fuzz_" + std::to_string(::getpid()) + ".ini";
    std::string contents(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
    const std::string& section = kSections[data[0] & 3];
    const std::string& key = kKeys[(data[0] >> 2) & 3];
    std::string value = contents.substr(0, 16);

    CProfile first(path);
    first.GetProfileInt(section, key, 7);
    if (!first.WriteProfileString(section, key, value)) std::abort();
    std::string saved = ReadAll(path);
    CProfile second(path);
    if (second.GetProfileString(section, key, "-") != value) std::abort();
    if (!second.WriteProfileString(section, key, value)) std::abort();
    if (ReadAll(path) != saved) std::abort();
    std::remove(path.c_str());
    return 0;
}
