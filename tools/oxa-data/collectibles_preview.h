#pragma once
// Pictures for checking the flowers, plants, nectar glow, icons and the panel by eye. The
// files are read back with the game's own readers and drawn the way the game draws them.

#include <filesystem>

#include "data_tree.h"

// Writes collectibles.png (a small meadow from a few viewpoints) and panel.png.
void renderCollectiblePreviews(const DataFiles& files, const std::filesystem::path& dir);

// Writes creatures.png: butterflies, dragonflies, a fish jumping and its splashes.
void renderCreaturePreviews(const DataFiles& files, const std::filesystem::path& dir);
