#include "scene_layout.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <numeric>
#include <stdexcept>
#include <string>

#include "scenes/garden_table.h"
#include "wkx_reader.h"

namespace {

std::optional<ThingKind> kindOfTexture(std::string_view file) {
    std::string name(file);
    std::ranges::transform(name, name.begin(), [](unsigned char c) { return std::tolower(c); });
    if (name.ends_with(".srm")) name.resize(name.size() - 4);
    static const std::map<std::string, ThingKind, std::less<>> kinds = {
        {"muchomor1", ThingKind::round}, {"muchomor2", ThingKind::round},
        {"muchomor3", ThingKind::round}, {"muchomor4", ThingKind::round},
        {"drzewo", ThingKind::round},    {"choinka1", ThingKind::round},
        {"jablonka", ThingKind::round},  {"wierzba", ThingKind::round},
        {"biale2", ThingKind::round},    {"kamien", ThingKind::round},
        {"konar", ThingKind::round},     {"konary", ThingKind::round},
        {"ludka", ThingKind::round},     {"palki", ThingKind::round},
        {"plot", ThingKind::boxy},       {"plot3", ThingKind::boxy},
        {"brama", ThingKind::boxy},      {"domy", ThingKind::boxy},
        {"domek", ThingKind::boxy},      {"mur", ThingKind::boxy},
        {"mur1", ThingKind::boxy},       {"mur2", ThingKind::boxy},
        {"attyka2", ThingKind::boxy},    {"balkon", ThingKind::boxy},
        {"dachy", ThingKind::boxy},      {"okno", ThingKind::boxy},
        {"drewna", ThingKind::boxy},     {"drewno1", ThingKind::boxy},
        {"drewno2", ThingKind::boxy},    {"most", ThingKind::boxy},
        {"woda1", ThingKind::water},     {"lilie", ThingKind::water},
        {"droga", ThingKind::path},      {"piasek", ThingKind::path},
    };
    auto found = kinds.find(name);
    if (found == kinds.end()) return std::nullopt;  // ground, sky, far scenery, hive, exit
    return found->second;
}

bool degenerate(const WorldTriangle& t) {
    return length(cross(t.b - t.a, t.c - t.a)) < 1e-7f;
}

struct UnionFind {
    std::vector<size_t> parent;
    explicit UnionFind(size_t n) : parent(n) { std::iota(parent.begin(), parent.end(), 0); }
    size_t find(size_t i) {
        while (parent[i] != i) i = parent[i] = parent[parent[i]];
        return i;
    }
    void join(size_t a, size_t b) { parent[find(a)] = find(b); }
};

// Splits one placement's triangles into pieces that stand apart on the ground: triangles
// whose footprints share a cell of half a unit belong together.
std::vector<std::vector<WorldTriangle>> separatePieces(const std::vector<WorldTriangle>& all) {
    constexpr float cell = 0.5f;
    UnionFind sets(all.size());
    std::map<std::pair<int, int>, size_t> owner;
    for (size_t i = 0; i < all.size(); ++i) {
        const WorldTriangle& t = all[i];
        auto lo = [](float a, float b, float c) {
            return static_cast<int>(std::floor(std::min({a, b, c}) / cell));
        };
        auto hi = [](float a, float b, float c) {
            return static_cast<int>(std::floor(std::max({a, b, c}) / cell));
        };
        for (int x = lo(t.a.x, t.b.x, t.c.x); x <= hi(t.a.x, t.b.x, t.c.x); ++x) {
            for (int z = lo(t.a.z, t.b.z, t.c.z); z <= hi(t.a.z, t.b.z, t.c.z); ++z) {
                auto [it, fresh] = owner.try_emplace({x, z}, i);
                if (!fresh) sets.join(i, it->second);
            }
        }
    }
    std::map<size_t, std::vector<WorldTriangle>> pieces;
    for (size_t i = 0; i < all.size(); ++i) pieces[sets.find(i)].push_back(all[i]);
    std::vector<std::vector<WorldTriangle>> result;
    for (auto& [root, triangles] : pieces) result.push_back(std::move(triangles));
    return result;
}

SceneThing makeThing(ThingKind kind, std::vector<WorldTriangle> triangles) {
    SceneThing thing{kind, std::move(triangles), {1e9f, 1e9f, 1e9f}, {-1e9f, -1e9f, -1e9f}};
    for (const WorldTriangle& t : thing.triangles) {
        for (const Vec3& p : {t.a, t.b, t.c}) {
            thing.min = {std::min(thing.min.x, p.x), std::min(thing.min.y, p.y),
                         std::min(thing.min.z, p.z)};
            thing.max = {std::max(thing.max.x, p.x), std::max(thing.max.y, p.y),
                         std::max(thing.max.z, p.z)};
        }
    }
    return thing;
}

// The pond is the water object's disc: its middle, and the rim point nearest to it.
Pond pondOf(const std::vector<WorldTriangle>& disc) {
    Vec3 lo{1e9f, 1e9f, 1e9f}, hi{-1e9f, -1e9f, -1e9f};
    float ySum = 0;
    for (const WorldTriangle& t : disc) {
        for (const Vec3& p : {t.a, t.b, t.c}) {
            lo = {std::min(lo.x, p.x), 0, std::min(lo.z, p.z)};
            hi = {std::max(hi.x, p.x), 0, std::max(hi.z, p.z)};
            ySum += p.y;
        }
    }
    Vec3 centre{(lo.x + hi.x) / 2, ySum / static_cast<float>(disc.size() * 3), (lo.z + hi.z) / 2};
    float radius = 1e9f;
    for (const WorldTriangle& t : disc) {
        for (const Vec3& p : {t.a, t.b, t.c}) {
            float d = std::hypot(p.x - centre.x, p.z - centre.z);
            if (d > 0.05f) radius = std::min(radius, d);
        }
    }
    return {centre, radius};
}

}  // namespace

