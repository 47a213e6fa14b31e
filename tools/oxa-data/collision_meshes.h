#pragma once
// The collision meshes "SCE\CLP\sNN.clp" of the levels: group 0 is the hive's entrance,
// then upright boxes and octagons round every solid thing of the level's scene that the
// bee can reach, in slabs of height so that a tree is a thin trunk under a wide crown.

#include <vector>

#include "clp_writer.h"
#include "data_tree.h"
#include "scene_layout.h"

// The entrance the exit covers: a quad facing +z just in front of the hive's door. The
// hive post puts a bee that flies in low at z = 0.201, 0.014 from it, so any flight into
// the hive touches it.
inline constexpr float entranceZ = 0.215f;

std::vector<CollisionShape> collisionShapes(const SceneLayout& layout);

// One mesh per level, each for the scene its stages name.
void addCollisionMeshes(DataFiles& files);
