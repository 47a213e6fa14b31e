#pragma once
// The way into a level: the difficulty screen ("MEN\DAT\menutryb.mex" with "menutryy" and
// "poziom"), the level choice ("metrybzr.mex" with the level pictures "menuzrec" and
// "menueduk"), the loading picture ("menuin.mex", "menuintz", "menuinta") and the countdown
// ("odliczan.mex", "odliczan"). Each level's picture is a small view of its own garden.

#include <vector>

#include "data_tree.h"
#include "layout_writer.h"

std::vector<LayoutElement> difficultyLayout();
std::vector<LayoutElement> levelChoiceLayout();
std::vector<LayoutElement> loadingLayout();
std::vector<LayoutElement> countdownLayout();

// Adds these files; the gardens and the main menu must be in `files` already.
void addPlayMenus(DataFiles& files);
