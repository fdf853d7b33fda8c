#pragma once
// A folder of its own for one test, removed afterwards.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

class CTempFolder {
public:
    CTempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = info ? std::string(info->test_suite_name()) + "_" + info->name() : "t";
        for (char& c : name)
            if (c == '/') c = '_';
        m_path = std::filesystem::temp_directory_path() /
                 ("mercavo_test_" + std::to_string(getpid()) + "_" + name);
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~CTempFolder() { std::filesystem::remove_all(m_path); }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The path with a trailing '/'.
    std::string Folder() const { return m_path.string() + "/"; }

private:
    std::filesystem::path m_path;
};
