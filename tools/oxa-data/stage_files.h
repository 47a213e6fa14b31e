#pragma once
// The text files of the levels: the stage files "STA\scenaLLD.mtt", the dragonfly and
// fish files "STA\wLLDi.mtt" and "STA\rLLDi.mtt" each stage declares, and the fresh
// progress files "STA\eloper1.mtt" to "STA\eloper3.mtt".

#include <string>

#include "data_tree.h"
#include "level_design.h"
#include "scene_layout.h"

// Dragonfly `index` (from 1): a triangle of waypoints across the garden at flying height,
// each leg clear of the garden's solid things.
std::string dragonflyFileText(const StageDesign& stage, int index, const SceneLayout& layout);

// True when nothing solid of the garden stands across the way from one point to another
// at the heights a dragonfly flies.
bool routeIsClear(const SceneLayout& layout, Vec3 from, Vec3 to);

// Fish `index` (from 1): a jump that starts and ends inside the pond.
std::string fishFileText(const StageDesign& stage, int index, const Pond& pond);

// Level 1 open, the others locked, nine empty best scores.
std::string freshProgressText();

// Every stage, creature and progress file (the gardens must have been added: the fish
// need their ponds).
void addStageFiles(DataFiles& files);
