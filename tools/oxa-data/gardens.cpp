#include "gardens.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

#include "garden_props.h"
#include "garden_textures.h"
#include "random.h"

namespace {

// clang-format off
const GardenRecipe recipes[] = {
    // scene seed  ground     tint                pond               r     path
    {0,  1000, "ziemia",  {1.00f, 1.00f, 1.00f}, {-7, 0, 7},   3.0f, 0.0f},
    {1,  1001, "ziemia",  {1.00f, 1.00f, 0.90f}, {8, 0, 7},    3.5f, 0.0f},
    {2,  1002, "ziemia2", {0.95f, 1.00f, 1.00f}, {-8, 0, -6},  4.0f, 0.0f},
    {3,  1003, "ziemia",  {1.00f, 0.92f, 0.62f}, {0, 0, 0},    0.0f, 0.0f},
    {4,  1004, "ziemia",  {0.86f, 0.98f, 1.00f}, {7, 0, -8},   4.0f, 0.0f},
    {5,  1005, "ziemia2", {1.00f, 0.95f, 0.80f}, {-8, 0, 8},   3.0f, 0.0f},
    {6,  1006, "ziemia",  {0.82f, 0.95f, 1.00f}, {-6, 0, 9},   3.5f, 0.6f},
    {7,  1007, "ziemia",  {1.00f, 0.96f, 0.78f}, {0, 0, 0},    0.0f, 0.0f},
    {8,  1008, "ziemia",  {0.92f, 1.00f, 0.88f}, {9, 0, -5},   3.5f, -0.4f},
    {9,  1009, "ziemia2", {1.00f, 1.00f, 0.86f}, {7, 0, 8},    3.0f, 0.0f},
    {10, 1010, "ziemia",  {0.92f, 0.98f, 0.96f}, {-9, 0, -9},  3.5f, 0.0f},
    {20, 1020, "ziemia2", {0.90f, 1.00f, 0.92f}, {6, 0, 8},    3.5f, 0.0f},
    {21, 1021, "ziemia",  {1.00f, 0.94f, 0.70f}, {0, 0, 0},    0.0f, 0.3f},
    {22, 1022, "ziemia",  {0.85f, 0.96f, 1.00f}, {-8, 0, 7},   3.5f, 0.0f},
    {23, 1023, "ziemia",  {0.80f, 1.00f, 0.90f}, {8, 0, 8},    4.0f, 0.0f},
    {24, 1024, "ziemia",  {1.00f, 0.97f, 0.72f}, {0, 0, 0},    0.0f, 0.0f},
    {25, 1025, "ziemia",  {0.78f, 0.92f, 1.00f}, {0, 0, 0},    0.0f, 0.0f},
    {26, 1026, "ziemia2", {1.00f, 0.93f, 0.78f}, {-7, 0, -8},  3.0f, 0.0f},
};
// clang-format on

constexpr float fenceLine = 21;  // the garden's square fence, its half side
constexpr float skyHalf = 220;   // inside the far plane from anywhere in the garden

enum class Role {
    ground,
    water,
    lilies,
    bridge,
    fence,
    posts,
    gate,
    stones,
    wood,
    mushroom,
    tree,
    treeLine,
    houses,
    cottage,
    wall,
    townWall,
    parapet,
    balcony,
    roofs,
    windows,
    gnome,
    mountains,
    rainbow,
    hive,
    exit,
    sky,
};

Role roleOf(const std::string& name) {
    static const std::map<std::string, Role, std::less<>> roles = {
        {"ziemia", Role::ground},  {"ziemia2", Role::ground}, {"piasek", Role::ground},
        {"droga", Role::ground},   {"z2", Role::ground},      {"woda1", Role::water},
        {"lilie", Role::lilies},   {"most", Role::bridge},    {"plot", Role::fence},
        {"plot3", Role::fence},    {"palki", Role::posts},    {"brama", Role::gate},
        {"kamien", Role::stones},  {"konar", Role::wood},     {"konary", Role::wood},
        {"drewno1", Role::wood},   {"drewno2", Role::wood},   {"drewna", Role::wood},
        {"drzewo", Role::tree},    {"choinka1", Role::tree},  {"jablonka", Role::tree},
        {"wierzba", Role::tree},   {"biale2", Role::tree},    {"drzewa", Role::treeLine},
        {"domy", Role::houses},    {"domek", Role::cottage},  {"mur", Role::wall},
        {"mur2", Role::wall},      {"mur1", Role::townWall},  {"attyka2", Role::parapet},
        {"balkon", Role::balcony}, {"dachy", Role::roofs},    {"okno", Role::windows},
        {"ludka", Role::gnome},    {"gory", Role::mountains}, {"tencza", Role::rainbow},
        {"ul01", Role::hive},      {"ul02", Role::hive},      {"ul03", Role::hive},
        {"wyj", Role::exit},
    };
    if (name.starts_with("niebo")) return Role::sky;
    if (name.starts_with("muchomor")) return Role::mushroom;
    auto found = roles.find(name);
    if (found == roles.end()) throw std::invalid_argument("no role for texture " + name);
    return found->second;
}

std::string baseName(std::string_view file) {
    std::string name(file);
    std::ranges::transform(name, name.begin(), [](unsigned char c) { return std::tolower(c); });
    if (name.ends_with(".srm")) name.resize(name.size() - 4);
    return name;
}

// The objects a slot's draw step calls: all of them share one texture.
struct Group {
    std::string name;  // texture base name, lower case
    Role role;
    int index;  // this object's place among them
    int count;
};

// Free ground: discs already taken by something, and a search for a free spot.
class Layout {
  public:
    void reserve(float x, float z, float r) { taken_.push_back({x, z, r}); }

