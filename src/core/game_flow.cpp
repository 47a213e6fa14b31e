#include "core/game_flow.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "core/display_record.h"
#include "core/flight_update.h"
#include "core/frame_time.h"
#include "core/game_state.h"
#include "core/main_loop.h"
#include "core/projection.h"
#include "game/bee_model.h"
#include "game/butterflies.h"
#include "game/collectibles.h"
#include "game/creatures.h"
#include "game/fish_pond.h"
#include "game/flower_field.h"
#include "game/kamera.h"
#include "game/kontrol.h"
#include "game/nectar_sprites.h"
#include "game/pickup_icons.h"
#include "game/plants.h"
#include "game/stage_settings.h"
#include "menus/menus.h"
#include "scenes/garden_scene.h"

void showMainMenu() {
    returnToMainMenu();
}

void resumeLevel() {
    medium.screen = ScreenPlaying;
    glh::kontrol.clock.gameState = stageRunning;
    // The time spent in the menus is not a frame of play.
    glh::reset.restart();
}

void setPlayPerspective() {
    glEnable(GL_DEPTH_TEST);
    ekran.queryMode();
    projection.viewportWidth = ekran.width;
    projection.viewportHeight = ekran.height;
    projection.zFar = 450;
    projection.zNear = 0.1f;
    projection.aspect = static_cast<float>(projection.viewportWidth) * projection.aspectFactor /
                        static_cast<float>(projection.viewportHeight);
    float fov = projection.fovY;
    if (projection.aspect < 1) {
        // A portrait screen: widen the vertical angle so that 60 degrees hold horizontally.
        fov = 2 * std::atan(std::tan(fov / 2 * 0.017453292f) / projection.aspect) * 57.29578f;
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fov, projection.aspect, projection.zNear, projection.zFar);
    glViewport(0, 0, projection.viewportWidth, projection.viewportHeight);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void playFrame() {
    updateFlight();
    drawWorld();
}

void playFrameUndrawn() {
    updateFlight();
    moveCreaturesThisFrame();
}

void drawWorld() {
    glPushMatrix();
    glh::kamera.cameraList.callList();
    glPushMatrix();
    drawScenes();
    glPopMatrix();
    glh::gl_rosli.draw();
    drawCreatures();
    glh::ikony_tx.draw();
    glh::gl_kwiata.draw();
    glPopMatrix();

    glPushMatrix();
    glh::kamera.cameraList.callList();
    glh::spritte_tx.draw();
    glPopMatrix();

    glPushMatrix();
    glColor3f(1, 1, 1);
    drawPanel();
    glPopMatrix();

    // The bee hangs in front of the camera, drawn last.
    glPushMatrix();
    glh::gl_oxa_model.draw(glh::kamera.pitch, glh::kamera.bank, glh::kamera.cameraDistance,
                           model.beeScale);
    glPopMatrix();
}

void freeStageAssets() {
    freeAllScenes();
    glh::motyl_tx.freeTextures();
    glh::motyl_tx.freeModel();
    glh::gl_oxa_model.freeTextures();
    glh::gl_oxa_model.freeModel();
    glh::gl_kwiata.freeTextures();
    glh::gl_kwiata.freeModel();
    glh::gl_rosli.freeTextures();
    glh::gl_rosli.freeModel();
    glh::spritte_tx.freeTextures();
    glh::spritte_tx.freeModel();
    glh::kontrol.freeTextures();
    glh::kontrol.freeLayout();
    glh::rybka_tx.freeTextures();
    glh::rybka_tx.freeModel();
}

void freeEverything() {
    for (int i = 0; i < sceneCount; ++i) allGardenScenes()[i]->freeTextures();
    glh::motyl_tx.freeTextures();
    glh::gl_oxa_model.freeTextures();
    glh::gl_kwiata.freeTextures();
    glh::gl_rosli.freeTextures();
    glh::spritte_tx.freeTextures();
    glh::kontrol.freeTextures();
    freeAllMenuTextures();
    freeLoadingPicture();
    freeCountdown();
    for (int i = 0; i < sceneCount; ++i) allGardenScenes()[i]->freeModel();
    glh::motyl_tx.freeModel();
    glh::gl_oxa_model.freeModel();
    glh::gl_kwiata.freeModel();
    glh::gl_rosli.freeModel();
    glh::spritte_tx.freeModel();
    glh::kontrol.freeLayout();
    freeAllMenuLayouts();
}

void reloadAllTextures() {
    const int previousScreen = medium.screen;
    showLoadingPicture(medium.currentLevel);
    reloadSceneTextures();
    auto reload = [](bool loaded, auto& group) {
        if (!loaded) return;
        group.freeTextures();
        group.loadTextures(medium.textureFilterMode);
    };
    reload(loadedFlags.sprites.textures, glh::spritte_tx);
    reload(loadedFlags.butterflies.textures, glh::motyl_tx);
    reload(loadedFlags.plants.textures, glh::gl_rosli);
    reload(loadedFlags.flowers.textures, glh::gl_kwiata);
    reload(loadedFlags.bee.textures, glh::gl_oxa_model);
    reloadMenuTextures();
    freeLoadingPicture();
    medium.screen = previousScreen;
    drawOneFrame();
}
