// The check numbers of the report and the history files, and the results
// request composed from them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "JudgeFixture.h"
#include "judge/Enterprise.h"
#include "judge/JudgeReport.h"
#include "judge/ResultsRequest.h"
#include "platform/ui/Desktop.h"

namespace {

using judge::CJudgeReport;

struct SCheckCase {
    int best;
    int expected;
};

class JudgmentCheckTest : public ::testing::TestWithParam<SCheckCase> {};

// V 3, Z 0, M 123456, C 654321, L 2.
TEST_P(JudgmentCheckTest, FromTheBestTotal) {
    EXPECT_EQ(CJudgeReport::ComputeJudgmentCheck(GetParam().best, 3, 0, 123456, 654321, 2),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Judgment, JudgmentCheckTest,
                         ::testing::Values(SCheckCase{1234, 38163}, SCheckCase{0, 37803},
                                           SCheckCase{-5, 37773}));

TEST(CheckNumberTest, TheCompanyCheckOfTheBestCompany) {
    EXPECT_EQ(judge::CEnterprise::ComputeCompanyCheck(1234, 123456, 654321, 38163), 1324);
}

TEST(CheckNumberTest, StoredChecksAtTheIntLimitsDoNotOverflow) {
    EXPECT_EQ(
        CJudgeReport::ComputeJudgmentCheck(INT_MIN, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX),
        INT_MAX);
    // Digits of 2147483647 from the units, weighted 2 to 11: 265.
    EXPECT_EQ(CJudgeReport::ComputeResultsCheck(
                  {"", INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX}),
              static_cast<int>((int64_t{INT_MAX} * 5 + 265) % 100000));
}

const CJudgeReport::SResults kResults{"Ann Player", 1234, 5, 2, 10, 654321, 123456};

TEST(CheckNumberTest, TheResultsCheckAndAddress) {
    EXPECT_EQ(CJudgeReport::ComputeResultsCheck(kResults), 77824);
    CJudgeReport::SResults zero = kResults;
    zero.point = 0;
    EXPECT_EQ(CJudgeReport::ComputeResultsCheck(zero), (123456 + 654321 + 10 + 2 + 5) % 100000);
    EXPECT_EQ(CJudgeReport::ComposeResultsAddress("http://results.test/entry", kResults),
              "http://results.test/entry?name=Ann Player&point=1234&1count=5&save=2&year=10"
              "&psum=654321&msum=123456&csum=77824&ver=5.00");
}

class ResultsRequestTest : public JudgeTest {
protected:
    void SetUp() override {
        JudgeTest::SetUp();
        CDesktop::SetLaunchHook([this](const std::string& program,
                                       const std::vector<std::string>& args, const std::string&) {
            launched.push_back(program + " " + (args.empty() ? "" : args.front()));
            return true;
        });
    }
    void TearDown() override {
        CDesktop::SetLaunchHook(nullptr);
        JudgeTest::TearDown();
    }
    std::vector<std::string> launched;
};

// Message boxes take their default answer here: OK.
TEST_F(ResultsRequestTest, OpensTheComposedAddressAndNothingWithoutOne) {
    MakeGame();
    ASSERT_TRUE(LoadAndPrepare());
    JudgeAll();
    EXPECT_FALSE(judge::CResultsRequest::Send(doc));
    EXPECT_TRUE(launched.empty());
    ASSERT_TRUE(judge::CResultsRequest::Send(doc, "http://results.test/entry"));
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(launched[0],
              "xdg-open " + CJudgeReport::ComposeResultsAddress("http://results.test/entry",
                                                                CJudgeReport::GetResults(doc)));
}

TEST_F(ResultsRequestTest, CancelOpensNothing) {
    MakeGame();
    ASSERT_TRUE(LoadAndPrepare());
    JudgeAll();
    std::string asked;
    EXPECT_FALSE(judge::CResultsRequest::Send(doc, "http://results.test/entry",
                                              [&](const std::string& question) {
                                                  asked = question;
                                                  return false;
                                              }));
    EXPECT_TRUE(launched.empty());
    EXPECT_EQ(asked, "Your score will be placed on MERCAVO home page under player name \"" +
                         doc.GetCompany(0)->GetPresidentName() + "\".");
}

}  // namespace
