#pragma once
// What a written garden scene holds where, read back from its model file: the solid
// things the bee bumps into and flowers keep clear of, the water, the paths and sand. The
// stage data (placement maps, collision meshes, fish) is derived from this, so it always
// matches the scene that is shipped.

#include <optional>
#include <vector>

#include "data_tree.h"
#include "geometry3.h"

struct WorldTriangle {
    Vec3 a, b, c;
};

enum class ThingKind {
    round,  // trees, mushrooms, stones, stumps, gnomes: collide as an upright octagon
    boxy,   // houses, walls, fences, gates, posts, benches, bridges: collide as a box
    water,  // the pond and its lilies
    path,   // paths and sand: no flowers, nothing to bump into
};

// One placement of one object, or one of the separate pieces of a merged mesh (a fence
// side, a house of a row), in world space.
struct SceneThing {
    ThingKind kind;
    std::vector<WorldTriangle> triangles;
    Vec3 min, max;
};

struct Pond {
    Vec3 centre;   // on the water surface
    float radius;  // the nearest point of the shore
};

struct SceneLayout {
    std::vector<SceneThing> things;  // the hive and the exit are left out
    std::optional<Pond> pond;
};

// The hive stands at the origin: anything this close to its axis is the hive itself.
inline constexpr float hiveFootprint = 0.45f;

// Reads the scene's model file from `files` (the gardens must have been added).
SceneLayout readSceneLayout(const DataFiles& files, int sceneNumber);
