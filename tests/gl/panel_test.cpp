// The panel as GL sees it: the glyphs' quads and texture cells, the compass needle turned
// through the texture matrix, and what loading the layout resets.

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "assets/layout_view.h"
#include "core/game_state.h"
#include "game/kontrol.h"
#include "platform/data_paths.h"
#include "unit/model_fixtures.h"

namespace {

namespace fs = std::filesystem;

struct Vertex {
    float x, y, s, t;  // window position, texture coordinate
};
using Polygon = std::vector<Vertex>;

template <typename Draw>
std::vector<Polygon> feedback(Draw draw) {
    std::vector<GLfloat> buffer(1 << 16);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    std::vector<Polygon> polygons;
    for (GLint i = 0; i < used;) {
        EXPECT_EQ(buffer[static_cast<size_t>(i)], GL_POLYGON_TOKEN);
        const int n = static_cast<int>(buffer[static_cast<size_t>(i) + 1]);
        i += 2;
        Polygon polygon;
        for (int k = 0; k < n; ++k, i += 11) {
            const GLfloat* v = &buffer[static_cast<size_t>(i)];
            polygon.push_back({v[0], v[1], v[7], v[8]});
        }
        polygons.push_back(polygon);
    }
    return polygons;
}

// Panel units (80 × 60) to the 256 × 256 test viewport.
float windowX(float x) {
    return x / 80 * 256;
}
float windowY(float y) {
    return y / 60 * 256;
}

bool near(float a, float b) {
    return std::fabs(a - b) < 0.01f;
}

// The polygons whose lowest, leftmost corner is at this panel point.
std::vector<Polygon> polygonsAt(const std::vector<Polygon>& polygons, float x, float y) {
    std::vector<Polygon> found;
    for (const Polygon& polygon : polygons) {
        float left = polygon[0].x, bottom = polygon[0].y;
        for (const Vertex& v : polygon) {
            left = std::min(left, v.x);
            bottom = std::min(bottom, v.y);
        }
        if (near(left, windowX(x)) && near(bottom, windowY(y))) found.push_back(polygon);
    }
    return found;
}

class PanelGl : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/oxa-panel-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        // Elements 0 to 16 and 18 are empty; 17, the compass disc, is one quad whose
        // texture coordinates run about the needle's centre.
        std::vector<std::string> layout = {" 19"};
        for (int k = 0; k < 19; ++k) {
            layout.push_back(fixture::header(k == 17 ? 3 : 0, 0, 'N', 'x', 4));
            if (k != 17) continue;
            fixture::add(
                layout,
                {fixture::textured(40, 20, 0, -0.5, -0.5), fixture::textured(50, 20, 0, 0.5, -0.5),
                 fixture::textured(50, 30, 0, 0.5, 0.5), fixture::textured(40, 30, 0, -0.5, 0.5)});
        }
        fs::create_directories(root_ / "PUL/DATA");
        std::ofstream(root_ / "PUL/DATA/kontrolx.mex", std::ios::binary) << fixture::join(layout);
        // GL leaves the texture matrix out for a texture without an image, so the compass
        // gets a real one: 32 × 32 RGB.
        fs::create_directories(root_ / "PUL/BMP_0");
        std::string compass(16, '\0');
        compass[0] = 'x';
        compass[2] = '1';
        compass.append(32 * 32 * 3, '\x80');
        std::ofstream(root_ / "PUL/BMP_0/komp.srm", std::ios::binary) << compass;
        dataTree().setRoot(root_);
        loadedFlags.panel = {};

        glViewport(0, 0, 256, 256);
        for (GLenum mode : {GL_PROJECTION, GL_TEXTURE, GL_MODELVIEW}) {
            glMatrixMode(mode);
            glLoadIdentity();
        }
        glDisable(GL_CULL_FACE);
    }
    void TearDown() override {
        setLayoutWindow(640, 480);
        panel.freeLayout();
        panel.freeTextures();
        fs::remove_all(root_);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    fs::path root_;
    glh::Panel panel;
};

