// The level data the generator writes, read back with the game's own readers.

#include "stage_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "assets/model_file.h"
#include "assets/text_lines.h"
#include "assets/texture_file.h"
#include "bee_model.h"
#include "collision_meshes.h"
#include "game/collision_mesh.h"
#include "game/dragonfly.h"
#include "game/nectar.h"
#include "game/placement_map.h"
#include "game/progress_file.h"
#include "game/random.h"
#include "game/stage_settings.h"
#include "geometry/plane_geometry.h"
#include "level_design.h"
#include "scene_layout.h"
#include "scenes/garden_table.h"
#include "stage_files.h"

namespace {

const DataFiles& tree() {
    static const DataFiles files = [] {
        DataFiles made = buildDataTree();
        addStageData(made);
        return made;
    }();
    return files;
}

const std::string& file(const std::string& name) {
    auto found = tree().find(name);
    if (found == tree().end()) throw std::runtime_error("missing " + name);
    return found->second;
}

std::string levelId(int level) {
    char id[8];
    std::snprintf(id, sizeof id, "%02d", level);
    return id;
}

std::string stageName(int level, int difficulty) {
    return stageFileName(levelId(level), difficulty);
}

// The numbers of a creature file, one a line (the first 10 characters).
std::vector<float> numbers(const std::string& text) {
    std::vector<float> values;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        values.push_back(std::stof(line.substr(0, 10)));
    }
    return values;
}

std::string creatureName(char letter, int level, int difficulty, int index) {
    char name[32];
    std::snprintf(name, sizeof name, "STA\\%c%02d%d%d.mtt", letter, level, difficulty, index);
    return name;
}

TEST(StageFiles, EveryStageReadsBackAndItsTargetCanBeReached) {
    for (int level = 1; level <= levelCount; ++level) {
        for (int difficulty = 1; difficulty <= 3; ++difficulty) {
            SCOPED_TRACE(stageName(level, difficulty));
            std::string name = stageName(level, difficulty);
            StageSettings s = readStageSettings(file(name), name);
            EXPECT_EQ(s.sceneNumber, levelScene(level));
            EXPECT_NE(findGarden(s.sceneNumber), nullptr);
            // Every load counts nectar per load; spare sprites make up for stolen loads.
            EXPECT_GE(s.spriteCount * s.nectarPerLoad, s.target * 13 / 10);
            EXPECT_EQ(s.target % s.nectarPerLoad, 0);
            EXPECT_GE(s.flowerGroups * 5, s.spriteCount);  // a place on a flower for each
            int seconds = s.clockTensOfMinutes * 600 + s.clockMinutes * 60 +
                          s.clockTensOfSeconds * 10 + s.clockSeconds;
            // The clocks are tuned with both autopilot styles (docs/challenge.md); none is
            // shorter than two minutes.
            EXPECT_GE(seconds, 120);
            // She starts outside the hive post, low enough to gather nectar at once.
            EXPECT_GT(std::hypot(s.beeStartX, s.beeStartZ), 0.2f);
            EXPECT_GE(s.beeStartY, 0.48f);
            EXPECT_LE(s.beeStartY, 0.68f);
            EXPECT_FLOAT_EQ(s.beeScale, beeScale);
            EXPECT_GT(s.boostedMaxSpeed, s.maxSpeed);
            EXPECT_GE(s.acceleration, 1.0f);
            EXPECT_EQ(s.musicFile, "MOV\\muzyka" + levelId(level) + ".wav");
            if (level == 1 && difficulty == 1) {
                EXPECT_EQ(s.butterflyCount + s.dragonflyCount, 0) << "nothing chases on level 1";
            }
            if (difficulty > 1) {
                StageSettings easier = readStageSettings(file(stageName(level, difficulty - 1)),
                                                         stageName(level, difficulty - 1));
                EXPECT_GE(s.target, easier.target);
                EXPECT_EQ(s.sceneNumber, easier.sceneNumber);
            }
        }
    }
}

TEST(StageFiles, TheTenLevelsUseTenGardens) {
    std::set<int> scenes;
    for (int level = 1; level <= levelCount; ++level) scenes.insert(levelScene(level));
    EXPECT_EQ(scenes.size(), 10u);
}

