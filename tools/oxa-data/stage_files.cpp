#include "stage_files.h"

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

std::string dragonflyFileText(const StageDesign& stage, int index) {
    Random rng(creatureSeed(stage, index, 1));
    // Three corners round the garden, a third of a turn apart, clear of the hive.
    float start = rng.range(0, 2 * pi);
    Vec3 corners[3];
    for (int k = 0; k < 3; ++k) {
        float a = start + static_cast<float>(k) * 2 * pi / 3 + rng.range(-0.3f, 0.3f);
        float r = rng.range(7, 15);
        corners[k] = {std::sin(a) * r, rng.range(0.6f, 1.2f), std::cos(a) * r};
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
    out += "0\r\n0\r\n";  // leaves and enters at the surface
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
        std::optional<Pond> pond = readSceneLayout(files, levelScene(level)).pond;
        for (int difficulty = 1; difficulty <= 3; ++difficulty) {
            StageDesign stage = stageDesign(level, difficulty);
            char name[32];
            std::snprintf(name, sizeof name, "STA\\scena%02d%d.mtt", level, difficulty);
            files[name] = stageFileText(stage);
            for (int i = 1; i <= stage.dragonflies; ++i) {
                files[creatureName('w', stage, i)] = dragonflyFileText(stage, i);
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
