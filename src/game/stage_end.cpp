#include "game/stage_end.h"

#include <cstdint>
#include <limits>

#include "assets/text_lines.h"

namespace {

// The running total saturates instead of wrapping round.
void addToTotal(int& total, int score) {
    const int64_t sum = int64_t{total} + score;
    total = sum > std::numeric_limits<int>::max()   ? std::numeric_limits<int>::max()
            : sum < std::numeric_limits<int>::min() ? std::numeric_limits<int>::min()
                                                    : static_cast<int>(sum);
}

StageEnd finish(StageClock& clock, const StageSettings& stage, int& runningTotal) {
    clock.gameState = stageStopped;
    StageEnd end;
    end.score = scoreParts(clock, stage);
    addToTotal(runningTotal, end.score.stageScore());
    return end;
}

}  // namespace

int ScoreParts::stageScore() const {
    const int64_t sum = int64_t{nectarPoints} + timeBonus;
    return truncateToInt(static_cast<double>(sum));
}

ScoreParts scoreParts(const StageClock& clock, const StageSettings& stage) {
    ScoreParts parts;
    parts.nectarPoints = truncateToInt(double(clock.collected) * stage.pointsPerNectar);
    parts.timeBonus = truncateToInt(double(clock.secondsLeft()) * stage.pointsPerSecondLeft);
    return parts;
}

std::optional<StageEnd> completeStage(StageClock& clock, const StageSettings& stage, bool exitOpen,
                                      int currentLevel, int& runningTotal, ProgressTable& progress,
                                      const ProgressWriter& save) {
    if (!exitOpen) return std::nullopt;
    StageEnd end = finish(clock, stage, runningTotal);
    end.resultCode = resultNextLevel;
    end.currentLevel = currentLevel;
    if (currentLevel >= 1 && currentLevel < ProgressTable::levelCount) {
        end.nextLevel = currentLevel + 1;
        int& unlocked = progress.unlocked[static_cast<size_t>(currentLevel)];
        if (unlocked != 1) {
            unlocked = 1;
            if (save) save(progress);
        }
    } else if (currentLevel == ProgressTable::levelCount) {
        end.nextLevel = 0;
        end.currentLevel = 0;
        end.resultCode = resultBestScores;
        end.bestScoreRow = insertScore(progress, runningTotal);
    }
    return end;
}

StageEnd endStageTimeUp(StageClock& clock, const StageSettings& stage, int& runningTotal,
                        ProgressTable& progress) {
    StageEnd end = finish(clock, stage, runningTotal);
    end.bestScoreRow = insertScore(progress, runningTotal);
    end.currentLevel = 0;
    end.resultCode = *end.bestScoreRow == -1 ? resultGameOver : resultBestScores;
    return end;
}