const SceneLayout& layoutOf(int level) {
    static std::map<int, SceneLayout> layouts;
    auto found = layouts.find(level);
    if (found == layouts.end())
        found = layouts.emplace(level, readSceneLayout(tree(), levelScene(level))).first;
    return found->second;
}

TEST(CreatureFiles, DragonfliesCrossTheGardenAndFishJumpInsideThePond) {
    for (int level = 1; level <= levelCount; ++level) {
        auto pond = readSceneLayout(tree(), levelScene(level)).pond;
        for (int difficulty = 1; difficulty <= 3; ++difficulty) {
            StageSettings s =
                readStageSettings(file(stageName(level, difficulty)), stageName(level, difficulty));
            for (int i = 1; i <= s.dragonflyCount; ++i) {
                SCOPED_TRACE(creatureName('w', level, difficulty, i));
                std::vector<float> v = numbers(file(creatureName('w', level, difficulty, i)));
                ASSERT_EQ(v.size(), 15u);
                for (size_t corner : {0u, 4u, 7u}) {
                    EXPECT_LT(std::fabs(v[corner]), 19.0f);
                    EXPECT_LT(std::fabs(v[corner + 2]), 19.0f);
                    EXPECT_GE(v[corner + 1], 0.3f);
                    EXPECT_LE(v[corner + 1], 1.4f);
                }
                EXPECT_GT(v[3], 0.0f);   // cruising step
                EXPECT_GT(v[12], 0.0f);  // cooldown
                // A, B and C start at lines 0, 4 and 7.
                const size_t corners[3] = {0, 4, 7};
                for (size_t k = 0; k < 3; ++k) {
                    const size_t from = corners[k], to = corners[(k + 1) % 3];
                    EXPECT_TRUE(routeIsClear(layoutOf(level), {v[from], v[from + 1], v[from + 2]},
                                             {v[to], v[to + 1], v[to + 2]}))
                        << "leg " << k + 1;
                }
            }
            if (s.fishCount > 0) {
                ASSERT_TRUE(pond) << "fish need a pond";
            }
            for (int i = 1; i <= s.fishCount; ++i) {
                SCOPED_TRACE(creatureName('r', level, difficulty, i));
                std::vector<float> v = numbers(file(creatureName('r', level, difficulty, i)));
                ASSERT_EQ(v.size(), 10u);
                float reach = v[7] * v[0];  // radius × scale: where the jump starts and ends
                float off = std::hypot(v[1] - pond->centre.x, v[3] - pond->centre.z);
                EXPECT_LT(off + reach, pond->radius * 0.8f);
                EXPECT_NEAR(v[2], pond->centre.y, 0.01f);
                EXPECT_GT(v[5] * v[6], 190.0f) << "the jump ends before the next begins";
            }
        }
    }
}

TEST(CreatureFiles, EveryStagesDragonfliesKeepFlyingTheirRoutesInsideTheGarden) {
    // Ten minutes of patrol with the game's own rules, all of a stage's dragonflies sharing
    // their counters as they do in play.
    for (int level = 1; level <= levelCount; ++level) {
        for (int difficulty = 1; difficulty <= 3; ++difficulty) {
            const std::string stage = stageName(level, difficulty);
            StageSettings s = readStageSettings(file(stage), stage);
            std::vector<Dragonfly> dragonflies;
            for (int i = 1; i <= s.dragonflyCount; ++i) {
                const std::string name = creatureName('w', level, difficulty, i);
                dragonflies.push_back(readDragonfly(file(name), name));
            }
            NectarBucket bucket;
            RandomGenerator random(static_cast<uint32_t>(level * 10 + difficulty));
            DragonflyFlock flock;
            std::vector<int> turns(dragonflies.size());
            CreatureEvents events;
            for (int tick = 0; tick < 12000; ++tick) {
                std::vector<int> legs;
                for (const Dragonfly& d : dragonflies) legs.push_back(d.leg);
                dragonflyTimer(dragonflies, flock, {0, 1, 0, bucket, s.maxSpeed, 0.033f, random},
                               events);
                for (size_t k = 0; k < dragonflies.size(); ++k) {
                    const Dragonfly& d = dragonflies[k];
                    turns[k] += d.leg != legs[k];
                    ASSERT_LT(std::max(std::fabs(d.x), std::fabs(d.z)), 19) << stage << " " << k;
                    ASSERT_GE(d.y, 0.45f);
                    ASSERT_LE(d.y, 1.1f);
                }
            }
            for (size_t k = 0; k < turns.size(); ++k) {
                EXPECT_GT(turns[k], 12) << stage << " dragonfly " << k + 1 << " loops its route";
            }
        }
    }
}

