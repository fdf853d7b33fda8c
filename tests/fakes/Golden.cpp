#include "fakes/Golden.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {
std::string GoldenPath(const std::string& name) {
    return std::string(MERCAVO_GOLDEN_DIR) + "/" + name + ".txt";
}

bool Updating() {
    const char* flag = std::getenv("MERCAVO_UPDATE_GOLDEN");
    return flag && std::string(flag) == "1";
}
}  // namespace

namespace {
std::string WithoutTrailingNewlines(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}
}  // namespace

void ExpectGolden(const std::string& name, const std::string& got) {
    const std::string value = WithoutTrailingNewlines(got);
    const std::string path = GoldenPath(name);
    if (Updating()) {
        std::ofstream out(path, std::ios::trunc);
        out << value << "\n";
        ASSERT_TRUE(out.good()) << "cannot write " << path;
        return;
    }
    std::ifstream in(path);
    ASSERT_TRUE(in.good()) << "no golden value " << path
                           << " (MERCAVO_UPDATE_GOLDEN=1 writes it); got " << value;
    std::stringstream text;
    text << in.rdbuf();
    const std::string expected = WithoutTrailingNewlines(text.str());
    EXPECT_EQ(value, expected) << "golden value " << path
                               << " differs; when the change is meant, rerun with "
                                  "MERCAVO_UPDATE_GOLDEN=1 and review the diff";
}

std::string HashText(const std::vector<uint8_t>& bytes) {
    uint32_t hash = 2166136261u;
    for (uint8_t b : bytes) hash = (hash ^ b) * 16777619u;
    char text[9];
    std::snprintf(text, sizeof text, "%08x", hash);
    return text;
}
