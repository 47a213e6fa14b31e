#pragma once
// The level summary ("MEN\DAT\menupod.mex" with "MEN\BMP_0\menupods.srm") and the best
// scores ("MEN\DAT\menuwyn.mex"; its tabs lie on "poziom" below the difficulty buttons).

#include <vector>

#include "data_tree.h"
#include "layout_writer.h"
#include "paint.h"

std::vector<LayoutElement> summaryLayout();
std::vector<LayoutElement> recordsLayout();

// Paints the three difficulty tabs (normal left, highlighted 512 texels right) on `poziom`,
// painted the right way up (not yet flipped).
void paintRecordTabs(Image& poziom);

// Adds the summary's and the best scores' files; the main menu must be in `files` already.
void addScoreMenus(DataFiles& files);
