#pragma once
// A level, from its id to the first frame of play, and its two ends.

#include <string>

#include "game/stage_end.h"

// Starts the level with this two-digit id ("03") at the current difficulty; the caller has
// set medium.currentLevel. When the stage file, its placement map or its collision mesh is
// missing or damaged, one line on stderr says which and why, the game goes back to the
// main menu, nothing of the level in progress is freed, and it returns false. Play begins
// after the countdown. A collision mesh without
// groups is played without collisions (and one line says the hive cannot be entered).
bool startLevel(const std::string& levelId);

// A level chosen in the menus (or the summary's next level): medium.currentLevel becomes
// `level` only if the level starts; otherwise it keeps the level in progress.
bool startChosenLevel(int level);

// The one-second stage clock.
void stageClockTimer();

// The bee touched the hive's entrance: the stage is won if the exit is open.
void tryCompleteStage();

// The stage has ended (won or time up): its assets are freed and the summary follows.
void applyStageEnd(const StageEnd& end, bool won);

// Testers' and level designers' start (--level): each stage end prints one line on stdout;
// with exitAfterLevel the game then ends.
void reportStageEnds(bool exitAfterLevel);
