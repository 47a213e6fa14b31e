#pragma once
// Where the flowers and plants of a stage stand: random free cells of the placement map,
// drawn from the game's generator in a fixed order. The display lists are compiled from
// these spots (flower_field_gl.cpp, plants_gl.cpp).

#include <array>
#include <span>
#include <vector>

#include "game/placement_map.h"
#include "game/random.h"

struct NectarSprite;

inline constexpr int flowersPerGroup = 6;
inline constexpr int plantKinds = 4;

struct FlowerSpot {
    int column = 0, row = 0;  // map cell
    int turnDegrees = 0;      // about y, 0 to 179
    int shape = 0;            // object of the flower model, 0 to 5
    int texture = 0;          // 0 to 2: kwiat1, kwiat2, kwiat3
};

// Six flowers per group: shapes 0 to 5, two per texture. Flowers 2 to 6 of a group each
// carry the next sprite still without a place (amount set to full); sprites left over
// keep no place. A flower tries 1000 cells at most, then stands on the last one drawn.
std::vector<FlowerSpot> placeFlowers(int groups, const PlacementMap& map, RandomGenerator& random,
                                     std::span<NectarSprite> sprites);

struct PlantSpot {
    float x = 0, z = 0;
    int turnDegrees = 0;  // about y: 0 to 179 for kind 0, 0 to 99 for the others
};

// The plants of each kind, kind 0 first. A plant tries 1000 cells at most, then stands
// on the last one drawn, so a map without a free cell still finishes.
std::array<std::vector<PlantSpot>, plantKinds> placePlants(
    const std::array<int, plantKinds>& counts, const PlacementMap& map, RandomGenerator& random);
