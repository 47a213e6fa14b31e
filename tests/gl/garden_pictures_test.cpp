// The generated gardens draw their unblended objects nearest first: the picture must be
// the one the table's own order gives, seen from the middle and the corners of the garden.

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/game_state.h"
#include "game/stage_settings.h"
#include "platform/data_paths.h"
#include "scenes/garden_scene.h"

namespace {

constexpr int side = 256;  // the test context's surface

struct View {
    float x, y, z, heading, pitch;
};

std::vector<unsigned char> picture(glh::GardenScene& scene, const View& view) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(view.pitch, 1, 0, 0);
    glRotatef(view.heading, 0, 1, 0);
    glTranslatef(-view.x, -view.y, -view.z);
    scene.draw();
    std::vector<unsigned char> pixels(side * side * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, side, side, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

TEST(GardenPictures, EveryGeneratedGardenLooksAsInTheTableOrder) {
    dataTree().setRoot(OXA_TEST_DATA);
    medium.textureFilterMode = 1;
    model.spritePulse = 1;
    opera.exitOpen = 1;
    glViewport(0, 0, side, side);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60, 1, 0.1, 450);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glColor4f(1, 1, 1, 1);
    glClearColor(0, 0, 0, 1);

    // The bee's height over the middle and at the fence, looking along the garden, down at
    // it, and up at the hills and the sky.
    const std::vector<View> views = {{0, 2, 0, 0, 5},       {0, 2, 0, 90, 0},
                                     {0, 3, 0, 200, 12},    {15, 4, -15, 315, 8},
                                     {-18, 6, 16, 135, 25}, {12, 1.5f, 18, 20, -10}};
    int differing = 0;
    for (const GardenTableEntry& entry : gardenTable()) {
        SCOPED_TRACE(entry.sceneNumber);
        glh::GardenScene& scene = *gardenScene(entry.sceneNumber);
        loadScene(entry.sceneNumber);
        ASSERT_TRUE(scene.modelLoaded());
        const std::vector<ObjectCall> order = scene.drawOrder();
        for (const View& view : views) {
            SCOPED_TRACE(view.heading);
            scene.setDrawOrder(order);
            const std::vector<unsigned char> now = picture(scene, view);
            scene.setDrawOrder(tableDrawOrder(entry));
            const std::vector<unsigned char> table = picture(scene, view);
            // A garden, not an empty screen: sky, hills and ground in many colours.
            std::vector<int> colours;
            for (size_t i = 0; i < table.size(); i += 3 * 97)
                colours.push_back(table[i] << 16 | table[i + 1] << 8 | table[i + 2]);
            std::ranges::sort(colours);
            EXPECT_GT(std::ranges::unique(colours).begin() - colours.begin(), 100);
            // A pixel differs when a channel moves by more than 24 of 255: where two faces
            // meet at the same depth the one drawn first may win, which shows nowhere else.
            int count = 0;
            for (size_t i = 0; i < now.size(); i += 3) {
                bool moved = false;
                for (size_t c = 0; c < 3; ++c) moved |= std::abs(now[i + c] - table[i + c]) > 24;
                count += moved ? 1 : 0;
            }
            EXPECT_LE(count, side * side / 1000);  // 0.1 % of the picture
            differing += count;
        }
        scene.setDrawOrder(order);
        freeAllScenes();
    }
    RecordProperty("differing_pixels", differing);
    opera.exitOpen = 0;
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
