#include "level_design.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "bee_model.h"

namespace {

struct LevelPlan {
    int scene;
    std::array<int, 3> seconds;  // per difficulty
    int nectarPerLoad;
    std::array<int, 3> loads;  // bucket slots to deliver
    std::array<int, 3> butterflies, dragonflies, fish, speedIcons, clockIcons;
    // Stages whose creatures notice the bee half a unit further off than their difficulty's.
    std::array<int, 3> keenEyed;
    float maxSpeed;
};

// Ten different gardens; the ones with a pond (1, 2, 4, 8, 23, 10) get fish from level 3.
// The clocks and the creatures were tuned with the two autopilot styles
// (scripts/challenge-table.sh, docs/challenge.md): a young child who flies straight for the
// nearest nectar wins every level at difficulty 1 with time to spare and most at 2, and at
// 3 loses loads to the creatures and the last levels; her time left shrinks and the loads
// she loses grow from level 1 to 10. The skilled player wins every stage. Each garden's
// spots, butterflies and dragonflies stand where the game's one random generator puts
// them, so the counts below are what gives each stage its measure, not a formula.
// clang-format off
const LevelPlan plans[levelCount] = {
    // scene  clock seconds    load  loads         butterflies  dragonflies  fish       speed      clocks     keen-eyed  top speed
    {1,  {240, 170, 155}, 10, {6, 7, 8},    {0, 0, 2}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, 2.2f},
    {5,  {210, 155, 145}, 10, {8, 9, 10},   {0, 1, 1}, {0, 0, 0}, {0, 0, 0}, {1, 1, 1}, {1, 1, 0}, {0, 0, 0}, 2.2f},
    {2,  {175, 195, 205}, 10, {10, 12, 14}, {1, 2, 2}, {0, 0, 0}, {1, 1, 2}, {1, 1, 1}, {1, 1, 1}, {0, 0, 0}, 2.2f},
    {7,  {230, 200, 160}, 10, {11, 13, 15}, {1, 1, 5}, {0, 1, 1}, {0, 0, 0}, {1, 1, 1}, {1, 1, 1}, {0, 0, 0}, 2.4f},
    {4,  {220, 155, 155}, 10, {12, 14, 16}, {2, 2, 4}, {1, 1, 2}, {2, 2, 2}, {2, 2, 1}, {1, 1, 1}, {0, 1, 1}, 2.4f},
    {21, {225, 175, 180}, 15, {12, 14, 16}, {3, 3, 3}, {1, 2, 1}, {0, 0, 0}, {2, 2, 2}, {1, 1, 1}, {1, 1, 0}, 2.4f},
    {8,  {215, 160, 175}, 15, {13, 15, 17}, {2, 4, 5}, {1, 2, 2}, {2, 2, 3}, {2, 2, 2}, {2, 1, 1}, {0, 1, 0}, 2.4f},
    {24, {235, 235, 200}, 15, {14, 16, 18}, {4, 3, 5}, {2, 3, 3}, {0, 0, 0}, {2, 2, 2}, {2, 2, 1}, {0, 0, 0}, 2.6f},
    {23, {260, 195, 145}, 20, {15, 17, 19}, {3, 5, 5}, {2, 4, 3}, {3, 3, 3}, {2, 2, 2}, {2, 2, 2}, {0, 0, 1}, 2.6f},
    {10, {260, 205, 245}, 20, {17, 19, 21}, {3, 4, 5}, {3, 4, 3}, {2, 3, 3}, {3, 2, 2}, {2, 2, 2}, {0, 0, 1}, 2.6f},
};
// clang-format on

const LevelPlan& planOf(int level) {
    if (level < 1 || level > levelCount) {
        throw std::out_of_range("no level " + std::to_string(level));
    }
    return plans[level - 1];
}

std::string number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

std::string number(int value) {
    return std::to_string(value);
}

// A value in the first 10 characters, then what it means for a person reading the file.
std::string line(const std::string& value, const char* meaning, size_t width = 10) {
    std::string text = value;
    text.resize(std::max(text.size(), width) + 2, ' ');
    return text + meaning + "\r\n";
}

}  // namespace

int levelScene(int level) {
    return planOf(level).scene;
}

