#pragma once
// The two ends of a stage, as rules over plain records: completed (the bee flew into the
// hive's entrance with the exit open) and time up. Both stop the clock, add the stage's
// score to the running total and decide where the summary screen leads; the caller frees
// the stage's assets and shows the summary.

#include <functional>
#include <optional>

#include "game/progress_file.h"
#include "game/stage_clock.h"
#include "game/stage_settings.h"

struct ScoreParts {
    int nectarPoints = 0;  // collected × points per nectar unit, truncated
    int timeBonus = 0;     // seconds left × points per second left, truncated
    int stageScore() const;
};

ScoreParts scoreParts(const StageClock& clock, const StageSettings& stage);

// Where the summary's button leads.
enum StageResult : int {
    resultGameOver = 0,    // back to the main menu
    resultNextLevel = 1,   // on to `nextLevel`
    resultBestScores = 2,  // the best scores, with name entry when a row was won
};

struct StageEnd {
    ScoreParts score;
    int resultCode = resultGameOver;
    int nextLevel = 0;     // the level the summary's next-level button starts
    int currentLevel = 0;  // the level in progress from now on (0: none, continue is off)
    // Set when the running total was entered into the best scores: its row 0-8, or -1.
    std::optional<int> bestScoreRow;
};

// Saves the progress table to its file; false when nothing was written.
using ProgressWriter = std::function<bool(const ProgressTable&)>;

// Stage completed. Nothing happens (nullopt) while the exit is closed. Levels 1-9 unlock
// the next level and, when that changes the table, save it at once; level 10 ends the list
// and enters the running total into the best scores.
std::optional<StageEnd> completeStage(StageClock& clock, const StageSettings& stage, bool exitOpen,
                                      int currentLevel, int& runningTotal, ProgressTable& progress,
                                      const ProgressWriter& save);

// Time up, once stageClockTick() has reported it: the running total enters the best
// scores; the summary leads to them when it won a row, otherwise to the main menu.
StageEnd endStageTimeUp(StageClock& clock, const StageSettings& stage, int& runningTotal,
                        ProgressTable& progress);
