#pragma once
// The eighteen garden scenes: a small recipe of data per scene, and the assembly that
// turns a scene of the garden table into the objects of its model file. What object i is
// follows from the texture its draw step binds; the recipe decides where things stand.

#include <cstdint>
#include <string_view>
#include <vector>

#include "geometry3.h"
#include "scenes/garden_table.h"
#include "wkx_writer.h"

struct GardenRecipe {
    int scene;
    uint32_t seed;
    std::string_view mainGround;  // the texture that covers the whole ground
    Vec3 groundTint;              // makes the shared grass textures feel different
    Vec3 pond;                    // centre of the pond (or, in a dry scene, of the bridge)
    float pondRadius;
    float pathHeading;  // direction of the main path from the hive, radians from +z
};

// The recipe of a scene number (0-10, 20-26).
const GardenRecipe& gardenRecipe(int scene);

// Exactly scene.objectCount objects, object i as the table's draw steps call it.
std::vector<SceneObject> buildGarden(const GardenTableEntry& scene);