    bool isFree(float x, float z, float r) const {
        for (const Disc& d : taken_) {
            if (std::hypot(x - d.x, z - d.z) < r + d.r) return false;
        }
        float ring = std::max(std::fabs(x), std::fabs(z));
        return std::fabs(ring - fenceLine) > r + 0.8f;  // keep clear of the fence line
    }

    // A free spot whose distance from the hive (square measure) is within lo..hi; the
    // spot is reserved. After many misses the last try is taken anyway.
    Vec3 find(Random& rng, float lo, float hi, float radius) {
        Vec3 spot{};
        for (int attempt = 0; attempt < 300; ++attempt) {
            float a = rng.range(0, 2 * pi), d = rng.range(lo, hi);
            float c = std::cos(a), s = std::sin(a);
            float k = d / std::max(std::fabs(c), std::fabs(s));
            spot = {c * k, 0, s * k};
            if (isFree(spot.x, spot.z, radius)) break;
        }
        reserve(spot.x, spot.z, radius);
        return spot;
    }

  private:
    struct Disc {
        float x, z, r;
    };
    std::vector<Disc> taken_;
};

class GardenBuilder {
  public:
    GardenBuilder(const GardenTableEntry& table, const GardenRecipe& recipe)
        : table_(table), recipe_(recipe), rng_(recipe.seed) {
        for (std::string_view texture : table.textures) names_.push_back(baseName(texture));
        hasPond_ = has("woda1") || has("lilie") || has("most");
        layout_.reserve(0, 0.5f, 3);  // the hive and the air in front of its door
        layout_.reserve(0, 4, 2);
        if (hasPond_) layout_.reserve(recipe.pond.x, recipe.pond.z, recipe.pondRadius + 0.8f);
        if (has("droga")) {
            for (const Vec3& p : pathPoints(0)) layout_.reserve(p.x, p.z, 1.3f);
        }
    }

    SceneObject build(const Group& group);

  private:
    bool has(std::string_view name) const {
        return std::ranges::find(names_, name) != names_.end();
    }