TEST(PlacementMaps, FlowersKeepOffTheHiveTheWaterAndEverySolidThing) {
    for (const GardenTableEntry& scene : gardenTable()) {
        SCOPED_TRACE(scene.sceneNumber);
        std::string name = placementMapName(scene.sceneNumber);
        PlacementMap map = readPlacementMap(file(name), name);
        auto cellOf = [](float v) { return static_cast<int>(std::lround((v + 20) / 0.15625f)); };
        int free = 0;
        for (int i = 0; i < 256; ++i) {
            for (int j = 0; j < 256; ++j) {
                if (!map.isFree(i, j)) continue;
                ++free;
                ASSERT_GE(std::hypot(placementCellX(i), placementCellZ(j)), 1.5f);
            }
        }
        EXPECT_GT(free, 256 * 256 / 3) << "room for the flowers";
        SceneLayout layout = readSceneLayout(tree(), scene.sceneNumber);
        if (layout.pond) {
            EXPECT_FALSE(map.isFree(cellOf(layout.pond->centre.x), cellOf(layout.pond->centre.z)));
        }
        for (const SceneThing& thing : layout.things) {
            float x = (thing.min.x + thing.max.x) / 2, z = (thing.min.z + thing.max.z) / 2;
            if (std::max(std::fabs(x), std::fabs(z)) > 19) continue;
            if (thing.max.x - thing.min.x > 4 || thing.max.z - thing.min.z > 4) continue;
            // The footprint of a trunk, a post or a stone sits at its middle.
            EXPECT_FALSE(map.isFree(cellOf(x), cellOf(z)))
                << "at " << x << ", " << z << " kind " << static_cast<int>(thing.kind) << " size "
                << thing.max.x - thing.min.x << " x " << thing.max.z - thing.min.z << " from y "
                << thing.min.y;
        }
    }
}

TEST(CollisionMeshes, TheDoorWinsAndEverySolidBouncesTheBeeOutwards) {
    for (int level = 1; level <= levelCount; ++level) {
        std::string name = collisionMeshName(levelId(level));
        SCOPED_TRACE(name);
        CollisionMesh mesh = readCollisionMesh(file(name), name);
        ASSERT_GE(mesh.groups.size(), 2u);
        ASSERT_LE(mesh.groups.size(), 400u);
        // Where the hive post puts a bee that flies in low, and just in front of the door.
        for (float z : {0.201f, 0.24f}) {
            auto hits = collisionHits(mesh, {0, 0.3f, z});
            ASSERT_FALSE(hits.empty()) << z;
            EXPECT_EQ(hits.front().group, CollisionMesh::entranceGroup);
            EXPECT_GT(hits.front().normal.z, 0.99f);
        }
        EXPECT_TRUE(collisionHits(mesh, {0, 0.3f, 0.6f}).empty()) << "the start is clear";
        for (size_t g = 0; g < mesh.groups.size(); ++g) {
            const CollisionGroup& group = mesh.groups[g];
            geometry::Vec3 centre{};
            float corners = 0;
            for (const CollisionTriangle& t : group.triangles) {
                ASSERT_FALSE(geometry::isDegenerateTriangle(t.a, t.b, t.c)) << "group " << g;
                for (const geometry::Vec3& p : {t.a, t.b, t.c}) {
                    ASSERT_TRUE(group.box.contains(p)) << "group " << g;
                    centre = {centre.x + p.x, centre.y + p.y, centre.z + p.z};
                    corners += 1;
                }
            }
            centre = {centre.x / corners, centre.y / corners, centre.z / corners};
            if (g == 0) continue;
            for (size_t i = 0; i < group.triangles.size(); ++i) {
                const CollisionTriangle& t = group.triangles[i];
                geometry::Vec3 n = geometry::triangleNormal(t.a, t.b, t.c);
                geometry::Vec3 middle{(t.a.x + t.b.x + t.c.x) / 3, (t.a.y + t.b.y + t.c.y) / 3,
                                      (t.a.z + t.b.z + t.c.z) / 3};
                float outwards = n.x * (middle.x - centre.x) + n.y * (middle.y - centre.y) +
                                 n.z * (middle.z - centre.z);
                ASSERT_GT(outwards, 0) << "group " << g << " triangle " << i;
                if (middle.y > 1.55f || middle.y < 0.12f) continue;  // out of her flight
                // A bee 0.03 in front of a face is tested and bounces off it.
                geometry::Vec3 bee{middle.x + n.x * 0.03f, middle.y + n.y * 0.03f,
                                   middle.z + n.z * 0.03f};
                bool bounced = false;
                for (const CollisionHit& hit : collisionHits(mesh, bee)) {
                    bounced |= hit.group == static_cast<int>(g);
                }
                EXPECT_TRUE(bounced) << "group " << g << " triangle " << i;
            }
        }
    }
}

