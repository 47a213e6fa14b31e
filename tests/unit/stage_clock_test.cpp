#include "game/stage_clock.h"

#include <gtest/gtest.h>

#include <string>

namespace {

StageClock clockAt(int tensOfMinutes, int minutes, int tensOfSeconds, int seconds) {
    StageClock clock;
    clock.tensOfMinutes = tensOfMinutes;
    clock.minutes = minutes;
    clock.tensOfSeconds = tensOfSeconds;
    clock.seconds = seconds;
    clock.gameState = stageRunning;
    clock.target = 10;
    clock.nectarPerLoad = 2;
    return clock;
}

std::string shown(const StageClock& c) {
    return std::to_string(c.tensOfMinutes) + std::to_string(c.minutes) + ":" +
           std::to_string(c.tensOfSeconds) + std::to_string(c.seconds);
}

TEST(StageClock, StartsFromTheStageFile) {
    StageSettings stage;
    stage.clockSeconds = 5;
    stage.clockTensOfSeconds = 4;
    stage.clockMinutes = 3;
    stage.clockTensOfMinutes = 1;
    stage.target = 30;
    stage.nectarPerLoad = 3;

    StageClock clock;
    clock.collected = 7;
    clock.nectarPerLoad = 9;  // left from the previous stage
    startStageClock(clock, stage);
    EXPECT_EQ(shown(clock), "13:45");
    EXPECT_EQ(clock.gameState, stageRunning);
    EXPECT_EQ(clock.target, 30);
    EXPECT_EQ(clock.collected, 0);
    EXPECT_EQ(clock.nectarPerLoad, 9);  // a stage without sprites keeps the previous value

    stage.spritesOn = 1;
    startStageClock(clock, stage);
    EXPECT_EQ(clock.nectarPerLoad, 3);
}

TEST(StageClock, CountsDownOneSecondATick) {
    const std::pair<StageClock, const char*> cases[] = {
        {clockAt(0, 1, 0, 0), "00:59"}, {clockAt(1, 0, 0, 0), "09:59"},
        {clockAt(0, 0, 1, 0), "00:09"}, {clockAt(0, 0, 0, 1), "00:00"},
        {clockAt(2, 3, 4, 5), "23:44"}, {clockAt(0, 2, 0, 9), "02:08"},
    };
    for (auto [clock, after] : cases) {
        SCOPED_TRACE(shown(clock));
        int exitOpen = 0;
        stageClockTick(clock, exitOpen, true, false);
        EXPECT_EQ(shown(clock), after);
    }
}

TEST(StageClock, StandsStillWhenPausedOrStopped) {
    int exitOpen = 0;
    StageClock paused = clockAt(0, 1, 0, 0);
    stageClockTick(paused, exitOpen, true, true);
    EXPECT_EQ(shown(paused), "01:00");

    StageClock stopped = clockAt(0, 1, 0, 0);
    stopped.gameState = stageStopped;
    stageClockTick(stopped, exitOpen, true, false);
    EXPECT_EQ(shown(stopped), "01:00");
}

TEST(StageClock, AClockAtZeroEndsTheStageAtTheFirstTick) {
    StageClock clock = clockAt(0, 0, 0, 0);
    int exitOpen = 0;
    ClockTickEvents events = stageClockTick(clock, exitOpen, true, false);
    EXPECT_TRUE(events.timeUp);
    EXPECT_FALSE(events.lastSeconds);
    EXPECT_EQ(clock.gameState, stageStopped);

    // Off the game screen (the main menu during a level) it waits, stopped, at 0:00.
    StageClock away = clockAt(0, 0, 0, 0);
    events = stageClockTick(away, exitOpen, false, false);
    EXPECT_FALSE(events.timeUp);
    EXPECT_EQ(away.gameState, stageTimeUp);
    EXPECT_EQ(shown(away), "00:00");
}

TEST(StageClock, TheLastTenSecondsClick) {
    StageClock clock = clockAt(0, 0, 1, 3);
    int exitOpen = 0;
    std::string clicks;
    for (int tick = 0; tick < 15; ++tick) {
        ClockTickEvents events = stageClockTick(clock, exitOpen, true, false);
        if (events.timeUp) {
            clicks += "end";
            break;
        }
        if (events.lastSeconds) clicks += shown(clock) + " ";
    }
    EXPECT_EQ(clicks, "00:10 00:09 00:08 00:07 00:06 00:05 00:04 00:03 00:02 00:01 00:00 end");

    StageClock away = clockAt(0, 0, 0, 5);
    EXPECT_FALSE(stageClockTick(away, exitOpen, false, false).lastSeconds);
    StageClock minuteLeft = clockAt(0, 1, 0, 5);
    EXPECT_FALSE(stageClockTick(minuteLeft, exitOpen, true, false).lastSeconds);
}

TEST(StageClock, TheExitOpensOnceTheTargetIsDelivered) {
    struct Case {
        int target;
        int collected;
        bool gameScreen;
        bool opens;
    };
    const Case cases[] = {
        {0, 0, true, true},  // a target of 0 opens it at the first tick
        {10, 9, true, false}, {10, 10, true, true},
        {10, 15, true, true}, {10, 10, false, false},  // only while the game screen shows
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target * 100 + c.collected);
        StageClock clock = clockAt(0, 5, 0, 0);
        clock.target = c.target;
        clock.collected = c.collected;
        int exitOpen = 0;
        EXPECT_EQ(stageClockTick(clock, exitOpen, c.gameScreen, false).exitOpened, c.opens);
        EXPECT_EQ(exitOpen, c.opens ? 1 : 0);
        EXPECT_FALSE(stageClockTick(clock, exitOpen, c.gameScreen, false).exitOpened);
    }
}

TEST(StageClock, RemainingLoads) {
    struct Case {
        int target, collected, perLoad, remaining;
    };
    const Case cases[] = {
        {10, 0, 5, 2},  {11, 0, 5, 3},  {10, 9, 5, 1},
        {10, 10, 5, 0}, {10, 12, 5, 0},  // never negative
        {7, 0, 0, 7},                    // nectar per load 0 counts as 1
        {10, 0, -5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target * 10000 + c.collected * 100 + c.perLoad);
        EXPECT_EQ(remainingLoads(c.target, c.collected, c.perLoad), c.remaining);
    }

    StageClock clock = clockAt(0, 5, 0, 0);
    clock.target = 37;
    clock.nectarPerLoad = 0;
    int exitOpen = 0;
    stageClockTick(clock, exitOpen, true, false);
    EXPECT_EQ(clock.nectarPerLoad, 1);
    EXPECT_EQ(clock.remainingLoadsTens, 3);
    EXPECT_EQ(clock.remainingLoadsUnits, 7);

    clock.collected = 40;
    stageClockTick(clock, exitOpen, true, false);
    EXPECT_EQ(clock.remainingLoadsTens * 10 + clock.remainingLoadsUnits, 0);
}

}  // namespace