    float groundHeight(float x, float z) const {
        float d = std::max(std::fabs(x), std::fabs(z));
        float rise = smoothstep(26, 80, d);
        float hills = tiledFbm((x + 512) / 48, (z + 512) / 48, 64, 3, recipe_.seed);
        return rise * (0.5f + 9 * hills * hills);
    }

    Mat4 onGround(Vec3 at, float turn, float scale, float lift = 0) const {
        return place({at.x, groundHeight(at.x, at.z) + lift, at.z}, turn, scale);
    }

    // A turn that makes a prop's front (+z) look at the hive.
    static float facingHive(Vec3 at) { return std::atan2(-at.x, -at.z); }

    std::vector<Vec3> pathPoints(int which) const;

    SceneObject ground(const Group& g);
    SceneObject props(const Group& g);
    SceneObject town(const Group& g);
    SceneObject far(const Group& g);

    const GardenTableEntry& table_;
    const GardenRecipe& recipe_;
    std::vector<std::string> names_;
    Random rng_;
    Layout layout_;
    bool hasPond_ = false;
};

std::vector<Vec3> GardenBuilder::pathPoints(int which) const {
    // From the hive's front out through the fence, winding gently.
    float heading = recipe_.pathHeading + static_cast<float>(which) * 2.3f;
    std::vector<Vec3> points;
    for (int i = 0; i <= 16; ++i) {
        float d = 2.5f + 1.8f * static_cast<float>(i);
        float sway = 1.6f * std::sin(static_cast<float>(i) * 0.7f + static_cast<float>(which));
        float x = std::sin(heading) * d + std::cos(heading) * sway;
        float z = std::cos(heading) * d - std::sin(heading) * sway;
        points.push_back({x, groundHeight(x, z) + 0.012f, z});
    }
    return points;
}

SceneObject GardenBuilder::ground(const Group& g) {
    SceneObject object;
    Vec3 tint = recipe_.groundTint;
    uint32_t seed = recipe_.seed;
    auto colour = [tint, seed](float x, float z) {
        float n = tiledFbm((x + 512) / 16, (z + 512) / 16, 64, 2, seed + 9);
        return tint * (0.86f + 0.22f * n);
    };
    bool main = g.name == recipe_.mainGround;
    if (main && g.index == 0) {
        // Fine cells where the bee flies, coarse ones out where the hills rise towards the
        // sky box (its walls stand at 220).
        std::vector<float> lines = {-225, -120, -64, -38};
        for (float v = -20; v <= 20; v += 5) lines.push_back(v);
        for (float v : {38, 64, 120, 225}) lines.push_back(v);
        object.mesh = terrain(
            lines, lines, [this](float x, float z) { return groundHeight(x, z); }, 4, colour);
        object.placements.push_back({});
        return object;
    }
    if (g.name == "droga") {
        object.mesh = ribbon(pathPoints(g.index), 1.5f, 3, bands::whole);
        object.mesh.tint(tint);
        object.material = Material::cutout;
        object.placements.push_back({});
        return object;
    }
    if (g.name == "piasek" && g.index == 0 && hasPond_) {
        // A sandy beach round the pond, under the water.
        object.mesh = disc(recipe_.pondRadius + 1.6f, 24, bands::whole, 0.25f, seed);
        for (Vertex& v : object.mesh.vertices) {
            v.s *= 3;
            v.t *= 3;
        }
        object.placements.push_back(place(recipe_.pond + Vec3{0, 0.008f, 0}));
        return object;
    }
    if (!main && g.index % 2 == 0) {
        // A flat patch of another ground inside the garden.
        float r = rng_.range(3, 5);
        Vec3 at = layout_.find(rng_, 7, 16, r * 0.6f);
        object.mesh = disc(r, 20, bands::whole, 0.35f, seed + static_cast<uint32_t>(g.index));
        for (Vertex& v : object.mesh.vertices) {
            v.s *= r / 2;
            v.t *= r / 2;
            v.colour = tint;
        }
        object.placements.push_back(
            place(at + Vec3{0, 0.006f + 0.002f * static_cast<float>(g.index), 0}));
        return object;
    }
    // A rounded hill beyond the fence.
    float r = rng_.range(7, 12), h = rng_.range(1.5f, 3.5f);
    Vec3 at = layout_.find(rng_, 30, 45, r * 0.5f);
    std::vector<float> lines;
    for (int i = -4; i <= 4; ++i) lines.push_back(static_cast<float>(i) * r / 4);
    object.mesh = terrain(
        lines, lines,
        [r, h](float x, float z) {
            float d = std::hypot(x, z) / r;
            return d >= 1 ? -0.6f : h * (0.5f + 0.5f * std::cos(d * pi)) - 0.6f * d * d;
        },
        3, [tint](float, float) { return tint; });
    object.placements.push_back(onGround(at, 0, 1));
    return object;
}

SceneObject GardenBuilder::props(const Group& g) {
    SceneObject object;
    const uint32_t seed = recipe_.seed * 31 + static_cast<uint32_t>(g.index) * 7;
    switch (g.role) {
        case Role::water:
            object.mesh = disc(recipe_.pondRadius, 24, bands::whole, 0.15f, recipe_.seed);
            for (Vertex& v : object.mesh.vertices) {
                v.s *= recipe_.pondRadius / 2;
                v.t *= recipe_.pondRadius / 2;
            }
            object.placements.push_back(place(recipe_.pond + Vec3{0, 0.02f, 0}));
            break;
        case Role::lilies: {
            object.mesh = lilyPad();
            object.material = Material::cutoutTwoSided;
            Random rng(seed);
            for (int i = 0; i < 9; ++i) {
                float a = rng.range(0, 2 * pi), d = rng.range(0.4f, 0.8f) * recipe_.pondRadius;
                Vec3 at = recipe_.pond + Vec3{std::cos(a) * d, 0.032f, std::sin(a) * d};
                object.placements.push_back(place(at, rng.range(0, 2 * pi), rng.range(0.5f, 1.0f)));
            }
            break;
        }
        case Role::bridge: {
            float span = hasPond_ && recipe_.pondRadius > 0 ? recipe_.pondRadius * 2 + 1.2f : 5;
            Vec3 at = recipe_.pond.x == 0 && recipe_.pond.z == 0 ? Vec3{-7, 0, 7} : recipe_.pond;
            int part = g.count == 1 ? -1 : g.index % 3;
            if (part <= 0) object.mesh.append(bridgeDeck(span));
            if (part == -1 || part == 1) object.mesh.append(bridgeRails(span));
            if (part == -1 || part == 2) object.mesh.append(bridgePiers(span));
            object.material = Material::twoSided;
            object.placements.push_back(place(at, facingHive(at) + pi / 2));
            break;
        }
        case Role::fence: {
            object.material = Material::cutoutTwoSided;
            bool rustic = g.name == "plot3";
            float height = rustic ? 0.8f : 0.7f;
            const float gap = 1.5f;  // the gate's opening in the middle of each side
            for (int side = g.index; side < 4; side += g.count) {
                float a = static_cast<float>(side) * pi / 2;
                auto at = [a](float along) {
                    return Vec3{std::cos(a) * fenceLine - std::sin(a) * along, 0,
                                std::sin(a) * fenceLine + std::cos(a) * along};
                };
                object.mesh.append(fenceRun(at(-fenceLine), at(-gap), height, 0.7f));
                object.mesh.append(fenceRun(at(gap), at(fenceLine), height, 0.7f));
            }
            object.placements.push_back({});
            break;
        }
        case Role::posts: {
            object.mesh = post(0.07f, 1.0f);
            if (g.index == 0 && has("plot") + has("plot3") > 0) {
                for (int side = 0; side < 4; ++side) {  // along the fence
                    float a = static_cast<float>(side) * pi / 2;
                    for (float along = -fenceLine; along < fenceLine - 0.1f; along += 4.2f) {
                        if (std::fabs(along) < 1.6f) continue;
                        Vec3 p{std::cos(a) * (fenceLine + 0.15f) - std::sin(a) * along, 0,
                               std::sin(a) * (fenceLine + 0.15f) + std::cos(a) * along};
                        object.placements.push_back(place(p));
                    }
                }
            } else {
                // A slalom of poles to fly round.
                Vec3 at = layout_.find(rng_, 6, 15, 3);
                float turn = rng_.range(0, pi);
                for (int i = 0; i < 6; ++i) {
                    float along = (static_cast<float>(i) - 2.5f) * 1.1f;
                    Vec3 p = at + Vec3{std::cos(turn) * along, 0, std::sin(turn) * along};
                    object.placements.push_back(place(p, 0, {1, i % 2 ? 1.4f : 1.1f, 1}));
                }
            }
            break;
        }
        case Role::gate: {
            object.mesh = gate(2.4f, 1.5f);
            object.material = Material::cutoutTwoSided;
            int side = (1 + g.index * 2) % 4;  // the sides left and right of the hive
            float a = static_cast<float>(side) * pi / 2;
            Vec3 at{std::cos(a) * fenceLine, 0, std::sin(a) * fenceLine};
            object.placements.push_back(place(at, facingHive(at)));
            break;
        }
        case Role::stones: {
            object.mesh = stone(seed);
            Random rng(seed);
            if (g.index == 0 && hasPond_ && recipe_.pondRadius > 0) {
                for (int i = 0; i < 10; ++i) {  // round the pond
                    float a = 2 * pi * static_cast<float>(i) / 10 + rng.range(0, 0.4f);
                    float d = recipe_.pondRadius + rng.range(0.0f, 0.3f);
                    Vec3 at = recipe_.pond + Vec3{std::cos(a) * d, 0, std::sin(a) * d};
                    object.placements.push_back(
                        onGround(at, rng.range(0, 6), rng.range(0.5f, 0.9f)));
                }
            } else {
                Vec3 at = layout_.find(rng_, 5, 18, 1.6f);
                for (int i = 0; i < 4; ++i) {
                    Vec3 p = at + Vec3{rng.range(-1.1f, 1.1f), 0, rng.range(-1.1f, 1.1f)};
                    object.placements.push_back(
                        onGround(p, rng.range(0, 6), rng.range(0.4f, 1.3f)));
                }
            }
            break;
        }
        case Role::wood: {
            Random rng(seed);
            if (g.name == "drewna" && g.index == 0 && !has("ul01") && !has("ul02") &&
                !has("ul03")) {
                // A garden without a hive texture keeps its bees in a plank box.
                object.mesh = hive(HiveKind::box);
                object.placements.push_back({});
                break;
            }
            if (g.name == "drewno1" || g.name == "drewno2") {
                object.mesh = logPile();
            } else if (g.name == "drewna") {
                const Mesh made[] = {crate(), bench(), picnicTable()};
                object.mesh = made[g.index % 3];
            } else if (g.index % 2 == 0) {
                object.mesh = stump(seed);
            } else {
                object.mesh = fallenBranch(seed, g.name == "konar" ? 3.5f : 2.2f);
            }
            int copies = 1 + static_cast<int>(rng.below(2));
            for (int i = 0; i < copies; ++i) {
                Vec3 at = layout_.find(rng_, 4, 19, 1.4f);
                object.placements.push_back(
                    onGround(at, rng.range(0, 2 * pi), rng.range(0.8f, 1.2f)));
            }
            break;
        }
        case Role::mushroom: {
            int variant = g.name.back() - '0';
            object.mesh = mushroom(variant);
            Random rng(seed + static_cast<uint32_t>(variant));
            for (int cluster = 0; cluster < 2; ++cluster) {
                Vec3 at = layout_.find(rng_, 3.5f, 18, 1.5f);
                int count = 3 + rng.below(4);
                for (int i = 0; i < count; ++i) {
                    Vec3 p = at + Vec3{rng.range(-1.2f, 1.2f), 0, rng.range(-1.2f, 1.2f)};
                    float scale = i == 0 ? rng.range(1.8f, 2.6f) : rng.range(0.6f, 1.5f);
                    object.placements.push_back(onGround(p, rng.range(0, 6), scale));
                }
            }
            break;
        }
        case Role::tree: {
            const std::map<std::string, TreeKind, std::less<>> kinds = {
                {"drzewo", TreeKind::leafy},
                {"jablonka", TreeKind::apple},
                {"choinka1", TreeKind::spruce},
                {"wierzba", TreeKind::willow},
                {"biale2", TreeKind::birch}};
            TreeKind kind = kinds.at(g.name);
            object.mesh = tree(kind, seed);
            if (kind == TreeKind::willow) object.material = Material::cutoutTwoSided;
            Random rng(seed);
            int count = 2 + rng.below(3);
            for (int i = 0; i < count; ++i) {
                bool inside = i % 2 == 0;
                Vec3 at =
                    inside ? layout_.find(rng_, 9, 18, 2.2f) : layout_.find(rng_, 23, 34, 2.5f);
                object.placements.push_back(onGround(at, rng.range(0, 6), rng.range(0.85f, 1.25f)));
            }
            break;
        }
        case Role::houses:
        case Role::cottage: {
            Random rng(seed);
            bool small = g.role == Role::cottage;
            int count = small ? 1 : 2;
            for (int i = 0; i < count; ++i) {
                const Vec3 tints[] = {{1, 0.85f, 0.85f},
                                      {0.85f, 0.92f, 1},
                                      {1, 0.97f, 0.8f},
                                      {0.88f, 1, 0.88f},
                                      {1, 1, 1}};
                float w = small ? 3.2f : rng.range(4, 6), d = small ? 3 : rng.range(4, 5);
                float h = small ? 2.2f : rng.range(3.2f, 4.5f);
                Vec3 at =
                    layout_.find(rng_, small ? 25 : 28, small ? 34 : 42, std::max(w, d) * 0.75f);
                Mesh one = house(w, d, h, small ? 1.6f : 2, tints[rng.below(5)], true, true, 2);
                if (small) {
                    one.append(box({0.4f, 1.2f, 0.4f}, bands::roof, 0.4f),
                               Mat4::translation({w * 0.25f, h + 0.6f, 0}));
                }
                object.mesh.append(one, onGround(at, facingHive(at), 1, -0.1f));
            }
            object.placements.push_back({});
            break;
        }
        case Role::wall: {
            Random rng(seed);
            object.mesh = box({8, g.name == "mur" ? 1.1f : 1.4f, 0.4f}, bands::whole, 1.4f);
            if (g.index < 4 && table_.sceneNumber != 10) {
                // Walls along one side, outside the fence, with gaps.
                float a = static_cast<float>(g.index) * pi / 2 + pi / 4 * (g.index % 2);
                for (float along : {-9.0f, 9.0f}) {
                    Vec3 at{std::cos(a) * 24 - std::sin(a) * along, 0,
                            std::sin(a) * 24 + std::cos(a) * along};
                    object.placements.push_back(onGround(at, facingHive(at), 1, -0.05f));
                }
            } else {
                Vec3 at = layout_.find(rng_, 10, 18, 4.2f);
                object.placements.push_back(onGround(at, facingHive(at), 1, -0.05f));
            }
            break;
        }
        case Role::gnome: {
            object.mesh = gnome();
            Vec3 at = layout_.find(rng_, 3.5f, 6, 0.5f);
            object.placements.push_back(onGround(at, facingHive(at), 1.2f));
            Vec3 other = layout_.find(rng_, 8, 14, 0.5f);
            object.placements.push_back(onGround(other, facingHive(other), 1.0f));
            break;
        }
        case Role::hive: {
            const HiveKind kinds[] = {HiveKind::skep, HiveKind::box, HiveKind::log};
            object.mesh = hive(kinds[(g.name.back() - '1') % 3]);
            object.placements.push_back({});
            break;
        }
        case Role::exit:
            object.mesh = exitDisc();
            object.material = Material::twoSided;
            object.placements.push_back({});
            break;
        default:
            throw std::logic_error("not a prop role");
    }
    return object;
}

// The town of scene 10: building lots round the garden; walls, roofs, parapets, balconies
// and windows are separate objects that each cover some of the lots.
SceneObject GardenBuilder::town(const Group& g) {
    SceneObject object;
    const int lots = 12;
    for (int lot = g.index; lot < lots; lot += g.count) {
        Random rng(recipe_.seed + static_cast<uint32_t>(lot) * 13);
        float a = 2 * pi * (static_cast<float>(lot) + 0.5f) / lots;
        float dist = rng.range(30, 36);
        Vec3 at{std::sin(a) * dist, 0, std::cos(a) * dist};
        float w = rng.range(6, 9), d = rng.range(5, 7), h = rng.range(5, 9);
        Mat4 where = onGround(at, facingHive(at), 1, -0.2f);
        switch (g.role) {
            case Role::townWall:
                object.mesh.append(box({w, h, d}, bands::whole, 3, false), where);
                break;
            case Role::roofs:
                object.mesh.append(gableRoof(w, d, h, 2.5f, bands::whole), where);
                break;
            case Role::parapet:
                object.mesh.append(panel(w, 0.9f, bands::whole, w / 2),
                                   where * Mat4::translation({0, h - 0.9f, d / 2 + 0.05f}));
                object.material = Material::cutoutTwoSided;
                break;
            case Role::balcony:
                object.mesh.append(box({w * 0.5f, 0.12f, 0.8f}, bands::whole, 1),
                                   where * Mat4::translation({0, h * 0.55f, d / 2 + 0.4f}));
                object.mesh.append(panel(w * 0.5f, 0.8f, bands::whole, 2),
                                   where * Mat4::translation({0, h * 0.55f, d / 2 + 0.8f}));
                object.material = Material::cutoutTwoSided;
                break;
            case Role::windows:
                for (float x : {-w / 4, w / 4}) {
                    object.mesh.append(panel(1.6f, 1.6f, bands::whole),
                                       where * Mat4::translation({x, 1.0f, d / 2 + 0.03f}));
                }
                break;
            default:
                throw std::logic_error("not a town role");
        }
    }
    object.placements.push_back({});
    return object;
}

// The smallest t at which a texel between s0 and s1 (wrapping) is not clear, less a margin
// of 8 texels each way: filtering and the mipmap levels a distant wall uses (up to the
// eighth of the size) spread a texel's alpha no further. band.bottom where all is clear.
float highestShown(const Image& image, float s0, float s1, Band band) {
    constexpr int margin = 8;
    const int side = image.side();
    const int from = static_cast<int>(std::floor(s0 * static_cast<float>(side))) - margin;
    const int to = static_cast<int>(std::ceil(s1 * static_cast<float>(side))) + margin;
    int row = side;
    for (int x = from; x <= to; ++x)
        for (int y = 0; y < row; ++y)
            if (image.at(x, y).a > 0) row = y;
    if (row == side) return band.bottom;
    return static_cast<float>(row - margin) / static_cast<float>(side);
}

// What lies far away: tree lines, mountains, the rainbow and the sky box. Drawn as painted
// without baked light.
SceneObject GardenBuilder::far(const Group& g) {
    // The rings' cut-out textures wrap: sampled right at their top edge they blend in the
    // opaque bottom row, which passes the alpha test as a faint dashed line across the sky.
    // Their clear top rows are therefore left out of the mapping, and so is the last row.
    const Band ringBand{0.1f, 0.99f};
    SceneObject object;
    object.placements.push_back({});
    switch (g.role) {
        case Role::treeLine: {
            float radius = 62 + 16 * static_cast<float>(g.index);
            float offset = static_cast<float>(g.index) * 0.7f;
            uint32_t seed = recipe_.seed + static_cast<uint32_t>(g.index);
            object.mesh = ringWall(
                radius, offset, offset + 2 * pi, 32, -3,
                [seed](float a) { return 11 + 5 * tiledNoise(a * 3, 0, 64, seed); }, 14, ringBand);
            object.material = Material::cutout;
            break;
        }
        case Role::mountains: {
            float radius = 190 - 10 * static_cast<float>(g.index);
            float offset = static_cast<float>(g.index) * 1.3f;
            // Above the ridges the texture is clear: the wall stops a few texels over the
            // highest ridge of each strip, so those pixels are never sent to be tested.
            static const TexturePicture picture = paintGardenTexture("gory.srm");
            object.mesh = trimmedRingWall(
                radius, offset, offset + 2 * pi, 32, 8, -5, 75, 5, ringBand,
                [&](float s0, float s1) { return highestShown(picture.image, s0, s1, ringBand); });
            object.material = Material::cutout;
            break;
        }
        case Role::rainbow:
            object.mesh = rainbowArch(110, 14);
            object.material = Material::blendedTwoSided;
            object.placements[0] = place({-60, -12, -140}, 0.35f);
            break;
        case Role::sky: {
            std::string face = g.name.substr(g.name.find_first_not_of("0123456789", 5));
            const char* faces[] = {"front", "right", "back", "left", "up"};
            int index = static_cast<int>(std::ranges::find(faces, face) - std::begin(faces));
            if (index == 5) throw std::invalid_argument("no sky face in " + g.name);
            object.mesh = skyFace(index, skyHalf, skyBottom, skyTop);
            object.material = Material::twoSided;
            break;
        }
        default:
            throw std::logic_error("not a far role");
    }
    return object;
}

SceneObject GardenBuilder::build(const Group& g) {
    SceneObject object;
    switch (g.role) {
        case Role::ground:
            object = ground(g);
            break;
        case Role::townWall:
        case Role::roofs:
        case Role::parapet:
        case Role::balcony:
        case Role::windows:
            object = town(g);
            break;
        case Role::treeLine:
        case Role::mountains:
        case Role::rainbow:
        case Role::sky:
            return far(g);
        default:
            object = props(g);
    }
    if (g.role != Role::exit && g.role != Role::water) bakeLight(object.mesh);
    return object;
}

}  // namespace

const GardenRecipe& gardenRecipe(int scene) {
    for (const GardenRecipe& recipe : recipes) {
        if (recipe.scene == scene) return recipe;
    }
    throw std::invalid_argument("no garden recipe for scene " + std::to_string(scene));
}

std::vector<SceneObject> buildGarden(const GardenTableEntry& scene) {
    GardenBuilder builder(scene, gardenRecipe(scene.sceneNumber));
    std::vector<SceneObject> objects(static_cast<size_t>(scene.objectCount));
    for (const DrawStep& step : scene.drawSequence) {
        std::string name = baseName(scene.textures[static_cast<size_t>(step.slot)]);
        int count = static_cast<int>(step.objects.size());
        for (int i = 0; i < count; ++i) {
            Group group{name, roleOf(name), i, count};
            objects[static_cast<size_t>(step.objects[static_cast<size_t>(i)])] =
                builder.build(group);
        }
    }
    return objects;  // an object no step calls stays empty
}
