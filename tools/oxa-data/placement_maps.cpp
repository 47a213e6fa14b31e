#include "placement_maps.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "bmp_writer.h"
#include "scenes/garden_table.h"

namespace {

constexpr float cellSize = 40.0f / 256;
// Flowers beyond this would be out of the bee's reach at the world's edge.
constexpr float usableHalf = 19.3f;

float cellX(int i) {
    return static_cast<float>(i) * cellSize - 20;
}

float segmentDistance(float px, float pz, Vec3 a, Vec3 b) {
    float dx = b.x - a.x, dz = b.z - a.z;
    float len2 = dx * dx + dz * dz;
    float t = len2 > 0 ? std::clamp(((px - a.x) * dx + (pz - a.z) * dz) / len2, 0.0f, 1.0f) : 0;
    return std::hypot(px - (a.x + t * dx), pz - (a.z + t * dz));
}

// Distance on the ground from a point to a triangle's footprint.
float footprintDistance(float px, float pz, const WorldTriangle& t) {
    auto side = [px, pz](Vec3 a, Vec3 b) {
        return (b.x - a.x) * (pz - a.z) - (b.z - a.z) * (px - a.x);
    };
    float s1 = side(t.a, t.b), s2 = side(t.b, t.c), s3 = side(t.c, t.a);
    bool inside = (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
    if (inside && (s1 != 0 || s2 != 0 || s3 != 0)) return 0;
    return std::min({segmentDistance(px, pz, t.a, t.b), segmentDistance(px, pz, t.b, t.c),
                     segmentDistance(px, pz, t.c, t.a)});
}

void stamp(MapCells& cells, const WorldTriangle& t, float margin, MapCell mark) {
    auto toCell = [](float v) { return static_cast<int>(std::floor((v + 20) / cellSize)); };
    int i0 = std::max(0, toCell(std::min({t.a.x, t.b.x, t.c.x}) - margin));
    int i1 = std::min(255, toCell(std::max({t.a.x, t.b.x, t.c.x}) + margin) + 1);
    int j0 = std::max(0, toCell(std::min({t.a.z, t.b.z, t.c.z}) - margin));
    int j1 = std::min(255, toCell(std::max({t.a.z, t.b.z, t.c.z}) + margin) + 1);
    for (int i = i0; i <= i1; ++i) {
        for (int j = j0; j <= j1; ++j) {
            MapCell& cell = cells[static_cast<size_t>(i)][static_cast<size_t>(j)];
            if (cell != MapCell::free) continue;
            if (footprintDistance(cellX(i), cellX(j), t) <= margin) cell = mark;
        }
    }
}

}  // namespace

MapCells placementCells(const SceneLayout& layout) {
    MapCells cells;
    for (int i = 0; i < 256; ++i) {
        for (int j = 0; j < 256; ++j) {
            float x = cellX(i), z = cellX(j);
            MapCell cell = MapCell::free;
            if (std::max(std::fabs(x), std::fabs(z)) > usableHalf) {
                cell = MapCell::edge;
            } else if (std::hypot(x, z) < hiveClearing) {
                cell = MapCell::hive;
            }
            cells[static_cast<size_t>(i)][static_cast<size_t>(j)] = cell;
        }
    }
    for (const SceneThing& thing : layout.things) {
        float margin = 0.3f;
        MapCell mark = MapCell::solid;
        if (thing.kind == ThingKind::water) {
            margin = 0.35f;
            mark = MapCell::water;
        } else if (thing.kind == ThingKind::path) {
            margin = 0.1f;
            mark = MapCell::path;
        }
        if (thing.min.y > 2.5f) continue;  // high up, nothing to stand under
        for (const WorldTriangle& t : thing.triangles) stamp(cells, t, margin, mark);
    }
    return cells;
}

std::string encodePlacementMap(const MapCells& cells) {
    return encodeBmp(256, 256, [&cells](int x, int y) -> Rgb {
        switch (cells[static_cast<size_t>(x)][static_cast<size_t>(y)]) {
            case MapCell::free:
                return {255, 244, 170};  // meadow: red 255 marks it free
            case MapCell::solid:
                return {90, 70, 50};
            case MapCell::water:
                return {40, 110, 220};
            case MapCell::path:
                return {190, 150, 90};
            case MapCell::hive:
                return {230, 160, 20};
            case MapCell::edge:
                return {30, 90, 30};
        }
        return {0, 0, 0};
    });
}

void addPlacementMaps(DataFiles& files) {
    for (const GardenTableEntry& scene : gardenTable()) {
        char name[32];
        std::snprintf(name, sizeof name, "STA\\kontrola%02d.bmp", scene.sceneNumber);
        files[name] = encodePlacementMap(placementCells(readSceneLayout(files, scene.sceneNumber)));
    }
}
