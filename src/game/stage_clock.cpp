#include "game/stage_clock.h"

#include <cmath>

#include "assets/text_lines.h"

void startStageClock(StageClock& clock, const StageSettings& stage) {
    clock.seconds = stage.clockSeconds;
    clock.tensOfSeconds = stage.clockTensOfSeconds;
    clock.minutes = stage.clockMinutes;
    clock.tensOfMinutes = stage.clockTensOfMinutes;
    clock.gameState = stageRunning;
    clock.target = stage.target;
    if (stage.spritesOn == 1) clock.nectarPerLoad = stage.nectarPerLoad;
    clock.collected = 0;
}

int remainingLoads(int target, int collected, int nectarPerLoad) {
    if (nectarPerLoad == 0) nectarPerLoad = 1;
    const double loads = std::ceil((double(target) - collected) / nectarPerLoad);
    const int remaining = truncateToInt(loads);
    return remaining < 0 ? 0 : remaining;
}

namespace {

void countOneSecondDown(StageClock& clock) {
    if (--clock.seconds >= 0) return;
    clock.seconds = 9;
    if (--clock.tensOfSeconds >= 0) return;
    clock.tensOfSeconds = 5;
    if (--clock.minutes >= 0) return;
    clock.minutes = 9;
    --clock.tensOfMinutes;
}

}  // namespace

ClockTickEvents stageClockTick(StageClock& clock, int& exitOpen, bool gameScreenShowing,
                               bool paused) {
    ClockTickEvents events;
    if (clock.atZero()) clock.gameState = stageTimeUp;
    if (clock.nectarPerLoad == 0) clock.nectarPerLoad = 1;
    const int remaining = remainingLoads(clock.target, clock.collected, clock.nectarPerLoad);
    clock.remainingLoadsTens = remaining / 10;
    clock.remainingLoadsUnits = remaining % 10;

    if (gameScreenShowing && clock.gameState == stageTimeUp) {
        // The time-up end leaves the game screen, so nothing else of this tick applies.
        clock.gameState = stageStopped;
        events.timeUp = true;
        return events;
    }
    if (gameScreenShowing && clock.collected >= clock.target && exitOpen == 0) {
        exitOpen = 1;
        events.exitOpened = true;
    }
    if (clock.gameState == stageRunning && !paused) countOneSecondDown(clock);
    if (gameScreenShowing && clock.tensOfMinutes == 0 && clock.minutes == 0)
        events.lastSeconds =
            clock.tensOfSeconds == 0 || (clock.tensOfSeconds == 1 && clock.seconds == 0);
    return events;
}
