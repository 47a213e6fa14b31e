#include "game/stage_end.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

StageSettings scoring() {
    StageSettings stage;
    stage.pointsPerNectar = 1.5f;
    stage.pointsPerSecondLeft = 2.5f;
    return stage;
}

StageClock finishedClock(int collected, int tensOfMinutes, int minutes, int tensOfSeconds,
                         int seconds) {
    StageClock clock;
    clock.gameState = stageRunning;
    clock.collected = collected;
    clock.tensOfMinutes = tensOfMinutes;
    clock.minutes = minutes;
    clock.tensOfSeconds = tensOfSeconds;
    clock.seconds = seconds;
    return clock;
}

ProgressTable tableWithScores(std::initializer_list<int> scores) {
    ProgressTable table;
    size_t row = 0;
    for (int score : scores) {
        table.scores[row] = score;
        table.names[row] = "p" + std::to_string(score);
        ++row;
    }
    return table;
}

TEST(StageScore, NectarPointsAndTimeBonusAreTruncated) {
    ScoreParts parts = scoreParts(finishedClock(7, 1, 2, 3, 4), scoring());
    EXPECT_EQ(parts.nectarPoints, 10);  // 7 × 1.5 = 10.5
    EXPECT_EQ(parts.timeBonus, (600 + 120 + 30 + 4) * 5 / 2);
    EXPECT_EQ(parts.stageScore(), 10 + 1885);
    EXPECT_EQ(scoreParts(finishedClock(7, 0, 0, 0, 0), scoring()).timeBonus, 0);
}

TEST(BestScores, InsertScore) {
    struct Case {
        int score;
        int row;
    };
    const Case cases[] = {
        {1000, 0}, {900, 0},  // a tie goes above the entry it equals
        {850, 1},  {100, 8}, {99, -1}, {-5, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        ProgressTable table = tableWithScores({900, 800, 700, 600, 500, 400, 300, 200, 100});
        EXPECT_EQ(insertScore(table, c.score), c.row);
        if (c.row < 0) {
            EXPECT_EQ(table.scores[8], 100);
            continue;
        }
        const size_t row = static_cast<size_t>(c.row);
        EXPECT_EQ(table.scores[row], c.score);
        EXPECT_EQ(table.names[row], "");
        EXPECT_EQ(table.names[row + 1], "p" + std::to_string(table.scores[row + 1]));
        EXPECT_EQ(table.scores[9], 100);  // pushed out into the spare slot
    }
    ProgressTable empty;
    EXPECT_EQ(insertScore(empty, 0), 0);  // an empty table takes even a score of 0
}

TEST(StageEnd, NothingHappensWhileTheExitIsClosed) {
    StageClock clock = finishedClock(5, 0, 1, 0, 0);
    int total = 40;
    ProgressTable table;
    EXPECT_FALSE(completeStage(clock, scoring(), false, 3, total, table, nullptr));
    EXPECT_EQ(clock.gameState, stageRunning);
    EXPECT_EQ(total, 40);
}

TEST(StageEnd, CompletingLevelsOneToNineUnlocksAndSavesTheNext) {
    for (bool alreadyOpen : {false, true}) {
        SCOPED_TRACE(alreadyOpen);
        StageClock clock = finishedClock(10, 0, 1, 0, 0);
        int total = 40;
        ProgressTable table;
        table.unlocked[3] = alreadyOpen ? 1 : 0;
        int saves = 0;
        auto end =
            completeStage(clock, scoring(), true, 3, total, table, [&](const ProgressTable& saved) {
                EXPECT_EQ(saved.unlocked[3], 1);
                ++saves;
                return true;
            });
        ASSERT_TRUE(end);
        EXPECT_EQ(clock.gameState, stageStopped);
        EXPECT_EQ(end->score.nectarPoints, 15);
        EXPECT_EQ(end->score.timeBonus, 150);
        EXPECT_EQ(total, 40 + 165);
        EXPECT_EQ(end->resultCode, resultNextLevel);
        EXPECT_EQ(end->nextLevel, 4);
        EXPECT_EQ(end->currentLevel, 3);
        EXPECT_FALSE(end->bestScoreRow);
        EXPECT_EQ(table.unlocked[3], 1);
        EXPECT_EQ(saves, alreadyOpen ? 0 : 1);
    }
}

TEST(StageEnd, CompletingLevelTenEntersTheTotalEvenWithoutARow) {
    for (int best : {100, 1000000}) {
        SCOPED_TRACE(best);
        StageClock clock = finishedClock(0, 0, 0, 0, 0);
        int total = 500;
        ProgressTable table =
            tableWithScores({best, best, best, best, best, best, best, best, best});
        auto end = completeStage(clock, scoring(), true, 10, total, table, [](auto&) {
            ADD_FAILURE() << "level 10 saves nothing";
            return true;
        });
        ASSERT_TRUE(end);
        EXPECT_EQ(end->resultCode, resultBestScores);
        EXPECT_EQ(end->currentLevel, 0);
        EXPECT_EQ(end->nextLevel, 0);
        ASSERT_TRUE(end->bestScoreRow);
        EXPECT_EQ(*end->bestScoreRow, best == 100 ? 0 : -1);
    }
}

TEST(StageEnd, TimeUpEntersTheTotalAndEndsTheGame) {
    for (int best : {100, 1000000}) {
        SCOPED_TRACE(best);
        StageClock clock = finishedClock(4, 0, 0, 0, 0);
        int total = 500;
        ProgressTable table = tableWithScores({best});
        StageEnd end = endStageTimeUp(clock, scoring(), total, table);
        EXPECT_EQ(clock.gameState, stageStopped);
        EXPECT_EQ(end.score.timeBonus, 0);
        EXPECT_EQ(total, 506);
        EXPECT_EQ(end.currentLevel, 0);
        ASSERT_TRUE(end.bestScoreRow);
        EXPECT_EQ(*end.bestScoreRow, best == 100 ? 0 : 1);
        EXPECT_EQ(end.resultCode, resultBestScores);
    }
    StageClock clock = finishedClock(0, 0, 0, 0, 0);
    int total = -1;  // below every entry of a fresh table
    ProgressTable table;
    StageEnd end = endStageTimeUp(clock, scoring(), total, table);
    EXPECT_EQ(*end.bestScoreRow, -1);
    EXPECT_EQ(end.resultCode, resultGameOver);
}

TEST(StageEnd, TheRunningTotalSaturates) {
    StageSettings stage = scoring();
    stage.pointsPerNectar = 1e30f;
    StageClock clock = finishedClock(1, 0, 0, 0, 0);
    int total = INT_MAX - 5;
    ProgressTable table;
    endStageTimeUp(clock, stage, total, table);
    EXPECT_EQ(total, INT_MAX);
}

}  // namespace
