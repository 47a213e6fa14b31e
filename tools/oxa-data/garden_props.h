#pragma once
// The props of the gardens, each built once as a mesh in its own space (standing on
// y = 0, facing +z) and then placed any number of times by the scene recipes. Sizes are
// world units: the bee flies between 0.1 and 1.6 above the ground around a hive about
// 0.4 across.

#include <cstdint>

#include "mesh.h"

enum class HiveKind { skep, box, log };
enum class TreeKind { leafy, apple, spruce, willow, birch };

// The hive at the origin, its entrance at hiveEntrance facing +z.
inline constexpr Vec3 hiveEntrance{0, 0.3f, 0.2f};
Mesh hive(HiveKind kind);
// The shiny disc that closes the hive's entrance once the exit is open.
Mesh exitDisc();

Mesh mushroom(int variant);  // 1..4, about 0.5 tall
Mesh tree(TreeKind kind, uint32_t seed);
Mesh stone(uint32_t seed);  // about 1 across, flattened
Mesh stump(uint32_t seed);
Mesh fallenBranch(uint32_t seed, float length);
Mesh logPile();
Mesh crate();
Mesh bench();
Mesh picnicTable();
Mesh gnome();
Mesh lilyPad();

// A house body with a gable roof: walls from the wall band, roof from the roof band.
Mesh house(float width, float depth, float height, float roofHeight, Vec3 tint, bool withRoof,
           bool withWalls, float facadeUnit);
// A gable roof alone over a body of the given size (the town's separate roof objects).
Mesh gableRoof(float width, float depth, float wallHeight, float roofHeight, Band band);

// A fence strip along the segment a..b, `height` tall, one texture repeat per `unit`.
Mesh fenceRun(Vec3 a, Vec3 b, float height, float unit);
Mesh post(float radius, float height);
// A gate panel between two posts, `width` wide, centred on the origin, facing +z.
Mesh gate(float width, float height);

// The parts of an arched bridge across x: deck, railings, piers.
Mesh bridgeDeck(float span);
Mesh bridgeRails(float span);
Mesh bridgePiers(float span);

// A rainbow arch in the x-y plane facing +z, `radius` to its outer edge.
Mesh rainbowArch(float radius, float width);

// One wall (0 front at -z, 1 right at +x, 2 back at +z, 3 left at -x) or the lid (4)
// of the sky box, seen from inside.
Mesh skyFace(int face, float halfSize, float bottom, float top);
