#include "scenes/garden_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>
#include <string>

namespace {

struct Expected {
    int scene;
    int objects;
    int textures;
    int waterObject;  // -1: no animated water
    int exitObject;   // -1: no exit
};

// Scene number, N, T, the animated water object and the exit object of every scene.
const Expected expected[] = {
    {0, 29, 18, -1, -1},  {1, 39, 24, 11, 7},   {2, 37, 24, 8, 0},    {3, 36, 21, -1, 7},
    {4, 43, 27, 11, 8},   {5, 31, 21, -1, 4},   {6, 37, 24, 10, 8},   {7, 31, 19, -1, 7},
    {8, 37, 25, 11, 27},  {9, 33, 23, -1, 4},   {10, 72, 32, 50, 29}, {20, 38, 26, -1, 4},
    {21, 34, 22, -1, 20}, {22, 37, 25, -1, 26}, {23, 44, 27, -1, 25}, {24, 32, 21, -1, 31},
    {25, 30, 19, -1, 17}, {26, 32, 22, -1, 19},
};

std::string lower(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

TEST(GardenTable, HoldsTheEighteenScenesWithTheirCounts) {
    ASSERT_EQ(gardenTable().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const GardenTableEntry& scene = gardenTable()[i];
        const Expected& want = expected[i];
        SCOPED_TRACE(scene.sceneNumber);
        EXPECT_EQ(scene.sceneNumber, want.scene);
        EXPECT_EQ(scene.objectCount, want.objects);
        EXPECT_EQ(scene.textureCount(), want.textures);
        char model[40];
        std::snprintf(model, sizeof model, "SCE\\DATA\\garden%02d.wkx", want.scene);
        EXPECT_EQ(scene.modelFile, model);
        EXPECT_EQ(findGarden(want.scene), &scene);

        int water = -1, exit = -1;
        for (const DrawStep& step : scene.drawSequence) {
            if (step.kind == StepKind::water) water = step.objects.at(0);
            if (step.kind == StepKind::exit) exit = step.objects.at(0);
        }
        EXPECT_EQ(water, want.waterObject);
        EXPECT_EQ(exit, want.exitObject);
        if (exit >= 0) {
            EXPECT_EQ(scene.drawSequence.back().kind, StepKind::exit);
            EXPECT_EQ(scene.textures[scene.drawSequence.back().slot], "wyj.srm");
        }
        if (water >= 0) {
            EXPECT_EQ(scene.textures[slotOfObject(scene, water)], "woda1.srm");
        }
    }
    for (int missing : {-1, 11, 15, 19, 27, 100}) EXPECT_EQ(findGarden(missing), nullptr);
}

// Every object but scene 0's object 13 is drawn exactly once, with a slot in range, and
// every slot is bound by some step.
TEST(GardenTable, DrawsEveryObjectOnceAndBindsEverySlot) {
    for (const GardenTableEntry& scene : gardenTable()) {
        SCOPED_TRACE(scene.sceneNumber);
        std::multiset<int> drawn;
        std::set<int> bound;
        for (const DrawStep& step : scene.drawSequence) {
            EXPECT_GE(step.slot, 0);
            EXPECT_LT(step.slot, scene.textureCount());
            EXPECT_FALSE(step.objects.empty());
            bound.insert(step.slot);
            for (int object : step.objects) {
                EXPECT_GE(object, 0);
                EXPECT_LT(object, scene.objectCount);
                drawn.insert(object);
            }
        }
        EXPECT_EQ(static_cast<int>(bound.size()), scene.textureCount());
        for (int object = 0; object < scene.objectCount; ++object) {
            const bool neverDrawn = scene.sceneNumber == 0 && object == 13;
            EXPECT_EQ(drawn.count(object), neverDrawn ? 0u : 1u) << "object " << object;
            EXPECT_EQ(slotOfObject(scene, object) < 0, neverDrawn) << "object " << object;
        }
    }
}

// A slot list names every sky face once, and letter case may differ between scenes for
// the same file, but never within one scene.
TEST(GardenTable, SlotNamesAreDistinctAndSkySetsComplete) {
    std::map<std::string, std::set<std::string_view>> spellings;
    for (const GardenTableEntry& scene : gardenTable()) {
        SCOPED_TRACE(scene.sceneNumber);
        std::set<std::string> names;
        int skyFaces = 0;
        for (std::string_view name : scene.textures) {
            EXPECT_TRUE(name.ends_with(".srm")) << name;
            EXPECT_TRUE(names.insert(lower(name)).second) << name;
            spellings[lower(name)].insert(name);
            if (lower(name).starts_with("niebo")) ++skyFaces;
        }
        EXPECT_EQ(skyFaces, 5);
    }
    EXPECT_EQ(spellings.size(), 64u);
    EXPECT_EQ(spellings["niebo2up.srm"].size(), 2u);  // "niebo2up.srm" and "NIEBO2UP.srm"
    EXPECT_EQ(spellings["droga.srm"].size(), 2u);
    EXPECT_EQ(spellings["plot.srm"].size(), 2u);
}

}  // namespace
