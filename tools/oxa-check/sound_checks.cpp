// The sounds: every wave the game opens is there and can be played. Those of the sound
// table stop the game at start when they cannot; the fish's splashes and each stage's
// music only go silent, which is still a fault of the tree.

#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "__SNG/sound_table.h"
#include "assets/data_error.h"
#include "game/stage_settings.h"
#include "tree_check.h"
#include "wave_summary.h"

namespace {

void checkWave(TreeCheckContext& context, const std::string& gameName, const std::string& named) {
    auto bytes = context.read(gameName, named);
    if (!bytes) return;
    std::string problem;
    if (!summariseWave(std::move(*bytes), problem))
        context.problem(DataError(problem, context.shownPath(gameName)));
}

void checkSounds(TreeCheckContext& context) {
    for (const char* file : soundTableFiles)
        if (file) checkWave(context, file, "the sound table");
    checkWave(context, fishLeavesWaterSound, "the fish");
    checkWave(context, fishEntersWaterSound, "the fish");

    // Each music file once, with the stage files that name it. A stage file that cannot
    // be read names no music here; the stages' own check reports it.
    std::map<std::string, std::pair<std::string, std::string>> music;  // key: name, stages
    for (int level = 1; level <= 10; ++level) {
        for (int difficulty = 1; difficulty <= 3; ++difficulty) {
            const std::string stage = stageFileName(twoDigitLevelId(level), difficulty);
            auto path = context.tree().find(stage);
            if (!path) continue;
            std::ifstream in(*path, std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
            try {
                const StageSettings settings = readStageSettings(bytes, stage);
                auto& [gameName, stages] = music[DataTree::key(settings.musicFile)];
                if (gameName.empty()) gameName = settings.musicFile;
                stages += (stages.empty() ? "" : " ") + stage.substr(4, 8);
            } catch (const DataError&) {
            }
        }
    }
    for (const auto& [key, entry] : music)
        checkWave(context, entry.first, "the stage files " + entry.second);
}

[[maybe_unused]] const bool registered = registerTreeCheck({"sounds", checkSounds});

}  // namespace
