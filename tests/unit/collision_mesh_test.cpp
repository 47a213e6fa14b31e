#include "game/collision_mesh.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "assets/data_error.h"

namespace {

std::string fields(std::initializer_list<float> values) {
    std::string text;
    char field[16];
    for (float v : values) {
        std::snprintf(field, sizeof field, "%6.2f", v);
        text += field;
    }
    return text;
}

std::string groupLine(std::array<float, 6> box, int count) {
    char countField[8];
    std::snprintf(countField, sizeof countField, "%4d", count);
    return "#" + fields({box[0], box[1], box[2], box[3], box[4], box[5]}) + countField + "\n";
}

std::string triangleLine(geometry::Vec3 a, geometry::Vec3 b, geometry::Vec3 c) {
    return fields({a.x, a.y, a.z, b.x, b.y, b.z, c.x, c.y, c.z}) + "\n";
}

// A flat square triangle at height y over x, z in -5..5 (normal +y).
std::string floorLine(float y) {
    return triangleLine({-5, y, -5}, {-5, y, 5}, {5, y, -5});
}

const std::array<float, 6> wideBox = {-10, 0, -10, 10, 2, 10};

TEST(CollisionMesh, ReadsGroupsInFileOrder) {
    const std::string file = "collision mesh of level 01\n" + groupLine({-1, 0, -1, 1, 1, 1}, 1) +
                             floorLine(0.5f) + groupLine(wideBox, 2) + floorLine(1.0f) +
                             triangleLine({1, 1, 1}, {2, 2, 2}, {3, 3, 3}) +  // collinear
                             "#  1,50  0,00  0,00  2,00  1,00  3,00   1\n" + floorLine(0.25f) +
                             "\n  \n";  // blank lines at the end are fine
    CollisionMesh mesh = readCollisionMesh(file, "s01.clp");
    EXPECT_TRUE(mesh.loaded);
    ASSERT_EQ(mesh.groups.size(), 3u);
    EXPECT_FLOAT_EQ(mesh.groups[0].box.min.x, -1.0f);
    EXPECT_FLOAT_EQ(mesh.groups[0].box.max.z, 1.0f);
    EXPECT_FLOAT_EQ(mesh.groups[0].triangles[0].a.y, 0.5f);
    ASSERT_EQ(mesh.groups[1].triangles.size(), 2u);
    EXPECT_FALSE(mesh.groups[1].triangles[0].degenerate);
    EXPECT_TRUE(mesh.groups[1].triangles[1].degenerate);
    EXPECT_FLOAT_EQ(mesh.groups[2].box.min.x, 1.5f);  // decimal commas
    EXPECT_FLOAT_EQ(mesh.groups[2].box.max.z, 3.0f);
    EXPECT_FLOAT_EQ(mesh.groups[2].triangles[0].c.x, 5.0f);

    mesh.release();
    EXPECT_FALSE(mesh.loaded);
    EXPECT_TRUE(mesh.groups.empty());
    EXPECT_EQ(collisionMeshName("03"), "SCE\\CLP\\s03.clp");
}

TEST(CollisionMesh, BrokenFilesAreRefusedWithTheirLine) {
    std::string tooMany = "header\n";
    for (int g = 0; g <= CollisionMesh::maxGroups; ++g)
        tooMany += groupLine(wideBox, 1) + floorLine(1);
    struct Case {
        std::string body;  // after line 0
        int line;
        const char* message;
    };
    const Case cases[] = {
        {floorLine(1) + groupLine(wideBox, 1) + floorLine(1), 2, "before the first '#'"},
        {groupLine(wideBox, 1) + floorLine(1) + floorLine(2), 4, "more triangle lines"},
        {groupLine(wideBox, 2) + floorLine(1) + groupLine(wideBox, 1) + floorLine(1), 4,
         "count is 2 but only 1"},
        {groupLine(wideBox, 3) + floorLine(1), 4, "count is 3 but only 1"},
        {groupLine(wideBox, 0), 2, "at least one triangle, not 0"},
        {groupLine(wideBox, -2) + floorLine(1), 2, "not -2"},
        {"#" + fields({1}) + "   abc" + fields({0, 1, 1, 1}) + "   1\n" + floorLine(1), 2,
         "'abc' is not a valid floating point value"},
        {groupLine(wideBox, 1) + floorLine(1).substr(0, 48) + "\n", 3,
         "'' is not a valid floating point value"},
        {groupLine(wideBox, 1) + " 1e39 " + floorLine(1).substr(6), 3, "too large"},
        {tooMany.substr(7), 2 * CollisionMesh::maxGroups + 2, "more than 400 collision groups"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            readCollisionMesh("header\n" + c.body, "SCE/CLP/s01.clp");
            ADD_FAILURE() << "accepted";
        } catch (const DataError& e) {
            EXPECT_EQ(e.file(), "SCE/CLP/s01.clp");
            EXPECT_EQ(e.line(), c.line);
            EXPECT_NE(e.message().find(c.message), std::string::npos) << e.message();
        }
    }
}

// A file with its first line and no group is an empty mesh: loaded, and nothing to bump
// into (nor a hive entrance to fly into).
TEST(CollisionMesh, AFileWithoutGroupsIsAnEmptyMesh) {
    for (const char* file : {"", "collision mesh of level 04", "header\r\n", "header\n\n  \n"}) {
        SCOPED_TRACE(file);
        CollisionMesh mesh = readCollisionMesh(file, "s04.clp");
        EXPECT_TRUE(mesh.loaded);
        EXPECT_TRUE(mesh.groups.empty());
        EXPECT_TRUE(collisionHits(mesh, {0, 0.5f, 0.2f}).empty());
    }
}

CollisionMesh meshOf(const std::string& body) {
    return readCollisionMesh("header\n" + body, "s");
}

TEST(CollisionTest, HitsWithinFourHundredthsOfTheTriangle) {
    const CollisionMesh mesh = meshOf(groupLine(wideBox, 1) + floorLine(1.0f));
    const std::pair<float, bool> heights[] = {
        {1.0f, true}, {1.039f, true}, {0.961f, true}, {1.041f, false}, {0.959f, false},
    };
    for (auto [y, hit] : heights) {
        SCOPED_TRACE(y);
        auto hits = collisionHits(mesh, {-2, y, -2});
        ASSERT_EQ(hits.size(), hit ? 1u : 0u);
        if (hit) {
            EXPECT_EQ(hits[0].group, 0);
            EXPECT_EQ(hits[0].triangle, 0);
            EXPECT_NEAR(hits[0].normal.y, 1.0f, 1e-6f);
        }
    }
    EXPECT_TRUE(collisionHits(mesh, {3, 1, 3}).empty());  // beside the triangle

    CollisionMesh unloaded = mesh;
    unloaded.loaded = false;
    EXPECT_TRUE(collisionHits(unloaded, {-2, 1, -2}).empty());
}

TEST(CollisionTest, OnlyBoxesThatStrictlyContainTheBeeAreTested) {
    const CollisionMesh mesh = meshOf(groupLine({-3, 0.5f, -3, 0, 1.5f, 0}, 1) + floorLine(1));
    EXPECT_EQ(collisionHits(mesh, {-2, 1, -2}).size(), 1u);
    EXPECT_TRUE(collisionHits(mesh, {-3, 1, -2}).empty());  // on the box's face
    EXPECT_TRUE(collisionHits(mesh, {-2, 1, 0}).empty());
    EXPECT_TRUE(collisionHits(mesh, {-2, 1.5f, -2}).empty());
}

TEST(CollisionTest, TrianglesAboveTheCeilingAreNeverHit) {
    const std::array<float, 6> highBox = {-10, 0, -10, 10, 3, 10};
    const CollisionMesh above = meshOf(groupLine(highBox, 1) + floorLine(1.62f));
    EXPECT_TRUE(collisionHits(above, {-2, 1.6f, -2}).empty());
    // One corner at or below the ceiling is enough to be tested.
    const CollisionMesh sloped = meshOf(
        groupLine(highBox, 1) + triangleLine({-5, 1.6f, -5}, {-5, 1.62f, 5}, {5, 1.62f, -5}));
    EXPECT_EQ(collisionHits(sloped, {-2, 1.61f, -2}).size(), 1u);
}

TEST(CollisionTest, EachGroupGivesItsFirstHitInFileOrder) {
    const CollisionMesh mesh = meshOf(
        groupLine(wideBox, 3) + triangleLine({1, 1, 1}, {1, 1, 1}, {2, 1, 2}) +  // degenerate
        triangleLine({5, 1, -5}, {-5, 1, 5}, {-5, 1, -5}) +                      // normal -y
        floorLine(1) + groupLine({-9, 0, -9, 9, 1.5f, 9}, 1) + floorLine(1.02f) +
        groupLine({5, 0, 5, 9, 1.5f, 9}, 1) + floorLine(1));
    auto hits = collisionHits(mesh, {-2, 1, -2});
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].group, 0);
    EXPECT_EQ(hits[0].triangle, 1);
    EXPECT_NEAR(hits[0].normal.y, -1.0f, 1e-6f);
    EXPECT_EQ(hits[1].group, 1);
    EXPECT_EQ(hits[1].triangle, 0);
    EXPECT_NEAR(hits[1].normal.y, 1.0f, 1e-6f);
}

}  // namespace
