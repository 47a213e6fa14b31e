#pragma once
// `clip_plan`: the triangles the bee bumps into, read from "SCE\CLP\s" + level id + ".clp".
//
// The file is fixed-column text, columns counted from 1. Line 0 is ignored. A line starting
// with '#' opens a group: its box in columns 2-37 (min x, y, z, max x, y, z, six numbers of
// 6 characters) and its triangle count in columns 38-41. Exactly that many triangle lines
// follow, each nine numbers of 6 characters in columns 1-54 (corners A, B, C as x, y, z).
// Groups keep their file order; group 0 is the hive's entrance.

#include <string>
#include <string_view>
#include <vector>

#include "geometry/plane_geometry.h"

struct CollisionBox {
    geometry::Vec3 min;
    geometry::Vec3 max;

    // Strictly inside: a point on a face is outside.
    bool contains(const geometry::Vec3& p) const {
        return min.x < p.x && p.x < max.x && min.y < p.y && p.y < max.y && min.z < p.z &&
               p.z < max.z;
    }
};

struct CollisionTriangle {
    geometry::Vec3 a, b, c;
    // No plane to bump into (equal or collinear corners): the collision test skips it.
    bool degenerate = false;
};

struct CollisionGroup {
    CollisionBox box;
    std::vector<CollisionTriangle> triangles;
};

struct CollisionMesh {
    static constexpr int maxGroups = 400;
    static constexpr int entranceGroup = 0;  // the hive's entrance: completes the stage

    std::vector<CollisionGroup> groups;
    bool loaded = false;

    void release() {
        groups.clear();
        loaded = false;
    }
};

// Reads a collision file into a loaded mesh. A file with nothing after its first line is an
// empty mesh: the bee bumps into nothing, and with no entrance group the stage cannot be
// won by flying into the hive. Refuses with a DataError (file and line) a file whose line 1
// is not a '#' line, a count below 1, fewer or more triangle lines than a
// group's count, more than 400 groups, and a field that is not a number or too large for a
// float. Blank lines at the end of the file are ignored.
CollisionMesh readCollisionMesh(std::string_view bytes, const std::string& fileName);

// "SCE\CLP\s" + level id + ".clp".
std::string collisionMeshName(std::string_view levelId);

// The first triangle the bee touches in one group, and the normal she bounces along.
struct CollisionHit {
    int group = 0;
    int triangle = 0;
    geometry::Vec3 normal;  // unit normal (B - A) × (C - A)
};

// The bee at `position` against the mesh: every group whose box strictly contains her is
// walked in file order, skipping degenerate triangles and those with all three corners
// above the bee's ceiling (1.6); a triangle is hit when her distance from its plane is
// within ±0.04 and she lies inside it. Returns each tested group's first hit, in group
// order, nothing when no mesh is loaded. The caller applies the hits in that order: a hit
// on the entrance group tries to complete the stage, any other hit bounces the bee, each
// bounce starting from the velocity the previous one left.
std::vector<CollisionHit> collisionHits(const CollisionMesh& mesh, const geometry::Vec3& position);
// The same into a list the caller keeps, so the frame loop allocates nothing once the list
// has room for every group.
void collisionHits(const CollisionMesh& mesh, const geometry::Vec3& position,
                   std::vector<CollisionHit>& hits);

extern CollisionMesh clip_plan;