TEST(ProgressFiles, AFreshGameHasLevelOneOpenAndNoScores) {
    for (int difficulty = 1; difficulty <= 3; ++difficulty) {
        std::string name = progressFileName(difficulty);
        ProgressTable table = parseProgressTable(file(name), name);
        for (int level = 1; level <= 10; ++level) EXPECT_EQ(table.isUnlocked(level), level == 1);
        for (int i = 0; i < ProgressTable::bestScoreCount; ++i) {
            EXPECT_EQ(table.scores[static_cast<size_t>(i)], 0);
            EXPECT_EQ(table.names[static_cast<size_t>(i)], "");
        }
        for (int spare : table.spare) EXPECT_EQ(spare, 0);
    }
    EXPECT_EQ(file("STA\\sta_scr.mtt").substr(0, 1), "0");
}

TEST(BeeModel, TwentyObjectsWithTheirTexturesAndTranslucentWings) {
    ModelFile bee = parseModelFile(ModelFileKind::Scene, file("MOD\\DATA\\oxa.wkx"), "oxa.wkx");
    ASSERT_EQ(bee.objects.size(), 20u);
    for (int drawn = 0; drawn <= 18; ++drawn) {
        EXPECT_GT(bee.objects[static_cast<size_t>(drawn)].vertices.size(), 0u) << drawn;
        EXPECT_EQ(bee.objects[static_cast<size_t>(drawn)].placements.size(), 1u) << drawn;
    }
    for (int wing : {2, 8}) EXPECT_EQ(bee.objects[static_cast<size_t>(wing)].material, 'H');
    auto body = parseTextureFile(file("MOD\\BMP_0\\u1.srm"));
    ASSERT_TRUE(body);
    EXPECT_TRUE(body->rgba);
    EXPECT_TRUE(body->complete());
    for (const char* name : {"MOD\\BMP_0\\g1.srm", "MOD\\BMP_0\\wiadro.srm"}) {
        auto texture = parseTextureFile(file(name));
        ASSERT_TRUE(texture) << name;
        EXPECT_TRUE(texture->complete()) << name;
    }
}

}  // namespace

