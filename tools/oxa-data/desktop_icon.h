#pragma once
// The game's icon for desktop menus: the menus' bee on a honey-coloured disc, drawn at the
// sizes the desktop's icon theme looks for.

#include <filesystem>

// Writes DIR/NxN/apps/oxa.png for N = 48, 128 and 256.
void writeDesktopIcons(const std::filesystem::path& dir);
