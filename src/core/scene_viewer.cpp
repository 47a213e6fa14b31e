#include "core/scene_viewer.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>

#include "core/display_record.h"
#include "core/game_flow.h"
#include "core/game_state.h"
#include "core/main_loop.h"
#include "core/top_level.h"
#include "scenes/garden_scene.h"

namespace {

// The orbit: around a point above the hive, from behind it (-z) looking across the garden.
float yaw = 3.1415927f;
float pitch = 0.12f;
float distance = 1.6f;
int dragX = -1, dragY = -1;
constexpr float lookHeight = 0.35f;

void drawViewer() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const float eyeX = distance * std::sin(yaw) * std::cos(pitch);
    const float eyeY = lookHeight + distance * std::sin(pitch);
    const float eyeZ = distance * std::cos(yaw) * std::cos(pitch);
    gluLookAt(eyeX, eyeY, eyeZ, 0, lookHeight, 0, 0, 1, 0);
    glColor3f(1, 1, 1);
    drawScenes();
}

void zoom(float factor) {
    distance = std::clamp(distance * factor, 0.3f, 60.0f);
}

}  // namespace

bool startSceneViewer(int sceneNumber, bool exitOpen) {
    if (!gardenScene(sceneNumber)) return false;
    medium.screen = ScreenPlaying;
    opera.exitOpen = exitOpen ? 1 : 0;
    setPlayPerspective();
    // Scene meshes leave texturing as they find it; the menus normally switch it on.
    glEnable(GL_TEXTURE_2D);
    loadScene(sceneNumber);
    setFrameDrawer(drawViewer);
    glutMouseFunc([](int button, int state, int x, int y) {
        if (button == 3 && state == GLUT_DOWN) zoom(0.9f);  // wheel up
        if (button == 4 && state == GLUT_DOWN) zoom(1.1f);
        dragX = state == GLUT_DOWN ? x : -1;
        dragY = y;
    });
    glutMotionFunc([](int x, int y) {
        if (dragX < 0) return;
        yaw -= static_cast<float>(x - dragX) * 0.01f;
        pitch = std::clamp(pitch + static_cast<float>(y - dragY) * 0.01f, -0.2f, 1.5f);
        dragX = x;
        dragY = y;
    });
    glutPassiveMotionFunc(nullptr);
    glutKeyboardFunc([](unsigned char key, int, int) {
        if (key == 27) quitGame(0);
        if (key == '!') medium.showFps = !medium.showFps;
    });
    glutSpecialFunc([](int key, int, int) {
        if (key == GLUT_KEY_UP) zoom(0.9f);
        if (key == GLUT_KEY_DOWN) zoom(1.1f);
    });
    return true;
}
