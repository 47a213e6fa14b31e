// The creatures: the butterfly, dragonfly, fish and splash models and textures read as the
// game reads them (each model holding the objects the game draws), and every dragonfly and
// fish file a stage names, read with the game's own readers.

#include <string>

#include "assets/model_file.h"
#include "assets/texture_file.h"
#include "game/dragonfly.h"
#include "game/fish.h"
#include "game/stage_settings.h"
#include "tree_check.h"

namespace {

struct CreatureAssets {
    const char* model;
    int objects;  // the lists the game has for it
    const char* texture;
    const char* named;
};

constexpr CreatureAssets assets[] = {
    {"MOD\\DATA\\MOTYL.wkx", 3, "MOD\\BMP_0\\motyl.srm", "the butterflies"},
    {"MOD\\DATA\\wazka.wkx", 3, "MOD\\BMP_0\\wazka.srm", "the dragonflies"},
    {"MOD\\DATA\\rybka.wkx", 1, "MOD\\BMP_0\\rybka.srm", "the fish"},
    {"MOD\\DATA\\plusk.wkx", 1, "MOD\\BMP_0\\plusk.srm", "the fish's splashes"},
};

void checkModel(TreeCheckContext& context, const CreatureAssets& a) {
    auto bytes = context.read(a.model, a.named);
    if (!bytes) return;
    const std::string file = context.shownPath(a.model);
    try {
        const ModelFile model = parseModelFile(ModelFileKind::Object, *bytes, file);
        const auto count = static_cast<int>(model.objects.size());
        if (count != a.objects)
            context.problem(DataError(std::to_string(count) + " objects, but " + a.named +
                                          " draw " + std::to_string(a.objects),
                                      file, 1));
    } catch (const DataError& error) {
        context.problem(error.at(file, 0));
    }
}

void checkTexture(TreeCheckContext& context, const CreatureAssets& a) {
    auto bytes = context.read(a.texture, a.named);
    if (!bytes) return;
    auto texture = parseTextureFile(*bytes);
    if (!texture || texture->side == 0 || !texture->complete())
        context.problem(DataError("not a whole texture", context.shownPath(a.texture)));
}

// Reads one creature file the stage names with the game's reader.
template <typename Reader>
void checkCreatureFile(TreeCheckContext& context, const std::string& name, const std::string& stage,
                       Reader read) {
    auto bytes = context.read(name, stage);
    if (!bytes) return;
    const std::string file = context.shownPath(name);
    try {
        read(*bytes, file);
    } catch (const DataError& error) {
        context.problem(error.at(file, 0));
    }
}

void checkCreatures(TreeCheckContext& context) {
    for (const CreatureAssets& a : assets) {
        checkModel(context, a);
        checkTexture(context, a);
    }
    for (int level = 1; level <= 10; ++level) {
        for (int difficulty = 1; difficulty <= 3; ++difficulty) {
            const std::string levelId = twoDigitLevelId(level);
            const std::string stageName = stageFileName(levelId, difficulty);
            if (!context.tree().find(stageName)) continue;  // a level the tree does not have
            auto bytes = context.read(stageName, "the level choice");
            if (!bytes) continue;
            const std::string stageFile = context.shownPath(stageName);
            StageSettings stage;
            try {
                stage = readStageSettings(*bytes, stageFile);
            } catch (const DataError& error) {
                context.problem(error.at(stageFile, 0));
                continue;
            }
            const std::string stageId = levelId + std::to_string(difficulty);
            for (int i = 1; i <= stage.dragonflyCount; ++i)
                checkCreatureFile(
                    context, dragonflyFileName(stageId, i), stageFile,
                    [](std::string_view b, const std::string& f) { readDragonfly(b, f); });
            for (int i = 1; i <= stage.fishCount; ++i)
                checkCreatureFile(context, fishFileName(stageId, i), stageFile,
                                  [](std::string_view b, const std::string& f) { readFish(b, f); });
        }
    }
}

[[maybe_unused]] const bool registered = registerTreeCheck({"creatures", checkCreatures});

}  // namespace
