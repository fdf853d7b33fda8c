#include <gtest/gtest.h>

#include <string>

#include "views/InfoMesWnd.h"

namespace {

TEST(InfoMesWndTest, KeepsTheLastHundredLines) {
    CInfoMesWnd log;
    for (int i = 0; i < 130; ++i) log.AddMessage("line " + std::to_string(i), 1, i % 3 - 1);
    ASSERT_EQ(log.GetLines().size(), 100u);
    EXPECT_EQ(log.GetLines().front().text, "line 30");
    EXPECT_EQ(log.GetLines().back().text, "line 129");
    EXPECT_EQ(log.GetLines().back().colour, 129 % 3 - 1);
    log.Clear();
    EXPECT_TRUE(log.GetLines().empty());
}

}  // namespace
