#pragma once
// The stage clock: four digits counting down once a second, the game state, and the
// nectar tally the clock compares with the target to open the hive's exit.

#include "game/stage_settings.h"

enum StageState : int {
    stageStopped = 0,  // no stage running (or it has ended)
    stageRunning = 1,
    stageTimeUp = 2,  // the clock has stood at 0:00 for one tick
};

inline constexpr const char* exitOpenSound = "MOV\\brawo.wav";
inline constexpr const char* lastSecondsSound = "MOV\\klik.wav";

struct StageClock {
    int seconds = 0;
    int tensOfSeconds = 0;
    int minutes = 0;
    int tensOfMinutes = 0;
    int gameState = stageStopped;
    int collected = 0;      // nectar delivered to the hive
    int target = 0;         // the stage's target
    int nectarPerLoad = 0;  // the stage's nectar per load, set only when it has sprites
    int remainingLoadsTens = 0;
    int remainingLoadsUnits = 0;

    bool atZero() const {
        return seconds == 0 && tensOfSeconds == 0 && minutes == 0 && tensOfMinutes == 0;
    }
    int secondsLeft() const {
        return tensOfMinutes * 600 + minutes * 60 + tensOfSeconds * 10 + seconds;
    }
};

// The clock's part of the stage start: the digits, the target and (only for a stage with
// nectar sprites; otherwise the previous value stays) the nectar per load; the stage runs
// and nothing is collected yet.
void startStageClock(StageClock& clock, const StageSettings& stage);

// Loads still to deliver: ceil((target - collected) / nectar per load), never negative; a
// nectar per load of 0 counts as 1.
int remainingLoads(int target, int collected, int nectarPerLoad);

// What one tick asks of the caller, besides the clock's own changes.
struct ClockTickEvents {
    bool timeUp = false;       // run the time-up end of the stage (the clock has stopped it)
    bool exitOpened = false;   // the exit has just opened: play exitOpenSound
    bool lastSeconds = false;  // play lastSecondsSound
};

// The one-second tick: stops the stage once the clock has reached 0:00, updates the
// remaining-loads digits, opens the exit (`exitOpen` set to 1) once the target is
// delivered, counts one second down while running and not paused, and sounds the last ten
// seconds. The exit and the sounds need the game screen to be showing.
ClockTickEvents stageClockTick(StageClock& clock, int& exitOpen, bool gameScreenShowing,
                               bool paused);
