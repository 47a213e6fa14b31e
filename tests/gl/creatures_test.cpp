// Butterflies and fish as GL draws them: a butterfly turned by its yaw with both wings
// raised by its wing angle; a fish on its half circle, leaving the water at its start
// point, and its splashes scaled where it leaves and dives.

#include "game/creatures.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "assets/data_error.h"
#include "core/game_state.h"
#include "game/butterflies.h"
#include "game/dragonflies.h"
#include "game/fish_pond.h"
#include "game/random.h"
#include "game/stage_settings.h"
#include "platform/data_paths.h"
#include "unit/model_fixtures.h"

namespace {

namespace fs = std::filesystem;
using Point = std::array<float, 3>;

// A two-sided object of one triangle whose first corner is `marker`.
std::vector<std::string> markerObject(Point marker) {
    std::vector<std::string> lines = {fixture::header(3, 0, 'N', 'D', 0)};
    fixture::add(lines, {fixture::textured(marker[0], marker[1], marker[2], 0, 0),
                         fixture::textured(marker[0] + 0.01, marker[1], marker[2], 1, 0),
                         fixture::textured(marker[0], marker[1] + 0.01, marker[2], 0, 1)});
    fixture::add(lines, {"", "", "", ""});
    return lines;
}

void writeModel(const fs::path& path, const std::vector<Point>& markers) {
    std::vector<std::string> lines = {"  " + std::to_string(markers.size())};
    for (const Point& m : markers) fixture::add(lines, markerObject(m));
    std::ofstream(path, std::ios::binary) << fixture::join(lines);
}

void writeTexture(const fs::path& path) {
    std::string texture(16, '\0');
    texture[0] = 'x';
    texture[2] = '1';
    texture.append(32 * 32 * 3, '\x80');
    std::ofstream(path, std::ios::binary) << texture;
}

class CreaturesGl : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/oxa-creatures-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        fs::create_directories(root / "MOD/DATA");
        fs::create_directories(root / "MOD/BMP_0");
        // Body marker ahead of the middle, wings reaching out to each side.
        writeModel(root / "MOD/DATA/MOTYL.wkx", {{0, 0, -0.1f}, {-0.2f, 0, 0}, {0.2f, 0, 0}});
        writeModel(root / "MOD/DATA/wazka.wkx", {{0, 0, -0.1f}, {-0.2f, 0, 0}, {0.2f, 0, 0}});
        writeModel(root / "MOD/DATA/rybka.wkx", {{0, 0, 0}});
        writeModel(root / "MOD/DATA/plusk.wkx", {{0.1f, 0, 0}});
        for (const char* name : {"motyl", "wazka", "rybka", "plusk"})
            writeTexture(root / "MOD/BMP_0" / (std::string(name) + ".srm"));
        dataTree().setRoot(root);
        for (GLenum mode : {GL_PROJECTION, GL_TEXTURE, GL_MODELVIEW}) {
            glMatrixMode(mode);
            glLoadIdentity();
        }
        glViewport(0, 0, 256, 256);
        glDepthRange(0, 1);
        loadedFlags.butterflies = {};
        loadedFlags.dragonflies = {};
        loadedFlags.fish = {};
    }
    void TearDown() override {
        fs::remove_all(root);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    // The first corner of every triangle drawn, back in the unit cube.
    template <typename Draw>
    std::vector<Point> drawnMarkers(Draw draw) {
        std::vector<GLfloat> buffer(4096);
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
        glRenderMode(GL_FEEDBACK);
        draw();
        const GLint used = glRenderMode(GL_RENDER);
        std::vector<Point> markers;
        for (GLint i = 0; i < used;) {
            EXPECT_EQ(buffer[static_cast<size_t>(i)], GL_POLYGON_TOKEN);
            const int corners = static_cast<int>(buffer[static_cast<size_t>(i) + 1]);
            const GLfloat* first = &buffer[static_cast<size_t>(i) + 2];
            markers.push_back({first[0] / 128 - 1, first[1] / 128 - 1, first[2] * 2 - 1});
            i += 2 + corners * 3;
        }
        return markers;
    }

    fs::path root;
};

void expectNear(const Point& got, const Point& want) {
    for (size_t k = 0; k < 3; ++k) EXPECT_NEAR(got[k], want[k], 1e-3f) << "coordinate " << k;
}

TEST_F(CreaturesGl, AButterflyIsTurnedByItsYawWithBothWingsRaisedByItsAngle) {
    glh::Butterflies butterflies;
    butterflies.loadTextures(1);
    butterflies.loadModel();
    Butterfly b;
    b.x = 0.1f;
    b.y = 0.2f;
    b.z = -0.3f;
    b.yaw = 90;
    b.wingAngle = 30;
    butterflies.butterflies = {b};
    const std::vector<Point> drawn = drawnMarkers([&] { butterflies.draw(); });
    ASSERT_EQ(drawn.size(), 3u);
    // A yaw of 90 turns its head (-z) towards -x; the wings, out along ±x, now reach along
    // ∓z, and both tips rise by sin 30° × 0.2.
    expectNear(drawn[0], {0.0f, 0.2f, -0.3f});
    expectNear(drawn[1], {0.1f, 0.3f, -0.4732f});  // object 2, the +x wing
    expectNear(drawn[2], {0.1f, 0.3f, -0.1268f});  // object 1, the -x wing
    butterflies.freeModel();
    butterflies.freeTextures();
    EXPECT_FALSE(loadedFlags.butterflies.model || loadedFlags.butterflies.textures);
}

