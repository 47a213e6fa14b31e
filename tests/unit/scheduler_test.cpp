#include "platform/scheduler.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/clock.h"

namespace {

std::string fired;

void every20(int) {
    fired += "a" + std::to_string(platform::timeGetTime()) + " ";
    platform::scheduler().arm(20, every20, 20);
}
void every50(int) {
    fired += "b" + std::to_string(platform::timeGetTime()) + " ";
    platform::scheduler().arm(50, every50, 50);
}
void once(int value) {
    fired += "o" + std::to_string(value) + " ";
}

class FixedStep : public testing::Test {
  protected:
    void SetUp() override {
        fired.clear();
        platform::scheduler().reset();
        platform::scheduler().setFixedStep(50);
    }
    void TearDown() override {
        platform::scheduler().reset();
        platform::scheduler().setFixedStep(0);
    }
};

TEST_F(FixedStep, TimersFireInTimeOrderAndReadTheirDueTime) {
    every20(1);  // both start their chains now, at 0
    every50(1);
    fired.clear();
    platform::scheduler().advanceFrame();
    EXPECT_EQ(fired, "a20 a40 b50 ");
    EXPECT_EQ(platform::timeGetTime(), 50u);
    fired.clear();
    platform::scheduler().advanceFrame();
    // Both are due at 100: the 50 ms timer re-armed first (at 50), so it fires first.
    EXPECT_EQ(fired, "a60 a80 b100 a100 ");
    EXPECT_EQ(platform::timeGetTime(), 100u);
    EXPECT_EQ(platform::scheduler().pending(), 2u);  // each re-armed itself once
}

TEST_F(FixedStep, TiesFireInTheOrderTheyWereArmed) {
    platform::scheduler().arm(30, once, 2);
    platform::scheduler().arm(30, once, 1);
    platform::scheduler().arm(10, once, 3);
    platform::scheduler().advanceFrame();
    EXPECT_EQ(fired, "o3 o2 o1 ");
    EXPECT_EQ(platform::scheduler().pending(), 0u);
}

TEST_F(FixedStep, ATimerDueAfterTheFrameWaits) {
    platform::scheduler().arm(51, once, 7);
    platform::scheduler().advanceFrame();
    EXPECT_EQ(fired, "");
    platform::scheduler().advanceFrame();
    EXPECT_EQ(fired, "o7 ");
}

TEST(RealTime, TimersGoToTheWindowSystemAndTheClockIsReal) {
    static int handed = 0;
    platform::scheduler().setFixedStep(0);
    platform::scheduler().setRealBackend([](unsigned delay, platform::TimerFunc, int value) {
        handed += static_cast<int>(delay) + value;
    });
    platform::scheduler().arm(1000, once, 5);
    platform::scheduler().advanceFrame();  // nothing to do in real time
    EXPECT_EQ(handed, 1005);
    EXPECT_EQ(platform::scheduler().pending(), 0u);
    uint32_t before = platform::timeGetTime();
    EXPECT_GE(platform::timeGetTime(), before);
    platform::scheduler().setRealBackend(nullptr);
}

}  // namespace
