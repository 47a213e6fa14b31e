#pragma once
// The settings screen's data: its layout "MEN\DAT\menuust.mex" and background
// "MEN\BMP_0\menuustz.srm". The items' faces are painted on the main menu's button
// atlases (menuonex lit, menuoney plain), in a band of their own below the main menu's.

#include <vector>

#include "backdrop.h"
#include "data_tree.h"
#include "menu_art.h"

// Where each item's face lies on the main menu's atlases, in item order.
std::vector<AtlasButton> settingsFaceAtlas();

std::vector<LayoutElement> settingsLayout();

// Paints the twelve faces onto a main menu atlas (upright, before it is flipped). The plain
// faces are white, so that the game's yellow tint on what is chosen reads at once.
void paintSettingsFaces(Image& atlas, bool lit);

// `garden`: the view behind the menus, 1024 x 768 colours, rows top first.
Image settingsBackground(const std::vector<Colour>& garden);

void addSettingsScreen(DataFiles& files, const WideGarden& garden);
