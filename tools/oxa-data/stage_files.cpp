#include "stage_files.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "random.h"

namespace {

std::string numberLine(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g\r\n", static_cast<double>(value));
    return text;
}

uint64_t creatureSeed(const StageDesign& stage, int index, int kind) {
    return static_cast<uint64_t>(kind * 100000 + stage.level * 1000 + stage.difficulty * 100 +
                                 index);
}

std::string creatureName(char letter, const StageDesign& stage, int index) {
    char name[32];
    std::snprintf(name, sizeof name, "STA\\%c%02d%d%d.mtt", letter, stage.level, stage.difficulty,
                  index);
    return name;
}

}  // namespace

bool routeIsClear(const SceneLayout& layout, Vec3 from, Vec3 to) {
    // A dragonfly bobs between 0.5 and 1 and sways a little off its legs; a stone or a
    // bush lower than it mostly is does not count.
    constexpr float low = 0.55f, high = 1.15f, margin = 0.25f;
    const float start[2] = {from.x, from.z}, delta[2] = {to.x - from.x, to.z - from.z};
    // The leg against one triangle's footprint grown by the margin (slabs in x and z).
    auto crosses = [&](const WorldTriangle& t) {
        float t0 = 0, t1 = 1;
        const float lo[2] = {std::min({t.a.x, t.b.x, t.c.x}) - margin,
                             std::min({t.a.z, t.b.z, t.c.z}) - margin};
        const float hi[2] = {std::max({t.a.x, t.b.x, t.c.x}) + margin,
                             std::max({t.a.z, t.b.z, t.c.z}) + margin};
        for (int axis = 0; axis < 2; ++axis) {
            if (std::fabs(delta[axis]) < 1e-6f) {
                if (start[axis] < lo[axis] || start[axis] > hi[axis]) return false;
                continue;
            }
            float a = (lo[axis] - start[axis]) / delta[axis];
            float b = (hi[axis] - start[axis]) / delta[axis];
            t0 = std::max(t0, std::min(a, b));
            t1 = std::min(t1, std::max(a, b));
            if (t0 > t1) return false;
        }
        return true;
    };
    for (const SceneThing& thing : layout.things) {
        if (thing.kind != ThingKind::round && thing.kind != ThingKind::boxy) continue;
        if (thing.max.y < low || thing.min.y > high) continue;
        for (const WorldTriangle& t : thing.triangles) {
            if (std::max({t.a.y, t.b.y, t.c.y}) < low || std::min({t.a.y, t.b.y, t.c.y}) > high)
                continue;
            if (crosses(t)) return false;
        }
    }
    return true;
}

std::string dragonflyFileText(const StageDesign& stage, int index, const SceneLayout& layout) {
    Random rng(creatureSeed(stage, index, 1));
    // Three corners round the garden, a third of a turn apart, clear of the hive, with no
    // tree, house or fence across the legs at the heights a dragonfly bobs through.
    Vec3 corners[3];
    for (int attempt = 0;; ++attempt) {
        if (attempt == 5000) {
            throw std::logic_error("no clear route for dragonfly " + std::to_string(index) +
                                   " of level " + std::to_string(stage.level));
        }
        float start = rng.range(0, 2 * pi);
        for (int k = 0; k < 3; ++k) {
            float a = start + static_cast<float>(k) * 2 * pi / 3 + rng.range(-0.3f, 0.3f);
            float r = rng.range(5, 15);
            corners[k] = {std::sin(a) * r, rng.range(0.6f, 1.0f), std::cos(a) * r};
        }
        bool clear = true;
        for (int k = 0; k < 3 && clear; ++k) {
            clear = routeIsClear(layout, corners[k], corners[(k + 1) % 3]);
        }
        if (clear) break;
    }
    std::string out;
    for (float v : {corners[0].x, corners[0].y, corners[0].z}) out += numberLine(v);
    out += numberLine(stage.dragonflyStep);
    for (int k = 1; k < 3; ++k) {
        for (float v : {corners[k].x, corners[k].y, corners[k].z}) out += numberLine(v);
    }
    out += numberLine(stage.dragonflyNotice);
    out += numberLine(stage.dragonflyChase);
    out += numberLine(static_cast<float>(stage.dragonflyCooldown));
    out += "0\r\n0\r\n";
    return out;
}

std::string fishFileText(const StageDesign& stage, int index, const Pond& pond) {
    Random rng(creatureSeed(stage, index, 2));
    const float scale = 1.0f;
    // The arc and the spots it leaves from all stay inside seven tenths of the shore.
    float radius = std::min(0.8f, pond.radius * 0.35f);
    float spread = stage.fish > 1 ? pond.radius * 0.35f : 0;
    float a = 2 * pi * static_cast<float>(index - 1) / static_cast<float>(stage.fish) +
              rng.range(0, 0.5f);
    Vec3 centre = pond.centre + Vec3{std::cos(a) * spread, 0, std::sin(a) * spread};
    std::string out;
    out += numberLine(scale);
    out += numberLine(centre.x);
    out += numberLine(pond.centre.y);
    out += numberLine(centre.z);
    out += numberLine(std::round(rng.range(0, 360)));          // direction, degrees
    out += numberLine(std::round(rng.range(90, 130)));         // degrees of arc a second
    out += numberLine(static_cast<float>(4 + 2 * index % 5));  // seconds between jumps
    out += numberLine(radius);
    out += "0.01\r\n0.01\r\n";  // leaves and enters just above the surface
    return out;
}

std::string freshProgressText() {
    std::string out;
    for (int level = 1; level <= levelCount; ++level) out += level == 1 ? "1\r\n" : "0\r\n";
    for (int i = 0; i < 7; ++i) out += "0\r\n";
    for (int i = 0; i < 9; ++i) out += "0         \r\n";  // a score of 0 and no name
    return out;
}

void addStageFiles(DataFiles& files) {
    for (int level = 1; level <= levelCount; ++level) {
        const SceneLayout layout = readSceneLayout(files, levelScene(level));
        const std::optional<Pond>& pond = layout.pond;
        for (int difficulty = 1; difficulty <= 3; ++difficulty) {
            StageDesign stage = stageDesign(level, difficulty);
            char name[32];
            std::snprintf(name, sizeof name, "STA\\scena%02d%d.mtt", level, difficulty);
            files[name] = stageFileText(stage);
            for (int i = 1; i <= stage.dragonflies; ++i) {
                files[creatureName('w', stage, i)] = dragonflyFileText(stage, i, layout);
            }
            if (stage.fish > 0 && !pond) {
                throw std::logic_error("fish in a garden without a pond: level " +
                                       std::to_string(level));
            }
            for (int i = 1; i <= stage.fish; ++i) {
                files[creatureName('r', stage, i)] = fishFileText(stage, i, *pond);
            }
        }
    }
    for (int difficulty = 1; difficulty <= 3; ++difficulty) {
        files["STA\\eloper" + std::to_string(difficulty) + ".mtt"] = freshProgressText();
    }
}
