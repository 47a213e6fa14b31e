#include "core/level_start.h"

#include <cstdio>

#include "assets/data_error.h"
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

void startLevel(const std::string& levelId) {
    const std::string stageName = stageFileName(levelId, medium.difficulty);
    if (!dataTree().find(stageName)) {
        showMainMenu();
        return;
    }
    freeStageAssets();
    medium.screen = ScreenLoading;
    opera.exitOpen = 0;
    // The loading picture of the level is built and shown here.
    drawOneFrame();

    model = readStageSettings(readRequired(stageName), displayName(stageName));
    setPlayPerspective();
    // The level's music (model.musicFile) loads here with the sound system.

    if (gardenScene(model.sceneNumber)) {
        loadScene(model.sceneNumber);
        const std::string mapName = placementMapName(model.sceneNumber);
        model.placement = readPlacementMap(readRequired(mapName), displayName(mapName));
    }

    clip_plan.release();
    const std::string meshName = collisionMeshName(levelId);
    clip_plan = readCollisionMesh(readRequired(meshName), displayName(meshName));

    startStageClock(glh::kontrol.clock, model);
    createNectarSprites();
    buildFlowerField();
    buildPlants();
    createCreatures(levelId + std::to_string(medium.difficulty));
    placeBee();
    loadPanel();
    layOutPickupIcons();

    startFlight();
    medium.screen = ScreenPlaying;
    // The countdown before play starts here once it can be shown.
}

void stageClockTimer() {
    auto events = stageClockTick(glh::kontrol.clock, opera.exitOpen, medium.screen == ScreenPlaying,
                                 medium.countdownActive == 1);
    // The exit's fanfare and the last seconds' clicks play here with the sound system.
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
    medium.screen = ScreenSummary;
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
