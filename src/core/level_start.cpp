#include "core/level_start.h"

#include <cstdio>
#include <optional>
#include <utility>

#include "__SNG/sound_table.h"
#include "assets/data_error.h"
#include "core/bench.h"
#include "core/flight_update.h"
#include "core/game_flow.h"
#include "core/game_state.h"
#include "core/main_loop.h"
#include "core/stage_report.h"
#include "core/top_level.h"
#include "game/bee_model.h"
#include "game/collectibles.h"
#include "game/collision_mesh.h"
#include "game/creatures.h"
#include "game/kamera.h"
#include "game/kontrol.h"
#include "game/placement_map.h"
#include "game/progress_file.h"
#include "game/stage_settings.h"
#include "menus/menus.h"
#include "platform/data_paths.h"
#include "scenes/garden_scene.h"

namespace {

bool reporting = false;
bool exitAfterReport = false;

// A data file the level needs; a missing one is an error of the data.
std::string readRequired(const std::string& name) {
    auto bytes = readDataFile(name);
    if (!bytes) throw DataError("Cannot open file " + name);
    return *bytes;
}

// The files that make a stage besides its scene: the stage file, the placement map and the
// collision mesh.
struct StageFiles {
    StageSettings settings;  // with the placement map
    CollisionMesh mesh;
    CreatureFiles creatures;
};

// Reads the stage's own files (with its dragonflies' and fish's) whole before anything of the level in progress is freed. One
// that is missing or damaged leaves everything as it was: one line says why, and the
// caller goes back to the main menu, as for a stage file absent at this difficulty.
std::optional<StageFiles> readStageFiles(const std::string& levelId) {
    try {
        StageFiles files;
        const std::string stageName = stageFileName(levelId, medium.difficulty);
        files.settings = readStageSettings(readRequired(stageName), displayName(stageName));
        if (gardenScene(files.settings.sceneNumber)) {
            const std::string mapName = placementMapName(files.settings.sceneNumber);
            files.settings.placement = readPlacementMap(readRequired(mapName), displayName(mapName));
        }
        const std::string meshName = collisionMeshName(levelId);
        files.mesh = readCollisionMesh(readRequired(meshName), displayName(meshName));
        if (files.mesh.groups.empty())
            std::fprintf(stderr,
                         "oxa: %s: no collision groups: the bee bumps into nothing and cannot fly "
                         "into the hive\n",
                         displayName(meshName).c_str());
        files.creatures =
            readCreatureFiles(files.settings, levelId + std::to_string(medium.difficulty));
        return files;
    } catch (const DataError& error) {
        std::fprintf(stderr, "oxa: %s; level %s does not start\n", error.report().c_str(),
                     levelId.c_str());
        return std::nullopt;
    }
}

void placeBee() {
    auto& bee = glh::kamera;
    bee.x = model.beeStartX;
    bee.y = model.beeStartY;
    bee.z = model.beeStartZ;
    bee.heading = model.beeStartHeading;
    glh::gl_oxa_model.loadTextures(medium.textureFilterMode);
    glh::gl_oxa_model.loadModel();
    bee.maxSpeed = model.maxSpeed;
    bee.acceleration = model.acceleration;
    bee.turnRate = model.turnRate;
}

}  // namespace

bool startLevel(const std::string& levelId) {
    auto files = readStageFiles(levelId);
    noteLevelStartStep("stage files");
    if (!files) {
        showMainMenu();
        return false;
    }
    freeStageAssets();
    opera.exitOpen = 0;
    showLoadingPicture(medium.currentLevel);
    noteLevelStartStep("loading picture");

    model = std::move(files->settings);
    setPlayPerspective();
    loadLevelMusic(model.musicFile);
    noteLevelStartStep("music");

    if (gardenScene(model.sceneNumber)) loadScene(model.sceneNumber);
    noteLevelStartStep("scene");

    clip_plan.release();
    clip_plan = std::move(files->mesh);

    startStageClock(glh::kontrol.clock, model);
    createNectarSprites();
    buildFlowerField();
    buildPlants();
    noteLevelStartStep("flowers and plants");
    createCreatures(std::move(files->creatures));
    noteLevelStartStep("creatures");
    placeBee();
    noteLevelStartStep("bee");
    loadPanel();
    layOutPickupIcons();
    noteLevelStartStep("panel and icons");

    startFlight();
    freeLoadingPicture();
    medium.screen = ScreenPlaying;
    startCountdown();
    noteLevelStartStep("countdown");
    return true;
}

bool startChosenLevel(int level) {
    const int previousLevel = medium.currentLevel;
    medium.currentLevel = level;
    if (startLevel(twoDigitLevelId(level))) return true;
    // Nothing of the level in progress was freed: "continue" goes on with it, and the
    // running total stays as it was.
    medium.currentLevel = previousLevel;
    return false;
}

void stageClockTimer() {
    auto events = stageClockTick(glh::kontrol.clock, opera.exitOpen, medium.screen == ScreenPlaying,
                                 medium.countdownActive == 1);
    if (events.exitOpened) playEffect(SlotBravo);
    if (events.lastSeconds) playEffect(SlotTick);
    if (events.timeUp)
        applyStageEnd(endStageTimeUp(glh::kontrol.clock, model, opera.total, tabwyn), false);
}

void tryCompleteStage() {
    auto end = completeStage(
        glh::kontrol.clock, model, opera.exitOpen == 1, medium.currentLevel, opera.total, tabwyn,
        [](const ProgressTable& table) { return writeProgress(medium.difficulty, table); });
    if (end) applyStageEnd(*end, true);
}

void applyStageEnd(const StageEnd& end, bool won) {
    const int level = medium.currentLevel;
    const int secondsLeft = glh::kontrol.clock.secondsLeft();
    const int collected = glh::kontrol.clock.collected;
    const int stolen = loadsStolenThisStage();
    freeStageAssets();
    showSummary();
    glh::kontrol.lastScore = end.score;
    glh::kontrol.resultCode = end.resultCode;
    glh::kontrol.nextLevel = end.nextLevel;
    medium.currentLevel = end.currentLevel;
    if (end.bestScoreRow) opera.editedRow = *end.bestScoreRow;
    int unlocked = 0;
    for (int flag : tabwyn.unlocked) unlocked += flag == 1;
    notifyStageEnd({level, medium.difficulty, won, collected, secondsLeft, end.score.nectarPoints,
                    end.score.timeBonus, opera.total, unlocked, stolen});
    if (!reporting) return;
    std::printf(
        "level %02d difficulty %d: %s, nectar %d, time %d, total %d, unlocked %d, stolen %d\n",
        level, medium.difficulty, won ? "won" : "time up", collected, secondsLeft, opera.total,
        unlocked, stolen);
    std::fflush(stdout);
    if (exitAfterReport) quitGame(0);
}

void reportStageEnds(bool exitAfterLevel) {
    reporting = true;
    exitAfterReport = exitAfterLevel;
}
