// The garden scenes drawn from small fixture trees: object i of a fixture scene is one
// triangle in its own 16 x 16 pixel cell, and every texture slot is a solid colour of its
// own. Feedback mode then tells which objects were drawn in which order (and with which
// texture coordinates), and the pixels tell which slot was bound for each. The fixture
// objects are blended, so they keep the table's order; the generated gardens, whose
// unblended objects go nearest first, are checked by their pictures.

#include "scenes/garden_scene.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "game/stage_settings.h"
#include "platform/data_paths.h"
#include "unit/model_fixtures.h"

namespace {

namespace fs = std::filesystem;

constexpr int viewport = 256;
constexpr int cell = 16;
constexpr int cellsPerRow = viewport / cell;
// Every fixture vertex carries these texture coordinates.
constexpr float fileS = 0.8f, fileT = 0.2f;

struct Drawn {
    int object;
    float s, t;  // texture coordinates as they reached the rasteriser
};

int cellX(int object) {
    return (object % cellsPerRow) * cell;
}
int cellY(int object) {
    return (object / cellsPerRow) * cell;
}

// The solid colour of slot j; slotOfColour reads it back.
std::array<unsigned char, 3> slotColour(int slot) {
    return {static_cast<unsigned char>(5 + 10 * slot), static_cast<unsigned char>(250 - 10 * slot),
            77};
}
int slotOfColour(const unsigned char* rgb) {
    for (int slot = 0; slot < 25; ++slot) {
        auto c = slotColour(slot);
        if (rgb[0] == c[0] && rgb[1] == c[1] && rgb[2] == c[2]) return slot;
    }
    return -1;
}

// The objects that reached the rasteriser, in order, found by the cell of their first vertex.
template <typename Draw>
std::vector<Drawn> drawnObjects(Draw draw) {
    std::vector<GLfloat> buffer(1 << 16);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    GLint used = glRenderMode(GL_RENDER);
    std::vector<Drawn> drawn;
    for (GLint i = 0; i < used;) {
        EXPECT_EQ(buffer[static_cast<size_t>(i)], GL_POLYGON_TOKEN);
        int n = static_cast<int>(buffer[static_cast<size_t>(i) + 1]);
        const GLfloat* v = &buffer[static_cast<size_t>(i) + 2];
        int column = static_cast<int>(v[0]) / cell, row = static_cast<int>(v[1]) / cell;
        drawn.push_back({row * cellsPerRow + column, v[7], v[8]});
        i += 2 + n * 11;
    }
    return drawn;
}

// The slot whose colour shows in each object's cell, -1 where nothing was drawn.
std::vector<int> slotsShown(int objectCount) {
    std::vector<unsigned char> pixels(viewport * viewport * 4);
    glReadPixels(0, 0, viewport, viewport, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    std::vector<int> slots;
    for (int object = 0; object < objectCount; ++object) {
        int x = cellX(object) + cell / 2, y = cellY(object) + cell / 3;
        slots.push_back(slotOfColour(&pixels[static_cast<size_t>((y * viewport + x) * 4)]));
    }
    return slots;
}

// How many names of each kind GL knows among the first few thousand.
int countNames(GLboolean (*known)(GLuint)) {
    int count = 0;
    for (GLuint name = 1; name < 4096; ++name) count += known(name) ? 1 : 0;
    return count;
}
int listCount() {
    return countNames([](GLuint n) { return glIsList(n); });
}
int textureCount() {
    return countNames([](GLuint n) { return glIsTexture(n); });
}

struct Step {
    int slot;
    std::vector<int> objects;
};

// The draw sequences of scenes 0 and 1 as the garden table gives them.
const std::vector<Step> scene0Steps = {{2, {0}},
                                       {3, {1}},
                                       {4, {2}},
                                       {5, {3}},
                                       {6, {4, 5, 6}},
                                       {7, {7}},
                                       {1, {8, 9, 10, 27}},
                                       {0, {11, 14}},
                                       {8, {12}},
                                       {10, {15}},
                                       {11, {16, 22, 23, 24}},
                                       {15, {17}},
                                       {13, {18}},
                                       {14, {19}},
                                       {16, {20}},
                                       {17, {21}},
                                       {12, {25, 26}},
                                       {9, {28}}};
const std::vector<Step> scene1Steps = {{0, {0}},
                                       {1, {1}},
                                       {2, {2}},
                                       {3, {3}},
                                       {4, {4}},
                                       {5, {5, 12, 25}},
                                       {6, {6}},
                                       {8, {8}},
                                       {9, {9}},
                                       {10, {10}},
                                       {11, {11}},
                                       {12, {13}},
                                       {13, {14, 20, 21, 22}},
                                       {14, {15}},
                                       {15, {16}},
                                       {16, {17}},
                                       {17, {18}},
                                       {18, {19}},
                                       {19, {23, 24}},
                                       {20, {26, 37}},
                                       {21, {27, 28, 29, 30}},
                                       {22, {31, 32, 33, 34, 35}},
                                       {23, {36, 38}}};
constexpr int scene1Water = 11, scene1Exit = 7, scene1ExitSlot = 7;

class GardenScenes : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/oxa-garden-scene-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        glViewport(0, 0, viewport, viewport);
        glMatrixMode(GL_TEXTURE);
        glLoadIdentity();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, viewport, 0, viewport, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        for (GLenum c : {GL_DEPTH_TEST, GL_BLEND, GL_ALPHA_TEST, GL_CULL_FACE}) glDisable(c);
        glEnable(GL_TEXTURE_2D);
        glColor4f(1, 1, 1, 1);
        glNormal3f(0, 0, 1);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        opera.exitOpen = 0;
        model.spritePulse = 1;
        medium.textureFilterMode = 1;
    }
    void TearDown() override {
        freeAllScenes();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        opera.exitOpen = 0;
        model.spritePulse = 1;
        medium.textureFilterMode = 1;
        fs::remove_all(root_);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    // The scene's model file and one solid texture per slot, as the table names them.
    void writeScene(int sceneNumber) {
        const GardenTableEntry& entry = *findGarden(sceneNumber);
        std::vector<std::string> file = {std::to_string(entry.objectCount)};
        for (int object = 0; object < entry.objectCount; ++object) {
            const double x = cellX(object), y = cellY(object);
            file.push_back(fixture::header(3, 1, 'N', 'H', 0));
            fixture::add(file, {fixture::textured(x + 2, y + 2, 0, fileS, fileT),
                                fixture::textured(x + 14, y + 2, 0, fileS, fileT),
                                fixture::textured(x + 8, y + 14, 0, fileS, fileT)});
            fixture::add(file, fixture::translation(0, 0, 0));
        }
        write(std::string(entry.modelFile), fixture::join(file));
        for (int slot = 0; slot < entry.textureCount(); ++slot) {
            std::string texture(16, '\0');
            texture[0] = 'R';
            texture[2] = '1';  // 32 x 32
            auto c = slotColour(slot);
            for (int i = 0; i < 32 * 32; ++i) texture.append(reinterpret_cast<char*>(c.data()), 3);
            write(std::string(gardenTextureFolder) + std::string(entry.textures[slot]), texture);
        }
        dataTree().setRoot(root_);
    }

    void write(std::string gameName, const std::string& bytes) {
        for (char& c : gameName)
            if (c == '\\') c = '/';
        fs::path path = root_ / gameName;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // Draws the scene for real and through feedback; checks both against the steps.
    void expectSequence(glh::GardenScene& scene, const std::vector<Step>& steps, int exitObject,
                        int exitSlot) {
        std::vector<int> order, slots(static_cast<size_t>(scene.entry().objectCount), -1);
        for (const Step& step : steps) {
            for (int object : step.objects) {
                order.push_back(object);
                slots[static_cast<size_t>(object)] = step.slot;
            }
        }
        if (exitObject >= 0) {
            order.push_back(exitObject);
            slots[static_cast<size_t>(exitObject)] = exitSlot;
        }
        std::vector<int> drawn;
        for (const Drawn& d : drawnObjects([&] { scene.draw(); })) drawn.push_back(d.object);
        EXPECT_EQ(drawn, order);
        scene.draw();
        EXPECT_EQ(slotsShown(scene.entry().objectCount), slots);
    }

    fs::path root_;
};

TEST_F(GardenScenes, SceneZeroDrawsItsObjectsInTableOrderUnderTheirSlotsButNeverObjectThirteen) {
    writeScene(0);
    loadScene(0);
    ASSERT_TRUE(glh::grden00.modelLoaded());
    // Scene 0 has no exit: an open exit changes nothing.
    for (int exitOpen : {0, 1}) {
        SCOPED_TRACE(exitOpen);
        opera.exitOpen = exitOpen;
        glClear(GL_COLOR_BUFFER_BIT);
        expectSequence(glh::grden00, scene0Steps, -1, -1);
    }
}

TEST_F(GardenScenes, TheExitShowsSphereMappedOnlyWhenExactlyOpenAndTheWaterBreathes) {
    writeScene(1);
    loadScene(1);
    struct Case {
        int exitOpen;
        bool shown;
    };
    for (const Case c : {Case{0, false}, Case{1, true}, Case{2, false}, Case{-1, false}}) {
        SCOPED_TRACE(c.exitOpen);
        opera.exitOpen = c.exitOpen;
        glClear(GL_COLOR_BUFFER_BIT);
        expectSequence(glh::grden01, scene1Steps, c.shown ? scene1Exit : -1, scene1ExitSlot);
    }

    opera.exitOpen = 1;
    model.spritePulse = 1.5f;
    for (const Drawn& d : drawnObjects([] { glh::grden01.draw(); })) {
        SCOPED_TRACE(d.object);
        if (d.object == scene1Water) {
            EXPECT_FLOAT_EQ(d.s, fileS * 1.5f);
            EXPECT_FLOAT_EQ(d.t, fileT * 1.5f);
        } else if (d.object == scene1Exit) {
            // Generated from the view, not taken from the file.
            EXPECT_FALSE(std::abs(d.s - fileS) < 1e-3f && std::abs(d.t - fileT) < 1e-3f);
        } else {
            EXPECT_FLOAT_EQ(d.s, fileS);
            EXPECT_FLOAT_EQ(d.t, fileT);
        }
    }
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    GLfloat matrix[16];
    glGetFloatv(GL_TEXTURE_MATRIX, matrix);
    for (int k = 0; k < 16; ++k) EXPECT_EQ(matrix[k], k % 5 == 0 ? 1.0f : 0.0f) << k;
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_T));
    GLint generation = 0;
    glGetTexGeniv(GL_S, GL_TEXTURE_GEN_MODE, &generation);
    EXPECT_EQ(generation, GL_SPHERE_MAP);
}

