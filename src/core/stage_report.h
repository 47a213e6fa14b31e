#pragma once
// How a stage ended, as one record: what the level-start line prints, what --dump writes
// and what the level runner and the benchmark wait for.

#include <string>

struct StageReport {
    int level = 0;
    int difficulty = 0;
    bool won = false;
    int collected = 0;    // nectar delivered
    int secondsLeft = 0;  // on the stage clock
    int nectarPoints = 0;
    int timeBonus = 0;
    int total = 0;     // the running total after this stage
    int unlocked = 0;  // levels open at this difficulty
    int stolen = 0;    // loads butterflies and dragonflies took from the bee
};

// One line of a dump file, without the line end:
// "level 01 difficulty 1 won nectar 60 clock 3:12 points 600+960 total 1560 unlocked 2
// stolen 0"
std::string dumpLine(const StageReport& report);

// Who hears of stage ends (one listener; nullptr for none).
using StageEndListener = void (*)(const StageReport& report);
void setStageEndListener(StageEndListener listener);
void notifyStageEnd(const StageReport& report);
