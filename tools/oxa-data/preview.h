#pragma once
// A small software renderer that draws each garden as the game would (textures by the
// draw sequence, alpha test, blending, culling per material letter, near 0.1 and far 450,
// 60 degrees) from a few viewpoints, one PNG per scene: for checking layouts by eye.

#include <filesystem>

#include "data_tree.h"

// Scene -1: all scenes.
void renderPreviews(const DataFiles& files, const std::filesystem::path& dir, int scene);