TEST_F(GardenScenes, LoadsAndFreesHappenOnceAndNumbersWithoutASceneLoadNothing) {
    const int lists = listCount(), textures = textureCount();
    writeScene(1);
    for (int number : {11, 15, 19, -1, 27, 100}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(gardenScene(number), nullptr);
        loadScene(number);
        EXPECT_EQ(listCount(), lists);
        EXPECT_EQ(textureCount(), textures);
        for (int k = 0; k < sceneCount; ++k) {
            EXPECT_FALSE(allGardenScenes()[k]->texturesLoaded());
            EXPECT_FALSE(allGardenScenes()[k]->modelLoaded());
        }
    }

    loadScene(1);
    const int objects = glh::grden01.entry().objectCount;
    EXPECT_EQ(listCount(), lists + 2 * objects);  // a mesh and a placement list each
    EXPECT_EQ(textureCount(), textures + glh::grden01.entry().textureCount());
    // A second load must not read the files again: they are gone now.
    fs::remove_all(root_ / "SCE");
    dataTree().setRoot(root_);
    EXPECT_NO_THROW(loadScene(1));
    EXPECT_EQ(listCount(), lists + 2 * objects);
    EXPECT_EQ(textureCount(), textures + glh::grden01.entry().textureCount());
    glClear(GL_COLOR_BUFFER_BIT);
    drawScenes();
    EXPECT_EQ(slotsShown(objects)[0], 0);

    // New filtering reloads the textures only; the lists stay as they were.
    medium.textureFilterMode = 3;
    writeScene(1);
    reloadSceneTextures();
    EXPECT_EQ(listCount(), lists + 2 * objects);
    EXPECT_EQ(textureCount(), textures + glh::grden01.entry().textureCount());
    glh::grden01.draw();
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR_MIPMAP_LINEAR);

    freeAllScenes();
    EXPECT_FALSE(glh::grden01.texturesLoaded());
    EXPECT_FALSE(glh::grden01.modelLoaded());
    EXPECT_EQ(listCount(), lists);
    EXPECT_EQ(textureCount(), textures);
    // Names freed once may be handed out again: a second free must leave them alone.
    GLuint others = glGenLists(2 * objects);
    for (int k = 0; k < 2 * objects; ++k) {
        glNewList(others + static_cast<GLuint>(k), GL_COMPILE);
        glEndList();
    }
    std::vector<GLuint> otherTextures(static_cast<size_t>(objects));
    glGenTextures(objects, otherTextures.data());
    for (GLuint name : otherTextures) glBindTexture(GL_TEXTURE_2D, name);
    freeAllScenes();
    EXPECT_EQ(listCount(), lists + 2 * objects);
    EXPECT_EQ(textureCount(), textures + objects);
    glDeleteLists(others, 2 * objects);
    glDeleteTextures(objects, otherTextures.data());
}

}  // namespace