namespace {

TEST(CollisionMeshes, EveryPlaceAFlowerCanStandIsOpenAtNectarHeight) {
    // A bee hovering over any free cell of the level's map must not be inside a solid:
    // boxes that swallow flowers (as a box over an L-shaped fence once did) make nectar
    // unreachable.
    for (int level = 1; level <= levelCount; ++level) {
        const std::string meshName = collisionMeshName(levelId(level));
        const std::string mapName = placementMapName(levelScene(level));
        SCOPED_TRACE(meshName);
        const CollisionMesh mesh = readCollisionMesh(file(meshName), meshName);
        const PlacementMap map = readPlacementMap(file(mapName), mapName);
        int freeCells = 0, enclosed = 0;
        for (int i = 0; i < PlacementMap::side; ++i) {
            for (int j = 0; j < PlacementMap::side; ++j) {
                if (!map.isFree(i, j)) continue;
                ++freeCells;
                const geometry::Vec3 bee{placementCellX(i), 0.58f, placementCellZ(j)};
                for (size_t g = 1; g < mesh.groups.size(); ++g) {
                    geometry::Vec3 lo{1e9f, 1e9f, 1e9f}, hi{-1e9f, -1e9f, -1e9f};
                    for (const CollisionTriangle& t : mesh.groups[g].triangles) {
                        for (const geometry::Vec3& p : {t.a, t.b, t.c}) {
                            lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
                            hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
                        }
                    }
                    if (lo.x < bee.x && bee.x < hi.x && lo.y < bee.y && bee.y < hi.y &&
                        lo.z < bee.z && bee.z < hi.z) {
                        ++enclosed;
                        break;
                    }
                }
            }
        }
        ASSERT_GT(freeCells, 0);
        // Long things are boxed on a grid of a quarter unit, so a flower right at such a
        // thing's edge may stand in its rounding: a handful of cells, never an area.
        EXPECT_LE(enclosed, freeCells / 2000)
            << enclosed << " of " << freeCells << " free cells lie inside solids";
    }
}

// A ring of upright quads round (0, 0) between two heights, as a willow's curtain of
// leaves or a round wall is made.
SceneThing ring(ThingKind kind, float radius, float y0, float y1) {
    SceneThing thing{kind, {}, {-radius, y0, -radius}, {radius, y1, radius}};
    constexpr int sides = 16;
    for (int k = 0; k < sides; ++k) {
        const float a = 2 * pi * static_cast<float>(k) / sides;
        const float b = 2 * pi * static_cast<float>(k + 1) / sides;
        const Vec3 p0{radius * std::cos(a), y0, radius * std::sin(a)};
        const Vec3 q0{radius * std::cos(b), y0, radius * std::sin(b)};
        const Vec3 p1{p0.x, y1, p0.z}, q1{q0.x, y1, q0.z};
        thing.triangles.push_back({p0, q0, q1});
        thing.triangles.push_back({p0, q1, p1});
    }
    return thing;
}

bool insideAShape(const std::vector<CollisionShape>& shapes, Vec3 p) {
    for (size_t s = 1; s < shapes.size(); ++s) {  // 0 is the hive's door
        Vec3 lo{1e9f, 1e9f, 1e9f}, hi{-1e9f, -1e9f, -1e9f};
        for (const WorldTriangle& t : shapes[s].triangles) {
            for (const Vec3& c : {t.a, t.b, t.c}) {
                lo = {std::min(lo.x, c.x), std::min(lo.y, c.y), std::min(lo.z, c.z)};
                hi = {std::max(hi.x, c.x), std::max(hi.y, c.y), std::max(hi.z, c.z)};
            }
        }
        if (lo.x < p.x && p.x < hi.x && lo.y < p.y && p.y < hi.y && lo.z < p.z && p.z < hi.z)
            return true;
    }
    return false;
}

TEST(CollisionMeshes, AWillowsCurtainIsSolidInsideAndAWalledYardStaysOpen) {
    // A bee that flew in under a willow's hem and climbed would be shut in by its curtain:
    // inside the curtain, above the hem, is solid, so she meets it from below instead.
    // Under the hem it is open: flowers stand there.
    SceneLayout willow;
    willow.things = {ring(ThingKind::round, 2, 1.2f, 2.5f)};
    const std::vector<CollisionShape> curtain = collisionShapes(willow);
    EXPECT_TRUE(insideAShape(curtain, {0.8f, 1.5f, 0.3f}));
    EXPECT_FALSE(insideAShape(curtain, {0.8f, 0.58f, 0.3f}));
    // A round wall standing on the ground keeps its yard open to the sky.
    SceneLayout yard;
    yard.things = {ring(ThingKind::boxy, 2, 0, 1)};
    const std::vector<CollisionShape> wall = collisionShapes(yard);
    EXPECT_FALSE(insideAShape(wall, {0.8f, 0.58f, 0.3f}));
    EXPECT_TRUE(insideAShape(wall, {1.97f, 0.58f, 0.1f}));
}

}  // namespace