TEST_F(PanelGl, GlyphsMapTheirClockTextureCellsAndTheCompassTurnsItsTexture) {
    panel.loadTextures();
    panel.loadLayout();
    panel.bucket.deliveredPercent = 50;
    panel.clock.remainingLoadsUnits = 7;
    panel.clock.seconds = 5;  // 0:05

    const auto polygons = feedback([&] { panel.draw(0, 1, 90); });
    const PanelPlan plan = planPanel(panel.bucket, panel.clock, 0, 1);
    ASSERT_EQ(plan.glyphs.size(), 5u);
    for (const PanelGlyph& glyph : plan.glyphs) {
        SCOPED_TRACE(glyph.glyph);
        const auto quads = polygonsAt(polygons, glyph.x, glyph.y);
        ASSERT_FALSE(quads.empty());
        const GlyphCell cell = glyphCell(glyph.glyph);
        for (const Polygon& quad : quads) {
            for (const Vertex& v : quad) {
                const bool left = near(v.x, windowX(glyph.x));
                const bool bottom = near(v.y, windowY(glyph.y));
                EXPECT_TRUE(left || near(v.x, windowX(glyph.x + glyphWidth)));
                EXPECT_TRUE(bottom || near(v.y, windowY(glyph.y + glyphHeight)));
                EXPECT_FLOAT_EQ(v.s, left ? cell.left : cell.right);
                EXPECT_FLOAT_EQ(v.t, bottom ? cell.bottom : cell.top);
            }
        }
    }

    // A quarter turn: the disc's corner at texture (-0.5, -0.5) shows (1, 0) of the needle.
    const auto compass = polygonsAt(polygons, 40, 20);
    ASSERT_FALSE(compass.empty());
    for (const Vertex& v : compass[0]) {
        if (!near(v.x, windowX(40)) || !near(v.y, windowY(20))) continue;
        EXPECT_NEAR(v.s, 1, 1e-5);
        EXPECT_NEAR(v.t, 0, 1e-5);
    }

    // The panel leaves the matrices as it found them and the depth test on.
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_EQ(projection[0], 1);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST_F(PanelGl, LoadingTheLayoutStartsANewStageEvenWhenAlreadyLoaded) {
    panel.loadLayout();
    EXPECT_TRUE(loadedFlags.panel.model);
    panel.bucket.loadCount = 2;
    panel.bucket.slots = {1, 1, 0, 0, 0};
    panel.bucket.deliveredPercent = 40;
    panel.clock.collected = 12;
    panel.clock.gameState = stageStopped;

    fs::remove(root_ / "PUL/DATA/kontrolx.mex");  // loaded once: not read again
    dataTree().setRoot(root_);
    panel.loadLayout();
    EXPECT_EQ(panel.bucket.loadCount, 0);
    EXPECT_EQ(panel.bucket.slots, (std::array<uint8_t, 5>{}));
    EXPECT_EQ(panel.bucket.deliveredPercent, 0);
    EXPECT_EQ(panel.clock.collected, 0);
    EXPECT_EQ(panel.clock.gameState, stageRunning);

    panel.freeLayout();
    EXPECT_FALSE(loadedFlags.panel.model);
    // Without its glyphs the panel draws the bar alone.
    panel.bucket.deliveredPercent = 50;
    EXPECT_FALSE(feedback([&] { panel.draw(0, 1, 0); }).empty());
    for (const PanelGlyph& glyph : planPanel(panel.bucket, panel.clock, 0, 1).glyphs)
        EXPECT_TRUE(polygonsAt(feedback([&] { panel.draw(0, 1, 0); }), glyph.x, glyph.y).empty());
}

// The lowest, leftmost corner of each polygon in panel units, on the 256 x 256 viewport
// showing the whole window `view`.
std::vector<std::pair<float, float>> cornersInUnits(const std::vector<Polygon>& polygons,
                                                    const LayoutView& view) {
    std::vector<std::pair<float, float>> corners;
    for (const Polygon& polygon : polygons) {
        float left = polygon[0].x, bottom = polygon[0].y;
        for (const Vertex& v : polygon) {
            left = std::min(left, v.x);
            bottom = std::min(bottom, v.y);
        }
        corners.push_back({view.left + left / 256 * (view.right - view.left),
                           view.bottom + bottom / 256 * (view.top - view.bottom)});
    }
    return corners;
}

bool drawnAt(const std::vector<std::pair<float, float>>& corners, float x, float y) {
    for (auto [cx, cy] : corners)
        if (std::fabs(cx - x) < 0.01f && std::fabs(cy - y) < 0.01f) return true;
    return false;
}

TEST_F(PanelGl, OnAWideOrTallWindowEachPieceKeepsToItsCornerOfTheWindow) {
    setLayoutWindow(1920, 1080);  // 13.33 units more on each side
    panel.loadTextures();
    panel.loadLayout();
    panel.bucket.deliveredPercent = 50;
    panel.clock.remainingLoadsUnits = 7;
    panel.clock.seconds = 5;
    const PanelPlan plan = planPanel(panel.bucket, panel.clock, 0, 1);
    const float beside = 40.0f / 3;

    auto corners = cornersInUnits(feedback([&] { panel.draw(0, 1, 0); }), layoutView());
    for (const PanelGlyph& glyph : plan.glyphs) {
        // The loads left stand at the bottom right, the clock at the top left.
        const float dx = glyph.x > 40 ? beside : -beside;
        EXPECT_TRUE(drawnAt(corners, glyph.x + dx, glyph.y)) << glyph.x << "," << glyph.y;
    }
    EXPECT_TRUE(drawnAt(corners, plan.bar.left + beside, plan.bar.bottom)) << "the bar";
    EXPECT_TRUE(drawnAt(corners, 40 + beside, 20)) << "the disc, right of the middle";

    // A window of another shape: the layout is read again for it.
    setLayoutWindow(1280, 1024);  // 2 units more above and below
    panel.refitLayout();
    corners = cornersInUnits(feedback([&] { panel.draw(0, 1, 0); }), layoutView());
    EXPECT_TRUE(drawnAt(corners, 40, 18)) << "the disc, below the middle";
    EXPECT_TRUE(drawnAt(corners, plan.glyphs[2].x, plan.glyphs[2].y + 2)) << "the clock";
    EXPECT_EQ(panel.bucket.deliveredPercent, 50) << "the stage's tally is kept";
}

}  // namespace
