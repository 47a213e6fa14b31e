#pragma once
// The placement maps "STA\kontrolaNN.bmp": where in a garden flowers, plants and icons may
// stand. Red 255 is a free spot; every blocked spot has another red, and a colour that
// tells a person looking at the picture why it is blocked.

#include <array>
#include <cstdint>

#include "data_tree.h"
#include "scene_layout.h"

enum class MapCell : uint8_t { free, solid, water, path, hive, edge };

// [column][row]: column i stands for x = i * 0.15625 - 20, row j (from the top of the
// picture) for z = j * 0.15625 - 20.
using MapCells = std::array<std::array<MapCell, 256>, 256>;

// Flowers keep clear of the hive by this much, so the way home is never crowded.
inline constexpr float hiveClearing = 1.6f;

MapCells placementCells(const SceneLayout& layout);
std::string encodePlacementMap(const MapCells& cells);

// One map for every garden scene.
void addPlacementMaps(DataFiles& files);
