#include "core/game_flow.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "core/display_record.h"
#include "core/flight_update.h"
#include "core/game_state.h"
#include "core/main_loop.h"
#include "core/projection.h"
#include "game/bee_model.h"
#include "game/kamera.h"
#include "game/stage_settings.h"
#include "scenes/garden_scene.h"

void showMainMenu() {
    medium.screen = ScreenMainMenu;
    drawOneFrame();
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

void drawWorld() {
    glPushMatrix();
    glh::kamera.cameraList.callList();
    glPushMatrix();
    drawScenes();
    glPopMatrix();
    glPopMatrix();

    glPushMatrix();
    glColor3f(1, 1, 1);
    glPopMatrix();

    // The bee hangs in front of the camera, drawn last.
    glPushMatrix();
    glh::gl_oxa_model.draw(glh::kamera.pitch, glh::kamera.bank, glh::kamera.cameraDistance,
                           model.beeScale);
    glPopMatrix();
}

void freeStageAssets() {
    freeAllScenes();
    glh::gl_oxa_model.freeTextures();
    glh::gl_oxa_model.freeModel();
}

void freeEverything() {
    for (int i = 0; i < sceneCount; ++i) allGardenScenes()[i]->freeTextures();
    glh::gl_oxa_model.freeTextures();
    for (int i = 0; i < sceneCount; ++i) allGardenScenes()[i]->freeModel();
    glh::gl_oxa_model.freeModel();
}