StageDesign stageDesign(int level, int difficulty) {
    if (difficulty < 1 || difficulty > 3) {
        throw std::out_of_range("no difficulty " + std::to_string(difficulty));
    }
    const LevelPlan& plan = planOf(level);
    const size_t d = static_cast<size_t>(difficulty - 1);
    StageDesign s{};
    s.level = level;
    s.difficulty = difficulty;
    s.scene = plan.scene;
    s.seconds = plan.seconds[d];
    s.nectarPerLoad = plan.nectarPerLoad;
    s.target = plan.loads[d] * plan.nectarPerLoad;
    // Half as many spare spots again as loads are needed: creatures and hard bumps steal
    // loads, and a child need not find every flower.
    s.sprites = (plan.loads[d] * 3 + 1) / 2 + 2;
    s.flowerGroups = (s.sprites + 4) / 5 + 3;  // five sprites a group, and a few plain ones
    s.plants = {24, 18, 18, 40};
    s.butterflies = plan.butterflies[d];
    // At the hive's door, looking out into the garden.
    s.beeX = 0;
    s.beeY = 0.5f;
    s.beeZ = 0.6f;
    s.beeHeading = 0;
    s.beeScale = beeScale;
    s.maxSpeed = plan.maxSpeed;
    s.boostedSpeed = std::round(plan.maxSpeed * 16) / 10;
    s.acceleration = 2.0f;
    s.turnRate = 3.0f;
    s.pointsPerNectar = 10;
    s.pointsPerSecond = 5;
    s.speedIcons = plan.speedIcons[d];
    s.clockIcons = plan.clockIcons[d];
    s.boostSeconds = 10 - difficulty;
    s.clockBonus = 35 - 5 * difficulty;
    const float keen = plan.keenEyed[d] ? 0.5f : 0.0f;
    s.butterflyNotice = 2.0f + 0.5f * static_cast<float>(difficulty) + keen;
    s.butterflyChase = 0.45f + 0.1f * static_cast<float>(difficulty);
    s.dragonflies = plan.dragonflies[d];
    s.fish = plan.fish[d];
    s.dragonflyStep = 0.04f + 0.01f * static_cast<float>(difficulty);
    s.dragonflyNotice = 2.5f + 0.5f * static_cast<float>(difficulty) + keen;
    s.dragonflyChase = 0.5f + 0.1f * static_cast<float>(difficulty);
    s.dragonflyCooldown = 300 - 60 * difficulty;
    return s;
}

std::string stageFileText(const StageDesign& s) {
    char music[32];
    std::snprintf(music, sizeof music, "MUSICmuzyka%02d.wav", s.level);
    std::string out;
    out += line(number(s.scene), "garden scene");
    out += line(number(s.seconds % 10), "clock: seconds");
    out += line(number(s.seconds % 60 / 10), "clock: tens of seconds");
    out += line(number(s.seconds / 60 % 10), "clock: minutes");
    out += line(number(s.seconds / 600), "clock: tens of minutes");
    out += line("1", "nectar sprites on");
    out += line(number(s.sprites), "nectar sprites");
    out += line(number(s.nectarPerLoad), "nectar per load");
    out += line(number(s.target), "target");
    out += line("1", "flowers on");
    out += line(number(s.flowerGroups), "flower groups");
    out += line("1", "plants on");
    for (int count : s.plants) out += line(number(count), "plants of one kind");
    out += line(s.butterflies > 0 ? "1" : "0", "butterflies on");
    out += line(number(s.butterflies), "butterflies");
    out += line(number(s.beeX), "bee start x");
    out += line(number(s.beeY), "bee start y");
    out += line(number(s.beeZ), "bee start z");
    out += line(number(s.beeHeading), "bee start heading");
    out += line(number(s.beeScale), "bee scale");
    out += line(number(s.maxSpeed), "top speed");
    out += line(number(s.boostedSpeed), "top speed with a speed boost");
    out += line(number(s.acceleration), "acceleration");
    out += line(number(s.pointsPerNectar), "points per nectar unit");
    out += line(number(s.pointsPerSecond), "points per second left");
    out += line("1", "icons on");
    out += line(number(s.speedIcons), "speed icons");
    out += line("0", "not used");
    out += line(number(s.clockIcons), "clock icons");
    out += line(number(s.boostSeconds), "seconds of a speed boost");
    out += line(number(s.clockBonus), "seconds a clock adds");
    out += line(number(s.butterflyNotice), "butterflies notice the bee this near");
    out += line(number(s.butterflyChase), "butterflies chase at this share of top speed");
    out += line(number(s.turnRate), "turn rate");
    out += line(music, "music", 20);
    out += line(number(s.dragonflies), "dragonflies");
    out += line(number(s.fish), "fish");
    return out;
}
