#pragma once
// A judged game: a judgment data file made by the fixture writer, loaded
// into the judgment document, with the document service, a fixed clock and
// a program folder of the test's own.

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/JudgmentFileFixture.h"
#include "judge/ArboDoc.h"
#include "judge/ArboDocService.h"
#include "model/services/Services.h"
#include "platform/core/RuntimeRandom.h"

// 2021-03-07 09:05:03 UTC.
constexpr int64_t kFixedClock = 1615107903;

class CFixedClockApp : public CDetachedAppService {
public:
    std::string GetProgramDirectory() override { return folder; }
    int64_t GetUtcTime() override { return kFixedClock; }
    std::string folder;
};

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

inline bool WriteTextFileForTest(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    return static_cast<bool>(file);
}

// The lines of a CR LF text; a last line without its end is marked.
inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back("<no line end>" + text.substr(start));
    return lines;
}

// Golden files of tests/judge/golden. With MERCAVO_UPDATE_GOLDEN=1 the test
// writes what it made there instead of comparing.
inline bool UpdatingGolden() {
    const char* flag = std::getenv("MERCAVO_UPDATE_GOLDEN");
    return flag && std::string(flag) == "1";
}

// The build names this file relative to the build folder, the parent of
// the program folder.
inline std::string GoldenPath(const std::string& name) {
    std::filesystem::path here = std::filesystem::path(__FILE__).parent_path();
    const char* home = std::getenv("MERCAVO_HOME");
    if (here.is_relative() && home) here = std::filesystem::path(home).parent_path() / here;
    return (here / "golden" / name).string();
}

// Compares the text with the golden file line by line, from line `from` on.
// Only a whole comparison writes the file when updating.
inline void ExpectGolden(const std::string& text, const std::string& name, size_t from = 0) {
    if (UpdatingGolden() && from == 0) {
        std::ofstream(GoldenPath(name), std::ios::binary) << text;
        return;
    }
    std::vector<std::string> expected = SplitLines(ReadWholeFile(GoldenPath(name)));
    std::vector<std::string> written = SplitLines(text);
    ASSERT_FALSE(expected.empty()) << GoldenPath(name);
    ASSERT_EQ(written.size(), expected.size()) << name;
    for (size_t i = from; i < expected.size(); ++i)
        EXPECT_EQ(written[i], expected[i]) << name << " line " << i + 1;
}

class JudgeTest : public ::testing::Test {
protected:
    void SetUp() override {
        CRuntimeRandom::Seed(7);
        // The stamps are local time.
        setenv("TZ", "UTC", 1);
        tzset();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name)
            if (c == '/') c = '_';
        folder = (std::filesystem::temp_directory_path() /
                  ("mercavo_judge_" + std::to_string(getpid()) + "_" + name))
                     .string() +
                 "/";
        std::filesystem::create_directories(folder);
        app.folder = folder;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // A new fixture game at its end.
    CJudgmentFileFixture& MakeGame(const SJudgmentFileOptions& options = {}) {
        game = std::make_unique<CJudgmentFileFixture>(folder, options);
        EXPECT_TRUE(game->ok());
        return *game;
    }
    // Loads the game's file into the judgment document: -1 or the error.
    int LoadGame() { return doc.LoadBytes(game->Bytes()); }
    // Loads and prepares; false (with a failure) when either fails.
    bool LoadAndPrepare() {
        int result = LoadGame();
        EXPECT_EQ(result, -1);
        if (result != -1) return false;
        EXPECT_EQ(doc.PrepareJudgment(), 1);
        return true;
    }
    // Judges every step up to page (or area step) s and the step itself.
    void JudgeThrough(int step) {
        while (doc.GetStepCounter() <= step && doc.RunNextStep()) {
        }
    }
    void JudgeAll() {
        while (doc.RunNextStep()) {
        }
    }

    std::string folder;
    CFixedClockApp app;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
    std::unique_ptr<CJudgmentFileFixture> game;
    judge::CArboDoc doc;
    judge::CArboDocService service{doc};
    CScopedService<IDocService> scopedDoc = ScopedDoc(&service);
};
