#include "model/Wait.h"

#include <gtest/gtest.h>

#include "fakes/FakeServices.h"
#include "platform/core/Clock.h"

namespace {
class WaitTest : public testing::Test {
protected:
    void SetUp() override { CClock::SetTimeScale(1); }
    void TearDown() override { CClock::SetTimeScale(m_savedScale); }

    CFakeFrameService frame;
    CFakeDocService doc;
    CScopedService<IFrameService> scopedFrame = ScopedFrame(&frame);
    CScopedService<IDocService> scopedDoc = ScopedDoc(&doc);
    double m_savedScale = CClock::TimeScale();
};
}  // namespace

TEST_F(WaitTest, WaitTimeZeroReturnsAtOnce) {
    doc.waitTime = 0;
    frame.PressKey(kKeySpace);
    uint32_t start = CClock::GetTickCount();
    EXPECT_EQ(Wait(100000, 0, 1), 0);
    EXPECT_EQ(WaitMilliseconds(100000, 0, 1), 0);
    EXPECT_LT(static_cast<uint32_t>(CClock::GetTickCount() - start), 50u);
    EXPECT_TRUE(frame.calls.empty());
}

TEST_F(WaitTest, SpaceEndsAWaitWithOneAndEnterWithZero) {
    doc.waitTime = 100;
    // A key pressed before the wait started does not end it.
    frame.PressKey(kKeySpace);
    frame.pendingMessages.push_back([&] { frame.PressKey(kKeySpace); });
    uint32_t start = CClock::GetTickCount();
    EXPECT_EQ(Wait(100000, 0, 1), 1);  // would be 1000 s
    EXPECT_LT(static_cast<uint32_t>(CClock::GetTickCount() - start), 1000u);

    frame.pendingMessages.push_back([&] { frame.PressKey(kKeyReturn); });
    EXPECT_EQ(Wait(100000, 0, 1), 0);
    EXPECT_LT(static_cast<uint32_t>(CClock::GetTickCount() - start), 2000u);
}

TEST_F(WaitTest, NoSkipWithoutAllowSkipAndPumpingFlagAround) {
    doc.waitTime = 10;
    frame.pendingMessages.push_back([&] { frame.PressKey(kKeySpace); });
    uint32_t start = CClock::GetTickCount();
    EXPECT_EQ(Wait(3, 0, 0), 0);  // 3 ms
    EXPECT_GE(static_cast<uint32_t>(CClock::GetTickCount() - start), 3u);
    EXPECT_EQ(frame.calls,
              (std::vector<std::string>{"SetPumping(1)", "SetPumping(0)", "CheckCloseRequest"}));
    EXPECT_GT(frame.pumpCount, 0);
}

TEST_F(WaitTest, NoPumpDispatchesNothing) {
    doc.waitTime = 10;
    EXPECT_EQ(Wait(2, 1, 0), 0);
    EXPECT_EQ(frame.pumpCount, 0);
}

TEST_F(WaitTest, WaitMillisecondsIsTheSameWhateverTheWaitTime) {
    for (int waitTime : {3, 5}) {
        doc.waitTime = waitTime;
        uint32_t start = CClock::GetTickCount();
        WaitMilliseconds(30, 1, 0);
        uint32_t elapsed = CClock::GetTickCount() - start;
        EXPECT_GE(elapsed, 29u);
        EXPECT_LT(elapsed, 200u);
    }
}

TEST_F(WaitTest, TimeScaleZeroMakesLongWaitsInstant) {
    CClock::SetTimeScale(0);
    doc.waitTime = 100;
    uint32_t start = CClock::GetTickCount();
    EXPECT_EQ(Wait(600000, 0, 1), 0);
    EXPECT_LT(static_cast<uint32_t>(CClock::GetTickCount() - start), 100u);
}