SceneLayout readSceneLayout(const DataFiles& files, int sceneNumber) {
    const GardenTableEntry* scene = findGarden(sceneNumber);
    if (!scene) throw std::invalid_argument("no garden scene " + std::to_string(sceneNumber));
    auto file = files.find(std::string(scene->modelFile));
    if (file == files.end()) throw std::logic_error("the gardens must be made first");
    auto objects = readSceneModel(file->second);
    if (!objects) throw std::logic_error("unreadable " + std::string(scene->modelFile));

    SceneLayout layout;
    for (size_t k = 0; k < objects->size(); ++k) {
        int slot = slotOfObject(*scene, static_cast<int>(k));
        if (slot < 0) continue;
        std::string_view texture = scene->textures[static_cast<size_t>(slot)];
        auto kind = kindOfTexture(texture);
        if (!kind) continue;
        const ReadObject& object = (*objects)[k];
        std::string lower(texture);
        std::ranges::transform(lower, lower.begin(),
                               [](unsigned char c) { return std::tolower(c); });
        bool isPondWater = lower == "woda1.srm";
        for (const Mat4& placement : object.placements) {
            std::vector<WorldTriangle> world;
            for (size_t v = 0; v + 2 < object.vertices.size(); v += 3) {
                WorldTriangle t{placement.point(object.vertices[v].position),
                                placement.point(object.vertices[v + 1].position),
                                placement.point(object.vertices[v + 2].position)};
                if (!degenerate(t)) world.push_back(t);
            }
            if (world.empty()) continue;
            if (isPondWater && !layout.pond) layout.pond = pondOf(world);
            for (auto& piece : separatePieces(world)) {
                SceneThing thing = makeThing(*kind, std::move(piece));
                bool atHive =
                    std::max({std::fabs(thing.min.x), std::fabs(thing.max.x),
                              std::fabs(thing.min.z), std::fabs(thing.max.z)}) < hiveFootprint;
                if (!atHive) layout.things.push_back(std::move(thing));
            }
        }
    }
    return layout;
}
