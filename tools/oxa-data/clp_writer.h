#pragma once
// Collision files (".clp"): fixed-column text. Line 0 is a title the game skips; each
// group is a '#' line (its box as six numbers of 6 characters in columns 2-37, its
// triangle count in columns 38-41) and one line per triangle (nine numbers of 6
// characters in columns 1-54: corners A, B and C).

#include <string>
#include <vector>

#include "scene_layout.h"

struct CollisionShape {
    Vec3 boxMin, boxMax;
    std::vector<WorldTriangle> triangles;
};

// A number in 6 characters with as many decimals as fit.
std::string column6(float value);

std::string encodeCollisionFile(const std::string& title,
                                const std::vector<CollisionShape>& groups);
