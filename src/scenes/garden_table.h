#pragma once
// The eighteen garden scenes as plain data: which model file each scene reads, how many
// objects it holds, the texture files of its slots in slot order, and the order in which
// it binds those slots and calls its objects. The scene class draws from this table and
// the data generator builds every scene file and texture from it, so the two can never
// disagree about what object i of a scene is.

#include <span>
#include <string_view>
#include <vector>

enum class StepKind {
    plain,  // bind the slot, call each object's placement list
    water,  // the same under the pulsing texture matrix
    exit,   // sphere-mapped, and only once the exit is open; always the last step
};

struct DrawStep {
    StepKind kind;
    int slot;
    std::vector<int> objects;
};

struct GardenTableEntry {
    int sceneNumber;                         // 0-10 and 20-26; stages name scenes by it
    std::string_view className;              // "glh::garden02"
    std::string_view modelFile;              // "SCE\\DATA\\garden02.wkx"
    int objectCount;                         // N: capacity of the placement and mesh lists
    std::vector<std::string_view> textures;  // bare file names under "SCE\\BMP_0\\", by slot
    std::vector<DrawStep> drawSequence;

    int textureCount() const { return static_cast<int>(textures.size()); }
};

// The folder every scene texture lives in.
inline constexpr std::string_view gardenTextureFolder = "SCE\\BMP_0\\";

// All eighteen scenes in table order (0 to 10, then 20 to 26).
std::span<const GardenTableEntry> gardenTable();

// The scene with this number, or nullptr for a number without a scene (11 to 19 and
// anything outside 0 to 26).
const GardenTableEntry* findGarden(int sceneNumber);

// The texture slot whose draw step calls object `object`, or -1 for an object no step
// calls (scene 0's object 13).
int slotOfObject(const GardenTableEntry& scene, int object);
