#pragma once
// The order in which a garden scene sends its objects. On a renderer without a GPU every
// covered pixel costs its shading, so the objects that are not blended (opaque and
// alpha-tested ones) go first, nearest the middle of the garden first: the depth test then
// turns away most of the hills and the sky behind the ground before they are shaded. For
// such objects the nearest fragment that passes the alpha test wins whatever the order, so
// the picture stays the same. Blended objects follow in the table's order, over everything
// else; the water keeps its place among them and the exit stays last.

#include <vector>

#include "assets/model_file.h"
#include "scenes/garden_table.h"

struct ObjectCall {
    int step;  // index into the table's draw sequence: its slot and kind
    int object;

    bool operator==(const ObjectCall&) const = default;
};

// What the order needs to know of one object of the scene's model.
struct ObjectLook {
    bool blended = true;
    double distance = 0;  // from the middle of the garden to its nearest corner
};

// Objects beyond the end of `looks` count as blended. Every object of every step appears
// exactly once; unblended objects at the same distance keep the table's order.
std::vector<ObjectCall> sceneDrawOrder(const GardenTableEntry& scene,
                                       const std::vector<ObjectLook>& looks);

// The table's own order, step by step: what every scene drew before the reordering, and
// what the picture is checked against.
std::vector<ObjectCall> tableDrawOrder(const GardenTableEntry& scene);

// How far the nearest placed vertex of an object lies from the middle of the garden, where
// the bee flies (0, 2, 0); the largest double for an object with nothing to draw. A vertex
// rather than the nearest point of a face: the far walls are few large faces, and their
// corners still put them behind the rings of hills and trees, which is all the order needs.
double distanceFromGardenMiddle(const ModelObject& object);