TEST_F(CreaturesGl, AFishLeavesTheWaterAtItsStartPointAndItsSplashesStandWhereItJumps) {
    glh::FishPond pond;
    pond.loadTextures(1);
    pond.loadModel();
    const std::string file = "0.5\r\n0.1\r\n0\r\n-0.2\r\n30\r\n90\r\n6\r\n0.6\r\n0.02\r\n0.04\r\n";
    Fish f = readFish(file, "r0111.mtt");
    f.startSplash = {2, 1};
    f.endSplash = {1.5f, 0};  // flat: the ripple alone
    pond.fish = {f};

    const std::vector<Point> leaving = drawnMarkers([&] { pond.draw(); });
    ASSERT_EQ(leaving.size(), 3u);
    expectNear(leaving[0], {f.start.x, 0, f.start.z});
    expectNear(leaving[1], {f.start.x + 0.2f, f.start.y, f.start.z});
    expectNear(leaving[2], {f.end.x + 0.15f, f.end.y, f.end.z});

    pond.fish[0].arcAngle = 180;
    expectNear(drawnMarkers([&] { pond.draw(); })[0], {f.end.x, 0, f.end.z});
    pond.fish[0].arcAngle = 190;  // gone under: only the splashes
    EXPECT_EQ(drawnMarkers([&] { pond.draw(); }).size(), 2u);
    pond.fish[0].endSplash = {0, 0};
    EXPECT_EQ(drawnMarkers([&] { pond.draw(); }).size(), 1u);
    pond.freeModel();
    pond.freeTextures();
}

TEST_F(CreaturesGl, AStageStartMakesItsButterfliesFromTheGeneratorAndReadsTheFilesItNames) {
    fs::create_directories(root / "STA");
    std::ofstream(root / "STA/w0321.mtt", std::ios::binary)
        << "1\r\n0.7\r\n2\r\n0.05\r\n5\r\n0.7\r\n2\r\n3\r\n0.7\r\n6\r\n3\r\n0."
           "6\r\n100\r\n0\r\n0\r\n";
    std::ofstream(root / "STA/r0321.mtt", std::ios::binary)
        << "1\r\n-4\r\n0.02\r\n3\r\n0\r\n100\r\n6\r\n0.5\r\n0\r\n0\r\n";
    dataTree().setRoot(root);
    model = StageSettings{};
    model.butterflyCount = 2;
    model.butterflyNoticeDistance = 2.5f;
    model.butterflyChaseFactor = 0.6f;
    model.dragonflyCount = 1;
    model.fishCount = 1;
    gameRandom = RandomGenerator(4242);
    RandomGenerator same(4242);

    createCreatures(readCreatureFiles(model, "032"));
    // Three draws a butterfly, in order; the dragonflies and fish draw nothing.
    ASSERT_EQ(glh::motyl_tx.butterflies.size(), 2u);
    for (const Butterfly& b : glh::motyl_tx.butterflies) {
        const Butterfly expected = createButterfly(same, 2.5f, 0.6f);
        EXPECT_EQ(b.x, expected.x);
        EXPECT_EQ(b.z, expected.z);
        EXPECT_EQ(b.heading, expected.heading);
    }
    EXPECT_EQ(gameRandom.seed(), same.seed());
    ASSERT_EQ(glh::wazka_tx.dragonflies.size(), 1u);
    EXPECT_EQ(glh::wazka_tx.dragonflies[0].waypoints[2].x, 3);
    ASSERT_EQ(glh::rybka_tx.fish.size(), 1u);
    EXPECT_EQ(glh::rybka_tx.fish[0].centreX, -4);
    EXPECT_TRUE(loadedFlags.butterflies.model && loadedFlags.dragonflies.model &&
                loadedFlags.fish.model);

    // The next stage has none of them: none are left over.
    model = StageSettings{};
    createCreatures(readCreatureFiles(model, "011"));
    EXPECT_TRUE(glh::motyl_tx.butterflies.empty());
    EXPECT_TRUE(glh::wazka_tx.dragonflies.empty());
    EXPECT_TRUE(glh::rybka_tx.fish.empty());

    // A stage naming a dragonfly file that is not there is refused.
    model.dragonflyCount = 2;
    EXPECT_THROW(readCreatureFiles(model, "032"), DataError);

    glh::motyl_tx.freeModel();
    glh::motyl_tx.freeTextures();
    glh::wazka_tx.freeModel();
    glh::wazka_tx.freeTextures();
    glh::rybka_tx.freeModel();
    glh::rybka_tx.freeTextures();
}

}  // namespace
