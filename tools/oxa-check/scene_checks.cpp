// The garden scenes: every scene model file and every texture a slot names exists and
// reads as the game reads it, and each scene model holds exactly the objects its scene
// draws (the game's lists have room for that many; fewer leave objects undrawn).

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "assets/model_file.h"
#include "scenes/garden_table.h"
#include "tree_check.h"

namespace {

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

void checkModel(TreeCheckContext& context, const GardenTableEntry& scene) {
    const std::string named = "scene " + twoDigits(scene.sceneNumber);
    auto bytes = context.read(scene.modelFile, named);
    if (!bytes) return;
    const std::string file = context.shownPath(scene.modelFile);
    try {
        ModelFile model = parseModelFile(ModelFileKind::Scene, *bytes, file);
        const auto count = static_cast<int>(model.objects.size());
        if (count != scene.objectCount) {
            context.problem(DataError(std::to_string(count) + " objects, but " + named + " draws " +
                                          std::to_string(scene.objectCount),
                                      file, 1));
        }
    } catch (const DataError& error) {
        context.problem(error.at(file, 0));
    }
}

void checkScenes(TreeCheckContext& context) {
    // Each texture once, however many scenes name it and in whichever letter case.
    struct Texture {
        std::string gameName;
        std::string scenes;
    };
    std::map<std::string, Texture> textures;
    for (const GardenTableEntry& scene : gardenTable()) {
        checkModel(context, scene);
        for (std::string_view name : scene.textures) {
            std::string gameName = std::string(gardenTextureFolder) + std::string(name);
            std::string key = DataTree::key(gameName);
            Texture& texture = textures[key];
            if (texture.gameName.empty()) texture.gameName = gameName;
            texture.scenes += (texture.scenes.empty() ? "" : " ") + twoDigits(scene.sceneNumber);
        }
    }
    for (const auto& [key, texture] : textures) {
        checkTextureFile(context, texture.gameName, "the slots of scenes " + texture.scenes);
    }
}

[[maybe_unused]] const bool registered = registerTreeCheck({"scenes", checkScenes});

}  // namespace
